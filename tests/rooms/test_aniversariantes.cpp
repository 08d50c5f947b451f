// The birthday e-mail screen: the day and month choices, the address picker,
// the totals and "Para:", the stored account, the log text of a send and the
// input it refuses.
#include "base/Erros.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "rooms/Aniversariantes.h"
#include "rooms/Comandos.h"
#include "rooms/UnitAniversariantes.h"
#include "rooms/UnitRelAniversariantes.h"
#include "support/RegistroGravado.h"
#include "support/TelasTeste.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

namespace A = Aniversariantes;

class Aniversariantes_ : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        banco().executar(QStringLiteral("DELETE FROM CLIENTE WHERE ID_CLIENTE <> 1"));
    }
    qint64 cliente(const QString &nome, const QDate &nasc, const QString &email, const QString &excluido = QStringLiteral("N"))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, EXCLUIDO, DATA_NASC, EMAIL, CNPJ_CPF) "
                                  "VALUES (?, 'F', ?, ?, ?, ?) RETURNING ID_CLIENTE"),
                   {nome, excluido, nasc, email, QStringLiteral("DOC ") + nome})
            .toLongLong();
    }
    static QStringList itens(TFrmAniversariantes &t)
    {
        QStringList r;
        for (int i = 0; i < t.lstEmails->count(); ++i)
            r << (t.lstEmails->item(i)->checkState() == Qt::Checked ? QStringLiteral("[x] ") : QStringLiteral("[ ] "))
                    + t.lstEmails->item(i)->text();
        return r;
    }
    static void escolherMes(TFrmAniversariantes &t, int mes)
    {
        t.cbMes->setCurrentIndex(mes);
        emit t.cbMes->activated(mes);
    }
    static void diaMes(TFrmAniversariantes &t, const QString &texto)
    {
        t.edtDiaMes->setText(texto);
        tecla(t.edtDiaMes, Qt::Key_Return);
    }
};

TEST_F(Aniversariantes_, DiaMesAceitoSoQuandoODiaExiste)
{
    const struct {
        const char *texto;
        int dia, mes; // 0: refused
    } casos[] = {{"05/09", 5, 9}, {"29/02", 29, 2}, {"31/12", 31, 12}, {"31/13", 0, 0}, {"30/02", 0, 0},
                 {"31/04", 0, 0}, {"00/05", 0, 0},  {"1 /05", 0, 0},   {"12/ 5", 0, 0},  {"  /  ", 0, 0}};
    for (const auto &c : casos) {
        const auto d = A::lerDiaMes(QString::fromUtf8(c.texto));
        EXPECT_EQ(d.has_value(), c.dia != 0) << c.texto;
        if (d && c.dia) {
            EXPECT_EQ(d->dia, c.dia) << c.texto;
            EXPECT_EQ(d->mes, c.mes) << c.texto;
        }
    }
}

TEST_F(Aniversariantes_, EscolhaPorMesEPorDia)
{
    const qint64 bia = cliente(QStringLiteral("BIA"), QDate(1985, 5, 20), QStringLiteral("bia@@hotel"));
    cliente(QStringLiteral("ANA"), QDate(1990, 5, 10), QStringLiteral("ana@hotel.com.br"));
    cliente(QStringLiteral("GUI"), QDate(1970, 5, 10), QStringLiteral("  gui@hotel.com  "));
    cliente(QStringLiteral("CAIO"), QDate(1980, 5, 11), QString());
    cliente(QStringLiteral("HELO"), QDate(2001, 5, 31), QStringLiteral("helo@mail.org"));
    // restricted, blacklisted and the unknown date never come
    cliente(QStringLiteral("DUDA"), QDate(1990, 5, 12), QStringLiteral("duda@hotel.com"), QStringLiteral("R"));
    cliente(QStringLiteral("EDU"), QDate(1990, 5, 13), QStringLiteral("edu@hotel.com"), QStringLiteral("S"));
    cliente(QStringLiteral("FABI"), QDate(1900, 1, 1), QStringLiteral("fabi@hotel.com"));

    TFrmAniversariantes t;
    EXPECT_EQ(t.windowTitle(), QStringLiteral("Aniversariantes"));
    EXPECT_EQ(t.edtDiaMes->displayText(), Relogio::hoje().toString(QStringLiteral("dd/MM")));
    EXPECT_EQ(t.cbMes->itemText(0), QStringLiteral("S E L E C I O N E"));
    EXPECT_EQ(t.cbMes->itemText(3), QStringLiteral("M A R Ç O"));
    EXPECT_EQ(t.cbMes->count(), 13);
    EXPECT_EQ(t.lblPara->text(), QStringLiteral("Para (0):"));

    escolherMes(t, 5);
    EXPECT_TRUE(t.edtDiaMes->displayText() == A::kDiaMesVazio);
    EXPECT_FALSE(t.pnlEmails->isHidden());
    // by birth date, year included
    const QStringList maio{QStringLiteral("[x] gui@hotel.com"), QStringLiteral("[ ] bia@@hotel - (%1) - BIA").arg(bia),
                           QStringLiteral("[x] ana@hotel.com.br"), QStringLiteral("[x] helo@mail.org")};
    EXPECT_EQ(itens(t), maio);
    EXPECT_EQ(t.lblTotalCom->text(), QStringLiteral("4"));
    EXPECT_EQ(t.lblTotalSem->text(), QStringLiteral("1"));

    // the same month again, picker still open: listed twice; "x" adds nothing
    escolherMes(t, 5);
    EXPECT_EQ(itens(t), maio + maio);
    t.btnFecharConsulta->click();
    EXPECT_TRUE(t.pnlEmails->isHidden());
    EXPECT_EQ(t.lstEmails->count(), 0);
    EXPECT_EQ(t.memPara->toPlainText(), QString());

    // the malformed address checked by hand is still not added
    escolherMes(t, 5);
    t.lstEmails->item(1)->setCheckState(Qt::Checked);
    t.btnOk->click();
    EXPECT_EQ(t.memPara->toPlainText(), QStringLiteral("gui@hotel.com; ana@hotel.com.br; helo@mail.org; "));
    EXPECT_EQ(t.lblPara->text(), QStringLiteral("Para (3):"));
    EXPECT_TRUE(t.pnlEmails->isHidden());
    EXPECT_EQ(t.lstEmails->count(), 0);

    // unchecking one leaves it out; "Para:" grows
    escolherMes(t, 5);
    t.lstEmails->item(0)->setCheckState(Qt::Unchecked);
    t.btnOk->click();
    EXPECT_EQ(t.lblPara->text(), QStringLiteral("Para (5):"));
    t.btnLimparLista->click();
    EXPECT_EQ(t.lblPara->text(), QStringLiteral("Para (0):"));

    // January holds only the unknown date: nobody
    escolherMes(t, 1);
    EXPECT_EQ(itens(t), QStringList());
    EXPECT_EQ(t.lblTotalCom->text(), QStringLiteral("0"));
    EXPECT_EQ(t.lblTotalSem->text(), QStringLiteral("0"));
    t.btnFecharConsulta->click();

    // by day; entering the day field resets the month box
    escolherMes(t, 5);
    t.btnFecharConsulta->click();
    focar(t.edtDiaMes, true);
    EXPECT_EQ(t.cbMes->currentIndex(), 0);
    diaMes(t, QStringLiteral("10/05"));
    EXPECT_EQ(itens(t), (QStringList{QStringLiteral("[x] gui@hotel.com"), QStringLiteral("[x] ana@hotel.com.br")}));
    EXPECT_EQ(t.lblTotalCom->text(), QStringLiteral("2"));
    EXPECT_EQ(t.lblTotalSem->text(), QStringLiteral("0"));
    t.btnFecharConsulta->click();
    diaMes(t, QStringLiteral("11/05"));
    EXPECT_EQ(t.lblTotalCom->text(), QStringLiteral("0"));
    EXPECT_EQ(t.lblTotalSem->text(), QStringLiteral("1"));
    t.btnFecharConsulta->click();

    // blank day: totals 0 and no picker; "S E L E C I O N E" the same
    diaMes(t, QStringLiteral("10/05"));
    t.btnFecharConsulta->click();
    t.edtDiaMes->clear();
    tecla(t.edtDiaMes, Qt::Key_Return);
    EXPECT_EQ(t.lblTotalCom->text(), QStringLiteral("0"));
    EXPECT_EQ(t.lblTotalSem->text(), QStringLiteral("0"));
    EXPECT_TRUE(t.pnlEmails->isHidden());
    escolherMes(t, 5);
    t.btnFecharConsulta->click();
    escolherMes(t, 0);
    EXPECT_EQ(t.lblTotalCom->text(), QStringLiteral("0"));
    EXPECT_TRUE(t.pnlEmails->isHidden());

    // a day that cannot be: told, nothing run
    for (const char *ruim : {"31/13", "30/02", "1 /05"}) {
        msg->esperar(A::kMsgDiaMesInvalido);
        diaMes(t, QString::fromLatin1(ruim));
        EXPECT_TRUE(t.pnlEmails->isHidden()) << ruim;
        EXPECT_EQ(t.lblTotalCom->text(), QStringLiteral("0")) << ruim;
    }
}

TEST_F(Aniversariantes_, SalvarInformacoesGuardaComoDigitado)
{
    TFrmAniversariantes t;
    t.edtConta->setText(QStringLiteral("reservas@pousada.com.br"));
    t.edtSenha->setText(QStringLiteral("s3nh'a\"x"));
    t.edtRemetente->setText(QStringLiteral("Pousada D'Ávila"));
    t.edtAssunto->setText(QStringLiteral("Feliz Aniversário, 'João'!"));
    t.memMensagem->setPlainText(QStringLiteral("Olá!\nQue seu dia seja ótimo.\n-- Equipe ' \"D'Ávila\""));
    msg->esperar(QStringLiteral("Informações Atualizadas!"));
    t.btnSalvar->click();

    const Linha l = banco().ler(QStringLiteral("SELECT * FROM EMAIL"));
    EXPECT_EQ(l.texto(QStringLiteral("EMAIL_REMETENTE")), QStringLiteral("reservas@pousada.com.br"));
    EXPECT_EQ(l.texto(QStringLiteral("SENHA")), QStringLiteral("s3nh'a\"x"));
    EXPECT_EQ(l.texto(QStringLiteral("REMETENTE")), QStringLiteral("Pousada D'Ávila"));
    EXPECT_EQ(l.texto(QStringLiteral("ASSUNTO")), QStringLiteral("Feliz Aniversário, 'João'!"));
    EXPECT_EQ(l.texto(QStringLiteral("MENSAGEM")),
              QStringLiteral("Olá!\nQue seu dia seja ótimo.\n-- Equipe ' \"D'Ávila\""));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM EMAIL")), 1);
    EXPECT_EQ(logs().filter(QStringLiteral("Informações de Email")),
              QStringList{QStringLiteral("ADMIN|Atualizou Informações de Email")});

    // the next opening shows what was stored
    TFrmAniversariantes outra;
    EXPECT_EQ(outra.edtSenha->text(), QStringLiteral("s3nh'a\"x"));
    EXPECT_EQ(outra.edtSenha->echoMode(), QLineEdit::Password);
    EXPECT_EQ(outra.edtRemetente->text(), QStringLiteral("Pousada D'Ávila"));
    EXPECT_EQ(outra.memMensagem->toPlainText(), QStringLiteral("Olá!\nQue seu dia seja ótimo.\n-- Equipe ' \"D'Ávila\""));
}

TEST_F(Aniversariantes_, TextoLongoDemaisNaoEGuardado)
{
    const A::Conta antes = A::ler(DM->Conexao);
    const QString longo100 = QString(101, QLatin1Char('a'));
    const struct {
        A::Conta conta;
        const char *campo;
    } casos[] = {
        {{longo100, {}, {}, {}, {}}, "Conta de e-mail:"},
        {{{}, longo100, {}, {}, {}}, "Senha para autenticação:"},
        {{{}, {}, longo100, {}, {}}, "Remetente:"},
        {{{}, {}, {}, QString(201, QLatin1Char('b')), {}}, "Assunto:"},
    };
    for (const auto &c : casos) {
        EXPECT_TRUE(A::validar(c.conta).contains(QString::fromUtf8(c.campo))) << c.campo;
        EXPECT_THROW(A::salvar(DM->Conexao, c.conta), ErroSistema) << c.campo;
    }
    // exactly at the width, and a long message (no limit), are fine
    A::Conta cheia{QString(100, QLatin1Char('c')), QString(100, QLatin1Char('d')), QString(100, QLatin1Char('e')),
                   QString(200, QLatin1Char('f')), QString(5000, QLatin1Char('g'))};
    EXPECT_EQ(A::validar(cheia), QString());
    A::salvar(DM->Conexao, cheia);
    EXPECT_EQ(A::ler(DM->Conexao).assunto, cheia.assunto);
    EXPECT_EQ(A::ler(DM->Conexao).mensagem, cheia.mensagem);
    EXPECT_EQ(logs().filter(QStringLiteral("Informações de Email")).size(), 1);
    Q_UNUSED(antes);
}

TEST_F(Aniversariantes_, TextoDoLogDoEnvio)
{
    const QString para = QString(498, QLatin1Char('x')) + QStringLiteral("; tail@hotel.com; ");
    const A::Conta c{QStringLiteral("hotel@x.com"), QStringLiteral("segredo"), QStringLiteral("Hotel X"),
                     QStringLiteral("Parabéns"), QStringLiteral("Linha 1\nLinha 2")};
    EXPECT_EQ(A::textoLogEnvio(c, para),
              QStringLiteral("De: Hotel X (hotel@x.com)\rAssunto: Parabéns\rMensagem: Linha 1\nLinha 2\rPara: ")
                  + QString(498, QLatin1Char('x')) + QStringLiteral("; \r"));
    EXPECT_EQ(A::textoLogEnvio(c, QStringLiteral("a@b.com; ")),
              QStringLiteral("De: Hotel X (hotel@x.com)\rAssunto: Parabéns\rMensagem: Linha 1\nLinha 2\rPara: a@b.com; \r"));
}

TEST_F(Aniversariantes_, TiposDeMidiaPorNumero)
{
    const struct {
        int numero;
        const char *tipo;
    } casos[] = {{0, "text/plain"}, {7, "image/jpeg"}, {21, "application/pdf"}, {27, "application/octet-stream"},
                 {35, "multipart/encrypted"}, {36, ""}, {-1, ""}, {1000, ""}};
    for (const auto &c : casos)
        EXPECT_EQ(TFrmAniversariantes::EmailTipoMIME(c.numero), QString::fromLatin1(c.tipo)) << c.numero;
}

TEST_F(Aniversariantes_, EnvioRecusaParaVazioEnderecoMalFormadoEAnexoIlegivel)
{
    TFrmAniversariantes t;
    // nowhere to go: nothing would reach a server here
    t.servidorEmail = {QStringLiteral("127.0.0.1"), QStringLiteral("1"), QString()};
    const struct {
        const char *para;
        bool anexoPasta;
        QString texto;
    } casos[] = {
        {"", false, kMsgParaVazio},
        {" ;  ; ", false, kMsgParaVazio},
        {"ana@hotel.com; joao arroba hotel; ", false, kMsgParaInvalido.arg(QStringLiteral("joao arroba hotel"))},
        {"ana@hotel.com; ", true, QStringLiteral("Não foi possível ler o anexo \"%1\".").arg(pasta())},
    };
    for (const auto &c : casos) {
        t.memPara->setPlainText(QString::fromUtf8(c.para));
        t.lstAnexos->clear();
        if (c.anexoPasta)
            t.lstAnexos->addItem(pasta());
        msg->esperar(c.texto);
        t.btnEnviar->click();
        EXPECT_EQ(t.lblStatus->text(), QStringLiteral("Aguardando...")) << c.para;
    }
    EXPECT_EQ(logs().filter(QStringLiteral("Envio de Email")), QStringList());
}

TEST_F(Aniversariantes_, AnexosSemRepetirERemover)
{
    for (const char *n : {"a.pdf", "b.txt", "c.jpg"}) {
        QFile f(pasta() + QLatin1Char('/') + QLatin1String(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    TFrmAniversariantes t;
    QString escolha;
    Telas::interceptar<QFileDialog>([&](QFileDialog *d) {
        d->setDirectory(pasta());
        d->selectFile(escolha);
        return int(QDialog::Accepted);
    });
    const QString a = pasta() + QStringLiteral("/a.pdf"), b = pasta() + QStringLiteral("/b.txt"),
                  c = pasta() + QStringLiteral("/c.jpg");
    escolha = QStringLiteral("\"a.pdf\" \"b.txt\"");
    t.btnAdicionar->click();
    EXPECT_EQ(t.anexos(), (QStringList{a, b}));
    escolha = QStringLiteral("\"b.txt\" \"c.jpg\"");
    t.btnAdicionar->click();
    EXPECT_EQ(t.anexos(), (QStringList{a, b, c}));
    t.lstAnexos->setCurrentRow(1);
    t.btnRemover->click();
    EXPECT_EQ(t.anexos(), (QStringList{a, c}));
    Telas::liberarTodas();
}

TEST_F(Aniversariantes_, RibbonAbreATelaEORelatorio)
{
    RegistroGravado r;
    Quartos::registrarComandos(r);
    int telas = 0, relatorios = 0;
    Telas::interceptar<TFrmAniversariantes>([&](TFrmAniversariantes *) {
        ++telas;
        return int(QDialog::Rejected);
    });
    Telas::interceptar<TFrmRelAniversariantes>([&](TFrmRelAniversariantes *) {
        ++relatorios;
        return int(QDialog::Rejected);
    });
    ASSERT_TRUE(r.executar(QStringLiteral("btnAniversariantesClick")));
    ASSERT_TRUE(r.executar(QStringLiteral("btnRelAniversariantesClick")));
    EXPECT_EQ(telas, 1);
    EXPECT_EQ(relatorios, 1);
}

} // namespace
