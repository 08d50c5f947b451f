#include "integration/TransferenciaPDV.h"
#include "base/Erros.h"
#include "base/Parametros.h"
#include "base/Rotinas.h"
#include "base/UnitDM.h"
#include "restaurant/EspelhoPDV.h"
#include "rooms/Clientes.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace TransferenciaPDV {

using Integracao::AndamentoEmCurso;

QString maximoDesconto(const QString &movimentos, const QString &acessoTotal, const QString &limite)
{
    if (movimentos != QLatin1String("S"))
        return QStringLiteral("0");
    if (acessoTotal == QLatin1String("S"))
        return QStringLiteral("100");
    return limite;
}

namespace {

// The companion's main database as a file of this machine; a server path
// (host:/path) is left to the connection.
bool bancoPrincipalExiste(const ConexaoBanco &pdv)
{
    const QString caminho = pdv.caminho();
    const qsizetype doisPontos = caminho.indexOf(QLatin1Char(':'));
    if (doisPontos > 1 && !caminho.startsWith(QLatin1Char('/')))
        return true;
    return QFileInfo(caminho).isFile();
}

void conectar(ConexaoBanco &c, const QString &nome)
{
    try {
        c.garantirConectada();
    } catch (const ErroBanco &e) {
        Integracao::bancoInacessivel(nome, e);
    }
}

void empresa(ConexaoBanco &conexao, ConexaoBanco &pdv, ConexaoBanco &frente, const QDate &hoje)
{
    const Linha p = conexao.ler(QStringLiteral("SELECT * FROM PARAMETROS"));
    auto t = [&](const char *col) { return p.texto(QString::fromLatin1(col)); };
    try {
        frente.executar(QStringLiteral("UPDATE EMPRESA SET RAZAO_SOCIAL = ?, NOME_FANTASIA = ?, ENDERECO = ?, "
                                       "BAIRRO = ?, CIDADE = ?, UF = ?, CEP = ?, CNPJ = ?, INSC_ESTADUAL = '0', "
                                       "INSC_MUNICIPAL = '0', TELEFONE = ?, FAX = ?, DATA = ?, CONTATO = '', EMAIL = ?, "
                                       "COD_MUNICIPIO = '0'"),
                        {cortarCaracteres(t("RAZAO_SOCIAL"), 60), t("NOME_FANTASIA"),
                         cortarCaracteres(t("ENDERECO"), 60), t("BAIRRO"), t("CIDADE"), t("UF"), t("CEP"), t("CNPJ"),
                         t("FONE1"), t("FONE2"), hoje, t("EMAIL")});
    } catch (const ErroBanco &e) {
        Integracao::linhaRecusada(QStringLiteral("os dados da empresa (banco FRENTE)"), e);
    }
    try {
        pdv.executar(QStringLiteral("UPDATE EMPRESA SET RAZAO = ?, NOME = ?, ENDERECO = ?, BAIRRO = ?, CIDADE = ?, "
                                    "UF = ?, CEP = ?, CGC = ?, IE = '0', FONE = ?, FAX = ?"),
                     {cortarCaracteres(t("RAZAO_SOCIAL"), 50), t("NOME_FANTASIA"), cortarCaracteres(t("ENDERECO"), 50),
                      t("BAIRRO"), t("CIDADE"), t("UF"), t("CEP"), t("CNPJ"), t("FONE1"), t("FONE2")});
    } catch (const ErroBanco &e) {
        Integracao::linhaRecusada(QStringLiteral("os dados da empresa (banco principal)"), e);
    }
}

} // namespace

Resultado transferir(ConexaoBanco &banco, ConexaoBanco &pdv, ConexaoBanco &frente, const QDate &hoje,
                     Integracao::Andamento &andamento)
{
    Resultado r;
    if (!bancoPrincipalExiste(pdv)) {
        r.encontrado = false;
        return r;
    }
    AndamentoEmCurso gauge(andamento, 1);
    conectar(frente, QStringLiteral("Zentro PDV (FRENTE)"));
    conectar(pdv, QStringLiteral("Zentro PDV"));

    const QList<Linha> usuarios = banco.lerTodas(QStringLiteral(
        "SELECT ID_USUARIO, LOGIN, SENHA, MOVIMENTOS, ACESSO_TOTAL FROM USUARIO "
        "WHERE ID_USUARIO NOT IN (SELECT ID_USUARIO FROM ANULACAO) ORDER BY ID_USUARIO"));
    const QList<Linha> clientes = banco.lerTodas(QStringLiteral("SELECT * FROM CLIENTE ORDER BY ID_CLIENTE"));
    const QList<EspelhoPDV::Produto> produtos = EspelhoPDV::lerProdutos(banco);
    const QString limite = tParametros().dinheiro(QStringLiteral("LIMITE_DESCONTO")).sql();

    qint64 maiorUsuario = 0, maiorCliente = 0;
    Transacao tFrente(frente);
    Transacao tPdv(pdv);
    gauge.fase(QStringLiteral("Empresa"), 1);
    empresa(banco, pdv, frente, hoje);
    gauge.avancar();

    QCoreApplication::processEvents();
    gauge.fase(QStringLiteral("Vendedores"), 1);
    pdv.executar(QStringLiteral("DELETE FROM VENDEDOR"));
    pdv.executar(QStringLiteral("INSERT INTO VENDEDOR (CODIGO, NOME, PERCCOMISSAOPRAZO, PERCCOMISSAOVISTA, INATIVO) "
                                "VALUES (1, 'LOJA (VENDA)', 0, 0, 'N')"));
    gauge.avancar();

    QCoreApplication::processEvents();
    gauge.fase(QStringLiteral("Usuarios"), int(usuarios.size()));
    pdv.executar(QStringLiteral("DELETE FROM USUARIOS_PDV"));
    for (const Linha &u : usuarios) {
        const bool mov = u.texto(QStringLiteral("MOVIMENTOS")) == QLatin1String("S");
        const QString um = QStringLiteral("1"), direito = mov ? um : QStringLiteral("0");
        const qint64 id = u.inteiro(QStringLiteral("ID_USUARIO"));
        try {
            pdv.executar(QStringLiteral(
                             "INSERT INTO USUARIOS_PDV (ID, NOME, SENHA, CHK_VENDAS, CHK_VENDA_CHECKOUT, PE_ABRE_GAVETA, "
                             "PE_SUPRIMENTO_SANGRIA, PE_LEITURA_X, PE_CANCELA_CUPOM, PE_REDUCAO_Z, PE_MEMORIA_FISCAL, "
                             "PE_CANCELA_ITEM, PE_LIBERA_VENDA_ATRASO, PE_LIBERA_VENDA_LIMITE_EXC, "
                             "PE_LIBERA_VENDA_INADIMPLENTE, VINCULADO_AO_VENDEDOR, PE_LIBERA_DESCONTO, "
                             "PE_MAXIMO_DESCONTO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                         {id, u.texto(QStringLiteral("LOGIN")), u.texto(QStringLiteral("SENHA")), um, um, um, um, um,
                          direito, direito, direito, direito, direito, direito, direito, direito, direito,
                          maximoDesconto(u.texto(QStringLiteral("MOVIMENTOS")), u.texto(QStringLiteral("ACESSO_TOTAL")),
                                         limite)});
        } catch (const ErroBanco &e) {
            Integracao::linhaRecusada(
                QStringLiteral("o usuário %1 (%2)").arg(id).arg(u.texto(QStringLiteral("LOGIN"))), e);
        }
        maiorUsuario = qMax(maiorUsuario, id);
        ++r.usuarios;
        gauge.avancar();
    }

    QCoreApplication::processEvents();
    gauge.fase(QStringLiteral("Clientes"), int(clientes.size()));
    pdv.executar(QStringLiteral("DELETE FROM CLIENTE"));
    for (const Linha &c : clientes) {
        const qint64 id = c.inteiro(QStringLiteral("ID_CLIENTE"));
        try {
            Clientes::gravarClientePDV(pdv, c, false);
        } catch (const ErroBanco &e) {
            Integracao::linhaRecusada(
                QStringLiteral("o cliente %1 (%2)").arg(id).arg(c.texto(QStringLiteral("NOME"))), e);
        }
        maiorCliente = qMax(maiorCliente, id);
        ++r.clientes;
        gauge.avancar();
    }

    QCoreApplication::processEvents();
    gauge.fase(QStringLiteral("Produtos"), int(produtos.size()));
    pdv.executar(QStringLiteral("DELETE FROM ESTOQUE"));
    // Into the emptied table every product goes as a new row of the export.
    EspelhoPDV::Espelho espelho(pdv);
    qint64 maiorProduto = 0;
    for (const EspelhoPDV::Produto &p : produtos) {
        try {
            espelho.exportar(p);
        } catch (const ErroBanco &e) {
            Integracao::linhaRecusada(QStringLiteral("o produto %1 (%2)").arg(p.chave).arg(p.descricao), e);
        }
        maiorProduto = qMax(maiorProduto, p.chave);
        ++r.produtos;
        gauge.avancar();
    }

    tFrente.confirmar();
    tPdv.confirmar();
    Integracao::definirGerador(pdv, QStringLiteral("GEN_VENDEDOR_ID"), 1);
    Integracao::definirGerador(pdv, QStringLiteral("GEN_USUARIOS_PDV_ID"), maiorUsuario);
    Integracao::definirGerador(pdv, QStringLiteral("GEN_CLIENTE_ID"), maiorCliente);
    Integracao::definirGerador(pdv, QStringLiteral("GEN_ESTOQUE_ID"), maiorProduto);
    QCoreApplication::processEvents();
    return r;
}

} // namespace TransferenciaPDV
