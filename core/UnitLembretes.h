#pragma once
// Reminders about guests in the house (a wake-up call): each belongs to an
// open stay and becomes due at its day and hour. The reminders screen records
// them and lists the active ones; the notice TFrmAviso announces due ones.
#include "base/UnitDM.h"

#include <QDialog>
#include "core/Lembretes.h"

class QComboBox;
class QDateEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTimeEdit;
class ModeloConsulta;

class TFrmLembrete : public QDialog {
    Q_OBJECT
public:
    explicit TFrmLembrete(QWidget *parent = nullptr);

    QComboBox *cbFiltroUsuario; // the stay
    QDateEdit *dtData;
    QTimeEdit *dtHora;
    QPlainTextEdit *memLembrete;
    QPushButton *btnArquivar;
    QTableView *grdLembretes;
    ModeloConsulta *modelo;
    QPushButton *btnConcluido;
    QPushButton *btnFechar;

public slots:
    void FormShow();
    void cbFiltroUsuarioChange();
    void btnArquivarClick();
    void btnConcluidoClick();
    void grdLembretesDblClick();
    void atualizarLista();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
};

extern TFrmLembrete *FrmLembrete;

// The reminders screen, modal.
void abrirLembretes();
