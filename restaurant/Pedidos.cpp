#include "restaurant/Pedidos.h"
#include "base/Parametros.h"
#include "base/Rotinas.h"

#include <limits>

namespace Pedidos {

namespace {


const QString kSqlProdutos = QStringLiteral("SELECT ID_PRODUTO, DESCRICAO, VALOR_VENDA, SERVICO, PREPARAR, PREPARAR_ACOMP "
                                            "FROM PRODUTO WHERE EXCLUIDO = 'N'");

Produto produtoDe(const ::Linha &l)
{
    Produto p;
    p.id = l.inteiro(QStringLiteral("ID_PRODUTO"));
    p.descricao = l.texto(QStringLiteral("DESCRICAO"));
    p.valorVenda = l.texto(QStringLiteral("VALOR_VENDA"));
    p.servico = l.texto(QStringLiteral("SERVICO"));
    p.preparar = l.texto(QStringLiteral("PREPARAR"));
    p.prepararAcomp = l.texto(QStringLiteral("PREPARAR_ACOMP"));
    return p;
}

// The live products whose column equals the text, ordered by name (keys only).
QList<qint64> chavesOnde(ConexaoBanco &conexao, const QString &coluna, const QString &valor)
{
    QList<qint64> r;
    for (const ::Linha &l : conexao.lerTodas(QStringLiteral("SELECT ID_PRODUTO FROM PRODUTO WHERE EXCLUIDO = 'N' AND %1 = "
                                                          "CAST(? AS VARCHAR(200)) ORDER BY DESCRICAO")
                                               .arg(coluna),
                                           {valor}))
        r.append(l.inteiro(QStringLiteral("ID_PRODUTO")));
    return r;
}

// A key typed as a code: a whole number a product key can be.
std::optional<qint64> chaveDoTexto(const QString &texto)
{
    bool ok = false;
    const qlonglong n = texto.trimmed().toLongLong(&ok);
    if (!ok || n <= 0 || n > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return n;
}

std::optional<qint64> produtoVivo(ConexaoBanco &conexao, const std::optional<qint64> &chave)
{
    if (!chave)
        return std::nullopt;
    if (conexao.ler(QStringLiteral("SELECT ID_PRODUTO FROM PRODUTO WHERE ID_PRODUTO = ? AND EXCLUIDO = 'N'"), {*chave}).vazia())
        return std::nullopt;
    return chave;
}

} // namespace

QString Produto::valorTexto() const { return Dinheiro::deSql(valorVenda).value_or(Dinheiro()).formatado(); }

QList<Produto> lerProdutos(ConexaoBanco &conexao)
{
    QList<Produto> r;
    for (const ::Linha &l : conexao.lerTodas(kSqlProdutos + QStringLiteral(" ORDER BY DESCRICAO")))
        r.append(produtoDe(l));
    return r;
}

std::optional<Produto> lerProduto(ConexaoBanco &conexao, qint64 id)
{
    const ::Linha l = conexao.ler(kSqlProdutos + QStringLiteral(" AND ID_PRODUTO = ?"), {id});
    if (l.vazia())
        return std::nullopt;
    return produtoDe(l);
}

Escolha interpretarCodigo(ConexaoBanco &conexao, const QString &codigoDigitado)
{
    const QString codigo = codigoDigitado.trimmed().toUpper();
    Escolha e;
    if (codigo.startsWith(QLatin1Char('R'))) {
        e.regra = Escolha::Regra::Referencia;
        if (codigo.size() == 5) {
            const QList<qint64> achados = chavesOnde(conexao, QStringLiteral("REFERENCIA"), codigo.mid(1, 4));
            if (achados.size() == 1)
                e.produto = achados.first();
        }
        return e;
    }
    if (codigo.startsWith(QLatin1Char('B'))) {
        e.regra = Escolha::Regra::Balanca;
        const std::optional<qint64> chave = chaveDoTexto(codigo.mid(1, 10));
        e.chaveBalanca = chave.value_or(0);
        e.produto = produtoVivo(conexao, chave);
        return e;
    }
    if (codigo.size() <= 5) {
        e.regra = Escolha::Regra::Curto;
        bool ok = false;
        const int n = codigo.toInt(&ok);
        if (!ok)
            return e; // not a number: no product
        const QString referencia = n < 0 ? QStringLiteral("-%1").arg(-n, 4, 10, QLatin1Char('0'))
                                         : QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
        const QList<qint64> achados = chavesOnde(conexao, QStringLiteral("REFERENCIA"), referencia);
        e.produto = achados.size() == 1 ? std::optional<qint64>(achados.first()) : produtoVivo(conexao, chaveDoTexto(codigo));
        return e;
    }
    e.regra = Escolha::Regra::CodigoBarras;
    const QList<qint64> achados = chavesOnde(conexao, QStringLiteral("CODIGO_BARRAS"), codigo);
    e.produto = !achados.isEmpty() ? std::optional<qint64>(achados.first()) : produtoVivo(conexao, chaveDoTexto(codigo));
    return e;
}

std::optional<qint64> lerQuantidade(const QString &texto)
{
    QString s = texto.trimmed();
    bool negativo = false;
    if (s.startsWith(QLatin1Char('-'))) {
        negativo = true;
        s = s.mid(1).trimmed();
    }
    s.remove(QLatin1Char('.')); // thousands dots
    const qsizetype virgula = s.indexOf(QLatin1Char(','));
    const QString inteira = virgula < 0 ? s : s.left(virgula);
    const QString decimais = virgula < 0 ? QString() : s.mid(virgula + 1);
    if (inteira.isEmpty() && decimais.isEmpty())
        return std::nullopt;
    if (inteira.size() > 12 || decimais.size() > 4)
        return std::nullopt;
    qint64 valor = 0;
    for (const QChar c : inteira) {
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
        valor = valor * 10 + (c.unicode() - '0');
    }
    qint64 fracao = 0;
    for (int i = 0; i < 4; ++i) {
        const QChar c = i < decimais.size() ? decimais[i] : QLatin1Char('0');
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
        fracao = fracao * 10 + (c.unicode() - '0');
    }
    const qint64 r = valor * 10000 + fracao;
    return negativo ? -r : r;
}

QString quantidadeSql(qint64 d)
{
    const qint64 a = d < 0 ? -d : d;
    QString s = QStringLiteral("%1%2.%3").arg(d < 0 ? QStringLiteral("-") : QString()).arg(a / 10000).arg(a % 10000, 4, 10, QLatin1Char('0'));
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s;
}

QString linhaTotal(const QString &qtd, const QString &valorUnit)
{
    const std::optional<qint64> q = lerQuantidade(qtd);
    const std::optional<Dinheiro> v = Dinheiro::deTexto(valorUnit);
    // A failed weighing ("-9,000") is no quantity: nothing to total.
    if (!q || *q <= 0 || !v || v->centavos() <= 0)
        return kTotalZero;
    // ten-thousandths x cents, rounded half up to the cent
    const qint64 centavos = (*q * v->centavos() + 5000) / 10000;
    return QStringLiteral("Valor Total R$ ") + Dinheiro::deCentavos(centavos).formatado();
}

QStringList linhasCozinha(const Mesas::Textos &t, bool caixaVazia, qint64 mesa, const QDateTime &agora, bool comGarcon,
                          const QString &garcon, const QString &qtd, const QString &produto, bool viagem,
                          const QString &nota)
{
    QStringList r;
    if (caixaVazia) {
        QString cabecalho = t.cozinha + QString::number(mesa) + QStringLiteral(" - ") +
                            agora.date().toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ') +
                            agora.time().toString(QStringLiteral("HH:mm:ss"));
        if (comGarcon)
            cabecalho += QStringLiteral(" - ") + garcon;
        r << cabecalho;
    }
    r << ConverteDinheiro(qtd.trimmed()) + (viagem ? QStringLiteral(" VIA=") : QStringLiteral(" ")) + produto;
    if (!nota.isEmpty())
        r << QStringLiteral("  ") + nota;
    return r;
}

Gravacao incluir(ConexaoBanco &conexao, const Mesas::Textos &t, const Item &l, const QDateTime &agora)
{
    Gravacao g;
    const std::optional<qint64> qtd = lerQuantidade(l.qtd);
    if (!qtd || *qtd <= 0) {
        g.mensagem = kMsgQuantidadeInvalida;
        g.focarQtd = true;
        return g;
    }
    const std::optional<Dinheiro> valor = Dinheiro::deTexto(l.valorUnit);
    if (l.produto <= 0 || !valor) {
        g.mensagem = kMsgProdutoInvalido;
        return g;
    }
    return conexao.emTransacao([&]() -> Gravacao {
        Gravacao r;
        // The order belongs to the opening the table holds now: a table
        // transferred, merged or freed on another terminal takes no line.
        const ::Linha m = conexao.ler(QStringLiteral("SELECT STATUS, ID_CHECK_IN FROM MESA WHERE ID_MESA = ? WITH LOCK"),
                                    {l.mesa});
        if (m.vazia() || m.texto(QStringLiteral("STATUS")) != QLatin1String("O")
            || m.inteiro(QStringLiteral("ID_CHECK_IN")) != l.idCheckIn) {
            r.mensagem = Mesas::msgMesaMudou(t, l.mesa);
            return r;
        }
        r.id = conexao
                   .valor(QStringLiteral("INSERT INTO CONSUMO (ID_PRODUTO, ID_CHECK_IN, QTD, VALOR_UNIT, DATA, VIAGEM, "
                                         "TAXA_EMBALAGEM, HORA, OBS) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) "
                                         "RETURNING ID_CONSUMO"),
                          {l.produto, l.idCheckIn, quantidadeSql(*qtd), valor->paraBanco(), agora.date(),
                           l.viagem ? QStringLiteral("S") : QStringLiteral("N"),
                           tParametros().dinheiro(QStringLiteral("TAXA_EMBALAGEM")).paraBanco(), agora.time(),
                           cortarCaracteres(l.obs, Mesas::kTamanhoObs)})
                   .toLongLong();
        conexao.executar(QStringLiteral("UPDATE MESA SET AGUARDANDO_PAG = 'N' WHERE ID_MESA = ?"), {l.mesa});
        r.gravado = true;
        return r;
    });
}

} // namespace Pedidos
