#pragma once
// "Itens de Estoque": the list of live stock items with its filter panel,
// orders, deletion through the deletion register, the stock movement panel
// (additions and withdrawals, each with its history row) and the ways into
// the item record and the movement history. Alter, delete and the values
// are offered only to users with the right MOVIMENTOS (the workstation's
// permission does not count here).
#include "base/TelaLista.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

class TFrmItens : public QDialog, public ListaCadastro {
    Q_OBJECT
public:
    explicit TFrmItens(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QTableView *dbgItens;
    QPushButton *btnNovo;
    QPushButton *btnAlterar;
    QPushButton *btnExcluir;
    QPushButton *btnAdicao;     // "Efetuar Adição"
    QPushButton *btnBaixa;      // "Efetuar Baixa"
    QPushButton *btnHistorico;  // "Histórico de Movimentação"
    QPushButton *btnFiltros;
    QPushButton *btnSair;
    QToolButton *btnBuscar;       // the filter panel's search button
    QToolButton *btnFecharFiltro; // "x"
    // The movement panel "Movimentação de Estoque".
    QGroupBox *pnlMovimentacao;
    QLabel *lblData;
    QLabel *lblUsuario;
    QLabel *lblTipo;
    QLabel *lblItem;
    QLineEdit *edtQuantidade;
    QLineEdit *edtJustificativa;
    QPushButton *btnConfirmarMov;
    QToolButton *btnFecharMov;  // "x"

    ModeloConsulta *tItem() const { return lista->modelo(); }

    // The filter panel's search (Enter in its text, the search button): a
    // numeric choice with a text that is not a whole number is refused.
    void buscar();

public slots:
    void btnNovoClick();
    void btnAlterarClick();
    void btnExcluirClick();
    void btnAdicaoClick();
    void btnBaixaClick();
    void btnConfirmarMovClick();
    void btnFecharMovClick();
    void btnHistoricoClick();
    void btnFiltrosClick();
    void btnSairClick();
    void dbgItensDblClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    int abrirCadastro();
    void abrirMovimentacao(bool adicao);
    void aplicarMovimentos();

    bool m_mostrada = false;
    qint64 m_itemMov = 0;
};

extern TFrmItens *FrmItens;

// Opens the stock item list (ribbon, registry hub).
void abrirItens();
