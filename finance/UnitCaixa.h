#pragma once
// "Caixa": the cash-register shifts, newest last, with the status line of the
// newest shift's balances above the grid and their detail per means below it.
// "Abrir" opens a shift on the shift form, "Registrar Fechamento" closes the
// open one and ends the program on this workstation, "Operações Financeiras"
// books withdrawals and additions, "+" shows a shift's balance detail. The
// Insert and Delete shortcuts show a shift on the shift form and delete one.
// A user without MOVIMENTOS sees only the newest shift.
#include "base/TelaLista.h"

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;

class TFrmCaixa : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCaixa(QWidget *parent = nullptr);

    // "I" while a shift is being opened, "A" when one is shown for
    // alteration; "Cancelar" on the shift form empties it.
    QString OP;

    QLabel *imgCabecalho;
    TelaLista *lista;
    QTableView *DBGrid1;
    QLabel *lblStatus;
    QGroupBox *grpSaldoDetalhado; // "Saldo Detalhado do Caixa"
    QLabel *lblStatusDinheiro;
    QLabel *lblStatusCartao;
    QLabel *lblStatusVisa;
    QLabel *lblStatusDebVisa;
    QLabel *lblStatusMaster;
    QLabel *lblStatusDebMaster;
    QLabel *lblStatusHiper;
    QLabel *lblStatusCheque;
    QLabel *lblStatusNotas;
    QPushButton *btnAbrir;
    QPushButton *JvXPButton7;     // "Registrar Fechamento"
    QPushButton *btnOperacoes;    // "Operações Financeiras"
    QPushButton *btnDetalhe;      // "+"
    QPushButton *btnAlterar;      // hidden; the Insert shortcut
    QPushButton *btnExcluir;      // hidden; the Delete shortcut
    QPushButton *btnSair;

    // Closes and opens the list again (the status line is recomputed).
    void reabrir();
    // The key of the shift on which the list stands (0 when empty).
    qint64 caixaAtual() const;

public slots:
    void btnAbrirClick();
    void JvXPButton7Click();
    void btnOperacoesClick();
    void btnDetalheClick();
    void btnAlterarClick();
    void btnExcluirClick();
    void btnSairClick();
    void MostrarTodos();
    void tCaixaAfterOpen();
    void tCaixaAfterScroll();

protected:
    void showEvent(QShowEvent *e) override;

private:
    QString sqlLista() const;
    bool m_mostrada = false;
};

extern TFrmCaixa *FrmCaixa;

// Opens the shift list (the ribbon's "Caixa", the cash-register gate and the
// finance launcher); afterwards the main window's gate checks again.
void abrirCaixa();
