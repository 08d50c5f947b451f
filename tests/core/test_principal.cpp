// The main window: the ribbon and its rights, the show sequence after the
// login, the settings load, the cash-register gate, the automatic room
// states and leaving the program.
#include "base/Erros.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "core/UnitAcesso.h"
#include "app/UnitQuintara.h"
#include "finance/UnitCadCaixa.h"
#include "finance/UnitCaixa.h"
#include "support/BancoTeste.h"
#include "core/UnitAnulacoes.h"
#include "core/UnitParametros.h"
#include "core/UnitUsuarios.h"

#include <QLabel>
#include <QLineEdit>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>
#include <QToolButton>

namespace {
QString u8(const char *t) { return QString::fromUtf8(t); }
} // namespace

class PrincipalTeste : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Sessao::reiniciar();
        Sessao::atual().AuxNomePC = QStringLiteral("SERVIDOR");
        Sessao::atual().AuxTipoPC = QStringLiteral("NORMA");
        janela = std::make_unique<TFrmQuintara>();
    }
    void TearDown() override
    {
        janela.reset();
        tParametros().definir(Linha());
        Sessao::reiniciar();
        BancoTeste::TearDown();
    }

    // The login dialog answered with this user and password.
    void loginCom(const QString &login, const QString &senha)
    {
        Telas::interceptar<TFrmAcesso>([login, senha](TFrmAcesso *f) {
            EXPECT_TRUE(f->escolherUsuario(login));
            f->edtSenha->setText(senha);
            f->btnAcessarClick();
            return f->result();
        });
    }
    void abrirCaixa(const QString &usuario)
    {
        banco().executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, USUARIO, TURNO) VALUES (?, ?, ?, 1)"),
                         {QDate(2026, 12, 10), QTime(8, 0), usuario});
    }
    QStringList operacoes()
    {
        QStringList l;
        for (const Linha &r : banco().lerTodas(QStringLiteral("SELECT USUARIO, OPERACAO FROM LOG ORDER BY ID_LOG")))
            l.append(r.texto(QStringLiteral("USUARIO")) + QLatin1Char('|') + r.texto(QStringLiteral("OPERACAO")));
        return l;
    }
    qint64 uh(const QString &numero, const QString &situacao, const QString &excluido = QStringLiteral("N"))
    {
        return banco()
            .ler(QStringLiteral("INSERT INTO UH (NUMERO, SITUACAO, EXCLUIDO) VALUES (?, ?, ?) RETURNING ID_UH"),
                 {numero, situacao, excluido})
            .inteiro(QStringLiteral("ID_UH"));
    }
    // A reservation of room `idUH` with one reserved day per date.
    void reserva(qint64 idUH, const QList<QDate> &dias, const QString &confirmada = QStringLiteral("N"),
                 const QString &excluido = QStringLiteral("N"))
    {
        const qint64 id = banco()
                              .ler(QStringLiteral("INSERT INTO RESERVA (DATA_ENTRADA, DATA_SAIDA, ID_CLIENTE, ID_UH, "
                                                  "QTD_PESSOAS, CONFIRMADA, EXCLUIDO) VALUES (?, ?, 1, ?, 1, ?, ?) "
                                                  "RETURNING ID_RESERVA"),
                                   {dias.first(), dias.last(), idUH, confirmada, excluido})
                              .inteiro(QStringLiteral("ID_RESERVA"));
        for (const QDate &d : dias)
            banco().executar(QStringLiteral("INSERT INTO RESERVA_UH (ID_RESERVA, DATA_ENTRADA, ID_UH) VALUES (?, ?, ?)"),
                             {id, d, idUH});
    }
    QString situacao(qint64 idUH)
    {
        return banco().ler(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {idUH}).texto(QStringLiteral("SITUACAO"));
    }
    // Buttons of the ribbon that are disabled, as "tab/caption".
    QSet<QString> desabilitados()
    {
        QSet<QString> r;
        for (const Ribbon::Entrada &e : Ribbon::entradas()) {
            QToolButton *b = janela->dxRibbon1->botao(u8(e.aba), u8(e.legenda));
            if (b && !b->isEnabled())
                r.insert(u8(e.aba) + QLatin1Char('/') + u8(e.legenda));
        }
        return r;
    }
    void registrarTodos()
    {
        for (const Ribbon::Entrada &e : Ribbon::entradas())
            if (e.manipulador[0] != '\0')
                janela->registrarComando(QString::fromLatin1(e.manipulador), [] {});
    }

    std::unique_ptr<TFrmQuintara> janela;
    const QDate hoje{2026, 12, 10};
};

// ------------------------------------------------------------ ribbon

TEST_F(PrincipalTeste, FaixaDeOpcoesAbasGruposEDicas)
{
    TRibbon *r = janela->dxRibbon1;
    EXPECT_EQ(janela->windowTitle(), u8("Zentro Vedez 4 - Sistema de Gestão Hoteleira"));
    QStringList abas;
    for (int i = 0; i < r->count(); ++i)
        abas.append(r->tabText(i));
    EXPECT_EQ(abas, (QStringList{u8("Cadastros"), u8("Financeiro"), u8("Consultas"), u8("Fiscalização"), u8("Gráficos"),
                                 u8("Relatórios"), u8("Utilitários"), u8("Configurações"), u8("Informações"),
                                 u8("Integração"), u8("Pesquisa de Satisfação")}));
    EXPECT_EQ(r->currentIndex(), 0);
    QStringList gruposRelatorios;
    for (const Ribbon::Entrada &e : Ribbon::entradas()) {
        QToolButton *b = r->botao(u8(e.aba), u8(e.legenda));
        ASSERT_NE(b, nullptr) << e.legenda;
        EXPECT_EQ(b->toolTip(), b->text());
        EXPECT_EQ(b->toolButtonStyle() == Qt::ToolButtonTextUnderIcon, u8(e.aba) != u8("Relatórios")) << e.legenda;
        if (u8(e.aba) == u8("Relatórios") && !gruposRelatorios.contains(u8(e.grupo)))
            gruposRelatorios.append(u8(e.grupo));
    }
    EXPECT_EQ(gruposRelatorios, (QStringList{u8("Gerenciais"), u8("Financeiros"), u8("Extratos")}));
    // Handler names are unique: a subsystem wires exactly one button.
    QSet<QString> nomes;
    int comComando = 0;
    for (const Ribbon::Entrada &e : Ribbon::entradas())
        if (e.manipulador[0] != '\0') {
            nomes.insert(QString::fromLatin1(e.manipulador));
            ++comComando;
        }
    EXPECT_EQ(nomes.size(), comComando);
    EXPECT_EQ(r->botao(QStringLiteral("dxBarLargeButton12Click"))->text(), QStringLiteral("Caixa"));
}

TEST_F(PrincipalTeste, BotaoSemComandoFicaVisivelEDesabilitadoAteSerRegistrado)
{
    // Every subsystem registers its entries with the window, so a ribbon of
    // its own shows an entry before anything is registered.
    TRibbon ribbon;
    Direitos todos;
    todos.MOVIMENTOS = true;
    ribbon.aplicarDireitos(todos, false);
    QToolButton *osMaisMais = ribbon.botao(u8("Relatórios"), u8("Os Mais Mais"));
    EXPECT_FALSE(osMaisMais->isEnabled());
    EXPECT_FALSE(osMaisMais->isHidden());
    int cliques = 0;
    ribbon.registrarComando(QStringLiteral("btnRelOsMaisMaisClick"), [&] { ++cliques; });
    EXPECT_TRUE(osMaisMais->isEnabled());
    osMaisMais->click();
    EXPECT_EQ(cliques, 1);
    Sessao::atual().direitos.MOVIMENTOS = true;
    janela->CarregaPermissoes();
    // The window's own commands work from the start; the survey buttons have none and do nothing.
    EXPECT_TRUE(janela->dxRibbon1->botao(QStringLiteral("dxBarLargeButton12Click"))->isEnabled());
    EXPECT_TRUE(janela->dxRibbon1->botao(QStringLiteral("btnLogClick"))->isEnabled());
    for (const char *p : {"Análises", "Perguntas", "Respostas"})
        EXPECT_TRUE(janela->dxRibbon1->botao(u8("Pesquisa de Satisfação"), u8(p))->isEnabled()) << p;
    EXPECT_THROW(janela->registrarComando(QStringLiteral("btnQueNaoExisteClick"), [] {}), ErroSistema);
}

TEST_F(PrincipalTeste, DireitosHabilitamOsBotoes)
{
    registrarTodos();
    const QSet<QString> porMovimentos{
        u8("Cadastros/Funcionários"),         u8("Financeiro/Movimento Financeiro"), u8("Financeiro/Cheques"),
        u8("Consultas/Mapa de Rede Online"),  u8("Fiscalização/Notas Fiscais"),      u8("Gráficos/Gráfico de Ocupação"),
        u8("Gráficos/Gráficos Financeiros"),  u8("Relatórios/Funcionários"),         u8("Relatórios/Os Mais Mais"),
        u8("Relatórios/Notas Fiscais"),       u8("Relatórios/Movimento Financeiro"), u8("Informações/Log de Registro"),
    };
    const QString parametros = u8("Configurações/Parâmetros");
    const QString usuarios = u8("Configurações/Usuários e Permissões");
    const QString controle = u8("Integração/Sincronizar Zentro Controle");
    struct Caso {
        const char *nome;
        std::function<void(Direitos &)> direitos;
        bool zentroControle;
        QSet<QString> esperado;
    };
    const QList<Caso> casos{
        {"sem direitos", [](Direitos &) {}, false, porMovimentos + QSet<QString>{parametros, usuarios, controle}},
        {"MOVIMENTOS", [](Direitos &d) { d.MOVIMENTOS = true; }, false, {parametros, usuarios, controle}},
        {"USUARIOS e PARAMETROS", [](Direitos &d) { d.USUARIOS = d.PARAMETROS = true; }, false,
         porMovimentos + QSet<QString>{controle}},
        {"todos os outros", [](Direitos &d) { d.INCLUI = d.ALTERA = d.EXCLUI = d.CONSULTA = d.IMPRIME = d.UTILITARIOS = d.ACESSO_TOTAL = true; },
         false, porMovimentos + QSet<QString>{parametros, usuarios, controle}},
        {"ZENTROCONTROLE S", [](Direitos &d) { d.MOVIMENTOS = d.USUARIOS = d.PARAMETROS = true; }, true, {}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        Direitos d;
        c.direitos(d);
        Sessao::atual().direitos = d;
        banco().executar(QStringLiteral("UPDATE PARAMETROS SET ZENTROCONTROLE = ?"),
                         {c.zentroControle ? QStringLiteral("S") : QStringLiteral("N")});
        tParametros().recarregar();
        janela->CarregaPermissoes();
        EXPECT_EQ(desabilitados(), c.esperado);
    }
}

// ------------------------------------------------------------ settings

TEST_F(PrincipalTeste, ParametrosRegistramVersaoEPreenchemABarraDeStatus)
{
    Sessao::atual().login = QStringLiteral("ADMIN");
    ASSERT_TRUE(janela->tParametrosAfterOpen());
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT ULTIMA_VERSAO FROM PARAMETROS")).texto(QStringLiteral("ULTIMA_VERSAO")),
              GetVersaoArq());
    EXPECT_EQ(janela->JvLabel4->text(), QStringLiteral("HOTEL MODELO"));
    EXPECT_EQ(janela->painel(2)->text(), QStringLiteral("EMPRESA: HOTEL MODELO"));
    EXPECT_EQ(janela->painel(3)->text(), u8("USUÁRIO: ADMIN"));
    EXPECT_EQ(janela->painel(4)->text(), u8("Versão: ") + GetVersaoArq());
    EXPECT_EQ(janela->painel(5)->text(), QString());
    EXPECT_EQ(janela->painel(6)->text(), QStringLiteral("BD: Script 113"));
    janela->Timer1Timer();
    EXPECT_EQ(janela->painel(0)->text(), QStringLiteral("10/12/2026"));
    EXPECT_EQ(janela->painel(1)->text(), QStringLiteral("10:00:00"));
    // A later reload (the settings screen saving) shows the new name.
    banco().executar(QStringLiteral("UPDATE PARAMETROS SET NOME_FANTASIA = 'POUSADA SOL'"));
    tParametros().recarregar();
    EXPECT_EQ(janela->painel(2)->text(), QStringLiteral("EMPRESA: POUSADA SOL"));
    EXPECT_FALSE(janela->encerrado());
}

TEST_F(PrincipalTeste, EsquemaAbaixoDe113EncerraDepoisDeRegistrarAVersao)
{
    banco().executar(QStringLiteral("UPDATE PARAMETROS SET SCRIPT = 112, ULTIMA_VERSAO = ''"));
    msg->esperar(u8("Versão do Banco de Dados desatualizado, para atualização, Entre em contato com a calvori!"));
    EXPECT_FALSE(janela->tParametrosAfterOpen());
    EXPECT_TRUE(janela->encerrado());
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT ULTIMA_VERSAO FROM PARAMETROS")).texto(QStringLiteral("ULTIMA_VERSAO")),
              GetVersaoArq());
}

// ------------------------------------------------------------ show sequence

TEST_F(PrincipalTeste, EntradaComUmCaixaAbertoInformaODonoEPreparaODia)
{
    abrirCaixa(QStringLiteral("MARIA"));
    const qint64 livre = uh(QStringLiteral("101"), QStringLiteral("L"));
    reserva(livre, {hoje});
    Sessao &s = Sessao::atual();
    s.WalkInExpresso = true;
    s.WalkInExpressoCLIENTE = QStringLiteral("7");
    s.WalkInExpressoUH = QStringLiteral("3");
    s.AuxTipoPC = QStringLiteral("RESTA");
    s.mostroualerta = s.mostrouaviso = true;
    int consumo = 0;
    janela->abrirConsumoRestaurante = [&] { ++consumo; };
    loginCom(QStringLiteral("ADMIN"), QStringLiteral("ADMIN"));
    msg->esperar(QStringLiteral("AVISO!!!  O Caixa se Encontra Aberto para o Usuário:     MARIA     Se não for você, "
                                "Favor Registrar o Fechamento do Caixa!"));

    ASSERT_TRUE(janela->iniciarSessao());
    EXPECT_TRUE(janela->logado());
    EXPECT_EQ(janela->JvLabel5->text(), QStringLiteral("ADMIN"));
    EXPECT_EQ(janela->painel(3)->text(), u8("USUÁRIO: ADMIN"));
    EXPECT_EQ(janela->Abriu(), 2);
    EXPECT_FALSE(s.WalkInExpresso);
    EXPECT_TRUE(s.WalkInExpressoCLIENTE.isEmpty() && s.WalkInExpressoUH.isEmpty());
    EXPECT_FALSE(s.mostroualerta || s.mostrouaviso);
    EXPECT_EQ(s.Data_Abertura, hoje);
    EXPECT_TRUE(s.Ponto_Vazio);
    // A user with ACESSO_TOTAL works as on an ordinary front desk.
    EXPECT_EQ(s.AuxTipoPC, QStringLiteral("NORMA"));
    EXPECT_EQ(consumo, 0);
    EXPECT_EQ(situacao(livre), QStringLiteral("R"));
    EXPECT_EQ(operacoes(), (QStringList{u8("ADMIN|Acesso de Sistema"), u8("ADMIN|SISTEMA - Reserva Automática da UH 101")}));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT ACAO FROM ONLINE")).texto(QStringLiteral("ACAO")), u8("Tela Principal"));
    // The gate is done: further moves show nothing.
    janela->Image1MouseMove();
}

TEST_F(PrincipalTeste, LoginAbandonadoEncerraSemMaisNada)
{
    abrirCaixa(QStringLiteral("MARIA"));
    Telas::interceptar<TFrmAcesso>([](TFrmAcesso *) { return int(QDialog::Rejected); });
    EXPECT_FALSE(janela->iniciarSessao());
    EXPECT_TRUE(janela->encerrado());
    EXPECT_FALSE(janela->logado());
    EXPECT_TRUE(operacoes().isEmpty());
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT ULTIMA_VERSAO FROM PARAMETROS")).texto(QStringLiteral("ULTIMA_VERSAO")),
              QString());
    EXPECT_EQ(janela->JvLabel5->text(), u8("Usuário"));
    // Mouse moves after the end do nothing.
    janela->Image1MouseMove();
}

TEST_F(PrincipalTeste, ErroQueEncerraOLoginMostraOErroEEncerraSemAcesso)
{
    // Whatever ends the login dialog with an error (the user list that cannot
    // be read, a connection lost), nobody gets into the system.
    Telas::interceptar<TFrmAcesso>([](TFrmAcesso *) -> int {
        throw ErroBanco(QStringLiteral("Conexão com o banco de dados perdida"));
    });
    msg->esperar(QStringLiteral("Conexão com o banco de dados perdida"));
    EXPECT_FALSE(janela->iniciarSessao());
    EXPECT_EQ(msg->mostradas().last().tipo, Mensagem::Tipo::Erro);
    EXPECT_TRUE(janela->encerrado());
    EXPECT_FALSE(janela->logado());
    EXPECT_EQ(janela->JvLabel5->text(), u8("Usuário"));
    EXPECT_TRUE(operacoes().isEmpty());
}

TEST_F(PrincipalTeste, ErroDepoisDoLoginMantemOUsuarioOPortaoEASaida)
{
    // The settings step fails after a successful login: the error reaches the
    // error box and the window stays open with the user logged in.
    banco().executar(QStringLiteral("ALTER TABLE PARAMETROS DROP ULTIMA_VERSAO"));
    int telasCaixa = 0;
    Telas::interceptar<TFrmCaixa>([&](TFrmCaixa *) { ++telasCaixa; return int(QDialog::Rejected); });
    loginCom(QStringLiteral("ADMIN"), QStringLiteral("ADMIN"));
    EXPECT_THROW(janela->iniciarSessao(), ErroBanco);
    EXPECT_TRUE(janela->logado());
    EXPECT_FALSE(janela->encerrado());
    EXPECT_EQ(janela->JvLabel5->text(), QStringLiteral("ADMIN"));
    EXPECT_TRUE(janela->dxRibbon1->botao(QStringLiteral("btnLogClick"))->isEnabled());
    // The cash-register gate still demands an open shift on the next move.
    msg->esperar(u8("Necessário Abrir o Caixa para Funcionamento do Sistema!"));
    janela->Image1MouseMove();
    EXPECT_EQ(telasCaixa, 1);
    // Leaving still asks and keeps the presence on No.
    msg->esperar(u8("Deseja Realmente Sair do Sistema?"), Mensagem::Nao);
    janela->close();
    EXPECT_FALSE(janela->encerrado());
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT COUNT(*) AS N FROM ONLINE")).inteiro(QStringLiteral("N")), 1);
}

TEST_F(PrincipalTeste, PortaoDoCaixaInsisteAteHaverExatamenteUmTurnoAberto)
{
    int telasCaixa = 0;
    std::function<void()> noCaixa;
    Telas::interceptar<TFrmCaixa>([&](TFrmCaixa *f) {
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Caixa"));
        EXPECT_EQ(FrmCaixa, f);
        ++telasCaixa;
        if (noCaixa)
            noCaixa();
        return int(QDialog::Rejected);
    });
    const QString necessario = u8("Necessário Abrir o Caixa para Funcionamento do Sistema!");
    loginCom(QStringLiteral("ADMIN"), QStringLiteral("ADMIN"));
    msg->esperar(necessario);
    ASSERT_TRUE(janela->iniciarSessao());
    EXPECT_EQ(telasCaixa, 1);
    EXPECT_EQ(janela->Abriu(), 1);

    // Every move repeats the demand while no shift is open.
    msg->esperar(necessario);
    janela->Image1MouseMove();
    EXPECT_EQ(telasCaixa, 2);

    // A shift opened on the cash-register screen: the next move is satisfied, silently.
    noCaixa = [&] { abrirCaixa(QStringLiteral("BIA")); };
    msg->esperar(necessario);
    janela->Image1MouseMove();
    EXPECT_EQ(telasCaixa, 3);
    EXPECT_EQ(janela->Abriu(), 1);
    janela->Image1MouseMove();
    EXPECT_EQ(janela->Abriu(), 2);
    janela->Image1MouseMove();
    EXPECT_EQ(telasCaixa, 3);
    EXPECT_EQ(msg->mostradas().size(), 3);
}

TEST_F(PrincipalTeste, NovoUsuarioAbreOPrimeiroCaixaEChegaAJanelaPrincipal)
{
    // A fresh database: no shift was ever opened. A user just registered,
    // who may include records but not handle money, logs in.
    banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA, INCLUI) VALUES ('BIA', '123', 'S')"));
    ASSERT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM CAIXA")).toInt(), 0);
    Telas::interceptar<TFrmCaixa>([](TFrmCaixa *f) {
        f->reabrir();
        EXPECT_TRUE(f->btnAbrir->isEnabled());
        Telas::interceptar<TFrmCadCaixa>([](TFrmCadCaixa *c) {
            c->btnConfirmarClick();
            return c->result();
        });
        f->btnAbrirClick();
        f->btnSairClick();
        return f->result();
    });
    loginCom(QStringLiteral("BIA"), QStringLiteral("123"));
    msg->esperar(u8("Necessário Abrir o Caixa para Funcionamento do Sistema!"));
    msg->esperar(u8("Caixa Aberto com Sucesso!"));
    ASSERT_TRUE(janela->iniciarSessao());
    EXPECT_EQ(msg->pendentes(), 0);

    // The next move over the background finds the shift and lets the user work.
    janela->Image1MouseMove();
    EXPECT_EQ(janela->Abriu(), 2);
    janela->Image1MouseMove();
    EXPECT_EQ(msg->mostradas().size(), 2);
    const Linha turno = banco().ler(QStringLiteral("SELECT * FROM CAIXA"));
    EXPECT_EQ(turno.texto(QStringLiteral("USUARIO")), QStringLiteral("BIA"));
    EXPECT_EQ(turno.inteiro(QStringLiteral("TURNO")), 1);
    EXPECT_EQ(turno.data(QStringLiteral("DATA_ABERT")), hoje);
    EXPECT_TRUE(turno.nulo(QStringLiteral("DATA_FECHA")));
    EXPECT_EQ(operacoes(), (QStringList{u8("BIA|Acesso de Sistema"), u8("BIA|Registrou Abertura do Caixa")}));
    EXPECT_EQ(janela->JvLabel5->text(), QStringLiteral("BIA"));
}

TEST_F(PrincipalTeste, TerminalDeRestauranteVoltaAoConsumoACadaMovimento)
{
    abrirCaixa(QStringLiteral("ADMIN"));
    const qint64 id = banco()
                          .ler(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA, MOVIMENTOS) VALUES ('GARCOM', '1', 'S') "
                                              "RETURNING ID_USUARIO"))
                          .inteiro(QStringLiteral("ID_USUARIO"));
    ASSERT_GT(id, 1);
    Sessao::atual().AuxTipoPC = QStringLiteral("RESTA");
    int consumo = 0;
    janela->abrirConsumoRestaurante = [&] { ++consumo; };
    loginCom(QStringLiteral("GARCOM"), QStringLiteral("1"));
    msg->esperar({});
    ASSERT_TRUE(janela->iniciarSessao());
    EXPECT_EQ(consumo, 1);
    janela->Image1MouseMove();
    EXPECT_EQ(consumo, 2);
    EXPECT_EQ(Sessao::atual().AuxTipoPC, QStringLiteral("RESTA"));
}

// ------------------------------------------------------------ room states

TEST_F(PrincipalTeste, SituacaoDasUHsSegueAsReservasDoDia)
{
    const QDate ontem = hoje.addDays(-1), amanha = hoje.addDays(1);
    const qint64 u101 = uh(QStringLiteral("101"), QStringLiteral("L"));
    reserva(u101, {ontem, hoje, amanha}); // arrived yesterday: today is its second day
    const qint64 u102 = uh(QStringLiteral("102"), QStringLiteral("L"));
    reserva(u102, {hoje}, QStringLiteral("S")); // already turned into a stay
    const qint64 u103 = uh(QStringLiteral("103"), QStringLiteral("L"));
    reserva(u103, {hoje}, QStringLiteral("N"), QStringLiteral("S")); // deleted reservation
    const qint64 u104 = uh(QStringLiteral("104"), QStringLiteral("L"));
    reserva(u104, {amanha});
    const qint64 u105 = uh(QStringLiteral("105"), QStringLiteral("R"));
    reserva(u105, {ontem});
    const qint64 u106 = uh(QStringLiteral("106"), QStringLiteral("R"));
    reserva(u106, {hoje, amanha});
    const qint64 u107 = uh(QStringLiteral("107"), QStringLiteral("R"));
    reserva(u107, {hoje}, QStringLiteral("N"), QStringLiteral("S"));
    const qint64 u108 = uh(QStringLiteral("108"), QStringLiteral("O"));
    reserva(u108, {hoje});
    const qint64 u109 = uh(QStringLiteral("109"), QStringLiteral("L"), QStringLiteral("S"));
    reserva(u109, {hoje});
    Sessao::atual().login = QStringLiteral("ADMIN");

    const QList<Principal::MudancaUH> m = Principal::AtualizacaoAutomaticaUH();
    ASSERT_EQ(m.size(), 3);
    const QList<QPair<qint64, QString>> esperado{{u101, "R"}, {u102, "L"}, {u103, "L"}, {u104, "L"}, {u105, "L"},
                                                 {u106, "R"}, {u107, "L"}, {u108, "O"}, {u109, "L"}};
    for (const auto &[id, sit] : esperado)
        EXPECT_EQ(situacao(id), sit) << id;
    EXPECT_EQ(operacoes(), (QStringList{u8("ADMIN|SISTEMA - Reserva Automática da UH 101"),
                                        u8("ADMIN|SISTEMA - Cancelamento de Reserva Automático da UH 105"),
                                        u8("ADMIN|SISTEMA - Cancelamento de Reserva Automático da UH 107")}));
    // Nothing left to change: no second log.
    EXPECT_TRUE(Principal::AtualizacaoAutomaticaUH().isEmpty());
    EXPECT_EQ(operacoes().size(), 3);
}

TEST_F(PrincipalTeste, MudancaDeDiaRefazASituacaoUmaVez)
{
    abrirCaixa(QStringLiteral("ADMIN"));
    const qint64 u201 = uh(QStringLiteral("201"), QStringLiteral("L"));
    reserva(u201, {hoje.addDays(1)});
    loginCom(QStringLiteral("ADMIN"), QStringLiteral("ADMIN"));
    msg->esperar({});
    ASSERT_TRUE(janela->iniciarSessao());
    janela->Timer2Timer();
    EXPECT_EQ(situacao(u201), QStringLiteral("L"));
    Relogio::avancar(86400);
    janela->Timer2Timer();
    EXPECT_EQ(situacao(u201), QStringLiteral("R"));
    EXPECT_EQ(Sessao::atual().Data_Abertura, hoje.addDays(1));
    EXPECT_FALSE(Sessao::atual().ServidorAtualizado);
}

// ------------------------------------------------------------ leaving

TEST_F(PrincipalTeste, SairPerguntaENaoMantemPresenca)
{
    abrirCaixa(QStringLiteral("ADMIN"));
    loginCom(QStringLiteral("ADMIN"), QStringLiteral("ADMIN"));
    msg->esperar({});
    ASSERT_TRUE(janela->iniciarSessao());
    // Another workstation of the same user keeps its row.
    banco().executar(QStringLiteral("INSERT INTO ONLINE (USUARIO, MAQUINA) VALUES ('ADMIN', 'BAR')"));
    const auto presencas = [&] {
        QStringList l;
        for (const Linha &r : banco().lerTodas(QStringLiteral("SELECT MAQUINA FROM ONLINE ORDER BY MAQUINA")))
            l.append(r.texto(QStringLiteral("MAQUINA")));
        return l;
    };

    msg->esperar(u8("Deseja Realmente Sair do Sistema?"), Mensagem::Nao);
    janela->close();
    EXPECT_FALSE(janela->encerrado());
    EXPECT_EQ(presencas(), (QStringList{QStringLiteral("BAR"), QStringLiteral("SERVIDOR")}));
    EXPECT_FALSE(operacoes().contains(u8("ADMIN|Saiu do Sistema")));

    msg->esperar(u8("Deseja Realmente Sair do Sistema?"), Mensagem::Sim);
    janela->close();
    EXPECT_TRUE(janela->encerrado());
    EXPECT_EQ(presencas(), QStringList{QStringLiteral("BAR")});
    EXPECT_EQ(operacoes().last(), u8("ADMIN|Saiu do Sistema"));
    EXPECT_EQ(msg->mostradas().last().titulo, QStringLiteral("Confirme"));
}

TEST_F(PrincipalTeste, BotoesDeConfiguracaoAbremSuasTelas)
{
    Direitos d;
    d.USUARIOS = d.PARAMETROS = true;
    Sessao::atual().direitos = d;
    janela->CarregaPermissoes();
    QStringList abertas;
    Telas::interceptar<TFrmParametros>([&](TFrmParametros *) { abertas << "parametros"; return 0; });
    Telas::interceptar<TFrmUsuarios>([&](TFrmUsuarios *) { abertas << "usuarios"; return 0; });
    Telas::interceptar<TFrmAnulacoes>([&](TFrmAnulacoes *) { abertas << "lixeira"; return 0; });
    EXPECT_TRUE(janela->executarComando(QStringLiteral("btnParametrosClick")));
    EXPECT_TRUE(janela->executarComando(QStringLiteral("btnUsuariosClick")));
    EXPECT_TRUE(janela->executarComando(QStringLiteral("btnAnulacoesClick")));
    EXPECT_EQ(abertas, (QStringList{"parametros", "usuarios", "lixeira"}));
}

// ------------------------------------------------------------ daily work

TEST_F(PrincipalTeste, ServidorLancaAsDiariasUmaVezEOutrasEstacoesEsperam)
{
    abrirCaixa(QStringLiteral("ADMIN"));
    banco().executar(QStringLiteral("INSERT INTO ATUALIZACAO (DATA) VALUES (?)"), {hoje.addDays(-1)});
    const qint64 estadia = banco()
                               .valor(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA, VALOR_DIARIA, "
                                                     "QTD_ADULTOS) VALUES (1, 1, ?, 150, 2) RETURNING ID_WALK_IN"),
                                      {hoje.addDays(-3)})
                               .toLongLong();
    auto noites = [&] {
        return banco().ler(QStringLiteral("SELECT COUNT(*) AS N FROM OCUPACAO WHERE ID_ENTRADA = ?"), {estadia}).inteiro("N");
    };
    loginCom(QStringLiteral("ADMIN"), QStringLiteral("ADMIN"));
    msg->esperar(QStringLiteral("AVISO!!!  O Caixa se Encontra Aberto para o Usuário:     ADMIN     Se não for você, "
                                "Favor Registrar o Fechamento do Caixa!"));
    ASSERT_TRUE(janela->iniciarSessao());

    // Another workstation: the panel shows until the server has posted.
    Sessao::atual().AuxNomePC = QStringLiteral("RECEPCAO2");
    janela->Timer1Timer();
    EXPECT_FALSE(janela->pnlServidorDesatualizado->isHidden());
    EXPECT_EQ(noites(), 0);

    // The server posts once; the next tick hides the panel.
    Sessao::atual().AuxNomePC = QStringLiteral("SERVIDOR");
    janela->Timer1Timer();
    EXPECT_EQ(noites(), 1);
    janela->Timer1Timer();
    janela->Timer1Timer();
    EXPECT_TRUE(janela->pnlServidorDesatualizado->isHidden());
    EXPECT_EQ(noites(), 1);
    EXPECT_TRUE(Sessao::atual().ServidorAtualizado);

    // Motel mode posts nothing and never shows the panel.
    banco().executar(QStringLiteral("UPDATE PARAMETROS SET MODO_MOTEL = 'S'"));
    tParametros().recarregar();
    Sessao::atual().ServidorAtualizado = false;
    Relogio::avancar(86400);
    janela->Timer1Timer();
    EXPECT_TRUE(janela->pnlServidorDesatualizado->isHidden());
    EXPECT_EQ(noites(), 1);
}

TEST_F(PrincipalTeste, AvisosEnchemAArvoreEControleMouseEsvazia)
{
    abrirCaixa(QStringLiteral("ADMIN"));
    banco().executar(QStringLiteral("INSERT INTO ITEM (DESCRICAO, ESTOQUE, AVISAR) VALUES ('TOALHA', 1, 2)"));
    loginCom(QStringLiteral("ADMIN"), QStringLiteral("ADMIN"));
    msg->esperar(QStringLiteral("AVISO!!!  O Caixa se Encontra Aberto para o Usuário:     ADMIN     Se não for você, "
                                "Favor Registrar o Fechamento do Caixa!"));
    ASSERT_TRUE(janela->iniciarSessao());
    EXPECT_EQ(janela->TreeView1->topLevelItemCount(), 1);

    QMouseEvent clique(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(janela->lblAvisos, &clique);
    EXPECT_FALSE(janela->pnlAlertas->isHidden());
    ASSERT_EQ(janela->TreeView1->topLevelItemCount(), 1 + 7); // ADMIN has MOVIMENTOS: seven groups
    EXPECT_EQ(janela->TreeView1->topLevelItem(0)->text(0),
              QStringLiteral("------------------------- Alertas para Hoje (10/12/2026) -------------------------"));
    EXPECT_EQ(janela->TreeView1->topLevelItem(5)->text(0), u8("Itens de Estoque em Final de Estoque (1)"));
    EXPECT_EQ(janela->TreeView1->topLevelItem(5)->child(0)->text(0), u8("TOALHA -> (1)"));

    janela->ControleMouse(janela->Image1);
    EXPECT_EQ(janela->TreeView1->topLevelItemCount(), 1);
}
