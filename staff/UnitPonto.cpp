#include "staff/UnitPonto.h"

#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "base/TelaEdicao.h"
#include "staff/Funcionarios.h"
#include "staff/UnitCadPonto.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TFrmPonto *FrmPonto = nullptr;

namespace {

const QList<ColunaGrade> &colunas()
{
    static const QList<ColunaGrade> c = {
        {QStringLiteral("ID_PONTO"), QStringLiteral("Código"), FormatoColuna::Texto, 60},
        {QStringLiteral("NOME"), QStringLiteral("Funcionário"), FormatoColuna::Texto, 240},
        {QStringLiteral("DATA_DEFINIDA"), QStringLiteral("Data Definida"), FormatoColuna::Data, 90},
        {QStringLiteral("HORA_DEFINIDA"), QStringLiteral("Hora Definida"), FormatoColuna::Hora, 90},
        {QStringLiteral("TP"), QStringLiteral("Entrada/Saída"), FormatoColuna::Texto, 90},
        {QStringLiteral("DATA"), QStringLiteral("Data Marcação"), FormatoColuna::Data, 95},
        {QStringLiteral("HORA"), QStringLiteral("Hora Marcação"), FormatoColuna::Hora, 95},
        {QStringLiteral("OBS"), QStringLiteral("Observações"), FormatoColuna::Texto, 260},
        {QStringLiteral("USUARIO"), QStringLiteral("Usuário"), FormatoColuna::Texto, 80},
        {QStringLiteral("ABONADO"), QStringLiteral("Abonado?"), FormatoColuna::Texto, 70},
    };
    return c;
}

QLabel *fechar(QWidget *pai, QObject *filtro)
{
    auto *l = new QLabel(QStringLiteral("x"), pai);
    l->setToolTip(QStringLiteral("Fechar"));
    l->setCursor(Qt::PointingHandCursor);
    l->installEventFilter(filtro);
    return l;
}

QDateEdit *seletorData(QWidget *pai, const char *nome)
{
    auto *d = new QDateEdit(Relogio::hoje(), pai);
    d->setObjectName(QString::fromLatin1(nome));
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    return d;
}

bool teclaEnter(const QKeyEvent *k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

} // namespace

TFrmPonto::TFrmPonto(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Zentro Vedez - Livro de Ponto"));
    resize(1150, 650);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    // ------------------------------------------------------------ the ribbon
    auto *fita = new QTabWidget(this);
    auto *aba = new QWidget(fita);
    auto *abaLayout = new QHBoxLayout(aba);
    abaLayout->setContentsMargins(4, 4, 4, 4);
    auto grupo = [&](const QString &titulo) {
        auto *g = new QGroupBox(titulo, aba);
        new QHBoxLayout(g);
        abaLayout->addWidget(g);
        return g;
    };
    auto botao = [](QGroupBox *g, const QString &texto, const QString &dica) {
        auto *b = new QToolButton(g);
        b->setText(texto);
        b->setToolTip(dica);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setMinimumHeight(34);
        g->layout()->addWidget(b);
        return b;
    };
    QGroupBox *marcacao = grupo(QStringLiteral("Marcação"));
    btnAutomatica = botao(marcacao, QStringLiteral("Automática"), QStringLiteral("Marcação Automática (F2)"));
    btnManual = botao(marcacao, QStringLiteral("Manual"), QStringLiteral("Marcação Manual (Insert)"));
    btnAbonar = botao(marcacao, QStringLiteral("Abonar"), QStringLiteral("Abonar Marcação"));
    btnLimpar = botao(marcacao, QStringLiteral("Limpar Marcação"), QStringLiteral("Limpar Marcação"));
    QGroupBox *utilitarios = grupo(QStringLiteral("Utilitários"));
    btnConsultaRapida = botao(utilitarios, QStringLiteral("Consulta Rápida"), QStringLiteral("Consulta Rápida"));
    abaLayout->addStretch();
    fita->addTab(aba, QStringLiteral("Operações"));
    fita->setMaximumHeight(fita->sizeHint().height());
    layout->addWidget(fita);
    for (auto [b, tecla] : {std::pair{btnAutomatica, QKeySequence(Qt::Key_F2)},
                            std::pair{btnManual, QKeySequence(Qt::Key_Insert)}}) {
        auto *a = new QAction(this);
        a->setShortcut(tecla);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, b, &QToolButton::click);
        addAction(a);
    }

    // ------------------------------------------------------------ quick search
    pnlFiltro = new QGroupBox(QStringLiteral("Consulta Rápida"), this);
    auto *lf = new QHBoxLayout(pnlFiltro);
    rbData = new QRadioButton(QStringLiteral("Data"), pnlFiltro);
    rbFuncionario = new QRadioButton(QStringLiteral("Funcionário"), pnlFiltro);
    auto *grupoFiltro = new QButtonGroup(pnlFiltro);
    grupoFiltro->addButton(rbData);
    grupoFiltro->addButton(rbFuncionario);
    rbData->setChecked(true);
    dtFiltro = seletorData(pnlFiltro, "dtFiltro");
    dtFiltro->installEventFilter(this);
    cbFuncionario = new QComboBox(pnlFiltro);
    cbFuncionario->setObjectName(QStringLiteral("cbFuncionario"));
    cbFuncionario->setMinimumWidth(320);
    cbFuncionario->installEventFilter(this);
    btnFiltrar = new QToolButton(pnlFiltro);
    btnFiltrar->setText(QStringLiteral("Filtrar"));
    lblFecharFiltro = fechar(pnlFiltro, this);
    lf->addWidget(rbData);
    lf->addWidget(rbFuncionario);
    lf->addWidget(dtFiltro);
    lf->addWidget(cbFuncionario);
    lf->addWidget(btnFiltrar);
    lf->addStretch();
    lf->addWidget(lblFecharFiltro);
    pnlFiltro->hide();
    layout->addWidget(pnlFiltro);

    // ------------------------------------------------------------ legend
    auto *legendas = new QHBoxLayout;
    lblOk = legendaCor(QStringLiteral("Ok"), Ponto::kCorOk, this);
    lblAtraso = legendaCor(QStringLiteral("Atraso ou Saída Ant."), Ponto::kCorAtraso, this);
    lblFalta = legendaCor(QStringLiteral("Falta"), Ponto::kCorFalta, this);
    lblExtra = legendaCor(QStringLiteral("Hora Extra"), Ponto::kCorExtra, this);
    lblAbonado = legendaCor(QStringLiteral("Abonado"), Ponto::kCorAbonado, this);
    for (QLabel *l : {lblOk, lblAtraso, lblFalta, lblExtra, lblAbonado})
        legendas->addWidget(l);
    legendas->addStretch();
    layout->addLayout(legendas);

    // ------------------------------------------------------------ the grid
    lista = new TelaLista(this);
    dbgPonto = lista->grade();
    dbgPonto->setObjectName(QStringLiteral("dbgPonto"));
    lista->definirColunas(colunas());
    lista->definirChave(QStringLiteral("ID_PONTO"));
    lista->definirAcaoAtual(QStringLiteral("Livro de Ponto"));
    for (int i = 0; i < colunas().size(); ++i)
        dbgPonto->setColumnWidth(i, colunas()[i].largura);
    // The status is worked out from the row the list read, never by another statement.
    dbgPonto->setItemDelegate(
        new DelegateCorLinha([this](int linha) { return Ponto::corStatus(statusDaLinha(linha)); }, dbgPonto));
    dbgPonto->installEventFilter(this);
    layout->addWidget(dbgPonto, 1);

    // ------------------------------------------------------------ the excuse panel
    pnlAbono = new QGroupBox(QStringLiteral("Abonar Marcação"), this);
    auto *la = new QGridLayout(pnlAbono);
    lblAbonoFuncionario = new QLabel(pnlAbono);
    lblAbonoDataDefinida = new QLabel(pnlAbono);
    lblAbonoDataMarcacao = new QLabel(pnlAbono);
    lblAbonoObs = new QLabel(pnlAbono);
    rbFerias = new QRadioButton(QStringLiteral("Férias"), pnlAbono);
    rbFolga = new QRadioButton(QStringLiteral("Folga"), pnlAbono);
    rbEsqueceu = new QRadioButton(QStringLiteral("Esqueceu de Marcar"), pnlAbono);
    auto *grupoMotivo = new QButtonGroup(pnlAbono);
    for (QRadioButton *r : {rbFerias, rbFolga, rbEsqueceu})
        grupoMotivo->addButton(r);
    edtJustificativa = new QLineEdit(pnlAbono);
    edtJustificativa->setObjectName(QStringLiteral("edtJustificativa"));
    emMaiusculas(edtJustificativa, 250);
    edtJustificativa->installEventFilter(this);
    rbApenasSelecionada = new QRadioButton(QStringLiteral("Apenas Selecionada"), pnlAbono);
    rbPorPeriodo = new QRadioButton(QStringLiteral("Por Período"), pnlAbono);
    auto *grupoAlcance = new QButtonGroup(pnlAbono);
    grupoAlcance->addButton(rbApenasSelecionada);
    grupoAlcance->addButton(rbPorPeriodo);
    dtAbonoDe = seletorData(pnlAbono, "dtAbonoDe");
    dtAbonoAte = seletorData(pnlAbono, "dtAbonoAte");
    btnConfirmarAbono = new QToolButton(pnlAbono);
    btnConfirmarAbono->setText(QStringLiteral("Confirmar Abono"));
    lblFecharAbono = fechar(pnlAbono, this);
    int r = 0;
    la->addWidget(new QLabel(QStringLiteral("Funcionário:"), pnlAbono), r, 0);
    la->addWidget(lblAbonoFuncionario, r, 1, 1, 3);
    la->addWidget(lblFecharAbono, r, 5, Qt::AlignRight);
    ++r;
    la->addWidget(new QLabel(QStringLiteral("Data Definida:"), pnlAbono), r, 0);
    la->addWidget(lblAbonoDataDefinida, r, 1);
    la->addWidget(new QLabel(QStringLiteral("Data Marcação:"), pnlAbono), r, 2);
    la->addWidget(lblAbonoDataMarcacao, r, 3);
    ++r;
    la->addWidget(new QLabel(QStringLiteral("Observação:"), pnlAbono), r, 0);
    la->addWidget(lblAbonoObs, r, 1, 1, 5);
    ++r;
    la->addWidget(rbFerias, r, 1);
    la->addWidget(rbFolga, r, 2);
    la->addWidget(rbEsqueceu, r, 3);
    ++r;
    la->addWidget(new QLabel(QStringLiteral("Justificativa:"), pnlAbono), r, 0);
    la->addWidget(edtJustificativa, r, 1, 1, 5);
    ++r;
    la->addWidget(rbApenasSelecionada, r, 0);
    la->addWidget(rbPorPeriodo, r, 1);
    la->addWidget(new QLabel(QStringLiteral("Período:     De:"), pnlAbono), r, 2, Qt::AlignRight);
    auto *periodo = new QHBoxLayout;
    periodo->addWidget(dtAbonoDe);
    periodo->addWidget(new QLabel(QStringLiteral("Até:"), pnlAbono));
    periodo->addWidget(dtAbonoAte);
    la->addLayout(periodo, r, 3);
    la->addWidget(btnConfirmarAbono, r, 5);
    pnlAbono->hide();
    layout->addWidget(pnlAbono);

    connect(btnAutomatica, &QToolButton::clicked, this, &TFrmPonto::btnAutomaticaClick);
    connect(btnManual, &QToolButton::clicked, this, &TFrmPonto::btnManualClick);
    connect(btnAbonar, &QToolButton::clicked, this, &TFrmPonto::btnAbonarClick);
    connect(btnLimpar, &QToolButton::clicked, this, &TFrmPonto::btnLimparClick);
    connect(btnConsultaRapida, &QToolButton::clicked, this, &TFrmPonto::btnConsultaRapidaClick);
    connect(btnFiltrar, &QToolButton::clicked, this, &TFrmPonto::btnFiltrarClick);
    connect(rbData, &QRadioButton::clicked, this, &TFrmPonto::rbDataClick);
    connect(rbFuncionario, &QRadioButton::clicked, this, &TFrmPonto::rbFuncionarioClick);
    connect(rbApenasSelecionada, &QRadioButton::clicked, this, &TFrmPonto::rbPeriodoClick);
    connect(rbPorPeriodo, &QRadioButton::clicked, this, &TFrmPonto::rbPeriodoClick);
    for (QRadioButton *b : {rbFerias, rbFolga, rbEsqueceu})
        connect(b, &QRadioButton::clicked, this, &TFrmPonto::escolhaJustificativa);
    connect(btnConfirmarAbono, &QToolButton::clicked, this, &TFrmPonto::btnConfirmarAbonoClick);
    connect(lista, &TelaLista::ativada, this, &TFrmPonto::dbgPontoDblClick);

    // The book opens on today's rows.
    MarcacaoAutomatica = false;
    m_tolerancias = Ponto::tolerancias();
    listarDia(Relogio::hoje());
}

void TFrmPonto::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    reabrir();
    dbgPonto->setFocus();
}

QString TFrmPonto::statusDaLinha(int linha) const
{
    if (linha < 0 || linha >= tPonto()->total())
        return {};
    return Ponto::status(Ponto::Marcacao::de(tPonto()->registro(linha)), m_tolerancias);
}

QVariantMap TFrmPonto::linhaAtual() const
{
    if (lista->vazia())
        return {};
    return tPonto()->registro(lista->linhaAtual());
}

void TFrmPonto::listarDia(const QDate &dia)
{
    const Ponto::Consulta c = Ponto::consultaDia(dia);
    lista->definirConsulta(c.sql, c.valores);
}

void TFrmPonto::listarFuncionario(qint64 funcionario)
{
    const Ponto::Consulta c = Ponto::consultaFuncionario(funcionario);
    lista->definirConsulta(c.sql, c.valores);
}

void TFrmPonto::reabrir()
{
    m_tolerancias = Ponto::tolerancias();
    lista->reabrir();
    dbgPonto->viewport()->update();
}

void TFrmPonto::abrirMarcacao() { Telas::abrir<TFrmCadPonto>(FrmCadPonto, this, this); }

void TFrmPonto::btnAutomaticaClick()
{
    MarcacaoAutomatica = true;
    OP = QStringLiteral("AUTO");
    abrirMarcacao();
}

void TFrmPonto::btnManualClick()
{
    if (lista->vazia())
        return;
    if (OP != QLatin1String("V"))
        OP = QStringLiteral("A");
    abrirMarcacao();
}

void TFrmPonto::dbgPontoDblClick()
{
    if (lista->vazia())
        return;
    OP = QStringLiteral("V");
    abrirMarcacao();
}

bool TFrmPonto::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonRelease && (o == lblFecharFiltro || o == lblFecharAbono)) {
        if (o == lblFecharFiltro)
            pnlFiltro->hide();
        else
            esconderAbono();
        return true;
    }
    if (e->type() != QEvent::KeyPress)
        return QDialog::eventFilter(o, e);
    auto *k = static_cast<QKeyEvent *>(e);
    if (o == dbgPonto) {
        // Any character typed in the grid starts a manual punch.
        const QString t = k->text();
        if (!t.isEmpty() && t.at(0).isPrint() && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            MarcacaoAutomatica = false;
            OP = QStringLiteral("I");
            abrirMarcacao();
            return true;
        }
    } else if (o == dtFiltro || o == cbFuncionario) {
        // In the employee list the keys act only while it shows an employee.
        if (o == cbFuncionario && cbFuncionario->currentData().toLongLong() <= 0)
            return QDialog::eventFilter(o, e);
        if (teclaEnter(k)) {
            btnFiltrarClick();
            return true;
        }
        if (k->key() == Qt::Key_Escape) {
            pnlFiltro->hide();
            return true;
        }
    } else if (o == edtJustificativa) {
        if (teclaEnter(k)) {
            btnConfirmarAbonoClick();
            return true;
        }
        if (k->key() == Qt::Key_Escape) {
            esconderAbono();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

// ------------------------------------------------------------------ quick search

void TFrmPonto::btnConsultaRapidaClick()
{
    pnlFiltro->show();
    rbFuncionario->setChecked(true);
    rbFuncionarioClick();
}

void TFrmPonto::rbFuncionarioClick()
{
    dtFiltro->hide();
    cbFuncionario->clear();
    cbFuncionario->addItem(QString(), 0);
    for (const Linha &f : DM->Conexao.lerTodas(QStringLiteral("SELECT ID_FUNCIONARIO, NOME FROM FUNCIONARIO WHERE ")
                                               + Funcionarios::kCondicaoVivos + QStringLiteral(" ORDER BY NOME")))
        cbFuncionario->addItem(f.texto(QStringLiteral("NOME")), f.inteiro(QStringLiteral("ID_FUNCIONARIO")));
    cbFuncionario->setCurrentIndex(0);
    cbFuncionario->show();
    cbFuncionario->setFocus();
}

void TFrmPonto::rbDataClick()
{
    cbFuncionario->hide();
    dtFiltro->setDate(Relogio::hoje());
    dtFiltro->show();
    if (pnlFiltro->isVisible())
        dtFiltro->setFocus();
}

void TFrmPonto::btnFiltrarClick()
{
    if (rbFuncionario->isChecked()) {
        const qint64 f = cbFuncionario->currentData().toLongLong();
        if (f <= 0)
            return;
        listarFuncionario(f);
    } else {
        listarDia(dtFiltro->date());
    }
    reabrir();
    pnlFiltro->hide();
    dbgPonto->setFocus();
}

// ------------------------------------------------------------------ excusing

void TFrmPonto::btnAbonarClick()
{
    if (lista->vazia())
        return;
    if (!Ponto::podeAbonar(statusDaLinha(lista->linhaAtual()))) {
        Mensagem::erro(Ponto::kMsgNaoPodeAbonar);
        return;
    }
    const Ponto::Marcacao m = Ponto::Marcacao::de(linhaAtual());
    const QString d = QStringLiteral("dd/MM/yyyy"), h = QStringLiteral("HH:mm:ss");
    lblAbonoFuncionario->setText(lista->texto(QStringLiteral("NOME")));
    lblAbonoDataDefinida->setText(m.dataDefinida.toString(d) + QStringLiteral("  ") + m.horaDefinida.toString(h));
    lblAbonoDataMarcacao->setText(m.data.toString(d) + QStringLiteral("  ") + m.hora.toString(h));
    lblAbonoObs->setText(m.obs);
    for (QRadioButton *b : {rbFerias, rbFolga, rbEsqueceu}) {
        // a radio of an exclusive group unticks only with the group off
        b->group()->setExclusive(false);
        b->setChecked(false);
        b->group()->setExclusive(true);
    }
    edtJustificativa->clear();
    rbApenasSelecionada->setChecked(true);
    dtAbonoDe->setDate(Relogio::hoje());
    dtAbonoAte->setDate(Relogio::hoje());
    dtAbonoDe->setEnabled(false);
    dtAbonoAte->setEnabled(false);
    pnlAbono->show();
    edtJustificativa->setFocus();
}

void TFrmPonto::escolhaJustificativa()
{
    if (auto *b = qobject_cast<QRadioButton *>(sender()))
        edtJustificativa->setText(b->text().toUpper()); // the field holds capitals
    edtJustificativa->setFocus();
}

void TFrmPonto::rbPeriodoClick()
{
    const bool periodo = rbPorPeriodo->isChecked();
    if (!periodo) {
        dtAbonoDe->setDate(Relogio::hoje());
        dtAbonoAte->setDate(Relogio::hoje());
    }
    dtAbonoDe->setEnabled(periodo);
    dtAbonoAte->setEnabled(periodo);
    if (periodo)
        dtAbonoDe->setFocus();
    else
        edtJustificativa->setFocus();
}

void TFrmPonto::btnConfirmarAbonoClick()
{
    if (!pnlAbono->isVisible() || lista->vazia())
        return;
    Ponto::PedidoAbono p;
    p.chave = lista->inteiro(QStringLiteral("ID_PONTO"));
    p.porPeriodo = rbPorPeriodo->isChecked();
    p.de = dtAbonoDe->date();
    p.ate = dtAbonoAte->date();
    p.justificativa = edtJustificativa->text();
    switch (Ponto::abonar(DM->Conexao, p, Ponto::tolerancias())) {
    case Ponto::ResultadoAbono::PeriodoInvalido:
        Mensagem::info(Ponto::kMsgPeriodoInvalido);
        dtAbonoAte->setFocus();
        return;
    case Ponto::ResultadoAbono::NaoPode:
        // changed on another workstation since the list was read
        Mensagem::erro(Ponto::kMsgNaoPodeAbonar);
        break;
    case Ponto::ResultadoAbono::Feito:
        Mensagem::info(Ponto::kMsgAbonoFeito);
        break;
    }
    reabrir();
    esconderAbono();
}

void TFrmPonto::esconderAbono()
{
    pnlAbono->hide();
    dbgPonto->setFocus();
}

// ------------------------------------------------------------------ clearing

void TFrmPonto::btnLimparClick()
{
    if (lista->vazia())
        return;
    const Ponto::Marcacao m = Ponto::Marcacao::de(linhaAtual());
    if (!m.data.isValid()) {
        Mensagem::erro(Ponto::kMsgNaoPodeLimpar);
        return;
    }
    const QString pergunta =
        QStringLiteral("(Aviso: A próxima marcação desse funcionário será registrada nesse código!)\n"
                       "Deseja realmente limpar esta marcação?\n     Código: ")
        + QString::number(m.id) + QStringLiteral("\n     ") + lista->texto(QStringLiteral("NOME"))
        + QStringLiteral("\n     ") + Ponto::tipoPorExtenso(m.tipo) + QStringLiteral(" - ")
        + m.data.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ') + m.hora.toString(QStringLiteral("HH:mm:ss"));
    if (!Mensagem::perguntaAviso(pergunta, {}, Mensagem::Nao))
        return;
    if (Ponto::limparMarcacao(DM->Conexao, m.id))
        Mensagem::info(Ponto::kMsgLimpezaFeita);
    else
        Mensagem::erro(Ponto::kMsgNaoPodeLimpar);
    reabrir();
}

void abrirLivroPonto(QWidget *parent) { Telas::abrir<TFrmPonto>(FrmPonto, parent); }
