#include "restaurant/EspelhoPDV.h"

#include "stays/EntregaFiscal.h"

namespace EspelhoPDV {

namespace {

const QString kColunasProduto = QStringLiteral(
    "P.ID_P_S, P.DESCRICAO, P.CODIGO_BARRAS, P.VALOR, P.ESTOQUE, P.SIT_TRIBUT, "
    "CASE WHEN P.EXCLUIDO = 'S' OR EXISTS (SELECT 1 FROM ANULACAO A WHERE A.ID_P_S = P.ID_P_S) "
    "THEN 'S' ELSE 'N' END AS INATIVO");

Produto produtoDe(const Linha &l)
{
    Produto p;
    p.chave = l.inteiro(QStringLiteral("ID_P_S"));
    p.descricao = l.texto(QStringLiteral("DESCRICAO"));
    p.codigoBarras = l.texto(QStringLiteral("CODIGO_BARRAS"));
    p.valor = l.dinheiro(QStringLiteral("VALOR"));
    p.estoque = l.inteiro(QStringLiteral("ESTOQUE"));
    p.sitTribut = l.texto(QStringLiteral("SIT_TRIBUT"));
    p.inativo = l.texto(QStringLiteral("INATIVO")) == QLatin1String("S");
    return p;
}

QString sn(bool v) { return v ? QStringLiteral("S") : QStringLiteral("N"); }
QString descricao60(const Produto &p) { return p.descricao.left(60); }

// The columns an update writes, in their order, with the values of `p`;
// `comBarras` puts CODBARRA (first 20 characters) second.
struct Atualizacao {
    QString sql;
    Valores valores;
};

Atualizacao atualizacao(const Produto &p, const Aliquota &a, bool comBarras, bool inativo)
{
    const QString preco = p.valor.sql();
    const QString qtde = QString::number(p.estoque);
    QList<std::pair<QString, QVariant>> c;
    c << std::pair{QStringLiteral("DESCRICAO"), QVariant(descricao60(p))};
    if (comBarras)
        c << std::pair{QStringLiteral("CODBARRA"), QVariant(p.codigoBarras.left(20))};
    c << std::pair{QStringLiteral("DESCRIFISCAL"), QVariant(p.descricao)}
      << std::pair{QStringLiteral("MED"), QVariant(QStringLiteral("UN"))}
      << std::pair{QStringLiteral("PRECOVENDA"), QVariant(preco)}
      << std::pair{QStringLiteral("PRECOPRAZO"), QVariant(preco)}
      << std::pair{QStringLiteral("PRECO3"), QVariant(preco)}
      << std::pair{QStringLiteral("QTDE"), QVariant(qtde)}
      << std::pair{QStringLiteral("QTDEEF"), QVariant(qtde)}
      << std::pair{QStringLiteral("CODALIQUOTA"), QVariant(codigoAliquota(p.sitTribut))}
      << std::pair{QStringLiteral("INATIVO"), QVariant(sn(inativo))}
      << std::pair{QStringLiteral("BALANCA"), QVariant(QStringLiteral("N"))}
      << std::pair{QStringLiteral("COD_NCM"), QVariant(QString())}
      << std::pair{QStringLiteral("IPI"), QVariant(QStringLiteral("0"))}
      << std::pair{QStringLiteral("DESCONTOMAX"), QVariant(QStringLiteral("0"))}
      << std::pair{QStringLiteral("IAT"), QVariant(QStringLiteral("A"))}
      << std::pair{QStringLiteral("IPPT"), QVariant(QStringLiteral("T"))}
      << std::pair{QStringLiteral("GERA_REL_REPOSICAO"), QVariant(QStringLiteral("N"))}
      << std::pair{QStringLiteral("PRINCIPIO_ATIVO"), QVariant(QString())}
      << std::pair{QStringLiteral("FABRICANTE"), QVariant(QString())}
      << std::pair{QStringLiteral("HASH"), QVariant(hash(p, a))}
      << std::pair{QStringLiteral("HASH2"), QVariant(hash2(p.chave, descricao60(p), p.estoque))};
    Atualizacao u;
    QStringList partes;
    for (const auto &[coluna, valor] : c) {
        partes << coluna + QStringLiteral(" = ?");
        u.valores << valor;
    }
    u.sql = QStringLiteral("UPDATE ESTOQUE SET ") + partes.join(QLatin1Char(','))
        + QStringLiteral(" WHERE CODIGO = ?");
    u.valores << QString::number(p.chave);
    return u;
}

} // namespace

QString codigoAliquota(const QString &sitTribut)
{
    static const QHash<QString, QString> tabela{
        {QStringLiteral("05"), QStringLiteral("1")}, {QStringLiteral("07"), QStringLiteral("2")},
        {QStringLiteral("12"), QStringLiteral("3")}, {QStringLiteral("17"), QStringLiteral("4")},
        {QStringLiteral("18"), QStringLiteral("12")}, {QStringLiteral("25"), QStringLiteral("5")},
        {QStringLiteral("27"), QStringLiteral("6")}, {QStringLiteral("II"), QStringLiteral("7")},
        {QStringLiteral("FF"), QStringLiteral("8")}, {QStringLiteral("NN"), QStringLiteral("9")}};
    return tabela.value(sitTribut.trimmed());
}

QString precoHash(Dinheiro v)
{
    QString t = v.formatado();
    t.remove(QLatin1Char('.'));
    t.remove(QLatin1Char('-'));
    return t;
}

QString hash(const Produto &p, const Aliquota &a)
{
    return EntregaFiscal::md5(QString::number(p.chave) + descricao60(p) + a.codigoCupom + a.aliquota
                              + precoHash(p.valor));
}

QString hash2(qint64 chave, const QString &descricao, qint64 estoque)
{
    return EntregaFiscal::md5(QString::number(chave) + descricao + QString::number(estoque));
}

std::optional<Produto> lerProduto(ConexaoBanco &principal, qint64 chave)
{
    const Linha l = principal.ler(
        QStringLiteral("SELECT ") + kColunasProduto + QStringLiteral(" FROM PRODUTOS_SERVICOS P WHERE P.ID_P_S = ?"),
        {chave});
    if (l.vazia())
        return std::nullopt;
    return produtoDe(l);
}

QList<Produto> lerProdutos(ConexaoBanco &principal)
{
    QList<Produto> r;
    const QList<Linha> linhas = principal.lerTodas(QStringLiteral("SELECT ") + kColunasProduto
                                                   + QStringLiteral(" FROM PRODUTOS_SERVICOS P ORDER BY P.ID_P_S"));
    r.reserve(linhas.size());
    for (const Linha &l : linhas)
        r << produtoDe(l);
    return r;
}

Espelho::Espelho(ConexaoBanco &pdv) : m_pdv(pdv) { m_pdv.garantirConectada(); }

Aliquota Espelho::aliquota(const QString &sitTribut)
{
    const QString codigo = codigoAliquota(sitTribut);
    const auto i = m_aliquotas.constFind(codigo);
    if (i != m_aliquotas.constEnd())
        return *i;
    Aliquota a;
    const Linha l = m_pdv.ler(QStringLiteral("SELECT ALIQUOTA, CODIGOCUPOM FROM ECFALIQUOTA "
                                             "WHERE CODIGO = CAST(? AS VARCHAR(200))"),
                              {codigo});
    a.aliquota = l.texto(QStringLiteral("ALIQUOTA"));
    a.codigoCupom = l.texto(QStringLiteral("CODIGOCUPOM"));
    m_aliquotas.insert(codigo, a);
    return a;
}

void Espelho::inserir(const Produto &p, const QString &codigoBarras, const Aliquota &a)
{
    const QString preco = p.valor.sql();
    const QString qtde = QString::number(p.estoque);
    m_pdv.executar(
        QStringLiteral("INSERT INTO ESTOQUE (CODIGO,CODBARRA,REFERENCIA,DESCRICAO,DESCRIFISCAL,MED,PRECOVENDA,"
                       "PRECOPRAZO,PRECO3,QTDE,QTDEEF,CODALIQUOTA,INATIVO,BALANCA,COD_NCM,IPI,DESCONTOMAX,IAT,IPPT,"
                       "GERA_REL_REPOSICAO,PRINCIPIO_ATIVO,FABRICANTE,HASH,HASH2) "
                       "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
        {QString::number(p.chave), codigoBarras, QString(), descricao60(p), p.descricao, QStringLiteral("UN"), preco,
         preco, preco, qtde, qtde, codigoAliquota(p.sitTribut), sn(p.inativo), QStringLiteral("N"), QString(),
         QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("A"), QStringLiteral("T"), QStringLiteral("N"),
         QString(), QString(), hash(p, a), hash2(p.chave, descricao60(p), p.estoque)});
}

void Espelho::incluir(const Produto &p, const QString &codigoBarrasDigitado)
{
    const Aliquota a = aliquota(p.sitTribut);
    Produto ativo = p;
    ativo.inativo = false;
    m_pdv.emTransacao([&] { inserir(ativo, codigoBarrasDigitado, a); });
}

bool Espelho::alterar(const Produto &p)
{
    const Aliquota a = aliquota(p.sitTribut);
    const Atualizacao u = atualizacao(p, a, true, false);
    return m_pdv.emTransacao([&] { return m_pdv.executar(u.sql, u.valores) > 0; });
}

bool Espelho::estoque(const Produto &p)
{
    const QString qtde = QString::number(p.estoque);
    return m_pdv.emTransacao([&] {
        return m_pdv.executar(QStringLiteral("UPDATE ESTOQUE SET QTDE = ?, QTDEEF = ?, HASH2 = ? WHERE CODIGO = ?"),
                              {qtde, qtde, hash2(p.chave, descricao60(p), p.estoque), QString::number(p.chave)})
            > 0;
    });
}

bool Espelho::inativar(qint64 chave)
{
    return m_pdv.emTransacao([&] {
        return m_pdv.executar(QStringLiteral("UPDATE ESTOQUE SET INATIVO = 'S' WHERE CODIGO = ?"),
                              {QString::number(chave)})
            > 0;
    });
}

bool Espelho::exportar(const Produto &p)
{
    const Aliquota a = aliquota(p.sitTribut);
    const Atualizacao u = atualizacao(p, a, false, p.inativo);
    return m_pdv.emTransacao([&] {
        // Update first: an existing row is the common case of a rerun.
        if (m_pdv.executar(u.sql, u.valores) > 0)
            return false;
        inserir(p, QString(), a);
        return true;
    });
}

bool Espelho::travar(qint64 chave)
{
    return !m_pdv.ler(QStringLiteral("SELECT CODIGO FROM ESTOQUE WHERE CODIGO = ? WITH LOCK"), {QString::number(chave)})
                .vazia();
}

qint64 Espelho::ajustarGerador()
{
    const qint64 maior = m_pdv.valor(QStringLiteral("SELECT COALESCE(MAX(CODIGO), 0) FROM ESTOQUE")).toLongLong();
    // A number of ours, not typed text: the statement takes no parameter.
    m_pdv.executar(QStringLiteral("SET GENERATOR GEN_ESTOQUE_ID TO ") + QString::number(maior));
    return maior;
}

} // namespace EspelhoPDV
