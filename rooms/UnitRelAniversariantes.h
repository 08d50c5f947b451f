#pragma once
// "Aniversariantes": the customers born on a chosen day and month (any
// year) or in a chosen month, with their e-mail and telephones.
#include "base/Relatorio.h"
#include "base/UnitDM.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace RelAniversariantes {

inline const QString kTitulo = QStringLiteral("Relatório de Aniversariantes");
inline const QString kSelecioneMes = QStringLiteral("S E L E C I O N E   O   M Ê S");
// The month box: kSelecioneMes, then "J A N E I R O" .. "D E Z E M B R O".
const QStringList &meses();

struct Filtro {
    bool porMes = false;
    int mes = 0;          // month mode: the month box's position (0 = none chosen)
    QString dia;          // day mode: the day field "dd/MM"
    QString textoMes;     // what the month box shows
    bool comEmail = false;
    bool comTelefone = false;
};

QString linhaOpcao(const Filtro &f);  // "(Mês: ...)" or "(Dia: ...)"
QString textoLog(const Filtro &f);    // "Relatório de Aniversariantes (" + month box + ")"

struct Aniversariante {
    QString nome;
    int dia = 0;
    QString email;
    QString fones; // FONE_1 + " / " + FAX
};
// By day and then name; every state; birth date 01/01/1900 left out.
QList<Aniversariante> linhas(const Filtro &f);
// The report: "NOME", "DIA", "EMAIL", "FONES" and "TOTAL DE ANIVERSARIANTES:".
Relatorio relatorio(const Filtro &f, const QList<Aniversariante> &linhas);

} // namespace RelAniversariantes

class TFrmRelAniversariantes : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelAniversariantes(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QRadioButton *rbDia;
    QRadioButton *rbMes;
    QLineEdit *edtDia;
    QComboBox *cbMes;
    QCheckBox *chkEmail;    // "Com Email"
    QCheckBox *chkTelefone; // "Com Telefone"
    QPushButton *btnImprimir;
    QPushButton *btnSair;

    RelAniversariantes::Filtro filtro() const;

public slots:
    void btnImprimirClick();
    void btnSairClick();
    void rbDiaClick();
    void rbMesClick();
};

extern TFrmRelAniversariantes *FrmRelAniversariantes;

void abrirRelAniversariantes(QWidget *parent = nullptr);
