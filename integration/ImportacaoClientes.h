#pragma once
// The customer import from another program's text file: fourteen
// "|"-separated fields per line. The import replaces every customer, in one
// transaction; lines that cannot be read or that the database refuses are
// listed and the others imported.
#include "integration/Andamento.h"

#include <QDate>
#include <QStringList>
#include <functional>
#include <optional>

class ConexaoBanco;

namespace Importacao {

inline const QString kMsgSucesso = QStringLiteral("Que Sucesso!, Operação Finalizada Perfeitamente!");
inline const QString kPrefixoErros = QStringLiteral("Erros: ");

// A customer as read from one line.
struct Cliente {
    QString nome, documento, rg, estado, cep, endereco, bairro, cidade, fone, fax, email, observacao;
    QDate nascimento;
};

// Capitals and small letters of the letters a to z only (accents stay).
QString maiusculas(const QString &texto);
QString minusculas(const QString &texto);

// The document's digits as a CPF (11) or a CNPJ (14); empty for any other
// length.
QString formatarDocumento(const QString &digitos);
// The n-th made-up CPF: 1 gives 000.000.000-01, 123 gives 000.000.001-23.
QString cpfInventado(int n);

// Reads one line; `inventados` counts the made-up CPFs given so far. On a
// line that cannot be read, returns nothing and says why in `motivo`.
std::optional<Cliente> lerLinha(const QString &linha, int &inventados, QString *motivo);

// The lines of an import file: UTF-8 when it is valid UTF-8 (a byte-order
// mark included), Windows-1252 otherwise; blank lines left out.
QStringList lerArquivo(const QString &caminho);

struct Resultado {
    int importados = 0;
    QStringList erros; // one per line left out: its number, its text and why
};
// Deletes every customer and imports the lines, all in one transaction; keys
// 1, 2, 3 ... in the order of the accepted lines, the generator at the last
// one afterwards.
Resultado importar(ConexaoBanco &banco, const QStringList &linhas, Integracao::Andamento &andamento,
                   const std::function<void(int linha, int total)> &aCadaLinha = {});

} // namespace Importacao
