#pragma once
// The panel of standard equipment shared by the room type and room edit
// screens: the grid, its add and remove buttons and the hidden add panel.
#include "base/Grade.h"
#include "rooms/ItensPadrao.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

// The grid of one kind of standard equipment with its add and remove buttons
// and its add panel ("Incluir Item Padrão de Estoque:" / "... de Frigobar:").
class PainelItensPadrao : public QGroupBox {
    Q_OBJECT
public:
    // titulo "Padrão Estoque:"; colunas the grid's columns over the fields of
    // sqlGrade; esconderRemover: the remove button is hidden (true) or disabled
    // (false) while the grid is empty.
    PainelItensPadrao(ItensPadrao::Tabela tabela, const QString &titulo, const QList<ColunaGrade> &colunas,
                      bool esconderRemover, QWidget *parent = nullptr);

    // Loads the grid for the owner (also after every change).
    void carregar(qint64 dono);
    qint64 dono() const { return m_dono; }
    bool vazia() const { return m_modelo->vazia(); }

    QTableView *dbgItens;
    ModeloConsulta *modelo() const { return m_modelo; }
    QPushButton *btnIncluir;
    QPushButton *btnExcluir;
    QGroupBox *pnlIncluir;
    QComboBox *cbItem;
    QLineEdit *edtQtd;
    QLineEdit *edtValorUnit; // type's minibar only, else nullptr
    QPushButton *btnConfirmarItem;
    QToolButton *btnFecharPainel;

public slots:
    void btnIncluirClick();
    void btnExcluirClick();
    void btnConfirmarItemClick();
    void btnFecharPainelClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void escolhaMudou();

    ItensPadrao::Tabela m_tabela;
    ModeloConsulta *m_modelo;
    bool m_esconderRemover;
    qint64 m_dono = 0;
};
