#pragma once
// "Livro de Ponto": the time-clock rows of one day (punched on it or
// belonging to it) or of one employee, each row in the colour of its status,
// with the ways into the punch screen (the kiosk, a manual punch by typing
// in the grid, alter and view of the selected row), excusing a row or an
// employee's period, clearing a punch and the quick search.
#include "staff/UnitCadPonto.h"
#include "base/TelaLista.h"
#include "staff/Ponto.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableView;
class QToolButton;

class TFrmPonto : public QDialog, public LivroPonto {
    Q_OBJECT
public:
    explicit TFrmPonto(QWidget *parent = nullptr);

    bool MarcacaoAutomatica = false;

    QLabel *imgCabecalho;
    // ribbon tab "Operações"
    QToolButton *btnAutomatica;    // "Automática" (F2)
    QToolButton *btnManual;        // "Manual" (Insert)
    QToolButton *btnAbonar;        // "Abonar"
    QToolButton *btnLimpar;        // "Limpar Marcação"
    QToolButton *btnConsultaRapida;// "Consulta Rápida"

    // quick search
    QGroupBox *pnlFiltro;
    QRadioButton *rbData;
    QRadioButton *rbFuncionario;
    QDateEdit *dtFiltro;
    QComboBox *cbFuncionario;
    QToolButton *btnFiltrar;
    QLabel *lblFecharFiltro;       // "x"

    // legend
    QLabel *lblOk, *lblAtraso, *lblFalta, *lblExtra, *lblAbonado;

    TelaLista *lista;
    QTableView *dbgPonto;

    // the excuse panel "Abonar Marcação"
    QGroupBox *pnlAbono;
    QLabel *lblAbonoFuncionario;
    QLabel *lblAbonoDataDefinida;
    QLabel *lblAbonoDataMarcacao;
    QLabel *lblAbonoObs;
    QRadioButton *rbFerias, *rbFolga, *rbEsqueceu;
    QLineEdit *edtJustificativa;
    QRadioButton *rbApenasSelecionada;
    QRadioButton *rbPorPeriodo;
    QDateEdit *dtAbonoDe;
    QDateEdit *dtAbonoAte;
    QToolButton *btnConfirmarAbono;
    QLabel *lblFecharAbono;        // "x"

    ModeloConsulta *tPonto() const { return lista->modelo(); }
    // The status of a row of the list ("O", "A", "E", "F", "J" or "").
    QString statusDaLinha(int linha) const;
    // The selected row as the punch screen reads it (empty when none).
    QVariantMap linhaAtual() const override;
    // Lists one day or one employee (filter "Data" / "Funcionário").
    void listarDia(const QDate &dia);
    void listarFuncionario(qint64 funcionario);
    // Opens the list again keeping the selected row.
    void reabrir() override;

public slots:
    void btnAutomaticaClick();
    void btnManualClick();
    void dbgPontoDblClick();
    void btnAbonarClick();
    void btnConfirmarAbonoClick();
    void btnLimparClick();
    void btnConsultaRapidaClick();
    void btnFiltrarClick();
    void rbDataClick();
    void rbFuncionarioClick();
    void rbPeriodoClick();
    void escolhaJustificativa();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void abrirMarcacao();
    void esconderAbono();
    Ponto::Tolerancias m_tolerancias;
    bool m_mostrada = false;
};

extern TFrmPonto *FrmPonto;

// Opens the book (the ribbon's "Livro de Ponto").
void abrirLivroPonto(QWidget *parent = nullptr);
