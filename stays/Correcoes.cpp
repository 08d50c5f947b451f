#include "stays/Correcoes.h"

#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "rooms/EstadoUH.h"
#include "stays/CalculoEstadia.h"
#include "stays/Entrada.h"
#include "stays/Estadias.h"
#include "stays/Pagamentos.h"

#include <QSet>
#include <functional>

namespace Correcoes {

namespace {

// Raised inside a correction's transaction: rolls it back and becomes the
// correction's result.
struct Parada {
    Resultado r;
};

Resultado recusa(const QString &mensagem, Foco foco = Foco::Nenhum, Mensagem::Tipo tipo = Mensagem::Tipo::Aviso)
{
    Resultado r;
    r.mensagem = mensagem;
    r.tipo = tipo;
    r.foco = foco;
    return r;
}

Resultado mudou(const QString &mensagem = kMsgEntradaMudou)
{
    Resultado r = recusa(mensagem);
    r.mudou = true;
    return r;
}

Resultado feito(const QString &mensagem = {})
{
    Resultado r;
    r.feito = true;
    r.mensagem = mensagem;
    r.tipo = Mensagem::Tipo::Informacao;
    return r;
}

Resultado executar(ConexaoBanco &c, const std::function<void()> &operacao, const Resultado &sucesso)
{
    try {
        c.emTransacao(operacao);
    } catch (const Parada &p) {
        return p.r;
    } catch (const Pagamentos::RecusaCaixa &r) {
        return recusa(r.caixa.mensagem, Foco::Nenhum, r.caixa.tipo);
    }
    return sucesso;
}

// The log rows of a correction, on the correction's own connection and in its
// transaction (the same row RegistrarLog / NovoRegistrarLog write).
void logar(ConexaoBanco &c, const QString &operacao, const std::optional<QString> &antes = std::nullopt,
           const QString &depois = {})
{
    const QDateTime agora = Relogio::agora();
    const QString usuario = Sessao::atual().login.left(10);
    const QString op = operacao.left(kTamanhoOperacaoLog);
    if (antes)
        c.executar(QStringLiteral("INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA, ANTES, DEPOIS) "
                                  "VALUES (?, ?, ?, ?, ?, ?)"),
                   {usuario, op, agora.date(), agora.time(), *antes, depois});
    else
        c.executar(QStringLiteral("INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA) VALUES (?, ?, ?, ?)"),
                   {usuario, op, agora.date(), agora.time()});
}

const QString kAberta = QStringLiteral(" AND BAIXA = 'N' AND EXCLUIDO = 'N'");
const QString kEntradaAberta = QStringLiteral(
    " AND EXISTS (SELECT 1 FROM WALK_IN W WHERE W.ID_WALK_IN = OCUPACAO.ID_ENTRADA AND W.BAIXA = 'N' "
    "AND W.EXCLUIDO = 'N')");

// The guest rows of a stay made equal to the panel's list: removed ones
// deleted, stored ones renamed, added ones inserted (their key from the
// table's trigger).
void escreverHospedes(ConexaoBanco &c, qint64 idEntrada, const QList<Hospede> &hs)
{
    QSet<qint64> manter;
    for (const Hospede &h : hs)
        if (h.id > 0)
            manter.insert(h.id);
    for (const Hospede &h : hospedes(c, idEntrada))
        if (!manter.contains(h.id))
            c.executar(QStringLiteral("DELETE FROM HOSPEDE WHERE ID_HOSPEDE = ? AND ID_ENTRADA = ?"), {h.id, idEntrada});
    for (const Hospede &h : hs) {
        if (h.id > 0) {
            if (c.executar(QStringLiteral("UPDATE HOSPEDE SET NOME = ? WHERE ID_HOSPEDE = ? AND ID_ENTRADA = ?"),
                           {h.nome.left(90), h.id, idEntrada})
                != 1)
                throw Parada{mudou()};
        } else {
            c.executar(QStringLiteral("INSERT INTO HOSPEDE (ID_ENTRADA, NOME, BAIXA) VALUES (?, ?, 'N')"),
                       {idEntrada, h.nome.left(90)});
        }
    }
}

} // namespace

void Resultado::mostrar() const
{
    if (!mensagem.isEmpty())
        Mensagem::mostrar(tipo, mensagem, Mensagem::Ok, Mensagem::Ok);
}

QDateTime limite(const QDate &data, const QTime &hora, const QTime &duracao)
{
    const QTime h = hora.isValid() ? hora : QTime(0, 0);
    const qint64 segundos = duracao.isValid() ? QTime(0, 0).secsTo(duracao) : 0;
    return QDateTime(data, h).addSecs(segundos);
}

Dinheiro Estadia::totalPago() const
{
    Dinheiro t;
    for (int i = 0; i < int(MeioCaixa::APrazo); ++i)
        t += pagos[size_t(i)];
    return t;
}

std::optional<Estadia> ler(ConexaoBanco &c, qint64 idEntrada)
{
    const Linha l = c.ler(
        QStringLiteral("SELECT W.*, UH.NUMERO, UH.ID_TIPO_UH, C.NOME, C.VALOR_MIN FROM WALK_IN W "
                       "LEFT JOIN UH ON UH.ID_UH = W.ID_UH LEFT JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE "
                       "WHERE W.ID_WALK_IN = ?"),
        {idEntrada});
    if (l.vazia())
        return std::nullopt;
    Estadia e;
    e.id = idEntrada;
    e.idUH = l.inteiro(QStringLiteral("ID_UH"));
    e.numeroUH = l.texto(QStringLiteral("NUMERO"));
    e.idTipoUH = l.inteiro(QStringLiteral("ID_TIPO_UH"));
    e.idCliente = l.inteiro(QStringLiteral("ID_CLIENTE"));
    e.cliente = l.texto(QStringLiteral("NOME"));
    e.valorMinCliente = l.dinheiro(QStringLiteral("VALOR_MIN"));
    e.dataEntrada = l.data(QStringLiteral("DATA_ENTRADA"));
    e.horaEntrada = l.hora(QStringLiteral("HORA_ENTRADA"));
    e.dataSaida = l.data(QStringLiteral("DATA_SAIDA"));
    e.horaSaida = l.hora(QStringLiteral("HORA_SAIDA"));
    e.pessoas = int(l.inteiro(QStringLiteral("QTD_ADULTOS")));
    e.diaria = l.dinheiro(QStringLiteral("VALOR_DIARIA"));
    e.baixa = l.texto(QStringLiteral("BAIXA"));
    e.excluido = l.texto(QStringLiteral("EXCLUIDO"));
    e.nf = l.texto(QStringLiteral("NF"));
    for (const DadosMeioCaixa &m : meiosCaixa())
        e.pagos[size_t(m.meio)] = l.dinheiro(Pagamentos::colunaEstadia(m.meio));
    return e;
}

// ---------------------------------------------------------------- room

Resultado alterarUH(ConexaoBanco &c, const Estadia &e, qint64 novaUH, const QString &textoNovaUH,
                    const QString &motivo)
{
    if (novaUH <= 0)
        return recusa(kMsgSelecioneUH, Foco::NovaUH);
    const QString razao = motivo.trimmed();
    if (razao.isEmpty())
        return recusa(kMsgInformeMotivoUH, Foco::Motivo);
    const QString id = QString::number(e.id);
    return executar(
        c,
        [&] {
            const Linha nova = c.ler(QStringLiteral("SELECT NUMERO, ID_TIPO_UH FROM UH WHERE ID_UH = ?"), {novaUH});
            if (c.executar(QStringLiteral("UPDATE WALK_IN SET ID_UH = ? WHERE ID_WALK_IN = ? AND ID_UH = ?") + kAberta,
                           {novaUH, e.id, e.idUH})
                != 1)
                throw Parada{mudou()};
            // Occupied only while still free: another workstation may have
            // taken the room since the panel listed it.
            if (c.executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ? AND SITUACAO = 'L' "
                                          "AND EXCLUIDO = 'N'"),
                           {novaUH})
                != 1) {
                Resultado r = recusa(EstadoUH::mensagemSituacaoMudou(nova.texto(QStringLiteral("NUMERO"))),
                                     Foco::NovaUH);
                r.mudou = true;
                throw Parada{r};
            }
            // Held by that update, the new room's reservations: a day of the
            // stay promised to a reservation (made here or on another
            // workstation meanwhile) keeps the guest where he is.
            if (!c.ler(QStringLiteral("SELECT FIRST 1 RUH.ID_RESERVA FROM RESERVA_UH RUH JOIN RESERVA R ON "
                                      "R.ID_RESERVA = RUH.ID_RESERVA WHERE RUH.ID_UH = ? AND R.EXCLUIDO = 'N' "
                                      "AND R.CONFIRMADA = 'N' AND RUH.DATA_ENTRADA BETWEEN ? AND ?"),
                       {novaUH, e.dataEntrada, e.dataSaida})
                     .vazia())
                throw Parada{recusa(Entrada::Textos::Choque, Foco::NovaUH)};
            const qint64 tipo = nova.inteiro(QStringLiteral("ID_TIPO_UH"));
            c.executar(QStringLiteral("DELETE FROM ITEM_ENTRADA WHERE ID_ENTRADA = ?"), {e.id});
            c.executar(QStringLiteral("DELETE FROM PS_ENTRADA WHERE ID_ENTRADA = ?"), {e.id});
            c.executar(QStringLiteral("INSERT INTO ITEM_ENTRADA (ID_ENTRADA, ID_ITEM, QTD) "
                                      "SELECT CAST(? AS INTEGER), ID_ITEM, QTD FROM PADRAO_ITEM WHERE ID_TIPO_UH = ? "
                                      "AND ID_ITEM NOT IN (SELECT ID_ITEM FROM ANULACAO) ORDER BY ID_ITEM"),
                       {e.id, tipo});
            c.executar(QStringLiteral("INSERT INTO ITEM_ENTRADA (ID_ENTRADA, ID_ITEM, QTD) "
                                      "SELECT CAST(? AS INTEGER), ID_ITEM, QTD FROM PADRAO_UH WHERE ID_UH = ? "
                                      "AND ID_ITEM NOT IN (SELECT ID_ITEM FROM ANULACAO) ORDER BY ID_ITEM"),
                       {e.id, novaUH});
            c.executar(QStringLiteral("INSERT INTO PS_ENTRADA (ID_ENTRADA, ID_P_S, QTD, VALOR) "
                                      "SELECT CAST(? AS INTEGER), P.ID_P_S, P.QTD, P.VALOR FROM PADRAO_PS P "
                                      "JOIN PRODUTOS_SERVICOS S ON S.ID_P_S = P.ID_P_S AND S.EXCLUIDO = 'N' "
                                      "WHERE P.ID_TIPO_UH = ? ORDER BY P.ID_P_S"),
                       {e.id, tipo});
            c.executar(QStringLiteral("UPDATE UH SET SITUACAO = 'M', MANUTENCAO = ? WHERE ID_UH = ?"),
                       {razao.left(EstadoUH::kTamanhoMotivo), e.idUH});
            logar(c, QStringLiteral("Alterou UH de Hóspede Entrada N.º -> (") + id + QStringLiteral(")"),
                  QStringLiteral("UH ") + e.numeroUH, QStringLiteral("UH ") + textoNovaUH);
            logar(c, QStringLiteral("Registrou Manutenção da UH ") + e.numeroUH + QStringLiteral(" - ") + razao);
        },
        feito(kMsgUHAlterada));
}

// ---------------------------------------------------------------- rate

Tabela tabelaDiaria(ConexaoBanco &c, qint64 idUH, int pessoas)
{
    const Linha l = c.ler(QStringLiteral("SELECT T.P1, T.P2, T.P3, T.P4, T.P1MIN, T.P2MIN, T.P3MIN, T.P4MIN "
                                         "FROM UH JOIN TIPO_UH T ON T.ID_TIPO_UH = UH.ID_TIPO_UH WHERE UH.ID_UH = ?"),
                          {idUH});
    CalculoEstadia::TaxasTipo t;
    for (int i = 0; i < 4; ++i) {
        t.p[i] = l.dinheiro(QStringLiteral("P%1").arg(i + 1));
        t.minimo[i] = l.dinheiro(QStringLiteral("P%1MIN").arg(i + 1));
    }
    const CalculoEstadia::TaxaPessoas r = CalculoEstadia::taxaParaPessoas(t, pessoas);
    return {r.diaria, r.minimo};
}

Limites limitesDaSessao()
{
    Limites l;
    l.movimentos = Sessao::atual().direitos.MOVIMENTOS;
    l.limiteDesconto = tParametros().dinheiro(QStringLiteral("LIMITE_DESCONTO"));
    l.diariaMaior = tParametros().texto(QStringLiteral("DIARIA_MAIOR"));
    return l;
}

std::optional<QString> verificarLimites(Dinheiro novo, const Tabela &t, Dinheiro valorMinCliente, const Limites &l)
{
    if (l.movimentos)
        return std::nullopt;
    if (!t.padrao.zero()) {
        const Dinheiro desconto = t.padrao.percentual(l.limiteDesconto.centavos());
        if (t.minimo > novo || novo < t.padrao - desconto)
            return kMsgLimiteDesconto;
        if (!valorMinCliente.zero() && novo < valorMinCliente)
            return kMsgLimiteDesconto;
    }
    if (l.diariaMaior == QLatin1String("N") && novo > t.padrao)
        return kMsgDiariaMaior;
    return std::nullopt;
}

Resultado alterarDiaria(ConexaoBanco &c, const Estadia &e, const QString &novoTexto, const Tabela &t,
                        const Limites &l, const std::optional<QList<Hospede>> &hs, const QDate &hoje)
{
    const auto novo = Dinheiro::digitado(novoTexto, SinalDigitado::ZeroOuPositivo, VazioDigitado::Recusado).valor;
    if (!novo)
        return recusa(kMsgValorInvalido, Foco::Valor, Mensagem::Tipo::Erro);
    if (const auto r = verificarLimites(*novo, t, e.valorMinCliente, l))
        return recusa(*r, Foco::Valor, Mensagem::Tipo::Erro);
    if (hs && hs->isEmpty())
        return recusa(kMsgSemHospedes, Foco::Hospedes);
    const int pessoas = hs ? int(hs->size()) : e.pessoas;
    const QString id = QString::number(e.id);
    return executar(
        c,
        [&] {
            if (c.executar(QStringLiteral("UPDATE WALK_IN SET VALOR_DIARIA = ?, QTD_ADULTOS = ? WHERE ID_WALK_IN = ? "
                                          "AND VALOR_DIARIA = ? AND COALESCE(QTD_ADULTOS, 0) = ?")
                               + kAberta,
                           {novo->paraBanco(), pessoas, e.id, e.diaria.paraBanco(), e.pessoas})
                != 1)
                throw Parada{mudou()};
            if (hs) {
                logar(c, QStringLiteral("Alterou Quantidade de Hóspedes -> Entrada N.º (") + id + QStringLiteral(")"),
                      QString::number(e.pessoas), QString::number(pessoas));
                escreverHospedes(c, e.id, *hs);
            }
            // On the arrival day the night posted at check-in takes the new
            // rate; nights of earlier days keep theirs.
            if (e.dataEntrada == hoje)
                c.executar(QStringLiteral("UPDATE OCUPACAO SET VALOR = ?, QTD = ? WHERE ID_ENTRADA = ?"),
                           {novo->paraBanco(), pessoas, e.id});
            logar(c, QStringLiteral("Alterou Valor da Diária de Hóspede Entrada N.º -> (") + id + QStringLiteral(")"),
                  QStringLiteral("R$ ") + e.diaria.formatado(), QStringLiteral("R$ ") + novo->formatado());
        },
        feito(kMsgDiariaAlterada));
}

// ---------------------------------------------------------------- guests

QList<Hospede> hospedes(ConexaoBanco &c, qint64 idEntrada)
{
    QList<Hospede> r;
    for (const Linha &l : c.lerTodas(
             QStringLiteral("SELECT ID_HOSPEDE, NOME FROM HOSPEDE WHERE ID_ENTRADA = ? ORDER BY NOME, ID_HOSPEDE"),
             {idEntrada}))
        r.append({l.inteiro(QStringLiteral("ID_HOSPEDE")), l.texto(QStringLiteral("NOME"))});
    return r;
}

Resultado renomearHospede(ConexaoBanco &c, const Estadia &e, qint64 idHospede, const QString &nome)
{
    return executar(
        c,
        [&] {
            if (c.executar(QStringLiteral("UPDATE HOSPEDE SET NOME = ? WHERE ID_HOSPEDE = ? AND ID_ENTRADA = ?"),
                           {nome.left(90), idHospede, e.id})
                != 1)
                throw Parada{mudou()};
        },
        feito());
}

Resultado gravarHospedes(ConexaoBanco &c, const Estadia &e, const QList<Hospede> &hs)
{
    if (hs.isEmpty())
        return recusa(kMsgSemHospedes, Foco::Hospedes);
    return executar(
        c,
        [&] {
            if (c.executar(QStringLiteral("UPDATE WALK_IN SET QTD_ADULTOS = ? WHERE ID_WALK_IN = ? "
                                          "AND COALESCE(QTD_ADULTOS, 0) = ?")
                               + kAberta,
                           {int(hs.size()), e.id, e.pessoas})
                != 1)
                throw Parada{mudou()};
            escreverHospedes(c, e.id, hs);
        },
        feito());
}

// ---------------------------------------------------------------- nights

QList<Noite> noites(ConexaoBanco &c, qint64 idEntrada)
{
    QList<Noite> r;
    for (const Linha &l : c.lerTodas(QStringLiteral("SELECT ID_OCUPACAO, DATA, VALOR, QTD FROM OCUPACAO "
                                                    "WHERE ID_ENTRADA = ? ORDER BY DATA, ID_OCUPACAO"),
                                     {idEntrada}))
        r.append({l.inteiro(QStringLiteral("ID_OCUPACAO")), l.data(QStringLiteral("DATA")),
                  l.dinheiro(QStringLiteral("VALOR")), int(l.inteiro(QStringLiteral("QTD")))});
    return r;
}

Resultado alterarNoite(ConexaoBanco &c, const Estadia &e, const Noite &n, const QString &novoTexto,
                       const QString &antes, bool movimentos)
{
    if (!movimentos)
        return recusa(kMsgSemDireito);
    const auto novo = Dinheiro::digitado(novoTexto, SinalDigitado::ZeroOuPositivo, VazioDigitado::Recusado).valor;
    if (!novo)
        return recusa(kMsgValorInvalido, Foco::Valor, Mensagem::Tipo::Erro);
    return executar(
        c,
        [&] {
            // The stay held open while its night changes: a check-out under
            // way elsewhere either waits for this or finds it done.
            if (!Estadias::travarAberta(c, e.id))
                throw Parada{mudou()};
            if (c.executar(QStringLiteral("UPDATE OCUPACAO SET VALOR = ? WHERE ID_OCUPACAO = ? AND ID_ENTRADA = ? "
                                          "AND VALOR = ?")
                               + kEntradaAberta,
                           {novo->paraBanco(), n.id, e.id, n.valor.paraBanco()})
                != 1)
                throw Parada{mudou(kMsgDiariaMudou)};
            logar(c,
                  QStringLiteral("Alterou Valor da Diária Individual da Entrada N.º -> (") + QString::number(e.id)
                      + QStringLiteral(")"),
                  antes, QStringLiteral("R$ ") + novo->formatado());
        },
        feito());
}

Resultado incluirNoite(ConexaoBanco &c, const Estadia &e, const QDate &data, const QString &valorTexto,
                       const QDate &hoje)
{
    const QDate fim = (e.dataSaida.isValid() && e.dataSaida > hoje) ? e.dataSaida : hoje;
    if (!data.isValid() || !e.dataEntrada.isValid() || data < e.dataEntrada || data > fim)
        return recusa(kMsgDataForaEstadia, Foco::Data);
    const auto valor = Dinheiro::digitado(valorTexto, SinalDigitado::ZeroOuPositivo, VazioDigitado::Zero).valor;
    if (!valor)
        return recusa(kMsgValorInvalido, Foco::Valor, Mensagem::Tipo::Erro);
    return executar(
        c,
        [&] {
            // Only while the stay is still open, at its persons now.
            const Linha w = c.ler(QStringLiteral("SELECT QTD_ADULTOS FROM WALK_IN WHERE ID_WALK_IN = ?") + kAberta
                                      + QStringLiteral(" WITH LOCK"),
                                  {e.id});
            if (w.vazia())
                throw Parada{mudou()};
            c.executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, ?, ?)"),
                       {e.id, data, valor->paraBanco(), w.inteiro(QStringLiteral("QTD_ADULTOS"))});
        },
        feito(kMsgDiariaIncluida));
}

Resultado excluirNoite(ConexaoBanco &c, const Estadia &e, const Noite &n, bool movimentos)
{
    if (!movimentos)
        return recusa(kMsgSemDireito);
    return executar(
        c,
        [&] {
            if (!Estadias::travarAberta(c, e.id))
                throw Parada{mudou()};
            if (c.executar(QStringLiteral("DELETE FROM OCUPACAO WHERE ID_OCUPACAO = ? AND ID_ENTRADA = ?")
                               + kEntradaAberta,
                           {n.id, e.id})
                != 1)
                throw Parada{mudou(kMsgDiariaMudou)};
        },
        feito(kMsgDiariaExcluida));
}

// ---------------------------------------------------------------- payment

std::optional<QString> podeAlterarForma(const Estadia &e, bool movimentos, const QDateTime &agora, const QTime &tempo)
{
    if (!movimentos && !(agora < limite(e.dataSaida, e.horaSaida, tempo)))
        return kMsgTempoForma;
    if (!e.pagos[size_t(MeioCaixa::APrazo)].zero())
        return kMsgFormaNota;
    return std::nullopt;
}

Resultado alterarForma(ConexaoBanco &c, const Estadia &e, const std::array<QString, 7> &novos)
{
    Pagamentos::Valores antigos, valores;
    Dinheiro soma;
    for (int i = 0; i < 7; ++i) {
        const auto v = Dinheiro::digitado(novos[size_t(i)], SinalDigitado::ZeroOuPositivo, VazioDigitado::Zero).valor;
        if (!v)
            return recusa(kMsgValorInvalido, Foco::Valor, Mensagem::Tipo::Erro);
        valores.meio[size_t(i)] = *v;
        antigos.meio[size_t(i)] = e.pagos[size_t(i)];
        soma += *v;
    }
    if (soma != e.totalPago())
        return recusa(kMsgValorDiferente, Foco::Valor);
    if (!e.pagos[size_t(MeioCaixa::APrazo)].zero())
        return recusa(kMsgFormaNota);
    return executar(
        c,
        [&] {
            // The stay still as read: closed, same amounts, nothing on account.
            QString sql = QStringLiteral("UPDATE WALK_IN SET BAIXA = BAIXA WHERE ID_WALK_IN = ? AND BAIXA = 'S' "
                                         "AND EXCLUIDO = 'N' AND NOTA = 0");
            Valores v{e.id};
            for (int i = 0; i < 7; ++i) {
                sql += QStringLiteral(" AND %1 = ?").arg(Pagamentos::colunaEstadia(MeioCaixa(i)));
                v.append(e.pagos[size_t(i)].paraBanco());
            }
            if (c.executar(sql, v) != 1)
                throw Parada{mudou()};
            Pagamentos::estornar(c, e.id, antigos, false);
            Pagamentos::lancar(c, e.id, valores, false);
        },
        feito(kMsgValoresAlterados));
}

// ---------------------------------------------------------------- cancellation

std::optional<QString> podeCancelar(const Estadia &e, bool movimentos, const QDateTime &agora, const QTime &tempo)
{
    if (!movimentos && !(agora < limite(e.dataEntrada, e.horaEntrada, tempo)))
        return kMsgTempoExcluir;
    return std::nullopt;
}

Resultado cancelar(ConexaoBanco &c, const Estadia &e, const QString &motivo)
{
    const QString razao = motivo.trimmed();
    if (razao.isEmpty())
        return recusa(kMsgInformeMotivoCancelamento, Foco::Motivo);
    return executar(
        c,
        [&] {
            // Guarded: a stay cancelled or closed meanwhile (or a retry) stops here.
            if (c.executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S', EXCLUIDO = 'S', MOTIVO = ? "
                                          "WHERE ID_WALK_IN = ? AND BAIXA = 'N' AND EXCLUIDO = 'N'"),
                           {razao.left(200), e.id})
                != 1)
                throw Parada{mudou()};
            const Linha w = c.ler(QStringLiteral("SELECT W.*, UH.NUMERO, C.NOME FROM WALK_IN W "
                                                 "LEFT JOIN UH ON UH.ID_UH = W.ID_UH "
                                                 "LEFT JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE "
                                                 "WHERE W.ID_WALK_IN = ?"),
                                  {e.id});
            // Stock comes back only for bought-in products, which were lowered.
            c.executar(QStringLiteral("UPDATE PRODUTOS_SERVICOS P SET ESTOQUE = ESTOQUE + COALESCE((SELECT SUM(D.QTD) "
                                      "FROM DESPESA_UH D WHERE D.ID_ENTRADA = ? AND D.ID_P_S = P.ID_P_S), 0) "
                                      "WHERE P.FAB_PROPRIA <> 'S' AND EXISTS (SELECT 1 FROM DESPESA_UH D "
                                      "WHERE D.ID_ENTRADA = ? AND D.ID_P_S = P.ID_P_S)"),
                       {e.id, e.id});
            c.executar(QStringLiteral("UPDATE HOSPEDE SET BAIXA = 'S' WHERE ID_ENTRADA = ?"), {e.id});
            c.executar(QStringLiteral("UPDATE VEICULO SET BAIXA = 'S' WHERE ID_ENTRADA = ?"), {e.id});
            // The room takes its state without the stay while still occupied
            // (a room in maintenance stays so).
            c.executar(QStringLiteral("UPDATE UH SET SITUACAO = ") + EstadoUH::kSqlSituacaoDerivada
                           + QStringLiteral(" WHERE UH.ID_UH = ? AND UH.SITUACAO = 'O'"),
                       {Relogio::hoje(), w.inteiro(QStringLiteral("ID_UH"))});
            Pagamentos::Valores devolver;
            for (int i = 0; i < int(MeioCaixa::APrazo); ++i)
                devolver.meio[size_t(i)] = w.dinheiro(Pagamentos::colunaEstadia(MeioCaixa(i)));
            const Dinheiro total = devolver.total();
            Pagamentos::estornar(c, e.id, devolver, false);
            if (!total.zero())
                c.executar(QStringLiteral("UPDATE WALK_IN SET ADIANTADO = ADIANTADO - MINVALUE(ADIANTADO, ?) "
                                          "WHERE ID_WALK_IN = ?"),
                           {total.paraBanco(), e.id});
            logar(c, QStringLiteral("Excluiu Entrada de Hóspede -> Código ") + QString::number(e.id)
                         + QStringLiteral(" (") + w.texto(QStringLiteral("NOME")) + QStringLiteral(" - ")
                         + w.texto(QStringLiteral("NUMERO")) + QStringLiteral(")"));
        },
        feito(kMsgEntradaExcluida));
}

// ---------------------------------------------------------------- invoice flag

Resultado alternarNF(ConexaoBanco &c, const Estadia &e)
{
    const QString novo = e.nf == QLatin1String("N") ? QStringLiteral("S") : QStringLiteral("N");
    return executar(
        c,
        [&] {
            if (c.executar(QStringLiteral("UPDATE WALK_IN SET NF = ? WHERE ID_WALK_IN = ? AND NF = ?"),
                           {novo, e.id, e.nf})
                != 1)
                throw Parada{mudou()};
        },
        feito());
}

// ---------------------------------------------------------------- customer

std::optional<QString> podeAlterarCliente(const Estadia &e)
{
    if (!e.aberta())
        return kMsgClienteSoAberta;
    return std::nullopt;
}

namespace {
std::optional<QString> situacaoCliente(ConexaoBanco &c, qint64 idCliente)
{
    const Linha l = c.ler(QStringLiteral("SELECT EXCLUIDO FROM CLIENTE WHERE ID_CLIENTE = ?"), {idCliente});
    if (l.vazia())
        return kMsgSelecioneCliente;
    const QString s = l.texto(QStringLiteral("EXCLUIDO"));
    if (s == QLatin1String("R"))
        return kMsgClienteRestricao;
    if (s == QLatin1String("S"))
        return kMsgClienteNegativacao;
    return std::nullopt;
}
} // namespace

Resultado alterarCliente(ConexaoBanco &c, const Estadia &e, qint64 idCliente, const QString &textoSeletor)
{
    if (const auto r = podeAlterarCliente(e))
        return recusa(*r);
    if (idCliente <= 0)
        return recusa(kMsgSelecioneCliente, Foco::Cliente);
    if (const auto r = situacaoCliente(c, idCliente))
        return recusa(*r, Foco::Cliente);
    return executar(
        c,
        [&] {
            // The customer's standing is tested again by the write itself.
            if (c.executar(QStringLiteral("UPDATE WALK_IN SET ID_CLIENTE = ? WHERE ID_WALK_IN = ? AND ID_CLIENTE = ?")
                               + kAberta
                               + QStringLiteral(" AND EXISTS (SELECT 1 FROM CLIENTE C WHERE C.ID_CLIENTE = ? "
                                                "AND C.EXCLUIDO = 'N')"),
                           {idCliente, e.id, e.idCliente, idCliente})
                != 1) {
                if (const auto r = situacaoCliente(c, idCliente))
                    throw Parada{recusa(*r, Foco::Cliente)};
                throw Parada{mudou()};
            }
            logar(c,
                  QStringLiteral("Alterou Cliente Responsável da Entrada N.º -> (") + QString::number(e.id)
                      + QStringLiteral(")"),
                  QStringLiteral("De: ") + e.cliente, QStringLiteral("Para: ") + textoSeletor);
        },
        feito(kMsgClienteAlterado));
}

} // namespace Correcoes
