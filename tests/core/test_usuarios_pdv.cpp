// The companion point of sale: the copy of the users into its USUARIOS_PDV
// and the start of the program itself.
#include "base/Caminhos.h"
#include "base/Telas.h"
#include "core/UnitCadUsu.h"
#include "core/UnitUsuarios.h"
#include "platform/ProgramaCompanheiro.h"
#include "support/TelasTeste.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

#include <csignal>
#include <unistd.h>

namespace {

class UsuariosPDV : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        prepararCompanheiros();
    }
    qint64 usuario(const QString &login, const QString &acessoTotal = QStringLiteral("N"))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA, ACESSO_TOTAL) VALUES (?, 'S1', ?) "
                                  "RETURNING ID_USUARIO"),
                   {login, acessoTotal})
            .toLongLong();
    }
    // "ID NOME SENHA DESCONTO flags" per row, by key.
    QStringList espelho()
    {
        QStringList r;
        for (const Linha &l : DM->ConexaoPDV.lerTodas(QStringLiteral("SELECT * FROM USUARIOS_PDV ORDER BY ID"))) {
            QString flags;
            for (const char *c : {"CHK_VENDAS", "CHK_VENDA_CHECKOUT", "PE_ABRE_GAVETA", "PE_SUPRIMENTO_SANGRIA",
                                  "PE_LEITURA_X", "PE_CANCELA_CUPOM", "PE_REDUCAO_Z", "PE_MEMORIA_FISCAL",
                                  "PE_CANCELA_ITEM", "PE_LIBERA_VENDA_ATRASO", "PE_LIBERA_VENDA_LIMITE_EXC",
                                  "PE_LIBERA_VENDA_INADIMPLENTE", "VINCULADO_AO_VENDEDOR", "PE_LIBERA_DESCONTO"})
                flags += l.texto(QString::fromLatin1(c));
            r << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(l.texto(QStringLiteral("ID")), l.texto(QStringLiteral("NOME")), l.texto(QStringLiteral("SENHA")),
                          l.dinheiro(QStringLiteral("PE_MAXIMO_DESCONTO")).formatado(), flags);
        }
        return r;
    }
    static inline const QString kFlags = QStringLiteral("11111111111111");
};

} // namespace

TEST_F(UsuariosPDV, SemFiscalNadaVaiAoPDV)
{
    parametro(QStringLiteral("UTILIZA_FISCAL"), QStringLiteral("N"));
    msg->esperar(QStringLiteral("Usuário Cadastrado com Sucesso! Verifique as Permissões!"));
    Telas::interceptar<TFrmCadUsu>([&](TFrmCadUsu *f) {
        f->edtUsuario->setText(QStringLiteral("ANA"));
        f->edtSenha->setText(QStringLiteral("1"));
        f->edtConfirmar->setText(QStringLiteral("1"));
        f->btnConfirmar->click();
        return f->result();
    });
    EXPECT_EQ(Telas::abrir<TFrmCadUsu>(FrmCadUsu, QStringLiteral("N_U")), int(QDialog::Accepted));
    EXPECT_FALSE(DM->ConexaoPDV.conectada());
}

TEST_F(UsuariosPDV, EspelhoTemOsUsuariosVivosComSeusDescontos)
{
    parametro(QStringLiteral("UTILIZA_FISCAL"), QStringLiteral("S"));
    parametro(QStringLiteral("LIMITE_DESCONTO"), QStringLiteral("12.5"));
    // rows of an earlier copy go away, and the generator starts over
    DM->ConexaoPDV.executar(QStringLiteral("INSERT INTO USUARIOS_PDV (ID, NOME) VALUES (99, 'VELHO')"));
    DM->ConexaoPDV.executar(QStringLiteral("SET GENERATOR GEN_USUARIOS_PDV_ID TO 50"));

    const qint64 ana = usuario(QStringLiteral("ANA"));
    const qint64 chefe = usuario(QStringLiteral("CHEFE"), QStringLiteral("S"));
    const qint64 beto = usuario(QStringLiteral("BETO"));

    // deleting a user copies the remaining live users, user 1 included
    Telas::interceptar<TFrmUsuarios>([&](TFrmUsuarios *f) {
        f->lista->irParaLinha(f->lista->modelo()->localizar(QStringLiteral("LOGIN"), QStringLiteral("BETO")));
        msg->esperar(QStringLiteral("Deseja Realmente Excluir Esse Usuário?"), Mensagem::Sim)
            .esperar(QStringLiteral("Usuário Excluído com Sucesso!"));
        f->btnExcluir->click();
        return int(QDialog::Rejected);
    });
    abrirUsuarios();
    EXPECT_EQ(espelho(), (QStringList{QStringLiteral("1 ADMIN ADMIN 100,00 ") + kFlags,
                                      QStringLiteral("%1 ANA S1 12,50 ").arg(ana) + kFlags,
                                      QStringLiteral("%1 CHEFE S1 100,00 ").arg(chefe) + kFlags}));
    // The generator at the highest key written (the deleted BETO's is not).
    EXPECT_EQ(DM->ConexaoPDV.gerador(QStringLiteral("GEN_USUARIOS_PDV_ID"), 0), chefe);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO WHERE ID_USUARIO = ?"), {beto}), 1);

    // a new login and new rights are copied too
    Telas::interceptar<TFrmCadUsu>([&](TFrmCadUsu *f) {
        f->edtUsuario->setText(QStringLiteral("ANINHA"));
        msg->esperar(QStringLiteral("Usuário Alterado com Sucesso! Verifique as Permissões!"));
        f->btnConfirmar->click();
        return f->result();
    });
    Telas::interceptar<TFrmUsuarios>([&](TFrmUsuarios *f) {
        EXPECT_EQ(f->lista->inteiro(QStringLiteral("ID_USUARIO")), ana);
        f->btnAlterar->click();
        msg->esperar(QStringLiteral("Deseja Editar as Permissões de 'ANINHA' ?"), Mensagem::Sim);
        emit f->lista->ativada();
        f->chkDireitos.last()->setChecked(true); // full access
        f->btnConfirmarPermissoes->click();
        return int(QDialog::Rejected);
    });
    abrirUsuarios();
    EXPECT_EQ(espelho()[1], QStringLiteral("%1 ANINHA S1 100,00 ").arg(ana) + kFlags);
}

TEST_F(UsuariosPDV, GeradorFicaNaMaiorChaveEOProximoUsuarioDoPDVNaoColide)
{
    parametro(QStringLiteral("UTILIZA_FISCAL"), QStringLiteral("S"));
    usuario(QStringLiteral("ANA"));
    const qint64 bia = usuario(QStringLiteral("BIA"));
    Usuarios::espelharUsuariosPDV(DM->Conexao);
    EXPECT_EQ(DM->ConexaoPDV.gerador(QStringLiteral("GEN_USUARIOS_PDV_ID"), 0), bia);
    // The point of sale's own next user takes a key of its own.
    DM->ConexaoPDV.emTransacao([&] {
        DM->ConexaoPDV.executar(QStringLiteral("INSERT INTO USUARIOS_PDV (NOME, SENHA) VALUES ('CAIXA', '1')"));
    });
    EXPECT_EQ(DM->ConexaoPDV.valor(QStringLiteral("SELECT ID FROM USUARIOS_PDV WHERE NOME = 'CAIXA'")).toLongLong(),
              bia + 1);
}

TEST_F(UsuariosPDV, FalhaNoEspelhoNaoDeixaOPDVPelaMetade)
{
    parametro(QStringLiteral("UTILIZA_FISCAL"), QStringLiteral("S"));
    usuario(QStringLiteral("ANA"));
    Usuarios::espelharUsuariosPDV(DM->Conexao);
    const QStringList antes = espelho();
    ASSERT_EQ(antes.size(), 2);

    // The point of sale refuses one of the users: nothing of this copy stays,
    // the generator included (a generator's change survives a rollback).
    DM->ConexaoPDV.executar(QStringLiteral("SET GENERATOR GEN_USUARIOS_PDV_ID TO 57"));
    DM->ConexaoPDV.executar(
        QStringLiteral("ALTER TABLE USUARIOS_PDV ADD CONSTRAINT CHK_TESTE CHECK (NOME <> 'RECUSADO')"));
    usuario(QStringLiteral("BIA"));
    usuario(QStringLiteral("RECUSADO"));
    try {
        Usuarios::espelharUsuariosPDV(DM->Conexao);
        ADD_FAILURE() << "o espelho deveria falhar";
    } catch (const ErroBanco &e) {
        EXPECT_TRUE(e.texto().startsWith(QStringLiteral(
            "Não foi possível atualizar os usuários do Zentro PDV; a alteração foi salva neste sistema.")))
            << e.texto().toStdString();
    }
    EXPECT_EQ(espelho(), antes);
    EXPECT_EQ(DM->ConexaoPDV.gerador(QStringLiteral("GEN_USUARIOS_PDV_ID"), 0), 57);
}

// ---------------------------------------------------------------- the program

namespace {

// Ends a process this test started, with the children of its own group.
void encerrar(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    pid_t grupo = 0;
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray t = stat.readAll();
        const QList<QByteArray> campos = t.mid(t.lastIndexOf(')') + 2).split(' ');
        if (campos.size() > 2)
            grupo = pid_t(campos[2].toLongLong()); // state, ppid, pgrp
    }
    if (grupo > 1 && grupo != ::getpgrp())
        ::kill(-grupo, SIGTERM);
    ::kill(pid_t(pid), SIGTERM);
}

class ZentroPDV : public TelasTeste {
protected:
    void TearDown() override
    {
        for (qint64 pid : m_iniciados)
            encerrar(pid);
        TelasTeste::TearDown();
    }
    // A stand-in program: writes its folder and arguments, then waits.
    void instalarPrograma()
    {
        const QString programa = ProgramaCompanheiro::caminhoZentroPDV();
        QDir().mkpath(QFileInfo(programa).absolutePath());
        QFile f(programa);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\n{ pwd; echo \"$#:$1:$2\"; } > \"%1\"\nsleep 60\n").arg(saida()).toUtf8());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString saida() const { return pasta() + QStringLiteral("/saida.txt"); }
    QString lerSaida()
    {
        QDeadlineTimer prazo(10000);
        QFile f(saida());
        while (!prazo.hasExpired()) {
            if (f.open(QIODevice::ReadOnly)) {
                const QString t = QString::fromUtf8(f.readAll());
                f.close();
                if (t.count(QLatin1Char('\n')) >= 2)
                    return t;
            }
            QThread::msleep(20); // waiting for another process, not for time
        }
        return {};
    }
    QList<qint64> m_iniciados;
};

} // namespace

TEST_F(ZentroPDV, ProgramaAusenteEhAvisado)
{
    msg->esperar(QStringLiteral("O programa Zentro PDV não foi encontrado em:\n")
                 + ProgramaCompanheiro::caminhoZentroPDV());
    EXPECT_EQ(ProgramaCompanheiro::abrirZentroPDV(), ProgramaCompanheiro::Resultado::NaoEncontrado);
    EXPECT_EQ(msg->mostradas().first().titulo, QStringLiteral("Atenção"));
    // the Windows folder of the program lives under the external root
    EXPECT_EQ(ProgramaCompanheiro::caminhoZentroPDV(), pasta() + QStringLiteral("/C/Zentro/Zentro PDV/ZentroPDV.exe"));
}

TEST_F(ZentroPDV, IniciaNaPastaComUsuarioESenhaENuncaDuasVezes)
{
    instalarPrograma();
    Sessao::atual().AuxUsu = QStringLiteral("7 SENHA SECRETA");
    qint64 pid = 0;
    ASSERT_EQ(ProgramaCompanheiro::abrirZentroPDV(&pid), ProgramaCompanheiro::Resultado::Iniciado);
    ASSERT_GT(pid, 0);
    m_iniciados << pid;
    const QString programa = ProgramaCompanheiro::caminhoZentroPDV();
    EXPECT_EQ(lerSaida(), QFileInfo(programa).absolutePath() + QStringLiteral("\n2:7:SENHA SECRETA\n"));

    // running: found, not started again
    EXPECT_EQ(ProgramaCompanheiro::emExecucao(programa), QList<qint64>{pid});
    qint64 achado = 0;
    EXPECT_EQ(ProgramaCompanheiro::abrirZentroPDV(&achado), ProgramaCompanheiro::Resultado::JaEmExecucao);
    EXPECT_EQ(achado, pid);
    EXPECT_EQ(ProgramaCompanheiro::emExecucao(programa).size(), 1);

    // after it ends it is started again
    encerrar(pid);
    QDeadlineTimer prazo(10000);
    while (!ProgramaCompanheiro::emExecucao(programa).isEmpty() && !prazo.hasExpired())
        QThread::msleep(20);
    EXPECT_TRUE(ProgramaCompanheiro::emExecucao(programa).isEmpty());
    QFile::remove(saida());
    qint64 outro = 0;
    EXPECT_EQ(ProgramaCompanheiro::abrirZentroPDV(&outro), ProgramaCompanheiro::Resultado::Iniciado);
    m_iniciados << outro;
    EXPECT_FALSE(lerSaida().isEmpty());
}
