#pragma once
// Internal chat: users on different workstations exchange short messages
// through the CHAT table, polled every second. The chat window, the message
// history and the rules both use.
#include "base/UnitDM.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include "core/BatePapo.h"

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
    QTimer *tmrMensagens;

public slots:
    void FormShow();
    void tmrMensagensTimer();
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

    QTableView *grdMensagens;
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
