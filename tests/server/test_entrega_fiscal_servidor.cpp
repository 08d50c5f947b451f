// Two workstations pressing "NFCe" on the same stay's statement at the same
// moment, through the Firebird server: agent processes (tests/agente, op
// "nfce") hand the stay over together; the control program's database gets
// one order and one receivable, the stay one record, and the other
// workstation is told the stay is already prepared.
#include "server/EstacoesServidor.h"
#include "stays/EntregaFiscal.h"

#include <QDir>

namespace {

class EntregaFiscalServidor : public EstacoesServidor {
protected:
    void SetUp() override
    {
        EstacoesServidor::SetUp();
        if (semServidor())
            return;
        // The control program's database on the same server.
        const QString pasta = m_pasta->path() + QStringLiteral("/controle");
        QDir().mkpath(pasta);
        QFile::setPermissions(pasta, QFileDevice::Permissions(0x7777));
        const QString arquivo = copiarBancoModelo(pasta, QStringLiteral("companion-controle.fdb"));
        QFile::setPermissions(arquivo, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
                                           | QFile::ReadOther | QFile::WriteOther);
        m_controle = m_servidor.endereco + QLatin1Char(':') + arquivo;
        m_dm->ConexaoZentroControle.definirCaminho(m_controle);
    }
    void TearDown() override
    {
        if (m_dm)
            m_dm->ConexaoZentroControle.desconectar();
        EstacoesServidor::TearDown();
    }
    QString m_controle;
};

} // namespace

TEST_F(EntregaFiscalServidor, DuasEstacoesNaMesmaHospedagemGeramUmPedido)
{
    banco().executar(QStringLiteral("UPDATE PARAMETROS SET NFCE = 'S', NFCE_AP_PROD = 'S'"));
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, TIPO_PESSOA, CNPJ_CPF) VALUES (7, 'ANA', 'F', '')"));
    banco().executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR) "
                                    "VALUES (501, 1, 'CERVEJA', 10)"));
    banco().executar(QStringLiteral("INSERT INTO WALK_IN (ID_WALK_IN, DATA_ENTRADA, HORA_ENTRADA, ID_CLIENTE, "
                                    "QTD_ADULTOS, VALOR_DIARIA, BAIXA) VALUES (12, CURRENT_DATE, '14:00:00', 7, 1, 100, 'S')"));
    banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, TAXA, DATA, HORA) "
                                    "VALUES (12, 501, 2, 10, 0, CURRENT_DATE, '20:00:00')"));
    const QStringList saidas = linhasDosAgentes(2, QStringLiteral("nfce"), 1, QStringLiteral("12|") + m_controle);
    ASSERT_EQ(saidas.size(), 2) << saidas.join(QLatin1Char('\n')).toStdString();
    // Each line: the hand-over's message, then the notice that the control
    // program is not installed on this machine.
    QStringList primeiras;
    for (const QString &s : saidas)
        primeiras << s.section(QLatin1Char('|'), 0, 0);
    primeiras.sort();
    QStringList esperadas{EntregaFiscal::kMsgSucessoNfce, EntregaFiscal::kMsgJaPreparada};
    esperadas.sort();
    EXPECT_EQ(primeiras, esperadas) << saidas.join(QLatin1Char('\n')).toStdString();

    ConexaoBanco &ctl = m_dm->ConexaoZentroControle;
    ctl.garantirConectada();
    EXPECT_EQ(ctl.valor(QStringLiteral("SELECT COUNT(*) FROM PEDIDO")).toLongLong(), 1);
    EXPECT_EQ(ctl.valor(QStringLiteral("SELECT COUNT(*) FROM RECEBER")).toLongLong(), 1);
    EXPECT_EQ(ctl.valor(QStringLiteral("SELECT COUNT(*) FROM NFE")).toLongLong(), 1);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM ENTREGA_FISCAL WHERE ID_ENTRADA = 12")).toLongLong(), 1);
}
