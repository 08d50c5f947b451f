#include "finance/UnitRelOsMaisMais.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Relatorio.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/TelaRelatorio.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace OsMaisMais;

TFrmRelOsMaisMais *FrmRelOsMaisMais = nullptr;

TFrmRelOsMaisMais::TFrmRelOsMaisMais(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(kTitulo);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(criarCabecalhoTela(this));
    auto *periodo = new QHBoxLayout;
    const QDate hoje = Relogio::hoje();
    const auto data = [this, &hoje](const char *nome) {
        auto *d = new QDateEdit(hoje, this);
        d->setObjectName(QString::fromLatin1(nome));
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
        return d;
    };
    edtData1 = data("edtData1");
    edtData2 = data("edtData2");
    periodo->addWidget(new QLabel(QStringLiteral("De"), this));
    periodo->addWidget(edtData1);
    periodo->addWidget(new QLabel(QStringLiteral("Até"), this));
    periodo->addWidget(edtData2);
    periodo->addStretch();
    layout->addLayout(periodo);

    auto *grp = new QGroupBox(this);
    auto *lg = new QVBoxLayout(grp);
    for (int i = 0; i < kOpcoes; ++i) {
        auto *rb = new QRadioButton(legenda(Opcao(i)), grp);
        rbOpcoes << rb;
        lg->addWidget(rb);
    }
    rbOpcoes[int(Opcao::Hospedes)]->setChecked(true);
    layout->addWidget(grp);
    auto *linha = new QHBoxLayout;
    chkTelefones = new QCheckBox(QStringLiteral("Com Telefones"), this);
    btnExportar = new QPushButton(QStringLiteral("Exportar para Texto"), this);
    btnExportar->setVisible(false);
    linha->addWidget(chkTelefones);
    linha->addWidget(btnExportar);
    linha->addStretch();
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    linha->addWidget(btnImprimir);
    linha->addWidget(btnSair);
    for (QPushButton *b : {btnExportar, btnImprimir, btnSair})
        b->setAutoDefault(false);
    layout->addLayout(linha);
    // The gauge and the text box stay out of sight until an export.
    pbExportar = new QProgressBar(this);
    pbExportar->setValue(0);
    mmTelefones = new QPlainTextEdit(this);
    mmTelefones->setObjectName(QStringLiteral("mmTelefones"));
    mmTelefones->setMinimumHeight(160);
    pbExportar->hide();
    mmTelefones->hide();
    layout->addWidget(pbExportar);
    layout->addWidget(mmTelefones);

    connect(chkTelefones, &QCheckBox::toggled, btnExportar, &QWidget::setVisible);
    connect(btnExportar, &QPushButton::clicked, this, &TFrmRelOsMaisMais::btnExportarClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelOsMaisMais::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
    TelaRelatorio::acaoAoAtivar(this, QStringLiteral("Relatório Os Mais Mais"));
}

Opcao TFrmRelOsMaisMais::opcao() const
{
    for (int i = 0; i < rbOpcoes.size(); ++i)
        if (rbOpcoes[i]->isChecked())
            return Opcao(i);
    return Opcao::Hospedes;
}

void TFrmRelOsMaisMais::escolher(Opcao o) { rbOpcoes[int(o)]->setChecked(true); }

void TFrmRelOsMaisMais::btnImprimirClick()
{
    const QDate de = edtData1->date(), ate = edtData2->date();
    const QString recusa = recusaPeriodo(de, ate);
    if (!recusa.isEmpty()) {
        Mensagem::aviso(recusa);
        return;
    }
    const Opcao o = opcao();
    ConexaoBanco &c = DM->Conexao;
    // Each report tests its own rows: an empty one says "Nenhum Registro Encontrado!".
    switch (o) {
    case Opcao::Produtos:
        RelatorioPintura::exibir(relatorioProdutos(produtos(c, de, ate), de, ate), textoLog(o, de, ate),
                                 RelatorioPintura::Destino::Visualizar, {}, this);
        break;
    case Opcao::ProdutosAgrupados:
        RelatorioPintura::exibir(relatorioAgrupado(produtosAgrupados(c, de, ate), de, ate), textoLog(o, de, ate),
                                 RelatorioPintura::Destino::Visualizar, {}, this);
        break;
    case Opcao::Recepcionistas:
        RelatorioPintura::exibir(relatorioRecepcionistas(recepcionistas(c, de, ate), de, ate), textoLog(o, de, ate),
                                 RelatorioPintura::Destino::Visualizar, {}, this);
        break;
    default:
        RelatorioPintura::exibir(relatorioRanking(o, ranking(c, o, de, ate), de, ate, chkTelefones->isChecked()),
                                 textoLog(o, de, ate), RelatorioPintura::Destino::Visualizar, {}, this);
        break;
    }
}

void TFrmRelOsMaisMais::btnExportarClick()
{
    const QDate de = edtData1->date(), ate = edtData2->date();
    const QString recusa = recusaPeriodo(de, ate);
    if (!recusa.isEmpty()) {
        Mensagem::aviso(recusa);
        return;
    }
    mmTelefones->clear();
    pbExportar->setValue(0);
    pbExportar->show();
    mmTelefones->show();
    // The guests ranking, whatever option is chosen.
    const QList<LinhaRanking> l = ranking(DM->Conexao, Opcao::Hospedes, de, ate);
    if (l.isEmpty()) {
        Mensagem::info(kMsgNenhumRegistro);
        return;
    }
    pbExportar->setMaximum(int(l.size()));
    int i = 0;
    for (const QString &t : linhasTelefones(l)) {
        mmTelefones->appendPlainText(t);
        pbExportar->setValue(++i);
    }
    pbExportar->setValue(int(l.size()));
    QCoreApplication::processEvents();
    Mensagem::info(kMsgTelefonesExportados);
}

void abrirRelOsMaisMais() { Telas::abrir<TFrmRelOsMaisMais>(FrmRelOsMaisMais); }
