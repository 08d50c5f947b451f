#include "core/UnitSplash.h"
#include "base/Caminhos.h"
#include "base/Mensagem.h"
#include "platform/Processos.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

TFrmSplash *FrmSplash = nullptr;

TFrmSplash::TFrmSplash(Inicio::SequenciaInicio &sequencia, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , m_sequencia(sequencia)
{
    setObjectName(QStringLiteral("FrmSplash"));
    setWindowTitle(QStringLiteral("Zentro Vedez 4"));

    auto *figura = new QLabel(this);
    figura->setAlignment(Qt::AlignCenter);
    const QPixmap imagem(Caminhos::naInstalacao(QStringLiteral("img/Quintara3.jpg")));
    if (!imagem.isNull())
        figura->setPixmap(imagem.scaled(520, 300, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        figura->setText(QStringLiteral("<span style='font-size:28pt;color:#000080'><b>Zentro Vedez 4</b></span>"));
    figura->setMinimumSize(520, 300);

    imgFechar = new QToolButton(this);
    imgFechar->setText(QStringLiteral("x"));
    imgFechar->setAutoRaise(true);
    imgFechar->setToolTip(QStringLiteral("Fechar"));
    connect(imgFechar, &QToolButton::clicked, this, &TFrmSplash::imgFecharClick);

    lblVersao = new QLabel(QStringLiteral("Versão 5.0"), this);
    lblData = new QLabel(QStringLiteral("23/10/2025"), this);
    lblStatus = new QLabel(QStringLiteral("Iniciando Zentro Vedez..."), this);
    Gauge1 = new QProgressBar(this);
    Gauge1->setRange(0, 100);
    Gauge1->setValue(0);
    Gauge1->setTextVisible(false);
    Gauge1->setFixedHeight(12);

    auto *topo = new QHBoxLayout;
    topo->addStretch();
    topo->addWidget(imgFechar);
    auto *rodape = new QHBoxLayout;
    rodape->addWidget(lblStatus, 1);
    rodape->addWidget(lblVersao);
    rodape->addSpacing(12);
    rodape->addWidget(lblData);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addWidget(figura, 1);
    layout->addLayout(rodape);
    layout->addWidget(Gauge1);
    setStyleSheet(QStringLiteral("TFrmSplash { background: white; border: 1px solid #000080; }"));

    tmrInicio = new QTimer(this);
    tmrInicio->setInterval(1);
    connect(tmrInicio, &QTimer::timeout, this, &TFrmSplash::tmrInicioTimer);
}

int TFrmSplash::executar()
{
    if (!Inicio::mostrar(m_sequencia.criacao()))
        return QDialog::Rejected;
    return exec();
}

void TFrmSplash::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_exibido)
        return;
    m_exibido = true;
    // A waiting update is installed instead of the rest of start-up.
    QTimer::singleShot(0, this, [this] {
        const Inicio::Resultado r = m_sequencia.exibicao();
        if (!Inicio::mostrar(r)) {
            reject();
            return;
        }
        tmrInicio->start();
    });
}

bool TFrmSplash::agir(int posicao)
{
    if (!Inicio::SequenciaInicio::kPosicoes.contains(posicao))
        return true;
    tmrInicio->stop();
    if (posicao == 100) {
        accept();
        return false;
    }
    const Inicio::Resultado r = m_sequencia.passo(posicao);
    if (!Inicio::mostrar(r)) {
        reject();
        return false;
    }
    // A short pause after each action, then one tick per millisecond again.
    QTimer::singleShot(pausaAcao, this, [this] {
        if (result() == 0 && isVisible())
            tmrInicio->start();
    });
    return true;
}

void TFrmSplash::tmrInicioTimer()
{
    const int posicao = Gauge1->value();
    if (!agir(posicao))
        return;
    if (Gauge1->value() < Gauge1->maximum())
        Gauge1->setValue(posicao + 1);
}

void TFrmSplash::imgFecharClick()
{
    if (!Mensagem::perguntaAviso(QString::fromUtf8(Inicio::kMsgEncerrarExecucao), {}, Mensagem::Nao))
        return;
    tmrInicio->stop();
    // Other copies of the program started from this installation go too.
    EncerrarProcesso(QString::fromLatin1(Inicio::kArquivoPrograma));
    reject();
}
