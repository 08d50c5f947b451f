#include "rooms/UnitClientes.h"

#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "rooms/Clientes.h"
#include "rooms/UnitCadClientes.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

TFrmClientes *FrmClientes = nullptr;

namespace Clientes {

const QString kSqlSelecao = QStringLiteral(
    "SELECT CAST(CASE EXCLUIDO WHEN 'N' THEN 'OK' WHEN 'R' THEN 'Restrição' WHEN 'S' THEN 'Negativação' "
    "ELSE '' END AS VARCHAR(15)) AS AUXSTATUS, CLIENTE.* FROM CLIENTE");
const QString kSqlLista = kSqlSelecao + QStringLiteral(" ORDER BY NOME");

} // namespace Clientes

namespace {

constexpr quint32 kCorOk = 0x9FFF9F;
constexpr quint32 kCorRestricao = 0xA4FFF3;
constexpr quint32 kCorNegativacao = 0x2222FF;
constexpr quint32 kCorSelecao = 0x804000;
constexpr quint32 kCorMotivo = 0xE6FFFF;

QString estadoDe(const QVariant &v) { return v.toString().trimmed(); }

// Every cell takes its row's state colour with black text; the current row
// is white on $804000.
class DelegateClientes : public QStyledItemDelegate {
public:
    DelegateClientes(ModeloConsulta *m, QObject *parent) : QStyledItemDelegate(parent), m_modelo(m) {}

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString e = estadoDe(m_modelo->valor(index.row(), QStringLiteral("EXCLUIDO")));
        const bool selecionada = option->state & (QStyle::State_Selected | QStyle::State_HasFocus);
        if (selecionada) {
            option->backgroundBrush = corBGR(kCorSelecao);
            option->palette.setColor(QPalette::Text, Qt::white);
            option->palette.setColor(QPalette::Highlight, corBGR(kCorSelecao));
            option->palette.setColor(QPalette::HighlightedText, Qt::white);
            return;
        }
        quint32 cor = 0;
        if (e == QLatin1String("N"))
            cor = kCorOk;
        else if (e == QLatin1String("R"))
            cor = kCorRestricao;
        else if (e == QLatin1String("S"))
            cor = kCorNegativacao;
        else {
            const CoresCelula c = ColorirDBG(index.row() + 1, false);
            option->backgroundBrush = c.fundo;
            option->palette.setColor(QPalette::Text, c.texto);
            return;
        }
        option->backgroundBrush = corBGR(cor);
        option->palette.setColor(QPalette::Text, Qt::black);
    }

private:
    ModeloConsulta *m_modelo;
};

QLabel *legenda(const QString &texto, quint32 cor, QWidget *pai)
{
    return legendaCor(texto, cor, pai, cor == kCorNegativacao ? Qt::white : Qt::black);
}

} // namespace

TFrmClientes::TFrmClientes(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Clientes"));
    resize(1000, 640);
    modoEscolha = Sessao::atual().WalkInExpresso;
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    auto *busca = new QHBoxLayout;
    busca->addWidget(new QLabel(QStringLiteral("Nome do Cliente:"), this));
    edtNome = new QLineEdit(this);
    edtNome->setObjectName(QStringLiteral("edtNome"));
    emMaiusculas(edtNome, 90);
    edtNome->installEventFilter(this);
    busca->addWidget(edtNome, 1);
    busca->addSpacing(16);
    busca->addWidget(legenda(QStringLiteral("Cliente OK"), kCorOk, this));
    busca->addWidget(legenda(QStringLiteral("Restrição"), kCorRestricao, this));
    busca->addWidget(legenda(QStringLiteral("Negativação"), kCorNegativacao, this));
    layout->addLayout(busca);

    lista = new TelaLista(this);
    dbgClientes = lista->grade();
    dbgClientes->setObjectName(QStringLiteral("dbgClientes"));
    dbgClientes->setToolTip(QStringLiteral("Mais Opções -> Botão Direito do Mouse"));
    dbgClientes->setItemDelegate(new DelegateClientes(lista->modelo(), dbgClientes));
    lista->definirConsulta(Clientes::kSqlLista);
    lista->definirColunas({
        {QStringLiteral("AUXSTATUS"), QStringLiteral("Situação"), FormatoColuna::Texto, 90},
        {QStringLiteral("ID_CLIENTE"), QStringLiteral("Código"), FormatoColuna::Texto, 60},
        {QStringLiteral("NOME"), QStringLiteral("Cliente"), FormatoColuna::Texto, 260},
        {QStringLiteral("CONTATO"), QStringLiteral("Contato"), FormatoColuna::Texto, 120},
        {QStringLiteral("CNPJ_CPF"), QStringLiteral("CNPJ / CPF"), FormatoColuna::Texto, 130},
        {QStringLiteral("RG_INSC_EST"), QStringLiteral("RG / Inscrição Estadual"), FormatoColuna::Texto, 175},
        {QStringLiteral("ENDERECO"), QStringLiteral("Endereço"), FormatoColuna::Texto, 220},
        {QStringLiteral("BAIRRO"), QStringLiteral("Bairro"), FormatoColuna::Texto, 120},
        {QStringLiteral("CIDADE"), QStringLiteral("Cidade"), FormatoColuna::Texto, 120},
        {QStringLiteral("ESTADO"), QStringLiteral("UF"), FormatoColuna::Texto, 35},
        {QStringLiteral("FONE_1"), QStringLiteral("Fone"), FormatoColuna::Texto, 110},
        {QStringLiteral("FAX"), QStringLiteral("Fax"), FormatoColuna::Texto, 110},
        {QStringLiteral("CEP"), QStringLiteral("CEP"), FormatoColuna::Texto, 80},
        {QStringLiteral("EMAIL"), QStringLiteral("Email"), FormatoColuna::Texto, 180},
        {QStringLiteral("OBSERVACAO"), QStringLiteral("Observação"), FormatoColuna::Texto, 250},
    });
    lista->definirChave(QStringLiteral("ID_CLIENTE"));
    lista->definirAcaoAtual(QStringLiteral("Clientes"));
    // Fixed expressions over the columns: a search text wider than the
    // column is compared, never refused by the engine.
    auto opcao = [](const char *legenda, const char *coluna) {
        return OpcaoFiltro{QString::fromUtf8(legenda),
                           QStringLiteral("CAST(%1 AS VARCHAR(200))").arg(QLatin1String(coluna))};
    };
    FiltroLista filtro;
    filtro.modelo = Clientes::kSqlSelecao + QStringLiteral(" WHERE %1 ORDER BY NOME");
    filtro.opcoes = {opcao("Nome / Razão Social", "NOME"),  opcao("CPF / CNPJ", "CNPJ_CPF"),
                     opcao("R.G. / Insc. Estadual", "RG_INSC_EST"), opcao("Cidade", "CIDADE"),
                     opcao("Contato", "CONTATO"),          opcao("Telefone", "FONE_1"),
                     opcao("Fax", "FAX"),                  opcao("Endereço", "ENDERECO"),
                     opcao("Bairro", "BAIRRO"),            opcao("Estado", "ESTADO"),
                     opcao("CEP", "CEP")};
    filtro.prefixoLog = QStringLiteral("Tentou Localizar Cliente de ");
    filtro.maximo = 90;
    QGroupBox *pnlFiltro = lista->configurarFiltro(filtro);
    // the accents go before the search runs (installed after the list's own
    // filter, so it sees Enter first)
    lista->edtFiltro()->installEventFilter(this);
    layout->addWidget(pnlFiltro);
    layout->addWidget(dbgClientes, 1);

    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Ordem Alfabética"), Clientes::kSqlLista);
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Código"),
                              Clientes::kSqlSelecao + QStringLiteral(" ORDER BY ID_CLIENTE"));
    lista->adicionarOrdenacao(QStringLiteral("Mostra Somente Pessoas Físicas"),
                              Clientes::kSqlSelecao + QStringLiteral(" WHERE TIPO_PESSOA = 'F' ORDER BY NOME"));
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Somente Pessoas Jurídicas"),
                              Clientes::kSqlSelecao + QStringLiteral(" WHERE TIPO_PESSOA = 'J' ORDER BY NOME"));

    // reason of the current row
    pnlMotivo = new QGroupBox(QStringLiteral("Motivo:"), this);
    pnlMotivo->setObjectName(QStringLiteral("pnlMotivo"));
    pnlMotivo->setAutoFillBackground(true);
    {
        QPalette p = pnlMotivo->palette();
        p.setColor(QPalette::Window, corBGR(kCorMotivo));
        pnlMotivo->setPalette(p);
    }
    auto *lm = new QVBoxLayout(pnlMotivo);
    memMotivo = new QPlainTextEdit(pnlMotivo);
    memMotivo->setReadOnly(true);
    memMotivo->setFixedHeight(44);
    lm->addWidget(memMotivo);
    layout->addWidget(pnlMotivo);
    pnlMotivo->hide();

    // restriction / blacklisting
    pnlExcluir = new QGroupBox(QStringLiteral("Motivo:"), this);
    pnlExcluir->setObjectName(QStringLiteral("pnlExcluir"));
    auto *le = new QGridLayout(pnlExcluir);
    le->addWidget(new QLabel(QStringLiteral("Incluir:"), pnlExcluir), 0, 0);
    rbRestricao = new QRadioButton(QStringLiteral("Restrição"), pnlExcluir);
    rbNegativacao = new QRadioButton(QStringLiteral("Negativação"), pnlExcluir);
    le->addWidget(rbRestricao, 0, 1);
    le->addWidget(rbNegativacao, 0, 2);
    btnFecharExcluir = new QPushButton(QStringLiteral("x"), pnlExcluir);
    btnFecharExcluir->setToolTip(QStringLiteral("Fechar Consulta"));
    btnFecharExcluir->setFixedWidth(28);
    btnFecharExcluir->setAutoDefault(false);
    le->addWidget(btnFecharExcluir, 0, 4, Qt::AlignRight);
    edtMotivo = new QLineEdit(pnlExcluir);
    edtMotivo->setObjectName(QStringLiteral("edtMotivo"));
    emMaiusculas(edtMotivo, Clientes::kTamanhoMotivo);
    le->addWidget(edtMotivo, 1, 0, 1, 4);
    btnOK = new QPushButton(QStringLiteral("OK"), pnlExcluir);
    btnOK->setAutoDefault(false);
    le->addWidget(btnOK, 1, 4);
    le->setColumnStretch(3, 1);
    layout->addWidget(pnlExcluir);
    pnlExcluir->hide();

    auto *botoes = new QHBoxLayout;
    btnNovo = new QPushButton(QStringLiteral("Novo Cliente"), this);
    btnAlterar = new QPushButton(QStringLiteral("Alterar Cliente"), this);
    btnExcluir = new QPushButton(QStringLiteral("Restringir /Negativar"), this);
    btnRecuperar = new QPushButton(QStringLiteral("Recuperar"), this);
    btnFiltros = new QPushButton(QStringLiteral("Filtros"), this);
    btnHistorico = new QPushButton(QStringLiteral("Histórico do Cliente"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir, btnRecuperar, btnFiltros, btnHistorico}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    btnSair->setAutoDefault(false);
    botoes->addStretch();
    botoes->addWidget(btnSair);
    layout->addLayout(botoes);
    btnRecuperar->hide();

    lista->criarAtalhos({
        {QStringLiteral("|| Novo Cliente  - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnNovo},
        {QStringLiteral("|| Alterar Cliente - (Insert) ||"), QKeySequence(Qt::Key_Insert), {}, btnAlterar},
        {QStringLiteral("|| Excluir Cliente - (Delete) ||"), QKeySequence(Qt::Key_Delete), {}, btnExcluir},
        {QStringLiteral("|| Filtros - (F3) ||"), QKeySequence(Qt::Key_F3), {}, btnFiltros},
        {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
    });

    connect(btnNovo, &QPushButton::clicked, this, &TFrmClientes::btnNovoClick);
    connect(btnAlterar, &QPushButton::clicked, this, &TFrmClientes::btnAlterarClick);
    connect(btnExcluir, &QPushButton::clicked, this, &TFrmClientes::btnExcluirClick);
    connect(btnRecuperar, &QPushButton::clicked, this, &TFrmClientes::btnRecuperarClick);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmClientes::btnFiltrosClick);
    connect(btnHistorico, &QPushButton::clicked, this, &TFrmClientes::btnHistoricoClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmClientes::btnSairClick);
    connect(btnOK, &QPushButton::clicked, this, &TFrmClientes::btnOKClick);
    connect(btnFecharExcluir, &QPushButton::clicked, this, &TFrmClientes::btnFecharExcluirClick);
    connect(rbRestricao, &QRadioButton::clicked, edtMotivo, qOverload<>(&QWidget::setFocus));
    connect(rbNegativacao, &QRadioButton::clicked, edtMotivo, qOverload<>(&QWidget::setFocus));
    connect(edtNome, &QLineEdit::textChanged, this, &TFrmClientes::edtNomeChange);
    connect(lista, &TelaLista::ativada, this, &TFrmClientes::dbgClientesDblClick);
    connect(lista, &TelaLista::aberta, this, &TFrmClientes::listaAberta);
    connect(dbgClientes->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFrmClientes::tClientesAfterScroll);
}

void TFrmClientes::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    if (!Sessao::atual().direitos.MOVIMENTOS) {
        btnExcluir->hide();
        if (QAction *a = acaoAtalho(lista->menuAtalhos(), QStringLiteral("|| Excluir Cliente - (Delete) ||"))) {
            a->setVisible(false);
            a->setEnabled(false);
        }
    }
    lista->reabrir();
    edtNome->setFocus();
}

QVariantMap TFrmClientes::linhaAtual() const
{
    if (lista->vazia())
        return {};
    return lista->modelo()->registro(lista->linhaAtual());
}

void TFrmClientes::listaAberta()
{
    const bool temLinhas = !lista->vazia();
    btnAlterar->setEnabled(temLinhas);
    btnExcluir->setEnabled(temLinhas);
    btnHistorico->setEnabled(temLinhas);
    tClientesAfterScroll();
}

void TFrmClientes::tClientesAfterScroll()
{
    const bool movimentos = Sessao::atual().direitos.MOVIMENTOS;
    const QVariantMap l = linhaAtual();
    const QString estado = estadoDe(l.value(QStringLiteral("EXCLUIDO")));
    const bool marcado = !l.isEmpty() && estado != QLatin1String("N");
    if (marcado && movimentos) {
        btnExcluir->hide();
        btnRecuperar->show();
    } else {
        btnRecuperar->hide();
        btnExcluir->setVisible(movimentos);
    }
    if (marcado) {
        memMotivo->setPlainText(l.value(QStringLiteral("MOTIVO")).toString());
        pnlMotivo->show();
    } else {
        pnlMotivo->hide();
    }
}

void TFrmClientes::edtNomeChange(const QString &texto)
{
    if (texto.isEmpty()) {
        lista->modelo()->definirConsulta(Clientes::kSqlLista);
    } else {
        // A name anywhere in the customer's name. A first pass in the table's
        // own order stops at the first batch of matches: when the text is
        // that common, walking the name index fills the grid at once; when it
        // is rare, that walk would read the whole index, so the few customers
        // found are shown by their keys instead.
        const QString termo = QLatin1Char('%') + texto + QLatin1Char('%');
        constexpr int kLote = 200;
        const QList<Linha> achados = DM->Conexao.lerTodas(
            QStringLiteral("SELECT FIRST %1 ID_CLIENTE FROM CLIENTE WHERE NOME LIKE CAST(? AS VARCHAR(200))")
                .arg(kLote + 1),
            {termo});
        if (achados.size() > kLote) {
            lista->modelo()->definirConsulta(
                Clientes::kSqlSelecao + QStringLiteral(" WHERE NOME LIKE CAST(? AS VARCHAR(200)) ORDER BY NOME"),
                {termo});
        } else {
            // Always kLote places (0 is no customer's key): one statement
            // text, prepared once.
            Valores chaves;
            for (const Linha &l : achados)
                chaves << l.inteiro(QStringLiteral("ID_CLIENTE"));
            while (chaves.size() < kLote)
                chaves << 0;
            static const QString porChaves = Clientes::kSqlSelecao + QStringLiteral(" WHERE ID_CLIENTE IN (")
                                             + QStringList(kLote, QStringLiteral("?")).join(QLatin1Char(','))
                                             + QStringLiteral(") ORDER BY NOME");
            lista->modelo()->definirConsulta(porChaves, chaves);
        }
    }
    lista->reabrir();
}

bool TFrmClientes::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
        if (o == edtNome && enter) {
            dbgClientes->setFocus();
            return true;
        }
        if (o == lista->edtFiltro() && enter
            && tParametros().texto(QStringLiteral("ACENTOS")) == QLatin1String("N"))
            lista->edtFiltro()->setText(RemoveAcento(lista->edtFiltro()->text()));
    }
    if (o == edtNome && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut))
        ColorirEdit(edtNome, e->type() == QEvent::FocusIn);
    return QDialog::eventFilter(o, e);
}

void TFrmClientes::abrirCadastro()
{
    const int r = Telas::abrir<TFrmCadClientes>(FrmCadClientes, OP, linhaAtual(), this);
    if (r != QDialog::Accepted)
        OP.clear();
    lista->reabrir();
}

void TFrmClientes::btnNovoClick()
{
    OP = QStringLiteral("I");
    abrirCadastro();
}

void TFrmClientes::btnAlterarClick()
{
    if (lista->vazia())
        return;
    if (OP != QLatin1String("V"))
        OP = QStringLiteral("A");
    abrirCadastro();
}

void TFrmClientes::dbgClientesDblClick()
{
    if (lista->vazia())
        return;
    if (!modoEscolha) {
        OP = QStringLiteral("V");
        btnAlterarClick();
        return;
    }
    const QVariantMap l = linhaAtual();
    const bool aceito = Clientes::aceitarEntradaExpressa(
        estadoDe(l.value(QStringLiteral("EXCLUIDO"))), l.value(QStringLiteral("NOME")).toString(),
        l.value(QStringLiteral("MOTIVO")).toString(), l.value(QStringLiteral("LEMBRETE")).toString());
    if (!aceito)
        return;
    clienteEscolhido = l.value(QStringLiteral("ID_CLIENTE")).toLongLong();
    Sessao::atual().WalkInExpressoCLIENTE = QString::number(clienteEscolhido);
    accept();
}

void TFrmClientes::btnExcluirClick()
{
    if (lista->vazia() || !Sessao::atual().direitos.MOVIMENTOS || !btnExcluir->isVisible())
        return;
    if (!Mensagem::pergunta(Clientes::kMsgConfirmaExcluir))
        return;
    edtMotivo->clear();
    rbRestricao->setChecked(true);
    pnlExcluir->show();
    dbgClientes->setEnabled(false);
    edtMotivo->setFocus();
}

void TFrmClientes::btnFecharExcluirClick()
{
    pnlExcluir->hide();
    dbgClientes->setEnabled(true);
}

void TFrmClientes::btnOKClick()
{
    if (edtMotivo->text().trimmed().isEmpty()) {
        Mensagem::info(Clientes::kMsgInformeMotivo);
        edtMotivo->setFocus();
        return;
    }
    const qint64 id = linhaAtual().value(QStringLiteral("ID_CLIENTE")).toLongLong();
    lista->prepararExclusao();
    const bool feito = Clientes::restringir(
        DM->Conexao, id, rbNegativacao->isChecked() ? QStringLiteral("S") : QStringLiteral("R"), edtMotivo->text());
    if (feito)
        Mensagem::info(Clientes::kMsgExcluido);
    else
        Mensagem::aviso(Clientes::kMsgNaoEncontrado);
    lista->reabrir();
    pnlExcluir->hide();
    dbgClientes->setEnabled(true);
}

void TFrmClientes::btnRecuperarClick()
{
    if (lista->vazia())
        return;
    if (!Mensagem::pergunta(Clientes::kMsgConfirmaRecuperar))
        return;
    const qint64 id = linhaAtual().value(QStringLiteral("ID_CLIENTE")).toLongLong();
    lista->prepararExclusao();
    const bool feito = Clientes::recuperar(DM->Conexao, id);
    lista->reabrir();
    if (feito)
        Mensagem::info(Clientes::kMsgRecuperado);
    else
        Mensagem::aviso(Clientes::kMsgNaoEncontrado);
}

void TFrmClientes::btnFiltrosClick() { lista->mostrarFiltro(); }

void TFrmClientes::btnHistoricoClick()
{
    if (lista->vazia())
        return;
    if (!Clientes::abrirHistorico(linhaAtual().value(QStringLiteral("ID_CLIENTE")).toLongLong()))
        Mensagem::info(QStringLiteral("O histórico de hospedagens não está disponível nesta instalação."));
}

void TFrmClientes::btnSairClick() { reject(); }

void abrirClientes(QWidget *parent) { Telas::abrir<TFrmClientes>(FrmClientes, parent); }

qint64 escolherClienteEntrada(QWidget *parent)
{
    Sessao &s = Sessao::atual();
    const bool antes = s.WalkInExpresso;
    s.WalkInExpresso = true;
    s.WalkInExpressoCLIENTE.clear();
    struct Volta {
        Sessao &s;
        bool v;
        ~Volta() { s.WalkInExpresso = v; }
    } volta{s, antes};
    Telas::abrir<TFrmClientes>(FrmClientes, parent);
    return s.WalkInExpressoCLIENTE.toLongLong();
}
