#include "app/Ribbon.h"
#include "base/Erros.h"
#include "base/Icones.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QFrame>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>

namespace Ribbon {

namespace {
constexpr auto G = Tamanho::Grande;
constexpr auto P = Tamanho::Pequeno;
constexpr auto S = Direito::Sempre;
constexpr auto M = Direito::Movimentos;
} // namespace

const QList<Entrada> &entradas()
{
    // Handler names: the ones the other subsystems already know by name keep
    // them (dxBarLargeButton12Click is "Caixa"); the others are named after
    // their button.
    static const QList<Entrada> lista{
        {"Cadastros", "Gerencial", "Livro de Ponto", "dxBarLargeButton1Click", G, S, false},
        {"Cadastros", "Gerencial", "Clientes", "btnClientesClick", G, S, false},
        {"Cadastros", "Gerencial", "Fornecedores", "btnFornecedoresClick", G, S, false},
        {"Cadastros", "Gerencial", "Funcionários", "dxBarLargeButton4Click", G, M, false},
        {"Cadastros", "Gerencial", "Características das UH's", "btnCaracUHClick", G, S, false},
        {"Cadastros", "Gerencial", "Tipos de UH's", "btnTiposUHClick", G, S, false},
        {"Cadastros", "Gerencial", "Pontos de Venda", "btnPDVClick", G, S, false},
        {"Cadastros", "Gerencial", "Produtos e Serviços", "btnProdutosServicosClick", G, S, false},
        {"Cadastros", "Gerencial", "Itens de Estoque", "btnItensClick", G, S, false},
        {"Cadastros", "Gerencial", "Mesas / Cartões", "dxBarLargeButton45Click", G, S, false},
        {"Cadastros", "Gerencial", "Reservas", "btnReservasClick", G, S, false},
        {"Cadastros", "Gerencial", "Central de UH's", "btnCentralUHClick", G, S, false},

        {"Financeiro", "Financeiro", "Caixa", "dxBarLargeButton12Click", G, S, false},
        {"Financeiro", "Financeiro", "Movimento Financeiro", "btnMovimentoFinanceiroClick", G, M, false},
        {"Financeiro", "Financeiro", "Pagamento de Funcionários", "btnPagFuncionariosClick", G, S, false},
        {"Financeiro", "Financeiro", "Cheques", "dxBarLargeButton14Click", G, M, false},

        {"Consultas", "Consultas", "Hóspedes", "btnHospedesClick", G, S, false},
        {"Consultas", "Consultas", "Veículos", "btnVeiculosClick", G, S, false},
        {"Consultas", "Consultas", "Entrada de Hóspedes", "btnWalkInClick", G, S, false},
        {"Consultas", "Consultas", "Aniversariantes", "btnAniversariantesClick", G, S, false},
        {"Consultas", "Consultas", "Mapa de Rede Online", "btnOnlineClick", G, M, false},
        {"Consultas", "Consultas", "Histórico do Chat", "btnChatClick", G, S, false},
        {"Consultas", "Consultas", "Escala de Trabalho", "btnEscalaClick", G, S, false},
        {"Consultas", "Consultas", "Lembretes", "btnLembreteClick", G, S, false},

        {"Fiscalização", "Fiscalização", "Impressora Fiscal", "dxBarLargeButton23Click", G, S, false},
        {"Fiscalização", "Fiscalização", "Notas Fiscais", "btnNotasFiscaisClick", G, M, false},

        {"Gráficos", "Gráficos", "Gráfico de Ocupação", "btnGrafOcupacaoClick", G, M, false},
        {"Gráficos", "Gráficos", "Gráficos Financeiros", "btnGrafFinanceiroClick", G, M, false},

        {"Relatórios", "Gerenciais", "Clientes", "btnRelClientesClick", P, S, false},
        {"Relatórios", "Gerenciais", "UH's", "btnRelUHClick", P, S, false},
        {"Relatórios", "Gerenciais", "Entrada de Hóspedes", "btnRelWalkInClick", P, S, false},
        {"Relatórios", "Gerenciais", "Fornecedores", "btnRelFornecedoresClick", P, S, false},
        {"Relatórios", "Gerenciais", "Produtos e Serviços", "btnRelProdutosServicosClick", P, S, false},
        {"Relatórios", "Gerenciais", "Aniversariantes", "btnRelAniversariantesClick", P, S, false},
        {"Relatórios", "Gerenciais", "Funcionários", "dxBarButton6Click", P, M, false},
        {"Relatórios", "Gerenciais", "Itens de Estoque", "btnRelItensEstoqueClick", P, S, false},
        {"Relatórios", "Gerenciais", "Café da Manhã", "btnRelCafeClick", P, S, false},
        {"Relatórios", "Gerenciais", "Livro de Ponto", "dxBarButton9Click", P, S, false},
        {"Relatórios", "Gerenciais", "Reservas", "btnRelReservasClick", P, S, false},
        {"Relatórios", "Gerenciais", "Os Mais Mais", "btnRelOsMaisMaisClick", P, M, false},
        {"Relatórios", "Gerenciais", "Escala de Trabalho", "btnRelEscalaClick", P, S, false},
        {"Relatórios", "Gerenciais", "Veículos", "btnRelVeiculosClick", P, S, false},
        {"Relatórios", "Gerenciais", "Notas Fiscais", "btnRelNFClick", P, M, false},
        {"Relatórios", "Financeiros", "Movimento Financeiro", "btnRelMovFinanceiroClick", P, M, false},
        {"Relatórios", "Financeiros", "Folha de Pagamento", "btnRelFolhaPagamentoClick", P, S, false},
        {"Relatórios", "Extratos", "Extrato de Conta", "btnRelExtratoContaClick", P, S, false},
        {"Relatórios", "Extratos", "Extrato de UH", "btnRelExtratoUHClick", P, S, false},

        {"Utilitários", "Utilitários", "Cópia de Segurança", "dxBarLargeButton27Click", G, S, false},
        {"Utilitários", "Utilitários", "Lixeira", "btnAnulacoesClick", G, S, false},
        {"Utilitários", "Utilitários", "Calculadora", "btnCalculadoraClick", G, S, false},
        {"Utilitários", "Utilitários", "Suporte", "btnSuporteClick", G, S, false},
        {"Utilitários", "Utilitários", "Atualização 9° Dígito", "btnNonoDigitoClick", G, S, false},

        {"Configurações", "Configurações", "Parâmetros", "btnParametrosClick", G, Direito::Parametros, false},
        {"Configurações", "Configurações", "Usuários e Permissões", "btnUsuariosClick", G, Direito::Usuarios, false},

        {"Informações", "Informações", "Log de Registro", "btnLogClick", G, M, false},
        {"Informações", "Informações", "Verificar Atualizações", "btnVerificarAtualizacoesClick", G, S, false},
        {"Informações", "Informações", "Sobre o Zentro Vedez 4", "btnSobreClick", G, S, false},

        {"Integração", "Integração", "Sincronizar Zentro PDV", "dxBarLargeButton39Click", G, S, false},
        {"Integração", "Integração", "Sincronizar Zentro Controle", "dxBarLargeButton47Click", G,
         Direito::ZentroControle, false},

        // The survey buttons have no command: always enabled, they do nothing.
        {"Pesquisa de Satisfação", "Pesquisa", "Análises", "", G, S, false},
        {"Pesquisa de Satisfação", "Pesquisa", "Perguntas", "", G, S, true},
        {"Pesquisa de Satisfação", "Pesquisa", "Respostas", "", G, S, false},
    };
    return lista;
}

QStringList abas()
{
    QStringList l;
    for (const Entrada &e : entradas()) {
        const QString aba = QString::fromUtf8(e.aba);
        if (!l.contains(aba))
            l.append(aba);
    }
    return l;
}

bool direitoPermite(Direito d, const Direitos &direitos, bool zentroControle)
{
    switch (d) {
    case Direito::Sempre: return true;
    case Direito::Movimentos: return direitos.MOVIMENTOS;
    case Direito::Usuarios: return direitos.USUARIOS;
    case Direito::Parametros: return direitos.PARAMETROS;
    case Direito::ZentroControle: return zentroControle;
    }
    return false;
}

} // namespace Ribbon

TRibbon::TRibbon(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("dxRibbon1"));
    // The screens' common buttons (Confirmar, Cancelar, Imprimir, Sair) get
    // the same theme's pictures.
    Icones::instalarNosBotoes();
    setDocumentMode(true);
    QHash<QString, QHBoxLayout *> linhaDaAba;
    QHash<QString, QGridLayout *> gradeDoGrupo;
    QHash<QString, int> contagemDoGrupo;
    const auto &lista = Ribbon::entradas();
    m_estados.reserve(lista.size());
    for (const Ribbon::Entrada &e : lista) {
        const QString aba = QString::fromUtf8(e.aba);
        const QString grupo = QString::fromUtf8(e.grupo);
        QHBoxLayout *linha = linhaDaAba.value(aba);
        if (!linha) {
            // A narrow window scrolls the tab instead of squeezing the captions.
            auto *rolagem = new QScrollArea(this);
            rolagem->setObjectName(aba);
            rolagem->setFrameShape(QFrame::NoFrame);
            rolagem->setWidgetResizable(true);
            rolagem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            auto *pagina = new QWidget(rolagem);
            linha = new QHBoxLayout(pagina);
            linha->setContentsMargins(4, 2, 4, 2);
            linha->addStretch();
            rolagem->setWidget(pagina);
            addTab(rolagem, aba);
            linhaDaAba.insert(aba, linha);
        }
        const QString chaveGrupo = aba + QLatin1Char('/') + grupo;
        QGridLayout *grade = gradeDoGrupo.value(chaveGrupo);
        if (!grade) {
            auto *caixa = new QGroupBox(grupo);
            caixa->setObjectName(grupo);
            caixa->setAlignment(Qt::AlignHCenter);
            grade = new QGridLayout(caixa);
            grade->setContentsMargins(4, 4, 4, 4);
            grade->setSpacing(2);
            linha->insertWidget(linha->count() - 1, caixa);
            gradeDoGrupo.insert(chaveGrupo, grade);
        }
        int &n = contagemDoGrupo[chaveGrupo];
        if (e.separadorAntes) {
            auto *sep = new QFrame;
            sep->setFrameShape(QFrame::VLine);
            sep->setFrameShadow(QFrame::Sunken);
            grade->addWidget(sep, 0, n, e.tamanho == Ribbon::Tamanho::Grande ? 1 : 3, 1);
            ++n;
        }
        const QString legenda = QString::fromUtf8(e.legenda);
        auto *b = new QToolButton;
        b->setText(legenda);
        b->setToolTip(legenda);
        b->setObjectName(QString::fromLatin1(e.manipulador));
        b->setAutoRaise(true);
        // Each command its own picture; the survey buttons by their caption.
        b->setIcon(e.manipulador[0] != '\0' ? Icones::doComando(QString::fromLatin1(e.manipulador))
                                             : Icones::icone(Icones::nomeDoBotao(legenda)));
        if (e.tamanho == Ribbon::Tamanho::Grande) {
            b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            b->setIconSize(QSize(32, 32));
            b->setMinimumSize(qMax(72, b->sizeHint().width()), 64);
            grade->addWidget(b, 0, n++);
        } else {
            // Small buttons stand three to a column.
            b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            b->setIconSize(QSize(16, 16));
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            grade->addWidget(b, n % 3, n / 3);
            ++n;
        }
        Estado est;
        est.entrada = &e;
        est.botao = b;
        est.permitido = Ribbon::direitoPermite(e.direito, Direitos{}, false);
        const int indice = int(m_estados.size());
        m_estados.append(est);
        if (e.manipulador[0] != '\0')
            m_porManipulador.insert(QString::fromLatin1(e.manipulador), indice);
        connect(b, &QToolButton::clicked, this, [this, indice] {
            const std::function<void()> acao = m_estados[indice].acao;
            if (acao)
                acao();
        });
        atualizar(m_estados.last());
    }
    setCurrentIndex(0);
    // As tall as the tallest tab, with room for its scroll bar.
    int altura = 0;
    for (int i = 0; i < count(); ++i)
        if (auto *r = qobject_cast<QScrollArea *>(widget(i)))
            altura = qMax(altura, r->widget()->sizeHint().height());
    setFixedHeight(altura + tabBar()->sizeHint().height()
                   + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
}

void TRibbon::atualizar(Estado &e)
{
    const bool semComando = e.entrada->manipulador[0] == '\0';
    e.botao->setEnabled(e.permitido && (semComando || bool(e.acao)));
}

void TRibbon::registrarComando(const QString &manipulador, std::function<void()> acao)
{
    const auto it = m_porManipulador.constFind(manipulador);
    if (it == m_porManipulador.cend())
        throw ErroSistema(QStringLiteral("Comando desconhecido na faixa de opções: %1").arg(manipulador));
    Estado &e = m_estados[*it];
    e.acao = std::move(acao);
    atualizar(e);
}

bool TRibbon::registrado(const QString &manipulador) const
{
    const auto it = m_porManipulador.constFind(manipulador);
    return it != m_porManipulador.cend() && bool(m_estados[*it].acao);
}

void TRibbon::aplicarDireitos(const Direitos &direitos, bool zentroControle)
{
    for (Estado &e : m_estados) {
        e.permitido = Ribbon::direitoPermite(e.entrada->direito, direitos, zentroControle);
        atualizar(e);
    }
}

QToolButton *TRibbon::botao(const QString &manipulador) const
{
    const auto it = m_porManipulador.constFind(manipulador);
    return it == m_porManipulador.cend() ? nullptr : m_estados[*it].botao;
}

QToolButton *TRibbon::botao(const QString &aba, const QString &legenda) const
{
    for (const Estado &e : m_estados)
        if (QString::fromUtf8(e.entrada->aba) == aba && e.botao->text() == legenda)
            return e.botao;
    return nullptr;
}

bool TRibbon::executar(const QString &manipulador)
{
    const auto it = m_porManipulador.constFind(manipulador);
    if (it == m_porManipulador.cend() || !m_estados[*it].acao)
        return false;
    const std::function<void()> acao = m_estados[*it].acao;
    acao();
    return true;
}
