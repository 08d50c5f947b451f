#pragma once
// "Veículos": the guests' vehicles still on the premises (open stays), with
// their room; searched by plate.
#include "base/TelaLista.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QToolButton;

namespace Veiculos {
// Vehicles present (own BAIXA "N") of open stays, by model.
extern const QString kSqlLista;
// Vehicles present of any stay, with "%1" where the plate condition goes.
extern const QString kSqlBusca;
} // namespace Veiculos

class TFrmVeiculos : public QDialog {
    Q_OBJECT
public:
    explicit TFrmVeiculos(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    TelaLista *lista;
    QTableView *dbgVeiculos;
    QToolButton *btnBuscar;
    QToolButton *lblFechar;
    QPushButton *btnFiltros;
    QPushButton *btnSair;

public slots:
    void btnFiltrosClick();
    void btnSairClick();
};

extern TFrmVeiculos *FrmVeiculos;

void abrirVeiculos(QWidget *parent = nullptr);
