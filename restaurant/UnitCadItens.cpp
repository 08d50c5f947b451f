#include "restaurant/UnitCadItens.h"
#include "base/TelaLista.h"
#include "base/CabecalhoTela.h"
#include "base/Dinheiro.h"
#include "base/Mensagem.h"
#include "base/CamposEdicao.h"
#include "restaurant/Itens.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmCadItens *FrmCadItens = nullptr;

TFrmCadItens::TFrmCadItens(ListaCadastro *lista, QWidget *parent) : QDialog(parent), m_lista(lista)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Item"));
    auto *layout = new QVBoxLayout(this);
    const TopoEdicao topo = adicionarTopoEdicao(this, layout, QStringLiteral("CÓDIGO DO ITEM:"),
                                                QStringLiteral("lblCodigo"), QString(), true);
    imgCabecalho = topo.cabecalho;
    lblTitulo = topo.titulo;
    lblCodigo = topo.codigo;

    pnlCampos = new QWidget(this);
    auto *campos = new QFormLayout(pnlCampos);
    edtDescricao = new QLineEdit(pnlCampos);
    edtDescricao->setObjectName(QStringLiteral("edtDescricao"));
    emMaiusculas(edtDescricao, 90);
    edtDescricao->setMinimumWidth(420);
    edtEstoque = new QLineEdit(pnlCampos);
    edtEstoque->setObjectName(QStringLiteral("edtEstoque"));
    edtEstoque->setMaxLength(5);
    edtEstoque->setMaximumWidth(90);
    edtEstoque->setAlignment(Qt::AlignRight);
    edtValor = new QLineEdit(QStringLiteral("0,00"), pnlCampos);
    edtValor->setObjectName(QStringLiteral("edtValor"));
    edtValor->setMaxLength(20);
    edtValor->setMaximumWidth(140);
    edtValor->setAlignment(Qt::AlignRight);
    CamposEdicao::dinheiro(edtValor);
    edtMinimo = new QLineEdit(QStringLiteral("0"), pnlCampos);
    edtMinimo->setObjectName(QStringLiteral("edtMinimo"));
    edtMinimo->setMaxLength(5);
    edtMinimo->setMaximumWidth(90);
    edtMinimo->setAlignment(Qt::AlignRight);
    campos->addRow(QStringLiteral("Descrição:"), edtDescricao);
    campos->addRow(QStringLiteral("Estoque Atual:"), edtEstoque);
    campos->addRow(QStringLiteral("Valor:         R$"), edtValor);
    campos->addRow(QStringLiteral("Estoque Mínimo:"), edtMinimo);
    layout->addWidget(pnlCampos);

    const BotoesEdicao botoes = adicionarBotoesEdicao(this, layout);
    btnConfirmar = botoes.confirmar;
    btnCancelar = botoes.cancelar;
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadItens::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadItens::btnCancelarClick);

    menuAtalhos = instalarComportamentoEdicao(
        this, {[this] {
                   if (btnConfirmar->isEnabled())
                       btnConfirmar->click();
               },
               [this] { btnCancelar->click(); }, QStringLiteral("|| Confirmar Item  - (F10) ||"),
               QStringLiteral("|| Cancelar Item - (F12) ||")});
}

void TFrmCadItens::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    m_modo = m_lista ? modoDeOP(m_lista->OP) : ModoEdicao::Incluir;
    if (m_modo == ModoEdicao::Incluir) {
        lblTitulo->setText(QStringLiteral("Novo Item"));
        novoRegistro();
        return;
    }
    TelaLista *l = m_lista->lista;
    m_chave = l->inteiro(QStringLiteral("ID_ITEM"));
    m_descricaoCarregada = l->texto(QStringLiteral("DESCRICAO"));
    m_estoqueCarregado = l->inteiro(QStringLiteral("ESTOQUE"));
    lblTitulo->setText(m_modo == ModoEdicao::Alterar ? QStringLiteral("Alterar Item") : QStringLiteral("Ver Item"));
    lblCodigo->setText(QString::number(m_chave));
    edtDescricao->setText(m_descricaoCarregada);
    edtValor->setText(Dinheiro::deVariant(l->valor(QStringLiteral("VALOR"))).formatado());
    edtEstoque->setText(QString::number(m_estoqueCarregado));
    edtMinimo->setText(QString::number(l->inteiro(QStringLiteral("AVISAR"))));
    if (m_modo == ModoEdicao::Ver) {
        pnlCampos->setEnabled(false);
        btnConfirmar->setEnabled(false);
        btnCancelar->setFocus();
    } else {
        edtDescricao->setFocus();
    }
}

void TFrmCadItens::novoRegistro()
{
    m_reserva.reservar(QStringLiteral("GEN_ID_ITEM"));
    m_chave = m_reserva.valor();
    lblCodigo->setText(QString::number(m_chave));
    edtDescricao->clear();
    edtEstoque->clear();
    edtValor->setText(QStringLiteral("0,00"));
    edtMinimo->setText(QStringLiteral("0"));
    edtDescricao->setFocus();
}

void TFrmCadItens::btnConfirmarClick()
{
    if (m_modo == ModoEdicao::Ver)
        return;
    if (edtMinimo->text().trimmed().isEmpty())
        edtMinimo->setText(QStringLiteral("0"));
    Itens::Dados d;
    d.descricao = edtDescricao->text();
    d.estoque = edtEstoque->text();
    d.valor = edtValor->text();
    d.minimo = edtMinimo->text();
    const Itens::Resultado r =
        Itens::salvar(DM->Conexao, m_modo, m_chave, d, m_descricaoCarregada, m_estoqueCarregado);
    if (!r.salvo) {
        Mensagem::info(r.mensagem);
        if (r.foco == Itens::Campo::Nenhum) {
            reject();
            return;
        }
        QLineEdit *foco = r.foco == Itens::Campo::Estoque ? edtEstoque
                          : r.foco == Itens::Campo::Valor ? edtValor
                          : r.foco == Itens::Campo::Minimo ? edtMinimo
                                                           : edtDescricao;
        foco->setFocus();
        foco->selectAll();
        return;
    }
    if (m_modo == ModoEdicao::Incluir) {
        m_reserva.confirmar();
        if (Mensagem::pergunta(r.mensagem)) {
            m_lista->lista->reabrir();
            novoRegistro();
            return;
        }
        accept();
        return;
    }
    Mensagem::info(r.mensagem);
    accept();
}

void TFrmCadItens::btnCancelarClick()
{
    if (m_lista)
        m_lista->OP.clear();
    reject();
}
