// Several workstations on one database through the Firebird server: agent
// processes (tests/agente) start the same operation at the same moment and
// the database must come out as if they had run one after the other.
#include "base/Relogio.h"
#include "base/UnitDM.h"
#include "core/UnitBackup.h"
#include "platform/Backup.h"
#include "support/BancoTeste.h"
#include "EstacoesServidor.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <memory>

namespace {

class VariasEstacoes : public EstacoesServidor {};

} // namespace

TEST_F(VariasEstacoes, DuasPostagensDoMesmoDiaPostamUmaVez)
{
    const QDate hoje = QDate::currentDate();
    banco().executar(QStringLiteral("INSERT INTO ATUALIZACAO (DATA) VALUES (?)"), {hoje.addDays(-3)});
    // Enough stays for the first posting to be under way when the second starts.
    constexpr int kEstadias = 150;
    banco().emTransacao([&] {
        for (int i = 0; i < kEstadias; ++i)
            banco().executar(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA, VALOR_DIARIA, "
                                            "QTD_ADULTOS, BAIXA, EXCLUIDO) VALUES (1, 1, ?, 100, 2, 'N', 'N')"),
                             {hoje.addDays(-10 + i % 5)});
    });

    const auto saidas = rodarAgentes(2, QStringLiteral("diarias"), 1, hoje.toString(Qt::ISODate));
    ASSERT_EQ(saidas.size(), 2);
    QStringList resultados;
    for (const auto &s : saidas)
        resultados << s.linhas;
    resultados.sort();
    // One posted every stay's three nights; the other found the day taken.
    EXPECT_EQ(resultados, (QStringList{QStringLiteral("registrada=0 noites=0"),
                                       QStringLiteral("registrada=1 noites=%1").arg(kEstadias * 3)}));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ATUALIZACAO WHERE DATA = ?"), {hoje}), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM OCUPACAO")), kEstadias * 3);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM (SELECT ID_ENTRADA, DATA FROM OCUPACAO "
                                    "GROUP BY ID_ENTRADA, DATA HAVING COUNT(*) > 1)")),
              0);
}

TEST_F(VariasEstacoes, DuasEstacoesPreparamOPontoUmaVez)
{
    const QDate hoje = QDate::currentDate();
    constexpr int kFuncionarios = 60;
    banco().emTransacao([&] {
        for (int i = 0; i < kFuncionarios; ++i)
            banco().executar(QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF, SOLICITA_PONTO, SOLICITA_PONTO_SAB, "
                                            "SOLICITA_PONTO_DOM, TURNO_1_ENT, TURNO_1_SAI, TURNO_2_ENT, TURNO_2_SAI) "
                                            "VALUES (?, '000.000.000-00', 'S', 'S', 'S', ?, ?, ?, ?)"),
                             {QStringLiteral("FUNC %1").arg(i), QTime(8, 0), QTime(12, 0), QTime(13, 0), QTime(17, 0)});
    });

    const auto saidas = rodarAgentes(2, QStringLiteral("ponto"), 3, hoje.toString(Qt::ISODate));
    QStringList resultados;
    for (const auto &s : saidas)
        resultados << s.linhas;
    resultados.sort();
    // The day prepared once; every other run found nothing to do.
    EXPECT_EQ(resultados, (QStringList{QStringLiteral("faltas=0 previstas=0"), QStringLiteral("faltas=0 previstas=0"),
                                       QStringLiteral("faltas=0 previstas=0"), QStringLiteral("faltas=0 previstas=0"),
                                       QStringLiteral("faltas=0 previstas=0"),
                                       QStringLiteral("faltas=0 previstas=%1").arg(kFuncionarios * 4)}));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM PONTO WHERE DATA_DEFINIDA = ?"), {hoje}), kFuncionarios * 4);
}

TEST_F(VariasEstacoes, DuasEstacoesCriamOMesmoLogin)
{
    constexpr int kLogins = 15;
    const auto saidas = rodarAgentes(2, QStringLiteral("usuario"), kLogins, QStringLiteral("DUPLO"));
    QMap<QString, QStringList> porLogin;
    for (const auto &s : saidas)
        for (const QString &l : s.linhas)
            porLogin[l.section(QLatin1Char('|'), 0, 0)] << l.section(QLatin1Char('|'), 1);
    ASSERT_EQ(porLogin.size(), kLogins);
    for (auto it = porLogin.begin(); it != porLogin.end(); ++it) {
        QStringList m = it.value();
        m.sort();
        EXPECT_EQ(m, (QStringList{QStringLiteral("Usuário Cadastrado com Sucesso! Verifique as Permissões!"),
                                  QStringLiteral("Usuário Já Cadastrado!")}))
            << it.key().toStdString();
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM USUARIO WHERE LOGIN = ?"), {it.key()}), 1);
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH 'Incluiu Usuário -> DUPLO'")),
              kLogins);
}

// A restore through the server cannot swap files there: the checked database
// stays under a new name beside the live one, which is left as it was.
TEST_F(VariasEstacoes, RestauracaoNoServidorGravaComNovoNome)
{
    Relogio::definir(QDateTime(QDate(2026, 12, 10), QTime(10, 0, 0)));
    const QString arquivo = m_pasta->path() + QStringLiteral("/copia.fbk");
    Backup::servico().backup(m_banco, arquivo, {TDM::usuario(), TDM::senha()}, {});
    banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('DEPOIS', '1')"));

    // Not a backup: refused, nothing new on the server.
    const QString lixo = m_pasta->path() + QStringLiteral("/lixo.fbk");
    {
        QFile f(lixo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    EXPECT_THROW(BackupRegras::restaurar(lixo, m_banco, {}), ErroSistema);
    EXPECT_EQ(QDir(m_pasta->path()).entryList({QStringLiteral("*_restaurado_*")}, QDir::Files), QStringList());

    QStringList linhas;
    const QString novo = BackupRegras::restaurar(arquivo, m_banco, [&](const QString &l) { linhas << l; });
    EXPECT_EQ(novo, m_servidor.endereco + QLatin1Char(':') + m_pasta->path()
                        + QStringLiteral("/modelo_restaurado_20261210_100000.fdb"));
    ASSERT_GE(linhas.size(), 3);
    EXPECT_EQ(linhas.mid(linhas.size() - 3), (QStringList{QString(), BackupRegras::kMsgRestauradoNoServidor, novo}));
    // The live database keeps the row written after the backup; the new one does not have it.
    EXPECT_TRUE(banco().conectada());
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM USUARIO WHERE LOGIN = 'DEPOIS'")), 1);
    {
        ConexaoBanco restaurado(QStringLiteral("Restaurado"), novo);
        restaurado.conectar();
        EXPECT_EQ(restaurado.valor(QStringLiteral("SELECT COUNT(*) FROM USUARIO WHERE LOGIN = 'DEPOIS'")).toInt(), 0);
        EXPECT_EQ(restaurado.valor(QStringLiteral("SELECT COUNT(*) FROM PARAMETROS")).toInt(), 1);
        restaurado.desconectar();
    }
    Relogio::liberar();
}

TEST_F(VariasEstacoes, CincoEstacoesLancamNoMesmoCaixa)
{
    const qint64 caixa = banco()
                             .valor(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, USUARIO, ATUAL, VALOR_ABERT) "
                                                   "VALUES (CURRENT_DATE, CURRENT_TIME, 'ADMIN', 100, 100) RETURNING ID_CAIXA"))
                             .toLongLong();
    constexpr int kEstacoes = 5, kVezes = 20;
    const auto saidas = rodarAgentes(kEstacoes, QStringLiteral("caixa"), kVezes, QStringLiteral("1,25"));
    int sucessos = 0;
    for (const auto &s : saidas)
        for (const QString &l : s.linhas) {
            EXPECT_EQ(l, QStringLiteral("1|Operação Realizada com Sucesso, Saldo do CAIXA Atualizado!"));
            sucessos += l.startsWith(QLatin1String("1|")) ? 1 : 0;
        }
    EXPECT_EQ(sucessos, kEstacoes * kVezes);
    // Exactly every booking counted: 100,00 + 100 x 1,25.
    EXPECT_EQ(banco()
                  .ler(QStringLiteral("SELECT ATUAL FROM CAIXA WHERE ID_CAIXA = ?"), {caixa})
                  .dinheiro(QStringLiteral("ATUAL"))
                  .formatado(),
              QStringLiteral("225,00"));
}
