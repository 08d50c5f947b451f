#pragma once
// The table account "Movimentar Consumos": the lines of the board's current
// opening with their totals, the service-fee box, the value per person,
// partial payments, moving a line to another table and the hand-over to the
// companion point of sale ("Converter em DAV").
#include "restaurant/Consumos.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TFrmMesas;

class TFrmConsumos : public QDialog {
    Q_OBJECT
public:
    // The board that opened the screen: its current table, OP and attendants.
    explicit TFrmConsumos(TFrmMesas *mesas, QWidget *parent = nullptr);

    QTableWidget *dbgConsumos;
    QLabel *lblTotal, *lblEmbalagem, *lblTaxa, *lblParcial, *lblPorPessoa, *lblAtendente, *lblExtrato;
    QLineEdit *edtPessoas;
    QCheckBox *cbNaoCobrarTaxa;
    QCheckBox *cbDesagrupados;
    QPushButton *btnAlterarConsumo, *btnParcial, *btnTransferir, *btnImprimir, *btnFecharConta, *btnConverterDav;
    // The transfer panel
    QFrame *pnlTransferir;
    QComboBox *cbPara;
    QLineEdit *edtQuantidade;
    QPushButton *btnConfirmarTransferencia, *btnFecharTransferencia;

    const Consumos::Totais &totais() const { return m_totais; }
    const QList<Consumos::Item> &itens() const { return m_itens; }
    Dinheiro parcial() const { return m_abertura.pagParcial; }

public slots:
    void btnAlterarConsumoClick();
    void cbNaoCobrarTaxaClick();
    void edtPessoasChange();
    void btnParcialClick();
    void btnTransferirClick();
    void edtQuantidadeExit();
    void btnConfirmarTransferenciaClick();
    void btnFecharTransferenciaClick();
    void btnImprimirClick();
    void btnFecharContaClick();
    void btnConverterDavClick();

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void lerLinhas();
    void mostrarTotais();
    Dinheiro taxa() const;
    const Consumos::Item *linhaAtual() const;

    TFrmMesas *m_mesas;
    Mesas::Textos m_textos;
    Mesas::Mesa m_mesa;
    Consumos::Abertura m_abertura;
    QList<Consumos::Item> m_itens;
    Consumos::Totais m_totais;
    QString m_nomeAtendente;  // full name, for the bill
    bool m_alterou = false;
    bool m_mudandoTaxa = false;
};

extern TFrmConsumos *FrmConsumos;

// Sets the board's account hook to this screen.
void ligarContaMesa();
