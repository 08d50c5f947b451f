#include "integration/UnitNonoDigito.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "integration/NonoDigito.h"

#include <QApplication>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TFrmNonoDigito *FrmNonoDigito = nullptr;

namespace {

// A count on its coloured band.
QLabel *faixa(QWidget *pai, QVBoxLayout *l, const QString &legenda, const char *cor, const char *nome)
{
    auto *quadro = new QFrame(pai);
    quadro->setAutoFillBackground(true);
    quadro->setStyleSheet(QStringLiteral("QFrame { background: %1; } QLabel { color: black; }").arg(QLatin1String(cor)));
    auto *h = new QHBoxLayout(quadro);
    auto *numero = new QLabel(QStringLiteral("0"), quadro);
    numero->setObjectName(QString::fromLatin1(nome));
    QFont f = numero->font();
    f.setPointSize(f.pointSize() + 8);
    f.setBold(true);
    numero->setFont(f);
    numero->setMinimumWidth(110);
    numero->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    h->addWidget(numero);
    h->addWidget(new QLabel(legenda, quadro), 1);
    l->addWidget(quadro);
    return numero;
}

class GaugeNono : public Integracao::Andamento {
public:
    explicit GaugeNono(QProgressBar *g) : m_g(g) {}
    void mostrar(int maximo) override
    {
        m_g->setRange(0, qMax(1, maximo));
        m_g->setValue(0);
        m_g->show();
    }
    void avancar() override
    {
        m_g->setValue(qMin(m_g->maximum(), m_g->value() + 1));
        if (m_g->value() % 200 == 0)
            QApplication::processEvents();
    }
    void esconder() override { m_g->hide(); }

private:
    QProgressBar *m_g;
};

} // namespace

TFrmNonoDigito::TFrmNonoDigito(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmNonoDigito"));
    setWindowTitle(QStringLiteral("Atualização 9° Dígito"));
    resize(520, 420);
    auto *l = new QVBoxLayout(this);
    Label1 = faixa(this, l, QStringLiteral("telefones encontrados"), "#8CC6FF", "Label1");
    Label3 = faixa(this, l, QStringLiteral("telefones sem DDD"), "#FF9D6F", "Label3");
    Label5 = faixa(this, l, QStringLiteral("telefones sem 9° Dígito"), "#FF6464", "Label5");

    auto *ddds = new QFrame(this);
    ddds->setAutoFillBackground(true);
    ddds->setStyleSheet(QStringLiteral("QFrame { background: #FFFFD9; } QLabel { color: black; }"));
    auto *ld = new QVBoxLayout(ddds);
    ld->addWidget(new QLabel(QStringLiteral("DDDs que serão atualizados:"), ddds));
    Label9 = new QLabel(ddds);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setWordWrap(true);
    ld->addWidget(Label9);
    l->addWidget(ddds);

    auto *sem = new QFrame(this);
    sem->setAutoFillBackground(true);
    sem->setStyleSheet(QStringLiteral("QFrame { background: #28890C; } QLabel { color: white; }"));
    auto *ls = new QHBoxLayout(sem);
    ls->addWidget(new QLabel(QStringLiteral("Preencher números sem DDD"), sem), 1);
    edtDDD = new QLineEdit(sem);
    edtDDD->setObjectName(QStringLiteral("edtDDD"));
    edtDDD->setReadOnly(true);
    edtDDD->setMaxLength(2);
    edtDDD->setFixedWidth(50);
    ls->addWidget(edtDDD);
    l->addWidget(sem);

    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->hide();
    l->addWidget(Gauge1);
    btnConfirmar = new QPushButton(QStringLiteral("Confirmar"), this);
    btnConfirmar->setObjectName(QStringLiteral("btnConfirmar"));
    l->addWidget(btnConfirmar);
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmNonoDigito::btnConfirmarClick);
}

void TFrmNonoDigito::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        contar();
}

void TFrmNonoDigito::contar()
{
    Label9->setText(NonoDigito::ddds(DM->Conexao).join(QStringLiteral(", ")));
    qtdSemDDD = 0;
    qtdSem9Dig = 0;
    edtDDD->setText(NonoDigito::dddDoHotel(tParametros().texto(QStringLiteral("FONE1"))));
    const NonoDigito::Contagem c = NonoDigito::contar(DM->Conexao);
    // The total counts up (in a few dozen steps however large it is).
    const int passo = qMax(1, c.encontrados / 40);
    for (int i = 0; i < c.encontrados; i += passo) {
        Label1->setText(QString::number(i));
        Label1->repaint();
    }
    Label1->setText(QString::number(c.encontrados));
    qtdSemDDD = c.semDDD;
    qtdSem9Dig = c.sem9;
    Label3->setText(QString::number(qtdSemDDD));
    Label5->setText(QString::number(qtdSem9Dig));
}

void TFrmNonoDigito::btnConfirmarClick()
{
    const QString ddd = edtDDD->text();
    const int semDDD = ddd.isEmpty() ? 0 : qtdSemDDD;
    if (ddd.isEmpty() && qtdSemDDD > 0)
        Mensagem::aviso(QStringLiteral("O telefone do hotel nos Parâmetros não começa com o DDD entre parênteses, "
                                       "como (11)3456-7890: os %1 telefones sem DDD ficarão como estão.")
                            .arg(qtdSemDDD));
    if (semDDD + qtdSem9Dig < 1) {
        Mensagem::info(NonoDigito::kMsgNadaAAtualizar);
        return;
    }
    GaugeNono gauge(Gauge1);
    try {
        NonoDigito::atualizar(DM->Conexao, ddd, gauge);
    } catch (const ErroSistema &e) {
        Mensagem::erro(e.texto());
        return;
    }
    tParametros().recarregar();
    btnConfirmar->setEnabled(false);
    contar();
    Mensagem::info(NonoDigito::kMsgAtualizados);
}

namespace NonoDigito {
void abrirNonoDigito() { Telas::abrir<TFrmNonoDigito>(FrmNonoDigito); }
} // namespace NonoDigito
