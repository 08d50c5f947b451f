#pragma once
// Users and their rights, the rules: the list's statement, saving the ten
// rights, deletion through the deletion register, the copy of the users into
// the companion point of sale (USUARIOS_PDV) when UTILIZA_FISCAL is "S".
#include "base/TelaLista.h"
#include <QList>

class ConexaoBanco;

namespace Usuarios {

// The list: live users but user 1, by key.
extern const QString kSqlLista;

// The ten rights in the order of the panel and of the statement.
const QStringList &colunasDireitos();
const QStringList &legendasDireitos();

// Writes the ten rights ("S"/"N") of a user and logs
// "Atualizou Permissões do Usuário -> <login>" in one transaction.
void salvarPermissoes(ConexaoBanco &conexao, qint64 idUsuario, const QString &login, const QList<bool> &direitos);

// Deletes a user through the deletion register and logs
// "Excluiu Usuário -> <login>" in one transaction.
void excluir(ConexaoBanco &conexao, qint64 idUsuario, const QString &login);

// With UTILIZA_FISCAL "S": rebuilds USUARIOS_PDV of the companion database
// from the live users (user 1 included) in one transaction on that database:
// key, login, password, fourteen "1" flags and the highest discount (100 for
// full access, else the setting LIMITE_DESCONTO); its generator then stands at
// the highest key. Otherwise does nothing and
// opens no connection. A failure leaves the companion table as it was and
// raises ErroBanco saying so.
void espelharUsuariosPDV(ConexaoBanco &conexao);

} // namespace Usuarios
