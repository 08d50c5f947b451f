#pragma once
// The time clock without widgets: the status of a row (on time, late or
// early, extra time, missed, excused) used by the book and by the report,
// the punch that fills an expected row or inserts a free one, the punch's
// photo, excusing and clearing rows, and the listing of the book.
//
// PONTO.ID_FUNCIONARIO holds the employee's key written as text, while
// FUNCIONARIO.ID_FUNCIONARIO is a number: every statement compares them as
// text (chaveTexto, kJuncaoFuncionario).
#include "base/UnitDM.h"

#include <QColor>
#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace Ponto {

// ------------------------------------------------------------------ messages
inline const QString kMsgFuncionarioInvalido = QStringLiteral("Funcionário Inválido!");
inline const QString kMsgSenhaInvalida = QStringLiteral("Senha do Funcionário Inválida!");
inline const QString kMsgJaCumpriu = QStringLiteral("O Funcionário Já Cumpriu a Carga Horária Diária Hoje!");
inline const QString kMsgNaoPodeAbonar = QStringLiteral("Esta marcação não pode ser abonada!");
inline const QString kMsgNaoPodeLimpar = QStringLiteral("Esta marcação não pode ser limpada!");
inline const QString kMsgAbonoFeito =
    QStringLiteral("Abono realizado com sucesso, as informações serão atualizadas!");
inline const QString kMsgLimpezaFeita =
    QStringLiteral("Limpeza realizada com sucesso, as informações serão atualizadas!");
inline const QString kMsgPeriodoInvalido =
    QStringLiteral("Período Inválido! A data final (Até) é anterior à data inicial (De).");

// ------------------------------------------------------------------ the employee's key
// The employee's key as PONTO keeps it.
QString chaveTexto(qint64 funcionario);
// The join of PONTO P with FUNCIONARIO F.
extern const QString kJuncaoFuncionario;

// ------------------------------------------------------------------ status
// Tolerances in seconds: how late an entry may be before it counts as late
// (TOLERANCIA_ATRASO) and how far a punch may pass the expected time before
// it counts as extra time (TOLERANCIA_PONTO).
struct Tolerancias {
    qint64 atraso = 600;
    qint64 extra = 600;
};
// The settings' tolerances.
Tolerancias tolerancias();

// One PONTO row, as the book and the report read it.
struct Marcacao {
    qint64 id = 0;
    QString funcionario;
    QDate dataDefinida;
    QTime horaDefinida;
    QString tipo;          // "E" or "S"
    QDate data;            // null while open
    QTime hora;
    QString obs;
    QString usuario;
    QString marcacaoAuto;  // "S" closed as missed, "N" punched
    QString abonado;       // "S" excused
    QString foto;

    static Marcacao de(const Linha &l);
    static Marcacao de(const QVariantMap &linha);
    bool aberta() const { return !data.isValid(); }
};

// "O" on time, "A" late entry or early exit, "E" extra time, "F" missed,
// "J" excused, "" none (an open row, or an entry later than the extra-time
// tolerance but not later than the lateness one). The expected and punched
// moments are compared with their dates, so a punch after midnight counts
// from the expected day.
QString status(const Marcacao &m, const Tolerancias &t);

// The status in the report's words: "MARCAÇÃO OK", "ATRASO OU SAÍDA ANT.",
// "HORA EXTRA", "FALTA", "ABONADO" or "".
QString situacao(const QString &status);

// The book's colours ($BBGGRR) and legend captions.
constexpr quint32 kCorOk = 0x93FF93;
constexpr quint32 kCorAtraso = 0x04FFE0;
constexpr quint32 kCorFalta = 0x9D9DFF;
constexpr quint32 kCorExtra = 0xFF8080;
constexpr quint32 kCorAbonado = 0xDBDBB7;
std::optional<QColor> corStatus(const QString &status);
// Whether a row with this status may be excused ("F", "E" or "A").
bool podeAbonar(const QString &status);

// "Entrada" for "E", "Saída" otherwise.
QString tipoPorExtenso(const QString &tipo);

// ------------------------------------------------------------------ the book's listing
struct Consulta {
    QString sql;
    Valores valores;
};
// The rows punched on that day and the rows that belong to it.
Consulta consultaDia(const QDate &dia);
// Every row of one employee.
Consulta consultaFuncionario(qint64 funcionario);

// ------------------------------------------------------------------ punching
enum class Modo { Previsto, Livre };
// PONTO_DEFINIDO "S": expected entries; anything else: free punching.
Modo modoAtual();

// The key the next inserted row will probably get (generator + 1): the code
// shown before a free punch.
qint64 codigoPrevisto();
// The employee's oldest open row (0 when none).
qint64 primeiraAberta(qint64 funcionario);

struct Pedido {
    qint64 funcionario = 0;
    QString nome;          // for the log line
    QDate data;            // the punch as the pickers show it
    QTime hora;
    QString obs;
    QDate hoje;            // the workstation's date (DATA_DEFINIDA of a free punch)
    Modo modo = Modo::Previsto;
};

struct Registro {
    bool jaCumpriu = false; // expected mode without an open row: nothing written
    qint64 chave = 0;       // the row filled or inserted
    QString tipo;           // "Entrada" or "Saída"
};

// Stores a punch with its log line ("Registrou Ponto de Entrada -> 12 (ANA)")
// in one transaction. Expected mode fills the employee's oldest open row by
// an update that requires the row still open, going on to the next open row
// when another workstation filled it first. Free mode locks the employee
// and inserts an entry or an exit, alternating after the employee's last row.
Registro marcar(const Pedido &p);

// The folder of the punch photos (img/pnt of the installation).
QString pastaFotos();
// Moves a captured JPEG to img/pnt/<chave>.jpg (the folder made when
// missing) and records that path in the row's FOTO. Returns the path, or ""
// when the file could not be stored (FOTO is then left as it was).
QString guardarFoto(qint64 chave, const QString &arquivoJpg);

// ------------------------------------------------------------------ excusing and clearing
struct PedidoAbono {
    qint64 chave = 0;       // the selected row
    bool porPeriodo = false;
    QDate de, ate;          // "Por Período": every row of the employee belonging to these days
    QString justificativa;
};
enum class ResultadoAbono { Feito, NaoPode, PeriodoInvalido };
// Excuses the row (or the employee's period) with its log line. The selected
// row is locked and its status checked again: only "F", "E" and "A" rows.
ResultadoAbono abonar(const PedidoAbono &p, const Tolerancias &t);

// Opens a punched row again (its photo stays), with its log line. False when
// the row has no punch (nothing written).
bool limparMarcacao(qint64 chave);

} // namespace Ponto
