#pragma once
// "Usuários e Permissões": the users list, the editing of their ten rights,
// deletion through the deletion register and the copy of the users into the
// companion point of sale (USUARIOS_PDV) when UTILIZA_FISCAL is "S".
// User 1 is never listed here (it cannot be renamed, have its rights changed
// or be deleted on this screen) but it is copied into the point of sale.
#include "base/TelaLista.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace Usuarios {

// The list: live users but user 1, by key.
extern const QString kSqlLista;

// The ten rights in the order of the panel and of the statement.
const QStringList &colunasDireitos();
const QStringList &legendasDireitos();

// Writes the ten rights ("S"/"N") of a user and logs
// "Atualizou Permissões do Usuário -> <login>" in one transaction.
void salvarPermissoes(qint64 idUsuario, const QString &login, const QList<bool> &direitos);

// Deletes a user through the deletion register and logs
// "Excluiu Usuário -> <login>" in one transaction.
void excluir(qint64 idUsuario, const QString &login);

// With UTILIZA_FISCAL "S": rebuilds USUARIOS_PDV of the companion database
// from the live users (user 1 included) in one transaction on that database:
// key, login, password, fourteen "1" flags and the highest discount (100 for
// full access, else the setting LIMITE_DESCONTO). Otherwise does nothing and
// opens no connection. A failure leaves the companion table as it was and
// raises ErroBanco saying so.
void espelharUsuariosPDV();

} // namespace Usuarios

class TFrmUsuarios : public QDialog {
    Q_OBJECT
public:
    explicit TFrmUsuarios(QWidget *parent = nullptr);

    // What the record form does: "N_U" new user, "A_U" alter the login,
    // "A_S" alter the password.
    QString Tipo;

    QLabel *imgCabecalho; // the main window's header picture
    TelaLista *lista;
    QTableView *dbgUsuarios;
    QLabel *lblDica;
    QWidget *pnlBotoes;
    QPushButton *btnNovo;
    QPushButton *btnAlterar;
    QPushButton *btnAlterarSenha;
    QPushButton *btnExcluir;
    QPushButton *btnFechar;
    QGroupBox *pnlPermissoes;
    QList<QCheckBox *> chkDireitos; // in the order of Usuarios::colunasDireitos()
    QPushButton *btnConfirmarPermissoes;

    // Reopens the list (nine boxes unticked, buttons by rows).
    void reabrirLista();

public slots:
    void btnNovoClick();
    void btnAlterarClick();
    void btnAlterarSenhaClick();
    void btnExcluirClick();
    void btnFecharClick();
    void dbgUsuariosDblClick();
    void btnConfirmarPermissoesClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void abrirCadastro(const QString &tipo);
    void listaAberta();

    bool m_mostrada = false;
    qint64 m_idPermissoes = 0;
    QString m_loginPermissoes;
};

extern TFrmUsuarios *FrmUsuarios;

// Opens the users screen (ribbon "Usuários").
void abrirUsuarios();
