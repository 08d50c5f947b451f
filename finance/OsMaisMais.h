#pragma once
// The ranking reports of a period: guests, rooms and room types by nights
// (with the stays that had nights in the period and the money of the stays
// that ended in it), receptionists by the size of their stays, products and
// services charged to stays (one line per charge, by user, or summed per
// product and price) and customers registered per user; the guests ranking
// can carry the customers' phones and export them as text lines.
//
// Every data set is one statement (joins and grouping); the money of a stay
// line with a service fee is kept to four decimal places until printed.
#include "base/Dinheiro.h"
#include "finance/MovimentoFinanceiro.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

class ConexaoBanco;
class Relatorio;

namespace OsMaisMais {

inline const QString kTitulo = QStringLiteral("Relatório - Os Mais Mais");
inline const QString kMsgTelefonesExportados = QStringLiteral("Telefones Exportados com Sucesso!");

enum class Opcao { Hospedes, UHs, TiposUH, Recepcionistas, Produtos, ProdutosAgrupados, Cadastros };
inline constexpr int kOpcoes = 7;

// The option's caption on the screen ("Melhores Hóspedes", ...).
QString legenda(Opcao o);
// The option's word in the log ("UHs Mais Ocupadas"; the receptionists have none).
QString palavraLog(Opcao o);
// "Relatório Os Mais Mais (De:dd/MM/yyyy Até: dd/MM/yyyy)\rTipo:<word>"
QString textoLog(Opcao o, const QDate &de, const QDate &ate);
// Empty when the period is valid; otherwise the message (no query runs).
QString recusaPeriodo(const QDate &de, const QDate &ate);

// A row of the guests, rooms, room types or registrations ranking.
struct LinhaRanking {
    qint64 id = 0;
    QString descricao;
    qint64 qtd = 0;       // nights dated in the period (registrations: 0)
    qint64 diarias = 0;   // stays with nights in the period (registrations: customers registered)
    Dinheiro valor;       // money of the live stays that ended in the period
    QString telefones;    // FONE_1 + " ; " + FAX (guests only)
};
// Hospedes, UHs, TiposUH or Cadastros; ranked by their count, highest first.
QList<LinhaRanking> ranking(ConexaoBanco &c, Opcao o, const QDate &de, const QDate &ate);
QString sqlRanking(Opcao o);
QVariantList valoresRanking(Opcao o, const QDate &de, const QDate &ate);

// One charge to a stay.
struct LinhaProduto {
    QString usuario;
    qint64 entrada = 0;
    QString descricao;
    QDate data;
    QTime hora;
    qint64 qtd = 0;
    Dinheiro valorUnit;
    Dinheiro taxa;   // percent
    MovimentoFinanceiro::Quatro valorFinal;   // QTD x VALOR_UNIT x (1 + TAXA / 100)
    QString dataHora() const;                 // "dd/MM/yyyy às hh:mm:ss"
};
QList<LinhaProduto> produtos(ConexaoBanco &c, const QDate &de, const QDate &ate);

// One product at one price, summed.
struct LinhaAgrupada {
    QString descricao;
    qint64 qtd = 0;
    Dinheiro valorUnit;
    Dinheiro valorFinal() const { return valorUnit * qtd; }
};
QList<LinhaAgrupada> produtosAgrupados(ConexaoBanco &c, const QDate &de, const QDate &ate);

struct LinhaRecepcionista {
    QString descricao;
    qint64 qtd1 = 0, qtd2 = 0, qtd3 = 0, qtd4 = 0;
    Dinheiro valor;
    qint64 total() const { return qtd1 + qtd2 + qtd3 + qtd4; }
};
QList<LinhaRecepcionista> recepcionistas(ConexaoBanco &c, const QDate &de, const QDate &ate);

// The printed reports (empty when they have no row).
Relatorio relatorioRanking(Opcao o, const QList<LinhaRanking> &l, const QDate &de, const QDate &ate, bool comTelefones);
Relatorio relatorioProdutos(const QList<LinhaProduto> &l, const QDate &de, const QDate &ate);
Relatorio relatorioAgrupado(const QList<LinhaAgrupada> &l, const QDate &de, const QDate &ate);
Relatorio relatorioRecepcionistas(const QList<LinhaRecepcionista> &l, const QDate &de, const QDate &ate);

// The phone lines of the guests ranking: each row's phones without
// . - : / ( ) and blanks, when anything but ";" is left.
QStringList linhasTelefones(const QList<LinhaRanking> &l);

} // namespace OsMaisMais
