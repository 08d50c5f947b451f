#include "integration/ExportacaoControle.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"

#include <QHash>

namespace ExportacaoControle {

using Integracao::AndamentoEmCurso;

QString codigoCliente(qint64 idCliente) { return QStringLiteral("%1").arg(idCliente, 4, 10, QLatin1Char('0')); }

QString municipio(const QString &cidade) { return cidade.toUpper(); }

namespace {

const QString kNomeBanco = QStringLiteral("Zentro Controle");

void usuarios(ConexaoBanco &controle, const QList<Linha> &lista, AndamentoEmCurso &gauge, Resultado &r)
{
    for (const Linha &u : lista) {
        const qint64 id = u.inteiro(QStringLiteral("ID_USUARIO"));
        const QString login = u.texto(QStringLiteral("LOGIN"));
        // Old and new users alike get the scrambled password.
        const QString senha = Crypt(QStringLiteral("C"), u.texto(QStringLiteral("SENHA")).trimmed());
        try {
            if (controle.ler(QStringLiteral("SELECT ID_USUARIO FROM USUARIO WHERE ID_USUARIO = ?"), {id}).vazia())
                controle.executar(QStringLiteral("INSERT INTO USUARIO (ID_USUARIO, LOGIN, SENHA) VALUES (?, ?, ?)"),
                                  {id, login, senha});
            else
                controle.executar(QStringLiteral("UPDATE USUARIO SET LOGIN = ?, SENHA = ? WHERE ID_USUARIO = ?"),
                                  {login, senha, id});
        } catch (const ErroBanco &e) {
            Integracao::linhaRecusada(QStringLiteral("o usuário %1 (%2)").arg(id).arg(login), e);
        }
        ++r.usuarios;
        gauge.avancar();
    }
}

void produtos(ConexaoBanco &controle, const QList<Linha> &lista, const QDate &hoje, const QString &login,
              AndamentoEmCurso &gauge, Resultado &r)
{
    const QString n = QStringLiteral("N"), zero = QStringLiteral("0");
    for (const Linha &p : lista) {
        const qint64 id = p.inteiro(QStringLiteral("ID_P_S"));
        const QString descricao = p.texto(QStringLiteral("DESCRICAO"));
        const QVariant valor = p.dinheiro(QStringLiteral("VALOR")).paraBanco();
        const QVariant minimo = p.valor(QStringLiteral("MINIMO"));
        const qint64 estoque = p.inteiro(QStringLiteral("ESTOQUE"));
        const QString servico = p.texto(QStringLiteral("DIARIA")) == QLatin1String("S") ? QStringLiteral("S") : n;
        const QVariant sit = p.texto(QStringLiteral("SIT_TRIBUT")), barras = p.texto(QStringLiteral("CODIGO_BARRAS")),
                       cst = p.texto(QStringLiteral("CST")), ncm = p.texto(QStringLiteral("NCM")),
                       cest = p.texto(QStringLiteral("CEST")), excluido = p.texto(QStringLiteral("EXCLUIDO"));
        try {
            if (!controle.ler(QStringLiteral("SELECT ID_PRODUTO FROM PRODUTO WHERE ID_PRODUTO = ?"), {id}).vazia()) {
                // An existing product keeps its stock (SALDO, SALDOF) and gets no history.
                controle.executar(
                    QStringLiteral("UPDATE PRODUTO SET DESCRICAO = ?, VALOR_VENDA = ?, VALOR_VAREJO = ?, AVISAR = ?, "
                                   "SIT_TRIBUT = ?, CODIGO_BARRAS = ?, VALOR_VENDA_3 = ?, VALOR_VENDA_4 = ?, "
                                   "SERVICO = ?, CST = ?, NCMSH = ?, CEST = ?, EXCLUIDO = ? WHERE ID_PRODUTO = ?"),
                    {descricao, valor, valor, minimo, sit, barras, valor, valor, servico, cst, ncm, cest, excluido, id});
            } else {
                // The new row keeps the hotel's key, so a later run finds it
                // again, and its child rows name that key.
                controle.executar(
                    QStringLiteral(
                        "INSERT INTO PRODUTO (ID_PRODUTO, DESCRICAO, SALDO, SALDOF, VALOR_VENDA, VALOR_VAREJO, CUSTO, "
                        "PAGAR_ROY, AVISAR, SIT_TRIBUT, DATA_CADASTRO, UN_MEDIDA, UNIDADES_CAIXA, MULT_DIV, "
                        "CODIGO_BARRAS, MACARRAO, ID_GRUPO_PRODUTO, ID_SUBGRUPO, ICMSCOMPRA, OUTROSENCARGOS, "
                        "MARGEMLUCRO, MARGEMPRAZO, MARGEMVENDA3, MARGEMVENDA4, VALOR_VENDA_3, VALOR_VENDA_4, PESOUNIT, "
                        "IPI, FRETE, FRETEPERC, ICMSST, SERVICO, CST, NCMSH, CEST, ISENTO_PIS_COFINS, "
                        "VALOR_SUBST_TRIBUT, DESCONTO, OUTROS_IMP, QTD_MIN_ATACADO, PREPARAR, PREPARAR_ACOMP, "
                        "EMBALAGEM, ATACADO, IMOBILIZADO, ORDEM_PEDIDOS, NAO_VENDER, OFERTA_QUIOSQUE, "
                        "BLOQUEIA_FRACIONADO, MOV_EST_SERVICO, EXCLUIDO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                        "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                        "?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    {id,   descricao, estoque, estoque, valor, valor, zero, n,    minimo, sit,  hoje,
                     QStringLiteral("UN"), zero, QStringLiteral("X"), barras, n, zero, zero, zero, zero,
                     zero, zero, zero, zero, valor, valor, zero, zero, zero, zero, zero, servico, cst, ncm, cest, n,
                     zero, zero, zero, zero, n,    n,    n,    n,    n,    n,    n,    n,    n,    n,    excluido});
                controle.executar(QStringLiteral("INSERT INTO HISTORICO_PRODUTO (ID_PRODUTO, OPERACAO, ESTOQUE_ANT, "
                                                 "ESTOQUE_POS, SALDO_ANT, SALDO_POS, USUARIO, DATA) "
                                                 "VALUES (?, ?, 0, ?, 0, ?, ?, ?)"),
                                  {id, QStringLiteral("CADASTRO DE PRODUTO"), estoque, estoque, login, hoje});
                controle.executar(QStringLiteral("INSERT INTO COR_PRODUTO (ID_COR, ID_PRODUTO) VALUES (1, ?)"), {id});
                controle.executar(QStringLiteral("INSERT INTO COR_ESTOFADO (ID_ESTOFADO, ID_PRODUTO) VALUES (1, ?)"),
                                  {id});
                controle.executar(QStringLiteral("INSERT INTO ESTOQUE (ID_PRODUTO, ID_COR, ID_ESTOFADO, ESTOQUE, SALDO) "
                                                 "VALUES (?, 1, 1, ?, ?)"),
                                  {id, estoque, estoque});
            }
        } catch (const ErroBanco &e) {
            Integracao::linhaRecusada(QStringLiteral("o produto %1 (%2)").arg(id).arg(descricao), e);
        }
        ++r.produtos;
        gauge.avancar();
    }
}

void clientes(ConexaoBanco &controle, const QList<Linha> &lista, const QDate &hoje, const QString &login,
              AndamentoEmCurso &gauge, Resultado &r)
{
    QHash<QString, QString> cidades; // city and state -> code, looked up once
    const QString n = QStringLiteral("N");
    for (const Linha &c : lista) {
        auto t = [&](const char *col) { return c.texto(QString::fromLatin1(col)); };
        const qint64 id = c.inteiro(QStringLiteral("ID_CLIENTE"));
        const QString codigo = codigoCliente(id);
        try {
            const QString cidade = municipio(t("CIDADE")), estado = t("ESTADO");
            const QString chaveCidade = cidade + QLatin1Char('|') + estado;
            auto achada = cidades.constFind(chaveCidade);
            if (achada == cidades.constEnd())
                achada = cidades.insert(
                    chaveCidade,
                    controle
                        .ler(QStringLiteral("SELECT (COD_UF || COD_MUNICIPIO) AS CODCIDADE FROM COD_MUN_IBGE "
                                            "WHERE MUNICIPIO = CAST(? AS VARCHAR(200)) AND UF_SIGLA = CAST(? AS VARCHAR(20))"),
                             {cidade, estado})
                        .texto(QStringLiteral("CODCIDADE")));
            const QString codCidade = achada.value();
            const Valores comuns{t("TIPO_PESSOA"), t("CNPJ_CPF"),  t("RG_INSC_EST"), t("NOME"),   t("CONTATO"),
                                 t("ENDERECO"),    t("BAIRRO"),    t("CIDADE"),      codCidade,   estado,
                                 t("CEP"),         t("FONE_1"),    t("FAX"),         t("NUMERO"), t("EMAIL"),
                                 t("OBSERVACAO")};
            if (!controle.ler(QStringLiteral("SELECT COD_CLIENTE FROM CLIENTE WHERE COD_CLIENTE = ?"), {codigo})
                     .vazia()) {
                Valores v = comuns;
                v << codigo;
                controle.executar(
                    QStringLiteral("UPDATE CLIENTE SET TIPO_PESSOA = ?, ID_CLIENTE = ?, RG_INSC_EST = ?, NOME = ?, "
                                   "CONTATO = ?, ENDERECO = ?, COMPLEMENTO = ?, CIDADE = ?, COD_CIDADE = ?, ESTADO = ?, "
                                   "CEP = ?, FONE_1 = ?, FAX = ?, NUMERO = ?, EMAIL = ?, OBSERVACAO = ? "
                                   "WHERE COD_CLIENTE = ?"),
                    v);
            } else {
                Valores v = comuns;
                v << codigo << hoje << login;
                controle.executar(
                    QStringLiteral(
                        "INSERT INTO CLIENTE (TIPO_PESSOA, ID_CLIENTE, RG_INSC_EST, NOME, CONTATO, ENDERECO, "
                        "COMPLEMENTO, CIDADE, COD_CIDADE, ESTADO, CEP, FONE_1, FAX, NUMERO, EMAIL, OBSERVACAO, "
                        "COD_CLIENTE, DATA_CADASTRO, USUARIO, SPC, LIMITE, NAO_MOSTRAR_CRED, CADASTRO_DISTRIBUIDORA, "
                        "AVAL_CLIENTE_LOJA, APENAS_AVISTA, CHEQUE_PRE, DIAS_CHEQUE_PRE, AV, OC, US, FB, EX, HI, TE, "
                        "EL, LA, AMB1, RPG, PI, ALO, PV, BE, GI, FR, REAV, CPM) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'N', 0, 'N', 'N', 'N', 'N', "
                        "'N', 0, 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', "
                        "'N', 'N', 'N')"),
                    v);
            }
        } catch (const ErroBanco &e) {
            Integracao::linhaRecusada(QStringLiteral("o cliente %1 (%2)").arg(id).arg(t("NOME")), e);
        }
        ++r.clientes;
        gauge.avancar();
    }
}

} // namespace

Resultado exportar(ConexaoBanco &banco, ConexaoBanco &controle, const QDate &hoje, const QString &login,
                   Integracao::Andamento &andamento)
{
    const QList<Linha> listaUsuarios =
        banco.lerTodas(QStringLiteral("SELECT ID_USUARIO, LOGIN, SENHA FROM USUARIO ORDER BY ID_USUARIO"));
    AndamentoEmCurso gauge(andamento, int(listaUsuarios.size()));
    try {
        controle.garantirConectada();
    } catch (const ErroBanco &e) {
        Integracao::bancoInacessivel(kNomeBanco, e);
    }
    const QList<Linha> listaProdutos = banco.lerTodas(QStringLiteral(
        "SELECT ID_P_S, DESCRICAO, ESTOQUE, VALOR, MINIMO, SIT_TRIBUT, CODIGO_BARRAS, DIARIA, CST, NCM, CEST, EXCLUIDO "
        "FROM PRODUTOS_SERVICOS ORDER BY ID_P_S"));
    const QList<Linha> listaClientes = banco.lerTodas(QStringLiteral(
        "SELECT ID_CLIENTE, TIPO_PESSOA, CNPJ_CPF, RG_INSC_EST, NOME, CONTATO, ENDERECO, BAIRRO, CIDADE, ESTADO, CEP, "
        "FONE_1, FAX, NUMERO, EMAIL, OBSERVACAO FROM CLIENTE ORDER BY ID_CLIENTE"));
    Resultado r;
    controle.emTransacao([&] {
        r = {};
        gauge.fase(QString(), int(listaUsuarios.size()));
        usuarios(controle, listaUsuarios, gauge, r);
        gauge.fase(QString(), int(listaProdutos.size()));
        produtos(controle, listaProdutos, hoje, login, gauge, r);
        gauge.fase(QString(), int(listaClientes.size()));
        clientes(controle, listaClientes, hoje, login, gauge, r);
    });
    Integracao::geradorNoMaior(controle, QStringLiteral("GEN_ID_USUARIO"), QStringLiteral("USUARIO"),
                               QStringLiteral("ID_USUARIO"));
    Integracao::geradorNoMaior(controle, QStringLiteral("GEN_ID_PRODUTO"), QStringLiteral("PRODUTO"),
                               QStringLiteral("ID_PRODUTO"));
    return r;
}

void executar()
{
    Integracao::AndamentoJanela gauge;
    exportar(DM->Conexao, DM->ConexaoZentroControle, Relogio::hoje(), Sessao::atual().login, gauge);
    Mensagem::info(kMsgSucesso);
}

} // namespace ExportacaoControle
