#include "staff/UnitRelFolhaPagamento.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "staff/FolhaPagamento.h"
#include "staff/PagamentoFuncionarios.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

TFrmRelFolhaPagamento *FrmRelFolhaPagamento = nullptr;

namespace {
const QString kMarcar = QStringLiteral("Marcar Todos");
const QString kDesmarcar = QStringLiteral("Desmarcar Todos");
const QString kLogImpressao = QStringLiteral("Imprimiu Relatório de Folha de Pagamento Mensal");
} // namespace

TFrmRelFolhaPagamento::TFrmRelFolhaPagamento(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Folha de Pagamento"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    auto *mes = new QGroupBox(QStringLiteral("MÊS"), this);
    auto *lm = new QHBoxLayout(mes);
    btnMesAnterior = new QToolButton(mes);
    btnMesAnterior->setText(QStringLiteral("<"));
    btnMesSeguinte = new QToolButton(mes);
    btnMesSeguinte->setText(QStringLiteral(">"));
    lblMes = new QLabel(mes);
    lblMes->setObjectName(QStringLiteral("lblMes"));
    lblMes->setAlignment(Qt::AlignCenter);
    lblMes->setMinimumWidth(180);
    QFont f = lblMes->font();
    f.setBold(true);
    lblMes->setFont(f);
    lm->addWidget(btnMesAnterior);
    lm->addWidget(lblMes, 1);
    lm->addWidget(btnMesSeguinte);

    auto *opcoes = new QGroupBox(this);
    auto *lo = new QHBoxLayout(opcoes);
    rbFuncionarios = new QRadioButton(QStringLiteral("Funcionários"), opcoes);
    rbHolerites = new QRadioButton(QStringLiteral("Holerites"), opcoes);
    lo->addWidget(rbFuncionarios);
    lo->addWidget(rbHolerites);
    rbFuncionarios->setChecked(true);

    auto *tipo = new QGroupBox(this);
    auto *lt = new QHBoxLayout(tipo);
    rbMensal = new QRadioButton(QStringLiteral("Mensal"), tipo);
    rbPeriodo = new QRadioButton(QStringLiteral("Período"), tipo);
    lt->addWidget(rbMensal);
    lt->addWidget(rbPeriodo);
    rbMensal->setChecked(true);

    grpPeriodo = new QGroupBox(QStringLiteral("  Período:  "), this);
    auto *lp = new QHBoxLayout(grpPeriodo);
    dtpDe = new QDateEdit(grpPeriodo);
    dtpAte = new QDateEdit(grpPeriodo);
    for (QDateEdit *d : {dtpDe, dtpAte}) {
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
    }
    lp->addWidget(new QLabel(QStringLiteral("De"), grpPeriodo));
    lp->addWidget(dtpDe);
    lp->addWidget(new QLabel(QStringLiteral("Até"), grpPeriodo));
    lp->addWidget(dtpAte);

    chkMesAnterior = new QCheckBox(QStringLiteral("Referente ao Mês Anterior"), this);
    chkDuasVias = new QCheckBox(QStringLiteral("Duas Vias"), this);

    lstFuncionarios = new QListWidget(this);
    lstFuncionarios->setObjectName(QStringLiteral("lstFuncionarios"));
    btnMarcar = new QPushButton(kDesmarcar, this);
    btnDoisADois = new QPushButton(QStringLiteral("Enviar para Impressora 2 a 2"), this);

    auto *topo = new QHBoxLayout;
    auto *esquerda = new QVBoxLayout;
    esquerda->addWidget(mes);
    esquerda->addWidget(opcoes);
    esquerda->addWidget(tipo);
    esquerda->addWidget(grpPeriodo);
    esquerda->addWidget(chkMesAnterior);
    esquerda->addWidget(chkDuasVias);
    esquerda->addStretch();
    topo->addLayout(esquerda);
    auto *direita = new QVBoxLayout;
    direita->addWidget(lstFuncionarios, 1);
    auto *lb = new QHBoxLayout;
    lb->addWidget(btnMarcar);
    lb->addWidget(btnDoisADois);
    direita->addLayout(lb);
    topo->addLayout(direita, 1);
    layout->addLayout(topo, 1);

    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnImprimir->setToolTip(QStringLiteral("Imprimir"));
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setToolTip(QStringLiteral("Sair"));
    botoes->addStretch();
    botoes->addWidget(btnImprimir);
    botoes->addWidget(btnSair);
    layout->addLayout(botoes);
    for (QPushButton *b : {btnMarcar, btnDoisADois, btnImprimir, btnSair})
        b->setAutoDefault(false);

    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelFolhaPagamento::btnImprimirClick);
    connect(btnDoisADois, &QPushButton::clicked, this, &TFrmRelFolhaPagamento::btnDoisADoisClick);
    connect(btnMarcar, &QPushButton::clicked, this, &TFrmRelFolhaPagamento::btnMarcarClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelFolhaPagamento::btnSairClick);
    connect(btnMesAnterior, &QToolButton::clicked, this, &TFrmRelFolhaPagamento::btnMesAnteriorClick);
    connect(btnMesSeguinte, &QToolButton::clicked, this, &TFrmRelFolhaPagamento::btnMesSeguinteClick);
    connect(rbFuncionarios, &QRadioButton::toggled, this, &TFrmRelFolhaPagamento::opcaoMudou);
    connect(rbMensal, &QRadioButton::toggled, this, &TFrmRelFolhaPagamento::periodoMudou);
    opcaoMudou();
}

void TFrmRelFolhaPagamento::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    Mes = QString::number(Relogio::hoje().month());
    Ano = QString::number(Relogio::hoje().year());
    mostrarMes();
}

void TFrmRelFolhaPagamento::mostrarMes() { lblMes->setText(ConverterMes(Mes.toInt()) + QStringLiteral(" - ") + Ano); }

void TFrmRelFolhaPagamento::btnMesAnteriorClick()
{
    int m = Mes.toInt(), a = Ano.toInt();
    PagamentoFuncionarios::passoMes(m, a, -1);
    Mes = QString::number(m);
    Ano = QString::number(a);
    mostrarMes();
}

void TFrmRelFolhaPagamento::btnMesSeguinteClick()
{
    int m = Mes.toInt(), a = Ano.toInt();
    PagamentoFuncionarios::passoMes(m, a, 1);
    Mes = QString::number(m);
    Ano = QString::number(a);
    mostrarMes();
}

void TFrmRelFolhaPagamento::opcaoMudou()
{
    const bool holerites = rbHolerites->isChecked();
    chkDuasVias->setChecked(false);
    chkDuasVias->setVisible(holerites);
    rbMensal->setChecked(true);
    rbPeriodo->setEnabled(holerites);
    lstFuncionarios->clear();
    lstFuncionarios->setEnabled(holerites);
    btnDoisADois->setEnabled(holerites);
    btnMarcar->setEnabled(holerites);
    btnMarcar->setText(kDesmarcar);
    if (holerites)
        for (const PagamentoFuncionarios::Pagina &p : PagamentoFuncionarios::paginas(DM->Conexao)) {
            auto *item = new QListWidgetItem(p.nome, lstFuncionarios);
            item->setData(Qt::UserRole, p.funcionario);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
        }
    periodoMudou();
}

void TFrmRelFolhaPagamento::periodoMudou()
{
    const bool periodo = rbPeriodo->isChecked();
    grpPeriodo->setVisible(periodo);
    btnMesAnterior->setVisible(!periodo);
    btnMesSeguinte->setVisible(!periodo);
    lblMes->setVisible(!periodo);
    if (periodo) {
        dtpDe->setDate(Relogio::hoje());
        dtpAte->setDate(Relogio::hoje());
    }
}

void TFrmRelFolhaPagamento::btnMarcarClick()
{
    const bool marcar = btnMarcar->text() == kMarcar;
    for (int i = 0; i < lstFuncionarios->count(); ++i)
        lstFuncionarios->item(i)->setCheckState(marcar ? Qt::Checked : Qt::Unchecked);
    btnMarcar->setText(marcar ? kDesmarcar : kMarcar);
}

void TFrmRelFolhaPagamento::btnImprimirClick()
{
    RegistrarLog(kLogImpressao);
    if (rbFuncionarios->isChecked()) {
        const int mes = Mes.toInt(), ano = Ano.toInt();
        const Relatorio rel = FolhaPagamento::relatorioFolha(DM->Conexao, mes, ano);
        RelatorioPintura::exibir(rel, QStringLiteral("Folha de Pagamento Mensal (") + lblMes->text() + QLatin1Char(')'),
                                 RelatorioPintura::Destino::Visualizar, {}, this);
        return;
    }
    imprimirHolerites();
}

void TFrmRelFolhaPagamento::imprimirHolerites()
{
    if (PagamentoFuncionarios::paginas(DM->Conexao).isEmpty()) {
        Mensagem::info(kMsgNenhumRegistro);
        return;
    }
    FolhaPagamento::OpcoesHolerite o;
    o.mesReferencia = Mes.toInt();
    o.anoReferencia = Ano.toInt();
    o.mesAnterior = chkMesAnterior->isChecked();
    o.duasVias = chkDuasVias->isChecked();
    if (rbPeriodo->isChecked()) {
        o.de = dtpDe->date();
        o.ate = dtpAte->date();
    } else {
        o.de = QDate(o.anoReferencia, o.mesReferencia, 1);
        o.ate = o.de.addMonths(1).addDays(-1);
    }
    for (int i = 0; i < lstFuncionarios->count(); ++i)
        if (lstFuncionarios->item(i)->checkState() == Qt::Checked)
            o.funcionarios << lstFuncionarios->item(i)->data(Qt::UserRole).toLongLong();
    const Relatorio rel = FolhaPagamento::relatorioHolerites(DM->Conexao, o);
    RelatorioPintura::exibir(rel, QStringLiteral("Holerites (") + FolhaPagamento::referente(o.mesReferencia,
                                                                                            o.anoReferencia,
                                                                                            o.mesAnterior)
                                      + QLatin1Char(')'),
                             RelatorioPintura::Destino::Visualizar, {}, this);
}

void TFrmRelFolhaPagamento::btnDoisADoisClick()
{
    QList<qint64> todos;
    for (int i = 0; i < lstFuncionarios->count(); ++i) {
        todos << lstFuncionarios->item(i)->data(Qt::UserRole).toLongLong();
        lstFuncionarios->item(i)->setCheckState(Qt::Unchecked);
    }
    for (const QList<qint64> &grupo : FolhaPagamento::doisADois(todos)) {
        for (int i = 0; i < lstFuncionarios->count(); ++i)
            lstFuncionarios->item(i)->setCheckState(
                grupo.contains(lstFuncionarios->item(i)->data(Qt::UserRole).toLongLong()) ? Qt::Checked : Qt::Unchecked);
        RegistrarLog(kLogImpressao);
        imprimirHolerites();
    }
}

void TFrmRelFolhaPagamento::btnSairClick() { reject(); }

void abrirRelFolhaPagamento() { Telas::abrir<TFrmRelFolhaPagamento>(FrmRelFolhaPagamento); }
