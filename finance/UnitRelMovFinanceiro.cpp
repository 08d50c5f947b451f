#include "finance/UnitRelMovFinanceiro.h"
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
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

using namespace MovimentoFinanceiro;

TFrmRelMovFinanceiro *FrmRelMovFinanceiro = nullptr;
std::function<std::optional<std::pair<QDate, QDate>>()> TFrmRelMovFinanceiro::periodoDoMovimento;

TFrmRelMovFinanceiro::TFrmRelMovFinanceiro(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(kTitulo);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(criarCabecalhoTela(this));
    auto *opcoes = new QGroupBox(QStringLiteral("  Opções:  "), this);
    auto *g = new QGridLayout(opcoes);
    // The movement screen's dates when it is open (its times are not copied).
    QDate de = Relogio::hoje(), ate = de;
    if (const auto periodo = periodoDoMovimento ? periodoDoMovimento() : std::nullopt) {
        de = periodo->first;
        ate = periodo->second;
    }
    const auto data = [opcoes](const QDate &d, const char *nome) {
        auto *e = new QDateEdit(d, opcoes);
        e->setObjectName(QString::fromLatin1(nome));
        e->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        e->setCalendarPopup(true);
        return e;
    };
    const auto hora = [opcoes](QTime t, const char *nome) {
        auto *e = new QTimeEdit(t, opcoes);
        e->setObjectName(QString::fromLatin1(nome));
        e->setDisplayFormat(QStringLiteral("HH:mm:ss"));
        return e;
    };
    edtData1 = data(de, "edtData1");
    edtHora1 = hora(QTime(0, 0, 0), "edtHora1");
    edtData2 = data(ate, "edtData2");
    edtHora2 = hora(QTime(23, 59, 59), "edtHora2");
    g->addWidget(new QLabel(QStringLiteral("De"), opcoes), 0, 0);
    g->addWidget(edtData1, 0, 1);
    g->addWidget(edtHora1, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Até"), opcoes), 1, 0);
    g->addWidget(edtData2, 1, 1);
    g->addWidget(edtHora2, 1, 2);
    chkDetalhado = new QCheckBox(QStringLiteral("Detalhado"), opcoes);
    chkDetalhado->setObjectName(QStringLiteral("chkDetalhado"));
    g->addWidget(chkDetalhado, 2, 1, 1, 2);
    layout->addWidget(opcoes);
    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnImprimir, btnSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    layout->addLayout(botoes);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelMovFinanceiro::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
    TelaRelatorio::acaoAoAtivar(this, QStringLiteral("Relatório de Movimento Financeiro"));
}

Periodo TFrmRelMovFinanceiro::periodo() const
{
    return {QDateTime(edtData1->date(), edtHora1->time()), QDateTime(edtData2->date(), edtHora2->time())};
}

void TFrmRelMovFinanceiro::btnImprimirClick()
{
    const Periodo p = periodo();
    const QString recusa = p.recusa();
    if (!recusa.isEmpty()) {
        Mensagem::aviso(recusa);
        return;
    }
    m_dados = montarRelatorio(lerEntradas(DM->Conexao, p), lerSaidas(DM->Conexao, p), chkDetalhado->isChecked());
    // The totals are computed once, here: the preview and the printer show the same.
    const Relatorio rel = relatorio(m_dados, p);
    RelatorioPintura::exibir(rel, textoLogRelatorio(p), RelatorioPintura::Destino::Visualizar, {}, this);
}

void abrirRelMovFinanceiro() { Telas::abrir<TFrmRelMovFinanceiro>(FrmRelMovFinanceiro); }
