// Test runner: a QApplication on the offscreen platform, then GoogleTest.
#include "base/Aplicacao.h"
#include "base/Digitacao.h"
#include "base/Mensagem.h"
#include "base/Telas.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TAplicacao app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // A screen the test did not intercept fails it at once instead of
    // waiting for a user who is not there.
    Telas::definirSemInterceptador([](const char *tipo) {
        ADD_FAILURE() << "tela modal não interceptada pelo teste: " << tipo;
    });
    // Outside a scripted fixture a box fails the test the same way.
    Mensagem::definirManipuladorPadrao([](const Mensagem::Pedido &p) {
        ADD_FAILURE() << "mensagem sem roteiro: [" << p.titulo.toStdString() << "] " << p.texto.toStdString();
        if (p.padrao != Mensagem::Nenhum)
            return p.padrao;
        return (p.botoes & Mensagem::Ok) ? Mensagem::Ok : Mensagem::Nao;
    });
    Digitacao::definirManipuladorPadrao([](const Digitacao::Pedido &p) -> std::optional<QString> {
        ADD_FAILURE() << "digitação sem roteiro: [" << p.titulo.toStdString() << "] " << p.rotulo.toStdString();
        return std::nullopt;
    });
    return RUN_ALL_TESTS();
}
