#pragma once
// "Alíquotas Tributárias": programs one tax rate (ICMS or ISS) into the
// fiscal printer.
#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace Aliquotas {
// The rate as typed ("18,00", "5,5") once cleaned, when it is a rate from
// 0,01 to 99,99; nothing otherwise.
std::optional<QString> lerAliquota(const QString &texto);
} // namespace Aliquotas

class TFrmAliquotas : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAliquotas(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QLineEdit *edtAliquota;   // "Valor da Alíquota (%):"
    QRadioButton *rbICMS;
    QRadioButton *rbISS;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;

    void FormShow();

public slots:
    void btnConfirmarClick();

protected:
    void showEvent(QShowEvent *e) override;
};

extern TFrmAliquotas *FrmAliquotas;
