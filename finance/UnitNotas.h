#pragma once
// "A Prazo": the unpaid on-account bills, their settlement over the eight
// means (one bill) or with one means (several bills), the search, the
// customer filter and the report of open bills. Reached from the
// withdrawals and additions screen.
#include "finance/Notas.h"

#include <QDialog>
#include <QList>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableWidget;

class TFrmNotas : public QDialog {
    Q_OBJECT
public:
    explicit TFrmNotas(QWidget *parent = nullptr);

    // The stay statement of a bill's stay, set by the subsystem that has it;
    // while unset a double click does nothing.
    static std::function<void(qint64 idEntrada)> abrirExtrato;

    QTableWidget *DBGrid1;
    QPushButton *btnBaixa;       // "Realizar Baixa da Entrada Selecionada"
    QPushButton *btnVarias;      // "Baixar Várias Entradas" (toggle)
    QPushButton *btnImprimir;    // "Imprimir Relatório"
    QPushButton *btnFiltros;     // "Filtros"
    QPushButton *btnSair;
    QPushButton *btnEfetuarBaixa; // "Efetuar Baixa (Apenas uma forma de pagamento)"
    QLabel *lblSelecionado;
    QGroupBox *gbClientes;
    QRadioButton *rbSemNegativacao, *rbTodos, *rbApenasNegativacao;

    QGroupBox *pnlFiltros;
    QList<QRadioButton *> rbCriterios; // in the order of Notas::Criterio
    QLineEdit *edtConsulta;
    QPushButton *btnLocalizar;
    QPushButton *btnFecharFiltros;

    QGroupBox *pnlPagamento;
    QList<QLineEdit *> edtMeios; // edtDinheiro2 ... edtDeposito, in the order of Notas::MeioNota
    QLabel *lblTotal;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QMenu *mnuMeios;

    // The bills shown, in grid order.
    const QList<Notas::Nota> &notas() const { return m_notas; }
    Dinheiro Soma;

    void carregar();
    // The bills selected in multi-selection mode.
    QList<qint64> selecionadas() const;

public slots:
    void btnBaixaClick();
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnVariasClick();
    void DBGrid1Click();
    void DBGrid1DblClick();
    void baixarComUmMeio(Notas::MeioNota meio);
    void btnFiltrosClick();
    void btnLocalizarClick();
    void btnImprimirClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    Notas::FiltroCliente filtro() const;
    Notas::Criterio criterio() const;
    void mostrarTotal();
    void terminarBaixa();
    void recarregarCaixa();
    QList<Notas::Nota> m_notas;
    Notas::Busca m_busca;
};

extern TFrmNotas *FrmNotas;
