#include "core/UnitOnline.h"

#include "base/TelaEdicao.h"
#include "base/CabecalhoTela.h"
#include "base/Grade.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "core/UnitMonitor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

TFrmOnline *FrmOnline = nullptr;

TFrmOnline::TFrmOnline(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    resize(1024, 744);
    auto *lay = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    QAction *sair = menu->addAction(QStringLiteral("|| Sair - (Ctrl + X) ||"));
    sair->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    addAction(sair);
    connect(sair, &QAction::triggered, this, &QDialog::reject);
    lay->setMenuBar(menu);
    atalhosEmTodoCampo(this);

    auto *cabecalho = new QLabel;
    cabecalho->setPixmap(imagemPadrao());
    lay->addWidget(cabecalho);
    auto *titulo = new QLabel(QStringLiteral("Mapa de Rede (Usuários Online)"));
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    titulo->setFont(f);
    lay->addWidget(titulo);

    modelo = new ModeloConsulta(this);
    modelo->definirConsulta(QStringLiteral("SELECT * FROM ONLINE"));
    modelo->definirColunas({{QStringLiteral("USUARIO"), QStringLiteral("Usuário Logado"), FormatoColuna::Texto, 160},
                            {QStringLiteral("MAQUINA"), QStringLiteral("Nome da Máquina"), FormatoColuna::Texto, 240},
                            {QStringLiteral("IP"), QStringLiteral("IP da Máquina"), FormatoColuna::Texto, 140},
                            {QStringLiteral("ACAO"), QStringLiteral("Ação Atual"), FormatoColuna::Texto, 400}});
    grdOnline = new QTableView;
    grdOnline->setModel(modelo);
    prepararGrade(grdOnline);
    lay->addWidget(grdOnline, 1);

    auto *rodape = new QHBoxLayout;
    btnMonitor = new QPushButton(QStringLiteral("Monitor de Aplicativos (Alpha)"));
    btnSair = new QPushButton(QStringLiteral("Sair"));
    rodape->addWidget(btnMonitor);
    rodape->addStretch();
    rodape->addWidget(btnSair);
    lay->addLayout(rodape);

    tmrAtualizar = new QTimer(this);
    tmrAtualizar->setInterval(1000);
    connect(tmrAtualizar, &QTimer::timeout, this, &TFrmOnline::tmrAtualizarTimer);
    connect(btnMonitor, &QPushButton::clicked, this, &TFrmOnline::btnMonitorClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmOnline::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TFrmOnline::FormShow()
{
    AcaoAtual(QStringLiteral("Mapa de Usuários Online"));
    tmrAtualizarTimer();
    tmrAtualizar->start();
}

void TFrmOnline::tmrAtualizarTimer()
{
    // The grid keeps its row across the reread.
    const int linha = grdOnline->currentIndex().isValid() ? grdOnline->currentIndex().row() : 0;
    modelo->abrir();
    if (!modelo->vazia())
        grdOnline->selectRow(qMin(linha, modelo->total() - 1));
}

void TFrmOnline::btnMonitorClick()
{
    abrirMonitorAplicativos();
}

void abrirUsuariosOnline() { Telas::abrir<TFrmOnline>(FrmOnline); }
