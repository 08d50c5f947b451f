// The customer report and the birthday report: rows chosen by each option,
// the header and option lines, the cards and the totals read from the
// report model, the empty-report message, the log line and one PDF.
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "rooms/UnitRelAniversariantes.h"
#include "rooms/UnitRelClientes.h"
#include "support/TelasTeste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>

namespace {

using TB = Relatorio::TipoBanda;

class Relatorios_ : public TelasTeste {
protected:
    qint64 cliente(const QString &nome, const QString &tipo, const QString &excluido, const QDate &nasc = {},
                   const QString &email = {}, const QString &fone = {}, const QString &fax = {})
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, EXCLUIDO, DATA_NASC, EMAIL, FONE_1, FAX, "
                                  "CNPJ_CPF, MOTIVO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING ID_CLIENTE"),
                   {nome, tipo, excluido, nasc.isValid() ? QVariant(nasc) : QVariant(QDate(1900, 1, 1)), email, fone,
                    fax, QStringLiteral("DOC ") + nome, excluido == QLatin1String("N") ? QString() : QStringLiteral("DEVE\rMUITO")})
            .toLongLong();
    }
    void estadia(qint64 cliente, const QDate &entrada, const QDate &saida, const char *baixa = "S",
                 const char *excluido = "N")
    {
        banco().executar(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, DATA_ENTRADA, DATA_SAIDA, BAIXA, EXCLUIDO) "
                                        "VALUES (?, ?, ?, ?, ?)"),
                         {cliente, entrada, saida, QString::fromLatin1(baixa), QString::fromLatin1(excluido)});
    }
    static QStringList nomesDosCartoes(const Relatorio &rel)
    {
        QStringList r;
        for (const Relatorio::Banda &b : rel.bandas())
            if (b.tipo == TB::Detalhe && b.celulas.value(0).texto == QStringLiteral("NOME...................:"))
                r << b.celulas.value(1).texto;
        return r;
    }
    static QString resumo(const Relatorio &rel)
    {
        for (const Relatorio::Banda &b : rel.bandas())
            if (b.tipo == TB::Resumo)
                return b.texto + QLatin1Char(' ') + b.celulas.value(0).texto;
        return {};
    }
};

} // namespace

TEST_F(Relatorios_, ClientesPorOpcaoComEscolhaQueVenceAsOpcoes)
{
    banco().executar(QStringLiteral("DELETE FROM CLIENTE"));
    const qint64 ana = cliente(QStringLiteral("ANA"), QStringLiteral("F"), QStringLiteral("N"));
    const qint64 bia = cliente(QStringLiteral("BIA"), QStringLiteral("F"), QStringLiteral("R"));
    cliente(QStringLiteral("CAIO"), QStringLiteral("F"), QStringLiteral("S"));
    const qint64 empresa = cliente(QStringLiteral("D'ÁVILA LTDA"), QStringLiteral("J"), QStringLiteral("N"));
    const QDate d1(2026, 12, 1), d2(2026, 12, 10);
    // three stays of ANA in the period, one of BIA open since long ago,
    // a cancelled one and one outside the period
    estadia(ana, QDate(2026, 12, 2), QDate(2026, 12, 3));
    estadia(ana, QDate(2026, 11, 28), QDate(2026, 12, 1));
    estadia(ana, QDate(2026, 12, 9), QDate(2026, 12, 12), "N");
    estadia(bia, QDate(2026, 1, 1), QDate(2026, 1, 2), "N");
    estadia(empresa, QDate(2026, 12, 2), QDate(2026, 12, 3), "S", "S");
    estadia(empresa, QDate(2026, 10, 2), QDate(2026, 10, 3));
    using O = RelClientes::Opcao;
    struct {
        O opcao;
        qint64 id;
        const char *escolha;
        QStringList nomes;
        const char *linha;
    } casos[] = {
        {O::Geral, 0, "T O D O S   O S   C L I E N T E S",
         {"ANA", "BIA", "CAIO", "D'ÁVILA LTDA"}, "(T O D O S   O S   C L I E N T E S)"},
        {O::Geral, bia, "BIA", {"BIA"}, "(BIA)"},
        {O::Fisicas, empresa, "D'ÁVILA LTDA", {"D'ÁVILA LTDA"}, "(Apenas Pessoas Físicas)"},
        {O::Fisicas, 0, "", {"ANA", "BIA", "CAIO"}, "(Apenas Pessoas Físicas)"},
        {O::Juridicas, 0, "", {"D'ÁVILA LTDA"}, "(Apenas Pessoas Jurídicas)"},
        {O::Restricao, 0, "", {"BIA"}, "(Apenas Clientes com Restrição)"},
        {O::Negativados, 0, "", {"CAIO"}, "(Apenas Clientes com Negativação)"},
        {O::Periodo, 0, "", {"ANA", "ANA", "ANA", "BIA"},
         "(Apenas Hospedados no Período de 01/12/2026 até 10/12/2026)"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.linha);
        RelClientes::Filtro f{c.opcao, c.id, QString::fromUtf8(c.escolha), d1, d2};
        const Relatorio rel = RelClientes::relatorio(f, RelClientes::linhas(f));
        EXPECT_EQ(nomesDosCartoes(rel), c.nomes);
        EXPECT_EQ(RelClientes::linhaOpcao(f), QString::fromUtf8(c.linha));
        EXPECT_EQ(resumo(rel), QStringLiteral("TOTAL DE CLIENTES: %1").arg(c.nomes.size()));
    }
}

TEST_F(Relatorios_, TelaDeClientesMostraCartoesCabecalhoERegistraLog)
{
    parametro(QStringLiteral("NOME_FANTASIA"), QStringLiteral("POUSADA D'ÁVILA"));
    const qint64 id = cliente(QStringLiteral("BIA"), QStringLiteral("F"), QStringLiteral("R"), QDate(), QStringLiteral("bia@x.com"),
                              QStringLiteral("(31)1111-2222"));
    TFrmRelClientes f;
    EXPECT_EQ(f.edtData1->date(), QDate(2026, 12, 10));
    EXPECT_TRUE(f.rbGeral->isChecked());
    EXPECT_EQ(f.cbClientes->currentText(), QStringLiteral("T O D O S   O S   C L I E N T E S"));
    // choosing a customer, then "Apenas com Restrição", resets the choice
    f.cbClientes->setCurrentIndex(f.cbClientes->findText(QStringLiteral("BIA")));
    EXPECT_EQ(f.filtro().idCliente, id);
    f.rbRestricao->click();
    EXPECT_EQ(f.filtro().idCliente, 0);
    EXPECT_FALSE(f.cbClientes->isEnabled());

    bool aberto = false;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
        aberto = true;
        const Relatorio &rel = v->relatorio();
        const QList<Relatorio::Pagina> p = rel.paginas();
        EXPECT_EQ(p.value(0).cabecalho,
                  (QStringList{QStringLiteral("POUSADA D'ÁVILA"), QStringLiteral("Relatório de Clientes"),
                               QStringLiteral("[Apenas Clientes com Restrição]"),
                               QStringLiteral("Impresso em 10/12/2026 10:00:00"), QStringLiteral("Pág. 1")}));
        QStringList linhas;
        for (const Relatorio::Banda &b : rel.bandas())
            if (b.tipo == TB::Detalhe) {
                QStringList c;
                for (const Relatorio::Celula &x : b.celulas)
                    c << x.texto;
                linhas << c.join(QLatin1Char('|'));
            }
        EXPECT_EQ(linhas, (QStringList{
                              QStringLiteral("NOME...................:|BIA|CNPJ / CPF..........:|DOC BIA"),
                              QStringLiteral("RG / INSCRIÇÃO ESTADUAL:||UF:|"),
                              QStringLiteral("ENDEREÇO...........:||CIDADE:|"),
                              QStringLiteral("BAIRRO:||CEP:|"),
                              QStringLiteral("CONTATO.............:||FONE:|(31)1111-2222"),
                              QStringLiteral("FAX:||EMAIL...................:|bia@x.com"),
                              QStringLiteral("OBSERVAÇÕES.....:|||"),
                              QStringLiteral("MOTIVO................:|DEVE||"),
                              QStringLiteral("|MUITO||"),
                          }));
        EXPECT_EQ(resumo(rel), QStringLiteral("TOTAL DE CLIENTES: 1"));
        return int(QDialog::Accepted);
    });
    f.btnImprimirClick();
    EXPECT_TRUE(aberto);
    const Linha log = banco().ler(QStringLiteral("SELECT FIRST 1 * FROM LOG ORDER BY ID_LOG DESC"));
    EXPECT_EQ(log.texto(QStringLiteral("OPERACAO")), QStringLiteral("Impressão de Relatório"));
    EXPECT_EQ(log.texto(QStringLiteral("ANTES")), QStringLiteral("Relatório de Clientes ()"));

    // no blacklisted customer: the message, no preview and no log line
    aberto = false;
    const qint64 logs = contar(QStringLiteral("SELECT COUNT(*) FROM LOG"));
    f.rbNegativados->click();
    msg->esperar(QStringLiteral("Nenhum Registro Encontrado!"));
    f.btnImprimirClick();
    EXPECT_FALSE(aberto);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG")), logs);
}

TEST_F(Relatorios_, AniversariantesDoDiaEDoMesComFiltros)
{
    const QDate hoje(2026, 12, 10);
    cliente(QStringLiteral("ZECA"), QStringLiteral("F"), QStringLiteral("S"), QDate(1970, 12, 10),
            QStringLiteral("z@x.com"), QStringLiteral("(31)1111-1111"));
    cliente(QStringLiteral("ANA"), QStringLiteral("F"), QStringLiteral("R"), QDate(1990, 12, 10), QString(),
            QStringLiteral("(31)2222-2222"));
    cliente(QStringLiteral("BETO"), QStringLiteral("F"), QStringLiteral("N"), QDate(2001, 12, 10),
            QStringLiteral("b@x.com"), QString(), QStringLiteral("(31)3333-3333"));
    cliente(QStringLiteral("CARLA"), QStringLiteral("F"), QStringLiteral("N"), QDate(1985, 12, 2),
            QStringLiteral("c@x.com"));
    cliente(QStringLiteral("SEM DATA"), QStringLiteral("F"), QStringLiteral("N"));
    (void)hoje;

    TFrmRelAniversariantes f;
    EXPECT_EQ(f.edtDia->displayText(), QStringLiteral("10/12"));
    EXPECT_FALSE(f.cbMes->isEnabled());
    EXPECT_EQ(f.cbMes->currentText(), QStringLiteral("S E L E C I O N E   O   M Ê S"));
    struct {
        bool mes, email, fone;
        QStringList nomes;
        const char *linha;
    } casos[] = {
        {false, false, false, {"ANA", "BETO", "ZECA"}, "(Dia: 10/12)"},
        {false, true, false, {"BETO", "ZECA"}, "(Dia: 10/12)"},
        {false, true, true, {"BETO", "ZECA"}, "(Dia: 10/12)"},
        {false, false, true, {"ANA", "BETO", "ZECA"}, "(Dia: 10/12)"},
        {true, false, false, {"CARLA", "ANA", "BETO", "ZECA"}, "(Mês: D E Z E M B R O)"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.linha);
        if (c.mes)
            f.rbMes->click();
        else
            f.rbDia->click();
        f.chkEmail->setChecked(c.email);
        f.chkTelefone->setChecked(c.fone);
        const RelAniversariantes::Filtro filtro = f.filtro();
        const Relatorio rel = RelAniversariantes::relatorio(filtro, RelAniversariantes::linhas(filtro));
        QStringList nomes;
        for (const Relatorio::Banda &b : rel.bandas())
            if (b.tipo == TB::Detalhe)
                nomes << b.celulas.value(0).texto;
        EXPECT_EQ(nomes, c.nomes);
        EXPECT_EQ(RelAniversariantes::linhaOpcao(filtro), QString::fromUtf8(c.linha));
        EXPECT_EQ(resumo(rel), QStringLiteral("TOTAL DE ANIVERSARIANTES: %1").arg(c.nomes.size()));
    }
    // columns and one row as printed
    f.rbDia->click();
    f.chkEmail->setChecked(false);
    f.chkTelefone->setChecked(false);
    bool aberto = false;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
        aberto = true;
        const Relatorio &rel = v->relatorio();
        QStringList titulos;
        for (const Relatorio::Coluna &col : rel.colunas())
            titulos << col.titulo;
        EXPECT_EQ(titulos, (QStringList{QStringLiteral("NOME"), QStringLiteral("DIA"), QStringLiteral("EMAIL"),
                                        QStringLiteral("FONES")}));
        const QList<Relatorio::Banda> b = rel.bandas();
        for (const Relatorio::Banda &x : b)
            if (x.tipo == TB::Detalhe && x.celulas.value(0).texto == QStringLiteral("BETO")) {
                EXPECT_EQ(x.celulas.value(1).texto, QStringLiteral("10"));
                EXPECT_EQ(x.celulas.value(3).texto, QStringLiteral(" / (31)3333-3333"));
            }
        EXPECT_EQ(rel.paginas().value(0).cabecalho.value(2), QStringLiteral("[Dia: 10/12]"));
        return int(QDialog::Accepted);
    });
    f.btnImprimirClick();
    EXPECT_TRUE(aberto);
    // the log carries the month box's text in day mode too
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT FIRST 1 ANTES FROM LOG ORDER BY ID_LOG DESC")).texto(QStringLiteral("ANTES")),
              QStringLiteral("Relatório de Aniversariantes (S E L E C I O N E   O   M Ê S)"));

    // month box left unchosen: month 0 finds nothing
    RelAniversariantes::Filtro nenhum;
    nenhum.porMes = true;
    nenhum.textoMes = RelAniversariantes::kSelecioneMes;
    EXPECT_TRUE(RelAniversariantes::linhas(nenhum).isEmpty());
}

TEST_F(Relatorios_, PdfDosClientesLidoDeVolta)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_FAIL() << "pdftotext (poppler-utils) não instalado: rode scripts/install-deps";
    parametro(QStringLiteral("NOME_FANTASIA"), QStringLiteral("HOTEL CENTRAL"));
    cliente(QStringLiteral("MARIA D'ÁVILA"), QStringLiteral("F"), QStringLiteral("N"));
    RelClientes::Filtro f{RelClientes::Opcao::Fisicas, 0, {}, {}, {}};
    const Relatorio rel = RelClientes::relatorio(f, RelClientes::linhas(f));
    const QString arquivo = pasta() + QStringLiteral("/clientes.pdf");
    RelatorioPintura::gravarPdf(rel, arquivo);
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {QStringLiteral("-layout"), arquivo,
                                                                           QStringLiteral("-")});
    p.waitForFinished(60000);
    const QString texto = QString::fromUtf8(p.readAllStandardOutput());
    for (const char *esperado : {"HOTEL CENTRAL", "Relatório de Clientes", "[Apenas Pessoas Físicas]", "Pág. 1",
                                 "MARIA D'ÁVILA", "CONSUMIDOR", "TOTAL DE CLIENTES:"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto.toStdString();
}
