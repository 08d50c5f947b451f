#include "stays/Pagamentos.h"

#include "base/Erros.h"
#include "base/UnitDM.h"

namespace Pagamentos {

namespace {

const char *const kColunas[kMeiosCaixa] = {"DINHEIRO", "VISA", "DEBVISA", "MASTER", "DEBMASTER", "HIPER", "CHEQUE", "NOTA"};

void exigirPositivo(const Valores &v)
{
    if (v.negativo())
        throw ErroConversao(QStringLiteral("Valor negativo não é permitido em um pagamento."));
}

[[noreturn]] void recusar(const ResultadoCaixa &r) { throw RecusaCaixa{r}; }

bool turnoUnico(ConexaoBanco &c)
{
    return c.valor(QStringLiteral("SELECT COUNT(*) FROM CAIXA WHERE DATA_FECHA IS NULL")).toLongLong() == 1;
}

ResultadoCaixa semTurno()
{
    return {false, Mensagem::Tipo::Aviso, TextosCaixa::SemCaixaUnico, ResultadoCaixa::Falha::SemTurno};
}

} // namespace

QString colunaEstadia(MeioCaixa meio) { return QString::fromLatin1(kColunas[int(meio)]); }

Dinheiro Valores::total() const
{
    Dinheiro t = deposito;
    for (const Dinheiro &d : meio)
        t += d;
    return t;
}

bool Valores::negativo() const
{
    if (deposito < Dinheiro())
        return true;
    for (const Dinheiro &d : meio)
        if (d < Dinheiro())
            return true;
    return false;
}

void lancar(ConexaoBanco &c, qint64 idEntrada, const Valores &v, bool adiantado)
{
    exigirPositivo(v);
    c.emTransacao([&] {
        for (const DadosMeioCaixa &m : meiosCaixa()) {
            const Dinheiro valor = v[m.meio];
            if (valor.zero())
                continue;
            if (AtualizarSaldoCaixa(c, m.meio, true, valor) != 1)
                recusar(semTurno());
            const QString col = colunaEstadia(m.meio);
            c.executar(QStringLiteral("UPDATE WALK_IN SET %1 = %1 + ? WHERE ID_WALK_IN = ?").arg(col),
                       {valor.paraBanco(), idEntrada});
        }
        if (!v.deposito.zero()) {
            if (!turnoUnico(c))
                recusar(semTurno());
            RegistrarDeposito(c, v.deposito, DescricaoDeposito);
        }
        if (adiantado && !v.total().zero())
            c.executar(QStringLiteral("UPDATE WALK_IN SET ADIANTADO = ADIANTADO + ? WHERE ID_WALK_IN = ?"),
                       {v.total().paraBanco(), idEntrada});
    });
}

void estornar(ConexaoBanco &c, qint64 idEntrada, const Valores &v, bool adiantado)
{
    exigirPositivo(v);
    c.emTransacao([&] {
        for (const DadosMeioCaixa &m : meiosCaixa()) {
            const Dinheiro valor = v[m.meio];
            if (valor.zero())
                continue;
            if (AtualizarSaldoCaixa(c, m.meio, false, valor) != 1)
                recusar(turnoUnico(c) ? ResultadoCaixa{false, Mensagem::Tipo::Aviso,
                                                       m.meio == MeioCaixa::Dinheiro ? TextosCaixa::SaldoInsuficiente
                                                                                     : m.recusa,
                                                       ResultadoCaixa::Falha::SaldoInsuficiente}
                                      : semTurno());
            const QString col = colunaEstadia(m.meio);
            if (c.executar(QStringLiteral("UPDATE WALK_IN SET %1 = %1 - ? WHERE ID_WALK_IN = ? AND %1 >= ?").arg(col),
                           {valor.paraBanco(), idEntrada, valor.paraBanco()})
                != 1)
                throw RecusaCaixa{{false, Mensagem::Tipo::Aviso, m.recusa, ResultadoCaixa::Falha::SaldoInsuficiente},
                                  true};
        }
        const Dinheiro total = v.total() - v.deposito;
        if (adiantado && !total.zero()
            && c.executar(QStringLiteral("UPDATE WALK_IN SET ADIANTADO = ADIANTADO - ? "
                                         "WHERE ID_WALK_IN = ? AND ADIANTADO >= ?"),
                          {total.paraBanco(), idEntrada, total.paraBanco()})
                   != 1)
            throw RecusaCaixa{{false, Mensagem::Tipo::Aviso, TextosCaixa::SaldoInsuficiente,
                               ResultadoCaixa::Falha::SaldoInsuficiente},
                              true};
    });
}

} // namespace Pagamentos
