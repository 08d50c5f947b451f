#include "core/PainelSuporte.h"
#include "base/Caminhos.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "platform/Processos.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace PainelSuporte {

const char *const kMsgSucesso = "Comando Executado com Sucesso!";
const char *const kMsgErro = "Erro ao Executar Comando!";

std::function<void()> abrirSuporte;

bool executarComando(ConexaoBanco &conexao, const QString &sql)
{
    if (sql.trimmed().isEmpty())
        return false;
    try {
        conexao.emTransacao([&] { conexao.executar(sql); });
        return true;
    } catch (const ErroSistema &erro) {
        qWarning("Comando do suporte recusado: %s", qPrintable(erro.texto()));
        return false;
    }
}

QString programaIBO()
{
    return Caminhos::mapearWindows(QStringLiteral("C:\\Quintara\\BANCO DE DADOS\\IBO\\IBOConsole.exe"));
}

} // namespace PainelSuporte

TPainelSuporte::TPainelSuporte(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("pnlSuporte"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto *l = new QVBoxLayout(this);
    auto *titulo = new QLabel(QStringLiteral("Suporte"), this);
    QFont f = titulo->font();
    f.setBold(true);
    titulo->setFont(f);
    l->addWidget(titulo);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    l->addWidget(Memo1, 1);
    auto *botoes = new QHBoxLayout;
    btnExecutar = new QPushButton(QStringLiteral("Executar"), this);
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    btnComandosZentro = new QPushButton(QStringLiteral("Comandos Zentro"), this);
    btnIBO = new QPushButton(QStringLiteral("IBO"), this);
    for (QPushButton *b : {btnExecutar, btnCancelar, btnComandosZentro, btnIBO})
        botoes->addWidget(b);
    botoes->addStretch();
    l->addLayout(botoes);
    connect(btnExecutar, &QPushButton::clicked, this, &TPainelSuporte::btnExecutarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TPainelSuporte::btnCancelarClick);
    connect(btnComandosZentro, &QPushButton::clicked, this, &TPainelSuporte::btnComandosZentroClick);
    connect(btnIBO, &QPushButton::clicked, this, &TPainelSuporte::btnIBOClick);
    hide();
}

void TPainelSuporte::mostrar()
{
    const bool suporte = Sessao::atual().login == QLatin1String("SUPORTE");
    btnComandosZentro->setVisible(suporte);
    btnComandosZentro->setEnabled(bool(PainelSuporte::abrirSuporte));
    btnIBO->setVisible(suporte);
    show();
    raise();
    Memo1->setFocus();
}

void TPainelSuporte::btnExecutarClick()
{
    // The text stays in the box and the panel stays open either way.
    if (PainelSuporte::executarComando(DM->Conexao, Memo1->toPlainText()))
        Mensagem::info(QString::fromUtf8(PainelSuporte::kMsgSucesso));
    else
        Mensagem::info(QString::fromUtf8(PainelSuporte::kMsgErro));
}

void TPainelSuporte::btnCancelarClick()
{
    Memo1->clear();
    hide();
}

void TPainelSuporte::btnComandosZentroClick()
{
    if (PainelSuporte::abrirSuporte)
        PainelSuporte::abrirSuporte();
}

void TPainelSuporte::btnIBOClick()
{
    // A missing tool gives no message.
    const QString programa = PainelSuporte::programaIBO();
    Plataforma::processos().iniciar(programa, {}, QFileInfo(programa).path());
}
