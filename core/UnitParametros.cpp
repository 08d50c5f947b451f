#include "core/UnitParametros.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/TelaEdicao.h"
#include "base/Telas.h"
#include "base/UnitLog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

using namespace ParametrosRegras;

TFrmParametros *FrmParametros = nullptr;

std::function<void(TFrmParametros &)> TFrmParametros::acaoCarregarDados;
std::function<void(TFrmParametros &)> TFrmParametros::acaoCriarPagina;

void abrirParametros() { Telas::abrir<TFrmParametros>(FrmParametros); }

namespace {

QColor qcor(quint32 bgr)
{
    const quint32 v = corParaRgb(bgr);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

QIcon amostra(quint32 bgr)
{
    QPixmap p(16, 12);
    p.fill(qcor(bgr));
    QPainter g(&p);
    g.setPen(Qt::black);
    g.drawRect(0, 0, p.width() - 1, p.height() - 1);
    return QIcon(p);
}

// A masked edit's text as shown, blanks and mask characters included.
QString textoEdit(const QLineEdit *e) { return e->inputMask().isEmpty() ? e->text() : e->displayText(); }

const QString kFiltroLogo = QStringLiteral("Imagens Para Logotipo (*.jpg *.bmp)");

} // namespace

// ---------------------------------------------------------------- TCaixaCor

TCaixaCor::TCaixaCor(QWidget *parent)
    : QComboBox(parent)
{
    addItem(QStringLiteral("Personalizada..."));
    for (const CorNomeada &c : coresNomeadas())
        if (!c.descricao.isEmpty())
            addItem(amostra(c.valor), c.descricao, QVariant::fromValue<uint>(c.valor));
    connect(this, &QComboBox::activated, this, &TCaixaCor::itemEscolhido);
    definirCor(kCorPadraoPesquisa);
}

void TCaixaCor::definirCor(quint32 cor)
{
    for (int i = 1; i < count(); ++i)
        if (itemData(i).toUInt() == cor) {
            setCurrentIndex(i);
            return;
        }
    definirPersonalizada(cor);
    setCurrentIndex(0);
}

quint32 TCaixaCor::cor() const
{
    const QVariant v = currentData();
    return v.isValid() ? v.toUInt() : kCorPadraoPesquisa;
}

void TCaixaCor::definirPersonalizada(quint32 cor)
{
    setItemData(0, QVariant::fromValue<uint>(cor));
    setItemIcon(0, amostra(cor));
}

void TCaixaCor::itemEscolhido(int indice)
{
    if (indice != 0)
        return;
    const QVariant atual = itemData(0);
    const QColor c = Telas::escolherCor(this, qcor(atual.isValid() ? atual.toUInt() : kCorPadraoPesquisa),
                                        QStringLiteral("Cor Personalizada"));
    if (c.isValid())
        definirPersonalizada(quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16));
}

// ---------------------------------------------------------------- TFrmParametros

TFrmParametros::TFrmParametros(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Parâmetros"));
    setModal(true);
    montar();

    // Enter moves on and the focused input turns navy. The file-name edits
    // take the colours without the accent step (a path is kept as typed), so
    // the shared filter is taken off them and this screen handles them.
    const QObjectList antes = children();
    instalarComportamentoEdicao(this, {});
    for (QObject *o : children())
        if (!antes.contains(o) && !o->isWidgetType())
            for (QLineEdit *e : {edtLogo, edtImagemLogoPesquisa})
                e->removeEventFilter(o);
    for (QLineEdit *e : {edtLogo, edtImagemLogoPesquisa, edtFone1, edtFone2, edtFax})
        e->installEventFilter(this);

    connect(btnAtualizar, &QPushButton::clicked, this, &TFrmParametros::btnAtualizarClick);
    connect(btnFechar, &QPushButton::clicked, this, &TFrmParametros::btnFecharClick);
    connect(btnCarregarDados, &QPushButton::clicked, this, &TFrmParametros::btnCarregarDadosClick);
    connect(btnCriarPagina, &QPushButton::clicked, this, &TFrmParametros::btnCriarPaginaClick);
    connect(edtPercentualPolitica, &QLineEdit::textChanged, this, &TFrmParametros::edtPercentualPoliticaChange);
    btnCarregarDados->setEnabled(bool(acaoCarregarDados));
    btnCriarPagina->setEnabled(bool(acaoCriarPagina));
}

void TFrmParametros::montar()
{
    auto *fundo = new QVBoxLayout(this);
    auto *moldura = new QFrame;
    moldura->setFrameShape(QFrame::Box);
    fundo->setContentsMargins(0, 0, 0, 0);
    fundo->addWidget(moldura);
    auto *geral = new QVBoxLayout(moldura);
    pcParametros = new QTabWidget;
    geral->addWidget(pcParametros);

    // Each tab is a page in a scroll area: the longer pages scroll inside the
    // screen instead of stretching it beyond a small monitor. The first six
    // pages carry the main window's header picture.
    auto pagina = [&](const QString &aba, const QString &titulo) {
        auto *w = new QWidget;
        auto *v = new QVBoxLayout(w);
        if (pcParametros->count() < 6) {
            auto *figura = new QLabel;
            figura->setObjectName(QStringLiteral("imgCabecalho"));
            figura->setFixedHeight(40);
            figura->setMinimumWidth(1);
            figura->setScaledContents(true);
            m_cabecalhos.append(figura);
            v->addWidget(figura);
        }
        auto *t = new QLabel(titulo);
        QFont f = t->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.3);
        t->setFont(f);
        v->addWidget(t);
        auto *rolagem = new QScrollArea;
        rolagem->setWidgetResizable(true);
        rolagem->setFrameShape(QFrame::NoFrame);
        rolagem->setWidget(w);
        pcParametros->addTab(rolagem, aba);
        return v;
    };
    auto grupo = [&](QBoxLayout *onde, const QString &titulo) {
        auto *g = new QGroupBox(titulo);
        onde->addWidget(g);
        return g;
    };
    auto edit = [&](const QString &col) {
        const Campo *c = campo(col);
        auto *e = new QLineEdit;
        // Characters counted as the column counts them (an accented letter
        // or an emoji is one).
        limitarCaracteres(e, c->largura);
        if (c->tipo == Tipo::Senha)
            e->setEchoMode(QLineEdit::Password);
        // Numbers and codes of a few characters get an edit of their size.
        if (c->tipo == Tipo::Inteiro || c->tipo == Tipo::DiaFolha || c->tipo == Tipo::Pagina
            || c->tipo == Tipo::Percentual || c->largura <= 2)
            e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QString(qMax(c->largura, 4) + 2, u'0')) + 12);
        m_controles.insert(col, e);
        return e;
    };
    auto linha = [&](QFormLayout *f, const QString &col) {
        auto *e = edit(col);
        f->addRow(campo(col)->rotulo, e);
        return e;
    };
    auto caixa = [&](QBoxLayout *onde, const QString &col) {
        auto *c = new QCheckBox(campo(col)->rotulo);
        onde->addWidget(c);
        m_controles.insert(col, c);
        return c;
    };
    auto hora = [&](const QString &col) {
        auto *t = new QTimeEdit;
        t->setDisplayFormat(QStringLiteral("HH:mm:ss"));
        t->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        m_controles.insert(col, t);
        return t;
    };
    auto linhaHora = [&](QFormLayout *f, const QString &col) { f->addRow(campo(col)->rotulo, hora(col)); };
    // The weekdays of a policy: a check list in two columns, Monday to
    // Thursday on the left.
    auto listaDias = [&](QBoxLayout *onde, const QStringList &cols) {
        auto *w = new QWidget;
        auto *g = new QGridLayout(w);
        g->setContentsMargins(0, 0, 0, 0);
        for (int i = 0; i < cols.size(); ++i) {
            auto *c = new QCheckBox(campo(cols[i])->rotulo);
            m_controles.insert(cols[i], c);
            g->addWidget(c, i % 4, i / 4);
        }
        onde->addWidget(w);
        return w;
    };
    auto arquivo = [&](QFormLayout *f, const QString &col) {
        auto *e = edit(col);
        auto *w = new QWidget;
        montarArquivo(e, w);
        f->addRow(campo(col)->rotulo, w);
        return e;
    };
    const auto dias = [](const QString &prefixo) {
        QStringList r;
        for (const char *d : {"SEGUNDA", "TERCA", "QUARTA", "QUINTA", "SEXTA", "SABADO", "DOMINGO"})
            r << prefixo + QLatin1String(d);
        return r;
    };

    // Company data: filled from the company data file, only the web site and
    // the logo are typed.
    {
        auto *v = pagina(QStringLiteral("Empresariais"), QStringLiteral("Parâmetros Empresariais"));
        auto *f = new QFormLayout;
        v->addLayout(f);
        linha(f, QStringLiteral("RAZAO_SOCIAL"));
        linha(f, QStringLiteral("NOME_FANTASIA"));
        edtCNPJ = linha(f, QStringLiteral("CNPJ"));
        edtCNPJ->setInputMask(kMascaraCnpj);
        linha(f, QStringLiteral("ENDERECO"));
        linha(f, QStringLiteral("CIDADE"));
        linha(f, QStringLiteral("UF"));
        edtFone1 = linha(f, QStringLiteral("FONE1"));
        edtFone2 = linha(f, QStringLiteral("FONE2"));
        edtFax = linha(f, QStringLiteral("FAX"));
        linha(f, QStringLiteral("HOMEPAGE"));
        linha(f, QStringLiteral("EMAIL"));
        edtLogo = arquivo(f, QStringLiteral("LOGO"));
        for (const char *col : {"RAZAO_SOCIAL", "NOME_FANTASIA", "CNPJ", "ENDERECO", "CIDADE", "UF", "FONE1", "FONE2",
                                "FAX", "EMAIL"})
            m_controles.value(QLatin1String(col))->setEnabled(false);
        btnCarregarDados = new QPushButton(QStringLiteral("Carregar Dados"));
        auto *h = new QHBoxLayout;
        h->addStretch();
        h->addWidget(btnCarregarDados);
        v->addLayout(h);
        v->addStretch();
    }
    {
        auto *v = pagina(QStringLiteral("Opcionais"), QStringLiteral("Parâmetros Opcionais"));
        for (const char *col : {"VERIF_AUTO", "VERIF_CPF_CNPJ", "UTILIZA_GAVETA", "VERIF_IE", "PONTO_DEFINIDO",
                                "ACENTOS", "FECHAR_CAIXA_OUTRO_PC", "DIARIA_CENTRAL_UH", "CPFFONESEMFORMATO",
                                "CLIENTE_TODOS_CAMPOS", "FONE_SEM_FORMATO"})
            caixa(v, QLatin1String(col));
        v->addStretch();
    }
    {
        auto *v = pagina(QStringLiteral("Impressão"), QStringLiteral("Parâmetros de Impressão"));
        caixa(v, QStringLiteral("LOGORELLARGO"));
        caixa(v, QStringLiteral("UTILIZA_CUPOM"));
        auto *g = grupo(v, QStringLiteral(" Configuração da Página de Impressão "));
        auto *h = new QHBoxLayout(g);
        h->addWidget(new QLabel(QStringLiteral("Largura")));
        h->addWidget(edit(QStringLiteral("IMPRESSAOLARGURA")));
        h->addWidget(new QLabel(QStringLiteral("mm   X   Comprimento")));
        h->addWidget(edit(QStringLiteral("IMPRESSAOCOMPRIMENTO")));
        h->addWidget(new QLabel(QStringLiteral("mm")));
        caixa(v, QStringLiteral("UTILIZA_FISCAL"));
        caixa(v, QStringLiteral("COMPROVANTE_PEQ"));
        v->addStretch();
    }
    {
        auto *v = pagina(QStringLiteral("Configurações"), QStringLiteral("Configurações"));
        auto *g = grupo(v, QStringLiteral("   Data de Cálculo de Folha de Pagamento Mensal   "));
        auto *h = new QHBoxLayout(g);
        h->addWidget(new QLabel(QStringLiteral("Todo dia")));
        h->addWidget(edit(QStringLiteral("DATAFOLHAPAG")));
        h->addWidget(new QLabel(QStringLiteral("de cada Mês")));
        h->addStretch();
        caixa(v, QStringLiteral("ALTERA_DIARIA"));
        g = grupo(v, QStringLiteral("   Limite de Desconto para Funcionários   "));
        h = new QHBoxLayout(g);
        auto *desconto = edit(QStringLiteral("LIMITE_DESCONTO"));
        desconto->setText(QStringLiteral("0,00"));
        h->addWidget(desconto);
        h->addWidget(new QLabel(QStringLiteral("%")));
        h->addStretch();
        caixa(v, QStringLiteral("DIARIA_MAIOR"));
        g = grupo(v, QStringLiteral("   Tempo Limite para Excluir Entradas   "));
        h = new QHBoxLayout(g);
        h->addWidget(hora(QStringLiteral("TEMPO_EXCLUIR")));
        h->addStretch();
        caixa(v, QStringLiteral("FOTO_PONTO"));
        g = grupo(v, QStringLiteral("   Tempo de Tolerância de Marcação de Ponto"));
        auto *f = new QFormLayout(g);
        linhaHora(f, QStringLiteral("TOLERANCIA_PONTO"));
        linhaHora(f, QStringLiteral("TOLERANCIA_ATRASO"));
        caixa(v, QStringLiteral("PERMITIR_MARCACAO_MANUAL"));
        caixa(v, QStringLiteral("TRAVAR_HOSPEDES"));
        g = grupo(v, QStringLiteral("   Total de Leitos   "));
        h = new QHBoxLayout(g);
        auto *leitos = edit(QStringLiteral("LEITOS"));
        leitos->setText(QStringLiteral("0"));
        h->addWidget(leitos);
        h->addStretch();
        v->addStretch();
    }
    {
        auto *v = pagina(QStringLiteral("Aparência"), QStringLiteral("Aparência"));
        auto *f = new QFormLayout;
        v->addLayout(f);
        cbModeloImg = new QComboBox;
        cbModeloImg->addItems(
            {QStringLiteral("Escolha o Modelo"), QStringLiteral("Modelo Padrão"), QStringLiteral("Modelo Exclusivo")});
        m_controles.insert(QStringLiteral("MODELO_IMG"), cbModeloImg);
        f->addRow(campo(QStringLiteral("MODELO_IMG"))->rotulo, cbModeloImg);
        caixa(v, QStringLiteral("CALENDARIO"));
        caixa(v, QStringLiteral("LOGO_PRINCIPAL"));
        v->addStretch();
    }
    {
        auto *v = pagina(QStringLiteral("Políticas"), QStringLiteral("Políticas"));
        auto *politica = grupo(v, QStringLiteral("   Política de Ocupação de UH's   "));
        auto *pv = new QVBoxLayout(politica);
        auto *g = grupo(pv, QStringLiteral("   Período da Validade   "));
        auto *f = new QFormLayout(g);
        linhaHora(f, QStringLiteral("INICIO_POLITICA"));
        linhaHora(f, QStringLiteral("TERMINO_POLITICA"));
        g = grupo(pv, QStringLiteral("   Dias da Semana Válidos   "));
        clbPolitica = listaDias(new QVBoxLayout(g), dias(QStringLiteral("POLITICA_")));
        g = grupo(pv, QStringLiteral("   Percentagens   "));
        auto *h = new QHBoxLayout(g);
        h->addWidget(new QLabel(campo(QStringLiteral("PERCENTUAL_POLITICA_INDIVIDUAL"))->rotulo));
        edtPercentualPolitica = edit(QStringLiteral("PERCENTUAL_POLITICA_INDIVIDUAL"));
        edtPercentualPolitica->setText(QStringLiteral("0,00"));
        h->addWidget(edtPercentualPolitica);
        lblOcupacao = new QLabel(QStringLiteral("% (0 UH's)"));
        h->addWidget(lblOcupacao);
        h->addStretch();
        g = grupo(v, QStringLiteral("   Tempo Limite para Corrigir Formas de Pagamento   "));
        h = new QHBoxLayout(g);
        h->addWidget(hora(QStringLiteral("TEMPO_ALTERAR_FORMA")));
        h->addStretch();
        v->addStretch();
    }
    {
        auto *v = pagina(QStringLiteral("Alíquotas Fiscais"), QStringLiteral("Alíquotas Fiscais"));
        auto *g = grupo(v, QStringLiteral("   Alíquota para Diárias   "));
        auto *h = new QHBoxLayout(g);
        h->addWidget(edit(QStringLiteral("ALIQUOTADIARIA")));
        h->addStretch();
        caixa(v, QStringLiteral("AGRUPARCONSUMOFISCAL"));
        v->addStretch();
    }
    {
        auto *v = pagina(QStringLiteral("Pesquisa de Satisfação"), QStringLiteral("Pesquisa de Satisfação"));
        auto *f = new QFormLayout;
        v->addLayout(f);
        linha(f, QStringLiteral("HOST"));
        linha(f, QStringLiteral("HOST_USU"));
        linha(f, QStringLiteral("HOST_SENHA"));
        cbCor1 = new TCaixaCor;
        cbCor2 = new TCaixaCor;
        m_controles.insert(QStringLiteral("COR1"), cbCor1);
        m_controles.insert(QStringLiteral("COR2"), cbCor2);
        f->addRow(campo(QStringLiteral("COR1"))->rotulo, cbCor1);
        f->addRow(campo(QStringLiteral("COR2"))->rotulo, cbCor2);
        linha(f, QStringLiteral("TEXTO_APRESENTACAO"));
        linha(f, QStringLiteral("EMAIL_USU"));
        linha(f, QStringLiteral("EMAIL_SENHA"));
        edtImagemLogoPesquisa = arquivo(f, QStringLiteral("IMAGEM_LOGO_PESQUISA"));
        linha(f, QStringLiteral("LINK_RODAPE"));
        linha(f, QStringLiteral("TEXTO_RODAPE"));
        linha(f, QStringLiteral("NOME_BD"));
        linha(f, QStringLiteral("USUARIO_BD"));
        linha(f, QStringLiteral("SENHA_BD"));
        linha(f, QStringLiteral("TEXTO_EMAIL"));
        btnCriarPagina = new QPushButton(QStringLiteral("Criar / Atualizar Página"));
        auto *h = new QHBoxLayout;
        h->addStretch();
        h->addWidget(btnCriarPagina);
        v->addLayout(h);
        v->addStretch();
    }
    {
        auto *v = pagina(QStringLiteral("Motel"), QStringLiteral("Motel"));
        caixa(v, QStringLiteral("MODO_MOTEL"));
        auto *g = grupo(v, QStringLiteral("   Período da Pernoite   "));
        auto *f = new QFormLayout(g);
        linhaHora(f, QStringLiteral("INICIO_PERNOITE"));
        linhaHora(f, QStringLiteral("TERMINO_PERNOITE"));
        linhaHora(f, QStringLiteral("DESCONSIDERAR_PERNOITE"));
        g = grupo(v, QStringLiteral("   Dias da Semana Para Pernoite   "));
        clbPernoite = listaDias(new QVBoxLayout(g), dias(QStringLiteral("PERNOITE_")));
        g = grupo(v, QStringLiteral("   Configurações de Cobrança   "));
        f = new QFormLayout(g);
        linhaHora(f, QStringLiteral("TEMPO_INICIAL"));
        linhaHora(f, QStringLiteral("EXCEDENTE_CADA"));
        linhaHora(f, QStringLiteral("TOLERANCIA_SAIDA"));
        caixa(v, QStringLiteral("MODO_TOUCH"));
        caixa(v, QStringLiteral("APENAS_ESPECIE"));
        caixa(v, QStringLiteral("NAO_DESPESA_AVULSA"));
        v->addStretch();
    }
    {
        auto *v = pagina(QStringLiteral("Restaurante"), QStringLiteral("Restaurante"));
        v->addStretch();
    }
    {
        auto *v = pagina(QStringLiteral("Integração"), QStringLiteral("Integração"));
        caixa(v, QStringLiteral("NFCE"));
        caixa(v, QStringLiteral("ZENTROCONTROLE"));
        caixa(v, QStringLiteral("NFCE_AP_PROD"));
        v->addStretch();
    }
    pcParametros->setCurrentIndex(0);

    btnAtualizar = new QPushButton(QStringLiteral("Atualizar"));
    btnFechar = new QPushButton(QStringLiteral("Fechar"));
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnAtualizar);
    botoes->addWidget(btnFechar);
    geral->addLayout(botoes);
    // Enter moves between fields; it never saves by itself.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);
    ajustarTamanho();
}

void TFrmParametros::ajustarTamanho()
{
    // At least the screen's designed size; wide enough for the widest page
    // (no sideways scrolling) and as tall as the tallest page where the
    // monitor allows it, within kLarguraMaxima x kAlturaMaxima.
    int largura = 0;
    int altura = 0;
    for (int i = 0; i < pcParametros->count(); ++i)
        if (auto *r = qobject_cast<QScrollArea *>(pcParametros->widget(i)); r && r->widget()) {
            const QSize s = r->widget()->sizeHint();
            largura = qMax(largura, s.width() + r->verticalScrollBar()->sizeHint().width());
            altura = qMax(altura, s.height());
        }
    const QSize resto = sizeHint() - pcParametros->currentWidget()->sizeHint();
    QSize alvo(qMax(533, largura + resto.width()), qMax(479, altura + resto.height()));
    QSize limite(kLarguraMaxima, kAlturaMaxima);
    if (const QScreen *tela = screen())
        limite = limite.boundedTo(tela->availableSize());
    resize(alvo.boundedTo(limite).expandedTo(minimumSizeHint().boundedTo(limite)));
}

void TFrmParametros::montarArquivo(QLineEdit *edit, QWidget *linha)
{
    auto *h = new QHBoxLayout(linha);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(edit);
    auto *b = new QToolButton;
    b->setText(QStringLiteral("..."));
    b->setFocusPolicy(Qt::NoFocus);
    h->addWidget(b);
    connect(b, &QToolButton::clicked, this, [this, edit] {
        const QString f = Telas::escolherArquivo(this, QStringLiteral("Abrir"), edit->text(), kFiltroLogo);
        if (!f.isEmpty())
            edit->setText(f);
    });
}

bool TFrmParametros::marcado(const QString &colunaFlag) const
{
    auto *c = qobject_cast<QCheckBox *>(controle(colunaFlag));
    return c && c->isChecked();
}

void TFrmParametros::marcar(const QString &colunaFlag, bool sim)
{
    if (auto *c = qobject_cast<QCheckBox *>(controle(colunaFlag)))
        c->setChecked(sim);
}

void TFrmParametros::carregar()
{
    m_registro = DM->Conexao.ler(QStringLiteral("SELECT * FROM PARAMETROS"));
    preencher(textosDoRegistro(m_registro));
}

void TFrmParametros::preencher(const TextosTela &textos)
{
    for (const Campo &c : campos()) {
        const auto it = textos.constFind(c.coluna);
        if (it == textos.constEnd())
            continue;
        const QString &t = *it;
        switch (c.tipo) {
        case Tipo::Flag:
            marcar(c.coluna, flagMarcada(t));
            break;
        case Tipo::Hora:
            static_cast<QTimeEdit *>(controle(c.coluna))->setTime(QTime::fromString(t, QStringLiteral("HH:mm:ss")));
            break;
        case Tipo::Modelo:
            cbModeloImg->setCurrentIndex(t.isEmpty() ? -1 : t.toInt());
            break;
        case Tipo::Cor:
            // A text that is no colour leaves its box as it is.
            if (const auto cor = textoParaCor(t))
                static_cast<TCaixaCor *>(controle(c.coluna))->definirCor(*cor);
            break;
        default: {
            auto *e = static_cast<QLineEdit *>(controle(c.coluna));
            // What is stored is shown whole, even beyond what the edit lets
            // one type; saving then says what is wrong with it.
            if (e->inputMask().isEmpty() && t.size() > e->maxLength())
                e->setMaxLength(int(t.size()));
            e->setText(t);
            break;
        }
        }
    }
}

TextosTela TFrmParametros::textosDaTela() const
{
    TextosTela t;
    for (const Campo &c : campos()) {
        switch (c.tipo) {
        case Tipo::Flag:
            t.insert(c.coluna, textoFlag(marcado(c.coluna)));
            break;
        case Tipo::Hora:
            t.insert(c.coluna,
                     static_cast<QTimeEdit *>(controle(c.coluna))->time().toString(QStringLiteral("HH:mm:ss")));
            break;
        case Tipo::Modelo:
            t.insert(c.coluna, cbModeloImg->currentIndex() < 0 ? QString()
                                                               : QString::number(cbModeloImg->currentIndex()));
            break;
        case Tipo::Cor:
            t.insert(c.coluna, static_cast<TCaixaCor *>(controle(c.coluna))->texto());
            break;
        default:
            t.insert(c.coluna, textoEdit(static_cast<QLineEdit *>(controle(c.coluna))));
            break;
        }
    }
    return t;
}

void TFrmParametros::focarColuna(const QString &coluna)
{
    QWidget *w = controle(coluna);
    if (!w)
        return;
    for (int i = 0; i < pcParametros->count(); ++i)
        if (pcParametros->widget(i)->isAncestorOf(w)) {
            pcParametros->setCurrentIndex(i);
            if (auto *r = qobject_cast<QScrollArea *>(pcParametros->widget(i)))
                r->ensureWidgetVisible(w);
        }
    w->setFocus(Qt::OtherFocusReason);
}

void TFrmParametros::btnAtualizarClick()
{
    if (const auto recusa = gravar(DM->Conexao, textosDaTela(), m_registro)) {
        Mensagem::aviso(recusa->mensagem);
        focarColuna(recusa->coluna);
        return;
    }
    Mensagem::info(QStringLiteral("Parâmetros Atualizados com Sucesso!"));
    accept();
    // Every screen opened from now on reads the new settings.
    tParametros().recarregar();
}

void TFrmParametros::btnFecharClick() { reject(); }

void TFrmParametros::btnCarregarDadosClick()
{
    if (acaoCarregarDados)
        acaoCarregarDados(*this);
}

void TFrmParametros::btnCriarPaginaClick()
{
    if (acaoCriarPagina)
        acaoCriarPagina(*this);
}

void TFrmParametros::edtPercentualPoliticaChange()
{
    lblOcupacao->setText(previsaoOcupacao(edtPercentualPolitica->text(), contarUhsAtivas(DM->Conexao)));
}

void TFrmParametros::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) {
        const QPixmap cabecalho = imagemPadrao();
        for (QLabel *l : m_cabecalhos)
            l->setPixmap(cabecalho);
        carregar();
    }
}

bool TFrmParametros::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate && DM)
        AcaoAtual(QStringLiteral("Parâmetros"));
    return QDialog::event(e);
}

bool TFrmParametros::eventFilter(QObject *o, QEvent *e)
{
    auto *edit = qobject_cast<QLineEdit *>(o);
    if (!edit)
        return QDialog::eventFilter(o, e);
    const bool ehArquivo = edit == edtLogo || edit == edtImagemLogoPesquisa;
    switch (e->type()) {
    case QEvent::FocusIn:
        if (ehArquivo) {
            ColorirControle(edit, true);
        } else if (edit->inputMask().isEmpty()) {
            // An empty phone takes the phone mask unless phones go unformatted.
            const QString mascara =
                mascaraFoneAoEntrar(edit->text(), tParametros().sim(QStringLiteral("FONE_SEM_FORMATO")));
            if (!mascara.isEmpty())
                edit->setInputMask(mascara);
        }
        break;
    case QEvent::FocusOut:
        if (ehArquivo) {
            ColorirControle(edit, false);
            const QString t = tirarAspasCaminho(edit->text());
            if (t != edit->text())
                edit->setText(t);
        }
        break;
    case QEvent::KeyPress:
        if (ehArquivo) {
            auto *k = static_cast<QKeyEvent *>(e);
            if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && k->modifiers() == Qt::NoModifier) {
                focusNextChild();
                return true;
            }
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(o, e);
}
