#include "staff/UnitCadPagFuncionarios.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"
#include "base/CamposEdicao.h"
#include "staff/UnitFuncionarios.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace PagamentoFuncionarios;

TFrmCadPagFuncionarios *FrmCadPagFuncionarios = nullptr;

TFrmCadPagFuncionarios::TFrmCadPagFuncionarios(ListaPagamentos *lista, QWidget *parent)
    : QDialog(parent), m_lista(lista)
{
    setWindowTitle(QStringLiteral("Pagamento de Funcionários"));
    auto *layout = new QVBoxLayout(this);
    const TopoEdicao topo = adicionarTopoEdicao(this, layout, QString(), QStringLiteral("lblCodigo"),
                                                QStringLiteral("O Código será Atribuído Automáticamente"), true);
    imgCabecalho = topo.cabecalho;
    lblTitulo = topo.titulo;

    pnlCampos = new QWidget(this);
    auto *form = new QFormLayout(pnlCampos);
    dtpVencimento = new QDateEdit(pnlCampos);
    dtpPagamento = new QDateEdit(pnlCampos);
    for (QDateEdit *d : {dtpVencimento, dtpPagamento}) {
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
    }
    dtpVencimento->setObjectName(QStringLiteral("dtpVencimento"));
    dtpPagamento->setObjectName(QStringLiteral("dtpPagamento"));
    dtpPagamento->setReadOnly(true);
    cbTipo = new QComboBox(pnlCampos);
    cbTipo->setObjectName(QStringLiteral("cbTipo"));
    cbTipo->addItems({QStringLiteral("Desconto"), QStringLiteral("Crédito")});
    cbFuncionario = new QComboBox(pnlCampos);
    cbFuncionario->setObjectName(QStringLiteral("cbFuncionario"));
    cbFuncionario->setMinimumWidth(360);
    btnFuncionarios = new QPushButton(QStringLiteral("Funcionários"), pnlCampos);
    btnFuncionarios->setAutoDefault(false);
    auto *func = new QHBoxLayout;
    func->addWidget(cbFuncionario, 1);
    func->addWidget(btnFuncionarios);
    edtDescricao = new QLineEdit(pnlCampos);
    edtDescricao->setObjectName(QStringLiteral("edtDescricao"));
    emMaiusculas(edtDescricao, 90);
    edtValor = new QLineEdit(QStringLiteral("0,00"), pnlCampos);
    edtValor->setObjectName(QStringLiteral("edtValor"));
    edtValor->setMaxLength(18);
    edtValor->setAlignment(Qt::AlignRight);
    edtValor->setMaximumWidth(140);
    CamposEdicao::dinheiro(edtValor);
    form->addRow(QStringLiteral("Vencimento:"), dtpVencimento);
    lblPagamento = new QLabel(QStringLiteral("Pagamento:"), pnlCampos);
    form->addRow(lblPagamento, dtpPagamento);
    form->addRow(QStringLiteral("Tipo:"), cbTipo);
    form->addRow(QStringLiteral("Funcionário:"), func);
    form->addRow(QStringLiteral("Descrição:"), edtDescricao);
    form->addRow(QStringLiteral("Valor:             R$"), edtValor);
    lblPagamento->hide();
    dtpPagamento->hide();
    layout->addWidget(pnlCampos);

    const BotoesEdicao botoes = adicionarBotoesEdicao(this, layout);
    btnConfirmar = botoes.confirmar;
    btnCancelar = botoes.cancelar;
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadPagFuncionarios::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadPagFuncionarios::btnCancelarClick);
    connect(btnFuncionarios, &QPushButton::clicked, this, &TFrmCadPagFuncionarios::btnFuncionariosClick);

    menuAtalhos = instalarComportamentoEdicao(this, {[this] {
                                                         if (btnConfirmar->isEnabled())
                                                             btnConfirmar->click();
                                                     },
                                                     [this] { btnCancelar->click(); },
                                                     QStringLiteral("|| Confirmar - (F10) ||"),
                                                     QStringLiteral("|| Cancelar - (F12) ||")});
    auto *func2 = menuAtalhos->addAction(QStringLiteral("|| Funcionários  - (Ctrl + F) ||"));
    func2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    func2->setShortcutContext(Qt::WindowShortcut);
    connect(func2, &QAction::triggered, this, [this] {
        if (btnFuncionarios->isEnabled())
            btnFuncionariosClick();
    });
    carregarFuncionarios();
}

void TFrmCadPagFuncionarios::carregarFuncionarios()
{
    const qint64 antes = funcionarioEscolhido();
    cbFuncionario->clear();
    for (const Pagina &p : paginas(DM->Conexao))
        cbFuncionario->addItem(QString::number(p.funcionario) + QLatin1Char('/') + p.nome, p.funcionario);
    escolherFuncionario(antes);
}

void TFrmCadPagFuncionarios::escolherFuncionario(qint64 chave)
{
    cbFuncionario->setCurrentIndex(chave > 0 ? cbFuncionario->findData(chave) : -1);
}

qint64 TFrmCadPagFuncionarios::funcionarioEscolhido() const
{
    return cbFuncionario->currentIndex() < 0 ? 0 : cbFuncionario->currentData().toLongLong();
}

void TFrmCadPagFuncionarios::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    dtpVencimento->setDate(Relogio::hoje());
    dtpPagamento->setDate(Relogio::hoje());
    m_modo = m_lista ? m_lista->OP : QStringLiteral("I");
    if (m_lista)
        m_original = m_lista->lancamentoAtual();
    if (m_modo == QLatin1String("I")) {
        lblTitulo->setText(QStringLiteral("Novo Pagamento"));
        cbTipo->setCurrentIndex(0);
        escolherFuncionario(m_original.funcionario);
        edtDescricao->setFocus();
        return;
    }
    lblTitulo->setText(m_modo == QLatin1String("A") ? QStringLiteral("Alterar Pagamento")
                                                     : QStringLiteral("Ver Pagamento"));
    dtpVencimento->setDate(m_original.vencimento);
    cbTipo->setCurrentIndex(m_original.tipo == QLatin1String("+") ? 1 : 0);
    edtDescricao->setText(m_original.descricao);
    edtValor->setText(m_original.valor.formatado());
    escolherFuncionario(m_original.funcionario);
    if (m_modo == QLatin1String("A")) {
        edtDescricao->setFocus();
        return;
    }
    pnlCampos->setEnabled(false);
    btnConfirmar->setEnabled(false);
    if (m_original.pago()) {
        dtpPagamento->setDate(m_original.pagamento);
        lblPagamento->show();
        dtpPagamento->show();
    }
    btnCancelar->setFocus();
}

void TFrmCadPagFuncionarios::btnConfirmarClick()
{
    if (m_modo != QLatin1String("I") && m_modo != QLatin1String("A"))
        return;
    Dados d;
    d.funcionario = funcionarioEscolhido();
    d.vencimento = dtpVencimento->date();
    d.credito = cbTipo->currentIndex() == 1;
    d.descricao = edtDescricao->text();
    d.valor = edtValor->text();
    const Resultado r = m_modo == QLatin1String("I") ? incluir(DM->Conexao, d) : alterar(DM->Conexao, m_original, d);
    if (!r.feito) {
        Mensagem::info(r.mensagem);
        switch (r.foco) {
        case Campo::Funcionario: cbFuncionario->setFocus(); break;
        case Campo::Descricao: edtDescricao->setFocus(); break;
        case Campo::Valor: edtValor->setFocus(); break;
        case Campo::Nenhum:
            // the row changed on another workstation: the list shows it anew
            if (r.mensagem == kMsgMudouEmOutraEstacao)
                reject();
            break;
        }
        return;
    }
    if (m_modo == QLatin1String("I")) {
        if (Mensagem::pergunta(r.mensagem)) {
            edtDescricao->clear();
            edtValor->setText(QStringLiteral("0,00"));
            carregarFuncionarios();
            edtDescricao->setFocus();
            return;
        }
        accept();
        return;
    }
    if (r.comCaixa)
        r.caixa.mostrar();
    else
        Mensagem::info(r.mensagem);
    accept();
}

void TFrmCadPagFuncionarios::btnCancelarClick() { reject(); }

void TFrmCadPagFuncionarios::btnFuncionariosClick()
{
    abrirFuncionarios(this);
    carregarFuncionarios();
}
