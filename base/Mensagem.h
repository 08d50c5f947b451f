#pragma once
// Every message box and question of the system goes through here, with the
// Portuguese captions and button texts. Tests install their own handler to
// script the answers and check the exact texts.
#include <QString>
#include <QList>
#include <QPair>
#include <functional>
#include <memory>

class QAbstractButton;
class QMessageBox;
class QWidget;

class QWidget;

namespace Mensagem {

enum class Tipo { Informacao, Aviso, Erro, Pergunta };

enum Botao : int {
    Nenhum = 0,
    Ok = 0x1,
    Cancelar = 0x2,
    Sim = 0x4,
    Nao = 0x8,
    Ajuda = 0x10,
    Abortar = 0x20,
    Repetir = 0x40,
    Ignorar = 0x80,
    Tudo = 0x100,
    NaoParaTudo = 0x200,
    SimParaTudo = 0x400,
    Fechar = 0x800,
};

struct Pedido {
    Tipo tipo;
    QString titulo;
    QString texto;
    int botoes;        // Botao flags offered
    Botao padrao;      // default button
};

// Returns the button chosen.
using Manipulador = std::function<Botao(const Pedido &)>;

// The handler in use; the default one shows a QMessageBox.
void definirManipulador(Manipulador m);
void restaurarManipulador();
// What restaurarManipulador goes back to (the message box unless a test
// runner, where nobody answers boxes, sets its own).
void definirManipuladorPadrao(Manipulador m);

// The box the default handler shows for a request, over `pai` (the screen
// that asked; centred on it), with its buttons, the default and the escape
// button set. Its colours are its own: dark text on a light background
// whatever the screen below it paints its labels with.
std::unique_ptr<QMessageBox> montarCaixa(const Pedido &p, QWidget *pai,
                                         QList<QPair<QAbstractButton *, Botao>> *botoes = nullptr);

// Captions of the standard boxes.
QString titulo(Tipo t);
// Caption of a standard button, with its accelerator ("&Sim").
QString textoBotao(Botao b);

void info(const QString &texto, const QString &titulo = {});
void aviso(const QString &texto, const QString &titulo = {});
void erro(const QString &texto, const QString &titulo = {});
// Yes/No question; true for "Sim".
bool pergunta(const QString &texto, const QString &titulo = {}, Botao padrao = Sim);
// A warning with Yes/No ("Atenção" caption); true for "Sim".
bool perguntaAviso(const QString &texto, const QString &titulo = {}, Botao padrao = Sim);
// Any box with the given buttons; returns the one chosen.
Botao mostrar(Tipo tipo, const QString &texto, int botoes, Botao padrao = Nenhum, const QString &titulo = {});

} // namespace Mensagem
