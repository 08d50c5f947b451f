// The activity log: rows written by RegistrarLog / NovoRegistrarLog, the
// current screen in ONLINE, and the log viewer with its filters and the
// line-by-line comparison.
#include "base/Erros.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "core/UnitLogViewer.h"
#include "support/BancoTeste.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include "base/Grade.h"
#include <QTextBlock>
#include <QTextEdit>

namespace {
QString u8(const char *t) { return QString::fromUtf8(t); }
} // namespace

class RegistroLogTeste : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Sessao::reiniciar();
        Sessao::atual().AuxNomePC = QStringLiteral("RECEPCAO");
    }
    void TearDown() override
    {
        Sessao::reiniciar();
        BancoTeste::TearDown();
    }
    void linhaLog(const QString &usuario, const QString &operacao, const QDate &dia, const QTime &hora,
                  const QString &antes = {}, const QString &depois = {})
    {
        banco().executar(
            QStringLiteral("INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA, ANTES, DEPOIS) VALUES (?, ?, ?, ?, ?, ?)"),
            {usuario, operacao, dia, hora, antes, depois});
    }
    QStringList executar(const VisorLog::Consulta &c)
    {
        QStringList r;
        for (const Linha &l : banco().lerTodas(c.sql, c.valores))
            r.append(l.texto(QStringLiteral("OPERACAO")));
        return r;
    }
    QStringList grade(TFrmLog &f)
    {
        QStringList r;
        for (int i = 0; i < f.linhas(); ++i)
            r.append(f.tLog->texto(i, QStringLiteral("OPERACAO")));
        return r;
    }
};

TEST_F(RegistroLogTeste, TextoMaiorQueAColunaECortadoEAOperacaoDoUsuarioSegue)
{
    const QString longa = QStringLiteral("Alterou Cliente -> ") + QString(300, QLatin1Char('x'));
    const QString antes = QStringList(200, QStringLiteral("NOME: D'ÁVIL \"A\"")).join(QLatin1Char('\n'));
    // The log belongs to the user's operation: the operation is kept.
    banco().emTransacao([&] {
        banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('NOVO', '1')"));
        RegistrarLog(longa);
        NovoRegistrarLog(longa, antes, QString());
    });
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT COUNT(*) AS N FROM USUARIO WHERE LOGIN = 'NOVO'")).inteiro(QStringLiteral("N")), 1);
    const QList<Linha> l = banco().lerTodas(QStringLiteral("SELECT * FROM LOG ORDER BY ID_LOG"));
    ASSERT_EQ(l.size(), 2);
    for (const Linha &r : l) {
        EXPECT_EQ(r.texto(QStringLiteral("OPERACAO")), longa.left(250));
        EXPECT_EQ(r.texto(QStringLiteral("USUARIO")), u8("Usuário"));
        EXPECT_EQ(r.data(QStringLiteral("DATA")), QDate(2026, 12, 10));
        EXPECT_EQ(r.hora(QStringLiteral("HORA")), QTime(10, 0, 0));
    }
    EXPECT_EQ(l[1].texto(QStringLiteral("ANTES")), antes);
}

TEST_F(RegistroLogTeste, AcaoAtualSoNaPresencaDesteUsuarioNestaEstacao)
{
    for (const char *m : {"RECEPCAO", "BAR"})
        banco().executar(QStringLiteral("INSERT INTO ONLINE (USUARIO, MAQUINA, ACAO) VALUES ('ADMIN', ?, '')"),
                         {QString::fromLatin1(m)});
    banco().executar(QStringLiteral("INSERT INTO ONLINE (USUARIO, MAQUINA, ACAO) VALUES ('ANA', 'RECEPCAO', '')"));
    Sessao::atual().login = QStringLiteral("ADMIN");
    AcaoAtual(u8("Cadastro de Clientes ") + QString(120, QLatin1Char('.')));
    const QList<Linha> l = banco().lerTodas(QStringLiteral("SELECT USUARIO, MAQUINA, ACAO FROM ONLINE ORDER BY ID_ONLINE"));
    ASSERT_EQ(l.size(), 3);
    EXPECT_EQ(l[0].texto(QStringLiteral("ACAO")).size(), 100);
    EXPECT_TRUE(l[0].texto(QStringLiteral("ACAO")).startsWith(QStringLiteral("Cadastro de Clientes")));
    EXPECT_EQ(l[1].texto(QStringLiteral("ACAO")), QString());
    EXPECT_EQ(l[2].texto(QStringLiteral("ACAO")), QString());
    // A workstation name wider than the column still finds its (cut) row.
    Sessao::atual().AuxNomePC = QString(150, QLatin1Char('P'));
    EXPECT_NO_THROW(AcaoAtual(QStringLiteral("Tela Principal")));
}

// ------------------------------------------------------------ viewer rules

TEST_F(RegistroLogTeste, FiltroPorGrupoDeOperacoes)
{
    const QStringList todas{
        u8("Acesso de Sistema"),      u8("Envio de Email"),         u8("Criou Backup"),
        u8("Restaurou Backup"),       u8("Impressão de Relatório"), u8("Vizualização de Gráfico"),
        u8("Impressão de Gráfico"),   u8("Excluiu Cliente"),        u8("Excluiu Despesa Avulsa"),
        u8("Incluiu Nova Reserva"),   u8("Incluiu Novo Reserva"),   u8("Alterou Reserva"),
        u8("Excluiu Reserva"),        u8("Excluiu Cliente -> 12"),  u8("Saiu do Sistema"),
    };
    for (const QString &op : todas)
        linhaLog(QStringLiteral("ADMIN"), op, QDate(2026, 12, 10), QTime(9, 0));
    struct Caso {
        const char *entrada;
        QStringList esperadas;
    };
    const QList<Caso> casos{
        {"Acesso de Sistema", {u8("Acesso de Sistema")}},
        {"Email", {u8("Envio de Email")}},
        {"Backups", {u8("Criou Backup"), u8("Restaurou Backup")}},
        {"Impressão de Relatório", {u8("Impressão de Relatório")}},
        {"Vizualização de Gráfico", {u8("Vizualização de Gráfico")}},
        {"Impressão de Gráfico", {u8("Impressão de Gráfico")}},
        {"Clientes", {u8("Excluiu Cliente")}},
        {"Despesa Avulsa", {u8("Excluiu Despesa Avulsa")}},
        {"Reservas", {u8("Incluiu Nova Reserva"), u8("Incluiu Novo Reserva"), u8("Alterou Reserva"), u8("Excluiu Reserva")}},
    };
    ASSERT_EQ(VisorLog::gruposOperacao().size(), casos.size());
    for (int i = 0; i < casos.size(); ++i) {
        SCOPED_TRACE(casos[i].entrada);
        EXPECT_EQ(VisorLog::gruposOperacao()[i].entrada, u8(casos[i].entrada));
        EXPECT_EQ(executar(VisorLog::consultaPorOperacao(u8(casos[i].entrada))), casos[i].esperadas);
    }
    EXPECT_THROW(VisorLog::consultaPorOperacao(QStringLiteral("Saiu do Sistema")), ErroSistema);
}

TEST_F(RegistroLogTeste, ReservasJuntasEmOrdemDeDiaEHora)
{
    linhaLog(QStringLiteral("ANA"), QStringLiteral("Excluiu Reserva"), QDate(2026, 12, 9), QTime(8, 0));
    linhaLog(QStringLiteral("ANA"), QStringLiteral("Alterou Reserva"), QDate(2026, 12, 8), QTime(15, 0));
    linhaLog(QStringLiteral("BIA"), QStringLiteral("Incluiu Novo Reserva"), QDate(2026, 12, 8), QTime(9, 30));
    linhaLog(QStringLiteral("BIA"), QStringLiteral("Incluiu Nova Reserva"), QDate(2026, 12, 10), QTime(7, 0));
    EXPECT_EQ(executar(VisorLog::consultaPorOperacao(QStringLiteral("Reservas"))),
              (QStringList{QStringLiteral("Incluiu Novo Reserva"), QStringLiteral("Alterou Reserva"),
                           QStringLiteral("Excluiu Reserva"), QStringLiteral("Incluiu Nova Reserva")}));
    EXPECT_EQ(executar(VisorLog::consultaPorUsuario(QStringLiteral("ANA"))),
              (QStringList{QStringLiteral("Alterou Reserva"), QStringLiteral("Excluiu Reserva")}));
    EXPECT_EQ(executar(VisorLog::consultaPorData(QDate(2026, 12, 8))),
              (QStringList{QStringLiteral("Incluiu Novo Reserva"), QStringLiteral("Alterou Reserva")}));
}

TEST(VisorLogComparacao, LinhaALinha)
{
    struct Caso {
        const char *nome;
        QString antes, depois;
        QList<VisorLog::LinhaComparada> esperado;
    };
    const QList<Caso> casos{
        {"iguais", "NOME: ANA\nFONE: 1", "NOME: ANA\nFONE: 1", {{"NOME: ANA", "NOME: ANA", false}, {"FONE: 1", "FONE: 1", false}}},
        {"uma alterada", "NOME: ANA\nFONE: 1\nUF: SP", "NOME: ANA\nFONE: 2\nUF: SP",
         {{"NOME: ANA", "NOME: ANA", false}, {"FONE: 1", "FONE: 2", true}, {"UF: SP", "UF: SP", false}}},
        {"depois vazio", "Acesso Realizado com Sucesso", "", {{"Acesso Realizado com Sucesso", "", true}}},
        {"depois vazio com linha em branco", "A\n\nB", "", {{"A", "", true}, {"", "", false}, {"B", "", true}}},
        {"depois mais longo", "A", "A\nB", {{"A", "A", false}, {"", "B", true}}},
        {"quebras do Windows", "A\r\nB", "A\nC", {{"A", "A", false}, {"B", "C", true}}},
        {"ambos vazios", "", "", {}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        const auto r = VisorLog::compararLinhas(c.antes, c.depois);
        ASSERT_EQ(r.size(), c.esperado.size());
        for (int i = 0; i < r.size(); ++i) {
            EXPECT_EQ(r[i].antes, c.esperado[i].antes) << i;
            EXPECT_EQ(r[i].depois, c.esperado[i].depois) << i;
            EXPECT_EQ(r[i].diferente, c.esperado[i].diferente) << i;
        }
    }
}

// ------------------------------------------------------------ the viewer

TEST_F(RegistroLogTeste, VisorAbreNoDiaComOCursorNaUltimaLinha)
{
    linhaLog(QStringLiteral("ANA"), QStringLiteral("Ontem"), QDate(2026, 12, 9), QTime(23, 0));
    linhaLog(QStringLiteral("ADMIN"), QStringLiteral("Acesso de Sistema"), QDate(2026, 12, 10), QTime(8, 0),
             QStringLiteral("Acesso Realizado com Sucesso"));
    linhaLog(QStringLiteral("ADMIN"), QStringLiteral("Alterou Cliente"), QDate(2026, 12, 10), QTime(9, 0),
             QStringLiteral("NOME: ANA\nFONE: 1"), QStringLiteral("NOME: ANA\nFONE: 2"));
    TFrmLog f;
    EXPECT_EQ(grade(f), (QStringList{QStringLiteral("Acesso de Sistema"), QStringLiteral("Alterou Cliente")}));
    EXPECT_EQ(f.tLog->data(f.tLog->index(0, 0)).toString(), QStringLiteral("10/12/2026"));
    EXPECT_EQ(f.tLog->data(f.tLog->index(0, 1)).toString(), QStringLiteral("08:00:00"));
    EXPECT_EQ(f.tLog->data(f.tLog->index(0, 2)).toString(), QStringLiteral("ADMIN"));
    EXPECT_EQ(f.tLog->headerData(3, Qt::Horizontal).toString(), u8("Operação"));
    EXPECT_EQ(f.tLog->columnCount(), 4);
    EXPECT_EQ(f.memoOperacao->toPlainText(), QStringLiteral("Alterou Cliente"));
    EXPECT_EQ(f.rtfAntes->toPlainText(), QStringLiteral("NOME: ANA\nFONE: 1"));
    EXPECT_EQ(f.rtfDepois->toPlainText(), QStringLiteral("NOME: ANA\nFONE: 2"));
    // The differing line is bold red, the same one plain black.
    const auto formato = [](QTextEdit *t, int bloco) {
        QTextCursor c(t->document()->findBlockByNumber(bloco));
        c.movePosition(QTextCursor::NextCharacter);
        return c.charFormat();
    };
    EXPECT_EQ(formato(f.rtfAntes, 1).foreground().color(), QColor(0xFF, 0, 0));
    EXPECT_EQ(formato(f.rtfAntes, 1).fontWeight(), QFont::Bold);
    EXPECT_EQ(formato(f.rtfDepois, 0).foreground().color(), QColor(0, 0, 0));
    EXPECT_NE(formato(f.rtfDepois, 0).fontWeight(), QFont::Bold);
    // Moving the cursor shows that row's texts.
    f.irPara(0);
    EXPECT_EQ(f.antesAtual, QStringLiteral("Acesso Realizado com Sucesso"));
    EXPECT_EQ(f.rtfAntes->toPlainText(), QStringLiteral("Acesso Realizado com Sucesso"));
    EXPECT_EQ(f.rtfDepois->toPlainText(), QString());
    EXPECT_EQ(formato(f.rtfAntes, 0).foreground().color(), QColor(0xFF, 0, 0));
}

TEST_F(RegistroLogTeste, VisorDeUmDiaSemAtividadeVazio)
{
    linhaLog(QStringLiteral("ANA"), QStringLiteral("Ontem"), QDate(2026, 12, 9), QTime(23, 0));
    TFrmLog f;
    EXPECT_EQ(f.linhas(), 0);
    EXPECT_EQ(f.memoOperacao->toPlainText(), QString());
    EXPECT_EQ(f.rtfAntes->toPlainText(), QString());
    EXPECT_EQ(f.rtfDepois->toPlainText(), QString());
}

TEST_F(RegistroLogTeste, VisorFiltraPorUsuarioDataEOperacao)
{
    banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('ANA', '1')"));
    linhaLog(QStringLiteral("ANA"), QStringLiteral("Criou Backup"), QDate(2026, 12, 1), QTime(8, 0));
    linhaLog(QStringLiteral("ADMIN"), QStringLiteral("Restaurou Backup"), QDate(2026, 12, 2), QTime(8, 0));
    linhaLog(QStringLiteral("ANA"), QStringLiteral("Saiu do Sistema"), QDate(2026, 12, 2), QTime(9, 0));
    TFrmLog f;
    EXPECT_TRUE(f.pnlFiltro->isHidden());

    f.btnFiltros->click();
    EXPECT_FALSE(f.pnlFiltro->isHidden());
    EXPECT_TRUE(f.rbUsuario->isChecked());
    EXPECT_EQ(f.cbLogin->count(), 2);
    f.cbLogin->setCurrentIndex(f.cbLogin->findText(QStringLiteral("ANA")));
    f.btnAplicar->click();
    EXPECT_TRUE(f.pnlFiltro->isHidden());
    EXPECT_EQ(grade(f), (QStringList{QStringLiteral("Criou Backup"), QStringLiteral("Saiu do Sistema")}));

    f.btnFiltros->click();
    f.rbData->click();
    EXPECT_EQ(f.dtpData->date(), QDate(2026, 12, 10));
    EXPECT_TRUE(f.cbLogin->isHidden());
    f.dtpData->setDate(QDate(2026, 12, 2));
    f.btnAplicar->click();
    EXPECT_EQ(grade(f), (QStringList{QStringLiteral("Restaurou Backup"), QStringLiteral("Saiu do Sistema")}));

    f.btnFiltros->click();
    f.rbOperacao->click();
    EXPECT_EQ(f.cbOperacao->currentText(), QStringLiteral("Acesso de Sistema"));
    EXPECT_EQ(f.cbOperacao->count(), 9);
    f.cbOperacao->setCurrentIndex(f.cbOperacao->findText(QStringLiteral("Backups")));
    f.btnAplicar->click();
    EXPECT_EQ(grade(f), (QStringList{QStringLiteral("Criou Backup"), QStringLiteral("Restaurou Backup")}));
}

TEST_F(RegistroLogTeste, VisorInformaATelaAtual)
{
    banco().executar(QStringLiteral("INSERT INTO ONLINE (USUARIO, MAQUINA, ACAO) VALUES ('ADMIN', 'RECEPCAO', '')"));
    Sessao::atual().login = QStringLiteral("ADMIN");
    Telas::interceptar<TFrmLog>([](TFrmLog *f) {
        EXPECT_EQ(FrmLog, f);
        return int(QDialog::Rejected);
    });
    Telas::abrir<TFrmLog>(FrmLog);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT ACAO FROM ONLINE")).texto(QStringLiteral("ACAO")),
              QStringLiteral("Log de Registro"));
}
