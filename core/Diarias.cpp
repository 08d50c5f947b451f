#include "core/Diarias.h"
#include "base/Parametros.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"

#include <QSet>

namespace Diarias {

bool diaJaRegistrado(const ErroBanco &e)
{
    return e.texto().contains(QLatin1String("UNQ_ATUALIZACAO_DATA"), Qt::CaseInsensitive);
}

bool postadas(ConexaoBanco &c, const QDate &hoje)
{
    return !c.ler(QStringLiteral("SELECT FIRST 1 DATA FROM ATUALIZACAO WHERE DATA = ?"), {hoje}).vazia();
}

Postagem lancar(ConexaoBanco &c, const QDate &hoje)
{
    return c.emTransacao([&] {
        Postagem p;
        // The lock on the day: a second posting of the same day waits here
        // until this transaction ends, then finds the day taken.
        try {
            c.executar(QStringLiteral("INSERT INTO ATUALIZACAO (DATA) VALUES (?)"), {hoje});
        } catch (const ErroBanco &e) {
            if (diaJaRegistrado(e))
                return p;
            throw;
        }
        p.registrada = true;

        const QDate ultimo = c.ler(QStringLiteral("SELECT MAX(DATA) AS DATA FROM ATUALIZACAO WHERE DATA < ?"),
                                             {hoje})
                                 .data(QStringLiteral("DATA"));
        const QDate ontem = hoje.addDays(-1);
        if (!ultimo.isValid())
            return p; // the first day: nothing before today to post

        // Each open stay locked while its nights are posted: a check-out or a
        // cancellation under way on another workstation is waited for, and
        // then the whole posting runs again without the stay it closed
        // (an update conflict). A stay closed here cannot receive a night.
        const auto estadias = c.lerTodas(
            QStringLiteral("SELECT ID_WALK_IN, DATA_ENTRADA, VALOR_DIARIA, QTD_ADULTOS FROM WALK_IN "
                           "WHERE BAIXA = 'N' AND EXCLUIDO = 'N' AND DATA_ENTRADA < ? ORDER BY ID_WALK_IN WITH LOCK"),
            {ontem});
        // The nights the open stays already have in the period.
        QSet<QPair<qint64, QDate>> existentes;
        for (const Linha &o : c.lerTodas(
                 QStringLiteral("SELECT O.ID_ENTRADA, O.DATA FROM OCUPACAO O JOIN WALK_IN W ON W.ID_WALK_IN = O.ID_ENTRADA "
                                "WHERE W.BAIXA = 'N' AND W.EXCLUIDO = 'N' AND O.DATA BETWEEN ? AND ?"),
                 {ultimo, ontem}))
            existentes.insert({o.inteiro(QStringLiteral("ID_ENTRADA")), o.data(QStringLiteral("DATA"))});

        const QString inserir =
            QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, ?, ?)");
        for (const Linha &e : estadias) {
            const qint64 id = e.inteiro(QStringLiteral("ID_WALK_IN"));
            const QDate entrada = e.data(QStringLiteral("DATA_ENTRADA"));
            QDate d = ultimo;
            if (entrada.isValid() && entrada >= d)
                d = entrada.addDays(1);
            int lancadas = 0;
            for (; d <= ontem; d = d.addDays(1)) {
                if (existentes.contains({id, d}))
                    continue;
                c.executar(inserir, {id, d, e.dinheiro(QStringLiteral("VALOR_DIARIA")).paraBanco(),
                                               e.inteiro(QStringLiteral("QTD_ADULTOS"))});
                ++lancadas;
            }
            if (lancadas > 0) {
                ++p.estadias;
                p.noites += lancadas;
            }
        }
        return p;
    });
}

bool Controle::tick(const QDate &hoje) { return tick(DM->Conexao, hoje); }

bool Controle::tick(ConexaoBanco &c, const QDate &hoje)
{
    if (tParametros().texto(QStringLiteral("MODO_MOTEL")) == QLatin1String("S"))
        return false; // motel stays are charged by their own computation
    Sessao &s = Sessao::atual();
    if (s.ServidorAtualizado) {
        atualizando = false;
        return false;
    }
    if (s.AuxNomePC != QLatin1String("SERVIDOR")) {
        s.ServidorAtualizado = postadas(c, hoje);
        return true;
    }
    if (atualizando)
        return true;
    atualizando = true;
    // Posted here or, a moment earlier, by another workstation of the same name.
    lancar(c, hoje);
    s.ServidorAtualizado = true;
    return true;
}

} // namespace Diarias
