#pragma once
// Rooms (UH): the rules of the room edit screen.
//
// A new room's key is reserved from GEN_ID_UH when its edit screen opens; its
// extra stock items and minibar products are stored under that key at once
// and deleted again when the new room is abandoned. A room number is made of
// digits only (the room map and the reservation screens order the rooms by
// the number read as an integer). A new room starts free ("L") and live
// (EXCLUIDO "N").
#include "base/TelaEdicao.h"

class ConexaoBanco;

#include <QString>
#include <QStringList>

namespace CadastroUH {

// The type choice: live types by name.
extern const QString kSqlTipos;
// The children of a room being created ("?" = the reserved key).
const QStringList &sqlLimpezaNovo();

inline const QString kMsgTipoInvalido = QStringLiteral("Tipo da UH Inválido!");
inline const QString kMsgNumeroInvalido = QStringLiteral("Número da UH Inválido!");
inline const QString kMsgNumeroSoDigitos =
    QStringLiteral("Número da UH Inválido! Informe Apenas Números, com no Máximo 5 Algarismos.");
inline const QString kMsgDescricaoInvalida = QStringLiteral("Descrição da UH Inválida!");
inline const QString kMsgRamalInvalido =
    QStringLiteral("Ramal Telefônico Inválido! Informe no Máximo 10 Caracteres.");
inline const QString kMsgAtualizada = QStringLiteral("UH Atualizada com Sucesso!");
inline const QString kMsgCadastrada = QStringLiteral("UH Cadastrada com Sucesso! Deseja Cadastrar Outra?");

constexpr int kTamNumero = 5;
constexpr int kTamDescricao = 30;
constexpr int kTamRamal = 10;

struct Dados {
    qint64 tipo = 0; // 0: none chosen
    QString numero;
    QString descricao;
    QString ramal;
    bool auditorio = false;
};

enum class Campo { Nenhum, Tipo, Numero, Descricao, Ramal };
struct Resultado {
    bool salvo = false;
    QString mensagem;
    Campo foco = Campo::Nenhum;
};

// Whether a room number is acceptable: 1 to 5 digits.
bool numeroValido(const QString &numero);

// Checks in order (type, number, description, extension) and stores: mode
// "I" inserts the room under `chave` (the reserved key), mode "A" updates
// room `chave` (all five columns); the log line goes in the same transaction.
Resultado confirmar(ConexaoBanco &conexao, ModoEdicao modo, qint64 chave, const Dados &dados);

} // namespace CadastroUH
