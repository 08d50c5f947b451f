#pragma once
// "Novo Fornecedor" / "Alterar Fornecedor" / "Ver Fornecedor": one supplier,
// opened by the supplier list in the list's mode.
#include "base/TelaEdicao.h"
#include "restaurant/Fornecedores.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

class TFrmCadFornecedores : public QDialog {
    Q_OBJECT
public:
    // `op` is the list's OP ("I", "A", "V"; emptied by "Cancelar"); `id` the
    // list's current supplier (alter, view).
    TFrmCadFornecedores(QString &op, qint64 id, QWidget *parent = nullptr);

    // Whether the document passed its check when its field was last left.
    bool Doc = false;

    QLabel *imgCabecalho;
    QLabel *lblTitulo;
    QLabel *lblCodigo;
    QRadioButton *rbFisica;
    QRadioButton *rbJuridica;
    QWidget *pnlDados;
    QLabel *lblNome;
    QLabel *lblDocumento;
    QLabel *lblRG;
    QLineEdit *edtCpf_Cnpj;
    QLineEdit *edtNome;
    QLineEdit *edtRG_InscEst;
    QLineEdit *edtFone;
    QLineEdit *edtFax;
    QLineEdit *edtEndereco;
    QLineEdit *edtBairro;
    QLineEdit *edtCidade;
    QLineEdit *edtUF;
    QLineEdit *edtCEP;
    QLineEdit *edtEmail;
    QLineEdit *edtContato;
    QLineEdit *edtObs;
    QLineEdit *edtFornecedorDe;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;

    // The text of a field as its mask shows it.
    static QString textoMascarado(const QLineEdit *e);

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    void rbFisicaClick();
    void rbJuridicaClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void mudarTipo(bool fisica);
    void novoCodigo();
    void limpar();
    Fornecedores::Dados dadosTela() const;
    QWidget *campo(Fornecedores::Campo c) const;

    QString &m_op;
    ModoEdicao m_modo;
    qint64 m_id;
    Fornecedores::Dados m_gravado;
};

extern TFrmCadFornecedores *FrmCadFornecedores;
