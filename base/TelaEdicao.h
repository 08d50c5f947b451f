#pragma once
// Input habits shared by the edit screens (and the menu row of shortcuts that
// list and edit screens share):
//  - the focused input turns navy ($800000) with white text, and back to white
//    with black text when it loses the focus; with the setting ACENTOS "N" the
//    plain text edits lose their accents on entering and on leaving;
//  - Enter moves to the next field (a focused button is pressed instead, and
//    an Enter no control takes never presses the dialog's default button);
//  - F10 confirms, F12 (and Esc) cancel;
//  - the shortcuts are listed in a menu row "ATALHOS:" whose entries are
//    captioned like "|| Confirmar Cliente  - (F10) ||".
// Edit screens opened for a new record that stores child rows before it is
// confirmed reserve the record's key first (ChaveReservada).
#include <QDialog>
#include <QKeySequence>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QBoxLayout;
class QLabel;
class QPushButton;
class QAction;
class QLineEdit;
class QMenuBar;
class QWidget;

// ---------------------------------------------------------------- focus colours

// Plain text edits: accent step (ACENTOS "N"), then the colours. entrando =
// true gives navy with white text, false white with black text. On any other
// kind of control only the colours change.
void ColorirEdit(QWidget *controle, bool entrando);
// Masked edits, combos, date and time pickers, file and folder edits: the
// colours only, never the accent step.
void ColorirControle(QWidget *controle, bool entrando);
// The same by the one-letter code the screens use: "E" entering, "S"
// leaving; any other letter changes nothing.
void ColorirEdit(QWidget *controle, const QString &tipo, bool passoAcento);

// ---------------------------------------------------------------- shortcut row

struct EntradaAtalho {
    QString legenda;                // exact caption, as "|| Novo Cliente  - (F2) ||"
    QKeySequence tecla;             // acts whether or not the row is shown
    std::function<void()> acao;     // what the entry does
    QAbstractButton *botao = nullptr; // when set: the entry presses this button,
                                      // only while it is visible and enabled; the
                                      // entry is enabled only while the button is
};

// Creates the menu row "ATALHOS:" with the entries (placed at the top of the
// screen's layout when it has one). Returns the row; its actions() are
// "ATALHOS:" followed by the entries in order.
QMenuBar *criarMenuAtalhos(QDialog *tela, const QList<EntradaAtalho> &entradas);
// The screen's shortcuts with Ctrl or Alt act from every field of the
// screen (a text field would take Ctrl+X as "cut"); criarMenuAtalhos does it
// for the screens with a shortcut row.
void atalhosEmTodoCampo(QWidget *tela);
// The entry of the row whose caption is `legenda`, or nullptr.
QAction *acaoAtalho(QMenuBar *menu, const QString &legenda);

// ---------------------------------------------------------------- edit screen

struct ComportamentoEdicao {
    std::function<void()> confirmar; // F10
    std::function<void()> cancelar;  // F12
    // Captions of the menu row; when both are empty there is no row and F10 /
    // F12 are plain shortcuts of the screen.
    QString legendaConfirmar;        // "|| Confirmar Cliente  - (F10) ||"
    QString legendaCancelar;         // "|| Cancelar Cliente - (F12) ||"
    // The screen's own buttons for F10 / F12, when it has them: each entry of
    // the row is enabled only while its button is shown and enabled.
    QAbstractButton *botaoConfirmar = nullptr;
    QAbstractButton *botaoCancelar = nullptr;
};

// Installs the behaviour on every input control the screen holds now; returns
// the menu row when captions were given (nullptr otherwise).
QMenuBar *instalarComportamentoEdicao(QDialog *tela, ComportamentoEdicao acoes);

// Typed letters become capitals; at most `maximo` characters (0: no limit),
// counted as the database counts them (an emoji is one and is never split).
void emMaiusculas(QLineEdit *edit, int maximo = 0);
// The same limit without changing the letters.
void limitarCaracteres(QLineEdit *edit, int maximo);

// ---------------------------------------------------------------- frame

// The top of an edit screen, added to `layout`: the screen's header picture,
// the bold title (its text set by the mode) and the record's code in the same
// bold type after `rotuloCodigo` ("CÓDIGO DA UH:"), on the title's line at
// the right or, with `codigoAbaixo`, on a line of its own below the title.
struct TopoEdicao {
    QLabel *cabecalho;
    QLabel *titulo;
    QLabel *codigo; // object name `nomeCodigo`, text `codigoInicial`
};
TopoEdicao adicionarTopoEdicao(QDialog *tela, QBoxLayout *layout, const QString &rotuloCodigo,
                               const QString &nomeCodigo, const QString &codigoInicial = QString(),
                               bool codigoAbaixo = false);

// The foot of an edit screen, added to `layout`: the buttons `aEsquerda`, a
// stretch, then "Confirmar" and "Cancelar" (object names btnConfirmar and
// btnCancelar).
struct BotoesEdicao {
    QPushButton *confirmar;
    QPushButton *cancelar;
};
BotoesEdicao adicionarBotoesEdicao(QDialog *tela, QBoxLayout *layout, const QList<QPushButton *> &aEsquerda = {});

// The list's mode for its edit screen (the list's public text OP).
enum class ModoEdicao { Incluir, Alterar, Ver };
// "I" new, "A" alter, "V" view; anything else reads as view.
ModoEdicao modoDeOP(const QString &op);
QString OPdeModo(ModoEdicao modo);

// The key of a new record whose child rows are stored before it is confirmed:
// reserved from the table's generator (GEN_ID(gen, 1)) when the screen opens,
// shown as the record's code, used by the children's inserts and by the
// record's own insert (key triggers fill a key only when it is NULL). When the
// new record is abandoned, the statements given to aoAbandonar run with the
// key as their one bound value (one transaction) to delete the children again.
class ChaveReservada {
public:
    ChaveReservada() = default;
    explicit ChaveReservada(const QString &gerador);
    ~ChaveReservada();
    ChaveReservada(const ChaveReservada &) = delete;
    ChaveReservada &operator=(const ChaveReservada &) = delete;

    // Reserves a key (again: a new record after "register another"). A key
    // still pending is abandoned first (its children deleted); when that
    // fails the error comes back and the pending key stays, never overwritten
    // while its child rows stand.
    void reservar(const QString &gerador);
    qint64 valor() const { return m_valor; }
    // Reserved and neither confirmed nor abandoned yet.
    bool pendente() const { return m_pendente; }
    // "DELETE FROM HOSPEDE WHERE ID_ENTRADA = ?": run when the record is abandoned.
    void aoAbandonar(const QString &sqlComChave);
    // The record was saved: its children stay.
    void confirmar();
    // The record was left unsaved: the children are deleted. Runs once; when
    // the deletion fails the key stays pending and the error comes back.
    void abandonar();

private:
    QString m_gerador;
    qint64 m_valor = 0;
    bool m_pendente = false;
    QStringList m_limpeza;
};
