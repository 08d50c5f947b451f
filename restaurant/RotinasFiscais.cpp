#include "restaurant/RotinasFiscais.h"
#include "base/Mensagem.h"
#include "base/UnitDM.h"
#include "platform/ImpressoraFiscal.h"

#include <QRegularExpression>
#include <algorithm>

void Analisa_iRetorno(int iRetorno)
{
    struct Retorno {
        int codigo;
        bool erro; // "Erro" with the error icon; otherwise "Atenção", information icon
        const char *texto;
    };
    static const Retorno tabela[] = {
        {0, true, "Erro de Comunicação !"},
        {-1, true, "Erro de Execução na Função. Verifique!"},
        {-2, true, "Parâmetro Inválido !"},
        {-3, false, "Alíquota não programada !"},
        {-4, false, "Arquivo BemaFI32.INI não encontrado. Verifique!"},
        {-5, true, "Erro ao Abrir a Porta de Comunicação"},
        {-6, false, "Impressora Desligada ou Desconectada"},
        {-7, false, "Banco Não Cadastrado no Arquivo BemaFI32.ini"},
        {-8, true, "Erro ao Criar ou Gravar no Arquivo Retorno.txt ou Status.txt"},
        {-18, false, "Não foi possível abrir arquivo INTPOS.001 !"},
        {-19, false, "Parâmetro diferentes !"},
        {-20, false, "Transação cancelada pelo Operador !"},
        {-21, false, "A Transação não foi aprovada !"},
        {-22, false, "Não foi possível terminal a Impressão !"},
        {-23, false, "Não foi possível terminal a Operação !"},
        {-24, false, "Forma de pagamento não programada."},
        {-25, false, "Totalizador não fiscal não programado."},
        {-26, false, "Transação já Efetuada !"},
        {-28, false, "Não há Informações para serem Impressas !"},
    };
    for (const Retorno &r : tabela) {
        if (r.codigo != iRetorno)
            continue;
        const QString texto = QString::fromUtf8(r.texto);
        if (r.erro)
            Mensagem::mostrar(Mensagem::Tipo::Erro, texto, Mensagem::Ok, Mensagem::Ok, QStringLiteral("Erro"));
        else
            Mensagem::mostrar(Mensagem::Tipo::Informacao, texto, Mensagem::Ok, Mensagem::Ok,
                              QStringLiteral("Atenção"));
        return;
    }
}

namespace RotinasFiscais {
namespace {

const QString kDiaria = QStringLiteral("DIÁRIA");
const QString kConsumo = QStringLiteral("CONSUMO");

LinhaCupom linhaDe(const Linha &r)
{
    LinhaCupom l;
    l.chave = r.inteiro(QStringLiteral("CHAVE"));
    l.idPs = r.inteiro(QStringLiteral("ID_P_S"));
    l.qtd = r.inteiro(QStringLiteral("QTD"));
    l.valorUnit = r.dinheiro(QStringLiteral("VALOR_UNIT"));
    l.comanda = r.inteiro(QStringLiteral("COMANDA"));
    l.usuario = r.texto(QStringLiteral("USUARIO"));
    l.data = r.data(QStringLiteral("DATA"));
    l.hora = r.hora(QStringLiteral("HORA"));
    l.pago = r.texto(QStringLiteral("PAGO"));
    l.idEntrada = r.inteiro(QStringLiteral("ID_ENTRADA"));
    l.taxa = r.dinheiro(QStringLiteral("TAXA"));
    l.diaria = r.texto(QStringLiteral("DIARIA"));
    l.hospedes = r.inteiro(QStringLiteral("HOSPEDES"));
    l.descricaoProduto = r.texto(QStringLiteral("DESCRICAO"));
    return l;
}

// Consumption lines of a stay; `diaria`: "S" only nights charged as
// consumption, "N" only the others, empty every line.
QList<LinhaCupom> consumoIndividual(ConexaoBanco &conexao, qint64 estadia, const QString &diaria)
{
    QString sql = QStringLiteral(
        "SELECT D.ID_DESPESA_UH AS CHAVE, D.ID_P_S, D.QTD, D.VALOR_UNIT, D.COMANDA, D.USUARIO, D.DATA, D.HORA, "
        "D.PAGO, D.ID_ENTRADA, D.TAXA, D.DIARIA, 0 AS HOSPEDES, PS.DESCRICAO "
        "FROM DESPESA_UH D LEFT JOIN PRODUTOS_SERVICOS PS ON PS.ID_P_S = D.ID_P_S "
        "WHERE D.ID_ENTRADA = ?");
    Valores v{estadia};
    if (diaria == QLatin1String("S"))
        sql += QStringLiteral(" AND D.DIARIA = 'S'");
    else if (diaria == QLatin1String("N"))
        sql += QStringLiteral(" AND D.DIARIA <> 'S'");
    QList<LinhaCupom> l;
    for (const Linha &r : conexao.lerTodas(sql, v))
        l.append(linhaDe(r));
    return l;
}

QList<LinhaCupom> noites(ConexaoBanco &conexao, qint64 estadia)
{
    QList<LinhaCupom> l;
    for (const Linha &r : conexao.lerTodas(
             QStringLiteral("SELECT ID_OCUPACAO AS CHAVE, 0 AS ID_P_S, 1 AS QTD, VALOR AS VALOR_UNIT, 0 AS COMANDA, "
                            "'SISTEMA' AS USUARIO, DATA, ID_ENTRADA, QTD AS HOSPEDES "
                            "FROM OCUPACAO WHERE ID_ENTRADA = ?"),
             {estadia})) {
        LinhaCupom n = linhaDe(r);
        n.pago = QStringLiteral("N");
        n.diaria = QStringLiteral("S");
        l.append(n);
    }
    return l;
}

// One summary line of a stay's consumption (none when it has no line).
QList<LinhaCupom> resumoConsumo(ConexaoBanco &conexao, qint64 estadia)
{
    const Linha r = conexao.ler(
        QStringLiteral("SELECT COUNT(*) AS LINHAS, SUM(QTD * VALOR_UNIT) AS TOTAL FROM DESPESA_UH WHERE ID_ENTRADA = ?"),
        {estadia});
    if (r.inteiro(QStringLiteral("LINHAS")) == 0)
        return {};
    LinhaCupom l;
    l.idPs = 0;
    l.qtd = 1;
    l.valorUnit = r.dinheiro(QStringLiteral("TOTAL"));
    l.usuario = QStringLiteral("SISTEMA");
    l.data = QDate(2000, 1, 1);
    l.hora = QTime(0, 0);
    l.pago = QStringLiteral("N");
    l.idEntrada = estadia;
    l.diaria = QStringLiteral("N");
    return {l};
}

void ordenar(QList<LinhaCupom> &l)
{
    std::stable_sort(l.begin(), l.end(), [](const LinhaCupom &a, const LinhaCupom &b) {
        const QTime ha = a.hora.isValid() ? a.hora : QTime(0, 0);
        const QTime hb = b.hora.isValid() ? b.hora : QTime(0, 0);
        if (a.data != b.data)
            return a.data < b.data;
        return ha < hb;
    });
}

QString campoFechamento(const QString &rotulo, const QString &texto)
{
    return (rotulo + texto).leftJustified(48, QLatin1Char(' '), true);
}

} // namespace

QString LinhaCupom::descricao() const
{
    if (idPs == 0)
        return diaria == QLatin1String("S") ? kDiaria : kConsumo;
    // A product no longer on file still prints as consumption.
    return descricaoProduto.trimmed().isEmpty() ? kConsumo : descricaoProduto;
}

QList<LinhaCupom> linhasHospedagens(ConexaoBanco &conexao, const QList<qint64> &estadias, bool agrupado, Escolha escolha)
{
    QList<LinhaCupom> l;
    for (qint64 e : estadias) {
        const bool comNoites = escolha != Escolha::ApenasConsumos;
        const bool comConsumo = escolha != Escolha::ApenasDiarias;
        if (agrupado) {
            if (comConsumo)
                l += resumoConsumo(conexao, e);
        } else if (escolha == Escolha::ApenasDiarias) {
            l += consumoIndividual(conexao, e, QStringLiteral("S"));
        } else if (escolha == Escolha::ApenasConsumos) {
            l += consumoIndividual(conexao, e, QStringLiteral("N"));
        } else {
            l += consumoIndividual(conexao, e, QString());
        }
        if (comNoites)
            l += noites(conexao, e);
    }
    ordenar(l);
    return l;
}

QList<LinhaCupom> linhasDespesaAvulsa(ConexaoBanco &conexao, TipoDespesaAvulsa tipo, qint64 idVenda)
{
    QList<LinhaCupom> l;
    if (tipo == TipoDespesaAvulsa::Individual) {
        for (const Linha &r : conexao.lerTodas(
                 QStringLiteral("SELECT D.ID_DESPESA_AVULSA AS CHAVE, D.ID_P_S, D.QTD, D.VALOR_UNIT, D.COMANDA, "
                                "D.USUARIO, D.DATA, D.HORA, D.TAXA, PS.DESCRICAO "
                                "FROM DESPESA_AVULSA D LEFT JOIN PRODUTOS_SERVICOS PS ON PS.ID_P_S = D.ID_P_S "
                                "WHERE D.ID_DESPESA_AVULSA = ?"),
                 {idVenda})) {
            LinhaCupom c = linhaDe(r);
            c.pago = QStringLiteral("S");
            c.diaria = QStringLiteral("N");
            l.append(c);
        }
    } else {
        for (const Linha &r : conexao.lerTodas(
                 QStringLiteral("SELECT I.ID_V_I_DESPESA_AVULSA AS CHAVE, I.ID_P_S, I.QTD, I.VALOR_UNIT, I.COMANDA, "
                                "V.USUARIO, V.DATA, V.HORA, I.TAXA, PS.DESCRICAO "
                                "FROM V_I_DESPESA_AVULSA I JOIN V_DESPESA_AVULSA V "
                                "ON V.ID_V_DESPESA_AVULSA = I.ID_V_DESPESA_AVULSA "
                                "LEFT JOIN PRODUTOS_SERVICOS PS ON PS.ID_P_S = I.ID_P_S "
                                "WHERE I.ID_V_DESPESA_AVULSA = ? ORDER BY I.ID_V_I_DESPESA_AVULSA"),
                 {idVenda})) {
            LinhaCupom c = linhaDe(r);
            c.pago = QStringLiteral("S");
            c.diaria = QStringLiteral("N");
            l.append(c);
        }
    }
    return l;
}

Dinheiro subtotal(const QList<LinhaCupom> &linhas, bool soSelecionadas)
{
    Dinheiro s;
    for (const LinhaCupom &l : linhas)
        if (!soSelecionadas || l.selecionada())
            s += l.valor();
    return s;
}

std::optional<qint64> lerDesconto(const QString &texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return 0;
    static const QRegularExpression formato(QStringLiteral(R"(^(\d{1,3}(\.\d{3})+|\d+)(,\d{1,2})?$)"));
    if (!formato.match(t).hasMatch())
        return std::nullopt;
    const auto d = Dinheiro::deTexto(t);
    if (!d)
        return std::nullopt;
    return d->centavos();
}

std::optional<Dinheiro> totalCupom(Dinheiro sub, TipoDesconto tipo, const QString &desconto, QString *erro)
{
    const auto d = lerDesconto(desconto);
    if (!d) {
        if (erro)
            *erro = kMsgDescontoInvalido;
        return std::nullopt;
    }
    if (tipo == TipoDesconto::Percentual) {
        if (*d > 10000) {
            if (erro)
                *erro = kMsgDescontoPercentual;
            return std::nullopt;
        }
        return sub - sub.percentual(*d);
    }
    const Dinheiro valor = Dinheiro::deCentavos(*d);
    if (valor > sub) {
        if (erro)
            *erro = kMsgDescontoSubtotal;
        return std::nullopt;
    }
    return sub - valor;
}

QString mensagemFechamento(const QString &cpfCnpj, const QString &nome, const QString &endereco)
{
    QString m;
    if (!cpfCnpj.isEmpty())
        m += campoFechamento(QStringLiteral("CPF/CNPJ: "), cpfCnpj);
    if (!nome.isEmpty())
        m += campoFechamento(QStringLiteral("CLIENTE: "), nome);
    if (!endereco.isEmpty())
        m += campoFechamento(QStringLiteral("END.: "), endereco);
    return m + QString(48, QLatin1Char(' ')) + kDespedida;
}

QString nomeFormaPagamento(int indice)
{
    static const char *const nomes[] = {"Dinheiro", "Visa", "Mastercard", "Hipercard", "Cheque", "Duplicata"};
    if (indice < 0 || indice >= 6)
        return QStringLiteral("Dinheiro");
    return QString::fromLatin1(nomes[indice]);
}

std::optional<QDate> lerDataMemoria(const QString &texto)
{
    static const QRegularExpression formato(QStringLiteral(R"(^(\d{2})/(\d{2})/(\d{2})$)"));
    const auto m = formato.match(texto.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const QDate d(2000 + m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!d.isValid())
        return std::nullopt;
    return d;
}

Resultado emitirCupom(const DadosCupom &d)
{
    if (d.linhas.isEmpty()) {
        Mensagem::aviso(kMsgSemItens);
        return Resultado::SemItens;
    }
    // Everything the printer would refuse is refused here, before the coupon
    // opens: a half-printed coupon helps nobody.
    const Dinheiro sub = subtotal(d.linhas, false);
    QString erro;
    const auto total = totalCupom(sub, d.tipoDesconto, d.desconto, &erro);
    if (!total) {
        Mensagem::aviso(erro);
        return Resultado::Recusado;
    }
    const qint64 desconto = *lerDesconto(d.desconto);
    if (d.tipoDesconto == TipoDesconto::Valor && desconto > kMaxValorCentavos) {
        Mensagem::aviso(kMsgValorDesconto.arg(Dinheiro::deCentavos(desconto).formatado()));
        return Resultado::Recusado;
    }
    for (int i = 0; i < d.linhas.size(); ++i) {
        const LinhaCupom &l = d.linhas.at(i);
        if (l.valorUnit.centavos() < 0 || l.valorUnit.centavos() > kMaxValorCentavos) {
            Mensagem::aviso(kMsgValorItem.arg(i + 1).arg(l.descricao(), l.valorUnit.formatado()));
            return Resultado::Recusado;
        }
        if (l.qtd < 1 || l.qtd > kMaxQuantidade) {
            Mensagem::aviso(kMsgQuantidadeItem.arg(i + 1).arg(l.descricao()).arg(l.qtd));
            return Resultado::Recusado;
        }
    }
    if (!Mensagem::pergunta(kPerguntaEmitir))
        return Resultado::Desistiu;

    const QString forma = nomeFormaPagamento(d.formaPagamento);
    const QString tipoDesconto = d.tipoDesconto == TipoDesconto::Percentual ? QStringLiteral("%") : QStringLiteral("$");

    int rc = Bematech_FI_AbreCupom(QString());
    Analisa_iRetorno(rc);
    // No coupon of ours was opened: cancelling now would cancel the last
    // good coupon.
    if (rc != 1)
        return Resultado::Falhou;

    auto desfazer = [] {
        const int rcCancela = Bematech_FI_CancelaCupom();
        Analisa_iRetorno(rcCancela);
        if (rcCancela == 1)
            Mensagem::info(kMsgCupomCancelado);
        return Resultado::Falhou;
    };

    for (const LinhaCupom &l : d.linhas) {
        const QString descricao = l.descricao();
        // Nights on the nights' rate, whatever their description; the rest
        // under tax substitution.
        const bool noite = descricao == QLatin1String("DIÁRIA") || l.diaria == QLatin1String("S");
        const QString aliquota = noite ? d.aliquotaDiaria : QStringLiteral("FF");
        rc = Bematech_FI_VendeItem(QString::number(l.codigo()).left(13), descricao.left(29), aliquota,
                                   QStringLiteral("F"), QString::number(l.qtd * 1000), 2, l.valorUnit.formatado(),
                                   tipoDesconto, QStringLiteral("0,00"));
        Analisa_iRetorno(rc);
        if (rc != 1)
            return desfazer();
    }
    rc = Bematech_FI_IniciaFechamentoCupom(QStringLiteral("D"), tipoDesconto,
                                           Dinheiro::deCentavos(desconto).formatado());
    Analisa_iRetorno(rc);
    if (rc != 1)
        return desfazer();
    rc = Bematech_FI_EfetuaFormaPagamento(forma, total->formatado());
    Analisa_iRetorno(rc);
    if (rc != 1)
        return desfazer();
    rc = Bematech_FI_TerminaFechamentoCupom(mensagemFechamento(d.cpfCnpj, d.nome, d.endereco));
    Analisa_iRetorno(rc);
    if (rc != 1)
        return desfazer();
    return Resultado::Impresso;
}

} // namespace RotinasFiscais
