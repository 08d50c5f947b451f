#pragma once
// Consumption charged to a stay (DESPESA_UH), the stock items lent to its
// room (ITEM_ENTRADA) and its minibar contents (PS_ENTRADA).
//
// A consumption line copies the product's point-of-sale fee and its DIARIA
// flag, and lowers the stock of a bought-in product in the same transaction.
// Removing a line asks for a reason, gives the stock back and, for a line paid
// at once, takes the payment back out of the open cash-register shift and out
// of the stay's paid columns; when the register refuses, nothing is removed.
#include "base/Dinheiro.h"
#include "base/Mensagem.h"
#include "finance/ControleCaixa.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <optional>

class ConexaoBanco;

namespace Consumo {

// A line as the entry panel gives it.
struct LinhaNova {
    qint64 produto = 0;
    QString descricao;       // log lines
    QString qtd;             // as typed
    QString valorUnit;       // as typed, "#,##0.00"
    QDate data;
    int comanda = 0;
    QString responsavel;
};

enum class Campo { Nenhum, Produto, Quantidade, ValorUnit, Data, Motivo };

struct Recusa {
    QString mensagem;
    Campo foco = Campo::Nenhum;
    Mensagem::Tipo tipo = Mensagem::Tipo::Erro;
    // The stay was closed or cancelled on another workstation meanwhile:
    // nothing was written and the form shows the stay anew.
    bool fechada = false;
};

namespace Textos {
inline const QString SemProduto = QStringLiteral("Informe o Produto ou Serviço Consumido!");
inline const QString SemQuantidade = QStringLiteral("Informe a Quantidade Consumida!");
inline const QString ValorInvalido = QStringLiteral("Valor Unitário Inválido!");
inline const QString DataFutura = QStringLiteral("A Data do Consumo não pode ser posterior à Data de Hoje!");
inline const QString SemMotivo = QStringLiteral("Informe o Motivo da Exclusão do Consumo!");
inline const QString TituloMotivo = QStringLiteral("Remover Consumo");
inline const QString PerguntaMotivo = QStringLiteral("Informe o Motivo dessa Exclusão:");
inline const QString LinhaRemovida =
    QStringLiteral("Este consumo já foi removido em outra estação. A lista será atualizada.");
inline const QString PagoNaoCobre = QStringLiteral(
    "Os valores pagos desta entrada não cobrem a devolução deste consumo. Nada foi removido.");
inline const QString SemItem = QStringLiteral("Informe o Item de Estoque!");
inline const QString SemQuantidadeItem = QStringLiteral("Informe a Quantidade!");
} // namespace Textos

// The entry checks: product, quantity (a whole number of at least 1), unit
// price (readable, not negative) and a date not later than today.
std::optional<Recusa> validar(const LinhaNova &l, const QDate &hoje);

// Writes a checked line in the caller's transaction: stock of a bought-in
// product lowered, the line with the product's fee and DIARIA flag, dated
// l.data at the time now. `usuario`: the login of the USUARIO column.
// Returns the line's key.
// `pago`: a line paid at once (PAGO "S"); its means are recorded by
// registrarPagamento.
qint64 gravarLinha(ConexaoBanco &c, qint64 idEntrada, const LinhaNova &l, const QString &usuario,
                   bool pago = false);
// The point-of-sale fee of a product (percent), 0 when it has none.
Dinheiro taxaDoProduto(ConexaoBanco &c, qint64 idProduto);

// "Incluir" of the consumption panel: checks, writes and logs
// "Incluiu Despesa ou Consumo -> Código <stay> (<product> - <room>)".
struct Inclusao {
    qint64 id = 0;
    std::optional<Recusa> recusa;
};
Inclusao incluir(ConexaoBanco &conexao, qint64 idEntrada, const QString &numeroUH, const LinhaNova &l);

// How a line paid at once was paid: one amount per means. Read from the
// line's payment rows, or from its FORMA_PAG text (the whole line in one
// means) when it has none.
struct Pagamento {
    MeioCaixa meio;
    Dinheiro valor;
};
QList<Pagamento> pagamentosDaLinha(ConexaoBanco &c, qint64 idDespesa);
// Records the means of a line paid at once (in the caller's transaction):
// one means goes into FORMA_PAG, several into the payment rows.
void registrarPagamento(ConexaoBanco &c, qint64 idDespesa, const QList<Pagamento> &pagamentos);

// "Remover": the reason is required. One transaction: the payment taken back
// from the shift and from the stay's columns (ADIANTADO and the means'
// column), the stock of a bought-in product given back, the log
// "Excluiu Despesa ou Consumo -> Código <stay> (<product> - <room>) (<reason>)"
// and the line deleted. A refusal (of the register among them) changes nothing.
struct Remocao {
    bool removida = false;
    std::optional<Recusa> recusa;
};
Remocao remover(ConexaoBanco &conexao, qint64 idDespesa, const QString &motivo, const QString &numeroUH);

// Every write below to a stay's lines, room items or minibar is made only
// while the stay is open, its row locked in the write's transaction; on a
// stay closed or cancelled elsewhere nothing is written and the refusal
// carries the check-out's "already closed" text (Recusa::fechada).

// ------------------------------------------------------------ room items

// Adds `qtd` of an item and logs "Incluiu Item de Estoque -> Código <stay> (<item> - <room>)".
std::optional<Recusa> incluirItem(ConexaoBanco &conexao, qint64 idEntrada, qint64 idItem, const QString &qtd, const QString &descricao,
                                  const QString &numeroUH);
// Removes every row of the item and puts back the room's standard quantity
// (type or room standard); logs "Excluiu Item de Estoque -> ...".
std::optional<Recusa> removerItem(ConexaoBanco &conexao, qint64 idEntrada, qint64 idItem, qint64 idTipoUH, qint64 idUH, const QString &descricao,
                 const QString &numeroUH);

// ------------------------------------------------------------ minibar

// Adds `qtd` of a product at a unit price; logs "Incluiu Item de Frigobar -> ...".
std::optional<Recusa> incluirFrigobar(ConexaoBanco &conexao, qint64 idEntrada, qint64 idProduto, const QString &qtd,
                                      const QString &valorUnit, const QString &descricao, const QString &numeroUH);
// Removes the grid line: that product at that price only; logs "Excluiu Item de Frigobar -> ...".
std::optional<Recusa> removerFrigobar(ConexaoBanco &conexao, qint64 idEntrada, qint64 idProduto, Dinheiro valor, const QString &descricao,
                     const QString &numeroUH);

} // namespace Consumo
