#include "restaurant/UnitRelProdutosServicos.h"
#include "base/CabecalhoTela.h"
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "restaurant/OpcoesFiltragem.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmRelProdutosServicos *FrmRelProdutosServicos = nullptr;

namespace RelProdutosServicos {

QList<Linha> linhas(const CondicaoSql &condicao)
{
    QString sql = QStringLiteral("SELECT PS.*, PDV.DESCRICAO AS NOMEPDV FROM PRODUTOS_SERVICOS PS, PDV "
                                 "WHERE PS.ID_PDV = PDV.ID_PDV AND PS.EXCLUIDO = 'N'");
    if (!condicao.sql.isEmpty())
        sql += QStringLiteral(" AND (") + condicao.sql + QLatin1Char(')');
    sql += QStringLiteral(" ORDER BY PS.ID_PDV, PS.DESCRICAO");
    return DM->Conexao.lerTodas(sql, condicao.valores);
}

Relatorio relatorio(const QString &linhaFiltro, const QList<Linha> &linhas)
{
    Relatorio rel(kTitulo);
    rel.linhaCabecalho(linhaFiltro);
    rel.coluna(QStringLiteral("CÓDIGO"), 12, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("DESCRIÇÃO"), 50);
    rel.coluna(QStringLiteral("QTD. NO ESTOQUE"), 18, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("VALOR R$"), 16, Relatorio::Tipo::Dinheiro);
    rel.coluna(QStringLiteral("ÚLTIMA COMPRA"), 16, Relatorio::Tipo::Data);
    for (const Linha &l : linhas) {
        // A group per point of sale; a deleted one keeps its name.
        rel.grupo(QStringLiteral("LOCAL: ") + l.texto(QStringLiteral("NOMEPDV")));
        rel.linha({l.inteiro(QStringLiteral("ID_P_S")), l.texto(QStringLiteral("DESCRICAO")),
                   l.inteiro(QStringLiteral("ESTOQUE")), l.dinheiro(QStringLiteral("VALOR")),
                   l.data(QStringLiteral("ULTIMA_COMPRA"))});
    }
    rel.fecharGrupo();
    rel.resumo(QStringLiteral("TOTAL DE PRODUTOS / SERVIÇOS:"), qint64(linhas.size()));
    return rel;
}

QString textoLog(const QString &escolha, const QString &palavras)
{
    return QStringLiteral("Relatório de Produtos e Serviços (") + escolha + QStringLiteral(")\rEspecífico:") + palavras;
}

} // namespace RelProdutosServicos

TFrmRelProdutosServicos::TFrmRelProdutosServicos(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Relatório - Produtos / Serviços"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);
    opcoes = new OpcoesFiltragem(
        this, {QStringLiteral("Prosutos / Serviços Pré-definidos"),
               QStringLiteral("Produtos / Serviços com a(s) Palavra(s) (Separe com \" / \")"),
               RelProdutosServicos::kTodos, RelProdutosServicos::kNenhumaOpcao, QStringLiteral("ID_P_S"),
               QStringLiteral("PS.DESCRICAO")});
    layout->addWidget(opcoes->grupo);
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
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelProdutosServicos::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelProdutosServicos::btnSairClick);
    connect(opcoes, &OpcoesFiltragem::imprimir, this, &TFrmRelProdutosServicos::btnImprimirClick);
    opcoes->carregar(QStringLiteral(
        "SELECT ID_P_S, DESCRICAO FROM PRODUTOS_SERVICOS WHERE EXCLUIDO = 'N' ORDER BY DESCRICAO"));
}

void TFrmRelProdutosServicos::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    AcaoAtual(QStringLiteral("Relatório de Produtos e Serviços"));
}

void TFrmRelProdutosServicos::btnImprimirClick()
{
    const OpcoesFiltragem::Filtro f = opcoes->filtro();
    const Relatorio rel = RelProdutosServicos::relatorio(f.linha, RelProdutosServicos::linhas(f.condicao));
    RelatorioPintura::exibir(rel, RelProdutosServicos::textoLog(f.escolha, f.palavras),
                             RelatorioPintura::Destino::Visualizar, {}, this);
}

void TFrmRelProdutosServicos::btnSairClick() { reject(); }

void abrirRelProdutosServicos() { Telas::abrir<TFrmRelProdutosServicos>(FrmRelProdutosServicos); }
