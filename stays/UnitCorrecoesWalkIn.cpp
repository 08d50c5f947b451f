#include "stays/UnitCorrecoesWalkIn.h"

#include "base/Icones.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"
#include "rooms/EstadoUH.h"
#include "stays/Estadias.h"
#include "stays/ContextoListaEstadias.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Correcoes;

namespace {

const char *const kRotulosMeios[7] = {"Dinheiro  ->  R$",           "Crédito - Visa  ->  R$",
                                      "Débito - Visa  ->  R$",      "Crédito - Mastercard  ->  R$",
                                      "Débito - Mastercard  ->  R$", "Crédito - Hipercard  ->  R$",
                                      "Pix / Chq ->  R$"};

bool movimentos() { return Sessao::atual().direitos.MOVIMENTOS; }

// A confirm button shown as a picture only.
QPushButton *botaoFigura(QWidget *pai)
{
    auto *b = new QPushButton(pai);
    b->setIcon(Icones::icone(QStringLiteral("dialog-ok-apply")));
    b->setIconSize(QSize(22, 22));
    b->setToolTip(QStringLiteral("Confirmar"));
    b->setFixedSize(40, 32);
    return b;
}

QPushButton *botaoFechar(QWidget *pai)
{
    auto *b = new QPushButton(QStringLiteral("x"), pai);
    b->setToolTip(QStringLiteral("Fechar Consulta"));
    b->setFixedWidth(26);
    return b;
}

QTableWidget *grade(QWidget *pai, const QStringList &titulos)
{
    auto *g = new QTableWidget(0, int(titulos.size()), pai);
    g->setHorizontalHeaderLabels(titulos);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

QTableWidgetItem *celula(const QString &t, Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *i = new QTableWidgetItem(t);
    i->setTextAlignment(a);
    return i;
}

} // namespace

CorrecoesWalkIn::CorrecoesWalkIn(ContextoListaEstadias *lista) : QObject(lista->tela()), m_lista(lista)
{
    montarUH();
    montarDiaria();
    montarHospedes();
    montarDiarias();
    montarFormaPag();
    montarCancelar();
    montarCliente();
}

QGroupBox *CorrecoesWalkIn::painel(const QString &titulo)
{
    auto *p = new QGroupBox(titulo, m_lista->tela());
    p->setAutoFillBackground(true);
    p->setStyleSheet(QStringLiteral("QGroupBox { background: #F0F4FF; border: 2px solid #000080; border-radius: 4px; "
                                    "margin-top: 14px; font-weight: bold; } "
                                    "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 4px; } "
                                    "QLabel, QLineEdit, QComboBox, QPushButton, QTableWidget, QDateEdit "
                                    "{ font-weight: normal; }"));
    p->hide();
    return p;
}

void CorrecoesWalkIn::mostrarPainel(QWidget *p, int dy)
{
    p->adjustSize();
    const QRect g = m_lista->grade()->geometry();
    QPoint c = g.center() - QPoint(p->width() / 2, p->height() / 2) + QPoint(0, dy);
    c.setX(std::max(0, std::min(c.x(), m_lista->tela()->width() - p->width())));
    c.setY(std::max(0, std::min(c.y(), m_lista->tela()->height() - p->height())));
    p->move(c);
    p->show();
    p->raise();
}

void CorrecoesWalkIn::travar(bool sair)
{
    m_lista->grade()->setEnabled(false);
    if (sair)
        m_lista->botaoSair()->setEnabled(false);
}

void CorrecoesWalkIn::liberar()
{
    m_lista->grade()->setEnabled(true);
    m_lista->botaoSair()->setEnabled(true);
}

bool CorrecoesWalkIn::lerEstadia()
{
    if (m_lista->vazia())
        return false;
    const auto e = Correcoes::ler(DM->Conexao, m_lista->idEntrada());
    if (!e)
        return false;
    m_estadia = *e;
    return true;
}

void CorrecoesWalkIn::recomecar(const Resultado &r)
{
    for (QWidget *p : {static_cast<QWidget *>(pnlUH), static_cast<QWidget *>(pnlMotivoUH),
                       static_cast<QWidget *>(pnlDiaria), static_cast<QWidget *>(pnlHospedes),
                       static_cast<QWidget *>(pnlNomeHospede), static_cast<QWidget *>(pnlDiarias),
                       static_cast<QWidget *>(pnlNovaNoite), static_cast<QWidget *>(pnlFormaPag),
                       static_cast<QWidget *>(pnlCancelar), static_cast<QWidget *>(pnlCliente)})
        p->hide();
    liberar();
    m_lista->reabrir();
    r.mostrar();
}

void CorrecoesWalkIn::acao(const QString &legenda)
{
    if (legenda == QStringLiteral("Alterar UH"))
        alterarUHClick();
    else if (legenda == QStringLiteral("Alterar Valor da Diária"))
        alterarDiariaClick();
    else if (legenda == QStringLiteral("Alterar Hóspedes"))
        alterarHospedesClick();
    else if (legenda == QStringLiteral("Alterar Diárias Cobradas"))
        diariasCobradasClick();
    else if (legenda == QStringLiteral("Alterar Forma de Pagamento"))
        formaPagClick();
    else if (legenda == QStringLiteral("Excluir Entrada"))
        excluirEntradaClick();
    else if (legenda == QStringLiteral("Emissão de NF"))
        emissaoNFClick();
    else if (legenda == QStringLiteral("Alterar Cliente Responsável"))
        clienteResponsavelClick();
}

// ---------------------------------------------------------------- money boxes

void CorrecoesWalkIn::dinheiroEntrando(QLineEdit *e)
{
    e->setText(TiraPontoTracoBarra(e->text()));
    if (e == edtNovoValor)
        ColorirEdit(e, true);
}

void CorrecoesWalkIn::dinheiroSaindo(QLineEdit *e)
{
    const QString t = e->text().trimmed();
    if (t.isEmpty())
        e->setText(QStringLiteral("0,00"));
    else if (const auto v = Dinheiro::deTexto(t))
        e->setText(v->formatado());
    if (e == edtNovoValor)
        ColorirEdit(e, false);
}

bool CorrecoesWalkIn::eventFilter(QObject *o, QEvent *ev)
{
    auto *edit = qobject_cast<QLineEdit *>(o);
    if (edit && m_dinheiro.contains(edit)) {
        if (ev->type() == QEvent::FocusIn)
            dinheiroEntrando(edit);
        else if (ev->type() == QEvent::FocusOut)
            dinheiroSaindo(edit);
    }
    if (ev->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(ev);
        const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (o == edtMotivoUH && enter) {
            btnConfirmarMotivoUHClick();
            return true;
        }
        if (o == edtMotivoUH && k->key() == Qt::Key_Escape) {
            btnCancelarMotivoUHClick();
            return true;
        }
        if (o == edtNomeHospede && enter) {
            if (!edtNomeHospede->text().trimmed().isEmpty())
                btnSalvarNomeClick();
            return true;
        }
        if (o == edtValorNovaNoite && enter) {
            dinheiroSaindo(edtValorNovaNoite);
            btnConfirmarNovaNoiteClick();
            return true;
        }
    }
    return QObject::eventFilter(o, ev);
}

// ---------------------------------------------------------------- room

void CorrecoesWalkIn::montarUH()
{
    pnlUH = painel(QStringLiteral("Alteração de UH"));
    auto *g = new QGridLayout(pnlUH);
    lblUHAtual = new QLabel(pnlUH);
    cbUH = new QComboBox(pnlUH);
    cbUH->setMinimumWidth(200);
    btnConfirmarUH = botaoFigura(pnlUH);
    btnFecharUH = botaoFechar(pnlUH);
    g->addWidget(new QLabel(QStringLiteral("UH Atual:"), pnlUH), 0, 0);
    g->addWidget(lblUHAtual, 0, 1);
    g->addWidget(btnFecharUH, 0, 3, Qt::AlignRight);
    g->addWidget(new QLabel(QStringLiteral("Nova UH:"), pnlUH), 1, 0);
    g->addWidget(cbUH, 1, 1);
    g->addWidget(btnConfirmarUH, 1, 2);
    connect(btnConfirmarUH, &QPushButton::clicked, this, &CorrecoesWalkIn::btnConfirmarUHClick);
    connect(btnFecharUH, &QPushButton::clicked, this, &CorrecoesWalkIn::btnFecharUHClick);

    pnlMotivoUH = painel(QStringLiteral("Informe o Motivo da Alteração"));
    auto *m = new QGridLayout(pnlMotivoUH);
    edtMotivoUH = new QLineEdit(pnlMotivoUH);
    emMaiusculas(edtMotivoUH, EstadoUH::kTamanhoMotivo);
    edtMotivoUH->setMinimumWidth(360);
    edtMotivoUH->installEventFilter(this);
    btnConfirmarMotivoUH = new QPushButton(QStringLiteral("Confirmar"), pnlMotivoUH);
    btnCancelarMotivoUH = new QPushButton(QStringLiteral("Cancelar"), pnlMotivoUH);
    m->addWidget(edtMotivoUH, 0, 0, 1, 2);
    m->addWidget(btnConfirmarMotivoUH, 1, 0);
    m->addWidget(btnCancelarMotivoUH, 1, 1);
    connect(btnConfirmarMotivoUH, &QPushButton::clicked, this, &CorrecoesWalkIn::btnConfirmarMotivoUHClick);
    connect(btnCancelarMotivoUH, &QPushButton::clicked, this, &CorrecoesWalkIn::btnCancelarMotivoUHClick);
}

void CorrecoesWalkIn::alterarUHClick()
{
    if (!lerEstadia())
        return;
    lblUHAtual->setText(m_estadia.numeroUH);
    cbUH->clear();
    cbUH->addItem(QString(), 0);
    for (const Linha &l : DM->Conexao.lerTodas(
             QStringLiteral("SELECT UH.ID_UH, UH.NUMERO, T.ABREV FROM UH JOIN TIPO_UH T ON T.ID_TIPO_UH = UH.ID_TIPO_UH "
                            "WHERE UH.EXCLUIDO = 'N' AND UH.SITUACAO = 'L' ORDER BY UH.NUMERO")))
        cbUH->addItem(l.texto(QStringLiteral("NUMERO")) + QStringLiteral(" / ") + l.texto(QStringLiteral("ABREV")),
                      l.inteiro(QStringLiteral("ID_UH")));
    cbUH->setCurrentIndex(0);
    mostrarPainel(pnlUH, -60);
    cbUH->setFocus();
    travar(true);
}

void CorrecoesWalkIn::btnConfirmarUHClick()
{
    if (cbUH->currentData().toLongLong() <= 0) {
        Mensagem::aviso(kMsgSelecioneUH);
        cbUH->setFocus();
        return;
    }
    edtMotivoUH->clear();
    mostrarPainel(pnlMotivoUH, 60);
    edtMotivoUH->setFocus();
}

void CorrecoesWalkIn::btnConfirmarMotivoUHClick()
{
    const Resultado r = alterarUH(DM->Conexao, m_estadia, cbUH->currentData().toLongLong(), cbUH->currentText(),
                                  edtMotivoUH->text());
    if (r.feito || r.mudou) {
        recomecar(r);
        return;
    }
    r.mostrar();
    if (r.foco == Foco::Motivo)
        edtMotivoUH->setFocus();
    else
        cbUH->setFocus();
}

void CorrecoesWalkIn::btnCancelarMotivoUHClick()
{
    pnlMotivoUH->hide();
    pnlUH->hide();
    liberar();
}

void CorrecoesWalkIn::btnFecharUHClick()
{
    pnlUH->hide();
    pnlMotivoUH->hide();
    liberar();
}

// ---------------------------------------------------------------- rate

void CorrecoesWalkIn::montarDiaria()
{
    pnlDiaria = painel(QStringLiteral("Alteração de Diária"));
    auto *g = new QGridLayout(pnlDiaria);
    lblUHDiaria = new QLabel(pnlDiaria);
    lblValorAtual = new QLabel(pnlDiaria);
    lblValorTabela = new QLabel(pnlDiaria);
    edtNovoValor = new QLineEdit(pnlDiaria);
    edtNovoValor->setAlignment(Qt::AlignRight);
    edtNovoValor->setFixedWidth(120);
    edtNovoValor->installEventFilter(this);
    m_dinheiro << edtNovoValor;
    btnConfirmarDiaria = botaoFigura(pnlDiaria);
    btnFecharDiaria = botaoFechar(pnlDiaria);
    g->addWidget(lblUHDiaria, 0, 0, 1, 2);
    g->addWidget(btnFecharDiaria, 0, 2, Qt::AlignRight);
    g->addWidget(lblValorAtual, 1, 0, 1, 2);
    g->addWidget(lblValorTabela, 2, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Novo Valor: R$"), pnlDiaria), 3, 0);
    g->addWidget(edtNovoValor, 3, 1);
    g->addWidget(btnConfirmarDiaria, 3, 2);
    connect(btnConfirmarDiaria, &QPushButton::clicked, this, &CorrecoesWalkIn::btnConfirmarDiariaClick);
    connect(btnFecharDiaria, &QPushButton::clicked, this, &CorrecoesWalkIn::btnFecharDiariaClick);
}

void CorrecoesWalkIn::alterarDiariaClick()
{
    if (!lerEstadia())
        return;
    abrirDiaria(false);
}

void CorrecoesWalkIn::abrirDiaria(bool comHospedes)
{
    m_diariaDosHospedes = comHospedes;
    const int pessoas = comHospedes ? int(m_hospedes.size()) : m_estadia.pessoas;
    m_tabela = tabelaDiaria(DM->Conexao, m_estadia.idUH, pessoas);
    lblUHDiaria->setText(QStringLiteral("UH Atual: ") + m_estadia.numeroUH);
    lblValorAtual->setText(QStringLiteral("Valor Atual: R$ ") + m_estadia.diaria.formatado());
    lblValorTabela->setText(QStringLiteral("Valor Tabela: R$ ") + m_tabela.minimo.formatado());
    edtNovoValor->setText(QStringLiteral("0,00"));
    mostrarPainel(pnlDiaria);
    if (comHospedes) {
        // Below the guest panel, which stays open.
        const QRect h = pnlHospedes->geometry();
        pnlDiaria->move(h.center().x() - pnlDiaria->width() / 2,
                        std::min(h.bottom() + 6, m_lista->tela()->height() - pnlDiaria->height()));
    }
    edtNovoValor->setFocus();
    travar(true);
}

void CorrecoesWalkIn::btnConfirmarDiariaClick()
{
    dinheiroSaindo(edtNovoValor);
    const std::optional<QList<Hospede>> hs =
        m_diariaDosHospedes ? std::optional<QList<Hospede>>(m_hospedes) : std::nullopt;
    const Resultado r = alterarDiaria(DM->Conexao, m_estadia, edtNovoValor->text(), m_tabela, limitesDaSessao(), hs,
                                      Relogio::hoje());
    if (r.feito || r.mudou) {
        m_diariaDosHospedes = false;
        recomecar(r);
        return;
    }
    r.mostrar();
    if (r.foco == Foco::Hospedes)
        return;
    edtNovoValor->setFocus();
    edtNovoValor->selectAll();
}

void CorrecoesWalkIn::btnFecharDiariaClick()
{
    pnlDiaria->hide();
    m_diariaDosHospedes = false;
    if (!pnlHospedes->isVisible())
        liberar();
}

// ---------------------------------------------------------------- guests

void CorrecoesWalkIn::montarHospedes()
{
    pnlHospedes = painel(QStringLiteral("Alteração de Hóspedes"));
    auto *v = new QGridLayout(pnlHospedes);
    dbgHospedes = grade(pnlHospedes, {QStringLiteral("Nome")});
    dbgHospedes->setStyleSheet(QStringLiteral("QTableWidget { background: #FCFBC7; }"));
    dbgHospedes->setMinimumSize(380, 130);
    btnIncluirHospede = new QPushButton(QStringLiteral("Incluir"), pnlHospedes);
    btnRemoverHospede = new QPushButton(QStringLiteral("Remover"), pnlHospedes);
    btnAlterarNome = new QPushButton(QStringLiteral("Alterar Nome"), pnlHospedes);
    btnConfirmarHospedes = botaoFigura(pnlHospedes);
    btnFecharHospedes = botaoFechar(pnlHospedes);
    v->addWidget(btnFecharHospedes, 0, 4, Qt::AlignRight);
    v->addWidget(dbgHospedes, 1, 0, 1, 5);
    v->addWidget(btnIncluirHospede, 2, 0);
    v->addWidget(btnRemoverHospede, 2, 1);
    v->addWidget(btnAlterarNome, 2, 2);
    v->addWidget(btnConfirmarHospedes, 2, 4, Qt::AlignRight);
    connect(btnIncluirHospede, &QPushButton::clicked, this, &CorrecoesWalkIn::btnIncluirHospedeClick);
    connect(btnRemoverHospede, &QPushButton::clicked, this, &CorrecoesWalkIn::btnRemoverHospedeClick);
    connect(btnAlterarNome, &QPushButton::clicked, this, &CorrecoesWalkIn::btnAlterarNomeClick);
    connect(btnConfirmarHospedes, &QPushButton::clicked, this, &CorrecoesWalkIn::btnConfirmarHospedesClick);
    connect(btnFecharHospedes, &QPushButton::clicked, this, &CorrecoesWalkIn::btnFecharHospedesClick);

    pnlNomeHospede = painel(QStringLiteral("Incluir Novo Hóspede"));
    auto *n = new QGridLayout(pnlNomeHospede);
    edtNomeHospede = new QLineEdit(pnlNomeHospede);
    emMaiusculas(edtNomeHospede, 90);
    edtNomeHospede->setMinimumWidth(320);
    edtNomeHospede->installEventFilter(this);
    btnSalvarNome = botaoFigura(pnlNomeHospede);
    btnSalvarNome->setToolTip(QStringLiteral("Salvar"));
    btnFecharNome = botaoFechar(pnlNomeHospede);
    n->addWidget(new QLabel(QStringLiteral("Nome:"), pnlNomeHospede), 0, 0);
    n->addWidget(edtNomeHospede, 0, 1);
    n->addWidget(btnSalvarNome, 0, 2);
    n->addWidget(btnFecharNome, 0, 3);
    connect(btnSalvarNome, &QPushButton::clicked, this, &CorrecoesWalkIn::btnSalvarNomeClick);
    connect(btnFecharNome, &QPushButton::clicked, this, &CorrecoesWalkIn::btnFecharNomeClick);
}

void CorrecoesWalkIn::preencherHospedes()
{
    const int atual = dbgHospedes->currentRow();
    dbgHospedes->setRowCount(int(m_hospedes.size()));
    for (int i = 0; i < m_hospedes.size(); ++i)
        dbgHospedes->setItem(i, 0, celula(m_hospedes[i].nome));
    if (!m_hospedes.isEmpty())
        dbgHospedes->selectRow(std::clamp(atual, 0, int(m_hospedes.size()) - 1));
}

void CorrecoesWalkIn::alterarHospedesClick()
{
    if (!lerEstadia())
        return;
    m_hospedes = hospedes(DM->Conexao, m_estadia.id);
    preencherHospedes();
    btnRemoverHospede->setVisible(m_hospedes.size() != 1);
    mostrarPainel(pnlHospedes, -60);
    btnIncluirHospede->setFocus();
    travar(true);
}

void CorrecoesWalkIn::btnIncluirHospedeClick()
{
    pnlNomeHospede->setTitle(QStringLiteral("Incluir Novo Hóspede"));
    edtNomeHospede->clear();
    mostrarPainel(pnlNomeHospede, 40);
    edtNomeHospede->setFocus();
}

void CorrecoesWalkIn::btnAlterarNomeClick()
{
    const int i = dbgHospedes->currentRow();
    if (i < 0 || i >= m_hospedes.size())
        return;
    pnlNomeHospede->setTitle(QStringLiteral("Alterar Nome"));
    edtNomeHospede->setText(m_hospedes[i].nome);
    mostrarPainel(pnlNomeHospede, 40);
    edtNomeHospede->setFocus();
}

void CorrecoesWalkIn::btnSalvarNomeClick()
{
    QString erro;
    const auto nome = Estadias::nomeHospede(edtNomeHospede->text(), &erro);
    if (!nome) {
        Mensagem::aviso(erro);
        edtNomeHospede->setFocus();
        return;
    }
    if (pnlNomeHospede->title() == QLatin1String("Alterar Nome")) {
        const int i = dbgHospedes->currentRow();
        if (i < 0 || i >= m_hospedes.size())
            return;
        // A stored guest is renamed at once; one added in the panel waits
        // for the confirmation like the other additions.
        if (m_hospedes[i].id > 0) {
            const Resultado r = renomearHospede(DM->Conexao, m_estadia, m_hospedes[i].id, *nome);
            if (!r.feito) {
                recomecar(r);
                return;
            }
        }
        m_hospedes[i].nome = *nome;
    } else {
        m_hospedes.append({0, *nome});
    }
    preencherHospedes();
    pnlNomeHospede->hide();
    pnlDiaria->hide();
    m_diariaDosHospedes = false;
}

void CorrecoesWalkIn::btnFecharNomeClick() { pnlNomeHospede->hide(); }

void CorrecoesWalkIn::btnRemoverHospedeClick()
{
    const int i = dbgHospedes->currentRow();
    if (i < 0 || i >= m_hospedes.size())
        return;
    m_hospedes.removeAt(i);
    preencherHospedes();
    pnlDiaria->hide();
    m_diariaDosHospedes = false;
}

void CorrecoesWalkIn::btnConfirmarHospedesClick()
{
    if (m_hospedes.isEmpty()) {
        Mensagem::aviso(kMsgSemHospedes);
        btnIncluirHospede->setFocus();
        return;
    }
    if (int(m_hospedes.size()) != m_estadia.pessoas) {
        // Another number of persons: the rate panel for it; its confirmation
        // writes the guests, the persons and the rate together.
        abrirDiaria(true);
        return;
    }
    const Resultado r = gravarHospedes(DM->Conexao, m_estadia, m_hospedes);
    if (!r.feito && !r.mudou) {
        r.mostrar();
        return;
    }
    recomecar(r);
}

void CorrecoesWalkIn::btnFecharHospedesClick()
{
    // Nothing the panel holds is written: additions and removals are dropped.
    pnlHospedes->hide();
    pnlNomeHospede->hide();
    if (m_diariaDosHospedes)
        pnlDiaria->hide();
    m_diariaDosHospedes = false;
    if (!pnlDiaria->isVisible())
        liberar();
}

// ---------------------------------------------------------------- nights

void CorrecoesWalkIn::montarDiarias()
{
    pnlDiarias = painel(QStringLiteral("Diárias Cobradas"));
    auto *g = new QGridLayout(pnlDiarias);
    lblCodEntrada = new QLabel(QStringLiteral("Cód. Entrada:"), pnlDiarias);
    lblValorNoite = new QLabel(QStringLiteral("Valor Atual: R$"), pnlDiarias);
    lblDataNoite = new QLabel(QStringLiteral("Data da Diária:"), pnlDiarias);
    lblQtdNoite = new QLabel(QStringLiteral("Qtd. de Pessoas:"), pnlDiarias);
    edtValorNoite = new QLineEdit(pnlDiarias);
    edtValorNoite->setAlignment(Qt::AlignRight);
    edtValorNoite->setFixedWidth(120);
    edtValorNoite->installEventFilter(this);
    m_dinheiro << edtValorNoite;
    dbgOcupacao = grade(pnlDiarias, {QStringLiteral("Data Início"), QStringLiteral("Valor da Diária R$"),
                                     QStringLiteral("Qtd. Pessoas")});
    dbgOcupacao->setMinimumSize(440, 200);
    dbgOcupacao->setColumnWidth(0, 120);
    dbgOcupacao->setColumnWidth(1, 160);
    btnAlterarNoite = new QPushButton(QStringLiteral("Alterar"), pnlDiarias);
    btnIncluirNoite = new QPushButton(QStringLiteral("Incluir Diária"), pnlDiarias);
    btnExcluirNoite = new QPushButton(QStringLiteral("Excluir Diária"), pnlDiarias);
    btnFecharDiarias = botaoFechar(pnlDiarias);
    g->addWidget(lblCodEntrada, 0, 0);
    g->addWidget(lblQtdNoite, 0, 1);
    g->addWidget(btnFecharDiarias, 0, 3, Qt::AlignRight);
    g->addWidget(lblDataNoite, 1, 0);
    g->addWidget(lblValorNoite, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Novo Valor: R$"), pnlDiarias), 2, 0, Qt::AlignRight);
    g->addWidget(edtValorNoite, 2, 1);
    g->addWidget(btnAlterarNoite, 2, 2);
    g->addWidget(dbgOcupacao, 3, 0, 1, 4);
    g->addWidget(btnIncluirNoite, 4, 0);
    g->addWidget(btnExcluirNoite, 4, 1);
    connect(btnAlterarNoite, &QPushButton::clicked, this, &CorrecoesWalkIn::btnAlterarNoiteClick);
    connect(btnIncluirNoite, &QPushButton::clicked, this, &CorrecoesWalkIn::btnIncluirNoiteClick);
    connect(btnExcluirNoite, &QPushButton::clicked, this, &CorrecoesWalkIn::btnExcluirNoiteClick);
    connect(btnFecharDiarias, &QPushButton::clicked, this, &CorrecoesWalkIn::btnFecharDiariasClick);
    connect(dbgOcupacao, &QTableWidget::currentCellChanged, this, [this] { noiteMudou(); });

    pnlNovaNoite = painel(QStringLiteral("Incluir Diária"));
    auto *n = new QGridLayout(pnlNovaNoite);
    edtDataNoite = new QDateEdit(pnlNovaNoite);
    edtDataNoite->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    edtDataNoite->setCalendarPopup(true);
    edtValorNovaNoite = new QLineEdit(pnlNovaNoite);
    edtValorNovaNoite->setAlignment(Qt::AlignRight);
    edtValorNovaNoite->setFixedWidth(120);
    edtValorNovaNoite->installEventFilter(this);
    m_dinheiro << edtValorNovaNoite;
    btnConfirmarNovaNoite = new QPushButton(QStringLiteral("Incluir"), pnlNovaNoite);
    btnFecharNovaNoite = botaoFechar(pnlNovaNoite);
    n->addWidget(new QLabel(QStringLiteral("Data:"), pnlNovaNoite), 0, 0);
    n->addWidget(edtDataNoite, 0, 1);
    n->addWidget(btnFecharNovaNoite, 0, 2, Qt::AlignRight);
    n->addWidget(new QLabel(QStringLiteral("Valor: R$"), pnlNovaNoite), 1, 0);
    n->addWidget(edtValorNovaNoite, 1, 1);
    n->addWidget(btnConfirmarNovaNoite, 1, 2);
    connect(btnConfirmarNovaNoite, &QPushButton::clicked, this, &CorrecoesWalkIn::btnConfirmarNovaNoiteClick);
    connect(btnFecharNovaNoite, &QPushButton::clicked, this, &CorrecoesWalkIn::btnFecharNovaNoiteClick);
}

void CorrecoesWalkIn::carregarNoites(qint64 manter, bool ultima)
{
    m_noites = noites(DM->Conexao, m_estadia.id);
    QSignalBlocker b(dbgOcupacao);
    dbgOcupacao->setRowCount(int(m_noites.size()));
    int linha = m_noites.isEmpty() ? -1 : 0;
    for (int i = 0; i < m_noites.size(); ++i) {
        const Noite &n = m_noites[i];
        dbgOcupacao->setItem(i, 0, celula(n.data.toString(QStringLiteral("dd/MM/yyyy"))));
        dbgOcupacao->setItem(i, 1, celula(n.valor.formatado(), Qt::AlignRight | Qt::AlignVCenter));
        dbgOcupacao->setItem(i, 2, celula(QString::number(n.qtd), Qt::AlignRight | Qt::AlignVCenter));
        if (n.id == manter)
            linha = i;
    }
    if (ultima && !m_noites.isEmpty())
        linha = int(m_noites.size()) - 1;
    if (linha >= 0)
        dbgOcupacao->setCurrentCell(linha, 0);
    b.unblock();
    noiteMudou();
}

void CorrecoesWalkIn::noiteMudou()
{
    const int i = dbgOcupacao->currentRow();
    if (i < 0 || i >= m_noites.size()) {
        lblCodEntrada->setText(QStringLiteral("Cód. Entrada: ") + QString::number(m_estadia.id));
        lblValorNoite->setText(QStringLiteral("Valor Atual: R$ "));
        lblDataNoite->setText(QStringLiteral("Data da Diária: "));
        lblQtdNoite->setText(QStringLiteral("Qtd. de Pessoas: "));
        edtValorNoite->clear();
        return;
    }
    const Noite &n = m_noites[i];
    lblCodEntrada->setText(QStringLiteral("Cód. Entrada: ") + QString::number(m_estadia.id));
    lblValorNoite->setText(QStringLiteral("Valor Atual: R$ ") + n.valor.formatado());
    lblDataNoite->setText(QStringLiteral("Data da Diária: ") + n.data.toString(QStringLiteral("dd/MM/yyyy")));
    lblQtdNoite->setText(QStringLiteral("Qtd. de Pessoas: ") + QString::number(n.qtd));
    edtValorNoite->setText(n.valor.formatado());
    if (pnlDiarias->isVisible())
        edtValorNoite->setFocus();
}

void CorrecoesWalkIn::diariasCobradasClick()
{
    if (!lerEstadia())
        return;
    btnExcluirNoite->setEnabled(movimentos());
    btnAlterarNoite->setEnabled(movimentos());
    mostrarPainel(pnlDiarias);
    carregarNoites(0, false);
    dbgOcupacao->setFocus();
    travar(false);
}

void CorrecoesWalkIn::btnAlterarNoiteClick()
{
    const int i = dbgOcupacao->currentRow();
    if (i < 0 || i >= m_noites.size())
        return;
    dinheiroSaindo(edtValorNoite);
    const Noite n = m_noites[i];
    const Resultado r = alterarNoite(DM->Conexao, m_estadia, n, edtValorNoite->text(),
                                     lblDataNoite->text() + QStringLiteral(" / ") + lblValorNoite->text(), movimentos());
    if (r.feito || r.mudou)
        carregarNoites(n.id, false);
    r.mostrar();
    if (r.foco == Foco::Valor)
        edtValorNoite->setFocus();
}

void CorrecoesWalkIn::btnIncluirNoiteClick()
{
    edtDataNoite->setDate(Relogio::hoje());
    edtValorNovaNoite->setText(QStringLiteral("0,00"));
    mostrarPainel(pnlNovaNoite, 40);
    edtDataNoite->setFocus();
}

void CorrecoesWalkIn::btnConfirmarNovaNoiteClick()
{
    const Resultado r = incluirNoite(DM->Conexao, m_estadia, edtDataNoite->date(), edtValorNovaNoite->text(),
                                     Relogio::hoje());
    if (r.mudou) {
        recomecar(r);
        return;
    }
    if (!r.feito) {
        r.mostrar();
        if (r.foco == Foco::Data)
            edtDataNoite->setFocus();
        else
            edtValorNovaNoite->setFocus();
        return;
    }
    carregarNoites(0, true);
    pnlNovaNoite->hide();
    r.mostrar();
}

void CorrecoesWalkIn::btnFecharNovaNoiteClick() { pnlNovaNoite->hide(); }

void CorrecoesWalkIn::btnExcluirNoiteClick()
{
    const int i = dbgOcupacao->currentRow();
    if (i < 0 || i >= m_noites.size())
        return;
    if (!Mensagem::pergunta(kMsgPerguntaExcluirDiaria))
        return;
    const Resultado r = excluirNoite(DM->Conexao, m_estadia, m_noites[i], movimentos());
    if (r.feito || r.mudou)
        carregarNoites(0, false);
    r.mostrar();
}

void CorrecoesWalkIn::btnFecharDiariasClick()
{
    pnlDiarias->hide();
    pnlNovaNoite->hide();
    m_lista->grade()->setEnabled(true);
}

// ---------------------------------------------------------------- payment method

void CorrecoesWalkIn::montarFormaPag()
{
    pnlFormaPag = painel(QStringLiteral("Forma de Pagamento"));
    auto *g = new QGridLayout(pnlFormaPag);
    lblTotalEstadia = new QLabel(pnlFormaPag);
    QFont f = lblTotalEstadia->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    lblTotalEstadia->setFont(f);
    g->addWidget(lblTotalEstadia, 0, 0, 1, 3, Qt::AlignCenter);
    g->addWidget(new QLabel(QStringLiteral("Anterior"), pnlFormaPag), 1, 1, Qt::AlignCenter);
    g->addWidget(new QLabel(QStringLiteral("Nova"), pnlFormaPag), 1, 2, Qt::AlignCenter);
    for (int i = 0; i < 7; ++i) {
        g->addWidget(new QLabel(QString::fromUtf8(kRotulosMeios[i]), pnlFormaPag), i + 2, 0, Qt::AlignRight);
        edtAnterior[size_t(i)] = new QLineEdit(pnlFormaPag);
        edtAnterior[size_t(i)]->setReadOnly(true);
        edtAnterior[size_t(i)]->setFocusPolicy(Qt::NoFocus);
        edtAnterior[size_t(i)]->setStyleSheet(QStringLiteral("QLineEdit { background: #C0C0C0; }"));
        edtNova[size_t(i)] = new QLineEdit(pnlFormaPag);
        for (QLineEdit *e : {edtAnterior[size_t(i)], edtNova[size_t(i)]}) {
            e->setAlignment(Qt::AlignRight);
            e->setFixedWidth(120);
        }
        edtNova[size_t(i)]->installEventFilter(this);
        m_dinheiro << edtNova[size_t(i)];
        connect(edtNova[size_t(i)], &QLineEdit::textChanged, this, [this] { totalForma(); });
        g->addWidget(edtAnterior[size_t(i)], i + 2, 1);
        g->addWidget(edtNova[size_t(i)], i + 2, 2);
    }
    lblTotalNova = new QLabel(pnlFormaPag);
    lblTotalNova->setFont(f);
    g->addWidget(lblTotalNova, 9, 0, 1, 3, Qt::AlignRight);
    btnConfirmarForma = new QPushButton(QStringLiteral("Confirmar"), pnlFormaPag);
    btnCancelarForma = new QPushButton(QStringLiteral("Cancelar"), pnlFormaPag);
    auto *b = new QHBoxLayout;
    b->addStretch();
    b->addWidget(btnConfirmarForma);
    b->addWidget(btnCancelarForma);
    g->addLayout(b, 10, 0, 1, 3);
    connect(btnConfirmarForma, &QPushButton::clicked, this, &CorrecoesWalkIn::btnConfirmarFormaClick);
    connect(btnCancelarForma, &QPushButton::clicked, this, &CorrecoesWalkIn::btnCancelarFormaClick);
}

void CorrecoesWalkIn::totalForma()
{
    Dinheiro t;
    for (QLineEdit *e : edtNova)
        t += Dinheiro::deTexto(e->text()).value_or(Dinheiro());
    lblTotalNova->setText(QStringLiteral("Total -> R$ ") + t.formatado());
}

void CorrecoesWalkIn::formaPagClick()
{
    if (!lerEstadia() || !m_estadia.fechada())
        return;
    if (const auto r = podeAlterarForma(m_estadia, movimentos(), Relogio::agora(),
                                        tParametros().hora(QStringLiteral("TEMPO_ALTERAR_FORMA")))) {
        Mensagem::aviso(*r);
        return;
    }
    for (int i = 0; i < 7; ++i) {
        const QString t = m_estadia.pagos[size_t(i)].formatado();
        edtAnterior[size_t(i)]->setText(t);
        edtNova[size_t(i)]->setText(t);
    }
    lblTotalEstadia->setText(QStringLiteral("R$ ") + m_estadia.totalPago().formatado());
    totalForma();
    mostrarPainel(pnlFormaPag);
    edtNova[0]->setFocus();
    travar(false);
}

void CorrecoesWalkIn::btnConfirmarFormaClick()
{
    std::array<QString, 7> novos;
    for (int i = 0; i < 7; ++i)
        novos[size_t(i)] = edtNova[size_t(i)]->text();
    const Resultado r = alterarForma(DM->Conexao, m_estadia, novos);
    if (r.feito || r.mudou) {
        recomecar(r);
        return;
    }
    r.mostrar();
    edtNova[0]->setFocus();
}

void CorrecoesWalkIn::btnCancelarFormaClick()
{
    pnlFormaPag->hide();
    liberar();
}

// ---------------------------------------------------------------- cancellation

void CorrecoesWalkIn::montarCancelar()
{
    pnlCancelar = painel(QStringLiteral("Cancelamento da Entrada"));
    auto *g = new QGridLayout(pnlCancelar);
    edtMotivoCancelamento = new QLineEdit(pnlCancelar);
    emMaiusculas(edtMotivoCancelamento, 200);
    edtMotivoCancelamento->setMinimumWidth(420);
    btnOKCancelamento = new QPushButton(QStringLiteral("OK"), pnlCancelar);
    btnFecharCancelamento = botaoFechar(pnlCancelar);
    g->addWidget(new QLabel(QStringLiteral("Motivo:"), pnlCancelar), 0, 0);
    g->addWidget(btnFecharCancelamento, 0, 2, Qt::AlignRight);
    g->addWidget(edtMotivoCancelamento, 1, 0, 1, 2);
    g->addWidget(btnOKCancelamento, 1, 2);
    connect(btnOKCancelamento, &QPushButton::clicked, this, &CorrecoesWalkIn::btnOKCancelamentoClick);
    connect(btnFecharCancelamento, &QPushButton::clicked, this, &CorrecoesWalkIn::btnFecharCancelamentoClick);
    connect(edtMotivoCancelamento, &QLineEdit::returnPressed, this, &CorrecoesWalkIn::btnOKCancelamentoClick);
}

void CorrecoesWalkIn::excluirEntradaClick()
{
    if (!lerEstadia() || !m_estadia.aberta())
        return;
    if (const auto r = podeCancelar(m_estadia, movimentos(), Relogio::agora(),
                                    tParametros().hora(QStringLiteral("TEMPO_EXCLUIR")))) {
        Mensagem::aviso(*r);
        return;
    }
    if (!Mensagem::pergunta(kMsgPerguntaExcluir, {}, Mensagem::Nao))
        return;
    travar(false);
    edtMotivoCancelamento->clear();
    mostrarPainel(pnlCancelar);
    edtMotivoCancelamento->setFocus();
}

void CorrecoesWalkIn::btnOKCancelamentoClick()
{
    const Resultado r = cancelar(DM->Conexao, m_estadia, edtMotivoCancelamento->text());
    if (r.feito || r.mudou) {
        recomecar(r);
        return;
    }
    r.mostrar();
    edtMotivoCancelamento->setFocus();
}

void CorrecoesWalkIn::btnFecharCancelamentoClick()
{
    pnlCancelar->hide();
    liberar();
}

// ---------------------------------------------------------------- invoice flag

void CorrecoesWalkIn::emissaoNFClick()
{
    if (!lerEstadia() || !movimentos())
        return;
    if (!Mensagem::pergunta(kMsgPerguntaNF))
        return;
    const Resultado r = alternarNF(DM->Conexao, m_estadia);
    m_lista->reabrir();
    r.mostrar();
}

// ---------------------------------------------------------------- customer

void CorrecoesWalkIn::montarCliente()
{
    pnlCliente = painel(QStringLiteral("Selecione o Novo Cliente Responsável"));
    auto *g = new QGridLayout(pnlCliente);
    cbClienteResp = new QComboBox(pnlCliente);
    cbClienteResp->setMinimumWidth(420);
    cbClienteResp->setEditable(true);
    cbClienteResp->setInsertPolicy(QComboBox::NoInsert);
    btnConfirmarCliente = new QPushButton(QStringLiteral("Confirmar"), pnlCliente);
    btnCancelarCliente = new QPushButton(QStringLiteral("Cancelar"), pnlCliente);
    g->addWidget(cbClienteResp, 0, 0, 1, 3);
    g->addWidget(btnConfirmarCliente, 1, 1);
    g->addWidget(btnCancelarCliente, 1, 2);
    connect(btnConfirmarCliente, &QPushButton::clicked, this, &CorrecoesWalkIn::btnConfirmarClienteClick);
    connect(btnCancelarCliente, &QPushButton::clicked, this, &CorrecoesWalkIn::btnCancelarClienteClick);
}

void CorrecoesWalkIn::clienteResponsavelClick()
{
    if (!lerEstadia())
        return;
    if (const auto r = podeAlterarCliente(m_estadia)) {
        Mensagem::aviso(*r);
        return;
    }
    cbClienteResp->clear();
    cbClienteResp->addItem(QString(), 0);
    for (const Linha &l :
         DM->Conexao.lerTodas(QStringLiteral("SELECT ID_CLIENTE, CNPJ_CPF, NOME FROM CLIENTE ORDER BY NOME")))
        cbClienteResp->addItem(l.texto(QStringLiteral("NOME")) + QStringLiteral(" / ")
                                   + l.texto(QStringLiteral("CNPJ_CPF")),
                               l.inteiro(QStringLiteral("ID_CLIENTE")));
    cbClienteResp->setCurrentIndex(std::max(0, cbClienteResp->findData(m_estadia.idCliente)));
    mostrarPainel(pnlCliente);
    cbClienteResp->setFocus();
    travar(false);
}

void CorrecoesWalkIn::btnConfirmarClienteClick()
{
    // A typed text that names no customer chooses nobody.
    const int i = cbClienteResp->findText(cbClienteResp->currentText(), Qt::MatchExactly);
    const qint64 id = i >= 0 ? cbClienteResp->itemData(i).toLongLong() : 0;
    const Resultado r = alterarCliente(DM->Conexao, m_estadia, id, cbClienteResp->currentText());
    if (r.feito || r.mudou) {
        recomecar(r);
        return;
    }
    r.mostrar();
    cbClienteResp->setFocus();
}

void CorrecoesWalkIn::btnCancelarClienteClick()
{
    pnlCliente->hide();
    liberar();
}
