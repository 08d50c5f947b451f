#include "restaurant/UnitCadProdutosServicos.h"
#include "base/TelaLista.h"
#include "base/CabecalhoTela.h"
#include "base/Dinheiro.h"
#include "base/Mensagem.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "base/CamposEdicao.h"
#include "restaurant/Produtos.h"
#include "restaurant/UnitConsultaFiscal.h"
#include "restaurant/UnitPDV.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TFrmCadProdutosServicos *FrmCadProdutosServicos = nullptr;

TFrmCadProdutosServicos::TFrmCadProdutosServicos(ListaCadastro *lista, QWidget *parent)
    : QDialog(parent)
    , m_lista(lista)
{
    // The tax-code lookups fill the fields of the record open at the time.
    ConsultaFiscal::campoDoRegistro = [](ConsultaFiscal::Campo c) -> QLineEdit * {
        if (!FrmCadProdutosServicos)
            return nullptr;
        switch (c) {
        case ConsultaFiscal::Campo::CST:
            return FrmCadProdutosServicos->edtCST;
        case ConsultaFiscal::Campo::NCM:
            return FrmCadProdutosServicos->edtNCM;
        case ConsultaFiscal::Campo::CEST:
            break;
        }
        return FrmCadProdutosServicos->edtCEST;
    };
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Produto / Serviço"));
    setMinimumWidth(660); // the shortcut row shows its three entries
    auto *layout = new QVBoxLayout(this);
    const TopoEdicao topo = adicionarTopoEdicao(this, layout, QStringLiteral("CÓDIGO DO PRODUTO/SERVIÇO:"),
                                                QStringLiteral("lblCodigo"), QString(), true);
    imgCabecalho = topo.cabecalho;
    lblTitulo = topo.titulo;
    lblCodigo = topo.codigo;

    pnlCampos = new QWidget(this);
    auto *g = new QGridLayout(pnlCampos);
    int linha = 0;
    auto rotulo = [&](const QString &t) { return new QLabel(t, pnlCampos); };
    auto *digitos = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);

    cbPDV = new QComboBox(pnlCampos);
    cbPDV->setObjectName(QStringLiteral("cbPDV"));
    btnPDV = new QPushButton(QStringLiteral("Pontos de Venda (PDV's)"), pnlCampos);
    g->addWidget(rotulo(QStringLiteral("Ponto de Venda:")), linha, 0);
    g->addWidget(cbPDV, linha, 1, 1, 3);
    g->addWidget(btnPDV, linha++, 4);

    edtDescricao = new QLineEdit(pnlCampos);
    edtDescricao->setObjectName(QStringLiteral("edtDescricao"));
    emMaiusculas(edtDescricao, 90);
    g->addWidget(rotulo(QStringLiteral("Descrição:")), linha, 0);
    g->addWidget(edtDescricao, linha++, 1, 1, 4);

    edtEstoque = new QLineEdit(QStringLiteral("0"), pnlCampos);
    edtEstoque->setObjectName(QStringLiteral("edtEstoque"));
    edtMinimo = new QLineEdit(QStringLiteral("0"), pnlCampos);
    edtMinimo->setObjectName(QStringLiteral("edtMinimo"));
    for (QLineEdit *e : {edtEstoque, edtMinimo}) {
        e->setMaxLength(9);
        e->setAlignment(Qt::AlignRight);
        CamposEdicao::zeroQuandoVazio(e);
    }
    g->addWidget(rotulo(QStringLiteral("Estoque Atual:")), linha, 0);
    g->addWidget(edtEstoque, linha, 1);
    g->addWidget(rotulo(QStringLiteral("Estoque Mínimo:")), linha, 2);
    g->addWidget(edtMinimo, linha++, 3);

    edtValor = new QLineEdit(QStringLiteral("0,00"), pnlCampos);
    edtValor->setObjectName(QStringLiteral("edtValor"));
    edtValor->setAlignment(Qt::AlignRight);
    edtValor->setMaxLength(20);
    CamposEdicao::dinheiro(edtValor);
    edtCodigoBarras = new QLineEdit(pnlCampos);
    edtCodigoBarras->setObjectName(QStringLiteral("edtCodigoBarras"));
    emMaiusculas(edtCodigoBarras, 20);
    g->addWidget(rotulo(QStringLiteral("Valor:             R$")), linha, 0);
    g->addWidget(edtValor, linha, 1);
    g->addWidget(rotulo(QStringLiteral("Código de Barras:")), linha, 2);
    g->addWidget(edtCodigoBarras, linha++, 3, 1, 2);

    cbAliquota = new QComboBox(pnlCampos);
    cbAliquota->setObjectName(QStringLiteral("cbAliquota"));
    for (const Produtos::Aliquota &a : Produtos::aliquotas())
        cbAliquota->addItem(a.legenda, a.codigo);
    cbAliquota->setCurrentIndex(0);
    g->addWidget(rotulo(QStringLiteral("Aliq. Tributária:")), linha, 0);
    g->addWidget(cbAliquota, linha++, 1, 1, 2);

    edtCST = new QLineEdit(QStringLiteral("0"), pnlCampos);
    edtCST->setObjectName(QStringLiteral("edtCST"));
    emMaiusculas(edtCST, 3);
    edtNCM = new QLineEdit(QStringLiteral("0"), pnlCampos);
    edtNCM->setObjectName(QStringLiteral("edtNCM"));
    emMaiusculas(edtNCM, 8);
    edtCEST = new QLineEdit(QStringLiteral("0"), pnlCampos);
    edtCEST->setObjectName(QStringLiteral("edtCEST"));
    emMaiusculas(edtCEST, 8);
    CamposEdicao::zeroQuandoVazio(edtCST);
    CamposEdicao::zeroQuandoVazio(edtCEST);
    edtNCM->installEventFilter(this);
    btnConsultarCST = new QPushButton(QStringLiteral("Consultar"), pnlCampos);
    btnConsultarNCM = new QPushButton(QStringLiteral("Consultar"), pnlCampos);
    btnConsultarCEST = new QPushButton(QStringLiteral("Consultar"), pnlCampos);
    const struct {
        const char *legenda;
        QLineEdit *campo;
        QPushButton *botao;
    } fiscais[] = {{"CST/CSOSN:", edtCST, btnConsultarCST},
                   {"NCM:", edtNCM, btnConsultarNCM},
                   {"CEST:", edtCEST, btnConsultarCEST}};
    for (const auto &c : fiscais) {
        c.campo->setValidator(digitos);
        c.campo->setMaximumWidth(110);
        g->addWidget(rotulo(QString::fromUtf8(c.legenda)), linha, 0);
        g->addWidget(c.campo, linha, 1);
        g->addWidget(c.botao, linha++, 2, Qt::AlignLeft);
    }

    chkFabPropria = new QCheckBox(QStringLiteral("Fabricação Própria"), pnlCampos);
    chkFabPropria->setObjectName(QStringLiteral("chkFabPropria"));
    chkDiaria = new QCheckBox(QStringLiteral("Diária (Não Entra como Despesas e Consumo nos Relatórios)"), pnlCampos);
    chkDiaria->setObjectName(QStringLiteral("chkDiaria"));
    g->addWidget(chkFabPropria, linha++, 1, 1, 4);
    g->addWidget(chkDiaria, linha++, 1, 1, 4);
    g->setColumnStretch(3, 1);
    layout->addWidget(pnlCampos);

    const BotoesEdicao botoes = adicionarBotoesEdicao(this, layout);
    btnConfirmar = botoes.confirmar;
    btnCancelar = botoes.cancelar;
    for (QPushButton *b : {btnPDV, btnConsultarCST, btnConsultarNCM, btnConsultarCEST, btnConfirmar, btnCancelar})
        b->setAutoDefault(false);

    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadProdutosServicos::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadProdutosServicos::btnCancelarClick);
    connect(btnPDV, &QPushButton::clicked, this, &TFrmCadProdutosServicos::btnPDVClick);
    connect(btnConsultarCST, &QPushButton::clicked, this, &TFrmCadProdutosServicos::btnConsultarCSTClick);
    connect(btnConsultarNCM, &QPushButton::clicked, this, &TFrmCadProdutosServicos::btnConsultarNCMClick);
    connect(btnConsultarCEST, &QPushButton::clicked, this, &TFrmCadProdutosServicos::btnConsultarCESTClick);

    menuAtalhos = instalarComportamentoEdicao(
        this, {[this] {
                   if (btnConfirmar->isEnabled())
                       btnConfirmar->click();
               },
               [this] { btnCancelar->click(); }, QStringLiteral("|| Confirmar P/S - (F10) ||"),
               QStringLiteral("|| Cancelar P/S - (F12) ||")});
    QAction *pdv = menuAtalhos->addAction(QStringLiteral("|| Pontos de Venda - (Ctrl + P) ||"));
    pdv->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    addAction(pdv);
    connect(pdv, &QAction::triggered, this, [this] {
        if (btnPDV->isEnabled() && pnlCampos->isEnabled())
            btnPDVClick();
    });
}

void TFrmCadProdutosServicos::carregarPDVs()
{
    const QVariant escolhido = cbPDV->currentIndex() >= 0 ? cbPDV->currentData() : QVariant();
    cbPDV->clear();
    for (const Linha &l : DM->Conexao.lerTodas(Produtos::kSqlEscolhaPdv))
        cbPDV->addItem(l.texto(QStringLiteral("ID_PDV")) + QStringLiteral(" / ") + l.texto(QStringLiteral("DESCRICAO")),
                       l.inteiro(QStringLiteral("ID_PDV")));
    cbPDV->setCurrentIndex(escolhido.isValid() ? cbPDV->findData(escolhido) : -1);
}

void TFrmCadProdutosServicos::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    carregarPDVs();
    m_modo = m_lista ? modoDeOP(m_lista->OP) : ModoEdicao::Incluir;
    if (m_modo == ModoEdicao::Incluir) {
        lblTitulo->setText(QStringLiteral("Novo Produto / Serviço"));
        novoRegistro();
        return;
    }
    TelaLista *l = m_lista->lista;
    m_chave = l->inteiro(QStringLiteral("ID_P_S"));
    lblTitulo->setText(m_modo == ModoEdicao::Alterar ? QStringLiteral("Alterar Produto / Serviço")
                                                     : QStringLiteral("Ver Produto / Serviço"));
    lblCodigo->setText(QString::number(m_chave));
    edtDescricao->setText(l->texto(QStringLiteral("DESC_PS")));
    edtCodigoBarras->setText(l->texto(QStringLiteral("CODIGO_BARRAS")));
    edtCST->setText(l->texto(QStringLiteral("CST")));
    edtNCM->setText(l->texto(QStringLiteral("NCM")));
    edtCEST->setText(l->texto(QStringLiteral("CEST")));
    edtValor->setText(Dinheiro::deVariant(l->valor(QStringLiteral("VALOR"))).formatado());
    m_estoqueCarregado = l->inteiro(QStringLiteral("ESTOQUE"));
    edtEstoque->setText(QString::number(m_estoqueCarregado));
    edtMinimo->setText(QString::number(l->inteiro(QStringLiteral("MINIMO"))));
    cbAliquota->setCurrentIndex(Produtos::indiceAliquota(l->texto(QStringLiteral("SIT_TRIBUT"))));
    chkFabPropria->setChecked(l->texto(QStringLiteral("FAB_PROPRIA")) == QLatin1String("S"));
    chkDiaria->setChecked(l->texto(QStringLiteral("DIARIA")) == QLatin1String("S"));
    if (!Sessao::atual().direitos.MOVIMENTOS)
        for (QLineEdit *c : {edtEstoque, edtMinimo, edtValor})
            c->setEnabled(false);
    cbPDV->setCurrentIndex(cbPDV->findData(l->inteiro(QStringLiteral("ID_PDV"))));
    if (m_modo == ModoEdicao::Ver) {
        pnlCampos->setEnabled(false);
        btnConfirmar->setEnabled(false);
        btnCancelar->setFocus();
    } else {
        cbPDV->setFocus();
    }
}

void TFrmCadProdutosServicos::novoRegistro()
{
    m_reserva.reservar(QStringLiteral("GEN_ID_P_S"));
    m_chave = m_reserva.valor();
    m_estoqueCarregado = 0;
    lblCodigo->setText(QString::number(m_chave));
    cbPDV->setCurrentIndex(-1);
    edtDescricao->clear();
    edtCodigoBarras->clear();
    edtValor->setText(QStringLiteral("0,00"));
    for (QLineEdit *c : {edtEstoque, edtMinimo, edtCST, edtNCM, edtCEST})
        c->setText(QStringLiteral("0"));
    chkFabPropria->setChecked(false);
    cbPDV->setFocus();
}

bool TFrmCadProdutosServicos::eventFilter(QObject *o, QEvent *e)
{
    if (o == edtNCM && e->type() == QEvent::FocusOut)
        edtNCMExit();
    return QDialog::eventFilter(o, e);
}

void TFrmCadProdutosServicos::edtNCMExit()
{
    edtNCM->setText(Produtos::completarNCM(edtNCM->text()));
    const QString cest = Produtos::sugerirCEST(DM->Conexao, edtNCM->text());
    if (!cest.isEmpty())
        edtCEST->setText(cest);
}

void TFrmCadProdutosServicos::btnConfirmarClick()
{
    if (m_modo == ModoEdicao::Ver)
        return;
    Produtos::Produto p;
    p.idPdv = cbPDV->currentIndex() >= 0 ? cbPDV->currentData().toLongLong() : 0;
    p.descricao = edtDescricao->text();
    p.codigoBarras = edtCodigoBarras->text();
    p.cst = edtCST->text();
    p.ncm = edtNCM->text();
    p.cest = edtCEST->text();
    p.valor = edtValor->text();
    p.estoque = edtEstoque->text();
    p.minimo = edtMinimo->text();
    p.sitTribut = cbAliquota->currentData().toString();
    p.fabPropria = chkFabPropria->isChecked();
    p.diaria = chkDiaria->isChecked();
    const Produtos::Resultado r = Produtos::salvar(DM->Conexao, m_modo, m_chave, p, m_estoqueCarregado);
    if (!r.salvo) {
        Mensagem::info(r.mensagem);
        QWidget *foco = nullptr;
        switch (r.foco) {
        case Produtos::Campo::Pdv: foco = cbPDV; break;
        case Produtos::Campo::Estoque: foco = edtEstoque; break;
        case Produtos::Campo::Minimo: foco = edtMinimo; break;
        case Produtos::Campo::Valor: foco = edtValor; break;
        case Produtos::Campo::CodigoBarras: foco = edtCodigoBarras; break;
        case Produtos::Campo::CST: foco = edtCST; break;
        case Produtos::Campo::NCM: foco = edtNCM; break;
        case Produtos::Campo::CEST: foco = edtCEST; break;
        default: foco = edtDescricao; break;
        }
        foco->setFocus();
        if (auto *le = qobject_cast<QLineEdit *>(foco))
            le->selectAll();
        return;
    }
    if (m_lista)
        m_lista->lista->reabrir();
    if (!r.erroEspelho.isEmpty())
        Mensagem::erro(r.erroEspelho);
    if (m_modo == ModoEdicao::Incluir) {
        m_reserva.confirmar();
        if (Mensagem::pergunta(Produtos::kMsgCadastrado)) {
            novoRegistro();
            return;
        }
        accept();
        return;
    }
    Mensagem::info(Produtos::kMsgAtualizado);
    accept();
}

void TFrmCadProdutosServicos::btnCancelarClick()
{
    if (m_lista)
        m_lista->OP.clear();
    reject();
}

void TFrmCadProdutosServicos::btnPDVClick()
{
    // The choice is read again also when the list ends with an error.
    try {
        Telas::abrir<TFrmPDV>(FrmPDV);
    } catch (...) {
        carregarPDVs();
        throw;
    }
    carregarPDVs();
}

void TFrmCadProdutosServicos::btnConsultarCSTClick() { Telas::abrir<TFrmCST>(FrmCST); }
void TFrmCadProdutosServicos::btnConsultarNCMClick() { Telas::abrir<TFrmNCM>(FrmNCM); }
void TFrmCadProdutosServicos::btnConsultarCESTClick() { Telas::abrir<TFrmCEST>(FrmCEST); }
