#include "rooms/TiposUH.h"
#include "base/Anulacao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

namespace TiposUH {

namespace {
const QString kSelectLista = QStringLiteral(
    "SELECT T.*, (SELECT COUNT(U.ID_UH) FROM UH U WHERE U.ID_TIPO_UH = T.ID_TIPO_UH AND U.EXCLUIDO = 'N') AS QTD "
    "FROM TIPO_UH T WHERE T.ID_TIPO_UH NOT IN (SELECT ID_TIPO_UH FROM ANULACAO)");
} // namespace

const QString kSqlLista = kSelectLista + QStringLiteral(" ORDER BY T.ID_TIPO_UH");
const QString kSqlListaAlfabetica = kSelectLista + QStringLiteral(" ORDER BY T.DESCRICAO");
const QString kSqlFiltro = kSelectLista + QStringLiteral(" AND %1 ORDER BY T.DESCRICAO");

const QString kSqlCaracteristicas = QStringLiteral(
    "SELECT CTU.ID_CARAC_TIPO_UH, CTU.ID_CARAC_UH, CTU.ID_TIPO_UH, CU.DESCRICAO, CU.SIMBOLO "
    "FROM CARAC_TIPO_UH CTU, CARAC_UH CU "
    "WHERE CTU.ID_CARAC_UH = CU.ID_CARAC_UH "
    "AND CTU.ID_TIPO_UH = ? "
    "ORDER BY CTU.ID_CARAC_TIPO_UH");

const QString kSqlCaracteristicasLivres = QStringLiteral(
    "SELECT * FROM CARAC_UH "
    "WHERE ID_CARAC_UH NOT IN (SELECT ID_CARAC_UH FROM CARAC_TIPO_UH WHERE ID_TIPO_UH = ?) "
    "AND ID_CARAC_UH NOT IN (SELECT ID_CARAC_UH FROM ANULACAO) "
    "ORDER BY DESCRICAO");

const QStringList &sqlLimpezaNovo()
{
    static const QStringList l{QStringLiteral("DELETE FROM CARAC_TIPO_UH WHERE ID_TIPO_UH = ?"),
                               QStringLiteral("DELETE FROM PADRAO_ITEM WHERE ID_TIPO_UH = ?"),
                               QStringLiteral("DELETE FROM PADRAO_PS WHERE ID_TIPO_UH = ?")};
    return l;
}

QString msgValorInvalido(const QString &texto)
{
    return QStringLiteral("'%1' não é um valor válido!").arg(texto);
}

const QStringList &colunasValores()
{
    static const QStringList c{QStringLiteral("P1"),    QStringLiteral("P2"),    QStringLiteral("P3"),
                               QStringLiteral("P4"),    QStringLiteral("P1MIN"), QStringLiteral("P2MIN"),
                               QStringLiteral("P3MIN"), QStringLiteral("P4MIN")};
    return c;
}

namespace {

bool descricaoExiste(ConexaoBanco &conexao, const QString &descricao)
{
    return conexao.valor(QStringLiteral("SELECT FIRST 1 ID_TIPO_UH FROM TIPO_UH WHERE DESCRICAO = ?"), {descricao})
        .isValid();
}

bool violouUnico(const ErroBanco &e)
{
    return e.codigo() == QLatin1String("-803") || e.texto().contains(QLatin1String("UNIQUE KEY"));
}

} // namespace

Resultado confirmar(ConexaoBanco &conexao, ModoEdicao modo, qint64 chave, const QString &descricaoAtual, const Dados &d,
                    const QList<qint64> &caracRemovidas)
{
    Resultado r;
    const QString descricao = d.descricao.trimmed();
    const QString abreviacao = d.abreviacao.trimmed();
    if (descricao.isEmpty() || descricao.size() > kTamDescricao) {
        r.mensagem = kMsgDescricaoInvalida;
        r.foco = Campo::Descricao;
        return r;
    }
    if (abreviacao.isEmpty() || abreviacao.size() > kTamAbreviacao) {
        r.mensagem = kMsgAbreviacaoInvalida;
        r.foco = Campo::Abreviacao;
        return r;
    }
    std::array<Dinheiro, 8> valores;
    for (int i = 0; i < 8; ++i) {
        const auto v = Dinheiro::digitado(d.valores[i], SinalDigitado::ZeroOuPositivo, VazioDigitado::Zero,
                                          Dinheiro::tetoNumeric9())
                           .valor;
        if (!v) {
            r.mensagem = msgValorInvalido(d.valores[i]);
            r.foco = Campo::Valor;
            r.valor = i;
            return r;
        }
        valores[i] = *v;
    }
    if (modo == ModoEdicao::Ver)
        return r;

    const bool testar = modo == ModoEdicao::Incluir || descricao != descricaoAtual;
    bool duplicado = false;
    try {
        duplicado = conexao.emTransacao([&] {
            if (testar && descricaoExiste(conexao, descricao))
                return true;
            for (qint64 id : caracRemovidas)
                conexao.executar(
                    QStringLiteral("DELETE FROM CARAC_TIPO_UH WHERE ID_CARAC_TIPO_UH = ? AND ID_TIPO_UH = ?"),
                    {id, chave});
            Valores v{descricao, abreviacao};
            for (const Dinheiro &x : valores)
                v.append(x.paraBanco());
            v.append(chave);
            if (modo == ModoEdicao::Incluir) {
                conexao.executar(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P3, P4, P1MIN, "
                                                    "P2MIN, P3MIN, P4MIN, ID_TIPO_UH) "
                                                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                                     v);
                RegistrarLog(conexao, QStringLiteral("Incluiu Tipo de UH -> Código %1 (%2)").arg(chave).arg(descricao));
            } else {
                const int n = conexao.executar(
                    QStringLiteral("UPDATE TIPO_UH SET DESCRICAO = ?, ABREV = ?, P1 = ?, P2 = ?, P3 = ?, P4 = ?, "
                                   "P1MIN = ?, P2MIN = ?, P3MIN = ?, P4MIN = ? WHERE ID_TIPO_UH = ?"),
                    v);
                if (n != 1)
                    throw ErroSistema(QStringLiteral("O Tipo de UH %1 Não Existe Mais!").arg(chave));
                RegistrarLog(conexao, QStringLiteral("Alterou Tipo de UH -> Código %1 (%2)").arg(chave).arg(descricao));
            }
            return false;
        });
    } catch (const ErroBanco &e) {
        // another workstation stored the same name between the test and the write
        if (!violouUnico(e))
            throw;
        duplicado = true;
    }
    if (duplicado) {
        r.mensagem = kMsgDuplicado;
        r.foco = Campo::Descricao;
        return r;
    }
    r.salvo = true;
    r.mensagem = modo == ModoEdicao::Incluir ? kMsgCadastrado : kMsgAlterado;
    return r;
}

void excluir(ConexaoBanco &conexao, qint64 chave, const QString &descricao)
{
    conexao.emTransacao([&] {
        Anulacao::registrar(conexao, QStringLiteral("ID_TIPO_UH"), chave);
        RegistrarLog(conexao, QStringLiteral("Excluiu Tipo de UH -> Código %1 (%2)").arg(chave).arg(descricao));
    });
}

qint64 anexarCaracteristica(ConexaoBanco &conexao, qint64 tipo, qint64 caracteristica)
{
    return conexao.emTransacao([&]() -> qint64 {
        const bool livre =
            conexao
                .valor(QStringLiteral("SELECT FIRST 1 ID_CARAC_UH FROM CARAC_UH WHERE ID_CARAC_UH = ? "
                                      "AND ID_CARAC_UH NOT IN (SELECT ID_CARAC_UH FROM ANULACAO) "
                                      "AND ID_CARAC_UH NOT IN (SELECT ID_CARAC_UH FROM CARAC_TIPO_UH "
                                      "WHERE ID_TIPO_UH = ?)"),
                       {caracteristica, tipo})
                .isValid();
        if (!livre)
            return 0;
        return conexao
            .valor(QStringLiteral("INSERT INTO CARAC_TIPO_UH (ID_TIPO_UH, ID_CARAC_UH) VALUES (?, ?) "
                                  "RETURNING ID_CARAC_TIPO_UH"),
                   {tipo, caracteristica})
            .toLongLong();
    });
}

void desfazerAnexos(ConexaoBanco &conexao, qint64 tipo, const QList<qint64> &idsCaracTipo)
{
    if (idsCaracTipo.isEmpty())
        return;
    conexao.emTransacao([&] {
        for (qint64 id : idsCaracTipo)
            conexao.executar(
                QStringLiteral("DELETE FROM CARAC_TIPO_UH WHERE ID_CARAC_TIPO_UH = ? AND ID_TIPO_UH = ?"), {id, tipo});
    });
}

} // namespace TiposUH
