#include "restaurant/AberturaRotinasFiscais.h"
#include "base/Mensagem.h"

// The screen comes in the next steps; until then every way in says so.
namespace RotinasFiscais {
namespace {
void indisponivel() { Mensagem::aviso(QStringLiteral("As Rotinas Fiscais não estão disponíveis nesta instalação.")); }
} // namespace

void abrir() { indisponivel(); }
void abrirHospedagem(qint64) { indisponivel(); }
void abrirDespesaAvulsa(TipoDespesaAvulsa, qint64) { indisponivel(); }

} // namespace RotinasFiscais
