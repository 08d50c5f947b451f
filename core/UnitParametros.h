#pragma once
// The settings screen: the single PARAMETROS row on eleven tabs, written back
// with one update of all its columns. The rules live in ParametrosRegras;
// this screen only moves values between its controls and those rules.
#include "core/ParametrosRegras.h"

#include <QComboBox>
#include <QDialog>
#include <QMap>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimeEdit;

// Colour box of the survey page: the standard and extended colours by name,
// and one custom entry that opens the colour dialog.
class TCaixaCor : public QComboBox {
    Q_OBJECT
public:
    explicit TCaixaCor(QWidget *parent = nullptr);
    // Selects the colour (as the custom entry when it has no item of its own).
    void definirCor(quint32 cor);
    quint32 cor() const;
    // The colour as stored: its name or "$00BBGGRR".
    QString texto() const { return ParametrosRegras::corParaTexto(cor()); }

private slots:
    void itemEscolhido(int indice);

private:
    void definirPersonalizada(quint32 cor);
};

class TFrmParametros : public QDialog {
    Q_OBJECT
public:
    explicit TFrmParametros(QWidget *parent = nullptr);

    QTabWidget *pcParametros = nullptr;
    QPushButton *btnAtualizar = nullptr;
    QPushButton *btnFechar = nullptr;
    QPushButton *btnCarregarDados = nullptr; // "Carregar Dados" (company data file)
    QPushButton *btnCriarPagina = nullptr;   // "Criar / Atualizar Página" (survey page)

    // Controls the screen handles beyond filling and saving.
    QLineEdit *edtCNPJ = nullptr;
    QLineEdit *edtFone1 = nullptr;
    QLineEdit *edtFone2 = nullptr;
    QLineEdit *edtFax = nullptr;
    QLineEdit *edtLogo = nullptr;
    QLineEdit *edtImagemLogoPesquisa = nullptr;
    QLineEdit *edtPercentualPolitica = nullptr;
    QLabel *lblOcupacao = nullptr;
    QComboBox *cbModeloImg = nullptr;
    TCaixaCor *cbCor1 = nullptr;
    TCaixaCor *cbCor2 = nullptr;
    QWidget *clbPolitica = nullptr; // weekdays of the occupancy policy
    QWidget *clbPernoite = nullptr; // weekdays of the overnight rate

    // The control that edits a column: QLineEdit, QCheckBox (every flag, the
    // weekdays included), QTimeEdit, QComboBox or TCaixaCor.
    QWidget *controle(const QString &coluna) const { return m_controles.value(coluna); }
    bool marcado(const QString &colunaFlag) const;
    void marcar(const QString &colunaFlag, bool sim);

    // Reads the row from the database and fills the controls (done when shown).
    void carregar();
    const Linha &registro() const { return m_registro; }
    // The controls' values, one text per column.
    ParametrosRegras::TextosTela textosDaTela() const;
    void preencher(const ParametrosRegras::TextosTela &textos);

    // The company data file and the survey page are handled elsewhere; while
    // nobody provides them their buttons stay disabled.
    static std::function<void(TFrmParametros &)> acaoCarregarDados;
    static std::function<void(TFrmParametros &)> acaoCriarPagina;

    // The screen never grows beyond what a 1024 x 700 monitor shows beside
    // its task bar; longer pages scroll.
    static constexpr int kLarguraMaxima = 1000;
    static constexpr int kAlturaMaxima = 640;

public slots:
    void btnAtualizarClick();
    void btnFecharClick();
    void btnCarregarDadosClick();
    void btnCriarPaginaClick();
    void edtPercentualPoliticaChange();

protected:
    void showEvent(QShowEvent *e) override;
    bool event(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void montar();
    void ajustarTamanho();
    void montarArquivo(QLineEdit *edit, QWidget *linha);
    void focarColuna(const QString &coluna);

    Linha m_registro;
    QMap<QString, QWidget *> m_controles;
    QList<QLabel *> m_cabecalhos; // header picture of the first six pages
};

extern TFrmParametros *FrmParametros;

// Opens the settings screen modally (ribbon "Parâmetros").
void abrirParametros();
