#include "rooms/UnitRelUH.h"
#include "base/CabecalhoTela.h"
#include "base/RelatorioPintura.h"
#include "base/TelaRelatorio.h"
#include "base/Telas.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFrmRelUH *FrmRelUH = nullptr;

namespace RelUH {

namespace {
// option -> state code, in the order of the list
const char *const kCodigos[] = {"", "L", "A", "M", "O", "R"};
} // namespace

const QStringList &opcoes()
{
    static const QStringList l{QStringLiteral("T O D O S   A S   S I T U A Ç Õ E S"), QStringLiteral("LIVRE"),
                               QStringLiteral("LIMPEZA"), QStringLiteral("MANUTENÇÃO"), QStringLiteral("OCUPADA"),
                               QStringLiteral("RESERVADA")};
    return l;
}

QString situacao(int opcao) { return opcao > 0 && opcao < 6 ? QString::fromLatin1(kCodigos[opcao]) : QString(); }

QString nomeSituacao(const QString &codigo)
{
    for (int i = 1; i < 6; ++i)
        if (codigo == QLatin1String(kCodigos[i]))
            return opcoes()[i];
    return {};
}

QList<Linha> linhas(int opcao)
{
    QString sql = QStringLiteral(
        "SELECT U.ID_UH, U.ID_TIPO_UH, U.DESCRICAO AS DESC_UH, U.NUMERO, U.RAMAL, T.DESCRICAO AS DESC_TIPO, "
        "U.SITUACAO FROM UH U LEFT JOIN TIPO_UH T ON T.ID_TIPO_UH = U.ID_TIPO_UH WHERE U.EXCLUIDO = 'N'");
    Valores v;
    if (!situacao(opcao).isEmpty()) {
        sql += QStringLiteral(" AND U.SITUACAO = ?");
        v << situacao(opcao);
    }
    return DM->Conexao.lerTodas(sql + QStringLiteral(" ORDER BY U.ID_UH"), v);
}

Relatorio relatorio(int opcao, const QList<Linha> &linhas)
{
    Relatorio rel(kTitulo);
    rel.linhaCabecalho(QLatin1Char('(') + opcoes().value(opcao) + QLatin1Char(')'));
    rel.coluna(QStringLiteral("CÓDIGO"), 10, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("NÚMERO"), 10);
    rel.coluna(QStringLiteral("DESCRIÇÂO"), 30);
    rel.coluna(QStringLiteral("RAMAL"), 12);
    rel.coluna(QStringLiteral("TIPO DE UH"), 26);
    rel.coluna(QStringLiteral("SITUAÇÃO"), 16);
    for (const Linha &l : linhas)
        rel.linha({l.inteiro(QStringLiteral("ID_UH")), l.texto(QStringLiteral("NUMERO")),
                   l.texto(QStringLiteral("DESC_UH")), l.texto(QStringLiteral("RAMAL")),
                   l.texto(QStringLiteral("DESC_TIPO")), nomeSituacao(l.texto(QStringLiteral("SITUACAO")))});
    rel.resumo(QStringLiteral("TOTAL DE UH's:"), qint64(linhas.size()));
    return rel;
}

QString textoLog(int opcao) { return QStringLiteral("Relatório de UHs (") + opcoes().value(opcao) + QLatin1Char(')'); }

} // namespace RelUH

TFrmRelUH::TFrmRelUH(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Relatório - UH's"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    imgCabecalho->setPixmap(imagemPadrao());
    layout->addWidget(imgCabecalho);
    lstOpcoes = new QListWidget(this);
    lstOpcoes->addItems(RelUH::opcoes());
    lstOpcoes->setCurrentRow(0);
    lstOpcoes->installEventFilter(this);
    layout->addWidget(lstOpcoes);
    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnImprimir->setToolTip(QStringLiteral("Imprimir"));
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setToolTip(QStringLiteral("Sair"));
    for (QPushButton *b : {btnImprimir, btnSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    layout->addLayout(botoes);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelUH::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelUH::btnSairClick);
    TelaRelatorio::acaoAoAtivar(this, QStringLiteral("Relatório de UHs"));
}

bool TFrmRelUH::eventFilter(QObject *o, QEvent *e)
{
    if (o == lstOpcoes && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            btnImprimirClick();
            return true;
        }
        if (k == Qt::Key_Escape) {
            btnSairClick();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmRelUH::btnImprimirClick()
{
    const int opcao = std::max(0, lstOpcoes->currentRow());
    RelatorioPintura::exibir(RelUH::relatorio(opcao, RelUH::linhas(opcao)), RelUH::textoLog(opcao),
                             RelatorioPintura::Destino::Visualizar, {}, this);
}

void TFrmRelUH::btnSairClick() { reject(); }

void abrirRelUH(QWidget *parent) { Telas::abrir<TFrmRelUH>(FrmRelUH, parent); }
