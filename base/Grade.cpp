#include "base/Grade.h"
#include "base/Mensagem.h"

#include <QLabel>
#include "base/Sessao.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QHeaderView>
#include <QSqlField>
#include <QSqlRecord>
#include <QTableView>

// ---------------------------------------------------------------- ModeloConsulta

ModeloConsulta::ModeloConsulta(QObject *parent) : QAbstractTableModel(parent) {}

void ModeloConsulta::definirConsulta(const QString &sql, const Valores &valores)
{
    m_sql = sql;
    m_valores = valores;
}

void ModeloConsulta::definirColunas(const QList<ColunaGrade> &colunas)
{
    beginResetModel();
    m_definidas = colunas;
    montarVisiveis();
    endResetModel();
}

void ModeloConsulta::montarVisiveis()
{
    m_visiveis.clear();
    if (m_definidas.isEmpty()) {
        for (int i = 0; i < m_campos.size(); ++i)
            m_visiveis.append({i, ColunaGrade{m_campos[i], m_campos[i]}});
        return;
    }
    for (const ColunaGrade &c : m_definidas)
        m_visiveis.append({int(m_campos.indexOf(c.campo.toUpper())), c});
}

QString ModeloConsulta::sqlEfetivo() const
{
    if (m_ordem.isEmpty())
        return m_sql;
    return QStringLiteral("SELECT * FROM (%1) T ORDER BY %2").arg(m_sql, m_ordem);
}

void ModeloConsulta::abrir()
{
    beginResetModel();
    m_aberta = false;
    m_cursor.reset();
    m_linhas.clear();
    m_campos.clear();
    m_numericos.clear();
    try {
        m_cursor = DM->Conexao.abrirCursor(sqlEfetivo(), m_valores);
        const QSqlRecord colunas = m_cursor->colunas();
        for (int i = 0; i < colunas.count(); ++i) {
            m_campos.append(colunas.fieldName(i).toUpper());
            m_numericos.append(colunas.field(i).metaType().id() == QMetaType::Double);
        }
        const auto linhas = m_cursor->buscar(m_lote);
        for (const auto &l : linhas)
            m_linhas.append(l);
        if (m_cursor->fim())
            m_cursor.reset();
    } catch (...) {
        m_cursor.reset();
        m_linhas.clear();
        montarVisiveis();
        endResetModel();
        throw;
    }
    m_aberta = true;
    montarVisiveis();
    endResetModel();
}

void ModeloConsulta::fechar()
{
    beginResetModel();
    m_aberta = false;
    m_cursor.reset();
    m_linhas.clear();
    endResetModel();
}

bool ModeloConsulta::lerLote(int n)
{
    if (!m_cursor)
        return false;
    QList<QVector<QVariant>> novas;
    try {
        novas = m_cursor->buscar(n);
    } catch (const ErroBanco &) {
        // The rows read so far stay; the list shows no more of them.
        m_cursor.reset();
        throw;
    }
    if (m_cursor->fim())
        m_cursor.reset();
    if (novas.isEmpty())
        return false;
    beginInsertRows({}, int(m_linhas.size()), int(m_linhas.size() + novas.size() - 1));
    for (auto &l : novas)
        m_linhas.append(std::move(l));
    endInsertRows();
    return true;
}

bool ModeloConsulta::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_cursor != nullptr;
}

void ModeloConsulta::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid())
        return;
    try {
        lerLote(m_lote);
    } catch (const ErroBanco &e) {
        // Called while the grid paints or scrolls: the message waits for it.
        const QString texto = e.texto();
        QMetaObject::invokeMethod(this, [texto] { Mensagem::erro(texto); }, Qt::QueuedConnection);
    }
}

void ModeloConsulta::buscarTodas()
{
    while (lerLote(qMax(m_lote, 1000))) {
    }
}

void ModeloConsulta::exigirCampo(const QString &campo) const
{
    if (indiceCampo(campo) < 0)
        throw ErroSistema(QStringLiteral("Coluna inexistente na consulta: %1").arg(campo));
}

Dinheiro ModeloConsulta::somarEmSql(const QString &campo) const
{
    exigirCampo(campo);
    return DM->Conexao
        .ler(QStringLiteral("SELECT SUM(%1) AS TOTAL FROM (%2) T").arg(m_campos[indiceCampo(campo)], m_sql), m_valores)
        .dinheiro(QStringLiteral("TOTAL"));
}

qint64 ModeloConsulta::contarEmSql() const
{
    return DM->Conexao.valor(QStringLiteral("SELECT COUNT(*) FROM (%1) T").arg(m_sql), m_valores).toLongLong();
}

void ModeloConsulta::ordenarPor(const QString &campo, Qt::SortOrder ordem)
{
    if (campo.isEmpty()) {
        m_ordem.clear();
    } else {
        exigirCampo(campo);
        // The name comes from the query's own columns, never from input.
        m_ordem = QStringLiteral("%1 %2").arg(m_campos[indiceCampo(campo)],
                                              ordem == Qt::AscendingOrder ? QStringLiteral("ASC")
                                                                          : QStringLiteral("DESC"));
    }
    if (m_aberta)
        abrir();
}

void ModeloConsulta::sort(int coluna, Qt::SortOrder ordem)
{
    if (coluna < 0 || coluna >= m_visiveis.size() || m_visiveis[coluna].indice < 0)
        return;
    ordenarPor(m_campos[m_visiveis[coluna].indice], ordem);
}

int ModeloConsulta::indiceCampo(const QString &campo) const { return int(m_campos.indexOf(campo.toUpper())); }

QVariant ModeloConsulta::valor(int linha, const QString &campo) const
{
    const int c = indiceCampo(campo);
    if (c < 0 || linha < 0 || linha >= m_linhas.size())
        return {};
    return m_linhas[linha][c];
}

QString ModeloConsulta::texto(int linha, const QString &campo) const
{
    return textoDeValor(valor(linha, campo));
}

qint64 ModeloConsulta::inteiro(int linha, const QString &campo) const
{
    const QVariant v = valor(linha, campo);
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    return ok ? n : 0;
}

QVariantMap ModeloConsulta::registro(int linha) const
{
    QVariantMap m;
    if (linha < 0 || linha >= m_linhas.size())
        return m;
    for (int i = 0; i < m_campos.size(); ++i)
        m.insert(m_campos[i], m_linhas[linha][i]);
    return m;
}

int ModeloConsulta::localizar(const QString &campo, const QString &valor, bool parcial) const
{
    const int c = indiceCampo(campo);
    if (c < 0)
        return -1;
    auto *eu = const_cast<ModeloConsulta *>(this);
    for (int i = 0;; ++i) {
        if (i >= m_linhas.size() && !eu->lerLote(qMax(m_lote, 1000)))
            return -1;
        const QString t = texto(i, campo);
        if (parcial ? t.startsWith(valor, Qt::CaseInsensitive) : t.compare(valor, Qt::CaseInsensitive) == 0)
            return i;
    }
}

QString ModeloConsulta::campoDaColuna(int coluna) const
{
    if (coluna < 0 || coluna >= m_visiveis.size())
        return {};
    return m_visiveis[coluna].def.campo.toUpper();
}

int ModeloConsulta::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_linhas.size());
}

int ModeloConsulta::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_visiveis.size());
}

namespace {

// "-1234567.5" -> "-1.234.567,50" with `casas` decimals.
QString numeroBrasileiro(const QString &sql, int casas)
{
    QString t = sql.trimmed();
    bool negativo = t.startsWith(QLatin1Char('-'));
    if (negativo)
        t = t.mid(1);
    QString inteira = t.section(QLatin1Char('.'), 0, 0);
    QString fracao = t.section(QLatin1Char('.'), 1);
    if (inteira.isEmpty())
        inteira = QStringLiteral("0");
    fracao = fracao.leftJustified(casas, QLatin1Char('0'), true);
    QString agrupada;
    for (int i = 0; i < inteira.size(); ++i) {
        if (i > 0 && (inteira.size() - i) % 3 == 0)
            agrupada += QLatin1Char('.');
        agrupada += inteira[i];
    }
    if (negativo && (agrupada != QLatin1String("0") || fracao.count(QLatin1Char('0')) != fracao.size()))
        agrupada.prepend(QLatin1Char('-'));
    return casas > 0 ? agrupada + QLatin1Char(',') + fracao : agrupada;
}

} // namespace

QString ModeloConsulta::formatar(const QVariant &v, FormatoColuna formato, bool numerico)
{
    if (v.isNull() || !v.isValid())
        return {};
    switch (formato) {
    case FormatoColuna::Texto:
        return v.toString();
    case FormatoColuna::Dinheiro:
        return Dinheiro::deVariant(v).formatado();
    case FormatoColuna::Data:
        return (v.typeId() == QMetaType::QDateTime ? v.toDateTime().date() : v.toDate())
            .toString(QStringLiteral("dd/MM/yyyy"));
    case FormatoColuna::Hora:
        return (v.typeId() == QMetaType::QDateTime ? v.toDateTime().time() : v.toTime())
            .toString(QStringLiteral("HH:mm:ss"));
    case FormatoColuna::DataHora:
        return v.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    case FormatoColuna::Automatico:
        break;
    }
    switch (v.typeId()) {
    case QMetaType::QDate:
    case QMetaType::QTime:
    case QMetaType::QDateTime:
        return textoDeValor(v);
    case QMetaType::QString:
        if (numerico) {
            // NUMERIC read exactly: keep its own number of decimals, at least two.
            const QString t = v.toString();
            const int casas = t.contains(QLatin1Char('.')) ? int(t.section(QLatin1Char('.'), 1).size()) : 0;
            return numeroBrasileiro(t, qMax(2, casas));
        }
        return v.toString();
    default:
        return v.toString();
    }
}

QVariant ModeloConsulta::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_linhas.size() || index.column() >= m_visiveis.size())
        return {};
    const ColunaVisivel &c = m_visiveis[index.column()];
    if (c.indice < 0)
        return {};
    const QVariant &v = m_linhas[index.row()][c.indice];
    switch (role) {
    case Qt::DisplayRole:
        return formatar(v, c.def.formato, m_numericos.value(c.indice));
    case Qt::EditRole:
        return v;
    case Qt::TextAlignmentRole:
        if (c.def.alinhamento)
            return int(c.def.alinhamento | Qt::AlignVCenter);
        if (c.def.formato == FormatoColuna::Dinheiro
            || (c.def.formato == FormatoColuna::Automatico && m_numericos.value(c.indice)))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant ModeloConsulta::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= m_visiveis.size())
        return {};
    return m_visiveis[section].def.titulo;
}

// ---------------------------------------------------------------- colours

CoresCelula ColorirDBG(int linha, bool selecionadaOuFocada)
{
    if (selecionadaOuFocada)
        return {corBGR(Cores::Preto), corBGR(Cores::Branco)};
    const int registro = linha + 1;
    return {corBGR(registro % 2 == 1 ? Cores::AzulClaro : Cores::AzulForte), corBGR(Cores::Preto)};
}

void DelegateGrade::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const bool selecionada = option->state & (QStyle::State_Selected | QStyle::State_HasFocus);
    const CoresCelula c = ColorirDBG(index.row(), selecionada);
    if (selecionada) {
        option->palette.setColor(QPalette::Highlight, c.fundo);
        option->palette.setColor(QPalette::HighlightedText, c.texto);
        option->backgroundBrush = c.fundo;
        option->state |= QStyle::State_Selected;
    } else {
        option->backgroundBrush = c.fundo;
    }
    option->palette.setColor(QPalette::Text, c.texto);
}

void DelegateCorLinha::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    DelegateGrade::initStyleOption(option, index);
    if (option->state & (QStyle::State_Selected | QStyle::State_HasFocus))
        return;
    if (const std::optional<QColor> cor = m_cor ? m_cor(index.row()) : std::nullopt) {
        option->backgroundBrush = *cor;
        option->palette.setColor(QPalette::Text, Qt::black);
    }
}

void prepararGrade(QAbstractItemView *grade)
{
    if (!grade)
        return;
    grade->setItemDelegate(new DelegateGrade(grade));
    grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade->setSelectionMode(QAbstractItemView::SingleSelection);
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->setAlternatingRowColors(false);
    if (auto *t = qobject_cast<QTableView *>(grade)) {
        t->verticalHeader()->setVisible(false);
        t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
        t->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
        t->horizontalHeader()->setStretchLastSection(true);
        t->setWordWrap(false);
    }
}

// ---------------------------------------------------------------- rights

void PermissaoTela(QAbstractButton *botaoIncluir, QAbstractButton *botaoAlterar, QAbstractButton *botaoExcluir,
                   QAction *itemIncluir, QAction *itemAlterar, QAction *itemExcluir, bool temLinhas)
{
    const Direitos &d = Sessao::atual().direitos;
    const bool incluir = d.INCLUI;
    const bool alterar = temLinhas && d.ALTERA;
    const bool excluir = temLinhas && d.EXCLUI;
    if (botaoIncluir)
        botaoIncluir->setEnabled(incluir);
    if (botaoAlterar)
        botaoAlterar->setEnabled(alterar);
    if (botaoExcluir)
        botaoExcluir->setEnabled(excluir);
    // Each menu item takes its button's state (the right alone when there is no button).
    if (itemIncluir)
        itemIncluir->setEnabled(botaoIncluir ? botaoIncluir->isEnabled() : incluir);
    if (itemAlterar)
        itemAlterar->setEnabled(botaoAlterar ? botaoAlterar->isEnabled() : alterar);
    if (itemExcluir)
        itemExcluir->setEnabled(botaoExcluir ? botaoExcluir->isEnabled() : excluir);
}

// ---------------------------------------------------------------- position

namespace {
QString &chaveLembrada()
{
    static QString chave;
    return chave;
}
// The remembered key is the deleted last row's own key: after the reopen the
// list goes to the row that is now last.
bool &exclusaoNoFim()
{
    static bool fim = false;
    return fim;
}
} // namespace

QString ReapontarGridChave() { return chaveLembrada(); }
void ReapontarGridEsquecer()
{
    chaveLembrada().clear();
    exclusaoNoFim() = false;
}

void ReapontarGrid(QAbstractItemView *grade, const QString &id, const QString &param)
{
    if (!grade)
        return;
    auto *modelo = qobject_cast<ModeloConsulta *>(grade->model());
    if (!modelo || modelo->indiceCampo(id) < 0)
        return;
    const int atual = grade->currentIndex().isValid() ? grade->currentIndex().row() : -1;
    auto irPara = [&](int linha) {
        if (linha < 0 || linha >= modelo->total())
            return;
        const QModelIndex i = modelo->index(linha, qMax(0, grade->currentIndex().column()));
        grade->setCurrentIndex(i);
        grade->scrollTo(i);
    };
    QString &chave = chaveLembrada();
    if (param == QLatin1String("AntesAbrir")) {
        if (modelo->aberta() && chave.isEmpty() && atual >= 0) {
            chave = modelo->texto(atual, id);
            exclusaoNoFim() = false;
        }
    } else if (param == QLatin1String("DepoisAbrir")) {
        if (!chave.isEmpty()) {
            int linha = modelo->localizar(id, chave, false);
            if (linha < 0)
                linha = modelo->localizar(id, chave, true);
            if (linha < 0 && exclusaoNoFim())
                linha = modelo->total() - 1;
            irPara(linha);
        }
        chave.clear();
        exclusaoNoFim() = false;
    } else if (param == QLatin1String("Exclusao")) {
        if (!modelo->aberta() || atual < 0)
            return;
        const bool ultima = atual + 1 >= modelo->total();
        chave = modelo->texto(ultima ? atual : atual + 1, id);
        exclusaoNoFim() = ultima;
    }
}

QLabel *legendaCor(const QString &texto, quint32 cor, QWidget *pai, const QColor &corTexto)
{
    auto *l = new QLabel(texto, pai);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, corBGR(cor));
    p.setColor(QPalette::WindowText, corTexto);
    l->setPalette(p);
    l->setMargin(3);
    return l;
}
