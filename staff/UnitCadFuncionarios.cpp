#include "staff/UnitCadFuncionarios.h"

#include "base/CabecalhoTela.h"
#include "base/Caminhos.h"
#include "base/Erros.h"
#include "base/Grade.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/TelaEdicao.h"
#include "core/UnitCaptura.h"
#include "staff/CodigoBarras.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

TFrmCadFuncionarios *FrmCadFuncionarios = nullptr;

namespace {

// Input masks (a digit the user may leave blank is "0" here).
const QString kMascaraCpf = QStringLiteral("000.000.000-00; ");
const QString kMascaraCep = QStringLiteral("99999-999; ");
const QString kMascaraFone = QStringLiteral("(00)9999-9999; ");
const QString kCepVazio = QStringLiteral("     -   ");
const QString kFoneVazio = QStringLiteral("(  )    -    ");
const QString kAmostraCracha = QStringLiteral("000000000000");

QString campo(const QVariantMap &l, const char *nome)
{
    QString t = l.value(QString::fromLatin1(nome)).toString();
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    return t;
}

QTime hora(const QVariantMap &l, const char *nome)
{
    const QVariant v = l.value(QString::fromLatin1(nome));
    const QTime t = v.toTime();
    return t.isValid() ? t : QTime(0, 0);
}

QTimeEdit *seletorHora(QWidget *pai, const char *nome)
{
    auto *t = new QTimeEdit(QTime(0, 0), pai);
    t->setObjectName(QString::fromLatin1(nome));
    t->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    t->setEnabled(false);
    return t;
}

bool focoDeJanela(QEvent *e)
{
    if (e->type() != QEvent::FocusIn && e->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason r = static_cast<QFocusEvent *>(e)->reason();
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
}

} // namespace

TFrmCadFuncionarios::TFrmCadFuncionarios(const QString &op, const QVariantMap &linha, QWidget *parent)
    : QDialog(parent)
    , m_op(op)
    , m_linha(linha)
{
    setWindowTitle(QStringLiteral("Funcionários"));
    setWindowState(windowState() | Qt::WindowMaximized);
    auto *layout = new QVBoxLayout(this);
    const TopoEdicao topo = adicionarTopoEdicao(this, layout, QStringLiteral("CÓDIGO DO FUNCIONÁRIO:"),
                                                QStringLiteral("lblCodigo"));
    imgCabecalho = topo.cabecalho;
    lblTitulo = topo.titulo;
    lblCodigo = topo.codigo;

    pgcDados = new QTabWidget(this);
    tabDados = new QWidget(pgcDados);
    tabPonto = new QWidget(pgcDados);
    tabHistoricoPonto = new QWidget(pgcDados);
    tabFinanceiro = new QWidget(pgcDados);
    pgcDados->addTab(tabDados, QStringLiteral("Dados Necessários"));
    pgcDados->addTab(tabPonto, QStringLiteral("Dados de Marcação de Ponto"));
    pgcDados->addTab(tabHistoricoPonto, QStringLiteral("Histórico de Marcação de Ponto"));
    pgcDados->addTab(tabFinanceiro, QStringLiteral("Histórico Financeiro"));
    layout->addWidget(pgcDados, 1);

    // ------------------------------------------------------------ "Dados Necessários"
    auto edit = [](QWidget *pai, const char *nome, int maximo, bool maiusculas = true) {
        auto *e = new QLineEdit(pai);
        e->setObjectName(QString::fromLatin1(nome));
        if (maiusculas)
            emMaiusculas(e, maximo);
        else
            e->setMaxLength(maximo);
        return e;
    };
    auto rotulo = [](QWidget *pai, const char *t) { return new QLabel(QString::fromUtf8(t), pai); };

    auto *lDados = new QHBoxLayout(tabDados);
    auto *colEsq = new QVBoxLayout;
    auto *gPessoais = new QGroupBox(QStringLiteral("Dados Pessoais"), tabDados);
    auto *g = new QGridLayout(gPessoais);
    edtNome = edit(gPessoais, "edtNome", 90);
    edtCPF = new QLineEdit(gPessoais);
    edtCPF->setObjectName(QStringLiteral("edtCPF"));
    edtCPF->setInputMask(kMascaraCpf);
    edtRG = edit(gPessoais, "edtRG", 20);
    edtCTPS = edit(gPessoais, "edtCTPS", 10);
    edtSerie = edit(gPessoais, "edtSerie", 10);
    edtEndereco = edit(gPessoais, "edtEndereco", 100);
    edtBairro = edit(gPessoais, "edtBairro", 20);
    edtCidade = edit(gPessoais, "edtCidade", 30);
    edtEstado = edit(gPessoais, "edtEstado", 2);
    edtCEP = edit(gPessoais, "edtCEP", 9, false);
    edtFone = edit(gPessoais, "edtFone", 20);
    edtFone2 = edit(gPessoais, "edtFone2", 20);
    edtSenhaPonto = new QLineEdit(gPessoais);
    edtSenhaPonto->setObjectName(QStringLiteral("edtSenhaPonto"));
    edtSenhaPonto->setMaxLength(10);
    edtSenhaPonto->setEchoMode(QLineEdit::Password);
    connect(edtSenhaPonto, &QLineEdit::textEdited, edtSenhaPonto, [this](const QString &t) {
        const QString m = t.toLower();
        if (m != t) {
            const int pos = edtSenhaPonto->cursorPosition();
            edtSenhaPonto->setText(m);
            edtSenhaPonto->setCursorPosition(pos);
        }
    });
    edtObs = edit(gPessoais, "edtObs", 250);
    edtSangue = edit(gPessoais, "edtSangue", 3);
    dtNascimento = new QDateEdit(QDate(1900, 1, 1), gPessoais);
    dtNascimento->setObjectName(QStringLiteral("dtNascimento"));
    dtNascimento->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtNascimento->setMinimumDate(QDate(1900, 1, 1));
    dtNascimento->setCalendarPopup(true);
    int r = 0;
    g->addWidget(rotulo(gPessoais, "Funcionário:"), r, 0);
    g->addWidget(edtNome, r, 1, 1, 5);
    ++r;
    g->addWidget(rotulo(gPessoais, "CPF:"), r, 0);
    g->addWidget(edtCPF, r, 1);
    g->addWidget(rotulo(gPessoais, "RG:"), r, 2);
    g->addWidget(edtRG, r, 3);
    g->addWidget(rotulo(gPessoais, "Tipo Sang.:"), r, 4);
    g->addWidget(edtSangue, r, 5);
    ++r;
    g->addWidget(rotulo(gPessoais, "CTPS:"), r, 0);
    g->addWidget(edtCTPS, r, 1);
    g->addWidget(rotulo(gPessoais, "Série:"), r, 2);
    g->addWidget(edtSerie, r, 3);
    g->addWidget(rotulo(gPessoais, "Data de Nascimento:"), r, 4);
    g->addWidget(dtNascimento, r, 5);
    ++r;
    g->addWidget(rotulo(gPessoais, "Endereço:"), r, 0);
    g->addWidget(edtEndereco, r, 1, 1, 3);
    g->addWidget(rotulo(gPessoais, "Bairro:"), r, 4);
    g->addWidget(edtBairro, r, 5);
    ++r;
    g->addWidget(rotulo(gPessoais, "Cidade:"), r, 0);
    g->addWidget(edtCidade, r, 1);
    g->addWidget(rotulo(gPessoais, "Estado:"), r, 2);
    g->addWidget(edtEstado, r, 3);
    g->addWidget(rotulo(gPessoais, "CEP:"), r, 4);
    g->addWidget(edtCEP, r, 5);
    ++r;
    g->addWidget(rotulo(gPessoais, "Telefone (1):"), r, 0);
    g->addWidget(edtFone, r, 1);
    g->addWidget(rotulo(gPessoais, "Telefone (2):"), r, 2);
    g->addWidget(edtFone2, r, 3);
    ++r;
    g->addWidget(rotulo(gPessoais, "Senha para Marcação de Ponto Manual:"), r, 0, 1, 2);
    g->addWidget(edtSenhaPonto, r, 2, 1, 2);
    ++r;
    g->addWidget(rotulo(gPessoais, "Observações:"), r, 0);
    g->addWidget(edtObs, r, 1, 1, 5);
    g->setColumnStretch(1, 2);
    g->setColumnStretch(3, 2);
    g->setColumnStretch(5, 1);
    colEsq->addWidget(gPessoais);

    auto *gBanco = new QGroupBox(QStringLiteral("Dados Bancários e Financeiros"), tabDados);
    auto *gb = new QGridLayout(gBanco);
    edtAgencia = edit(gBanco, "edtAgencia", 10);
    edtConta = edit(gBanco, "edtConta", 10);
    edtSalario = edit(gBanco, "edtSalario", 18, false);
    edtINSS = edit(gBanco, "edtINSS", 18, false);
    for (QLineEdit *e : {edtSalario, edtINSS}) {
        e->setText(QStringLiteral("0,00"));
        e->setAlignment(Qt::AlignRight);
    }
    gb->addWidget(rotulo(gBanco, "Agência:"), 0, 0);
    gb->addWidget(edtAgencia, 0, 1);
    gb->addWidget(rotulo(gBanco, "Número da Conta:"), 0, 2);
    gb->addWidget(edtConta, 0, 3);
    gb->addWidget(rotulo(gBanco, "Salário-Base: R$"), 1, 0);
    gb->addWidget(edtSalario, 1, 1);
    gb->addWidget(rotulo(gBanco, "Desconto INSS (%):"), 1, 2);
    gb->addWidget(edtINSS, 1, 3);
    colEsq->addWidget(gBanco);
    colEsq->addStretch();
    lDados->addLayout(colEsq, 3);

    auto *gVisuais = new QGroupBox(QStringLiteral("Identificações Visuais"), tabDados);
    auto *gv = new QVBoxLayout(gVisuais);
    auto *gFoto = new QGroupBox(QStringLiteral("Foto"), gVisuais);
    auto *lf = new QVBoxLayout(gFoto);
    imgFoto = new QLabel(gFoto);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setFixedSize(148, 186);
    imgFoto->setFrameShape(QFrame::Box);
    imgFoto->setAlignment(Qt::AlignCenter);
    lf->addWidget(imgFoto, 0, Qt::AlignHCenter);
    auto *lbf = new QHBoxLayout;
    btnCapturarFoto = new QPushButton(QStringLiteral("Capturar Foto"), gFoto);
    btnExcluirFoto = new QPushButton(QStringLiteral("Excluir Foto"), gFoto);
    btnCapturarFoto->setEnabled(false);
    btnExcluirFoto->setEnabled(false);
    lbf->addWidget(btnCapturarFoto);
    lbf->addWidget(btnExcluirFoto);
    lf->addLayout(lbf);
    gv->addWidget(gFoto);
    gv->addWidget(rotulo(gVisuais, "Código de Barras Impresso no Crachá"));
    imgCodigoBarras = new QLabel(gVisuais);
    imgCodigoBarras->setObjectName(QStringLiteral("imgCodigoBarras"));
    imgCodigoBarras->setPixmap(QPixmap::fromImage(CodigoBarras::imagem(kAmostraCracha, QSize(440, 80))));
    gv->addWidget(imgCodigoBarras);
    auto *gc = new QGridLayout;
    edtNomeCracha = edit(gVisuais, "edtNomeCracha", 16);
    edtFuncao = edit(gVisuais, "edtFuncao", 16);
    chkCamareira = new QCheckBox(QStringLiteral("Camareira?"), gVisuais);
    gc->addWidget(rotulo(gVisuais, "Nome no Crachá:"), 0, 0);
    gc->addWidget(edtNomeCracha, 0, 1);
    gc->addWidget(rotulo(gVisuais, "Função:"), 1, 0);
    gc->addWidget(edtFuncao, 1, 1);
    gc->addWidget(chkCamareira, 2, 1);
    gv->addLayout(gc);
    gv->addStretch();
    lDados->addWidget(gVisuais, 1);

    // ------------------------------------------------------------ "Dados de Marcação de Ponto"
    auto *lPonto = new QVBoxLayout(tabPonto);
    auto *gParam = new QGroupBox(QStringLiteral("Parâmetros"), tabPonto);
    auto *gp = new QGridLayout(gParam);
    lblNomePonto = new QLabel(gParam);
    lblNomePonto->setObjectName(QStringLiteral("lblNomePonto"));
    QFont fn = lblNomePonto->font();
    fn.setBold(true);
    lblNomePonto->setFont(fn);
    chkSolicitaPonto = new QCheckBox(QStringLiteral("Solicitar Marcação de Ponto"), gParam);
    dtTurno1Ent = seletorHora(gParam, "dtTurno1Ent");
    dtTurno1Sai = seletorHora(gParam, "dtTurno1Sai");
    dtTurno2Ent = seletorHora(gParam, "dtTurno2Ent");
    dtTurno2Sai = seletorHora(gParam, "dtTurno2Sai");
    dtTurno3Ent = seletorHora(gParam, "dtTurno3Ent");
    dtTurno3Sai = seletorHora(gParam, "dtTurno3Sai");
    dtCargaDia = seletorHora(gParam, "dtCargaDia");
    chkPontoSabado = new QCheckBox(QStringLiteral("Solicitar Marcação de Ponto aos Sábados"), gParam);
    dtCargaSabado = seletorHora(gParam, "dtCargaSabado");
    chkPontoDomingo = new QCheckBox(QStringLiteral("Solicitar Marcação de Ponto aos Domingos"), gParam);
    dtCargaDomingo = seletorHora(gParam, "dtCargaDomingo");
    chkPontoSabado->setEnabled(false);
    chkPontoDomingo->setEnabled(false);
    r = 0;
    gp->addWidget(lblNomePonto, r++, 0, 1, 5);
    gp->addWidget(chkSolicitaPonto, r++, 0, 1, 5);
    gp->addWidget(rotulo(gParam, "Horários:"), r++, 0);
    const QList<QPair<const char *, QPair<QTimeEdit *, QTimeEdit *>>> turnos = {
        {"Turno 1", {dtTurno1Ent, dtTurno1Sai}}, {"Turno 2", {dtTurno2Ent, dtTurno2Sai}},
        {"Turno 3", {dtTurno3Ent, dtTurno3Sai}}};
    for (const auto &t : turnos) {
        gp->addWidget(rotulo(gParam, t.first), r, 0);
        gp->addWidget(rotulo(gParam, "Entrada ->"), r, 1);
        gp->addWidget(t.second.first, r, 2);
        gp->addWidget(rotulo(gParam, "Saída ->"), r, 3);
        gp->addWidget(t.second.second, r, 4);
        ++r;
    }
    gp->addWidget(rotulo(gParam, "Carga Horária Diária ->"), r, 0, 1, 2);
    gp->addWidget(dtCargaDia, r++, 2);
    gp->addWidget(chkPontoSabado, r, 0, 1, 2);
    gp->addWidget(rotulo(gParam, "Carga Horária aos Sábados ->"), r, 3);
    gp->addWidget(dtCargaSabado, r++, 4);
    gp->addWidget(chkPontoDomingo, r, 0, 1, 2);
    gp->addWidget(rotulo(gParam, "Carga Horária aos Domingos ->"), r, 3);
    gp->addWidget(dtCargaDomingo, r++, 4);
    gp->setColumnStretch(5, 1);
    lPonto->addWidget(gParam);
    lPonto->addStretch();

    // ------------------------------------------------------------ "Histórico Financeiro"
    auto *lFin = new QVBoxLayout(tabFinanceiro);
    dbgPagFuncionarios = new QTableView(tabFinanceiro);
    dbgPagFuncionarios->setObjectName(QStringLiteral("dbgPagFuncionarios"));
    qPagFuncionarios = new ModeloConsulta(this);
    qPagFuncionarios->definirColunas({
        {QStringLiteral("COD_GERAL_F_P"), QStringLiteral("Cód. Pag."), FormatoColuna::Texto, 70},
        {QStringLiteral("ID_FUNCIONARIO_PAGAMENTO"), QStringLiteral("Cód. Funcionário"), FormatoColuna::Texto, 100},
        {QStringLiteral("NOME"), QStringLiteral("Funcionário"), FormatoColuna::Texto, 220},
        {QStringLiteral("DATA_VENC"), QStringLiteral("Vencimento"), FormatoColuna::Data, 90},
        {QStringLiteral("DATA_PAG"), QStringLiteral("Pagamento"), FormatoColuna::Data, 90},
        {QStringLiteral("TIPO"), QStringLiteral("Tipo (+/-)"), FormatoColuna::Texto, 70},
        {QStringLiteral("DESCRICAO"), QStringLiteral("Descrição"), FormatoColuna::Texto, 300},
        {QStringLiteral("VALOR"), QStringLiteral("Valor"), FormatoColuna::Dinheiro, 100},
    });
    dbgPagFuncionarios->setModel(qPagFuncionarios);
    prepararGrade(dbgPagFuncionarios);
    ModeloConsulta *modeloFin = qPagFuncionarios;
    dbgPagFuncionarios->setItemDelegate(new DelegateCorLinha(
        [modeloFin](int l) { return Funcionarios::corStatus(modeloFin->texto(l, QStringLiteral("AUXSTATUS"))); },
        dbgPagFuncionarios));
    lFin->addWidget(dbgPagFuncionarios, 1);
    lblTotalAPagar = new QLabel(Funcionarios::textoAPagar(Dinheiro()), tabFinanceiro);
    lblTotalAPagar->setObjectName(QStringLiteral("lblTotalAPagar"));
    lblTotalPago = new QLabel(Funcionarios::textoPago(Dinheiro()), tabFinanceiro);
    lblTotalPago->setObjectName(QStringLiteral("lblTotalPago"));
    lFin->addWidget(lblTotalAPagar);
    lFin->addWidget(lblTotalPago);
    auto *legendas = new QHBoxLayout;
    auto legenda = [&](quint32 cor, const char *texto, const char *dica) {
        QLabel *l = legendaCor(QString::fromUtf8(texto), cor, tabFinanceiro);
        l->setToolTip(QString::fromUtf8(dica));
        legendas->addWidget(l);
    };
    legenda(Funcionarios::kCorOk, "Pagamento OK", "          Pagamento ou Desconto Já Contabilizado");
    legenda(Funcionarios::kCorAtrasado, "Pagamento Atrasado", "          Pagamento ou Desconto Atrasado");
    legenda(Funcionarios::kCorAVencer, "Pagamento Programado a Vencer",
            "          Pagamento ou Desconto Apenas Programado");
    legendas->addStretch();
    lFin->addLayout(legendas);

    const BotoesEdicao botoes = adicionarBotoesEdicao(this, layout);
    btnConfirmar = botoes.confirmar;
    btnCancelar = botoes.cancelar;

    QWidget *ordem[] = {edtNome,   edtCPF,        edtRG,        edtSangue,    edtCTPS,       edtSerie,
                        dtNascimento, edtEndereco, edtBairro,   edtCidade,    edtEstado,     edtCEP,
                        edtFone,   edtFone2,      edtSenhaPonto, edtObs,      edtAgencia,    edtConta,
                        edtSalario, edtINSS,      btnCapturarFoto, btnExcluirFoto, edtNomeCracha, edtFuncao,
                        chkCamareira, btnConfirmar, btnCancelar};
    for (size_t i = 0; i + 1 < std::size(ordem); ++i)
        setTabOrder(ordem[i], ordem[i + 1]);

    for (QWidget *w : std::initializer_list<QWidget *>{edtNome, edtCPF, edtCEP, edtFone, edtFone2, edtSalario, edtINSS})
        w->installEventFilter(this);
    for (QLineEdit *e : {edtFone, edtFone2})
        connect(e, &QLineEdit::textEdited, this, [this, e](const QString &t) {
            // A field left without its mask takes it again at the first digit.
            if (!e->inputMask().isEmpty() || t.trimmed().size() != 1
                || tParametros().texto(QStringLiteral("FONE_SEM_FORMATO")) == QLatin1String("S"))
                return;
            const QString primeiro = t.trimmed();
            e->setInputMask(kMascaraFone);
            e->clear();
            if (primeiro.at(0).isDigit()) {
                e->setCursorPosition(1);
                e->insert(primeiro);
            }
        });
    connect(edtCEP, &QLineEdit::textEdited, this, [this](const QString &t) {
        if (!edtCEP->inputMask().isEmpty() || t.trimmed().size() != 1)
            return;
        const QString primeiro = t.trimmed();
        edtCEP->setInputMask(kMascaraCep);
        edtCEP->clear();
        if (primeiro.at(0).isDigit()) {
            edtCEP->setCursorPosition(0);
            edtCEP->insert(primeiro);
        }
    });

    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadFuncionarios::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadFuncionarios::btnCancelarClick);
    connect(btnCapturarFoto, &QPushButton::clicked, this, &TFrmCadFuncionarios::btnCapturarFotoClick);
    connect(btnExcluirFoto, &QPushButton::clicked, this, &TFrmCadFuncionarios::btnExcluirFotoClick);
    connect(chkSolicitaPonto, &QCheckBox::clicked, this, &TFrmCadFuncionarios::chkSolicitaPontoClick);
    connect(chkPontoSabado, &QCheckBox::clicked, this, &TFrmCadFuncionarios::chkPontoSabadoClick);
    connect(chkPontoDomingo, &QCheckBox::clicked, this, &TFrmCadFuncionarios::chkPontoDomingoClick);

    menuAtalhos = instalarComportamentoEdicao(this, {[this] { btnConfirmarClick(); }, [this] { btnCancelarClick(); },
                                                     QStringLiteral("|| Confirmar - (F10) ||"),
                                                     QStringLiteral("|| Cancelar - (F12) ||")});

    // Opening: the code, the financial tab for MOVIMENTOS, the row's values.
    pgcDados->setTabVisible(pgcDados->indexOf(tabFinanceiro), Sessao::atual().direitos.MOVIMENTOS);
    if (m_op == QLatin1String("I")) {
        const qint64 proximo = DM->Conexao.gerador(QStringLiteral("GEN_ID_FUNCIONARIO"), 0) + 1;
        lblCodigo->setText(QString::number(proximo));
        lblTitulo->setText(QStringLiteral("Novo Funcionário"));
        Doc = false;
        mostrarPadrao();
    } else {
        preencher();
    }
}

void TFrmCadFuncionarios::preencher()
{
    const QVariantMap &l = m_linha;
    const qint64 chave = l.value(QStringLiteral("ID_FUNCIONARIO")).toLongLong();
    lblCodigo->setText(QString::number(chave));
    abrirFinanceiro(chave);
    Doc = true;
    lblTitulo->setText(m_op == QLatin1String("A") ? QStringLiteral("Alterar Funcionário")
                                                  : QStringLiteral("Ver Funcionário"));
    edtNome->setText(campo(l, "NOME"));
    lblNomePonto->setText(edtNome->text());
    edtCPF->setText(campo(l, "CPF"));
    edtRG->setText(campo(l, "RG"));
    edtCTPS->setText(campo(l, "CTPS"));
    edtSerie->setText(campo(l, "SERIE"));
    edtEndereco->setText(campo(l, "ENDERECO"));
    edtBairro->setText(campo(l, "BAIRRO"));
    edtCidade->setText(campo(l, "CIDADE"));
    edtEstado->setText(campo(l, "ESTADO"));
    edtCEP->setText(campo(l, "CEP"));
    edtFone->setText(campo(l, "FONE"));
    edtFone2->setText(campo(l, "FONE_2"));
    edtSenhaPonto->setText(campo(l, "SENHA_PONTO"));
    edtObs->setText(campo(l, "OBSERVACAO"));
    edtSangue->setText(campo(l, "SANGUE"));
    const QDate nasc = l.value(QStringLiteral("NASCIMENTO")).toDate();
    dtNascimento->setDate(nasc.isValid() ? nasc : QDate(1900, 1, 1));
    edtAgencia->setText(campo(l, "AGENCIA"));
    edtConta->setText(campo(l, "CONTA"));
    edtINSS->setText(Dinheiro::deVariant(l.value(QStringLiteral("INSS"))).formatado());
    edtSalario->setText(Dinheiro::deVariant(l.value(QStringLiteral("SALARIO_BASE"))).formatado());
    edtNomeCracha->setText(campo(l, "NOME_CRACHA"));
    edtFuncao->setText(campo(l, "FUNCAO"));
    auto marcar = [](QCheckBox *c, const QString &v, auto regra) {
        if (v == QLatin1String("S") || v == QLatin1String("N")) {
            c->setChecked(v == QLatin1String("S"));
            regra();
        }
    };
    marcar(chkSolicitaPonto, campo(l, "SOLICITA_PONTO"), [this] { chkSolicitaPontoClick(); });
    marcar(chkPontoSabado, campo(l, "SOLICITA_PONTO_SAB"), [this] { chkPontoSabadoClick(); });
    marcar(chkPontoDomingo, campo(l, "SOLICITA_PONTO_DOM"), [this] { chkPontoDomingoClick(); });
    chkCamareira->setChecked(campo(l, "CAMAREIRA") == QLatin1String("S"));
    dtTurno1Ent->setTime(hora(l, "TURNO_1_ENT"));
    dtTurno1Sai->setTime(hora(l, "TURNO_1_SAI"));
    dtTurno2Ent->setTime(hora(l, "TURNO_2_ENT"));
    dtTurno2Sai->setTime(hora(l, "TURNO_2_SAI"));
    dtTurno3Ent->setTime(hora(l, "TURNO_3_ENT"));
    dtTurno3Sai->setTime(hora(l, "TURNO_3_SAI"));
    dtCargaDia->setTime(hora(l, "CARGA_HORARIA_DIA"));
    dtCargaSabado->setTime(hora(l, "CARGA_HORARIA_SAB"));
    dtCargaDomingo->setTime(hora(l, "CARGA_HORARIA_DOM"));
    const QString foto = campo(l, "FOTO");
    if (!foto.isEmpty()) {
        mostrarFoto(Funcionarios::lerFoto(foto));
        btnExcluirFoto->setEnabled(true);
    } else {
        mostrarPadrao();
    }
    if (m_op == QLatin1String("V")) {
        tabDados->setEnabled(false);
        tabPonto->setEnabled(false);
        btnConfirmar->setEnabled(false);
    }
}

void TFrmCadFuncionarios::abrirFinanceiro(qint64 chave)
{
    if (!Sessao::atual().direitos.MOVIMENTOS)
        return;
    qPagFuncionarios->definirConsulta(Funcionarios::kSqlFinanceiro,
                                      Funcionarios::valoresFinanceiro(chave, Relogio::hoje()));
    qPagFuncionarios->abrir();
    const Funcionarios::Totais t = Funcionarios::totais(DM->Conexao, chave);
    lblTotalAPagar->setText(Funcionarios::textoAPagar(t.aPagar));
    lblTotalPago->setText(Funcionarios::textoPago(t.pago));
}

void TFrmCadFuncionarios::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    if (m_op != QLatin1String("I")) {
        // the CPF's rule runs once, as on leaving its field
        verificarCpf();
    }
    edtNome->setFocus();
}

void TFrmCadFuncionarios::mostrarFoto(const QImage &foto)
{
    if (foto.isNull())
        return;
    m_foto = foto;
    imgFoto->setPixmap(
        QPixmap::fromImage(m_foto).scaled(imgFoto->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TFrmCadFuncionarios::mostrarPadrao() { mostrarFoto(Funcionarios::fotoPadrao()); }

QString TFrmCadFuncionarios::textoMascarado(const QLineEdit *e) const
{
    return e->inputMask().isEmpty() ? e->text() : e->displayText();
}

void TFrmCadFuncionarios::verificarCpf()
{
    const QString verif = tParametros().texto(QStringLiteral("VERIF_CPF_CNPJ"));
    const QString digitos = TiraPontoTracoBarra(textoMascarado(edtCPF)).trimmed();
    if (verif == QLatin1String("S")) {
        if (Valida_CPF(digitos)) {
            Doc = true;
            btnCapturarFoto->setEnabled(true);
        } else {
            Mensagem::info(Funcionarios::kMsgCpfInvalido);
            Doc = false;
            btnCapturarFoto->setEnabled(false);
            mostrarPadrao();
        }
    } else if (verif == QLatin1String("N")) {
        btnCapturarFoto->setEnabled(!digitos.isEmpty());
        if (digitos.isEmpty())
            mostrarPadrao();
    }
}

bool TFrmCadFuncionarios::eventFilter(QObject *o, QEvent *e)
{
    const bool deJanela = focoDeJanela(e);
    const bool entra = e->type() == QEvent::FocusIn && !deJanela;
    const bool sai = e->type() == QEvent::FocusOut && !deJanela;
    if (o == edtCPF && sai && m_op != QLatin1String("V"))
        verificarCpf();
    else if (o == edtNome && sai)
        lblNomePonto->setText(edtNome->text());
    else if (o == edtCEP) {
        if (entra && edtCEP->text().isEmpty() && edtCEP->inputMask().isEmpty())
            edtCEP->setInputMask(kMascaraCep);
        else if (sai && edtCEP->displayText() == kCepVazio) {
            edtCEP->setInputMask(QString());
            edtCEP->clear();
            edtCEP->setMaxLength(9);
        }
    } else if (o == edtFone || o == edtFone2) {
        auto *ed = static_cast<QLineEdit *>(o);
        const bool semMascara = tParametros().texto(QStringLiteral("FONE_SEM_FORMATO")) == QLatin1String("S");
        if (entra && ed->text().isEmpty() && ed->inputMask().isEmpty() && !semMascara)
            ed->setInputMask(kMascaraFone);
        else if (sai && ed->displayText() == kFoneVazio) {
            ed->setInputMask(QString());
            ed->clear();
            ed->setMaxLength(20);
        }
    } else if (o == edtSalario || o == edtINSS) {
        auto *ed = static_cast<QLineEdit *>(o);
        if (entra)
            ed->setText(TiraPontoTracoBarra(ed->text()));
        else if (sai) {
            const QString t = ed->text().trimmed();
            if (t.isEmpty())
                ed->setText(QStringLiteral("0,00"));
            else if (const std::optional<Dinheiro> v = Dinheiro::deTexto(t))
                ed->setText(v->formatado());
            // a text that is not money stays as typed: the confirm chain refuses it
        }
    }
    return QDialog::eventFilter(o, e);
}

Funcionarios::Dados TFrmCadFuncionarios::dados() const
{
    Funcionarios::Dados d;
    d.nome = edtNome->text();
    d.cpf = textoMascarado(edtCPF);
    d.rg = edtRG->text();
    d.ctps = edtCTPS->text();
    d.serie = edtSerie->text();
    d.endereco = edtEndereco->text();
    d.bairro = edtBairro->text();
    d.cidade = edtCidade->text();
    d.estado = edtEstado->text();
    d.cep = edtCEP->inputMask().isEmpty() ? edtCEP->text()
                                          : (edtCEP->displayText() == kCepVazio ? QString() : edtCEP->displayText());
    auto fone = [this](const QLineEdit *e) {
        const QString t = textoMascarado(e);
        return t == kFoneVazio ? QString() : t;
    };
    d.fone = fone(edtFone);
    d.fone2 = fone(edtFone2);
    d.senhaPonto = edtSenhaPonto->text();
    d.observacao = edtObs->text();
    d.sangue = edtSangue->text();
    d.nascimento = dtNascimento->date();
    d.agencia = edtAgencia->text();
    d.conta = edtConta->text();
    d.salario = edtSalario->text();
    d.inss = edtINSS->text();
    d.nomeCracha = edtNomeCracha->text();
    d.funcao = edtFuncao->text();
    d.camareira = chkCamareira->isChecked();
    d.solicitaPonto = chkSolicitaPonto->isChecked();
    d.pontoSabado = chkPontoSabado->isChecked();
    d.pontoDomingo = chkPontoDomingo->isChecked();
    d.turnos = {dtTurno1Ent->time(), dtTurno1Sai->time(), dtTurno2Ent->time(),
                dtTurno2Sai->time(), dtTurno3Ent->time(), dtTurno3Sai->time()};
    d.cargaDia = dtCargaDia->time();
    d.cargaSabado = dtCargaSabado->time();
    d.cargaDomingo = dtCargaDomingo->time();
    return d;
}

void TFrmCadFuncionarios::focarCampo(Funcionarios::Campo c)
{
    using C = Funcionarios::Campo;
    QWidget *w = nullptr;
    switch (c) {
    case C::Nome: w = edtNome; break;
    case C::Cpf: w = edtCPF; break;
    case C::Rg: w = edtRG; break;
    case C::Ctps: w = edtCTPS; break;
    case C::Serie: w = edtSerie; break;
    case C::Endereco: w = edtEndereco; break;
    case C::Bairro: w = edtBairro; break;
    case C::Cidade: w = edtCidade; break;
    case C::Estado: w = edtEstado; break;
    case C::Cep: w = edtCEP; break;
    case C::Fone: w = edtFone; break;
    case C::Fone2: w = edtFone2; break;
    case C::Senha: w = edtSenhaPonto; break;
    case C::Observacao: w = edtObs; break;
    case C::Sangue: w = edtSangue; break;
    case C::Agencia: w = edtAgencia; break;
    case C::Conta: w = edtConta; break;
    case C::Salario: w = edtSalario; break;
    case C::Inss: w = edtINSS; break;
    case C::NomeCracha: w = edtNomeCracha; break;
    case C::Funcao: w = edtFuncao; break;
    case C::Nenhum: break;
    }
    if (!w)
        return;
    pgcDados->setCurrentWidget(tabDados);
    // Moving there is not leaving the field the user was in: no field rule runs.
    w->setFocus(Qt::OtherFocusReason);
}

void TFrmCadFuncionarios::btnConfirmarClick()
{
    if (m_op != QLatin1String("I") && m_op != QLatin1String("A"))
        return;
    Funcionarios::Contexto c;
    c.modo = modoDeOP(m_op);
    c.verificarCpf = tParametros().texto(QStringLiteral("VERIF_CPF_CNPJ"));
    c.doc = Doc;
    c.chave = m_linha.value(QStringLiteral("ID_FUNCIONARIO")).toLongLong();
    c.cpfAnterior = campo(m_linha, "CPF");
    const Funcionarios::Dados d = dados();
    const Funcionarios::Gravacao g = Funcionarios::salvar(DM->Conexao, d, c);
    if (g.recusa.recusado()) {
        Mensagem::info(g.recusa.mensagem);
        focarCampo(g.recusa.foco);
        return;
    }
    m_salvo = true;
    // The photo file follows the saved row: the picture the frame shows
    // (a capture, the stored photo, or the placeholder).
    if (!Funcionarios::gravarFoto(m_foto, g.arquivoFoto))
        Mensagem::aviso(QStringLiteral("O funcionário foi gravado, mas não foi possível gravar a foto em ")
                        + g.arquivoFoto + QLatin1Char('.'));
    m_visita.confirmar(Funcionarios::digitosCpf(d.cpf));
    Mensagem::info(g.mensagem);
    accept();
}

void TFrmCadFuncionarios::btnCancelarClick() { reject(); }

void TFrmCadFuncionarios::done(int r)
{
    if (!m_salvo)
        m_visita.cancelar();
    QDialog::done(r);
}

void TFrmCadFuncionarios::btnCapturarFotoClick()
{
    const QString digitos = TiraPontoTracoBarra(textoMascarado(edtCPF)).trimmed();
    if (digitos.isEmpty())
        return;
    // The camera writes <installation>/<digits>.bmp, made a JPEG beside it
    // and then moved among the employees' photos.
    const QString base = Caminhos::naInstalacao(digitos);
    if (!capturarFoto(this, base + QStringLiteral(".bmp")))
        return;
    try {
        ConverteParaJpeg(base);
    } catch (const ErroSistema &e) {
        Mensagem::erro(e.texto());
        return;
    }
    if (!m_visita.receberCaptura(digitos, base + QStringLiteral(".jpg"))) {
        Mensagem::aviso(QStringLiteral("Não foi possível guardar a foto capturada em ") + Funcionarios::pastaFotos()
                        + QLatin1Char('.'));
        return;
    }
    mostrarFoto(Funcionarios::lerFoto(QDir(Funcionarios::pastaFotos()).filePath(digitos + QStringLiteral(".jpg"))));
    btnExcluirFoto->setEnabled(true);
}

void TFrmCadFuncionarios::btnExcluirFotoClick()
{
    mostrarPadrao();
    btnExcluirFoto->setEnabled(false);
}

void TFrmCadFuncionarios::chkSolicitaPontoClick()
{
    const bool sim = chkSolicitaPonto->isChecked();
    for (QTimeEdit *t : {dtTurno1Ent, dtTurno1Sai, dtTurno2Ent, dtTurno2Sai, dtTurno3Ent, dtTurno3Sai, dtCargaDia}) {
        if (!sim)
            t->setTime(QTime(0, 0));
        t->setEnabled(sim);
    }
    chkPontoSabado->setEnabled(sim);
    chkPontoDomingo->setEnabled(sim);
    if (!sim) {
        for (QCheckBox *c : {chkPontoSabado, chkPontoDomingo})
            c->setChecked(false);
        for (QTimeEdit *t : {dtCargaSabado, dtCargaDomingo}) {
            t->setTime(QTime(0, 0));
            t->setEnabled(false);
        }
    }
}

void TFrmCadFuncionarios::chkPontoSabadoClick()
{
    const bool sim = chkPontoSabado->isChecked();
    if (!sim)
        dtCargaSabado->setTime(QTime(0, 0));
    dtCargaSabado->setEnabled(sim);
}

void TFrmCadFuncionarios::chkPontoDomingoClick()
{
    const bool sim = chkPontoDomingo->isChecked();
    if (!sim)
        dtCargaDomingo->setTime(QTime(0, 0));
    dtCargaDomingo->setEnabled(sim);
}
