#include "base/Mensagem.h"
#include "base/Telas.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace Mensagem {
namespace {

struct BotaoInfo {
    Botao botao;
    QMessageBox::StandardButton padrao;
    const char *texto;
};

const BotaoInfo kBotoes[] = {
    {Sim, QMessageBox::Yes, "&Sim"},
    {Ok, QMessageBox::Ok, "&Ok"},
    {Cancelar, QMessageBox::Cancel, "&Cancelar"},
    {Nao, QMessageBox::No, "&Não"},
    {Ajuda, QMessageBox::Help, "&Ajuda"},
    {Abortar, QMessageBox::Abort, "&Abortar"},
    {Repetir, QMessageBox::Retry, "&Repetir"},
    {Ignorar, QMessageBox::Ignore, "&Ignorar"},
    {Tudo, QMessageBox::YesToAll, "&Tudo"},
    {NaoParaTudo, QMessageBox::NoToAll, "N&ão para Tudo"},
    {SimParaTudo, QMessageBox::YesToAll, "Sim para &Tudo"},
    {Fechar, QMessageBox::Close, "&Fechar"},
};

Botao caixaPadrao(const Pedido &p)
{
    QList<QPair<QAbstractButton *, Botao>> criados;
    const std::unique_ptr<QMessageBox> c = montarCaixa(p, Telas::telaQueAbre(), &criados);
    QMessageBox &caixa = *c;
    caixa.exec();
    for (const auto &[pb, botao] : criados)
        if (caixa.clickedButton() == pb)
            return botao;
    // Closed with Escape or the window button: the "negative" answer.
    if (p.botoes & Cancelar) return Cancelar;
    if (p.botoes & Nao) return Nao;
    return Ok;
}

Manipulador &manipulador()
{
    static Manipulador m = caixaPadrao;
    return m;
}

Manipulador &manipuladorBase()
{
    static Manipulador m = caixaPadrao;
    return m;
}

} // namespace

std::unique_ptr<QMessageBox> montarCaixa(const Pedido &p, QWidget *pai, QList<QPair<QAbstractButton *, Botao>> *botoes)
{
    auto c = std::make_unique<QMessageBox>(pai);
    QMessageBox &caixa = *c;
    // A screen's own style (white labels on a dark panel) would reach the box,
    // a child of that screen: the box sets its own colours.
    caixa.setObjectName(QStringLiteral("caixaMensagem"));
    caixa.setStyleSheet(QStringLiteral("#caixaMensagem { background-color: #F0F0F0; }"
                                       "#caixaMensagem QLabel { color: #000000; background: transparent; }"
                                       "#caixaMensagem QPushButton { color: #000000; }"));
    switch (p.tipo) {
    case Tipo::Informacao: caixa.setIcon(QMessageBox::Information); break;
    case Tipo::Aviso: caixa.setIcon(QMessageBox::Warning); break;
    case Tipo::Erro: caixa.setIcon(QMessageBox::Critical); break;
    case Tipo::Pergunta: caixa.setIcon(QMessageBox::Question); break;
    }
    caixa.setWindowTitle(p.titulo);
    caixa.setText(p.texto);
    QList<QPair<QAbstractButton *, Botao>> criados;
    for (const auto &b : kBotoes) {
        if (!(p.botoes & b.botao))
            continue;
        QPushButton *pb = nullptr;
        switch (b.botao) {
        case Sim: case Ok: case Tudo: case SimParaTudo:
            pb = caixa.addButton(QString::fromUtf8(b.texto), QMessageBox::YesRole); break;
        case Nao: case NaoParaTudo:
            pb = caixa.addButton(QString::fromUtf8(b.texto), QMessageBox::NoRole); break;
        case Cancelar: case Fechar: case Abortar:
            pb = caixa.addButton(QString::fromUtf8(b.texto), QMessageBox::RejectRole); break;
        case Ajuda:
            pb = caixa.addButton(QString::fromUtf8(b.texto), QMessageBox::HelpRole); break;
        default:
            pb = caixa.addButton(QString::fromUtf8(b.texto), QMessageBox::ActionRole); break;
        }
        if (b.botao == p.padrao)
            caixa.setDefaultButton(pb);
        if (b.botao == Cancelar || b.botao == Nao || (b.botao == Ok && !(p.botoes & (Cancelar | Nao))))
            caixa.setEscapeButton(pb);
        criados.append({pb, b.botao});
    }
    if (botoes)
        *botoes = criados;
    return c;
}

void definirManipulador(Manipulador m) { manipulador() = std::move(m); }
void restaurarManipulador() { manipulador() = manipuladorBase(); }
void definirManipuladorPadrao(Manipulador m)
{
    manipuladorBase() = m ? std::move(m) : Manipulador(caixaPadrao);
    manipulador() = manipuladorBase();
}

QString titulo(Tipo t)
{
    switch (t) {
    case Tipo::Informacao: return QStringLiteral("Informação");
    case Tipo::Aviso: return QStringLiteral("Atenção");
    case Tipo::Erro: return QStringLiteral("Erro");
    case Tipo::Pergunta: return QStringLiteral("Confirme");
    }
    return {};
}

QString textoBotao(Botao b)
{
    for (const auto &i : kBotoes)
        if (i.botao == b)
            return QString::fromUtf8(i.texto);
    return {};
}

Botao mostrar(Tipo tipo, const QString &texto, int botoes, Botao padrao, const QString &tit)
{
    Pedido p{tipo, tit.isEmpty() ? titulo(tipo) : tit, texto, botoes, padrao};
    return manipulador()(p);
}

void info(const QString &texto, const QString &t) { mostrar(Tipo::Informacao, texto, Ok, Ok, t); }
void aviso(const QString &texto, const QString &t) { mostrar(Tipo::Aviso, texto, Ok, Ok, t); }
void erro(const QString &texto, const QString &t) { mostrar(Tipo::Erro, texto, Ok, Ok, t); }

bool pergunta(const QString &texto, const QString &t, Botao padrao)
{
    return mostrar(Tipo::Pergunta, texto, Sim | Nao, padrao, t) == Sim;
}

bool perguntaAviso(const QString &texto, const QString &t, Botao padrao)
{
    return mostrar(Tipo::Aviso, texto, Sim | Nao, padrao, t) == Sim;
}

} // namespace Mensagem
