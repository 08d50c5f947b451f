#pragma once
// The log viewer: the day's LOG rows, filters by user, by day and by group of
// operations, and the before/after texts of a row compared line by line.
#include <QDate>
#include <QDialog>
#include <QList>
#include <QStringList>
#include <QVariantList>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class ModeloConsulta;
class QTableView;
class QTextEdit;
class QToolButton;

namespace VisorLog {

// The entries of the operation list and the exact operation texts each selects.
struct GrupoOperacao {
    QString entrada;
    QStringList operacoes;
};
const QList<GrupoOperacao> &gruposOperacao();

struct Consulta {
    QString sql;
    QVariantList valores;
};
// The rows of one day, in the order they were written.
Consulta consultaDoDia(const QDate &dia);
// A filter, ordered by day and time: by login, by day, or by one entry of
// the operation list (an entry not in the list raises ErroSistema).
Consulta consultaPorUsuario(const QString &login);
Consulta consultaPorData(const QDate &dia);
Consulta consultaPorOperacao(const QString &entrada);

// One line of the before/after comparison.
struct LinhaComparada {
    QString antes;
    QString depois;
    bool diferente = false;
};
// Line i of `antes` beside line i of `depois`; a side with fewer lines shows
// empty lines (lines of `depois` beyond those of `antes` are shown too, so a
// change that added lines hides none). Lines that differ are marked.
QList<LinhaComparada> compararLinhas(const QString &antes, const QString &depois);

} // namespace VisorLog

class TFrmLog : public QDialog {
    Q_OBJECT
public:
    explicit TFrmLog(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QTableView *dbgLog;
    ModeloConsulta *tLog;
    QPlainTextEdit *memoOperacao;
    QTextEdit *rtfAntes;
    QTextEdit *rtfDepois;
    QGroupBox *pnlFiltro;
    QToolButton *btnFecharFiltro;
    QRadioButton *rbUsuario;
    QRadioButton *rbData;
    QRadioButton *rbOperacao;
    QComboBox *cbLogin;
    QDateEdit *dtpData;
    QComboBox *cbOperacao;
    QPushButton *btnAplicar;
    QPushButton *btnFiltros;
    QPushButton *btnSair;

    // The texts of the current row (hidden holders).
    QString antesAtual;
    QString depoisAtual;

    // Opens the grid over a statement; the cursor goes to the first row, or to
    // the last one with `noFim`.
    void abrir(const VisorLog::Consulta &c, bool noFim = false);
    int linhas() const;
    // Moves the cursor to row i and shows its details.
    void irPara(int linha);

public slots:
    void btnFiltrosClick();
    void btnAplicarClick();
    void btnFecharFiltroClick();
    void rbUsuarioClick();
    void rbDataClick();
    void rbOperacaoClick();
    void tLogAfterScroll();

protected:
    void showEvent(QShowEvent *e) override;
    bool event(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
};

extern TFrmLog *FrmLog;
