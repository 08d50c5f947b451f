#pragma once
// Login, the rules: the pair checked against USUARIO (deleted users left out),
// the user's presence on this workstation in ONLINE, the ten rights loaded into
// the session and the attempt logged.
#include "base/Sessao.h"
#include "base/UnitDM.h"

namespace Acesso {

extern const char *const kMsgUsuarioSenhaIncorretos; // "Usuário ou Senha Incorreto(s)!"

// The users that may log in, by login: ID_USUARIO, LOGIN.
QList<Linha> usuariosAtivos(ConexaoBanco &conexao);
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
ResultadoLogin tentarLogin(ConexaoBanco &conexao, const QString &login, const QString &senha);

} // namespace Acesso
