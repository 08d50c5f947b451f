// Two workstations saving a new employee with the same CPF at the same
// moment, through the Firebird server (agent op "funcionario"): one row is
// stored, the other workstation is told the CPF is taken.
#include "staff/Funcionarios.h"
#include "EstacoesServidor.h"

namespace {
class FuncionariosServidor : public EstacoesServidor {};
} // namespace

TEST_F(FuncionariosServidor, DuasEstacoesComOMesmoCpfGravamUmFuncionario)
{
    const QStringList cpfs = {QStringLiteral("529.982.247-25"), QStringLiteral("111.444.777-35"),
                              QStringLiteral("123.456.789-09")};
    for (const QString &cpf : cpfs) {
        SCOPED_TRACE(cpf.toStdString());
        QStringList resultados = linhasDosAgentes(2, QStringLiteral("funcionario"), 1, cpf);
        resultados.sort();
        const qint64 chave =
            contar(QStringLiteral("SELECT MAX(ID_FUNCIONARIO) FROM FUNCIONARIO WHERE CPF = ?"), {cpf});
        EXPECT_EQ(resultados, (QStringList{QStringLiteral("chave=%1").arg(chave),
                                           QStringLiteral("recusa|") + Funcionarios::kMsgCpfJaCadastrado}));
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM FUNCIONARIO WHERE CPF = ?"), {cpf}), 1);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = ?"),
                         {QStringLiteral("Incluiu Funcionário -> Código %1 (").arg(chave)
                          + banco().valor(QStringLiteral("SELECT NOME FROM FUNCIONARIO WHERE ID_FUNCIONARIO = ?"),
                                          {chave}).toString() + QLatin1Char(')')}),
                  1);
    }
}
