#pragma once
// The user record form: a new user ("N_U"), a new login for a user ("A_U")
// or a new password ("A_S"). Logins and passwords are typed in capitals, at
// most 10 characters, and stored as typed.
#include <QDialog>
#include "core/CadastroUsuario.h"

class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

class TFrmCadUsu : public QDialog {
    Q_OBJECT
public:
    // tipo "N_U", "A_U" or "A_S"; for the two alterations the user's key,
    // login and password (the users list's current row).
    TFrmCadUsu(const QString &tipo, qint64 idUsuario = 0, const QString &login = {}, const QString &senha = {},
               QWidget *parent = nullptr);

    QLabel *lblTitulo;
    QLineEdit *edtUsuario;
    QLineEdit *edtSenha;
    QLineEdit *edtConfirmar;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QMenuBar *menuAtalhos;

    const QString &tipo() const { return m_tipo; }

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    QString m_tipo;
    qint64 m_id;
    QString m_loginAtual;
};

extern TFrmCadUsu *FrmCadUsu;
