#include "finance/UnitCheques.h"
#include "base/CabecalhoTela.h"
#include "base/FluxoLista.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "finance/UnitCadCheques.h"
#include "base/CamposEdicao.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TFrmCheques *FrmCheques = nullptr;

using Cheques::Filtro;

namespace {

const char *const kLegendasFiltro[] = {"Valor do Cheque", "Núm. do Cheque", "Núm. da Conta", "Banco",
                                       "Data de Compensação", "Data de Emissão", "Pré-Datado Para",
                                       "Cliente", "Fornecedor", "Titular"};

// The order the arrow keys follow ("Titular" is not in it).
const Filtro kOrdemSetas[] = {Filtro::Valor,  Filtro::Numero,    Filtro::Conta,    Filtro::Banco,
                              Filtro::Compensacao, Filtro::Emissao, Filtro::Predatado, Filtro::Cliente};

bool filtroDeTexto(Filtro f)
{
    return f == Filtro::Valor || f == Filtro::Numero || f == Filtro::Conta || f == Filtro::Banco
           || f == Filtro::Titular;
}
bool filtroDeData(Filtro f)
{
    return f == Filtro::Compensacao || f == Filtro::Emissao || f == Filtro::Predatado;
}

QDateEdit *campoData(QWidget *pai)
{
    auto *d = new QDateEdit(pai);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return d;
}

void carregarPartes(QComboBox *cb, const QString &sql, const QString &chave)
{
    cb->clear();
    for (const Linha &l : DM->Conexao.lerTodas(sql))
        cb->addItem(l.texto(QStringLiteral("NOME")), l.inteiro(chave));
}

} // namespace

TFrmCheques::TFrmCheques(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Cheques"));
    resize(1100, 600);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);
    grdCheques = lista->grade();
    grdCheques->setObjectName(QStringLiteral("grdCheques"));
    lista->definirConsulta(Cheques::sqlLista());
    lista->definirColunas({
        {QStringLiteral("DATA_EMISSAO"), QStringLiteral("Data de Emissão"), FormatoColuna::Data, 100},
        {QStringLiteral("PREDATADO"), QStringLiteral("Pré-Datado Para"), FormatoColuna::Data, 100},
        {QStringLiteral("TIPO"), QStringLiteral("Emitido / Recebido"), FormatoColuna::Texto, 110},
        {QStringLiteral("VALOR"), QStringLiteral("Valor do Cheque"), FormatoColuna::Dinheiro, 100},
        {QStringLiteral("ID_CONTA"), QStringLiteral("Núm. da Conta"), FormatoColuna::Texto, 90},
        {QStringLiteral("ID_CHEQUE"), QStringLiteral("Núm. do Cheque"), FormatoColuna::Texto, 90},
        {QStringLiteral("BANCO"), QStringLiteral("Banco"), FormatoColuna::Texto, 140},
        {QStringLiteral("CLIENTE"), QStringLiteral("Cliente"), FormatoColuna::Texto, 180},
        {QStringLiteral("FORNECEDOR"), QStringLiteral("Fornecedor"), FormatoColuna::Texto, 180},
        {QStringLiteral("DATA_COMPENSACAO"), QStringLiteral("Data de Compensação / Repasse"), FormatoColuna::Data, 170},
        {QStringLiteral("HISTORICO"), QStringLiteral("Histórico do Cheque"), FormatoColuna::Texto, 200},
        {QStringLiteral("REPASSADO"), QStringLiteral("Repassado Para"), FormatoColuna::Texto, 160},
        {QStringLiteral("TITULAR"), QStringLiteral("Titular"), FormatoColuna::Texto, 160},
    });
    lista->definirChave(QStringLiteral("COD_GERAL_CHEQUE"));
    lista->definirAcaoAtual(QStringLiteral("Cheques"));

    // Filters: one input shown at a time.
    pnlFiltros = new QGroupBox(QStringLiteral("Filtros:"), this);
    pnlFiltros->setObjectName(QStringLiteral("pnlFiltros"));
    auto *filtros = new QVBoxLayout(pnlFiltros);
    auto *opcoes = new QHBoxLayout;
    for (const char *legenda : kLegendasFiltro) {
        auto *rb = new QRadioButton(QString::fromUtf8(legenda), pnlFiltros);
        rbFiltros << rb;
        opcoes->addWidget(rb);
        const Filtro f = Filtro(rbFiltros.size() - 1);
        connect(rb, &QRadioButton::clicked, this, [this, f] { escolherFiltro(f); });
    }
    filtros->addLayout(opcoes);
    auto *entrada = new QHBoxLayout;
    edtFiltro = new QLineEdit(pnlFiltros);
    edtFiltro->setObjectName(QStringLiteral("edtFiltro"));
    emMaiusculas(edtFiltro, 50);
    dtpFiltro = campoData(pnlFiltros);
    dtpFiltro->setObjectName(QStringLiteral("dtpFiltro"));
    cbFiltroCliente = new QComboBox(pnlFiltros);
    cbFiltroCliente->setObjectName(QStringLiteral("cbFiltroCliente"));
    cbFiltroFornecedor = new QComboBox(pnlFiltros);
    cbFiltroFornecedor->setObjectName(QStringLiteral("cbFiltroFornecedor"));
    btnAplicar = new QToolButton(pnlFiltros);
    btnAplicar->setText(QStringLiteral("Aplicar"));
    btnAplicar->setToolTip(QStringLiteral("Aplicar Filtro"));
    btnFecharFiltro = new QToolButton(pnlFiltros);
    btnFecharFiltro->setText(QStringLiteral("x"));
    btnFecharFiltro->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    for (QWidget *w : std::initializer_list<QWidget *>{edtFiltro, dtpFiltro, cbFiltroCliente, cbFiltroFornecedor})
        entrada->addWidget(w, 1);
    entrada->addWidget(btnAplicar);
    entrada->addWidget(btnFecharFiltro);
    filtros->addLayout(entrada);
    pnlFiltros->hide();
    layout->addWidget(pnlFiltros);

    // Clearing date and pass-on recipient.
    auto *paineis = new QHBoxLayout;
    pnlData = new QGroupBox(this);
    pnlData->setObjectName(QStringLiteral("pnlData"));
    auto *ld = new QHBoxLayout(pnlData);
    dtpData = campoData(pnlData);
    dtpData->setObjectName(QStringLiteral("dtpData"));
    btnDataOK = new QPushButton(QStringLiteral("OK"), pnlData);
    btnDataOK->setObjectName(QStringLiteral("btnDataOK"));
    ld->addWidget(dtpData);
    ld->addWidget(btnDataOK);
    pnlRepasse = new QGroupBox(this);
    pnlRepasse->setObjectName(QStringLiteral("pnlRepasse"));
    auto *lr = new QHBoxLayout(pnlRepasse);
    lr->addWidget(new QLabel(QStringLiteral("Repassar Para:"), pnlRepasse));
    edtRepassar = new QLineEdit(pnlRepasse);
    edtRepassar->setObjectName(QStringLiteral("edtRepassar"));
    emMaiusculas(edtRepassar, Cheques::kTamRepasse);
    btnRepasseOK = new QPushButton(QStringLiteral("OK"), pnlRepasse);
    btnRepasseOK->setObjectName(QStringLiteral("btnRepasseOK"));
    lr->addWidget(edtRepassar, 1);
    lr->addWidget(btnRepasseOK);
    paineis->addWidget(pnlData);
    paineis->addWidget(pnlRepasse, 1);
    pnlData->hide();
    pnlRepasse->hide();
    layout->addLayout(paineis);
    layout->addWidget(grdCheques, 1);

    auto *botoes = new QHBoxLayout;
    btnNovo = new QPushButton(QStringLiteral("Novo Cheque"), this);
    btnAlterar = new QPushButton(QStringLiteral("Alterar Cheque"), this);
    btnExcluir = new QPushButton(QStringLiteral("Excluir Cheque"), this);
    btnLocalizar = new QPushButton(QStringLiteral("Localizar Cheque"), this);
    btnCompensar = new QPushButton(QStringLiteral("Compensar Cheque"), this);
    btnRepassar = new QPushButton(QStringLiteral("Repassar Cheque"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir, btnLocalizar, btnCompensar, btnRepassar, btnSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    layout->addLayout(botoes);
    lista->definirBotoesPermissao(btnNovo, btnAlterar, btnExcluir);
    lista->criarAtalhos({
        {QStringLiteral("|| Nova Cheque  - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnNovo},
        {QStringLiteral("|| Filtros - (F3) ||"), QKeySequence(Qt::Key_F3), {}, btnLocalizar},
        {QStringLiteral("|| Alterar Cheque - (Insert) ||"), QKeySequence(Qt::Key_Insert), {}, btnAlterar},
        {QStringLiteral("|| Excluir Cheque - (Delete) ||"), QKeySequence(Qt::Key_Delete), {}, btnExcluir},
        {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
    });

    connect(btnNovo, &QPushButton::clicked, this, &TFrmCheques::btnNovoClick);
    connect(btnAlterar, &QPushButton::clicked, this, &TFrmCheques::btnAlterarClick);
    connect(btnExcluir, &QPushButton::clicked, this, &TFrmCheques::btnExcluirClick);
    connect(btnLocalizar, &QPushButton::clicked, this, &TFrmCheques::btnLocalizarClick);
    connect(btnCompensar, &QPushButton::clicked, this, &TFrmCheques::btnCompensarClick);
    connect(btnRepassar, &QPushButton::clicked, this, &TFrmCheques::btnRepassarClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmCheques::btnSairClick);
    connect(btnDataOK, &QPushButton::clicked, this, &TFrmCheques::btnDataOKClick);
    connect(btnRepasseOK, &QPushButton::clicked, this, &TFrmCheques::btnRepasseOKClick);
    connect(edtRepassar, &QLineEdit::returnPressed, this, &TFrmCheques::btnRepasseOKClick);
    connect(btnAplicar, &QToolButton::clicked, this, &TFrmCheques::btnAplicarClick);
    connect(btnFecharFiltro, &QToolButton::clicked, pnlFiltros, &QWidget::hide);
    connect(lista, &TelaLista::ativada, this, &TFrmCheques::grdChequesDblClick);
    connect(lista, &TelaLista::aberta, this, [this] {
        connect(grdCheques->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TFrmCheques::linhaMudou,
                Qt::UniqueConnection);
        linhaMudou();
    });
    for (QWidget *w : std::initializer_list<QWidget *>{edtFiltro, dtpFiltro})
        w->installEventFilter(this);
    FluxoLista::abrirAoMostrar(lista);
}

Filtro TFrmCheques::filtroAtual() const
{
    for (int i = 0; i < rbFiltros.size(); ++i)
        if (rbFiltros[i]->isChecked())
            return Filtro(i);
    return Filtro::Valor;
}

void TFrmCheques::linhaMudou()
{
    const bool aberto = !lista->vazia() && lista->valor(QStringLiteral("DATA_COMPENSACAO")).isNull();
    btnCompensar->setEnabled(aberto);
    btnRepassar->setEnabled(aberto);
}

int TFrmCheques::abrirCadastro()
{
    ChequeAtual atual;
    if (OP != QLatin1String("I") && !lista->vazia()) {
        atual.chave = lista->inteiro(QStringLiteral("COD_GERAL_CHEQUE"));
        Cheques::Dados &d = atual.dados;
        d.tipo = lista->texto(QStringLiteral("TIPO_CHEQUE"));
        d.emissao = lista->valor(QStringLiteral("DATA_EMISSAO")).toDate();
        d.predatado = lista->valor(QStringLiteral("PREDATADO")).toDate();
        d.conta = lista->texto(QStringLiteral("ID_CONTA"));
        d.numero = lista->texto(QStringLiteral("ID_CHEQUE"));
        d.banco = lista->texto(QStringLiteral("BANCO"));
        d.parte = lista->texto(QStringLiteral("ID_FORNECEDOR_CLIENTE")).toLongLong();
        d.titular = lista->texto(QStringLiteral("TITULAR"));
        d.valor = Dinheiro::deVariant(lista->valor(QStringLiteral("VALOR"))).formatado();
        d.historico = lista->texto(QStringLiteral("HISTORICO"));
        atual.compensacao = lista->valor(QStringLiteral("DATA_COMPENSACAO")).toDate();
    }
    return Telas::abrir<TFrmCadCheques>(FrmCadCheques, OP, atual, nullptr);
}

void TFrmCheques::btnNovoClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Novo, [this] { return abrirCadastro(); });
}

void TFrmCheques::btnAlterarClick()
{
    // Every opening sets its own mode: an alteration after a view is one.
    OP.clear();
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Alterar, [this] { return abrirCadastro(); });
}

void TFrmCheques::grdChequesDblClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Ver, [this] { return abrirCadastro(); });
}

void TFrmCheques::btnExcluirClick()
{
    if (lista->vazia())
        return;
    const qint64 chave = lista->inteiro(QStringLiteral("COD_GERAL_CHEQUE"));
    const QString historico = lista->texto(QStringLiteral("HISTORICO"));
    FluxoLista::excluir(lista, Cheques::kMsgConfirmaExclusao,
                        [&] { Cheques::anular(DM->Conexao, chave, historico); });
}

void TFrmCheques::esconderPaineis()
{
    pnlData->hide();
    pnlRepasse->hide();
}

void TFrmCheques::btnCompensarClick()
{
    if (lista->vazia())
        return;
    pnlRepasse->hide();
    dtpData->setDate(Relogio::hoje());
    btnDataOK->setText(QStringLiteral("OK"));
    btnDataOK->setEnabled(true);
    pnlData->show();
    dtpData->setFocus();
}

void TFrmCheques::btnRepassarClick()
{
    if (lista->vazia())
        return;
    dtpData->setDate(Relogio::hoje());
    btnDataOK->setText(QStringLiteral("->"));
    btnDataOK->setEnabled(false);
    pnlData->show();
    edtRepassar->clear();
    pnlRepasse->show();
    edtRepassar->setFocus();
}

void TFrmCheques::btnDataOKClick()
{
    if (lista->vazia())
        return;
    const qint64 chave = lista->inteiro(QStringLiteral("COD_GERAL_CHEQUE"));
    const QString banco = lista->texto(QStringLiteral("BANCO"));
    const bool feito = Cheques::compensar(DM->Conexao, chave, dtpData->date(), banco);
    lista->reabrir();
    esconderPaineis();
    if (!feito)
        Mensagem::info(Cheques::kMsgJaMudou);
}

void TFrmCheques::btnRepasseOKClick()
{
    if (lista->vazia())
        return;
    if (edtRepassar->text().trimmed().isEmpty()) {
        Mensagem::info(Cheques::kMsgRepasseVazio);
        edtRepassar->setFocus();
        return;
    }
    const qint64 chave = lista->inteiro(QStringLiteral("COD_GERAL_CHEQUE"));
    const bool feito = Cheques::repassar(DM->Conexao, chave, dtpData->date(), edtRepassar->text());
    lista->reabrir();
    edtRepassar->clear();
    esconderPaineis();
    if (!feito)
        Mensagem::info(Cheques::kMsgJaMudou);
}

void TFrmCheques::btnLocalizarClick()
{
    pnlFiltros->show();
    escolherFiltro(Filtro::Valor);
}

void TFrmCheques::escolherFiltro(Filtro f)
{
    rbFiltros[int(f)]->setChecked(true);
    edtFiltro->setVisible(filtroDeTexto(f));
    dtpFiltro->setVisible(filtroDeData(f));
    cbFiltroCliente->setVisible(f == Filtro::Cliente);
    cbFiltroFornecedor->setVisible(f == Filtro::Fornecedor);
    if (filtroDeTexto(f)) {
        edtFiltro->clear();
        edtFiltro->setFocus();
    } else if (filtroDeData(f)) {
        dtpFiltro->setDate(Relogio::hoje());
        dtpFiltro->setFocus();
    } else if (f == Filtro::Cliente) {
        carregarPartes(cbFiltroCliente,
                       QStringLiteral("SELECT ID_CLIENTE, NOME FROM CLIENTE WHERE ID_CLIENTE NOT IN "
                                      "(SELECT ID_CLIENTE FROM ANULACAO) ORDER BY NOME"),
                       QStringLiteral("ID_CLIENTE"));
        cbFiltroCliente->setFocus();
    } else {
        carregarPartes(cbFiltroFornecedor,
                       QStringLiteral("SELECT ID_FORNECEDOR, NOME FROM FORNECEDOR WHERE ID_FORNECEDOR NOT IN "
                                      "(SELECT ID_FORNECEDOR FROM ANULACAO) ORDER BY NOME"),
                       QStringLiteral("ID_FORNECEDOR"));
        cbFiltroFornecedor->setFocus();
    }
}

void TFrmCheques::moverFiltro(int passo)
{
    const Filtro atual = filtroAtual();
    const int n = int(std::size(kOrdemSetas));
    for (int i = 0; i < n; ++i) {
        if (kOrdemSetas[i] != atual)
            continue;
        const int j = i + passo;
        if (j >= 0 && j < n)
            escolherFiltro(kOrdemSetas[j]);
        return;
    }
}

void TFrmCheques::btnAplicarClick()
{
    const Filtro f = filtroAtual();
    QString texto = edtFiltro->text();
    qint64 parte = 0;
    if (f == Filtro::Cliente)
        parte = cbFiltroCliente->currentData().toLongLong();
    else if (f == Filtro::Fornecedor)
        parte = cbFiltroFornecedor->currentData().toLongLong();
    const Cheques::ConsultaFiltro q = Cheques::consultaFiltro(f, texto, dtpFiltro->date(), parte);
    if (!q.erro.isEmpty()) {
        Mensagem::info(q.erro);
        edtFiltro->setFocus();
        return;
    }
    lista->definirConsulta(q.sql, q.valores);
    lista->reabrir();
    pnlFiltros->hide();
}

bool TFrmCheques::eventFilter(QObject *o, QEvent *e)
{
    if (o == edtFiltro && filtroAtual() == Filtro::Valor) {
        if (e->type() == QEvent::FocusIn) {
            QString t = edtFiltro->text();
            for (const QChar c : QStringLiteral(".-:/()"))
                t.remove(c);
            edtFiltro->setText(t);
        } else if (e->type() == QEvent::FocusOut && !edtFiltro->text().trimmed().isEmpty()) {
            edtFiltro->setText(CamposEdicao::formatarDinheiro(edtFiltro->text()));
        }
    }
    if ((o == edtFiltro || o == dtpFiltro) && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Down || k == Qt::Key_Up) {
            moverFiltro(k == Qt::Key_Down ? 1 : -1);
            return true;
        }
        if (o == edtFiltro && (k == Qt::Key_Return || k == Qt::Key_Enter)) {
            btnAplicarClick();
            return true;
        }
        if (o == edtFiltro && k == Qt::Key_Escape) {
            pnlFiltros->hide();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmCheques::btnSairClick() { reject(); }

void abrirCheques() { Telas::abrir<TFrmCheques>(FrmCheques); }
