#pragma once
// "Movimento Financeiro": the entries and exits of a period with their
// totals per group and per means, the balance, the detail boxes, the
// statement of a closed stay on double-click, the reversal of cash additions
// and withdrawals, and the printed report. Rules in MovimentoFinanceiro.
#include "finance/MovimentoFinanceiro.h"

#include <QDialog>
#include <functional>

class QDateEdit;
class QLabel;
class QMenuBar;
class QPushButton;
class QTableView;
class QTimeEdit;
class ModeloMovimentos;

class TFrmMovimentoFinanceiro : public QDialog {
    Q_OBJECT
public:
    explicit TFrmMovimentoFinanceiro(QWidget *parent = nullptr);

    QDateEdit *edtData1;
    QTimeEdit *edtHora1;
    QDateEdit *edtData2;
    QTimeEdit *edtHora2;
    QPushButton *btnCalcular;
    QPushButton *btnImprimir;
    QPushButton *btnSair;
    QMenuBar *menuAtalhos;
    QTableView *dbgMov;
    QTableView *dbgSaidas;
    QPushButton *btnEstornoReposicao;   // beside the entries
    QPushButton *btnEstornoRetirada;    // beside the exits
    QLabel *lblHospedagens;
    QLabel *lblDespesasAvulsas;
    QLabel *lblAdiantados;
    QLabel *lblReposicoes;
    QLabel *lblSaidas;
    QPushButton *btnMaisHospedagens;
    QPushButton *btnMaisDespesasAvulsas;
    QPushButton *btnMaisAdiantados;
    QPushButton *btnMaisReposicoes;
    QPushButton *btnMaisSaidas;
    QLabel *lblTotalEntradas;
    QLabel *lblTotalSaidas;
    QLabel *lblSaldo;

    // The statement of a closed stay (the stays subsystem sets it).
    static std::function<void(qint64 idEntrada)> extratoConta;

    const QList<MovimentoFinanceiro::Movimento> &entradas() const { return m_entradas; }
    const QList<MovimentoFinanceiro::Movimento> &saidas() const { return m_saidas; }
    const MovimentoFinanceiro::Totais &totais() const { return m_totais; }
    MovimentoFinanceiro::Periodo periodo() const;
    bool calculado() const { return m_calculado; }

public slots:
    void btnCalcularClick();
    void btnImprimirClick();
    void btnEstornoReposicaoClick();
    void btnEstornoRetiradaClick();
    void dbgMovDblClick();
    void periodoAlterado();

private:
    void limpar();
    void estornar(const MovimentoFinanceiro::Movimento *m, const QString &pergunta);
    const MovimentoFinanceiro::Movimento *atual(QTableView *grade, const QList<MovimentoFinanceiro::Movimento> &l) const;

    ModeloMovimentos *m_modeloMov;
    ModeloMovimentos *m_modeloSaidas;
    QList<MovimentoFinanceiro::Movimento> m_entradas, m_saidas;
    MovimentoFinanceiro::Totais m_totais;
    bool m_calculado = false;
};

extern TFrmMovimentoFinanceiro *FrmMovimentoFinanceiro;

void abrirMovimentoFinanceiro();
