#include "core/UnitLogViewer.h"
#include "base/CabecalhoTela.h"
#include "base/Erros.h"
#include "base/Grade.h"
#include "base/Relogio.h"
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

TFrmLog *FrmLog = nullptr;

namespace VisorLog {

const QList<GrupoOperacao> &gruposOperacao()
{
    static const QList<GrupoOperacao> grupos{
        {QStringLiteral("Acesso de Sistema"), {QStringLiteral("Acesso de Sistema")}},
        {QStringLiteral("Email"), {QStringLiteral("Envio de Email")}},
        {QStringLiteral("Backups"), {QStringLiteral("Criou Backup"), QStringLiteral("Restaurou Backup")}},
        {QStringLiteral("Impressão de Relatório"), {QStringLiteral("Impressão de Relatório")}},
        {QStringLiteral("Vizualização de Gráfico"), {QStringLiteral("Vizualização de Gráfico")}},
        {QStringLiteral("Impressão de Gráfico"), {QStringLiteral("Impressão de Gráfico")}},
        {QStringLiteral("Clientes"), {QStringLiteral("Excluiu Cliente")}},
        {QStringLiteral("Despesa Avulsa"), {QStringLiteral("Excluiu Despesa Avulsa")}},
        {QStringLiteral("Reservas"),
         {QStringLiteral("Incluiu Nova Reserva"), QStringLiteral("Incluiu Novo Reserva"),
          QStringLiteral("Alterou Reserva"), QStringLiteral("Excluiu Reserva")}},
    };
    return grupos;
}

namespace {
const char *const kColunas = "SELECT ID_LOG, DATA, HORA, USUARIO, OPERACAO FROM LOG WHERE ";
const char *const kOrdemFiltro = " ORDER BY DATA, HORA, ID_LOG";
} // namespace

Consulta consultaDoDia(const QDate &dia)
{
    return {QString::fromLatin1(kColunas) + QStringLiteral("DATA = ? ORDER BY ID_LOG"), {dia}};
}

Consulta consultaPorUsuario(const QString &login)
{
    return {QString::fromLatin1(kColunas) + QStringLiteral("USUARIO = ?") + QString::fromLatin1(kOrdemFiltro),
            {login.left(10)}};
}

Consulta consultaPorData(const QDate &dia)
{
    return {QString::fromLatin1(kColunas) + QStringLiteral("DATA = ?") + QString::fromLatin1(kOrdemFiltro), {dia}};
}

Consulta consultaPorOperacao(const QString &entrada)
{
    for (const GrupoOperacao &g : gruposOperacao()) {
        if (g.entrada != entrada)
            continue;
        QStringList condicoes;
        QVariantList valores;
        for (const QString &op : g.operacoes) {
            condicoes.append(QStringLiteral("OPERACAO = ?"));
            valores.append(op);
        }
        return {QString::fromLatin1(kColunas) + QLatin1Char('(') + condicoes.join(QStringLiteral(" OR "))
                    + QLatin1Char(')') + QString::fromLatin1(kOrdemFiltro),
                valores};
    }
    throw ErroSistema(QStringLiteral("Operação inválida: %1").arg(entrada));
}

QList<LinhaComparada> compararLinhas(const QString &antes, const QString &depois)
{
    const auto separar = [](QString t) {
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        return t.isEmpty() ? QStringList() : t.split(QLatin1Char('\n'));
    };
    const QStringList a = separar(antes);
    const QStringList d = separar(depois);
    QList<LinhaComparada> r;
    const qsizetype n = qMax(a.size(), d.size());
    for (qsizetype i = 0; i < n; ++i) {
        LinhaComparada l{a.value(i), d.value(i), false};
        l.diferente = l.antes != l.depois;
        r.append(l);
    }
    return r;
}

} // namespace VisorLog

namespace {

// One paragraph per line: bold red where the two sides differ, plain black otherwise.
void escreverLinhas(QTextEdit *caixa, const QList<VisorLog::LinhaComparada> &linhas, bool antes)
{
    caixa->clear();
    QTextCursor c(caixa->document());
    QTextCharFormat diferente;
    diferente.setForeground(QColor(0xFF, 0x00, 0x00));
    diferente.setFontWeight(QFont::Bold);
    QTextCharFormat igual;
    igual.setForeground(QColor(0x00, 0x00, 0x00));
    igual.setFontWeight(QFont::Normal);
    for (int i = 0; i < linhas.size(); ++i) {
        if (i > 0)
            c.insertBlock();
        c.setCharFormat(linhas[i].diferente ? diferente : igual);
        c.insertText(antes ? linhas[i].antes : linhas[i].depois);
    }
}

} // namespace

TFrmLog::TFrmLog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmLog"));
    setWindowTitle(QStringLiteral("Log de Registro"));
    resize(900, 640);

    imgCabecalho = new QLabel(this);
    imgCabecalho->setFixedHeight(60);
    imgCabecalho->setScaledContents(true);

    tLog = new ModeloConsulta(this);
    tLog->definirColunas({{QStringLiteral("DATA"), QStringLiteral("Data"), FormatoColuna::Data, 80},
                          {QStringLiteral("HORA"), QStringLiteral("Hora"), FormatoColuna::Hora, 70},
                          {QStringLiteral("USUARIO"), QStringLiteral("Usuário"), FormatoColuna::Texto, 100},
                          {QStringLiteral("OPERACAO"), QStringLiteral("Operação"), FormatoColuna::Texto, 0}});
    dbgLog = new QTableView(this);
    dbgLog->setModel(tLog);
    prepararGrade(dbgLog);
    dbgLog->verticalHeader()->hide();
    dbgLog->horizontalHeader()->setStretchLastSection(true);

    memoOperacao = new QPlainTextEdit(this);
    memoOperacao->setReadOnly(true);
    rtfAntes = new QTextEdit(this);
    rtfAntes->setReadOnly(true);
    rtfDepois = new QTextEdit(this);
    rtfDepois->setReadOnly(true);
    const auto caixa = [this](const QString &titulo, QWidget *w) {
        auto *g = new QGroupBox(titulo, this);
        auto *l = new QVBoxLayout(g);
        l->setContentsMargins(4, 4, 4, 4);
        l->addWidget(w);
        return g;
    };
    auto *detalhes = new QHBoxLayout;
    detalhes->addWidget(caixa(QStringLiteral("Detalhes da Operação"), memoOperacao));
    detalhes->addWidget(caixa(QStringLiteral("Detalhes / Antes (Alteração)"), rtfAntes));
    detalhes->addWidget(caixa(QStringLiteral("Depois (Alteração)"), rtfDepois));

    // Filter panel, hidden until "Filtros".
    pnlFiltro = new QGroupBox(QStringLiteral("Filtros"), this);
    btnFecharFiltro = new QToolButton(pnlFiltro);
    btnFecharFiltro->setText(QStringLiteral("x"));
    btnFecharFiltro->setToolTip(QStringLiteral("Fechar Consulta"));
    btnFecharFiltro->setAutoRaise(true);
    rbUsuario = new QRadioButton(QStringLiteral("Usuário"), pnlFiltro);
    rbData = new QRadioButton(QStringLiteral("Data"), pnlFiltro);
    rbOperacao = new QRadioButton(QStringLiteral("Operação"), pnlFiltro);
    rbUsuario->setChecked(true);
    cbLogin = new QComboBox(pnlFiltro);
    cbLogin->setMinimumWidth(140);
    dtpData = new QDateEdit(pnlFiltro);
    dtpData->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtpData->setCalendarPopup(true);
    cbOperacao = new QComboBox(pnlFiltro);
    for (const auto &g : VisorLog::gruposOperacao())
        cbOperacao->addItem(g.entrada);
    btnAplicar = new QPushButton(QStringLiteral("Aplicar"), pnlFiltro);
    auto *lfiltro = new QHBoxLayout(pnlFiltro);
    lfiltro->addWidget(rbUsuario);
    lfiltro->addWidget(rbData);
    lfiltro->addWidget(rbOperacao);
    lfiltro->addSpacing(12);
    lfiltro->addWidget(cbLogin);
    lfiltro->addWidget(dtpData);
    lfiltro->addWidget(cbOperacao);
    lfiltro->addWidget(btnAplicar);
    lfiltro->addStretch();
    lfiltro->addWidget(btnFecharFiltro, 0, Qt::AlignTop);
    pnlFiltro->hide();

    btnFiltros = new QPushButton(QStringLiteral("Filtros"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnFiltros->setAutoDefault(false);
    btnSair->setAutoDefault(false);
    btnAplicar->setAutoDefault(false);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnFiltros);
    botoes->addWidget(btnSair);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(imgCabecalho);
    layout->addWidget(pnlFiltro);
    layout->addWidget(dbgLog, 3);
    layout->addLayout(detalhes, 2);
    layout->addLayout(botoes);

    criarMenuAtalhos(this, {{QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X),
                             [this] { close(); }, btnSair}});

    connect(btnFiltros, &QPushButton::clicked, this, &TFrmLog::btnFiltrosClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::close);
    connect(btnAplicar, &QPushButton::clicked, this, &TFrmLog::btnAplicarClick);
    connect(btnFecharFiltro, &QToolButton::clicked, this, &TFrmLog::btnFecharFiltroClick);
    connect(rbUsuario, &QRadioButton::clicked, this, &TFrmLog::rbUsuarioClick);
    connect(rbData, &QRadioButton::clicked, this, &TFrmLog::rbDataClick);
    connect(rbOperacao, &QRadioButton::clicked, this, &TFrmLog::rbOperacaoClick);
    for (QWidget *w : {static_cast<QWidget *>(cbLogin), static_cast<QWidget *>(dtpData)})
        w->installEventFilter(this);

    abrir(VisorLog::consultaDoDia(Relogio::hoje()), true);
    connect(dbgLog->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TFrmLog::tLogAfterScroll);
    tLogAfterScroll();
}

void TFrmLog::abrir(const VisorLog::Consulta &c, bool noFim)
{
    tLog->definirConsulta(c.sql, c.valores);
    tLog->abrir();
    if (noFim)
        tLog->buscarTodas(); // one day's rows: the cursor goes to the last
    irPara(tLog->vazia() ? -1 : (noFim ? tLog->total() - 1 : 0));
}

int TFrmLog::linhas() const { return tLog->total(); }

void TFrmLog::irPara(int linha)
{
    if (linha < 0) {
        dbgLog->selectionModel()->clearCurrentIndex();
        tLogAfterScroll();
        return;
    }
    const QModelIndex i = tLog->index(linha, 0);
    dbgLog->setCurrentIndex(i);
    dbgLog->scrollTo(i);
    tLogAfterScroll();
}

void TFrmLog::tLogAfterScroll()
{
    const QModelIndex atual = dbgLog->currentIndex();
    if (!atual.isValid()) {
        antesAtual.clear();
        depoisAtual.clear();
        memoOperacao->clear();
        rtfAntes->clear();
        rtfDepois->clear();
        return;
    }
    const QVariant id = tLog->valor(atual.row(), QStringLiteral("ID_LOG"));
    const Linha l = DM->Conexao.ler(QStringLiteral("SELECT OPERACAO, ANTES, DEPOIS FROM LOG WHERE ID_LOG = ?"), {id});
    antesAtual = l.texto(QStringLiteral("ANTES"));
    depoisAtual = l.texto(QStringLiteral("DEPOIS"));
    memoOperacao->setPlainText(l.texto(QStringLiteral("OPERACAO")));
    const auto linhas = VisorLog::compararLinhas(antesAtual, depoisAtual);
    escreverLinhas(rtfAntes, linhas, true);
    escreverLinhas(rtfDepois, linhas, false);
}

void TFrmLog::btnFiltrosClick()
{
    pnlFiltro->show();
    rbUsuario->setChecked(true);
    rbUsuarioClick();
}

void TFrmLog::rbUsuarioClick()
{
    dtpData->hide();
    cbOperacao->hide();
    cbLogin->clear();
    for (const Linha &l : DM->Conexao.lerTodas(QStringLiteral("SELECT LOGIN FROM USUARIO ORDER BY LOGIN")))
        cbLogin->addItem(l.texto(QStringLiteral("LOGIN")));
    cbLogin->setCurrentIndex(-1);
    cbLogin->show();
    cbLogin->setFocus();
}

void TFrmLog::rbDataClick()
{
    cbLogin->hide();
    cbOperacao->hide();
    dtpData->setDate(Relogio::hoje());
    dtpData->show();
    dtpData->setFocus();
}

void TFrmLog::rbOperacaoClick()
{
    cbLogin->hide();
    dtpData->hide();
    cbOperacao->setCurrentIndex(0);
    cbOperacao->show();
    cbOperacao->setFocus();
}

void TFrmLog::btnAplicarClick()
{
    if (rbUsuario->isChecked())
        abrir(VisorLog::consultaPorUsuario(cbLogin->currentIndex() >= 0 ? cbLogin->currentText() : QString()));
    else if (rbData->isChecked())
        abrir(VisorLog::consultaPorData(dtpData->date()));
    else
        abrir(VisorLog::consultaPorOperacao(cbOperacao->currentText()));
    pnlFiltro->hide();
}

void TFrmLog::btnFecharFiltroClick() { pnlFiltro->hide(); }

void TFrmLog::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    imgCabecalho->setPixmap(imagemPadrao());
    AcaoAtual(QStringLiteral("Log de Registro"));
}

bool TFrmLog::event(QEvent *e)
{
    // Only the presence report: a failure must not raise a box whose closing
    // would activate the screen again.
    if (e->type() == QEvent::WindowActivate && isVisible()) {
        try {
            AcaoAtual(QStringLiteral("Log de Registro"));
        } catch (const ErroBanco &erro) {
            qWarning("Tela atual não registrada: %s", qPrintable(erro.texto()));
        }
    }
    return QDialog::event(e);
}

bool TFrmLog::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
        ColorirControle(static_cast<QWidget *>(o), e->type() == QEvent::FocusIn);
    } else if (e->type() == QEvent::KeyRelease) {
        const int tecla = static_cast<QKeyEvent *>(e)->key();
        if (o == cbLogin && tecla == Qt::Key_Down && rbUsuario->isChecked()) {
            rbData->setChecked(true);
            rbDataClick();
        } else if (o == dtpData && tecla == Qt::Key_Up && rbData->isChecked()) {
            rbUsuario->setChecked(true);
            rbUsuarioClick();
        }
    }
    return QDialog::eventFilter(o, e);
}
