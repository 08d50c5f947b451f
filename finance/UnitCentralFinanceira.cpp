#include "finance/UnitCentralFinanceira.h"
#include "base/CabecalhoTela.h"
#include "base/Telas.h"
#include "base/Janela.h"
#include "finance/UnitCaixa.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TFrmCentralFinanceira *FrmCentralFinanceira = nullptr;
std::function<void(const QString &)> TFrmCentralFinanceira::abrirEstadias;
std::function<void()> TFrmCentralFinanceira::abrirPagFuncionarios;

namespace {
const QString kSelecione = QStringLiteral("Selecione uma Opção");
}

TFrmCentralFinanceira::TFrmCentralFinanceira(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Central Financeira"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);
    lblEmpresa = new QLabel(QStringLiteral("EMPRESA"), this);
    lblEmpresa->setObjectName(QStringLiteral("lblEmpresa"));
    QFont f = lblEmpresa->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    lblEmpresa->setFont(f);
    lblEmpresa->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblEmpresa);

    auto *grade = new QGridLayout;
    auto botao = [this](const QString &legenda, const QString &descricao, const char *nome) {
        auto *b = new QPushButton(legenda, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
        b->setMinimumSize(200, 56);
        b->installEventFilter(this);
        m_descricoes.append({b, descricao});
        return b;
    };
    btnSaidas = botao(QStringLiteral("Saídas (Walk-Out)"), QStringLiteral("Operações Destinadas as Saídas dos Hóspedes"),
                      "btnSaidas");
    btnCaixa = botao(QStringLiteral("Caixa"), QStringLiteral("Operações Destinadas aos Caixa"), "btnCaixa");
    btnDespesas = botao(QStringLiteral("Despesas de UH"),
                        QStringLiteral("Operações Destinadas as Despesas das Unidades Habitacionais"), "btnDespesas");
    btnFechar = botao(QStringLiteral("Fechar"), QStringLiteral("Sair da Central Financeira"), "btnFechar");
    btnCompras = botao(QStringLiteral("Compras"), QStringLiteral("Operações Destinadas a Compras"), "btnCompras");
    btnCheques = botao(QStringLiteral("Cheques"), QStringLiteral("Operações Destinadas aos Cheques"), "btnCheques");
    btnContasPagar = botao(QStringLiteral("Contas a Pagar"), QStringLiteral("Operações Destinadas as Contas a Pagar"),
                           "btnContasPagar");
    btnContasReceber = botao(QStringLiteral("Contas a Receber"),
                             QStringLiteral("Operações Destinadas as Contas a Receber"), "btnContasReceber");
    btnPagFuncionarios = botao(QStringLiteral("Pagamento de Funcionários"),
                               QStringLiteral("Operações Destinadas ao Pagamento de Funcionários"), "btnPagFuncionarios");
    grade->addWidget(btnSaidas, 0, 0);
    grade->addWidget(btnCaixa, 0, 1);
    grade->addWidget(btnDespesas, 1, 0);
    grade->addWidget(btnPagFuncionarios, 1, 1);
    grade->addWidget(btnFechar, 2, 1);
    for (QPushButton *b : {btnCompras, btnCheques, btnContasPagar, btnContasReceber})
        b->hide();
    layout->addLayout(grade);

    lblDescricao = new QLabel(kSelecione, this);
    lblDescricao->setObjectName(QStringLiteral("lblDescricao"));
    lblDescricao->setFrameShape(QFrame::Panel);
    lblDescricao->setFrameShadow(QFrame::Sunken);
    lblDescricao->setAlignment(Qt::AlignCenter);
    lblDescricao->setMinimumHeight(28);
    layout->addWidget(lblDescricao);

    const bool estadias = bool(abrirEstadias);
    btnSaidas->setEnabled(estadias);
    btnDespesas->setEnabled(estadias);
    btnPagFuncionarios->setEnabled(bool(abrirPagFuncionarios));
    connect(btnPagFuncionarios, &QPushButton::clicked, this, &TFrmCentralFinanceira::btnPagFuncionariosClick);
    connect(btnSaidas, &QPushButton::clicked, this, &TFrmCentralFinanceira::btnSaidasClick);
    connect(btnCaixa, &QPushButton::clicked, this, &TFrmCentralFinanceira::btnCaixaClick);
    connect(btnDespesas, &QPushButton::clicked, this, &TFrmCentralFinanceira::btnDespesasClick);
    connect(btnFechar, &QPushButton::clicked, this, &TFrmCentralFinanceira::btnFecharClick);
}

QString TFrmCentralFinanceira::descricao(QPushButton *botao) const
{
    for (const auto &d : m_descricoes)
        if (d.first == botao)
            return d.second;
    return {};
}

void TFrmCentralFinanceira::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    imgCabecalho->setPixmap(imagemPadrao());
    if (!Janela::nomeEmpresa().isEmpty())
        lblEmpresa->setText(Janela::nomeEmpresa());
}

bool TFrmCentralFinanceira::eventFilter(QObject *o, QEvent *e)
{
    if (auto *b = qobject_cast<QPushButton *>(o)) {
        if (e->type() == QEvent::Enter)
            lblDescricao->setText(descricao(b));
        else if (e->type() == QEvent::Leave)
            lblDescricao->setText(kSelecione);
    }
    return QDialog::eventFilter(o, e);
}

void TFrmCentralFinanceira::btnSaidasClick()
{
    if (abrirEstadias)
        abrirEstadias(QStringLiteral("Saída"));
}

void TFrmCentralFinanceira::btnCaixaClick() { abrirCaixa(); }

void TFrmCentralFinanceira::btnDespesasClick()
{
    if (abrirEstadias)
        abrirEstadias(QStringLiteral("Despesas"));
}

void TFrmCentralFinanceira::btnFecharClick() { reject(); }

void TFrmCentralFinanceira::btnPagFuncionariosClick()
{
    if (abrirPagFuncionarios)
        abrirPagFuncionarios();
}

void CentralFinanceira1Click() { Telas::abrir<TFrmCentralFinanceira>(FrmCentralFinanceira); }
