#include "stays/Extrato.h"
#include "base/Parametros.h"
#include "stays/CalculoEstadia.h"

#include <algorithm>

namespace ExtratoConta {

namespace {

const QString kDataHora = QStringLiteral("dd/MM/yyyy");
const QString kHora = QStringLiteral("HH:mm:ss");

QString dataHora(const QDate &d, const QTime &h, const QString &separador = QStringLiteral("  "))
{
    return (d.isValid() ? d.toString(kDataHora) : QString()) + separador + (h.isValid() ? h.toString(kHora) : QString());
}

bool modoMotel() { return tParametros().sim(QStringLiteral("MODO_MOTEL")); }

Estadia lerEstadia(const Linha &l)
{
    Estadia e;
    e.id = l.inteiro(QStringLiteral("ID_WALK_IN"));
    e.idReserva = l.inteiro(QStringLiteral("ID_RESERVA"));
    e.dataEntrada = l.data(QStringLiteral("DATA_ENTRADA"));
    e.horaEntrada = l.hora(QStringLiteral("HORA_ENTRADA"));
    e.dataSaida = l.data(QStringLiteral("DATA_SAIDA"));
    e.horaSaida = l.hora(QStringLiteral("HORA_SAIDA"));
    e.idCliente = l.inteiro(QStringLiteral("ID_CLIENTE"));
    e.idUH = l.inteiro(QStringLiteral("ID_UH"));
    e.pessoas = int(l.inteiro(QStringLiteral("QTD_ADULTOS")));
    e.obs = l.texto(QStringLiteral("OBS"));
    e.numeroUH = l.texto(QStringLiteral("NUMERO"));
    e.nomeCliente = l.texto(QStringLiteral("NOME"));
    e.diaria = l.dinheiro(QStringLiteral("VALOR_DIARIA"));
    e.fechada = l.texto(QStringLiteral("BAIXA")) == QLatin1String("S");
    e.adiantado = l.dinheiro(QStringLiteral("ADIANTADO"));
    e.dinheiro = l.dinheiro(QStringLiteral("DINHEIRO"));
    e.visa = l.dinheiro(QStringLiteral("VISA"));
    e.master = l.dinheiro(QStringLiteral("MASTER"));
    e.hiper = l.dinheiro(QStringLiteral("HIPER"));
    e.cheque = l.dinheiro(QStringLiteral("CHEQUE"));
    e.nota = l.dinheiro(QStringLiteral("NOTA"));
    e.debVisa = l.dinheiro(QStringLiteral("DEBVISA"));
    e.debMaster = l.dinheiro(QStringLiteral("DEBMASTER"));
    e.usuario = l.texto(QStringLiteral("USUARIO"));
    e.usuarioEntrada = l.texto(QStringLiteral("USUARIO_ENTRADA"));
    e.desconto = l.dinheiro(QStringLiteral("DESCONTO"));
    e.acrescimo = l.dinheiro(QStringLiteral("ACRESCIMO"));
    e.auditorio = l.texto(QStringLiteral("AUDITORIO")) == QLatin1String("S");
    return e;
}

// The amount of the open motel stay's charge at `agora`: its stored rate plus
// the additional hours at P2, by the one rule of CalculoEstadia.
struct PrecoMotel {
    Dinheiro valor;
    bool adicional = false;
};
PrecoMotel precoMotel(ConexaoBanco &conexao, const Estadia &e, const QDateTime &agora)
{
    const CalculoEstadia::TaxasTipo t = CalculoEstadia::lerTaxas(conexao, e.idUH);
    const int horas = CalculoEstadia::horasAdicionais(QDateTime(e.dataEntrada, e.horaEntrada), agora, e.diaria, t,
                                                      CalculoEstadia::ConfigMotel::deParametros());
    const Dinheiro extra = t.p[1] * horas;
    return {e.diaria + extra, !extra.zero()};
}

QString descricaoNoite(const Estadia &e, const LinhaExtrato &l, const QString &nomePersonalizado, bool motel)
{
    if (e.auditorio && !nomePersonalizado.trimmed().isEmpty())
        return nomePersonalizado;
    if (motel)
        return l.adicional ? QStringLiteral("HOSPEDAGEM + ADICIONAL") : QStringLiteral("HOSPEDAGEM");
    return QStringLiteral("DIÁRIA (%1 HÓSPEDE(S))").arg(l.hospedes);
}

// ------------------------------------------------------------ blocks

QStringList blocoEmpresa(bool mostrarCnpj)
{
    const TParametros &p = tParametros();
    QString nome = p.texto(QStringLiteral("NOME_FANTASIA"));
    if (mostrarCnpj)
        nome += QStringLiteral(" - CNPJ: ") + p.texto(QStringLiteral("CNPJ"));
    return {nome, p.texto(QStringLiteral("ENDERECO")),
            p.texto(QStringLiteral("FONE1")) + QStringLiteral(" / ") + p.texto(QStringLiteral("FONE2"))
                + QStringLiteral("     -     Email: ") + p.texto(QStringLiteral("EMAIL"))};
}

QStringList blocoCliente(const Extrato &x)
{
    const Linha &c = x.estadia.cliente;
    auto t = [&c](const char *col) { return c.texto(QString::fromLatin1(col)); };
    QString endereco = t("ENDERECO");
    if (!t("NUMERO").trimmed().isEmpty())
        endereco += QStringLiteral(", ") + t("NUMERO");
    return {QStringLiteral("DADOS DO CLIENTE"),
            QStringLiteral("Cliente..............: %1 - %2").arg(x.estadia.idCliente).arg(x.estadia.nomeCliente),
            QStringLiteral("Endereço..........: ") + endereco,
            QStringLiteral("Bairro...............: ") + t("BAIRRO"),
            QStringLiteral("Cidade...........: ") + t("CIDADE"),
            QStringLiteral("UF..................: ") + t("ESTADO"),
            QStringLiteral("CEP: ") + t("CEP"),
            QStringLiteral("Fone(s).............: ") + t("FONE_1") + QStringLiteral(" / ") + t("FAX"),
            QStringLiteral("CNPJ / CPF......: ") + t("CNPJ_CPF"),
            QStringLiteral("RG / Insc. Est.: ") + t("RG_INSC_EST"),
            QStringLiteral("Observações.....: ") + t("OBSERVACAO")};
}

void textos(Relatorio &rel, const QStringList &linhas)
{
    for (const QString &l : linhas)
        rel.texto(l);
}

QString obsNova(const QString &obs)
{
    QString o = obs;
    o.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    o.replace(QLatin1Char('\r'), QLatin1Char(' '));
    o.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return o;
}

QString tituloExtrato(const Extrato &e)
{
    return e.preExtrato() ? QStringLiteral("Pré-Extrato de Conta") : QStringLiteral("Extrato de Conta");
}

QString linhaEntrada(const QString &chave) { return QStringLiteral("(ENTRADA No. ") + chave + QStringLiteral(")"); }

} // namespace

QString nomeTipo(Tipo t)
{
    switch (t) {
    case Tipo::Entrada: return QStringLiteral("Entrada");
    case Tipo::Conferencia: return QStringLiteral("Conferência");
    case Tipo::Saida: break;
    }
    return QStringLiteral("Saída");
}

std::optional<Extrato> montar(ConexaoBanco &conexao, qint64 idEntrada, const QString &nomePersonalizado, const QDateTime &agora, Falta *falta)
{
    ConexaoBanco &c = conexao;
    if (falta)
        *falta = Falta::Nenhuma;
    const Linha w = c.ler(
        QStringLiteral("SELECT W.ID_WALK_IN, W.ID_RESERVA, W.DATA_ENTRADA, W.HORA_ENTRADA, W.DATA_SAIDA, W.HORA_SAIDA, "
                       "W.ID_CLIENTE, W.ID_UH, W.QTD_ADULTOS, W.OBS, UH.NUMERO, C.NOME, W.VALOR_DIARIA, W.BAIXA, "
                       "W.ADIANTADO, W.DINHEIRO, W.VISA, W.MASTER, W.HIPER, W.CHEQUE, W.NOTA, W.DEBVISA, W.DEBMASTER, "
                       "W.USUARIO, W.USUARIO_ENTRADA, W.DESCONTO, W.ACRESCIMO, UH.AUDITORIO, W.EXCLUIDO "
                       "FROM WALK_IN W LEFT JOIN UH ON UH.ID_UH = W.ID_UH "
                       "LEFT JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE WHERE W.ID_WALK_IN = ?"),
        {idEntrada});
    if (w.vazia() || w.texto(QStringLiteral("EXCLUIDO")) != QLatin1String("N")) {
        if (falta)
            *falta = w.vazia() ? Falta::Inexistente : Falta::Cancelada;
        return std::nullopt;
    }
    Extrato x;
    x.estadia = lerEstadia(w);
    Estadia &e = x.estadia;
    e.cliente = c.ler(QStringLiteral("SELECT * FROM CLIENTE WHERE ID_CLIENTE NOT IN (SELECT ID_CLIENTE FROM ANULACAO) "
                                     "AND ID_CLIENTE = ?"),
                      {e.idCliente});
    for (const Linha &h :
         c.lerTodas(QStringLiteral("SELECT NOME FROM HOSPEDE WHERE ID_ENTRADA = ? ORDER BY ID_HOSPEDE"), {idEntrada}))
        x.hospedes << h.texto(QStringLiteral("NOME"));

    x.chegada = dataHora(e.dataEntrada, e.horaEntrada);
    x.partida = e.fechada ? dataHora(e.dataSaida, e.horaSaida) : dataHora(agora.date(), agora.time());

    const bool motel = modoMotel();
    std::optional<PrecoMotel> repreco;
    if (motel && !e.fechada) {
        repreco = precoMotel(conexao, e, agora);
        x.motelRepreciado = true;
    }

    // Nights first (their own order), then consumption; both ordered by
    // date and time afterwards, nights before consumption of the same moment.
    bool primeiraNoite = true;
    for (const Linha &o : c.lerTodas(QStringLiteral("SELECT ID_OCUPACAO, DATA, VALOR, QTD, ADICIONAL FROM OCUPACAO "
                                                    "WHERE ID_ENTRADA = ? ORDER BY ID_OCUPACAO"),
                                     {idEntrada})) {
        LinhaExtrato l;
        l.noite = true;
        l.id = o.inteiro(QStringLiteral("ID_OCUPACAO"));
        l.data = o.data(QStringLiteral("DATA"));
        l.hora = QTime(0, 0);
        l.valorUnit = o.dinheiro(QStringLiteral("VALOR"));
        l.hospedes = int(o.inteiro(QStringLiteral("QTD")));
        l.adicional = o.texto(QStringLiteral("ADICIONAL")) == QLatin1String("S");
        // The open motel stay's charge (kept on its first night row at the
        // check-out) is shown at the price of this moment; nothing is written.
        if (repreco && primeiraNoite) {
            l.valorUnit = repreco->valor;
            l.adicional = repreco->adicional;
        }
        primeiraNoite = false;
        l.total = l.valorUnit;
        l.diaria = true;
        l.descricao = descricaoNoite(e, l, nomePersonalizado, motel);
        x.linhas << l;
    }
    for (const Linha &d : c.lerTodas(
             QStringLiteral("SELECT D.ID_DESPESA_UH, D.ID_P_S, D.QTD, D.VALOR_UNIT, D.TAXA, D.COMANDA, D.DATA, D.HORA, "
                            "D.DIARIA, PS.DESCRICAO, PS.SIT_TRIBUT FROM DESPESA_UH D "
                            "LEFT JOIN PRODUTOS_SERVICOS PS ON PS.ID_P_S = D.ID_P_S "
                            "WHERE D.ID_ENTRADA = ? ORDER BY D.ID_DESPESA_UH"),
             {idEntrada})) {
        LinhaExtrato l;
        l.id = d.inteiro(QStringLiteral("ID_DESPESA_UH"));
        l.idPS = d.inteiro(QStringLiteral("ID_P_S"));
        l.qtd = d.inteiro(QStringLiteral("QTD"));
        l.valorUnit = d.dinheiro(QStringLiteral("VALOR_UNIT"));
        l.taxa = d.dinheiro(QStringLiteral("TAXA"));
        l.comanda = d.inteiro(QStringLiteral("COMANDA"));
        l.data = d.data(QStringLiteral("DATA"));
        l.hora = d.hora(QStringLiteral("HORA"));
        l.diaria = d.texto(QStringLiteral("DIARIA")) == QLatin1String("S");
        l.descricaoProduto = d.texto(QStringLiteral("DESCRICAO"));
        l.sitTribut = d.texto(QStringLiteral("SIT_TRIBUT"));
        l.descricao = l.descricaoProduto;
        l.total = CalculoEstadia::valorLinhaConsumo(l.qtd, l.valorUnit, l.taxa);
        x.linhas << l;
    }
    std::stable_sort(x.linhas.begin(), x.linhas.end(), [](const LinhaExtrato &a, const LinhaExtrato &b) {
        if (a.data != b.data)
            return a.data < b.data;
        return a.hora < b.hora;
    });
    for (const LinhaExtrato &l : x.linhas) {
        x.subtotal += l.total;
        (l.diaria ? x.diarias : x.despesas) += l.total;
    }
    x.total = x.subtotal - e.desconto + e.acrescimo;
    if (e.pessoas >= 1) {
        const qint64 cent = x.total.centavos();
        qint64 q = cent / e.pessoas;
        const qint64 r = cent % e.pessoas;
        if (2 * (r < 0 ? -r : r) >= e.pessoas)
            q += cent < 0 ? -1 : 1;
        x.porPessoa = Dinheiro::deCentavos(q);
    }
    return x;
}

QList<Conteudo> conteudos(ConexaoBanco &conexao, qint64 idEntrada)
{
    QList<Conteudo> r;
    for (const Linha &l : conexao.lerTodas(
             QStringLiteral("SELECT IE.ID_ITEM, SUM(IE.QTD) AS QTD, I.DESCRICAO FROM ITEM_ENTRADA IE "
                            "JOIN ITEM I ON I.ID_ITEM = IE.ID_ITEM WHERE IE.ID_ENTRADA = ? "
                            "GROUP BY IE.ID_ITEM, I.DESCRICAO ORDER BY I.DESCRICAO"),
             {idEntrada}))
        r << Conteudo{QStringLiteral("APARTAMENTO"), l.inteiro(QStringLiteral("ID_ITEM")), l.inteiro(QStringLiteral("QTD")),
                      l.texto(QStringLiteral("DESCRICAO")), Dinheiro()};
    for (const Linha &l : conexao.lerTodas(
             QStringLiteral("SELECT PE.ID_P_S, SUM(PE.QTD) AS QTD, PS.DESCRICAO, PE.VALOR FROM PS_ENTRADA PE "
                            "JOIN PRODUTOS_SERVICOS PS ON PS.ID_P_S = PE.ID_P_S WHERE PE.ID_ENTRADA = ? "
                            "GROUP BY PE.ID_P_S, PS.DESCRICAO, PE.VALOR ORDER BY PS.DESCRICAO"),
             {idEntrada}))
        r << Conteudo{QStringLiteral("FRIGOBAR"), l.inteiro(QStringLiteral("ID_P_S")), l.inteiro(QStringLiteral("QTD")),
                      l.texto(QStringLiteral("DESCRICAO")), l.dinheiro(QStringLiteral("VALOR"))};
    return r;
}

// ------------------------------------------------------------ layouts
//
// The column titles are the frame's title band, placed after the company
// and customer blocks; a statement that runs over a page repeats them there.

Relatorio relatorioCompleto(const Extrato &x, bool mostrarCnpj)
{
    const Estadia &e = x.estadia;
    const QString chave = QString::number(e.id);
    Relatorio rel(tituloExtrato(x));
    rel.coluna(QStringLiteral("Data"), 14, Relatorio::Tipo::Data);
    rel.coluna(QStringLiteral("Descrição"), 42);
    rel.coluna(QStringLiteral("Comanda"), 12, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("Quantidade"), 15, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("Valor Unit. R$"), 17, Relatorio::Tipo::Dinheiro);
    rel.coluna(QStringLiteral("Taxa Serv.(%)"), 17, Relatorio::Tipo::Dinheiro);
    rel.coluna(QStringLiteral("Valor Total R$"), 17, Relatorio::Tipo::Dinheiro, /*somar=*/true);
    rel.rotuloTotalGeral(QStringLiteral("SUBTOTAL R$"));

    rel.linhaCabecalho(linhaEntrada(chave));
    textos(rel, blocoEmpresa(mostrarCnpj));
    // An open stay leaves "now", with three blanks between date and time.
    QString partida = x.partida;
    if (!e.fechada)
        partida.replace(QStringLiteral("  "), QStringLiteral("   "));
    rel.texto(QStringLiteral("Chegada: ") + x.chegada + QStringLiteral("     Partida: ") + partida
              + QStringLiteral("     Reserva n.º ") + QString::number(e.idReserva) + QStringLiteral("     UH: ")
              + e.numeroUH);
    textos(rel, blocoCliente(x));
    rel.texto(QString());
    rel.titulosColunas();
    for (const LinhaExtrato &l : x.linhas)
        rel.linha({l.data, l.descricao, l.comanda, l.qtd, l.valorUnit, l.taxa.formatado(), l.total});
    rel.texto(QStringLiteral("Observações: ") + obsNova(e.obs));
    rel.texto(QStringLiteral("Hóspede(s):"));
    for (const QString &h : x.hospedes)
        rel.texto(QStringLiteral("    ") + h);

    rel.resumo(QStringLiteral("(-) Descontos R$"), e.desconto);
    rel.resumo(QStringLiteral("(+) Acréscimos R$"), e.acrescimo);
    rel.resumo(QStringLiteral("VALOR TOTAL R$"), x.total);
    rel.resumo(QStringLiteral("Diárias: R$"), x.diarias);
    rel.resumo(QStringLiteral("Despesas e Consumos: R$"), x.despesas);
    // Below one person there is no share to print.
    if (x.porPessoa)
        rel.resumo(QStringLiteral("Valor Total Dividido pela Quantidade de Pessoas: R$"), *x.porPessoa);
    rel.resumo(QStringLiteral("Entrada Realizada por:"), e.usuarioEntrada);
    rel.resumo(QStringLiteral("Fechamento Realizado por:"), e.usuario);
    rel.resumo(QStringLiteral("Forma de Pagamento"), QString());
    rel.resumo(QStringLiteral("Dinheiro: R$"), e.dinheiro);
    rel.resumo(QStringLiteral("Cartão de Crédito - Visa: R$"), e.visa);
    rel.resumo(QStringLiteral("Cartão de Débito - Visa: R$"), e.debVisa);
    rel.resumo(QStringLiteral("Cartão de Crédito - Mastercard: R$"), e.master);
    rel.resumo(QStringLiteral("Cartão de Débito - Mastercard: R$"), e.debMaster);
    rel.resumo(QStringLiteral("Cartão de Crédito - Hipercard: R$"), e.hiper);
    rel.resumo(QStringLiteral("Pix / Chq: R$"), e.cheque);
    rel.resumo(QStringLiteral("A Prazo: R$"), e.nota);
    rel.fechamento(QStringLiteral("***  OBRIGADO, VOLTE SEMPRE  ***"));
    rel.fechamento(QStringLiteral("***  DOCUMENTO SEM VALOR FISCAL  ***"));
    rel.fechamento(QString());
    rel.fechamento(QStringLiteral("Ass.: ________________________________________________"));
    rel.fechamento(blocoEmpresa(mostrarCnpj).constFirst());
    return rel;
}

Relatorio relatorioComprovante(const Extrato &x)
{
    const Estadia &e = x.estadia;
    const TParametros &p = tParametros();
    Relatorio rel(tituloExtrato(x));
    // One column 62 mm wide at the left of a roll of paper, as long as its lines.
    Relatorio::Formato f;
    f.larguraMm = kLarguraComprovante;
    f.margens = QMarginsF(0, 10, 5, 0);
    f.compacto = true;
    f.alturaPeloConteudo = true;
    rel.formato(f);

    QStringList cabecalho{p.texto(QStringLiteral("NOME_FANTASIA")), p.texto(QStringLiteral("ENDERECO")),
                          p.texto(QStringLiteral("CIDADE")) + QStringLiteral("-") + p.texto(QStringLiteral("UF")),
                          p.texto(QStringLiteral("FONE1")) + QStringLiteral(" / ") + p.texto(QStringLiteral("FONE2"))};
    const QString email = p.texto(QStringLiteral("EMAIL")).trimmed();
    if (!email.isEmpty())
        cabecalho << QStringLiteral("Email: ") + email;
    cabecalho << tituloExtrato(x) << linhaEntrada(QString::number(e.id));
    rel.cabecalhoCompacto(cabecalho);

    rel.coluna(QStringLiteral("Quantidade"), 16, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("Valor Unit. R$"), 20.5, Relatorio::Tipo::Dinheiro);
    rel.coluna(QStringLiteral("Valor Total R$"), 20.5, Relatorio::Tipo::Dinheiro, /*somar=*/true);
    rel.rotuloTotalGeral(QStringLiteral("SUBTOTAL R$"));

    rel.texto(QStringLiteral("UH: ") + e.numeroUH);
    rel.texto(QStringLiteral("Chegada: ") + x.chegada);
    rel.texto(QStringLiteral("Partida: ") + x.partida);
    rel.texto(QStringLiteral("Cliente: %1 - %2").arg(e.idCliente).arg(e.nomeCliente));
    rel.titulosColunas(QStringLiteral("Descrição"));
    for (const LinhaExtrato &l : x.linhas)
        rel.linha(l.descricao, {l.qtd, l.valorUnit, l.total});
    rel.resumo(QStringLiteral("(-) Desconto R$"), e.desconto);
    rel.resumo(QStringLiteral("(+) Acréscimo R$"), e.acrescimo);
    rel.resumo(QStringLiteral("VALOR TOTAL R$"), x.total);
    rel.fechamento(QStringLiteral("***  OBRIGADO, VOLTE SEMPRE  ***"));
    rel.fechamento(QStringLiteral("***  DOCUMENTO SEM VALOR FISCAL  ***"));
    return rel;
}

Relatorio relatorioEntrada(const Extrato &x, const QList<Conteudo> &c, bool mostrarCnpj, const QString &textoChave)
{
    const Estadia &e = x.estadia;
    Relatorio rel(QStringLiteral("Entrada de Hóspede"));
    rel.ambiente().paginaMm = QSizeF(210, 297);
    rel.linhaCabecalho(linhaEntrada(textoChave));
    textos(rel, blocoEmpresa(mostrarCnpj));
    rel.texto(QString());
    rel.texto(QStringLiteral("Chegada: ") + x.chegada + QStringLiteral("     UH: ") + e.numeroUH
              + QStringLiteral("     Entrada Realizada por: ") + e.usuarioEntrada);
    rel.texto(QString());
    textos(rel, blocoCliente(x));
    rel.texto(QString());
    // Without room contents the heads and lines are left out (no columns, no title band).
    if (!c.isEmpty()) {
        rel.coluna(QStringLiteral("Local"), 20);
        rel.coluna(QStringLiteral("Item"), 60);
        rel.coluna(QStringLiteral("Quantidade"), 15, Relatorio::Tipo::Inteiro);
        rel.coluna(QStringLiteral("Valor Unitário R$"), 20, Relatorio::Tipo::Dinheiro);
        rel.texto(QStringLiteral("Itens Contidos Apartamento e Frigobar* (*Caso sua UH disponha)"));
        rel.titulosColunas();
        for (const Conteudo &i : c)
            rel.linha({i.local, i.descricao, i.qtd, i.valor});
        rel.texto(QString());
    }
    rel.texto(QStringLiteral("Valor da Diária: R$ ") + e.diaria.formatado());
    rel.texto(QStringLiteral("Pagamento Adiantado: R$ ") + e.adiantado.formatado());
    rel.texto(QString());
    for (const char *l : {"Caro Hóspede,",
                          "   - Ao entrar no apartamento, verifique, de imediato, se os itens constantes desta nota, "
                          "estão presentes no quarto.",
                          "Caso haja alguma alteração, favor comunicar a recepção;",
                          "   - Ao ausentar-se do apartamento, favor deixar a chave na recepção;",
                          "   - Qualquer dano ou extravio dos itens constantes no apartamento, será de inteira "
                          "responsabilidade do hóspede;",
                          "   - Quando do fechamento da conta, favor entregar os controles remotos na recepção."})
        rel.texto(QString::fromUtf8(l));
    rel.texto(QString());
    rel.texto(QString());
    rel.texto(QStringLiteral("________________________________________________"));
    rel.texto(e.nomeCliente);
    return rel;
}

Relatorio relatorioConferencia(const Extrato &x, const QList<Conteudo> &c)
{
    Relatorio rel(QStringLiteral("Extrato de Conferência"));
    rel.ambiente().paginaMm = QSizeF(210, 297);
    rel.coluna(QStringLiteral("Local"), 25);
    rel.coluna(QStringLiteral("Item"), 70);
    rel.coluna(QStringLiteral("Quantidade"), 20, Relatorio::Tipo::Inteiro);
    rel.linhaCabecalho(QStringLiteral("(UH No. ") + x.estadia.numeroUH + QStringLiteral(")"));
    rel.texto(QStringLiteral("Itens Contidos (Apartamento e Frigobar)"));
    rel.titulosColunas();
    for (const Conteudo &i : c)
        rel.linha({i.local, i.descricao, i.qtd});
    return rel;
}

QString textoLog(const QString &textoSeletor, Tipo t)
{
    return QStringLiteral("Extrato de Conta (") + textoSeletor + QStringLiteral(")\rTipo:") + nomeTipo(t);
}

} // namespace ExtratoConta
