#pragma once
// Reminders about guests in the house (a wake-up call), the rules: each belongs
// to an open stay and becomes due at its day and hour; recording one, listing
// the active ones, concluding one.
#include "base/UnitDM.h"

namespace Lembretes {

inline constexpr const char *kMsgSemUH = "Selecione a UH para o Aviso!";
inline constexpr const char *kMsgSemDescricao = "Digite a descrição do Lembrete!";
inline constexpr const char *kMsgConcluido = "Lembrete Concluído com Sucesso!";
// LEMBRETE.DESCRICAO holds this many characters.
inline constexpr int kMaxDescricao = 250;
inline constexpr const char *kMsgDescricaoLonga = "A descrição do Lembrete pode ter no máximo 250 caracteres!";

struct Estadia {
    qint64 idWalkIn = 0;
    QString legenda; // room number / customer name
};
// Open stays of rooms in use (not free, not deleted), by room number.
QList<Estadia> estadiasAbertas(ConexaoBanco &conexao);

// The active reminders of every stay, by day and hour, with the room number.
QString sqlAtivos();

enum class Gravacao { Gravado, SemUH, SemDescricao, DescricaoLonga };
// Records an active reminder for the stay; the description is trimmed. A
// description longer than the column is refused by the database.
Gravacao arquivar(ConexaoBanco &conexao, qint64 idEntrada, const QDate &data, const QTime &hora, const QString &descricao,
                  const QString &login);
// Marks a reminder done; false when it does not exist.
bool concluir(ConexaoBanco &conexao, qint64 idLembrete);

} // namespace Lembretes
