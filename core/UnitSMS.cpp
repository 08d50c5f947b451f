#include "core/UnitSMS.h"

#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

TFrmEnvioSMS *FrmEnvioSMS = nullptr;

TFrmEnvioSMS::TFrmEnvioSMS(const Sms::Contexto &contexto, QWidget *parent) : QDialog(parent), m_contexto(contexto)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Zentro Vedez - Envio de SMS"));
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(new QLabel(QStringLiteral("De:")));
    edtDe = new QLineEdit;
    edtDe->setMaxLength(20);
    lay->addWidget(edtDe);
    lay->addWidget(new QLabel(QStringLiteral("Para:")));
    edtPara = new QLineEdit;
    edtPara->setToolTip(QStringLiteral("Fomato de Telefone Cód. País + Cód. DDD + Número\nEx.: 5521999990000"));
    edtPara->setPlaceholderText(QStringLiteral("5521999990000"));
    lay->addWidget(edtPara);
    lay->addWidget(new QLabel(QStringLiteral("Mensagem:")));
    MemoMensagem = new QPlainTextEdit;
    lay->addWidget(MemoMensagem);
    Label9 = new QLabel(Sms::textoRestantes(Sms::kLimite));
    lay->addWidget(Label9);
    lay->addWidget(new QLabel(QStringLiteral("Telefones do Cliente")));
    ListBox1 = new QListWidget;
    ListBox1->setToolTip(QStringLiteral("Clique duas vezes sobre o número para enviar a ele"));
    ListBox1->setMaximumHeight(60);
    lay->addWidget(ListBox1);
    Label4 = new QLabel(QStringLiteral("Mensagem já enviada a esse Cliente"));
    Label4->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    Label4->hide();
    lay->addWidget(Label4);
    grpObservacao = new QGroupBox(QStringLiteral("Observação da Reserva"));
    auto *lo = new QVBoxLayout(grpObservacao);
    MemoObs = new QPlainTextEdit;
    MemoObs->setReadOnly(true);
    lo->addWidget(MemoObs);
    grpObservacao->hide();
    lay->addWidget(grpObservacao);
    btnConfirmar = new QPushButton(QStringLiteral("Confirmar"));
    btnConfirmar->setAutoDefault(false);
    lay->addWidget(btnConfirmar);

    connect(edtDe, &QLineEdit::textChanged, this, &TFrmEnvioSMS::atualizarContador);
    connect(MemoMensagem, &QPlainTextEdit::textChanged, this, &TFrmEnvioSMS::atualizarContador);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TFrmEnvioSMS::ListBox1DblClick);
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmEnvioSMS::btnConfirmarClick);
}

void TFrmEnvioSMS::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!m_mostrada) {
        m_mostrada = true;
        FormShow();
    }
}

void TFrmEnvioSMS::FormShow()
{
    const Sms::Proposta p = Sms::propor(DM->Conexao, m_contexto);
    AuxNome = p.nome;
    edtDe->setText(p.de);
    edtPara->setText(p.para);
    MemoMensagem->setPlainText(p.mensagem);
    ListBox1->clear();
    ListBox1->addItems(p.telefones);
    Label4->setVisible(p.jaEnviada);
    grpObservacao->setVisible(p.mostrarObservacao);
    MemoObs->setPlainText(p.observacao);
    atualizarContador();
}

void TFrmEnvioSMS::atualizarContador()
{
    // The message holds at most 160 characters.
    const QString texto = MemoMensagem->toPlainText();
    if (texto.size() > 160) {
        MemoMensagem->setPlainText(texto.left(160));
        MemoMensagem->moveCursor(QTextCursor::End);
        return; // the change above counts again
    }
    Label9->setText(Sms::textoRestantes(Sms::restantes(edtDe->text(), texto)));
}

void TFrmEnvioSMS::ListBox1DblClick()
{
    if (!ListBox1->currentItem())
        return;
    edtPara->setText(Sms::destino(ListBox1->currentItem()->text()));
    edtPara->setFocus();
}

void TFrmEnvioSMS::btnConfirmarClick()
{
    const auto r = Sms::confirmar(DM->Conexao, m_contexto, edtDe->text(), edtPara->text(), MemoMensagem->toPlainText(),
                                  !Label4->isHidden(),
                                  SmsGateway::configuracao());
    if (r == Sms::Resultado::Enviado && m_contexto.origem == Sms::Contexto::Origem::Reserva) {
        // From now on this reservation counts as confirmed by SMS.
        Label4->setVisible(true);
    }
}

void abrirEnvioSMS(const Sms::Contexto &contexto) { Telas::abrir<TFrmEnvioSMS>(FrmEnvioSMS, contexto); }
