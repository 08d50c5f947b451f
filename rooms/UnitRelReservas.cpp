#include "rooms/UnitRelReservas.h"
#include "base/CabecalhoTela.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/TelaRelatorio.h"
#include "base/Telas.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmRelReservas *FrmRelReservas = nullptr;

namespace RelReservas {

namespace {
QString dia(const QDate &d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }
} // namespace

QList<Linha> linhas(const QDate &de, const QDate &ate)
{
    return DM->Conexao.lerTodas(
        QStringLiteral("SELECT R.ID_RESERVA, R.DATA_ENTRADA, R.HORA_ENTRADA, R.CONFIRMADA, R.DATA_SAIDA, "
                       "R.HORA_SAIDA, R.ID_CLIENTE, R.ID_UH, R.QTD_PESSOAS, R.OBS, U.NUMERO, C.NOME "
                       "FROM (SELECT DISTINCT ID_RESERVA FROM RESERVA_UH WHERE DATA_ENTRADA >= ? AND "
                       "DATA_ENTRADA <= ?) D JOIN RESERVA R ON R.ID_RESERVA = D.ID_RESERVA "
                       "LEFT JOIN UH U ON U.ID_UH = R.ID_UH LEFT JOIN CLIENTE C ON C.ID_CLIENTE = R.ID_CLIENTE "
                       "WHERE R.EXCLUIDO = 'N' ORDER BY R.ID_RESERVA"),
        {de, ate});
}

Relatorio relatorio(const QDate &de, const QDate &ate, const QList<Linha> &linhas)
{
    Relatorio rel(kTitulo);
    rel.linhaCabecalho(QStringLiteral("(De: ") + dia(de) + QStringLiteral("   Até: ") + dia(ate) + QLatin1Char(')'));
    rel.coluna(QStringLiteral("CÓDIGO"), 9, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("CLIENTE"), 34);
    rel.coluna(QStringLiteral("UH"), 6);
    rel.coluna(QStringLiteral("CHEGADA"), 12, Relatorio::Tipo::Data);
    rel.coluna(QStringLiteral("PARTIDA"), 12, Relatorio::Tipo::Data);
    rel.coluna(QStringLiteral("Nº. PESSOAS"), 13, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("OBS"), 29);
    for (const Linha &l : linhas)
        rel.linha({l.inteiro(QStringLiteral("ID_RESERVA")), l.texto(QStringLiteral("NOME")),
                   l.texto(QStringLiteral("NUMERO")), l.data(QStringLiteral("DATA_ENTRADA")),
                   l.data(QStringLiteral("DATA_SAIDA")), l.inteiro(QStringLiteral("QTD_PESSOAS")),
                   l.texto(QStringLiteral("OBS"))});
    rel.resumo(QStringLiteral("TOTAL DE RESERVAS:"), qint64(linhas.size()));
    return rel;
}

QString textoLog(const QDate &de, const QDate &ate)
{
    return QStringLiteral("Relatório de Reservas (De:") + dia(de) + QStringLiteral(" Até: ") + dia(ate)
        + QLatin1Char(')');
}

} // namespace RelReservas

TFrmRelReservas::TFrmRelReservas(QWidget *parent, const QDate &de, const QDate &ate) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Relatório - Reservas"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    imgCabecalho->setPixmap(imagemPadrao());
    layout->addWidget(imgCabecalho);
    auto *grupo = new QGroupBox(QStringLiteral("  Opções:  "), this);
    auto *g = new QGridLayout(grupo);
    const QDate hoje = Relogio::hoje();
    edtData1 = TelaRelatorio::campoData(grupo, de.isValid() ? de : hoje);
    edtData2 = TelaRelatorio::campoData(grupo, ate.isValid() ? ate : hoje);
    g->addWidget(new QLabel(QStringLiteral("De"), grupo), 0, 0);
    g->addWidget(edtData1, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Até"), grupo), 0, 2);
    g->addWidget(edtData2, 0, 3);
    layout->addWidget(grupo);
    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnImprimir, btnSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    layout->addLayout(botoes);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelReservas::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelReservas::btnSairClick);
    TelaRelatorio::acaoAoAtivar(this, QStringLiteral("Relatório de Reservas"));
}

void TFrmRelReservas::btnImprimirClick()
{
    const QDate de = edtData1->date(), ate = edtData2->date();
    if (!TelaRelatorio::periodoValido(de, ate))
        return;
    RelatorioPintura::exibir(RelReservas::relatorio(de, ate, RelReservas::linhas(de, ate)),
                             RelReservas::textoLog(de, ate), RelatorioPintura::Destino::Visualizar, {}, this);
}

void TFrmRelReservas::btnSairClick() { reject(); }

void abrirRelReservas(QWidget *parent, const QDate &de, const QDate &ate)
{
    Telas::abrir<TFrmRelReservas>(FrmRelReservas, parent, de, ate);
}
