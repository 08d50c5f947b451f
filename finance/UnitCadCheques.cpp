#include "finance/UnitCadCheques.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/UnitDM.h"
#include "base/CamposEdicao.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFrmCadCheques *FrmCadCheques = nullptr;

namespace {

QDateEdit *campoData(QWidget *pai, const char *nome)
{
    auto *d = new QDateEdit(pai);
    d->setObjectName(QLatin1String(nome));
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return d;
}

} // namespace

TFrmCadCheques::TFrmCadCheques(QString &op, const ChequeAtual &atual, QWidget *parent)
    : QDialog(parent), m_op(op), m_modo(modoDeOP(op)), m_atual(atual)
{
    setWindowTitle(QStringLiteral("Cheques"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);
    lblTitulo = new QLabel(this);
    lblTitulo->setObjectName(QStringLiteral("lblTitulo"));
    QFont f = lblTitulo->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    lblTitulo->setFont(f);
    layout->addWidget(lblTitulo);

    auto *tipos = new QHBoxLayout;
    rbEmitido = new QRadioButton(QStringLiteral("Emitido"), this);
    rbEmitido->setObjectName(QStringLiteral("rbEmitido"));
    rbRecebido = new QRadioButton(QStringLiteral("Recebido"), this);
    rbRecebido->setObjectName(QStringLiteral("rbRecebido"));
    auto *grupo = new QButtonGroup(this);
    grupo->addButton(rbEmitido);
    grupo->addButton(rbRecebido);
    tipos->addWidget(rbEmitido);
    tipos->addWidget(rbRecebido);
    tipos->addStretch();
    layout->addLayout(tipos);

    auto *campos = new QFormLayout;
    edtEmissao = campoData(this, "edtEmissao");
    edtPredatado = campoData(this, "edtPredatado");
    edtConta = new QLineEdit(this);
    edtConta->setObjectName(QStringLiteral("edtConta"));
    emMaiusculas(edtConta, Cheques::kTamConta);
    edtNumero = new QLineEdit(this);
    edtNumero->setObjectName(QStringLiteral("edtNumero"));
    emMaiusculas(edtNumero, Cheques::kTamNumero);
    edtBanco = new QLineEdit(this);
    edtBanco->setObjectName(QStringLiteral("edtBanco"));
    emMaiusculas(edtBanco, Cheques::kTamBanco);
    cbCliente = new QComboBox(this);
    cbCliente->setObjectName(QStringLiteral("cbCliente"));
    cbFornecedor = new QComboBox(this);
    cbFornecedor->setObjectName(QStringLiteral("cbFornecedor"));
    edtTitular = new QLineEdit(this);
    edtTitular->setObjectName(QStringLiteral("edtTitular"));
    emMaiusculas(edtTitular, Cheques::kTamTitular);
    edtValor = new QLineEdit(this);
    edtValor->setObjectName(QStringLiteral("edtValor"));
    edtValor->setMaxLength(18);
    edtValor->setAlignment(Qt::AlignRight);
    CamposEdicao::dinheiro(edtValor);
    edtHistorico = new QLineEdit(this);
    edtHistorico->setObjectName(QStringLiteral("edtHistorico"));
    emMaiusculas(edtHistorico, Cheques::kTamHistorico);
    edtCompensacao = campoData(this, "edtCompensacao");
    edtCompensacao->setEnabled(false);
    campos->addRow(QStringLiteral("Emissão/Recebimento:"), edtEmissao);
    campos->addRow(QStringLiteral("Pré-Datado Para:"), edtPredatado);
    campos->addRow(QStringLiteral("Núm. da Conta:"), edtConta);
    campos->addRow(QStringLiteral("Núm. do Cheque:"), edtNumero);
    campos->addRow(QStringLiteral("Banco:"), edtBanco);
    campos->addRow(QStringLiteral("Cliente:"), cbCliente);
    campos->addRow(QStringLiteral("Fornecedor:"), cbFornecedor);
    campos->addRow(QStringLiteral("Titular:"), edtTitular);
    campos->addRow(QStringLiteral("Valor do Cheque:    R$"), edtValor);
    campos->addRow(QStringLiteral("Histórico:"), edtHistorico);
    lblCompensacao = new QLabel(QStringLiteral("Data de Compensação:"), this);
    campos->addRow(lblCompensacao, edtCompensacao);
    lblCompensacao->hide();
    edtCompensacao->hide();
    layout->addLayout(campos);

    const BotoesEdicao botoes = adicionarBotoesEdicao(this, layout);
    btnConfirmar = botoes.confirmar;
    btnCancelar = botoes.cancelar;
    setTabOrder(rbEmitido, rbRecebido);
    setTabOrder(rbRecebido, edtEmissao);
    QWidget *anterior = edtEmissao;
    for (QWidget *w : std::initializer_list<QWidget *>{edtPredatado, edtConta, edtNumero, edtBanco, cbCliente,
                                                       cbFornecedor, edtTitular, edtValor, edtHistorico,
                                                       btnConfirmar, btnCancelar}) {
        setTabOrder(anterior, w);
        anterior = w;
    }

    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadCheques::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadCheques::btnCancelarClick);
    connect(rbEmitido, &QRadioButton::clicked, this, &TFrmCadCheques::rbEmitidoClick);
    connect(rbRecebido, &QRadioButton::clicked, this, &TFrmCadCheques::rbRecebidoClick);
    rbEmitido->installEventFilter(this);
    rbRecebido->installEventFilter(this);

    carregarPartes();
    const QDate hoje = Relogio::hoje();
    edtEmissao->setDate(hoje);
    edtPredatado->setDate(hoje);
    if (m_modo == ModoEdicao::Incluir) {
        lblTitulo->setText(QStringLiteral("Novo Cheque"));
        rbEmitido->setChecked(true);
        rbEmitidoClick();
    } else {
        const Cheques::Dados &d = m_atual.dados;
        lblTitulo->setText(m_modo == ModoEdicao::Alterar ? QStringLiteral("Alterar Cheque")
                                                          : QStringLiteral("Ver Cheque"));
        if (d.tipo == QLatin1String("R")) {
            rbRecebido->setChecked(true);
            rbRecebidoClick();
        } else if (d.tipo == QLatin1String("E")) {
            rbEmitido->setChecked(true);
            rbEmitidoClick();
        }
        if (d.emissao.isValid())
            edtEmissao->setDate(d.emissao);
        if (d.predatado.isValid())
            edtPredatado->setDate(d.predatado);
        edtConta->setText(d.conta);
        edtNumero->setText(d.numero);
        edtBanco->setText(d.banco);
        edtValor->setText(CamposEdicao::formatarDinheiro(d.valor));
        edtHistorico->setText(d.historico);
        edtTitular->setText(d.titular);
        if (m_modo == ModoEdicao::Ver) {
            for (QWidget *w : std::initializer_list<QWidget *>{rbEmitido, rbRecebido, edtEmissao, edtPredatado,
                                                               edtConta, edtNumero, edtBanco, cbCliente, cbFornecedor,
                                                               edtTitular, edtValor, edtHistorico, btnConfirmar})
                w->setEnabled(false);
            if (m_atual.compensacao.isValid()) {
                edtCompensacao->setDate(m_atual.compensacao);
                lblCompensacao->show();
                edtCompensacao->show();
            }
        }
    }
    setWindowTitle(lblTitulo->text());
    instalarComportamentoEdicao(this, {[this] { btnConfirmarClick(); }, [this] { btnCancelar->click(); },
                                       QStringLiteral("|| Confirmar Cheque  - (F10) ||"),
                                       QStringLiteral("|| Cancelar Cheque - (F12) ||")});
    resize(560, sizeHint().height());
}

void TFrmCadCheques::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    imgCabecalho->setPixmap(imagemPadrao());
    if (m_modo == ModoEdicao::Incluir)
        rbEmitido->setFocus();
    else if (m_modo == ModoEdicao::Alterar)
        edtEmissao->setFocus();
    else
        btnCancelar->setFocus();
}

void TFrmCadCheques::carregarPartes()
{
    cbCliente->addItem(QString(), 0);
    for (const Linha &l :
         DM->Conexao.lerTodas(QStringLiteral("SELECT ID_CLIENTE, NOME FROM CLIENTE ORDER BY NOME")))
        cbCliente->addItem(l.texto(QStringLiteral("ID_CLIENTE")) + QStringLiteral(" / ") + l.texto(QStringLiteral("NOME")),
                           l.inteiro(QStringLiteral("ID_CLIENTE")));
    cbFornecedor->addItem(QString(), 0);
    for (const Linha &l :
         DM->Conexao.lerTodas(QStringLiteral("SELECT ID_FORNECEDOR, NOME FROM FORNECEDOR ORDER BY NOME")))
        cbFornecedor->addItem(l.texto(QStringLiteral("ID_FORNECEDOR")) + QStringLiteral(" / ")
                                  + l.texto(QStringLiteral("NOME")),
                              l.inteiro(QStringLiteral("ID_FORNECEDOR")));
}

void TFrmCadCheques::escolher(QComboBox *cb, qint64 chave)
{
    const int i = cb->findData(chave);
    cb->setCurrentIndex(i < 0 ? 0 : i);
}

qint64 TFrmCadCheques::parteEscolhida() const
{
    if (cbCliente->isEnabled() && cbCliente->currentData().toLongLong() > 0)
        return cbCliente->currentData().toLongLong();
    if (cbFornecedor->isEnabled() && cbFornecedor->currentData().toLongLong() > 0)
        return cbFornecedor->currentData().toLongLong();
    return 0;
}

// The party is preset only for the cheque's own type, when altering or
// viewing; a new cheque starts with none.
void TFrmCadCheques::rbEmitidoClick()
{
    const bool proprio = m_modo != ModoEdicao::Incluir && m_atual.dados.tipo == QLatin1String("E");
    cbFornecedor->setEnabled(m_modo != ModoEdicao::Ver);
    escolher(cbFornecedor, proprio ? m_atual.dados.parte : 0);
    cbCliente->setCurrentIndex(0);
    cbCliente->setEnabled(false);
}

void TFrmCadCheques::rbRecebidoClick()
{
    const bool proprio = m_modo != ModoEdicao::Incluir && m_atual.dados.tipo == QLatin1String("R");
    cbCliente->setEnabled(m_modo != ModoEdicao::Ver);
    escolher(cbCliente, proprio ? m_atual.dados.parte : 0);
    cbFornecedor->setCurrentIndex(0);
    cbFornecedor->setEnabled(false);
}

bool TFrmCadCheques::eventFilter(QObject *o, QEvent *e)
{
    if ((o == rbEmitido || o == rbRecebido) && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (o == rbEmitido && k == Qt::Key_E) {
            rbEmitido->setChecked(true);
            rbEmitidoClick();
            return true;
        }
        if (o == rbEmitido && k == Qt::Key_R) {
            rbRecebido->setChecked(true);
            rbRecebidoClick();
            return true;
        }
        if (o == rbRecebido && rbRecebido->isChecked() && k != Qt::Key_Tab && k != Qt::Key_Backtab
            && k != Qt::Key_Return && k != Qt::Key_Enter)
            rbRecebidoClick();
    }
    return QDialog::eventFilter(o, e);
}

void TFrmCadCheques::btnConfirmarClick()
{
    if (m_modo == ModoEdicao::Ver)
        return;
    Cheques::Dados d;
    d.tipo = rbEmitido->isChecked() ? QStringLiteral("E") : rbRecebido->isChecked() ? QStringLiteral("R") : QString();
    d.emissao = edtEmissao->date();
    d.predatado = edtPredatado->date();
    d.conta = edtConta->text();
    d.numero = edtNumero->text();
    d.banco = edtBanco->text();
    d.parte = parteEscolhida();
    d.titular = edtTitular->text();
    d.valor = edtValor->text();
    d.historico = edtHistorico->text();
    const Cheques::Resultado r = Cheques::confirmar(DM->Conexao, m_modo, m_atual.chave, d);
    if (!r.salvo) {
        Mensagem::info(r.mensagem);
        QWidget *foco = nullptr;
        switch (r.foco) {
        case Cheques::Campo::Tipo: foco = rbEmitido; break;
        case Cheques::Campo::Numero: foco = edtNumero; break;
        case Cheques::Campo::Conta: foco = edtConta; break;
        case Cheques::Campo::Banco: foco = edtBanco; break;
        case Cheques::Campo::Valor: foco = edtValor; break;
        case Cheques::Campo::Nenhum: reject(); return;
        }
        foco->setFocus();
        return;
    }
    m_gravada = r.chave;
    if (m_modo == ModoEdicao::Alterar) {
        Mensagem::info(r.mensagem);
        accept();
        return;
    }
    if (!Mensagem::pergunta(r.mensagem)) {
        accept();
        return;
    }
    limpar();
}

// Another cheque: today's dates, no type, every field empty.
void TFrmCadCheques::limpar()
{
    const QDate hoje = Relogio::hoje();
    edtEmissao->setDate(hoje);
    edtPredatado->setDate(hoje);
    auto *grupo = rbEmitido->group();
    if (grupo)
        grupo->setExclusive(false);
    rbEmitido->setChecked(false);
    rbRecebido->setChecked(false);
    if (grupo)
        grupo->setExclusive(true);
    for (QLineEdit *l : {edtConta, edtNumero, edtBanco, edtValor, edtHistorico, edtTitular})
        l->clear();
    cbCliente->setCurrentIndex(0);
    cbFornecedor->setCurrentIndex(0);
    rbEmitido->setFocus();
}

void TFrmCadCheques::btnCancelarClick()
{
    m_op.clear();
    reject();
}
