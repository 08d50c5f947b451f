#pragma once
// Points of sale (PDV): the checks and writes of their list and record
// screens, without widgets. A deleted point of sale keeps its row and gets an
// ANULACAO row; its name stays taken (a unique index backs the check).
// Every operation (its statements and its log line) is one transaction.
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"

#include <QString>

namespace PontosVenda {

inline const QString kMsgDescricaoInvalida = QStringLiteral("Descrição do PDV Inválida!");
inline const QString kMsgJaCadastrado = QStringLiteral("Este PDV Já Esta Cadastrado ou Já foi excluído do Sistema!");
inline const QString kMsgConfirmaExclusao = QStringLiteral("Deseja Realmente Excluir esse PDV?");
inline const QString kMsgExcluido = QStringLiteral("PDV Excluído com Sucesso!");
inline const QString kMsgCadastrado = QStringLiteral("PDV Cadastrado com Sucesso! Deseja Cadastrar Outro?");
inline const QString kMsgAlterado = QStringLiteral("PDV Alterado com Sucesso!");
// Bad input, refused before anything is written.
inline const QString kMsgTaxaInvalida =
    QStringLiteral("Taxa de Serviço Inválida! Informe um percentual de 0,00 a 100,00.");
inline const QString kMsgSiglaInvalida = QStringLiteral("Sigla Inválida! Informe no máximo 5 caracteres.");
inline const QString kMsgNaoEncontrado =
    QStringLiteral("PDV Não Encontrado! Ele Pode Ter Sido Excluído em Outra Estação.");

// The list (live points of sale) and its two orders.
extern const QString kSqlLista;       // ordered by DESCRICAO
extern const QString kSqlListaCodigo; // ordered by ID_PDV
// The filter statement: "%1" takes the chosen condition.
extern const QString kSqlFiltro;

enum class Campo { Nenhum, Descricao, Sigla, Taxa };

struct Resultado {
    bool salvo = false;
    QString mensagem;
    Campo foco = Campo::Nenhum;
    qint64 chave = 0;
};

// Checks and saves. Incluir: `chave` is the key reserved when the record
// opened (0: the generator gives one now). Alterar: the row's key. The fee
// is typed as "10,50". Logs "Incluiu PDV -> Código <key> (<description>)" or
// "Alterou PDV -> ...".
Resultado salvar(ConexaoBanco &conexao, ModoEdicao modo, qint64 chave, const QString &descricao, const QString &sigla,
                 const QString &taxa);

// Records the deletion in ANULACAO and logs "Excluiu PDV -> Código <key> (<description>)".
Resultado excluir(ConexaoBanco &conexao, qint64 chave, const QString &descricao);

} // namespace PontosVenda
