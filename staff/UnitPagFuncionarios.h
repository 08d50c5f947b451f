#pragma once
// "Pagamento de Funcionários": the employees' book of entries, a page per
// live employee (the page carries the employee's key) over the current
// search, with the month selector, the totals "Vencimentos", "Descontos" and
// "LÍQUIDO", the row colours (paid, credit, discount), the filter and period
// panels, the record form for new, altered and viewed entries, the deletion,
// the payment of an entry and the monthly payroll generation.
#include "staff/UnitCadPagFuncionarios.h"
#include "base/TelaLista.h"
#include "staff/PagamentoFuncionarios.h"

#include <QDialog>

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabBar;
class QTableView;
class QToolButton;

class TFrmPagFuncionarios : public QDialog, public ListaPagamentos {
    Q_OBJECT
public:
    explicit TFrmPagFuncionarios(QWidget *parent = nullptr);

    // The month of the last month filter ("03", "2025"); the record form's
    // mode is OP.
    QString Mes;
    QString Ano;

    QLabel *imgCabecalho;
    QTabBar *tabFuncionarios;     // a page per employee ("TS1", "TS2", ...)
    QListWidget *lstFuncionarios; // the names in bold
    QLabel *lblFuncionario;       // "<key> - <name>"
    QLabel *lblMes;               // "MARÇO - 2025"
    QToolButton *btnMesAnterior;  // "<"
    QToolButton *btnMesSeguinte;  // ">"
    TelaLista *lista;
    QTableView *dbgPagamentos;
    QLabel *lblVencimentos;
    QLabel *lblDescontos;
    QLabel *lblLiquido;
    QPushButton *btnNovo;
    QPushButton *btnAlterar;
    QPushButton *btnExcluir;
    QPushButton *btnPagar;        // "Efetuar Pagamento"
    QPushButton *btnGerarFolha;
    QPushButton *btnFiltros;
    QPushButton *btnPeriodo;
    QPushButton *btnSair;
    // filter panel
    QGroupBox *pnlFiltro;
    QList<QRadioButton *> rbFiltros; // in the order of PagamentoFuncionarios::Filtro
    QLineEdit *edtFiltro;
    QToolButton *btnBuscar;
    QToolButton *btnFecharFiltro;
    // period panel
    QGroupBox *pnlPeriodo;
    QDateEdit *dtpDe;
    QDateEdit *dtpAte;
    QPushButton *btnPesquisar;
    QToolButton *btnFecharPeriodo;

    ModeloConsulta *tPagFuncionarios() const { return lista->modelo(); }
    // The employee of the current page (0: none).
    qint64 funcionarioAtual() const;
    // The current row as an entry (empty list: key 0).
    PagamentoFuncionarios::Lancamento lancamentoAtual() const override;
    // Makes the page of position i current.
    void mostrarPagina(int i);

public slots:
    void btnNovoClick();
    void btnAlterarClick();
    void btnExcluirClick();
    void btnPagarClick();
    void btnGerarFolhaClick();
    void btnFiltrosClick();
    void btnPeriodoClick();
    void btnSairClick();
    void btnMesAnteriorClick();
    void btnMesSeguinteClick();
    void btnBuscarClick();
    void btnPesquisarClick();
    void dbgPagamentosDblClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    PagamentoFuncionarios::Filtro filtroEscolhido() const;
    void escolherFiltro(PagamentoFuncionarios::Filtro f);
    void aplicar(const PagamentoFuncionarios::Consulta &c);
    void reabrir();
    void atualizarTotais();
    void atualizarPagar();
    void passoMes(int passo);
    int abrirCadastro();

    PagamentoFuncionarios::Consulta m_consulta;
    bool m_mostrada = false;
    bool m_mudandoPagina = false;
};

extern TFrmPagFuncionarios *FrmPagFuncionarios;

// Opens the screen (ribbon, finance hub).
void abrirPagFuncionarios();
