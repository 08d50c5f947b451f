#include "stays/UnitCadWalkIn.h"

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
#include "stays/UnitBuscarVeiculo.h"
#include "stays/UnitWalkIn.h"

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
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>

TFrmCadWalkIn *FrmCadWalkIn = nullptr;

using namespace Estadias;

namespace CadWalkIn {
const char *const kMsgObsAtualizada = "Observação Atualizada!";
}

namespace {

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

TFrmCadWalkIn::TFrmCadWalkIn(TFrmWalkIn *lista, const CadWalkIn::Predefinicao &pre, QWidget *parent)
    : QDialog(parent), m_lista(lista), m_pre(pre)
{
    montar();
}

TFrmCadWalkIn::~TFrmCadWalkIn() = default;

QString TFrmCadWalkIn::op() const
{
    return m_lista ? m_lista->OP : QString();
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
    g->addWidget(rotulo("Diária: R$"), 3, 0);
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
        figuras->addWidget(new QLabel(QString::fromUtf8(t), pnlPrincipal), posicao / 3, (posicao % 3) * 2);
        figuras->addWidget(v, posicao / 3, (posicao % 3) * 2 + 1);
        ++posicao;
    };
    figura("Quantidade de Diárias:", lblQtdDiarias);
    figura("Valor Total das Diárias: R$", lblTotalDiarias);
    figura("Valor Total da Estadia (R$)", lblValor);
    figura("Valor Dividido pela Quantidade de Pessoas (R$)", lblValorDividido);
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
                         QStringLiteral("Valor Unit.(R$)"), QStringLiteral("Data")},
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

    ComportamentoEdicao comp;
    comp.confirmar = [this] {
        if (btnConfirmar->isEnabled())
            btnConfirmarClick();
    };
    comp.cancelar = [this] { btnCancelarClick(); };
    comp.legendaConfirmar = QStringLiteral("|| Confirmar Entrada - (F10) ||");
    comp.legendaCancelar = QStringLiteral("|| Cancelar Entrada - (F12) ||");
    menuAtalhos = instalarComportamentoEdicao(this, comp);

    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadWalkIn::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadWalkIn::btnCancelarClick);
    connect(btnSalvarObs, &QPushButton::clicked, this, &TFrmCadWalkIn::btnSalvarObsClick);
    connect(btnTiposUH, &QPushButton::clicked, this, [] {
        if (CadWalkIn::abrirTiposUH)
            CadWalkIn::abrirTiposUH();
    });
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
    const QDate hoje = Relogio::hoje();
    if (novo)
        reservas = c.lerTodas(QStringLiteral("SELECT ID_RESERVA, DATA_ENTRADA, DATA_SAIDA FROM RESERVA WHERE "
                                             "CONFIRMADA = 'N' AND EXCLUIDO = 'N' AND DATA_ENTRADA <= ? AND "
                                             "DATA_SAIDA >= ? ORDER BY ID_RESERVA"),
                              {hoje, hoje});
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
    if (m_lista && m_lista->UH == QLatin1String("SIM") && m_lista->entradaMapa > 0)
        m_lista->carregarEstadia(m_lista->entradaMapa);
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
        m_nova.chave = m_chave;
        lblCodEntrada->setText(QString::number(m_chave));
        lblValorAdiantado->setText(QStringLiteral("0,00"));
        // Consumption is charged once the stay exists.
        btnIncluirDespesa->setEnabled(false);
        btnRemoverDespesa->setEnabled(false);
        btnSalvarObs->setEnabled(false);
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
}

void TFrmCadWalkIn::carregarEstadia()
{
    if (!m_lista || m_lista->vazia())
        return;
    TFrmWalkIn &l = *m_lista;
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
        btnRemoverDespesa->setEnabled(true);
        for (QPushButton *b : {btnFecharConta, btnExtratoConta, btnExtratoConferencia})
            b->show();
    } else if (modo == QLatin1String("Despesas") || modo == QLatin1String("Itens")) {
        const bool despesas = modo == QLatin1String("Despesas");
        agora();
        btnConfirmar->setEnabled(false);
        btnCancelar->setText(QStringLiteral("Fechar"));
        edtObs->setEnabled(true);
        (despesas ? btnIncluirDespesa : btnIncluirItem)->setEnabled(true);
        (despesas ? btnRemoverDespesa : btnRemoverItem)->setEnabled(true);
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
    m_valorMin.clear();
    if (edtNumPessoas->text().trimmed().isEmpty()) {
        m_valorDiariaPadrao = Dinheiro::deTexto(edtDiaria->text()).value_or(Dinheiro());
        return;
    }
    Dinheiro tarifa;
    Dinheiro minimo;
    bool ok = false;
    const int n = edtNumPessoas->text().trimmed().toInt(&ok);
    if (ok && n >= 1 && chaveDe(cbUH) > 0) {
        const Linha t = DM->Conexao.ler(
            QStringLiteral("SELECT T.P1, T.P2, T.P3, T.P4, T.P1MIN, T.P2MIN, T.P3MIN, T.P4MIN FROM UH JOIN TIPO_UH T "
                           "ON T.ID_TIPO_UH = UH.ID_TIPO_UH WHERE UH.ID_UH = ?"),
            {chaveDe(cbUH)});
        if (n <= 4) {
            int p = n;
            if (n == 1 && tParametros().sim(QStringLiteral("MODO_MOTEL")) && chkPernoite->isVisible()
                && chkPernoite->isChecked())
                p = 3;
            tarifa = t.dinheiro(QStringLiteral("P%1").arg(p));
            minimo = t.dinheiro(QStringLiteral("P%1MIN").arg(n));
        }
        m_valorMin = minimo.formatado();
    }
    edtDiaria->setText(tarifa.formatado());
    m_valorDiariaPadrao = tarifa;
}

void TFrmCadWalkIn::oferecer(bool porUH, qint64 chave)
{
    const std::optional<Oferta> o = reservaDeHoje(porUH, chave, Relogio::hoje());
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
        const Padroes p = chaveDe(cbUH) > 0 ? padroesDaUH(chaveDe(cbUH)) : Padroes();
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
    const std::optional<Oferta> r = reservaPorId(chaveDe(cbReserva));
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
            linha(dbgHospedes, {m_nova.hospedes[i].nome}, i);
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
}

void TFrmCadWalkIn::recarregarDespesas()
{
    dbgDespesas->setRowCount(0);
    if (op() == QLatin1String("I"))
        return;
    for (const Linha &l : DM->Conexao.lerTodas(
             QStringLiteral("SELECT D.ID_DESPESA_UH, D.ID_P_S, S.DESCRICAO, D.QTD, D.VALOR_UNIT, D.DATA FROM DESPESA_UH D "
                            "LEFT JOIN PRODUTOS_SERVICOS S ON S.ID_P_S = D.ID_P_S WHERE D.ID_ENTRADA = ? "
                            "ORDER BY D.DATA, D.ID_DESPESA_UH"),
             {m_chave}))
        linha(dbgDespesas,
              {l.texto(QStringLiteral("ID_P_S")), l.texto(QStringLiteral("DESCRICAO")), l.texto(QStringLiteral("QTD")),
               l.dinheiro(QStringLiteral("VALOR_UNIT")).formatado(),
               l.data(QStringLiteral("DATA")).toString(QStringLiteral("dd/MM/yyyy"))},
              l.inteiro(QStringLiteral("ID_DESPESA_UH")));
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
        m_nova.hospedes.append({0, *nome});
    } else {
        DM->Conexao.emTransacao([&] {
            DM->Conexao.executar(QStringLiteral("INSERT INTO HOSPEDE (ID_ENTRADA, NOME, BAIXA) VALUES (?, ?, 'N')"),
                                 {m_chave, *nome});
            RegistrarLog(QStringLiteral("Incluiu Hóspede Acompanhante -> Código ") + QString::number(m_chave)
                         + QStringLiteral(" (") + *nome + QStringLiteral(" - ") + textoUH() + QStringLiteral(")"));
        });
    }
    recarregarHospedes();
    pnlNovoHospede->hide();
}

void TFrmCadWalkIn::btnRemoverHospedeClick()
{
    const int r = dbgHospedes->currentRow() < 0 ? 0 : dbgHospedes->currentRow();
    if (r >= dbgHospedes->rowCount())
        return;
    const QString nome = dbgHospedes->item(r, 0)->text();
    const qint64 chave = dbgHospedes->item(r, 0)->data(Qt::UserRole).toLongLong();
    if (op() == QLatin1String("I")) {
        m_nova.hospedes.removeAt(int(chave));
    } else {
        DM->Conexao.emTransacao([&] {
            RegistrarLog(QStringLiteral("Excluiu Hóspede Acompanhante -> Código ") + QString::number(m_chave)
                         + QStringLiteral(" (") + nome + QStringLiteral(" - ") + textoUH() + QStringLiteral(")"));
            DM->Conexao.executar(QStringLiteral("DELETE FROM HOSPEDE WHERE ID_HOSPEDE = ?"), {chave});
        });
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
        DM->Conexao.emTransacao([&] {
            DM->Conexao.executar(
                QStringLiteral("INSERT INTO VEICULO (ID_ENTRADA, MODELO, PLACA, BAIXA) VALUES (?, ?, ?, 'N')"),
                {m_chave, v->modelo, v->placa});
            RegistrarLog(QStringLiteral("Incluiu Veículo -> Código ") + QString::number(m_chave) + QStringLiteral(" (")
                         + v->modelo + QStringLiteral(" - ") + v->placa + QStringLiteral(")"));
        });
    }
    recarregarVeiculos();
    pnlNovoVeiculo->hide();
}

void TFrmCadWalkIn::btnRemoverVeiculoClick()
{
    const int r = dbgVeiculos->currentRow() < 0 ? 0 : dbgVeiculos->currentRow();
    if (r >= dbgVeiculos->rowCount())
        return;
    const QString modelo = dbgVeiculos->item(r, 0)->text();
    const QString placa = dbgVeiculos->item(r, 1)->text();
    const qint64 chave = dbgVeiculos->item(r, 0)->data(Qt::UserRole).toLongLong();
    if (op() == QLatin1String("I")) {
        m_nova.veiculos.removeAt(int(chave));
    } else {
        DM->Conexao.emTransacao([&] {
            RegistrarLog(QStringLiteral("Excluiu Veículo -> Código ") + QString::number(m_chave) + QStringLiteral(" (")
                         + modelo + QStringLiteral(" - ") + placa + QStringLiteral(")"));
            DM->Conexao.executar(QStringLiteral("DELETE FROM VEICULO WHERE ID_VEICULO = ?"), {chave});
        });
    }
    recarregarVeiculos();
}

void TFrmCadWalkIn::btnBuscarClick()
{
    Telas::abrir<TFrmBuscarVeiculo>(FrmBuscarVeiculo, chaveDe(cbCliente), edtModelo, edtPlaca);
    edtModelo->setFocus();
}

// ---------------------------------------------------------------- confirm / cancel

NovaEntrada TFrmCadWalkIn::reunir() const
{
    NovaEntrada e = m_nova;
    e.chave = m_chave;
    e.idReserva = chaveDe(cbReserva);
    e.idCliente = chaveDe(cbCliente);
    e.idUH = chaveDe(cbUH);
    e.pessoas = edtNumPessoas->text().trimmed();
    e.diaria = edtDiaria->text().trimmed();
    e.dataEntrada = edtData1->date();
    e.horaEntrada = edtHora1->time();
    e.dataSaida = edtData2->date();
    e.horaSaida = edtHora2->time();
    e.obs = edtObs->text();
    e.cliente = cbCliente->currentText();
    e.numeroUH = textoUH();
    e.valorDiariaPadrao = m_valorDiariaPadrao;
    e.valorMin = m_valorMin;
    return e;
}

void TFrmCadWalkIn::btnConfirmarClick()
{
    if (!btnConfirmar->isEnabled())
        return;
    const QString modo = op();
    if (modo == QLatin1String("I")) {
        if (CadWalkIn::confirmarEntrada && CadWalkIn::confirmarEntrada(reunir()))
            accept();
    } else if (modo == QLatin1String("A")) {
        if (CadWalkIn::alterarEntrada && CadWalkIn::alterarEntrada(m_chave, reunir())) {
            if (m_lista)
                m_lista->reabrir();
            accept();
        }
    }
}

void TFrmCadWalkIn::btnCancelarClick()
{
    // A new stay's guests, vehicles and items were never written: leaving
    // discards them with the form.
    m_nova = NovaEntrada();
    if (m_lista && m_lista->OP != QLatin1String("Despesas") && m_lista->OP != QStringLiteral("Saída"))
        m_lista->OP.clear();
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
    DM->Conexao.emTransacao([&] {
        DM->Conexao.executar(QStringLiteral("UPDATE WALK_IN SET OBS = ? WHERE ID_WALK_IN = ?"),
                             {edtObs->text().left(250), id});
    });
    Mensagem::info(QString::fromUtf8(CadWalkIn::kMsgObsAtualizada));
}

bool TFrmCadWalkIn::eventFilter(QObject *o, QEvent *e)
{
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
