// The ninth-digit update: which numbers get the area code and the ninth
// digit, over the six telephone columns, and the screen's counts and
// messages.
#include "base/Telas.h"
#include "integration/NonoDigito.h"
#include "integration/UnitNonoDigito.h"
#include "support/TelasTeste.h"
#include "tests/integration/Gravador.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

class Nono : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        parametro(QStringLiteral("FONE1"), QStringLiteral("(11)3333-4444"));
    }
    QString fone(const char *tabela, const char *coluna, const char *chave, qint64 id)
    {
        return banco()
            .valor(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                       .arg(QString::fromLatin1(coluna), QString::fromLatin1(tabela), QString::fromLatin1(chave)),
                   {id})
            .toString();
    }
    GaugeGravado gauge;
};

} // namespace

// What one run writes for a number, with 11 listed and 12 not.
TEST_F(Nono, NumerosDeUmaExecucao)
{
    const QSet<QString> ddds{QStringLiteral("11"), QStringLiteral("21")};
    struct Caso {
        const char *antes, *depois;
    } casos[] = {
        {"3456-7890", "(11)3456-7890"},       // no area code: the hotel's
        {"9876-5432", "(11)99876-5432"},      // then the ninth digit, in the same run
        {"(11)9876-5432", "(11)99876-5432"},  // listed mobile
        {"(11)8765-4321", "(11)98765-4321"},
        {"(12)9876-5432", "(12)9876-5432"},   // area code not listed
        {"(11)3456-7890", "(11)3456-7890"},   // a landline never
        {"(11)99876-5432", "(11)99876-5432"}, // already nine digits
        {"0800-123-4567", "0800-123-4567"},   // 0800 untouched
        {"(011)9876-5432", "(011)9876-5432"}, // 0 and a digit: "01" is not listed
        {"(11) 3456-7890", "(11) 3456-7890"}, // a blank counts: 11 characters, left alone
        {"1234567", "1234567"},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(NonoDigito::atualizado(QString::fromLatin1(c.antes), QStringLiteral("11"), ddds),
                  QString::fromLatin1(c.depois))
            << c.antes;
    // Without the hotel's area code the short numbers stay as they are.
    EXPECT_EQ(NonoDigito::atualizado(QStringLiteral("9876-5432"), QString(), ddds), QStringLiteral("9876-5432"));
    // A trunk 0 in front of a listed pair keeps every digit of the number.
    EXPECT_EQ(NonoDigito::com9Digito(QStringLiteral("(021)8765-4321")), QStringLiteral("(21)98765-4321"));
}

TEST_F(Nono, DDDDoHotel)
{
    EXPECT_EQ(NonoDigito::dddDoHotel(QStringLiteral("(11)3333-4444")), QStringLiteral("11"));
    EXPECT_EQ(NonoDigito::dddDoHotel(QStringLiteral("(47) 3333-4444")), QStringLiteral("47"));
    EXPECT_EQ(NonoDigito::dddDoHotel(QStringLiteral("3333-4444")), QString());
    EXPECT_EQ(NonoDigito::dddDoHotel(QString()), QString());
    EXPECT_EQ(NonoDigito::dddDoHotel(QStringLiteral("(1)3333-4444")), QString());
}

// Every telephone column is counted and updated; the settings switch to
// unmasked telephones; a second run finds nothing.
TEST_F(Nono, TelaContaAtualizaEDepoisNadaResta)
{
    banco().executar(QStringLiteral("DELETE FROM DIGITO9 WHERE DDD = '12'"));
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, FONE_1, FAX) VALUES (2, 'A', '3456-7890', '(11)9876-5432')"));
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, FONE_1, FAX) VALUES (3, 'B', '(  )    -    ', '(12)9876-5432')"));
    banco().executar(QStringLiteral("INSERT INTO FORNECEDOR (ID_FORNECEDOR, NOME, FONE_1, FAX) VALUES (1, 'F', '9876-5432', '')"));
    banco().executar(QStringLiteral("INSERT INTO FUNCIONARIO (ID_FUNCIONARIO, NOME, CPF, FONE, FONE_2) VALUES (1, 'E', '1', '(11)3456-7890', '8765-4321')"));
    TFrmNonoDigito tela;
    tela.contar();
    EXPECT_EQ(tela.Label1->text(), QStringLiteral("6"));
    EXPECT_EQ(tela.qtdSemDDD, 3);
    EXPECT_EQ(tela.Label3->text(), QStringLiteral("3"));
    EXPECT_EQ(tela.qtdSem9Dig, 1);
    EXPECT_EQ(tela.Label5->text(), QStringLiteral("1"));
    EXPECT_EQ(tela.edtDDD->text(), QStringLiteral("11"));
    EXPECT_TRUE(tela.Label9->text().startsWith(QStringLiteral("11, 13, ")));

    msg->esperar(NonoDigito::kMsgAtualizados);
    tela.btnConfirmar->click();
    EXPECT_EQ(fone("CLIENTE", "FONE_1", "ID_CLIENTE", 2), QStringLiteral("(11)3456-7890"));
    EXPECT_EQ(fone("CLIENTE", "FAX", "ID_CLIENTE", 2), QStringLiteral("(11)99876-5432"));
    EXPECT_EQ(fone("CLIENTE", "FONE_1", "ID_CLIENTE", 3), QStringLiteral("(  )    -    "));
    EXPECT_EQ(fone("CLIENTE", "FAX", "ID_CLIENTE", 3), QStringLiteral("(12)9876-5432"));
    EXPECT_EQ(fone("FORNECEDOR", "FONE_1", "ID_FORNECEDOR", 1), QStringLiteral("(11)99876-5432"));
    EXPECT_EQ(fone("FUNCIONARIO", "FONE", "ID_FUNCIONARIO", 1), QStringLiteral("(11)3456-7890"));
    EXPECT_EQ(fone("FUNCIONARIO", "FONE_2", "ID_FUNCIONARIO", 1), QStringLiteral("(11)98765-4321"));
    EXPECT_EQ(tParametros().texto(QStringLiteral("FONE_SEM_FORMATO")), QStringLiteral("S"));
    EXPECT_FALSE(tela.btnConfirmar->isEnabled());
    EXPECT_EQ(tela.Label3->text(), QStringLiteral("0"));
    EXPECT_EQ(tela.Label5->text(), QStringLiteral("0"));
    EXPECT_TRUE(tela.Gauge1->isHidden());

    TFrmNonoDigito outra;
    outra.contar();
    msg->esperar(NonoDigito::kMsgNadaAAtualizar);
    outra.btnConfirmar->click();
    EXPECT_EQ(msg->pendentes(), 0);
}

TEST_F(Nono, NadaAAtualizarNaoMudaOsParametros)
{
    TFrmNonoDigito tela;
    tela.contar();
    msg->esperar(NonoDigito::kMsgNadaAAtualizar);
    tela.btnConfirmar->click();
    EXPECT_EQ(tParametros().texto(QStringLiteral("FONE_SEM_FORMATO")), QStringLiteral("N"));
}

TEST_F(Nono, SemDDDNoTelefoneDoHotelOsCurtosFicamEOUsuarioESabe)
{
    parametro(QStringLiteral("FONE1"), QStringLiteral("3333-4444"));
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, FONE_1, FAX) VALUES (2, 'A', '3456-7890', '(11)9876-5432')"));
    TFrmNonoDigito tela;
    tela.contar();
    EXPECT_EQ(tela.edtDDD->text(), QString());
    msg->esperar(QStringLiteral("O telefone do hotel nos Parâmetros não começa com o DDD entre parênteses, como "
                                "(11)3456-7890: os 1 telefones sem DDD ficarão como estão."));
    msg->esperar(NonoDigito::kMsgAtualizados);
    tela.btnConfirmar->click();
    EXPECT_EQ(fone("CLIENTE", "FONE_1", "ID_CLIENTE", 2), QStringLiteral("3456-7890"));
    EXPECT_EQ(fone("CLIENTE", "FAX", "ID_CLIENTE", 2), QStringLiteral("(11)99876-5432"));
}

TEST_F(Nono, FalhaNoMeioNaoMudaNadaEEscondeOGauge)
{
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, FONE_1, FAX) VALUES (2, 'A', '3456-7890', '')"));
    banco().executar(QStringLiteral("INSERT INTO FUNCIONARIO (ID_FUNCIONARIO, NOME, CPF, FONE) VALUES (1, 'E', '1', '(11)9876-5432')"));
    banco().executar(QStringLiteral("ALTER TABLE FUNCIONARIO ADD CONSTRAINT CHK_RECUSA CHECK (FONE NOT LIKE '(11)9%')"));
    try {
        NonoDigito::atualizar(banco(), QStringLiteral("11"), gauge);
        ADD_FAILURE() << "deveria falhar";
    } catch (const ErroBanco &e) {
        EXPECT_TRUE(e.texto().startsWith(
            QStringLiteral("O banco de dados recusou o telefone \"(11)9876-5432\" (FONE 1 FUNCIONARIO, código 1).")))
            << e.texto().toStdString();
    }
    EXPECT_EQ(fone("CLIENTE", "FONE_1", "ID_CLIENTE", 2), QStringLiteral("3456-7890"));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT FONE_SEM_FORMATO FROM PARAMETROS")).toString(), QStringLiteral("N"));
    EXPECT_FALSE(gauge.visivel);
    EXPECT_EQ(gauge.eventos, (QStringList{"mostrar 2", "esconder"}));
}
