#pragma once
// The reservation form: new, alter and view, behind the reservation list
// whose OP gives the mode and whose current row is the reservation.
#include "base/TelaEdicao.h"
#include "base/TelaLista.h"
#include "base/UnitDM.h"
#include "rooms/Reservas.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTimeEdit;
class QWidget;

// What the reservation form asks of the list that opened it.
class ListaReservas : public ListaCadastro {
public:
    virtual void mostrarPeriodo() = 0;

protected:
    ~ListaReservas() = default;
};

namespace CadReservas {
// Screens of other subsystems the form opens; each set by its subsystem when
// it exists (the button stays disabled until then).
inline std::function<void()> abrirClientes;
inline std::function<void()> abrirTiposUH;
inline std::function<void(qint64 cliente)> abrirHistorico;

// The log text of a reservation: "CÓDIGO: ", "DATA CHEGADA: ", ... one per line.
QString textoLog(const QString &codigo, const QDate &entrada, const QTime &horaEntrada, const QDate &saida,
                 const QTime &horaSaida, const QString &cliente, const QString &uh, const QString &pessoas,
                 const QString &obs);
} // namespace CadReservas

class TFrmCadReservas : public QDialog {
    Q_OBJECT
public:
    // `periodo1`/`periodo2` (dd/MM/yyyy) and `uh` (room key) come from a
    // free-room card; empty otherwise.
    explicit TFrmCadReservas(ListaReservas *lista, const QString &periodo1 = {}, const QString &periodo2 = {},
                             const QString &uh = {}, QWidget *parent = nullptr);

    QString Periodo1;
    QString Periodo2;
    QString UH;

    QLabel *imgCabecalho;
    QMenuBar *menuAtalhos;
    QLabel *lblCodigo;
    QWidget *pnlDados;
    QDateEdit *dtEntrada;
    QTimeEdit *hrEntrada;
    QDateEdit *dtSaida;
    QTimeEdit *hrSaida;
    QComboBox *cbCliente;
    QComboBox *cbUH;
    QLineEdit *edtPessoas;
    QLineEdit *edtObs;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QPushButton *btnClientes;
    QPushButton *btnTiposUH;
    QPushButton *btnHistorico;

    ModoEdicao modo() const { return m_modo; }
    // The form's inputs as a reservation.
    Reservas::Dados dados() const;
    void escolherCliente(qint64 id);
    void escolherUH(qint64 id);

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnClientesClick();
    void btnTiposUHClick();
    void btnHistoricoClick();

private:
    void lerClientes();
    void lerUHs();
    void limpar();
    void focar(Reservas::Campo campo);
    void incluir(const Reservas::Dados &d);
    void alterar(const Reservas::Dados &d);

    ListaReservas *m_lista;
    ModoEdicao m_modo;
    qint64 m_id = 0;
    QVariantMap m_original; // the list's row when altering or viewing
};

extern TFrmCadReservas *FrmCadReservas;
