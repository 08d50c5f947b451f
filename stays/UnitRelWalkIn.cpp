#include "stays/UnitRelWalkIn.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/TelaRelatorio.h"
#include "base/Telas.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

TFrmRelWalkIn *FrmRelWalkIn = nullptr;

namespace RelWalkIn {

namespace {
QString momento(const QDateTime &m)
{
    return m.date().toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ') + m.time().toString(QStringLiteral("HH:mm:ss"));
}
} // namespace

QList<Linha> linhas(const Filtro &f)
{
    // The entry date bounds the search too, so that its index serves.
    QString sql = QStringLiteral(
        "SELECT W.ID_WALK_IN, W.ID_RESERVA, W.DATA_ENTRADA, W.HORA_ENTRADA, W.DATA_SAIDA, W.HORA_SAIDA, "
        "W.ID_CLIENTE, W.ID_UH, W.QTD_ADULTOS, W.OBS, U.NUMERO, C.NOME, W.VALOR_DIARIA, W.BAIXA, W.NF, "
        "W.VISA, W.MASTER, W.HIPER, W.DEBVISA, W.DEBMASTER, "
        "(W.DINHEIRO + W.VISA + W.MASTER + W.HIPER + W.CHEQUE + W.NOTA + W.DEBVISA + W.DEBMASTER) AS TOTAL_ESTADIA "
        "FROM WALK_IN W LEFT JOIN UH U ON U.ID_UH = W.ID_UH LEFT JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE "
        "WHERE W.EXCLUIDO = 'N' AND W.DATA_ENTRADA >= ? AND W.DATA_ENTRADA <= ? "
        "AND W.DATA_ENTRADA + COALESCE(W.HORA_ENTRADA, TIME '00:00:00') >= ? "
        "AND W.DATA_ENTRADA + COALESCE(W.HORA_ENTRADA, TIME '00:00:00') <= ?");
    if (f.apenasNF)
        sql += QStringLiteral(" AND W.NF = 'S'");
    if (f.apenasCartoes)
        sql += QStringLiteral(" AND (W.VISA > 0 OR W.MASTER > 0 OR W.HIPER > 0 OR W.DEBVISA > 0 OR W.DEBMASTER > 0)");
    return DM->Conexao.lerTodas(sql + QStringLiteral(" ORDER BY W.ID_WALK_IN"),
                                {f.de.date(), f.ate.date(), f.de, f.ate});
}

Relatorio relatorio(const Filtro &f, const QList<Linha> &linhas)
{
    Relatorio rel(kTitulo, true);
    rel.oferecerPlanilha();
    rel.linhaCabecalho(QStringLiteral("(De: ") + momento(f.de) + QStringLiteral("   Até: ") + momento(f.ate)
                       + QLatin1Char(')'));
    rel.coluna(QStringLiteral("CÓDIGO"), 8, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("UH"), 6);
    rel.coluna(QStringLiteral("ENTRADA"), 17, Relatorio::Tipo::Momento);
    rel.coluna(QStringLiteral("CLIENTE"), 30);
    rel.coluna(QStringLiteral("SAÍDA"), 17, Relatorio::Tipo::Momento);
    rel.coluna(QStringLiteral("Nº. PESSOAS"), 9, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("OBS"), 24);
    rel.coluna(QStringLiteral("DIÁRIA"), 11, Relatorio::Tipo::Dinheiro);
    rel.coluna(QStringLiteral("TOTAL ESTADIA R$"), 13, Relatorio::Tipo::Dinheiro);
    Dinheiro total;
    for (const Linha &l : linhas) {
        total += l.dinheiro(QStringLiteral("TOTAL_ESTADIA"));
        rel.linha({l.inteiro(QStringLiteral("ID_WALK_IN")), l.texto(QStringLiteral("NUMERO")),
                   QDateTime(l.data(QStringLiteral("DATA_ENTRADA")), l.hora(QStringLiteral("HORA_ENTRADA"))),
                   l.texto(QStringLiteral("NOME")),
                   QDateTime(l.data(QStringLiteral("DATA_SAIDA")), l.hora(QStringLiteral("HORA_SAIDA"))),
                   l.inteiro(QStringLiteral("QTD_ADULTOS")), l.texto(QStringLiteral("OBS")),
                   l.dinheiro(QStringLiteral("VALOR_DIARIA")), l.dinheiro(QStringLiteral("TOTAL_ESTADIA"))});
    }
    rel.resumo(QStringLiteral("TOTAL DE ENTRADAS:"), qint64(linhas.size()));
    rel.resumo(QStringLiteral("VALOR TOTAL DAS ESTADIAS: R$"), total);
    return rel;
}

QString textoLog(const Filtro &f)
{
    return QStringLiteral("Relatório de Entrada de Hóspedes (De:") + f.de.date().toString(QStringLiteral("dd/MM/yyyy"))
        + QStringLiteral(" Até: ") + f.ate.date().toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(')');
}

} // namespace RelWalkIn

TFrmRelWalkIn::TFrmRelWalkIn(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Relatório - Entradas de Hóspedes"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    imgCabecalho->setPixmap(imagemPadrao());
    layout->addWidget(imgCabecalho);
    auto *grupo = new QGroupBox(QStringLiteral("  Opções:  "), this);
    auto *g = new QGridLayout(grupo);
    const QDate hoje = Relogio::hoje();
    // created in the order Tab walks them: each date, then its time
    edtData1 = TelaRelatorio::campoData(grupo, hoje);
    edtHora1 = new QTimeEdit(QTime(0, 0, 0), grupo);
    edtData2 = TelaRelatorio::campoData(grupo, hoje);
    edtHora2 = new QTimeEdit(QTime(23, 59, 59), grupo);
    for (QTimeEdit *h : {edtHora1, edtHora2})
        h->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    g->addWidget(new QLabel(QStringLiteral("De"), grupo), 0, 0);
    g->addWidget(edtData1, 0, 1);
    g->addWidget(edtHora1, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Até"), grupo), 1, 0);
    g->addWidget(edtData2, 1, 1);
    g->addWidget(edtHora2, 1, 2);
    CheckBox1 = new QCheckBox(QStringLiteral("Apenas com NF Manual registrada"), grupo);
    CheckBox2 = new QCheckBox(QStringLiteral("Apenas com pagamentos em cartões"), grupo);
    g->addWidget(CheckBox1, 2, 0, 1, 3);
    g->addWidget(CheckBox2, 3, 0, 1, 3);
    layout->addWidget(grupo);
    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnImprimir, btnSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    layout->addLayout(botoes);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelWalkIn::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelWalkIn::btnSairClick);
    TelaRelatorio::acaoAoAtivar(this, QStringLiteral("Relatório de Entradas de Hóspedes"));
}

RelWalkIn::Filtro TFrmRelWalkIn::filtro() const
{
    return {QDateTime(edtData1->date(), edtHora1->time()), QDateTime(edtData2->date(), edtHora2->time()),
            CheckBox1->isChecked(), CheckBox2->isChecked()};
}

void TFrmRelWalkIn::btnImprimirClick()
{
    const RelWalkIn::Filtro f = filtro();
    if (f.de > f.ate) {
        Mensagem::aviso(TelaRelatorio::kMsgPeriodoInvalido);
        return;
    }
    RelatorioPintura::exibir(RelWalkIn::relatorio(f, RelWalkIn::linhas(f)), RelWalkIn::textoLog(f),
                             RelatorioPintura::Destino::Visualizar, {}, this);
}

void TFrmRelWalkIn::btnSairClick() { reject(); }

void abrirRelWalkIn(QWidget *parent) { Telas::abrir<TFrmRelWalkIn>(FrmRelWalkIn, parent); }
