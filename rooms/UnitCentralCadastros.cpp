#include "rooms/UnitCentralCadastros.h"
#include "base/CabecalhoTela.h"
#include "base/Telas.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmCentralCadastros *FrmCentralCadastros = nullptr;

namespace CentralCadastros {

Ganchos &ganchos()
{
    static Ganchos g;
    return g;
}

} // namespace CentralCadastros

using CentralCadastros::ganchos;

TFrmCentralCadastros::TFrmCentralCadastros(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Central de Cadastros"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(criarCabecalhoTela(this));
    auto *grade = new QGridLayout;
    auto botao = [this](const QString &texto) {
        auto *b = new QPushButton(texto, this);
        b->setAutoDefault(false);
        b->setMinimumSize(180, 56);
        return b;
    };
    btnItens = botao(QStringLiteral("Estoque de Itens"));
    btnPDV = botao(QStringLiteral("Pontos de Venda (PDV's)"));
    btnProdutosServicos = botao(QStringLiteral("Produtos e Serviços"));
    btnFornecedores = botao(QStringLiteral("Fornecedores"));
    btnFuncionarios = botao(QStringLiteral("Funcionários"));
    grade->addWidget(btnItens, 0, 0);
    grade->addWidget(btnPDV, 0, 1);
    grade->addWidget(btnProdutosServicos, 0, 2);
    grade->addWidget(btnFornecedores, 1, 0);
    grade->addWidget(btnFuncionarios, 1, 1);
    layout->addLayout(grade);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setAutoDefault(false);
    auto *rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(btnSair);
    layout->addLayout(rodape);

    connect(btnItens, &QPushButton::clicked, this, &TFrmCentralCadastros::btnItensClick);
    connect(btnPDV, &QPushButton::clicked, this, &TFrmCentralCadastros::btnPDVClick);
    connect(btnProdutosServicos, &QPushButton::clicked, this, &TFrmCentralCadastros::btnProdutosServicosClick);
    connect(btnFornecedores, &QPushButton::clicked, this, &TFrmCentralCadastros::btnFornecedoresClick);
    connect(btnFuncionarios, &QPushButton::clicked, this, &TFrmCentralCadastros::btnFuncionariosClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmCentralCadastros::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    const CentralCadastros::Ganchos &g = ganchos();
    btnItens->setEnabled(bool(g.itens));
    btnPDV->setEnabled(bool(g.pdv));
    btnProdutosServicos->setEnabled(bool(g.produtosServicos));
    btnFornecedores->setEnabled(bool(g.fornecedores));
    btnFuncionarios->setEnabled(bool(g.funcionarios));
}

void TFrmCentralCadastros::btnItensClick()
{
    if (ganchos().itens)
        ganchos().itens();
}

void TFrmCentralCadastros::btnPDVClick()
{
    if (ganchos().pdv)
        ganchos().pdv();
}

void TFrmCentralCadastros::btnProdutosServicosClick()
{
    if (ganchos().produtosServicos)
        ganchos().produtosServicos();
}

void TFrmCentralCadastros::btnFornecedoresClick()
{
    if (ganchos().fornecedores)
        ganchos().fornecedores();
}

void TFrmCentralCadastros::btnFuncionariosClick()
{
    if (ganchos().funcionarios)
        ganchos().funcionarios();
}

void abrirCentralCadastros() { Telas::abrir<TFrmCentralCadastros>(FrmCentralCadastros); }
