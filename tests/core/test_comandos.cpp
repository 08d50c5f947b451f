// Commands of the main window: the remote-access tool (start, unpack,
// download from a real FTP server on loopback), the support panel, the news
// panel (a real HTTP server on loopback), the chat pictures, the fiscal
// command and the progress gauge of the exports.
#include "base/Caminhos.h"
#include "base/Erros.h"
#include "core/PainelNoticias.h"
#include "core/PainelSuporte.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "app/UnitQuintara.h"
#include "platform/AcessoRemoto.h"
#include "platform/Processos.h"
#include "platform/ProgramaCompanheiro.h"
#include "restaurant/UnitRotinasFiscais.h"
#include "support/BancoTeste.h"
#include "core/UnitBatePapo.h"
#include "base/Telas.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QMutex>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextBrowser>
#include <QThread>
#include <QToolButton>

#include <atomic>

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

// Records what the program asks of the operating system; waiting for a
// program really runs it (the unpacking).
class ProcessosGravados : public Processos {
public:
    bool iniciar(const QString &programa, const QStringList &argumentos, const QString &pasta) override
    {
        iniciados.append(programa);
        Q_UNUSED(argumentos);
        pastas.append(pasta);
        return true;
    }
    int executarEAguardar(const QString &programa, const QStringList &argumentos, const QString &pasta) override
    {
        aguardados.append(programa);
        return real.executarEAguardar(programa, argumentos, pasta);
    }
    bool encerrarProcesso(const QString &nome) override
    {
        encerrados.append(nome);
        return true;
    }
    bool abrirDocumento(const QString &endereco) override
    {
        documentos.append(endereco);
        return true;
    }
    QStringList iniciados, pastas, aguardados, encerrados, documentos;
    ProcessosLinux real;
};

// A small FTP server on loopback, in its own thread (the client blocks the
// test's thread while it transfers). Passive mode only.
class ServidorFtp : public QThread {
public:
    ServidorFtp()
    {
        start();
        pronto.acquire();
    }
    ~ServidorFtp() override
    {
        parar = true;
        wait();
    }
    QByteArray conteudo;
    QString usuario = QStringLiteral("suporte");
    QString senha = QStringLiteral("0123456789");
    QStringList pasta{QStringLiteral("www"), QStringLiteral("info"), QStringLiteral("Essenciais")};
    quint16 porta = 0;

    QStringList comandos()
    {
        QMutexLocker l(&m);
        return m_comandos;
    }

protected:
    void run() override
    {
        QTcpServer srv;
        srv.listen(QHostAddress::LocalHost, 0);
        porta = srv.serverPort();
        pronto.release();
        while (!parar) {
            if (!srv.waitForNewConnection(50))
                continue;
            std::unique_ptr<QTcpSocket> c(srv.nextPendingConnection());
            atender(*c);
        }
    }

private:
    void responder(QTcpSocket &c, const QByteArray &r)
    {
        c.write(r + "\r\n");
        c.waitForBytesWritten(2000);
    }
    void atender(QTcpSocket &c)
    {
        responder(c, "220 Servidor de teste");
        QStringList cwd;
        bool logado = false;
        QString nomeUsuario;
        std::unique_ptr<QTcpServer> dados;
        while (!parar && c.state() == QAbstractSocket::ConnectedState) {
            if (!c.canReadLine() && !c.waitForReadyRead(50))
                continue;
            while (c.canReadLine()) {
                const QString linha = QString::fromUtf8(c.readLine()).trimmed();
                const QString cmd = linha.section(QLatin1Char(' '), 0, 0).toUpper();
                const QString arg = linha.section(QLatin1Char(' '), 1);
                {
                    QMutexLocker l(&m);
                    m_comandos.append(linha);
                }
                if (cmd == QLatin1String("USER")) {
                    nomeUsuario = arg;
                    responder(c, "331 Senha");
                } else if (cmd == QLatin1String("PASS")) {
                    logado = nomeUsuario == usuario && arg == senha;
                    responder(c, logado ? "230 Bem-vindo" : "530 Login incorreto");
                } else if (!logado) {
                    responder(c, "530 Não logado");
                } else if (cmd == QLatin1String("PWD")) {
                    responder(c, "257 \"/\"");
                } else if (cmd == QLatin1String("CWD")) {
                    QStringList novo = arg.startsWith(QLatin1Char('/')) ? QStringList() : cwd;
                    for (const QString &p : arg.split(QLatin1Char('/'), Qt::SkipEmptyParts))
                        novo.append(p);
                    if (novo.size() <= pasta.size() && pasta.mid(0, novo.size()) == novo) {
                        cwd = novo;
                        responder(c, "250 OK");
                    } else {
                        responder(c, "550 Pasta inexistente");
                    }
                } else if (cmd == QLatin1String("TYPE")) {
                    responder(c, "200 Tipo " + arg.toUtf8());
                } else if (cmd == QLatin1String("SIZE")) {
                    if (arquivoExiste(cwd, arg))
                        responder(c, "213 " + QByteArray::number(conteudo.size()));
                    else
                        responder(c, "550 Arquivo inexistente");
                } else if (cmd == QLatin1String("REST")) {
                    responder(c, "350 Posição " + arg.toUtf8());
                } else if (cmd == QLatin1String("EPSV") || cmd == QLatin1String("PASV")) {
                    dados = std::make_unique<QTcpServer>();
                    dados->listen(QHostAddress::LocalHost, 0);
                    const quint16 p = dados->serverPort();
                    if (cmd == QLatin1String("EPSV"))
                        responder(c, "229 Modo passivo estendido (|||" + QByteArray::number(p) + "|)");
                    else
                        responder(c, "227 Modo passivo (127,0,0,1," + QByteArray::number(p / 256) + ","
                                         + QByteArray::number(p % 256) + ")");
                } else if (cmd == QLatin1String("RETR")) {
                    if (!arquivoExiste(cwd, arg) || !dados) {
                        responder(c, "550 Arquivo inexistente");
                        continue;
                    }
                    responder(c, "150 Enviando " + QByteArray::number(conteudo.size()) + " bytes");
                    if (!dados->hasPendingConnections())
                        dados->waitForNewConnection(5000);
                    std::unique_ptr<QTcpSocket> d(dados->nextPendingConnection());
                    if (d) {
                        d->setParent(nullptr);
                        for (qsizetype i = 0; i < conteudo.size(); i += 16384) {
                            d->write(conteudo.mid(i, 16384));
                            d->waitForBytesWritten(5000);
                        }
                        d->disconnectFromHost();
                        if (d->state() != QAbstractSocket::UnconnectedState)
                            d->waitForDisconnected(2000);
                    }
                    dados.reset();
                    responder(c, "226 Transferência completa");
                } else if (cmd == QLatin1String("QUIT")) {
                    responder(c, "221 Até logo");
                    c.disconnectFromHost();
                    return;
                } else {
                    responder(c, "502 Comando não implementado");
                }
            }
        }
    }
    bool arquivoExiste(const QStringList &cwd, const QString &nome) const
    {
        return cwd == pasta && nome == AcessoRemoto::nomeArquivo();
    }

    QSemaphore pronto;
    std::atomic<bool> parar{false};
    QMutex m;
    QStringList m_comandos;
};

// The progress panel, as the download uses it, recorded.
class PainelGravado : public AcessoRemoto::PainelProgresso {
public:
    void mostrar() override { eventos.append(QStringLiteral("mostrar")); visivel = true; }
    void esconder() override { eventos.append(QStringLiteral("esconder")); visivel = false; }
    void status(const QString &t) override { estados.append(t); }
    void maximo(qint64 m) override { maximoGauge = m; }
    void posicao(qint64 p) override { posicoes.append(p); }
    void taxa(const QString &t) override { taxas.append(t); }
    QStringList eventos, estados, taxas;
    QList<qint64> posicoes;
    qint64 maximoGauge = -1;
    bool visivel = false;
};

void clicar(QWidget *w)
{
    QMouseEvent e(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class ComandosTeste : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Sessao::reiniciar();
        Sessao::atual().login = QStringLiteral("ADMIN");
        Sessao::atual().AuxNomePC = QStringLiteral("SERVIDOR");
        tParametros().recarregar();
        Plataforma::definirProcessos(&processos);
    }
    void TearDown() override
    {
        Plataforma::definirProcessos(nullptr);
        AcessoRemoto::restaurarServidor();
        AcessoRemoto::restaurarDescompactador();
        Fabricante::definirSite({});
        PainelSuporte::abrirSuporte = nullptr;
        tParametros().definir(Linha());
        Sessao::reiniciar();
        BancoTeste::TearDown();
    }

    // An archive (tar, read by bsdtar as any other) holding the tool.
    QByteArray archivoComFerramenta(qsizetype tamanho = 200000)
    {
        const QString bsdtar = QStandardPaths::findExecutable(QStringLiteral("bsdtar"));
        if (bsdtar.isEmpty())
            return {};
        QDir(pasta()).mkpath(QStringLiteral("origem"));
        QFile f(pasta() + QStringLiteral("/origem/AcessoRemotoCalvori.exe"));
        f.open(QIODevice::WriteOnly);
        QByteArray corpo("#!/bin/sh\n");
        corpo += QByteArray(tamanho, 'x');
        f.write(corpo);
        f.close();
        const QString saida = pasta() + QStringLiteral("/pacote.rar");
        QProcess::execute(bsdtar, {QStringLiteral("-cf"), saida, QStringLiteral("-C"), pasta() + QStringLiteral("/origem"),
                                   QStringLiteral("AcessoRemotoCalvori.exe")});
        QFile a(saida);
        a.open(QIODevice::ReadOnly);
        return a.readAll();
    }
    void apontarServidor(const ServidorFtp &s)
    {
        AcessoRemoto::Servidor cfg;
        cfg.host = QStringLiteral("127.0.0.1");
        cfg.porta = s.porta;
        cfg.usuario = s.usuario;
        cfg.senha = s.senha;
        AcessoRemoto::definirServidor(cfg);
    }

    ProcessosGravados processos;
};

// ------------------------------------------------------------ download progress

TEST(ProgressoDownload, TaxaETempoRestantePassoAPasso)
{
    const QDateTime inicio(QDate(2026, 12, 10), QTime(10, 0));
    AcessoRemoto::ProgressoDownload p;
    // No size announced: the gauge runs to the server's size.
    p.comecar(inicio, 0, 1048576);
    EXPECT_EQ(p.maximo(), 1048576);
    // No time elapsed: the rate stays at 1 KB/s and nothing follows "; ".
    EXPECT_EQ(p.passo(16384, inicio), QStringLiteral("Taxa de Transferencia: 1,00 KB/s; "));
    // 2,5 s later, half done: the remaining time uses the rate before this step.
    EXPECT_EQ(p.passo(524288, inicio.addMSecs(2500)),
              QStringLiteral("Taxa de Transferencia: 204,80 KB/s; Tempo de download 00:08:32"));
    EXPECT_EQ(p.passo(1048576, inicio.addMSecs(5000)),
              QStringLiteral("Taxa de Transferencia: 204,80 KB/s; Tempo de download 00:00:00"));
    // Hours in the remaining time; an announced size wins over the server's.
    AcessoRemoto::ProgressoDownload lento;
    lento.comecar(inicio, 8 * 1048576, 100);
    EXPECT_EQ(lento.maximo(), 8 * 1048576);
    AcessoRemoto::ProgressoDownload grande;
    grande.comecar(inicio, 0, 20000LL * 1024);
    EXPECT_EQ(grande.passo(1024, inicio.addSecs(1)),
              QStringLiteral("Taxa de Transferencia: 1,00 KB/s; Tempo de download 05:33:19"));
}

// ------------------------------------------------------------ remote access

TEST_F(ComandosTeste, AcessoRemotoComAFerramentaPresenteSoIniciaSemRede)
{
    QDir().mkpath(AcessoRemoto::pastaUtil());
    QFile f(AcessoRemoto::ferramenta());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    AcessoRemoto::Servidor inexistente;
    inexistente.host = QStringLiteral("127.0.0.1");
    inexistente.porta = 1; // nothing listens: any network use would fail
    AcessoRemoto::definirServidor(inexistente);
    msg->esperar(u8("Por favor, clique em OK e aguarde, o Acesso Remoto Calvori será iniciado!"));
    PainelGravado painel;
    AcessoRemoto::iniciar(painel);
    EXPECT_EQ(processos.encerrados, (QStringList{QStringLiteral("TeamViewer.exe"), QStringLiteral("TeamViewer")}));
    EXPECT_EQ(processos.iniciados, QStringList{AcessoRemoto::ferramenta()});
    EXPECT_EQ(processos.pastas, QStringList{AcessoRemoto::pastaUtil()});
    EXPECT_TRUE(painel.eventos.isEmpty());
    EXPECT_TRUE(processos.aguardados.isEmpty());
    EXPECT_EQ(msg->pendentes(), 0);
}

TEST_F(ComandosTeste, AcessoRemotoDescompactaOArquivoEIniciaOuAvisaSemDescompactador)
{
    const QByteArray pacote = archivoComFerramenta(100);
    if (pacote.isEmpty())
        GTEST_SKIP() << "bsdtar não instalado";
    QDir().mkpath(AcessoRemoto::pastaUtil());
    QFile a(AcessoRemoto::arquivo());
    ASSERT_TRUE(a.open(QIODevice::WriteOnly));
    a.write(pacote);
    a.close();
    PainelGravado painel;

    // Without the unpacking program: the message, nothing ended, nothing started.
    AcessoRemoto::definirDescompactador(QString());
    msg->esperar(u8("Arquivo UnRAR.exe não encontrado! Entre em contato com o Suporte calvori e informe o nome do arquivo!"));
    AcessoRemoto::iniciar(painel);
    EXPECT_TRUE(processos.encerrados.isEmpty());
    EXPECT_TRUE(processos.iniciados.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(AcessoRemoto::ferramenta()));

    // With it: unpacked into "util" and started.
    AcessoRemoto::restaurarDescompactador();
    msg->esperar(u8("Por favor, clique em OK e aguarde, o Acesso Remoto Calvori será descompactado e iniciado!"));
    AcessoRemoto::iniciar(painel);
    EXPECT_EQ(processos.aguardados.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(AcessoRemoto::ferramenta()));
    EXPECT_EQ(processos.encerrados.size(), 2);
    EXPECT_EQ(processos.iniciados, QStringList{AcessoRemoto::ferramenta()});
    EXPECT_TRUE(painel.eventos.isEmpty());
    EXPECT_EQ(msg->pendentes(), 0);
}

TEST_F(ComandosTeste, AcessoRemotoBaixaDoServidorFtpDescompactaEInicia)
{
    const QByteArray pacote = archivoComFerramenta();
    if (pacote.isEmpty())
        GTEST_SKIP() << "bsdtar não instalado";
    ServidorFtp ftp;
    ftp.conteudo = pacote;
    apontarServidor(ftp);
    // A leftover piece of an earlier attempt is thrown away first.
    QDir().mkpath(AcessoRemoto::pastaUtil());

    // Declined: nothing happens.
    msg->esperar(u8("O Acesso Remoto Calvori não foi encontrado no seu PC, deseja baixá-lo agora do servidor da CALVORI?"),
                 Mensagem::Nao);
    PainelGravado recusado;
    AcessoRemoto::iniciar(recusado);
    EXPECT_TRUE(recusado.eventos.isEmpty());
    EXPECT_TRUE(ftp.comandos().isEmpty());

    msg->esperar(u8("O Acesso Remoto Calvori não foi encontrado no seu PC, deseja baixá-lo agora do servidor da CALVORI?"),
                 Mensagem::Sim);
    msg->esperar(u8("Por favor, clique em OK e aguarde, o Acesso Remoto Calvori será descompactado e iniciado!"));
    PainelGravado painel;
    AcessoRemoto::iniciar(painel);

    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(painel.eventos, (QStringList{QStringLiteral("mostrar"), QStringLiteral("esconder")}));
    QFile baixado(AcessoRemoto::arquivo());
    ASSERT_TRUE(baixado.open(QIODevice::ReadOnly));
    EXPECT_EQ(baixado.readAll(), pacote);
    EXPECT_TRUE(QFileInfo::exists(AcessoRemoto::ferramenta()));
    EXPECT_EQ(processos.iniciados, QStringList{AcessoRemoto::ferramenta()});

    const QStringList c = ftp.comandos();
    EXPECT_TRUE(c.contains(QStringLiteral("USER suporte")));
    EXPECT_TRUE(c.contains(QStringLiteral("PASS 0123456789")));
    EXPECT_TRUE(c.contains(QStringLiteral("TYPE I")));
    EXPECT_TRUE(c.contains(QStringLiteral("CWD Essenciais")));
    EXPECT_TRUE(c.contains(QStringLiteral("SIZE AcessoRemotoCalvori.rar")));
    EXPECT_TRUE(c.contains(QStringLiteral("RETR AcessoRemotoCalvori.rar")));
    EXPECT_TRUE(c.contains(QStringLiteral("QUIT")));

    // The status label's texts, in order, with the server's replies between them.
    const QStringList e = painel.estados;
    ASSERT_GE(e.size(), 5);
    EXPECT_EQ(e.first(), QStringLiteral("Resolvendo..."));
    EXPECT_EQ(e.at(1), QStringLiteral("Conectando..."));
    EXPECT_TRUE(e.contains(QStringLiteral("220 Servidor de teste")));
    EXPECT_LT(e.indexOf(QStringLiteral("Conectado ao Servidor FTP! Aguarde...")), e.indexOf(QStringLiteral("Transferindo...")));
    EXPECT_EQ(e.at(e.size() - 2), QStringLiteral("Desconectando..."));
    EXPECT_EQ(e.last(), QStringLiteral("Desconectado!"));
    // The gauge runs to the file's size, counts the bytes and ends at 100.
    EXPECT_EQ(painel.maximoGauge, pacote.size());
    ASSERT_GE(painel.posicoes.size(), 3);
    EXPECT_TRUE(painel.posicoes.contains(pacote.size()));
    EXPECT_EQ(painel.posicoes.last(), 100);
    ASSERT_FALSE(painel.taxas.isEmpty());
    EXPECT_TRUE(painel.taxas.last().startsWith(QStringLiteral("Taxa de Transferencia: "))) << painel.taxas.last().toStdString();
}

TEST_F(ComandosTeste, AcessoRemotoSemConexaoOuSemPastaNoServidor)
{
    PainelGravado painel;
    // Nothing listens: "Erro de conexão!", the panel goes, the command ends.
    {
        QTcpServer fechado;
        fechado.listen(QHostAddress::LocalHost, 0);
        AcessoRemoto::Servidor s;
        s.host = QStringLiteral("127.0.0.1");
        s.porta = fechado.serverPort();
        fechado.close();
        AcessoRemoto::definirServidor(s);
    }
    msg->esperar(u8("O Acesso Remoto Calvori não foi encontrado no seu PC, deseja baixá-lo agora do servidor da CALVORI?"),
                 Mensagem::Sim);
    msg->esperar(u8("Erro de conexão!"));
    AcessoRemoto::iniciar(painel);
    EXPECT_EQ(painel.eventos, (QStringList{QStringLiteral("mostrar"), QStringLiteral("esconder")}));
    EXPECT_EQ(msg->pendentes(), 0);

    // A wrong password is a failed connection too.
    ServidorFtp ftp;
    ftp.conteudo = "conteudo";
    apontarServidor(ftp);
    AcessoRemoto::Servidor errado = AcessoRemoto::servidor();
    errado.senha = QStringLiteral("errada");
    AcessoRemoto::definirServidor(errado);
    msg->esperar(u8("O Acesso Remoto Calvori não foi encontrado no seu PC, deseja baixá-lo agora do servidor da CALVORI?"),
                 Mensagem::Sim);
    msg->esperar(u8("Erro de conexão!"));
    AcessoRemoto::iniciar(painel);
    EXPECT_EQ(msg->pendentes(), 0);

    // Connected, but the folder is missing: the message, then the transfer
    // fails, the command asks again and the error goes on; no piece of the
    // archive is left behind.
    ftp.pasta = QStringList{QStringLiteral("outra")};
    apontarServidor(ftp);
    msg->esperar(u8("O Acesso Remoto Calvori não foi encontrado no seu PC, deseja baixá-lo agora do servidor da CALVORI?"),
                 Mensagem::Sim);
    msg->esperar(u8("Erro de conexão!"));
    msg->esperar(u8("O Acesso Remoto Calvori não foi encontrado no seu PC, deseja baixá-lo agora do servidor da CALVORI?"),
                 Mensagem::Nao);
    painel.eventos.clear();
    EXPECT_THROW(AcessoRemoto::iniciar(painel), ErroSistema);
    EXPECT_EQ(painel.eventos, (QStringList{QStringLiteral("mostrar"), QStringLiteral("esconder")}));
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_FALSE(QFileInfo::exists(AcessoRemoto::arquivo()));
    EXPECT_TRUE(processos.iniciados.isEmpty());
}

// ------------------------------------------------------------ support panel

TEST_F(ComandosTeste, ComandoDoSuporteRodaInteiroOuNadaFica)
{
    struct Caso {
        const char *sql;
        bool ok;
    };
    const QList<Caso> casos{
        {"UPDATE PARAMETROS SET NOME_FANTASIA = 'HOTEL DO SUPORTE'", true},
        {"", false},
        {"   \n  ", false},
        {"UPDAT PARAMETROS SET NOME_FANTASIA = 'X'", false},
        {"UPDATE TABELA_QUE_NAO_EXISTE SET A = 1", false},
        // Selecting is a statement too.
        {"SELECT * FROM PARAMETROS", true},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(PainelSuporte::executarComando(DM->Conexao, QString::fromUtf8(c.sql)), c.ok);
    }
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT NOME_FANTASIA FROM PARAMETROS")).texto(QStringLiteral("NOME_FANTASIA")),
              QStringLiteral("HOTEL DO SUPORTE"));
    // A block that fails halfway leaves nothing of its first part.
    EXPECT_FALSE(PainelSuporte::executarComando(DM->Conexao, QStringLiteral(
        "EXECUTE BLOCK AS BEGIN UPDATE PARAMETROS SET NOME_FANTASIA = 'METADE'; "
        "UPDATE PARAMETROS SET SCRIPT = CAST(NOME_FANTASIA AS INTEGER); END")));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT NOME_FANTASIA FROM PARAMETROS")).texto(QStringLiteral("NOME_FANTASIA")),
              QStringLiteral("HOTEL DO SUPORTE"));
}

TEST_F(ComandosTeste, PainelDoSuporteMensagensBotoesDoLoginSuporteECancelar)
{
    TFrmQuintara janela;
    TPainelSuporte *p = janela.pnlSuporte;
    EXPECT_TRUE(p->isHidden());
    ASSERT_TRUE(janela.executarComando(QStringLiteral("btnSuporteClick")));
    EXPECT_FALSE(p->isHidden());
    EXPECT_TRUE(p->btnComandosZentro->isHidden());
    EXPECT_TRUE(p->btnIBO->isHidden());

    p->Memo1->setPlainText(QStringLiteral("UPDATE PARAMETROS SET NOME_FANTASIA = 'NOVO'"));
    msg->esperar(u8("Comando Executado com Sucesso!"));
    p->btnExecutar->click();
    EXPECT_EQ(msg->mostradas().last().tipo, Mensagem::Tipo::Informacao);
    EXPECT_EQ(p->Memo1->toPlainText(), QStringLiteral("UPDATE PARAMETROS SET NOME_FANTASIA = 'NOVO'"));
    EXPECT_FALSE(p->isHidden());
    p->Memo1->setPlainText(QStringLiteral("UPDATE PARAMETROS SET"));
    msg->esperar(u8("Erro ao Executar Comando!"));
    p->btnExecutar->click();
    EXPECT_EQ(msg->mostradas().last().tipo, Mensagem::Tipo::Informacao);
    EXPECT_FALSE(p->isHidden());
    EXPECT_EQ(msg->pendentes(), 0);
    // Nothing of the support's work is logged.
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM LOG")).toInt(), 0);

    p->btnCancelar->click();
    EXPECT_TRUE(p->isHidden());
    EXPECT_TRUE(p->Memo1->toPlainText().isEmpty());

    // The login SUPORTE sees the console (enabled only while it is set) and the tool.
    Sessao::atual().login = QStringLiteral("SUPORTE");
    PainelSuporte::abrirSuporte = nullptr;
    janela.mostrarSuporte();
    EXPECT_FALSE(p->btnComandosZentro->isHidden());
    EXPECT_FALSE(p->btnIBO->isHidden());
    EXPECT_FALSE(p->btnComandosZentro->isEnabled());
    int consoles = 0;
    PainelSuporte::abrirSuporte = [&] { ++consoles; };
    janela.mostrarSuporte();
    ASSERT_TRUE(p->btnComandosZentro->isEnabled());
    p->btnComandosZentro->click();
    EXPECT_EQ(consoles, 1);
    p->btnIBO->click();
    EXPECT_EQ(processos.iniciados, QStringList{PainelSuporte::programaIBO()});
    EXPECT_TRUE(PainelSuporte::programaIBO().endsWith(QStringLiteral("BANCO DE DADOS/IBO/IBOConsole.exe")));
}

// ------------------------------------------------------------ news panel

namespace {

// A tiny HTTP server answering every request with the page given.
class ServidorHttp : public QTcpServer {
public:
    QByteArray pagina = "<html><body><h1>Novidades</h1><p>Versão nova disponível</p></body></html>";
    QStringList pedidos;
    ServidorHttp()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    const QByteArray pedido = s->readAll();
                    pedidos.append(QString::fromUtf8(pedido.left(pedido.indexOf('\r'))));
                    s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nConnection: close\r\n"
                             "Content-Length: "
                             + QByteArray::number(pagina.size()) + "\r\n\r\n" + pagina);
                    s->disconnectFromHost();
                });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
};

bool esperarAte(const std::function<bool()> &cond, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!cond() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return cond();
}

} // namespace

TEST_F(ComandosTeste, EnderecoDasNoticiasMudaACadaMomento)
{
    Fabricante::definirSite(QStringLiteral("https://www.exemplo.com.br/"));
    EXPECT_EQ(PainelNoticias::endereco(QDateTime(QDate(2026, 12, 10), QTime(10, 5, 7))).toString(QUrl::FullyEncoded),
              QStringLiteral("https://www.exemplo.com.br/noticia?zentro=hotel&q=10122026%20100507"));
    EXPECT_EQ(PainelNoticias::endereco(QDateTime(QDate(2026, 1, 2), QTime(0, 0))).toString(QUrl::FullyEncoded),
              QStringLiteral("https://www.exemplo.com.br/noticia?zentro=hotel&q=02012026"));
}

TEST_F(ComandosTeste, NoticiasAbremCarregamEFechamNoMesmoLugar)
{
    ServidorHttp http;
    Fabricante::definirSite(QStringLiteral("http://127.0.0.1:%1").arg(http.serverPort()));
    TFrmQuintara janela;
    TPainelNoticias *n = janela.pnlNoticias;
    const QRect fechado = n->geometry();
    EXPECT_EQ(fechado.size(), QSize(166, 27));
    EXPECT_EQ(n->lblStatus->text(), QStringLiteral("Browser"));
    EXPECT_TRUE(n->lblStatus->isHidden());

    clicar(n->lblNoticias);
    EXPECT_EQ(n->geometry(), QRect(fechado.x() - 220, fechado.y(), 390, 550));
    EXPECT_FALSE(n->lblStatus->isHidden());
    EXPECT_FALSE(n->imgFechar->isHidden());
    EXPECT_EQ(n->lblStatus->text(), QStringLiteral("Conectando..."));
    ASSERT_TRUE(esperarAte([&] { return n->lblStatus->text() == u8("Notícias Calvori Zurerodi carregadas"); }));
    EXPECT_TRUE(n->WebBrowser1->toPlainText().contains(u8("Versão nova disponível")));
    ASSERT_EQ(http.pedidos.size(), 1);
    EXPECT_EQ(http.pedidos.first(), QStringLiteral("GET /noticia?zentro=hotel&q=10122026%20100000 HTTP/1.1"));

    clicar(n->imgFechar);
    EXPECT_EQ(n->geometry(), fechado);
    EXPECT_TRUE(n->lblStatus->isHidden());
    EXPECT_TRUE(n->imgFechar->isHidden());

    // A page that cannot be reached says so instead of claiming the news.
    http.close();
    clicar(n->imgNoticias);
    ASSERT_TRUE(esperarAte([&] { return n->lblStatus->text() == u8(PainelNoticias::kFalha); }));
    EXPECT_TRUE(n->WebBrowser1->toPlainText().startsWith(u8(PainelNoticias::kFalha)));
    n->alternar();
    EXPECT_EQ(n->geometry(), fechado);
}

// ------------------------------------------------------------ background and ribbon

TEST_F(ComandosTeste, FiguraDoChatSegueAsMensagensEAbreOChat)
{
    TFrmQuintara janela;
    EXPECT_EQ(janela.imgChat->toolTip(), u8("Abrir Chat, Você não possui novas mensagens"));
    EXPECT_EQ(janela.imgChatNovas->toolTip(), u8("Você Recebeu Novas Mensagens"));
    EXPECT_FALSE(janela.imgChat->isHidden());
    EXPECT_TRUE(janela.imgChatNovas->isHidden());
    janela.mostrarIconeChat(true);
    EXPECT_TRUE(janela.iconeChatNovas());
    EXPECT_TRUE(janela.imgChat->isHidden());
    EXPECT_FALSE(janela.imgChatNovas->isHidden());
    janela.mostrarIconeChat(false);
    EXPECT_FALSE(janela.imgChat->isHidden());
    EXPECT_TRUE(janela.imgChatNovas->isHidden());

    // The window wires the chat itself: a click opens the chat window.
    EXPECT_TRUE(janela.lblChat->isEnabled());
    int janelasChat = 0;
    Telas::interceptar<TFrmBatePapo>([&](TFrmBatePapo *) { ++janelasChat; return 0; });
    clicar(janela.lblChat);
    EXPECT_EQ(janelasChat, 1);
    Telas::liberarTodas();
    int chats = 0, mapas = 0;
    janela.abrirChat = [&] { ++chats; };
    janela.abrirCentralUH = [&] { ++mapas; };
    janela.atualizarFundo();
    EXPECT_TRUE(janela.lblChat->isEnabled());
    for (QLabel *l : {janela.lblChat, janela.imgChat, janela.imgChatNovas})
        clicar(l);
    EXPECT_EQ(chats, 3);
    clicar(janela.lblCentralUH);
    clicar(janela.imgCompromissos);
    EXPECT_EQ(mapas, 2);
    EXPECT_EQ(janela.imgCompromissos->toolTip(), u8("Existem Compromissos para Hoje"));
}

TEST_F(ComandosTeste, SiteDoFabricanteEAcessoRemotoPeloFundo)
{
    Fabricante::definirSite(QStringLiteral("https://www.exemplo.com.br"));
    TFrmQuintara janela;
    EXPECT_EQ(janela.imgSite->toolTip(), u8("Acesse o site da Calvori Zurerodi"));
    EXPECT_EQ(janela.imgAcessoRemoto->toolTip(), u8("Iniciar o Acesso Remoto Calvori"));
    EXPECT_EQ(janela.lblAcessoRemoto->text(), QStringLiteral("Suporte\nremoto"));
    clicar(janela.lblSite);
    clicar(janela.imgSite);
    EXPECT_EQ(processos.documentos,
              (QStringList{QStringLiteral("https://www.exemplo.com.br"), QStringLiteral("https://www.exemplo.com.br")}));

    QDir().mkpath(AcessoRemoto::pastaUtil());
    QFile f(AcessoRemoto::ferramenta());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    msg->esperar(u8("Por favor, clique em OK e aguarde, o Acesso Remoto Calvori será iniciado!"));
    clicar(janela.lblAcessoRemoto);
    EXPECT_EQ(processos.iniciados, QStringList{AcessoRemoto::ferramenta()});
    EXPECT_TRUE(janela.pnlProgresso->isHidden());
}

TEST_F(ComandosTeste, DownloadPelaJanelaMostraOAndamentoEEscondeOPainel)
{
    const QByteArray pacote = archivoComFerramenta();
    if (pacote.isEmpty())
        GTEST_SKIP() << "bsdtar não instalado";
    ServidorFtp ftp;
    ftp.conteudo = pacote;
    apontarServidor(ftp);
    TFrmQuintara janela;
    msg->esperar(u8("O Acesso Remoto Calvori não foi encontrado no seu PC, deseja baixá-lo agora do servidor da CALVORI?"),
                 Mensagem::Sim);
    msg->esperar(u8("Por favor, clique em OK e aguarde, o Acesso Remoto Calvori será descompactado e iniciado!"));
    clicar(janela.imgAcessoRemoto);
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_TRUE(janela.pnlProgresso->isHidden());
    EXPECT_EQ(janela.lblStatusFtp->text(), QStringLiteral("Desconectado!"));
    EXPECT_EQ(janela.Gauge1->maximum(), pacote.size());
    EXPECT_EQ(janela.Gauge1->value(), 100);
    // The clock stands still in tests: no time elapsed, so no remaining time.
    EXPECT_EQ(janela.lblTaxaFtp->text(), QStringLiteral("Taxa de Transferencia: 1,00 KB/s; "));
    EXPECT_EQ(processos.iniciados, QStringList{AcessoRemoto::ferramenta()});
}

TEST_F(ComandosTeste, ImpressoraFiscalAbreAsRotinasOuOPontoDeVendaSemSegundaCopia)
{
    TFrmQuintara janela;
    EXPECT_TRUE(janela.dxRibbon1->botao(QStringLiteral("dxBarLargeButton23Click"))->isEnabled());
    int rotinas = 0;
    // Without UTILIZA_FISCAL "S": the fiscal routines screen, plainly (no
    // stay, no coupon panel).
    Telas::interceptar<TFrmRotinasFiscais>([&](TFrmRotinasFiscais *f) {
        ++rotinas;
        f->FormShow();
        EXPECT_TRUE(f->hospedagens().isEmpty());
        EXPECT_FALSE(f->Panel1->isVisibleTo(f));
        return int(QDialog::Rejected);
    });
    banco().executar(QStringLiteral("UPDATE PARAMETROS SET UTILIZA_FISCAL = 'N'"));
    tParametros().recarregar();
    EXPECT_TRUE(janela.executarComando(QStringLiteral("dxBarLargeButton23Click")));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM LOG")).toInt(), 0);
    EXPECT_EQ(rotinas, 1);

    // With "S": a missing point of sale gives no message (msg fails on any box).
    banco().executar(QStringLiteral("UPDATE PARAMETROS SET UTILIZA_FISCAL = 'S'"));
    tParametros().recarregar();
    janela.executarComando(QStringLiteral("dxBarLargeButton23Click"));
    EXPECT_EQ(rotinas, 1);
    EXPECT_TRUE(msg->mostradas().isEmpty());

    // A running copy is brought forward, never started again.
    const QString programa = ProgramaCompanheiro::caminhoZentroPDV();
    QDir().mkpath(QFileInfo(programa).path());
    QFile f(programa);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n# not the last command: the shell must not replace itself with it\nsleep 30\nexit 0\n");
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    QProcess rodando;
    rodando.start(QStringLiteral("/bin/sh"), {programa});
    ASSERT_TRUE(rodando.waitForStarted());
    ASSERT_TRUE(esperarAte([&] { return ProgramaCompanheiro::emExecucao(programa).size() == 1; }));
    janela.executarComando(QStringLiteral("dxBarLargeButton23Click"));
    QThread::msleep(100);
    EXPECT_EQ(ProgramaCompanheiro::emExecucao(programa).size(), 1);
    rodando.kill();
    rodando.waitForFinished();
    EXPECT_EQ(rotinas, 1);
    Telas::liberar(typeid(TFrmRotinasFiscais));
}

TEST_F(ComandosTeste, ProgressoDasExportacoesAparecePassaEEsconde)
{
    TFrmQuintara janela;
    EXPECT_TRUE(janela.Progresso->isHidden());
    try {
        Principal::ProgressoExportacao p(4);
        EXPECT_FALSE(janela.Progresso->isHidden());
        EXPECT_EQ(janela.Progresso->maximum(), 4);
        EXPECT_EQ(janela.Progresso->value(), 0);
        p.avancar();
        p.avancar(2);
        EXPECT_EQ(janela.Progresso->value(), 3);
        p.avancar(5); // never beyond the end
        EXPECT_EQ(janela.Progresso->value(), 4);
        throw ErroSistema(QStringLiteral("falha no meio da exportação"));
    } catch (const ErroSistema &) {
    }
    EXPECT_TRUE(janela.Progresso->isHidden());
}

TEST_F(ComandosTeste, ComandosDeTelasFuturasFicamDesabilitados)
{
    TFrmQuintara janela;
    // Screens of other subsystems are wired by them; until then visible and
    // disabled (a ribbon nobody registered in). Every button has its screen now.
    TRibbon fita;
    for (const Ribbon::Entrada &e : Ribbon::entradas()) {
        const QString h = QString::fromLatin1(e.manipulador);
        if (h.isEmpty())
            continue;
        QToolButton *b = fita.botao(h);
        ASSERT_NE(b, nullptr) << e.manipulador;
        EXPECT_FALSE(b->isHidden()) << e.manipulador;
        EXPECT_FALSE(b->isEnabled()) << e.manipulador;
        EXPECT_TRUE(janela.dxRibbon1->registrado(h)) << e.manipulador;
    }
    for (const char *h : {"btnSuporteClick", "dxBarLargeButton23Click", "btnCalculadoraClick",
                          "btnVerificarAtualizacoesClick", "btnAnulacoesClick", "btnCentralUHClick",
                          "btnReservasClick", "btnWalkInClick"})
        EXPECT_TRUE(janela.dxRibbon1->botao(QString::fromLatin1(h))->isEnabled()) << h;
}
