#include "stays/ExtratoUH.h"
#include "base/UnitDM.h"

#include <QHash>
#include <algorithm>

namespace ExtratoUH {

namespace {

// Divides rounding half away from zero.
qint64 dividir(qint64 n, qint64 d)
{
    qint64 q = n / d;
    const qint64 r = n % d;
    if (r * 2 >= d)
        ++q;
    else if (r * 2 <= -d)
        --q;
    return q;
}

// The stays of the report: closed in the period, or open whatever their
// dates; live ones only. Two branches so that each uses its own index.
const QString kEstadias = QStringLiteral(
    "SELECT W.ID_WALK_IN FROM WALK_IN W WHERE W.DATA_SAIDA >= ? AND W.DATA_SAIDA <= ? AND W.BAIXA <> 'N' "
    "AND W.EXCLUIDO = 'N' "
    "UNION ALL SELECT W.ID_WALK_IN FROM WALK_IN W WHERE W.BAIXA = 'N' AND W.EXCLUIDO = 'N'");

QString colunasPagamento(const QString &prefixo)
{
    QStringList l;
    for (const QString &c : colunasMeios())
        l << prefixo + c;
    return l.join(QStringLiteral(", "));
}

QString texto(Dinheiro d) { return d.formatado(); }
QString texto(Valor4 v) { return v.dinheiro().formatado(); }

} // namespace

Dinheiro Valor4::dinheiro() const { return Dinheiro::deCentavos(dividir(v, 100)); }

Valor4 valorLinha(qint64 qtd, Dinheiro unitario, qint64 taxaCentesimos)
{
    // cents x (10000 + fee) / 10000 gives cents; x 100 for four decimals
    const qint64 base = qtd * unitario.centavos();
    return {dividir(base * (10000 + taxaCentesimos), 100)};
}

const std::array<QString, kMeios> &colunasMeios()
{
    static const std::array<QString, kMeios> c{
        QStringLiteral("DINHEIRO"), QStringLiteral("VISA"),  QStringLiteral("DEBVISA"), QStringLiteral("MASTER"),
        QStringLiteral("DEBMASTER"), QStringLiteral("HIPER"), QStringLiteral("CHEQUE"),  QStringLiteral("NOTA")};
    return c;
}

Valor4 Estadia::consumo() const
{
    Valor4 t;
    for (const LinhaDespesa &l : linhas)
        if (!l.diaria)
            t += l.subtotal;
    return t;
}

Totais &Totais::operator+=(const Totais &o)
{
    hospedagens += o.hospedagens;
    diarias += o.diarias;
    valorDiarias += o.valorDiarias;
    valorDespesas += o.valorDespesas;
    for (int m = 0; m < kMeios; ++m)
        meios[m] += o.meios[m];
    adiantados += o.adiantados;
    return *this;
}

Extrato ler(ConexaoBanco &c, const QDate &de, const QDate &ate)
{
    Extrato e;
    e.de = de;
    e.ate = ate;
    const Valores periodo{de, ate};

    // 1. The stays, by room number and entry.
    const QList<Linha> estadias = c.lerTodas(
        QStringLiteral("SELECT W.ID_WALK_IN, W.ID_UH, U.NUMERO, C.NOME, W.DATA_ENTRADA, W.HORA_ENTRADA, "
                       "W.DATA_SAIDA, W.HORA_SAIDA, W.QTD_ADULTOS, W.OBS, W.BAIXA, W.USUARIO, ")
            + colunasPagamento(QStringLiteral("W."))
            + QStringLiteral(" FROM (") + kEstadias
            + QStringLiteral(") S JOIN WALK_IN W ON W.ID_WALK_IN = S.ID_WALK_IN "
                             "LEFT JOIN UH U ON U.ID_UH = W.ID_UH LEFT JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE "
                             "ORDER BY CHAR_LENGTH(U.NUMERO), U.NUMERO, W.ID_UH, W.DATA_ENTRADA, W.HORA_ENTRADA, W.DATA_SAIDA, "
                             "W.HORA_SAIDA, W.ID_WALK_IN"),
        periodo);
    if (!estadias.isEmpty()) {
        // 2. Their nights and 3. their consumption, in one read each.
        QHash<qint64, QList<LinhaDespesa>> linhas;
        QHash<qint64, QPair<qint64, Dinheiro>> noites;
        for (const Linha &o : c.lerTodas(
                 QStringLiteral("SELECT O.ID_ENTRADA, O.DATA, O.VALOR, O.QTD FROM (") + kEstadias
                     + QStringLiteral(") S JOIN OCUPACAO O ON O.ID_ENTRADA = S.ID_WALK_IN "
                                      "ORDER BY O.ID_ENTRADA, O.DATA, O.ID_OCUPACAO"),
                 periodo)) {
            const qint64 id = o.inteiro(QStringLiteral("ID_ENTRADA"));
            LinhaDespesa l;
            l.diaria = true;
            l.descricao = QStringLiteral("DIÁRIA (%1 HÓSPEDE(S))").arg(o.inteiro(QStringLiteral("QTD")));
            l.qtd = 1;
            l.unitario = o.dinheiro(QStringLiteral("VALOR"));
            l.data = o.data(QStringLiteral("DATA"));
            l.hora = QTime(0, 0);
            l.usuario = QStringLiteral("SISTEMA");
            linhas[id].append(l);
            auto &n = noites[id];
            ++n.first;
            n.second += l.unitario;
        }
        for (const Linha &d : c.lerTodas(
                 QStringLiteral("SELECT D.ID_ENTRADA, P.DESCRICAO, D.QTD, D.VALOR_UNIT, D.TAXA, D.DATA, D.HORA, "
                                "D.COMANDA, D.USUARIO FROM (")
                     + kEstadias
                     + QStringLiteral(") S JOIN DESPESA_UH D ON D.ID_ENTRADA = S.ID_WALK_IN "
                                      "LEFT JOIN PRODUTOS_SERVICOS P ON P.ID_P_S = D.ID_P_S "
                                      "ORDER BY D.ID_ENTRADA, D.DATA, D.HORA, D.ID_DESPESA_UH"),
                 periodo)) {
            LinhaDespesa l;
            l.descricao = d.texto(QStringLiteral("DESCRICAO"));
            l.qtd = d.inteiro(QStringLiteral("QTD"));
            l.unitario = d.dinheiro(QStringLiteral("VALOR_UNIT"));
            l.subtotal = valorLinha(l.qtd, l.unitario, d.dinheiro(QStringLiteral("TAXA")).centavos());
            l.data = d.data(QStringLiteral("DATA"));
            l.hora = d.hora(QStringLiteral("HORA"));
            l.comanda = d.inteiro(QStringLiteral("COMANDA"));
            l.usuario = d.texto(QStringLiteral("USUARIO"));
            linhas[d.inteiro(QStringLiteral("ID_ENTRADA"))].append(l);
        }
        // 4. The advances of each room's open stays, whatever their dates.
        QHash<qint64, Dinheiro> adiantados;
        for (const Linha &a : c.lerTodas(QStringLiteral("SELECT ID_UH, SUM(ADIANTADO) AS VALOR FROM WALK_IN "
                                                        "WHERE BAIXA = 'N' AND EXCLUIDO = 'N' GROUP BY ID_UH")))
            adiantados[a.inteiro(QStringLiteral("ID_UH"))] = a.dinheiro(QStringLiteral("VALOR"));

        for (const Linha &w : estadias) {
            const qint64 idUH = w.inteiro(QStringLiteral("ID_UH"));
            if (e.quartos.isEmpty() || e.quartos.last().idUH != idUH) {
                Quarto q;
                q.idUH = idUH;
                q.numero = w.texto(QStringLiteral("NUMERO"));
                q.totais.adiantados = adiantados.value(idUH);
                e.quartos.append(q);
            }
            Quarto &q = e.quartos.last();
            Estadia s;
            s.id = w.inteiro(QStringLiteral("ID_WALK_IN"));
            s.cliente = w.texto(QStringLiteral("NOME"));
            s.dataEntrada = w.data(QStringLiteral("DATA_ENTRADA"));
            s.horaEntrada = w.hora(QStringLiteral("HORA_ENTRADA"));
            s.dataSaida = w.data(QStringLiteral("DATA_SAIDA"));
            s.horaSaida = w.hora(QStringLiteral("HORA_SAIDA"));
            s.pessoas = w.inteiro(QStringLiteral("QTD_ADULTOS"));
            s.fechada = w.texto(QStringLiteral("BAIXA")) != QLatin1String("N");
            s.usuario = w.texto(QStringLiteral("USUARIO"));
            s.obs = w.texto(QStringLiteral("OBS"));
            const auto n = noites.value(s.id);
            s.diarias = n.first;
            s.totalDiarias = n.second;
            Dinheiro pago;
            for (int m = 0; m < kMeios; ++m) {
                s.meios[m] = w.dinheiro(colunasMeios()[m]);
                pago += s.meios[m];
                q.totais.meios[m] += s.meios[m];
            }
            s.linhas = linhas.value(s.id);
            // nights first within a moment, then consumption in its order
            std::stable_sort(s.linhas.begin(), s.linhas.end(), [](const LinhaDespesa &a, const LinhaDespesa &b) {
                return a.data != b.data ? a.data < b.data : a.hora < b.hora;
            });
            if (s.fechada) {
                // A closed stay's payments: its consumption, the rest its nights
                // (also when no night was charged).
                const Valor4 consumo = s.consumo();
                ++q.totais.hospedagens;
                q.totais.diarias += s.diarias;
                q.totais.valorDiarias += Valor4::de(pago) - consumo;
                q.totais.valorDespesas += consumo;
            }
            q.estadias.append(s);
        }
        for (const Quarto &q : e.quartos)
            e.geral += q.totais;
    }

    // 5. The counter sales of the period, single and several items alike,
    // by the means they were paid with.
    QString somas;
    for (int m = 0; m < kMeios - 1; ++m)
        somas += (m ? QStringLiteral(", ") : QString()) + QStringLiteral("SUM(%1) AS %1").arg(colunasMeios()[m]);
    const QList<Linha> avulsas =
        c.lerTodas(QStringLiteral("SELECT ") + somas
                       + QStringLiteral(" FROM DESPESA_AVULSA WHERE DATA >= ? AND DATA <= ? UNION ALL SELECT ") + somas
                       + QStringLiteral(" FROM V_DESPESA_AVULSA WHERE DATA >= ? AND DATA <= ?"),
                   {de, ate, de, ate});
    for (const Linha &a : avulsas)
        for (int m = 0; m < kMeios - 1; ++m) {
            const Dinheiro v = a.dinheiro(colunasMeios()[m]);
            e.meiosAvulsas[m] += v;
            e.avulsas += v;
        }
    return e;
}

QList<QPair<QString, QString>> linhasTotais(const Totais &t)
{
    const auto &m = t.meios;
    return {
        {QStringLiteral("Qtd. de Hospedagens Fechadas: "), QString::number(t.hospedagens)},
        {QStringLiteral("Qtd. de Diárias Fechadas: "), QString::number(t.diarias)},
        {QStringLiteral("Diárias Pagas de Hospedagens Fechadas: R$ "), texto(t.valorDiarias)},
        {QStringLiteral("Consumos Pagos de Hospedagens Fechadas: R$ "), texto(t.valorDespesas)},
        {QStringLiteral("Entrada em Dinheiro: R$ "), texto(m[Din])},
        {QStringLiteral("Entrada em Cartão de Crédito - Visa: R$ "), texto(m[Visa])},
        {QStringLiteral("Entrada em Cartão de Débito - Visa: R$ "), texto(m[DebVisa])},
        {QStringLiteral("Entrada em Cartão de Crédito - Mastercard: R$ "), texto(m[Master])},
        {QStringLiteral("Entrada em Cartão de Débito - Mastercard: R$ "), texto(m[DebMaster])},
        {QStringLiteral("Entrada em Cartão de Crédito - Hipercard: R$ "), texto(m[Hiper])},
        {QStringLiteral("Entrada em Pix / Chq: R$ "), texto(m[Cheque])},
        {QStringLiteral("Entrada em A Prazo: R$ "), texto(m[Nota])},
        {QStringLiteral("Pagamentos Adiantados: R$ "), texto(t.adiantados)},
    };
}

QList<QPair<QString, QString>> linhasTotalGeral(const Extrato &e)
{
    // Every means but "A Prazo" adds the counter sales paid with it; the
    // advances close the summary under their own caption.
    Totais t = e.geral;
    for (int m = 0; m < kMeios; ++m)
        t.meios[m] += e.meiosAvulsas[m];
    QList<QPair<QString, QString>> l = linhasTotais(t);
    l.removeLast();
    l.append({QStringLiteral("Valor das Despesas Avulsas Pagas: R$ "), texto(e.avulsas)});
    l.append({QStringLiteral("Valor dos Pagamentos Adiantados: R$ "), texto(e.geral.adiantados)});
    return l;
}

QString linhaPeriodo(const QDate &de, const QDate &ate)
{
    return QStringLiteral("(De: ") + de.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral("   Até: ")
        + ate.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(')');
}

QString textoLog(const QDate &de, const QDate &ate)
{
    return QStringLiteral("Relatório de Extrato de UH (De:") + de.toString(QStringLiteral("dd/MM/yyyy"))
        + QStringLiteral(" Até: ") + ate.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(')');
}

Relatorio relatorio(const Extrato &e)
{
    Relatorio rel(kTitulo);
    rel.textoEhConteudo();
    rel.linhaCabecalho(linhaPeriodo(e.de, e.ate));
    rel.coluna(QStringLiteral("Produto / Serviço"), 34);
    rel.coluna(QStringLiteral("Qtd."), 6, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("Valor Unit. R$"), 12, Relatorio::Tipo::Dinheiro);
    rel.coluna(QStringLiteral("Subtotal R$"), 12, Relatorio::Tipo::Dinheiro);
    rel.coluna(QStringLiteral("Data"), 12, Relatorio::Tipo::Data);
    rel.coluna(QStringLiteral("Hora"), 10, Relatorio::Tipo::Hora);
    rel.coluna(QStringLiteral("Comanda"), 9, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("Usuário"), 11);
    const QString dia = QStringLiteral("dd/MM/yyyy");
    const QString hora = QStringLiteral("HH:mm:ss");
    const QString sep = QStringLiteral("      ");
    for (const Quarto &q : e.quartos) {
        rel.grupo(QStringLiteral("UH: ") + q.numero);
        for (const Estadia &s : q.estadias) {
            rel.texto(QStringLiteral("Entrada N.º: %1").arg(s.id) + sep + QStringLiteral("Cliente: ") + s.cliente);
            // an open stay's expected exit is not printed
            const QString saida = s.fechada
                ? s.dataSaida.toString(dia) + QLatin1Char(' ') + s.horaSaida.toString(hora)
                : QString();
            rel.texto(QStringLiteral("Entrada: ") + s.dataEntrada.toString(dia) + QLatin1Char(' ')
                      + s.horaEntrada.toString(hora) + sep + QStringLiteral("Saída: ") + saida + sep
                      + QStringLiteral("Qtd. Pessoas: %1").arg(s.pessoas) + sep + QStringLiteral("Status Atual: ")
                      + (s.fechada ? QStringLiteral("Fechado") : QStringLiteral("Em Aberto")));
            rel.texto(QStringLiteral("Usuário Responsável pela Saída: ") + s.usuario);
            rel.texto(QStringLiteral("Observações: ") + QString(s.obs).replace(QLatin1Char('\r'), QLatin1Char(' '))
                                                              .replace(QLatin1Char('\n'), QLatin1Char(' ')));
            rel.texto(QStringLiteral("Dados do Fechamento") + sep
                      + QStringLiteral("Quantidade de Diárias: %1").arg(s.diarias) + sep
                      + QStringLiteral("Valor Total das Diárias: R$ ") + s.totalDiarias.formatado());
            rel.titulosColunas(QStringLiteral("Detalhamento das Despesas"));
            for (const LinhaDespesa &l : s.linhas)
                rel.linha({l.descricao, l.qtd, l.unitario, l.subtotal.dinheiro(), l.data, l.hora,
                           l.diaria ? Relatorio::Celula() : Relatorio::Celula(l.comanda), l.usuario});
            rel.texto(QString());
        }
        rel.texto(QStringLiteral(">>TOTAL<<                    --- UH ") + q.numero + QStringLiteral(" ---"));
        for (const auto &[rotulo, valor] : linhasTotais(q.totais))
            rel.texto(rotulo + valor);
        rel.texto(QString());
    }
    rel.fecharGrupo();
    rel.resumo(QStringLiteral(">>TOTAL GERAL<<"), QString());
    for (const auto &[rotulo, valor] : linhasTotalGeral(e))
        rel.resumo(rotulo.trimmed(), valor);
    return rel;
}

} // namespace ExtratoUH
