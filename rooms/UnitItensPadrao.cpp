#include "rooms/UnitItensPadrao.h"
#include "base/Mensagem.h"
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

PainelItensPadrao::PainelItensPadrao(ItensPadrao::Tabela tabela, const QString &titulo,
                                     const QList<ColunaGrade> &colunas, bool esconderRemover, QWidget *parent)
    : QGroupBox(titulo, parent)
    , m_tabela(tabela)
    , m_modelo(new ModeloConsulta(this))
    , m_esconderRemover(esconderRemover)
{
    const bool estoque = tabela == ItensPadrao::Tabela::EstoqueTipo || tabela == ItensPadrao::Tabela::EstoqueUH;
    const bool comValor = tabela == ItensPadrao::Tabela::FrigobarTipo;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto *linha = new QHBoxLayout;
    dbgItens = new QTableView(this);
    dbgItens->setModel(m_modelo);
    prepararGrade(dbgItens);
    m_modelo->definirColunas(colunas);
    for (int i = 0; i < colunas.size(); ++i)
        if (colunas[i].largura > 0)
            dbgItens->setColumnWidth(i, colunas[i].largura);
    dbgItens->setMinimumHeight(90);
    linha->addWidget(dbgItens, 1);
    auto *botoes = new QVBoxLayout;
    btnIncluir = new QPushButton(QStringLiteral("+"), this);
    btnExcluir = new QPushButton(QStringLiteral("-"), this);
    btnIncluir->setObjectName(QStringLiteral("btnIncluir"));
    btnExcluir->setObjectName(QStringLiteral("btnExcluir"));
    btnIncluir->setToolTip(estoque ? QStringLiteral("Incluir Item Padrão de Estoque")
                                   : QStringLiteral("Incluir Item Padrão de Frigobar"));
    btnExcluir->setToolTip(estoque ? QStringLiteral("Excluir Item Padrão de Estoque")
                                   : QStringLiteral("Excluir Item Padrão de Frigobar"));
    for (QPushButton *b : {btnIncluir, btnExcluir}) {
        b->setAutoDefault(false);
        b->setFixedWidth(28);
        botoes->addWidget(b);
    }
    botoes->addStretch();
    linha->addLayout(botoes);
    layout->addLayout(linha);

    pnlIncluir = new QGroupBox(estoque ? QStringLiteral("Incluir Item Padrão de Estoque:")
                                       : QStringLiteral("Incluir Item Padrão de Frigobar:"),
                               this);
    pnlIncluir->setObjectName(QStringLiteral("pnlIncluir"));
    auto *g = new QGridLayout(pnlIncluir);
    g->setContentsMargins(4, 4, 4, 4);
    const bool produtoTipo = tabela == ItensPadrao::Tabela::FrigobarTipo;
    g->addWidget(new QLabel(produtoTipo ? QStringLiteral("P / S:") : QStringLiteral("Item:"), pnlIncluir), 0, 0);
    cbItem = new QComboBox(pnlIncluir);
    cbItem->setObjectName(QStringLiteral("cbItem"));
    cbItem->setMinimumContentsLength(18);
    cbItem->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    g->addWidget(cbItem, 0, 1, 1, 3);
    btnFecharPainel = new QToolButton(pnlIncluir);
    btnFecharPainel->setText(QStringLiteral("x"));
    btnFecharPainel->setToolTip(QStringLiteral("Fechar Consulta"));
    g->addWidget(btnFecharPainel, 0, 4);
    g->addWidget(new QLabel(QStringLiteral("Qtd.:"), pnlIncluir), 1, 0);
    edtQtd = new QLineEdit(QStringLiteral("0"), pnlIncluir);
    edtQtd->setObjectName(estoque ? QStringLiteral("edtQtdEstoque") : QStringLiteral("edtQtdPS"));
    edtQtd->setMaxLength(20);
    edtQtd->setFixedWidth(60);
    edtQtd->installEventFilter(this);
    g->addWidget(edtQtd, 1, 1);
    edtValorUnit = nullptr;
    if (comValor) {
        g->addWidget(new QLabel(QStringLiteral("Valor Unit. R$"), pnlIncluir), 1, 2);
        edtValorUnit = new QLineEdit(QStringLiteral("0,00"), pnlIncluir);
        edtValorUnit->setObjectName(QStringLiteral("edtValorUnitPS"));
        edtValorUnit->setReadOnly(true);
        edtValorUnit->setFixedWidth(80);
        edtValorUnit->setAlignment(Qt::AlignRight);
        g->addWidget(edtValorUnit, 1, 3);
    }
    btnConfirmarItem = new QPushButton(QStringLiteral("Confirmar"), pnlIncluir);
    btnConfirmarItem->setObjectName(QStringLiteral("btnConfirmarItem"));
    btnConfirmarItem->setAutoDefault(false);
    g->addWidget(btnConfirmarItem, 1, 4);
    layout->addWidget(pnlIncluir);
    pnlIncluir->hide();

    connect(btnIncluir, &QPushButton::clicked, this, &PainelItensPadrao::btnIncluirClick);
    connect(btnExcluir, &QPushButton::clicked, this, &PainelItensPadrao::btnExcluirClick);
    connect(btnConfirmarItem, &QPushButton::clicked, this, &PainelItensPadrao::btnConfirmarItemClick);
    connect(btnFecharPainel, &QToolButton::clicked, this, &PainelItensPadrao::btnFecharPainelClick);
    connect(cbItem, &QComboBox::currentIndexChanged, this, [this] { escolhaMudou(); });
    carregar(0);
}

void PainelItensPadrao::carregar(qint64 dono)
{
    m_dono = dono;
    m_modelo->definirConsulta(ItensPadrao::sqlGrade(m_tabela), {dono});
    m_modelo->abrir();
    if (!m_modelo->vazia())
        dbgItens->setCurrentIndex(m_modelo->index(0, 0));
    if (m_esconderRemover)
        btnExcluir->setVisible(!m_modelo->vazia());
    else
        btnExcluir->setEnabled(!m_modelo->vazia());
}

void PainelItensPadrao::btnIncluirClick()
{
    cbItem->blockSignals(true);
    cbItem->clear();
    for (const Linha &l : DM->Conexao.lerTodas(ItensPadrao::sqlEscolhas(m_tabela))) {
        QVariantMap dados;
        dados.insert(QStringLiteral("ID"), l.inteiro(QStringLiteral("ID")));
        dados.insert(QStringLiteral("VALOR"), l.dinheiro(QStringLiteral("VALOR")).formatado());
        cbItem->addItem(l.texto(QStringLiteral("DESCRICAO")), dados);
        cbItem->setItemData(cbItem->count() - 1,
                            l.texto(QStringLiteral("ID")) + QStringLiteral(" / ") + l.texto(QStringLiteral("DESCRICAO")),
                            Qt::ToolTipRole);
    }
    cbItem->setCurrentIndex(-1);
    cbItem->blockSignals(false);
    escolhaMudou();
    edtQtd->setText(QStringLiteral("0"));
    pnlIncluir->show();
    cbItem->setFocus();
}

void PainelItensPadrao::escolhaMudou()
{
    if (!edtValorUnit)
        return;
    const QVariantMap dados = cbItem->currentData().toMap();
    edtValorUnit->setText(cbItem->currentIndex() < 0 ? QStringLiteral("0,00")
                                                     : dados.value(QStringLiteral("VALOR")).toString());
}

void PainelItensPadrao::btnConfirmarItemClick()
{
    const qint64 escolha =
        cbItem->currentIndex() < 0 ? 0 : cbItem->currentData().toMap().value(QStringLiteral("ID")).toLongLong();
    const auto recusa = ItensPadrao::incluir(DM->Conexao, m_tabela, m_dono, escolha, edtQtd->text());
    if (recusa) {
        Mensagem::info(recusa->mensagem);
        if (recusa->campo == ItensPadrao::Campo::Quantidade) {
            edtQtd->setFocus();
            edtQtd->selectAll();
        } else {
            cbItem->setFocus();
        }
        return;
    }
    carregar(m_dono);
    pnlIncluir->hide();
    btnIncluir->setFocus();
}

void PainelItensPadrao::btnExcluirClick()
{
    const QModelIndex i = dbgItens->currentIndex();
    if (m_modelo->vazia() || !i.isValid())
        return;
    ItensPadrao::excluir(DM->Conexao, m_tabela, m_dono, m_modelo->inteiro(i.row(), QStringLiteral("ID_LINHA")),
                         m_modelo->texto(i.row(), QStringLiteral("DESCRICAO")));
    carregar(m_dono);
}

void PainelItensPadrao::btnFecharPainelClick() { pnlIncluir->hide(); }

bool PainelItensPadrao::eventFilter(QObject *o, QEvent *e)
{
    // An empty quantity becomes "0" when left.
    if (o == edtQtd && e->type() == QEvent::FocusOut && edtQtd->text().trimmed().isEmpty())
        edtQtd->setText(QStringLiteral("0"));
    return QGroupBox::eventFilter(o, e);
}
