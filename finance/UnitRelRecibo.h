#pragma once
// "Recibo Avulso": a one-page receipt stating who paid, how much (in figures
// and in words) and what for, under the hotel's letterhead. Nothing is stored
// but the log row of each print.
//
// The amount is read once into Dinheiro; the figures and the words both come
// from that one value, so they can never disagree.
#include "base/Dinheiro.h"
#include "base/Relatorio.h"

#include <QDialog>
#include <QStringList>
#include <optional>

class QLineEdit;
class QPushButton;

namespace Recibo {

inline const QString kMsgNome = QStringLiteral("Informe o Nome do Cliente!");
inline const QString kMsgValor = QStringLiteral("Informe o Valor do Recibo!");
inline const QString kMsgReferente = QStringLiteral("Informe a que o Recibo se Refere!");
inline const QString kOperacaoLog = QStringLiteral("Imprimiu Recibo");

// The amount typed ("1.234,56", "50", "R$ 12,5"); nullopt when it is not a
// number or not above zero.
std::optional<Dinheiro> lerValor(const QString &texto);

// What the receipt prints, top to bottom.
struct Modelo {
    QStringList timbre;     // trade name, CNPJ, phones, address, e-mail
    QString valorFiguras;   // "R$ 1.234,56"
    QString recebemos;      // the payer
    QString valorExtenso;   // "*** Um Mil ... ***" (empty words above the range of extenso)
    QString referente;
    QString localData;      // "CIDADE-UF, dd/MM/yyyy"
    QString assinatura;     // the trade name under the signature line
};

// Built from the settings row and the clock.
Modelo montar(const QString &recebemos, Dinheiro valor, const QString &referente);
// The model on the report frame, for the preview.
Relatorio relatorio(const Modelo &m);

} // namespace Recibo

class TFrmRelRecibo : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelRecibo(QWidget *parent = nullptr);

    QLineEdit *edtRecebemos;   // "Recebi (emos) de"
    QLineEdit *edtImportancia; // "a importância de R$"
    QLineEdit *edtReferente;   // "referente ao Pagamento de "
    QPushButton *btnImprimir;
    QPushButton *btnSair;

    // The receipt as last printed (tests read it).
    std::optional<Recibo::Modelo> ultimoRecibo;

public slots:
    void btnImprimirClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
};

extern TFrmRelRecibo *FrmRelRecibo;
