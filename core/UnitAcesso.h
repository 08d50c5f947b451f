#pragma once
// Login: the dialog that asks for user and password, and the rules behind
// it: checking the pair against USUARIO (deleted users left out), recording
// the user's presence on this workstation in ONLINE, loading the ten rights
// into the session and logging the attempt.
#include "base/Sessao.h"
#include "base/UnitDM.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

namespace Acesso {

extern const char *const kMsgUsuarioSenhaIncorretos; // "Usuário ou Senha Incorreto(s)!"

// The users that may log in, by login: ID_USUARIO, LOGIN.
QList<Linha> usuariosAtivos();
// The ten rights of a USUARIO row: True where the column holds "S".
Direitos direitosDe(const Linha &usuario);

struct ResultadoLogin {
    bool sucesso = false;
    Linha usuario; // the row that matched
};

// One login attempt with the login chosen and the password as typed.
// Success: the session takes the user, its rights and AuxUsu, this user's
// presence on this workstation is recorded unless it already is, and
// "Acesso de Sistema" is logged. Failure: the attempt is logged under the
// label's login of that moment; the caller shows the message.
ResultadoLogin tentarLogin(const QString &login, const QString &senha);

} // namespace Acesso

class TFrmAcesso : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAcesso(QWidget *parent = nullptr);

    QLabel *lblData;
    QComboBox *cbUsuario;
    QLineEdit *edtSenha;
    QToolButton *btnAcessar;
    QToolButton *imgFechar;
    QLabel *lblEmpresa;
    QWidget *pnlAvisoTipoPC;

    // 1 after a successful login.
    int FECHOU = 0;

    // Selects a user of the combo by login; false when not offered.
    bool escolherUsuario(const QString &login);

public slots:
    void btnAcessarClick();
    void imgFecharClick();
    void cbUsuarioSelect();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
};

extern TFrmAcesso *FrmAcesso;
