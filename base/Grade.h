#pragma once
// Grids of the list screens: a read-only model over one bound query, the row
// colours every grid of the system shares, the rights that enable a list's
// new/alter/delete buttons and the keeping of a list's position across a
// reopen.
//
// The model reads its result in batches as the grid scrolls (canFetchMore /
// fetchMore): opening a list over a large table reads only the first batch.
// The open cursor runs in a read-only transaction of its own that holds no
// lock (see CursorBanco). What needs every row runs in SQL instead of on the
// rows read so far: sorting by a column (sort(), the header click) and totals
// (somarEmSql, contarEmSql). The grid never resizes its columns to the
// contents.
#include "base/UnitDM.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>

class QAbstractButton;
class QAbstractItemView;
class QAction;
class QLabel;

// A colour given as $BBGGRR (blue in the high byte, red in the low byte).
inline QColor corBGR(quint32 bbggrr)
{
    return QColor::fromRgb(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

// A legend of a grid's row colours: the text on the colour ($BBGGRR), with a
// small margin.
QLabel *legendaCor(const QString &texto, quint32 cor, QWidget *pai, const QColor &corTexto = QColor(Qt::black));

namespace Cores {
constexpr quint32 Marinho = 0x800000;     // focused input
constexpr quint32 AzulClaro = 0xFFE2A8;   // odd grid rows
constexpr quint32 AzulForte = 0xF4A500;   // even grid rows
constexpr quint32 Branco = 0xFFFFFF;
constexpr quint32 Preto = 0x000000;
} // namespace Cores

// How a column shows its values. Automatico: dates dd/MM/yyyy, times
// hh:mm:ss, NUMERIC columns as money ("1.234,56"), anything else as text.
enum class FormatoColuna { Automatico, Texto, Dinheiro, Data, Hora, DataHora };

struct ColunaGrade {
    QString campo;    // column of the query
    QString titulo;   // caption shown in the header
    FormatoColuna formato = FormatoColuna::Automatico;
    int largura = 0;  // pixels; 0 keeps the view's default
    Qt::Alignment alinhamento = {}; // empty: money and numbers right, the rest left
};

class ModeloConsulta : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloConsulta(QObject *parent = nullptr);

    // The statement and its bound values; takes effect at the next abrir().
    void definirConsulta(const QString &sql, const Valores &valores = {});
    const QString &sql() const { return m_sql; }
    const Valores &valores() const { return m_valores; }
    // The columns the grid shows; without them every column of the query
    // is shown under its own name.
    void definirColunas(const QList<ColunaGrade> &colunas);

    // Runs the statement on DM->Conexao, replaces the rows and reads the first
    // batch. A database error leaves the model closed and reaches the caller.
    void abrir();
    void fechar();
    bool aberta() const { return m_aberta; }
    // Rows read so far (all of them once completa()).
    int total() const { return int(m_linhas.size()); }
    bool vazia() const { return m_linhas.isEmpty(); }
    // Every row of the result has been read.
    bool completa() const { return !m_cursor; }
    // Reads the rest of the result (a grid going to its last row).
    void buscarTodas();
    // Rows read per batch (at least 1).
    void definirLote(int linhas) { m_lote = qMax(1, linhas); }
    int lote() const { return m_lote; }

    // The total of a column and the number of rows over the whole result,
    // computed by the database. The column must be one of the query's.
    Dinheiro somarEmSql(const QString &campo) const;
    qint64 contarEmSql() const;
    // Orders the whole result by one of the query's columns (runs the
    // statement again with that order); an empty campo restores the
    // statement's own order.
    void ordenarPor(const QString &campo, Qt::SortOrder ordem = Qt::AscendingOrder);
    void sort(int coluna, Qt::SortOrder ordem = Qt::AscendingOrder) override;

    bool canFetchMore(const QModelIndex &parent = {}) const override;
    void fetchMore(const QModelIndex &parent = {}) override;

    // Values by row and query column (any column of the query, shown or not).
    int indiceCampo(const QString &campo) const;
    QVariant valor(int linha, const QString &campo) const;
    QString texto(int linha, const QString &campo) const;
    qint64 inteiro(int linha, const QString &campo) const;
    // The row as a Linha-like record of all query columns.
    QVariantMap registro(int linha) const;
    // First row whose column equals `valor` as text, case-insensitive; -1 when
    // none. Reads further batches until found or the result ends.
    int localizar(const QString &campo, const QString &valor, bool parcial = false) const;

    // The query column shown in a grid column.
    QString campoDaColuna(int coluna) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A value as the grid shows it.
    static QString formatar(const QVariant &v, FormatoColuna formato, bool numerico);

private:
    struct ColunaVisivel {
        int indice;
        ColunaGrade def;
    };
    void montarVisiveis();
    // Appends up to `n` rows from the cursor; false when none came.
    bool lerLote(int n);
    QString sqlEfetivo() const;
    void exigirCampo(const QString &campo) const;

    QString m_sql;
    QString m_ordem;               // ORDER BY added by sort(), empty for none
    std::unique_ptr<CursorBanco> m_cursor;
    int m_lote = 200;
    Valores m_valores;
    QList<ColunaGrade> m_definidas;
    QStringList m_campos;          // every column of the query, upper case
    QVector<bool> m_numericos;     // column declared as NUMERIC/DECIMAL
    QVector<QVector<QVariant>> m_linhas;
    QVector<ColunaVisivel> m_visiveis;
    bool m_aberta = false;
};

// The colours of one grid cell: black text on $FFE2A8 for odd record numbers
// (the first row is record 1) and on $F4A500 for even ones; white text on
// black when the cell is selected or has the focus.
struct CoresCelula {
    QColor fundo;
    QColor texto;
};
CoresCelula ColorirDBG(int linha, bool selecionadaOuFocada);

// Paints every cell of a grid with ColorirDBG.
class DelegateGrade : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

// Paints every cell of a row in the row's own colour (a status legend) with
// black text; a row without a colour keeps the alternating blues; a selected
// or focused cell is white on black.
class DelegateCorLinha : public DelegateGrade {
public:
    using CorDaLinha = std::function<std::optional<QColor>(int linha)>;
    DelegateCorLinha(CorDaLinha cor, QObject *parent) : DelegateGrade(parent), m_cor(std::move(cor)) {}

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    CorDaLinha m_cor;
};

// Gives a grid the system's look: row colours, whole-row single selection,
// no editing, no resizing to contents.
void prepararGrade(QAbstractItemView *grade);

// Enables the new button from the right INCLUI; with rows in the table the
// alter and delete buttons follow ALTERA and EXCLUI, without rows both are
// disabled; each menu item takes its button's state. Any pointer may be null.
void PermissaoTela(QAbstractButton *botaoIncluir, QAbstractButton *botaoAlterar, QAbstractButton *botaoExcluir,
                   QAction *itemIncluir, QAction *itemAlterar, QAction *itemExcluir, bool temLinhas);

// Keeps a list's current row across a reopen, with one remembered key for the
// whole program:
//  "AntesAbrir"  - when the list is open and nothing is remembered, remembers
//                  the current row's key;
//  "DepoisAbrir" - moves to the row holding the remembered key and forgets it;
//  "Exclusao"    - before a deletion: remembers the next row's key (the row's
//                  own key on the last row), the current row stays.
// The key is found by exact value first (case-insensitive); only when no row
// holds it exactly, the first row whose key starts with it. Errors (a grid
// without such a column, a closed list) are ignored.
void ReapontarGrid(QAbstractItemView *grade, const QString &id, const QString &param);
// The remembered key ("" when none) and its reset (tests, logout).
QString ReapontarGridChave();
void ReapontarGridEsquecer();
