#include "staff/FolhaPagamento.h"
#include "base/Parametros.h"
#include "base/Rotinas.h"
#include "base/UnitDM.h"

#include <QHash>
#include <QSet>

namespace FolhaPagamento {

namespace {

const QStringList kSalarios = {QStringLiteral("SALARIO CONTRATUAL"), QStringLiteral("FOLHA DE PAGAMENTO MENSAL")};
const QStringList kContribuicoes = {QStringLiteral("I.N.S.S."), QStringLiteral("DESCONTO MENSAL INSS")};

QDate primeiroDia(int mes, int ano) { return QDate(ano, mes, 1); }
QDate ultimoDia(int mes, int ano) { return QDate(ano, mes, 1).addMonths(1).addDays(-1); }

bool mesValido(int mes, int ano) { return mes >= 1 && mes <= 12 && ano >= 1900 && ano <= 9999; }

// "'A', 'B'" of fixed texts of the code (never typed text).
QString listaSql(const QStringList &textos)
{
    QStringList r;
    for (const QString &t : textos)
        r << QLatin1Char('\'') + t + QLatin1Char('\'');
    return r.join(QStringLiteral(", "));
}

struct Desistencia {
    Geracao g;
};

Geracao resultado(Geracao::Situacao s, const QString &mensagem, int n = 0)
{
    Geracao g;
    g.situacao = s;
    g.mensagem = mensagem;
    g.funcionarios = n;
    return g;
}

} // namespace

QString mensagemSemSalario(const QString &nome)
{
    return QStringLiteral("O Funcionário ") + nome.trimmed()
         + QStringLiteral(" Está Sem Salário Base! Informe o salário no cadastro do funcionário; nada foi gerado.");
}

const QStringList &descricoesReservadas()
{
    static const QStringList d = {QStringLiteral("FOLHA DE PAGAMENTO MENSAL"), QStringLiteral("DESCONTO MENSAL INSS"),
                                  QStringLiteral("GRATIFICAÇÃO"),              QStringLiteral("IRRF"),
                                  QStringLiteral("SALARIO CONTRATUAL"),        QStringLiteral("I.N.S.S."),
                                  QStringLiteral("IMPOSTO DE RENDA")};
    return d;
}

QDate vencimento(int dia, int mes, int ano)
{
    if (dia < 1 || !mesValido(mes, ano))
        return {};
    if (dia > 28 && mes == 2)
        dia = 28;
    else if (dia > 30)
        dia = 30;
    return QDate(ano, mes, dia);
}

Dinheiro contribuicao(const Dinheiro &salario, const Dinheiro &taxa)
{
    if (taxa.centavos() <= 0 || salario.centavos() <= 0)
        return {};
    const Dinheiro base = salario > kTetoContribuicao ? kTetoContribuicao : salario;
    // the rate in hundredths of a percent: 9,00 % is 900
    return base.percentual(taxa.centavos());
}

Geracao gerar(ConexaoBanco &conexao, int mes, int ano, bool regerar)
{
    if (!mesValido(mes, ano))
        return resultado(Geracao::Situacao::Recusada, kMsgMesInvalido);
    ConexaoBanco &c = conexao;
    const QDate inicio = primeiroDia(mes, ano), fim = ultimoDia(mes, ano);
    auto operacao = [&]() -> Geracao {
        // One generation at a time: a second workstation waits here and then
        // finds the employees generated.
        const Linha p = c.ler(QStringLiteral("SELECT DATAFOLHAPAG FROM PARAMETROS WITH LOCK"));
        const QDate venc = vencimento(int(p.inteiro(QStringLiteral("DATAFOLHAPAG"))), mes, ano);
        if (!venc.isValid())
            return resultado(Geracao::Situacao::Recusada, kMsgDiaInvalido);
        if (regerar)
            c.executar(QStringLiteral("DELETE FROM FUNCIONARIO_PAGAMENTO WHERE DESCRICAO IN (%1) "
                                      "AND DATA_VENC BETWEEN ? AND ? AND DATA_PAG IS NULL")
                           .arg(listaSql(descricoesReservadas())),
                       {inicio, fim});
        const QList<Linha> faltam = c.lerTodas(
            QStringLiteral("SELECT F.ID_FUNCIONARIO, F.NOME, F.SALARIO_BASE, F.INSS FROM FUNCIONARIO F "
                           "WHERE F.ID_FUNCIONARIO NOT IN (SELECT ID_FUNCIONARIO FROM ANULACAO) "
                           "AND NOT EXISTS (SELECT 1 FROM FUNCIONARIO_PAGAMENTO P "
                           "WHERE P.ID_FUNCIONARIO_PAGAMENTO = F.ID_FUNCIONARIO AND P.DESCRICAO = ? "
                           "AND P.DATA_VENC BETWEEN ? AND ?) ORDER BY F.NOME, F.ID_FUNCIONARIO"),
            {kSalario, inicio, fim});
        if (faltam.isEmpty()) {
            if (!regerar)
                return resultado(Geracao::Situacao::JaGerada, kMsgRegerar);
            const bool algum = c.valor(QStringLiteral("SELECT FIRST 1 1 FROM FUNCIONARIO WHERE ID_FUNCIONARIO "
                                                      "NOT IN (SELECT ID_FUNCIONARIO FROM ANULACAO)"))
                                   .isValid();
            return resultado(Geracao::Situacao::Gerada, algum ? kMsgGerada : kMsgSemFuncionarios);
        }
        for (const Linha &f : faltam)
            if (f.dinheiro(QStringLiteral("SALARIO_BASE")).centavos() <= 0)
                throw Desistencia{resultado(Geracao::Situacao::Recusada, mensagemSemSalario(f.texto(QStringLiteral("NOME"))))};
        const QString insercao = QStringLiteral("INSERT INTO FUNCIONARIO_PAGAMENTO (ID_FUNCIONARIO_PAGAMENTO, "
                                                "DATA_VENC, TIPO, DESCRICAO, VALOR) VALUES (?, ?, ?, ?, ?)");
        for (const Linha &f : faltam) {
            const qint64 chave = f.inteiro(QStringLiteral("ID_FUNCIONARIO"));
            const Dinheiro salario = f.dinheiro(QStringLiteral("SALARIO_BASE"));
            c.executar(insercao, {chave, venc, QStringLiteral("+"), kSalario, salario.paraBanco()});
            const Dinheiro inss = contribuicao(salario, f.dinheiro(QStringLiteral("INSS")));
            if (!inss.zero())
                c.executar(insercao, {chave, venc, QStringLiteral("-"), kContribuicao, inss.paraBanco()});
        }
        return resultado(Geracao::Situacao::Gerada, kMsgGerada, int(faltam.size()));
    };
    if (c.emTransacao()) {
        // inside a caller's transaction a refusal undoes only this operation
        c.executar(QStringLiteral("SAVEPOINT FOLHA_PAGAMENTO"));
        try {
            Geracao g = operacao();
            c.executar(QStringLiteral("RELEASE SAVEPOINT FOLHA_PAGAMENTO ONLY"));
            return g;
        } catch (const Desistencia &d) {
            c.executar(QStringLiteral("ROLLBACK TO SAVEPOINT FOLHA_PAGAMENTO"));
            c.executar(QStringLiteral("RELEASE SAVEPOINT FOLHA_PAGAMENTO ONLY"));
            return d.g;
        }
    }
    try {
        return c.emTransacao(operacao);
    } catch (const Desistencia &d) {
        return d.g;
    }
}

// ---------------------------------------------------------------- sheet

QList<LinhaFolha> folha(ConexaoBanco &conexao, int mes, int ano)
{
    QList<LinhaFolha> r;
    if (!mesValido(mes, ano))
        return r;
    const QString sal = listaSql(kSalarios), con = listaSql(kContribuicoes);
    const QString sql = QStringLiteral(
        "SELECT F.ID_FUNCIONARIO, F.NOME, "
        "SUM(CASE WHEN P.TIPO = '+' AND P.DESCRICAO IN (%1) THEN P.VALOR ELSE 0 END) AS SALARIO, "
        "SUM(CASE WHEN P.TIPO = '+' AND P.DESCRICAO NOT IN (%1) THEN P.VALOR ELSE 0 END) AS EXTRAS, "
        "SUM(CASE WHEN P.TIPO = '-' AND P.DESCRICAO NOT IN (%2) THEN P.VALOR ELSE 0 END) AS DESCONTOS, "
        "SUM(CASE WHEN P.TIPO = '-' AND P.DESCRICAO IN (%2) THEN P.VALOR ELSE 0 END) AS INSS "
        "FROM FUNCIONARIO F LEFT JOIN FUNCIONARIO_PAGAMENTO P ON P.ID_FUNCIONARIO_PAGAMENTO = F.ID_FUNCIONARIO "
        "AND P.EXCLUIDO = 'N' AND P.DATA_VENC BETWEEN ? AND ? "
        "WHERE F.ID_FUNCIONARIO NOT IN (SELECT ID_FUNCIONARIO FROM ANULACAO) "
        "GROUP BY F.NOME, F.ID_FUNCIONARIO ORDER BY F.NOME, F.ID_FUNCIONARIO")
                            .arg(sal, con);
    for (const Linha &l : conexao.lerTodas(sql, {primeiroDia(mes, ano), ultimoDia(mes, ano)})) {
        LinhaFolha x;
        x.funcionario = l.inteiro(QStringLiteral("ID_FUNCIONARIO"));
        x.nome = l.texto(QStringLiteral("NOME"));
        x.salario = l.dinheiro(QStringLiteral("SALARIO"));
        x.extras = l.dinheiro(QStringLiteral("EXTRAS"));
        x.descontos = l.dinheiro(QStringLiteral("DESCONTOS"));
        x.inss = l.dinheiro(QStringLiteral("INSS"));
        r.append(x);
    }
    return r;
}

Relatorio relatorioFolha(ConexaoBanco &conexao, int mes, int ano)
{
    Relatorio rel(QStringLiteral("Folha de Pagamento Mensal"));
    rel.linhaCabecalho(QStringLiteral("(") + ConverterMes(mes) + QStringLiteral(" / ") + QString::number(ano)
                       + QLatin1Char(')'));
    rel.coluna(QStringLiteral("FUNCIONÁRIO"), 34);
    for (const char *t : {"VALOR BRUTO R$", "EXTRAS R$", "DESCONTOS R$", "INSS R$", "VALOR LÍQUIDO R$"})
        rel.coluna(QString::fromUtf8(t), 14, Relatorio::Tipo::Dinheiro, true);
    rel.rotuloTotalGeral(QStringLiteral("T O T A L"));
    Dinheiro tSal, tExt, tDesc, tInss, tLiq;
    for (const LinhaFolha &l : folha(conexao, mes, ano)) {
        rel.linha({l.nome, l.salario, l.extras, l.descontos, l.inss, l.liquido()});
        rel.texto(QStringLiteral("ASSINATURA ____________________________________________          SALDO DEVEDOR R$"));
        rel.texto(QStringLiteral("           ") + l.nome);
        tSal += l.salario;
        tExt += l.extras;
        tDesc += l.descontos;
        tInss += l.inss;
        tLiq += l.liquido();
    }
    rel.resumo(QStringLiteral("Salário Base R$"), tSal);
    rel.resumo(QStringLiteral("Extras R$"), tExt);
    rel.resumo(QStringLiteral("Descontos R$"), tDesc);
    rel.resumo(QStringLiteral("INSS R$"), tInss);
    rel.resumo(QStringLiteral("Valor Líquido R$"), tLiq);
    return rel;
}

// ---------------------------------------------------------------- payslips

CodigoReferencia codigoReferencia(const QString &descricao, const Dinheiro &salario)
{
    if (kSalarios.contains(descricao))
        return {1, Dinheiro::deReais(30)};
    if (kContribuicoes.contains(descricao)) {
        if (salario <= Dinheiro::deCentavos(124770))
            return {998, Dinheiro::deReais(8)};
        if (salario <= Dinheiro::deCentavos(207950))
            return {998, Dinheiro::deReais(9)};
        return {998, Dinheiro::deReais(11)};
    }
    return {994, Dinheiro::deReais(1)};
}

QString referente(int mes, int ano, bool mesAnterior)
{
    if (mesAnterior && --mes < 1) {
        mes = 12;
        --ano;
    }
    return QStringLiteral("Referente a ") + ConverterMes(mes) + QStringLiteral(" - ") + QString::number(ano);
}

namespace {

const QString kTituloHolerite = QStringLiteral("Recibo de Pagamento de Salário");

struct Entrada {
    int codigo;
    QString descricao;
    Dinheiro referencia;
    QString tipo;
    Dinheiro valor;
};

struct Holerite {
    qint64 funcionario = 0;
    QString nome, funcao, agencia, conta, observacao;
    Dinheiro salario;
    QList<Entrada> entradas;
};

void imprimir(Relatorio &rel, const Holerite &h, const QString &linhaReferente)
{
    const TParametros &p = tParametros();
    rel.texto(p.texto(QStringLiteral("NOME_FANTASIA")) + QStringLiteral("     CNPJ: ") + p.texto(QStringLiteral("CNPJ")));
    rel.texto(kTituloHolerite + QStringLiteral("     CC: GERAL     Mensalista     Folha Mensal"));
    rel.texto(linhaReferente);
    rel.texto(QStringLiteral("Código: ") + QString::number(h.funcionario) + QStringLiteral("   Nome do Funcionário: ")
              + h.nome + QStringLiteral("   CBO: CBO   Emp.:   Local:   Depto.: 2   Setor:   Seção:   Fl.:"));
    rel.texto(h.funcao + QStringLiteral("   Admissão:"));
    rel.linha({QStringLiteral("Cód."), QStringLiteral("Descrição"), QStringLiteral("Referência"),
               QStringLiteral("Vencimentos R$"), QStringLiteral("Descontos R$")});
    Dinheiro venc, desc, inss;
    for (const Entrada &e : h.entradas) {
        Relatorio::Celula credito, debito;
        if (e.tipo == QLatin1String("+")) {
            credito = e.valor;
            venc += e.valor;
        } else if (e.tipo == QLatin1String("-")) {
            debito = e.valor;
            desc += e.valor;
            if (kContribuicoes.contains(e.descricao))
                inss = e.valor;
        }
        rel.linha({e.codigo, e.descricao, e.referencia, credito, debito});
    }
    rel.linha({QString(), QStringLiteral("Total de Vencimentos"), QString(), venc, QString()});
    rel.linha({QString(), QStringLiteral("Total de Descontos"), QString(), QString(), desc});
    rel.linha({QString(), QStringLiteral("Valor Líquido ->"), QString(), venc - desc, QString()});
    if (!h.agencia.isEmpty() || !h.conta.isEmpty())
        rel.texto(QStringLiteral("Dados Bancários - Agência: ") + h.agencia + QStringLiteral(" -  Conta: ") + h.conta
                  + QStringLiteral(" - ") + h.observacao);
    rel.texto(QStringLiteral("Salário Base: ") + h.salario.formatado() + QStringLiteral("   Sal. Contr. INSS: ")
              + h.salario.formatado() + QStringLiteral("   Base Cálc. F.G.T.S.: ") + h.salario.formatado());
    rel.texto(QStringLiteral("F.G.T.S. do Mês: ") + h.salario.percentual(800).formatado()
              + QStringLiteral("   Base Cálc. IRRF: ") + (h.salario - inss).formatado()
              + QStringLiteral("   Faixa IRRF: -"));
    rel.texto(QStringLiteral("DECLARO TER RECEBIDO A IMPORTÂNCIA LÍQUIDA DISCRIMINADA NESTE RECIBO"));
    rel.texto(QStringLiteral("______/______/____________          ") + h.nome);
    rel.texto(QString());
}

} // namespace

Relatorio relatorioHolerites(ConexaoBanco &conexao, const OpcoesHolerite &o)
{
    Relatorio rel(kTituloHolerite);
    rel.semCabecalho();
    rel.coluna(QString(), 8, Relatorio::Tipo::Inteiro);
    rel.coluna(QString(), 42);
    rel.coluna(QString(), 14, Relatorio::Tipo::Dinheiro);
    rel.coluna(QString(), 18, Relatorio::Tipo::Dinheiro);
    rel.coluna(QString(), 18, Relatorio::Tipo::Dinheiro);

    const QList<Linha> linhas = conexao.lerTodas(
        QStringLiteral("SELECT F.ID_FUNCIONARIO, FP.COD_GERAL_F_P, F.NOME, FP.DATA_VENC, FP.TIPO, FP.DESCRICAO, "
                       "FP.VALOR, F.SALARIO_BASE, F.INSS, F.FUNCAO, F.AGENCIA, F.CONTA, F.OBSERVACAO "
                       "FROM FUNCIONARIO_PAGAMENTO FP JOIN FUNCIONARIO F ON FP.ID_FUNCIONARIO_PAGAMENTO = "
                       "F.ID_FUNCIONARIO WHERE FP.EXCLUIDO = 'N' AND FP.DATA_VENC >= ? AND FP.DATA_VENC <= ? "
                       "ORDER BY F.ID_FUNCIONARIO, FP.COD_GERAL_F_P"),
        {o.de, o.ate});
    const QSet<qint64> escolhidos(o.funcionarios.begin(), o.funcionarios.end());
    QList<Holerite> holerites;
    for (const Linha &l : linhas) {
        const qint64 f = l.inteiro(QStringLiteral("ID_FUNCIONARIO"));
        if (!escolhidos.isEmpty() && !escolhidos.contains(f))
            continue;
        if (holerites.isEmpty() || holerites.last().funcionario != f) {
            Holerite h;
            h.funcionario = f;
            h.nome = l.texto(QStringLiteral("NOME"));
            h.funcao = l.texto(QStringLiteral("FUNCAO"));
            h.agencia = l.texto(QStringLiteral("AGENCIA")).trimmed();
            h.conta = l.texto(QStringLiteral("CONTA")).trimmed();
            h.observacao = l.texto(QStringLiteral("OBSERVACAO"));
            h.salario = l.dinheiro(QStringLiteral("SALARIO_BASE"));
            holerites.append(h);
        }
        const QString descricao = l.texto(QStringLiteral("DESCRICAO"));
        const CodigoReferencia cr = codigoReferencia(descricao, holerites.last().salario);
        holerites.last().entradas.append(
            {cr.codigo, descricao, cr.referencia, l.texto(QStringLiteral("TIPO")), l.dinheiro(QStringLiteral("VALOR"))});
    }
    if (o.duasVias)
        std::stable_sort(holerites.begin(), holerites.end(), [](const Holerite &a, const Holerite &b) {
            return a.nome < b.nome;
        });
    const QString linhaReferente = referente(o.mesReferencia, o.anoReferencia, o.mesAnterior);
    for (const Holerite &h : holerites) {
        imprimir(rel, h, linhaReferente);
        if (o.duasVias)
            imprimir(rel, h, linhaReferente);
    }
    return rel;
}

int contarHolerites(const Relatorio &r)
{
    int n = 0;
    for (const Relatorio::Banda &b : r.bandas())
        if (b.tipo == Relatorio::TipoBanda::Texto && b.texto.startsWith(kTituloHolerite))
            ++n;
    return n;
}

QList<QList<qint64>> doisADois(const QList<qint64> &funcionarios)
{
    QList<QList<qint64>> r;
    for (int i = 0; i < funcionarios.size(); i += 2)
        r.append(funcionarios.mid(i, 2));
    return r;
}

} // namespace FolhaPagamento
