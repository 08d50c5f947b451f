#include "stays/UnitRelVeiculos.h"
#include "base/CabecalhoTela.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/TelaRelatorio.h"
#include "base/Telas.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFrmRelVeiculos *FrmRelVeiculos = nullptr;

namespace RelVeiculos {

namespace {
const QString kColunas = QStringLiteral("SELECT V.ID_VEICULO, V.MODELO, V.PLACA, V.ID_ENTRADA, W.ID_UH, U.NUMERO ");
const QString kOrdem = QStringLiteral(" ORDER BY CHAR_LENGTH(U.NUMERO), U.NUMERO, W.ID_UH, V.ID_VEICULO");
} // namespace

QList<Linha> atuais()
{
    return DM->Conexao.lerTodas(kColunas
                                + QStringLiteral("FROM VEICULO V JOIN WALK_IN W ON W.ID_WALK_IN = V.ID_ENTRADA "
                                                 "LEFT JOIN UH U ON U.ID_UH = W.ID_UH "
                                                 "WHERE W.BAIXA = 'N' AND V.BAIXA = 'N'")
                                + kOrdem);
}

QList<Linha> doPeriodo(const QDate &de, const QDate &ate)
{
    // the stays with a night in the period, each once, then their vehicles
    return DM->Conexao.lerTodas(kColunas
                                    + QStringLiteral("FROM (SELECT DISTINCT ID_ENTRADA FROM OCUPACAO WHERE DATA >= ? "
                                                     "AND DATA <= ?) S JOIN WALK_IN W ON W.ID_WALK_IN = S.ID_ENTRADA "
                                                     "JOIN VEICULO V ON V.ID_ENTRADA = W.ID_WALK_IN "
                                                     "LEFT JOIN UH U ON U.ID_UH = W.ID_UH")
                                    + kOrdem,
                                {de, ate});
}

Relatorio relatorio(const QString &linhaCabecalho, const QList<Linha> &linhas)
{
    Relatorio rel(kTitulo);
    rel.linhaCabecalho(linhaCabecalho);
    rel.coluna(QStringLiteral("VEÍCULO"), 80);
    rel.coluna(QString(), 20, Relatorio::Tipo::Texto, false, Relatorio::Alinhamento::Centro);
    for (const Linha &l : linhas) {
        rel.grupo(QStringLiteral("UH: ") + l.texto(QStringLiteral("NUMERO")));
        rel.linha({l.texto(QStringLiteral("MODELO")) + QStringLiteral(" / ") + l.texto(QStringLiteral("PLACA")), "---"});
    }
    rel.resumo(QStringLiteral("Qtd. de Veículos: "), qint64(linhas.size()));
    return rel;
}

} // namespace RelVeiculos

TFrmRelVeiculos::TFrmRelVeiculos(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Relatório - Veículos"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    imgCabecalho->setPixmap(imagemPadrao());
    layout->addWidget(imgCabecalho);
    chkAtual = new QRadioButton(QStringLiteral("Atualmente"), this);
    chkPeriodo = new QRadioButton(QStringLiteral("No Período"), this);
    layout->addWidget(chkAtual);
    layout->addWidget(chkPeriodo);
    grpPeriodo = new QGroupBox(this);
    auto *g = new QGridLayout(grpPeriodo);
    const QDate hoje = Relogio::hoje();
    edtData1 = TelaRelatorio::campoData(grpPeriodo, hoje);
    edtData2 = TelaRelatorio::campoData(grpPeriodo, hoje);
    g->addWidget(new QLabel(QStringLiteral("De"), grpPeriodo), 0, 0);
    g->addWidget(edtData1, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Até"), grpPeriodo), 0, 2);
    g->addWidget(edtData2, 0, 3);
    layout->addWidget(grpPeriodo);
    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnImprimir, btnSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    layout->addLayout(botoes);
    chkAtual->setChecked(true);
    // Only a user with MOVIMENTOS looks back over a period.
    chkPeriodo->setEnabled(Sessao::atual().direitos.MOVIMENTOS);
    connect(chkAtual, &QRadioButton::clicked, this, &TFrmRelVeiculos::opcaoClick);
    connect(chkPeriodo, &QRadioButton::clicked, this, &TFrmRelVeiculos::opcaoClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelVeiculos::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelVeiculos::btnSairClick);
    opcaoClick();
    TelaRelatorio::acaoAoAtivar(this, QStringLiteral("Relatório de Veículos"));
}

void TFrmRelVeiculos::opcaoClick()
{
    const bool periodo = chkPeriodo->isChecked();
    grpPeriodo->setEnabled(periodo);
    if (periodo)
        edtData1->setFocus();
}

void TFrmRelVeiculos::btnImprimirClick()
{
    const QString dia = QStringLiteral("dd/MM/yyyy");
    if (chkPeriodo->isChecked()) {
        const QDate de = edtData1->date(), ate = edtData2->date();
        if (!TelaRelatorio::periodoValido(de, ate))
            return;
        RelatorioPintura::exibir(RelVeiculos::relatorio(QStringLiteral("(De: ") + de.toString(dia)
                                                            + QStringLiteral(" Até: ") + ate.toString(dia)
                                                            + QLatin1Char(')'),
                                                        RelVeiculos::doPeriodo(de, ate)),
                                 RelVeiculos::kTitulo, RelatorioPintura::Destino::Visualizar, {}, this);
        return;
    }
    RelatorioPintura::exibir(
        RelVeiculos::relatorio(QStringLiteral("(Data: ") + Relogio::hoje().toString(dia) + QLatin1Char(')'),
                               RelVeiculos::atuais()),
        RelVeiculos::kTitulo, RelatorioPintura::Destino::Visualizar, {}, this);
}

void TFrmRelVeiculos::btnSairClick() { reject(); }

void abrirRelVeiculos(QWidget *parent) { Telas::abrir<TFrmRelVeiculos>(FrmRelVeiculos, parent); }
