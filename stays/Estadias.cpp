#include "stays/Estadias.h"

#include "base/Grade.h"

#include <QRegularExpression>

namespace Estadias {

bool travarAberta(ConexaoBanco &c, qint64 idEntrada)
{
    return !c.ler(QStringLiteral("SELECT ID_WALK_IN FROM WALK_IN WHERE ID_WALK_IN = ? AND BAIXA = 'N' "
                                 "AND EXCLUIDO = 'N' WITH LOCK"),
                  {idEntrada})
                .vazia();
}

const char *const kMsgCodigoInvalido = "Código de Entrada Inválido!";
const char *const kMsgDataInvalida = "Data de Entrada Inválida!";
const char *const kMsgNomeHospede = "Informe o Nome do Hóspede!";
const char *const kMsgModeloPlaca = "Informe o Modelo e a Placa do Veículo!";

const char *const kColunasLista =
    "W.ID_WALK_IN, W.ID_RESERVA, W.DATA_ENTRADA, W.HORA_ENTRADA, W.DATA_SAIDA, W.HORA_SAIDA, "
    "W.ID_CLIENTE, W.ID_UH, W.QTD_ADULTOS, W.OBS, C.NOME, W.BAIXA, W.FORMA_PAG, W.DINHEIRO, W.VISA, "
    "W.MASTER, W.HIPER, W.CHEQUE, W.DEBVISA, W.DEBMASTER, W.NOTA, W.EXCLUIDO, W.MOTIVO, C.VALOR_MIN, "
    "W.NF, UH.NUMERO, W.VALOR_DIARIA";

QString status(const QString &baixa, const QString &excluido)
{
    if (excluido == QLatin1String("S"))
        return QStringLiteral("Cancelada");
    if (excluido != QLatin1String("N"))
        return {};
    if (baixa == QLatin1String("S"))
        return QStringLiteral("Fechada");
    if (baixa == QLatin1String("N"))
        return QStringLiteral("Em Aberto");
    return {};
}

std::optional<QColor> corStatus(const QString &s)
{
    if (s == QLatin1String("Fechada"))
        return corBGR(0x9FFF9F);
    if (s == QLatin1String("Em Aberto"))
        return corBGR(0xA4FFF3);
    if (s == QLatin1String("Cancelada"))
        return corBGR(0xC0C0C0);
    return std::nullopt;
}

namespace {

// Stays without a reservation (ID_RESERVA 0) or pointing to one that no
// longer exists are listed like any other: RESERVA is not joined.
// The stays with their room and customer. Outer joins let the engine walk
// the stays in the list's order and hand the grid its first rows at once,
// instead of joining and sorting every stay of the hotel's history first;
// a filter on the room's number starts from the room instead (porUH).
QString base(bool porUH = false)
{
    return QStringLiteral("SELECT ") + QString::fromUtf8(kColunasLista)
           + (porUH ? QStringLiteral(" FROM WALK_IN W JOIN UH ON UH.ID_UH = W.ID_UH JOIN CLIENTE C ON C.ID_CLIENTE = "
                                     "W.ID_CLIENTE WHERE 1 = 1")
                    : QStringLiteral(" FROM WALK_IN W LEFT JOIN UH ON UH.ID_UH = W.ID_UH LEFT JOIN CLIENTE C ON "
                                     "C.ID_CLIENTE = W.ID_CLIENTE WHERE 1 = 1"));
}

QString fim(bool somenteAbertas, OrdemLista ordem)
{
    QString s;
    if (somenteAbertas)
        s += QStringLiteral(" AND W.BAIXA = 'N'");
    s += ordem == OrdemLista::Codigo ? QStringLiteral(" ORDER BY W.ID_WALK_IN")
                                     : QStringLiteral(" ORDER BY W.DATA_ENTRADA, W.ID_WALK_IN");
    return s;
}

// dd/MM/yyyy, also without leading zeros (1/3/2026).
std::optional<QDate> lerData(const QString &texto)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const QRegularExpressionMatch m = re.match(texto);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate d(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!d.isValid())
        return std::nullopt;
    return d;
}

} // namespace

Consulta consultaLista(bool somenteAbertas, OrdemLista ordem)
{
    return {base() + fim(somenteAbertas, ordem), {}};
}

Consulta consultaHistorico(qint64 cliente, bool somenteAbertas)
{
    if (cliente <= 0)
        return consultaLista(somenteAbertas);
    return {base() + QStringLiteral(" AND W.ID_CLIENTE = ?") + fim(somenteAbertas, OrdemLista::Codigo), {cliente}};
}

std::optional<Consulta> consultaFiltro(CriterioFiltro criterio, const QString &texto, qint64 cliente,
                                       bool somenteAbertas, QString *erro)
{
    const QString t = texto.trimmed();
    const QString fecho = fim(somenteAbertas, OrdemLista::Codigo);
    switch (criterio) {
    case CriterioFiltro::Cliente:
        if (cliente <= 0)
            return consultaLista(somenteAbertas);
        return Consulta{base() + QStringLiteral(" AND W.ID_CLIENTE = ?") + fecho, {cliente}};
    case CriterioFiltro::Codigo: {
        if (t.isEmpty())
            return consultaLista(somenteAbertas);
        static const QRegularExpression digitos(QStringLiteral("^\\d{1,9}$"));
        if (!digitos.match(t).hasMatch()) {
            if (erro)
                *erro = QString::fromUtf8(kMsgCodigoInvalido);
            return std::nullopt;
        }
        return Consulta{base() + QStringLiteral(" AND W.ID_WALK_IN = ?") + fecho, {t.toLongLong()}};
    }
    case CriterioFiltro::UH:
        if (t.isEmpty())
            return consultaLista(somenteAbertas);
        return Consulta{base(true) + QStringLiteral(" AND UH.NUMERO = CAST(? AS VARCHAR(200))") + fecho, {t}};
    case CriterioFiltro::DataEntrada: {
        if (t.isEmpty())
            return consultaLista(somenteAbertas);
        const std::optional<QDate> d = lerData(t);
        if (!d) {
            if (erro)
                *erro = QString::fromUtf8(kMsgDataInvalida);
            return std::nullopt;
        }
        return Consulta{base() + QStringLiteral(" AND W.DATA_ENTRADA = ?") + fecho, {*d}};
    }
    }
    return consultaLista(somenteAbertas);
}

LayoutLista layoutLista(const QString &op, bool restaurante, bool alteraDiaria, bool movimentos)
{
    LayoutLista l;
    l.titulo = QStringLiteral("Entrada de Hóspedes (Walk-In)");
    const auto esconderComuns = [&l] {
        l.novaEntrada = l.alterarEntrada = l.filtros = l.excluir = false;
        l.formaPag = l.diariasCobradas = false;
        l.menuF2 = l.menuInsert = l.menuF3 = l.menuDelete = false;
    };
    if (op == QLatin1String("Despesas") && !restaurante) {
        esconderComuns();
        l.despesas = l.itens = l.alterarUH = l.alterarHospedes = l.despesasAvulsas = true;
        l.alterarDiaria = alteraDiaria || movimentos;
        l.titulo = QStringLiteral("Movimentações");
        l.somenteAbertas = true;
    } else if (op == QLatin1String("Despesas")) {
        esconderComuns();
        l.despesas = l.despesasAvulsas = true;
        l.titulo = QStringLiteral("Restaurante - Despesas e Consumos");
        l.somenteAbertas = true;
        l.colunasOcultas = {QStringLiteral("Status"),       QStringLiteral("Cliente"),
                            QStringLiteral("Data Chegada"), QStringLiteral("Hora Chegada"),
                            QStringLiteral("Hora Saída"),   QStringLiteral("Qtd. Pessoas"),
                            QStringLiteral("Valor da Diária (R$)")};
    } else if (op == QLatin1String("HIST")) {
        esconderComuns();
        l.formaPag = true; // not in the hidden set of the history
        l.titulo = QStringLiteral("Histórico de Cliente");
        l.historico = true;
    }
    // Rights: these never show to a user without MOVIMENTOS.
    if (!movimentos) {
        l.alterarDiaria = l.alterarEntrada = l.menuInsert = l.itens = l.menuDelete = l.emissaoNF = false;
    }
    return l;
}

EstadoLinha estadoLinha(const QString &baixa, const QString &excluido)
{
    EstadoLinha e;
    if (excluido == QLatin1String("S")) {
        e.excluir = e.formaPag = e.diariasCobradas = false;
        e.motivo = true;
    } else if (excluido == QLatin1String("N") && baixa == QLatin1String("S")) {
        e.excluir = false;
        e.formaPag = true;
        e.diariasCobradas = false;
        e.motivo = false;
    } else if (excluido == QLatin1String("N") && baixa == QLatin1String("N")) {
        e.excluir = true;
        e.formaPag = false;
        e.diariasCobradas = true;
        e.motivo = false;
    }
    return e;
}

ModoFormulario modoFormulario(const QString &op, const QString &cliente, const QString &uh, const QString &baixa)
{
    const QString ativa = baixa == QLatin1String("S") ? QStringLiteral("SAÍDA EFETUADA - INATIVO")
                                                     : QStringLiteral("ENTRADA CONCLUÍDA - ATIVO");
    const QString sufixo = QStringLiteral(" - ") + cliente + QStringLiteral(" (") + uh + QStringLiteral(")");
    if (op == QLatin1String("I"))
        return {QStringLiteral("Nova Entrada"), QStringLiteral("EM CADASTRAMENTO")};
    if (op == QLatin1String("A"))
        return {QStringLiteral("Alterar Entrada"), ativa};
    if (op == QLatin1String("V"))
        return {QStringLiteral("Ver Entrada"), ativa};
    if (op == QLatin1String("Despesas"))
        return {QStringLiteral("Despesas e Consumos") + sufixo, QStringLiteral("MOVIMENTANDO DESPESAS - ATIVO")};
    if (op == QLatin1String("Itens"))
        return {QStringLiteral("Itens de Estoque") + sufixo, QStringLiteral("MOVIMENTANDO ITENS DE ESTOQUE - ATIVO")};
    if (op == QStringLiteral("Saída"))
        return {QStringLiteral("Fechamento de Conta (Walk-Out)"), QStringLiteral("FECHANDO CONTA - ATIVO")};
    return {QStringLiteral("Ver Entrada"), ativa};
}

namespace {

Oferta ofertaDe(const Linha &l)
{
    Oferta o;
    o.idReserva = l.inteiro(QStringLiteral("ID_RESERVA"));
    o.idCliente = l.inteiro(QStringLiteral("ID_CLIENTE"));
    o.idUH = l.inteiro(QStringLiteral("ID_UH"));
    o.pessoas = int(l.inteiro(QStringLiteral("QTD_PESSOAS")));
    o.entrada = l.data(QStringLiteral("DATA_ENTRADA"));
    o.saida = l.data(QStringLiteral("DATA_SAIDA"));
    o.horaSaida = l.hora(QStringLiteral("HORA_SAIDA"));
    o.obs = l.texto(QStringLiteral("OBS"));
    o.cliente = l.texto(QStringLiteral("NOME"));
    o.numero = l.texto(QStringLiteral("NUMERO"));
    return o;
}

const char *const kSqlOferta =
    "SELECT FIRST 1 R.ID_RESERVA, R.ID_CLIENTE, R.ID_UH, R.QTD_PESSOAS, R.DATA_ENTRADA, R.DATA_SAIDA, "
    "R.HORA_SAIDA, R.OBS, C.NOME, UH.NUMERO FROM RESERVA R LEFT JOIN CLIENTE C ON C.ID_CLIENTE = R.ID_CLIENTE "
    "LEFT JOIN UH ON UH.ID_UH = R.ID_UH ";

} // namespace

std::optional<Oferta> reservaDeHoje(ConexaoBanco &conexao, bool porUH, qint64 chave, const QDate &hoje)
{
    if (chave <= 0)
        return std::nullopt;
    const QString sql = QString::fromUtf8(kSqlOferta)
                        + (porUH ? QStringLiteral("WHERE R.ID_UH = ?") : QStringLiteral("WHERE R.ID_CLIENTE = ?"))
                        + QStringLiteral(" AND R.CONFIRMADA = 'N' AND R.EXCLUIDO = 'N' AND R.DATA_ENTRADA <= ? "
                                         "AND R.DATA_SAIDA >= ? ORDER BY R.DATA_ENTRADA, R.ID_RESERVA");
    const Linha l = conexao.ler(sql, {chave, hoje, hoje});
    if (l.vazia())
        return std::nullopt;
    return ofertaDe(l);
}

std::optional<Oferta> reservaPorId(ConexaoBanco &conexao, qint64 idReserva)
{
    if (idReserva <= 0)
        return std::nullopt;
    const Linha l = conexao.ler(QString::fromUtf8(kSqlOferta) + QStringLiteral("WHERE R.ID_RESERVA = ?"),
                                    {idReserva});
    if (l.vazia())
        return std::nullopt;
    return ofertaDe(l);
}

QString textoOferta(const Oferta &o, bool porUH)
{
    return QStringLiteral("--- ATENÇÃO --- \r\r")
           + (porUH ? QStringLiteral("Esta UH possui uma Reserva Agendada:")
                    : QStringLiteral("Este Cliente possui uma Reserva Agendada:"))
           + QStringLiteral("\rCliente: ") + o.cliente + QStringLiteral("\rPeríodo: (")
           + o.entrada.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" a ")
           + o.saida.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(")\rUH: (") + o.numero
           + QStringLiteral(")\r\rDeseja Registrar a Chegada da Reserva?");
}

Padroes padroesDaUH(ConexaoBanco &conexao, qint64 idUH)
{
    Padroes p;
    const Linha uh = conexao.ler(QStringLiteral("SELECT ID_TIPO_UH FROM UH WHERE ID_UH = ?"), {idUH});
    if (uh.vazia())
        return p;
    const qint64 tipo = uh.inteiro(QStringLiteral("ID_TIPO_UH"));
    ConexaoBanco &c = conexao;
    for (const Linha &l : c.lerTodas(QStringLiteral("SELECT ID_ITEM, QTD FROM PADRAO_ITEM WHERE ID_TIPO_UH = ? AND "
                                                    "ID_ITEM NOT IN (SELECT ID_ITEM FROM ANULACAO) ORDER BY ID_ITEM"),
                                     {tipo}))
        p.itens.append({l.inteiro(QStringLiteral("ID_ITEM")), int(l.inteiro(QStringLiteral("QTD")))});
    for (const Linha &l : c.lerTodas(QStringLiteral("SELECT ID_ITEM, QTD FROM PADRAO_UH WHERE ID_UH = ? AND "
                                                    "ID_ITEM NOT IN (SELECT ID_ITEM FROM ANULACAO) ORDER BY ID_ITEM"),
                                     {idUH}))
        p.itens.append({l.inteiro(QStringLiteral("ID_ITEM")), int(l.inteiro(QStringLiteral("QTD")))});
    for (const Linha &l :
         c.lerTodas(QStringLiteral("SELECT P.ID_P_S, P.QTD, P.VALOR FROM PADRAO_PS P JOIN PRODUTOS_SERVICOS S ON "
                                   "S.ID_P_S = P.ID_P_S AND S.EXCLUIDO = 'N' WHERE P.ID_TIPO_UH = ? ORDER BY P.ID_P_S"),
                    {tipo}))
        p.frigobar.append({l.inteiro(QStringLiteral("ID_P_S")), int(l.inteiro(QStringLiteral("QTD"))),
                           l.dinheiro(QStringLiteral("VALOR"))});
    for (const Linha &l :
         c.lerTodas(QStringLiteral("SELECT P.ID_PS, P.QTD, S.VALOR FROM PADRAO_PS_UH P JOIN PRODUTOS_SERVICOS S ON "
                                   "S.ID_P_S = P.ID_PS AND S.EXCLUIDO = 'N' WHERE P.ID_UH = ? ORDER BY P.ID_PS"),
                    {idUH}))
        p.frigobar.append({l.inteiro(QStringLiteral("ID_PS")), int(l.inteiro(QStringLiteral("QTD"))),
                           l.dinheiro(QStringLiteral("VALOR"))});
    return p;
}

std::optional<QString> nomeHospede(const QString &digitado, QString *erro)
{
    const QString n = digitado.trimmed().toUpper();
    if (n.isEmpty() || n == QLatin1String("=")) {
        if (erro)
            *erro = QString::fromUtf8(kMsgNomeHospede);
        return std::nullopt;
    }
    return n.left(90);
}

std::optional<Veiculo> veiculo(const QString &modelo, const QString &placa, QString *erro)
{
    const QString m = modelo.trimmed().toUpper();
    QString p = placa.trimmed().toUpper();
    if (m.isEmpty() || p.isEmpty()) {
        if (erro)
            *erro = QString::fromUtf8(kMsgModeloPlaca);
        return std::nullopt;
    }
    return Veiculo{m.left(30), p.left(8)};
}

} // namespace Estadias
