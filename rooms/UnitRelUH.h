#pragma once
// "Relatório - UH's": the live rooms, all or those in one state.
#include "base/Relatorio.h"
#include "base/UnitDM.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace RelUH {

inline const QString kTitulo = QStringLiteral("Relatório de Unidades Habitacionais");
// The option texts, the first for every state.
const QStringList &opcoes();
// The state code of an option ("" for all).
QString situacao(int opcao);
// The state's name as printed: "LIVRE", "LIMPEZA", "MANUTENÇÃO", "OCUPADA", "RESERVADA".
QString nomeSituacao(const QString &codigo);
// The live rooms of the option, by key.
QList<Linha> linhas(int opcao);
Relatorio relatorio(int opcao, const QList<Linha> &linhas);
QString textoLog(int opcao);

} // namespace RelUH

class TFrmRelUH : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelUH(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QListWidget *lstOpcoes;
    QPushButton *btnImprimir;
    QPushButton *btnSair;

public slots:
    void btnImprimirClick();
    void btnSairClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
};

extern TFrmRelUH *FrmRelUH;

void abrirRelUH(QWidget *parent = nullptr);
