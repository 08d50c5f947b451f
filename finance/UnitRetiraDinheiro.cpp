#include "finance/UnitRetiraDinheiro.h"
#include "base/UnitDM.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/TelaEdicao.h"
#include "base/UnitLog.h"
#include "finance/Caixa.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

TFrmRetiraDinheiro *FrmRetiraDinheiro = nullptr;
std::function<void()> TFrmRetiraDinheiro::abrirNotas;
std::function<void()> TFrmRetiraDinheiro::recarregarLista;

namespace {

const QString kAdicionar = QStringLiteral("Adicionar ");
const QString kRetirar = QStringLiteral("Retirar ");

QPushButton *botao(const QString &legenda, QWidget *pai, const char *nome)
{
    auto *b = new QPushButton(legenda, pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TFrmRetiraDinheiro::TFrmRetiraDinheiro(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Operações Financeiras"));
    auto *layout = new QVBoxLayout(this);
    auto *cabecalho = criarCabecalhoTela(this);
    layout->addWidget(cabecalho);

    auto *operacoes = new QHBoxLayout;
    btnAdicionar = botao(QStringLiteral("Adicionar"), this, "btnAdicionar");
    btnRetirar = botao(QStringLiteral("Retirar"), this, "btnRetirar");
    btnAPrazo = botao(QStringLiteral("A Prazo"), this, "btnAPrazo");
    operacoes->addWidget(btnAdicionar);
    operacoes->addWidget(btnRetirar);
    operacoes->addStretch();
    operacoes->addWidget(btnAPrazo);
    layout->addLayout(operacoes);

    lblOp = new QLabel(QStringLiteral("-"), this);
    lblOp->setObjectName(QStringLiteral("lblOp"));
    QFont f = lblOp->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    lblOp->setFont(f);
    layout->addWidget(lblOp);

    rgMeios = new QGroupBox(QStringLiteral("Forma de Pagamento"), this);
    rgMeios->setObjectName(QStringLiteral("rgMeios"));
    auto *grade = new QGridLayout(rgMeios);
    m_grupo = new QButtonGroup(this);
    m_grupo->setExclusive(true);
    int i = 0;
    for (const DadosMeioCaixa &m : meiosCaixa()) {
        if (m.meio == MeioCaixa::APrazo)
            continue;
        auto *rb = new QRadioButton(m.escolha, rgMeios);
        rbMeios.append(rb);
        m_grupo->addButton(rb, int(m.meio));
        grade->addWidget(rb, i % 4, i / 4);
        ++i;
    }
    rgMeios->setEnabled(false);
    layout->addWidget(rgMeios);

    auto *campos = new QFormLayout;
    edtValor = new QLineEdit(QStringLiteral("0,00"), this);
    edtValor->setObjectName(QStringLiteral("edtValor"));
    edtValor->setAlignment(Qt::AlignRight);
    edtValor->setMaximumWidth(180);
    edtValor->setMaxLength(20);
    edtValor->setEnabled(false);
    edtValor->installEventFilter(this);
    mmObs = new QPlainTextEdit(this);
    mmObs->setObjectName(QStringLiteral("mmObs"));
    mmObs->setTabChangesFocus(true);
    mmObs->setFixedHeight(90);
    mmObs->setEnabled(false);
    campos->addRow(QStringLiteral("Valor:"), edtValor);
    campos->addRow(QStringLiteral("Observações:"), mmObs);
    layout->addLayout(campos);

    auto *botoes = new QHBoxLayout;
    btnConfirmar = botao(QStringLiteral("Confirmar"), this, "btnConfirmar");
    btnCancelar = botao(QStringLiteral("Cancelar"), this, "btnCancelar");
    btnConfirmar->setEnabled(false);
    botoes->addStretch();
    botoes->addWidget(btnConfirmar);
    botoes->addWidget(btnCancelar);
    layout->addLayout(botoes);

    btnAPrazo->setEnabled(bool(abrirNotas));
    // At most the reason's width, line breaks included.
    connect(mmObs, &QPlainTextEdit::textChanged, this, [this] {
        const QString t = mmObs->toPlainText();
        if (t.size() <= Caixa::kTamanhoObservacoes)
            return;
        mmObs->setPlainText(t.left(Caixa::kTamanhoObservacoes));
        QTextCursor c = mmObs->textCursor();
        c.movePosition(QTextCursor::End);
        mmObs->setTextCursor(c);
    });
    connect(btnAPrazo, &QPushButton::clicked, this, &TFrmRetiraDinheiro::btnAPrazoClick);
    connect(btnAdicionar, &QPushButton::clicked, this, &TFrmRetiraDinheiro::btnAdicionarClick);
    connect(btnRetirar, &QPushButton::clicked, this, &TFrmRetiraDinheiro::btnRetirarClick);
    connect(m_grupo, &QButtonGroup::idClicked, this, &TFrmRetiraDinheiro::rgMeiosClick);
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmRetiraDinheiro::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmRetiraDinheiro::btnCancelarClick);
}

std::optional<MeioCaixa> TFrmRetiraDinheiro::meioEscolhido() const
{
    const int id = m_grupo->checkedId();
    if (id < 0)
        return std::nullopt;
    return MeioCaixa(id);
}

bool TFrmRetiraDinheiro::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        AcaoAtual(QStringLiteral("Operações Financeiras"));
    return QDialog::event(e);
}

bool TFrmRetiraDinheiro::eventFilter(QObject *o, QEvent *e)
{
    if (o == edtValor) {
        if (e->type() == QEvent::FocusIn) {
            // Typed over without thousands dots; a text that is not an amount stays as typed.
            const Caixa::LeituraValor v = Caixa::lerValor(edtValor->text());
            if (v.valor)
                edtValor->setText(v.valor->formatado().remove(QLatin1Char('.')));
            // Typing replaces the amount (after the click that gave the focus).
            QTimer::singleShot(0, edtValor, &QLineEdit::selectAll);
            ColorirEdit(edtValor, true);
        } else if (e->type() == QEvent::FocusOut) {
            const Caixa::LeituraValor v = Caixa::lerValor(edtValor->text());
            if (edtValor->text().trimmed().isEmpty())
                edtValor->setText(QStringLiteral("0,00"));
            else if (v.valor)
                edtValor->setText(v.valor->formatado());
            ColorirEdit(edtValor, false);
        } else if (e->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent *>(e)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                if (btnConfirmar->isEnabled())
                    btnConfirmarClick();
                return true;
            }
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmRetiraDinheiro::escolherOperacao(const QString &palavra)
{
    lblOp->setText(palavra);
    // Nothing chosen: the group lets go of its choice only while not exclusive.
    m_grupo->setExclusive(false);
    for (QRadioButton *rb : std::as_const(rbMeios))
        rb->setChecked(false);
    m_grupo->setExclusive(true);
    rgMeios->setEnabled(true);
    btnConfirmar->setEnabled(false);
}

void TFrmRetiraDinheiro::btnAdicionarClick() { escolherOperacao(kAdicionar); }
void TFrmRetiraDinheiro::btnRetirarClick() { escolherOperacao(kRetirar); }

void TFrmRetiraDinheiro::rgMeiosClick()
{
    const std::optional<MeioCaixa> meio = meioEscolhido();
    if (!meio)
        return;
    const QString palavra = lblOp->text().startsWith(kAdicionar) ? kAdicionar : kRetirar;
    lblOp->setText(palavra + dadosMeio(*meio).escolha);
    rgMeios->setEnabled(false);
    btnConfirmar->setEnabled(true);
    edtValor->setEnabled(true);
    mmObs->setEnabled(true);
    edtValor->setText(QStringLiteral("0,00"));
    mmObs->clear();
    edtValor->setFocus();
}

void TFrmRetiraDinheiro::btnConfirmarClick()
{
    // A second press while the first is at work, or after the booking, books nothing.
    if (m_confirmando || m_concluida)
        return;
    const std::optional<MeioCaixa> meio = meioEscolhido();
    Caixa::Operacao operacao;
    if (lblOp->text().startsWith(kAdicionar))
        operacao = Caixa::Operacao::Adicionar;
    else if (lblOp->text().startsWith(kRetirar))
        operacao = Caixa::Operacao::Retirar;
    else
        return;
    if (!meio)
        return;
    m_confirmando = true;
    struct Fim {
        bool &f;
        ~Fim() { f = false; }
    } fim{m_confirmando};

    const Caixa::ResultadoOperacao r = Caixa::operar(DM->Conexao, operacao, *meio, edtValor->text(), mmObs->toPlainText());
    m_concluida = r.feito;
    for (const Caixa::Aviso &a : r.avisos)
        Mensagem::mostrar(a.tipo, a.texto, Mensagem::Ok, Mensagem::Ok);
    if (r.feito) {
        if (recarregarLista)
            recarregarLista();
        accept();
        return;
    }
    if (r.foco == Caixa::ResultadoOperacao::Foco::Observacoes)
        mmObs->setFocus();
    else if (r.foco == Caixa::ResultadoOperacao::Foco::Valor)
        edtValor->setFocus();
}

void TFrmRetiraDinheiro::btnAPrazoClick()
{
    if (abrirNotas)
        abrirNotas();
}

void TFrmRetiraDinheiro::btnCancelarClick() { reject(); }
