#pragma once
// "Relatório - Produtos / Serviços": the live products and services grouped
// by point of sale, with stock, price and last purchase; all of them, one
// chosen, or those whose description holds one of the words typed.
#include "base/Relatorio.h"
#include "base/Rotinas.h"
#include "base/UnitDM.h"

#include <QDialog>

class OpcoesFiltragem;
class QLabel;
class QPushButton;

namespace RelProdutosServicos {

inline const QString kTitulo = QStringLiteral("Relatório de Produtos / Serviços");
inline const QString kTodos = QStringLiteral("T O D O S   O S   P R O D U T O S   /   S E R V I Ç O S");
inline const QString kNenhumaOpcao = QStringLiteral(
    "Nenhuma Opção de Filtragem Selecionada, Será Impresso o Relatório de Todos os Produtos e Serviços!");

// The live products (with their point of sale's name as NOMEPDV) that pass
// the condition (empty: all), by point of sale and description.
QList<Linha> linhas(const CondicaoSql &condicao);
// The report of those rows under the filter line "(Filtro: ...)".
Relatorio relatorio(const QString &linhaFiltro, const QList<Linha> &linhas);
// The log's before-text.
QString textoLog(const QString &escolha, const QString &palavras);

} // namespace RelProdutosServicos

class TFrmRelProdutosServicos : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelProdutosServicos(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    OpcoesFiltragem *opcoes;
    QPushButton *btnImprimir;
    QPushButton *btnSair;

public slots:
    void btnImprimirClick();
    void btnSairClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool m_mostrada = false;
};

extern TFrmRelProdutosServicos *FrmRelProdutosServicos;

void abrirRelProdutosServicos();
