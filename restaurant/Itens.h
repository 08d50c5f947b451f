#pragma once
// Stock items (ITEM) and their movements (ITEM_HISTORICO): the checks and
// writes of the item list, its movement panel and the item record, without
// widgets.
//  - A deleted item keeps its row and gets an ANULACAO row; its description
//    stays taken, and the history still shows it.
//  - A movement (its history row, the stock moved by a relative update and
//    its log line) is one transaction, so two workstations moving one item
//    are both counted.
//  - Saving an altered item moves its stock only by what the user changed on
//    screen, so movements made meanwhile on other workstations are kept.
#include "base/TelaEdicao.h"
#include "base/TelaLista.h"
#include "base/UnitDM.h"

#include <QDate>
#include <QString>

namespace Itens {

inline const QString kMsgDescricaoInvalida = QStringLiteral("Descrição do Item Inválida!");
inline const QString kMsgJaCadastrado =
    QStringLiteral("Este Item Já Esta Cadastrado ou Já foi excluído do Sistema!");
inline const QString kMsgCadastrado = QStringLiteral("Item Cadastrado com Sucesso! Deseja Cadastrar Outro?");
inline const QString kMsgAlterado = QStringLiteral("Item Alterado com Sucesso!");
inline const QString kMsgConfirmaExclusao = QStringLiteral("Deseja Realmente Excluir esse Item?");
inline const QString kMsgExcluido = QStringLiteral("Item Excluído com Sucesso!");
inline const QString kMsgAtualizado = QStringLiteral("Item Atualizado com Sucesso!");
// Bad input, refused before anything is written.
inline const QString kMsgEstoqueInvalido =
    QStringLiteral("Estoque Atual Inválido! Informe um número inteiro, sem pontos (até 5 caracteres).");
inline const QString kMsgMinimoInvalido =
    QStringLiteral("Estoque Mínimo Inválido! Informe um número inteiro, sem pontos, de 0 em diante.");
inline const QString kMsgValorInvalido = QStringLiteral("Valor Inválido! Informe um valor como 1.234,56, de 0 em diante.");
inline const QString kMsgQuantidadeInvalida =
    QStringLiteral("Quantidade Inválida! Informe um número inteiro maior que zero, sem pontos.");
inline const QString kMsgJustificativaLonga = QStringLiteral("A Justificativa aceita no máximo 90 caracteres!");
inline const QString kMsgDescricaoLonga = QStringLiteral("A Descrição do Item aceita no máximo 90 caracteres!");
inline const QString kMsgNaoEncontrado =
    QStringLiteral("Item Não Encontrado! Ele Pode Ter Sido Excluído em Outra Estação.");
// The list's numeric searches.
inline const QString kMsgBuscaNumero = QStringLiteral("Informe um número inteiro para esta pesquisa!");

// The list: live items by description (the standard), by code; the filter.
QString sqlLista();
QString sqlListaPorCodigo();
FiltroLista filtro();

enum class Campo { Nenhum, Descricao, Estoque, Valor, Minimo, Quantidade, Justificativa };

struct Resultado {
    bool salvo = false;
    QString mensagem;   // the refusal to show
    Campo foco = Campo::Nenhum;
    qint64 chave = 0;   // the item stored
};

// What the record screen holds, as typed.
struct Dados {
    QString descricao;
    QString estoque;  // whole number, may be negative
    QString valor;    // "1.234,56"
    QString minimo;   // whole number; empty means 0
};

// The record's "Confirmar". Incluir: inserts with `chave` (the key reserved
// when the record opened; 0: the generator gives one) and returns the key stored.
// Alterar: `chave` is the row's key, `descricaoCarregada` and
// `estoqueCarregado` what the screen loaded; the clash test runs only for a
// changed description and the stock moves by (typed - loaded). Each write
// with its log line is one transaction.
Resultado salvar(ConexaoBanco &c, ModoEdicao modo, qint64 chave, const Dados &d,
                 const QString &descricaoCarregada = {}, qint64 estoqueCarregado = 0);

// Records the deletion in ANULACAO with its log line; false when the item
// was deleted already (or is gone).
bool excluir(ConexaoBanco &c, qint64 chave, const QString &descricao);

enum class TipoMovimento { Adicao, Baixa };
QString legenda(TipoMovimento t); // "Adição" / "Baixa"

struct Movimento {
    qint64 chave = 0;
    QString itemPainel;      // the panel's "Item:" text: key - description (stock)
    TipoMovimento tipo = TipoMovimento::Adicao;
    QString quantidade;      // as typed
    QString justificativa;
    QDate data;              // the panel's date
};

// The panel's "Confirmar": history row, stock and last movement date, log
// line "Realizou Movimentação de Item -> Código <item> (<type> - <qty>)".
Resultado movimentar(ConexaoBanco &c, const Movimento &m);

// The panel's "Item:" text.
QString textoItem(qint64 chave, const QString &descricao, qint64 estoque);

// The history: every movement with its item's description (column ITEM),
// by date; with a user or a day when given.
QString sqlHistorico();
QString sqlHistoricoUsuario(); // one "?" (the login)
QString sqlHistoricoData();    // one "?" (the day)

} // namespace Itens
