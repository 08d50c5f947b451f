#include "base/UnitFuncoes.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Telas.h"
#include "base/Planilha.h"

#include <QAbstractItemView>
#include <QDesktopServices>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace Funcoes {
std::function<bool(const QUrl &)> abrirUrl = [](const QUrl &u) { return QDesktopServices::openUrl(u); };
} // namespace Funcoes

// ---------------------------------------------------------------- filter

void FiltroColunas::definirFiltro(int coluna, const QString &texto)
{
    if (texto.isEmpty())
        m_filtros.remove(coluna);
    else
        m_filtros.insert(coluna, texto);
    invalidateRowsFilter();
}

void FiltroColunas::limpar()
{
    m_filtros.clear();
    invalidateRowsFilter();
}

void FiltroColunas::definirCuringa(bool sim)
{
    m_curinga = sim;
    invalidateRowsFilter();
}

bool FiltroColunas::filterAcceptsRow(int linha, const QModelIndex &pai) const
{
    for (auto it = m_filtros.cbegin(); it != m_filtros.cend(); ++it) {
        const QModelIndex i = sourceModel()->index(linha, it.key(), pai);
        const QString valor = sourceModel()->data(i, Qt::DisplayRole).toString();
        if (m_curinga) {
            QString padrao = QStringLiteral("^");
            for (const QString &parte : it.value().split(QLatin1Char('*')))
                padrao += QRegularExpression::escape(parte) + QStringLiteral(".*");
            const QRegularExpression re(padrao, QRegularExpression::CaseInsensitiveOption);
            if (!re.match(valor).hasMatch())
                return false;
        } else if (!valor.contains(it.value(), Qt::CaseInsensitive)) {
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------- grid

GradeFiltro::GradeFiltro(QWidget *parent) : QWidget(parent)
{
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    m_linhaFiltro = new QWidget(this);
    auto *h = new QHBoxLayout(m_linhaFiltro);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(0);
    m_grade = new QTableView(this);
    m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grade->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grade->installEventFilter(this);
    m_visao = new FiltroColunas(this);
    m_grade->setModel(m_visao);
    v->addWidget(m_linhaFiltro);
    v->addWidget(m_grade, 1);
    // The filter boxes follow the columns' widths.
    connect(m_grade->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int c, int, int largura) {
        if (QLineEdit *e = m_caixas.value(c))
            e->setFixedWidth(largura);
    });
}

void GradeFiltro::definirModelo(QAbstractItemModel *modelo)
{
    m_visao->limpar();
    m_visao->setSourceModel(modelo);
    montarCaixas();
    if (modelo) {
        connect(modelo, &QAbstractItemModel::modelReset, this, &GradeFiltro::montarCaixas, Qt::UniqueConnection);
        connect(modelo, &QAbstractItemModel::columnsInserted, this, &GradeFiltro::montarCaixas, Qt::UniqueConnection);
        connect(modelo, &QAbstractItemModel::columnsRemoved, this, &GradeFiltro::montarCaixas, Qt::UniqueConnection);
    }
}

void GradeFiltro::montarCaixas()
{
    const int n = m_visao->columnCount();
    if (n == m_caixas.size())
        return;
    qDeleteAll(m_caixas);
    m_caixas.clear();
    auto *h = static_cast<QHBoxLayout *>(m_linhaFiltro->layout());
    while (h->count())
        delete h->takeAt(0);
    h->addSpacing(m_grade->verticalHeader()->isVisible() ? m_grade->verticalHeader()->sizeHint().width() : 0);
    for (int c = 0; c < n; ++c) {
        auto *e = new QLineEdit(m_linhaFiltro);
        e->setFixedWidth(m_grade->columnWidth(c) > 0 ? m_grade->columnWidth(c) : 100);
        e->installEventFilter(this);
        connect(e, &QLineEdit::textChanged, this, [this, c](const QString &t) { m_visao->definirFiltro(c, t); });
        h->addWidget(e);
        m_caixas.append(e);
    }
    h->addStretch();
}

void GradeFiltro::limparFiltro()
{
    for (QLineEdit *e : std::as_const(m_caixas)) {
        const QSignalBlocker b(e);
        e->clear();
    }
    m_visao->limpar();
}

bool GradeFiltro::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        // Up on the first row goes into the filter row; Down from the filter
        // row goes back to the rows.
        if (o == m_grade && k->key() == Qt::Key_Up && m_grade->currentIndex().row() <= 0) {
            const int c = qMax(0, m_grade->currentIndex().column());
            if (QLineEdit *caixa = m_caixas.value(c)) {
                caixa->setFocus();
                caixa->selectAll();
                return true;
            }
        }
        if (k->key() == Qt::Key_Down && m_caixas.contains(static_cast<QLineEdit *>(o))) {
            m_grade->setFocus();
            if (m_visao->rowCount() > 0)
                m_grade->setCurrentIndex(m_visao->index(0, int(m_caixas.indexOf(static_cast<QLineEdit *>(o)))));
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void FocaFiltroGrade(GradeFiltro *Grid, int Coluna)
{
    if (!Grid)
        return;
    Grid->limparFiltro();
    Grid->grade()->setFocus();
    if (Grid->visao()->rowCount() > 0)
        Grid->grade()->setCurrentIndex(Grid->visao()->index(0, 0));
    if (QLineEdit *caixa = Grid->caixaFiltro(Coluna - 1)) {
        caixa->setFocus();
        caixa->selectAll();
    }
}

// ---------------------------------------------------------------- export

void ExportaGradeExcel(QWidget *Handle, QFileDialog *Dialog, QAbstractItemView *Grid)
{
    Q_UNUSED(Handle);
    try {
        if (!Dialog || !Grid || !Grid->model())
            throw ErroSistema(kMsgErroCriarArquivo);
        Dialog->setAcceptMode(QFileDialog::AcceptSave);
        // The question below replaces the dialog's own.
        Dialog->setOption(QFileDialog::DontConfirmOverwrite);
        if (Dialog->defaultSuffix().isEmpty())
            Dialog->setDefaultSuffix(QStringLiteral("xlsx"));
        if (Telas::executar(Dialog, typeid(QFileDialog)) != QDialog::Accepted)
            return;
        const QStringList escolhidos = Dialog->selectedFiles();
        QString arquivo = escolhidos.isEmpty() ? QString() : escolhidos.constFirst();
        if (arquivo.trimmed().isEmpty())
            return;
        if (QFileInfo(arquivo).suffix().isEmpty())
            arquivo += QStringLiteral(".xlsx");
        if (QFileInfo::exists(arquivo)
            && Mensagem::mostrar(Mensagem::Tipo::Pergunta, kMsgSubstituirArquivo, Mensagem::Sim | Mensagem::Nao,
                                 Mensagem::Sim, QStringLiteral("Confirmação"))
                != Mensagem::Sim)
            return;

        const QAbstractItemModel *m = Grid->model();
        auto *tabela = qobject_cast<QTableView *>(Grid);
        QList<int> colunas;
        for (int c = 0; c < m->columnCount(); ++c)
            if (!tabela || !tabela->isColumnHidden(c))
                colunas.append(c);
        QStringList cabecalho;
        for (int c : colunas)
            cabecalho << m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        // Every row, the children of grouped rows included.
        QList<QModelIndex> indices;
        std::function<void(const QModelIndex &)> juntar = [&](const QModelIndex &pai) {
            for (int l = 0; l < m->rowCount(pai); ++l) {
                const QModelIndex filho = m->index(l, 0, pai);
                indices.append(filho);
                if (m->hasChildren(filho))
                    juntar(filho);
            }
        };
        juntar(QModelIndex());
        QList<QVariantList> linhas(indices.size());
        for (int c : colunas) {
            QList<QModelIndex> celulas;
            celulas.reserve(indices.size());
            for (const QModelIndex &i : indices)
                celulas.append(i.siblingAtColumn(c));
            const QVariantList valores = Funcoes::valoresParaPlanilha(celulas);
            for (int l = 0; l < valores.size(); ++l)
                linhas[l].append(valores[l]);
        }
        Planilha::gravar(arquivo, cabecalho, linhas);
        Mensagem::mostrar(Mensagem::Tipo::Informacao, kMsgArquivoGerado, Mensagem::Ok, Mensagem::Ok,
                          QStringLiteral("Informação"));
        Funcoes::abrirUrl(QUrl::fromLocalFile(arquivo));
    } catch (const std::exception &) {
        Mensagem::mostrar(Mensagem::Tipo::Erro, kMsgErroCriarArquivo, Mensagem::Ok, Mensagem::Ok,
                          QStringLiteral("Erro"));
    }
}

namespace Funcoes {

QVariantList valoresParaPlanilha(const QList<QModelIndex> &celulas)
{
    static const QRegularExpression reData(QStringLiteral(R"(^\d{2}/\d{2}/\d{4}$)"));
    // What the column holds when its values are plain texts: money or
    // quantities ("1.234,56") or dates ("31/12/2024"), judged over every row
    // so that one text that only looks like a number stays text.
    bool textos = false;
    bool decimais = false;
    bool direita = false;
    bool colunaNumerica = true;
    bool colunaData = true;
    for (const QModelIndex &i : celulas) {
        const QVariant a = i.data(Qt::TextAlignmentRole);
        if (a.isValid() && (Qt::Alignment(a.toInt()) & Qt::AlignRight))
            direita = true;
        const QString t = i.data(Qt::DisplayRole).toString().trimmed();
        if (t.isEmpty())
            continue;
        textos = true;
        if (Planilha::decimalDeTexto(t))
            decimais = decimais || t.contains(QLatin1Char(','));
        else
            colunaNumerica = false;
        if (!reData.match(t).hasMatch() || !QDate::fromString(t, QStringLiteral("dd/MM/yyyy")).isValid())
            colunaData = false;
    }
    // Integers as text (codes, documents) stay text unless the grid aligns
    // the column as a number.
    colunaNumerica = textos && colunaNumerica && (decimais || direita);
    colunaData = textos && colunaData;

    QVariantList r;
    r.reserve(celulas.size());
    for (const QModelIndex &i : celulas) {
        const QVariant bruto = i.data(Qt::EditRole);
        const QString exibido = i.data(Qt::DisplayRole).toString();
        if (bruto.metaType() == QMetaType::fromType<Dinheiro>()
            || bruto.metaType() == QMetaType::fromType<Planilha::Decimal>()) {
            r.append(bruto);
            continue;
        }
        switch (bruto.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::QDate:
        case QMetaType::QDateTime:
        case QMetaType::QTime:
            r.append(bruto);
            continue;
        default:
            break;
        }
        if (exibido.trimmed().isEmpty()) {
            r.append(QVariant());
            continue;
        }
        // The exact text of a NUMERIC column under a grid that shows numbers.
        if (direita && bruto.typeId() == QMetaType::QString) {
            if (const auto d = Planilha::decimalDeSql(bruto.toString())) {
                r.append(QVariant::fromValue(*d));
                continue;
            }
        }
        if (colunaNumerica) {
            if (const auto d = Planilha::decimalDeTexto(exibido)) {
                r.append(QVariant::fromValue(*d));
                continue;
            }
        }
        if (colunaData) {
            r.append(QDate::fromString(exibido.trimmed(), QStringLiteral("dd/MM/yyyy")));
            continue;
        }
        r.append(exibido);
    }
    return r;
}

} // namespace Funcoes
