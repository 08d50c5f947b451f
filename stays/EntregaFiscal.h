#pragma once
// The hand-over of a stay's statement to the fiscal programs ("Cupom Fiscal"
// and "NFCe" destinations of the account statement).
//
// - "Cupom Fiscal" without UTILIZA_FISCAL: the fiscal-printer routines screen
//   of the restaurant subsystem, given the stay (abrirRotinasFiscais).
// - "Cupom Fiscal" with UTILIZA_FISCAL "S": a pre-sale document (ORCAMENTO
//   and its ITEMORCAMENTO rows, with MD5 digests over Windows-1252 text) in
//   the companion point of sale's database, then Zentro PDV brought forward
//   or started.
// - "NFCe": an order, a receivable and an NFC-e request in the companion
//   control program's database, then Zentro Controle 5 brought forward or
//   started.
//
// The point of sale reads the document as it always has: VALOR is what the
// stay was paid (its eight payment columns), DESCONTO "0", one item per
// night (product 1, "DIARIA") and one per consumption line at quantity ×
// unit price, without the service fee. Each companion database is written in one transaction, keys come from its
// generators, and every hand-over is recorded on the stay (ENTREGA_FISCAL)
// while the stay's row is locked, so two workstations never hand the same
// stay over twice by accident: a repeat is refused (NFC-e) or confirmed
// (pre-sale document). When the companion rows were committed but recording
// them here failed, the user is told, and a repeat finds the companion rows
// and records them without writing them again.
#include "base/Dinheiro.h"
#include "platform/ProgramaCompanheiro.h"
#include "stays/Extrato.h"

class ConexaoBanco;

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <functional>

namespace EntregaFiscal {

inline const QString kMsgSemConsumo = QStringLiteral("Nenhum consumo nesta hospedagem!");
inline const QString kMsgJaPreparada = QStringLiteral(
    "Essa hospedagem já encontra-se preparada para emissão, realize a emissão no Nuvrel!");
inline const QString kMsgSucessoNfce =
    QStringLiteral("Operação executada com sucesso, agora realize a emissão no Zentro Controle!");
// "%1": the stay; "%2": the earlier document.
inline const QString kPerguntaReenvio = QStringLiteral(
    "A Hospedagem Nº %1 já foi enviada ao Zentro PDV (Orçamento Nº %2). Deseja Enviar um Novo Orçamento?");
inline const QString kMsgOutraEstacao =
    QStringLiteral("Esta hospedagem acabou de ser enviada ao Zentro PDV por outra estação. Nada foi enviado.");
// "%1": program, "%2": document, "%3": the error.
inline const QString kMsgRegistroFalhou = QStringLiteral(
    "%1 recebeu o documento Nº %2, mas o envio não pôde ser registrado nesta hospedagem:\n%3\n"
    "Repita o envio para registrá-lo: o documento não será gravado de novo.");
inline const QString kMsgSemRotinas =
    QStringLiteral("As Rotinas Fiscais não estão disponíveis nesta instalação.");

// The text in the Windows ANSI code page (Windows-1252); characters outside
// it become "?".
QByteArray paraCp1252(const QString &texto);
// MD5 of the Windows-1252 bytes: 32 upper-case hexadecimal digits.
QString md5(const QString &texto);
// An amount as the digests write it: decimal comma, no thousands separator,
// no trailing decimal zeros ("150", "22,5", "10,05", "-3").
QString textoValor(Dinheiro v);

struct ItemOrcamento {
    int controle = 0;
    qint64 codProduto = 0;
    qint64 qtde = 0;
    Dinheiro preco;
    Dinheiro total;
    QString descricao;
    QString hash;
};

struct Orcamento {
    qint64 codigo = 0;
    QDate emissao;
    QTime hora;
    QString codCliente;
    QString nomeCliente;    // first 50 characters
    Dinheiro valor;         // the stay's eight payment columns
    QString obs;            // "HOS <stay>"
    QString hash;
    QList<ItemOrcamento> itens;
};

// The pre-sale document of a statement: nights (in their order) then the
// consumption lines (in theirs).
Orcamento montarOrcamento(const ExtratoConta::Extrato &x, qint64 codigo, const QDateTime &agora);

struct ItemPedido {
    qint64 idProduto = 0;
    QString descricao;      // first 90 characters
    qint64 qtd = 0;
    Dinheiro valor;         // unit price
};

struct PedidoControle {
    QList<ItemPedido> itens;  // the consumption lines
    QString descricao;        // "CONSUMO HOSPEDAGEM N° <stay>" / "HOSPEDAGEM N° <stay>"
    Dinheiro valor;           // consumption at quantity × price / the stay's payments
    Dinheiro desconto;        // the stay's, for the whole stay
    Dinheiro acrescimo;
    QString codCliente;       // the stay's customer with at least four digits
};
// What the stay was paid: its eight payment columns.
Dinheiro pagamentos(const ExtratoConta::Estadia &e);
// `apenasConsumo`: NFCE_AP_PROD "S".
PedidoControle montarPedido(const ExtratoConta::Extrato &x, bool apenasConsumo);

// The two descriptions a stay's receivable may carry.
QString descricaoConsumo(qint64 idEntrada);
QString descricaoHospedagem(qint64 idEntrada);

enum class Resultado { Enviado, JaEnviado, Recusado, Cancelado, RotinasFiscais };

// "Cupom Fiscal" of the statement.
Resultado cupomFiscal(ConexaoBanco &conexao, const ExtratoConta::Extrato &x);
// "NFCe" of the statement.
Resultado nfce(ConexaoBanco &conexao, const ExtratoConta::Extrato &x);

// The fiscal-printer routines screen with the stay listed in it, set by the
// subsystem that has it; while unset "Cupom Fiscal" says it is not available.
inline std::function<void(qint64 idEntrada)> abrirRotinasFiscais;

// The companion control program "Zentro Controle 5" ("C:\Tevra\Zentro
// Controle 5.exe" with the argument "0", in "C:\Tevra\"): a running copy is
// brought forward, otherwise it is started once.
QString caminhoZentroControle();
QString pastaZentroControle();
ProgramaCompanheiro::Resultado abrirZentroControle(qint64 *pid = nullptr);

} // namespace EntregaFiscal
