#pragma once
// The export into the companion control program's database: the hotel's
// users, products and services and customers, each updated where the
// control database holds it (users and products by key, customers by their
// code) and inserted otherwise. The whole export is one transaction on the
// control database: a refused row or an unreachable database leaves it as
// it was.
#include "integration/Andamento.h"

#include <QDate>

class ConexaoBanco;

namespace ExportacaoControle {

inline const QString kMsgSucesso = QStringLiteral("Operação executada com sucesso!");

// The customer's code in the control program: at least four digits.
QString codigoCliente(qint64 idCliente);
// A city's name as the municipality table holds it: capitals, accented
// letters raised too.
QString municipio(const QString &cidade);

struct Resultado {
    int usuarios = 0, produtos = 0, clientes = 0;
};
// `hoje` dates the new rows; `login` is the user who runs the export.
Resultado exportar(ConexaoBanco &banco, ConexaoBanco &controle, const QDate &hoje, const QString &login,
                   Integracao::Andamento &andamento);

// The ribbon's "Sincronizar Zentro Controle": the export on the data
// module's connections with the main window's gauge, its message at the end.
void executar();

} // namespace ExportacaoControle
