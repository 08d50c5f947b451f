#pragma once
// The customer record form: a new customer ("I"), an alteration ("A") or a
// read-only view ("V") of the list's current row. The checks and the saves
// are the rules of rooms/Clientes; the form reads its controls, calls them
// and shows the result. The photo taken with the camera dialog is kept in
// memory and written to the customer's photo file only after the save.
#include "rooms/Clientes.h"

#include <QDialog>
#include <QImage>
#include <QVariantMap>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QWidget;

class TFrmCadClientes : public QDialog {
    Q_OBJECT
public:
    // op: the list's OP; linha: the list's current row (for "A" and "V").
    TFrmCadClientes(const QString &op, const QVariantMap &linha = {}, QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QLabel *lblTitulo;
    QLabel *lblCodigo;       // "CÓDIGO DO CLIENTE:"
    QRadioButton *rbFisica;  // "Pessoa Física"
    QRadioButton *rbJuridica; // "Pessoa Jurídica"
    QWidget *pnlDados;
    QLabel *lblDocumento;
    QLineEdit *edtCpf_Cnpj;
    QLabel *lblRG;
    QLineEdit *edtRG_InscEst;
    QLabel *lblNome;
    QLineEdit *edtNome;
    QLineEdit *edtContato;
    QLineEdit *edtEndereco;
    QLineEdit *edtNumero;
    QLineEdit *edtComplem;   // district
    QComboBox *edtCidade;
    QComboBox *edtUF;
    QLineEdit *edtCEP;
    QPushButton *btnBuscarCep; // "Buscar CEP Online"
    QLineEdit *edtFone;
    QLineEdit *edtFax;
    QDateEdit *edtDataNasc;
    QLineEdit *edtEmail;
    QLineEdit *edtObs;
    QLineEdit *edtvalorMin;
    QLineEdit *edtLembrete;
    QLabel *imgFoto;
    QPushButton *btnCapturarFoto;
    QPushButton *btnExcluirFoto;
    QCheckBox *chkSemFormato; // "Doc. / Fone Sem Formato"
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QMenuBar *menuAtalhos;

    // The document passed its check (or the customer was opened stored).
    bool Doc = false;

    // The mode ("I", "A", "V") and the customer's key after a save.
    const QString &modo() const { return m_op; }
    qint64 idSalvo() const { return m_idSalvo; }

    // The screen's values as the rules take them.
    Clientes::Dados dados() const;
    // The picture shown (the placeholder when there is no photo).
    const QImage &foto() const { return m_foto; }
    bool fotoPadrao() const { return m_fotoPadrao; }
    // Shows a picture as the customer's photo (a new capture).
    void mostrarFoto(const QImage &foto);

    // Fills street, district, city and state from the postal-code service.
    void ConsultaCEP(const QString &cep);

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnBuscarCepClick();
    void btnCapturarFotoClick();
    void btnExcluirFotoClick();
    void rbFisicaClick();
    void rbJuridicaClick();
    void chkSemFormatoClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void mudarTipo(bool fisica);
    void verificarDocumento();
    void iniciarNovo();
    void preencher();
    void mostrarPadrao();
    QString textoMascarado(const QLineEdit *e) const;
    void focarCampo(Clientes::Campo c);
    void aposGravar(const Clientes::Gravacao &g);

    QString m_op;
    QVariantMap m_linha;
    QImage m_foto;
    bool m_fotoPadrao = true;
    bool m_fotoCapturada = false;
    bool m_mostrada = false;
    qint64 m_idSalvo = 0;
};

extern TFrmCadClientes *FrmCadClientes;
