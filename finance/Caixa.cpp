#include "finance/Caixa.h"
#include "base/Aplicacao.h"
#include "base/Erros.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "base/Janela.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace Caixa {

namespace {

// The eight balance columns in the order of MeioCaixa, and their sum.
QString colunasSaldos()
{
    QStringList c;
    for (const DadosMeioCaixa &m : meiosCaixa())
        c << m.coluna;
    return c.join(QStringLiteral(", "));
}

QString somaSaldos()
{
    QStringList c;
    for (const DadosMeioCaixa &m : meiosCaixa())
        c << m.coluna;
    return c.join(QStringLiteral(" + "));
}

// The columns of a shift; `primeira` reads only the first row.
QString sqlTurno(bool primeira = false)
{
    return (primeira ? QStringLiteral("SELECT FIRST 1 ") : QStringLiteral("SELECT "))
        + QStringLiteral("ID_CAIXA, DATA_ABERT, HORA_ABERT, TURNO, USUARIO, ") + colunasSaldos()
        + QStringLiteral(", VALOR_ABERT, IP, DATA_FECHA, HORA_FECHA, VALOR_FECHA FROM CAIXA ");
}

QString login10() { return Sessao::atual().login.left(10); }

// The texts of each balance: on the status line, and on the detail's
// opening, closing and current (or difference) lines.
struct Rotulos {
    const char *status;
    const char *abertura;
    const char *fechamento;
    const char *atual;
};
const Rotulos kRotulos[kMeiosCaixa] = {
    {"Dinheiro  -  R$ ", "Abertura em Dinheiro -> R$ ", "Fechamento em Dinheiro -> R$ ", "Dinheiro -> R$ "},
    {"Crédito - Visa  -  R$ ", "Abertura em Cartão de Crédito - Visa -> R$ ",
     "Fechamento em Cartão de Crédito - Visa -> R$ ", "Cartão de Crédito - Visa -> R$ "},
    {"Débito - Visa  -  R$ ", "Abertura em Cartão de Débito - Visa -> R$ ", "Fechamento em Cartão de Débito - Visa -> R$ ",
     "Cartão de Débito - Visa -> R$ "},
    {"Crédito - Mastercard  -  R$ ", "Abertura em Cartão de Crédito - Mastercard -> R$ ",
     "Fechamento em Cartão de Crédito - Mastercard -> R$ ", "Cartão de Crédito - Mastercard -> R$ "},
    {"Débito - Mastercard  -  R$ ", "Abertura em Cartão de Débito - Mastercard -> R$ ",
     "Fechamento em Cartão de Débito - Mastercard -> R$ ", "Cartão de Débito - Mastercard -> R$ "},
    {"Crédito - Hipercard  -  R$ ", "Abertura em Cartão de Crédito - Hipercard -> R$ ",
     "Fechamento em Cartão de Crédito - Hipercard -> R$ ", "Cartão de Crédito - Hipercard -> R$ "},
    {"Pix / Chq  -  R$ ", "Abertura em Pix / Chq -> R$ ", "Fechamento em Pix / Chq -> R$ ", "Pix / Chq -> R$ "},
    {"A Prazo  -  R$ ", "Abertura em A Prazo -> R$ ", "Fechamento em A Prazo -> R$ ", "A Prazo -> R$ "},
};
// The on-account line of a shift that has no previous one.
const char *const kAberturaSemAnterior = "Abertura em Nota -> R$ ";

QString rotulo(const char *inicio, Dinheiro valor) { return QString::fromUtf8(inicio) + valor.formatado(); }

} // namespace

QString mensagemOutraMaquina(const QString &ipAbertura)
{
    return QStringLiteral("Impossível Fechar o Caixa por esta Máquina! Realize o Fechamento na Máquina que Registrou a "
                          "Abertura! (")
        + ipAbertura + QLatin1Char(')');
}

// ---------------------------------------------------------------- balances

Dinheiro Saldos::total() const
{
    Dinheiro t;
    for (Dinheiro v : valores)
        t += v;
    return t;
}

Dinheiro Saldos::cartoes() const
{
    Dinheiro t;
    for (const DadosMeioCaixa &m : meiosCaixa())
        if (m.cartao)
            t += (*this)[m.meio];
    return t;
}

Saldos Saldos::de(const Linha &linha)
{
    Saldos s;
    for (const DadosMeioCaixa &m : meiosCaixa())
        s[m.meio] = linha.dinheiro(m.coluna);
    return s;
}

Turno Turno::de(const Linha &l)
{
    Turno t;
    t.id = l.inteiro(QStringLiteral("ID_CAIXA"));
    t.dataAbertura = l.data(QStringLiteral("DATA_ABERT"));
    t.horaAbertura = l.hora(QStringLiteral("HORA_ABERT"));
    t.numero = int(l.inteiro(QStringLiteral("TURNO")));
    t.usuario = l.texto(QStringLiteral("USUARIO"));
    t.saldos = Saldos::de(l);
    t.valorAbertura = l.dinheiro(QStringLiteral("VALOR_ABERT"));
    t.ip = l.texto(QStringLiteral("IP"));
    t.dataFechamento = l.data(QStringLiteral("DATA_FECHA"));
    t.horaFechamento = l.hora(QStringLiteral("HORA_FECHA"));
    t.valorFechamento = l.dinheiro(QStringLiteral("VALOR_FECHA"));
    return t;
}

std::optional<Turno> lerTurno(ConexaoBanco &conexao, qint64 id)
{
    const Linha l = conexao.ler(sqlTurno() + QStringLiteral("WHERE ID_CAIXA = ?"), {id});
    if (l.vazia())
        return std::nullopt;
    return Turno::de(l);
}

std::optional<Turno> ultimoTurno(ConexaoBanco &conexao)
{
    const Linha l = conexao.ler(sqlTurno(true) + QStringLiteral("ORDER BY ID_CAIXA DESC"));
    if (l.vazia())
        return std::nullopt;
    return Turno::de(l);
}

bool existeTurnoAberto(ConexaoBanco &conexao)
{
    return !conexao.ler(QStringLiteral("SELECT FIRST 1 ID_CAIXA FROM CAIXA WHERE DATA_FECHA IS NULL")).vazia();
}

// ---------------------------------------------------------------- status line

QString Status::textoTotal() const { return rotulo("Saldo Atual do Caixa  -  R$ ", total); }
QString Status::textoCartoes() const { return rotulo("Total em Cartões  -  R$ ", saldos.cartoes()); }
QString Status::textoMeio(MeioCaixa meio) const { return rotulo(kRotulos[int(meio)].status, saldos[meio]); }

Status status(ConexaoBanco &conexao)
{
    Status s;
    const std::optional<Turno> t = ultimoTurno(conexao);
    if (!t)
        return s;
    s.saldos = t->saldos;
    // A closed shift shows the total it was closed with.
    s.total = t->aberto() ? t->saldos.total() : t->valorFechamento;
    return s;
}

// ---------------------------------------------------------------- opening

Saldos saldosDeAbertura(ConexaoBanco &conexao)
{
    return Saldos::de(conexao.ler(QStringLiteral("SELECT FIRST 1 ") + colunasSaldos()
                                  + QStringLiteral(" FROM CAIXA ORDER BY ID_CAIXA DESC")));
}

int proximoTurno(ConexaoBanco &conexao, const QDate &data)
{
    const QVariant maior = conexao.valor(
        QStringLiteral("SELECT MAX(TURNO) FROM CAIXA WHERE DATA_FECHA IS NOT NULL AND DATA_ABERT = ?"), {data});
    return (maior.isNull() ? 0 : maior.toInt()) + 1;
}

qint64 inserirTurno(ConexaoBanco &conexao, const QDate &data, const QTime &hora, const QString &usuario,
                    const QString &ip)
{
    return conexao.emTransacao([&]() -> qint64 {
        const Saldos s = saldosDeAbertura(conexao);
        const int numero = proximoTurno(conexao, data);
        return conexao
            .ler(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, TURNO, USUARIO, ATUAL, VALOR_ABERT, "
                                "ATUAL_CARTAO, ATUAL_MASTER, ATUAL_HIPER, ATUAL_CHEQUE, ATUAL_NOTAS, IP, ATUAL_DEBVISA, "
                                "ATUAL_DEBMASTER) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING ID_CAIXA"),
                 {data, hora, numero, usuario.left(10), s[MeioCaixa::Dinheiro].paraBanco(), s.total().paraBanco(),
                  s[MeioCaixa::CreditoVisa].paraBanco(), s[MeioCaixa::CreditoMaster].paraBanco(),
                  s[MeioCaixa::Hipercard].paraBanco(), s[MeioCaixa::PixChq].paraBanco(),
                  s[MeioCaixa::APrazo].paraBanco(), ip.left(15), s[MeioCaixa::DebitoVisa].paraBanco(),
                  s[MeioCaixa::DebitoMaster].paraBanco()})
            .inteiro(QStringLiteral("ID_CAIXA"));
    });
}

bool recusaPorTurnoAberto(const ErroBanco &erro)
{
    return erro.texto().contains(QLatin1String("UNQ_CAIXA_ABERTO"), Qt::CaseInsensitive);
}

Abertura abrir(ConexaoBanco &conexao, const QDate &data, const QString &ip)
{
    Abertura a;
    if (data != Relogio::hoje()) {
        a.mensagem = kMsgDataInvalida;
        a.focoData = true;
        return a;
    }
    try {
        a.id = conexao.emTransacao([&]() -> qint64 {
            if (existeTurnoAberto(conexao))
                return 0;
            const qint64 id = inserirTurno(conexao, data, Relogio::horaAtual(), Sessao::atual().login, ip);
            RegistrarLog(conexao, QStringLiteral("Registrou Abertura do Caixa"));
            return id;
        });
    } catch (const ErroBanco &e) {
        if (!recusaPorTurnoAberto(e))
            throw;
        a.id = 0;
    }
    a.aberto = a.id != 0;
    a.mensagem = a.aberto ? kMsgCaixaAberto : kMsgCaixaJaAberto;
    return a;
}

// ---------------------------------------------------------------- closing

std::function<void()> encerrarPrograma = [] { Janela::encerrarPrograma(); };

Fechamento fechar(ConexaoBanco &conexao, const QString &ip)
{
    Fechamento f;
    const Linha aberto = conexao.ler(QStringLiteral("SELECT ID_CAIXA, IP FROM CAIXA WHERE DATA_FECHA IS NULL"));
    if (aberto.vazia()) {
        f.mensagem = kMsgJaFechado;
        return f;
    }
    f.id = aberto.inteiro(QStringLiteral("ID_CAIXA"));
    const QString ipAbertura = aberto.texto(QStringLiteral("IP"));
    if (ipAbertura != ip && tParametros().texto(QStringLiteral("FECHAR_CAIXA_OUTRO_PC")) != QLatin1String("N")) {
        f.situacao = Fechamento::Situacao::OutraMaquina;
        f.mensagem = mensagemOutraMaquina(ipAbertura);
        return f;
    }
    const QDateTime agora = Relogio::agora();
    const bool fechou = conexao.emTransacao([&] {
        const int n = conexao.executar(QStringLiteral("UPDATE CAIXA SET DATA_FECHA = ?, HORA_FECHA = ?, VALOR_FECHA = ")
                                               + somaSaldos()
                                               + QStringLiteral(" WHERE ID_CAIXA = ? AND DATA_FECHA IS NULL"),
                                           {agora.date(), agora.time(), f.id});
        if (n != 1)
            return false;
        RegistrarLog(conexao, QStringLiteral("Registrou Fechamento do Caixa"));
        return true;
    });
    if (!fechou) {
        f.mensagem = kMsgJaFechado;
        return f;
    }
    f.situacao = Fechamento::Situacao::Fechado;
    return f;
}

Finalizacao finalizarEstacao()
{
    Finalizacao f;
    if (Sessao::atual().AuxNomePC != QLatin1String("SERVIDOR")) {
        RegistrarSaida();
    } else {
        RegistrarLog(QStringLiteral("Saiu do Sistema"));
        f.backup = true;
    }
    return f;
}

// ---------------------------------------------------------------- deletion

Exclusao excluir(ConexaoBanco &conexao, qint64 id)
{
    Exclusao e;
    e.excluido = conexao.emTransacao([&] {
        const std::optional<Turno> t = lerTurno(conexao, id);
        if (!t) {
            e.mensagem = kMsgExcluido;
            return false;
        }
        if (t->aberto()) {
            e.mensagem = kMsgExcluirAberto;
            return false;
        }
        const std::optional<Turno> ultimo = ultimoTurno(conexao);
        if (ultimo && ultimo->id == id) {
            e.mensagem = kMsgExcluirUltimo;
            return false;
        }
        if (!conexao.ler(QStringLiteral("SELECT FIRST 1 ID_VENDA FROM VENDA WHERE DATA_VENDA = ?"), {t->dataAbertura})
                 .vazia()) {
            e.mensagem = kMsgPendencias;
            return false;
        }
        const int n = conexao.executar(
            QStringLiteral("DELETE FROM CAIXA WHERE ID_CAIXA = ? AND DATA_FECHA IS NOT NULL "
                           "AND ID_CAIXA < (SELECT MAX(C2.ID_CAIXA) FROM CAIXA C2)"),
            {id});
        if (n != 1) {
            e.mensagem = kMsgExcluirUltimo;
            return false;
        }
        RegistrarLog(conexao, QStringLiteral("Excluiu Movimentação do Caixa -> Código ") + QString::number(id));
        e.mensagem = kMsgExcluido;
        return true;
    });
    return e;
}

// ---------------------------------------------------------------- detail

QString detalhe(ConexaoBanco &conexao, qint64 id)
{
    const std::optional<Turno> atual = lerTurno(conexao, id);
    if (!atual)
        return {};
    // The previous shift is the one before in key order; keys have gaps.
    const Linha anteriorLinha = conexao.ler(QStringLiteral("SELECT FIRST 1 ") + colunasSaldos()
                                                    + QStringLiteral(" FROM CAIXA WHERE ID_CAIXA < ? ORDER BY ID_CAIXA DESC"),
                                                {id});
    const bool temAnterior = !anteriorLinha.vazia();
    const Saldos anterior = temAnterior ? Saldos::de(anteriorLinha) : Saldos();
    const bool fechado = !atual->aberto();

    QString t;
    auto linha = [&t](const char *inicio, Dinheiro v) { t += rotulo(inicio, v) + QLatin1Char('\n'); };

    t += QStringLiteral("--- Detalhe dos Saldos na Abertura ---\n");
    for (const DadosMeioCaixa &m : meiosCaixa())
        linha(m.meio == MeioCaixa::APrazo && !temAnterior ? kAberturaSemAnterior : kRotulos[int(m.meio)].abertura,
              anterior[m.meio]);
    linha("Total na Abertura -> R$ ", anterior.total());
    t += QLatin1Char('\n');

    t += fechado ? QStringLiteral("--- Detalhe dos Saldos no Fechamento ---\n")
                 : QStringLiteral("--- Detalhe dos Saldos (Atual) ---\n");
    for (const DadosMeioCaixa &m : meiosCaixa())
        linha(fechado ? kRotulos[int(m.meio)].fechamento : kRotulos[int(m.meio)].atual, atual->saldos[m.meio]);
    linha(fechado ? "Total no Fechamento -> R$ " : "Total no Saldo Atual -> R$ ", atual->saldos.total());
    t += QLatin1Char('\n');

    t += QStringLiteral("--- Diferença dos Saldos ---\n");
    Dinheiro diferencas;
    for (const DadosMeioCaixa &m : meiosCaixa()) {
        const Dinheiro d = atual->saldos[m.meio] - anterior[m.meio];
        diferencas += d;
        linha(kRotulos[int(m.meio)].atual, d);
    }
    linha("Total de Diferenças -> R$ ", diferencas);
    t += QLatin1Char('\n');
    return t;
}

// ---------------------------------------------------------------- withdrawals and additions

LeituraValor lerValor(const QString &texto)
{
    QString t = texto.trimmed();
    if (t.startsWith(QLatin1String("R$")))
        t = t.mid(2).trimmed();
    if (t.isEmpty())
        return {std::nullopt, kMsgInformeValor};
    if (t.startsWith(QLatin1Char('-')))
        return {std::nullopt, kMsgValorNegativo};
    // Digits with or without thousands dots in groups of three, a decimal
    // comma with one or two places; at most thirteen digits before it.
    static const QRegularExpression formato(
        QStringLiteral("^(?:\\d{1,3}(?:\\.\\d{3}){0,4}|\\d{1,13})(?:,\\d{1,2})?$"));
    if (!formato.match(t).hasMatch())
        return {std::nullopt, kMsgValorInvalido};
    const std::optional<Dinheiro> v = Dinheiro::deTexto(t);
    // NUMERIC(15,2) holds at most 9.999.999.999.999,99.
    if (!v || v->centavos() > 999'999'999'999'999LL)
        return {std::nullopt, kMsgValorInvalido};
    if (v->centavos() <= 0)
        return {std::nullopt, kMsgInformeValor};
    return {v, {}};
}

ResultadoOperacao operar(ConexaoBanco &conexao, Operacao operacao, MeioCaixa meio, const QString &valor, const QString &observacoes)
{
    ResultadoOperacao r;
    const LeituraValor lido = lerValor(valor);
    if (!lido.valor) {
        r.avisos.append({Mensagem::Tipo::Informacao, lido.mensagem});
        r.foco = ResultadoOperacao::Foco::Valor;
        return r;
    }
    if (observacoes.trimmed().isEmpty()) {
        r.avisos.append({Mensagem::Tipo::Informacao, kMsgMotivo});
        r.foco = ResultadoOperacao::Foco::Observacoes;
        return r;
    }
    const Dinheiro v = *lido.valor;
    const QString motivo = observacoes.left(kTamanhoObservacoes);
    const DadosMeioCaixa &m = dadosMeio(meio);
    const bool retirada = operacao == Operacao::Retirar;
    const QDateTime agora = Relogio::agora();

    ResultadoCaixa caixa;
    conexao.emTransacao([&] {
        caixa = MovimentarCaixa(conexao, meio, retirada ? QStringLiteral("-") : QStringLiteral("+"), v, QStringLiteral("N"));
        if (!caixa.sucesso)
            return;
        conexao.executar(retirada ? QStringLiteral("INSERT INTO RET_CAIXA (DATA_RET, HORA_RET, VALOR, DESCRICAO, "
                                                       "TIPO, USUARIO) VALUES (?, ?, ?, ?, ?, ?)")
                                      : QStringLiteral("INSERT INTO ADIC_CAIXA (DATA_ADIC, HORA_ADIC, VALOR, DESCRICAO, "
                                                       "TIPO, USUARIO) VALUES (?, ?, ?, ?, ?, ?)"),
                             {agora.date(), agora.time(), v.paraBanco(), motivo, m.tipo, login10()});
        RegistrarLog(conexao, retirada ? QStringLiteral("Retirou ") + v.formatado() + QStringLiteral(" do Caixa em ") + m.tipo
                                    + QStringLiteral("! (") + motivo + QLatin1Char(')')
                              : QStringLiteral("Realizou Reposição de ") + v.formatado()
                                    + QStringLiteral(" ao Caixa em ") + m.tipo + QStringLiteral("! (") + motivo
                                    + QLatin1Char(')'));
    });

    if (caixa.sucesso) {
        r.feito = true;
        r.avisos.append({Mensagem::Tipo::Informacao, retirada ? kMsgRetirada : kMsgReposicao});
        return r;
    }
    r.foco = ResultadoOperacao::Foco::Valor;
    if (caixa.falha == ResultadoCaixa::Falha::SemTurno) {
        r.avisos.append({Mensagem::Tipo::Aviso, TextosCaixa::SemCaixaUnico});
        return r;
    }
    // Cash says so first, as every cash withdrawal does.
    if (meio == MeioCaixa::Dinheiro)
        r.avisos.append({caixa.tipo, caixa.mensagem});
    r.avisos.append({Mensagem::Tipo::Informacao, m.recusa});
    return r;
}

} // namespace Caixa
