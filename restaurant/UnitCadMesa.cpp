#include "restaurant/UnitCadMesa.h"
#include "base/CabecalhoTela.h"
#include "base/Digitacao.h"
#include "base/Mensagem.h"
#include "base/TelaEdicao.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmCadMesa *FrmCadMesa = nullptr;

TFrmCadMesa::TFrmCadMesa(QuadroMesas *mesas, QWidget *parent)
    : QDialog(parent ? parent : (mesas ? mesas->tela() : nullptr)), m_mesas(mesas)
{
    const Mesas::Textos &t = m_mesas->textos;
    m_op = m_mesas->OP;
    setWindowTitle(t.titulo);
    auto *raiz = new QVBoxLayout(this);
    raiz->addWidget(criarCabecalhoTela(this));
    lblTitulo = new QLabel(m_op == QLatin1String("A") ? t.alterar : t.novo, this);
    QFont f = lblTitulo->font();
    f.setPointSize(16);
    f.setBold(true);
    lblTitulo->setFont(f);
    raiz->addWidget(lblTitulo);
    auto *form = new QFormLayout;
    lblCodigo = new QLabel(this);
    lblCodigo->setFont(f);
    edtDescricao = new QLineEdit(this);
    edtDescricao->setMaxLength(Mesas::kTamanhoDescricao);
    connect(edtDescricao, &QLineEdit::textEdited, this, [this](const QString &s) {
        if (s != s.toUpper()) {
            const int p = edtDescricao->cursorPosition();
            edtDescricao->setText(s.toUpper());
            edtDescricao->setCursorPosition(p);
        }
    });
    form->addRow(QStringLiteral("CÓDIGO:"), lblCodigo);
    form->addRow(QStringLiteral("Descrição:"), edtDescricao);
    raiz->addLayout(form);
    auto *botoes = new QHBoxLayout;
    btnAdicionarAutomaticamente = new QPushButton(QStringLiteral("Adicionar Automáticamente"), this);
    btnConfirmar = new QPushButton(QStringLiteral("Confirmar"), this);
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    for (QPushButton *b : {btnAdicionarAutomaticamente, btnConfirmar, btnCancelar})
        b->setAutoDefault(false);
    botoes->addWidget(btnAdicionarAutomaticamente);
    botoes->addStretch();
    botoes->addWidget(btnConfirmar);
    botoes->addWidget(btnCancelar);
    raiz->addLayout(botoes);
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCadMesa::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCadMesa::btnCancelarClick);
    connect(btnAdicionarAutomaticamente, &QPushButton::clicked, this, &TFrmCadMesa::btnAdicionarAutomaticamenteClick);
    edtDescricao->installEventFilter(this);

    const std::optional<Mesas::Mesa> m = m_mesas->mesaAtual();
    if (m_op == QLatin1String("A") && m) {
        m_id = m->id;
        lblCodigo->setText(QString::number(m->id));
        edtDescricao->setText(m->descricao);
    } else {
        mostrarProximo();
    }
    edtDescricao->setFocus();
}

void TFrmCadMesa::mostrarProximo()
{
    lblCodigo->setText(QString::number(Mesas::proximoNumero(DM->Conexao)));
    edtDescricao->clear();
    edtDescricao->setFocus();
}

bool TFrmCadMesa::eventFilter(QObject *o, QEvent *e)
{
    if (o == edtDescricao && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut))
        ColorirEdit(edtDescricao, e->type() == QEvent::FocusIn);
    if (o == edtDescricao && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            btnConfirmarClick();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmCadMesa::btnConfirmarClick()
{
    const QString d = edtDescricao->text();
    if (d.trimmed().isEmpty()) {
        Mensagem::info(Mesas::kMsgDescricaoInvalida);
        edtDescricao->setFocus();
        return;
    }
    if (m_op == QLatin1String("A")) {
        Mesas::alterarMesa(DM->Conexao, m_id, d);
        Mensagem::info(Mesas::kMsgOperacaoEfetuada);
        accept();
        return;
    }
    Mesas::incluirMesa(DM->Conexao, d);
    if (Mensagem::pergunta(Mesas::kMsgCadastradaOutra))
        mostrarProximo();
    else
        accept();
}

void TFrmCadMesa::btnCancelarClick() { reject(); }

void TFrmCadMesa::btnAdicionarAutomaticamenteClick()
{
    Digitacao::Pedido p;
    p.titulo = Mesas::kTituloGerar;
    p.rotulo = Mesas::kRotuloQuantidade;
    p.padrao = QStringLiteral("1");
    const std::optional<QString> q = Digitacao::pedir(p);
    if (!q)
        return; // given up: nothing created
    const Mesas::Criacao c = Mesas::criarMesas(DM->Conexao, m_mesas->textos, *q);
    if (!c.feito) {
        Mensagem::aviso(c.mensagem);
        return;
    }
    m_mesas->atualizar();
    Mensagem::info(Mesas::kMsgOperacaoEfetuada);
    accept();
}
