// The time clock's rules: the status of a row, punching in both modes,
// the punch's photo file, excusing and clearing, and the daily close that
// keeps an excuse given in advance.
#include "staff/Comandos.h"
#include "staff/PontoAutomatico.h"
#include "ApoioPonto.h"

#include "support/MensagensRoteiro.h"
#include "support/RegistroGravado.h"

using namespace Ponto;

namespace {

class PontoRegras : public PontoTeste {
protected:
    Registro marcarAs(qint64 func, const QDateTime &quando, Modo modo = Modo::Previsto, const QString &obs = {})
    {
        Pedido p;
        p.funcionario = func;
        p.nome = QStringLiteral("ANA");
        p.data = quando.date();
        p.hora = quando.time();
        p.obs = obs;
        p.hoje = Relogio::hoje();
        p.modo = modo;
        return marcar(DM->Conexao, p);
    }
};

Marcacao linha(const char *tipo, const QDate &diaDef, const QTime &horaDef, const QDate &dia, const QTime &hora,
               const char *automatica = "N", const char *abonado = "N")
{
    Marcacao m;
    m.tipo = QString::fromLatin1(tipo);
    m.dataDefinida = diaDef;
    m.horaDefinida = horaDef;
    m.data = dia;
    m.hora = hora;
    m.marcacaoAuto = QString::fromLatin1(automatica);
    m.abonado = QString::fromLatin1(abonado);
    return m;
}

} // namespace

TEST(PontoStatus, TabelaDeCasos)
{
    const QDate d(2026, 12, 10), amanha = d.addDays(1);
    const Tolerancias dezCinco{600, 300};   // TA 10 min, TP 5 min
    const Tolerancias quinzeCinco{900, 300};
    struct Caso {
        const char *nome;
        Marcacao m;
        Tolerancias t;
        const char *esperado;
    };
    const QList<Caso> casos{
        {"entrada na hora", linha("E", d, QTime(8, 0), d, QTime(8, 0)), dezCinco, "O"},
        {"entrada exatamente TA depois: sem atraso (no intervalo)", linha("E", d, QTime(8, 0), d, QTime(8, 10)), dezCinco, ""},
        {"entrada TA e um segundo depois: atraso", linha("E", d, QTime(8, 0), d, QTime(8, 10, 1)), dezCinco, "A"},
        {"entrada TP depois: ok", linha("E", d, QTime(8, 0), d, QTime(8, 5)), dezCinco, "O"},
        {"entrada TP antes: ok", linha("E", d, QTime(8, 0), d, QTime(7, 55)), dezCinco, "O"},
        {"entrada mais cedo que TP: extra", linha("E", d, QTime(8, 0), d, QTime(7, 54, 59)), dezCinco, "E"},
        {"TA 15 e TP 5: dez minutos sem status", linha("E", d, QTime(8, 0), d, QTime(8, 10)), quinzeCinco, ""},
        {"TA 15 e TP 5: dezesseis minutos, atraso", linha("E", d, QTime(8, 0), d, QTime(8, 16)), quinzeCinco, "A"},
        {"saída um segundo antes: saída antecipada", linha("S", d, QTime(17, 0), d, QTime(16, 59, 59)), dezCinco, "A"},
        {"saída exatamente TP depois: ok", linha("S", d, QTime(17, 0), d, QTime(17, 5)), dezCinco, "O"},
        {"saída TP e um segundo depois: extra", linha("S", d, QTime(17, 0), d, QTime(17, 5, 1)), dezCinco, "E"},
        {"livre: entrada depois de TA após a meia-noite", linha("E", d, QTime(0, 0), d, QTime(8, 0)), dezCinco, "A"},
        {"livre: saída depois de TP após a meia-noite", linha("S", d, QTime(0, 0), d, QTime(17, 0)), dezCinco, "E"},
        {"entrada 23:50 marcada 00:05 do dia seguinte: atraso", linha("E", d, QTime(23, 50), amanha, QTime(0, 5)), dezCinco, "A"},
        {"saída 23:00 marcada 00:30 do dia seguinte: extra", linha("S", d, QTime(23, 0), amanha, QTime(0, 30)), dezCinco, "E"},
        {"entrada do dia seguinte marcada 23:58 da véspera: ok", linha("E", amanha, QTime(0, 0), d, QTime(23, 58)), dezCinco, "O"},
        {"falta fechada pelo sistema", linha("E", d, QTime(8, 0), d, QTime(8, 0), "S"), dezCinco, "F"},
        {"falta abonada", linha("E", d, QTime(8, 0), d, QTime(8, 0), "S", "S"), dezCinco, "J"},
        {"atraso abonado", linha("E", d, QTime(8, 0), d, QTime(9, 0), "N", "S"), dezCinco, "J"},
        {"linha aberta", linha("E", d, QTime(8, 0), QDate(), QTime(), ""), dezCinco, ""},
        {"linha aberta abonada por período", linha("S", d, QTime(12, 0), QDate(), QTime(), "", "S"), dezCinco, "J"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(status(c.m, c.t), QString::fromLatin1(c.esperado));
    }
    // the words of the report and the colours of the book
    EXPECT_EQ(situacao(QStringLiteral("A")), QStringLiteral("ATRASO OU SAÍDA ANT."));
    EXPECT_EQ(situacao(QString()), QString());
    EXPECT_EQ(corStatus(QStringLiteral("A"))->name(), QStringLiteral("#e0ff04")); // $04FFE0
    EXPECT_EQ(corStatus(QStringLiteral("E"))->name(), QStringLiteral("#8080ff"));
    EXPECT_FALSE(corStatus(QString()).has_value());
}

TEST_F(PontoRegras, PrevistoPreencheALinhaAbertaMaisAntigaDoFuncionario)
{
    const qint64 ana = empregado(QStringLiteral("ANA"), QStringLiteral("529.982.247-25"));
    const qint64 bia = empregado(QStringLiteral("BIA"), QStringLiteral("111.444.777-35"));
    const qint64 ontem = prevista(ana, kHoje.addDays(-1), QTime(17, 0), "S");
    const QList<qint64> hoje = diaPrevisto(ana, kHoje);
    const QList<qint64> daBia = diaPrevisto(bia, kHoje);

    // yesterday's row, not yet closed by the daily preparation, comes first
    Registro r = marcarAs(ana, QDateTime(kHoje, QTime(7, 58)));
    EXPECT_EQ(r.chave, ontem);
    EXPECT_EQ(r.tipo, QStringLiteral("Saída"));
    // she missed the morning entry: the noon punch fills it (late); the exit stays open
    r = marcarAs(ana, QDateTime(kHoje, QTime(12, 0)), Modo::Previsto, QStringLiteral("PNEU FURADO D'ÁGUA"));
    EXPECT_EQ(r.chave, hoje[0]);
    EXPECT_EQ(r.tipo, QStringLiteral("Entrada"));
    const Linha l = ponto(hoje[0]);
    EXPECT_EQ(l.data(QStringLiteral("DATA")), kHoje);
    EXPECT_EQ(l.hora(QStringLiteral("HORA")), QTime(12, 0));
    EXPECT_EQ(l.texto(QStringLiteral("OBS")), QStringLiteral("PNEU FURADO D'ÁGUA"));
    EXPECT_EQ(l.texto(QStringLiteral("USUARIO")), QStringLiteral("ADMIN"));
    EXPECT_EQ(l.texto(QStringLiteral("MARCACAO_AUTO")), QStringLiteral("N"));
    EXPECT_EQ(l.texto(QStringLiteral("ABONADO")), QStringLiteral("N"));
    EXPECT_EQ(status(Marcacao::de(l), tolerancias()), QStringLiteral("A"));
    EXPECT_TRUE(ponto(hoje[1]).nulo(QStringLiteral("DATA")));
    EXPECT_EQ(primeiraAberta(DM->Conexao, ana), hoje[1]);

    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(marcarAs(ana, QDateTime(kHoje, QTime(12 + i, 0))).chave, hoje[i]);
    // the day is done: nothing written, no log line
    const QStringList antes = logs();
    r = marcarAs(ana, QDateTime(kHoje, QTime(18, 0)));
    EXPECT_TRUE(r.jaCumpriu);
    EXPECT_EQ(r.chave, 0);
    EXPECT_EQ(logs(), antes);
    // the other employee's rows were never touched
    for (qint64 id : daBia)
        EXPECT_TRUE(ponto(id).nulo(QStringLiteral("DATA")));
    EXPECT_EQ(logs().first(), QStringLiteral("ADMIN|Registrou Ponto de Saída -> %1 (ANA)").arg(ontem));
    EXPECT_EQ(logs().at(1), QStringLiteral("ADMIN|Registrou Ponto de Entrada -> %1 (ANA)").arg(hoje[0]));
}

TEST_F(PontoRegras, LivreAlternaEntradaESaidaDepoisDaUltimaLinha)
{
    const qint64 ana = empregado(QStringLiteral("ANA"), QStringLiteral("529.982.247-25"));
    const qint64 bia = empregado(QStringLiteral("BIA"), QStringLiteral("111.444.777-35"));
    // Bia's last row is yesterday's entry: today's first punch is her exit.
    marcada(bia, kHoje.addDays(-1), QTime(0, 0), "E", kHoje.addDays(-1), QTime(22, 0));

    const Registro a1 = marcarAs(ana, QDateTime(kHoje, QTime(8, 0)), Modo::Livre);
    const Registro b1 = marcarAs(bia, QDateTime(kHoje, QTime(6, 0)), Modo::Livre);
    const Registro a2 = marcarAs(ana, QDateTime(kHoje, QTime(12, 0)), Modo::Livre);
    // a punch typed for another day still belongs to the workstation's day
    const Registro a3 = marcarAs(ana, QDateTime(kHoje.addDays(-3), QTime(13, 0)), Modo::Livre);
    EXPECT_EQ(a1.tipo, QStringLiteral("Entrada"));
    EXPECT_EQ(b1.tipo, QStringLiteral("Saída"));
    EXPECT_EQ(a2.tipo, QStringLiteral("Saída"));
    EXPECT_EQ(a3.tipo, QStringLiteral("Entrada"));
    // the key returned is the row stored
    const Linha l = ponto(a3.chave);
    EXPECT_EQ(l.texto(QStringLiteral("ID_FUNCIONARIO")), QString::number(ana));
    EXPECT_EQ(l.data(QStringLiteral("DATA_DEFINIDA")), kHoje);
    EXPECT_EQ(l.hora(QStringLiteral("HORA_DEFINIDA")), QTime(0, 0));
    EXPECT_EQ(l.data(QStringLiteral("DATA")), kHoje.addDays(-3));
    EXPECT_EQ(l.texto(QStringLiteral("TIPO")), QStringLiteral("E"));
    EXPECT_EQ(logs().last(), QStringLiteral("ADMIN|Registrou Ponto de Entrada -> %1 (ANA)").arg(a3.chave));
}

TEST_F(PontoRegras, FotoGuardadaEmImgPntCriadaQuandoFalta)
{
    const qint64 ana = empregado(QStringLiteral("ANA"), QStringLiteral("529.982.247-25"));
    const Registro r = marcarAs(ana, QDateTime(kHoje, QTime(8, 0)), Modo::Livre);
    QDir(pastaFotos()).removeRecursively();
    const QString jpg = Caminhos::naInstalacao(QString::number(r.chave) + QStringLiteral(".jpg"));
    gravarCor(jpg, Qt::green);
    const QString guardada = guardarFoto(DM->Conexao, r.chave, jpg);
    EXPECT_EQ(guardada, QDir(pastaFotos()).filePath(QString::number(r.chave) + QStringLiteral(".jpg")));
    EXPECT_TRUE(QFile::exists(guardada));
    EXPECT_FALSE(QFile::exists(jpg));
    EXPECT_EQ(ponto(r.chave).texto(QStringLiteral("FOTO")), guardada);
    // a capture that never reached its file leaves FOTO as it was
    const Registro r2 = marcarAs(ana, QDateTime(kHoje, QTime(9, 0)), Modo::Livre);
    EXPECT_EQ(guardarFoto(DM->Conexao, r2.chave, Caminhos::naInstalacao(QStringLiteral("nada.jpg"))), QString());
    EXPECT_TRUE(ponto(r2.chave).nulo(QStringLiteral("FOTO")));
}

TEST_F(PontoRegras, AbonoDaLinhaEDoPeriodoEOFechamentoDoDiaSeguinteOsMantem)
{
    const qint64 ana = empregado(QStringLiteral("ANA"), QStringLiteral("529.982.247-25"));
    const QDate ontem = kHoje.addDays(-1);
    const qint64 falta = marcada(ana, ontem.addDays(-1), QTime(8, 0), "E", ontem.addDays(-1), QTime(8, 0), "S");
    const qint64 ok = marcada(ana, ontem, QTime(8, 0), "E", ontem, QTime(8, 0));
    const qint64 atraso = marcada(ana, ontem, QTime(13, 0), "E", ontem, QTime(13, 30));
    const QList<qint64> hoje = diaPrevisto(ana, kHoje); // open rows, excused in advance below
    const qint64 foraDoPeriodo = prevista(ana, kHoje.addDays(1), QTime(8, 0), "E");
    const Tolerancias t = tolerancias();

    // an on-time row cannot be excused by itself
    PedidoAbono p;
    p.chave = ok;
    p.justificativa = QStringLiteral("X");
    EXPECT_EQ(abonar(DM->Conexao, p, t), ResultadoAbono::NaoPode);
    // a period ending before it starts: nothing written
    p.chave = atraso;
    p.porPeriodo = true;
    p.de = kHoje;
    p.ate = ontem;
    EXPECT_EQ(abonar(DM->Conexao, p, t), ResultadoAbono::PeriodoInvalido);
    EXPECT_EQ(ponto(atraso).texto(QStringLiteral("ABONADO")), QStringLiteral("N"));

    // the single missed row, with a quote in the justification
    PedidoAbono s;
    s.chave = falta;
    s.justificativa = QStringLiteral("ATESTADO DO DR. D'ÁVILA");
    EXPECT_EQ(abonar(DM->Conexao, s, t), ResultadoAbono::Feito);
    EXPECT_EQ(status(Marcacao::de(ponto(falta)), t), QStringLiteral("J"));
    EXPECT_EQ(ponto(falta).texto(QStringLiteral("OBS")), QStringLiteral("ATESTADO DO DR. D'ÁVILA"));

    // by period from the late row: the on-time and open rows of those days too
    p.de = ontem;
    p.ate = kHoje;
    p.justificativa = QStringLiteral("FÉRIAS");
    EXPECT_EQ(abonar(DM->Conexao, p, t), ResultadoAbono::Feito);
    for (qint64 id : QList<qint64>{ok, atraso} + hoje) {
        SCOPED_TRACE(id);
        EXPECT_EQ(ponto(id).texto(QStringLiteral("ABONADO")), QStringLiteral("S"));
        EXPECT_EQ(ponto(id).texto(QStringLiteral("OBS")), QStringLiteral("FÉRIAS"));
    }
    EXPECT_TRUE(ponto(foraDoPeriodo).nulo(QStringLiteral("ABONADO")));
    EXPECT_EQ(logs().mid(logs().size() - 2),
              (QStringList{QStringLiteral("ADMIN|Abonou Marcação de Funcionário - Código: %1").arg(falta),
                           QStringLiteral("ADMIN|Abonou Marcação de Funcionário - Código: %1").arg(atraso)}));

    // the next day's close: today's excused open rows stay excused, with their justification
    const PontoAutomatico::Resultado r = PontoAutomatico::preparar(DM->Conexao, kHoje.addDays(1), QStringLiteral("NOITE"));
    EXPECT_EQ(r.faltas, 4);
    for (qint64 id : hoje) {
        SCOPED_TRACE(id);
        const Linha l = ponto(id);
        EXPECT_EQ(l.data(QStringLiteral("DATA")), kHoje);
        EXPECT_EQ(l.texto(QStringLiteral("MARCACAO_AUTO")), QStringLiteral("S"));
        EXPECT_EQ(l.texto(QStringLiteral("ABONADO")), QStringLiteral("S"));
        EXPECT_EQ(l.texto(QStringLiteral("OBS")), QStringLiteral("FÉRIAS"));
        EXPECT_EQ(status(Marcacao::de(l), t), QStringLiteral("J"));
    }
    // an open row of another employee still closes as a plain absence
    const qint64 bia = empregado(QStringLiteral("BIA"), QStringLiteral("111.444.777-35"));
    const qint64 aberta = prevista(bia, kHoje, QTime(8, 0), "E");
    PontoAutomatico::preparar(DM->Conexao, kHoje.addDays(2), QStringLiteral("NOITE"));
    EXPECT_EQ(ponto(aberta).texto(QStringLiteral("OBS")), QString::fromUtf8(PontoAutomatico::kObsFalta));
    EXPECT_EQ(ponto(aberta).texto(QStringLiteral("ABONADO")), QStringLiteral("N"));
    EXPECT_EQ(ponto(aberta).texto(QStringLiteral("USUARIO")), QStringLiteral("NOITE"));
}

// The window runs the day's preparation through the task staff registers;
// it only runs once a user has logged in, so it is not a plain timer task.
TEST_F(PontoRegras, ATarefaDoDiaDoPessoalPreparaODiaUmaVez)
{
    empregado(QStringLiteral("ANA"), QStringLiteral("111.444.777-35"));
    Sessao::reiniciar();
    RegistroGravado r;
    Pessoal::registrarComandos(r);
    ASSERT_EQ(r.tarefasDoDia.size(), 1u);
    EXPECT_TRUE(r.tarefasTimer1.empty());

    r.tarefasDoDia.front()();
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM PONTO WHERE DATA_DEFINIDA = ?"), {kHoje}), 4);
    banco().executar(QStringLiteral("DELETE FROM PONTO"));
    r.tarefasDoDia.front()(); // the same day is not prepared twice
    EXPECT_EQ(linhasPonto(), 0);

    Relogio::definir(QDateTime(kHoje.addDays(1), QTime(8, 0)));
    r.tarefasDoDia.front()();
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM PONTO WHERE DATA_DEFINIDA = ?"), {kHoje.addDays(1)}), 4);
    Sessao::reiniciar();
}

TEST_F(PontoRegras, LimparReabreAMarcacaoEAProximaCaiNelaMantendoAFoto)
{
    const qint64 ana = empregado(QStringLiteral("ANA"), QStringLiteral("529.982.247-25"));
    const QList<qint64> hoje = diaPrevisto(ana, kHoje);
    EXPECT_FALSE(limparMarcacao(DM->Conexao, hoje[0])); // still open: nothing to clear
    EXPECT_EQ(marcarAs(ana, QDateTime(kHoje, QTime(8, 2))).chave, hoje[0]);
    banco().executar(QStringLiteral("UPDATE PONTO SET FOTO = 'x.jpg' WHERE ID_PONTO = ?"), {hoje[0]});
    EXPECT_TRUE(limparMarcacao(DM->Conexao, hoje[0]));
    const Linha l = ponto(hoje[0]);
    for (const char *c : {"DATA", "HORA", "OBS", "USUARIO", "MARCACAO_AUTO", "ABONADO"})
        EXPECT_TRUE(l.nulo(QString::fromLatin1(c))) << c;
    EXPECT_EQ(l.texto(QStringLiteral("FOTO")), QStringLiteral("x.jpg"));
    EXPECT_EQ(logs().last(), QStringLiteral("ADMIN|Limpeza de Marcação - Código %1").arg(hoje[0]));
    EXPECT_EQ(marcarAs(ana, QDateTime(kHoje, QTime(8, 3))).chave, hoje[0]);
}

TEST_F(PontoRegras, LivroDoDiaEDoFuncionarioComparamAChaveComoTexto)
{
    const qint64 ana = empregado(QStringLiteral("ANA"), QStringLiteral("529.982.247-25"));
    const qint64 bia = empregado(QStringLiteral("BIA"), QStringLiteral("111.444.777-35"));
    excluirFuncionario(bia); // a deleted employee's rows are listed like any other
    const qint64 deOntemMarcadaHoje = marcada(ana, kHoje.addDays(-1), QTime(23, 50), "E", kHoje, QTime(0, 5));
    const qint64 abertaHoje = prevista(bia, kHoje, QTime(8, 0), "E");
    const qint64 deOntem = marcada(ana, kHoje.addDays(-1), QTime(8, 0), "E", kHoje.addDays(-1), QTime(8, 0));
    marcada(ana, kHoje.addDays(1), QTime(8, 0), "E", kHoje.addDays(1), QTime(8, 0));
    auto chaves = [this](const Consulta &c) {
        QList<qint64> r;
        for (const Linha &l : banco().lerTodas(c.sql, c.valores))
            r << l.inteiro(QStringLiteral("ID_PONTO"));
        return r;
    };
    EXPECT_EQ(chaves(consultaDia(kHoje)), (QList<qint64>{deOntemMarcadaHoje, abertaHoje}));
    EXPECT_EQ(chaves(consultaFuncionario(bia)), QList<qint64>{abertaHoje});
    EXPECT_EQ(chaves(consultaFuncionario(ana)).size(), 3);
    EXPECT_TRUE(chaves(consultaFuncionario(ana)).contains(deOntem));
}
