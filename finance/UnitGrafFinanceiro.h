#pragma once
// "Gráficos - Financeiro": the entries or exits of a month (per day) or of a
// year (per month) as horizontal bars with their marks, shares, the period
// total and the average (content built by GrafFinanceiro, drawn here).
#include "finance/GrafFinanceiro.h"

#include <QDialog>
#include <QImage>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TFrmGrafFinanceiro : public QDialog {
    Q_OBJECT
public:
    explicit TFrmGrafFinanceiro(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QComboBox *cbMes;
    QSpinBox *edtAno;
    QRadioButton *rbEntradas;
    QRadioButton *rbSaidas;
    QRadioButton *rbMensal;
    QRadioButton *rbAnual;
    QPushButton *btnVisualizar;
    QPushButton *btnImprimir;
    QPushButton *btnSair;
    QChartView *Chart1;

    const GrafFinanceiro::Grafico &grafico() const { return m_grafico; }
    bool esticado() const { return m_esticado; }
    // The chart drawn apart from the screen as a picture of `tamanho` pixels.
    QImage imagem(const QSize &tamanho) const;
    // Draws a chart's content on a Qt chart: one bar per entry side by side,
    // red, its mark beside it, its legend text in the legend.
    static void desenhar(QChart *chart, const GrafFinanceiro::Grafico &g);

public slots:
    void btnVisualizarClick();
    void btnImprimirClick();
    void periodoClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    bool gerar();
    void restaurar();
    GrafFinanceiro::Periodo periodo() const;
    GrafFinanceiro::Tipo tipo() const;

    GrafFinanceiro::Grafico m_grafico;
    bool m_esticado = false;
    QWidget *m_opcoes = nullptr;
};

extern TFrmGrafFinanceiro *FrmGrafFinanceiro;

void abrirGrafFinanceiro();
