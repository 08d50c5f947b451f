#pragma once
// Standard equipment of a room type (PADRAO_ITEM stock items, PADRAO_PS
// minibar products) and the extra equipment of one room (PADRAO_UH,
// PADRAO_PS_UH): the rules of adding and removing a row. The panel the type
// and room edit screens share is rooms/UnitItensPadrao.h.
//
// Each addition is one row with a key of its own; removing takes away the
// row chosen only. Stock items offered are those not deleted through
// ANULACAO; products offered are those with EXCLUIDO 'N'. A row is added only
// for a chosen item and a positive whole quantity.
#include <QString>
#include <optional>

class ConexaoBanco;

namespace ItensPadrao {

enum class Tabela {
    EstoqueTipo,  // PADRAO_ITEM (ID_TIPO_UH, ID_ITEM, QTD)
    FrigobarTipo, // PADRAO_PS (ID_TIPO_UH, ID_P_S, VALOR, QTD)
    EstoqueUH,    // PADRAO_UH (ID_UH, ID_ITEM, QTD)
    FrigobarUH,   // PADRAO_PS_UH (ID_UH, ID_PS, QTD)
};

// The grid's statement with one "?" for the owner (type or room key): the
// row's key as ID_LINHA, the item as ID_ITEM, QTD, the owner, DESCRICAO and,
// for the type's minibar, VALOR; ordered by description.
QString sqlGrade(Tabela t);
// The choices of the add panel: ID and DESCRICAO (and VALOR for products).
QString sqlEscolhas(Tabela t);

// Messages of the add panel.
inline const QString kMsgItemInvalido = QStringLiteral("Item de Estoque Inválido!");
inline const QString kMsgProdutoInvalido = QStringLiteral("Produto / Serviço Inválido!");
inline const QString kMsgQuantidadeInvalida = QStringLiteral("Quantidade Inválida!");

enum class Campo { Nenhum, Escolha, Quantidade };
struct Recusa {
    QString mensagem;
    Campo campo = Campo::Nenhum;
};

// The quantity typed: a whole number from 1 to the column's limit.
std::optional<int> quantidade(const QString &texto);

// Adds one row for the owner (the type or room key, also a reserved key of a
// record not saved yet). The choice is checked against the offered list (a
// deleted item or product is refused), the type's minibar copies the
// product's current price, and the log line (where the table has one) is
// written in the same transaction. Returns the refusal, or nothing when added.
std::optional<Recusa> incluir(ConexaoBanco &conexao, Tabela t, qint64 dono, qint64 escolha, const QString &quantidadeTexto);

// Removes the one row with that key (of that owner) and logs it where the
// table has a log line; `descricao` is the row's item description.
void excluir(ConexaoBanco &conexao, Tabela t, qint64 dono, qint64 idLinha, const QString &descricao);

} // namespace ItensPadrao
