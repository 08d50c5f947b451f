#include "rooms/Aniversariantes.h"

#include "base/Erros.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "core/Inicializacao.h"
#include "rooms/Clientes.h"
#include "rooms/UnitRelAniversariantes.h"

namespace Aniversariantes {

const QStringList &meses()
{
    static const QStringList m = [] {
        QStringList l = RelAniversariantes::meses().mid(1);
        l.prepend(kSelecione);
        return l;
    }();
    return m;
}

std::optional<DiaMes> lerDiaMes(const QString &texto)
{
    if (texto.size() != 5 || texto.at(2) != QLatin1Char('/'))
        return std::nullopt;
    for (int i : {0, 1, 3, 4})
        if (!texto.at(i).isDigit() || texto.at(i).unicode() > '9')
            return std::nullopt;
    const DiaMes d{texto.left(2).toInt(), texto.mid(3, 2).toInt()};
    // 2000 is a leap year: 29/02 is a birthday.
    if (!QDate::isValid(2000, d.mes, d.dia))
        return std::nullopt;
    return d;
}

namespace {

QList<Cliente> lerClientes(ConexaoBanco &conexao, const QString &sql, const Valores &v)
{
    QList<Cliente> r;
    for (const Linha &l : conexao.lerTodas(sql, v))
        r.append({l.inteiro(QStringLiteral("ID_CLIENTE")), l.texto(QStringLiteral("NOME")),
                  l.data(QStringLiteral("DATA_NASC")), l.texto(QStringLiteral("EMAIL"))});
    return r;
}

const QString kSelectClientes = QStringLiteral(
    "SELECT ID_CLIENTE, NOME, DATA_NASC, EMAIL FROM CLIENTE WHERE EXCLUIDO = 'N' AND DATA_NASC <> ? "
    "AND EXTRACT(MONTH FROM DATA_NASC) = ?");

} // namespace

QList<Cliente> porMes(ConexaoBanco &conexao, int mes)
{
    return lerClientes(conexao, kSelectClientes + QStringLiteral(" ORDER BY DATA_NASC, ID_CLIENTE"),
                       {QDate(1900, 1, 1), mes});
}

QList<Cliente> porDia(ConexaoBanco &conexao, int dia, int mes)
{
    return lerClientes(conexao, kSelectClientes
                           + QStringLiteral(" AND EXTRACT(DAY FROM DATA_NASC) = ? ORDER BY DATA_NASC, ID_CLIENTE"),
                       {QDate(1900, 1, 1), mes, dia});
}

Escolha escolha(const QList<Cliente> &clientes)
{
    Escolha e;
    for (const Cliente &c : clientes) {
        if (c.email.isEmpty()) {
            ++e.semEmail;
            continue;
        }
        ++e.comEmail;
        const QString email = c.email.trimmed();
        if (Clientes::emailValido(email))
            e.itens.append({email, true});
        else
            e.itens.append({email + QStringLiteral(" - (") + QString::number(c.id) + QStringLiteral(") - ") + c.nome,
                            false});
    }
    return e;
}

QString acrescentarPara(const QList<ItemEscolha> &itens, const QList<bool> &marcados)
{
    QString r;
    for (qsizetype i = 0; i < itens.size(); ++i)
        if (marcados.value(i) && Clientes::emailValido(itens[i].texto))
            r += itens[i].texto + QStringLiteral("; ");
    return r;
}

QString rotuloPara(const QString &para)
{
    return QStringLiteral("Para (") + QString::number(para.count(QLatin1Char(';'))) + QStringLiteral("):");
}

QStringList destinatarios(const QString &para)
{
    QStringList r;
    QString t = para;
    t.replace(QLatin1Char(','), QLatin1Char(';'));
    for (const QString &s : t.split(QLatin1Char(';'))) {
        const QString e = s.trimmed();
        if (!e.isEmpty())
            r.append(e);
    }
    return r;
}

Conta ler(ConexaoBanco &conexao)
{
    const Linha l = conexao.ler(
        QStringLiteral("SELECT EMAIL_REMETENTE, SENHA, REMETENTE, ASSUNTO, MENSAGEM FROM EMAIL"));
    return {l.texto(QStringLiteral("EMAIL_REMETENTE")), l.texto(QStringLiteral("SENHA")),
            l.texto(QStringLiteral("REMETENTE")), l.texto(QStringLiteral("ASSUNTO")),
            l.texto(QStringLiteral("MENSAGEM"))};
}

QString validar(const Conta &c)
{
    const struct {
        const QString *texto;
        const char *campo;
        int tamanho;
    } campos[] = {{&c.conta, "Conta de e-mail:", 100},
                  {&c.senha, "Senha para autenticação:", 100},
                  {&c.remetente, "Remetente:", 100},
                  {&c.assunto, "Assunto:", 200}};
    for (const auto &f : campos)
        if (f.texto->size() > f.tamanho)
            return QStringLiteral("O campo \"%1\" aceita no máximo %2 caracteres (tem %3).")
                .arg(QString::fromUtf8(f.campo))
                .arg(f.tamanho)
                .arg(f.texto->size());
    return {};
}

void salvar(ConexaoBanco &conexao, const Conta &c)
{
    const QString erro = validar(c);
    if (!erro.isEmpty())
        throw ErroSistema(erro);
    conexao.emTransacao([&] {
        conexao.executar(QStringLiteral("UPDATE EMAIL SET EMAIL_REMETENTE = ?, SENHA = ?, REMETENTE = ?, "
                                            "ASSUNTO = ?, MENSAGEM = ?"),
                             {c.conta, c.senha, c.remetente, c.assunto, c.mensagem});
        RegistrarLog(conexao, kLogSalvo);
    });
}

QString textoLogEnvio(const Conta &c, const QString &para)
{
    const QChar cr(QLatin1Char('\r'));
    return QStringLiteral("De: ") + c.remetente + QStringLiteral(" (") + c.conta + QLatin1Char(')') + cr
        + QStringLiteral("Assunto: ") + c.assunto + cr + QStringLiteral("Mensagem: ") + c.mensagem + cr
        + QStringLiteral("Para: ") + para.left(500) + cr;
}

void registrarEnvio(ConexaoBanco &conexao, const Conta &c, const QString &para)
{
    conexao.emTransacao([&] { NovoRegistrarLog(conexao, kLogEnvio, textoLogEnvio(c, para), QString()); });
}

QString tipoMime(int numero)
{
    static const char *const tipos[] = {
        "text/plain", "text/html", "text/richtext", "text/x-aiff", "audio/basic", "audio/wav", "image/gif",
        "image/jpeg", "image/pjpeg", "image/tiff", "image/x-png", "image/x-xbitmap", "image/bmp", "image/x-jg",
        "image/x-emf", "image/x-wmf", "video/avi", "video/mpeg", "application/postscript", "application/base64",
        "application/macbinhex40", "application/pdf", "application/x-compressed", "application/x-zip-compressed",
        "application/x-gzip-compressed", "application/java", "application/x-msdownload",
        "application/octet-stream", "multipart/mixed", "multipart/relative", "multipart/digest",
        "multipart/alternative", "multipart/related", "multipart/report", "multipart/signed",
        "multipart/encrypted"};
    if (numero < 0 || numero >= int(std::size(tipos)))
        return {};
    return QString::fromLatin1(tipos[numero]);
}

Servidor servidorDe(const QString &textoIni)
{
    const Inicio::ArquivoIni ini(textoIni);
    const QString secao = QStringLiteral("EMAIL");
    Servidor s{ini.valor(secao, QStringLiteral("HOST")).trimmed(), ini.valor(secao, QStringLiteral("PORTA")).trimmed(),
               ini.valor(secao, QStringLiteral("CA")).trimmed()};
    if (s.host.isEmpty())
        s.host = kHostPadrao;
    if (s.porta.isEmpty())
        s.porta = kPortaPadrao;
    return s;
}

Servidor servidor()
{
    QString texto;
    const QString arquivo = Inicio::arquivoParam();
    if (arquivo.isEmpty() || !Inicio::lerTexto(arquivo, &texto))
        return servidorDe(QString());
    return servidorDe(texto);
}

} // namespace Aniversariantes
