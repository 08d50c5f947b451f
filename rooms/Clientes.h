#pragma once
// The customer rules without widgets: the confirm chain of the record form,
// the insert and the alteration with their log texts, the document compared
// by its digits, the photo file, the restriction / blacklisting / recovery of
// the list, the express check-in pick and the copy into the companion point
// of sale.
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"

#include <QDate>
#include <QImage>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <optional>

namespace Clientes {

// ------------------------------------------------------------------ messages
inline const QString kMsgClienteInvalido = QStringLiteral("Cliente Inválido!");
inline const QString kMsgCpfInvalido = QStringLiteral("CPF Inválido!");
inline const QString kMsgCnpjInvalido = QStringLiteral("CNPJ Inválido!");
inline const QString kMsgDocumentoInvalido = QStringLiteral("CPF / CNPJ Inválido!");
inline const QString kMsgTipoInvalido = QStringLiteral("Tipo de Pessoa Inválido! Escolha Pessoa Física ou Pessoa Jurídica.");
inline const QString kMsgRgInvalido = QStringLiteral("Número do R.G. Inválido!");
inline const QString kMsgEmailInvalido = QStringLiteral("Email Inválido!");
inline const QString kMsgValorMinimoInvalido = QStringLiteral("Limite Mínimo Inválido!");
inline const QString kMsgTodosCampos = QStringLiteral(
    "Necessário o Preenchimento de todos os campos obrigatórios:\r\rCPF/CNPJ\rRG/Inscrição Estadual\r"
    "Nome/Razão Social\rEndereço\rBairro\rCidade\rEstado\rTelefone\rEmail\r\r"
    "Qualquer dúvida entre em contato com a gerência!");
inline const QString kMsgDuplicado =
    QStringLiteral("Este Cliente Já Está Cadastrado ou Já Foi Excluído do Sistema!");
inline const QString kMsgCadastradoOutro =
    QStringLiteral("Cliente Cadastrado com Sucesso! Deseja Cadastrar Outro Cliente?");
inline const QString kMsgOperacaoSucesso = QStringLiteral("Operação Executada com Sucesso!");
inline const QString kMsgNaoEncontrado =
    QStringLiteral("O cliente não foi encontrado; ele pode ter sido alterado em outra estação. A lista foi atualizada.");

// Empty masks as the document edit shows them.
inline const QString kCpfVazio = QStringLiteral("   .   .   -  ");
inline const QString kCnpjVazio = QStringLiteral("  .   .   /    -  ");

// ------------------------------------------------------------------ document
// The document without mask punctuation (. - : / ( )) and blanks: what the
// duplicate test compares and the unique index of CLIENTE holds.
QString documentoNormalizado(const QString &documento);
// The same in SQL over CNPJ_CPF (the expression of the unique index, so that
// a search by document uses it).
extern const QString kSqlDocumentoNormalizado;
// The customer's photo file: img/cli/<digits>.jpg in the installation folder.
QString caminhoFoto(const QString &documento);
// The shared e-mail pattern, matched against the text as typed.
bool emailValido(const QString &email);

// ------------------------------------------------------------------ record
// The record as the form holds it (texts as typed, masks included).
struct Dados {
    QString tipo; // "F", "J", or "" when neither kind is chosen
    QString documento;
    QString rg;
    QString nome;
    QString contato;
    QString endereco;
    QString numero;
    QString bairro;
    QString cidade;
    QString estado;
    QString cep;
    QString fone;
    QString fax;
    QDate nascimento; // 01/01/1900 stands for "not given"
    QString email;
    QString valorMinimo = QStringLiteral("0,00"); // the edit's text
    QString observacao;
    QString lembrete;
};

enum class Campo { Nenhum, Nome, Documento, Rg, Email, ValorMinimo };

struct Recusa {
    QString mensagem;
    Campo foco = Campo::Nenhum;
    bool recusado() const { return !mensagem.isEmpty(); }
};

struct Contexto {
    ModoEdicao modo = ModoEdicao::Incluir;
    bool semFormato = false;   // "Doc. / Fone Sem Formato" checked
    bool docVerificado = false; // the form's Doc
    qint64 idCliente = 0;       // the altered customer
    QString documentoAnterior;  // its stored document
};

// The minimum rate typed: signs dropped, empty is zero; nullopt when it is
// not an amount or does not fit the column.
std::optional<Dinheiro> valorMinimo(const QString &texto);

// The confirm chain, in order: name, CPF, CNPJ, document, kind, RG, e-mail,
// mandatory fields (CLIENTE_TODOS_CAMPOS), minimum rate, duplicate document.
// Reads the settings record and, for the duplicate, the database.
Recusa verificar(ConexaoBanco &banco, const Dados &d, const Contexto &c);

// Log texts.
QString textoNovoCliente(qint64 id, const Dados &d);
QString textoAlteracao(qint64 id, const Dados &d);        // after (from the form)
QString textoAlteracaoAntes(const QVariantMap &linha);   // before (the list's row)
QString textoCliente(const QVariantMap &linha);          // restriction log

struct Gravacao {
    Recusa recusa;        // refused: nothing written
    qint64 id = 0;        // the customer's key
    QString arquivoFoto;  // the photo file of the document as saved
};

// Checks and inserts the customer with its log line "Incluiu Novo Cliente" in
// one transaction; the key is the one the insert returned. A document saved
// at the same moment by another workstation ends in the duplicate refusal.
Gravacao incluir(ConexaoBanco &banco, const Dados &d, const Contexto &c);
// Checks and updates the customer (state, reason, registration date and user
// untouched) with its log line "Alterou Dados do Cliente" in one transaction.
// A customer that no longer exists is refused with kMsgNaoEncontrado.
Gravacao alterar(ConexaoBanco &banco, const Dados &d, const Contexto &c, const QVariantMap &linhaAntes);

// Writes the picture as the customer's photo file: beside it first, then
// swapped in. False when it could not be written (the old file stays).
bool gravarFoto(const QImage &foto, const QString &arquivo);

// ------------------------------------------------------------------ states
// "R" restricted or "S" blacklisted, with its reason (at most 200
// characters), the log line "Excluiu Cliente com Restrição" / "... com
// Negativação" in one transaction. False when the row no longer exists.
bool restringir(ConexaoBanco &banco, qint64 id, const QString &estado, const QString &motivo);
// Back to "N" (the reason stays), logged "Recuperou Cliente de CPF / CNPJ -> ".
bool recuperar(ConexaoBanco &banco, qint64 id);

inline const QString kMsgConfirmaExcluir = QStringLiteral("Deseja Realmente Excluir esse Cliente?");
inline const QString kMsgInformeMotivo = QStringLiteral("Informe o Motivo!");
inline const QString kMsgExcluido = QStringLiteral("Cliente Excluído com Sucesso!");
inline const QString kMsgConfirmaRecuperar = QStringLiteral(
    "Deseja Realmente Recuperar esse Cliente? (Isso excluirá as Restrições ou Negativações do mesmo)");
inline const QString kMsgRecuperado = QStringLiteral("Cliente Recuperado com Sucesso!");
constexpr int kTamanhoMotivo = 200;

// ------------------------------------------------------------------ express check-in
// Whether a customer may be taken for a check-in started on the room map, by
// its state: "S" is refused with its reason, "R" asks (Yes takes it), any
// other state is taken. The personal reminder, when there is one, is shown
// after the state's box in every case. Shows the boxes through Mensagem.
bool aceitarEntradaExpressa(const QString &excluido, const QString &nome, const QString &motivo,
                            const QString &lembrete);
// The same for a customer read by key; false when it does not exist.
bool aceitarEntradaExpressa(ConexaoBanco &banco, qint64 idCliente);

// ------------------------------------------------------------------ companion copy
// With UTILIZA_FISCAL "S": copies the customer's row into the companion point
// of sale's CLIENTE under the same key (inserted when absent, updated
// otherwise) in one transaction on that database. Otherwise does nothing.
// A failure raises ErroBanco saying the customer was saved here.
void copiarParaPDV(ConexaoBanco &banco, ConexaoBanco &pdv, qint64 idCliente);
// The companion row of a customer read with "SELECT * FROM CLIENTE": an
// update of the row keyed by its key (`existe`) or an insert under that key,
// on the caller's transaction.
void gravarClientePDV(ConexaoBanco &pdv, const Linha &cliente, bool existe);

// ------------------------------------------------------------------ stays history
// The stay list of a customer ("Histórico do Cliente"), provided by the stays
// screens; without it the button says the history is not available.
void definirAberturaHistorico(std::function<void(qint64 idCliente)> abrir);
bool abrirHistorico(qint64 idCliente);

} // namespace Clientes
