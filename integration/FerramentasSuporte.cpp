#include "integration/FerramentasSuporte.h"
#include "base/Erros.h"
#include "base/Rotinas.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

#include <QHash>

namespace Suporte {

using Integracao::Andamento;
using Integracao::AndamentoEmCurso;

int noitesDaEstadia(const QDate &entrada, const QDate &saida, const QString &baixa, const QDate &hoje)
{
    if (!entrada.isValid() || !saida.isValid())
        return 0;
    const qint64 dias = (saida == entrada && baixa == QLatin1String("N")) ? entrada.daysTo(hoje) : entrada.daysTo(saida);
    if (dias < 0)
        return 0;
    return dias == 0 ? 1 : int(dias);
}

QString colunaFormaPagamento(const QString &formaPag)
{
    static const QHash<QString, QString> mapa{
        {QString(), QStringLiteral("DINHEIRO")},
        {QStringLiteral("Dinheiro"), QStringLiteral("DINHEIRO")},
        {QStringLiteral("Cartão de Crédito - Visa"), QStringLiteral("VISA")},
        {QStringLiteral("Cartão de Crédito"), QStringLiteral("VISA")},
        {QStringLiteral("Cartão de Crédito - Mastercard"), QStringLiteral("MASTER")},
        {QStringLiteral("Cartão de Crédito - Hipercard"), QStringLiteral("HIPER")},
        {QStringLiteral("Cheque"), QStringLiteral("CHEQUE")},
        {QStringLiteral("Nota"), QStringLiteral("NOTA")},
    };
    return mapa.value(formaPag);
}

QString colunaFormaDespesa(const QString &formaPag)
{
    if (formaPag.isEmpty() || formaPag == QStringLiteral("Cartão de Crédito"))
        return {};
    return colunaFormaPagamento(formaPag);
}

namespace {

QString textoEntrada(const Linha &l) { return QStringLiteral("a entrada %1").arg(l.texto(QStringLiteral("ID_WALK_IN"))); }

} // namespace

Resultado reconstruirDiarias(ConexaoBanco &banco, const QDate &hoje, Andamento &andamento)
{
    AcaoAtual(QStringLiteral("Atualizando Entradas de Hóspedes - Operação de Suporte"));
    const QList<Linha> estadias = banco.lerTodas(QStringLiteral(
        "SELECT ID_WALK_IN, DATA_ENTRADA, DATA_SAIDA, BAIXA, VALOR_DIARIA, QTD_ADULTOS FROM WALK_IN ORDER BY ID_WALK_IN"));
    AndamentoEmCurso gauge(andamento, int(estadias.size()));
    Resultado r;
    qint64 chave = 0;
    banco.emTransacao([&] {
        r = {};
        chave = 0;
        banco.executar(QStringLiteral("DELETE FROM OCUPACAO"));
        for (const Linha &e : estadias) {
            const QDate entrada = e.data(QStringLiteral("DATA_ENTRADA"));
            const int noites = noitesDaEstadia(entrada, e.data(QStringLiteral("DATA_SAIDA")),
                                               e.texto(QStringLiteral("BAIXA")), hoje);
            const QVariant valor = e.dinheiro(QStringLiteral("VALOR_DIARIA")).paraBanco();
            const QVariant qtd = e.valor(QStringLiteral("QTD_ADULTOS"));
            try {
                for (int k = 0; k < noites; ++k)
                    banco.executar(QStringLiteral("INSERT INTO OCUPACAO (ID_OCUPACAO, ID_ENTRADA, DATA, VALOR, QTD) "
                                                  "VALUES (?, ?, ?, ?, ?)"),
                                   {++chave, e.valor(QStringLiteral("ID_WALK_IN")), entrada.addDays(k), valor, qtd});
            } catch (const ErroBanco &erro) {
                Integracao::linhaRecusada(QStringLiteral("as diárias d") + textoEntrada(e), erro);
            }
            r.linhas += noites;
            gauge.avancar();
        }
    });
    Integracao::definirGerador(banco, QStringLiteral("GEN_ID_OCUPACAO"), chave);
    return r;
}

Resultado atualizarFormasPagamento(ConexaoBanco &banco, Andamento &andamento)
{
    AcaoAtual(QStringLiteral("Atualizando Novas Formas de Pagamento - Operação de Suporte"));
    const QList<Linha> estadias = banco.lerTodas(QStringLiteral(
        "SELECT ID_WALK_IN, DATA_ENTRADA, DATA_SAIDA, VALOR_DIARIA, FORMA_PAG FROM WALK_IN "
        "WHERE BAIXA = 'S' AND EXCLUIDO = 'N' ORDER BY ID_WALK_IN"));
    AndamentoEmCurso gauge(andamento, int(estadias.size()));
    Resultado r;
    banco.emTransacao([&] {
        r = {};
        for (const Linha &e : estadias) {
            gauge.avancar();
            const QString forma = e.texto(QStringLiteral("FORMA_PAG"));
            const QString coluna = colunaFormaPagamento(forma);
            const QDate entrada = e.data(QStringLiteral("DATA_ENTRADA"));
            const QDate saida = e.data(QStringLiteral("DATA_SAIDA"));
            if (coluna.isEmpty()) {
                r.ignoradas << QStringLiteral("Entrada %1: forma de pagamento \"%2\" desconhecida")
                                   .arg(e.texto(QStringLiteral("ID_WALK_IN")), forma);
                continue;
            }
            if (!entrada.isValid() || !saida.isValid() || saida < entrada) {
                r.ignoradas << QStringLiteral("Entrada %1: datas de entrada e saída inválidas")
                                   .arg(e.texto(QStringLiteral("ID_WALK_IN")));
                continue;
            }
            const qint64 dias = entrada.daysTo(saida);
            const Dinheiro valor = e.dinheiro(QStringLiteral("VALOR_DIARIA")) * (dias == 0 ? 1 : dias);
            try {
                banco.executar(QStringLiteral("UPDATE WALK_IN SET %1 = ? WHERE ID_WALK_IN = ?").arg(coluna),
                               {valor.paraBanco(), e.valor(QStringLiteral("ID_WALK_IN"))});
            } catch (const ErroBanco &erro) {
                Integracao::linhaRecusada(textoEntrada(e), erro);
            }
            ++r.linhas;
        }
    });
    return r;
}

Resultado atualizarFormasDespesas(ConexaoBanco &banco, Andamento &andamento)
{
    AcaoAtual(QStringLiteral("Atualizando Formas de Pagamento de Despesas - Operação de Suporte"));
    const QList<Linha> despesas = banco.lerTodas(QStringLiteral(
        "SELECT ID_DESPESA_UH, ID_ENTRADA, FORMA_PAG, QTD, VALOR_UNIT FROM DESPESA_UH "
        "ORDER BY ID_ENTRADA, ID_DESPESA_UH"));
    Resultado r;
    {
        AndamentoEmCurso gauge(andamento, int(despesas.size()));
        banco.emTransacao([&] {
            r = {};
            for (const Linha &d : despesas) {
                gauge.avancar();
                const QString forma = d.texto(QStringLiteral("FORMA_PAG"));
                if (forma.isEmpty())
                    continue;
                const QString coluna = colunaFormaDespesa(forma);
                if (coluna.isEmpty()) {
                    r.ignoradas << QStringLiteral("Despesa %1 da entrada %2: forma de pagamento \"%3\" sem coluna")
                                       .arg(d.texto(QStringLiteral("ID_DESPESA_UH")),
                                            d.texto(QStringLiteral("ID_ENTRADA")), forma);
                    continue;
                }
                const Dinheiro valor = d.dinheiro(QStringLiteral("VALOR_UNIT")) * d.inteiro(QStringLiteral("QTD"));
                try {
                    banco.executar(QStringLiteral("UPDATE WALK_IN SET %1 = %1 + ? WHERE ID_WALK_IN = ?").arg(coluna),
                                   {valor.paraBanco(), d.valor(QStringLiteral("ID_ENTRADA"))});
                } catch (const ErroBanco &erro) {
                    Integracao::linhaRecusada(QStringLiteral("a despesa %1 da entrada %2")
                                                  .arg(d.texto(QStringLiteral("ID_DESPESA_UH")),
                                                       d.texto(QStringLiteral("ID_ENTRADA"))),
                                              erro);
                }
                ++r.linhas;
            }
        });
    }
    AcaoAtual(QStringLiteral("Operações de Suporte"));
    return r;
}

QString chaveEntradaDoLog(const QString &operacao)
{
    static const QString prefixo = QStringLiteral("Incluiu Entrada de Hóspede -> ");
    static const QString prefixoCodigo = QStringLiteral("Incluiu Entrada de Hóspede -> Código ");
    if (!operacao.startsWith(prefixo))
        return {};
    const qsizetype inicio = operacao.startsWith(prefixoCodigo) ? prefixoCodigo.size() : prefixo.size();
    qsizetype fim = operacao.indexOf(QLatin1Char(' '), inicio);
    if (fim < 0)
        fim = operacao.size();
    return operacao.mid(inicio, fim - inicio).trimmed();
}

Resultado atualizarUsuariosEntrada(ConexaoBanco &banco, Andamento &andamento)
{
    AcaoAtual(QStringLiteral("Atualizando Dados de Funcionários - Operação de Suporte"));
    const QList<Linha> registros = banco.lerTodas(
        QStringLiteral("SELECT ID_LOG, OPERACAO, USUARIO FROM LOG WHERE OPERACAO STARTING WITH ? ORDER BY ID_LOG"),
        {QStringLiteral("Incluiu Entrada de Hóspede -> ")});
    AndamentoEmCurso gauge(andamento, int(registros.size()));
    Resultado r;
    banco.emTransacao([&] {
        r = {};
        for (const Linha &l : registros) {
            gauge.avancar();
            const QString chave = chaveEntradaDoLog(l.texto(QStringLiteral("OPERACAO")));
            bool numero = false;
            const qint64 id = chave.toLongLong(&numero);
            if (!numero) {
                r.ignoradas << QStringLiteral("Registro %1 do log: \"%2\" não é o código de uma entrada")
                                   .arg(l.texto(QStringLiteral("ID_LOG")), chave);
                continue;
            }
            try {
                r.linhas += banco.executar(QStringLiteral("UPDATE WALK_IN SET USUARIO_ENTRADA = ? WHERE ID_WALK_IN = ?"),
                                           {l.texto(QStringLiteral("USUARIO")), id});
            } catch (const ErroBanco &erro) {
                Integracao::linhaRecusada(QStringLiteral("a entrada %1 (registro %2 do log)")
                                              .arg(id)
                                              .arg(l.texto(QStringLiteral("ID_LOG"))),
                                          erro);
            }
        }
        banco.executar(QStringLiteral("UPDATE WALK_IN SET FUNCIONARIO_LIMPEZA = 0"));
    });
    return r;
}

Resultado retirarAcentos(ConexaoBanco &banco, Andamento &andamento)
{
    AcaoAtual(QStringLiteral("Atualizando Dados de Clientes - Retirando Acentuação"));
    const QList<Linha> clientes = banco.lerTodas(QStringLiteral("SELECT ID_CLIENTE, NOME FROM CLIENTE ORDER BY ID_CLIENTE"));
    const QList<Linha> produtos =
        banco.lerTodas(QStringLiteral("SELECT ID_P_S, DESCRICAO FROM PRODUTOS_SERVICOS ORDER BY ID_P_S"));
    AndamentoEmCurso gauge(andamento, int(clientes.size()));
    Resultado r;
    banco.emTransacao([&] {
        r = {};
        struct Passo {
            const QList<Linha> &linhas;
            const char *tabela, *chave, *coluna, *nome;
        };
        const Passo passos[] = {{clientes, "CLIENTE", "ID_CLIENTE", "NOME", "o cliente"},
                                {produtos, "PRODUTOS_SERVICOS", "ID_P_S", "DESCRICAO", "o produto"}};
        bool primeiro = true;
        for (const Passo &p : passos) {
            if (!primeiro)
                gauge.fase(QString(), int(p.linhas.size()));
            primeiro = false;
            const QString chave = QString::fromLatin1(p.chave), coluna = QString::fromLatin1(p.coluna);
            const QString sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?")
                                    .arg(QString::fromLatin1(p.tabela), coluna, chave);
            for (const Linha &l : p.linhas) {
                gauge.avancar();
                const QString antes = l.texto(coluna);
                const QString depois = RemoveAcento(antes);
                if (depois == antes)
                    continue;
                try {
                    banco.executar(sql, {depois, l.valor(chave)});
                } catch (const ErroBanco &erro) {
                    Integracao::linhaRecusada(QStringLiteral("%1 %2 (%3)")
                                                  .arg(QString::fromLatin1(p.nome), l.texto(chave), antes),
                                              erro);
                }
                ++r.linhas;
            }
        }
    });
    return r;
}

Resultado atualizarPessoas(ConexaoBanco &banco, Andamento &andamento)
{
    const int total = banco.valor(QStringLiteral("SELECT COUNT(*) FROM CLIENTE")).toInt();
    // Only the customers whose kind changes are written.
    const QList<Linha> mudar = banco.lerTodas(QStringLiteral(
        "SELECT ID_CLIENTE, NOME, CHAR_LENGTH(CNPJ_CPF) AS TAMANHO FROM CLIENTE "
        "WHERE (CHAR_LENGTH(CNPJ_CPF) = 14 AND TIPO_PESSOA IS DISTINCT FROM 'F') "
        "OR (CHAR_LENGTH(CNPJ_CPF) = 18 AND TIPO_PESSOA IS DISTINCT FROM 'J') ORDER BY ID_CLIENTE"));
    AndamentoEmCurso gauge(andamento, total);
    Resultado r;
    banco.emTransacao([&] {
        r = {};
        for (const Linha &c : mudar) {
            const QString tipo = c.inteiro(QStringLiteral("TAMANHO")) == 14 ? QStringLiteral("F") : QStringLiteral("J");
            try {
                r.linhas += banco.executar(QStringLiteral("UPDATE CLIENTE SET TIPO_PESSOA = ? WHERE ID_CLIENTE = ?"),
                                           {tipo, c.valor(QStringLiteral("ID_CLIENTE"))});
            } catch (const ErroBanco &erro) {
                Integracao::linhaRecusada(QStringLiteral("o cliente %1 (%2)")
                                              .arg(c.texto(QStringLiteral("ID_CLIENTE")), c.texto(QStringLiteral("NOME"))),
                                          erro);
            }
            gauge.avancar();
        }
    });
    for (int i = int(mudar.size()); i < total; ++i)
        gauge.avancar();
    return r;
}

Resultado corrigirFones(ConexaoBanco &banco, ConexaoBanco &antigo, Andamento &andamento)
{
    QList<Linha> antigos;
    try {
        antigo.desconectar();
        antigo.conectar();
        antigos = antigo.lerTodas(QStringLiteral("SELECT ID_CLIENTE, FONE_1, FAX FROM CLIENTE ORDER BY ID_CLIENTE"));
    } catch (const ErroBanco &e) {
        throw ErroBanco(QStringLiteral("Não foi possível ler o banco de dados antigo. Nada foi alterado.\n\n%1")
                            .arg(textoParaUsuario(e)),
                        e.codigo(), e.texto());
    }
    AndamentoEmCurso gauge(andamento, int(antigos.size()));
    Resultado r;
    banco.emTransacao([&] {
        r = {};
        for (const Linha &c : antigos) {
            gauge.avancar();
            try {
                r.linhas += banco.executar(QStringLiteral("UPDATE CLIENTE SET FONE_1 = ?, FAX = ? WHERE ID_CLIENTE = ?"),
                                           {c.texto(QStringLiteral("FONE_1")), c.texto(QStringLiteral("FAX")),
                                            c.valor(QStringLiteral("ID_CLIENTE"))});
            } catch (const ErroBanco &erro) {
                Integracao::linhaRecusada(QStringLiteral("o cliente %1").arg(c.texto(QStringLiteral("ID_CLIENTE"))),
                                          erro);
            }
        }
    });
    return r;
}

} // namespace Suporte
