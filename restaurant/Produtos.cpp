#include "restaurant/Produtos.h"
#include "base/Dinheiro.h"
#include "base/Relogio.h"
#include "base/Parametros.h"
#include "base/UnitLog.h"
#include "restaurant/EspelhoPDV.h"

#include <QRegularExpression>

namespace Produtos {

const QString kSqlLista = QStringLiteral(
    "SELECT PS.ID_P_S, PS.ID_PDV, PS.DESCRICAO AS DESC_PS, PS.VALOR, PS.FAB_PROPRIA, PDV.DESCRICAO AS DESC_PDV, "
    "PS.ESTOQUE, PS.MINIMO, PS.ULTIMA_COMPRA, PS.DIARIA, PS.SIT_TRIBUT, PS.CODIGO_BARRAS, PS.CST, PS.NCM, PS.CEST "
    "FROM PRODUTOS_SERVICOS PS LEFT JOIN PDV ON PDV.ID_PDV = PS.ID_PDV WHERE PS.EXCLUIDO = 'N'");
const QString kOrdemDescricao = QStringLiteral(" ORDER BY PS.DESCRICAO");
const QString kOrdemCodigo = QStringLiteral(" ORDER BY PS.ID_P_S");
const QString kSqlEscolhaProduto =
    QStringLiteral("SELECT * FROM PRODUTOS_SERVICOS WHERE EXCLUIDO = 'N' ORDER BY DESCRICAO");
const QString kSqlEscolhaPdv = QStringLiteral(
    "SELECT ID_PDV, DESCRICAO FROM PDV WHERE ID_PDV NOT IN (SELECT ID_PDV FROM ANULACAO) ORDER BY DESCRICAO");

const QList<Aliquota> &aliquotas()
{
    static const QList<Aliquota> a{
        {QStringLiteral("ISENTO - II"), QStringLiteral("II")},
        {QStringLiteral("SUBSTITUIÇÃO TRIBUTÁRIA - FF"), QStringLiteral("FF")},
        {QStringLiteral("NÃO INCIDÊNCIA - NN"), QStringLiteral("NN")},
        {QStringLiteral("TRIBUTADO A 5%"), QStringLiteral("05")},
        {QStringLiteral("TRIBUTADO A 7%"), QStringLiteral("07")},
        {QStringLiteral("TRIBUTADO A 12%"), QStringLiteral("12")},
        {QStringLiteral("TRIBUTADO A 17%"), QStringLiteral("17")},
        {QStringLiteral("TRIBUTADO A 18%"), QStringLiteral("18")},
        {QStringLiteral("TRIBUTADO A 25%"), QStringLiteral("25")},
        {QStringLiteral("TRIBUTADO A 27%"), QStringLiteral("27")},
    };
    return a;
}

int indiceAliquota(const QString &codigo)
{
    const QList<Aliquota> &a = aliquotas();
    for (int i = 0; i < a.size(); ++i)
        if (a[i].codigo == codigo.trimmed())
            return i;
    return 0;
}

bool servicoPadrao(qint64 chave, const QString &descricao)
{
    return chave == 1 && descricao.trimmed() == QLatin1String("DIARIA");
}

QString completarNCM(const QString &ncm)
{
    const QString t = ncm.trimmed();
    if (t.isEmpty())
        return QStringLiteral("0");
    if (t == QLatin1String("0") || t.size() >= 8)
        return t;
    return t + QString(8 - t.size(), QLatin1Char('0'));
}

QString sugerirCEST(ConexaoBanco &conexao, const QString &ncm)
{
    const QString t = ncm.trimmed();
    if (t.isEmpty() || t == QLatin1String("0") || t == QLatin1String("00000000"))
        return {};
    for (int n = qMin(8, int(t.size())); n >= 1; --n) {
        const QVariant cest = conexao.valor(
            QStringLiteral("SELECT FIRST 1 CEST FROM TAB_CEST WHERE NCM = ? ORDER BY ID_TAB_CEST"), {t.left(n)});
        if (cest.isValid())
            return cest.toString().trimmed();
    }
    return {};
}

namespace {

bool soDigitos(const QString &t, int maximo)
{
    static const QRegularExpression re(QStringLiteral("^[0-9]+$"));
    return !t.isEmpty() && t.size() <= maximo && re.match(t).hasMatch();
}

// A whole number of stock: digits only, within an INTEGER column.
bool inteiroEstoque(const QString &t, qint64 *valor)
{
    if (!soDigitos(t, 9))
        return false;
    *valor = t.toLongLong();
    return true;
}

Resultado recusa(const QString &mensagem, Campo foco)
{
    Resultado r;
    r.mensagem = mensagem;
    r.foco = foco;
    return r;
}

// A save refused by a unique index that another workstation's save filled
// between our check and our write.
bool violouUnicidade(const ErroBanco &e)
{
    const QString t = e.texto().toUpper();
    return t.contains(QLatin1String("UQ_PRODUTOS_SERVICOS_DESCRICAO"))
        || t.contains(QLatin1String("UQ_PRODUTOS_SERVICOS_COD_BARRAS"));
}

bool existeOutro(ConexaoBanco &conexao, const QString &descricao, const QString &codigoBarras, qint64 chaveIgnorada)
{
    if (codigoBarras.isEmpty())
        return conexao
            .valor(QStringLiteral("SELECT FIRST 1 ID_P_S FROM PRODUTOS_SERVICOS WHERE DESCRICAO = ? AND ID_P_S <> ?"),
                   {descricao, chaveIgnorada})
            .isValid();
    return conexao
        .valor(QStringLiteral("SELECT FIRST 1 ID_P_S FROM PRODUTOS_SERVICOS "
                              "WHERE (DESCRICAO = ? OR CODIGO_BARRAS = ?) AND ID_P_S <> ?"),
               {descricao, codigoBarras, chaveIgnorada})
        .isValid();
}

QString sn(bool v) { return v ? QStringLiteral("S") : QStringLiteral("N"); }

// The point of sale's copy, after the change here is committed. A failure
// there leaves the change here stored and is told (erroEspelho).
template <class F>
void espelhar(Resultado &r, F &&operacao)
{
    if (!r.salvo || !tParametros().sim(QStringLiteral("UTILIZA_FISCAL")))
        return;
    try {
        EspelhoPDV::Espelho e(DM->ConexaoPDV);
        operacao(e);
    } catch (const ErroBanco &erro) {
        r.erroEspelho = kMsgEspelhoFalhou + erro.texto();
    }
}

// Altered product or purchase: the mirror row is locked before the product
// is read, so a workstation that stored a later change waits and then
// writes the later values.
void espelharProduto(ConexaoBanco &conexao, Resultado &r, bool compra)
{
    espelhar(r, [&](EspelhoPDV::Espelho &e) {
        DM->ConexaoPDV.emTransacao([&] {
            if (!e.travar(r.chave))
                return; // a product without a mirror row gets none
            const std::optional<EspelhoPDV::Produto> p = EspelhoPDV::lerProduto(conexao, r.chave);
            if (!p)
                return;
            if (compra)
                e.estoque(*p);
            else
                e.alterar(*p);
        });
    });
}

} // namespace

Resultado salvar(ConexaoBanco &conexao, ModoEdicao modo, qint64 chave, const Produto &p, qint64 estoqueCarregado)
{
    if (modo == ModoEdicao::Ver)
        return {};
    if (p.idPdv <= 0)
        return recusa(kMsgPdvInvalido, Campo::Pdv);
    const QString descricao = p.descricao.trimmed();
    if (descricao.isEmpty() || descricao.size() > 90)
        return recusa(kMsgDescricaoInvalida, Campo::Descricao);
    qint64 estoque = 0, minimo = 0;
    if (!inteiroEstoque(p.estoque.trimmed(), &estoque))
        return recusa(kMsgEstoqueInvalido, Campo::Estoque);
    if (!inteiroEstoque(p.minimo.trimmed(), &minimo))
        return recusa(kMsgMinimoInvalido, Campo::Minimo);
    const std::optional<Dinheiro> valor = Dinheiro::deTexto(p.valor);
    if (!valor || valor->centavos() < 0 || valor->centavos() >= 1'000'000'000'000'000LL)
        return recusa(kMsgValorInvalido, Campo::Valor);
    // "0" and empty both mean a product without bar code (stored as NULL).
    QString codigoBarras = p.codigoBarras.trimmed();
    if (codigoBarras == QLatin1String("0"))
        codigoBarras.clear();
    if (!codigoBarras.isEmpty() && !soDigitos(codigoBarras, 20))
        return recusa(kMsgCodigoBarrasInvalido, Campo::CodigoBarras);
    const QString cst = p.cst.trimmed().isEmpty() ? QStringLiteral("0") : p.cst.trimmed();
    if (!soDigitos(cst, 3))
        return recusa(kMsgCSTInvalido, Campo::CST);
    const QString ncm = completarNCM(p.ncm);
    if (ncm != QLatin1String("0") && !soDigitos(ncm, 8))
        return recusa(kMsgNCMInvalido, Campo::NCM);
    const QString cest = p.cest.trimmed().isEmpty() ? QStringLiteral("0") : p.cest.trimmed();
    if (!soDigitos(cest, 8))
        return recusa(kMsgCESTInvalido, Campo::CEST);
    const QString sitTribut = aliquotas().value(indiceAliquota(p.sitTribut)).codigo;
    const QVariant barras = codigoBarras.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(codigoBarras);

    Resultado r;
    try {
        r = conexao.emTransacao([&]() -> Resultado {
            if (existeOutro(conexao, descricao, codigoBarras, modo == ModoEdicao::Alterar ? chave : 0))
                return recusa(kMsgJaCadastrado, Campo::Descricao);
            Resultado ok;
            ok.salvo = true;
            if (modo == ModoEdicao::Incluir) {
                const QString colunas = QStringLiteral(
                    "ID_PDV, DESCRICAO, CODIGO_BARRAS, CST, NCM, CEST, VALOR, ESTOQUE, MINIMO, SIT_TRIBUT, "
                    "FAB_PROPRIA, DIARIA");
                Valores v{p.idPdv, descricao, barras, cst, ncm, cest, valor->paraBanco(), estoque, minimo,
                          sitTribut, sn(p.fabPropria), sn(p.diaria)};
                QString sql;
                if (chave > 0) {
                    sql = QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ") + colunas
                        + QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING ID_P_S");
                    v.prepend(chave);
                } else {
                    sql = QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (") + colunas
                        + QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING ID_P_S");
                }
                ok.chave = conexao.ler(sql, v).inteiro(QStringLiteral("ID_P_S"));
                RegistrarLog(conexao, QStringLiteral("Incluiu Produto/Serviço -> Código ") + QString::number(ok.chave)
                             + QStringLiteral(" (") + descricao + QLatin1Char(')'));
                return ok;
            }
            const Linha atual = conexao.ler(
                QStringLiteral("SELECT DESCRICAO FROM PRODUTOS_SERVICOS WHERE ID_P_S = ? AND EXCLUIDO = 'N'"), {chave});
            if (atual.vazia())
                return recusa(kMsgNaoEncontrado, Campo::Nenhum);
            if (servicoPadrao(chave, atual.texto(QStringLiteral("DESCRICAO"))))
                return recusa(kMsgImpossivelAlterar, Campo::Nenhum);
            // The stock moves by what the user changed on screen only.
            const int n = conexao.executar(
                QStringLiteral("UPDATE PRODUTOS_SERVICOS SET ID_PDV = ?, DESCRICAO = ?, CODIGO_BARRAS = ?, CST = ?, "
                               "NCM = ?, CEST = ?, VALOR = ?, ESTOQUE = ESTOQUE + ?, MINIMO = ?, SIT_TRIBUT = ?, "
                               "FAB_PROPRIA = ?, DIARIA = ? WHERE ID_P_S = ? AND EXCLUIDO = 'N'"),
                {p.idPdv, descricao, barras, cst, ncm, cest, valor->paraBanco(), estoque - estoqueCarregado, minimo,
                 sitTribut, sn(p.fabPropria), sn(p.diaria), chave});
            if (n != 1)
                return recusa(kMsgNaoEncontrado, Campo::Nenhum);
            ok.chave = chave;
            RegistrarLog(conexao, QStringLiteral("Alterou Produto/Serviço -> Código ") + QString::number(chave)
                         + QStringLiteral(" (") + descricao + QLatin1Char(')'));
            return ok;
        });
    } catch (const ErroBanco &e) {
        if (!violouUnicidade(e))
            throw;
        return recusa(kMsgJaCadastrado, Campo::Descricao);
    }
    if (modo == ModoEdicao::Incluir) {
        // The key the database stored, and the bar code as typed.
        espelhar(r, [&](EspelhoPDV::Espelho &e) {
            const std::optional<EspelhoPDV::Produto> lido = EspelhoPDV::lerProduto(conexao, r.chave);
            if (!lido)
                return;
            e.incluir(*lido, p.codigoBarras.trimmed());
            e.ajustarGerador();
        });
    } else {
        espelharProduto(conexao, r, false);
    }
    return r;
}

Resultado excluir(ConexaoBanco &conexao, qint64 chave, const QString &descricao)
{
    if (servicoPadrao(chave, descricao))
        return recusa(kMsgImpossivelExcluir, Campo::Nenhum);
    const bool feito = conexao.emTransacao([&] {
        const int n = conexao.executar(
            QStringLiteral("UPDATE PRODUTOS_SERVICOS SET EXCLUIDO = 'S' WHERE ID_P_S = ? AND EXCLUIDO = 'N'"),
            {chave});
        if (n != 1)
            return false;
        RegistrarLog(conexao, QStringLiteral("Excluiu Produto/Serviço -> Código ") + QString::number(chave)
                     + QStringLiteral(" (") + descricao.trimmed() + QLatin1Char(')'));
        return true;
    });
    if (!feito)
        return recusa(kMsgNaoEncontrado, Campo::Nenhum);
    Resultado r;
    r.salvo = true;
    r.chave = chave;
    r.mensagem = kMsgExcluido;
    espelhar(r, [&](EspelhoPDV::Espelho &e) { e.inativar(chave); });
    return r;
}

Resultado comprar(ConexaoBanco &conexao, qint64 chave, const QString &descricao, const QString &quantidade)
{
    if (chave <= 0)
        return recusa(kMsgSelecioneProduto, Campo::Pdv);
    const QString t = quantidade.trimmed();
    // A negative quantity is a stock correction: it lowers the stock.
    const bool negativa = t.startsWith(QLatin1Char('-'));
    const QString digitos = negativa ? t.mid(1) : t;
    static const QRegularExpression zeros(QStringLiteral("^0+$"));
    if (t.isEmpty() || zeros.match(digitos).hasMatch())
        return recusa(kMsgInformeQuantidade, Campo::Quantidade);
    qint64 q = 0;
    if (!inteiroEstoque(digitos, &q))
        return recusa(kMsgQuantidadeInvalida, Campo::Quantidade);
    if (negativa)
        q = -q;
    const bool feito = conexao.emTransacao([&] {
        const int n = conexao.executar(
            QStringLiteral("UPDATE PRODUTOS_SERVICOS SET ESTOQUE = ESTOQUE + ?, ULTIMA_COMPRA = ? "
                           "WHERE ID_P_S = ? AND EXCLUIDO = 'N'"),
            {q, Relogio::hoje(), chave});
        if (n != 1)
            return false;
        RegistrarLog(conexao, QStringLiteral("Realizou Compra de Produto -> Código ") + QString::number(chave)
                     + QStringLiteral(" (") + descricao.trimmed() + QStringLiteral(" - ") + QString::number(q)
                     + QLatin1Char(')'));
        return true;
    });
    if (!feito)
        return recusa(kMsgNaoEncontrado, Campo::Nenhum);
    Resultado r;
    r.salvo = true;
    r.chave = chave;
    r.mensagem = kMsgProdutoAdicionado;
    espelharProduto(conexao, r, true);
    return r;
}

const QStringList &legendasCriterios()
{
    static const QStringList l{QStringLiteral("Código"), QStringLiteral("Produto / Serviço"), QStringLiteral("PDV"),
                               QStringLiteral("Valor (R$)")};
    return l;
}

bool condicaoBusca(Criterio c, const QString &texto, QString *sql, Valores *valores, QString *mensagem)
{
    const QString parte = QLatin1Char('%') + texto.trimmed() + QLatin1Char('%');
    switch (c) {
    case Criterio::Codigo:
        *sql = QStringLiteral("CAST(PS.ID_P_S AS VARCHAR(20)) LIKE CAST(? AS VARCHAR(200))");
        *valores = {parte};
        return true;
    case Criterio::Descricao:
        *sql = QStringLiteral("PS.DESCRICAO LIKE CAST(? AS VARCHAR(200))");
        *valores = {parte};
        return true;
    case Criterio::Pdv:
        *sql = QStringLiteral("CAST(PS.ID_PDV AS VARCHAR(20)) LIKE CAST(? AS VARCHAR(200))");
        *valores = {parte};
        return true;
    case Criterio::Valor: {
        const std::optional<Dinheiro> v =
            texto.trimmed().isEmpty() ? std::optional<Dinheiro>(Dinheiro()) : Dinheiro::deTexto(texto);
        if (!v) {
            if (mensagem)
                *mensagem = kMsgValorInvalido;
            return false;
        }
        *sql = QStringLiteral("PS.VALOR = ?");
        *valores = {v->paraBanco()};
        return true;
    }
    }
    return false;
}

} // namespace Produtos
