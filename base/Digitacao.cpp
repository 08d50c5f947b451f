#include "base/Digitacao.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Digitacao {
namespace {

std::optional<QString> caixaPadrao(const Pedido &p)
{
    QDialog caixa(QApplication::activeWindow());
    caixa.setWindowTitle(p.titulo);
    auto *layout = new QVBoxLayout(&caixa);
    auto *rotulo = new QLabel(p.rotulo, &caixa);
    auto *edit = new QLineEdit(p.padrao, &caixa);
    rotulo->setBuddy(edit);
    if (p.senha) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    }
    if (p.maximo > 0)
        edit->setMaxLength(p.maximo);
    edit->selectAll();
    auto *botoes = new QDialogButtonBox(&caixa);
    botoes->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    botoes->addButton(QStringLiteral("&Cancelar"), QDialogButtonBox::RejectRole);
    QObject::connect(botoes, &QDialogButtonBox::accepted, &caixa, &QDialog::accept);
    QObject::connect(botoes, &QDialogButtonBox::rejected, &caixa, &QDialog::reject);
    layout->addWidget(rotulo);
    layout->addWidget(edit);
    layout->addWidget(botoes);
    caixa.setMinimumWidth(320);
    edit->setFocus();
    if (caixa.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->text();
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

void definirManipulador(Manipulador m) { manipulador() = std::move(m); }
void restaurarManipulador() { manipulador() = manipuladorBase(); }
void definirManipuladorPadrao(Manipulador m)
{
    manipuladorBase() = m ? std::move(m) : Manipulador(caixaPadrao);
    manipulador() = manipuladorBase();
}

std::optional<QString> pedir(const Pedido &p) { return manipulador()(p); }

std::optional<QString> texto(const QString &titulo, const QString &rotulo, const QString &padrao)
{
    Pedido p;
    p.titulo = titulo;
    p.rotulo = rotulo;
    p.padrao = padrao;
    return pedir(p);
}

std::optional<QString> senha(const QString &titulo, const QString &rotulo)
{
    Pedido p;
    p.titulo = titulo;
    p.rotulo = rotulo;
    p.senha = true;
    return pedir(p);
}

} // namespace Digitacao
