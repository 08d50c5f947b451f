#include "core/UnitAcesso.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/TelaEdicao.h"
#include "base/UnitLog.h"
#include "platform/Estacao.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProxyStyle>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TFrmAcesso *FrmAcesso = nullptr;

namespace {
class EstiloSenha : public QProxyStyle {
public:
    int styleHint(StyleHint dica, const QStyleOption *opcao, const QWidget *widget,
                  QStyleHintReturn *retorno) const override
    {
        if (dica == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(dica, opcao, widget, retorno);
    }
};
} // namespace

TFrmAcesso::TFrmAcesso(QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setObjectName(QStringLiteral("FrmAcesso"));
    setWindowTitle(QStringLiteral("Acesso ao Sistema"));

    imgFechar = new QToolButton(this);
    imgFechar->setText(QStringLiteral("x"));
    imgFechar->setAutoRaise(true);
    imgFechar->setToolTip(QStringLiteral("Fechar"));
    imgFechar->setFocusPolicy(Qt::NoFocus);

    lblData = new QLabel(QLocale::system().toString(Relogio::hoje(), QLocale::LongFormat), this);

    cbUsuario = new QComboBox(this);
    cbUsuario->setPlaceholderText(QStringLiteral("USUÁRIO"));
    for (const Linha &l : Acesso::usuariosAtivos(DM->Conexao))
        cbUsuario->addItem(l.texto(QStringLiteral("LOGIN")), l.inteiro(QStringLiteral("ID_USUARIO")));
    cbUsuario->setCurrentIndex(-1);

    edtSenha = new QLineEdit(this);
    edtSenha->setEchoMode(QLineEdit::Password);
    // Each typed character shows as "*", whatever the desktop's style uses.
    auto *estiloSenha = new EstiloSenha;
    estiloSenha->setParent(edtSenha);
    edtSenha->setStyle(estiloSenha);
    edtSenha->setPlaceholderText(QStringLiteral("SENHA"));
    emMaiusculas(edtSenha, 10);

    btnAcessar = new QToolButton(this);
    btnAcessar->setText(QStringLiteral("Acessar"));
    btnAcessar->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    btnAcessar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btnAcessar->setIconSize(QSize(24, 24));

    QString empresa = DM->Conexao.ler(QStringLiteral("SELECT NOME_FANTASIA FROM PARAMETROS")).texto(
        QStringLiteral("NOME_FANTASIA"));
    if (empresa.size() > 30)
        empresa = empresa.left(30) + QStringLiteral("...");
    lblEmpresa = new QLabel(empresa, this);
    QFont fe = lblEmpresa->font();
    fe.setBold(true);
    lblEmpresa->setFont(fe);

    pnlAvisoTipoPC = new QWidget(this);
    auto *figuraAviso = new QLabel(pnlAvisoTipoPC);
    figuraAviso->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto *textoAviso = new QLabel(QStringLiteral("Atenção: Tipo de PC não cadastrado"), pnlAvisoTipoPC);
    textoAviso->setStyleSheet(QStringLiteral("color: #C00000; font-weight: bold;"));
    auto *la = new QHBoxLayout(pnlAvisoTipoPC);
    la->setContentsMargins(0, 0, 0, 0);
    la->addWidget(figuraAviso);
    la->addWidget(textoAviso, 1);

    auto *topo = new QHBoxLayout;
    auto *titulo = new QLabel(QStringLiteral("<b>Zentro Vedez 4</b>"), this);
    topo->addWidget(titulo);
    topo->addStretch();
    topo->addWidget(imgFechar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addWidget(lblData);
    layout->addWidget(cbUsuario);
    layout->addWidget(edtSenha);
    auto *acessar = new QHBoxLayout;
    acessar->addWidget(lblEmpresa, 1);
    acessar->addWidget(btnAcessar);
    layout->addLayout(acessar);
    layout->addWidget(pnlAvisoTipoPC);
    setStyleSheet(QStringLiteral("TFrmAcesso { border: 1px solid #000080; }"));

    const QString tipo = Sessao::atual().AuxTipoPC;
    const bool tipoConhecido = tipo == QLatin1String("RESTA") || tipo == QLatin1String("NORMA");
    pnlAvisoTipoPC->setVisible(!tipoConhecido);
    setFixedSize(360, tipoConhecido ? 200 : 273);

    connect(imgFechar, &QToolButton::clicked, this, &TFrmAcesso::imgFecharClick);
    connect(btnAcessar, &QToolButton::clicked, this, &TFrmAcesso::btnAcessarClick);
    connect(cbUsuario, &QComboBox::activated, this, &TFrmAcesso::cbUsuarioSelect);

    ComportamentoEdicao acoes;
    instalarComportamentoEdicao(this, acoes);
    // Installed last, so it sees Enter in the password before the move to the next field.
    edtSenha->installEventFilter(this);
    cbUsuario->setFocus();
}

bool TFrmAcesso::eventFilter(QObject *o, QEvent *e)
{
    if (o == edtSenha && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            btnAcessarClick();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

bool TFrmAcesso::escolherUsuario(const QString &login)
{
    const int i = cbUsuario->findText(login, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i < 0)
        return false;
    cbUsuario->setCurrentIndex(i);
    cbUsuarioSelect();
    return true;
}

void TFrmAcesso::cbUsuarioSelect() { edtSenha->setFocus(); }

void TFrmAcesso::btnAcessarClick()
{
    const QString login = cbUsuario->currentIndex() >= 0 ? cbUsuario->currentText() : QString();
    const Acesso::ResultadoLogin r = Acesso::tentarLogin(DM->Conexao, login, edtSenha->text());
    if (r.sucesso) {
        FECHOU = 1;
        accept();
        return;
    }
    Mensagem::info(QString::fromUtf8(Acesso::kMsgUsuarioSenhaIncorretos));
    cbUsuario->setCurrentIndex(-1);
    edtSenha->clear();
    cbUsuario->setFocus();
}

void TFrmAcesso::imgFecharClick()
{
    if (Mensagem::perguntaAviso(QStringLiteral("Deseja encerrar a execução do sistema?"), {}, Mensagem::Nao))
        reject();
}
