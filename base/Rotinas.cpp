#include "base/Rotinas.h"
#include "base/Erros.h"
#include "base/Mensagem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QStringList>
#include <QThread>
#include <QWidget>

namespace {

QString semCaracteres(const QString &texto, QStringView tirar)
{
    QString r;
    r.reserve(texto.size());
    for (QChar c : texto)
        if (!tirar.contains(c))
            r.append(c);
    return r;
}

} // namespace

QString TiraPontoTracoBarra(const QString &texto) { return semCaracteres(texto, u".-:/()"); }
QString TiraPonto(const QString &texto) { return semCaracteres(texto, u".:/()").trimmed(); }
QString RemoveEspaco(const QString &texto) { return semCaracteres(texto, u" "); }
QString TiraAspaSimples(const QString &texto) { return semCaracteres(texto, u"'"); }

QString TiraASPASeVIRGULA(const QString &texto)
{
    if (texto.size() < 2)
        return {};
    return texto.mid(1, texto.size() - 2);
}

QString RemoveAcento(const QString &texto)
{
    static const QString com = QStringLiteral("àâêôûãõáéíóúçüÀÂÊÔÛÃÕÁÉÍÓÚÇÜ");
    static const QString sem = QStringLiteral("aaeouaoaeioucuAAEOUAOAEIOUCU");
    QString r = texto;
    for (qsizetype i = 0; i < r.size(); ++i) {
        const qsizetype p = com.indexOf(r.at(i));
        if (p >= 0)
            r[i] = sem.at(p);
    }
    return r;
}

QString PrimeiroNome(const QString &nome)
{
    const qsizetype p = nome.indexOf(QLatin1Char(' '));
    return p < 0 ? QString() : nome.left(p);
}

QString ConverteDinheiro(const QString &money)
{
    QString r = money;
    r.remove(QLatin1Char('.'));
    r.replace(QLatin1Char(','), QLatin1Char('.'));
    return r;
}

// ---------------------------------------------------------------- extenso

namespace {

const char *const kUnidades[] = {"Um", "Dois", "Tres", "Quatro", "Cinco", "Seis", "Sete", "Oito", "Nove"};
const char *const kOnzeDezenove[] = {"Onze", "Doze", "Treze", "Quatorze", "Quinze",
                                     "Dezesseis", "Dezessete", "Dezoito", "Dezenove"};
const char *const kDezenas[] = {"Dez", "Vinte", "Trinta", "Quarenta", "Cinquenta",
                                "Sessenta", "Setenta", "Oitenta", "Noventa"};
const char *const kCentenas[] = {"Cento", "Duzentos", "Trezentos", "Quatrocentos", "Quinhentos",
                                 "Seiscentos", "Setecentos", "Oitocentos", "Novecentos"};

// Words of a group of three digits.
QString grupo(QStringView digitos)
{
    const int h = digitos[0].unicode() - '0';
    const int t = digitos[1].unicode() - '0';
    const int u = digitos[2].unicode() - '0';
    QString dezena, unidade, centena;
    if (t == 1 && u != 0) {
        unidade = QString::fromUtf8(kOnzeDezenove[u - 1]);
    } else {
        if (t > 0)
            dezena = QString::fromUtf8(kDezenas[t - 1]);
        if (u > 0)
            unidade = QString::fromUtf8(kUnidades[u - 1]);
    }
    if (h == 1 && dezena.isEmpty() && unidade.isEmpty())
        centena = QStringLiteral("Cem");
    else if (h > 0)
        centena = QString::fromUtf8(kCentenas[h - 1]);
    QString r = centena;
    if (!centena.isEmpty() && (!dezena.isEmpty() || !unidade.isEmpty()))
        r += QStringLiteral(" e ");
    r += dezena;
    if (!dezena.isEmpty() && !unidade.isEmpty())
        r += QStringLiteral(" e ");
    r += unidade;
    return r;
}

} // namespace

QString extenso(const Dinheiro &valor)
{
    const qint64 c = valor.centavos();
    if (c < 0 || c > 99999999) {
        Mensagem::aviso(QStringLiteral("O valor está fora do intervalo permitido.")
                        + QStringLiteral("O número deve ser maior ou igual a zero e menor que 999.999,99.")
                        + QStringLiteral(" Se não for corrigido o número não será escrito por extenso."));
        return {};
    }
    if (c == 0)
        return {};
    // "000000.00": characters 1-3 thousands, 4-6 units, 8-9 cents
    const QString s = QStringLiteral("%1.%2").arg(c / 100, 6, 10, QLatin1Char('0')).arg(c % 100, 2, 10, QLatin1Char('0'));
    const QString m = grupo(QStringView(s).mid(0, 3));
    const QString cc = grupo(QStringView(s).mid(3, 3));
    const QString centavos = QStringLiteral("0") + s.mid(7, 2);
    const QString v = grupo(centavos);
    const QString unidades = s.mid(3, 3);

    QString r = m;
    if (!m.isEmpty())
        r += unidades == QLatin1String("000") ? QStringLiteral(" Mil Reais") : QStringLiteral(" Mil, ");
    if (!m.isEmpty() && !cc.isEmpty() && (s.mid(3, 2) == QLatin1String("00") || v.isEmpty()))
        r += QStringLiteral(" e ");
    r += cc;
    if (m.isEmpty() && unidades == QLatin1String("001"))
        r += QStringLiteral(" Real");
    else if (unidades != QLatin1String("000"))
        r += QStringLiteral(" Reais");
    if (v.isEmpty()) {
        r += QLatin1Char('.');
    } else {
        if (m.isEmpty() && cc.isEmpty())
            r = v;
        else
            r += QStringLiteral(", e ") + v;
        r += s.mid(7, 2) == QLatin1String("01") ? QStringLiteral(" Centavo.") : QStringLiteral(" Centavos.");
    }
    return r;
}

// ---------------------------------------------------------------- dates and times

QString ConverterMes(int numero)
{
    static const char *const meses[] = {"JANEIRO", "FEVEREIRO", "MARÇO", "ABRIL", "MAIO", "JUNHO",
                                        "JULHO", "AGOSTO", "SETEMBRO", "OUTUBRO", "NOVEMBRO", "DEZEMBRO"};
    if (numero < 1 || numero > 12)
        return {};
    return QString::fromUtf8(meses[numero - 1]);
}

QString SecsToHMS(qint64 secs)
{
    const qint64 h = secs / 3600;
    const qint64 m = (secs % 3600) / 60;
    const qint64 s = secs % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(h, 2, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'));
}

qint64 HMStoSecs(const QString &tempo)
{
    auto numero = [&](qsizetype inicio, qsizetype tamanho) -> qint64 {
        const QString parte = tempo.mid(inicio, tamanho).trimmed();
        bool ok = false;
        const qint64 n = parte.toLongLong(&ok);
        if (!ok)
            throw ErroConversao(QStringLiteral("'%1' não é uma hora válida.").arg(tempo));
        return n;
    };
    if (tempo.size() == 9)
        return numero(0, 3) * 3600 + numero(4, 2) * 60 + numero(7, 2);
    if (tempo.size() <= 8)
        return numero(0, 2) * 3600 + numero(3, 2) * 60 + numero(6, 2);
    return 0;
}

double SubtrairData(const QDateTime &data1, const QDateTime &data2)
{
    return double(data2.msecsTo(data1)) / 86400000.0;
}

QString GetVersaoArq()
{
    QStringList partes = QStringLiteral(ZV_VERSAO).split(QLatin1Char('.'));
    while (partes.size() < 4)
        partes.append(QStringLiteral("0"));
    return partes.mid(0, 4).join(QLatin1Char('.'));
}

int contarCaracteres(const QString &texto)
{
    int n = 0;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (texto[i].isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate())
            ++i;
        ++n;
    }
    return n;
}

QString cortarCaracteres(const QString &texto, int maximo)
{
    int n = 0;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (n == maximo)
            return texto.left(i);
        if (texto[i].isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate())
            ++i;
        ++n;
    }
    return texto;
}

QString sqlContem(const QString &coluna)
{
    return QStringLiteral("%1 LIKE CAST(? AS VARCHAR(%2)) ESCAPE '\\'").arg(coluna).arg(kLarguraBusca);
}

QString valorContem(const QString &texto)
{
    // Each character may take two after escaping: half the cast is kept.
    QString t = cortarCaracteres(texto, (kLarguraBusca - 2) / 2);
    t.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    t.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    t.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + t + QLatin1Char('%');
}

QString sqlIgual(const QString &coluna)
{
    return QStringLiteral("%1 = CAST(? AS VARCHAR(%2))").arg(coluna).arg(kLarguraBusca);
}

QString valorIgual(const QString &texto) { return cortarCaracteres(texto, kLarguraBusca); }

CondicaoSql FormataConsultaMutipla(const QString &texto, const QString &campo)
{
    CondicaoSql c;
    QStringList clausulas;
    for (const QString &termo : texto.trimmed().split(QLatin1Char('/'))) {
        clausulas.append(sqlContem(campo));
        c.valores.append(valorContem(termo.trimmed()));
    }
    c.sql = clausulas.join(QStringLiteral(" OR "));
    return c;
}

// ---------------------------------------------------------------- CPF / CNPJ

namespace {

bool digitosVerificadores(const QString &num, int tamanho, const QList<int> &pesos1, const QList<int> &pesos2)
{
    if (num.size() < tamanho)
        return false;
    QList<int> d;
    for (int i = 0; i < tamanho; ++i) {
        const QChar c = num.at(i);
        if (c < u'0' || c > u'9')
            return false;
        d.append(c.unicode() - '0');
    }
    auto calcular = [&](const QList<int> &pesos) {
        int soma = 0;
        for (int i = 0; i < pesos.size(); ++i)
            soma += d[i] * pesos[i];
        const int r = 11 - soma % 11;
        return r >= 10 ? 0 : r;
    };
    const int dv1 = calcular(pesos1);
    // the second digit is computed over the typed first digit
    const int dv2 = calcular(pesos2);
    const int n = tamanho;
    return dv1 == d[n - 2] && dv2 == d[n - 1];
}

} // namespace

bool Valida_CPF(const QString &num)
{
    return digitosVerificadores(num, 11, {10, 9, 8, 7, 6, 5, 4, 3, 2}, {11, 10, 9, 8, 7, 6, 5, 4, 3, 2});
}

bool Valida_CNPJ(const QString &num)
{
    return digitosVerificadores(num, 14, {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2},
                                {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2});
}

// ---------------------------------------------------------------- Crypt

const char *const kChaveCrypt = "BSMUEMJXHHLHMUFPLENXQBAFJCCVHMEHNZBMAAJHVOWFBOKHHHI";

namespace {

// Windows-1252 codes 0x80-0x9F; the five unassigned codes map to themselves.
const char16_t kCp1252Alto[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int codigoCp1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kCp1252Alto[i] == u)
            return 0x80 + i;
    return '?';
}

QChar deCp1252(int codigo)
{
    codigo &= 0xFF;
    if (codigo >= 0x80 && codigo < 0xA0)
        return QChar(kCp1252Alto[codigo - 0x80]);
    return QChar(codigo);
}

} // namespace

QString Crypt(const QString &action, const QString &src)
{
    if (src.isEmpty())
        return {};
    const int tamanhoChave = 51;
    if (action == QLatin1String("C")) {
        int s = int(QRandomGenerator::global()->bounded(256));
        QString r = QStringLiteral("%1").arg(s, 2, 16, QLatin1Char('0')).toUpper();
        for (qsizetype i = 0; i < src.size(); ++i) {
            const int k = kChaveCrypt[i % tamanhoChave];
            s = ((s + codigoCp1252(src.at(i))) % 255) ^ k;
            r += QStringLiteral("%1").arg(s, 2, 16, QLatin1Char('0')).toUpper();
        }
        return r;
    }
    if (action == QLatin1String("D")) {
        auto hex = [&](qsizetype pos) {
            bool ok = false;
            const int v = src.mid(pos, 2).toInt(&ok, 16);
            if (!ok || src.mid(pos, 2).size() != 2)
                throw ErroConversao(QStringLiteral("'%1' não é um texto codificado válido.").arg(src));
            return v;
        };
        int s = hex(0);
        QString r;
        int indice = 0;
        for (qsizetype pos = 2; pos < src.size(); pos += 2) {
            const int p = hex(pos);
            const int d = p ^ kChaveCrypt[indice++ % tamanhoChave];
            r += deCp1252(s < d ? d - s : d - s + 255);
            s = p;
        }
        return r;
    }
    return {};
}

// ---------------------------------------------------------------- files and windows

void ConverteParaJpeg(const QString &caminhoFoto)
{
    const QString bmp = caminhoFoto + QStringLiteral(".bmp");
    QImage imagem;
    if (!imagem.load(bmp))
        throw ErroSistema(QStringLiteral("Não foi possível abrir a imagem %1.").arg(bmp));
    const QString jpg = caminhoFoto + QStringLiteral(".jpg");
    if (!imagem.save(jpg, "JPG"))
        throw ErroSistema(QStringLiteral("Não foi possível gravar a imagem %1.").arg(jpg));
    QFile::remove(bmp);
}

void windowshake(QWidget *janela)
{
    if (!janela)
        return;
    const QRect original = janela->geometry();
    auto *rnd = QRandomGenerator::global();
    int dx = 0, dy = 0;
    for (int i = 0; i <= 500; ++i) {
        dx += int(rnd->bounded(4)) * (rnd->bounded(2) ? 1 : -1);
        dy += int(rnd->bounded(4)) * (rnd->bounded(2) ? 1 : -1);
        janela->move(original.topLeft() + QPoint(dx, dy));
        if (i % 25 == 0) {
            QCoreApplication::processEvents();
            QThread::msleep(1);
        }
    }
    janela->setGeometry(original);
}

bool gravarImagemJpeg(const QImage &imagem, const QString &arquivo)
{
    if (imagem.isNull())
        return false;
    QDir().mkpath(QFileInfo(arquivo).absolutePath());
    const QString novo = arquivo + QStringLiteral(".novo");
    if (!imagem.save(novo, "JPG")) {
        QFile::remove(novo);
        return false;
    }
    // the written file is read back before it replaces the old one
    if (QImage(novo).isNull()) {
        QFile::remove(novo);
        return false;
    }
    QFile::remove(arquivo);
    return QFile::rename(novo, arquivo);
}
