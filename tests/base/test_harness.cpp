// The shared screen machinery: scripted messages, intercepted screens, the
// central error handler and the settable clock.
#include "base/Aplicacao.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "support/MensagensRoteiro.h"

#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class TFrmExemplo : public QDialog {
public:
    explicit TFrmExemplo(const QString &texto)
    {
        edt = new QLineEdit(texto, this);
    }
    ~TFrmExemplo() override { ++destruidas; }
    QLineEdit *edt;
    static int destruidas;
};
int TFrmExemplo::destruidas = 0;
TFrmExemplo *FrmExemplo = nullptr;

} // namespace

TEST(Harness, TelaInterceptadaRecebeOsDadosELiberaNoFim)
{
    TFrmExemplo::destruidas = 0;
    Telas::interceptar<TFrmExemplo>([](TFrmExemplo *f) {
        EXPECT_EQ(FrmExemplo, f); // published while open
        EXPECT_EQ(f->edt->text(), QStringLiteral("abc"));
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(Telas::abrir<TFrmExemplo>(FrmExemplo, QStringLiteral("abc")), int(QDialog::Accepted));
    EXPECT_EQ(FrmExemplo, nullptr);
    EXPECT_EQ(TFrmExemplo::destruidas, 1);

    // freed and global emptied also when an error escapes
    Telas::interceptar<TFrmExemplo>([](TFrmExemplo *) -> int { throw ErroSistema(QStringLiteral("falhou")); });
    EXPECT_THROW(Telas::abrir<TFrmExemplo>(FrmExemplo, QStringLiteral("x")), ErroSistema);
    EXPECT_EQ(FrmExemplo, nullptr);
    EXPECT_EQ(TFrmExemplo::destruidas, 2);
    Telas::liberarTodas();
}

TEST(Harness, MensagensComTextosETitulosEmPortugues)
{
    MensagensRoteiro msg;
    msg.esperar(QStringLiteral("Deseja Realmente Sair do Sistema?"), Mensagem::Nao)
        .esperar(QStringLiteral("Operação Realizada com Sucesso!"));
    EXPECT_FALSE(Mensagem::pergunta(QStringLiteral("Deseja Realmente Sair do Sistema?")));
    Mensagem::info(QStringLiteral("Operação Realizada com Sucesso!"));
    ASSERT_EQ(msg.mostradas().size(), 2);
    EXPECT_EQ(msg.mostradas()[0].titulo, QStringLiteral("Confirme"));
    EXPECT_EQ(msg.mostradas()[0].botoes, Mensagem::Sim | Mensagem::Nao);
    EXPECT_EQ(msg.mostradas()[1].titulo, QStringLiteral("Informação"));
    EXPECT_EQ(Mensagem::titulo(Mensagem::Tipo::Aviso), QStringLiteral("Atenção"));
    EXPECT_EQ(Mensagem::titulo(Mensagem::Tipo::Erro), QStringLiteral("Erro"));
    EXPECT_EQ(Mensagem::textoBotao(Mensagem::Sim), QStringLiteral("&Sim"));
    EXPECT_EQ(Mensagem::textoBotao(Mensagem::NaoParaTudo), QStringLiteral("N&ão para Tudo"));
    EXPECT_EQ(Mensagem::textoBotao(Mensagem::SimParaTudo), QStringLiteral("Sim para &Tudo"));
}

TEST(Harness, ErroNaoTratadoViraCaixaDeErroEOProgramaSegue)
{
    MensagensRoteiro msg;
    msg.esperar(QStringLiteral("conexão perdida"));
    bool depois = false;
    QTimer::singleShot(0, [] { throw ErroBanco(QStringLiteral("conexão perdida")); });
    QTimer::singleShot(5, [&] { depois = true; });
    QTimer::singleShot(20, qApp, &QCoreApplication::quit);
    qApp->exec();
    EXPECT_TRUE(depois);
    ASSERT_EQ(msg.mostradas().size(), 1);
    EXPECT_EQ(msg.mostradas()[0].tipo, Mensagem::Tipo::Erro);
    EXPECT_EQ(msg.mostradas()[0].titulo, QStringLiteral("Erro"));
}

TEST(Harness, RelogioDefinidoPeloTeste)
{
    Relogio::definir(QDateTime(QDate(2026, 1, 31), QTime(23, 59, 50)));
    EXPECT_EQ(Relogio::hoje(), QDate(2026, 1, 31));
    Relogio::avancar(15);
    EXPECT_EQ(Relogio::hoje(), QDate(2026, 2, 1));
    EXPECT_EQ(Relogio::horaAtual(), QTime(0, 0, 5));
    Relogio::liberar();
    EXPECT_LE(qAbs(Relogio::agora().secsTo(QDateTime::currentDateTime())), 2);
}
