#pragma once
// "Relatório - Itens de Estoque": the live stock items with stock, value and
// last movement (all, one chosen, or those whose description holds one of
// the words typed), or the withdrawals of a period from the history.
#include "base/Relatorio.h"
#include "base/Rotinas.h"
#include "base/UnitDM.h"

#include <QDate>
#include <QDialog>

class OpcoesFiltragem;
class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;

namespace RelItensEstoque {

inline const QString kTitulo = QStringLiteral("Relatório de Itens de Estoque");
inline const QString kTituloBaixas = QStringLiteral("Relatório de Itens de Estoque Baixados no período");
inline const QString kTodos = QStringLiteral("T O D O S   O S   I T E N S");
inline const QString kNenhumaOpcao = QStringLiteral(
    "Nenhuma Opção de Filtragem Selecionada, Será Impresso o Relatório de Todos os Itens de Estoque!");

// The live items passing the condition (empty: all), by description.
QList<Linha> linhas(const CondicaoSql &condicao);
Relatorio relatorio(const QString &linhaFiltro, const QList<Linha> &linhas);
// The withdrawals ("-") of the days from `de` to `ate`, with their item's
// description (DESC_ITEM), in the order they were made.
QList<Linha> baixas(const QDate &de, const QDate &ate);
Relatorio relatorioBaixas(const QDate &de, const QDate &ate, const QList<Linha> &linhas);
QString textoLog(const QString &escolha, const QString &palavras);

} // namespace RelItensEstoque

class TFrmRelItensEstoque : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelItensEstoque(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    OpcoesFiltragem *opcoes;
    QCheckBox *chkPeriodo; // "Imprimir Apenas Itens Baixados no Período"
    QDateEdit *dtDe;
    QDateEdit *dtAte;
    QPushButton *btnImprimir;
    QPushButton *btnSair;

public slots:
    void btnImprimirClick();
    void btnSairClick();
    void chkPeriodoClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool m_mostrada = false;
};

extern TFrmRelItensEstoque *FrmRelItensEstoque;

void abrirRelItensEstoque();
