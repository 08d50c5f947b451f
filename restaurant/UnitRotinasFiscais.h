#pragma once
// "Rotinas Fiscais": the fiscal printer's daily routines (X reading, Z
// reduction, fiscal-memory reading, last-coupon cancellation, rates) and the
// coupon panel for the nights and consumption of stays or for one counter
// sale. The rules are in RotinasFiscais.h; the screen reads its controls,
// calls them and shows the result.
#include "restaurant/RotinasFiscais.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QWidget;

class TFrmRotinasFiscais : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRotinasFiscais(QWidget *parent = nullptr);

    // Set by the caller before the screen shows.
    QString DespesaAvulsa;  // "SIM": the coupon of a counter sale
    RotinasFiscais::TipoDespesaAvulsa tipoDespesaAvulsa = RotinasFiscais::TipoDespesaAvulsa::Individual;
    qint64 idDespesaAvulsa = 0;

    QLabel *imgCabecalho;
    QPushButton *btnLeituraMemoria;   // "Leitura da Memória Fiscal"
    QPushButton *btnLeituraX;         // "Leitura X"
    QPushButton *btnReducaoZ;         // "Redução Z"
    QPushButton *btnConsultarAliquotas;
    QPushButton *btnAdicionarAliquota;
    QPushButton *btnCancelarCupom;    // "Cancelar Último Cupom Fiscal"

    QGroupBox *pnlDatas;              // the dates box of the memory reading
    QLineEdit *edtDataInicial;
    QLineEdit *edtDataFinal;
    QPushButton *btnOkDatas;

    QWidget *Panel1;                  // the coupon panel
    QTableWidget *gradeItens;
    QLineEdit *edtSubTotal;
    QLineEdit *edtDesconto;
    QRadioButton *rbPercentual;
    QRadioButton *rbValor;
    QLineEdit *edtTotal;
    QLineEdit *edtNome;               // "Em Nome de:"
    QLineEdit *edtCpfCnpj;            // "CPF ou CNPJ:"
    QLineEdit *edtEndereco;           // "Endereço:"
    QComboBox *cbCliente;
    QList<QRadioButton *> rbFormas;   // the six payment choices, in order
    QGroupBox *grpHospedagens;
    QListWidget *ListBox1;            // "Hospedagens": the listed stays
    QPushButton *btnMais;
    QPushButton *btnMenos;
    QGroupBox *grpEscolha;
    QRadioButton *rbTodos;
    QRadioButton *rbIndividual;
    QRadioButton *rbApenasDiarias;
    QRadioButton *rbApenasConsumos;
    QPushButton *JvXPButton7;         // "Confirmar"
    QPushButton *btnCancelar;

    // The lines shown, as loaded (with their selection).
    const QList<RotinasFiscais::LinhaCupom> &linhas() const { return m_linhas; }
    // Stays listed in "Hospedagens".
    QList<qint64> hospedagens() const;
    void adicionarHospedagem(qint64 idEntrada);
    // Shows the coupon panel and enables "Confirmar".
    void mostrarCupom();

    // What the screen does when it shows (tests call it directly).
    void FormShow();

public slots:
    void btnLeituraMemoriaClick();
    void btnOkDatasClick();
    void btnLeituraXClick();
    void btnReducaoZClick();
    void btnConsultarAliquotasClick();
    void btnAdicionarAliquotaClick();
    void btnCancelarCupomClick();
    void btnMaisClick();
    void btnMenosClick();
    void escolhaClick();
    void tipoDescontoClick();
    void gradeItensDblClick(int linha);
    void cbClienteChange(int indice);
    void JvXPButton7Click();
    void btnCancelarClick();
    void recalcularTotal();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void carregarClientes();
    void carregarLinhas();
    void mostrarLinhas();
    RotinasFiscais::Escolha escolha() const;
    bool individual() const;

    QList<RotinasFiscais::LinhaCupom> m_linhas;
    Dinheiro m_subtotal;
    bool m_mostrada = false;
};

// While the screen is open.
extern TFrmRotinasFiscais *FrmRotinasFiscais;
