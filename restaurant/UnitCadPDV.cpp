#include "restaurant/UnitCadPDV.h"
#include "base/TelaLista.h"
#include "base/CabecalhoTela.h"
#include "base/Dinheiro.h"
#include "base/Mensagem.h"
#include "base/CamposEdicao.h"
#include "restaurant/PontosVenda.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmCadPDV *FrmCadPDV = nullptr;

TFrmCadPDV::TFrmCadPDV(ListaCadastro *lista, QWidget *parent) : QDialog(parent), m_lista(lista)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("PDV"));
    auto *layout = new QVBoxLayout(this);
    const TopoEdicao topo = adicionarTopoEdicao(this, layout, QStringLiteral("CÓDIGO DO PDV:"),
                                                QStringLiteral("lblCodigo"), QString(), true);
    imgCabecalho = topo.cabecalho;
    lblTitulo = topo.titulo;
    lblCodigo = topo.codigo;

    pnlCampos = new QWidget(this);
    auto *campos = new QFormLayout(pnlCampos);
    edtDescricao = new QLineEdit(pnlCampos);
    edtDescricao->setObjectName(QStringLiteral("edtDescricao"));
    emMaiusculas(edtDescricao, 30);
    edtSigla = new QLineEdit(pnlCampos);
    edtSigla->setObjectName(QStringLiteral("edtSigla"));
    emMaiusculas(edtSigla, 5);
    edtSigla->setMaximumWidth(90);
    edtTaxa = new QLineEdit(QStringLiteral("0,00"), pnlCampos);
    edtTaxa->setObjectName(QStringLiteral("edtTaxa"));
    edtTaxa->setAlignment(Qt::AlignRight);
    edtTaxa->setMaxLength(10);
    edtTaxa->setMaximumWidth(90);
    CamposEdicao::dinheiro(edtTaxa);
    auto *taxa = new QHBoxLayout;
    taxa->addWidget(edtTaxa);
    taxa->addWidget(new QLabel(QStringLiteral("%"), pnlCampos));
    taxa->addStretch();
    campos->addRow(QStringLiteral("Descrição:"), edtDescricao);
    campos->addRow(QStringLiteral("Sigla:"), edtSigla);
    campos->addRow(QStringLiteral("Taxa de Serviço:"), taxa);
    layout->addWidget(pnlCampos);

    const BotoesEdicao botoes = adicionarBotoesEdicao(this, layout);
    btnConfirmar = botoes.confirmar;
    btnCancelar = botoes.cancelar;
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadPDV::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadPDV::btnCancelarClick);

    menuAtalhos = instalarComportamentoEdicao(
        this, {[this] {
                   if (btnConfirmar->isEnabled())
                       btnConfirmar->click();
               },
               [this] { btnCancelar->click(); }, QStringLiteral("|| Confirmar PDV  - (F10) ||"),
               QStringLiteral("|| Cancelar PDV - (F12) ||")});
}

void TFrmCadPDV::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    m_modo = m_lista ? modoDeOP(m_lista->OP) : ModoEdicao::Incluir;
    if (m_modo == ModoEdicao::Incluir) {
        lblTitulo->setText(QStringLiteral("Novo PDV"));
        novoRegistro();
        return;
    }
    TelaLista *l = m_lista->lista;
    m_chave = l->inteiro(QStringLiteral("ID_PDV"));
    m_descricaoAtual = l->texto(QStringLiteral("DESCRICAO"));
    lblTitulo->setText(m_modo == ModoEdicao::Alterar ? QStringLiteral("Alterar PDV") : QStringLiteral("Ver PDV"));
    lblCodigo->setText(QString::number(m_chave));
    edtDescricao->setText(m_descricaoAtual);
    edtSigla->setText(l->texto(QStringLiteral("ABREV")));
    edtTaxa->setText(Dinheiro::deVariant(l->valor(QStringLiteral("TAXA"))).formatado());
    if (m_modo == ModoEdicao::Ver) {
        pnlCampos->setEnabled(false);
        btnConfirmar->setEnabled(false);
        btnCancelar->setFocus();
    } else {
        edtDescricao->setFocus();
    }
}

void TFrmCadPDV::novoRegistro()
{
    m_reserva.reservar(QStringLiteral("GEN_ID_PDV"));
    m_chave = m_reserva.valor();
    lblCodigo->setText(QString::number(m_chave));
    edtDescricao->clear();
    edtSigla->clear();
    edtTaxa->setText(QStringLiteral("0,00"));
    edtDescricao->setFocus();
}

void TFrmCadPDV::btnConfirmarClick()
{
    if (m_modo == ModoEdicao::Ver)
        return;
    const PontosVenda::Resultado r =
        PontosVenda::salvar(DM->Conexao, m_modo, m_chave, edtDescricao->text(), edtSigla->text(), edtTaxa->text());
    if (!r.salvo) {
        Mensagem::info(r.mensagem);
        QLineEdit *foco = r.foco == PontosVenda::Campo::Taxa    ? edtTaxa
                          : r.foco == PontosVenda::Campo::Sigla ? edtSigla
                                                                : edtDescricao;
        foco->setFocus();
        foco->selectAll();
        return;
    }
    if (m_modo == ModoEdicao::Incluir) {
        m_reserva.confirmar();
        if (Mensagem::pergunta(PontosVenda::kMsgCadastrado)) {
            m_lista->lista->reabrir();
            novoRegistro();
            return;
        }
        accept();
        return;
    }
    Mensagem::info(PontosVenda::kMsgAlterado);
    accept();
}

void TFrmCadPDV::btnCancelarClick()
{
    if (m_lista)
        m_lista->OP.clear();
    reject();
}
