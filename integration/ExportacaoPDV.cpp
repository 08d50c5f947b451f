#include "integration/ExportacaoPDV.h"
#include "base/Erros.h"
#include "base/UnitDM.h"
#include "restaurant/EspelhoPDV.h"

#include <QCoreApplication>
#include <optional>

namespace ExportacaoPDV {

Resultado exportar(ConexaoBanco &banco, ConexaoBanco &pdv, Integracao::Andamento &andamento)
{
    Integracao::AndamentoEmCurso gauge(andamento, 0);
    QCoreApplication::processEvents();
    std::optional<EspelhoPDV::Espelho> espelho;
    try {
        espelho.emplace(pdv);
    } catch (const ErroBanco &e) {
        Integracao::bancoInacessivel(QStringLiteral("Zentro PDV"), e);
    }
    const QList<EspelhoPDV::Produto> produtos = EspelhoPDV::lerProdutos(banco);
    gauge.fase(QString(), int(produtos.size()));
    Resultado r;
    pdv.emTransacao([&] {
        r = {};
        for (const EspelhoPDV::Produto &p : produtos) {
            try {
                if (espelho->exportar(p))
                    ++r.incluidos;
                else
                    ++r.atualizados;
            } catch (const ErroBanco &e) {
                if (e.conflito())
                    throw;
                Integracao::linhaRecusada(QStringLiteral("o produto %1 (%2)").arg(p.chave).arg(p.descricao), e);
            }
            gauge.avancar();
        }
    });
    r.gerador = espelho->ajustarGerador();
    QCoreApplication::processEvents();
    return r;
}

void executar()
{
    Integracao::AndamentoJanela gauge;
    exportar(DM->Conexao, DM->ConexaoPDV, gauge);
}

} // namespace ExportacaoPDV
