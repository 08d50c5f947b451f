#include "staff/UnitCadEscala.h"
#include "base/TelaLista.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "staff/Escala.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

TFrmCadEscala *FrmCadEscala = nullptr;

namespace {

// The periods with the weekday worked out by the database (0 is Sunday).
const QString kSqlPeriodosGrade = QStringLiteral(
    "SELECT D.ID_ESCALA_DET, D.DATA_INICIO, D.HORA_INICIO, D.DATA_TERMINO, D.HORA_TERMINO, F.NOME, "
    "CASE EXTRACT(WEEKDAY FROM D.DATA_INICIO) WHEN 0 THEN 'Domingo' WHEN 1 THEN 'Segunda-Feira' "
    "WHEN 2 THEN 'Terça-Feira' WHEN 3 THEN 'Quarta-Feira' WHEN 4 THEN 'Quinta-Feira' "
    "WHEN 5 THEN 'Sexta-Feira' ELSE 'Sábado' END AS DIA_SEMANA "
    "FROM ESCALA_DET D LEFT JOIN FUNCIONARIO F ON F.ID_FUNCIONARIO = D.ID_FUNCIONARIO "
    "WHERE D.ID_ESCALA = ? ORDER BY D.DATA_INICIO, D.HORA_INICIO, D.ID_ESCALA_DET");

QTableView *novaGrade(QWidget *pai, ModeloConsulta *modelo, const QString &nome)
{
    auto *g = new QTableView(pai);
    g->setObjectName(nome);
    g->setModel(modelo);
    prepararGrade(g);
    return g;
}

} // namespace

TFrmCadEscala::TFrmCadEscala(ListaCadastro *lista, QWidget *parent) : QDialog(parent), m_lista(lista)
{
    setWindowTitle(QStringLiteral("Escala de Trabalho"));
    resize(900, 620);
    auto *layout = new QVBoxLayout(this);
    const TopoEdicao topo = adicionarTopoEdicao(this, layout, QStringLiteral("CÓDIGO DA ESCALA:"),
                                                QStringLiteral("lblCodigo"), QString(), true);
    imgCabecalho = topo.cabecalho;
    lblTitulo = topo.titulo;
    lblCodigo = topo.codigo;
    lblCodigo->setStyleSheet(QStringLiteral("background-color: #C00000; color: white; padding: 2px;"));

    pnlCampos = new QWidget(this);
    auto *campos = new QVBoxLayout(pnlCampos);
    campos->setContentsMargins(0, 0, 0, 0);
    auto *form = new QFormLayout;
    edtDescricao = new QLineEdit(pnlCampos);
    edtDescricao->setObjectName(QStringLiteral("edtDescricao"));
    emMaiusculas(edtDescricao, 50);
    form->addRow(QStringLiteral("Descrição da Escala:"), edtDescricao);

    auto dataEdit = [this](const QString &nome) {
        auto *d = new QDateEdit(pnlCampos);
        d->setObjectName(nome);
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
        return d;
    };
    auto horaEdit = [this](const QString &nome) {
        auto *h = new QTimeEdit(pnlCampos);
        h->setObjectName(nome);
        h->setDisplayFormat(QStringLiteral("HH:mm"));
        return h;
    };
    dtpInicio = dataEdit(QStringLiteral("dtpInicio"));
    hrInicio = horaEdit(QStringLiteral("hrInicio"));
    dtpTermino = dataEdit(QStringLiteral("dtpTermino"));
    hrTermino = horaEdit(QStringLiteral("hrTermino"));
    dtpTermino->setReadOnly(true);
    hrTermino->setReadOnly(true);
    dtpTermino->setFocusPolicy(Qt::NoFocus);
    hrTermino->setFocusPolicy(Qt::NoFocus);
    hrCarga = horaEdit(QStringLiteral("hrCarga"));
    auto *inicio = new QHBoxLayout;
    inicio->addWidget(dtpInicio);
    inicio->addWidget(hrInicio);
    inicio->addSpacing(20);
    inicio->addWidget(new QLabel(QStringLiteral("Término:"), pnlCampos));
    inicio->addWidget(dtpTermino);
    inicio->addWidget(hrTermino);
    inicio->addSpacing(20);
    inicio->addWidget(new QLabel(QStringLiteral("Carga Horária:"), pnlCampos));
    inicio->addWidget(hrCarga);
    inicio->addStretch();
    form->addRow(QStringLiteral("Início:"), inicio);
    campos->addLayout(form);

    m_funcionarios = new ModeloConsulta(this);
    m_funcionarios->definirConsulta(Escala::kSqlFuncionarios);
    m_funcionarios->definirColunas({{QStringLiteral("NOME"), QStringLiteral("Funcionário"), FormatoColuna::Texto, 260}});
    m_periodos = new ModeloConsulta(this);
    m_periodos->definirColunas(
        {{QStringLiteral("DIA_SEMANA"), QStringLiteral("Dia da semana"), FormatoColuna::Texto, 110},
         {QStringLiteral("DATA_INICIO"), QStringLiteral("Data de Entrada"), FormatoColuna::Data, 95},
         {QStringLiteral("HORA_INICIO"), QStringLiteral("Hora de Entrada"), FormatoColuna::Hora, 95},
         {QStringLiteral("DATA_TERMINO"), QStringLiteral("Data de Saída"), FormatoColuna::Data, 95},
         {QStringLiteral("HORA_TERMINO"), QStringLiteral("Hora de Saída"), FormatoColuna::Hora, 95},
         {QStringLiteral("NOME"), QStringLiteral("Funcionário"), FormatoColuna::Texto, 200}});

    auto *grades = new QHBoxLayout;
    auto *gbFunc = new QGroupBox(QStringLiteral("Funcionários"), pnlCampos);
    auto *lf = new QVBoxLayout(gbFunc);
    dbgFuncionarios = novaGrade(gbFunc, m_funcionarios, QStringLiteral("dbgFuncionarios"));
    lf->addWidget(dbgFuncionarios);
    auto *notaFunc = new QLabel(QStringLiteral("* Para incluir funcionários na escala, selecione a data de início e a "
                                               "carga horária a ser trabalhada e clique duas vezes sobre o nome do "
                                               "funcionário"),
                                gbFunc);
    notaFunc->setWordWrap(true);
    lf->addWidget(notaFunc);
    auto *gbEscala = new QGroupBox(QStringLiteral("Montagem da Escala"), pnlCampos);
    auto *le = new QVBoxLayout(gbEscala);
    auto *notaEscala =
        new QLabel(QStringLiteral("* Para remover período da escala, clique duas vezes sobre o período abaixo"), gbEscala);
    notaEscala->setWordWrap(true);
    le->addWidget(notaEscala);
    dbgEscala = novaGrade(gbEscala, m_periodos, QStringLiteral("dbgEscala"));
    le->addWidget(dbgEscala);
    grades->addWidget(gbFunc, 1);
    grades->addWidget(gbEscala, 2);
    campos->addLayout(grades, 1);
    layout->addWidget(pnlCampos, 1);

    const BotoesEdicao botoes = adicionarBotoesEdicao(this, layout);
    btnConfirmar = botoes.confirmar;
    btnCancelar = botoes.cancelar;
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadEscala::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadEscala::btnCancelarClick);
    connect(dbgFuncionarios, &QTableView::doubleClicked, this,
            [this](const QModelIndex &i) { dbgFuncionariosDblClick(i.row()); });
    connect(dbgEscala, &QTableView::doubleClicked, this, [this](const QModelIndex &i) { dbgEscalaDblClick(i.row()); });
    connect(dtpInicio, &QDateEdit::dateChanged, this, &TFrmCadEscala::calcularTermino);
    connect(hrInicio, &QTimeEdit::timeChanged, this, &TFrmCadEscala::calcularTermino);
    connect(hrCarga, &QTimeEdit::timeChanged, this, &TFrmCadEscala::calcularTermino);

    menuAtalhos = instalarComportamentoEdicao(
        this, {[this] {
                   if (btnConfirmar->isEnabled())
                       btnConfirmar->click();
               },
               [this] { btnCancelar->click(); }, QStringLiteral("|| Confirmar Escala  - (F10) ||"),
               QStringLiteral("|| Cancelar Escala - (F12) ||")});
}

void TFrmCadEscala::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    Confirma = false;
    imgCabecalho->setPixmap(imagemPadrao());
    m_modo = m_lista ? modoDeOP(m_lista->OP) : ModoEdicao::Incluir;
    if (m_modo == ModoEdicao::Incluir) {
        m_reserva.aoAbandonar(Escala::sqlLimpezaNovo());
        m_reserva.reservar(QStringLiteral("GEN_ID_ESCALA"));
        m_chave = m_reserva.valor();
        lblTitulo->setText(QStringLiteral("Nova Escala"));
    } else {
        m_chave = m_lista->lista->inteiro(QStringLiteral("ID_ESCALA"));
        edtDescricao->setText(m_lista->lista->texto(QStringLiteral("DESCRICAO")));
        lblTitulo->setText(m_modo == ModoEdicao::Alterar ? QStringLiteral("Alterar Escala")
                                                         : QStringLiteral("Ver Escala"));
    }
    lblCodigo->setText(QString::number(m_chave));
    dtpInicio->setDate(Relogio::hoje());
    hrInicio->setTime(QTime(0, 0));
    hrCarga->setTime(QTime(0, 0));
    m_funcionarios->abrir();
    abrirPeriodos(false);
    calcularTermino();
    if (m_modo == ModoEdicao::Ver) {
        pnlCampos->setEnabled(false);
        btnConfirmar->setEnabled(false);
        btnCancelar->setFocus();
    } else {
        edtDescricao->setFocus();
    }
}

void TFrmCadEscala::abrirPeriodos(bool ultima)
{
    m_periodos->definirConsulta(kSqlPeriodosGrade, {m_chave});
    m_periodos->abrir();
    if (ultima) {
        m_periodos->buscarTodas();
        if (m_periodos->total() > 0)
            dbgEscala->selectRow(m_periodos->total() - 1);
    }
}

void TFrmCadEscala::calcularTermino()
{
    const Escala::Periodo p = Escala::periodo(dtpInicio->date(), hrInicio->time(), hrCarga->time());
    dtpTermino->setDate(p.dataTermino);
    hrTermino->setTime(p.horaTermino);
}

void TFrmCadEscala::dbgFuncionariosDblClick(int linha)
{
    if (m_modo == ModoEdicao::Ver || linha < 0 || linha >= m_funcionarios->total())
        return;
    const qint64 funcionario = m_funcionarios->inteiro(linha, QStringLiteral("ID_FUNCIONARIO"));
    const Escala::Periodo p = Escala::periodo(dtpInicio->date(), hrInicio->time(), hrCarga->time());
    if (Escala::incluirPeriodo(DM->Conexao, m_chave, funcionario, p) == 0) {
        Mensagem::info(Escala::kMsgFuncionarioInvalido);
        m_funcionarios->abrir();
        return;
    }
    abrirPeriodos(true);
    // the chain moves on: the next period starts where this one ended
    const QSignalBlocker b1(dtpInicio), b2(hrInicio);
    dtpInicio->setDate(p.dataTermino);
    hrInicio->setTime(p.horaTermino);
    calcularTermino();
}

void TFrmCadEscala::dbgEscalaDblClick(int linha)
{
    if (m_modo == ModoEdicao::Ver || linha < 0 || linha >= m_periodos->total())
        return;
    Escala::removerPeriodo(DM->Conexao, m_periodos->inteiro(linha, QStringLiteral("ID_ESCALA_DET")));
    abrirPeriodos(false);
}

void TFrmCadEscala::btnConfirmarClick()
{
    if (m_modo == ModoEdicao::Ver)
        return;
    const Escala::Resultado r = Escala::salvar(DM->Conexao, m_modo, m_chave, edtDescricao->text());
    if (!r.salvo) {
        Mensagem::info(r.mensagem);
        if (r.focoDescricao)
            edtDescricao->setFocus();
        return;
    }
    Confirma = true;
    if (m_modo == ModoEdicao::Incluir)
        m_reserva.confirmar();
    Mensagem::info(r.mensagem);
    accept();
}

void TFrmCadEscala::btnCancelarClick() { reject(); }

void TFrmCadEscala::done(int r)
{
    // Left unsaved: a new schedule's periods go with it.
    if (!Confirma && m_modo == ModoEdicao::Incluir)
        m_reserva.abandonar();
    if (m_lista)
        m_lista->OP.clear();
    QDialog::done(r);
}
