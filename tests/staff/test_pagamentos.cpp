// The employees' book of entries: the list's searches and totals, the record
// form's checks, and the writes of paid entries that move the cash of the
// open shift together with the row (all or nothing).
#include "finance/ControleCaixa.h"
#include "staff/PagamentoFuncionarios.h"
#include "ApoioFolha.h"
#include "base/RelatorioPintura.h"
#include "staff/FolhaPagamento.h"
#include "staff/UnitCadPagFuncionarios.h"
#include "staff/UnitPagFuncionarios.h"
#include "staff/UnitRelFolhaPagamento.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QProcess>
#include <QToolButton>

using namespace PagamentoFuncionarios;

namespace {

class Pagamentos : public FolhaTeste {
protected:
    QList<Lancamento> lerConsulta(const Consulta &c)
    {
        QList<Lancamento> r;
        for (const Linha &l : banco().lerTodas(c.sql, c.valores))
            r << deLinha(l);
        return r;
    }
    QStringList descricoes(const Consulta &c)
    {
        QStringList r;
        for (const Lancamento &l : lerConsulta(c))
            r << l.descricao;
        return r;
    }
    Dados dados(qint64 func, const QString &descricao, const QString &valor, bool credito = false)
    {
        Dados d;
        d.funcionario = func;
        d.vencimento = QDate(2025, 3, 15);
        d.credito = credito;
        d.descricao = descricao;
        d.valor = valor;
        return d;
    }
    Lancamento lido(qint64 chave) { return *ler(DM->Conexao, chave); }
};

TEST_F(Pagamentos, TotaisDoMesDeUmFuncionario)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"));
    const qint64 bia = funcionario(QStringLiteral("BIA"));
    lancamento(ana, QStringLiteral("+"), QDate(2025, 3, 5), QStringLiteral("SALARIO CONTRATUAL"), QStringLiteral("1500"));
    lancamento(ana, QStringLiteral("-"), QDate(2025, 3, 5), QStringLiteral("I.N.S.S."), QStringLiteral("165"));
    lancamento(ana, QStringLiteral("-"), QDate(2025, 3, 20), QStringLiteral("VALE"), QStringLiteral("40"));
    lancamento(ana, QStringLiteral("-"), QDate(2025, 3, 21), QStringLiteral("VALE"), QStringLiteral("99"), {},
               QStringLiteral("S"));
    lancamento(ana, QStringLiteral("+"), QDate(2025, 4, 5), QStringLiteral("SALARIO CONTRATUAL"), QStringLiteral("1500"));
    lancamento(bia, QStringLiteral("+"), QDate(2025, 3, 5), QStringLiteral("SALARIO CONTRATUAL"), QStringLiteral("900"));

    const Consulta c = consulta(Filtro::MesAno, QStringLiteral("03/2025"));
    EXPECT_EQ(c.mes, 3);
    EXPECT_EQ(c.ano, 2025);
    QList<Lancamento> daAna;
    for (const Lancamento &l : lerConsulta(c))
        if (l.funcionario == ana)
            daAna << l;
    const Totais t = totais(daAna);
    EXPECT_EQ(t.vencimentos.formatado(), QStringLiteral("1.500,00"));
    EXPECT_EQ(t.descontos.formatado(), QStringLiteral("205,00"));
    EXPECT_EQ(t.liquido().formatado(), QStringLiteral("1.295,00"));
    const Totais nada = totais({});
    EXPECT_EQ(nada.liquido().formatado(), QStringLiteral("0,00"));
}

TEST_F(Pagamentos, BuscasPorEscolha)
{
    const qint64 ana = funcionario(QStringLiteral("ANA LUZ"), QStringLiteral("1000.00"), QStringLiteral("0"),
                                   QStringLiteral("529.982.247-25"));
    const qint64 bia = funcionario(QStringLiteral("BIA"), QStringLiteral("1000.00"), QStringLiteral("0"),
                                   QStringLiteral("111.444.777-35"));
    lancamento(ana, QStringLiteral("+"), QDate(2025, 3, 5), QStringLiteral("SALARIO D'ANA"), QStringLiteral("1500"));
    lancamento(bia, QStringLiteral("-"), QDate(2025, 2, 7), QStringLiteral("VALE 50%"), QStringLiteral("1234.56"));
    lancamento(bia, QStringLiteral("-"), QDate(2025, 3, 9), QStringLiteral("VALE"), QStringLiteral("12"));
    struct Caso {
        Filtro filtro;
        QString texto;
        QStringList esperado;
    };
    const Caso casos[] = {
        {Filtro::Funcionario, "LUZ", {"SALARIO D'ANA"}},
        // CPF searches the document, not the key
        {Filtro::Cpf, "111.444", {"VALE 50%", "VALE"}},
        {Filtro::Cpf, "529.982", {"SALARIO D'ANA"}},
        {Filtro::Descricao, "D'ANA", {"SALARIO D'ANA"}},
        {Filtro::Descricao, "50%", {"VALE 50%"}},
        {Filtro::Valor, "1.234,56", {"VALE 50%"}},
        {Filtro::Valor, "12", {"VALE"}},
        {Filtro::MesAno, "02/2025", {"VALE 50%"}},
        {Filtro::MesAno, "", {"VALE 50%", "SALARIO D'ANA", "VALE"}},
    };
    for (const Caso &c : casos) {
        const Consulta q = consulta(c.filtro, c.texto);
        EXPECT_TRUE(q.recusa.isEmpty()) << c.texto.toStdString();
        EXPECT_EQ(descricoes(q), c.esperado) << legendaFiltro(c.filtro).toStdString() << " " << c.texto.toStdString();
    }
    // Texts a choice cannot search: refused with a message, nothing run.
    EXPECT_EQ(consulta(Filtro::Valor, QStringLiteral("DOZE")).recusa, kMsgValorBuscaInvalido);
    for (const char *mes : {"3/2025", "13/2025", "03-2025", "MARÇO"})
        EXPECT_EQ(consulta(Filtro::MesAno, QString::fromUtf8(mes)).recusa, kMsgMesInvalido) << mes;
    EXPECT_EQ(descricoes(consultaPeriodo(QDate(2025, 3, 1), QDate(2025, 3, 6))), QStringList{"SALARIO D'ANA"});
    EXPECT_EQ(descricoes(consultaTodos(true)), (QStringList{"SALARIO D'ANA", "VALE 50%", "VALE"}));
}

TEST_F(Pagamentos, PassoDeMesAtravessaOAno)
{
    int mes = 12, ano = 2025;
    passoMes(mes, ano, 1);
    EXPECT_EQ(textoMes(mes, ano), QStringLiteral("01/2026"));
    passoMes(mes, ano, -1);
    EXPECT_EQ(textoMes(mes, ano), QStringLiteral("12/2025"));
}

TEST_F(Pagamentos, PaginasDeFuncionariosComNomesIguais)
{
    const qint64 a = funcionario(QStringLiteral("JOSE"));
    const qint64 b = funcionario(QStringLiteral("JOSE"));
    const qint64 c = funcionario(QStringLiteral("ANA"));
    excluirFuncionario(c);
    const QList<Pagina> p = paginas(DM->Conexao);
    ASSERT_EQ(p.size(), 2);
    EXPECT_EQ(p[0].funcionario, a);
    EXPECT_EQ(p[1].funcionario, b);
}

TEST_F(Pagamentos, FormularioVerificaNaOrdemENaoGrava)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"));
    const qint64 morto = funcionario(QStringLiteral("MORTO"));
    excluirFuncionario(morto);
    struct Caso {
        qint64 func;
        const char *descricao, *valor;
        QString mensagem;
        Campo foco;
    };
    const Caso casos[] = {
        {0, "VALE", "10,00", kMsgFuncionarioInvalido, Campo::Funcionario},
        {ana, "  ", "10,00", kMsgDescricaoInvalida, Campo::Descricao},
        {ana, "VALE", "0,00", kMsgValorInvalido, Campo::Valor},
        {ana, "VALE", "", kMsgValorInvalido, Campo::Valor},
        {ana, "VALE", "DEZ", kMsgValorInvalido, Campo::Valor},
        {ana, "VALE", "-5,00", kMsgValorInvalido, Campo::Valor},
        {morto, "VALE", "10,00", kMsgFuncionarioInvalido, Campo::Funcionario},
    };
    for (const Caso &c : casos) {
        const Resultado r = incluir(DM->Conexao, dados(c.func, QString::fromUtf8(c.descricao), QString::fromUtf8(c.valor)));
        EXPECT_FALSE(r.feito);
        EXPECT_EQ(r.mensagem, c.mensagem) << c.descricao << " " << c.valor;
        EXPECT_EQ(r.foco, c.foco);
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM FUNCIONARIO_PAGAMENTO")), 0);
    EXPECT_TRUE(logs().isEmpty());

    const Resultado ok = incluir(DM->Conexao, dados(ana, QStringLiteral("ADIANTAMENTO D'ÁGUA"), QStringLiteral("1.234,5"), true));
    EXPECT_TRUE(ok.feito);
    EXPECT_EQ(ok.mensagem, kMsgCadastrado);
    EXPECT_EQ(entradas(ana), QStringList{"+|ADIANTAMENTO D'ÁGUA|1.234,50|15/03/2025"});
    EXPECT_EQ(logs(), QStringList{"ADMIN|Incluiu Detalhe de Pagamento de Funcionário de Valor -> R$ 1.234,50 "
                                  "(ADIANTAMENTO D'ÁGUA)"});
}

TEST_F(Pagamentos, AlterarSemPagamentoNaoMexeNoCaixa)
{
    abrirCaixa(QStringLiteral("100"));
    const qint64 ana = funcionario(QStringLiteral("ANA"));
    const qint64 k = lancamento(ana, QStringLiteral("-"), QDate(2025, 3, 5), QStringLiteral("VALE"), QStringLiteral("40"));
    const Resultado r = alterar(DM->Conexao, lido(k), dados(ana, QStringLiteral("VALE TRANSPORTE"), QStringLiteral("45,00")));
    EXPECT_TRUE(r.feito);
    EXPECT_EQ(r.mensagem, kMsgAlterado);
    EXPECT_FALSE(r.comCaixa);
    EXPECT_EQ(entradas(ana), QStringList{"-|VALE TRANSPORTE|45,00|15/03/2025"});
    EXPECT_EQ(caixa(), QStringLiteral("100,00"));
    EXPECT_EQ(logs(), QStringList{"ADMIN|Alterou Detalhe de Pagamento de Funcionário de Valor -> R$ 45,00 "
                                  "(VALE TRANSPORTE)"});
}

TEST_F(Pagamentos, AlterarPagoMoveOCaixaExatoOuNadaMuda)
{
    abrirCaixa(QStringLiteral("100"));
    const qint64 ana = funcionario(QStringLiteral("ANA"));
    const qint64 k = lancamento(ana, QStringLiteral("-"), QDate(2025, 3, 5), QStringLiteral("VALE"),
                                QStringLiteral("40"), QDate(2025, 3, 5));
    // 100 + 40 back - 120 out = 20
    Resultado r = alterar(DM->Conexao, lido(k), dados(ana, QStringLiteral("VALE"), QStringLiteral("120,00")));
    EXPECT_TRUE(r.feito);
    EXPECT_TRUE(r.comCaixa);
    EXPECT_EQ(r.caixa.mensagem, TextosCaixa::Sucesso);
    EXPECT_TRUE(r.mensagem.isEmpty());
    EXPECT_EQ(caixa(), QStringLiteral("20,00"));
    EXPECT_EQ(entradas(ana), QStringList{"-|VALE|120,00|15/03/2025"});

    // 20 + 120 = 140 cannot pay 150: refused, nothing changed.
    const QStringList antes = logs();
    r = alterar(DM->Conexao, lido(k), dados(ana, QStringLiteral("VALE"), QStringLiteral("150,00")));
    EXPECT_FALSE(r.feito);
    EXPECT_EQ(r.mensagem, TextosCaixa::SaldoInsuficiente);
    EXPECT_EQ(caixa(), QStringLiteral("20,00"));
    EXPECT_EQ(entradas(ana), QStringList{"-|VALE|120,00|15/03/2025"});
    EXPECT_EQ(logs(), antes);

    // Without an open shift a paid entry cannot change either.
    banco().executar(QStringLiteral("UPDATE CAIXA SET DATA_FECHA = CURRENT_DATE"));
    r = alterar(DM->Conexao, lido(k), dados(ana, QStringLiteral("VALE"), QStringLiteral("10,00")));
    EXPECT_FALSE(r.feito);
    EXPECT_EQ(r.mensagem, TextosCaixa::SemCaixaUnico);
    EXPECT_EQ(entradas(ana), QStringList{"-|VALE|120,00|15/03/2025"});
}

TEST_F(Pagamentos, LinhaMudadaEmOutraEstacaoERecusada)
{
    abrirCaixa(QStringLiteral("100"));
    const qint64 ana = funcionario(QStringLiteral("ANA"));
    const qint64 k = lancamento(ana, QStringLiteral("+"), QDate(2025, 3, 5), QStringLiteral("BONUS"),
                                QStringLiteral("40"), QDate(2025, 3, 5));
    const Lancamento mostrado = lido(k);
    banco().executar(QStringLiteral("UPDATE FUNCIONARIO_PAGAMENTO SET VALOR = 50 WHERE COD_GERAL_F_P = ?"), {k});
    EXPECT_EQ(alterar(DM->Conexao, mostrado, dados(ana, QStringLiteral("BONUS"), QStringLiteral("10,00"))).mensagem,
              kMsgMudouEmOutraEstacao);
    EXPECT_EQ(excluir(DM->Conexao, mostrado, QStringLiteral("ANA")).mensagem, kMsgMudouEmOutraEstacao);
    const qint64 aberto = lancamento(ana, QStringLiteral("+"), QDate(2025, 3, 5), QStringLiteral("BONUS"),
                                     QStringLiteral("40"));
    const Lancamento abertoMostrado = lido(aberto);
    banco().executar(QStringLiteral("UPDATE FUNCIONARIO_PAGAMENTO SET EXCLUIDO = 'S' WHERE COD_GERAL_F_P = ?"),
                     {aberto});
    EXPECT_EQ(pagar(DM->Conexao, abertoMostrado).mensagem, kMsgMudouEmOutraEstacao);
    EXPECT_EQ(caixa(), QStringLiteral("100,00"));
}

TEST_F(Pagamentos, ExcluirDevolveOPagoUmaVez)
{
    abrirCaixa(QStringLiteral("100"));
    const qint64 ana = funcionario(QStringLiteral("ANA"));
    const qint64 aberto = lancamento(ana, QStringLiteral("-"), QDate(2025, 3, 5), QStringLiteral("VALE"), QStringLiteral("7"));
    const qint64 pago = lancamento(ana, QStringLiteral("+"), QDate(2025, 3, 5), QStringLiteral("SALARIO CONTRATUAL"),
                                   QStringLiteral("1500"), QDate(2025, 3, 5));
    Resultado r = excluir(DM->Conexao, lido(aberto), QStringLiteral("ANA"));
    EXPECT_TRUE(r.feito);
    EXPECT_FALSE(r.comCaixa);
    EXPECT_EQ(caixa(), QStringLiteral("100,00"));

    const Lancamento mostrado = lido(pago);
    r = excluir(DM->Conexao, mostrado, QStringLiteral("ANA"));
    EXPECT_TRUE(r.feito);
    EXPECT_EQ(r.caixa.mensagem, TextosCaixa::Sucesso);
    EXPECT_EQ(caixa(), QStringLiteral("1.600,00"));
    // The second desk's deletion of the same row changes nothing.
    r = excluir(DM->Conexao, mostrado, QStringLiteral("ANA"));
    EXPECT_FALSE(r.feito);
    EXPECT_EQ(r.mensagem, kMsgMudouEmOutraEstacao);
    EXPECT_EQ(caixa(), QStringLiteral("1.600,00"));
    EXPECT_TRUE(entradas(ana).isEmpty());
    EXPECT_EQ(logs(), (QStringList{QStringLiteral("ADMIN|Excluiu Pagamento de Funcionário de CPF -> %1 (ANA)").arg(aberto),
                                   QStringLiteral("ADMIN|Excluiu Pagamento de Funcionário de CPF -> %1 (ANA)").arg(pago)}));
}

TEST_F(Pagamentos, PagarTiraDoCaixaEMarcaAData)
{
    abrirCaixa(QStringLiteral("1000"));
    const qint64 ana = funcionario(QStringLiteral("ANA"));
    const qint64 k = lancamento(ana, QStringLiteral("+"), QDate(2025, 3, 5), QStringLiteral("SALARIO CONTRATUAL"),
                                QStringLiteral("1500"));
    // Not enough cash: nothing changes.
    Resultado r = pagar(DM->Conexao, lido(k));
    EXPECT_FALSE(r.feito);
    EXPECT_EQ(r.mensagem, TextosCaixa::SaldoInsuficiente);
    EXPECT_FALSE(lido(k).pago());
    banco().executar(QStringLiteral("UPDATE CAIXA SET ATUAL = 2000"));
    r = pagar(DM->Conexao, lido(k));
    EXPECT_TRUE(r.feito);
    EXPECT_EQ(r.caixa.mensagem, TextosCaixa::Sucesso);
    EXPECT_EQ(caixa(), QStringLiteral("500,00"));
    EXPECT_EQ(lido(k).pagamento, QDate(2025, 3, 10));
    EXPECT_EQ(pagar(DM->Conexao, lido(k)).mensagem, kMsgJaPago);
    EXPECT_EQ(caixa(), QStringLiteral("500,00"));
}

} // namespace

// ------------------------------------------------------------------ the screens


namespace {

class TelaPagamentos : public Pagamentos {
protected:
    std::unique_ptr<TFrmPagFuncionarios> abrir()
    {
        auto f = std::make_unique<TFrmPagFuncionarios>();
        f->setAttribute(Qt::WA_DontShowOnScreen);
        f->show();
        ativar(f.get());
        return f;
    }
    static QStringList grade(TFrmPagFuncionarios *f)
    {
        QStringList r;
        ModeloConsulta *m = f->tPagFuncionarios();
        for (int i = 0; i < m->total(); ++i)
            r << m->texto(i, QStringLiteral("DESCRICAO"));
        return r;
    }
    static QString totais(TFrmPagFuncionarios *f)
    {
        return f->lblVencimentos->text() + QLatin1Char('|') + f->lblDescontos->text() + QLatin1Char('|')
             + f->lblLiquido->text();
    }
    // The record form opened by `botao`, acted on by `agir`.
    void formulario(QPushButton *botao, const std::function<void(TFrmCadPagFuncionarios *)> &agir)
    {
        Telas::interceptar<TFrmCadPagFuncionarios>([&](TFrmCadPagFuncionarios *c) {
            c->setAttribute(Qt::WA_DontShowOnScreen);
            c->show();
            agir(c);
            if (c->isVisible())
                c->btnCancelar->click();
            return c->result();
        });
        botao->click();
        Telas::liberar(std::type_index(typeid(TFrmCadPagFuncionarios)));
    }
};

TEST_F(TelaPagamentos, PaginaDoMesComTotaisENavegacao)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"));
    funcionario(QStringLiteral("BIA"));
    lancamento(ana, QStringLiteral("+"), QDate(2025, 3, 5), QStringLiteral("SALARIO CONTRATUAL"), QStringLiteral("1500"));
    lancamento(ana, QStringLiteral("-"), QDate(2025, 3, 5), QStringLiteral("I.N.S.S."), QStringLiteral("165"));
    lancamento(ana, QStringLiteral("-"), QDate(2025, 3, 20), QStringLiteral("VALE"), QStringLiteral("40"));
    lancamento(ana, QStringLiteral("+"), QDate(2026, 1, 5), QStringLiteral("SALARIO CONTRATUAL"), QStringLiteral("1600"));
    auto f = abrir();
    EXPECT_EQ(f->tabFuncionarios->count(), 2);
    EXPECT_EQ(f->lstFuncionarios->count(), 2);
    EXPECT_EQ(f->lblFuncionario->text(), QStringLiteral("%1 - ANA").arg(ana));
    EXPECT_EQ(f->lblMes->text(), QStringLiteral("MARÇO - 2025"));
    EXPECT_EQ(f->Mes, QStringLiteral("03"));
    EXPECT_EQ(f->btnGerarFolha->text(), QStringLiteral("Calcular Folha de Pagamento (MARÇO - 2025)"));
    EXPECT_EQ(grade(f.get()), (QStringList{"SALARIO CONTRATUAL", "I.N.S.S.", "VALE"}));
    EXPECT_EQ(totais(f.get()), QStringLiteral("1.500,00|205,00|1.295,00"));
    EXPECT_EQ(logs().last(), QStringLiteral("ADMIN|Tentou Localizar Pagamento de Funcionário de Mês/Ano (MM/AAAA) -> 03/2025"));

    // The other employee's page: nothing in the month, all totals 0,00.
    f->lstFuncionarios->setCurrentRow(1);
    EXPECT_EQ(f->tabFuncionarios->currentIndex(), 1);
    EXPECT_TRUE(grade(f.get()).isEmpty());
    EXPECT_EQ(totais(f.get()), QStringLiteral("0,00|0,00|0,00"));
    f->tabFuncionarios->setCurrentIndex(0);

    // From 12/2025 to 01/2026 and back.
    f->edtFiltro->setText(QStringLiteral("12/2025"));
    f->btnBuscarClick();
    f->btnMesSeguinte->click();
    EXPECT_EQ(f->lblMes->text(), QStringLiteral("JANEIRO - 2026"));
    EXPECT_EQ(grade(f.get()), QStringList{"SALARIO CONTRATUAL"});
    EXPECT_EQ(totais(f.get()), QStringLiteral("1.600,00|0,00|1.600,00"));
    f->btnMesAnterior->click();
    EXPECT_EQ(f->lblMes->text(), QStringLiteral("DEZEMBRO - 2025"));
    EXPECT_EQ(f->Mes + QLatin1Char('/') + f->Ano, QStringLiteral("12/2025"));

    // A month typed wrong is refused with nothing searched.
    f->btnFiltrosClick();
    f->edtFiltro->setText(QStringLiteral("13/2025"));
    msg->esperar(kMsgMesInvalido);
    f->btnBuscarClick();
    EXPECT_EQ(f->lblMes->text(), QStringLiteral("DEZEMBRO - 2025"));
}

TEST_F(TelaPagamentos, NomesIguaisCadaPaginaComOsSeus)
{
    const qint64 a = funcionario(QStringLiteral("JOSE"));
    const qint64 b = funcionario(QStringLiteral("JOSE"));
    lancamento(a, QStringLiteral("+"), QDate(2025, 3, 5), QStringLiteral("DO PRIMEIRO"), QStringLiteral("10"));
    lancamento(b, QStringLiteral("+"), QDate(2025, 3, 5), QStringLiteral("DO SEGUNDO"), QStringLiteral("20"));
    auto f = abrir();
    EXPECT_EQ(grade(f.get()), QStringList{"DO PRIMEIRO"});
    f->tabFuncionarios->setCurrentIndex(1);
    EXPECT_EQ(f->lblFuncionario->text(), QStringLiteral("%1 - JOSE").arg(b));
    EXPECT_EQ(grade(f.get()), QStringList{"DO SEGUNDO"});
    // A new entry from this page preselects this employee.
    formulario(f->btnNovo, [&](TFrmCadPagFuncionarios *c) {
        EXPECT_EQ(c->lblTitulo->text(), QStringLiteral("Novo Pagamento"));
        EXPECT_EQ(c->funcionarioEscolhido(), b);
        EXPECT_EQ(c->cbTipo->currentText(), QStringLiteral("Desconto"));
    });
}

TEST_F(TelaPagamentos, FormularioNovoEOutroEVer)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"));
    auto f = abrir();
    msg->esperar(kMsgFuncionarioInvalido)
        .esperar(kMsgValorInvalido)
        .esperar(kMsgCadastrado, Mensagem::Sim)
        .esperar(kMsgCadastrado, Mensagem::Nao);
    formulario(f->btnNovo, [&](TFrmCadPagFuncionarios *c) {
        EXPECT_EQ(c->funcionarioEscolhido(), 0);
        c->edtDescricao->setText(QStringLiteral("VALE"));
        c->btnConfirmar->click();
        c->escolherFuncionario(ana);
        c->btnConfirmar->click(); // 0,00
        c->edtValor->setText(QStringLiteral("40,00"));
        c->btnConfirmar->click();
        EXPECT_TRUE(c->isVisible());
        EXPECT_TRUE(c->edtDescricao->text().isEmpty());
        EXPECT_EQ(c->funcionarioEscolhido(), ana);
        c->cbTipo->setCurrentIndex(1);
        c->edtDescricao->setText(QStringLiteral("GRATIFICAÇÃO"));
        c->edtValor->setText(QStringLiteral("150,00"));
        c->btnConfirmar->click();
        EXPECT_FALSE(c->isVisible());
    });
    EXPECT_EQ(grade(f.get()), (QStringList{"VALE", "GRATIFICAÇÃO"}));
    EXPECT_EQ(totais(f.get()), QStringLiteral("150,00|40,00|110,00"));
    f->lista->irParaLinha(1);
    Telas::interceptar<TFrmCadPagFuncionarios>([&](TFrmCadPagFuncionarios *c) {
        c->setAttribute(Qt::WA_DontShowOnScreen);
        c->show();
        EXPECT_EQ(c->lblTitulo->text(), QStringLiteral("Ver Pagamento"));
        EXPECT_EQ(c->cbTipo->currentText(), QStringLiteral("Crédito"));
        EXPECT_EQ(c->edtValor->text(), QStringLiteral("150,00"));
        EXPECT_FALSE(c->btnConfirmar->isEnabled());
        EXPECT_FALSE(c->dtpPagamento->isVisible());
        return int(QDialog::Rejected);
    });
    f->dbgPagamentosDblClick();
    EXPECT_TRUE(f->OP.isEmpty());
}

TEST_F(TelaPagamentos, PagoAlteradoPeloFormularioEExcluido)
{
    abrirCaixa(QStringLiteral("100"));
    const qint64 ana = funcionario(QStringLiteral("ANA"));
    const qint64 k = lancamento(ana, QStringLiteral("-"), QDate(2025, 3, 5), QStringLiteral("VALE"), QStringLiteral("40"),
                                QDate(2025, 3, 5));
    auto f = abrir();
    EXPECT_FALSE(f->btnPagar->isEnabled());
    // 100 + 40 cannot pay 150: the form stays open and nothing changes.
    msg->esperar(TextosCaixa::SaldoInsuficiente).esperar(TextosCaixa::Sucesso);
    formulario(f->btnAlterar, [&](TFrmCadPagFuncionarios *c) {
        EXPECT_EQ(c->lblTitulo->text(), QStringLiteral("Alterar Pagamento"));
        c->edtValor->setText(QStringLiteral("150,00"));
        c->btnConfirmar->click();
        EXPECT_TRUE(c->isVisible());
        EXPECT_EQ(caixa(), QStringLiteral("100,00"));
        c->edtValor->setText(QStringLiteral("60,00"));
        c->btnConfirmar->click();
        EXPECT_FALSE(c->isVisible());
    });
    EXPECT_EQ(caixa(), QStringLiteral("80,00"));
    EXPECT_EQ(entradas(ana), QStringList{"-|VALE|60,00|05/03/2025"});
    msg->esperar(kMsgConfirmaExclusao, Mensagem::Sim).esperar(TextosCaixa::Sucesso);
    f->btnExcluir->click();
    EXPECT_EQ(caixa(), QStringLiteral("140,00"));
    EXPECT_TRUE(grade(f.get()).isEmpty());
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM FUNCIONARIO_PAGAMENTO WHERE COD_GERAL_F_P = ? AND "
                                    "EXCLUIDO = 'S'"),
                     {k}),
              1);
}

TEST_F(TelaPagamentos, GerarPagarEImprimirDaTela)
{
    abrirCaixa(QStringLiteral("5000"));
    const qint64 ana = funcionario(QStringLiteral("ANA"), QStringLiteral("2000.00"), QStringLiteral("9"));
    auto f = abrir();
    msg->esperar(FolhaPagamento::kMsgGerada);
    f->btnGerarFolha->click();
    EXPECT_EQ(grade(f.get()), (QStringList{"SALARIO CONTRATUAL", "I.N.S.S."}));
    EXPECT_EQ(totais(f.get()), QStringLiteral("2.000,00|180,00|1.820,00"));
    // Again: the question; No leaves everything, Yes generates anew.
    msg->esperar(FolhaPagamento::kMsgRegerar, Mensagem::Nao);
    f->btnGerarFolha->click();
    msg->esperar(FolhaPagamento::kMsgRegerar, Mensagem::Sim).esperar(FolhaPagamento::kMsgGerada);
    f->btnGerarFolha->click();
    EXPECT_EQ(grade(f.get()).size(), 2);

    // Paying the salary entry: the cash goes out, the row is paid.
    f->lista->irParaLinha(0);
    ASSERT_TRUE(f->btnPagar->isEnabled());
    EXPECT_TRUE(f->dbgPagamentos->isColumnHidden(5)); // "Pagamento" kept hidden
    msg->esperar(perguntaPagamento(Dinheiro::deReais(2000), QStringLiteral("SALARIO CONTRATUAL")), Mensagem::Sim)
        .esperar(TextosCaixa::Sucesso);
    f->btnPagar->click();
    EXPECT_EQ(caixa(), QStringLiteral("3.000,00"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM FUNCIONARIO_PAGAMENTO WHERE DATA_PAG IS NOT NULL")), 1);
    // The button follows the current row: the paid one no, the open one yes.
    f->lista->irParaLinha(0);
    EXPECT_FALSE(f->btnPagar->isEnabled());
    f->lista->irParaLinha(1);
    EXPECT_TRUE(f->btnPagar->isEnabled());

    // The sheet and the payslips of the month.
    TFrmRelFolhaPagamento r;
    r.setAttribute(Qt::WA_DontShowOnScreen);
    r.show();
    EXPECT_EQ(r.lblMes->text(), QStringLiteral("MARÇO - 2025"));
    QList<int> linhas;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
        linhas << v->relatorio().totalLinhas();
        return int(QDialog::Accepted);
    });
    r.btnImprimirClick();
    r.rbHolerites->click();
    EXPECT_TRUE(r.chkDuasVias->isVisible());
    EXPECT_EQ(r.lstFuncionarios->count(), 1);
    r.btnImprimirClick();
    EXPECT_EQ(linhas, (QList<int>{1, 6}));
    EXPECT_EQ(logs().filter(QStringLiteral("Imprimiu Relatório de Folha de Pagamento Mensal")).size(), 2);
    (void)ana;
}

TEST_F(TelaPagamentos, DoisADoisComCincoNomesDaTresPrevias)
{
    QList<qint64> chaves;
    for (const char *n : {"ANA", "BIA", "CIDA", "DINA", "EVA"})
        chaves << funcionario(QString::fromLatin1(n), QStringLiteral("1000.00"));
    ASSERT_EQ(FolhaPagamento::gerar(DM->Conexao, 3, 2025).funcionarios, 5);
    TFrmRelFolhaPagamento r;
    r.setAttribute(Qt::WA_DontShowOnScreen);
    r.show();
    r.rbHolerites->click();
    QList<int> holerites;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
        holerites << FolhaPagamento::contarHolerites(v->relatorio());
        return int(QDialog::Accepted);
    });
    r.btnDoisADoisClick();
    EXPECT_EQ(holerites, (QList<int>{2, 2, 1}));
    // "Desmarcar Todos" / "Marcar Todos"
    r.btnMarcarClick();
    EXPECT_EQ(r.btnMarcar->text(), QStringLiteral("Marcar Todos"));
    EXPECT_EQ(r.lstFuncionarios->item(0)->checkState(), Qt::Unchecked);
    r.btnMarcarClick();
    EXPECT_EQ(r.lstFuncionarios->item(4)->checkState(), Qt::Checked);
    // Two copies of the ticked one.
    for (int i = 1; i < 5; ++i)
        r.lstFuncionarios->item(i)->setCheckState(Qt::Unchecked);
    r.chkDuasVias->setChecked(true);
    holerites.clear();
    r.btnImprimirClick();
    EXPECT_EQ(holerites, QList<int>{2});
    // Back to the sheet: "Duas Vias" cleared and hidden, the list emptied.
    r.rbFuncionarios->click();
    EXPECT_FALSE(r.chkDuasVias->isVisible());
    EXPECT_EQ(r.lstFuncionarios->count(), 0);
}

TEST_F(TelaPagamentos, FolhaEmPdf)
{
    funcionario(QStringLiteral("ANA"), QStringLiteral("2000.00"), QStringLiteral("9"));
    ASSERT_EQ(FolhaPagamento::gerar(DM->Conexao, 3, 2025).funcionarios, 1);
    const QString pdf = pasta() + QStringLiteral("/folha.pdf");
    RelatorioPintura::gravarPdf(FolhaPagamento::relatorioFolha(DM->Conexao, 3, 2025), pdf);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString texto = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(texto.contains(QStringLiteral("Folha de Pagamento Mensal")));
    EXPECT_TRUE(texto.contains(QStringLiteral("(MARÇO / 2025)")));
    EXPECT_TRUE(texto.contains(QStringLiteral("1.820,00")));
    // the spaced-out label comes back from the PDF without its spaces
    EXPECT_TRUE(QString(texto).remove(QLatin1Char(' ')).contains(QStringLiteral("TOTAL2.000,000,000,00180,001.820,00")))
        << texto.toStdString();
}

} // namespace
