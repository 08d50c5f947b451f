#pragma once
// The stay list as the screens it opens see it: its mode, the current stay
// and its refresh, and the widgets the correction panels lie over. The list
// implements it; the stay form, the payment screen and the correction panels
// hold it, so none of them includes the list.
#include <QString>
#include <QVariant>

class QWidget;

class ContextoListaEstadias {
public:
    virtual ~ContextoListaEstadias() = default;

    // The mode ("", "I", "A", "V", "Despesas", "Itens", "Saída", "HIST") and
    // "SIM" when the list works on the room selected on the room map, with
    // that room's stay.
    virtual QString modo() const = 0;
    virtual QString modoUH() const = 0;
    virtual qint64 entradaDoMapa() const = 0;
    virtual void definirModo(const QString &op) = 0;

    // The current stay.
    virtual bool vazia() const = 0;
    virtual QVariant campo(const QString &coluna) const = 0;
    virtual QString texto(const QString &coluna) const = 0;
    virtual qint64 idEntrada() const = 0;
    // Reloads the list with this one stay.
    virtual void carregarEstadia(qint64 idEntrada) = 0;
    // Runs the list's statement again, keeping the current stay.
    virtual void reabrir() = 0;

    // The list's window, its grid and its exit button.
    virtual QWidget *tela() = 0;
    virtual QWidget *grade() = 0;
    virtual QWidget *botaoSair() = 0;
};
