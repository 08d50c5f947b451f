#include "rooms/Reservas.h"
#include "base/Parametros.h"
#include "base/UnitLog.h"
#include "rooms/EstadoUH.h"

#include <limits>

namespace Reservas {

namespace {

// A refusal found inside a save's transaction: rolls it back.
struct RecusaNaTransacao {
    Recusa recusa;
};

QString dataTexto(const QDate &d)
{
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

// Whole positive number of persons, or 0.
int pessoasDe(const QString &texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty() || t.size() > 4)
        return 0;
    for (const QChar c : t)
        if (!c.isDigit())
            return 0;
    return t.toInt();
}

std::optional<Recusa> conflito(ConexaoBanco &conexao, const Dados &d)
{
    const Linha c = conexao.ler(
        QStringLiteral("SELECT FIRST 1 RUH.ID_RESERVA FROM RESERVA_UH RUH "
                       "JOIN RESERVA R ON R.ID_RESERVA = RUH.ID_RESERVA "
                       "WHERE RUH.ID_UH = ? AND RUH.DATA_ENTRADA BETWEEN ? AND ? AND R.EXCLUIDO = 'N' "
                       "AND RUH.ID_RESERVA <> ? ORDER BY RUH.DATA_ENTRADA"),
        {d.uh, d.entrada, d.saida, d.id});
    if (c.vazia())
        return std::nullopt;
    return Recusa{d.id == 0 ? textoConflito(c.inteiro(QStringLiteral("ID_RESERVA"))) : textoConflitoAlteracao(),
                  Campo::UH};
}

std::optional<Recusa> ocupada(ConexaoBanco &conexao, const Dados &d, const QDate &hoje)
{
    const Linha w = conexao.ler(
        QStringLiteral("SELECT MAX(DATA_SAIDA) AS DATA_SAIDA, COUNT(*) AS N FROM WALK_IN "
                       "WHERE ID_UH = ? AND EXCLUIDO = 'N' AND DATA_SAIDA >= ? AND BAIXA = 'N'"),
        {d.uh, d.entrada});
    if (w.inteiro(QStringLiteral("N")) > 0)
        return Recusa{textoOcupada(w.data(QStringLiteral("DATA_SAIDA"))), Campo::UH};
    // The state as it is now, not as it was when the form opened.
    const QString situacao =
        conexao.valor(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {d.uh}).toString().trimmed();
    if (situacao == QLatin1String("O") && d.entrada == hoje)
        return Recusa{textoOcupadaHoje(), Campo::UH};
    return std::nullopt;
}

void gravarDias(ConexaoBanco &conexao, qint64 id, const Dados &d)
{
    for (QDate dia = d.entrada; dia <= d.saida; dia = dia.addDays(1))
        conexao.executar(QStringLiteral("INSERT INTO RESERVA_UH (ID_RESERVA, DATA_ENTRADA, ID_UH) VALUES (?, ?, ?)"),
                             {id, dia, d.uh});
}

QString obsGravada(const QString &obs)
{
    return obs.toUpper().remove(QLatin1Char('\'')).left(250);
}

// A free or reserved room follows the reservations: it takes its derived
// state (the room-state rule). Occupied rooms and rooms in maintenance are
// changed by the stays and the room map only.
void seguirReservas(ConexaoBanco &conexao, qint64 uh)
{
    const QString atual =
        conexao.valor(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {uh}).toString().trimmed();
    if (atual == EstadoUH::Livre || atual == EstadoUH::Reservada)
        EstadoUH::reaplicarSituacao(conexao, uh, atual);
}

} // namespace

QString textoConflito(qint64 codigoReserva)
{
    return QStringLiteral("Já Existe Reserva para Este Período nesta Unidade Habitacional!\n\nCódigo da Reserva: ")
        + QString::number(codigoReserva);
}

QString textoConflitoAlteracao()
{
    return QStringLiteral("Já Existe Reserva para Este Período nesta Unidade Habitacional!");
}

QString textoOcupada(const QDate &previsaoSaida)
{
    return QStringLiteral("Reserva não pode ser realizada nessa UH OCUPADA!\n\nPrevisão de Saída: ")
        + dataTexto(previsaoSaida);
}

QString textoOcupadaHoje()
{
    return QStringLiteral("Reserva não pode ser realizada nessa UH OCUPADA!");
}

QString textoNaoPendente()
{
    return QStringLiteral("Esta Reserva Já Foi Excluída ou Utilizada em uma Entrada de Hóspede em Outra Estação!");
}

std::optional<Recusa> validarEntradas(const Dados &d, bool nova, const QDate &hoje)
{
    if (d.cliente <= 0)
        return Recusa{QStringLiteral("Cliente Inválido!"), Campo::Cliente};
    if (d.uh <= 0)
        return Recusa{QStringLiteral("Unidade Habitacional (UH) Inválida!"), Campo::UH};
    if (pessoasDe(d.pessoas) <= 0)
        return Recusa{QStringLiteral("Quantidade de Pessoas Inválida!"), Campo::Pessoas};
    if (!d.entrada.isValid())
        return Recusa{QStringLiteral("Data de Entrada Inválida!"), Campo::Entrada};
    if (!d.saida.isValid())
        return Recusa{QStringLiteral("Data de Saída Inválida!"), Campo::Saida};
    if (d.entrada > d.saida)
        return Recusa{QStringLiteral("Data de Entrada Maior que Data de Saída"), Campo::Entrada};
    if (nova && d.entrada < hoje)
        return Recusa{QStringLiteral("Data de Entrada Anterior à Data de Hoje!"), Campo::Entrada};
    return std::nullopt;
}

std::optional<Recusa> verificarDisponibilidade(ConexaoBanco &conexao, const Dados &d, const QDate &hoje)
{
    // Restricted and blacklisted customers, the default customer and deleted
    // rooms are not offered; one changed on another workstation meanwhile is
    // refused here.
    const QString cliente =
        conexao.valor(QStringLiteral("SELECT EXCLUIDO FROM CLIENTE WHERE ID_CLIENTE = ?"), {d.cliente})
            .toString()
            .trimmed();
    if (d.cliente == 1 || cliente != QLatin1String("N"))
        return Recusa{QStringLiteral("Cliente Inválido!"), Campo::Cliente};
    const QString uh =
        conexao.valor(QStringLiteral("SELECT EXCLUIDO FROM UH WHERE ID_UH = ?"), {d.uh}).toString().trimmed();
    if (uh != QLatin1String("N"))
        return Recusa{QStringLiteral("Unidade Habitacional (UH) Inválida!"), Campo::UH};
    // A new reservation tests the clash first; an alteration the occupancy first.
    if (d.id == 0) {
        if (auto r = conflito(conexao, d))
            return r;
        return ocupada(conexao, d, hoje);
    }
    if (auto r = ocupada(conexao, d, hoje))
        return r;
    return conflito(conexao, d);
}

Lembrete lembreteCliente(ConexaoBanco &conexao, qint64 cliente)
{
    const Linha c =
        conexao.ler(QStringLiteral("SELECT NOME, LEMBRETE FROM CLIENTE WHERE ID_CLIENTE = ?"), {cliente});
    return {c.texto(QStringLiteral("NOME")), c.texto(QStringLiteral("LEMBRETE")).trimmed()};
}

bool violacaoUnica(const ErroBanco &e)
{
    const QString t = e.texto().toLower();
    return e.codigo() == QLatin1String("-803") || t.contains(QLatin1String("unique key"))
        || t.contains(QLatin1String("duplicate value"));
}

ResultadoGravacao incluir(ConexaoBanco &conexao, const Dados &d, const QDate &hoje, const QString &usuario, const QString &textoLog)
{
    ResultadoGravacao r;
    try {
        r.id = conexao.emTransacao([&]() -> qint64 {
            // The room first: a check-in or another reservation of it under
            // way elsewhere is waited for, and the tests below see its result.
            EstadoUH::travarUH(conexao, d.uh);
            if (auto recusa = verificarDisponibilidade(conexao, d, hoje))
                throw RecusaNaTransacao{*recusa};
            const qint64 id =
                conexao
                    .valor(QStringLiteral("INSERT INTO RESERVA (DATA_ENTRADA, HORA_ENTRADA, CONFIRMADA, DATA_SAIDA, "
                                          "HORA_SAIDA, ID_CLIENTE, ID_UH, QTD_PESSOAS, USUARIO, OBS) "
                                          "VALUES (?, ?, 'N', ?, ?, ?, ?, ?, ?, ?) RETURNING ID_RESERVA"),
                           {d.entrada, d.horaEntrada, d.saida, d.horaSaida, d.cliente, d.uh, pessoasDe(d.pessoas),
                            usuario.left(10), obsGravada(d.obs)})
                    .toLongLong();
            gravarDias(conexao, id, d);
            if (d.entrada <= hoje && hoje <= d.saida)
                seguirReservas(conexao, d.uh);
            NovoRegistrarLog(conexao, QStringLiteral("Incluiu Nova Reserva"), QString(textoLog).replace(QLatin1String("%1"),
                                                                                                 QString::number(id)),
                             QStringLiteral(" "));
            return id;
        });
    } catch (const RecusaNaTransacao &e) {
        r.recusa = e.recusa;
    } catch (const ErroBanco &e) {
        // Another workstation reserved one of these days at the same moment.
        if (!violacaoUnica(e))
            throw;
        Dados outra = d;
        outra.id = 0;
        r.recusa = conflito(conexao, outra);
        if (!r.recusa)
            r.recusa = Recusa{textoConflitoAlteracao(), Campo::UH};
    }
    return r;
}

ResultadoGravacao alterar(ConexaoBanco &conexao, const Dados &d, qint64 uhAnterior, const QDate &hoje, const QString &usuario,
                          const QString &logAntes, const QString &logDepois)
{
    ResultadoGravacao r;
    try {
        conexao.emTransacao([&] {
            // The row first: it is locked for this save, and a reservation
            // deleted or turned into a stay meanwhile changes nothing.
            const int n = conexao.executar(
                QStringLiteral("UPDATE RESERVA SET DATA_ENTRADA = ?, DATA_SAIDA = ?, HORA_ENTRADA = ?, HORA_SAIDA = ?, "
                               "ID_CLIENTE = ?, ID_UH = ?, QTD_PESSOAS = ?, USUARIO = ?, OBS = ? "
                               "WHERE ID_RESERVA = ? AND EXCLUIDO = 'N' AND CONFIRMADA = 'N'"),
                {d.entrada, d.saida, d.horaEntrada, d.horaSaida, d.cliente, d.uh, pessoasDe(d.pessoas),
                 usuario.left(10), obsGravada(d.obs), d.id});
            if (n != 1)
                throw RecusaNaTransacao{Recusa{textoNaoPendente(), Campo::Nenhum}};
            EstadoUH::travarUH(conexao, d.uh);
            if (auto recusa = verificarDisponibilidade(conexao, d, hoje))
                throw RecusaNaTransacao{*recusa};
            conexao.executar(QStringLiteral("DELETE FROM RESERVA_UH WHERE ID_RESERVA = ?"), {d.id});
            gravarDias(conexao, d.id, d);
            if (uhAnterior > 0 && uhAnterior != d.uh)
                seguirReservas(conexao, uhAnterior);
            seguirReservas(conexao, d.uh);
            NovoRegistrarLog(conexao, QStringLiteral("Alterou Reserva"), logAntes, logDepois);
        });
        r.id = d.id;
    } catch (const RecusaNaTransacao &e) {
        r.recusa = e.recusa;
    } catch (const ErroBanco &e) {
        if (!violacaoUnica(e))
            throw;
        r.recusa = Recusa{textoConflitoAlteracao(), Campo::UH};
    }
    return r;
}

bool excluir(ConexaoBanco &conexao, qint64 id, const QString &nomeCliente, const QDate &hoje)
{
    return conexao.emTransacao([&]() -> bool {
        if (conexao.executar(
                QStringLiteral("UPDATE RESERVA SET EXCLUIDO = 'S' WHERE ID_RESERVA = ? AND EXCLUIDO = 'N'"), {id})
            != 1)
            return false;
        const Linha l = conexao.ler(
            QStringLiteral("SELECT R.ID_UH, (SELECT COUNT(*) FROM RESERVA_UH RUH WHERE RUH.ID_RESERVA = R.ID_RESERVA "
                           "AND RUH.DATA_ENTRADA = ?) AS HOJE FROM RESERVA R WHERE R.ID_RESERVA = ?"),
            {hoje, id});
        conexao.executar(QStringLiteral("DELETE FROM RESERVA_UH WHERE ID_RESERVA = ?"), {id});
        // Only a reservation that held the room today decides today's state.
        if (l.inteiro(QStringLiteral("HOJE")) > 0)
            seguirReservas(conexao, l.inteiro(QStringLiteral("ID_UH")));
        NovoRegistrarLog(conexao, QStringLiteral("Excluiu Reserva"),
                         QStringLiteral("CÓDIGO: ") + QString::number(id) + QStringLiteral(" (") + nomeCliente
                             + QStringLiteral(")"),
                         QStringLiteral(" "));
        return true;
    });
}

QList<QuartoLivre> quartosLivres(ConexaoBanco &conexao, const QDate &inicio, const QDate &fim, const QDate &hoje)
{
    QList<QuartoLivre> r;
    if (!inicio.isValid() || !fim.isValid() || inicio < hoje)
        return r;
    QString sql = QStringLiteral(
        "SELECT UH.ID_UH, UH.NUMERO, T.ABREV, UH.SITUACAO FROM UH JOIN TIPO_UH T ON T.ID_TIPO_UH = UH.ID_TIPO_UH "
        "WHERE UH.EXCLUIDO = 'N' "
        "AND NOT EXISTS (SELECT 1 FROM RESERVA R WHERE R.ID_UH = UH.ID_UH AND R.EXCLUIDO = 'N' "
        "AND R.CONFIRMADA = 'N' AND R.DATA_ENTRADA <= ? AND R.DATA_SAIDA >= ?) "
        "AND NOT EXISTS (SELECT 1 FROM WALK_IN W WHERE W.ID_UH = UH.ID_UH AND W.EXCLUIDO = 'N' AND W.BAIXA = 'N') ");
    if (inicio == hoje)
        sql += QStringLiteral("AND UH.SITUACAO <> 'O' ");
    // Room numbers are digits: ordering by length, then text, is numeric order
    // without a cast that one odd number could break.
    sql += QStringLiteral("ORDER BY CHAR_LENGTH(UH.NUMERO), UH.NUMERO");
    for (const Linha &l : conexao.lerTodas(sql, {fim, inicio}))
        r.append({l.inteiro(QStringLiteral("ID_UH")), l.texto(QStringLiteral("NUMERO")),
                  l.texto(QStringLiteral("ABREV")), l.texto(QStringLiteral("SITUACAO"))});
    return r;
}

namespace {

const QString kColunasLista = QStringLiteral(
    "SELECT R.ID_RESERVA, R.DATA_ENTRADA, R.HORA_ENTRADA, R.CONFIRMADA, R.DATA_SAIDA, R.HORA_SAIDA, R.ID_CLIENTE, "
    "R.ID_UH, R.QTD_PESSOAS, R.OBS, UH.NUMERO, C.NOME, T.ABREV, R.USUARIO, R.CONF_SMS, R.PARA_CONF_SMS, "
    "R.CONF_EMAIL, R.PARA_CONF_EMAIL, R.RETORNO_CONF_SMS "
    "FROM RESERVA R JOIN UH ON UH.ID_UH = R.ID_UH JOIN CLIENTE C ON C.ID_CLIENTE = R.ID_CLIENTE "
    "JOIN TIPO_UH T ON T.ID_TIPO_UH = UH.ID_TIPO_UH ");

// A key typed in a search box; -1 (matches nothing) when it is not one.
qint64 chaveDigitada(const QString &texto)
{
    bool ok = false;
    const qint64 v = texto.trimmed().toLongLong(&ok);
    if (!ok || v <= 0 || v > std::numeric_limits<qint32>::max())
        return -1;
    return v;
}

} // namespace

Consulta consultaPeriodo(const QDate &inicio, const QDate &fim, OrdemLista ordem)
{
    return {kColunasLista
                + QStringLiteral("WHERE R.EXCLUIDO = 'N' AND R.CONFIRMADA = 'N' AND EXISTS (SELECT 1 FROM RESERVA_UH RUH "
                                 "WHERE RUH.ID_RESERVA = R.ID_RESERVA AND RUH.DATA_ENTRADA BETWEEN ? AND ?) ORDER BY ")
                + (ordem == OrdemLista::Codigo ? QStringLiteral("R.ID_RESERVA")
                                               : QStringLiteral("CHAR_LENGTH(UH.NUMERO), UH.NUMERO, R.ID_RESERVA")),
            {inicio, fim}};
}

Consulta consultaBusca(Criterio criterio, const QString &texto)
{
    const QString coluna = criterio == Criterio::Codigo ? QStringLiteral("R.ID_RESERVA")
        : criterio == Criterio::Cliente                  ? QStringLiteral("R.ID_CLIENTE")
                                                         : QStringLiteral("R.ID_UH");
    return {kColunasLista
                + QStringLiteral("WHERE R.EXCLUIDO = 'N' AND R.CONFIRMADA = 'N' AND EXISTS (SELECT 1 FROM RESERVA_UH RUH "
                                 "WHERE RUH.ID_RESERVA = R.ID_RESERVA) AND ")
                + coluna + QStringLiteral(" = ? ORDER BY R.ID_RESERVA"),
            {chaveDigitada(texto)}};
}

Consulta consultaCodigo(qint64 id)
{
    return {kColunasLista + QStringLiteral("WHERE R.EXCLUIDO = 'N' AND R.ID_RESERVA = ?"), {id}};
}

} // namespace Reservas
