#pragma once
// The point-of-sale record: a new point of sale ("I"), an altered one ("A")
// or one only viewed ("V"), by the mode and current row of the list that
// opened it. A new record's key is reserved from the generator when the
// screen opens, so the code shown is the code stored.
#include "base/TelaEdicao.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QWidget;
class ListaCadastro;

class TFrmCadPDV : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCadPDV(ListaCadastro *lista, QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QLabel *lblTitulo;
    QLabel *lblCodigo;
    QWidget *pnlCampos;
    QLineEdit *edtDescricao;
    QLineEdit *edtSigla;
    QLineEdit *edtTaxa;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QMenuBar *menuAtalhos;

    ModoEdicao modo() const { return m_modo; }

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void novoRegistro();

    ListaCadastro *m_lista;
    ModoEdicao m_modo = ModoEdicao::Ver;
    qint64 m_chave = 0;
    QString m_descricaoAtual;
    ChaveReservada m_reserva;
    bool m_mostrada = false;
};

extern TFrmCadPDV *FrmCadPDV;
