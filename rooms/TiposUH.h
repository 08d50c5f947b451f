#pragma once
// Room types and their rates (TIPO_UH) and the characteristics attached to a
// type (CARAC_TIPO_UH): the rules of the type list and edit screen.
//
// A new type's key is reserved from GEN_ID_TIPO_UH when its edit screen
// opens; its characteristics and standard equipment are stored under that
// key at once and deleted again when the new type is abandoned. The type's
// own row, the characteristics removed on the screen and the log line are
// written in one transaction on confirm. A type's name is unique, deleted
// types included.
#include "base/Dinheiro.h"
#include "base/TelaEdicao.h"

class ConexaoBanco;

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace TiposUH {

// The list (with the count of live rooms of each type) by key and by name,
// and the filter statement (%1 = the condition).
extern const QString kSqlLista;
extern const QString kSqlListaAlfabetica;
extern const QString kSqlFiltro;
// The characteristics grid of the type edit screen ("?" = the type).
extern const QString kSqlCaracteristicas;
// The pick screen: live characteristics not attached to the type ("?").
extern const QString kSqlCaracteristicasLivres;

// The children of a type being created, deleted when it is abandoned
// ("?" = the reserved key).
const QStringList &sqlLimpezaNovo();

inline const QString kMsgDescricaoInvalida = QStringLiteral("Descrição do Tipo da UH Inválida!");
inline const QString kMsgAbreviacaoInvalida = QStringLiteral("Abreviação para Descrição Inválida!");
inline const QString kMsgDuplicado =
    QStringLiteral("Este Tipo de UH Já Esta Cadastrada ou Já foi Excluída do Sistema!");
inline const QString kMsgAlterado = QStringLiteral("Tipo de UH Alterada com Sucesso!");
inline const QString kMsgCadastrado = QStringLiteral("Tipo de UH Cadastrada com Sucesso! Deseja Cadastrar Outra?");
inline const QString kMsgConfirmaExclusao = QStringLiteral("Deseja Realmente Excluir esse Tipo de UH?");
inline const QString kMsgExcluido = QStringLiteral("Tipo de UH Excluído com Sucesso!");
// A rate box whose text is not an amount.
QString msgValorInvalido(const QString &texto);

constexpr int kTamDescricao = 30;
constexpr int kTamAbreviacao = 7;

// The eight rates in the order P1..P4, P1MIN..P4MIN.
const QStringList &colunasValores();

struct Dados {
    QString descricao;
    QString abreviacao;
    std::array<QString, 8> valores; // texts as typed ("1.234,56"); empty is 0
};

enum class Campo { Nenhum, Descricao, Abreviacao, Valor };
struct Resultado {
    bool salvo = false;
    QString mensagem;
    Campo foco = Campo::Nenhum;
    int valor = -1; // the rate box refused (0..7)
};

// Checks in order (description, abbreviation, rates, name not used by any
// type) and stores: mode "I" inserts the type under `chave` (the reserved
// key), mode "A" updates it; in both, the characteristic rows listed in
// `caracRemovidas` (keys ID_CARAC_TIPO_UH of this type) are deleted, and the
// log line is written, all in one transaction. `descricaoAtual` is the stored
// name of a type being altered (the name test runs only when it changes).
Resultado confirmar(ConexaoBanco &conexao, ModoEdicao modo, qint64 chave, const QString &descricaoAtual, const Dados &dados,
                    const QList<qint64> &caracRemovidas = {});

// Deletes a type through ANULACAO (one row, every other column 0) and logs,
// in one transaction.
void excluir(ConexaoBanco &conexao, qint64 chave, const QString &descricao);

// Attaches a characteristic to a type (also a reserved key); returns the
// link row's key, or 0 when the characteristic is deleted or already attached.
qint64 anexarCaracteristica(ConexaoBanco &conexao, qint64 tipo, qint64 caracteristica);
// Detaches the link rows given by key (the undo of an alteration), only of that type.
void desfazerAnexos(ConexaoBanco &conexao, qint64 tipo, const QList<qint64> &idsCaracTipo);

} // namespace TiposUH
