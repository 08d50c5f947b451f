#pragma once
// Text, money and date routines shared by every screen, and the check digits
// of CPF and CNPJ numbers. Pure functions, except extenso (may show a
// message), ConverteParaJpeg (files) and windowshake (moves a window).
#include "base/Dinheiro.h"

#include <QDateTime>
#include <QString>
#include <QVariantList>

class QImage;
class QWidget;

// Text cleaners: each keeps every other character in its place.
QString TiraPontoTracoBarra(const QString &texto); // drops . - : / ( )
QString TiraPonto(const QString &texto);           // drops . : / ( ), then trims
QString RemoveEspaco(const QString &texto);        // drops blanks
QString TiraAspaSimples(const QString &texto);     // drops '
QString TiraASPASeVIRGULA(const QString &texto);   // drops first and last character
QString RemoveAcento(const QString &texto);
QString PrimeiroNome(const QString &nome);         // text before the first blank; "" without blank

// A Brazilian money text in SQL notation: "1.234,56" -> "1234.56".
QString ConverteDinheiro(const QString &money);

// The amount in Portuguese words for receipts. 0 gives ""; a value below 0 or
// above 999.999,99 shows the range message and gives "".
QString extenso(const Dinheiro &valor);

QString ConverterMes(int numero);
QString SecsToHMS(qint64 secs);
// Raises ErroConversao when the fixed positions do not hold numbers.
qint64 HMStoSecs(const QString &tempo);
double SubtrairData(const QDateTime &data1, const QDateTime &data2);
QString GetVersaoArq();

// Characters as a Firebird UTF8 column counts them (code points: an emoji is
// one), and a text cut to at most `maximo` of them without splitting one.
int contarCaracteres(const QString &texto);
QString cortarCaracteres(const QString &texto, int maximo);

// Search terms are bound through a cast this wide (and cut to it), so a term
// longer than the column searched finds nothing instead of failing.
inline constexpr int kLarguraBusca = 1000;
// "col LIKE CAST(? AS VARCHAR(1000)) ESCAPE '\'" and its value "%texto%" with
// the user's own % and _ matched literally.
QString sqlContem(const QString &coluna);
QString valorContem(const QString &texto);
// "col = CAST(? AS VARCHAR(1000))" and its value (cut to the cast).
QString sqlIgual(const QString &coluna);
QString valorIgual(const QString &texto);

// One LIKE condition per "/"-separated term of texto on the column campo,
// joined by " OR ", with the terms as bound values ("%termo%", % and _ typed
// by the user taken literally). campo must be a column name from the code,
// never typed text.
struct CondicaoSql {
    QString sql;
    QVariantList valores;
};
CondicaoSql FormataConsultaMutipla(const QString &texto, const QString &campo);

// Check digits of an 11-digit CPF / 14-digit CNPJ given as digits only.
// Characters beyond them are ignored; a non-digit or a short text is false.
bool Valida_CPF(const QString &num);
bool Valida_CNPJ(const QString &num);

// The system's scrambling of texts ("C" scrambles, "D" unscrambles) with the
// fixed 51-letter key, over Windows-1252 codes. Another action or an empty
// text gives "". "D" on a text that is not hexadecimal pairs raises ErroConversao.
QString Crypt(const QString &action, const QString &src);
extern const char *const kChaveCrypt;

// Turns caminho + ".bmp" into caminho + ".jpg" and deletes the bitmap.
// An unreadable bitmap raises ErroSistema and is left in place.
void ConverteParaJpeg(const QString &caminhoFoto);

// Writes a picture as a JPEG file without losing the old one on failure:
// written beside it, read back, then put in its place. False when it could
// not be written (the old file stays).
bool gravarImagemJpeg(const QImage &imagem, const QString &arquivo);

// Shakes a window and puts it back where it was.
void windowshake(QWidget *janela);
