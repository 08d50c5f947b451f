// The customer import: the fields of a line, made-up CPFs, dates, refused
// lines listed, and the whole import undone by a failure.
#include "integration/ImportacaoClientes.h"
#include "support/TelasTeste.h"
#include "tests/integration/Gravador.h"

#include <QFile>
#include <QStringEncoder>

namespace {

// A line of the other program's file: quoted fields but the 4th; the rest as given.
QString linha(const QString &nome, const QString &doc, const QString &data = QStringLiteral("1980-05-20"),
              const QString &obs = QStringLiteral("\"OBS\""), const QString &fone = QStringLiteral("(11)3456-7890"),
              const QString &email = QStringLiteral("Ana@Mail.COM"))
{
    return QStringLiteral("\"77\"|\"%1\"|\"%2\"|%3|\"12.345\"|\"sp\"|\"01310-100\"|\"av. paulista, 1000\"|\"bela vista\"|"
                          "\"são paulo\"|\"%4\"|\"\"|\"%5\"|%6")
        .arg(nome, doc, data, fone, email, obs);
}

class Importar : public TelasTeste {
protected:
    QStringList clientes()
    {
        QStringList r;
        for (const Linha &l : banco().lerTodas(QStringLiteral(
                 "SELECT ID_CLIENTE, NOME, CNPJ_CPF, DATA_NASC, OBSERVACAO FROM CLIENTE ORDER BY ID_CLIENTE")))
            r << QStringLiteral("%1|%2|%3|%4|%5")
                     .arg(l.texto(QStringLiteral("ID_CLIENTE")), l.texto(QStringLiteral("NOME")),
                          l.texto(QStringLiteral("CNPJ_CPF")), l.data(QStringLiteral("DATA_NASC")).toString(QStringLiteral("dd/MM/yyyy")),
                          l.texto(QStringLiteral("OBSERVACAO")));
        return r;
    }
    GaugeGravado gauge;
};

} // namespace

TEST_F(Importar, CamposDeUmaLinha)
{
    int inventados = 0;
    QString motivo;
    const auto c = Importacao::lerLinha(linha(QStringLiteral(" maria d'ávila "), QStringLiteral("12345678901")),
                                        inventados, &motivo);
    ASSERT_TRUE(c) << motivo.toStdString();
    EXPECT_EQ(c->nome, QStringLiteral("MARIA D'áVILA")); // only a to z are raised
    EXPECT_EQ(c->documento, QStringLiteral("123.456.789-01"));
    EXPECT_EQ(c->nascimento, QDate(1980, 5, 20));
    EXPECT_EQ(c->rg, QStringLiteral("12.345"));
    EXPECT_EQ(c->estado, QStringLiteral("SP"));
    EXPECT_EQ(c->cep, QStringLiteral("01310100"));
    EXPECT_EQ(c->endereco, QStringLiteral("AV PAULISTA, 1000"));
    EXPECT_EQ(c->bairro, QStringLiteral("BELA VISTA"));
    EXPECT_EQ(c->cidade, QStringLiteral("SãO PAULO"));
    EXPECT_EQ(c->fone, QStringLiteral("(11)3456-7890"));
    EXPECT_EQ(c->fax, QString());
    EXPECT_EQ(c->email, QStringLiteral("ana@mail.com"));
    EXPECT_EQ(c->observacao, QStringLiteral("OBS"));
    EXPECT_EQ(inventados, 0);
}

TEST_F(Importar, DocumentosEDatas)
{
    struct Caso {
        const char *doc, *data, *documento, *nascimento;
    } casos[] = {
        {"12345678901", "1980-05-20", "123.456.789-01", "20/05/1980"},
        {"123.456.789-01", "1980-05-20 00:00:00", "123.456.789-01", "20/05/1980"},
        {"12.345.678/0001-90", "2001-12-31", "12.345.678/0001-90", "31/12/2001"},
        {"12345678000190", "2001-01-02", "12.345.678/0001-90", "02/01/2001"},
        {"", "1980-05-20", "000.000.000-01", "20/05/1980"}, // made up
        {"123", "1980-05-20", "000.000.000-02", "20/05/1980"},
    };
    int inventados = 0;
    for (const Caso &c : casos) {
        QString motivo;
        const auto r = Importacao::lerLinha(linha(QStringLiteral("X"), QString::fromLatin1(c.doc), QString::fromLatin1(c.data)),
                                            inventados, &motivo);
        ASSERT_TRUE(r) << c.doc << " " << motivo.toStdString();
        EXPECT_EQ(r->documento, QString::fromLatin1(c.documento)) << c.doc;
        EXPECT_EQ(r->nascimento.toString(QStringLiteral("dd/MM/yyyy")), QString::fromLatin1(c.nascimento)) << c.data;
    }
    EXPECT_EQ(Importacao::cpfInventado(12), QStringLiteral("000.000.000-12"));
    EXPECT_EQ(Importacao::cpfInventado(123), QStringLiteral("000.000.001-23"));
    for (const char *ruim : {"", "20/05/1980", "1980-13-01", "1980-05-20T10"}) {
        QString motivo;
        EXPECT_FALSE(Importacao::lerLinha(linha(QStringLiteral("X"), QString(), QString::fromLatin1(ruim)), inventados, &motivo))
            << ruim;
        EXPECT_FALSE(motivo.isEmpty());
    }
}

TEST_F(Importar, Observacao)
{
    struct Caso {
        const char *campo, *obs;
    } casos[] = {
        {"\"cliente bom\"", "CLIENTE BOM"},
        {"\"a | b\"", "A | B"},           // a separator inside the remark
        {"\"cliente bom\"\r", "CLIENTE BOM"},
        {"\"sem fim", "SEM FIM"},          // no closing quote: up to the end
        {"\"\"", ""},
    };
    int inventados = 0;
    for (const Caso &c : casos) {
        QString motivo;
        const auto r = Importacao::lerLinha(linha(QStringLiteral("X"), QString(), QStringLiteral("1980-05-20"),
                                                  QString::fromLatin1(c.campo)),
                                            inventados, &motivo);
        ASSERT_TRUE(r) << c.campo;
        EXPECT_EQ(r->observacao, QString::fromLatin1(c.obs)) << c.campo;
    }
    QString motivo;
    EXPECT_FALSE(Importacao::lerLinha(QStringLiteral("\"1\"|\"A\"|\"\"|1980-05-20|\"\""), inventados, &motivo));
    EXPECT_EQ(motivo, QStringLiteral("a linha tem 5 campos; são esperados 14"));
}

TEST_F(Importar, SubstituiOsClientesComChavesDesdeUmEListaOsErros)
{
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME) VALUES (40, 'ANTIGO')"));
    const QStringList linhas{
        linha(QStringLiteral("ana d'avila"), QStringLiteral("")),
        linha(QStringLiteral("bia"), QStringLiteral("12345678901"), QStringLiteral("")),          // no date
        linha(QString(91, QLatin1Char('x')), QStringLiteral("")),                                  // name too long
        linha(QStringLiteral("caio"), QStringLiteral(""), QStringLiteral("1990-01-02")),
        QStringLiteral("\"1\"|\"CURTA\""),                                                           // few fields
        linha(QStringLiteral("dani"), QStringLiteral("12.345.678/0001-90"), QStringLiteral("2000-02-29"),
              QStringLiteral("\"vip\""), QStringLiteral("(11)99876-5432")),
    };
    int vistas = 0;
    const Importacao::Resultado r =
        Importacao::importar(banco(), linhas, gauge, [&](int l, int total) { vistas = l * 100 + total; });
    EXPECT_EQ(vistas, 606);
    EXPECT_EQ(r.importados, 3);
    ASSERT_EQ(r.erros.size(), 3);
    EXPECT_TRUE(r.erros[0].startsWith(QStringLiteral("Linha 2: ") + linhas[1])) << r.erros[0].toStdString();
    EXPECT_TRUE(r.erros[1].startsWith(QStringLiteral("Linha 3: "))) << r.erros[1].toStdString();
    EXPECT_TRUE(r.erros[2].startsWith(QStringLiteral("Linha 5: "))) << r.erros[2].toStdString();
    EXPECT_EQ(clientes(), (QStringList{"1|ANA D'AVILA|000.000.000-01|20/05/1980|OBS",
                                       "2|CAIO|000.000.000-03|02/01/1990|OBS",
                                       "3|DANI|12.345.678/0001-90|29/02/2000|VIP"}));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT LIST(DISTINCT EXCLUIDO || USUARIO) FROM CLIENTE")).toString(),
              QStringLiteral("NSUPORTE"));
    EXPECT_EQ(banco().gerador(QStringLiteral("GEN_ID_CLIENTE"), 0), 3);
    EXPECT_EQ(gauge.eventos, (QStringList{"mostrar 6", "esconder"}));
}

TEST_F(Importar, ArquivoVazioApagaTodosOsClientes)
{
    const Importacao::Resultado r = Importacao::importar(banco(), {}, gauge);
    EXPECT_EQ(r.importados, 0);
    EXPECT_TRUE(r.erros.isEmpty());
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CLIENTE")), 0);
}

TEST_F(Importar, ArquivoEmUtf8OuWindows1252)
{
    const QString texto = linha(QStringLiteral("joão"), QString()) + QStringLiteral("\r\n\r\n") + linha(QStringLiteral("zé"), QString()) + QStringLiteral("\r\n");
    for (const char *codificacao : {"UTF-8", "windows-1252"}) {
        const QString arquivo = pasta() + QStringLiteral("/clientes.txt");
        QFile f(arquivo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QStringEncoder enc(codificacao);
        f.write(enc.encode(texto));
        f.close();
        const QStringList linhas = Importacao::lerArquivo(arquivo);
        ASSERT_EQ(linhas.size(), 2) << codificacao;
        EXPECT_TRUE(linhas[0].contains(QStringLiteral("\"joão\""))) << codificacao;
        EXPECT_FALSE(linhas[1].endsWith(QLatin1Char('\r')));
    }
}

TEST_F(Importar, FalhaNoMeioNaoMudaNadaEEscondeOGauge)
{
    const QStringList antes = clientes();
    banco().executar(QStringLiteral("ALTER TABLE CLIENTE ADD CONSTRAINT CHK_RECUSA CHECK (NOME <> 'PARE')"));
    // A refused line is listed; a lost connection stops the whole import.
    const QStringList linhas{linha(QStringLiteral("ana"), QString()), linha(QStringLiteral("pare"), QString()),
                             linha(QStringLiteral("bia"), QString())};
    int chamadas = 0;
    try {
        Importacao::importar(banco(), linhas, gauge, [&](int l, int) {
            if (++chamadas == 3 && l == 3)
                cortarConexao(banco());
        });
        ADD_FAILURE() << "deveria falhar";
    } catch (const ErroBanco &) {
    }
    EXPECT_EQ(clientes(), antes);
    EXPECT_FALSE(gauge.visivel);
    EXPECT_EQ(gauge.eventos.value(gauge.eventos.size() - 1), QStringLiteral("esconder"));
}
