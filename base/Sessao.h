#pragma once
// What the main window shares with every screen: the logged user and rights,
// the workstation identity and the one-shot flags that screens exchange.
#include <QDate>
#include <QString>

struct Direitos {
    bool INCLUI = false;
    bool ALTERA = false;
    bool EXCLUI = false;
    bool CONSULTA = false;
    bool IMPRIME = false;
    bool UTILITARIOS = false;
    bool PARAMETROS = false;
    bool MOVIMENTOS = false;
    bool USUARIOS = false;
    bool ACESSO_TOTAL = false;
};

struct Sessao {
    // Caption of the main window's user label: the login of the logged user,
    // "Usuário" before the first login. Every USUARIO column takes it.
    QString login = QStringLiteral("Usuário");
    qint64 idUsuario = 0;
    Direitos direitos;

    // Workstation (param.ini)
    QString AuxTipoPC;   // "NORMA", "RESTA", "MESAS"
    QString AuxNomePC;   // "SERVIDOR" marks the server workstation
    QString Permitido;   // not empty: the workstation has the price-edit rights
    QString AuxUsu;      // user key, a blank and the typed password

    // Results of the cash balance operation
    bool CaixaSucesso = false;
    bool SaldoCaixa = false;

    // Check-in started on the room map
    bool WalkInExpresso = false;
    QString WalkInExpressoCLIENTE;
    QString WalkInExpressoUH;

    QString RealizarBackup;     // "S": the backup screen backs up at once and ends the program
    bool FotoOculta = false;    // the camera dialog confirms itself
    bool ServidorAtualizado = false;
    bool mostroualerta = false;
    bool mostrouaviso = false;
    QDate Data_Abertura;
    bool Ponto_Vazio = false;

    // The one session of this process.
    static Sessao &atual();
    // Back to a fresh state (tests, logout).
    static void reiniciar();
};
