#include "restaurant/UnitRotinasFiscais.h"
#include "base/CabecalhoTela.h"
#include "base/Digitacao.h"
#include "base/Erros.h"
#include "base/Grade.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "platform/ImpressoraFiscal.h"
#include "restaurant/UnitAliquotas.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>

TFrmRotinasFiscais *FrmRotinasFiscais = nullptr;

using namespace RotinasFiscais;

namespace {

enum ColunaItens { ColSel, ColCodigo, ColDescricao, ColValorUnit, ColQtd, ColValorFinal, ColEntrada };

constexpr int kRoleCpf = Qt::UserRole + 1;
constexpr int kRoleNome = Qt::UserRole + 2;
constexpr int kRoleEndereco = Qt::UserRole + 3;

QString semPontos(const QString &t) { return QString(t).remove(QLatin1Char('.')); }

// Leaving a money field: "#,##0.00", empty gives "0,00"; an unreadable text
// stays as typed (the confirmation says what is wrong with it).
QString reformatado(const QString &t)
{
    if (t.trimmed().isEmpty())
        return QStringLiteral("0,00");
    const auto v = lerDesconto(t);
    if (!v)
        return t;
    return Dinheiro::deCentavos(*v).formatado();
}

} // namespace

TFrmRotinasFiscais::TFrmRotinasFiscais(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(kTitulo);
    auto *raiz = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    raiz->addWidget(imgCabecalho);
    auto *corpo = new QHBoxLayout;
    raiz->addLayout(corpo, 1);

    // The daily routines.
    auto *colunaRotinas = new QWidget(this);
    colunaRotinas->setFixedWidth(270);
    auto *rotinas = new QVBoxLayout(colunaRotinas);
    rotinas->setContentsMargins(0, 0, 0, 0);
    auto botao = [colunaRotinas, rotinas](const char *texto) {
        auto *b = new QPushButton(QString::fromUtf8(texto), colunaRotinas);
        b->setMinimumHeight(34);
        rotinas->addWidget(b);
        return b;
    };
    btnLeituraMemoria = botao("Leitura da Memória Fiscal");
    btnLeituraX = botao("Leitura X");
    btnReducaoZ = botao("Redução Z");
    btnConsultarAliquotas = botao("Consultar Alíquotas Cadastradas");
    btnAdicionarAliquota = botao("Adicionar Nova Alíquota Tributária");
    btnCancelarCupom = botao("Cancelar Último Cupom Fiscal");

    pnlDatas = new QGroupBox(colunaRotinas);
    auto *datas = new QGridLayout(pnlDatas);
    edtDataInicial = new QLineEdit(pnlDatas);
    edtDataFinal = new QLineEdit(pnlDatas);
    for (QLineEdit *e : {edtDataInicial, edtDataFinal})
        e->setInputMask(QStringLiteral("99/99/00;_"));
    btnOkDatas = new QPushButton(QStringLiteral("OK"), pnlDatas);
    datas->addWidget(new QLabel(QStringLiteral("Data Inicial:"), pnlDatas), 0, 0);
    datas->addWidget(edtDataInicial, 0, 1);
    datas->addWidget(new QLabel(QStringLiteral("Data Final:"), pnlDatas), 1, 0);
    datas->addWidget(edtDataFinal, 1, 1);
    datas->addWidget(btnOkDatas, 2, 1);
    pnlDatas->setVisible(false);
    rotinas->addWidget(pnlDatas);
    rotinas->addStretch(1);
    corpo->addWidget(colunaRotinas);

    // The coupon panel.
    Panel1 = new QWidget(this);
    auto *cupom = new QVBoxLayout(Panel1);
    cupom->setContentsMargins(0, 0, 0, 0);
    gradeItens = new QTableWidget(0, 7, Panel1);
    gradeItens->setHorizontalHeaderLabels({QStringLiteral("Sel.?"), QStringLiteral("Código"),
                                           QStringLiteral("Descrição"), QStringLiteral("Valor Unit. R$"),
                                           QStringLiteral("Qtd."), QStringLiteral("Valor Final R$"),
                                           QStringLiteral("Entrada")});
    gradeItens->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gradeItens->setSelectionBehavior(QAbstractItemView::SelectRows);
    gradeItens->setSelectionMode(QAbstractItemView::SingleSelection);
    gradeItens->verticalHeader()->hide();
    gradeItens->horizontalHeader()->setSectionResizeMode(ColDescricao, QHeaderView::Stretch);
    for (int c : {ColSel, ColCodigo, ColQtd, ColEntrada})
        gradeItens->setColumnWidth(c, 60);
    gradeItens->setColumnHidden(ColSel, true);
    cupom->addWidget(gradeItens, 1);

    auto *totais = new QGridLayout;
    edtSubTotal = new QLineEdit(QStringLiteral("0,00"), Panel1);
    edtSubTotal->setReadOnly(true);
    edtDesconto = new QLineEdit(QStringLiteral("0,00"), Panel1);
    edtTotal = new QLineEdit(QStringLiteral("0,00"), Panel1);
    edtTotal->setReadOnly(true);
    for (QLineEdit *e : {edtSubTotal, edtDesconto, edtTotal}) {
        e->setAlignment(Qt::AlignRight);
        e->installEventFilter(this);
    }
    rbPercentual = new QRadioButton(QStringLiteral("Percentual"), Panel1);
    rbValor = new QRadioButton(QStringLiteral("Valor"), Panel1);
    rbPercentual->setChecked(true);
    totais->addWidget(new QLabel(QStringLiteral("SubTotal: R$"), Panel1), 0, 0);
    totais->addWidget(edtSubTotal, 0, 1);
    totais->addWidget(new QLabel(QStringLiteral("Desconto:"), Panel1), 1, 0);
    totais->addWidget(edtDesconto, 1, 1);
    auto *tipos = new QHBoxLayout;
    tipos->addWidget(rbPercentual);
    tipos->addWidget(rbValor);
    totais->addLayout(tipos, 1, 2);
    totais->addWidget(new QLabel(QStringLiteral("Valor Total do Cupom: R$"), Panel1), 2, 0);
    totais->addWidget(edtTotal, 2, 1);
    cupom->addLayout(totais);

    auto *comprador = new QGridLayout;
    edtNome = new QLineEdit(Panel1);
    edtNome->setMaxLength(39);
    edtCpfCnpj = new QLineEdit(Panel1);
    edtCpfCnpj->setMaxLength(38);
    edtEndereco = new QLineEdit(Panel1);
    edtEndereco->setMaxLength(42);
    cbCliente = new QComboBox(Panel1);
    cbCliente->setPlaceholderText(QStringLiteral("NENHUM CLIENTE SELECIONADO"));
    comprador->addWidget(new QLabel(QStringLiteral("Cliente:"), Panel1), 0, 0);
    comprador->addWidget(cbCliente, 0, 1);
    comprador->addWidget(new QLabel(QStringLiteral("Em Nome de:"), Panel1), 1, 0);
    comprador->addWidget(edtNome, 1, 1);
    comprador->addWidget(new QLabel(QStringLiteral("CPF ou CNPJ:"), Panel1), 2, 0);
    comprador->addWidget(edtCpfCnpj, 2, 1);
    comprador->addWidget(new QLabel(QStringLiteral("Endereço:"), Panel1), 3, 0);
    comprador->addWidget(edtEndereco, 3, 1);
    cupom->addLayout(comprador);

    auto *opcoes = new QHBoxLayout;
    auto *grpForma = new QGroupBox(QStringLiteral("   Selecione a Forma de Pagamento   "), Panel1);
    auto *formas = new QVBoxLayout(grpForma);
    for (const char *f : {"Dinheiro", "Cartão de Crédito  -  Visa", "Cartão de Crédito  -  Mastercard",
                          "Cartão de Crédito  -  Hipercard", "Cheque", "Duplicata"}) {
        auto *rb = new QRadioButton(QString::fromUtf8(f), grpForma);
        formas->addWidget(rb);
        rbFormas.append(rb);
    }
    rbFormas.first()->setChecked(true);
    opcoes->addWidget(grpForma);

    grpHospedagens = new QGroupBox(QStringLiteral("Hospedagens"), Panel1);
    auto *hosp = new QGridLayout(grpHospedagens);
    ListBox1 = new QListWidget(grpHospedagens);
    btnMais = new QPushButton(QStringLiteral("+"), grpHospedagens);
    btnMenos = new QPushButton(QStringLiteral("-"), grpHospedagens);
    hosp->addWidget(ListBox1, 0, 0, 2, 1);
    hosp->addWidget(btnMais, 0, 1);
    hosp->addWidget(btnMenos, 1, 1);
    opcoes->addWidget(grpHospedagens);

    grpEscolha = new QGroupBox(Panel1);
    auto *esc = new QVBoxLayout(grpEscolha);
    rbTodos = new QRadioButton(QStringLiteral("Todos"), grpEscolha);
    rbIndividual = new QRadioButton(QStringLiteral("Selecionar Individualmente"), grpEscolha);
    rbApenasDiarias = new QRadioButton(QStringLiteral("Apenas Diárias"), grpEscolha);
    rbApenasConsumos = new QRadioButton(QStringLiteral("Apenas Consumos"), grpEscolha);
    rbTodos->setChecked(true);
    for (QRadioButton *rb : {rbTodos, rbIndividual, rbApenasDiarias, rbApenasConsumos}) {
        esc->addWidget(rb);
        connect(rb, &QRadioButton::clicked, this, &TFrmRotinasFiscais::escolhaClick);
    }
    opcoes->addWidget(grpEscolha);
    cupom->addLayout(opcoes);

    auto *acoes = new QHBoxLayout;
    acoes->addStretch(1);
    JvXPButton7 = new QPushButton(QStringLiteral("Confirmar"), Panel1);
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), Panel1);
    acoes->addWidget(JvXPButton7);
    acoes->addWidget(btnCancelar);
    cupom->addLayout(acoes);
    corpo->addWidget(Panel1, 1);
    Panel1->setVisible(false);
    JvXPButton7->setEnabled(false);

    connect(btnLeituraMemoria, &QPushButton::clicked, this, &TFrmRotinasFiscais::btnLeituraMemoriaClick);
    connect(btnOkDatas, &QPushButton::clicked, this, &TFrmRotinasFiscais::btnOkDatasClick);
    connect(btnLeituraX, &QPushButton::clicked, this, &TFrmRotinasFiscais::btnLeituraXClick);
    connect(btnReducaoZ, &QPushButton::clicked, this, &TFrmRotinasFiscais::btnReducaoZClick);
    connect(btnConsultarAliquotas, &QPushButton::clicked, this, &TFrmRotinasFiscais::btnConsultarAliquotasClick);
    connect(btnAdicionarAliquota, &QPushButton::clicked, this, &TFrmRotinasFiscais::btnAdicionarAliquotaClick);
    connect(btnCancelarCupom, &QPushButton::clicked, this, &TFrmRotinasFiscais::btnCancelarCupomClick);
    connect(btnMais, &QPushButton::clicked, this, &TFrmRotinasFiscais::btnMaisClick);
    connect(btnMenos, &QPushButton::clicked, this, &TFrmRotinasFiscais::btnMenosClick);
    connect(rbPercentual, &QRadioButton::clicked, this, &TFrmRotinasFiscais::tipoDescontoClick);
    connect(rbValor, &QRadioButton::clicked, this, &TFrmRotinasFiscais::tipoDescontoClick);
    connect(edtDesconto, &QLineEdit::textEdited, this, &TFrmRotinasFiscais::recalcularTotal);
    connect(gradeItens, &QTableWidget::cellDoubleClicked, this,
            [this](int linha, int) { gradeItensDblClick(linha); });
    connect(cbCliente, &QComboBox::currentIndexChanged, this, &TFrmRotinasFiscais::cbClienteChange);
    connect(JvXPButton7, &QPushButton::clicked, this, &TFrmRotinasFiscais::JvXPButton7Click);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmRotinasFiscais::btnCancelarClick);
    resize(1000, 640);
}

void TFrmRotinasFiscais::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    FormShow();
}

void TFrmRotinasFiscais::FormShow()
{
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    carregarClientes();
    if (DespesaAvulsa == QLatin1String("SIM")) {
        grpEscolha->setVisible(false);
        grpHospedagens->setVisible(false);
        layout()->activate();
        resize(665, height());
        m_linhas = linhasDespesaAvulsa(DM->Conexao, tipoDespesaAvulsa, idDespesaAvulsa);
        mostrarLinhas();
        return;
    }
    rbTodos->setChecked(true);
    carregarLinhas();
    // The plain opening shows the routines alone.
    if (!Panel1->isVisibleTo(this)) {
        layout()->activate();
        resize(minimumSizeHint().width(), 480);
    }
}

void TFrmRotinasFiscais::mostrarCupom()
{
    Panel1->setVisible(true);
    JvXPButton7->setEnabled(true);
}

QList<qint64> TFrmRotinasFiscais::hospedagens() const
{
    QList<qint64> l;
    for (int i = 0; i < ListBox1->count(); ++i)
        l.append(ListBox1->item(i)->text().toLongLong());
    return l;
}

void TFrmRotinasFiscais::adicionarHospedagem(qint64 idEntrada) { ListBox1->addItem(QString::number(idEntrada)); }

void TFrmRotinasFiscais::carregarClientes()
{
    // Built in one model: a hotel may keep many thousands of customers.
    auto *modelo = new QStandardItemModel(cbCliente);
    for (const Linha &r : DM->Conexao.lerTodas(QStringLiteral(
             "SELECT CNPJ_CPF, NOME, ENDERECO FROM CLIENTE WHERE EXCLUIDO = 'N' ORDER BY NOME"))) {
        auto *item = new QStandardItem(r.texto(QStringLiteral("CNPJ_CPF")) + QStringLiteral(" - ") +
                                       r.texto(QStringLiteral("NOME")));
        item->setData(r.texto(QStringLiteral("CNPJ_CPF")), kRoleCpf);
        item->setData(r.texto(QStringLiteral("NOME")), kRoleNome);
        item->setData(r.texto(QStringLiteral("ENDERECO")), kRoleEndereco);
        modelo->appendRow(item);
    }
    const QSignalBlocker b(cbCliente);
    cbCliente->setModel(modelo);
    cbCliente->setCurrentIndex(-1);
}

void TFrmRotinasFiscais::cbClienteChange(int indice)
{
    if (indice < 0) {
        edtNome->clear();
        edtCpfCnpj->clear();
        edtEndereco->clear();
        return;
    }
    edtNome->setText(cbCliente->itemData(indice, kRoleNome).toString());
    edtCpfCnpj->setText(cbCliente->itemData(indice, kRoleCpf).toString());
    edtEndereco->setText(cbCliente->itemData(indice, kRoleEndereco).toString());
}

Escolha TFrmRotinasFiscais::escolha() const
{
    if (rbIndividual->isChecked())
        return Escolha::Individual;
    if (rbApenasDiarias->isChecked())
        return Escolha::ApenasDiarias;
    if (rbApenasConsumos->isChecked())
        return Escolha::ApenasConsumos;
    return Escolha::Todos;
}

bool TFrmRotinasFiscais::individual() const
{
    return DespesaAvulsa != QLatin1String("SIM") && rbIndividual->isChecked();
}

void TFrmRotinasFiscais::carregarLinhas()
{
    const QList<qint64> estadias = hospedagens();
    m_linhas = estadias.isEmpty()
                   ? QList<LinhaCupom>()
                   : linhasHospedagens(DM->Conexao, estadias, tParametros().sim(QStringLiteral("AGRUPARCONSUMOFISCAL")), escolha());
    mostrarLinhas();
}

void TFrmRotinasFiscais::mostrarLinhas()
{
    const bool sel = individual();
    gradeItens->setColumnHidden(ColSel, !sel);
    gradeItens->setRowCount(int(m_linhas.size()));
    for (int i = 0; i < m_linhas.size(); ++i) {
        const LinhaCupom &l = m_linhas.at(i);
        const QStringList textos = {l.selecionado,
                                    QString::number(l.codigo()),
                                    l.descricao(),
                                    l.valorUnit.formatado(),
                                    QString::number(l.qtd),
                                    l.valor().formatado(),
                                    l.idEntrada ? QString::number(l.idEntrada) : QString()};
        for (int c = 0; c < textos.size(); ++c) {
            auto *item = new QTableWidgetItem(textos.at(c));
            if (c == ColValorUnit || c == ColValorFinal)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (sel) {
                item->setBackground(corBGR(l.selecionada() ? 9699219 : 8716272));
                item->setForeground(Qt::black);
            }
            gradeItens->setItem(i, c, item);
        }
    }
    m_subtotal = subtotal(m_linhas, sel);
    edtSubTotal->setText(m_subtotal.formatado());
    recalcularTotal();
}

void TFrmRotinasFiscais::recalcularTotal()
{
    if (edtDesconto->text().trimmed().isEmpty()) {
        edtTotal->setText(m_subtotal.formatado());
        return;
    }
    // While the discount is not readable the total stays as it was.
    const auto total = totalCupom(m_subtotal,
                                  rbValor->isChecked() ? TipoDesconto::Valor : TipoDesconto::Percentual,
                                  edtDesconto->text());
    if (total)
        edtTotal->setText(total->formatado());
}

bool TFrmRotinasFiscais::eventFilter(QObject *o, QEvent *e)
{
    auto *edit = qobject_cast<QLineEdit *>(o);
    if (edit && (edit == edtSubTotal || edit == edtDesconto || edit == edtTotal)) {
        if (e->type() == QEvent::FocusIn)
            edit->setText(semPontos(edit->text()));
        else if (e->type() == QEvent::FocusOut)
            edit->setText(reformatado(edit->text()));
    }
    return QDialog::eventFilter(o, e);
}

void TFrmRotinasFiscais::escolhaClick() { carregarLinhas(); }

void TFrmRotinasFiscais::tipoDescontoClick()
{
    edtDesconto->setFocus();
    recalcularTotal();
}

void TFrmRotinasFiscais::gradeItensDblClick(int linha)
{
    if (!individual() || linha < 0 || linha >= m_linhas.size())
        return;
    LinhaCupom &l = m_linhas[linha];
    l.selecionado = l.selecionada() ? QStringLiteral("N") : QStringLiteral("S");
    mostrarLinhas();
    gradeItens->selectRow(linha);
}

void TFrmRotinasFiscais::btnMaisClick()
{
    const std::optional<QString> resposta = Digitacao::texto(kTituloCodigoEntrada, kCodigoEntrada);
    if (!resposta)
        return;
    const QString texto = resposta->trimmed();
    if (texto.isEmpty()) {
        Mensagem::aviso(kMsgInformeEntrada);
        return;
    }
    bool ok = false;
    const qint64 id = texto.toLongLong(&ok);
    if (!ok) {
        Mensagem::erro(kMsgErroAdicionar);
        return;
    }
    try {
        if (DM->Conexao.ler(QStringLiteral("SELECT ID_WALK_IN FROM WALK_IN WHERE ID_WALK_IN = ?"), {id}).vazia())
            return;
        if (hospedagens().contains(id)) {
            Mensagem::aviso(kMsgEntradaJaAdicionada);
            return;
        }
        adicionarHospedagem(id);
        rbTodos->setChecked(true);
        carregarLinhas();
    } catch (const ErroSistema &) {
        Mensagem::erro(kMsgErroAdicionar);
    }
}

void TFrmRotinasFiscais::btnMenosClick()
{
    if (ListBox1->count() < 2) {
        Mensagem::aviso(kMsgUmaHospedagem);
        return;
    }
    if (ListBox1->currentRow() >= 0)
        delete ListBox1->takeItem(ListBox1->currentRow());
    rbTodos->setChecked(true);
    carregarLinhas();
    // The plain opening shows the routines alone.
    if (!Panel1->isVisibleTo(this)) {
        layout()->activate();
        resize(minimumSizeHint().width(), 480);
    }
}

void TFrmRotinasFiscais::JvXPButton7Click()
{
    DadosCupom d;
    const bool sel = individual();
    for (const LinhaCupom &l : m_linhas)
        if (!sel || l.selecionada())
            d.linhas.append(l);
    d.tipoDesconto = rbValor->isChecked() ? TipoDesconto::Valor : TipoDesconto::Percentual;
    d.desconto = edtDesconto->text();
    for (int i = 0; i < rbFormas.size(); ++i)
        if (rbFormas.at(i)->isChecked())
            d.formaPagamento = i;
    d.nome = edtNome->text();
    d.cpfCnpj = edtCpfCnpj->text();
    d.endereco = edtEndereco->text();
    d.aliquotaDiaria = tParametros().texto(QStringLiteral("ALIQUOTADIARIA"));
    if (emitirCupom(d) == Resultado::Impresso)
        accept();
}

void TFrmRotinasFiscais::btnCancelarClick()
{
    Panel1->setVisible(false);
    JvXPButton7->setEnabled(false);
}

void TFrmRotinasFiscais::btnLeituraMemoriaClick()
{
    pnlDatas->setVisible(true);
    edtDataInicial->setFocus();
}

void TFrmRotinasFiscais::btnOkDatasClick()
{
    const auto inicio = lerDataMemoria(edtDataInicial->text());
    const auto fim = lerDataMemoria(edtDataFinal->text());
    if (!inicio || !fim) {
        Mensagem::aviso(kMsgDataInvalida);
        (inicio ? edtDataFinal : edtDataInicial)->setFocus();
        return;
    }
    if (*fim < *inicio) {
        Mensagem::aviso(kMsgPeriodoInvertido);
        edtDataFinal->setFocus();
        return;
    }
    Analisa_iRetorno(Bematech_FI_LeituraMemoriaFiscalData(edtDataInicial->text(), edtDataFinal->text()));
    pnlDatas->setVisible(false);
}

void TFrmRotinasFiscais::btnLeituraXClick() { Analisa_iRetorno(Bematech_FI_LeituraX()); }

void TFrmRotinasFiscais::btnReducaoZClick()
{
    if (!Mensagem::pergunta(kPerguntaReducaoZ))
        return;
    Analisa_iRetorno(Bematech_FI_ReducaoZ(QString(), QString()));
}

void TFrmRotinasFiscais::btnConsultarAliquotasClick()
{
    QString buffer(79, QLatin1Char(' '));
    Analisa_iRetorno(Bematech_FI_RetornoAliquotas(buffer));
    Mensagem::info(kAliquotasProgramadas + buffer);
}

void TFrmRotinasFiscais::btnAdicionarAliquotaClick() { Telas::abrir<TFrmAliquotas>(FrmAliquotas, this); }

void TFrmRotinasFiscais::btnCancelarCupomClick()
{
    if (!Mensagem::pergunta(kPerguntaCancelar))
        return;
    Analisa_iRetorno(Bematech_FI_CancelaCupom());
}
