#pragma once
// "Histórico de Movimentações": every addition and withdrawal of the stock
// items, by date, with its item's current description; filtered by a user
// or a day.
#include "base/TelaLista.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;

class TFrmHistoricoMov : public QDialog {
    Q_OBJECT
public:
    explicit TFrmHistoricoMov(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    TelaLista *lista;
    QTableView *dbgHistorico;
    QPushButton *btnFiltros;
    QPushButton *btnSair;
    // The filter panel "Filtros".
    QGroupBox *pnlFiltros;
    QRadioButton *rbUsuario;
    QRadioButton *rbData;
    QComboBox *cbUsuario;
    QDateEdit *dtData;
    QToolButton *btnBuscar;
    QToolButton *btnFecharFiltro; // "x"

    ModeloConsulta *tHistorico() const { return lista->modelo(); }

public slots:
    void btnFiltrosClick();
    void btnBuscarClick();
    void btnFecharFiltroClick();
    void rbUsuarioClick();
    void rbDataClick();
    void btnSairClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    bool m_mostrada = false;
};

extern TFrmHistoricoMov *FrmHistoricoMov;
