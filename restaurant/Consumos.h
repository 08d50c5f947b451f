#pragma once
// The rules of a table's account, without widgets: its lines and totals
// (service fee, packaging fee, value per person), partial payments, moving a
// line to another table and handing the account over to the companion point
// of sale as a pre-sale document.
//
// Amounts are exact: a line's quantity × unit price keeps every decimal, the
// fees and the total are summed exactly and rounded once to the cent (halves
// away from zero), and the rounded values are the ones shown and sent.
// Every write is one transaction that locks the rows it changes and checks
// them again, so two terminals on one account never pass its total, never
// move a line twice and never hand one account over twice.
#include "base/Dinheiro.h"
#include "base/Relatorio.h"
#include "base/UnitDM.h"
#include "restaurant/Mesas.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace Consumos {

inline const QString kTitulo = QStringLiteral("Movimentar Consumos");
inline const QString kTituloAlterar = QStringLiteral("Alterar Consumos");
inline const QString kRotuloAlterar = QStringLiteral("Informe a Quantidade Desejada do Item Selecionado");
inline const QString kTituloTaxa = QStringLiteral("Não cobrar taxa de serviço");
inline const QString kRotuloSenhaTaxa =
    QStringLiteral("Informe a Senha de Acesso Especial para liberar a taxa de serviço:");
inline const QString kMsgSenhaIncorreta = QStringLiteral("Senha Incorreta! A taxa de serviço continua sendo cobrada.");
inline const QString kTituloParcial = QStringLiteral("Adicionar Pagamento Parcial");
inline const QString kRotuloParcial = QStringLiteral("Informe o Valor: R$ ");
inline const QString kMsgValorInvalido = QStringLiteral("Valor Inválido!");
inline const QString kMsgParcialMaior =
    QStringLiteral("Não é possível adicionar pagamento parcial maior que o valor da conta!");
inline const QString kMsgParcialSucesso = QStringLiteral("Operação realizada com Sucesso Valores Adicionados ao Caixa!");
inline const QString kMsgPessoasInvalida =
    QStringLiteral("Quantidade de Pessoas Inválida! Informe um número inteiro.");
inline const QString kMsgQuantidadeInvalida = QStringLiteral("Quantidade Inválida!");
inline const QString kMsgSelecioneNovo = QStringLiteral("Selecione o Novo!");
inline const QString kMsgTransferido = QStringLiteral("Consumo Transferido com Sucesso!");
inline const QString kMsgDestinoMudou =
    QStringLiteral("A Mesa/Cartão %1 não está mais ocupada. Nada foi transferido.");
inline const QString kMsgLinhaMudou =
    QStringLiteral("Este consumo foi alterado em outra estação. Nada foi transferido.");
inline const QString kMsgContaEncerrada =
    QStringLiteral("Esta conta já foi encerrada em outra estação. Nada foi gravado.");
inline const QString kPerguntaDav = QStringLiteral("Deseja Realmente Converter este Consumo em DAV?");
inline const QString kMsgDavSucesso =
    QStringLiteral("DAV Convertido com Sucesso, efetue o faturamento no Zentro PDV!");
inline const QString kMsgDavFalhou =
    QStringLiteral("Não foi possível gravar o DAV no Zentro PDV:\n%1\nA conta continua aberta e nada foi gravado.");

// A quantity in ten-thousandths (NUMERIC(18,4)): 1,6 is 16000.
using Quantidade = qint64;
constexpr Quantidade kUmaUnidade = 10000;
// The database's exact text of a quantity ("1.6000", "2", "-0.5").
Quantidade quantidadeDeSql(const QString &texto);
// A decimal (in units of 10^-casas) as plain text: no thousands separator,
// no trailing zeros, no separator when nothing follows it (2.0000 -> "2",
// 12.50 -> "12,5").
QString textoSimples(qint64 valor, int casas, QChar separador);
// Rounds a value given in units of 10^-casas to whole units, halves away from zero.
qint64 arredondar(qint64 valor, int casas);

struct Item {
    qint64 idConsumo = 0;
    qint64 idProduto = 0;
    qint64 idCheckIn = 0;
    Quantidade qtd = 0;
    Dinheiro valorUnit;
    QString descricao;
    bool viagem = false;
    Dinheiro taxaEmbalagem;
    bool embalagem = false;   // the product charges packaging on take-away
    QString obs;
    QString unMedida, sitTribut;
    // Quantity × unit price, exact, in millionths of a real.
    qint64 qtdXUnitMicro() const { return qtd * valorUnit.centavos(); }
    // The same with four decimals, in ten-thousandths of a real.
    qint64 qtdXUnit4() const { return arredondar(qtdXUnitMicro(), 2); }
};

// The lines of an opening, by key.
QList<Item> lerItens(ConexaoBanco &conexao, qint64 idCheckIn);

struct Totais {
    Dinheiro subtotal;        // every line, rounded to the cent
    Dinheiro embalagem;       // packaging fee
    Dinheiro taxaServico;     // service fee, rounded once
    Dinheiro total;           // account total, rounded once from the exact sum
};
// `taxaPercentual`: TAXA_ATEND (2,5 % is 2,50); `semTaxa`: the box ticked.
Totais calcular(const QList<Item> &itens, Dinheiro taxaPercentual, bool semTaxa);

// The value per person: empty or below 2 gives 0,00; a text that is not a
// whole number gives nothing (the caller says so).
std::optional<Dinheiro> valorPorPessoa(Dinheiro total, Dinheiro parcial, const QString &pessoas);

// The opening's partial payments and print count.
struct Abertura {
    qint64 idCheckIn = 0;
    QString idFuncionario;
    Dinheiro pagParcial;
    qint64 impressoes = 0;
    bool encerrada = false;   // DATA_SAIDA set: handed over
    QDateTime entrada;        // DATA_ENTRADA + HORA_ENTRADA
};
Abertura lerAbertura(ConexaoBanco &conexao, qint64 idCheckIn);

// Whether a password belongs to an active user with full access.
bool senhaAcessoTotal(ConexaoBanco &conexao, const QString &senha);

struct Resultado {
    bool feito = false;
    QString mensagem;   // the refusal, when not done
    Dinheiro valor;     // partial payments after the operation
    qint64 documento = 0; // the pre-sale document written
};

// Adds a partial payment to the opening. The amount as typed: "0,00",
// "1.234,50"; not money or not above zero is refused ("Valor Inválido!" or
// the reason). In one transaction, with the opening locked, the lines are
// read again and the payment is added only when the payments stay within the
// account total (with the fee as the screen shows it).
Resultado adicionarParcial(ConexaoBanco &conexao, qint64 idCheckIn, const QString &digitado, Dinheiro taxaPercentual, bool semTaxa,
                           const QString &tituloTela);

// The occupied tables a line may move to: every one but the current.
QList<Mesas::Mesa> destinos(ConexaoBanco &conexao, qint64 mesaAtual);

// Moves `quantidade` whole units of a line to the opening of table `destino`.
// The line is deleted only when all its quantity moves; the target gets the
// quantity on its line of the same product, price, take-away flag and
// packaging fee (the note marked with the source table), or a new line. One
// transaction; the target must still be occupied on the opening shown and
// the line must still hold the quantity.
Resultado transferir(ConexaoBanco &conexao, const Mesas::Textos &t, qint64 mesaOrigem, const Item &linha, const Mesas::Mesa &destino,
                     qint64 quantidade);

// ---------------------------------------------------------------- hand-over

struct ItemDav {
    int controle = 0;
    qint64 codProduto = 0;
    QString qtde, preco, totalIten;   // plain text with a decimal point
    QString descricao;                // 60 characters at most
    QString hash;
};
struct Dav {
    qint64 codigo = 0;
    QDate emissao;
    QTime hora;
    QString nomeCliente;      // 50 characters, padded with blanks
    qint64 codVendedor = 1;
    Dinheiro desconto;        // partial payments already taken
    Dinheiro valor;           // account total of the lines sent
    QString obs;
    QString hash;
    QList<ItemDav> itens;
};
// The document of an account: `cliente` as the table holds it, `valor` the
// total of `itens`, `desconto` the partial payments.
Dav montarDav(qint64 codigo, const QDateTime &agora, const QString &cliente, const QList<Item> &itens,
              Dinheiro valor, Dinheiro desconto, qint64 codVendedor, const QString &obs);
// COD_FUNCIONARIO as a number (0007 -> 7); 1 when it is not a number.
qint64 codigoVendedor(const QString &codFuncionario);

// Hands the opening of table `mesa` over: claims the table (still occupied
// on this opening, locked until the end), writes the document and its items
// in one companion transaction from the lines read now, then frees the
// table. A companion failure leaves the table occupied and nothing written.
Resultado converterEmDav(ConexaoBanco &conexao, const Mesas::Textos &t, qint64 mesa, qint64 idCheckIn, Dinheiro taxaPercentual,
                         bool semTaxa);

// ---------------------------------------------------------------- the bill

inline const QString kTituloConta = QStringLiteral("Extrato de Consumo");

// One line of the bill.
struct LinhaConta {
    qint64 idProduto = 0;
    QString descricao;
    Quantidade qtd = 0;
    Dinheiro valorUnit;
    Dinheiro total;   // quantity × price, exact, rounded once
};
// Grouped: the lines summed per product, price, description, take-away flag
// and packaging (one product at two prices, or eaten in and taken away, gives
// two lines), in the order each group first appears. Ungrouped: every account
// line with its own code, quantity and value.
QList<LinhaConta> linhasConta(const QList<Item> &itens, bool desagrupados);
// A quantity as the bill prints it: "#,###0.000" (1,600; 1.250,000).
QString textoQuantidadeConta(Quantidade q);
// Time at the table, "hh:mm" (hours may pass 24); empty without an entry.
QString permanencia(const QDateTime &entrada, const QDateTime &agora);

struct Conta {
    Mesas::Textos textos;
    qint64 mesa = 0;
    QString cliente;
    Abertura abertura;
    QString atendente;      // the attendant's full name
    QDateTime agora;
    QList<Item> itens;
    Totais totais;          // as the screen shows them
    Dinheiro porPessoa;
    bool desagrupados = false;
};
// The bill as a report: the company and table heading, the customer, opening,
// attendant and time at the table, the lines, then subtotal, fees, total,
// partial payments and rest, value per person, and MSGADICFISCAL.
Relatorio montarConta(const Conta &c);
// Records that the bill was printed: IMPRESSOES_EXTRATO + 1, in one
// statement, on an opening still open. The new count; nothing once handed over.
std::optional<qint64> contarImpressao(ConexaoBanco &conexao, qint64 idCheckIn);

} // namespace Consumos
