#include "restaurant/Mesas.h"
#include "base/Parametros.h"
#include "base/Rotinas.h"
#include "base/UnitLog.h"

#include <QRegularExpression>

namespace Mesas {

namespace {


// A table's row read under lock inside the current transaction.
std::optional<Mesa> travar(ConexaoBanco &conexao, qint64 id)
{
    const Linha l = conexao.ler(QStringLiteral("SELECT ID_MESA, DESCRICAO, STATUS, CLIENTE, ID_CHECK_IN, AGUARDANDO_PAG "
                                             "FROM MESA WHERE ID_MESA = ? WITH LOCK"),
                              {id});
    if (l.vazia())
        return std::nullopt;
    Mesa m;
    m.id = l.inteiro(QStringLiteral("ID_MESA"));
    m.descricao = l.texto(QStringLiteral("DESCRICAO"));
    m.status = l.texto(QStringLiteral("STATUS"));
    m.cliente = l.texto(QStringLiteral("CLIENTE"));
    m.idCheckIn = l.inteiro(QStringLiteral("ID_CHECK_IN"));
    m.aguardando = l.texto(QStringLiteral("AGUARDANDO_PAG"));
    return m;
}

Mesa mesaDe(const Linha &l)
{
    Mesa m;
    m.id = l.inteiro(QStringLiteral("ID_MESA"));
    m.descricao = l.texto(QStringLiteral("DESCRICAO"));
    m.status = l.texto(QStringLiteral("STATUS"));
    m.cliente = l.texto(QStringLiteral("CLIENTE"));
    m.idCheckIn = l.inteiro(QStringLiteral("ID_CHECK_IN"));
    m.aguardando = l.texto(QStringLiteral("AGUARDANDO_PAG"));
    return m;
}

// The state a terminal showed is still the table's state.
bool comoMostrada(const std::optional<Mesa> &agora, const Mesa &mostrada)
{
    return agora && agora->status == mostrada.status && agora->idCheckIn == mostrada.idCheckIn;
}

} // namespace

const QString kSqlMesas =
    QStringLiteral("SELECT ID_MESA, DESCRICAO, STATUS, CLIENTE, ID_CHECK_IN, AGUARDANDO_PAG FROM MESA ORDER BY ID_MESA");

// "Differs from S" as two ranges, so the index on CONCLUIDO serves; the upper
// range starts at "T" because a range opened after "S" walks every finished
// line of the index before it ends (50,000 index entries on a big restaurant).
const QString kSqlFila = QStringLiteral(
    "SELECT C.ID_CONSUMO, P.DESCRICAO AS PRODUTO, M.DESCRICAO AS MESA, C.QTD, C.DATA, C.HORA, C.ID_PRODUTO, "
    "P.SERVICO FROM CONSUMO C JOIN PRODUTO P ON P.ID_PRODUTO = C.ID_PRODUTO "
    "JOIN MESA M ON M.ID_MESA = (SELECT FIRST 1 M2.ID_MESA FROM MESA M2 WHERE M2.ID_CHECK_IN = C.ID_CHECK_IN "
    "ORDER BY CASE WHEN M2.STATUS = 'O' THEN 0 ELSE 1 END, M2.ID_MESA) "
    "WHERE (C.CONCLUIDO < 'S' OR C.CONCLUIDO >= 'T') AND P.ORDEM_PEDIDOS = 'S' "
    "ORDER BY C.DATA, C.HORA, C.ID_CONSUMO");

Textos Textos::de(bool cartao)
{
    Textos t;
    t.cartao = cartao;
    t.legenda = cartao ? QStringLiteral("Zentro Controle 5 - Cartões") : QStringLiteral("Zentro Controle 5 - Mesas");
    t.titulo = cartao ? QStringLiteral("Cartões") : QStringLiteral("Mesas");
    t.rotuloNumero = cartao ? QStringLiteral("Cartão:") : QStringLiteral("Mesa:");
    t.novo = cartao ? QStringLiteral("Novo Cartão") : QStringLiteral("Nova Mesa");
    t.alterar = cartao ? QStringLiteral("Alterar Cartão") : QStringLiteral("Alterar Mesa");
    t.menuAbrir = cartao ? QStringLiteral("-- Abrir Cartão") : QStringLiteral("-- Abrir Mesa");
    t.menuTransferir = cartao ? QStringLiteral("-- Transferir Cartão") : QStringLiteral("-- Transferir Mesa");
    t.menuFecharConta = cartao ? QStringLiteral("-- Fechar Conta do Cartão") : QStringLiteral("-- Fechar Conta da Mesa");
    t.menuCancelar = cartao ? QStringLiteral("-- Cancelar Cartão") : QStringLiteral("-- Cancelar Mesa");
    t.marcador = cartao ? QStringLiteral("(CARTAO ") : QStringLiteral("(MESA ");
    t.cozinha = cartao ? QStringLiteral("CARD ") : QStringLiteral("MESA ");
    t.nomeAutomatico = cartao ? QStringLiteral("CARTAO ") : QStringLiteral("MESA ");
    t.palavra = cartao ? QStringLiteral("Cartão") : QStringLiteral("Mesa");
    return t;
}

Textos Textos::atuais() { return de(tParametros().sim(QStringLiteral("MODO_CARTAO"))); }

QString perguntaJuntar(qint64 atual, qint64 novo)
{
    return QStringLiteral("ATENÇÃO:\n\nO CARTÃO %2 encontra-se em aberto\n\nDESEJA ADICIONAR os consumos do CARTÃO %1 ao "
                          "CARTÃO %2 ?")
        .arg(atual)
        .arg(novo);
}

QString notaMovida(const Textos &t, qint64 mesaOrigem, const QString &nota)
{
    return cortarCaracteres(t.marcador + QString::number(mesaOrigem) + QStringLiteral(") ") + nota, kTamanhoObs);
}

QString msgJaAberta(const Textos &t, qint64 mesa)
{
    return t.cartao ? QStringLiteral("O Cartão %1 já foi aberto em outro terminal!").arg(mesa)
                    : QStringLiteral("A Mesa %1 já foi aberta em outro terminal!").arg(mesa);
}

QString msgMesaMudou(const Textos &t, qint64 mesa)
{
    return t.cartao ? QStringLiteral("O Cartão %1 foi alterado em outro terminal! Confira o quadro e tente de novo.").arg(mesa)
                    : QStringLiteral("A Mesa %1 foi alterada em outro terminal! Confira o quadro e tente de novo.").arg(mesa);
}

quint32 Mesa::cor() const
{
    if (livre())
        return kCorLivre;
    if (ocupada())
        return aguardando == QLatin1String("S") ? kCorAguardando : kCorOcupada;
    return 0;
}

QList<Mesa> lerMesas(ConexaoBanco &conexao)
{
    QList<Mesa> r;
    for (const Linha &l : conexao.lerTodas(kSqlMesas))
        r.append(mesaDe(l));
    return r;
}

std::optional<Mesa> lerMesa(ConexaoBanco &conexao, qint64 id)
{
    const Linha l = conexao.ler(QStringLiteral("SELECT ID_MESA, DESCRICAO, STATUS, CLIENTE, ID_CHECK_IN, AGUARDANDO_PAG "
                                             "FROM MESA WHERE ID_MESA = ?"),
                              {id});
    if (l.vazia())
        return std::nullopt;
    return mesaDe(l);
}

// ---------------------------------------------------------------- attendants

namespace {
Atendente atendenteDe(const Linha &l)
{
    Atendente a;
    a.id = l.texto(QStringLiteral("ID_FUNCIONARIO"));
    a.codigo = l.texto(QStringLiteral("COD_FUNCIONARIO"));
    a.nome = l.texto(QStringLiteral("NOME"));
    a.nomeCracha = l.texto(QStringLiteral("NOME_CRACHA"));
    a.senha = l.texto(QStringLiteral("SENHA_PREVENDA"));
    return a;
}
const QString kSqlAtendentes =
    QStringLiteral("SELECT ID_FUNCIONARIO, COD_FUNCIONARIO, NOME, NOME_CRACHA, COMISSAO, COMISSAO2, COMISSAO3, "
                   "SENHA_PREVENDA FROM FUNCIONARIO WHERE DEMITIDO = 'N'");
} // namespace

QList<Atendente> lerAtendentes(ConexaoBanco &conexao)
{
    QList<Atendente> r;
    for (const Linha &l : conexao.lerTodas(kSqlAtendentes + QStringLiteral(" ORDER BY NOME")))
        r.append(atendenteDe(l));
    return r;
}

std::optional<QString> codigoNormalizado(const QString &codigo)
{
    bool ok = false;
    const qlonglong n = codigo.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return n < 0 ? QStringLiteral("-%1").arg(-n, 4, 10, QLatin1Char('0')) : QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

std::optional<Atendente> atendenteDoCodigo(ConexaoBanco &conexao, const QString &codigo)
{
    const std::optional<QString> c = codigoNormalizado(codigo);
    if (!c)
        return std::nullopt;
    const QList<Linha> l =
        conexao.lerTodas(kSqlAtendentes + QStringLiteral(" AND COD_FUNCIONARIO = CAST(? AS VARCHAR(200))"), {*c});
    if (l.size() != 1)
        return std::nullopt;
    return atendenteDe(l.first());
}

bool senhaConfere(const QString &digitada, const QString &armazenada) { return digitada.toUpper() == armazenada; }

QString atendenteDaAbertura(ConexaoBanco &conexao, qint64 idCheckIn)
{
    return conexao.valor(QStringLiteral("SELECT ID_FUNCIONARIO FROM CHECK_IN WHERE ID_CHECK_IN = ?"), {idCheckIn}).toString();
}

// ---------------------------------------------------------------- writes

Resultado abrir(ConexaoBanco &conexao, qint64 mesa, const QString &idAtendente, const QString &cliente, const QDateTime &agora)
{
    const Textos t = Textos::atuais();
    return conexao.emTransacao([&]() -> Resultado {
        Resultado r;
        const std::optional<Mesa> m = travar(conexao, mesa);
        if (!m || !m->livre()) {
            r.mensagem = msgJaAberta(t, mesa);
            return r;
        }
        r.chave = conexao
                      .valor(QStringLiteral("INSERT INTO CHECK_IN (DATA_ENTRADA, HORA_ENTRADA, ID_FUNCIONARIO) "
                                            "VALUES (?, ?, ?) RETURNING ID_CHECK_IN"),
                             {agora.date(), agora.time(), idAtendente})
                      .toLongLong();
        conexao.executar(QStringLiteral("UPDATE MESA SET STATUS = 'O', CLIENTE = ?, ID_CHECK_IN = ? "
                                      "WHERE ID_MESA = ? AND STATUS = 'L'"),
                       {cortarCaracteres(cliente, 90), r.chave, mesa});
        r.feito = true;
        return r;
    });
}

Resultado transferir(ConexaoBanco &conexao, const Textos &t, const Mesa &atual, const Mesa &novo)
{
    return conexao.emTransacao([&]() -> Resultado {
        Resultado r;
        // Always in the order of their numbers, so two terminals moving the
        // same two tables wait for each other instead of deadlocking.
        std::optional<Mesa> origem, destino;
        if (atual.id < novo.id) {
            origem = travar(conexao, atual.id);
            destino = travar(conexao, novo.id);
        } else {
            destino = travar(conexao, novo.id);
            origem = travar(conexao, atual.id);
        }
        if (!comoMostrada(origem, atual) || !origem->ocupada()) {
            r.mensagem = msgMesaMudou(t, atual.id);
            return r;
        }
        if (!comoMostrada(destino, novo) || !(destino->livre() || destino->ocupada())) {
            r.mensagem = msgMesaMudou(t, novo.id);
            return r;
        }
        if (destino->livre()) {
            conexao.executar(QStringLiteral("UPDATE MESA SET STATUS = 'O', CLIENTE = ?, ID_CHECK_IN = ?, "
                                          "AGUARDANDO_PAG = ? WHERE ID_MESA = ?"),
                           {cortarCaracteres(origem->cliente, 90), origem->idCheckIn, origem->aguardando, novo.id});
        } else {
            const QString marcador = t.marcador + QString::number(atual.id) + QStringLiteral(") ");
            conexao.executar(QStringLiteral("UPDATE CONSUMO SET OBS = SUBSTRING(CAST(? AS VARCHAR(40)) || COALESCE(OBS, '') "
                                          "FROM 1 FOR %1), ID_CHECK_IN = ? WHERE ID_CHECK_IN = ?")
                               .arg(kTamanhoObs),
                           {marcador, destino->idCheckIn, origem->idCheckIn});
        }
        conexao.executar(QStringLiteral("UPDATE MESA SET STATUS = 'L', AGUARDANDO_PAG = 'N' WHERE ID_MESA = ?"), {atual.id});
        r.feito = true;
        return r;
    });
}

bool temConsumo(ConexaoBanco &conexao, qint64 idCheckIn)
{
    return !conexao.ler(QStringLiteral("SELECT FIRST 1 ID_CONSUMO FROM CONSUMO WHERE ID_CHECK_IN = ?"), {idCheckIn}).vazia();
}

Resultado cancelar(ConexaoBanco &conexao, const Textos &t, const Mesa &mesa)
{
    return conexao.emTransacao([&]() -> Resultado {
        Resultado r;
        const std::optional<Mesa> m = travar(conexao, mesa.id);
        if (!comoMostrada(m, mesa) || !m->ocupada()) {
            r.mensagem = msgMesaMudou(t, mesa.id);
            return r;
        }
        // An order stored meanwhile locked this row first: it is seen now.
        if (temConsumo(conexao, m->idCheckIn)) {
            r.mensagem = kMsgCancelarComConsumo;
            return r;
        }
        RegistrarLog(conexao, QStringLiteral("Cancelou Mesa/Cartão de Numero -> %1 (%2)").arg(m->id).arg(m->descricao));
        conexao.executar(QStringLiteral("UPDATE MESA SET STATUS = 'L', AGUARDANDO_PAG = 'N' WHERE ID_MESA = ?"), {mesa.id});
        r.feito = true;
        return r;
    });
}

// ---------------------------------------------------------------- kitchen queue

QList<Pedido> lerFila(ConexaoBanco &conexao)
{
    const QList<Linha> linhas = conexao.lerTodas(kSqlFila);
    QList<Pedido> r;
    r.reserve(linhas.size());
    for (const Linha &l : linhas) {
        Pedido p;
        p.id = l.inteiro(QStringLiteral("ID_CONSUMO"));
        p.produto = l.texto(QStringLiteral("PRODUTO"));
        p.mesa = l.texto(QStringLiteral("MESA"));
        p.qtd = l.texto(QStringLiteral("QTD"));
        p.data = l.data(QStringLiteral("DATA"));
        p.hora = l.hora(QStringLiteral("HORA"));
        p.idProduto = l.inteiro(QStringLiteral("ID_PRODUTO"));
        p.servico = l.texto(QStringLiteral("SERVICO"));
        r.append(p);
    }
    return r;
}

QString qtdSimples(const QString &qtdSql)
{
    QString s = qtdSql.trimmed();
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s.isEmpty() ? QStringLiteral("0") : s;
}

QString linhaFila(const Pedido &p, const QDateTime &agora)
{
    const QDateTime pedido(p.data, p.hora);
    qint64 minutos = pedido.isValid() ? pedido.secsTo(agora) / 60 : 0;
    if (minutos < 0)
        minutos = -minutos;
    return QStringLiteral("%1 (%2) - %3 (%4:%5 min.)")
        .arg(p.produto, qtdSimples(p.qtd), p.mesa)
        .arg(minutos / 60, 2, 10, QLatin1Char('0'))
        .arg(minutos % 60, 2, 10, QLatin1Char('0'));
}

QString rodapeFila(int total) { return QStringLiteral("%1 Pedido(s)").arg(total); }

void concluirPedido(ConexaoBanco &conexao, qint64 idConsumo)
{
    conexao.emTransacao(
        [&] { conexao.executar(QStringLiteral("UPDATE CONSUMO SET CONCLUIDO = 'S' WHERE ID_CONSUMO = ?"), {idConsumo}); });
}

void cancelarPedido(ConexaoBanco &conexao, qint64 idConsumo)
{
    conexao.emTransacao([&] { conexao.executar(QStringLiteral("DELETE FROM CONSUMO WHERE ID_CONSUMO = ?"), {idConsumo}); });
}

// ---------------------------------------------------------------- table records

qint64 proximoNumero(ConexaoBanco &conexao)
{
    return conexao.valor(QStringLiteral("SELECT GEN_ID(GEN_ID_MESA, 0) AS CODIGO FROM RDB$DATABASE")).toLongLong() + 1;
}

Resultado incluirMesa(ConexaoBanco &conexao, const QString &descricao)
{
    const QString d = descricao.trimmed();
    Resultado r;
    if (d.isEmpty()) {
        r.mensagem = kMsgDescricaoInvalida;
        return r;
    }
    r.chave = conexao.emTransacao([&] {
        return conexao
            .valor(QStringLiteral("INSERT INTO MESA (DESCRICAO) VALUES (?) RETURNING ID_MESA"),
                   {cortarCaracteres(d, kTamanhoDescricao)})
            .toLongLong();
    });
    r.feito = true;
    return r;
}

Resultado alterarMesa(ConexaoBanco &conexao, qint64 id, const QString &descricao)
{
    const QString d = descricao.trimmed();
    Resultado r;
    if (d.isEmpty()) {
        r.mensagem = kMsgDescricaoInvalida;
        return r;
    }
    conexao.emTransacao([&] {
        conexao.executar(QStringLiteral("UPDATE MESA SET DESCRICAO = ? WHERE ID_MESA = ?"),
                       {cortarCaracteres(d, kTamanhoDescricao), id});
    });
    r.chave = id;
    r.feito = true;
    return r;
}

Criacao criarMesas(ConexaoBanco &conexao, const Textos &t, const QString &quantidade)
{
    Criacao c;
    static const QRegularExpression inteiro(QStringLiteral("^-?[0-9]{1,5}$"));
    const QString q = quantidade.trimmed();
    if (!inteiro.match(q).hasMatch()) {
        c.mensagem = kMsgQuantidadeCriacao;
        return c;
    }
    const int n = q.toInt();
    c.feito = true;
    if (n < 1)
        return c;
    c.criadas = conexao.emTransacao([&] {
        QList<qint64> chaves;
        // Numbers go on from the highest table: a generator left behind it
        // (tables brought in with their keys) is moved up first.
        const qint64 maior = conexao.valor(QStringLiteral("SELECT COALESCE(MAX(ID_MESA), 0) FROM MESA")).toLongLong();
        const qint64 atual = conexao.gerador(QStringLiteral("GEN_ID_MESA"), 0);
        if (atual < maior)
            conexao.gerador(QStringLiteral("GEN_ID_MESA"), int(maior - atual));
        for (int k = 0; k < n; ++k) {
            const qint64 id = conexao.gerador(QStringLiteral("GEN_ID_MESA"), 1);
            conexao.executar(QStringLiteral("INSERT INTO MESA (ID_MESA, DESCRICAO) VALUES (?, ?)"),
                           {id, t.nomeAutomatico + QString::number(id)});
            chaves.append(id);
        }
        return chaves;
    });
    return c;
}

} // namespace Mesas
