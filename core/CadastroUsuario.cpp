#include "core/CadastroUsuario.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

namespace CadUsu {

namespace {
bool loginExiste(ConexaoBanco &conexao, const QString &login)
{
    return conexao.valor(QStringLiteral("SELECT FIRST 1 ID_USUARIO FROM USUARIO WHERE LOGIN = ?"), {login})
        .isValid();
}

// Another workstation saved the same login a moment earlier: the unique
// constraint on USUARIO.LOGIN refused this one.
bool loginDuplicado(const ErroBanco &e)
{
    return e.texto().contains(QLatin1String("UNQ_USUARIO_LOGIN"), Qt::CaseInsensitive);
}
} // namespace

Resultado confirmar(ConexaoBanco &conexao, const QString &tipo, qint64 idUsuario, const QString &loginAtual, const QString &loginDigitado,
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
            inserido = conexao.emTransacao([&] {
                if (loginExiste(conexao, login))
                    return false;
                conexao.executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES (?, ?)"),
                                     {login, senha});
                RegistrarLog(conexao, QStringLiteral("Incluiu Usuário -> ") + login);
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
        alterado = conexao.emTransacao([&] {
            // A new login must not be anybody's yet (deleted users keep theirs).
            if (login != loginAtual && loginExiste(conexao, login))
                return false;
            conexao.executar(QStringLiteral("UPDATE USUARIO SET LOGIN = ?, SENHA = ? WHERE ID_USUARIO = ?"),
                                 {login, senha, idUsuario});
            RegistrarLog(conexao, QStringLiteral("Atualizou Usuário -> ") + login);
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
