// The postal-code lookup against a local HTTP server answering as the
// service does: found, not known, and an error of the service.
#include "rooms/Cep.h"
#include "rooms/UnitCadClientes.h"
#include "support/TelasTeste.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

// Answers every GET with the answer chosen for its path; records the paths.
class ServidorCep : public QObject {
public:
    ServidorCep()
    {
        m_servidor.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_servidor, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_servidor.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    m_pedido += s->readAll();
                    if (!m_pedido.contains("\r\n\r\n"))
                        return;
                    const QByteArray caminho = m_pedido.split(' ').value(1);
                    m_pedido.clear();
                    caminhos.append(QString::fromLatin1(caminho));
                    const auto it = respostas.find(caminho);
                    QByteArray status = "200 OK";
                    QByteArray corpo;
                    if (it == respostas.end()) {
                        status = "500 Internal Server Error";
                        corpo = "erro";
                    } else {
                        corpo = it->second;
                    }
                    s->write("HTTP/1.1 " + status + "\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: "
                             + QByteArray::number(corpo.size()) + "\r\nConnection: close\r\n\r\n" + corpo);
                    s->disconnectFromHost();
                });
            }
        });
    }
    QString endereco() const { return QStringLiteral("http://127.0.0.1:%1/").arg(m_servidor.serverPort()); }

    std::map<QByteArray, QByteArray> respostas;
    QStringList caminhos;

private:
    QTcpServer m_servidor;
    QByteArray m_pedido;
};

const QByteArray kEncontrado =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xmlcep>\n  <cep>35400-000</cep>\n"
    "  <logradouro>Rua São José</logradouro>\n  <complemento></complemento>\n  <bairro>Centro Histórico</bairro>\n"
    "  <localidade>Ouro Preto</localidade>\n  <uf>MG</uf>\n  <ibge>3146107</ibge>\n</xmlcep>";
const QByteArray kNaoEncontrado =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xmlcep>\n  <erro>true</erro>\n</xmlcep>";

class Cep_ : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        servidor = std::make_unique<ServidorCep>();
        servidor->respostas["/ws/35400000/xml/"] = kEncontrado;
        servidor->respostas["/ws/99999999/xml/"] = kNaoEncontrado;
        servidor->respostas["/ws/12345678/xml/"] = "isto não é xml <";
        Cep::definirEnderecoBase(servidor->endereco());
    }
    void TearDown() override
    {
        Cep::definirEnderecoBase({});
        servidor.reset();
        TelasTeste::TearDown();
    }
    std::unique_ptr<ServidorCep> servidor;
};

} // namespace

TEST_F(Cep_, ConsultaPreencheEnderecoSemAcentosEmMaiusculas)
{
    parametro(QStringLiteral("VERIF_CPF_CNPJ"), QStringLiteral("N"));
    TFrmCadClientes f(QStringLiteral("I"));
    f.show();
    ativar(&f);
    f.edtCEP->setFocus();
    focar(f.edtCEP, true);
    f.edtCEP->setCursorPosition(0);
    f.edtCEP->insert(QStringLiteral("35400000"));
    EXPECT_EQ(f.edtCEP->displayText(), QStringLiteral("35400-000"));
    f.btnBuscarCepClick();
    EXPECT_EQ(f.edtEndereco->text(), QStringLiteral("RUA SAO JOSE"));
    EXPECT_EQ(f.edtComplem->text(), QStringLiteral("CENTRO HISTORICO"));
    EXPECT_EQ(f.edtCidade->currentText(), QStringLiteral("OURO PRETO"));
    EXPECT_EQ(f.edtUF->currentText(), QStringLiteral("MG"));
    EXPECT_EQ(focado(), f.edtEndereco);

    // with a street already there the lookup asks first; "No" looks up nothing
    msg->esperar(QStringLiteral("Confirma a Nova Busca do CEP? O endereço atual será substituido!"), Mensagem::Nao);
    f.btnBuscarCepClick();
    EXPECT_EQ(servidor->caminhos, QStringList{QStringLiteral("/ws/35400000/xml/")});
}

TEST_F(Cep_, MesmoCepComOuSemHifenPedeOsMesmosOitoDigitos)
{
    for (const char *cep : {"35400-000", "35400000", " 35400-000 "})
        EXPECT_TRUE(Cep::consultar(QString::fromLatin1(cep)).completo) << cep;
    EXPECT_EQ(servidor->caminhos, QStringList(3, QStringLiteral("/ws/35400000/xml/")));
}

TEST_F(Cep_, FalhasMostramAMensagemEMantemOsCampos)
{
    struct {
        const char *cep;
        const char *caso;
    } casos[] = {{"99999-999", "CEP desconhecido"}, {"12345-678", "resposta que não é XML"},
                 {"00000-000", "erro do serviço"}};
    for (const auto &c : casos) {
        SCOPED_TRACE(c.caso);
        TFrmCadClientes f(QStringLiteral("I"));
        f.edtComplem->setText(QStringLiteral("BAIRRO ANTIGO"));
        msg->esperar(QStringLiteral("Erro ao consultar CEP Online, verifique se o CEP digitado está correto e se a "
                                    "conexão com a internet está disponível, pode ser também que o CEP não exista na "
                                    "base de dados!"));
        f.ConsultaCEP(QString::fromLatin1(c.cep));
        EXPECT_EQ(f.edtEndereco->text(), QString());
        EXPECT_EQ(f.edtComplem->text(), QStringLiteral("BAIRRO ANTIGO"));
    }
    // a service that cannot be reached at all
    Cep::definirEnderecoBase(QStringLiteral("http://127.0.0.1:1/"));
    EXPECT_FALSE(Cep::consultar(QStringLiteral("35400-000")).completo);
}

TEST(CepResposta, ElementosPreenchidosAteOPrimeiroQueFalta)
{
    const Cep::Resultado r = Cep::lerResposta(
        "<xmlcep><logradouro>Av. Brasil</logradouro><bairro>Centro</bairro><uf>RJ</uf></xmlcep>");
    EXPECT_FALSE(r.completo);
    EXPECT_EQ(r.valores, (QStringList{QStringLiteral("AV. BRASIL"), QStringLiteral("CENTRO")}));
    // elements of deeper levels do not count
    EXPECT_FALSE(Cep::lerResposta("<a><b><logradouro>X</logradouro><bairro>Y</bairro><localidade>Z</localidade>"
                                  "<uf>W</uf></b></a>")
                     .completo);
}
