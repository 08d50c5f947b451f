#pragma once
// Reservations: one RESERVA row per reservation and one RESERVA_UH row per
// reserved day (arrival to departure, both inclusive) while it is pending.
// A reserved day exists only for a pending reservation; the database keeps a
// room from being reserved twice on one day (unique room + day), so two
// workstations saving the same room and day end with one reservation.
#include "base/UnitDM.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace Reservas {

struct Dados {
    qint64 id = 0;          // 0 for a new reservation
    QDate entrada;
    QTime horaEntrada;
    QDate saida;
    QTime horaSaida;
    qint64 cliente = 0;
    qint64 uh = 0;
    QString pessoas;        // as typed
    QString obs;
};

// The input that a refusal sends the focus to.
enum class Campo { Nenhum, Cliente, UH, Pessoas, Entrada, Saida };

struct Recusa {
    QString mensagem;
    Campo foco = Campo::Nenhum;
};

// Texts of the refusals.
QString textoConflito(qint64 codigoReserva); // new reservation: with the clashing code
QString textoConflitoAlteracao();
QString textoOcupada(const QDate &previsaoSaida);
QString textoOcupadaHoje();

// The input checks, in the screen's order: customer, room, persons, period.
// `nova`: a new reservation, which cannot start before today.
std::optional<Recusa> validarEntradas(const Dados &d, bool nova, const QDate &hoje);

// The tests against the database (clash with another reservation's day,
// open stay of the room in the period, room occupied today), as they stand
// now. `d.id` is left out of the clash test.
std::optional<Recusa> verificarDisponibilidade(ConexaoBanco &conexao, const Dados &d, const QDate &hoje);

// The customer's personal reminder (empty when none) and name.
struct Lembrete {
    QString nome;
    QString texto;
};
Lembrete lembreteCliente(ConexaoBanco &conexao, qint64 cliente);

// Result of a save: the reservation's key, or the refusal found when the
// tests ran again inside the save's transaction (another workstation got
// there first).
struct ResultadoGravacao {
    qint64 id = 0;
    std::optional<Recusa> recusa;
};

// A new reservation: the tests again, the row (its key from the generator),
// its days, the room "R" when it is free and reserved today, and the log
// "Incluiu Nova Reserva" — one transaction. `textoLog` is the log's
// before-text; "%1" in it is replaced by the key.
ResultadoGravacao incluir(ConexaoBanco &conexao, const Dados &d, const QDate &hoje, const QString &usuario, const QString &textoLog);

// An alteration of a pending reservation: the tests again, its days moved,
// the previous room's state recomputed, the chosen room "R" when free and
// reserved today, the row updated and "Alterou Reserva" logged — one
// transaction. A reservation deleted or turned into a stay meanwhile is
// refused (textoNaoPendente()).
ResultadoGravacao alterar(ConexaoBanco &conexao, const Dados &d, qint64 uhAnterior, const QDate &hoje, const QString &usuario,
                          const QString &logAntes, const QString &logDepois);
QString textoNaoPendente();

// Deletion of a live reservation (EXCLUIDO "S", days removed, the room's
// state recomputed by the room-state rule when the reservation held today, "Excluiu Reserva"
// logged) in one transaction; false when it was no longer pending.
bool excluir(ConexaoBanco &conexao, qint64 id, const QString &nomeCliente, const QDate &hoje);

// The free rooms for a period: live rooms that no pending reservation holds
// on any day of the period and that have no open stay; a period starting
// before today has none; one starting today also leaves out rooms marked "O".
struct QuartoLivre {
    qint64 id = 0;
    QString numero;
    QString abrev;
    QString situacao;
};
QList<QuartoLivre> quartosLivres(ConexaoBanco &conexao, const QDate &inicio, const QDate &fim, const QDate &hoje);

// The period view's statement (reservations pending with a day in the period)
// and the search's statements, with their bound values.
struct Consulta {
    QString sql;
    Valores valores;
};
enum class OrdemLista { Codigo, NumeroUH };
Consulta consultaPeriodo(const QDate &inicio, const QDate &fim, OrdemLista ordem);
enum class Criterio { Codigo, Cliente, UH };
// The search: live reservations that still have a day, by the criterion.
// A text that is not a whole number finds nothing.
Consulta consultaBusca(Criterio criterio, const QString &texto);
// A live reservation by its key, whatever its state (already used ones too).
Consulta consultaCodigo(qint64 id);

// A database error caused by the unique room + day of the reserved days.
bool violacaoUnica(const ErroBanco &e);

} // namespace Reservas
