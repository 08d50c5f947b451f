#pragma once
// Rules of the settings screen that need no widgets: which column each
// control edits, how a stored value is shown, how a shown value is checked
// and written back, the company CNPJ check, the single-occupancy preview and
// the colour texts of the survey page.
//
// The screen exchanges its controls with these rules as one text per column
// (TextosTela):
//   texts, passwords, file names   the edit's text
//   CNPJ and phones                the edit's text with its mask characters
//   flags                          "S" ticked, "N" not ticked
//   times                          "HH:mm:ss"
//   MODELO_IMG                     the position of the chosen item, "" for none
//   numbers                        as typed, in Brazilian notation
//   colours                        the colour text ("clBlue", "$00C08000")
#include "base/UnitDM.h"

#include <QList>
#include <QMap>
#include <QString>
#include <optional>

namespace ParametrosRegras {

enum class Tipo {
    Texto,      // plain edit
    Senha,      // password edit
    Arquivo,    // file-name edit
    Cnpj,       // masked edit
    Fone,       // phone edit (masked only when entered empty)
    Flag,       // check box or check-list item
    Hora,       // time picker
    Modelo,     // drop-down of the background pictures
    Inteiro,    // whole number (beds)
    DiaFolha,   // payroll day, empty saves 0
    Pagina,     // page size in millimetres, NUMERIC(9,2)
    Percentual, // percentage shown "#,##0.00", NUMERIC(9,2)
    Cor,        // colour box
};

struct Campo {
    QString coluna;
    Tipo tipo;
    int largura;    // characters the edit accepts (text columns: the column's width)
    QString rotulo; // caption of the control, as the screen shows it
};

// Every column the screen writes, in the order of the update statement.
const QList<Campo> &campos();
const Campo *campo(const QString &coluna);

using TextosTela = QMap<QString, QString>;

// A flag counts as set only when it holds exactly "S".
inline bool flagMarcada(const QString &valor) { return valor == QLatin1String("S"); }
inline QString textoFlag(bool marcada) { return marcada ? QStringLiteral("S") : QStringLiteral("N"); }

// What the controls show for a stored row. A colour that is no colour gives
// "" (its box keeps the colour it has); MODELO_IMG outside the list gives "".
TextosTela textosDoRegistro(const Linha &registro);

// Refusal of a save: the column whose control takes the focus and the message.
struct Recusa {
    QString coluna;
    QString mensagem;
};

// Checks the screen's values against the stored row (the CNPJ is tested only
// when the stored VERIF_CPF_CNPJ is "S"). nullopt when everything can be saved.
std::optional<Recusa> validar(const TextosTela &textos, const Linha &registro);

// The update of all the screen's columns (no WHERE: the table has one row).
QString sqlAtualizacao();
// The values bound to sqlAtualizacao(), in its order. Expects validated texts.
QVariantList valoresParaGravar(const TextosTela &textos, const Linha &registro);

// Validates and, when nothing is refused, writes the row and logs the change
// in one transaction. The refusal is returned and nothing is written.
std::optional<Recusa> gravar(ConexaoBanco &conexao, const TextosTela &textos, const Linha &registro);

// ---- numbers in Brazilian notation ("1.234,56": thousands dots optional but
// in groups of three, decimal comma). The value in hundredths; nullopt when
// the text is no such number or has more decimals than allowed.
std::optional<qint64> lerNumeroBr(const QString &texto, int casas = 2);
// Hundredths as the page-size edits show them: "210", "210,5", "1234,25".
QString textoPagina(qint64 centesimos);

// ---- masks
// Empty CNPJ mask as shown: "  .   .   /    -  ".
extern const QString kCnpjVazio;
// Qt input masks of the CNPJ and phone edits (blank character: space).
extern const QString kMascaraCnpj;
extern const QString kMascaraFone;
// A masked text that holds only mask characters and blanks counts as empty.
QString semMascaraVazia(const QString &texto);
// The mask an empty phone edit takes when entered ("" for none).
QString mascaraFoneAoEntrar(const QString &textoAtual, bool foneSemFormato);

// Leaving a file-name edit: a path typed or pasted between double quotes
// loses them.
QString tirarAspasCaminho(const QString &texto);

// ---- occupancy preview of the single-occupancy limit
qint64 contarUhsAtivas(ConexaoBanco &conexao);
// "% (3 UH's)" for 30 % of 10 rooms; an empty or unreadable percentage
// gives "% (0 UH's)". Rounded half away from zero.
QString previsaoOcupacao(const QString &textoPercentual, qint64 uhs);

// ---- colours: 24-bit $BBGGRR values (system colours and the two special
// values keep their high byte). A colour is written by its standard name
// where it has one, otherwise "$" and eight hex digits.
struct CorNomeada {
    QString nome;      // "clBlue"
    quint32 valor;     // $00FF0000
    QString descricao; // caption shown in the colour box ("" for system colours)
};
const QList<CorNomeada> &coresNomeadas();
std::optional<quint32> textoParaCor(const QString &texto);
QString corParaTexto(quint32 cor);
// RGB of a colour value for painting (system colours approximated).
quint32 corParaRgb(quint32 cor);
constexpr quint32 kCorPadraoPesquisa = 0x00C08000;

} // namespace ParametrosRegras
