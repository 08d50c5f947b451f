#pragma once
// The characteristic edit screen: a new characteristic ("I"), its alteration
// ("A") or a view ("V"), with the symbol picture chosen from a file and
// previewed beside its path.
#include "base/TelaEdicao.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QToolButton;
class QWidget;

class TFrmCadCaracUH : public QDialog {
    Q_OBJECT
public:
    // op: the list's mode; id: the characteristic altered or viewed.
    TFrmCadCaracUH(const QString &op, qint64 id = 0, QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QLabel *lblTitulo;
    QLabel *lblCodCarac;
    QWidget *pnlDados;
    QLineEdit *edtDescricao;
    QLineEdit *edtSigla;
    QLineEdit *edtSimbolo;
    QToolButton *btnProcurarSimbolo;
    QLabel *imgSimbolo;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QMenuBar *menuAtalhos;

    ModoEdicao modo() const { return m_modo; }
    qint64 codigo() const { return m_id; }

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnProcurarSimboloClick();
    void edtSimboloChange();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    ModoEdicao m_modo;
    qint64 m_id = 0;
    QString m_descricaoAtual;
    ChaveReservada m_chave;
};

extern TFrmCadCaracUH *FrmCadCaracUH;
