#include "stays/UnitCadWalkIn.h"
#include "base/Janela.h"
#include "rooms/UnitTiposUH.h"

#include "base/CabecalhoTela.h"
#include "base/Grade.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/TelaEdicao.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "finance/UnitRelRecibo.h"
#include "stays/Adiantamento.h"
#include "stays/CalculoEstadia.h"
#include "stays/UnitBuscarVeiculo.h"
#include "stays/ContextoListaEstadias.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <typeindex>

TFrmCadWalkIn *FrmCadWalkIn = nullptr;

using namespace Estadias;

namespace CadWalkIn {
const char *const kMsgObsAtualizada = "Observação Atualizada!";
}

namespace {

// The grid's current row, its first when none is current; -1 when empty.
int linhaEscolhida(const QTableWidget *g)
{
    if (g->rowCount() == 0)
        return -1;
    return g->currentRow() < 0 ? 0 : qMin(g->currentRow(), g->rowCount() - 1);
}

QTableWidget *grade(QWidget *pai, const QStringList &titulos)
{
    auto *g = new QTableWidget(0, int(titulos.size()), pai);
    g->setHorizontalHeaderLabels(titulos);
    prepararGrade(g);
    return g;
}

void linha(QTableWidget *g, const QStringList &valores, const QVariant &chave = {})
{
    const int r = g->rowCount();
    g->insertRow(r);
    for (int c = 0; c < valores.size(); ++c) {
        auto *it = new QTableWidgetItem(valores[c]);
        if (c == 0)
            it->setData(Qt::UserRole, chave);
        g->setItem(r, c, it);
    }
}

const QString kHora12 = QStringLiteral("12:00:00");

} // namespace

TFrmCadWalkIn::TFrmCadWalkIn(ContextoListaEstadias *lista, const CadWalkIn::Predefinicao &pre, QWidget *parent)
    : QDialog(parent), m_lista(lista), m_pre(pre)
{
    montar();
}

TFrmCadWalkIn::~TFrmCadWalkIn() = default;

QString TFrmCadWalkIn::op() const
{
    return m_lista ? m_lista->modo() : QString();
}

void TFrmCadWalkIn::montar()
{
    setWindowFlag(Qt::FramelessWindowHint, true);
    setWindowTitle(QStringLiteral("Entrada de Hóspedes"));
    resize(1024, 700);
    auto *raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(6, 0, 6, 6);
    raiz->setSpacing(4);
    imgFundo = criarCabecalhoTela(this);
    imgFundo->setMaximumHeight(60);
    raiz->addWidget(imgFundo);

    auto *cab = new QHBoxLayout;
    Label1 = new QLabel(this);
    QFont f = Label1->font();
    f.setPointSize(f.pointSize() + 5);
    f.setBold(true);
    Label1->setFont(f);
    cab->addWidget(Label1, 1);
    cab->addWidget(new QLabel(QStringLiteral("CÓDIGO DA ENTRADA:"), this));
    lblCodEntrada = new QLabel(this);
    lblCodEntrada->setFont(f);
    cab->addWidget(lblCodEntrada);
    lblStatus = new QLabel(QStringLiteral("EM CADASTRAMENTO"), this);
    lblStatus->setStyleSheet(QStringLiteral("QLabel { color: #800000; font-weight: bold; }"));
    cab->addSpacing(20);
    cab->addWidget(lblStatus);
    raiz->addLayout(cab);

    pnlPrincipal = new QWidget(this);
    auto *g = new QGridLayout(pnlPrincipal);
    g->setContentsMargins(0, 0, 0, 0);
    cbReserva = new QComboBox(pnlPrincipal);
    cbCliente = new QComboBox(pnlPrincipal);
    lblCpf = new QLabel(QStringLiteral("DOC.: "), pnlPrincipal);
    cbUH = new QComboBox(pnlPrincipal);
    edtNumPessoas = new QLineEdit(pnlPrincipal);
    edtNumPessoas->setMaxLength(2);
    edtData1 = new QDateEdit(pnlPrincipal);
    edtHora1 = new QTimeEdit(pnlPrincipal);
    edtData2 = new QDateEdit(pnlPrincipal);
    edtHora2 = new QTimeEdit(pnlPrincipal);
    for (QDateEdit *d : {edtData1, edtData2}) {
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
    }
    for (QTimeEdit *t : {edtHora1, edtHora2})
        t->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    edtDiaria = new QLineEdit(QStringLiteral("0,00"), pnlPrincipal);
    edtDiaria->setAlignment(Qt::AlignRight);
    chkPernoite = new QCheckBox(QStringLiteral("Pernoite"), pnlPrincipal);
    chkPernoite->hide();
    edtObs = new QLineEdit(pnlPrincipal);
    emMaiusculas(edtObs, 250);
    btnSalvarObs = new QPushButton(QStringLiteral("Salvar Obs."), pnlPrincipal);
    const auto rotulo = [this](const char *t) { return new QLabel(QString::fromUtf8(t), pnlPrincipal); };
    g->addWidget(rotulo("Reserva:"), 0, 0);
    g->addWidget(cbReserva, 0, 1);
    g->addWidget(rotulo("Cliente:"), 0, 2);
    g->addWidget(cbCliente, 0, 3, 1, 3);
    g->addWidget(lblCpf, 1, 3, 1, 3);
    g->addWidget(rotulo("Unidade Hab.:"), 1, 0);
    g->addWidget(cbUH, 1, 1);
    g->addWidget(rotulo("N.º Pessoas:"), 2, 0);
    g->addWidget(edtNumPessoas, 2, 1);
    g->addWidget(rotulo("Data Chegada:"), 2, 2);
    g->addWidget(edtData1, 2, 3);
    g->addWidget(rotulo("Hora Chegada:"), 2, 4);
    g->addWidget(edtHora1, 2, 5);
    m_rotDiaria = rotulo("Diária: R$");
    g->addWidget(m_rotDiaria, 3, 0);
    auto *diaria = new QHBoxLayout;
    diaria->addWidget(edtDiaria);
    diaria->addWidget(chkPernoite);
    g->addLayout(diaria, 3, 1);
    g->addWidget(rotulo("Previsão Data Saída:"), 3, 2);
    g->addWidget(edtData2, 3, 3);
    g->addWidget(rotulo("Previsão Hora Saída:"), 3, 4);
    g->addWidget(edtHora2, 3, 5);
    g->addWidget(rotulo("Observação:"), 4, 0);
    g->addWidget(edtObs, 4, 1, 1, 4);
    g->addWidget(btnSalvarObs, 4, 5);
    lblQtdDiarias = new QLabel(QStringLiteral("0"), pnlPrincipal);
    lblTotalDiarias = new QLabel(QStringLiteral("0,00"), pnlPrincipal);
    lblValor = new QLabel(QStringLiteral("0,00"), pnlPrincipal);
    lblValorDividido = new QLabel(QStringLiteral("0,00"), pnlPrincipal);
    lblValorAdiantado = new QLabel(QStringLiteral("0,00"), pnlPrincipal);
    // The figures in two rows, each caption beside its value.
    auto *figuras = new QGridLayout;
    figuras->setHorizontalSpacing(6);
    int posicao = 0;
    const auto figura = [&](const char *t, QLabel *v) {
        v->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; }"));
        v->setMinimumWidth(70);
        auto *rot = new QLabel(QString::fromUtf8(t), pnlPrincipal);
        figuras->addWidget(rot, posicao / 3, (posicao % 3) * 2);
        figuras->addWidget(v, posicao / 3, (posicao % 3) * 2 + 1);
        ++posicao;
        return rot;
    };
    m_rotQtdDiarias = figura("Quantidade de Diárias:", lblQtdDiarias);
    m_rotTotalDiarias = figura("Valor Total das Diárias: R$", lblTotalDiarias);
    figura("Valor Total da Estadia (R$)", lblValor);
    m_rotDividido = figura("Valor Dividido pela Quantidade de Pessoas (R$)", lblValorDividido);
    figura("Total Pago Adiantado: R$", lblValorAdiantado);
    figuras->setColumnStretch(5, 1);
    g->addLayout(figuras, 5, 0, 1, 6);
    for (int c : {1, 3, 5})
        g->setColumnStretch(c, 1);
    btnAdiantamento = new QPushButton(QStringLiteral("Adicionar Adiantamento"), pnlPrincipal);
    btnVeiculos = new QPushButton(QStringLiteral("Veículos"), pnlPrincipal);
    auto *bl = new QHBoxLayout;
    bl->addWidget(btnAdiantamento);
    bl->addWidget(btnVeiculos);
    bl->addStretch(1);
    g->addLayout(bl, 6, 0, 1, 6);
    raiz->addWidget(pnlPrincipal);

    // Detail area: room items, minibar, guests, consumption.
    auto *detalhe = new QGridLayout;
    const auto bloco = [this](const QString &titulo, QTableWidget *&grid, const QStringList &cols,
                              QPushButton *&incluir, QPushButton *&remover) {
        auto *box = new QGroupBox(titulo, this);
        auto *v = new QVBoxLayout(box);
        v->setContentsMargins(4, 4, 4, 4);
        grid = grade(box, cols);
        v->addWidget(grid);
        auto *h = new QHBoxLayout;
        incluir = new QPushButton(QStringLiteral("Incluir"), box);
        remover = new QPushButton(QStringLiteral("Remover"), box);
        h->addStretch(1);
        h->addWidget(incluir);
        h->addWidget(remover);
        v->addLayout(h);
        return box;
    };
    pnlItens = bloco(QStringLiteral("Itens de Estoque Contidos na UH Selecionada"), dbgItens,
                     {QStringLiteral("Código"), QStringLiteral("Item"), QStringLiteral("Qtd.")}, btnIncluirItem,
                     btnRemoverItem);
    pnlFrigobar = bloco(QStringLiteral("Itens de Frigobar Contidos na UH Selecionada"), dbgFrigobar,
                        {QStringLiteral("Código"), QStringLiteral("Produto / Serviço"), QStringLiteral("Qtd."),
                         QStringLiteral("Valor Unit. (R$)")},
                        btnIncluirFrigobar, btnRemoverFrigobar);
    pnlHospedes = bloco(QStringLiteral("Hóspedes"), dbgHospedes, {QStringLiteral("Nome")}, btnIncluirHospede,
                        btnRemoverHospede);
    pnlDespesas = bloco(QStringLiteral("Despesas e Consumos"), dbgDespesas,
                        {QStringLiteral("Código"), QStringLiteral("Produto / Serviço"), QStringLiteral("Qtd."),
                         QStringLiteral("Valor Unit.(R$)"), QStringLiteral("Taxa(%)"),
                         QStringLiteral("Qtd. X Unit.+Taxa(R$)"), QStringLiteral("Data"), QStringLiteral("Hora"),
                         QStringLiteral("Comanda"), QStringLiteral("Usuário"), QStringLiteral("Responsável")},
                        btnIncluirDespesa, btnRemoverDespesa);
    btnIncluirHospede->setToolTip(QStringLiteral("Digite \"=\" antes do nome para o Hóspede Responsável"));
    detalhe->addWidget(pnlItens, 0, 0);
    detalhe->addWidget(pnlFrigobar, 0, 1);
    detalhe->addWidget(pnlHospedes, 1, 0);
    detalhe->addWidget(pnlDespesas, 1, 1);
    raiz->addLayout(detalhe, 1);

    // Panels shown on demand.
    pnlNovoHospede = new QGroupBox(QStringLiteral("Incluir Novo Hóspede"), this);
    {
        auto *h = new QHBoxLayout(pnlNovoHospede);
        h->addWidget(new QLabel(QStringLiteral("Nome:"), pnlNovoHospede));
        edtNomeHospede = new QLineEdit(pnlNovoHospede);
        emMaiusculas(edtNomeHospede, 90);
        edtNomeHospede->setToolTip(QStringLiteral("Digite \"=\" antes do nome para o Hóspede Responsável"));
        h->addWidget(edtNomeHospede, 1);
        btnConfirmarHospede = new QPushButton(QStringLiteral("Confirmar"), pnlNovoHospede);
        h->addWidget(btnConfirmarHospede);
        auto *x = new QPushButton(QStringLiteral("x"), pnlNovoHospede);
        x->setFixedWidth(26);
        h->addWidget(x);
        connect(x, &QPushButton::clicked, pnlNovoHospede, &QWidget::hide);
    }
    pnlNovoHospede->hide();
    raiz->addWidget(pnlNovoHospede);
    pnlVeiculos = new QGroupBox(QStringLiteral("Veículos"), this);
    {
        auto *v = new QVBoxLayout(pnlVeiculos);
        dbgVeiculos = grade(pnlVeiculos, {QStringLiteral("Modelo"), QStringLiteral("Placa")});
        dbgVeiculos->setMaximumHeight(110);
        v->addWidget(dbgVeiculos);
        auto *h = new QHBoxLayout;
        btnIncluirVeiculo = new QPushButton(QStringLiteral("Incluir"), pnlVeiculos);
        btnRemoverVeiculo = new QPushButton(QStringLiteral("Remover"), pnlVeiculos);
        auto *x = new QPushButton(QStringLiteral("x"), pnlVeiculos);
        x->setFixedWidth(26);
        h->addStretch(1);
        h->addWidget(btnIncluirVeiculo);
        h->addWidget(btnRemoverVeiculo);
        h->addWidget(x);
        v->addLayout(h);
        connect(x, &QPushButton::clicked, pnlVeiculos, &QWidget::hide);
        pnlNovoVeiculo = new QGroupBox(QStringLiteral("Incluir Novo Veículo"), pnlVeiculos);
        auto *n = new QHBoxLayout(pnlNovoVeiculo);
        n->addWidget(new QLabel(QStringLiteral("Modelo:"), pnlNovoVeiculo));
        edtModelo = new QLineEdit(pnlNovoVeiculo);
        emMaiusculas(edtModelo, 30);
        n->addWidget(edtModelo, 1);
        n->addWidget(new QLabel(QStringLiteral("Placa:"), pnlNovoVeiculo));
        edtPlaca = new QLineEdit(pnlNovoVeiculo);
        emMaiusculas(edtPlaca, 8);
        n->addWidget(edtPlaca);
        btnBuscar = new QPushButton(QStringLiteral("Buscar"), pnlNovoVeiculo);
        btnConfirmarVeiculo = new QPushButton(QStringLiteral("Confirmar"), pnlNovoVeiculo);
        auto *x2 = new QPushButton(QStringLiteral("x"), pnlNovoVeiculo);
        x2->setFixedWidth(26);
        n->addWidget(btnBuscar);
        n->addWidget(btnConfirmarVeiculo);
        n->addWidget(x2);
        connect(x2, &QPushButton::clicked, pnlNovoVeiculo, &QWidget::hide);
        v->addWidget(pnlNovoVeiculo);
        pnlNovoVeiculo->hide();
    }
    pnlVeiculos->hide();
    raiz->addWidget(pnlVeiculos);

    auto *rodape = new QHBoxLayout;
    btnConfirmar = new QPushButton(QStringLiteral("Confirmar"), this);
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    btnTiposUH = new QPushButton(QStringLiteral("Tipos de UH"), this);
    btnFecharConta = new QPushButton(QStringLiteral("Fechar Conta (Walk-Out)"), this);
    btnExtratoConta = new QPushButton(QStringLiteral("Extrato de Conta"), this);
    btnExtratoConferencia = new QPushButton(QStringLiteral("Extrato de Conferência"), this);
    for (QPushButton *b : {btnConfirmar, btnCancelar, btnTiposUH, btnFecharConta, btnExtratoConta,
                           btnExtratoConferencia}) {
        b->setMinimumHeight(30);
        rodape->addWidget(b);
    }
    for (QPushButton *b : {btnFecharConta, btnExtratoConta, btnExtratoConferencia})
        b->hide();
    rodape->addStretch(1);
    raiz->addLayout(rodape);

    montarPaineis();

    ComportamentoEdicao comp;
    comp.confirmar = [this] {
        if (btnConfirmar->isEnabled())
            btnConfirmarClick();
    };
    comp.cancelar = [this] { btnCancelarClick(); };
    comp.legendaConfirmar = QStringLiteral("|| Confirmar Entrada - (F10) ||");
    comp.legendaCancelar = QStringLiteral("|| Cancelar Entrada - (F12) ||");
    // The modes that only show or move lines leave "Confirmar" disabled, and
    // its entry with it.
    comp.botaoConfirmar = btnConfirmar;
    menuAtalhos = instalarComportamentoEdicao(this, comp);
    // Enter on the barcode looks the product up instead of moving on (this
    // filter, installed last, sees the key first).
    edtCodBarras->installEventFilter(this);

    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadWalkIn::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadWalkIn::btnCancelarClick);
    connect(btnSalvarObs, &QPushButton::clicked, this, &TFrmCadWalkIn::btnSalvarObsClick);
    connect(btnTiposUH, &QPushButton::clicked, this, [] { abrirTiposUH(); });
    connect(btnFecharConta, &QPushButton::clicked, this, [this] {
        if (CadWalkIn::fecharConta)
            CadWalkIn::fecharConta(*this);
    });
    connect(btnExtratoConta, &QPushButton::clicked, this, [this] {
        if (CadWalkIn::abrirExtrato)
            CadWalkIn::abrirExtrato(m_chave, CadWalkIn::Extrato::Saida);
    });
    connect(btnExtratoConferencia, &QPushButton::clicked, this, [this] {
        if (CadWalkIn::abrirExtrato)
            CadWalkIn::abrirExtrato(m_chave, CadWalkIn::Extrato::Conferencia);
    });
    connect(cbUH, qOverload<int>(&QComboBox::currentIndexChanged), this, &TFrmCadWalkIn::cbUHChange);
    connect(cbCliente, qOverload<int>(&QComboBox::currentIndexChanged), this, &TFrmCadWalkIn::cbClienteChange);
    connect(cbReserva, qOverload<int>(&QComboBox::currentIndexChanged), this, &TFrmCadWalkIn::cbReservaChange);
    connect(edtNumPessoas, &QLineEdit::textChanged, this, &TFrmCadWalkIn::edtNumPessoasChange);
    connect(btnIncluirHospede, &QPushButton::clicked, this, &TFrmCadWalkIn::btnIncluirHospedeClick);
    connect(btnConfirmarHospede, &QPushButton::clicked, this, &TFrmCadWalkIn::btnConfirmarHospedeClick);
    connect(btnRemoverHospede, &QPushButton::clicked, this, &TFrmCadWalkIn::btnRemoverHospedeClick);
    connect(btnVeiculos, &QPushButton::clicked, this, &TFrmCadWalkIn::btnVeiculosClick);
    connect(btnIncluirVeiculo, &QPushButton::clicked, this, &TFrmCadWalkIn::btnIncluirVeiculoClick);
    connect(btnConfirmarVeiculo, &QPushButton::clicked, this, &TFrmCadWalkIn::btnConfirmarVeiculoClick);
    connect(btnRemoverVeiculo, &QPushButton::clicked, this, &TFrmCadWalkIn::btnRemoverVeiculoClick);
    connect(btnBuscar, &QPushButton::clicked, this, &TFrmCadWalkIn::btnBuscarClick);
    connect(edtDiaria, &QLineEdit::textChanged, this, &TFrmCadWalkIn::edtDiariaChange);
    connect(edtData1, &QDateEdit::dateChanged, this, &TFrmCadWalkIn::edtDataChange);
    connect(edtData2, &QDateEdit::dateChanged, this, &TFrmCadWalkIn::edtDataChange);
    connect(chkPernoite, &QCheckBox::clicked, this, &TFrmCadWalkIn::chkPernoiteClick);
    connect(btnIncluirDespesa, &QPushButton::clicked, this, &TFrmCadWalkIn::btnIncluirDespesaClick);
    connect(btnRemoverDespesa, &QPushButton::clicked, this, &TFrmCadWalkIn::btnRemoverDespesaClick);
    connect(dbgDespesas, &QTableWidget::currentCellChanged, this, [this] { habilitarRemoverDespesa(); });
    connect(btnIncluirItem, &QPushButton::clicked, this, &TFrmCadWalkIn::btnIncluirItemClick);
    connect(btnRemoverItem, &QPushButton::clicked, this, &TFrmCadWalkIn::btnRemoverItemClick);
    connect(btnIncluirFrigobar, &QPushButton::clicked, this, &TFrmCadWalkIn::btnIncluirFrigobarClick);
    connect(btnRemoverFrigobar, &QPushButton::clicked, this, &TFrmCadWalkIn::btnRemoverFrigobarClick);
    connect(btnAdiantamento, &QPushButton::clicked, this, &TFrmCadWalkIn::btnAdiantamentoClick);
    edtDiaria->installEventFilter(this);
}

// ---------------------------------------------------------------- show

void TFrmCadWalkIn::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrado)
        return;
    m_mostrado = true;
    mostrar();
}

void TFrmCadWalkIn::carregarListas()
{
    const bool novo = op() == QLatin1String("I");
    ConexaoBanco &c = DM->Conexao;
    cbCliente->clear();
    cbCliente->addItem(QString(), 0);
    for (const Linha &l : c.lerTodas(QStringLiteral("SELECT ID_CLIENTE, NOME FROM CLIENTE ORDER BY NOME")))
        cbCliente->addItem(l.texto(QStringLiteral("NOME")), l.inteiro(QStringLiteral("ID_CLIENTE")));
    cbUH->clear();
    cbUH->addItem(QString(), 0);
    const QString sqlUH = QStringLiteral("SELECT UH.ID_UH, UH.NUMERO, T.ABREV FROM UH LEFT JOIN TIPO_UH T ON "
                                         "T.ID_TIPO_UH = UH.ID_TIPO_UH WHERE UH.EXCLUIDO = 'N'")
                          + (novo ? QStringLiteral(" AND (UH.SITUACAO = 'L' OR UH.SITUACAO = 'R')") : QString())
                          + QStringLiteral(" ORDER BY UH.NUMERO");
    for (const Linha &l : c.lerTodas(sqlUH))
        cbUH->addItem(l.texto(QStringLiteral("NUMERO")) + QStringLiteral(" / ") + l.texto(QStringLiteral("ABREV")),
                      l.inteiro(QStringLiteral("ID_UH")));
    cbReserva->clear();
    cbReserva->addItem(QString(), 0);
    QList<Linha> reservas;
    // Every pending reservation, whatever its days: a guest arriving early
    // must find the one made for later.
    if (novo)
        reservas = c.lerTodas(QStringLiteral("SELECT ID_RESERVA, DATA_ENTRADA, DATA_SAIDA FROM RESERVA WHERE "
                                             "CONFIRMADA = 'N' AND EXCLUIDO = 'N' ORDER BY ID_RESERVA"));
    else if (m_lista && m_lista->campo(QStringLiteral("ID_RESERVA")).toLongLong() > 0)
        reservas = c.lerTodas(QStringLiteral("SELECT ID_RESERVA, DATA_ENTRADA, DATA_SAIDA FROM RESERVA WHERE "
                                             "ID_RESERVA = ?"),
                              {m_lista->campo(QStringLiteral("ID_RESERVA"))});
    for (const Linha &l : reservas)
        cbReserva->addItem(l.texto(QStringLiteral("ID_RESERVA")) + QStringLiteral("   ")
                               + l.data(QStringLiteral("DATA_ENTRADA")).toString(QStringLiteral("dd/MM/yyyy"))
                               + QStringLiteral(" a ")
                               + l.data(QStringLiteral("DATA_SAIDA")).toString(QStringLiteral("dd/MM/yyyy")),
                           l.inteiro(QStringLiteral("ID_RESERVA")));
}

void TFrmCadWalkIn::mostrar()
{
    m_carregando = true;
    imgFundo->setPixmap(imagemPadrao());
    lblStatus->setText(QStringLiteral("EM CADASTRAMENTO"));
    const QString modo = op();
    if (m_lista && m_lista->modoUH() == QLatin1String("SIM") && m_lista->entradaDoMapa() > 0)
        m_lista->carregarEstadia(m_lista->entradaDoMapa());
    carregarListas();
    const QDate hoje = Relogio::hoje();
    edtData1->setDate(hoje);
    edtData2->setDate(hoje);
    edtHora1->setTime(QTime::fromString(kHora12, QStringLiteral("HH:mm:ss")));
    edtHora2->setTime(edtHora1->time());

    if (modo == QLatin1String("I")) {
        btnAdiantamento->setEnabled(false);
        const QDateTime agora = Relogio::agora();
        edtData1->setDate(agora.date());
        edtHora1->setTime(agora.time());
        edtData1->setEnabled(false);
        edtHora1->setEnabled(false);
        edtData2->setDate(agora.date());
        edtHora2->setTime(agora.time());
        // The stay's key, reserved now: the check-in inserts the stay with it.
        m_chave = DM->Conexao.emTransacao([] { return DM->Conexao.gerador(QStringLiteral("GEN_ID_WALK_IN"), 1); });
        m_nova.idEntrada = m_chave;
        lblCodEntrada->setText(QString::number(m_chave));
        lblValorAdiantado->setText(QStringLiteral("0,00"));
        // Consumption, items and minibar are held until the check-in.
        m_despesasLiberadas = true;
        btnSalvarObs->setEnabled(false);
        if (motel()) {
            // The motel rate comes from the room type only.
            edtDiaria->setReadOnly(true);
            edtNumPessoas->setReadOnly(true);
        }
        m_carregando = false;
        if (!m_pre.pessoas.isEmpty())
            edtNumPessoas->setText(m_pre.pessoas);
        if (m_pre.idReserva > 0) {
            definirChave(cbReserva, m_pre.idReserva);
        } else {
            if (m_pre.idCliente > 0)
                definirChave(cbCliente, m_pre.idCliente);
            if (m_pre.idUH > 0)
                definirChave(cbUH, m_pre.idUH);
        }
        if (m_pre.travarSelecoes)
            for (QWidget *w : {static_cast<QWidget *>(cbCliente), static_cast<QWidget *>(cbUH),
                               static_cast<QWidget *>(cbReserva)})
                w->setEnabled(false);
    } else {
        carregarEstadia();
        travarEstadia();
        m_carregando = false;
    }
    const ModoFormulario m = modoFormulario(modo, cbCliente->currentText(), textoUH(), m_baixa);
    Label1->setText(m.titulo);
    lblStatus->setText(m.status);
    recarregarHospedes();
    recarregarItens();
    recarregarDespesas();
    btnRemoverHospede->setVisible(dbgHospedes->rowCount() > 0);
    if (tParametros().sim(QStringLiteral("APENAS_ESPECIE"))) {
        // Cash only, in both payment panels.
        for (QLineEdit *e : {edtVisa2, edtDebVisa2, edtMaster2, edtDebMaster2, edtHiper2, edtCheque2, edtDeposito,
                             edtVisa, edtDebVisa, edtMaster, edtDebMaster, edtHiper, edtCheque})
            e->parentWidget()->hide();
    }
    recalcular();
}

void TFrmCadWalkIn::carregarEstadia()
{
    if (!m_lista || m_lista->vazia())
        return;
    ContextoListaEstadias &l = *m_lista;
    m_chave = l.idEntrada();
    lblCodEntrada->setText(QString::number(m_chave));
    m_baixa = l.texto(QStringLiteral("BAIXA"));
    lblValorAdiantado->setText(
        DM->Conexao.ler(QStringLiteral("SELECT ADIANTADO FROM WALK_IN WHERE ID_WALK_IN = ?"), {m_chave})
            .dinheiro(QStringLiteral("ADIANTADO"))
            .formatado());
    definirChave(cbReserva, l.campo(QStringLiteral("ID_RESERVA")).toLongLong());
    edtData1->setDate(l.campo(QStringLiteral("DATA_ENTRADA")).toDate());
    edtHora1->setTime(l.campo(QStringLiteral("HORA_ENTRADA")).toTime());
    edtData2->setDate(l.campo(QStringLiteral("DATA_SAIDA")).toDate());
    edtHora2->setTime(l.campo(QStringLiteral("HORA_SAIDA")).toTime());
    definirChave(cbCliente, l.campo(QStringLiteral("ID_CLIENTE")).toLongLong());
    lblCpf->setText(QStringLiteral("DOC.: ")
                    + DM->Conexao.ler(QStringLiteral("SELECT CNPJ_CPF FROM CLIENTE WHERE ID_CLIENTE = ?"),
                                      {l.campo(QStringLiteral("ID_CLIENTE"))})
                          .texto(QStringLiteral("CNPJ_CPF")));
    definirChave(cbUH, l.campo(QStringLiteral("ID_UH")).toLongLong());
    edtNumPessoas->setText(l.texto(QStringLiteral("QTD_ADULTOS")));
    edtDiaria->setText(Dinheiro::deVariant(l.campo(QStringLiteral("VALOR_DIARIA"))).formatado());
    // A motel stay at the overnight rate reopens with "Pernoite" shown and ticked.
    const CalculoEstadia::TaxasTipo taxas = CalculoEstadia::lerTaxas(DM->Conexao, l.campo(QStringLiteral("ID_UH")).toLongLong());
    const Dinheiro gravada = Dinheiro::deVariant(l.campo(QStringLiteral("VALOR_DIARIA")));
    if (motel()) {
        const CalculoEstadia::Pernoite p = CalculoEstadia::decidirPernoite(
            QDateTime(edtData1->date(), edtHora1->time()), gravada, taxas, CalculoEstadia::ConfigMotel::deParametros(),
            m_carregouPernoite);
        chkPernoite->setVisible(p.visivel);
        if (p.marcar) {
            chkPernoite->setChecked(true);
            m_carregouPernoite = true;
        }
    }
    // The references of the rate limits: the room type's rate and floor for
    // the stay's persons (the stored rate is kept on screen).
    const CalculoEstadia::TaxaPessoas ref =
        CalculoEstadia::taxaParaPessoas(taxas, Entrada::numeroPessoas(l.texto(QStringLiteral("QTD_ADULTOS"))), motel(),
                                        chkPernoite->isVisibleTo(this) && chkPernoite->isChecked());
    m_valorDiariaPadrao = ref.diaria;
    m_valorMin = ref.minimo;
    QString obs = l.texto(QStringLiteral("OBS"));
    obs.replace(QLatin1Char('\r'), QLatin1Char(' '));
    obs.replace(QLatin1Char('\n'), QLatin1Char(' '));
    edtObs->setText(obs);
}

void TFrmCadWalkIn::travarEstadia()
{
    const QString modo = op();
    for (QWidget *w : std::initializer_list<QWidget *>{
             btnIncluirHospede, btnRemoverHospede, btnIncluirFrigobar, btnRemoverFrigobar, btnIncluirDespesa,
             btnRemoverDespesa, btnIncluirItem, btnRemoverItem, cbReserva, cbCliente, cbUH, edtData1, edtHora1,
             edtData2, edtHora2, edtNumPessoas, edtDiaria, edtObs, btnAdiantamento})
        w->setEnabled(false);
    btnSalvarObs->setEnabled(true);
    const auto agora = [this] {
        edtData2->setDate(Relogio::hoje());
        edtHora2->setTime(Relogio::horaAtual());
    };
    if (modo == QLatin1String("V")) {
        btnSalvarObs->setEnabled(false);
        btnConfirmar->setEnabled(false);
        btnIncluirVeiculo->setEnabled(false);
        btnRemoverVeiculo->setEnabled(false);
    } else if (modo == QStringLiteral("Saída")) {
        btnAdiantamento->setEnabled(true);
        agora();
        btnConfirmar->setEnabled(false);
        edtObs->setEnabled(true);
        btnIncluirDespesa->setEnabled(true);
        m_despesasLiberadas = true;
        for (QPushButton *b : {btnFecharConta, btnExtratoConta, btnExtratoConferencia})
            b->show();
    } else if (modo == QLatin1String("Despesas") || modo == QLatin1String("Itens")) {
        const bool despesas = modo == QLatin1String("Despesas");
        agora();
        btnConfirmar->setEnabled(false);
        btnCancelar->setText(QStringLiteral("Fechar"));
        edtObs->setEnabled(true);
        (despesas ? btnIncluirDespesa : btnIncluirItem)->setEnabled(true);
        if (despesas)
            m_despesasLiberadas = true;
        else
            btnRemoverItem->setEnabled(true);
        pnlPrincipal->hide();
        btnTiposUH->hide();
        (despesas ? pnlItens : pnlDespesas)->hide();
        pnlFrigobar->hide();
        pnlHospedes->hide();
        if (despesas) {
            // consumption in the main panel's place
        }
    }
}

// ---------------------------------------------------------------- selectors

void TFrmCadWalkIn::definirChave(QComboBox *c, qint64 chave)
{
    const int i = c->findData(chave);
    c->setCurrentIndex(i < 0 ? 0 : i);
}

qint64 TFrmCadWalkIn::chaveDe(QComboBox *c) const
{
    return c->currentData().toLongLong();
}

QString TFrmCadWalkIn::textoUH() const
{
    return cbUH->currentText().section(QStringLiteral(" / "), 0, 0);
}

void TFrmCadWalkIn::lerTarifa()
{
    m_valorMin = Dinheiro();
    if (edtNumPessoas->text().trimmed().isEmpty()) {
        m_valorDiariaPadrao = Dinheiro::deTexto(edtDiaria->text()).value_or(Dinheiro());
        return;
    }
    const int n = Entrada::numeroPessoas(edtNumPessoas->text());
    CalculoEstadia::TaxaPessoas t;
    if (n >= 1 && chaveDe(cbUH) > 0) {
        const CalculoEstadia::TaxasTipo taxas = CalculoEstadia::lerTaxas(DM->Conexao, chaveDe(cbUH));
        if (motel()) {
            // The overnight box first: it chooses between the initial period and the overnight.
            std::optional<Dinheiro> gravada;
            if (op() != QLatin1String("I") && m_lista && !m_lista->vazia())
                gravada = Dinheiro::deVariant(m_lista->campo(QStringLiteral("VALOR_DIARIA")));
            const CalculoEstadia::Pernoite p = CalculoEstadia::decidirPernoite(
                QDateTime(edtData1->date(), edtHora1->time()), gravada, taxas, CalculoEstadia::ConfigMotel::deParametros(),
                m_carregouPernoite);
            chkPernoite->setVisible(p.visivel);
            if (p.marcar) {
                chkPernoite->setChecked(true);
                m_carregouPernoite = true;
            }
        }
        t = CalculoEstadia::taxaParaPessoas(taxas, n, motel(), chkPernoite->isVisibleTo(this) && chkPernoite->isChecked());
    }
    m_valorMin = t.minimo;
    edtDiaria->setText(t.diaria.formatado());
    m_valorDiariaPadrao = t.diaria;
}

void TFrmCadWalkIn::oferecer(bool porUH, qint64 chave)
{
    const std::optional<Oferta> o = reservaDeHoje(DM->Conexao, porUH, chave, Relogio::hoje());
    if (!o)
        return;
    if (Mensagem::pergunta(textoOferta(*o, porUH)))
        definirChave(cbReserva, o->idReserva);
}

void TFrmCadWalkIn::cbUHChange()
{
    if (m_carregando)
        return;
    const bool novo = op() == QLatin1String("I");
    if (novo && chaveDe(cbUH) > 0 && chaveDe(cbCliente) == 0 && chaveDe(cbReserva) == 0) {
        oferecer(true, chaveDe(cbUH));
        if (chaveDe(cbReserva) > 0)
            return; // the reservation filled the form, this room included
    }
    edtDiaria->setText(QStringLiteral("0,00"));
    lerTarifa();
    if (novo) {
        // The room's standard items replace whatever the previous room brought.
        const Padroes p = chaveDe(cbUH) > 0 ? padroesDaUH(DM->Conexao, chaveDe(cbUH)) : Padroes();
        m_nova.itens = p.itens;
        m_nova.frigobar = p.frigobar;
        recarregarItens();
    }
}

void TFrmCadWalkIn::cbClienteChange()
{
    if (m_carregando)
        return;
    const qint64 cliente = chaveDe(cbCliente);
    if (op() == QLatin1String("I") && cliente > 0 && chaveDe(cbUH) == 0 && chaveDe(cbReserva) == 0) {
        oferecer(false, cliente);
        if (chaveDe(cbReserva) > 0)
            return;
    }
    if (cliente > 0)
        lblCpf->setText(QStringLiteral("DOC.: ")
                        + DM->Conexao.ler(QStringLiteral("SELECT CNPJ_CPF FROM CLIENTE WHERE ID_CLIENTE = ?"), {cliente})
                              .texto(QStringLiteral("CNPJ_CPF")));
}

void TFrmCadWalkIn::cbReservaChange()
{
    if (m_carregando)
        return;
    const std::optional<Oferta> r = reservaPorId(DM->Conexao, chaveDe(cbReserva));
    if (r) {
        edtData2->setDate(r->saida);
        edtHora2->setTime(r->horaSaida);
        {
            // The customer first, without an offer of its own.
            const QSignalBlocker b(cbCliente);
            definirChave(cbCliente, r->idCliente);
        }
        cbClienteChange();
        if (chaveDe(cbUH) == r->idUH)
            cbUHChange(); // the same room: its change runs all the same
        else
            definirChave(cbUH, r->idUH);
        edtNumPessoas->setText(r->pessoas > 0 ? QString::number(r->pessoas) : QString());
        edtObs->setText(r->obs);
        edtDiaria->setFocus();
        return;
    }
    // Cleared: a new stay keeps its real arrival (now); otherwise today at 12:00.
    const QTime doze = QTime::fromString(kHora12, QStringLiteral("HH:mm:ss"));
    if (op() == QLatin1String("I")) {
        edtData1->setDate(Relogio::hoje());
        edtHora1->setTime(Relogio::horaAtual());
    } else {
        edtData1->setDate(Relogio::hoje());
        edtHora1->setTime(doze);
    }
    edtData2->setDate(Relogio::hoje());
    edtHora2->setTime(doze);
    {
        const QSignalBlocker b1(cbCliente), b2(cbUH);
        cbCliente->setCurrentIndex(0);
        cbUH->setCurrentIndex(0);
    }
    lblCpf->setText(QStringLiteral("DOC.: "));
    if (op() == QLatin1String("I")) {
        m_nova.itens.clear();
        m_nova.frigobar.clear();
        recarregarItens();
    }
    {
        const QSignalBlocker b(edtNumPessoas);
        edtNumPessoas->clear();
    }
    edtDiaria->setText(QStringLiteral("0,00"));
    edtObs->clear();
}

void TFrmCadWalkIn::edtNumPessoasChange()
{
    if (m_carregando)
        return;
    edtDiaria->setText(QStringLiteral("0,00"));
    lerTarifa();
}

// ---------------------------------------------------------------- grids

void TFrmCadWalkIn::recarregarHospedes()
{
    dbgHospedes->setRowCount(0);
    if (op() == QLatin1String("I")) {
        for (int i = 0; i < m_nova.hospedes.size(); ++i)
            linha(dbgHospedes, {m_nova.hospedes[i]}, i);
    } else {
        for (const Linha &l : DM->Conexao.lerTodas(
                 QStringLiteral("SELECT ID_HOSPEDE, NOME FROM HOSPEDE WHERE ID_ENTRADA = ? ORDER BY NOME"), {m_chave}))
            linha(dbgHospedes, {l.texto(QStringLiteral("NOME"))}, l.inteiro(QStringLiteral("ID_HOSPEDE")));
    }
    btnRemoverHospede->setVisible(dbgHospedes->rowCount() > 0);
}

void TFrmCadWalkIn::recarregarVeiculos()
{
    dbgVeiculos->setRowCount(0);
    if (op() == QLatin1String("I")) {
        for (int i = 0; i < m_nova.veiculos.size(); ++i)
            linha(dbgVeiculos, {m_nova.veiculos[i].modelo, m_nova.veiculos[i].placa}, i);
    } else {
        for (const Linha &l : DM->Conexao.lerTodas(QStringLiteral("SELECT ID_VEICULO, MODELO, PLACA FROM VEICULO WHERE "
                                                                  "ID_ENTRADA = ? ORDER BY MODELO"),
                                                   {m_chave}))
            linha(dbgVeiculos, {l.texto(QStringLiteral("MODELO")), l.texto(QStringLiteral("PLACA"))},
                  l.inteiro(QStringLiteral("ID_VEICULO")));
    }
    btnRemoverVeiculo->setVisible(dbgVeiculos->rowCount() > 0);
}

void TFrmCadWalkIn::recarregarItens()
{
    dbgItens->setRowCount(0);
    dbgFrigobar->setRowCount(0);
    ConexaoBanco &c = DM->Conexao;
    if (op() == QLatin1String("I")) {
        // One line per item with the summed quantity, by description.
        QMap<qint64, int> itens;
        for (const ItemQtd &i : m_nova.itens)
            itens[i.id] += i.qtd;
        QList<QPair<QString, qint64>> ordem;
        for (auto it = itens.cbegin(); it != itens.cend(); ++it)
            ordem.append({c.ler(QStringLiteral("SELECT DESCRICAO FROM ITEM WHERE ID_ITEM = ?"), {it.key()})
                              .texto(QStringLiteral("DESCRICAO")),
                          it.key()});
        std::sort(ordem.begin(), ordem.end());
        for (const auto &[d, id] : ordem)
            linha(dbgItens, {QString::number(id), d, QString::number(itens[id])}, id);
        QMap<QPair<qint64, qint64>, int> ps;
        for (const ProdutoQtd &p : m_nova.frigobar)
            ps[{p.id, p.valor.centavos()}] += p.qtd;
        for (auto it = ps.cbegin(); it != ps.cend(); ++it)
            linha(dbgFrigobar,
                  {QString::number(it.key().first),
                   c.ler(QStringLiteral("SELECT DESCRICAO FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {it.key().first})
                       .texto(QStringLiteral("DESCRICAO")),
                   QString::number(it.value()), Dinheiro::deCentavos(it.key().second).formatado()},
                  it.key().first);
        dbgItens->resizeColumnsToContents();
        dbgFrigobar->resizeColumnsToContents();
        btnRemoverItem->setVisible(dbgItens->rowCount() > 0);
        btnRemoverFrigobar->setVisible(dbgFrigobar->rowCount() > 0);
        return;
    }
    for (const Linha &l : c.lerTodas(QStringLiteral("SELECT E.ID_ITEM, I.DESCRICAO, SUM(E.QTD) AS QTD FROM ITEM_ENTRADA E "
                                                    "LEFT JOIN ITEM I ON I.ID_ITEM = E.ID_ITEM WHERE E.ID_ENTRADA = ? "
                                                    "GROUP BY E.ID_ITEM, I.DESCRICAO ORDER BY I.DESCRICAO"),
                                     {m_chave}))
        linha(dbgItens, {l.texto(QStringLiteral("ID_ITEM")), l.texto(QStringLiteral("DESCRICAO")), l.texto(QStringLiteral("QTD"))},
              l.inteiro(QStringLiteral("ID_ITEM")));
    for (const Linha &l :
         c.lerTodas(QStringLiteral("SELECT E.ID_P_S, S.DESCRICAO, E.VALOR, SUM(E.QTD) AS QTD FROM PS_ENTRADA E LEFT JOIN "
                                   "PRODUTOS_SERVICOS S ON S.ID_P_S = E.ID_P_S WHERE E.ID_ENTRADA = ? GROUP BY "
                                   "E.ID_P_S, S.DESCRICAO, E.VALOR ORDER BY S.DESCRICAO"),
                    {m_chave}))
        linha(dbgFrigobar,
              {l.texto(QStringLiteral("ID_P_S")), l.texto(QStringLiteral("DESCRICAO")), l.texto(QStringLiteral("QTD")),
               l.dinheiro(QStringLiteral("VALOR")).formatado()},
              l.inteiro(QStringLiteral("ID_P_S")));
    dbgItens->resizeColumnsToContents();
    dbgFrigobar->resizeColumnsToContents();
    btnRemoverItem->setVisible(dbgItens->rowCount() > 0);
    btnRemoverFrigobar->setVisible(dbgFrigobar->rowCount() > 0);
}

void TFrmCadWalkIn::recarregarDespesas()
{
    dbgDespesas->setRowCount(0);
    const auto pago = [this](const QString &p) {
        dbgDespesas->item(dbgDespesas->rowCount() - 1, 0)->setData(Qt::UserRole + 1, p);
    };
    if (op() == QLatin1String("I")) {
        // Lines held until the check-in: the fee as it will be written.
        const QString login = Sessao::atual().login;
        for (int i = 0; i < m_nova.consumo.size(); ++i) {
            const Consumo::LinhaNova &l = m_nova.consumo[i];
            const Dinheiro unit = Dinheiro::deTexto(l.valorUnit).value_or(Dinheiro());
            linha(dbgDespesas,
                  {QString::number(l.produto), l.descricao, l.qtd.trimmed(), unit.formatado(),
                   Consumo::taxaDoProduto(DM->Conexao, l.produto).formatado(),
                   Adiantamento::valorLinha(DM->Conexao, l).formatado(), l.data.toString(QStringLiteral("dd/MM/yyyy")), QString(),
                   QString::number(l.comanda), login, l.responsavel.toUpper()},
                  i);
            pago(QStringLiteral("N"));
        }
    } else {
        for (const Linha &l : DM->Conexao.lerTodas(
                 QStringLiteral("SELECT D.ID_DESPESA_UH, D.ID_P_S, S.DESCRICAO, D.QTD, D.VALOR_UNIT, D.TAXA, D.DATA, "
                                "D.HORA, D.COMANDA, D.USUARIO, D.RESPONSAVEL, D.PAGO FROM DESPESA_UH D "
                                "LEFT JOIN PRODUTOS_SERVICOS S ON S.ID_P_S = D.ID_P_S WHERE D.ID_ENTRADA = ? "
                                "ORDER BY D.DATA, D.ID_DESPESA_UH"),
                 {m_chave})) {
            const Dinheiro unit = l.dinheiro(QStringLiteral("VALOR_UNIT"));
            const Dinheiro taxa = l.dinheiro(QStringLiteral("TAXA"));
            linha(dbgDespesas,
                  {l.texto(QStringLiteral("ID_P_S")), l.texto(QStringLiteral("DESCRICAO")), l.texto(QStringLiteral("QTD")),
                   unit.formatado(), taxa.formatado(),
                   CalculoEstadia::valorLinhaConsumo(l.inteiro(QStringLiteral("QTD")), unit, taxa).formatado(),
                   l.data(QStringLiteral("DATA")).toString(QStringLiteral("dd/MM/yyyy")),
                   l.hora(QStringLiteral("HORA")).toString(QStringLiteral("HH:mm:ss")), l.texto(QStringLiteral("COMANDA")),
                   l.texto(QStringLiteral("USUARIO")), l.texto(QStringLiteral("RESPONSAVEL"))},
                  l.inteiro(QStringLiteral("ID_DESPESA_UH")));
            pago(l.texto(QStringLiteral("PAGO")));
        }
    }
    dbgDespesas->resizeColumnsToContents();
    if (dbgDespesas->rowCount() > 0 && dbgDespesas->currentRow() < 0)
        dbgDespesas->setCurrentCell(0, 0);
    habilitarRemoverDespesa();
}

// ---------------------------------------------------------------- guests

void TFrmCadWalkIn::btnIncluirHospedeClick()
{
    edtNomeHospede->clear();
    pnlNovoHospede->show();
    edtNomeHospede->setFocus();
}

void TFrmCadWalkIn::btnConfirmarHospedeClick()
{
    QString erro;
    const std::optional<QString> nome = nomeHospede(edtNomeHospede->text(), &erro);
    if (!nome) {
        Mensagem::aviso(erro);
        edtNomeHospede->setFocus();
        return;
    }
    if (op() == QLatin1String("I")) {
        m_nova.hospedes.append(*nome);
    } else {
        Entrada::incluirHospede(DM->Conexao, m_chave, *nome, textoUH());
    }
    recarregarHospedes();
    pnlNovoHospede->hide();
}

void TFrmCadWalkIn::btnRemoverHospedeClick()
{
    const int r = linhaEscolhida(dbgHospedes);
    if (r < 0)
        return;
    const QString nome = dbgHospedes->item(r, 0)->text();
    const qint64 chave = dbgHospedes->item(r, 0)->data(Qt::UserRole).toLongLong();
    if (op() == QLatin1String("I")) {
        m_nova.hospedes.removeAt(int(chave));
    } else {
        Entrada::excluirHospede(DM->Conexao, m_chave, chave, nome, textoUH());
    }
    recarregarHospedes();
}

// ---------------------------------------------------------------- vehicles

void TFrmCadWalkIn::btnVeiculosClick()
{
    pnlVeiculos->setVisible(!pnlVeiculos->isVisible());
    recarregarVeiculos();
}

void TFrmCadWalkIn::btnIncluirVeiculoClick()
{
    edtModelo->clear();
    edtPlaca->clear();
    pnlNovoVeiculo->show();
    edtModelo->setFocus();
}

void TFrmCadWalkIn::btnConfirmarVeiculoClick()
{
    QString erro;
    const std::optional<Veiculo> v = veiculo(edtModelo->text(), edtPlaca->text(), &erro);
    if (!v) {
        Mensagem::aviso(erro);
        edtModelo->setFocus();
        return;
    }
    if (op() == QLatin1String("I")) {
        m_nova.veiculos.append(*v);
    } else {
        Entrada::incluirVeiculo(DM->Conexao, m_chave, *v);
    }
    recarregarVeiculos();
    pnlNovoVeiculo->hide();
}

void TFrmCadWalkIn::btnRemoverVeiculoClick()
{
    const int r = linhaEscolhida(dbgVeiculos);
    if (r < 0)
        return;
    const QString modelo = dbgVeiculos->item(r, 0)->text();
    const QString placa = dbgVeiculos->item(r, 1)->text();
    const qint64 chave = dbgVeiculos->item(r, 0)->data(Qt::UserRole).toLongLong();
    if (op() == QLatin1String("I")) {
        m_nova.veiculos.removeAt(int(chave));
    } else {
        Entrada::excluirVeiculo(DM->Conexao, m_chave, chave, Entrada::Veiculo{modelo, placa});
    }
    recarregarVeiculos();
}

void TFrmCadWalkIn::btnBuscarClick()
{
    Telas::abrir<TFrmBuscarVeiculo>(FrmBuscarVeiculo, chaveDe(cbCliente), edtModelo, edtPlaca);
    edtModelo->setFocus();
}

// ---------------------------------------------------------------- confirm / cancel

Entrada::Dados TFrmCadWalkIn::reunir() const
{
    Entrada::Dados d = m_nova;
    d.idEntrada = m_chave;
    d.reserva = chaveDe(cbReserva);
    if (op() != QLatin1String("I") && m_lista && !m_lista->vazia()) {
        d.reservaGravada = m_lista->campo(QStringLiteral("ID_RESERVA")).toLongLong();
        // The checks count the stay's guests as stored.
        d.existente = true;
    }
    d.cliente = chaveDe(cbCliente);
    d.nomeCliente = cbCliente->currentText();
    d.uh = chaveDe(cbUH);
    d.numeroUH = textoUH();
    d.pessoas = edtNumPessoas->text().trimmed();
    d.dataEntrada = edtData1->date();
    d.horaEntrada = edtHora1->time();
    d.dataSaida = edtData2->date();
    d.horaSaida = edtHora2->time();
    d.diaria = edtDiaria->text().trimmed();
    d.obs = edtObs->text();
    d.valorDiariaPadrao = m_valorDiariaPadrao;
    d.valorMin = m_valorMin;
    Entrada::lerGravados(DM->Conexao, d);
    return d;
}

namespace {

void mostrarRecusa(const Entrada::Recusa &r)
{
    if (r.erro)
        Mensagem::erro(r.mensagem);
    else
        Mensagem::aviso(r.mensagem);
}

} // namespace

void TFrmCadWalkIn::btnConfirmarClick()
{
    if (!btnConfirmar->isEnabled())
        return;
    const QString modo = op();
    const bool novo = modo == QLatin1String("I");
    if (!novo && modo != QLatin1String("A"))
        return;
    const Entrada::Dados d = reunir();
    const auto focar = [this](Entrada::Campo c) {
        switch (c) {
        case Entrada::Campo::Cliente: cbCliente->setFocus(); break;
        case Entrada::Campo::UH: cbUH->setFocus(); break;
        case Entrada::Campo::Pessoas: edtNumPessoas->setFocus(); break;
        case Entrada::Campo::Diaria: edtDiaria->setFocus(); break;
        case Entrada::Campo::IncluirHospede: btnIncluirHospede->setFocus(); break;
        case Entrada::Campo::Saida: edtData2->setFocus(); break;
        case Entrada::Campo::Nenhum: break;
        }
    };
    const Entrada::Verificacao v = Entrada::verificar(DM->Conexao, d, Entrada::Regras::atuais(), Relogio::agora(),
                                                      [](const QString &t) { return Mensagem::pergunta(t); });
    if (v.abandonada) {
        btnCancelarClick(); // nothing was written: leaving discards the form's children
        return;
    }
    if (v.recusa) {
        mostrarRecusa(*v.recusa);
        focar(v.recusa->foco);
        return;
    }
    // Pressed once: a second press waits for this one's outcome.
    btnConfirmar->setEnabled(false);
    struct Reabilita {
        QPushButton *b;
        bool ok = false;
        ~Reabilita()
        {
            if (!ok)
                b->setEnabled(true);
        }
    } reabilita{btnConfirmar};
    const Entrada::Gravacao g = novo ? Entrada::incluir(DM->Conexao, d, Sessao::atual().login, Relogio::hoje())
                                     : Entrada::alterar(DM->Conexao, d);
    if (g.recusa) {
        mostrarRecusa(*g.recusa);
        focar(g.recusa->foco);
        return;
    }
    reabilita.ok = true;
    if (novo) {
        m_nova = Entrada::Dados(); // written under the stay's key
        if (!motel() && Mensagem::pergunta(Entrada::Textos::PerguntaExtrato) && CadWalkIn::abrirExtrato)
            CadWalkIn::abrirExtrato(g.idEntrada, CadWalkIn::Extrato::Entrada);
    } else {
        if (m_lista)
            m_lista->reabrir();
        Mensagem::info(Entrada::Textos::Atualizada);
    }
    accept();
}

void TFrmCadWalkIn::btnCancelarClick()
{
    // A new stay's guests, vehicles and items were never written: leaving
    // discards them with the form.
    m_nova = Entrada::Dados();
    if (m_lista && m_lista->modo() != QLatin1String("Despesas") && m_lista->modo() != QStringLiteral("Saída"))
        m_lista->definirModo(QString());
    QDialog::reject();
}

void TFrmCadWalkIn::reject()
{
    btnCancelarClick();
}

void TFrmCadWalkIn::btnSalvarObsClick()
{
    if (!btnSalvarObs->isEnabled() || !m_lista || m_lista->vazia())
        return;
    const qint64 id = m_lista->idEntrada();
    Entrada::gravarObservacao(DM->Conexao, id, edtObs->text());
    Mensagem::info(QString::fromUtf8(CadWalkIn::kMsgObsAtualizada));
}

bool TFrmCadWalkIn::eventFilter(QObject *o, QEvent *e)
{
    if (o == edtCodBarras && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            edtCodBarrasEnter();
            return true;
        }
    }
    auto *edit = qobject_cast<QLineEdit *>(o);
    if (edit && edit != edtDiaria && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)) {
        const bool entrou = e->type() == QEvent::FocusIn;
        if (edit == edtQtd || edit == edtComanda || edit == edtQtdItem || edit == edtQtdFrigobar) {
            // Leaving a quantity (or the order ticket) empty writes its default.
            if (!entrou && edit->text().trimmed().isEmpty())
                edit->setText(edit == edtQtd ? QStringLiteral("1") : QStringLiteral("0"));
        } else if (entrou) {
            // A money edit: the thousands dots go while it is typed in.
            edit->setText(edit->text().remove(QLatin1Char('.')));
            if (edit == edtValorUnit || edit == edtValorFrigobar)
                edit->setReadOnly(!Sessao::atual().direitos.MOVIMENTOS && Sessao::atual().Permitido.isEmpty());
        } else {
            if (edit->text().trimmed().isEmpty())
                edit->setText(QStringLiteral("0,00"));
            else if (const auto v = Dinheiro::deTexto(edit->text()))
                edit->setText(v->formatado());
            edit->setReadOnly(false);
        }
    }
    if (o == edtDiaria) {
        if (e->type() == QEvent::FocusIn)
            edtDiaria->setText(TiraPontoTracoBarra(edtDiaria->text()));
        else if (e->type() == QEvent::FocusOut) {
            const auto v = Dinheiro::deTexto(edtDiaria->text());
            edtDiaria->setText(v ? v->formatado() : QStringLiteral("0,00"));
        }
    }
    return QDialog::eventFilter(o, e);
}

// ---------------------------------------------------------------- reason box

TFrmMotivo *FrmMotivo = nullptr;

TFrmMotivo::TFrmMotivo(const QString &titulo, const QString &pergunta, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(titulo);
    auto *v = new QVBoxLayout(this);
    v->addWidget(new QLabel(pergunta, this));
    edtMotivo = new QLineEdit(this);
    edtMotivo->setMaxLength(150);
    v->addWidget(edtMotivo);
    auto *h = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    auto *cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    ok->setDefault(true);
    h->addStretch(1);
    h->addWidget(ok);
    h->addWidget(cancelar);
    v->addLayout(h);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    resize(380, sizeHint().height());
}

QString TFrmMotivo::motivo() const { return edtMotivo->text().trimmed(); }

// ---------------------------------------------------------------- panels on demand

namespace {

// A money edit of a payment panel: "0,00" to start with.
QLineEdit *editDinheiro(QWidget *pai)
{
    auto *e = new QLineEdit(QStringLiteral("0,00"), pai);
    e->setAlignment(Qt::AlignRight);
    e->setMaxLength(20);
    e->setFixedWidth(110);
    return e;
}

Dinheiro valorDe(const QLineEdit *e) { return Dinheiro::deTexto(e->text()).value_or(Dinheiro()); }

QPushButton *botaoFechar(QWidget *painel)
{
    auto *x = new QPushButton(QStringLiteral("x"), painel);
    x->setFixedWidth(26);
    QObject::connect(x, &QPushButton::clicked, painel, &QWidget::hide);
    return x;
}

QGroupBox *painelFlutuante(const QString &titulo, QWidget *pai)
{
    auto *p = new QGroupBox(titulo, pai);
    p->setAutoFillBackground(true);
    p->setStyleSheet(QStringLiteral("QGroupBox { background-color: #ECECEC; border: 2px solid #000080; "
                                    "margin-top: 10px; padding-top: 6px; font-weight: bold; }"
                                    "QGroupBox::title { subcontrol-origin: margin; left: 8px; }"));
    p->hide();
    return p;
}

} // namespace

void TFrmCadWalkIn::montarPaineis()
{
    const auto rot = [](const char *t, QWidget *pai) { return new QLabel(QString::fromUtf8(t), pai); };
    // Consumption entry.
    pnlNovaDespesa = painelFlutuante(QStringLiteral("Incluir Despesa:"), this);
    {
        auto *g = new QGridLayout(pnlNovaDespesa);
        lblCodBarras = rot("Código de Barras:", pnlNovaDespesa);
        edtCodBarras = new QLineEdit(pnlNovaDespesa);
        edtCodBarras->setMaxLength(20);
        edtCodBarras->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edtCodBarras));
        cbProduto = new QComboBox(pnlNovaDespesa);
        cbProduto->setMinimumWidth(320);
        edtQtd = new QLineEdit(pnlNovaDespesa);
        edtQtd->setMaxLength(20);
        edtValorUnit = editDinheiro(pnlNovaDespesa);
        edtDataDespesa = new QDateEdit(pnlNovaDespesa);
        edtDataDespesa->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        edtDataDespesa->setCalendarPopup(true);
        chkPago = new QCheckBox(QStringLiteral("Pago?"), pnlNovaDespesa);
        edtComanda = new QLineEdit(pnlNovaDespesa);
        edtComanda->setMaxLength(9);
        edtComanda->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edtComanda));
        edtResponsavel = new QLineEdit(pnlNovaDespesa);
        emMaiusculas(edtResponsavel, 90);
        btnConfirmarDespesa = new QPushButton(QStringLiteral("Confirmar"), pnlNovaDespesa);
        g->addWidget(lblCodBarras, 0, 0);
        g->addWidget(edtCodBarras, 0, 1);
        g->addWidget(botaoFechar(pnlNovaDespesa), 0, 3, Qt::AlignRight);
        g->addWidget(rot("P / S:", pnlNovaDespesa), 1, 0);
        g->addWidget(cbProduto, 1, 1, 1, 3);
        g->addWidget(rot("Qtd.:", pnlNovaDespesa), 2, 0);
        g->addWidget(edtQtd, 2, 1);
        g->addWidget(rot("Valor Unit. R$", pnlNovaDespesa), 2, 2);
        g->addWidget(edtValorUnit, 2, 3);
        g->addWidget(rot("Data:", pnlNovaDespesa), 3, 0);
        g->addWidget(edtDataDespesa, 3, 1);
        g->addWidget(chkPago, 3, 2);
        g->addWidget(rot("Comanda:", pnlNovaDespesa), 4, 0);
        g->addWidget(edtComanda, 4, 1);
        g->addWidget(rot("Responsável:", pnlNovaDespesa), 5, 0);
        g->addWidget(edtResponsavel, 5, 1, 1, 3);
        g->addWidget(btnConfirmarDespesa, 6, 3);
    }
    // Room item entry.
    pnlNovoItem = painelFlutuante(QStringLiteral("Incluir Item de Estoque:"), this);
    {
        auto *g = new QGridLayout(pnlNovoItem);
        cbItem = new QComboBox(pnlNovoItem);
        cbItem->setMinimumWidth(280);
        edtQtdItem = new QLineEdit(QStringLiteral("0"), pnlNovoItem);
        edtQtdItem->setMaxLength(20);
        btnConfirmarItem = new QPushButton(QStringLiteral("Confirmar"), pnlNovoItem);
        g->addWidget(rot("Item:", pnlNovoItem), 0, 0);
        g->addWidget(cbItem, 0, 1);
        g->addWidget(botaoFechar(pnlNovoItem), 0, 2);
        g->addWidget(rot("Qtd.:", pnlNovoItem), 1, 0);
        g->addWidget(edtQtdItem, 1, 1);
        g->addWidget(btnConfirmarItem, 2, 1, Qt::AlignRight);
    }
    // Minibar entry.
    pnlNovoFrigobar = painelFlutuante(QStringLiteral("Incluir Produto / Serviço:"), this);
    {
        auto *g = new QGridLayout(pnlNovoFrigobar);
        cbProdutoFrigobar = new QComboBox(pnlNovoFrigobar);
        cbProdutoFrigobar->setMinimumWidth(280);
        edtQtdFrigobar = new QLineEdit(QStringLiteral("0"), pnlNovoFrigobar);
        edtQtdFrigobar->setMaxLength(20);
        edtValorFrigobar = editDinheiro(pnlNovoFrigobar);
        btnConfirmarFrigobar = new QPushButton(QStringLiteral("Confirmar"), pnlNovoFrigobar);
        g->addWidget(rot("P / S:", pnlNovoFrigobar), 0, 0);
        g->addWidget(cbProdutoFrigobar, 0, 1, 1, 3);
        g->addWidget(botaoFechar(pnlNovoFrigobar), 0, 4);
        g->addWidget(rot("Qtd.:", pnlNovoFrigobar), 1, 0);
        g->addWidget(edtQtdFrigobar, 1, 1);
        g->addWidget(rot("Valor Unit. R$", pnlNovoFrigobar), 1, 2);
        g->addWidget(edtValorFrigobar, 1, 3);
        g->addWidget(btnConfirmarFrigobar, 2, 3);
    }
    // The payment panels: one row (caption and edit) per means.
    const auto linhaMeio = [this](QGroupBox *p, QVBoxLayout *v, const QString &rotulo) {
        auto *linha = new QWidget(p);
        auto *h = new QHBoxLayout(linha);
        h->setContentsMargins(0, 0, 0, 0);
        auto *r = new QLabel(rotulo, linha);
        r->setMinimumWidth(150);
        h->addWidget(r);
        QLineEdit *e = editDinheiro(linha);
        h->addWidget(e);
        v->addWidget(linha);
        e->installEventFilter(this);
        connect(e, &QLineEdit::textChanged, this, [this, p, e] {
            if (!e->text().isEmpty())
                somarPainel(p);
        });
        return e;
    };
    const QStringList meios = {QStringLiteral("Dinheiro"),           QStringLiteral("Crédito - Visa"),
                               QStringLiteral("Débito - Visa"),      QStringLiteral("Crédito - Mastercard"),
                               QStringLiteral("Débito - Mastercard"), QStringLiteral("Crédito - Hipercard"),
                               QStringLiteral("Pix / Chq")};
    pnlAdiantamento = painelFlutuante(QStringLiteral("Forma de Adiantamento"), this);
    {
        auto *v = new QVBoxLayout(pnlAdiantamento);
        QLineEdit **e[] = {&edtDinheiro2, &edtVisa2, &edtDebVisa2, &edtMaster2, &edtDebMaster2, &edtHiper2, &edtCheque2};
        for (int i = 0; i < 7; ++i)
            *e[i] = linhaMeio(pnlAdiantamento, v, meios[i]);
        edtDeposito = linhaMeio(pnlAdiantamento, v, QStringLiteral("Deposito em Conta"));
        lblTotal2 = new QLabel(QStringLiteral("Total -> R$ 0,00"), pnlAdiantamento);
        lblTotal2->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; color: #000080; }"));
        v->addWidget(lblTotal2);
        auto *h = new QHBoxLayout;
        btnConfirmarAdiantamento = new QPushButton(QStringLiteral("Confirmar"), pnlAdiantamento);
        btnCancelarAdiantamento = new QPushButton(QStringLiteral("Cancelar"), pnlAdiantamento);
        h->addStretch(1);
        h->addWidget(btnConfirmarAdiantamento);
        h->addWidget(btnCancelarAdiantamento);
        v->addLayout(h);
        connect(btnCancelarAdiantamento, &QPushButton::clicked, pnlAdiantamento, &QWidget::hide);
        connect(btnConfirmarAdiantamento, &QPushButton::clicked, this, &TFrmCadWalkIn::btnConfirmarAdiantamentoClick);
    }
    pnlPagamento = painelFlutuante(QStringLiteral("Forma de Pagamento"), this);
    {
        auto *v = new QVBoxLayout(pnlPagamento);
        lblRestante = new QLabel(QStringLiteral("R$ 0,00"), pnlPagamento);
        lblRestante->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; color: #800000; }"));
        v->addWidget(lblRestante);
        QLineEdit **e[] = {&edtDinheiro, &edtVisa, &edtDebVisa, &edtMaster, &edtDebMaster, &edtHiper, &edtCheque};
        for (int i = 0; i < 7; ++i)
            *e[i] = linhaMeio(pnlPagamento, v, meios[i]);
        lblTotal = new QLabel(QStringLiteral("Total -> R$ 0,00"), pnlPagamento);
        lblTotal->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; color: #000080; }"));
        v->addWidget(lblTotal);
        auto *h = new QHBoxLayout;
        btnConfirmarPagamento = new QPushButton(QStringLiteral("Confirmar"), pnlPagamento);
        btnCancelarPagamento = new QPushButton(QStringLiteral("Cancelar"), pnlPagamento);
        h->addStretch(1);
        h->addWidget(btnConfirmarPagamento);
        h->addWidget(btnCancelarPagamento);
        v->addLayout(h);
        connect(btnConfirmarPagamento, &QPushButton::clicked, this, &TFrmCadWalkIn::btnConfirmarPagamentoClick);
        connect(btnCancelarPagamento, &QPushButton::clicked, this, &TFrmCadWalkIn::btnCancelarPagamentoClick);
    }
    for (QLineEdit *e : {edtValorUnit, edtValorFrigobar})
        e->installEventFilter(this);
    for (QLineEdit *e : {edtQtd, edtComanda, edtQtdItem, edtQtdFrigobar})
        e->installEventFilter(this);
    connect(cbProduto, qOverload<int>(&QComboBox::currentIndexChanged), this, &TFrmCadWalkIn::cbProdutoChange);
    connect(btnConfirmarDespesa, &QPushButton::clicked, this, &TFrmCadWalkIn::btnConfirmarDespesaClick);
    connect(btnConfirmarItem, &QPushButton::clicked, this, &TFrmCadWalkIn::btnConfirmarItemClick);
    connect(cbProdutoFrigobar, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TFrmCadWalkIn::cbProdutoFrigobarChange);
    connect(btnConfirmarFrigobar, &QPushButton::clicked, this, &TFrmCadWalkIn::btnConfirmarFrigobarClick);
}

void TFrmCadWalkIn::mostrarFlutuante(QWidget *painel)
{
    painel->adjustSize();
    const QSize t = painel->sizeHint().expandedTo(painel->minimumSizeHint());
    painel->resize(t);
    painel->move((width() - t.width()) / 2, qMax(0, (height() - t.height()) / 2));
    painel->raise();
    painel->show();
}

void TFrmCadWalkIn::somarPainel(QGroupBox *painel)
{
    const bool adiantamento = painel == pnlAdiantamento;
    Dinheiro total;
    for (QLineEdit *e : painel->findChildren<QLineEdit *>())
        total += valorDe(e);
    (adiantamento ? lblTotal2 : lblTotal)->setText(QStringLiteral("Total -> R$ ") + total.formatado());
}

bool TFrmCadWalkIn::motel() const { return tParametros().sim(QStringLiteral("MODO_MOTEL")); }

void TFrmCadWalkIn::carregarProdutos(QComboBox *c)
{
    const QSignalBlocker b(c);
    c->clear();
    c->addItem(QString(), 0);
    for (const Linha &l : DM->Conexao.lerTodas(QStringLiteral("SELECT ID_P_S, DESCRICAO FROM PRODUTOS_SERVICOS "
                                                              "WHERE EXCLUIDO = 'N' ORDER BY DESCRICAO")))
        c->addItem(l.texto(QStringLiteral("DESCRICAO")), l.inteiro(QStringLiteral("ID_P_S")));
}

// ---------------------------------------------------------------- charge

void TFrmCadWalkIn::edtDiariaChange() { recalcular(); }

void TFrmCadWalkIn::edtDataChange()
{
    if (m_carregando)
        return;
    // A date change puts back the room type's rate for the persons (a typed rate is replaced).
    const int n = Entrada::numeroPessoas(edtNumPessoas->text());
    Dinheiro tarifa;
    if (!edtNumPessoas->text().trimmed().isEmpty() && chaveDe(cbUH) > 0)
        tarifa = CalculoEstadia::taxaParaPessoas(CalculoEstadia::lerTaxas(DM->Conexao, chaveDe(cbUH)), n).diaria;
    edtDiaria->setText(tarifa.formatado());
    recalcular();
}

void TFrmCadWalkIn::chkPernoiteClick()
{
    if (m_carregando)
        return;
    lerTarifa();
}

void TFrmCadWalkIn::recalcular()
{
    if (m_carregando)
        return;
    const bool novo = op() == QLatin1String("I");
    CalculoEstadia::Estadia e;
    e.motel = motel();
    e.nova = novo;
    e.idEntrada = novo ? 0 : m_chave;
    e.chegada = QDateTime(edtData1->date(), edtHora1->time());
    e.saida = QDateTime(edtData2->date(), edtHora2->time());
    e.diaria = Dinheiro::deTexto(edtDiaria->text()).value_or(Dinheiro());
    e.pessoas = Entrada::numeroPessoas(edtNumPessoas->text());
    if (chaveDe(cbUH) > 0)
        e.taxas = CalculoEstadia::lerTaxas(DM->Conexao, chaveDe(cbUH));
    if (e.motel)
        e.motelConfig = CalculoEstadia::ConfigMotel::deParametros();
    if (novo)
        for (const Consumo::LinhaNova &l : m_nova.consumo)
            e.consumoPendente += Adiantamento::valorLinha(DM->Conexao, l);
    const CalculoEstadia::Resultado r = CalculoEstadia::calcular(DM->Conexao, e);
    lblQtdDiarias->setText(QString::number(r.noites));
    lblTotalDiarias->setText(r.totalDiarias.formatado());
    lblValor->setText(r.total.formatado());
    lblValorDividido->setText(r.porPessoa ? r.porPessoa->formatado() : QStringLiteral("0,00"));
    for (QWidget *w : {static_cast<QWidget *>(m_rotQtdDiarias), static_cast<QWidget *>(lblQtdDiarias),
                       static_cast<QWidget *>(m_rotDividido), static_cast<QWidget *>(lblValorDividido)})
        w->setVisible(!e.motel);
    if (e.motel) {
        m_rotDiaria->setText(QStringLiteral("Inicial: R$"));
        m_rotTotalDiarias->setText(QStringLiteral("Valor Adicional: R$"));
    }
}

// ---------------------------------------------------------------- consumption

void TFrmCadWalkIn::btnIncluirDespesaClick()
{
    if (!btnIncluirDespesa->isEnabled())
        return;
    carregarProdutos(cbProduto);
    edtCodBarras->clear();
    edtQtd->setText(QStringLiteral("1"));
    edtDataDespesa->setMaximumDate(Relogio::hoje());
    edtDataDespesa->setDate(Relogio::hoje());
    edtValorUnit->setText(QStringLiteral("0,00"));
    m_taxaProduto = Dinheiro();
    chkPago->setChecked(false);
    edtComanda->setText(QStringLiteral("0"));
    edtResponsavel->clear();
    const bool m = motel();
    lblCodBarras->setVisible(!m);
    edtCodBarras->setVisible(!m);
    mostrarFlutuante(pnlNovaDespesa);
    (m ? static_cast<QWidget *>(cbProduto) : edtCodBarras)->setFocus();
}

void TFrmCadWalkIn::edtCodBarrasEnter()
{
    const QString codigo = edtCodBarras->text().trimmed();
    if (codigo.isEmpty()) {
        cbProduto->setFocus();
        return;
    }
    const QVariant id = DM->Conexao.valor(QStringLiteral("SELECT FIRST 1 ID_P_S FROM PRODUTOS_SERVICOS WHERE "
                                                         "CODIGO_BARRAS = CAST(? AS VARCHAR(200)) AND EXCLUIDO = 'N'"),
                                          {codigo});
    edtCodBarras->clear();
    if (id.isValid() && !id.isNull()) {
        definirChave(cbProduto, id.toLongLong());
        edtQtd->setFocus();
    } else {
        cbProduto->setFocus();
    }
}

void TFrmCadWalkIn::cbProdutoChange()
{
    const qint64 p = chaveDe(cbProduto);
    m_taxaProduto = Dinheiro();
    if (p <= 0) {
        edtValorUnit->setText(QStringLiteral("0,00"));
        return;
    }
    edtValorUnit->setText(
        DM->Conexao.ler(QStringLiteral("SELECT VALOR FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {p})
            .dinheiro(QStringLiteral("VALOR"))
            .formatado());
    m_taxaProduto = Consumo::taxaDoProduto(DM->Conexao, p);
}

Consumo::LinhaNova TFrmCadWalkIn::linhaDigitada() const
{
    Consumo::LinhaNova l;
    l.produto = chaveDe(cbProduto);
    l.descricao = cbProduto->currentText();
    l.qtd = edtQtd->text().trimmed();
    l.valorUnit = edtValorUnit->text().trimmed();
    l.data = edtDataDespesa->date();
    l.comanda = edtComanda->text().trimmed().toInt();
    l.responsavel = edtResponsavel->text();
    return l;
}

void TFrmCadWalkIn::btnConfirmarDespesaClick()
{
    const Consumo::LinhaNova l = linhaDigitada();
    if (const std::optional<Consumo::Recusa> r = Consumo::validar(l, Relogio::hoje())) {
        Mensagem::mostrar(r->tipo, r->mensagem, Mensagem::Ok);
        switch (r->foco) {
        case Consumo::Campo::Produto: cbProduto->setFocus(); break;
        case Consumo::Campo::Quantidade: edtQtd->setFocus(); break;
        case Consumo::Campo::ValorUnit: edtValorUnit->setFocus(); break;
        case Consumo::Campo::Data: edtDataDespesa->setFocus(); break;
        default: break;
        }
        return;
    }
    const bool novo = op() == QLatin1String("I");
    if (chkPago->isChecked()) {
        if (novo) {
            // The stay does not exist yet: its payment would have nowhere to go.
            Mensagem::aviso(Adiantamento::Textos::PagoAntesDaEntrada);
            chkPago->setFocus();
            return;
        }
        m_totalPagamento = Adiantamento::valorLinha(DM->Conexao, l);
        despesaAmpliada(true);
        for (QLineEdit *e : {edtVisa, edtDebVisa, edtMaster, edtDebMaster, edtHiper, edtCheque})
            e->setText(QStringLiteral("0,00"));
        edtDinheiro->setText(m_totalPagamento.formatado());
        lblRestante->setText(QStringLiteral("R$ ") + m_totalPagamento.formatado());
        lblTotal->setText(QStringLiteral("Total -> R$ ") + m_totalPagamento.formatado());
        pnlNovaDespesa->hide(); // its fields stay as typed for the payment's confirm
        mostrarFlutuante(pnlPagamento);
        edtDinheiro->setFocus();
        return;
    }
    if (novo) {
        m_nova.consumo.append(l);
    } else {
        const Consumo::Inclusao i = Consumo::incluir(DM->Conexao, m_chave, textoUH(), l);
        if (i.recusa) {
            Mensagem::mostrar(i.recusa->tipo, i.recusa->mensagem, Mensagem::Ok);
            if (i.recusa->fechada)
                mostrarFechadaEmOutraEstacao();
            return;
        }
    }
    pnlNovaDespesa->hide();
    recarregarDespesas();
    recalcular();
}

void TFrmCadWalkIn::despesaAmpliada(bool ampliada)
{
    // In consumption mode the panel already has the whole form.
    if (op() == QLatin1String("Despesas") || m_despesaAmpliada == ampliada)
        return;
    m_despesaAmpliada = ampliada;
    if (ampliada) {
        m_visiveisAntes.clear();
        for (QWidget *w : {pnlPrincipal, static_cast<QWidget *>(pnlItens), static_cast<QWidget *>(pnlFrigobar),
                           static_cast<QWidget *>(pnlHospedes)})
            if (w->isVisibleTo(this)) {
                m_visiveisAntes.append(w);
                w->hide();
            }
    } else {
        for (QWidget *w : std::as_const(m_visiveisAntes))
            w->show();
        m_visiveisAntes.clear();
    }
}

void TFrmCadWalkIn::btnCancelarPagamentoClick()
{
    pnlPagamento->hide();
    pnlNovaDespesa->hide();
    despesaAmpliada(false);
}

void TFrmCadWalkIn::btnConfirmarPagamentoClick()
{
    Adiantamento::Digitado d;
    const QLineEdit *e[] = {edtDinheiro, edtVisa, edtDebVisa, edtMaster, edtDebMaster, edtHiper, edtCheque};
    for (int i = 0; i < 7; ++i)
        d.meio[i] = e[i]->text();
    const std::optional<Pagamentos::Valores> v = Adiantamento::ler(d);
    if (!v) {
        Mensagem::aviso(Adiantamento::Textos::ValorInvalido);
        return;
    }
    const Adiantamento::Pagamento p = Adiantamento::pagarConsumo(DM->Conexao, m_chave, textoUH(), linhaDigitada(), *v);
    if (!p.gravado) {
        Mensagem::mostrar(p.tipo, p.mensagem.value_or(QString()), Mensagem::Ok);
        if (p.fechada)
            mostrarFechadaEmOutraEstacao();
        return;
    }
    recarregarDespesas();
    recarregarAdiantado();
    recalcular();
    pnlPagamento->hide();
    pnlNovaDespesa->hide();
    despesaAmpliada(false);
}

void TFrmCadWalkIn::habilitarRemoverDespesa()
{
    const int r = dbgDespesas->currentRow();
    bool pode = m_despesasLiberadas && op() != QLatin1String("V") && r >= 0 && r < dbgDespesas->rowCount();
    if (pode && dbgDespesas->item(r, 0)) {
        const QString pago = dbgDespesas->item(r, 0)->data(Qt::UserRole + 1).toString();
        pode = pago == QLatin1String("N") || (pago == QLatin1String("S") && Sessao::atual().direitos.MOVIMENTOS);
    }
    btnRemoverDespesa->setEnabled(pode);
    btnRemoverDespesa->setVisible(dbgDespesas->rowCount() > 0);
}

void TFrmCadWalkIn::btnRemoverDespesaClick()
{
    const int r = dbgDespesas->currentRow();
    if (!btnRemoverDespesa->isEnabled() || r < 0 || r >= dbgDespesas->rowCount())
        return;
    QString motivo;
    std::unique_ptr<TFrmMotivo> tela(new TFrmMotivo(Consumo::Textos::TituloMotivo, Consumo::Textos::PerguntaMotivo, this));
    FrmMotivo = tela.get();
    const int resposta = Telas::executar(tela.get(), std::type_index(typeid(TFrmMotivo)));
    motivo = tela->motivo();
    FrmMotivo = nullptr;
    tela.reset();
    if (resposta != QDialog::Accepted)
        return;
    if (motivo.isEmpty()) {
        Mensagem::aviso(Consumo::Textos::SemMotivo);
        return;
    }
    const qint64 chave = dbgDespesas->item(r, 0)->data(Qt::UserRole).toLongLong();
    if (op() == QLatin1String("I")) {
        if (chave >= 0 && chave < m_nova.consumo.size())
            m_nova.consumo.removeAt(int(chave));
    } else {
        const Consumo::Remocao x = Consumo::remover(DM->Conexao, chave, motivo, textoUH());
        if (x.recusa)
            Mensagem::mostrar(x.recusa->tipo, x.recusa->mensagem, Mensagem::Ok);
        if (x.recusa && x.recusa->fechada) {
            mostrarFechadaEmOutraEstacao();
            return;
        }
        recarregarAdiantado();
    }
    recarregarDespesas();
    recalcular();
}

void TFrmCadWalkIn::mostrarFechadaEmOutraEstacao()
{
    for (QWidget *p : {static_cast<QWidget *>(pnlNovaDespesa), static_cast<QWidget *>(pnlPagamento),
                       static_cast<QWidget *>(pnlAdiantamento), static_cast<QWidget *>(pnlNovoItem),
                       static_cast<QWidget *>(pnlNovoFrigobar)})
        p->hide();
    despesaAmpliada(false);
    m_baixa = QStringLiteral("S");
    m_despesasLiberadas = false;
    for (QPushButton *b : {btnAdiantamento, btnIncluirDespesa, btnRemoverDespesa, btnIncluirItem, btnRemoverItem,
                           btnIncluirFrigobar, btnRemoverFrigobar, btnFecharConta})
        b->setEnabled(false);
    recarregarAdiantado();
    recarregarItens();
    recarregarDespesas();
    recalcular();
}

void TFrmCadWalkIn::recarregarAdiantado()
{
    if (op() == QLatin1String("I"))
        return;
    lblValorAdiantado->setText(
        DM->Conexao.ler(QStringLiteral("SELECT ADIANTADO FROM WALK_IN WHERE ID_WALK_IN = ?"), {m_chave})
            .dinheiro(QStringLiteral("ADIANTADO"))
            .formatado());
}

// ---------------------------------------------------------------- room items

void TFrmCadWalkIn::btnIncluirItemClick()
{
    if (!btnIncluirItem->isEnabled())
        return;
    {
        const QSignalBlocker b(cbItem);
        cbItem->clear();
        cbItem->addItem(QString(), 0);
        for (const Linha &l : DM->Conexao.lerTodas(QStringLiteral("SELECT ID_ITEM, DESCRICAO FROM ITEM WHERE ID_ITEM NOT IN "
                                                                  "(SELECT ID_ITEM FROM ANULACAO) ORDER BY DESCRICAO")))
            cbItem->addItem(l.texto(QStringLiteral("DESCRICAO")), l.inteiro(QStringLiteral("ID_ITEM")));
    }
    edtQtdItem->setText(QStringLiteral("0"));
    mostrarFlutuante(pnlNovoItem);
    cbItem->setFocus();
}

void TFrmCadWalkIn::btnConfirmarItemClick()
{
    const qint64 item = chaveDe(cbItem);
    if (op() == QLatin1String("I")) {
        const int n = Entrada::numeroPessoas(edtQtdItem->text()); // a whole number, 0 otherwise
        if (item <= 0 || n < 1) {
            Mensagem::erro(item <= 0 ? Consumo::Textos::SemItem : Consumo::Textos::SemQuantidadeItem);
            (item <= 0 ? static_cast<QWidget *>(cbItem) : edtQtdItem)->setFocus();
            return;
        }
        m_nova.itens.append({item, n});
    } else if (const auto r = Consumo::incluirItem(DM->Conexao, m_chave, item, edtQtdItem->text(), cbItem->currentText(), textoUH())) {
        Mensagem::mostrar(r->tipo, r->mensagem, Mensagem::Ok);
        if (r->fechada) {
            mostrarFechadaEmOutraEstacao();
            return;
        }
        (r->foco == Consumo::Campo::Produto ? static_cast<QWidget *>(cbItem) : edtQtdItem)->setFocus();
        return;
    }
    pnlNovoItem->hide();
    recarregarItens();
}

void TFrmCadWalkIn::btnRemoverItemClick()
{
    const int r = linhaEscolhida(dbgItens);
    if (r < 0 || !btnRemoverItem->isEnabled())
        return;
    const qint64 item = dbgItens->item(r, 0)->data(Qt::UserRole).toLongLong();
    const QString descricao = dbgItens->item(r, 1)->text();
    const qint64 uh = chaveDe(cbUH);
    if (op() == QLatin1String("I")) {
        // Back to the room's standard: an extra item goes, a standard one returns to its quantity.
        m_nova.itens.removeIf([item](const ItemQtd &i) { return i.id == item; });
        for (const ItemQtd &i : padroesDaUH(DM->Conexao, uh).itens)
            if (i.id == item)
                m_nova.itens.append(i);
    } else {
        const qint64 tipo =
            DM->Conexao.valor(QStringLiteral("SELECT ID_TIPO_UH FROM UH WHERE ID_UH = ?"), {uh}).toLongLong();
        if (const auto x = Consumo::removerItem(DM->Conexao, m_chave, item, tipo, uh, descricao, textoUH())) {
            Mensagem::mostrar(x->tipo, x->mensagem, Mensagem::Ok);
            if (x->fechada) {
                mostrarFechadaEmOutraEstacao();
                return;
            }
        }
    }
    recarregarItens();
}

// ---------------------------------------------------------------- minibar

void TFrmCadWalkIn::btnIncluirFrigobarClick()
{
    if (!btnIncluirFrigobar->isEnabled())
        return;
    carregarProdutos(cbProdutoFrigobar);
    edtQtdFrigobar->setText(QStringLiteral("0"));
    edtValorFrigobar->setText(QStringLiteral("0,00"));
    mostrarFlutuante(pnlNovoFrigobar);
    cbProdutoFrigobar->setFocus();
}

void TFrmCadWalkIn::cbProdutoFrigobarChange()
{
    const qint64 p = chaveDe(cbProdutoFrigobar);
    edtValorFrigobar->setText(
        p <= 0 ? QStringLiteral("0,00")
               : DM->Conexao.ler(QStringLiteral("SELECT VALOR FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {p})
                     .dinheiro(QStringLiteral("VALOR"))
                     .formatado());
}

void TFrmCadWalkIn::btnConfirmarFrigobarClick()
{
    const qint64 p = chaveDe(cbProdutoFrigobar);
    if (op() == QLatin1String("I")) {
        const int n = Entrada::numeroPessoas(edtQtdFrigobar->text());
        const std::optional<Dinheiro> v = Dinheiro::deTexto(edtValorFrigobar->text());
        if (p <= 0 || n < 1 || !v || *v < Dinheiro()) {
            Mensagem::erro(p <= 0 ? Consumo::Textos::SemProduto
                                  : n < 1 ? Consumo::Textos::SemQuantidadeItem : Consumo::Textos::ValorInvalido);
            return;
        }
        m_nova.frigobar.append({p, n, *v});
    } else if (const auto r = Consumo::incluirFrigobar(DM->Conexao, m_chave, p, edtQtdFrigobar->text(), edtValorFrigobar->text(),
                                                       cbProdutoFrigobar->currentText(), textoUH())) {
        Mensagem::mostrar(r->tipo, r->mensagem, Mensagem::Ok);
        if (r->fechada)
            mostrarFechadaEmOutraEstacao();
        return;
    }
    pnlNovoFrigobar->hide();
    recarregarItens();
}

void TFrmCadWalkIn::btnRemoverFrigobarClick()
{
    const int r = linhaEscolhida(dbgFrigobar);
    if (r < 0 || !btnRemoverFrigobar->isEnabled())
        return;
    const qint64 p = dbgFrigobar->item(r, 0)->data(Qt::UserRole).toLongLong();
    const QString descricao = dbgFrigobar->item(r, 1)->text();
    const Dinheiro valor = Dinheiro::deTexto(dbgFrigobar->item(r, 3)->text()).value_or(Dinheiro());
    if (op() == QLatin1String("I"))
        m_nova.frigobar.removeIf([&](const ProdutoQtd &x) { return x.id == p && x.valor == valor; });
    else if (const auto x = Consumo::removerFrigobar(DM->Conexao, m_chave, p, valor, descricao, textoUH())) {
        Mensagem::mostrar(x->tipo, x->mensagem, Mensagem::Ok);
        if (x->fechada) {
            mostrarFechadaEmOutraEstacao();
            return;
        }
    }
    recarregarItens();
}

// ---------------------------------------------------------------- advance

void TFrmCadWalkIn::btnAdiantamentoClick()
{
    if (!btnAdiantamento->isEnabled())
        return;
    for (QLineEdit *e : {edtDinheiro2, edtVisa2, edtDebVisa2, edtMaster2, edtDebMaster2, edtHiper2, edtCheque2, edtDeposito})
        e->setText(QStringLiteral("0,00"));
    lblTotal2->setText(QStringLiteral("Total -> R$ 0,00"));
    mostrarFlutuante(pnlAdiantamento);
    edtDinheiro2->setFocus();
}

void TFrmCadWalkIn::btnConfirmarAdiantamentoClick()
{
    Adiantamento::Digitado d;
    const QLineEdit *e[] = {edtDinheiro2, edtVisa2, edtDebVisa2, edtMaster2, edtDebMaster2, edtHiper2, edtCheque2};
    for (int i = 0; i < 7; ++i)
        d.meio[i] = e[i]->text();
    d.deposito = edtDeposito->text();
    const std::optional<Pagamentos::Valores> v = Adiantamento::ler(d);
    if (!v) {
        Mensagem::aviso(Adiantamento::Textos::ValorInvalido);
        return;
    }
    const QString cliente = cbCliente->currentText();
    const Adiantamento::Resultado r = Adiantamento::registrar(DM->Conexao, m_chave, *v, cliente, textoUH());
    if (!r.gravado) {
        Mensagem::mostrar(r.tipo, r.mensagem.value_or(QString()), Mensagem::Ok);
        if (r.fechada)
            mostrarFechadaEmOutraEstacao();
        return;
    }
    recarregarAdiantado();
    pnlAdiantamento->hide();
    if (!v->deposito.zero())
        Mensagem::info(kMsgRetiradaDeposito);
    Mensagem::info(Adiantamento::Textos::Sucesso);
    if (!Mensagem::pergunta(Adiantamento::Textos::PerguntaRecibo))
        return;
    std::unique_ptr<TFrmRelRecibo> recibo(new TFrmRelRecibo(this));
    FrmRelRecibo = recibo.get();
    recibo->edtRecebemos->setText(cliente);
    recibo->edtImportancia->setText(Adiantamento::valorRecibo(*v).formatado());
    recibo->edtReferente->setText(Adiantamento::referenteRecibo(m_chave, textoUH()));
    struct Limpa {
        ~Limpa() { FrmRelRecibo = nullptr; }
    } limpa;
    Telas::executar(recibo.get(), std::type_index(typeid(TFrmRelRecibo)));
}

void TFrmCadWalkIn::done(int r)
{
    QDialog::done(r);
    // The alerts may no longer be true (a reservation used, a bill left).
    Janela::atualizarAlertas(false);
}
