// Withdrawals and additions: every means with its balance, row and log line,
// the refusals, the amounts typed, a double "Confirmar", and two
// workstations taking the last money of a balance at the same moment.
#include "base/Relogio.h"
#include "base/Telas.h"
#include "finance/Caixa.h"
#include "finance/UnitCaixa.h"
#include "finance/UnitRetiraDinheiro.h"
#include "support/TelasTeste.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>

#include <atomic>

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

class RetiradaTeste : public TelasTeste {
protected:
    void TearDown() override
    {
        FrmCaixa = nullptr;
        TelasTeste::TearDown();
    }
    // The open shift with the same balance in every means.
    qint64 turnoAberto(const QString &saldo)
    {
        QString sql = QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, TURNO, USUARIO");
        Valores v{QDate(2026, 12, 10), QTime(8, 0), 1, QStringLiteral("ADMIN")};
        for (const DadosMeioCaixa &m : meiosCaixa()) {
            sql += QStringLiteral(", ") + m.coluna;
            v << Dinheiro::deTextoOuErro(saldo).paraBanco();
        }
        sql += QStringLiteral(") VALUES (?") + QStringLiteral(", ?").repeated(v.size() - 1)
            + QStringLiteral(") RETURNING ID_CAIXA");
        return banco().ler(sql, v).inteiro(QStringLiteral("ID_CAIXA"));
    }
    QString saldo(MeioCaixa m)
    {
        return banco()
            .ler(QStringLiteral("SELECT %1 FROM CAIXA WHERE DATA_FECHA IS NULL").arg(dadosMeio(m).coluna))
            .dinheiro(dadosMeio(m).coluna)
            .formatado();
    }
    QStringList saldos()
    {
        QStringList s;
        for (const DadosMeioCaixa &m : meiosCaixa())
            s << saldo(m.meio);
        return s;
    }
    // Rows of RET_CAIXA or ADIC_CAIXA: "dd/MM/yyyy hh:mm:ss|valor|tipo|usuario|descrição".
    QStringList linhas(const QString &tabela)
    {
        const bool ret = tabela == QLatin1String("RET_CAIXA");
        QStringList r;
        for (const Linha &l : banco().lerTodas(
                 QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(tabela, ret ? "ID_RET_CAIXA" : "ID_ADIC_CAIXA")))
            r << l.data(ret ? "DATA_RET" : "DATA_ADIC").toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ')
                    + l.hora(ret ? "HORA_RET" : "HORA_ADIC").toString(QStringLiteral("hh:mm:ss")) + QLatin1Char('|')
                    + l.dinheiro(QStringLiteral("VALOR")).formatado() + QLatin1Char('|') + l.texto(QStringLiteral("TIPO"))
                    + QLatin1Char('|') + l.texto(QStringLiteral("USUARIO")) + QLatin1Char('|')
                    + l.texto(QStringLiteral("DESCRICAO"));
        return r;
    }
    // One operation on the screen: the operation, the means, the amount and the reason.
    void preencher(TFrmRetiraDinheiro &f, Caixa::Operacao op, MeioCaixa meio, const QString &valor,
                   const QString &obs)
    {
        (op == Caixa::Operacao::Retirar ? f.btnRetirar : f.btnAdicionar)->click();
        f.rbMeios[int(meio)]->click();
        f.edtValor->setText(valor);
        f.mmObs->setPlainText(obs);
    }
};

} // namespace

TEST_F(RetiradaTeste, CadaMeioComSaldoLinhaERegistro)
{
    turnoAberto(QStringLiteral("100,00"));
    QStringList esperadoRet, esperadoAdic, esperadoLog;
    for (const DadosMeioCaixa &m : meiosCaixa()) {
        if (m.meio == MeioCaixa::APrazo)
            continue;
        SCOPED_TRACE(m.escolha.toStdString());
        const QStringList antes = saldos();
        {
            TFrmRetiraDinheiro f;
            preencher(f, Caixa::Operacao::Retirar, m.meio, QStringLiteral("30,25"), QStringLiteral("Sangria do turno"));
            EXPECT_EQ(f.lblOp->text(), QStringLiteral("Retirar ") + m.escolha);
            msg->esperar(u8("Retirada Realizada com Sucesso!"));
            f.btnConfirmarClick();
            EXPECT_EQ(f.result(), QDialog::Accepted);
        }
        Relogio::avancar(1);
        {
            TFrmRetiraDinheiro f;
            preencher(f, Caixa::Operacao::Adicionar, m.meio, QStringLiteral("1.234,56"), QStringLiteral("Troco"));
            EXPECT_EQ(f.lblOp->text(), QStringLiteral("Adicionar ") + m.escolha);
            msg->esperar(u8("Reposição Realizada com Sucesso!"));
            f.btnConfirmarClick();
        }
        Relogio::avancar(1);
        // Only this means changed: 100,00 - 30,25 + 1.234,56.
        QStringList depois = antes;
        depois[int(m.meio)] = QStringLiteral("1.304,31");
        EXPECT_EQ(saldos(), depois);
        const int i = int(m.meio);
        esperadoRet << QStringLiteral("10/12/2026 10:00:%1|30,25|").arg(2 * i, 2, 10, QLatin1Char('0')) + m.tipo
                + QStringLiteral("|ADMIN|Sangria do turno");
        esperadoAdic << QStringLiteral("10/12/2026 10:00:%1|1.234,56|").arg(2 * i + 1, 2, 10, QLatin1Char('0'))
                + m.tipo + QStringLiteral("|ADMIN|Troco");
        esperadoLog << QStringLiteral("ADMIN|Retirou 30,25 do Caixa em ") + m.tipo + QStringLiteral("! (Sangria do turno)")
                    << u8("ADMIN|Realizou Reposição de 1.234,56 ao Caixa em ") + m.tipo + QStringLiteral("! (Troco)");
    }
    EXPECT_EQ(linhas(QStringLiteral("RET_CAIXA")), esperadoRet);
    EXPECT_EQ(linhas(QStringLiteral("ADIC_CAIXA")), esperadoAdic);
    EXPECT_EQ(logs(), esperadoLog);
    EXPECT_EQ(esperadoLog[2], u8("ADMIN|Retirou 30,25 do Caixa em Cartão de Crédito - Visa! (Sangria do turno)"));
}

TEST_F(RetiradaTeste, RecusasNaoGravamNada)
{
    turnoAberto(QStringLiteral("50,00"));
    banco().executar(QStringLiteral("UPDATE CAIXA SET ATUAL_HIPER = -1"));
    struct Caso {
        const char *nome;
        MeioCaixa meio;
        const char *valor;
        const char *obs;
        QStringList mensagens;
    };
    const Caso casos[] = {
        {"dinheiro, um centavo acima do saldo", MeioCaixa::Dinheiro, "50,01", "x",
         {u8("Saldo Insuficiente no CAIXA!"), u8("Valor Inexistente em Dinheiro!")}},
        {"cartão, um centavo acima do saldo", MeioCaixa::DebitoMaster, "50,01", "x",
         {u8("Valor Inexistente em Débito - Mastercard!")}},
        {"cartão com saldo negativo", MeioCaixa::Hipercard, "0,01", "x",
         {u8("Valor Inexistente em Crédito - Hipercard!")}},
        {"sem motivo", MeioCaixa::PixChq, "10,00", "", {u8("Informe o Motivo da Operação para Controle!")}},
        {"motivo só de espaços", MeioCaixa::PixChq, "10,00", "  \n ", {u8("Informe o Motivo da Operação para Controle!")}},
        {"valor zero", MeioCaixa::Dinheiro, "0,00", "x", {u8("Informe o Valor da Operação!")}},
        {"valor negativo", MeioCaixa::CreditoVisa, "-50", "x",
         {u8("Valor Inválido! Informe o Valor sem Sinal: a Operação (Adicionar ou Retirar) já Indica o Sentido.")}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        TFrmRetiraDinheiro f;
        f.show();
        ativar(&f);
        preencher(f, Caixa::Operacao::Retirar, c.meio, QString::fromUtf8(c.valor), QString::fromUtf8(c.obs));
        for (const QString &m : c.mensagens)
            msg->esperar(m);
        f.btnConfirmarClick();
        EXPECT_EQ(msg->pendentes(), 0);
        // The screen stays with what was typed, to be corrected.
        EXPECT_FALSE(f.result() == QDialog::Accepted);
        EXPECT_EQ(f.edtValor->text(), QString::fromUtf8(c.valor));
        EXPECT_EQ(focado(), QString::fromUtf8(c.obs).trimmed().isEmpty() ? static_cast<QWidget *>(f.mmObs)
                                                                         : static_cast<QWidget *>(f.edtValor));
    }
    EXPECT_EQ(saldos(), (QStringList{"50,00", "50,00", "50,00", "50,00", "50,00", "-1,00", "50,00", "50,00"}));
    EXPECT_TRUE(linhas(QStringLiteral("RET_CAIXA")).isEmpty());
    EXPECT_TRUE(logs().isEmpty());

    // The whole balance can go, leaving zero.
    TFrmRetiraDinheiro f;
    preencher(f, Caixa::Operacao::Retirar, MeioCaixa::Dinheiro, QStringLiteral("50,00"), QStringLiteral("x"));
    msg->esperar(u8("Retirada Realizada com Sucesso!"));
    f.btnConfirmarClick();
    EXPECT_EQ(saldo(MeioCaixa::Dinheiro), QStringLiteral("0,00"));
}

TEST_F(RetiradaTeste, ValoresDigitados)
{
    struct Caso {
        const char *texto;
        const char *valor; // "" = refused
        const char *mensagem;
    };
    const char *invalido = "Valor Inválido! Informe o Valor em Reais, como 1.234,56.";
    const Caso casos[] = {
        {"1.234,56", "1.234,56", ""},
        {"1234,56", "1.234,56", ""},
        {" 1234 ", "1.234,00", ""},
        {"R$ 12,5", "12,50", ""},
        {"1.000.000,00", "1.000.000,00", ""},
        {"1234.56", "", invalido},
        {"12,3,4", "", invalido},
        {"1.23,00", "", invalido},
        {"abc", "", invalido},
        {"0,001", "", invalido},
        {"99999999999999", "", invalido},
        {"10.000.000.000.000,00", "", invalido},
        {"9.999.999.999.999,99", "9.999.999.999.999,99", ""},
        {"-5", "", "Valor Inválido! Informe o Valor sem Sinal: a Operação (Adicionar ou Retirar) já Indica o Sentido."},
        {"", "", "Informe o Valor da Operação!"},
        {"0,00", "", "Informe o Valor da Operação!"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.texto);
        const Caixa::LeituraValor l = Caixa::lerValor(QString::fromUtf8(c.texto));
        EXPECT_EQ(l.valor ? l.valor->formatado() : QString(), QString::fromUtf8(c.valor));
        EXPECT_EQ(l.mensagem, QString::fromUtf8(c.mensagem));
    }

    // On screen: shown as money when left, typed without thousands dots,
    // left as typed when it is not an amount.
    turnoAberto(QStringLiteral("10,00"));
    TFrmRetiraDinheiro f;
    f.show();
    ativar(&f);
    preencher(f, Caixa::Operacao::Adicionar, MeioCaixa::Dinheiro, QStringLiteral("1234,5"), QStringLiteral("x"));
    focar(f.edtValor, false);
    EXPECT_EQ(f.edtValor->text(), QStringLiteral("1.234,50"));
    focar(f.edtValor, true);
    EXPECT_EQ(f.edtValor->text(), QStringLiteral("1234,50"));
    f.edtValor->setText(QStringLiteral("-50"));
    focar(f.edtValor, false);
    EXPECT_EQ(f.edtValor->text(), QStringLiteral("-50"));
    f.edtValor->clear();
    focar(f.edtValor, false);
    EXPECT_EQ(f.edtValor->text(), QStringLiteral("0,00"));

    // Enter in the amount confirms; a minus typed before it never turns an
    // addition into a withdrawal or the other way round.
    f.edtValor->setText(QStringLiteral("-5"));
    f.edtValor->setFocus();
    msg->esperar(Caixa::kMsgValorNegativo);
    tecla(f.edtValor, Qt::Key_Return);
    EXPECT_EQ(saldo(MeioCaixa::Dinheiro), QStringLiteral("10,00"));
    f.edtValor->setText(QStringLiteral("5"));
    msg->esperar(u8("Reposição Realizada com Sucesso!"));
    tecla(f.edtValor, Qt::Key_Return);
    EXPECT_EQ(saldo(MeioCaixa::Dinheiro), QStringLiteral("15,00"));
}

TEST_F(RetiradaTeste, EscolhaDaOperacaoEDoMeio)
{
    turnoAberto(QStringLiteral("10,00"));
    TFrmRetiraDinheiro f;
    EXPECT_EQ(f.windowTitle(), u8("Operações Financeiras"));
    EXPECT_EQ(f.lblOp->text(), QStringLiteral("-"));
    EXPECT_FALSE(f.rgMeios->isEnabled());
    EXPECT_FALSE(f.btnConfirmar->isEnabled());
    EXPECT_FALSE(f.edtValor->isEnabled() || f.mmObs->isEnabled());
    EXPECT_EQ(f.edtValor->text(), QStringLiteral("0,00"));
    EXPECT_FALSE(f.btnAPrazo->isEnabled()); // no bills screen in this build
    QStringList meios;
    for (QRadioButton *rb : f.rbMeios)
        meios << rb->text();
    EXPECT_EQ(meios, (QStringList{"Dinheiro", u8("Crédito - Visa"), u8("Débito - Visa"), u8("Crédito - Mastercard"),
                                  u8("Débito - Mastercard"), u8("Crédito - Hipercard"), "Pix / Chq"}));

    f.btnRetirarClick();
    EXPECT_EQ(f.lblOp->text(), QStringLiteral("Retirar "));
    EXPECT_TRUE(f.rgMeios->isEnabled());
    f.rbMeios[2]->click();
    EXPECT_EQ(f.lblOp->text(), u8("Retirar Débito - Visa"));
    EXPECT_FALSE(f.rgMeios->isEnabled());
    EXPECT_TRUE(f.btnConfirmar->isEnabled() && f.edtValor->isEnabled() && f.mmObs->isEnabled());
    f.edtValor->setText(QStringLiteral("3,00"));
    f.mmObs->setPlainText(QStringLiteral("motivo"));

    // Another operation: the choice is gone and "Confirmar" waits for a new
    // one; what was typed stays until then.
    f.btnAdicionarClick();
    EXPECT_EQ(f.lblOp->text(), QStringLiteral("Adicionar "));
    EXPECT_FALSE(f.meioEscolhido().has_value());
    EXPECT_FALSE(f.btnConfirmar->isEnabled());
    EXPECT_EQ(f.edtValor->text(), QStringLiteral("3,00"));
    EXPECT_EQ(f.mmObs->toPlainText(), QStringLiteral("motivo"));
    f.btnConfirmarClick(); // nothing chosen: nothing happens
    f.rbMeios[0]->click();
    EXPECT_EQ(f.lblOp->text(), QStringLiteral("Adicionar Dinheiro"));
    EXPECT_EQ(f.edtValor->text(), QStringLiteral("0,00"));
    EXPECT_TRUE(f.mmObs->toPlainText().isEmpty());

    // The reason holds at most 300 characters, line breaks included.
    f.mmObs->setPlainText(QString(299, QLatin1Char('a')) + QStringLiteral("\nbc"));
    EXPECT_EQ(f.mmObs->toPlainText().size(), 300);
    EXPECT_TRUE(msg->mostradas().isEmpty());
}

TEST_F(RetiradaTeste, MotivoGuardadoComoDigitado)
{
    turnoAberto(QStringLiteral("10,00"));
    const QString motivo = u8("Pagamento a D'ÁVILA\nsegunda linha");
    TFrmRetiraDinheiro f;
    preencher(f, Caixa::Operacao::Retirar, MeioCaixa::PixChq, QStringLiteral("1,00"), motivo);
    msg->esperar(u8("Retirada Realizada com Sucesso!"));
    f.btnConfirmarClick();
    EXPECT_EQ(f.mmObs->toPlainText(), motivo);
    EXPECT_EQ(linhas(QStringLiteral("RET_CAIXA")), QStringList{u8("10/12/2026 10:00:00|1,00|Pix / Chq|ADMIN|") + motivo});
    EXPECT_EQ(logs(), QStringList{u8("ADMIN|Retirou 1,00 do Caixa em Pix / Chq! (") + motivo + QLatin1Char(')')});
}

TEST_F(RetiradaTeste, ConfirmarDuasVezesLancaUmaVez)
{
    turnoAberto(QStringLiteral("100,00"));
    TFrmRetiraDinheiro f;
    preencher(f, Caixa::Operacao::Retirar, MeioCaixa::Dinheiro, QStringLiteral("10,00"), QStringLiteral("x"));
    // The second press arrives while the success message of the first is open.
    bool segundo = false;
    Mensagem::definirManipulador([&](const Mensagem::Pedido &p) {
        EXPECT_EQ(p.texto, u8("Retirada Realizada com Sucesso!"));
        if (!segundo) {
            segundo = true;
            f.btnConfirmarClick();
        }
        return Mensagem::Ok;
    });
    f.btnConfirmarClick();
    f.btnConfirmarClick();
    EXPECT_TRUE(segundo);
    EXPECT_EQ(saldo(MeioCaixa::Dinheiro), QStringLiteral("90,00"));
    EXPECT_EQ(linhas(QStringLiteral("RET_CAIXA")).size(), 1);
    EXPECT_EQ(logs().size(), 1);
}

TEST_F(RetiradaTeste, SemTurnoAbertoNadaELancado)
{
    for (MeioCaixa m : {MeioCaixa::Dinheiro, MeioCaixa::CreditoVisa}) {
        for (Caixa::Operacao op : {Caixa::Operacao::Adicionar, Caixa::Operacao::Retirar}) {
            const Caixa::ResultadoOperacao r = Caixa::operar(DM->Conexao, op, m, QStringLiteral("1,00"), QStringLiteral("x"));
            EXPECT_FALSE(r.feito);
            ASSERT_EQ(r.avisos.size(), 1);
            EXPECT_EQ(r.avisos[0].texto, u8("Necessário Abrir o Caixa para Funcionamento do Sistema!"));
        }
    }
    EXPECT_TRUE(linhas(QStringLiteral("RET_CAIXA")).isEmpty());
    EXPECT_TRUE(linhas(QStringLiteral("ADIC_CAIXA")).isEmpty());
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(RetiradaTeste, DuasEstacoesRetirandoOUltimoDinheiro)
{
    // The other workstation takes the whole balance and has not committed
    // yet; ours waits for it, is told of the conflict, runs again and finds
    // nothing left. The balance never goes below zero.
    for (MeioCaixa meio : {MeioCaixa::Dinheiro, MeioCaixa::CreditoMaster}) {
        SCOPED_TRACE(dadosMeio(meio).escolha.toStdString());
        banco().executar(QStringLiteral("DELETE FROM CAIXA"));
        banco().executar(QStringLiteral("DELETE FROM LOG"));
        turnoAberto(QStringLiteral("100,00"));
        std::atomic<bool> segurando{false};
        std::atomic<int> outra{-1};
        const QString caminho = banco().caminho();
        std::unique_ptr<QThread> t(QThread::create([&] {
            ConexaoBanco c(QStringLiteral("OutraEstacao"), caminho);
            c.conectar();
            c.iniciarTransacao();
            outra = AtualizarSaldoCaixa(c, meio, false, Dinheiro::deReais(100));
            segurando = true;
            QThread::msleep(400);
            c.confirmarTransacao();
        }));
        t->start();
        while (!segurando)
            QThread::msleep(5);
        const Caixa::ResultadoOperacao r =
            Caixa::operar(DM->Conexao, Caixa::Operacao::Retirar, meio, QStringLiteral("100,00"), QStringLiteral("sangria"));
        t->wait();
        EXPECT_EQ(outra, 1);
        EXPECT_FALSE(r.feito);
        EXPECT_EQ(r.avisos.last().texto, QStringLiteral("Valor Inexistente em ") + dadosMeio(meio).escolha + "!");
        EXPECT_EQ(saldo(meio), QStringLiteral("0,00"));
        EXPECT_TRUE(linhas(QStringLiteral("RET_CAIXA")).isEmpty());
        EXPECT_TRUE(logs().isEmpty());
    }
}

TEST_F(RetiradaTeste, ListaDoCaixaAbreAsOperacoesERecarrega)
{
    turnoAberto(QStringLiteral("0,00"));
    TFrmCaixa lista;
    FrmCaixa = &lista;
    lista.reabrir();
    ASSERT_FALSE(lista.btnOperacoes->isHidden());
    EXPECT_EQ(lista.lblStatusDinheiro->text(), u8("Dinheiro  -  R$ 0,00"));
    Telas::interceptar<TFrmRetiraDinheiro>([&](TFrmRetiraDinheiro *f) {
        preencher(*f, Caixa::Operacao::Adicionar, MeioCaixa::Dinheiro, QStringLiteral("250,00"),
                  QStringLiteral("Fundo de troco"));
        msg->esperar(u8("Reposição Realizada com Sucesso!"));
        f->btnConfirmarClick();
        // Reloaded before the screen closes.
        EXPECT_EQ(lista.lblStatusDinheiro->text(), u8("Dinheiro  -  R$ 250,00"));
        return f->result();
    });
    lista.btnOperacoesClick();
    EXPECT_EQ(lista.lblStatus->text(), u8("Saldo Atual do Caixa  -  R$ 250,00"));
}
