#include "staff/PontoAutomatico.h"
#include "base/Parametros.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"

namespace PontoAutomatico {

namespace {

struct Prevista {
    QString funcionario;
    QTime hora;
    QString tipo;
};

// The expected entries of the day, in the order they are written: employees
// by key, turns 1 to 3, entry before exit.
QList<Prevista> previstasDoDia(ConexaoBanco &conexao, const QDate &hoje)
{
    const int diaSemana = hoje.dayOfWeek(); // 6 Saturday, 7 Sunday
    const auto funcionarios = conexao.lerTodas(QStringLiteral(
        "SELECT ID_FUNCIONARIO, TURNO_1_ENT, TURNO_1_SAI, TURNO_2_ENT, TURNO_2_SAI, TURNO_3_ENT, TURNO_3_SAI, "
        "SOLICITA_PONTO, SOLICITA_PONTO_SAB, SOLICITA_PONTO_DOM FROM FUNCIONARIO "
        "WHERE SOLICITA_PONTO = 'S' AND ID_FUNCIONARIO NOT IN (SELECT ID_FUNCIONARIO FROM ANULACAO) "
        "ORDER BY ID_FUNCIONARIO"));
    const QTime zero(0, 0, 0);
    QList<Prevista> l;
    for (const Linha &f : funcionarios) {
        if (diaSemana == 6 && f.texto(QStringLiteral("SOLICITA_PONTO_SAB")) != QLatin1String("S"))
            continue;
        if (diaSemana == 7 && f.texto(QStringLiteral("SOLICITA_PONTO_DOM")) != QLatin1String("S"))
            continue;
        const QString chave = f.texto(QStringLiteral("ID_FUNCIONARIO"));
        for (int turno = 1; turno <= 3; ++turno) {
            const QTime entrada = f.hora(QStringLiteral("TURNO_%1_ENT").arg(turno));
            const QTime saida = f.hora(QStringLiteral("TURNO_%1_SAI").arg(turno));
            const bool semEntrada = !entrada.isValid() || entrada == zero;
            const bool semSaida = !saida.isValid() || saida == zero;
            if (semEntrada && semSaida)
                continue;
            l.append({chave, entrada.isValid() ? entrada : zero, QStringLiteral("E")});
            l.append({chave, saida.isValid() ? saida : zero, QStringLiteral("S")});
        }
    }
    return l;
}

bool haFaltas(ConexaoBanco &conexao, const QDate &hoje)
{
    return !conexao
                .ler(QStringLiteral("SELECT FIRST 1 ID_PONTO FROM PONTO WHERE DATA IS NULL AND DATA_DEFINIDA <> ?"), {hoje})
                .vazia();
}

bool diaPreparado(ConexaoBanco &conexao, const QDate &hoje)
{
    return !conexao.ler(QStringLiteral("SELECT FIRST 1 ID_PONTO FROM PONTO WHERE DATA_DEFINIDA = ?"), {hoje}).vazia();
}

} // namespace

Resultado preparar(ConexaoBanco &conexao, const QDate &hoje, const QString &login)
{
    // Nothing to write: no lock, no transaction of writes.
    if (!haFaltas(conexao, hoje) && (diaPreparado(conexao, hoje) || previstasDoDia(conexao, hoje).isEmpty()))
        return {};

    return conexao.emTransacao([&] {
        // The lock on the day: a second workstation waits here, and after
        // the first commits it starts again and finds the work done.
        conexao.ler(QStringLiteral("SELECT ID_PARAMETROS FROM PARAMETROS WITH LOCK"));
        Resultado r;
        if (haFaltas(conexao, hoje)) {
            // A day excused in advance stays excused, with its justification
            // and the login of whoever excused it.
            r.faltas = conexao.executar(
                QStringLiteral("UPDATE PONTO SET DATA = DATA_DEFINIDA, HORA = HORA_DEFINIDA, MARCACAO_AUTO = 'S' "
                               "WHERE DATA IS NULL AND DATA_DEFINIDA <> ? AND ABONADO = 'S'"),
                {hoje});
            r.faltas += conexao.executar(
                QStringLiteral("UPDATE PONTO SET DATA = DATA_DEFINIDA, HORA = HORA_DEFINIDA, OBS = ?, USUARIO = ?, "
                               "MARCACAO_AUTO = 'S', ABONADO = 'N' WHERE DATA IS NULL AND DATA_DEFINIDA <> ?"),
                {QString::fromUtf8(kObsFalta), login.left(10), hoje});
        }
        if (diaPreparado(conexao, hoje))
            return r;
        const QString sql = QStringLiteral(
            "INSERT INTO PONTO (ID_FUNCIONARIO, HORA_DEFINIDA, DATA_DEFINIDA, TIPO) VALUES (?, ?, ?, ?)");
        for (const Prevista &p : previstasDoDia(conexao, hoje)) {
            conexao.executar(sql, {p.funcionario, p.hora, hoje, p.tipo});
            ++r.previstas;
        }
        return r;
    });
}

bool devePreparar(const QDate &hoje)
{
    const Sessao &s = Sessao::atual();
    return (tParametros().texto(QStringLiteral("PONTO_DEFINIDO")) == QLatin1String("S") && hoje != s.Data_Abertura)
        || s.Ponto_Vazio;
}

Resultado Controle::tick(ConexaoBanco &conexao, const QDate &hoje, const QString &login)
{
    if (m_feito == hoje || !devePreparar(hoje))
        return {};
    const Resultado r = preparar(conexao, hoje, login);
    // Prepared now, or found prepared: nothing left for today.
    m_feito = hoje;
    return r;
}

} // namespace PontoAutomatico
