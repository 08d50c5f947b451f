#pragma once
// Internal chat, the rules: sending a message through the CHAT table, clearing
// the received ones, the history's statements.
#include "base/UnitDM.h"
#include <QStringList>
#include <functional>

namespace BatePapo {

inline constexpr const char *kSuporte = "SUPORTE";
inline constexpr const char *kMsgSemDestinatario = "Selecione o Destinatário da Mensagem!";
inline constexpr const char *kMsgSemMensagem = "Digite a Mensagem a ser enviada!";
// CHAT.MENSAGEM holds this many characters.
inline constexpr int kMaxMensagem = 250;
inline constexpr const char *kMsgMensagemLonga = "A Mensagem pode ter no máximo 250 caracteres!";

// Logins of the users not deleted, in order.
QStringList usuariosAtivos(ConexaoBanco &conexao);
// Every login, for the history filter.
QStringList todosUsuarios(ConexaoBanco &conexao);
// Every unread message, in the order the database keeps them.
QList<Linha> naoLidas(ConexaoBanco &conexao);
// The conversation of `login` among the unread messages: what he sent and
// what he received, two lines per message.
QString conversa(const QString &login, const QList<Linha> &mensagens);

enum class Envio { Enviada, SemDestinatario, SemMensagem, Longa };
// Stores a message from `de` to `para` (trimmed), dated now and unread.
// A message longer than the column (in characters) is refused: Longa.
Envio enviar(ConexaoBanco &conexao, const QString &de, const QString &para, const QString &mensagem);
// Marks every message addressed to `login` as read; returns how many.
int limparRecebidas(ConexaoBanco &conexao, const QString &login);

// The history: everything, or what `login` sent or received.
struct ConsultaHistorico {
    QString sql;
    Valores valores;
};
ConsultaHistorico historico(bool acessoTotal, const QString &login);
ConsultaHistorico historicoDoUsuario(const QString &login);
ConsultaHistorico historicoDoDia(const QDate &dia);

// The live-support page of the maker (param.ini [SUPORTE] URL_CHAT).
QString enderecoSuporte();
// Opens a web page in the default browser (tests replace it).
extern std::function<void(const QString &)> abrirPagina;

} // namespace BatePapo
