// Work schedules: the chain of periods built by double clicks, the end of a
// period across midnight and the year, the key reserved for a new schedule
// and its periods gone when it is left unsaved, saving with the first start
// and the last end, the list and the printed schedule.
#include "base/RelatorioPintura.h"
#include "staff/Escala.h"
#include "staff/UnitCadEscala.h"
#include "staff/UnitEscala.h"
#include "staff/UnitRelEscala.h"
#include "ApoioFolha.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

namespace {

class EscalaTeste : public FolhaTeste {
protected:
    // "<day> <dd/MM hh:mm>-<dd/MM hh:mm> <name>" of a schedule's periods.
    QStringList periodos(qint64 escala)
    {
        QStringList r;
        for (const Linha &l : banco().lerTodas(Escala::kSqlPeriodos, {escala}))
            r << l.data(QStringLiteral("DATA_INICIO")).toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ')
                     + l.hora(QStringLiteral("HORA_INICIO")).toString(QStringLiteral("HH:mm")) + QLatin1Char('-')
                     + l.data(QStringLiteral("DATA_TERMINO")).toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ')
                     + l.hora(QStringLiteral("HORA_TERMINO")).toString(QStringLiteral("HH:mm")) + QLatin1Char(' ')
                     + l.texto(QStringLiteral("NOME"));
        return r;
    }
    static int linhaDe(ModeloConsulta *m, const QString &nome)
    {
        return m->localizar(QStringLiteral("NOME"), nome);
    }

    // Runs the edit screen from a list in mode `op`; `agir` works on it.
    void editar(const QString &op, const std::function<void(TFrmCadEscala *)> &agir)
    {
        TFrmEscala lista;
        lista.setAttribute(Qt::WA_DontShowOnScreen);
        lista.show();
        Telas::interceptar<TFrmCadEscala>([&](TFrmCadEscala *f) {
            f->setAttribute(Qt::WA_DontShowOnScreen);
            f->show();
            agir(f);
            if (f->isVisible())
                f->btnCancelar->click();
            return f->result();
        });
        if (op == QLatin1String("I"))
            lista.btnNovo->click();
        else if (op == QLatin1String("A"))
            lista.btnAlterar->click();
        else
            lista.dbgEscalaDblClick();
        EXPECT_TRUE(lista.OP.isEmpty());
        Telas::liberarTodas();
    }
};

TEST_F(EscalaTeste, FimDoPeriodo)
{
    struct Caso {
        QDate data;
        QTime hora, carga;
        QDate dataFim;
        QTime horaFim;
    };
    const Caso casos[] = {
        {QDate(2025, 3, 3), QTime(7, 0), QTime(12, 0), QDate(2025, 3, 3), QTime(19, 0)},
        {QDate(2025, 3, 3), QTime(19, 0), QTime(12, 0), QDate(2025, 3, 4), QTime(7, 0)},
        {QDate(2025, 12, 31), QTime(22, 0), QTime(8, 0), QDate(2026, 1, 1), QTime(6, 0)},
        {QDate(2025, 3, 3), QTime(0, 0), QTime(0, 0), QDate(2025, 3, 4), QTime(0, 0)},
        {QDate(2025, 3, 3), QTime(13, 30), QTime(0, 0), QDate(2025, 3, 4), QTime(13, 30)},
    };
    for (const Caso &c : casos) {
        const Escala::Periodo p = Escala::periodo(c.data, c.hora, c.carga);
        EXPECT_EQ(p.dataTermino, c.dataFim) << c.data.toString().toStdString() << c.hora.toString().toStdString();
        EXPECT_EQ(p.horaTermino, c.horaFim);
    }
    EXPECT_EQ(Escala::diaDaSemana(QDate(2025, 3, 3)), QStringLiteral("Segunda-Feira"));
    EXPECT_EQ(Escala::diaDaSemana(QDate(2025, 3, 9)), QStringLiteral("Domingo"));
}

TEST_F(EscalaTeste, CadeiaDePeriodosPorDuploClique)
{
    funcionario(QStringLiteral("ANA"));
    funcionario(QStringLiteral("BRUNO"));
    qint64 chave = 0;
    msg->esperar(Escala::kMsgCadastrada);
    editar(QStringLiteral("I"), [&](TFrmCadEscala *f) {
        EXPECT_EQ(f->lblTitulo->text(), QStringLiteral("Nova Escala"));
        chave = f->chave();
        EXPECT_EQ(f->lblCodigo->text(), QString::number(chave));
        f->dtpInicio->setDate(QDate(2025, 3, 3));
        f->hrInicio->setTime(QTime(7, 0));
        f->hrCarga->setTime(QTime(12, 0));
        EXPECT_EQ(f->hrTermino->time(), QTime(19, 0));
        for (const char *n : {"ANA", "BRUNO", "ANA"})
            f->dbgFuncionariosDblClick(linhaDe(f->tFuncionarios(), QString::fromLatin1(n)));
        // the chain goes on from the last end
        EXPECT_EQ(f->dtpInicio->date(), QDate(2025, 3, 4));
        EXPECT_EQ(f->hrInicio->time(), QTime(19, 0));
        EXPECT_EQ(f->tPeriodos()->total(), 3);
        EXPECT_EQ(f->tPeriodos()->texto(1, QStringLiteral("DIA_SEMANA")), QStringLiteral("Segunda-Feira"));
        f->edtDescricao->setText(QStringLiteral("PORTARIA D'ÁGUA"));
        f->btnConfirmar->click();
    });
    EXPECT_EQ(periodos(chave), (QStringList{"03/03/2025 07:00-03/03/2025 19:00 ANA",
                                            "03/03/2025 19:00-04/03/2025 07:00 BRUNO",
                                            "04/03/2025 07:00-04/03/2025 19:00 ANA"}));
    const Linha e = banco().ler(QStringLiteral("SELECT * FROM ESCALA WHERE ID_ESCALA = ?"), {chave});
    EXPECT_EQ(e.texto(QStringLiteral("DESCRICAO")), QStringLiteral("PORTARIA D'ÁGUA"));
    EXPECT_EQ(e.data(QStringLiteral("DATA_INICIO")), QDate(2025, 3, 3));
    EXPECT_EQ(e.hora(QStringLiteral("HORA_INICIO")), QTime(7, 0));
    EXPECT_EQ(e.data(QStringLiteral("DATA_TERMINO")), QDate(2025, 3, 4));
    EXPECT_EQ(e.hora(QStringLiteral("HORA_TERMINO")), QTime(19, 0));
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Incluiu Escala -> Código %1 (PORTARIA D'ÁGUA)").arg(chave)});
}

TEST_F(EscalaTeste, NovaEscalaCanceladaNaoDeixaLinhas)
{
    funcionario(QStringLiteral("ANA"));
    qint64 chave = 0;
    // refused first for an empty description, then cancelled
    msg->esperar(Escala::kMsgDescricaoInvalida);
    editar(QStringLiteral("I"), [&](TFrmCadEscala *f) {
        chave = f->chave();
        f->dtpInicio->setDate(QDate(2025, 12, 31));
        f->hrInicio->setTime(QTime(22, 0));
        f->hrCarga->setTime(QTime(8, 0));
        for (int i = 0; i < 3; ++i)
            f->dbgFuncionariosDblClick(0);
        EXPECT_EQ(periodos(chave).first(), QStringLiteral("31/12/2025 22:00-01/01/2026 06:00 ANA"));
        EXPECT_EQ(periodos(chave).last(), QStringLiteral("01/01/2026 14:00-01/01/2026 22:00 ANA"));
        f->btnConfirmar->click();
        EXPECT_TRUE(f->isVisible());
    });
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ESCALA")), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ESCALA_DET")), 0);
    // The next new schedule takes a new key with an empty grid.
    editar(QStringLiteral("I"), [&](TFrmCadEscala *f) {
        EXPECT_GT(f->chave(), chave);
        EXPECT_EQ(f->tPeriodos()->total(), 0);
    });
}

TEST_F(EscalaTeste, SemPeriodosEDescricaoVaziaSaoRecusadas)
{
    EXPECT_EQ(Escala::salvar(DM->Conexao, ModoEdicao::Incluir, 77, QStringLiteral("  ")).mensagem, Escala::kMsgDescricaoInvalida);
    EXPECT_EQ(Escala::salvar(DM->Conexao, ModoEdicao::Incluir, 77, QStringLiteral("NOITE")).mensagem, Escala::kMsgSemPeriodos);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ESCALA")), 0);
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(EscalaTeste, AlterarRemovendoPeriodoECancelarGuardaOInicio)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"));
    const qint64 k = banco().gerador(QStringLiteral("GEN_ID_ESCALA"), 1);
    Escala::incluirPeriodo(DM->Conexao, k, ana, Escala::periodo(QDate(2025, 3, 3), QTime(7, 0), QTime(12, 0)));
    Escala::incluirPeriodo(DM->Conexao, k, ana, Escala::periodo(QDate(2025, 3, 3), QTime(19, 0), QTime(12, 0)));
    ASSERT_TRUE(Escala::salvar(DM->Conexao, ModoEdicao::Incluir, k, QStringLiteral("DIA")).salvo);
    editar(QStringLiteral("A"), [&](TFrmCadEscala *f) {
        EXPECT_EQ(f->lblTitulo->text(), QStringLiteral("Alterar Escala"));
        EXPECT_EQ(f->edtDescricao->text(), QStringLiteral("DIA"));
        f->dbgEscalaDblClick(0);
        EXPECT_EQ(f->tPeriodos()->total(), 1);
    });
    EXPECT_EQ(periodos(k), QStringList{"03/03/2025 19:00-04/03/2025 07:00 ANA"});
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT HORA_INICIO FROM ESCALA")).hora(QStringLiteral("HORA_INICIO")),
              QTime(7, 0));
    EXPECT_TRUE(logs().last().startsWith(QStringLiteral("ADMIN|Excluiu Período da Escala -> Código ")));
    // Saved again, the row takes the new start.
    msg->esperar(Escala::kMsgAlterada);
    editar(QStringLiteral("A"), [&](TFrmCadEscala *f) { f->btnConfirmar->click(); });
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT HORA_INICIO FROM ESCALA")).hora(QStringLiteral("HORA_INICIO")),
              QTime(19, 0));
    // Viewing changes nothing.
    editar(QStringLiteral("V"), [&](TFrmCadEscala *f) {
        EXPECT_EQ(f->lblTitulo->text(), QStringLiteral("Ver Escala"));
        EXPECT_FALSE(f->btnConfirmar->isEnabled());
        f->dbgEscalaDblClick(0);
        f->dbgFuncionariosDblClick(0);
    });
    EXPECT_EQ(periodos(k).size(), 1);
}

TEST_F(EscalaTeste, ListaFiltraExcluiEImprime)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"));
    qint64 chaves[2];
    const char *nomes[] = {"NOITE", "DIA"};
    for (int i = 0; i < 2; ++i) {
        chaves[i] = banco().gerador(QStringLiteral("GEN_ID_ESCALA"), 1);
        Escala::incluirPeriodo(DM->Conexao, chaves[i], ana, Escala::periodo(QDate(2025, 3, 3), QTime(22, 0), QTime(8, 0)));
        Escala::incluirPeriodo(DM->Conexao, chaves[i], ana, Escala::periodo(QDate(2025, 3, 4), QTime(6, 0), QTime(8, 0)));
        ASSERT_TRUE(Escala::salvar(DM->Conexao, ModoEdicao::Incluir, chaves[i], QString::fromLatin1(nomes[i])).salvo);
    }
    TFrmEscala lista;
    lista.setAttribute(Qt::WA_DontShowOnScreen);
    lista.show();
    EXPECT_EQ(lista.tEscala()->total(), 2);
    lista.btnFiltrosClick();
    lista.lista->opcoesFiltro()[1]->click();
    lista.lista->edtFiltro()->setText(QStringLiteral("DI"));
    lista.lista->buscar();
    ASSERT_EQ(lista.tEscala()->total(), 1);
    EXPECT_EQ(lista.tEscala()->texto(0, QStringLiteral("DESCRICAO")), QStringLiteral("DIA"));
    EXPECT_EQ(logs().last(), QStringLiteral("ADMIN|Tentou Localizar Característica de Descrição -> DI"));

    msg->esperar(Escala::kMsgConfirmaExclusao, Mensagem::Sim).esperar(Escala::kMsgExcluida);
    lista.btnExcluir->click();
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ESCALA")), 1);
    EXPECT_EQ(logs().last(), QStringLiteral("ADMIN|Excluiu Escala -> Código %1 (DIA)").arg(chaves[1]));

    // The printed schedule: a night period under its start date.
    const Relatorio r = Escala::relatorio(DM->Conexao, chaves[0], QStringLiteral("%1/NOITE").arg(chaves[0]));
    QStringList bandas;
    for (const Relatorio::Banda &b : r.bandas())
        if (b.tipo == Relatorio::TipoBanda::CabecalhoGrupo)
            bandas << b.texto;
        else if (b.tipo == Relatorio::TipoBanda::Detalhe)
            bandas << b.celulas[0].texto + QLatin1Char('|') + b.celulas[1].texto + QLatin1Char('|') + b.celulas[2].texto;
    EXPECT_EQ(bandas, (QStringList{"Segunda-Feira, 03/03/2025", "ANA|22:00:00|06:00:00", "Terça-Feira, 04/03/2025",
                                   "ANA|06:00:00|14:00:00"}));
    EXPECT_EQ(r.linhaOpcoes(), QStringLiteral("(%1/NOITE)").arg(chaves[0]));

    // The report screen: nothing chosen finds nothing; a choice previews and logs.
    TFrmRelEscala rel;
    msg->esperar(kMsgNenhumRegistro);
    rel.btnImprimirClick();
    int previas = 0;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
        ++previas;
        EXPECT_EQ(v->relatorio().totalLinhas(), 2);
        return int(QDialog::Accepted);
    });
    rel.cbEscala->setCurrentIndex(0);
    rel.btnImprimirClick();
    EXPECT_EQ(previas, 1);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT OPERACAO, ANTES FROM LOG ORDER BY ID_LOG DESC")).texto(QStringLiteral("ANTES")),
              QStringLiteral("Relatório de Escala de Trabalho (%1/NOITE)").arg(chaves[0]));
}

} // namespace
