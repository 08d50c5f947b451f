// Every button and menu entry a screen shows enabled does something when
// pressed: it opens a screen, shows a message or a prompt, changes what the
// screen shows, closes it, writes to the log or hands work to the main window.
// The screens are wired as the program wires them (the main window registers
// every subsystem), opened the way the user reaches them, and each control is
// pressed on a fresh instance of its screen. Screens opened by a control and
// boxes it shows are recorded, never shown; questions are answered "Não".
#include "app/UnitQuintara.h"
#include "base/Digitacao.h"
#include "base/Janela.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/TelaEdicao.h"
#include "base/Telas.h"
#include "finance/UnitCadCaixa.h"
#include "finance/UnitCaixa.h"
#include "rooms/UnitCadClientes.h"
#include "rooms/UnitCadReservas.h"
#include "rooms/UnitClientes.h"
#include "rooms/UnitReservas.h"
#include "rooms/UnitUH.h"
#include "stays/CalculoEstadia.h"
#include "stays/Entrada.h"
#include "stays/UnitCadWalkIn.h"
#include "stays/UnitFormaPag.h"
#include "stays/UnitRelExtratoConta.h"
#include "stays/UnitWalkIn.h"
#include "support/TelasTeste.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <typeindex>

namespace {

const QDate kHoje(2026, 3, 12);

// ------------------------------------------------------------ what a press did

// Asks of the main window, recorded; a ribbon command asked for is counted as done.
class JanelaGravada : public Janela::Servico {
public:
    QStringList pedidos;
    void atualizarAlertas(bool clicou) override { Q_UNUSED(clicou); }
    void mostrarIconeChat(bool) override {}
    void fechar() override { pedidos << QStringLiteral("fechar a janela principal"); }
    void encerrarPrograma() override { pedidos << QStringLiteral("encerrar o programa"); }
    bool abrirTela(const QString &nome) override
    {
        pedidos << QStringLiteral("comando ") + nome;
        return true;
    }
};

// What a screen shows, as text: each widget's kind, name, visibility, state
// and contents. Two equal pictures mean the press changed nothing visible.
QString retrato(QWidget *tela)
{
    QStringList r;
    r << tela->windowTitle() << QString::number(tela->isVisible()) << QString::number(int(tela->windowState()));
    if (auto *d = qobject_cast<QDialog *>(tela))
        r << QString::number(d->result());
    const QList<QWidget *> filhos = tela->findChildren<QWidget *>();
    for (QWidget *w : filhos) {
        if (w->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<QScrollBar *>(w) || w->isWindow())
            continue;
        QString s = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(':') + w->objectName() +
                    QLatin1Char(':') + QString::number(w->isVisible()) + QString::number(w->isEnabled());
        if (auto *x = qobject_cast<QLabel *>(w))
            s += x->text() + QString::number(x->pixmap().cacheKey());
        else if (auto *x = qobject_cast<QAbstractButton *>(w))
            s += x->text() + QString::number(x->isChecked());
        else if (auto *x = qobject_cast<QLineEdit *>(w))
            s += x->text() + QString::number(x->isReadOnly());
        else if (auto *x = qobject_cast<QTextEdit *>(w))
            s += x->toPlainText();
        else if (auto *x = qobject_cast<QPlainTextEdit *>(w))
            s += x->toPlainText();
        else if (auto *x = qobject_cast<QComboBox *>(w))
            s += QString::number(x->count()) + QLatin1Char('/') + QString::number(x->currentIndex()) + x->currentText();
        else if (auto *x = qobject_cast<QAbstractSpinBox *>(w))
            s += x->text();
        else if (auto *x = qobject_cast<QTabWidget *>(w))
            s += QString::number(x->currentIndex());
        else if (auto *x = qobject_cast<QStackedWidget *>(w))
            s += QString::number(x->currentIndex());
        else if (auto *x = qobject_cast<QGroupBox *>(w))
            s += x->title() + QString::number(x->isChecked());
        else if (auto *x = qobject_cast<QAbstractItemView *>(w)) {
            const QAbstractItemModel *m = x->model();
            if (m) {
                s += QStringLiteral("%1x%2@%3,%4").arg(m->rowCount()).arg(m->columnCount())
                         .arg(x->currentIndex().row()).arg(x->currentIndex().column());
                for (int i = 0; i < qMin(m->rowCount(), 200); ++i)
                    for (int j = 0; j < m->columnCount(); ++j)
                        s += QLatin1Char('|') + m->data(m->index(i, j)).toString();
            }
        }
        r << s;
    }
    // Popup menus it opened.
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<QMenu *>(w) && w->isVisible())
            r << QStringLiteral("menu aberto ") + w->objectName();
    return r.join(QLatin1Char('\n'));
}

// A control the user can press: a button, an entry of the screen's menu row,
// of a context menu or of a button's menu.
struct Controle {
    QString nome;
    std::function<void()> pressionar;
};

// Inner parts of Qt's own widgets are not the screen's controls.
bool parteDeOutroControle(QWidget *w, QWidget *tela)
{
    for (QWidget *p = w->parentWidget(); p && p != tela; p = p->parentWidget())
        if (qobject_cast<QAbstractItemView *>(p) || qobject_cast<QCalendarWidget *>(p) || qobject_cast<QTabBar *>(p) ||
            qobject_cast<QAbstractSpinBox *>(p) || qobject_cast<QComboBox *>(p) || qobject_cast<QScrollBar *>(p))
            return true;
    return false;
}

QMenu *menuDe(QAbstractButton *b)
{
    if (auto *p = qobject_cast<QPushButton *>(b))
        return p->menu();
    if (auto *t = qobject_cast<QToolButton *>(b))
        return t->menu();
    return nullptr;
}

QString semAcelerador(QString t) { return t.remove(QLatin1Char('&')).simplified(); }

QList<QMenu *> menusAbertos()
{
    QList<QMenu *> r;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *m = qobject_cast<QMenu *>(w); m && m->isVisible())
            r << m;
    return r;
}

void fecharMenus()
{
    for (QMenu *m : menusAbertos())
        m->hide();
}

// The enabled entries of a menu, those of its submenus included.
void entradas(const QString &onde, const QList<QAction *> &acoes, QList<Controle> &r)
{
    for (QAction *a : acoes) {
        if (a->isSeparator() || !a->isVisible() || !a->isEnabled())
            continue;
        if (QMenu *sub = a->menu()) {
            emit sub->aboutToShow();
            entradas(onde + QStringLiteral(" > ") + semAcelerador(a->text()), sub->actions(), r);
            continue;
        }
        r.append({onde + QStringLiteral(" > ") + semAcelerador(a->text()), [a] { a->trigger(); }});
    }
}

// Opens the context menu of a widget as a right click over its current row would.
void abrirMenuDeContexto(QWidget *w)
{
    QPoint pos = w->rect().center();
    if (auto *v = qobject_cast<QAbstractItemView *>(w)) {
        const QRect item = v->visualRect(v->currentIndex());
        pos = item.isValid() ? item.center() : v->viewport()->rect().center();
    }
    if (w->contextMenuPolicy() == Qt::CustomContextMenu) {
        emit w->customContextMenuRequested(pos);
    } else {
        QContextMenuEvent e(QContextMenuEvent::Mouse, pos, w->mapToGlobal(pos));
        QApplication::sendEvent(w, &e);
    }
}

// The controls shown and enabled: buttons, the menu row's entries, then the
// entries of the context menus and of the buttons' menus.
QList<Controle> controlesDe(QWidget *tela)
{
    QList<Controle> r;
    const auto proprio = [tela](QWidget *w) {
        return w->isVisible() && !w->objectName().startsWith(QLatin1String("qt_")) && !parteDeOutroControle(w, tela);
    };
    for (QAbstractButton *b : tela->findChildren<QAbstractButton *>()) {
        if (!proprio(b) || !b->isEnabled() || qobject_cast<QCheckBox *>(b) || qobject_cast<QRadioButton *>(b))
            continue;
        const QString nome = (b->objectName().isEmpty() ? QString() : b->objectName() + QLatin1Char(' ')) +
                             QLatin1Char('"') + semAcelerador(b->text()) + QLatin1Char('"');
        if (QMenu *m = menuDe(b)) {
            emit m->aboutToShow();
            entradas(QStringLiteral("menu de ") + nome, m->actions(), r);
        } else {
            r.append({nome, [b] { b->click(); }});
        }
    }
    for (QMenuBar *barra : tela->findChildren<QMenuBar *>())
        if (proprio(barra) && barra->isEnabled())
            entradas(QStringLiteral("linha ") + barra->objectName(), barra->actions(), r);
    for (QWidget *w : tela->findChildren<QWidget *>()) {
        if (!proprio(w) || !w->isEnabled() || w->contextMenuPolicy() == Qt::ActionsContextMenu ||
            (w->contextMenuPolicy() != Qt::CustomContextMenu && !qobject_cast<QAbstractItemView *>(w)))
            continue;
        abrirMenuDeContexto(w);
        for (QMenu *m : menusAbertos())
            entradas(QStringLiteral("menu de contexto de ") + w->objectName(), m->actions(), r);
        fecharMenus();
    }
    return r;
}

// ------------------------------------------------------------ the screens

struct Tela {
    const char *nome;
    std::type_index tipo;
    // Opens the screen as the program does.
    std::function<void()> abrir;
    // Puts the screen in the state the user has when pressing (a row chosen).
    std::function<void(QDialog *)> preparar = {};
};

// Opens `abrir`'s screen of type T and presses something on it, which opens
// the screen under test (the way a user gets there).
template <class T>
std::function<void()> dentroDe(std::function<void()> abrir, std::function<void(T *)> apertar)
{
    return [abrir, apertar] {
        Telas::interceptar<T>([apertar](T *t) {
            ativar(t);
            apertar(t);
            return int(QDialog::Rejected);
        });
        abrir();
        Telas::liberar(typeid(T));
    };
}

class ControlesVivos : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(13, 0)));
        janela = std::make_unique<TFrmQuintara>();
        Janela::instalar(&gravada);
        Mensagem::definirManipulador([this](const Mensagem::Pedido &p) {
            efeitos << QStringLiteral("mensagem: ") + p.texto;
            // On the way to the screen the user says yes (the check-out's question).
            if (abrindo && (p.botoes & Mensagem::Sim))
                return Mensagem::Sim;
            for (Mensagem::Botao b : {Mensagem::Nao, Mensagem::Cancelar, Mensagem::Ok})
                if (p.botoes & b)
                    return b;
            return p.padrao;
        });
        Digitacao::definirManipulador([this](const Digitacao::Pedido &p) -> std::optional<QString> {
            efeitos << QStringLiteral("digitação: ") + p.rotulo;
            return std::nullopt;
        });
        Telas::definirSemInterceptador([this](const char *tipo) { efeitos << QStringLiteral("tela ") + QString::fromLatin1(tipo); });
        montarHotel();
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        Telas::definirSemInterceptador([](const char *tipo) {
            ADD_FAILURE() << "tela modal não interceptada pelo teste: " << tipo;
        });
        Digitacao::restaurarManipulador();
        Mensagem::definirManipulador([](const Mensagem::Pedido &) { return Mensagem::Ok; });
        Janela::instalar(nullptr);
        janela.reset();
        Relogio::liberar();
        TelasTeste::TearDown();
    }

    // A small hotel in the middle of a day: an open shift, room 101 occupied
    // by a guest who drank a beer, 102 free, 103 reserved from tomorrow.
    void montarHotel()
    {
        ConexaoBanco &b = banco();
        b.executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, USUARIO, ATUAL, VALOR_ABERT) "
                                  "VALUES (?, '07:00', 'ADMIN', 50, 50)"),
                   {kHoje});
        const qint64 tipo = b.valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P1MIN, P2MIN) "
                                                   "VALUES ('LUXO', 'LX', 100, 150, 80, 120) RETURNING ID_TIPO_UH"))
                                .toLongLong();
        uh101 = b.valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO) VALUES (?, '101') RETURNING ID_UH"), {tipo})
                    .toLongLong();
        uh102 = b.valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO) VALUES (?, '102') RETURNING ID_UH"), {tipo})
                    .toLongLong();
        uh103 = b.valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO) VALUES (?, '103') RETURNING ID_UH"), {tipo})
                    .toLongLong();
        cliente = b.valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) "
                                         "VALUES ('JOÃO D''ÁVILA', 'F', '') RETURNING ID_CLIENTE"))
                      .toLongLong();
        const qint64 reserva =
            b.valor(QStringLiteral("INSERT INTO RESERVA (DATA_ENTRADA, DATA_SAIDA, ID_CLIENTE, ID_UH, QTD_PESSOAS) "
                                   "VALUES (?, ?, ?, ?, 2) RETURNING ID_RESERVA"),
                    {kHoje.addDays(1), kHoje.addDays(3), cliente, uh103})
                .toLongLong();
        for (int i = 1; i <= 3; ++i)
            b.executar(QStringLiteral("INSERT INTO RESERVA_UH (ID_RESERVA, DATA_ENTRADA, ID_UH) VALUES (?, ?, ?)"),
                       {reserva, kHoje.addDays(i), uh103});
        const qint64 bar =
            b.valor(QStringLiteral("INSERT INTO PDV (DESCRICAO, TAXA) VALUES ('BAR', 10) RETURNING ID_PDV")).toLongLong();
        b.valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ID_PDV, ESTOQUE) "
                               "VALUES ('CERVEJA', 10, ?, 24) RETURNING ID_P_S"),
                {bar});

        Entrada::Dados d;
        d.cliente = cliente;
        d.nomeCliente = QStringLiteral("JOÃO D'ÁVILA");
        d.uh = uh101;
        d.numeroUH = QStringLiteral("101");
        d.pessoas = QStringLiteral("2");
        d.dataEntrada = kHoje.addDays(-1);
        d.horaEntrada = QTime(13, 0);
        d.dataSaida = kHoje.addDays(1);
        d.horaSaida = QTime(12, 0);
        const CalculoEstadia::TaxaPessoas taxa = CalculoEstadia::taxaParaPessoas(CalculoEstadia::lerTaxas(b, uh101), 2);
        d.diaria = taxa.diaria.formatado();
        d.valorDiariaPadrao = taxa.diaria;
        d.valorMin = taxa.minimo;
        const Entrada::Gravacao g = Entrada::incluir(b, d, QStringLiteral("ADMIN"), kHoje.addDays(-1));
        ASSERT_FALSE(g.recusa.has_value());
        estadia = g.idEntrada;
    }

    // The hotel again on a fresh copy of the database: what one press wrote
    // (a check-out, a closed shift) does not change what the next one meets.
    void novoHotel()
    {
        static int n = 0;
        const QString sub = pasta() + QStringLiteral("/hotel%1").arg(++n);
        QDir().mkpath(sub);
        banco().desconectar();
        banco().definirCaminho(copiarBancoModelo(sub));
        banco().conectar();
        ReapontarGridEsquecer();
        tParametros().recarregar();
        montarHotel();
    }

    // Rows this connection inserted, changed or deleted so far.
    qint64 escritas()
    {
        return banco()
            .valor(QStringLiteral("SELECT COALESCE(SUM(r.MON$RECORD_INSERTS + r.MON$RECORD_UPDATES + r.MON$RECORD_DELETES), 0) "
                                  "FROM MON$ATTACHMENTS a JOIN MON$RECORD_STATS r ON r.MON$STAT_ID = a.MON$STAT_ID "
                                  "WHERE a.MON$ATTACHMENT_ID = CURRENT_CONNECTION"))
            .toLongLong();
    }

    // Presses every control of the screen, each on a fresh instance; returns
    // the controls that did nothing.
    QStringList controlesMortos(const Tela &t)
    {
        QList<QString> nomes;
        Telas::interceptar(t.tipo, [&](QDialog *d) {
            ativar(d);
            if (t.preparar)
                t.preparar(d);
            for (const Controle &c : controlesDe(d))
                nomes << c.nome;
            abrindo = false;
            return int(QDialog::Rejected);
        });
        abrindo = true;
        t.abrir();
        abrindo = false;
        Telas::liberar(t.tipo);
        EXPECT_FALSE(nomes.isEmpty()) << t.nome << ": a tela não abriu ou não mostra controles";
        // ZV_LISTAR=1 lists each screen's controls and what each press did.
        if (qEnvironmentVariableIsSet("ZV_LISTAR"))
            qInfo().noquote() << t.nome << nomes.join(QStringLiteral(" | "));

        QStringList mortos;
        bool escreveu = true;
        for (int i = 0; i < nomes.size(); ++i) {
            if (escreveu)
                novoHotel();
            const qint64 escritasAntes = escritas();
            bool dentro = false, pressionado = false;
            QString antes, depois;
            QStringList feitos;
            Telas::interceptar(t.tipo, [&](QDialog *d) {
                if (dentro) {
                    // The press opened another screen of the same kind.
                    efeitos << QStringLiteral("tela ") + QString::fromLatin1(t.tipo.name());
                    return int(QDialog::Rejected);
                }
                dentro = true;
                abrindo = false;
                ativar(d);
                if (t.preparar)
                    t.preparar(d);
                const QList<Controle> cs = controlesDe(d);
                if (i < cs.size() && cs.at(i).nome == nomes.at(i)) {
                    QCoreApplication::processEvents();
                    antes = retrato(d);
                    const int logAntes = contar(QStringLiteral("SELECT COUNT(*) FROM LOG"));
                    const QString areaAntes = QGuiApplication::clipboard()->text();
                    efeitos.clear();
                    gravada.pedidos.clear();
                    // A list read again counts, even when it reads the same rows.
                    bool releu = false;
                    QList<QMetaObject::Connection> ligacoes;
                    for (QAbstractItemView *v : d->findChildren<QAbstractItemView *>())
                        if (QAbstractItemModel *m = v->model()) {
                            ligacoes << QObject::connect(m, &QAbstractItemModel::modelReset, [&releu] { releu = true; });
                            ligacoes << QObject::connect(m, &QAbstractItemModel::layoutChanged, [&releu] { releu = true; });
                        }
                    cs.at(i).pressionar();
                    for (const auto &l : ligacoes)
                        QObject::disconnect(l);
                    if (releu)
                        feitos << QStringLiteral("releu a lista");
                    pressionado = true;
                    QCoreApplication::processEvents();
                    feitos += efeitos + gravada.pedidos;
                    if (contar(QStringLiteral("SELECT COUNT(*) FROM LOG")) != logAntes)
                        feitos << QStringLiteral("registro no log");
                    if (QGuiApplication::clipboard()->text() != areaAntes)
                        feitos << QStringLiteral("área de transferência");
                    depois = retrato(d);
                }
                fecharMenus();
                dentro = false;
                return int(QDialog::Rejected);
            });
            abrindo = true;
            t.abrir();
            abrindo = false;
            Telas::liberar(t.tipo);
            EXPECT_TRUE(pressionado) << t.nome << ": " << nomes.at(i).toStdString() << " não foi encontrado de novo";
            escreveu = escritas() != escritasAntes;
            if (qEnvironmentVariableIsSet("ZV_LISTAR"))
                qInfo().noquote() << "  " << nomes.at(i) << "->" << feitos.join(QStringLiteral("; "))
                                  << (antes != depois ? "(mudou)" : "");
            if (pressionado && feitos.isEmpty() && antes == depois)
                mortos << nomes.at(i);
        }
        return mortos;
    }

    std::unique_ptr<TFrmQuintara> janela;
    JanelaGravada gravada;
    QStringList efeitos;
    bool abrindo = false;
    qint64 uh101 = 0, uh102 = 0, uh103 = 0, cliente = 0, estadia = 0;
};

// A screen with one control of each kind that works and one that does
// nothing: only the dead ones are reported.
class TelaDeProva : public QDialog {
public:
    TelaDeProva()
    {
        auto *l = new QVBoxLayout(this);
        auto *menu = criarMenuAtalhos(this, {{QStringLiteral("Fecha"), {}, [this] { reject(); }},
                                             {QStringLiteral("Parada"), {}, [] {}}});
        Q_UNUSED(menu);
        auto *rotulo = new QLabel(QStringLiteral("0"), this);
        auto *muda = new QPushButton(QStringLiteral("Muda"), this);
        connect(muda, &QPushButton::clicked, this, [rotulo] { rotulo->setText(QStringLiteral("1")); });
        auto *avisa = new QPushButton(QStringLiteral("Avisa"), this);
        connect(avisa, &QPushButton::clicked, this, [] { Mensagem::info(QStringLiteral("Aviso")); });
        auto *morto = new QPushButton(QStringLiteral("Morto"), this);
        auto *escondido = new QPushButton(QStringLiteral("Escondido"), this);
        escondido->hide();
        auto *desabilitado = new QPushButton(QStringLiteral("Desabilitado"), this);
        desabilitado->setEnabled(false);
        for (QWidget *w : std::initializer_list<QWidget *>{rotulo, muda, avisa, morto, escondido, desabilitado})
            l->addWidget(w);
    }
};

TEST_F(ControlesVivos, SoOsControlesQueNadaFazemSaoApontados)
{
    const Tela t{"Tela de prova", typeid(TelaDeProva), [] { Telas::abrir<TelaDeProva>(); }};
    EXPECT_EQ(controlesMortos(t), (QStringList{QStringLiteral("\"Morto\""), QStringLiteral("linha menuAtalhos > Parada")}));
}

// The room map with the occupied, the free and the reserved room chosen.
TEST_F(ControlesVivos, MapaDeUHs)
{
    for (const qint64 *uh : {&uh101, &uh102, &uh103}) {
        const qint64 id = *uh;
        SCOPED_TRACE(id);
        const Tela t{"Mapa de UHs", typeid(TFrmUH), [] { abrirCentralUH(); },
                     [id](QDialog *d) { static_cast<TFrmUH *>(d)->selecionar(id); }};
        EXPECT_EQ(controlesMortos(t), QStringList());
    }
}

// The stay list and the stay form in each of the modes the map and the
// ribbon open it in.
TEST_F(ControlesVivos, EstadiasListaEFormulario)
{
    const Tela lista{"Lista de estadias", typeid(TFrmWalkIn),
                     [this] { ASSERT_TRUE(janela->executarComando(QStringLiteral("btnWalkInClick"))); }};
    EXPECT_EQ(controlesMortos(lista), QStringList());
    for (const char *modo : {"Despesas", "Itens", "Saída"}) {
        SCOPED_TRACE(modo);
        const QString op = QString::fromUtf8(modo);
        const Tela form{"Formulário de estadia", typeid(TFrmCadWalkIn),
                        [this, op] { MapaUH::ganchos().estadia({op, estadia, uh101, false}); }};
        EXPECT_EQ(controlesMortos(form), QStringList());
    }
    const Tela nova{"Nova estadia", typeid(TFrmCadWalkIn),
                    [this] { MapaUH::ganchos().entradaHospede({uh102, cliente, 0, false}); }};
    EXPECT_EQ(controlesMortos(nova), QStringList());
}

// The check-out: the payment screen the stay form's "Fechar Conta" opens,
// and the account statement.
TEST_F(ControlesVivos, SaidaEExtrato)
{
    const Tela telas[] = {
        {"Pagamento da saída", typeid(TFrmFormaPag),
         dentroDe<TFrmCadWalkIn>([this] { MapaUH::ganchos().estadia({QStringLiteral("Saída"), estadia, uh101, false}); },
                                 [](TFrmCadWalkIn *f) { f->btnFecharConta->click(); })},
        {"Extrato de conta", typeid(TFrmRelExtratoConta),
         [this] { ASSERT_TRUE(janela->executarComando(QStringLiteral("btnRelExtratoContaClick"))); }},
        {"Histórico do cliente", typeid(TFrmWalkIn),
         dentroDe<TFrmClientes>([] { abrirClientes(); }, [](TFrmClientes *f) { f->btnHistorico->click(); })},
    };
    for (const Tela &t : telas) {
        SCOPED_TRACE(t.nome);
        EXPECT_EQ(controlesMortos(t), QStringList());
    }
}

// Customers and reservations.
TEST_F(ControlesVivos, ClientesEReservas)
{
    const Tela telas[] = {
        {"Lista de clientes", typeid(TFrmClientes), [] { abrirClientes(); }},
        {"Cadastro de cliente novo", typeid(TFrmCadClientes),
         [] { Telas::abrir<TFrmCadClientes>(FrmCadClientes, QStringLiteral("I"), QVariantMap(), nullptr); }},
        {"Cadastro de cliente existente", typeid(TFrmCadClientes),
         dentroDe<TFrmClientes>([] { abrirClientes(); }, [](TFrmClientes *f) { f->btnAlterar->click(); })},
        {"Lista de reservas", typeid(TFrmReservas),
         [this] { ASSERT_TRUE(janela->executarComando(QStringLiteral("btnReservasClick"))); }},
        {"Reserva nova", typeid(TFrmCadReservas),
         dentroDe<TFrmReservas>([this] { ASSERT_TRUE(janela->executarComando(QStringLiteral("btnReservasClick"))); },
                                [](TFrmReservas *f) { f->btnNova->click(); })},
    };
    for (const Tela &t : telas) {
        SCOPED_TRACE(t.nome);
        EXPECT_EQ(controlesMortos(t), QStringList());
    }
}

// The cash-register shifts.
TEST_F(ControlesVivos, Caixa)
{
    const Tela telas[] = {
        {"Caixas", typeid(TFrmCaixa), [] { abrirCaixa(); }},
        // The first day of a new installation: no shift yet.
        {"Caixas antes do primeiro turno", typeid(TFrmCaixa), [this] {
             banco().executar(QStringLiteral("DELETE FROM CAIXA"));
             abrirCaixa();
         }},
        // A new shift, the day's one closed.
        {"Abertura de caixa", typeid(TFrmCadCaixa), [this] {
             banco().executar(QStringLiteral("UPDATE CAIXA SET DATA_FECHA = ?, HORA_FECHA = '12:00'"), {kHoje});
             dentroDe<TFrmCaixa>([] { abrirCaixa(); }, [](TFrmCaixa *f) { f->btnAbrir->click(); })();
         }},
    };
    for (const Tela &t : telas) {
        SCOPED_TRACE(t.nome);
        EXPECT_EQ(controlesMortos(t), QStringList());
    }
}

} // namespace
