#pragma once
// The reservation list "Reservas": the pending reservations holding a room
// on at least one day of a period, and the rooms free for the whole period
// as cards. It is also the mode carrier (OP) of the reservation form.
#include "rooms/UnitCadReservas.h"
#include "base/TelaLista.h"
#include "rooms/Reservas.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

class TFrmReservas : public QDialog, public ListaReservas {
    Q_OBJECT
public:
    explicit TFrmReservas(QWidget *parent = nullptr);
    ~TFrmReservas() override;


    QLabel *imgCabecalho;
    QDateEdit *dtInicio;
    QDateEdit *dtFim;
    QPushButton *btnMostrarPeriodo;
    QComboBox *cbOrdem;
    QLabel *lblDisponiveis;
    QListWidget *lstUH;
    QGroupBox *pnlBusca;
    QRadioButton *rbCodigo;
    QRadioButton *rbCliente;
    QRadioButton *rbUH;
    QLineEdit *edtBusca;
    QPushButton *btnBuscar;
    QLabel *lblFecharBusca;
    QPushButton *btnNova;
    QPushButton *btnAlterar;
    QPushButton *btnExcluir;
    QPushButton *btnFiltros;
    QPushButton *btnSMS;
    QPushButton *btnImprimir;
    QPushButton *btnSair;

    // The period view: reservations with a day in the period and the free rooms.
    void mostrarPeriodo() override;
    // The free rooms shown as cards.
    const QList<Reservas::QuartoLivre> &quartosLivres() const { return m_livres; }
    // A new reservation of a free room for the period (as a double click on its card).
    void reservarQuarto(int indiceCartao);
    // Runs the search of the panel (as Enter in the search box).
    void buscar();

public slots:
    void btnNovaClick();
    void btnAlterarClick();
    void btnExcluirClick();
    void btnFiltrosClick();
    void btnSMSClick();
    void btnImprimirClick();
    void btnSairClick();
    void dbgReservasDblClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void done(int r) override;
    void showEvent(QShowEvent *e) override;

private:
    void abrirFormulario(const QString &periodo1 = {}, const QString &periodo2 = {}, const QString &uh = {});
    void fecharGrade();
    void esconderBusca();
    void mostrarCartoes();

    QList<Reservas::QuartoLivre> m_livres;
};

extern TFrmReservas *FrmReservas;

namespace Reservas {
// The room map's "-- Efetuar Reserva": the list is created without being
// shown, only as the carrier of a new reservation's form.
void efetuarReserva();
}
