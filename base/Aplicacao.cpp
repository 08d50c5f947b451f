#include "base/Aplicacao.h"
#include "base/Erros.h"
#include "base/Mensagem.h"

#include <exception>

TAplicacao::TAplicacao(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Zentro Vedez 4"));
    setApplicationDisplayName(QStringLiteral("Zentro Vedez 4"));
}

bool TAplicacao::notify(QObject *receptor, QEvent *evento)
{
    try {
        return QApplication::notify(receptor, evento);
    } catch (...) {
        mostrarErro(std::current_exception());
    }
    return false;
}

void TAplicacao::mostrarErro(const std::exception_ptr &erro)
{
    try {
        std::rethrow_exception(erro);
    } catch (const ErroSistema &e) {
        Mensagem::erro(e.texto());
    } catch (const std::exception &e) {
        Mensagem::erro(QString::fromUtf8(e.what()));
    } catch (...) {
        Mensagem::erro(QStringLiteral("Erro inesperado."));
    }
}
