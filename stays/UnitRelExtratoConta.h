#pragma once
// "Extrato de Conta": the papers of one stay. The account statement of the
// check-out ("Saída", a full page or a small receipt, or the hand-over to the
// fiscal programs), the entry statement handed to the guest at check-in
// ("Entrada") and the conference list of the room's contents ("Conferência").
//
// Printing only reads: the stay's lines are never deleted or rewritten here.
// An open motel stay is re-priced for the statement only (the charge rule of
// CalculoEstadia with the moment of printing as its departure); the stored
// night rows stay as they are until the check-out writes the charge.
//
// Other screens print a stay's statement without showing this screen:
//     ExtratoConta::imprimirOculto(idEntrada, /*impressora=*/false);
// which is the screen created hidden, its stay set, its print action run and
// the screen freed.
#include "stays/Extrato.h"

#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ExtratoConta {

inline const QString kTitulo = QStringLiteral("Relatório de Extrato de Conta");
inline const QString kSelecione = QStringLiteral("S E L E C I O N E     U M A    E N T R A D A");
inline const QString kMsgSelecione = QStringLiteral("Selecione uma Entrada!");
inline const QString kMsgFaixa = QStringLiteral("Informe a Faixa Corretamente!");
inline const QString kTituloFaixa = QStringLiteral("Vários Extratos");
inline const QString kPerguntaInicial = QStringLiteral("Informe o Número da Entrada Inicial:");
inline const QString kPerguntaFinal = QStringLiteral("Informe o Número da Entrada Final:");
// A range goes only to the preview or the printer: handing each stay of a
// range to the fiscal programs would repeat fiscal documents.
inline const QString kMsgFaixaFiscal = QStringLiteral(
    "Vários Extratos podem ser enviados apenas para a Tela ou para a Impressora. "
    "Envie ao Cupom Fiscal ou à NFCe uma entrada por vez.");
inline const QString kMsgCancelada = QStringLiteral("Esta Entrada foi Cancelada! Não há Extrato para Imprimir.");
inline const QString kMsgInexistente = QStringLiteral("Entrada Não Encontrada!");

enum class Destino { Tela, Impressora, CupomFiscal, NFCe };

// Printing straight to the workstation's printer, without a dialog. Tests
// put their own function here.
inline std::function<void(const Relatorio &)> imprimirDireto;
void imprimirNaImpressora(const Relatorio &rel);

// The hidden print of other screens: the account statement ("Saída") of the
// stay, on the preview or straight to the printer.
void imprimirOculto(qint64 idEntrada, bool impressora);
// The screen shown, with a stay already chosen (0: none) and a kind selected.
void abrir(qint64 idEntrada = 0, Tipo tipo = Tipo::Saida);

} // namespace ExtratoConta

class TFrmRelExtratoConta : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelExtratoConta(QWidget *parent = nullptr);

    QComboBox *cbEntradas;
    QRadioButton *rbTela;
    QRadioButton *rbImpressora;
    QRadioButton *rbCupomFiscal;
    QRadioButton *rbNFCe;
    QRadioButton *rbEntrada;
    QRadioButton *rbConferencia;
    QRadioButton *rbSaida;
    QCheckBox *CheckBox1;            // "Mostrar CNPJ no extrato"
    QLineEdit *edtNomePersonalizado;
    QPushButton *Button1;            // "Vários Extratos"
    QPushButton *JvXPButton7;        // "Enviar Confirmação via SMS"
    QPushButton *btnImprimir;
    QPushButton *btnSair;

    // The selector's key (0: nothing chosen) and its text.
    qint64 chave() const;
    void definirChave(qint64 idEntrada);
    ExtratoConta::Tipo tipo() const;
    void definirTipo(ExtratoConta::Tipo t);
    ExtratoConta::Destino destino() const;

    // What the last print action produced (tests read it).
    std::optional<ExtratoConta::Extrato> ultimoExtrato;
    int impressoes = 0;

public slots:
    void btnImprimirClick();
    void Button1Click();
    void JvXPButton7Click();
    void btnSairClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
    bool event(QEvent *e) override;

private:
    void carregarEntradas();
    // The print action on one key; false when nothing was printed.
    bool imprimir(qint64 idEntrada, const QString &textoSeletor);
    bool m_carregada = false;
};

extern TFrmRelExtratoConta *FrmRelExtratoConta;
