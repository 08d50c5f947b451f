// The integration jobs on the big hotel (scripts/gerar-banco-grande) against
// the raw Firebird client running the same writes in one transaction:
// 100,000 telephones brought to the ninth digit, a 50,000-line customer
// import, 5,000 products and 10,000 customers exported to the companion
// control program, 5,000 products exported to the companion point of sale.
//
//   bench_integracao [BANCO]
//
// BANCO defaults to $ZV_BANCO_GRANDE, else build/banco-grande/grande.fdb. It
// is copied first: the jobs change the copy, never the database given. The
// companion databases are fresh copies of the test templates. Our side runs
// the system's own rules (with their per-row lookups); the raw side runs
// only the writes, as literal statements prepared before the clock starts.
#include "ClienteBruto.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "integration/ExportacaoControle.h"
#include "integration/ExportacaoPDV.h"
#include "restaurant/EspelhoPDV.h"
#include "integration/ImportacaoClientes.h"
#include "integration/NonoDigito.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kFones = 100000;
constexpr int kLinhasImportacao = 50000;
constexpr int kProdutos = 5000;
constexpr int kClientesControle = 10000;

double medirMs(const std::function<void()> &f)
{
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

std::string literal(const QString &t)
{
    QString r = t;
    r.replace(QLatin1Char('\''), QStringLiteral("''"));
    return "'" + r.toStdString() + "'";
}

void linha(const char *oque, double nosso, double bruto)
{
    std::cout << oque << ": sistema " << nosso << " ms, cliente bruto " << bruto << " ms, razão " << nosso / bruto
              << "\n";
}

QString copiar(const QString &origem, const QString &destino)
{
    QFile::remove(destino);
    if (!QFile::copy(origem, destino)) {
        std::cerr << "não foi possível copiar " << origem.toStdString() << "\n";
        std::exit(1);
    }
    QFile::setPermissions(destino, QFile::ReadOwner | QFile::WriteOwner);
    return destino;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString origem = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("ZV_BANCO_GRANDE");
    if (origem.isEmpty())
        origem = QStringLiteral(ZV_RAIZ_FONTES "/build/banco-grande/grande.fdb");
    QTemporaryDir pasta;
    const QString banco = copiar(origem, pasta.path() + QStringLiteral("/grande.fdb"));
    const QString modelos = qEnvironmentVariable("ZV_BANCOS_TESTE", QStringLiteral(ZV_BANCOS_TESTE));

    TDM dm;
    DM = &dm;
    dm.Conexao.definirCaminho(banco);
    dm.Conexao.conectar();
    Sessao::atual().login = QStringLiteral("SUPORTE");
    tParametros().recarregar();
    Integracao::AndamentoNenhum nada;

    // ------------------------------------------------------------ ninth digit
    {
        // Every customer with an eight-digit mobile number and no area code:
        // each one gets the hotel's code and the ninth digit.
        auto preparar = [&] {
            dm.Conexao.emTransacao([&] {
                dm.Conexao.executar(QStringLiteral("UPDATE PARAMETROS SET FONE1 = '(11)3333-4444', FONE_SEM_FORMATO = 'N'"));
                dm.Conexao.executar(QStringLiteral(
                    "UPDATE CLIENTE SET FAX = '', FONE_1 = '9' || LPAD(MOD(ID_CLIENTE, 1000), 3, '0') || '-' || "
                    "LPAD(MOD(ID_CLIENTE * 7, 10000), 4, '0')"));
            });
        };
        preparar();
        const int fones = dm.Conexao.valor(QStringLiteral("SELECT COUNT(*) FROM CLIENTE")).toInt();
        std::vector<std::string> sqls;
        for (const Linha &l : dm.Conexao.lerTodas(QStringLiteral("SELECT ID_CLIENTE, FONE_1 FROM CLIENTE")))
            sqls.push_back("UPDATE CLIENTE SET FONE_1 = "
                           + literal(NonoDigito::com9Digito(
                               NonoDigito::comDDD(l.texto(QStringLiteral("FONE_1")), QStringLiteral("11"))))
                           + " WHERE ID_CLIENTE = " + l.texto(QStringLiteral("ID_CLIENTE")).toStdString());
        dm.Conexao.desconectar();
        double bruto;
        {
            ClienteBruto b(banco);
            bruto = medirMs([&] { b.executar(sqls); });
        }
        dm.Conexao.conectar();
        preparar();
        NonoDigito::Resultado r;
        const double nosso = medirMs([&] { r = NonoDigito::atualizar(dm.Conexao, QStringLiteral("11"), nada); });
        if (r.com9 != fones || fones < kFones)
            std::cerr << "aviso: " << r.com9 << " telefones atualizados de " << fones << "\n";
        linha("9º dígito (telefones de clientes)", nosso, bruto);
    }

    // ------------------------------------------------------------ import
    {
        QStringList linhas;
        for (int i = 0; i < kLinhasImportacao; ++i)
            linhas << QStringLiteral("\"%1\"|\"cliente %1 d'ávila\"|\"%2\"|1980-05-20|\"12.345\"|\"sp\"|\"01310-100\"|"
                                     "\"av. paulista, %1\"|\"bela vista\"|\"são paulo\"|\"(11)3456-7890\"|\"\"|"
                                     "\"c%1@mail.com\"|\"obs %1\"")
                          .arg(i)
                          .arg(i % 3 == 0 ? QString() : QString::number(10000000000LL + i));
        std::vector<std::string> sqls{"DELETE FROM CLIENTE"};
        int inventados = 0;
        for (int i = 0; i < linhas.size(); ++i) {
            const auto c = Importacao::lerLinha(linhas[i], inventados, nullptr);
            sqls.push_back("INSERT INTO CLIENTE (ID_CLIENTE, CNPJ_CPF, RG_INSC_EST, NOME, FONE_1, FAX, ENDERECO, BAIRRO, "
                           "CIDADE, ESTADO, CEP, EMAIL, OBSERVACAO, DATA_NASC, EXCLUIDO, USUARIO) VALUES ("
                           + std::to_string(i + 1) + "," + literal(c->documento) + "," + literal(c->rg) + ","
                           + literal(c->nome) + "," + literal(c->fone) + "," + literal(c->fax) + ","
                           + literal(c->endereco) + "," + literal(c->bairro) + "," + literal(c->cidade) + ","
                           + literal(c->estado) + "," + literal(c->cep) + "," + literal(c->email) + ","
                           + literal(c->observacao) + ",'1980-05-20','N','SUPORTE')");
        }
        dm.Conexao.desconectar();
        double bruto;
        {
            ClienteBruto b(banco);
            bruto = medirMs([&] { b.executar(sqls); });
        }
        dm.Conexao.conectar();
        Importacao::Resultado r;
        const double nosso = medirMs([&] { r = Importacao::importar(dm.Conexao, linhas, nada); });
        if (r.importados != kLinhasImportacao)
            std::cerr << "aviso: " << r.importados << " linhas importadas, " << r.erros.size() << " erros\n";
        linha("importação de clientes (50.000 linhas)", nosso, bruto);
    }

    // ------------------------------------------------------------ control export
    {
        dm.Conexao.emTransacao([&] {
            dm.Conexao.executar(QStringLiteral("DELETE FROM CLIENTE WHERE ID_CLIENTE > ?"), {kClientesControle});
            const qint64 maior = dm.Conexao.valor(QStringLiteral("SELECT MAX(ID_P_S) FROM PRODUTOS_SERVICOS")).toLongLong();
            dm.Conexao.executar(QStringLiteral(
                                    "INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR, ESTOQUE, MINIMO, "
                                    "DIARIA, SIT_TRIBUT, EXCLUIDO) SELECT ID_WALK_IN + ?, 1, 'PRODUTO ' || ID_WALK_IN, "
                                    "MOD(ID_WALK_IN, 300) + 0.5, MOD(ID_WALK_IN, 50), 2, 'N', '18', 'N' FROM WALK_IN "
                                    "WHERE ID_WALK_IN <= ?"),
                                {maior, kProdutos - maior});
        });
        const QList<Linha> produtos = dm.Conexao.lerTodas(QStringLiteral("SELECT * FROM PRODUTOS_SERVICOS"));
        const QList<Linha> clientes = dm.Conexao.lerTodas(QStringLiteral("SELECT * FROM CLIENTE"));
        const QList<Linha> usuarios = dm.Conexao.lerTodas(QStringLiteral("SELECT * FROM USUARIO"));
        std::cout << produtos.size() << " produtos, " << clientes.size() << " clientes, " << usuarios.size()
                  << " usuários\n";
        std::vector<std::string> sqls;
        for (const Linha &u : usuarios)
            sqls.push_back("INSERT INTO USUARIO (ID_USUARIO, LOGIN, SENHA) VALUES (" + u.texto(QStringLiteral("ID_USUARIO")).toStdString()
                           + "," + literal(u.texto(QStringLiteral("LOGIN"))) + ",'00AABB')");
        for (const Linha &p : produtos) {
            const std::string id = p.texto(QStringLiteral("ID_P_S")).toStdString();
            const std::string est = p.texto(QStringLiteral("ESTOQUE")).toStdString();
            sqls.push_back("INSERT INTO PRODUTO (ID_PRODUTO, DESCRICAO, SALDO, SALDOF, VALOR_VENDA, VALOR_VAREJO, AVISAR, "
                           "SIT_TRIBUT, DATA_CADASTRO, UN_MEDIDA, MULT_DIV, CODIGO_BARRAS, VALOR_VENDA_3, VALOR_VENDA_4, "
                           "SERVICO, CST, NCMSH, CEST, EXCLUIDO) VALUES (" + id + "," + literal(p.texto(QStringLiteral("DESCRICAO")))
                           + "," + est + "," + est + ",1,1,0,'18','2025-03-10','UN','X','',1,1,'N','','','','N')");
            sqls.push_back("INSERT INTO HISTORICO_PRODUTO (ID_PRODUTO, OPERACAO, ESTOQUE_ANT, ESTOQUE_POS, SALDO_ANT, "
                           "SALDO_POS, USUARIO, DATA) VALUES (" + id + ",'CADASTRO DE PRODUTO',0," + est + ",0," + est
                           + ",'SUPORTE','2025-03-10')");
            sqls.push_back("INSERT INTO COR_PRODUTO (ID_COR, ID_PRODUTO) VALUES (1," + id + ")");
            sqls.push_back("INSERT INTO COR_ESTOFADO (ID_ESTOFADO, ID_PRODUTO) VALUES (1," + id + ")");
            sqls.push_back("INSERT INTO ESTOQUE (ID_PRODUTO, ID_COR, ID_ESTOFADO, ESTOQUE, SALDO) VALUES (" + id + ",1,1,"
                           + est + "," + est + ")");
        }
        for (const Linha &c : clientes) {
            auto t = [&](const char *col) { return literal(c.texto(QString::fromLatin1(col))); };
            sqls.push_back("INSERT INTO CLIENTE (COD_CLIENTE, TIPO_PESSOA, ID_CLIENTE, RG_INSC_EST, NOME, CONTATO, ENDERECO, "
                           "COMPLEMENTO, CIDADE, COD_CIDADE, ESTADO, CEP, FONE_1, FAX, NUMERO, EMAIL, OBSERVACAO, "
                           "DATA_CADASTRO, USUARIO) VALUES ("
                           + literal(ExportacaoControle::codigoCliente(c.inteiro(QStringLiteral("ID_CLIENTE")))) + ","
                           + t("TIPO_PESSOA") + "," + t("CNPJ_CPF") + "," + t("RG_INSC_EST") + "," + t("NOME") + ","
                           + t("CONTATO") + "," + t("ENDERECO") + "," + t("BAIRRO") + "," + t("CIDADE") + ",''," + t("ESTADO")
                           + "," + t("CEP") + "," + t("FONE_1") + "," + t("FAX") + "," + t("NUMERO") + "," + t("EMAIL")
                           + "," + t("OBSERVACAO") + ",'2025-03-10','SUPORTE')");
        }
        const QString controleBruto =
            copiar(modelos + QStringLiteral("/companion-controle.fdb"), pasta.path() + QStringLiteral("/controle-bruto.fdb"));
        double bruto;
        {
            ClienteBruto b(controleBruto);
            bruto = medirMs([&] { b.executar(sqls); });
        }
        dm.ConexaoZentroControle.definirCaminho(
            copiar(modelos + QStringLiteral("/companion-controle.fdb"), pasta.path() + QStringLiteral("/controle.fdb")));
        const double nosso = medirMs([&] {
            ExportacaoControle::exportar(dm.Conexao, dm.ConexaoZentroControle, QDate(2025, 3, 10),
                                         QStringLiteral("SUPORTE"), nada);
        });
        linha("exportação ao Zentro Controle (5.000 produtos, 10.000 clientes)", nosso, bruto);
        const double segunda = medirMs([&] {
            ExportacaoControle::exportar(dm.Conexao, dm.ConexaoZentroControle, QDate(2025, 3, 10),
                                         QStringLiteral("SUPORTE"), nada);
        });
        std::cout << "  a mesma exportação de novo (só atualizações): " << segunda << " ms\n";
    }

    // ------------------------------------------------------------ point-of-sale export
    {
        const QList<EspelhoPDV::Produto> produtos = EspelhoPDV::lerProdutos(dm.Conexao);
        const QString pdvBruto =
            copiar(modelos + QStringLiteral("/companion-pdv.fdb"), pasta.path() + QStringLiteral("/pdv-bruto.fdb"));
        std::vector<std::string> sqls;
        {
            TDM aux;
            aux.ConexaoPDV.definirCaminho(pdvBruto);
            EspelhoPDV::Espelho e(aux.ConexaoPDV);
            for (const EspelhoPDV::Produto &p : produtos) {
                const EspelhoPDV::Aliquota a = e.aliquota(p.sitTribut);
                const QString preco = p.valor.sql(), qtd = QString::number(p.estoque);
                sqls.push_back("INSERT INTO ESTOQUE (CODIGO,CODBARRA,REFERENCIA,DESCRICAO,DESCRIFISCAL,MED,PRECOVENDA,"
                               "PRECOPRAZO,PRECO3,QTDE,QTDEEF,CODALIQUOTA,INATIVO,BALANCA,COD_NCM,IPI,DESCONTOMAX,IAT,IPPT,"
                               "GERA_REL_REPOSICAO,PRINCIPIO_ATIVO,FABRICANTE,HASH,HASH2) VALUES ("
                               + std::to_string(p.chave) + ",'',''," + literal(p.descricao.left(60)) + ","
                               + literal(p.descricao) + ",'UN'," + preco.toStdString() + "," + preco.toStdString() + ","
                               + preco.toStdString() + "," + qtd.toStdString() + "," + qtd.toStdString() + ","
                               + literal(EspelhoPDV::codigoAliquota(p.sitTribut)) + (p.inativo ? ",'S'" : ",'N'")
                               + ",'N','',0,0,'A','T','N','',''," + literal(EspelhoPDV::hash(p, a)) + ","
                               + literal(EspelhoPDV::hash2(p.chave, p.descricao.left(60), p.estoque)) + ")");
            }
            aux.ConexaoPDV.desconectar();
        }
        double bruto;
        {
            ClienteBruto b(pdvBruto);
            bruto = medirMs([&] { b.executar(sqls); });
        }
        dm.ConexaoPDV.definirCaminho(
            copiar(modelos + QStringLiteral("/companion-pdv.fdb"), pasta.path() + QStringLiteral("/pdv.fdb")));
        ExportacaoPDV::Resultado r;
        const double nosso = medirMs([&] { r = ExportacaoPDV::exportar(dm.Conexao, dm.ConexaoPDV, nada); });
        std::cout << r.incluidos << " produtos incluídos no Zentro PDV\n";
        linha("exportação ao Zentro PDV (5.000 produtos, primeira vez)", nosso, bruto);
        const double segunda = medirMs([&] { r = ExportacaoPDV::exportar(dm.Conexao, dm.ConexaoPDV, nada); });
        std::cout << "  a mesma exportação de novo (" << r.atualizados << " atualizações): " << segunda << " ms\n";
    }
    DM = nullptr;
    return 0;
}
