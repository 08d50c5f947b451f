// The fiscal routines: the return-code messages, the printer's setup
// failures, the daily routines on the tape, the coupon of stays (grouped and
// by line choice) and of counter sales, discounts in cents, the buyer's
// lines, a failure halfway through a coupon, bad input refused before the
// printer is called, and the three ways in.
#include "base/Comandos.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "platform/ImpressoraFiscal.h"
#include "finance/DespesasAvulsas.h"
#include "restaurant/Comandos.h"
#include "restaurant/AberturaRotinasFiscais.h"
#include "restaurant/RotinasFiscais.h"
#include "restaurant/UnitAliquotas.h"
#include "restaurant/UnitRotinasFiscais.h"
#include "stays/EntregaFiscal.h"
#include "support/DigitacoesRoteiro.h"
#include "support/TelasTeste.h"
#include "support/RegistroGravado.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

using namespace RotinasFiscais;

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }
Dinheiro reais(const char *t) { return Dinheiro::deTextoOuErro(u8(t)); }

const QDateTime kAgora(QDate(2026, 12, 11), QTime(10, 0, 0));

class Fiscal : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(kAgora);
        SimuladorFiscal::limparForcados();
        instalarImpressora();
        ConexaoBanco &b = banco();
        b.executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, TIPO_PESSOA, CNPJ_CPF, ENDERECO, CIDADE, ESTADO) "
                                  "VALUES (7, ?, 'F', '123.456.789-09', 'RUA DIREITA, 5', 'MARIANA', 'MG')"),
                   {u8("JOÃO D'ÁVILA")});
        b.executar(QStringLiteral("INSERT INTO PDV (ID_PDV, DESCRICAO, TAXA) VALUES (50, 'BAR', 10)"));
        b.executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR, SIT_TRIBUT) "
                                  "VALUES (501, 50, 'CERVEJA LONG NECK', 10, '17')"));
        b.executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR, SIT_TRIBUT) "
                                  "VALUES (502, 50, ?, 3.33, 'FF')"),
                   {u8("ÁGUA MINERAL")});
        b.executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR, SIT_TRIBUT) "
                                  "VALUES (503, 50, 'DIARIA EXTRA', 80, 'FF')"));
        b.executar(QStringLiteral("INSERT INTO TIPO_UH (ID_TIPO_UH, DESCRICAO, ABREV, P1, P2, P3) "
                                  "VALUES (1, 'LUXO', 'LX', 60, 15, 120)"));
        b.executar(QStringLiteral("INSERT INTO UH (ID_UH, ID_TIPO_UH, NUMERO) VALUES (1, 1, '101')"));
    }
    void TearDown() override
    {
        SimuladorFiscal::limparForcados();
        EntregaFiscal::abrirRotinasFiscais = nullptr;
        Telas::liberarTodas();
        Relogio::liberar();
        TelasTeste::TearDown();
    }

    void instalarImpressora()
    {
        QFile ini(QDir(pasta()).filePath(QStringLiteral("BemaFI32.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Simulador]\nPasta=ecf\n");
        ini.close();
        ASSERT_TRUE(QDir(pasta()).mkpath(QStringLiteral("ecf")));
    }

    static QString bobina()
    {
        QFile f(SimuladorFiscal::arquivoBobina());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll());
    }
    static QStringList linhasBobina() { return bobina().split(QLatin1Char('\n')); }
    // The printed lines that begin with `inicio`.
    static QStringList linhasCom(const QString &inicio)
    {
        QStringList l;
        for (const QString &s : linhasBobina())
            if (s.startsWith(inicio))
                l << s;
        return l;
    }
    // Documents printed with this title.
    static int documentos(const QString &titulo)
    {
        int n = 0;
        for (const QString &s : linhasBobina())
            if (s.trimmed() == titulo)
                ++n;
        return n;
    }
    static QString valorDaLinha(const QString &inicio)
    {
        const QStringList l = linhasCom(inicio);
        return l.isEmpty() ? QString() : l.last().mid(inicio.size()).trimmed();
    }

    qint64 estadia(qint64 id)
    {
        banco().executar(
            QStringLiteral("INSERT INTO WALK_IN (ID_WALK_IN, DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, HORA_SAIDA, "
                           "ID_CLIENTE, ID_UH, QTD_ADULTOS, VALOR_DIARIA, BAIXA, USUARIO_ENTRADA, USUARIO) "
                           "VALUES (?, ?, '14:00:00', ?, '11:00:00', 7, 1, 2, 150, 'S', 'ANA', 'BIA')"),
            {id, QDate(2026, 12, 8), QDate(2026, 12, 11)});
        return id;
    }
    void noite(qint64 id, const QDate &d, const char *valor)
    {
        banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, ?, 2)"),
                         {id, d, reais(valor).paraBanco()});
    }
    void consumo(qint64 id, qint64 produto, int qtd, const char *unit, const QDate &d, const QTime &h,
                 const char *diaria = "N")
    {
        banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, TAXA, DATA, HORA, "
                                        "COMANDA, DIARIA, USUARIO) VALUES (?, ?, ?, ?, 10, ?, ?, 0, ?, 'ANA')"),
                         {id, produto, qtd, reais(unit).paraBanco(), d, h, u8(diaria)});
    }
    // Three nights of 150,00 and 42,50 consumed: beer 2 × 10,00 and water 5 × 4,50.
    qint64 estadiaTresNoites(qint64 id = 40)
    {
        estadia(id);
        for (int d = 8; d <= 10; ++d)
            noite(id, QDate(2026, 12, d), "150,00");
        consumo(id, 501, 2, "10,00", QDate(2026, 12, 8), QTime(20, 15));
        consumo(id, 502, 5, "4,50", QDate(2026, 12, 9), QTime(9, 5));
        return id;
    }

    // The screen as the statement opens it, shown.
    std::unique_ptr<TFrmRotinasFiscais> telaHospedagem(qint64 id)
    {
        auto f = std::make_unique<TFrmRotinasFiscais>();
        f->adicionarHospedagem(id);
        f->mostrarCupom();
        f->FormShow();
        return f;
    }
    static QStringList descricoes(const TFrmRotinasFiscais &f)
    {
        QStringList l;
        for (int i = 0; i < f.gradeItens->rowCount(); ++i)
            l << f.gradeItens->item(i, 2)->text();
        return l;
    }
};

// ------------------------------------------------------------ return codes

TEST_F(Fiscal, CadaCodigoDeRetornoTemSuaCaixa)
{
    struct Caso {
        int codigo;
        const char *titulo;
        Mensagem::Tipo tipo;
        const char *texto;
    } casos[] = {
        {0, "Erro", Mensagem::Tipo::Erro, "Erro de Comunicação !"},
        {-1, "Erro", Mensagem::Tipo::Erro, "Erro de Execução na Função. Verifique!"},
        {-2, "Erro", Mensagem::Tipo::Erro, "Parâmetro Inválido !"},
        {-3, "Atenção", Mensagem::Tipo::Informacao, "Alíquota não programada !"},
        {-4, "Atenção", Mensagem::Tipo::Informacao, "Arquivo BemaFI32.INI não encontrado. Verifique!"},
        {-5, "Erro", Mensagem::Tipo::Erro, "Erro ao Abrir a Porta de Comunicação"},
        {-6, "Atenção", Mensagem::Tipo::Informacao, "Impressora Desligada ou Desconectada"},
        {-7, "Atenção", Mensagem::Tipo::Informacao, "Banco Não Cadastrado no Arquivo BemaFI32.ini"},
        {-8, "Erro", Mensagem::Tipo::Erro, "Erro ao Criar ou Gravar no Arquivo Retorno.txt ou Status.txt"},
        {-18, "Atenção", Mensagem::Tipo::Informacao, "Não foi possível abrir arquivo INTPOS.001 !"},
        {-19, "Atenção", Mensagem::Tipo::Informacao, "Parâmetro diferentes !"},
        {-20, "Atenção", Mensagem::Tipo::Informacao, "Transação cancelada pelo Operador !"},
        {-21, "Atenção", Mensagem::Tipo::Informacao, "A Transação não foi aprovada !"},
        {-22, "Atenção", Mensagem::Tipo::Informacao, "Não foi possível terminal a Impressão !"},
        {-23, "Atenção", Mensagem::Tipo::Informacao, "Não foi possível terminal a Operação !"},
        {-24, "Atenção", Mensagem::Tipo::Informacao, "Forma de pagamento não programada."},
        {-25, "Atenção", Mensagem::Tipo::Informacao, "Totalizador não fiscal não programado."},
        {-26, "Atenção", Mensagem::Tipo::Informacao, "Transação já Efetuada !"},
        {-28, "Atenção", Mensagem::Tipo::Informacao, "Não há Informações para serem Impressas !"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.codigo);
        const int antes = int(msg->mostradas().size());
        msg->esperar(u8(c.texto));
        Analisa_iRetorno(c.codigo);
        ASSERT_EQ(msg->mostradas().size(), antes + 1);
        EXPECT_EQ(msg->mostradas().last().titulo, u8(c.titulo));
        EXPECT_EQ(msg->mostradas().last().tipo, c.tipo);
    }
    // Success and codes outside the table say nothing.
    for (int silencioso : {1, -27, -9, 2})
        Analisa_iRetorno(silencioso);
    EXPECT_EQ(msg->mostradas().size(), std::size(casos));
}

TEST_F(Fiscal, ImpressoraMalInstaladaFalhaComoUmaImpressora)
{
    TFrmRotinasFiscais f;
    struct Caso {
        const char *nome;
        std::function<void()> preparar;
        const char *mensagem;
    } casos[] = {
        {"desligada",
         [&] { QFile(QDir(pasta()).filePath(QStringLiteral("ecf/desligada"))).open(QIODevice::WriteOnly); },
         "Impressora Desligada ou Desconectada"},
        {"sem pasta", [&] { QDir(QDir(pasta()).filePath(QStringLiteral("ecf"))).removeRecursively(); },
         "Erro ao Abrir a Porta de Comunicação"},
        {"sem ini", [&] { QFile::remove(QDir(pasta()).filePath(QStringLiteral("BemaFI32.ini"))); },
         "Arquivo BemaFI32.INI não encontrado. Verifique!"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        c.preparar();
        msg->esperar(u8(c.mensagem));
        f.btnLeituraXClick();
        EXPECT_EQ(msg->pendentes(), 0);
    }
}

// ------------------------------------------------------------ daily routines

TEST_F(Fiscal, AberturaSimplesRotinasDoDiaNaBobina)
{
    TFrmRotinasFiscais f;
    f.FormShow();
    EXPECT_FALSE(f.Panel1->isVisibleTo(&f));
    EXPECT_EQ(f.gradeItens->rowCount(), 0);
    EXPECT_EQ(f.edtSubTotal->text(), QStringLiteral("0,00"));

    f.btnLeituraXClick();
    EXPECT_EQ(documentos(QStringLiteral("LEITURA X")), 1);

    // A rate programmed through its screen, then listed.
    TFrmAliquotas a;
    a.edtAliquota->setText(QStringLiteral("18,00"));
    a.btnConfirmarClick();
    EXPECT_EQ(a.result(), QDialog::Accepted);
    msg->esperar(u8("Alíquotas Programadas:\n\n1800") + QString(75, QLatin1Char(' ')));
    f.btnConsultarAliquotasClick();

    // A coupon, then the last coupon cancelled once.
    ASSERT_EQ(Bematech_FI_AbreCupom(QString()), 1);
    ASSERT_EQ(Bematech_FI_VendeItem("501", "CERVEJA", "01", "F", "2000", 2, "10,00", "%", "0,00"), 1);
    ASSERT_EQ(Bematech_FI_IniciaFechamentoCupom("D", "%", "0,00"), 1);
    ASSERT_EQ(Bematech_FI_EfetuaFormaPagamento("Dinheiro", "20,00"), 1);
    ASSERT_EQ(Bematech_FI_TerminaFechamentoCupom(kDespedida), 1);
    EXPECT_EQ(valorDaLinha(QStringLiteral("TOTAL R$")), QStringLiteral("20,00"));
    EXPECT_EQ(linhasCom(QStringLiteral("      2,000 UN x 10,00  T18,00")).size(), 1);
    msg->esperar(kPerguntaCancelar, Mensagem::Sim);
    f.btnCancelarCupomClick();
    EXPECT_TRUE(bobina().contains(u8("CANCELAMENTO DE CUPOM FISCAL")));
    EXPECT_EQ(valorDaLinha(QStringLiteral("VALOR CANCELADO R$")), QStringLiteral("20,00"));
    msg->esperar(kPerguntaCancelar, Mensagem::Sim).esperar(u8("Erro de Execução na Função. Verifique!"));
    f.btnCancelarCupomClick();

    // The fiscal memory by dates, typed in the box.
    f.btnLeituraMemoriaClick();
    EXPECT_TRUE(f.pnlDatas->isVisibleTo(&f));
    f.edtDataInicial->setText(QStringLiteral("01/12/26"));
    f.edtDataFinal->setText(QStringLiteral("31/12/26"));
    f.btnOkDatasClick();
    EXPECT_FALSE(f.pnlDatas->isVisibleTo(&f));
    EXPECT_TRUE(bobina().contains(u8("LEITURA DA MEMÓRIA FISCAL")));
    EXPECT_TRUE(bobina().contains(u8("PERÍODO: 01/12/2026 A 31/12/2026")));

    // The Z reduction, asked first; afterwards the day takes no coupon.
    msg->esperar(kPerguntaReducaoZ, Mensagem::Nao);
    f.btnReducaoZClick();
    EXPECT_EQ(documentos(u8("REDUÇÃO Z")), 0);
    msg->esperar(kPerguntaReducaoZ, Mensagem::Sim);
    f.btnReducaoZClick();
    EXPECT_EQ(documentos(u8("REDUÇÃO Z")), 1);
    EXPECT_EQ(valorDaLinha(u8("VENDA LÍQUIDA R$")), QStringLiteral("0,00"));

    estadiaTresNoites();
    auto t = telaHospedagem(40);
    msg->esperar(kPerguntaEmitir, Mensagem::Sim).esperar(u8("Erro de Execução na Função. Verifique!"));
    t->JvXPButton7Click();
    EXPECT_EQ(t->result(), 0);
    EXPECT_EQ(documentos(QStringLiteral("CUPOM FISCAL")), 1);

    // The next day's memory reading finds the Z of the 11th.
    Relogio::definir(kAgora.addDays(1));
    f.btnLeituraMemoriaClick();
    f.edtDataInicial->setText(QStringLiteral("11/12/26"));
    f.edtDataFinal->setText(QStringLiteral("11/12/26"));
    f.btnOkDatasClick();
    EXPECT_EQ(linhasCom(QStringLiteral("0001  11/12/2026")).size(), 1);
}

TEST_F(Fiscal, DatasERatasInvalidasNaoChamamAImpressora)
{
    TFrmRotinasFiscais f;
    struct Datas {
        const char *inicial, *final, *mensagem;
    } datas[] = {
        {"", "31/12/26", "Data inválida! Informe as datas como dd/mm/aa."},
        {"31/02/26", "31/12/26", "Data inválida! Informe as datas como dd/mm/aa."},
        {"01/12/26", "99/99/99", "Data inválida! Informe as datas como dd/mm/aa."},
        {"31/12/26", "01/12/26", "A Data Final não pode ser anterior à Data Inicial!"},
    };
    f.btnLeituraMemoriaClick();
    for (const Datas &d : datas) {
        SCOPED_TRACE(d.inicial);
        f.edtDataInicial->setText(u8(d.inicial));
        f.edtDataFinal->setText(u8(d.final));
        msg->esperar(u8(d.mensagem));
        f.btnOkDatasClick();
        EXPECT_TRUE(f.pnlDatas->isVisibleTo(&f));
    }
    for (const char *taxa : {"", "00,00", "  ,  "}) {
        SCOPED_TRACE(taxa);
        TFrmAliquotas a;
        a.edtAliquota->setText(u8(taxa));
        msg->esperar(kMsgAliquotaInvalida);
        a.btnConfirmarClick();
        EXPECT_EQ(a.result(), 0);
    }
    EXPECT_EQ(Aliquotas::lerAliquota(QStringLiteral("5,5")), QStringLiteral("5,5"));
    EXPECT_EQ(Aliquotas::lerAliquota(QStringLiteral("18,00")), QStringLiteral("18,00"));
    EXPECT_EQ(bobina(), QString());
    EXPECT_FALSE(QFile::exists(SimuladorFiscal::arquivoEstado()));
}

TEST_F(Fiscal, SimuladorRecusaOQueUmaImpressoraRecusa)
{
    struct Caso {
        const char *nome;
        std::function<int()> chamada;
        int esperado;
    } casos[] = {
        {"item sem cupom", [] { return Bematech_FI_VendeItem("1", "X", "FF", "F", "1000", 2, "1,00", "%", "0,00"); }, -1},
        {"fechamento sem cupom", [] { return Bematech_FI_IniciaFechamentoCupom("D", "%", "0,00"); }, -1},
        {"cancelamento sem cupom", [] { return Bematech_FI_CancelaCupom(); }, -1},
        {"alíquota não programada", [] {
             Bematech_FI_AbreCupom(QString());
             return Bematech_FI_VendeItem("1", "X", "03", "F", "1000", 2, "1,00", "%", "0,00");
         }, -3},
        {"segundo cupom aberto", [] { return Bematech_FI_AbreCupom(QString()); }, -1},
        {"valor acima de 999.999,99",
         [] { return Bematech_FI_VendeItem("1", "X", "FF", "F", "1000", 2, "1.000.000,00", "%", "0,00"); }, -2},
        {"quantidade não numérica",
         [] { return Bematech_FI_VendeItem("1", "X", "FF", "F", "1,5", 2, "1,00", "%", "0,00"); }, -2},
        {"descrição longa",
         [] { return Bematech_FI_VendeItem("1", QString(30, 'X'), "FF", "F", "1000", 2, "1,00", "%", "0,00"); }, -2},
        {"pagamento antes do fechamento", [] { return Bematech_FI_EfetuaFormaPagamento("Dinheiro", "1,00"); }, -1},
        {"fechamento sem itens", [] { return Bematech_FI_IniciaFechamentoCupom("D", "%", "0,00"); }, -1},
        {"leitura com cupom aberto", [] { return Bematech_FI_LeituraX(); }, -1},
        {"item bom", [] { return Bematech_FI_VendeItem("1", "X", "FF", "F", "1000", 2, "10,00", "%", "0,00"); }, 1},
        {"desconto acima do subtotal", [] { return Bematech_FI_IniciaFechamentoCupom("D", "$", "10,01"); }, -2},
        {"fechamento", [] { return Bematech_FI_IniciaFechamentoCupom("D", "$", "1,00"); }, 1},
        {"forma não programada", [] { return Bematech_FI_EfetuaFormaPagamento("Vale", "9,00"); }, -24},
        {"pago a menos", [] {
             Bematech_FI_EfetuaFormaPagamento("Dinheiro", "8,99");
             return Bematech_FI_TerminaFechamentoCupom(kDespedida);
         }, -1},
        {"completa o pagamento", [] {
             Bematech_FI_EfetuaFormaPagamento("Dinheiro", "1,01");
             return Bematech_FI_TerminaFechamentoCupom(kDespedida);
         }, 1},
        {"datas da memória", [] { return Bematech_FI_LeituraMemoriaFiscalData("32/12/26", "31/12/26"); }, -2},
        {"alíquota ilegível", [] { return Bematech_FI_ProgramaAliquota("18%", 0); }, -2},
        {"vínculo desconhecido", [] { return Bematech_FI_ProgramaAliquota("18,00", 2); }, -2},
        {"alíquota nova", [] { return Bematech_FI_ProgramaAliquota("18,00", 0); }, 1},
        {"a mesma alíquota", [] { return Bematech_FI_ProgramaAliquota("18,00", 0); }, -1},
        {"a mesma como ISS", [] { return Bematech_FI_ProgramaAliquota("18,00", 1); }, 1},
        {"redução Z", [] { return Bematech_FI_ReducaoZ(QString(), QString()); }, 1},
        {"segunda redução Z", [] { return Bematech_FI_ReducaoZ(QString(), QString()); }, -1},
        {"cupom depois da Z", [] { return Bematech_FI_AbreCupom(QString()); }, -1},
        {"cancelar depois da Z", [] { return Bematech_FI_CancelaCupom(); }, -1},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(c.chamada(), c.esperado);
    }
    // 8,99 + 1,01 paid on a total of 9,00.
    EXPECT_EQ(valorDaLinha(QStringLiteral("TROCO R$")), QStringLiteral("1,00"));
    EXPECT_EQ(valorDaLinha(QStringLiteral("TOTAL R$")), QStringLiteral("9,00"));
    QString buffer(79, QLatin1Char(' '));
    ASSERT_EQ(Bematech_FI_RetornoAliquotas(buffer), 1);
    EXPECT_EQ(buffer.size(), 79);
    EXPECT_EQ(buffer.trimmed(), QStringLiteral("1800,1800"));

    // A forced result comes once, on the call it was set for, and does nothing.
    Relogio::definir(kAgora.addDays(1));
    SimuladorFiscal::forcarResultado(QStringLiteral("Bematech_FI_LeituraX"), 0, 1);
    const QString antes = bobina();
    EXPECT_EQ(Bematech_FI_LeituraX(), 1);
    const QString depoisDaPrimeira = bobina();
    EXPECT_EQ(Bematech_FI_LeituraX(), 0);
    EXPECT_EQ(bobina(), depoisDaPrimeira);
    EXPECT_EQ(Bematech_FI_LeituraX(), 1);
    EXPECT_NE(depoisDaPrimeira, antes);
}

// ------------------------------------------------------------ coupons of stays

TEST_F(Fiscal, HospedagemAgrupadaQuatroLinhasNaBobina)
{
    parametro(QStringLiteral("AGRUPARCONSUMOFISCAL"), QStringLiteral("S"));
    parametro(QStringLiteral("ALIQUOTADIARIA"), QStringLiteral("01"));
    ASSERT_EQ(Bematech_FI_ProgramaAliquota(QStringLiteral("05,00"), 1), 1);
    estadiaTresNoites();
    auto f = telaHospedagem(40);
    EXPECT_EQ(descricoes(*f), (QStringList{u8("CONSUMO"), u8("DIÁRIA"), u8("DIÁRIA"), u8("DIÁRIA")}));
    EXPECT_EQ(f->gradeItens->item(0, 5)->text(), QStringLiteral("42,50"));
    EXPECT_TRUE(f->gradeItens->isColumnHidden(0));
    EXPECT_EQ(f->edtSubTotal->text(), QStringLiteral("492,50"));
    EXPECT_EQ(f->edtTotal->text(), QStringLiteral("492,50"));

    msg->esperar(kPerguntaEmitir, Mensagem::Sim);
    f->JvXPButton7Click();
    EXPECT_EQ(f->result(), QDialog::Accepted);
    EXPECT_EQ(linhasCom(QStringLiteral("      1,000 UN x 150,00  S05,00")).size(), 3);
    EXPECT_EQ(linhasCom(QStringLiteral("      1,000 UN x 42,50  FF")).size(), 1);
    EXPECT_EQ(valorDaLinha(QStringLiteral("TOTAL R$")), QStringLiteral("492,50"));
    EXPECT_EQ(valorDaLinha(QStringLiteral("Dinheiro")), QStringLiteral("492,50"));
    EXPECT_TRUE(bobina().contains(kDespedida));
    // Nothing of the stay changed.
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH WHERE ID_ENTRADA = 40")), 2);
}

TEST_F(Fiscal, HospedagemPorLinhasCadaEscolha)
{
    estadiaTresNoites();
    // A night charged as consumption.
    consumo(40, 503, 1, "80,00", QDate(2026, 12, 10), QTime(22, 0), "S");
    struct Caso {
        bool agrupado;
        Escolha escolha;
        QStringList descricoes;
        const char *subtotal;
    } casos[] = {
        {false, Escolha::Todos,
         {u8("DIÁRIA"), u8("CERVEJA LONG NECK"), u8("DIÁRIA"), u8("ÁGUA MINERAL"), u8("DIÁRIA"), u8("DIARIA EXTRA")},
         "572,50"},
        {false, Escolha::ApenasDiarias, {u8("DIÁRIA"), u8("DIÁRIA"), u8("DIÁRIA"), u8("DIARIA EXTRA")}, "530,00"},
        {false, Escolha::ApenasConsumos, {u8("CERVEJA LONG NECK"), u8("ÁGUA MINERAL")}, "42,50"},
        {true, Escolha::Todos, {u8("CONSUMO"), u8("DIÁRIA"), u8("DIÁRIA"), u8("DIÁRIA")}, "572,50"},
        {true, Escolha::ApenasDiarias, {u8("DIÁRIA"), u8("DIÁRIA"), u8("DIÁRIA")}, "450,00"},
        {true, Escolha::ApenasConsumos, {u8("CONSUMO")}, "122,50"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(int(c.escolha) + (c.agrupado ? 10 : 0));
        const QList<LinhaCupom> l = linhasHospedagens(DM->Conexao, {40}, c.agrupado, c.escolha);
        QStringList d;
        for (const LinhaCupom &x : l)
            d << x.descricao();
        EXPECT_EQ(d, c.descricoes);
        EXPECT_EQ(subtotal(l, false), reais(c.subtotal));
    }

    // On the screen, each choice reloads and recomputes the subtotal.
    auto f = telaHospedagem(40);
    f->rbApenasConsumos->click();
    EXPECT_EQ(f->edtSubTotal->text(), QStringLiteral("42,50"));
    f->rbApenasDiarias->click();
    EXPECT_EQ(f->edtSubTotal->text(), QStringLiteral("530,00"));
    f->rbTodos->click();
    EXPECT_EQ(f->edtSubTotal->text(), QStringLiteral("572,50"));

    // The night charged as consumption goes on the nights' rate.
    msg->esperar(kPerguntaEmitir, Mensagem::Sim);
    f->JvXPButton7Click();
    EXPECT_EQ(linhasCom(QStringLiteral("      1,000 UN x 80,00  II")).size(), 1);
    EXPECT_EQ(linhasCom(QStringLiteral("      2,000 UN x 10,00  FF")).size(), 1);
    EXPECT_EQ(valorDaLinha(QStringLiteral("TOTAL R$")), QStringLiteral("572,50"));
}

TEST_F(Fiscal, SelecaoIndividualPeloDuploClique)
{
    estadiaTresNoites();
    auto f = telaHospedagem(40);
    f->rbIndividual->click();
    EXPECT_FALSE(f->gradeItens->isColumnHidden(0));
    EXPECT_EQ(f->edtSubTotal->text(), QStringLiteral("492,50"));
    EXPECT_EQ(f->gradeItens->item(1, 0)->background().color(), corBGR(9699219));
    // Lines: night 08, beer 20,00 (08 20:15), night 09, water 22,50, night 10.
    struct Passo {
        int linha;
        const char *subtotal;
    } passos[] = {{1, "472,50"}, {3, "450,00"}, {0, "300,00"}, {1, "320,00"}};
    for (const Passo &p : passos) {
        SCOPED_TRACE(p.linha);
        f->gradeItensDblClick(p.linha);
        EXPECT_EQ(f->edtSubTotal->text(), u8(p.subtotal));
    }
    EXPECT_EQ(f->gradeItens->item(0, 0)->text(), QStringLiteral("N"));
    EXPECT_EQ(f->gradeItens->item(0, 0)->background().color(), corBGR(8716272));

    // Only the selected lines are printed.
    msg->esperar(kPerguntaEmitir, Mensagem::Sim);
    f->JvXPButton7Click();
    EXPECT_EQ(linhasCom(QStringLiteral("      1,000 UN x 150,00  II")).size(), 2);
    EXPECT_EQ(linhasCom(QStringLiteral("      5,000 UN x 4,50  FF")).size(), 0);
    EXPECT_EQ(valorDaLinha(QStringLiteral("TOTAL R$")), QStringLiteral("320,00"));

    // Nothing selected: nothing to print.
    auto g = telaHospedagem(40);
    g->rbIndividual->click();
    for (int i = 0; i < g->gradeItens->rowCount(); ++i)
        g->gradeItensDblClick(i);
    EXPECT_EQ(g->edtSubTotal->text(), QStringLiteral("0,00"));
    msg->esperar(kMsgSemItens);
    g->JvXPButton7Click();
}

TEST_F(Fiscal, DescontosEmCentavos)
{
    struct Caso {
        const char *subtotal;
        TipoDesconto tipo;
        const char *desconto;
        const char *total; // empty: refused
        const char *erro;
    } casos[] = {
        {"100,00", TipoDesconto::Percentual, "10", "90,00", ""},
        {"100,00", TipoDesconto::Valor, "10", "90,00", ""},
        {"100,00", TipoDesconto::Percentual, "15,5", "84,50", ""},
        {"100,00", TipoDesconto::Valor, "15,5", "84,50", ""},
        {"100,00", TipoDesconto::Percentual, "", "100,00", ""},
        {"0,05", TipoDesconto::Percentual, "50", "0,02", ""},   // 0,025 off rounds up to 0,03
        {"33,33", TipoDesconto::Percentual, "100", "0,00", ""},
        {"1.500,00", TipoDesconto::Valor, "1.000,00", "500,00", ""},
        {"100,00", TipoDesconto::Percentual, "100,01", "", "O desconto não pode passar de 100%!"},
        {"100,00", TipoDesconto::Valor, "100,01", "", "O desconto não pode ser maior que o SubTotal!"},
        {"100,00", TipoDesconto::Valor, "dez", "", "Desconto inválido! Informe um número, como 10 ou 15,50."},
        {"100,00", TipoDesconto::Percentual, "-5", "", "Desconto inválido! Informe um número, como 10 ou 15,50."},
        {"100,00", TipoDesconto::Percentual, "10,555", "", "Desconto inválido! Informe um número, como 10 ou 15,50."},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.subtotal) + " " + c.desconto);
        QString erro;
        const auto t = totalCupom(reais(c.subtotal), c.tipo, u8(c.desconto), &erro);
        if (*c.total) {
            ASSERT_TRUE(t.has_value()) << erro.toStdString();
            EXPECT_EQ(t->formatado(), u8(c.total));
        } else {
            EXPECT_FALSE(t.has_value());
            EXPECT_EQ(erro, u8(c.erro));
        }
    }

    // On the screen: the total follows the discount and its type; the printed
    // total is the screen's.
    estadia(41);
    consumo(41, 501, 10, "10,00", QDate(2026, 12, 10), QTime(12, 0));
    auto f = telaHospedagem(41);
    f->edtDesconto->setText(QStringLiteral("15,5"));
    f->recalcularTotal();
    EXPECT_EQ(f->edtTotal->text(), QStringLiteral("84,50"));
    f->rbValor->click();
    EXPECT_EQ(f->edtTotal->text(), QStringLiteral("84,50"));
    f->rbPercentual->click();
    msg->esperar(kPerguntaEmitir, Mensagem::Sim);
    f->JvXPButton7Click();
    EXPECT_EQ(valorDaLinha(QStringLiteral("DESCONTO R$")), QStringLiteral("-15,50"));
    EXPECT_EQ(valorDaLinha(QStringLiteral("TOTAL R$")), QStringLiteral("84,50"));

    // Entering a money field shows it without dots; leaving formats it.
    struct Foco {
        const char *digitado, *aoEntrar, *aoSair;
    } focos[] = {{"1.000,50", "1000,50", "1.000,50"}, {"", "", "0,00"}, {"15,5", "15,5", "15,50"}, {"x", "x", "x"}};
    for (const Foco &c : focos) {
        SCOPED_TRACE(c.digitado);
        f->edtDesconto->setText(u8(c.digitado));
        focar(f->edtDesconto, true);
        EXPECT_EQ(f->edtDesconto->text(), u8(c.aoEntrar));
        focar(f->edtDesconto, false);
        EXPECT_EQ(f->edtDesconto->text(), u8(c.aoSair));
    }

    // A discount the printer would refuse is refused before the coupon opens.
    const QString antes = bobina();
    auto g = telaHospedagem(41);
    g->rbValor->click();
    g->edtDesconto->setText(QStringLiteral("100,01"));
    msg->esperar(kMsgDescontoSubtotal);
    g->JvXPButton7Click();
    EXPECT_EQ(bobina(), antes);
}

TEST_F(Fiscal, ValoresGrandesInteirosOuRecusadosAntes)
{
    estadia(42);
    consumo(42, 501, 1, "100.000,00", QDate(2026, 12, 10), QTime(12, 0));
    auto f = telaHospedagem(42);
    msg->esperar(kPerguntaEmitir, Mensagem::Sim);
    f->JvXPButton7Click();
    EXPECT_EQ(linhasCom(QStringLiteral("      1,000 UN x 100.000,00  FF")).size(), 1);
    EXPECT_EQ(valorDaLinha(QStringLiteral("TOTAL R$")), QStringLiteral("100.000,00"));

    estadia(43);
    consumo(43, 501, 1, "1.000.000,00", QDate(2026, 12, 10), QTime(12, 0));
    const QString antes = bobina();
    auto g = telaHospedagem(43);
    msg->esperar(kMsgValorItem.arg(1).arg(QStringLiteral("CERVEJA LONG NECK"), QStringLiteral("1.000.000,00")));
    g->JvXPButton7Click();
    estadia(44);
    consumo(44, 501, 10000, "1,00", QDate(2026, 12, 10), QTime(12, 0));
    auto h = telaHospedagem(44);
    msg->esperar(kMsgQuantidadeItem.arg(1).arg(QStringLiteral("CERVEJA LONG NECK")).arg(10000));
    h->JvXPButton7Click();
    EXPECT_EQ(bobina(), antes);
}

TEST_F(Fiscal, CompradorNasLinhasDoFechamento)
{
    const QString nome39 = QString(39, QLatin1Char('N'));
    const QString m = mensagemFechamento(QString(), nome39, QString());
    EXPECT_EQ(m.left(48), QStringLiteral("CLIENTE: ") + nome39);
    EXPECT_EQ(m, QStringLiteral("CLIENTE: ") + nome39 + QString(48, QLatin1Char(' ')) + kDespedida);
    const QString tres = mensagemFechamento(QStringLiteral("123"), QStringLiteral("ANA"), QStringLiteral("RUA A"));
    EXPECT_EQ(tres.mid(0, 48), QStringLiteral("CPF/CNPJ: 123").leftJustified(48));
    EXPECT_EQ(tres.mid(48, 48), QStringLiteral("CLIENTE: ANA").leftJustified(48));
    EXPECT_EQ(tres.mid(96, 48), QStringLiteral("END.: RUA A").leftJustified(48));
    EXPECT_EQ(tres.mid(144), QString(48, QLatin1Char(' ')) + kDespedida);

    // The customer list fills the three fields; "Em Nome de:" takes 39 characters.
    estadiaTresNoites();
    auto f = telaHospedagem(40);
    ASSERT_EQ(f->cbCliente->count(), 2); // the default customer and João
    EXPECT_EQ(f->cbCliente->currentIndex(), -1);
    EXPECT_EQ(f->cbCliente->placeholderText(), QStringLiteral("NENHUM CLIENTE SELECIONADO"));
    const int joao = f->cbCliente->findText(u8("123.456.789-09 - JOÃO D'ÁVILA"));
    ASSERT_GE(joao, 0);
    f->cbCliente->setCurrentIndex(joao);
    EXPECT_EQ(f->edtCpfCnpj->text(), QStringLiteral("123.456.789-09"));
    EXPECT_EQ(f->edtEndereco->text(), QStringLiteral("RUA DIREITA, 5"));
    f->edtNome->setText(nome39 + QStringLiteral("XYZ"));
    EXPECT_EQ(f->edtNome->text(), nome39);
    f->rbFormas.at(1)->setChecked(true);
    msg->esperar(kPerguntaEmitir, Mensagem::Sim);
    f->JvXPButton7Click();
    EXPECT_EQ(linhasCom(QStringLiteral("CLIENTE: ")), QStringList{QStringLiteral("CLIENTE: ") + nome39});
    EXPECT_EQ(linhasCom(QStringLiteral("CPF/CNPJ: ")).value(0).size(), 48);
    EXPECT_EQ(valorDaLinha(QStringLiteral("Visa")), QStringLiteral("492,50"));
    f->cbCliente->setCurrentIndex(-1);
    EXPECT_EQ(f->edtCpfCnpj->text(), QString());
}

TEST_F(Fiscal, FalhaNoMeioCancelaOCupom)
{
    estadiaTresNoites();
    // Item 2 fails, the payment fails, the opening fails.
    struct Caso {
        const char *funcao;
        int codigo;
        int depoisDe;
        const char *mensagem;
        bool cancela;
    } casos[] = {
        {"Bematech_FI_VendeItem", -2, 1, "Parâmetro Inválido !", true},
        {"Bematech_FI_IniciaFechamentoCupom", 0, 0, "Erro de Comunicação !", true},
        {"Bematech_FI_EfetuaFormaPagamento", -24, 0, "Forma de pagamento não programada.", true},
        {"Bematech_FI_TerminaFechamentoCupom", -1, 0, "Erro de Execução na Função. Verifique!", true},
        {"Bematech_FI_AbreCupom", -6, 0, "Impressora Desligada ou Desconectada", false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.funcao);
        QFile::remove(SimuladorFiscal::arquivoBobina());
        auto f = telaHospedagem(40);
        f->rbApenasConsumos->click();
        f->rbTodos->click();
        SimuladorFiscal::forcarResultado(u8(c.funcao), c.codigo, c.depoisDe);
        msg->esperar(kPerguntaEmitir, Mensagem::Sim).esperar(u8(c.mensagem));
        if (c.cancela)
            msg->esperar(kMsgCupomCancelado);
        f->JvXPButton7Click();
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_EQ(f->result(), 0);
        EXPECT_EQ(bobina().contains(u8("CUPOM FISCAL CANCELADO")), c.cancela);
        EXPECT_FALSE(bobina().contains(kDespedida));
        // The printer is left with no open coupon: a reading runs.
        EXPECT_EQ(Bematech_FI_LeituraX(), 1);
    }
    // After item 2 of 4 failed, only the first item was printed.
    SimuladorFiscal::limparForcados();
    QFile::remove(SimuladorFiscal::arquivoBobina());
    auto f = telaHospedagem(40);
    SimuladorFiscal::forcarResultado(QStringLiteral("Bematech_FI_VendeItem"), -2, 1);
    msg->esperar(kPerguntaEmitir, Mensagem::Sim).esperar(u8("Parâmetro Inválido !")).esperar(kMsgCupomCancelado);
    f->JvXPButton7Click();
    EXPECT_EQ(linhasCom(QStringLiteral("001 ")).size(), 1);
    EXPECT_EQ(linhasCom(QStringLiteral("002 ")).size(), 0);
    EXPECT_EQ(valorDaLinha(QStringLiteral("TOTAL R$")), QString());
    // A "No" to the question prints nothing.
    msg->esperar(kPerguntaEmitir, Mensagem::Nao);
    const QString antes = bobina();
    f->JvXPButton7Click();
    EXPECT_EQ(bobina(), antes);
}

// ------------------------------------------------------------ stays listed

TEST_F(Fiscal, HospedagensMaisEMenos)
{
    estadiaTresNoites(40);
    estadia(45);
    consumo(45, 502, 2, "5,00", QDate(2026, 12, 10), QTime(8, 0));
    auto f = telaHospedagem(40);
    DigitacoesRoteiro digitar;
    struct Caso {
        const char *resposta; // nullptr: cancelled
        const char *mensagem;
        int listadas;
    } casos[] = {
        {nullptr, "", 1},
        {"", "Informe o Número da Entrada!", 1},
        {"4a", "Erro ao Adicionar Hospedagem ao Cupom!", 1},
        {"999", "", 1},
        {"40", "Essa Entrada já foi adicionada!", 1},
        {" 45 ", "", 2},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.resposta ? c.resposta : "cancelado");
        if (c.resposta)
            digitar.esperar(kCodigoEntrada, u8(c.resposta));
        else
            digitar.cancelar(kCodigoEntrada);
        if (*c.mensagem)
            msg->esperar(u8(c.mensagem));
        f->btnMaisClick();
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_EQ(f->ListBox1->count(), c.listadas);
    }
    EXPECT_EQ(digitar.mostrados().value(0).titulo, QStringLiteral("Informação"));
    EXPECT_EQ(f->hospedagens(), (QList<qint64>{40, 45}));
    EXPECT_EQ(f->edtSubTotal->text(), QStringLiteral("502,50"));
    EXPECT_TRUE(f->rbTodos->isChecked());

    // "-" removes the selected stay, never the last one.
    f->ListBox1->setCurrentRow(0);
    f->btnMenosClick();
    EXPECT_EQ(f->hospedagens(), QList<qint64>{45});
    EXPECT_EQ(f->edtSubTotal->text(), QStringLiteral("10,00"));
    msg->esperar(kMsgUmaHospedagem);
    f->btnMenosClick();
    EXPECT_EQ(f->hospedagens(), QList<qint64>{45});
    EXPECT_EQ(f->gradeItens->rowCount(), 1);

    // "Cancelar" hides the panel and disables "Confirmar".
    f->btnCancelarClick();
    EXPECT_FALSE(f->Panel1->isVisibleTo(f.get()));
    EXPECT_FALSE(f->JvXPButton7->isEnabled());
}

// ------------------------------------------------------------ counter sales

TEST_F(Fiscal, VendasAvulsasDeUmEDeVariosItens)
{
    ConexaoBanco &b = banco();
    b.executar(QStringLiteral("INSERT INTO DESPESA_AVULSA (ID_DESPESA_AVULSA, ID_P_S, QTD, VALOR_UNIT, USUARIO, DATA, HORA, "
                              "DINHEIRO) VALUES (8, 501, 3, 10, 'ANA', ?, '09:30:00', 30)"),
               {QDate(2026, 12, 11)});
    b.executar(QStringLiteral("INSERT INTO V_DESPESA_AVULSA (ID_V_DESPESA_AVULSA, USUARIO, DATA, HORA, DINHEIRO) "
                              "VALUES (3, 'BIA', ?, '09:40:00', 27.32)"),
               {QDate(2026, 12, 11)});
    b.executar(QStringLiteral("INSERT INTO V_I_DESPESA_AVULSA (ID_V_DESPESA_AVULSA, ID_P_S, QTD, VALOR_UNIT) "
                              "VALUES (3, 502, 4, 3.33)"));
    b.executar(QStringLiteral("INSERT INTO V_I_DESPESA_AVULSA (ID_V_DESPESA_AVULSA, ID_P_S, QTD, VALOR_UNIT) "
                              "VALUES (3, 501, 1, 14)"));

    struct Caso {
        TipoDespesaAvulsa tipo;
        qint64 id;
        QStringList descricoes;
        const char *subtotal;
        QStringList itens;
    } casos[] = {
        {TipoDespesaAvulsa::Individual, 8, {QStringLiteral("CERVEJA LONG NECK")}, "30,00",
         {QStringLiteral("      3,000 UN x 10,00  FF")}},
        {TipoDespesaAvulsa::VariosItens, 3, {u8("ÁGUA MINERAL"), QStringLiteral("CERVEJA LONG NECK")}, "27,32",
         {QStringLiteral("      4,000 UN x 3,33  FF"), QStringLiteral("      1,000 UN x 14,00  FF")}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.id);
        QFile::remove(SimuladorFiscal::arquivoBobina());
        bool aberta = false;
        Telas::interceptar<TFrmRotinasFiscais>([&](TFrmRotinasFiscais *f) {
            aberta = true;
            EXPECT_EQ(FrmRotinasFiscais, f);
            f->FormShow();
            EXPECT_FALSE(f->grpEscolha->isVisibleTo(f));
            EXPECT_EQ(f->width(), 665);
            EXPECT_TRUE(f->Panel1->isVisibleTo(f));
            EXPECT_TRUE(f->JvXPButton7->isEnabled());
            EXPECT_EQ(descricoes(*f), c.descricoes);
            EXPECT_EQ(f->edtSubTotal->text(), u8(c.subtotal));
            for (const LinhaCupom &l : f->linhas()) {
                EXPECT_EQ(l.pago, QStringLiteral("S"));
                EXPECT_EQ(l.idEntrada, 0);
            }
            msg->esperar(kPerguntaEmitir, Mensagem::Sim);
            f->JvXPButton7Click();
            return f->result();
        });
        abrirDespesaAvulsa(c.tipo, c.id);
        EXPECT_TRUE(aberta);
        EXPECT_EQ(FrmRotinasFiscais, nullptr);
        for (const QString &item : c.itens)
            EXPECT_EQ(linhasCom(item).size(), 1) << item.toStdString();
        EXPECT_EQ(valorDaLinha(QStringLiteral("TOTAL R$")), u8(c.subtotal));
    }
}

// ------------------------------------------------------------ the ways in

TEST_F(Fiscal, AsTresEntradasAbremATela)
{
    estadiaTresNoites();
    RegistroGravado r;
    Restaurante::registrarComandos(r);
    ASSERT_TRUE(r.aberturas.value(RegistroComandos::Abertura::RotinasFiscais));
    ASSERT_TRUE(EntregaFiscal::abrirRotinasFiscais);

    struct Aberta {
        QList<qint64> hospedagens;
        bool painel = false;
        bool confirmar = false;
        QString despesaAvulsa;
        int linhas = 0;
    };
    QList<Aberta> abertas;
    Telas::interceptar<TFrmRotinasFiscais>([&](TFrmRotinasFiscais *f) {
        f->FormShow();
        abertas.append({f->hospedagens(), f->Panel1->isVisibleTo(f), f->JvXPButton7->isEnabled(), f->DespesaAvulsa,
                        f->gradeItens->rowCount()});
        return int(QDialog::Rejected);
    });

    // The ribbon's "Impressora Fiscal" without UTILIZA_FISCAL: the plain routines.
    r.aberturas[RegistroComandos::Abertura::RotinasFiscais]();
    // The statement's "Cupom Fiscal" on the stay.
    const auto x = ExtratoConta::montar(DM->Conexao, 40, QString(), kAgora);
    ASSERT_TRUE(x.has_value());
    EXPECT_EQ(EntregaFiscal::cupomFiscal(DM->Conexao, *x), EntregaFiscal::Resultado::RotinasFiscais);
    // A counter sale.
    banco().executar(QStringLiteral("INSERT INTO DESPESA_AVULSA (ID_DESPESA_AVULSA, ID_P_S, QTD, VALOR_UNIT, USUARIO, "
                                    "DATA, HORA) VALUES (9, 501, 1, 10, 'ANA', ?, '09:30:00')"),
               {QDate(2026, 12, 11)});
    // A counter sale, through the counter-sales screen's "Cupom Fiscal" hook.
    ASSERT_TRUE(DespesasAvulsas::abrirCupomFiscal);
    DespesasAvulsas::abrirCupomFiscal(DespesasAvulsas::Tipo::Individual, 9);
    DespesasAvulsas::abrirCupomFiscal = {};

    ASSERT_EQ(abertas.size(), 3);
    EXPECT_TRUE(abertas[0].hospedagens.isEmpty());
    EXPECT_FALSE(abertas[0].painel);
    EXPECT_FALSE(abertas[0].confirmar);
    EXPECT_EQ(abertas[0].linhas, 0);
    EXPECT_EQ(abertas[1].hospedagens, QList<qint64>{40});
    EXPECT_TRUE(abertas[1].painel);
    EXPECT_TRUE(abertas[1].confirmar);
    EXPECT_EQ(abertas[1].linhas, 5);
    EXPECT_EQ(abertas[2].despesaAvulsa, QStringLiteral("SIM"));
    EXPECT_TRUE(abertas[2].painel);
    EXPECT_EQ(abertas[2].linhas, 1);
}

} // namespace

namespace {

TEST_F(Fiscal, DiaSemReducaoZFechadoNaPrimeiraChamadaDoDiaSeguinte)
{
    // A coupon closed and a second one left open on the 11th, no Z.
    ASSERT_EQ(Bematech_FI_AbreCupom(QString()), 1);
    ASSERT_EQ(Bematech_FI_VendeItem("1", "CAFE", "FF", "F", "1000", 2, "8,00", "%", "0,00"), 1);
    ASSERT_EQ(Bematech_FI_IniciaFechamentoCupom("D", "%", "0,00"), 1);
    ASSERT_EQ(Bematech_FI_EfetuaFormaPagamento("Dinheiro", "8,00"), 1);
    ASSERT_EQ(Bematech_FI_TerminaFechamentoCupom(kDespedida), 1);
    ASSERT_EQ(Bematech_FI_AbreCupom(QString()), 1);
    ASSERT_EQ(Bematech_FI_VendeItem("2", "SUCO", "FF", "F", "1000", 2, "5,00", "%", "0,00"), 1);

    // The first call of the 12th cancels the open coupon and closes the 11th.
    Relogio::definir(kAgora.addDays(1));
    ASSERT_EQ(Bematech_FI_LeituraX(), 1);
    QStringList l = linhasBobina();
    for (QString &s : l)
        s = s.trimmed();
    const int cancelado = l.indexOf(QStringLiteral("CUPOM FISCAL CANCELADO"));
    const int z = l.indexOf(u8("REDUÇÃO Z"));
    const int x = l.indexOf(QStringLiteral("LEITURA X"));
    ASSERT_GE(cancelado, 0);
    ASSERT_GT(z, cancelado);
    ASSERT_GT(x, z);
    EXPECT_EQ(l.mid(z).indexOf(QStringLiteral("MOVIMENTO DO DIA:                     11/12/2026")), 2);
    EXPECT_EQ(valorDaLinha(u8("CANCELAMENTOS R$")), QStringLiteral("0,00")); // the X of the new day
    EXPECT_TRUE(l.mid(z, x - z).contains(QStringLiteral("VENDA LÍQUIDA R$                            8,00")));
    // The new day sells.
    EXPECT_EQ(Bematech_FI_AbreCupom(QString()), 1);
}

} // namespace
