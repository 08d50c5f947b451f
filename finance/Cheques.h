#pragma once
// The register of paper cheques: written to suppliers ("E", emitted) and
// received from customers ("R"), with what became of each: cleared at the
// bank, passed on to a third party, or voided through ANULACAO. The register
// moves no money in the cash-register shifts.
//
// States, from the columns: open (DATA_COMPENSACAO null), cleared (the date
// set, REPASSADO empty), passed on (REPASSADO set, the date of passing on),
// voided (its key in ANULACAO). Clearing and passing on act only on a cheque
// still open and not voided: one conditional update, so two workstations
// never both change one cheque.
#include "base/Dinheiro.h"
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"

#include <QDate>
#include <QString>

namespace Cheques {

inline const QString kMsgTipo = QStringLiteral("Especifique se o Cheque foi Emitido ou Recebido!");
inline const QString kMsgNumero = QStringLiteral("Número do Cheque Inválido!");
inline const QString kMsgConta = QStringLiteral("Número da Conta Inválido!");
inline const QString kMsgBanco = QStringLiteral("Banco do Cheque Inválido!");
inline const QString kMsgValor = QStringLiteral("Valor do Cheque Inválido!");
inline const QString kMsgCadastrado =
    QStringLiteral("Cheque Cadastrado com Sucesso! Deseja Cadastrar Outro Cheque?");
inline const QString kMsgAlterado = QStringLiteral("Operação Realizada com Sucesso!");
inline const QString kMsgConfirmaExclusao = QStringLiteral("Deseja Realmente Excluir esse Cheque?");
inline const QString kMsgRepasseVazio = QStringLiteral("Informe a quem o cheque foi Repassado!");
// Another workstation cleared, passed on or voided the cheque first.
inline const QString kMsgJaMudou =
    QStringLiteral("Este Cheque Já foi Compensado, Repassado ou Excluído em Outra Estação! A Lista será Atualizada.");
inline const QString kMsgAlteradoOutraEstacao =
    QStringLiteral("Este Cheque foi Excluído em Outra Estação! Nada foi Gravado.");
inline const QString kMsgDataFiltro = QStringLiteral("Data Inválida!");

// Widths of the columns the screens type into.
constexpr int kTamConta = 10;
constexpr int kTamNumero = 10;
constexpr int kTamBanco = 50;
constexpr int kTamTitular = 90;
constexpr int kTamHistorico = 100;
constexpr int kTamRepasse = 50;

// "Emitido" for "E", "Recebido" for "R", empty otherwise.
QString nomeTipo(const QString &tipo);

// What the edit screen holds.
struct Dados {
    QString tipo;        // "E", "R" or empty (none chosen)
    QDate emissao;
    QDate predatado;
    QString conta;
    QString numero;      // as typed
    QString banco;
    qint64 parte = 0;    // supplier (E) or customer (R) key; 0: none
    QString titular;
    QString valor;       // as typed, "1.500,00"
    QString historico;
};

enum class Campo { Nenhum, Tipo, Numero, Conta, Banco, Valor };
struct Resultado {
    bool salvo = false;
    QString mensagem;          // refusal, or the success text
    Campo foco = Campo::Nenhum;
    qint64 chave = 0;          // the cheque stored
};

// The cheque number as the column holds it: digits only, 1 to 2147483647.
std::optional<qint64> numeroCheque(const QString &texto);

// The checks of "Confirmar" in order (type, number, account, bank, value),
// then the insert ("I") or the update of `chave` ("A") with its log line in
// one transaction. A view writes nothing.
Resultado confirmar(ConexaoBanco &c, ModoEdicao modo, qint64 chave, const Dados &d);

// Voids the cheque: its ANULACAO row and the log line, in one transaction.
// False when it was voided already.
bool anular(ConexaoBanco &c, qint64 chave, const QString &historico);

// Clearing and passing on: false (nothing written) when the cheque is no
// longer open or was voided meanwhile.
bool compensar(ConexaoBanco &c, qint64 chave, const QDate &data, const QString &banco);
bool repassar(ConexaoBanco &c, qint64 chave, const QDate &data, const QString &para);

// ---------------------------------------------------------------- the list

// The list: live cheques with the type's name and the party's name (customer
// for "R", supplier for "E"), oldest issue first.
QString sqlLista();

enum class Filtro { Valor, Numero, Conta, Banco, Compensacao, Emissao, Predatado, Cliente, Fornecedor, Titular };
struct ConsultaFiltro {
    QString sql;
    Valores valores;
    QString erro; // set when the text cannot be read: nothing is run
};
// The statement of one filter: `texto` for value, number, account, bank and
// holder; `data` for the three dates; `parte` for customer and supplier. An
// empty value, number, account or bank lists every cheque.
ConsultaFiltro consultaFiltro(Filtro f, const QString &texto, const QDate &data = {}, qint64 parte = 0);

} // namespace Cheques
