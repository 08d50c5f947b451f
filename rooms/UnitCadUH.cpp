#include "rooms/UnitCadUH.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "rooms/CadastroUH.h"
#include "rooms/UnitItensPadrao.h"
#include "rooms/UnitTiposUH.h"
#include "rooms/UnitUH.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QVBoxLayout>

TFrmCadUH *FrmCadUH = nullptr;

TFrmCadUH::TFrmCadUH(const QString &op, qint64 id, QWidget *parent)
    : QDialog(parent)
    , m_modo(modoDeOP(op))
    , m_id(id)
{
    const bool modoValido = op == QLatin1String("I") || op == QLatin1String("A") || op == QLatin1String("V");
    auto *layout = new QVBoxLayout(this);
    const TopoEdicao topo = adicionarTopoEdicao(this, layout, QStringLiteral("CÓDIGO DA UH:"),
                                                QStringLiteral("lblCodUH"), QStringLiteral("X"));
    imgCabecalho = topo.cabecalho;
    lblTitulo = topo.titulo;
    lblCodUH = topo.codigo;

    pnlDados = new QWidget(this);
    auto *dados = new QVBoxLayout(pnlDados);
    dados->setContentsMargins(0, 0, 0, 0);
    auto *g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("Tipo de UH:"), pnlDados), 0, 0);
    cbTipoUH = new QComboBox(pnlDados);
    cbTipoUH->setObjectName(QStringLiteral("cbTipoUH"));
    cbTipoUH->setMinimumContentsLength(24);
    g->addWidget(cbTipoUH, 0, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Número:"), pnlDados), 1, 0);
    edtNumero = new QLineEdit(pnlDados);
    edtNumero->setObjectName(QStringLiteral("edtNumero"));
    edtNumero->setMaxLength(CadastroUH::kTamNumero);
    edtNumero->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edtNumero));
    edtNumero->setFixedWidth(80);
    g->addWidget(edtNumero, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Ramal Telefônico:"), pnlDados), 1, 2, Qt::AlignRight);
    edtRamal = new QLineEdit(pnlDados);
    edtRamal->setObjectName(QStringLiteral("edtRamal"));
    edtRamal->setMaxLength(CadastroUH::kTamRamal);
    edtRamal->setFixedWidth(110);
    g->addWidget(edtRamal, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Descrição:"), pnlDados), 2, 0);
    edtDescricao = new QLineEdit(pnlDados);
    edtDescricao->setObjectName(QStringLiteral("edtDescricao"));
    emMaiusculas(edtDescricao, CadastroUH::kTamDescricao);
    g->addWidget(edtDescricao, 2, 1, 1, 3);
    chkAuditorio = new QCheckBox(QStringLiteral("Imprimir Texto Personalizável no Extrato"), pnlDados);
    chkAuditorio->setObjectName(QStringLiteral("chkAuditorio"));
    g->addWidget(chkAuditorio, 3, 1, 1, 3);
    g->setColumnStretch(4, 1);
    dados->addLayout(g);
    auto *itens = new QHBoxLayout;
    pnlEstoque = new PainelItensPadrao(ItensPadrao::Tabela::EstoqueUH, QStringLiteral("Itens de Estoque:"),
                                       {{QStringLiteral("ID_ITEM"), QStringLiteral("Código"), FormatoColuna::Texto, 55},
                                        {QStringLiteral("DESCRICAO"), QStringLiteral("Item"), FormatoColuna::Texto, 190},
                                        {QStringLiteral("QTD"), QStringLiteral("Qtd."), FormatoColuna::Texto, 45}},
                                       false, pnlDados);
    pnlFrigobar = new PainelItensPadrao(ItensPadrao::Tabela::FrigobarUH, QStringLiteral("Itens de Frigobar:"),
                                        {{QStringLiteral("ID_ITEM"), QStringLiteral("Código"), FormatoColuna::Texto, 55},
                                         {QStringLiteral("DESCRICAO"), QStringLiteral("Item"), FormatoColuna::Texto, 190},
                                         {QStringLiteral("QTD"), QStringLiteral("Qtd."), FormatoColuna::Texto, 45}},
                                        false, pnlDados);
    dbgEstoque = pnlEstoque->dbgItens;
    dbgFrigobar = pnlFrigobar->dbgItens;
    dbgEstoque->setObjectName(QStringLiteral("dbgEstoque"));
    dbgFrigobar->setObjectName(QStringLiteral("dbgFrigobar"));
    itens->addWidget(pnlEstoque, 1);
    itens->addWidget(pnlFrigobar, 1);
    dados->addLayout(itens, 1);
    layout->addWidget(pnlDados, 1);

    btnTiposUH = new QPushButton(QStringLiteral("Tipos de UH"), this);
    btnTiposUH->setObjectName(QStringLiteral("btnTiposUH"));
    const BotoesEdicao botoes = adicionarBotoesEdicao(this, layout, {btnTiposUH});
    btnConfirmar = botoes.confirmar;
    btnCancelar = botoes.cancelar;
    for (QPushButton *b : {btnTiposUH, btnConfirmar, btnCancelar})
        b->setAutoDefault(false);

    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadUH::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadUH::btnCancelarClick);
    connect(btnTiposUH, &QPushButton::clicked, this, &TFrmCadUH::btnTiposUHClick);

    carregarTipos();
    if (!modoValido) {
        // nothing is filled; the code stays "X"
        m_modo = ModoEdicao::Ver;
        m_id = 0;
        pnlDados->setEnabled(false);
        btnConfirmar->setEnabled(false);
    } else if (m_modo == ModoEdicao::Incluir) {
        for (const QString &sql : CadastroUH::sqlLimpezaNovo())
            m_chave.aoAbandonar(sql);
        m_chave.reservar(QStringLiteral("GEN_ID_UH"));
        m_id = m_chave.valor();
        lblCodUH->setText(QString::number(m_id));
        lblTitulo->setText(QStringLiteral("Nova UH"));
    } else {
        const Linha l = DM->Conexao.ler(QStringLiteral("SELECT * FROM UH WHERE ID_UH = ?"), {id});
        lblCodUH->setText(QString::number(id));
        lblTitulo->setText(m_modo == ModoEdicao::Alterar ? QStringLiteral("Alterar UH") : QStringLiteral("Ver UH"));
        escolherTipo(l.inteiro(QStringLiteral("ID_TIPO_UH")));
        edtNumero->setText(l.texto(QStringLiteral("NUMERO")));
        edtDescricao->setText(l.texto(QStringLiteral("DESCRICAO")));
        edtRamal->setText(l.texto(QStringLiteral("RAMAL")));
        chkAuditorio->setChecked(l.texto(QStringLiteral("AUDITORIO")) == QLatin1String("S"));
        if (m_modo == ModoEdicao::Ver) {
            pnlDados->setEnabled(false);
            btnConfirmar->setEnabled(false);
        }
    }
    setWindowTitle(lblTitulo->text().isEmpty() ? QStringLiteral("UH") : lblTitulo->text());
    pnlEstoque->carregar(m_id);
    pnlFrigobar->carregar(m_id);

    menuAtalhos = instalarComportamentoEdicao(
        this, {[this] { btnConfirmarClick(); }, [this] { btnCancelar->click(); },
               QStringLiteral("|| Confirmar UH - (F10) ||"), QStringLiteral("|| Cancelar UH - (F12) ||")});
    QAction *tipos = menuAtalhos->addAction(QStringLiteral("|| Tipos de UH - (Ctrl + T) ||"));
    tipos->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    tipos->setShortcutContext(Qt::WindowShortcut);
    connect(tipos, &QAction::triggered, this, [this] {
        if (btnTiposUH->isEnabled())
            btnTiposUHClick();
    });
    resize(760, 560);
}

TFrmCadUH::~TFrmCadUH()
{
    try {
        m_chave.abandonar();
    } catch (const std::exception &e) {
        qWarning("TFrmCadUH: %s", e.what());
    }
}

void TFrmCadUH::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    imgCabecalho->setPixmap(imagemPadrao());
    if (pnlDados->isEnabled())
        cbTipoUH->setFocus();
    else
        btnCancelar->setFocus();
}

void TFrmCadUH::carregarTipos()
{
    const qint64 atual = tipoEscolhido();
    cbTipoUH->blockSignals(true);
    cbTipoUH->clear();
    for (const Linha &l : DM->Conexao.lerTodas(CadastroUH::kSqlTipos)) {
        cbTipoUH->addItem(l.texto(QStringLiteral("DESCRICAO")), l.inteiro(QStringLiteral("ID_TIPO_UH")));
        cbTipoUH->setItemData(cbTipoUH->count() - 1,
                              l.texto(QStringLiteral("ID_TIPO_UH")) + QStringLiteral(" / ")
                                  + l.texto(QStringLiteral("DESCRICAO")),
                              Qt::ToolTipRole);
    }
    cbTipoUH->blockSignals(false);
    escolherTipo(atual);
}

void TFrmCadUH::escolherTipo(qint64 tipo)
{
    cbTipoUH->setCurrentIndex(tipo > 0 ? cbTipoUH->findData(tipo) : -1);
}

qint64 TFrmCadUH::tipoEscolhido() const
{
    return cbTipoUH->currentIndex() < 0 ? 0 : cbTipoUH->currentData().toLongLong();
}

void TFrmCadUH::btnConfirmarClick()
{
    if (m_modo == ModoEdicao::Ver || m_id <= 0)
        return;
    CadastroUH::Dados d;
    d.tipo = tipoEscolhido();
    d.numero = edtNumero->text();
    d.descricao = edtDescricao->text();
    d.ramal = edtRamal->text();
    d.auditorio = chkAuditorio->isChecked();
    const CadastroUH::Resultado r = CadastroUH::confirmar(DM->Conexao, m_modo, m_id, d);
    if (!r.salvo) {
        Mensagem::info(r.mensagem);
        QWidget *foco = r.foco == CadastroUH::Campo::Numero      ? static_cast<QWidget *>(edtNumero)
                        : r.foco == CadastroUH::Campo::Descricao ? static_cast<QWidget *>(edtDescricao)
                        : r.foco == CadastroUH::Campo::Ramal     ? static_cast<QWidget *>(edtRamal)
                                                                 : static_cast<QWidget *>(cbTipoUH);
        foco->setFocus();
        return;
    }
    Confirma = true;
    if (m_modo == ModoEdicao::Alterar) {
        Mensagem::info(r.mensagem);
        accept();
        return;
    }
    m_chave.confirmar();
    if (!Mensagem::pergunta(r.mensagem)) {
        accept();
        return;
    }
    // another one: the next key, empty fields and grids
    m_chave.reservar(QStringLiteral("GEN_ID_UH"));
    m_id = m_chave.valor();
    lblCodUH->setText(QString::number(m_id));
    pnlEstoque->carregar(m_id);
    pnlFrigobar->carregar(m_id);
    escolherTipo(0);
    edtNumero->clear();
    edtDescricao->clear();
    edtRamal->clear();
    chkAuditorio->setChecked(false);
    cbTipoUH->setFocus();
}

void TFrmCadUH::btnCancelarClick() { reject(); }

void TFrmCadUH::done(int r)
{
    // a new room left unsaved: its extra items go
    m_chave.abandonar();
    QDialog::done(r);
}

void TFrmCadUH::btnTiposUHClick()
{
    try {
        abrirTiposUH();
    } catch (...) {
        carregarTipos();
        throw;
    }
    carregarTipos();
}

int abrirCadUH(const QString &op, qint64 idUH) { return Telas::abrir<TFrmCadUH>(FrmCadUH, op, idUH, nullptr); }

void abrirCadUHDoMapa()
{
    if (!FrmUH)
        return;
    const MapaUH::Quarto *q = FrmUH->atual();
    const QString op = FrmUH->OP;
    struct Esvazia {
        ~Esvazia()
        {
            if (FrmUH)
                FrmUH->OP.clear();
        }
    } esvazia;
    abrirCadUH(op, q && op != QLatin1String("I") ? q->idUH : 0);
}
