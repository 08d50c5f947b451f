#include "rooms/UnitCadReservas.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Sessao.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

TFrmCadReservas *FrmCadReservas = nullptr;

namespace {

const QTime kMeioDia(12, 0, 0);

QString dataTexto(const QDate &d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }
QString horaTexto(const QTime &t) { return t.toString(QStringLiteral("HH:mm:ss")); }

} // namespace

namespace CadReservas {

QString textoLog(const QString &codigo, const QDate &entrada, const QTime &horaEntrada, const QDate &saida,
                 const QTime &horaSaida, const QString &cliente, const QString &uh, const QString &pessoas,
                 const QString &obs)
{
    return QStringList{QStringLiteral("CÓDIGO: ") + codigo,
                       QStringLiteral("DATA CHEGADA: ") + dataTexto(entrada),
                       QStringLiteral("HORA CHEGADA: ") + horaTexto(horaEntrada),
                       QStringLiteral("DATA SAíDA: ") + dataTexto(saida),
                       QStringLiteral("HORA SAÍDA: ") + horaTexto(horaSaida),
                       QStringLiteral("CLIENTE: ") + cliente,
                       QStringLiteral("UH: ") + uh,
                       QStringLiteral("NUM. PESSOAS: ") + pessoas,
                       QStringLiteral("OBS.: ") + obs}
        .join(QLatin1Char('\r'));
}

} // namespace CadReservas

TFrmCadReservas::TFrmCadReservas(ListaReservas *lista, const QString &periodo1, const QString &periodo2,
                                 const QString &uh, QWidget *parent)
    : QDialog(parent), Periodo1(periodo1), Periodo2(periodo2), UH(uh), m_lista(lista)
{
    resize(620, 420);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    auto *linhaCodigo = new QHBoxLayout;
    linhaCodigo->addWidget(new QLabel(QStringLiteral("Código:"), this));
    lblCodigo = new QLabel(this);
    lblCodigo->setStyleSheet(QStringLiteral("QLabel { font: bold 12pt; color: #800000; }"));
    linhaCodigo->addWidget(lblCodigo);
    linhaCodigo->addStretch();
    layout->addLayout(linhaCodigo);

    pnlDados = new QWidget(this);
    auto *g = new QGridLayout(pnlDados);
    g->setContentsMargins(0, 0, 0, 0);
    dtEntrada = new QDateEdit(pnlDados);
    dtSaida = new QDateEdit(pnlDados);
    for (QDateEdit *d : {dtEntrada, dtSaida}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    }
    hrEntrada = new QTimeEdit(pnlDados);
    hrSaida = new QTimeEdit(pnlDados);
    for (QTimeEdit *t : {hrEntrada, hrSaida})
        t->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    cbCliente = new QComboBox(pnlDados);
    cbUH = new QComboBox(pnlDados);
    for (QComboBox *c : {cbCliente, cbUH}) {
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
    }
    edtPessoas = new QLineEdit(pnlDados);
    edtPessoas->setMaxLength(4);
    edtPessoas->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edtPessoas));
    edtObs = new QLineEdit(pnlDados);
    emMaiusculas(edtObs, 250);

    g->addWidget(new QLabel(QStringLiteral("Data Chegada:"), pnlDados), 0, 0);
    g->addWidget(dtEntrada, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Hora Chegada:"), pnlDados), 0, 2);
    g->addWidget(hrEntrada, 0, 3);
    g->addWidget(new QLabel(QStringLiteral("Data Saída:"), pnlDados), 1, 0);
    g->addWidget(dtSaida, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Hora Saída:"), pnlDados), 1, 2);
    g->addWidget(hrSaida, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Cliente:"), pnlDados), 2, 0);
    g->addWidget(cbCliente, 2, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("UH:"), pnlDados), 3, 0);
    g->addWidget(cbUH, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("Qtd. Pessoas:"), pnlDados), 3, 2);
    g->addWidget(edtPessoas, 3, 3);
    g->addWidget(new QLabel(QStringLiteral("Observação:"), pnlDados), 4, 0);
    g->addWidget(edtObs, 4, 1, 1, 3);
    g->setColumnStretch(1, 1);
    layout->addWidget(pnlDados);
    layout->addStretch();

    auto *botoes = new QHBoxLayout;
    btnConfirmar = new QPushButton(QStringLiteral("Confirmar"), this);
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    btnClientes = new QPushButton(QStringLiteral("Clientes"), this);
    btnTiposUH = new QPushButton(QStringLiteral("Tipos de UH"), this);
    btnHistorico = new QPushButton(QStringLiteral("Histórico do Cliente"), this);
    for (QPushButton *b : {btnConfirmar, btnCancelar, btnClientes, btnTiposUH, btnHistorico}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    btnClientes->setEnabled(bool(CadReservas::abrirClientes));
    btnTiposUH->setEnabled(bool(CadReservas::abrirTiposUH));
    btnHistorico->setEnabled(bool(CadReservas::abrirHistorico));
    layout->addLayout(botoes);

    menuAtalhos = instalarComportamentoEdicao(
        this, {[this] { btnConfirmarClick(); }, [this] { btnCancelarClick(); },
               QStringLiteral("|| Confirmar Reserva - (F10) ||"), QStringLiteral("|| Cancelar Reserva - (F12) ||")});
    auto *atalhoClientes = new QAction(QStringLiteral("|| Clientes - (Ctrl + T) ||"), this);
    atalhoClientes->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(atalhoClientes, &QAction::triggered, this, [this] {
        if (btnClientes->isEnabled())
            btnClientesClick();
    });
    if (menuAtalhos)
        menuAtalhos->addAction(atalhoClientes);
    else
        addAction(atalhoClientes);

    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadReservas::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadReservas::btnCancelarClick);
    connect(btnClientes, &QPushButton::clicked, this, &TFrmCadReservas::btnClientesClick);
    connect(btnTiposUH, &QPushButton::clicked, this, &TFrmCadReservas::btnTiposUHClick);
    connect(btnHistorico, &QPushButton::clicked, this, &TFrmCadReservas::btnHistoricoClick);
    // A new arrival proposes the same day as departure.
    connect(dtEntrada, &QDateEdit::dateChanged, dtSaida, &QDateEdit::setDate);

    lerClientes();
    lerUHs();

    m_modo = modoDeOP(m_lista ? m_lista->OP : QString());
    if (m_modo != ModoEdicao::Incluir && m_lista && !m_lista->lista->vazia()) {
        m_original = m_lista->lista->modelo()->registro(m_lista->lista->linhaAtual());
        m_id = m_original.value(QStringLiteral("ID_RESERVA")).toLongLong();
        // A reservation already turned into a stay can only be looked at.
        if (m_original.value(QStringLiteral("CONFIRMADA")).toString().trimmed() == QLatin1String("S"))
            m_modo = ModoEdicao::Ver;
    } else if (m_modo != ModoEdicao::Incluir) {
        m_modo = ModoEdicao::Ver;
    }

    if (m_modo == ModoEdicao::Incluir) {
        setWindowTitle(QStringLiteral("Nova Reserva"));
        limpar();
        if (!Periodo1.isEmpty()) {
            dtEntrada->setDate(QDate::fromString(Periodo1, QStringLiteral("dd/MM/yyyy")));
            dtSaida->setDate(QDate::fromString(Periodo2, QStringLiteral("dd/MM/yyyy")));
            escolherUH(UH.toLongLong());
            cbCliente->setFocus();
        }
    } else {
        setWindowTitle(m_modo == ModoEdicao::Alterar ? QStringLiteral("Alterar Reserva")
                                                     : QStringLiteral("Ver Reserva"));
        lblCodigo->setText(QString::number(m_id));
        {
            const QSignalBlocker b(dtEntrada);
            dtEntrada->setDate(m_original.value(QStringLiteral("DATA_ENTRADA")).toDate());
        }
        dtSaida->setDate(m_original.value(QStringLiteral("DATA_SAIDA")).toDate());
        hrEntrada->setTime(m_original.value(QStringLiteral("HORA_ENTRADA")).toTime());
        hrSaida->setTime(m_original.value(QStringLiteral("HORA_SAIDA")).toTime());
        escolherCliente(m_original.value(QStringLiteral("ID_CLIENTE")).toLongLong());
        escolherUH(m_original.value(QStringLiteral("ID_UH")).toLongLong());
        edtPessoas->setText(m_original.value(QStringLiteral("QTD_PESSOAS")).toString());
        edtObs->setText(m_original.value(QStringLiteral("OBS")).toString());
        dtEntrada->setFocus();
        if (m_modo == ModoEdicao::Ver) {
            pnlDados->setEnabled(false);
            btnConfirmar->setEnabled(false);
        }
    }
}

void TFrmCadReservas::lerClientes()
{
    const qint64 atual = cbCliente->currentData().toLongLong();
    const QSignalBlocker b(cbCliente);
    cbCliente->clear();
    cbCliente->addItem(QString(), 0);
    for (const Linha &l : DM->Conexao.lerTodas(
             QStringLiteral("SELECT ID_CLIENTE, CNPJ_CPF, NOME FROM CLIENTE WHERE EXCLUIDO = 'N' AND ID_CLIENTE <> 1 "
                            "ORDER BY NOME")))
        cbCliente->addItem(l.texto(QStringLiteral("NOME")) + QStringLiteral("  -  ") + l.texto(QStringLiteral("CNPJ_CPF")),
                           l.inteiro(QStringLiteral("ID_CLIENTE")));
    escolherCliente(atual);
}

void TFrmCadReservas::lerUHs()
{
    const qint64 atual = cbUH->currentData().toLongLong();
    const QSignalBlocker b(cbUH);
    cbUH->clear();
    cbUH->addItem(QString(), 0);
    for (const Linha &l : DM->Conexao.lerTodas(
             QStringLiteral("SELECT UH.ID_UH, UH.NUMERO, T.ABREV FROM UH LEFT JOIN TIPO_UH T ON T.ID_TIPO_UH = UH.ID_TIPO_UH "
                            "WHERE UH.EXCLUIDO = 'N' ORDER BY UH.NUMERO")))
        cbUH->addItem(l.texto(QStringLiteral("NUMERO")) + QStringLiteral("  -  ") + l.texto(QStringLiteral("ABREV")),
                      l.inteiro(QStringLiteral("ID_UH")));
    escolherUH(atual);
}

void TFrmCadReservas::escolherCliente(qint64 id)
{
    const int i = cbCliente->findData(id);
    cbCliente->setCurrentIndex(i < 0 ? 0 : i);
}

void TFrmCadReservas::escolherUH(qint64 id)
{
    const int i = cbUH->findData(id);
    cbUH->setCurrentIndex(i < 0 ? 0 : i);
}

void TFrmCadReservas::limpar()
{
    // The key is taken when the reservation is saved; the code shows it then.
    lblCodigo->setText(QStringLiteral("(novo)"));
    const QDate hoje = Relogio::hoje();
    {
        const QSignalBlocker b(dtEntrada);
        dtEntrada->setDate(hoje);
    }
    dtSaida->setDate(hoje);
    hrEntrada->setTime(kMeioDia);
    hrSaida->setTime(kMeioDia);
    escolherCliente(0);
    escolherUH(0);
    edtPessoas->clear();
    edtObs->clear();
    dtEntrada->setFocus();
}

Reservas::Dados TFrmCadReservas::dados() const
{
    Reservas::Dados d;
    d.id = m_modo == ModoEdicao::Incluir ? 0 : m_id;
    d.entrada = dtEntrada->date();
    d.horaEntrada = hrEntrada->time();
    d.saida = dtSaida->date();
    d.horaSaida = hrSaida->time();
    // A combo whose typed text matches no entry has no choice.
    d.cliente = cbCliente->currentIndex() > 0 && cbCliente->currentText() == cbCliente->itemText(cbCliente->currentIndex())
        ? cbCliente->currentData().toLongLong()
        : 0;
    d.uh = cbUH->currentIndex() > 0 && cbUH->currentText() == cbUH->itemText(cbUH->currentIndex())
        ? cbUH->currentData().toLongLong()
        : 0;
    d.pessoas = edtPessoas->text();
    d.obs = edtObs->text().remove(QLatin1Char('\''));
    return d;
}

void TFrmCadReservas::focar(Reservas::Campo campo)
{
    switch (campo) {
    case Reservas::Campo::Cliente: cbCliente->setFocus(); break;
    case Reservas::Campo::UH: cbUH->setFocus(); break;
    case Reservas::Campo::Pessoas: edtPessoas->setFocus(); break;
    case Reservas::Campo::Entrada: dtEntrada->setFocus(); break;
    case Reservas::Campo::Saida: dtSaida->setFocus(); break;
    case Reservas::Campo::Nenhum: break;
    }
}

void TFrmCadReservas::btnConfirmarClick()
{
    if (m_modo == ModoEdicao::Ver)
        return;
    // A second press while a save is running does nothing.
    if (!btnConfirmar->isEnabled())
        return;
    edtObs->setText(edtObs->text().remove(QLatin1Char('\'')));
    const Reservas::Dados d = dados();
    if (auto r = Reservas::validarEntradas(d, m_modo == ModoEdicao::Incluir, Relogio::hoje())) {
        Mensagem::aviso(r->mensagem);
        focar(r->foco);
        return;
    }
    btnConfirmar->setEnabled(false);
    struct Reativa {
        QPushButton *b;
        ~Reativa() { b->setEnabled(true); }
    } reativa{btnConfirmar};
    if (m_modo == ModoEdicao::Incluir)
        incluir(d);
    else
        alterar(d);
}

void TFrmCadReservas::incluir(const Reservas::Dados &d)
{
    const QDate hoje = Relogio::hoje();
    if (auto r = Reservas::verificarDisponibilidade(DM->Conexao, d, hoje)) {
        Mensagem::aviso(r->mensagem);
        focar(r->foco);
        return;
    }
    const Reservas::Lembrete lembrete = Reservas::lembreteCliente(DM->Conexao, d.cliente);
    if (!lembrete.texto.isEmpty())
        Mensagem::info(QStringLiteral("Lembrete Pessoal para ") + lembrete.nome + QStringLiteral("\n\n") + lembrete.texto);

    const QString log = CadReservas::textoLog(QStringLiteral("%1"), d.entrada, d.horaEntrada, d.saida, d.horaSaida,
                                              cbCliente->currentText(), cbUH->currentText(), d.pessoas,
                                              d.obs.toUpper());
    const Reservas::ResultadoGravacao r = Reservas::incluir(DM->Conexao, d, hoje, Sessao::atual().login, log);
    if (r.recusa) {
        Mensagem::aviso(r.recusa->mensagem);
        focar(r.recusa->foco);
        return;
    }
    lblCodigo->setText(QString::number(r.id));
    if (m_lista) {
        m_lista->lista->reabrir();
    }
    const bool outra = Mensagem::pergunta(QStringLiteral("Reserva Cadastrada com Sucesso! Deseja Cadastrar Outra?"));
    if (m_lista) {
        // The list may never have been shown (the room map's new reservation):
        // a failing refresh of its cards does not matter here.
        try {
            m_lista->mostrarPeriodo();
        } catch (const std::exception &) {
        }
    }
    if (outra) {
        lerUHs();
        limpar();
        return;
    }
    accept();
}

void TFrmCadReservas::alterar(const Reservas::Dados &d)
{
    const QDate hoje = Relogio::hoje();
    const QString antes = CadReservas::textoLog(
        QString::number(m_id), m_original.value(QStringLiteral("DATA_ENTRADA")).toDate(),
        m_original.value(QStringLiteral("HORA_ENTRADA")).toTime(), m_original.value(QStringLiteral("DATA_SAIDA")).toDate(),
        m_original.value(QStringLiteral("HORA_SAIDA")).toTime(), m_original.value(QStringLiteral("NOME")).toString(),
        m_original.value(QStringLiteral("NUMERO")).toString(), m_original.value(QStringLiteral("QTD_PESSOAS")).toString(),
        m_original.value(QStringLiteral("OBS")).toString());
    const QString depois = CadReservas::textoLog(QString::number(m_id), d.entrada, d.horaEntrada, d.saida, d.horaSaida,
                                                 cbCliente->currentText(), cbUH->currentText(), d.pessoas,
                                                 d.obs.toUpper());
    const Reservas::ResultadoGravacao r = Reservas::alterar(
        DM->Conexao, d, m_original.value(QStringLiteral("ID_UH")).toLongLong(), hoje, Sessao::atual().login, antes, depois);
    if (r.recusa) {
        Mensagem::aviso(r.recusa->mensagem);
        focar(r.recusa->foco);
        return;
    }
    Mensagem::info(QStringLiteral("Reserva Atualizada com Sucesso!"));
    if (m_lista)
        m_lista->mostrarPeriodo();
    accept();
}

void TFrmCadReservas::btnCancelarClick()
{
    if (m_lista)
        m_lista->OP.clear();
    reject();
}

void TFrmCadReservas::btnClientesClick()
{
    if (!CadReservas::abrirClientes)
        return;
    CadReservas::abrirClientes();
    lerClientes();
}

void TFrmCadReservas::btnTiposUHClick()
{
    if (CadReservas::abrirTiposUH)
        CadReservas::abrirTiposUH();
}

void TFrmCadReservas::btnHistoricoClick()
{
    const qint64 cliente = dados().cliente;
    if (cliente <= 0) {
        Mensagem::aviso(QStringLiteral("Selecione o Cliente!"));
        cbCliente->setFocus();
        return;
    }
    if (CadReservas::abrirHistorico)
        CadReservas::abrirHistorico(cliente);
}
