#pragma once
// "Adicione as Características ao Tipo de UH": the pick screen of the type
// edit screen. It lists the live characteristics not yet attached to the
// type; "Adicionar", a double click or Enter attaches the current one at
// once and tells the opener the new link row's key.
#include "base/TelaLista.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTableView;

class TFrmTiposUHCarac : public QDialog {
    Q_OBJECT
public:
    // tipo: the type's key (a reserved key for a new type); aoAdicionar is
    // called with each new CARAC_TIPO_UH key.
    TFrmTiposUHCarac(qint64 tipo, std::function<void(qint64)> aoAdicionar, QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    TelaLista *lista;
    QTableView *dbgCarac;
    QPushButton *btnAdicionar;
    QPushButton *btnFechar;

public slots:
    void btnAdicionarClick();
    void btnFecharClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    qint64 m_tipo;
    std::function<void(qint64)> m_aoAdicionar;
    bool m_mostrada = false;
};

extern TFrmTiposUHCarac *FrmTiposUHCarac;
