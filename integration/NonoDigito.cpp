#include "integration/NonoDigito.h"
#include "base/Erros.h"
#include "base/Rotinas.h"
#include "base/UnitDM.h"

namespace NonoDigito {

namespace {

struct Coluna {
    const char *tabela, *fone, *chave, *nome;
};
// The telephone columns handled, each with its row's key.
const Coluna kColunas[] = {
    {"CLIENTE", "FONE_1", "ID_CLIENTE", "FONE 1 CLIENTE"},
    {"CLIENTE", "FAX", "ID_CLIENTE", "FONE 2 CLIENTE"},
    {"FORNECEDOR", "FONE_1", "ID_FORNECEDOR", "FONE 1 FORNECEDOR"},
    {"FORNECEDOR", "FAX", "ID_FORNECEDOR", "FONE 2 FORNECEDOR"},
    {"FUNCIONARIO", "FONE", "ID_FUNCIONARIO", "FONE 1 FUNCIONARIO"},
    {"FUNCIONARIO", "FONE_2", "ID_FUNCIONARIO", "FONE 2 FUNCIONARIO"},
};

const QString kMascaraVazia = QStringLiteral("(  )    -    ");

QString filtro(const QString &col)
{
    return QStringLiteral("%1 IS NOT NULL AND %1 <> '' AND %1 <> '%2'").arg(col, kMascaraVazia);
}

bool oitoOuNove(QChar c) { return c == QLatin1Char('8') || c == QLatin1Char('9'); }

struct Fone {
    const Coluna *coluna;
    QVariant id;
    QString texto;
};

QList<Fone> fones(ConexaoBanco &banco)
{
    QList<Fone> r;
    for (const Coluna &c : kColunas) {
        const QString fone = QString::fromLatin1(c.fone), chave = QString::fromLatin1(c.chave);
        for (const Linha &l : banco.lerTodas(QStringLiteral("SELECT %1 AS ID, %2 AS FONE FROM %3 WHERE %4 ORDER BY %1")
                                                 .arg(chave, fone, QString::fromLatin1(c.tabela), filtro(fone))))
            r.append({&c, l.valor(QStringLiteral("ID")), l.texto(QStringLiteral("FONE"))});
    }
    return r;
}

} // namespace

Classe classificar(const QString &fone, const QSet<QString> &ddds)
{
    const QString d = TiraPontoTracoBarra(fone);
    if (d.size() == 8)
        return Classe::SemDDD;
    if (d.size() == 10 && oitoOuNove(d.at(2)) && ddds.contains(d.left(2)))
        return Classe::Sem9;
    if (d.size() == 11 && d.at(0) == QLatin1Char('0') && d.mid(2, 2) != QLatin1String("00") && oitoOuNove(d.at(3))
        && ddds.contains(d.left(2)))
        return Classe::Sem9;
    return Classe::Nenhuma;
}

QString comDDD(const QString &fone, const QString &ddd)
{
    const QString d = TiraPontoTracoBarra(fone);
    return QStringLiteral("(%1)%2-%3").arg(ddd, d.left(4), d.mid(4, 4));
}

QString com9Digito(const QString &fone)
{
    const QString d = TiraPontoTracoBarra(fone);
    // An eleven-digit number starts with the trunk 0: its area code follows it,
    // and no digit of the number is dropped.
    const QString n = d.size() == 11 ? d.mid(1) : d;
    return QStringLiteral("(%1)9%2-%3").arg(n.left(2), n.mid(2, 4), n.mid(6, 4));
}

QString atualizado(const QString &fone, const QString &ddd, const QSet<QString> &ddds)
{
    QString f = fone;
    if (classificar(f, ddds) == Classe::SemDDD && !ddd.isEmpty())
        f = comDDD(f, ddd);
    if (classificar(f, ddds) == Classe::Sem9)
        f = com9Digito(f);
    return f;
}

QString dddDoHotel(const QString &fone1)
{
    if (fone1.size() >= 4 && fone1.at(0) == QLatin1Char('(') && fone1.at(1).isDigit() && fone1.at(2).isDigit()
        && fone1.at(3) == QLatin1Char(')'))
        return fone1.mid(1, 2);
    return {};
}

QStringList ddds(ConexaoBanco &banco)
{
    QStringList r;
    for (const Linha &l : banco.lerTodas(QStringLiteral("SELECT DDD FROM DIGITO9 ORDER BY DDD")))
        r << l.texto(QStringLiteral("DDD"));
    return r;
}

Contagem contar(ConexaoBanco &banco)
{
    const QStringList lista = ddds(banco);
    const QSet<QString> codigos(lista.begin(), lista.end());
    Contagem c;
    for (const Fone &f : fones(banco)) {
        ++c.encontrados;
        switch (classificar(f.texto, codigos)) {
        case Classe::SemDDD: ++c.semDDD; break;
        case Classe::Sem9: ++c.sem9; break;
        case Classe::Nenhuma: break;
        }
    }
    return c;
}

Resultado atualizar(ConexaoBanco &banco, const QString &ddd, Integracao::Andamento &andamento)
{
    const QStringList lista = ddds(banco);
    const QSet<QString> codigos(lista.begin(), lista.end());
    Resultado r;
    banco.emTransacao([&] {
        r = {};
        banco.executar(QStringLiteral("UPDATE PARAMETROS SET FONE_SEM_FORMATO = 'S'"));
        const QList<Fone> todos = fones(banco);
        QList<std::pair<const Fone *, QString>> mudar;
        for (const Fone &f : todos) {
            QString novo = f.texto;
            if (!ddd.isEmpty() && classificar(novo, codigos) == Classe::SemDDD) {
                novo = comDDD(novo, ddd);
                ++r.comDDD;
            }
            if (classificar(novo, codigos) == Classe::Sem9) {
                novo = com9Digito(novo);
                ++r.com9;
            }
            if (novo != f.texto)
                mudar.append({&f, novo});
        }
        Integracao::AndamentoEmCurso gauge(andamento, int(mudar.size()));
        for (const auto &[f, novo] : mudar) {
            const Coluna &c = *f->coluna;
            try {
                banco.executar(QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?")
                                   .arg(QString::fromLatin1(c.tabela), QString::fromLatin1(c.fone),
                                        QString::fromLatin1(c.chave)),
                               {novo, f->id});
            } catch (const ErroBanco &erro) {
                Integracao::linhaRecusada(QStringLiteral("o telefone \"%1\" (%2, código %3)")
                                              .arg(f->texto, QString::fromLatin1(c.nome), f->id.toString()),
                                          erro);
            }
            gauge.avancar();
        }
    });
    return r;
}

} // namespace NonoDigito
