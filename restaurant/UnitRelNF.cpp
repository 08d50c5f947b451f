#include "restaurant/UnitRelNF.h"
#include "base/CabecalhoTela.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "restaurant/NotasFiscais.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmRelNF *FrmRelNF = nullptr;

TFrmRelNF::TFrmRelNF(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Relatório - Notas Fiscais"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);
    auto *periodo = new QHBoxLayout;
    dtDe = new QDateEdit(Relogio::hoje(), this);
    dtAte = new QDateEdit(Relogio::hoje(), this);
    for (QDateEdit *d : {dtDe, dtAte}) {
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
    }
    periodo->addWidget(new QLabel(QStringLiteral("De"), this));
    periodo->addWidget(dtDe);
    periodo->addWidget(new QLabel(QStringLiteral("Até"), this));
    periodo->addWidget(dtAte);
    periodo->addStretch();
    layout->addLayout(periodo);
    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnImprimir->setToolTip(QStringLiteral("Imprimir"));
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setToolTip(QStringLiteral("Sair"));
    for (QPushButton *b : {btnImprimir, btnSair})
        b->setAutoDefault(false);
    botoes->addStretch();
    botoes->addWidget(btnImprimir);
    botoes->addWidget(btnSair);
    layout->addLayout(botoes);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelNF::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelNF::btnSairClick);
}

void TFrmRelNF::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    AcaoAtual(QStringLiteral("Relatório de Entradas de Hóspedes"));
}

void TFrmRelNF::btnImprimirClick()
{
    const QDate de = dtDe->date(), ate = dtAte->date();
    const Relatorio rel = NotasFiscais::relatorio(de, ate, NotasFiscais::linhasRelatorio(DM->Conexao, de, ate));
    RelatorioPintura::exibir(rel, NotasFiscais::textoLog(de, ate), RelatorioPintura::Destino::Visualizar, {}, this);
}

void TFrmRelNF::btnSairClick() { reject(); }

void abrirRelNF() { Telas::abrir<TFrmRelNF>(FrmRelNF); }
