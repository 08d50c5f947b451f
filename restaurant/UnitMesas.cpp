#include "restaurant/UnitMesas.h"
#include "base/CabecalhoTela.h"
#include "base/Digitacao.h"
#include "base/Grade.h"
#include "base/Icones.h"
#include "base/Janela.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/TelaEdicao.h"
#include "base/Telas.h"
#include "platform/Balanca.h"
#include "restaurant/UnitCadMesa.h"
#include "restaurant/UnitCardapio.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

TFrmMesas *FrmMesas = nullptr;
std::function<void(TFrmMesas &)> TFrmMesas::abrirConta;

void abrirMesas() { Telas::abrir<TFrmMesas>(FrmMesas); }

namespace {

enum PapelCartao { PapelMesa = Qt::UserRole + 1, PapelCor, PapelLivre, PapelOcupada, PapelCliente, PapelCartaoModo };

// A card: the table's name, its status picture (ticked when free) and the
// customer line, on the colour of its state; the selected card solid.
class PintorCartao : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override { return {150, 84}; }
    void paint(QPainter *p, const QStyleOptionViewItem &op, const QModelIndex &i) const override
    {
        const bool livre = i.data(PapelLivre).toBool();
        const bool ocupada = i.data(PapelOcupada).toBool();
        const quint32 cor = i.data(PapelCor).toUInt();
        const bool selecionada = op.state & QStyle::State_Selected;
        QColor fundo = corBGR(cor ? cor : 0xC0C0C0);
        QColor texto = Qt::black;
        if (selecionada && livre) {
            fundo = QColor(0, 128, 0);
            texto = Qt::white;
        } else if (selecionada && ocupada && cor == Mesas::kCorOcupada) {
            fundo = corBGR(Mesas::kCorOcupadaLegenda);
        }
        const QRect r = op.rect.adjusted(3, 3, -3, -3);
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(QPen(selecionada ? Qt::black : fundo.darker(140), selecionada ? 2 : 1));
        p->setBrush(fundo);
        p->drawRoundedRect(r, 6, 6);
        // Status picture: a round table or a card, ticked when free.
        const QRect fig(r.left() + 8, r.top() + 10, 26, 26);
        p->setPen(QPen(texto, 2));
        p->setBrush(Qt::NoBrush);
        if (i.data(PapelCartaoModo).toBool())
            p->drawRoundedRect(fig.adjusted(0, 4, 0, -4), 3, 3);
        else
            p->drawEllipse(fig);
        if (livre)
            p->drawPolyline(QPolygon({QPoint(fig.left() + 6, fig.center().y()), QPoint(fig.center().x() - 1, fig.bottom() - 6),
                                      QPoint(fig.right() - 5, fig.top() + 6)}));
        QFont f = op.font;
        f.setBold(true);
        p->setFont(f);
        p->setPen(texto);
        p->drawText(QRect(fig.right() + 6, r.top() + 6, r.right() - fig.right() - 10, 34), Qt::AlignLeft | Qt::AlignVCenter,
                    i.data(Qt::DisplayRole).toString());
        f.setBold(false);
        p->setFont(f);
        p->drawText(QRect(r.left() + 8, r.bottom() - 36, r.width() - 16, 32), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                    i.data(PapelCliente).toString());
        p->restore();
    }
};

QLabel *legenda(const QString &texto, quint32 cor, QWidget *pai)
{
    auto *l = new QLabel(texto, pai);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(110);
    l->setStyleSheet(QStringLiteral("background:%1; border:1px solid #555; padding:3px; font-weight:bold;")
                         .arg(corBGR(cor).name()));
    return l;
}

QFrame *painel(QWidget *pai)
{
    auto *f = new QFrame(pai);
    f->setFrameShape(QFrame::StyledPanel);
    f->setAutoFillBackground(true);
    f->hide();
    return f;
}

QLabel *tituloPainel(const QString &texto, QWidget *pai)
{
    auto *l = new QLabel(texto, pai);
    l->setStyleSheet(QStringLiteral("background:#000080; color:white; font-weight:bold; padding:4px;"));
    return l;
}

QLineEdit *campoMaiusculo(QWidget *pai, int maximo)
{
    auto *e = new QLineEdit(pai);
    e->setMaxLength(maximo);
    QObject::connect(e, &QLineEdit::textEdited, e, [e](const QString &t) {
        const QString m = t.toUpper();
        if (m != t) {
            const int pos = e->cursorPosition();
            e->setText(m);
            e->setCursorPosition(pos);
        }
    });
    return e;
}

} // namespace

TFrmMesas::TFrmMesas(QWidget *parent) : QDialog(parent)
{
    montar();
}

void TFrmMesas::montar()
{
    setWindowTitle(QStringLiteral("Zentro Controle 5 - Mesas"));
    resize(1180, 720);
    auto *raiz = new QVBoxLayout(this);
    raiz->addWidget(criarCabecalhoTela(this));

    // Header: title, record buttons, the number field and the legend.
    auto *topo = new QHBoxLayout;
    lblTitulo = new QLabel(QStringLiteral("Mesas"), this);
    QFont ft = lblTitulo->font();
    ft.setPointSize(18);
    ft.setBold(true);
    lblTitulo->setFont(ft);
    btnNovaMesa = new QPushButton(QStringLiteral("Nova Mesa"), this);
    btnAlterarMesa = new QPushButton(QStringLiteral("Alterar Mesa"), this);
    lblMesa = new QLabel(QStringLiteral("Mesa:"), this);
    lblMesa->setFont(ft);
    edtMesa = new QLineEdit(this);
    edtMesa->setMaxLength(5);
    edtMesa->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), edtMesa));
    QFont fn = edtMesa->font();
    fn.setPointSize(20);
    fn.setBold(true);
    edtMesa->setFont(fn);
    edtMesa->setFixedWidth(120);
    lblMesa->setBuddy(edtMesa);
    lblLivre = legenda(QStringLiteral("Livre"), Mesas::kCorLivre, this);
    lblOcupada = legenda(QStringLiteral("Ocupada"), Mesas::kCorOcupadaLegenda, this);
    lblAguardando = legenda(QStringLiteral("Aguardando Pag."), Mesas::kCorAguardando, this);
    topo->addWidget(lblTitulo);
    topo->addSpacing(16);
    topo->addWidget(btnNovaMesa);
    topo->addWidget(btnAlterarMesa);
    topo->addSpacing(16);
    topo->addWidget(lblMesa);
    topo->addWidget(edtMesa);
    topo->addStretch();
    topo->addWidget(lblLivre);
    topo->addWidget(lblOcupada);
    topo->addWidget(lblAguardando);
    raiz->addLayout(topo);

    auto *meio = new QHBoxLayout;
    raiz->addLayout(meio, 1);

    // Cards
    cvMesas = new QListWidget(this);
    cvMesas->setViewMode(QListView::IconMode);
    cvMesas->setResizeMode(QListView::Adjust);
    cvMesas->setMovement(QListView::Static);
    cvMesas->setUniformItemSizes(true);
    cvMesas->setSpacing(2);
    cvMesas->setSelectionMode(QAbstractItemView::SingleSelection);
    cvMesas->setItemDelegate(new PintorCartao(cvMesas));
    cvMesas->setContextMenuPolicy(Qt::CustomContextMenu);
    meio->addWidget(cvMesas, 1);

    pmMesas = new QMenu(this);
    mnuAbrirMesa = pmMesas->addAction(QStringLiteral("-- Abrir Mesa"));
    mnuTransferirMesa = pmMesas->addAction(QStringLiteral("-- Transferir Mesa"));
    mnuFecharConta = pmMesas->addAction(QStringLiteral("-- Fechar Conta da Mesa"));
    pmMesas->addSeparator();
    mnuIncluirConsumos = pmMesas->addAction(QStringLiteral("-- Incluir Consumos"));
    mnuAlterarConsumos = pmMesas->addAction(QStringLiteral("-- Alterar Consumos"));
    pmMesas->addSeparator();
    mnuExtratoConta = pmMesas->addAction(QStringLiteral("-- Extrato de Conta"));
    pmMesas->addSeparator();
    mnuCancelarMesa = pmMesas->addAction(QStringLiteral("-- Cancelar Mesa"));

    // Panels (one shown at a time, beside the cards)
    auto *paineis = new QVBoxLayout;
    meio->addLayout(paineis);

    pnlAbrir = painel(this);
    {
        auto *l = new QVBoxLayout(pnlAbrir);
        lblTituloAbrir = tituloPainel(QStringLiteral("ABRIR MESA"), pnlAbrir);
        l->addWidget(lblTituloAbrir);
        l->addWidget(new QLabel(QStringLiteral("Atendente:"), pnlAbrir));
        auto *linha = new QHBoxLayout;
        edtCodAtendente = new QLineEdit(pnlAbrir);
        edtCodAtendente->setMaxLength(12);
        edtCodAtendente->setFixedWidth(90);
        cbAtendente = new QComboBox(pnlAbrir);
        cbAtendente->setPlaceholderText(QStringLiteral("N E N H U M   S E L E C I O N A D O"));
        cbAtendente->setMinimumWidth(220);
        linha->addWidget(edtCodAtendente);
        linha->addWidget(cbAtendente, 1);
        l->addLayout(linha);
        lblCliente = new QLabel(QStringLiteral("Informe o Nome do Cliente (Opcional):"), pnlAbrir);
        l->addWidget(lblCliente);
        edtCliente = campoMaiusculo(pnlAbrir, 90);
        l->addWidget(edtCliente);
        auto *botoes = new QHBoxLayout;
        btnConfirmarAbrir = new QPushButton(QStringLiteral("Confirmar"), pnlAbrir);
        btnCancelarAbrir = new QPushButton(QStringLiteral("Cancelar"), pnlAbrir);
        botoes->addStretch();
        botoes->addWidget(btnConfirmarAbrir);
        botoes->addWidget(btnCancelarAbrir);
        l->addLayout(botoes);
        l->addStretch();
    }
    paineis->addWidget(pnlAbrir);

    pnlTransferir = painel(this);
    {
        auto *l = new QVBoxLayout(pnlTransferir);
        auto *cab = new QHBoxLayout;
        cab->addWidget(tituloPainel(QStringLiteral("Transferir"), pnlTransferir), 1);
        btnFecharTransferir = new QToolButton(pnlTransferir);
        btnFecharTransferir->setText(QStringLiteral("x"));
        cab->addWidget(btnFecharTransferir);
        l->addLayout(cab);
        auto *g = new QHBoxLayout;
        g->addWidget(new QLabel(QStringLiteral("Atual:"), pnlTransferir));
        lblAtual = new QLabel(pnlTransferir);
        lblAtual->setFont(fn);
        g->addWidget(lblAtual);
        g->addSpacing(20);
        g->addWidget(new QLabel(QStringLiteral("Novo:"), pnlTransferir));
        cbNovo = new QComboBox(pnlTransferir);
        cbNovo->setMinimumWidth(110);
        g->addWidget(cbNovo, 1);
        l->addLayout(g);
        btnConfirmarTransferir = new QPushButton(QStringLiteral("Confirmar"), pnlTransferir);
        l->addWidget(btnConfirmarTransferir, 0, Qt::AlignRight);
        l->addStretch();
    }
    paineis->addWidget(pnlTransferir);

    pnlConsumo = painel(this);
    {
        auto *l = new QVBoxLayout(pnlConsumo);
        auto *cab = new QHBoxLayout;
        lblTituloConsumo = tituloPainel(Pedidos::kTituloIncluir, pnlConsumo);
        cab->addWidget(lblTituloConsumo, 1);
        btnFecharConsumo = new QToolButton(pnlConsumo);
        btnFecharConsumo->setText(QStringLiteral("x"));
        btnFecharConsumo->setToolTip(QStringLiteral("Fechar Consulta"));
        cab->addWidget(btnFecharConsumo);
        l->addLayout(cab);
        for (const char *dica : {"F1 - Carregar Peso da Balança - (Self-Service)", "F2 - Cardápio",
                                 "F3 - Carregar Peso da Balança - (Sobremesa)"})
            l->addWidget(new QLabel(QString::fromUtf8(dica), pnlConsumo));
        l->addWidget(new QLabel(QStringLiteral("Produto:"), pnlConsumo));
        auto *lp = new QHBoxLayout;
        edtProduto = campoMaiusculo(pnlConsumo, 20);
        edtProduto->setFixedWidth(110);
        cbProduto = new QComboBox(pnlConsumo);
        cbProduto->setMinimumWidth(240);
        lp->addWidget(edtProduto);
        lp->addWidget(cbProduto, 1);
        l->addLayout(lp);
        auto *lq = new QHBoxLayout;
        auto *cq = new QVBoxLayout;
        cq->addWidget(new QLabel(QStringLiteral("Qtd.:"), pnlConsumo));
        edtQtd = campoMaiusculo(pnlConsumo, 20);
        edtQtd->setText(QStringLiteral("0"));
        cq->addWidget(edtQtd);
        auto *cv = new QVBoxLayout;
        cv->addWidget(new QLabel(QStringLiteral("Valor Unit. R$"), pnlConsumo));
        edtValorUnit = new QLineEdit(QStringLiteral("0,00"), pnlConsumo);
        edtValorUnit->setReadOnly(true);
        edtValorUnit->setFocusPolicy(Qt::NoFocus); // shown only: Enter goes from the quantity to the note
        edtValorUnit->setAlignment(Qt::AlignRight);
        cv->addWidget(edtValorUnit);
        lq->addLayout(cq);
        lq->addLayout(cv);
        l->addLayout(lq);
        l->addWidget(new QLabel(QStringLiteral("Obs.:"), pnlConsumo));
        edtObs = campoMaiusculo(pnlConsumo, 34);
        l->addWidget(edtObs);
        auto *lv = new QHBoxLayout;
        cbViagem = new QCheckBox(QStringLiteral("Viagem?"), pnlConsumo);
        edtGarcon = campoMaiusculo(pnlConsumo, 40);
        lv->addWidget(cbViagem);
        lv->addWidget(edtGarcon, 1);
        l->addLayout(lv);
        lblTotal = new QLabel(Pedidos::kTotalZero, pnlConsumo);
        QFont fto = lblTotal->font();
        fto.setPointSize(14);
        fto.setBold(true);
        lblTotal->setFont(fto);
        l->addWidget(lblTotal);
        auto *lc = new QHBoxLayout;
        auto *cc = new QVBoxLayout;
        cc->addWidget(new QLabel(QStringLiteral("Impressão Cozinha"), pnlConsumo));
        memoCozinha = new QPlainTextEdit(pnlConsumo);
        memoCozinha->setReadOnly(true);
        memoCozinha->setFocusPolicy(Qt::NoFocus);
        cc->addWidget(memoCozinha);
        btnConfirmarConsumo = new QPushButton(pnlConsumo);
        btnConfirmarConsumo->setIcon(Icones::icone(QStringLiteral("dialog-ok-apply")));
        btnConfirmarConsumo->setIconSize(QSize(32, 32));
        btnConfirmarConsumo->setFixedSize(56, 56);
        lc->addLayout(cc, 1);
        lc->addWidget(btnConfirmarConsumo, 0, Qt::AlignBottom);
        l->addLayout(lc, 1);
    }
    paineis->addWidget(pnlConsumo);
    paineis->addStretch();

    // Kitchen queue
    auto *fila = new QVBoxLayout;
    lblOrdemPedidos = new QLabel(QStringLiteral("Ordem de Pedidos"), this);
    QFont fo = lblOrdemPedidos->font();
    fo.setPointSize(14);
    fo.setBold(true);
    lblOrdemPedidos->setFont(fo);
    lblAtualizacao = new QLabel(Mesas::kAtualizando, this);
    grdFila = new QTableWidget(0, 1, this);
    grdFila->setHorizontalHeaderLabels({QStringLiteral("Pedido")});
    grdFila->horizontalHeader()->setStretchLastSection(true);
    grdFila->verticalHeader()->hide();
    grdFila->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdFila->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdFila->setSelectionMode(QAbstractItemView::SingleSelection);
    grdFila->setContextMenuPolicy(Qt::CustomContextMenu);
    grdFila->setItemDelegate(new DelegateGrade(grdFila));
    grdFila->setMinimumWidth(330);
    lblRodapeFila = new QLabel(Mesas::rodapeFila(0), this);
    lblCliqueDuplo = new QLabel(QStringLiteral("Clique duplo para concluir"), this);
    fila->addWidget(lblOrdemPedidos);
    fila->addWidget(lblAtualizacao);
    fila->addWidget(grdFila, 1);
    fila->addWidget(lblRodapeFila);
    fila->addWidget(lblCliqueDuplo);
    meio->addLayout(fila);
    pmFila = new QMenu(this);
    mnuConcluir = pmFila->addAction(QStringLiteral("Concluir"));
    pmFila->addSeparator();
    mnuCancelarPedido = pmFila->addAction(QStringLiteral("Cancelar"));

    tmrAtualizar = new QTimer(this);
    tmrAtualizar->setInterval(30000);

    // Function keys of the order panel (nothing outside it).
    const struct {
        Qt::Key tecla;
        void (TFrmMesas::*acao)();
    } teclas[] = {{Qt::Key_F1, &TFrmMesas::balancaSelfService},
                  {Qt::Key_F2, &TFrmMesas::cardapio},
                  {Qt::Key_F3, &TFrmMesas::balancaSobremesa}};
    for (const auto &t : teclas) {
        auto *a = new QAction(this);
        a->setShortcut(QKeySequence(t.tecla));
        a->setShortcutContext(Qt::WindowShortcut);
        const auto acao = t.acao;
        connect(a, &QAction::triggered, this, [this, acao] {
            if (pnlConsumo->isVisible())
                (this->*acao)();
        });
        addAction(a);
    }

    // No button is pressed by an Enter some field did not take.
    for (QPushButton *b : findChildren<QPushButton *>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{edtMesa, edtCodAtendente, cbAtendente, edtCliente, cbNovo, edtProduto,
                                                       cbProduto, edtQtd, edtObs, edtValorUnit, cbViagem, edtGarcon,
                                                       btnConfirmarConsumo, grdFila, btnConfirmarAbrir, btnConfirmarTransferir})
        w->installEventFilter(this);

    connect(btnNovaMesa, &QPushButton::clicked, this, &TFrmMesas::btnNovaMesaClick);
    connect(btnAlterarMesa, &QPushButton::clicked, this, &TFrmMesas::btnAlterarMesaClick);
    connect(cvMesas, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (QListWidgetItem *i = cvMesas->itemAt(pos)) {
            cvMesas->setCurrentItem(i);
            pmMesasPopup();
            pmMesas->popup(cvMesas->viewport()->mapToGlobal(pos));
        }
    });
    connect(mnuAbrirMesa, &QAction::triggered, this, &TFrmMesas::mnuAbrirMesaClick);
    connect(mnuTransferirMesa, &QAction::triggered, this, &TFrmMesas::mnuTransferirMesaClick);
    connect(mnuFecharConta, &QAction::triggered, this, &TFrmMesas::mnuFecharContaClick);
    connect(mnuIncluirConsumos, &QAction::triggered, this, &TFrmMesas::mnuIncluirConsumosClick);
    connect(mnuAlterarConsumos, &QAction::triggered, this, &TFrmMesas::mnuAlterarConsumosClick);
    connect(mnuExtratoConta, &QAction::triggered, this, &TFrmMesas::mnuExtratoContaClick);
    connect(mnuCancelarMesa, &QAction::triggered, this, &TFrmMesas::mnuCancelarMesaClick);
    connect(btnConfirmarAbrir, &QPushButton::clicked, this, &TFrmMesas::btnConfirmarAbrirClick);
    connect(btnCancelarAbrir, &QPushButton::clicked, this, &TFrmMesas::btnCancelarAbrirClick);
    connect(btnConfirmarTransferir, &QPushButton::clicked, this, &TFrmMesas::btnConfirmarTransferirClick);
    connect(btnFecharTransferir, &QToolButton::clicked, this, &TFrmMesas::btnFecharTransferirClick);
    connect(cbProduto, &QComboBox::currentIndexChanged, this, &TFrmMesas::cbProdutoChange);
    connect(edtQtd, &QLineEdit::textChanged, this, &TFrmMesas::edtQtdChange);
    connect(edtValorUnit, &QLineEdit::textChanged, this, &TFrmMesas::edtQtdChange);
    connect(btnConfirmarConsumo, &QPushButton::clicked, this, &TFrmMesas::btnConfirmarConsumoClick);
    connect(btnFecharConsumo, &QToolButton::clicked, this, &TFrmMesas::btnFecharConsumoClick);
    connect(grdFila, &QTableWidget::cellDoubleClicked, this, [this] { mnuConcluirClick(); });
    connect(grdFila, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { pmFila->popup(grdFila->viewport()->mapToGlobal(pos)); });
    connect(mnuConcluir, &QAction::triggered, this, &TFrmMesas::mnuConcluirClick);
    connect(mnuCancelarPedido, &QAction::triggered, this, &TFrmMesas::mnuCancelarPedidoClick);
    connect(tmrAtualizar, &QTimer::timeout, this, &TFrmMesas::tmrAtualizarTimer);
}

void TFrmMesas::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    aplicarModo();
    carregarCartoes();
    carregarFila();
    tmrAtualizar->start();
    focarNumero();
}

void TFrmMesas::aplicarModo()
{
    textos = Mesas::Textos::atuais();
    setWindowTitle(textos.legenda);
    lblTitulo->setText(textos.titulo);
    lblMesa->setText(textos.rotuloNumero);
    btnNovaMesa->setText(textos.novo);
    btnAlterarMesa->setText(textos.alterar);
    mnuAbrirMesa->setText(textos.menuAbrir);
    mnuTransferirMesa->setText(textos.menuTransferir);
    mnuFecharConta->setText(textos.menuFecharConta);
    mnuCancelarMesa->setText(textos.menuCancelar);
    const bool garcon = tParametros().sim(QStringLiteral("GARCON_IMP_COZINHA"));
    cbViagem->setText(garcon ? QStringLiteral("Viagem?    Garçon:") : QStringLiteral("Viagem?"));
    edtGarcon->setVisible(garcon);
    // Without the customer's name the opening waits for the attendant only.
    const bool nome = tParametros().sim(QStringLiteral("NOME_CLIENTE_MESA"));
    lblCliente->setVisible(nome);
    edtCliente->setVisible(nome);
    // The account screen is reached only once it is there.
    for (QAction *a : {mnuFecharConta, mnuAlterarConsumos, mnuExtratoConta})
        a->setEnabled(false);
}

// ---------------------------------------------------------------- cards

void TFrmMesas::carregarCartoes()
{
    const std::optional<Mesas::Mesa> atual = mesaAtual();
    m_mesas = Mesas::lerMesas(DM->Conexao);
    cvMesas->setUpdatesEnabled(false);
    // The same tables as before (the usual refresh): their cards are kept
    // and only their data changes.
    if (cvMesas->count() != m_mesas.size())
        cvMesas->clear();
    for (int k = 0; k < m_mesas.size(); ++k) {
        const Mesas::Mesa &m = m_mesas[k];
        QListWidgetItem *i = cvMesas->item(k);
        if (!i) {
            i = new QListWidgetItem(cvMesas);
            i->setSizeHint(QSize(150, 84));
        }
        i->setText(m.descricao);
        i->setData(PapelMesa, m.id);
        i->setData(PapelCor, m.cor());
        i->setData(PapelLivre, m.livre());
        i->setData(PapelOcupada, m.ocupada());
        i->setData(PapelCliente, m.linhaCliente());
        i->setData(PapelCartaoModo, textos.cartao);
    }
    cvMesas->setUpdatesEnabled(true);
    if (atual)
        selecionarMesa(atual->id);
}

void TFrmMesas::selecionarMesa(qint64 id)
{
    for (int k = 0; k < cvMesas->count(); ++k)
        if (cvMesas->item(k)->data(PapelMesa).toLongLong() == id) {
            cvMesas->setCurrentRow(k);
            return;
        }
}

std::optional<Mesas::Mesa> TFrmMesas::mesaAtual() const
{
    const QListWidgetItem *i = cvMesas->currentItem();
    if (!i)
        return std::nullopt;
    const qint64 id = i->data(PapelMesa).toLongLong();
    for (const Mesas::Mesa &m : m_mesas)
        if (m.id == id)
            return m;
    return std::nullopt;
}

void TFrmMesas::habilitarCartoes(bool sim)
{
    cvMesas->setEnabled(sim);
    edtMesa->setEnabled(sim);
}

void TFrmMesas::focarNumero()
{
    edtMesa->setFocus();
}

void TFrmMesas::btnNovaMesaClick()
{
    OP = QStringLiteral("I");
    Telas::abrir<TFrmCadMesa>(FrmCadMesa, this);
    carregarCartoes();
}

void TFrmMesas::btnAlterarMesaClick()
{
    if (!mesaAtual())
        return;
    OP = QStringLiteral("A");
    Telas::abrir<TFrmCadMesa>(FrmCadMesa, this);
    carregarCartoes();
}

void TFrmMesas::edtMesaEnter()
{
    const QString texto = edtMesa->text().trimmed();
    edtMesa->clear();
    bool ok = false;
    const qint64 n = texto.toLongLong(&ok);
    if (!ok)
        return;
    for (const Mesas::Mesa &m : m_mesas) {
        if (m.id != n)
            continue;
        selecionarMesa(n);
        if (m.livre()) {
            mnuAbrirMesaClick();
        } else if (m.ocupada()) {
            pmMesasPopup();
            pmMesas->popup(QCursor::pos());
        }
        return;
    }
}

void TFrmMesas::pmMesasPopup()
{
    const std::optional<Mesas::Mesa> m = mesaAtual();
    if (!m)
        return;
    const bool conta = bool(abrirConta);
    if (m->livre()) {
        mnuAbrirMesa->setEnabled(true);
        for (QAction *a : {mnuTransferirMesa, mnuFecharConta, mnuIncluirConsumos, mnuAlterarConsumos, mnuExtratoConta,
                           mnuCancelarMesa})
            a->setEnabled(false);
    } else if (m->ocupada()) {
        mnuAbrirMesa->setEnabled(false);
        for (QAction *a : {mnuTransferirMesa, mnuIncluirConsumos, mnuCancelarMesa})
            a->setEnabled(true);
        for (QAction *a : {mnuFecharConta, mnuAlterarConsumos, mnuExtratoConta})
            a->setEnabled(conta);
    }
}

// ---------------------------------------------------------------- opening

void TFrmMesas::carregarAtendentes()
{
    m_atendentes = Mesas::lerAtendentes(DM->Conexao);
    cbAtendente->clear();
    for (const Mesas::Atendente &a : m_atendentes)
        cbAtendente->addItem(a.legenda(), a.id);
    cbAtendente->setCurrentIndex(-1);
}

void TFrmMesas::escolherAtendente(const QString &id) { cbAtendente->setCurrentIndex(cbAtendente->findData(id)); }

std::optional<Mesas::Atendente> TFrmMesas::atendenteEscolhido() const
{
    const int k = cbAtendente->currentIndex();
    if (k < 0 || k >= m_atendentes.size())
        return std::nullopt;
    return m_atendentes[k];
}

void TFrmMesas::limparAtendente()
{
    cbAtendente->setCurrentIndex(-1);
    edtCodAtendente->clear();
    edtCodAtendente->setFocus();
}

bool TFrmMesas::pedirSenha(const Mesas::Atendente &a)
{
    Digitacao::Pedido p;
    p.titulo = Mesas::kTituloAcesso;
    p.rotulo = Mesas::kRotuloSenha;
    p.senha = true;
    p.maximo = 10;
    const std::optional<QString> s = Digitacao::pedir(p);
    if (!s)
        return false; // given up: no message
    if (!Mesas::senhaConfere(*s, a.senha)) {
        Mensagem::aviso(Mesas::kMsgSenhaIncorreta);
        return false;
    }
    m_senhaConferida = a.id;
    return true;
}

void TFrmMesas::mnuAbrirMesaClick()
{
    const std::optional<Mesas::Mesa> m = mesaAtual();
    if (!m || !m->livre())
        return;
    pnlTransferir->hide();
    pnlConsumo->hide();
    lblTituloAbrir->setText(textos.cartao ? QStringLiteral("ABRIR CARTÃO") : QStringLiteral("ABRIR MESA"));
    carregarAtendentes();
    m_senhaConferida.clear();
    edtCliente->setText(Mesas::kClientePadrao);
    habilitarCartoes(false);
    pnlAbrir->show();
    limparAtendente();
}

void TFrmMesas::edtCodAtendenteEnter()
{
    const QString codigo = edtCodAtendente->text().trimmed();
    if (codigo.isEmpty()) {
        cbAtendente->setFocus();
        return;
    }
    const std::optional<Mesas::Atendente> a = Mesas::atendenteDoCodigo(DM->Conexao, codigo);
    if (!a) {
        Mensagem::aviso(Mesas::kMsgFuncionarioInexistente);
        limparAtendente();
        return;
    }
    escolherAtendente(a->id);
    if (tParametros().sim(QStringLiteral("MESA_APENAS_GARCON")) && !pedirSenha(*a)) {
        limparAtendente();
        return;
    }
    if (edtCliente->isVisible() || tParametros().sim(QStringLiteral("NOME_CLIENTE_MESA"))) {
        edtCliente->setFocus();
        edtCliente->selectAll();
    } else {
        btnConfirmarAbrirClick(); // nothing else to wait for
    }
}

void TFrmMesas::btnConfirmarAbrirClick()
{
    const std::optional<Mesas::Mesa> m = mesaAtual();
    const std::optional<Mesas::Atendente> a = atendenteEscolhido();
    if (!a) {
        Mensagem::aviso(Mesas::kMsgInformeAtendente);
        edtCodAtendente->setFocus();
        return;
    }
    // An attendant picked from the list gives the password too.
    if (tParametros().sim(QStringLiteral("MESA_APENAS_GARCON")) && m_senhaConferida != a->id && !pedirSenha(*a)) {
        limparAtendente();
        return;
    }
    if (!m)
        return;
    QString cliente = tParametros().sim(QStringLiteral("NOME_CLIENTE_MESA")) ? edtCliente->text().trimmed()
                                                                            : Mesas::kClientePadrao;
    if (cliente.isEmpty())
        cliente = Mesas::kClientePadrao;
    const Mesas::Resultado r = Mesas::abrir(DM->Conexao, m->id, a->id, cliente, Relogio::agora());
    pnlAbrir->hide();
    carregarCartoes();
    if (!r.feito) {
        habilitarCartoes(true);
        Mensagem::aviso(r.mensagem);
        focarNumero();
        return;
    }
    selecionarMesa(m->id);
    memoCozinha->clear();
    const std::optional<Mesas::Mesa> aberta = Mesas::lerMesa(DM->Conexao, m->id);
    if (aberta)
        mostrarConsumo(*aberta, a->exibicao());
}

void TFrmMesas::btnCancelarAbrirClick()
{
    pnlAbrir->hide();
    habilitarCartoes(true);
    focarNumero();
}

// ---------------------------------------------------------------- transfer

void TFrmMesas::mnuTransferirMesaClick()
{
    const std::optional<Mesas::Mesa> m = mesaAtual();
    if (!m || !m->ocupada())
        return;
    pnlAbrir->hide();
    pnlConsumo->hide();
    lblAtual->setText(QString::number(m->id));
    cbNovo->clear();
    for (const Mesas::Mesa &o : m_mesas)
        if (o.id != m->id)
            cbNovo->addItem(QString::number(o.id), o.id);
    cbNovo->setCurrentIndex(-1);
    habilitarCartoes(false);
    pnlTransferir->show();
    cbNovo->setFocus();
}

void TFrmMesas::btnConfirmarTransferirClick()
{
    const std::optional<Mesas::Mesa> atual = mesaAtual();
    if (cbNovo->currentIndex() < 0) {
        Mensagem::aviso(Mesas::kMsgSelecioneNovo);
        return;
    }
    const qint64 idNovo = cbNovo->currentData().toLongLong();
    std::optional<Mesas::Mesa> novo;
    for (const Mesas::Mesa &o : m_mesas)
        if (o.id == idNovo)
            novo = o;
    if (!atual || !novo)
        return;
    if (novo->ocupada() && !Mensagem::pergunta(Mesas::perguntaJuntar(atual->id, novo->id)))
        return;
    const Mesas::Resultado r = Mesas::transferir(DM->Conexao, textos, *atual, *novo);
    carregarCartoes();
    pnlTransferir->hide();
    habilitarCartoes(true);
    if (!r.feito)
        Mensagem::aviso(r.mensagem);
    carregarFila();
    focarNumero();
}

void TFrmMesas::btnFecharTransferirClick()
{
    pnlTransferir->hide();
    habilitarCartoes(true);
    focarNumero();
}

// ---------------------------------------------------------------- account and cancellation

void TFrmMesas::fecharConta(const QString &op)
{
    if (!abrirConta || !mesaAtual())
        return;
    OP = op;
    abrirConta(*this);
    atualizar();
    focarNumero();
}

void TFrmMesas::mnuFecharContaClick() { fecharConta(QStringLiteral("FECHAR")); }
void TFrmMesas::mnuAlterarConsumosClick() { fecharConta(QStringLiteral("FECHAR")); }
void TFrmMesas::mnuExtratoContaClick() { fecharConta(QStringLiteral("EXTRATO")); }

void TFrmMesas::mnuCancelarMesaClick()
{
    const std::optional<Mesas::Mesa> m = mesaAtual();
    if (!m || !m->ocupada())
        return;
    if (Mesas::temConsumo(DM->Conexao, m->idCheckIn)) {
        Mensagem::info(Mesas::kMsgCancelarComConsumo, QStringLiteral("Informação"));
    } else if (Mensagem::pergunta(Mesas::kMsgDesejaCancelar, QStringLiteral("Confirmação"))) {
        const Mesas::Resultado r = Mesas::cancelar(DM->Conexao, textos, *m);
        atualizar();
        if (r.feito)
            Mensagem::info(Mesas::kMsgCancelamentoEfetuado, QStringLiteral("Informação"));
        else
            Mensagem::info(r.mensagem, QStringLiteral("Informação"));
    }
    focarNumero();
}

// ---------------------------------------------------------------- orders

void TFrmMesas::mnuIncluirConsumosClick()
{
    const std::optional<Mesas::Mesa> m = mesaAtual();
    if (!m || !m->ocupada())
        return;
    memoCozinha->clear();
    edtObs->clear();
    habilitarCartoes(false);
    lblTituloConsumo->setText(Pedidos::kTituloIncluir + m->descricao);
    carregarAtendentes();
    const QString id = Mesas::atendenteDaAbertura(DM->Conexao, m->idCheckIn);
    escolherAtendente(id);
    const std::optional<Mesas::Atendente> a = atendenteEscolhido();
    if (tParametros().sim(QStringLiteral("MESA_APENAS_GARCON"))) {
        Mesas::Atendente quem = a.value_or(Mesas::Atendente{});
        if (!a)
            quem.senha = QString(); // an attendant no longer employed has no password to match
        if (!a || !pedirSenha(quem)) {
            if (!a)
                Mensagem::aviso(Mesas::kMsgSenhaIncorreta);
            focarNumero();
            habilitarCartoes(true);
            return;
        }
    }
    mostrarConsumo(*m, a ? a->exibicao() : QString());
}

void TFrmMesas::mostrarConsumo(const Mesas::Mesa &m, const QString &garcon)
{
    m_mesaConsumo = m;
    pnlAbrir->hide();
    pnlTransferir->hide();
    habilitarCartoes(false);
    lblTituloConsumo->setText(Pedidos::kTituloIncluir + m.descricao);
    m_produtos = Pedidos::lerProdutos(DM->Conexao);
    {
        const QSignalBlocker b(cbProduto);
        cbProduto->clear();
        for (const Pedidos::Produto &p : m_produtos)
            cbProduto->addItem(p.legenda(), p.id);
        cbProduto->setCurrentIndex(-1);
    }
    edtProduto->clear();
    edtObs->clear();
    edtQtd->setText(QStringLiteral("0"));
    edtValorUnit->setText(QStringLiteral("0,00"));
    cbViagem->setChecked(false);
    edtGarcon->setText(garcon);
    pnlConsumo->show();
    edtProduto->setFocus();
}

std::optional<Pedidos::Produto> TFrmMesas::produtoEscolhido() const
{
    const int k = cbProduto->currentIndex();
    if (k < 0 || k >= m_produtos.size())
        return std::nullopt;
    return m_produtos[k];
}

void TFrmMesas::escolherProduto(std::optional<qint64> id)
{
    const int k = id ? cbProduto->findData(*id) : -1;
    if (cbProduto->currentIndex() == k)
        cbProdutoChange(); // the same product again: its value and quantity again
    else
        cbProduto->setCurrentIndex(k);
}

void TFrmMesas::cbProdutoChange()
{
    const std::optional<Pedidos::Produto> p = produtoEscolhido();
    if (p) {
        edtValorUnit->setText(p->valorTexto());
        if (!m_carregandoPeso)
            edtQtd->setText(QStringLiteral("1"));
    } else {
        edtValorUnit->setText(QStringLiteral("0,00"));
        if (!m_carregandoPeso)
            edtQtd->setText(QStringLiteral("0"));
    }
}

void TFrmMesas::edtQtdChange() { lblTotal->setText(Pedidos::linhaTotal(edtQtd->text(), edtValorUnit->text())); }

void TFrmMesas::edtProdutoEnter()
{
    m_carregandoPeso = false;
    const Pedidos::Escolha e = Pedidos::interpretarCodigo(DM->Conexao, edtProduto->text());
    if (e.regra == Pedidos::Escolha::Regra::Balanca) {
        m_carregandoPeso = true;
        const qint64 peso = Balanca::ler();
        edtQtd->setText(Balanca::textoPeso(peso));
        if (peso != Balanca::kSemResposta && peso != Balanca::kRespostaInvalida) {
            if (e.produto)
                edtProduto->setText(QString::number(*e.produto));
            escolherProduto(e.produto);
        } else {
            Mensagem::aviso(Pedidos::kMsgErroBalanca);
        }
        edtProduto->selectAll();
        m_carregandoPeso = false;
    } else {
        if (e.produto)
            edtProduto->setText(QString::number(*e.produto));
        escolherProduto(e.produto);
        if (e.produto)
            edtProduto->selectAll();
    }
    edtQtd->setFocus();
}

void TFrmMesas::focarProduto() { edtProduto->setFocus(); }

void TFrmMesas::receberProduto(qint64 idProduto)
{
    m_carregandoPeso = false;
    edtProduto->setText(QString::number(idProduto));
    escolherProduto(idProduto);
    edtProduto->selectAll();
    edtQtd->setFocus();
}

void TFrmMesas::pesarPorParametro(const QString &coluna, const QString &msgSemCodigo)
{
    const QString codigo = tParametros().texto(coluna).trimmed();
    if (codigo.isEmpty() || codigo == QLatin1String("0")) {
        Mensagem::aviso(msgSemCodigo);
        edtProduto->setFocus();
        edtProduto->selectAll();
        return;
    }
    bool ok = false;
    const qint64 chave = codigo.toLongLong(&ok);
    if (!ok || !Pedidos::lerProduto(DM->Conexao, chave)) {
        Mensagem::aviso(QStringLiteral("Produto ") + edtProduto->text() + Pedidos::kMsgProdutoBalancaAusente);
        edtProduto->setFocus();
        edtProduto->selectAll();
        return;
    }
    edtProduto->setText(QStringLiteral("B") + codigo);
    edtProdutoEnter();
    btnConfirmarConsumo->setFocus();
}

void TFrmMesas::balancaSelfService()
{
    pesarPorParametro(QStringLiteral("COD_PRODUTO_BALANCA"), Pedidos::kMsgSemBalancaSelf);
}

void TFrmMesas::balancaSobremesa()
{
    pesarPorParametro(QStringLiteral("COD_PRODUTO_BALANCA_SOB"), Pedidos::kMsgSemBalancaSobremesa);
}

void TFrmMesas::cardapio() { Telas::abrir<TFrmCardapio>(FrmCardapio, this); }

void TFrmMesas::btnConfirmarConsumoClick()
{
    const std::optional<Pedidos::Produto> p = produtoEscolhido();
    if (!p) {
        Mensagem::aviso(Pedidos::kMsgProdutoInvalido);
        edtProduto->clear();
        edtProduto->setFocus();
        return;
    }
    if (!m_mesaConsumo)
        return;
    Pedidos::Item item;
    item.mesa = m_mesaConsumo->id;
    item.idCheckIn = m_mesaConsumo->idCheckIn;
    item.produto = p->id;
    item.qtd = edtQtd->text();
    item.valorUnit = edtValorUnit->text();
    item.viagem = cbViagem->isChecked();
    item.obs = edtObs->text();
    const QDateTime agora = Relogio::agora();
    const Pedidos::Gravacao g = Pedidos::incluir(DM->Conexao, textos, item, agora);
    if (!g.gravado) {
        Mensagem::aviso(g.mensagem);
        if (g.focarQtd) {
            edtQtd->setFocus();
            edtQtd->selectAll();
        } else {
            btnFecharConsumoClick();
            atualizar();
        }
        return;
    }
    if (p->vaiParaCozinha()) {
        const QStringList novas = Pedidos::linhasCozinha(
            textos, memoCozinha->toPlainText().isEmpty(), m_mesaConsumo->id, agora,
            tParametros().sim(QStringLiteral("GARCON_IMP_COZINHA")), edtGarcon->text(), item.qtd, p->descricao,
            item.viagem, item.obs);
        for (const QString &l : novas)
            memoCozinha->appendPlainText(l);
    }
    atualizar();
}

void TFrmMesas::btnFecharConsumoClick()
{
    pnlConsumo->hide();
    m_mesaConsumo.reset();
    habilitarCartoes(true);
    focarNumero();
}

// ---------------------------------------------------------------- kitchen queue

void TFrmMesas::carregarFila()
{
    const QList<Mesas::Pedido> fila = Mesas::lerFila(DM->Conexao);
    const QDateTime agora = Relogio::agora();
    const int linhaAtual = grdFila->currentRow();
    m_fila.clear();
    grdFila->setRowCount(int(fila.size()));
    for (int k = 0; k < fila.size(); ++k) {
        m_fila.append(fila[k].id);
        if (QTableWidgetItem *i = grdFila->item(k, 0))
            i->setText(Mesas::linhaFila(fila[k], agora));
        else
            grdFila->setItem(k, 0, new QTableWidgetItem(Mesas::linhaFila(fila[k], agora)));
    }
    if (linhaAtual >= 0 && linhaAtual < grdFila->rowCount())
        grdFila->setCurrentCell(linhaAtual, 0);
    lblRodapeFila->setText(Mesas::rodapeFila(int(fila.size())));
}

void TFrmMesas::atualizar()
{
    if (m_filaFocada)
        return;
    carregarCartoes();
    carregarFila();
}

void TFrmMesas::tmrAtualizarTimer() { atualizar(); }

void TFrmMesas::mnuConcluirClick()
{
    const int k = grdFila->currentRow();
    if (k < 0 || k >= m_fila.size())
        return;
    if (!Mensagem::pergunta(Mesas::kMsgConcluirPedido))
        return;
    Mesas::concluirPedido(DM->Conexao, m_fila[k]);
    m_filaFocada = false;
    lblAtualizacao->setText(Mesas::kAtualizacao);
    focarNumero();
    atualizar();
}

void TFrmMesas::mnuCancelarPedidoClick()
{
    const int k = grdFila->currentRow();
    if (k < 0 || k >= m_fila.size())
        return;
    if (!Mensagem::perguntaAviso(Mesas::kMsgCancelarPedido))
        return;
    Mesas::cancelarPedido(DM->Conexao, m_fila[k]);
    m_filaFocada = false;
    lblAtualizacao->setText(Mesas::kAtualizacao);
    cvMesas->setFocus();
    atualizar();
}

// ---------------------------------------------------------------- keys and leaving

void TFrmMesas::enterComum(QWidget *w)
{
    if (w == cbViagem) {
        if (edtGarcon->isVisible())
            edtGarcon->setFocus();
        else
            btnConfirmarConsumo->setFocus();
        return;
    }
    if (w == btnConfirmarConsumo) {
        btnConfirmarConsumoClick();
        return;
    }
    if (w == btnConfirmarAbrir) {
        btnConfirmarAbrirClick();
        return;
    }
    if (w == btnConfirmarTransferir) {
        btnConfirmarTransferirClick();
        return;
    }
    focusNextChild();
}

bool TFrmMesas::eventFilter(QObject *o, QEvent *e)
{
    if (o == grdFila && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)) {
        m_filaFocada = e->type() == QEvent::FocusIn;
        lblAtualizacao->setText(m_filaFocada ? Mesas::kAtualizacaoPausada : Mesas::kAtualizacao);
    }
    if (o == edtCodAtendente && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut))
        ColorirEdit(edtCodAtendente, e->type() == QEvent::FocusIn);
    if (o == edtQtd && e->type() == QEvent::FocusOut && edtQtd->text().trimmed().isEmpty())
        edtQtd->setText(QStringLiteral("0"));
    if (e->type() != QEvent::KeyPress)
        return QDialog::eventFilter(o, e);
    auto *k = static_cast<QKeyEvent *>(e);
    auto *w = qobject_cast<QWidget *>(o);
    if (k->key() == Qt::Key_Escape && w && pnlConsumo->isAncestorOf(w)) {
        btnFecharConsumoClick();
        return true;
    }
    if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter)
        return QDialog::eventFilter(o, e);
    if (o == edtMesa)
        edtMesaEnter();
    else if (o == edtCodAtendente)
        edtCodAtendenteEnter();
    else if (o == edtCliente)
        btnConfirmarAbrirClick();
    else if (o == edtProduto)
        edtProdutoEnter();
    else if (o == grdFila)
        return QDialog::eventFilter(o, e);
    else if (w)
        enterComum(w);
    return true;
}

void TFrmMesas::reject()
{
    if (pnlConsumo->isVisible()) {
        btnFecharConsumoClick();
        return;
    }
    // Esc on the opening or the transfer panel gives it up, not the board.
    if (pnlAbrir->isVisible()) {
        btnCancelarAbrirClick();
        return;
    }
    if (pnlTransferir->isVisible()) {
        btnFecharTransferirClick();
        return;
    }
    tmrAtualizar->stop();
    const Sessao &s = Sessao::atual();
    if (s.AuxTipoPC != QLatin1String("MESAS") || s.direitos.ACESSO_TOTAL) {
        QDialog::reject();
        return;
    }
    const bool encerrar = Mensagem::pergunta(Mesas::kPerguntaSair, {}, Mensagem::Nao);
    if (encerrar)
        Mensagem::info(Mesas::kMsgEncerrado);
    QDialog::reject();
    if (encerrar)
        Janela::encerrarPrograma();
}
