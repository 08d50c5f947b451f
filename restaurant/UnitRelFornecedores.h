#pragma once
// "Relatório de Fornecedores": one supplier or all of them (deleted ones
// included), each as a card of its data, with the total at the end.
#include "base/Relatorio.h"
#include "base/UnitDM.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace RelFornecedores {

inline const QString kTitulo = QStringLiteral("Relatório de Fornecedores");
inline const QString kTodos = QStringLiteral("T O D O S   O S   F O R N E C E D O R E S");

// The suppliers printed: the one chosen (0: every one), by name.
QList<Linha> linhas(qint64 idFornecedor);
// The report of those rows; `escolha` is the choice's text.
Relatorio relatorio(const QString &escolha, const QList<Linha> &linhas);

} // namespace RelFornecedores

class TFrmRelFornecedores : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelFornecedores(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QComboBox *cbFornecedores; // first entry: every supplier
    QPushButton *btnImprimir;
    QPushButton *btnSair;

public slots:
    void btnImprimirClick();
    void btnSairClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
};

extern TFrmRelFornecedores *FrmRelFornecedores;

void abrirRelFornecedores();
