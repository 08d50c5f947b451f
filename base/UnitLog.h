#pragma once
// The activity log: one LOG row per user operation, with the logged login and
// the date and time of the main window's clock (written by base/RegistroLog.cpp).
#include <QString>

class ConexaoBanco;

// Inserts a LOG row with the operation text, on the connection (and inside
// the transaction) of the operation it records.
void RegistrarLog(ConexaoBanco &c, const QString &operacao);
// The same row with the texts before and after a change.
void NovoRegistrarLog(ConexaoBanco &c, const QString &operacao, const QString &antes, const QString &depois);
// Both on the main connection.
void RegistrarLog(const QString &operacao);
void NovoRegistrarLog(const QString &operacao, const QString &antes, const QString &depois);

// The usual text of a line of a stay: "<acao> -> Código <codigo> (<a> - <b>)",
// e.g. "Incluiu Veículo -> Código 12 (GOL - ABC1234)".
QString TextoLogCodigo(const QString &acao, qint64 codigo, const QString &a, const QString &b);
// Removes the presence row of this user on this workstation (leaving).
void RemoverPresenca();
// Leaving the program: the presence of this user on this workstation goes
// and "Saiu do Sistema" is logged, in one transaction.
void RegistrarSaida();
// Records in ONLINE which screen this user has open on this workstation.
void AcaoAtual(const QString &acao);
// The last screen this process recorded through AcaoAtual (empty before any),
// so that frequent callers write only a change.
QString AcaoAtualRegistrada();

// Width of LOG.OPERACAO: longer texts are cut, never refused.
constexpr int kTamanhoOperacaoLog = 250;
