#pragma once
// The user record, the rules: checks and writes of a new user, a new login or
// a new password, each with its log line.


class ConexaoBanco;

namespace CadUsu {

enum class Campo { Nenhum, Login, Senha, Confirmacao };

struct Resultado {
    bool salvo = false;
    QString mensagem;          // information to show (success or the refusal)
    Campo foco = Campo::Nenhum;
    bool limparLogin = false;
    bool limparSenhas = false; // password and confirmation
};

// Checks and saves. tipo "N_U", "A_U" or "A_S"; idUsuario and loginAtual are
// the user being altered (ignored for "N_U"). A login that any user already
// has, deleted users included, is refused for a new user and for a changed
// login. The statement and its log line run in one transaction.
Resultado confirmar(ConexaoBanco &conexao, const QString &tipo, qint64 idUsuario, const QString &loginAtual, const QString &login,
                    const QString &senha, const QString &confirmacao);

} // namespace CadUsu
