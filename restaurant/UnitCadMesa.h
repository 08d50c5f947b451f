#pragma once
// The table record: a table's number and name ("Nova Mesa" / "Alterar Mesa"
// by the board's OP "I" / "A") and the automatic creation of any number of
// tables named after their numbers.
#include "restaurant/Mesas.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// What the table record asks of the board that opened it.
class QuadroMesas {
public:
    // "I" new table, "A" alter table (read by the table record screen);
    // "FECHAR" and "EXTRATO" before the account.
    QString OP;
    Mesas::Textos textos;

    // The current card.
    virtual std::optional<Mesas::Mesa> mesaAtual() const = 0;
    // Re-reads the cards and the queue unless the queue has the focus.
    virtual void atualizar() = 0;
    // The board itself, the record's parent.
    virtual QWidget *tela() = 0;

protected:
    ~QuadroMesas() = default;
};

class TFrmCadMesa : public QDialog {
    Q_OBJECT
public:
    // The board that opened the screen: its OP and current table.
    explicit TFrmCadMesa(QuadroMesas *mesas, QWidget *parent = nullptr);

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
    QuadroMesas *m_mesas;
    QString m_op;
    qint64 m_id = 0;
};

extern TFrmCadMesa *FrmCadMesa;
