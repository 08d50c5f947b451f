#include "base/TelaLista.h"
#include "base/Rotinas.h"
#include "base/Mensagem.h"
#include "base/UnitLog.h"

#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTableView>

CondicaoFiltro condicaoFiltro(const OpcaoFiltro &opcao, const QString &texto)
{
    if (opcao.dinheiro) {
        const std::optional<Dinheiro> d = Dinheiro::deTexto(texto);
        if (!d) {
            CondicaoFiltro c{QStringLiteral("1 = 0"), {}};
            c.invalida = true;
            return c;
        }
        return {opcao.coluna + QStringLiteral(" = ?"), {d->paraBanco()}};
    }
    if (opcao.exato) {
        if (opcao.numerico) {
            bool ok = false;
            const qint64 n = texto.trimmed().toLongLong(&ok);
            if (!ok)
                return {QStringLiteral("1 = 0"), {}};
            return {opcao.coluna + QStringLiteral(" = ?"), {n}};
        }
        return {sqlIgual(opcao.coluna), {valorIgual(texto)}};
    }
    return {sqlContem(opcao.coluna), {valorContem(texto)}};
}

TelaLista::TelaLista(QDialog *tela)
    : QObject(tela)
    , m_tela(tela)
    , m_grade(new QTableView(tela))
    , m_modelo(new ModeloConsulta(this))
{
    m_grade->setObjectName(QStringLiteral("grade"));
    m_grade->setModel(m_modelo);
    prepararGrade(m_grade);
    m_grade->installEventFilter(this);
    m_tela->installEventFilter(this);
    connect(m_grade, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &i) {
        if (i.isValid() && !vazia())
            emit ativada();
    });
}

void TelaLista::definirConsulta(const QString &sql, const Valores &valores)
{
    if (!m_temPadrao)
        definirConsultaPadrao(sql, valores);
    m_modelo->definirConsulta(sql, valores);
}

void TelaLista::definirConsultaPadrao(const QString &sql, const Valores &valores)
{
    m_sqlPadrao = sql;
    m_valoresPadrao = valores;
    m_temPadrao = true;
}

void TelaLista::definirColunas(const QList<ColunaGrade> &colunas)
{
    m_modelo->definirColunas(colunas);
    for (int i = 0; i < colunas.size(); ++i)
        if (colunas[i].largura > 0)
            m_grade->setColumnWidth(i, colunas[i].largura);
}

void TelaLista::definirBotoesPermissao(QAbstractButton *incluir, QAbstractButton *alterar, QAbstractButton *excluir)
{
    m_btnIncluir = incluir;
    m_btnAlterar = alterar;
    m_btnExcluir = excluir;
}

QMenuBar *TelaLista::criarAtalhos(const QList<EntradaAtalho> &entradas)
{
    m_menu = criarMenuAtalhos(m_tela, entradas);
    const QList<QAction *> acoes = m_menu->actions();
    // actions() = "ATALHOS:" followed by the entries
    m_itensBotao.clear();
    for (int i = 0; i < entradas.size() && i + 1 < acoes.size(); ++i)
        if (entradas[i].botao)
            m_itensBotao.append({acoes[i + 1], entradas[i].botao});
    return m_menu;
}

QAction *TelaLista::itemDoBotao(QAbstractButton *botao) const
{
    if (!botao)
        return nullptr;
    for (const auto &p : m_itensBotao)
        if (p.second == botao)
            return p.first;
    return nullptr;
}

QGroupBox *TelaLista::configurarFiltro(const FiltroLista &filtro)
{
    m_filtro = filtro;
    m_painelFiltro = new QGroupBox(QStringLiteral("Filtros:"), m_tela);
    m_painelFiltro->setObjectName(QStringLiteral("pnlFiltros"));
    auto *linha = new QHBoxLayout(m_painelFiltro);
    for (const OpcaoFiltro &o : filtro.opcoes) {
        auto *rb = new QRadioButton(o.legenda, m_painelFiltro);
        rb->setFocusPolicy(Qt::NoFocus);
        m_opcoes.append(rb);
        linha->addWidget(rb);
        connect(rb, &QRadioButton::clicked, this, [this] {
            m_edtFiltro->clear();
            m_edtFiltro->setFocus();
        });
    }
    if (!m_opcoes.isEmpty())
        m_opcoes.first()->setChecked(true);
    m_edtFiltro = new QLineEdit(m_painelFiltro);
    m_edtFiltro->setObjectName(QStringLiteral("edtFiltro"));
    if (filtro.maiusculas)
        emMaiusculas(m_edtFiltro, filtro.maximo);
    else if (filtro.maximo > 0)
        limitarCaracteres(m_edtFiltro, filtro.maximo);
    m_edtFiltro->installEventFilter(this);
    linha->addWidget(m_edtFiltro, 1);
    m_painelFiltro->hide();
    return m_painelFiltro;
}

void TelaLista::mostrarFiltro()
{
    if (!m_painelFiltro)
        return;
    m_painelFiltro->show();
    m_edtFiltro->setFocus();
    ColorirEdit(m_edtFiltro, true);
}

void TelaLista::esconderFiltro()
{
    if (!m_painelFiltro)
        return;
    ColorirEdit(m_edtFiltro, false);
    m_painelFiltro->hide();
    m_grade->setFocus();
}

void TelaLista::moverOpcao(int passo)
{
    int atual = 0;
    for (int i = 0; i < m_opcoes.size(); ++i)
        if (m_opcoes[i]->isChecked())
            atual = i;
    const int nova = atual + passo;
    if (nova < 0 || nova >= m_opcoes.size())
        return;
    m_opcoes[nova]->setChecked(true);
    m_edtFiltro->clear();
}

const OpcaoFiltro *TelaLista::opcaoEscolhida() const
{
    for (int i = 0; i < m_opcoes.size() && i < m_filtro.opcoes.size(); ++i)
        if (m_opcoes[i]->isChecked())
            return &m_filtro.opcoes[i];
    return nullptr;
}

void TelaLista::buscar()
{
    if (!m_painelFiltro)
        return;
    int escolhida = 0;
    for (int i = 0; i < m_opcoes.size(); ++i)
        if (m_opcoes[i]->isChecked())
            escolhida = i;
    const OpcaoFiltro opcao = m_filtro.opcoes.value(escolhida);
    // A money text is searched as the edit shows it when left.
    if (opcao.dinheiro && !m_edtFiltro->text().trimmed().isEmpty())
        if (const std::optional<Dinheiro> d = Dinheiro::deTexto(m_edtFiltro->text()))
            m_edtFiltro->setText(d->formatado());
    const QString texto = m_edtFiltro->text();
    if (texto.trimmed().isEmpty()) {
        m_modelo->definirConsulta(m_sqlPadrao, m_valoresPadrao);
    } else {
        const CondicaoFiltro c = condicaoFiltro(opcao, texto);
        if (c.invalida) {
            Mensagem::info(kMsgValorBuscaInvalido);
            m_edtFiltro->setFocus();
            return;
        }
        m_modelo->definirConsulta(m_filtro.modelo.arg(c.sql), m_filtro.valoresModelo + c.valores);
    }
    reabrir();
    esconderFiltro();
    // a list without a log caption searches without a log line
    if (!m_filtro.prefixoLog.isEmpty())
        RegistrarLog(m_filtro.prefixoLog + opcao.legenda + QStringLiteral(" -> ") + texto);
}

void TelaLista::adicionarOrdenacao(const QString &legenda, const QString &sql, const Valores &valores)
{
    if (!m_menuContexto) {
        m_menuContexto = new QMenu(m_grade);
        m_grade->setContextMenuPolicy(Qt::DefaultContextMenu);
    }
    QAction *a = m_menuContexto->addAction(legenda);
    connect(a, &QAction::triggered, this, [this, sql, valores] {
        m_modelo->definirConsulta(sql, valores);
        reabrir();
    });
}

void TelaLista::aplicarPermissoes()
{
    if (!m_btnIncluir && !m_btnAlterar && !m_btnExcluir)
        return;
    PermissaoTela(m_btnIncluir, m_btnAlterar, m_btnExcluir, itemDoBotao(m_btnIncluir), itemDoBotao(m_btnAlterar),
                  itemDoBotao(m_btnExcluir), !m_modelo->vazia());
}

void TelaLista::reabrir()
{
    if (!m_chave.isEmpty())
        ReapontarGrid(m_grade, m_chave, QStringLiteral("AntesAbrir"));
    try {
        m_modelo->abrir();
    } catch (...) {
        // The list is empty now: no button may act on a row it no longer
        // shows, and the remembered row must not carry over to another list.
        if (!m_chave.isEmpty())
            ReapontarGridEsquecer();
        aplicarPermissoes();
        throw;
    }
    if (!m_modelo->vazia())
        irParaLinha(0);
    aplicarPermissoes();
    if (!m_chave.isEmpty())
        ReapontarGrid(m_grade, m_chave, QStringLiteral("DepoisAbrir"));
    emit aberta();
}

bool TelaLista::vazia() const { return m_modelo->vazia(); }

int TelaLista::linhaAtual() const
{
    const QModelIndex i = m_grade->currentIndex();
    return i.isValid() ? i.row() : (m_modelo->vazia() ? -1 : 0);
}

void TelaLista::irParaLinha(int linha)
{
    if (linha < 0 || linha >= m_modelo->total())
        return;
    const QModelIndex i = m_modelo->index(linha, 0);
    m_grade->setCurrentIndex(i);
    m_grade->scrollTo(i);
}

QVariant TelaLista::valor(const QString &campo) const { return m_modelo->valor(linhaAtual(), campo); }
QString TelaLista::texto(const QString &campo) const { return m_modelo->texto(linhaAtual(), campo); }
qint64 TelaLista::inteiro(const QString &campo) const { return m_modelo->inteiro(linhaAtual(), campo); }

void TelaLista::prepararExclusao()
{
    if (!m_chave.isEmpty())
        ReapontarGrid(m_grade, m_chave, QStringLiteral("Exclusao"));
}

bool TelaLista::confirmar(const QString &pergunta) { return Mensagem::pergunta(pergunta); }

bool TelaLista::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_tela) {
        if (e->type() == QEvent::WindowActivate && !m_acaoAtual.isEmpty())
            AcaoAtual(m_acaoAtual);
        // An Enter nobody took never presses the dialog's default button.
        if (e->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent *>(e)->key();
            return k == Qt::Key_Return || k == Qt::Key_Enter;
        }
        return false;
    }
    if (o == m_grade) {
        if (e->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(e);
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                if (!vazia())
                    emit ativada();
                return true;
            }
        } else if (e->type() == QEvent::ContextMenu && m_menuContexto) {
            m_menuContexto->popup(static_cast<QContextMenuEvent *>(e)->globalPos());
            return true;
        }
        return false;
    }
    if (o == m_edtFiltro) {
        switch (e->type()) {
        case QEvent::FocusIn:
            ColorirEdit(m_edtFiltro, true);
            if (const OpcaoFiltro *op = opcaoEscolhida(); op && op->dinheiro)
                m_edtFiltro->setText(TiraPontoTracoBarra(m_edtFiltro->text()));
            break;
        case QEvent::FocusOut:
            ColorirEdit(m_edtFiltro, false);
            if (const OpcaoFiltro *op = opcaoEscolhida(); op && op->dinheiro) {
                const QString t = m_edtFiltro->text().trimmed();
                if (t.isEmpty())
                    m_edtFiltro->setText(QStringLiteral("0,00"));
                else if (const std::optional<Dinheiro> d = Dinheiro::deTexto(t))
                    m_edtFiltro->setText(d->formatado());
            }
            break;
        case QEvent::KeyPress: {
            auto *k = static_cast<QKeyEvent *>(e);
            switch (k->key()) {
            case Qt::Key_Down:
                moverOpcao(1);
                return true;
            case Qt::Key_Up:
                moverOpcao(-1);
                return true;
            case Qt::Key_Escape:
                esconderFiltro();
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                buscar();
                return true;
            default:
                break;
            }
            break;
        }
        default:
            break;
        }
    }
    return false;
}
