#include "stays/UnitFormaPag.h"

#include "base/Icones.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "stays/UnitCadWalkIn.h"
#include "stays/ContextoListaEstadias.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <array>
#include <optional>

TFrmFormaPag *FrmFormaPag = nullptr;

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

// A money box's amount: empty is zero; nullopt when unreadable or negative.
std::optional<Dinheiro> lerCaixa(const QLineEdit *e)
{
    return Dinheiro::digitado(e->text(), SinalDigitado::ZeroOuPositivo, VazioDigitado::Zero).valor;
}

QString textoTotal(Dinheiro v) { return QStringLiteral("Total -> R$ ") + v.formatado(); }

} // namespace

// ---------------------------------------------------------------- check-out start

namespace FormaPag {

void fecharConta(TFrmCadWalkIn &form)
{
    const qint64 id = form.chave();
    const QDateTime saida(form.edtData2->date(), form.edtHora2->time());
    const Saida::Inicio inicio = Saida::iniciar(DM->Conexao, id, saida);
    if (!inicio.conta.aberta) {
        Mensagem::aviso(Saida::Textos::JaFechada);
        return;
    }
    form.ValorRestante = inicio.conta.restante.formatado();
    if (!Mensagem::pergunta(inicio.pergunta))
        return;

    Contexto ctx;
    ctx.idEntrada = id;
    ctx.restante = inicio.conta.restante;
    ctx.saida = saida;
    ctx.obs = form.edtObs->text();
    ctx.cliente = form.cbCliente->currentText();
    ctx.uh = form.cbUH->currentText();
    ctx.lista = form.lista();
    if (Telas::abrir<TFrmFormaPag>(FrmFormaPag, ctx) != QDialog::Accepted) {
        // Closed meanwhile on another workstation: the form shows it no more.
        if (!Saida::calcular(DM->Conexao, id, saida).aberta)
            form.btnCancelarClick();
        return;
    }
    if (!tParametros().sim(QStringLiteral("MODO_MOTEL")) && Mensagem::pergunta(Saida::Textos::PerguntaExtrato)
        && CadWalkIn::abrirExtrato)
        CadWalkIn::abrirExtrato(id, CadWalkIn::Extrato::Saida);
    form.accept();
}

} // namespace FormaPag

// ---------------------------------------------------------------- screen

TFrmFormaPag::TFrmFormaPag(const FormaPag::Contexto &contexto, QWidget *parent)
    : QDialog(parent), m_ctx(contexto), m_devido(contexto.restante)
{
    montar();
}

void TFrmFormaPag::montar()
{
    setWindowTitle(u8("Forma de Pagamento"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("FrmFormaPag"));
    setStyleSheet(QStringLiteral("#FrmFormaPag { background: #C00000; }"
                                 "QLabel { color: white; }"
                                 "#pnlMeios { background: black; }"
                                 "QFrame[faixa=\"true\"] { background: #8080FF; border-radius: 4px; }"
                                 "QFrame[faixa=\"true\"] QLabel { color: black; font-weight: bold; }"
                                 "#pnlDescontos { background: #C0C0C0; border: 1px solid #404040; }"
                                 "#pnlDescontos QLabel, #pnlDescontos QRadioButton { color: black; }"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);

    QFont grande = font();
    grande.setPointSize(grande.pointSize() + 10);
    grande.setBold(true);
    lblTitulo = new QLabel(u8("Forma de Pagamento"), this);
    lblTitulo->setFont(grande);
    lblTitulo->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblTitulo);
    lblRestante = new QLabel(this);
    lblRestante->setObjectName(QStringLiteral("lblRestante"));
    QFont restante = grande;
    restante.setPointSize(grande.pointSize() + 4);
    lblRestante->setFont(restante);
    lblRestante->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblRestante);

    pnlMeios = new QFrame(this);
    pnlMeios->setObjectName(QStringLiteral("pnlMeios"));
    auto *lm = new QVBoxLayout(pnlMeios);
    lm->setSpacing(8);
    lm->setContentsMargins(12, 12, 12, 12);

    QFont caixa = font();
    caixa.setPointSize(caixa.pointSize() + 3);
    caixa.setBold(true);
    const auto novaCaixa = [&](const char *nome) {
        auto *e = new QLineEdit(QStringLiteral("0,00"), pnlMeios);
        e->setObjectName(QString::fromLatin1(nome));
        e->setAlignment(Qt::AlignRight);
        e->setFont(caixa);
        e->setMinimumWidth(170);
        e->setMaxLength(14);
        e->installEventFilter(this);
        edtMeios << e;
        return e;
    };
    edtDinheiro = novaCaixa("edtDinheiro");
    edtVisa = novaCaixa("edtVisa");
    edtDebVisa = novaCaixa("edtDebVisa");
    edtMaster = novaCaixa("edtMaster");
    edtDebMaster = novaCaixa("edtDebMaster");
    edtHiper = novaCaixa("edtHiper");
    edtCheque = novaCaixa("edtCheque");
    edtNota = novaCaixa("edtNota");
    edtDeposito = novaCaixa("edtDeposito");
    edtBoleto = novaCaixa("edtBoleto");
    const char *const legendas[] = {"Dinheiro",           "Crédito - Visa",      "Débito - Visa",
                                    "Crédito - Mastercard", "Débito - Mastercard", "Crédito - Hipercard",
                                    "Pix / Chq",          "A Prazo",             "Deposito em Conta",
                                    "Boleto Bancário"};
    for (int i = 0; i < edtMeios.size(); ++i) {
        auto *l = new QLabel(u8(legendas[i]), pnlMeios);
        l->setBuddy(edtMeios[i]);
        lblMeios << l;
    }
    lblTroco = new QLabel(u8("TROCO: R$ 0,00"), pnlMeios);
    lblTroco->setObjectName(QStringLiteral("lblTroco"));
    QFont troco = caixa;
    troco.setPointSize(caixa.pointSize() + 2);
    lblTroco->setFont(troco);
    lblTroco->setStyleSheet(QStringLiteral("color: #C00000;"));
    lblTroco->hide();

    // Five bands: cash with its change; Visa; Mastercard; Hipercard and
    // "Pix / Chq"; on account, deposit and boleto.
    const QList<QList<int>> bandas{{0}, {1, 2}, {3, 4}, {5, 6}, {7, 8, 9}};
    for (const QList<int> &b : bandas) {
        auto *f = new QFrame(pnlMeios);
        f->setProperty("faixa", true);
        auto *g = new QGridLayout(f);
        g->setContentsMargins(10, 6, 10, 6);
        g->setHorizontalSpacing(16);
        g->setVerticalSpacing(2);
        int col = 0;
        for (int i : b) {
            lblMeios[i]->setParent(f);
            edtMeios[i]->setParent(f);
            g->addWidget(lblMeios[i], 0, col);
            g->addWidget(edtMeios[i], 1, col);
            ++col;
        }
        if (b.first() == 0) {
            lblTroco->setParent(f);
            g->addWidget(lblTroco, 1, col);
            ++col;
        }
        g->setColumnStretch(col, 1);
        faixas << f;
        lm->addWidget(f);
    }
    // The boxes stay in screen order for Tab and Enter.
    for (int i = 1; i < edtMeios.size(); ++i)
        QWidget::setTabOrder(edtMeios[i - 1], edtMeios[i]);
    layout->addWidget(pnlMeios);

    lblTotal = new QLabel(this);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    lblTotal->setFont(grande);
    lblTotal->setStyleSheet(QStringLiteral("color: #FF4040; background: white; padding: 2px 8px;"));
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    btnDescontos = new QPushButton(u8("Descontos / Acréscimos"), this);
    btnDescontos->setObjectName(QStringLiteral("btnDescontos"));
    btnDescontos->setAutoDefault(false);
    btnConfirmar = new QPushButton(u8("Confirmar"), this);
    btnConfirmar->setObjectName(QStringLiteral("btnConfirmar"));
    btnCancelar = new QPushButton(u8("Cancelar"), this);
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    for (QPushButton *b : {btnConfirmar, btnCancelar}) {
        b->setMinimumSize(140, 40);
        // Enter on the focused button presses it (the boxes move on instead).
        b->setAutoDefault(true);
        Icones::aplicar(b);
    }
    btnDescontos->setMinimumHeight(40);

    pnlDescontos = new QFrame(this);
    pnlDescontos->setObjectName(QStringLiteral("pnlDescontos"));
    auto *ld = new QHBoxLayout(pnlDescontos);
    rbDesconto = new QRadioButton(u8("Desconto"), pnlDescontos);
    rbAcrescimo = new QRadioButton(u8("Acréscimo"), pnlDescontos);
    rbDesconto->setChecked(true);
    edtDesconto = new QLineEdit(QStringLiteral("0,00"), pnlDescontos);
    edtDesconto->setObjectName(QStringLiteral("edtDesconto"));
    edtDesconto->setAlignment(Qt::AlignRight);
    edtDesconto->setMaximumWidth(120);
    edtDesconto->installEventFilter(this);
    btnConfirmarDesconto = new QPushButton(pnlDescontos);
    btnConfirmarDesconto->setObjectName(QStringLiteral("btnConfirmarDesconto"));
    btnConfirmarDesconto->setIcon(Icones::icone(QStringLiteral("dialog-ok-apply")));
    btnConfirmarDesconto->setToolTip(u8("Confirmar"));
    btnConfirmarDesconto->setAutoDefault(true);
    btnFecharDesconto = new QPushButton(QStringLiteral("x"), pnlDescontos);
    btnFecharDesconto->setObjectName(QStringLiteral("btnFecharDesconto"));
    btnFecharDesconto->setToolTip(u8("Fechar Consulta"));
    btnFecharDesconto->setAutoDefault(false);
    btnFecharDesconto->setMaximumWidth(28);
    ld->addWidget(rbDesconto);
    ld->addWidget(rbAcrescimo);
    ld->addWidget(edtDesconto);
    ld->addWidget(btnConfirmarDesconto);
    ld->addWidget(btnFecharDesconto);
    pnlDescontos->hide();

    // Extra height stays below the boxes (only cash shown leaves a lot).
    layout->addStretch(1);
    lblTotal->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *rodape = new QHBoxLayout;
    rodape->addWidget(btnDescontos);
    rodape->addWidget(pnlDescontos);
    rodape->addStretch();
    rodape->addWidget(lblTotal);
    layout->addLayout(rodape);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnConfirmar);
    botoes->addWidget(btnCancelar);
    layout->addLayout(botoes);

    for (QLineEdit *e : edtMeios)
        connect(e, &QLineEdit::textChanged, this, &TFrmFormaPag::mostrarTotal);
    connect(edtDinheiro, &QLineEdit::textChanged, this, &TFrmFormaPag::edtDinheiroChange);
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmFormaPag::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmFormaPag::btnCancelarClick);
    connect(btnDescontos, &QPushButton::clicked, this, &TFrmFormaPag::btnDescontosClick);
    connect(rbDesconto, &QRadioButton::clicked, this, &TFrmFormaPag::rbDescontoClick);
    connect(rbAcrescimo, &QRadioButton::clicked, this, &TFrmFormaPag::rbAcrescimoClick);
    connect(btnConfirmarDesconto, &QPushButton::clicked, this, &TFrmFormaPag::btnConfirmarDescontoClick);
    connect(btnFecharDesconto, &QPushButton::clicked, pnlDescontos, &QWidget::hide);

    // Only cash when the settings say so: the other boxes and their bands go.
    const bool apenasEspecie = tParametros().sim(QStringLiteral("APENAS_ESPECIE"));
    if (apenasEspecie)
        for (int i = 1; i < faixas.size(); ++i)
            faixas[i]->hide();

    // Showing: the amount due in the heading, the cash box and the total line.
    mostrarRestante();
    edtDinheiro->setText(m_ctx.restante.formatado());
    lblTotal->setText(textoTotal(m_ctx.restante));
    resize(980, apenasEspecie ? qMax(sizeHint().height(), 420) : 640);
}

void TFrmFormaPag::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    AcaoAtual(u8("Forma de Pagamento de Hospedagem"));
    edtDinheiro->setFocus();
}

void TFrmFormaPag::mostrarRestante()
{
    lblRestante->setText(QStringLiteral("R$ ") + m_devido.formatado());
}

void TFrmFormaPag::mostrarTotal()
{
    Dinheiro soma;
    for (QLineEdit *e : edtMeios)
        soma += lerCaixa(e).value_or(Dinheiro());
    lblTotal->setText(textoTotal(soma));
}

void TFrmFormaPag::edtDinheiroChange()
{
    const QString t = edtDinheiro->text().trimmed();
    if (t.isEmpty()) {
        m_troco = Dinheiro();
        lblTroco->setText(u8("TROCO: R$ 0,00"));
        lblTroco->hide();
        return;
    }
    const Dinheiro dinheiro = lerCaixa(edtDinheiro).value_or(Dinheiro());
    const Dinheiro troco = dinheiro - m_devido;
    if (troco > Dinheiro()) {
        m_troco = troco;
        lblTroco->setText(QStringLiteral("TROCO: R$ ") + troco.formatado());
        lblTroco->show();
    } else {
        m_troco = Dinheiro();
        lblTroco->hide();
    }
}

// ---------------------------------------------------------------- discount / addition

void TFrmFormaPag::btnDescontosClick()
{
    rbDesconto->setChecked(true);
    pnlDescontos->show();
    rbDescontoClick();
}

void TFrmFormaPag::rbDescontoClick()
{
    edtDesconto->setText(Saida::lerDesconto(DM->Conexao, m_ctx.idEntrada).formatado());
    edtDesconto->setFocus();
}

void TFrmFormaPag::rbAcrescimoClick()
{
    edtDesconto->setText(Saida::lerAcrescimo(DM->Conexao, m_ctx.idEntrada).formatado());
    edtDesconto->setFocus();
}

void TFrmFormaPag::btnConfirmarDescontoClick()
{
    const std::optional<Dinheiro> a = lerCaixa(edtDesconto);
    if (!a || *a < Dinheiro()) {
        Mensagem::aviso(Saida::Textos::ValorInvalido);
        edtDesconto->setFocus();
        return;
    }
    const bool desconto = rbDesconto->isChecked();
    const Dinheiro d = desconto ? *a : Dinheiro();
    const Dinheiro ac = desconto ? Dinheiro() : *a;
    if (!Saida::gravarAjuste(DM->Conexao, m_ctx.idEntrada, d, ac)) {
        Mensagem::aviso(Saida::Textos::JaFechada);
        return;
    }
    m_desconto = d;
    m_acrescimo = ac;
    // Each from the amount handed over, never from a previous adjustment.
    m_devido = m_ctx.restante - d + ac;
    mostrarRestante();
    Mensagem::info(Saida::Textos::AjusteEfetuado);
    pnlDescontos->hide();
}

// ---------------------------------------------------------------- confirm / cancel

void TFrmFormaPag::btnConfirmarClick()
{
    // The change is given back: only the amount kept is booked.
    if (lblTroco->isVisible() || !m_troco.zero()) {
        const Dinheiro dinheiro = lerCaixa(edtDinheiro).value_or(Dinheiro());
        const Dinheiro troco = m_troco;
        m_troco = Dinheiro();
        {
            const QSignalBlocker b(edtDinheiro);
            edtDinheiro->setText((dinheiro - troco).formatado());
        }
        mostrarTotal();
        lblTroco->setText(u8("TROCO: R$ 0,00"));
        lblTroco->hide();
    }
    if (m_ctx.restante < Dinheiro()) {
        Mensagem::aviso(Saida::Textos::ValorMaior);
        return;
    }
    Saida::Fechamento f;
    std::array<Dinheiro, 10> v{};
    for (int i = 0; i < edtMeios.size(); ++i) {
        const std::optional<Dinheiro> d = lerCaixa(edtMeios[i]);
        if (!d || *d < Dinheiro()) {
            Mensagem::aviso(Saida::Textos::ValorInvalido);
            edtMeios[i]->setFocus();
            return;
        }
        v[size_t(i)] = *d;
    }
    for (int i = 0; i < kMeiosCaixa; ++i)
        f.pagamento.valores[MeioCaixa(i)] = v[size_t(i)];
    f.pagamento.valores.deposito = v[8];
    f.pagamento.boleto = v[9];
    if (f.pagamento.total() != m_devido) {
        Mensagem::aviso(Saida::Textos::ValorDiferente);
        return;
    }
    f.idEntrada = m_ctx.idEntrada;
    f.restante = m_ctx.restante;
    f.desconto = m_desconto;
    f.acrescimo = m_acrescimo;
    f.saida = m_ctx.saida;
    f.obs = m_ctx.obs;
    f.cliente = m_ctx.cliente;
    f.uh = m_ctx.uh;
    f.usuario = Sessao::atual().login;

    m_resultado = Saida::confirmar(DM->Conexao, f);
    using S = Saida::Resultado::Situacao;
    switch (m_resultado.situacao) {
    case S::Fechada:
        break;
    case S::ValorAlterado:
        // What the stay owes now; the clerk collects that.
        Mensagem::aviso(m_resultado.mensagem);
        m_ctx.restante = m_resultado.conta.restante;
        m_devido = m_ctx.restante - m_desconto + m_acrescimo;
        mostrarRestante();
        edtDinheiroChange();
        return;
    case S::JaFechada:
        Mensagem::aviso(m_resultado.mensagem);
        if (m_ctx.lista)
            m_ctx.lista->reabrir();
        m_fechando = true;
        QDialog::reject();
        return;
    default:
        Mensagem::mostrar(m_resultado.tipo, m_resultado.mensagem, Mensagem::Ok, Mensagem::Ok);
        return;
    }

    // Done and committed: what the clerk is told, in order.
    for (const QString &a : m_resultado.avisos)
        Mensagem::info(a);
    if (m_resultado.notasPendentes)
        Mensagem::aviso(Saida::Textos::NotasPendentes);
    if (!tParametros().sim(QStringLiteral("MODO_MOTEL")) && Mensagem::pergunta(Saida::Textos::PerguntaNF))
        Saida::marcarNF(DM->Conexao, m_ctx.idEntrada);
    if (m_ctx.lista)
        m_ctx.lista->reabrir();
    m_fechando = true;
    accept();
}

void TFrmFormaPag::btnCancelarClick()
{
    // The discount or addition survives only a confirmed payment.
    Saida::gravarAjuste(DM->Conexao, m_ctx.idEntrada, Dinheiro(), Dinheiro());
    m_fechando = true;
    QDialog::reject();
}

void TFrmFormaPag::reject()
{
    if (m_fechando) {
        QDialog::reject();
        return;
    }
    btnCancelarClick();
}

bool TFrmFormaPag::eventFilter(QObject *o, QEvent *e)
{
    auto *campo = qobject_cast<QLineEdit *>(o);
    if (campo && (edtMeios.contains(campo) || campo == edtDesconto)) {
        if (e->type() == QEvent::FocusIn) {
            campo->setText(TiraPontoTracoBarra(campo->text()));
        } else if (e->type() == QEvent::FocusOut) {
            const QString t = campo->text().trimmed();
            if (t.isEmpty())
                campo->setText(QStringLiteral("0,00"));
            else if (const auto v = lerCaixa(campo))
                campo->setText(v->formatado());
        } else if (e->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent *>(e)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                if (campo == edtDesconto)
                    btnConfirmarDesconto->setFocus();
                else
                    focusNextChild();
                return true;
            }
        }
    }
    return QDialog::eventFilter(o, e);
}
