#pragma once
// Login: the dialog that asks for user and password, and the rules behind
// it: checking the pair against USUARIO (deleted users left out), recording
// the user's presence on this workstation in ONLINE, loading the ten rights
// into the session and logging the attempt.
#include "base/Sessao.h"
#include "base/UnitDM.h"

#include <QDialog>
#include "core/Acesso.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

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
