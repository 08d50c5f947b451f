#pragma once
// Rules of the birthday e-mail screen: the customers born on a day or in a
// month, the entries of the address picker, the sending account kept in the
// one-row EMAIL table and the log text of a send. Widget-free.
#include <QDate>
#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

class ConexaoBanco;

namespace Aniversariantes {

inline const QString kSelecione = QStringLiteral("S E L E C I O N E");
// The month box: kSelecione, then "J A N E I R O" .. "D E Z E M B R O".
const QStringList &meses();

inline const QString kDiaMesVazio = QStringLiteral("  /  ");
inline const QString kMsgDiaMesInvalido =
    QStringLiteral("Dia/Mês inválido!\rInforme um dia que exista, com dia e mês em dois dígitos (ex.: 05/09).");

struct Cliente {
    qint64 id = 0;
    QString nome;
    QDate nascimento;
    QString email;
};

// The "Dia/Mês" text ("dd/MM"): both numbers when it names a day that
// exists in some year (29/02 included); nothing otherwise.
struct DiaMes {
    int dia = 0;
    int mes = 0;
};
std::optional<DiaMes> lerDiaMes(const QString &texto);

// Normal customers (restricted, blacklisted and the unknown date 01/01/1900
// left out), by birth date.
QList<Cliente> porMes(ConexaoBanco &conexao, int mes);
QList<Cliente> porDia(ConexaoBanco &conexao, int dia, int mes);

// One picker entry: the trimmed address when it is a valid one (checked),
// otherwise "address - (key) - name" (unchecked).
struct ItemEscolha {
    QString texto;
    bool valido = false;
};
struct Escolha {
    QList<ItemEscolha> itens; // rows with an address, in the order read
    int comEmail = 0;
    int semEmail = 0;
};
Escolha escolha(const QList<Cliente> &clientes);

// What "OK" appends to "Para:": each checked valid entry followed by "; ".
QString acrescentarPara(const QList<ItemEscolha> &itens, const QList<bool> &marcados);
// "Para (n):", n the number of ";" in the text.
QString rotuloPara(const QString &para);
// The envelope recipients: the addresses of "Para:" split on ";" and ",".
QStringList destinatarios(const QString &para);

// The sending account and the message (table EMAIL).
struct Conta {
    QString conta;     // EMAIL_REMETENTE
    QString senha;     // SENHA
    QString remetente; // REMETENTE
    QString assunto;   // ASSUNTO
    QString mensagem;  // MENSAGEM
};
inline const QString kMsgSalvo = QStringLiteral("Informações Atualizadas!");
inline const QString kLogSalvo = QStringLiteral("Atualizou Informações de Email");
Conta ler(ConexaoBanco &conexao);
// Texts longer than their columns: the message to show (empty when it fits).
QString validar(const Conta &c);
// Stores the fields as typed and logs it, in one transaction. Raises
// ErroSistema when a text does not fit.
void salvar(ConexaoBanco &conexao, const Conta &c);

// The log of a send ("Envio de Email"): the before-text, "Para:" cut at 500.
inline const QString kLogEnvio = QStringLiteral("Envio de Email");
QString textoLogEnvio(const Conta &c, const QString &para);
void registrarEnvio(ConexaoBanco &conexao, const Conta &c, const QString &para);

// Media type of a number of the system's list; empty for any other number.
QString tipoMime(int numero);

// Where the mail goes out: param.ini section [EMAIL] (HOST, PORTA, CA).
struct Servidor {
    QString host;
    QString porta;
    QString arquivoCA; // empty: the system's trusted certificates
};
inline const QString kHostPadrao = QStringLiteral("smtp.gmail.com");
inline const QString kPortaPadrao = QStringLiteral("465");
Servidor servidorDe(const QString &textoIni);
Servidor servidor();

} // namespace Aniversariantes
