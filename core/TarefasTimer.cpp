#include "core/TarefasTimer.h"
#include "core/Parametros.h"
#include "core/Sessao.h"
#include "core/UnitDM.h"

namespace Diarias {

bool postadas(const QDate &hoje)
{
    return !DM->Conexao.ler(QStringLiteral("SELECT FIRST 1 DATA FROM ATUALIZACAO WHERE DATA = ?"), {hoje}).vazia();
}

Postagem lancar(const QDate &hoje)
{
    return DM->Conexao.emTransacao([&] {
        Postagem p;
        // The last posted day; an empty table counts as posted today.
        QDate ultimo = DM->Conexao.ler(QStringLiteral("SELECT MAX(DATA) AS DATA FROM ATUALIZACAO")).data(QStringLiteral("DATA"));
        if (!ultimo.isValid())
            ultimo = hoje;
        qint64 dias = ultimo.daysTo(hoje);
        if (dias == 0)
            dias = 1;
        const auto estadias = DM->Conexao.lerTodas(
            QStringLiteral("SELECT ID_WALK_IN, VALOR_DIARIA, QTD_ADULTOS FROM WALK_IN "
                           "WHERE BAIXA = 'N' AND EXCLUIDO = 'N' AND DATA_ENTRADA <> ? ORDER BY ID_WALK_IN"),
            {hoje.addDays(-1)});
        for (const Linha &e : estadias) {
            if (dias < 1)
                break; // last posting after today: nothing to post
            for (qint64 k = 0; k < dias; ++k)
                DM->Conexao.executar(
                    QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, ?, ?)"),
                    {e.inteiro(QStringLiteral("ID_WALK_IN")), ultimo.addDays(k),
                     e.dinheiro(QStringLiteral("VALOR_DIARIA")).paraBanco(), e.inteiro(QStringLiteral("QTD_ADULTOS"))});
            ++p.estadias;
            p.noites += int(dias);
        }
        DM->Conexao.executar(QStringLiteral("INSERT INTO ATUALIZACAO (DATA) VALUES (?)"), {hoje});
        return p;
    });
}

bool Controle::tick(const QDate &hoje)
{
    if (tParametros().texto(QStringLiteral("MODO_MOTEL")) == QLatin1String("S"))
        return false; // motel stays are charged by their own computation
    Sessao &s = Sessao::atual();
    if (s.ServidorAtualizado) {
        atualizando = false;
        return false;
    }
    if (s.AuxNomePC != QLatin1String("SERVIDOR")) {
        s.ServidorAtualizado = postadas(hoje);
        return true;
    }
    if (atualizando)
        return true;
    atualizando = true;
    lancar(hoje);
    s.ServidorAtualizado = true;
    return true;
}

} // namespace Diarias

namespace PontoAutomatico {

Resultado preparar(const QDate &hoje, const QString &login)
{
    return DM->Conexao.emTransacao([&] {
        Resultado r;
        r.faltas = DM->Conexao.executar(
            QStringLiteral("UPDATE PONTO SET DATA = DATA_DEFINIDA, HORA = HORA_DEFINIDA, OBS = ?, USUARIO = ?, "
                           "MARCACAO_AUTO = 'S', ABONADO = 'N' WHERE DATA IS NULL AND DATA_DEFINIDA <> ?"),
            {QString::fromUtf8(kObsFalta), login.left(10), hoje});

        if (!DM->Conexao.ler(QStringLiteral("SELECT FIRST 1 ID_PONTO FROM PONTO WHERE DATA_DEFINIDA = ?"), {hoje}).vazia())
            return r;
        const int diaSemana = hoje.dayOfWeek(); // 6 Saturday, 7 Sunday
        const auto funcionarios = DM->Conexao.lerTodas(QStringLiteral(
            "SELECT ID_FUNCIONARIO, TURNO_1_ENT, TURNO_1_SAI, TURNO_2_ENT, TURNO_2_SAI, TURNO_3_ENT, TURNO_3_SAI, "
            "SOLICITA_PONTO, SOLICITA_PONTO_SAB, SOLICITA_PONTO_DOM FROM FUNCIONARIO "
            "WHERE SOLICITA_PONTO = 'S' AND ID_FUNCIONARIO NOT IN (SELECT ID_FUNCIONARIO FROM ANULACAO) "
            "ORDER BY ID_FUNCIONARIO"));
        const QTime zero(0, 0, 0);
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
                const QString sql = QStringLiteral(
                    "INSERT INTO PONTO (ID_FUNCIONARIO, HORA_DEFINIDA, DATA_DEFINIDA, TIPO) VALUES (?, ?, ?, ?)");
                DM->Conexao.executar(sql, {chave, entrada.isValid() ? entrada : zero, hoje, QStringLiteral("E")});
                DM->Conexao.executar(sql, {chave, saida.isValid() ? saida : zero, hoje, QStringLiteral("S")});
                r.previstas += 2;
            }
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

} // namespace PontoAutomatico

namespace Notificacoes {

int lembretesVencidos(const QDateTime &agora)
{
    return int(DM->Conexao
                   .ler(QStringLiteral("SELECT COUNT(*) AS N FROM LEMBRETE WHERE CONCLUIDO = 'N' "
                                       "AND (DATA < ? OR (DATA = ? AND HORA <= ?))"),
                        {agora.date(), agora.date(), agora.time()})
                   .inteiro(QStringLiteral("N")));
}

int mensagensNaoLidas(const QString &login)
{
    return int(DM->Conexao
                   .ler(QStringLiteral("SELECT COUNT(*) AS N FROM CHAT WHERE LIDA = 'N' AND ID_USUARIO_RECEB = ?"),
                        {login})
                   .inteiro(QStringLiteral("N")));
}

} // namespace Notificacoes
