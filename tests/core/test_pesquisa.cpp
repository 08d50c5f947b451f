// The survey page copy (over a fake FTP server tree and the listing parser)
// and the survey host's checks.
#include "core/Pesquisa.h"
#include "base/Erros.h"
#include "support/BancoTeste.h"

#include <QDir>
#include <QFile>
#include <QMap>

namespace {

// An FTP server in memory: folders and files by absolute path.
class FtpFalso : public ClienteFtp {
public:
    QMap<QString, QByteArray> arquivos; // "/home/h/Satisfacao/latest/index.html" -> content
    QStringList pastas;                 // absolute folders
    bool recusarLogin = false;
    bool falharDesconectar = false;
    QString pasta = "/home/h";
    QStringList listadas;

    void adicionar(const QString &caminho, const QByteArray &conteudo)
    {
        arquivos[caminho] = conteudo;
        for (QString p = caminho.section('/', 0, -2); p.size() > 1; p = p.section('/', 0, -2))
            if (!pastas.contains(p))
                pastas << p;
    }
    void conectar(const QString &, const QString &, const QString &) override
    {
        if (recusarLogin)
            throw ErroSistema("Access denied: 530");
    }
    void mudarPasta(const QString &p) override
    {
        const QString nova = Ftp::juntarPasta(pasta, p);
        if (!pastas.contains(nova))
            throw ErroSistema("550 No such directory");
        pasta = nova;
    }
    QString pastaAtual() const override { return pasta; }
    QList<EntradaFtp> listar() override
    {
        listadas << pasta;
        QList<EntradaFtp> r;
        for (const QString &p : pastas)
            if (p.section('/', 0, -2) == pasta)
                r.append({p.section('/', -1), true});
        for (auto it = arquivos.cbegin(); it != arquivos.cend(); ++it)
            if (it.key().section('/', 0, -2) == pasta)
                r.append({it.key().section('/', -1), false});
        return r;
    }
    void baixar(const QString &nome, const QString &destino) override
    {
        QFile f(destino);
        if (!f.open(QIODevice::WriteOnly))
            throw ErroSistema("cannot write");
        f.write(arquivos.value(pasta + "/" + nome));
    }
    void desconectar() override
    {
        if (falharDesconectar)
            throw ErroSistema("421");
    }
};

class PesquisaTeste : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        const QString b = "/home/h/Satisfacao/latest";
        ftp.adicionar(b + "/index.php", "<?php 1");
        ftp.adicionar(b + "/css/estilo.css", "body{}");
        ftp.adicionar(b + "/img/logo.png", "PNG");
        ftp.adicionar(b + "/img/icones/a/ok.png", "OK3");
        ftp.adicionar(b + "/img/icones/b.png", "B");
        ftp.adicionar("/home/h/outro/fora.txt", "nao");
        bancoTestado.clear();
        Pesquisa::testarBanco = [this](const QString &h, const QString &b, const QString &u, const QString &s) {
            bancoTestado = QStringList{h, b, u, s};
            return s == "certa" ? QString() : QString("Access denied for user");
        };
    }
    void TearDown() override
    {
        Pesquisa::testarBanco = Pesquisa::testarBancoMySql;
        BancoTeste::TearDown();
    }
    QString ler(const QString &relativo)
    {
        QFile f(Pesquisa::pastaLocal() + "/" + relativo);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<ausente>");
    }
    Pesquisa::Entradas entradas{" ftp.hotel.com.br ", "hotel", "segredo", "hotel_pesquisa", "certa"};
    FtpFalso ftp;
    QStringList bancoTestado;
};

} // namespace

TEST(FtpListagem, InterpretaUnixEWindows)
{
    const QByteArray l = "total 12\r\n"
                         "drwxr-xr-x    2 hotel    hotel        4096 Mar 10 12:00 css\r\n"
                         "-rw-r--r--    1 hotel    hotel         512 Mar 10  2024 index de teste.php\r\n"
                         "drwxr-xr-x    2 hotel    hotel        4096 Mar 10 12:00 .\r\n"
                         "drwxr-xr-x    2 hotel    hotel        4096 Mar 10 12:00 ..\r\n"
                         "lrwxrwxrwx    1 hotel    hotel           9 Mar 10 12:00 atalho -> index.php\r\n"
                         "01-31-24  10:00AM       <DIR>          img\r\n"
                         "01-31-2024  10:00PM              1234 logo.png\r\n";
    const QList<EntradaFtp> e = Ftp::interpretarListagem(l);
    ASSERT_EQ(e.size(), 5);
    const QStringList nomes{"css", "index de teste.php", "atalho", "img", "logo.png"};
    const QList<bool> pastas{true, false, false, true, false};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(e[i].nome, nomes[i]);
        EXPECT_EQ(e[i].pasta, pastas[i]) << i;
    }
    EXPECT_THROW(Ftp::interpretarListagem("isto nao e uma listagem\n"), ErroSistema);
    EXPECT_TRUE(Ftp::interpretarListagem("").isEmpty());
    EXPECT_EQ(Ftp::juntarPasta("/home/h", "Satisfacao/latest"), "/home/h/Satisfacao/latest");
    EXPECT_EQ(Ftp::juntarPasta("/home/h", "/x//y/"), "/x/y");
}

TEST_F(PesquisaTeste, CopiaArvoreComPastasAninhadasESubstituiNaSegunda)
{
    msg->esperar(Pesquisa::kMsgFim);
    auto r = Pesquisa::criarAtualizarPagina(entradas, ftp, Pesquisa::pastaLocal());
    EXPECT_TRUE(r.copiou);
    EXPECT_EQ(r.corHost, Pesquisa::kCorOk);
    EXPECT_EQ(r.corBanco, Pesquisa::kCorOk);
    EXPECT_EQ(bancoTestado, QStringList({"ftp.hotel.com.br", "hotel_pesquisa", Pesquisa::kUsuarioBancoPesquisa, "certa"}));
    EXPECT_EQ(ler("index.php"), "<?php 1");
    EXPECT_EQ(ler("css/estilo.css"), "body{}");
    EXPECT_EQ(ler("img/logo.png"), "PNG");
    EXPECT_EQ(ler("img/icones/b.png"), "B");
    EXPECT_EQ(ler("img/icones/a/ok.png"), "OK3");
    EXPECT_EQ(ler("fora.txt"), "<ausente>");
    // Breadth first, each folder listed once.
    EXPECT_EQ(ftp.listadas, QStringList({"/home/h/Satisfacao/latest", "/home/h/Satisfacao/latest/css",
                                         "/home/h/Satisfacao/latest/img", "/home/h/Satisfacao/latest/img/icones",
                                         "/home/h/Satisfacao/latest/img/icones/a"}));

    // A second copy replaces the files; local files gone from the server stay.
    QFile extra(Pesquisa::pastaLocal() + "/antigo.txt");
    ASSERT_TRUE(extra.open(QIODevice::WriteOnly));
    extra.close();
    ftp.adicionar("/home/h/Satisfacao/latest/img/icones/a/ok.png", "NOVO");
    ftp.pasta = "/home/h";
    msg->esperar(Pesquisa::kMsgFim);
    Pesquisa::criarAtualizarPagina(entradas, ftp, Pesquisa::pastaLocal());
    EXPECT_EQ(ler("img/icones/a/ok.png"), "NOVO");
    EXPECT_TRUE(QFile::exists(Pesquisa::pastaLocal() + "/antigo.txt"));
}

TEST_F(PesquisaTeste, ValidacoesEFalhasDeConexao)
{
    struct Caso {
        Pesquisa::Entradas e;
        QString mensagem;
        Pesquisa::Campo foco;
    } casos[] = {
        {{"  ", "u", "s", "b", "x"}, Pesquisa::kMsgHostInvalido, Pesquisa::Campo::Host},
        {{"h", "", "s", "b", "x"}, Pesquisa::kMsgUsuarioInvalido, Pesquisa::Campo::Usuario},
        {{"h", "u", " ", "b", "x"}, Pesquisa::kMsgSenhaInvalida, Pesquisa::Campo::Senha},
    };
    for (const auto &c : casos) {
        msg->esperar(c.mensagem);
        const auto r = Pesquisa::criarAtualizarPagina(c.e, ftp, Pesquisa::pastaLocal());
        EXPECT_EQ(r.foco, c.foco);
        EXPECT_FALSE(r.corHost.has_value());
    }
    EXPECT_TRUE(bancoTestado.isEmpty());

    ftp.recusarLogin = true;
    msg->esperar(Pesquisa::kMsgErroConectarHost);
    auto r = Pesquisa::criarAtualizarPagina(entradas, ftp, Pesquisa::pastaLocal());
    EXPECT_EQ(r.corHost, Pesquisa::kCorErro);
    EXPECT_FALSE(r.corBanco.has_value());
    EXPECT_TRUE(bancoTestado.isEmpty());
}

TEST_F(PesquisaTeste, SenhaDoBancoErradaNaoCopiaEDesconecta)
{
    entradas.senhaBanco = "errada";
    ftp.falharDesconectar = true;
    msg->esperar(Pesquisa::mensagemErroBanco("hotel_pesquisa"));
    msg->esperar(Pesquisa::kMsgErroDesconectar);
    const auto r = Pesquisa::criarAtualizarPagina(entradas, ftp, Pesquisa::pastaLocal());
    EXPECT_EQ(r.corHost, Pesquisa::kCorOk);
    EXPECT_EQ(r.corBanco, Pesquisa::kCorErro);
    EXPECT_FALSE(QDir(Pesquisa::pastaLocal()).exists());
    EXPECT_EQ(msg->mostradas().constFirst().texto,
              "Erro ao tentar Conectar ao Banco de dados! Por favor verifique se o banco de dados hotel_pesquisa "
              "já existe no Servidor!");
}

TEST_F(PesquisaTeste, ErroNaCopiaOuPastaRemotaAusenteUsaMensagemDoBanco)
{
    // No "Satisfacao/latest" on the server.
    FtpFalso vazio;
    msg->esperar(Pesquisa::mensagemErroBanco("hotel_pesquisa"));
    auto r = Pesquisa::criarAtualizarPagina(entradas, vazio, Pesquisa::pastaLocal());
    EXPECT_EQ(r.corBanco, Pesquisa::kCorErro);
    EXPECT_FALSE(r.copiou);

    // A local folder that cannot be created (a file in its place).
    QFile bloqueio(pasta() + "/bloqueio");
    ASSERT_TRUE(bloqueio.open(QIODevice::WriteOnly));
    bloqueio.close();
    msg->esperar(Pesquisa::mensagemErroBanco("hotel_pesquisa"));
    r = Pesquisa::criarAtualizarPagina(entradas, ftp, pasta() + "/bloqueio/AuxSatisfacao");
    EXPECT_FALSE(r.copiou);
}

TEST(PesquisaMySql, BancoInacessivelDevolveErro)
{
    // Nothing listens on this port: the driver's failure comes back as text.
    const QString erro = Pesquisa::testarBancoMySql("127.0.0.1:1", "nada", "u", "s");
    EXPECT_FALSE(erro.isEmpty());
}
