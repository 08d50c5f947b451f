#include "rooms/UnitCadCaracUH.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "rooms/CaracUH.h"

#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TFrmCadCaracUH *FrmCadCaracUH = nullptr;

TFrmCadCaracUH::TFrmCadCaracUH(const QString &op, qint64 id, QWidget *parent)
    : QDialog(parent)
    , m_modo(modoDeOP(op))
    , m_id(id)
{
    const bool modoValido = op == QLatin1String("I") || op == QLatin1String("A") || op == QLatin1String("V");
    setWindowTitle(QStringLiteral("Característica"));
    auto *layout = new QVBoxLayout(this);
    const TopoEdicao topo = adicionarTopoEdicao(this, layout, QStringLiteral("CÓDIGO DA CARACTERÍSTICA:"),
                                                QStringLiteral("lblCodCarac"), QStringLiteral("X"));
    imgCabecalho = topo.cabecalho;
    lblTitulo = topo.titulo;
    lblCodCarac = topo.codigo;

    pnlDados = new QWidget(this);
    auto *campos = new QFormLayout(pnlDados);
    edtDescricao = new QLineEdit(pnlDados);
    edtDescricao->setObjectName(QStringLiteral("edtDescricao"));
    emMaiusculas(edtDescricao, CaracUH::kTamDescricao);
    edtSigla = new QLineEdit(pnlDados);
    edtSigla->setObjectName(QStringLiteral("edtSigla"));
    emMaiusculas(edtSigla, CaracUH::kTamSigla);
    edtSigla->setMaximumWidth(80);
    auto *linhaSimbolo = new QHBoxLayout;
    edtSimbolo = new QLineEdit(pnlDados);
    edtSimbolo->setObjectName(QStringLiteral("edtSimbolo"));
    edtSimbolo->setMaxLength(CaracUH::kTamSimbolo + 2); // room for the quotes the dialog may add
    edtSimbolo->installEventFilter(this);
    btnProcurarSimbolo = new QToolButton(pnlDados);
    btnProcurarSimbolo->setText(QStringLiteral("..."));
    btnProcurarSimbolo->setToolTip(QStringLiteral("Procurar Símbolo"));
    imgSimbolo = new QLabel(pnlDados);
    imgSimbolo->setObjectName(QStringLiteral("imgSimbolo"));
    imgSimbolo->setFixedSize(30, 30);
    imgSimbolo->setScaledContents(true);
    imgSimbolo->hide();
    linhaSimbolo->addWidget(edtSimbolo, 1);
    linhaSimbolo->addWidget(btnProcurarSimbolo);
    linhaSimbolo->addWidget(imgSimbolo);
    campos->addRow(QStringLiteral("Descrição:"), edtDescricao);
    campos->addRow(QStringLiteral("Sigla:"), edtSigla);
    campos->addRow(QStringLiteral("Símbolo:"), linhaSimbolo);
    layout->addWidget(pnlDados);

    const BotoesEdicao botoes = adicionarBotoesEdicao(this, layout);
    btnConfirmar = botoes.confirmar;
    btnCancelar = botoes.cancelar;
    resize(660, sizeHint().height());

    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadCaracUH::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadCaracUH::btnCancelarClick);
    connect(btnProcurarSimbolo, &QToolButton::clicked, this, &TFrmCadCaracUH::btnProcurarSimboloClick);
    connect(edtSimbolo, &QLineEdit::textChanged, this, &TFrmCadCaracUH::edtSimboloChange);

    if (!modoValido) {
        // nothing is filled; the code stays "X"
        m_modo = ModoEdicao::Ver;
        pnlDados->setEnabled(false);
        btnConfirmar->setEnabled(false);
    } else if (m_modo == ModoEdicao::Incluir) {
        m_chave.reservar(QStringLiteral("GEN_ID_CARAC_UH"));
        m_id = m_chave.valor();
        lblCodCarac->setText(QString::number(m_id));
        lblTitulo->setText(QStringLiteral("Nova Característica"));
    } else {
        const Linha l = DM->Conexao.ler(QStringLiteral("SELECT * FROM CARAC_UH WHERE ID_CARAC_UH = ?"), {id});
        lblCodCarac->setText(QString::number(id));
        lblTitulo->setText(m_modo == ModoEdicao::Alterar ? QStringLiteral("Alterar Característica")
                                                         : QStringLiteral("Ver Característica"));
        m_descricaoAtual = l.texto(QStringLiteral("DESCRICAO"));
        edtDescricao->setText(m_descricaoAtual);
        edtSigla->setText(l.texto(QStringLiteral("SIGLA")));
        edtSimbolo->setText(l.texto(QStringLiteral("SIMBOLO")));
        if (m_modo == ModoEdicao::Ver) {
            pnlDados->setEnabled(false);
            btnConfirmar->setEnabled(false);
        }
    }
    setWindowTitle(lblTitulo->text().isEmpty() ? QStringLiteral("Característica") : lblTitulo->text());

    menuAtalhos = instalarComportamentoEdicao(
        this, {[this] { btnConfirmarClick(); }, [this] { btnCancelar->click(); },
               QStringLiteral("|| Confirmar Característica  - (F10) ||"),
               QStringLiteral("|| Cancelar Característica - (F12) ||")});
}

void TFrmCadCaracUH::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    imgCabecalho->setPixmap(imagemPadrao());
    if (pnlDados->isEnabled())
        edtDescricao->setFocus();
    else
        btnCancelar->setFocus();
}

void TFrmCadCaracUH::edtSimboloChange()
{
    const auto p = CaracUH::carregarSimbolo(CaracUH::limparCaminho(edtSimbolo->text()));
    if (!p) {
        imgSimbolo->clear();
        imgSimbolo->hide();
        return;
    }
    imgSimbolo->setPixmap(*p);
    imgSimbolo->show();
}

bool TFrmCadCaracUH::eventFilter(QObject *o, QEvent *e)
{
    // a path the file dialog wrapped in double quotes loses them when left
    if (o == edtSimbolo && e->type() == QEvent::FocusOut) {
        const QString limpo = CaracUH::limparCaminho(edtSimbolo->text());
        if (limpo != edtSimbolo->text())
            edtSimbolo->setText(limpo);
    }
    return QDialog::eventFilter(o, e);
}

void TFrmCadCaracUH::btnProcurarSimboloClick()
{
    QFileDialog d(this, QStringLiteral("Símbolo"), QString(),
                  QStringLiteral("Imagens Para Símbolo de Característica (*.jpg *.bmp)"));
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    if (Telas::executar(&d, typeid(QFileDialog)) != QDialog::Accepted || d.selectedFiles().isEmpty())
        return;
    edtSimbolo->setText(d.selectedFiles().constFirst());
    edtSimbolo->setFocus();
}

void TFrmCadCaracUH::btnConfirmarClick()
{
    if (m_modo == ModoEdicao::Ver)
        return;
    const CaracUH::Resultado r = CaracUH::confirmar(
        DM->Conexao, m_modo, m_id, m_descricaoAtual, {edtDescricao->text(), edtSigla->text(), edtSimbolo->text()});
    if (!r.salvo) {
        Mensagem::info(r.mensagem);
        QLineEdit *foco = r.foco == CaracUH::Campo::Simbolo ? edtSimbolo : edtDescricao;
        foco->setFocus();
        foco->selectAll();
        return;
    }
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
    // another one: the next key, empty fields
    m_chave.reservar(QStringLiteral("GEN_ID_CARAC_UH"));
    m_id = m_chave.valor();
    lblCodCarac->setText(QString::number(m_id));
    edtDescricao->clear();
    edtSigla->clear();
    edtSimbolo->clear();
    edtDescricao->setFocus();
}

void TFrmCadCaracUH::btnCancelarClick() { reject(); }
