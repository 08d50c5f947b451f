// SMS sending: the proposed texts and numbers, the counter, the request the
// gateway receives (against a gateway on loopback) and each answer's outcome.
#include "base/Parametros.h"
#include "base/Sessao.h"
#include "base/UnitLog.h"
#include "core/UnitSMS.h"
#include "support/BancoTeste.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

// A tiny HTTP gateway: records the last request and answers with a fixed
// status and body.
class Gateway : public QObject {
public:
    Gateway()
    {
        servidor.listen(QHostAddress::LocalHost);
        connect(&servidor, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *s = servidor.nextPendingConnection();
            auto buffer = std::make_shared<QByteArray>();
            connect(s, &QTcpSocket::readyRead, s, [this, s, buffer] {
                *buffer += s->readAll();
                const qsizetype fim = buffer->indexOf("\r\n\r\n");
                if (fim < 0)
                    return;
                const QByteArray cab = buffer->left(fim);
                qsizetype tamanho = 0;
                for (const QByteArray &l : cab.split('\n'))
                    if (l.toLower().startsWith("content-length:"))
                        tamanho = l.mid(15).trimmed().toLongLong();
                if (buffer->size() < fim + 4 + tamanho)
                    return;
                cabecalho = QString::fromLatin1(cab);
                corpo = buffer->mid(fim + 4, tamanho);
                s->write("HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Type: application/json\r\nContent-Length: "
                         + QByteArray::number(resposta.size()) + "\r\nConnection: close\r\n\r\n" + resposta);
                s->disconnectFromHost();
            });
        });
    }
    SmsGateway::Configuracao conf() const
    {
        return {QStringLiteral("http://127.0.0.1:%1/api").arg(servidor.serverPort()), QStringLiteral("hotelteste.rest"),
                QStringLiteral("Abc123def4"), {}};
    }
    void responder(int st, const char *statusCode, const char *detailCode)
    {
        status = st;
        resposta = QByteArray("{\"sendSmsResponse\":{\"statusCode\":\"") + statusCode
            + "\",\"statusDescription\":\"Desc\",\"detailCode\":\"" + detailCode + "\",\"detailDescription\":\"Det\"}}";
    }
    QTcpServer servidor;
    int status = 200;
    QByteArray resposta;
    QString cabecalho;
    QByteArray corpo;
};

class SmsTeste : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Sessao::reiniciar();
        Sessao::atual().login = QStringLiteral("ANA");
        banco().executar(QStringLiteral("UPDATE PARAMETROS SET NOME_FANTASIA = 'Pousada Mar Azul do Litoral Norte'"));
        tParametros().recarregar();
        idCliente = banco()
                        .valor(QStringLiteral("INSERT INTO CLIENTE (TIPO_PESSOA, NOME, FONE_1, FAX) VALUES "
                                              "('F', '  JOÃO da Silva', '(21) 5555-0100', '21 9999.0000') RETURNING ID_CLIENTE"))
                        .toLongLong();
        idReserva = banco()
                        .valor(QStringLiteral("INSERT INTO RESERVA (ID_CLIENTE, DATA_ENTRADA, OBS) VALUES (?, ?, 'Chega tarde') "
                                              "RETURNING ID_RESERVA"),
                               {idCliente, QDate(2026, 12, 24)})
                        .toLongLong();
    }
    void TearDown() override
    {
        Sessao::reiniciar();
        BancoTeste::TearDown();
    }
    Sms::Contexto reserva()
    {
        Sms::Contexto c;
        c.origem = Sms::Contexto::Origem::Reserva;
        c.idReserva = idReserva;
        c.atualizarReservas = [this] { ++atualizacoes; };
        return c;
    }
    qint64 idCliente = 0, idReserva = 0;
    int atualizacoes = 0;
    Gateway gw;
};

} // namespace

TEST_F(SmsTeste, PropostasPorOrigem)
{
    const Sms::Proposta r = Sms::propor(DM->Conexao, reserva());
    EXPECT_EQ(r.nome, QStringLiteral("João"));
    EXPECT_EQ(r.mensagem, QStringLiteral("Olá João, sua reserva de código %1 com data para 24/12/2026 está confirmada.").arg(idReserva));
    EXPECT_EQ(r.para, QStringLiteral("552155550100"));
    EXPECT_EQ(r.telefones, (QStringList{QStringLiteral("(21) 5555-0100"), QStringLiteral("21 9999.0000")}));
    EXPECT_EQ(r.de, QStringLiteral("Pousada Mar Azul do "));
    EXPECT_EQ(r.observacao, QStringLiteral("Chega tarde"));
    EXPECT_FALSE(r.jaEnviada);

    const qint64 estadia = banco().valor(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA) VALUES (?, 1, ?) RETURNING ID_WALK_IN"),
                                         {idCliente, QDate(2026, 12, 9)}).toLongLong();
    Sms::Contexto c;
    c.origem = Sms::Contexto::Origem::Extrato;
    c.idWalkIn = estadia;
    c.tipoExtrato = QStringLiteral("Entrada");
    EXPECT_TRUE(Sms::propor(DM->Conexao, c).mensagem.startsWith(QStringLiteral("Seja bem-vindo João. Esperamos")));
    c.tipoExtrato = QStringLiteral("Saída");
    EXPECT_TRUE(Sms::propor(DM->Conexao, c).mensagem.contains(QStringLiteral("Boa viagem João.")));
    c.tipoExtrato = QStringLiteral("Conferência");
    EXPECT_EQ(Sms::propor(DM->Conexao, c).mensagem, QString());
    c.origem = Sms::Contexto::Origem::MapaUH;
    EXPECT_EQ(Sms::propor(DM->Conexao, c).mensagem, QStringLiteral("João, "));
    c.idWalkIn = 0;
    EXPECT_EQ(Sms::propor(DM->Conexao, c).mensagem, QString());

    // A company keeps its name as stored; a one-word name is kept whole.
    EXPECT_EQ(Sms::nomeParaMensagem(QStringLiteral("ACME Ltda"), QStringLiteral("J")), QStringLiteral("ACME Ltda"));
    EXPECT_EQ(Sms::nomeParaMensagem(QStringLiteral("MARIA"), QStringLiteral("F")), QStringLiteral("Maria"));
}

TEST_F(SmsTeste, ContadorBloqueiaAcimaDe158)
{
    const QString de(20, QLatin1Char('d'));
    EXPECT_EQ(Sms::restantes(de, QString(138, QLatin1Char('m'))), 0);
    EXPECT_EQ(Sms::restantes(de, QString(139, QLatin1Char('m'))), -1);
    TFrmEnvioSMS tela(reserva());
    tela.edtDe->setText(de);
    tela.MemoMensagem->setPlainText(QString(139, QLatin1Char('m')));
    EXPECT_EQ(tela.Label9->text(), QStringLiteral("-1 caracteres restantes"));
    msg->esperar(QStringLiteral("Quantidade de caracteres maior que 158, favor ajustar!"));
    tela.btnConfirmarClick();
    EXPECT_TRUE(gw.corpo.isEmpty());
}

TEST_F(SmsTeste, ConfirmacaoDeReservaChegaEmAsciiEFicaRegistrada)
{
    gw.responder(200, "00", "000");
    msg->esperar(QStringLiteral("SMS enviado com sucesso!"));
    EXPECT_EQ(Sms::confirmar(DM->Conexao, reserva(), QStringLiteral(" Pousada "), QStringLiteral("552155550100 "),
                             QStringLiteral("Olá \"João\""), false, gw.conf()),
              Sms::Resultado::Enviado);
    EXPECT_TRUE(gw.cabecalho.startsWith(QStringLiteral("POST /api/services/send-sms ")));
    EXPECT_TRUE(gw.cabecalho.contains(QStringLiteral("Authorization: Basic ")
                                      + QString::fromLatin1(QByteArray("hotelteste.rest:Abc123def4").toBase64())));
    const QJsonObject o = QJsonDocument::fromJson(gw.corpo).object().value(QStringLiteral("sendSmsRequest")).toObject();
    EXPECT_EQ(o.value(QStringLiteral("from")).toString(), QStringLiteral("Pousada"));
    EXPECT_EQ(o.value(QStringLiteral("to")).toString(), QStringLiteral("552155550100"));
    EXPECT_EQ(o.value(QStringLiteral("msg")).toString(), QStringLiteral("Ol? \"Jo?o\""));
    EXPECT_EQ(o.value(QStringLiteral("callbackOption")).toString(), QStringLiteral("NONE"));

    const Linha r = banco().ler(QStringLiteral("SELECT * FROM RESERVA WHERE ID_RESERVA = ?"), {idReserva});
    EXPECT_EQ(r.momento(QStringLiteral("CONF_SMS")), QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    EXPECT_EQ(r.texto(QStringLiteral("PARA_CONF_SMS")), QStringLiteral("552155550100"));
    EXPECT_EQ(r.texto(QStringLiteral("RETORNO_CONF_SMS")), QStringLiteral("Mensagem enviada"));
    EXPECT_EQ(atualizacoes, 1);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = 'Envio de confirmação de Reserva por SMS'")).toInt(), 1);

    // A second sending: refused without full access, allowed with it.
    EXPECT_TRUE(Sms::propor(DM->Conexao, reserva()).jaEnviada);
    msg->esperar(QStringLiteral("Reenvio de Mensagem, consulte a Administração!"));
    EXPECT_EQ(Sms::confirmar(DM->Conexao, reserva(), QStringLiteral("P"), QStringLiteral("55"), QStringLiteral("x"), true, gw.conf()),
              Sms::Resultado::Bloqueado);
    Sessao::atual().direitos.ACESSO_TOTAL = true;
    msg->esperar(QStringLiteral("SMS enviado com sucesso!"));
    EXPECT_EQ(Sms::confirmar(DM->Conexao, reserva(), QStringLiteral("P"), QStringLiteral("55"), QStringLiteral("x"), true, gw.conf()),
              Sms::Resultado::Enviado);
    EXPECT_EQ(atualizacoes, 2);
}

TEST_F(SmsTeste, RespostasDoGateway)
{
    Sms::Contexto boasVindas;
    boasVindas.origem = Sms::Contexto::Origem::Extrato;
    // Welcome accepted: nothing recorded in RESERVA.
    gw.responder(200, "00", "000");
    msg->esperar(QStringLiteral("SMS enviado com sucesso!"));
    Sms::confirmar(DM->Conexao, boasVindas, QStringLiteral("P"), QStringLiteral("55"), QStringLiteral("x"), false, gw.conf());
    EXPECT_TRUE(banco().ler(QStringLiteral("SELECT CONF_SMS FROM RESERVA")).nulo(QStringLiteral("CONF_SMS")));

    // Accepted with another detail: silent, nothing recorded.
    gw.responder(200, "00", "010");
    EXPECT_EQ(Sms::confirmar(DM->Conexao, reserva(), QStringLiteral("P"), QStringLiteral("55"), QStringLiteral("x"), false, gw.conf()),
              Sms::Resultado::SemConfirmacao);
    EXPECT_TRUE(banco().ler(QStringLiteral("SELECT CONF_SMS FROM RESERVA")).nulo(QStringLiteral("CONF_SMS")));

    // HTTP error: both boxes, the answer read all the same.
    gw.responder(401, "05", "020");
    msg->esperar(QStringLiteral("Erro ao conectar a API Zenvia!"));
    msg->esperar(QStringLiteral("Erro ao enviar SMS, tente novamente em alguns instantes, caso não consiga, entre em contato "
                                "com o suporte Calvori!\r\rErro: 05 - Desc\rDetalhe: 020 - Det"));
    EXPECT_EQ(Sms::confirmar(DM->Conexao, reserva(), QStringLiteral("P"), QStringLiteral("55"), QStringLiteral("x"), false, gw.conf()),
              Sms::Resultado::Falhou);

    // No gateway at all: the transport's error reaches the caller.
    gw.servidor.close();
    EXPECT_THROW(Sms::confirmar(DM->Conexao, reserva(), QStringLiteral("P"), QStringLiteral("55"), QStringLiteral("x"), false, gw.conf()),
                 ErroSistema);
    EXPECT_TRUE(banco().ler(QStringLiteral("SELECT CONF_SMS FROM RESERVA")).nulo(QStringLiteral("CONF_SMS")));
}
