#include "rooms/EstadoUH.h"
#include "base/Relogio.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

namespace EstadoUH {

const QString kSqlSituacaoDerivada = QStringLiteral(
    "(CASE WHEN EXISTS (SELECT 1 FROM WALK_IN W WHERE W.ID_UH = UH.ID_UH AND W.EXCLUIDO = 'N' AND W.BAIXA = 'N') "
    "THEN 'O' "
    "WHEN EXISTS (SELECT 1 FROM RESERVA_UH RUH JOIN RESERVA R ON R.ID_RESERVA = RUH.ID_RESERVA "
    "WHERE RUH.ID_UH = UH.ID_UH AND RUH.DATA_ENTRADA = CAST(? AS DATE) AND R.EXCLUIDO = 'N' "
    "AND R.CONFIRMADA = 'N') "
    "THEN 'R' ELSE 'L' END)");

const char *const kMsgReservaMudou =
    "Esta reserva foi confirmada ou excluída em outra estação. A lista de UHs será atualizada.";
const char *const kMsgReservasPendentes = "Não é permitido excluir UH com reservas pendentes!";

bool travarUH(ConexaoBanco &c, qint64 idUH)
{
    return !c.ler(QStringLiteral("SELECT ID_UH FROM UH WHERE ID_UH = ? WITH LOCK"), {idUH}).vazia();
}

QString mensagemSituacaoMudou(const QString &numero)
{
    return QStringLiteral("A situação da UH ") + numero
        + QStringLiteral(" foi alterada em outra estação. A lista de UHs será atualizada.");
}

QString situacaoDerivada(ConexaoBanco &conexao, qint64 idUH, const QDate &hoje)
{
    return conexao
        .ler(QStringLiteral("SELECT ") + kSqlSituacaoDerivada + QStringLiteral(" AS SITUACAO FROM UH WHERE UH.ID_UH = ?"),
             {hoje, idUH})
        .texto(QStringLiteral("SITUACAO"));
}

namespace {

// Raised inside a transaction to roll it back with a refusal.
struct Recusa {
    Resultado r;
};

Resultado emOperacao(ConexaoBanco &conexao, const std::function<void()> &f)
{
    try {
        conexao.emTransacao(f);
    } catch (const Recusa &r) {
        return r.r;
    }
    return Resultado::Feito;
}

bool mudar(ConexaoBanco &conexao, qint64 idUH, const QString &de, const QString &para)
{
    return conexao.executar(
               QStringLiteral("UPDATE UH SET SITUACAO = ? WHERE ID_UH = ? AND SITUACAO = ? AND EXCLUIDO = 'N'"),
               {para, idUH, de})
        > 0;
}

} // namespace

Resultado iniciarManutencao(ConexaoBanco &conexao, qint64 idUH, const QString &numero, const QString &situacaoLida, const QString &motivo)
{
    if (situacaoLida != Livre && situacaoLida != Ocupada && situacaoLida != Reservada)
        return Resultado::NaoPermitida;
    const QString razao = motivo.left(kTamanhoMotivo);
    return emOperacao(conexao, [&] {
        if (conexao.executar(QStringLiteral("UPDATE UH SET SITUACAO = 'M', MANUTENCAO = ? "
                                                "WHERE ID_UH = ? AND SITUACAO = ? AND EXCLUIDO = 'N'"),
                                 {razao, idUH, situacaoLida})
            == 0)
            throw Recusa{Resultado::SituacaoMudou};
        RegistrarLog(conexao, QStringLiteral("Registrou Manutenção da UH ") + numero + QStringLiteral(" (") + razao
                     + QStringLiteral(")"));
    });
}

Resultado concluirManutencao(ConexaoBanco &conexao, qint64 idUH, const QString &numero, const QString &responsavel, QString *novaSituacao)
{
    QString nova;
    const Resultado r = emOperacao(conexao, [&] {
        const Linha uh = conexao.ler(QStringLiteral("SELECT UH.MANUTENCAO, ") + kSqlSituacaoDerivada
                                             + QStringLiteral(" AS DERIVADA FROM UH WHERE UH.ID_UH = ?"),
                                         {Relogio::hoje(), idUH});
        nova = uh.texto(QStringLiteral("DERIVADA"));
        if (uh.vazia() || !mudar(conexao, idUH, Manutencao, nova))
            throw Recusa{Resultado::SituacaoMudou};
        RegistrarLog(conexao, QStringLiteral("Registrou Conclusão de Manutenção da UH ") + numero + QStringLiteral(" (")
                     + uh.texto(QStringLiteral("MANUTENCAO")) + QStringLiteral("-") + responsavel
                     + QStringLiteral(")"));
    });
    if (novaSituacao)
        *novaSituacao = r == Resultado::Feito ? nova : QString();
    return r;
}

int reaplicarSituacao(ConexaoBanco &conexao, qint64 idUH, const QString &situacaoLida, QString *novaSituacao)
{
    return conexao.emTransacao([&] {
        const QString nova = situacaoDerivada(conexao, idUH, Relogio::hoje());
        if (novaSituacao)
            *novaSituacao = nova;
        if (nova.isEmpty())
            return 0;
        return mudar(conexao, idUH, situacaoLida, nova) ? 1 : 0;
    });
}

Resultado cancelarReserva(ConexaoBanco &conexao, qint64 idReserva, qint64 idUH, const QString &textoLog, QString *novaSituacao)
{
    QString nova;
    const Resultado r = emOperacao(conexao, [&] {
        if (conexao.executar(QStringLiteral("UPDATE RESERVA SET EXCLUIDO = 'S' "
                                                "WHERE ID_RESERVA = ? AND EXCLUIDO = 'N' AND CONFIRMADA = 'N'"),
                                 {idReserva})
            == 0)
            throw Recusa{Resultado::ReservaMudou};
        conexao.executar(QStringLiteral("DELETE FROM RESERVA_UH WHERE ID_RESERVA = ?"), {idReserva});
        RegistrarLog(conexao, QStringLiteral("Excluiu ") + textoLog);
        // Only a room still reserved follows; one put into maintenance or
        // occupied meanwhile keeps its state.
        QString derivada;
        if (reaplicarSituacao(conexao, idUH, Reservada, &derivada) > 0)
            nova = derivada;
    });
    if (novaSituacao)
        *novaSituacao = nova;
    return r;
}

Resultado excluirUH(ConexaoBanco &conexao, qint64 idUH, const QString &numero, const QString &situacaoLida)
{
    if (situacaoLida != Livre)
        return Resultado::NaoPermitida;
    const QDate hoje = Relogio::hoje();
    return emOperacao(conexao, [&] {
        // The update locks the room first, so a check-in or a reservation
        // that changes its state on another workstation waits or fails.
        if (conexao.executar(QStringLiteral("UPDATE UH SET EXCLUIDO = 'S' "
                                                "WHERE ID_UH = ? AND SITUACAO = 'L' AND EXCLUIDO = 'N'"),
                                 {idUH})
            == 0)
            throw Recusa{Resultado::SituacaoMudou};
        const bool pendentes =
            !conexao
                 .ler(QStringLiteral(
                          "SELECT FIRST 1 R.ID_RESERVA FROM RESERVA R WHERE R.EXCLUIDO = 'N' AND R.CONFIRMADA = 'N' "
                          "AND ((R.ID_UH = ? AND R.DATA_SAIDA >= ?) OR EXISTS (SELECT 1 FROM RESERVA_UH RUH "
                          "WHERE RUH.ID_RESERVA = R.ID_RESERVA AND RUH.ID_UH = ? AND RUH.DATA_ENTRADA >= ?))"),
                      {idUH, hoje, idUH, hoje})
                 .vazia();
        if (pendentes)
            throw Recusa{Resultado::ReservasPendentes};
        RegistrarLog(conexao, QStringLiteral("Excluiu UH -> Código ") + QString::number(idUH) + QStringLiteral(" (") + numero
                     + QStringLiteral(")"));
    });
}

QList<Mudanca> atualizarReservasDoDia(ConexaoBanco &conexao, const QDate &hoje)
{
    const QList<Linha> quartos = conexao.lerTodas(
        QStringLiteral("SELECT UH.ID_UH, UH.NUMERO, UH.SITUACAO, ") + kSqlSituacaoDerivada
            + QStringLiteral(" AS DERIVADA FROM UH WHERE UH.EXCLUIDO = 'N' AND UH.SITUACAO IN ('L', 'R') "
                             "ORDER BY UH.SITUACAO, UH.ID_UH"),
        {hoje});
    QList<Mudanca> mudancas;
    for (const Linha &uh : quartos) {
        const QString de = uh.texto(QStringLiteral("SITUACAO"));
        const QString derivada = uh.texto(QStringLiteral("DERIVADA"));
        QString para, operacao;
        if (de == Livre && derivada == Reservada) {
            para = Reservada;
            operacao = QStringLiteral("SISTEMA - Reserva Automática da UH ");
        } else if (de == Reservada && derivada != Reservada) {
            para = derivada;
            operacao = QStringLiteral("SISTEMA - Cancelamento de Reserva Automático da UH ");
        } else {
            continue;
        }
        const qint64 id = uh.inteiro(QStringLiteral("ID_UH"));
        const QString numero = uh.texto(QStringLiteral("NUMERO"));
        const bool mudou = conexao.emTransacao([&] {
            if (!mudar(conexao, id, de, para))
                return false;
            RegistrarLog(conexao, operacao + numero);
            return true;
        });
        if (mudou)
            mudancas.append({id, numero, para});
    }
    return mudancas;
}

} // namespace EstadoUH
