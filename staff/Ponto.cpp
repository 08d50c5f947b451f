#include "staff/Ponto.h"

#include "base/Caminhos.h"
#include "base/Parametros.h"
#include "base/Sessao.h"
#include "base/UnitLog.h"
#include "base/Grade.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace Ponto {

namespace {

qint64 segundos(const QTime &t) { return t.isValid() ? QTime(0, 0).secsTo(t) : 0; }

// Seconds from the expected moment to the punched one (negative: earlier).
qint64 diferenca(const Marcacao &m)
{
    const QDate definida = m.dataDefinida.isValid() ? m.dataDefinida : m.data;
    return definida.daysTo(m.data) * 86400 + segundos(m.hora) - segundos(m.horaDefinida);
}

QString login() { return Sessao::atual().login.left(10); }

QString textoMapa(const QVariantMap &l, const char *campo)
{
    QString t = l.value(QString::fromLatin1(campo)).toString();
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    return t;
}

} // namespace

QString chaveTexto(qint64 funcionario) { return QString::number(funcionario); }

const QString kJuncaoFuncionario = QStringLiteral("P.ID_FUNCIONARIO = CAST(F.ID_FUNCIONARIO AS VARCHAR(14))");

Tolerancias tolerancias()
{
    return {segundos(tParametros().hora(QStringLiteral("TOLERANCIA_ATRASO"))),
            segundos(tParametros().hora(QStringLiteral("TOLERANCIA_PONTO")))};
}

Marcacao Marcacao::de(const Linha &l)
{
    Marcacao m;
    m.id = l.inteiro(QStringLiteral("ID_PONTO"));
    m.funcionario = l.texto(QStringLiteral("ID_FUNCIONARIO"));
    m.dataDefinida = l.data(QStringLiteral("DATA_DEFINIDA"));
    m.horaDefinida = l.hora(QStringLiteral("HORA_DEFINIDA"));
    m.tipo = l.texto(QStringLiteral("TIPO"));
    m.data = l.data(QStringLiteral("DATA"));
    m.hora = l.hora(QStringLiteral("HORA"));
    m.obs = l.texto(QStringLiteral("OBS"));
    m.usuario = l.texto(QStringLiteral("USUARIO"));
    m.marcacaoAuto = l.texto(QStringLiteral("MARCACAO_AUTO"));
    m.abonado = l.texto(QStringLiteral("ABONADO"));
    m.foto = l.texto(QStringLiteral("FOTO"));
    return m;
}

Marcacao Marcacao::de(const QVariantMap &l)
{
    Marcacao m;
    m.id = l.value(QStringLiteral("ID_PONTO")).toLongLong();
    m.funcionario = textoMapa(l, "ID_FUNCIONARIO");
    m.dataDefinida = l.value(QStringLiteral("DATA_DEFINIDA")).toDate();
    m.horaDefinida = l.value(QStringLiteral("HORA_DEFINIDA")).toTime();
    m.tipo = textoMapa(l, "TIPO");
    m.data = l.value(QStringLiteral("DATA")).toDate();
    m.hora = l.value(QStringLiteral("HORA")).toTime();
    m.obs = textoMapa(l, "OBS");
    m.usuario = textoMapa(l, "USUARIO");
    m.marcacaoAuto = textoMapa(l, "MARCACAO_AUTO");
    m.abonado = textoMapa(l, "ABONADO");
    m.foto = textoMapa(l, "FOTO");
    return m;
}

QString status(const Marcacao &m, const Tolerancias &t)
{
    QString s;
    const bool marcada = m.marcacaoAuto == QLatin1String("N") && m.data.isValid() && m.hora.isValid();
    if (marcada && m.tipo == QLatin1String("E")) {
        const qint64 d = diferenca(m);
        if (d > t.atraso)
            s = QStringLiteral("A");
        else if (-d > t.extra)
            s = QStringLiteral("E"); // came in earlier than the tolerance
        else if (d <= t.extra)
            s = QStringLiteral("O");
        // otherwise later than the extra-time tolerance, not later than the lateness one: none
    } else if (marcada && m.tipo == QLatin1String("S")) {
        const qint64 d = diferenca(m);
        if (d < 0)
            s = QStringLiteral("A"); // no tolerance for leaving early
        else if (d <= t.extra)
            s = QStringLiteral("O");
        else
            s = QStringLiteral("E");
    }
    if (m.marcacaoAuto == QLatin1String("S") && segundos(m.hora) == segundos(m.horaDefinida))
        s = QStringLiteral("F");
    if (m.abonado == QLatin1String("S"))
        s = QStringLiteral("J");
    return s;
}

QString situacao(const QString &status)
{
    if (status == QLatin1String("O"))
        return QStringLiteral("MARCAÇÃO OK");
    if (status == QLatin1String("A"))
        return QStringLiteral("ATRASO OU SAÍDA ANT.");
    if (status == QLatin1String("E"))
        return QStringLiteral("HORA EXTRA");
    if (status == QLatin1String("F"))
        return QStringLiteral("FALTA");
    if (status == QLatin1String("J"))
        return QStringLiteral("ABONADO");
    return {};
}

std::optional<QColor> corStatus(const QString &status)
{
    if (status == QLatin1String("O"))
        return corBGR(kCorOk);
    if (status == QLatin1String("A"))
        return corBGR(kCorAtraso);
    if (status == QLatin1String("F"))
        return corBGR(kCorFalta);
    if (status == QLatin1String("E"))
        return corBGR(kCorExtra);
    if (status == QLatin1String("J"))
        return corBGR(kCorAbonado);
    return std::nullopt;
}

bool podeAbonar(const QString &status)
{
    return status == QLatin1String("F") || status == QLatin1String("E") || status == QLatin1String("A");
}

QString tipoPorExtenso(const QString &tipo)
{
    return tipo == QLatin1String("E") ? QStringLiteral("Entrada") : QStringLiteral("Saída");
}

// ------------------------------------------------------------------ listing

namespace {
const QString kSqlLivro = QStringLiteral(
    "SELECT P.ID_PONTO, P.ID_FUNCIONARIO, P.DATA, P.HORA, P.OBS, P.TIPO, P.HORA_DEFINIDA, P.FOTO, P.USUARIO, "
    "P.MARCACAO_AUTO, P.ABONADO, P.OK, P.DATA_DEFINIDA, F.NOME, "
    "CAST(CASE WHEN P.TIPO = 'E' THEN 'Entrada' ELSE 'Saída' END AS VARCHAR(7)) AS TP "
    "FROM PONTO P JOIN FUNCIONARIO F ON %1 WHERE %2 "
    "ORDER BY F.NOME, P.DATA_DEFINIDA, P.HORA_DEFINIDA, P.DATA, P.HORA");
} // namespace

Consulta consultaDia(const QDate &dia)
{
    return {kSqlLivro.arg(kJuncaoFuncionario, QStringLiteral("(P.DATA = ? OR P.DATA_DEFINIDA = ?)")), {dia, dia}};
}

Consulta consultaFuncionario(qint64 funcionario)
{
    return {kSqlLivro.arg(kJuncaoFuncionario, QStringLiteral("P.ID_FUNCIONARIO = ?")), {chaveTexto(funcionario)}};
}

// ------------------------------------------------------------------ punching

Modo modoAtual() { return tParametros().sim(QStringLiteral("PONTO_DEFINIDO")) ? Modo::Previsto : Modo::Livre; }

qint64 codigoPrevisto()
{
    return DM->Conexao.valor(QStringLiteral("SELECT GEN_ID(GEN_ID_PONTO, 0) FROM RDB$DATABASE")).toLongLong() + 1;
}

qint64 primeiraAberta(qint64 funcionario)
{
    return DM->Conexao
        .valor(QStringLiteral("SELECT FIRST 1 ID_PONTO FROM PONTO WHERE ID_FUNCIONARIO = ? AND DATA IS NULL "
                              "ORDER BY ID_PONTO"),
               {chaveTexto(funcionario)})
        .toLongLong();
}

Registro marcar(const Pedido &p)
{
    const QString func = chaveTexto(p.funcionario);
    return DM->Conexao.emTransacao([&] {
        Registro r;
        if (p.modo == Modo::Previsto) {
            const QList<Linha> abertas = DM->Conexao.lerTodas(
                QStringLiteral("SELECT ID_PONTO, TIPO FROM PONTO WHERE ID_FUNCIONARIO = ? AND DATA IS NULL "
                               "ORDER BY ID_PONTO"),
                {func});
            for (const Linha &a : abertas) {
                // Filled only while still open: a row another workstation
                // filled meanwhile is passed over for the next one.
                const int n = DM->Conexao.executar(
                    QStringLiteral("UPDATE PONTO SET DATA = ?, HORA = ?, OBS = ?, USUARIO = ?, MARCACAO_AUTO = 'N', "
                                   "ABONADO = 'N' WHERE ID_PONTO = ? AND DATA IS NULL"),
                    {p.data, p.hora, p.obs, login(), a.inteiro(QStringLiteral("ID_PONTO"))});
                if (n == 1) {
                    r.chave = a.inteiro(QStringLiteral("ID_PONTO"));
                    r.tipo = tipoPorExtenso(a.texto(QStringLiteral("TIPO")));
                    break;
                }
            }
            if (r.chave == 0) {
                r.jaCumpriu = true;
                return r;
            }
        } else {
            // One punch of an employee at a time: the kind alternates after the last row.
            DM->Conexao.ler(QStringLiteral("SELECT ID_FUNCIONARIO FROM FUNCIONARIO WHERE ID_FUNCIONARIO = ? WITH LOCK"),
                            {p.funcionario});
            const Linha ultima = DM->Conexao.ler(
                QStringLiteral("SELECT FIRST 1 TIPO FROM PONTO WHERE ID_FUNCIONARIO = ? ORDER BY ID_PONTO DESC"), {func});
            const QString tipo = !ultima.vazia() && ultima.texto(QStringLiteral("TIPO")) == QLatin1String("E")
                                     ? QStringLiteral("S")
                                     : QStringLiteral("E");
            r.chave = DM->Conexao
                          .valor(QStringLiteral("INSERT INTO PONTO (ID_FUNCIONARIO, HORA_DEFINIDA, DATA_DEFINIDA, TIPO, "
                                                "DATA, HORA, OBS, USUARIO, MARCACAO_AUTO, ABONADO) VALUES "
                                                "(?, '00:00:00', ?, ?, ?, ?, ?, ?, 'N', 'N') RETURNING ID_PONTO"),
                                 {func, p.hoje, tipo, p.data, p.hora, p.obs, login()})
                          .toLongLong();
            r.tipo = tipoPorExtenso(tipo);
        }
        RegistrarLog(DM->Conexao, QStringLiteral("Registrou Ponto de ") + r.tipo + QStringLiteral(" -> ")
                                      + QString::number(r.chave) + QStringLiteral(" (") + p.nome + QLatin1Char(')'));
        return r;
    });
}

QString pastaFotos() { return Caminhos::naInstalacao(QStringLiteral("img\\pnt")); }

QString guardarFoto(qint64 chave, const QString &arquivoJpg)
{
    if (chave <= 0 || !QFileInfo(arquivoJpg).isFile())
        return {};
    const QString pasta = pastaFotos();
    if (!QDir().mkpath(pasta))
        return {};
    const QString destino = QDir(pasta).filePath(QString::number(chave) + QStringLiteral(".jpg"));
    std::error_code erro;
    // A rename within one file system replaces an older photo of the key at once.
    std::filesystem::rename(QFile::encodeName(arquivoJpg).toStdString(), QFile::encodeName(destino).toStdString(),
                            erro);
    if (erro) {
        // Another file system: copy beside the destination, then swap it in.
        const QString provisorio = destino + QStringLiteral(".novo");
        QFile::remove(provisorio);
        if (!QFile::copy(arquivoJpg, provisorio))
            return {};
        std::filesystem::rename(QFile::encodeName(provisorio).toStdString(), QFile::encodeName(destino).toStdString(),
                                erro);
        if (erro) {
            QFile::remove(provisorio);
            return {};
        }
        QFile::remove(arquivoJpg);
    }
    DM->Conexao.emTransacao([&] {
        DM->Conexao.executar(QStringLiteral("UPDATE PONTO SET FOTO = ? WHERE ID_PONTO = ?"), {destino, chave});
    });
    return destino;
}

// ------------------------------------------------------------------ excusing and clearing

ResultadoAbono abonar(const PedidoAbono &p, const Tolerancias &t)
{
    if (p.porPeriodo && p.ate < p.de)
        return ResultadoAbono::PeriodoInvalido;
    return DM->Conexao.emTransacao([&] {
        const Linha l = DM->Conexao.ler(QStringLiteral("SELECT * FROM PONTO WHERE ID_PONTO = ? WITH LOCK"), {p.chave});
        if (l.vazia() || !podeAbonar(status(Marcacao::de(l), t)))
            return ResultadoAbono::NaoPode;
        const QString set = QStringLiteral("UPDATE PONTO SET OBS = ?, USUARIO = ?, ABONADO = 'S' WHERE ");
        if (p.porPeriodo)
            DM->Conexao.executar(set + QStringLiteral("ID_FUNCIONARIO = ? AND DATA_DEFINIDA >= ? AND DATA_DEFINIDA <= ?"),
                                 {p.justificativa, login(), l.texto(QStringLiteral("ID_FUNCIONARIO")), p.de, p.ate});
        else
            DM->Conexao.executar(set + QStringLiteral("ID_PONTO = ?"), {p.justificativa, login(), p.chave});
        RegistrarLog(DM->Conexao, QStringLiteral("Abonou Marcação de Funcionário - Código: ") + QString::number(p.chave));
        return ResultadoAbono::Feito;
    });
}

bool limparMarcacao(qint64 chave)
{
    return DM->Conexao.emTransacao([&] {
        const Linha l = DM->Conexao.ler(QStringLiteral("SELECT DATA FROM PONTO WHERE ID_PONTO = ? WITH LOCK"), {chave});
        if (l.vazia() || l.nulo(QStringLiteral("DATA")))
            return false;
        DM->Conexao.executar(QStringLiteral("UPDATE PONTO SET DATA = NULL, HORA = NULL, OBS = NULL, USUARIO = NULL, "
                                            "MARCACAO_AUTO = NULL, ABONADO = NULL WHERE ID_PONTO = ?"),
                             {chave});
        RegistrarLog(DM->Conexao, QStringLiteral("Limpeza de Marcação - Código ") + QString::number(chave));
        return true;
    });
}

} // namespace Ponto
