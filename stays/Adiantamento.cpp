#include "stays/Adiantamento.h"

#include "base/Erros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "stays/CalculoEstadia.h"
#include "stays/Estadias.h"
#include "stays/Saida.h"

namespace Adiantamento {

namespace {

// The log's caption of each means, in the order of MeioCaixa.
const char *const kRotuloLog[kMeiosCaixa - 1] = {
    "Dinheiro -> R$ ",        "Crédito - Visa -> R$ ", "Débito - Visa -> R$ ", "Crédito - Master -> R$ ",
    "Débito - Master -> R$ ", "Hipercard -> R$ ",      "Pix / Chq -> R$ ",
};

// The stay was found closed inside the payment's transaction.
struct EstadiaFechada {};

Resultado recusaFechada()
{
    Resultado x;
    x.mensagem = Saida::Textos::JaFechada;
    x.fechada = true;
    return x;
}

Resultado recusaCaixa(const Pagamentos::RecusaCaixa &r)
{
    Resultado x;
    x.mensagem = r.caixa.mensagem;
    x.tipo = r.caixa.tipo;
    return x;
}

} // namespace

std::optional<Pagamentos::Valores> ler(const Digitado &d)
{
    Pagamentos::Valores v;
    for (int i = 0; i < kMeiosCaixa - 1; ++i) {
        const std::optional<Dinheiro> x =
            Dinheiro::digitado(d.meio[i], SinalDigitado::ZeroOuPositivo, VazioDigitado::Zero).valor;
        if (!x)
            return std::nullopt;
        v.meio[size_t(i)] = *x;
    }
    const std::optional<Dinheiro> dep =
        Dinheiro::digitado(d.deposito, SinalDigitado::ZeroOuPositivo, VazioDigitado::Zero).valor;
    if (!dep)
        return std::nullopt;
    v.deposito = *dep;
    return v;
}

QString textoLog(qint64 idEntrada, const QString &cliente, const QString &numeroUH, const Pagamentos::Valores &v)
{
    QString t = QStringLiteral("Entrada Nº ") + QString::number(idEntrada) + QStringLiteral(" (") + cliente
        + QStringLiteral(" - UH ") + numeroUH + QStringLiteral(")");
    for (int i = 0; i < kMeiosCaixa - 1; ++i)
        t += QLatin1Char('\r') + QString::fromUtf8(kRotuloLog[i]) + v.meio[size_t(i)].formatado();
    return t;
}

Dinheiro valorRecibo(const Pagamentos::Valores &v) { return v.total() - v.deposito - v[MeioCaixa::APrazo]; }

QString referenteRecibo(qint64 idEntrada, const QString &numeroUH)
{
    return QStringLiteral("Pagamento Adiantado Entrada Nº ") + QString::number(idEntrada) + QStringLiteral(" - UH ")
        + numeroUH;
}

Resultado registrar(ConexaoBanco &conexao, qint64 idEntrada, const Pagamentos::Valores &v, const QString &cliente, const QString &numeroUH)
{
    Resultado r;
    if (v.negativo()) {
        r.mensagem = Textos::ValorInvalido;
        return r;
    }
    if (v.total().zero()) {
        r.mensagem = Textos::SemValor;
        return r;
    }
    try {
        conexao.emTransacao([&] {
            if (!Estadias::travarAberta(conexao, idEntrada))
                throw EstadiaFechada{};
            Pagamentos::lancar(conexao, idEntrada, v, true);
            NovoRegistrarLog(conexao, Textos::OperacaoLog, textoLog(idEntrada, cliente, numeroUH, v), QString());
        });
    } catch (const Pagamentos::RecusaCaixa &x) {
        return recusaCaixa(x);
    } catch (const EstadiaFechada &) {
        return recusaFechada();
    }
    r.gravado = true;
    return r;
}

Dinheiro valorLinha(ConexaoBanco &conexao, const Consumo::LinhaNova &l)
{
    bool ok = false;
    const int qtd = l.qtd.trimmed().toInt(&ok);
    const Dinheiro unit =
        Dinheiro::digitado(l.valorUnit, SinalDigitado::ZeroOuPositivo, VazioDigitado::Zero).valor.value_or(Dinheiro());
    const Dinheiro taxa = conexao
                              .ler(QStringLiteral("SELECT PDV.TAXA FROM PRODUTOS_SERVICOS P JOIN PDV ON PDV.ID_PDV = "
                                                  "P.ID_PDV WHERE P.ID_P_S = ?"),
                                   {l.produto})
                              .dinheiro(QStringLiteral("TAXA"));
    return ok && qtd > 0 ? CalculoEstadia::valorLinhaConsumo(qtd, unit, taxa) : Dinheiro();
}

Pagamento pagarConsumo(ConexaoBanco &conexao, qint64 idEntrada, const QString &numeroUH, const Consumo::LinhaNova &linha,
                       const Pagamentos::Valores &v)
{
    Pagamento r;
    if (idEntrada <= 0) {
        r.mensagem = Textos::PagoAntesDaEntrada;
        return r;
    }
    Consumo::LinhaNova l = linha;
    l.data = Relogio::hoje();
    if (const std::optional<Consumo::Recusa> x = Consumo::validar(l, Relogio::hoje())) {
        r.mensagem = x->mensagem;
        r.tipo = x->tipo;
        return r;
    }
    // The panel has no deposit nor A Prazo: those never pay a line at once.
    if (v.negativo() || !v.deposito.zero() || !v[MeioCaixa::APrazo].zero()) {
        r.mensagem = Textos::ValorInvalido;
        return r;
    }
    if (v.total() != valorLinha(conexao, l)) {
        r.mensagem = Textos::ValorDiferente;
        r.tipo = Mensagem::Tipo::Informacao;
        return r;
    }
    QList<Consumo::Pagamento> meios;
    for (const DadosMeioCaixa &m : meiosCaixa())
        if (!v[m.meio].zero())
            meios.append({m.meio, v[m.meio]});
    try {
        r.idDespesa = conexao.emTransacao([&] {
            if (!Estadias::travarAberta(conexao, idEntrada))
                throw EstadiaFechada{};
            const qint64 id = Consumo::gravarLinha(conexao, idEntrada, l, Sessao::atual().login, true);
            Consumo::registrarPagamento(conexao, id, meios);
            Pagamentos::lancar(conexao, idEntrada, v, true);
            RegistrarLog(conexao, QStringLiteral("Incluiu Despesa ou Consumo -> Código ") + QString::number(idEntrada)
                         + QStringLiteral(" (") + l.descricao + QStringLiteral(" - ") + numeroUH
                         + QStringLiteral(")"));
            return id;
        });
    } catch (const Pagamentos::RecusaCaixa &x) {
        Pagamento p;
        static_cast<Resultado &>(p) = recusaCaixa(x);
        return p;
    } catch (const EstadiaFechada &) {
        Pagamento p;
        static_cast<Resultado &>(p) = recusaFechada();
        return p;
    }
    r.gravado = true;
    return r;
}

} // namespace Adiantamento
