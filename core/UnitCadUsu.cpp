#include "core/UnitCadUsu.h"
#include "core/Usuarios.h"
#include "base/Mensagem.h"
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

TFrmCadUsu *FrmCadUsu = nullptr;

TFrmCadUsu::TFrmCadUsu(const QString &tipo, qint64 idUsuario, const QString &login, const QString &senha,
                       QWidget *parent)
    : QDialog(parent)
    , m_tipo(tipo)
    , m_id(idUsuario)
    , m_loginAtual(login)
{
    const QString titulo = tipo == QLatin1String("A_U")   ? QStringLiteral("Alterar Usuário")
                           : tipo == QLatin1String("A_S") ? QStringLiteral("Alterar Senha")
                                                          : QStringLiteral("Novo Usuário");
    setWindowTitle(titulo);
    auto *layout = new QVBoxLayout(this);
    lblTitulo = new QLabel(titulo, this);
    QFont f = lblTitulo->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    lblTitulo->setFont(f);
    layout->addWidget(lblTitulo);

    auto *campos = new QFormLayout;
    edtUsuario = new QLineEdit(this);
    edtSenha = new QLineEdit(this);
    edtConfirmar = new QLineEdit(this);
    for (QLineEdit *e : {edtUsuario, edtSenha, edtConfirmar})
        emMaiusculas(e, 10);
    edtUsuario->setObjectName(QStringLiteral("edtUsuario"));
    edtSenha->setObjectName(QStringLiteral("edtSenha"));
    edtConfirmar->setObjectName(QStringLiteral("edtConfirmar"));
    campos->addRow(QStringLiteral("Usuário:"), edtUsuario);
    campos->addRow(QStringLiteral("Senha:"), edtSenha);
    campos->addRow(QStringLiteral("Confirmar:"), edtConfirmar);
    layout->addLayout(campos);

    const BotoesEdicao botoes = adicionarBotoesEdicao(this, layout);
    btnConfirmar = botoes.confirmar;
    btnCancelar = botoes.cancelar;
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadUsu::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadUsu::btnCancelarClick);

    if (tipo == QLatin1String("A_U") || tipo == QLatin1String("A_S")) {
        edtUsuario->setText(login);
        edtSenha->setText(senha);
        edtConfirmar->setText(senha);
        if (tipo == QLatin1String("A_U")) {
            edtSenha->setEnabled(false);
            edtConfirmar->setEnabled(false);
        } else {
            edtUsuario->setEnabled(false);
        }
    }

    menuAtalhos = instalarComportamentoEdicao(
        this, {[this] { btnConfirmar->click(); }, [this] { btnCancelar->click(); },
               QStringLiteral("|| Confirmar - (F10) ||"), QStringLiteral("|| Cancelar - (F12) ||")});
}

void TFrmCadUsu::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_tipo == QLatin1String("A_S"))
        edtSenha->setFocus();
    else
        edtUsuario->setFocus();
}

void TFrmCadUsu::btnConfirmarClick()
{
    const CadUsu::Resultado r =
        CadUsu::confirmar(DM->Conexao, m_tipo, m_id, m_loginAtual, edtUsuario->text(), edtSenha->text(), edtConfirmar->text());
    if (!r.salvo) {
        if (r.limparLogin)
            edtUsuario->clear();
        if (r.limparSenhas) {
            // The password edits of a login change are not editable: keep them.
            if (edtSenha->isEnabled())
                edtSenha->clear();
            if (edtConfirmar->isEnabled())
                edtConfirmar->clear();
        }
        Mensagem::info(r.mensagem);
        QLineEdit *foco = r.foco == CadUsu::Campo::Senha        ? edtSenha
                          : r.foco == CadUsu::Campo::Confirmacao ? edtConfirmar
                                                                 : edtUsuario;
        if (!foco->isEnabled())
            foco = edtUsuario->isEnabled() ? edtUsuario : edtSenha;
        foco->setFocus();
        foco->selectAll();
        return;
    }
    Mensagem::info(r.mensagem);
    accept();
    Usuarios::espelharUsuariosPDV(DM->Conexao);
}

void TFrmCadUsu::btnCancelarClick() { reject(); }
