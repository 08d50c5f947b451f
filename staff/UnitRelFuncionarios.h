#pragma once
// "Relatório - Funcionários": for one employee or all of them, the badge
// (front with the photo, back with the documents, and the badge's code in
// Code 39 bars), the registration sheet, or the sheet followed by a copy of
// the badge.
#include "base/Relatorio.h"
#include "base/UnitDM.h"

#include <QDialog>
#include <QImage>
#include <QList>
#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace RelFuncionarios {

inline const QString kTitulo = QStringLiteral("Relatório de Funcionários");
inline const QString kTodos = QStringLiteral("T O D O S   O S   F U N C I O N Á R I O S");

enum class Opcao { ApenasCadastro, CadastroECracha, ApenasCracha };

// "Apenas Cadastro", "Cadastro + Crachá + Código de Barras", "Apenas Crachá + Código de Barras".
QString tipo(Opcao o);
// "Relatório de Funcionários (<choice>)" + "\r" + "Tipo:" + the kind printed.
QString textoLog(const QString &escolha, Opcao o);

// The live employees by name, or the one chosen (none when it was deleted).
QList<Linha> linhas(qint64 chave);

// The badge of one employee: front (the template, the photo, NOME_CRACHA and
// FUNCAO), back (the template, NOME, "CPF: ", "Identidade: ") and, to its
// right, "Código de Barras" over the badge's code in Code 39 bars. Drawn in
// badge units (a face is 243 by 383) times `escala` pixels. A photo that
// cannot be read prints img/nofoto.jpg; a missing template leaves the texts
// on white.
QImage cracha(const Linha &funcionario, double escala = 2);
// Badge units as printed (millimetres per unit at 96 per inch).
constexpr double kMmPorUnidade = 25.4 / 96.0;
constexpr double kLarguraFace = 243;
constexpr double kAlturaFace = 383;

// The label and value pairs of the sheet's sections, in print order: each
// inner list is one printed line.
struct Secao {
    QString titulo;
    QList<QList<QPair<QString, QString>>> linhas;
};
QList<Secao> ficha(const Linha &funcionario);

// The report for the option: badges without a page header; the sheet with
// the frame's header and "(" + the choice + ")" under the title, each
// employee's badge after it with "CRACHÁ" / "FRENTE" / "VERSO" for the
// second option.
Relatorio relatorio(Opcao o, const QString &escolha, const QList<Linha> &funcionarios);

} // namespace RelFuncionarios

class TFrmRelFuncionarios : public QDialog {
    Q_OBJECT
public:
    // chave: the employee chosen at first (0: all).
    explicit TFrmRelFuncionarios(qint64 chave = 0, QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QComboBox *cbFuncionarios;
    QGroupBox *grpOpcoes;
    QRadioButton *rbApenasCadastro;
    QRadioButton *rbCadastroCracha;
    QRadioButton *rbApenasCracha;
    QPushButton *btnImprimir;
    QPushButton *btnSair;

    // The chosen employee's key (0: all) and what the choice shows.
    qint64 chaveEscolhida() const;
    QString textoEscolha() const;
    RelFuncionarios::Opcao opcao() const;
    // Chooses an employee by key (0 or an unknown key: all).
    void escolherFuncionario(qint64 chave);

public slots:
    void btnImprimirClick();
    void btnSairClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void showEvent(QShowEvent *e) override;
};

extern TFrmRelFuncionarios *FrmRelFuncionarios;

void abrirRelFuncionarios(QWidget *parent = nullptr, qint64 chave = 0);
