// The check-in: the checks in their order (clash, fields and guests, rate
// limits, other rooms, single-occupancy policy), the rows a check-in writes,
// all or nothing, two workstations taking one room, and the alteration.
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "stays/Entrada.h"
#include "support/BancoTeste.h"

#include <future>
#include <thread>

using namespace Entrada;

namespace {

const QDate kHoje(2026, 3, 12); // a Thursday

Dinheiro reais(const char *t) { return Dinheiro::deTextoOuErro(QString::fromUtf8(t)); }

class Entrada_ : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(14, 0)));
        Sessao::reiniciar();
        Sessao::atual().login = QStringLiteral("ADMIN");
        luxo = banco()
                   .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P1MIN, P2MIN) "
                                         "VALUES ('LUXO', 'LX', 100, 150, 80, 120) RETURNING ID_TIPO_UH"))
                   .toLongLong();
        uh101 = quarto(luxo, QStringLiteral("101"));
        ana = banco()
                  .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) "
                                        "VALUES ('ANA D''ÁVILA', 'F', '') RETURNING ID_CLIENTE"))
                  .toLongLong();
    }
    void TearDown() override
    {
        Sessao::reiniciar();
        BancoTeste::TearDown();
    }

    qint64 quarto(qint64 tipo, const QString &numero, const QString &situacao = QStringLiteral("L"),
                  const QString &descricao = {})
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, SITUACAO, DESCRICAO) VALUES (?, ?, ?, ?) "
                                  "RETURNING ID_UH"),
                   {tipo, numero, situacao, descricao})
            .toLongLong();
    }
    qint64 reserva(qint64 uh, const QDate &de, const QDate &ate, int pessoas = 2)
    {
        const qint64 id = banco()
                              .valor(QStringLiteral("INSERT INTO RESERVA (DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, "
                                                    "HORA_SAIDA, ID_CLIENTE, ID_UH, QTD_PESSOAS, OBS) VALUES (?, "
                                                    "'12:00:00', ?, '12:00:00', ?, ?, ?, 'VISTA MAR') "
                                                    "RETURNING ID_RESERVA"),
                                     {de, ate, ana, uh, pessoas})
                              .toLongLong();
        for (QDate d = de; d <= ate; d = d.addDays(1))
            banco().executar(QStringLiteral("INSERT INTO RESERVA_UH (ID_RESERVA, DATA_ENTRADA, ID_UH) VALUES (?, ?, ?)"),
                             {id, d, uh});
        return id;
    }
    qint64 contar(const QString &sql, const Valores &v = {}) { return banco().valor(sql, v).toLongLong(); }

    Dados dados()
    {
        Dados d;
        d.cliente = ana;
        d.nomeCliente = QStringLiteral("ANA D'ÁVILA");
        d.uh = uh101;
        d.numeroUH = QStringLiteral("101");
        d.tipoUH = luxo;
        d.pessoas = QStringLiteral("2");
        d.dataEntrada = kHoje;
        d.horaEntrada = QTime(14, 0);
        d.dataSaida = kHoje.addDays(2);
        d.horaSaida = QTime(12, 0);
        d.diaria = QStringLiteral("150,00");
        d.valorDiariaPadrao = reais("150,00");
        d.valorMin = reais("120,00");
        return d;
    }

    qint64 luxo = 0, uh101 = 0, ana = 0;
};

// ------------------------------------------------------------------ checks

struct CasoCampos {
    const char *nome;
    std::function<void(Dados &, Regras &)> mudar;
    const char *mensagem; // empty: passes
    Campo foco;
};

TEST_F(Entrada_, CamposEHospedes)
{
    const CasoCampos casos[] = {
        {"tudo certo", [](Dados &, Regras &) {}, "", Campo::Nenhum},
        {"sem cliente", [](Dados &d, Regras &) { d.cliente = 0; }, "Cliente Inválido!", Campo::Cliente},
        {"sem UH", [](Dados &d, Regras &) { d.uh = 0; }, "Unidade Habitacional (UH) Inválida!", Campo::UH},
        {"pessoas vazio", [](Dados &d, Regras &) { d.pessoas.clear(); }, "Número de Hóspedes Inválido!", Campo::Pessoas},
        {"pessoas 0", [](Dados &d, Regras &) { d.pessoas = QStringLiteral("0"); }, "Número de Hóspedes Inválido!",
         Campo::Pessoas},
        {"pessoas negativo", [](Dados &d, Regras &) { d.pessoas = QStringLiteral("-2"); },
         "Número de Hóspedes Inválido!", Campo::Pessoas},
        {"pessoas texto", [](Dados &d, Regras &) { d.pessoas = QStringLiteral("dois"); },
         "Número de Hóspedes Inválido!", Campo::Pessoas},
        {"pessoas acima do máximo", [](Dados &d, Regras &) { d.pessoas = QStringLiteral("100"); },
         "Número de Hóspedes Inválido!", Campo::Pessoas},
        {"diária zero", [](Dados &d, Regras &) { d.diaria = QStringLiteral("0,00"); }, "Valor das Diárias Inválido!",
         Campo::Diaria},
        {"diária abc", [](Dados &d, Regras &) { d.diaria = QStringLiteral("abc"); }, "Valor das Diárias Inválido!",
         Campo::Diaria},
        {"diária negativa", [](Dados &d, Regras &) { d.diaria = QStringLiteral("-150,00"); },
         "Valor das Diárias Inválido!", Campo::Diaria},
        {"dois responsáveis",
         [](Dados &d, Regras &) { d.hospedes = {QStringLiteral("=JOSE"), QStringLiteral("=MARIA")}; },
         "Informe apenas um Hóspede Responsável!", Campo::IncluirHospede},
        {"travado: cliente + 1 hóspede = 2 pessoas",
         [](Dados &d, Regras &r) { r.travarHospedes = true; d.hospedes = {QStringLiteral("JOSE")}; }, "",
         Campo::Nenhum},
        {"travado: cliente sozinho não faz 2 pessoas", [](Dados &, Regras &r) { r.travarHospedes = true; },
         "Informe os Hóspedes Corretamente!", Campo::IncluirHospede},
        {"travado: responsável + 1 = 2 pessoas",
         [](Dados &d, Regras &r) {
             r.travarHospedes = true;
             d.hospedes = {QStringLiteral("=JOSE"), QStringLiteral("MARIA")};
         },
         "", Campo::Nenhum},
        {"travado: responsável sozinho não faz 2 pessoas",
         [](Dados &d, Regras &r) {
             r.travarHospedes = true;
             d.hospedes = {QStringLiteral("=JOSE")};
         },
         "Informe os Hóspedes Corretamente!", Campo::IncluirHospede},
        {"sem trava, hóspedes livres", [](Dados &d, Regras &) { d.hospedes = {QStringLiteral("=JOSE")}; }, "",
         Campo::Nenhum},
        {"travado, estadia gravada: o cliente já está entre os hóspedes",
         [](Dados &d, Regras &r) {
             r.travarHospedes = true;
             d.existente = true;
             d.hospedes = {QStringLiteral("ANA D'ÁVILA"), QStringLiteral("JOSE")};
         },
         "", Campo::Nenhum},
        {"travado, estadia gravada com um hóspede a menos",
         [](Dados &d, Regras &r) {
             r.travarHospedes = true;
             d.existente = true;
             d.hospedes = {QStringLiteral("ANA D'ÁVILA")};
         },
         "Informe os Hóspedes Corretamente!", Campo::IncluirHospede},
    };
    for (const CasoCampos &c : casos) {
        Dados d = dados();
        Regras r;
        c.mudar(d, r);
        const auto recusa = verificarCampos(d, r);
        if (*c.mensagem == 0) {
            EXPECT_FALSE(recusa.has_value()) << c.nome << ": " << recusa->mensagem.toStdString();
        } else {
            ASSERT_TRUE(recusa.has_value()) << c.nome;
            EXPECT_EQ(recusa->mensagem, QString::fromUtf8(c.mensagem)) << c.nome;
            EXPECT_EQ(recusa->foco, c.foco) << c.nome;
        }
    }
}

struct CasoLimite {
    const char *nome;
    const char *diaria;
    const char *padrao;     // P
    const char *minimo;     // room-type floor
    const char *cliente;    // customer's minimum
    bool movimentos;
    bool diariaMaior;
    const char *mensagem;   // empty: passes
};

TEST_F(Entrada_, LimitesDaDiaria)
{
    const char *desconto = "Valor da Diária Não Permitido - Limite de Desconto Excedido";
    const char *acima = "Valor da Diária Maior que o Tabelado Não é Permitido";
    // LIMITE_DESCONTO 10 %: 150,00 allows down to 135,00.
    const CasoLimite casos[] = {
        {"no limite do desconto", "135,00", "150,00", "0,00", "0,00", false, true, ""},
        {"um centavo abaixo", "134,99", "150,00", "0,00", "0,00", false, true, desconto},
        {"no piso do tipo", "140,00", "150,00", "140,00", "0,00", false, true, ""},
        {"abaixo do piso do tipo", "139,99", "150,00", "140,00", "0,00", false, true, desconto},
        {"mínimo do cliente acima do desconto", "155,00", "150,00", "0,00", "160,00", false, true, desconto},
        {"no mínimo do cliente", "160,00", "150,00", "0,00", "160,00", false, true, ""},
        {"cliente com mínimo dispensa desconto e piso", "100,00", "150,00", "140,00", "100,00", false, true, ""},
        {"tipo sem tarifa: nenhum desconto", "10,00", "0,00", "0,00", "0,00", false, true, ""},
        {"teto: igual à tabela", "150,00", "150,00", "0,00", "0,00", false, false, ""},
        {"teto: um centavo acima", "150,01", "150,00", "0,00", "0,00", false, false, acima},
        {"teto: tipo sem tarifa para o grupo", "10,00", "0,00", "0,00", "0,00", false, false, acima},
        {"acima da tabela permitido", "500,00", "150,00", "0,00", "0,00", false, true, ""},
        {"MOVIMENTOS passa o desconto", "1,00", "150,00", "140,00", "0,00", true, true, ""},
        {"MOVIMENTOS passa o mínimo do cliente", "1,00", "150,00", "0,00", "160,00", true, true, ""},
        {"MOVIMENTOS passa o teto", "900,00", "150,00", "0,00", "0,00", true, false, ""},
    };
    for (const CasoLimite &c : casos) {
        Dados d = dados();
        d.diaria = QString::fromUtf8(c.diaria);
        d.valorDiariaPadrao = reais(c.padrao);
        d.valorMin = reais(c.minimo);
        d.valorMinCliente = reais(c.cliente);
        Regras r;
        r.limiteDesconto = reais("10,00");
        r.movimentos = c.movimentos;
        r.diariaMaior = c.diariaMaior;
        const auto recusa = verificarLimites(d, r);
        if (*c.mensagem == 0) {
            EXPECT_FALSE(recusa.has_value()) << c.nome;
        } else {
            ASSERT_TRUE(recusa.has_value()) << c.nome;
            EXPECT_EQ(recusa->mensagem, QString::fromUtf8(c.mensagem)) << c.nome;
            EXPECT_EQ(recusa->foco, Campo::Diaria) << c.nome;
        }
    }
}

struct CasoJanela {
    const char *nome;
    QTime inicio, termino, agora;
    bool quinta; // POLITICA_QUINTA
    bool aplica;
};

TEST_F(Entrada_, JanelaDaPolitica)
{
    const CasoJanela casos[] = {
        {"dentro do dia", QTime(8, 0), QTime(18, 0), QTime(12, 0), true, true},
        {"exatamente no término", QTime(8, 0), QTime(18, 0), QTime(18, 0), true, true},
        {"exatamente no início", QTime(8, 0), QTime(18, 0), QTime(8, 0), true, true},
        {"um segundo depois", QTime(8, 0), QTime(18, 0), QTime(18, 0, 1), true, false},
        {"noite antes da meia-noite", QTime(22, 0), QTime(6, 0), QTime(23, 30), true, true},
        {"noite depois da meia-noite", QTime(22, 0), QTime(6, 0), QTime(5, 59), true, true},
        {"fora da janela noturna", QTime(22, 0), QTime(6, 0), QTime(12, 0), true, false},
        {"quinta sem política", QTime(8, 0), QTime(18, 0), QTime(12, 0), false, false},
    };
    for (const CasoJanela &c : casos) {
        Regras r;
        r.inicioPolitica = c.inicio;
        r.terminoPolitica = c.termino;
        r.politicaDia[4] = c.quinta;
        r.politicaDia[5] = true; // Friday's flag must not be read on a Thursday
        EXPECT_EQ(politicaAplica(r, QDateTime(kHoje, c.agora)), c.aplica) << c.nome;
    }
    Regras r;
    r.percentualPolitica = reais("50,00");
    EXPECT_EQ(limitePolitica(r, 5), 3); // 2,5 rounds up
    r.percentualPolitica = reais("10,00");
    EXPECT_EQ(limitePolitica(r, 4), 0);
}

TEST_F(Entrada_, PoliticaContaEstadiasEReservasIndividuais)
{
    // 10 rooms, 20 %: two single-person stays or reservations of today fill the share.
    for (int i = 2; i <= 10; ++i)
        quarto(luxo, QString::number(100 + i));
    const qint64 uh102 = contar(QStringLiteral("SELECT ID_UH FROM UH WHERE NUMERO = '102'"));
    const qint64 uh103 = contar(QStringLiteral("SELECT ID_UH FROM UH WHERE NUMERO = '103'"));
    banco().executar(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, QTD_ADULTOS) VALUES (?, ?, 1)"),
                     {ana, uh102});
    reserva(uh103, kHoje, kHoje, 1);
    Regras r;
    r.percentualPolitica = reais("20,00");
    r.inicioPolitica = QTime(0, 0);
    r.terminoPolitica = QTime(23, 59, 59);
    r.politicaDia[4] = true;
    Dados d = dados();
    d.pessoas = QStringLiteral("1");
    const QDateTime agora(kHoje, QTime(14, 0));

    auto recusa = verificarPolitica(DM->Conexao, d, r, agora);
    ASSERT_TRUE(recusa.has_value());
    EXPECT_EQ(recusa->mensagem, QStringLiteral("Impossível realizar esta entrada com essas condições, isso infringe a "
                                               "política de ocupação, consulte a gerência!"));
    EXPECT_FALSE(recusa->erro);

    Regras gerente = r;
    gerente.movimentos = true;
    EXPECT_FALSE(verificarPolitica(DM->Conexao, d, gerente, agora).has_value());
    Dados comReserva = d;
    comReserva.reserva = 99;
    EXPECT_FALSE(verificarPolitica(DM->Conexao, comReserva, r, agora).has_value());
    Dados dupla = d;
    dupla.pessoas = QStringLiteral("2");
    EXPECT_FALSE(verificarPolitica(DM->Conexao, dupla, r, agora).has_value());

    // One below the share passes; a closed stay does not count.
    banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S'"));
    EXPECT_FALSE(verificarPolitica(DM->Conexao, d, r, agora).has_value());
}

TEST_F(Entrada_, CadeiaNaOrdem)
{
    auto nuncaPergunta = [](const QString &) -> bool {
        ADD_FAILURE() << "pergunta inesperada";
        return true;
    };
    Regras r;
    r.limiteDesconto = reais("10,00");

    // Departure before arrival: refused before anything else.
    Dados d = dados();
    d.dataSaida = kHoje.addDays(-1);
    d.cliente = 0;
    Verificacao v = verificar(DM->Conexao, d, r, Relogio::agora(), nuncaPergunta);
    ASSERT_TRUE(v.recusa.has_value());
    EXPECT_EQ(v.recusa->mensagem, QStringLiteral("Data de Entrada Maior que Data de Saída"));
    EXPECT_EQ(v.recusa->foco, Campo::Saida);

    // A reservation of the room on the departure day clashes (plain box), before the field checks.
    const qint64 res = reserva(uh101, kHoje.addDays(2), kHoje.addDays(4));
    d = dados();
    d.cliente = 0;
    v = verificar(DM->Conexao, d, r, Relogio::agora(), nuncaPergunta);
    ASSERT_TRUE(v.recusa.has_value());
    EXPECT_EQ(v.recusa->mensagem, QStringLiteral("Entrada não pode ser realizada nessa UH, Possui uma Reserva que se "
                                                 "choca com esta data de Saída!"));
    EXPECT_FALSE(v.recusa->erro);
    // Choosing that reservation skips the clash test.
    d.reserva = res;
    v = verificar(DM->Conexao, d, r, Relogio::agora(), nuncaPergunta);
    ASSERT_TRUE(v.recusa.has_value());
    EXPECT_EQ(v.recusa->mensagem, QStringLiteral("Cliente Inválido!"));
    d.dataSaida = kHoje.addDays(1);
    d.reserva = 0;
    d.cliente = ana;
    EXPECT_TRUE(verificar(DM->Conexao, d, r, Relogio::agora(), nuncaPergunta).ok());
}

TEST_F(Entrada_, OutrasUHsParaOGrupo)
{
    const qint64 casal = banco()
                             .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2) "
                                                   "VALUES ('CASAL', 'CS', 90, 120) RETURNING ID_TIPO_UH"))
                             .toLongLong();
    const qint64 triplo = banco()
                              .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P3) "
                                                    "VALUES ('TRIPLO', 'TR', 90, 120, 150) RETURNING ID_TIPO_UH"))
                              .toLongLong();
    quarto(casal, QStringLiteral("201"), QStringLiteral("L"), QStringLiteral("FRENTE"));
    quarto(casal, QStringLiteral("202"), QStringLiteral("O"), QStringLiteral("FUNDOS")); // occupied
    quarto(triplo, QStringLiteral("301"), QStringLiteral("L"), QStringLiteral("TERRAÇO"));
    quarto(luxo, QStringLiteral("102"), QStringLiteral("L"), QStringLiteral("MESMO TIPO"));

    Regras r;
    r.limiteDesconto = reais("10,00");
    QStringList perguntas;
    bool resposta = false;
    auto perguntar = [&](const QString &t) {
        perguntas << t;
        return resposta;
    };
    Dados d = dados(); // 2 persons: only a type priced for exactly 2 (CASAL) is offered
    Verificacao v = verificar(DM->Conexao, d, r, Relogio::agora(), perguntar);
    EXPECT_TRUE(v.abandonada);
    EXPECT_FALSE(v.recusa.has_value());
    ASSERT_EQ(perguntas.size(), 1);
    EXPECT_EQ(perguntas[0], QStringLiteral("O Sistema encontrou outras opções para a conclusão desta hospedagem!\n\n"
                                           "UH 201 - CASAL -> (FRENTE)\n\n"
                                           "Deseja Realmente colocar o hospede na UH 101?"));
    resposta = true;
    EXPECT_TRUE(verificar(DM->Conexao, d, r, Relogio::agora(), perguntar).ok());

    // A reservation chosen: nothing is offered.
    perguntas.clear();
    d.reserva = reserva(uh101, kHoje, kHoje.addDays(2));
    EXPECT_TRUE(verificar(DM->Conexao, d, r, Relogio::agora(), perguntar).ok());
    EXPECT_TRUE(perguntas.isEmpty());

    // Three persons: the TRIPLO type.
    d = dados();
    d.pessoas = QStringLiteral("3");
    const QList<Alternativa> alt = alternativas(DM->Conexao, d);
    ASSERT_EQ(alt.size(), 1);
    EXPECT_EQ(alt[0].numero, QStringLiteral("301"));
}

TEST_F(Entrada_, RegrasLidasDosParametros)
{
    banco().executar(QStringLiteral("UPDATE PARAMETROS SET TRAVAR_HOSPEDES = 'S', LIMITE_DESCONTO = 12.5, "
                                    "DIARIA_MAIOR = 'N', PERCENTUAL_POLITICA_INDIVIDUAL = 30, "
                                    "INICIO_POLITICA = '22:00:00', TERMINO_POLITICA = '06:00:00', "
                                    "POLITICA_QUINTA = 'S', POLITICA_DOMINGO = 'S', MODO_MOTEL = 'S'"));
    tParametros().recarregar();
    Sessao::atual().direitos.MOVIMENTOS = true;
    const Regras r = Regras::atuais();
    tParametros().definir(Linha());
    EXPECT_TRUE(r.movimentos);
    EXPECT_TRUE(r.travarHospedes);
    EXPECT_EQ(r.limiteDesconto, reais("12,50"));
    EXPECT_FALSE(r.diariaMaior);
    EXPECT_EQ(r.percentualPolitica, reais("30,00"));
    EXPECT_EQ(r.inicioPolitica, QTime(22, 0));
    EXPECT_EQ(r.terminoPolitica, QTime(6, 0));
    for (int dia = 1; dia <= 7; ++dia)
        EXPECT_EQ(r.politicaDia[dia], dia == 4 || dia == 7) << dia;
    EXPECT_TRUE(r.motel);
}

// ------------------------------------------------------------------ saves

TEST_F(Entrada_, CheckInComReservaGravaTudoNumaChave)
{
    const qint64 res = reserva(uh101, kHoje, kHoje.addDays(2));
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'R' WHERE ID_UH = ?"), {uh101});
    const qint64 pdv =
        banco().valor(QStringLiteral("INSERT INTO PDV (DESCRICAO, TAXA) VALUES ('BAR', 10) RETURNING ID_PDV")).toLongLong();
    const qint64 agua = banco()
                            .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ID_PDV, ESTOQUE, "
                                                  "FAB_PROPRIA) VALUES ('AGUA', 4, ?, 10, 'N') RETURNING ID_P_S"),
                                   {pdv})
                            .toLongLong();
    const qint64 toalha =
        banco().valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO) VALUES ('TOALHA') RETURNING ID_ITEM")).toLongLong();
    // Another workstation drew a stay key meanwhile: the key is never predicted.
    banco().gerador(QStringLiteral("GEN_ID_WALK_IN"), 1);

    Dados d = dados();
    d.reserva = res;
    d.obs = QStringLiteral("cama extra d'água");
    d.hospedes = {QStringLiteral("jose")};
    d.veiculos = {{QStringLiteral("gol"), QStringLiteral("abc1d23")}};
    Consumo::LinhaNova agua2;
    agua2.produto = agua;
    agua2.descricao = QStringLiteral("AGUA");
    agua2.qtd = QStringLiteral("2");
    agua2.valorUnit = QStringLiteral("4,00");
    agua2.data = kHoje;
    d.consumo = {agua2};
    d.itens = {{toalha, 2}};
    d.frigobar = {{agua, 3, reais("4,50")}};

    const Gravacao g = incluir(DM->Conexao, d, QStringLiteral("ADMIN"), kHoje);
    ASSERT_FALSE(g.recusa.has_value()) << g.recusa->mensagem.toStdString();
    EXPECT_EQ(g.idEntrada, contar(QStringLiteral("SELECT GEN_ID(GEN_ID_WALK_IN, 0) FROM RDB$DATABASE")));

    const Linha w = banco().ler(QStringLiteral("SELECT * FROM WALK_IN"));
    EXPECT_EQ(w.inteiro(QStringLiteral("ID_WALK_IN")), g.idEntrada);
    EXPECT_EQ(w.inteiro(QStringLiteral("ID_RESERVA")), res);
    EXPECT_EQ(w.data(QStringLiteral("DATA_ENTRADA")), kHoje);
    EXPECT_EQ(w.hora(QStringLiteral("HORA_ENTRADA")), QTime(14, 0));
    EXPECT_EQ(w.data(QStringLiteral("DATA_SAIDA")), kHoje.addDays(2));
    EXPECT_EQ(w.hora(QStringLiteral("HORA_SAIDA")), QTime(12, 0));
    EXPECT_EQ(w.inteiro(QStringLiteral("ID_CLIENTE")), ana);
    EXPECT_EQ(w.inteiro(QStringLiteral("ID_UH")), uh101);
    EXPECT_EQ(w.inteiro(QStringLiteral("QTD_ADULTOS")), 2);
    EXPECT_EQ(w.dinheiro(QStringLiteral("VALOR_DIARIA")), reais("150,00"));
    EXPECT_EQ(w.texto(QStringLiteral("BAIXA")), QStringLiteral("N"));
    EXPECT_EQ(w.texto(QStringLiteral("EXCLUIDO")), QStringLiteral("N"));
    EXPECT_EQ(w.texto(QStringLiteral("OBS")), QStringLiteral("CAMA EXTRA D'ÁGUA"));
    for (const char *col : {"DINHEIRO", "VISA", "MASTER", "HIPER", "CHEQUE", "NOTA", "DEBVISA", "DEBMASTER",
                            "ADIANTADO", "DESCONTO", "ACRESCIMO"})
        EXPECT_TRUE(w.dinheiro(QString::fromLatin1(col)).zero()) << col;
    EXPECT_FALSE(w.nulo(QStringLiteral("ADIANTADO")));
    EXPECT_EQ(w.texto(QStringLiteral("NF")), QStringLiteral("N"));
    EXPECT_EQ(w.texto(QStringLiteral("USUARIO_ENTRADA")), QStringLiteral("ADMIN"));
    EXPECT_EQ(w.inteiro(QStringLiteral("FUNCIONARIO_LIMPEZA")), 0);

    EXPECT_EQ(banco().valor(QStringLiteral("SELECT CONFIRMADA FROM RESERVA WHERE ID_RESERVA = ?"), {res}).toString(),
              QStringLiteral("S"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA_UH")), 0);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {uh101}).toString(),
              QStringLiteral("O"));

    // No responsible guest: the customer is a guest too, with the guest typed.
    QStringList nomes;
    for (const Linha &h : banco().lerTodas(
             QStringLiteral("SELECT NOME, BAIXA FROM HOSPEDE WHERE ID_ENTRADA = ? ORDER BY NOME"), {g.idEntrada})) {
        nomes << h.texto(QStringLiteral("NOME"));
        EXPECT_EQ(h.texto(QStringLiteral("BAIXA")), QStringLiteral("N"));
    }
    EXPECT_EQ(nomes, (QStringList{QStringLiteral("ANA D'ÁVILA"), QStringLiteral("JOSE")}));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM HOSPEDE")), 2);

    const Linha v = banco().ler(QStringLiteral("SELECT * FROM VEICULO"));
    EXPECT_EQ(v.inteiro(QStringLiteral("ID_ENTRADA")), g.idEntrada);
    EXPECT_EQ(v.texto(QStringLiteral("MODELO")), QStringLiteral("GOL"));
    EXPECT_EQ(v.texto(QStringLiteral("PLACA")), QStringLiteral("ABC1D23"));

    const Linha c = banco().ler(QStringLiteral("SELECT * FROM DESPESA_UH"));
    EXPECT_EQ(c.inteiro(QStringLiteral("ID_ENTRADA")), g.idEntrada);
    EXPECT_EQ(c.inteiro(QStringLiteral("QTD")), 2);
    EXPECT_EQ(c.dinheiro(QStringLiteral("TAXA")), reais("10,00"));
    EXPECT_EQ(contar(QStringLiteral("SELECT ESTOQUE FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {agua}), 8);

    const Linha i = banco().ler(QStringLiteral("SELECT * FROM ITEM_ENTRADA"));
    EXPECT_EQ(i.inteiro(QStringLiteral("ID_ENTRADA")), g.idEntrada);
    EXPECT_EQ(i.inteiro(QStringLiteral("QTD")), 2);
    const Linha f = banco().ler(QStringLiteral("SELECT * FROM PS_ENTRADA"));
    EXPECT_EQ(f.inteiro(QStringLiteral("ID_ENTRADA")), g.idEntrada);
    EXPECT_EQ(f.dinheiro(QStringLiteral("VALOR")), reais("4,50"));

    const Linha o = banco().ler(QStringLiteral("SELECT * FROM OCUPACAO"));
    EXPECT_EQ(o.inteiro(QStringLiteral("ID_ENTRADA")), g.idEntrada);
    EXPECT_EQ(o.data(QStringLiteral("DATA")), kHoje);
    EXPECT_EQ(o.dinheiro(QStringLiteral("VALOR")), reais("150,00"));
    EXPECT_EQ(o.inteiro(QStringLiteral("QTD")), 2);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM OCUPACAO")), 1);

    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = ? AND USUARIO = 'ADMIN'"),
                     {QStringLiteral("Incluiu Entrada de Hóspede -> Código %1 (ANA D'ÁVILA - 101)").arg(g.idEntrada)}),
              1);
}

TEST_F(Entrada_, ResponsavelDispensaOClienteComoHospede)
{
    Dados d = dados();
    d.hospedes = {QStringLiteral("=JOSE")};
    const Gravacao g = incluir(DM->Conexao, d, QStringLiteral("ADMIN"), kHoje);
    ASSERT_FALSE(g.recusa.has_value());
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT LIST(NOME) FROM HOSPEDE")).toString(), QStringLiteral("=JOSE"));
}

TEST_F(Entrada_, UHJaTomadaNaoGravaNada)
{
    const qint64 res = reserva(uh101, kHoje, kHoje.addDays(2));
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'M' WHERE ID_UH = ?"), {uh101});
    const qint64 agua = banco()
                            .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ESTOQUE) "
                                                  "VALUES ('AGUA', 4, 10) RETURNING ID_P_S"))
                            .toLongLong();
    Dados d = dados();
    d.reserva = res;
    Consumo::LinhaNova l;
    l.produto = agua;
    l.qtd = QStringLiteral("3");
    l.valorUnit = QStringLiteral("4,00");
    d.consumo = {l};
    const Gravacao g = incluir(DM->Conexao, d, QStringLiteral("ADMIN"), kHoje);
    ASSERT_TRUE(g.recusa.has_value());
    EXPECT_EQ(g.recusa->mensagem, textoUHIndisponivel(QStringLiteral("101")));
    EXPECT_EQ(g.recusa->foco, Campo::UH);
    EXPECT_EQ(g.idEntrada, 0);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT CONFIRMADA FROM RESERVA")).toString(), QStringLiteral("N"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA_UH")), 3);
    for (const char *t : {"WALK_IN", "HOSPEDE", "OCUPACAO", "DESPESA_UH"})
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QString::fromLatin1(t))), 0) << t;
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH 'Incluiu'")), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT ESTOQUE FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {agua}), 10);

    // A reservation confirmed on another workstation meanwhile.
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'R'"));
    banco().executar(QStringLiteral("UPDATE RESERVA SET CONFIRMADA = 'S'"));
    const Gravacao g2 = incluir(DM->Conexao, d, QStringLiteral("ADMIN"), kHoje);
    ASSERT_TRUE(g2.recusa.has_value());
    EXPECT_EQ(g2.recusa->mensagem, textoReservaIndisponivel());
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN")), 0);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT SITUACAO FROM UH")).toString(), QStringLiteral("R"));
}

TEST_F(Entrada_, ReservaDeOutraUHLiberaAQuelaUH)
{
    const qint64 uh102 = quarto(luxo, QStringLiteral("102"), QStringLiteral("R"));
    const qint64 res = reserva(uh102, kHoje, kHoje.addDays(1));
    Dados d = dados(); // the clerk chose 101 after loading the reservation of 102
    d.reserva = res;
    ASSERT_FALSE(incluir(DM->Conexao, d, QStringLiteral("ADMIN"), kHoje).recusa.has_value());
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {uh102}).toString(),
              QStringLiteral("L"));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {uh101}).toString(),
              QStringLiteral("O"));
}

TEST_F(Entrada_, DuasEstacoesNaMesmaUHFicamComUmaEntrada)
{
    // The other workstation occupies the room and writes its stay, and
    // commits only after this one has started its own check-in.
    const QString caminho = banco().caminho();
    std::promise<qint64> escreveu;
    std::promise<void> podeConfirmar;
    std::thread outra([&] {
        ConexaoBanco c(QStringLiteral("outra-estacao"), caminho);
        c.definirCaminho(caminho);
        c.conectar();
        c.iniciarTransacao();
        const int n = c.executar(
            QStringLiteral("UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ? AND SITUACAO IN ('L', 'R')"), {uh101});
        const qint64 id = c.valor(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, QTD_ADULTOS) "
                                                 "VALUES (?, ?, 1) RETURNING ID_WALK_IN"),
                                  {ana, uh101})
                              .toLongLong();
        escreveu.set_value(n == 1 ? id : 0);
        podeConfirmar.get_future().wait();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        c.confirmarTransacao();
        c.desconectar();
    });
    const qint64 daOutra = escreveu.get_future().get();
    ASSERT_GT(daOutra, 0);
    podeConfirmar.set_value();
    const Gravacao g = incluir(DM->Conexao, dados(), QStringLiteral("ADMIN"), kHoje);
    outra.join();
    ASSERT_TRUE(g.recusa.has_value());
    EXPECT_EQ(g.recusa->mensagem, textoUHIndisponivel(QStringLiteral("101")));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN")), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT ID_WALK_IN FROM WALK_IN")), daOutra);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM OCUPACAO")), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM HOSPEDE")), 0);
}

TEST_F(Entrada_, AlterarTrocaReservaEGravaColunas)
{
    const qint64 antiga = reserva(uh101, kHoje.addDays(10), kHoje.addDays(11));
    const qint64 nova = reserva(uh101, kHoje.addDays(20), kHoje.addDays(21));
    banco().executar(QStringLiteral("UPDATE RESERVA SET CONFIRMADA = 'S' WHERE ID_RESERVA = ?"), {antiga});
    Dados d = dados();
    const Gravacao g = incluir(DM->Conexao, d, QStringLiteral("ADMIN"), kHoje);
    ASSERT_FALSE(g.recusa.has_value());

    d.idEntrada = g.idEntrada;
    d.reserva = nova;
    d.reservaGravada = antiga;
    d.pessoas = QStringLiteral("3");
    d.diaria = QStringLiteral("1.234,56");
    d.dataSaida = kHoje.addDays(5);
    d.obs = QStringLiteral("o'neil");
    ASSERT_FALSE(alterar(DM->Conexao, d).recusa.has_value());
    const Linha w = banco().ler(QStringLiteral("SELECT * FROM WALK_IN"));
    EXPECT_EQ(w.inteiro(QStringLiteral("ID_RESERVA")), nova);
    EXPECT_EQ(w.inteiro(QStringLiteral("QTD_ADULTOS")), 3);
    EXPECT_EQ(w.dinheiro(QStringLiteral("VALOR_DIARIA")), reais("1.234,56"));
    EXPECT_EQ(w.data(QStringLiteral("DATA_SAIDA")), kHoje.addDays(5));
    EXPECT_EQ(w.texto(QStringLiteral("OBS")), QStringLiteral("O'NEIL"));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT CONFIRMADA FROM RESERVA WHERE ID_RESERVA = ?"), {nova}).toString(),
              QStringLiteral("S"));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT CONFIRMADA FROM RESERVA WHERE ID_RESERVA = ?"), {antiga}).toString(),
              QStringLiteral("N"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = ?"),
                     {QStringLiteral("Alterou Entrada de Hóspede -> Código %1 (ANA D'ÁVILA - 101)").arg(g.idEntrada)}),
              1);

    d.idEntrada = 999;
    const Gravacao sumiu = alterar(DM->Conexao, d);
    ASSERT_TRUE(sumiu.recusa.has_value());
    EXPECT_EQ(sumiu.recusa->mensagem, QStringLiteral("Esta entrada não existe mais."));
}

TEST_F(Entrada_, HospedesEVeiculosDeEstadiaGravadaNaConexaoDada)
{
    const Gravacao g = incluir(DM->Conexao, dados(), QStringLiteral("ADMIN"), kHoje);
    ASSERT_FALSE(g.recusa.has_value());
    const qint64 e = g.idEntrada;
    banco().executar(QStringLiteral("UPDATE CLIENTE SET VALOR_MIN = 95.5 WHERE ID_CLIENTE = ?"), {ana});
    const auto logs = [&](const QString &op) {
        return contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = ?"), {op});
    };

    // Another workstation's connection: its rows and log lines together.
    ConexaoBanco outra(QStringLiteral("outra-estacao"), banco().caminho());
    outra.definirCaminho(banco().caminho());
    outra.conectar();
    incluirHospede(outra, e, QStringLiteral("maria d'ávila"), QStringLiteral("101"));
    incluirVeiculo(outra, e, Veiculo{QStringLiteral("gol"), QStringLiteral("abc1234")});
    const qint64 maria =
        contar(QStringLiteral("SELECT ID_HOSPEDE FROM HOSPEDE WHERE ID_ENTRADA = ? AND NOME = ?"),
               {e, QStringLiteral("MARIA D'ÁVILA")});
    const qint64 gol = contar(QStringLiteral("SELECT ID_VEICULO FROM VEICULO WHERE ID_ENTRADA = ? AND MODELO = 'GOL' "
                                             "AND PLACA = 'ABC1234'"),
                              {e});
    ASSERT_GT(maria, 0);
    ASSERT_GT(gol, 0);
    EXPECT_EQ(logs(QStringLiteral("Incluiu Hóspede Acompanhante -> Código %1 (MARIA D'ÁVILA - 101)").arg(e)), 1);
    EXPECT_EQ(logs(QStringLiteral("Incluiu Veículo -> Código %1 (GOL - ABC1234)").arg(e)), 1);

    // What the checks read back: the stored guests after those held, the
    // customer's floor.
    Dados d = dados();
    d.idEntrada = e;
    d.existente = true;
    d.hospedes = QStringList{QStringLiteral("EM MEMÓRIA")};
    lerGravados(outra, d);
    EXPECT_EQ(d.hospedes, (QStringList{QStringLiteral("EM MEMÓRIA"), QStringLiteral("ANA D'ÁVILA"),
                                       QStringLiteral("MARIA D'ÁVILA")}));
    EXPECT_EQ(d.valorMinCliente, reais("95,50"));

    // A row of another stay is never removed, and nothing is logged for it.
    const Veiculo v{QStringLiteral("GOL"), QStringLiteral("ABC1234")};
    EXPECT_FALSE(excluirHospede(outra, e + 1, maria, QStringLiteral("MARIA D'ÁVILA"), QStringLiteral("101")));
    EXPECT_FALSE(excluirVeiculo(outra, e + 1, gol, v));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM HOSPEDE WHERE ID_HOSPEDE = ?"), {maria}), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM VEICULO WHERE ID_VEICULO = ?"), {gol}), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH 'Excluiu'")), 0);

    EXPECT_TRUE(excluirHospede(outra, e, maria, QStringLiteral("MARIA D'ÁVILA"), QStringLiteral("101")));
    EXPECT_TRUE(excluirVeiculo(outra, e, gol, v));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM HOSPEDE WHERE ID_HOSPEDE = ?"), {maria}), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM VEICULO WHERE ID_VEICULO = ?"), {gol}), 0);
    EXPECT_EQ(logs(QStringLiteral("Excluiu Hóspede Acompanhante -> Código %1 (MARIA D'ÁVILA - 101)").arg(e)), 1);
    EXPECT_EQ(logs(QStringLiteral("Excluiu Veículo -> Código %1 (GOL - ABC1234)").arg(e)), 1);
    outra.desconectar();
}

} // namespace
