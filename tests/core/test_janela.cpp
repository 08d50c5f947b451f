// The shell service: screens and rules reach the main window only through
// it; without a window every request is harmless.
#include "base/Janela.h"
#include "base/Telas.h"
#include "finance/UnitCaixa.h"
#include "rooms/UnitReservas.h"
#include "support/TelasTeste.h"

#include <gtest/gtest.h>

namespace {

struct Gravador : Janela::Servico {
    QStringList pedidos;
    void atualizarAlertas(bool clicou) override { pedidos << QStringLiteral("alertas %1").arg(clicou); }
    void controleMouse() override { pedidos << QStringLiteral("mouse"); }
    QString painel(int i) const override { return QStringLiteral("painel %1").arg(i); }
    void progressoMostrar(int maximo) override { pedidos << QStringLiteral("mostrar %1").arg(maximo); }
    void progressoMaximo(int maximo) override { pedidos << QStringLiteral("maximo %1").arg(maximo); }
    void progressoAvancar(int passos) override { pedidos << QStringLiteral("avancar %1").arg(passos); }
    void progressoEsconder() override { pedidos << QStringLiteral("esconder"); }
};

class JanelaTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Janela::instalar(&gravador);
    }
    void TearDown() override
    {
        Janela::instalar(nullptr);
        Telas::liberarTodas();
        TelasTeste::TearDown();
    }
    Gravador gravador;
};

} // namespace

TEST_F(JanelaTeste, SemJanelaNadaAcontece)
{
    Janela::instalar(nullptr);
    Janela::atualizarAlertas(true);
    Janela::controleMouse();
    EXPECT_TRUE(Janela::painel(3).isEmpty());
    EXPECT_FALSE(Janela::abrirTela(QStringLiteral("btnClientesClick")));
    EXPECT_FALSE(Janela::encerrado());
    { Janela::Progresso p(3); p.avancar(); }
}

TEST_F(JanelaTeste, ProgressoEscondidoAoFimMesmoComErro)
{
    try {
        Janela::Progresso p(4);
        p.avancar(2);
        p.definirMaximo(5);
        throw std::runtime_error("falha no meio");
    } catch (const std::exception &) {
    }
    EXPECT_EQ(gravador.pedidos, (QStringList{QStringLiteral("mostrar 4"), QStringLiteral("avancar 2"),
                                             QStringLiteral("maximo 5"), QStringLiteral("esconder")}));
}

TEST_F(JanelaTeste, TelasPedemAJanelaAoFechar)
{
    // The cash register sends the pointer back to the background's gate;
    // the reservation list refreshes the alerts.
    Telas::interceptar<TFrmCaixa>([](TFrmCaixa *) { return int(QDialog::Rejected); });
    abrirCaixa();
    EXPECT_EQ(gravador.pedidos, QStringList{QStringLiteral("mouse")});

    gravador.pedidos.clear();
    Telas::interceptar<TFrmReservas>([](TFrmReservas *r) {
        r->btnSairClick();
        return int(QDialog::Rejected);
    });
    Telas::abrir<TFrmReservas>(FrmReservas);
    EXPECT_EQ(gravador.pedidos, QStringList{QStringLiteral("alertas 0")});
}
