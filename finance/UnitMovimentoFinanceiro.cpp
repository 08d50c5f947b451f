#include "finance/UnitMovimentoFinanceiro.h"
#include "base/CabecalhoTela.h"
#include "base/Grade.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/TelaEdicao.h"
#include "base/TelaRelatorio.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "finance/UnitRelMovFinanceiro.h"

#include <QAbstractTableModel>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

using namespace MovimentoFinanceiro;

TFrmMovimentoFinanceiro *FrmMovimentoFinanceiro = nullptr;
std::function<void(qint64)> TFrmMovimentoFinanceiro::extratoConta;

// The rows of one grid, read-only, with the system's colours.
class ModeloMovimentos : public QAbstractTableModel {
public:
    struct Coluna {
        QString titulo;
        std::function<QString(const Movimento &)> valor;
        bool numero = false;
    };
    ModeloMovimentos(QList<Coluna> colunas, QObject *pai) : QAbstractTableModel(pai), m_colunas(std::move(colunas)) {}

    void definir(const QList<Movimento> *linhas)
    {
        beginResetModel();
        m_linhas = linhas;
        endResetModel();
    }
    int rowCount(const QModelIndex &p = {}) const override { return p.isValid() || !m_linhas ? 0 : int(m_linhas->size()); }
    int columnCount(const QModelIndex &p = {}) const override { return p.isValid() ? 0 : int(m_colunas.size()); }
    QVariant data(const QModelIndex &i, int papel) const override
    {
        if (!m_linhas || !i.isValid() || i.row() >= m_linhas->size())
            return {};
        const Coluna &c = m_colunas[i.column()];
        if (papel == Qt::DisplayRole)
            return c.valor((*m_linhas)[i.row()]);
        if (papel == Qt::TextAlignmentRole)
            return int((c.numero ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        return {};
    }
    QVariant headerData(int s, Qt::Orientation o, int papel) const override
    {
        if (o == Qt::Horizontal && papel == Qt::DisplayRole && s < m_colunas.size())
            return m_colunas[s].titulo;
        return QAbstractTableModel::headerData(s, o, papel);
    }

private:
    QList<Coluna> m_colunas;
    const QList<Movimento> *m_linhas = nullptr;
};

namespace {

const QString kMomento = QStringLiteral("dd/MM/yyyy hh:mm:ss");

QString valorOuVazio(const std::optional<Dinheiro> &v) { return v ? v->formatado() : QString(); }

QPushButton *botao(const QString &legenda, QWidget *pai, const char *nome)
{
    auto *b = new QPushButton(legenda, pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setAutoDefault(false);
    return b;
}

QPushButton *botaoMais(QWidget *pai, const char *nome)
{
    QPushButton *b = botao(QStringLiteral("+"), pai, nome);
    b->setFixedWidth(28);
    b->hide();
    return b;
}

QLabel *rotulo(const QString &texto, QWidget *pai, const char *nome)
{
    auto *l = new QLabel(texto, pai);
    l->setObjectName(QString::fromLatin1(nome));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QTableView *grade(QWidget *pai, const char *nome)
{
    auto *g = new QTableView(pai);
    g->setObjectName(QString::fromLatin1(nome));
    prepararGrade(g);
    g->setItemDelegate(new DelegateGrade(g));
    g->verticalHeader()->hide();
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

} // namespace

TFrmMovimentoFinanceiro::TFrmMovimentoFinanceiro(QWidget *parent) : QDialog(parent)
{
    TFrmRelMovFinanceiro::periodoDoMovimento = []() -> std::optional<std::pair<QDate, QDate>> {
        if (!FrmMovimentoFinanceiro)
            return std::nullopt;
        return std::pair{FrmMovimentoFinanceiro->edtData1->date(), FrmMovimentoFinanceiro->edtData2->date()};
    };
    setWindowTitle(kTitulo);
    auto *layout = new QVBoxLayout(this);
    menuAtalhos = criarMenuAtalhos(this, {{QStringLiteral("|| Sair - (Ctrl + X) ||"),
                                            QKeySequence(Qt::CTRL | Qt::Key_X), [this] { reject(); }}});
    layout->addWidget(criarCabecalhoTela(this));

    // The period and the buttons.
    auto *periodo = new QHBoxLayout;
    const QDate hoje = Relogio::hoje();
    const auto data = [this, &hoje](const char *nome) {
        auto *d = new QDateEdit(hoje, this);
        d->setObjectName(QString::fromLatin1(nome));
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
        return d;
    };
    const auto hora = [this](const char *nome, QTime t) {
        auto *h = new QTimeEdit(t, this);
        h->setObjectName(QString::fromLatin1(nome));
        h->setDisplayFormat(QStringLiteral("HH:mm:ss"));
        return h;
    };
    edtData1 = data("edtData1");
    edtHora1 = hora("edtHora1", QTime(0, 0, 0));
    edtData2 = data("edtData2");
    edtHora2 = hora("edtHora2", QTime(23, 59, 59));
    periodo->addWidget(new QLabel(QStringLiteral("De"), this));
    periodo->addWidget(edtData1);
    periodo->addWidget(edtHora1);
    periodo->addSpacing(12);
    periodo->addWidget(new QLabel(QStringLiteral("Até"), this));
    periodo->addWidget(edtData2);
    periodo->addWidget(edtHora2);
    periodo->addStretch();
    btnCalcular = botao(QStringLiteral("Calcular"), this, "btnCalcular");
    btnImprimir = botao(QStringLiteral("Imprimir"), this, "btnImprimir");
    btnSair = botao(QStringLiteral("Sair"), this, "btnSair");
    periodo->addWidget(btnCalcular);
    periodo->addWidget(btnImprimir);
    periodo->addWidget(btnSair);
    layout->addLayout(periodo);

    // Entries.
    auto *grpEntradas = new QGroupBox(QStringLiteral("Entradas (+)"), this);
    auto *le = new QGridLayout(grpEntradas);
    le->addWidget(new QLabel(QStringLiteral("Duplo-clique para visualizar o Extrato de Conta"), grpEntradas), 0, 0, 1, 3);
    dbgMov = grade(grpEntradas, "dbgMov");
    m_modeloMov = new ModeloMovimentos(
        {{QStringLiteral("Histórico"), [](const Movimento &m) { return m.tipo; }},
         {QStringLiteral("Data e Hora"), [](const Movimento &m) { return m.momento.toString(kMomento); }},
         {QStringLiteral("(+)Diárias"),
          [](const Movimento &m) { return m.origem == Origem::Hospedagem ? m.diarias.formatado() : QString(); }, true},
         {QStringLiteral("(+)Consumos"),
          [](const Movimento &m) { return m.origem == Origem::Hospedagem ? m.consumos.formatado() : QString(); }, true},
         {QStringLiteral("(-)Desconto"), [](const Movimento &m) { return valorOuVazio(m.desconto); }, true},
         {QStringLiteral("(+)Acréscimo"), [](const Movimento &m) { return valorOuVazio(m.acrescimo); }, true},
         {QStringLiteral("(=)Valor Total"), [](const Movimento &m) { return valorOuVazio(m.valor); }, true},
         {QStringLiteral("Usuário"), [](const Movimento &m) { return m.usuario; }}},
        this);
    dbgMov->setModel(m_modeloMov);
    dbgMov->setColumnWidth(0, 420);
    dbgMov->setColumnWidth(1, 130);
    btnEstornoReposicao = botao(QString(), grpEntradas, "btnEstornoReposicao");
    btnEstornoReposicao->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    btnEstornoReposicao->setToolTip(QStringLiteral("Estornar Reposição de Caixa em Dinheiro"));
    btnEstornoReposicao->setFixedSize(34, 34);
    le->setColumnStretch(1, 1);
    le->addWidget(dbgMov, 1, 0, 1, 2);
    le->addWidget(btnEstornoReposicao, 1, 2, Qt::AlignTop);
    const auto linhaResumo = [](QGridLayout *g, int linha, QPushButton *mais, QLabel *texto) {
        g->addWidget(mais, linha, 0);
        g->addWidget(texto, linha, 1, 1, 2);
    };
    btnMaisHospedagens = botaoMais(grpEntradas, "btnMaisHospedagens");
    btnMaisDespesasAvulsas = botaoMais(grpEntradas, "btnMaisDespesasAvulsas");
    btnMaisAdiantados = botaoMais(grpEntradas, "btnMaisAdiantados");
    btnMaisReposicoes = botaoMais(grpEntradas, "btnMaisReposicoes");
    lblHospedagens = rotulo(linhaHospedagensZero(), grpEntradas, "lblHospedagens");
    lblDespesasAvulsas = rotulo(linhaDespesasAvulsasZero(), grpEntradas, "lblDespesasAvulsas");
    lblAdiantados = rotulo(linhaAdiantadosZero(), grpEntradas, "lblAdiantados");
    lblReposicoes = rotulo(linhaReposicoesZero(), grpEntradas, "lblReposicoes");
    auto *resumoEntradas = new QGridLayout;
    linhaResumo(resumoEntradas, 0, btnMaisHospedagens, lblHospedagens);
    linhaResumo(resumoEntradas, 1, btnMaisDespesasAvulsas, lblDespesasAvulsas);
    linhaResumo(resumoEntradas, 2, btnMaisAdiantados, lblAdiantados);
    linhaResumo(resumoEntradas, 3, btnMaisReposicoes, lblReposicoes);
    resumoEntradas->setColumnStretch(2, 1);
    le->addLayout(resumoEntradas, 2, 0, 1, 3);
    layout->addWidget(grpEntradas, 3);

    // Exits.
    auto *grpSaidas = new QGroupBox(QStringLiteral("Saídas (-)"), this);
    auto *ls = new QGridLayout(grpSaidas);
    dbgSaidas = grade(grpSaidas, "dbgSaidas");
    m_modeloSaidas = new ModeloMovimentos(
        {{QStringLiteral("Histórico"), [](const Movimento &m) { return m.tipo; }},
         {QStringLiteral("Data e Hora"), [](const Movimento &m) { return m.momento.toString(kMomento); }},
         {QStringLiteral("Saída - Valor  (R$)"), [](const Movimento &m) { return valorOuVazio(m.valor); }, true},
         {QStringLiteral("Usuário"), [](const Movimento &m) { return m.usuario; }}},
        this);
    dbgSaidas->setModel(m_modeloSaidas);
    dbgSaidas->setColumnWidth(0, 420);
    dbgSaidas->setColumnWidth(1, 130);
    btnEstornoRetirada = botao(QString(), grpSaidas, "btnEstornoRetirada");
    btnEstornoRetirada->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    btnEstornoRetirada->setToolTip(QStringLiteral("Estornar Retirada de Caixa em Dinheiro"));
    btnEstornoRetirada->setFixedSize(34, 34);
    ls->setColumnStretch(1, 1);
    ls->addWidget(dbgSaidas, 0, 0, 1, 2);
    ls->addWidget(btnEstornoRetirada, 0, 2, Qt::AlignTop);
    btnMaisSaidas = botaoMais(grpSaidas, "btnMaisSaidas");
    lblSaidas = rotulo(linhaSaidasZero(), grpSaidas, "lblSaidas");
    auto *resumoSaidas = new QGridLayout;
    linhaResumo(resumoSaidas, 0, btnMaisSaidas, lblSaidas);
    resumoSaidas->setColumnStretch(2, 1);
    ls->addLayout(resumoSaidas, 1, 0, 1, 3);
    layout->addWidget(grpSaidas, 2);

    // The balance.
    auto *grpSaldo = new QGroupBox(this);
    auto *lb = new QGridLayout(grpSaldo);
    auto *titulo = new QLabel(
        QStringLiteral("         Entradas (R$)          -          Saídas (R$)       =       Saldo (R$)"), grpSaldo);
    QFont negrito = titulo->font();
    negrito.setBold(true);
    titulo->setFont(negrito);
    lb->addWidget(titulo, 0, 0, 1, 3, Qt::AlignHCenter);
    lblTotalEntradas = rotulo(QStringLiteral("0,00"), grpSaldo, "lblTotalEntradas");
    lblTotalSaidas = rotulo(QStringLiteral("0,00"), grpSaldo, "lblTotalSaidas");
    lblSaldo = rotulo(QStringLiteral("0,00"), grpSaldo, "lblSaldo");
    QFont grande = negrito;
    grande.setPointSize(grande.pointSize() + 3);
    int coluna = 0;
    for (QLabel *l : {lblTotalEntradas, lblTotalSaidas, lblSaldo}) {
        l->setFont(grande);
        l->setAlignment(Qt::AlignCenter);
        lb->addWidget(l, 1, coluna++);
    }
    layout->addWidget(grpSaldo);

    for (QDateEdit *d : {edtData1, edtData2})
        connect(d, &QDateEdit::dateChanged, this, &TFrmMovimentoFinanceiro::periodoAlterado);
    for (QTimeEdit *t : {edtHora1, edtHora2})
        connect(t, &QTimeEdit::timeChanged, this, &TFrmMovimentoFinanceiro::periodoAlterado);
    connect(btnCalcular, &QPushButton::clicked, this, &TFrmMovimentoFinanceiro::btnCalcularClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmMovimentoFinanceiro::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnEstornoReposicao, &QPushButton::clicked, this, &TFrmMovimentoFinanceiro::btnEstornoReposicaoClick);
    connect(btnEstornoRetirada, &QPushButton::clicked, this, &TFrmMovimentoFinanceiro::btnEstornoRetiradaClick);
    connect(dbgMov, &QTableView::doubleClicked, this, &TFrmMovimentoFinanceiro::dbgMovDblClick);
    connect(btnMaisHospedagens, &QPushButton::clicked, this, [this] { Mensagem::info(m_totais.detalheEntradas()); });
    connect(btnMaisDespesasAvulsas, &QPushButton::clicked, this,
            [this] { Mensagem::info(m_totais.detalheDespesasAvulsas()); });
    connect(btnMaisReposicoes, &QPushButton::clicked, this, [this] { Mensagem::info(m_totais.detalheReposicoes()); });
    connect(btnMaisSaidas, &QPushButton::clicked, this, [this] { Mensagem::info(m_totais.detalheSaidas()); });
    connect(btnMaisAdiantados, &QPushButton::clicked, this,
            [] { Mensagem::info(detalheAdiantados(DM->Conexao)); });
    resize(1100, 720);
    TelaRelatorio::acaoAoAtivar(this, kTitulo);
}

Periodo TFrmMovimentoFinanceiro::periodo() const
{
    return {QDateTime(edtData1->date(), edtHora1->time()), QDateTime(edtData2->date(), edtHora2->time())};
}

void TFrmMovimentoFinanceiro::limpar()
{
    m_calculado = false;
    m_entradas.clear();
    m_saidas.clear();
    m_modeloMov->definir(&m_entradas);
    m_modeloSaidas->definir(&m_saidas);
    m_totais = Totais{};
    lblHospedagens->setText(linhaHospedagensZero());
    lblDespesasAvulsas->setText(linhaDespesasAvulsasZero());
    lblAdiantados->setText(linhaAdiantadosZero());
    lblReposicoes->setText(linhaReposicoesZero());
    lblSaidas->setText(linhaSaidasZero());
    for (QLabel *l : {lblTotalEntradas, lblTotalSaidas, lblSaldo})
        l->setText(QStringLiteral("0,00"));
    for (QPushButton *b : {btnMaisHospedagens, btnMaisDespesasAvulsas, btnMaisAdiantados, btnMaisReposicoes, btnMaisSaidas})
        b->hide();
}

void TFrmMovimentoFinanceiro::periodoAlterado() { limpar(); }

void TFrmMovimentoFinanceiro::btnCalcularClick()
{
    const Periodo p = periodo();
    const QString recusa = p.recusa();
    if (!recusa.isEmpty()) {
        limpar();
        Mensagem::aviso(recusa);
        return;
    }
    limpar();
    m_entradas = lerEntradas(DM->Conexao, p);
    m_saidas = lerSaidas(DM->Conexao, p);
    m_totais = calcular(m_entradas, m_saidas);
    m_modeloMov->definir(&m_entradas);
    m_modeloSaidas->definir(&m_saidas);
    lblHospedagens->setText(m_totais.linhaHospedagens());
    lblDespesasAvulsas->setText(m_totais.linhaDespesasAvulsas());
    lblAdiantados->setText(m_totais.linhaAdiantados());
    lblReposicoes->setText(m_totais.linhaReposicoes());
    lblSaidas->setText(m_totais.linhaSaidas());
    lblTotalEntradas->setText(m_totais.totalEntradas().formatado());
    lblTotalSaidas->setText(m_totais.saidas.formatado());
    lblSaldo->setText(m_totais.saldo().formatado());
    for (QPushButton *b : {btnMaisHospedagens, btnMaisDespesasAvulsas, btnMaisAdiantados, btnMaisReposicoes, btnMaisSaidas})
        b->show();
    m_calculado = true;
    NovoRegistrarLog(kOperacaoConsulta, textoLogCalculo(p), QString());
}

void TFrmMovimentoFinanceiro::btnImprimirClick()
{
    Telas::abrir<TFrmRelMovFinanceiro>(FrmRelMovFinanceiro, this);
}

const Movimento *TFrmMovimentoFinanceiro::atual(QTableView *grade, const QList<Movimento> &l) const
{
    const QModelIndex i = grade->currentIndex();
    if (!i.isValid() || i.row() >= l.size())
        return nullptr;
    return &l[i.row()];
}

void TFrmMovimentoFinanceiro::estornar(const Movimento *m, const QString &pergunta)
{
    if (!m || m->identificador.isEmpty())
        return;
    const QString recusa = recusaEstorno(*m);
    if (!recusa.isEmpty()) {
        Mensagem::info(recusa);
        return;
    }
    if (!Mensagem::pergunta(pergunta, {}, Mensagem::Nao))
        return;
    const Estorno e = MovimentoFinanceiro::estornar(DM->Conexao, *m);
    if (!e.mensagem.isEmpty())
        Mensagem::mostrar(e.tipo, e.mensagem, Mensagem::Ok);
    if (e.feito() || e.situacao == Estorno::Situacao::JaEstornado)
        btnCalcularClick();
}

void TFrmMovimentoFinanceiro::btnEstornoReposicaoClick() { estornar(atual(dbgMov, m_entradas), kPerguntaReposicao); }

void TFrmMovimentoFinanceiro::btnEstornoRetiradaClick() { estornar(atual(dbgSaidas, m_saidas), kPerguntaRetirada); }

void TFrmMovimentoFinanceiro::dbgMovDblClick()
{
    const Movimento *m = atual(dbgMov, m_entradas);
    if (!m || m->origem != Origem::Hospedagem || !m->tipo.startsWith(kPrefixoHospedagem) || !extratoConta)
        return;
    // An error here reaches the central handler's "Erro" box.
    extratoConta(m->identificador.toLongLong());
}

void abrirMovimentoFinanceiro() { Telas::abrir<TFrmMovimentoFinanceiro>(FrmMovimentoFinanceiro); }
