// Backup and restore of the database through the engine's tool, and the
// automatic backup of the server workstation.
#include "base/Relogio.h"
#include "core/UnitBackup.h"
#include "platform/Backup.h"
#include "support/TelasTeste.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class BackupTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        encerrou = 0;
        BackupRegras::encerrarAplicacao = [this] { ++encerrou; };
        QDir().mkpath(BackupRegras::pastaPadrao());
    }
    void TearDown() override
    {
        Backup::definirServico(nullptr);
        BackupRegras::encerrarAplicacao = [] {};
        TelasTeste::TearDown();
    }
    QStringList operacoes(const QString &op)
    {
        QStringList r;
        for (const Linha &l : banco().lerTodas(
                 QStringLiteral("SELECT ANTES FROM LOG WHERE OPERACAO = ? ORDER BY ID_LOG"), {op}))
            r << l.texto(QStringLiteral("ANTES"));
        return r;
    }
    int encerrou = 0;
};

// A service that fails, as the server would when it is not running.
class ServicoComFalha : public Backup::Servico {
public:
    void backup(const QString &, const QString &, const Backup::Credenciais &, const Backup::Saida &) override
    {
        throw ErroSistema(QStringLiteral("unavailable database"));
    }
    void restaurar(const QString &, const QString &, const Backup::Credenciais &, const Backup::Saida &) override
    {
        throw ErroSistema(QStringLiteral("unavailable database"));
    }
};

} // namespace

TEST(BackupRegrasTeste, NomeDoArquivo)
{
    const QDateTime m(QDate(2026, 3, 4), QTime(7, 5, 9));
    struct Caso {
        QString pasta, fantasia, esperado;
    } casos[] = {
        {"/bk", "HOTEL SOL", "/bk/Quintara_HOTEL SOL_Backup_04_03_2026(070509).fbk"},
        {"/bk/", "  X ", "/bk/Quintara_  X _Backup_04_03_2026(070509).fbk"},
        {"/a b/c", "", "/a b/c/Quintara__Backup_04_03_2026(070509).fbk"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(BackupRegras::nomeArquivoBackup(c.pasta, c.fantasia, m), c.esperado) << c.pasta.toStdString();
}

TEST(BackupRegrasTeste, EntradasQueFaltam)
{
    using namespace BackupRegras;
    struct Caso {
        QString banco, pasta, mensagem;
        int campo;
    } casos[] = {
        {"", "/bk", kMsgIndiqueBanco, 0},        {"  ", "", kMsgIndiqueBanco, 0},
        {"/x.fdb", "", kMsgIndiquePasta, 1},     {"/x.fdb", "C:\\", kMsgIndiquePasta, 1},
        {"/x.fdb", "c:\\", kMsgIndiquePasta, 1}, {"/x.fdb", "/", kMsgIndiquePasta, 1},
        {"/x.fdb", "C:\\Backups", {}, -1},       {"/x.fdb", "/bk", {}, -1},
    };
    for (const auto &c : casos) {
        const auto f = verificarBackup(c.banco, c.pasta);
        EXPECT_EQ(f.mensagem, c.mensagem) << c.pasta.toStdString();
        EXPECT_EQ(f.campo, c.campo);
    }
    EXPECT_EQ(verificarRestauracao("", "/x.fdb").mensagem, kMsgIndiqueArquivo);
    EXPECT_EQ(verificarRestauracao("/a.fbk", "").mensagem, kMsgIndiqueDestino);
    EXPECT_EQ(verificarRestauracao("/a.fbk", "").campo, 1);
    EXPECT_TRUE(verificarRestauracao("/a.fbk", "/x.fdb").ok());

    EXPECT_EQ(semAspas("\"/dados/x.fdb\""), "/dados/x.fdb");
    EXPECT_EQ(semAspas("\"C:\\Quintara\\x.fdb\""), "C:\\Quintara\\x.fdb");
    EXPECT_EQ(semAspas("/dados/x.fdb"), "/dados/x.fdb");
    EXPECT_FALSE(Backup::caminhoRemoto("/dados/x.fdb"));
    EXPECT_FALSE(Backup::caminhoRemoto("C:\\Quintara\\x.fdb"));
    EXPECT_TRUE(Backup::caminhoRemoto("localhost:/dados/x.fdb"));
    EXPECT_TRUE(Backup::caminhoRemoto("192.168.0.10:C:\\Quintara\\x.fdb"));
}

TEST_F(BackupTeste, BackupRealGravaArquivoRegistraLogEMantemConexao)
{
    parametro(QStringLiteral("NOME_FANTASIA"), QStringLiteral("POUSADA MAR"));
    QStringList linhas;
    const QString arquivo = BackupRegras::fazerBackup(banco().caminho(), BackupRegras::pastaPadrao(),
                                                      [&](const QString &l) { linhas << l; });
    EXPECT_EQ(arquivo, BackupRegras::pastaPadrao() + "/Quintara_POUSADA MAR_Backup_10_12_2026(100000).fbk");
    EXPECT_TRUE(QFile::exists(arquivo));
    EXPECT_GT(QFileInfo(arquivo).size(), 0);
    ASSERT_GE(linhas.size(), 4);
    EXPECT_TRUE(linhas.size() > 10) << "the tool's verbose lines reach the screen";
    EXPECT_EQ(linhas.mid(linhas.size() - 3), QStringList({"", "Backup Completado - Arquivo Salvo em:", arquivo}));
    EXPECT_TRUE(banco().conectada());
    EXPECT_EQ(operacoes("Criou Backup"),
              QStringList{"Operação Realizada com Sucesso\rBackup Criado em " + arquivo});

    // Within the same second the same name: the second backup fails and
    // the first file stays.
    const qint64 tamanho = QFileInfo(arquivo).size();
    EXPECT_THROW(BackupRegras::fazerBackup(banco().caminho(), BackupRegras::pastaPadrao(), {}), ErroSistema);
    EXPECT_EQ(QFileInfo(arquivo).size(), tamanho);
    EXPECT_EQ(operacoes("Criou Backup").size(), 1);
    EXPECT_TRUE(banco().conectada());
}

TEST_F(BackupTeste, NomeFantasiaInvalidoParaArquivoFalhaSemLog)
{
    parametro(QStringLiteral("NOME_FANTASIA"), QStringLiteral("HOTEL A/B"));
    EXPECT_THROW(BackupRegras::fazerBackup(banco().caminho(), BackupRegras::pastaPadrao(), {}), ErroSistema);
    EXPECT_TRUE(banco().conectada());
    EXPECT_TRUE(operacoes("Criou Backup").isEmpty());
}

TEST_F(BackupTeste, RestauracaoSubstituiOBancoEReabreAConexao)
{
    const QString arquivo = BackupRegras::fazerBackup(banco().caminho(), BackupRegras::pastaPadrao(), {});
    banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('DEPOIS', '1')"));
    QStringList linhas;
    BackupRegras::restaurar(arquivo, banco().caminho(), [&](const QString &l) { linhas << l; });
    EXPECT_TRUE(banco().conectada());
    EXPECT_FALSE(linhas.isEmpty());
    EXPECT_TRUE(banco().ler(QStringLiteral("SELECT LOGIN FROM USUARIO WHERE LOGIN = 'DEPOIS'")).vazia());
    // The backup was taken before its own log line was written.
    EXPECT_TRUE(operacoes("Criou Backup").isEmpty());
    EXPECT_EQ(operacoes("Restaurou Backup"),
              QStringList{"Operação Realizada com Sucesso\rBackup Restaurado de " + arquivo});
    // Page size of the restored database.
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT MON$PAGE_SIZE FROM MON$DATABASE")).toInt(), 4096);
}

TEST_F(BackupTeste, RestauracaoComFalhaNaoTocaNoBancoAtual)
{
    const QString bom = BackupRegras::fazerBackup(banco().caminho(), BackupRegras::pastaPadrao(), {});
    const QString pastaBk = BackupRegras::pastaPadrao();
    // A backup cut in the middle, as a copy interrupted on its way.
    const QString cortado = pastaBk + "/cortado.fbk";
    {
        QFile origem(bom);
        ASSERT_TRUE(origem.open(QIODevice::ReadOnly));
        QFile f(cortado);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(origem.read(origem.size() / 2));
    }
    // A file that is not a backup at all.
    const QString texto = pastaBk + "/planilha.fbk";
    {
        QFile f(texto);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("NOME;VALOR\nD'AVILA;10,00\n").repeated(200));
    }
    // A real backup of another database: it has no settings row.
    prepararCompanheiros();
    const QString outro = pastaBk + "/outro.fbk";
    Backup::servico().backup(DM->ConexaoPDV.caminho(), outro, {TDM::usuario(), TDM::senha()}, {});

    banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('DEPOIS', '1')"));
    const QStringList antes = QDir(pasta()).entryList(QDir::Files);
    struct Caso {
        QString arquivo;
        QString trecho; // part of the message the user sees
    } casos[] = {
        {cortado, QStringLiteral("gbak")},
        {texto, QStringLiteral("gbak")},
        {outro, QStringLiteral("O backup não gerou um banco de dados válido; o banco atual não foi alterado.")},
    };
    for (const auto &c : casos) {
        QStringList linhas;
        try {
            BackupRegras::restaurar(c.arquivo, banco().caminho(), [&](const QString &l) { linhas << l; });
            ADD_FAILURE() << "a restauração devia falhar: " << c.arquivo.toStdString();
        } catch (const ErroSistema &e) {
            EXPECT_TRUE(e.texto().contains(c.trecho)) << e.texto().toStdString();
        }
        // The live database is the same, still open, with the row written after the backup.
        EXPECT_TRUE(banco().conectada()) << c.arquivo.toStdString();
        EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM USUARIO WHERE LOGIN = 'DEPOIS'")).toInt(), 1);
        // No restored file left behind.
        EXPECT_EQ(QDir(pasta()).entryList(QDir::Files), antes) << c.arquivo.toStdString();
    }
    EXPECT_TRUE(operacoes("Restaurou Backup").isEmpty());
}

TEST_F(BackupTeste, ServicoComFalhaNaoFechaAConexao)
{
    Backup::definirServico(std::make_unique<ServicoComFalha>());
    try {
        BackupRegras::restaurar("/nada.fbk", banco().caminho(), {});
        ADD_FAILURE() << "devia falhar";
    } catch (const ErroSistema &e) {
        EXPECT_EQ(e.texto(), QStringLiteral("unavailable database"));
    }
    EXPECT_TRUE(banco().conectada());
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM USUARIO")).toInt(), 1);
    EXPECT_TRUE(operacoes("Restaurou Backup").isEmpty());
}

TEST_F(BackupTeste, FerramentaQueNaoTerminaEhInterrompidaNoPrazo)
{
    // A tool that waits for ever: it is ended at the limit, nothing changes.
    const QString falso = pasta() + "/gbak-parado";
    {
        QFile f(falso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\necho 'gbak: waiting'\nexec sleep 600\n");
    }
    QFile::setPermissions(falso, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("ZV_GBAK", falso.toLocal8Bit());
    Backup::ServicoGbak::definirLimiteMs(1500);
    const QString arquivo = pasta() + "/qualquer.fbk";
    QFile(arquivo).open(QIODevice::WriteOnly);
    try {
        BackupRegras::restaurar(arquivo, banco().caminho(), {});
        ADD_FAILURE() << "devia falhar";
    } catch (const ErroSistema &e) {
        EXPECT_EQ(e.texto(), QStringLiteral("O serviço de backup não terminou em 1 minuto(s) e foi interrompido.\n"
                                            "gbak: waiting"));
    }
    qunsetenv("ZV_GBAK");
    Backup::ServicoGbak::definirLimiteMs(0);
    EXPECT_TRUE(banco().conectada());
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM PARAMETROS")).toInt(), 1);
}

TEST_F(BackupTeste, TelaPerguntaAntesDeSubstituir)
{
    const QString arquivo = BackupRegras::fazerBackup(banco().caminho(), BackupRegras::pastaPadrao(), {});
    banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('DEPOIS', '1')"));
    TFrmBackup f;
    f.show();
    f.edtArquivoBackup->setText(arquivo);
    // "Não": nothing happens.
    msg->esperar(BackupRegras::kMsgConfirmaRestauracao, Mensagem::Nao);
    f.btnRestaurar->click();
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM USUARIO WHERE LOGIN = 'DEPOIS'")).toInt(), 1);
    EXPECT_TRUE(f.mmRestaurar->toPlainText().isEmpty());
    // "Sim": the backup replaces the database.
    msg->esperar(BackupRegras::kMsgConfirmaRestauracao, Mensagem::Sim).esperar(BackupRegras::kMsgRestauracaoOk);
    f.btnRestaurar->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM USUARIO WHERE LOGIN = 'DEPOIS'")).toInt(), 0);
    EXPECT_FALSE(f.mmRestaurar->toPlainText().isEmpty());
    EXPECT_FALSE(QFile::exists(banco().caminho() + ".anterior"));
}

TEST(BackupRegrasTeste, CaminhoDoBancoRestaurado)
{
    const QDateTime m(QDate(2026, 3, 4), QTime(7, 5, 9));
    struct Caso {
        QString banco, esperado;
    } casos[] = {
        {"/dados/Quintara.FDB", "/dados/Quintara_restaurado_20260304_070509.FDB"},
        {"localhost:/dados/Quintara.fdb", "localhost:/dados/Quintara_restaurado_20260304_070509.fdb"},
        {"servidor:C:\\Quintara\\BANCO.FDB", "servidor:C:\\Quintara\\BANCO_restaurado_20260304_070509.FDB"},
        {"/dados.v2/banco", "/dados.v2/banco_restaurado_20260304_070509"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(BackupRegras::caminhoNovo(c.banco, m), c.esperado) << c.banco.toStdString();
}

TEST_F(BackupTeste, TelaRecusaEntradasQueFaltamEPreencheOsCampos)
{
    TFrmBackup f;
    f.show();
    EXPECT_EQ(f.edtBanco->text(), banco().caminho());
    EXPECT_EQ(f.edtBancoRestaurar->text(), banco().caminho());
    EXPECT_EQ(f.edtPasta->text(), BackupRegras::pastaPadrao());
    EXPECT_EQ(f.size(), QSize(620, 441));

    struct Caso {
        QLineEdit *limpar;
        QPushButton *botao;
        QString mensagem;
        QLineEdit *foco;
    } casos[] = {
        {f.edtBanco, f.btnCriar, BackupRegras::kMsgIndiqueBanco, f.edtBanco},
        {f.edtPasta, f.btnCriar, BackupRegras::kMsgIndiqueBanco, f.edtBanco},
        {f.edtArquivoBackup, f.btnRestaurar, BackupRegras::kMsgIndiqueArquivo, f.edtArquivoBackup},
    };
    for (const auto &c : casos) {
        c.limpar->clear();
        msg->esperar(c.mensagem);
        c.botao->click();
    }
    f.edtBanco->setText(banco().caminho());
    f.edtPasta->setText(QStringLiteral("C:\\"));
    msg->esperar(BackupRegras::kMsgIndiquePasta);
    f.btnCriar->click();
    f.edtArquivoBackup->setText("/x.fbk");
    f.edtBancoRestaurar->clear();
    msg->esperar(BackupRegras::kMsgIndiqueDestino);
    f.btnRestaurar->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_FALSE(QDir(BackupRegras::pastaPadrao()).entryList(QDir::Files).size());
    EXPECT_TRUE(operacoes("Criou Backup").isEmpty());
}

TEST_F(BackupTeste, TelaCriaBackupEMostraOAndamento)
{
    TFrmBackup f;
    f.show();
    msg->esperar(BackupRegras::kMsgBackupOk);
    f.btnCriar->click();
    EXPECT_TRUE(f.mmCriar->toPlainText().contains("Backup Completado - Arquivo Salvo em:"));
    EXPECT_EQ(QDir(BackupRegras::pastaPadrao()).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(encerrou, 0);
}

TEST_F(BackupTeste, AutomaticoFazBackupRemovePresencaEEncerra)
{
    for (const char *par : {"ADMIN|SERVIDOR", "ADMIN|CAIXA2", "MARIA|SERVIDOR"})
        banco().executar(QStringLiteral("INSERT INTO ONLINE (USUARIO, MAQUINA) VALUES (?, ?)"),
                         {QString::fromLatin1(par).section('|', 0, 0), QString::fromLatin1(par).section('|', 1)});
    Sessao::atual().RealizarBackup = QStringLiteral("S");
    msg->esperar(BackupRegras::kMsgBackupOk);
    TFrmBackup f;
    f.show();
    EXPECT_TRUE(f.automatico());
    EXPECT_EQ(encerrou, 1);
    EXPECT_EQ(msg->mostradas().size(), 1);
    const QStringList arquivos = QDir(BackupRegras::pastaPadrao()).entryList(QDir::Files);
    ASSERT_EQ(arquivos.size(), 1);
    EXPECT_TRUE(arquivos.first().endsWith("_Backup_10_12_2026(100000).fbk"));
    QStringList resto;
    for (const Linha &l : banco().lerTodas(QStringLiteral("SELECT USUARIO, MAQUINA FROM ONLINE ORDER BY 1, 2")))
        resto << l.texto("USUARIO") + "|" + l.texto("MAQUINA");
    EXPECT_EQ(resto, QStringList({"ADMIN|CAIXA2", "MARIA|SERVIDOR"}));
}

TEST_F(BackupTeste, AutomaticoComFalhaNaoRemovePresencaNemEncerra)
{
    banco().executar(QStringLiteral("INSERT INTO ONLINE (USUARIO, MAQUINA) VALUES ('ADMIN', 'SERVIDOR')"));
    Backup::definirServico(std::make_unique<ServicoComFalha>());
    Sessao::atual().RealizarBackup = QStringLiteral("S");
    TFrmBackup f;
    EXPECT_THROW(f.iniciar(), ErroSistema);
    EXPECT_EQ(encerrou, 0);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM ONLINE")).toInt(), 1);
    EXPECT_TRUE(operacoes("Criou Backup").isEmpty());
}
