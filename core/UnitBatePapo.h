#pragma once
// Internal chat: users on different workstations exchange short messages
// through the CHAT table, polled every second. The chat window, the message
// history and the rules both use.
#include "base/UnitDM.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QTimer;
class ModeloConsulta;

namespace BatePapo {

inline constexpr const char *kSuporte = "SUPORTE";
inline constexpr const char *kMsgSemDestinatario = "Selecione o Destinatário da Mensagem!";
inline constexpr const char *kMsgSemMensagem = "Digite a Mensagem a ser enviada!";
// CHAT.MENSAGEM holds this many characters.
inline constexpr int kMaxMensagem = 250;
inline constexpr const char *kMsgMensagemLonga = "A Mensagem pode ter no máximo 250 caracteres!";

// Logins of the users not deleted, in order.
QStringList usuariosAtivos();
// Every login, for the history filter.
QStringList todosUsuarios();
// Every unread message, in the order the database keeps them.
QList<Linha> naoLidas();
// The conversation of `login` among the unread messages: what he sent and
// what he received, two lines per message.
QString conversa(const QString &login, const QList<Linha> &mensagens);

enum class Envio { Enviada, SemDestinatario, SemMensagem, Longa };
// Stores a message from `de` to `para` (trimmed), dated now and unread.
// A message longer than the column (in characters) is refused: Longa.
Envio enviar(const QString &de, const QString &para, const QString &mensagem);
// Marks every message addressed to `login` as read; returns how many.
int limparRecebidas(const QString &login);

// The history: everything, or what `login` sent or received.
struct ConsultaHistorico {
    QString sql;
    Valores valores;
};
ConsultaHistorico historico(bool acessoTotal, const QString &login);
ConsultaHistorico historicoDoUsuario(const QString &login);
ConsultaHistorico historicoDoDia(const QDate &dia);

// The live-support page of the maker (param.ini [SUPORTE] URL_CHAT).
QString enderecoSuporte();
// Opens a web page in the default browser (tests replace it).
extern std::function<void(const QString &)> abrirPagina;

} // namespace BatePapo

class TFrmBatePapo : public QDialog {
    Q_OBJECT
public:
    explicit TFrmBatePapo(QWidget *parent = nullptr);

    QComboBox *cbFiltroUsuario;
    QPlainTextEdit *Memo1; // the conversation
    QPlainTextEdit *Memo2; // the message
    QPushButton *Button3;  // "Enviar Mensagem"
    QPushButton *Button5;  // "Enviar Online"
    QPushButton *Button2;  // "Esconder e Limpar Recebidas"
    QPushButton *Button4;  // "Ver Histórico"
    QTimer *Timer1;

public slots:
    void FormShow();
    void Timer1Timer();
    void cbFiltroUsuarioChange();
    void Button3Click();
    void Button5Click();
    void Button2Click();
    void Button4Click();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
};

class TFrmChat : public QDialog {
    Q_OBJECT
public:
    explicit TFrmChat(QWidget *parent = nullptr);

    QTableView *DBGrid1;
    ModeloConsulta *modelo;
    QPushButton *btnFiltros;
    QPushButton *btnSair;
    QGroupBox *pnlFiltro;
    QRadioButton *rbUsuario;
    QRadioButton *rbData;
    QComboBox *cbUsuario;
    QDateEdit *dtData;
    QPushButton *btnPesquisar;
    QPushButton *btnFecharConsulta;

public slots:
    void FormShow();
    void btnFiltrosClick();
    void rbUsuarioClick();
    void rbDataClick();
    void btnPesquisarClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void abrirConsulta(const BatePapo::ConsultaHistorico &c);
};

extern TFrmBatePapo *FrmBatePapo;
extern TFrmChat *FrmChat;

// The chat window, modal.
void abrirBatePapo();
// The message history, modal.
void abrirHistoricoChat();
