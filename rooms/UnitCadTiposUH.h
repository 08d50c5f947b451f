#pragma once
// The room type edit screen: a new type ("I"), its alteration ("A") or a view
// ("V"): name, abbreviation, the four rates and their floors (in motel mode
// the initial period, extra hour and overnight prices only), the type's
// characteristics with their symbols, and its standard stock items and
// minibar products.
//
// A new type's key is reserved when the screen opens; its characteristics and
// standard items are stored under it at once, and deleted again when the new
// type is left unsaved in any way. Characteristics attached while a type is
// altered are detached again when the alteration is left unsaved (the undo
// list is kept here); removing one takes effect on confirm.
#include "base/TelaEdicao.h"

#include <QDialog>
#include <QList>
#include <QSet>
#include <array>

class ModeloConsulta;
class PainelItensPadrao;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QToolButton;
class QWidget;

class TFrmCadTiposUH : public QDialog {
    Q_OBJECT
public:
    // op: the list's mode; id: the type altered or viewed.
    TFrmCadTiposUH(const QString &op, qint64 id = 0, QWidget *parent = nullptr);
    ~TFrmCadTiposUH() override;

    // Raised once the type is stored.
    bool Confirma = false;

    QLabel *imgCabecalho;
    QLabel *lblTitulo;
    QLabel *lblCodTipo;
    QWidget *pnlDados;
    QLineEdit *edtDescricao;
    QLineEdit *edtSigla;
    QLabel *lblP1, *lblP2, *lblP3, *lblP4, *lblDiarias, *lblMinimo;
    QLineEdit *edtP1, *edtP2, *edtP3, *edtP4;
    QLineEdit *edtP1Min, *edtP2Min, *edtP3Min, *edtP4Min;
    PainelItensPadrao *pnlEstoque;
    PainelItensPadrao *pnlFrigobar;
    QTableView *dbgEstoque;
    QTableView *dbgFrigobar;
    QGroupBox *pnlCarac;
    QTableView *dbgCarac;
    QToolButton *btnMais;
    QToolButton *btnMenos;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QPushButton *btnCaracteristicas;
    QMenuBar *menuAtalhos;

    ModoEdicao modo() const { return m_modo; }
    // The key shown (a reserved key for a new type).
    qint64 codigo() const { return m_id; }
    // The eight rate boxes, P1..P4, P1MIN..P4MIN.
    const std::array<QLineEdit *, 8> &caixasValor() const { return m_valores; }
    // Characteristic link rows shown in the grid (ID_CARAC_UH of each).
    QList<qint64> caracteristicasNaGrade() const;

    // Reloads the characteristics grid from the database (removed rows come back).
    void carregarCaracteristicas();

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnMaisClick();
    void btnMenosClick();
    void btnCaracteristicasClick();

protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void carregarTudo();
    void abandonar();
    bool validarValor(QLineEdit *e);

    ModoEdicao m_modo;
    qint64 m_id = 0;
    QString m_descricaoAtual;
    ChaveReservada m_chave;
    std::array<QLineEdit *, 8> m_valores{};
    ModeloConsulta *m_modeloCarac;
    QSortFilterProxyModel *m_visaoCarac;
    QSet<qint64> m_removidas;   // link rows taken off the grid (deleted on confirm)
    QList<qint64> m_anexadas;   // link rows attached during this alteration
    bool m_validandoValor = false;
    bool m_encerrada = false;
};

extern TFrmCadTiposUH *FrmCadTiposUH;
