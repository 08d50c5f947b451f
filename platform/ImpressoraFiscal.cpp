#include "platform/ImpressoraFiscal.h"
#include "base/Caminhos.h"
#include "base/Dinheiro.h"
#include "base/Relogio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <functional>
#include <optional>

namespace {

constexpr int kColunas = 48;
constexpr int kMaxAliquotas = 16;
constexpr int kTamanhoRetornoAliquotas = 79;
// Largest unit value, item discount and quantity the printer holds
// (8 digits with 2 decimals; 4 whole digits with 3 decimals).
constexpr qint64 kMaxValor = 99999999;
constexpr qint64 kMaxQuantidadeMilesimos = 9999999;
constexpr int kMaxLinhasMensagem = 8;

// ------------------------------------------------------------------ state

struct Item {
    QString codigo;
    QString descricao;
    QString aliquota;    // as printed: "FF", "II", "NN", "T18,00", "S05,00"
    qint64 milesimos = 0;
    qint64 unitario = 0; // cents
    qint64 desconto = 0; // cents
    qint64 total = 0;    // cents, after the item's discount
};

struct Cupom {
    qint64 coo = 0;
    QList<Item> itens;
    bool fechando = false; // closing started: only payments and the end
    qint64 ajuste = 0;     // discount (negative) or addition (positive)
    qint64 pago = 0;

    qint64 subtotal() const
    {
        qint64 s = 0;
        for (const Item &i : itens)
            s += i.total;
        return s;
    }
    qint64 total() const { return subtotal() + ajuste; }
};

struct Movimento {
    QDate data;
    qint64 vendaBruta = 0;
    qint64 descontos = 0;
    qint64 acrescimos = 0;
    qint64 cancelamentos = 0;
    int cupons = 0;
    int cancelados = 0;
    QMap<QString, qint64> porAliquota;

    qint64 vendaLiquida() const { return vendaBruta - descontos + acrescimos - cancelamentos; }
};

struct Reducao {
    int crz = 0;
    QDate data;
    qint64 vendaLiquida = 0;
    qint64 gt = 0;
};

struct Aliquota {
    int valor = 0; // hundredths of percent
    bool iss = false;
};

struct Estado {
    qint64 coo = 0;
    int crz = 0;
    qint64 gt = 0;
    QDate dataZ;
    QList<Aliquota> aliquotas;
    QStringList formas;
    std::optional<Cupom> cupom;
    Movimento movimento;
    QList<Reducao> memoria;
    // The last document printed, for the cancellation of the last coupon.
    QString ultimoTipo;  // "CUPOM", "CANCELAMENTO", "LEITURA X", ...
    qint64 ultimoCoo = 0;
    qint64 ultimoTotal = 0;
    QDate ultimoData;
};

QString dataJson(const QDate &d) { return d.isValid() ? d.toString(Qt::ISODate) : QString(); }
QDate deDataJson(const QJsonValue &v) { return QDate::fromString(v.toString(), Qt::ISODate); }
qint64 inteiro(const QJsonValue &v) { return qint64(v.toDouble()); }

QJsonObject paraJson(const Item &i)
{
    return QJsonObject{{"codigo", i.codigo},          {"descricao", i.descricao}, {"aliquota", i.aliquota},
                       {"milesimos", double(i.milesimos)}, {"unitario", double(i.unitario)},
                       {"desconto", double(i.desconto)},   {"total", double(i.total)}};
}

Item itemDe(const QJsonObject &o)
{
    Item i;
    i.codigo = o.value("codigo").toString();
    i.descricao = o.value("descricao").toString();
    i.aliquota = o.value("aliquota").toString();
    i.milesimos = inteiro(o.value("milesimos"));
    i.unitario = inteiro(o.value("unitario"));
    i.desconto = inteiro(o.value("desconto"));
    i.total = inteiro(o.value("total"));
    return i;
}

QJsonObject paraJson(const Estado &e)
{
    QJsonObject o;
    o["coo"] = double(e.coo);
    o["crz"] = e.crz;
    o["gt"] = double(e.gt);
    o["dataZ"] = dataJson(e.dataZ);
    QJsonArray aliq;
    for (const Aliquota &a : e.aliquotas)
        aliq.append(QJsonObject{{"valor", a.valor}, {"iss", a.iss}});
    o["aliquotas"] = aliq;
    o["formas"] = QJsonArray::fromStringList(e.formas);
    if (e.cupom) {
        QJsonArray itens;
        for (const Item &i : e.cupom->itens)
            itens.append(paraJson(i));
        o["cupom"] = QJsonObject{{"coo", double(e.cupom->coo)},
                                 {"itens", itens},
                                 {"fechando", e.cupom->fechando},
                                 {"ajuste", double(e.cupom->ajuste)},
                                 {"pago", double(e.cupom->pago)}};
    }
    const Movimento &m = e.movimento;
    QJsonObject porAliq;
    for (auto it = m.porAliquota.cbegin(); it != m.porAliquota.cend(); ++it)
        porAliq[it.key()] = double(it.value());
    o["movimento"] = QJsonObject{{"data", dataJson(m.data)},
                                 {"vendaBruta", double(m.vendaBruta)},
                                 {"descontos", double(m.descontos)},
                                 {"acrescimos", double(m.acrescimos)},
                                 {"cancelamentos", double(m.cancelamentos)},
                                 {"cupons", m.cupons},
                                 {"cancelados", m.cancelados},
                                 {"porAliquota", porAliq}};
    QJsonArray memoria;
    for (const Reducao &r : e.memoria)
        memoria.append(QJsonObject{{"crz", r.crz},
                                   {"data", dataJson(r.data)},
                                   {"vendaLiquida", double(r.vendaLiquida)},
                                   {"gt", double(r.gt)}});
    o["memoria"] = memoria;
    o["ultimo"] = QJsonObject{{"tipo", e.ultimoTipo},
                              {"coo", double(e.ultimoCoo)},
                              {"total", double(e.ultimoTotal)},
                              {"data", dataJson(e.ultimoData)}};
    return o;
}

Estado estadoDe(const QJsonObject &o)
{
    Estado e;
    e.coo = inteiro(o.value("coo"));
    e.crz = o.value("crz").toInt();
    e.gt = inteiro(o.value("gt"));
    e.dataZ = deDataJson(o.value("dataZ"));
    for (const QJsonValue &v : o.value("aliquotas").toArray())
        e.aliquotas.append({v.toObject().value("valor").toInt(), v.toObject().value("iss").toBool()});
    for (const QJsonValue &v : o.value("formas").toArray())
        e.formas.append(v.toString());
    if (o.value("cupom").isObject()) {
        const QJsonObject c = o.value("cupom").toObject();
        Cupom cupom;
        cupom.coo = inteiro(c.value("coo"));
        for (const QJsonValue &v : c.value("itens").toArray())
            cupom.itens.append(itemDe(v.toObject()));
        cupom.fechando = c.value("fechando").toBool();
        cupom.ajuste = inteiro(c.value("ajuste"));
        cupom.pago = inteiro(c.value("pago"));
        e.cupom = cupom;
    }
    const QJsonObject m = o.value("movimento").toObject();
    e.movimento.data = deDataJson(m.value("data"));
    e.movimento.vendaBruta = inteiro(m.value("vendaBruta"));
    e.movimento.descontos = inteiro(m.value("descontos"));
    e.movimento.acrescimos = inteiro(m.value("acrescimos"));
    e.movimento.cancelamentos = inteiro(m.value("cancelamentos"));
    e.movimento.cupons = m.value("cupons").toInt();
    e.movimento.cancelados = m.value("cancelados").toInt();
    const QJsonObject porAliq = m.value("porAliquota").toObject();
    for (auto it = porAliq.begin(); it != porAliq.end(); ++it)
        e.movimento.porAliquota[it.key()] = inteiro(it.value());
    for (const QJsonValue &v : o.value("memoria").toArray()) {
        const QJsonObject r = v.toObject();
        e.memoria.append({r.value("crz").toInt(), deDataJson(r.value("data")), inteiro(r.value("vendaLiquida")),
                          inteiro(r.value("gt"))});
    }
    const QJsonObject u = o.value("ultimo").toObject();
    e.ultimoTipo = u.value("tipo").toString();
    e.ultimoCoo = inteiro(u.value("coo"));
    e.ultimoTotal = inteiro(u.value("total"));
    e.ultimoData = deDataJson(u.value("data"));
    return e;
}

// ------------------------------------------------------------------ tape

QString valor(qint64 centavos) { return Dinheiro::deCentavos(centavos).formatado(); }

QString linha(const QString &esquerda, const QString &direita)
{
    const int espaco = kColunas - int(esquerda.size()) - int(direita.size());
    if (espaco < 1)
        return (esquerda + QLatin1Char(' ') + direita).left(kColunas);
    return esquerda + QString(espaco, QLatin1Char(' ')) + direita;
}

QString centro(const QString &t)
{
    const int margem = qMax(0, (kColunas - int(t.size())) / 2);
    return QString(margem, QLatin1Char(' ')) + t;
}

QString aliquotaTexto(const Aliquota &a)
{
    return (a.iss ? QStringLiteral("S") : QStringLiteral("T")) + valor(a.valor).rightJustified(5, QLatin1Char('0'));
}

QString cooTexto(qint64 coo) { return QString::number(coo).rightJustified(6, QLatin1Char('0')); }

struct Impressao {
    Estado estado;
    QStringList bobina; // lines printed by this call
    bool alterado = false;

    void cabecalho(const QString &titulo, qint64 coo)
    {
        bobina << QString(kColunas, QLatin1Char('='))
               << centro(QStringLiteral("SIMULADOR DE IMPRESSORA FISCAL"))
               << linha(Relogio::agora().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")),
                        QStringLiteral("COO: ") + cooTexto(coo))
               << QString(kColunas, QLatin1Char('-')) << centro(titulo) << QString(kColunas, QLatin1Char('-'));
        alterado = true;
    }
    void rodape()
    {
        bobina << linha(QStringLiteral("GT:"), valor(estado.gt)) << QString(kColunas, QLatin1Char('=')) << QString();
    }
    void documento(const QString &tipo, qint64 coo, qint64 total = 0)
    {
        estado.ultimoTipo = tipo;
        estado.ultimoCoo = coo;
        estado.ultimoTotal = total;
        estado.ultimoData = Relogio::hoje();
    }

    void movimentoDoDia()
    {
        Movimento &m = estado.movimento;
        if (!m.data.isValid())
            m.data = Relogio::hoje();
        bobina << linha(QStringLiteral("VENDA BRUTA DIÁRIA R$"), valor(m.vendaBruta))
               << linha(QStringLiteral("DESCONTOS R$"), valor(m.descontos))
               << linha(QStringLiteral("ACRÉSCIMOS R$"), valor(m.acrescimos))
               << linha(QStringLiteral("CANCELAMENTOS R$"), valor(m.cancelamentos))
               << linha(QStringLiteral("VENDA LÍQUIDA R$"), valor(m.vendaLiquida()))
               << linha(QStringLiteral("CUPONS EMITIDOS"), QString::number(m.cupons))
               << linha(QStringLiteral("CUPONS CANCELADOS"), QString::number(m.cancelados));
        bobina << QStringLiteral("TOTALIZADORES PARCIAIS:");
        if (m.porAliquota.isEmpty())
            bobina << QStringLiteral("  NENHUMA VENDA NO DIA");
        for (auto it = m.porAliquota.cbegin(); it != m.porAliquota.cend(); ++it)
            bobina << linha(QStringLiteral("  ") + it.key(), valor(it.value()));
        bobina << QStringLiteral("ALÍQUOTAS PROGRAMADAS:");
        if (estado.aliquotas.isEmpty())
            bobina << QStringLiteral("  NENHUMA");
        for (int i = 0; i < estado.aliquotas.size(); ++i)
            bobina << linha(QStringLiteral("  %1").arg(i + 1, 2, 10, QLatin1Char('0')),
                            aliquotaTexto(estado.aliquotas.at(i)) +
                                (estado.aliquotas.at(i).iss ? QStringLiteral(" ISS") : QStringLiteral(" ICMS")));
    }

    // Cancels the open coupon (a cancellation printed on it).
    void cancelarAberto()
    {
        const Cupom c = *estado.cupom;
        Movimento &m = estado.movimento;
        m.vendaBruta += c.subtotal();
        m.cancelamentos += c.subtotal();
        ++m.cancelados;
        estado.cupom.reset();
        bobina << QString(kColunas, QLatin1Char('-')) << centro(QStringLiteral("CUPOM FISCAL CANCELADO"))
               << linha(QStringLiteral("COO: ") + cooTexto(c.coo), QStringLiteral("VALOR R$ ") + valor(c.subtotal()));
        rodape();
        documento(QStringLiteral("CANCELAMENTO"), c.coo);
        alterado = true;
    }

    void reducaoZ()
    {
        if (estado.cupom)
            cancelarAberto();
        const QDate dia = estado.movimento.data.isValid() ? estado.movimento.data : Relogio::hoje();
        ++estado.coo;
        ++estado.crz;
        cabecalho(QStringLiteral("REDUÇÃO Z"), estado.coo);
        bobina << linha(QStringLiteral("MOVIMENTO DO DIA:"), dia.toString(QStringLiteral("dd/MM/yyyy")))
               << linha(QStringLiteral("CRZ:"), QString::number(estado.crz).rightJustified(4, QLatin1Char('0')));
        movimentoDoDia();
        rodape();
        estado.memoria.append({estado.crz, dia, estado.movimento.vendaLiquida(), estado.gt});
        estado.dataZ = dia;
        estado.movimento = Movimento();
        documento(QStringLiteral("REDUÇÃO Z"), estado.coo);
    }
};

// ------------------------------------------------------------------ setup and forced results

struct Forcado {
    int depoisDe;
    int codigo;
};

QMap<QString, QList<Forcado>> &forcados()
{
    static QMap<QString, QList<Forcado>> f;
    return f;
}

std::optional<int> resultadoForcado(const QString &funcao)
{
    auto it = forcados().find(funcao);
    if (it == forcados().end() || it->isEmpty())
        return std::nullopt;
    Forcado &f = it->first();
    if (f.depoisDe > 0) {
        --f.depoisDe;
        return std::nullopt;
    }
    const int codigo = f.codigo;
    it->removeFirst();
    return codigo;
}

Estado estadoNovo()
{
    Estado e;
    e.formas = SimuladorFiscal::formasPadrao();
    return e;
}

bool gravarTexto(const QString &arquivo, const QByteArray &dados)
{
    QSaveFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(dados) != dados.size())
        return false;
    return f.commit();
}

// Runs one call: the forced result, the setup checks, the state read, the
// pending Z of an earlier day, the call itself, then the tape and the state
// written. A call that fails prints nothing of its own.
int executar(const QString &funcao, const std::function<int(Impressao &)> &chamada)
{
    if (const auto f = resultadoForcado(funcao))
        return *f;
    const QString ini = SimuladorFiscal::arquivoIni();
    if (!QFileInfo(ini).isFile())
        return -4;
    const QString pasta = SimuladorFiscal::pasta();
    if (!QFileInfo(pasta).isDir())
        return -5;
    if (QFileInfo::exists(QDir(pasta).filePath(QStringLiteral("desligada"))))
        return -6;

    Impressao imp;
    QFile arquivo(SimuladorFiscal::arquivoEstado());
    if (arquivo.exists()) {
        if (!arquivo.open(QIODevice::ReadOnly))
            return 0;
        QJsonParseError erro;
        const QJsonDocument doc = QJsonDocument::fromJson(arquivo.readAll(), &erro);
        if (erro.error != QJsonParseError::NoError || !doc.isObject())
            return 0;
        imp.estado = estadoDe(doc.object());
    } else {
        imp.estado = estadoNovo();
        imp.alterado = true;
    }
    // A day left without its Z reduction gets it at the first call of a new day.
    const QDate hoje = Relogio::hoje();
    if (imp.estado.movimento.data.isValid() && imp.estado.movimento.data < hoje &&
        imp.estado.dataZ != imp.estado.movimento.data)
        imp.reducaoZ();

    Impressao antes = imp;
    const int rc = chamada(imp);
    if (rc != 1)
        imp = antes; // a failed call changes nothing of its own
    else
        imp.alterado = true;
    if (!imp.alterado)
        return rc;
    if (!imp.bobina.isEmpty()) {
        QFile bobina(SimuladorFiscal::arquivoBobina());
        if (!bobina.open(QIODevice::WriteOnly | QIODevice::Append))
            return 0;
        const QByteArray texto = (imp.bobina.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
        if (bobina.write(texto) != texto.size())
            return 0;
    }
    if (!gravarTexto(SimuladorFiscal::arquivoEstado(), QJsonDocument(paraJson(imp.estado)).toJson()))
        return 0;
    return rc;
}

// ------------------------------------------------------------------ argument reading

// An amount with a decimal comma and optional thousands dots, at most two
// decimals, not negative.
std::optional<qint64> lerValor(const QString &texto)
{
    static const QRegularExpression formato(QStringLiteral(R"(^\s*(\d{1,3}(\.\d{3})*|\d+)(,\d{1,2})?\s*$)"));
    if (!formato.match(texto).hasMatch())
        return std::nullopt;
    const auto d = Dinheiro::deTexto(texto.trimmed());
    if (!d || d->centavos() < 0)
        return std::nullopt;
    return d->centavos();
}

std::optional<QDate> lerData(const QString &texto)
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

bool diaEncerrado(const Estado &e) { return e.dataZ.isValid() && e.dataZ == Relogio::hoje(); }

} // namespace

// ------------------------------------------------------------------ the calls

int Bematech_FI_AbreCupom(const QString &cpfCnpj)
{
    return executar(QStringLiteral("Bematech_FI_AbreCupom"), [&](Impressao &imp) {
        Estado &e = imp.estado;
        if (e.cupom || diaEncerrado(e))
            return -1;
        if (cpfCnpj.size() > 29)
            return -2;
        if (!e.movimento.data.isValid())
            e.movimento.data = Relogio::hoje();
        Cupom c;
        c.coo = ++e.coo;
        e.cupom = c;
        imp.cabecalho(QStringLiteral("CUPOM FISCAL"), c.coo);
        if (!cpfCnpj.trimmed().isEmpty())
            imp.bobina << QStringLiteral("CPF/CNPJ CONSUMIDOR: ") + cpfCnpj.trimmed();
        imp.bobina << QStringLiteral("ITEM CÓDIGO         DESCRIÇÃO")
                   << QStringLiteral("QTD.  UN.  VL.UNIT(R$)   ST        VL.ITEM(R$)") << QString(kColunas, QLatin1Char('-'));
        imp.documento(QStringLiteral("CUPOM ABERTO"), c.coo);
        return 1;
    });
}

int Bematech_FI_VendeItem(const QString &codigo, const QString &descricao, const QString &aliquota,
                          const QString &tipoQuantidade, const QString &quantidade, int casasDecimais,
                          const QString &valorUnitario, const QString &tipoDesconto, const QString &desconto)
{
    return executar(QStringLiteral("Bematech_FI_VendeItem"), [&](Impressao &imp) {
        Estado &e = imp.estado;
        if (!e.cupom || e.cupom->fechando || diaEncerrado(e))
            return -1;
        if (codigo.trimmed().isEmpty() || codigo.size() > 13 || descricao.trimmed().isEmpty() ||
            descricao.size() > 29 || (casasDecimais != 2 && casasDecimais != 3))
            return -2;
        // Quantity: whole units ("I") or three implied decimals ("F").
        static const QRegularExpression digitos(QStringLiteral(R"(^\d{1,7}$)"));
        if (!digitos.match(quantidade).hasMatch())
            return -2;
        qint64 milesimos = 0;
        if (tipoQuantidade == QLatin1String("I"))
            milesimos = quantidade.toLongLong() * 1000;
        else if (tipoQuantidade == QLatin1String("F"))
            milesimos = quantidade.toLongLong();
        else
            return -2;
        if (milesimos <= 0 || milesimos > kMaxQuantidadeMilesimos)
            return -2;
        const auto unitario = lerValor(valorUnitario);
        const auto desc = lerValor(desconto);
        if (!unitario || *unitario > kMaxValor || !desc || *desc > kMaxValor)
            return -2;
        QString st;
        const QString a = aliquota.trimmed().toUpper();
        if (a.isEmpty())
            return -2;
        if (a == QLatin1String("FF") || a == QLatin1String("II") || a == QLatin1String("NN")) {
            st = a;
        } else {
            static const QRegularExpression indice(QStringLiteral(R"(^\d{2}$)"));
            static const QRegularExpression percentual(QStringLiteral(R"(^\d{4}$)"));
            int achada = -1;
            if (indice.match(a).hasMatch()) {
                achada = a.toInt() - 1;
            } else if (percentual.match(a).hasMatch()) {
                for (int i = 0; i < e.aliquotas.size(); ++i)
                    if (e.aliquotas.at(i).valor == a.toInt())
                        achada = i;
            }
            if (achada < 0 || achada >= e.aliquotas.size())
                return -3;
            st = aliquotaTexto(e.aliquotas.at(achada));
        }
        // Quantity times price, rounded half up to the cent.
        const qint64 bruto = (milesimos * *unitario + 500) / 1000;
        qint64 descItem = 0;
        if (tipoDesconto == QLatin1String("%")) {
            if (*desc > 10000)
                return -2;
            descItem = Dinheiro::deCentavos(bruto).percentual(*desc).centavos();
        } else if (tipoDesconto == QLatin1String("$")) {
            descItem = *desc;
        } else {
            return -2;
        }
        if (descItem > bruto)
            return -2;
        Item item;
        item.codigo = codigo.trimmed();
        item.descricao = descricao.trimmed();
        item.aliquota = st;
        item.milesimos = milesimos;
        item.unitario = *unitario;
        item.desconto = descItem;
        item.total = bruto - descItem;
        e.cupom->itens.append(item);
        const QString qtd = QStringLiteral("%1,%2")
                                .arg(milesimos / 1000)
                                .arg(milesimos % 1000, 3, 10, QLatin1Char('0'));
        imp.bobina << QStringLiteral("%1 %2 %3")
                          .arg(e.cupom->itens.size(), 3, 10, QLatin1Char('0'))
                          .arg(item.codigo, item.descricao)
                   << linha(QStringLiteral("      %1 UN x %2  %3").arg(qtd, valor(item.unitario), st), valor(bruto));
        if (descItem > 0)
            imp.bobina << linha(QStringLiteral("      DESCONTO ITEM"), QStringLiteral("-") + valor(descItem));
        imp.alterado = true;
        return 1;
    });
}

int Bematech_FI_IniciaFechamentoCupom(const QString &acrescimoDesconto, const QString &tipo, const QString &valorTexto)
{
    return executar(QStringLiteral("Bematech_FI_IniciaFechamentoCupom"), [&](Impressao &imp) {
        Estado &e = imp.estado;
        if (!e.cupom || e.cupom->fechando || e.cupom->itens.isEmpty())
            return -1;
        const bool desconto = acrescimoDesconto == QLatin1String("D");
        if (!desconto && acrescimoDesconto != QLatin1String("A"))
            return -2;
        const auto v = lerValor(valorTexto);
        if (!v || *v > kMaxValor)
            return -2;
        const qint64 subtotal = e.cupom->subtotal();
        qint64 ajuste = 0;
        if (tipo == QLatin1String("%")) {
            if (*v > 10000)
                return -2;
            ajuste = Dinheiro::deCentavos(subtotal).percentual(*v).centavos();
        } else if (tipo == QLatin1String("$")) {
            ajuste = *v;
        } else {
            return -2;
        }
        if (desconto && ajuste > subtotal)
            return -2;
        e.cupom->ajuste = desconto ? -ajuste : ajuste;
        e.cupom->fechando = true;
        imp.bobina << QString(kColunas, QLatin1Char('-')) << linha(QStringLiteral("SUBTOTAL R$"), valor(subtotal));
        if (ajuste > 0)
            imp.bobina << linha(desconto ? QStringLiteral("DESCONTO R$") : QStringLiteral("ACRÉSCIMO R$"),
                                (desconto ? QStringLiteral("-") : QStringLiteral("+")) + valor(ajuste));
        imp.bobina << linha(QStringLiteral("TOTAL R$"), valor(e.cupom->total()));
        imp.alterado = true;
        return 1;
    });
}

int Bematech_FI_EfetuaFormaPagamento(const QString &formaPagamento, const QString &valorTexto)
{
    return executar(QStringLiteral("Bematech_FI_EfetuaFormaPagamento"), [&](Impressao &imp) {
        Estado &e = imp.estado;
        if (!e.cupom || !e.cupom->fechando)
            return -1;
        QString nome;
        for (const QString &f : e.formas)
            if (f.compare(formaPagamento.trimmed(), Qt::CaseInsensitive) == 0)
                nome = f;
        if (nome.isEmpty())
            return -24;
        const auto v = lerValor(valorTexto);
        if (!v || *v <= 0 || *v > kMaxValor * 100)
            return -2;
        e.cupom->pago += *v;
        imp.bobina << linha(nome, valor(*v));
        imp.alterado = true;
        return 1;
    });
}

int Bematech_FI_TerminaFechamentoCupom(const QString &mensagem)
{
    return executar(QStringLiteral("Bematech_FI_TerminaFechamentoCupom"), [&](Impressao &imp) {
        Estado &e = imp.estado;
        if (!e.cupom || !e.cupom->fechando || e.cupom->pago < e.cupom->total())
            return -1;
        QStringList linhas;
        for (const QString &parte : mensagem.split(QLatin1Char('\n'))) {
            QString resto = parte;
            do {
                linhas << resto.left(kColunas);
                resto = resto.mid(kColunas);
            } while (!resto.isEmpty());
        }
        if (linhas.size() > kMaxLinhasMensagem)
            return -2;
        const Cupom c = *e.cupom;
        if (c.pago > c.total())
            imp.bobina << linha(QStringLiteral("TROCO R$"), valor(c.pago - c.total()));
        imp.bobina << QString(kColunas, QLatin1Char('-'));
        for (const QString &l : linhas)
            imp.bobina << l;
        Movimento &m = e.movimento;
        m.vendaBruta += c.subtotal();
        if (c.ajuste < 0)
            m.descontos -= c.ajuste;
        else
            m.acrescimos += c.ajuste;
        ++m.cupons;
        for (const Item &i : c.itens)
            m.porAliquota[i.aliquota] += i.total;
        e.gt += c.total();
        e.cupom.reset();
        imp.bobina << QString(kColunas, QLatin1Char('-'));
        imp.rodape();
        imp.documento(QStringLiteral("CUPOM"), c.coo, c.total());
        return 1;
    });
}

int Bematech_FI_CancelaCupom()
{
    return executar(QStringLiteral("Bematech_FI_CancelaCupom"), [&](Impressao &imp) {
        Estado &e = imp.estado;
        if (e.cupom) {
            imp.cancelarAberto();
            return 1;
        }
        // The last coupon, while it is the last document of the day.
        if (e.ultimoTipo != QLatin1String("CUPOM") || e.ultimoData != Relogio::hoje() || diaEncerrado(e))
            return -1;
        const qint64 cooCupom = e.ultimoCoo;
        const qint64 total = e.ultimoTotal;
        ++e.coo;
        imp.cabecalho(QStringLiteral("CANCELAMENTO DE CUPOM FISCAL"), e.coo);
        imp.bobina << linha(QStringLiteral("COO DO CUPOM CANCELADO:"), cooTexto(cooCupom))
                   << linha(QStringLiteral("VALOR CANCELADO R$"), valor(total));
        e.movimento.cancelamentos += total;
        ++e.movimento.cancelados;
        imp.rodape();
        imp.documento(QStringLiteral("CANCELAMENTO"), e.coo);
        return 1;
    });
}

int Bematech_FI_LeituraX()
{
    return executar(QStringLiteral("Bematech_FI_LeituraX"), [&](Impressao &imp) {
        Estado &e = imp.estado;
        if (e.cupom)
            return -1;
        ++e.coo;
        imp.cabecalho(QStringLiteral("LEITURA X"), e.coo);
        imp.movimentoDoDia();
        imp.rodape();
        imp.documento(QStringLiteral("LEITURA X"), e.coo);
        return 1;
    });
}

int Bematech_FI_ReducaoZ(const QString &data, const QString &hora)
{
    return executar(QStringLiteral("Bematech_FI_ReducaoZ"), [&](Impressao &imp) {
        // A date or time given must be readable; the printer's own are used.
        if (!data.trimmed().isEmpty() && !lerData(data))
            return -2;
        if (!hora.trimmed().isEmpty() && !QTime::fromString(hora.trimmed(), QStringLiteral("hh:mm:ss")).isValid())
            return -2;
        if (diaEncerrado(imp.estado))
            return -1;
        imp.estado.movimento.data = Relogio::hoje();
        imp.reducaoZ();
        return 1;
    });
}

int Bematech_FI_LeituraMemoriaFiscalData(const QString &dataInicial, const QString &dataFinal)
{
    return executar(QStringLiteral("Bematech_FI_LeituraMemoriaFiscalData"), [&](Impressao &imp) {
        const auto inicio = lerData(dataInicial);
        const auto fim = lerData(dataFinal);
        if (!inicio || !fim || *fim < *inicio)
            return -2;
        Estado &e = imp.estado;
        if (e.cupom)
            return -1;
        ++e.coo;
        imp.cabecalho(QStringLiteral("LEITURA DA MEMÓRIA FISCAL"), e.coo);
        imp.bobina << QStringLiteral("PERÍODO: %1 A %2")
                          .arg(inicio->toString(QStringLiteral("dd/MM/yyyy")), fim->toString(QStringLiteral("dd/MM/yyyy")))
                   << QStringLiteral("CRZ   DATA          VENDA LÍQUIDA(R$)");
        qint64 soma = 0;
        int achadas = 0;
        for (const Reducao &r : e.memoria) {
            if (r.data < *inicio || r.data > *fim)
                continue;
            imp.bobina << linha(QStringLiteral("%1  %2")
                                    .arg(QString::number(r.crz).rightJustified(4, QLatin1Char('0')),
                                         r.data.toString(QStringLiteral("dd/MM/yyyy"))),
                                valor(r.vendaLiquida));
            soma += r.vendaLiquida;
            ++achadas;
        }
        if (achadas == 0)
            imp.bobina << QStringLiteral("NENHUMA REDUÇÃO Z NO PERÍODO");
        imp.bobina << linha(QStringLiteral("TOTAL DO PERÍODO R$"), valor(soma));
        imp.rodape();
        imp.documento(QStringLiteral("LEITURA DA MEMÓRIA FISCAL"), e.coo);
        return 1;
    });
}

int Bematech_FI_RetornoAliquotas(QString &aliquotas)
{
    QString lidas;
    const int rc = executar(QStringLiteral("Bematech_FI_RetornoAliquotas"), [&](Impressao &imp) {
        QStringList valores;
        for (const Aliquota &a : imp.estado.aliquotas)
            valores << QString::number(a.valor).rightJustified(4, QLatin1Char('0'));
        lidas = valores.join(QLatin1Char(','));
        return 1;
    });
    if (rc == 1) {
        const int tamanho = qMax(int(aliquotas.size()), kTamanhoRetornoAliquotas);
        aliquotas = lidas.leftJustified(tamanho, QLatin1Char(' '), true);
    }
    return rc;
}

int Bematech_FI_ProgramaAliquota(const QString &aliquota, int vinculo)
{
    return executar(QStringLiteral("Bematech_FI_ProgramaAliquota"), [&](Impressao &imp) {
        static const QRegularExpression formato(QStringLiteral(R"(^\s*(\d{1,2})(,(\d{1,2}))?\s*$)"));
        const auto m = formato.match(aliquota);
        if (!m.hasMatch() || (vinculo != 0 && vinculo != 1))
            return -2;
        const int valor = m.captured(1).toInt() * 100 + m.captured(3).leftJustified(2, QLatin1Char('0')).toInt();
        if (valor <= 0)
            return -2;
        Estado &e = imp.estado;
        if (e.cupom || e.aliquotas.size() >= kMaxAliquotas)
            return -1;
        for (const Aliquota &a : e.aliquotas)
            if (a.valor == valor && a.iss == (vinculo == 1))
                return -1;
        e.aliquotas.append({valor, vinculo == 1});
        imp.alterado = true;
        return 1;
    });
}

// ------------------------------------------------------------------ setup

namespace SimuladorFiscal {

QString arquivoIni() { return Caminhos::naInstalacao(QStringLiteral("BemaFI32.ini")); }

QString pasta()
{
    const QString ini = arquivoIni();
    if (!QFileInfo(ini).isFile())
        return {};
    QSettings s(ini, QSettings::IniFormat);
    QString nome = s.value(QStringLiteral("Simulador/Pasta")).toString().trimmed();
    if (nome.isEmpty())
        nome = QStringLiteral("ImpressoraFiscal");
    nome.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(QDir(QFileInfo(ini).absolutePath()).absoluteFilePath(nome));
}

QString arquivoBobina() { return QDir(pasta()).filePath(QStringLiteral("bobina.txt")); }
QString arquivoEstado() { return QDir(pasta()).filePath(QStringLiteral("estado.json")); }

void forcarResultado(const QString &funcao, int codigo, int depoisDe)
{
    forcados()[funcao].append({depoisDe, codigo});
}

void limparForcados() { forcados().clear(); }

QStringList formasPadrao()
{
    return {QStringLiteral("Dinheiro"), QStringLiteral("Visa"),   QStringLiteral("Mastercard"),
            QStringLiteral("Hipercard"), QStringLiteral("Cheque"), QStringLiteral("Duplicata")};
}

} // namespace SimuladorFiscal
