#include "core/UnitCadUsu.h"
#include "base/Mensagem.h"
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "core/UnitUsuarios.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

TFrmCadUsu *FrmCadUsu = nullptr;

namespace CadUsu {

namespace {
bool loginExiste(const QString &login)
{
    return DM->Conexao.valor(QStringLiteral("SELECT FIRST 1 ID_USUARIO FROM USUARIO WHERE LOGIN = ?"), {login})
        .isValid();
}

// Another workstation saved the same login a moment earlier: the unique
// constraint on USUARIO.LOGIN refused this one.
bool loginDuplicado(const ErroBanco &e)
{
    return e.texto().contains(QLatin1String("UNQ_USUARIO_LOGIN"), Qt::CaseInsensitive);
}
} // namespace

Resultado confirmar(const QString &tipo, qint64 idUsuario, const QString &loginAtual, const QString &loginDigitado,
                    const QString &senha, const QString &confirmacao)
{
    const QString login = loginDigitado.trimmed();
    const bool novo = tipo == QLatin1String("N_U");
    Resultado r;
    if (login.isEmpty()) {
        r.mensagem = QStringLiteral("Nome de Usuário Inválido!");
        r.foco = Campo::Login;
        return r;
    }
    if (senha.trimmed().isEmpty()) {
        r.mensagem = QStringLiteral("Senha Inválida!");
        r.foco = Campo::Senha;
        return r;
    }
    if (confirmacao.trimmed().isEmpty()) {
        r.mensagem = QStringLiteral("Confirmação de Senha Inválida!");
        r.foco = Campo::Confirmacao;
        return r;
    }
    if (senha != confirmacao) {
        r.mensagem = QStringLiteral("Senha Confirmada Não Confere!");
        r.limparSenhas = true;
        r.foco = novo ? Campo::Login : Campo::Senha;
        return r;
    }

    if (novo) {
        bool inserido = false;
        try {
            inserido = DM->Conexao.emTransacao([&] {
                if (loginExiste(login))
                    return false;
                DM->Conexao.executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES (?, ?)"),
                                     {login, senha});
                RegistrarLog(QStringLiteral("Incluiu Usuário -> ") + login);
                return true;
            });
        } catch (const ErroBanco &e) {
            if (!loginDuplicado(e))
                throw;
        }
        if (!inserido) {
            r.mensagem = QStringLiteral("Usuário Já Cadastrado!");
            r.limparLogin = true;
            r.limparSenhas = true;
            r.foco = Campo::Login;
            return r;
        }
        r.salvo = true;
        r.mensagem = QStringLiteral("Usuário Cadastrado com Sucesso! Verifique as Permissões!");
        return r;
    }

    bool alterado = false;
    try {
        alterado = DM->Conexao.emTransacao([&] {
            // A new login must not be anybody's yet (deleted users keep theirs).
            if (login != loginAtual && loginExiste(login))
                return false;
            DM->Conexao.executar(QStringLiteral("UPDATE USUARIO SET LOGIN = ?, SENHA = ? WHERE ID_USUARIO = ?"),
                                 {login, senha, idUsuario});
            RegistrarLog(QStringLiteral("Atualizou Usuário -> ") + login);
            return true;
        });
    } catch (const ErroBanco &e) {
        if (!loginDuplicado(e))
            throw;
    }
    if (!alterado) {
        r.mensagem = QStringLiteral("Usuário Já Cadastrado!");
        r.foco = Campo::Login;
        return r;
    }
    r.salvo = true;
    r.mensagem = QStringLiteral("Usuário Alterado com Sucesso! Verifique as Permissões!");
    return r;
}

} // namespace CadUsu

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
        CadUsu::confirmar(m_tipo, m_id, m_loginAtual, edtUsuario->text(), edtSenha->text(), edtConfirmar->text());
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
    Usuarios::espelharUsuariosPDV();
}

void TFrmCadUsu::btnCancelarClick() { reject(); }
