#include "restaurant/UnitRelItensEstoque.h"
#include "base/Anulacao.h"
#include "base/CabecalhoTela.h"
#include "base/Relogio.h"
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "restaurant/OpcoesFiltragem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmRelItensEstoque *FrmRelItensEstoque = nullptr;

namespace RelItensEstoque {

QList<Linha> linhas(const CondicaoSql &condicao)
{
    QString sql = QStringLiteral("SELECT * FROM ITEM WHERE ") + Anulacao::filtroNaoAnulados(QStringLiteral("ID_ITEM"));
    if (!condicao.sql.isEmpty())
        sql += QStringLiteral(" AND (") + condicao.sql + QLatin1Char(')');
    sql += QStringLiteral(" ORDER BY DESCRICAO");
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
    rel.coluna(QStringLiteral("ÚLTIMA MOVIM."), 16, Relatorio::Tipo::Data);
    for (const Linha &l : linhas)
        rel.linha({l.inteiro(QStringLiteral("ID_ITEM")), l.texto(QStringLiteral("DESCRICAO")),
                   l.inteiro(QStringLiteral("ESTOQUE")), l.dinheiro(QStringLiteral("VALOR")),
                   l.data(QStringLiteral("ULTIMA_MOVIMENTACAO"))});
    rel.resumo(QStringLiteral("TOTAL DE ITENS:"), qint64(linhas.size()));
    return rel;
}

QList<Linha> baixas(const QDate &de, const QDate &ate)
{
    return DM->Conexao.lerTodas(QStringLiteral("SELECT IH.*, I.DESCRICAO AS DESC_ITEM FROM ITEM_HISTORICO IH, ITEM I "
                                               "WHERE IH.ID_ITEM = I.ID_ITEM AND IH.TIPO = '-' AND IH.DATA >= ? "
                                               "AND IH.DATA <= ? ORDER BY IH.ID_ITEM_HISTORICO"),
                                {de, ate});
}

Relatorio relatorioBaixas(const QDate &de, const QDate &ate, const QList<Linha> &linhas)
{
    Relatorio rel(kTituloBaixas);
    const QString f = QStringLiteral("dd/MM/yyyy");
    rel.linhaCabecalho(QStringLiteral("(De: ") + de.toString(f) + QStringLiteral("   Até: ") + ate.toString(f)
                       + QLatin1Char(')'));
    rel.coluna(QStringLiteral("CÓDIGO"), 10, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("DESCRIÇÃO"), 34);
    rel.coluna(QStringLiteral("QTD."), 8, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("USUÁRIO"), 12);
    rel.coluna(QStringLiteral("MOTIVO"), 34);
    rel.coluna(QStringLiteral("DATA"), 13, Relatorio::Tipo::Data);
    for (const Linha &l : linhas)
        rel.linha({l.inteiro(QStringLiteral("ID_ITEM")), l.texto(QStringLiteral("DESC_ITEM")),
                   l.inteiro(QStringLiteral("QTD")), l.texto(QStringLiteral("USUARIO")),
                   l.texto(QStringLiteral("DESCRICAO")), l.data(QStringLiteral("DATA"))});
    rel.resumo(QStringLiteral("TOTAL DE ITENS:"), qint64(linhas.size()));
    return rel;
}

QString textoLog(const QString &escolha, const QString &palavras)
{
    return QStringLiteral("Relatório de Itens de Estoque (") + escolha + QStringLiteral(")\rEspecífico:") + palavras;
}

} // namespace RelItensEstoque

TFrmRelItensEstoque::TFrmRelItensEstoque(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Relatório - Itens de Estoque"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);
    opcoes = new OpcoesFiltragem(
        this, {QStringLiteral("Itens de Estoque Pré-definidos"),
               QStringLiteral("Itens de Estoque com a(s) Palavra(s) (Separe com \" / \")"), RelItensEstoque::kTodos,
               RelItensEstoque::kNenhumaOpcao, QStringLiteral("ID_ITEM"), QStringLiteral("DESCRICAO")});
    layout->addWidget(opcoes->grupo);
    auto *periodo = new QHBoxLayout;
    chkPeriodo = new QCheckBox(QStringLiteral("Imprimir Apenas Itens Baixados no Período"), this);
    chkPeriodo->setObjectName(QStringLiteral("chkPeriodo"));
    dtDe = new QDateEdit(this);
    dtAte = new QDateEdit(this);
    for (QDateEdit *d : {dtDe, dtAte}) {
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
        d->setEnabled(false);
    }
    periodo->addWidget(chkPeriodo);
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
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelItensEstoque::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelItensEstoque::btnSairClick);
    connect(chkPeriodo, &QCheckBox::clicked, this, &TFrmRelItensEstoque::chkPeriodoClick);
    connect(opcoes, &OpcoesFiltragem::imprimir, this, &TFrmRelItensEstoque::btnImprimirClick);
    // The choice holds deleted items too.
    opcoes->carregar(QStringLiteral("SELECT ID_ITEM, DESCRICAO FROM ITEM ORDER BY DESCRICAO"));
    dtDe->setDate(Relogio::hoje());
    dtAte->setDate(Relogio::hoje());
}

void TFrmRelItensEstoque::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    AcaoAtual(QStringLiteral("Relatório de Itens de Estoque"));
}

void TFrmRelItensEstoque::chkPeriodoClick()
{
    const bool ligado = chkPeriodo->isChecked();
    dtDe->setEnabled(ligado);
    dtAte->setEnabled(ligado);
    if (ligado) {
        dtDe->setDate(Relogio::hoje());
        dtAte->setDate(Relogio::hoje());
        dtDe->setFocus();
    }
}

void TFrmRelItensEstoque::btnImprimirClick()
{
    if (chkPeriodo->isChecked()) {
        // The period ignores the filter choice.
        const QDate de = dtDe->date(), ate = dtAte->date();
        const Relatorio rel = RelItensEstoque::relatorioBaixas(de, ate, RelItensEstoque::baixas(de, ate));
        const QString escolha =
            opcoes->cbEscolha->currentIndex() < 0 ? RelItensEstoque::kTodos : opcoes->cbEscolha->currentText();
        RelatorioPintura::exibir(rel, RelItensEstoque::textoLog(escolha, opcoes->edtPalavras->text()),
                                 RelatorioPintura::Destino::Visualizar, {}, this);
        return;
    }
    const OpcoesFiltragem::Filtro f = opcoes->filtro();
    const Relatorio rel = RelItensEstoque::relatorio(f.linha, RelItensEstoque::linhas(f.condicao));
    RelatorioPintura::exibir(rel, RelItensEstoque::textoLog(f.escolha, f.palavras),
                             RelatorioPintura::Destino::Visualizar, {}, this);
}

void TFrmRelItensEstoque::btnSairClick() { reject(); }

void abrirRelItensEstoque() { Telas::abrir<TFrmRelItensEstoque>(FrmRelItensEstoque); }
