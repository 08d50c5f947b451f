#pragma once
// The support console's repair tools, the rules: each runs over whole tables
// in one transaction (nothing half done when a row is refused or the tool is
// stopped) and writes no activity log. Rows a tool has no rule for are left
// alone and listed in the result.
#include "integration/Andamento.h"

#include <QDate>
#include <QStringList>

class ConexaoBanco;

namespace Suporte {

struct Resultado {
    int linhas = 0;          // rows written
    QStringList ignoradas;   // rows left alone, each with its reason
};

// Nights a stay is charged for: today minus the arrival for an open stay
// whose departure equals its arrival, the departure minus the arrival
// otherwise; 0 counts as 1, a negative count (or a missing date) as none.
int noitesDaEstadia(const QDate &entrada, const QDate &saida, const QString &baixa, const QDate &hoje);

// The payment column a stay's FORMA_PAG is booked in; empty when none.
QString colunaFormaPagamento(const QString &formaPag);
// The column a consumption line paid at once adds to; empty when none (the
// plain "Cartão de Crédito" has none here).
QString colunaFormaDespesa(const QString &formaPag);

// "Atualizar Entradas de Hóspedes": OCUPACAO rebuilt from every stay, one row
// per night with the stay's night price and adults; keys from 1, the
// generator at the highest key afterwards.
Resultado reconstruirDiarias(ConexaoBanco &banco, const QDate &hoje, Integracao::Andamento &andamento);

// "Atualizar Novas Formas de Pagamento": the payment column of each closed,
// live stay set to its night price times its nights.
Resultado atualizarFormasPagamento(ConexaoBanco &banco, Integracao::Andamento &andamento);

// "Atualizar Formas de Pagamento de Despesas": consumption paid at once added
// to its stay's payment column (running it twice adds it twice).
Resultado atualizarFormasDespesas(ConexaoBanco &banco, Integracao::Andamento &andamento);

// The stay key in a check-in's log text, empty when the text is not one.
QString chaveEntradaDoLog(const QString &operacao);
// "Atualizar Dados de Funcionários": each stay's check-in user from the log;
// the housekeeper of every stay cleared.
Resultado atualizarUsuariosEntrada(ConexaoBanco &banco, Integracao::Andamento &andamento);

// "Retirar Acentuação dos Nomes dos Clientes e Produtos".
Resultado retirarAcentos(ConexaoBanco &banco, Integracao::Andamento &andamento);

// "Atualizar Pessoas Físicas e Jurídicas": 14 characters "F", 18 "J".
Resultado atualizarPessoas(ConexaoBanco &banco, Integracao::Andamento &andamento);

// "Correção DDDs": telephone and fax of each customer copied from an older
// database (matched by key). The older database is opened read-only through
// its own connection, which stays open afterwards.
Resultado corrigirFones(ConexaoBanco &banco, ConexaoBanco &antigo, Integracao::Andamento &andamento);

} // namespace Suporte
