#include "base/Relatorio.h"
#include "base/Caminhos.h"
#include "base/Parametros.h"
#include "base/Relogio.h"

#include <limits>

namespace {

// A page size from the settings, or A4 when the setting is missing or not a
// size a printer could take.
double medidaPagina(qint64 centesimosMm, double padrao)
{
    const double mm = double(centesimosMm) / 100.0;
    return (mm >= 50 && mm <= 3000) ? mm : padrao;
}

} // namespace

Relatorio::Alinhamento Relatorio::Coluna::efetivo() const
{
    if (alinhamento != Alinhamento::Padrao)
        return alinhamento;
    return (tipo == Tipo::Dinheiro || tipo == Tipo::Inteiro) ? Alinhamento::Direita : Alinhamento::Esquerda;
}

Relatorio::Relatorio(const QString &titulo, bool paisagem)
    : m_titulo(titulo), m_paisagem(paisagem)
{
    const TParametros &p = tParametros();
    if (p.carregado()) {
        m_ambiente.empresa = p.texto(QStringLiteral("NOME_FANTASIA")).trimmed();
        const QString logo = p.texto(QStringLiteral("LOGO")).trimmed();
        if (!logo.isEmpty())
            m_ambiente.logo = Caminhos::mapearWindows(logo);
        m_ambiente.logoLargo = p.sim(QStringLiteral("LOGORELLARGO"));
        m_ambiente.paginaMm =
            QSizeF(medidaPagina(p.dinheiro(QStringLiteral("IMPRESSAOLARGURA")).centavos(), 210),
                   medidaPagina(p.dinheiro(QStringLiteral("IMPRESSAOCOMPRIMENTO")).centavos(), 297));
    }
    m_ambiente.impressoEm = Relogio::agora();
}

QString Relatorio::linhaOpcoes() const
{
    return m_opcoes.isEmpty() || m_opcoesComoDadas ? m_opcoes : QStringLiteral("[%1]").arg(m_opcoes);
}

QSizeF Relatorio::tamanhoPapel() const
{
    QSizeF s = m_ambiente.paginaMm;
    if (m_paisagem)
        s.transpose();
    if (m_formato.larguraMm)
        s.setWidth(*m_formato.larguraMm);
    if (m_formato.alturaMm)
        s.setHeight(*m_formato.alturaMm);
    return s;
}

double Relatorio::larguraUtil() const
{
    return tamanhoPapel().width() - m_formato.margens.left() - m_formato.margens.right();
}

QSizeF Relatorio::tamanhoPagina() const
{
    QSizeF s = tamanhoPapel();
    if (m_formato.alturaPeloConteudo) {
        double fim = m_formato.margens.top() + alturaCabecalho();
        for (const Banda &b : paginar(std::numeric_limits<double>::infinity()).constFirst().bandas)
            fim = std::max(fim, b.topo + b.altura);
        s.setHeight(fim + m_formato.margens.bottom());
    }
    return s;
}

int Relatorio::coluna(const QString &titulo, double peso, Tipo tipo, bool somar, Alinhamento alinhamento)
{
    Coluna c;
    c.titulo = titulo;
    c.peso = peso > 0 ? peso : 1;
    c.tipo = tipo;
    c.somar = somar;
    c.alinhamento = alinhamento;
    m_colunas.append(c);
    m_somaGrupo.dinheiro.append(::Dinheiro());
    m_somaGrupo.inteiro.append(0);
    m_somaGeral.dinheiro.append(::Dinheiro());
    m_somaGeral.inteiro.append(0);
    return int(m_colunas.size()) - 1;
}

double Relatorio::alturaBanda(TipoBanda tipo, const QString &texto) const
{
    double a = kAlturaLinha;
    switch (tipo) {
    case TipoBanda::TitulosColunas: a = kAlturaTitulos; break;
    case TipoBanda::CabecalhoGrupo: a = kAlturaGrupo; break;
    case TipoBanda::TotalGrupo:
    case TipoBanda::TotalGeral: a = kAlturaTotal; break;
    default: break;
    }
    // A row of text above the cells makes the band two rows high.
    if ((tipo == TipoBanda::Detalhe || tipo == TipoBanda::TitulosColunas) && !texto.isEmpty())
        a += kAlturaLinha;
    return m_formato.compacto ? a * kAlturaLinhaCompacta / kAlturaLinha : a;
}

Relatorio::Banda Relatorio::banda(TipoBanda tipo, const QString &texto, const QList<Celula> &celulas) const
{
    Banda b;
    b.tipo = tipo;
    b.texto = texto;
    b.celulas = celulas;
    b.altura = alturaBanda(tipo, texto);
    return b;
}

void Relatorio::acumular(Acumulador &a, const QList<Celula> &celulas) const
{
    for (int c = 0; c < m_colunas.size() && c < celulas.size(); ++c) {
        if (!m_colunas[c].somar)
            continue;
        if (celulas[c].dinheiro)
            a.dinheiro[c] += *celulas[c].dinheiro;
        if (celulas[c].inteiro)
            a.inteiro[c] += *celulas[c].inteiro;
    }
}

QList<Relatorio::Celula> Relatorio::celulasTotal(const Acumulador &a) const
{
    QList<Celula> r;
    for (int c = 0; c < m_colunas.size(); ++c) {
        const Coluna &col = m_colunas[c];
        if (!col.somar)
            r.append(Celula());
        else if (col.tipo == Tipo::Dinheiro)
            r.append(Celula(a.dinheiro[c]));
        else
            r.append(Celula(a.inteiro[c]));
    }
    return r;
}

void Relatorio::grupo(const QString &titulo, const QString &rotuloTotal)
{
    if (m_grupoAberto && titulo == m_grupoAtual)
        return;
    fecharGrupo();
    m_grupoAberto = true;
    m_grupoAtual = titulo;
    m_rotuloGrupo = rotuloTotal;
    for (int c = 0; c < m_colunas.size(); ++c) {
        m_somaGrupo.dinheiro[c] = ::Dinheiro();
        m_somaGrupo.inteiro[c] = 0;
    }
    m_corpo.append(banda(TipoBanda::CabecalhoGrupo, titulo));
}

void Relatorio::fecharGrupo()
{
    if (!m_grupoAberto)
        return;
    m_grupoAberto = false;
    const bool algumaSoma = std::any_of(m_colunas.cbegin(), m_colunas.cend(), [](const Coluna &c) { return c.somar; });
    if (algumaSoma)
        m_corpo.append(banda(TipoBanda::TotalGrupo, m_rotuloGrupo, celulasTotal(m_somaGrupo)));
}

void Relatorio::linha(const QList<Celula> &celulas) { linha(QString(), celulas); }

void Relatorio::linha(const QString &textoAcima, const QList<Celula> &celulas)
{
    QList<Celula> c = celulas.mid(0, m_colunas.size());
    while (c.size() < m_colunas.size())
        c.append(Celula());
    acumular(m_somaGeral, c);
    if (m_grupoAberto)
        acumular(m_somaGrupo, c);
    m_corpo.append(banda(TipoBanda::Detalhe, textoAcima, c));
    ++m_detalhes;
}

void Relatorio::texto(const QString &texto)
{
    for (const QString &l : texto.split(QLatin1Char('\n')))
        m_corpo.append(banda(TipoBanda::Texto, l));
    ++m_textos;
}

bool Relatorio::temTitulos() const
{
    return std::any_of(m_colunas.cbegin(), m_colunas.cend(), [](const Coluna &c) { return !c.titulo.isEmpty(); });
}

Relatorio::Banda Relatorio::bandaTitulos(const QString &textoAcima) const
{
    Banda t = banda(TipoBanda::TitulosColunas, textoAcima);
    for (const Coluna &c : m_colunas)
        t.celulas.append(Celula(c.titulo));
    return t;
}

void Relatorio::titulosColunas(const QString &textoAcima)
{
    m_titulosMarcados = true;
    m_textoTitulos = textoAcima;
    if (temTitulos() || !textoAcima.isEmpty())
        m_corpo.append(bandaTitulos(textoAcima));
}

void Relatorio::fechamento(const QString &texto)
{
    m_fechamento.append(banda(TipoBanda::Fechamento, texto));
}

QSizeF Relatorio::tamanhoFigura(const QSizeF &desejado) const
{
    if (desejado.width() <= 0 || desejado.height() <= 0)
        return QSizeF(0, 0);
    // The room under the header (and the column titles) of a page.
    double altura = tamanhoPapel().height() - m_formato.margens.top() - m_formato.margens.bottom()
        - alturaCabecalho();
    if (temTitulos())
        altura -= alturaBanda(TipoBanda::TitulosColunas, m_textoTitulos);
    const QSizeF limite(larguraUtil(), std::max(altura, 1.0));
    if (desejado.width() <= limite.width() && desejado.height() <= limite.height())
        return desejado;
    return desejado.scaled(limite, Qt::KeepAspectRatio);
}

void Relatorio::figura(const QImage &imagem, const QSizeF &tamanhoMm, Alinhamento alinhamento)
{
    Banda b = banda(TipoBanda::Figura);
    b.imagem = imagem;
    b.tamanho = tamanhoMm;
    b.alinhamento = alinhamento;
    m_corpo.append(b);
    ++m_figuras;
}

void Relatorio::resumo(const QString &rotulo, const Celula &valor)
{
    m_resumo.append(banda(TipoBanda::Resumo, rotulo, {valor}));
    ++m_textos;
}

::Dinheiro Relatorio::totalDinheiro(int coluna) const
{
    return (coluna >= 0 && coluna < m_colunas.size() && m_colunas[coluna].somar) ? m_somaGeral.dinheiro[coluna]
                                                                                   : ::Dinheiro();
}

qint64 Relatorio::totalInteiro(int coluna) const
{
    return (coluna >= 0 && coluna < m_colunas.size() && m_colunas[coluna].somar) ? m_somaGeral.inteiro[coluna] : 0;
}

QList<Relatorio::Banda> Relatorio::bandas() const
{
    QList<Banda> r = m_corpo;
    if (m_grupoAberto && std::any_of(m_colunas.cbegin(), m_colunas.cend(), [](const Coluna &c) { return c.somar; }))
        r.append(banda(TipoBanda::TotalGrupo, m_rotuloGrupo, celulasTotal(m_somaGrupo)));
    if (std::any_of(m_colunas.cbegin(), m_colunas.cend(), [](const Coluna &c) { return c.somar; }))
        r.append(banda(TipoBanda::TotalGeral, m_rotuloTotalGeral, celulasTotal(m_somaGeral)));
    r.append(m_resumo);
    r.append(m_fechamento);
    // Heights follow the format, also one chosen after the bands were added;
    // a picture fits the page as it is now.
    for (Banda &b : r) {
        if (b.tipo == TipoBanda::Figura) {
            b.tamanho = tamanhoFigura(b.tamanho);
            b.altura = b.tamanho.height();
        } else {
            b.altura = alturaBanda(b.tipo, b.texto);
        }
    }
    return r;
}

double Relatorio::alturaCabecalho() const
{
    if (m_semCabecalho)
        return 0;
    if (temCabecalhoCompacto())
        return m_cabecalhoCompacto.size() * kAlturaLinhaCabecalhoCompacto + 2;
    return m_ambiente.logoLargo ? kAlturaCabecalhoLargo : kAlturaCabecalhoQuadrado;
}

QList<QPair<double, double>> Relatorio::posicoesColunas() const
{
    double soma = 0;
    for (const Coluna &c : m_colunas)
        soma += c.peso;
    const double largura = larguraUtil();
    QList<QPair<double, double>> r;
    double x = m_formato.margens.left();
    for (const Coluna &c : m_colunas) {
        const double w = soma > 0 ? largura * c.peso / soma : 0;
        r.append({x, w});
        x += w;
    }
    return r;
}

QStringList Relatorio::cabecalhoPagina(int numero) const
{
    if (m_semCabecalho)
        return {};
    if (temCabecalhoCompacto())
        return m_cabecalhoCompacto;
    QStringList l{m_ambiente.empresa, m_titulo};
    if (!m_opcoes.isEmpty())
        l << linhaOpcoes();
    l << QStringLiteral("Impresso em %1").arg(m_ambiente.impressoEm.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")))
      << QStringLiteral("Pág. %1").arg(numero);
    return l;
}

QList<Relatorio::Pagina> Relatorio::paginas() const
{
    return paginar(m_formato.alturaPeloConteudo ? std::numeric_limits<double>::infinity()
                                                : tamanhoPapel().height() - m_formato.margens.bottom());
}

QList<Relatorio::Pagina> Relatorio::paginar(double limite) const
{
    const double topo = m_formato.margens.top() + alturaCabecalho();
    const bool comTitulos = temTitulos() || !m_textoTitulos.isEmpty();
    // Unmarked titles open every page; marked ones the pages after their place.
    bool titulosNoTopo = comTitulos && !m_titulosMarcados;
    QList<Pagina> r;
    double y = 0;
    int colocadas = 0;
    auto novaPagina = [&] {
        Pagina p;
        p.numero = int(r.size()) + 1;
        p.cabecalho = cabecalhoPagina(p.numero);
        y = topo;
        if (titulosNoTopo) {
            Banda t = bandaTitulos(m_textoTitulos);
            t.topo = y;
            y += t.altura;
            p.bandas.append(t);
        }
        r.append(p);
        colocadas = 0;
    };
    const QList<Banda> todas = bandas();
    qsizetype ultimoDetalhe = -1;
    for (qsizetype i = 0; i < todas.size(); ++i)
        if (todas[i].tipo == TipoBanda::Detalhe)
            ultimoDetalhe = i;
    novaPagina();
    QString grupoAberto;
    for (int i = 0; i < todas.size(); ++i) {
        Banda b = todas[i];
        // Marked titles head the pages that still have lines to come.
        if (m_titulosMarcados && i > ultimoDetalhe)
            titulosNoTopo = false;
        double precisa = b.altura;
        // A group caption and the title band stay with their first line.
        if ((b.tipo == TipoBanda::CabecalhoGrupo || b.tipo == TipoBanda::TitulosColunas) && i + 1 < todas.size())
            precisa += todas[i + 1].altura;
        // Something always goes on a page, however small the paper.
        if (y + precisa > limite && colocadas > 0) {
            novaPagina();
            // A group that goes on over the break shows its caption again.
            if (!grupoAberto.isEmpty() && b.tipo != TipoBanda::CabecalhoGrupo) {
                Banda c = banda(TipoBanda::CabecalhoGrupo, grupoAberto + kContinuacao);
                c.topo = y;
                y += c.altura;
                r.last().bandas.append(c);
            }
        }
        if (b.tipo == TipoBanda::CabecalhoGrupo)
            grupoAberto = b.texto;
        else if (b.tipo == TipoBanda::TotalGrupo || b.tipo == TipoBanda::TotalGeral)
            grupoAberto.clear();
        else if (b.tipo == TipoBanda::TitulosColunas)
            titulosNoTopo = true;
        b.topo = y;
        y += b.altura;
        r.last().bandas.append(b);
        ++colocadas;
    }
    return r;
}
