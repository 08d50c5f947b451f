#include "stays/UnitRelExtratoUH.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/TelaRelatorio.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "stays/ExtratoUH.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmRelExtratoUH *FrmRelExtratoUH = nullptr;

TFrmRelExtratoUH::TFrmRelExtratoUH(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(ExtratoUH::kTitulo);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    imgCabecalho->setPixmap(imagemPadrao());
    layout->addWidget(imgCabecalho);

    grpOpcoes = new QGroupBox(QStringLiteral("  Opções:  "), this);
    auto *g = new QGridLayout(grpOpcoes);
    edtData1 = TelaRelatorio::campoData(grpOpcoes, Relogio::hoje());
    edtData2 = TelaRelatorio::campoData(grpOpcoes, Relogio::hoje());
    g->addWidget(new QLabel(QStringLiteral("De"), grpOpcoes), 0, 0);
    g->addWidget(edtData1, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Até"), grpOpcoes), 0, 2);
    g->addWidget(edtData2, 0, 3);
    layout->addWidget(grpOpcoes);
    // Only a user with MOVIMENTOS chooses the period; the others print today.
    grpOpcoes->setEnabled(Sessao::atual().direitos.MOVIMENTOS);

    lblNota = new QLabel(QStringLiteral("Serão exibidas todas as hospedagens fechadas no período\n"
                                        "e todas as hospedagens que ainda estão em aberto,\n"
                                        "com as despesas avulsas do período nos totais."),
                         this);
    layout->addWidget(lblNota);

    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnImprimir->setToolTip(QStringLiteral("Imprimir"));
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setToolTip(QStringLiteral("Sair"));
    botoes->addStretch();
    botoes->addWidget(btnImprimir);
    botoes->addWidget(btnSair);
    layout->addLayout(botoes);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelExtratoUH::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelExtratoUH::btnSairClick);
    TelaRelatorio::acaoAoAtivar(this, QStringLiteral("Relatório de Extrato de UH"));
}

void TFrmRelExtratoUH::btnImprimirClick()
{
    const QDate de = edtData1->date();
    const QDate ate = edtData2->date();
    if (!TelaRelatorio::periodoValido(de, ate))
        return;
    const ExtratoUH::Extrato e = ExtratoUH::ler(DM->Conexao, de, ate);
    if (e.vazio()) {
        Mensagem::info(kMsgNenhumRegistro);
        return;
    }
    RelatorioPintura::exibir(ExtratoUH::relatorio(e), ExtratoUH::textoLog(de, ate),
                             RelatorioPintura::Destino::Visualizar, {}, this);
}

void TFrmRelExtratoUH::btnSairClick() { reject(); }

void abrirRelExtratoUH(QWidget *parent) { Telas::abrir<TFrmRelExtratoUH>(FrmRelExtratoUH, parent); }
