#pragma once
// Work schedules (ESCALA) and their periods (ESCALA_DET): the chain of
// periods built on the edit screen, the saving of a schedule with the start
// of its first period and the end of its last one, the deletion and the
// printed schedule. Every write is one transaction with its log line.
//
// A new schedule's key is reserved from GEN_ID_ESCALA when its screen opens
// (base/TelaEdicao ChaveReservada): its periods are stored under that key
// while it is built, and deleted again when it is left unsaved.
#include "base/Relatorio.h"
#include "base/TelaEdicao.h"

class ConexaoBanco;

#include <QDate>
#include <QString>
#include <QTime>

namespace Escala {

inline const QString kMsgDescricaoInvalida = QStringLiteral("Descrição da Escala Inválida!");
inline const QString kMsgSemPeriodos = QStringLiteral(
    "Escala Sem Períodos! Inclua ao menos um funcionário na escala antes de confirmar.");
inline const QString kMsgCadastrada = QStringLiteral("Escala Cadastrada com Sucesso!");
inline const QString kMsgAlterada = QStringLiteral("Escala Alterada com Sucesso!");
inline const QString kMsgConfirmaExclusao = QStringLiteral("Deseja Realmente Excluir essa Escala de Trabalho?");
inline const QString kMsgExcluida = QStringLiteral("Escala Excluída com Sucesso!");
inline const QString kMsgNaoEncontrada =
    QStringLiteral("Escala Não Encontrada! Ela Pode Ter Sido Excluída em Outra Estação.");
inline const QString kMsgFuncionarioInvalido =
    QStringLiteral("Funcionário Não Encontrado! Ele Pode Ter Sido Excluído em Outra Estação.");

// The list and its orders.
extern const QString kSqlLista;           // by key
extern const QString kSqlListaDescricao;  // by description
// The filter statement: "%1" takes the chosen condition.
extern const QString kSqlFiltro;
// The live employees the edit screen offers, by name.
extern const QString kSqlFuncionarios;
// A schedule's periods in their order, with the employee's name (one bound key).
extern const QString kSqlPeriodos;

// "Domingo" ... "Sábado".
QString diaDaSemana(const QDate &data);

struct Periodo {
    QDate dataInicio;
    QTime horaInicio;
    QDate dataTermino;
    QTime horaTermino;
};
// The period that starts at data/hora and lasts `carga` (a time of day used
// as a duration): the end wraps past midnight onto the next day; a workload
// of 00:00 lasts 24 hours.
Periodo periodo(const QDate &data, const QTime &hora, const QTime &carga);

// Stores a period of the employee under the schedule's key; returns its key.
// What removes the periods of a new schedule left without saving (its
// reserved key bound).
QString sqlLimpezaNovo();

qint64 incluirPeriodo(ConexaoBanco &conexao, qint64 escala, qint64 funcionario, const Periodo &p);
// Deletes a period and logs "Excluiu Período da Escala -> Código <key>".
void removerPeriodo(ConexaoBanco &conexao, qint64 periodo);

struct Resultado {
    bool salvo = false;
    QString mensagem;
    bool focoDescricao = false;
};
// Saves the schedule (new under its reserved key, or altered) with the
// start of its first period and the end of its last one.
Resultado salvar(ConexaoBanco &conexao, ModoEdicao modo, qint64 chave, const QString &descricao);
// Deletes the schedule's row (its periods stay, as they do everywhere else).
Resultado excluir(ConexaoBanco &conexao, qint64 chave, const QString &descricao);

// The printed schedule: a group per start date, a line per period.
Relatorio relatorio(ConexaoBanco &conexao, qint64 chave, const QString &textoEscolha);

} // namespace Escala
