#include "restaurant/PontosVenda.h"
#include "base/Anulacao.h"
#include "base/Dinheiro.h"
#include "base/UnitLog.h"

namespace PontosVenda {

const QString kSqlLista = QStringLiteral(
    "SELECT * FROM PDV WHERE ID_PDV NOT IN (SELECT ID_PDV FROM ANULACAO) ORDER BY DESCRICAO");
const QString kSqlListaCodigo = QStringLiteral(
    "SELECT * FROM PDV WHERE ID_PDV NOT IN (SELECT ID_PDV FROM ANULACAO) ORDER BY ID_PDV");
const QString kSqlFiltro = QStringLiteral(
    "SELECT * FROM PDV WHERE ID_PDV NOT IN (SELECT ID_PDV FROM ANULACAO) AND %1 ORDER BY DESCRICAO");

namespace {

Resultado recusa(const QString &mensagem, Campo foco)
{
    Resultado r;
    r.mensagem = mensagem;
    r.foco = foco;
    return r;
}

} // namespace

Resultado salvar(ConexaoBanco &conexao, ModoEdicao modo, qint64 chave, const QString &descricaoDigitada, const QString &siglaDigitada,
                 const QString &taxaDigitada)
{
    if (modo == ModoEdicao::Ver)
        return {};
    const QString descricao = descricaoDigitada.trimmed();
    if (descricao.isEmpty() || descricao.size() > 90)
        return recusa(kMsgDescricaoInvalida, Campo::Descricao);
    const QString sigla = siglaDigitada.trimmed();
    if (sigla.size() > 5)
        return recusa(kMsgSiglaInvalida, Campo::Sigla);
    const std::optional<Dinheiro> taxa =
        taxaDigitada.trimmed().isEmpty() ? std::optional<Dinheiro>(Dinheiro()) : Dinheiro::deTexto(taxaDigitada);
    if (!taxa || taxa->centavos() < 0 || taxa->centavos() > 10000)
        return recusa(kMsgTaxaInvalida, Campo::Taxa);

    try {
        return conexao.emTransacao([&]() -> Resultado {
            // One or more rows of that name, deleted points of sale included.
            const bool existe = conexao
                                    .valor(QStringLiteral("SELECT FIRST 1 ID_PDV FROM PDV "
                                                          "WHERE DESCRICAO = ? AND ID_PDV <> ?"),
                                           {descricao, modo == ModoEdicao::Alterar ? chave : 0})
                                    .isValid();
            if (existe)
                return recusa(kMsgJaCadastrado, Campo::Descricao);
            Resultado ok;
            ok.salvo = true;
            if (modo == ModoEdicao::Incluir) {
                if (chave > 0)
                    ok.chave = conexao
                                   .ler(QStringLiteral("INSERT INTO PDV (ID_PDV, DESCRICAO, ABREV, TAXA) "
                                                       "VALUES (?, ?, ?, ?) RETURNING ID_PDV"),
                                        {chave, descricao, sigla, taxa->paraBanco()})
                                   .inteiro(QStringLiteral("ID_PDV"));
                else
                    ok.chave = conexao
                                   .ler(QStringLiteral("INSERT INTO PDV (DESCRICAO, ABREV, TAXA) "
                                                       "VALUES (?, ?, ?) RETURNING ID_PDV"),
                                        {descricao, sigla, taxa->paraBanco()})
                                   .inteiro(QStringLiteral("ID_PDV"));
                RegistrarLog(conexao, QStringLiteral("Incluiu PDV -> Código ") + QString::number(ok.chave)
                             + QStringLiteral(" (") + descricao + QLatin1Char(')'));
                return ok;
            }
            const int n = conexao.executar(
                QStringLiteral("UPDATE PDV SET DESCRICAO = ?, ABREV = ?, TAXA = ? WHERE ID_PDV = ? "
                               "AND ID_PDV NOT IN (SELECT ID_PDV FROM ANULACAO)"),
                {descricao, sigla, taxa->paraBanco(), chave});
            if (n != 1)
                return recusa(kMsgNaoEncontrado, Campo::Nenhum);
            ok.chave = chave;
            RegistrarLog(conexao, QStringLiteral("Alterou PDV -> Código ") + QString::number(chave) + QStringLiteral(" (")
                         + descricao + QLatin1Char(')'));
            return ok;
        });
    } catch (const ErroBanco &e) {
        // Another workstation saved the same name between the check and the write.
        if (!e.texto().toUpper().contains(QLatin1String("UQ_PDV_DESCRICAO")))
            throw;
        return recusa(kMsgJaCadastrado, Campo::Descricao);
    }
}

Resultado excluir(ConexaoBanco &conexao, qint64 chave, const QString &descricao)
{
    const bool feito = conexao.emTransacao([&] {
        if (Anulacao::anulado(conexao, QStringLiteral("ID_PDV"), chave))
            return false;
        Anulacao::registrar(conexao, QStringLiteral("ID_PDV"), chave);
        RegistrarLog(conexao, QStringLiteral("Excluiu PDV -> Código ") + QString::number(chave) + QStringLiteral(" (")
                     + descricao.trimmed() + QLatin1Char(')'));
        return true;
    });
    if (!feito)
        return recusa(kMsgNaoEncontrado, Campo::Nenhum);
    Resultado r;
    r.salvo = true;
    r.chave = chave;
    r.mensagem = kMsgExcluido;
    return r;
}

} // namespace PontosVenda
