#pragma once
// The supplier register (FORNECEDOR): the record's checks and writes, the
// soft deletion through ANULACAO, and the list's statements.
//
// A deleted supplier keeps its row: it still counts in the duplicate checks
// and is still printed by the report, but no list or filter shows it.
#include "base/TelaEdicao.h"
#include "base/TelaLista.h"
#include "base/UnitDM.h"

#include <QString>

namespace Fornecedores {

inline const QString kMsgNome = QStringLiteral("Fornecedor Inválido!");
inline const QString kMsgCpf = QStringLiteral("CPF Inválido!");
inline const QString kMsgCnpj = QStringLiteral("CNPJ Inválido!");
inline const QString kMsgRg = QStringLiteral("Número do R.G. Inválido!");
inline const QString kMsgEmail = QStringLiteral("Email Inválido!");
inline const QString kMsgDuplicado =
    QStringLiteral("Este Fornecedor Já Está Cadastrado ou Já Foi Excluído do Sistema!");
inline const QString kMsgCadastrado = QStringLiteral("Fornecedor Cadastrado com Sucesso! Deseja Cadastrar Outro?");
inline const QString kMsgAlterado = QStringLiteral("Operação Executada com Sucesso!");
inline const QString kMsgConfirmaExclusao = QStringLiteral("Deseja Realmente Excluir esse Fornecedor?");
inline const QString kMsgExcluido = QStringLiteral("Fornecedor Excluído com Sucesso!");
inline const QString kMsgAlteradoOutraEstacao =
    QStringLiteral("Este Fornecedor foi Excluído em Outra Estação! Nada foi Gravado.");

// The fields and the widths of their columns.
enum class Campo {
    Nenhum, Tipo, Documento, Nome, RG, Contato, Endereco, Bairro, Cidade, Estado, Cep, Fone, Fax, Email,
    Observacao, FornecedorDe
};
int largura(Campo c);
// "O campo X aceita no máximo N caracteres!"
QString mensagemLargura(Campo c);

struct Dados {
    QString tipo;       // "F", "J" or empty
    QString documento;  // as shown by its mask, punctuation included
    QString rg, nome, contato, endereco, bairro, cidade, estado, cep, fone, fax, email, observacao, fornecedorDe;
};

// Whether the document's digits pass the check of the kind (CPF for "F",
// CNPJ for "J").
bool documentoValido(const QString &tipo, const QString &documento);

struct Resultado {
    bool salvo = false;
    QString mensagem;
    Campo foco = Campo::Nenhum;
    qint64 chave = 0;          // the supplier stored
};

// The checks of "Confirmar" in order, then the insert ("I", key from the
// generator through the insert) or the update of `chave` ("A"), each with its
// log line in one transaction. `gravado` is the supplier as stored (alter):
// the duplicate checks run only for a name or document that changed, and are
// refused whenever a row (deleted ones included) holds them. With
// VERIF_CPF_CNPJ "S" the document's check digits are tested as the field
// holds it now.
Resultado confirmar(ConexaoBanco &c, ModoEdicao modo, qint64 chave, const Dados &gravado, const Dados &d);

// Deletes through ANULACAO with its log line, in one transaction; false when
// it was deleted already.
bool excluir(ConexaoBanco &c, qint64 chave, const QString &nome);

// The list's statements: live suppliers by name (the standard), by code, and
// persons or companies only; the filter model (%1 = condition) and choices.
QString sqlLista();
QString sqlListaPorCodigo();
QString sqlListaTipo(const QString &tipo);
FiltroLista filtro();

} // namespace Fornecedores
