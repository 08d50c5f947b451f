#include "base/UnitLog.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"

namespace {
QString cortar(const QString &t, int n) { return t.size() > n ? t.left(n) : t; }
QString &ultimaAcao()
{
    static QString a;
    return a;
}
} // namespace

void RegistrarLog(ConexaoBanco &c, const QString &operacao)
{
    const QDateTime agora = Relogio::agora();
    c.executar(QStringLiteral("INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA) VALUES (?, ?, ?, ?)"),
               {cortar(Sessao::atual().login, 10), cortar(operacao, kTamanhoOperacaoLog), agora.date(), agora.time()});
}

void NovoRegistrarLog(ConexaoBanco &c, const QString &operacao, const QString &antes, const QString &depois)
{
    const QDateTime agora = Relogio::agora();
    c.executar(
        QStringLiteral("INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA, ANTES, DEPOIS) VALUES (?, ?, ?, ?, ?, ?)"),
        {cortar(Sessao::atual().login, 10), cortar(operacao, kTamanhoOperacaoLog), agora.date(), agora.time(), antes,
         depois});
}

void RegistrarLog(const QString &operacao) { RegistrarLog(DM->Conexao, operacao); }

void NovoRegistrarLog(const QString &operacao, const QString &antes, const QString &depois)
{
    NovoRegistrarLog(DM->Conexao, operacao, antes, depois);
}

QString TextoLogCodigo(const QString &acao, qint64 codigo, const QString &a, const QString &b)
{
    return acao + QStringLiteral(" -> Código ") + QString::number(codigo) + QStringLiteral(" (") + a
        + QStringLiteral(" - ") + b + QStringLiteral(")");
}

void AcaoAtual(const QString &acao)
{
    const Sessao &s = Sessao::atual();
    DM->Conexao.executar(QStringLiteral("UPDATE ONLINE SET ACAO = ? WHERE USUARIO = ? AND MAQUINA = ?"),
                         {cortar(acao, 100), cortar(s.login, 10), cortar(s.AuxNomePC, 100)});
    ultimaAcao() = acao;
}

QString AcaoAtualRegistrada() { return ultimaAcao(); }

void RemoverPresenca()
{
    const Sessao &s = Sessao::atual();
    DM->Conexao.executar(QStringLiteral("DELETE FROM ONLINE WHERE USUARIO = ? AND MAQUINA = ?"),
                         {cortar(s.login, 10), cortar(s.AuxNomePC, 100)});
}

void RegistrarSaida()
{
    DM->Conexao.emTransacao([&] {
        RemoverPresenca();
        RegistrarLog(QStringLiteral("Saiu do Sistema"));
    });
}
