#pragma once
// The ninth-digit update of the stored telephone numbers, the rules: which
// numbers lack an area code or the ninth mobile digit, their counts, and the
// update of every telephone column of customers, suppliers and employees in
// one transaction.
#include "integration/Andamento.h"

#include <QSet>
#include <QStringList>

class ConexaoBanco;

namespace NonoDigito {

enum class Classe { Nenhuma, SemDDD, Sem9 };

// A telephone by its digits (the stored text without . - : / ( ); blanks count).
Classe classificar(const QString &fone, const QSet<QString> &ddds);
// The number with the area code in front: (ddd)dddd-dddd.
QString comDDD(const QString &fone, const QString &ddd);
// The number with its ninth digit: (dd)9dddd-dddd.
QString com9Digito(const QString &fone);
// What the run writes for a number: the area code first where it lacks one
// (when the hotel's code is known), then the ninth digit where listed.
QString atualizado(const QString &fone, const QString &ddd, const QSet<QString> &ddds);

// The hotel's area code: the two digits between the parentheses that open
// FONE1; empty when FONE1 does not open that way.
QString dddDoHotel(const QString &fone1);

// The area codes of DIGITO9, in order.
QStringList ddds(ConexaoBanco &banco);

struct Contagem {
    int encontrados = 0; // telephones stored (not empty, not the empty mask)
    int semDDD = 0;
    int sem9 = 0;
};
Contagem contar(ConexaoBanco &banco);

struct Resultado {
    int comDDD = 0; // numbers given the hotel's area code
    int com9 = 0;   // numbers given the ninth digit
};
// Sets FONE_SEM_FORMATO "S" and rewrites the numbers, all in one
// transaction; with an empty `ddd` the numbers without area code stay as
// they are.
Resultado atualizar(ConexaoBanco &banco, const QString &ddd, Integracao::Andamento &andamento);

} // namespace NonoDigito
