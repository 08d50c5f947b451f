#pragma once
// "Relatório - Reservas": the reservations holding a room on a day of a period.
#include "base/Relatorio.h"
#include "base/UnitDM.h"

#include <QDate>
#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;

namespace RelReservas {

inline const QString kTitulo = QStringLiteral("Relatório de Reservas");
// Live reservations with a reserved day from `de` to `ate`, each once, by key.
QList<Linha> linhas(const QDate &de, const QDate &ate);
Relatorio relatorio(const QDate &de, const QDate &ate, const QList<Linha> &linhas);
QString textoLog(const QDate &de, const QDate &ate);

} // namespace RelReservas

class TFrmRelReservas : public QDialog {
    Q_OBJECT
public:
    // The period proposed: the reservation list's when it opens the report,
    // today otherwise.
    explicit TFrmRelReservas(QWidget *parent = nullptr, const QDate &de = {}, const QDate &ate = {});

    QLabel *imgCabecalho;
    QDateEdit *edtData1;
    QDateEdit *edtData2;
    QPushButton *btnImprimir;
    QPushButton *btnSair;

public slots:
    void btnImprimirClick();
    void btnSairClick();
};

extern TFrmRelReservas *FrmRelReservas;

void abrirRelReservas(QWidget *parent = nullptr, const QDate &de = {}, const QDate &ate = {});
