#pragma once
// "Hóspedes": the guests still present in the open stays, with their room;
// searched by name.
#include "base/TelaLista.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QToolButton;

namespace Hospedes {
// Guests present (own BAIXA "N") of open stays, by name.
extern const QString kSqlLista;
// Guests present of any stay, with "%1" where the name condition goes.
extern const QString kSqlBusca;
} // namespace Hospedes

class TFrmHospedes : public QDialog {
    Q_OBJECT
public:
    explicit TFrmHospedes(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    TelaLista *lista;
    QTableView *dbgHospedes;
    QToolButton *btnBuscar;
    QToolButton *lblFechar;
    QPushButton *btnFiltros;
    QPushButton *btnSair;

public slots:
    void btnFiltrosClick();
    void btnSairClick();
};

extern TFrmHospedes *FrmHospedes;

void abrirHospedes(QWidget *parent = nullptr);
