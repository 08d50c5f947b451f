#pragma once
// "Movimento Financeiro" report screen: the period (copied from the movement
// screen when it is open), "Detalhado", and the printed report of
// MovimentoFinanceiro.
#include "finance/MovimentoFinanceiro.h"

#include <QDate>
#include <QDialog>
#include <functional>
#include <optional>
#include <utility>

class QCheckBox;
class QDateEdit;
class QPushButton;
class QTimeEdit;

class TFrmRelMovFinanceiro : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelMovFinanceiro(QWidget *parent = nullptr);

    // The movement screen's dates while it is open, set by that screen.
    static std::function<std::optional<std::pair<QDate, QDate>>()> periodoDoMovimento;

    QDateEdit *edtData1;
    QTimeEdit *edtHora1;
    QDateEdit *edtData2;
    QTimeEdit *edtHora2;
    QCheckBox *chkDetalhado;
    QPushButton *btnImprimir;
    QPushButton *btnSair;

    MovimentoFinanceiro::Periodo periodo() const;
    // The rows and totals of the last print.
    const MovimentoFinanceiro::DadosRelatorio &dados() const { return m_dados; }

public slots:
    void btnImprimirClick();

private:
    MovimentoFinanceiro::DadosRelatorio m_dados;
};

extern TFrmRelMovFinanceiro *FrmRelMovFinanceiro;

void abrirRelMovFinanceiro();
