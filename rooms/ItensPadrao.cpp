#include "rooms/ItensPadrao.h"
#include "base/Mensagem.h"
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

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
#include <limits>

namespace ItensPadrao {

namespace {

struct Definicao {
    const char *grade;     // grid statement, "?" = owner
    const char *escolha;   // one offered choice by key: ID, DESCRICAO (, VALOR)
    const char *inserir;   // owner, item, quantity (, price)
    const char *excluir;   // row key, owner
    const char *logIncluir; // "" = not logged
    const char *logExcluir;
    bool produto;
    bool comValor;
};

const Definicao &definicao(Tabela t)
{
    static const Definicao estoqueTipo{
        "SELECT PI.ID_PADRAO_ITEM AS ID_LINHA, PI.ID_ITEM, PI.QTD, PI.ID_TIPO_UH, I.DESCRICAO "
        "FROM PADRAO_ITEM PI, ITEM I "
        "WHERE PI.ID_ITEM NOT IN (SELECT ID_ITEM FROM ANULACAO) "
        "AND PI.ID_TIPO_UH = ? "
        "AND PI.ID_ITEM = I.ID_ITEM "
        "ORDER BY I.DESCRICAO, PI.ID_PADRAO_ITEM",
        "SELECT ID_ITEM AS ID, DESCRICAO FROM ITEM WHERE ID_ITEM = ? "
        "AND ID_ITEM NOT IN (SELECT ID_ITEM FROM ANULACAO)",
        "INSERT INTO PADRAO_ITEM (ID_TIPO_UH, ID_ITEM, QTD) VALUES (?, ?, ?)",
        "DELETE FROM PADRAO_ITEM WHERE ID_PADRAO_ITEM = ? AND ID_TIPO_UH = ?",
        "Incluiu Item Padrão de Estoque -> (",
        "Excluiu Item Padrão de Estoque -> (",
        false,
        false};
    static const Definicao frigobarTipo{
        "SELECT PPS.ID_PADRAO_PS AS ID_LINHA, PPS.ID_P_S AS ID_ITEM, PPS.QTD, PPS.VALOR, PPS.ID_TIPO_UH, "
        "PS.DESCRICAO "
        "FROM PADRAO_PS PPS, PRODUTOS_SERVICOS PS "
        "WHERE PS.EXCLUIDO = 'N' "
        "AND PPS.ID_TIPO_UH = ? "
        "AND PPS.ID_P_S = PS.ID_P_S "
        "ORDER BY PS.DESCRICAO, PPS.ID_PADRAO_PS",
        "SELECT ID_P_S AS ID, DESCRICAO, VALOR FROM PRODUTOS_SERVICOS WHERE ID_P_S = ? AND EXCLUIDO = 'N'",
        "INSERT INTO PADRAO_PS (ID_TIPO_UH, ID_P_S, QTD, VALOR) VALUES (?, ?, ?, ?)",
        "DELETE FROM PADRAO_PS WHERE ID_PADRAO_PS = ? AND ID_TIPO_UH = ?",
        "Incluiu Item Padrão de Frigobar -> (",
        "Excluiu Item Padrão de Frigobar -> (",
        true,
        true};
    static const Definicao estoqueUH{
        "SELECT PI.ID_PADRAO_UH AS ID_LINHA, PI.ID_ITEM, PI.QTD, PI.ID_UH, I.DESCRICAO "
        "FROM PADRAO_UH PI, ITEM I "
        "WHERE PI.ID_ITEM NOT IN (SELECT ID_ITEM FROM ANULACAO) "
        "AND PI.ID_UH = ? "
        "AND PI.ID_ITEM = I.ID_ITEM "
        "ORDER BY I.DESCRICAO, PI.ID_PADRAO_UH",
        estoqueTipo.escolha,
        "INSERT INTO PADRAO_UH (ID_UH, ID_ITEM, QTD) VALUES (?, ?, ?)",
        "DELETE FROM PADRAO_UH WHERE ID_PADRAO_UH = ? AND ID_UH = ?",
        "Incluiu Item Padrão de UH -> (",
        "Excluiu Item Padrão de UH -> (",
        false,
        false};
    static const Definicao frigobarUH{
        "SELECT PI.ID_PADRAO_PS_UH AS ID_LINHA, PI.ID_PS AS ID_ITEM, PI.QTD, PI.ID_UH, PS.DESCRICAO "
        "FROM PADRAO_PS_UH PI, PRODUTOS_SERVICOS PS "
        "WHERE PS.EXCLUIDO = 'N' "
        "AND PI.ID_UH = ? "
        "AND PI.ID_PS = PS.ID_P_S "
        "ORDER BY PS.DESCRICAO, PI.ID_PADRAO_PS_UH",
        frigobarTipo.escolha,
        "INSERT INTO PADRAO_PS_UH (ID_UH, ID_PS, QTD) VALUES (?, ?, ?)",
        "DELETE FROM PADRAO_PS_UH WHERE ID_PADRAO_PS_UH = ? AND ID_UH = ?",
        "",
        "",
        true,
        false};
    switch (t) {
    case Tabela::EstoqueTipo:
        return estoqueTipo;
    case Tabela::FrigobarTipo:
        return frigobarTipo;
    case Tabela::EstoqueUH:
        return estoqueUH;
    case Tabela::FrigobarUH:
        break;
    }
    return frigobarUH;
}

} // namespace

QString sqlGrade(Tabela t) { return QString::fromUtf8(definicao(t).grade); }

QString sqlEscolhas(Tabela t)
{
    return definicao(t).produto
        ? QStringLiteral("SELECT ID_P_S AS ID, DESCRICAO, VALOR FROM PRODUTOS_SERVICOS WHERE EXCLUIDO = 'N' "
                         "ORDER BY DESCRICAO")
        : QStringLiteral("SELECT ID_ITEM AS ID, DESCRICAO FROM ITEM WHERE ID_ITEM NOT IN (SELECT ID_ITEM FROM "
                         "ANULACAO) ORDER BY DESCRICAO");
}

std::optional<int> quantidade(const QString &texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (QChar c : t)
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    if (!ok || n < 1 || n > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return int(n);
}

std::optional<Recusa> incluir(ConexaoBanco &conexao, Tabela t, qint64 dono, qint64 escolha, const QString &quantidadeTexto)
{
    const Definicao &d = definicao(t);
    const Recusa escolhaInvalida{d.produto ? kMsgProdutoInvalido : kMsgItemInvalido, Campo::Escolha};
    if (escolha <= 0)
        return escolhaInvalida;
    const std::optional<int> qtd = quantidade(quantidadeTexto);
    if (!qtd)
        return Recusa{kMsgQuantidadeInvalida, Campo::Quantidade};
    return conexao.emTransacao([&]() -> std::optional<Recusa> {
        const Linha item = conexao.ler(QString::fromUtf8(d.escolha), {escolha});
        if (item.vazia())
            return escolhaInvalida;
        Valores v{dono, escolha, *qtd};
        if (d.comValor)
            v.append(item.dinheiro(QStringLiteral("VALOR")).paraBanco());
        conexao.executar(QString::fromUtf8(d.inserir), v);
        if (*d.logIncluir)
            RegistrarLog(conexao, QString::fromUtf8(d.logIncluir) + item.texto(QStringLiteral("DESCRICAO"))
                         + QStringLiteral(")"));
        return std::nullopt;
    });
}

void excluir(ConexaoBanco &conexao, Tabela t, qint64 dono, qint64 idLinha, const QString &descricao)
{
    const Definicao &d = definicao(t);
    conexao.emTransacao([&] {
        const int n = conexao.executar(QString::fromUtf8(d.excluir), {idLinha, dono});
        if (n > 0 && *d.logExcluir)
            RegistrarLog(conexao, QString::fromUtf8(d.logExcluir) + descricao + QStringLiteral(")"));
    });
}

} // namespace ItensPadrao

// ---------------------------------------------------------------- panel

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
