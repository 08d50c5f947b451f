#include "core/Acesso.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/UnitLog.h"
#include "platform/Estacao.h"

namespace Acesso {

const char *const kMsgUsuarioSenhaIncorretos = "Usuário ou Senha Incorreto(s)!";

namespace {
const char *const kSelecaoUsuario =
    "SELECT ID_USUARIO, LOGIN, SENHA, INCLUI, ALTERA, EXCLUI, CONSULTA, IMPRIME, UTILITARIOS, PARAMETROS, "
    "MOVIMENTOS, USUARIOS, ACESSO_TOTAL FROM USUARIO "
    "WHERE ID_USUARIO NOT IN (SELECT ID_USUARIO FROM ANULACAO) AND LOGIN = ? AND SENHA = ?";
} // namespace

QList<Linha> usuariosAtivos(ConexaoBanco &conexao)
{
    return conexao.lerTodas(QStringLiteral("SELECT ID_USUARIO, LOGIN FROM USUARIO "
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

ResultadoLogin tentarLogin(ConexaoBanco &conexao, const QString &login, const QString &senha)
{
    // Texts wider than their columns match no user. The columns count
    // characters (an emoji is one), as the user form does when it saves.
    const bool cabe = contarCaracteres(login) <= 10 && contarCaracteres(senha) <= 10;
    const QList<Linha> linhas =
        cabe ? conexao.lerTodas(QString::fromLatin1(kSelecaoUsuario), {login, senha}) : QList<Linha>();
    if (linhas.size() != 1) {
        // Logged on its own, under the label's login of this moment.
        NovoRegistrarLog(conexao, QStringLiteral("Acesso de Sistema"), QString::fromUtf8(kMsgUsuarioSenhaIncorretos), QString());
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
        conexao.emTransacao([&] {
            const Linha presente = conexao.ler(
                QStringLiteral("SELECT FIRST 1 ID_ONLINE FROM ONLINE WHERE USUARIO = ? AND MAQUINA = ?"),
                {s.login, s.AuxNomePC.left(100)});
            if (presente.vazia())
                conexao.executar(QStringLiteral("INSERT INTO ONLINE (USUARIO, IP, MAQUINA) VALUES (?, ?, ?)"),
                                     {s.login, Estacao::ipLocal().left(15), s.AuxNomePC.left(100)});
            NovoRegistrarLog(conexao, QStringLiteral("Acesso de Sistema"), QStringLiteral("Acesso Realizado com Sucesso"),
                             QString());
        });
    } catch (...) {
        s = anterior;
        throw;
    }
    return {true, usuario};
}

} // namespace Acesso
