#include "core/UnitLembretes.h"
#include "base/Rotinas.h"

#include "base/Grade.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/TelaEdicao.h"
#include "base/Telas.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

TFrmLembrete *FrmLembrete = nullptr;

TFrmLembrete::TFrmLembrete(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    resize(442, 593);
    auto *lay = new QVBoxLayout(this);

    auto *novo = new QGroupBox(QStringLiteral("Adiciona Novo Lembrete"));
    auto *ln = new QVBoxLayout(novo);
    ln->addWidget(new QLabel(QStringLiteral("Lembrete para UH:")));
    cbFiltroUsuario = new QComboBox;
    ln->addWidget(cbFiltroUsuario);
    ln->addWidget(new QLabel(QStringLiteral("Data e Hora do Aviso:")));
    auto *lh = new QHBoxLayout;
    dtData = new QDateEdit;
    dtData->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtData->setCalendarPopup(true);
    dtHora = new QTimeEdit;
    dtHora->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    lh->addWidget(dtData);
    lh->addWidget(dtHora);
    ln->addLayout(lh);
    memLembrete = new QPlainTextEdit;
    memLembrete->setEnabled(false);
    ln->addWidget(memLembrete);
    btnArquivar = new QPushButton(QStringLiteral("Arquivar"));
    ln->addWidget(btnArquivar);
    lay->addWidget(novo);

    auto *ativos = new QGroupBox(QStringLiteral("Lembretes Ativos"));
    auto *la = new QVBoxLayout(ativos);
    modelo = new ModeloConsulta(this);
    modelo->definirColunas({{QStringLiteral("NUMERO"), QStringLiteral("UH N.º")},
                            {QStringLiteral("DATA"), QStringLiteral("Data")},
                            {QStringLiteral("HORA"), QStringLiteral("Hora")},
                            {QStringLiteral("DESCRICAO"), QStringLiteral("Lembrete")},
                            {QStringLiteral("USUARIO"), QStringLiteral("Usuário")}});
    modelo->definirConsulta(Lembretes::sqlAtivos());
    grdLembretes = new QTableView;
    grdLembretes->setModel(modelo);
    prepararGrade(grdLembretes);
    la->addWidget(grdLembretes, 1);
    la->addWidget(new QLabel(QStringLiteral("Clique duas vezes sobre o lembrete para ver a descrição completa")));
    btnConcluido = new QPushButton(QStringLiteral("Concluído?"));
    la->addWidget(btnConcluido);
    lay->addWidget(ativos, 1);
    btnFechar = new QPushButton(QStringLiteral("Fechar"));
    lay->addWidget(btnFechar);

    for (auto *b : {btnArquivar, btnConcluido, btnFechar})
        b->setAutoDefault(false);
    cbFiltroUsuario->installEventFilter(this);
    memLembrete->installEventFilter(this);
    connect(cbFiltroUsuario, &QComboBox::currentIndexChanged, this, &TFrmLembrete::cbFiltroUsuarioChange);
    connect(btnArquivar, &QPushButton::clicked, this, &TFrmLembrete::btnArquivarClick);
    connect(btnConcluido, &QPushButton::clicked, this, &TFrmLembrete::btnConcluidoClick);
    connect(btnFechar, &QPushButton::clicked, this, &QDialog::reject);
    connect(grdLembretes, &QTableView::doubleClicked, this, &TFrmLembrete::grdLembretesDblClick);
}

void TFrmLembrete::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TFrmLembrete::FormShow()
{
    const QDateTime agora = Relogio::agora();
    dtData->setDate(agora.date());
    dtHora->setTime(agora.time());
    cbFiltroUsuario->blockSignals(true);
    cbFiltroUsuario->clear();
    for (const auto &e : Lembretes::estadiasAbertas(DM->Conexao))
        cbFiltroUsuario->addItem(e.legenda, e.idWalkIn);
    cbFiltroUsuario->setCurrentIndex(-1);
    cbFiltroUsuario->blockSignals(false);
    cbFiltroUsuarioChange();
    atualizarLista();
    cbFiltroUsuario->setFocus();
}

void TFrmLembrete::atualizarLista()
{
    modelo->abrir();
    btnConcluido->setEnabled(!modelo->vazia());
}

void TFrmLembrete::cbFiltroUsuarioChange()
{
    memLembrete->setEnabled(cbFiltroUsuario->currentIndex() >= 0);
}

void TFrmLembrete::btnArquivarClick()
{
    const qint64 estadia = cbFiltroUsuario->currentIndex() >= 0 ? cbFiltroUsuario->currentData().toLongLong() : 0;
    switch (Lembretes::arquivar(DM->Conexao, estadia, dtData->date(), dtHora->time(), memLembrete->toPlainText(), Sessao::atual().login)) {
    case Lembretes::Gravacao::SemUH:
        Mensagem::aviso(QString::fromUtf8(Lembretes::kMsgSemUH));
        cbFiltroUsuario->setFocus();
        return;
    case Lembretes::Gravacao::SemDescricao:
        Mensagem::aviso(QString::fromUtf8(Lembretes::kMsgSemDescricao));
        memLembrete->setFocus();
        return;
    case Lembretes::Gravacao::DescricaoLonga:
        Mensagem::aviso(QString::fromUtf8(Lembretes::kMsgDescricaoLonga));
        memLembrete->setFocus();
        return;
    case Lembretes::Gravacao::Gravado:
        break;
    }
    memLembrete->clear();
    cbFiltroUsuario->setCurrentIndex(-1);
    atualizarLista();
    cbFiltroUsuario->setFocus();
}

void TFrmLembrete::btnConcluidoClick()
{
    const int linha = grdLembretes->currentIndex().isValid() ? grdLembretes->currentIndex().row() : 0;
    if (modelo->vazia())
        return;
    Lembretes::concluir(DM->Conexao, modelo->inteiro(linha, QStringLiteral("ID_LEMBRETE")));
    atualizarLista();
    Mensagem::info(QString::fromUtf8(Lembretes::kMsgConcluido));
}

void TFrmLembrete::grdLembretesDblClick()
{
    if (!grdLembretes->currentIndex().isValid())
        return;
    const QString texto = modelo->texto(grdLembretes->currentIndex().row(), QStringLiteral("DESCRICAO"));
    if (!texto.isEmpty())
        Mensagem::info(texto);
}

bool TFrmLembrete::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent *>(e)->key();
        const bool enter = tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
        if (enter && o == cbFiltroUsuario) {
            dtData->setFocus();
            return true;
        }
        if (enter && o == memLembrete) {
            btnArquivarClick();
            return true;
        }
    } else if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
        if (o == cbFiltroUsuario || o == memLembrete)
            ColorirControle(static_cast<QWidget *>(o), e->type() == QEvent::FocusIn);
    }
    return QDialog::eventFilter(o, e);
}

void abrirLembretes() { Telas::abrir<TFrmLembrete>(FrmLembrete); }
