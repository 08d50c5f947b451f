#include "stays/Saida.h"

#include "base/Erros.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "stays/CalculoEstadia.h"

namespace Saida {

namespace {

const char *const kColunasMeios[kMeiosCaixa] = {"DINHEIRO", "VISA",  "DEBVISA", "MASTER",
                                                "DEBMASTER", "HIPER", "CHEQUE",  "NOTA"};

// The consumption lines are settled by key, this many per statement (a
// shorter list repeats its first key, so the statement text never varies).
constexpr int kChavesPorComando = 20;

// A refusal found inside the transaction: everything rolls back.
struct Desistencia {
    Resultado::Situacao situacao;
    QString mensagem;
    Mensagem::Tipo tipo = Mensagem::Tipo::Aviso;
};

// The log line, on the connection of the operation (its transaction).
void logar(ConexaoBanco &c, const QString &usuario, const QString &texto)
{
    const QDateTime agora = Relogio::agora();
    c.executar(QStringLiteral("INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA) VALUES (?, ?, ?, ?)"),
               {usuario.left(10), texto.left(kTamanhoOperacaoLog), agora.date(), agora.time()});
}

bool turnoUnico(ConexaoBanco &c)
{
    return c.valor(QStringLiteral("SELECT COUNT(*) FROM CAIXA WHERE DATA_FECHA IS NULL")).toLongLong() == 1;
}

// The name a means is known by in FORMA_PAG.
QString nomeMeio(MeioCaixa m)
{
    if (m == MeioCaixa::APrazo)
        return QStringLiteral("Nota");
    return dadosMeio(m).tipo;
}

} // namespace

// ---------------------------------------------------------------- account

Conta calcular(ConexaoBanco &c, qint64 idEntrada, const QDateTime &saida)
{
    Conta k;
    k.idEntrada = idEntrada;
    k.saida = saida;
    k.motel = tParametros().sim(QStringLiteral("MODO_MOTEL"));
    const Linha w = c.ler(QStringLiteral("SELECT W.BAIXA, W.EXCLUIDO, W.ID_UH, W.ID_CLIENTE, W.QTD_ADULTOS, "
                                         "W.DATA_ENTRADA, W.HORA_ENTRADA, W.VALOR_DIARIA, W.ADIANTADO, W.DINHEIRO, "
                                         "W.VISA, W.DEBVISA, W.MASTER, W.DEBMASTER, W.HIPER, W.CHEQUE, W.NOTA, "
                                         "(SELECT SUM(O.VALOR) FROM OCUPACAO O WHERE O.ID_ENTRADA = W.ID_WALK_IN) "
                                         "AS NOITES_VALOR, "
                                         "(SELECT COUNT(*) FROM OCUPACAO O WHERE O.ID_ENTRADA = W.ID_WALK_IN) "
                                         "AS NOITES FROM WALK_IN W WHERE W.ID_WALK_IN = ?"),
                          {idEntrada});
    if (w.vazia())
        return k;
    k.existe = true;
    k.aberta = w.texto(QStringLiteral("BAIXA")) == QLatin1String("N")
               && w.texto(QStringLiteral("EXCLUIDO")) == QLatin1String("N");
    k.idUH = w.inteiro(QStringLiteral("ID_UH"));
    k.idCliente = w.inteiro(QStringLiteral("ID_CLIENTE"));
    k.pessoas = int(w.inteiro(QStringLiteral("QTD_ADULTOS")));
    k.chegada = QDateTime(w.data(QStringLiteral("DATA_ENTRADA")), w.hora(QStringLiteral("HORA_ENTRADA")));
    k.diaria = w.dinheiro(QStringLiteral("VALOR_DIARIA"));
    k.adiantado = w.dinheiro(QStringLiteral("ADIANTADO"));
    for (int i = 0; i < kMeiosCaixa; ++i)
        k.pagos[size_t(i)] = w.dinheiro(QString::fromLatin1(kColunasMeios[i]));

    if (!k.motel) {
        k.noites = int(w.inteiro(QStringLiteral("NOITES")));
        k.totalDiarias = w.dinheiro(QStringLiteral("NOITES_VALOR"));
        k.cobranca = k.totalDiarias;
    } else {
        // The room type's rates, read on this connection.
        const Linha t = c.ler(QStringLiteral("SELECT T.P1, T.P2, T.P3, T.P4 FROM UH JOIN TIPO_UH T "
                                             "ON T.ID_TIPO_UH = UH.ID_TIPO_UH WHERE UH.ID_UH = ?"),
                              {k.idUH});
        CalculoEstadia::TaxasTipo taxas;
        for (int i = 0; i < 4; ++i)
            taxas.p[i] = t.dinheiro(QStringLiteral("P%1").arg(i + 1));
        k.horasAdicionais = CalculoEstadia::horasAdicionais(k.chegada, saida, k.diaria, taxas,
                                                            CalculoEstadia::ConfigMotel::deParametros());
        k.totalDiarias = taxas.p[1] * k.horasAdicionais;
        k.cobranca = k.diaria + k.totalDiarias;
    }

    for (const Linha &l : c.lerTodas(QStringLiteral("SELECT ID_DESPESA_UH, QTD, VALOR_UNIT, TAXA, PAGO FROM DESPESA_UH "
                                                    "WHERE ID_ENTRADA = ? ORDER BY ID_DESPESA_UH"),
                                     {idEntrada})) {
        const Dinheiro v = CalculoEstadia::valorLinhaConsumo(l.inteiro(QStringLiteral("QTD")),
                                                             l.dinheiro(QStringLiteral("VALOR_UNIT")),
                                                             l.dinheiro(QStringLiteral("TAXA")));
        k.consumo += v;
        if (l.texto(QStringLiteral("PAGO")) == QLatin1String("S"))
            k.consumoPago += v;
        else
            k.despesasAbertas.append(l.inteiro(QStringLiteral("ID_DESPESA_UH")));
    }
    k.total = k.cobranca + k.consumo;
    k.restante = k.total - k.adiantado;
    return k;
}

QList<ItemDevolver> itensDevolver(ConexaoBanco &c, qint64 idEntrada)
{
    const Linha w = c.ler(QStringLiteral("SELECT W.ID_UH, UH.ID_TIPO_UH FROM WALK_IN W LEFT JOIN UH "
                                         "ON UH.ID_UH = W.ID_UH WHERE W.ID_WALK_IN = ?"),
                          {idEntrada});
    const qint64 uh = w.inteiro(QStringLiteral("ID_UH"));
    const qint64 tipo = w.inteiro(QStringLiteral("ID_TIPO_UH"));
    QList<ItemDevolver> r;
    const QList<Linha> linhas = c.lerTodas(
        QStringLiteral("SELECT E.ID_ITEM, I.DESCRICAO, SUM(E.QTD) AS QTD, "
                       "(SELECT COUNT(*) FROM VW_CONFERENCIA V WHERE V.ID_ITEM = E.ID_ITEM "
                       "AND (V.ID_TIPO_UH = ? OR V.ID_UH = ?)) AS TEM_PADRAO, "
                       "(SELECT SUM(V.QTD) FROM VW_CONFERENCIA V WHERE V.ID_ITEM = E.ID_ITEM "
                       "AND (V.ID_TIPO_UH = ? OR V.ID_UH = ?)) AS PADRAO "
                       "FROM ITEM_ENTRADA E LEFT JOIN ITEM I ON I.ID_ITEM = E.ID_ITEM WHERE E.ID_ENTRADA = ? "
                       "GROUP BY E.ID_ITEM, I.DESCRICAO ORDER BY I.DESCRICAO"),
        {tipo, uh, tipo, uh, idEntrada});
    for (const Linha &l : linhas) {
        const qint64 q = l.inteiro(QStringLiteral("QTD"));
        const qint64 falta = l.inteiro(QStringLiteral("TEM_PADRAO")) > 0 ? q - l.inteiro(QStringLiteral("PADRAO")) : q;
        if (falta > 0)
            r.append({l.texto(QStringLiteral("DESCRICAO")), falta});
    }
    return r;
}

QString textoItens(const QList<ItemDevolver> &itens)
{
    if (itens.isEmpty())
        return QString();
    QString t = QStringLiteral("\r\r") + Textos::Devolver + QStringLiteral("\r");
    for (const ItemDevolver &i : itens)
        t += QStringLiteral("- ") + i.descricao + QStringLiteral(" (") + QString::number(i.qtd) + QStringLiteral(")\r");
    return t;
}

QString pergunta(const Conta &k, const QString &itens)
{
    return Textos::Total + QStringLiteral("\r") + Textos::ValorTotal + k.total.formatado() + QStringLiteral("\r")
           + Textos::Adiantado + k.adiantado.formatado() + QStringLiteral("\r") + Textos::ConsumosPagos
           + k.consumoPago.formatado() + QStringLiteral("\r\r") + Textos::Confirmar + QStringLiteral("\r")
           + Textos::Restante + k.restante.formatado() + QStringLiteral(" :::") + itens;
}

Inicio iniciar(ConexaoBanco &c, qint64 idEntrada, const QDateTime &saida)
{
    Inicio i;
    i.conta = calcular(c, idEntrada, saida);
    i.itens = itensDevolver(c, idEntrada);
    i.pergunta = pergunta(i.conta, textoItens(i.itens));
    return i;
}

// ---------------------------------------------------------------- confirmation

QString formaPagamento(const std::array<Dinheiro, kMeiosCaixa> &meios, Dinheiro deposito, Dinheiro boleto)
{
    QStringList nomes;
    for (int i = 0; i < kMeiosCaixa; ++i)
        if (!meios[size_t(i)].zero())
            nomes << nomeMeio(MeioCaixa(i));
    if (!deposito.zero())
        nomes << QStringLiteral("Depósito em Conta");
    if (!boleto.zero())
        nomes << QStringLiteral("Boleto Bancário");
    if (nomes.isEmpty())
        return QString();
    return nomes.size() == 1 ? nomes.first() : QStringLiteral("Diversas");
}

Resultado confirmar(ConexaoBanco &c, const Fechamento &f)
{
    Resultado r;
    const auto recusa = [&r](Resultado::Situacao s, const QString &texto) {
        r.situacao = s;
        r.mensagem = texto;
        r.tipo = Mensagem::Tipo::Aviso;
        return r;
    };
    // What needs no database: the advance above the stay, bad amounts, a sum
    // that is not the amount due.
    if (f.restante < Dinheiro())
        return recusa(Resultado::Situacao::ValorMaior, Textos::ValorMaior);
    if (f.pagamento.negativo() || f.desconto < Dinheiro() || f.acrescimo < Dinheiro())
        return recusa(Resultado::Situacao::ValorInvalido, Textos::ValorInvalido);
    if (f.pagamento.total() != f.devido())
        return recusa(Resultado::Situacao::ValorDiferente, Textos::ValorDiferente);

    const Pagamentos::Valores &v = f.pagamento.valores;
    try {
        r = c.emTransacao([&]() -> Resultado {
            Resultado x;
            // The stay first: only while still open. A second workstation
            // waits here and then finds it closed.
            if (c.executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S', DATA_SAIDA = ?, HORA_SAIDA = ?, OBS = ?, "
                                          "USUARIO = ?, DESCONTO = ?, ACRESCIMO = ? "
                                          "WHERE ID_WALK_IN = ? AND BAIXA = 'N' AND EXCLUIDO = 'N'"),
                           {f.saida.date(), f.saida.time(), f.obs.left(250), f.usuario.left(10),
                            f.desconto.paraBanco(), f.acrescimo.paraBanco(), f.idEntrada})
                != 1)
                throw Desistencia{Resultado::Situacao::JaFechada, Textos::JaFechada};

            // What it owes now; it must be what the clerk is collecting.
            x.conta = calcular(c, f.idEntrada, f.saida);
            if (x.conta.restante != f.restante)
                throw Desistencia{Resultado::Situacao::ValorAlterado,
                                  Textos::ValorAlterado + x.conta.restante.formatado()};

            // A motel stay's charge, written once into its charge row.
            if (x.conta.motel
                && !CalculoEstadia::gravarCobrancaMotel(c, f.idEntrada, x.conta.diaria, x.conta.totalDiarias))
                c.executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD, ADICIONAL) "
                                          "VALUES (?, ?, ?, ?, ?)"),
                           {f.idEntrada, x.conta.chegada.date(), x.conta.cobranca.paraBanco(), x.conta.pessoas,
                            x.conta.totalDiarias.zero() ? QVariant() : QVariant(QStringLiteral("S"))});

            // The money: each means into the shift and the stay's column, a
            // deposit straight to the bank (a withdrawal row, cash untouched).
            Pagamentos::lancar(c, f.idEntrada, v, false);
            if (!v.deposito.zero())
                x.avisos << Textos::RetiradaDeposito;
            if (!f.pagamento.boleto.zero()) {
                if (!turnoUnico(c))
                    throw Pagamentos::RecusaCaixa{{false, Mensagem::Tipo::Aviso, TextosCaixa::SemCaixaUnico,
                                                   ResultadoCaixa::Falha::SemTurno}};
                RegistrarDeposito(c, f.pagamento.boleto, Textos::DescricaoBoleto);
                x.avisos << Textos::RetiradaBoleto;
            }
            const Dinheiro aPrazo = v[MeioCaixa::APrazo];
            if (!aPrazo.zero())
                x.idNota = c.valor(QStringLiteral("INSERT INTO NOTA (ID_ENTRADA, VALOR, PAGO) VALUES (?, ?, 'N') "
                                                  "RETURNING ID_NOTA"),
                                   {f.idEntrada, aPrazo.paraBanco()})
                               .toLongLong();

            // The stay's dependants: guests, vehicles and the lines counted above.
            c.executar(QStringLiteral("UPDATE HOSPEDE SET BAIXA = 'S' WHERE ID_ENTRADA = ? AND BAIXA = 'N'"),
                       {f.idEntrada});
            c.executar(QStringLiteral("UPDATE VEICULO SET BAIXA = 'S' WHERE ID_ENTRADA = ? AND BAIXA = 'N'"),
                       {f.idEntrada});
            const QList<qint64> &linhas = x.conta.despesasAbertas;
            if (!linhas.isEmpty()) {
                QString sql = QStringLiteral("UPDATE DESPESA_UH SET PAGO = 'S' WHERE PAGO = 'N' AND ID_DESPESA_UH IN (?");
                for (int i = 1; i < kChavesPorComando; ++i)
                    sql += QStringLiteral(", ?");
                sql += QLatin1Char(')');
                for (int i = 0; i < linhas.size(); i += kChavesPorComando) {
                    Valores chaves;
                    for (int j = 0; j < kChavesPorComando; ++j)
                        chaves << (i + j < linhas.size() ? linhas[i + j] : linhas[i]);
                    c.executar(sql, chaves);
                }
            }

            // The room goes to cleaning.
            c.executar(QStringLiteral("UPDATE UH SET SITUACAO = 'M', MANUTENCAO = 'Limpeza' WHERE ID_UH = ?"),
                       {x.conta.idUH});

            // How the stay was paid, from its columns after this payment.
            std::array<Dinheiro, kMeiosCaixa> meios = x.conta.pagos;
            for (int i = 0; i < kMeiosCaixa; ++i)
                meios[size_t(i)] += v[MeioCaixa(i)];
            c.executar(QStringLiteral("UPDATE WALK_IN SET FORMA_PAG = ? WHERE ID_WALK_IN = ?"),
                       {formaPagamento(meios, v.deposito, f.pagamento.boleto), f.idEntrada});

            logar(c, f.usuario,
                  Textos::Log + QString::number(f.idEntrada) + QStringLiteral(" (") + f.cliente + QStringLiteral(" - ")
                      + f.uh + QStringLiteral(")"));

            // Unpaid bills of the customer (the one just made counts too).
            x.notasPendentes =
                c.valor(QStringLiteral("SELECT COUNT(*) FROM NOTA N JOIN WALK_IN W ON W.ID_WALK_IN = N.ID_ENTRADA "
                                       "WHERE W.EXCLUIDO = 'N' AND W.ID_CLIENTE = ? AND N.PAGO = 'N'"),
                        {x.conta.idCliente})
                    .toLongLong()
                > 0;
            x.situacao = Resultado::Situacao::Fechada;
            return x;
        });
    } catch (const Desistencia &d) {
        r = Resultado();
        r.situacao = d.situacao;
        r.mensagem = d.mensagem;
        r.tipo = d.tipo;
        if (d.situacao == Resultado::Situacao::ValorAlterado)
            r.conta = calcular(c, f.idEntrada, f.saida);
    } catch (const Pagamentos::RecusaCaixa &rc) {
        r = Resultado();
        r.situacao = Resultado::Situacao::SemCaixa;
        r.mensagem = rc.caixa.mensagem;
        r.tipo = rc.caixa.tipo;
    }
    return r;
}

bool gravarAjuste(ConexaoBanco &c, qint64 idEntrada, Dinheiro desconto, Dinheiro acrescimo)
{
    return c.emTransacao([&] {
        return c.executar(QStringLiteral("UPDATE WALK_IN SET DESCONTO = ?, ACRESCIMO = ? "
                                         "WHERE ID_WALK_IN = ? AND BAIXA = 'N'"),
                          {desconto.paraBanco(), acrescimo.paraBanco(), idEntrada})
               == 1;
    });
}

Dinheiro lerDesconto(ConexaoBanco &c, qint64 idEntrada)
{
    return c.ler(QStringLiteral("SELECT DESCONTO FROM WALK_IN WHERE ID_WALK_IN = ?"), {idEntrada})
        .dinheiro(QStringLiteral("DESCONTO"));
}

Dinheiro lerAcrescimo(ConexaoBanco &c, qint64 idEntrada)
{
    return c.ler(QStringLiteral("SELECT ACRESCIMO FROM WALK_IN WHERE ID_WALK_IN = ?"), {idEntrada})
        .dinheiro(QStringLiteral("ACRESCIMO"));
}

void marcarNF(ConexaoBanco &c, qint64 idEntrada)
{
    c.emTransacao([&] {
        c.executar(QStringLiteral("UPDATE WALK_IN SET NF = 'S' WHERE ID_WALK_IN = ?"), {idEntrada});
    });
}

} // namespace Saida
