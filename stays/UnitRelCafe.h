#pragma once
// "Relatório - Café da Manhã": the guests still present in the open stays,
// room by room, with a column to tick.
#include "base/Relatorio.h"
#include "base/UnitDM.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace RelCafe {

inline const QString kTitulo = QStringLiteral("Relatório de Café da Manhã");
QList<Linha> linhas();
Relatorio relatorio(const QDate &hoje, const QList<Linha> &linhas);

} // namespace RelCafe

class TFrmRelCafe : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelCafe(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QPushButton *btnImprimir;
    QPushButton *btnSair;

public slots:
    void btnImprimirClick();
    void btnSairClick();
};

extern TFrmRelCafe *FrmRelCafe;

void abrirRelCafe(QWidget *parent = nullptr);
