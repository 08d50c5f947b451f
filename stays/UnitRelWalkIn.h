#pragma once
// "Relatório - Entradas de Hóspedes": the stays entered between two moments.
#include "base/Relatorio.h"
#include "base/UnitDM.h"

#include <QDateTime>
#include <QDialog>

class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTimeEdit;

namespace RelWalkIn {

inline const QString kTitulo = QStringLiteral("Relatório de Entrada de Hóspedes");

struct Filtro {
    QDateTime de, ate;          // entry moments, both included
    bool apenasNF = false;      // "Apenas com NF Manual registrada"
    bool apenasCartoes = false; // "Apenas com pagamentos em cartões"
};

// Live stays entered in the period, with or without a reservation, by key.
QList<Linha> linhas(const Filtro &f);
Relatorio relatorio(const Filtro &f, const QList<Linha> &linhas);
QString textoLog(const Filtro &f);

} // namespace RelWalkIn

class TFrmRelWalkIn : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelWalkIn(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QDateEdit *edtData1;
    QTimeEdit *edtHora1;
    QDateEdit *edtData2;
    QTimeEdit *edtHora2;
    QCheckBox *CheckBox1;
    QCheckBox *CheckBox2;
    QPushButton *btnImprimir;
    QPushButton *btnSair;

    RelWalkIn::Filtro filtro() const;

public slots:
    void btnImprimirClick();
    void btnSairClick();
};

extern TFrmRelWalkIn *FrmRelWalkIn;

void abrirRelWalkIn(QWidget *parent = nullptr);
