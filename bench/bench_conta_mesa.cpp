// Two measures of the restaurant's link to the point of sale, each against
// the raw Firebird client (bench/ClienteBruto.h) writing the same rows:
//  - the hand-over of a 200-line table account ("Converter em DAV": the
//    table claimed and freed, the lines read, the document and its 200 items
//    with their digests written in the point of sale's database), 10 accounts;
//    the raw client runs the same writes, one transaction per database;
//  - the mirror of 5,000 products into the point of sale's ESTOQUE (first
//    run: inserts; second run: updates), in one transaction; the raw client
//    runs the same inserts / updates in one transaction.
// Prints both times and their ratios.
#include "ClienteBruto.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "restaurant/Consumos.h"
#include "restaurant/EspelhoPDV.h"
#include "restaurant/Mesas.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kContas = 10;
constexpr int kLinhas = 200;
constexpr int kProdutos = 5000;

QString copiar(const QString &pasta, const QString &modelo, const QString &nome)
{
    const QString destino = pasta + QLatin1Char('/') + nome;
    if (!QFile::copy(QStringLiteral(ZV_BANCOS_TESTE) + QLatin1Char('/') + modelo, destino)) {
        std::cerr << "modelo " << modelo.toStdString() << " não encontrado em " ZV_BANCOS_TESTE
                  << " (rode o ctest uma vez)\n";
        std::exit(1);
    }
    QFile::setPermissions(destino, QFile::ReadOwner | QFile::WriteOwner);
    return destino;
}

std::string q(const QString &t)
{
    QString s = t;
    s.replace(QLatin1Char('\''), QStringLiteral("''"));
    return "'" + s.toStdString() + "'";
}

// The writes of one hand-over as literal statements: main database, point of sale.
struct EscritasDav {
    std::vector<std::string> principal, pdv;
};

EscritasDav escritasDav(qint64 mesa, qint64 chk, qint64 codigo, const QDateTime &agora)
{
    const QList<Consumos::Item> itens = Consumos::lerItens(DM->Conexao, chk);
    const Consumos::Totais t = Consumos::calcular(itens, Dinheiro::deReais(10), false);
    const Consumos::Dav d = Consumos::montarDav(codigo, agora, QStringLiteral("CLIENTE ESPECIAL"), itens, t.total,
                                                Dinheiro(), 1, QStringLiteral("MESA %1 - CHK %2").arg(mesa).arg(chk));
    EscritasDav e;
    e.principal = {"UPDATE CHECK_IN SET DATA_SAIDA = DATE '2026-12-11', HORA_SAIDA = TIME '20:30:00' WHERE ID_CHECK_IN = "
                       + std::to_string(chk),
                   "UPDATE MESA SET STATUS = 'L', AGUARDANDO_PAG = 'N' WHERE ID_MESA = " + std::to_string(mesa)};
    e.pdv.push_back("INSERT INTO ORCAMENTO (CODIGO, DTEMISSAO, CODCLIENTE, NOMECLIENTE, CODVENDEDOR, DESCONTO, VALOR, "
                    "TOTALCUSTO, OBS, NUMERO_DAV, VALIDADE, SITUACAO, FLAG, HORA, HASH) VALUES ("
                    + std::to_string(d.codigo) + ", DATE '2026-12-11', '0001', " + q(d.nomeCliente) + ", 1, 0, "
                    + d.valor.sql().toStdString() + ", 0, " + q(d.obs) + ", " + std::to_string(d.codigo)
                    + ", DATE '2026-12-11', 'A', '0', TIME '20:30:00', " + q(d.hash) + ")");
    for (const Consumos::ItemDav &i : d.itens)
        e.pdv.push_back("INSERT INTO ITEMORCAMENTO (CODIGO, CONTROLE, CODPRODUTO, QTDE, PRECO, TOTALITEN, CUSTO, TABELA, "
                        "DESCRICAO, MAODEOBRA, CANCELADO, HASH) VALUES ("
                        + std::to_string(d.codigo) + ", " + std::to_string(i.controle) + ", "
                        + std::to_string(i.codProduto) + ", " + i.qtde.toStdString() + ", " + i.preco.toStdString()
                        + ", " + i.totalIten.toStdString() + ", 0, 'V', " + q(i.descricao) + ", 'N', 'N', "
                        + q(i.hash) + ")");
    return e;
}

std::vector<std::string> escritasEspelho(const QList<EspelhoPDV::Produto> &produtos, EspelhoPDV::Espelho &e,
                                         bool atualizar)
{
    std::vector<std::string> r;
    r.reserve(size_t(produtos.size()));
    for (const EspelhoPDV::Produto &p : produtos) {
        const EspelhoPDV::Aliquota a = e.aliquota(p.sitTribut);
        const std::string preco = p.valor.sql().toStdString(), qtde = std::to_string(p.estoque);
        const std::string h = q(EspelhoPDV::hash(p, a)), h2 = q(EspelhoPDV::hash2(p.chave, p.descricao.left(60), p.estoque));
        const std::string cod = q(EspelhoPDV::codigoAliquota(p.sitTribut));
        if (atualizar)
            r.push_back("UPDATE ESTOQUE SET DESCRICAO = " + q(p.descricao.left(60)) + ",DESCRIFISCAL = " + q(p.descricao)
                        + ",MED = 'UN',PRECOVENDA = " + preco + ",PRECOPRAZO = " + preco + ",PRECO3 = " + preco
                        + ",QTDE = " + qtde + ",QTDEEF = " + qtde + ",CODALIQUOTA = " + cod
                        + ",INATIVO = 'N',BALANCA = 'N',COD_NCM = '',IPI = 0,DESCONTOMAX = 0,IAT = 'A',IPPT = 'T',"
                          "GERA_REL_REPOSICAO = 'N',PRINCIPIO_ATIVO = '',FABRICANTE = '',HASH = "
                        + h + ",HASH2 = " + h2 + " WHERE CODIGO = " + std::to_string(p.chave));
        else
            r.push_back("INSERT INTO ESTOQUE (CODIGO,CODBARRA,REFERENCIA,DESCRICAO,DESCRIFISCAL,MED,PRECOVENDA,"
                        "PRECOPRAZO,PRECO3,QTDE,QTDEEF,CODALIQUOTA,INATIVO,BALANCA,COD_NCM,IPI,DESCONTOMAX,IAT,IPPT,"
                        "GERA_REL_REPOSICAO,PRINCIPIO_ATIVO,FABRICANTE,HASH,HASH2) VALUES ("
                        + std::to_string(p.chave) + ",'',''," + q(p.descricao.left(60)) + "," + q(p.descricao)
                        + ",'UN'," + preco + "," + preco + "," + preco + "," + qtde + "," + qtde + "," + cod
                        + ",'N','N','',0,0,'A','T','N','',''," + h + "," + h2 + ")");
    }
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QDateTime agora(QDate(2026, 12, 11), QTime(20, 30));
    Relogio::definir(agora);
    Sessao::atual().login = QStringLiteral("ADMIN");
    QTemporaryDir pasta;
    const QString principal = copiar(pasta.path(), QStringLiteral("modelo.fdb"), QStringLiteral("principal.fdb"));
    const QString pdvSistema = copiar(pasta.path(), QStringLiteral("companion-pdv.fdb"), QStringLiteral("pdv1.fdb"));
    const QString pdvBruto = copiar(pasta.path(), QStringLiteral("companion-pdv.fdb"), QStringLiteral("pdv2.fdb"));

    TDM dm;
    DM = &dm;
    dm.Conexao.definirCaminho(principal);
    dm.Conexao.conectar();
    ConexaoBanco &c = dm.Conexao;
    tParametros().recarregar();

    // ------------------------------------------------------------ hand-over
    // 2 x kContas tables, each with a 200-line account (two products).
    std::vector<std::pair<qint64, qint64>> contas; // table, opening
    c.emTransacao([&] {
        c.executar(QStringLiteral("INSERT INTO PRODUTO (ID_PRODUTO, REFERENCIA, DESCRICAO, VALOR_VENDA, ID_GRUPO_PRODUTO, "
                                  "EMBALAGEM, UN_MEDIDA, SIT_TRIBUT) VALUES (101, '101', 'PICANHA NA CHAPA', 49.90, 1, "
                                  "'N', 'KG', '17')"));
        c.executar(QStringLiteral("INSERT INTO PRODUTO (ID_PRODUTO, REFERENCIA, DESCRICAO, VALOR_VENDA, ID_GRUPO_PRODUTO, "
                                  "EMBALAGEM, UN_MEDIDA, SIT_TRIBUT) VALUES (103, '103', 'CAFÉ EXPRESSO', 5, 1, 'N', "
                                  "'UN', 'FF')"));
    });
    for (int i = 0; i < 2 * kContas; ++i) {
        const qint64 mesa = c.valor(QStringLiteral("INSERT INTO MESA (DESCRICAO) VALUES (?) RETURNING ID_MESA"),
                                    {QStringLiteral("MESA %1").arg(i + 1)})
                                .toLongLong();
        const Mesas::Resultado r = Mesas::abrir(DM->Conexao, mesa, QStringLiteral("1"), QStringLiteral("CLIENTE ESPECIAL"), agora);
        if (!r.feito) {
            std::cerr << "mesa não aberta\n";
            return 1;
        }
        c.emTransacao([&] {
            for (int l = 0; l < kLinhas; ++l)
                c.executar(QStringLiteral("INSERT INTO CONSUMO (ID_PRODUTO, ID_CHECK_IN, QTD, VALOR_UNIT, DATA, HORA, "
                                          "VIAGEM, TAXA_EMBALAGEM) VALUES (?, ?, ?, ?, '2026-12-11', '20:00', 'N', 0)"),
                           {l % 2 ? 103 : 101, r.chave, l % 2 ? QStringLiteral("2") : QStringLiteral("0.350"),
                            l % 2 ? QStringLiteral("5.00") : QStringLiteral("49.90")});
        });
        contas.push_back({mesa, r.chave});
    }
    // The raw client's statements for the second half, read before it runs.
    std::vector<EscritasDav> brutas;
    for (int i = kContas; i < 2 * kContas; ++i)
        brutas.push_back(escritasDav(contas[size_t(i)].first, contas[size_t(i)].second, 1000 + i, agora));

    dm.ConexaoPDV.definirCaminho(pdvSistema);
    dm.ConexaoPDV.garantirConectada();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kContas; ++i) {
        const Consumos::Resultado r = Consumos::converterEmDav(DM->Conexao, Mesas::Textos::de(false), contas[size_t(i)].first,
                                                               contas[size_t(i)].second, Dinheiro::deReais(10), false);
        if (!r.feito) {
            std::cerr << "entrega recusada: " << r.mensagem.toStdString() << "\n";
            return 1;
        }
    }
    const qint64 msDav = t.elapsed();
    if (dm.ConexaoPDV.valor(QStringLiteral("SELECT COUNT(*) FROM ITEMORCAMENTO")).toLongLong() != kContas * kLinhas) {
        std::cerr << "itens faltando\n";
        return 1;
    }
    dm.ConexaoPDV.desconectar();
    c.desconectar();
    qint64 msDavBruto = 0;
    {
        ClienteBruto bp(principal), bv(pdvBruto);
        t.restart();
        for (const EscritasDav &e : brutas) {
            bv.executar(e.pdv);
            bp.executar(e.principal);
        }
        msDavBruto = t.elapsed();
    }

    // ------------------------------------------------------------ mirror
    c.conectar();
    c.emTransacao([&] {
        for (int i = 0; i < kProdutos; ++i)
            c.executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR, ESTOQUE, "
                                      "SIT_TRIBUT) VALUES (?, 1, ?, ?, ?, ?)"),
                       {10000 + i, QStringLiteral("PRODUTO D'ÁVILA %1").arg(i), QStringLiteral("%1.%2").arg(i).arg(i % 100),
                        i % 50, i % 3 ? QStringLiteral("18") : QStringLiteral("FF")});
    });
    dm.ConexaoPDV.definirCaminho(pdvSistema);
    qint64 msEspelho[2] = {0, 0};
    for (int rodada = 0; rodada < 2; ++rodada) {
        t.restart();
        const QList<EspelhoPDV::Produto> produtos = EspelhoPDV::lerProdutos(c);
        EspelhoPDV::Espelho e(dm.ConexaoPDV);
        dm.ConexaoPDV.emTransacao([&] {
            for (const EspelhoPDV::Produto &p : produtos)
                e.exportar(p);
        });
        e.ajustarGerador();
        msEspelho[rodada] = t.elapsed();
    }
    const qint64 linhasEspelho = dm.ConexaoPDV.valor(QStringLiteral("SELECT COUNT(*) FROM ESTOQUE")).toLongLong();
    std::vector<std::string> inserir, atualizar;
    {
        const QList<EspelhoPDV::Produto> produtos = EspelhoPDV::lerProdutos(c);
        EspelhoPDV::Espelho e(dm.ConexaoPDV);
        inserir = escritasEspelho(produtos, e, false);
        atualizar = escritasEspelho(produtos, e, true);
    }
    dm.ConexaoPDV.desconectar();
    c.desconectar();
    qint64 msEspelhoBruto[2] = {0, 0};
    {
        ClienteBruto bv(pdvBruto);
        t.restart();
        bv.executar(inserir);
        msEspelhoBruto[0] = t.elapsed();
        t.restart();
        bv.executar(atualizar);
        msEspelhoBruto[1] = t.elapsed();
    }
    DM = nullptr;

    auto razao = [](qint64 a, qint64 b) { return b > 0 ? double(a) / double(b) : 0.0; };
    std::printf("entrega de conta de %d linhas, %d contas\n", kLinhas, kContas);
    std::printf("  sistema: %lld ms (%.1f ms por conta)\n", static_cast<long long>(msDav), double(msDav) / kContas);
    std::printf("  cliente bruto, mesmas escritas: %lld ms (%.1f ms por conta)\n", static_cast<long long>(msDavBruto),
                double(msDavBruto) / kContas);
    std::printf("  razão sistema / cliente bruto: %.2f\n", razao(msDav, msDavBruto));
    std::printf("espelho de %d produtos (%lld linhas no ESTOQUE)\n", kProdutos, static_cast<long long>(linhasEspelho));
    std::printf("  inclusão: sistema %lld ms, cliente bruto %lld ms, razão %.2f\n",
                static_cast<long long>(msEspelho[0]), static_cast<long long>(msEspelhoBruto[0]),
                razao(msEspelho[0], msEspelhoBruto[0]));
    std::printf("  atualização: sistema %lld ms, cliente bruto %lld ms, razão %.2f\n",
                static_cast<long long>(msEspelho[1]), static_cast<long long>(msEspelhoBruto[1]),
                razao(msEspelho[1], msEspelhoBruto[1]));
    return 0;
}
