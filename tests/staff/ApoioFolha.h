#pragma once
// What the payroll, payment and schedule tests share: employees with a
// salary and a contribution rate, book entries, an open cash shift.
#include "base/Relogio.h"
#include "base/Telas.h"
#include "staff/PagamentoFuncionarios.h"
#include "support/TelasTeste.h"

class FolhaTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(QDate(2025, 3, 10), QTime(9, 0)));
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        Relogio::liberar();
        TelasTeste::TearDown();
    }

    // salario and inss in SQL notation ("2000.00", "9").
    qint64 funcionario(const QString &nome, const QString &salario = QStringLiteral("1000.00"),
                       const QString &inss = QStringLiteral("0"), const QString &cpf = QString())
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF, RG, SALARIO_BASE, INSS, FUNCAO, AGENCIA, CONTA) "
                                  "VALUES (?, ?, 'MG-1', ?, ?, 'RECEPCAO', '', '') RETURNING ID_FUNCIONARIO"),
                   {nome, cpf.isEmpty() ? QStringLiteral("111.111.111-11") : cpf, salario, inss})
            .toLongLong();
    }
    void excluirFuncionario(qint64 chave)
    {
        banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_FUNCIONARIO) VALUES (?)"), {chave});
    }
    // An entry; pag invalid: unpaid. Returns its key.
    qint64 lancamento(qint64 func, const QString &tipo, const QDate &venc, const QString &descricao,
                      const QString &valor, const QDate &pag = {}, const QString &excluido = QStringLiteral("N"))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO FUNCIONARIO_PAGAMENTO (ID_FUNCIONARIO_PAGAMENTO, DATA_VENC, TIPO, "
                                  "DESCRICAO, VALOR, DATA_PAG, EXCLUIDO) VALUES (?, ?, ?, ?, ?, ?, ?) "
                                  "RETURNING COD_GERAL_F_P"),
                   {func, venc, tipo, descricao, valor,
                    pag.isValid() ? QVariant(pag) : QVariant(QMetaType(QMetaType::QDate)), excluido})
            .toLongLong();
    }
    // "TIPO|DESCRICAO|VALOR|dd/MM/yyyy" of the employee's live entries, by key.
    QStringList entradas(qint64 func)
    {
        QStringList r;
        for (const Linha &l : banco().lerTodas(
                 QStringLiteral("SELECT * FROM FUNCIONARIO_PAGAMENTO WHERE ID_FUNCIONARIO_PAGAMENTO = ? "
                                "AND EXCLUIDO = 'N' ORDER BY COD_GERAL_F_P"),
                 {func}))
            r << l.texto(QStringLiteral("TIPO")) + QLatin1Char('|') + l.texto(QStringLiteral("DESCRICAO"))
                     + QLatin1Char('|') + l.dinheiro(QStringLiteral("VALOR")).formatado() + QLatin1Char('|')
                     + l.data(QStringLiteral("DATA_VENC")).toString(QStringLiteral("dd/MM/yyyy"));
        return r;
    }
    void abrirCaixa(const QString &atual)
    {
        banco().executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, USUARIO, ATUAL) "
                                        "VALUES (CURRENT_DATE, '08:00', 'ADMIN', ?)"),
                         {atual});
    }
    QString caixa()
    {
        return banco().ler(QStringLiteral("SELECT ATUAL FROM CAIXA WHERE DATA_FECHA IS NULL")).dinheiro(QStringLiteral("ATUAL")).formatado();
    }
};
