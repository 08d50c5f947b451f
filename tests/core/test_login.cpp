// Login: the user and password checked against USUARIO, the presence row in
// ONLINE, the rights in the session, the log rows of success and failure,
// and the login dialog.
#include "base/Parametros.h"
#include "base/Sessao.h"
#include "core/UnitAcesso.h"
#include "core/UnitCadUsu.h"
#include "support/BancoTeste.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
QString u8(const char *t) { return QString::fromUtf8(t); }
const QString kIncorretos = QStringLiteral("Usuário ou Senha Incorreto(s)!");

void digitar(QWidget *w, const QString &texto)
{
    for (QChar c : texto) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}
void tecla(QWidget *w, int k)
{
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}
} // namespace

class LoginTeste : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Sessao::reiniciar();
        Sessao::atual().AuxNomePC = QStringLiteral("RECEPCAO");
        Sessao::atual().AuxTipoPC = QStringLiteral("NORMA");
    }
    void TearDown() override
    {
        Sessao::reiniciar();
        BancoTeste::TearDown();
    }
    qint64 usuario(const QString &login, const QString &senha, const QString &direitosS = {})
    {
        QStringList colunas{QStringLiteral("LOGIN"), QStringLiteral("SENHA")};
        QVariantList valores{login, senha};
        for (const QString &d : direitosS.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            colunas.append(d);
            valores.append(QStringLiteral("S"));
        }
        QStringList marcas(colunas.size(), QStringLiteral("?"));
        return banco()
            .ler(QStringLiteral("INSERT INTO USUARIO (%1) VALUES (%2) RETURNING ID_USUARIO")
                     .arg(colunas.join(QLatin1Char(',')), marcas.join(QLatin1Char(','))),
                 valores)
            .inteiro(QStringLiteral("ID_USUARIO"));
    }
    QList<Linha> logs()
    {
        return banco().lerTodas(QStringLiteral("SELECT USUARIO, OPERACAO, DATA, HORA, ANTES, DEPOIS FROM LOG ORDER BY ID_LOG"));
    }
    QList<Linha> online()
    {
        return banco().lerTodas(QStringLiteral("SELECT ID_ONLINE, USUARIO, MAQUINA, IP, ACAO FROM ONLINE ORDER BY ID_ONLINE"));
    }
};

TEST_F(LoginTeste, SucessoRegistraPresencaDireitosELog)
{
    const Acesso::ResultadoLogin r = Acesso::tentarLogin(DM->Conexao, QStringLiteral("ADMIN"), QStringLiteral("ADMIN"));
    ASSERT_TRUE(r.sucesso);
    const Sessao &s = Sessao::atual();
    EXPECT_EQ(s.login, QStringLiteral("ADMIN"));
    EXPECT_EQ(s.idUsuario, 1);
    EXPECT_EQ(s.AuxUsu, QStringLiteral("1 ADMIN"));
    EXPECT_TRUE(s.direitos.INCLUI && s.direitos.MOVIMENTOS && s.direitos.USUARIOS && s.direitos.ACESSO_TOTAL);

    const QList<Linha> on = online();
    ASSERT_EQ(on.size(), 1);
    EXPECT_EQ(on[0].texto(QStringLiteral("USUARIO")), QStringLiteral("ADMIN"));
    EXPECT_EQ(on[0].texto(QStringLiteral("MAQUINA")), QStringLiteral("RECEPCAO"));
    EXPECT_FALSE(on[0].texto(QStringLiteral("IP")).isEmpty());
    EXPECT_LE(on[0].texto(QStringLiteral("IP")).size(), 15);
    EXPECT_EQ(on[0].texto(QStringLiteral("ACAO")), QString());

    const QList<Linha> l = logs();
    ASSERT_EQ(l.size(), 1);
    EXPECT_EQ(l[0].texto(QStringLiteral("USUARIO")), QStringLiteral("ADMIN"));
    EXPECT_EQ(l[0].texto(QStringLiteral("OPERACAO")), QStringLiteral("Acesso de Sistema"));
    EXPECT_EQ(l[0].texto(QStringLiteral("ANTES")), QStringLiteral("Acesso Realizado com Sucesso"));
    EXPECT_EQ(l[0].texto(QStringLiteral("DEPOIS")), QString());
    EXPECT_EQ(l[0].data(QStringLiteral("DATA")), QDate(2026, 12, 10));
    EXPECT_EQ(l[0].hora(QStringLiteral("HORA")), QTime(10, 0, 0));
}

TEST_F(LoginTeste, PresencaUmaPorUsuarioEEstacao)
{
    ASSERT_TRUE(Acesso::tentarLogin(DM->Conexao, QStringLiteral("ADMIN"), QStringLiteral("ADMIN")).sucesso);
    const qint64 primeiro = online().first().inteiro(QStringLiteral("ID_ONLINE"));
    // Logging in again on the same workstation (a restart after a crash) keeps the row.
    Sessao::reiniciar();
    Sessao::atual().AuxNomePC = QStringLiteral("RECEPCAO");
    ASSERT_TRUE(Acesso::tentarLogin(DM->Conexao, QStringLiteral("ADMIN"), QStringLiteral("ADMIN")).sucesso);
    ASSERT_EQ(online().size(), 1);
    EXPECT_EQ(online().first().inteiro(QStringLiteral("ID_ONLINE")), primeiro);
    // Another workstation gets its own row.
    Sessao::atual().AuxNomePC = QStringLiteral("BAR");
    ASSERT_TRUE(Acesso::tentarLogin(DM->Conexao, QStringLiteral("ADMIN"), QStringLiteral("ADMIN")).sucesso);
    ASSERT_EQ(online().size(), 2);
    EXPECT_EQ(online().last().texto(QStringLiteral("MAQUINA")), QStringLiteral("BAR"));
}

TEST_F(LoginTeste, FalhasRegistramOLogSobORotuloDoMomento)
{
    const qint64 apagado = usuario(QStringLiteral("APAGADO"), QStringLiteral("1"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_USUARIO) VALUES (?)"), {apagado});
    // Two users with one login, as a database older than the unique login holds.
    banco().executar(QStringLiteral("ALTER TABLE USUARIO DROP CONSTRAINT UNQ_USUARIO_LOGIN"));
    usuario(QStringLiteral("DUPLO"), QStringLiteral("X"));
    usuario(QStringLiteral("DUPLO"), QStringLiteral("X"));
    struct Caso {
        const char *login;
        const char *senha;
    };
    const Caso casos[] = {
        {"ADMIN", "ERRADA"},   {"NINGUEM", "ADMIN"},   {"APAGADO", "1"}, {"", ""},
        {"ADMIN", "admin"},    {"ADMIN", "ADMIN12345X"}, {"DUPLO", "X"},
    };
    int n = 0;
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.login) + "/" + c.senha);
        const Acesso::ResultadoLogin r = Acesso::tentarLogin(DM->Conexao, QString::fromUtf8(c.login), QString::fromUtf8(c.senha));
        EXPECT_FALSE(r.sucesso);
        ++n;
        const QList<Linha> l = logs();
        ASSERT_EQ(l.size(), n);
        EXPECT_EQ(l.last().texto(QStringLiteral("USUARIO")), u8("Usuário"));
        EXPECT_EQ(l.last().texto(QStringLiteral("OPERACAO")), QStringLiteral("Acesso de Sistema"));
        EXPECT_EQ(l.last().texto(QStringLiteral("ANTES")), kIncorretos);
        EXPECT_TRUE(online().isEmpty());
        EXPECT_EQ(Sessao::atual().login, u8("Usuário"));
        EXPECT_EQ(Sessao::atual().AuxUsu, QString());
    }
    // The deleted user is not offered.
    QStringList oferecidos;
    for (const Linha &l : Acesso::usuariosAtivos(DM->Conexao))
        oferecidos.append(l.texto(QStringLiteral("LOGIN")));
    EXPECT_EQ(oferecidos, (QStringList{QStringLiteral("ADMIN"), QStringLiteral("DUPLO"), QStringLiteral("DUPLO")}));
}

TEST_F(LoginTeste, LoginESenhaComEmojiSalvosPeloCadastroEntram)
{
    // Ten characters as the user form counts them (an emoji is one), more
    // than ten UTF-16 units: saved there, so the login must let them in.
    struct Caso {
        const char *login;
        const char *senha;
    };
    const Caso casos[] = {
        {"HOTEL\U0001F600ABCD", "SENHA\U0001F511\U0001F511\U0001F511"},
        {"\U0001F3E8\U0001F3E8\U0001F3E8\U0001F3E8\U0001F3E8\U0001F3E8\U0001F3E8\U0001F3E8\U0001F3E8\U0001F3E8",
         "\U0001F600"},
    };
    for (const Caso &c : casos) {
        const QString login = QString::fromUtf8(c.login);
        const QString senha = QString::fromUtf8(c.senha);
        SCOPED_TRACE(c.login);
        const CadUsu::Resultado salvo = CadUsu::confirmar(DM->Conexao, QStringLiteral("N_U"), 0, {}, login, senha, senha);
        ASSERT_TRUE(salvo.salvo) << salvo.mensagem.toStdString();
        const Acesso::ResultadoLogin r = Acesso::tentarLogin(DM->Conexao, login, senha);
        EXPECT_TRUE(r.sucesso);
        EXPECT_EQ(Sessao::atual().login, login);
    }
    // Eleven characters still match nobody.
    EXPECT_FALSE(Acesso::tentarLogin(DM->Conexao, QString::fromUtf8("HOTEL\U0001F600ABCDE"), QString::fromUtf8("SENHA")).sucesso);
}

TEST_F(LoginTeste, AspasNoLoginENaSenhaFuncionamEDireitosVemDoUsuario)
{
    const qint64 id = usuario(QStringLiteral("D'AVILA"), QStringLiteral("A'B' OR '1"), QStringLiteral("MOVIMENTOS,IMPRIME"));
    EXPECT_FALSE(Acesso::tentarLogin(DM->Conexao, QStringLiteral("D'AVILA"), QStringLiteral("' OR '1'='1")).sucesso);
    const Acesso::ResultadoLogin r = Acesso::tentarLogin(DM->Conexao, QStringLiteral("D'AVILA"), QStringLiteral("A'B' OR '1"));
    ASSERT_TRUE(r.sucesso);
    const Sessao &s = Sessao::atual();
    EXPECT_EQ(s.login, QStringLiteral("D'AVILA"));
    EXPECT_EQ(s.AuxUsu, QString::number(id) + QStringLiteral(" A'B' OR '1"));
    EXPECT_TRUE(s.direitos.MOVIMENTOS);
    EXPECT_TRUE(s.direitos.IMPRIME);
    EXPECT_FALSE(s.direitos.INCLUI || s.direitos.ALTERA || s.direitos.EXCLUI || s.direitos.CONSULTA
                 || s.direitos.UTILITARIOS || s.direitos.PARAMETROS || s.direitos.USUARIOS || s.direitos.ACESSO_TOTAL);
    EXPECT_EQ(online().first().texto(QStringLiteral("USUARIO")), QStringLiteral("D'AVILA"));
    EXPECT_EQ(logs().last().texto(QStringLiteral("USUARIO")), QStringLiteral("D'AVILA"));
}

// ------------------------------------------------------------ the dialog

TEST_F(LoginTeste, DialogoSenhaEmMaiusculasEEnterEntra)
{
    TFrmAcesso f;
    ASSERT_EQ(f.cbUsuario->count(), 1);
    EXPECT_EQ(f.cbUsuario->currentIndex(), -1);
    EXPECT_EQ(f.cbUsuario->placeholderText(), u8("USUÁRIO"));
    EXPECT_EQ(f.edtSenha->placeholderText(), QStringLiteral("SENHA"));
    EXPECT_EQ(f.edtSenha->echoMode(), QLineEdit::Password);
    ASSERT_TRUE(f.escolherUsuario(QStringLiteral("ADMIN")));
    digitar(f.edtSenha, QStringLiteral("admin"));
    EXPECT_EQ(f.edtSenha->text(), QStringLiteral("ADMIN"));
    EXPECT_EQ(f.edtSenha->displayText(), QStringLiteral("*****"));
    digitar(f.edtSenha, QStringLiteral("123456789"));
    EXPECT_EQ(f.edtSenha->text().size(), 10);
    f.edtSenha->setText(QStringLiteral("ADMIN"));
    tecla(f.edtSenha, Qt::Key_Return);
    EXPECT_EQ(f.result(), int(QDialog::Accepted));
    EXPECT_EQ(f.FECHOU, 1);
    EXPECT_EQ(Sessao::atual().login, QStringLiteral("ADMIN"));
}

TEST_F(LoginTeste, DialogoFalhaAvisaLimpaEContinuaAberto)
{
    TFrmAcesso f;
    ASSERT_TRUE(f.escolherUsuario(QStringLiteral("ADMIN")));
    digitar(f.edtSenha, QStringLiteral("errada"));
    msg->esperar(kIncorretos);
    f.btnAcessarClick();
    EXPECT_EQ(msg->mostradas().last().tipo, Mensagem::Tipo::Informacao);
    EXPECT_NE(f.result(), int(QDialog::Accepted));
    EXPECT_EQ(f.FECHOU, 0);
    EXPECT_EQ(f.cbUsuario->currentIndex(), -1);
    EXPECT_EQ(f.edtSenha->text(), QString());
    // No limit on attempts.
    ASSERT_TRUE(f.escolherUsuario(QStringLiteral("ADMIN")));
    f.edtSenha->setText(QStringLiteral("ADMIN"));
    f.btnAcessarClick();
    EXPECT_EQ(f.result(), int(QDialog::Accepted));
}

TEST_F(LoginTeste, DialogoAvisaTipoDePCECortaONomeDaEmpresa)
{
    banco().executar(QStringLiteral("UPDATE PARAMETROS SET NOME_FANTASIA = ?"),
                     {QStringLiteral("POUSADA DAS PALMEIRAS DO LITORAL NORTE")});
    struct Caso {
        const char *tipo;
        bool aviso;
    };
    for (const Caso c : {Caso{"NORMA", false}, Caso{"RESTA", false}, Caso{"MESAS", true}, Caso{"", true}}) {
        SCOPED_TRACE(c.tipo);
        Sessao::atual().AuxTipoPC = QString::fromLatin1(c.tipo);
        TFrmAcesso f;
        EXPECT_EQ(f.pnlAvisoTipoPC->isVisibleTo(&f), c.aviso);
        EXPECT_EQ(f.height(), c.aviso ? 273 : 200);
        EXPECT_EQ(f.lblEmpresa->text(), QStringLiteral("POUSADA DAS PALMEIRAS DO LITOR..."));
    }
}

TEST_F(LoginTeste, FecharDialogoPerguntaEEncerra)
{
    TFrmAcesso f;
    bool terminou = false;
    QObject::connect(&f, &QDialog::finished, [&] { terminou = true; });
    msg->esperar(u8("Deseja encerrar a execução do sistema?"), Mensagem::Nao);
    f.imgFecharClick();
    EXPECT_EQ(msg->mostradas().last().tipo, Mensagem::Tipo::Aviso);
    EXPECT_FALSE(terminou);
    msg->esperar(u8("Deseja encerrar a execução do sistema?"), Mensagem::Sim);
    f.imgFecharClick();
    EXPECT_TRUE(terminou);
    EXPECT_EQ(f.result(), int(QDialog::Rejected));
    EXPECT_EQ(f.FECHOU, 0);
    EXPECT_TRUE(logs().isEmpty());
}
