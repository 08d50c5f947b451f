#pragma once
// The support console ("Zentro Zurerodi Suporte"): the one-off repair,
// migration and telephone tools of the support staff, each a button that
// runs at once over whole tables. Opened from the support panel's
// "Comandos Zentro" for the login "SUPORTE".
#include "base/UnitDM.h"
#include "integration/FerramentasSuporte.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QFrame;

class TFrmSuporte : public QDialog {
    Q_OBJECT
public:
    explicit TFrmSuporte(QWidget *parent = nullptr);
    ~TFrmSuporte() override;

    QProgressBar *Progresso;
    QLabel *lblTotalReg;
    QPlainTextEdit *MemoErros;
    QPlainTextEdit *Memo1; // the lines of the import file (hidden)
    QPushButton *btnEntradas;
    QPushButton *btnFormasPagamento;
    QPushButton *btnFormasDespesas;
    QPushButton *btnFuncionarios;
    QPushButton *btnAcentos;
    QPushButton *btnPessoas;
    QPushButton *btnDDDs;
    QFrame *pnlBDAntigo;
    QLineEdit *edtBDAntigo;
    QPushButton *btnIniciar;
    QPushButton *btnTransferir;
    QLineEdit *edtArquivo;
    QPushButton *btnImportar;

    // The older database the telephones are copied from.
    ConexaoBanco ConexaoAux;

    // A chosen file name: quotes around a drive path removed.
    static QString semAspas(const QString &nome);
    // A file chosen for the import: its lines go to Memo1, their number to lblTotalReg.
    void arquivoImportacaoEscolhido(const QString &nome);

public slots:
    void btnEntradasClick();
    void btnFormasPagamentoClick();
    void btnFormasDespesasClick();
    void btnFuncionariosClick();
    void btnAcentosClick();
    void btnPessoasClick();
    void btnDDDsClick();
    void btnIniciarClick();
    void btnTransferirClick();
    void btnImportarClick();

protected:
    void changeEvent(QEvent *e) override;

private:
    class Gauge;
    friend class Gauge;
    // Runs a tool: its error in a box (nothing changed), the rows it left
    // alone listed; true when it ended well.
    bool rodar(const std::function<Suporte::Resultado(Integracao::Andamento &)> &ferramenta);
    QStringList m_linhasImportacao;
};

extern TFrmSuporte *FrmSuporte;

namespace Suporte {
inline const QString kMsgRealizada = QStringLiteral("Operação Realizada com Sucesso!");
inline const QString kMsgConcluida = QStringLiteral("Operação Concluída com Sucesso!");
inline const QString kMsgExecutada = QStringLiteral("Operação Executada com Sucesso!");
void abrirSuporte();
} // namespace Suporte
