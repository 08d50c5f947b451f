#pragma once
// The employee record: a new employee ("I"), an alteration ("A") or a view
// ("V") of the list's current row, on four tabs: the data (personal, bank
// and pay, photo and badge), the time-clock turns, an empty time-clock
// history and, for users with MOVIMENTOS, the financial history. The checks
// and writes are the rules of staff/Funcionarios; the photo captured with
// the camera dialog replaces the employee's photo file at once, the earlier
// one kept as a numbered backup until the record is confirmed or cancelled.
#include "staff/Funcionarios.h"

#include <QDialog>
#include <QImage>
#include <QVariantMap>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimeEdit;
class QWidget;
class ModeloConsulta;

class TFrmCadFuncionarios : public QDialog {
    Q_OBJECT
public:
    // op: the list's OP; linha: the list's current row (for "A" and "V").
    TFrmCadFuncionarios(const QString &op, const QVariantMap &linha = {}, QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QLabel *lblTitulo;
    QLabel *lblCodigo;           // the code after "CÓDIGO DO FUNCIONÁRIO:"
    QTabWidget *pgcDados;
    QWidget *tabDados;           // "Dados Necessários"
    QWidget *tabPonto;           // "Dados de Marcação de Ponto"
    QWidget *tabHistoricoPonto;  // "Histórico de Marcação de Ponto"
    QWidget *tabFinanceiro;      // "Histórico Financeiro"

    QLineEdit *edtNome;
    QLineEdit *edtCPF;
    QLineEdit *edtRG;
    QLineEdit *edtCTPS;
    QLineEdit *edtSerie;
    QLineEdit *edtEndereco;
    QLineEdit *edtBairro;
    QLineEdit *edtCidade;
    QLineEdit *edtEstado;
    QLineEdit *edtCEP;
    QLineEdit *edtFone;
    QLineEdit *edtFone2;
    QLineEdit *edtSenhaPonto;
    QLineEdit *edtObs;
    QLineEdit *edtSangue;
    QDateEdit *dtNascimento;
    QLineEdit *edtAgencia;
    QLineEdit *edtConta;
    QLineEdit *edtSalario;
    QLineEdit *edtINSS;
    QLabel *imgFoto;
    QPushButton *btnCapturarFoto;
    QPushButton *btnExcluirFoto;
    QLabel *imgCodigoBarras;     // the sample "000000000000" in Code 39
    QLineEdit *edtNomeCracha;
    QLineEdit *edtFuncao;
    QCheckBox *chkCamareira;

    QLabel *lblNomePonto;
    QCheckBox *chkSolicitaPonto;
    QTimeEdit *dtTurno1Ent, *dtTurno1Sai, *dtTurno2Ent, *dtTurno2Sai, *dtTurno3Ent, *dtTurno3Sai;
    QTimeEdit *dtCargaDia;
    QCheckBox *chkPontoSabado;
    QTimeEdit *dtCargaSabado;
    QCheckBox *chkPontoDomingo;
    QTimeEdit *dtCargaDomingo;

    QTableView *dbgPagFuncionarios;
    ModeloConsulta *qPagFuncionarios;
    QLabel *lblTotalAPagar;
    QLabel *lblTotalPago;

    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QMenuBar *menuAtalhos;

    // The CPF passed its check when its field was last left.
    bool Doc = false;

    const QString &modo() const { return m_op; }
    Funcionarios::Dados dados() const;
    // The picture the frame shows (saved as the photo file on confirming).
    const QImage &foto() const { return m_foto; }
    const Funcionarios::VisitaFotos &visita() const { return m_visita; }

    // The CPF rule of leaving its field (also run once when the record opens).
    void verificarCpf();

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnCapturarFotoClick();
    void btnExcluirFotoClick();
    void chkSolicitaPontoClick();
    void chkPontoSabadoClick();
    void chkPontoDomingoClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
    void done(int r) override;

private:
    void preencher();
    void mostrarFoto(const QImage &foto);
    void mostrarPadrao();
    QString textoMascarado(const QLineEdit *e) const;
    void focarCampo(Funcionarios::Campo c);
    void abrirFinanceiro(qint64 chave);

    QString m_op;
    QVariantMap m_linha;
    QImage m_foto;
    Funcionarios::VisitaFotos m_visita;
    bool m_mostrada = false;
    bool m_salvo = false;
};

extern TFrmCadFuncionarios *FrmCadFuncionarios;
