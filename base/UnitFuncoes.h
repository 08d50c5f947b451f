#pragma once
// Grid routines shared by the lookup and menu screens: a grid with a filter
// row (one box per column above the rows), putting the cursor in that row,
// and exporting a grid as a spreadsheet.
#include <QSortFilterProxyModel>
#include <QUrl>
#include <QWidget>
#include <functional>

class QAbstractItemView;
class QFileDialog;
class QLineEdit;
class QTableView;

// Keeps the rows whose columns contain every typed filter text
// (case-insensitive, accents as typed).
class FiltroColunas : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void definirFiltro(int coluna, const QString &texto);
    QString filtro(int coluna) const { return m_filtros.value(coluna); }
    void limpar();
    // Wildcard mode: a typed text matches from the start of the value and
    // "*" stands for any text ("*BATATA" finds the word anywhere).
    void definirCuringa(bool sim);

protected:
    bool filterAcceptsRow(int linha, const QModelIndex &pai) const override;

private:
    QMap<int, QString> m_filtros;
    bool m_curinga = false;
};

// A grid with its filter row.
class GradeFiltro : public QWidget {
    Q_OBJECT
public:
    explicit GradeFiltro(QWidget *parent = nullptr);

    void definirModelo(QAbstractItemModel *modelo);
    QTableView *grade() const { return m_grade; }
    FiltroColunas *visao() const { return m_visao; }
    // The filter box of a column (0-based), or nullptr.
    QLineEdit *caixaFiltro(int coluna) const { return m_caixas.value(coluna); }
    int totalColunas() const { return int(m_caixas.size()); }
    // Empties every filter box and shows every row.
    void limparFiltro();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void montarCaixas();
    QTableView *m_grade;
    FiltroColunas *m_visao;
    QWidget *m_linhaFiltro;
    QList<QLineEdit *> m_caixas;
};

// Clears the filter, focuses the grid's first row (when there is one) and
// puts the cursor in the filter box of column Coluna (1-based).
void FocaFiltroGrade(GradeFiltro *Grid, int Coluna);

inline const QString kMsgSubstituirArquivo =
    QStringLiteral("Essa pasta já contém um arquivo com esse nome. Deseja substituí-lo?");
inline const QString kMsgArquivoGerado = QStringLiteral(
    "O Arquivo foi gerado com sucesso. Ele será aberto agora, Para abri-lo posteriormente, basta ir no caminho "
    "onde você salvou o arquivo.");
inline const QString kMsgErroCriarArquivo = QStringLiteral("Erro ao Criar Arquivo!");

// Asks for a file with Dialog and writes every row of Grid (as shown, in its
// current filter and order) as a spreadsheet, then opens it. An existing file
// is replaced only after the question. The file is written as .xlsx.
void ExportaGradeExcel(QWidget *Handle, QFileDialog *Dialog, QAbstractItemView *Grid);

namespace Funcoes {
// Opens a document or a web page with the desktop's program for it. Tests
// replace it.
extern std::function<bool(const QUrl &)> abrirUrl;
// The values of one grid column as the spreadsheet should hold them: typed
// values (Dinheiro, numbers, dates) as they are; a NUMERIC column's exact
// text under a right-aligned column as a number; a column whose every text
// is money or a quantity in Brazilian notation ("1.234,56") as numbers, one
// whose every text is a date dd/MM/yyyy as dates; anything else as shown.
QVariantList valoresParaPlanilha(const QList<QModelIndex> &celulas);
} // namespace Funcoes
