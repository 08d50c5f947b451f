#pragma once
// The table record: a table's number and name ("Nova Mesa" / "Alterar Mesa"
// by the board's OP "I" / "A") and the automatic creation of any number of
// tables named after their numbers.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TFrmMesas;

class TFrmCadMesa : public QDialog {
    Q_OBJECT
public:
    // The board that opened the screen: its OP and current table.
    explicit TFrmCadMesa(TFrmMesas *mesas, QWidget *parent = nullptr);

    QLabel *lblTitulo;
    QLabel *lblCodigo;
    QLineEdit *edtDescricao;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QPushButton *btnAdicionarAutomaticamente;

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnAdicionarAutomaticamenteClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void mostrarProximo();
    TFrmMesas *m_mesas;
    QString m_op;
    qint64 m_id = 0;
};

extern TFrmCadMesa *FrmCadMesa;
