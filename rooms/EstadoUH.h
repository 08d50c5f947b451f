#pragma once
// The room states and every rule that changes them, shared by the room map,
// the reservations, the stays and the main window's daily refresh.
//
// A room's state (UH.SITUACAO): "L" free, "O" occupied (an open stay),
// "M" maintenance (reason in UH.MANUTENCAO), "R" reserved for today.
// Each change is one conditional UPDATE on the state the caller read
// ("... WHERE ID_UH = ? AND SITUACAO = ?"), with its log row in the same
// transaction; when another workstation changed the room meanwhile nothing
// is written and the caller is told (SituacaoMudou).
#include <QDate>
#include <QList>
#include <QString>

class ConexaoBanco;

namespace EstadoUH {

inline const QString Livre = QStringLiteral("L");
inline const QString Ocupada = QStringLiteral("O");
inline const QString Manutencao = QStringLiteral("M");
inline const QString Reservada = QStringLiteral("R");

// Width of UH.MANUTENCAO: a longer reason is cut to it.
constexpr int kTamanhoMotivo = 50;

// The state a room takes when nothing holds it in maintenance: "O" when it
// has an open stay (WALK_IN with EXCLUIDO "N" and BAIXA "N"), otherwise "R"
// when a live, pending reservation (EXCLUIDO "N", CONFIRMADA "N") has a
// reserved day of this room (RESERVA_UH.ID_UH) dated `hoje`, otherwise "L".
//
// The same rule as an SQL expression over the alias UH, for reads of many
// rooms at once; it takes one bound value, the day.
extern const QString kSqlSituacaoDerivada;
QString situacaoDerivada(ConexaoBanco &conexao, qint64 idUH, const QDate &hoje);

enum class Resultado {
    Feito,
    NaoPermitida,   // the state read does not allow the change
    SituacaoMudou,  // the room no longer has the state read (another workstation)
    ReservaMudou,   // the reservation was confirmed or deleted meanwhile
    ReservasPendentes, // deletion: the room still has pending reservations
};

// Locks the room's row for the caller's transaction (on its connection).
// Every write that promises a room for some days (a check-in, a reservation
// or its change, a stay moved to another room) takes this lock first and
// then tests for clashes, so two workstations promising the same room never
// both pass their test: the second waits, meets an update conflict and runs
// again, now seeing what the first wrote. False when the room does not exist.
bool travarUH(ConexaoBanco &c, qint64 idUH);

// The message shown when the room changed on another workstation.
QString mensagemSituacaoMudou(const QString &numero);
extern const char *const kMsgReservaMudou;
extern const char *const kMsgReservasPendentes;

// "L", "O" or "R" to "M": stores the reason (cut to its column) and logs
// "Registrou Manutenção da UH <numero> (<motivo>)".
Resultado iniciarManutencao(ConexaoBanco &conexao, qint64 idUH, const QString &numero, const QString &situacaoLida,
                            const QString &motivo);

// "M" to the derived state. Logs "Registrou Conclusão de Manutenção da UH
// <numero> (<reason>-<responsavel>)". `novaSituacao` receives the new state.
Resultado concluirManutencao(ConexaoBanco &conexao, qint64 idUH, const QString &numero, const QString &responsavel,
                             QString *novaSituacao = nullptr);

// Deletes today's reservation as a whole (EXCLUIDO "S", all its days gone),
// logs "Excluiu <textoLog>" and gives the room, while still "R", its derived
// state. Refused (ReservaMudou) when the reservation is no longer pending.
Resultado cancelarReserva(ConexaoBanco &conexao, qint64 idReserva, qint64 idUH, const QString &textoLog,
                          QString *novaSituacao = nullptr);

// Marks a free room deleted and logs "Excluiu UH -> Código <id> (<numero>)".
// Refused while the room is not "L" (SituacaoMudou when the state read was
// "L" but the room changed since; NaoPermitida when it was read otherwise)
// and while a pending reservation holds it today or later.
Resultado excluirUH(ConexaoBanco &conexao, qint64 idUH, const QString &numero, const QString &situacaoLida);

// Gives a room its derived state while it still has the state read (the
// writers that remove a stay or a reservation call it). Returns the rows
// changed (0 or 1); `novaSituacao` receives the state written.
int reaplicarSituacao(ConexaoBanco &conexao, qint64 idUH, const QString &situacaoLida, QString *novaSituacao = nullptr);

// The daily refresh: free rooms that a pending reservation holds today become
// "R" ("SISTEMA - Reserva Automática da UH <numero>"); reserved rooms that
// nothing holds today take their derived state ("SISTEMA - Cancelamento de
// Reserva Automático da UH <numero>").
struct Mudanca {
    qint64 idUH = 0;
    QString numero;
    QString situacao; // the new state
};
QList<Mudanca> atualizarReservasDoDia(ConexaoBanco &conexao, const QDate &hoje);

} // namespace EstadoUH
