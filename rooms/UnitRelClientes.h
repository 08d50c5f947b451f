#pragma once
// "Relatório - Clientes": one card per customer, for every customer, one
// chosen customer or a selection (restricted, blacklisted, persons,
// companies, customers with stays in a period).
#include "base/Relatorio.h"
#include "base/UnitDM.h"

#include <QDate>
#include <QDialog>
#include <QList>
#include <QString>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;

namespace RelClientes {

inline const QString kTitulo = QStringLiteral("Relatório de Clientes");
inline const QString kTodos = QStringLiteral("T O D O S   O S   C L I E N T E S");

enum class Opcao { Geral, Restricao, Negativados, Fisicas, Juridicas, Periodo };

struct Filtro {
    Opcao opcao = Opcao::Geral;
    qint64 idCliente = 0;   // the chosen customer; 0 = none / all
    QString textoEscolha;   // what the customer choice shows
    QDate de;
    QDate ate;
};

// "(Apenas Pessoas Físicas)", "(T O D O S ...)" and so on.
QString linhaOpcao(const Filtro &f);
// "Relatório de Clientes (" + the choice's text + ")".
QString textoLog(const Filtro &f);
// The rows to print, by name: a chosen customer wins over every option; the
// period prints a customer once per stay found (open stays whatever their dates).
QList<Linha> linhas(const Filtro &f);

// One card: label and value pairs in the order they print.
QList<QPair<QString, QString>> cartao(const Linha &cliente);

// The report: one card (lines of label / value pairs) per row, the option
// line and the summary "TOTAL DE CLIENTES:".
Relatorio relatorio(const Filtro &f, const QList<Linha> &linhas);

} // namespace RelClientes

class TFrmRelClientes : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelClientes(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QRadioButton *rbGeral;
    QRadioButton *rbRestricao;
    QRadioButton *rbNegativados;
    QRadioButton *rbFisicas;
    QRadioButton *rbJuridicas;
    QRadioButton *rbPeriodo;
    QComboBox *cbClientes;
    QDateEdit *edtData1;
    QDateEdit *edtData2;
    QPushButton *btnImprimir;
    QPushButton *btnSair;

    RelClientes::Filtro filtro() const;

public slots:
    void btnImprimirClick();
    void btnSairClick();
    void opcaoClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
};

extern TFrmRelClientes *FrmRelClientes;

void abrirRelClientes(QWidget *parent = nullptr);
