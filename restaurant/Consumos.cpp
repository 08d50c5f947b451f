#include "restaurant/Consumos.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/UnitLog.h"
#include "stays/EntregaFiscal.h"

namespace Consumos {

namespace {

using Grande = __int128;

// Rounds a / b half away from zero (b > 0).
qint64 dividir(Grande a, Grande b)
{
    const bool negativo = a < 0;
    if (negativo)
        a = -a;
    Grande q = (a + b / 2) / b;
    return qint64(negativo ? -q : q);
}

Grande potencia(int casas)
{
    Grande p = 1;
    for (int k = 0; k < casas; ++k)
        p *= 10;
    return p;
}

const QString kSqlItens = QStringLiteral(
    "SELECT C.ID_CONSUMO, C.ID_PRODUTO, C.ID_CHECK_IN, C.QTD, C.VALOR_UNIT, P.DESCRICAO, C.VIAGEM, "
    "C.TAXA_EMBALAGEM, P.EMBALAGEM, C.OBS, P.UN_MEDIDA, P.SIT_TRIBUT "
    "FROM CONSUMO C JOIN PRODUTO P ON P.ID_PRODUTO = C.ID_PRODUTO WHERE C.ID_CHECK_IN = ? ORDER BY C.ID_CONSUMO");

Item item(const Linha &l)
{
    Item i;
    i.idConsumo = l.inteiro(QStringLiteral("ID_CONSUMO"));
    i.idProduto = l.inteiro(QStringLiteral("ID_PRODUTO"));
    i.idCheckIn = l.inteiro(QStringLiteral("ID_CHECK_IN"));
    i.qtd = quantidadeDeSql(l.texto(QStringLiteral("QTD")));
    i.valorUnit = l.dinheiro(QStringLiteral("VALOR_UNIT"));
    i.descricao = l.texto(QStringLiteral("DESCRICAO"));
    i.viagem = l.texto(QStringLiteral("VIAGEM")) == QLatin1String("S");
    i.taxaEmbalagem = l.dinheiro(QStringLiteral("TAXA_EMBALAGEM"));
    i.embalagem = l.texto(QStringLiteral("EMBALAGEM")) == QLatin1String("S");
    i.obs = l.texto(QStringLiteral("OBS"));
    i.unMedida = l.texto(QStringLiteral("UN_MEDIDA"));
    i.sitTribut = l.texto(QStringLiteral("SIT_TRIBUT"));
    return i;
}

QString textoSql4(Quantidade q) { return textoSimples(q, 4, QLatin1Char('.')); }

} // namespace

Quantidade quantidadeDeSql(const QString &texto)
{
    QString t = texto.trimmed();
    const bool negativo = t.startsWith(QLatin1Char('-'));
    if (negativo)
        t.remove(0, 1);
    const qsizetype ponto = t.indexOf(QLatin1Char('.'));
    QString inteira = ponto < 0 ? t : t.left(ponto);
    QString fracao = ponto < 0 ? QString() : t.mid(ponto + 1);
    fracao = (fracao + QStringLiteral("0000")).left(4);
    const qint64 v = inteira.toLongLong() * kUmaUnidade + fracao.toLongLong();
    return negativo ? -v : v;
}

qint64 arredondar(qint64 valor, int casas) { return dividir(valor, potencia(casas)); }

QString textoSimples(qint64 valor, int casas, QChar separador)
{
    const bool negativo = valor < 0;
    const qint64 a = negativo ? -valor : valor;
    const qint64 p = qint64(potencia(casas));
    QString r = QString::number(a / p);
    QString fracao = QStringLiteral("%1").arg(a % p, casas, 10, QLatin1Char('0'));
    while (fracao.endsWith(QLatin1Char('0')))
        fracao.chop(1);
    if (casas > 0 && !fracao.isEmpty())
        r += separador + fracao;
    return negativo && (a != 0) ? QLatin1Char('-') + r : r;
}

QList<Item> lerItens(ConexaoBanco &conexao, qint64 idCheckIn)
{
    QList<Item> r;
    for (const Linha &l : conexao.lerTodas(kSqlItens, {idCheckIn}))
        r.append(item(l));
    return r;
}

Totais calcular(const QList<Item> &itens, Dinheiro taxaPercentual, bool semTaxa)
{
    // Sums in millionths of a real (quantity 10^-4 × cents 10^-2).
    Grande sub = 0, mesa = 0, embalagem = 0;
    for (const Item &i : itens) {
        sub += i.qtdXUnitMicro();
        if (!i.viagem)
            mesa += i.qtdXUnitMicro();
        else if (i.embalagem)
            embalagem += Grande(i.taxaEmbalagem.centavos()) * arredondar(i.qtd, 4); // cents
    }
    // The fee in units of 10^-10 of a real: millionths × percent in hundredths / 100 / 100.
    const Grande taxa = semTaxa ? 0 : mesa * taxaPercentual.centavos();
    const Grande exato = taxa + sub * 10000 + embalagem * 100000000;
    Totais t;
    t.subtotal = Dinheiro::deCentavos(dividir(sub, 10000));
    t.embalagem = Dinheiro::deCentavos(qint64(embalagem));
    t.taxaServico = Dinheiro::deCentavos(dividir(taxa, 100000000));
    t.total = Dinheiro::deCentavos(dividir(exato, 100000000));
    return t;
}

std::optional<Dinheiro> valorPorPessoa(Dinheiro total, Dinheiro parcial, const QString &pessoas)
{
    const QString t = pessoas.trimmed();
    if (t.isEmpty())
        return Dinheiro();
    for (QChar c : t)
        if (!c.isDigit())
            return std::nullopt;
    if (t.size() > 9)
        return std::nullopt;
    const qint64 n = t.toLongLong();
    if (n < 2)
        return Dinheiro();
    return Dinheiro::deCentavos(dividir((total - parcial).centavos(), n));
}

Abertura lerAbertura(ConexaoBanco &conexao, qint64 idCheckIn)
{
    const Linha l = conexao.ler(QStringLiteral("SELECT ID_CHECK_IN, ID_FUNCIONARIO, PAG_PARCIAL, IMPRESSOES_EXTRATO, "
                                                   "DATA_SAIDA, DATA_ENTRADA, HORA_ENTRADA FROM CHECK_IN "
                                                   "WHERE ID_CHECK_IN = ?"),
                                    {idCheckIn});
    Abertura a;
    a.idCheckIn = l.inteiro(QStringLiteral("ID_CHECK_IN"));
    a.idFuncionario = l.texto(QStringLiteral("ID_FUNCIONARIO"));
    a.pagParcial = l.dinheiro(QStringLiteral("PAG_PARCIAL"));
    a.impressoes = l.inteiro(QStringLiteral("IMPRESSOES_EXTRATO"));
    a.encerrada = !l.nulo(QStringLiteral("DATA_SAIDA"));
    const QDate d = l.data(QStringLiteral("DATA_ENTRADA"));
    if (d.isValid())
        a.entrada = QDateTime(d, l.hora(QStringLiteral("HORA_ENTRADA")));
    return a;
}

bool senhaAcessoTotal(ConexaoBanco &conexao, const QString &senha)
{
    if (senha.isEmpty() || senha.size() > 10)
        return false;
    return !conexao
                .ler(QStringLiteral("SELECT 1 FROM USUARIO WHERE ID_USUARIO NOT IN (SELECT ID_USUARIO FROM ANULACAO) "
                                    "AND ACESSO_TOTAL = 'S' AND SENHA = ?"),
                     {senha})
                .vazia();
}

Resultado adicionarParcial(ConexaoBanco &conexao, qint64 idCheckIn, const QString &digitado, Dinheiro taxaPercentual, bool semTaxa,
                           const QString &tituloTela)
{
    Resultado r;
    const LeituraDinheiro v = Dinheiro::digitado(digitado, SinalDigitado::Qualquer, VazioDigitado::Zero);
    if (!v) {
        r.mensagem = v.recusa == LeituraDinheiro::Recusa::Formato ? kMsgValorInvalido : v.mensagem();
        return r;
    }
    if (*v.valor <= Dinheiro()) {
        r.mensagem = kMsgValorInvalido;
        return r;
    }
    const Dinheiro valor = *v.valor;
    conexao.emTransacao([&] {
        r = Resultado();
        const Linha a = conexao.ler(
            QStringLiteral("SELECT PAG_PARCIAL, DATA_SAIDA FROM CHECK_IN WHERE ID_CHECK_IN = ? WITH LOCK"), {idCheckIn});
        if (a.vazia() || !a.nulo(QStringLiteral("DATA_SAIDA"))) {
            r.mensagem = kMsgContaEncerrada;
            return;
        }
        const Totais t = calcular(lerItens(conexao, idCheckIn), taxaPercentual, semTaxa);
        // One update that adds to the stored sum only while it stays within the total.
        const int n = conexao.executar(
            QStringLiteral("UPDATE CHECK_IN SET PAG_PARCIAL = PAG_PARCIAL + CAST(? AS NUMERIC(15,2)) "
                           "WHERE ID_CHECK_IN = ? AND PAG_PARCIAL + CAST(? AS NUMERIC(15,2)) <= CAST(? AS NUMERIC(15,2))"),
            {valor.paraBanco(), idCheckIn, valor.paraBanco(), t.total.paraBanco()});
        if (n != 1) {
            r.mensagem = kMsgParcialMaior;
            return;
        }
        RegistrarLog(conexao, QStringLiteral("Realizou Reposição de Pag. Parcial ") + tituloTela +
                     QStringLiteral(" ao Caixa em Dinheiro!"));
        r.feito = true;
    });
    r.valor = lerAbertura(conexao, idCheckIn).pagParcial;
    return r;
}

QList<Mesas::Mesa> destinos(ConexaoBanco &conexao, qint64 mesaAtual)
{
    QList<Mesas::Mesa> r;
    for (const Mesas::Mesa &m : Mesas::lerMesas(conexao))
        if (m.ocupada() && m.id != mesaAtual)
            r.append(m);
    return r;
}

Resultado transferir(ConexaoBanco &conexao, const Mesas::Textos &t, qint64 mesaOrigem, const Item &linha, const Mesas::Mesa &destino,
                     qint64 quantidade)
{
    Resultado r;
    if (quantidade < 1 || quantidade * kUmaUnidade > linha.qtd) {
        r.mensagem = kMsgQuantidadeInvalida;
        return r;
    }
    const Quantidade mover = quantidade * kUmaUnidade;
    ConexaoBanco &c = conexao;
    c.emTransacao([&] {
        r = Resultado();
        const Linha m = c.ler(QStringLiteral("SELECT STATUS, ID_CHECK_IN FROM MESA WHERE ID_MESA = ? WITH LOCK"),
                              {destino.id});
        if (m.texto(QStringLiteral("STATUS")) != QLatin1String("O") ||
            m.inteiro(QStringLiteral("ID_CHECK_IN")) != destino.idCheckIn || destino.idCheckIn == linha.idCheckIn) {
            r.mensagem = kMsgDestinoMudou.arg(destino.id);
            return;
        }
        const Linha l = c.ler(QStringLiteral("SELECT * FROM CONSUMO WHERE ID_CONSUMO = ? WITH LOCK"), {linha.idConsumo});
        if (l.vazia() || l.inteiro(QStringLiteral("ID_CHECK_IN")) != linha.idCheckIn ||
            quantidadeDeSql(l.texto(QStringLiteral("QTD"))) < mover) {
            r.mensagem = kMsgLinhaMudou;
            return;
        }
        const Quantidade atual = quantidadeDeSql(l.texto(QStringLiteral("QTD")));
        if (mover < atual)
            c.executar(QStringLiteral("UPDATE CONSUMO SET QTD = QTD - CAST(? AS NUMERIC(18,4)) WHERE ID_CONSUMO = ?"),
                       {textoSql4(mover), linha.idConsumo});
        else
            c.executar(QStringLiteral("DELETE FROM CONSUMO WHERE ID_CONSUMO = ?"), {linha.idConsumo});

        const QVariant taxa = l.valor(QStringLiteral("TAXA_EMBALAGEM"));
        const Linha alvo = c.ler(
            QStringLiteral("SELECT FIRST 1 ID_CONSUMO, OBS FROM CONSUMO WHERE ID_CHECK_IN = ? AND ID_PRODUTO = ? "
                           "AND VALOR_UNIT = ? AND VIAGEM = ? AND COALESCE(TAXA_EMBALAGEM, 0) = ? "
                           "ORDER BY ID_CONSUMO WITH LOCK"),
            {destino.idCheckIn, linha.idProduto, linha.valorUnit.paraBanco(), l.texto(QStringLiteral("VIAGEM")),
             l.dinheiro(QStringLiteral("TAXA_EMBALAGEM")).paraBanco()});
        if (!alvo.vazia()) {
            c.executar(QStringLiteral("UPDATE CONSUMO SET QTD = QTD + CAST(? AS NUMERIC(18,4)), OBS = ? WHERE ID_CONSUMO = ?"),
                       {textoSql4(mover), Mesas::notaMovida(t, mesaOrigem, alvo.texto(QStringLiteral("OBS"))),
                        alvo.inteiro(QStringLiteral("ID_CONSUMO"))});
        } else {
            const QDateTime agora = Relogio::agora();
            c.executar(QStringLiteral("INSERT INTO CONSUMO (ID_PRODUTO, ID_CHECK_IN, QTD, VALOR_UNIT, DATA, HORA, VIAGEM, "
                                      "TAXA_EMBALAGEM, OBS, CONCLUIDO) VALUES (?, ?, CAST(? AS NUMERIC(18,4)), ?, ?, ?, ?, ?, ?, ?)"),
                       {linha.idProduto, destino.idCheckIn, textoSql4(mover), linha.valorUnit.paraBanco(), agora.date(),
                        agora.time(), l.texto(QStringLiteral("VIAGEM")), taxa,
                        Mesas::notaMovida(t, mesaOrigem, QString()), l.texto(QStringLiteral("CONCLUIDO"))});
        }
        r.feito = true;
    });
    return r;
}

// ---------------------------------------------------------------- hand-over

qint64 codigoVendedor(const QString &codFuncionario)
{
    const QString t = codFuncionario.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return 1;
    for (QChar ch : t)
        if (!ch.isDigit())
            return 1;
    const qint64 n = t.toLongLong();
    return n > 0 ? n : 1;
}

Dav montarDav(qint64 codigo, const QDateTime &agora, const QString &cliente, const QList<Item> &itens, Dinheiro valor,
              Dinheiro desconto, qint64 codVendedor, const QString &obs)
{
    Dav d;
    d.codigo = codigo;
    d.emissao = agora.date();
    d.hora = agora.time();
    d.nomeCliente = cliente.left(50).leftJustified(50, QLatin1Char(' '));
    d.codVendedor = codVendedor;
    d.desconto = desconto;
    d.valor = valor;
    d.obs = obs;
    const QString mda = d.emissao.toString(QStringLiteral("MM/dd/yyyy"));
    const QString dma = d.emissao.toString(QStringLiteral("dd/MM/yyyy"));
    d.hash = EntregaFiscal::md5(QString::number(codigo) + QStringLiteral("1") + d.nomeCliente + QStringLiteral("0001") +
                                mda + valor.formatado().remove(QLatin1Char('.')));
    int controle = 0;
    for (const Item &i : itens) {
        ItemDav x;
        x.controle = ++controle;
        x.codProduto = i.idProduto;
        x.qtde = textoSimples(i.qtd, 4, QLatin1Char('.'));
        x.preco = textoSimples(i.valorUnit.centavos(), 2, QLatin1Char('.'));
        x.totalIten = textoSimples(i.qtdXUnit4(), 4, QLatin1Char('.'));
        x.descricao = i.descricao.left(60);
        x.hash = EntregaFiscal::md5(QString::number(codigo) + QString::number(x.controle) + dma +
                                    QString::number(i.idProduto) + x.descricao +
                                    textoSimples(i.qtd, 4, QLatin1Char(',')) + i.unMedida +
                                    textoSimples(i.valorUnit.centavos(), 2, QLatin1Char(',')) +
                                    textoSimples(i.qtdXUnit4(), 4, QLatin1Char(',')) + i.sitTribut +
                                    QStringLiteral("N"));
        d.itens.append(x);
    }
    return d;
}

Resultado converterEmDav(ConexaoBanco &conexao, const Mesas::Textos &t, qint64 mesa, qint64 idCheckIn, Dinheiro taxaPercentual, bool semTaxa)
{
    Resultado r;
    ConexaoBanco &c = conexao;
    ConexaoBanco &pdv = DM->ConexaoPDV;
    try {
        pdv.garantirConectada();
        bool gravado = false;
        c.emTransacao([&] {
            r.feito = false;
            r.mensagem.clear();
            // The claim: the table, still occupied on this opening, locked
            // until the document is written and the table freed.
            const Linha m = c.ler(
                QStringLiteral("SELECT STATUS, ID_CHECK_IN, CLIENTE FROM MESA WHERE ID_MESA = ? WITH LOCK"), {mesa});
            const Linha a = c.ler(QStringLiteral("SELECT ID_FUNCIONARIO, PAG_PARCIAL, DATA_SAIDA FROM CHECK_IN "
                                                 "WHERE ID_CHECK_IN = ? WITH LOCK"),
                                  {idCheckIn});
            if (m.texto(QStringLiteral("STATUS")) != QLatin1String("O") ||
                m.inteiro(QStringLiteral("ID_CHECK_IN")) != idCheckIn || a.vazia() ||
                !a.nulo(QStringLiteral("DATA_SAIDA"))) {
                r.mensagem = kMsgContaEncerrada;
                return;
            }
            // CLIENTE is a CHAR(90): as read, padded with blanks.
            const QString cliente = m.valor(QStringLiteral("CLIENTE")).toString().leftJustified(90, QLatin1Char(' '));
            const QString idFunc = a.texto(QStringLiteral("ID_FUNCIONARIO"));
            const Linha f = c.ler(QStringLiteral("SELECT NOME, COD_FUNCIONARIO FROM FUNCIONARIO WHERE ID_FUNCIONARIO = ?"),
                                  {QVariant(idFunc.toLongLong())});
            const QList<Item> itens = lerItens(conexao, idCheckIn);
            const Totais tot = calcular(itens, taxaPercentual, semTaxa);
            const QString obs = (t.cartao ? QStringLiteral("CARTÃO ") : QStringLiteral("MESA ")) +
                                QString::number(mesa) + QStringLiteral(" - ") + f.texto(QStringLiteral("NOME")) +
                                QStringLiteral(" - CHK ") + QString::number(idCheckIn);
            // Written first and committed last: the companion rows go in between.
            const QDateTime agora = Relogio::agora();
            c.executar(QStringLiteral("UPDATE CHECK_IN SET DATA_SAIDA = ?, HORA_SAIDA = ? WHERE ID_CHECK_IN = ?"),
                       {agora.date(), agora.time(), idCheckIn});
            c.executar(QStringLiteral("UPDATE MESA SET STATUS = 'L', AGUARDANDO_PAG = 'N' WHERE ID_MESA = ?"), {mesa});
            if (!gravado) {
                pdv.emTransacao([&] {
                    const Dav d = montarDav(pdv.gerador(QStringLiteral("GEN_ORCAMENTO_ID"), 1), Relogio::agora(), cliente,
                                            itens, tot.total, a.dinheiro(QStringLiteral("PAG_PARCIAL")),
                                            codigoVendedor(f.texto(QStringLiteral("COD_FUNCIONARIO"))), obs.left(200));
                    pdv.executar(
                        QStringLiteral("INSERT INTO ORCAMENTO (CODIGO, DTEMISSAO, CODCLIENTE, NOMECLIENTE, CODVENDEDOR, "
                                       "DESCONTO, VALOR, TOTALCUSTO, OBS, NUMERO_DAV, VALIDADE, SITUACAO, FLAG, HORA, HASH) "
                                       "VALUES (?, ?, '0001', ?, ?, ?, ?, 0, ?, ?, ?, 'A', '0', ?, ?)"),
                        {d.codigo, d.emissao, d.nomeCliente, d.codVendedor, d.desconto.paraBanco(), d.valor.paraBanco(),
                         d.obs, d.codigo, d.emissao, d.hora, d.hash});
                    for (const ItemDav &i : d.itens)
                        pdv.executar(QStringLiteral("INSERT INTO ITEMORCAMENTO (CODIGO, CONTROLE, CODPRODUTO, QTDE, PRECO, "
                                                    "TOTALITEN, CUSTO, TABELA, DESCRICAO, MAODEOBRA, CANCELADO, HASH) "
                                                    "VALUES (?, ?, ?, CAST(? AS NUMERIC(18,4)), CAST(? AS NUMERIC(18,4)), "
                                                    "CAST(? AS NUMERIC(18,4)), 0, 'V', ?, 'N', 'N', ?)"),
                                     {d.codigo, i.controle, i.codProduto, i.qtde, i.preco, i.totalIten, i.descricao,
                                      i.hash});
                    r.documento = d.codigo;
                });
                gravado = true;
            }
            r.feito = true;
        });
    } catch (const std::exception &e) {
        r.feito = false;
        r.mensagem = kMsgDavFalhou.arg(QString::fromUtf8(e.what()));
    }
    return r;
}

// ---------------------------------------------------------------- the bill

QList<LinhaConta> linhasConta(const QList<Item> &itens, bool desagrupados)
{
    struct Soma {
        const Item *primeiro = nullptr; // the group's key: product, price, description, flags
        LinhaConta l;
        qint64 micro = 0;               // exact quantity × price
    };
    auto mesmoGrupo = [](const Item &a, const Item &b) {
        return a.idProduto == b.idProduto && a.valorUnit == b.valorUnit && a.descricao == b.descricao
            && a.viagem == b.viagem && a.taxaEmbalagem == b.taxaEmbalagem && a.embalagem == b.embalagem;
    };
    QList<Soma> somas;
    for (const Item &i : itens) {
        Soma *s = nullptr;
        if (!desagrupados)
            for (Soma &o : somas)
                if (mesmoGrupo(*o.primeiro, i)) {
                    s = &o;
                    break;
                }
        if (!s) {
            somas.append(Soma{&i, {}, 0});
            s = &somas.last();
            s->l.idProduto = i.idProduto;
            s->l.descricao = i.descricao;
            s->l.valorUnit = i.valorUnit;
        }
        s->l.qtd += i.qtd;
        s->micro += i.qtdXUnitMicro();
    }
    QList<LinhaConta> r;
    r.reserve(somas.size());
    for (Soma &s : somas) {
        s.l.total = Dinheiro::deCentavos(arredondar(s.micro, 4));
        r << s.l;
    }
    return r;
}

QString textoQuantidadeConta(Quantidade q)
{
    // Ten-thousandths to thousandths, halves away from zero.
    const qint64 milesimos = q >= 0 ? (q + 5) / 10 : -((-q + 5) / 10);
    const qint64 a = milesimos < 0 ? -milesimos : milesimos;
    QString inteiro = QString::number(a / 1000);
    for (int p = inteiro.size() - 3; p > 0; p -= 3)
        inteiro.insert(p, QLatin1Char('.'));
    return (milesimos < 0 ? QStringLiteral("-") : QString()) + inteiro + QLatin1Char(',')
        + QStringLiteral("%1").arg(a % 1000, 3, 10, QLatin1Char('0'));
}

QString permanencia(const QDateTime &entrada, const QDateTime &agora)
{
    if (!entrada.isValid() || !agora.isValid())
        return {};
    const qint64 minutos = qMax<qint64>(0, entrada.secsTo(agora) / 60);
    return QStringLiteral("%1:%2").arg(minutos / 60, 2, 10, QLatin1Char('0')).arg(minutos % 60, 2, 10, QLatin1Char('0'));
}

Relatorio montarConta(const Conta &c)
{
    const TParametros &p = tParametros();
    auto t = [&p](const char *coluna) { return p.texto(QString::fromLatin1(coluna)); };
    Relatorio rel(kTituloConta);
    rel.cabecalhoCompacto({t("NOME_FANTASIA"), kTituloConta,
                           (c.textos.cartao ? QStringLiteral("Cartão ") : QStringLiteral("Mesa ")) + QString::number(c.mesa),
                           QStringLiteral("CNPJ: ") + t("CNPJ"),
                           t("ENDERECO") + QStringLiteral(" - ") + t("BAIRRO") + QStringLiteral(" - ") + t("CIDADE")
                               + QStringLiteral("-") + t("UF") + QStringLiteral(" - ") + t("FONE1")});
    rel.coluna(QStringLiteral("Cod."), 12);
    rel.coluna(QStringLiteral("Descricao do Produto"), 46);
    rel.coluna(QStringLiteral("Qtd."), 14, Relatorio::Tipo::Texto, false, Relatorio::Alinhamento::Direita);
    rel.coluna(QStringLiteral("Valor Unit. R$"), 16, Relatorio::Tipo::Dinheiro);
    rel.coluna(QStringLiteral("Valor Total R$"), 16, Relatorio::Tipo::Dinheiro);
    rel.texto(QStringLiteral("Cliente: ") + c.cliente);
    rel.texto(QStringLiteral("N. ") + QString::number(c.abertura.idCheckIn) + QStringLiteral("  -  ")
              + c.agora.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
    rel.texto(QStringLiteral("Atendente: ") + c.atendente);
    rel.texto(QStringLiteral("Permanencia: ") + permanencia(c.abertura.entrada, c.agora));
    rel.titulosColunas();
    for (const LinhaConta &l : linhasConta(c.itens, c.desagrupados))
        rel.linha({QStringLiteral("P") + QString::number(l.idProduto), l.descricao, textoQuantidadeConta(l.qtd),
                   l.valorUnit, l.total});
    rel.resumo(QStringLiteral("(=) SUBTOTAL R$"), c.totais.subtotal);
    rel.resumo(QStringLiteral("(+) TAXA SERVIÇO R$"), c.totais.taxaServico);
    rel.resumo(QStringLiteral("(+) EMBALAGEM R$"), c.totais.embalagem);
    rel.resumo(QStringLiteral("(=) VALOR TOTAL R$"), c.totais.total);
    if (!c.abertura.pagParcial.zero())
        rel.resumo(QStringLiteral("PAGAMENTO PARCIAL: R$"), c.abertura.pagParcial);
    rel.resumo(QStringLiteral("RESTANTE: R$"), c.totais.total - c.abertura.pagParcial);
    if (!c.porPessoa.zero())
        rel.resumo(QStringLiteral("VALOR POR PESSOA R$"), c.porPessoa);
    const QString mensagem = t("MSGADICFISCAL").trimmed();
    if (!mensagem.isEmpty())
        rel.fechamento(mensagem);
    return rel;
}

std::optional<qint64> contarImpressao(ConexaoBanco &conexao, qint64 idCheckIn)
{
    return conexao.emTransacao([&]() -> std::optional<qint64> {
        const Linha l = conexao.ler(
            QStringLiteral("UPDATE CHECK_IN SET IMPRESSOES_EXTRATO = IMPRESSOES_EXTRATO + 1 "
                           "WHERE ID_CHECK_IN = ? AND DATA_SAIDA IS NULL RETURNING IMPRESSOES_EXTRATO"),
            {idCheckIn});
        if (l.vazia() || l.nulo(QStringLiteral("IMPRESSOES_EXTRATO")))
            return std::nullopt;
        return l.inteiro(QStringLiteral("IMPRESSOES_EXTRATO"));
    });
}

} // namespace Consumos
