#include "core/Pesquisa.h"
#include "base/Caminhos.h"
#include "core/DadosEmpresa.h"
#include "base/Erros.h"
#include "base/Grade.h"
#include "base/Mensagem.h"
#include "core/UnitParametros.h"

#include <QDir>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlError>
#include <QUuid>

namespace Pesquisa {

const char *const kUsuarioBancoPesquisa = "pesquisa_zentro";
const char *const kPastaRemota = "Satisfacao/latest";

QString mensagemErroBanco(const QString &banco)
{
    return QStringLiteral("Erro ao tentar Conectar ao Banco de dados! Por favor verifique se o banco de dados ")
        + banco + QStringLiteral(" já existe no Servidor!");
}

QString pastaLocal() { return Caminhos::mapearWindows(QStringLiteral("C:\\Quintara\\AuxSatisfacao")); }

// ---------------------------------------------------------------- copy

CopiaPagina::CopiaPagina(ClienteFtp &ftp, const QString &pastaLocalBase) : m_ftp(ftp), m_local(pastaLocalBase) {}

void CopiaPagina::executar()
{
    if (!QDir().mkpath(m_local))
        throw ErroSistema(QStringLiteral("Não foi possível criar a pasta %1").arg(m_local));
    PastaBase = m_ftp.pastaAtual();
    NomePastaBase.clear();
    Diretorio.clear();
    ListBox1.clear();
    arquivosCopiados = 0;
    copiarListagem();
    while (!ListBox1.isEmpty()) {
        const QString entrada = ListBox1.takeFirst();
        m_ftp.mudarPasta(PastaBase + entrada);
        Diretorio = entrada + QLatin1Char('/');
        NomePastaBase = m_ftp.pastaAtual();
        if (NomePastaBase.startsWith(PastaBase))
            NomePastaBase = NomePastaBase.mid(PastaBase.size());
        copiarListagem();
    }
}

void CopiaPagina::copiarListagem()
{
    const QList<EntradaFtp> entradas = m_ftp.listar();
    for (const EntradaFtp &e : entradas) {
        if (e.nome.contains(QLatin1Char('/')) || e.nome == QLatin1String(".."))
            throw ErroSistema(QStringLiteral("Nome inválido na listagem do servidor: %1").arg(e.nome));
        const QString local = QDir::cleanPath(m_local + QLatin1Char('/') + Diretorio + e.nome);
        if (e.pasta) {
            ListBox1.append(NomePastaBase + QLatin1Char('/') + e.nome);
            if (!QDir().mkpath(local))
                throw ErroSistema(QStringLiteral("Não foi possível criar a pasta %1").arg(local));
        } else {
            m_ftp.baixar(e.nome, local);
            ++arquivosCopiados;
        }
    }
}

// ---------------------------------------------------------------- database test

QString testarBancoMySql(const QString &host, const QString &banco, const QString &usuario, const QString &senha)
{
    const QString nome = QStringLiteral("Remoto-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString erro;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), nome);
        if (!db.isValid()) {
            erro = QStringLiteral("Driver QMYSQL indisponível");
        } else {
            db.setHostName(host);
            db.setDatabaseName(banco);
            db.setUserName(usuario);
            db.setPassword(senha);
            db.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=60"));
            if (!db.open())
                erro = db.lastError().text().trimmed();
            if (erro.isEmpty() && !db.isOpen())
                erro = QStringLiteral("Conexão recusada");
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(nome);
    return erro;
}

TestaBanco testarBanco = testarBancoMySql;

// ---------------------------------------------------------------- command

Resultado criarAtualizarPagina(const Entradas &entradas, ClienteFtp &ftp, const QString &pastaLocalBase)
{
    Resultado r;
    const QString host = entradas.host.trimmed();
    const QString usuario = entradas.usuario.trimmed();
    const QString senha = entradas.senha.trimmed();
    const QString banco = entradas.banco.trimmed();
    if (host.isEmpty()) {
        Mensagem::aviso(kMsgHostInvalido);
        r.foco = Campo::Host;
        return r;
    }
    if (usuario.isEmpty()) {
        Mensagem::aviso(kMsgUsuarioInvalido);
        r.foco = Campo::Usuario;
        return r;
    }
    if (senha.isEmpty()) {
        Mensagem::aviso(kMsgSenhaInvalida);
        r.foco = Campo::Senha;
        return r;
    }
    try {
        ftp.conectar(host, usuario, senha);
    } catch (const ErroSistema &) {
        r.corHost = kCorErro;
        Mensagem::erro(kMsgErroConectarHost);
        return r;
    }
    r.corHost = kCorOk;
    const QString erroBanco = testarBanco(host, banco, QString::fromLatin1(kUsuarioBancoPesquisa),
                                          entradas.senhaBanco.trimmed());
    if (!erroBanco.isEmpty()) {
        r.corBanco = kCorErro;
        Mensagem::erro(mensagemErroBanco(banco));
    } else {
        r.corBanco = kCorOk;
        try {
            ftp.mudarPasta(QString::fromLatin1(kPastaRemota));
            CopiaPagina copia(ftp, pastaLocalBase);
            copia.executar();
            r.copiou = true;
        } catch (const ErroSistema &) {
            r.corBanco = kCorErro;
        }
        if (r.copiou)
            Mensagem::info(kMsgFim);
        else
            Mensagem::erro(mensagemErroBanco(banco));
    }
    try {
        ftp.desconectar();
    } catch (const ErroSistema &) {
        Mensagem::erro(kMsgErroDesconectar);
    }
    return r;
}

void colorirFundo(QLineEdit *edit, quint32 cor)
{
    if (!edit)
        return;
    edit->setProperty("corFundo", cor);
    if (cor == kCorBranca)
        edit->setStyleSheet(QString());
    else
        edit->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; }").arg(corBGR(cor).name()));
}

void criarPaginaNaTela(TFrmParametros &tela)
{
    auto edit = [&](const char *coluna) { return qobject_cast<QLineEdit *>(tela.controle(QLatin1String(coluna))); };
    QLineEdit *edtHost = edit("HOST");
    QLineEdit *edtUsuario = edit("HOST_USU");
    QLineEdit *edtSenha = edit("HOST_SENHA");
    QLineEdit *edtBanco = edit("NOME_BD");
    QLineEdit *edtSenhaBanco = edit("SENHA_BD");
    // Typing in the host or the database name makes it white again.
    for (QLineEdit *e : {edtHost, edtBanco}) {
        if (e && !e->property("zvCorLigada").toBool()) {
            e->setProperty("zvCorLigada", true);
            QObject::connect(e, &QLineEdit::textEdited, e, [e] {
                if (e->property("corFundo").isValid())
                    colorirFundo(e, kCorBranca);
            });
        }
    }
    auto texto = [](QLineEdit *e) { return e ? e->text() : QString(); };
    const Entradas entradas{texto(edtHost), texto(edtUsuario), texto(edtSenha), texto(edtBanco),
                            texto(edtSenhaBanco)};
    std::unique_ptr<ClienteFtp> ftp = Ftp::criar();
    const Resultado r = criarAtualizarPagina(entradas, *ftp, pastaLocal());
    if (r.corHost)
        colorirFundo(edtHost, *r.corHost);
    if (r.corBanco)
        colorirFundo(edtBanco, *r.corBanco);
    QLineEdit *foco = r.foco == Campo::Host      ? edtHost
                      : r.foco == Campo::Usuario ? edtUsuario
                      : r.foco == Campo::Senha   ? edtSenha
                                                 : nullptr;
    if (foco)
        foco->setFocus();
}

void instalarAcoesParametros()
{
    TFrmParametros::acaoCarregarDados = [](TFrmParametros &t) { DadosEmpresa::carregarNaTela(t); };
    TFrmParametros::acaoCriarPagina = [](TFrmParametros &t) { criarPaginaNaTela(t); };
}

} // namespace Pesquisa
