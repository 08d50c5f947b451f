#pragma once
// The export of every product into the companion point of sale's ESTOQUE
// (ribbon "Sincronizar Zentro PDV"): each product, deleted ones included,
// updated where its row exists and inserted otherwise, in the mirror's row
// format; all in one transaction on the companion database, its generator
// at the highest code afterwards.
#include "integration/Andamento.h"

class ConexaoBanco;

namespace ExportacaoPDV {

struct Resultado {
    int atualizados = 0, incluidos = 0;
    qint64 gerador = 0;
};
Resultado exportar(ConexaoBanco &banco, ConexaoBanco &pdv, Integracao::Andamento &andamento);

// The ribbon's command: the export on the data module's connections with the
// main window's gauge. It shows no message when it ends well.
void executar();

} // namespace ExportacaoPDV
