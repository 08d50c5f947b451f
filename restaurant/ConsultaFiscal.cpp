#include "restaurant/ConsultaFiscal.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/UnitFuncoes.h"
#include "base/Janela.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace ConsultaFiscal {

namespace {
constexpr int kLarguraBusca = 250; // the description indexes cover 250 characters

// A LIKE pattern of a typed text: "*" is any text, % _ \ typed are literal.
QString padraoLike(const QString &texto)
{
    QString p;
    for (QChar c : texto) {
        if (c == QLatin1Char('*'))
            p += QLatin1Char('%');
        else if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            p += QLatin1Char('\\') + QString(c);
        else
            p += c;
    }
    if (!p.endsWith(QLatin1Char('%')))
        p += QLatin1Char('%');
    return p;
}
} // namespace

Condicao condicaoFiltro(const QList<Coluna> &colunas, const QStringList &textos)
{
    QStringList partes;
    Valores valores;
    for (int i = 0; i < colunas.size() && i < textos.size(); ++i) {
        const Coluna &c = colunas[i];
        QString t = textos[i].trimmed();
        if (c.codigo)
            t = TiraPontoTracoBarra(t).remove(QLatin1Char(' '));
        t = t.left(kLarguraBusca).toUpper();
        if (t.isEmpty())
            continue;
        if (!t.contains(QLatin1Char('*'))) {
            // The start of the text: codes on their own index, descriptions
            // on the index of their first 250 characters in capitals.
            const QString expr = c.codigo ? c.campo
                                          : QStringLiteral("UPPER(SUBSTRING(%1 FROM 1 FOR 250))").arg(c.campo);
            partes << expr + QStringLiteral(" STARTING WITH CAST(? AS VARCHAR(250))");
            valores << t;
        } else {
            partes << QStringLiteral("UPPER(%1) LIKE CAST(? AS VARCHAR(260)) ESCAPE '\\'").arg(c.campo);
            valores << padraoLike(t);
        }
    }
    return {partes.join(QStringLiteral(" AND ")), valores};
}

QString sqlConsulta(const Definicao &d, const QString &condicao, const QString &agrupar)
{
    QStringList campos;
    for (const Coluna &c : d.colunas)
        campos << c.campo;
    QString sql = QStringLiteral("SELECT ") + campos.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + d.tabela;
    if (!condicao.isEmpty())
        sql += QStringLiteral(" WHERE ") + condicao;
    QString ordem = d.ordem;
    // Only a column of the lookup may group.
    if (!agrupar.isEmpty() && campos.contains(agrupar) && agrupar != d.ordem)
        ordem = agrupar + QStringLiteral(", ") + d.ordem;
    return sql + QStringLiteral(" ORDER BY ") + ordem;
}

QString codigoCST(const QString &codCst)
{
    if (codCst.left(3) == QLatin1String("CST"))
        return codCst.mid(7, 2).trimmed();
    if (codCst.left(5) == QLatin1String("CSOSN"))
        return codCst.mid(8, 3).trimmed();
    return {};
}

QString codigoSemPontuacao(const QString &codigo) { return TiraPontoTracoBarra(codigo).trimmed(); }

// ---------------------------------------------------------------- body

Corpo::Corpo(QDialog *tela, const Definicao &definicao)
    : QObject(tela)
    , m_tela(tela)
    , m_def(definicao)
    , m_modelo(new ModeloConsulta(this))
{
    tela->setWindowTitle(definicao.tituloJanela);
    tela->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::MSWindowsFixedSizeDialogHint);
    auto *layout = new QVBoxLayout(tela);

    // The ribbon: one tab "Operações" with its group "Operações".
    auto *fita = new QTabWidget(tela);
    auto *aba = new QWidget(fita);
    auto *abaLayout = new QHBoxLayout(aba);
    abaLayout->setContentsMargins(4, 4, 4, 4);
    auto *grupo = new QGroupBox(QStringLiteral("Operações"), aba);
    auto *grupoLayout = new QHBoxLayout(grupo);
    auto botao = [&](const QString &texto, bool alternar, bool ligado) {
        auto *b = new QToolButton(grupo);
        b->setText(texto);
        b->setCheckable(alternar);
        b->setChecked(ligado);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setMinimumHeight(34);
        grupoLayout->addWidget(b);
        return b;
    };
    m_btnExportar = botao(QStringLiteral("Exportar para Excel"), false, false);
    m_btnAgrupamento = botao(QStringLiteral("Agrupamento"), true, false);
    m_btnFiltro = botao(QStringLiteral("Filtro de Pesquisa"), true, true);
    m_btnRedimensionar = botao(QStringLiteral("Redimensionar Linhas"), true, true);
    abaLayout->addWidget(grupo);
    abaLayout->addStretch();
    fita->addTab(aba, QStringLiteral("Operações"));
    fita->setMaximumHeight(fita->sizeHint().height());
    layout->addWidget(fita);

    // The grouping box: the rows of one column's value together.
    m_caixaAgrupar = new QWidget(tela);
    auto *agrupar = new QHBoxLayout(m_caixaAgrupar);
    agrupar->setContentsMargins(0, 0, 0, 0);
    agrupar->addWidget(new QLabel(QStringLiteral("Agrupar por:"), m_caixaAgrupar));
    m_cbAgrupar = new QComboBox(m_caixaAgrupar);
    m_cbAgrupar->addItem(QStringLiteral("(sem agrupamento)"), QString());
    for (const Coluna &c : definicao.colunas)
        m_cbAgrupar->addItem(c.titulo, c.campo);
    agrupar->addWidget(m_cbAgrupar);
    agrupar->addStretch();
    m_caixaAgrupar->hide();
    layout->addWidget(m_caixaAgrupar);

    QList<ColunaGrade> colunas;
    for (const Coluna &c : definicao.colunas)
        colunas.append({c.campo, c.titulo, FormatoColuna::Texto, c.largura});
    m_modelo->definirColunas(colunas);
    m_grade = new GradeFiltro(tela);
    m_grade->definirModelo(m_modelo);
    m_grade->setToolTip(kDicaFiltro);
    QTableView *t = m_grade->grade();
    prepararGrade(t);
    t->setWordWrap(true);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    for (int i = 0; i < colunas.size(); ++i)
        t->setColumnWidth(i, colunas[i].largura);
    t->installEventFilter(this);
    layout->addWidget(m_grade, 1);
    m_lblVazio = new QLabel(kMsgNenhumaInformacao, t->viewport());
    m_lblVazio->setAlignment(Qt::AlignCenter);
    m_lblVazio->hide();

    m_status = new QStatusBar(tela);
    m_status->setSizeGripEnabled(false);
    for (int i = 0; i < 7; ++i) {
        auto *p = new QLabel(m_status);
        p->setObjectName(QStringLiteral("painel%1").arg(i));
        m_paineis.append(p);
        m_status->addWidget(p, i == 2 ? 1 : 0);
    }
    layout->addWidget(m_status);
    m_relogio = new QTimer(this);
    m_relogio->setInterval(1000);
    connect(m_relogio, &QTimer::timeout, this, &Corpo::mostrarRelogio);

    connect(m_btnExportar, &QToolButton::clicked, this, &Corpo::exportar);
    connect(m_btnAgrupamento, &QToolButton::toggled, m_caixaAgrupar, &QWidget::setVisible);
    connect(m_btnFiltro, &QToolButton::toggled, this, [this](bool ligado) {
        for (int c = 0; c < m_grade->totalColunas(); ++c)
            if (QLineEdit *e = m_grade->caixaFiltro(c))
                e->setVisible(ligado);
    });
    connect(m_btnRedimensionar, &QToolButton::toggled, this, [this](bool ligado) {
        if (ligado)
            ajustarAlturas();
        else
            m_grade->grade()->verticalHeader()->setDefaultSectionSize(
                m_grade->grade()->verticalHeader()->minimumSectionSize() + 8);
        if (!ligado)
            for (int r = 0; r < m_modelo->rowCount(); ++r)
                m_grade->grade()->setRowHeight(r, m_grade->grade()->verticalHeader()->defaultSectionSize());
    });
    connect(m_cbAgrupar, &QComboBox::currentIndexChanged, this, [this] { aplicarFiltro(); });
    connect(t, &QTableView::doubleClicked, this, [this](const QModelIndex &i) {
        if (i.isValid())
            emit escolhido();
    });
    connect(t, &QTableView::clicked, this, [] {
        // A search typed next into the filter row starts with the wildcard.
        if (auto *e = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
            e->insert(QStringLiteral("*"));
    });
    connect(t->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (m_btnRedimensionar->isChecked())
            ajustarAlturas();
    });
    connect(t->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (m_btnRedimensionar->isChecked())
            QTimer::singleShot(0, this, &Corpo::ajustarAlturas);
    });
}

QTableView *Corpo::tabela() const { return m_grade->grade(); }

void Corpo::abrir()
{
    for (int i = 2; i <= 6; ++i)
        if (!Janela::painel(i).isEmpty())
            m_paineis[i]->setText(Janela::painel(i));
    mostrarRelogio();
    m_relogio->start();
    aplicarFiltro();
    ligarCaixas();
    FocaFiltroGrade(m_grade, 2);
    // The rows in view take their heights once the grid has its size.
    QTimer::singleShot(0, this, [this] {
        if (m_btnRedimensionar->isChecked())
            ajustarAlturas();
    });
}

void Corpo::ligarCaixas()
{
    for (int c = 0; c < m_grade->totalColunas(); ++c) {
        QLineEdit *e = m_grade->caixaFiltro(c);
        if (!e || m_ligadas.contains(e))
            continue;
        m_ligadas.append(e);
        e->setMaxLength(kLarguraBusca);
        e->setToolTip(kDicaFiltro);
        e->setPlaceholderText(QStringLiteral("Filtro"));
        connect(e, &QLineEdit::textChanged, this, &Corpo::aplicarFiltro);
        connect(e, &QObject::destroyed, this, [this, e] { m_ligadas.removeAll(e); });
    }
}

void Corpo::aplicarFiltro()
{
    QStringList textos;
    for (int c = 0; c < m_def.colunas.size(); ++c) {
        QLineEdit *e = m_grade->caixaFiltro(c);
        textos << (e ? e->text() : QString());
    }
    const Condicao cond = condicaoFiltro(m_def.colunas, textos);
    m_modelo->definirConsulta(sqlConsulta(m_def, cond.sql, m_cbAgrupar->currentData().toString()), cond.valores);
    try {
        m_modelo->abrir();
    } catch (const ErroSistema &e) {
        // Typing goes on in the filter row: the failure is told, not thrown
        // through the box's signal.
        Mensagem::erro(e.texto());
    }
    // The rows come filtered from the database: the grid keeps them all.
    m_grade->visao()->limpar();
    ligarCaixas();
    QTableView *t = m_grade->grade();
    if (m_grade->visao()->rowCount() > 0 && !t->currentIndex().isValid())
        t->setCurrentIndex(m_grade->visao()->index(0, 0));
    m_lblVazio->setVisible(m_grade->visao()->rowCount() == 0);
    m_lblVazio->setGeometry(t->viewport()->rect());
    if (m_btnRedimensionar->isChecked())
        ajustarAlturas();
}

void Corpo::ajustarAlturas()
{
    // Only the rows in view grow to their text: a whole table of long
    // descriptions is never measured at once.
    QTableView *t = m_grade->grade();
    const int primeira = qMax(0, t->rowAt(0));
    int ultima = t->rowAt(t->viewport()->height());
    if (ultima < 0)
        ultima = qMin(m_grade->visao()->rowCount() - 1, primeira + 60);
    for (int r = primeira; r <= ultima; ++r)
        t->resizeRowToContents(r);
}

void Corpo::mostrarRelogio()
{
    const QDateTime agora = Relogio::agora();
    m_paineis[0]->setText(agora.date().toString(QStringLiteral("dd/MM/yyyy")));
    m_paineis[1]->setText(agora.time().toString(QStringLiteral("hh:mm:ss")));
}

QString Corpo::valorAtual(const QString &campo) const
{
    const QModelIndex i = m_grade->grade()->currentIndex();
    if (!i.isValid())
        return {};
    const QModelIndex origem = m_grade->visao()->mapToSource(i);
    return m_modelo->texto(origem.row(), campo);
}

void Corpo::exportar()
{
    // Every row goes into the file, also those not fetched yet.
    while (m_modelo->canFetchMore({}))
        m_modelo->fetchMore({});
    QFileDialog dialogo(m_tela, QStringLiteral("Exportação de Tabela para Excel"), QDir::homePath(),
                        QStringLiteral("Arquivo do Excel (*.xlsx)"));
    dialogo.setDefaultSuffix(QStringLiteral("xlsx"));
    ExportaGradeExcel(m_tela, &dialogo, m_grade->grade());
}

bool Corpo::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_grade->grade()) {
        if (e->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent *>(e)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                if (m_grade->grade()->currentIndex().isValid())
                    emit escolhido();
                return true;
            }
        } else if (e->type() == QEvent::Resize) {
            m_lblVazio->setGeometry(m_grade->grade()->viewport()->rect());
        }
    }
    return QObject::eventFilter(o, e);
}

} // namespace ConsultaFiscal
