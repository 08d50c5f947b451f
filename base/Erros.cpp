#include "base/Erros.h"

namespace {

struct Explicacao {
    const char *trecho; // part of the engine's text, lower case
    const char *texto;  // what the user reads
};

const Explicacao kExplicacoes[] = {
    {"violation of primary or unique key constraint", "Já existe um registro com este valor. Nada foi gravado."},
    {"attempt to store duplicate value", "Já existe um registro com este valor. Nada foi gravado."},
    {"string right truncation", "Um texto informado é maior do que o campo permite. Nada foi gravado."},
    {"numeric value is out of range", "Um valor informado é maior do que o campo permite. Nada foi gravado."},
    {"numeric overflow", "Um valor informado é maior do que o campo permite. Nada foi gravado."},
    {"violation of foreign key constraint",
     "O registro está ligado a outros registros e não pode ser alterado ou excluído."},
    {"lock time-out on wait transaction",
     "Este registro está sendo usado em outra estação. A operação foi desfeita; aguarde um instante e tente "
     "novamente."},
};

} // namespace

QString textoParaUsuario(const ErroBanco &e)
{
    if (e.conexaoPerdida())
        return e.texto(); // already explained, with the engine's text
    const QString motor = e.detalhe().isEmpty() ? e.texto() : e.detalhe();
    if (e.bloqueioExpirado()) {
        const QString t = QStringLiteral(
            "Este registro está sendo usado em outra estação. A operação foi desfeita; aguarde um instante e tente "
            "novamente.");
        return motor == t ? t : t + QStringLiteral("\n\n") + motor;
    }
    if (e.conflito()) {
        const QString t = QStringLiteral(
            "O registro está sendo alterado em outra estação. Aguarde um instante e tente novamente.");
        return motor == t ? t : t + QStringLiteral("\n\n") + motor;
    }
    const QString minusculo = motor.toLower();
    for (const Explicacao &x : kExplicacoes)
        if (minusculo.contains(QLatin1String(x.trecho)))
            return QString::fromUtf8(x.texto) + QStringLiteral("\n\n") + motor;
    return e.texto();
}
