#pragma once
// The tax-code lookups (CST/CSOSN, NCM, CEST) share one body: a read-only
// grid over one official code table with its filter row, a ribbon tab
// "Operações" (spreadsheet export, grouping, filter row, row heights) and a
// status bar. The tables are large (the TIPI has about 10,000 codes), so the
// filter row filters in the database: each box keeps the rows whose column
// starts with the typed text (case ignored); a "*" stands for any text, so
// "*texto" finds it anywhere. A pick (double click or Enter on a row) hands
// the row's code to the member screen, which fills the product record.
#include "base/Grade.h"

#include <QObject>
#include <functional>

class GradeFiltro;
class QDialog;
class QFileDialog;
class QLabel;
class QLineEdit;
class QStatusBar;
class QTableView;
class QTimer;
class QToolButton;
class QComboBox;
class QWidget;

namespace ConsultaFiscal {

// One column of a lookup: the grid's caption and how the filter row
// searches it.
struct Coluna {
    QString campo;     // column of the table, fixed in code
    QString titulo;    // grid caption
    bool codigo;       // a code: punctuation typed is dropped, searched on the column as stored
    int largura;
};

struct Definicao {
    QString tituloJanela;  // "Zentro Controle 5 - NCM"
    QString tabela;        // "TIPI"
    QList<Coluna> colunas;
    QString ordem;         // "NCM"
    // A pick: the column read on the current row and the code it gives the
    // product record; with `escreveVazio` false an empty code leaves the
    // record's field as it was.
    QString colunaEscolha;
    std::function<QString(const QString &)> codigoEscolha;
    bool escreveVazio = true;
};

// The condition of the filter row for the typed texts (one per column,
// empty = no condition) and its bound values; "" when nothing is typed.
struct Condicao {
    QString sql;
    Valores valores;
};
Condicao condicaoFiltro(const QList<Coluna> &colunas, const QStringList &textos);
// The whole statement of a lookup with its filter and an optional grouping
// column (rows of a group together, then the table's order).
QString sqlConsulta(const Definicao &d, const QString &condicao, const QString &agrupar = {});

// What a pick writes into the product record's CST field: characters 8-9 of
// a code that begins with "CST", 9-11 of one that begins with "CSOSN"; any
// other code gives "" (nothing written).
QString codigoCST(const QString &codCst);
// An NCM or CEST without its punctuation (. - : / ( )).
QString codigoSemPontuacao(const QString &codigo);

inline const QString kMsgNenhumaInformacao = QStringLiteral("< Nenhuma Informação Encontrada >");
inline const QString kDicaFiltro =
    QStringLiteral("Filtro de Pesquisa - Para pesquisar uma palavra em qualquer parte digite * antes");

// The body of one lookup screen, built into the dialog.
class Corpo : public QObject {
    Q_OBJECT
public:
    Corpo(QDialog *tela, const Definicao &definicao);

    GradeFiltro *grade() const { return m_grade; }
    QTableView *tabela() const;
    ModeloConsulta *modelo() const { return m_modelo; }
    QStatusBar *barraStatus() const { return m_status; }
    QLabel *painel(int i) const { return m_paineis.value(i); }
    QToolButton *btnExportar() const { return m_btnExportar; }
    QToolButton *btnAgrupamento() const { return m_btnAgrupamento; }
    QToolButton *btnFiltro() const { return m_btnFiltro; }
    QToolButton *btnRedimensionar() const { return m_btnRedimensionar; }
    QComboBox *cbAgrupar() const { return m_cbAgrupar; }
    QLabel *lblVazio() const { return m_lblVazio; }

    // Opens the table (as the screen is shown) and puts the cursor in the
    // filter row's second column.
    void abrir();
    // Runs the filter row's texts against the table now.
    void aplicarFiltro();
    // The value of a column on the current row ("" without rows).
    QString valorAtual(const QString &campo) const;
    // "Exportar para Excel".
    void exportar();

signals:
    // Double click or Enter on a row.
    void escolhido();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void ligarCaixas();
    void ajustarAlturas();
    void mostrarRelogio();

    QDialog *m_tela;
    Definicao m_def;
    ModeloConsulta *m_modelo;
    GradeFiltro *m_grade;
    QWidget *m_caixaAgrupar;
    QComboBox *m_cbAgrupar;
    QLabel *m_lblVazio;
    QStatusBar *m_status;
    QList<QLabel *> m_paineis;
    QTimer *m_relogio;
    QToolButton *m_btnExportar;
    QToolButton *m_btnAgrupamento;
    QToolButton *m_btnFiltro;
    QToolButton *m_btnRedimensionar;
    QList<QLineEdit *> m_ligadas;
};

} // namespace ConsultaFiscal
