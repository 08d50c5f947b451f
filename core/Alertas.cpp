#include "core/Alertas.h"
#include "base/UnitDM.h"

namespace Alertas {

QString cabecalho(const QDate &hoje)
{
    return QStringLiteral("------------------------- Alertas para Hoje (") + hoje.toString(QStringLiteral("dd/MM/yyyy"))
        + QStringLiteral(") -------------------------");
}

namespace {

// Age as the screens always showed it: this year minus the year of birth.
QString aniversario(const Linha &l, const QString &colunaData, const QDate &hoje)
{
    const int idade = hoje.year() - l.data(colunaData).year();
    return l.texto(QStringLiteral("NOME")) + QStringLiteral(" (") + QString::number(idade) + QStringLiteral(" anos)");
}

} // namespace

QList<Grupo> montar(ConexaoBanco &conexao, const QDate &hoje, bool movimentos)
{
    ConexaoBanco &c = conexao;
    QList<Grupo> grupos;
    const QDate semData(1900, 1, 1);

    Grupo reservas{QStringLiteral("Reservas Programadas ("), {}};
    for (const Linha &l : c.lerTodas(QStringLiteral(
             "SELECT R.ID_RESERVA, R.DATA_ENTRADA, R.DATA_SAIDA, UH.NUMERO, C.NOME "
             "FROM RESERVA R JOIN UH ON UH.ID_UH = R.ID_UH JOIN CLIENTE C ON C.ID_CLIENTE = R.ID_CLIENTE "
             "WHERE R.EXCLUIDO = 'N' AND R.CONFIRMADA = 'N' "
             "AND R.ID_RESERVA IN (SELECT ID_RESERVA FROM RESERVA_UH WHERE DATA_ENTRADA >= ? AND DATA_ENTRADA <= ?) "
             "ORDER BY R.ID_RESERVA"),
             {hoje, hoje}))
        reservas.linhas << QStringLiteral("UH ") + l.texto(QStringLiteral("NUMERO")) + QStringLiteral(" - ")
                + l.texto(QStringLiteral("NOME")) + QStringLiteral(" (De: ") + l.texto(QStringLiteral("DATA_ENTRADA"))
                + QStringLiteral(" a ") + l.texto(QStringLiteral("DATA_SAIDA")) + QStringLiteral(")");
    grupos << reservas;

    Grupo clientes{QStringLiteral("Clientes Aniversariantes ("), {}};
    for (const Linha &l : c.lerTodas(QStringLiteral(
             "SELECT ID_CLIENTE, NOME, DATA_NASC FROM CLIENTE WHERE EXCLUIDO = 'N' AND DATA_NASC <> ? "
             "AND EXTRACT(MONTH FROM DATA_NASC) = ? AND EXTRACT(DAY FROM DATA_NASC) = ? ORDER BY DATA_NASC"),
             {semData, hoje.month(), hoje.day()}))
        clientes.linhas << aniversario(l, QStringLiteral("DATA_NASC"), hoje);
    grupos << clientes;

    Grupo funcionarios{QStringLiteral("Funcionários Aniversariantes ("), {}};
    for (const Linha &l : c.lerTodas(QStringLiteral(
             "SELECT ID_FUNCIONARIO, NOME, NASCIMENTO FROM FUNCIONARIO "
             "WHERE ID_FUNCIONARIO NOT IN (SELECT ID_FUNCIONARIO FROM ANULACAO) AND NASCIMENTO <> ? "
             "AND EXTRACT(MONTH FROM NASCIMENTO) = ? AND EXTRACT(DAY FROM NASCIMENTO) = ? ORDER BY NASCIMENTO"),
             {semData, hoje.month(), hoje.day()}))
        funcionarios.linhas << aniversario(l, QStringLiteral("NASCIMENTO"), hoje);
    grupos << funcionarios;

    Grupo produtos{QStringLiteral("Produtos em Final de Estoque ("), {}};
    for (const Linha &l : c.lerTodas(QStringLiteral(
             "SELECT PS.DESCRICAO, PDV.DESCRICAO AS PDV, PS.ESTOQUE FROM PRODUTOS_SERVICOS PS "
             "JOIN PDV ON PDV.ID_PDV = PS.ID_PDV WHERE PS.EXCLUIDO = 'N' AND PS.ESTOQUE <= PS.MINIMO "
             "AND PS.FAB_PROPRIA = 'N' ORDER BY PS.DESCRICAO")))
        produtos.linhas << l.texto(QStringLiteral("DESCRICAO")) + QStringLiteral(" (") + l.texto(QStringLiteral("PDV"))
                + QStringLiteral(") -> (") + QString::number(l.inteiro(QStringLiteral("ESTOQUE"))) + QStringLiteral(")");
    grupos << produtos;

    Grupo itens{QStringLiteral("Itens de Estoque em Final de Estoque ("), {}};
    for (const Linha &l : c.lerTodas(QStringLiteral(
             "SELECT DESCRICAO, ESTOQUE FROM ITEM WHERE ID_ITEM NOT IN (SELECT ID_ITEM FROM ANULACAO) "
             "AND ESTOQUE <= AVISAR ORDER BY DESCRICAO")))
        itens.linhas << l.texto(QStringLiteral("DESCRICAO")) + QStringLiteral(" -> (")
                + QString::number(l.inteiro(QStringLiteral("ESTOQUE"))) + QStringLiteral(")");
    grupos << itens;

    if (movimentos) {
        Grupo notas{QStringLiteral("Notas Pendentes a Receber ("), {}};
        for (const Linha &l : c.lerTodas(QStringLiteral(
                 "SELECT N.ID_NOTA, N.VALOR, C.NOME, W.DATA_SAIDA FROM NOTA N "
                 "JOIN WALK_IN W ON W.ID_WALK_IN = N.ID_ENTRADA JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE "
                 "WHERE W.ID_WALK_IN NOT IN (SELECT ID_WALK_IN FROM ANULACAO) AND N.PAGO = 'N' "
                 "ORDER BY W.ID_WALK_IN")))
            notas.linhas << l.texto(QStringLiteral("NOME")) + QStringLiteral(" (R$ ")
                    + l.dinheiro(QStringLiteral("VALOR")).formatado() + QStringLiteral(") -> (Desde: ")
                    + l.texto(QStringLiteral("DATA_SAIDA")) + QStringLiteral(")");
        grupos << notas;
    }

    Grupo lembretes{QStringLiteral("Lembretes para Clientes ("), {}};
    for (const Linha &l : c.lerTodas(QStringLiteral(
             "SELECT NOME, LEMBRETE FROM CLIENTE WHERE LEMBRETE IS NOT NULL AND LEMBRETE <> '' ORDER BY NOME")))
        lembretes.linhas << l.texto(QStringLiteral("NOME")) + QStringLiteral(" (") + l.texto(QStringLiteral("LEMBRETE"))
                + QStringLiteral(")");
    grupos << lembretes;
    return grupos;
}

} // namespace Alertas
