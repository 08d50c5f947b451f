#pragma once
// What every list screen shares, as a component the list dialog owns:
//  - the grid over a model fed by one bound query, painted in the system's
//    alternating blues, with the row kept across a reopen (ReapontarGrid);
//  - the menu row "ATALHOS:" built from a table of entries (F2 new, F3
//    filters, Insert alter, Delete delete, Ctrl+X leave on most lists);
//  - the rights on the new/alter/delete buttons after each open (PermissaoTela);
//  - the filter panel "Filtros:" (one choice per searchable column, Down/Up
//    move between the choices, Enter searches, Esc hides) and its log line;
//  - the pop-up menu of orders ("Mostrar Todos  - Organizar Por Código");
//  - AcaoAtual with the screen's title when the screen is activated;
//  - the "Deseja Realmente ..." confirmation.
//
// A list screen creates one TelaLista, places grade() (and painelFiltro()
// when it filters) in its layout, builds its buttons and the shortcut row,
// sets its statement and calls reabrir(). Double click or Enter on a row
// emits ativada(); each open emits aberta().
#include "base/Grade.h"
#include "base/TelaEdicao.h"

#include <QObject>
#include <QPair>

class QDialog;
class QGroupBox;
class QLineEdit;
class QMenu;
class QMenuBar;
class QRadioButton;
class QTableView;

// One searchable column of the filter panel.
struct OpcaoFiltro {
    QString legenda;        // caption of the choice: "Código", "Descrição"
    QString coluna;         // column name, fixed in the code (never typed text)
    bool exato = false;     // equal to the text; otherwise containing it (% and _ as typed);
                            // both bound through a wide cast (sqlIgual / sqlContem)
    bool numerico = false;  // an exact search on a number column: a text that is
                            // not a whole number finds nothing (no conversion error)
    bool dinheiro = false;  // an amount ("1.500,00") equal to a NUMERIC column; the
                            // edit drops . - : / ( ) on entering and shows "#,##0.00"
                            // on leaving; a text that is not money is refused with
                            // kMsgValorBuscaInvalido (nothing searched, nothing logged)
};

inline const QString kMsgValorBuscaInvalido =
    QStringLiteral("Valor Inválido! Informe um valor em reais, como 1.500,00.");

struct FiltroLista {
    // The statement with "%1" where the chosen condition goes, e.g.
    // "SELECT * FROM CARAC_UH WHERE ID_CARAC_UH NOT IN (SELECT ID_CARAC_UH
    //  FROM ANULACAO) AND %1 ORDER BY DESCRICAO".
    QString modelo;
    QList<OpcaoFiltro> opcoes;  // the first one starts selected
    // Start of the log line, followed by the choice's caption, " -> " and the
    // text: "Tentou Localizar Característica de ".
    QString prefixoLog;
    int maximo = 50;            // characters of the search edit
    bool maiusculas = true;     // typed letters become capitals
    // Values of the "?" markers the statement holds before "%1" (the
    // condition's own values follow them).
    Valores valoresModelo;
};

// The condition of one filter choice and its bound value.
struct CondicaoFiltro {
    QString sql;
    Valores valores;
    bool invalida = false;  // a money choice with a text that is not money
};
CondicaoFiltro condicaoFiltro(const OpcaoFiltro &opcao, const QString &texto);

class TelaLista;

// What a record screen reads of the list that opened it: the mode chosen
// ("I" new, "A" alter, "V" view; emptied when the record closes) and the
// list's grid with its current row. The list screens that open a record
// screen carry it, so the record screen needs nothing else of them.
class ListaCadastro {
public:
    QString OP;
    TelaLista *lista = nullptr;

protected:
    ~ListaCadastro() = default;
};

class TelaLista : public QObject {
    Q_OBJECT
public:
    explicit TelaLista(QDialog *tela);

    QTableView *grade() const { return m_grade; }
    ModeloConsulta *modelo() const { return m_modelo; }
    QMenuBar *menuAtalhos() const { return m_menu; }
    QGroupBox *painelFiltro() const { return m_painelFiltro; }
    QLineEdit *edtFiltro() const { return m_edtFiltro; }
    const QList<QRadioButton *> &opcoesFiltro() const { return m_opcoes; }
    QMenu *menuContexto() const { return m_menuContexto; }

    // The list's statement. The first one given is also the standard
    // statement that an empty search and the order entries go back to.
    void definirConsulta(const QString &sql, const Valores &valores = {});
    void definirConsultaPadrao(const QString &sql, const Valores &valores = {});
    void definirColunas(const QList<ColunaGrade> &colunas);
    // Key column of the rows (for keeping the position); empty: none.
    void definirChave(const QString &coluna) { m_chave = coluna; }
    // Title reported through AcaoAtual when the screen is activated.
    void definirAcaoAtual(const QString &acao) { m_acaoAtual = acao; }
    // Buttons whose state follows the rights after each open; the shortcut
    // entries bound to them follow too.
    void definirBotoesPermissao(QAbstractButton *incluir, QAbstractButton *alterar, QAbstractButton *excluir);

    // The menu row "ATALHOS:" (see EntradaAtalho).
    QMenuBar *criarAtalhos(const QList<EntradaAtalho> &entradas);
    // The filter panel, hidden until mostrarFiltro().
    QGroupBox *configurarFiltro(const FiltroLista &filtro);
    void mostrarFiltro();
    void esconderFiltro();
    // Runs the search of the panel as Enter does.
    void buscar();
    // An entry of the grid's pop-up menu that reopens the list with `sql`.
    void adicionarOrdenacao(const QString &legenda, const QString &sql, const Valores &valores = {});

    // Closes and opens the list again: remembers the current row, runs the
    // statement, applies the rights, finds the row again, emits aberta().
    void reabrir();

    // The current row.
    bool vazia() const;
    int linhaAtual() const;
    void irParaLinha(int linha);
    QVariant valor(const QString &campo) const;
    QString texto(const QString &campo) const;
    qint64 inteiro(const QString &campo) const;

    // Before deleting the current row: the list will land on the next one.
    void prepararExclusao();

    // "Deseja Realmente ..." (Yes/No); true for Yes.
    static bool confirmar(const QString &pergunta);

signals:
    void aberta();
    void ativada();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void aplicarPermissoes();
    void moverOpcao(int passo);
    const OpcaoFiltro *opcaoEscolhida() const;
    QAction *itemDoBotao(QAbstractButton *botao) const;

    QDialog *m_tela;
    QTableView *m_grade;
    ModeloConsulta *m_modelo;
    QMenuBar *m_menu = nullptr;
    QMenu *m_menuContexto = nullptr;
    QGroupBox *m_painelFiltro = nullptr;
    QLineEdit *m_edtFiltro = nullptr;
    QList<QRadioButton *> m_opcoes;
    FiltroLista m_filtro;

    QString m_sqlPadrao;
    Valores m_valoresPadrao;
    bool m_temPadrao = false;
    QString m_chave;
    QString m_acaoAtual;
    QAbstractButton *m_btnIncluir = nullptr;
    QAbstractButton *m_btnAlterar = nullptr;
    QAbstractButton *m_btnExcluir = nullptr;
    QList<QPair<QAction *, QAbstractButton *>> m_itensBotao; // shortcut entries bound to buttons
};
