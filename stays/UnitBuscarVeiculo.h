#pragma once
// "Buscar Veículo": the vehicles a customer brought on earlier stays; the one
// chosen fills the stay form's model and plate.
#include <QDialog>

class QLineEdit;
class QTableWidget;

class TFrmBuscarVeiculo : public QDialog {
    Q_OBJECT
public:
    TFrmBuscarVeiculo(qint64 idCliente, QLineEdit *edtModelo, QLineEdit *edtPlaca, QWidget *parent = nullptr);

    QTableWidget *grdVeiculos;

public slots:
    // Copies the current row (when it has a model) and closes.
    void escolher();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QLineEdit *m_modelo;
    QLineEdit *m_placa;
};

extern TFrmBuscarVeiculo *FrmBuscarVeiculo;
