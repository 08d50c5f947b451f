// The hand-over of a stay's statement to the fiscal programs: the pre-sale
// document in the point of sale's database with its digests (vectors computed
// beforehand with Python's hashlib over cp1252 text), the order, receivable
// and NFC-e request in the control program's database, the record on the
// stay that refuses or confirms a repeat, a failure after the companion rows
// were committed, and each companion program started once.
#include "base/Relogio.h"
#include "base/Telas.h"
#include "stays/EntregaFiscal.h"
#include "stays/UnitRelExtratoConta.h"
#include "support/TelasTeste.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QThread>

#include <csignal>
#include <unistd.h>

namespace {

const QDateTime kAgora(QDate(2026, 3, 12), QTime(15, 30, 0));

QString u8(const char *t) { return QString::fromUtf8(t); }
Dinheiro reais(const char *t) { return Dinheiro::deTextoOuErro(QString::fromUtf8(t)); }

class EntregaFiscalTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        prepararCompanheiros();
        Relogio::definir(kAgora);
        ConexaoBanco &b = banco();
        const qint64 tipo =
            b.valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1) VALUES ('LUXO', 'LX', 150) RETURNING ID_TIPO_UH"))
                .toLongLong();
        const qint64 uh =
            b.valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO) VALUES (?, '101') RETURNING ID_UH"), {tipo}).toLongLong();
        b.executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, TIPO_PESSOA, CNPJ_CPF) VALUES (7, ?, 'F', '')"),
                   {u8("JOÃO D'ÁVILA")});
        b.executar(QStringLiteral("INSERT INTO PDV (ID_PDV, DESCRICAO, TAXA) VALUES (50, 'BAR', 10)"));
        b.executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR, SIT_TRIBUT) "
                                  "VALUES (501, 50, 'CERVEJA LONG NECK', 10, '17')"));
        b.executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR, SIT_TRIBUT) "
                                  "VALUES (502, 50, ?, 3.5, 'FF')"),
                   {u8("ÁGUA MINERAL")});
        // Stay 12: three nights of 150,00, beer 2 × 10,00 at 10 %, water
        // 3 × 3,50 without fee, discount 5,00 and addition 2,50 (480,00); paid
        // 300,00 in cash, the rest by bank deposit (not kept in the stay).
        b.executar(QStringLiteral("INSERT INTO WALK_IN (ID_WALK_IN, DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, HORA_SAIDA, "
                                  "ID_CLIENTE, ID_UH, QTD_ADULTOS, VALOR_DIARIA, BAIXA, DESCONTO, ACRESCIMO, DINHEIRO) "
                                  "VALUES (12, ?, '14:00:00', ?, '11:00:00', 7, ?, 2, 150, 'S', 5, 2.5, 300)"),
                   {QDate(2026, 3, 9), QDate(2026, 3, 12), uh});
        for (int d = 9; d <= 11; ++d)
            b.executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (12, ?, 150, 2)"),
                       {QDate(2026, 3, d)});
        despesa(501, 2, "10,00", "10,00");
        despesa(502, 3, "3,50", "0,00");
        // The next document of the point of sale is 42.
        DM->ConexaoPDV.garantirConectada();
        DM->ConexaoPDV.executar(QStringLiteral("SET GENERATOR GEN_ORCAMENTO_ID TO 41"));
        parametro(QStringLiteral("UTILIZA_FISCAL"), QStringLiteral("S"));
        parametro(QStringLiteral("NFCE"), QStringLiteral("S"));
        instalar(ProgramaCompanheiro::caminhoZentroPDV());
        instalar(EntregaFiscal::caminhoZentroControle());
    }
    void TearDown() override
    {
        for (const QString &p : {ProgramaCompanheiro::caminhoZentroPDV(), EntregaFiscal::caminhoZentroControle()})
            for (qint64 pid : ProgramaCompanheiro::emExecucao(p))
                ::kill(pid_t(pid), SIGTERM);
        EntregaFiscal::abrirRotinasFiscais = nullptr;
        TelasTeste::TearDown();
    }
    void despesa(qint64 produto, int qtd, const char *unit, const char *taxa)
    {
        banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, TAXA, DATA, HORA) "
                                        "VALUES (12, ?, ?, ?, ?, ?, '20:00:00')"),
                         {produto, qtd, reais(unit).paraBanco(), reais(taxa).paraBanco(), QDate(2026, 3, 10)});
    }
    // A stand-in program: one line per start ("<args>:<first arg>:<folder>"), then it waits.
    void instalar(const QString &programa)
    {
        QDir().mkpath(QFileInfo(programa).absolutePath());
        QFile f(programa);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\necho \"$#:$1:$(pwd)\" >> \"%1\"\nsleep 60\n").arg(registro(programa)).toUtf8());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString registro(const QString &programa) const { return programa + QStringLiteral(".inicios"); }
    // The starts recorded by the stand-in, once `n` are there (or the wait ends).
    QStringList inicios(const QString &programa, int n)
    {
        QDeadlineTimer prazo(10000);
        QStringList l;
        while (!prazo.hasExpired()) {
            QFile f(registro(programa));
            if (f.open(QIODevice::ReadOnly))
                l = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            if (l.size() >= n)
                break;
            QThread::msleep(20); // waiting for another process, not for time
        }
        return l;
    }
    ExtratoConta::Extrato extrato()
    {
        auto x = ExtratoConta::montar(DM->Conexao, 12, QString(), Relogio::agora());
        EXPECT_TRUE(x.has_value());
        return x.value_or(ExtratoConta::Extrato());
    }
    QStringList linhasPdv(const QString &sql)
    {
        QStringList r;
        for (const Linha &l : DM->ConexaoPDV.lerTodas(sql)) {
            QStringList c;
            for (int i = 0; i < l.registro().count(); ++i)
                c << textoDeValor(l.valor(i)).trimmed();
            r << c.join(QLatin1Char('|'));
        }
        return r;
    }
    QStringList linhasControle(const QString &sql)
    {
        QStringList r;
        for (const Linha &l : DM->ConexaoZentroControle.lerTodas(sql)) {
            QStringList c;
            for (int i = 0; i < l.registro().count(); ++i)
                c << textoDeValor(l.valor(i)).trimmed();
            r << c.join(QLatin1Char('|'));
        }
        return r;
    }
    qint64 entregas(const char *destino)
    {
        return contar(QStringLiteral("SELECT COUNT(*) FROM ENTREGA_FISCAL WHERE ID_ENTRADA = 12 AND DESTINO = ?"),
                      {QString::fromLatin1(destino)});
    }
};

} // namespace

TEST_F(EntregaFiscalTeste, DigestoMd5SobreTextoWindows1252)
{
    struct Caso {
        const char *texto, *md5;
    } casos[] = {
        // printf '%s' "Café € 10,5 – D'ÁVILA" | iconv -t CP1252 | md5sum
        {"Café € 10,5 – D'ÁVILA", "9C034BC0ABE905B0A7A59D6D88FBAC02"},
        {"", "D41D8CD98F00B204E9800998ECF8427E"},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(EntregaFiscal::md5(u8(c.texto)), QString::fromLatin1(c.md5)) << c.texto;
    EXPECT_EQ(EntregaFiscal::paraCp1252(u8("Ação €")), QByteArray("A\xE7\xE3o \x80"));
    // a character the code page lacks
    EXPECT_EQ(EntregaFiscal::paraCp1252(u8("→")), QByteArray("?"));

    struct Valor {
        const char *dinheiro, *texto;
    } valores[] = {{"150,00", "150"}, {"22,50", "22,5"}, {"10,05", "10,05"}, {"0,00", "0"}, {"1.234,56", "1234,56"},
                   {"-3,00", "-3"}};
    for (const Valor &v : valores)
        EXPECT_EQ(EntregaFiscal::textoValor(reais(v.dinheiro)), QString::fromLatin1(v.texto)) << v.dinheiro;
}

TEST_F(EntregaFiscalTeste, OrcamentoComPagamentosDaEstadiaNoitesEConsumoSemTaxaEDigestos)
{
    TFrmRelExtratoConta f;
    f.definirChave(12);
    f.rbCupomFiscal->setChecked(true);
    f.btnImprimirClick();

    // As the point of sale reads it: DESCONTO 0, VALOR what the stay's
    // payment columns hold, the three nights then the two consumption lines
    // at quantity × price, without the fee; no line for fee or addition.
    EXPECT_EQ(linhasPdv(QStringLiteral("SELECT CODIGO, DTEMISSAO, CODCLIENTE, NOMECLIENTE, CODVENDEDOR, DESCONTO, VALOR, "
                                       "TOTALCUSTO, OBS, NUMERO_DAV, VALIDADE, SITUACAO, FLAG, HORA, HASH FROM ORCAMENTO")),
              QStringList{u8("42|12/03/2026|7|JOÃO D'ÁVILA|1|0.00|300.00|0.00|HOS 12|42|12/03/2026|A|0|15:30:00|"
                             "CC9BA724A10F0B1AE9283C745FCF2FCF")});
    EXPECT_EQ(linhasPdv(QStringLiteral("SELECT CODIGO, CONTROLE, CODPRODUTO, QTDE, PRECO, TOTALITEN, CUSTO, TABELA, "
                                       "DESCRICAO, MAODEOBRA, CANCELADO, HASH FROM ITEMORCAMENTO ORDER BY CONTROLE")),
              (QStringList{
                  u8("42|1|1|1.0000|150.0000|150.0000|0.0000|V|DIARIA|N|N|6589F3158084FDE86767937D9D84A729"),
                  u8("42|2|1|1.0000|150.0000|150.0000|0.0000|V|DIARIA|N|N|C9998A82DACE2CB39DAC562AF7356085"),
                  u8("42|3|1|1.0000|150.0000|150.0000|0.0000|V|DIARIA|N|N|F2A6446C393267EE72B0EB3A81B34D95"),
                  u8("42|4|501|2.0000|10.0000|20.0000|0.0000|V|CERVEJA LONG NECK|N|N|3191314EAE22F10EACF65B0E86916A61"),
                  u8("42|5|502|3.0000|3.5000|10.5000|0.0000|V|ÁGUA MINERAL|N|N|FE11CD8478F52B9724ED700E14F8BBFA"),
              }));
    EXPECT_EQ(entregas("PDV"), 1);
    EXPECT_EQ(logs().last(), QStringLiteral("ADMIN|Impressão de Relatório"));

    // Zentro PDV started with the user on its command line, in its folder.
    const QString pdv = ProgramaCompanheiro::caminhoZentroPDV();
    ASSERT_EQ(inicios(pdv, 1).size(), 1);

    // Pressed again: the earlier document is named; "Não" writes nothing.
    const QString pergunta = EntregaFiscal::kPerguntaReenvio.arg(12).arg(42);
    msg->esperar(pergunta, Mensagem::Nao);
    f.btnImprimirClick();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(msg->mostradas().last().padrao, Mensagem::Nao);
    EXPECT_EQ(linhasPdv(QStringLiteral("SELECT CODIGO FROM ORCAMENTO")).size(), 1);
    // "Sim" writes a new document; the running program is not started again.
    msg->esperar(pergunta, Mensagem::Sim);
    f.btnImprimirClick();
    EXPECT_EQ(linhasPdv(QStringLiteral("SELECT CODIGO, VALOR FROM ORCAMENTO ORDER BY CODIGO")),
              (QStringList{QStringLiteral("42|300.00"), QStringLiteral("43|300.00")}));
    EXPECT_EQ(entregas("PDV"), 2);
    QThread::msleep(300); // a second start, had there been one, would have written by now
    EXPECT_EQ(inicios(pdv, 1).size(), 1);
    EXPECT_EQ(ProgramaCompanheiro::emExecucao(pdv).size(), 1);
}

TEST_F(EntregaFiscalTeste, FalhaAoRegistrarNaEstadiaSeRepeteSemDuplicar)
{
    // The record on the stay fails after the point of sale committed.
    banco().executar(QStringLiteral("CREATE EXCEPTION EX_TESTE 'registro recusado pelo teste'"));
    banco().executar(QStringLiteral("CREATE TRIGGER ENTREGA_FISCAL_TESTE FOR ENTREGA_FISCAL BEFORE INSERT AS "
                                    "BEGIN EXCEPTION EX_TESTE; END"));
    msg->esperar(QString());
    EXPECT_EQ(EntregaFiscal::cupomFiscal(DM->Conexao, extrato()), EntregaFiscal::Resultado::Enviado);
    ASSERT_EQ(msg->mostradas().size(), 1);
    EXPECT_EQ(msg->mostradas()[0].tipo, Mensagem::Tipo::Erro);
    EXPECT_TRUE(msg->mostradas()[0].texto.startsWith(
        u8("O Zentro PDV recebeu o documento Nº 42, mas o envio não pôde ser registrado nesta hospedagem:\n")))
        << msg->mostradas()[0].texto.toStdString();
    EXPECT_TRUE(msg->mostradas()[0].texto.contains(QStringLiteral("registro recusado pelo teste")));
    EXPECT_EQ(linhasPdv(QStringLiteral("SELECT CODIGO FROM ORCAMENTO")).size(), 1);
    EXPECT_EQ(linhasPdv(QStringLiteral("SELECT COUNT(*) FROM ITEMORCAMENTO")), QStringList{QStringLiteral("5")});
    EXPECT_EQ(entregas("PDV"), 0);

    // Repeated once the stay can record again: the document is found and
    // recorded, and the user decides on a new one.
    banco().executar(QStringLiteral("DROP TRIGGER ENTREGA_FISCAL_TESTE"));
    msg->esperar(EntregaFiscal::kPerguntaReenvio.arg(12).arg(42), Mensagem::Nao);
    EXPECT_EQ(EntregaFiscal::cupomFiscal(DM->Conexao, extrato()), EntregaFiscal::Resultado::Cancelado);
    EXPECT_EQ(linhasPdv(QStringLiteral("SELECT CODIGO FROM ORCAMENTO")).size(), 1);
    EXPECT_EQ(entregas("PDV"), 1);

    // The same on the control program's side: the receivable is found again.
    parametro(QStringLiteral("NFCE_AP_PROD"), QStringLiteral("S"));
    banco().executar(QStringLiteral("CREATE TRIGGER ENTREGA_FISCAL_TESTE FOR ENTREGA_FISCAL BEFORE INSERT AS "
                                    "BEGIN EXCEPTION EX_TESTE; END"));
    msg->esperar(QString());
    EXPECT_EQ(EntregaFiscal::nfce(DM->Conexao, extrato()), EntregaFiscal::Resultado::Enviado);
    EXPECT_TRUE(msg->mostradas().last().texto.startsWith(u8("O Zentro Controle recebeu o documento Nº 1,")));
    banco().executar(QStringLiteral("DROP TRIGGER ENTREGA_FISCAL_TESTE"));
    msg->esperar(EntregaFiscal::kMsgJaPreparada);
    EXPECT_EQ(EntregaFiscal::nfce(DM->Conexao, extrato()), EntregaFiscal::Resultado::JaEnviado);
    EXPECT_EQ(linhasControle(QStringLiteral("SELECT COUNT(*) FROM RECEBER")), QStringList{QStringLiteral("1")});
    EXPECT_EQ(entregas("NFCE"), 1);
}

TEST_F(EntregaFiscalTeste, NfceEmBancoSemGeradoresOsCriaDepoisDaMaiorChave)
{
    // A control program's database made before the generators existed.
    parametro(QStringLiteral("NFCE_AP_PROD"), QStringLiteral("S"));
    ConexaoBanco &ctl = DM->ConexaoZentroControle;
    ctl.garantirConectada();
    ctl.executar(QStringLiteral("DROP SEQUENCE GEN_ID_PEDIDO"));
    ctl.executar(QStringLiteral("DROP SEQUENCE GEN_ID_RECEBER"));
    ctl.executar(QStringLiteral("INSERT INTO PEDIDO (ID_PEDIDO) VALUES (900)"));

    TFrmRelExtratoConta f;
    f.show();
    f.definirChave(12);
    f.rbNFCe->setChecked(true);
    msg->esperar(EntregaFiscal::kMsgSucessoNfce);
    f.btnImprimirClick();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(linhasControle(QStringLiteral("SELECT ID_PEDIDO FROM PEDIDO ORDER BY ID_PEDIDO")),
              (QStringList{QStringLiteral("900"), QStringLiteral("901")}));
    EXPECT_EQ(linhasControle(QStringLiteral("SELECT ID_RECEBER, ID_PEDIDO FROM RECEBER")),
              QStringList{QStringLiteral("1|901")});
}

TEST_F(EntregaFiscalTeste, NfceSoConsumoRecusaRepeticaoEIniciaControleUmaVez)
{
    parametro(QStringLiteral("NFCE_AP_PROD"), QStringLiteral("S"));
    DM->ConexaoZentroControle.garantirConectada();
    DM->ConexaoZentroControle.executar(
        QStringLiteral("INSERT INTO CLIENTE (COD_CLIENTE, ID_CLIENTE, NOME) VALUES ('0007', '123.456.789-09', 'JOAO')"));
    // An order of the control program's own, so the keys come from the generators.
    DM->ConexaoZentroControle.executar(QStringLiteral("INSERT INTO PEDIDO (ID_PEDIDO) VALUES (900)"));
    DM->ConexaoZentroControle.executar(QStringLiteral("SET GENERATOR GEN_ID_PEDIDO TO 1000"));

    TFrmRelExtratoConta f;
    f.show();
    f.definirChave(12);
    ASSERT_TRUE(f.rbNFCe->isEnabled());
    f.rbNFCe->setChecked(true);
    msg->esperar(EntregaFiscal::kMsgSucessoNfce);
    f.btnImprimirClick();
    EXPECT_EQ(msg->pendentes(), 0);

    EXPECT_EQ(linhasControle(QStringLiteral("SELECT ID_PEDIDO, TALAO, MAQUINA, ID_FUNCIONARIO, ENTREGUE, DATA_PEDIDO, "
                                            "HORA, DATA_ENTREGA, FORMA_PAG, USUARIO FROM PEDIDO WHERE ID_PEDIDO <> 900")),
              QStringList{QStringLiteral("1001|0|1|000.000.000-00|S|12/03/2026|15:30:00|12/03/2026|V|ADMIN")});
    EXPECT_EQ(linhasControle(QStringLiteral("SELECT ID_PEDIDO, ID_PRODUTO, DESCRICAO, QTD, VALOR, DATA_LANCAMENTO "
                                            "FROM PRODUTO_CONJUNTO_PEDIDO ORDER BY ID_PRODUTO")),
              (QStringList{QStringLiteral("1001|501|CERVEJA LONG NECK|2.000|10.00|12/03/2026"),
                           u8("1001|502|ÁGUA MINERAL|3.000|3.50|12/03/2026")}));
    // Consumption only, at quantity × price: 20,00 + 10,50.
    EXPECT_EQ(linhasControle(QStringLiteral("SELECT ID_RECEBER, ID_PEDIDO, SITUACAO, DESCRICAO, DATA_LANC, VALOR, "
                                            "DESCONTO, ACRESCIMO, ID_CLIENTE, CREDIARIO FROM RECEBER")),
              QStringList{u8("1|1001|O|CONSUMO HOSPEDAGEM N° 12|12/03/2026|30.50|0.00|0.00|123.456.789-09|N")});
    EXPECT_EQ(linhasControle(QStringLiteral("SELECT ID_RECEBER, VALOR, DATA_VENC, FORMA_PAG, USUARIO, TIPO_CRED "
                                            "FROM RECEBER_DETALHE")),
              QStringList{QStringLiteral("1|30.50|12/03/2026|Dinheiro|ADMIN|CREDIARIO")});
    EXPECT_EQ(linhasControle(QStringLiteral("SELECT ID_PEDIDO, NFCE FROM NFE")), QStringList{QStringLiteral("1001|S")});
    EXPECT_EQ(entregas("NFCE"), 1);

    const QString controle = EntregaFiscal::caminhoZentroControle();
    EXPECT_EQ(inicios(controle, 1),
              QStringList{QStringLiteral("1:0:") + QFileInfo(controle).absolutePath()});

    // Pressed again: refused, nothing written, the running program brought up.
    msg->esperar(EntregaFiscal::kMsgJaPreparada);
    f.btnImprimirClick();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(linhasControle(QStringLiteral("SELECT COUNT(*) FROM RECEBER")), QStringList{QStringLiteral("1")});
    EXPECT_EQ(entregas("NFCE"), 1);
    QThread::msleep(300);
    EXPECT_EQ(inicios(controle, 1).size(), 1);
    EXPECT_EQ(ProgramaCompanheiro::emExecucao(controle).size(), 1);
}

TEST_F(EntregaFiscalTeste, NfceDaHospedagemInteiraEClienteDesconhecido)
{
    parametro(QStringLiteral("NFCE_AP_PROD"), QStringLiteral("N"));
    // The payments spread over several of the stay's columns.
    banco().executar(QStringLiteral("UPDATE WALK_IN SET VISA = 100, NOTA = 50, DEBMASTER = 30.25 WHERE ID_WALK_IN = 12"));
    msg->esperar(EntregaFiscal::kMsgSucessoNfce);
    EXPECT_EQ(EntregaFiscal::nfce(DM->Conexao, extrato()), EntregaFiscal::Resultado::Enviado);
    // What the stay's payment columns hold, with its discount and addition;
    // the instalment is the same payments' sum.
    EXPECT_EQ(linhasControle(QStringLiteral("SELECT DESCRICAO, VALOR, DESCONTO, ACRESCIMO, ID_CLIENTE FROM RECEBER")),
              QStringList{u8("HOSPEDAGEM N° 12|480.25|5.00|2.50|000.000.000-00")});
    EXPECT_EQ(linhasControle(QStringLiteral("SELECT VALOR FROM RECEBER_DETALHE")), QStringList{QStringLiteral("480.25")});

    // Customer keys with at least four digits.
    ExtratoConta::Extrato x = extrato();
    x.estadia.idCliente = 12345;
    EXPECT_EQ(EntregaFiscal::montarPedido(x, true).codCliente, QStringLiteral("12345"));
    EXPECT_EQ(EntregaFiscal::montarPedido(extrato(), true).codCliente, QStringLiteral("0007"));
}

TEST_F(EntregaFiscalTeste, NfceSemConsumoOuModoDesconhecidoNadaGrava)
{
    banco().executar(QStringLiteral("DELETE FROM DESPESA_UH"));
    parametro(QStringLiteral("NFCE_AP_PROD"), QStringLiteral("S"));
    msg->esperar(EntregaFiscal::kMsgSemConsumo);
    EXPECT_EQ(EntregaFiscal::nfce(DM->Conexao, extrato()), EntregaFiscal::Resultado::Recusado);
    parametro(QStringLiteral("NFCE_AP_PROD"), QStringLiteral("X"));
    EXPECT_EQ(EntregaFiscal::nfce(DM->Conexao, extrato()), EntregaFiscal::Resultado::Recusado);
    EXPECT_EQ(msg->mostradas().size(), 1);
    EXPECT_EQ(linhasControle(QStringLiteral("SELECT COUNT(*) FROM PEDIDO")), QStringList{QStringLiteral("0")});
    EXPECT_EQ(entregas("NFCE"), 0);
}

TEST_F(EntregaFiscalTeste, SemUtilizaFiscalAbreAsRotinasFiscais)
{
    parametro(QStringLiteral("UTILIZA_FISCAL"), QStringLiteral("N"));
    msg->esperar(EntregaFiscal::kMsgSemRotinas);
    EXPECT_EQ(EntregaFiscal::cupomFiscal(DM->Conexao, extrato()), EntregaFiscal::Resultado::Recusado);
    QList<qint64> listadas;
    EntregaFiscal::abrirRotinasFiscais = [&](qint64 id) { listadas << id; };
    EXPECT_EQ(EntregaFiscal::cupomFiscal(DM->Conexao, extrato()), EntregaFiscal::Resultado::RotinasFiscais);
    EXPECT_EQ(listadas, QList<qint64>{12});
    EXPECT_FALSE(DM->ConexaoPDV.conectada() && !linhasPdv(QStringLiteral("SELECT CODIGO FROM ORCAMENTO")).isEmpty());
}
