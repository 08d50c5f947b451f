// Ending the program by a signal and the engine errors as the user reads them.
#include "base/Aplicacao.h"
#include "base/Erros.h"
#include "support/TelasTeste.h"

#include <QCoreApplication>
#include <csignal>

namespace {
class Sinais : public TelasTeste {
protected:
    void TearDown() override
    {
        TAplicacao::restaurarSinais();
        TelasTeste::TearDown();
    }
};
} // namespace

TEST_F(Sinais, TermOuIntRemovemAPresencaComAConexaoViva)
{
    for (int sinal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(sinal);
        banco().executar(QStringLiteral("INSERT INTO ONLINE (ID_ONLINE, USUARIO, MAQUINA, ACAO) "
                                        "VALUES (GEN_ID(GEN_ID_ONLINE, 1), 'ADMIN', 'SERVIDOR', '')"));
        int recebido = 0;
        ASSERT_TRUE(TAplicacao::tratarSinaisDeEncerramento([&](int s) {
            recebido = s;
            registrarSaidaPorSinal();
        }));
        std::raise(sinal);
        for (int i = 0; i < 100 && recebido == 0; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_EQ(recebido, sinal);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ONLINE WHERE USUARIO = 'ADMIN' AND MAQUINA = 'SERVIDOR'")),
                  0);
        EXPECT_EQ(logs().last(), QStringLiteral("ADMIN|Saiu do Sistema"));
        TAplicacao::restaurarSinais();
    }
}

TEST_F(Sinais, ErrosDoMotorExplicadosEmPortugues)
{
    struct Caso {
        const char *sql;
        QVariantList valores;
        const char *inicio;
    };
    banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('ANA', '1')"));
    const Caso casos[] = {
        {"INSERT INTO USUARIO (ID_USUARIO, LOGIN, SENHA) VALUES (1, 'OUTRO', '1')", {},
         "Já existe um registro com este valor. Nada foi gravado."},
        {"UPDATE USUARIO SET LOGIN = ? WHERE LOGIN = 'ANA'", {QStringLiteral("UM LOGIN COMPRIDO DEMAIS")},
         "Um texto informado é maior do que o campo permite. Nada foi gravado."},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.sql);
        try {
            banco().emTransacao([&] { banco().executar(QString::fromUtf8(c.sql), c.valores); });
            ADD_FAILURE() << "devia falhar";
        } catch (const ErroBanco &e) {
            const QString t = textoParaUsuario(e);
            EXPECT_TRUE(t.startsWith(QString::fromUtf8(c.inicio))) << t.toStdString();
            // The engine's own words stay as the detail.
            EXPECT_TRUE(t.contains(e.texto())) << t.toStdString();
        }
    }
    ErroBanco conflito(ConexaoBanco::textoConflito(), QStringLiteral("-913"),
                       QStringLiteral("deadlock - update conflicts with concurrent update"));
    EXPECT_EQ(textoParaUsuario(conflito),
              QStringLiteral("O registro está sendo alterado em outra estação. Aguarde um instante e tente novamente."
                             "\n\ndeadlock - update conflicts with concurrent update"));
    // Through the central handler, as a screen's escaped error.
    msg->esperar(QStringLiteral("Já existe um registro com este valor. Nada foi gravado.\n\nx violation of PRIMARY or "
                                "UNIQUE KEY constraint y"));
    TAplicacao::mostrarErro(std::make_exception_ptr(
        ErroBanco(QStringLiteral("x violation of PRIMARY or UNIQUE KEY constraint y"), QStringLiteral("-803"))));
}
