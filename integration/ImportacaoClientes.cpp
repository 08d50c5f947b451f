#include "integration/ImportacaoClientes.h"
#include "base/Erros.h"
#include "base/Rotinas.h"
#include "base/UnitDM.h"

#include <QFile>
#include <QStringDecoder>

namespace Importacao {

QString maiusculas(const QString &texto)
{
    QString r = texto;
    for (QChar &c : r)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return r;
}

QString minusculas(const QString &texto)
{
    QString r = texto;
    for (QChar &c : r)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    return r;
}

QString formatarDocumento(const QString &d)
{
    if (d.size() == 11)
        return QStringLiteral("%1.%2.%3-%4").arg(d.left(3), d.mid(3, 3), d.mid(6, 3), d.mid(9, 2));
    if (d.size() == 14)
        return QStringLiteral("%1.%2.%3/%4-%5").arg(d.left(2), d.mid(2, 3), d.mid(5, 3), d.mid(8, 4), d.mid(12, 2));
    return {};
}

QString cpfInventado(int n) { return formatarDocumento(QStringLiteral("%1").arg(n, 11, 10, QLatin1Char('0'))); }

namespace {

// A field without the character at each end that encloses it.
QString semEnvoltorio(const QString &campo) { return campo.size() >= 2 ? campo.mid(1, campo.size() - 2) : QString(); }

} // namespace

std::optional<Cliente> lerLinha(const QString &linha, int &inventados, QString *motivo)
{
    auto recusar = [&](const QString &m) -> std::optional<Cliente> {
        if (motivo)
            *motivo = m;
        return std::nullopt;
    };
    QString texto = linha;
    while (texto.endsWith(QLatin1Char('\r')) || texto.endsWith(QLatin1Char('\n')))
        texto.chop(1);
    // The thirteenth separator starts the remark, which may hold "|" itself.
    QStringList campos;
    qsizetype inicio = 0;
    for (int i = 0; i < 13; ++i) {
        const qsizetype sep = texto.indexOf(QLatin1Char('|'), inicio);
        if (sep < 0)
            return recusar(QStringLiteral("a linha tem %1 campos; são esperados 14").arg(i + 1));
        campos << texto.mid(inicio, sep - inicio);
        inicio = sep + 1;
    }
    campos << texto.mid(inicio);

    auto campo = [&](int n) { return semEnvoltorio(campos.at(n - 1)).trimmed(); };
    Cliente c;
    c.nome = maiusculas(campo(2));
    const QString digitos = TiraPontoTracoBarra(campo(3));
    c.documento = formatarDocumento(digitos);
    const QString data = campos.at(3).trimmed();
    c.nascimento = QDate::fromString(data.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!c.nascimento.isValid() || (data.size() > 10 && data.at(10) != QLatin1Char(' ')))
        return recusar(QStringLiteral("data de nascimento \"%1\" fora da forma aaaa-mm-dd").arg(data));
    c.rg = campo(5);
    c.estado = maiusculas(campo(6));
    c.cep = TiraPontoTracoBarra(campo(7));
    c.endereco = maiusculas(TiraPontoTracoBarra(campo(8)));
    c.bairro = maiusculas(campo(9));
    c.cidade = maiusculas(campo(10));
    c.fone = campo(11);
    c.fax = campo(12);
    c.email = minusculas(campo(13));
    // The remark: between its double quotes (a "|" inside it belongs to it);
    // without them, like the other fields.
    const QString obs = campos.at(13);
    if (obs.startsWith(QLatin1Char('"'))) {
        const qsizetype fecha = obs.indexOf(QLatin1Char('"'), 1);
        c.observacao = obs.mid(1, fecha < 0 ? -1 : fecha - 1);
    } else {
        c.observacao = semEnvoltorio(obs);
    }
    c.observacao = maiusculas(c.observacao.trimmed());
    if (c.documento.isEmpty())
        c.documento = cpfInventado(++inventados);
    return c;
}

QStringList lerArquivo(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        throw ErroSistema(QStringLiteral("Não foi possível ler o arquivo \"%1\".\n\n%2").arg(caminho, f.errorString()));
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texto = utf8.decode(bytes);
    if (utf8.hasError()) {
        QStringDecoder ansi("windows-1252");
        texto = ansi.isValid() ? QString(ansi.decode(bytes)) : QString::fromLatin1(bytes);
    }
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    QStringList linhas;
    for (const QString &l : texto.split(QLatin1Char('\n')))
        if (!l.trimmed().isEmpty())
            linhas << (l.endsWith(QLatin1Char('\r')) ? l.chopped(1) : l);
    return linhas;
}

Resultado importar(ConexaoBanco &banco, const QStringList &linhas, Integracao::Andamento &andamento,
                   const std::function<void(int, int)> &aCadaLinha)
{
    Resultado r;
    qint64 chave = 0;
    {
        Integracao::AndamentoEmCurso gauge(andamento, int(linhas.size()));
        banco.emTransacao([&] {
            r = {};
            chave = 0;
            banco.executar(QStringLiteral("DELETE FROM CLIENTE"));
            int inventados = 0;
            const int total = int(linhas.size());
            for (int i = 0; i < total; ++i) {
                if (aCadaLinha)
                    aCadaLinha(i + 1, total);
                gauge.avancar();
                QString motivo;
                const std::optional<Cliente> c = lerLinha(linhas.at(i), inventados, &motivo);
                if (c) {
                    try {
                        banco.executar(
                            QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, CNPJ_CPF, RG_INSC_EST, NOME, FONE_1, FAX, "
                                           "ENDERECO, BAIRRO, CIDADE, ESTADO, CEP, EMAIL, OBSERVACAO, DATA_NASC, "
                                           "EXCLUIDO, USUARIO) "
                                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'N', 'SUPORTE')"),
                            {chave + 1, c->documento, c->rg, c->nome, c->fone, c->fax, c->endereco, c->bairro,
                             c->cidade, c->estado, c->cep, c->email, c->observacao, c->nascimento});
                        ++chave;
                        ++r.importados;
                        continue;
                    } catch (const ErroBanco &e) {
                        if (e.conexaoPerdida() || e.conflito())
                            throw;
                        motivo = textoParaUsuario(e).simplified();
                    }
                }
                r.erros << QStringLiteral("Linha %1: %2 -> %3").arg(i + 1).arg(linhas.at(i), motivo);
            }
        });
    }
    Integracao::definirGerador(banco, QStringLiteral("GEN_ID_CLIENTE"), chave);
    return r;
}

} // namespace Importacao
