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
//   mesa DESK,DATA,N,MS  a desk's day of work (see diaDeMesa below)
//   entrada UH,CLIENTE[,NOITES]  the check-in of CLIENTE into room UH (keys), two
//                        persons, leaving after NOITES nights (one by default)
//   restaurar FORNECEDOR the recycle bin's restore of a deleted supplier (its message)
//   reserva UH,CLIENTE,DE,ATE  a reservation of room UH from today + DE to today + ATE
//   nfce ESTADIA|BANCO   the statement's NFC-e hand-over of stay ESTADIA into the
//                        control program's database BANCO
//   saida ID,ID,...      the check-out of stay i of the list on run i, paid in
//                        cash (prints the outcome's number and its message)
//   forma ENTRADA        the payment of closed stay ENTRADA redistributed (cash / Visa credit)
//   cancelar ENTRADA     open stay ENTRADA cancelled
//   noite-valor ENTRADA  the first night of ENTRADA corrected to 300,00
//   noite-excluir ENTRADA  the last night of ENTRADA deleted
//   adiantamento, consumo, pagarconsumo  money and lines on one stay (see
//                        lancamentoEstadia below)
//   despesa-varias PRODUTO  a several-item counter sale (2 x 3,00 + 1 x 4,50 of
//                        PRODUTO) paid 10,50 in cash: "venda=<key>" or "recusa|<message>"
//   excluir-despesa TIPO,ID[,MS]  counter sale ID deleted (TIPO "I" single-item,
//                        "V" several-item), its transaction held MS ms more before
//                        the commit: "excluida" or the refusal's message
//   abrirmesa M,SEG,ATR  the restaurant board opens table M+i on run i ("aberta=<key>" or
//                        "recusa|<message>"); the first run waits ATR ms before it starts
//                        and holds its transaction SEG ms before committing
//   pedido M,PROD,SEG,ATR  an order line of product PROD on the opening table M shows
//                        at the start ("gravado" or "recusa|<message>"), same SEG and ATR
//   juntar O,D,SEG,ATR   table O moved into table D as both show at the start ("feito" or
//                        "recusa|<message>"), same SEG and ATR
//   marcar FUNC,MODO[,SEG]  a time-clock punch of employee FUNC now, MODO "P" filling an
//                        expected row or "L" a free punch, the first run holding its
//                        transaction SEG ms before the commit: "chave=<key> tipo=<kind>"
//                        or "cumpriu" (no open row left)
//   movitem I,T,Q,SEG,ATR  stock item I moved by Q (T "A" addition, "B" withdrawal) through
//                        the list's movement panel ("movido" or "recusa|<message>"), same SEG and ATR
//   dav M,SEG,ATR,PDV    the account of table M (its opening as shown at the start) handed
//                        over into the point of sale's database PDV ("dav=<document>" or
//                        "recusa|<message>"), same SEG and ATR
//   parcial M,CENTAVOS,SEG,ATR  a partial payment of CENTAVOS on table M's account as shown
//                        at the start ("pago=<payments after it>" or "recusa|<message>")
//   gerar-folha MM/AAAA[,MS]  the month's payroll generated ("gerada=<employees>",
//                        "ja-gerada" or "recusa|<message>"), its transaction held MS ms more
//   excluir-pagamento CHAVE[,MS]  employee entry CHAVE, as it shows at the start, deleted
//                        ("excluido" or the refusal's message), its transaction held MS ms more
//
// Exit code 0 when every run ended without an error.
#include "finance/Cheques.h"
#include "base/Aplicacao.h"
#include "base/Erros.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "core/Diarias.h"
#include "staff/PontoAutomatico.h"
#include "core/UnitAnulacoes.h"
#include "core/UnitCadUsu.h"
#include "finance/ControleCaixa.h"
#include "finance/DespesasAvulsas.h"
#include "finance/MovimentoFinanceiro.h"
#include "stays/Entrada.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "stays/EntregaFiscal.h"
#include "base/Relogio.h"
#include "stays/Saida.h"
#include "staff/Funcionarios.h"
#include "staff/Ponto.h"
#include "stays/Correcoes.h"
#include "restaurant/Consumos.h"
#include "restaurant/Mesas.h"
#include "restaurant/Pedidos.h"
#include "restaurant/Itens.h"
#include "staff/FolhaPagamento.h"
#include "staff/PagamentoFuncionarios.h"

// a desk's day of work
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "finance/Caixa.h"
#include "rooms/Reservas.h"
#include "stays/Consumo.h"
#include "stays/Entrada.h"
#include "stays/Adiantamento.h"
#include "stays/Pagamentos.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace {

void escrever(const QString &linha)
{
    std::fputs(linha.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// ------------------------------------------------------------ a desk's day
//
// One front desk's day on a database shared with another desk running the
// same script at the same moments (steps of MS milliseconds counted from the
// agreed start): open the shift, N/2 check-ins (every third one on the room
// the other desk takes at that moment: the loser takes the next room),
// consumption on every open stay, advance payments on its own stays,
// reservations of the same room and days as the other desk, check-outs over
// several means (two of them disputed with the other desk), the timer's
// nightly posting (only the "SERVIDOR" desk posts), a withdrawal or an
// addition, closing the shift. The database holds free rooms, customers and
// products in key order; both desks read them before the first step.
// DESK is 0 ("RECEPCAO") or 1 ("SERVIDOR"). One line per step:
// "step|result".
void diaDeMesa(const QString &argumento, qint64 inicio)
{
    const QStringList p = argumento.split(QLatin1Char(','));
    const int mesa = p.value(0).toInt();
    const QDate dia = QDate::fromString(p.value(1), Qt::ISODate);
    const int entradas = p.value(2).toInt();
    const int passoMs = p.value(3).toInt();
    const QString nome = mesa == 0 ? QStringLiteral("RECEPCAO") : QStringLiteral("SERVIDOR");
    const QString ip = mesa == 0 ? QStringLiteral("192.168.0.11") : QStringLiteral("192.168.0.10");
    Sessao &s = Sessao::atual();
    s.login = nome;
    s.idUsuario = 1;
    s.AuxNomePC = nome;
    s.direitos.INCLUI = s.direitos.ALTERA = s.direitos.MOVIMENTOS = true;
    Relogio::definir(QDateTime(dia, QTime(8, 0)));
    tParametros().recarregar();
    ConexaoBanco &c = DM->Conexao;

    int passo = 0;
    auto esperar = [&] {
        ++passo;
        const qint64 ate = inicio + qint64(passo) * passoMs;
        const qint64 falta = ate - QDateTime::currentMSecsSinceEpoch();
        if (falta > 0)
            QThread::msleep(static_cast<unsigned long>(falta));
    };
    auto dizer = [](const QString &etapa, const QString &resultado) { escrever(etapa + QLatin1Char('|') + resultado); };

    // What both desks read before the first step.
    struct Quarto {
        qint64 id;
        QString numero;
        qint64 tipo;
    };
    QList<Quarto> quartos;
    for (const Linha &l : c.lerTodas(QStringLiteral("SELECT ID_UH, NUMERO, ID_TIPO_UH FROM UH WHERE SITUACAO = 'L' "
                                                    "AND EXCLUIDO = 'N' ORDER BY ID_UH")))
        quartos.append({l.inteiro(QStringLiteral("ID_UH")), l.texto(QStringLiteral("NUMERO")),
                         l.inteiro(QStringLiteral("ID_TIPO_UH"))});
    QList<QPair<qint64, QString>> clientes;
    for (const Linha &l : c.lerTodas(QStringLiteral("SELECT ID_CLIENTE, NOME FROM CLIENTE WHERE ID_CLIENTE > 1 "
                                                    "ORDER BY ID_CLIENTE")))
        clientes.append({l.inteiro(QStringLiteral("ID_CLIENTE")), l.texto(QStringLiteral("NOME"))});
    QList<QPair<qint64, QString>> produtos;
    for (const Linha &l : c.lerTodas(QStringLiteral("SELECT ID_P_S, DESCRICAO FROM PRODUTOS_SERVICOS WHERE ID_P_S > 1 "
                                                    "AND EXCLUIDO = 'N' ORDER BY ID_P_S")))
        produtos.append({l.inteiro(QStringLiteral("ID_P_S")), l.texto(QStringLiteral("DESCRICAO"))});
    // The two stays of earlier days both desks will try to close.
    const QList<Linha> antigas = c.lerTodas(
        QStringLiteral("SELECT FIRST 2 ID_WALK_IN FROM WALK_IN WHERE BAIXA = 'N' AND EXCLUIDO = 'N' AND DATA_ENTRADA < ? "
                       "ORDER BY ID_WALK_IN"),
        {dia});
    // Two more of them, each met by both desks at once: a check-out on one
    // desk against an advance and a line (the third), against a night
    // corrected and then the nightly posting (the fourth).
    const QList<Linha> disputadas = c.lerTodas(
        QStringLiteral("SELECT FIRST 2 SKIP 2 ID_WALK_IN FROM WALK_IN WHERE BAIXA = 'N' AND EXCLUIDO = 'N' AND "
                       "DATA_ENTRADA < ? ORDER BY ID_WALK_IN"),
        {dia});
    const int pares = entradas / 2;
    if (quartos.size() < 2 * pares + pares / 3 + 1 || clientes.size() < 2 * pares || produtos.size() < 3) {
        dizer(QStringLiteral("preparo"), QStringLiteral("faltam quartos, clientes ou produtos"));
        return;
    }

    // 1. The shift: both desks at once, one opens it.
    esperar();
    const Caixa::Abertura ab = Caixa::abrir(DM->Conexao, dia, ip);
    dizer(QStringLiteral("abertura"), ab.mensagem);

    // 2. Check-ins.
    QList<qint64> minhas;
    QList<QPair<QString, QString>> minhasDe; // customer, room
    const Entrada::Regras regras = Entrada::Regras::atuais();
    auto entrar = [&](const Quarto &q, const QPair<qint64, QString> &cli) -> Entrada::Gravacao {
        Entrada::Dados d;
        d.cliente = cli.first;
        d.nomeCliente = cli.second;
        d.uh = q.id;
        d.numeroUH = q.numero;
        d.tipoUH = q.tipo;
        d.pessoas = QStringLiteral("2");
        d.dataEntrada = dia;
        d.horaEntrada = Relogio::horaAtual();
        d.dataSaida = dia.addDays(2);
        d.horaSaida = QTime(12, 0);
        const Linha t = c.ler(QStringLiteral("SELECT P2, P2MIN FROM TIPO_UH WHERE ID_TIPO_UH = ?"), {q.tipo});
        d.valorDiariaPadrao = t.dinheiro(QStringLiteral("P2"));
        d.valorMin = t.dinheiro(QStringLiteral("P2MIN"));
        d.diaria = d.valorDiariaPadrao.formatado();
        d.hospedes = {QStringLiteral("=") + cli.second, QStringLiteral("ACOMPANHANTE %1").arg(cli.first)};
        const Entrada::Verificacao v = Entrada::verificar(DM->Conexao, d, regras, Relogio::agora(), [](const QString &) { return true; });
        if (!v.ok()) {
            Entrada::Gravacao g;
            g.recusa = v.recusa.value_or(Entrada::Recusa{QStringLiteral("abandonada")});
            return g;
        }
        return Entrada::incluir(DM->Conexao, d, nome, dia);
    };
    for (int k = 0; k < pares; ++k) {
        esperar();
        const bool disputa = k % 3 == 0;
        const Quarto &alvo = quartos[2 * k + (disputa ? 0 : mesa)];
        const auto &cli = clientes[2 * k + mesa];
        const Quarto *quarto = &alvo;
        Entrada::Gravacao g = entrar(alvo, cli);
        if (g.recusa && disputa) {
            dizer(QStringLiteral("entrada disputada"), g.recusa->mensagem);
            quarto = &quartos[2 * k + 1];
            g = entrar(*quarto, cli);
        }
        if (g.recusa) {
            dizer(QStringLiteral("entrada"), g.recusa->mensagem);
            continue;
        }
        minhas.append(g.idEntrada);
        minhasDe.append({cli.second, quarto->numero});
        dizer(QStringLiteral("entrada"), QStringLiteral("ok"));
    }

    // 3. Consumption on every open stay of the day, both desks at once.
    esperar();
    const QList<Linha> abertas =
        c.lerTodas(QStringLiteral("SELECT W.ID_WALK_IN, U.NUMERO FROM WALK_IN W JOIN UH U ON U.ID_UH = W.ID_UH "
                                  "WHERE W.BAIXA = 'N' AND W.EXCLUIDO = 'N' AND W.DATA_ENTRADA = ? ORDER BY W.ID_WALK_IN"),
                   {dia});
    for (int k = 0; k < abertas.size(); ++k) {
        if (k % 4 == 0)
            esperar();
        Consumo::LinhaNova l;
        const auto &prod = produtos[(k + mesa) % 3];
        l.produto = prod.first;
        l.descricao = prod.second;
        l.qtd = QString::number(1 + mesa);
        l.valorUnit = QStringLiteral("6,50");
        l.data = dia;
        const Consumo::Inclusao i = Consumo::incluir(DM->Conexao, abertas[k].inteiro(QStringLiteral("ID_WALK_IN")),
                                                     abertas[k].texto(QStringLiteral("NUMERO")), l);
        dizer(QStringLiteral("consumo"), i.recusa ? i.recusa->mensagem : QStringLiteral("ok"));
    }

    // 4. Advance payments on its own stays: cash and one more means.
    for (int k = 0; k < minhas.size(); ++k) {
        if (k % 2 == 0)
            esperar();
        Pagamentos::Valores v;
        v[MeioCaixa::Dinheiro] = Dinheiro::deCentavos(5000 + 100 * k);
        v[k % 2 ? MeioCaixa::CreditoVisa : MeioCaixa::PixChq] = Dinheiro::deCentavos(3000 + mesa * 1000);
        const Adiantamento::Resultado r = Adiantamento::registrar(DM->Conexao, minhas[k], v, minhasDe[k].first, minhasDe[k].second);
        dizer(QStringLiteral("adiantamento"), r.gravado ? QStringLiteral("ok") : r.mensagem.value_or(QString()));
    }

    // 5. Reservations of the same room and days, both desks at once.
    for (int k = 0; k <= pares / 3; ++k) {
        esperar();
        Reservas::Dados r;
        r.entrada = dia.addDays(10 + 4 * k);
        r.horaEntrada = QTime(14, 0);
        r.saida = r.entrada.addDays(2);
        r.horaSaida = QTime(12, 0);
        r.cliente = clientes[k].first;
        r.uh = quartos[2 * pares + k].id;
        r.pessoas = QStringLiteral("2");
        const Reservas::ResultadoGravacao g = Reservas::incluir(DM->Conexao, r, dia, nome, QStringLiteral("Reserva %1"));
        dizer(QStringLiteral("reserva"), g.recusa ? QStringLiteral("recusada") : QStringLiteral("ok"));
    }

    // 6. Check-outs over several means: every other stay of its own, and
    // both desks at once on the first two stays that arrived before today
    // (one closes each, the other is told it was closed elsewhere).
    auto sair = [&](qint64 id, int k) {
        const QDateTime agora = Relogio::agora();
        Saida::Fechamento f;
        f.idEntrada = id;
        f.restante = Saida::calcular(c, id, agora).restante;
        // Cash, a second means by turn and, on every third, a part on account.
        const Dinheiro terco = Dinheiro::deCentavos(f.restante.centavos() / 3);
        const MeioCaixa outro = k % 3 == 0 ? MeioCaixa::CreditoVisa : k % 3 == 1 ? MeioCaixa::DebitoMaster : MeioCaixa::PixChq;
        f.pagamento.valores[outro] = terco;
        f.pagamento.valores[MeioCaixa::APrazo] = k % 3 == 2 ? terco : Dinheiro();
        f.pagamento.valores[MeioCaixa::Dinheiro] = f.restante - f.pagamento.valores.total();
        f.saida = agora;
        f.cliente = nome;
        f.uh = QString::number(id);
        f.usuario = nome;
        const Saida::Resultado r = Saida::confirmar(c, f);
        return r.fechada() ? QStringLiteral("ok") : r.mensagem;
    };
    for (const Linha &a : antigas) {
        esperar();
        dizer(QStringLiteral("saida disputada"), sair(a.inteiro(QStringLiteral("ID_WALK_IN")), mesa));
    }
    for (int k = 0; k < minhas.size(); k += 2) {
        if (k % 4 == 0)
            esperar();
        dizer(QStringLiteral("saida"), sair(minhas[k], k / 2));
    }

    // 6a. Money, lines and a night correction reaching a stay the other
    // desk is closing; a reservation and a check-in of one room at once.
    esperar();
    if (disputadas.size() == 2) {
        const qint64 terceira = disputadas[0].inteiro(QStringLiteral("ID_WALK_IN"));
        if (mesa == 0) {
            dizer(QStringLiteral("saida contra adiantamento"), sair(terceira, 0));
        } else {
            Pagamentos::Valores v;
            v[MeioCaixa::Dinheiro] = Dinheiro::deReais(20);
            const Adiantamento::Resultado r = Adiantamento::registrar(DM->Conexao, terceira, v, nome, QStringLiteral("antiga"));
            dizer(QStringLiteral("adiantamento contra saida"), r.gravado ? QStringLiteral("ok") : r.mensagem.value_or(QString()));
            Consumo::LinhaNova l;
            l.produto = produtos[0].first;
            l.descricao = produtos[0].second;
            l.qtd = QStringLiteral("1");
            l.valorUnit = QStringLiteral("6,50");
            l.data = dia;
            const Consumo::Inclusao i = Consumo::incluir(DM->Conexao, terceira, QStringLiteral("antiga"), l);
            dizer(QStringLiteral("consumo contra saida"), i.recusa ? i.recusa->mensagem : QStringLiteral("ok"));
        }
    }
    esperar();
    {
        // The last free room: desk 0 reserves it for tomorrow and the day
        // after, desk 1 checks a guest in until three days from today.
        const Quarto &q = quartos.last();
        if (mesa == 0) {
            Reservas::Dados r;
            r.entrada = dia.addDays(1);
            r.horaEntrada = QTime(14, 0);
            r.saida = dia.addDays(2);
            r.horaSaida = QTime(12, 0);
            r.cliente = clientes[2 * pares + 1].first;
            r.uh = q.id;
            r.pessoas = QStringLiteral("2");
            const Reservas::ResultadoGravacao g = Reservas::incluir(DM->Conexao, r, dia, nome, QStringLiteral("Reserva %1"));
            dizer(QStringLiteral("reserva contra entrada"), g.recusa ? g.recusa->mensagem : QStringLiteral("ok"));
        } else {
            Entrada::Dados d;
            const auto &cli = clientes[2 * pares];
            d.cliente = cli.first;
            d.nomeCliente = cli.second;
            d.uh = q.id;
            d.numeroUH = q.numero;
            d.tipoUH = q.tipo;
            d.pessoas = QStringLiteral("2");
            d.dataEntrada = dia;
            d.horaEntrada = Relogio::horaAtual();
            d.dataSaida = dia.addDays(3);
            d.horaSaida = QTime(12, 0);
            d.diaria = QStringLiteral("200,00");
            const Entrada::Gravacao g = Entrada::incluir(DM->Conexao, d, nome, dia);
            dizer(QStringLiteral("entrada contra reserva"), g.recusa ? g.recusa->mensagem : QStringLiteral("ok"));
        }
    }
    esperar();
    if (disputadas.size() == 2) {
        const qint64 quarta = disputadas[1].inteiro(QStringLiteral("ID_WALK_IN"));
        if (mesa == 1) {
            const auto e = Correcoes::ler(c, quarta);
            const QList<Correcoes::Noite> ns = Correcoes::noites(c, quarta);
            const Correcoes::Resultado r = Correcoes::alterarNoite(c, *e, ns.first(), QStringLiteral("260,00"),
                                                                   QStringLiteral("R$ 200,00"), true);
            dizer(QStringLiteral("noite contra saida"), r.feito ? QStringLiteral("ok") : r.mensagem);
        } else {
            dizer(QStringLiteral("saida contra noite"), sair(quarta, 1));
        }
    }

    // 7. The one-second timer's nightly posting: the server desk posts,
    // while the other desk checks out the fourth stay when it is still open.
    esperar();
    if (mesa == 0 && disputadas.size() == 2) {
        const qint64 quarta = disputadas[1].inteiro(QStringLiteral("ID_WALK_IN"));
        if (c.valor(QStringLiteral("SELECT BAIXA FROM WALK_IN WHERE ID_WALK_IN = ?"), {quarta}).toString()
            == QLatin1String("N"))
            dizer(QStringLiteral("saida contra diarias"), sair(quarta, 2));
    }
    Diarias::Controle controle;
    controle.tick(dia);
    dizer(QStringLiteral("diarias"), s.ServidorAtualizado ? QStringLiteral("postadas") : QStringLiteral("pendentes"));

    // 8. A withdrawal and an addition.
    esperar();
    const Caixa::ResultadoOperacao op =
        Caixa::operar(DM->Conexao, mesa == 0 ? Caixa::Operacao::Retirar : Caixa::Operacao::Adicionar, MeioCaixa::Dinheiro,
                      mesa == 0 ? QStringLiteral("40,00") : QStringLiteral("15,00"),
                      mesa == 0 ? QStringLiteral("SANGRIA") : QStringLiteral("TROCO"));
    dizer(QStringLiteral("operacao"), op.feito ? QStringLiteral("ok") : QStringLiteral("recusada"));

    // 9. Closing the shift: both desks at once, one closes it.
    esperar();
    const Caixa::Fechamento f = Caixa::fechar(DM->Conexao, ip);
    dizer(QStringLiteral("fechamento"), f.situacao == Caixa::Fechamento::Situacao::Fechado
                                            ? QStringLiteral("fechado")
                                            : f.situacao == Caixa::Fechamento::Situacao::JaFechado
                                            ? QStringLiteral("ja fechado")
                                            : QStringLiteral("outra maquina"));
}

// The stay form's check-in of a customer into a room, through the same
// rule: "entrada=<key>" for the stay written, "recusa|<message>" otherwise.
std::function<QString(int)> opEntrada(const QString &argumento)
{
    const qint64 uh = argumento.section(QLatin1Char(','), 0, 0).toLongLong();
    const qint64 cliente = argumento.section(QLatin1Char(','), 1, 1).toLongLong();
    const int noites = qMax(1, argumento.section(QLatin1Char(','), 2, 2).toInt());
    return [uh, cliente, noites](int) {
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
        d.dataSaida = agora.date().addDays(noites);
        d.horaSaida = QTime(12, 0);
        d.diaria = QStringLiteral("150,00");
        const Entrada::Gravacao g = Entrada::incluir(DM->Conexao, d, QStringLiteral("AGENTE"), agora.date());
        return g.recusa ? QStringLiteral("recusa|") + g.recusa->mensagem
                        : QStringLiteral("entrada=") + QString::number(g.idEntrada);
    };
}

// A new reservation of room UH for customer CLIENTE from today + DE to
// today + ATE: "reserva=<key>" or "recusa|<message>".
std::function<QString(int)> opReserva(const QString &argumento)
{
    const QStringList p = argumento.split(QLatin1Char(','));
    return [p](int) {
        const QDate hoje = QDate::currentDate();
        Reservas::Dados r;
        r.uh = p.value(0).toLongLong();
        r.cliente = p.value(1).toLongLong();
        r.entrada = hoje.addDays(p.value(2).toInt());
        r.saida = hoje.addDays(p.value(3).toInt());
        r.horaEntrada = QTime(14, 0);
        r.horaSaida = QTime(12, 0);
        r.pessoas = QStringLiteral("2");
        const Reservas::ResultadoGravacao g = Reservas::incluir(DM->Conexao, r, hoje, QStringLiteral("AGENTE"), QStringLiteral("Reserva %1"));
        return g.recusa ? QStringLiteral("recusa|") + g.recusa->mensagem
                        : QStringLiteral("reserva=") + QString::number(g.id);
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
        const auto x = ExtratoConta::montar(DM->Conexao, estadia, QString(), QDateTime::currentDateTime());
        if (x)
            EntregaFiscal::nfce(DM->Conexao, *x);
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
    if (operacao == QLatin1String("noite-valor") || operacao == QLatin1String("noite-excluir"))
        return [=](int) {
            const auto e = Correcoes::ler(DM->Conexao, id);
            const QList<Correcoes::Noite> ns = Correcoes::noites(DM->Conexao, id);
            if (!e || ns.isEmpty())
                return QStringLiteral("sem entrada");
            if (operacao == QLatin1String("noite-valor"))
                return texto(Correcoes::alterarNoite(DM->Conexao, *e, ns.first(), QStringLiteral("300,00"),
                                                     QStringLiteral("R$ ") + ns.first().valor.formatado(), true));
            return texto(Correcoes::excluirNoite(DM->Conexao, *e, ns.last(), true));
        };
    if (operacao == QLatin1String("cancelar"))
        return [=](int) {
            const auto e = Correcoes::ler(DM->Conexao, id);
            return e ? texto(Correcoes::cancelar(DM->Conexao, *e, QStringLiteral("AGENTE"))) : QStringLiteral("sem entrada");
        };
    return {};
}

// Money and lines reaching one stay: "ok", or the refusal's message.
//   adiantamento ENTRADA       an advance of 50,00 in cash
//   consumo ENTRADA,PRODUTO    a line of 2 x 6,50 charged to the stay
//   pagarconsumo ENTRADA,PRODUTO  the same line paid at once in cash
std::function<QString(int)> lancamentoEstadia(const QString &operacao, const QString &argumento)
{
    const qint64 id = argumento.section(QLatin1Char(','), 0, 0).toLongLong();
    const qint64 produto = argumento.section(QLatin1Char(','), 1, 1).toLongLong();
    Consumo::LinhaNova l;
    l.produto = produto;
    l.descricao = QStringLiteral("PRODUTO");
    l.qtd = QStringLiteral("2");
    l.valorUnit = QStringLiteral("6,50");
    l.data = QDate::currentDate();
    if (operacao == QLatin1String("adiantamento"))
        return [id](int) {
            Pagamentos::Valores v;
            v[MeioCaixa::Dinheiro] = Dinheiro::deReais(50);
            const Adiantamento::Resultado r = Adiantamento::registrar(DM->Conexao, id, v, QStringLiteral("AGENTE"), QStringLiteral("101"));
            return r.gravado ? QStringLiteral("ok") : r.mensagem.value_or(QString());
        };
    if (operacao == QLatin1String("consumo"))
        return [id, l](int) {
            const Consumo::Inclusao i = Consumo::incluir(DM->Conexao, id, QStringLiteral("101"), l);
            return i.recusa ? i.recusa->mensagem : QStringLiteral("ok");
        };
    if (operacao == QLatin1String("pagarconsumo"))
        return [id, l](int) {
            Pagamentos::Valores v;
            v[MeioCaixa::Dinheiro] = Adiantamento::valorLinha(DM->Conexao, l);
            const Adiantamento::Pagamento p = Adiantamento::pagarConsumo(DM->Conexao, id, QStringLiteral("101"), l, v);
            return p.gravado ? QStringLiteral("ok") : p.mensagem.value_or(QString());
        };
    return {};
}

// Counter sales: a several-item sale, and the deletion of one sale held
// open for a while (the other workstation then meets its lock).
std::function<QString(int)> opDespesas(const QString &operacao, const QString &argumento)
{
    if (operacao == QLatin1String("despesa-varias")) {
        const qint64 produto = argumento.toLongLong();
        return [produto](int) {
            DespesasAvulsas::Item a, b;
            a.produto = b.produto = produto;
            a.qtd = 2;
            a.valorUnit = Dinheiro::deCentavos(300);
            b.qtd = 1;
            b.valorUnit = Dinheiro::deCentavos(450);
            DespesasAvulsas::Pagamento p;
            p.meios[0] = Dinheiro::deCentavos(1050);
            const DespesasAvulsas::Gravacao g = DespesasAvulsas::gravarVarias(DM->Conexao, {a, b}, Dinheiro::deCentavos(1050), p);
            return g.recusa ? QStringLiteral("recusa|") + g.recusa->mensagem : QStringLiteral("venda=%1").arg(g.id);
        };
    }
    if (operacao == QLatin1String("excluir-despesa")) {
        const QStringList p = argumento.split(QLatin1Char(','));
        const bool varias = p.value(0) == QLatin1String("V");
        const qint64 id = p.value(1).toLongLong();
        const int segurar = p.value(2).toInt();
        return [=](int) {
            DespesasAvulsas::Exclusao e;
            DM->Conexao.emTransacao([&] {
                e = varias ? DespesasAvulsas::excluirVarias(DM->Conexao, id) : DespesasAvulsas::excluirIndividual(DM->Conexao, id);
                if (segurar > 0)
                    QThread::msleep(static_cast<unsigned long>(segurar));
            });
            return e.excluida ? QStringLiteral("excluida") : e.recusa->mensagem;
        };
    }
    return {};
}

// The reversal of one cash addition (R) or withdrawal (S) of the financial
// movement, the transaction held SEG ms before its commit: "feito", or the
// message the desk reads.
std::function<QString(int)> opEstorno(const QString &operacao, const QString &argumento)
{
    if (operacao != QLatin1String("estorno"))
        return {};
    const QStringList p = argumento.split(QLatin1Char(','));
    const bool reposicao = p.value(0) == QLatin1String("R");
    const QString id = p.value(1);
    const int segurar = p.value(2).toInt();
    return [=](int) {
        MovimentoFinanceiro::Movimento m;
        m.origem = reposicao ? MovimentoFinanceiro::Origem::Reposicao : MovimentoFinanceiro::Origem::Retirada;
        m.identificador = id;
        m.formaPag = QStringLiteral("Dinheiro");
        m.tipo = reposicao ? QStringLiteral("Reposição de Caixa -> AGENTE (Dinheiro)")
                           : QStringLiteral("Retirada de Caixa - AGENTE - (Dinheiro)");
        MovimentoFinanceiro::Estorno e;
        DM->Conexao.emTransacao([&] {
            e = MovimentoFinanceiro::estornar(DM->Conexao, m);
            if (segurar > 0 && e.feito())
                QThread::msleep(static_cast<unsigned long>(segurar));
        });
        return e.feito() ? QStringLiteral("feito") : e.mensagem;
    };
}

// The restaurant board's writes. SEG: the first run holds its transaction
// that long before committing (another workstation then waits on it); ATR:
// the first run starts that much later than the agreed moment.
std::function<QString(int)> opRestaurante(const QString &operacao, const QString &argumento)
{
    const QStringList p = argumento.split(QLatin1Char(','));
    const auto numero = [&](int i) { return p.value(i).toLongLong(); };
    std::function<QString(int)> acao;
    int segura = 0, atraso = 0;
    if (operacao == QLatin1String("abrirmesa")) {
        const qint64 mesa = numero(0);
        segura = int(numero(1));
        atraso = int(numero(2));
        acao = [mesa](int i) {
            const Mesas::Resultado r = Mesas::abrir(DM->Conexao, mesa + i, QStringLiteral("1"), QStringLiteral("AGENTE"),
                                                    QDateTime::currentDateTime());
            return r.feito ? QStringLiteral("aberta=%1").arg(r.chave) : QStringLiteral("recusa|") + r.mensagem;
        };
    } else if (operacao == QLatin1String("pedido")) {
        const qint64 mesa = numero(0), produto = numero(1);
        segura = int(numero(2));
        atraso = int(numero(3));
        auto mostrada = std::make_shared<std::optional<Mesas::Mesa>>();
        acao = [mesa, produto, mostrada](int) {
            if (!*mostrada)
                *mostrada = Mesas::lerMesa(DM->Conexao, mesa);
            Pedidos::Item item;
            item.mesa = mesa;
            item.idCheckIn = (*mostrada)->idCheckIn;
            item.produto = produto;
            item.qtd = QStringLiteral("1");
            item.valorUnit = QStringLiteral("10,00");
            const Pedidos::Gravacao g = Pedidos::incluir(DM->Conexao, Mesas::Textos::de(false), item, QDateTime::currentDateTime());
            return g.gravado ? QStringLiteral("gravado") : QStringLiteral("recusa|") + g.mensagem;
        };
    } else if (operacao == QLatin1String("movitem")) {
        const qint64 item = numero(0);
        const bool adicao = p.value(1) == QLatin1String("A");
        const QString qtd = p.value(2);
        segura = int(numero(3));
        atraso = int(numero(4));
        acao = [item, adicao, qtd](int) {
            const Linha l = DM->Conexao.ler(QStringLiteral("SELECT DESCRICAO, ESTOQUE FROM ITEM WHERE ID_ITEM = ?"), {item});
            Itens::Movimento m;
            m.chave = item;
            m.itemPainel = Itens::textoItem(item, l.texto(QStringLiteral("DESCRICAO")), l.inteiro(QStringLiteral("ESTOQUE")));
            m.tipo = adicao ? Itens::TipoMovimento::Adicao : Itens::TipoMovimento::Baixa;
            m.quantidade = qtd;
            m.justificativa = QStringLiteral("AGENTE");
            const Itens::Resultado r = Itens::movimentar(DM->Conexao, m);
            return r.salvo ? QStringLiteral("movido") : QStringLiteral("recusa|") + r.mensagem;
        };
    } else if (operacao == QLatin1String("juntar")) {
        const qint64 origem = numero(0), destino = numero(1);
        segura = int(numero(2));
        atraso = int(numero(3));
        acao = [origem, destino](int) {
            const auto o = Mesas::lerMesa(DM->Conexao, origem);
            const auto d = Mesas::lerMesa(DM->Conexao, destino);
            if (!o || !d)
                return QStringLiteral("sem mesa");
            const Mesas::Resultado r = Mesas::transferir(DM->Conexao, Mesas::Textos::de(false), *o, *d);
            return r.feito ? QStringLiteral("feito") : QStringLiteral("recusa|") + r.mensagem;
        };
    } else if (operacao == QLatin1String("dav") || operacao == QLatin1String("parcial")) {
        const bool dav = operacao == QLatin1String("dav");
        const qint64 mesa = numero(0);
        const qint64 centavos = dav ? 0 : numero(1);
        segura = int(numero(dav ? 1 : 2));
        atraso = int(numero(dav ? 2 : 3));
        if (dav)
            DM->ConexaoPDV.definirCaminho(p.mid(3).join(QLatin1Char(',')));
        auto mostrada = std::make_shared<std::optional<Mesas::Mesa>>();
        acao = [dav, mesa, centavos, mostrada](int) {
            if (!*mostrada) {
                *mostrada = Mesas::lerMesa(DM->Conexao, mesa);
                tParametros().recarregar();
            }
            const Dinheiro taxa = tParametros().dinheiro(QStringLiteral("TAXA_ATEND"));
            const qint64 chk = (*mostrada)->idCheckIn;
            const Consumos::Resultado r =
                dav ? Consumos::converterEmDav(DM->Conexao, Mesas::Textos::de(false), mesa, chk, taxa, false)
                    : Consumos::adicionarParcial(DM->Conexao, chk, Dinheiro::deCentavos(centavos).formatado(), taxa, false,
                                                 QStringLiteral("Mesa %1").arg(mesa));
            if (!r.feito)
                return QStringLiteral("recusa|") + r.mensagem;
            return dav ? QStringLiteral("dav=%1").arg(r.documento) : QStringLiteral("pago=") + r.valor.formatado();
        };
    } else {
        return {};
    }
    return [acao, segura, atraso](int i) {
        if (i == 0 && atraso > 0)
            QThread::msleep(static_cast<unsigned long>(atraso));
        if (i > 0 || segura <= 0)
            return acao(i);
        ConexaoBanco &c = DM->Conexao;
        c.iniciarTransacao();
        QString r;
        try {
            r = acao(i);
        } catch (...) {
            c.desfazerTransacao();
            throw;
        }
        QThread::msleep(static_cast<unsigned long>(segura));
        c.confirmarTransacao();
        return r;
    };
}

// The payroll: generating a month and deleting an employee entry, each in
// a transaction that may be held open a while before its commit.
std::function<QString(int)> opFolha(const QString &operacao, const QString &argumento)
{
    const QStringList p = argumento.split(QLatin1Char(','));
    const int segurar = p.value(1).toInt();
    auto segurando = [segurar](const std::function<QString()> &f) {
        QString r;
        DM->Conexao.emTransacao([&] {
            r = f();
            if (segurar > 0)
                QThread::msleep(static_cast<unsigned long>(segurar));
        });
        return r;
    };
    if (operacao == QLatin1String("gerar-folha")) {
        const int mes = p.value(0).left(2).toInt(), ano = p.value(0).mid(3).toInt();
        return [=](int) {
            return segurando([&] {
                const FolhaPagamento::Geracao g = FolhaPagamento::gerar(DM->Conexao, mes, ano);
                switch (g.situacao) {
                case FolhaPagamento::Geracao::Situacao::Gerada: return QStringLiteral("gerada=%1").arg(g.funcionarios);
                case FolhaPagamento::Geracao::Situacao::JaGerada: return QStringLiteral("ja-gerada");
                default: return QStringLiteral("recusa|") + g.mensagem;
                }
            });
        };
    }
    if (operacao == QLatin1String("excluir-pagamento")) {
        const qint64 chave = p.value(0).toLongLong();
        auto mostrado = std::make_shared<std::optional<PagamentoFuncionarios::Lancamento>>();
        return [=](int) {
            if (!*mostrado)
                *mostrado = PagamentoFuncionarios::ler(DM->Conexao, chave);
            if (!*mostrado)
                return QStringLiteral("sem lancamento");
            return segurando([&] {
                const PagamentoFuncionarios::Resultado r = PagamentoFuncionarios::excluir(DM->Conexao, **mostrado, QStringLiteral("AGENTE"));
                return r.feito ? QStringLiteral("excluido") : r.mensagem;
            });
        };
    }
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
    // A desk stopped just before its first commit that wrote or locked rows,
    // holding them, until the test lets it go (a line on the standard input).
    if (qEnvironmentVariableIntValue("ZV_SEGURAR") != 0)
        dm.Conexao.definirAntesDeConfirmar([segurou = false]() mutable {
            if (segurou)
                return;
            segurou = true;
            escrever(QStringLiteral("segurando"));
            char linha[16];
            if (!std::fgets(linha, sizeof linha, stdin))
                return;
        });
    if (const int espera = qEnvironmentVariableIntValue("ZV_ESPERA_BLOQUEIO"); espera > 0)
        dm.Conexao.definirEsperaBloqueio(espera);
    Sessao &s = Sessao::atual();
    s.login = QStringLiteral("AGENTE");
    s.AuxNomePC = QStringLiteral("SERVIDOR");

    std::function<QString(int)> rodar;
    if (operacao == QLatin1String("diarias")) {
        const QDate dia = QDate::fromString(argumento, Qt::ISODate);
        rodar = [dia](int) {
            const Diarias::Postagem p = Diarias::lancar(DM->Conexao, dia);
            return QStringLiteral("registrada=%1 noites=%2").arg(int(p.registrada)).arg(p.noites);
        };
    } else if (operacao == QLatin1String("ponto")) {
        const QDate dia = QDate::fromString(argumento, Qt::ISODate);
        rodar = [dia](int) {
            const PontoAutomatico::Resultado r = PontoAutomatico::preparar(DM->Conexao, dia, QStringLiteral("AGENTE"));
            return QStringLiteral("faltas=%1 previstas=%2").arg(r.faltas).arg(r.previstas);
        };
    } else if (operacao == QLatin1String("usuario")) {
        rodar = [argumento](int i) {
            const QString login = argumento + QString::number(i);
            const CadUsu::Resultado r = CadUsu::confirmar(DM->Conexao, QStringLiteral("N_U"), 0, {}, login, QStringLiteral("1"),
                                                          QStringLiteral("1"));
            return login + QLatin1Char('|') + r.mensagem;
        };
    } else if (operacao == QLatin1String("caixa")) {
        rodar = [argumento](int) {
            const ResultadoCaixa r = ControleCaixa(DM->Conexao, QStringLiteral("+"), argumento, QStringLiteral("S"));
            return QStringLiteral("%1|%2").arg(int(r.sucesso)).arg(r.mensagem);
        };
    } else if (operacao == QLatin1String("mesa")) {
        rodar = [argumento, inicio](int) {
            diaDeMesa(argumento, inicio);
            return QStringLiteral("fim");
        };
    } else if (operacao == QLatin1String("restaurar")) {
        const qint64 fornecedor = argumento.toLongLong();
        rodar = [fornecedor](int) {
            const Lixeira::ResultadoRestauro r = Lixeira::restaurar(DM->Conexao, Lixeira::Tipo::Fornecedores, fornecedor);
            return r.mensagem;
        };
    } else if (operacao == QLatin1String("reserva")) {
        rodar = opReserva(argumento);
    } else if (operacao == QLatin1String("entrada")) {
        rodar = opEntrada(argumento);
    } else if (operacao == QLatin1String("nfce")) {
        rodar = opNfce(argumento);
    } else if (operacao == QLatin1String("funcionario")) {
        // A new employee with the CPF given: "chave=<key>" or "recusa|<message>".
        rodar = [argumento](int) {
            Funcionarios::Dados d;
            d.nome = QStringLiteral("AGENTE ") + QString::number(QCoreApplication::applicationPid());
            d.cpf = argumento;
            d.rg = QStringLiteral("1");
            Funcionarios::Contexto c;
            c.verificarCpf = QStringLiteral("N");
            const Funcionarios::Gravacao g = Funcionarios::salvar(DM->Conexao, d, c);
            return g.recusa.recusado() ? QStringLiteral("recusa|") + g.recusa.mensagem
                                       : QStringLiteral("chave=") + QString::number(g.chave);
        };
    } else if (operacao == QLatin1String("marcar")) {
        const QStringList p = argumento.split(QLatin1Char(','));
        const qint64 funcionario = p.value(0).toLongLong();
        const bool livre = p.value(1) == QLatin1String("L");
        const int segurar = p.value(2).toInt();
        rodar = [=](int i) {
            const QDateTime agora = QDateTime::currentDateTime();
            Ponto::Pedido pedido;
            pedido.funcionario = funcionario;
            pedido.nome = QStringLiteral("AGENTE");
            pedido.data = agora.date();
            pedido.hora = agora.time();
            pedido.hoje = agora.date();
            pedido.modo = livre ? Ponto::Modo::Livre : Ponto::Modo::Previsto;
            Ponto::Registro r;
            DM->Conexao.emTransacao([&] {
                r = Ponto::marcar(DM->Conexao, pedido);
                if (i == 0 && segurar > 0)
                    QThread::msleep(static_cast<unsigned long>(segurar));
            });
            return r.jaCumpriu ? QStringLiteral("cumpriu")
                               : QStringLiteral("chave=%1 tipo=%2").arg(r.chave).arg(r.tipo);
        };
    } else if (operacao == QLatin1String("saida")) {
        rodar = [argumento](int i) { return saida(argumento, i); };
    } else if (operacao == QLatin1String("cheque")) {
        // Clears (even process id) or passes on (odd) one cheque.
        rodar = [argumento](int) {
            const qint64 id = argumento.toLongLong();
            const bool compensar = QCoreApplication::applicationPid() % 2 == 0;
            const bool feito = compensar ? Cheques::compensar(DM->Conexao, id, QDate(2026, 3, 5), QStringLiteral("BANCO"))
                                         : Cheques::repassar(DM->Conexao, id, QDate(2026, 3, 6), QStringLiteral("TERCEIRO"));
            return QStringLiteral("%1|%2").arg(compensar ? QStringLiteral("compensar") : QStringLiteral("repassar"),
                                               feito ? QStringLiteral("feito") : QStringLiteral("recusado"));
        };
    } else if ((rodar = correcoesEntrada(operacao, argumento))) {
    } else if ((rodar = lancamentoEstadia(operacao, argumento))) {
    } else if ((rodar = opDespesas(operacao, argumento))) {
    } else if ((rodar = opRestaurante(operacao, argumento))) {
    } else if ((rodar = opEstorno(operacao, argumento))) {
    } else if ((rodar = opFolha(operacao, argumento))) {
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
