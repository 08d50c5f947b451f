// The correction panels over the stay list: which panel each action opens,
// the grid and "Sair" disabled while it is open, the exact messages, and the
// guest panel's "x", which writes nothing.
#include "base/Relogio.h"
#include "base/Telas.h"
#include "stays/Correcoes.h"
#include "stays/Pagamentos.h"
#include "stays/UnitCorrecoesWalkIn.h"
#include "stays/UnitWalkIn.h"
#include "support/TelasTeste.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

using namespace Correcoes;

namespace {

const QDate kHoje(2026, 3, 10);

Dinheiro reais(const char *t) { return Dinheiro::deTextoOuErro(QString::fromUtf8(t)); }

class PaineisCorrecao : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(10, 0)));
        luxo = banco()
                   .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P3, P1MIN, P2MIN, P3MIN) "
                                         "VALUES ('LUXO', 'LX', 100, 150, 180, 90, 130, 160) RETURNING ID_TIPO_UH"))
                   .toLongLong();
        uh101 = quarto("101", "O");
        uh102 = quarto("102", "L");
        ana = cliente("ANA D'ÁVILA", "N", "123.456.789-09");
        banco().executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, USUARIO) VALUES (?, 'ADMIN')"), {kHoje});
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        Relogio::liberar();
        TelasTeste::TearDown();
    }
    qint64 quarto(const char *numero, const char *situacao)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, SITUACAO) VALUES (?, ?, ?) RETURNING ID_UH"),
                   {luxo, QString::fromUtf8(numero), QString::fromUtf8(situacao)})
            .toLongLong();
    }
    qint64 cliente(const char *nome, const char *excluido, const char *cpf)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF, EXCLUIDO) VALUES (?, 'F', ?, ?) "
                                  "RETURNING ID_CLIENTE"),
                   {QString::fromUtf8(nome), QString::fromUtf8(cpf), QString::fromUtf8(excluido)})
            .toLongLong();
    }
    qint64 estadia(int pessoas, int hospedes)
    {
        const qint64 id = banco()
                              .valor(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, "
                                                    "HORA_SAIDA, ID_CLIENTE, ID_UH, QTD_ADULTOS, VALOR_DIARIA) VALUES "
                                                    "(?, '09:00', ?, '12:00', ?, ?, ?, 150) RETURNING ID_WALK_IN"),
                                     {kHoje, kHoje.addDays(2), ana, uh101, pessoas})
                              .toLongLong();
        for (int i = 0; i < hospedes; ++i)
            banco().executar(QStringLiteral("INSERT INTO HOSPEDE (ID_ENTRADA, NOME) VALUES (?, ?)"),
                             {id, QStringLiteral("HÓSPEDE %1").arg(i + 1)});
        banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 150, ?)"),
                         {id, kHoje, pessoas});
        return id;
    }
    void comLista(const QString &op, qint64 id, const std::function<void(TFrmWalkIn *, CorrecoesWalkIn *)> &f)
    {
        bool aberta = false;
        Telas::interceptar<TFrmWalkIn>([&](TFrmWalkIn *l) {
            aberta = true;
            l->show();
            EXPECT_TRUE(l->localizar(id));
            f(l, l->correcoes);
            return int(QDialog::Rejected);
        });
        ListaEstadias::abrir({op, {}, 0, 0, true});
        EXPECT_TRUE(aberta);
        Telas::liberar(std::type_index(typeid(TFrmWalkIn)));
        EXPECT_EQ(msg->pendentes(), 0);
    }
    static void travada(TFrmWalkIn *l, bool sair)
    {
        EXPECT_FALSE(l->DBGrid1->isEnabled());
        EXPECT_EQ(l->btnSair->isEnabled(), !sair);
    }
    static void livre(TFrmWalkIn *l)
    {
        EXPECT_TRUE(l->DBGrid1->isEnabled());
        EXPECT_TRUE(l->btnSair->isEnabled());
    }
    Linha walkIn(qint64 id) { return banco().ler(QStringLiteral("SELECT * FROM WALK_IN WHERE ID_WALK_IN = ?"), {id}); }
    int hospedesGravados(qint64 id)
    {
        return banco().valor(QStringLiteral("SELECT COUNT(*) FROM HOSPEDE WHERE ID_ENTRADA = ?"), {id}).toInt();
    }

    qint64 luxo = 0, uh101 = 0, uh102 = 0, ana = 0;
};

TEST_F(PaineisCorrecao, AlterarUHPedeANovaUHEOMotivo)
{
    const qint64 id = estadia(1, 1);
    comLista(QStringLiteral("Despesas"), id, [&](TFrmWalkIn *l, CorrecoesWalkIn *c) {
        l->btnAlterarUH->click();
        EXPECT_TRUE(c->pnlUH->isVisible());
        EXPECT_EQ(c->pnlUH->title(), QStringLiteral("Alteração de UH"));
        EXPECT_EQ(c->lblUHAtual->text(), QStringLiteral("101"));
        EXPECT_EQ(c->cbUH->count(), 2); // empty choice and the free 102
        travada(l, true);
        msg->esperar(kMsgSelecioneUH);
        c->btnConfirmarUH->click();
        c->cbUH->setCurrentIndex(c->cbUH->findText(QStringLiteral("102 / LX")));
        c->btnConfirmarUH->click();
        EXPECT_TRUE(c->pnlMotivoUH->isVisible());
        EXPECT_EQ(c->pnlMotivoUH->title(), QStringLiteral("Informe o Motivo da Alteração"));
        msg->esperar(kMsgInformeMotivoUH);
        c->btnConfirmarMotivoUH->click();
        c->edtMotivoUH->setText(QStringLiteral("CHUVEIRO"));
        msg->esperar(kMsgUHAlterada);
        c->btnConfirmarMotivoUH->click();
        EXPECT_FALSE(c->pnlUH->isVisible());
        EXPECT_FALSE(c->pnlMotivoUH->isVisible());
        livre(l);
        EXPECT_EQ(l->texto(QStringLiteral("NUMERO")), QStringLiteral("102"));
    });
    EXPECT_EQ(walkIn(id).inteiro(QStringLiteral("ID_UH")), uh102);
}

TEST_F(PaineisCorrecao, HospedesFechadosNoXNaoGravamNada)
{
    // Three persons, two guest rows (allowed when guests are not locked).
    const qint64 id = estadia(3, 2);
    comLista(QStringLiteral("Despesas"), id, [&](TFrmWalkIn *l, CorrecoesWalkIn *c) {
        l->btnAlterarHospedes->click();
        EXPECT_TRUE(c->pnlHospedes->isVisible());
        EXPECT_EQ(c->dbgHospedes->rowCount(), 2);
        EXPECT_TRUE(c->btnRemoverHospede->isVisible());
        travada(l, true);
        c->btnIncluirHospede->click();
        EXPECT_EQ(c->pnlNomeHospede->title(), QStringLiteral("Incluir Novo Hóspede"));
        c->edtNomeHospede->setText(QStringLiteral("JOÃO D'ÁVILA"));
        c->btnSalvarNome->click();
        c->dbgHospedes->selectRow(0);
        c->btnRemoverHospede->click();
        EXPECT_EQ(c->dbgHospedes->rowCount(), 2);
        c->btnFecharHospedes->click();
        EXPECT_FALSE(c->pnlHospedes->isVisible());
        livre(l);
    });
    EXPECT_EQ(walkIn(id).inteiro(QStringLiteral("QTD_ADULTOS")), 3);
    EXPECT_EQ(hospedesGravados(id), 2);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM LOG")).toInt(), 0);
}

TEST_F(PaineisCorrecao, NovoHospedeAbreADiariaDaNovaQuantidade)
{
    const qint64 id = estadia(2, 2);
    comLista(QStringLiteral("Despesas"), id, [&](TFrmWalkIn *l, CorrecoesWalkIn *c) {
        l->btnAlterarHospedes->click();
        c->btnIncluirHospede->click();
        c->edtNomeHospede->setText(QStringLiteral("MARIA"));
        c->btnSalvarNome->click();
        c->btnConfirmarHospedes->click();
        // Three persons: the rate panel with the type's floor for three.
        EXPECT_TRUE(c->pnlDiaria->isVisible());
        EXPECT_EQ(c->lblUHDiaria->text(), QStringLiteral("UH Atual: 101"));
        EXPECT_EQ(c->lblValorAtual->text(), QStringLiteral("Valor Atual: R$ 150,00"));
        EXPECT_EQ(c->lblValorTabela->text(), QStringLiteral("Valor Tabela: R$ 160,00"));
        EXPECT_EQ(c->edtNovoValor->text(), QStringLiteral("0,00"));
        // Closing the rate panel leaves the guest panel open, nothing written.
        c->btnFecharDiaria->click();
        EXPECT_TRUE(c->pnlHospedes->isVisible());
        travada(l, true);
        EXPECT_EQ(walkIn(id).inteiro(QStringLiteral("QTD_ADULTOS")), 2);
        c->btnConfirmarHospedes->click();
        c->edtNovoValor->setText(QStringLiteral("1.180,00"));
        msg->esperar(kMsgDiariaAlterada);
        c->btnConfirmarDiaria->click();
        EXPECT_FALSE(c->pnlDiaria->isVisible());
        EXPECT_FALSE(c->pnlHospedes->isVisible());
        livre(l);
    });
    const Linha w = walkIn(id);
    EXPECT_EQ(w.inteiro(QStringLiteral("QTD_ADULTOS")), 3);
    EXPECT_EQ(w.dinheiro(QStringLiteral("VALOR_DIARIA")), reais("1.180,00"));
    EXPECT_EQ(hospedesGravados(id), 3);
}

TEST_F(PaineisCorrecao, DiariaAbaixoDoPisoSemMovimentos)
{
    Sessao::atual().direitos.MOVIMENTOS = false;
    const qint64 id = estadia(1, 1);
    comLista(QStringLiteral("Despesas"), id, [&](TFrmWalkIn *l, CorrecoesWalkIn *c) {
        EXPECT_FALSE(l->btnAlterarDiaria->isVisibleTo(l));
        // One guest: "Remover" is not offered.
        l->btnAlterarHospedes->click();
        EXPECT_FALSE(c->btnRemoverHospede->isVisible());
        c->btnFecharHospedes->click();
        c->acao(QStringLiteral("Alterar Valor da Diária"));
        c->edtNovoValor->setText(QStringLiteral("80,00"));
        msg->esperar(kMsgLimiteDesconto);
        c->btnConfirmarDiaria->click();
        EXPECT_EQ(msg->mostradas().last().tipo, Mensagem::Tipo::Erro);
        EXPECT_TRUE(c->pnlDiaria->isVisible());
        c->btnFecharDiaria->click();
        livre(l);
    });
    EXPECT_EQ(walkIn(id).dinheiro(QStringLiteral("VALOR_DIARIA")), reais("150,00"));
}

TEST_F(PaineisCorrecao, DiariasCobradasIncluiEExclui)
{
    const qint64 id = estadia(2, 2);
    comLista(QString(), id, [&](TFrmWalkIn *l, CorrecoesWalkIn *c) {
        l->btnDiariasCobradas->click();
        EXPECT_TRUE(c->pnlDiarias->isVisible());
        EXPECT_FALSE(l->DBGrid1->isEnabled());
        EXPECT_TRUE(l->btnSair->isEnabled()); // the nights panel disables only the grid
        EXPECT_EQ(c->lblCodEntrada->text(), QStringLiteral("Cód. Entrada: %1").arg(id));
        EXPECT_EQ(c->lblDataNoite->text(), QStringLiteral("Data da Diária: 10/03/2026"));
        EXPECT_EQ(c->lblValorNoite->text(), QStringLiteral("Valor Atual: R$ 150,00"));
        EXPECT_EQ(c->lblQtdNoite->text(), QStringLiteral("Qtd. de Pessoas: 2"));
        c->btnIncluirNoite->click();
        EXPECT_EQ(c->edtDataNoite->date(), kHoje);
        c->edtDataNoite->setDate(kHoje.addDays(5));
        c->edtValorNovaNoite->setText(QStringLiteral("120,00"));
        msg->esperar(kMsgDataForaEstadia);
        c->btnConfirmarNovaNoite->click();
        c->edtDataNoite->setDate(kHoje.addDays(1));
        msg->esperar(kMsgDiariaIncluida);
        c->btnConfirmarNovaNoite->click();
        EXPECT_FALSE(c->pnlNovaNoite->isVisible());
        EXPECT_EQ(c->dbgOcupacao->rowCount(), 2);
        EXPECT_EQ(c->dbgOcupacao->currentRow(), 1);
        EXPECT_EQ(c->lblValorNoite->text(), QStringLiteral("Valor Atual: R$ 120,00"));
        msg->esperar(kMsgPerguntaExcluirDiaria, Mensagem::Nao);
        c->btnExcluirNoite->click();
        msg->esperar(kMsgPerguntaExcluirDiaria, Mensagem::Sim);
        msg->esperar(kMsgDiariaExcluida);
        c->btnExcluirNoite->click();
        EXPECT_EQ(c->dbgOcupacao->rowCount(), 1);
        c->btnFecharDiarias->click();
        livre(l);
    });
}

TEST_F(PaineisCorrecao, FormaDePagamentoSomaEConfirma)
{
    const qint64 id = estadia(1, 1);
    Pagamentos::Valores v;
    v[MeioCaixa::Dinheiro] = reais("200,00");
    Pagamentos::lancar(banco(), id, v, false);
    banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S', DATA_SAIDA = ?, HORA_SAIDA = '09:50'"), {kHoje});
    comLista(QString(), id, [&](TFrmWalkIn *l, CorrecoesWalkIn *c) {
        EXPECT_TRUE(l->btnFormaPag->isEnabled());
        l->btnFormaPag->click();
        EXPECT_TRUE(c->pnlFormaPag->isVisible());
        EXPECT_EQ(c->lblTotalEstadia->text(), QStringLiteral("R$ 200,00"));
        EXPECT_EQ(c->edtAnterior[0]->text(), QStringLiteral("200,00"));
        EXPECT_EQ(c->lblTotalNova->text(), QStringLiteral("Total -> R$ 200,00"));
        c->edtNova[0]->setText(QStringLiteral("150,00"));
        EXPECT_EQ(c->lblTotalNova->text(), QStringLiteral("Total -> R$ 150,00"));
        msg->esperar(kMsgValorDiferente);
        c->btnConfirmarForma->click();
        c->edtNova[1]->setText(QStringLiteral("50,00"));
        msg->esperar(kMsgValoresAlterados);
        c->btnConfirmarForma->click();
        EXPECT_FALSE(c->pnlFormaPag->isVisible());
        livre(l);
    });
    const Linha cx = banco().ler(QStringLiteral("SELECT * FROM CAIXA"));
    EXPECT_EQ(cx.dinheiro(QStringLiteral("ATUAL")), reais("150,00"));
    EXPECT_EQ(cx.dinheiro(QStringLiteral("ATUAL_CARTAO")), reais("50,00"));

    // A user without MOVIMENTOS, 30 minutes after the departure at 09:50.
    Sessao::atual().direitos.MOVIMENTOS = false;
    Relogio::definir(QDateTime(kHoje, QTime(10, 20)));
    comLista(QString(), id, [&](TFrmWalkIn *l, CorrecoesWalkIn *c) {
        msg->esperar(kMsgTempoForma);
        l->btnFormaPag->click();
        EXPECT_FALSE(c->pnlFormaPag->isVisible());
    });
}

TEST_F(PaineisCorrecao, ExcluirEntradaPerguntaEPedeOMotivo)
{
    const qint64 id = estadia(1, 1);
    comLista(QString(), id, [&](TFrmWalkIn *l, CorrecoesWalkIn *c) {
        msg->esperar(kMsgPerguntaExcluir, Mensagem::Nao);
        l->btnExcluirEntrada->click();
        EXPECT_FALSE(c->pnlCancelar->isVisible());
        livre(l);
        msg->esperar(kMsgPerguntaExcluir, Mensagem::Sim);
        l->btnExcluirEntrada->click();
        EXPECT_TRUE(c->pnlCancelar->isVisible());
        travada(l, false);
        msg->esperar(kMsgInformeMotivoCancelamento);
        c->btnOKCancelamento->click();
        c->edtMotivoCancelamento->setText(QStringLiteral("DESISTIU"));
        msg->esperar(kMsgEntradaExcluida);
        c->btnOKCancelamento->click();
        EXPECT_FALSE(c->pnlCancelar->isVisible());
        livre(l);
        EXPECT_EQ(l->texto(QStringLiteral("EXCLUIDO")), QStringLiteral("S"));
        EXPECT_TRUE(l->lblMotivo->isVisible());
    });
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {uh101}).toString(),
              QStringLiteral("L"));
}

TEST_F(PaineisCorrecao, NotaFiscalEClienteResponsavel)
{
    const qint64 id = estadia(1, 1);
    const qint64 rui = cliente("RUI RESTRITO", "R", "529.982.247-25");
    const qint64 bia = cliente("BIA O'HARA", "N", "");
    (void)rui;
    comLista(QString(), id, [&](TFrmWalkIn *l, CorrecoesWalkIn *c) {
        msg->esperar(kMsgPerguntaNF, Mensagem::Sim);
        l->btnEmissaoNF->click();
        EXPECT_EQ(l->texto(QStringLiteral("NF")), QStringLiteral("S"));

        l->mnClienteResponsavel->trigger();
        EXPECT_TRUE(c->pnlCliente->isVisible());
        EXPECT_EQ(c->pnlCliente->title(), QStringLiteral("Selecione o Novo Cliente Responsável"));
        EXPECT_EQ(c->cbClienteResp->currentText(), QStringLiteral("ANA D'ÁVILA / 123.456.789-09"));
        travada(l, false);
        c->cbClienteResp->setCurrentIndex(c->cbClienteResp->findText(QStringLiteral("RUI RESTRITO / 529.982.247-25")));
        msg->esperar(kMsgClienteRestricao);
        c->btnConfirmarCliente->click();
        EXPECT_TRUE(c->pnlCliente->isVisible());
        c->cbClienteResp->setCurrentIndex(c->cbClienteResp->findText(QStringLiteral("BIA O'HARA / ")));
        msg->esperar(kMsgClienteAlterado);
        c->btnConfirmarCliente->click();
        EXPECT_FALSE(c->pnlCliente->isVisible());
        livre(l);
        EXPECT_EQ(l->texto(QStringLiteral("NOME")), QStringLiteral("BIA O'HARA"));
    });
    EXPECT_EQ(walkIn(id).inteiro(QStringLiteral("ID_CLIENTE")), bia);
    // A closed stay keeps its customer.
    banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S'"));
    comLista(QString(), id, [&](TFrmWalkIn *l, CorrecoesWalkIn *c) {
        msg->esperar(kMsgClienteSoAberta);
        l->mnClienteResponsavel->trigger();
        EXPECT_FALSE(c->pnlCliente->isVisible());
    });
}

} // namespace
