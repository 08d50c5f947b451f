#pragma once
// Counter sales ("despesas avulsas"): products sold at the desk without a
// stay, one item (DESPESA_AVULSA) or several (V_DESPESA_AVULSA with its lines
// in V_I_DESPESA_AVULSA), paid at once over the seven means into the open
// shift or charged to an employee as a pay deduction (FUNCIONARIO_PAGAMENTO).
//
// Saving and deleting are each one transaction: the stock of bought-in
// products, the rows, the pay deduction, the shift's balances and the log
// land together or not at all. A paid sale needs the one open shift; a
// deletion whose money the shift no longer holds changes nothing. Keys come
// from the generators (the deduction names the key the insert produced). A
// deletion removes the row first and checks it, so two workstations deleting
// the same sale reverse it once.
#include "base/Dinheiro.h"
#include "base/Mensagem.h"
#include "finance/ControleCaixa.h"

class ConexaoBanco;

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <array>
#include <functional>
#include <optional>

namespace DespesasAvulsas {

inline const QString kTitulo = QStringLiteral("Despesas Avulsas");
inline const QString kMsgSemProduto = QStringLiteral("Informe o Produto ou Serviço Consumido!");
inline const QString kMsgSemQuantidade = QStringLiteral("Informe a Quantidade Consumida!");
inline const QString kMsgSemItens = QStringLiteral("Adicione os Produtos ou Serviços Consumidos!");
inline const QString kMsgValorDiferente = QStringLiteral("Valor Informado Diferente do Valor Consumido!");
inline const QString kMsgDescontoAcrescimo = QStringLiteral("Desconto / Acrescimo Efetuado com Sucesso!");
inline const QString kPerguntaExcluir = QStringLiteral("Deseja Realmente Excluir essa Despesa Avulsa?");
inline const QString kPerguntaExcluirVarias =
    QStringLiteral("Deseja Realmente Excluir essa Despesa Avulsa com Vários Itens?");
inline const QString kMsgExcluida = QStringLiteral("Despesa Avulsa Excluída com Sucesso!");
inline const QString kMsgExcluidaVarias = QStringLiteral("Despesa Avulsa com Vários Itens Excluída com Sucesso!");
inline const QString kSelecioneFuncionario = QStringLiteral("SELECIONE O FUNCIONÁRIO");
// Bad input and the refusals of a sound sale.
inline const QString kMsgQtdInvalida =
    QStringLiteral("Quantidade Inválida! Informe um número inteiro de 1 a 2147483647.");
inline const QString kMsgComandaInvalida =
    QStringLiteral("Comanda Inválida! Informe um número inteiro de 0 a 2147483647 (0 quando não houver).");
inline const QString kMsgValorInvalido =
    QStringLiteral("Valor Unitário Inválido! Informe o valor em reais, como 1.234,56, de 0 em diante.");
inline const QString kMsgValorPagoInvalido =
    QStringLiteral("Valor Inválido! Informe os valores em reais, como 1.234,56, de 0 em diante.");
inline const QString kMsgDescontoMaior = QStringLiteral("O Desconto não pode ser maior que o Valor Consumido!");
inline const QString kMsgJaExcluida =
    QStringLiteral("Esta Despesa Avulsa já foi excluída em outra estação. A lista será atualizada.");
inline const QString kMsgFuncionarioInexistente =
    QStringLiteral("Funcionário não encontrado. Selecione o funcionário novamente.");

enum class Tipo { Individual, Varias };

enum class Campo { Nenhum, Produto, Quantidade, ValorUnit, Comanda, Pagamento, Desconto };

struct Recusa {
    QString mensagem;
    Campo foco = Campo::Nenhum;
    Mensagem::Tipo tipo = Mensagem::Tipo::Aviso;
};

// ---------------------------------------------------------------- entry

// One product line as the entry panel holds it, already read.
struct Item {
    qint64 produto = 0;
    QString descricao;
    qint64 qtd = 0;
    Dinheiro valorUnit;
    qint64 comanda = 0;
    Dinheiro total() const { return valorUnit * qtd; }
};

// Reads the entry panel's fields: a product must be chosen, the quantity a
// whole number from 1 up (empty or "0": "Informe a Quantidade Consumida!"),
// the price money from 0 up, the ticket a whole number from 0 up (empty is
// 0). Both numbers must fit the INTEGER columns.
struct Leitura {
    std::optional<Item> item;
    std::optional<Recusa> recusa;
};
Leitura lerItem(qint64 produto, const QString &descricao, const QString &qtd, const QString &valorUnit,
                const QString &comanda);

// The barcode field's "*": what was typed before it sets the quantity. A
// number other than 0 gives that number as typed, 0 gives "1", a text that
// is not a number gives nothing (the field is only emptied).
std::optional<QString> quantidadeDoAsterisco(const QString &textoAntes);

// The product of a barcode (not deleted); 0 when none.
qint64 produtoDoCodigoBarras(ConexaoBanco &conexao, const QString &codigo);

struct Produto {
    qint64 id = 0;
    QString descricao;
    Dinheiro valor;
    Dinheiro taxa; // percent of its point of sale, 0 when it has none
};
std::optional<Produto> lerProduto(ConexaoBanco &conexao, qint64 id);

// Gross of a single-item sale: quantity × price plus the point-of-sale fee
// (percent) on it, rounded to the cent.
Dinheiro bruto(const Item &item, Dinheiro taxa);
// Gross of a several-item sale: the sum of its lines (no fee).
Dinheiro bruto(const QList<Item> &itens);

// "Descontos / Acréscimos": the amount due from the gross; nullopt when the
// discount is above the gross.
std::optional<Dinheiro> aplicarDescontoAcrescimo(Dinheiro bruto, Dinheiro valor, bool desconto);

// The difference between the gross at save and the amount due, as stored.
struct Ajuste {
    Dinheiro desconto;
    Dinheiro acrescimo;
};
Ajuste ajuste(Dinheiro bruto, Dinheiro devido);

// ---------------------------------------------------------------- payment

// The seven means of a sale, in the order of the payment panel.
constexpr int kMeios = 7;
// MeioCaixa of each position (Dinheiro .. PixChq) and the sale's column.
MeioCaixa meioCaixa(int i);
QString colunaVenda(int i); // "DINHEIRO", "VISA", "DEBVISA", "MASTER", "DEBMASTER", "HIPER", "CHEQUE"

struct Pagamento {
    std::array<Dinheiro, kMeios> meios{};
    qint64 funcionario = 0; // the buying employee; 0: a customer pays
    Dinheiro total() const;
};

// The means fields as typed (empty is 0); nullopt when one is not money or
// is negative.
std::optional<std::array<Dinheiro, kMeios>> lerMeios(const std::array<QString, kMeios> &textos);

// "Confirmar": a customer's means must add up to the amount due; an
// employee must be chosen. Refused with "Valor Informado Diferente do Valor
// Consumido!".
std::optional<Recusa> aceitar(Dinheiro devido, const Pagamento &p, bool funcionario);

// ---------------------------------------------------------------- saving

struct Gravacao {
    qint64 id = 0;
    std::optional<Recusa> recusa;
    bool gravada() const { return !recusa; }
};

// A single-item sale. The gross is computed from the item and the product's
// fee now; what differs from the amount due is stored as a discount or an
// addition. Logs "Incluiu Despesa Avulsa -> (<product>)"; an employee's
// deduction "Despesa Avulsa Cód. <key> - <product, 60>" and its log line.
Gravacao gravarIndividual(ConexaoBanco &conexao, const Item &item, Dinheiro devido, const Pagamento &p);
// A several-item sale: the header and its lines (key from the generator),
// one log line per line, an employee's deduction "Várias Despesas Avulsas
// Cód. <key>".
Gravacao gravarVarias(ConexaoBanco &conexao, const QList<Item> &itens, Dinheiro devido, const Pagamento &p);

// Texts of the deductions (the deletion finds them by these).
QString descricaoDeducao(qint64 id, const QString &produto);
QString descricaoDeducaoVarias(qint64 id);

// ---------------------------------------------------------------- deleting

struct Exclusao {
    bool excluida = false;
    std::optional<Recusa> recusa;
};

// Deletes a sale and undoes its saving: the means leave the open shift
// (cash through ControleCaixa), bought-in stock comes back, the employee's
// deduction is marked deleted, the log line is written. A shift that does
// not hold the money refuses the whole deletion; a sale already deleted
// elsewhere is told.
Exclusao excluirIndividual(ConexaoBanco &conexao, qint64 id);
Exclusao excluirVarias(ConexaoBanco &conexao, qint64 id);

// ---------------------------------------------------------------- lists

// The statements of the two lists (newest sale first). Without MOVIMENTOS
// the single-item list holds today's sales only.
struct Consulta {
    QString sql;
    QVariantList valores;
};
Consulta consultaIndividual(bool soHoje, const QDate &hoje);
Consulta consultaVarias();

// The detail box of a several-item sale.
QString textoDetalhe(ConexaoBanco &conexao, qint64 id);

// "Recibo": the amount and the reference proposed for a sale.
struct DadosRecibo {
    Dinheiro valor;
    QString referente;
};
std::optional<DadosRecibo> dadosRecibo(ConexaoBanco &conexao, Tipo tipo, qint64 id);

// "Cupom Fiscal" without the companion point of sale: the fiscal routines
// screen with the sale, set by the subsystem that has that screen; while
// unset the button stays disabled (unless UTILIZA_FISCAL is "S").
inline std::function<void(Tipo tipo, qint64 id)> abrirCupomFiscal;

} // namespace DespesasAvulsas
