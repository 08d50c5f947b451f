#include "core/UnitMonitor.h"

#include "base/Relogio.h"
#include "base/Telas.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

TFrmMonitor *FrmMonitor = nullptr;

namespace Monitor {

std::function<QString()> tituloJanelaAtiva = tituloPadrao;

namespace {

QString rodar(const QString &programa, const QStringList &args)
{
    QProcess p;
    p.start(programa, args);
    if (!p.waitForFinished(300)) {
        p.kill();
        p.waitForFinished(100);
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

QString tituloPadrao()
{
    static const QString xprop = QStandardPaths::findExecutable(QStringLiteral("xprop"));
    if (!xprop.isEmpty() && qEnvironmentVariableIsSet("DISPLAY")) {
        // _NET_ACTIVE_WINDOW(WINDOW): window id # 0x3a00007
        const QString ativa = rodar(xprop, {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")});
        const auto m = QRegularExpression(QStringLiteral("#\\s*(0x[0-9a-fA-F]+)")).match(ativa);
        if (m.hasMatch() && m.captured(1) != QLatin1String("0x0")) {
            const QString nome = rodar(xprop, {QStringLiteral("-id"), m.captured(1), QStringLiteral("_NET_WM_NAME")});
            const auto n = QRegularExpression(QStringLiteral("=\\s*\"(.*)\"\\s*$")).match(nome.trimmed());
            if (n.hasMatch())
                return n.captured(1);
            return {};
        }
    }
    if (QWidget *w = QApplication::activeWindow())
        return w->windowTitle();
    return {};
}

} // namespace Monitor

TFrmMonitor::TFrmMonitor(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Monitor de aplicativos"));
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(new QLabel(QStringLiteral("Lista de aplicativos executados:")));
    memAplicativos = new QPlainTextEdit;
    memAplicativos->setReadOnly(true);
    memAplicativos->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lay->addWidget(memAplicativos, 1);
    auto *botoes = new QHBoxLayout;
    btnAtivar = new QPushButton(QStringLiteral("Ativar"));
    btnDesativar = new QPushButton(QStringLiteral("Desativar"));
    btnFechar = new QPushButton(QStringLiteral("&Fechar"));
    for (auto *b : {btnAtivar, btnDesativar, btnFechar}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    lay->addLayout(botoes);
    setFixedSize(480, 360);
    tmrMonitor = new QTimer(this);
    connect(tmrMonitor, &QTimer::timeout, this, &TFrmMonitor::tmrMonitorTimer);
    connect(btnAtivar, &QPushButton::clicked, this, &TFrmMonitor::btnAtivarClick);
    connect(btnDesativar, &QPushButton::clicked, this, &TFrmMonitor::btnDesativarClick);
    connect(btnFechar, &QPushButton::clicked, this, &QDialog::accept);
}

void TFrmMonitor::adicionar(const QString &texto)
{
    const QString hora = Relogio::horaAtual().toString(QStringLiteral("HH:mm:ss"));
    memAplicativos->appendPlainText(hora + QStringLiteral(" - ") + texto);
}

void TFrmMonitor::btnAtivarClick()
{
    tmrMonitor->start(500);
    adicionar(QStringLiteral("Monitor ativado..."));
}

void TFrmMonitor::btnDesativarClick()
{
    tmrMonitor->stop();
    adicionar(QStringLiteral("Monitor desativado..."));
}

void TFrmMonitor::tmrMonitorTimer()
{
    QString titulo = Monitor::tituloJanelaAtiva();
    while (!titulo.isEmpty() && titulo.back().isSpace())
        titulo.chop(1);
    if (titulo.isEmpty() || titulo == WindowOld)
        return;
    WindowOld = titulo;
    adicionar(titulo);
}

void abrirMonitorAplicativos() { Telas::abrir<TFrmMonitor>(FrmMonitor); }
