#include "staff/UnitRelPonto.h"

#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "staff/Funcionarios.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmRelPonto *FrmRelPonto = nullptr;

namespace {
const QString kSelecione = QStringLiteral("SELECIONE UM FUNCIONÁRIO");
const QString kAcao = QStringLiteral("Relatório de Livro de Ponto");

QDateEdit *seletor(QWidget *pai, const char *nome, const QDate &d)
{
    auto *e = new QDateEdit(d, pai);
    e->setObjectName(QString::fromLatin1(nome));
    e->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    e->setCalendarPopup(true);
    return e;
}
} // namespace

TFrmRelPonto::TFrmRelPonto(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Zentro Vedez - Relatório de Livro de Ponto"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    auto *g = new QGridLayout;
    cbFuncionario = new QComboBox(this);
    cbFuncionario->setObjectName(QStringLiteral("cbFuncionario"));
    cbFuncionario->setMinimumWidth(360);
    cbFuncionario->addItem(kSelecione, 0);
    for (const Linha &f : DM->Conexao.lerTodas(QStringLiteral("SELECT ID_FUNCIONARIO, NOME FROM FUNCIONARIO WHERE ")
                                               + Funcionarios::kCondicaoVivos + QStringLiteral(" ORDER BY NOME")))
        cbFuncionario->addItem(f.texto(QStringLiteral("NOME")), f.inteiro(QStringLiteral("ID_FUNCIONARIO")));
    const QDate hoje = Relogio::hoje();
    dtInicio = seletor(this, "dtInicio", QDate(hoje.year(), hoje.month(), 1));
    dtFim = seletor(this, "dtFim", QDate(hoje.year(), hoje.month(), hoje.daysInMonth()));
    chkTotalizadores = new QCheckBox(QStringLiteral("Mostrar Apenas Totalizadores"), this);
    chkCompleto = new QCheckBox(QStringLiteral("Completo"), this);
    g->addWidget(new QLabel(QStringLiteral("Funcionário:"), this), 0, 0);
    g->addWidget(cbFuncionario, 0, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("De:"), this), 1, 0);
    g->addWidget(dtInicio, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Até:"), this), 1, 2);
    g->addWidget(dtFim, 1, 3);
    g->addWidget(chkTotalizadores, 2, 1);
    g->addWidget(chkCompleto, 2, 3);
    layout->addLayout(g);

    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnImprimir->setAutoDefault(false);
    botoes->addStretch();
    botoes->addWidget(btnImprimir);
    layout->addLayout(botoes);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelPonto::btnImprimirClick);
}

void TFrmRelPonto::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    imgCabecalho->setPixmap(imagemPadrao());
    cbFuncionario->setFocus();
}

bool TFrmRelPonto::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        AcaoAtual(kAcao);
    return QDialog::event(e);
}

qint64 TFrmRelPonto::funcionarioEscolhido() const { return cbFuncionario->currentData().toLongLong(); }

void TFrmRelPonto::escolherFuncionario(qint64 chave)
{
    const int i = cbFuncionario->findData(chave);
    cbFuncionario->setCurrentIndex(i < 0 ? 0 : i);
}

PontoRelatorio::Opcoes TFrmRelPonto::opcoes() const
{
    PontoRelatorio::Opcoes o;
    o.de = dtInicio->date();
    o.ate = dtFim->date();
    o.apenasTotais = chkTotalizadores->isChecked();
    o.completo = chkCompleto->isChecked();
    return o;
}

void TFrmRelPonto::btnImprimirClick()
{
    const qint64 f = funcionarioEscolhido();
    if (f <= 0) {
        Mensagem::erro(PontoRelatorio::kMsgSelecione);
        return;
    }
    const PontoRelatorio::Opcoes o = opcoes();
    // Read and computed afresh at every print: the totals start from zero.
    const PontoRelatorio::Dados d = PontoRelatorio::ler(f, o.de, o.ate);
    if (d.linhas.isEmpty()) {
        Mensagem::info(PontoRelatorio::kMsgNenhum);
        return;
    }
    const Relatorio rel = PontoRelatorio::relatorio(d, o, Ponto::tolerancias());
    RelatorioPintura::exibir(rel, PontoRelatorio::textoLog(d.nome, o), RelatorioPintura::Destino::Visualizar, {}, this);
}

void abrirRelPonto(QWidget *parent) { Telas::abrir<TFrmRelPonto>(FrmRelPonto, parent); }
