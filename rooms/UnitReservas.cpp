#include "rooms/UnitReservas.h"
#include "rooms/UnitRelReservas.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "base/Janela.h"
#include "core/UnitSMS.h"
#include "rooms/UnitCadReservas.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QVBoxLayout>

TFrmReservas *FrmReservas = nullptr;

namespace {

const QString kDisponiveis = QStringLiteral(
    "Disponíveis para o período (Clique duas vezes para reservar a UH Selecionada no período Filtrado) "
    "(UH Ocupadas Hoje não são mostradas)");

} // namespace

TFrmReservas::TFrmReservas(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Reservas"));
    resize(1000, 640);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);

    auto *periodo = new QHBoxLayout;
    periodo->addWidget(new QLabel(QStringLiteral("Período: Início em"), this));
    dtInicio = new QDateEdit(this);
    dtFim = new QDateEdit(this);
    for (QDateEdit *d : {dtInicio, dtFim}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->installEventFilter(this);
    }
    periodo->addWidget(dtInicio);
    periodo->addWidget(new QLabel(QStringLiteral("com Término em"), this));
    periodo->addWidget(dtFim);
    btnMostrarPeriodo = new QPushButton(QStringLiteral("Mostrar Período"), this);
    btnMostrarPeriodo->setAutoDefault(false);
    periodo->addWidget(btnMostrarPeriodo);
    periodo->addSpacing(20);
    periodo->addWidget(new QLabel(QStringLiteral("   Ordernar por:   "), this));
    cbOrdem = new QComboBox(this);
    cbOrdem->addItems({QStringLiteral("Código"), QStringLiteral("Número UH")});
    periodo->addWidget(cbOrdem);
    periodo->addStretch();
    layout->addLayout(periodo);

    pnlBusca = new QGroupBox(QStringLiteral("Filtros:"), this);
    auto *busca = new QHBoxLayout(pnlBusca);
    rbCodigo = new QRadioButton(QStringLiteral("Código"), pnlBusca);
    rbCliente = new QRadioButton(QStringLiteral("Cliente (Código)"), pnlBusca);
    rbUH = new QRadioButton(QStringLiteral("UH"), pnlBusca);
    edtBusca = new QLineEdit(pnlBusca);
    edtBusca->setMaxLength(90);
    edtBusca->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edtBusca));
    edtBusca->installEventFilter(this);
    btnBuscar = new QPushButton(QStringLiteral("Buscar"), pnlBusca);
    btnBuscar->setAutoDefault(false);
    lblFecharBusca = new QLabel(QStringLiteral("x"), pnlBusca);
    lblFecharBusca->setToolTip(QStringLiteral("Fechar Consulta"));
    lblFecharBusca->setCursor(Qt::PointingHandCursor);
    lblFecharBusca->installEventFilter(this);
    for (QWidget *w : {static_cast<QWidget *>(rbCodigo), static_cast<QWidget *>(rbCliente),
                       static_cast<QWidget *>(rbUH), static_cast<QWidget *>(edtBusca),
                       static_cast<QWidget *>(btnBuscar), static_cast<QWidget *>(lblFecharBusca)})
        busca->addWidget(w);
    layout->addWidget(pnlBusca);
    pnlBusca->hide();

    auto *meio = new QHBoxLayout;
    QTableView *grade = lista->grade();
    grade->setObjectName(QStringLiteral("dbgReservas"));
    grade->installEventFilter(this);
    lista->definirColunas({
        {QStringLiteral("ID_RESERVA"), QStringLiteral("Código"), FormatoColuna::Texto, 60},
        {QStringLiteral("NOME"), QStringLiteral("Cliente"), FormatoColuna::Texto, 200},
        {QStringLiteral("NUMERO"), QStringLiteral("UH"), FormatoColuna::Texto, 50},
        {QStringLiteral("ABREV"), QStringLiteral("Tipo UH"), FormatoColuna::Texto, 60},
        {QStringLiteral("DATA_ENTRADA"), QStringLiteral("Data Chegada"), FormatoColuna::Data, 100},
        {QStringLiteral("HORA_ENTRADA"), QStringLiteral("Hora Chegada"), FormatoColuna::Hora, 95},
        {QStringLiteral("DATA_SAIDA"), QStringLiteral("Data Saída"), FormatoColuna::Data, 90},
        {QStringLiteral("HORA_SAIDA"), QStringLiteral("Hora Saída"), FormatoColuna::Hora, 80},
        {QStringLiteral("QTD_PESSOAS"), QStringLiteral("Qtd. Pessoas"), FormatoColuna::Texto, 90},
        {QStringLiteral("CONF_SMS"), QStringLiteral("Confirmação via SMS"), FormatoColuna::DataHora, 130},
        {QStringLiteral("PARA_CONF_SMS"), QStringLiteral("SMS para"), FormatoColuna::Texto, 110},
        {QStringLiteral("RETORNO_CONF_SMS"), QStringLiteral("Retorno SMS"), FormatoColuna::Texto, 120},
        {QStringLiteral("USUARIO"), QStringLiteral("Usuário"), FormatoColuna::Texto, 80},
        {QStringLiteral("OBS"), QStringLiteral("Observação"), FormatoColuna::Texto, 200},
    });
    lista->definirChave(QStringLiteral("ID_RESERVA"));
    lista->definirAcaoAtual(QStringLiteral("Reservas"));
    meio->addWidget(grade, 3);

    auto *cartoes = new QVBoxLayout;
    lblDisponiveis = new QLabel(kDisponiveis, this);
    lblDisponiveis->setWordWrap(true);
    lblDisponiveis->setMaximumWidth(260);
    cartoes->addWidget(lblDisponiveis);
    lstUH = new QListWidget(this);
    lstUH->setObjectName(QStringLiteral("lstUH"));
    lstUH->setViewMode(QListView::IconMode);
    lstUH->setResizeMode(QListView::Adjust);
    lstUH->setMovement(QListView::Static);
    lstUH->setGridSize(QSize(76, 56));
    lstUH->setSpacing(4);
    lstUH->setMaximumWidth(260);
    cartoes->addWidget(lstUH, 1);
    meio->addLayout(cartoes, 1);
    layout->addLayout(meio, 1);

    auto *rodape = new QHBoxLayout;
    btnNova = new QPushButton(QStringLiteral("Nova Reserva"), this);
    btnAlterar = new QPushButton(QStringLiteral("Alterar Reserva"), this);
    btnExcluir = new QPushButton(QStringLiteral("Excluir Reserva"), this);
    btnFiltros = new QPushButton(QStringLiteral("Filtros"), this);
    btnSMS = new QPushButton(QStringLiteral("Enviar Confirmação via SMS"), this);
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnNova, btnAlterar, btnExcluir, btnFiltros, btnSMS, btnImprimir, btnSair}) {
        b->setAutoDefault(false);
        rodape->addWidget(b);
    }
    layout->addLayout(rodape);

    lista->criarAtalhos({
        {QStringLiteral("|| Nova Reserva  - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnNova},
        {QStringLiteral("|| Alterar Reserva - (Insert) ||"), QKeySequence(Qt::Key_Insert), {}, btnAlterar},
        {QStringLiteral("|| Excluir Reserva - (Delete) ||"), QKeySequence(Qt::Key_Delete), {}, btnExcluir},
        {QStringLiteral("|| Filtros - (F3) ||"), QKeySequence(Qt::Key_F3), {}, btnFiltros},
        {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
    });
    lista->definirBotoesPermissao(btnNova, btnAlterar, btnExcluir);

    connect(btnNova, &QPushButton::clicked, this, &TFrmReservas::btnNovaClick);
    connect(btnAlterar, &QPushButton::clicked, this, &TFrmReservas::btnAlterarClick);
    connect(btnExcluir, &QPushButton::clicked, this, &TFrmReservas::btnExcluirClick);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmReservas::btnFiltrosClick);
    connect(btnSMS, &QPushButton::clicked, this, &TFrmReservas::btnSMSClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmReservas::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmReservas::btnSairClick);
    connect(btnMostrarPeriodo, &QPushButton::clicked, this, &TFrmReservas::mostrarPeriodo);
    connect(btnBuscar, &QPushButton::clicked, this, &TFrmReservas::buscar);
    connect(cbOrdem, &QComboBox::currentIndexChanged, this, [this] { mostrarPeriodo(); });
    connect(lista, &TelaLista::ativada, this, &TFrmReservas::dbgReservasDblClick);
    connect(lstUH, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { reservarQuarto(lstUH->row(item)); });
    for (QRadioButton *r : {rbCodigo, rbCliente, rbUH})
        connect(r, &QRadioButton::toggled, this, [this](bool marcado) {
            if (marcado) {
                edtBusca->clear();
                edtBusca->setFocus();
            }
        });

    const QDate hoje = Relogio::hoje();
    dtInicio->setDate(hoje);
    dtFim->setDate(hoje);
    // Changing the start proposes the next day as the end; either change
    // empties the grid until the period view runs again.
    connect(dtInicio, &QDateEdit::dateChanged, this, [this](const QDate &d) {
        const QSignalBlocker b(dtFim);
        dtFim->setDate(d.addDays(1));
        fecharGrade();
    });
    connect(dtFim, &QDateEdit::dateChanged, this, [this] { fecharGrade(); });
    mostrarPeriodo();
}

TFrmReservas::~TFrmReservas() = default;

void TFrmReservas::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    AcaoAtual(QStringLiteral("Reservas"));
}

// Every way out ("Sair", Ctrl+X, Esc, the window's close) refreshes the alerts.
void TFrmReservas::done(int r)
{
    QDialog::done(r);
    Janela::atualizarAlertas(false);
}

void TFrmReservas::fecharGrade()
{
    lista->modelo()->fechar();
    lstUH->clear();
    m_livres.clear();
}

void TFrmReservas::mostrarPeriodo()
{
    const Reservas::Consulta c = Reservas::consultaPeriodo(
        dtInicio->date(), dtFim->date(),
        cbOrdem->currentIndex() == 1 ? Reservas::OrdemLista::NumeroUH : Reservas::OrdemLista::Codigo);
    lista->definirConsulta(c.sql, c.valores);
    lista->reabrir();
    m_livres = Reservas::quartosLivres(DM->Conexao, dtInicio->date(), dtFim->date(), Relogio::hoje());
    mostrarCartoes();
}

void TFrmReservas::mostrarCartoes()
{
    lstUH->clear();
    for (const Reservas::QuartoLivre &q : m_livres) {
        auto *item = new QListWidgetItem(QStringLiteral("UH ") + q.numero + QLatin1Char('\n') + q.abrev, lstUH);
        item->setTextAlignment(Qt::AlignCenter);
        item->setBackground(corBGR(0x009100));
        item->setForeground(Qt::white);
        item->setSizeHint(QSize(72, 50));
        item->setData(Qt::UserRole, q.id);
    }
}

void TFrmReservas::reservarQuarto(int indiceCartao)
{
    if (indiceCartao < 0 || indiceCartao >= m_livres.size())
        return;
    const Reservas::QuartoLivre &q = m_livres.at(indiceCartao);
    const QString inicio = dtInicio->date().toString(QStringLiteral("dd/MM/yyyy"));
    const QString fim = dtFim->date().toString(QStringLiteral("dd/MM/yyyy"));
    if (!Mensagem::pergunta(QStringLiteral("Deseja efetuar uma reserva na UH ") + q.numero
                            + QStringLiteral(" para o período de ") + inicio + QStringLiteral(" até ") + fim
                            + QStringLiteral("?")))
        return;
    OP = QStringLiteral("I");
    abrirFormulario(inicio, fim, QString::number(q.id));
}

void TFrmReservas::abrirFormulario(const QString &periodo1, const QString &periodo2, const QString &uh)
{
    Telas::abrir<TFrmCadReservas>(FrmCadReservas, this, periodo1, periodo2, uh, this);
}

void TFrmReservas::btnNovaClick()
{
    OP = QStringLiteral("I");
    abrirFormulario();
}

void TFrmReservas::btnAlterarClick()
{
    if (lista->vazia())
        return;
    if (OP != QLatin1String("V"))
        OP = QStringLiteral("A");
    abrirFormulario();
}

void TFrmReservas::dbgReservasDblClick()
{
    if (lista->vazia())
        return;
    OP = QStringLiteral("V");
    abrirFormulario();
}

void TFrmReservas::btnExcluirClick()
{
    if (lista->vazia())
        return;
    if (!TelaLista::confirmar(QStringLiteral("Deseja Realmente Excluir essa Reserva?")))
        return;
    const qint64 id = lista->inteiro(QStringLiteral("ID_RESERVA"));
    const QString nome = lista->texto(QStringLiteral("NOME"));
    lista->prepararExclusao();
    bool excluida = false;
    try {
        excluida = Reservas::excluir(DM->Conexao, id, nome, Relogio::hoje());
    } catch (...) {
        ReapontarGridEsquecer();
        throw;
    }
    lista->reabrir();
    if (!excluida) {
        Mensagem::aviso(Reservas::textoNaoPendente());
        return;
    }
    Mensagem::info(QStringLiteral("Reserva Excluída com Sucesso!"));
}

void TFrmReservas::btnFiltrosClick()
{
    pnlBusca->show();
    rbCodigo->setChecked(true);
    edtBusca->clear();
    edtBusca->setFocus();
}

void TFrmReservas::esconderBusca()
{
    pnlBusca->hide();
    lista->grade()->setFocus();
}

void TFrmReservas::buscar()
{
    const QString texto = edtBusca->text().trimmed();
    // An empty box brings the period view back.
    if (texto.isEmpty()) {
        esconderBusca();
        mostrarPeriodo();
        return;
    }
    const Reservas::Criterio criterio = rbCliente->isChecked() ? Reservas::Criterio::Cliente
        : rbUH->isChecked()                                    ? Reservas::Criterio::UH
                                                               : Reservas::Criterio::Codigo;
    const Reservas::Consulta c = Reservas::consultaBusca(criterio, texto);
    lista->definirConsulta(c.sql, c.valores);
    lista->reabrir();
    if (lista->vazia() && criterio == Reservas::Criterio::Codigo) {
        const qint64 id = c.valores.value(0).toLongLong();
        const Reservas::Consulta usada = Reservas::consultaCodigo(id);
        if (id > 0 && !DM->Conexao.ler(usada.sql, usada.valores).vazia()
            && Mensagem::pergunta(QStringLiteral("Uma Reserva com Esse Código já foi utilizada Deseja ver os dados?"))) {
            lista->definirConsulta(usada.sql, usada.valores);
            lista->reabrir();
        }
    }
    esconderBusca();
}

// The reservation report of this list's period.
void TFrmReservas::btnImprimirClick() { abrirRelReservas(this, dtInicio->date(), dtFim->date()); }

void TFrmReservas::btnSMSClick()
{
    Sms::Contexto c;
    // Without a reservation on the list the screen opens for a message of
    // the user's own.
    if (lista->vazia()) {
        Telas::abrir<TFrmEnvioSMS>(FrmEnvioSMS, c, this);
        return;
    }
    c.origem = Sms::Contexto::Origem::Reserva;
    c.idReserva = lista->inteiro(QStringLiteral("ID_RESERVA"));
    c.atualizarReservas = [this] { lista->reabrir(); };
    Telas::abrir<TFrmEnvioSMS>(FrmEnvioSMS, c, this);
}

void TFrmReservas::btnSairClick() { close(); }

bool TFrmReservas::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if ((o == dtInicio || o == dtFim) && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)) {
            mostrarPeriodo();
            return true;
        }
        if (o == edtBusca) {
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                buscar();
                return true;
            }
            if (k->key() == Qt::Key_Escape) {
                esconderBusca();
                return true;
            }
        }
        // A character typed into the grid starts a new reservation.
        if (o == lista->grade() && !k->text().isEmpty() && k->text().at(0).isPrint()
            && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && btnNova->isVisible()
            && btnNova->isEnabled()) {
            btnNova->click();
            return true;
        }
    }
    if (o == lblFecharBusca && e->type() == QEvent::MouseButtonRelease) {
        esconderBusca();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

namespace Reservas {

void efetuarReserva()
{
    TFrmReservas lista;
    FrmReservas = &lista;
    struct Limpa {
        ~Limpa() { FrmReservas = nullptr; }
    } limpa;
    lista.OP = QStringLiteral("I");
    Telas::abrir<TFrmCadReservas>(FrmCadReservas, &lista, QString(), QString(), QString(), nullptr);
}

} // namespace Reservas
