// Sending the birthday e-mail to a real SMTP server on loopback (the peer in
// tests/support/servidor-smtp.py, TLS from the first byte over a certificate
// made here): what the server stores, decoded by Python's own mail parser,
// the envelope, the logins it saw, and every failure's box.
#include "platform/Email.h"
#include "rooms/UnitAniversariantes.h"
#include "support/TelasTeste.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QLabel>

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");
const QString kConta = QStringLiteral("hotel@pousada.com.br");
const QString kSenha = QStringLiteral("senha-certa");

// A body with what quoted-printable must carry: accents, "=", a line that
// starts with a dot, a trailing space and a line longer than 76 bytes.
QString textoMensagem()
{
    return QStringLiteral("Olá, João!\nQue seu dia seja ótimo = feliz.\n.ponto no começo\n") + QString(30, QChar(0x00E9))
        + QString(90, QLatin1Char('x')) + QStringLiteral(" \nfim");
}

// A self-signed certificate for 127.0.0.1; returns false with the reason.
bool gerarCertificado(const QString &pasta, const QString &nome, QString *erro)
{
    QProcess p;
    p.start(QStringLiteral("openssl"),
            {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
             QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
             QStringLiteral("-keyout"), pasta + QLatin1Char('/') + nome + QStringLiteral("-chave.pem"),
             QStringLiteral("-out"), pasta + QLatin1Char('/') + nome + QStringLiteral(".pem"), QStringLiteral("-days"),
             QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=localhost"), QStringLiteral("-addext"),
             QStringLiteral("subjectAltName=IP:127.0.0.1,DNS:localhost")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        *erro = QString::fromLocal8Bit(p.readAllStandardError());
        return false;
    }
    return true;
}

// The loopback peer: started by the test, stopped when it goes.
class ServidorSmtp {
public:
    ServidorSmtp(const QString &pasta, bool tls, int portaFixa = 0) : m_pasta(pasta), m_tls(tls), m_portaFixa(portaFixa)
    {
        caixa = pasta + QStringLiteral("/caixa");
        QDir().mkpath(caixa);
    }
    ~ServidorSmtp() { parar(); }

    bool iniciar(QString *erro)
    {
        QStringList args{QStringLiteral(ZV_FONTE_TESTES "/support/servidor-smtp.py"), caixa, kConta, kSenha};
        if (m_tls) {
            if (!gerarCertificado(m_pasta, QStringLiteral("servidor"), erro))
                return false;
            certificado = m_pasta + QStringLiteral("/servidor.pem");
            args << QStringLiteral("--tls") << certificado << m_pasta + QStringLiteral("/servidor-chave.pem");
        }
        if (m_portaFixa)
            args << QStringLiteral("--porta") << QString::number(m_portaFixa);
        m_processo.start(kPython, args);
        QByteArray saida;
        while (!saida.contains('\n') && m_processo.waitForReadyRead(15000))
            saida += m_processo.readAllStandardOutput();
        if (!saida.startsWith("PORTA ")) {
            m_processo.waitForFinished(2000);
            *erro = QString::fromLocal8Bit(saida + m_processo.readAllStandardError());
            parar();
            return false;
        }
        porta = saida.mid(6).trimmed().toInt();
        return true;
    }
    void parar()
    {
        if (m_processo.state() != QProcess::NotRunning) {
            m_processo.terminate();
            if (!m_processo.waitForFinished(10000))
                m_processo.kill();
            m_processo.waitForFinished(2000);
        }
    }
    QStringList mensagens() const
    {
        QStringList r;
        for (const QString &n : QDir(caixa).entryList({QStringLiteral("*.eml")}, QDir::Files, QDir::Name))
            r << caixa + QLatin1Char('/') + n;
        return r;
    }
    // Envelope of a stored message: the sender, then each recipient.
    static QStringList envelope(const QString &eml)
    {
        QFile f(QString(eml).replace(QStringLiteral(".eml"), QStringLiteral(".env")));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QStringList logins() const
    {
        QFile f(caixa + QStringLiteral("/auth.log"));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QString caixa;
    QString certificado;
    int porta = 0;

private:
    QString m_pasta;
    bool m_tls;
    int m_portaFixa;
    QProcess m_processo;
};

// A stored message read back by Python's mail parser.
QJsonObject lerMensagem(const QString &eml)
{
    static const char *codigo = R"(
import base64, email, json, sys
from email import policy
m = email.message_from_binary_file(open(sys.argv[1], 'rb'), policy=policy.default)
r = {'subject': str(m['subject']), 'from': str(m['from']), 'to': str(m['to']),
     'reply': str(m['reply-to']), 'tipo': m.get_content_type(), 'corpo': None, 'anexos': []}
for p in m.walk():
    if p.is_multipart():
        continue
    if p.get_content_disposition() == 'attachment':
        r['anexos'].append({'nome': p.get_filename(), 'tipo': p.get_content_type(),
                            'b64': base64.b64encode(p.get_payload(decode=True)).decode()})
    else:
        r['corpo'] = p.get_content()
        r['tipoCorpo'] = p.get_content_type()
print(json.dumps(r))
)";
    QProcess p;
    p.start(kPython, {QStringLiteral("-c"), QString::fromUtf8(codigo), eml});
    p.waitForFinished(30000);
    const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    if (o.isEmpty())
        ADD_FAILURE() << p.readAllStandardError().toStdString();
    return o;
}

class Envio_ : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        banco().executar(QStringLiteral("UPDATE EMAIL SET EMAIL_REMETENTE = ?, SENHA = ?, REMETENTE = ?, ASSUNTO = ?, "
                                        "MENSAGEM = ?"),
                         {kConta, kSenha, QStringLiteral("Pousada São João"),
                          QStringLiteral("  Feliz Aniversário, João!  "),
                          textoMensagem()});
    }
    bool iniciar(ServidorSmtp &s)
    {
        QString erro;
        const bool ok = s.iniciar(&erro);
        if (!ok)
            ADD_FAILURE() << "servidor SMTP de teste: " << erro.toStdString();
        return ok;
    }
    void apontar(TFrmAniversariantes &t, const ServidorSmtp &s)
    {
        t.servidorEmail = {QStringLiteral("127.0.0.1"), QString::number(s.porta), s.certificado};
    }
    QString subpasta(const QString &nome)
    {
        const QString p = pasta() + QLatin1Char('/') + nome;
        QDir().mkpath(p);
        return p;
    }
};

TEST_F(Envio_, UmaMensagemParaTresDestinatariosComAnexo)
{
    ServidorSmtp servidor(subpasta(QStringLiteral("smtp")), true);
    ASSERT_TRUE(iniciar(servidor));
    QByteArray bytes;
    for (int i = 0; i < 4000; ++i)
        bytes.append(char(i * 7 % 256));
    const QString cartao = pasta() + QStringLiteral("/cartao.pdf"), sumiu = pasta() + QStringLiteral("/sumiu.txt");
    for (const QString &a : {cartao, sumiu}) {
        QFile f(a);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    TFrmAniversariantes t;
    apontar(t, servidor);
    t.memPara->setPlainText(QStringLiteral("ana@hotel.com.br; bia@mail.org; caio@x.com; "));
    t.lstAnexos->addItem(cartao);
    t.lstAnexos->addItem(sumiu);
    QFile::remove(sumiu); // deleted after it was added: left out in silence
    QStringList passos;
    QObject::connect(t.pbEnvio, &QProgressBar::valueChanged, [&](int v) {
        passos << QString::number(v) + QLatin1Char(' ') + t.lblStatus->text();
    });
    msg->esperar(kMsgEnviada);
    t.btnEnviar->click();

    EXPECT_EQ(passos, (QStringList{QStringLiteral("1 Montando Mensagem..."), QStringLiteral("2 Montando Mensagem..."),
                                   QStringLiteral("3 Autenticando SSL..."), QStringLiteral("4 Enviando Mensagem..."),
                                   QStringLiteral("5 Enviando Mensagem..."), QStringLiteral("0 Enviando Mensagem...")}));
    EXPECT_EQ(t.lblStatus->text(), QStringLiteral("Aguardando..."));
    const QStringList eml = servidor.mensagens();
    ASSERT_EQ(eml.size(), 1);
    EXPECT_EQ(ServidorSmtp::envelope(eml[0]),
              (QStringList{kConta, QStringLiteral("ana@hotel.com.br"), QStringLiteral("bia@mail.org"),
                           QStringLiteral("caio@x.com")}));
    EXPECT_EQ(servidor.logins(), QStringList{kConta + QStringLiteral(" ok")});
    const QJsonObject m = lerMensagem(eml[0]);
    EXPECT_EQ(m.value(QLatin1String("subject")).toString(), QStringLiteral("Feliz Aniversário, João!"));
    EXPECT_EQ(m.value(QLatin1String("from")).toString(), QStringLiteral("Pousada São João <hotel@pousada.com.br>"));
    EXPECT_EQ(m.value(QLatin1String("reply")).toString(), kConta);
    EXPECT_EQ(m.value(QLatin1String("to")).toString(),
              QStringLiteral("ana@hotel.com.br, bia@mail.org, caio@x.com"));
    EXPECT_EQ(m.value(QLatin1String("tipo")).toString(), QStringLiteral("multipart/mixed"));
    EXPECT_EQ(m.value(QLatin1String("tipoCorpo")).toString(), QStringLiteral("text/plain"));
    QString corpo = m.value(QLatin1String("corpo")).toString();
    corpo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (corpo.endsWith(QLatin1Char('\n')))
        corpo.chop(1);
    EXPECT_EQ(corpo, textoMensagem());
    const QJsonArray anexos = m.value(QLatin1String("anexos")).toArray();
    ASSERT_EQ(anexos.size(), 1);
    EXPECT_EQ(anexos[0].toObject().value(QLatin1String("nome")).toString(), QStringLiteral("cartao.pdf"));
    EXPECT_EQ(anexos[0].toObject().value(QLatin1String("tipo")).toString(), QStringLiteral("application/pdf"));
    EXPECT_EQ(QByteArray::fromBase64(anexos[0].toObject().value(QLatin1String("b64")).toString().toLatin1()), bytes);

    const QStringList log = logs().filter(QStringLiteral("Envio de Email"));
    EXPECT_EQ(log, QStringList{QStringLiteral("ADMIN|Envio de Email")});
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT ANTES FROM LOG WHERE OPERACAO = 'Envio de Email'")).toString(),
              QStringLiteral("De: Pousada São João (hotel@pousada.com.br)\rAssunto:   Feliz Aniversário, João!  \r"
                             "Mensagem: ")
                  + textoMensagem()
                  + QStringLiteral("\rPara: ana@hotel.com.br; bia@mail.org; caio@x.com; \r"));
}

TEST_F(Envio_, FalhasMostramSuaCaixaENadaChega)
{
    ServidorSmtp tls(subpasta(QStringLiteral("tls")), true);
    ServidorSmtp plano(subpasta(QStringLiteral("plano")), false);
    ServidorSmtp desligado(subpasta(QStringLiteral("desligado")), false);
    ASSERT_TRUE(iniciar(tls));
    ASSERT_TRUE(iniciar(plano));
    ASSERT_TRUE(iniciar(desligado));
    desligado.parar();
    QString erro;
    ASSERT_TRUE(gerarCertificado(pasta(), QStringLiteral("outro"), &erro)) << erro.toStdString();
    const QString outroCA = pasta() + QStringLiteral("/outro.pem");

    const struct {
        const char *caso;
        ServidorSmtp *servidor;
        QString arquivoCA;
        QString senha;
        QString para;
        QString caixa;
        QStringList logins; // what the server saw
    } casos[] = {
        {"senha errada", &tls, tls.certificado, QStringLiteral("errada"), QStringLiteral("ana@hotel.com.br; "),
         kMsgAutenticacaoFalhou, {kConta + QStringLiteral(" falhou")}},
        {"servidor fora do ar", &desligado, QString(), kSenha, QStringLiteral("ana@hotel.com.br; "),
         kMsgConexaoInterrompida, {}},
        {"certificado que o CA não assina", &tls, outroCA, kSenha, QStringLiteral("ana@hotel.com.br; "), kMsgSslFalhou,
         {}},
        // a server without TLS on a TLS port never receives the password
        {"servidor sem TLS", &plano, QString(), kSenha, QStringLiteral("ana@hotel.com.br; "), kMsgSslFalhou, {}},
        {"destinatário recusado", &tls, tls.certificado, kSenha,
         QStringLiteral("ana@hotel.com.br; recusa@hotel.com.br; "),
         kMsgRecusada + QStringLiteral("550 5.1.1 Caixa postal inexistente"), {kConta + QStringLiteral(" ok")}},
    };
    for (const auto &c : casos) {
        QFile::remove(c.servidor->caixa + QStringLiteral("/auth.log"));
        TFrmAniversariantes t;
        t.servidorEmail.arquivoCA = c.arquivoCA;
        msg->esperar(c.caixa);
        const bool ok = t.EnviarEmail(QStringLiteral("127.0.0.1"), QString::number(c.servidor->porta), kConta, c.senha,
                                      QStringLiteral("Pousada"), kConta, c.para, QStringLiteral("Oi"),
                                      QStringLiteral("Corpo"), 0, -1, false, {});
        EXPECT_FALSE(ok) << c.caso;
        EXPECT_EQ(c.servidor->mensagens(), QStringList()) << c.caso;
        EXPECT_EQ(c.servidor->logins(), c.logins) << c.caso;
        EXPECT_EQ(msg->pendentes(), 0) << c.caso;
    }
    EXPECT_FALSE(msg->textos().contains(kMsgEnviada));

    // through the screen: the failed send is logged too
    TFrmAniversariantes t;
    t.servidorEmail = {QStringLiteral("127.0.0.1"), QString::number(desligado.porta), QString()};
    t.memPara->setPlainText(QStringLiteral("ana@hotel.com.br; "));
    msg->esperar(kMsgConexaoInterrompida);
    t.btnEnviar->click();
    EXPECT_EQ(logs().filter(QStringLiteral("Envio de Email")), QStringList{QStringLiteral("ADMIN|Envio de Email")});
    EXPECT_EQ(t.pbEnvio->value(), 0);
}

TEST_F(Envio_, Porta25SemTls)
{
    ServidorSmtp servidor(subpasta(QStringLiteral("p25")), false, 25);
    QString erro;
    if (!servidor.iniciar(&erro))
        GTEST_SKIP() << "a porta 25 não pode ser aberta aqui: " << erro.toStdString();
    TFrmAniversariantes t;
    msg->esperar(kMsgEnviada);
    EXPECT_TRUE(t.EnviarEmail(QStringLiteral("127.0.0.1"), QStringLiteral("25"), kConta, kSenha, QStringLiteral("Pousada"),
                              kConta, QStringLiteral("ana@hotel.com.br; "), QStringLiteral("Oi"),
                              QStringLiteral("Corpo"), 0, -1, true, {}));
    const QStringList eml = servidor.mensagens();
    ASSERT_EQ(eml.size(), 1);
    QFile f(eml[0]);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    // the read receipt asked for goes to the sender
    EXPECT_TRUE(f.readAll().contains("Disposition-Notification-To: hotel@pousada.com.br\r\n"));
}

TEST(EscritaMime, QuotedPrintable)
{
    const struct {
        QByteArray entrada;
        QByteArray saida;
    } casos[] = {
        {"abc", "abc"},
        {"a=b", "a=3Db"},
        {"fim ", "fim=20"},
        {"tab\t", "tab=09"},
        {"meio da linha", "meio da linha"},
        {"\xC3\xA1", "=C3=A1"},
        {".x", "=2Ex"},
        {"l1\nl2\r\nl3\rl4", "l1\r\nl2\r\nl3\r\nl4"},
        {QByteArray(100, 'a'), QByteArray(75, 'a') + "=\r\n" + QByteArray(25, 'a')},
        {QByteArray(74, 'a') + "\xC3\xA9", QByteArray(74, 'a') + "=\r\n=C3=A9"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(Email::quotedPrintable(c.entrada), c.saida) << c.entrada.toStdString();
}

TEST(EscritaMime, CabecalhosSemQuebraDeLinhaInjetada)
{
    Email::Mensagem m;
    m.deNome = QStringLiteral("Hotel\r\nBcc: intruso@x.com");
    m.deEmail = QStringLiteral("hotel@x.com");
    m.para = {QStringLiteral("a@b.com")};
    m.assunto = QStringLiteral("Oi\r\nBcc: intruso@x.com");
    const QByteArray bruta = Email::montar(m);
    EXPECT_FALSE(bruta.contains("\r\nBcc:"));
    EXPECT_EQ(Email::palavraCodificada(QStringLiteral("Bom dia")), QByteArray("Bom dia"));
    EXPECT_TRUE(Email::palavraCodificada(QStringLiteral("Olá")).startsWith("=?UTF-8?B?"));
}

} // namespace
