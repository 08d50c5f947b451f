// The guest list, the room report and the reservation report: rows per
// option, the one-day reservation report, a quoted name found, the
// reservation list's "Imprimir" proposing its period.
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "rooms/UnitHospedes.h"
#include "rooms/UnitRelReservas.h"
#include "rooms/UnitRelUH.h"
#include "rooms/UnitReservas.h"
#include "support/TelasTeste.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

namespace {

using TB = Relatorio::TipoBanda;

class RelatoriosUH_ : public TelasTeste {
protected:
    qint64 uh(const QString &numero, const char *situacao, const char *excluido = "N")
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO UH (NUMERO, DESCRICAO, RAMAL, SITUACAO, EXCLUIDO) VALUES (?, ?, '20', ?, ?) "
                                  "RETURNING ID_UH"),
                   {numero, QStringLiteral("QUARTO ") + numero, QString::fromLatin1(situacao),
                    QString::fromLatin1(excluido)})
            .toLongLong();
    }
    qint64 cliente(const QString &nome)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, EXCLUIDO) VALUES (?, 'F', 'N') RETURNING ID_CLIENTE"),
                   {nome})
            .toLongLong();
    }
    // A reservation holding a room on each day from `de` to `ate`.
    qint64 reserva(qint64 idUH, const QString &nome, const QDate &de, const QDate &ate, const char *excluido = "N")
    {
        const qint64 id = banco()
                              .valor(QStringLiteral("INSERT INTO RESERVA (DATA_ENTRADA, DATA_SAIDA, ID_CLIENTE, ID_UH, "
                                                    "QTD_PESSOAS, EXCLUIDO) VALUES (?, ?, ?, ?, 2, ?) RETURNING ID_RESERVA"),
                                     {de, ate, cliente(nome), idUH, QString::fromLatin1(excluido)})
                              .toLongLong();
        for (QDate d = de; d <= ate; d = d.addDays(1))
            banco().executar(QStringLiteral("INSERT INTO RESERVA_UH (ID_RESERVA, DATA_ENTRADA, ID_UH) VALUES (?, ?, ?)"),
                             {id, d, idUH});
        return id;
    }
    static QStringList coluna(const Relatorio &rel, int c)
    {
        QStringList r;
        for (const Relatorio::Banda &b : rel.bandas())
            if (b.tipo == TB::Detalhe)
                r << b.celulas.value(c).texto;
        return r;
    }
    static QString resumo(const Relatorio &rel)
    {
        for (const Relatorio::Banda &b : rel.bandas())
            if (b.tipo == TB::Resumo)
                return b.texto + QLatin1Char(' ') + b.celulas.value(0).texto;
        return {};
    }
};

} // namespace

TEST_F(RelatoriosUH_, UHsPorSituacaoSoAsVivasComNomeDaSituacao)
{
    uh(QStringLiteral("101"), "L");
    uh(QStringLiteral("102"), "O");
    uh(QStringLiteral("103"), "O");
    uh(QStringLiteral("104"), "M");
    uh(QStringLiteral("105"), "R");
    uh(QStringLiteral("106"), "L", "S");   // deleted
    const struct {
        int opcao;
        QStringList numeros;
        const char *linha;
    } casos[] = {
        {0, {"101", "102", "103", "104", "105"}, "(T O D O S   A S   S I T U A Ç Õ E S)"},
        {1, {"101"}, "(LIVRE)"},
        {2, {}, "(LIMPEZA)"},
        {3, {"104"}, "(MANUTENÇÃO)"},
        {4, {"102", "103"}, "(OCUPADA)"},
        {5, {"105"}, "(RESERVADA)"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.linha);
        const Relatorio rel = RelUH::relatorio(c.opcao, RelUH::linhas(c.opcao));
        EXPECT_EQ(coluna(rel, 1), c.numeros);
        EXPECT_EQ(rel.linhaOpcoes(), QString::fromUtf8(c.linha));
        EXPECT_EQ(resumo(rel), QStringLiteral("TOTAL DE UH's: %1").arg(c.numeros.size()));
        EXPECT_EQ(rel.vazio(), c.numeros.isEmpty());
    }
    const Relatorio todas = RelUH::relatorio(0, RelUH::linhas(0));
    EXPECT_EQ(coluna(todas, 5), (QStringList{"LIVRE", "OCUPADA", "OCUPADA", "MANUTENÇÃO", "RESERVADA"}));
    EXPECT_EQ(todas.colunas()[2].titulo, QStringLiteral("DESCRIÇÂO"));

    // The screen: Enter in the options prints; "LIMPEZA" finds nothing.
    TFrmRelUH f;
    EXPECT_EQ(f.lstOpcoes->currentRow(), 0);
    f.lstOpcoes->setCurrentRow(2);
    msg->esperar(QStringLiteral("Nenhum Registro Encontrado!"));
    tecla(f.lstOpcoes, Qt::Key_Return);
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(logs(), QStringList());
    f.lstOpcoes->setCurrentRow(4);
    Telas::interceptar<TFrmVisualizaRelatorio>([](TFrmVisualizaRelatorio *) { return int(QDialog::Rejected); });
    tecla(f.lstOpcoes, Qt::Key_Return);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT ANTES FROM LOG")).toString(), QStringLiteral("Relatório de UHs (OCUPADA)"));
}

TEST_F(RelatoriosUH_, ReservasDeUmDiaComAsQueChegaramAntesOuSaemDepois)
{
    const qint64 u1 = uh(QStringLiteral("201"), "L"), u2 = uh(QStringLiteral("202"), "L");
    const QDate dia(2026, 12, 15);
    const qint64 antes = reserva(u1, QStringLiteral("D'ÁVILA"), QDate(2026, 12, 13), QDate(2026, 12, 16));
    const qint64 naquele = reserva(u2, QStringLiteral("BIA"), dia, dia);
    reserva(u1, QStringLiteral("DEPOIS"), QDate(2026, 12, 17), QDate(2026, 12, 18));
    reserva(uh(QStringLiteral("203"), "L"), QStringLiteral("EXCLUIDA"), QDate(2026, 12, 14), QDate(2026, 12, 16), "S");
    const Relatorio rel = RelReservas::relatorio(dia, dia, RelReservas::linhas(dia, dia));
    EXPECT_EQ(coluna(rel, 0), (QStringList{QString::number(antes), QString::number(naquele)}));
    EXPECT_EQ(coluna(rel, 1), (QStringList{"D'ÁVILA", "BIA"}));
    EXPECT_EQ(coluna(rel, 3), (QStringList{"13/12/2026", "15/12/2026"}));
    EXPECT_EQ(coluna(rel, 4), (QStringList{"16/12/2026", "15/12/2026"}));
    EXPECT_EQ(rel.linhaOpcoes(), QStringLiteral("(De: 15/12/2026   Até: 15/12/2026)"));
    EXPECT_EQ(resumo(rel), QStringLiteral("TOTAL DE RESERVAS: 2"));
    // a reservation holding several days of a period is listed once
    EXPECT_EQ(RelReservas::linhas(QDate(2026, 12, 1), QDate(2026, 12, 31)).size(), 3);
    EXPECT_EQ(RelReservas::textoLog(dia, dia), QStringLiteral("Relatório de Reservas (De:15/12/2026 Até: 15/12/2026)"));

    // From the ribbon: today to today; a start after the end is refused.
    TFrmRelReservas f;
    EXPECT_EQ(f.edtData1->date(), QDate(2026, 12, 10));
    EXPECT_EQ(f.edtData2->date(), QDate(2026, 12, 10));
    f.edtData1->setDate(QDate(2026, 12, 20));
    msg->esperar(QStringLiteral("Período Inválido! A data inicial (De) não pode ser posterior à data final (Até)."));
    f.btnImprimirClick();
    EXPECT_EQ(msg->pendentes(), 0);

    // From the reservation list: its period.
    TFrmReservas lista;
    EXPECT_TRUE(lista.btnImprimir->isEnabled());
    lista.dtInicio->setDate(QDate(2026, 12, 14));
    lista.dtFim->setDate(QDate(2026, 12, 16));
    QDate de, ate;
    Telas::interceptar<TFrmRelReservas>([&](TFrmRelReservas *r) {
        de = r->edtData1->date();
        ate = r->edtData2->date();
        EXPECT_EQ(FrmRelReservas, r);
        return int(QDialog::Rejected);
    });
    lista.btnImprimir->click();
    EXPECT_EQ(de, QDate(2026, 12, 14));
    EXPECT_EQ(ate, QDate(2026, 12, 16));
}

TEST_F(RelatoriosUH_, HospedesPresentesDeEstadiasAbertasEBuscaComAspas)
{
    const qint64 u = uh(QStringLiteral("301"), "O");
    auto estadia = [&](const char *baixa) {
        return banco()
            .valor(QStringLiteral("INSERT INTO WALK_IN (ID_UH, BAIXA) VALUES (?, ?) RETURNING ID_WALK_IN"),
                   {u, QString::fromLatin1(baixa)})
            .toLongLong();
    };
    const qint64 aberta = estadia("N"), fechada = estadia("S");
    auto hospede = [&](qint64 e, const QString &nome, const char *baixa) {
        banco().executar(QStringLiteral("INSERT INTO HOSPEDE (ID_ENTRADA, NOME, BAIXA) VALUES (?, ?, ?)"),
                         {e, nome, QString::fromLatin1(baixa)});
    };
    hospede(aberta, QStringLiteral("MARIA D'ÁVILA"), "N");
    hospede(aberta, QStringLiteral("ANA"), "N");
    hospede(aberta, QStringLiteral("SAIU ANTES"), "S");
    // a closed stay's guest still marked present: not in the list, found by a search
    hospede(fechada, QStringLiteral("JOSÉ D'ÁVILA"), "N");

    TFrmHospedes f;
    f.show();
    auto nomes = [&] {
        QStringList r;
        for (int i = 0; i < f.lista->modelo()->rowCount(); ++i)
            r << f.lista->modelo()->index(i, 1).data().toString();
        return r;
    };
    EXPECT_EQ(nomes(), (QStringList{"ANA", "MARIA D'ÁVILA"}));
    EXPECT_EQ(f.lista->modelo()->index(0, 3).data().toString(), QStringLiteral("301"));
    f.btnFiltros->click();
    EXPECT_TRUE(f.lista->painelFiltro()->isVisible());
    f.lista->edtFiltro()->setText(QStringLiteral("D'ÁVILA"));
    tecla(f.lista->edtFiltro(), Qt::Key_Return);
    EXPECT_EQ(nomes(), (QStringList{"JOSÉ D'ÁVILA", "MARIA D'ÁVILA"}));
    EXPECT_FALSE(f.lista->painelFiltro()->isVisible());
    // the search writes no log line
    EXPECT_EQ(logs(), QStringList());
}
