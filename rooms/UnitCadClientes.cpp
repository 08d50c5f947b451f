#include "rooms/UnitCadClientes.h"

#include "base/CabecalhoTela.h"
#include "base/Caminhos.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/TelaEdicao.h"
#include "base/Telas.h"
#include "core/UnitCaptura.h"
#include "rooms/Cep.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QEvent>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>

TFrmCadClientes *FrmCadClientes = nullptr;

namespace {

const QString kMascaraCpfNovo = QStringLiteral("999.999.999-99; ");
const QString kMascaraCnpjNovo = QStringLiteral("99.999.999/9999-99; ");
const QString kMascaraCpf = QStringLiteral("000.000.000-00; ");
const QString kMascaraCnpj = QStringLiteral("00.000.000/0000-00; ");
const QString kMascaraCep = QStringLiteral("00000-000; ");
const QString kMascaraFone = QStringLiteral("(99)0000-0000; ");
const QString kCepVazio = QStringLiteral("     -   ");
const QString kFoneVazio = QStringLiteral("(  )    -    ");

const QStringList &estados()
{
    static const QStringList l = QStringLiteral(
                                     "AC AL AM AP BA CE DF ES GO MA MG MS MT PA PB PE PI PR RJ RN RO RR RS SC SE SP TO")
                                     .split(QLatin1Char(' '));
    return l;
}

QString campo(const QVariantMap &l, const char *nome)
{
    QString t = l.value(QString::fromLatin1(nome)).toString();
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    return t;
}

QImage placeholder()
{
    QImage i(Caminhos::naInstalacao(QStringLiteral("img\\nofoto.jpg")));
    if (i.isNull()) {
        i = QImage(150, 180, QImage::Format_RGB32);
        i.fill(Qt::lightGray);
    }
    return i;
}

void limitarCombo(QComboBox *c, int maximo)
{
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    emMaiusculas(c->lineEdit(), maximo);
}

} // namespace

TFrmCadClientes::TFrmCadClientes(const QString &op, const QVariantMap &linha, QWidget *parent)
    : QDialog(parent)
    , m_op(op)
    , m_linha(linha)
{
    setWindowTitle(QStringLiteral("Clientes"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    auto *topo = new QHBoxLayout;
    lblTitulo = new QLabel(this);
    QFont f = lblTitulo->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    lblTitulo->setFont(f);
    lblCodigo = new QLabel(this);
    lblCodigo->setObjectName(QStringLiteral("lblCodigo"));
    QFont fc = lblCodigo->font();
    fc.setBold(true);
    lblCodigo->setFont(fc);
    topo->addWidget(lblTitulo);
    topo->addStretch();
    topo->addWidget(lblCodigo);
    layout->addLayout(topo);

    auto *tipos = new QHBoxLayout;
    rbFisica = new QRadioButton(QStringLiteral("Pessoa Física"), this);
    rbJuridica = new QRadioButton(QStringLiteral("Pessoa Jurídica"), this);
    rbFisica->setObjectName(QStringLiteral("rbFisica"));
    rbJuridica->setObjectName(QStringLiteral("rbJuridica"));
    tipos->addWidget(rbFisica);
    tipos->addWidget(rbJuridica);
    tipos->addStretch();
    chkSemFormato = new QCheckBox(QStringLiteral("Doc. / Fone Sem Formato"), this);
    tipos->addWidget(chkSemFormato);
    layout->addLayout(tipos);

    auto *meio = new QHBoxLayout;
    pnlDados = new QWidget(this);
    pnlDados->setObjectName(QStringLiteral("pnlDados"));
    auto *g = new QGridLayout(pnlDados);
    g->setContentsMargins(0, 0, 0, 0);
    auto edit = [this](const char *nome, int maximo, bool maiusculas = true) {
        auto *e = new QLineEdit(pnlDados);
        e->setObjectName(QString::fromLatin1(nome));
        if (maiusculas)
            emMaiusculas(e, maximo);
        else
            e->setMaxLength(maximo);
        return e;
    };
    edtCpf_Cnpj = edit("edtCpf_Cnpj", 18);
    edtRG_InscEst = edit("edtRG_InscEst", 20);
    edtNome = edit("edtNome", 90);
    edtContato = edit("edtContato", 20);
    edtEndereco = edit("edtEndereco", 100);
    edtNumero = edit("edtNumero", 10);
    edtComplem = edit("edtComplem", 30);
    edtCidade = new QComboBox(pnlDados);
    edtCidade->setObjectName(QStringLiteral("edtCidade"));
    limitarCombo(edtCidade, 30);
    edtUF = new QComboBox(pnlDados);
    edtUF->setObjectName(QStringLiteral("edtUF"));
    limitarCombo(edtUF, 2);
    edtUF->addItems(estados());
    edtUF->setCurrentIndex(-1);
    edtCEP = edit("edtCEP", 9, false);
    edtFone = edit("edtFone", 14, false);
    edtFax = edit("edtFax", 14, false);
    edtDataNasc = new QDateEdit(QDate(1900, 1, 1), pnlDados);
    edtDataNasc->setObjectName(QStringLiteral("edtDataNasc"));
    edtDataNasc->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    edtDataNasc->setMinimumDate(QDate(1900, 1, 1));
    edtDataNasc->setCalendarPopup(true);
    edtEmail = new QLineEdit(pnlDados);
    edtEmail->setObjectName(QStringLiteral("edtEmail"));
    edtEmail->setMaxLength(50);
    connect(edtEmail, &QLineEdit::textEdited, edtEmail, [this](const QString &t) {
        const QString m = t.toLower();
        if (m != t) {
            const int pos = edtEmail->cursorPosition();
            edtEmail->setText(m);
            edtEmail->setCursorPosition(pos);
        }
    });
    edtObs = edit("edtObs", 250);
    edtvalorMin = edit("edtvalorMin", 15, false);
    edtvalorMin->setAlignment(Qt::AlignCenter);
    edtvalorMin->setText(QStringLiteral("0,00"));
    edtLembrete = edit("edtLembrete", 250);
    btnBuscarCep = new QPushButton(QStringLiteral("Buscar CEP Online"), pnlDados);
    btnBuscarCep->setFocusPolicy(Qt::NoFocus);
    btnBuscarCep->setAutoDefault(false);

    lblDocumento = new QLabel(QStringLiteral("CNPJ/CPF:"), pnlDados);
    lblRG = new QLabel(QStringLiteral("Inscriçaõ Estadual:"), pnlDados);
    lblNome = new QLabel(QStringLiteral("Cliente:"), pnlDados);
    auto rotulo = [this](const char *t) { return new QLabel(QString::fromUtf8(t), pnlDados); };
    int r = 0;
    g->addWidget(lblDocumento, r, 0);
    g->addWidget(edtCpf_Cnpj, r, 1);
    g->addWidget(lblRG, r, 2);
    g->addWidget(edtRG_InscEst, r, 3);
    ++r;
    g->addWidget(lblNome, r, 0);
    g->addWidget(edtNome, r, 1, 1, 3);
    ++r;
    g->addWidget(rotulo("Contato:"), r, 0);
    g->addWidget(edtContato, r, 1);
    ++r;
    g->addWidget(rotulo("Endereço:"), r, 0);
    g->addWidget(edtEndereco, r, 1, 1, 3);
    ++r;
    g->addWidget(rotulo("Número:"), r, 0);
    g->addWidget(edtNumero, r, 1);
    g->addWidget(rotulo("Bairro:"), r, 2);
    g->addWidget(edtComplem, r, 3);
    ++r;
    g->addWidget(rotulo("Cidade:"), r, 0);
    g->addWidget(edtCidade, r, 1);
    g->addWidget(rotulo("Estado:"), r, 2);
    g->addWidget(edtUF, r, 3);
    ++r;
    g->addWidget(rotulo("CEP:"), r, 0);
    g->addWidget(edtCEP, r, 1);
    g->addWidget(btnBuscarCep, r, 3);
    ++r;
    g->addWidget(rotulo("Telefone:"), r, 0);
    g->addWidget(edtFone, r, 1);
    g->addWidget(rotulo("Fax:"), r, 2);
    g->addWidget(edtFax, r, 3);
    ++r;
    g->addWidget(rotulo("Data de Nascimento:"), r, 0);
    g->addWidget(edtDataNasc, r, 1);
    ++r;
    g->addWidget(rotulo("E-mail:"), r, 0);
    g->addWidget(edtEmail, r, 1, 1, 3);
    ++r;
    g->addWidget(rotulo("Observação:"), r, 0);
    g->addWidget(edtObs, r, 1, 1, 3);
    ++r;
    auto *lblValor = rotulo("Limite Mínimo (Preencher com 0,00 para tabela normal):");
    g->addWidget(lblValor, r, 0, 1, 3);
    g->addWidget(edtvalorMin, r, 3);
    ++r;
    g->addWidget(rotulo("Lembrete Pessoal:"), r, 0);
    g->addWidget(edtLembrete, r, 1, 1, 3);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    meio->addWidget(pnlDados, 1);

    auto *colFoto = new QVBoxLayout;
    colFoto->addWidget(new QLabel(QStringLiteral("Foto"), this));
    imgFoto = new QLabel(this);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setFixedSize(150, 180);
    imgFoto->setFrameShape(QFrame::Box);
    imgFoto->setAlignment(Qt::AlignCenter);
    colFoto->addWidget(imgFoto);
    btnCapturarFoto = new QPushButton(QStringLiteral("Capturar Foto"), this);
    btnExcluirFoto = new QPushButton(QStringLiteral("Excluir Foto"), this);
    btnCapturarFoto->setEnabled(false);
    btnExcluirFoto->setEnabled(false);
    colFoto->addWidget(btnCapturarFoto);
    colFoto->addWidget(btnExcluirFoto);
    colFoto->addStretch();
    meio->addLayout(colFoto);
    layout->addLayout(meio);

    const BotoesEdicao botoes = adicionarBotoesEdicao(this, layout);
    btnConfirmar = botoes.confirmar;
    btnCancelar = botoes.cancelar;

    // tab order: kind, fields, photo buttons, format box, confirm, cancel
    QWidget *ordem[] = {rbFisica,     rbJuridica,  edtCpf_Cnpj,     edtRG_InscEst, edtNome,     edtContato,
                        edtEndereco,  edtNumero,   edtComplem,      edtCidade,     edtUF,       edtCEP,
                        edtFone,      edtFax,      edtDataNasc,     edtEmail,      edtObs,      edtvalorMin,
                        edtLembrete,  btnCapturarFoto, btnExcluirFoto, chkSemFormato, btnConfirmar, btnCancelar};
    for (size_t i = 0; i + 1 < std::size(ordem); ++i)
        setTabOrder(ordem[i], ordem[i + 1]);

    for (QWidget *w : {static_cast<QWidget *>(edtCpf_Cnpj), static_cast<QWidget *>(edtCEP),
                       static_cast<QWidget *>(edtFone), static_cast<QWidget *>(edtFax),
                       static_cast<QWidget *>(edtvalorMin), static_cast<QWidget *>(rbFisica),
                       static_cast<QWidget *>(rbJuridica)})
        w->installEventFilter(this);

    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadClientes::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadClientes::btnCancelarClick);
    connect(btnBuscarCep, &QPushButton::clicked, this, &TFrmCadClientes::btnBuscarCepClick);
    connect(btnCapturarFoto, &QPushButton::clicked, this, &TFrmCadClientes::btnCapturarFotoClick);
    connect(btnExcluirFoto, &QPushButton::clicked, this, &TFrmCadClientes::btnExcluirFotoClick);
    connect(rbFisica, &QRadioButton::clicked, this, &TFrmCadClientes::rbFisicaClick);
    connect(rbJuridica, &QRadioButton::clicked, this, &TFrmCadClientes::rbJuridicaClick);
    connect(chkSemFormato, &QCheckBox::clicked, this, &TFrmCadClientes::chkSemFormatoClick);

    menuAtalhos = instalarComportamentoEdicao(
        this, {[this] { btnConfirmarClick(); }, [this] { btnCancelarClick(); },
               QStringLiteral("|| Confirmar Cliente  - (F10) ||"), QStringLiteral("|| Cancelar Cliente - (F12) ||")});

    // Everything the screen shows is ready before it is shown (tests and
    // openers read it at once).
    const TParametros &p = tParametros();
    for (const Linha &c : DM->Conexao.lerTodas(QStringLiteral(
             "SELECT DISTINCT(CIDADE) AS CIDADE FROM CLIENTE WHERE CIDADE IS NOT NULL AND CIDADE <> '' ORDER BY CIDADE")))
        edtCidade->addItem(c.texto(QStringLiteral("CIDADE")));
    edtCidade->setCurrentIndex(-1);
    chkSemFormato->setEnabled(p.texto(QStringLiteral("CPFFONESEMFORMATO")) == QLatin1String("S"));
    const bool movimentos = Sessao::atual().direitos.MOVIMENTOS;
    if (m_op == QLatin1String("I")) {
        iniciarNovo();
    } else {
        preencher();
    }
    edtvalorMin->setEnabled(movimentos && m_op != QLatin1String("V"));
}

void TFrmCadClientes::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    if (m_op == QLatin1String("I"))
        edtCpf_Cnpj->setFocus();
    else
        edtNome->setFocus();
}

void TFrmCadClientes::mostrarPadrao()
{
    m_foto = placeholder();
    m_fotoPadrao = true;
    imgFoto->setPixmap(QPixmap::fromImage(m_foto).scaled(imgFoto->size(), Qt::KeepAspectRatio,
                                                         Qt::SmoothTransformation));
}

void TFrmCadClientes::mostrarFoto(const QImage &foto)
{
    if (foto.isNull())
        return;
    m_foto = foto;
    m_fotoPadrao = false;
    m_fotoCapturada = true;
    imgFoto->setPixmap(
        QPixmap::fromImage(m_foto).scaled(imgFoto->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    btnExcluirFoto->setEnabled(true);
}

void TFrmCadClientes::iniciarNovo()
{
    // The key is the one the insert returns; none is shown before.
    lblCodigo->setText(QStringLiteral("CÓDIGO DO CLIENTE: (novo)"));
    lblTitulo->setText(QStringLiteral("Novo Cliente"));
    lblNome->setText(QStringLiteral("Cliente:"));
    lblDocumento->setText(QStringLiteral("CNPJ/CPF:"));
    for (QLineEdit *e : {edtCpf_Cnpj, edtRG_InscEst, edtNome, edtContato, edtEndereco, edtNumero, edtComplem, edtCEP,
                         edtFone, edtFax, edtEmail, edtObs, edtLembrete}) {
        e->setInputMask(QString());
        e->clear();
    }
    edtCidade->setCurrentIndex(-1);
    edtCidade->setEditText(QString());
    edtUF->setCurrentIndex(-1);
    edtUF->setEditText(QString());
    edtDataNasc->setDate(QDate(1900, 1, 1));
    edtvalorMin->setText(QStringLiteral("0,00"));
    pnlDados->setEnabled(false);
    chkSemFormato->setChecked(false);
    m_fotoCapturada = false;
    btnExcluirFoto->setEnabled(false);
    btnCapturarFoto->setEnabled(false);
    mostrarPadrao();
    rbJuridica->setChecked(false);
    rbFisica->setChecked(true);
    mudarTipo(true);
}

void TFrmCadClientes::preencher()
{
    const QVariantMap &l = m_linha;
    lblCodigo->setText(QStringLiteral("CÓDIGO DO CLIENTE: ") + campo(l, "ID_CLIENTE"));
    Doc = true;
    pnlDados->setEnabled(true);
    const QString tipo = campo(l, "TIPO_PESSOA");
    const QString doc = campo(l, "CNPJ_CPF");
    edtCpf_Cnpj->setInputMask(QString());
    edtCpf_Cnpj->setMaxLength(18);
    lblTitulo->setText(m_op == QLatin1String("A") ? QStringLiteral("Alterar Cliente") : QStringLiteral("Ver Cliente"));
    if (tipo == QLatin1String("F")) {
        rbFisica->setChecked(true);
        lblNome->setText(QStringLiteral("Nome:"));
        lblRG->setText(QStringLiteral("RG:"));
        lblDocumento->setText(QStringLiteral("CPF:"));
        if (doc.size() == 14 && doc.at(3) == QLatin1Char('.'))
            edtCpf_Cnpj->setInputMask(kMascaraCpf);
    } else if (tipo == QLatin1String("J")) {
        rbJuridica->setChecked(true);
        lblNome->setText(QStringLiteral("Razão Social:"));
        lblRG->setText(QStringLiteral("Inscrição Estadual:"));
        lblDocumento->setText(QStringLiteral("CNPJ:"));
        if (doc.size() == 18 && doc.at(2) == QLatin1Char('.'))
            edtCpf_Cnpj->setInputMask(kMascaraCnpj);
    }
    edtCpf_Cnpj->setText(doc);
    edtRG_InscEst->setText(campo(l, "RG_INSC_EST"));
    edtNome->setText(campo(l, "NOME"));
    edtContato->setText(campo(l, "CONTATO"));
    edtEndereco->setText(campo(l, "ENDERECO"));
    edtNumero->setText(campo(l, "NUMERO"));
    edtComplem->setText(campo(l, "BAIRRO"));
    edtCidade->setEditText(campo(l, "CIDADE"));
    edtUF->setEditText(campo(l, "ESTADO"));
    edtCEP->setText(campo(l, "CEP"));
    edtFone->setText(campo(l, "FONE_1"));
    edtFax->setText(campo(l, "FAX"));
    const QDate nasc = l.value(QStringLiteral("DATA_NASC")).toDate();
    edtDataNasc->setDate(nasc.isValid() ? nasc : QDate(1900, 1, 1));
    edtEmail->setText(campo(l, "EMAIL"));
    edtvalorMin->setText(Dinheiro::deVariant(l.value(QStringLiteral("VALOR_MIN"))).formatado());
    edtObs->setText(campo(l, "OBSERVACAO"));
    edtLembrete->setText(campo(l, "LEMBRETE"));
    if (m_op == QLatin1String("V")) {
        rbFisica->setEnabled(false);
        rbJuridica->setEnabled(false);
        pnlDados->setEnabled(false);
        btnConfirmar->setEnabled(false);
    }
    mostrarPadrao();
    const QString foto = campo(l, "FOTO");
    if (!foto.isEmpty()) {
        const QImage i(foto);
        if (!i.isNull()) {
            m_foto = i;
            m_fotoPadrao = false;
            imgFoto->setPixmap(QPixmap::fromImage(m_foto).scaled(imgFoto->size(), Qt::KeepAspectRatio,
                                                                 Qt::SmoothTransformation));
        }
        btnExcluirFoto->setEnabled(m_op != QLatin1String("V"));
    }
}

void TFrmCadClientes::mudarTipo(bool fisica)
{
    if (fisica) {
        lblNome->setText(QStringLiteral("Nome:"));
        lblDocumento->setText(QStringLiteral("CPF:"));
        lblRG->setText(QStringLiteral("RG:"));
    } else {
        lblNome->setText(QStringLiteral("Razão Social:"));
        lblDocumento->setText(QStringLiteral("CNPJ:"));
        lblRG->setText(QStringLiteral("Inscrição Estadual:"));
    }
    edtCpf_Cnpj->setInputMask(QString());
    edtCpf_Cnpj->clear();
    if (!chkSemFormato->isChecked())
        edtCpf_Cnpj->setInputMask(fisica ? kMascaraCpfNovo : kMascaraCnpjNovo);
    // a document checked under the other kind counts for nothing now
    Doc = false;
    btnCapturarFoto->setEnabled(false);
    pnlDados->setEnabled(true);
    edtCpf_Cnpj->setFocus();
}

void TFrmCadClientes::rbFisicaClick() { mudarTipo(true); }
void TFrmCadClientes::rbJuridicaClick() { mudarTipo(false); }

void TFrmCadClientes::chkSemFormatoClick()
{
    if (chkSemFormato->isChecked()) {
        for (QLineEdit *e : {edtCpf_Cnpj, edtFone, edtFax}) {
            const QString t = e->text();
            e->setInputMask(QString());
            e->setText(t);
        }
    } else if (rbFisica->isChecked() || rbJuridica->isChecked()) {
        edtCpf_Cnpj->setInputMask(rbFisica->isChecked() ? kMascaraCpfNovo : kMascaraCnpjNovo);
    }
    edtCpf_Cnpj->setMaxLength(18);
    edtFone->setMaxLength(14);
    edtFax->setMaxLength(14);
    if (pnlDados->isEnabled())
        edtCpf_Cnpj->setFocus();
}

QString TFrmCadClientes::textoMascarado(const QLineEdit *e) const
{
    return e->inputMask().isEmpty() ? e->text() : e->displayText();
}

void TFrmCadClientes::verificarDocumento()
{
    const QString verif = tParametros().texto(QStringLiteral("VERIF_CPF_CNPJ"));
    const QString digitos = TiraPontoTracoBarra(textoMascarado(edtCpf_Cnpj)).trimmed();
    if (verif == QLatin1String("S") && !chkSemFormato->isChecked()) {
        const bool fisica = rbFisica->isChecked();
        const bool valido = fisica ? Valida_CPF(digitos) : Valida_CNPJ(digitos);
        if (valido) {
            Doc = true;
            btnCapturarFoto->setEnabled(fisica);
        } else {
            Mensagem::info(fisica ? Clientes::kMsgCpfInvalido : Clientes::kMsgCnpjInvalido);
            Doc = false;
            btnCapturarFoto->setEnabled(false);
            mostrarPadrao();
            m_fotoCapturada = false;
        }
    } else if (verif == QLatin1String("N") || chkSemFormato->isChecked()) {
        btnCapturarFoto->setEnabled(!digitos.isEmpty());
        if (digitos.isEmpty()) {
            mostrarPadrao();
            m_fotoCapturada = false;
        }
    }
}

bool TFrmCadClientes::eventFilter(QObject *o, QEvent *e)
{
    // Focus lost to another window (a message box, a pop-up) is not leaving
    // the field: the checks run only when the user moves on.
    const bool deJanela = (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)
        && (static_cast<QFocusEvent *>(e)->reason() == Qt::ActiveWindowFocusReason
            || static_cast<QFocusEvent *>(e)->reason() == Qt::PopupFocusReason);
    const bool entra = e->type() == QEvent::FocusIn && !deJanela;
    const bool sai = e->type() == QEvent::FocusOut && !deJanela;
    if (o == edtCpf_Cnpj && sai && pnlDados->isEnabled() && m_op != QLatin1String("V"))
        verificarDocumento();
    if (o == edtCEP) {
        if (entra && edtCEP->text().isEmpty() && edtCEP->inputMask().isEmpty())
            edtCEP->setInputMask(kMascaraCep);
        else if (sai && edtCEP->displayText() == kCepVazio) {
            edtCEP->setInputMask(QString());
            edtCEP->clear();
        }
    }
    if (o == edtFone || o == edtFax) {
        auto *ed = static_cast<QLineEdit *>(o);
        const bool semMascara = chkSemFormato->isChecked()
            || tParametros().texto(QStringLiteral("FONE_SEM_FORMATO")) == QLatin1String("S");
        if (entra && ed->text().isEmpty() && ed->inputMask().isEmpty() && !semMascara)
            ed->setInputMask(kMascaraFone);
        else if (sai && ed->displayText() == kFoneVazio) {
            ed->setInputMask(QString());
            ed->clear();
            ed->setMaxLength(14);
        }
    }
    if (o == edtvalorMin) {
        if (entra)
            edtvalorMin->setText(TiraPontoTracoBarra(edtvalorMin->text()));
        else if (sai) {
            const QString t = edtvalorMin->text().trimmed();
            if (t.isEmpty())
                edtvalorMin->setText(QStringLiteral("0,00"));
            else if (const auto v = Clientes::valorMinimo(t))
                edtvalorMin->setText(v->formatado());
        }
    }
    if ((o == rbFisica || o == rbJuridica) && e->type() == QEvent::KeyPress && m_op != QLatin1String("V")) {
        const QString t = static_cast<QKeyEvent *>(e)->text().toUpper();
        if (t == QLatin1String("F")) {
            rbFisica->setChecked(true);
            mudarTipo(true);
            return true;
        }
        if (t == QLatin1String("J")) {
            rbJuridica->setChecked(true);
            mudarTipo(false);
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

Clientes::Dados TFrmCadClientes::dados() const
{
    Clientes::Dados d;
    d.tipo = rbFisica->isChecked() ? QStringLiteral("F") : rbJuridica->isChecked() ? QStringLiteral("J") : QString();
    d.documento = textoMascarado(edtCpf_Cnpj);
    d.rg = edtRG_InscEst->text();
    d.nome = edtNome->text();
    d.contato = edtContato->text();
    d.endereco = edtEndereco->text();
    d.numero = edtNumero->text();
    d.bairro = edtComplem->text();
    d.cidade = edtCidade->currentText();
    d.estado = edtUF->currentText();
    d.cep = edtCEP->inputMask().isEmpty() ? edtCEP->text() : (edtCEP->displayText() == kCepVazio ? QString() : edtCEP->displayText());
    d.fone = textoMascarado(edtFone);
    d.fax = textoMascarado(edtFax);
    d.nascimento = edtDataNasc->date();
    d.email = edtEmail->text();
    d.valorMinimo = edtvalorMin->text();
    d.observacao = edtObs->text();
    d.lembrete = edtLembrete->text();
    return d;
}

void TFrmCadClientes::focarCampo(Clientes::Campo c)
{
    QWidget *w = nullptr;
    switch (c) {
    case Clientes::Campo::Nome: w = edtNome; break;
    case Clientes::Campo::Documento: w = edtCpf_Cnpj; break;
    case Clientes::Campo::Rg: w = edtRG_InscEst; break;
    case Clientes::Campo::Email: w = edtEmail; break;
    case Clientes::Campo::ValorMinimo: w = edtvalorMin; break;
    case Clientes::Campo::Nenhum: break;
    }
    if (w && w->isEnabled())
        w->setFocus();
}

void TFrmCadClientes::btnConfirmarClick()
{
    if (m_op != QLatin1String("I") && m_op != QLatin1String("A"))
        return;
    Clientes::Contexto c;
    c.modo = modoDeOP(m_op);
    c.semFormato = chkSemFormato->isChecked();
    // The document as the field holds it now: F10 pressed with the cursor
    // still in the field confirms what was typed, not what was last checked.
    if (tParametros().texto(QStringLiteral("VERIF_CPF_CNPJ")) == QLatin1String("S") && !c.semFormato) {
        const QString digitos = TiraPontoTracoBarra(textoMascarado(edtCpf_Cnpj)).trimmed();
        Doc = rbFisica->isChecked() ? Valida_CPF(digitos) : rbJuridica->isChecked() && Valida_CNPJ(digitos);
    }
    c.docVerificado = Doc;
    c.idCliente = m_linha.value(QStringLiteral("ID_CLIENTE")).toLongLong();
    c.documentoAnterior = campo(m_linha, "CNPJ_CPF");
    const Clientes::Dados d = dados();
    const Clientes::Gravacao g =
        m_op == QLatin1String("I") ? Clientes::incluir(DM->Conexao, d, c)
                                   : Clientes::alterar(DM->Conexao, d, c, m_linha);
    if (g.recusa.recusado()) {
        Mensagem::info(g.recusa.mensagem);
        focarCampo(g.recusa.foco);
        return;
    }
    aposGravar(g);
}

void TFrmCadClientes::aposGravar(const Clientes::Gravacao &g)
{
    m_idSalvo = g.id;
    const bool novo = m_op == QLatin1String("I");
    // The photo file follows the saved row: a new customer's capture, or
    // whatever an altered customer shows now (the placeholder after
    // "Excluir Foto").
    if ((novo && m_fotoCapturada && !m_fotoPadrao) || !novo) {
        if (!Clientes::gravarFoto(m_foto, g.arquivoFoto))
            Mensagem::aviso(QStringLiteral("O cliente foi gravado, mas não foi possível gravar a foto em ")
                            + g.arquivoFoto + QStringLiteral("."));
    }
    if (!novo)
        Mensagem::info(Clientes::kMsgOperacaoSucesso);
    try {
        Clientes::copiarParaPDV(DM->Conexao, DM->ConexaoPDV, g.id);
    } catch (const ErroBanco &e) {
        Mensagem::aviso(e.texto());
    }
    if (!novo) {
        accept();
        return;
    }
    if (Mensagem::pergunta(Clientes::kMsgCadastradoOutro))
        iniciarNovo();
    else
        accept();
}

void TFrmCadClientes::btnCancelarClick() { reject(); }

void TFrmCadClientes::btnExcluirFotoClick()
{
    mostrarPadrao();
    m_fotoCapturada = false;
    btnExcluirFoto->setEnabled(false);
}

void TFrmCadClientes::btnCapturarFotoClick()
{
    // The camera dialog writes its still under a name of its own; the
    // picture is taken into this screen and the file goes away, so nothing
    // is left on disk until the customer is saved.
    const QString temporario =
        QStringLiteral("_captura_") + QString::number(QCoreApplication::applicationPid());
    std::unique_ptr<TVideoForm> f(new TVideoForm(this));
    f->Tela = QStringLiteral("Clientes");
    f->documentoCliente = [temporario] { return temporario; };
    f->carregarFoto = [this](const QString &arquivo) {
        const QImage i(arquivo);
        QFile::remove(arquivo);
        mostrarFoto(i);
    };
    VideoForm = f.get();
    struct Limpa {
        ~Limpa() { VideoForm = nullptr; }
    } limpa;
    Telas::executar(f.get(), std::type_index(typeid(TVideoForm)));
}

void TFrmCadClientes::btnBuscarCepClick()
{
    if (!edtEndereco->text().isEmpty() && !Mensagem::pergunta(Cep::kMsgNovaBusca))
        return;
    ConsultaCEP(edtCEP->displayText());
    edtCidade->setFocus();
    edtEndereco->setFocus();
    edtEndereco->setCursorPosition(edtEndereco->text().size());
}

void TFrmCadClientes::ConsultaCEP(const QString &cep)
{
    const Cep::Resultado r = Cep::consultar(cep);
    if (r.valores.size() > 0)
        edtEndereco->setText(r.valores[0]);
    if (r.valores.size() > 1)
        edtComplem->setText(r.valores[1]);
    if (r.valores.size() > 2)
        edtCidade->setEditText(r.valores[2]);
    if (r.valores.size() > 3)
        edtUF->setEditText(r.valores[3]);
    if (!r.completo)
        Mensagem::info(Cep::kMsgFalha);
}
