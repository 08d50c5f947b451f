#include "rooms/UnitCadTiposUH.h"
#include "base/CabecalhoTela.h"
#include "base/Grade.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Rotinas.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "rooms/CaracUH.h"
#include "rooms/UnitItensPadrao.h"
#include "rooms/TiposUH.h"
#include "rooms/UnitCaracUH.h"
#include "rooms/UnitTiposUHCarac.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

TFrmCadTiposUH *FrmCadTiposUH = nullptr;

namespace {

// The characteristics grid without the rows taken off it.
class VisaoSemRemovidas : public QSortFilterProxyModel {
public:
    VisaoSemRemovidas(ModeloConsulta *fonte, const QSet<qint64> *removidas, QObject *pai)
        : QSortFilterProxyModel(pai)
        , m_fonte(fonte)
        , m_removidas(removidas)
    {
        setSourceModel(fonte);
    }
    void atualizar() { invalidateRowsFilter(); }

protected:
    bool filterAcceptsRow(int linha, const QModelIndex &) const override
    {
        return !m_removidas->contains(m_fonte->inteiro(linha, QStringLiteral("ID_CARAC_TIPO_UH")));
    }

private:
    ModeloConsulta *m_fonte;
    const QSet<qint64> *m_removidas;
};

QLineEdit *caixaValor(QWidget *pai, const QString &nome)
{
    auto *e = new QLineEdit(QStringLiteral("0,00"), pai);
    e->setObjectName(nome);
    e->setAlignment(Qt::AlignRight);
    e->setMaxLength(15);
    e->setFixedWidth(95);
    return e;
}

} // namespace

TFrmCadTiposUH::TFrmCadTiposUH(const QString &op, qint64 id, QWidget *parent)
    : QDialog(parent)
    , m_modo(modoDeOP(op))
    , m_id(id)
{
    const bool modoValido = op == QLatin1String("I") || op == QLatin1String("A") || op == QLatin1String("V");
    const bool motel = tParametros().sim(QStringLiteral("MODO_MOTEL"));
    auto *layout = new QVBoxLayout(this);
    const TopoEdicao topo = adicionarTopoEdicao(this, layout, QStringLiteral("CÓDIGO DO TIPO:"),
                                                QStringLiteral("lblCodTipo"), QStringLiteral("X"));
    imgCabecalho = topo.cabecalho;
    lblTitulo = topo.titulo;
    lblCodTipo = topo.codigo;

    // ---- the type's data (one panel) and its characteristics beside it
    auto *meio = new QHBoxLayout;
    pnlDados = new QWidget(this);
    auto *dados = new QVBoxLayout(pnlDados);
    dados->setContentsMargins(0, 0, 0, 0);
    auto *g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("Descrição:"), pnlDados), 0, 0);
    edtDescricao = new QLineEdit(pnlDados);
    edtDescricao->setObjectName(QStringLiteral("edtDescricao"));
    emMaiusculas(edtDescricao, TiposUH::kTamDescricao);
    g->addWidget(edtDescricao, 0, 1, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("Sigla de Abreviação:"), pnlDados), 1, 0);
    edtSigla = new QLineEdit(pnlDados);
    edtSigla->setObjectName(QStringLiteral("edtSigla"));
    emMaiusculas(edtSigla, TiposUH::kTamAbreviacao);
    edtSigla->setFixedWidth(95);
    g->addWidget(edtSigla, 1, 1);
    lblP1 = new QLabel(motel ? QStringLiteral("Inicial") : QStringLiteral("01 Pessoa"), pnlDados);
    lblP2 = new QLabel(motel ? QStringLiteral("Excedente") : QStringLiteral("02 Pessoas"), pnlDados);
    lblP3 = new QLabel(motel ? QStringLiteral("Pernoite") : QStringLiteral("03 Pessoas"), pnlDados);
    lblP4 = new QLabel(QStringLiteral("04 Pessoas"), pnlDados);
    lblDiarias = new QLabel(QStringLiteral("Diárias ->"), pnlDados);
    lblMinimo = new QLabel(QStringLiteral("Mínimo ->"), pnlDados);
    const QList<QLabel *> rotulos{lblP1, lblP2, lblP3, lblP4};
    for (int i = 0; i < 4; ++i)
        g->addWidget(rotulos[i], 2, i + 1, Qt::AlignHCenter);
    edtP1 = caixaValor(pnlDados, QStringLiteral("edtP1"));
    edtP2 = caixaValor(pnlDados, QStringLiteral("edtP2"));
    edtP3 = caixaValor(pnlDados, QStringLiteral("edtP3"));
    edtP4 = caixaValor(pnlDados, QStringLiteral("edtP4"));
    edtP1Min = caixaValor(pnlDados, QStringLiteral("edtP1Min"));
    edtP2Min = caixaValor(pnlDados, QStringLiteral("edtP2Min"));
    edtP3Min = caixaValor(pnlDados, QStringLiteral("edtP3Min"));
    edtP4Min = caixaValor(pnlDados, QStringLiteral("edtP4Min"));
    m_valores = {edtP1, edtP2, edtP3, edtP4, edtP1Min, edtP2Min, edtP3Min, edtP4Min};
    g->addWidget(lblDiarias, 3, 0);
    g->addWidget(lblMinimo, 4, 0);
    for (int i = 0; i < 4; ++i) {
        g->addWidget(m_valores[i], 3, i + 1);
        g->addWidget(m_valores[i + 4], 4, i + 1);
    }
    for (QLineEdit *e : m_valores)
        e->installEventFilter(this);
    g->setColumnStretch(5, 1);
    dados->addLayout(g);
    dados->addStretch();
    meio->addWidget(pnlDados, 3);

    pnlCarac = new QGroupBox(QStringLiteral("Características:"), this);
    auto *c = new QHBoxLayout(pnlCarac);
    c->setContentsMargins(4, 4, 4, 4);
    dbgCarac = new QTableView(pnlCarac);
    dbgCarac->setObjectName(QStringLiteral("dbgCarac"));
    m_modeloCarac = new ModeloConsulta(this);
    m_modeloCarac->definirColunas({{QStringLiteral("ID_CARAC_UH"), QStringLiteral("Código"), FormatoColuna::Texto, 55},
                                   {QStringLiteral("DESCRICAO"), QStringLiteral("Descrição"), FormatoColuna::Texto, 150},
                                   {QStringLiteral("SIMBOLO"), QStringLiteral("Símbolo"), FormatoColuna::Texto, 55}});
    m_visaoCarac = new VisaoSemRemovidas(m_modeloCarac, &m_removidas, this);
    dbgCarac->setModel(m_visaoCarac);
    prepararGrade(dbgCarac);
    dbgCarac->setColumnWidth(0, 55);
    dbgCarac->setColumnWidth(1, 150);
    dbgCarac->setItemDelegateForColumn(2, new DelegateSimbolo(false, dbgCarac));
    dbgCarac->verticalHeader()->setDefaultSectionSize(22);
    dbgCarac->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    dbgCarac->setMinimumHeight(110);
    c->addWidget(dbgCarac, 1);
    auto *maisMenos = new QVBoxLayout;
    btnMais = new QToolButton(pnlCarac);
    btnMais->setText(QStringLiteral("+"));
    btnMais->setToolTip(QStringLiteral("Adicionar Característica ao Tipo de UH"));
    btnMenos = new QToolButton(pnlCarac);
    btnMenos->setText(QStringLiteral("-"));
    btnMenos->setToolTip(QStringLiteral("Remover Característica do Tipo de UH"));
    for (QToolButton *b : {btnMais, btnMenos}) {
        b->setFixedWidth(28);
        maisMenos->addWidget(b);
    }
    maisMenos->addStretch();
    c->addLayout(maisMenos);
    meio->addWidget(pnlCarac, 2);
    layout->addLayout(meio);

    // ---- standard stock items and minibar products
    auto *itens = new QHBoxLayout;
    pnlEstoque = new PainelItensPadrao(
        ItensPadrao::Tabela::EstoqueTipo, QStringLiteral("Padrão Estoque:"),
        {{QStringLiteral("ID_ITEM"), QStringLiteral("Código"), FormatoColuna::Texto, 55},
         {QStringLiteral("DESCRICAO"), QStringLiteral("Item"), FormatoColuna::Texto, 200},
         {QStringLiteral("QTD"), QStringLiteral("Qtd."), FormatoColuna::Texto, 45}},
        true, this);
    pnlFrigobar = new PainelItensPadrao(
        ItensPadrao::Tabela::FrigobarTipo, QStringLiteral("Padrão Frigobar:"),
        {{QStringLiteral("ID_ITEM"), QStringLiteral("Código"), FormatoColuna::Texto, 55},
         {QStringLiteral("DESCRICAO"), QStringLiteral("Produto / Serviço"), FormatoColuna::Texto, 170},
         {QStringLiteral("QTD"), QStringLiteral("Qtd."), FormatoColuna::Texto, 45},
         {QStringLiteral("VALOR"), QStringLiteral("Valor Unit. (R$)"), FormatoColuna::Dinheiro, 100}},
        true, this);
    dbgEstoque = pnlEstoque->dbgItens;
    dbgFrigobar = pnlFrigobar->dbgItens;
    dbgEstoque->setObjectName(QStringLiteral("dbgEstoque"));
    dbgFrigobar->setObjectName(QStringLiteral("dbgFrigobar"));
    itens->addWidget(pnlEstoque, 1);
    itens->addWidget(pnlFrigobar, 1);
    layout->addLayout(itens, 1);

    btnCaracteristicas = new QPushButton(QStringLiteral("Características"), this);
    btnCaracteristicas->setObjectName(QStringLiteral("btnCaracteristicas"));
    const BotoesEdicao botoes = adicionarBotoesEdicao(this, layout, {btnCaracteristicas});
    btnConfirmar = botoes.confirmar;
    btnCancelar = botoes.cancelar;
    for (QPushButton *b : {btnCaracteristicas, btnConfirmar, btnCancelar})
        b->setAutoDefault(false);

    if (motel) {
        // three prices, no floors; the hidden boxes keep their values
        for (QWidget *w : std::initializer_list<QWidget *>{lblP4, edtP4, lblMinimo, edtP1Min, edtP2Min, edtP3Min,
                                                           edtP4Min})
            w->hide();
    }

    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadTiposUH::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadTiposUH::btnCancelarClick);
    connect(btnMais, &QToolButton::clicked, this, &TFrmCadTiposUH::btnMaisClick);
    connect(btnMenos, &QToolButton::clicked, this, &TFrmCadTiposUH::btnMenosClick);
    connect(btnCaracteristicas, &QPushButton::clicked, this, &TFrmCadTiposUH::btnCaracteristicasClick);

    if (!modoValido) {
        // nothing is filled; the code stays "X"
        m_modo = ModoEdicao::Ver;
        m_id = 0;
        for (QWidget *w : std::initializer_list<QWidget *>{pnlDados, pnlEstoque, pnlFrigobar, pnlCarac})
            w->setEnabled(false);
        btnConfirmar->setEnabled(false);
    } else if (m_modo == ModoEdicao::Incluir) {
        for (const QString &sql : TiposUH::sqlLimpezaNovo())
            m_chave.aoAbandonar(sql);
        m_chave.reservar(QStringLiteral("GEN_ID_TIPO_UH"));
        m_id = m_chave.valor();
        lblCodTipo->setText(QString::number(m_id));
        lblTitulo->setText(QStringLiteral("Novo Tipo"));
    } else {
        const Linha l = DM->Conexao.ler(QStringLiteral("SELECT * FROM TIPO_UH WHERE ID_TIPO_UH = ?"), {id});
        lblCodTipo->setText(QString::number(id));
        lblTitulo->setText(m_modo == ModoEdicao::Alterar ? QStringLiteral("Alterar Tipo") : QStringLiteral("Ver Tipo"));
        m_descricaoAtual = l.texto(QStringLiteral("DESCRICAO"));
        edtDescricao->setText(m_descricaoAtual);
        edtSigla->setText(l.texto(QStringLiteral("ABREV")));
        const QStringList &colunas = TiposUH::colunasValores();
        for (int i = 0; i < 8; ++i)
            m_valores[i]->setText(l.dinheiro(colunas[i]).formatado());
        if (m_modo == ModoEdicao::Ver) {
            for (QWidget *w : std::initializer_list<QWidget *>{pnlDados, pnlEstoque, pnlFrigobar, pnlCarac})
                w->setEnabled(false);
            btnConfirmar->setEnabled(false);
        }
    }
    setWindowTitle(lblTitulo->text().isEmpty() ? QStringLiteral("Tipo de UH") : lblTitulo->text());
    carregarTudo();

    menuAtalhos = instalarComportamentoEdicao(
        this, {[this] { btnConfirmarClick(); }, [this] { btnCancelar->click(); },
               QStringLiteral("|| Confirmar - (F10) ||"), QStringLiteral("|| Cancelar - (F12) ||")});
    QAction *caracteristicas = menuAtalhos->addAction(QStringLiteral("|| Características - (Ctrl + T) ||"));
    caracteristicas->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    caracteristicas->setShortcutContext(Qt::WindowShortcut);
    connect(caracteristicas, &QAction::triggered, this, [this] {
        if (btnCaracteristicas->isEnabled())
            btnCaracteristicasClick();
    });
    resize(980, 640);
}

TFrmCadTiposUH::~TFrmCadTiposUH()
{
    try {
        abandonar();
    } catch (const std::exception &e) {
        qWarning("TFrmCadTiposUH: %s", e.what());
    }
}

void TFrmCadTiposUH::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    imgCabecalho->setPixmap(imagemPadrao());
    if (pnlDados->isEnabled())
        edtDescricao->setFocus();
    else
        btnCancelar->setFocus();
}

void TFrmCadTiposUH::carregarTudo()
{
    carregarCaracteristicas();
    pnlEstoque->carregar(m_id);
    pnlFrigobar->carregar(m_id);
}

void TFrmCadTiposUH::carregarCaracteristicas()
{
    m_removidas.clear();
    m_modeloCarac->definirConsulta(TiposUH::kSqlCaracteristicas, {m_id});
    m_modeloCarac->abrir();
    static_cast<VisaoSemRemovidas *>(m_visaoCarac)->atualizar();
    btnMenos->setEnabled(m_visaoCarac->rowCount() > 0);
    if (m_visaoCarac->rowCount() > 0)
        dbgCarac->setCurrentIndex(m_visaoCarac->index(0, 0));
}

QList<qint64> TFrmCadTiposUH::caracteristicasNaGrade() const
{
    QList<qint64> r;
    for (int i = 0; i < m_visaoCarac->rowCount(); ++i)
        r.append(m_modeloCarac->inteiro(m_visaoCarac->mapToSource(m_visaoCarac->index(i, 0)).row(),
                                        QStringLiteral("ID_CARAC_UH")));
    return r;
}

bool TFrmCadTiposUH::validarValor(QLineEdit *e)
{
    const QString texto = e->text();
    if (texto.trimmed().isEmpty()) {
        e->setText(QStringLiteral("0,00"));
        return true;
    }
    const auto v =
        Dinheiro::digitado(texto, SinalDigitado::ZeroOuPositivo, VazioDigitado::Zero, Dinheiro::tetoNumeric9()).valor;
    if (!v) {
        Mensagem::erro(TiposUH::msgValorInvalido(texto));
        return false;
    }
    e->setText(v->formatado());
    return true;
}

bool TFrmCadTiposUH::eventFilter(QObject *o, QEvent *ev)
{
    auto *e = qobject_cast<QLineEdit *>(o);
    if (e && std::find(m_valores.begin(), m_valores.end(), e) != m_valores.end()) {
        if (ev->type() == QEvent::FocusIn && !m_validandoValor) {
            // the thousands dots go, the decimal comma stays
            e->setText(TiraPontoTracoBarra(e->text()));
        } else if (ev->type() == QEvent::FocusOut && !m_validandoValor) {
            m_validandoValor = true;
            const bool ok = validarValor(e);
            m_validandoValor = false;
            if (!ok) {
                // the text stays; back into the box
                QPointer<QLineEdit> caixa(e);
                QTimer::singleShot(0, this, [caixa] {
                    if (caixa) {
                        caixa->setFocus();
                        caixa->selectAll();
                    }
                });
            }
        }
    }
    return QDialog::eventFilter(o, ev);
}

void TFrmCadTiposUH::btnConfirmarClick()
{
    if (m_modo == ModoEdicao::Ver || m_id <= 0)
        return;
    TiposUH::Dados d;
    d.descricao = edtDescricao->text();
    d.abreviacao = edtSigla->text();
    for (int i = 0; i < 8; ++i)
        d.valores[i] = m_valores[i]->text();
    const TiposUH::Resultado r =
        TiposUH::confirmar(DM->Conexao, m_modo, m_id, m_descricaoAtual, d, QList<qint64>(m_removidas.begin(), m_removidas.end()));
    if (!r.salvo) {
        QLineEdit *foco = r.foco == TiposUH::Campo::Abreviacao ? edtSigla
                          : r.foco == TiposUH::Campo::Valor    ? m_valores[qBound(0, r.valor, 7)]
                                                               : edtDescricao;
        if (r.foco == TiposUH::Campo::Valor)
            Mensagem::erro(r.mensagem);
        else
            Mensagem::info(r.mensagem);
        if (foco->isVisible())
            foco->setFocus();
        foco->selectAll();
        return;
    }
    Confirma = true;
    m_removidas.clear();
    m_anexadas.clear();
    if (m_modo == ModoEdicao::Alterar) {
        m_descricaoAtual = d.descricao.trimmed();
        Mensagem::info(r.mensagem);
        accept();
        return;
    }
    m_chave.confirmar();
    if (!Mensagem::pergunta(r.mensagem)) {
        accept();
        return;
    }
    // another one: the next key, empty fields and grids
    m_chave.reservar(QStringLiteral("GEN_ID_TIPO_UH"));
    m_id = m_chave.valor();
    lblCodTipo->setText(QString::number(m_id));
    carregarTudo();
    edtDescricao->clear();
    edtSigla->clear();
    for (QLineEdit *e : m_valores)
        e->setText(QStringLiteral("0,00"));
    edtDescricao->setFocus();
}

void TFrmCadTiposUH::btnCancelarClick() { reject(); }

void TFrmCadTiposUH::abandonar()
{
    if (m_encerrada)
        return;
    m_encerrada = true;
    // a new type left unsaved: its children go; an alteration left unsaved:
    // the characteristics attached during it are detached again
    if (m_modo == ModoEdicao::Incluir)
        m_chave.abandonar();
    else if (m_modo == ModoEdicao::Alterar && !m_anexadas.isEmpty()) {
        const QList<qint64> anexadas = m_anexadas;
        m_anexadas.clear();
        TiposUH::desfazerAnexos(DM->Conexao, m_id, anexadas);
    }
}

void TFrmCadTiposUH::done(int r)
{
    abandonar();
    QDialog::done(r);
}

void TFrmCadTiposUH::btnMaisClick()
{
    if (m_id <= 0)
        return;
    const bool alterando = m_modo == ModoEdicao::Alterar;
    try {
        Telas::abrir<TFrmTiposUHCarac>(FrmTiposUHCarac, m_id,
                                       std::function<void(qint64)>([this, alterando](qint64 idLigacao) {
                                           if (alterando)
                                               m_anexadas.append(idLigacao);
                                           carregarCaracteristicas();
                                       }),
                                       nullptr);
    } catch (...) {
        carregarCaracteristicas();
        throw;
    }
    carregarCaracteristicas();
}

void TFrmCadTiposUH::btnMenosClick()
{
    const QModelIndex i = dbgCarac->currentIndex();
    if (!i.isValid() || m_visaoCarac->rowCount() == 0)
        return;
    const int linha = m_visaoCarac->mapToSource(i).row();
    m_removidas.insert(m_modeloCarac->inteiro(linha, QStringLiteral("ID_CARAC_TIPO_UH")));
    static_cast<VisaoSemRemovidas *>(m_visaoCarac)->atualizar();
    btnMenos->setEnabled(m_visaoCarac->rowCount() > 0);
    if (m_visaoCarac->rowCount() > 0)
        dbgCarac->setCurrentIndex(m_visaoCarac->index(qMin(i.row(), m_visaoCarac->rowCount() - 1), 0));
}

void TFrmCadTiposUH::btnCaracteristicasClick() { abrirCaracUH(); }
