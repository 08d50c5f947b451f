#pragma once
// "Aniversariantes": the customers born on a day or in a month, a picker of
// their e-mail addresses and one message with attachments sent to all of
// them from the hotel's mail account.
#include "rooms/Aniversariantes.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

inline const QString kMsgEnviada = QStringLiteral("Mensagem Enviada com Sucesso!");
inline const QString kMsgSslFalhou = QStringLiteral(
    "SSL da Autenticação Segura Falhou.\rPode ser uma instabilidade temporária na sua conexão de Internet.\r"
    "Tente novamente mais tarde.");
inline const QString kMsgAutenticacaoFalhou = QStringLiteral(
    "Autenticação Falhou.\rVerifique seu Nome de Usuário e Senha ou \rTente novamente mais tarde.");
inline const QString kMsgConexaoInterrompida =
    QStringLiteral("A conexão com o Provedor foi interrompida.\rVerifique se a sua Internet está ativa.");
inline const QString kMsgRecusada = QStringLiteral("O Provedor recusou a mensagem:\r");
inline const QString kMsgParaVazio = QStringLiteral("Informe ao menos um destinatário em \"Para:\".");
inline const QString kMsgParaInvalido = QStringLiteral("Endereço de e-mail inválido em \"Para:\": %1");
inline const QString kStatusAguardando = QStringLiteral("Aguardando...");

class TFrmAniversariantes : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAniversariantes(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QLineEdit *edtDiaMes;   // "Dia/Mês ->"
    QComboBox *cbMes;       // "Mês ->"
    QLabel *lblTotalCom;    // value of "Total com e-mail ->"
    QLabel *lblTotalSem;    // value of "Total sem e-mail ->"
    QFrame *pnlEmails;      // the picker
    QListWidget *lstEmails;
    QPushButton *btnOk;
    QPushButton *btnFecharConsulta;
    QLineEdit *edtConta;
    QLineEdit *edtSenha;
    QLineEdit *edtRemetente;
    QLineEdit *edtAssunto;
    QPlainTextEdit *memMensagem;
    QLabel *lblPara;
    QPlainTextEdit *memPara;
    QPushButton *btnLimparLista;
    QListWidget *lstAnexos;
    QPushButton *btnAdicionar;
    QPushButton *btnRemover;
    QPushButton *btnSalvar;
    QPushButton *btnEnviar;
    QPushButton *btnImprimir;
    QPushButton *btnSair;
    QLabel *lblStatus;
    QProgressBar *pbEnvio;

    // Host, port and trusted certificates of the mail server (param.ini).
    Aniversariantes::Servidor servidorEmail;

    // Builds and sends one message; true when the server took it.
    bool EnviarEmail(const QString &Dominio, const QString &Porta, const QString &Usuario, const QString &Senha,
                     const QString &DeNome, const QString &DeEmail, const QString &Para, const QString &Assunto,
                     const QString &Corpo, int CorpoMIME, int AnexoMIME, bool AutoResposta,
                     const QStringList &Anexo);
    static QString EmailTipoMIME(int TipoMIME);

    QStringList anexos() const;
    Aniversariantes::Conta conta() const;

public slots:
    void edtDiaMesEnter();     // focus enters the day field
    void edtDiaMesConfirmar(); // Enter in the day field
    void cbMesChange(int indice);
    void btnOkClick();
    void btnFecharConsultaClick();
    void memParaChange();
    void btnLimparListaClick();
    void btnAdicionarClick();
    void btnRemoverClick();
    void btnSalvarClick();
    void btnEnviarClick();
    void btnImprimirClick();
    void btnSairClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void mostrarEscolha(const QList<Aniversariantes::Cliente> &clientes);
    void zerarTotais();
    void marcar(const QString &status);
    QList<Aniversariantes::ItemEscolha> m_itens;
};

extern TFrmAniversariantes *FrmAniversariantes;

void abrirAniversariantes(QWidget *parent = nullptr);
