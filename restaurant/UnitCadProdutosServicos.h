#pragma once
// The product record: a new product ("I"), an altered one ("A") or one only
// viewed ("V"), by the mode and current row of the list that opened it. A
// new record's key is reserved from the generator when the screen opens, so
// the code shown (and logged) is the code stored. The tax-code lookups write
// into edtCST, edtNCM and edtCEST while this screen is open.
#include "base/TelaEdicao.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QWidget;
class ListaCadastro;

class TFrmCadProdutosServicos : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCadProdutosServicos(ListaCadastro *lista, QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QLabel *lblTitulo;
    QLabel *lblCodigo;
    QWidget *pnlCampos;
    QComboBox *cbPDV;
    QPushButton *btnPDV;
    QLineEdit *edtDescricao;
    QLineEdit *edtEstoque;
    QLineEdit *edtMinimo;
    QLineEdit *edtValor;
    QLineEdit *edtCodigoBarras;
    QComboBox *cbAliquota;
    QLineEdit *edtCST;
    QLineEdit *edtNCM;
    QLineEdit *edtCEST;
    QPushButton *btnConsultarCST;
    QPushButton *btnConsultarNCM;
    QPushButton *btnConsultarCEST;
    QCheckBox *chkFabPropria;
    QCheckBox *chkDiaria;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QMenuBar *menuAtalhos;

    ModoEdicao modo() const { return m_modo; }
    // Reads the points of sale again, keeping the one chosen.
    void carregarPDVs();

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnPDVClick();
    void btnConsultarCSTClick();
    void btnConsultarNCMClick();
    void btnConsultarCESTClick();
    // What leaving the NCM does: pads it to 8 digits and suggests a CEST.
    void edtNCMExit();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void novoRegistro();

    ListaCadastro *m_lista;
    ModoEdicao m_modo = ModoEdicao::Ver;
    qint64 m_chave = 0;
    qint64 m_estoqueCarregado = 0;
    ChaveReservada m_reserva;
    bool m_mostrada = false;
};

extern TFrmCadProdutosServicos *FrmCadProdutosServicos;
