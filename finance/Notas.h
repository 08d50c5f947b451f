#pragma once
// On-account bills (NOTA): the list of unpaid bills with its filters and
// search, their settlement over the eight means and the report of open
// bills, as rules the screen calls.
//
// A settlement is one transaction: the bill is marked paid only while it is
// still unpaid (a second workstation finds it paid and books nothing), then
// the shift's on-account balance goes down and each means' balance up. A
// deposit never passes through cash: it is recorded on the bill and as a
// withdrawal row, leaving the cash balance where it was. The bill's means
// columns always add up to its VALOR.
#include "base/Dinheiro.h"
#include "base/Mensagem.h"
#include "base/Relatorio.h"
#include "base/UnitDM.h"
#include "finance/ControleCaixa.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace Notas {

inline const QString kTitulo = QStringLiteral("A Prazo");
inline const QString kMsgValorDiferente = QStringLiteral("Valor Informado Diferente do Valor da Nota!");
inline const QString kMsgSucesso = QStringLiteral("Operação Concluída com Sucesso! Valores Adicionados ao CAIXA!");
inline const QString &kMsgDeposito = kMsgRetiradaDeposito;
inline const QString kDescricaoDeposito = QStringLiteral("Pagamento de Nota Pendente - Depósito em Conta");
inline const QString kMsgJaBaixada =
    QStringLiteral("Esta Nota já foi Baixada em Outra Estação! Nenhum Valor foi Lançado.");
inline const QString kMsgValorInvalido = QStringLiteral("Valor Inválido! Informe os Valores em Reais, como 1.234,56.");
inline const QString kMsgSemCaixa = QStringLiteral("Necessário Abrir o Caixa para Funcionamento do Sistema!");
inline const QString kMsgSemSelecao = QStringLiteral("Selecione as Notas a Baixar!");
inline const QString kMsgMultiSelecao =
    QStringLiteral("Mantenha a tecla Control(Ctrl) pressionada para selecionar várias notas!");
inline const QString kTituloRelatorio = QStringLiteral("Relatório de Entradas A Prazo em Aberto");

// The eight means of a settlement, in the order of the payment panel.
enum class MeioNota { Dinheiro, CreditoVisa, DebitoVisa, CreditoMaster, DebitoMaster, Hipercard, PixChq, Deposito };
constexpr int kMeiosNota = 8;

struct DadosMeioNota {
    MeioNota meio;
    QString legenda;     // caption on the payment panel: "Crédito - Visa"
    QString colunaNota;  // NOTA column: "VISA"
    QString menu;        // entry of the one-means menu: "Visa - Crédito"
    QString confirmacao; // means named in the question: "Visa - Crédito"
};
const QList<DadosMeioNota> &meiosNota();

// The amount of each means (index = MeioNota).
struct Pagamento {
    std::array<Dinheiro, kMeiosNota> valores{};
    Dinheiro &operator[](MeioNota m) { return valores[size_t(m)]; }
    Dinheiro operator[](MeioNota m) const { return valores[size_t(m)]; }
    Dinheiro total() const;
    static Pagamento unico(MeioNota m, Dinheiro v)
    {
        Pagamento p;
        p[m] = v;
        return p;
    }
};

struct ResultadoBaixa {
    enum class Situacao { Baixada, JaBaixada, ValorDiferente, ValorInvalido, SemCaixa };
    Situacao situacao = Situacao::ValorInvalido;
    bool baixada() const { return situacao == Situacao::Baixada; }
    // Messages to show after the commit, in order (the final success message
    // is the screen's).
    QList<QPair<Mensagem::Tipo, QString>> avisos;
};

// Settles one bill in full with the amounts given (they must add up to its
// VALOR). Logs "Registrou Baixa de Nota Pendente -> (NOME - VALOR)".
ResultadoBaixa baixar(ConexaoBanco &conexao, qint64 idNota, const Pagamento &pagamento);

// Several bills with one means, each in its own transaction; outcome per bill.
struct ResultadoVarias {
    QList<QPair<qint64, ResultadoBaixa>> notas;
    int baixadas() const;
    // Text to show: the success message when every bill was settled, else a
    // line per bill that was not.
    QString mensagem() const;
};
ResultadoVarias baixarVarias(ConexaoBanco &conexao, const QList<qint64> &idsNota, MeioNota meio);

// ---------------------------------------------------------------- list

enum class FiltroCliente { SemNegativacao, Todos, ApenasNegativados };
enum class Criterio { Codigo, Entrada, Cliente, Valor, Desde };
QString legendaCriterio(Criterio c); // "Código", "Cód. Entrada", "Cód. Cliente", "Valor R$", "Desde"

struct Busca {
    Criterio criterio = Criterio::Codigo;
    QString texto; // as typed; empty lists everything
};

// The search value read for its criterion; nullopt with the message when the
// text does not fit (a code that is not a number, "150,00" is a valid value,
// a date must be dd/mm/aaaa).
struct ValorBusca {
    QVariant valor;
    QString erro;
};
ValorBusca lerBusca(const Busca &b);

struct Nota {
    qint64 idNota = 0;
    qint64 idEntrada = 0;
    qint64 idCliente = 0;
    QString nome;
    Dinheiro valor;
    QDate dataEntrada;
    QDate dataSaida;
    QString excluido;
};

// The unpaid bills of stays not cancelled, by customer name and key. A
// search text that does not fit its criterion raises ErroConversao with the
// message of lerBusca.
QList<Nota> listar(ConexaoBanco &conexao, FiltroCliente filtro, const Busca &busca = {});

// Logs "Tentou Localizar Nota Pendente de " + caption + " -> " + text.
void registrarBusca(const Busca &b);

// The report of open bills, one group per customer, with each stay's nights
// and consumption.
Relatorio relatorio(ConexaoBanco &conexao, const QList<Nota> &notas);

} // namespace Notas
