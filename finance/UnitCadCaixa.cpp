#include "finance/UnitCadCaixa.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "finance/Caixa.h"
#include "platform/Estacao.h"

#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmCadCaixa *FrmCadCaixa = nullptr;
std::function<void()> TFrmCadCaixa::mostrarTodosNaLista;
std::function<void()> TFrmCadCaixa::cancelarNaLista;

namespace {

QLineEdit *valor(QWidget *pai, const char *nome)
{
    auto *e = new QLineEdit(QStringLiteral("0,00"), pai);
    e->setObjectName(QString::fromLatin1(nome));
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(160);
    return e;
}

QDateEdit *campoData(QWidget *pai, const char *nome)
{
    auto *d = new QDateEdit(pai);
    d->setObjectName(QString::fromLatin1(nome));
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    d->setMaximumWidth(160);
    return d;
}

} // namespace

TFrmCadCaixa::TFrmCadCaixa(const QString &op, qint64 idCaixa, QWidget *parent)
    : QDialog(parent)
    , m_op(op)
    , m_id(idCaixa)
{
    const ModoEdicao modo = modoDeOP(op);
    const QString titulo = modo == ModoEdicao::Incluir ? QStringLiteral("Nova Abertura")
                           : modo == ModoEdicao::Alterar ? QStringLiteral("Alterar Caixa")
                                                         : QStringLiteral("Ver Caixa");
    setWindowTitle(QStringLiteral("Caixa"));
    setMinimumWidth(560);
    auto *layout = new QVBoxLayout(this);
    lblTitulo = new QLabel(titulo, this);
    QFont f = lblTitulo->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    lblTitulo->setFont(f);
    layout->addWidget(lblTitulo);
    lblCodigo = new QLabel(QStringLiteral("O Código será Atribuído Automáticamente"), this);
    layout->addWidget(lblCodigo);

    pnlDados = new QWidget(this);
    auto *campos = new QFormLayout(pnlDados);
    edtDataAbert = campoData(pnlDados, "edtDataAbert");
    edtValorDinheiro = valor(pnlDados, "edtValorDinheiro");
    edtValorVisa = valor(pnlDados, "edtValorVisa");
    edtValorDebVisa = valor(pnlDados, "edtValorDebVisa");
    edtValorMaster = valor(pnlDados, "edtValorMaster");
    edtValorDebMaster = valor(pnlDados, "edtValorDebMaster");
    edtValorHiper = valor(pnlDados, "edtValorHiper");
    edtValorCheque = valor(pnlDados, "edtValorCheque");
    edtValorNotas = valor(pnlDados, "edtValorNotas");
    campos->addRow(QStringLiteral("Data de Abertura:"), edtDataAbert);
    campos->addRow(QStringLiteral("Dinheiro na Abertura: R$"), edtValorDinheiro);
    campos->addRow(QStringLiteral("Crédito - Visa na Abertura: R$"), edtValorVisa);
    campos->addRow(QStringLiteral("Débito - Visa na Abertura: R$"), edtValorDebVisa);
    campos->addRow(QStringLiteral("Crédito - Mastercard na Abertura: R$"), edtValorMaster);
    campos->addRow(QStringLiteral("Débito - Mastercard na Abertura: R$"), edtValorDebMaster);
    campos->addRow(QStringLiteral("Cartão Hipercard na Abertura: R$"), edtValorHiper);
    campos->addRow(QStringLiteral("Cheque na Abertura: R$"), edtValorCheque);
    campos->addRow(QStringLiteral("Notas na Abertura: R$"), edtValorNotas);
    edtDataFecha = campoData(pnlDados, "edtDataFecha");
    edtDataFecha->setReadOnly(true);
    edtValor2 = valor(pnlDados, "edtValor2");
    lblDataFecha = new QLabel(QStringLiteral("Data de Fechamento:"), pnlDados);
    lblValor2 = new QLabel(QStringLiteral("Saldo no Fechamento:  R$"), pnlDados);
    campos->addRow(lblDataFecha, edtDataFecha);
    campos->addRow(lblValor2, edtValor2);
    for (QWidget *w : {static_cast<QWidget *>(lblDataFecha), static_cast<QWidget *>(edtDataFecha),
                       static_cast<QWidget *>(lblValor2), static_cast<QWidget *>(edtValor2)})
        w->hide();
    layout->addWidget(pnlDados);

    auto *botoes = new QHBoxLayout;
    btnConfirmar = new QPushButton(QStringLiteral("Confirmar"), this);
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    btnConfirmar->setObjectName(QStringLiteral("btnConfirmar"));
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    for (QPushButton *b : {btnConfirmar, btnCancelar})
        b->setAutoDefault(false);
    botoes->addStretch();
    botoes->addWidget(btnConfirmar);
    botoes->addWidget(btnCancelar);
    layout->addLayout(botoes);
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadCaixa::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadCaixa::btnCancelarClick);

    menuAtalhos = instalarComportamentoEdicao(
        this, {[this] {
                   if (btnConfirmar->isEnabled())
                       btnConfirmar->click();
               },
               [this] { btnCancelar->click(); }, QStringLiteral("|| Confirmar Abertura  - (F10) ||"),
               QStringLiteral("|| Cancelar Abertura - (F12) ||")});
    preencher();
}

void TFrmCadCaixa::preencher()
{
    const ModoEdicao modo = modoDeOP(m_op);
    auto mostrar = [](QLineEdit *e, Dinheiro v) { e->setText(v.formatado()); };
    if (modo == ModoEdicao::Incluir) {
        edtDataAbert->setDate(Relogio::hoje());
        const Caixa::Saldos s = Caixa::saldosDeAbertura(DM->Conexao);
        mostrar(edtValorDinheiro, s[MeioCaixa::Dinheiro]);
        mostrar(edtValorVisa, s[MeioCaixa::CreditoVisa]);
        mostrar(edtValorDebVisa, s[MeioCaixa::DebitoVisa]);
        mostrar(edtValorMaster, s[MeioCaixa::CreditoMaster]);
        mostrar(edtValorDebMaster, s[MeioCaixa::DebitoMaster]);
        mostrar(edtValorHiper, s[MeioCaixa::Hipercard]);
        mostrar(edtValorCheque, s[MeioCaixa::PixChq]);
        mostrar(edtValorNotas, s[MeioCaixa::APrazo]);
        return;
    }
    const std::optional<Caixa::Turno> t = Caixa::lerTurno(DM->Conexao, m_id);
    if (!t)
        return;
    m_dataAtual = t->dataAbertura;
    edtDataAbert->setDate(t->dataAbertura);
    mostrar(edtValorDinheiro, t->valorAbertura);
    mostrar(edtValorVisa, t->saldos[MeioCaixa::CreditoVisa]);
    mostrar(edtValorDebVisa, t->saldos[MeioCaixa::DebitoVisa]);
    mostrar(edtValorMaster, t->saldos[MeioCaixa::CreditoMaster]);
    mostrar(edtValorDebMaster, t->saldos[MeioCaixa::DebitoMaster]);
    mostrar(edtValorHiper, t->saldos[MeioCaixa::Hipercard]);
    mostrar(edtValorCheque, t->saldos[MeioCaixa::PixChq]);
    mostrar(edtValorNotas, t->saldos[MeioCaixa::APrazo]);
    if (modo == ModoEdicao::Ver) {
        if (!t->aberto()) {
            edtDataFecha->setDate(t->dataFechamento);
            mostrar(edtValor2, t->valorFechamento);
            for (QWidget *w : {static_cast<QWidget *>(lblDataFecha), static_cast<QWidget *>(edtDataFecha),
                               static_cast<QWidget *>(lblValor2), static_cast<QWidget *>(edtValor2)})
                w->show();
        }
        pnlDados->setEnabled(false);
        btnConfirmar->setEnabled(false);
    }
}

void TFrmCadCaixa::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    edtDataAbert->setFocus();
}

bool TFrmCadCaixa::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        AcaoAtual(QStringLiteral("Abertura de Caixa"));
    return QDialog::event(e);
}

void TFrmCadCaixa::btnConfirmarClick()
{
    // A second press while the first is still at work, or after the shift
    // was opened, books nothing.
    if (m_confirmando || m_aberto)
        return;
    m_confirmando = true;
    struct Fim {
        bool &f;
        ~Fim() { f = false; }
    } fim{m_confirmando};

    const ModoEdicao modo = modoDeOP(m_op);
    if (modo == ModoEdicao::Ver)
        return;
    if (modo == ModoEdicao::Alterar) {
        if (edtDataAbert->date() != m_dataAtual) {
            Mensagem::info(Caixa::kMsgDataInvalida);
            edtDataAbert->setFocus();
            return;
        }
        if (mostrarTodosNaLista)
            mostrarTodosNaLista();
        return;
    }

    const Caixa::Abertura a = Caixa::abrir(DM->Conexao, edtDataAbert->date(), Estacao::ipLocal());
    if (a.focoData) {
        Mensagem::info(a.mensagem);
        edtDataAbert->setFocus();
        return;
    }
    m_aberto = a.aberto;
    Mensagem::info(a.mensagem);
    // The list reloads on the newest shift when the form is closed.
    accept();
}

void TFrmCadCaixa::btnCancelarClick()
{
    if (cancelarNaLista)
        cancelarNaLista();
    reject();
}
