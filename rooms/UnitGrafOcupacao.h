#pragma once
// "Gráficos - Ocupação": the occupancy chart of a month or a year as
// horizontal bars (content built by GrafOcupacao, drawn here).
#include "rooms/GrafOcupacao.h"

#include <QDialog>
#include <QImage>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TFrmGrafOcupacao : public QDialog {
    Q_OBJECT
public:
    explicit TFrmGrafOcupacao(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QRadioButton *rbMensal;
    QRadioButton *rbAnual;
    QRadioButton *rbDiarias;
    QRadioButton *rbLeitos;
    QComboBox *cbMes;
    QSpinBox *edtAno;
    QPushButton *btnVisualizar;
    QPushButton *btnImprimir;
    QPushButton *btnSair;
    QChartView *Chart1;

    // The chart last built (empty before the first).
    const GrafOcupacao::Grafico &grafico() const { return m_grafico; }
    bool esticado() const { return m_esticado; }
    // The chart drawn as a picture of `tamanho` pixels.
    QImage imagem(const QSize &tamanho) const;

    // Draws a chart's content on a Qt chart (shared by the screen and the page).
    static void desenhar(QChart *chart, const GrafOcupacao::Grafico &g);

public slots:
    void btnVisualizarClick();
    void btnImprimirClick();
    void btnSairClick();
    void periodoClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    bool gerar();
    void restaurar();
    GrafOcupacao::Periodo periodo() const;
    GrafOcupacao::Tipo tipo() const;

    GrafOcupacao::Grafico m_grafico;
    bool m_esticado = false;
    QWidget *m_opcoes = nullptr;
};

extern TFrmGrafOcupacao *FrmGrafOcupacao;

void abrirGrafOcupacao(QWidget *parent = nullptr);
