#pragma once
// "Cardápio": the menu by group. Picking a product hands it to the board's
// order panel.
#include <QDialog>

class GradeFiltro;
class QLabel;
class QStandardItemModel;

// What the menu hands a picked product to: the board's order panel.
class PainelPedido {
public:
    // Puts a product in the order panel: its key in the code field and the
    // product chosen.
    virtual void receberProduto(qint64 idProduto) = 0;
    // The focus back on the order panel's code field.
    virtual void focarProduto() = 0;
    // The board itself, the menu's parent.
    virtual QWidget *tela() = 0;

protected:
    ~PainelPedido() = default;
};

class TFrmCardapio : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCardapio(PainelPedido *mesas, QWidget *parent = nullptr);

    GradeFiltro *grdGrupos;
    GradeFiltro *grdItens;
    QStandardItemModel *tGrupos;
    QStandardItemModel *tItens;
    QLabel *lblVazio;

    // The key of the group / product on the current row (0: none).
    qint64 grupoAtual() const;
    qint64 itemAtual() const;

public slots:
    void grdItensEscolher(); // double click or Enter on a product
    void reject() override;  // Esc: back to the product code

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void lerGrupos();
    void lerItens();
    PainelPedido *m_mesas;
    bool m_gruposLidos = false;
    qint64 m_grupoLido = -1;
};

extern TFrmCardapio *FrmCardapio;
