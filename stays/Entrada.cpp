#include "stays/Entrada.h"

#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "rooms/EstadoUH.h"

namespace Entrada {

namespace {

// A refusal found inside the save's transaction: everything is rolled back.
struct Desistencia {
    Recusa recusa;
};

// Persons the edit accepts: a party larger than this is a typing error.
constexpr int kMaxPessoas = 99;

int responsaveis(const QStringList &hospedes)
{
    int n = 0;
    for (const QString &h : hospedes)
        if (h.startsWith(QLatin1Char('=')))
            ++n;
    return n;
}

QString cortar(const QString &s, int n) { return s.left(n); }

// A guest row of a stay with its log line, inside the caller's transaction.
void gravarHospede(ConexaoBanco &c, qint64 idEntrada, const QString &nome, const QString &numeroUH)
{
    const QString n = nome.toUpper();
    c.executar(QStringLiteral("INSERT INTO HOSPEDE (ID_ENTRADA, NOME, BAIXA) VALUES (?, ?, 'N')"),
               {idEntrada, cortar(n, 90)});
    RegistrarLog(c, TextoLogCodigo(QStringLiteral("Incluiu Hóspede Acompanhante"), idEntrada, n, numeroUH));
}

// A vehicle row of a stay with its log line, inside the caller's transaction.
void gravarVeiculo(ConexaoBanco &c, qint64 idEntrada, const Veiculo &v)
{
    const QString modelo = v.modelo.toUpper();
    const QString placa = v.placa.toUpper();
    c.executar(QStringLiteral("INSERT INTO VEICULO (ID_ENTRADA, MODELO, PLACA, BAIXA) VALUES (?, ?, ?, 'N')"),
               {idEntrada, cortar(modelo, 30), cortar(placa, 8)});
    RegistrarLog(c, TextoLogCodigo(QStringLiteral("Incluiu Veículo"), idEntrada, modelo, placa));
}

} // namespace

QString textoUHIndisponivel(const QString &numero)
{
    return QStringLiteral("A UH ") + numero
        + QStringLiteral(" não está mais livre: foi ocupada ou posta em manutenção em outra estação. "
                         "Escolha outra UH.");
}

QString textoReservaIndisponivel() { return QString::fromUtf8(EstadoUH::kMsgReservaMudou); }

int numeroPessoas(const QString &texto)
{
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    return ok ? n : 0;
}

Regras Regras::atuais()
{
    const TParametros &p = tParametros();
    Regras r;
    r.movimentos = Sessao::atual().direitos.MOVIMENTOS;
    r.travarHospedes = p.sim(QStringLiteral("TRAVAR_HOSPEDES"));
    r.limiteDesconto = p.dinheiro(QStringLiteral("LIMITE_DESCONTO"));
    r.diariaMaior = p.texto(QStringLiteral("DIARIA_MAIOR")) != QLatin1String("N");
    r.percentualPolitica = p.dinheiro(QStringLiteral("PERCENTUAL_POLITICA_INDIVIDUAL"));
    r.inicioPolitica = p.hora(QStringLiteral("INICIO_POLITICA"));
    r.terminoPolitica = p.hora(QStringLiteral("TERMINO_POLITICA"));
    static const char *const dias[8] = {nullptr,           "POLITICA_SEGUNDA", "POLITICA_TERCA",
                                        "POLITICA_QUARTA", "POLITICA_QUINTA",  "POLITICA_SEXTA",
                                        "POLITICA_SABADO", "POLITICA_DOMINGO"};
    for (int d = 1; d <= 7; ++d)
        r.politicaDia[d] = p.sim(QString::fromLatin1(dias[d]));
    r.motel = p.sim(QStringLiteral("MODO_MOTEL"));
    return r;
}

std::optional<Recusa> verificarCampos(const Dados &d, const Regras &r)
{
    if (d.cliente <= 0)
        return Recusa{Textos::ClienteInvalido, Campo::Cliente};
    if (d.uh <= 0)
        return Recusa{Textos::UHInvalida, Campo::UH};
    const int n = numeroPessoas(d.pessoas);
    if (n < 1 || n > kMaxPessoas)
        return Recusa{Textos::PessoasInvalidas, Campo::Pessoas};
    const std::optional<Dinheiro> diaria = Dinheiro::deTexto(d.diaria);
    if (!diaria || *diaria <= Dinheiro())
        return Recusa{Textos::DiariaInvalida, Campo::Diaria};
    const int resp = responsaveis(d.hospedes);
    const int hospedes = int(d.hospedes.size());
    if (resp >= 2)
        return Recusa{Textos::UmResponsavel, Campo::IncluirHospede};
    // A stay already saved holds the customer as a guest when nobody was responsible.
    const int cliente = d.existente ? 0 : 1;
    if (r.travarHospedes && resp == 0 && hospedes + cliente != n)
        return Recusa{Textos::HospedesIncorretos, Campo::IncluirHospede};
    if (r.travarHospedes && resp == 1 && hospedes != n)
        return Recusa{Textos::HospedesIncorretos, Campo::IncluirHospede};
    return std::nullopt;
}

std::optional<Recusa> verificarLimites(const Dados &d, const Regras &r)
{
    if (r.movimentos)
        return std::nullopt;
    const Dinheiro D = Dinheiro::deTexto(d.diaria).value_or(Dinheiro());
    const Dinheiro P = d.valorDiariaPadrao;
    const Dinheiro M = d.valorMinCliente;
    if (M.zero() && !P.zero()) {
        if (D < P - P.percentual(r.limiteDesconto.centavos()))
            return Recusa{Textos::LimiteDesconto, Campo::Diaria};
        if (D < d.valorMin)
            return Recusa{Textos::LimiteDesconto, Campo::Diaria};
    }
    if (!M.zero() && !P.zero() && D < M)
        return Recusa{Textos::LimiteDesconto, Campo::Diaria};
    if (!r.diariaMaior && D > P)
        return Recusa{Textos::AcimaTabela, Campo::Diaria};
    return std::nullopt;
}

std::optional<Recusa> verificarChoque(ConexaoBanco &conexao, const Dados &d)
{
    if (d.reserva != 0 || d.uh <= 0 || !d.dataEntrada.isValid() || !d.dataSaida.isValid())
        return std::nullopt;
    const QVariant achou = conexao.valor(
        QStringLiteral("SELECT FIRST 1 RUH.ID_RESERVA FROM RESERVA R JOIN RESERVA_UH RUH ON RUH.ID_RESERVA = "
                       "R.ID_RESERVA WHERE RUH.ID_UH = ? AND RUH.DATA_ENTRADA BETWEEN ? AND ?"),
        {d.uh, d.dataEntrada, d.dataSaida});
    if (achou.isValid() && !achou.isNull())
        return Recusa{Textos::Choque, Campo::Nenhum, false};
    return std::nullopt;
}

QList<Alternativa> alternativas(ConexaoBanco &conexao, const Dados &d)
{
    const int n = numeroPessoas(d.pessoas);
    if (n < 1 || d.uh <= 0)
        return {};
    // The party's conditions on the type's rates, from a fixed list.
    static const char *const condicoes[4] = {
        " AND T.P2 = 0 AND T.P3 = 0 AND T.P4 = 0",
        " AND T.P2 <> 0 AND T.P3 = 0 AND T.P4 = 0",
        " AND T.P2 <> 0 AND T.P3 <> 0 AND T.P4 = 0",
        " AND T.P2 <> 0 AND T.P3 <> 0 AND T.P4 <> 0",
    };
    qint64 tipo = d.tipoUH;
    if (tipo <= 0)
        tipo = conexao.valor(QStringLiteral("SELECT ID_TIPO_UH FROM UH WHERE ID_UH = ?"), {d.uh}).toLongLong();
    const QString sql = QStringLiteral("SELECT UH.ID_UH, UH.NUMERO, UH.DESCRICAO, T.DESCRICAO AS TIPO "
                                       "FROM UH JOIN TIPO_UH T ON UH.ID_TIPO_UH = T.ID_TIPO_UH "
                                       "WHERE UH.ID_UH <> ? AND T.ID_TIPO_UH <> ? AND T.P1 <> 0")
        + QString::fromLatin1(condicoes[qMin(n, 4) - 1])
        + QStringLiteral(" AND UH.EXCLUIDO = 'N' AND UH.SITUACAO = 'L' ORDER BY UH.NUMERO");
    QList<Alternativa> r;
    for (const Linha &l : conexao.lerTodas(sql, {d.uh, tipo}))
        r.append({l.inteiro(QStringLiteral("ID_UH")), l.texto(QStringLiteral("NUMERO")),
                  l.texto(QStringLiteral("TIPO")), l.texto(QStringLiteral("DESCRICAO"))});
    return r;
}

QString perguntaAlternativas(const QList<Alternativa> &lista, const QString &numeroEscolhido)
{
    QString t = QStringLiteral("O Sistema encontrou outras opções para a conclusão desta hospedagem!\n\n");
    for (const Alternativa &a : lista)
        t += QStringLiteral("UH ") + a.numero + QStringLiteral(" - ") + a.tipo + QStringLiteral(" -> (")
            + a.descricao + QStringLiteral(")\n");
    t += QStringLiteral("\nDeseja Realmente colocar o hospede na UH ") + numeroEscolhido + QStringLiteral("?");
    return t;
}

bool politicaAplica(const Regras &r, const QDateTime &agora)
{
    const int dia = agora.date().dayOfWeek();
    if (dia < 1 || dia > 7 || !r.politicaDia[dia])
        return false;
    const QTime h = agora.time();
    const QTime a = r.inicioPolitica;
    const QTime b = r.terminoPolitica;
    // A window such as 22:00 to 06:00 runs across midnight.
    return a <= b ? (h >= a && h <= b) : (h >= a || h <= b);
}

int limitePolitica(const Regras &r, int quartos)
{
    // percent (hundredths) × rooms / 100, rounded half away from zero
    const qint64 n = r.percentualPolitica.centavos() * quartos;
    qint64 q = n / 10000;
    if ((n % 10000) * 2 >= 10000)
        ++q;
    return int(q);
}

std::optional<Recusa> verificarPolitica(ConexaoBanco &conexao, const Dados &d, const Regras &r, const QDateTime &agora)
{
    if (d.pessoas.trimmed() != QLatin1String("1") || r.movimentos || d.reserva != 0)
        return std::nullopt;
    if (!politicaAplica(r, agora))
        return std::nullopt;
    const QDate hoje = agora.date();
    const int quartos =
        int(conexao.valor(QStringLiteral("SELECT COUNT(*) FROM UH WHERE EXCLUIDO = 'N'")).toLongLong());
    const qint64 estadias =
        conexao
            .valor(QStringLiteral("SELECT COUNT(*) FROM WALK_IN WHERE EXCLUIDO = 'N' AND BAIXA = 'N' AND QTD_ADULTOS = 1 "
                                  "AND ID_UH NOT IN (SELECT RUH.ID_UH FROM RESERVA R JOIN RESERVA_UH RUH "
                                  "ON R.ID_RESERVA = RUH.ID_RESERVA WHERE RUH.DATA_ENTRADA = ?)"),
                   {hoje})
            .toLongLong();
    const qint64 reservas =
        conexao
            .valor(QStringLiteral("SELECT COUNT(*) FROM RESERVA R JOIN RESERVA_UH RUH ON R.ID_RESERVA = RUH.ID_RESERVA "
                                  "WHERE R.QTD_PESSOAS = 1 AND RUH.DATA_ENTRADA = ?"),
                   {hoje})
            .toLongLong();
    if (estadias + reservas >= limitePolitica(r, quartos))
        return Recusa{Textos::Politica, Campo::Nenhum, false};
    return std::nullopt;
}

Verificacao verificar(ConexaoBanco &conexao, const Dados &d, const Regras &r, const QDateTime &agora,
                      const std::function<bool(const QString &)> &perguntar)
{
    Verificacao v;
    if (d.dataEntrada.isValid() && d.dataSaida.isValid() && d.dataSaida < d.dataEntrada) {
        v.recusa = Recusa{Textos::SaidaAntesChegada, Campo::Saida};
        return v;
    }
    if ((v.recusa = verificarChoque(conexao, d)))
        return v;
    if ((v.recusa = verificarCampos(d, r)))
        return v;
    if ((v.recusa = verificarLimites(d, r)))
        return v;
    if (d.reserva == 0) {
        const QList<Alternativa> alt = alternativas(conexao, d);
        if (!alt.isEmpty() && !perguntar(perguntaAlternativas(alt, d.numeroUH))) {
            v.abandonada = true;
            return v;
        }
    }
    v.recusa = verificarPolitica(conexao, d, r, agora);
    return v;
}

Gravacao incluir(ConexaoBanco &conexao, const Dados &d, const QString &usuario, const QDate &hoje)
{
    Gravacao g;
    ConexaoBanco &c = conexao;
    const Dinheiro diaria = Dinheiro::deTexto(d.diaria).value_or(Dinheiro());
    const int pessoas = numeroPessoas(d.pessoas);
    try {
        g.idEntrada = c.emTransacao([&]() -> qint64 {
            // 1. The reservation becomes this stay; its days are gone.
            if (d.reserva != 0) {
                const qint64 uhReserva =
                    c.valor(QStringLiteral("SELECT ID_UH FROM RESERVA WHERE ID_RESERVA = ?"), {d.reserva}).toLongLong();
                if (c.executar(QStringLiteral("UPDATE RESERVA SET CONFIRMADA = 'S' "
                                              "WHERE ID_RESERVA = ? AND CONFIRMADA = 'N' AND EXCLUIDO = 'N'"),
                               {d.reserva})
                    != 1)
                    throw Desistencia{Recusa{textoReservaIndisponivel(), Campo::Nenhum}};
                c.executar(QStringLiteral("DELETE FROM RESERVA_UH WHERE ID_RESERVA = ?"), {d.reserva});
                // The reserved room, when another one was chosen, is no longer held today.
                if (uhReserva > 0 && uhReserva != d.uh)
                    EstadoUH::reaplicarSituacao(conexao, uhReserva, EstadoUH::Reservada);
            }
            // 2. The room, still free or reserved for today.
            if (c.executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ? AND SITUACAO IN ('L', 'R')"),
                           {d.uh})
                != 1)
                throw Desistencia{Recusa{textoUHIndisponivel(d.numeroUH), Campo::UH}};
            //    Held by that update, the room's reservations are tested again:
            //    one made on another workstation since the form checked counts.
            if (auto choque = verificarChoque(conexao, d))
                throw Desistencia{*choque};
            // 3. The stay, its key from the generator.
            //    The key reserved when the form opened, else one drawn now.
            Valores valores{d.reserva, d.dataEntrada, d.horaEntrada, d.dataSaida, d.horaSaida, d.cliente, d.uh,
                            pessoas, diaria.paraBanco(), cortar(d.obs.toUpper(), 250), cortar(usuario, 10)};
            QString colunaChave, valorChave;
            if (d.idEntrada > 0) {
                colunaChave = QStringLiteral("ID_WALK_IN, ");
                valorChave = QStringLiteral("?, ");
                valores.prepend(d.idEntrada);
            }
            const qint64 id =
                c.valor(QStringLiteral("INSERT INTO WALK_IN (%1ID_RESERVA, DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, "
                                       "HORA_SAIDA, ID_CLIENTE, ID_UH, QTD_ADULTOS, VALOR_DIARIA, BAIXA, OBS, "
                                       "DINHEIRO, VISA, MASTER, HIPER, CHEQUE, NOTA, DEBVISA, DEBMASTER, "
                                       "USUARIO_ENTRADA, FUNCIONARIO_LIMPEZA) VALUES (%2?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                       "'N', ?, 0, 0, 0, 0, 0, 0, 0, 0, ?, 0) RETURNING ID_WALK_IN")
                            .arg(colunaChave, valorChave),
                        valores)
                    .toLongLong();
            // 4. The guests: the customer when nobody is responsible.
            if (responsaveis(d.hospedes) == 0)
                c.executar(QStringLiteral("INSERT INTO HOSPEDE (ID_ENTRADA, NOME, BAIXA) VALUES (?, ?, 'N')"),
                           {id, cortar(d.nomeCliente, 90)});
            for (const QString &h : d.hospedes)
                gravarHospede(c, id, h, d.numeroUH);
            for (const Veiculo &v : d.veiculos)
                gravarVeiculo(c, id, v);
            for (const Consumo::LinhaNova &l : d.consumo) {
                Consumo::gravarLinha(c, id, l, usuario);
                RegistrarLog(c, TextoLogCodigo(QStringLiteral("Incluiu Despesa ou Consumo"), id, l.descricao, d.numeroUH));
            }
            for (const ItemQuarto &i : d.itens)
                c.executar(QStringLiteral("INSERT INTO ITEM_ENTRADA (ID_ENTRADA, ID_ITEM, QTD) VALUES (?, ?, ?)"),
                           {id, i.id, i.qtd});
            for (const ItemFrigobar &f : d.frigobar)
                c.executar(
                    QStringLiteral("INSERT INTO PS_ENTRADA (ID_ENTRADA, ID_P_S, QTD, VALOR) VALUES (?, ?, ?, ?)"),
                    {id, f.id, f.qtd, f.valor.paraBanco()});
            // 5. The first night, dated today.
            c.executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, ?, ?)"),
                       {id, hoje, diaria.paraBanco(), pessoas});
            // 6. The log.
            RegistrarLog(c, TextoLogCodigo(QStringLiteral("Incluiu Entrada de Hóspede"), id, d.nomeCliente, d.numeroUH));
            return id;
        });
    } catch (const Desistencia &x) {
        g.idEntrada = 0;
        g.recusa = x.recusa;
    }
    return g;
}

Gravacao alterar(ConexaoBanco &conexao, const Dados &d)
{
    Gravacao g;
    ConexaoBanco &c = conexao;
    const Dinheiro diaria = Dinheiro::deTexto(d.diaria).value_or(Dinheiro());
    try {
        c.emTransacao([&] {
            if (d.reserva != 0) {
                c.executar(QStringLiteral("UPDATE RESERVA SET CONFIRMADA = 'S' WHERE ID_RESERVA = ?"), {d.reserva});
                if (d.reservaGravada != 0 && d.reservaGravada != d.reserva)
                    c.executar(QStringLiteral("UPDATE RESERVA SET CONFIRMADA = 'N' WHERE ID_RESERVA = ?"),
                               {d.reservaGravada});
            }
            if (c.executar(QStringLiteral("UPDATE WALK_IN SET ID_RESERVA = ?, DATA_ENTRADA = ?, DATA_SAIDA = ?, "
                                          "HORA_ENTRADA = ?, HORA_SAIDA = ?, ID_CLIENTE = ?, ID_UH = ?, "
                                          "QTD_ADULTOS = ?, VALOR_DIARIA = ?, OBS = ? WHERE ID_WALK_IN = ?"),
                           {d.reserva, d.dataEntrada, d.dataSaida, d.horaEntrada, d.horaSaida, d.cliente, d.uh,
                            numeroPessoas(d.pessoas), diaria.paraBanco(), cortar(d.obs.toUpper(), 250),
                            d.idEntrada})
                != 1)
                throw Desistencia{Recusa{QStringLiteral("Esta entrada não existe mais."), Campo::Nenhum}};
            RegistrarLog(c, TextoLogCodigo(QStringLiteral("Alterou Entrada de Hóspede"), d.idEntrada, d.nomeCliente,
                                           d.numeroUH));
        });
        g.idEntrada = d.idEntrada;
    } catch (const Desistencia &x) {
        g.recusa = x.recusa;
    }
    return g;
}

// ---------------------------------------------------------------- a stored stay's guests and vehicles

void incluirHospede(ConexaoBanco &c, qint64 idEntrada, const QString &nome, const QString &numeroUH)
{
    c.emTransacao([&] { gravarHospede(c, idEntrada, nome, numeroUH); });
}

bool excluirHospede(ConexaoBanco &c, qint64 idEntrada, qint64 idHospede, const QString &nome,
                    const QString &numeroUH)
{
    return c.emTransacao([&] {
        if (c.executar(QStringLiteral("DELETE FROM HOSPEDE WHERE ID_HOSPEDE = ? AND ID_ENTRADA = ?"),
                       {idHospede, idEntrada})
            != 1)
            return false;
        RegistrarLog(c, TextoLogCodigo(QStringLiteral("Excluiu Hóspede Acompanhante"), idEntrada, nome, numeroUH));
        return true;
    });
}

void incluirVeiculo(ConexaoBanco &c, qint64 idEntrada, const Veiculo &v)
{
    c.emTransacao([&] { gravarVeiculo(c, idEntrada, v); });
}

bool excluirVeiculo(ConexaoBanco &c, qint64 idEntrada, qint64 idVeiculo, const Veiculo &v)
{
    return c.emTransacao([&] {
        if (c.executar(QStringLiteral("DELETE FROM VEICULO WHERE ID_VEICULO = ? AND ID_ENTRADA = ?"),
                       {idVeiculo, idEntrada})
            != 1)
            return false;
        RegistrarLog(c, TextoLogCodigo(QStringLiteral("Excluiu Veículo"), idEntrada, v.modelo, v.placa));
        return true;
    });
}

void gravarObservacao(ConexaoBanco &c, qint64 idEntrada, const QString &obs)
{
    c.emTransacao([&] {
        c.executar(QStringLiteral("UPDATE WALK_IN SET OBS = ? WHERE ID_WALK_IN = ?"), {cortar(obs, 250), idEntrada});
    });
}

void lerGravados(ConexaoBanco &c, Dados &d)
{
    if (d.existente) {
        for (const Linha &h :
             c.lerTodas(QStringLiteral("SELECT NOME FROM HOSPEDE WHERE ID_ENTRADA = ?"), {d.idEntrada}))
            d.hospedes.append(h.texto(QStringLiteral("NOME")));
    }
    d.valorMinCliente = d.cliente > 0 ? c.ler(QStringLiteral("SELECT VALOR_MIN FROM CLIENTE WHERE ID_CLIENTE = ?"),
                                              {d.cliente})
                                            .dinheiro(QStringLiteral("VALOR_MIN"))
                                      : Dinheiro();
}

} // namespace Entrada
