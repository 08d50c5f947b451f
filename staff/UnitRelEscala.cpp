#include "staff/UnitRelEscala.h"
#include "base/CabecalhoTela.h"
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "staff/Escala.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmRelEscala *FrmRelEscala = nullptr;

TFrmRelEscala::TFrmRelEscala(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Relatório - Escala de Trabalho"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);
    auto *grupo = new QGroupBox(QStringLiteral("  Selecione a Escala:  "), this);
    auto *lg = new QVBoxLayout(grupo);
    cbEscala = new QComboBox(grupo);
    cbEscala->setObjectName(QStringLiteral("cbEscala"));
    cbEscala->setMinimumWidth(380);
    cbEscala->setEditable(true);
    cbEscala->setInsertPolicy(QComboBox::NoInsert);
    cbEscala->lineEdit()->setReadOnly(true);
    cbEscala->lineEdit()->setPlaceholderText(QStringLiteral("S E L E C I O N E   A   E S C A L A"));
    lg->addWidget(cbEscala);
    layout->addWidget(grupo);

    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnImprimir->setToolTip(QStringLiteral("Imprimir"));
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setToolTip(QStringLiteral("Sair"));
    btnImprimir->setAutoDefault(false);
    btnSair->setAutoDefault(false);
    botoes->addStretch();
    botoes->addWidget(btnImprimir);
    botoes->addWidget(btnSair);
    layout->addLayout(botoes);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelEscala::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelEscala::btnSairClick);

    for (const Linha &l : DM->Conexao.lerTodas(Escala::kSqlLista))
        cbEscala->addItem(l.texto(QStringLiteral("ID_ESCALA")) + QLatin1Char('/') + l.texto(QStringLiteral("DESCRICAO")),
                          l.inteiro(QStringLiteral("ID_ESCALA")));
    cbEscala->setCurrentIndex(-1);
}

void TFrmRelEscala::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    imgCabecalho->setPixmap(imagemPadrao());
    cbEscala->setFocus();
}

void TFrmRelEscala::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        AcaoAtual(QStringLiteral("Relatório de Escala de Trabalho"));
}

qint64 TFrmRelEscala::chaveEscolhida() const
{
    return cbEscala->currentIndex() < 0 ? 0 : cbEscala->currentData().toLongLong();
}

QString TFrmRelEscala::textoEscolha() const { return cbEscala->currentIndex() < 0 ? QString() : cbEscala->currentText(); }

void TFrmRelEscala::btnImprimirClick()
{
    const Relatorio rel = Escala::relatorio(DM->Conexao, chaveEscolhida(), textoEscolha());
    RelatorioPintura::exibir(rel, QStringLiteral("Relatório de Escala de Trabalho (") + textoEscolha() + QLatin1Char(')'),
                             RelatorioPintura::Destino::Visualizar, {}, this);
}

void TFrmRelEscala::btnSairClick() { reject(); }

void abrirRelEscala() { Telas::abrir<TFrmRelEscala>(FrmRelEscala); }
