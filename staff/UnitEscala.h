#pragma once
// "Escala de Trabalho": the list of work schedules with its filter panel
// (by key or description), its two orders, the deletion and the edit
// screen for new, altered and viewed schedules.
#include "base/TelaLista.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;
class QToolButton;

class TFrmEscala : public QDialog, public ListaCadastro {
    Q_OBJECT
public:
    explicit TFrmEscala(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QTableView *dbgEscala;
    QPushButton *btnNovo;
    QPushButton *btnAlterar;
    QPushButton *btnExcluir;
    QPushButton *btnFiltros;
    QPushButton *btnSair;
    QToolButton *btnBuscar;
    QToolButton *btnFecharFiltro;

    ModeloConsulta *tEscala() const { return lista->modelo(); }

public slots:
    void btnNovoClick();
    void btnAlterarClick();
    void btnExcluirClick();
    void btnFiltrosClick();
    void btnSairClick();
    void dbgEscalaDblClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    int abrirCadastro();
    bool m_mostrada = false;
};

extern TFrmEscala *FrmEscala;

// Opens the list (ribbon).
void abrirEscala();
