#pragma once
// The financial movement of a period: every entry (stays closed, single- and
// several-item counter sales, additions to the cash register, the advance
// payments still held by open stays) and every exit (withdrawals) with their
// totals per group and per means of payment, the balance, the detail boxes,
// the reversal of cash additions and withdrawals, and the printed report.
//
// The rows come from two statements (entries, exits); the parts of each
// closed stay (its nights and its other lines, fee included) are summed by
// the database inside the entries statement. Moments are bound as
// timestamps, with the date columns bounded first so their indexes serve.
// Amounts with a service fee are kept to four decimal places (Quatro) and
// rounded to the cent only when shown.
#include "base/Dinheiro.h"
#include "base/TelaRelatorio.h"
#include "finance/ControleCaixa.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class ConexaoBanco;
class Relatorio;

namespace MovimentoFinanceiro {

inline const QString kTitulo = QStringLiteral("Movimento Financeiro");
inline const QString kTituloRelatorio = QStringLiteral("Relatório de Movimento Financeiro");
inline const QString kEntrada = QStringLiteral("Entrada (+)");
inline const QString kSaida = QStringLiteral("Saída (-)");
inline const QString kPrefixoHospedagem = QStringLiteral("Hospedagem Fechada N.º ");
inline const QString kPrefixoConsumo = QStringLiteral("Consumo Avulso N.º");
inline const QString kPrefixoVarios = QStringLiteral("Vários Consumos Avulsos N.º");
inline const QString kPrefixoReposicao = QStringLiteral("Reposição de Caixa -> ");
inline const QString kPrefixoRetirada = QStringLiteral("Retirada de Caixa");
inline const QString kAdiantados = QStringLiteral("Pagamentos Adiantados de Hospedagens em Aberto");

inline const QString kMsgPeriodoInvalido = TelaRelatorio::kMsgPeriodoInvalido;
inline const QString kMsgAnoInvalido = QStringLiteral("Data Inválida! Informe um ano de 1900 a 9999.");

inline const QString kOperacaoConsulta = QStringLiteral("Cosulta de Movimento Financeiro");
inline const QString kMsgSoReposicaoDinheiro =
    QStringLiteral("Só é permitido Efetuar Estorno de Reposições de Caixa em Dinheiro!");
inline const QString kMsgSoRetiradaDinheiro =
    QStringLiteral("Só é permitido Efetuar Estorno de Retiradas de Caixa em Dinheiro!");
inline const QString kPerguntaReposicao = QStringLiteral("Deseja realmente estornar essa reposição de caixa?");
inline const QString kPerguntaRetirada = QStringLiteral("Deseja realmente estornar essa retirada de caixa?");
inline const QString kMsgReposicaoEstornada = QStringLiteral("Estorno de Reposição Realizado com Sucesso!");
inline const QString kMsgRetiradaEstornada = QStringLiteral("Estorno de Retirada Realizado com Sucesso!");
// The row was reversed (deleted) meanwhile by another workstation.
inline const QString kMsgReposicaoJaEstornada = QStringLiteral(
    "Esta Reposição de Caixa já foi Estornada em Outra Estação! Nenhum Valor foi Movimentado.");
inline const QString kMsgRetiradaJaEstornada = QStringLiteral(
    "Esta Retirada de Caixa já foi Estornada em Outra Estação! Nenhum Valor foi Movimentado.");

// An amount kept to four decimal places (ten-thousandths of a real).
struct Quatro {
    qint64 v = 0;
    Quatro &operator+=(Quatro o)
    {
        v += o.v;
        return *this;
    }
    // Rounded half away from zero to the cent.
    Dinheiro dinheiro() const;
    QString formatado() const { return dinheiro().formatado(); }
    // "1234.5678" as the database returns it; empty or null reads 0.
    static Quatro deSql(const QVariant &v);
    static Quatro de(Dinheiro d) { return Quatro{d.centavos() * 100}; }
};

enum class Origem { Hospedagem, Consumo, VariosConsumos, Reposicao, Adiantados, Retirada };

// One row of the movement.
struct Movimento {
    Origem origem = Origem::Hospedagem;
    QString tipo;           // the history as the screen shows it
    QDateTime momento;
    std::optional<Dinheiro> valor;   // null when a means column is null
    QString identificador;  // key of the source row
    QString usuario;
    QString formaPag;       // means text of an addition or withdrawal
    QString descricao;      // reason of an addition or withdrawal
    std::array<Dinheiro, kMeiosCaixa> meios{};   // in MeioCaixa order; NOTA last
    std::optional<Dinheiro> desconto, acrescimo; // closed stays only
    Quatro diarias, consumos;                    // closed stays only

    bool entrada() const { return origem != Origem::Retirada; }
    bool vendaAvulsa() const { return origem == Origem::Consumo || origem == Origem::VariosConsumos; }
    // The amount the row counts with: VALOR when above zero, else zero. A
    // counter sale counts the money it brought in (the sum of its means).
    Dinheiro total() const;
    // The history as the printed report writes it (additions and
    // withdrawals without their means in brackets).
    QString tipoRelatorio() const;
};

// The period: from `de` to `ate`, both moments included.
struct Periodo {
    QDateTime de, ate;
    // Empty when valid; otherwise the message to show (no query runs).
    QString recusa() const;
};

// The means of an addition or withdrawal by its text ("Dinheiro",
// "Cartão de Crédito - Visa", ...); nullopt for a text outside the table.
std::optional<MeioCaixa> meioDoTexto(const QString &texto);

// The entries (ordered by moment, then history; the advance-payments row,
// dated 31/12/2099, last) and the exits (by moment, then history).
QList<Movimento> lerEntradas(ConexaoBanco &c, const Periodo &p);
QList<Movimento> lerSaidas(ConexaoBanco &c, const Periodo &p);
// The statements themselves (benchmarks run them on the raw client).
QString sqlEntradas();
QString sqlSaidas();
// The values they bind for a period.
QVariantList valoresEntradas(const Periodo &p);
QVariantList valoresSaidas(const Periodo &p);

// The totals of the screen.
struct Totais {
    Dinheiro hospedagens, despesasAvulsas, reposicoes, adiantados;
    Quatro diarias, despesas;
    Dinheiro descontos, acrescimos;
    std::array<Dinheiro, kMeiosCaixa> entrada{};     // closed stays, 8 means
    std::array<Dinheiro, kMeiosCaixa> vendas{};      // counter sales, 7 means (NOTA stays 0)
    std::array<Dinheiro, kMeiosCaixa> reposicao{};   // additions, by their means text
    std::array<Dinheiro, kMeiosCaixa> saida{};       // withdrawals, by their means text
    Dinheiro saidas;

    Dinheiro totalEntradas() const { return hospedagens + reposicoes + adiantados + despesasAvulsas; }
    Dinheiro saldo() const { return totalEntradas() - saidas; }

    // The summary lines as the screen shows them.
    QString linhaHospedagens() const;
    QString linhaDespesasAvulsas() const;
    QString linhaAdiantados() const;
    QString linhaReposicoes() const;
    QString linhaSaidas() const;
    // The detail boxes of the "+" buttons (the advances box reads the open stays).
    QString detalheEntradas() const;
    QString detalheDespesasAvulsas() const;
    QString detalheReposicoes() const;
    QString detalheSaidas() const;
};
Totais calcular(const QList<Movimento> &entradas, const QList<Movimento> &saidas);

// The zero texts shown before a calculation.
QString linhaHospedagensZero();
QString linhaDespesasAvulsasZero();
QString linhaAdiantadosZero();
QString linhaReposicoesZero();
QString linhaSaidasZero();

// The advances box: one line per open stay holding an advance, by room number.
QString detalheAdiantados(ConexaoBanco &c);

// The log's before-text of a calculation or of the printed report.
QString textoLogCalculo(const Periodo &p);
QString textoLogRelatorio(const Periodo &p);

// ---------------------------------------------------------------- reversals

struct Estorno {
    enum class Situacao { Feito, Recusado, SemSaldo, SemTurno, JaEstornado };
    Situacao situacao = Situacao::Recusado;
    Mensagem::Tipo tipo = Mensagem::Tipo::Informacao;
    QString mensagem;
    bool feito() const { return situacao == Situacao::Feito; }
};
// The refusal of a row that is not a cash addition (or withdrawal), before
// the question; empty when it may be reversed.
QString recusaEstorno(const Movimento &m);
// The reversal itself, in one transaction: the row is locked and read again
// (gone: reversed elsewhere, nothing moves), the open shift's cash changes
// through ControleCaixa (an addition's reversal above the cash balance is
// refused and deletes nothing), the row is deleted and the log line written.
Estorno estornar(ConexaoBanco &c, const Movimento &m);

// ---------------------------------------------------------------- report

// One band of the printed report.
struct LinhaRelatorio {
    QString tipo;        // history
    QString cd;          // "+" or "-"
    QString momento;     // "dd/MM/yyyy hh:mm:ss"
    std::optional<Quatro> diarias, consumos;
    std::optional<Dinheiro> desconto, acrescimo;
    Dinheiro total;
    QString usuario;
    QStringList detalhes;   // "Detalhado" lines ("Dinheiro: R$ 10,00")
    // Heights of the band and of its boxes (report units of 1/96 in).
    int alturaBanda = 0, alturaHistorico = 0, alturaDetalhe = 0;
};

struct DadosRelatorio {
    QList<LinhaRelatorio> linhas;
    Dinheiro totalEntrada, totalSaida;
    Quatro diarias, despesas;
    Dinheiro descontos, acrescimos;
    std::array<Dinheiro, kMeiosCaixa> entrada{}, saida{};
    Dinheiro valorTotal() const { return totalEntrada - totalSaida; }
    // The summary band's texts, in order: the eight entries, the seven exits,
    // the parts line, the caption over the three totals.
    QStringList resumo() const;
};
// The report's rows: entries and exits in one list by moment, sign and
// history, with their sign totals and per-means totals.
DadosRelatorio montarRelatorio(const QList<Movimento> &entradas, const QList<Movimento> &saidas, bool detalhado);
// The document printed from those rows (empty when there is no row).
Relatorio relatorio(const DadosRelatorio &d, const Periodo &p);

} // namespace MovimentoFinanceiro
