// Start-up: the workstation file, the date format, the update package, the
// shortcuts, folders and required files, the connection, the single copy,
// the database locator and the splash gauge.
#include "base/Caminhos.h"
#include "base/Relogio.h"
#include "core/Inicializacao.h"
#include "base/Parametros.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "core/UnitLocalizaBD.h"
#include "app/UnitQuintara.h"
#include "core/UnitSplash.h"
#include "platform/Atalhos.h"
#include "platform/InstanciaUnica.h"
#include "platform/Processos.h"
#include "support/BancoTeste.h"

#include <QCoreApplication>
#include <QDir>
#include <future>
#include <thread>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QStandardPaths>

namespace {

// Programs are not really started (the backup tool, the regional settings);
// waiting for a program (the extractor) runs it for real.
class ProcessosTeste : public Processos {
public:
    bool iniciar(const QString &programa, const QStringList &, const QString &) override
    {
        iniciados.append(programa);
        return true;
    }
    int executarEAguardar(const QString &programa, const QStringList &argumentos, const QString &pasta) override
    {
        return ProcessosLinux().executarEAguardar(programa, argumentos, pasta);
    }
    bool encerrarProcesso(const QString &nome) override
    {
        encerrados.append(nome);
        return true;
    }
    bool abrirDocumento(const QString &) override { return true; }
    QStringList iniciados;
    QStringList encerrados;
};

QString u8(const char *t) { return QString::fromUtf8(t); }

bool gravar(const QString &arquivo, const QByteArray &conteudo)
{
    QDir().mkpath(QFileInfo(arquivo).path());
    QFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(conteudo);
    return true;
}

QByteArray ler(const QString &arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString mensagemArquivo(const QString &inicio)
{
    return inicio
        + u8("\n\nO Sistema não poderá funcionar corretamente!\n\n"
             "Entre em contato com o Suporte calvori e informe o nome do arquivo!");
}

} // namespace

class InicioTeste : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Sessao::reiniciar();
        Plataforma::definirProcessos(&processos);
        Atalhos::definirPastas(pasta() + QStringLiteral("/menu"), pasta() + QStringLiteral("/autostart"));
        bancoModelo = banco().caminho();
    }
    void TearDown() override
    {
        Plataforma::definirProcessos(nullptr);
        Atalhos::definirPastas({}, {});
        tParametros().definir(Linha());
        Sessao::reiniciar();
        BancoTeste::TearDown();
    }

    QString inst(const QString &relativo) const { return Caminhos::naInstalacao(relativo); }

    // A complete installation: the files the program requires and a
    // workstation file naming the test database.
    void instalacaoCompleta()
    {
        for (const char *f : {"snd/entrou.wav", "img/nofoto.jpg", "img/Quintara3.jpg", "img/Quintara3_Tela.jpg"})
            ASSERT_TRUE(gravar(inst(QString::fromLatin1(f)), "x"));
        ASSERT_TRUE(gravar(inst(QString::fromLatin1(Inicio::kFerramentaBackup)), "#!/bin/sh\n"));
        param(QStringLiteral("[BD]\nCAMINHO=%1\n[CONFIG]\nTIPO_PC=NORMA\nNOME_PC=RECEPCAO\nPERMITIDO=\n")
                  .arg(bancoModelo)
                  .toUtf8());
    }
    void param(const QByteArray &conteudo) { ASSERT_TRUE(gravar(inst(QStringLiteral("param.ini")), conteudo)); }

    // The program's start as app/main.cpp runs it, then the settings row as
    // the main window loads it after the login.
    Inicio::Resultado iniciar(const QString &formatoData = QStringLiteral("dd/MM/yyyy"))
    {
        if (Inicio::arquivoParam().isEmpty())
            return Inicio::Resultado::encerrar(QStringLiteral("<localizador>"));
        Inicio::SequenciaInicio seq(banco());
        seq.formatoData = formatoData;
        Inicio::Resultado r = seq.executarSplash();
        if (!r.seguir)
            return r;
        r = seq.depoisDoSplash();
        if (!r.seguir)
            return r;
        return Principal::CarregarParametros();
    }

    qint64 contar(const QString &tabela)
    {
        return banco().ler(QStringLiteral("SELECT COUNT(*) AS N FROM ") + tabela).inteiro(QStringLiteral("N"));
    }

    ProcessosTeste processos;
    QString bancoModelo;
};

// ------------------------------------------------------------ the whole start

TEST_F(InicioTeste, DesfechosDaInicializacao)
{
    struct Caso {
        const char *nome;
        std::function<void(InicioTeste &)> preparar;
        bool seguir;
        QString mensagem;
    };
    const QString semBanco = bancoModelo;
    const QList<Caso> casos{
        {"tudo presente", [](InicioTeste &) {}, true, {}},
        {"sem param.ini: o localizador",
         [this](InicioTeste &) { QFile::remove(inst(QStringLiteral("param.ini"))); }, false,
         QStringLiteral("<localizador>")},
        {"param.ini antigo de uma linha",
         [this](InicioTeste &) { param((bancoModelo + QStringLiteral("\r\n")).toUtf8()); }, true, {}},
        {"caminho .GDB",
         [this](InicioTeste &) {
             QFile::copy(bancoModelo, pasta() + QStringLiteral("/BANCO.FDB"));
             param(QStringLiteral("[BD]\nCAMINHO=%1/BANCO.GDB\n[CONFIG]\nTIPO_PC=NORMA\nNOME_PC=X\n")
                         .arg(pasta())
                         .toUtf8());
         },
         true, {}},
        {"formato de data dd/MM/yy", [](InicioTeste &) {}, false, u8(Inicio::kMsgFormatoData)},
        {"figura obrigatória ausente",
         [this](InicioTeste &) { QFile::remove(inst(QStringLiteral("img/nofoto.jpg"))); }, false,
         mensagemArquivo(QStringLiteral("Arquivo  >>   nofoto.jpg   << não encontrado!"))},
        {"ferramenta de cópia ausente",
         [this](InicioTeste &) { QFile::remove(inst(QString::fromLatin1(Inicio::kFerramentaBackup))); }, false,
         u8(Inicio::kMsgBackupNaoInstalado)},
        {"arquivo do banco ausente",
         [this](InicioTeste &) {
             param(QStringLiteral("[BD]\nCAMINHO=%1/QUINTARA.FDB\n").arg(pasta()).toUtf8());
         },
         false, mensagemArquivo(QStringLiteral("Arquivo de Banco de Dados  >>   QUINTARA.FDB   << não encontrado!"))},
        {"arquivo do banco danificado",
         [this](InicioTeste &) {
             gravar(pasta() + QStringLiteral("/ESTRAGADO.FDB"), QByteArray(40000, 'z'));
             param(QStringLiteral("[BD]\nCAMINHO=%1/ESTRAGADO.FDB\n").arg(pasta()).toUtf8());
         },
         false, u8(Inicio::kMsgServidorNaoIniciado)},
        {"servidor inacessível",
         [this](InicioTeste &) { param("[BD]\nCAMINHO=127.0.0.1/1:/nao/existe.fdb\n"); }, false,
         u8(Inicio::kMsgServidorNaoIniciado)},
        {"param.ini danificado",
         [this](InicioTeste &) { param(QByteArray("\x01\xff\xfe\x00lixo\x02\n\x7f", 11)); }, false,
         QStringLiteral("Arquivo de Banco de Dados  >>   ")},
        {"banco com script 112",
         [this](InicioTeste &) { banco().executar(QStringLiteral("UPDATE PARAMETROS SET SCRIPT = 112")); }, false,
         u8(Principal::kMsgBancoDesatualizado)},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        // Every case starts from the complete installation and database.
        TearDown();
        SetUp();
        instalacaoCompleta();
        c.preparar(*this);
        const Inicio::Resultado r =
            iniciar(QString::fromLatin1(c.nome).contains(QStringLiteral("formato de data")) ? QStringLiteral("dd/MM/yy")
                                                                                             : QStringLiteral("dd/MM/yyyy"));
        EXPECT_EQ(r.seguir, c.seguir);
        // A damaged file names whatever it holds as the database: only the start is fixed.
        if (c.mensagem.endsWith(QStringLiteral(">>   "))) {
            EXPECT_TRUE(r.mensagem.startsWith(c.mensagem)) << r.mensagem.toStdString();
        } else {
            EXPECT_EQ(r.mensagem.toStdString(), c.mensagem.toStdString());
        }
        if (c.seguir) {
            EXPECT_TRUE(banco().conectada());
            EXPECT_EQ(contar(QStringLiteral("ATUALIZACAO")), 1);
        }
    }
}

TEST_F(InicioTeste, ArquivoAntigoConvertidoEEstacaoComPadroesNaMesmaPartida)
{
    instalacaoCompleta();
    param((bancoModelo + QStringLiteral("\r\n")).toUtf8());
    ASSERT_TRUE(iniciar().seguir);
    const Inicio::ConfigEstacao c = Inicio::lerParam(inst(QStringLiteral("param.ini")));
    EXPECT_EQ(c.CAMINHO, bancoModelo);
    EXPECT_EQ(c.TIPO_PC, QStringLiteral("NORMA"));
    EXPECT_EQ(c.NOME_PC, QStringLiteral("SERVIDOR"));
    EXPECT_EQ(Sessao::atual().AuxTipoPC, QStringLiteral("NORMA"));
    EXPECT_EQ(Sessao::atual().AuxNomePC, QStringLiteral("SERVIDOR"));
    EXPECT_TRUE(ler(inst(QStringLiteral("param.ini"))).contains("[BD]"));
}

TEST_F(InicioTeste, PrimeiraPartidaSemeiaAtualizacaoDepoisDeSaberQueOServidorNaoLancou)
{
    instalacaoCompleta();
    ASSERT_EQ(contar(QStringLiteral("ATUALIZACAO")), 0);
    ASSERT_TRUE(iniciar().seguir);
    // The window learned before the seed that today was not posted.
    EXPECT_FALSE(Sessao::atual().ServidorAtualizado);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT DATA FROM ATUALIZACAO")).data(QStringLiteral("DATA")),
              QDate(2026, 12, 10));
    EXPECT_TRUE(Inicio::servidorAtualizado(DM->Conexao));
    // A table with rows is left alone.
    Relogio::avancar(86400);
    Inicio::semearAtualizacao(DM->Conexao);
    EXPECT_EQ(contar(QStringLiteral("ATUALIZACAO")), 1);
    EXPECT_FALSE(Inicio::servidorAtualizado(DM->Conexao));
}

TEST_F(InicioTeste, DuasEstacoesPartindoJuntasSemeiamUmaVez)
{
    // The other workstation seeds today's row and commits while this one,
    // having found the table empty, inserts the same day.
    instalacaoCompleta();
    const QString caminho = banco().caminho();
    std::promise<void> escreveu;
    std::promise<void> podeConfirmar;
    std::thread outra([&] {
        ConexaoBanco c(QStringLiteral("outra-estacao"), caminho);
        c.definirCaminho(caminho);
        c.conectar();
        c.iniciarTransacao();
        c.executar(QStringLiteral("INSERT INTO ATUALIZACAO (DATA) VALUES (?)"), {Relogio::hoje()});
        escreveu.set_value();
        podeConfirmar.get_future().wait();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        c.confirmarTransacao();
        c.desconectar();
    });
    escreveu.get_future().wait();
    podeConfirmar.set_value();
    EXPECT_NO_THROW(Inicio::semearAtualizacao(DM->Conexao));
    outra.join();
    EXPECT_EQ(contar(QStringLiteral("ATUALIZACAO")), 1);
}

// ------------------------------------------------------------ param.ini

TEST_F(InicioTeste, NormalizacaoDoArquivoDaEstacao)
{
    const QString padrao = Inicio::caminhoBancoPadrao();
    struct Caso {
        const char *nome;
        QByteArray conteudo; // empty: no file
        Inicio::ConfigEstacao esperado;
    };
    const QList<Caso> casos{
        {"ausente", {}, {padrao, "NORMA", "SERVIDOR", ""}},
        {"do localizador", "/dados/HOTEL.FDB\n", {"/dados/HOTEL.FDB", "NORMA", "SERVIDOR", ""}},
        {"antigo completo", "/dados/H.FDB\r\nRESTA\r\nBAR\r\nS\r\n", {"/dados/H.FDB", "RESTA", "BAR", "S"}},
        {"antigo com tipo só", "/dados/H.FDB\nMESAS\n", {"/dados/H.FDB", "MESAS", "SERVIDOR", ""}},
        {"atual vazio", "[BD]\nCAMINHO=\n[CONFIG]\nTIPO_PC=\nNOME_PC=\nPERMITIDO=\n", {padrao, "NORMA", "SERVIDOR", ""}},
        {"atual sem CONFIG", "[BD]\nCAMINHO=srv:/d/H.FDB\n", {"srv:/d/H.FDB", "NORMA", "SERVIDOR", ""}},
        {"GDB maiúsculo", "[BD]\nCAMINHO=C:\\Quintara\\BANCO.GDB\n", {"C:\\Quintara\\BANCO.FDB", "NORMA", "SERVIDOR", ""}},
        {"gdb minúsculo", "[BD]\nCAMINHO=/d/banco.gdb\n", {"/d/banco.gdb", "NORMA", "SERVIDOR", ""}},
        {"seções e chaves em outra caixa", "[bd]\ncaminho=/d/X.FDB\n[config]\ntipo_pc=RESTA\n",
         {"/d/X.FDB", "RESTA", "SERVIDOR", ""}},
        {"antigo em Latin-1", QByteArray("/dados/Pousada S\xE3o Jo\xE3o.FDB\n"),
         {u8("/dados/Pousada São João.FDB"), "NORMA", "SERVIDOR", ""}},
    };
    const QString arquivo = inst(QStringLiteral("param.ini"));
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        QFile::remove(arquivo);
        if (!c.conteudo.isEmpty()) {
            ASSERT_TRUE(gravar(arquivo, c.conteudo));
        }
        ASSERT_TRUE(Inicio::normalizarParam(arquivo).seguir);
        const Inicio::ConfigEstacao v = Inicio::lerParam(arquivo);
        EXPECT_EQ(v.CAMINHO, c.esperado.CAMINHO);
        EXPECT_EQ(v.TIPO_PC, c.esperado.TIPO_PC);
        EXPECT_EQ(v.NOME_PC, c.esperado.NOME_PC);
        EXPECT_EQ(v.PERMITIDO, c.esperado.PERMITIDO);
        EXPECT_TRUE(ler(arquivo).contains("PERMITIDO=")) << ler(arquivo).toStdString();
    }
}

TEST_F(InicioTeste, ArquivoAtualCompletoFicaIntactoEOutrasLinhasSobrevivem)
{
    const QString arquivo = inst(QStringLiteral("Param.ini"));
    const QByteArray atual = "; estação da recepção\n[BD]\nCAMINHO=C:\\Quintara\\BANCO DE DADOS\\QUINTARA.FDB\n"
                             "[CONFIG]\nTIPO_PC=NORMA\nNOME_PC=RECEPCAO\nPERMITIDO=\n[EXTRA]\nCOR=azul\n";
    ASSERT_TRUE(gravar(arquivo, atual));
    // Found whatever the case of its name.
    EXPECT_EQ(Inicio::arquivoParam(), arquivo);
    ASSERT_TRUE(Inicio::normalizarParam(arquivo).seguir);
    EXPECT_EQ(ler(arquivo), atual);

    ASSERT_TRUE(gravar(arquivo, "[BD]\nCAMINHO=/d/A.GDB\n[EXTRA]\nCOR=azul\n"));
    ASSERT_TRUE(Inicio::normalizarParam(arquivo).seguir);
    const Inicio::ArquivoIni ini(QString::fromUtf8(ler(arquivo)));
    EXPECT_EQ(ini.valor(QStringLiteral("EXTRA"), QStringLiteral("COR")), QStringLiteral("azul"));
    EXPECT_EQ(ini.valor(QStringLiteral("BD"), QStringLiteral("CAMINHO")), QStringLiteral("/d/A.FDB"));
}

TEST_F(InicioTeste, ArquivoDaEstacaoIlegivelEncerraComMensagem)
{
    // A folder where the file should be: neither read nor written.
    const QString arquivo = inst(QStringLiteral("param.ini"));
    QDir().mkpath(arquivo);
    const Inicio::Resultado r = Inicio::normalizarParam(arquivo);
    EXPECT_FALSE(r.seguir);
    EXPECT_TRUE(r.mensagem.startsWith(u8("Não foi possível usar o arquivo de configuração da estação:")))
        << r.mensagem.toStdString();
}

TEST_F(InicioTeste, CaminhoDoBancoComoAConexaoRecebe)
{
    gravar(pasta() + QStringLiteral("/BANCO DE DADOS/QUINTARA.FDB"), "x");
    // A Windows path of the system maps into the installation; the file's case is found.
    EXPECT_EQ(Inicio::resolverCaminhoBanco(QStringLiteral("C:\\Quintara\\BANCO DE DADOS\\Quintara.FDB")),
              pasta() + QStringLiteral("/BANCO DE DADOS/QUINTARA.FDB"));
    EXPECT_EQ(Inicio::resolverCaminhoBanco(QStringLiteral("BANCO DE DADOS/quintara.fdb")),
              pasta() + QStringLiteral("/BANCO DE DADOS/QUINTARA.FDB"));
    // A server path goes unchanged.
    for (const char *servidor : {"servidor:/var/lib/firebird/3.0/data/QUINTARA.FDB", "192.168.0.10:C:\\Dados\\Q.FDB",
                                 "localhost/3051:/d/Q.FDB"}) {
        EXPECT_TRUE(Inicio::caminhoServidor(QString::fromLatin1(servidor))) << servidor;
        EXPECT_EQ(Inicio::resolverCaminhoBanco(QString::fromLatin1(servidor)), QString::fromLatin1(servidor));
    }
    EXPECT_FALSE(Inicio::caminhoServidor(QStringLiteral("C:\\Quintara\\Q.FDB")));
    EXPECT_FALSE(Inicio::caminhoServidor(QStringLiteral("/srv/Q.FDB")));
}

// ------------------------------------------------------------ date format

TEST(InicioFormatoData, SoDiaMesAnoCompletoEAceito)
{
    for (const char *aceito : {"dd/MM/yyyy", "dd/MM/aaaa", "dd/mm/yyyy", "dd/mm/aaaa"})
        EXPECT_TRUE(Inicio::verificarFormatoData(QString::fromLatin1(aceito)).seguir) << aceito;
    for (const char *recusado : {"dd/MM/yy", "d/M/yyyy", "M/d/yy", "yyyy-MM-dd", "dd.MM.yyyy", "d MMM yyyy", ""}) {
        const Inicio::Resultado r = Inicio::verificarFormatoData(QString::fromLatin1(recusado));
        EXPECT_FALSE(r.seguir) << recusado;
        EXPECT_EQ(r.mensagem, u8("Erro na configuração de data. Configure o formato de data para dd/MM/aaaa!"));
        EXPECT_EQ(r.tipo, Mensagem::Tipo::Erro);
    }
}

// ------------------------------------------------------------ folders and files

TEST_F(InicioTeste, PastasCriadasFerramentaDeCopiaIniciadaEExigida)
{
    Inicio::Resultado r = Inicio::prepararPastas();
    EXPECT_FALSE(r.seguir);
    EXPECT_EQ(r.mensagem, u8(Inicio::kMsgBackupNaoInstalado));
    EXPECT_TRUE(processos.iniciados.isEmpty());
    for (const QString &p : Inicio::kPastasCriadas)
        EXPECT_TRUE(QFileInfo(inst(p)).isDir()) << p.toStdString();
    EXPECT_TRUE(QFileInfo(inst(QStringLiteral("Apps/Zentro Backup/Backups"))).isDir());
    // The database folders come only after the tool is found.
    EXPECT_FALSE(QFileInfo::exists(inst(QStringLiteral("BANCO DE DADOS"))));

    ASSERT_TRUE(gravar(inst(QString::fromLatin1(Inicio::kFerramentaBackup)), "#!/bin/sh\n"));
    r = Inicio::prepararPastas();
    EXPECT_TRUE(r.seguir);
    EXPECT_EQ(processos.iniciados, QStringList{inst(QString::fromLatin1(Inicio::kFerramentaBackup))});
    EXPECT_TRUE(QFileInfo(inst(QStringLiteral("BANCO DE DADOS/Backups"))).isDir());
}

TEST_F(InicioTeste, ArquivosObrigatoriosNaOrdemOPrimeiroAusenteEncerra)
{
    const QString banco = pasta() + QStringLiteral("/BANCO DE DADOS/QUINTARA.FDB");
    const QList<QPair<QString, QString>> ordem{
        {QStringLiteral("snd/entrou.wav"), QStringLiteral("Arquivo  >>   entrou.wav   << não encontrado!")},
        {QStringLiteral("img/nofoto.jpg"), QStringLiteral("Arquivo  >>   nofoto.jpg   << não encontrado!")},
        {QStringLiteral("img/Quintara3.jpg"), QStringLiteral("Arquivo  >>   Quintara3.jpg   << não encontrado!")},
        {QStringLiteral("img/Quintara3_Tela.jpg"),
         QStringLiteral("Arquivo  >>   Quintara3_Tela.jpg   << não encontrado!")},
        {QStringLiteral("BANCO DE DADOS/QUINTARA.FDB"),
         QStringLiteral("Arquivo de Banco de Dados  >>   QUINTARA.FDB   << não encontrado!")},
    };
    for (const auto &[arquivo, mensagem] : ordem) {
        const Inicio::Resultado r = Inicio::verificarArquivosObrigatorios(banco);
        EXPECT_FALSE(r.seguir);
        EXPECT_EQ(r.mensagem, mensagemArquivo(mensagem));
        ASSERT_TRUE(gravar(inst(arquivo), "x"));
    }
    EXPECT_TRUE(Inicio::verificarArquivosObrigatorios(banco).seguir);
    // A database on a server is not a file of this workstation.
    QFile::remove(banco);
    EXPECT_TRUE(Inicio::verificarArquivosObrigatorios(QStringLiteral("servidor:/d/QUINTARA.FDB")).seguir);
    EXPECT_FALSE(Inicio::verificarArquivosObrigatorios(banco).seguir);
}

TEST_F(InicioTeste, AtalhosDoMenuEDaSessao)
{
    ASSERT_TRUE(gravar(inst(QStringLiteral("atual.txt")), "1"));
    Inicio::criarAtalhos();
    const QString menu = pasta() + QStringLiteral("/menu/Calvori Zurerodi/");
    const QByteArray programa = ler(menu + QStringLiteral("Zentro Vedez 4.desktop"));
    EXPECT_TRUE(programa.startsWith("[Desktop Entry]\n")) << programa.toStdString();
    EXPECT_TRUE(programa.contains("Name=Zentro Vedez 4\n"));
    // A target with blanks is quoted.
    const auto exec = [](const QString &alvo) {
        return ("Exec=" + (alvo.contains(QLatin1Char(' ')) ? '"' + alvo + '"' : alvo) + "\n").toUtf8();
    };
    EXPECT_TRUE(programa.contains(exec(inst(QStringLiteral("zentro-vedez"))))) << programa.toStdString();
    EXPECT_TRUE(programa.contains(("Path=" + pasta() + "\n").toUtf8()));
    const QByteArray backup = ler(menu + QStringLiteral("Zentro Backup.desktop"));
    EXPECT_TRUE(backup.contains(exec(inst(QString::fromLatin1(Inicio::kFerramentaBackup))))) << backup.toStdString();
    EXPECT_EQ(ler(pasta() + QStringLiteral("/autostart/Zentro Backup.desktop")), backup);
    EXPECT_TRUE(QFileInfo::exists(menu + QStringLiteral("Acesso Remoto Calvori.desktop")));
    EXPECT_FALSE(QFileInfo::exists(inst(QStringLiteral("atual.txt"))));
}

// ------------------------------------------------------------ update package

class AtualizacaoTeste : public InicioTeste {
protected:
    void SetUp() override
    {
        InicioTeste::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("bsdtar")).isEmpty())
            GTEST_SKIP() << "bsdtar (libarchive-tools) não instalado";
        ASSERT_TRUE(gravar(inst(QStringLiteral("zentro-vedez")), "programa atual"));
        ASSERT_TRUE(gravar(inst(QStringLiteral("old")), "programa mais antigo"));
    }
    // A package with these files (relative path -> content), in a format the
    // extractor reads, named as the update package.
    void pacote(const QList<QPair<QString, QByteArray>> &arquivos)
    {
        const QString origem = pasta() + QStringLiteral("/origem");
        for (const auto &[nome, conteudo] : arquivos)
            ASSERT_TRUE(gravar(origem + QLatin1Char('/') + nome, conteudo));
        QDir().mkpath(inst(QStringLiteral("Atualizador")));
        QStringList args{QStringLiteral("-c"), QStringLiteral("--format"), QStringLiteral("zip"), QStringLiteral("-f"),
                         inst(QString::fromLatin1(Inicio::kPacoteAtualizacao)), QStringLiteral("-C"), origem};
        for (const auto &a : arquivos)
            args.append(a.first);
        ASSERT_EQ(QProcess::execute(QStringLiteral("bsdtar"), args), 0);
    }
    Inicio::Resultado atualizar()
    {
        Inicio::SequenciaInicio seq(banco());
        msg->esperar(u8(Inicio::kMsgAvisoAtualizacao));
        return seq.exibicao();
    }
};

TEST_F(AtualizacaoTeste, PacoteInstaladoGuardaOProgramaAnterior)
{
    pacote({{QStringLiteral("versao/new"), "programa novo"}, {QStringLiteral("versao/leiame.txt"), "notas"}});
    const Inicio::Resultado r = atualizar();
    EXPECT_FALSE(r.seguir);
    EXPECT_EQ(r.mensagem, u8(Inicio::kMsgAtualizado));
    EXPECT_EQ(ler(inst(QStringLiteral("zentro-vedez"))), "programa novo");
    EXPECT_TRUE(QFileInfo(inst(QStringLiteral("zentro-vedez"))).isExecutable());
    EXPECT_EQ(ler(inst(QStringLiteral("old"))), "programa atual");
    EXPECT_FALSE(QFileInfo::exists(inst(QStringLiteral("new"))));
    EXPECT_FALSE(QFileInfo::exists(inst(QString::fromLatin1(Inicio::kPacoteAtualizacao))));
    // Files come without their folders.
    EXPECT_EQ(ler(inst(QStringLiteral("leiame.txt"))), "notas");
    EXPECT_EQ(QDir(inst(QStringLiteral("Atualizador"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList());
}

TEST_F(AtualizacaoTeste, PacoteRuimNaoTrocaOPrograma)
{
    struct Caso {
        const char *nome;
        std::function<void(AtualizacaoTeste &)> preparar;
        QString extrator;
    };
    const QList<Caso> casos{
        {"danificado",
         [this](AtualizacaoTeste &) {
             gravar(inst(QString::fromLatin1(Inicio::kPacoteAtualizacao)), QByteArray("Rar!\x1a\x07\x00lixo", 11));
         },
         QStringLiteral("bsdtar")},
        {"sem o novo programa",
         [this](AtualizacaoTeste &) { pacote({{QStringLiteral("leiame.txt"), "notas"}}); }, QStringLiteral("bsdtar")},
        {"sem descompactador",
         [this](AtualizacaoTeste &) { pacote({{QStringLiteral("new"), "novo"}}); },
         QStringLiteral("descompactador-que-nao-existe")},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        QFile::remove(inst(QString::fromLatin1(Inicio::kPacoteAtualizacao)));
        QDir(pasta() + QStringLiteral("/origem")).removeRecursively();
        c.preparar(*this);
        Inicio::SequenciaInicio seq(banco());
        seq.extrator = c.extrator;
        msg->esperar(u8(Inicio::kMsgAvisoAtualizacao));
        const Inicio::Resultado r = seq.exibicao();
        // Start-up goes on in the current version, after saying why.
        EXPECT_TRUE(r.seguir);
        EXPECT_EQ(r.tipo, Mensagem::Tipo::Erro);
        EXPECT_TRUE(r.mensagem.startsWith(u8("Não foi possível instalar a atualização do sistema."))) << r.mensagem.toStdString();
        EXPECT_EQ(ler(inst(QStringLiteral("zentro-vedez"))), "programa atual");
        EXPECT_EQ(ler(inst(QStringLiteral("old"))), "programa mais antigo");
        EXPECT_FALSE(QFileInfo::exists(inst(QStringLiteral("leiame.txt"))));
        EXPECT_TRUE(QFileInfo::exists(inst(QString::fromLatin1(Inicio::kPacoteAtualizacao))));
    }
}

// ------------------------------------------------------------ single copy

TEST_F(InicioTeste, SegundaCopiaRecusadaEAPrimeiraSegue)
{
    InstanciaUnica primeira(QStringLiteral("InstanciaIniciada"), pasta());
    EXPECT_TRUE(Inicio::verificarInstanciaUnica(primeira).seguir);
    {
        InstanciaUnica segunda(QStringLiteral("InstanciaIniciada"), pasta());
        const Inicio::Resultado r = Inicio::verificarInstanciaUnica(segunda);
        EXPECT_FALSE(r.seguir);
        EXPECT_EQ(r.mensagem, u8("Atenção: O programa já está aberto, maximize através da barra iniciar do windows!"));
        EXPECT_EQ(r.titulo, u8("Atenção"));
        EXPECT_EQ(r.tipo, Mensagem::Tipo::Informacao);
    }
    EXPECT_TRUE(primeira.tomada());
    EXPECT_TRUE(QFileInfo::exists(primeira.arquivo()));
    primeira.liberar();
    InstanciaUnica terceira(QStringLiteral("InstanciaIniciada"), pasta());
    EXPECT_TRUE(terceira.tomar());
}

TEST_F(InicioTeste, TravaDeCopiaQueTerminouMalEAssumida)
{
    // The lock of a process that no longer runs.
    ASSERT_TRUE(gravar(pasta() + QStringLiteral("/InstanciaIniciada.lock"), "999999\nzentro-vedez\n\n"));
    InstanciaUnica nova(QStringLiteral("InstanciaIniciada"), pasta());
    EXPECT_TRUE(nova.tomar());
}

// ------------------------------------------------------------ database locator

TEST_F(InicioTeste, LocalizadorGravaOCaminhoComoUnicaLinha)
{
    TFrmLocalizaBD f;
    f.arquivoParam = inst(QStringLiteral("param.ini"));
    msg->esperar(u8("Caminho Inválido!"));
    f.btnConfirmarClick();
    EXPECT_FALSE(QFileInfo::exists(f.arquivoParam));
    EXPECT_EQ(msg->mostradas().last().tipo, Mensagem::Tipo::Aviso);

    f.edtCaminho->setText(QStringLiteral("\"/srv/dados/QUINTARA.FDB\""));
    msg->esperar(u8("Localização do Banco de Dados Registrada com Sucesso! O Sistema Precisa Ser Reiniciado!"));
    f.btnConfirmarClick();
    EXPECT_EQ(f.result(), int(QDialog::Accepted));
    EXPECT_EQ(ler(f.arquivoParam), "/srv/dados/QUINTARA.FDB\n");
    // The next start reads it in the older form.
    EXPECT_EQ(Inicio::lerParam(f.arquivoParam).CAMINHO, QStringLiteral("/srv/dados/QUINTARA.FDB"));
}

TEST_F(InicioTeste, LocalizadorCanceladoNaoGravaNada)
{
    TFrmLocalizaBD f;
    f.arquivoParam = inst(QStringLiteral("param.ini"));
    f.edtCaminho->setText(QStringLiteral("/srv/Q.FDB"));
    msg->esperar(u8("O Sistema Não Pode Ser Iniciado sem um Banco de Dados!"));
    f.btnCancelarClick();
    EXPECT_EQ(f.result(), int(QDialog::Rejected));
    EXPECT_FALSE(QFileInfo::exists(f.arquivoParam));
}

TEST(InicioLocalizador, CaminhoColadoEntreAspas)
{
    EXPECT_EQ(Inicio::limparCaminhoColado(QStringLiteral("\"C:\\Quintara\\Q.FDB\"")), QStringLiteral("C:\\Quintara\\Q.FDB"));
    EXPECT_EQ(Inicio::limparCaminhoColado(QStringLiteral("'/srv/a b/Q.FDB'")), QStringLiteral("/srv/a b/Q.FDB"));
    EXPECT_EQ(Inicio::limparCaminhoColado(QStringLiteral("/srv/Q.FDB")), QStringLiteral("/srv/Q.FDB"));
    EXPECT_EQ(Inicio::limparCaminhoColado(QStringLiteral("C:\\Q.FDB")), QStringLiteral("C:\\Q.FDB"));
    EXPECT_EQ(Inicio::limparCaminhoColado(QStringLiteral("\"")), QStringLiteral("\""));
    // Other marks around a drive path go too.
    EXPECT_EQ(Inicio::limparCaminhoColado(u8("«C:\\Quintara\\Q.FDB»")), QStringLiteral("C:\\Quintara\\Q.FDB"));
    // A server named with two letters, or a folder with a colon, is left as typed.
    for (const char *intacto : {"db:/dados/Q.FDB", "s1:C:\\Dados\\Q.FDB", "/a:b/Q.FDB"})
        EXPECT_EQ(Inicio::limparCaminhoColado(QString::fromLatin1(intacto)), QString::fromLatin1(intacto)) << intacto;
}

// ------------------------------------------------------------ splash gauge

TEST_F(InicioTeste, SplashRodaOsPassosNasPosicoesDoMedidor)
{
    instalacaoCompleta();
    param((bancoModelo + QStringLiteral("\n")).toUtf8());
    banco().desconectar();
    Inicio::SequenciaInicio seq(banco());
    seq.formatoData = QStringLiteral("dd/MM/yyyy");
    TFrmSplash s(seq);
    EXPECT_EQ(s.lblVersao->text(), u8("Versão 5.0"));
    EXPECT_EQ(s.lblStatus->text(), QStringLiteral("Iniciando Zentro Vedez..."));
    s.pausaAcao = 0;
    int ticks = 0;
    while (s.result() != QDialog::Accepted && ticks < 200) {
        s.tmrInicioTimer();
        ++ticks;
        // After the action at 1 the file has its current form; the connection comes at 50.
        if (s.Gauge1->value() == 2) {
            EXPECT_TRUE(ler(inst(QStringLiteral("param.ini"))).contains("[BD]"));
        }
        if (s.Gauge1->value() == 11) {
            EXPECT_FALSE(banco().conectada());
        }
        if (s.Gauge1->value() == 51) {
            EXPECT_TRUE(banco().conectada());
        }
    }
    EXPECT_EQ(s.result(), int(QDialog::Accepted));
    EXPECT_EQ(ticks, 101);
    EXPECT_TRUE(QFileInfo(inst(QStringLiteral("BANCO DE DADOS/Backups"))).isDir());
}

TEST_F(InicioTeste, EsperaPorRegistroPresoVemDoArquivoDaEstacao)
{
    // The connection made at start-up waits for a held row as long as the
    // workstation file says; absent or unreadable, the default.
    const struct {
        const char *linha;
        int esperado;
    } casos[] = {{"ESPERA_BLOQUEIO=3\n", 3},
                 {"", ConexaoBanco::kEsperaBloqueioPadrao},
                 {"ESPERA_BLOQUEIO=muito\n", ConexaoBanco::kEsperaBloqueioPadrao},
                 {"ESPERA_BLOQUEIO=0\n", ConexaoBanco::kEsperaBloqueioPadrao}};
    for (const auto &c : casos) {
        SCOPED_TRACE(c.linha);
        instalacaoCompleta();
        param(QStringLiteral("[BD]\nCAMINHO=%1\n%2[CONFIG]\nTIPO_PC=NORMA\nNOME_PC=RECEPCAO\nPERMITIDO=\n")
                  .arg(bancoModelo, QString::fromLatin1(c.linha))
                  .toUtf8());
        banco().definirEsperaBloqueio(7);
        banco().desconectar();
        Inicio::SequenciaInicio seq(banco());
        ASSERT_TRUE(seq.passo(50).seguir);
        EXPECT_EQ(banco().esperaBloqueio(), c.esperado);
    }
}

TEST_F(InicioTeste, SplashParaNoPrimeiroPassoQueFalha)
{
    instalacaoCompleta();
    QFile::remove(inst(QStringLiteral("snd/entrou.wav")));
    banco().desconectar();
    Inicio::SequenciaInicio seq(banco());
    seq.formatoData = QStringLiteral("dd/MM/yyyy");
    TFrmSplash s(seq);
    s.pausaAcao = 0;
    msg->esperar(mensagemArquivo(QStringLiteral("Arquivo  >>   entrou.wav   << não encontrado!")));
    for (int i = 0; i < 200 && s.Gauge1->value() < 100 && msg->pendentes() > 0; ++i)
        s.tmrInicioTimer();
    EXPECT_EQ(s.result(), int(QDialog::Rejected));
    EXPECT_EQ(s.Gauge1->value(), 10);
    EXPECT_FALSE(banco().conectada());
}

TEST_F(InicioTeste, FecharSplashEncerraAsCopiasDoPrograma)
{
    Inicio::SequenciaInicio seq(banco());
    TFrmSplash s(seq);
    msg->esperar(u8("Deseja encerrar a execução do sistema?"), Mensagem::Nao);
    s.imgFecharClick();
    EXPECT_TRUE(processos.encerrados.isEmpty());
    msg->esperar(u8("Deseja encerrar a execução do sistema?"), Mensagem::Sim);
    s.imgFecharClick();
    EXPECT_EQ(processos.encerrados, QStringList{QStringLiteral("zentro-vedez")});
    EXPECT_EQ(s.result(), int(QDialog::Rejected));
    EXPECT_EQ(msg->mostradas().last().tipo, Mensagem::Tipo::Aviso);
}

TEST_F(InicioTeste, ErroInesperadoNumPassoEncerraComOTextoDoErro)
{
    instalacaoCompleta();
    // A database from another system: the table of the posted nights is missing.
    banco().executar(QStringLiteral("DROP TABLE ATUALIZACAO"));
    const Inicio::Resultado r = iniciar();
    EXPECT_FALSE(r.seguir);
    EXPECT_EQ(r.tipo, Mensagem::Tipo::Erro);
    EXPECT_TRUE(r.mensagem.contains(QStringLiteral("ATUALIZACAO"))) << r.mensagem.toStdString();
}

// Qt's own dialogs (print, page setup, files, the standard buttons) speak
// Portuguese like the rest of the program once start-up loaded Qt's
// translations.
TEST(InicioTraducoes, DialogosDoQtEmPortugues)
{
    Inicio::traduzirDialogosPadrao(*QCoreApplication::instance());
    const struct {
        const char *contexto, *texto, *traducao;
    } casos[] = {
        {"QPrintPreviewDialog", "Print", "Imprimir"},
        {"QPlatformTheme", "Cancel", "Cancelar"},
        {"QPrintDialog", "Print", "Imprimir"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(QCoreApplication::translate(c.contexto, c.texto), QString::fromUtf8(c.traducao))
            << c.contexto << " / " << c.texto;
}
