#pragma once
// The full transfer into the companion point of sale: the company data into
// both of its databases, and its sellers, users, customers and products
// replaced by the hotel's. Each database is written in one transaction: a
// refused row leaves both as they were. The emptied tables are refilled
// with the hotel's keys and their generators set to the highest key.
#include "integration/Andamento.h"

#include <QDate>

class ConexaoBanco;

namespace TransferenciaPDV {

inline const QString kMsgSucesso =
    QStringLiteral("Zentro PDV Migrado com Sucesso, Parabéns, a parte boa começa agora!");
inline const QString kMsgNaoEncontrado = QStringLiteral("Zentro PDV Não Encontrado!");

// The highest discount of a companion user: 0 without MOVIMENTOS, 100 with
// ACESSO_TOTAL, else the setting LIMITE_DESCONTO.
QString maximoDesconto(const QString &movimentos, const QString &acessoTotal, const QString &limite);

struct Resultado {
    bool encontrado = true; // false: the companion's main database file is missing
    int usuarios = 0, clientes = 0, produtos = 0;
};
Resultado transferir(ConexaoBanco &banco, ConexaoBanco &pdv, ConexaoBanco &frente, const QDate &hoje,
                     Integracao::Andamento &andamento);

} // namespace TransferenciaPDV
