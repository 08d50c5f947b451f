#include "rooms/UnitUH.h"
#include "base/CabecalhoTela.h"
#include "base/Grade.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/TelaEdicao.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "core/UnitBatePapo.h"
#include "core/UnitLembretes.h"
#include "base/Janela.h"
#include "core/UnitSMS.h"
#include "rooms/EstadoUH.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

TFrmUH *FrmUH = nullptr;

using namespace EstadoUH;

namespace MapaUH {

const char *const kTitulo = "Central de Unidades Habitacionais";
const char *const kNenhumFuncionario = "N E N H U M   F U N C I O N Á R I O";
const char *const kMsgMotivo = "Informe o Motivo da Manutenção!";
const char *const kMsgFuncionarioInvalido = "Funcionário Responsável Inválido!";
const char *const kMsgResponsavelInvalido = "Responsável Inválido!";
const char *const kMsgNaoLivre = "Não é permitido excluir UH que não esteja livre!";
const char *const kMsgSemCliente = "Impossível Realizar Entrada de Hóspede Expressa sem Selecioná-lo!";
const char *const kMsgIrPara = "Para utilizar essa função, esteja na aba todas as UHs e no Filtro Todos os Tipos";

Ganchos &ganchos()
{
    static Ganchos g;
    return g;
}

QString textoSituacao(const QString &s)
{
    if (s == Livre)
        return QStringLiteral("Livre");
    if (s == Ocupada)
        return QStringLiteral("Ocupada");
    if (s == Manutencao)
        return QStringLiteral("Em Manutenção");
    if (s == Reservada)
        return QStringLiteral("Reserva");
    return {};
}

QColor corLegenda(const QString &s)
{
    if (s == Livre)
        return corBGR(0x9FFF9F);
    if (s == Ocupada)
        return corBGR(0x2222FF);
    if (s == Manutencao)
        return corBGR(0xA4FFF3);
    if (s == Reservada)
        return corBGR(0xFF8080);
    return corBGR(Cores::Branco);
}

QColor corCartao(const QString &s)
{
    if (s == Livre)
        return corBGR(0x93FF93);
    return corLegenda(s);
}

QColor corTextoCartao(const QString &s)
{
    return (s == Ocupada || s == Reservada) ? corBGR(Cores::Branco) : corBGR(Cores::Preto);
}

namespace {

// A room number as a number; nullopt when it is not all digits.
std::optional<qint64> numeroInteiro(const QString &numero)
{
    const QString t = numero.trimmed();
    if (t.isEmpty() || t.size() > 18)
        return std::nullopt;
    for (QChar c : t)
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
    return t.toLongLong();
}

QString colunaPesquisa(Campo c)
{
    switch (c) {
    case Campo::Codigo:
        return QStringLiteral("UH.ID_UH");
    case Campo::Numero:
        return QStringLiteral("UH.NUMERO");
    case Campo::Descricao:
        return QStringLiteral("UH.DESCRICAO");
    case Campo::Tipo:
        return QStringLiteral("UH.ID_TIPO_UH");
    case Campo::Ramal:
        return QStringLiteral("UH.RAMAL");
    }
    return QStringLiteral("UH.ID_UH");
}

} // namespace

bool antesPorNumero(const Quarto &a, const Quarto &b)
{
    const auto na = numeroInteiro(a.numero);
    const auto nb = numeroInteiro(b.numero);
    if (na && nb) {
        if (*na != *nb)
            return *na < *nb;
        return a.idUH < b.idUH;
    }
    if (na != std::nullopt || nb != std::nullopt)
        return bool(na); // numbers first
    if (a.numero != b.numero)
        return a.numero < b.numero;
    return a.idUH < b.idUH;
}

QHash<qint64, ReservaDia> lerReservasHoje(const QDate &hoje)
{
    QHash<qint64, ReservaDia> r;
    const QList<Linha> dias = DM->Conexao.lerTodas(
        QStringLiteral("SELECT RUH.ID_UH, RUH.ID_RESERVA, R.ID_CLIENTE, C.NOME FROM RESERVA_UH RUH "
                       "JOIN RESERVA R ON R.ID_RESERVA = RUH.ID_RESERVA "
                       "LEFT JOIN CLIENTE C ON C.ID_CLIENTE = R.ID_CLIENTE "
                       "WHERE RUH.DATA_ENTRADA = ? AND R.EXCLUIDO = 'N' AND R.CONFIRMADA = 'N' "
                       "ORDER BY RUH.ID_RESERVA"),
        {hoje});
    for (const Linha &d : dias) {
        const qint64 uh = d.inteiro(QStringLiteral("ID_UH"));
        if (!r.contains(uh))
            r.insert(uh, {d.inteiro(QStringLiteral("ID_RESERVA")), d.inteiro(QStringLiteral("ID_CLIENTE")),
                          d.texto(QStringLiteral("NOME"))});
    }
    return r;
}

Carga carregar(const QDate &hoje, Ordem ordem, const std::optional<Pesquisa> &pesquisa)
{
    Carga c;
    QString sql = QStringLiteral(
        "SELECT UH.ID_UH, UH.ID_TIPO_UH, UH.DESCRICAO AS DESC_UH, UH.NUMERO, UH.RAMAL, T.DESCRICAO AS DESC_TIPO, "
        "UH.SITUACAO, UH.EXCLUIDO, UH.MANUTENCAO, UH.AUDITORIO FROM UH "
        "LEFT JOIN TIPO_UH T ON T.ID_TIPO_UH = UH.ID_TIPO_UH WHERE UH.EXCLUIDO = 'N'");
    Valores v;
    if (pesquisa) {
        sql += QStringLiteral(" AND CAST(") + colunaPesquisa(pesquisa->campo)
            + QStringLiteral(" AS VARCHAR(40)) LIKE CAST(? AS VARCHAR(200))");
        v.append(QLatin1Char('%') + pesquisa->texto + QLatin1Char('%'));
    }
    switch (ordem) {
    case Ordem::Numero:
        sql += QStringLiteral(" ORDER BY UH.ID_UH"); // then by number, below
        break;
    case Ordem::Descricao:
        sql += QStringLiteral(" ORDER BY UH.DESCRICAO, UH.ID_UH");
        break;
    case Ordem::Tipo:
        sql += QStringLiteral(" ORDER BY T.DESCRICAO, UH.DESCRICAO, UH.ID_UH");
        break;
    }
    const QList<Linha> quartos = DM->Conexao.lerTodas(sql, v);

    // The open stays: the first one found for a room is used.
    struct Estadia {
        qint64 id = 0;
        QString nome;
        Dinheiro diaria;
        QDate data;
        QTime hora;
    };
    QHash<qint64, Estadia> estadias;
    const QList<Linha> abertas = DM->Conexao.lerTodas(QStringLiteral(
        "SELECT W.ID_WALK_IN, W.ID_UH, C.NOME, W.VALOR_DIARIA, W.DATA_ENTRADA, W.HORA_ENTRADA FROM WALK_IN W "
        "LEFT JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE WHERE W.EXCLUIDO = 'N' AND W.BAIXA = 'N' "
        "ORDER BY W.ID_WALK_IN"));
    for (const Linha &w : abertas) {
        const qint64 uh = w.inteiro(QStringLiteral("ID_UH"));
        if (!estadias.contains(uh))
            estadias.insert(uh, {w.inteiro(QStringLiteral("ID_WALK_IN")), w.texto(QStringLiteral("NOME")),
                                 w.dinheiro(QStringLiteral("VALOR_DIARIA")), w.data(QStringLiteral("DATA_ENTRADA")),
                                 w.hora(QStringLiteral("HORA_ENTRADA"))});
    }
    c.reservasHoje = lerReservasHoje(hoje);
    c.consultas = 3;

    c.quartos.reserve(quartos.size());
    for (const Linha &l : quartos) {
        Quarto q;
        q.idUH = l.inteiro(QStringLiteral("ID_UH"));
        q.idTipoUH = l.inteiro(QStringLiteral("ID_TIPO_UH"));
        q.descUH = l.texto(QStringLiteral("DESC_UH"));
        q.numero = l.texto(QStringLiteral("NUMERO")).trimmed();
        q.ramal = l.texto(QStringLiteral("RAMAL"));
        q.descTipo = l.texto(QStringLiteral("DESC_TIPO"));
        q.situacao = l.texto(QStringLiteral("SITUACAO"));
        q.excluido = l.texto(QStringLiteral("EXCLUIDO"));
        q.manutencao = l.texto(QStringLiteral("MANUTENCAO"));
        q.auditorio = l.texto(QStringLiteral("AUDITORIO"));
        q.disp = textoSituacao(q.situacao);
        q.descQuarto = q.descTipo;
        q.descramal = QStringLiteral("Ramal ") + q.ramal;
        if (q.situacao == Ocupada) {
            const auto e = estadias.constFind(q.idUH);
            if (e != estadias.cend()) {
                q.entrada = e->id;
                q.cliente = QStringLiteral("(") + QString::number(e->id) + QStringLiteral(") ") + e->nome;
                q.entradaMotel = QStringLiteral("Entrada: ") + QString::number(e->id);
                q.dataHoraEnt = e->data.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ')
                    + e->hora.toString(QStringLiteral("HH:mm:ss"));
                q.diaria = e->diaria;
            }
        } else if (q.situacao == Reservada) {
            const auto r = c.reservasHoje.constFind(q.idUH);
            if (r != c.reservasHoje.cend()) {
                q.cliente = r->nome;
                q.idcliente = r->idCliente;
                q.idReserva = r->idReserva;
            }
        }
        c.quartos.append(q);
    }
    if (ordem == Ordem::Numero)
        std::stable_sort(c.quartos.begin(), c.quartos.end(), antesPorNumero);
    return c;
}

Contagem contar()
{
    const Linha l = DM->Conexao.ler(QStringLiteral(
        "SELECT SUM(CASE WHEN SITUACAO = 'L' THEN 1 ELSE 0 END) AS LIVRE, "
        "SUM(CASE WHEN SITUACAO = 'M' THEN 1 ELSE 0 END) AS LIMPEZA, "
        "SUM(CASE WHEN SITUACAO = 'O' THEN 1 ELSE 0 END) AS OCUPADA, "
        "SUM(CASE WHEN SITUACAO = 'R' THEN 1 ELSE 0 END) AS RESERVADA FROM UH WHERE EXCLUIDO = 'N'"));
    Contagem c;
    c.livre = int(l.inteiro(QStringLiteral("LIVRE")));
    c.manutencao = int(l.inteiro(QStringLiteral("LIMPEZA")));
    c.ocupada = int(l.inteiro(QStringLiteral("OCUPADA")));
    c.reservada = int(l.inteiro(QStringLiteral("RESERVADA")));
    return c;
}

Carga atualizar(const QDate &hoje, Ordem ordem, const std::optional<Pesquisa> &pesquisa)
{
    return DM->Conexao.emTransacao([&] {
        Carga c = carregar(hoje, ordem, pesquisa);
        c.contagem = contar();
        ++c.consultas;
        return c;
    });
}

} // namespace MapaUH

using namespace MapaUH;

// ---------------------------------------------------------------- model

void ModeloMapaUH::definir(QList<Quarto> quartos)
{
    beginResetModel();
    m_quartos = std::move(quartos);
    endResetModel();
}

const Quarto *ModeloMapaUH::quarto(int linha) const
{
    return linha >= 0 && linha < m_quartos.size() ? &m_quartos[linha] : nullptr;
}

int ModeloMapaUH::linhaDe(qint64 idUH) const
{
    for (int i = 0; i < m_quartos.size(); ++i)
        if (m_quartos[i].idUH == idUH)
            return i;
    return -1;
}

int ModeloMapaUH::rowCount(const QModelIndex &pai) const { return pai.isValid() ? 0 : int(m_quartos.size()); }
int ModeloMapaUH::columnCount(const QModelIndex &pai) const { return pai.isValid() ? 0 : NColunas; }

QVariant ModeloMapaUH::data(const QModelIndex &i, int papel) const
{
    const Quarto *q = quarto(i.row());
    if (!q)
        return {};
    switch (papel) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        switch (i.column()) {
        case ColUH:
            return q->numero;
        case ColDescricao:
            return q->descUH;
        case ColTipo:
            return q->descTipo;
        case ColRamal:
            return q->ramal;
        case ColDisp:
            return q->disp;
        case ColDiaria:
            return q->diaria ? q->diaria->formatado() : QString();
        case ColHospede:
            return q->cliente;
        }
        return {};
    case Qt::TextAlignmentRole:
        if (i.column() == ColDiaria)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return corLegenda(q->situacao);
    case Qt::ForegroundRole:
        return corBGR(Cores::Preto);
    case SituacaoRole:
        return q->situacao;
    case TipoRole:
        return q->idTipoUH;
    case IdRole:
        return q->idUH;
    default:
        return {};
    }
}

QVariant ModeloMapaUH::headerData(int secao, Qt::Orientation o, int papel) const
{
    if (papel != Qt::DisplayRole || o != Qt::Horizontal)
        return {};
    static const char *const titulos[NColunas] = {"UH",          "Descrição",   "Tipo",   "Ramal",
                                                  "Disponibilidade", "Diária (R$)", "Hóspede"};
    return secao >= 0 && secao < NColunas ? QString::fromUtf8(titulos[secao]) : QVariant();
}

void FiltroMapaUH::definir(const QString &situacao, qint64 idTipo)
{
    m_situacao = situacao;
    m_tipo = idTipo;
    invalidateRowsFilter();
}

bool FiltroMapaUH::filterAcceptsRow(int linha, const QModelIndex &pai) const
{
    const QModelIndex i = sourceModel()->index(linha, 0, pai);
    if (!m_situacao.isEmpty() && i.data(ModeloMapaUH::SituacaoRole).toString() != m_situacao)
        return false;
    if (m_tipo != 0 && i.data(ModeloMapaUH::TipoRole).toLongLong() != m_tipo)
        return false;
    return true;
}

// ---------------------------------------------------------------- painting

void DelegateMapaUH::initStyleOption(QStyleOptionViewItem *o, const QModelIndex &i) const
{
    QStyledItemDelegate::initStyleOption(o, i);
    const bool selecionada = o->state & (QStyle::State_Selected | QStyle::State_HasFocus);
    const QColor fundo = selecionada ? corBGR(Cores::Preto) : corLegenda(i.data(ModeloMapaUH::SituacaoRole).toString());
    const QColor texto = selecionada ? corBGR(Cores::Branco) : corBGR(Cores::Preto);
    o->backgroundBrush = fundo;
    o->palette.setColor(QPalette::Highlight, fundo);
    o->palette.setColor(QPalette::HighlightedText, texto);
    o->palette.setColor(QPalette::Text, texto);
}

QSize DelegateMapaUH::sizeHint(const QStyleOptionViewItem &o, const QModelIndex &i) const
{
    switch (m_vista) {
    case Vista::Resumo:
        return {110, 54};
    case Vista::Touch:
        return {150, 138};
    case Vista::Grade:
        break;
    }
    return QStyledItemDelegate::sizeHint(o, i);
}

void DelegateMapaUH::paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &i) const
{
    if (m_vista == Vista::Grade) {
        QStyledItemDelegate::paint(p, o, i);
        return;
    }
    const auto *modelo = qobject_cast<const QSortFilterProxyModel *>(i.model());
    const auto *fonte = modelo ? qobject_cast<const ModeloMapaUH *>(modelo->sourceModel()) : nullptr;
    const Quarto *q = fonte ? fonte->quarto(modelo->mapToSource(i).row()) : nullptr;
    if (!q)
        return;
    const bool selecionado = o.state & QStyle::State_Selected;
    const QColor fundo = selecionado ? corLegenda(q->situacao) : corCartao(q->situacao);
    const QColor texto = selecionado ? corBGR(Cores::Preto) : corTextoCartao(q->situacao);
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(o.rect).adjusted(3, 3, -3, -3);
    p->setPen(QPen(selecionado ? corBGR(Cores::Preto) : fundo.darker(140), selecionado ? 2.5 : 1));
    p->setBrush(fundo);
    p->drawRoundedRect(r, 5, 5);
    p->setPen(texto);
    QFont f = o.font;
    const QRectF area = r.adjusted(4, 2, -4, -2);
    if (m_vista == Vista::Resumo) {
        QFont grande = f;
        grande.setBold(true);
        grande.setPointSizeF(f.pointSizeF() * 1.35);
        p->setFont(grande);
        const QRectF cima(area.left(), area.top(), area.width(), area.height() * 0.58);
        p->drawText(cima, Qt::AlignCenter, q->numero);
        p->setFont(f);
        const QRectF baixo(area.left(), cima.bottom(), area.width(), area.height() - cima.height());
        p->drawText(baixo, Qt::AlignHCenter | Qt::AlignTop, q->disp);
    } else {
        QFont grande = f;
        grande.setBold(true);
        grande.setPointSizeF(f.pointSizeF() * 1.9);
        p->setFont(grande);
        const qreal hNumero = QFontMetricsF(grande).height() * 1.35;
        p->drawText(QRectF(area.left(), area.top(), area.width(), hNumero), Qt::AlignCenter, q->numero);
        p->setFont(f);
        const QFontMetricsF fm(f);
        qreal y = area.top() + hNumero;
        for (const QString &linha : {q->descQuarto, q->disp, q->descramal, q->entradaMotel, q->dataHoraEnt}) {
            p->drawText(QRectF(area.left(), y, area.width(), fm.height()), Qt::AlignHCenter | Qt::AlignVCenter,
                        fm.elidedText(linha, Qt::ElideRight, area.width()));
            y += fm.height();
        }
    }
    p->restore();
}

// ---------------------------------------------------------------- screen

namespace {

QString situacaoDaAba(int aba)
{
    static const QString s[] = {QString(), Livre, Manutencao, Ocupada, Reservada};
    return aba >= 0 && aba < 5 ? s[aba] : QString();
}

QPushButton *botao(const QString &texto, QWidget *pai)
{
    auto *b = new QPushButton(texto, pai);
    b->setAutoDefault(false);
    return b;
}

QLabel *legenda(const QString &s, QWidget *pai)
{
    auto *l = new QLabel(pai);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, corLegenda(s));
    pal.setColor(QPalette::WindowText, corBGR(Cores::Preto));
    l->setPalette(pal);
    l->setMargin(4);
    l->setMinimumWidth(120);
    l->setFrameShape(QFrame::Box);
    return l;
}

void colorirPainel(QWidget *w, const QColor &c)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::WindowText, corBGR(Cores::Preto));
    w->setPalette(pal);
}

} // namespace

TFrmUH::TFrmUH(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QString::fromUtf8(kTitulo));
    montar();
    montarPopup();
    montarTouch();
    m_montada = true;
}

TFrmUH::~TFrmUH() = default;

void TFrmUH::montar()
{
    resize(1000, 680);
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    // Legends, type choice, summary switch and go-to box.
    auto *topo = new QHBoxLayout;
    lblLivre = legenda(Livre, this);
    lblManutencao = legenda(Manutencao, this);
    lblOcupada = legenda(Ocupada, this);
    lblReserva = legenda(Reservada, this);
    lblManutencao->setToolTip(QStringLiteral("Duplo clique: Efetuar Manutenção na UH"));
    lblManutencao->installEventFilter(this);
    for (QLabel *l : {lblLivre, lblManutencao, lblOcupada, lblReserva})
        topo->addWidget(l);
    topo->addStretch();
    lblFiltrarTipo = new QLabel(QStringLiteral("Filtrar Tipo:"), this);
    cbTipos = new QComboBox(this);
    cbTipos->setMinimumWidth(170);
    cbTipos->installEventFilter(this);
    topo->addWidget(lblFiltrarTipo);
    topo->addWidget(cbTipos);
    layout->addLayout(topo);

    auto *linha2 = new QHBoxLayout;
    chkResumida = new QCheckBox(QStringLiteral("Mostrar lista de UHs resumida"), this);
    linha2->addWidget(chkResumida);
    linha2->addStretch();
    lblIrPara = new QLabel(QStringLiteral("Ir para UH (Ctrl+I)"), this);
    edtIrPara = new QLineEdit(this);
    edtIrPara->setObjectName(QStringLiteral("edtIrPara"));
    edtIrPara->setMaxLength(5);
    edtIrPara->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}")), edtIrPara));
    edtIrPara->setFixedWidth(70);
    edtIrPara->installEventFilter(this);
    linha2->addWidget(lblIrPara);
    linha2->addWidget(edtIrPara);
    layout->addLayout(linha2);

    // Filter panel.
    pnlFiltros = new QGroupBox(QStringLiteral("Filtros:"), this);
    pnlFiltros->setObjectName(QStringLiteral("pnlFiltros"));
    auto *lf = new QHBoxLayout(pnlFiltros);
    for (const char *c : {"Código", "Número ID", "Descrição", "Tipo", "Ramal Telefônico"}) {
        auto *rb = new QRadioButton(QString::fromUtf8(c), pnlFiltros);
        rb->setFocusPolicy(Qt::NoFocus);
        rbFiltros.append(rb);
        lf->addWidget(rb);
        connect(rb, &QRadioButton::clicked, this, [this] {
            edtFiltro->clear();
            edtFiltro->setFocus();
        });
    }
    edtFiltro = new QLineEdit(pnlFiltros);
    edtFiltro->setObjectName(QStringLiteral("edtFiltro"));
    emMaiusculas(edtFiltro, 90);
    edtFiltro->installEventFilter(this);
    lf->addWidget(edtFiltro, 1);
    btnPesquisar = botao(QStringLiteral("Pesquisar"), pnlFiltros);
    lf->addWidget(btnPesquisar);
    lblFecharFiltro = new QLabel(QStringLiteral("x"), pnlFiltros);
    lblFecharFiltro->setToolTip(QStringLiteral("Fechar Consulta"));
    lblFecharFiltro->setCursor(Qt::PointingHandCursor);
    lblFecharFiltro->installEventFilter(this);
    lf->addWidget(lblFecharFiltro);
    pnlFiltros->hide();
    layout->addWidget(pnlFiltros);

    // Tabs over the three views.
    pgcUH = new QTabBar(this);
    for (const char *t : {"Todas as UHs", "Livre", "Em Manutenção", "Ocupada", "Reserva"})
        pgcUH->addTab(QString::fromUtf8(t));
    layout->addWidget(pgcUH);

    tUH = new ModeloMapaUH(this);
    filtro = new FiltroMapaUH(this);
    filtro->setSourceModel(tUH);

    auto *meio = new QHBoxLayout;
    pilha = new QStackedWidget(this);
    dbgUH = new QTableView(pilha);
    dbgUH->setObjectName(QStringLiteral("dbgUH"));
    dbgUH->setModel(filtro);
    prepararGrade(dbgUH);
    dbgUH->setItemDelegate(new DelegateMapaUH(DelegateMapaUH::Vista::Grade, dbgUH));
    dbgUH->setToolTip(QStringLiteral("Mais Opções -> Botão Direito do Mouse"));
    const int larguras[] = {60, 190, 150, 70, 110, 90};
    for (int c = 0; c < 6; ++c)
        dbgUH->setColumnWidth(c, larguras[c]);
    auto criarCartoes = [&](DelegateMapaUH::Vista v) {
        auto *cv = new QListView(pilha);
        cv->setViewMode(QListView::IconMode);
        cv->setResizeMode(QListView::Adjust);
        cv->setMovement(QListView::Static);
        cv->setUniformItemSizes(true);
        cv->setSpacing(2);
        cv->setWrapping(true);
        cv->setSelectionMode(QAbstractItemView::SingleSelection);
        cv->setEditTriggers(QAbstractItemView::NoEditTriggers);
        cv->setModel(filtro);
        cv->setSelectionModel(dbgUH->selectionModel());
        cv->setItemDelegate(new DelegateMapaUH(v, cv));
        cv->setToolTip(dbgUH->toolTip());
        return cv;
    };
    cvResumo = criarCartoes(DelegateMapaUH::Vista::Resumo);
    cvResumo->setObjectName(QStringLiteral("cvResumo"));
    cvTouch = criarCartoes(DelegateMapaUH::Vista::Touch);
    cvTouch->setObjectName(QStringLiteral("cvTouch"));
    pilha->addWidget(dbgUH);
    pilha->addWidget(cvResumo);
    pilha->addWidget(cvTouch);
    for (QAbstractItemView *v : {static_cast<QAbstractItemView *>(dbgUH), static_cast<QAbstractItemView *>(cvResumo),
                                 static_cast<QAbstractItemView *>(cvTouch)}) {
        v->setContextMenuPolicy(Qt::CustomContextMenu);
        v->installEventFilter(this);
        connect(v, &QWidget::customContextMenuRequested, this, [this, v](const QPoint &pos) {
            atualizarPopup();
            PopupMenu1->popup(v->viewport()->mapToGlobal(pos));
        });
    }
    meio->addWidget(pilha, 1);
    pnlTouch = new QWidget(this);
    meio->addWidget(pnlTouch);
    layout->addLayout(meio, 1);

    // Selection panel.
    pnlSelecao = new QWidget(this);
    pnlSelecao->setObjectName(QStringLiteral("pnlSelecao"));
    auto *ls = new QHBoxLayout(pnlSelecao);
    ls->setContentsMargins(6, 2, 6, 2);
    lblSelecao = new QLabel(QStringLiteral("Manutenção:"), pnlSelecao);
    btnSelecao = botao(QStringLiteral("Concluir"), pnlSelecao);
    ls->addWidget(lblSelecao, 1);
    ls->addWidget(btnSelecao);
    pnlSelecao->hide();
    layout->addWidget(pnlSelecao);

    // Maintenance reason.
    pnlManutencao = new QGroupBox(QStringLiteral("Informe o Motivo da Manutenção"), this);
    auto *lm = new QHBoxLayout(pnlManutencao);
    edtMotivo = new QLineEdit(pnlManutencao);
    edtMotivo->setObjectName(QStringLiteral("edtMotivo"));
    emMaiusculas(edtMotivo, kTamanhoMotivo);
    edtMotivo->installEventFilter(this);
    btnConfirmarManutencao = botao(QStringLiteral("Confirmar"), pnlManutencao);
    btnCancelarManutencao = botao(QStringLiteral("Cancelar"), pnlManutencao);
    lm->addWidget(edtMotivo, 1);
    lm->addWidget(btnConfirmarManutencao);
    lm->addWidget(btnCancelarManutencao);
    pnlManutencao->hide();
    layout->addWidget(pnlManutencao);

    // Who ended the maintenance.
    pnlResponsavel = new QGroupBox(QStringLiteral("Informe o Responsável pela Manutenção"), this);
    auto *lr = new QHBoxLayout(pnlResponsavel);
    rbFuncionario = new QRadioButton(QStringLiteral("Funcionário"), pnlResponsavel);
    cbFuncionarios = new QComboBox(pnlResponsavel);
    cbFuncionarios->setMinimumWidth(220);
    rbOutro = new QRadioButton(QStringLiteral("Outro Responsável"), pnlResponsavel);
    edtResponsavel = new QLineEdit(pnlResponsavel);
    edtResponsavel->setObjectName(QStringLiteral("edtResponsavel"));
    emMaiusculas(edtResponsavel, 90);
    edtResponsavel->setAutoFillBackground(true);
    btnConfirmarResponsavel = botao(QStringLiteral("Confirmar"), pnlResponsavel);
    btnCancelarResponsavel = botao(QStringLiteral("Cancelar"), pnlResponsavel);
    lr->addWidget(rbFuncionario);
    lr->addWidget(cbFuncionarios, 1);
    lr->addWidget(rbOutro);
    lr->addWidget(edtResponsavel, 1);
    lr->addWidget(btnConfirmarResponsavel);
    lr->addWidget(btnCancelarResponsavel);
    pnlResponsavel->hide();
    layout->addWidget(pnlResponsavel);

    // Buttons.
    auto *rodape = new QHBoxLayout;
    btnNovaUH = botao(QStringLiteral("Nova UH"), this);
    btnAlterarUH = botao(QStringLiteral("Alterar UH"), this);
    btnExcluirUH = botao(QStringLiteral("Excluir UH"), this);
    btnFiltros = botao(QStringLiteral("Filtros"), this);
    btnReservas = botao(QStringLiteral("Reservas"), this);
    btnDespesasAvulsas = botao(QStringLiteral("Despesas Avulsas"), this);
    btnSair = botao(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnNovaUH, btnAlterarUH, btnExcluirUH, btnFiltros, btnReservas, btnDespesasAvulsas})
        rodape->addWidget(b);
    rodape->addStretch();
    rodape->addWidget(btnSair);
    layout->addLayout(rodape);

    menuAtalhos = criarMenuAtalhos(this, {
        {QStringLiteral("|| Nova UH  - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnNovaUH},
        {QStringLiteral("|| Filtros - (F3) ||"), QKeySequence(Qt::Key_F3), {}, btnFiltros},
        {QStringLiteral("|| Alterar UH - (Insert) ||"), QKeySequence(Qt::Key_Insert), {}, btnAlterarUH},
        {QStringLiteral("|| Excluir UH - (Delete) ||"), QKeySequence(Qt::Key_Delete), {}, btnExcluirUH},
        {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
    });
    const QList<QAction *> itens = menuAtalhos->actions();
    mnNovaUH = itens.value(1);
    mnFiltros = itens.value(2);
    mnAlterarUH = itens.value(3);
    mnExcluirUH = itens.value(4);
    mnSair = itens.value(5);
    // "Ir para UH": a hidden entry on Ctrl+I.
    auto *irPara = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), this);
    connect(irPara, &QShortcut::activated, this, [this] {
        if (edtIrPara->isEnabled() && edtIrPara->isVisibleTo(this))
            edtIrPara->setFocus();
    });

    connect(btnNovaUH, &QPushButton::clicked, this, &TFrmUH::btnNovaUHClick);
    connect(btnAlterarUH, &QPushButton::clicked, this, &TFrmUH::btnAlterarUHClick);
    connect(btnExcluirUH, &QPushButton::clicked, this, &TFrmUH::btnExcluirUHClick);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmUH::btnFiltrosClick);
    connect(btnReservas, &QPushButton::clicked, this, &TFrmUH::btnReservasClick);
    connect(btnDespesasAvulsas, &QPushButton::clicked, this, &TFrmUH::btnDespesasAvulsasClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnPesquisar, &QPushButton::clicked, this, &TFrmUH::btnPesquisarClick);
    connect(btnSelecao, &QPushButton::clicked, this, &TFrmUH::btnSelecaoClick);
    connect(btnConfirmarManutencao, &QPushButton::clicked, this, &TFrmUH::btnConfirmarManutencaoClick);
    connect(btnCancelarManutencao, &QPushButton::clicked, this, &TFrmUH::btnCancelarManutencaoClick);
    connect(rbFuncionario, &QRadioButton::clicked, this, &TFrmUH::rbFuncionarioClick);
    connect(rbOutro, &QRadioButton::clicked, this, &TFrmUH::rbOutroClick);
    connect(btnConfirmarResponsavel, &QPushButton::clicked, this, &TFrmUH::btnConfirmarResponsavelClick);
    connect(btnCancelarResponsavel, &QPushButton::clicked, this, &TFrmUH::btnCancelarResponsavelClick);
    connect(pgcUH, &QTabBar::currentChanged, this, &TFrmUH::pgcUHChange);
    connect(cbTipos, &QComboBox::currentIndexChanged, this, &TFrmUH::cbTiposChange);
    connect(chkResumida, &QCheckBox::clicked, this, &TFrmUH::chkResumidaClick);
    connect(dbgUH, &QAbstractItemView::doubleClicked, this, &TFrmUH::dbgUHDblClick);
    connect(dbgUH->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { cursorMudou(); });
    cvTouch->viewport()->installEventFilter(this);
}

void TFrmUH::montarPopup()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto item = [this](const char *texto, void (TFrmUH::*slot)()) {
        QAction *a = PopupMenu1->addAction(QString::fromUtf8(texto));
        if (slot)
            connect(a, &QAction::triggered, this, slot);
        return a;
    };
    mnEntrada = item("-- Realizar Entrada de Hóspede", &TFrmUH::RealizarEntradaClick);
    mnPagamento = item("-- Efetuar Pagamento Adiantado / Alterar Veículos", &TFrmUH::PagamentoClick);
    mnSaida = item("-- Realizar Saída de Hóspede", &TFrmUH::SaidaClick);
    sepReserva = PopupMenu1->addSeparator();
    mnReserva = item("-- Efetuar Reserva", &TFrmUH::EfetuarReservaClick);
    mnCancelarReserva = item("-- Cancelar Reserva", &TFrmUH::btnSelecaoClick);
    PopupMenu1->addSeparator();
    mnDespesas = item("-- Movimentar Despesas e Consumos", &TFrmUH::DespesasClick);
    mnItens = item("-- Movimentar Itens de Estoque", &TFrmUH::ItensClick);
    mnQtdHospedes = item("-- Alterar Quantidade de Hóspedes", &TFrmUH::QtdHospedesClick);
    mnValorDiaria = item("-- Alterar Valor da Diária", &TFrmUH::ValorDiariaClick);
    mnTransferir = item("-- Enviar o Hóspede para Outra UH", &TFrmUH::TransferirClick);
    mnExtrato = item("-- Consultar Extrato de Conta", &TFrmUH::ExtratoClick);
    PopupMenu1->addSeparator();
    mnLiberar = item("-- Liberar UH", &TFrmUH::btnSelecaoClick);
    mnManutencao = item("-- Efetuar Manutenção na UH", &TFrmUH::EfetuarManutencaoClick);
    PopupMenu1->addSeparator();
    mnDespesasAvulsas = item("-- Despesas Avulsas", &TFrmUH::btnDespesasAvulsasClick);
    mnLembretes = item("-- Lembretes", nullptr);
    connect(mnLembretes, &QAction::triggered, this, [] { abrirLembretes(); });
    mnChat = item("-- Chat", nullptr);
    connect(mnChat, &QAction::triggered, this, [] { abrirBatePapo(); });
    mnSMS = item("-- Envio de SMS", nullptr);
    connect(mnSMS, &QAction::triggered, this, [this] {
        Sms::Contexto c;
        c.origem = Sms::Contexto::Origem::MapaUH;
        const Quarto *q = atual();
        c.idWalkIn = q ? q->entrada : 0;
        abrirEnvioSMS(c);
    });
    PopupMenu1->addSeparator();
    mnOrdemNumero = item("Mostrar Todos  - Organizar Por Número", nullptr);
    connect(mnOrdemNumero, &QAction::triggered, this, [this] { ordenar(Ordem::Numero); });
    mnOrdemDescricao = item("Mostrar Todos  - Organizar Por Descrição", nullptr);
    connect(mnOrdemDescricao, &QAction::triggered, this, [this] { ordenar(Ordem::Descricao); });
    mnOrdemTipo = item("Mostrar Todos  - Organizar Por Tipo", nullptr);
    connect(mnOrdemTipo, &QAction::triggered, this, [this] { ordenar(Ordem::Tipo); });
}

void TFrmUH::montarTouch()
{
    pnlTouch->setObjectName(QStringLiteral("pnlTouch"));
    pnlTouch->setFixedWidth(230);
    colorirPainel(pnlTouch, corBGR(Cores::AzulClaro));
    auto *l = new QVBoxLayout(pnlTouch);
    lblTouchEmpresa = new QLabel(pnlTouch);
    lblTouchEmpresa->setAlignment(Qt::AlignCenter);
    lblTouchEmpresa->setWordWrap(true);
    QFont f = lblTouchEmpresa->font();
    f.setBold(true);
    lblTouchEmpresa->setFont(f);
    lblTouchUH = new QLabel(pnlTouch);
    lblTouchUH->setAlignment(Qt::AlignCenter);
    QFont g = f;
    g.setPointSizeF(f.pointSizeF() * 1.6);
    lblTouchUH->setFont(g);
    lblTouchOpcao = new QLabel(QStringLiteral("Selecione uma opção"), pnlTouch);
    lblTouchOpcao->setAlignment(Qt::AlignCenter);
    l->addWidget(lblTouchEmpresa);
    l->addWidget(lblTouchUH);
    l->addWidget(lblTouchOpcao);
    btnTouchEntrada = botao(QStringLiteral("Realizar Entrada"), pnlTouch);
    btnTouchExtrato = botao(QStringLiteral("Extrato de Conta"), pnlTouch);
    btnTouchConsumos = botao(QStringLiteral("Consumos"), pnlTouch);
    btnTouchItens = botao(QStringLiteral("Itens de Estoque"), pnlTouch);
    btnTouchSaida = botao(QStringLiteral("Efetuar Saída"), pnlTouch);
    btnTouchLiberar = botao(QStringLiteral("Liberar UH"), pnlTouch);
    btnTouchVoltar = botao(QStringLiteral("Voltar"), pnlTouch);
    for (QPushButton *b : {btnTouchEntrada, btnTouchExtrato, btnTouchConsumos, btnTouchItens, btnTouchSaida,
                           btnTouchLiberar, btnTouchVoltar}) {
        b->setMinimumHeight(40);
        l->addWidget(b);
    }
    l->addStretch();
    pnlTouch->hide();

    auto depois = [this] {
        pnlTouch->hide();
        cvTouch->setEnabled(true);
    };
    connect(btnTouchEntrada, &QPushButton::clicked, this, [this, depois] {
        RealizarEntradaClick();
        depois();
    });
    connect(btnTouchSaida, &QPushButton::clicked, this, [this, depois] {
        SaidaClick();
        depois();
    });
    connect(btnTouchExtrato, &QPushButton::clicked, this, &TFrmUH::ExtratoClick);
    connect(btnTouchConsumos, &QPushButton::clicked, this, &TFrmUH::DespesasClick);
    connect(btnTouchItens, &QPushButton::clicked, this, &TFrmUH::ItensClick);
    connect(btnTouchLiberar, &QPushButton::clicked, this, &TFrmUH::btnSelecaoClick);
    connect(btnTouchVoltar, &QPushButton::clicked, this, &TFrmUH::btnTouchVoltarClick);
}

void TFrmUH::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    const TParametros &p = tParametros();
    m_motel = p.sim(QStringLiteral("MODO_MOTEL"));
    m_touch = p.sim(QStringLiteral("MODO_TOUCH"));

    // 1. The touch panel's header.
    lblTouchEmpresa->setText(p.texto(QStringLiteral("NOME_FANTASIA")));
    // 2. Rights.
    const bool movimentos = Sessao::atual().direitos.MOVIMENTOS;
    for (QPushButton *b : {btnNovaUH, btnAlterarUH, btnExcluirUH})
        b->setVisible(movimentos);
    for (QAction *a : {mnNovaUH, mnAlterarUH, mnExcluirUH})
        a->setVisible(movimentos);
    dbgUH->setColumnHidden(ModeloMapaUH::ColDiaria,
                           !movimentos && !p.sim(QStringLiteral("DIARIA_CENTRAL_UH")));
    // 3. Motel mode.
    if (m_motel) {
        chkResumida->hide();
        btnReservas->hide();
        for (QAction *a : {sepReserva, mnReserva, mnCancelarReserva, mnQtdHospedes, mnValorDiaria})
            a->setVisible(false);
    }
    // 4. Counter sales.
    if (p.sim(QStringLiteral("NAO_DESPESA_AVULSA"))) {
        btnDespesasAvulsas->hide();
        mnDespesasAvulsas->setVisible(false);
    }
    btnReservas->setEnabled(bool(ganchos().listaReservas));
    btnDespesasAvulsas->setEnabled(bool(ganchos().despesasAvulsas));
    // 5. Touch mode: the touch cards in place of the grid.
    if (m_touch) {
        chkResumida->hide();
        pilha->setCurrentWidget(cvTouch);
    } else {
        pilha->setCurrentWidget(dbgUH);
    }
    // 6. Counts, types, rooms.
    reabrirTipos();
    reabrirLista();
    vistaAtiva()->setFocus();
}

bool TFrmUH::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        AcaoAtual(QStringLiteral("Central de UHs"));
    return QDialog::event(e);
}

void TFrmUH::done(int r)
{
    QDialog::done(r);
    Janela::atualizarAlertas(false);
}

QAbstractItemView *TFrmUH::vistaAtiva() const { return qobject_cast<QAbstractItemView *>(pilha->currentWidget()); }

void TFrmUH::reabrirTipos()
{
    const qint64 escolhido = cbTipos->currentData().toLongLong();
    const QList<Linha> tipos = DM->Conexao.lerTodas(
        QStringLiteral("SELECT ID_TIPO_UH, DESCRICAO FROM TIPO_UH "
                       "WHERE ID_TIPO_UH NOT IN (SELECT ID_TIPO_UH FROM ANULACAO) ORDER BY DESCRICAO"));
    QSignalBlocker b(cbTipos);
    cbTipos->clear();
    cbTipos->addItem(QStringLiteral("TODOS OS TIPOS"), qint64(0));
    for (const Linha &t : tipos)
        cbTipos->addItem(t.texto(QStringLiteral("DESCRICAO")), t.inteiro(QStringLiteral("ID_TIPO_UH")));
    const int i = cbTipos->findData(escolhido);
    cbTipos->setCurrentIndex(i < 0 ? 0 : i);
    aplicarFiltro();
}

void TFrmUH::reabrirLista()
{
    const Quarto *q = atual();
    const qint64 lembrado = q ? q->idUH : 0;
    Carga c = atualizar(Relogio::hoje(), m_ordem, m_pesquisa);
    m_contagem = c.contagem;
    m_consultas = c.consultas;
    m_reservasHoje = std::move(c.reservasHoje);
    tUH->definir(std::move(c.quartos));
    atualizarLegendas();
    if (!lembrado || !selecionar(lembrado)) {
        if (filtro->rowCount() > 0)
            dbgUH->setCurrentIndex(filtro->index(0, 0));
    }
    const bool temLinhas = tUH->rowCount() > 0;
    PermissaoTela(btnNovaUH, btnAlterarUH, btnExcluirUH, mnNovaUH, mnAlterarUH, mnExcluirUH, temLinhas);
    if (!ganchos().cadastroUH) {
        btnNovaUH->setEnabled(false);
        btnAlterarUH->setEnabled(false);
        mnNovaUH->setEnabled(false);
        mnAlterarUH->setEnabled(false);
    }
    cursorMudou();
}

void TFrmUH::atualizarLegendas()
{
    lblLivre->setText(QStringLiteral("Livre (") + QString::number(m_contagem.livre) + QStringLiteral(")"));
    lblManutencao->setText(QStringLiteral("Em Manutenção (") + QString::number(m_contagem.manutencao)
                           + QStringLiteral(")"));
    lblOcupada->setText(QStringLiteral("Ocupada (") + QString::number(m_contagem.ocupada) + QStringLiteral(")"));
    lblReserva->setText(QStringLiteral("Reserva (") + QString::number(m_contagem.reservada) + QStringLiteral(")"));
}

const Quarto *TFrmUH::atual() const
{
    const QModelIndex i = dbgUH->selectionModel()->currentIndex();
    if (!i.isValid())
        return nullptr;
    return tUH->quarto(filtro->mapToSource(i).row());
}

bool TFrmUH::selecionar(qint64 idUH)
{
    const int linha = tUH->linhaDe(idUH);
    if (linha < 0)
        return false;
    const QModelIndex i = filtro->mapFromSource(tUH->index(linha, 0));
    if (!i.isValid())
        return false;
    dbgUH->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    dbgUH->scrollTo(i);
    cvResumo->scrollTo(i);
    cvTouch->scrollTo(i);
    return true;
}

QList<qint64> TFrmUH::visiveis() const
{
    QList<qint64> r;
    for (int i = 0; i < filtro->rowCount(); ++i)
        r.append(filtro->index(i, 0).data(ModeloMapaUH::IdRole).toLongLong());
    return r;
}

void TFrmUH::aplicarFiltro()
{
    const Quarto *q = atual();
    const qint64 lembrado = q ? q->idUH : 0;
    filtro->definir(situacaoDaAba(pgcUH->currentIndex()), cbTipos->currentData().toLongLong());
    if (!lembrado || !selecionar(lembrado)) {
        if (filtro->rowCount() > 0)
            dbgUH->selectionModel()->setCurrentIndex(filtro->index(0, 0), QItemSelectionModel::ClearAndSelect
                                                                               | QItemSelectionModel::Rows);
    }
    cursorMudou();
}

void TFrmUH::pgcUHChange() { aplicarFiltro(); }
void TFrmUH::cbTiposChange() { aplicarFiltro(); }

void TFrmUH::chkResumidaClick()
{
    if (m_touch)
        return;
    pilha->setCurrentWidget(chkResumida->isChecked() ? static_cast<QWidget *>(cvResumo)
                                                     : static_cast<QWidget *>(dbgUH));
}

void TFrmUH::cursorMudou()
{
    pnlSelecao->hide();
    m_idReservaPainel = 0;
    m_acaoPainel = AcaoPainel::Nenhuma;
    const Quarto *q = atual();
    if (q && q->situacao == Manutencao) {
        lblSelecao->setText(QStringLiteral("Manutenção: ") + q->manutencao);
        btnSelecao->setText(QStringLiteral("Concluir"));
        m_acaoPainel = AcaoPainel::Concluir;
        colorirPainel(pnlSelecao, corLegenda(Manutencao));
        pnlSelecao->show();
        return;
    }
    if (q && q->situacao == Reservada) {
        auto r = m_reservasHoje.constFind(q->idUH);
        if (r == m_reservasHoje.cend()) {
            // Read again once: a reservation made since the list was read.
            m_reservasHoje = lerReservasHoje(Relogio::hoje());
            r = m_reservasHoje.constFind(q->idUH);
        }
        if (r != m_reservasHoje.cend()) {
            lblSelecao->setText(QStringLiteral("Reserva: (") + QString::number(r->idReserva) + QStringLiteral(") ")
                                + r->nome);
            Sessao::atual().WalkInExpressoCLIENTE = QString::number(r->idCliente);
            btnSelecao->setText(QStringLiteral("Cancelar"));
            m_idReservaPainel = r->idReserva;
            m_acaoPainel = AcaoPainel::Cancelar;
            colorirPainel(pnlSelecao, corLegenda(Reservada));
            pnlSelecao->show();
            return;
        }
    }
    lblSelecao->setText(QStringLiteral("Manutenção:"));
}

void TFrmUH::atualizarPopup()
{
    const Quarto *q = atual();
    if (!q)
        return;
    // Columns: L, O, M, R.
    struct Linha_ {
        QAction *item;
        bool l, o, m, r;
    };
    const Linha_ tabela[] = {
        {mnEntrada, true, false, false, true},         {mnPagamento, false, true, false, false},
        {mnSaida, false, true, false, false},          {mnReserva, true, true, true, true},
        {mnCancelarReserva, false, false, false, true}, {mnDespesas, false, true, false, false},
        {mnItens, false, true, false, false},          {mnQtdHospedes, false, true, false, false},
        {mnValorDiaria, false, true, false, false},    {mnTransferir, false, true, false, false},
        {mnExtrato, false, true, false, false},        {mnLiberar, false, false, true, false},
        {mnManutencao, true, true, false, true},       {mnDespesasAvulsas, true, true, true, true},
        {mnLembretes, true, true, true, true},         {mnChat, true, true, true, true},
        {mnSMS, true, true, true, true},
    };
    const QString &s = q->situacao;
    const int coluna = s == Livre ? 0 : s == Ocupada ? 1 : s == Manutencao ? 2 : s == Reservada ? 3 : -1;
    if (coluna < 0)
        return; // any other state leaves the items as they were
    const Ganchos &g = ganchos();
    for (const Linha_ &t : tabela) {
        const bool porSituacao = coluna == 0 ? t.l : coluna == 1 ? t.o : coluna == 2 ? t.m : t.r;
        t.item->setEnabled(porSituacao);
    }
    // Entries whose screens are not there yet stay disabled.
    if (!g.entradaHospede)
        mnEntrada->setEnabled(false);
    if (!g.estadia)
        for (QAction *a : {mnPagamento, mnSaida, mnDespesas, mnItens, mnQtdHospedes, mnValorDiaria, mnTransferir})
            a->setEnabled(false);
    if (!g.extratoConta)
        mnExtrato->setEnabled(false);
    if (!g.novaReserva)
        mnReserva->setEnabled(false);
    if (!g.despesasAvulsas)
        mnDespesasAvulsas->setEnabled(false);
    for (QAction *a : {mnOrdemNumero, mnOrdemDescricao, mnOrdemTipo})
        a->setEnabled(true);
}

void TFrmUH::habilitarVistas(bool sim)
{
    dbgUH->setEnabled(sim);
    cvResumo->setEnabled(sim);
    if (!pnlTouch->isVisible())
        cvTouch->setEnabled(sim);
}

void TFrmUH::situacaoMudou(const QString &numero)
{
    Mensagem::aviso(mensagemSituacaoMudou(numero));
    reabrirLista();
}

// ---------------------------------------------------------------- room edit

void TFrmUH::btnNovaUHClick()
{
    if (!ganchos().cadastroUH)
        return;
    OP = QStringLiteral("I");
    ganchos().cadastroUH();
    reabrirLista();
}

void TFrmUH::btnAlterarUHClick()
{
    if (!ganchos().cadastroUH || !atual())
        return;
    if (OP != QLatin1String("V"))
        OP = QStringLiteral("A");
    ganchos().cadastroUH();
    reabrirLista();
}

void TFrmUH::dbgUHDblClick()
{
    if (!ganchos().cadastroUH || !atual())
        return;
    OP = QStringLiteral("V");
    ganchos().cadastroUH();
    reabrirLista();
}

void TFrmUH::btnExcluirUHClick()
{
    const Quarto *q = atual();
    if (!q)
        return;
    const Quarto quarto = *q;
    if (quarto.situacao != Livre) {
        Mensagem::aviso(QString::fromUtf8(kMsgNaoLivre));
        return;
    }
    if (!Mensagem::pergunta(QStringLiteral("Deseja Realmente Excluir essa UH?")))
        return;
    // The list lands on the next room.
    const int linha = dbgUH->currentIndex().row();
    const QModelIndex proximo = filtro->index(linha + 1 < filtro->rowCount() ? linha + 1 : linha - 1, 0);
    const qint64 idProximo = proximo.isValid() ? proximo.data(ModeloMapaUH::IdRole).toLongLong() : 0;
    switch (excluirUH(DM->Conexao, quarto.idUH, quarto.numero, quarto.situacao)) {
    case Resultado::Feito:
        Mensagem::info(QStringLiteral("UH Excluída com Sucesso!"));
        if (idProximo)
            selecionar(idProximo);
        reabrirLista();
        break;
    case Resultado::ReservasPendentes:
        Mensagem::aviso(QString::fromUtf8(kMsgReservasPendentes));
        break;
    case Resultado::NaoPermitida:
        Mensagem::aviso(QString::fromUtf8(kMsgNaoLivre));
        break;
    default:
        situacaoMudou(quarto.numero);
        break;
    }
}

// ---------------------------------------------------------------- search, order, go-to

void TFrmUH::btnFiltrosClick()
{
    pnlFiltros->show();
    rbFiltros.first()->setChecked(true);
    edtFiltro->clear();
    edtFiltro->setFocus();
}

void TFrmUH::btnPesquisarClick()
{
    int escolhida = 0;
    for (int i = 0; i < rbFiltros.size(); ++i)
        if (rbFiltros[i]->isChecked())
            escolhida = i;
    m_pesquisa = Pesquisa{Campo(escolhida), edtFiltro->text()};
    dbgUH->selectionModel()->clearCurrentIndex();
    reabrirLista();
    pnlFiltros->hide();
    if (filtro->rowCount() > 0)
        selecionar(filtro->index(0, 0).data(ModeloMapaUH::IdRole).toLongLong());
    vistaAtiva()->setFocus();
}

void TFrmUH::ordenar(Ordem ordem)
{
    m_ordem = ordem;
    m_pesquisa.reset();
    dbgUH->selectionModel()->clearCurrentIndex();
    reabrirLista();
    if (filtro->rowCount() > 0)
        selecionar(filtro->index(0, 0).data(ModeloMapaUH::IdRole).toLongLong());
}

void TFrmUH::edtIrParaEnter()
{
    if (pgcUH->currentIndex() != 0 || cbTipos->currentIndex() != 0) {
        Mensagem::aviso(QString::fromUtf8(kMsgIrPara));
        edtIrPara->setFocus();
        return;
    }
    const QString numero = edtIrPara->text().trimmed();
    if (numero.isEmpty())
        return;
    const qint64 procurado = numero.toLongLong();
    qint64 achado = 0;
    for (const Quarto &q : tUH->quartos()) {
        bool ok = false;
        const qint64 n = q.numero.toLongLong(&ok);
        if (ok && n == procurado) {
            achado = q.idUH;
            break;
        }
    }
    edtIrPara->clear();
    if (achado && selecionar(achado)) {
        vistaAtiva()->setFocus();
        atualizarPopup();
        PopupMenu1->popup(QCursor::pos());
    } else {
        Mensagem::aviso(QStringLiteral("UH ") + numero + QStringLiteral(" Não Encontrada!"));
    }
}

// ---------------------------------------------------------------- selection panel

void TFrmUH::btnSelecaoClick()
{
    switch (m_acaoPainel) {
    case AcaoPainel::Concluir:
        concluirManutencao();
        break;
    case AcaoPainel::Cancelar:
        cancelarReserva();
        break;
    case AcaoPainel::Nenhuma:
        break;
    }
}

void TFrmUH::cancelarReserva()
{
    const Quarto *q = atual();
    if (!q || m_idReservaPainel == 0)
        return;
    const qint64 idReserva = m_idReservaPainel;
    const qint64 idUH = q->idUH;
    const QString texto = lblSelecao->text();
    if (!Mensagem::pergunta(QStringLiteral("Deseja Realmente Cancelar essa Reserva?")))
        return;
    if (EstadoUH::cancelarReserva(DM->Conexao, idReserva, idUH, texto) != Resultado::Feito) {
        Mensagem::aviso(QString::fromUtf8(kMsgReservaMudou));
        reabrirLista();
        return;
    }
    Mensagem::info(QStringLiteral("Reserva Cancelada com Sucesso!"));
    reabrirLista();
}

// ---------------------------------------------------------------- maintenance

void TFrmUH::EfetuarManutencaoClick()
{
    const Quarto *q = atual();
    if (!q || (q->situacao != Livre && q->situacao != Ocupada && q->situacao != Reservada))
        return;
    if (pnlManutencao->isVisible() || pnlResponsavel->isVisible())
        return;
    const Quarto quarto = *q;
    if (!Mensagem::pergunta(QStringLiteral("Deseja registrar manutenção nesta UH?")))
        return;
    m_idOperacao = quarto.idUH;
    m_numeroOperacao = quarto.numero;
    m_situacaoOperacao = quarto.situacao;
    edtMotivo->clear();
    pnlManutencao->show();
    habilitarVistas(false);
    edtMotivo->setFocus();
}

void TFrmUH::btnConfirmarManutencaoClick()
{
    if (!pnlManutencao->isVisible() || m_idOperacao == 0)
        return;
    const QString motivo = edtMotivo->text().trimmed();
    if (motivo.isEmpty()) {
        Mensagem::aviso(QString::fromUtf8(kMsgMotivo));
        edtMotivo->setFocus();
        return;
    }
    const Resultado r = iniciarManutencao(DM->Conexao, m_idOperacao, m_numeroOperacao, m_situacaoOperacao, motivo);
    pnlManutencao->hide();
    habilitarVistas(true);
    m_idOperacao = 0;
    if (r != Resultado::Feito) {
        situacaoMudou(m_numeroOperacao);
        return;
    }
    reabrirLista();
    vistaAtiva()->setFocus();
}

void TFrmUH::btnCancelarManutencaoClick()
{
    pnlManutencao->hide();
    habilitarVistas(true);
    m_idOperacao = 0;
    vistaAtiva()->setFocus();
}

void TFrmUH::concluirManutencao()
{
    const Quarto *q = atual();
    if (!q || q->situacao != Manutencao || pnlResponsavel->isVisible() || pnlManutencao->isVisible())
        return;
    const Quarto quarto = *q;
    if (!m_touch && !Mensagem::pergunta(QStringLiteral("Deseja registrar a conclusão da manutenção desta UH?")))
        return;
    m_idOperacao = quarto.idUH;
    m_numeroOperacao = quarto.numero;
    m_situacaoOperacao = quarto.situacao;
    pnlResponsavel->show();
    habilitarVistas(false);
    rbFuncionario->setChecked(true);
    rbFuncionarioClick();
}

void TFrmUH::rbFuncionarioClick()
{
    const QList<Linha> camareiras = DM->Conexao.lerTodas(
        QStringLiteral("SELECT ID_FUNCIONARIO, NOME FROM FUNCIONARIO "
                       "WHERE ID_FUNCIONARIO NOT IN (SELECT ID_FUNCIONARIO FROM ANULACAO) AND CAMAREIRA = 'S' "
                       "ORDER BY NOME"));
    cbFuncionarios->clear();
    cbFuncionarios->addItem(QString::fromUtf8(kNenhumFuncionario), qint64(0));
    for (const Linha &f : camareiras)
        cbFuncionarios->addItem(f.texto(QStringLiteral("NOME")), f.inteiro(QStringLiteral("ID_FUNCIONARIO")));
    cbFuncionarios->setEnabled(true);
    cbFuncionarios->setCurrentIndex(0);
    cbFuncionarios->setFocus();
    edtResponsavel->clear();
    QPalette pal = edtResponsavel->palette();
    pal.setColor(QPalette::Base, corBGR(0xC0C0C0));
    pal.setColor(QPalette::Text, corBGR(Cores::Preto));
    edtResponsavel->setPalette(pal);
    edtResponsavel->setEnabled(false);
}

void TFrmUH::rbOutroClick()
{
    edtResponsavel->clear();
    QPalette pal = edtResponsavel->palette();
    pal.setColor(QPalette::Base, corBGR(Cores::Marinho));
    pal.setColor(QPalette::Text, corBGR(Cores::Branco));
    edtResponsavel->setPalette(pal);
    edtResponsavel->setEnabled(true);
    edtResponsavel->setFocus();
    cbFuncionarios->clear();
    cbFuncionarios->addItem(QString::fromUtf8(kNenhumFuncionario), qint64(0));
    cbFuncionarios->setCurrentIndex(0);
    cbFuncionarios->setEnabled(false);
}

void TFrmUH::btnConfirmarResponsavelClick()
{
    if (!pnlResponsavel->isVisible() || m_idOperacao == 0)
        return;
    QString responsavel;
    if (rbFuncionario->isChecked()) {
        if (cbFuncionarios->currentIndex() <= 0) {
            Mensagem::aviso(QString::fromUtf8(kMsgFuncionarioInvalido));
            return;
        }
        responsavel = cbFuncionarios->currentText();
    } else {
        responsavel = edtResponsavel->text().trimmed();
        if (responsavel.isEmpty()) {
            Mensagem::aviso(QString::fromUtf8(kMsgResponsavelInvalido));
            edtResponsavel->setFocus();
            return;
        }
    }
    const Resultado r = EstadoUH::concluirManutencao(DM->Conexao, m_idOperacao, m_numeroOperacao, responsavel);
    pnlResponsavel->hide();
    m_idOperacao = 0;
    if (m_touch) {
        pnlTouch->hide();
        cvTouch->setEnabled(true);
    }
    habilitarVistas(true);
    if (r != Resultado::Feito) {
        situacaoMudou(m_numeroOperacao);
        return;
    }
    reabrirLista();
    vistaAtiva()->setFocus();
}

void TFrmUH::btnCancelarResponsavelClick()
{
    pnlResponsavel->hide();
    m_idOperacao = 0;
    habilitarVistas(true);
}

// ---------------------------------------------------------------- stays and check-in

void TFrmUH::RealizarEntradaClick()
{
    const Quarto *q = atual();
    const Ganchos &g = ganchos();
    if (!q || (q->situacao != Livre && q->situacao != Reservada) || !g.entradaHospede)
        return;
    const Quarto quarto = *q;
    Sessao &s = Sessao::atual();
    const auto limpar = [&s] {
        s.WalkInExpresso = false;
        s.WalkInExpressoCLIENTE.clear();
        s.WalkInExpressoUH.clear();
    };
    s.WalkInExpresso = true;
    s.WalkInExpressoUH = QString::number(quarto.idUH);
    try {
        const bool reservada = quarto.situacao == Reservada && quarto.idReserva != 0;
        if (!reservada) {
            if (m_motel) {
                s.WalkInExpressoCLIENTE = QStringLiteral("1");
            } else {
                // Only a customer picked now counts: never one left by the
                // selection panel of another room.
                s.WalkInExpressoCLIENTE.clear();
                if (g.escolherCliente)
                    g.escolherCliente();
            }
            bool ok = false;
            const qint64 cliente = s.WalkInExpressoCLIENTE.trimmed().toLongLong(&ok);
            if (!ok || cliente <= 0) {
                Mensagem::aviso(QString::fromUtf8(kMsgSemCliente));
            } else {
                g.entradaHospede({quarto.idUH, cliente, 0, m_motel});
            }
        } else {
            const Linha c = DM->Conexao.ler(QStringLiteral("SELECT NOME, LEMBRETE FROM CLIENTE WHERE ID_CLIENTE = ?"),
                                            {quarto.idcliente});
            const QString lembrete = c.texto(QStringLiteral("LEMBRETE"));
            if (!lembrete.trimmed().isEmpty())
                Mensagem::info(QStringLiteral("Lembrete Pessoal para ") + c.texto(QStringLiteral("NOME"))
                               + QStringLiteral("\r\r") + lembrete);
            g.entradaHospede({quarto.idUH, 0, quarto.idReserva, false});
        }
    } catch (...) {
        limpar();
        throw;
    }
    limpar();
    reabrirTipos();
    reabrirLista();
}

void TFrmUH::abrirEstadia(const QString &op, bool mostrarLista)
{
    const Quarto *q = atual();
    if (!q || q->situacao != Ocupada || !ganchos().estadia)
        return;
    ganchos().estadia({op, q->entrada, q->idUH, mostrarLista});
    // Whatever the stay screens did (a check-out from the consumption form,
    // a room change from the movements list), the map shows the rooms as
    // they are now.
    reabrirTipos();
    reabrirLista();
}

void TFrmUH::PagamentoClick() { abrirEstadia(QStringLiteral("Saída"), false); }
void TFrmUH::SaidaClick() { abrirEstadia(QStringLiteral("Saída"), false); }
void TFrmUH::DespesasClick() { abrirEstadia(QStringLiteral("Despesas"), false); }
void TFrmUH::ItensClick() { abrirEstadia(QStringLiteral("Itens"), false); }
void TFrmUH::QtdHospedesClick() { abrirEstadia(QStringLiteral("Despesas"), true); }
void TFrmUH::ValorDiariaClick() { abrirEstadia(QStringLiteral("Despesas"), true); }
void TFrmUH::TransferirClick() { abrirEstadia(QStringLiteral("Despesas"), true); }

void TFrmUH::ExtratoClick()
{
    const Quarto *q = atual();
    if (!q || q->situacao != Ocupada || !ganchos().extratoConta)
        return;
    ganchos().extratoConta(q->entrada, tParametros().sim(QStringLiteral("MODO_TOUCH")));
}

void TFrmUH::EfetuarReservaClick()
{
    if (!ganchos().novaReserva)
        return;
    ganchos().novaReserva();
    reabrirTipos();
    reabrirLista();
}

void TFrmUH::btnReservasClick()
{
    if (!ganchos().listaReservas)
        return;
    ganchos().listaReservas();
    reabrirTipos();
    reabrirLista();
}

void TFrmUH::btnDespesasAvulsasClick()
{
    if (!ganchos().despesasAvulsas)
        return;
    ganchos().despesasAvulsas();
    reabrirLista();
}

// ---------------------------------------------------------------- touch

void TFrmUH::mostrarTouch(const QModelIndex &i)
{
    if (!m_touch || !i.isValid())
        return;
    const Quarto *q = tUH->quarto(filtro->mapToSource(i).row());
    if (!q)
        return;
    lblTouchUH->setText(QStringLiteral("UH: ") + q->numero);
    lblTouchEmpresa->setText(tParametros().texto(QStringLiteral("NOME_FANTASIA")));
    lblTouchOpcao->setText(QStringLiteral("Selecione uma opção"));
    const QString &s = q->situacao;
    btnTouchEntrada->setEnabled((s == Livre || s == Reservada) && ganchos().entradaHospede);
    for (QPushButton *b : {btnTouchConsumos, btnTouchItens, btnTouchSaida})
        b->setEnabled(s == Ocupada && ganchos().estadia);
    btnTouchExtrato->setEnabled(s == Ocupada && ganchos().extratoConta);
    btnTouchLiberar->setEnabled(s == Manutencao);
    cvTouch->setEnabled(false);
    pnlTouch->show();
}

void TFrmUH::btnTouchVoltarClick()
{
    pnlTouch->hide();
    cvTouch->setEnabled(true);
    cvTouch->setFocus();
}

// ---------------------------------------------------------------- keys

bool TFrmUH::eventFilter(QObject *o, QEvent *e)
{
    if (!m_montada)
        return QDialog::eventFilter(o, e);
    if (o == lblManutencao && e->type() == QEvent::MouseButtonDblClick) {
        EfetuarManutencaoClick();
        return true;
    }
    if (o == cvTouch->viewport() && e->type() == QEvent::MouseButtonPress) {
        // A left press on a card opens the touch panel (after the card is selected).
        auto *m = static_cast<QMouseEvent *>(e);
        if (m->button() == Qt::LeftButton) {
            const QModelIndex i = cvTouch->indexAt(m->position().toPoint());
            if (i.isValid()) {
                dbgUH->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect
                                                                | QItemSelectionModel::Rows);
                mostrarTouch(i);
                return true;
            }
        }
    }
    if (o == lblFecharFiltro && e->type() == QEvent::MouseButtonPress) {
        pnlFiltros->hide();
        return true;
    }
    if (o == cbTipos || o == edtFiltro) {
        if (e->type() == QEvent::FocusIn)
            ColorirControle(static_cast<QWidget *>(o), true);
        else if (e->type() == QEvent::FocusOut)
            ColorirControle(static_cast<QWidget *>(o), false);
    }
    if (e->type() != QEvent::KeyPress)
        return QDialog::eventFilter(o, e);
    auto *k = static_cast<QKeyEvent *>(e);
    const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
    if (o == edtMotivo) {
        if (enter) {
            btnConfirmarManutencaoClick();
            return true;
        }
        if (k->key() == Qt::Key_Escape) {
            btnCancelarManutencaoClick();
            return true;
        }
    } else if (o == edtFiltro) {
        if (enter) {
            btnPesquisarClick();
            return true;
        }
        if (k->key() == Qt::Key_Escape) {
            pnlFiltros->hide();
            vistaAtiva()->setFocus();
            return true;
        }
    } else if (o == edtIrPara) {
        if (enter) {
            edtIrParaEnter();
            return true;
        }
    } else if (o == dbgUH || o == cvResumo || o == cvTouch) {
        // A character typed into the rooms acts as F2.
        const QString t = k->text();
        if (!t.isEmpty() && t.at(0).isPrint() && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            if (btnNovaUH->isVisibleTo(this) && btnNovaUH->isEnabled())
                btnNovaUHClick();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void abrirCentralUH() { Telas::abrir<TFrmUH>(FrmUH); }
