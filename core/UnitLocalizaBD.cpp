#include "core/UnitLocalizaBD.h"
#include "base/Telas.h"
#include "core/Inicializacao.h"
#include "base/Mensagem.h"
#include "base/TelaEdicao.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TFrmLocalizaBD *FrmLocalizaBD = nullptr;

TFrmLocalizaBD::TFrmLocalizaBD(QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , arquivoParam(Inicio::arquivoParamNovo())
{
    setObjectName(QStringLiteral("FrmLocalizaBD"));
    const QString titulo = QStringLiteral("Informe a Localização do Banco de Dados:");
    setWindowTitle(titulo);

    auto *lblTitulo = new QLabel(titulo, this);
    QFont f = lblTitulo->font();
    f.setBold(true);
    lblTitulo->setFont(f);

    edtCaminho = new QLineEdit(this);
    edtCaminho->setMinimumWidth(420);
    edtCaminho->installEventFilter(this);
    btnProcurar = new QToolButton(this);
    btnProcurar->setText(QStringLiteral("..."));
    btnProcurar->setToolTip(QStringLiteral("Localizar Banco de Dados Quintara"));
    btnConfirmar = new QPushButton(QStringLiteral("Confirmar"), this);
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    btnConfirmar->setAutoDefault(false);
    btnCancelar->setAutoDefault(false);

    auto *linha = new QHBoxLayout;
    linha->addWidget(edtCaminho, 1);
    linha->addWidget(btnProcurar);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnConfirmar);
    botoes->addWidget(btnCancelar);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblTitulo);
    layout->addLayout(linha);
    layout->addLayout(botoes);
    setStyleSheet(QStringLiteral("TFrmLocalizaBD { border: 1px solid #000080; }"));

    connect(btnProcurar, &QToolButton::clicked, this, &TFrmLocalizaBD::btnProcurarClick);
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmLocalizaBD::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmLocalizaBD::btnCancelarClick);
    ComportamentoEdicao acoes;
    instalarComportamentoEdicao(this, acoes);
}

bool TFrmLocalizaBD::eventFilter(QObject *o, QEvent *e)
{
    if (o == edtCaminho && e->type() == QEvent::FocusOut)
        edtCaminhoExit();
    return QDialog::eventFilter(o, e);
}

void TFrmLocalizaBD::edtCaminhoExit()
{
    const QString limpo = Inicio::limparCaminhoColado(edtCaminho->text());
    if (limpo != edtCaminho->text())
        edtCaminho->setText(limpo);
}

void TFrmLocalizaBD::btnProcurarClick()
{
    QFileDialog dlg(this, QStringLiteral("Localizar Banco de Dados Quintara"));
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setNameFilter(QStringLiteral("Arquivos de Banco de Dados do Quintara - (*.FDB)"));
    if (Telas::executar(&dlg, typeid(QFileDialog)) == QDialog::Accepted && !dlg.selectedFiles().isEmpty())
        edtCaminho->setText(QDir::toNativeSeparators(dlg.selectedFiles().first()));
}

void TFrmLocalizaBD::btnConfirmarClick()
{
    edtCaminhoExit();
    const QString caminho = edtCaminho->text().trimmed();
    if (caminho.isEmpty()) {
        Mensagem::aviso(QString::fromUtf8(Inicio::kMsgCaminhoInvalido));
        edtCaminho->setFocus();
        return;
    }
    QString erro;
    if (!Inicio::gravarParamLocalizador(arquivoParam, caminho, &erro)) {
        Mensagem::erro(QStringLiteral("Não foi possível gravar o arquivo %1:\n%2")
                           .arg(QDir::toNativeSeparators(arquivoParam), erro));
        edtCaminho->setFocus();
        return;
    }
    Mensagem::info(QString::fromUtf8(Inicio::kMsgLocalizacaoRegistrada));
    done(QDialog::Accepted);
}

void TFrmLocalizaBD::btnCancelarClick()
{
    Mensagem::info(QString::fromUtf8(Inicio::kMsgSemBanco));
    done(QDialog::Rejected);
}
