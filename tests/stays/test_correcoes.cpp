// Corrections of a stay: moving it to another room (both rooms' states, the
// room items rebuilt), the rate limits and the arrival-day night rewrite, the
// guests and the persons, the charged nights, the payment redistributed over
// the means with the shift's exact columns, the cancellation (stock, guests,
// room, shift), the invoice flag, the responsible customer, the time limits
// across midnight, and two workstations correcting one stay at once.
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "rooms/EstadoUH.h"
#include "stays/Correcoes.h"
#include "stays/Pagamentos.h"
#include "support/TelasTeste.h"

#include <chrono>
#include <future>
#include <thread>

using namespace Correcoes;

namespace {

const QDate kHoje(2026, 3, 10);

Dinheiro reais(const char *t) { return Dinheiro::deTextoOuErro(QString::fromUtf8(t)); }

class Correcoes_ : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(10, 30)));
        luxo = tipoUH("LUXO", "LX", {"100,00", "150,00", "180,00", "200,00"}, {"90,00", "130,00", "160,00", "0,00"});
        suite = tipoUH("SUITE", "ST", {"200,00", "250,00", "0,00", "0,00"}, {"0,00", "0,00", "0,00", "0,00"});
        uh101 = quarto("101", luxo, "O");
        uh102 = quarto("102", luxo, "L");
        uh201 = quarto("201", suite, "L");
        ana = cliente("ANA D'ÁVILA", "N");
        toalha = item("TOALHA");
        lencol = item("LENÇOL");
        roupao = item("ROUPÃO");
        agua = produto("ÁGUA", 20, "N");
        cerveja = produto("CERVEJA", 10, "N");
        pizza = produto("PIZZA", 0, "S");
        banco().executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, USUARIO) VALUES (?, 'ADMIN')"), {kHoje});
    }
    void TearDown() override
    {
        Relogio::liberar();
        TelasTeste::TearDown();
    }

    qint64 tipoUH(const char *nome, const char *abrev, std::array<const char *, 4> p, std::array<const char *, 4> m)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P3, P4, P1MIN, P2MIN, P3MIN, P4MIN) "
                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING ID_TIPO_UH"),
                   {QString::fromUtf8(nome), QString::fromUtf8(abrev), reais(p[0]).paraBanco(),
                    reais(p[1]).paraBanco(), reais(p[2]).paraBanco(), reais(p[3]).paraBanco(),
                    reais(m[0]).paraBanco(), reais(m[1]).paraBanco(), reais(m[2]).paraBanco(),
                    reais(m[3]).paraBanco()})
            .toLongLong();
    }
    qint64 quarto(const char *numero, qint64 tipo, const char *situacao)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, SITUACAO) VALUES (?, ?, ?) RETURNING ID_UH"),
                   {tipo, QString::fromUtf8(numero), QString::fromUtf8(situacao)})
            .toLongLong();
    }
    qint64 cliente(const char *nome, const char *excluido)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF, EXCLUIDO) VALUES (?, 'F', '', ?) "
                                  "RETURNING ID_CLIENTE"),
                   {QString::fromUtf8(nome), QString::fromUtf8(excluido)})
            .toLongLong();
    }
    qint64 item(const char *nome)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO) VALUES (?) RETURNING ID_ITEM"), {QString::fromUtf8(nome)})
            .toLongLong();
    }
    qint64 produto(const char *nome, int estoque, const char *propria)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ESTOQUE, FAB_PROPRIA) "
                                  "VALUES (?, 5, ?, ?) RETURNING ID_P_S"),
                   {QString::fromUtf8(nome), estoque, QString::fromUtf8(propria)})
            .toLongLong();
    }
    // An open stay of `pessoas` guests in room 101 arrived at `chegada`.
    qint64 estadia(int pessoas = 2, const char *diaria = "150,00", const QDateTime &chegada = QDateTime(kHoje, QTime(9, 0)))
    {
        const qint64 id = banco()
                              .valor(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, "
                                                    "HORA_SAIDA, ID_CLIENTE, ID_UH, QTD_ADULTOS, VALOR_DIARIA) VALUES "
                                                    "(?, ?, ?, '12:00', ?, ?, ?, ?) RETURNING ID_WALK_IN"),
                                     {chegada.date(), chegada.time(), chegada.date().addDays(2), ana, uh101, pessoas,
                                      reais(diaria).paraBanco()})
                              .toLongLong();
        for (int i = 0; i < pessoas; ++i)
            banco().executar(QStringLiteral("INSERT INTO HOSPEDE (ID_ENTRADA, NOME) VALUES (?, ?)"),
                             {id, QStringLiteral("HÓSPEDE %1").arg(i + 1)});
        banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, ?, ?)"),
                         {id, chegada.date(), reais(diaria).paraBanco(), pessoas});
        return id;
    }
    // Payments booked as the stay screens book them (shift and stay).
    void pagar(qint64 id, std::initializer_list<std::pair<MeioCaixa, const char *>> valores, bool adiantado)
    {
        Pagamentos::Valores v;
        for (const auto &[m, t] : valores)
            v[m] = reais(t);
        Pagamentos::lancar(banco(), id, v, adiantado);
    }
    void fechar(qint64 id, const QDate &saida, const QTime &hora)
    {
        banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S', DATA_SAIDA = ?, HORA_SAIDA = ? "
                                        "WHERE ID_WALK_IN = ?"),
                         {saida, hora, id});
    }
    Estadia lida(qint64 id) { return *Correcoes::ler(banco(), id); }
    Linha walkIn(qint64 id) { return banco().ler(QStringLiteral("SELECT * FROM WALK_IN WHERE ID_WALK_IN = ?"), {id}); }
    Linha caixa() { return banco().ler(QStringLiteral("SELECT * FROM CAIXA WHERE DATA_FECHA IS NULL")); }
    QString situacao(qint64 uh)
    {
        return banco().valor(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {uh}).toString();
    }
    qint64 estoque(qint64 p)
    {
        return banco().valor(QStringLiteral("SELECT ESTOQUE FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {p}).toLongLong();
    }
    QStringList logs()
    {
        QStringList r;
        for (const Linha &l : banco().lerTodas(QStringLiteral("SELECT OPERACAO, ANTES, DEPOIS FROM LOG ORDER BY ID_LOG")))
            r << l.texto(QStringLiteral("OPERACAO")) + QLatin1Char('|') + l.texto(QStringLiteral("ANTES"))
                    + QLatin1Char('|') + l.texto(QStringLiteral("DEPOIS"));
        return r;
    }
    // Every balance of the open shift equals what the stays hold in that means.
    void caixaIgualEstadias()
    {
        const Linha cx = caixa();
        for (const DadosMeioCaixa &m : meiosCaixa()) {
            const Dinheiro estadias =
                banco()
                    .ler(QStringLiteral("SELECT SUM(%1) AS V FROM WALK_IN").arg(Pagamentos::colunaEstadia(m.meio)))
                    .dinheiro(QStringLiteral("V"));
            EXPECT_EQ(cx.dinheiro(m.coluna).formatado(), estadias.formatado()) << m.coluna.toStdString();
        }
    }

    qint64 luxo = 0, suite = 0, uh101 = 0, uh102 = 0, uh201 = 0, ana = 0;
    qint64 toalha = 0, lencol = 0, roupao = 0, agua = 0, cerveja = 0, pizza = 0;
};

// ---------------------------------------------------------------- room

TEST_F(Correcoes_, MudancaDeUHOcupaANovaPoeAAntigaEmManutencaoERefazOsItens)
{
    const qint64 id = estadia();
    banco().executar(QStringLiteral("INSERT INTO ITEM_ENTRADA (ID_ENTRADA, ID_ITEM, QTD) VALUES (?, ?, 9)"), {id, toalha});
    banco().executar(QStringLiteral("INSERT INTO PS_ENTRADA (ID_ENTRADA, ID_P_S, QTD, VALOR) VALUES (?, ?, 9, 1)"),
                     {id, cerveja});
    // The suite's standards: two towels and three waters by type, one sheet
    // in room 201 itself; a deleted item and the room's own minibar stay out.
    banco().executar(QStringLiteral("INSERT INTO PADRAO_ITEM (ID_TIPO_UH, ID_ITEM, QTD) VALUES (?, ?, 2)"), {suite, toalha});
    banco().executar(QStringLiteral("INSERT INTO PADRAO_ITEM (ID_TIPO_UH, ID_ITEM, QTD) VALUES (?, ?, 4)"), {suite, roupao});
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_ITEM) VALUES (?)"), {roupao});
    banco().executar(QStringLiteral("INSERT INTO PADRAO_UH (ID_UH, ID_ITEM, QTD) VALUES (?, ?, 1)"), {uh201, lencol});
    banco().executar(QStringLiteral("INSERT INTO PADRAO_PS (ID_TIPO_UH, ID_P_S, VALOR, QTD) VALUES (?, ?, 4.5, 3)"),
                     {suite, agua});
    banco().executar(QStringLiteral("INSERT INTO PADRAO_PS_UH (ID_UH, ID_PS, QTD) VALUES (?, ?, 1)"), {uh201, pizza});

    const Resultado r = alterarUH(banco(), lida(id), uh201, QStringLiteral("201 / ST"), QStringLiteral("AR QUEBRADO"));
    EXPECT_TRUE(r.feito);
    EXPECT_EQ(r.mensagem, kMsgUHAlterada);
    EXPECT_EQ(walkIn(id).inteiro(QStringLiteral("ID_UH")), uh201);
    EXPECT_EQ(situacao(uh201), QStringLiteral("O"));
    EXPECT_EQ(situacao(uh101), QStringLiteral("M"));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT MANUTENCAO FROM UH WHERE ID_UH = ?"), {uh101}).toString(),
              QStringLiteral("AR QUEBRADO"));
    QStringList itens;
    for (const Linha &l : banco().lerTodas(QStringLiteral("SELECT ID_ITEM, QTD FROM ITEM_ENTRADA WHERE ID_ENTRADA = ? "
                                                          "ORDER BY ID_ITEM"),
                                           {id}))
        itens << QStringLiteral("%1x%2").arg(l.inteiro(QStringLiteral("ID_ITEM"))).arg(l.inteiro(QStringLiteral("QTD")));
    EXPECT_EQ(itens, (QStringList{QStringLiteral("%1x2").arg(toalha), QStringLiteral("%1x1").arg(lencol)}));
    const QList<Linha> ps = banco().lerTodas(QStringLiteral("SELECT * FROM PS_ENTRADA WHERE ID_ENTRADA = ?"), {id});
    ASSERT_EQ(ps.size(), 1);
    EXPECT_EQ(ps[0].inteiro(QStringLiteral("ID_P_S")), agua);
    EXPECT_EQ(ps[0].inteiro(QStringLiteral("QTD")), 3);
    EXPECT_EQ(ps[0].dinheiro(QStringLiteral("VALOR")), reais("4,50"));
    const QString n = QString::number(id);
    EXPECT_EQ(logs(), (QStringList{QStringLiteral("Alterou UH de Hóspede Entrada N.º -> (") + n + QStringLiteral(")|UH 101|UH 201 / ST"),
                                   QStringLiteral("Registrou Manutenção da UH 101 - AR QUEBRADO||")}));
}

TEST_F(Correcoes_, MudancaDeUHRecusadaNaoMudaNada)
{
    const qint64 id = estadia();
    banco().executar(QStringLiteral("INSERT INTO ITEM_ENTRADA (ID_ENTRADA, ID_ITEM, QTD) VALUES (?, ?, 9)"), {id, toalha});
    const Estadia e = lida(id);
    const struct {
        const char *caso;
        qint64 uh;
        const char *motivo;
        std::function<void()> antes;
        QString mensagem;
        bool mudou;
    } casos[] = {
        {"sem UH", 0, "X", {}, kMsgSelecioneUH, false},
        {"sem motivo", uh102, "  ", {}, kMsgInformeMotivoUH, false},
        // Another workstation checked a guest into 102 after the panel listed it.
        {"UH ocupada", uh102, "X",
         [&] { banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ?"), {uh102}); },
         EstadoUH::mensagemSituacaoMudou(QStringLiteral("102")), true},
        // Another workstation already moved the stay.
        {"estadia movida", uh201, "X",
         [&] { banco().executar(QStringLiteral("UPDATE WALK_IN SET ID_UH = ? WHERE ID_WALK_IN = ?"), {uh102, id}); },
         kMsgEntradaMudou, true},
    };
    for (const auto &c : casos) {
        if (c.antes)
            c.antes();
        const qint64 uhAntes = walkIn(id).inteiro(QStringLiteral("ID_UH"));
        const Resultado r = alterarUH(banco(), e, c.uh, QStringLiteral("X"), QString::fromUtf8(c.motivo));
        EXPECT_FALSE(r.feito) << c.caso;
        EXPECT_EQ(r.mensagem, c.mensagem) << c.caso;
        EXPECT_EQ(r.mudou, c.mudou) << c.caso;
        EXPECT_EQ(walkIn(id).inteiro(QStringLiteral("ID_UH")), uhAntes) << c.caso;
        EXPECT_EQ(situacao(uh101), QStringLiteral("O")) << c.caso;
        EXPECT_EQ(situacao(uh201), QStringLiteral("L")) << c.caso;
        EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM ITEM_ENTRADA WHERE ID_ENTRADA = ?"), {id}).toInt(), 1)
            << c.caso;
        EXPECT_TRUE(logs().isEmpty()) << c.caso;
    }
}

// ---------------------------------------------------------------- rate

TEST_F(Correcoes_, LimitesDaDiaria)
{
    // LUXO for two persons: 150,00, floor 130,00; discount limit 10% (135,00).
    const Tabela duas{reais("150,00"), reais("130,00")};
    const Tabela cinco{}; // five or more persons: no table rate
    const Tabela cara{reais("1.500,00"), reais("1.200,00")};
    const struct {
        const char *caso;
        Tabela t;
        const char *novo;
        const char *minCliente;
        bool movimentos;
        const char *diariaMaior;
        QString recusa;
    } casos[] = {
        {"no limite do desconto", duas, "135,00", "0,00", false, "N", {}},
        {"abaixo do desconto", duas, "134,99", "0,00", false, "N", kMsgLimiteDesconto},
        {"piso acima do desconto", {reais("150,00"), reais("140,00")}, "139,99", "0,00", false, "N", kMsgLimiteDesconto},
        {"mínimo do cliente", duas, "139,99", "140,00", false, "N", kMsgLimiteDesconto},
        {"no mínimo do cliente", duas, "140,00", "140,00", false, "N", {}},
        {"acima da tabela", duas, "150,01", "0,00", false, "N", kMsgDiariaMaior},
        {"acima da tabela permitido", duas, "400,00", "0,00", false, "S", {}},
        {"cinco pessoas sem tabela", cinco, "1,00", "140,00", false, "N", kMsgDiariaMaior},
        {"cinco pessoas com maior permitido", cinco, "1,00", "140,00", false, "S", {}},
        {"milhar", cara, "1.350,00", "0,00", false, "N", {}},
        {"milhar abaixo", cara, "1.349,99", "0,00", false, "N", kMsgLimiteDesconto},
        {"movimentos passa tudo", duas, "0,01", "140,00", true, "N", {}},
        {"movimentos acima", duas, "999,00", "0,00", true, "N", {}},
    };
    for (const auto &c : casos) {
        Limites l;
        l.movimentos = c.movimentos;
        l.limiteDesconto = reais("10,00");
        l.diariaMaior = QString::fromUtf8(c.diariaMaior);
        const auto r = verificarLimites(reais(c.novo), c.t, reais(c.minCliente), l);
        EXPECT_EQ(r.value_or(QString()), c.recusa) << c.caso;
    }
}

TEST_F(Correcoes_, NovaDiariaReescreveANoiteSoNoDiaDaChegada)
{
    Limites livre;
    livre.movimentos = true;
    const struct {
        const char *caso;
        QDate chegada;
        const char *noiteDepois;
    } casos[] = {{"chegou hoje", kHoje, "170,00"}, {"chegou ontem", kHoje.addDays(-1), "150,00"}};
    for (const auto &c : casos) {
        const qint64 id = estadia(2, "150,00", QDateTime(c.chegada, QTime(9, 0)));
        const Resultado r = alterarDiaria(banco(), lida(id), QStringLiteral("170,00"), {}, livre, std::nullopt, kHoje);
        EXPECT_TRUE(r.feito) << c.caso;
        EXPECT_EQ(r.mensagem, kMsgDiariaAlterada) << c.caso;
        EXPECT_EQ(walkIn(id).dinheiro(QStringLiteral("VALOR_DIARIA")), reais("170,00")) << c.caso;
        EXPECT_EQ(banco().ler(QStringLiteral("SELECT VALOR FROM OCUPACAO WHERE ID_ENTRADA = ?"), {id})
                      .dinheiro(QStringLiteral("VALOR")),
                  reais(c.noiteDepois))
            << c.caso;
        EXPECT_EQ(logs().last(), QStringLiteral("Alterou Valor da Diária de Hóspede Entrada N.º -> (%1)|R$ 150,00|R$ 170,00")
                                     .arg(id))
            << c.caso;
    }
}

TEST_F(Correcoes_, DiariaRecusadaNaoMudaNada)
{
    const qint64 id = estadia();
    Limites l;
    l.limiteDesconto = reais("10,00");
    l.diariaMaior = QStringLiteral("N");
    const Tabela t = tabelaDiaria(banco(), uh101, 2);
    EXPECT_EQ(t.padrao, reais("150,00"));
    EXPECT_EQ(t.minimo, reais("130,00"));
    for (const char *novo : {"120,00", "151,00", "abc", "-5,00"}) {
        const Resultado r = alterarDiaria(banco(), lida(id), QString::fromUtf8(novo), t, l, std::nullopt, kHoje);
        EXPECT_FALSE(r.feito) << novo;
        EXPECT_EQ(r.tipo, Mensagem::Tipo::Erro) << novo;
        EXPECT_EQ(r.foco, Foco::Valor) << novo;
    }
    EXPECT_EQ(walkIn(id).dinheiro(QStringLiteral("VALOR_DIARIA")), reais("150,00"));
    EXPECT_TRUE(logs().isEmpty());
}

// ---------------------------------------------------------------- guests

TEST_F(Correcoes_, HospedesNovosGanhamChaveDoGeradorEAPessoasMudamComADiaria)
{
    const qint64 id = estadia(2);
    // Another stay's guest holds the generator's current value: a key taken
    // as "current value" would collide with it.
    const qint64 outra = estadia(1);
    const qint64 chaveOutra =
        banco().valor(QStringLiteral("SELECT MAX(ID_HOSPEDE) FROM HOSPEDE WHERE ID_ENTRADA = ?"), {outra}).toLongLong();
    QList<Hospede> hs = hospedes(banco(), id);
    ASSERT_EQ(hs.size(), 2);
    hs.removeAt(0); // "HÓSPEDE 1"
    hs.append({0, QStringLiteral("JOÃO D'ÁVILA")});
    hs.append({0, QStringLiteral("MARIA")});
    const Estadia e = lida(id);
    Limites livre;
    livre.movimentos = true;
    const Resultado r = alterarDiaria(banco(), e, QStringLiteral("180,00"), tabelaDiaria(banco(), uh101, 3), livre, hs,
                                      kHoje);
    ASSERT_TRUE(r.feito) << r.mensagem.toStdString();
    QStringList nomes;
    for (const Hospede &h : hospedes(banco(), id)) {
        nomes << h.nome;
        EXPECT_NE(h.id, chaveOutra);
    }
    EXPECT_EQ(nomes, (QStringList{QStringLiteral("HÓSPEDE 2"), QStringLiteral("JOÃO D'ÁVILA"), QStringLiteral("MARIA")}));
    EXPECT_EQ(walkIn(id).inteiro(QStringLiteral("QTD_ADULTOS")), 3);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT QTD FROM OCUPACAO WHERE ID_ENTRADA = ?"), {id}).inteiro(QStringLiteral("QTD")), 3);
    EXPECT_EQ(logs(), (QStringList{QStringLiteral("Alterou Quantidade de Hóspedes -> Entrada N.º (%1)|2|3").arg(id),
                                   QStringLiteral("Alterou Valor da Diária de Hóspede Entrada N.º -> (%1)|R$ 150,00|R$ 180,00")
                                       .arg(id)}));
    // The other stay keeps its guest.
    EXPECT_EQ(hospedes(banco(), outra).size(), 1);
}

TEST_F(Correcoes_, HospedesComAMesmaQuantidadeGravamSemMudarADiaria)
{
    const qint64 id = estadia(2);
    QList<Hospede> hs = hospedes(banco(), id);
    hs[1].nome = QStringLiteral("BEATRIZ");
    hs.removeAt(0);
    hs.append({0, QStringLiteral("CARLOS")});
    EXPECT_TRUE(gravarHospedes(banco(), lida(id), hs).feito);
    QStringList nomes;
    for (const Hospede &h : hospedes(banco(), id))
        nomes << h.nome;
    EXPECT_EQ(nomes, (QStringList{QStringLiteral("BEATRIZ"), QStringLiteral("CARLOS")}));
    EXPECT_EQ(walkIn(id).inteiro(QStringLiteral("QTD_ADULTOS")), 2);
    EXPECT_EQ(walkIn(id).dinheiro(QStringLiteral("VALOR_DIARIA")), reais("150,00"));
    // An empty guest list is refused.
    EXPECT_EQ(gravarHospedes(banco(), lida(id), {}).mensagem, kMsgSemHospedes);
    EXPECT_EQ(hospedes(banco(), id).size(), 2);
}

// ---------------------------------------------------------------- nights

TEST_F(Correcoes_, DiariasCobradasIncluirAlterarExcluir)
{
    const qint64 id = estadia(2, "150,00", QDateTime(kHoje.addDays(-1), QTime(9, 0))); // departure kHoje + 1
    const Estadia e = lida(id);
    const struct {
        const char *caso;
        QDate data;
        const char *valor;
        QString mensagem;
    } inclusoes[] = {
        {"antes da chegada", kHoje.addDays(-2), "150,00", kMsgDataForaEstadia},
        {"depois da saída", kHoje.addDays(2), "150,00", kMsgDataForaEstadia},
        {"valor ilegível", kHoje, "15O,00", kMsgValorInvalido},
        {"valor negativo", kHoje, "-1,00", kMsgValorInvalido},
        {"hoje", kHoje, "1.234,56", kMsgDiariaIncluida},
        {"saída", kHoje.addDays(1), "0,00", kMsgDiariaIncluida},
    };
    for (const auto &c : inclusoes) {
        const Resultado r = incluirNoite(banco(), e, c.data, QString::fromUtf8(c.valor), kHoje);
        EXPECT_EQ(r.mensagem, c.mensagem) << c.caso;
    }
    QList<Noite> ns = noites(banco(), id);
    ASSERT_EQ(ns.size(), 3);
    EXPECT_EQ(ns[1].data, kHoje);
    EXPECT_EQ(ns[1].valor, reais("1.234,56"));
    EXPECT_EQ(ns[1].qtd, 2);

    // Alterar: a user without MOVIMENTOS is refused; the value is bound, not pasted.
    EXPECT_EQ(alterarNoite(banco(), e, ns[1], QStringLiteral("99,00"), QString(), false).mensagem, kMsgSemDireito);
    EXPECT_EQ(alterarNoite(banco(), e, ns[1], QStringLiteral("1 OR 1=1"), QString(), true).mensagem, kMsgValorInvalido);
    const Resultado r = alterarNoite(banco(), e, ns[1], QStringLiteral("99,90"),
                                     QStringLiteral("Data da Diária: 10/03/2026 / Valor Atual: R$ 1.234,56"), true);
    EXPECT_TRUE(r.feito);
    EXPECT_EQ(logs().last(), QStringLiteral("Alterou Valor da Diária Individual da Entrada N.º -> (%1)|Data da Diária: "
                                            "10/03/2026 / Valor Atual: R$ 1.234,56|R$ 99,90")
                                 .arg(id));
    // The same night read before the change is now stale.
    EXPECT_EQ(alterarNoite(banco(), e, ns[1], QStringLiteral("80,00"), QString(), true).mensagem, kMsgDiariaMudou);
    ns = noites(banco(), id);
    EXPECT_EQ(ns[1].valor, reais("99,90"));
    EXPECT_EQ(ns[0].valor, reais("150,00"));

    EXPECT_EQ(excluirNoite(banco(), e, ns[2], false).mensagem, kMsgSemDireito);
    EXPECT_EQ(excluirNoite(banco(), e, ns[2], true).mensagem, kMsgDiariaExcluida);
    EXPECT_EQ(excluirNoite(banco(), e, ns[2], true).mensagem, kMsgDiariaMudou);
    EXPECT_EQ(noites(banco(), id).size(), 2);
}

// ---------------------------------------------------------------- payment

TEST_F(Correcoes_, RedistribuicaoMoveEntreOsMeiosNoTurnoENaEntrada)
{
    const qint64 id = estadia();
    pagar(id, {{MeioCaixa::Dinheiro, "200,00"}}, false);
    fechar(id, kHoje, QTime(10, 0));
    const Resultado r = alterarForma(banco(), lida(id), {QStringLiteral("150,00"), QStringLiteral("50,00"), {}, {}, {}, {}, {}});
    EXPECT_TRUE(r.feito);
    EXPECT_EQ(r.mensagem, kMsgValoresAlterados);
    const Linha cx = caixa();
    EXPECT_EQ(cx.dinheiro(QStringLiteral("ATUAL")), reais("150,00"));
    EXPECT_EQ(cx.dinheiro(QStringLiteral("ATUAL_CARTAO")), reais("50,00"));
    const Linha w = walkIn(id);
    EXPECT_EQ(w.dinheiro(QStringLiteral("DINHEIRO")), reais("150,00"));
    EXPECT_EQ(w.dinheiro(QStringLiteral("VISA")), reais("50,00"));

    // All seven means at once, from a mix.
    const Resultado r2 = alterarForma(banco(), lida(id),
                                      {QStringLiteral("10,00"), QStringLiteral("20,00"), QStringLiteral("30,00"),
                                       QStringLiteral("40,00"), QStringLiteral("50,00"), QStringLiteral("25,00"),
                                       QStringLiteral("25,00")});
    EXPECT_TRUE(r2.feito);
    const Linha c2 = caixa();
    const struct {
        const char *caixa, *estadia, *valor;
    } colunas[] = {{"ATUAL", "DINHEIRO", "10,00"},         {"ATUAL_CARTAO", "VISA", "20,00"},
                   {"ATUAL_DEBVISA", "DEBVISA", "30,00"},  {"ATUAL_MASTER", "MASTER", "40,00"},
                   {"ATUAL_DEBMASTER", "DEBMASTER", "50,00"}, {"ATUAL_HIPER", "HIPER", "25,00"},
                   {"ATUAL_CHEQUE", "CHEQUE", "25,00"}};
    const Linha w2 = walkIn(id);
    for (const auto &c : colunas) {
        EXPECT_EQ(c2.dinheiro(QString::fromUtf8(c.caixa)), reais(c.valor)) << c.caixa;
        EXPECT_EQ(w2.dinheiro(QString::fromUtf8(c.estadia)), reais(c.valor)) << c.estadia;
    }
    caixaIgualEstadias();
}

TEST_F(Correcoes_, RedistribuicaoRecusadaNaoMudaNada)
{
    const qint64 id = estadia();
    pagar(id, {{MeioCaixa::Dinheiro, "200,00"}}, false);
    fechar(id, kHoje, QTime(10, 0));
    const std::array<QString, 7> moverParaVisa{QStringLiteral("150,00"), QStringLiteral("50,00"), {}, {}, {}, {}, {}};
    const struct {
        const char *caso;
        std::array<QString, 7> novos;
        std::function<void()> antes;
        QString mensagem;
    } casos[] = {
        {"soma menor", {QStringLiteral("150,00"), QStringLiteral("49,99"), {}, {}, {}, {}, {}}, {}, kMsgValorDiferente},
        {"soma maior", {QStringLiteral("200,00"), QStringLiteral("0,01"), {}, {}, {}, {}, {}}, {}, kMsgValorDiferente},
        {"negativo", {QStringLiteral("250,00"), QStringLiteral("-50,00"), {}, {}, {}, {}, {}}, {}, kMsgValorInvalido},
        // The shift no longer holds the 200,00 in cash.
        {"caixa sem saldo", moverParaVisa,
         [&] { banco().executar(QStringLiteral("UPDATE CAIXA SET ATUAL = 199.99")); }, TextosCaixa::SaldoInsuficiente},
        {"sem turno", moverParaVisa,
         [&] { banco().executar(QStringLiteral("UPDATE CAIXA SET ATUAL = 200, DATA_FECHA = ?"), {kHoje}); },
         TextosCaixa::SemCaixaUnico},
    };
    for (const auto &c : casos) {
        if (c.antes)
            c.antes();
        const Linha cxAntes = banco().ler(QStringLiteral("SELECT * FROM CAIXA"));
        const Resultado r = alterarForma(banco(), lida(id), c.novos);
        EXPECT_FALSE(r.feito) << c.caso;
        EXPECT_EQ(r.mensagem, c.mensagem) << c.caso;
        const Linha cx = banco().ler(QStringLiteral("SELECT * FROM CAIXA"));
        EXPECT_EQ(cx.dinheiro(QStringLiteral("ATUAL")), cxAntes.dinheiro(QStringLiteral("ATUAL"))) << c.caso;
        EXPECT_TRUE(cx.dinheiro(QStringLiteral("ATUAL_CARTAO")).zero()) << c.caso;
        EXPECT_EQ(walkIn(id).dinheiro(QStringLiteral("DINHEIRO")), reais("200,00")) << c.caso;
        EXPECT_TRUE(walkIn(id).dinheiro(QStringLiteral("VISA")).zero()) << c.caso;
    }
}

TEST_F(Correcoes_, LimitesDeTempoContamDataEHoraInteiras)
{
    // TEMPO 00:30: a stay that arrived (or left) at 23:50 may be corrected
    // until 00:20 of the next day, not later, by a user without MOVIMENTOS.
    const QTime meiaHora(0, 30);
    Estadia e;
    e.dataEntrada = e.dataSaida = kHoje;
    e.horaEntrada = e.horaSaida = QTime(23, 50);
    const struct {
        const char *caso;
        QDateTime agora;
        bool movimentos;
        bool permitido;
    } casos[] = {
        {"logo depois", QDateTime(kHoje, QTime(23, 55)), false, true},
        {"depois da meia-noite", QDateTime(kHoje.addDays(1), QTime(0, 5)), false, true},
        {"no limite", QDateTime(kHoje.addDays(1), QTime(0, 20)), false, false},
        {"dia seguinte", QDateTime(kHoje.addDays(1), QTime(23, 0)), false, false},
        {"com movimentos", QDateTime(kHoje.addDays(9), QTime(12, 0)), true, true},
    };
    for (const auto &c : casos) {
        EXPECT_EQ(!podeCancelar(e, c.movimentos, c.agora, meiaHora).has_value(), c.permitido) << c.caso;
        EXPECT_EQ(!podeAlterarForma(e, c.movimentos, c.agora, meiaHora).has_value(), c.permitido) << c.caso;
    }
    EXPECT_EQ(podeCancelar(e, false, QDateTime(kHoje.addDays(1), QTime(0, 20)), meiaHora), kMsgTempoExcluir);
    EXPECT_EQ(podeAlterarForma(e, false, QDateTime(kHoje.addDays(1), QTime(0, 20)), meiaHora), kMsgTempoForma);
    // An amount on account stops the correction for everybody.
    e.pagos[size_t(MeioCaixa::APrazo)] = reais("10,00");
    EXPECT_EQ(podeAlterarForma(e, true, QDateTime(kHoje, QTime(23, 55)), meiaHora), kMsgFormaNota);
}

// ---------------------------------------------------------------- cancellation

TEST_F(Correcoes_, CancelamentoDevolveEstoqueFechaHospedesLiberaUHEEstornaOTurno)
{
    const qint64 id = estadia(2);
    banco().executar(QStringLiteral("INSERT INTO VEICULO (MODELO, PLACA, ID_ENTRADA) VALUES ('GOL', 'ABC1234', ?)"), {id});
    const auto consumo = [&](qint64 p, int qtd) {
        banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT) VALUES (?, ?, ?, 5)"),
                         {id, p, qtd});
    };
    consumo(cerveja, 3);
    consumo(cerveja, 2);
    consumo(pizza, 1);
    banco().executar(QStringLiteral("UPDATE PRODUTOS_SERVICOS SET ESTOQUE = ESTOQUE - 5 WHERE ID_P_S = ?"), {cerveja});
    pagar(id, {{MeioCaixa::Dinheiro, "100,00"}, {MeioCaixa::CreditoVisa, "50,00"}, {MeioCaixa::APrazo, "30,00"}}, true);
    // Money of another stay stays in the shift.
    const qint64 outra = estadia(1);
    pagar(outra, {{MeioCaixa::Dinheiro, "40,00"}}, true);

    const Resultado r = cancelar(banco(), lida(id), QStringLiteral("DESISTIU D'ÚLTIMA HORA"));
    EXPECT_TRUE(r.feito);
    EXPECT_EQ(r.mensagem, kMsgEntradaExcluida);
    const Linha w = walkIn(id);
    EXPECT_EQ(w.texto(QStringLiteral("BAIXA")), QStringLiteral("S"));
    EXPECT_EQ(w.texto(QStringLiteral("EXCLUIDO")), QStringLiteral("S"));
    EXPECT_EQ(w.texto(QStringLiteral("MOTIVO")), QStringLiteral("DESISTIU D'ÚLTIMA HORA"));
    EXPECT_EQ(estoque(cerveja), 10);
    EXPECT_EQ(estoque(pizza), 0); // made in house: never lowered, never raised
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM HOSPEDE WHERE ID_ENTRADA = ? AND BAIXA = 'N'"), {id}).toInt(), 0);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM VEICULO WHERE ID_ENTRADA = ? AND BAIXA = 'N'"), {id}).toInt(), 0);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH WHERE ID_ENTRADA = ?"), {id}).toInt(), 3);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM OCUPACAO WHERE ID_ENTRADA = ?"), {id}).toInt(), 1);
    // Room 101 still holds the other open stay: it stays occupied.
    EXPECT_EQ(situacao(uh101), QStringLiteral("O"));
    const Linha cx = caixa();
    EXPECT_EQ(cx.dinheiro(QStringLiteral("ATUAL")), reais("40,00"));
    EXPECT_TRUE(cx.dinheiro(QStringLiteral("ATUAL_CARTAO")).zero());
    EXPECT_EQ(cx.dinheiro(QStringLiteral("ATUAL_NOTAS")), reais("30,00")); // on account: untouched
    EXPECT_EQ(w.dinheiro(QStringLiteral("NOTA")), reais("30,00"));
    EXPECT_EQ(w.dinheiro(QStringLiteral("ADIANTADO")), reais("30,00"));
    caixaIgualEstadias();
    EXPECT_EQ(logs().last(),
              QStringLiteral("Excluiu Entrada de Hóspede -> Código %1 (ANA D'ÁVILA - 101)||").arg(id));

    // Cancelling again (a second workstation, a retry) returns nothing twice.
    const Resultado de_novo = cancelar(banco(), lida(id), QStringLiteral("OUTRA VEZ"));
    EXPECT_EQ(de_novo.mensagem, kMsgEntradaMudou);
    EXPECT_EQ(estoque(cerveja), 10);
    EXPECT_EQ(caixa().dinheiro(QStringLiteral("ATUAL")), reais("40,00"));

    // The last open stay of the room leaves: the room is free.
    EXPECT_TRUE(cancelar(banco(), lida(outra), QStringLiteral("X")).feito);
    EXPECT_EQ(situacao(uh101), QStringLiteral("L"));
    caixaIgualEstadias();
}

TEST_F(Correcoes_, CancelamentoRecusadoPeloCaixaDesfazTudo)
{
    const qint64 id = estadia(1);
    banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT) VALUES (?, ?, 2, 5)"),
                     {id, cerveja});
    pagar(id, {{MeioCaixa::Dinheiro, "100,00"}}, true);
    banco().executar(QStringLiteral("UPDATE CAIXA SET ATUAL = 60")); // a withdrawal took money out since
    const struct {
        const char *caso;
        const char *motivo;
        QString mensagem;
    } casos[] = {{"sem motivo", " ", kMsgInformeMotivoCancelamento}, {"caixa sem saldo", "X", TextosCaixa::SaldoInsuficiente}};
    for (const auto &c : casos) {
        const Resultado r = cancelar(banco(), lida(id), QString::fromUtf8(c.motivo));
        EXPECT_FALSE(r.feito) << c.caso;
        EXPECT_EQ(r.mensagem, c.mensagem) << c.caso;
        const Linha w = walkIn(id);
        EXPECT_EQ(w.texto(QStringLiteral("EXCLUIDO")), QStringLiteral("N")) << c.caso;
        EXPECT_EQ(w.dinheiro(QStringLiteral("DINHEIRO")), reais("100,00")) << c.caso;
        EXPECT_EQ(estoque(cerveja), 10) << c.caso;
        EXPECT_EQ(situacao(uh101), QStringLiteral("O")) << c.caso;
        EXPECT_EQ(caixa().dinheiro(QStringLiteral("ATUAL")), reais("60,00")) << c.caso;
        EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM HOSPEDE WHERE BAIXA = 'S'")).toInt(), 0) << c.caso;
        EXPECT_TRUE(logs().isEmpty()) << c.caso;
    }
}

// ---------------------------------------------------------------- flag, customer

TEST_F(Correcoes_, NotaFiscalAlterna)
{
    const qint64 id = estadia();
    const struct {
        const char *antes, *depois;
    } casos[] = {{"N", "S"}, {"S", "N"}};
    for (const auto &c : casos) {
        banco().executar(QStringLiteral("UPDATE WALK_IN SET NF = ? WHERE ID_WALK_IN = ?"), {QString::fromUtf8(c.antes), id});
        EXPECT_TRUE(alternarNF(banco(), lida(id)).feito) << c.antes;
        EXPECT_EQ(walkIn(id).texto(QStringLiteral("NF")), QString::fromUtf8(c.depois)) << c.antes;
    }
}

TEST_F(Correcoes_, ClienteResponsavel)
{
    const qint64 id = estadia();
    const qint64 fechada = estadia();
    fechar(fechada, kHoje, QTime(10, 0));
    const qint64 restrito = cliente("RUI RESTRITO", "R");
    const qint64 negativado = cliente("NEI NEGATIVADO", "S");
    const qint64 bia = cliente("BIA O'HARA", "N");
    const struct {
        const char *caso;
        qint64 estadia, cliente;
        QString mensagem;
    } casos[] = {
        {"fechada", fechada, bia, kMsgClienteSoAberta},
        {"nenhum", id, 0, kMsgSelecioneCliente},
        {"restrição", id, restrito, kMsgClienteRestricao},
        {"negativação", id, negativado, kMsgClienteNegativacao},
    };
    for (const auto &c : casos) {
        const qint64 antes = walkIn(c.estadia).inteiro(QStringLiteral("ID_CLIENTE"));
        const Resultado r = alterarCliente(banco(), lida(c.estadia), c.cliente, QStringLiteral("X"));
        EXPECT_FALSE(r.feito) << c.caso;
        EXPECT_EQ(r.mensagem, c.mensagem) << c.caso;
        EXPECT_EQ(walkIn(c.estadia).inteiro(QStringLiteral("ID_CLIENTE")), antes) << c.caso;
    }
    EXPECT_EQ(podeAlterarCliente(lida(fechada)), kMsgClienteSoAberta);
    const Estadia e = lida(id);
    // The customer restricted after the panel showed it is still refused.
    banco().executar(QStringLiteral("UPDATE CLIENTE SET EXCLUIDO = 'R' WHERE ID_CLIENTE = ?"), {bia});
    EXPECT_EQ(alterarCliente(banco(), e, bia, QStringLiteral("BIA O'HARA / ")).mensagem, kMsgClienteRestricao);
    banco().executar(QStringLiteral("UPDATE CLIENTE SET EXCLUIDO = 'N' WHERE ID_CLIENTE = ?"), {bia});
    const Resultado r = alterarCliente(banco(), e, bia, QStringLiteral("BIA O'HARA / "));
    EXPECT_TRUE(r.feito);
    EXPECT_EQ(r.mensagem, kMsgClienteAlterado);
    EXPECT_EQ(walkIn(id).inteiro(QStringLiteral("ID_CLIENTE")), bia);
    EXPECT_EQ(logs(), (QStringList{QStringLiteral("Alterou Cliente Responsável da Entrada N.º -> (%1)|De: ANA D'ÁVILA|Para: "
                                                  "BIA O'HARA / ")
                                       .arg(id)}));
}

// ---------------------------------------------------------------- two workstations

// A second workstation: its own connection, in a thread, started while this
// one holds its correction uncommitted; it waits on the stay's row, then runs
// again on what was committed.
class DuasEstacoes : public Correcoes_ {
protected:
    Resultado enquantoOutraSegura(const std::function<Resultado(ConexaoBanco &)> &primeira,
                                  const std::function<Resultado(ConexaoBanco &)> &segunda, Resultado *r1)
    {
        const QString caminho = banco().caminho();
        banco().iniciarTransacao();
        *r1 = primeira(banco());
        std::promise<void> comecou;
        auto resultado = std::async(std::launch::async, [&]() {
            ConexaoBanco c(QStringLiteral("segunda-estacao"), caminho);
            c.definirCaminho(caminho);
            c.conectar();
            comecou.set_value();
            const Resultado r = segunda(c);
            c.desconectar();
            return r;
        });
        comecou.get_future().wait();
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        banco().confirmarTransacao();
        return resultado.get();
    }
};

TEST_F(DuasEstacoes, AMesmaCorrecaoAoMesmoTempoASegundaEAvisada)
{
    const qint64 fechada = estadia();
    pagar(fechada, {{MeioCaixa::Dinheiro, "200,00"}}, false);
    fechar(fechada, kHoje, QTime(10, 0));
    const qint64 aberta = estadia();
    pagar(aberta, {{MeioCaixa::Dinheiro, "80,00"}, {MeioCaixa::DebitoVisa, "20,00"}}, true);
    const Estadia ef = lida(fechada), ea = lida(aberta);
    Limites livre;
    livre.movimentos = true;
    const struct {
        const char *caso;
        std::function<Resultado(ConexaoBanco &)> a, b;
    } casos[] = {
        {"forma de pagamento",
         [&](ConexaoBanco &c) { return alterarForma(c, ef, {QStringLiteral("150,00"), QStringLiteral("50,00"), {}, {}, {}, {}, {}}); },
         [&](ConexaoBanco &c) { return alterarForma(c, ef, {QStringLiteral("100,00"), {}, {}, {}, {}, {}, QStringLiteral("100,00")}); }},
        {"diária", [&](ConexaoBanco &c) { return alterarDiaria(c, ea, QStringLiteral("170,00"), {}, livre, std::nullopt, kHoje); },
         [&](ConexaoBanco &c) { return alterarDiaria(c, ea, QStringLiteral("160,00"), {}, livre, std::nullopt, kHoje); }},
        {"cancelamento", [&](ConexaoBanco &c) { return cancelar(c, ea, QStringLiteral("A")); },
         [&](ConexaoBanco &c) { return cancelar(c, ea, QStringLiteral("B")); }},
    };
    for (const auto &c : casos) {
        Resultado r1;
        const Resultado r2 = enquantoOutraSegura(c.a, c.b, &r1);
        EXPECT_TRUE(r1.feito) << c.caso;
        EXPECT_FALSE(r2.feito) << c.caso;
        EXPECT_EQ(r2.mensagem, kMsgEntradaMudou) << c.caso;
        caixaIgualEstadias();
    }
    // Only the first of each landed.
    const Linha f = walkIn(fechada), a = walkIn(aberta);
    EXPECT_EQ(f.dinheiro(QStringLiteral("DINHEIRO")), reais("150,00"));
    EXPECT_EQ(f.dinheiro(QStringLiteral("VISA")), reais("50,00"));
    EXPECT_TRUE(f.dinheiro(QStringLiteral("CHEQUE")).zero());
    EXPECT_EQ(a.dinheiro(QStringLiteral("VALOR_DIARIA")), reais("170,00"));
    EXPECT_EQ(a.texto(QStringLiteral("MOTIVO")), QStringLiteral("A"));
    const Linha cx = caixa();
    EXPECT_EQ(cx.dinheiro(QStringLiteral("ATUAL")), reais("150,00"));
    EXPECT_EQ(cx.dinheiro(QStringLiteral("ATUAL_CARTAO")), reais("50,00"));
    EXPECT_TRUE(cx.dinheiro(QStringLiteral("ATUAL_DEBVISA")).zero());
}

TEST_F(DuasEstacoes, CorrecoesDiferentesAoMesmoTempoAmbasGravam)
{
    const qint64 id = estadia();
    const qint64 bia = cliente("BIA", "N");
    const Estadia e = lida(id);
    Limites livre;
    livre.movimentos = true;
    Resultado r1;
    const Resultado r2 = enquantoOutraSegura(
        [&](ConexaoBanco &c) { return alterarDiaria(c, e, QStringLiteral("170,00"), {}, livre, std::nullopt, kHoje); },
        [&](ConexaoBanco &c) { return alternarNF(c, e); }, &r1);
    EXPECT_TRUE(r1.feito);
    EXPECT_TRUE(r2.feito) << r2.mensagem.toStdString();
    Resultado r3;
    const Resultado r4 = enquantoOutraSegura([&](ConexaoBanco &c) { return alterarCliente(c, e, bia, QStringLiteral("BIA")); },
                                             [&](ConexaoBanco &c) { return incluirNoite(c, e, kHoje, QStringLiteral("10,00"), kHoje); },
                                             &r3);
    EXPECT_TRUE(r3.feito);
    EXPECT_TRUE(r4.feito) << r4.mensagem.toStdString();
    const Linha w = walkIn(id);
    EXPECT_EQ(w.dinheiro(QStringLiteral("VALOR_DIARIA")), reais("170,00"));
    EXPECT_EQ(w.texto(QStringLiteral("NF")), QStringLiteral("S"));
    EXPECT_EQ(w.inteiro(QStringLiteral("ID_CLIENTE")), bia);
    EXPECT_EQ(noites(banco(), id).size(), 2);
    EXPECT_EQ(logs().size(), 2); // rate and customer
}

} // namespace
