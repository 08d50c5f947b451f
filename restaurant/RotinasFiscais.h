#pragma once
// Rules of the fiscal-printer routines, without widgets: the analysis of the
// printer's return codes, the coupon's lines (stays and counter sales), its
// totals in cents, the closing message and the coupon's printing.
//
// Nothing here writes to the database: a coupon leaves stays and sales as
// they were.
#include "base/Dinheiro.h"

class ConexaoBanco;

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <optional>

// Shows the message of a printer return code: 1 and unlisted codes show
// nothing. The one routine of every fiscal screen.
void Analisa_iRetorno(int iRetorno);

namespace RotinasFiscais {

// Which kind of counter sale the coupon is for: a single-item sale
// (DESPESA_AVULSA) or a several-item sale (V_DESPESA_AVULSA with its
// V_I_DESPESA_AVULSA lines).
enum class TipoDespesaAvulsa { Individual, VariosItens };

inline const QString kTitulo = QStringLiteral("Rotinas Fiscais");
inline const QString kMsgSemItens = QStringLiteral("Deve existir pelo menos um item para impressão do Cupom!");
inline const QString kPerguntaEmitir = QStringLiteral("Emitir Cupom Fiscal?");
inline const QString kPerguntaReducaoZ =
    QStringLiteral("A Redução Z impossibilitará novas impressões de Cupons Fiscais Hoje!\n\nContinua ?");
inline const QString kPerguntaCancelar = QStringLiteral("Deseja Realmente Cancelar o Último Cupom Emitido?");
inline const QString kAliquotasProgramadas = QStringLiteral("Alíquotas Programadas:\n\n");
inline const QString kTituloCodigoEntrada = QStringLiteral("Informação");
inline const QString kCodigoEntrada = QStringLiteral("Código da Entrada:");
inline const QString kMsgInformeEntrada = QStringLiteral("Informe o Número da Entrada!");
inline const QString kMsgEntradaJaAdicionada = QStringLiteral("Essa Entrada já foi adicionada!");
inline const QString kMsgErroAdicionar = QStringLiteral("Erro ao Adicionar Hospedagem ao Cupom!");
inline const QString kMsgUmaHospedagem = QStringLiteral("Necessário pelo menos uma Hospedagem!");
inline const QString kDespedida = QStringLiteral("Obrigado, Volte Sempre!");
// Bad input, refused before any call to the printer.
inline const QString kMsgDescontoInvalido = QStringLiteral("Desconto inválido! Informe um número, como 10 ou 15,50.");
inline const QString kMsgDescontoPercentual = QStringLiteral("O desconto não pode passar de 100%!");
inline const QString kMsgDescontoSubtotal = QStringLiteral("O desconto não pode ser maior que o SubTotal!");
inline const QString kMsgDataInvalida = QStringLiteral("Data inválida! Informe as datas como dd/mm/aa.");
inline const QString kMsgPeriodoInvertido = QStringLiteral("A Data Final não pode ser anterior à Data Inicial!");
inline const QString kMsgAliquotaInvalida =
    QStringLiteral("Alíquota inválida! Informe o valor da alíquota entre 0,01 e 99,99, como 18,00.");
// "%1" item number, "%2" description, "%3" the value.
inline const QString kMsgValorItem = QStringLiteral(
    "O item %1 (%2) tem valor unitário de R$ %3, que a impressora fiscal não aceita (de 0,00 a 999.999,99)!");
inline const QString kMsgQuantidadeItem =
    QStringLiteral("O item %1 (%2) tem quantidade %3, que a impressora fiscal não aceita (de 1 a 9999)!");
inline const QString kMsgValorDesconto =
    QStringLiteral("O desconto de R$ %1 passa do que a impressora fiscal aceita (R$ 999.999,99)!");
inline const QString kMsgCupomCancelado = QStringLiteral("O Cupom Fiscal foi cancelado na impressora.");

// Largest unit value (and discount) the printer takes.
inline constexpr qint64 kMaxValorCentavos = 99999999;
inline constexpr qint64 kMaxQuantidade = 9999;

// One line of the coupon, as every source gives it.
struct LinhaCupom {
    qint64 chave = 0;      // ID_DESPESA_UH (or the night's / sale line's key)
    qint64 idPs = 0;       // 0 for a summary or night line
    qint64 qtd = 0;
    Dinheiro valorUnit;
    qint64 comanda = 0;
    QString usuario;
    QDate data;
    QTime hora;
    QString pago;
    qint64 idEntrada = 0;  // 0 for counter sales
    Dinheiro taxa;
    QString diaria;        // "S" for a night
    qint64 hospedes = 0;
    QString selecionado = QStringLiteral("S");
    QString descricaoProduto; // DESCRICAO of the product (lines with a product)

    // "DIÁRIA" / "CONSUMO" for summary lines, else the product's description.
    qint64 codigo() const { return idPs == 0 ? 1 : idPs; }
    QString descricao() const;
    Dinheiro valor() const { return valorUnit * qtd; }
    bool selecionada() const { return selecionado == QLatin1String("S"); }
};

// The line choice of the stays.
enum class Escolha { Todos, Individual, ApenasDiarias, ApenasConsumos };

// Lines of the listed stays, ordered by date and time. `agrupado`:
// AGRUPARCONSUMOFISCAL "S" (per stay one consumption summary, plus one line
// per charged night); otherwise the stays' consumption lines and nights.
// "Apenas Consumos" leaves the nights out, "Apenas Diárias" keeps only them.
QList<LinhaCupom> linhasHospedagens(ConexaoBanco &conexao, const QList<qint64> &estadias, bool agrupado, Escolha escolha);
// Lines of one counter sale.
QList<LinhaCupom> linhasDespesaAvulsa(ConexaoBanco &conexao, TipoDespesaAvulsa tipo, qint64 idVenda);

// Sum of the lines' values (only the selected ones when `soSelecionadas`).
Dinheiro subtotal(const QList<LinhaCupom> &linhas, bool soSelecionadas);

enum class TipoDesconto { Percentual, Valor };

// The coupon's total: subtotal minus the discount (a percent rounded half up
// to the cent). An empty discount is no discount. A discount that is not a
// number, above 100 % or above the subtotal gives nothing and `erro` says why.
std::optional<Dinheiro> totalCupom(Dinheiro subtotal, TipoDesconto tipo, const QString &desconto,
                                   QString *erro = nullptr);
// The discount as a value: cents for "Valor", hundredths of percent for
// "Percentual" (empty: 0). Nothing when it is not a number.
std::optional<qint64> lerDesconto(const QString &texto);

// The closing message: up to three 48-character lines (document, name,
// address, each only when filled), 48 blanks and the farewell.
QString mensagemFechamento(const QString &cpfCnpj, const QString &nome, const QString &endereco);

// The payment names of the coupon's payment choices, in the screen's order.
QString nomeFormaPagamento(int indice);

struct DadosCupom {
    QList<LinhaCupom> linhas;   // the lines that take part
    TipoDesconto tipoDesconto = TipoDesconto::Percentual;
    QString desconto;           // as typed
    int formaPagamento = 0;     // index of the payment choice
    QString nome;
    QString cpfCnpj;
    QString endereco;
    QString aliquotaDiaria;     // ALIQUOTADIARIA
};

enum class Resultado { SemItens, Recusado, Desistiu, Impresso, Falhou };

// "Confirmar": checks, asks "Emitir Cupom Fiscal?", prints the coupon. A
// failed call stops the coupon: its message is shown and the open coupon is
// cancelled, never closed with a total its items do not make.
Resultado emitirCupom(const DadosCupom &d);

// "dd/mm/yy" of the fiscal-memory reading; nothing when not a date.
std::optional<QDate> lerDataMemoria(const QString &texto);

} // namespace RotinasFiscais
