#pragma once
// The room edit screen: a new room ("I"), its alteration ("A") or a view
// ("V"): type, number (digits only), description, telephone extension, the
// statement's customisable-text flag, and the room's own extra stock items
// and minibar products. Opened by the room map and the registry hub with the
// mode and the room's key.
//
// A new room's key is reserved when the screen opens; its extra items are
// stored under it at once and deleted again when the new room is left unsaved
// in any way.
#include "base/TelaEdicao.h"

#include <QDialog>

class PainelItensPadrao;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTableView;
class QWidget;

class TFrmCadUH : public QDialog {
    Q_OBJECT
public:
    // op: "I", "A" or "V"; id: the room altered or viewed.
    TFrmCadUH(const QString &op, qint64 id = 0, QWidget *parent = nullptr);
    ~TFrmCadUH() override;

    // Raised once the room is stored.
    bool Confirma = false;

    QLabel *imgCabecalho;
    QLabel *lblTitulo;
    QLabel *lblCodUH;
    QWidget *pnlDados;
    QComboBox *cbTipoUH;
    QLineEdit *edtNumero;
    QLineEdit *edtDescricao;
    QLineEdit *edtRamal;
    QCheckBox *chkAuditorio;
    PainelItensPadrao *pnlEstoque;
    PainelItensPadrao *pnlFrigobar;
    QTableView *dbgEstoque;
    QTableView *dbgFrigobar;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QPushButton *btnTiposUH;
    QMenuBar *menuAtalhos;

    ModoEdicao modo() const { return m_modo; }
    // The key shown (a reserved key for a new room).
    qint64 codigo() const { return m_id; }
    // Reloads the type choice, keeping the chosen type.
    void carregarTipos();
    // Chooses a type by key (0: none).
    void escolherTipo(qint64 tipo);
    qint64 tipoEscolhido() const;

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnTiposUHClick();

protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;

private:
    ModoEdicao m_modo;
    qint64 m_id = 0;
    ChaveReservada m_chave;
};

extern TFrmCadUH *FrmCadUH;

// Opens the room edit screen (room map, registry hub); returns the modal result.
int abrirCadUH(const QString &op, qint64 idUH = 0);
// The same for the room map: its mode OP and its current room; the map's OP
// is emptied when the screen closes, whatever the way.
void abrirCadUHDoMapa();
