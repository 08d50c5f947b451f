#include "base/TelaEdicao.h"
#include "base/CabecalhoTela.h"
#include "base/Grade.h"
#include "base/Parametros.h"
#include "base/Rotinas.h"
#include "base/UnitDM.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTextEdit>
#include <QValidator>

namespace {

bool multilinha(QObject *o) { return qobject_cast<QPlainTextEdit *>(o) || qobject_cast<QTextEdit *>(o); }

// Controls that take the focus colours.
bool ehEntrada(QObject *o)
{
    return qobject_cast<QLineEdit *>(o) || qobject_cast<QComboBox *>(o) || qobject_cast<QAbstractSpinBox *>(o)
        || multilinha(o);
}

// Controls on which Enter moves to the next field.
bool enterAvanca(QObject *o)
{
    return (ehEntrada(o) && !multilinha(o)) || qobject_cast<QCheckBox *>(o) || qobject_cast<QRadioButton *>(o);
}

// Plain text edits take the accent step; masked ones do not.
bool textoSimples(QWidget *w)
{
    auto *le = qobject_cast<QLineEdit *>(w);
    return le && le->inputMask().isEmpty();
}

// A field that takes no typing (read only, or a read-only spin box / text).
bool somenteLeitura(QWidget *w)
{
    if (auto *le = qobject_cast<QLineEdit *>(w))
        return le->isReadOnly();
    if (auto *sb = qobject_cast<QAbstractSpinBox *>(w))
        return sb->isReadOnly();
    if (auto *pt = qobject_cast<QPlainTextEdit *>(w))
        return pt->isReadOnly();
    if (auto *te = qobject_cast<QTextEdit *>(w))
        return te->isReadOnly();
    return false;
}

// Read-only fields look it: the window's grey behind black text, entering
// them or not (white and navy would invite typing that does nothing).
void pintarSomenteLeitura(QWidget *controle)
{
    QPalette p = controle->palette();
    p.setColor(QPalette::Base, QApplication::palette().color(QPalette::Window));
    p.setColor(QPalette::Text, corBGR(Cores::Preto));
    controle->setPalette(p);
}

void pintar(QWidget *controle, bool entrando)
{
    if (somenteLeitura(controle)) {
        pintarSomenteLeitura(controle);
        return;
    }
    QPalette p = controle->palette();
    p.setColor(QPalette::Base, corBGR(entrando ? Cores::Marinho : Cores::Branco));
    p.setColor(QPalette::Text, corBGR(entrando ? Cores::Branco : Cores::Preto));
    controle->setPalette(p);
    // A combo's own line edit follows it.
    if (auto *cb = qobject_cast<QComboBox *>(controle); cb && cb->lineEdit())
        cb->lineEdit()->setPalette(p);
}

void tirarAcentos(QWidget *controle)
{
    if (tParametros().texto(QStringLiteral("ACENTOS")) != QLatin1String("N"))
        return;
    if (auto *le = qobject_cast<QLineEdit *>(controle)) {
        const QString sem = RemoveAcento(le->text());
        if (sem != le->text()) {
            const int cursor = le->cursorPosition();
            le->setText(sem);
            le->setCursorPosition(cursor);
        }
    }
}

// A masked edit where nothing was typed yet (only the mask's separators).
bool mascaraVazia(QLineEdit *e)
{
    if (!e || e->inputMask().isEmpty())
        return false;
    for (QChar c : e->text())
        if (c.isLetterOrNumber())
            return false;
    return true;
}

// Date pickers take a whole date typed from their first section: entering
// the picker starts at the day, and a separator typed right after a section
// filled itself (and moved on) is not taken as a second move.
const char *const kDigitosNaSecao = "_zvDigitosNaSecao";
const char *const kEntrouPorClique = "_zvEntrouPorClique";

void inicioDaData(QDateTimeEdit *d)
{
    d->setCurrentSectionIndex(0);
    d->setSelectedSection(d->sectionAt(0));
    d->setProperty(kDigitosNaSecao, 0);
}

// Returns true when the key was dealt with here. `entregar` hands the key
// to the picker itself.
bool teclaNaData(QDateTimeEdit *d, QKeyEvent *k, const std::function<void()> &entregar)
{
    const QString t = k->text();
    if (t.size() != 1 || (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const QChar c = t.at(0);
    if (c.isDigit()) {
        const int antes = d->currentSectionIndex();
        entregar();
        // Count the digits of the section the cursor is in.
        if (d->currentSectionIndex() != antes)
            d->setProperty(kDigitosNaSecao, 0);
        else
            d->setProperty(kDigitosNaSecao, d->property(kDigitosNaSecao).toInt() + 1);
        return true;
    }
    if (c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char(':')) {
        if (d->property(kDigitosNaSecao).toInt() == 0)
            return true;
        d->setProperty(kDigitosNaSecao, 0);
    }
    return false;
}

class FiltroEdicao : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w)
            return false;
        // A click on a date picker lands on its inner text field.
        if (auto *d = qobject_cast<QDateTimeEdit *>(w->parentWidget()); d && qobject_cast<QLineEdit *>(w)) {
            if (e->type() == QEvent::MouseButtonRelease && d->property(kEntrouPorClique).toBool()) {
                d->setProperty(kEntrouPorClique, false);
                // After the field has placed its cursor where the click fell.
                QMetaObject::invokeMethod(d, [d] { inicioDaData(d); }, Qt::QueuedConnection);
            }
            return false;
        }
        switch (e->type()) {
        case QEvent::FocusIn: {
            if (ehEntrada(w))
                ColorirEdit(w, true);
            const auto motivo = static_cast<QFocusEvent *>(e)->reason();
            if (auto *d = qobject_cast<QDateTimeEdit *>(w); d && motivo != Qt::ActiveWindowFocusReason
                                                           && motivo != Qt::PopupFocusReason) {
                // A click places the cursor after this event: the day is chosen on release.
                if (motivo == Qt::MouseFocusReason)
                    d->setProperty(kEntrouPorClique, true);
                else
                    QMetaObject::invokeMethod(d, [d] { inicioDaData(d); }, Qt::QueuedConnection);
                d->setProperty(kDigitosNaSecao, 0);
            }
            if (auto *le = qobject_cast<QLineEdit *>(w); le && motivo != Qt::MouseFocusReason) {
                if (mascaraVazia(le))
                    QMetaObject::invokeMethod(le, [le] { if (mascaraVazia(le)) le->setCursorPosition(0); },
                                              Qt::QueuedConnection);
            }
            break;
        }
        case QEvent::MouseButtonRelease:
            // A click into an empty masked field puts the cursor at its first
            // position (not after the mask, where nothing typed is taken).
            if (auto *le = qobject_cast<QLineEdit *>(w); le && mascaraVazia(le) && !le->hasSelectedText())
                le->setCursorPosition(0);
            if (auto *d = qobject_cast<QDateTimeEdit *>(w); d && d->property(kEntrouPorClique).toBool()) {
                d->setProperty(kEntrouPorClique, false);
                inicioDaData(d);
            }
            break;
        case QEvent::FocusOut:
            if (ehEntrada(w))
                ColorirEdit(w, false);
            break;
        case QEvent::Show:
        case QEvent::ReadOnlyChange:
            if (ehEntrada(w))
                pintar(w, w->hasFocus());
            break;
        case QEvent::KeyPress: {
            auto *k = static_cast<QKeyEvent *>(e);
            if (auto *d = qobject_cast<QDateTimeEdit *>(w); d && !m_entregando) {
                const auto entregar = [this, d, k] {
                    m_entregando = true;
                    QCoreApplication::sendEvent(d, k);
                    m_entregando = false;
                };
                if (teclaNaData(d, k, entregar))
                    return true;
            }
            if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && enterAvanca(o)
                && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                if (auto *cb = qobject_cast<QComboBox *>(o); cb && cb->view() && cb->view()->isVisible())
                    return false;
                QWidget *proximo = w->nextInFocusChain();
                while (proximo && proximo != w
                       && !((proximo->focusPolicy() & Qt::TabFocus) && proximo->isEnabled()
                            && proximo->isVisibleTo(w->window())))
                    proximo = proximo->nextInFocusChain();
                if (proximo && proximo != w)
                    proximo->setFocus(Qt::TabFocusReason);
                return true;
            }
            break;
        }
        default:
            break;
        }
        return false;
    }

private:
    bool m_entregando = false;
};

// On the screen itself: an Enter that no control took never presses the
// dialog's default button, and Esc cancels like F12 (the dialog's own Esc
// handling stays when the screen gives no cancel action).
class FiltroTelaEdicao : public QObject {
public:
    FiltroTelaEdicao(QObject *pai, std::function<void()> cancelar) : QObject(pai), m_cancelar(std::move(cancelar)) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter)
            return true;
        if (k == Qt::Key_Escape && m_cancelar) {
            m_cancelar();
            return true;
        }
        return false;
    }

private:
    std::function<void()> m_cancelar;
};

// Upper case (optionally) and at most `maximo` characters counted as the
// database counts them; a pasted text is cut without splitting an emoji.
class ValidadorTexto : public QValidator {
public:
    ValidadorTexto(QObject *pai, bool maiusculas, int maximo)
        : QValidator(pai), m_maiusculas(maiusculas), m_maximo(maximo) {}
    State validate(QString &input, int &pos) const override
    {
        if (m_maiusculas)
            input = input.toUpper();
        if (m_maximo > 0 && contarCaracteres(input) > m_maximo) {
            input = cortarCaracteres(input, m_maximo);
            pos = qMin(pos, int(input.size()));
        }
        if (!input.isEmpty() && input.back().isHighSurrogate())
            input.chop(1);
        return Acceptable;
    }

private:
    bool m_maiusculas;
    int m_maximo;
};

// The screen's own shortcuts with Ctrl or Alt win over a text field of the
// screen, which would take Ctrl+X as "cut": the keys a screen advertises
// work from every field. Plain keys (Delete in a search box) keep their
// meaning in the field.
class FiltroAtalhosTela : public QObject {
public:
    explicit FiltroAtalhosTela(QWidget *tela) : QObject(tela), m_tela(tela)
    {
        setObjectName(QStringLiteral("filtroAtalhosTela"));
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() != QEvent::ShortcutOverride)
            return false;
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w == m_tela || w->window() != m_tela)
            return false;
        auto *k = static_cast<QKeyEvent *>(e);
        if (!(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        const QKeySequence tecla(k->keyCombination());
        bool daTela = false;
        for (QShortcut *s : m_tela->findChildren<QShortcut *>())
            daTela = daTela || (s->isEnabled() && s->key() == tecla);
        for (QAction *a : m_tela->findChildren<QAction *>())
            daTela = daTela || (a->isEnabled() && a->shortcuts().contains(tecla));
        if (!daTela)
            return false;
        // Not taken by the field: the shortcut acts.
        e->ignore();
        return true;
    }

private:
    QWidget *m_tela;
};

} // namespace

// ---------------------------------------------------------------- focus colours

void ColorirEdit(QWidget *controle, bool entrando)
{
    if (!controle)
        return;
    if (textoSimples(controle))
        tirarAcentos(controle);
    pintar(controle, entrando);
}

void ColorirControle(QWidget *controle, bool entrando)
{
    if (controle)
        pintar(controle, entrando);
}

void ColorirEdit(QWidget *controle, const QString &tipo, bool passoAcento)
{
    if (!controle || (tipo != QLatin1String("E") && tipo != QLatin1String("S")))
        return;
    const bool entrando = tipo == QLatin1String("E");
    if (passoAcento)
        ColorirEdit(controle, entrando);
    else
        ColorirControle(controle, entrando);
}

// ---------------------------------------------------------------- shortcut row

namespace {
// Keeps an entry of the shortcut row enabled only while its button is shown
// and enabled in the screen's current mode: an entry never looks pressable
// where pressing it would do nothing.
class EntradaSegueBotao : public QObject {
public:
    EntradaSegueBotao(QAction *acao, QAbstractButton *botao, QWidget *tela)
        : QObject(acao), m_acao(acao), m_botao(botao), m_tela(tela)
    {
        botao->installEventFilter(this);
        tela->installEventFilter(this);
        atualizar();
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::EnabledChange:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::Show:
            if (o == m_botao || (o == m_tela && e->type() == QEvent::Show))
                atualizar();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void atualizar()
    {
        if (m_botao && m_tela)
            m_acao->setEnabled(m_botao->isEnabled() && m_botao->isVisibleTo(m_tela));
    }
    QAction *m_acao;
    QPointer<QAbstractButton> m_botao;
    QPointer<QWidget> m_tela;
};
} // namespace

QMenuBar *criarMenuAtalhos(QDialog *tela, const QList<EntradaAtalho> &entradas)
{
    auto *menu = new QMenuBar(tela);
    menu->setObjectName(QStringLiteral("menuAtalhos"));
    menu->setNativeMenuBar(false);
    QAction *titulo = menu->addAction(QStringLiteral("ATALHOS:"));
    titulo->setEnabled(false);
    for (const EntradaAtalho &e : entradas) {
        QAction *a = menu->addAction(e.legenda);
        a->setShortcut(e.tecla);
        a->setShortcutContext(Qt::WindowShortcut);
        QPointer<QAbstractButton> botao = e.botao;
        const bool temBotao = e.botao != nullptr;
        if (temBotao)
            new EntradaSegueBotao(a, e.botao, tela);
        std::function<void()> acao = e.acao;
        QObject::connect(a, &QAction::triggered, tela, [tela, botao, temBotao, acao] {
            if (temBotao) {
                // A shortcut acts whether or not its entry is shown, but never
                // where its button is hidden or disabled in the current mode.
                if (!botao || !botao->isEnabled() || !botao->isVisibleTo(tela))
                    return;
                if (acao)
                    acao();
                else
                    botao->click();
                return;
            }
            if (acao)
                acao();
        });
    }
    atalhosEmTodoCampo(tela);
    if (tela->layout())
        tela->layout()->setMenuBar(menu);
    return menu;
}

void atalhosEmTodoCampo(QWidget *tela)
{
    if (!tela || tela->findChild<QObject *>(QStringLiteral("filtroAtalhosTela"), Qt::FindDirectChildrenOnly))
        return;
    qApp->installEventFilter(new FiltroAtalhosTela(tela));
}

QAction *acaoAtalho(QMenuBar *menu, const QString &legenda)
{
    if (!menu)
        return nullptr;
    for (QAction *a : menu->actions())
        if (a->text() == legenda)
            return a;
    return nullptr;
}

// ---------------------------------------------------------------- edit screen

QMenuBar *instalarComportamentoEdicao(QDialog *tela, ComportamentoEdicao acoes)
{
    auto *filtro = new FiltroEdicao(tela);
    for (QWidget *w : tela->findChildren<QWidget *>()) {
        if (ehEntrada(w) || enterAvanca(w))
            w->installEventFilter(filtro);
        if (auto *d = qobject_cast<QDateTimeEdit *>(w))
            if (auto *texto = d->findChild<QLineEdit *>())
                texto->installEventFilter(filtro);
    }
    tela->installEventFilter(new FiltroTelaEdicao(tela, acoes.cancelar));
    if (!acoes.legendaConfirmar.isEmpty() || !acoes.legendaCancelar.isEmpty()) {
        QList<EntradaAtalho> entradas;
        if (acoes.confirmar)
            entradas.append({acoes.legendaConfirmar, QKeySequence(Qt::Key_F10), acoes.confirmar, acoes.botaoConfirmar});
        if (acoes.cancelar)
            entradas.append({acoes.legendaCancelar, QKeySequence(Qt::Key_F12), acoes.cancelar, acoes.botaoCancelar});
        return criarMenuAtalhos(tela, entradas);
    }
    if (acoes.confirmar) {
        auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), tela);
        f10->setContext(Qt::WindowShortcut);
        QObject::connect(f10, &QShortcut::activated, tela, acoes.confirmar);
    }
    if (acoes.cancelar) {
        auto *f12 = new QShortcut(QKeySequence(Qt::Key_F12), tela);
        f12->setContext(Qt::WindowShortcut);
        QObject::connect(f12, &QShortcut::activated, tela, acoes.cancelar);
    }
    return nullptr;
}

void emMaiusculas(QLineEdit *edit, int maximo)
{
    if (!edit)
        return;
    edit->setValidator(new ValidadorTexto(edit, true, maximo));
    if (maximo > 0)
        edit->setMaxLength(2 * maximo); // UTF-16 units; the validator counts characters
}

void limitarCaracteres(QLineEdit *edit, int maximo)
{
    if (!edit || maximo <= 0)
        return;
    edit->setValidator(new ValidadorTexto(edit, false, maximo));
    edit->setMaxLength(2 * maximo);
}

TopoEdicao adicionarTopoEdicao(QDialog *tela, QBoxLayout *layout, const QString &rotuloCodigo,
                               const QString &nomeCodigo, const QString &codigoInicial, bool codigoAbaixo)
{
    TopoEdicao t{};
    t.cabecalho = criarCabecalhoTela(tela);
    layout->addWidget(t.cabecalho);
    t.titulo = new QLabel(tela);
    QFont f = t.titulo->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    t.titulo->setFont(f);
    t.codigo = new QLabel(codigoInicial, tela);
    t.codigo->setObjectName(nomeCodigo);
    t.codigo->setFont(f);
    auto *linha = new QHBoxLayout;
    if (codigoAbaixo) {
        layout->addWidget(t.titulo);
        linha->addWidget(new QLabel(rotuloCodigo, tela));
        linha->addWidget(t.codigo);
        linha->addStretch();
    } else {
        linha->addWidget(t.titulo);
        linha->addStretch();
        linha->addWidget(new QLabel(rotuloCodigo, tela));
        linha->addWidget(t.codigo);
    }
    layout->addLayout(linha);
    return t;
}

BotoesEdicao adicionarBotoesEdicao(QDialog *tela, QBoxLayout *layout, const QList<QPushButton *> &aEsquerda)
{
    BotoesEdicao b{};
    auto *linha = new QHBoxLayout;
    for (QPushButton *p : aEsquerda)
        linha->addWidget(p);
    linha->addStretch();
    b.confirmar = new QPushButton(QStringLiteral("Confirmar"), tela);
    b.cancelar = new QPushButton(QStringLiteral("Cancelar"), tela);
    b.confirmar->setObjectName(QStringLiteral("btnConfirmar"));
    b.cancelar->setObjectName(QStringLiteral("btnCancelar"));
    linha->addWidget(b.confirmar);
    linha->addWidget(b.cancelar);
    layout->addLayout(linha);
    return b;
}

ModoEdicao modoDeOP(const QString &op)
{
    if (op == QLatin1String("I"))
        return ModoEdicao::Incluir;
    if (op == QLatin1String("A"))
        return ModoEdicao::Alterar;
    return ModoEdicao::Ver;
}

QString OPdeModo(ModoEdicao modo)
{
    switch (modo) {
    case ModoEdicao::Incluir:
        return QStringLiteral("I");
    case ModoEdicao::Alterar:
        return QStringLiteral("A");
    case ModoEdicao::Ver:
        break;
    }
    return QStringLiteral("V");
}

// ---------------------------------------------------------------- reserved key

ChaveReservada::ChaveReservada(const QString &gerador) { reservar(gerador); }

ChaveReservada::~ChaveReservada()
{
    try {
        abandonar();
    } catch (const std::exception &e) {
        // Leaving the screen must not fail; orphan children are harmless.
        qWarning("ChaveReservada: %s", e.what());
    }
}

void ChaveReservada::reservar(const QString &gerador)
{
    abandonar();
    m_gerador = gerador;
    m_valor = DM->Conexao.gerador(gerador, 1);
    m_pendente = true;
}

void ChaveReservada::aoAbandonar(const QString &sqlComChave) { m_limpeza.append(sqlComChave); }

void ChaveReservada::confirmar() { m_pendente = false; }

void ChaveReservada::abandonar()
{
    if (!m_pendente)
        return;
    const qint64 chave = m_valor;
    if (!m_limpeza.isEmpty() && DM) {
        DM->Conexao.emTransacao([&] {
            for (const QString &sql : std::as_const(m_limpeza))
                DM->Conexao.executar(sql, {chave});
        });
    }
    m_pendente = false;
}
