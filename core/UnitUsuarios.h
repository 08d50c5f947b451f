#pragma once
// "Usuários e Permissões": the users list, the editing of their ten rights,
// deletion through the deletion register and the copy of the users into the
// companion point of sale (USUARIOS_PDV) when UTILIZA_FISCAL is "S".
// User 1 is never listed here (it cannot be renamed, have its rights changed
// or be deleted on this screen) but it is copied into the point of sale.
#include "base/TelaLista.h"

#include <QDialog>
#include <QList>
#include "core/Usuarios.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

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
