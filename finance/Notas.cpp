#include "finance/Notas.h"
#include "base/Erros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitLog.h"
#include "finance/ControleCaixa.h"

namespace Notas {

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

// Leaves the transaction, rolling back what it wrote.
struct Desistencia {
    ResultadoBaixa::Situacao situacao;
    QString mensagem;
};

const QString kListaBase = QStringLiteral(
    "SELECT N.ID_NOTA, N.ID_ENTRADA, N.VALOR, W.ID_CLIENTE, C.NOME, W.DATA_SAIDA, W.DATA_ENTRADA, C.EXCLUIDO "
    "FROM NOTA N JOIN WALK_IN W ON W.ID_WALK_IN = N.ID_ENTRADA JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE "
    "WHERE W.EXCLUIDO = 'N' AND N.PAGO = 'N'");

} // namespace

const QList<DadosMeioNota> &meiosNota()
{
    static const QList<DadosMeioNota> meios = {
        {MeioNota::Dinheiro, u8("Dinheiro"), u8("DINHEIRO"), u8("Dinheiro"), u8("Dinheiro")},
        {MeioNota::CreditoVisa, u8("Crédito - Visa"), u8("VISA"), u8("Visa - Crédito"), u8("Visa - Crédito")},
        {MeioNota::DebitoVisa, u8("Débito - Visa"), u8("DEBVISA"), u8("Visa - Débito"), u8("Visa - Débito")},
        {MeioNota::CreditoMaster, u8("Crédito - Mastercard"), u8("MASTER"), u8("Mastercard - Crédito"),
         u8("Mastercard - Crédito")},
        {MeioNota::DebitoMaster, u8("Débito - Mastercard"), u8("DEBMASTER"), u8("Mastercard - Débito"),
         u8("Mastercard - Débito")},
        {MeioNota::Hipercard, u8("Crédito - Hipercard"), u8("HIPER"), u8("Hipercard"), u8("Hipercard")},
        {MeioNota::PixChq, u8("Pix / Chq"), u8("CHEQUE"), u8("Cheque"), u8("Pix / Chq")},
        {MeioNota::Deposito, u8("Deposito em Conta"), u8("DEPOSITO"), u8("Depósito em Conta"),
         u8("Depósito em Conta")},
    };
    return meios;
}

Dinheiro Pagamento::total() const
{
    Dinheiro t;
    for (Dinheiro v : valores)
        t += v;
    return t;
}

ResultadoBaixa baixar(ConexaoBanco &conexao, qint64 idNota, const Pagamento &pagamento)
{
    ResultadoBaixa r;
    for (Dinheiro v : pagamento.valores)
        if (v.centavos() < 0) {
            r.situacao = ResultadoBaixa::Situacao::ValorInvalido;
            r.avisos.append({Mensagem::Tipo::Aviso, kMsgValorInvalido});
            return r;
        }
    const QDateTime agora = Relogio::agora();
    const QString login = Sessao::atual().login.left(10);
    // The means used, named on the bill: one name, or "Diversas" for a split.
    QString formaPag;
    for (const DadosMeioNota &m : meiosNota())
        if (!pagamento[m.meio].zero())
            formaPag = formaPag.isEmpty() ? m.confirmacao : QStringLiteral("Diversas");

    try {
        conexao.emTransacao([&] {
            const Linha nota = conexao.ler(
                QStringLiteral("SELECT N.VALOR, N.PAGO, C.NOME FROM NOTA N LEFT JOIN WALK_IN W ON W.ID_WALK_IN = "
                               "N.ID_ENTRADA LEFT JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE WHERE N.ID_NOTA = ?"),
                {idNota});
            if (nota.vazia() || nota.texto(QStringLiteral("PAGO")) != QLatin1String("N"))
                throw Desistencia{ResultadoBaixa::Situacao::JaBaixada, kMsgJaBaixada};
            const Dinheiro valor = nota.dinheiro(QStringLiteral("VALOR"));
            if (valor != pagamento.total())
                throw Desistencia{ResultadoBaixa::Situacao::ValorDiferente, kMsgValorDiferente};

            // The bill first: only while it is still unpaid.
            QString sql = QStringLiteral("UPDATE NOTA SET PAGO = 'S', DATA_PAG = ?, USUARIO = ?, FORMAPAG = ?");
            Valores v{agora.date(), login, formaPag};
            for (const DadosMeioNota &m : meiosNota()) {
                sql += QStringLiteral(", ") + m.colunaNota + QStringLiteral(" = ?");
                v << pagamento[m.meio].paraBanco();
            }
            sql += QStringLiteral(" WHERE ID_NOTA = ? AND PAGO = 'N'");
            v << idNota;
            if (conexao.executar(sql, v) != 1)
                throw Desistencia{ResultadoBaixa::Situacao::JaBaixada, kMsgJaBaixada};

            // The amount leaves the on-account balance of the open shift...
            if (conexao.executar(QStringLiteral("UPDATE CAIXA SET ATUAL_NOTAS = ATUAL_NOTAS - ? "
                                                    "WHERE DATA_FECHA IS NULL"),
                                     {valor.paraBanco()})
                != 1)
                throw Desistencia{ResultadoBaixa::Situacao::SemCaixa, kMsgSemCaixa};
            // ... and lands in the balance of each means used.
            for (const DadosMeioNota &m : meiosNota()) {
                const Dinheiro parte = pagamento[m.meio];
                if (parte.zero() || m.meio == MeioNota::Deposito)
                    continue;
                if (AtualizarSaldoCaixa(conexao, MeioCaixa(int(m.meio)), true, parte) != 1)
                    throw Desistencia{ResultadoBaixa::Situacao::SemCaixa, kMsgSemCaixa};
            }
            // A deposit went straight to the bank: recorded as the withdrawal
            // it stands for, without ever entering the cash balance.
            const Dinheiro deposito = pagamento[MeioNota::Deposito];
            if (!deposito.zero())
                RegistrarDeposito(conexao, deposito, kDescricaoDeposito);
            RegistrarLog(conexao, QStringLiteral("Registrou Baixa de Nota Pendente -> (") + nota.texto(QStringLiteral("NOME"))
                         + QStringLiteral(" - ") + valor.formatado() + QLatin1Char(')'));
        });
    } catch (const Desistencia &d) {
        r.situacao = d.situacao;
        r.avisos.append({Mensagem::Tipo::Aviso, d.mensagem});
        return r;
    }
    r.situacao = ResultadoBaixa::Situacao::Baixada;
    if (!pagamento[MeioNota::Deposito].zero())
        r.avisos.append({Mensagem::Tipo::Informacao, kMsgDeposito});
    return r;
}

int ResultadoVarias::baixadas() const
{
    int n = 0;
    for (const auto &p : notas)
        n += p.second.baixada() ? 1 : 0;
    return n;
}

QString ResultadoVarias::mensagem() const
{
    if (notas.isEmpty())
        return kMsgSemSelecao;
    if (baixadas() == notas.size())
        return kMsgSucesso;
    QString t = QStringLiteral("%1 de %2 Nota(s) Baixada(s).").arg(baixadas()).arg(notas.size());
    for (const auto &p : notas)
        if (!p.second.baixada())
            t += QStringLiteral("\nNota ") + QString::number(p.first) + QStringLiteral(": ")
                + (p.second.avisos.isEmpty() ? QString() : p.second.avisos.first().second);
    return t;
}

ResultadoVarias baixarVarias(ConexaoBanco &conexao, const QList<qint64> &idsNota, MeioNota meio)
{
    ResultadoVarias r;
    for (qint64 id : idsNota) {
        const QVariant valor = conexao.valor(QStringLiteral("SELECT VALOR FROM NOTA WHERE ID_NOTA = ?"), {id});
        ResultadoBaixa b;
        if (!valor.isValid()) {
            b.situacao = ResultadoBaixa::Situacao::JaBaixada;
            b.avisos.append({Mensagem::Tipo::Aviso, kMsgJaBaixada});
        } else {
            b = baixar(conexao, id, Pagamento::unico(meio, Dinheiro::deVariant(valor)));
        }
        r.notas.append({id, b});
    }
    return r;
}

// ---------------------------------------------------------------- list

QString legendaCriterio(Criterio c)
{
    switch (c) {
    case Criterio::Codigo: return u8("Código");
    case Criterio::Entrada: return u8("Cód. Entrada");
    case Criterio::Cliente: return u8("Cód. Cliente");
    case Criterio::Valor: return u8("Valor R$");
    case Criterio::Desde: return u8("Desde");
    }
    return {};
}

ValorBusca lerBusca(const Busca &b)
{
    const QString t = b.texto.trimmed();
    ValorBusca r;
    switch (b.criterio) {
    case Criterio::Codigo:
    case Criterio::Entrada:
    case Criterio::Cliente: {
        bool ok = false;
        const qint64 n = t.toLongLong(&ok);
        if (!ok || n < 0)
            r.erro = u8("Código Inválido! Informe Apenas Números.");
        else
            r.valor = n;
        break;
    }
    case Criterio::Valor:
        if (const auto v = Dinheiro::deTexto(t))
            r.valor = v->paraBanco();
        else
            r.erro = u8("Valor Inválido! Informe o Valor em Reais, como 150,00.");
        break;
    case Criterio::Desde: {
        QDate d = QDate::fromString(t, QStringLiteral("dd/MM/yyyy"));
        if (!d.isValid())
            d = QDate::fromString(t, QStringLiteral("d/M/yyyy"));
        if (!d.isValid())
            r.erro = u8("Data Inválida! Informe a Data como dd/mm/aaaa.");
        else
            r.valor = d;
        break;
    }
    }
    return r;
}

QList<Nota> listar(ConexaoBanco &conexao, FiltroCliente filtro, const Busca &busca)
{
    QString sql = kListaBase;
    Valores v;
    switch (filtro) {
    case FiltroCliente::SemNegativacao: sql += QStringLiteral(" AND COALESCE(C.EXCLUIDO, 'N') <> 'S'"); break;
    case FiltroCliente::ApenasNegativados: sql += QStringLiteral(" AND C.EXCLUIDO = 'S'"); break;
    case FiltroCliente::Todos: break;
    }
    if (!busca.texto.trimmed().isEmpty()) {
        const ValorBusca b = lerBusca(busca);
        if (!b.erro.isEmpty())
            throw ErroConversao(b.erro);
        static const char *const colunas[] = {"N.ID_NOTA", "N.ID_ENTRADA", "W.ID_CLIENTE", "N.VALOR", "W.DATA_SAIDA"};
        sql += QStringLiteral(" AND ") + QString::fromLatin1(colunas[int(busca.criterio)]) + QStringLiteral(" = ?");
        v << b.valor;
    }
    sql += QStringLiteral(" ORDER BY C.NOME, N.ID_NOTA");
    QList<Nota> notas;
    for (const Linha &l : conexao.lerTodas(sql, v)) {
        Nota n;
        n.idNota = l.inteiro(QStringLiteral("ID_NOTA"));
        n.idEntrada = l.inteiro(QStringLiteral("ID_ENTRADA"));
        n.idCliente = l.inteiro(QStringLiteral("ID_CLIENTE"));
        n.nome = l.texto(QStringLiteral("NOME"));
        n.valor = l.dinheiro(QStringLiteral("VALOR"));
        n.dataEntrada = l.data(QStringLiteral("DATA_ENTRADA"));
        n.dataSaida = l.data(QStringLiteral("DATA_SAIDA"));
        n.excluido = l.texto(QStringLiteral("EXCLUIDO"));
        notas.append(n);
    }
    return notas;
}

void registrarBusca(const Busca &b)
{
    NovoRegistrarLog(QStringLiteral("Tentou Localizar Nota Pendente de ") + legendaCriterio(b.criterio)
                         + QStringLiteral(" -> ") + b.texto,
                     QString(), QString());
}

Relatorio relatorio(ConexaoBanco &conexao, const QList<Nota> &notas)
{
    Relatorio rel(kTituloRelatorio);
    rel.opcoes(QStringLiteral("TODAS AS NOTAS"));
    rel.coluna(u8("CÓDIGO"), 10, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("ENTRADA"), 10, Relatorio::Tipo::Inteiro);
    rel.coluna(u8("HÓSPEDE"), 40);
    rel.coluna(QStringLiteral("ENTRADA"), 14, Relatorio::Tipo::Data);
    rel.coluna(QStringLiteral("DIARIAS R$"), 15, Relatorio::Tipo::Dinheiro);
    rel.coluna(QStringLiteral("CONSUMOS R$"), 15, Relatorio::Tipo::Dinheiro);
    rel.coluna(u8("SAÍDA"), 14, Relatorio::Tipo::Data);
    rel.coluna(QStringLiteral("RESTANTE R$"), 15, Relatorio::Tipo::Dinheiro, true);
    rel.rotuloTotalGeral(QStringLiteral("TOTAL GERAL: R$"));
    for (const Nota &n : notas) {
        rel.grupo(QStringLiteral("CLIENTE: ") + n.nome, QStringLiteral("TOTAL DO CLIENTE: R$"));
        const Dinheiro diarias = Dinheiro::deVariant(
            conexao.valor(QStringLiteral("SELECT SUM(VALOR) FROM OCUPACAO WHERE ID_ENTRADA = ?"), {n.idEntrada}));
        const Dinheiro consumos = Dinheiro::deVariant(conexao.valor(
            QStringLiteral("SELECT SUM(QTD * VALOR_UNIT) FROM DESPESA_UH WHERE ID_ENTRADA = ?"), {n.idEntrada}));
        rel.linha({n.idNota, n.idEntrada, n.nome, n.dataEntrada, diarias, consumos, n.dataSaida, n.valor});
    }
    return rel;
}

} // namespace Notas
