#include "finance/DespesasAvulsas.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

#include <QRegularExpression>
#include <limits>

namespace DespesasAvulsas {

namespace {

constexpr qint64 kMaxInteiro = std::numeric_limits<qint32>::max();
// The largest amount a NUMERIC(15,2) column holds, in cents.
constexpr qint64 kMaxCentavos = 999'999'999'999'999LL;

// Thrown inside a transaction to roll the whole operation back.
struct Desistencia {
    Recusa recusa;
};

// A whole number from 0 to the INTEGER maximum, digits only; nullopt otherwise.
std::optional<qint64> lerInteiro(const QString &texto)
{
    static const QRegularExpression digitos(QStringLiteral("^\\d{1,10}$"));
    const QString t = texto.trimmed();
    if (!digitos.match(t).hasMatch())
        return std::nullopt;
    const qint64 n = t.toLongLong();
    if (n > kMaxInteiro)
        return std::nullopt;
    return n;
}

const std::array<QString, kMeios> &colunas()
{
    static const std::array<QString, kMeios> c{QStringLiteral("DINHEIRO"),  QStringLiteral("VISA"),
                                               QStringLiteral("DEBVISA"),   QStringLiteral("MASTER"),
                                               QStringLiteral("DEBMASTER"), QStringLiteral("HIPER"),
                                               QStringLiteral("CHEQUE")};
    return c;
}

bool meiosNegativos(const Pagamento &p)
{
    for (const Dinheiro &d : p.meios)
        if (d.centavos() < 0)
            return true;
    return false;
}

// Every non-zero means of a sale into (entrada) or out of the open shift,
// in the panel's order, in the caller's transaction; a refusal rolls the
// whole operation back with the register's message.
void movimentar(ConexaoBanco &conexao, const std::array<Dinheiro, kMeios> &meios, bool entrada)
{
    for (int i = 0; i < kMeios; ++i) {
        if (meios[size_t(i)].zero())
            continue;
        const ResultadoCaixa r =
            MovimentarCaixa(conexao, meioCaixa(i), entrada ? QStringLiteral("+") : QStringLiteral("-"), meios[size_t(i)]);
        if (!r.sucesso)
            throw Desistencia{Recusa{r.mensagem, Campo::Pagamento, r.tipo}};
    }
}

std::array<Dinheiro, kMeios> meiosDaLinha(const Linha &l)
{
    std::array<Dinheiro, kMeios> m{};
    for (int i = 0; i < kMeios; ++i)
        m[size_t(i)] = l.dinheiro(colunas()[size_t(i)]);
    return m;
}

void exigirFuncionario(ConexaoBanco &c, qint64 id)
{
    if (c.valor(QStringLiteral("SELECT ID_FUNCIONARIO FROM FUNCIONARIO WHERE ID_FUNCIONARIO = ?"), {id}).isNull())
        throw Desistencia{Recusa{kMsgFuncionarioInexistente, Campo::Pagamento}};
}

// The values of the means columns of an insert: the customer's means, or
// zeros for an employee.
QVariantList valoresMeios(const Pagamento &p)
{
    QVariantList v;
    for (int i = 0; i < kMeios; ++i)
        v << (p.funcionario ? Dinheiro() : p.meios[size_t(i)]).paraBanco();
    return v;
}

QString listaColunasMeios()
{
    QStringList l;
    for (const QString &c : colunas())
        l << c;
    return l.join(QStringLiteral(", "));
}

void deduzir(ConexaoBanco &c, qint64 funcionario, const QString &descricao, Dinheiro devido, const QString &ref)
{
    c.executar(QStringLiteral("INSERT INTO FUNCIONARIO_PAGAMENTO (ID_FUNCIONARIO_PAGAMENTO, DATA_VENC, TIPO, "
                              "DESCRICAO, VALOR, EXCLUIDO) VALUES (?, ?, '-', ?, ?, 'N')"),
               {funcionario, Relogio::hoje(), descricao, devido.paraBanco()});
    RegistrarLog(QStringLiteral("Incluiu Detalhe de Pagamento de Funcionário de Valor -> R$ ") + devido.formatado()
                 + QStringLiteral(" (") + ref + QLatin1Char(')'));
}

// Runs a save or a deletion in one transaction; a refusal comes back instead
// of the key, with nothing written. Inside a caller's transaction the
// operation runs under a savepoint, so a refusal undoes its own statements
// and leaves the caller's.
template <class F>
Gravacao executar(ConexaoBanco &conexao, F &&f)
{
    ConexaoBanco &c = conexao;
    Gravacao g;
    if (c.emTransacao()) {
        c.executar(QStringLiteral("SAVEPOINT DESPESA_AVULSA"));
        try {
            g.id = f();
            c.executar(QStringLiteral("RELEASE SAVEPOINT DESPESA_AVULSA ONLY"));
        } catch (const Desistencia &d) {
            c.executar(QStringLiteral("ROLLBACK TO SAVEPOINT DESPESA_AVULSA"));
            c.executar(QStringLiteral("RELEASE SAVEPOINT DESPESA_AVULSA ONLY"));
            g.recusa = d.recusa;
        }
        return g;
    }
    try {
        g.id = c.emTransacao(std::forward<F>(f));
    } catch (const Desistencia &d) {
        g.recusa = d.recusa;
    }
    return g;
}

Exclusao comoExclusao(const Gravacao &g)
{
    Exclusao e;
    e.excluida = g.gravada();
    e.recusa = g.recusa;
    return e;
}

} // namespace

// ---------------------------------------------------------------- entry

Leitura lerItem(qint64 produto, const QString &descricao, const QString &qtd, const QString &valorUnit,
                const QString &comanda)
{
    Leitura r;
    if (produto <= 0) {
        r.recusa = Recusa{kMsgSemProduto, Campo::Produto};
        return r;
    }
    Item it;
    it.produto = produto;
    it.descricao = descricao;
    const QString q = qtd.trimmed();
    const std::optional<qint64> n = lerInteiro(q);
    if (q.isEmpty() || (n && *n == 0)) {
        r.recusa = Recusa{kMsgSemQuantidade, Campo::Quantidade};
        return r;
    }
    if (!n) {
        r.recusa = Recusa{kMsgQtdInvalida, Campo::Quantidade};
        return r;
    }
    it.qtd = *n;
    const std::optional<Dinheiro> v =
        valorUnit.trimmed().isEmpty() ? std::optional<Dinheiro>(Dinheiro()) : Dinheiro::deTexto(valorUnit);
    if (!v || v->centavos() < 0 || v->centavos() > kMaxCentavos || v->centavos() > kMaxCentavos / it.qtd) {
        r.recusa = Recusa{kMsgValorInvalido, Campo::ValorUnit};
        return r;
    }
    it.valorUnit = *v;
    if (comanda.trimmed().isEmpty()) {
        it.comanda = 0;
    } else if (const std::optional<qint64> c = lerInteiro(comanda)) {
        it.comanda = *c;
    } else {
        r.recusa = Recusa{kMsgComandaInvalida, Campo::Comanda};
        return r;
    }
    r.item = it;
    return r;
}

std::optional<QString> quantidadeDoAsterisco(const QString &textoAntes)
{
    static const QRegularExpression numero(QStringLiteral("^\\d+(,\\d+)?$"));
    const QString t = TiraPontoTracoBarra(textoAntes).trimmed();
    if (!numero.match(t).hasMatch())
        return std::nullopt;
    static const QRegularExpression zero(QStringLiteral("^[0,]+$"));
    if (zero.match(t).hasMatch())
        return QStringLiteral("1");
    return t;
}

qint64 produtoDoCodigoBarras(ConexaoBanco &conexao, const QString &codigo)
{
    const QString t = codigo.trimmed();
    if (t.isEmpty())
        return 0;
    return conexao
        .valor(QStringLiteral("SELECT FIRST 1 ID_P_S FROM PRODUTOS_SERVICOS WHERE CODIGO_BARRAS = "
                              "CAST(? AS VARCHAR(200)) AND EXCLUIDO = 'N' ORDER BY ID_P_S"),
               {t})
        .toLongLong();
}

std::optional<Produto> lerProduto(ConexaoBanco &conexao, qint64 id)
{
    const Linha l = conexao.ler(QStringLiteral("SELECT P.ID_P_S, P.DESCRICAO, P.VALOR, PDV.TAXA FROM "
                                                   "PRODUTOS_SERVICOS P LEFT JOIN PDV ON PDV.ID_PDV = P.ID_PDV "
                                                   "WHERE P.ID_P_S = ?"),
                                    {id});
    if (l.vazia())
        return std::nullopt;
    return Produto{id, l.texto(QStringLiteral("DESCRICAO")), l.dinheiro(QStringLiteral("VALOR")),
                   l.dinheiro(QStringLiteral("TAXA"))};
}

Dinheiro bruto(const Item &item, Dinheiro taxa)
{
    const Dinheiro base = item.total();
    return base + base.percentual(taxa.centavos());
}

Dinheiro bruto(const QList<Item> &itens)
{
    Dinheiro t;
    for (const Item &i : itens)
        t += i.total();
    return t;
}

std::optional<Dinheiro> aplicarDescontoAcrescimo(Dinheiro b, Dinheiro valor, bool desconto)
{
    if (valor.centavos() < 0)
        return std::nullopt;
    if (desconto) {
        if (valor > b)
            return std::nullopt;
        return b - valor;
    }
    return b + valor;
}

Ajuste ajuste(Dinheiro b, Dinheiro devido)
{
    if (devido > b)
        return {Dinheiro(), devido - b};
    return {b - devido, Dinheiro()};
}

// ---------------------------------------------------------------- payment

MeioCaixa meioCaixa(int i) { return MeioCaixa(i); }
QString colunaVenda(int i) { return colunas()[size_t(i)]; }

Dinheiro Pagamento::total() const
{
    Dinheiro t;
    for (const Dinheiro &d : meios)
        t += d;
    return t;
}

std::optional<std::array<Dinheiro, kMeios>> lerMeios(const std::array<QString, kMeios> &textos)
{
    std::array<Dinheiro, kMeios> m{};
    for (int i = 0; i < kMeios; ++i) {
        const QString &t = textos[size_t(i)];
        if (t.trimmed().isEmpty())
            continue;
        const std::optional<Dinheiro> d = Dinheiro::deTexto(t);
        if (!d || d->centavos() < 0 || d->centavos() > kMaxCentavos)
            return std::nullopt;
        m[size_t(i)] = *d;
    }
    return m;
}

std::optional<Recusa> aceitar(Dinheiro devido, const Pagamento &p, bool funcionario)
{
    if (funcionario) {
        if (p.funcionario <= 0)
            return Recusa{kMsgValorDiferente, Campo::Pagamento};
        return std::nullopt;
    }
    if (meiosNegativos(p))
        return Recusa{kMsgValorPagoInvalido, Campo::Pagamento};
    if (p.total() != devido)
        return Recusa{kMsgValorDiferente, Campo::Pagamento};
    return std::nullopt;
}

// ---------------------------------------------------------------- saving

QString descricaoDeducao(qint64 id, const QString &produto)
{
    return QStringLiteral("Despesa Avulsa Cód. %1 - ").arg(id) + produto.left(60).trimmed();
}

QString descricaoDeducaoVarias(qint64 id) { return QStringLiteral("Várias Despesas Avulsas Cód. %1").arg(id); }

namespace {

std::optional<Recusa> conferir(Dinheiro devido, const Pagamento &p)
{
    if (devido.centavos() < 0)
        return Recusa{kMsgDescontoMaior, Campo::Desconto};
    if (devido.centavos() > kMaxCentavos)
        return Recusa{kMsgValorInvalido, Campo::ValorUnit};
    return aceitar(devido, p, p.funcionario != 0);
}

} // namespace

Gravacao gravarIndividual(ConexaoBanco &conexao, const Item &item, Dinheiro devido, const Pagamento &p)
{
    if (const Leitura l = lerItem(item.produto, item.descricao, QString::number(item.qtd), item.valorUnit.formatado(),
                                  QString::number(item.comanda));
        l.recusa)
        return Gravacao{0, l.recusa};
    if (const auto r = conferir(devido, p))
        return Gravacao{0, r};
    return executar(conexao, [&]() -> qint64 {
        ConexaoBanco &c = conexao;
        const Linha prod = c.ler(QStringLiteral("SELECT P.DESCRICAO, P.FAB_PROPRIA, PDV.TAXA FROM PRODUTOS_SERVICOS P "
                                                "LEFT JOIN PDV ON PDV.ID_PDV = P.ID_PDV WHERE P.ID_P_S = ?"),
                                 {item.produto});
        if (prod.vazia())
            throw Desistencia{Recusa{kMsgSemProduto, Campo::Produto}};
        if (p.funcionario)
            exigirFuncionario(c, p.funcionario);
        // No point of sale: no fee.
        const Dinheiro taxa = prod.dinheiro(QStringLiteral("TAXA"));
        const QString descricao = prod.texto(QStringLiteral("DESCRICAO"));
        const Ajuste aj = ajuste(bruto(item, taxa), devido);
        if (prod.texto(QStringLiteral("FAB_PROPRIA")) != QLatin1String("S"))
            c.executar(QStringLiteral("UPDATE PRODUTOS_SERVICOS SET ESTOQUE = ESTOQUE - ? WHERE ID_P_S = ?"),
                       {item.qtd, item.produto});
        const QDateTime agora = Relogio::agora();
        QVariantList v{item.produto, item.valorUnit.paraBanco(), item.qtd, item.comanda,
                       Sessao::atual().login.left(10), agora.date(), agora.time(), taxa.paraBanco()};
        v << valoresMeios(p);
        v << (p.funcionario ? QVariant(p.funcionario) : QVariant());
        v << aj.desconto.paraBanco() << aj.acrescimo.paraBanco();
        const qint64 id =
            c.valor(QStringLiteral("INSERT INTO DESPESA_AVULSA (ID_P_S, VALOR_UNIT, QTD, COMANDA, USUARIO, DATA, HORA, "
                                   "TAXA, %1, ID_FUNCIONARIO, DESCONTO, ACRESCIMO) VALUES "
                                   "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                                   "RETURNING ID_DESPESA_AVULSA")
                        .arg(listaColunasMeios()),
                    v)
                .toLongLong();
        RegistrarLog(conexao, QStringLiteral("Incluiu Despesa Avulsa -> (") + descricao + QLatin1Char(')'));
        if (p.funcionario)
            deduzir(c, p.funcionario, descricaoDeducao(id, descricao), devido,
                    QStringLiteral("Ref. Despesa Avulsa ") + descricao);
        else
            movimentar(conexao, p.meios, true);
        return id;
    });
}

Gravacao gravarVarias(ConexaoBanco &conexao, const QList<Item> &itens, Dinheiro devido, const Pagamento &p)
{
    if (itens.isEmpty())
        return Gravacao{0, Recusa{kMsgSemItens, Campo::Produto}};
    for (const Item &i : itens)
        if (const Leitura l = lerItem(i.produto, i.descricao, QString::number(i.qtd), i.valorUnit.formatado(),
                                      QString::number(i.comanda));
            l.recusa)
            return Gravacao{0, l.recusa};
    if (bruto(itens).centavos() > kMaxCentavos)
        return Gravacao{0, Recusa{kMsgValorInvalido, Campo::ValorUnit}};
    if (const auto r = conferir(devido, p))
        return Gravacao{0, r};
    return executar(conexao, [&]() -> qint64 {
        ConexaoBanco &c = conexao;
        if (p.funcionario)
            exigirFuncionario(c, p.funcionario);
        const Ajuste aj = ajuste(bruto(itens), devido);
        const QDateTime agora = Relogio::agora();
        QVariantList v{Sessao::atual().login.left(10), agora.date(), agora.time()};
        v << valoresMeios(p);
        v << (p.funcionario ? QVariant(p.funcionario) : QVariant());
        v << aj.desconto.paraBanco() << aj.acrescimo.paraBanco();
        // The key from the generator (the trigger fills it): two workstations
        // never get the same one.
        const qint64 id = c.valor(QStringLiteral("INSERT INTO V_DESPESA_AVULSA (USUARIO, DATA, HORA, %1, "
                                                 "ID_FUNCIONARIO, DESCONTO, ACRESCIMO) VALUES "
                                                 "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                                                 "RETURNING ID_V_DESPESA_AVULSA")
                                      .arg(listaColunasMeios()),
                                  v)
                              .toLongLong();
        for (const Item &i : itens) {
            const Linha prod = c.ler(
                QStringLiteral("SELECT DESCRICAO, FAB_PROPRIA FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {i.produto});
            if (prod.vazia())
                throw Desistencia{Recusa{kMsgSemProduto, Campo::Produto}};
            if (prod.texto(QStringLiteral("FAB_PROPRIA")) != QLatin1String("S"))
                c.executar(QStringLiteral("UPDATE PRODUTOS_SERVICOS SET ESTOQUE = ESTOQUE - ? WHERE ID_P_S = ?"),
                           {i.qtd, i.produto});
            c.executar(QStringLiteral("INSERT INTO V_I_DESPESA_AVULSA (ID_V_DESPESA_AVULSA, ID_P_S, VALOR_UNIT, QTD, "
                                      "COMANDA, TAXA) VALUES (?, ?, ?, ?, ?, 0)"),
                       {id, i.produto, i.valorUnit.paraBanco(), i.qtd, i.comanda});
            RegistrarLog(conexao, QStringLiteral("Incluiu Despesa Avulsa (Vários Itens) -> (")
                         + prod.texto(QStringLiteral("DESCRICAO")) + QLatin1Char(')'));
        }
        if (p.funcionario)
            deduzir(c, p.funcionario, descricaoDeducaoVarias(id), devido,
                    QStringLiteral("Ref. Várias Despesas Avulsas Cód. %1").arg(id));
        else
            movimentar(conexao, p.meios, true);
        return id;
    });
}

// ---------------------------------------------------------------- deleting

Exclusao excluirIndividual(ConexaoBanco &conexao, qint64 id)
{
    return comoExclusao(executar(conexao, [&]() -> qint64 {
        ConexaoBanco &c = conexao;
        // The row first, locked and deleted: a second workstation deleting
        // the same sale waits here and then finds nothing to delete.
        const Linha l = c.ler(QStringLiteral("SELECT ID_DESPESA_AVULSA, ID_P_S, QTD, VALOR_UNIT, COMANDA, USUARIO, "
                                             "DATA, HORA, TAXA, ID_FUNCIONARIO, %1 FROM DESPESA_AVULSA "
                                             "WHERE ID_DESPESA_AVULSA = ? WITH LOCK")
                                  .arg(listaColunasMeios()),
                              {id});
        if (l.vazia()
            || c.executar(QStringLiteral("DELETE FROM DESPESA_AVULSA WHERE ID_DESPESA_AVULSA = ?"), {id}) != 1)
            throw Desistencia{Recusa{kMsgJaExcluida}};
        movimentar(conexao, meiosDaLinha(l), false);
        const qint64 produto = l.inteiro(QStringLiteral("ID_P_S"));
        const qint64 qtd = l.inteiro(QStringLiteral("QTD"));
        const Linha prod = c.ler(
            QStringLiteral("SELECT DESCRICAO, FAB_PROPRIA FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {produto});
        if (!prod.vazia() && prod.texto(QStringLiteral("FAB_PROPRIA")) != QLatin1String("S"))
            c.executar(QStringLiteral("UPDATE PRODUTOS_SERVICOS SET ESTOQUE = ESTOQUE + ? WHERE ID_P_S = ?"),
                       {qtd, produto});
        const qint64 funcionario = l.inteiro(QStringLiteral("ID_FUNCIONARIO"));
        if (funcionario)
            c.executar(QStringLiteral("UPDATE FUNCIONARIO_PAGAMENTO SET EXCLUIDO = 'S' WHERE "
                                      "ID_FUNCIONARIO_PAGAMENTO = ? AND EXCLUIDO = 'N' AND "
                                      "DESCRICAO STARTING WITH CAST(? AS VARCHAR(200))"),
                       {funcionario, QStringLiteral("Despesa Avulsa Cód. %1 - ").arg(id)});
        Item it;
        it.qtd = qtd;
        it.valorUnit = l.dinheiro(QStringLiteral("VALOR_UNIT"));
        const Dinheiro taxa = l.dinheiro(QStringLiteral("TAXA"));
        const QStringList antes{
            QStringLiteral("CÓDIGO: %1").arg(id),
            QStringLiteral("PRODUTO: ") + prod.texto(QStringLiteral("DESCRICAO")),
            QStringLiteral("QUANTIDADE: %1").arg(qtd),
            QStringLiteral("VALOR UNITÁRIO(R$): ") + it.valorUnit.formatado(),
            QStringLiteral("COMANDA: ") + l.texto(QStringLiteral("COMANDA")),
            QStringLiteral("DATA: ") + l.data(QStringLiteral("DATA")).toString(QStringLiteral("dd/MM/yyyy")),
            QStringLiteral("HORA: ") + l.hora(QStringLiteral("HORA")).toString(QStringLiteral("HH:mm:ss")),
            QStringLiteral("TAXA DE SERVIÇO: ") + taxa.formatado(),
            QStringLiteral("VALOR TOTAL (R$): ") + bruto(it, taxa).formatado(),
            QStringLiteral("REGISTRADO POR: ") + l.texto(QStringLiteral("USUARIO"))};
        NovoRegistrarLog(conexao, QStringLiteral("Excluiu Despesa Avulsa"), antes.join(QLatin1Char('\r')), QString());
        return id;
    }));
}

Exclusao excluirVarias(ConexaoBanco &conexao, qint64 id)
{
    return comoExclusao(executar(conexao, [&]() -> qint64 {
        ConexaoBanco &c = conexao;
        const Linha l = c.ler(QStringLiteral("SELECT ID_V_DESPESA_AVULSA, ID_FUNCIONARIO, %1 FROM V_DESPESA_AVULSA "
                                             "WHERE ID_V_DESPESA_AVULSA = ? WITH LOCK")
                                  .arg(listaColunasMeios()),
                              {id});
        if (l.vazia()
            || c.executar(QStringLiteral("DELETE FROM V_DESPESA_AVULSA WHERE ID_V_DESPESA_AVULSA = ?"), {id}) != 1)
            throw Desistencia{Recusa{kMsgJaExcluida}};
        movimentar(conexao, meiosDaLinha(l), false);
        const QList<Linha> linhas =
            c.lerTodas(QStringLiteral("SELECT I.ID_P_S, I.QTD, P.FAB_PROPRIA FROM V_I_DESPESA_AVULSA I "
                                      "LEFT JOIN PRODUTOS_SERVICOS P ON P.ID_P_S = I.ID_P_S "
                                      "WHERE I.ID_V_DESPESA_AVULSA = ? ORDER BY I.ID_V_I_DESPESA_AVULSA"),
                       {id});
        for (const Linha &i : linhas)
            if (i.texto(QStringLiteral("FAB_PROPRIA")) == QLatin1String("N"))
                c.executar(QStringLiteral("UPDATE PRODUTOS_SERVICOS SET ESTOQUE = ESTOQUE + ? WHERE ID_P_S = ?"),
                           {i.inteiro(QStringLiteral("QTD")), i.inteiro(QStringLiteral("ID_P_S"))});
        c.executar(QStringLiteral("DELETE FROM V_I_DESPESA_AVULSA WHERE ID_V_DESPESA_AVULSA = ?"), {id});
        NovoRegistrarLog(conexao, QStringLiteral("Excluiu Despesa Avulsa (Vários Itens)"), QStringLiteral("CÓDIGO: %1").arg(id),
                         QString());
        const qint64 funcionario = l.inteiro(QStringLiteral("ID_FUNCIONARIO"));
        if (funcionario)
            c.executar(QStringLiteral("UPDATE FUNCIONARIO_PAGAMENTO SET EXCLUIDO = 'S' WHERE "
                                      "ID_FUNCIONARIO_PAGAMENTO = ? AND EXCLUIDO = 'N' AND DESCRICAO = ?"),
                       {funcionario, descricaoDeducaoVarias(id)});
        return id;
    }));
}

// ---------------------------------------------------------------- lists

Consulta consultaIndividual(bool soHoje, const QDate &hoje)
{
    Consulta q;
    q.sql = QStringLiteral(
        "SELECT D.ID_DESPESA_AVULSA, P.DESCRICAO AS PS, D.QTD, D.VALOR_UNIT, D.TAXA, "
        "CAST(D.QTD * D.VALOR_UNIT * (100 + D.TAXA) / 100 AS NUMERIC(18,2)) AS QTDXUNIT, D.DESCONTO, D.ACRESCIMO, "
        "CAST(D.QTD * D.VALOR_UNIT * (100 + D.TAXA) / 100 AS NUMERIC(18,2)) - D.DESCONTO + D.ACRESCIMO AS VALORFINAL, "
        "D.COMANDA, D.DATA, D.HORA, D.USUARIO, F.NOME AS FUNCIONARIO, D.ID_P_S, P.FAB_PROPRIA "
        "FROM DESPESA_AVULSA D LEFT JOIN PRODUTOS_SERVICOS P ON P.ID_P_S = D.ID_P_S "
        "LEFT JOIN FUNCIONARIO F ON F.ID_FUNCIONARIO = D.ID_FUNCIONARIO ");
    if (soHoje) {
        q.sql += QStringLiteral("WHERE D.DATA = ? ");
        q.valores << hoje;
    }
    q.sql += QStringLiteral("ORDER BY D.ID_DESPESA_AVULSA DESC");
    return q;
}

Consulta consultaVarias()
{
    return {QStringLiteral(
                "SELECT V.ID_V_DESPESA_AVULSA, "
                "(SELECT COUNT(*) FROM V_I_DESPESA_AVULSA I WHERE I.ID_V_DESPESA_AVULSA = V.ID_V_DESPESA_AVULSA) AS ITENS, "
                "(SELECT CAST(COALESCE(SUM(I.QTD * I.VALOR_UNIT), 0) AS NUMERIC(18,2)) FROM V_I_DESPESA_AVULSA I "
                "WHERE I.ID_V_DESPESA_AVULSA = V.ID_V_DESPESA_AVULSA) AS TOTAL, V.DESCONTO, V.ACRESCIMO, "
                "(SELECT CAST(COALESCE(SUM(I.QTD * I.VALOR_UNIT), 0) AS NUMERIC(18,2)) FROM V_I_DESPESA_AVULSA I "
                "WHERE I.ID_V_DESPESA_AVULSA = V.ID_V_DESPESA_AVULSA) - V.DESCONTO + V.ACRESCIMO AS VALORFINAL, "
                "V.DATA, V.HORA, V.USUARIO, F.NOME AS FUNCIONARIO "
                "FROM V_DESPESA_AVULSA V LEFT JOIN FUNCIONARIO F ON F.ID_FUNCIONARIO = V.ID_FUNCIONARIO "
                "ORDER BY V.ID_V_DESPESA_AVULSA DESC"),
            {}};
}

QString textoDetalhe(ConexaoBanco &conexao, qint64 id)
{
    ConexaoBanco &c = conexao;
    QStringList t{QStringLiteral("Produtos / Serviços"), QString()};
    Dinheiro total;
    for (const Linha &l : c.lerTodas(QStringLiteral("SELECT I.QTD, I.VALOR_UNIT, P.DESCRICAO FROM V_I_DESPESA_AVULSA I "
                                                    "LEFT JOIN PRODUTOS_SERVICOS P ON P.ID_P_S = I.ID_P_S "
                                                    "WHERE I.ID_V_DESPESA_AVULSA = ? ORDER BY I.ID_V_I_DESPESA_AVULSA"),
                                     {id})) {
        const qint64 q = l.inteiro(QStringLiteral("QTD"));
        const Dinheiro v = l.dinheiro(QStringLiteral("VALOR_UNIT"));
        total += v * q;
        t << l.texto(QStringLiteral("DESCRICAO")) + QStringLiteral("  ->  ") + QString::number(q) + QStringLiteral(" x ")
                 + v.formatado() + QStringLiteral(" = ") + (v * q).formatado();
    }
    t << QString() << QStringLiteral("Total: R$ ") + total.formatado() << QString() << QString();
    const Linha h =
        c.ler(QStringLiteral("SELECT %1 FROM V_DESPESA_AVULSA WHERE ID_V_DESPESA_AVULSA = ?").arg(listaColunasMeios()),
              {id});
    const std::array<Dinheiro, kMeios> m = meiosDaLinha(h);
    for (int i = 0; i < kMeios; ++i)
        t << dadosMeio(meioCaixa(i)).escolha + QStringLiteral(": R$ ") + m[size_t(i)].formatado();
    return t.join(QLatin1Char('\n'));
}

std::optional<DadosRecibo> dadosRecibo(ConexaoBanco &conexao, Tipo tipo, qint64 id)
{
    ConexaoBanco &c = conexao;
    if (tipo == Tipo::Individual) {
        const Linha l = c.ler(QStringLiteral("SELECT D.QTD, D.VALOR_UNIT, D.TAXA, P.DESCRICAO FROM DESPESA_AVULSA D "
                                             "LEFT JOIN PRODUTOS_SERVICOS P ON P.ID_P_S = D.ID_P_S "
                                             "WHERE D.ID_DESPESA_AVULSA = ?"),
                              {id});
        if (l.vazia())
            return std::nullopt;
        Item it;
        it.qtd = l.inteiro(QStringLiteral("QTD"));
        it.valorUnit = l.dinheiro(QStringLiteral("VALOR_UNIT"));
        return DadosRecibo{bruto(it, l.dinheiro(QStringLiteral("TAXA"))),
                           QStringLiteral("Consumo de %1 ").arg(it.qtd) + l.texto(QStringLiteral("DESCRICAO"))};
    }
    const Linha l = c.ler(QStringLiteral("SELECT V.ID_V_DESPESA_AVULSA, (SELECT CAST(COALESCE(SUM(I.QTD * I.VALOR_UNIT), "
                                         "0) AS NUMERIC(18,2)) FROM V_I_DESPESA_AVULSA I WHERE I.ID_V_DESPESA_AVULSA = "
                                         "V.ID_V_DESPESA_AVULSA) AS TOTAL FROM V_DESPESA_AVULSA V "
                                         "WHERE V.ID_V_DESPESA_AVULSA = ?"),
                          {id});
    if (l.vazia())
        return std::nullopt;
    return DadosRecibo{l.dinheiro(QStringLiteral("TOTAL")), QStringLiteral("Consumo de Várias Despesas Avulsas")};
}

} // namespace DespesasAvulsas
