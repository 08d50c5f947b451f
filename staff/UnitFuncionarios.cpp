#include "staff/UnitFuncionarios.h"

#include "base/CabecalhoTela.h"
#include "base/FluxoLista.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "staff/Funcionarios.h"
#include "staff/UnitCadFuncionarios.h"
#include "staff/UnitRelFuncionarios.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TFrmFuncionarios *FrmFuncionarios = nullptr;

namespace {

const QList<ColunaGrade> &colunas()
{
    static const QList<ColunaGrade> c = {
        {QStringLiteral("CPF"), QStringLiteral("CPF"), FormatoColuna::Texto, 110},
        {QStringLiteral("NOME"), QStringLiteral("Nome"), FormatoColuna::Texto, 260},
        {QStringLiteral("RG"), QStringLiteral("RG"), FormatoColuna::Texto, 100},
        {QStringLiteral("CTPS"), QStringLiteral("CTPS"), FormatoColuna::Texto, 80},
        {QStringLiteral("SERIE"), QStringLiteral("Série"), FormatoColuna::Texto, 60},
        {QStringLiteral("SALARIO_BASE"), QStringLiteral("Salário Base"), FormatoColuna::Dinheiro, 100},
        {QStringLiteral("INSS"), QStringLiteral("Desconto INSS (%)"), FormatoColuna::Dinheiro, 120},
        {QStringLiteral("FONE"), QStringLiteral("Telefone (1)"), FormatoColuna::Texto, 110},
        {QStringLiteral("FONE_2"), QStringLiteral("Telefone (2)"), FormatoColuna::Texto, 110},
        {QStringLiteral("AGENCIA"), QStringLiteral("Agência"), FormatoColuna::Texto, 70},
        {QStringLiteral("CONTA"), QStringLiteral("Núm. Conta"), FormatoColuna::Texto, 80},
        {QStringLiteral("ENDERECO"), QStringLiteral("Endereço"), FormatoColuna::Texto, 220},
        {QStringLiteral("BAIRRO"), QStringLiteral("Bairro"), FormatoColuna::Texto, 120},
        {QStringLiteral("CIDADE"), QStringLiteral("Cidade"), FormatoColuna::Texto, 120},
        {QStringLiteral("ESTADO"), QStringLiteral("Estado"), FormatoColuna::Texto, 50},
        {QStringLiteral("CEP"), QStringLiteral("CEP"), FormatoColuna::Texto, 80},
        {QStringLiteral("OBSERVACAO"), QStringLiteral("Observação"), FormatoColuna::Texto, 250},
    };
    return c;
}

OpcaoFiltro texto(const char *legenda, const char *coluna)
{
    return {QString::fromUtf8(legenda), QString::fromLatin1(coluna)};
}

OpcaoFiltro dinheiro(const char *legenda, const char *coluna)
{
    OpcaoFiltro o{QString::fromUtf8(legenda), QString::fromLatin1(coluna)};
    o.dinheiro = true;
    return o;
}

QLabel *legenda(QWidget *pai, quint32 cor, const QString &texto, const QString &dica)
{
    QLabel *l = legendaCor(texto, cor, pai);
    l->setToolTip(dica);
    return l;
}

} // namespace

TFrmFuncionarios::TFrmFuncionarios(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Funcionários"));
    resize(1000, 600);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);
    dbgFuncionarios = lista->grade();
    dbgFuncionarios->setObjectName(QStringLiteral("dbgFuncionarios"));
    dbgFuncionarios->setToolTip(QStringLiteral("Mais Opções -> Botão Direito do Mouse"));
    const Valores hoje = Funcionarios::valoresLista(Relogio::hoje());
    lista->definirConsulta(Funcionarios::kSqlLista, hoje);
    lista->definirColunas(colunas());
    lista->definirChave(QStringLiteral("ID_FUNCIONARIO"));
    lista->definirAcaoAtual(QStringLiteral("Funcionários"));
    ModeloConsulta *modelo = lista->modelo();
    dbgFuncionarios->setItemDelegate(new DelegateCorLinha(
        [modelo](int linha) { return Funcionarios::corStatus(modelo->texto(linha, QStringLiteral("AUXSTATUS"))); },
        dbgFuncionarios));

    FiltroLista filtro{Funcionarios::kSqlFiltro,
                       {texto("Nome", "F.NOME"), texto("CPF", "F.CPF"), texto("R.G.", "F.RG"),
                        texto("CTPS", "F.CTPS"), texto("Série", "F.SERIE"),
                        dinheiro("Salário Base R$", "F.SALARIO_BASE"), dinheiro("Desconto INSS (%)", "F.INSS"),
                        dinheiro("Comissão (%)", "F.COMISSAO"), texto("Telefone (1)", "F.FONE"),
                        texto("Telefone (2)", "F.FONE_2"), texto("Endereço", "F.ENDERECO"),
                        texto("Bairro", "F.BAIRRO"), texto("Cidade", "F.CIDADE"), texto("Estado", "F.ESTADO"),
                        texto("Cep", "F.CEP"), texto("Agência", "F.AGENCIA"), texto("Núm. Conta", "F.CONTA")},
                       QStringLiteral("Tentou Localizar Funcionário de "),
                       90,
                       true,
                       {}};
    filtro.valoresModelo = hoje;
    QGroupBox *painel = lista->configurarFiltro(filtro);
    // 17 choices: two rows of them above the search edit
    if (auto *linha = qobject_cast<QHBoxLayout *>(painel->layout())) {
        auto *grade = new QGridLayout;
        for (int i = 0; i < lista->opcoesFiltro().size(); ++i) {
            linha->removeWidget(lista->opcoesFiltro()[i]);
            grade->addWidget(lista->opcoesFiltro()[i], i / 9, i % 9);
        }
        linha->insertLayout(0, grade, 3);
    }
    btnBuscar = new QToolButton(painel);
    btnBuscar->setText(QStringLiteral("Buscar"));
    lblFecharFiltro = new QLabel(QStringLiteral("x"), painel);
    lblFecharFiltro->setToolTip(QStringLiteral("Fechar Consulta"));
    lblFecharFiltro->setCursor(Qt::PointingHandCursor);
    lblFecharFiltro->installEventFilter(this);
    painel->layout()->addWidget(btnBuscar);
    painel->layout()->addWidget(lblFecharFiltro);
    connect(btnBuscar, &QToolButton::clicked, lista, &TelaLista::buscar);
    layout->addWidget(painel);
    layout->addWidget(dbgFuncionarios, 1);

    auto *legendas = new QHBoxLayout;
    lblAtrasado = legenda(this, Funcionarios::kCorAtrasado, QStringLiteral("Funcionário com Pendência(s) Atrasada(s)"),
                          QStringLiteral("          Funcionário com Pendência(s) Financeiras\nde vencimento em data(s) "
                                         "passada(s)"));
    lblOk = legenda(this, Funcionarios::kCorOk, QStringLiteral("Funcionário OK"),
                    QStringLiteral("          Funcionário que, no momento, não possui \nnenhuma pendência(s) Financeira"));
    lblAVencer = legenda(this, Funcionarios::kCorAVencer, QStringLiteral("Funcionário com Pendência(s) a Vencer"),
                         QStringLiteral("          Funcionário com Pendência(s) Financeiras\nde vencimento em data(s) "
                                        "futura(s)"));
    legendas->addWidget(lblAtrasado);
    legendas->addWidget(lblOk);
    legendas->addWidget(lblAVencer);
    legendas->addStretch();
    layout->addLayout(legendas);

    auto *botoes = new QHBoxLayout;
    btnIncluir = new QPushButton(QStringLiteral("Incluir (F2)"), this);
    btnFiltros = new QPushButton(QStringLiteral("Filtros (F3)"), this);
    btnAlterar = new QPushButton(QStringLiteral("Alterar (Insert)"), this);
    btnExcluir = new QPushButton(QStringLiteral("Excluir (Delete)"), this);
    btnImprimir = new QPushButton(QStringLiteral("Imprimir (Ctrl + I)"), this);
    btnFechar = new QPushButton(QStringLiteral("Fechar (Ctrl + X)"), this);
    btnIncluir->setToolTip(QStringLiteral("     Cadastrar um novo Funcionário \n(Vendedor ou Não)"));
    btnAlterar->setToolTip(QStringLiteral("     Atualizar dados do Funcionário Selecionado"));
    btnExcluir->setToolTip(
        QStringLiteral("         Remover o Funcionário Selecionado\n(As informações serão guardadas na Lixeira)"));
    btnImprimir->setToolTip(QStringLiteral("     Enviar para a Impressora os dados do Funcionário"));
    btnFiltros->setToolTip(QStringLiteral("     Refinar as Informações mostradas na Tela"));
    btnFechar->setToolTip(QStringLiteral("     Voltar para a Tela Inicial"));
    for (QPushButton *b : {btnIncluir, btnFiltros, btnAlterar, btnExcluir, btnImprimir})
        botoes->addWidget(b);
    botoes->addStretch();
    botoes->addWidget(btnFechar);
    for (QPushButton *b : {btnIncluir, btnFiltros, btnAlterar, btnExcluir, btnImprimir, btnFechar})
        b->setAutoDefault(false);
    layout->addLayout(botoes);
    lista->definirBotoesPermissao(btnIncluir, btnAlterar, btnExcluir);

    lista->criarAtalhos({
        {QStringLiteral("|| Incluir - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnIncluir},
        {QStringLiteral("|| Filtros - (F3) ||"), QKeySequence(Qt::Key_F3), {}, btnFiltros},
        {QStringLiteral("|| Alterar - (Insert) ||"), QKeySequence(Qt::Key_Insert), {}, btnAlterar},
        {QStringLiteral("|| Excluir - (Delete) ||"), QKeySequence(Qt::Key_Delete), {}, btnExcluir},
        {QStringLiteral("|| Imprimir - (Ctrl + I) ||"), QKeySequence(Qt::CTRL | Qt::Key_I), {}, btnImprimir},
        {QStringLiteral("|| Fechar - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnFechar},
    });
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  os Funcionários"), Funcionarios::kSqlListaCodigo, hoje);

    // New, alter and delete only with MOVIMENTOS or on a permitted workstation.
    const Sessao &s = Sessao::atual();
    const bool pode = s.direitos.MOVIMENTOS || !s.Permitido.isEmpty();
    for (QPushButton *b : {btnIncluir, btnAlterar, btnExcluir})
        b->setVisible(pode);
    for (const char *l : {"|| Incluir - (F2) ||", "|| Alterar - (Insert) ||", "|| Excluir - (Delete) ||"})
        if (QAction *a = acaoAtalho(lista->menuAtalhos(), QString::fromUtf8(l)))
            a->setVisible(pode);

    connect(btnIncluir, &QPushButton::clicked, this, &TFrmFuncionarios::btnIncluirClick);
    connect(btnAlterar, &QPushButton::clicked, this, &TFrmFuncionarios::btnAlterarClick);
    connect(btnExcluir, &QPushButton::clicked, this, &TFrmFuncionarios::btnExcluirClick);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmFuncionarios::btnFiltrosClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmFuncionarios::btnImprimirClick);
    connect(btnFechar, &QPushButton::clicked, this, &TFrmFuncionarios::btnFecharClick);
    connect(lista, &TelaLista::ativada, this, &TFrmFuncionarios::dbgFuncionariosDblClick);
}

void TFrmFuncionarios::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    lista->reabrir();
    dbgFuncionarios->setFocus();
}

bool TFrmFuncionarios::eventFilter(QObject *o, QEvent *e)
{
    if (o == lblFecharFiltro && e->type() == QEvent::MouseButtonRelease) {
        lista->esconderFiltro();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

int TFrmFuncionarios::abrirCadastro()
{
    QVariantMap linha;
    if (OP != QLatin1String("I") && !lista->vazia())
        linha = lista->modelo()->registro(lista->linhaAtual());
    return Telas::abrir<TFrmCadFuncionarios>(FrmCadFuncionarios, OP, linha, this);
}

void TFrmFuncionarios::btnIncluirClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Novo, [this] { return abrirCadastro(); });
}

void TFrmFuncionarios::btnAlterarClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Alterar, [this] { return abrirCadastro(); });
}

void TFrmFuncionarios::dbgFuncionariosDblClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Ver, [this] { return abrirCadastro(); });
}

void TFrmFuncionarios::btnExcluirClick()
{
    bool excluido = true;
    if (FluxoLista::excluir(lista, Funcionarios::kMsgConfirmaExclusao, [&] {
            excluido = Funcionarios::excluir(DM->Conexao, lista->inteiro(QStringLiteral("ID_FUNCIONARIO")),
                                             lista->texto(QStringLiteral("NOME")));
        }))
        Mensagem::info(excluido ? Funcionarios::kMsgExcluido : Funcionarios::kMsgNaoEncontrado);
}

void TFrmFuncionarios::btnFiltrosClick() { lista->mostrarFiltro(); }

void TFrmFuncionarios::btnImprimirClick()
{
    const qint64 chave = lista->vazia() ? 0 : lista->inteiro(QStringLiteral("ID_FUNCIONARIO"));
    abrirRelFuncionarios(this, chave);
}

void TFrmFuncionarios::btnFecharClick() { reject(); }

void abrirFuncionarios(QWidget *parent) { Telas::abrir<TFrmFuncionarios>(FrmFuncionarios, parent); }
