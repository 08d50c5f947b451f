#pragma once
// Products and services (PRODUTOS_SERVICOS): the checks and writes of the
// product list and record screens, without widgets.
//  - Key 1 described "DIARIA" is the system's nightly-rate service: it is
//    never altered or deleted here.
//  - Deleting marks EXCLUIDO = 'S'; the row stays (the recycle bin brings it back).
//  - A description or a bar code belongs to one product only, deleted ones
//    included (unique indexes back the check made here).
//  - Saving an altered product changes its stock only by what the user
//    changed on screen, so sales made meanwhile on other workstations stay.
//  - Every operation (its statements and its log line) is one transaction.
//  - With UTILIZA_FISCAL "S", a save, deletion or purchase then brings the
//    product's row in the point of sale's table up to date (EspelhoPDV).
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"

#include <QString>
#include <QStringList>

namespace Produtos {

inline const QString kMsgPdvInvalido = QStringLiteral("Ponto de Venda (PDV) Inválido!");
inline const QString kMsgJaCadastrado =
    QStringLiteral("Este Produto/Código de Barras Já Esta Cadastrado ou Já foi Excluído do Sistema!");
inline const QString kMsgImpossivelAlterar = QStringLiteral("Impossível Alterar Esse Serviço - Padrão do Sistema!");
inline const QString kMsgImpossivelExcluir = QStringLiteral("Impossível Excluir Esse Serviço - Padrão do Sistema!");
inline const QString kMsgConfirmaExclusao = QStringLiteral("Deseja Realmente Excluir esse Produto / Serviço?");
inline const QString kMsgExcluido = QStringLiteral("Produto / Serviço Excluído com Sucesso!");
inline const QString kMsgSelecioneProduto = QStringLiteral("Selecione o Produto!");
inline const QString kMsgInformeQuantidade = QStringLiteral("Informe a Quantidade!");
inline const QString kMsgProdutoAdicionado = QStringLiteral("Produto Adicionado com Sucesso!");
inline const QString kMsgAtualizado = QStringLiteral("Produto/Serviço Atualizado com Sucesso!");
inline const QString kMsgCadastrado = QStringLiteral("Produto/Serviço Cadastrado com Sucesso! Deseja Cadastrar Outro?");
// Bad input, refused before anything is written.
inline const QString kMsgDescricaoInvalida = QStringLiteral("Descrição Inválida!");
inline const QString kMsgEstoqueInvalido =
    QStringLiteral("Estoque Atual Inválido! Informe um número inteiro, sem pontos, de 0 em diante.");
inline const QString kMsgMinimoInvalido =
    QStringLiteral("Estoque Mínimo Inválido! Informe um número inteiro, sem pontos, de 0 em diante.");
inline const QString kMsgValorInvalido = QStringLiteral("Valor Inválido! Informe um valor como 1.234,56, de 0 em diante.");
inline const QString kMsgCodigoBarrasInvalido =
    QStringLiteral("Código de Barras Inválido! Informe somente números, no máximo 20.");
inline const QString kMsgCSTInvalido = QStringLiteral("CST/CSOSN Inválido! Informe somente números, no máximo 3.");
inline const QString kMsgNCMInvalido = QStringLiteral("NCM Inválido! O NCM tem 8 números (ou 0 quando não houver).");
inline const QString kMsgCESTInvalido = QStringLiteral("CEST Inválido! Informe somente números, no máximo 8.");
inline const QString kMsgQuantidadeInvalida =
    QStringLiteral("Quantidade Inválida! Informe um número inteiro (negativo para corrigir o estoque).");
inline const QString kMsgNaoEncontrado =
    QStringLiteral("Produto / Serviço Não Encontrado! Ele Pode Ter Sido Excluído em Outra Estação.");

// The list's statement without its order; filters add "AND <condition>".
extern const QString kSqlLista;
extern const QString kOrdemDescricao; // " ORDER BY PS.DESCRICAO"
extern const QString kOrdemCodigo;    // " ORDER BY PS.ID_P_S"
// The purchase panel's product choice.
extern const QString kSqlEscolhaProduto;
// The record's point-of-sale choice (live points of sale).
extern const QString kSqlEscolhaPdv;

// The ten entries of the tax-situation choice, in order, and their codes.
struct Aliquota {
    QString legenda;
    QString codigo;
};
const QList<Aliquota> &aliquotas();
// The entry of a stored code; 0 (the first) for a code outside the table.
int indiceAliquota(const QString &codigo);

// Key 1 described "DIARIA" (both must hold).
bool servicoPadrao(qint64 chave, const QString &descricao);

// An NCM as the record leaves it: empty becomes "0"; "0" stays; any other
// code shorter than 8 characters is filled with zeros on the right.
QString completarNCM(const QString &ncm);
// The CEST of the longest leading part (8 characters down to 1) of an NCM
// that TAB_CEST names; empty when none, and for "0" or "00000000".
QString sugerirCEST(ConexaoBanco &conexao, const QString &ncm);

// What the record screen holds, as typed.
struct Produto {
    qint64 idPdv = 0; // 0: no point of sale chosen
    QString descricao;
    QString codigoBarras;
    QString cst;
    QString ncm;
    QString cest;
    QString valor;   // "1.234,56"
    QString estoque; // whole number
    QString minimo;  // whole number
    QString sitTribut;
    bool fabPropria = false;
    bool diaria = false;
};

enum class Campo { Nenhum, Pdv, Descricao, Estoque, Minimo, Valor, CodigoBarras, CST, NCM, CEST, Quantidade };

struct Resultado {
    bool salvo = false;
    QString mensagem; // the box to show (refusal, or success of a delete/purchase)
    Campo foco = Campo::Nenhum;
    qint64 chave = 0; // the key stored
    // With UTILIZA_FISCAL "S" a stored change is copied to the point of
    // sale's product table; when that fails, the change stays stored here
    // and this holds the error box's text (kMsgEspelhoFalhou + the error).
    QString erroEspelho;
};

inline const QString kMsgEspelhoFalhou = QStringLiteral(
    "Não foi possível atualizar o produto no Zentro PDV; a alteração foi salva neste sistema.\n\n");

// Checks and saves the record. Incluir: `chave` is the key reserved when the
// record opened (0: the generator gives one now). Alterar: `chave` is the
// row's key and `estoqueCarregado` the stock the screen loaded; the stock is
// moved by (typed - loaded), nothing when unchanged. Logs
// "Incluiu Produto/Serviço -> Código <key> (<description>)" or "Alterou ...".
Resultado salvar(ConexaoBanco &conexao, ModoEdicao modo, qint64 chave, const Produto &p, qint64 estoqueCarregado = 0);

// Soft deletion with its log line; refuses the standard service.
Resultado excluir(ConexaoBanco &conexao, qint64 chave, const QString &descricao);

// Stock purchase: adds a positive whole quantity and records today as the
// last purchase, with its log line.
Resultado comprar(ConexaoBanco &conexao, qint64 chave, const QString &descricao, const QString &quantidade);

// The filter criteria of the list, in the order of the panel.
enum class Criterio { Codigo, Descricao, Pdv, Valor };
const QStringList &legendasCriterios();
// The condition for the list's search; false (and a message) when the text
// cannot be searched (an amount that is not money).
bool condicaoBusca(Criterio c, const QString &texto, QString *sql, Valores *valores, QString *mensagem);

} // namespace Produtos
