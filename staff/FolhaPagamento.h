#pragma once
// The monthly payroll: generating a month's salary and contribution entries
// for every live employee, and the printed payroll sheet and payslips built
// from the month's live entries.
//
// Generation and regeneration run as one transaction under a lock on the
// settings row, so two workstations generating one month give each employee
// one salary entry and one contribution entry.
#include "base/Dinheiro.h"
#include "base/Relatorio.h"

class ConexaoBanco;

#include <QDate>
#include <QList>
#include <QString>

namespace FolhaPagamento {

inline const QString kMsgGerada = QStringLiteral("Folha de Pagamento Gerada com Sucesso!");
inline const QString kMsgRegerar = QStringLiteral(
    "A Folha de Pagamento Já se Encontra Gerada Para esse Mês! Deseja Gerá-la Novamente para Esse Mês?");
inline const QString kMsgDiaInvalido = QStringLiteral(
    "Dia de Cálculo da Folha de Pagamento Inválido! Informe um dia entre 1 e 31 nos Parâmetros do Sistema.");
inline const QString kMsgSemFuncionarios =
    QStringLiteral("Nenhum Funcionário Cadastrado Para Gerar a Folha de Pagamento!");
inline const QString kMsgMesInvalido = QStringLiteral("Mês Inválido! Informe o mês como MM/AAAA, como 03/2025.");
// "O Funcionário <nome> Está Sem Salário Base! ..."
QString mensagemSemSalario(const QString &nome);

// Descriptions the generation writes, and the ones a regeneration removes.
inline const QString kSalario = QStringLiteral("SALARIO CONTRATUAL");
inline const QString kContribuicao = QStringLiteral("I.N.S.S.");
const QStringList &descricoesReservadas();

// The contribution ceiling: 4.159,00.
constexpr Dinheiro kTetoContribuicao = Dinheiro::deCentavos(415900);

// The due date of a month for the setting's day: above 28 in February
// gives the 28th, above 30 gives the 30th. Invalid for a day below 1.
QDate vencimento(int dia, int mes, int ano);
// The rate (percent, as 9,00) applied to the salary capped at the ceiling,
// rounded half up to the cent; zero for a rate of zero or below.
Dinheiro contribuicao(const Dinheiro &salario, const Dinheiro &taxa);

struct Geracao {
    enum class Situacao {
        Gerada,       // entries written (or every employee already had them after a regeneration)
        JaGerada,     // nothing to generate: ask whether to generate again
        Recusada,     // bad setting or employee: nothing written
    };
    Situacao situacao = Situacao::Recusada;
    int funcionarios = 0; // employees who received entries
    QString mensagem;     // what to show
};
// Generates the month for the live employees who lack its salary entry.
// With `regerar`, the month's unpaid entries of the reserved descriptions
// are deleted first, in the same transaction.
Geracao gerar(ConexaoBanco &conexao, int mes, int ano, bool regerar = false);

// ---------------------------------------------------------------- sheet

struct LinhaFolha {
    qint64 funcionario = 0;
    QString nome;
    Dinheiro salario;     // salary entries of the month
    Dinheiro extras;      // other credits
    Dinheiro descontos;   // other discounts
    Dinheiro inss;        // contribution entries
    Dinheiro liquido() const { return salario + extras - descontos - inss; }
};
// One line per live employee, by name, from the month's live entries.
QList<LinhaFolha> folha(ConexaoBanco &conexao, int mes, int ano);
// The printed sheet ("Folha de Pagamento Mensal").
Relatorio relatorioFolha(ConexaoBanco &conexao, int mes, int ano);

// ---------------------------------------------------------------- payslips

struct CodigoReferencia {
    int codigo = 0;
    Dinheiro referencia;
};
// The payslip's code and reference of an entry.
CodigoReferencia codigoReferencia(const QString &descricao, const Dinheiro &salario);

struct OpcoesHolerite {
    QDate de, ate;               // the entries' due dates
    int mesReferencia = 0;       // the month selector's month (printed as "Referente a ...")
    int anoReferencia = 0;
    bool mesAnterior = false;    // "Referente ao Mês Anterior"
    bool duasVias = false;
    QList<qint64> funcionarios;  // the ticked employees; empty: everyone
};
// "Referente a MARÇO - 2025" (the month before with mesAnterior).
QString referente(int mes, int ano, bool mesAnterior);
// One payslip per employee with entries (twice in a row with duasVias).
Relatorio relatorioHolerites(ConexaoBanco &conexao, const OpcoesHolerite &o);
// Payslips printed in the report (one per employee, or per copy).
int contarHolerites(const Relatorio &r);

// The names ticked two by two, in list order (the last group may hold one).
QList<QList<qint64>> doisADois(const QList<qint64> &funcionarios);

} // namespace FolhaPagamento
