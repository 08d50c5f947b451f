// The cheque register: the confirm chain, insert/alter/void with their rows
// and log texts, clearing and passing on, the filters (one statement joining
// the party by the cheque's kind), and the modes of the edit screen.
#include "base/Relogio.h"
#include "base/Telas.h"
#include "finance/Cheques.h"
#include "finance/UnitCadCheques.h"
#include "finance/UnitCheques.h"
#include "support/MensagensRoteiro.h"
#include "support/TelasTeste.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using Cheques::Filtro;

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }
const QDate kHoje(2026, 3, 5);

class ChequesTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(10, 0)));
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        Relogio::liberar();
        TelasTeste::TearDown();
    }
    qint64 cliente(qint64 id, const QString &nome)
    {
        banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, TIPO_PESSOA, CNPJ_CPF) VALUES (?, ?, 'F', '')"),
                         {id, nome});
        return id;
    }
    qint64 fornecedor(qint64 id, const QString &nome)
    {
        banco().executar(QStringLiteral("INSERT INTO FORNECEDOR (ID_FORNECEDOR, NOME) VALUES (?, ?)"), {id, nome});
        return id;
    }
    qint64 cheque(const QString &tipo, qint64 numero, const QString &valor, const QDate &emissao, qint64 parte = 0,
                  const QString &banco_ = QStringLiteral("ITAU"), const QString &titular = QString())
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CHEQUE (ID_CONTA, ID_CHEQUE, BANCO, ID_FORNECEDOR_CLIENTE, VALOR, "
                                  "DATA_EMISSAO, PREDATADO, TIPO_CHEQUE, TITULAR, HISTORICO) VALUES "
                                  "('4567', ?, ?, ?, ?, ?, ?, ?, ?, 'H') RETURNING COD_GERAL_CHEQUE"),
                   {numero, banco_, parte ? QVariant(QString::number(parte)) : QVariant(), valor, emissao, emissao, tipo,
                    titular})
            .toLongLong();
    }
    // Keys listed by a filter, in the list's order.
    QList<qint64> filtrar(Filtro f, const QString &texto, const QDate &data = {}, qint64 parte = 0)
    {
        const Cheques::ConsultaFiltro q = Cheques::consultaFiltro(f, texto, data, parte);
        EXPECT_TRUE(q.erro.isEmpty()) << q.erro.toStdString();
        QList<qint64> l;
        for (const Linha &r : banco().lerTodas(q.sql, q.valores))
            l << r.inteiro(QStringLiteral("COD_GERAL_CHEQUE"));
        return l;
    }
    Cheques::Dados dados()
    {
        Cheques::Dados d;
        d.tipo = QStringLiteral("E");
        d.emissao = kHoje;
        d.predatado = kHoje.addDays(10);
        d.conta = QStringLiteral("4567");
        d.numero = QStringLiteral("123");
        d.banco = QStringLiteral("ITAU");
        d.valor = QStringLiteral("1.500,00");
        d.historico = QStringLiteral("ALUGUEL");
        return d;
    }
};

} // namespace

TEST_F(ChequesTeste, CadeiaDeConfirmacaoEmOrdem)
{
    struct Caso {
        const char *campo;
        const char *valor;
        const char *mensagem;
        const char *foco;
    } casos[] = {
        {"tipo", "", "Especifique se o Cheque foi Emitido ou Recebido!", "rbEmitido"},
        {"numero", "", "Número do Cheque Inválido!", "edtNumero"},
        {"numero", "12A", "Número do Cheque Inválido!", "edtNumero"},
        {"numero", "2147483648", "Número do Cheque Inválido!", "edtNumero"},
        {"conta", "", "Número da Conta Inválido!", "edtConta"},
        {"banco", " ", "Banco do Cheque Inválido!", "edtBanco"},
        {"valor", "", "Valor do Cheque Inválido!", "edtValor"},
        {"valor", "0,00", "Valor do Cheque Inválido!", "edtValor"},
        {"valor", "-5,00", "Valor do Cheque Inválido!", "edtValor"},
        {"valor", "abc", "Valor do Cheque Inválido!", "edtValor"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.campo + std::string(" ") + c.valor);
        QString op = QStringLiteral("I");
        TFrmCadCheques tela(op);
        tela.show();
        ativar(&tela);
        tela.edtNumero->setText(QStringLiteral("123"));
        tela.edtConta->setText(QStringLiteral("4567"));
        tela.edtBanco->setText(QStringLiteral("ITAU"));
        tela.edtValor->setText(QStringLiteral("10,00"));
        const QString campo = QString::fromLatin1(c.campo);
        if (campo == QLatin1String("tipo")) {
            tela.rbEmitido->group()->setExclusive(false);
            tela.rbEmitido->setChecked(false);
        } else {
            tela.findChild<QLineEdit *>(QStringLiteral("edt") + campo.left(1).toUpper() + campo.mid(1))
                ->setText(u8(c.valor));
        }
        MensagensRoteiro msg;
        msg.esperar(u8(c.mensagem));
        tela.btnConfirmarClick();
        EXPECT_EQ(msg.pendentes(), 0);
        ASSERT_TRUE(focado());
        EXPECT_EQ(focado()->objectName(), QString::fromLatin1(c.foco));
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CHEQUE")), 0);
    }
}

TEST_F(ChequesTeste, InclusaoAlteracaoEOutroCheque)
{
    fornecedor(3, QStringLiteral("IMOBILIARIA"));
    cliente(8, u8("ANA D'ÁVILA"));
    {
        // Emitted to a supplier, then another cheque: its type must be chosen again.
        QString op = QStringLiteral("I");
        TFrmCadCheques tela(op);
        tela.show();
        ativar(&tela);
        EXPECT_EQ(tela.lblTitulo->text(), QStringLiteral("Novo Cheque"));
        EXPECT_TRUE(tela.rbEmitido->isChecked());
        EXPECT_FALSE(tela.cbCliente->isEnabled());
        EXPECT_EQ(tela.cbFornecedor->currentData().toLongLong(), 0); // a new cheque starts with no party
        tela.edtConta->setText(QStringLiteral("4567"));
        tela.edtNumero->setText(QStringLiteral("123"));
        tela.edtBanco->setText(QStringLiteral("ITAU"));
        tela.cbFornecedor->setCurrentIndex(tela.cbFornecedor->findData(3));
        tela.edtValor->setText(QStringLiteral("1.500,00"));
        tela.edtHistorico->setText(QStringLiteral("ALUGUEL"));
        tela.edtTitular->setText(u8("D'ÁVILA"));
        MensagensRoteiro msg;
        msg.esperar(Cheques::kMsgCadastrado, Mensagem::Sim);
        msg.esperar(Cheques::kMsgTipo);
        tela.btnConfirmarClick();
        EXPECT_TRUE(tela.edtNumero->text().isEmpty());
        EXPECT_FALSE(tela.rbEmitido->isChecked() || tela.rbRecebido->isChecked());
        tela.edtConta->setText(QStringLiteral("1"));
        tela.edtNumero->setText(QStringLiteral("1"));
        tela.edtBanco->setText(QStringLiteral("B"));
        tela.edtValor->setText(QStringLiteral("1,00"));
        tela.btnConfirmarClick();
        EXPECT_EQ(msg.pendentes(), 0);
    }
    const Linha l = banco().ler(QStringLiteral("SELECT * FROM CHEQUE"));
    EXPECT_EQ(l.texto(QStringLiteral("ID_CONTA")), QStringLiteral("4567"));
    EXPECT_EQ(l.inteiro(QStringLiteral("ID_CHEQUE")), 123);
    EXPECT_EQ(l.texto(QStringLiteral("ID_FORNECEDOR_CLIENTE")), QStringLiteral("3"));
    EXPECT_EQ(l.texto(QStringLiteral("VALOR")), QStringLiteral("1500.00"));
    EXPECT_EQ(l.data(QStringLiteral("DATA_EMISSAO")), kHoje);
    EXPECT_TRUE(l.valor(QStringLiteral("DATA_COMPENSACAO")).isNull());
    EXPECT_EQ(l.texto(QStringLiteral("TITULAR")), u8("D'ÁVILA"));
    EXPECT_EQ(l.texto(QStringLiteral("TIPO_CHEQUE")), QStringLiteral("E"));
    EXPECT_EQ(logs(), QStringList{u8("ADMIN|Incluiu Cheque de N.º -> 123 de Conta N.º -> 4567 (Emitido) de Valor -> "
                                     "R$ 1.500,00 (ALUGUEL)")});

    // Received without a party.
    Cheques::Dados d = dados();
    d.tipo = QStringLiteral("R");
    const Cheques::Resultado r = Cheques::confirmar(banco(), ModoEdicao::Incluir, 0, d);
    ASSERT_TRUE(r.salvo);
    EXPECT_TRUE(banco().valor(QStringLiteral("SELECT ID_FORNECEDOR_CLIENTE FROM CHEQUE WHERE COD_GERAL_CHEQUE = ?"),
                              {r.chave})
                    .isNull());

    // Alteration: the received cheque now from customer 8; the clearing date stays.
    banco().executar(QStringLiteral("UPDATE CHEQUE SET DATA_COMPENSACAO = ? WHERE COD_GERAL_CHEQUE = ?"), {kHoje, r.chave});
    d.parte = 8;
    d.valor = QStringLiteral("99,90");
    const Cheques::Resultado a = Cheques::confirmar(banco(), ModoEdicao::Alterar, r.chave, d);
    EXPECT_EQ(a.mensagem, u8("Operação Realizada com Sucesso!"));
    const Linha la = banco().ler(QStringLiteral("SELECT * FROM CHEQUE WHERE COD_GERAL_CHEQUE = ?"), {r.chave});
    EXPECT_EQ(la.texto(QStringLiteral("ID_FORNECEDOR_CLIENTE")), QStringLiteral("8"));
    EXPECT_EQ(la.texto(QStringLiteral("VALOR")), QStringLiteral("99.90"));
    EXPECT_EQ(la.data(QStringLiteral("DATA_COMPENSACAO")), kHoje);
    EXPECT_EQ(logs().last(), u8("ADMIN|Alterou Cheque de N.º -> 123 de Conta N.º -> 4567 (Recebido) de Valor -> "
                                "R$ 99,90 (ALUGUEL)"));
}

TEST_F(ChequesTeste, ListaAbreOCadastroNoModoDeCadaAcao)
{
    cliente(7, QStringLiteral("CLIENTE SETE"));
    fornecedor(7, QStringLiteral("FORNECEDOR SETE"));
    cheque(QStringLiteral("R"), 11, QStringLiteral("50"), kHoje, 7);
    QStringList vistos;
    Telas::interceptar<TFrmCadCheques>([&](TFrmCadCheques *c) {
        vistos << c->lblTitulo->text() + QLatin1Char('|') + c->cbCliente->currentText() + QLatin1Char('|')
                      + c->cbFornecedor->currentText() + QLatin1Char('|') + QString::number(c->btnConfirmar->isEnabled());
        return int(QDialog::Accepted); // left without "Cancelar"
    });
    TFrmCheques lista;
    lista.show();
    lista.grdChequesDblClick();
    lista.btnAlterarClick();
    lista.btnNovoClick();
    EXPECT_EQ(vistos, (QStringList{QStringLiteral("Ver Cheque|7 / CLIENTE SETE||0"),
                                   QStringLiteral("Alterar Cheque|7 / CLIENTE SETE||1"),
                                   QStringLiteral("Novo Cheque|||1")}));
    // The party's names come from the one statement, by the cheque's kind.
    EXPECT_EQ(lista.lista->texto(QStringLiteral("CLIENTE")), QStringLiteral("CLIENTE SETE"));
    EXPECT_TRUE(lista.lista->texto(QStringLiteral("FORNECEDOR")).isEmpty());
    EXPECT_EQ(lista.lista->texto(QStringLiteral("TIPO")), QStringLiteral("Recebido"));
}

TEST_F(ChequesTeste, CompensarRepassarEExcluir)
{
    const qint64 a = cheque(QStringLiteral("R"), 1, QStringLiteral("10"), kHoje.addDays(-2), 0, QStringLiteral("BRADESCO"));
    const qint64 b = cheque(QStringLiteral("R"), 2, QStringLiteral("20"), kHoje.addDays(-1));
    TFrmCheques lista;
    lista.show();
    ativar(&lista);
    ASSERT_EQ(lista.lista->inteiro(QStringLiteral("COD_GERAL_CHEQUE")), a);
    EXPECT_TRUE(lista.btnCompensar->isEnabled());
    lista.btnCompensarClick();
    EXPECT_TRUE(lista.pnlData->isVisible());
    EXPECT_EQ(lista.btnDataOK->text(), QStringLiteral("OK"));
    lista.dtpData->setDate(QDate(2026, 3, 5));
    lista.btnDataOKClick();
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT DATA_COMPENSACAO FROM CHEQUE WHERE COD_GERAL_CHEQUE = ?"), {a}).toDate(),
              QDate(2026, 3, 5));
    EXPECT_FALSE(lista.pnlData->isVisible());
    EXPECT_FALSE(lista.btnCompensar->isEnabled());
    EXPECT_FALSE(lista.btnRepassar->isEnabled());
    EXPECT_EQ(logs(), QStringList{u8("ADMIN|Registrou Compensação de Cheque de Código -> %1(BRADESCO)").arg(a)});
    // Cleared already: a second clearing (another workstation's stale list) changes nothing.
    EXPECT_FALSE(Cheques::compensar(banco(), a, kHoje.addDays(3), QStringLiteral("BRADESCO")));
    EXPECT_FALSE(Cheques::repassar(banco(), a, kHoje, QStringLiteral("X")));

    lista.lista->irParaLinha(1);
    ASSERT_EQ(lista.lista->inteiro(QStringLiteral("COD_GERAL_CHEQUE")), b);
    EXPECT_TRUE(lista.btnRepassar->isEnabled());
    lista.btnRepassarClick();
    EXPECT_EQ(lista.btnDataOK->text(), QStringLiteral("->"));
    EXPECT_FALSE(lista.btnDataOK->isEnabled());
    {
        MensagensRoteiro msg;
        msg.esperar(Cheques::kMsgRepasseVazio);
        lista.btnRepasseOKClick();
        EXPECT_EQ(msg.pendentes(), 0);
    }
    lista.edtRepassar->setText(u8("JOÃO D'ÁVILA"));
    lista.btnRepasseOKClick();
    const Linha l = banco().ler(QStringLiteral("SELECT * FROM CHEQUE WHERE COD_GERAL_CHEQUE = ?"), {b});
    EXPECT_EQ(l.texto(QStringLiteral("REPASSADO")), u8("JOÃO D'ÁVILA"));
    EXPECT_EQ(l.data(QStringLiteral("DATA_COMPENSACAO")), kHoje);
    EXPECT_EQ(logs().size(), 1); // passing on logs nothing

    // Void: one ANULACAO row, the cheque gone from the list and the filters.
    lista.lista->irParaLinha(0);
    {
        MensagensRoteiro msg;
        msg.esperar(Cheques::kMsgConfirmaExclusao, Mensagem::Sim);
        lista.btnExcluirClick();
        EXPECT_EQ(msg.pendentes(), 0);
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO WHERE COD_GERAL_CHEQUE = ? AND ID_CLIENTE = 0 AND "
                                    "ID_FORNECEDOR = 0 AND ID_USUARIO = 0"),
                     {a}),
              1);
    EXPECT_EQ(logs().last(), u8("ADMIN|Excluiu Cheque de Código -> %1 (H)").arg(a));
    EXPECT_EQ(lista.lista->modelo()->rowCount(), 1);
    EXPECT_EQ(filtrar(Filtro::Banco, QStringLiteral("BRADESCO")), QList<qint64>{});
    EXPECT_EQ(filtrar(Filtro::Compensacao, {}, QDate(2026, 3, 5)), QList<qint64>{b}); // b was passed on that day
    EXPECT_FALSE(Cheques::anular(banco(), a, QStringLiteral("H"))); // voided once
}

TEST_F(ChequesTeste, Filtros)
{
    cliente(7, QStringLiteral("CLIENTE SETE"));
    fornecedor(7, QStringLiteral("FORNECEDOR SETE"));
    const qint64 novo = cheque(QStringLiteral("E"), 5, QStringLiteral("1500"), QDate(2026, 2, 1), 7);
    const qint64 velho = cheque(QStringLiteral("R"), 6, QStringLiteral("1500"), QDate(2026, 1, 1), 7,
                                QStringLiteral("CAIXA"), u8("D'ÁVILA"));
    const qint64 outro = cheque(QStringLiteral("R"), 7, QStringLiteral("1500.01"), QDate(2026, 1, 15));
    const QList<qint64> todos{velho, outro, novo};

    EXPECT_EQ(filtrar(Filtro::Valor, QStringLiteral("1.500,00")), (QList<qint64>{velho, novo}));
    EXPECT_EQ(filtrar(Filtro::Valor, QString()), todos);
    EXPECT_EQ(filtrar(Filtro::Numero, QStringLiteral("6")), QList<qint64>{velho});
    EXPECT_EQ(filtrar(Filtro::Numero, QString()), todos);
    EXPECT_EQ(filtrar(Filtro::Conta, QStringLiteral("4567")), todos);
    EXPECT_EQ(filtrar(Filtro::Banco, QString()), todos);
    EXPECT_EQ(filtrar(Filtro::Banco, QStringLiteral("AIX")), QList<qint64>{velho});
    EXPECT_EQ(filtrar(Filtro::Titular, QString()).size(), 3);
    EXPECT_EQ(filtrar(Filtro::Titular, u8("D'ÁV")), QList<qint64>{velho});
    EXPECT_EQ(filtrar(Filtro::Emissao, {}, QDate(2026, 1, 15)), QList<qint64>{outro});
    // Customer 7 and supplier 7 never match each other's filter.
    EXPECT_EQ(filtrar(Filtro::Cliente, {}, {}, 7), QList<qint64>{velho});
    EXPECT_EQ(filtrar(Filtro::Fornecedor, {}, {}, 7), QList<qint64>{novo});

    for (const auto &[f, texto, erro] : {std::tuple{Filtro::Valor, "1.50,00", "Valor do Cheque Inválido!"},
                                         std::tuple{Filtro::Numero, "X1", "Número do Cheque Inválido!"},
                                         std::tuple{Filtro::Numero, "99999999999", "Número do Cheque Inválido!"}}) {
        const Cheques::ConsultaFiltro q = Cheques::consultaFiltro(f, u8(texto));
        EXPECT_EQ(q.erro, u8(erro)) << texto;
        EXPECT_TRUE(q.sql.isEmpty());
    }

    // Through the screen: the arrow order, Enter applies, a bad value is told.
    TFrmCheques lista;
    lista.show();
    ativar(&lista);
    lista.btnLocalizarClick();
    EXPECT_EQ(lista.filtroAtual(), Filtro::Valor);
    for (Filtro esperado : {Filtro::Numero, Filtro::Conta, Filtro::Banco, Filtro::Compensacao}) {
        tecla(lista.edtFiltro, Qt::Key_Down);
        EXPECT_EQ(lista.filtroAtual(), esperado);
    }
    for (Filtro esperado : {Filtro::Emissao, Filtro::Predatado, Filtro::Cliente}) {
        tecla(lista.dtpFiltro, Qt::Key_Down);
        EXPECT_EQ(lista.filtroAtual(), esperado);
    }
    lista.escolherFiltro(Filtro::Banco);
    tecla(lista.edtFiltro, Qt::Key_Up);
    EXPECT_EQ(lista.filtroAtual(), Filtro::Conta);
    lista.escolherFiltro(Filtro::Valor);
    lista.edtFiltro->setText(QStringLiteral("1.500,00"));
    tecla(lista.edtFiltro, Qt::Key_Return);
    EXPECT_EQ(lista.lista->modelo()->rowCount(), 2);
    EXPECT_FALSE(lista.pnlFiltros->isVisible());
    lista.btnLocalizarClick();
    lista.edtFiltro->setText(QStringLiteral("abc"));
    MensagensRoteiro msg;
    msg.esperar(u8("Valor do Cheque Inválido!"));
    tecla(lista.edtFiltro, Qt::Key_Return);
    EXPECT_EQ(msg.pendentes(), 0);
    EXPECT_EQ(lista.lista->modelo()->rowCount(), 2);
}
