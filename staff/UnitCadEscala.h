#pragma once
// The edit screen of a work schedule: its description and the chain of
// periods built by double clicks on the employees (each period starts where
// the previous one ended and lasts the workload); a double click on a period
// removes it. A new schedule stores its periods under the key reserved when
// the screen opens; leaving it unsaved deletes them.
#include "base/Grade.h"
#include "base/TelaEdicao.h"

#include <QDialog>

class QDateEdit;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTableView;
class QTimeEdit;
class QWidget;
class ListaCadastro;

class TFrmCadEscala : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCadEscala(ListaCadastro *lista, QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QLabel *lblTitulo;
    QLabel *lblCodigo;
    QWidget *pnlCampos;
    QLineEdit *edtDescricao;
    QDateEdit *dtpInicio;
    QTimeEdit *hrInicio;
    QDateEdit *dtpTermino;
    QTimeEdit *hrTermino;
    QTimeEdit *hrCarga;
    QTableView *dbgFuncionarios;
    QTableView *dbgEscala;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QMenuBar *menuAtalhos;

    ModeloConsulta *tFuncionarios() const { return m_funcionarios; }
    ModeloConsulta *tPeriodos() const { return m_periodos; }
    // The schedule has been saved.
    bool Confirma = false;
    // The key shown (reserved for a new schedule).
    qint64 chave() const { return m_chave; }

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    // Adds a period for the employee of that row of the employee grid.
    void dbgFuncionariosDblClick(int linha);
    // Removes the period of that row of the periods grid.
    void dbgEscalaDblClick(int linha);
    // Algorithm of the end of the period: from the start and the workload.
    void calcularTermino();

protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;

private:
    void abrirPeriodos(bool ultima);
    ListaCadastro *m_lista;
    ModeloConsulta *m_funcionarios;
    ModeloConsulta *m_periodos;
    ChaveReservada m_reserva;
    ModoEdicao m_modo = ModoEdicao::Incluir;
    qint64 m_chave = 0;
    bool m_mostrada = false;
};

extern TFrmCadEscala *FrmCadEscala;
