#pragma once
// "Entrada de Hóspedes (Walk-In)": the stay list. Besides listing stays it
// carries the stay form's mode: every screen that wants the stay form first
// opens a list through ListaEstadias::abrir, which sets OP and UH, shows the
// list or keeps it hidden while the form is shown, and afterwards puts back
// the list that was registered before (a history opened from a stay form's
// customer list leaves that form working on its own list).
#include "stays/ContextoListaEstadias.h"
#include "base/Grade.h"
#include "stays/Estadias.h"

#include <QDialog>
#include <functional>

class CorrecoesWalkIn;
class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTableView;

// The stays with their status; the "Status" column and the row colours come
// from the stay's BAIXA and EXCLUIDO.
class ModeloEstadias : public ModeloConsulta {
    Q_OBJECT
public:
    using ModeloConsulta::ModeloConsulta;
    QString status(int linha) const;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};

class TFrmWalkIn : public QDialog, public ContextoListaEstadias {
    Q_OBJECT
public:
    explicit TFrmWalkIn(QWidget *parent = nullptr);
    ~TFrmWalkIn() override;

    // The mode ("", "I", "A", "V", "Despesas", "Itens", "Saída", "HIST") and
    // "SIM" when the list works on the room selected on the room map.
    QString OP;
    QString UH;
    // Context given by the opener: the room map's stay (UH "SIM") and the
    // customer of a history (0: every stay).
    qint64 entradaMapa = 0;
    qint64 clienteHistorico = 0;

    // The current stay.
    bool vazia() const override;
    QVariant campo(const QString &coluna) const override;
    QString texto(const QString &coluna) const override;
    qint64 idEntrada() const override;
    // Reloads the list with this one stay (the stay form with UH "SIM").
    void carregarEstadia(qint64 idEntrada) override;
    // Runs the list's statement again, keeping the current stay.
    void reabrir() override;
    // What the screens it opens see of it.
    QString modo() const override { return OP; }
    void definirModo(const QString &op) override { OP = op; }
    QString modoUH() const override { return UH; }
    qint64 entradaDoMapa() const override { return entradaMapa; }
    QWidget *tela() override { return this; }
    QWidget *grade() override;
    QWidget *botaoSair() override;
    // Selects the row of a stay; false when not listed.
    bool localizar(qint64 idEntrada);
    const Estadias::LayoutLista &layout() const { return m_layout; }

    QLabel *imgFundo;
    QLabel *lblTitulo;
    QLabel *lblAberto;
    QLabel *lblFechada;
    QLabel *lblCancelada;
    QLabel *Image2;
    QLabel *Image7;
    QMenuBar *menuAtalhos;
    QAction *mnNova;
    QAction *mnFiltros;
    QAction *mnAlterar;
    QAction *mnExcluir;
    QAction *mnSair;
    ModeloEstadias *tEntrada;
    QTableView *DBGrid1;
    QMenu *PopupMenu1;
    QAction *mnTodosCodigo;
    QAction *mnTodosData;
    QAction *mnClienteResponsavel;
    QLabel *lblMotivo;
    QPushButton *btnNovaEntrada;
    QPushButton *btnAlterarEntrada;
    QPushButton *btnDespesas;
    QPushButton *btnItens;
    QPushButton *btnDespesasAvulsas;
    QPushButton *btnFiltros;
    QPushButton *btnAlterarUH;
    QPushButton *btnAlterarDiaria;
    QPushButton *btnAlterarHospedes;
    QPushButton *btnDiariasCobradas;
    QPushButton *btnFormaPag;
    QPushButton *btnExcluirEntrada;
    QPushButton *btnEmissaoNF;
    QPushButton *btnSair;
    QGroupBox *pnlFiltros;
    QRadioButton *rbCodigo;
    QRadioButton *rbCliente;
    QRadioButton *rbUH;
    QRadioButton *rbData;
    QComboBox *cbCliente;
    QLineEdit *Edit1;
    QPushButton *btnFecharFiltro;
    CorrecoesWalkIn *correcoes;

public slots:
    void btnNovaEntradaClick();
    void btnAlterarEntradaClick();
    void DBGrid1DblClick();
    void btnDespesasClick();
    void btnItensClick();
    void btnDespesasAvulsasClick();
    void btnFiltrosClick();
    void btnSairClick();
    void aplicarFiltro();
    void fecharFiltro();
    void mostrarTodos(Estadias::OrdemLista ordem);

protected:
    void done(int r) override;
    void showEvent(QShowEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void montar();
    void aplicarLayout();
    void abrirConsulta(const Estadias::Consulta &c, bool irParaUltima);
    void depoisAbrir();
    void linhaMudou();
    void abrirFormulario(const QString &opAntes, const QString &opDepois);
    void escolhaFiltro();

    void mostrarIconeChat(bool novas);
    void abrirChat(bool novas);

    std::function<void(bool)> m_iconeChatAnterior;
    bool m_iconeChatInstalado = false;
    Estadias::LayoutLista m_layout;
    Estadias::Consulta m_consulta;
    bool m_mostrada = false;
};

extern TFrmWalkIn *FrmWalkIn;

namespace ListaEstadias {

struct Abertura {
    QString op;
    QString uh;
    qint64 entradaMapa = 0;
    qint64 cliente = 0;
    bool mostrar = false;
};
// The carrier contract: remembers the list registered in FrmWalkIn, creates a
// new one there, sets its mode, shows it (or runs `comLista` while it is only
// the carrier), releases it and registers the remembered one again.
void abrir(const Abertura &a, const std::function<void(TFrmWalkIn &)> &comLista = {});
// Opens the stay form over the registered list (created with the list's OP).
void abrirFormulario(TFrmWalkIn &lista);
// One customer's stays ("HIST").
void abrirHistorico(qint64 cliente);

// The counter-sales screen, set by the subsystem that has it; while unset
// the list's "Despesas Avulsas" is disabled.
inline std::function<void()> despesasAvulsas;
// Asks the main window to close (leaving the restaurant terminal).
inline std::function<void()> fecharPrincipal;

extern const char *const kPerguntaSairRestaurante;
extern const char *const kMsgRestauranteEncerrado;

} // namespace ListaEstadias
