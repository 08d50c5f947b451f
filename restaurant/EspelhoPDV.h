#pragma once
// The companion point of sale's copy of the hotel's products (its table
// ESTOQUE): the row format, the tax-rate code and texts from ECFALIQUOTA,
// the digests HASH and HASH2, and the operations that keep it in step.
//
// - Every value is bound as text; the companion's column types convert it
//   (a quote typed in a description is stored as typed).
// - CODIGO is the hotel's product key. DESCRICAO holds the first 60
//   characters of the description, DESCRIFISCAL all of it.
// - HASH: key + first 60 characters + CODIGOCUPOM + ALIQUOTA + price as
//   "1200,50" (decimal comma, no thousands dot, no sign). HASH2: key + the
//   first 60 characters + stock, after a purchase too: the digest is over
//   the text the row stores, or the point of sale would find it altered.
//   MD5 over Windows-1252, 32 upper-case digits (EntregaFiscal::md5).
// - GEN_ESTOQUE_ID goes to the highest CODIGO, never to the row count: with
//   codes 1, 2 and 10 the count 3 would hand the companion's next product
//   the code 4, ..., then 10 again, which clashes.
// - Each write runs in a transaction of the companion connection; a caller
//   that holds one open (an export of every product) makes it all one.
#include "base/Dinheiro.h"
#include "base/UnitDM.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace EspelhoPDV {

// The tax-rate code of a tax situation ("18" -> "12"); empty outside the table.
QString codigoAliquota(const QString &sitTribut);

// The texts ECFALIQUOTA gives for a code; both empty when it has no row.
struct Aliquota {
    QString aliquota;
    QString codigoCupom;
};

// A product as the mirror writes it.
struct Produto {
    qint64 chave = 0;
    QString descricao;    // as stored, up to 90 characters
    QString codigoBarras; // as stored
    Dinheiro valor;
    qint64 estoque = 0;
    QString sitTribut;
    bool inativo = false; // EXCLUIDO "S" or a row of ANULACAO naming it
};

// The price as HASH takes it: "1200,50".
QString precoHash(Dinheiro v);
QString hash(const Produto &p, const Aliquota &a);
// `descricao` as stored in DESCRICAO (the first 60 characters).
QString hash2(qint64 chave, const QString &descricao, qint64 estoque);

// One product of PRODUTOS_SERVICOS, deleted or not; nullopt when the key
// names none.
std::optional<Produto> lerProduto(ConexaoBanco &principal, qint64 chave);
// Every product, deleted ones included, in key order (one query).
QList<Produto> lerProdutos(ConexaoBanco &principal);

class Espelho {
public:
    // Connects the companion database when it is not yet connected (its
    // error, ErroBanco, reaches the caller).
    explicit Espelho(ConexaoBanco &pdv);

    // A new product: its whole row with the bar code as typed, active.
    // Does not move the generator (see ajustarGerador).
    void incluir(const Produto &p, const QString &codigoBarrasDigitado);
    // An altered product: every mirrored column but CODIGO and REFERENCIA,
    // the first 20 characters of the stored bar code, active. False when
    // it has no mirror row (none is made).
    bool alterar(const Produto &p);
    // A purchase: QTDE, QTDEEF and HASH2.
    // False when it has no mirror row.
    bool estoque(const Produto &p);
    // A deletion: INATIVO "S". False when it has no mirror row.
    bool inativar(qint64 chave);
    // The export of one product: an existing row is updated (its bar code
    // kept), a missing one inserted with an empty bar code; INATIVO from
    // p.inativo. True when a row was inserted.
    bool exportar(const Produto &p);
    // Locks the product's mirror row in the open transaction (waits for a
    // workstation writing it); false when it has none.
    bool travar(qint64 chave);

    // GEN_ESTOQUE_ID set to the highest CODIGO of ESTOQUE (0 when empty);
    // returns that value. Call it after the rows are committed: a
    // generator's change survives a rollback.
    qint64 ajustarGerador();

    // The texts of a tax situation's rate (read once per Espelho).
    Aliquota aliquota(const QString &sitTribut);

private:
    void inserir(const Produto &p, const QString &codigoBarras, const Aliquota &a);
    ConexaoBanco &m_pdv;
    QHash<QString, Aliquota> m_aliquotas;
};

} // namespace EspelhoPDV
