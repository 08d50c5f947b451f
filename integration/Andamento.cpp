#include "integration/Andamento.h"
#include "base/Erros.h"
#include "base/UnitDM.h"

namespace Integracao {

void AndamentoJanela::mostrar(int maximo)
{
    if (!m_progresso)
        m_progresso.emplace(maximo);
    else {
        // A new phase: the gauge starts again at 0.
        m_progresso.reset();
        m_progresso.emplace(maximo);
    }
}

void AndamentoJanela::avancar()
{
    if (m_progresso)
        m_progresso->avancar(1);
}

void AndamentoJanela::esconder() { m_progresso.reset(); }

void linhaRecusada(const QString &linha, const ErroBanco &e)
{
    throw ErroBanco(QStringLiteral("O banco de dados recusou %1. Nada foi alterado.\n\n%2")
                        .arg(linha, textoParaUsuario(e)),
                    e.codigo(), e.texto());
}

void bancoInacessivel(const QString &nomeBanco, const ErroBanco &e)
{
    throw ErroBanco(QStringLiteral("Não foi possível abrir o banco de dados do %1. Nada foi alterado.\n\n%2")
                        .arg(nomeBanco, textoParaUsuario(e)),
                    e.codigo(), e.texto());
}

void geradorNoMaior(ConexaoBanco &c, const QString &gerador, const QString &tabela, const QString &coluna)
{
    const qint64 maior = c.valor(QStringLiteral("SELECT COALESCE(MAX(%1), 0) FROM %2").arg(coluna, tabela)).toLongLong();
    const qint64 atual = c.gerador(gerador, 0);
    if (maior > atual)
        definirGerador(c, gerador, maior);
}

void definirGerador(ConexaoBanco &c, const QString &gerador, qint64 valor)
{
    c.executar(QStringLiteral("SET GENERATOR %1 TO %2").arg(gerador).arg(valor));
}

} // namespace Integracao
