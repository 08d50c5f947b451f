#pragma once
// The band-report frame shared by every printed report.
//
// A report is first built as a document model (page header, column headers,
// group bands, detail lines, group totals, grand totals, pages) that tests
// read directly; RelatorioPintura paints that model on the preview, a
// printer or a PDF file. Every page carries the company's NOME_FANTASIA, the
// report logo (LOGO), the title, the bracketed option line, "Impresso em"
// with date and time and "Pág." with its number; LOGORELLARGO "S" gives
// white bands and the wide logo, anything else silver bands and the square
// logo; the page size comes from IMPRESSAOLARGURA x IMPRESSAOCOMPRIMENTO (mm).
//
// Building a report in a few lines:
//
//     Relatorio rel(QStringLiteral("Relatório de Entradas"));
//     rel.opcoes(QStringLiteral("De 01/03/2025 Até 31/03/2025"));   // printed as "[De ... Até ...]"
//     const int cUh = rel.coluna(QStringLiteral("UH"), 12);
//     rel.coluna(QStringLiteral("Hóspede"), 60);
//     rel.coluna(QStringLiteral("Entrada"), 20, Relatorio::Tipo::Data);
//     const int cValor = rel.coluna(QStringLiteral("Valor"), 20, Relatorio::Tipo::Dinheiro, /*somar=*/true);
//     for (const Linha &l : linhas) {
//         rel.grupo(QStringLiteral("Apartamento ") + l.texto("NUMERO"));   // a new key closes the
//                                                                          // previous group with its totals
//         rel.linha({l.texto("NUMERO"), l.texto("NOME"), l.data("DATA"), l.dinheiro("VALOR")});
//     }
//     rel.resumo(QStringLiteral("Hóspedes no período:"), QString::number(n));  // extra summary lines
//     RelatorioPintura::exibir(rel, QStringLiteral("Relatório de Entradas (...)"));
//
// exibir() shows "Nenhum Registro Encontrado!" and nothing else when the
// report has no line; otherwise it opens the maximised preview and then logs
// "Impressão de Relatório" with the given text. Widths are relative weights
// spread over the page width. Money cells stay Dinheiro in the model and are
// printed as "#,##0.00"; summed columns get group totals and a grand total.
//
// Column titles open every page by default. A report whose lines come after
// blocks of text (a statement: company, customer, then its items) marks the
// place instead:
//
//     rel.texto(...);                      // the blocks above the items
//     rel.titulosColunas();                // the title band here, once; a page the
//                                          // items go on to opens with it again
//
// Columns without any title print no title band at all.
//
// A narrow paper (a receipt on a roll) chooses its own format:
//
//     Relatorio::Formato f;
//     f.larguraMm = 62;                    // page width; height as long as the content
//     f.margens = QMarginsF(0, 10, 5, 0);  // left, top, right, bottom (mm)
//     f.compacto = true;                   // smaller fonts and bands for the column
//     f.alturaPeloConteudo = true;         // one page as long as its bands
//     rel.formato(f);
//     rel.cabecalhoCompacto({empresa, endereco, titulo});  // centred lines, no logo,
//                                                         // no "Impresso em"/"Pág."
//     rel.linha(QStringLiteral("CERVEJA"), {2, unit, total});  // the text on a row of its
//                                                            // own, the cells under it
//     rel.fechamento(QStringLiteral("***  OBRIGADO  ***"));    // a centred line after the summary
//
// A picture (a chart, a photo) takes a band of its own among the lines:
//
//     rel.figura(imagem, QSizeF(260, 150));   // wanted size in mm, centred
//
// The model keeps the picture and the size it prints at: the wanted size,
// shrunk (keeping its proportions) to the printable width and to the room a
// page leaves under its header. A report with a picture and no lines is not
// empty.
#include "base/Dinheiro.h"

#include <QDate>
#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

inline const QString kMsgNenhumRegistro = QStringLiteral("Nenhum Registro Encontrado!");
inline const QString kOperacaoImpressaoRelatorio = QStringLiteral("Impressão de Relatório");

class Relatorio {
public:
    enum class Tipo { Texto, Inteiro, Dinheiro, Data, Hora, Momento };
    enum class Alinhamento { Padrao, Esquerda, Centro, Direita };

    struct Coluna {
        QString titulo;
        double peso = 10;          // relative width
        Tipo tipo = Tipo::Texto;
        bool somar = false;        // group totals and grand total
        Alinhamento alinhamento = Alinhamento::Padrao;
        // Effective alignment: numbers and money right, the rest left.
        Alinhamento efetivo() const;
    };

    // One cell as printed; money and integers keep their value.
    struct Celula {
        Celula() = default;
        Celula(const QString &t) : texto(t) {}
        Celula(const char *t) : texto(QString::fromUtf8(t)) {}
        Celula(::Dinheiro d) : texto(d.formatado()), dinheiro(d) {}
        Celula(int n) : texto(QString::number(n)), inteiro(n) {}
        Celula(qint64 n) : texto(QString::number(n)), inteiro(n) {}
        Celula(const QDate &d) : texto(d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString()) {}
        Celula(const QTime &h) : texto(h.isValid() ? h.toString(QStringLiteral("HH:mm:ss")) : QString()) {}
        Celula(const QDateTime &m)
            : texto(m.isValid() ? m.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) : QString()) {}

        QString texto;
        std::optional<::Dinheiro> dinheiro;
        std::optional<qint64> inteiro;
    };

    enum class TipoBanda {
        TitulosColunas,   // the column headers (texto: a row above them, may be empty)
        CabecalhoGrupo,   // a group's caption
        Detalhe,          // one line of cells
        TotalGrupo,       // a group's totals
        TotalGeral,       // the grand totals, in the summary
        Resumo,           // a summary line: label and value
        Texto,            // a free line of text across the page
        Fechamento,       // a centred line after the summary
        Figura,           // a picture (imagem, printed at tamanho)
    };

    struct Banda {
        TipoBanda tipo = TipoBanda::Detalhe;
        QString texto;            // caption of a group, label of a total or summary line, free text;
                                  // on a detail or title band, the row printed above its cells
        QList<Celula> celulas;    // one per column (details and totals)
        double altura = 0;        // mm
        double topo = 0;          // mm from the top of the page, set when paged
        QImage imagem;            // a picture band's picture
        QSizeF tamanho;           // a picture band's printed size (mm)
        Alinhamento alinhamento = Alinhamento::Centro;   // a picture band's place across the page
    };

    struct Pagina {
        int numero = 0;
        QStringList cabecalho;    // the page header lines, as printed
        QList<Banda> bandas;
    };

    // What comes from the settings and the clock; filled by the constructor
    // from tParametros() and Relogio, and changeable afterwards.
    struct Ambiente {
        QString empresa;          // NOME_FANTASIA
        QString logo;             // picture file of the logo (may be empty)
        bool logoLargo = false;   // LOGORELLARGO "S"
        QSizeF paginaMm{210, 297};
        QDateTime impressoEm;
    };

    // The paper and the look chosen by the report; the default is the page
    // of the settings with 10 mm margins and the full header.
    struct Formato {
        std::optional<double> larguraMm;   // page width instead of the settings' (mm)
        std::optional<double> alturaMm;    // page height instead of the settings' (mm)
        QMarginsF margens{10, 10, 10, 10}; // left, top, right, bottom (mm)
        bool compacto = false;             // smaller fonts and bands, for a narrow column
        bool alturaPeloConteudo = false;   // one page, as long as its bands
        std::optional<QColor> corGrupo;    // group captions' band instead of the frame's grey
    };

    explicit Relatorio(const QString &titulo, bool paisagem = false);

    void formato(const Formato &f) { m_formato = f; }
    const Formato &formato() const { return m_formato; }
    // The page header becomes these lines, centred, without logo, date and page number.
    void cabecalhoCompacto(const QStringList &linhas) { m_cabecalhoCompacto = linhas; }
    bool temCabecalhoCompacto() const { return !m_cabecalhoCompacto.isEmpty(); }
    // Pages without any header (cards and badges printed one after the other).
    void semCabecalho() { m_semCabecalho = true; }
    bool temCabecalho() const { return !m_semCabecalho; }

    // Bracketed option or period line under the title ("[" and "]" are added).
    void opcoes(const QString &texto)
    {
        m_opcoes = texto;
        m_opcoesComoDadas = false;
    }
    // The line under the title printed as given, already in its own brackets
    // ("(ENTRADA No. 12)").
    void linhaCabecalho(const QString &texto)
    {
        m_opcoes = texto;
        m_opcoesComoDadas = true;
    }
    // Adds a column; returns its index.
    int coluna(const QString &titulo, double peso, Tipo tipo = Tipo::Texto, bool somar = false,
               Alinhamento alinhamento = Alinhamento::Padrao);
    // Starts a group with this caption when it differs from the open one;
    // the open group is closed first with its totals.
    void grupo(const QString &titulo, const QString &rotuloTotal = QStringLiteral("Total:"));
    // Closes the open group (its totals are printed); nothing when none is open.
    void fecharGrupo();
    // A detail line; missing cells are empty, extra cells are ignored.
    void linha(const QList<Celula> &celulas);
    // A detail line whose text goes on a row of its own above its cells.
    void linha(const QString &textoAcima, const QList<Celula> &celulas);
    // The column titles printed here, once, with `textoAcima` on a row above
    // them when given; from here on a new page opens with them again and
    // pages before this point have none.
    void titulosColunas(const QString &textoAcima = {});
    // A free line of text among the details.
    void texto(const QString &texto);
    // A label and value printed in the summary after the grand totals.
    void resumo(const QString &rotulo, const Celula &valor);
    // A centred line after the summary (thanks, legal notes).
    void fechamento(const QString &texto);
    // A picture among the details, wanted at `tamanhoMm` (see the top).
    void figura(const QImage &imagem, const QSizeF &tamanhoMm, Alinhamento alinhamento = Alinhamento::Centro);
    // The preview offers saving the detail lines as a spreadsheet.
    void oferecerPlanilha(bool sim = true) { m_planilha = sim; }
    bool ofereceplanilha() const { return m_planilha; }
    // Label of the grand-total line ("Total Geral:" unless changed).
    void rotuloTotalGeral(const QString &rotulo) { m_rotuloTotalGeral = rotulo; }

    const QString &titulo() const { return m_titulo; }
    QString linhaOpcoes() const;
    const QList<Coluna> &colunas() const { return m_colunas; }
    bool paisagem() const { return m_paisagem; }
    Ambiente &ambiente() { return m_ambiente; }
    const Ambiente &ambiente() const { return m_ambiente; }
    // Page size as printed (width and height swapped for landscape; the
    // height of the bands when the format asks for it).
    QSizeF tamanhoPagina() const;
    const QMarginsF &margens() const { return m_formato.margens; }
    // Width between the left and right margins (mm).
    double larguraUtil() const;
    // Points of a font of the frame (a compact format prints smaller).
    double pontos(double normal) const { return m_formato.compacto ? normal * 0.8 : normal; }

    // True when no detail line and no picture was added (and the free text
    // was not declared content).
    bool vazio() const { return m_detalhes == 0 && m_figuras == 0 && !(m_textoConteudo && m_textos > 0); }
    // A report whose free text and summary lines are its content (a stay
    // block with no item yet, totals alone) is not empty while it has any.
    void textoEhConteudo() { m_textoConteudo = true; }
    int totalLinhas() const { return m_detalhes; }
    // Grand total of a summed column (zero for others).
    ::Dinheiro totalDinheiro(int coluna) const;
    qint64 totalInteiro(int coluna) const;

    // The bands in order, group totals and the summary included (no paging).
    QList<Banda> bandas() const;
    // The pages as printed.
    QList<Pagina> paginas() const;

    // Added to a group's caption repeated at the top of the next page.
    static inline const QString kContinuacao = QStringLiteral(" (continuação)");

    // Page geometry (mm).
    static constexpr double kMargem = 10;
    static constexpr double kAlturaCabecalhoQuadrado = 32;
    static constexpr double kAlturaCabecalhoLargo = 38;
    static constexpr double kAlturaLinha = 5;
    static constexpr double kAlturaTitulos = 6;
    static constexpr double kAlturaGrupo = 6;
    static constexpr double kAlturaTotal = 6;
    static constexpr double kAlturaLinhaCompacta = 3.8;
    static constexpr double kAlturaLinhaCabecalhoCompacto = 4.2;
    double alturaCabecalho() const;
    // Height of one row of a band (mm).
    double alturaLinha() const { return m_formato.compacto ? kAlturaLinhaCompacta : kAlturaLinha; }
    // Left edge and width of each column within the printable width (mm).
    QList<QPair<double, double>> posicoesColunas() const;

private:
    struct Acumulador {
        QList<::Dinheiro> dinheiro;
        QList<qint64> inteiro;
    };
    void acumular(Acumulador &a, const QList<Celula> &celulas) const;
    QList<Celula> celulasTotal(const Acumulador &a) const;
    Banda banda(TipoBanda tipo, const QString &texto = {}, const QList<Celula> &celulas = {}) const;
    QStringList cabecalhoPagina(int numero) const;
    Banda bandaTitulos(const QString &textoAcima) const;
    double alturaBanda(TipoBanda tipo, const QString &texto) const;
    // The size a picture prints at: the wanted size fitted into the page.
    QSizeF tamanhoFigura(const QSizeF &desejado) const;
    bool temTitulos() const;
    QList<Pagina> paginar(double limite) const;
    QSizeF tamanhoPapel() const;

    QString m_titulo;
    QString m_opcoes;
    bool m_opcoesComoDadas = false;
    bool m_paisagem;
    Ambiente m_ambiente;
    Formato m_formato;
    QStringList m_cabecalhoCompacto;
    bool m_semCabecalho = false;
    bool m_titulosMarcados = false;
    QString m_textoTitulos;
    QList<Banda> m_fechamento;
    QList<Coluna> m_colunas;
    QList<Banda> m_corpo;
    QList<Banda> m_resumo;
    QString m_rotuloTotalGeral = QStringLiteral("Total Geral:");
    bool m_grupoAberto = false;
    QString m_grupoAtual;
    QString m_rotuloGrupo;
    Acumulador m_somaGrupo;
    Acumulador m_somaGeral;
    int m_detalhes = 0;
    int m_figuras = 0;
    int m_textos = 0;
    bool m_planilha = false;
    bool m_textoConteudo = false;
};
