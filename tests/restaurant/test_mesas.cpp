// The restaurant board: opening tables for an attendant, moving and merging
// them, cancelling openings, the kitchen queue, leaving a "MESAS" terminal,
// the table records and the menu.
#include "base/Comandos.h"
#include "base/Janela.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "restaurant/Comandos.h"
#include "restaurant/Mesas.h"
#include "restaurant/UnitCadMesa.h"
#include "restaurant/UnitCardapio.h"
#include "restaurant/UnitMesas.h"
#include "support/DigitacoesRoteiro.h"
#include "support/TelasTeste.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QStandardItemModel>
#include "base/UnitFuncoes.h"
#include "support/RegistroGravado.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

namespace {

class Quadro : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(QDate(2026, 12, 11), QTime(10, 15)));
        for (int i = 1; i <= 8; ++i)
            banco().executar(QStringLiteral("INSERT INTO MESA (DESCRICAO) VALUES (?)"), {QStringLiteral("MESA %1").arg(i)});
        ana = atendente(QStringLiteral("ANA PAULA SOUZA"), QStringLiteral("0007"), QStringLiteral("ABC1"), QStringLiteral("ANINHA"));
        beto = atendente(QStringLiteral("BETO LIMA"), QStringLiteral("0009"), QStringLiteral("abc1"));
        atendente(QStringLiteral("CAIO"), QStringLiteral("0008"), QString());
        atendente(QStringLiteral("CAIO II"), QStringLiteral("0008"), QString());
        atendente(QStringLiteral("DORA DEMITIDA"), QStringLiteral("0011"), QString(), {}, QStringLiteral("S"));
    }
    void TearDown() override
    {
        TFrmMesas::abrirConta = nullptr;
        Telas::liberarTodas();
        TelasTeste::TearDown();
    }

    QString atendente(const QString &nome, const QString &codigo, const QString &senha, const QString &cracha = {},
                      const QString &demitido = QStringLiteral("N"))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF, COD_FUNCIONARIO, SENHA_PREVENDA, NOME_CRACHA, "
                                  "DEMITIDO) VALUES (?, '111.111.111-11', ?, ?, ?, ?) RETURNING ID_FUNCIONARIO"),
                   {nome, codigo, senha.isEmpty() ? QVariant() : senha, cracha.isEmpty() ? QVariant() : cracha, demitido})
            .toString();
    }

    std::unique_ptr<TFrmMesas> abrirQuadro()
    {
        auto f = std::make_unique<TFrmMesas>();
        f->setAttribute(Qt::WA_DontShowOnScreen);
        f->show();
        ativar(f.get());
        return f;
    }

    // A table opened directly in the database, with lines.
    qint64 ocupar(qint64 mesa, const QString &cliente = QStringLiteral("CLIENTE ESPECIAL"))
    {
        const Mesas::Resultado r = Mesas::abrir(DM->Conexao, mesa, ana, cliente, Relogio::agora());
        EXPECT_TRUE(r.feito) << r.mensagem.toStdString();
        return r.chave;
    }
    void consumo(qint64 checkIn, qint64 produto, const QString &qtd, const QString &obs = {},
                 const QTime &hora = QTime(10, 0), const QDate &data = QDate(2026, 12, 11))
    {
        banco().executar(QStringLiteral("INSERT INTO CONSUMO (ID_PRODUTO, ID_CHECK_IN, QTD, VALOR_UNIT, DATA, HORA, OBS) "
                                        "SELECT ID_PRODUTO, ?, ?, VALOR_VENDA, ?, ?, ? FROM PRODUTO WHERE ID_PRODUTO = ?"),
                         {checkIn, qtd, data, hora, obs.isEmpty() ? QVariant() : obs, produto});
    }
    Linha mesa(qint64 id) { return banco().ler(QStringLiteral("SELECT * FROM MESA WHERE ID_MESA = ?"), {id}); }
    QStringList fila(TFrmMesas *f)
    {
        QStringList r;
        for (int k = 0; k < f->grdFila->rowCount(); ++k)
            r << f->grdFila->item(k, 0)->text();
        return r;
    }
    void digitarNumero(TFrmMesas *f, const QString &n)
    {
        f->edtMesa->setText(n);
        tecla(f->edtMesa, Qt::Key_Return);
    }

    QString ana, beto;
};

// The shell's end of the program, recorded.
class JanelaGravada : public Janela::Servico {
public:
    int encerrou = 0;
    void encerrarPrograma() override { ++encerrou; }
};

} // namespace

TEST_F(Quadro, CartoesMostramEstadoECliente)
{
    ocupar(2, QStringLiteral("MARIA"));
    banco().executar(QStringLiteral("UPDATE MESA SET CLIENTE = 'RESTO DE ONTEM' WHERE ID_MESA = 1"));
    banco().executar(QStringLiteral("UPDATE MESA SET STATUS = 'O', AGUARDANDO_PAG = 'S' WHERE ID_MESA = 3"));
    auto f = abrirQuadro();
    ASSERT_EQ(f->cvMesas->count(), 8);
    const QList<Mesas::Mesa> m = Mesas::lerMesas(DM->Conexao);
    EXPECT_EQ(m[0].linhaCliente(), QStringLiteral("LIVRE")); // whatever CLIENTE holds
    EXPECT_EQ(m[1].linhaCliente(), QStringLiteral("MARIA"));
    EXPECT_EQ(m[0].cor(), Mesas::kCorLivre);
    EXPECT_EQ(m[1].cor(), Mesas::kCorOcupada);
    EXPECT_EQ(m[2].cor(), Mesas::kCorAguardando);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Zentro Controle 5 - Mesas"));
    EXPECT_EQ(f->lblRodapeFila->text(), QStringLiteral("0 Pedido(s)"));
}

TEST_F(Quadro, ModoCartaoTrocaOsTextos)
{
    parametro(QStringLiteral("MODO_CARTAO"), QStringLiteral("S"));
    parametro(QStringLiteral("GARCON_IMP_COZINHA"), QStringLiteral("S"));
    auto f = abrirQuadro();
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Zentro Controle 5 - Cartões"));
    EXPECT_EQ(f->lblTitulo->text(), QStringLiteral("Cartões"));
    EXPECT_EQ(f->lblMesa->text(), QStringLiteral("Cartão:"));
    EXPECT_EQ(f->btnNovaMesa->text(), QStringLiteral("Novo Cartão"));
    EXPECT_EQ(f->btnAlterarMesa->text(), QStringLiteral("Alterar Cartão"));
    EXPECT_EQ(f->mnuAbrirMesa->text(), QStringLiteral("-- Abrir Cartão"));
    EXPECT_EQ(f->mnuTransferirMesa->text(), QStringLiteral("-- Transferir Cartão"));
    EXPECT_EQ(f->mnuFecharConta->text(), QStringLiteral("-- Fechar Conta do Cartão"));
    EXPECT_EQ(f->mnuCancelarMesa->text(), QStringLiteral("-- Cancelar Cartão"));
    EXPECT_EQ(f->cbViagem->text(), QStringLiteral("Viagem?    Garçon:"));
}

TEST_F(Quadro, MenuDoCartaoPorEstado)
{
    ocupar(2);
    auto f = abrirQuadro();
    const QList<QAction *> itens{f->mnuAbrirMesa,       f->mnuTransferirMesa,  f->mnuFecharConta, f->mnuIncluirConsumos,
                                 f->mnuAlterarConsumos, f->mnuExtratoConta,    f->mnuCancelarMesa};
    auto estados = [&] {
        QString s;
        for (QAction *a : itens)
            s += a->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    f->cvMesas->setCurrentRow(0);
    f->pmMesasPopup();
    EXPECT_EQ(estados(), QStringLiteral("1000000"));
    f->cvMesas->setCurrentRow(1);
    f->pmMesasPopup();
    // the account items wait for the account screen
    EXPECT_EQ(estados(), QStringLiteral("0101001"));
    QStringList ops;
    TFrmMesas::abrirConta = [&](TFrmMesas &q) { ops << q.OP + QLatin1Char(':') + QString::number(q.mesaAtual()->id); };
    f->pmMesasPopup();
    EXPECT_EQ(estados(), QStringLiteral("0111111"));
    f->mnuFecharConta->trigger();
    f->mnuAlterarConsumos->trigger();
    f->mnuExtratoConta->trigger();
    EXPECT_EQ(ops, (QStringList{QStringLiteral("FECHAR:2"), QStringLiteral("FECHAR:2"), QStringLiteral("EXTRATO:2")}));
    // any other state keeps the items as they were
    banco().executar(QStringLiteral("UPDATE MESA SET STATUS = 'X' WHERE ID_MESA = 3"));
    f->atualizar();
    f->cvMesas->setCurrentRow(2);
    f->pmMesasPopup();
    EXPECT_EQ(estados(), QStringLiteral("0111111"));
}

TEST_F(Quadro, AbrirMesaPeloNumeroComAtendenteECliente)
{
    parametro(QStringLiteral("NOME_CLIENTE_MESA"), QStringLiteral("S"));
    auto f = abrirQuadro();
    digitarNumero(f.get(), QStringLiteral("3"));
    EXPECT_TRUE(f->edtMesa->text().isEmpty());
    ASSERT_TRUE(f->pnlAbrir->isVisible());
    EXPECT_EQ(f->edtCliente->text(), QStringLiteral("CLIENTE ESPECIAL"));
    EXPECT_EQ(f->cbAtendente->currentIndex(), -1);
    // "7" is looked up as 0007
    f->edtCodAtendente->setText(QStringLiteral("7"));
    tecla(f->edtCodAtendente, Qt::Key_Return);
    ASSERT_TRUE(f->atendenteEscolhido());
    EXPECT_EQ(f->atendenteEscolhido()->id, ana);
    EXPECT_EQ(f->cbAtendente->currentText(), QStringLiteral("0007 / ANINHA"));
    EXPECT_EQ(focado(), f->edtCliente);
    f->edtCliente->setText(QStringLiteral("JOÃO D'ÁVILA"));
    tecla(f->edtCliente, Qt::Key_Return);
    const Linha m = mesa(3);
    EXPECT_EQ(m.texto(QStringLiteral("STATUS")), QStringLiteral("O"));
    EXPECT_EQ(m.texto(QStringLiteral("CLIENTE")), QStringLiteral("JOÃO D'ÁVILA"));
    const Linha c = banco().ler(QStringLiteral("SELECT * FROM CHECK_IN WHERE ID_CHECK_IN = ?"),
                                {m.inteiro(QStringLiteral("ID_CHECK_IN"))});
    EXPECT_EQ(c.texto(QStringLiteral("ID_FUNCIONARIO")), ana);
    EXPECT_EQ(c.data(QStringLiteral("DATA_ENTRADA")), QDate(2026, 12, 11));
    EXPECT_EQ(c.hora(QStringLiteral("HORA_ENTRADA")), QTime(10, 15));
    EXPECT_TRUE(c.dinheiro(QStringLiteral("PAG_PARCIAL")).zero());
    // straight on to the order panel
    EXPECT_FALSE(f->pnlAbrir->isVisible());
    ASSERT_TRUE(f->pnlConsumo->isVisible());
    EXPECT_EQ(f->lblTituloConsumo->text(), QStringLiteral("Incluir Consumo: MESA 3"));
    EXPECT_EQ(f->edtGarcon->text(), QStringLiteral("ANINHA"));
    EXPECT_FALSE(f->cvMesas->isEnabled());
    EXPECT_EQ(msg->mostradas().size(), 0);
}

TEST_F(Quadro, CodigoDeAtendenteRecusado)
{
    parametro(QStringLiteral("NOME_CLIENTE_MESA"), QStringLiteral("S"));
    auto f = abrirQuadro();
    digitarNumero(f.get(), QStringLiteral("1"));
    // shared code, dismissed attendant, unknown code, not a number
    for (const char *codigo : {"8", "0008", "11", "4321", "ABC", "12.5"}) {
        msg->esperar(Mesas::kMsgFuncionarioInexistente);
        f->edtCodAtendente->setText(QString::fromUtf8(codigo));
        tecla(f->edtCodAtendente, Qt::Key_Return);
        EXPECT_EQ(f->cbAtendente->currentIndex(), -1) << codigo;
        EXPECT_TRUE(f->edtCodAtendente->text().isEmpty()) << codigo;
    }
    // an empty code goes to the list; confirming without one is refused
    tecla(f->edtCodAtendente, Qt::Key_Return);
    EXPECT_EQ(focado(), f->cbAtendente);
    msg->esperar(Mesas::kMsgInformeAtendente);
    f->btnConfirmarAbrirClick();
    EXPECT_EQ(focado(), f->edtCodAtendente);
    EXPECT_EQ(mesa(1).texto(QStringLiteral("STATUS")), QStringLiteral("L"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CHECK_IN")), 0);
}

TEST_F(Quadro, SenhaDoAtendenteEmMaiusculas)
{
    parametro(QStringLiteral("MESA_APENAS_GARCON"), QStringLiteral("S"));
    DigitacoesRoteiro dig;
    auto f = abrirQuadro();
    struct Caso {
        const char *codigo, *digitada;
        bool abre;
    };
    // ANA keeps "ABC1": typed in lower case it matches; BETO keeps "abc1",
    // which no typed password can match.
    const Caso casos[] = {{"7", "abc1", true}, {"9", "abc1", false}, {"9", "ABC1", false}, {"7", "abc2", false}};
    int mesaNum = 1;
    for (const Caso &c : casos) {
        f->cvMesas->setCurrentRow(mesaNum - 1);
        f->mnuAbrirMesaClick();
        dig.esperar(Mesas::kRotuloSenha, QString::fromUtf8(c.digitada));
        if (!c.abre)
            msg->esperar(Mesas::kMsgSenhaIncorreta);
        f->edtCodAtendente->setText(QString::fromUtf8(c.codigo));
        tecla(f->edtCodAtendente, Qt::Key_Return);
        EXPECT_EQ(mesa(mesaNum).texto(QStringLiteral("STATUS")), c.abre ? QStringLiteral("O") : QStringLiteral("L"))
            << c.codigo << " " << c.digitada;
        if (c.abre) {
            f->btnFecharConsumoClick();
            ++mesaNum;
        } else {
            f->btnCancelarAbrirClick();
        }
    }
    ASSERT_GE(dig.mostrados().size(), 1);
    EXPECT_EQ(dig.mostrados()[0].titulo, QStringLiteral("Acesso Mesa"));
    EXPECT_TRUE(dig.mostrados()[0].senha);
    // an attendant picked from the list gives the password too
    f->cvMesas->setCurrentRow(4);
    f->mnuAbrirMesaClick();
    f->cbAtendente->setCurrentIndex(f->cbAtendente->findData(beto));
    dig.esperar(Mesas::kRotuloSenha, QStringLiteral("x"));
    msg->esperar(Mesas::kMsgSenhaIncorreta);
    f->btnConfirmarAbrirClick();
    EXPECT_EQ(mesa(5).texto(QStringLiteral("STATUS")), QStringLiteral("L"));
    // ordering on an opened table asks the opening attendant's password
    f->btnCancelarAbrirClick();
    f->cvMesas->setCurrentRow(0);
    dig.esperar(Mesas::kRotuloSenha, QStringLiteral("zzz"));
    msg->esperar(Mesas::kMsgSenhaIncorreta);
    f->mnuIncluirConsumosClick();
    EXPECT_FALSE(f->pnlConsumo->isVisible());
    EXPECT_TRUE(f->cvMesas->isEnabled());
    dig.esperar(Mesas::kRotuloSenha, QStringLiteral("Abc1"));
    f->mnuIncluirConsumosClick();
    EXPECT_TRUE(f->pnlConsumo->isVisible());
    EXPECT_EQ(f->edtGarcon->text(), QStringLiteral("ANINHA"));
}

TEST_F(Quadro, SemNomeDoClienteAbreSoComOAtendente)
{
    auto f = abrirQuadro();
    f->cvMesas->setCurrentRow(5);
    f->mnuAbrirMesaClick();
    EXPECT_FALSE(f->edtCliente->isVisible());
    f->edtCodAtendente->setText(QStringLiteral("0007"));
    tecla(f->edtCodAtendente, Qt::Key_Return);
    const Linha m = mesa(6);
    EXPECT_EQ(m.texto(QStringLiteral("STATUS")), QStringLiteral("O"));
    EXPECT_EQ(m.texto(QStringLiteral("CLIENTE")), QStringLiteral("CLIENTE ESPECIAL"));
    EXPECT_TRUE(f->pnlConsumo->isVisible());
}

TEST_F(Quadro, AberturaDeMesaJaAbertaEmOutroTerminal)
{
    auto f = abrirQuadro();
    f->cvMesas->setCurrentRow(3);
    f->mnuAbrirMesaClick();
    // another terminal opens table 4 while this one shows it free
    const qint64 outra = ocupar(4, QStringLiteral("OUTRO"));
    msg->esperar(Mesas::msgJaAberta(f->textos, 4));
    f->edtCodAtendente->setText(QStringLiteral("7"));
    tecla(f->edtCodAtendente, Qt::Key_Return);
    EXPECT_EQ(mesa(4).inteiro(QStringLiteral("ID_CHECK_IN")), outra);
    EXPECT_EQ(mesa(4).texto(QStringLiteral("CLIENTE")), QStringLiteral("OUTRO"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CHECK_IN")), 1);
    EXPECT_FALSE(f->pnlConsumo->isVisible());
    EXPECT_TRUE(f->cvMesas->isEnabled());
}

TEST_F(Quadro, TransferirJuntarECancelar)
{
    struct Caso {
        const char *nome;
        bool cartao;
        qint64 origem, destino;
        bool destinoOcupado;
        Mensagem::Botao resposta;     // to the merge question
        QStringList obsEsperadas;     // notes of the moved lines, by key
        const char *statusOrigem, *statusDestino;
    };
    const Caso casos[] = {
        {"para livre", false, 3, 5, false, Mensagem::Nenhum, {QStringLiteral("SEM GELO"), QString()}, "L", "O"},
        {"juntar", false, 3, 7, true, Mensagem::Sim, {QStringLiteral("(MESA 3) SEM GELO"), QStringLiteral("(MESA 3) ")}, "L", "O"},
        {"juntar não", false, 3, 7, true, Mensagem::Nao, {QStringLiteral("SEM GELO"), QString()}, "O", "O"},
        {"juntar cartão", true, 3, 7, true, Mensagem::Sim, {QStringLiteral("(CARTAO 3) SEM GELO"), QStringLiteral("(CARTAO 3) ")}, "L", "O"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        banco().executar(QStringLiteral("DELETE FROM CONSUMO"));
        banco().executar(QStringLiteral("UPDATE MESA SET STATUS = 'L', ID_CHECK_IN = NULL, CLIENTE = NULL"));
        parametro(QStringLiteral("MODO_CARTAO"), c.cartao ? QStringLiteral("S") : QStringLiteral("N"));
        const qint64 de = ocupar(c.origem, QStringLiteral("MARIA"));
        consumo(de, 10, QStringLiteral("2"), QStringLiteral("SEM GELO"));
        consumo(de, 4, QStringLiteral("1"));
        const qint64 para = c.destinoOcupado ? ocupar(c.destino, QStringLiteral("JOSÉ")) : 0;
        if (c.destinoOcupado)
            consumo(para, 5, QStringLiteral("3"), QStringLiteral("GELADA"));
        auto f = abrirQuadro();
        f->cvMesas->setCurrentRow(int(c.origem) - 1);
        f->mnuTransferirMesaClick();
        ASSERT_TRUE(f->pnlTransferir->isVisible());
        EXPECT_EQ(f->lblAtual->text(), QString::number(c.origem));
        EXPECT_EQ(f->cbNovo->count(), 7); // every other table
        EXPECT_EQ(f->cbNovo->currentIndex(), -1);
        msg->esperar(Mesas::kMsgSelecioneNovo);
        f->btnConfirmarTransferirClick();
        f->cbNovo->setCurrentIndex(f->cbNovo->findData(c.destino));
        if (c.destinoOcupado)
            msg->esperar(QStringLiteral("ATENÇÃO:\n\nO CARTÃO 7 encontra-se em aberto\n\nDESEJA ADICIONAR os consumos do "
                                        "CARTÃO 3 ao CARTÃO 7 ?"),
                         c.resposta);
        f->btnConfirmarTransferirClick();
        EXPECT_EQ(mesa(c.origem).texto(QStringLiteral("STATUS")), QString::fromUtf8(c.statusOrigem));
        EXPECT_EQ(mesa(c.destino).texto(QStringLiteral("STATUS")), QString::fromUtf8(c.statusDestino));
        QStringList obs;
        for (const Linha &l : banco().lerTodas(QStringLiteral("SELECT OBS FROM CONSUMO WHERE ID_PRODUTO <> 5 ORDER BY ID_CONSUMO")))
            obs << l.texto(QStringLiteral("OBS"));
        EXPECT_EQ(obs, c.obsEsperadas);
        const qint64 dono = contar(QStringLiteral("SELECT MIN(ID_CHECK_IN) FROM CONSUMO WHERE ID_PRODUTO <> 5"));
        if (!c.destinoOcupado) {
            // the opening moves unchanged with its customer
            EXPECT_EQ(mesa(c.destino).inteiro(QStringLiteral("ID_CHECK_IN")), de);
            EXPECT_EQ(mesa(c.destino).texto(QStringLiteral("CLIENTE")), QStringLiteral("MARIA"));
            EXPECT_EQ(dono, de);
        } else if (c.resposta == Mensagem::Sim) {
            EXPECT_EQ(dono, para);
            EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CONSUMO WHERE ID_CHECK_IN = ?"), {para}), 3);
            // the queue shows the moved lines under table 7, once each
            QStringList f7 = fila(f.get());
            f7.sort();
            EXPECT_EQ(f7, (QStringList{QStringLiteral("FEIJOADA COMPLETA (2) - MESA 7 (00:15 min.)"),
                                       QStringLiteral("SUCO NATURAL DE LARANJA 500ML (1) - MESA 7 (00:15 min.)")}));
        } else {
            EXPECT_EQ(dono, de);
        }
        // "No" to the merge leaves the panel open for another choice
        const bool recusou = c.resposta == Mensagem::Nao;
        EXPECT_EQ(f->pnlTransferir->isVisible(), recusou);
        EXPECT_EQ(f->cvMesas->isEnabled(), !recusou);
    }
}

TEST_F(Quadro, TransferenciaSobreMesaMudadaEmOutroTerminal)
{
    const qint64 de = ocupar(3);
    consumo(de, 10, QStringLiteral("1"));
    auto f = abrirQuadro();
    f->cvMesas->setCurrentRow(2);
    f->mnuTransferirMesaClick();
    f->cbNovo->setCurrentIndex(f->cbNovo->findData(5));
    // table 5, free on this board, is opened elsewhere first
    const qint64 outra = ocupar(5, QStringLiteral("OUTRO"));
    msg->esperar(Mesas::msgMesaMudou(f->textos, 5));
    f->btnConfirmarTransferirClick();
    EXPECT_EQ(mesa(3).texto(QStringLiteral("STATUS")), QStringLiteral("O"));
    EXPECT_EQ(mesa(5).inteiro(QStringLiteral("ID_CHECK_IN")), outra);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CONSUMO WHERE ID_CHECK_IN = ?"), {de}), 1);
}

TEST_F(Quadro, CancelarMesa)
{
    const qint64 comLinha = ocupar(2);
    consumo(comLinha, 1, QStringLiteral("1"));
    ocupar(4);
    auto f = abrirQuadro();
    // with a line: refused, the table stays occupied
    f->cvMesas->setCurrentRow(1);
    msg->esperar(Mesas::kMsgCancelarComConsumo);
    f->mnuCancelarMesaClick();
    EXPECT_EQ(msg->mostradas().last().titulo, QStringLiteral("Informação"));
    EXPECT_EQ(mesa(2).texto(QStringLiteral("STATUS")), QStringLiteral("O"));
    // without: asked, "No" keeps it
    f->cvMesas->setCurrentRow(3);
    msg->esperar(Mesas::kMsgDesejaCancelar, Mensagem::Nao);
    f->mnuCancelarMesaClick();
    EXPECT_EQ(msg->mostradas().last().titulo, QStringLiteral("Confirmação"));
    EXPECT_EQ(mesa(4).texto(QStringLiteral("STATUS")), QStringLiteral("O"));
    msg->esperar(Mesas::kMsgDesejaCancelar, Mensagem::Sim).esperar(Mesas::kMsgCancelamentoEfetuado);
    f->mnuCancelarMesaClick();
    EXPECT_EQ(mesa(4).texto(QStringLiteral("STATUS")), QStringLiteral("L"));
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Cancelou Mesa/Cartão de Numero -> 4 (MESA 4)")});
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CHECK_IN")), 2); // the opening row stays
    EXPECT_EQ(focado(), f->edtMesa);
}

TEST_F(Quadro, CancelamentoDepoisDeUmPedidoEmOutroTerminal)
{
    const qint64 ab = ocupar(4);
    const Mesas::Mesa mostrada = *Mesas::lerMesa(DM->Conexao, 4);
    consumo(ab, 1, QStringLiteral("1")); // another terminal ordered meanwhile
    const Mesas::Resultado r = Mesas::cancelar(DM->Conexao, Mesas::Textos::de(false), mostrada);
    EXPECT_FALSE(r.feito);
    EXPECT_EQ(r.mensagem, Mesas::kMsgCancelarComConsumo);
    EXPECT_EQ(mesa(4).texto(QStringLiteral("STATUS")), QStringLiteral("O"));
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(Quadro, FilaDaCozinha)
{
    Relogio::definir(QDateTime(QDate(2026, 12, 12), QTime(0, 10)));
    const qint64 ab = ocupar(3);
    consumo(ab, 10, QStringLiteral("2"), {}, QTime(23, 55), QDate(2026, 12, 11)); // before midnight
    consumo(ab, 13, QStringLiteral("0.456"), {}, QTime(0, 5), QDate(2026, 12, 12));
    consumo(ab, 5, QStringLiteral("1"), {}, QTime(0, 1), QDate(2026, 12, 12));   // not in the queue
    banco().executar(QStringLiteral("UPDATE PRODUTO SET ORDEM_PEDIDOS = 'S' WHERE ID_PRODUTO = 13"));
    consumo(ab, 9, QStringLiteral("1"), {}, QTime(0, 2), QDate(2026, 12, 12));
    banco().executar(QStringLiteral("UPDATE CONSUMO SET CONCLUIDO = 'S' WHERE ID_PRODUTO = 9"));
    auto f = abrirQuadro();
    EXPECT_EQ(fila(f.get()), (QStringList{QStringLiteral("FEIJOADA COMPLETA (2) - MESA 3 (00:15 min.)"),
                                          QStringLiteral("SELF-SERVICE (KG) (0,456) - MESA 3 (00:05 min.)")}));
    EXPECT_EQ(f->lblRodapeFila->text(), QStringLiteral("2 Pedido(s)"));
    EXPECT_EQ(f->lblAtualizacao->text(), QStringLiteral("Atualizando de 30 em 30 segundos"));

    // With the focus in the queue nothing refreshes, not even the timer.
    focar(f->grdFila, true);
    EXPECT_EQ(f->lblAtualizacao->text(), QStringLiteral("Atualização Pausada!"));
    consumo(ab, 17, QStringLiteral("1"), {}, QTime(0, 9), QDate(2026, 12, 12));
    f->tmrAtualizarTimer();
    EXPECT_EQ(f->grdFila->rowCount(), 2);
    focar(f->grdFila, false);
    EXPECT_EQ(f->lblAtualizacao->text(), QStringLiteral("Atualização de 30 em 30 segundos"));
    f->tmrAtualizarTimer();
    EXPECT_EQ(f->grdFila->rowCount(), 3);

    // Concluding takes the line off the queue; cancelling deletes it.
    f->grdFila->setCurrentCell(0, 0);
    msg->esperar(Mesas::kMsgConcluirPedido, Mensagem::Sim);
    f->mnuConcluirClick();
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CONSUMO WHERE ID_PRODUTO = 10 AND CONCLUIDO = 'S'")), 1);
    EXPECT_EQ(f->grdFila->rowCount(), 2);
    f->grdFila->setCurrentCell(0, 0);
    msg->esperar(Mesas::kMsgCancelarPedido, Mensagem::Sim);
    f->mnuCancelarPedidoClick();
    EXPECT_EQ(msg->mostradas().last().tipo, Mensagem::Tipo::Aviso);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CONSUMO WHERE ID_PRODUTO = 13")), 0);
    EXPECT_EQ(fila(f.get()), QStringList{QStringLiteral("PORÇÃO DE BATATA FRITA (1) - MESA 3 (00:01 min.)")});
}

TEST_F(Quadro, FilaSobATransferenciaMostraCadaLinhaUmaVez)
{
    const qint64 ab = ocupar(3);
    consumo(ab, 10, QStringLiteral("1"));
    Mesas::transferir(DM->Conexao, Mesas::Textos::de(false), *Mesas::lerMesa(DM->Conexao, 3), *Mesas::lerMesa(DM->Conexao, 6));
    // both tables keep the key; the line shows under the one that holds it
    EXPECT_EQ(mesa(3).inteiro(QStringLiteral("ID_CHECK_IN")), ab);
    EXPECT_EQ(mesa(6).inteiro(QStringLiteral("ID_CHECK_IN")), ab);
    const QList<Mesas::Pedido> f = Mesas::lerFila(DM->Conexao);
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].mesa, QStringLiteral("MESA 6"));
}

TEST_F(Quadro, SairDoModoMesas)
{
    struct Caso {
        const char *tipo;
        bool acessoTotal;
        Mensagem::Botao resposta; // Nenhum: no question
        int encerrou;
    };
    const Caso casos[] = {{"NORMA", false, Mensagem::Nenhum, 0},
                          {"MESAS", true, Mensagem::Nenhum, 0},
                          {"MESAS", false, Mensagem::Nao, 0},
                          {"MESAS", false, Mensagem::Sim, 1}};
    for (const Caso &c : casos) {
        JanelaGravada janela;
        Janela::instalar(&janela);
        Sessao::atual().AuxTipoPC = QString::fromUtf8(c.tipo);
        Sessao::atual().direitos.ACESSO_TOTAL = c.acessoTotal;
        auto f = abrirQuadro();
        if (c.resposta != Mensagem::Nenhum)
            msg->esperar(QStringLiteral("Tem Certeza que deseja sair do modo \"Mesas\"?! AVISO: O SISTEMA SERÁ FINALIZADO!"),
                         c.resposta);
        if (c.resposta == Mensagem::Sim)
            msg->esperar(QStringLiteral("Modo \"Mesas\" Encerrado! O Sistema será Finalizado!"));
        f->reject();
        EXPECT_FALSE(f->isVisible()) << c.tipo; // the board closes either way
        EXPECT_EQ(janela.encerrou, c.encerrou) << c.tipo << c.acessoTotal;
        Janela::instalar(nullptr);
    }
    EXPECT_EQ(msg->pendentes(), 0);
}

TEST_F(Quadro, EscDesisteDoPainelENaoDoQuadro)
{
    Sessao::atual().AuxTipoPC = QStringLiteral("MESAS");
    Sessao::atual().direitos.ACESSO_TOTAL = false;
    ocupar(2);
    auto f = abrirQuadro();
    f->cvMesas->setCurrentRow(0);
    f->mnuAbrirMesaClick();
    f->reject();
    EXPECT_FALSE(f->pnlAbrir->isVisible());
    f->cvMesas->setCurrentRow(1);
    f->mnuTransferirMesaClick();
    f->reject();
    EXPECT_FALSE(f->pnlTransferir->isVisible());
    f->mnuIncluirConsumosClick();
    // leaving an empty quantity puts "0" back
    f->edtQtd->clear();
    focar(f->edtQtd, false);
    EXPECT_EQ(f->edtQtd->text(), QStringLiteral("0"));
    f->reject();
    EXPECT_FALSE(f->pnlConsumo->isVisible());
    EXPECT_TRUE(f->isVisible()); // no question: the board is still open
    EXPECT_TRUE(f->cvMesas->isEnabled());
}

TEST_F(Quadro, NumeroDaMesaDigitado)
{
    ocupar(2);
    auto f = abrirQuadro();
    digitarNumero(f.get(), QStringLiteral("99")); // no such table
    EXPECT_TRUE(f->edtMesa->text().isEmpty());
    EXPECT_FALSE(f->pnlAbrir->isVisible());
    digitarNumero(f.get(), QStringLiteral("2")); // occupied: the card's menu
    EXPECT_EQ(f->mesaAtual()->id, 2);
    EXPECT_TRUE(f->pmMesas->isVisible());
    EXPECT_FALSE(f->mnuAbrirMesa->isEnabled());
    f->pmMesas->hide();
}

TEST_F(Quadro, RibbonAbreOQuadro)
{
    RegistroGravado r;
    Restaurante::registrarComandos(r);
    ASSERT_TRUE(r.comandos.contains(QStringLiteral("dxBarLargeButton45Click")));
    int abertas = 0;
    Telas::interceptar<TFrmMesas>([&](TFrmMesas *) {
        ++abertas;
        return int(QDialog::Rejected);
    });
    r.comandos[QStringLiteral("dxBarLargeButton45Click")]();
    EXPECT_EQ(abertas, 1);
}

// ---------------------------------------------------------------- records and menu

TEST_F(Quadro, CriarMesasAutomaticamente)
{
    DigitacoesRoteiro dig;
    banco().executar(QStringLiteral("DELETE FROM MESA WHERE ID_MESA = 8"));
    auto f = abrirQuadro();
    struct Caso {
        const char *resposta; // nullptr: cancelled
        const char *mensagem; // nullptr: none
        QStringList novas;
    };
    const Caso casos[] = {
        {"3", "Operação efetuada com Sucesso!", {QStringLiteral("MESA 9"), QStringLiteral("MESA 10"), QStringLiteral("MESA 11")}},
        {"0", "Operação efetuada com Sucesso!", {}},
        {"abc", "Quantidade Inválida! Informe um número inteiro de no máximo 5 dígitos.", {}},
        {"123456", "Quantidade Inválida! Informe um número inteiro de no máximo 5 dígitos.", {}},
        {"1,5", "Quantidade Inválida! Informe um número inteiro de no máximo 5 dígitos.", {}},
        {nullptr, nullptr, {}},
    };
    for (const Caso &c : casos) {
        const qint64 antes = contar(QStringLiteral("SELECT MAX(ID_MESA) FROM MESA"));
        int aberta = 0;
        Telas::interceptar<TFrmCadMesa>([&](TFrmCadMesa *t) {
            ++aberta;
            if (c.resposta)
                dig.esperar(QStringLiteral("Informe a Quantidade Desejada"), QString::fromUtf8(c.resposta));
            else
                dig.cancelar(QStringLiteral("Informe a Quantidade Desejada"));
            if (c.mensagem)
                msg->esperar(QString::fromUtf8(c.mensagem));
            t->btnAdicionarAutomaticamenteClick();
            return int(QDialog::Accepted);
        });
        f->btnNovaMesaClick();
        EXPECT_EQ(aberta, 1);
        QStringList novas;
        for (const Linha &l : banco().lerTodas(QStringLiteral("SELECT ID_MESA, DESCRICAO FROM MESA WHERE ID_MESA > ? "
                                                              "ORDER BY ID_MESA"),
                                               {antes})) {
            novas << l.texto(QStringLiteral("DESCRICAO"));
            EXPECT_EQ(l.texto(QStringLiteral("DESCRICAO")), QStringLiteral("MESA %1").arg(l.inteiro(QStringLiteral("ID_MESA"))));
        }
        EXPECT_EQ(novas, c.novas) << (c.resposta ? c.resposta : "cancelado");
    }
    ASSERT_GE(dig.mostrados().size(), 1);
    EXPECT_EQ(dig.mostrados()[0].titulo, QStringLiteral("Gerar Automaticamente"));
    EXPECT_EQ(dig.mostrados()[0].padrao, QStringLiteral("1"));
    EXPECT_EQ(f->cvMesas->count(), 10);
}

TEST_F(Quadro, CriacaoSegueAMaiorMesa)
{
    // A table brought in with its own key, ahead of the generator.
    banco().executar(QStringLiteral("INSERT INTO MESA (ID_MESA, DESCRICAO) VALUES (20, 'VARANDA')"));
    const Mesas::Criacao c = Mesas::criarMesas(DM->Conexao, Mesas::Textos::de(true), QStringLiteral("2"));
    ASSERT_TRUE(c.feito);
    EXPECT_EQ(c.criadas, (QList<qint64>{21, 22}));
    EXPECT_EQ(mesa(21).texto(QStringLiteral("DESCRICAO")), QStringLiteral("CARTAO 21"));
}

TEST_F(Quadro, CadastroDeMesa)
{
    auto f = abrirQuadro();
    // new: the typed name is saved; an empty one is refused
    Telas::interceptar<TFrmCadMesa>([&](TFrmCadMesa *t) {
        EXPECT_EQ(t->lblTitulo->text(), QStringLiteral("Nova Mesa"));
        EXPECT_EQ(t->lblCodigo->text(), QStringLiteral("9"));
        msg->esperar(QStringLiteral("Descrição Inválida!"));
        t->btnConfirmarClick();
        t->edtDescricao->setText(QStringLiteral("VARANDA 1"));
        msg->esperar(QStringLiteral("Mesa Cadastrada com Sucesso! Deseja Cadastrar Outra?"), Mensagem::Sim);
        tecla(t->edtDescricao, Qt::Key_Return);
        EXPECT_EQ(t->lblCodigo->text(), QStringLiteral("10"));
        EXPECT_TRUE(t->edtDescricao->text().isEmpty());
        t->edtDescricao->setText(QStringLiteral("VARANDA 2"));
        msg->esperar(QStringLiteral("Mesa Cadastrada com Sucesso! Deseja Cadastrar Outra?"), Mensagem::Nao);
        t->btnConfirmarClick();
        return t->result();
    });
    f->btnNovaMesaClick();
    EXPECT_EQ(mesa(9).texto(QStringLiteral("DESCRICAO")), QStringLiteral("VARANDA 1"));
    EXPECT_EQ(mesa(10).texto(QStringLiteral("DESCRICAO")), QStringLiteral("VARANDA 2"));
    EXPECT_EQ(f->cvMesas->count(), 10);
    // alter: the current table
    f->cvMesas->setCurrentRow(1);
    Telas::interceptar<TFrmCadMesa>([&](TFrmCadMesa *t) {
        EXPECT_EQ(t->lblTitulo->text(), QStringLiteral("Alterar Mesa"));
        EXPECT_EQ(t->lblCodigo->text(), QStringLiteral("2"));
        EXPECT_EQ(t->edtDescricao->text(), QStringLiteral("MESA 2"));
        t->edtDescricao->setText(QStringLiteral("MESA DO CANTO"));
        msg->esperar(QStringLiteral("Operação efetuada com Sucesso!"));
        t->btnConfirmarClick();
        return t->result();
    });
    f->btnAlterarMesaClick();
    EXPECT_EQ(mesa(2).texto(QStringLiteral("DESCRICAO")), QStringLiteral("MESA DO CANTO"));
    EXPECT_EQ(f->OP, QStringLiteral("A"));
}

TEST_F(Quadro, CardapioEntregaOProdutoEscolhido)
{
    // Product 30 has the menu code 0012: typed, "12" would choose it.
    banco().executar(QStringLiteral("UPDATE PRODUTO SET REFERENCIA = '9012' WHERE ID_PRODUTO = 12"));
    banco().executar(QStringLiteral("INSERT INTO PRODUTO (ID_PRODUTO, REFERENCIA, DESCRICAO, VALOR_VENDA, ID_GRUPO_PRODUTO) "
                                    "VALUES (30, '0012', 'ESPETINHO', 12, 4)"));
    banco().executar(QStringLiteral("INSERT INTO GRUPO_PRODUTO (ID_GRUPO_PRODUTO, DESCRICAO) VALUES (9, 'VAZIO')"));
    EXPECT_EQ(Pedidos::interpretarCodigo(DM->Conexao, QStringLiteral("12")).produto.value_or(0), 30);
    ocupar(1);
    auto f = abrirQuadro();
    f->cvMesas->setCurrentRow(0);
    f->mnuIncluirConsumosClick();
    ASSERT_TRUE(f->pnlConsumo->isVisible());
    Telas::interceptar<TFrmCardapio>([&](TFrmCardapio *c) -> int {
        c->setAttribute(Qt::WA_DontShowOnScreen);
        c->show();
        EXPECT_EQ(c->windowTitle(), QStringLiteral("Zentro Controle 5 - Cardápio"));
        // groups by name; the first one's products
        EXPECT_EQ(c->tGrupos->item(0)->text(), QStringLiteral("BEBIDAS"));
        EXPECT_EQ(c->tItens->rowCount(), 7);
        // a group without products
        const int vazio = c->tGrupos->findItems(QStringLiteral("VAZIO")).first()->row();
        c->grdGrupos->grade()->setCurrentIndex(c->grdGrupos->visao()->mapFromSource(c->tGrupos->index(vazio, 0)));
        EXPECT_EQ(c->tItens->rowCount(), 0);
        EXPECT_FALSE(c->lblVazio->isHidden());
        const int pratos = c->tGrupos->findItems(QStringLiteral("PRATOS")).first()->row();
        c->grdGrupos->grade()->setCurrentIndex(c->grdGrupos->visao()->mapFromSource(c->tGrupos->index(pratos, 0)));
        // the filter row: from the start, "*" anywhere
        c->grdItens->caixaFiltro(2)->setText(QStringLiteral("GRELHADO"));
        EXPECT_EQ(c->grdItens->visao()->rowCount(), 0);
        c->grdItens->caixaFiltro(2)->setText(QStringLiteral("*grelhado"));
        EXPECT_EQ(c->grdItens->visao()->rowCount(), 2);
        c->grdItens->caixaFiltro(2)->setText(QStringLiteral("FRANGO"));
        EXPECT_EQ(c->grdItens->visao()->rowCount(), 1);
        if (c->grdItens->visao()->rowCount() != 1)
            return 0;
        c->grdItens->grade()->setCurrentIndex(c->grdItens->visao()->index(0, 0));
        tecla(c->grdItens->grade(), Qt::Key_Return);
        return c->result();
    });
    f->cardapio();
    EXPECT_EQ(f->edtProduto->text(), QStringLiteral("12"));
    ASSERT_TRUE(f->produtoEscolhido());
    EXPECT_EQ(f->produtoEscolhido()->id, 12);
    EXPECT_EQ(f->edtValorUnit->text(), QStringLiteral("36,90"));
    EXPECT_EQ(f->edtQtd->text(), QStringLiteral("1"));
}
