#include "staff/PagamentoFuncionarios.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/TelaLista.h"
#include "base/UnitLog.h"

namespace PagamentoFuncionarios {

const QString kSqlBase = QStringLiteral(
    "SELECT FP.COD_GERAL_F_P, FP.ID_FUNCIONARIO_PAGAMENTO, FP.DATA_VENC, FP.TIPO, FP.DESCRICAO, FP.VALOR, "
    "FP.DATA_PAG, FP.EXCLUIDO, F.NOME, F.SALARIO_BASE, F.INSS, "
    "CASE WHEN FP.TIPO = '+' THEN FP.VALOR END AS VENCIMENTOS, "
    "CASE WHEN FP.TIPO = '-' THEN FP.VALOR END AS DESCONTOS "
    "FROM FUNCIONARIO_PAGAMENTO FP JOIN FUNCIONARIO F ON FP.ID_FUNCIONARIO_PAGAMENTO = F.ID_FUNCIONARIO "
    "WHERE FP.EXCLUIDO = 'N'");

QString perguntaPagamento(const Dinheiro &valor, const QString &descricao)
{
    return QStringLiteral("Deseja Efetuar o Pagamento de R$ ") + valor.formatado() + QStringLiteral(" (") + descricao
         + QStringLiteral(")?");
}

Lancamento deLinha(const Linha &l)
{
    Lancamento x;
    x.chave = l.inteiro(QStringLiteral("COD_GERAL_F_P"));
    x.funcionario = l.inteiro(QStringLiteral("ID_FUNCIONARIO_PAGAMENTO"));
    x.vencimento = l.data(QStringLiteral("DATA_VENC"));
    x.tipo = l.texto(QStringLiteral("TIPO"));
    x.descricao = l.texto(QStringLiteral("DESCRICAO"));
    x.valor = l.dinheiro(QStringLiteral("VALOR"));
    x.pagamento = l.data(QStringLiteral("DATA_PAG"));
    return x;
}

std::optional<Lancamento> ler(ConexaoBanco &conexao, qint64 chave)
{
    const Linha l = conexao.ler(QStringLiteral("SELECT * FROM FUNCIONARIO_PAGAMENTO WHERE COD_GERAL_F_P = ? "
                                                   "AND EXCLUIDO = 'N'"),
                                    {chave});
    if (l.vazia())
        return std::nullopt;
    return deLinha(l);
}

// ---------------------------------------------------------------- the list

QString legendaFiltro(Filtro f)
{
    switch (f) {
    case Filtro::Funcionario: return QStringLiteral("Funcionário");
    case Filtro::Cpf: return QStringLiteral("CPF");
    case Filtro::MesAno: return QStringLiteral("Mês/Ano (MM/AAAA)");
    case Filtro::Descricao: return QStringLiteral("Descrição");
    case Filtro::Valor: return QStringLiteral("Valor");
    }
    return {};
}

namespace {

// "MM/AAAA" with a month 1..12 and a four-digit year.
bool lerMes(const QString &texto, int &mes, int &ano)
{
    const QString t = texto.trimmed();
    if (t.size() != 7 || t[2] != QLatin1Char('/'))
        return false;
    bool okM = false, okA = false;
    mes = t.left(2).toInt(&okM);
    ano = t.mid(3).toInt(&okA);
    return okM && okA && mes >= 1 && mes <= 12 && ano >= 1900 && ano <= 9999;
}

} // namespace

Consulta consulta(Filtro f, const QString &texto)
{
    Consulta c;
    const QString porData = QStringLiteral(" ORDER BY FP.DATA_VENC, F.NOME, FP.COD_GERAL_F_P");
    switch (f) {
    case Filtro::Funcionario:
        c.sql = kSqlBase + QStringLiteral(" AND ") + sqlContem(QStringLiteral("F.NOME")) + porData;
        c.valores = {valorContem(texto)};
        break;
    case Filtro::Cpf:
        c.sql = kSqlBase + QStringLiteral(" AND ") + sqlContem(QStringLiteral("F.CPF")) + porData;
        c.valores = {valorContem(texto)};
        break;
    case Filtro::Descricao:
        c.sql = kSqlBase + QStringLiteral(" AND ") + sqlContem(QStringLiteral("FP.DESCRICAO")) + porData;
        c.valores = {valorContem(texto)};
        break;
    case Filtro::Valor: {
        const LeituraDinheiro v = Dinheiro::digitado(texto, SinalDigitado::ZeroOuPositivo, VazioDigitado::Recusado);
        if (!v) {
            c.recusa = kMsgValorBuscaInvalido;
            return c;
        }
        c.sql = kSqlBase + QStringLiteral(" AND FP.VALOR = ?") + porData;
        c.valores = {v.valor->paraBanco()};
        break;
    }
    case Filtro::MesAno:
        if (texto.trimmed().isEmpty())
            return consultaTodos(false);
        if (!lerMes(texto, c.mes, c.ano)) {
            c.recusa = kMsgMesInvalido;
            return c;
        }
        c.sql = kSqlBase + QStringLiteral(" AND FP.DATA_VENC BETWEEN ? AND ?") + porData;
        c.valores = {QDate(c.ano, c.mes, 1), QDate(c.ano, c.mes, 1).addMonths(1).addDays(-1)};
        break;
    }
    return c;
}

Consulta consultaTodos(bool porNome)
{
    Consulta c;
    c.sql = kSqlBase + (porNome ? QStringLiteral(" ORDER BY F.NOME, FP.DATA_VENC, FP.COD_GERAL_F_P")
                                : QStringLiteral(" ORDER BY FP.DATA_VENC, F.NOME, FP.COD_GERAL_F_P"));
    return c;
}

Consulta consultaPeriodo(const QDate &de, const QDate &ate)
{
    Consulta c;
    c.sql = kSqlBase + QStringLiteral(" AND FP.DATA_VENC BETWEEN ? AND ? ORDER BY FP.DATA_VENC, FP.COD_GERAL_F_P");
    c.valores = {de, ate};
    return c;
}

QString textoMes(int mes, int ano)
{
    return QStringLiteral("%1/%2").arg(mes, 2, 10, QLatin1Char('0')).arg(ano, 4, 10, QLatin1Char('0'));
}

void passoMes(int &mes, int &ano, int passo)
{
    mes += passo;
    while (mes > 12) {
        mes -= 12;
        ++ano;
    }
    while (mes < 1) {
        mes += 12;
        --ano;
    }
}

QList<Pagina> paginas(ConexaoBanco &conexao)
{
    QList<Pagina> r;
    for (const Linha &l : conexao.lerTodas(
             QStringLiteral("SELECT ID_FUNCIONARIO, NOME FROM FUNCIONARIO WHERE ID_FUNCIONARIO NOT IN "
                            "(SELECT ID_FUNCIONARIO FROM ANULACAO) ORDER BY NOME, ID_FUNCIONARIO")))
        r.append({l.inteiro(QStringLiteral("ID_FUNCIONARIO")), l.texto(QStringLiteral("NOME"))});
    return r;
}

Totais totais(const QList<Lancamento> &l)
{
    Totais t;
    for (const Lancamento &x : l) {
        if (x.tipo == QLatin1String("+"))
            t.vencimentos += x.valor;
        else if (x.tipo == QLatin1String("-"))
            t.descontos += x.valor;
    }
    return t;
}

// ---------------------------------------------------------------- writes

namespace {

// A refusal inside the operation: everything it wrote is undone.
struct Desistencia {
    Resultado r;
};

Resultado recusa(const QString &mensagem, Campo foco = Campo::Nenhum)
{
    Resultado r;
    r.mensagem = mensagem;
    r.foco = foco;
    return r;
}

// One transaction (a savepoint inside a caller's transaction): a Desistencia
// undoes what the operation wrote and comes back as the result.
template <class F>
Resultado executar(ConexaoBanco &conexao, F &&f)
{
    ConexaoBanco &c = conexao;
    if (c.emTransacao()) {
        c.executar(QStringLiteral("SAVEPOINT PAGAMENTO_FUNCIONARIO"));
        try {
            Resultado r = f();
            c.executar(QStringLiteral("RELEASE SAVEPOINT PAGAMENTO_FUNCIONARIO ONLY"));
            return r;
        } catch (const Desistencia &d) {
            c.executar(QStringLiteral("ROLLBACK TO SAVEPOINT PAGAMENTO_FUNCIONARIO"));
            c.executar(QStringLiteral("RELEASE SAVEPOINT PAGAMENTO_FUNCIONARIO ONLY"));
            return d.r;
        }
    }
    try {
        return c.emTransacao(std::forward<F>(f));
    } catch (const Desistencia &d) {
        return d.r;
    }
}

struct Lidos {
    QString descricao;
    Dinheiro valor;
};

std::optional<Resultado> verificar(const Dados &d, Lidos &lidos)
{
    if (d.funcionario <= 0)
        return recusa(kMsgFuncionarioInvalido, Campo::Funcionario);
    lidos.descricao = d.descricao.trimmed();
    if (lidos.descricao.isEmpty())
        return recusa(kMsgDescricaoInvalida, Campo::Descricao);
    if (contarCaracteres(lidos.descricao) > 90)
        return recusa(kMsgDescricaoLonga, Campo::Descricao);
    const LeituraDinheiro v = Dinheiro::digitado(d.valor, SinalDigitado::Positivo, VazioDigitado::Recusado);
    if (!v)
        return recusa(kMsgValorInvalido, Campo::Valor);
    lidos.valor = *v.valor;
    return std::nullopt;
}

// The live employee still exists (another workstation may have deleted it).
bool funcionarioVivo(ConexaoBanco &conexao, qint64 chave)
{
    return conexao
        .valor(QStringLiteral("SELECT 1 FROM FUNCIONARIO WHERE ID_FUNCIONARIO = ? AND ID_FUNCIONARIO NOT IN "
                              "(SELECT ID_FUNCIONARIO FROM ANULACAO)"),
               {chave})
        .isValid();
}

// Locks the row and checks that it is live and as the list showed it.
void travarInalterado(ConexaoBanco &conexao, const Lancamento &o)
{
    const Linha l = conexao.ler(QStringLiteral("SELECT * FROM FUNCIONARIO_PAGAMENTO WHERE COD_GERAL_F_P = ? "
                                                   "WITH LOCK"),
                                    {o.chave});
    if (l.vazia() || l.texto(QStringLiteral("EXCLUIDO")) != QLatin1String("N"))
        throw Desistencia{recusa(kMsgMudouEmOutraEstacao)};
    const Lancamento atual = deLinha(l);
    if (atual.funcionario != o.funcionario || atual.vencimento != o.vencimento || atual.tipo != o.tipo
        || atual.descricao != o.descricao || atual.valor != o.valor || atual.pagamento != o.pagamento)
        throw Desistencia{recusa(kMsgMudouEmOutraEstacao)};
}

// A refused cash movement stops the operation with its message.
ResultadoCaixa caixa(ConexaoBanco &conexao, const QString &tipo, Dinheiro valor, const QString &mostra)
{
    ResultadoCaixa r = ControleCaixa(conexao, tipo, valor, mostra);
    if (!r.sucesso) {
        Resultado x = recusa(r.mensagem);
        x.caixa = r;
        throw Desistencia{x};
    }
    return r;
}

QString textoTipo(bool credito) { return credito ? QStringLiteral("+") : QStringLiteral("-"); }

} // namespace

Resultado incluir(ConexaoBanco &conexao, const Dados &d)
{
    Lidos lidos;
    if (auto r = verificar(d, lidos))
        return *r;
    return executar(conexao, [&]() -> Resultado {
        if (!funcionarioVivo(conexao, d.funcionario))
            throw Desistencia{recusa(kMsgFuncionarioInvalido, Campo::Funcionario)};
        Resultado r;
        r.chave = conexao
                      .ler(QStringLiteral("INSERT INTO FUNCIONARIO_PAGAMENTO (ID_FUNCIONARIO_PAGAMENTO, DATA_VENC, "
                                          "TIPO, DESCRICAO, VALOR, EXCLUIDO) VALUES (?, ?, ?, ?, ?, 'N') "
                                          "RETURNING COD_GERAL_F_P"),
                           {d.funcionario, d.vencimento, textoTipo(d.credito), lidos.descricao,
                            lidos.valor.paraBanco()})
                      .inteiro(QStringLiteral("COD_GERAL_F_P"));
        RegistrarLog(conexao, QStringLiteral("Incluiu Detalhe de Pagamento de Funcionário de Valor -> R$ ")
                     + lidos.valor.formatado() + QStringLiteral(" (") + lidos.descricao + QLatin1Char(')'));
        r.feito = true;
        r.mensagem = kMsgCadastrado;
        return r;
    });
}

Resultado alterar(ConexaoBanco &conexao, const Lancamento &original, const Dados &d)
{
    Lidos lidos;
    if (auto r = verificar(d, lidos))
        return *r;
    return executar(conexao, [&]() -> Resultado {
        travarInalterado(conexao, original);
        if (d.funcionario != original.funcionario && !funcionarioVivo(conexao, d.funcionario))
            throw Desistencia{recusa(kMsgFuncionarioInvalido, Campo::Funcionario)};
        Resultado r;
        if (original.pago()) {
            // the old amount back into the cash, the new one out of it
            caixa(conexao, QStringLiteral("+"), original.valor, QStringLiteral("N"));
            r.caixa = caixa(conexao, QStringLiteral("-"), lidos.valor, QStringLiteral("S"));
            r.comCaixa = true;
        }
        conexao.executar(QStringLiteral("UPDATE FUNCIONARIO_PAGAMENTO SET ID_FUNCIONARIO_PAGAMENTO = ?, "
                                            "DATA_VENC = ?, TIPO = ?, DESCRICAO = ?, VALOR = ? "
                                            "WHERE COD_GERAL_F_P = ?"),
                             {d.funcionario, d.vencimento, textoTipo(d.credito), lidos.descricao,
                              lidos.valor.paraBanco(), original.chave});
        RegistrarLog(conexao, QStringLiteral("Alterou Detalhe de Pagamento de Funcionário de Valor -> R$ ")
                     + lidos.valor.formatado() + QStringLiteral(" (") + lidos.descricao + QLatin1Char(')'));
        r.feito = true;
        r.chave = original.chave;
        // a paid entry says only what the cash register says
        r.mensagem = original.pago() ? QString() : kMsgAlterado;
        return r;
    });
}

Resultado excluir(ConexaoBanco &conexao, const Lancamento &original, const QString &nome)
{
    return executar(conexao, [&]() -> Resultado {
        travarInalterado(conexao, original);
        Resultado r;
        if (original.pago()) {
            r.caixa = caixa(conexao, QStringLiteral("+"), original.valor, QStringLiteral("S"));
            r.comCaixa = true;
        }
        conexao.executar(
            QStringLiteral("UPDATE FUNCIONARIO_PAGAMENTO SET EXCLUIDO = 'S' WHERE COD_GERAL_F_P = ?"),
            {original.chave});
        RegistrarLog(conexao, QStringLiteral("Excluiu Pagamento de Funcionário de CPF -> ") + QString::number(original.chave)
                     + QStringLiteral(" (") + nome.trimmed() + QLatin1Char(')'));
        r.feito = true;
        r.chave = original.chave;
        return r;
    });
}

Resultado pagar(ConexaoBanco &conexao, const Lancamento &original)
{
    if (original.pago())
        return recusa(kMsgJaPago);
    return executar(conexao, [&]() -> Resultado {
        travarInalterado(conexao, original);
        Resultado r;
        r.caixa = caixa(conexao, QStringLiteral("-"), original.valor, QStringLiteral("S"));
        r.comCaixa = true;
        conexao.executar(QStringLiteral("UPDATE FUNCIONARIO_PAGAMENTO SET DATA_PAG = ? WHERE COD_GERAL_F_P = ?"),
                             {Relogio::hoje(), original.chave});
        RegistrarLog(conexao, QStringLiteral("Efetuou Pagamento de Funcionário de Valor -> R$ ") + original.valor.formatado()
                     + QStringLiteral(" (") + original.descricao + QLatin1Char(')'));
        r.feito = true;
        r.chave = original.chave;
        return r;
    });
}

} // namespace PagamentoFuncionarios
