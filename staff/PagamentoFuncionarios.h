#pragma once
// The employees' book of money entries (FUNCIONARIO_PAGAMENTO): credits
// ("+") and discounts ("-") by due date, deleted by EXCLUIDO "S". What the
// payments screen and its record form need without widgets: the list's
// statements, the totals, and the writes (new, altered, deleted and paid
// entries), each one transaction with its log line.
//
// A paid entry (DATA_PAG set) is money that left the open cash-register
// shift: paying takes its amount out, altering puts the old amount back and
// takes the new one out, deleting puts it back. The row is locked and checked
// unchanged and live in the same transaction as the cash, so a refusal
// changes nothing and two workstations never move the money twice.
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"
#include "finance/ControleCaixa.h"

#include <QDate>
#include <QString>
#include <optional>

namespace PagamentoFuncionarios {

inline const QString kMsgFuncionarioInvalido = QStringLiteral("Funcionário Inválido");
inline const QString kMsgDescricaoInvalida = QStringLiteral("Descrição Inválida");
inline const QString kMsgValorInvalido = QStringLiteral("Valor Inválido!");
inline const QString kMsgCadastrado =
    QStringLiteral("Detalhe de Pagamento de Funcionário Cadastrado com Sucesso! Deseja Cadastrar Outro?");
inline const QString kMsgAlterado = QStringLiteral("Detalhe de Pagamento de Funcionário Alterado com Sucesso!");
inline const QString kMsgConfirmaExclusao = QStringLiteral("Deseja Realmente Excluir esse Pagamento?");
inline const QString kMsgMudouEmOutraEstacao = QStringLiteral(
    "Este Pagamento Foi Alterado ou Excluído em Outra Estação! A lista será atualizada.");
inline const QString kMsgJaPago = QStringLiteral("Este Pagamento Já Foi Efetuado!");
inline const QString kMsgMesInvalido = QStringLiteral("Mês Inválido! Informe o mês como MM/AAAA, como 03/2025.");
inline const QString kMsgDescricaoLonga = QStringLiteral("Descrição Inválida! Informe no máximo 90 caracteres.");
// "Deseja Efetuar o Pagamento de R$ 1.500,00 (SALARIO CONTRATUAL)?"
QString perguntaPagamento(const Dinheiro &valor, const QString &descricao);

// One entry as the list shows it.
struct Lancamento {
    qint64 chave = 0;        // COD_GERAL_F_P
    qint64 funcionario = 0;  // ID_FUNCIONARIO_PAGAMENTO
    QDate vencimento;
    QString tipo;            // "+" or "-"
    QString descricao;
    Dinheiro valor;
    QDate pagamento;         // invalid while unpaid
    bool pago() const { return pagamento.isValid(); }
};
Lancamento deLinha(const Linha &l);
// The live entry with this key; nullopt when none (or deleted).
std::optional<Lancamento> ler(ConexaoBanco &conexao, qint64 chave);

// ---------------------------------------------------------------- the list

// The fixed part of every statement of the list; the conditions follow.
extern const QString kSqlBase;
enum class Filtro { Funcionario, Cpf, MesAno, Descricao, Valor };
// Captions in the panel's order.
QString legendaFiltro(Filtro f);
struct Consulta {
    QString sql;
    Valores valores;
    QString recusa; // a text the choice cannot search (month not MM/AAAA, value not money)
    int mes = 0, ano = 0; // the month filter's month, when it is one
};
// The statement of a search; an empty month text gives every entry.
Consulta consulta(Filtro f, const QString &texto);
// The unfiltered statement, by due date then name, or by name then due date.
Consulta consultaTodos(bool porNome);
// The period search.
Consulta consultaPeriodo(const QDate &de, const QDate &ate);
// "MM/AAAA" of a month, and the month after (passo 1) or before (-1).
QString textoMes(int mes, int ano);
void passoMes(int &mes, int &ano, int passo);

// The live employees the screen gives a page each: key and name, by name.
struct Pagina {
    qint64 funcionario = 0;
    QString nome;
};
QList<Pagina> paginas(ConexaoBanco &conexao);

// Credits, discounts and net of a set of entries.
struct Totais {
    Dinheiro vencimentos, descontos;
    Dinheiro liquido() const { return vencimentos - descontos; }
};
Totais totais(const QList<Lancamento> &l);

// ---------------------------------------------------------------- writes

enum class Campo { Nenhum, Funcionario, Descricao, Valor };

// What the record form holds.
struct Dados {
    qint64 funcionario = 0;   // 0: none chosen
    QDate vencimento;
    bool credito = false;     // "Crédito" ("+") or "Desconto" ("-")
    QString descricao;
    QString valor;            // as typed ("1.500,00")
};

struct Resultado {
    bool feito = false;
    QString mensagem;          // the refusal (or the message after the write)
    Campo foco = Campo::Nenhum;
    qint64 chave = 0;
    ResultadoCaixa caixa;      // the cash movement of a paid entry, to show after the commit
    bool comCaixa = false;
};

// Checks in the form's order ("Funcionário Inválido", "Descrição Inválida",
// "Valor Inválido!"), then writes.
Resultado incluir(ConexaoBanco &conexao, const Dados &d);
// `original` is the row as the list showed it: it must still be live and
// unchanged. A paid row moves the cash (old amount back, new amount out);
// a shift that cannot pay the new amount refuses with nothing changed.
Resultado alterar(ConexaoBanco &conexao, const Lancamento &original, const Dados &d);
// Marks the row deleted; a paid row's amount goes back into the cash.
// `nome` is the employee's name for the log line.
Resultado excluir(ConexaoBanco &conexao, const Lancamento &original, const QString &nome);
// Pays an open entry: its amount leaves the cash and DATA_PAG becomes today.
Resultado pagar(ConexaoBanco &conexao, const Lancamento &original);

} // namespace PagamentoFuncionarios
