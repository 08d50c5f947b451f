#include "staff/UnitCadPonto.h"

#include "base/CabecalhoTela.h"
#include "base/Caminhos.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/TelaEdicao.h"
#include "core/UnitCaptura.h"
#include "staff/Funcionarios.h"
#include "staff/Ponto.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

TFrmCadPonto *FrmCadPonto = nullptr;

namespace {

const QString kBranco = QStringLiteral("\n");

QPixmap figura(const QImage &i, const QSize &tamanho)
{
    if (i.isNull())
        return {};
    return QPixmap::fromImage(i.scaled(tamanho, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QFrame *painel(QWidget *pai, const QColor &fundo)
{
    auto *f = new QFrame(pai);
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Window, fundo);
        p.setColor(g, QPalette::WindowText, Qt::white);
    }
    f->setPalette(p);
    f->hide();
    return f;
}

} // namespace

TFrmCadPonto::TFrmCadPonto(LivroPonto *livro, QWidget *parent) : QDialog(parent), m_livro(livro)
{
    setWindowTitle(QStringLiteral("Marcação de Ponto"));
    auto *raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(0, 0, 0, 0);
    m_conteudo = new QWidget(this);
    raiz->addWidget(m_conteudo);
    auto *layout = new QVBoxLayout(m_conteudo);

    const TopoEdicao topo = adicionarTopoEdicao(this, layout, QStringLiteral("CÓDIGO DA MARCAÇÃO:"),
                                                QStringLiteral("lblCodPonto"), QString(), true);
    imgCabecalho = topo.cabecalho;
    lblTitulo = topo.titulo;
    lblTitulo->setText(QStringLiteral("Marcação de Ponto"));
    lblCodPonto = topo.codigo;

    edtCracha = new QLineEdit(m_conteudo);
    edtCracha->setObjectName(QStringLiteral("edtCracha"));
    edtCracha->setMaxLength(20);
    edtCracha->setToolTip(QStringLiteral("Código do Cartão de Identificação"));
    layout->addWidget(edtCracha);

    pnlDados = new QGroupBox(m_conteudo);
    auto *g = new QGridLayout(pnlDados);
    cbFuncionario = new QComboBox(pnlDados);
    cbFuncionario->setObjectName(QStringLiteral("cbFuncionario"));
    cbFuncionario->setMinimumWidth(360);
    edtSenha = new QLineEdit(pnlDados);
    edtSenha->setObjectName(QStringLiteral("edtSenha"));
    edtSenha->setEchoMode(QLineEdit::Password);
    edtSenha->setMaxLength(10);
    connect(edtSenha, &QLineEdit::textEdited, edtSenha, [this](const QString &t) {
        const QString m = t.toLower();
        if (m != t) {
            const int pos = edtSenha->cursorPosition();
            edtSenha->setText(m);
            edtSenha->setCursorPosition(pos);
        }
    });
    edtObs = new QLineEdit(pnlDados);
    edtObs->setObjectName(QStringLiteral("edtObs"));
    emMaiusculas(edtObs, 250);
    dtData = new QDateEdit(Relogio::hoje(), pnlDados);
    dtData->setObjectName(QStringLiteral("dtData"));
    dtData->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtData->setCalendarPopup(true);
    dtData->setEnabled(false);
    dtHora = new QTimeEdit(Relogio::horaAtual(), pnlDados);
    dtHora->setObjectName(QStringLiteral("dtHora"));
    dtHora->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    dtHora->setEnabled(false);
    chkAtualizar = new QCheckBox(QStringLiteral("Atualizar Data e Hora Automáticamente"), pnlDados);
    chkAtualizar->setChecked(true);
    int r = 0;
    g->addWidget(new QLabel(QStringLiteral("Funcionário:"), pnlDados), r, 0);
    g->addWidget(cbFuncionario, r, 1, 1, 3);
    ++r;
    g->addWidget(new QLabel(QStringLiteral("Senha:"), pnlDados), r, 0);
    g->addWidget(edtSenha, r, 1);
    ++r;
    g->addWidget(new QLabel(QStringLiteral("Observações:"), pnlDados), r, 0);
    g->addWidget(edtObs, r, 1, 1, 3);
    ++r;
    g->addWidget(new QLabel(QStringLiteral("Data no Sistema:"), pnlDados), r, 0);
    g->addWidget(dtData, r, 1);
    g->addWidget(new QLabel(QStringLiteral("Hora no Sistema:"), pnlDados), r, 2);
    g->addWidget(dtHora, r, 3);
    ++r;
    g->addWidget(chkAtualizar, r, 1, 1, 3);
    layout->addWidget(pnlDados);

    grpFotos = new QGroupBox(QStringLiteral("Foto do Funcionário                    Foto Capturada"), m_conteudo);
    auto *lf = new QHBoxLayout(grpFotos);
    imgFotoFuncionario = new QLabel(grpFotos);
    imgFotoCapturada = new QLabel(grpFotos);
    for (QLabel *l : {imgFotoFuncionario, imgFotoCapturada}) {
        l->setFixedSize(160, 200);
        l->setFrameShape(QFrame::Box);
        l->setAlignment(Qt::AlignCenter);
        lf->addWidget(l);
    }
    grpFotos->hide();
    layout->addWidget(grpFotos);

    const BotoesEdicao botoes = adicionarBotoesEdicao(this, layout);
    btnConfirmar = botoes.confirmar;
    btnCancelar = botoes.cancelar;

    lblFaixa = new QLabel(
        QStringLiteral("Para Marcação Automática: Posicione o Cartão de Identificação Sobre a Luz do Leitor"), m_conteudo);
    lblFaixa->setObjectName(QStringLiteral("lblFaixa"));
    lblFaixa->setAlignment(Qt::AlignCenter);
    lblFaixa->setAutoFillBackground(true);
    {
        QPalette p = lblFaixa->palette();
        p.setColor(QPalette::Window, Qt::black);
        p.setColor(QPalette::WindowText, Qt::white);
        lblFaixa->setPalette(p);
        QFont f = lblFaixa->font();
        f.setBold(true);
        lblFaixa->setFont(f);
    }
    lblFaixa->setMinimumHeight(32);
    layout->addWidget(lblFaixa);

    menuAtalhos = instalarComportamentoEdicao(this, {[this] { btnConfirmarClick(); }, [this] { btnCancelarClick(); },
                                                     QStringLiteral("|| Confirmar - (F10) ||"),
                                                     QStringLiteral("|| Cancelar - (F12) ||")});
    // The badge reader's Enter reads the badge (not the next field).
    edtCracha->installEventFilter(this);

    // The kiosk's panels cover the whole screen.
    pnlSucesso = painel(this, QColor(0, 100, 0));
    auto *ls = new QHBoxLayout(pnlSucesso);
    imgFotoKiosk = new QLabel(pnlSucesso);
    imgFotoKiosk->setFixedSize(200, 250);
    imgFotoKiosk->setAlignment(Qt::AlignCenter);
    lblSucesso = new QLabel(pnlSucesso);
    lblSucesso->setObjectName(QStringLiteral("lblSucesso"));
    lblSucesso->setWordWrap(true);
    {
        QFont f = lblSucesso->font();
        f.setPointSize(f.pointSize() + 4);
        f.setBold(true);
        lblSucesso->setFont(f);
    }
    ls->addWidget(imgFotoKiosk);
    ls->addWidget(lblSucesso, 1);
    pnlErro = painel(this, QColor(160, 0, 0));
    auto *le = new QVBoxLayout(pnlErro);
    lblErro = new QLabel(pnlErro);
    lblErro->setObjectName(QStringLiteral("lblErro"));
    lblErro->setAlignment(Qt::AlignCenter);
    lblErro->setWordWrap(true);
    lblErro->setFont(lblSucesso->font());
    le->addWidget(lblErro);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
    Timer2 = new QTimer(this);
    Timer2->setInterval(1000);

    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadPonto::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadPonto::btnCancelarClick);
    connect(chkAtualizar, &QCheckBox::clicked, this, &TFrmCadPonto::chkAtualizarClick);
    connect(Timer1, &QTimer::timeout, this, &TFrmCadPonto::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TFrmCadPonto::Timer2Timer);

    carregarFuncionarios();
    connect(cbFuncionario, &QComboBox::currentIndexChanged, this, [this] { funcionarioEscolhido(); });
}

TFrmCadPonto::~TFrmCadPonto() { Sessao::atual().FotoOculta = false; }

void TFrmCadPonto::carregarFuncionarios()
{
    const qint64 atual = funcionarioAtual();
    const QSignalBlocker b(cbFuncionario);
    m_func = DM->Conexao.lerTodas(QStringLiteral("SELECT ID_FUNCIONARIO, CPF, NOME, SENHA_PONTO, FOTO FROM FUNCIONARIO "
                                                 "WHERE ")
                                  + Funcionarios::kCondicaoVivos + QStringLiteral(" ORDER BY NOME"));
    auto *modelo = new QStandardItemModel(0, 2, cbFuncionario);
    modelo->appendRow({new QStandardItem(QString()), new QStandardItem(QString())});
    for (const Linha &f : m_func)
        modelo->appendRow({new QStandardItem(f.texto(QStringLiteral("CPF")) + QStringLiteral(" /")),
                           new QStandardItem(f.texto(QStringLiteral("NOME")))});
    auto *vista = new QTableView(cbFuncionario);
    vista->horizontalHeader()->hide();
    vista->verticalHeader()->hide();
    vista->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista->horizontalHeader()->setStretchLastSection(true);
    cbFuncionario->setModel(modelo);
    cbFuncionario->setView(vista);
    vista->setColumnWidth(0, 120);
    cbFuncionario->setModelColumn(1);
    escolherFuncionario(atual);
}

const Linha *TFrmCadPonto::funcionario() const
{
    const int i = cbFuncionario->currentIndex() - 1;
    return i >= 0 && i < m_func.size() ? &m_func[i] : nullptr;
}

qint64 TFrmCadPonto::funcionarioAtual() const
{
    const Linha *f = funcionario();
    return f ? f->inteiro(QStringLiteral("ID_FUNCIONARIO")) : 0;
}

void TFrmCadPonto::escolherFuncionario(qint64 chave)
{
    int indice = 0;
    for (int i = 0; i < m_func.size(); ++i)
        if (m_func[i].inteiro(QStringLiteral("ID_FUNCIONARIO")) == chave)
            indice = i + 1;
    cbFuncionario->setCurrentIndex(indice);
}

void TFrmCadPonto::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    Sessao::atual().FotoOculta = true;
    Tipo.clear();
    imgCabecalho->setPixmap(imagemPadrao());
    Timer2Timer();
    chkAtualizarClick();
    if (tParametros().texto(QStringLiteral("PERMITIR_MARCACAO_MANUAL")) == QLatin1String("N"))
        chkAtualizar->hide();

    QString &op = m_livro->OP;
    if (op == QLatin1String("AUTO")) {
        op = QStringLiteral("I");
        m_quiosque = true;
        cbFuncionario->setEnabled(false);
    } else {
        edtCracha->hide();
    }
    const QVariantMap linha = m_livro->linhaAtual();
    if (op == QLatin1String("I")) {
        mostrarCodigoPrevisto();
        lblTitulo->setText(QStringLiteral("Marcar Ponto"));
    } else if (op == QLatin1String("A") || op == QLatin1String("V")) {
        const bool ver = op == QLatin1String("V");
        const Ponto::Marcacao m = Ponto::Marcacao::de(linha);
        lblCodPonto->setText(QString::number(m.id));
        lblTitulo->setText(ver ? QStringLiteral("Ver Ponto") : QStringLiteral("Alterar Ponto"));
        edtObs->setText(m.obs);
        escolherFuncionario(m.funcionario.toLongLong());
        cbFuncionario->setFocus();
        if (ver) {
            pnlDados->setEnabled(false);
            btnConfirmar->setEnabled(false);
            // the employee's photo and the one taken at the punch; one that
            // cannot be read leaves its frame empty
            const Linha f = Funcionarios::porChave(DM->Conexao, m.funcionario.toLongLong(), true);
            imgFotoFuncionario->setPixmap(figura(QImage(f.texto(QStringLiteral("FOTO"))), imgFotoFuncionario->size()));
            imgFotoCapturada->setPixmap(figura(QImage(m.foto), imgFotoCapturada->size()));
            grpFotos->show();
        }
    }
    Timer2->start();
    if (m_quiosque)
        edtCracha->setFocus();
    else if (op == QLatin1String("I"))
        cbFuncionario->setFocus();
}

void TFrmCadPonto::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    pnlSucesso->setGeometry(rect());
    pnlErro->setGeometry(rect());
}

void TFrmCadPonto::mostrarCodigoPrevisto() { lblCodPonto->setText(QString::number(Ponto::codigoPrevisto(DM->Conexao))); }

void TFrmCadPonto::funcionarioEscolhido()
{
    const Linha *f = funcionario();
    if (!f)
        return;
    imgFotoKiosk->setPixmap(figura(Funcionarios::lerFoto(f->texto(QStringLiteral("FOTO"))), imgFotoKiosk->size()));
    if (Ponto::modoAtual() == Ponto::Modo::Previsto && m_livro->OP == QLatin1String("I")) {
        if (const qint64 aberta = Ponto::primeiraAberta(DM->Conexao, f->inteiro(QStringLiteral("ID_FUNCIONARIO"))))
            lblCodPonto->setText(QString::number(aberta));
    }
}

bool TFrmCadPonto::eventFilter(QObject *o, QEvent *e)
{
    if (o == edtCracha && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            edtCrachaEnter();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmCadPonto::edtCrachaEnter()
{
    if (edtCracha->isReadOnly())
        return;
    const Linha f = Funcionarios::porCracha(DM->Conexao, edtCracha->text());
    if (f.vazia()) {
        iniciarTimer1(1); // unknown badge: the error panel
        return;
    }
    const qint64 chave = f.inteiro(QStringLiteral("ID_FUNCIONARIO"));
    escolherFuncionario(chave);
    if (funcionarioAtual() != chave) {
        // an employee stored after the screen opened
        carregarFuncionarios();
        escolherFuncionario(chave);
    }
    edtSenha->setText(f.texto(QStringLiteral("SENHA_PONTO")));
    btnConfirmarClick();
}

void TFrmCadPonto::btnConfirmarClick()
{
    if (!btnConfirmar->isEnabled())
        return;
    const Linha *f = funcionario();
    if (!f) {
        Mensagem::info(Ponto::kMsgFuncionarioInvalido);
        cbFuncionario->setFocus();
        return;
    }
    if (edtSenha->text() != f->texto(QStringLiteral("SENHA_PONTO"))) {
        Mensagem::info(Ponto::kMsgSenhaInvalida);
        edtSenha->setFocus();
        return;
    }
    if (m_livro->OP != QLatin1String("I"))
        return; // alter and view store nothing

    Ponto::Pedido p;
    p.funcionario = f->inteiro(QStringLiteral("ID_FUNCIONARIO"));
    p.nome = f->texto(QStringLiteral("NOME"));
    p.data = dtData->date();
    p.hora = dtHora->time();
    p.obs = edtObs->text();
    p.hoje = Relogio::hoje();
    p.modo = Ponto::modoAtual();
    const Ponto::Registro r = Ponto::marcar(DM->Conexao, p);
    if (r.jaCumpriu) {
        Mensagem::info(Ponto::kMsgJaCumpriu);
        return;
    }
    Tipo = r.tipo;
    lblCodPonto->setText(QString::number(r.chave));
    m_nomeSucesso = p.nome;
    if (tParametros().sim(QStringLiteral("FOTO_PONTO")))
        tirarFoto(r.chave);

    if (m_quiosque) {
        iniciarTimer1(0);
        mostrarCodigoPrevisto();
        escolherFuncionario(0);
        edtSenha->clear();
        edtObs->clear();
    } else {
        m_livro->reabrir();
        accept();
    }
}

void TFrmCadPonto::tirarFoto(qint64 chave)
{
    // The camera writes <installation>/<key>.bmp; made a JPEG, it goes to img/pnt.
    const QString base = Caminhos::naInstalacao(QString::number(chave));
    if (!capturarFoto(this, base + QStringLiteral(".bmp")))
        return;
    try {
        ConverteParaJpeg(base);
    } catch (const ErroSistema &) {
        QFile::remove(base + QStringLiteral(".bmp"));
        return; // the punch stands without its photo
    }
    if (Ponto::guardarFoto(DM->Conexao, chave, base + QStringLiteral(".jpg")).isEmpty())
        QFile::remove(base + QStringLiteral(".jpg"));
}

void TFrmCadPonto::iniciarTimer1(int tag)
{
    m_tag = tag;
    Timer1->stop();
    Timer1->setInterval(1);
    Timer1->start();
}

void TFrmCadPonto::Timer1Timer()
{
    m_conteudo->setEnabled(false);
    switch (m_tag) {
    case 0: {
        edtCracha->setReadOnly(true);
        const QDateTime agora = Relogio::agora();
        lblSucesso->setText(kBranco.repeated(5) + QStringLiteral("Marcação Efetuada com Sucesso! ") + kBranco.repeated(2)
                            + QStringLiteral("Funcionário: ") + m_nomeSucesso + kBranco + QStringLiteral("Tipo: ") + Tipo
                            + kBranco + QStringLiteral("Data: ") + agora.date().toString(QStringLiteral("dd/MM/yyyy"))
                            + kBranco + QStringLiteral("Hora: ") + agora.time().toString(QStringLiteral("HH:mm:ss"))
                            + kBranco.repeated(3) + QStringLiteral("Por Favor, Aguarde para a Próxima Marcação...!"));
        pnlSucesso->setGeometry(rect());
        pnlSucesso->show();
        pnlSucesso->raise();
        Timer1->setInterval(5000);
        m_tag = 3;
        break;
    }
    case 1:
        edtCracha->setReadOnly(true);
        lblErro->setText(QStringLiteral("Erro na Leitura do Cartão") + kBranco.repeated(5)
                         + QStringLiteral("Aguarde para Tentar Novamente..."));
        pnlErro->setGeometry(rect());
        pnlErro->show();
        pnlErro->raise();
        Timer1->setInterval(5000);
        m_tag = 3;
        break;
    default:
        edtCracha->setReadOnly(false);
        pnlSucesso->hide();
        pnlErro->hide();
        lblSucesso->clear();
        Timer1->stop();
        m_tag = 0;
        Timer1->setInterval(1);
        Tipo.clear();
        m_conteudo->setEnabled(true);
        edtCracha->selectAll();
        edtCracha->setFocus();
        break;
    }
}

void TFrmCadPonto::Timer2Timer()
{
    if (!chkAtualizar->isChecked())
        return;
    const QDateTime agora = Relogio::agora();
    dtData->setDate(agora.date());
    dtHora->setTime(agora.time());
}

void TFrmCadPonto::chkAtualizarClick()
{
    const bool auto_ = chkAtualizar->isChecked();
    if (auto_)
        Timer2Timer();
    dtData->setEnabled(!auto_);
    dtHora->setEnabled(!auto_);
}

void TFrmCadPonto::btnCancelarClick()
{
    m_livro->OP.clear();
    reject();
    m_livro->reabrir();
}

void TFrmCadPonto::done(int r)
{
    Timer1->stop();
    Timer2->stop();
    Sessao::atual().FotoOculta = false;
    QDialog::done(r);
}
