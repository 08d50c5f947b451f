#pragma once
// The deletion register ANULACAO. Deleting a user, supplier, employee, stock
// item, point of sale, room type, room characteristic or cheque never removes
// its row: one ANULACAO row records the deleted key in the column of its kind
// (every other column holds 0, never NULL), and the lists leave such keys out
// with "<key> NOT IN (SELECT <column> FROM ANULACAO)".
//
// Column names come only from the fixed list below; anything else raises
// ErroSistema before any statement runs. The calls join the caller's
// transaction (the deleting screen writes its log line in the same one).
#include <QString>
#include <QStringList>

class ConexaoBanco;

namespace Anulacao {

// The entity columns of ANULACAO.
const QStringList &colunas();
bool colunaValida(const QString &coluna);

// Records the deleted key; returns the new row's ID_ANULACAO.
qint64 registrar(ConexaoBanco &conexao, const QString &coluna, qint64 chave);
// Whether the key has at least one register row.
bool anulado(ConexaoBanco &conexao, const QString &coluna, qint64 chave);
// Removes one register row of the key (the oldest); returns false when the
// key had none. A key registered twice stays deleted until both are removed.
bool restaurar(ConexaoBanco &conexao, const QString &coluna, qint64 chave);

// "<colunaTabela> NOT IN (SELECT <coluna> FROM ANULACAO)" for the lists;
// colunaTabela defaults to the same name (qualify it, as "U.ID_USUARIO",
// when the list joins tables).
QString filtroNaoAnulados(const QString &coluna, const QString &colunaTabela = {});

} // namespace Anulacao
