#include "core/Diarias.h"
#include "base/Parametros.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"

namespace Diarias {

bool postadas(const QDate &hoje)
{
    return !DM->Conexao.ler(QStringLiteral("SELECT FIRST 1 DATA FROM ATUALIZACAO WHERE DATA = ?"), {hoje}).vazia();
}

Postagem lancar(const QDate &hoje)
{
    return DM->Conexao.emTransacao([&] {
        Postagem p;
        // The last posted day; an empty table counts as posted today.
        QDate ultimo = DM->Conexao.ler(QStringLiteral("SELECT MAX(DATA) AS DATA FROM ATUALIZACAO")).data(QStringLiteral("DATA"));
        if (!ultimo.isValid())
            ultimo = hoje;
        qint64 dias = ultimo.daysTo(hoje);
        if (dias == 0)
            dias = 1;
        const auto estadias = DM->Conexao.lerTodas(
            QStringLiteral("SELECT ID_WALK_IN, VALOR_DIARIA, QTD_ADULTOS FROM WALK_IN "
                           "WHERE BAIXA = 'N' AND EXCLUIDO = 'N' AND DATA_ENTRADA <> ? ORDER BY ID_WALK_IN"),
            {hoje.addDays(-1)});
        for (const Linha &e : estadias) {
            if (dias < 1)
                break; // last posting after today: nothing to post
            for (qint64 k = 0; k < dias; ++k)
                DM->Conexao.executar(
                    QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, ?, ?)"),
                    {e.inteiro(QStringLiteral("ID_WALK_IN")), ultimo.addDays(k),
                     e.dinheiro(QStringLiteral("VALOR_DIARIA")).paraBanco(), e.inteiro(QStringLiteral("QTD_ADULTOS"))});
            ++p.estadias;
            p.noites += int(dias);
        }
        DM->Conexao.executar(QStringLiteral("INSERT INTO ATUALIZACAO (DATA) VALUES (?)"), {hoje});
        return p;
    });
}

bool Controle::tick(const QDate &hoje)
{
    if (tParametros().texto(QStringLiteral("MODO_MOTEL")) == QLatin1String("S"))
        return false; // motel stays are charged by their own computation
    Sessao &s = Sessao::atual();
    if (s.ServidorAtualizado) {
        atualizando = false;
        return false;
    }
    if (s.AuxNomePC != QLatin1String("SERVIDOR")) {
        s.ServidorAtualizado = postadas(hoje);
        return true;
    }
    if (atualizando)
        return true;
    atualizando = true;
    lancar(hoje);
    s.ServidorAtualizado = true;
    return true;
}

} // namespace Diarias
