#pragma once
// The support panel of the main window: a text box whose whole text runs as
// one statement on the system's database (the support team's tool, the one
// place where typed SQL runs), the support console for the login "SUPORTE"
// and the database administration tool.
#include <QFrame>
#include <functional>

class ConexaoBanco;

class QPlainTextEdit;
class QPushButton;

namespace PainelSuporte {

extern const char *const kMsgSucesso; // "Comando Executado com Sucesso!"
extern const char *const kMsgErro;    // "Erro ao Executar Comando!"

// Runs the statement in one transaction on the main connection; false when it
// is empty or the database refuses it (nothing of it stays).
bool executarComando(ConexaoBanco &conexao, const QString &sql);

// Opens the support console (set by the subsystem that owns it); while empty
// "Comandos Zentro" stays disabled.
extern std::function<void()> abrirSuporte;

// The administration tool of the database server.
QString programaIBO();

} // namespace PainelSuporte

class TPainelSuporte : public QFrame {
    Q_OBJECT
public:
    explicit TPainelSuporte(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;
    QPushButton *btnExecutar;
    QPushButton *btnCancelar;
    QPushButton *btnComandosZentro;
    QPushButton *btnIBO;

    // Shows the panel with the focus in the text box; the support buttons
    // only for the login "SUPORTE".
    void mostrar();

public slots:
    void btnExecutarClick();
    void btnCancelarClick();
    void btnComandosZentroClick();
    void btnIBOClick();
};
