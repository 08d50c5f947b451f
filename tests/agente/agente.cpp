// A workstation reduced to one operation: connects to a database (a path or
// host/port:path on a Firebird server), waits for the agreed moment so that
// several agents start together, runs the operation N times and prints one
// line per run. Used by the tests that put several processes on one database.
//
//   agente_servidor BANCO INICIO_MS OPERACAO VEZES [ARGUMENTO]
//
//   diarias AAAA-MM-DD   the nightly posting of that day
//   ponto AAAA-MM-DD     the time clock's housekeeping of that day
//   usuario PREFIXO      a new user PREFIXO<i> for i = 0..VEZES-1
//   caixa VALOR          VALOR ("1,00") into the open cash-register shift
//   entrada UH,CLIENTE   the check-in of CLIENTE into room UH (keys), two persons
//   nfce ESTADIA|BANCO   the statement's NFC-e hand-over of stay ESTADIA into the
//                        control program's database BANCO
//   saida ID,ID,...      the check-out of stay i of the list on run i, paid in
//                        cash (prints the outcome's number and its message)
//   forma ENTRADA        the payment of closed stay ENTRADA redistributed (cash / Visa credit)
//   cancelar ENTRADA     open stay ENTRADA cancelled
//
// Exit code 0 when every run ended without an error.
#include "base/Aplicacao.h"
#include "base/Erros.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "core/Diarias.h"
#include "core/PontoAutomatico.h"
#include "core/UnitCadUsu.h"
#include "finance/ControleCaixa.h"
#include "stays/Entrada.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "stays/EntregaFiscal.h"
#include "base/Relogio.h"
#include "stays/Saida.h"
#include "stays/Correcoes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>

#include <cstdio>
#include <functional>

namespace {

void escrever(const QString &linha)
{
    std::fputs(linha.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The stay form's check-in of a customer into a room, through the same
// rule: "entrada=<key>" for the stay written, "recusa|<message>" otherwise.
std::function<QString(int)> opEntrada(const QString &argumento)
{
    const qint64 uh = argumento.section(QLatin1Char(','), 0, 0).toLongLong();
    const qint64 cliente = argumento.section(QLatin1Char(','), 1, 1).toLongLong();
    return [uh, cliente](int) {
        ConexaoBanco &c = DM->Conexao;
        Entrada::Dados d;
        d.idEntrada = c.emTransacao([&] { return c.gerador(QStringLiteral("GEN_ID_WALK_IN"), 1); });
        d.cliente = cliente;
        d.nomeCliente = c.valor(QStringLiteral("SELECT NOME FROM CLIENTE WHERE ID_CLIENTE = ?"), {cliente}).toString();
        d.uh = uh;
        d.numeroUH = c.valor(QStringLiteral("SELECT NUMERO FROM UH WHERE ID_UH = ?"), {uh}).toString();
        d.pessoas = QStringLiteral("2");
        const QDateTime agora = QDateTime::currentDateTime();
        d.dataEntrada = agora.date();
        d.horaEntrada = agora.time();
        d.dataSaida = agora.date().addDays(1);
        d.horaSaida = QTime(12, 0);
        d.diaria = QStringLiteral("150,00");
        const Entrada::Gravacao g = Entrada::incluir(d, QStringLiteral("AGENTE"), agora.date());
        return g.recusa ? QStringLiteral("recusa|") + g.recusa->mensagem
                        : QStringLiteral("entrada=") + QString::number(g.idEntrada);
    };
}

// The account statement's "NFCe" of a stay: the messages it showed, joined by "|".
std::function<QString(int)> opNfce(const QString &argumento)
{
    const qint64 estadia = argumento.section(QLatin1Char('|'), 0, 0).toLongLong();
    const QString controle = argumento.section(QLatin1Char('|'), 1);
    return [estadia, controle](int) {
        QStringList mostradas;
        Mensagem::definirManipulador([&mostradas](const Mensagem::Pedido &p) {
            mostradas << p.texto.section(QLatin1Char('\n'), 0, 0);
            return Mensagem::Ok;
        });
        DM->ConexaoZentroControle.definirCaminho(controle);
        tParametros().recarregar();
        const auto x = ExtratoConta::montar(estadia, QString(), QDateTime::currentDateTime());
        if (x)
            EntregaFiscal::nfce(*x);
        Mensagem::restaurarManipulador();
        return mostradas.join(QLatin1Char('|'));
    };
}

// The check-out of one stay as the payment screen confirms it: the amount
// due as the start computed it, all in cash.
QString saida(const QString &ids, int i)
{
    const qint64 id = ids.split(QLatin1Char(',')).value(i).toLongLong();
    const QDateTime agora = Relogio::agora();
    Saida::Fechamento f;
    f.idEntrada = id;
    f.restante = Saida::calcular(DM->Conexao, id, agora).restante;
    f.pagamento.valores[MeioCaixa::Dinheiro] = f.restante;
    f.saida = agora;
    f.cliente = QStringLiteral("AGENTE");
    f.uh = QString::number(id);
    f.usuario = Sessao::atual().login;
    const Saida::Resultado r = Saida::confirmar(DM->Conexao, f);
    return QStringLiteral("%1|%2").arg(int(r.situacao)).arg(r.mensagem);
}

// Corrections of one stay, each run on the stay as read at that moment:
// "feito", or the refusal's message (the stay changed on another agent).
std::function<QString(int)> correcoesEntrada(const QString &operacao, const QString &argumento)
{
    const qint64 id = argumento.toLongLong();
    const auto texto = [](const Correcoes::Resultado &r) {
        return r.feito ? QStringLiteral("feito") : r.mensagem;
    };
    if (operacao == QLatin1String("forma"))
        return [=](int i) {
            const auto e = Correcoes::ler(DM->Conexao, id);
            if (!e)
                return QStringLiteral("sem entrada");
            // A different split on every run of every agent.
            const qint64 total = e->totalPago().centavos();
            const qint64 visa = total ? (QCoreApplication::applicationPid() * 7919 + i * 104729) % (total + 1) : 0;
            const std::array<QString, 7> novos{Dinheiro::deCentavos(total - visa).formatado(),
                                               Dinheiro::deCentavos(visa).formatado(), {}, {}, {}, {}, {}};
            return texto(Correcoes::alterarForma(DM->Conexao, *e, novos));
        };
    if (operacao == QLatin1String("cancelar"))
        return [=](int) {
            const auto e = Correcoes::ler(DM->Conexao, id);
            return e ? texto(Correcoes::cancelar(DM->Conexao, *e, QStringLiteral("AGENTE"))) : QStringLiteral("sem entrada");
        };
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TAplicacao app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 5) {
        escrever(QStringLiteral("uso: agente_servidor BANCO INICIO_MS OPERACAO VEZES [ARGUMENTO]"));
        return 2;
    }
    const QString banco = a[1];
    const qint64 inicio = a[2].toLongLong();
    const QString operacao = a[3];
    const int vezes = a[4].toInt();
    const QString argumento = a.value(5);

    TDM dm;
    DM = &dm;
    Sessao &s = Sessao::atual();
    s.login = QStringLiteral("AGENTE");
    s.AuxNomePC = QStringLiteral("SERVIDOR");

    std::function<QString(int)> rodar;
    if (operacao == QLatin1String("diarias")) {
        const QDate dia = QDate::fromString(argumento, Qt::ISODate);
        rodar = [dia](int) {
            const Diarias::Postagem p = Diarias::lancar(dia);
            return QStringLiteral("registrada=%1 noites=%2").arg(int(p.registrada)).arg(p.noites);
        };
    } else if (operacao == QLatin1String("ponto")) {
        const QDate dia = QDate::fromString(argumento, Qt::ISODate);
        rodar = [dia](int) {
            const PontoAutomatico::Resultado r = PontoAutomatico::preparar(dia, QStringLiteral("AGENTE"));
            return QStringLiteral("faltas=%1 previstas=%2").arg(r.faltas).arg(r.previstas);
        };
    } else if (operacao == QLatin1String("usuario")) {
        rodar = [argumento](int i) {
            const QString login = argumento + QString::number(i);
            const CadUsu::Resultado r = CadUsu::confirmar(QStringLiteral("N_U"), 0, {}, login, QStringLiteral("1"),
                                                          QStringLiteral("1"));
            return login + QLatin1Char('|') + r.mensagem;
        };
    } else if (operacao == QLatin1String("caixa")) {
        rodar = [argumento](int) {
            const ResultadoCaixa r = ControleCaixa(QStringLiteral("+"), argumento, QStringLiteral("S"));
            return QStringLiteral("%1|%2").arg(int(r.sucesso)).arg(r.mensagem);
        };
    } else if (operacao == QLatin1String("entrada")) {
        rodar = opEntrada(argumento);
    } else if (operacao == QLatin1String("nfce")) {
        rodar = opNfce(argumento);
    } else if (operacao == QLatin1String("saida")) {
        rodar = [argumento](int i) { return saida(argumento, i); };
    } else if ((rodar = correcoesEntrada(operacao, argumento))) {
    } else {
        escrever(QStringLiteral("operação desconhecida: ") + operacao);
        return 2;
    }

    try {
        dm.Conexao.definirCaminho(banco);
        dm.Conexao.conectar();
    } catch (const ErroSistema &e) {
        escrever(QStringLiteral("ERRO|") + e.texto().simplified());
        return 1;
    }
    const qint64 espera = inicio - QDateTime::currentMSecsSinceEpoch();
    if (espera > 0)
        QThread::msleep(static_cast<unsigned long>(espera));

    int falhas = 0;
    for (int i = 0; i < vezes; ++i) {
        try {
            escrever(rodar(i));
        } catch (const ErroSistema &e) {
            ++falhas;
            escrever(QStringLiteral("ERRO|") + e.texto().simplified());
        }
    }
    dm.Conexao.desconectar();
    DM = nullptr;
    return falhas == 0 ? 0 : 1;
}
