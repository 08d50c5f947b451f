#include "core/UnitAcesso.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
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

namespace Acesso {

const char *const kMsgUsuarioSenhaIncorretos = "Usuário ou Senha Incorreto(s)!";

namespace {
const char *const kSelecaoUsuario =
    "SELECT ID_USUARIO, LOGIN, SENHA, INCLUI, ALTERA, EXCLUI, CONSULTA, IMPRIME, UTILITARIOS, PARAMETROS, "
    "MOVIMENTOS, USUARIOS, ACESSO_TOTAL FROM USUARIO "
    "WHERE ID_USUARIO NOT IN (SELECT ID_USUARIO FROM ANULACAO) AND LOGIN = ? AND SENHA = ?";
} // namespace

QList<Linha> usuariosAtivos()
{
    return DM->Conexao.lerTodas(QStringLiteral("SELECT ID_USUARIO, LOGIN FROM USUARIO "
                                               "WHERE ID_USUARIO NOT IN (SELECT ID_USUARIO FROM ANULACAO) "
                                               "ORDER BY LOGIN"));
}

Direitos direitosDe(const Linha &u)
{
    const auto s = [&u](const char *coluna) { return u.texto(QString::fromLatin1(coluna)) == QLatin1String("S"); };
    Direitos d;
    d.INCLUI = s("INCLUI");
    d.ALTERA = s("ALTERA");
    d.EXCLUI = s("EXCLUI");
    d.CONSULTA = s("CONSULTA");
    d.IMPRIME = s("IMPRIME");
    d.UTILITARIOS = s("UTILITARIOS");
    d.PARAMETROS = s("PARAMETROS");
    d.MOVIMENTOS = s("MOVIMENTOS");
    d.USUARIOS = s("USUARIOS");
    d.ACESSO_TOTAL = s("ACESSO_TOTAL");
    return d;
}

ResultadoLogin tentarLogin(const QString &login, const QString &senha)
{
    // Texts wider than their columns match no user. The columns count
    // characters (an emoji is one), as the user form does when it saves.
    const bool cabe = contarCaracteres(login) <= 10 && contarCaracteres(senha) <= 10;
    const QList<Linha> linhas =
        cabe ? DM->Conexao.lerTodas(QString::fromLatin1(kSelecaoUsuario), {login, senha}) : QList<Linha>();
    if (linhas.size() != 1) {
        // Logged on its own, under the label's login of this moment.
        NovoRegistrarLog(QStringLiteral("Acesso de Sistema"), QString::fromUtf8(kMsgUsuarioSenhaIncorretos), QString());
        return {};
    }
    const Linha usuario = linhas.first();
    Sessao &s = Sessao::atual();
    const Sessao anterior = s;
    s.idUsuario = usuario.inteiro(QStringLiteral("ID_USUARIO"));
    s.AuxUsu = QString::number(s.idUsuario) + QLatin1Char(' ') + senha;
    s.direitos = direitosDe(usuario);
    s.login = usuario.texto(QStringLiteral("LOGIN"));
    try {
        DM->Conexao.emTransacao([&] {
            const Linha presente = DM->Conexao.ler(
                QStringLiteral("SELECT FIRST 1 ID_ONLINE FROM ONLINE WHERE USUARIO = ? AND MAQUINA = ?"),
                {s.login, s.AuxNomePC.left(100)});
            if (presente.vazia())
                DM->Conexao.executar(QStringLiteral("INSERT INTO ONLINE (USUARIO, IP, MAQUINA) VALUES (?, ?, ?)"),
                                     {s.login, Estacao::ipLocal().left(15), s.AuxNomePC.left(100)});
            NovoRegistrarLog(QStringLiteral("Acesso de Sistema"), QStringLiteral("Acesso Realizado com Sucesso"),
                             QString());
        });
    } catch (...) {
        s = anterior;
        throw;
    }
    return {true, usuario};
}

} // namespace Acesso

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
    for (const Linha &l : Acesso::usuariosAtivos())
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
    const Acesso::ResultadoLogin r = Acesso::tentarLogin(login, edtSenha->text());
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
