// The employee list: status colours from the live entries, the filters with
// their log lines, the rights, deletion through the deletion register, the
// reads the time clock and the payroll rely on, and the ways in.
#include "base/Comandos.h"
#include "rooms/UnitCentralCadastros.h"
#include "staff/Comandos.h"
#include "staff/UnitFuncionarios.h"
#include "staff/UnitRelFuncionarios.h"
#include "ApoioFuncionarios.h"
#include "support/RegistroGravado.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <map>

using namespace Funcionarios;

namespace {

class Lista : public FuncionariosTeste {
protected:
    std::unique_ptr<TFrmFuncionarios> abrir()
    {
        auto f = std::make_unique<TFrmFuncionarios>();
        f->setAttribute(Qt::WA_DontShowOnScreen);
        f->show();
        ativar(f.get());
        return f;
    }
    static QStringList nomes(TFrmFuncionarios *f)
    {
        QStringList r;
        for (int i = 0; i < f->tFuncionarios()->total(); ++i)
            r << f->tFuncionarios()->texto(i, QStringLiteral("NOME"));
        return r;
    }
    static QString status(TFrmFuncionarios *f, const QString &nome)
    {
        const int i = f->tFuncionarios()->localizar(QStringLiteral("NOME"), nome);
        return i < 0 ? QStringLiteral("?") : f->tFuncionarios()->texto(i, QStringLiteral("AUXSTATUS"));
    }
    void buscar(TFrmFuncionarios *f, const QString &escolha, const QString &texto)
    {
        f->btnFiltros->click();
        for (QRadioButton *r : f->lista->opcoesFiltro())
            if (r->text() == escolha)
                r->click();
        f->lista->edtFiltro()->setText(texto);
        f->lista->buscar();
    }
};

} // namespace

TEST_F(Lista, CoresPelasPendenciasVivas)
{
    const QDate hoje = Relogio::hoje();
    const qint64 atrasado = funcionario(QStringLiteral("ATRASADO"), QStringLiteral("1"));
    const qint64 aVencer = funcionario(QStringLiteral("A VENCER"), QStringLiteral("2"));
    const qint64 quite = funcionario(QStringLiteral("QUITE"), QStringLiteral("3"));
    const qint64 excluida = funcionario(QStringLiteral("ATRASO EXCLUIDO"), QStringLiteral("4"));
    const qint64 ambos = funcionario(QStringLiteral("AMBOS"), QStringLiteral("5"));
    funcionario(QStringLiteral("SEM LANCAMENTOS"), QStringLiteral("6"));
    lancamento(atrasado, "+", hoje.addDays(-1), {}, "10.00");
    lancamento(aVencer, "+", hoje, {}, "10.00"); // due today: still to fall due
    lancamento(quite, "+", hoje.addDays(-9), hoje.addDays(-9), "10.00");
    lancamento(excluida, "+", hoje.addDays(-9), {}, "10.00", "S");
    lancamento(excluida, "+", hoje.addDays(9), {}, "10.00");
    lancamento(ambos, "-", hoje.addDays(9), {}, "10.00");
    lancamento(ambos, "-", hoje.addDays(-30), {}, "10.00");
    auto f = abrir();
    const std::map<QString, QString> esperado = {{"ATRASADO", "A"}, {"A VENCER", "P"}, {"QUITE", "O"},
                                                 {"ATRASO EXCLUIDO", "P"}, {"AMBOS", "A"}, {"SEM LANCAMENTOS", "O"}};
    for (const auto &[nome, s] : esperado)
        EXPECT_EQ(status(f.get(), nome), s) << nome.toStdString();
    // the painted colour of a row follows its status
    EXPECT_EQ(corStatus("A"), corBGR(0x2222FF));
    EXPECT_EQ(corStatus("P"), corBGR(0xA4FFF3));
    EXPECT_EQ(corStatus("O"), corBGR(0x9FFF9F));
    EXPECT_EQ(f->lblAtrasado->text(), "Funcionário com Pendência(s) Atrasada(s)");
    EXPECT_EQ(f->lblAtrasado->palette().color(QPalette::Window), corBGR(0x2222FF));
}

TEST_F(Lista, ExcluidosForaEOrdemPorNome)
{
    funcionario(QStringLiteral("ZECA"), QStringLiteral("1"));
    funcionario(QStringLiteral("ANA"), QStringLiteral("2"));
    excluirFuncionario(funcionario(QStringLiteral("BIA"), QStringLiteral("3")));
    auto f = abrir();
    EXPECT_EQ(nomes(f.get()), (QStringList{"ANA", "ZECA"}));
    f->lista->menuContexto()->actions().first()->trigger(); // "Mostrar Todos  os Funcionários"
    EXPECT_EQ(f->lista->menuContexto()->actions().first()->text(), "Mostrar Todos  os Funcionários");
    EXPECT_EQ(nomes(f.get()), (QStringList{"ZECA", "ANA"}));
}

TEST_F(Lista, Filtros)
{
    funcionario(QStringLiteral("ANA"), QStringLiteral("529.982.247-25"), "1500.00");
    funcionario(QStringLiteral("BIA"), QStringLiteral("111.444.777-35"), "1500.50");
    funcionario(QStringLiteral("CAIO"), QStringLiteral("123.456.789-09"), "15000.00");
    auto f = abrir();
    struct Caso {
        QString escolha, texto;
        QStringList achados;
    };
    const QList<Caso> casos = {
        {"Salário Base R$", "1.500,00", {"ANA"}},
        {"Salário Base R$", "1500,5", {"BIA"}},
        {"CPF", "982.247", {"ANA"}},                 // the document, not the key
        {"CPF", "111.444.777-35", {"BIA"}},
        {"Nome", "I", {"BIA", "CAIO"}},
        {"R.G.", "MG", {"ANA", "BIA", "CAIO"}},
    };
    QStringList esperados;
    for (const Caso &c : casos) {
        SCOPED_TRACE((c.escolha + " " + c.texto).toStdString());
        buscar(f.get(), c.escolha, c.texto);
        EXPECT_EQ(nomes(f.get()), c.achados);
        esperados << QStringLiteral("ADMIN|Tentou Localizar Funcionário de %1 -> %2")
                         .arg(c.escolha, f->lista->edtFiltro()->text());
    }
    EXPECT_EQ(logs(), esperados);
    EXPECT_TRUE(esperados.first().endsWith("-> 1.500,00"));
    EXPECT_TRUE(esperados[1].endsWith("-> 1.500,50")); // money shown as the field shows it when left
    // money that is not money: a message, nothing searched, nothing logged
    msg->esperar(kMsgValorBuscaInvalido);
    buscar(f.get(), QStringLiteral("Desconto INSS (%)"), QStringLiteral("OITO"));
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(logs().size(), esperados.size());
    EXPECT_TRUE(f->lista->painelFiltro()->isVisible());
}

TEST_F(Lista, SetasPercorremAsEscolhasSemVoltar)
{
    auto f = abrir();
    f->btnFiltros->click();
    QLineEdit *e = f->lista->edtFiltro();
    auto escolhida = [&] {
        for (QRadioButton *r : f->lista->opcoesFiltro())
            if (r->isChecked())
                return r->text();
        return QString();
    };
    EXPECT_EQ(escolhida(), "Nome");
    tecla(e, Qt::Key_Up);
    EXPECT_EQ(escolhida(), "Nome");
    for (int i = 0; i < 5; ++i)
        tecla(e, Qt::Key_Down);
    EXPECT_EQ(escolhida(), "Salário Base R$");
    for (int i = 0; i < 20; ++i)
        tecla(e, Qt::Key_Down);
    EXPECT_EQ(escolhida(), "Núm. Conta");
    EXPECT_EQ(f->lista->opcoesFiltro().size(), 17);
}

TEST_F(Lista, DireitosDeIncluirAlterarExcluir)
{
    funcionario(QStringLiteral("ANA"), QStringLiteral("1"));
    struct Caso {
        bool movimentos;
        QString permitido;
        bool visiveis;
    } casos[] = {{true, {}, true}, {false, QStringLiteral("S"), true}, {false, {}, false}};
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.movimentos);
        Sessao::atual().direitos.MOVIMENTOS = c.movimentos;
        Sessao::atual().Permitido = c.permitido;
        auto f = abrir();
        for (QPushButton *b : {f->btnIncluir, f->btnAlterar, f->btnExcluir})
            EXPECT_EQ(b->isVisible(), c.visiveis) << b->text().toStdString();
        for (const char *l : {"|| Incluir - (F2) ||", "|| Alterar - (Insert) ||", "|| Excluir - (Delete) ||"})
            EXPECT_EQ(acaoAtalho(f->lista->menuAtalhos(), QString::fromUtf8(l))->isVisible(), c.visiveis) << l;
        EXPECT_TRUE(f->btnImprimir->isVisible());
        EXPECT_TRUE(f->btnFiltros->isVisible());
    }
}

TEST_F(Lista, ExcluirPeloRegistroDeAnulacoes)
{
    const qint64 a = funcionario(QStringLiteral("ANA"), QStringLiteral("1"));
    funcionario(QStringLiteral("BIA"), QStringLiteral("2"));
    auto f = abrir();
    msg->esperar(kMsgConfirmaExclusao, Mensagem::Nao);
    f->btnExcluir->click();
    EXPECT_EQ(nomes(f.get()), (QStringList{"ANA", "BIA"}));
    msg->esperar(kMsgConfirmaExclusao, Mensagem::Sim).esperar(kMsgExcluido);
    f->btnExcluir->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(nomes(f.get()), QStringList{"BIA"});
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO WHERE ID_FUNCIONARIO = ? AND ID_USUARIO = 0"), {a}),
              1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM FUNCIONARIO WHERE ID_FUNCIONARIO = ?"), {a}), 1);
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Excluiu Funcionário -> Código %1 (ANA)").arg(a)});
    // deleted meanwhile on another workstation: said so, nothing written twice
    EXPECT_FALSE(excluir(DM->Conexao, a, QStringLiteral("ANA")));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO WHERE ID_FUNCIONARIO = ?"), {a}), 1);
}

TEST_F(Lista, LeiturasPorChaveEPorCracha)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"), QStringLiteral("529.982.247-25"));
    const qint64 bia = funcionario(QStringLiteral("BIA"), QStringLiteral("11144477735")); // stored without mask
    const qint64 saiu = funcionario(QStringLiteral("SAIU"), QStringLiteral("123.456.789-09"));
    excluirFuncionario(saiu);
    EXPECT_EQ(codigoCracha(QStringLiteral("529.982.247-25")), "052998224725");
    EXPECT_EQ(codigoCracha(QStringLiteral("529.982")), "");
    struct Caso {
        const char *codigo;
        qint64 chave; // 0: nobody
    } casos[] = {{"052998224725", ana}, {"011144477735", bia}, {"012345678909", 0}, {"52998224725", 0},
                 {"152998224725", 0},   {"0529982247-5", 0},  {"", 0}};
    for (const Caso &c : casos)
        EXPECT_EQ(porCracha(DM->Conexao, QString::fromLatin1(c.codigo)).inteiro("ID_FUNCIONARIO"), c.chave) << c.codigo;
    EXPECT_EQ(porChave(DM->Conexao, ana).texto("NOME"), "ANA");
    EXPECT_TRUE(porChave(DM->Conexao, saiu).vazia());
    EXPECT_EQ(porChave(DM->Conexao, saiu, true).texto("NOME"), "SAIU");
}

TEST_F(Lista, RibbonEHubAbremALista)
{
    RegistroGravado r;
    Pessoal::registrarComandos(r);
    ASSERT_TRUE(r.comandos.contains(QStringLiteral("dxBarLargeButton4Click")));
    ASSERT_TRUE(r.comandos.contains(QStringLiteral("dxBarButton6Click")));
    ASSERT_TRUE(bool(CentralCadastros::ganchos().funcionarios));
    int listas = 0, relatorios = 0;
    Telas::interceptar<TFrmFuncionarios>([&](TFrmFuncionarios *) { ++listas; return int(QDialog::Rejected); });
    Telas::interceptar<TFrmRelFuncionarios>([&](TFrmRelFuncionarios *) { ++relatorios; return int(QDialog::Rejected); });
    r.executar(QStringLiteral("dxBarLargeButton4Click"));
    CentralCadastros::ganchos().funcionarios();
    r.executar(QStringLiteral("dxBarButton6Click"));
    EXPECT_EQ(listas, 2);
    EXPECT_EQ(relatorios, 1);
    CentralCadastros::ganchos().funcionarios = {};
}

TEST_F(Lista, ImprimirEscolheOFuncionarioAtual)
{
    funcionario(QStringLiteral("ANA"), QStringLiteral("1"));
    const qint64 bia = funcionario(QStringLiteral("BIA"), QStringLiteral("2"));
    auto f = abrir();
    f->lista->irParaLinha(1);
    qint64 escolhido = -1;
    Telas::interceptar<TFrmRelFuncionarios>([&](TFrmRelFuncionarios *r) {
        escolhido = r->chaveEscolhida();
        EXPECT_EQ(r->textoEscolha(), "BIA");
        return int(QDialog::Rejected);
    });
    f->btnImprimir->click();
    EXPECT_EQ(escolhido, bia);
}
