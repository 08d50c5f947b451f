#include "staff/Escala.h"
#include "base/Rotinas.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

namespace Escala {

const QString kSqlLista = QStringLiteral("SELECT * FROM ESCALA ORDER BY ID_ESCALA");
const QString kSqlListaDescricao = QStringLiteral("SELECT * FROM ESCALA ORDER BY DESCRICAO, ID_ESCALA");
const QString kSqlFiltro = QStringLiteral("SELECT * FROM ESCALA WHERE %1 ORDER BY ID_ESCALA");
const QString kSqlFuncionarios = QStringLiteral(
    "SELECT ID_FUNCIONARIO, NOME FROM FUNCIONARIO WHERE ID_FUNCIONARIO NOT IN (SELECT ID_FUNCIONARIO FROM ANULACAO) "
    "ORDER BY NOME, ID_FUNCIONARIO");
const QString kSqlPeriodos = QStringLiteral(
    "SELECT D.ID_ESCALA_DET, D.ID_ESCALA, D.ID_FUNCIONARIO, D.DATA_INICIO, D.HORA_INICIO, D.DATA_TERMINO, "
    "D.HORA_TERMINO, F.NOME FROM ESCALA_DET D LEFT JOIN FUNCIONARIO F ON F.ID_FUNCIONARIO = D.ID_FUNCIONARIO "
    "WHERE D.ID_ESCALA = ? ORDER BY D.DATA_INICIO, D.HORA_INICIO, D.ID_ESCALA_DET");

QString diaDaSemana(const QDate &data)
{
    static const char *const dias[] = {"Segunda-Feira", "Terça-Feira", "Quarta-Feira", "Quinta-Feira",
                                       "Sexta-Feira",   "Sábado",      "Domingo"};
    if (!data.isValid())
        return {};
    return QString::fromUtf8(dias[data.dayOfWeek() - 1]);
}

Periodo periodo(const QDate &data, const QTime &hora, const QTime &carga)
{
    Periodo p;
    p.dataInicio = data;
    p.horaInicio = QTime(hora.hour(), hora.minute(), hora.second());
    const int carg = QTime(0, 0).secsTo(QTime(carga.hour(), carga.minute(), carga.second()));
    p.horaTermino = p.horaInicio.addSecs(carg);
    p.dataTermino = p.horaTermino > p.horaInicio ? data : data.addDays(1);
    return p;
}

QString sqlLimpezaNovo()
{
    return QStringLiteral("DELETE FROM ESCALA_DET WHERE ID_ESCALA = ?");
}

qint64 incluirPeriodo(ConexaoBanco &conexao, qint64 escala, qint64 funcionario, const Periodo &p)
{
    return conexao.emTransacao([&] {
        if (!conexao
                 .valor(QStringLiteral("SELECT 1 FROM FUNCIONARIO WHERE ID_FUNCIONARIO = ? AND ID_FUNCIONARIO "
                                       "NOT IN (SELECT ID_FUNCIONARIO FROM ANULACAO)"),
                        {funcionario})
                 .isValid())
            return qint64(0);
        return conexao
            .ler(QStringLiteral("INSERT INTO ESCALA_DET (ID_ESCALA, ID_FUNCIONARIO, DATA_INICIO, HORA_INICIO, "
                                "DATA_TERMINO, HORA_TERMINO) VALUES (?, ?, ?, ?, ?, ?) RETURNING ID_ESCALA_DET"),
                 {escala, funcionario, p.dataInicio, p.horaInicio, p.dataTermino, p.horaTermino})
            .inteiro(QStringLiteral("ID_ESCALA_DET"));
    });
}

void removerPeriodo(ConexaoBanco &conexao, qint64 periodo)
{
    conexao.emTransacao([&] {
        if (conexao.executar(QStringLiteral("DELETE FROM ESCALA_DET WHERE ID_ESCALA_DET = ?"), {periodo}) > 0)
            RegistrarLog(conexao, QStringLiteral("Excluiu Período da Escala -> Código ") + QString::number(periodo));
    });
}

namespace {

Resultado recusa(const QString &m, bool foco = false)
{
    Resultado r;
    r.mensagem = m;
    r.focoDescricao = foco;
    return r;
}

QString textoLog(const QString &acao, qint64 chave, const QString &descricao)
{
    return acao + QStringLiteral(" -> Código ") + QString::number(chave) + QStringLiteral(" (") + descricao
         + QLatin1Char(')');
}

} // namespace

Resultado salvar(ConexaoBanco &conexao, ModoEdicao modo, qint64 chave, const QString &descricaoDigitada)
{
    if (modo == ModoEdicao::Ver)
        return {};
    const QString descricao = descricaoDigitada.trimmed();
    if (descricao.isEmpty() || contarCaracteres(descricao) > 50)
        return recusa(kMsgDescricaoInvalida, true);
    return conexao.emTransacao([&]() -> Resultado {
        const QList<Linha> p = conexao.lerTodas(kSqlPeriodos, {chave});
        if (p.isEmpty())
            return recusa(kMsgSemPeriodos);
        const Linha &a = p.first(), &z = p.last();
        const Valores v = {descricao, a.data(QStringLiteral("DATA_INICIO")), a.hora(QStringLiteral("HORA_INICIO")),
                           z.data(QStringLiteral("DATA_TERMINO")), z.hora(QStringLiteral("HORA_TERMINO")), chave};
        Resultado r;
        if (modo == ModoEdicao::Incluir) {
            conexao.executar(QStringLiteral("INSERT INTO ESCALA (DESCRICAO, DATA_INICIO, HORA_INICIO, "
                                                "DATA_TERMINO, HORA_TERMINO, ID_ESCALA) VALUES (?, ?, ?, ?, ?, ?)"),
                                 v);
            RegistrarLog(conexao, textoLog(QStringLiteral("Incluiu Escala"), chave, descricao));
            r.mensagem = kMsgCadastrada;
        } else {
            if (conexao.executar(QStringLiteral("UPDATE ESCALA SET DESCRICAO = ?, DATA_INICIO = ?, "
                                                    "HORA_INICIO = ?, DATA_TERMINO = ?, HORA_TERMINO = ? "
                                                    "WHERE ID_ESCALA = ?"),
                                     v)
                != 1)
                return recusa(kMsgNaoEncontrada);
            RegistrarLog(conexao, textoLog(QStringLiteral("Alterou Escala"), chave, descricao));
            r.mensagem = kMsgAlterada;
        }
        r.salvo = true;
        return r;
    });
}

Resultado excluir(ConexaoBanco &conexao, qint64 chave, const QString &descricao)
{
    return conexao.emTransacao([&]() -> Resultado {
        if (conexao.executar(QStringLiteral("DELETE FROM ESCALA WHERE ID_ESCALA = ?"), {chave}) != 1)
            return recusa(kMsgNaoEncontrada);
        RegistrarLog(conexao, textoLog(QStringLiteral("Excluiu Escala"), chave, descricao.trimmed()));
        Resultado r;
        r.salvo = true;
        r.mensagem = kMsgExcluida;
        return r;
    });
}

Relatorio relatorio(ConexaoBanco &conexao, qint64 chave, const QString &textoEscolha)
{
    Relatorio rel(QStringLiteral("Escala de Trabalho"));
    rel.linhaCabecalho(QStringLiteral("(") + textoEscolha + QLatin1Char(')'));
    rel.coluna(QStringLiteral("Funcionário:"), 60);
    rel.coluna(QStringLiteral("Entrada:"), 20, Relatorio::Tipo::Hora);
    rel.coluna(QStringLiteral("Saída:"), 20, Relatorio::Tipo::Hora);
    if (chave <= 0)
        return rel;
    for (const Linha &l : conexao.lerTodas(kSqlPeriodos, {chave})) {
        const QDate d = l.data(QStringLiteral("DATA_INICIO"));
        rel.grupo(diaDaSemana(d) + QStringLiteral(", ") + d.toString(QStringLiteral("dd/MM/yyyy")), QString());
        rel.linha({l.texto(QStringLiteral("NOME")), l.hora(QStringLiteral("HORA_INICIO")),
                   l.hora(QStringLiteral("HORA_TERMINO"))});
    }
    rel.fecharGrupo();
    return rel;
}

} // namespace Escala
