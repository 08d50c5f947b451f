#include "restaurant/UnitCadFornecedores.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/UnitDM.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFrmCadFornecedores *FrmCadFornecedores = nullptr;

using Fornecedores::Campo;

namespace {

const QString kMascaraCpfNovo = QStringLiteral("999.999.999-99; ");
const QString kMascaraCnpjNovo = QStringLiteral("99.999.999/9999-99; ");
const QString kMascaraCpf = QStringLiteral("000.000.000-00; ");
const QString kMascaraCnpj = QStringLiteral("00.000.000/0000-00; ");
const QString kMascaraFone = QStringLiteral("(99)0000-0000; ");
const QString kMascaraCep = QStringLiteral("00000-000; ");
const QString kFoneVazio = QStringLiteral("(  )    -    ");
const QString kCepVazio = QStringLiteral("     -   ");

QLineEdit *texto(QWidget *pai, const char *nome, Campo c, bool maiusculas = true)
{
    auto *e = new QLineEdit(pai);
    e->setObjectName(QLatin1String(nome));
    if (maiusculas)
        emMaiusculas(e, Fornecedores::largura(c));
    else
        limitarCaracteres(e, Fornecedores::largura(c));
    return e;
}

} // namespace

TFrmCadFornecedores::TFrmCadFornecedores(QString &op, qint64 id, QWidget *parent)
    : QDialog(parent), m_op(op), m_modo(modoDeOP(op)), m_id(id)
{
    const bool modoValido = op == QLatin1String("I") || op == QLatin1String("A") || op == QLatin1String("V");
    setWindowTitle(QStringLiteral("Fornecedor"));
    auto *layout = new QVBoxLayout(this);
    const TopoEdicao topo = adicionarTopoEdicao(this, layout, QStringLiteral("CÓDIGO DO FORNECEDOR:"),
                                                QStringLiteral("lblCodigo"));
    imgCabecalho = topo.cabecalho;
    lblTitulo = topo.titulo;
    lblCodigo = topo.codigo;

    auto *tipos = new QHBoxLayout;
    rbFisica = new QRadioButton(QStringLiteral("Pessoa Física"), this);
    rbFisica->setObjectName(QStringLiteral("rbFisica"));
    rbJuridica = new QRadioButton(QStringLiteral("Pessoa Jurídica"), this);
    rbJuridica->setObjectName(QStringLiteral("rbJuridica"));
    auto *grupo = new QButtonGroup(this);
    grupo->addButton(rbFisica);
    grupo->addButton(rbJuridica);
    tipos->addWidget(rbFisica);
    tipos->addWidget(rbJuridica);
    tipos->addStretch();
    layout->addLayout(tipos);

    pnlDados = new QWidget(this);
    auto *campos = new QFormLayout(pnlDados);
    edtCpf_Cnpj = new QLineEdit(pnlDados);
    edtCpf_Cnpj->setObjectName(QStringLiteral("edtCpf_Cnpj"));
    edtCpf_Cnpj->setMaxLength(18);
    edtNome = texto(pnlDados, "edtNome", Campo::Nome);
    edtRG_InscEst = texto(pnlDados, "edtRG_InscEst", Campo::RG);
    edtFone = texto(pnlDados, "edtFone", Campo::Fone, false);
    edtFax = texto(pnlDados, "edtFax", Campo::Fax, false);
    edtEndereco = texto(pnlDados, "edtEndereco", Campo::Endereco);
    edtBairro = texto(pnlDados, "edtBairro", Campo::Bairro);
    edtCidade = texto(pnlDados, "edtCidade", Campo::Cidade);
    edtUF = texto(pnlDados, "edtUF", Campo::Estado);
    edtCEP = texto(pnlDados, "edtCEP", Campo::Cep, false);
    edtEmail = new QLineEdit(pnlDados);
    edtEmail->setObjectName(QStringLiteral("edtEmail"));
    limitarCaracteres(edtEmail, Fornecedores::largura(Campo::Email));
    connect(edtEmail, &QLineEdit::textEdited, edtEmail, [this](const QString &t) {
        const int p = edtEmail->cursorPosition();
        edtEmail->setText(t.toLower());
        edtEmail->setCursorPosition(p);
    });
    edtContato = texto(pnlDados, "edtContato", Campo::Contato);
    edtObs = texto(pnlDados, "edtObs", Campo::Observacao);
    edtFornecedorDe = texto(pnlDados, "edtFornecedorDe", Campo::FornecedorDe);
    lblDocumento = new QLabel(QStringLiteral("CNPJ/CPF:"), pnlDados);
    lblNome = new QLabel(QStringLiteral("Fornecedor:"), pnlDados);
    lblRG = new QLabel(QStringLiteral("RG:"), pnlDados);
    campos->addRow(lblDocumento, edtCpf_Cnpj);
    campos->addRow(lblNome, edtNome);
    campos->addRow(lblRG, edtRG_InscEst);
    campos->addRow(QStringLiteral("Telefone:"), edtFone);
    campos->addRow(QStringLiteral("Fax:"), edtFax);
    campos->addRow(QStringLiteral("Endereço:"), edtEndereco);
    campos->addRow(QStringLiteral("Bairro:"), edtBairro);
    campos->addRow(QStringLiteral("Cidade:"), edtCidade);
    campos->addRow(QStringLiteral("UF:"), edtUF);
    campos->addRow(QStringLiteral("CEP:"), edtCEP);
    campos->addRow(QStringLiteral("Email:"), edtEmail);
    campos->addRow(QStringLiteral("Contato:"), edtContato);
    campos->addRow(QStringLiteral("Observação:"), edtObs);
    campos->addRow(QStringLiteral("Fornecedor de:"), edtFornecedorDe);
    layout->addWidget(pnlDados);

    const BotoesEdicao botoes = adicionarBotoesEdicao(this, layout);
    btnConfirmar = botoes.confirmar;
    btnCancelar = botoes.cancelar;

    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadFornecedores::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadFornecedores::btnCancelarClick);
    connect(rbFisica, &QRadioButton::clicked, this, &TFrmCadFornecedores::rbFisicaClick);
    connect(rbJuridica, &QRadioButton::clicked, this, &TFrmCadFornecedores::rbJuridicaClick);
    for (QWidget *w : std::initializer_list<QWidget *>{rbFisica, rbJuridica, edtCpf_Cnpj, edtFone, edtFax, edtCEP})
        w->installEventFilter(this);

    if (!modoValido) {
        m_modo = ModoEdicao::Ver;
        pnlDados->setEnabled(false);
        btnConfirmar->setEnabled(false);
    } else if (m_modo == ModoEdicao::Incluir) {
        novoCodigo();
        lblTitulo->setText(QStringLiteral("Novo Fornecedor"));
        rbFisica->setChecked(true);
        mudarTipo(true);
    } else {
        const Linha l = DM->Conexao.ler(QStringLiteral("SELECT * FROM FORNECEDOR WHERE ID_FORNECEDOR = ?"), {id});
        lblCodigo->setText(QString::number(id));
        Doc = true;
        Fornecedores::Dados &g = m_gravado;
        g.tipo = l.texto(QStringLiteral("TIPO_PESSOA"));
        g.documento = l.texto(QStringLiteral("CNPJ_CPF"));
        g.nome = l.texto(QStringLiteral("NOME"));
        g.rg = l.texto(QStringLiteral("RG_INSC_EST"));
        g.contato = l.texto(QStringLiteral("CONTATO"));
        g.endereco = l.texto(QStringLiteral("ENDERECO"));
        g.bairro = l.texto(QStringLiteral("BAIRRO"));
        g.cidade = l.texto(QStringLiteral("CIDADE"));
        g.estado = l.texto(QStringLiteral("ESTADO"));
        g.cep = l.texto(QStringLiteral("CEP"));
        g.fone = l.texto(QStringLiteral("FONE_1"));
        g.fax = l.texto(QStringLiteral("FAX"));
        g.email = l.texto(QStringLiteral("EMAIL"));
        g.observacao = l.texto(QStringLiteral("OBSERVACAO"));
        g.fornecedorDe = l.texto(QStringLiteral("FORNECEDOR_DE"));
        const bool fisica = g.tipo == QLatin1String("F");
        rbFisica->setChecked(fisica);
        rbJuridica->setChecked(g.tipo == QLatin1String("J"));
        lblNome->setText(fisica ? QStringLiteral("Nome:") : QStringLiteral("Razão Social:"));
        lblDocumento->setText(fisica ? QStringLiteral("CPF:") : QStringLiteral("CNPJ:"));
        lblRG->setText(fisica ? QStringLiteral("RG:") : QStringLiteral("Inscrição Estadual:"));
        if (g.tipo == QLatin1String("F") || g.tipo == QLatin1String("J"))
            edtCpf_Cnpj->setInputMask(fisica ? kMascaraCpf : kMascaraCnpj);
        edtCpf_Cnpj->setText(g.documento);
        edtNome->setText(g.nome);
        edtRG_InscEst->setText(g.rg);
        edtContato->setText(g.contato);
        edtEndereco->setText(g.endereco);
        edtBairro->setText(g.bairro);
        edtCidade->setText(g.cidade);
        edtUF->setText(g.estado);
        edtCEP->setText(g.cep);
        edtFone->setText(g.fone);
        edtFax->setText(g.fax);
        edtEmail->setText(g.email);
        edtObs->setText(g.observacao);
        edtFornecedorDe->setText(g.fornecedorDe);
        lblTitulo->setText(m_modo == ModoEdicao::Alterar ? QStringLiteral("Alterar Fornecedor")
                                                         : QStringLiteral("Ver Fornecedor"));
        if (m_modo == ModoEdicao::Ver) {
            rbFisica->setEnabled(false);
            rbJuridica->setEnabled(false);
            pnlDados->setEnabled(false);
            btnConfirmar->setEnabled(false);
        }
    }
    setWindowTitle(lblTitulo->text().isEmpty() ? QStringLiteral("Fornecedor") : lblTitulo->text());
    instalarComportamentoEdicao(this, {[this] { btnConfirmarClick(); }, [this] { btnCancelar->click(); },
                                       QStringLiteral("|| Confirmar Cliente  - (F10) ||"),
                                       QStringLiteral("|| Cancelar Cliente - (F12) ||")});
    resize(620, sizeHint().height());
}

void TFrmCadFornecedores::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    imgCabecalho->setPixmap(imagemPadrao());
    if (m_modo == ModoEdicao::Incluir)
        edtCpf_Cnpj->setFocus();
    else if (m_modo == ModoEdicao::Alterar)
        edtNome->setFocus();
    else
        btnCancelar->setFocus();
}

void TFrmCadFornecedores::novoCodigo()
{
    const qint64 g = DM->Conexao.valor(QStringLiteral("SELECT GEN_ID(GEN_ID_FORNECEDOR, 0) FROM RDB$DATABASE")).toLongLong();
    lblCodigo->setText(QString::number(g + 1));
}

QString TFrmCadFornecedores::textoMascarado(const QLineEdit *e)
{
    return e->inputMask().isEmpty() ? e->text() : e->displayText();
}

void TFrmCadFornecedores::mudarTipo(bool fisica)
{
    lblNome->setText(fisica ? QStringLiteral("Nome:") : QStringLiteral("Razão Social:"));
    lblDocumento->setText(fisica ? QStringLiteral("CPF:") : QStringLiteral("CNPJ:"));
    lblRG->setText(fisica ? QStringLiteral("RG:") : QStringLiteral("Inscrição Estadual:"));
    edtCpf_Cnpj->setInputMask(QString());
    edtCpf_Cnpj->clear();
    edtCpf_Cnpj->setInputMask(fisica ? kMascaraCpfNovo : kMascaraCnpjNovo);
    Doc = false;
    pnlDados->setEnabled(true);
    edtCpf_Cnpj->setFocus();
}

void TFrmCadFornecedores::rbFisicaClick() { mudarTipo(true); }
void TFrmCadFornecedores::rbJuridicaClick() { mudarTipo(false); }

bool TFrmCadFornecedores::eventFilter(QObject *o, QEvent *e)
{
    const bool deJanela = (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)
        && (static_cast<QFocusEvent *>(e)->reason() == Qt::ActiveWindowFocusReason
            || static_cast<QFocusEvent *>(e)->reason() == Qt::PopupFocusReason);
    const bool entra = e->type() == QEvent::FocusIn && !deJanela;
    const bool sai = e->type() == QEvent::FocusOut && !deJanela;
    if (o == edtCpf_Cnpj && sai && pnlDados->isEnabled() && m_modo != ModoEdicao::Ver
        && tParametros().sim(QStringLiteral("VERIF_CPF_CNPJ")) && (rbFisica->isChecked() || rbJuridica->isChecked())) {
        const QString tipo = rbFisica->isChecked() ? QStringLiteral("F") : QStringLiteral("J");
        Doc = Fornecedores::documentoValido(tipo, textoMascarado(edtCpf_Cnpj));
        if (!Doc)
            Mensagem::info(rbFisica->isChecked() ? Fornecedores::kMsgCpf : Fornecedores::kMsgCnpj);
    }
    if (o == edtCEP || o == edtFone || o == edtFax) {
        auto *ed = static_cast<QLineEdit *>(o);
        const bool cep = o == edtCEP;
        const bool semMascara = !cep && tParametros().sim(QStringLiteral("FONE_SEM_FORMATO"));
        if (entra && ed->text().isEmpty() && ed->inputMask().isEmpty() && !semMascara)
            ed->setInputMask(cep ? kMascaraCep : kMascaraFone);
        else if (sai && ed->displayText() == (cep ? kCepVazio : kFoneVazio)) {
            ed->setInputMask(QString());
            ed->clear();
        }
    }
    if ((o == rbFisica || o == rbJuridica) && e->type() == QEvent::KeyPress && m_modo != ModoEdicao::Ver) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_F) {
            rbFisica->setChecked(true);
            mudarTipo(true);
            return true;
        }
        if (k == Qt::Key_J) {
            rbJuridica->setChecked(true);
            mudarTipo(false);
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

Fornecedores::Dados TFrmCadFornecedores::dadosTela() const
{
    Fornecedores::Dados d;
    d.tipo = rbFisica->isChecked() ? QStringLiteral("F") : rbJuridica->isChecked() ? QStringLiteral("J") : QString();
    d.documento = textoMascarado(edtCpf_Cnpj);
    d.nome = edtNome->text();
    d.rg = edtRG_InscEst->text();
    d.contato = edtContato->text();
    d.endereco = edtEndereco->text();
    d.bairro = edtBairro->text();
    d.cidade = edtCidade->text();
    d.estado = edtUF->text();
    d.cep = textoMascarado(edtCEP);
    d.fone = textoMascarado(edtFone);
    d.fax = textoMascarado(edtFax);
    d.email = edtEmail->text();
    d.observacao = edtObs->text();
    d.fornecedorDe = edtFornecedorDe->text();
    // An untouched masked field is stored empty.
    for (QString *s : {&d.cep, &d.fone, &d.fax})
        if (*s == kCepVazio || *s == kFoneVazio)
            s->clear();
    return d;
}

QWidget *TFrmCadFornecedores::campo(Campo c) const
{
    switch (c) {
    case Campo::Tipo: return rbFisica;
    case Campo::Documento: return edtCpf_Cnpj;
    case Campo::Nome: return edtNome;
    case Campo::RG: return edtRG_InscEst;
    case Campo::Contato: return edtContato;
    case Campo::Endereco: return edtEndereco;
    case Campo::Bairro: return edtBairro;
    case Campo::Cidade: return edtCidade;
    case Campo::Estado: return edtUF;
    case Campo::Cep: return edtCEP;
    case Campo::Fone: return edtFone;
    case Campo::Fax: return edtFax;
    case Campo::Email: return edtEmail;
    case Campo::Observacao: return edtObs;
    case Campo::FornecedorDe: return edtFornecedorDe;
    case Campo::Nenhum: break;
    }
    return nullptr;
}

void TFrmCadFornecedores::btnConfirmarClick()
{
    if (m_modo == ModoEdicao::Ver)
        return;
    const Fornecedores::Resultado r = Fornecedores::confirmar(DM->Conexao, m_modo, m_id, m_gravado, dadosTela());
    if (!r.salvo) {
        Mensagem::info(r.mensagem);
        if (QWidget *w = campo(r.foco))
            w->setFocus();
        else if (r.foco == Campo::Nenhum)
            reject();
        return;
    }
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

// Another supplier: the next code, every field empty, no kind chosen and the
// data locked until one is.
void TFrmCadFornecedores::limpar()
{
    novoCodigo();
    lblNome->setText(QStringLiteral("Fornecedor:"));
    lblDocumento->setText(QStringLiteral("CNPJ/CPF:"));
    for (QLineEdit *e : {edtCpf_Cnpj, edtNome, edtRG_InscEst, edtFone, edtFax, edtEndereco, edtBairro, edtCidade, edtUF,
                         edtCEP, edtEmail, edtContato, edtObs, edtFornecedorDe}) {
        e->setInputMask(QString());
        e->clear();
    }
    rbFisica->group()->setExclusive(false);
    rbFisica->setChecked(false);
    rbJuridica->setChecked(false);
    rbFisica->group()->setExclusive(true);
    Doc = false;
    pnlDados->setEnabled(false);
    rbFisica->setFocus();
}

void TFrmCadFornecedores::btnCancelarClick()
{
    m_op.clear();
    reject();
}
