#include "base/Icones.h"
#include "base/Caminhos.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHash>
#include <QStyle>

namespace Icones {
namespace {

// Ribbon handler -> icon. A report shows the picture of its subject.
const QHash<QString, QString> &porComando()
{
    static const QHash<QString, QString> m{
        // Cadastros
        {QStringLiteral("dxBarLargeButton1Click"), QStringLiteral("chronometer")},
        {QStringLiteral("btnClientesClick"), QStringLiteral("view-pim-contacts")},
        {QStringLiteral("btnFornecedoresClick"), QStringLiteral("x-office-address-book")},
        {QStringLiteral("dxBarLargeButton4Click"), QStringLiteral("system-users")},
        {QStringLiteral("btnCaracUHClick"), QStringLiteral("format-list-unordered")},
        {QStringLiteral("btnTiposUHClick"), QStringLiteral("view-catalog")},
        {QStringLiteral("btnPDVClick"), QStringLiteral("preferences-desktop-peripherals")},
        {QStringLiteral("btnProdutosServicosClick"), QStringLiteral("package-x-generic")},
        {QStringLiteral("btnItensClick"), QStringLiteral("archive-insert")},
        {QStringLiteral("dxBarLargeButton45Click"), QStringLiteral("secure-card")},
        {QStringLiteral("btnReservasClick"), QStringLiteral("view-calendar")},
        {QStringLiteral("btnCentralUHClick"), QStringLiteral("go-home")},
        // Financeiro
        {QStringLiteral("dxBarLargeButton12Click"), QStringLiteral("wallet-open")},
        {QStringLiteral("btnMovimentoFinanceiroClick"), QStringLiteral("view-financial-list")},
        {QStringLiteral("btnPagFuncionariosClick"), QStringLiteral("view-financial-payment-mode")},
        {QStringLiteral("dxBarLargeButton14Click"), QStringLiteral("document-sign")},
        // Consultas
        {QStringLiteral("btnHospedesClick"), QStringLiteral("im-user")},
        {QStringLiteral("btnVeiculosClick"), QStringLiteral("text-x-vcard")},
        {QStringLiteral("btnWalkInClick"), QStringLiteral("contact-new")},
        {QStringLiteral("btnAniversariantesClick"), QStringLiteral("view-calendar-birthday")},
        {QStringLiteral("btnOnlineClick"), QStringLiteral("network-workgroup")},
        {QStringLiteral("btnChatClick"), QStringLiteral("view-conversation-balloon")},
        {QStringLiteral("btnEscalaClick"), QStringLiteral("view-time-schedule")},
        {QStringLiteral("btnLembreteClick"), QStringLiteral("view-pim-notes")},
        // Fiscalização
        {QStringLiteral("dxBarLargeButton23Click"), QStringLiteral("printer")},
        {QStringLiteral("btnNotasFiscaisClick"), QStringLiteral("x-office-document")},
        // Gráficos
        {QStringLiteral("btnGrafOcupacaoClick"), QStringLiteral("office-chart-bar")},
        {QStringLiteral("btnGrafFinanceiroClick"), QStringLiteral("office-chart-line")},
        // Relatórios
        {QStringLiteral("btnRelClientesClick"), QStringLiteral("view-pim-contacts")},
        {QStringLiteral("btnRelUHClick"), QStringLiteral("go-home")},
        {QStringLiteral("btnRelWalkInClick"), QStringLiteral("contact-new")},
        {QStringLiteral("btnRelFornecedoresClick"), QStringLiteral("x-office-address-book")},
        {QStringLiteral("btnRelProdutosServicosClick"), QStringLiteral("package-x-generic")},
        {QStringLiteral("btnRelAniversariantesClick"), QStringLiteral("view-calendar-birthday")},
        {QStringLiteral("dxBarButton6Click"), QStringLiteral("system-users")},
        {QStringLiteral("btnRelItensEstoqueClick"), QStringLiteral("archive-insert")},
        {QStringLiteral("btnRelCafeClick"), QStringLiteral("view-calendar-day")},
        {QStringLiteral("dxBarButton9Click"), QStringLiteral("chronometer")},
        {QStringLiteral("btnRelReservasClick"), QStringLiteral("view-calendar")},
        {QStringLiteral("btnRelOsMaisMaisClick"), QStringLiteral("rating")},
        {QStringLiteral("btnRelEscalaClick"), QStringLiteral("view-time-schedule")},
        {QStringLiteral("btnRelVeiculosClick"), QStringLiteral("text-x-vcard")},
        {QStringLiteral("btnRelNFClick"), QStringLiteral("x-office-document")},
        {QStringLiteral("btnRelMovFinanceiroClick"), QStringLiteral("view-financial-list")},
        {QStringLiteral("btnRelFolhaPagamentoClick"), QStringLiteral("view-financial-payment-mode")},
        {QStringLiteral("btnRelExtratoContaClick"), QStringLiteral("view-bank-account")},
        {QStringLiteral("btnRelExtratoUHClick"), QStringLiteral("document-preview")},
        // Utilitários
        {QStringLiteral("dxBarLargeButton27Click"), QStringLiteral("document-save-all")},
        {QStringLiteral("btnAnulacoesClick"), QStringLiteral("user-trash")},
        {QStringLiteral("btnCalculadoraClick"), QStringLiteral("accessories-calculator")},
        {QStringLiteral("btnSuporteClick"), QStringLiteral("help-browser")},
        {QStringLiteral("btnNonoDigitoClick"), QStringLiteral("phone")},
        // Configurações
        {QStringLiteral("btnParametrosClick"), QStringLiteral("preferences-system")},
        {QStringLiteral("btnUsuariosClick"), QStringLiteral("user-group-properties")},
        // Informações
        {QStringLiteral("btnLogClick"), QStringLiteral("utilities-log-viewer")},
        {QStringLiteral("btnVerificarAtualizacoesClick"), QStringLiteral("system-software-update")},
        {QStringLiteral("btnSobreClick"), QStringLiteral("help-about")},
        // Integração
        {QStringLiteral("dxBarLargeButton39Click"), QStringLiteral("folder-sync")},
        {QStringLiteral("dxBarLargeButton47Click"), QStringLiteral("document-export")},
    };
    return m;
}

struct Botao {
    const char *legenda;   // caption without "&"
    const char *nome;      // the control's name
    const char *icone;
};
// The screens' common buttons.
constexpr Botao kBotoes[] = {
    {"Confirmar", "btnConfirmar", "dialog-ok-apply"},
    {"Cancelar", "btnCancelar", "dialog-cancel"},
    {"Imprimir", "btnImprimir", "document-print"},
    {"Sair", "btnSair", "application-exit"},
};

// The survey buttons have no handler; their captions name them.
const QHash<QString, QString> &porLegendaSemComando()
{
    static const QHash<QString, QString> m{
        {QStringLiteral("Análises"), QStringLiteral("office-chart-pie")},
        {QStringLiteral("Perguntas"), QStringLiteral("help-hint")},
        {QStringLiteral("Respostas"), QStringLiteral("mail-reply-sender")},
    };
    return m;
}

QString pastaSistema() { return QStringLiteral("/usr/share/icons/oxygen/base"); }

QStyle::StandardPixmap reserva(const QString &nome)
{
    if (nome == QLatin1String("dialog-ok-apply"))
        return QStyle::SP_DialogApplyButton;
    if (nome == QLatin1String("dialog-cancel"))
        return QStyle::SP_DialogCancelButton;
    if (nome == QLatin1String("application-exit"))
        return QStyle::SP_DialogCloseButton;
    return QStyle::SP_FileIcon;
}

class FiltroBotoes : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Polish)
            if (auto *b = qobject_cast<QAbstractButton *>(o))
                aplicar(b);
        return false;
    }
};

} // namespace

QString arquivo(const QString &nome, int tamanho)
{
    if (nome.isEmpty())
        return {};
    const QString local =
        Caminhos::naInstalacao(QStringLiteral("icones/%1/%2.png").arg(tamanho).arg(nome));
    if (QFileInfo::exists(local))
        return local;
    const QDir pasta(QStringLiteral("%1/%2x%2").arg(pastaSistema()).arg(tamanho));
    for (const QString &ctx : pasta.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString f = pasta.filePath(ctx + QLatin1Char('/') + nome + QStringLiteral(".png"));
        if (QFileInfo::exists(f))
            return f;
    }
    return {};
}

QIcon icone(const QString &nome)
{
    static QHash<QString, QIcon> cache;
    const auto it = cache.constFind(nome);
    if (it != cache.cend())
        return *it;
    QIcon i;
    for (int t : kTamanhos) {
        const QString f = arquivo(nome, t);
        if (!f.isEmpty())
            i.addFile(f, QSize(t, t));
    }
    if (i.isNull() && !nome.isEmpty())
        i = QIcon::fromTheme(nome);
    if (i.isNull() && !nome.isEmpty() && qApp)
        i = QApplication::style()->standardIcon(reserva(nome));
    cache.insert(nome, i);
    return i;
}

QString nomeDoComando(const QString &manipulador) { return porComando().value(manipulador); }

QIcon doComando(const QString &manipulador) { return icone(nomeDoComando(manipulador)); }

QString nomeDoBotao(const QString &legenda, const QString &nomeObjeto)
{
    QString l = legenda;
    l.remove(QLatin1Char('&'));
    l = l.trimmed();
    for (const Botao &b : kBotoes)
        if (l == QLatin1String(b.legenda) || nomeObjeto == QLatin1String(b.nome))
            return QString::fromLatin1(b.icone);
    return porLegendaSemComando().value(l);
}

void aplicar(QAbstractButton *botao)
{
    if (!botao || !botao->icon().isNull())
        return;
    // The survey captions name icons only on the ribbon.
    QString l = botao->text();
    l.remove(QLatin1Char('&'));
    if (porLegendaSemComando().contains(l.trimmed()))
        return;
    const QString nome = nomeDoBotao(botao->text(), botao->objectName());
    if (!nome.isEmpty())
        botao->setIcon(icone(nome));
}

void instalarNosBotoes()
{
    static FiltroBotoes *filtro = nullptr;
    if (filtro || !qApp)
        return;
    filtro = new FiltroBotoes(qApp);
    qApp->installEventFilter(filtro);
}

QStringList nomesUsados()
{
    QStringList l = porComando().values();
    l += porLegendaSemComando().values();
    for (const Botao &b : kBotoes)
        l.append(QString::fromLatin1(b.icone));
    l.removeDuplicates();
    l.sort();
    return l;
}

} // namespace Icones
