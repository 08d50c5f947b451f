#pragma once
// "Atualização 9° Dígito": counts the stored telephones without area code
// and those lacking the ninth mobile digit, and brings them up to date.
#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

class TFrmNonoDigito : public QDialog {
    Q_OBJECT
public:
    explicit TFrmNonoDigito(QWidget *parent = nullptr);

    QLabel *Label1; // telephones found
    QLabel *Label3; // without area code
    QLabel *Label5; // without the ninth digit
    QLabel *Label9; // area codes updated
    QLineEdit *edtDDD;
    QProgressBar *Gauge1;
    QPushButton *btnConfirmar;

    int qtdSemDDD = 0;
    int qtdSem9Dig = 0;

    // The counts, as on every activation.
    void contar();

public slots:
    void btnConfirmarClick();

protected:
    void changeEvent(QEvent *e) override;
};

extern TFrmNonoDigito *FrmNonoDigito;

namespace NonoDigito {
inline const QString kMsgNadaAAtualizar = QStringLiteral("Não existe nenhum telefone a ser atualizado!");
inline const QString kMsgAtualizados = QStringLiteral("Telefones atualizados com sucesso!");
void abrirNonoDigito();
} // namespace NonoDigito
