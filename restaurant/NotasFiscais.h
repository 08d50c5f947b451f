#pragma once
// The register of invoices issued for lodging: stays marked for an invoice
// (WALK_IN.NF "S", amount = the sum of their charged nights) and invoices
// typed by hand (table NF). Only hand-typed ones are added and deleted here;
// nothing is logged but the printing of the report.
//  - Every row is kept: two stays alike in all their columns are two
//    invoices (UNION ALL, each stay grouped by its own key).
//  - The report takes stays and hand-typed invoices alike by departure in
//    the period.
#include "base/Dinheiro.h"
#include "base/Relatorio.h"
#include "base/UnitDM.h"

#include <QDate>
#include <QString>

namespace NotasFiscais {

inline const QString kMsgDatas = QStringLiteral("Data de Saída Menor que Data de Entrada!");
inline const QString kMsgHospedes = QStringLiteral("Quantidade de Hóspedes Inválida!");
inline const QString kMsgUH = QStringLiteral("UH Inválida!");
inline const QString kMsgCliente = QStringLiteral("Cliente Inválido!");
inline const QString kMsgValor = QStringLiteral("Valor das Diárias Inválido!");
inline const QString kMsgIncluida = QStringLiteral("Nota Fiscal Incluída com Sucesso!");
inline const QString kMsgNaoExcluivel = QStringLiteral("Esta Nota Fiscal não pode ser Excluída!");
inline const QString kMsgConfirmaExclusao = QStringLiteral("Deseja Realmente Excluir essa Nota Fiscal?");
inline const QString kMsgExcluida = QStringLiteral("Nota Fiscal Excluída com Sucesso!");
inline const QString kMsgNaoEncontrada =
    QStringLiteral("Nota Fiscal Não Encontrada! Ela Pode Ter Sido Excluída em Outra Estação.");

// The list: ID_NF (0 for a stay), DATA_ENTRADA, DATA_SAIDA, QTD_ADULTOS,
// NUMERO, NOME, VALOR, by departure.
QString sqlLista();
// The entry panel's choices.
QString sqlClientes();
QString sqlUHs();

enum class Campo { Nenhum, Saida, Hospedes, UH, Cliente, Valor };

struct Nota {
    QDate entrada, saida;
    QString hospedes;  // as typed
    qint64 idUH = 0;   // 0: none chosen
    qint64 idCliente = 0;
    QString valor;     // "1.234,56"
};

struct Resultado {
    bool feito = false;
    QString mensagem;
    Campo foco = Campo::Nenhum;
    qint64 chave = 0;
};

// The checks of "Confirmar" in order, then the insert (one transaction).
Resultado incluir(ConexaoBanco &c, const Nota &n);
// Deleting a list row: a stay's (key 0) is refused; a hand-typed one is
// deleted (false with kMsgNaoEncontrada when it is gone already).
Resultado excluir(ConexaoBanco &c, qint64 idNf);

// The report: the rows whose departure lies in the period, by departure.
QList<Linha> linhasRelatorio(ConexaoBanco &conexao, const QDate &de, const QDate &ate);
Relatorio relatorio(const QDate &de, const QDate &ate, const QList<Linha> &linhas);
QString textoLog(const QDate &de, const QDate &ate);

} // namespace NotasFiscais
