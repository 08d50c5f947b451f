#pragma once
// "Relatório - Veículos": the guests' vehicles on the premises now, or those
// of the stays with a night in a period, room by room.
#include "base/Relatorio.h"
#include "base/UnitDM.h"

#include <QDate>
#include <QDialog>

class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace RelVeiculos {

inline const QString kTitulo = QStringLiteral("Relatório de Veículos");
// Vehicles present in open stays.
QList<Linha> atuais();
// Every vehicle of a stay with a night from `de` to `ate`, once each.
QList<Linha> doPeriodo(const QDate &de, const QDate &ate);
// `linhaCabecalho`: "(Data: ...)" or "(De: ... Até: ...)".
Relatorio relatorio(const QString &linhaCabecalho, const QList<Linha> &linhas);

} // namespace RelVeiculos

class TFrmRelVeiculos : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelVeiculos(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QRadioButton *chkAtual;
    QRadioButton *chkPeriodo;
    QGroupBox *grpPeriodo;
    QDateEdit *edtData1;
    QDateEdit *edtData2;
    QPushButton *btnImprimir;
    QPushButton *btnSair;

public slots:
    void btnImprimirClick();
    void btnSairClick();
    void opcaoClick();
};

extern TFrmRelVeiculos *FrmRelVeiculos;

void abrirRelVeiculos(QWidget *parent = nullptr);
