#pragma once
// Opening modal screens. Every screen is created when opened, shown modally
// and freed afterwards (also when an error escapes); while open it can be
// reached through the global pointer named after it. Tests intercept a screen
// type and act on it instead of blocking in its event loop.
#include <QColor>
#include <QDialog>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <typeindex>

namespace Telas {

// What a test does with an intercepted screen; returns the modal result.
using Interceptador = std::function<int(QDialog *)>;

void interceptar(std::type_index tipo, Interceptador f);
void liberar(std::type_index tipo);
void liberarTodas();
// The interceptor for a type, or nullptr.
const Interceptador *interceptadorDe(std::type_index tipo);

template <class T>
void interceptar(std::function<int(T *)> f)
{
    interceptar(std::type_index(typeid(T)), [f](QDialog *d) { return f(static_cast<T *>(d)); });
}

// The screen the user is on (the modal one running, else the active window),
// other than `excluir`; nullptr when none shows.
QWidget *telaQueAbre(const QWidget *excluir = nullptr);
// Places a screen without a parent centred on the screen that opens it.
void centrarSobreQuemAbriu(QDialog *tela);

// Shows a created screen modally (or hands it to the test's interceptor);
// it stands centred on the screen that opened it.
int executar(QDialog *tela, std::type_index tipo);

// Tests: what happens to a modal screen nobody intercepted. With a handler
// set, the screen is not shown (nothing waits for a user who is not there):
// the handler is told its type and the screen ends Rejected.
using SemInterceptador = std::function<void(const char *tipo)>;
void definirSemInterceptador(SemInterceptador f);

// File and colour choices, through executar (tests intercept QFileDialog /
// QColorDialog). An empty text / invalid colour when cancelled.
QString escolherArquivo(QWidget *pai, const QString &titulo, const QString &pasta, const QString &filtro);
// Several files at once (an empty list when cancelled).
QStringList escolherArquivos(QWidget *pai, const QString &titulo, const QString &pasta, const QString &filtro);
QColor escolherCor(QWidget *pai, const QColor &inicial, const QString &titulo);

// Creates T, publishes it in `global` while open, shows it modally and frees it.
template <class T, class... Args>
int abrir(T *&global, Args &&...args)
{
    std::unique_ptr<T> tela(new T(std::forward<Args>(args)...));
    global = tela.get();
    struct Limpa {
        T *&g;
        ~Limpa() { g = nullptr; }
    } limpa{global};
    return executar(tela.get(), std::type_index(typeid(T)));
}

// Same, for a screen without a global.
template <class T, class... Args>
int abrir(Args &&...args)
{
    std::unique_ptr<T> tela(new T(std::forward<Args>(args)...));
    return executar(tela.get(), std::type_index(typeid(T)));
}

} // namespace Telas
