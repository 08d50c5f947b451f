#pragma once
// The recycle bin "Lixeira": lists the deleted records of eight kinds and
// restores five of them. Rooms and products are restored by setting their
// EXCLUIDO back to "N"; users, employees, suppliers and reservations by
// removing one of their rows in the deletion register. Customers are
// restored on the customer list, and cancelled stays cannot be restored.
// The log line and the restore run in one transaction.
#include "base/TelaLista.h"

#include <QDialog>
#include <QList>
#include "core/Lixeira.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TFrmAnulacoes : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAnulacoes(QWidget *parent = nullptr);

    QLabel *imgCabecalho; // the main window's header picture
    QGroupBox *pnlTipos;
    QList<QRadioButton *> rbTipos; // in the order of Lixeira::Tipo
    TelaLista *lista;
    QTableView *dbgAnulado;
    QPushButton *btnSair;

    // The chosen kind; false before any choice.
    bool escolhido() const { return m_escolhido; }
    Lixeira::Tipo tipoAtual() const { return m_tipo; }
    void escolher(Lixeira::Tipo tipo);

public slots:
    void dbgAnuladoDblClick();
    void btnSairClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool m_escolhido = false;
    Lixeira::Tipo m_tipo = Lixeira::Tipo::Clientes;
};

extern TFrmAnulacoes *FrmAnulacoes;

// Opens the recycle bin (ribbon "Lixeira").
void abrirAnulacoes();
