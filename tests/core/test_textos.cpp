// Hostile text in the core's filters and edits: quotes, % and _, text longer
// than the column, emoji and accents are searched or stored as typed, or
// refused with the screen's own message, never an engine error.
#include "base/Rotinas.h"
#include "base/TelaEdicao.h"
#include "base/TelaLista.h"
#include "core/ParametrosRegras.h"
#include "core/UnitBatePapo.h"
#include "core/UnitLembretes.h"
#include "support/TelasTeste.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>

namespace {

class TextoHostil : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        banco().executar(QStringLiteral("CREATE TABLE T_BUSCA (ID INTEGER, CODIGO VARCHAR(5), NOME VARCHAR(40))"));
        const QList<QVariantList> linhas{
            {1, QStringLiteral("D'Á"), QStringLiteral("D'ÁVILA")},
            {2, QStringLiteral("50%"), QStringLiteral("CINQUENTA 50% OFF")},
            {3, QStringLiteral("A_B"), QStringLiteral("A_B")},
            {4, QStringLiteral("😀"), QStringLiteral("SORRISO 😀")},
            {5, QStringLiteral("AXB"), QStringLiteral("AXB ÇÃO")},
        };
        banco().emTransacao([&] {
            for (const auto &l : linhas)
                banco().executar(QStringLiteral("INSERT INTO T_BUSCA (ID, CODIGO, NOME) VALUES (?, ?, ?)"), l);
        });
    }
    QList<int> ids(const QString &condicao, const QVariantList &valores)
    {
        QList<int> r;
        for (const Linha &l : banco().lerTodas(QStringLiteral("SELECT ID FROM T_BUSCA WHERE ") + condicao +
                                                   QStringLiteral(" ORDER BY ID"),
                                               valores))
            r.append(int(l.inteiro(QStringLiteral("ID"))));
        return r;
    }
};

const QString kLongo = QString(300, QLatin1Char('X'));

} // namespace

TEST_F(TextoHostil, FiltrosDasListasBuscamComoDigitado)
{
    struct Caso {
        const char *coluna;
        bool exato;
        QString texto;
        QList<int> esperado;
    };
    const Caso casos[] = {
        {"NOME", false, QStringLiteral("D'Á"), {1}},
        {"NOME", false, QStringLiteral("50%"), {2}},
        {"NOME", false, QStringLiteral("%"), {2}},
        {"NOME", false, QStringLiteral("A_B"), {3}}, // _ is not "any character": AXB stays out
        {"NOME", false, QStringLiteral("😀"), {4}},
        {"NOME", false, QStringLiteral("ÇÃO"), {5}},
        {"NOME", false, kLongo, {}},
        {"NOME", false, QStringLiteral("'; DELETE FROM T_BUSCA; --"), {}},
        {"CODIGO", true, kLongo, {}}, // wider than VARCHAR(5): finds nothing, no truncation error
        {"CODIGO", true, QStringLiteral("50%"), {2}},
        {"CODIGO", true, QStringLiteral("😀"), {4}},
        {"CODIGO", true, QStringLiteral("D'Á"), {1}},
        {"CODIGO", true, QStringLiteral("😀😀😀😀😀😀"), {}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.coluna) + " " + c.texto.left(20).toStdString());
        OpcaoFiltro o;
        o.legenda = QStringLiteral("X");
        o.coluna = QString::fromLatin1(c.coluna);
        o.exato = c.exato;
        const CondicaoFiltro f = condicaoFiltro(o, c.texto);
        EXPECT_EQ(ids(f.sql, f.valores), c.esperado);
    }
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM T_BUSCA")).toInt(), 5);
}

TEST_F(TextoHostil, ConsultaMultiplaBuscaCadaTermoComoDigitado)
{
    struct Caso {
        QString texto;
        QList<int> esperado;
    };
    const Caso casos[] = {
        {QStringLiteral("D'Á / 😀"), {1, 4}},
        {QStringLiteral("_"), {3}},
        {QStringLiteral("50% / ÇÃO"), {2, 5}},
        {kLongo + QStringLiteral(" / AXB"), {5}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.texto.left(20).toStdString());
        const CondicaoSql f = FormataConsultaMutipla(c.texto, QStringLiteral("CODIGO"));
        const CondicaoSql g = FormataConsultaMutipla(c.texto, QStringLiteral("NOME"));
        QList<int> r = ids(QLatin1Char('(') + f.sql + QStringLiteral(") OR (") + g.sql + QLatin1Char(')'),
                           f.valores + g.valores);
        EXPECT_EQ(r, c.esperado);
    }
}

TEST(TextosLimite, CaracteresContadosComoNoBanco)
{
    const QString emoji = QStringLiteral("😀");
    EXPECT_EQ(contarCaracteres(emoji), 1);
    EXPECT_EQ(contarCaracteres(QStringLiteral("ação") + emoji), 5);
    EXPECT_EQ(cortarCaracteres(QStringLiteral("ab") + emoji + emoji, 3), QStringLiteral("ab") + emoji);
    EXPECT_EQ(cortarCaracteres(QStringLiteral("ab") + emoji, 2), QStringLiteral("ab"));

    // An edit of five characters takes five emoji and never half of one.
    QLineEdit e;
    emMaiusculas(&e, 5);
    e.insert(QStringLiteral("ab") + emoji + emoji + emoji + emoji);
    EXPECT_EQ(e.text(), QStringLiteral("AB") + emoji + emoji + emoji);
    QLineEdit f;
    limitarCaracteres(&f, 3);
    f.insert(emoji + emoji + emoji + emoji);
    EXPECT_EQ(f.text(), emoji + emoji + emoji);
    f.clear();
    f.insert(QStringLiteral("a") + emoji + emoji + emoji);
    EXPECT_EQ(f.text(), QStringLiteral("a") + emoji + emoji);
    EXPECT_FALSE(f.text().back().isHighSurrogate());
}

TEST_F(TextoHostil, MensagemELembreteLongosRecusadosPelaTela)
{
    const QString emoji = QStringLiteral("😀");
    QString cheia;
    for (int i = 0; i < 250; ++i)
        cheia += emoji;
    // 250 characters fit the column even when each takes four bytes.
    EXPECT_EQ(BatePapo::enviar(DM->Conexao, QStringLiteral("ADMIN"), QStringLiteral("ANA"), cheia), BatePapo::Envio::Enviada);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT MENSAGEM FROM CHAT")).texto(QStringLiteral("MENSAGEM")), cheia);
    EXPECT_EQ(BatePapo::enviar(DM->Conexao, QStringLiteral("ADMIN"), QStringLiteral("ANA"), cheia + QStringLiteral("a")),
              BatePapo::Envio::Longa);
    EXPECT_EQ(BatePapo::enviar(DM->Conexao, QStringLiteral("ADMIN"), QStringLiteral("ANA"), QStringLiteral("D'ÁVILA 50%_")),
              BatePapo::Envio::Enviada);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM CHAT")).toInt(), 2);

    const qint64 estadia = banco()
                               .valor(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA, VALOR_DIARIA, "
                                                     "QTD_ADULTOS) VALUES (1, 1, ?, 150, 2) RETURNING ID_WALK_IN"),
                                      {QDate(2026, 12, 10)})
                               .toLongLong();
    EXPECT_EQ(Lembretes::arquivar(DM->Conexao, estadia, QDate(2026, 12, 10), QTime(10, 0), kLongo, QStringLiteral("ADMIN")),
              Lembretes::Gravacao::DescricaoLonga);
    EXPECT_EQ(Lembretes::arquivar(DM->Conexao, estadia, QDate(2026, 12, 10), QTime(10, 0), cheia, QStringLiteral("ADMIN")),
              Lembretes::Gravacao::Gravado);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT DESCRICAO FROM LEMBRETE")).texto(QStringLiteral("DESCRICAO")), cheia);

    // The chat window says it in its own words.
    TFrmBatePapo tela;
    tela.cbFiltroUsuario->addItem(QStringLiteral("ANA"));
    tela.cbFiltroUsuario->setCurrentText(QStringLiteral("ANA"));
    tela.Memo2->setPlainText(kLongo);
    msg->esperar(QStringLiteral("A Mensagem pode ter no máximo 250 caracteres!"));
    tela.Button3Click();
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM CHAT")).toInt(), 2);
}

TEST_F(TextoHostil, ConfiguracaoComNomeDeEmojiSalvaSemMudanca)
{
    // A stored 88-character company name with emoji: untouched, it saves.
    QString nome = QStringLiteral("HOTEL D'ÁVILA ");
    while (contarCaracteres(nome) < 88)
        nome += QStringLiteral("😀");
    parametro(QStringLiteral("NOME_FANTASIA"), nome);
    const Linha registro = banco().ler(QStringLiteral("SELECT * FROM PARAMETROS"));
    ASSERT_EQ(registro.texto(QStringLiteral("NOME_FANTASIA")), nome);
    const auto textos = ParametrosRegras::textosDoRegistro(registro);
    EXPECT_FALSE(ParametrosRegras::validar(textos, registro).has_value());
    auto longos = textos;
    longos[QStringLiteral("NOME_FANTASIA")] = nome + QStringLiteral("😀😀😀");
    const auto r = ParametrosRegras::validar(longos, registro);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->mensagem, QStringLiteral("O campo \"N. Fantasia\" aceita no máximo 90 caracteres."));
}
