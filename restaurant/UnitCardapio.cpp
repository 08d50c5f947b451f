#include "restaurant/UnitCardapio.h"
#include "base/CabecalhoTela.h"
#include "base/Dinheiro.h"
#include "base/Grade.h"
#include "base/UnitDM.h"
#include "base/UnitFuncoes.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

TFrmCardapio *FrmCardapio = nullptr;

namespace {
const QString kDicaFiltro =
    QStringLiteral("Filtro de Pesquisa - Para pesquisar uma palavra em qualquer parte digite * antes");
constexpr int kPapelChave = Qt::UserRole + 1;

GradeFiltro *grade(QWidget *pai, QStandardItemModel *modelo)
{
    auto *g = new GradeFiltro(pai);
    g->definirModelo(modelo);
    g->visao()->definirCuringa(true);
    g->setToolTip(kDicaFiltro);
    QTableView *t = g->grade();
    prepararGrade(t);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < g->totalColunas(); ++c)
        if (QLineEdit *e = g->caixaFiltro(c)) {
            e->setToolTip(kDicaFiltro);
            e->setPlaceholderText(QStringLiteral("Filtro"));
        }
    return g;
}
} // namespace

TFrmCardapio::TFrmCardapio(PainelPedido *mesas, QWidget *parent)
    : QDialog(parent ? parent : (mesas ? mesas->tela() : nullptr)), m_mesas(mesas)
{
    setWindowTitle(QStringLiteral("Zentro Controle 5 - Cardápio"));
    resize(900, 560);
    auto *raiz = new QVBoxLayout(this);
    raiz->addWidget(criarCabecalhoTela(this));
    auto *titulo = new QLabel(QStringLiteral("Cardápio"), this);
    QFont f = titulo->font();
    f.setPointSize(16);
    f.setBold(true);
    titulo->setFont(f);
    raiz->addWidget(titulo);

    tGrupos = new QStandardItemModel(0, 1, this);
    tGrupos->setHorizontalHeaderLabels({QStringLiteral("Descrição")});
    tItens = new QStandardItemModel(0, 4, this);
    tItens->setHorizontalHeaderLabels(
        {QStringLiteral("Código"), QStringLiteral("Cód. Cardápio"), QStringLiteral("Descrição"), QStringLiteral("Valor R$")});

    auto *meio = new QHBoxLayout;
    auto *esq = new QVBoxLayout;
    esq->addWidget(new QLabel(QStringLiteral("Categoria"), this));
    grdGrupos = grade(this, tGrupos);
    esq->addWidget(grdGrupos, 1);
    auto *dir = new QVBoxLayout;
    dir->addWidget(new QLabel(QStringLiteral("Item"), this));
    grdItens = grade(this, tItens);
    grdItens->grade()->setColumnWidth(0, 60);
    grdItens->grade()->setColumnWidth(1, 100);
    grdItens->grade()->setColumnWidth(2, 340);
    dir->addWidget(grdItens, 1);
    meio->addLayout(esq, 1);
    meio->addLayout(dir, 3);
    raiz->addLayout(meio, 1);
    lblVazio = new QLabel(QStringLiteral("< Nenhuma Informação Encontrada >"), grdItens->grade()->viewport());
    lblVazio->setAlignment(Qt::AlignCenter);
    lblVazio->resize(360, 40);
    lblVazio->move(20, 20);
    lblVazio->hide();

    connect(grdGrupos->grade()->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (m_gruposLidos && grupoAtual() != 0)
            lerItens();
    });
    connect(grdItens->grade(), &QTableView::doubleClicked, this, [this](const QModelIndex &i) {
        if (i.isValid())
            grdItensEscolher();
    });
    grdGrupos->grade()->installEventFilter(this);
    grdItens->grade()->installEventFilter(this);
    for (int c = 0; c < grdGrupos->totalColunas(); ++c)
        grdGrupos->caixaFiltro(c)->installEventFilter(this);
}

void TFrmCardapio::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_gruposLidos)
        return;
    lerGrupos();
    m_gruposLidos = true;
    lerItens();
    FocaFiltroGrade(grdGrupos, 1);
}

void TFrmCardapio::lerGrupos()
{
    tGrupos->removeRows(0, tGrupos->rowCount());
    for (const Linha &l : DM->Conexao.lerTodas(QStringLiteral("SELECT * FROM GRUPO_PRODUTO ORDER BY DESCRICAO"))) {
        auto *i = new QStandardItem(l.texto(QStringLiteral("DESCRICAO")));
        i->setData(l.inteiro(QStringLiteral("ID_GRUPO_PRODUTO")), kPapelChave);
        i->setEditable(false);
        tGrupos->appendRow(i);
    }
    if (grdGrupos->visao()->rowCount() > 0)
        grdGrupos->grade()->setCurrentIndex(grdGrupos->visao()->index(0, 0));
}

qint64 TFrmCardapio::grupoAtual() const
{
    const QModelIndex i = grdGrupos->grade()->currentIndex();
    return i.isValid() ? i.siblingAtColumn(0).data(kPapelChave).toLongLong() : 0;
}

qint64 TFrmCardapio::itemAtual() const
{
    const QModelIndex i = grdItens->grade()->currentIndex();
    return i.isValid() ? i.siblingAtColumn(0).data(kPapelChave).toLongLong() : 0;
}

void TFrmCardapio::lerItens()
{
    const qint64 grupo = grupoAtual();
    m_grupoLido = grupo;
    tItens->removeRows(0, tItens->rowCount());
    const QList<Linha> linhas = DM->Conexao.lerTodas(
        QStringLiteral("SELECT ID_PRODUTO, REFERENCIA, DESCRICAO, VALOR_VENDA FROM PRODUTO WHERE ID_GRUPO_PRODUTO = ? "
                       "AND EXCLUIDO = 'N' ORDER BY REFERENCIA, DESCRICAO"),
        {grupo});
    for (const Linha &l : linhas) {
        QList<QStandardItem *> linha;
        auto *codigo = new QStandardItem(QString::number(l.inteiro(QStringLiteral("ID_PRODUTO"))));
        codigo->setData(l.inteiro(QStringLiteral("ID_PRODUTO")), kPapelChave);
        linha << codigo << new QStandardItem(l.texto(QStringLiteral("REFERENCIA")))
              << new QStandardItem(l.texto(QStringLiteral("DESCRICAO")))
              << new QStandardItem(l.dinheiro(QStringLiteral("VALOR_VENDA")).formatado());
        linha.last()->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (QStandardItem *i : linha)
            i->setEditable(false);
        tItens->appendRow(linha);
    }
    lblVazio->setVisible(linhas.isEmpty());
}

void TFrmCardapio::grdItensEscolher()
{
    const qint64 id = itemAtual();
    if (id == 0)
        return;
    accept();
    m_mesas->receberProduto(id);
}

void TFrmCardapio::reject()
{
    QDialog::reject();
    m_mesas->focarProduto();
}

bool TFrmCardapio::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            if (o == grdItens->grade()) {
                grdItensEscolher();
                return true;
            }
            if (o == grdGrupos->grade() || qobject_cast<QLineEdit *>(o)) {
                FocaFiltroGrade(grdItens, 3);
                return true;
            }
        }
    }
    return QDialog::eventFilter(o, e);
}
