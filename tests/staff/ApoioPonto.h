#pragma once
// What the time-clock tests share: the clock set on a Thursday morning,
// tolerances of ten minutes (lateness) and five (extra time), employees who
// punch, and rows of PONTO written directly.
#include "ApoioFuncionarios.h"
#include "staff/Ponto.h"

class PontoTeste : public FuncionariosTeste {
protected:
    void SetUp() override
    {
        FuncionariosTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(8, 0)));
        parametro(QStringLiteral("TOLERANCIA_ATRASO"), QTime(0, 10));
        parametro(QStringLiteral("TOLERANCIA_PONTO"), QTime(0, 5));
        parametro(QStringLiteral("PONTO_DEFINIDO"), QStringLiteral("S"));
    }
    void TearDown() override
    {
        Relogio::liberar();
        FuncionariosTeste::TearDown();
    }

    // An employee with a time-clock password and daily loads.
    qint64 empregado(const QString &nome, const QString &cpf, const QString &senha = QStringLiteral("abc"),
                     const QTime &cargaDia = QTime(8, 0), const QTime &cargaSabado = QTime(4, 0))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF, SENHA_PONTO, SOLICITA_PONTO, TURNO_1_ENT, "
                                  "TURNO_1_SAI, TURNO_2_ENT, TURNO_2_SAI, CARGA_HORARIA_DIA, CARGA_HORARIA_SAB) "
                                  "VALUES (?, ?, ?, 'S', '08:00:00', '12:00:00', '13:00:00', '17:00:00', ?, ?) "
                                  "RETURNING ID_FUNCIONARIO"),
                   {nome, cpf, senha, cargaDia, cargaSabado})
            .toLongLong();
    }

    // An open expected row.
    qint64 prevista(qint64 func, const QDate &dia, const QTime &hora, const char *tipo)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO PONTO (ID_FUNCIONARIO, HORA_DEFINIDA, DATA_DEFINIDA, TIPO) VALUES "
                                  "(?, ?, ?, ?) RETURNING ID_PONTO"),
                   {QString::number(func), hora, dia, QString::fromLatin1(tipo)})
            .toLongLong();
    }
    // A punched row (MARCACAO_AUTO "N"), or a missed one with auto "S".
    qint64 marcada(qint64 func, const QDate &diaDef, const QTime &horaDef, const char *tipo, const QDate &dia,
                   const QTime &hora, const char *automatica = "N", const char *abonado = "N")
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO PONTO (ID_FUNCIONARIO, HORA_DEFINIDA, DATA_DEFINIDA, TIPO, DATA, HORA, "
                                  "USUARIO, MARCACAO_AUTO, ABONADO) VALUES (?, ?, ?, ?, ?, ?, 'ADMIN', ?, ?) "
                                  "RETURNING ID_PONTO"),
                   {QString::number(func), horaDef, diaDef, QString::fromLatin1(tipo), dia, hora,
                    QString::fromLatin1(automatica), QString::fromLatin1(abonado)})
            .toLongLong();
    }
    // A whole day as expected rows 08-12 / 13-17.
    QList<qint64> diaPrevisto(qint64 func, const QDate &dia)
    {
        return {prevista(func, dia, QTime(8, 0), "E"), prevista(func, dia, QTime(12, 0), "S"),
                prevista(func, dia, QTime(13, 0), "E"), prevista(func, dia, QTime(17, 0), "S")};
    }
    Linha ponto(qint64 id)
    {
        return banco().ler(QStringLiteral("SELECT * FROM PONTO WHERE ID_PONTO = ?"), {id});
    }
    qint64 linhasPonto() { return contar(QStringLiteral("SELECT COUNT(*) FROM PONTO")); }

    static inline const QDate kHoje{2026, 12, 10}; // a Thursday
};
