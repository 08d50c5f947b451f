#pragma once
// The stock item record: a new item ("I"), an altered one ("A") or one only
// viewed ("V"), by the mode and current row of the list that opened it. A
// new record's key is reserved from the generator when the screen opens, so
// the code shown is the code stored and logged.
#include "base/TelaEdicao.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QWidget;
class ListaCadastro;

class TFrmCadItens : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCadItens(ListaCadastro *lista, QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QLabel *lblTitulo;
    QLabel *lblCodigo;
    QWidget *pnlCampos;
    QLineEdit *edtDescricao;
    QLineEdit *edtEstoque;
    QLineEdit *edtValor;
    QLineEdit *edtMinimo;
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
    QString m_descricaoCarregada;
    qint64 m_estoqueCarregado = 0;
    ChaveReservada m_reserva;
    bool m_mostrada = false;
};

extern TFrmCadItens *FrmCadItens;
