#include "core/BatePapo.h"
#include "base/Rotinas.h"
#include "base/Caminhos.h"
#include "core/Inicializacao.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitLog.h"
#include <QDesktopServices>
#include <QUrl>

namespace BatePapo {

std::function<void(const QString &)> abrirPagina = [](const QString &url) {
    QDesktopServices::openUrl(QUrl(url));
};

QStringList usuariosAtivos(ConexaoBanco &conexao)
{
    QStringList r;
    for (const Linha &l : conexao.lerTodas(QStringLiteral(
             "SELECT LOGIN FROM USUARIO WHERE ID_USUARIO NOT IN "
             "(SELECT ID_USUARIO FROM ANULACAO WHERE ID_USUARIO IS NOT NULL) ORDER BY LOGIN")))
        r << l.texto(QStringLiteral("LOGIN"));
    return r;
}

QStringList todosUsuarios(ConexaoBanco &conexao)
{
    QStringList r;
    for (const Linha &l : conexao.lerTodas(QStringLiteral("SELECT LOGIN FROM USUARIO ORDER BY LOGIN")))
        r << l.texto(QStringLiteral("LOGIN"));
    return r;
}

QList<Linha> naoLidas(ConexaoBanco &conexao)
{
    return conexao.lerTodas(QStringLiteral("SELECT * FROM CHAT WHERE LIDA = 'N' ORDER BY ID_CHAT"));
}

QString conversa(const QString &login, const QList<Linha> &mensagens)
{
    QStringList linhas;
    for (const Linha &m : mensagens) {
        const QString quando = m.data(QStringLiteral("DATA")).toString(QStringLiteral("dd/MM/yyyy"))
            + QStringLiteral(" às ") + m.hora(QStringLiteral("HORA")).toString(QStringLiteral("HH:mm:ss"));
        const QString texto = QStringLiteral("          ") + m.texto(QStringLiteral("MENSAGEM"));
        if (m.texto(QStringLiteral("ID_USUARIO_ENVIO")) == login) {
            linhas << QStringLiteral("Enviada para: ") + m.texto(QStringLiteral("ID_USUARIO_RECEB")) + QStringLiteral(", ") + quando
                   << texto;
        } else if (m.texto(QStringLiteral("ID_USUARIO_RECEB")) == login) {
            linhas << QStringLiteral("Recebida de: ") + m.texto(QStringLiteral("ID_USUARIO_ENVIO")) + QStringLiteral(", ") + quando
                   << texto;
        }
    }
    return linhas.join(QLatin1Char('\n'));
}

Envio enviar(ConexaoBanco &conexao, const QString &de, const QString &para, const QString &mensagem)
{
    if (para.trimmed().isEmpty())
        return Envio::SemDestinatario;
    const QString texto = mensagem.trimmed();
    if (texto.isEmpty())
        return Envio::SemMensagem;
    if (contarCaracteres(texto) > kMaxMensagem)
        return Envio::Longa;
    const QDateTime agora = Relogio::agora();
    conexao.emTransacao([&] {
        conexao.executar(QStringLiteral("INSERT INTO CHAT (ID_USUARIO_ENVIO, ID_USUARIO_RECEB, MENSAGEM, DATA, HORA, LIDA) "
                                            "VALUES (?, ?, ?, ?, ?, 'N')"),
                             {de, para, texto, agora.date(), agora.time()});
    });
    return Envio::Enviada;
}

int limparRecebidas(ConexaoBanco &conexao, const QString &login)
{
    return conexao.emTransacao([&] {
        return conexao.executar(QStringLiteral("UPDATE CHAT SET LIDA = 'S' WHERE ID_USUARIO_RECEB = ? AND LIDA = 'N'"), {login});
    });
}

ConsultaHistorico historico(bool acessoTotal, const QString &login)
{
    if (acessoTotal)
        return {QStringLiteral("SELECT * FROM CHAT ORDER BY DATA, HORA"), {}};
    return historicoDoUsuario(login);
}

ConsultaHistorico historicoDoUsuario(const QString &login)
{
    return {QStringLiteral("SELECT * FROM CHAT WHERE ID_USUARIO_ENVIO = ? OR ID_USUARIO_RECEB = ? ORDER BY DATA, HORA"),
            {login, login}};
}

ConsultaHistorico historicoDoDia(const QDate &dia)
{
    return {QStringLiteral("SELECT * FROM CHAT WHERE DATA = ? ORDER BY DATA, HORA"), {dia}};
}

QString enderecoSuporte()
{
    QString texto;
    const QString arquivo = Inicio::arquivoParam();
    if (!arquivo.isEmpty() && Inicio::lerTexto(arquivo, &texto))
        return Inicio::ArquivoIni(texto).valor(QStringLiteral("SUPORTE"), QStringLiteral("URL_CHAT")).trimmed();
    return {};
}

} // namespace BatePapo
