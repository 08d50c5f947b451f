#include "restaurant/AberturaRotinasFiscais.h"
#include "base/Telas.h"
#include "restaurant/UnitRotinasFiscais.h"

#include <functional>
#include <memory>

namespace RotinasFiscais {
namespace {

// Creates the screen, lets the caller set it, shows it modally and frees it.
void abrirCom(const std::function<void(TFrmRotinasFiscais &)> &preparar)
{
    std::unique_ptr<TFrmRotinasFiscais> tela(new TFrmRotinasFiscais);
    FrmRotinasFiscais = tela.get();
    struct Limpa {
        ~Limpa() { FrmRotinasFiscais = nullptr; }
    } limpa;
    if (preparar)
        preparar(*tela);
    Telas::executar(tela.get(), typeid(TFrmRotinasFiscais));
}

} // namespace

void abrir() { abrirCom({}); }

void abrirHospedagem(qint64 idEntrada)
{
    abrirCom([idEntrada](TFrmRotinasFiscais &f) {
        f.adicionarHospedagem(idEntrada);
        f.mostrarCupom();
    });
}

void abrirDespesaAvulsa(TipoDespesaAvulsa tipo, qint64 idVenda)
{
    abrirCom([tipo, idVenda](TFrmRotinasFiscais &f) {
        f.DespesaAvulsa = QStringLiteral("SIM");
        f.tipoDespesaAvulsa = tipo;
        f.idDespesaAvulsa = idVenda;
        f.mostrarCupom();
    });
}

} // namespace RotinasFiscais
