#include "core/Inicializacao.h"
#include "core/Diarias.h"
#include "core/ContagemAvisos.h"
#include "base/Caminhos.h"
#include "base/Erros.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "platform/Atalhos.h"
#include "platform/Estacao.h"
#include "platform/InstanciaUnica.h"
#include "platform/Processos.h"

#include <QCoreApplication>
#include <algorithm>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTranslator>

namespace Inicio {

const char *const kMsgSegundaCopia =
    "Atenção: O programa já está aberto, maximize através da barra iniciar do windows!";
const char *const kMsgLocalizacaoRegistrada =
    "Localização do Banco de Dados Registrada com Sucesso! O Sistema Precisa Ser Reiniciado!";
const char *const kMsgSemBanco = "O Sistema Não Pode Ser Iniciado sem um Banco de Dados!";
const char *const kMsgCaminhoInvalido = "Caminho Inválido!";
const char *const kMsgFormatoData = "Erro na configuração de data. Configure o formato de data para dd/MM/aaaa!";
const char *const kMsgAvisoAtualizacao =
    "O atualizador encontrou uma versão mais atual do Quintara 3\n\n"
    "A versão será instalada automáticamente agora, por favor, aguarde a mensagem de conclusão da atualização!";
const char *const kMsgAtualizado =
    "O Sistema foi atualizado com Sucesso! A próxima inicialização já ocorrerá na versão atualizada!";
const char *const kMsgBackupNaoInstalado =
    "Zentro Backup Não Instalado! Entre em contato com o Suporte CALVORI e informe a Mensagem!";
const char *const kMsgServidorNaoIniciado =
    "Servidor de Banco de Dados Firebird não iniciado!\n\n"
    "Inicie Manualmente no: \n"
    "Menu Iniciar -> Programas -> Firebird 2.1 -> Firebird Guardian\n"
    "Depois tente iniciar o Quintara 3 novamente!\n\n"
    " Caso não funcione, Entre em contato com o Suporte calvori e informe o erro!";
const char *const kMsgEncerrarExecucao = "Deseja encerrar a execução do sistema?";

const char *const kArquivoPrograma = "zentro-vedez";
const char *const kPacoteAtualizacao = "Atualizador/new.rar";
const char *const kProgramaNovo = "new";
const char *const kProgramaAntigo = "old";
const char *const kFerramentaBackup = "Apps/Zentro Backup/Zentro Backup";
const char *const kExtrator = "bsdtar";

namespace {

QString u(const char *t) { return QString::fromUtf8(t); }

const char *const kSufixoArquivo =
    "\n\nO Sistema não poderá funcionar corretamente!\n\n"
    "Entre em contato com o Suporte calvori e informe o nome do arquivo!";

// The defaults the workstation file takes when a value is empty.
const char *const kTipoPadrao = "NORMA";
const char *const kNomePadrao = "SERVIDOR";

// A file in `pasta` whose name equals `nome` ignoring case ("" when none).
QString acharIgnorandoCaixa(const QString &pasta, const QString &nome)
{
    const QString exato = pasta + QLatin1Char('/') + nome;
    if (QFileInfo::exists(exato))
        return exato;
    const QDir d(pasta);
    if (!d.exists())
        return {};
    const QStringList nomes = d.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &n : nomes)
        if (n.compare(nome, Qt::CaseInsensitive) == 0)
            return d.filePath(n);
    return {};
}

} // namespace

bool mostrar(const Resultado &r)
{
    if (!r.mensagem.isEmpty())
        Mensagem::mostrar(r.tipo, r.mensagem, Mensagem::Ok, Mensagem::Ok, r.titulo);
    return r.seguir;
}

// ------------------------------------------------------------ dialogs

void traduzirDialogosPadrao(QCoreApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    auto *tradutor = new QTranslator(&app);
    if (tradutor->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(tradutor);
    else
        delete tradutor;
}

// ------------------------------------------------------------ single copy

Resultado verificarInstanciaUnica(InstanciaUnica &instancia)
{
    if (instancia.tomar())
        return Resultado::ok();
    return Resultado::encerrar(u(kMsgSegundaCopia), Mensagem::Tipo::Informacao, QStringLiteral("Atenção"));
}

// ------------------------------------------------------------ ini text

ArquivoIni::ArquivoIni(const QString &texto)
{
    QString t = texto;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_linhas = t.split(QLatin1Char('\n'));
    if (!m_linhas.isEmpty() && m_linhas.last().isEmpty())
        m_linhas.removeLast();
}

int ArquivoIni::linhaDaSecao(const QString &secao) const
{
    const QString procurada = QLatin1Char('[') + secao + QLatin1Char(']');
    for (int i = 0; i < m_linhas.size(); ++i)
        if (m_linhas[i].trimmed().compare(procurada, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

namespace {
bool ehSecao(const QString &linha)
{
    const QString t = linha.trimmed();
    return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
}
// "CHAVE=valor" -> chave and valor; false for other lines.
bool separar(const QString &linha, QString *chave, QString *valor)
{
    const QString t = linha.trimmed();
    if (t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#')))
        return false;
    const int igual = linha.indexOf(QLatin1Char('='));
    if (igual <= 0)
        return false;
    *chave = linha.left(igual).trimmed();
    *valor = linha.mid(igual + 1).trimmed();
    return true;
}
} // namespace

QString ArquivoIni::valor(const QString &secao, const QString &chave, bool *existe) const
{
    if (existe)
        *existe = false;
    const int inicio = linhaDaSecao(secao);
    if (inicio < 0)
        return {};
    for (int i = inicio + 1; i < m_linhas.size() && !ehSecao(m_linhas[i]); ++i) {
        QString c, v;
        if (separar(m_linhas[i], &c, &v) && c.compare(chave, Qt::CaseInsensitive) == 0) {
            if (existe)
                *existe = true;
            return v;
        }
    }
    return {};
}

void ArquivoIni::definir(const QString &secao, const QString &chave, const QString &valor)
{
    int inicio = linhaDaSecao(secao);
    if (inicio < 0) {
        m_linhas.append(QLatin1Char('[') + secao + QLatin1Char(']'));
        m_linhas.append(chave + QLatin1Char('=') + valor);
        return;
    }
    int ultimaComConteudo = inicio;
    int i = inicio + 1;
    for (; i < m_linhas.size() && !ehSecao(m_linhas[i]); ++i) {
        QString c, v;
        if (separar(m_linhas[i], &c, &v) && c.compare(chave, Qt::CaseInsensitive) == 0) {
            m_linhas[i] = c + QLatin1Char('=') + valor;
            return;
        }
        if (!m_linhas[i].trimmed().isEmpty())
            ultimaComConteudo = i;
    }
    m_linhas.insert(ultimaComConteudo + 1, chave + QLatin1Char('=') + valor);
}

QString ArquivoIni::texto() const { return m_linhas.join(QLatin1Char('\n')) + QLatin1Char('\n'); }

// ------------------------------------------------------------ param.ini

QString arquivoParam() { return acharIgnorandoCaixa(Caminhos::pastaInstalacao(), QStringLiteral("param.ini")); }

QString arquivoParamNovo() { return Caminhos::naInstalacao(QStringLiteral("param.ini")); }

bool lerTexto(const QString &arquivo, QString *texto, QString *erro)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        if (erro)
            *erro = f.errorString();
        return false;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (erro)
            *erro = f.errorString();
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString t = utf8.decode(bytes);
    // Files written on Windows workstations come in their ANSI code page.
    if (utf8.hasError())
        t = QString::fromLatin1(bytes);
    if (t.startsWith(QChar(0xFEFF)))
        t.remove(0, 1);
    *texto = t;
    return true;
}

bool gravarTexto(const QString &arquivo, const QString &texto, QString *erro)
{
    QSaveFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly) || f.write(texto.toUtf8()) < 0 || !f.commit()) {
        if (erro)
            *erro = f.errorString();
        return false;
    }
    return true;
}

QString caminhoBancoPadrao() { return Caminhos::naInstalacao(QStringLiteral("BANCO DE DADOS/QUINTARA.FDB")); }

namespace {
bool formaAtual(const QString &texto) { return texto.contains(QStringLiteral("[BD]"), Qt::CaseInsensitive); }

ConfigEstacao valoresDe(const ArquivoIni &ini)
{
    ConfigEstacao c;
    c.CAMINHO = ini.valor(QStringLiteral("BD"), QStringLiteral("CAMINHO"));
    c.TIPO_PC = ini.valor(QStringLiteral("CONFIG"), QStringLiteral("TIPO_PC"));
    c.NOME_PC = ini.valor(QStringLiteral("CONFIG"), QStringLiteral("NOME_PC"));
    c.PERMITIDO = ini.valor(QStringLiteral("CONFIG"), QStringLiteral("PERMITIDO"));
    c.ESPERA_BLOQUEIO = ini.valor(QStringLiteral("BD"), QStringLiteral("ESPERA_BLOQUEIO")).trimmed();
    return c;
}

Resultado falhaArquivo(const QString &arquivo, const QString &erro)
{
    return Resultado::encerrar(QStringLiteral("Não foi possível usar o arquivo de configuração da estação:\n%1\n\n%2")
                                   .arg(QDir::toNativeSeparators(arquivo), erro),
                               Mensagem::Tipo::Erro);
}
} // namespace

ConfigEstacao lerParam(const QString &arquivo)
{
    QString texto;
    if (!lerTexto(arquivo, &texto))
        return {};
    if (!formaAtual(texto)) {
        // The older form: database path, type, name and permission, one a line.
        const QStringList linhas = ArquivoIni(texto).texto().split(QLatin1Char('\n'));
        ConfigEstacao c;
        c.CAMINHO = linhas.value(0).trimmed();
        c.TIPO_PC = linhas.value(1).trimmed();
        c.NOME_PC = linhas.value(2).trimmed();
        c.PERMITIDO = linhas.value(3).trimmed();
        return c;
    }
    return valoresDe(ArquivoIni(texto));
}

Resultado normalizarParam(const QString &arquivo)
{
    QString texto;
    ArquivoIni ini;
    bool mudou = false;
    if (QFileInfo::exists(arquivo)) {
        QString erro;
        if (!lerTexto(arquivo, &texto, &erro))
            return falhaArquivo(arquivo, erro);
        if (formaAtual(texto)) {
            ini = ArquivoIni(texto);
        } else {
            // Converted into the current form; the defaults are filled in below,
            // so the workstation has its type and name from this start on.
            const ConfigEstacao antigo = lerParam(arquivo);
            ini.definir(QStringLiteral("BD"), QStringLiteral("CAMINHO"), antigo.CAMINHO);
            ini.definir(QStringLiteral("CONFIG"), QStringLiteral("TIPO_PC"), antigo.TIPO_PC);
            ini.definir(QStringLiteral("CONFIG"), QStringLiteral("NOME_PC"), antigo.NOME_PC);
            ini.definir(QStringLiteral("CONFIG"), QStringLiteral("PERMITIDO"), antigo.PERMITIDO);
            mudou = true;
        }
    } else {
        mudou = true;
    }

    const auto preencher = [&](const char *secao, const char *chave, const QString &padrao) {
        bool existe = false;
        const QString v = ini.valor(QString::fromLatin1(secao), QString::fromLatin1(chave), &existe);
        if (!existe || v.isEmpty()) {
            if (existe && v == padrao)
                return;
            ini.definir(QString::fromLatin1(secao), QString::fromLatin1(chave), padrao);
            mudou = true;
        }
    };
    preencher("BD", "CAMINHO", caminhoBancoPadrao());
    const QString caminho = ini.valor(QStringLiteral("BD"), QStringLiteral("CAMINHO"));
    if (caminho.contains(QStringLiteral(".GDB"))) {
        ini.definir(QStringLiteral("BD"), QStringLiteral("CAMINHO"), caminho.left(caminho.size() - 3) + QStringLiteral("FDB"));
        mudou = true;
    }
    preencher("CONFIG", "TIPO_PC", QString::fromLatin1(kTipoPadrao));
    preencher("CONFIG", "NOME_PC", QString::fromLatin1(kNomePadrao));
    preencher("CONFIG", "PERMITIDO", QString());

    if (mudou) {
        QString erro;
        if (!gravarTexto(arquivo, ini.texto(), &erro))
            return falhaArquivo(arquivo, erro);
    }
    return Resultado::ok();
}

bool gravarParamLocalizador(const QString &arquivo, const QString &caminhoBanco, QString *erro)
{
    return gravarTexto(arquivo, caminhoBanco + QLatin1Char('\n'), erro);
}

QString limparCaminhoColado(const QString &texto)
{
    if (texto.size() < 2)
        return texto;
    const QChar primeiro = texto.front();
    const bool entreAspas = (primeiro == u'"' || primeiro == u'\'') && texto.back() == primeiro;
    // A drive path pasted between quotes («C:\...», "C:\...") has its colon as
    // third character. A server whose name has two letters ("db:/dados/Q.FDB")
    // has it there too, and is left as typed.
    const bool unidadeEntreMarcas = texto.size() >= 3 && texto.at(2) == u':' && !primeiro.isLetterOrNumber()
        && primeiro != u'/' && primeiro != u'\\';
    if (entreAspas || unidadeEntreMarcas)
        return texto.mid(1, texto.size() - 2);
    return texto;
}

// ------------------------------------------------------------ date format

bool formatoDataAceito(const QString &formato)
{
    static const QStringList aceitos{QStringLiteral("dd/MM/yyyy"), QStringLiteral("dd/MM/aaaa"),
                                     QStringLiteral("dd/mm/yyyy"), QStringLiteral("dd/mm/aaaa")};
    return aceitos.contains(formato);
}

Resultado verificarFormatoData(const QString &formato)
{
    if (formatoDataAceito(formato))
        return Resultado::ok();
    return Resultado::encerrar(u(kMsgFormatoData), Mensagem::Tipo::Erro);
}

// ------------------------------------------------------------ update

QString pacoteAtualizacao()
{
    const QString pasta = Caminhos::naInstalacao(QFileInfo(u(kPacoteAtualizacao)).path());
    return acharIgnorandoCaixa(pasta, QFileInfo(u(kPacoteAtualizacao)).fileName());
}

namespace {
Resultado falhaAtualizacao(const QString &motivo)
{
    return Resultado::aviso(QStringLiteral("Não foi possível instalar a atualização do sistema.\n\n%1\n\n"
                                           "O sistema continuará na versão atual.")
                                .arg(motivo),
                            Mensagem::Tipo::Erro);
}
} // namespace

Resultado instalarAtualizacao(const QString &pacote, const QString &extrator)
{
    const QString pasta = Caminhos::pastaInstalacao();
    const QString programaExtrator =
        extrator.contains(QLatin1Char('/')) ? extrator : QStandardPaths::findExecutable(extrator);
    if (programaExtrator.isEmpty())
        return falhaAtualizacao(QStringLiteral("O descompactador \"%1\" não foi encontrado.").arg(extrator));

    // Unpacked aside first: a damaged package touches nothing.
    QTemporaryDir temporaria(QFileInfo(pacote).absolutePath() + QStringLiteral("/extraindo-XXXXXX"));
    if (!temporaria.isValid())
        return falhaAtualizacao(QStringLiteral("Não foi possível criar a pasta temporária da atualização."));
    const int codigo = ExecutarEAguardar(programaExtrator,
                                         {QStringLiteral("-x"), QStringLiteral("-f"), pacote, QStringLiteral("-C"),
                                          temporaria.path()},
                                         temporaria.path());
    if (codigo != 0)
        return falhaAtualizacao(
            QStringLiteral("O pacote de atualização não pôde ser descompactado (código %1).").arg(codigo));

    QStringList arquivos;
    QDirIterator it(temporaria.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        arquivos.append(it.next());
    const QString novo = u(kProgramaNovo);
    const bool trazPrograma = std::any_of(arquivos.cbegin(), arquivos.cend(), [&](const QString &a) {
        return QFileInfo(a).fileName().compare(novo, Qt::CaseInsensitive) == 0;
    });
    if (!trazPrograma)
        return falhaAtualizacao(QStringLiteral("O pacote de atualização não contém o novo programa (\"%1\").").arg(novo));

    // Every file of the package goes into the installation folder, without its folders.
    for (const QString &a : arquivos) {
        QString nome = QFileInfo(a).fileName();
        if (nome.compare(novo, Qt::CaseInsensitive) == 0)
            nome = novo;
        const QString destino = pasta + QLatin1Char('/') + nome;
        QFile::remove(destino);
        if (!QFile::rename(a, destino) && !QFile::copy(a, destino))
            return falhaAtualizacao(QStringLiteral("Não foi possível gravar \"%1\" na pasta do sistema.").arg(nome));
    }

    const QString programa = pasta + QLatin1Char('/') + u(kArquivoPrograma);
    const QString antigo = pasta + QLatin1Char('/') + u(kProgramaAntigo);
    const QString caminhoNovo = pasta + QLatin1Char('/') + novo;
    QFile::remove(antigo);
    QFile::remove(pacote);
    if (QFile::exists(programa) && !QFile::rename(programa, antigo))
        return falhaAtualizacao(QStringLiteral("Não foi possível guardar o programa atual como \"%1\".").arg(u(kProgramaAntigo)));
    if (!QFile::rename(caminhoNovo, programa)) {
        QFile::rename(antigo, programa);
        return falhaAtualizacao(QStringLiteral("Não foi possível pôr o novo programa no lugar do atual."));
    }
    QFile::setPermissions(programa, QFile::permissions(programa) | QFile::ExeOwner | QFile::ExeUser
                                        | QFile::ExeGroup | QFile::ExeOther | QFile::ReadOwner | QFile::ReadUser);
    return Resultado::encerrar(u(kMsgAtualizado), Mensagem::Tipo::Informacao);
}

// ------------------------------------------------------------ gauge 1

void criarAtalhos()
{
    const QString menu = QStringLiteral("Calvori Zurerodi");
    const QString util = Caminhos::naInstalacao(QStringLiteral("util"));
    CriarAtalho(util + QStringLiteral("/AcessoRemotoCalvori"), {}, util, menu, QStringLiteral("Acesso Remoto Calvori"));
    const QString backup = Caminhos::naInstalacao(u(kFerramentaBackup));
    const QString pastaBackup = QFileInfo(backup).path();
    CriarAtalho(backup, {}, pastaBackup, menu, QStringLiteral("Zentro Backup"));
    CriarAtalhoInicializacao(backup, {}, pastaBackup, QStringLiteral("Zentro Backup"));
    CriarAtalho(Caminhos::naInstalacao(u(kArquivoPrograma)), {}, Caminhos::pastaInstalacao(), menu,
                QStringLiteral("Zentro Vedez 4"));
    QFile::remove(Caminhos::naInstalacao(QStringLiteral("atual.txt")));
}

// ------------------------------------------------------------ gauge 10

const QStringList kPastasCriadas{
    QStringLiteral("img"),  QStringLiteral("snd"),  QStringLiteral("img/cracha"), QStringLiteral("img/func"),
    QStringLiteral("img/cli"), QStringLiteral("img/ico"), QStringLiteral("util"), QStringLiteral("Apps"),
    QStringLiteral("Apps/Zentro Backup"),
};

Resultado prepararPastas()
{
    for (const QString &p : kPastasCriadas)
        QDir().mkpath(Caminhos::naInstalacao(p));
    const QString backup = Caminhos::naInstalacao(u(kFerramentaBackup));
    const bool temBackup = QFileInfo(backup).isFile();
    if (temBackup)
        Plataforma::processos().iniciar(backup, {}, QFileInfo(backup).path());
    QDir().mkpath(Caminhos::naInstalacao(QStringLiteral("Apps/Zentro Backup/Backups")));
    if (!temBackup)
        return Resultado::encerrar(u(kMsgBackupNaoInstalado), Mensagem::Tipo::Erro);
    QDir().mkpath(Caminhos::naInstalacao(QStringLiteral("BANCO DE DADOS")));
    QDir().mkpath(Caminhos::naInstalacao(QStringLiteral("BANCO DE DADOS/Backups")));
    return Resultado::ok();
}

QList<ArquivoObrigatorio> arquivosObrigatorios(const QString &caminhoBanco)
{
    const auto arquivo = [](const QString &relativo) {
        const QString nome = QFileInfo(relativo).fileName();
        return ArquivoObrigatorio{Caminhos::naInstalacao(relativo),
                                  QStringLiteral("Arquivo  >>   %1   << não encontrado!").arg(nome) + u(kSufixoArquivo)};
    };
    // Only files this program reads itself. The Windows libraries (SSL, fiscal
    // printer, DAO/Jet), the Windows extractor and administration tool and the
    // auxiliary database of the old layout are not files of this platform: the
    // extractor is a system tool (kExtrator), whose absence only stops an update.
    QList<ArquivoObrigatorio> lista{
        arquivo(QStringLiteral("snd/entrou.wav")),
        arquivo(QStringLiteral("img/nofoto.jpg")),
        arquivo(QStringLiteral("img/Quintara3.jpg")),
        arquivo(QStringLiteral("img/Quintara3_Tela.jpg")),
    };
    if (!caminhoBanco.isEmpty() && !caminhoServidor(caminhoBanco)) {
        const QString banco = resolverCaminhoBanco(caminhoBanco);
        lista.append({banco, QStringLiteral("Arquivo de Banco de Dados  >>   %1   << não encontrado!")
                                     .arg(QFileInfo(banco).fileName())
                                 + u(kSufixoArquivo)});
    }
    return lista;
}

Resultado verificarArquivosObrigatorios(const QString &caminhoBanco)
{
    for (const ArquivoObrigatorio &a : arquivosObrigatorios(caminhoBanco))
        if (!QFileInfo(a.caminho).isFile())
            return Resultado::encerrar(a.mensagem, Mensagem::Tipo::Erro);
    return Resultado::ok();
}

// ------------------------------------------------------------ gauge 50

bool caminhoServidor(const QString &caminho)
{
    // host:/path, host:C:\path, host/porta:/path; "C:\..." alone is a local drive path.
    static const QRegularExpression servidor(QStringLiteral("^[^/\\\\:]{2,}(/\\d+)?:"));
    return servidor.match(caminho.trimmed()).hasMatch();
}

QString resolverCaminhoBanco(const QString &caminho)
{
    QString c = caminho.trimmed();
    if (c.isEmpty() || caminhoServidor(c))
        return c;
    c = Caminhos::mapearWindows(c);
    if (QFileInfo(c).isRelative())
        c = Caminhos::naInstalacao(c);
    if (!QFileInfo::exists(c)) {
        const QFileInfo fi(c);
        const QString achado = acharIgnorandoCaixa(fi.path(), fi.fileName());
        if (!achado.isEmpty())
            return achado;
    }
    return c;
}

Resultado conectarBanco(ConexaoBanco &conexao, const QString &caminho)
{
    conexao.desconectar();
    conexao.definirCaminho(resolverCaminhoBanco(caminho));
    try {
        conexao.conectar();
    } catch (const ErroBanco &e) {
        qWarning("Falha ao conectar em %s: %s", qPrintable(conexao.caminho()), qPrintable(e.texto()));
        return Resultado::encerrar(u(kMsgServidorNaoIniciado), Mensagem::Tipo::Erro);
    }
    return Resultado::ok();
}

bool servidorAtualizado(ConexaoBanco &conexao)
{
    return Diarias::postadas(conexao, Relogio::hoje());
}

void semearAtualizacao(ConexaoBanco &conexao)
{
    try {
        conexao.emTransacao([&] {
            if (conexao.ler(QStringLiteral("SELECT FIRST 1 DATA FROM ATUALIZACAO")).vazia())
                conexao.executar(QStringLiteral("INSERT INTO ATUALIZACAO (DATA) VALUES (?)"), {Relogio::hoje()});
        });
    } catch (const ErroBanco &e) {
        // Another workstation starting at the same moment seeded it first.
        if (!Diarias::diaJaRegistrado(e))
            throw;
    }
}

void registrarVersao(ConexaoBanco &conexao)
{
    conexao.executar(QStringLiteral("UPDATE PARAMETROS SET ULTIMA_VERSAO = ?"), {GetVersaoArq()});
}

// ------------------------------------------------------------ the sequence

const QList<int> SequenciaInicio::kPosicoes{1, 10, 50, 70, 100};

SequenciaInicio::SequenciaInicio(ConexaoBanco &conexao)
    : formatoData(Estacao::formatoDataCurta())
    , m_conexao(conexao)
{
}

Resultado SequenciaInicio::criacao()
{
    Resultado r = verificarFormatoData(formatoData);
    if (!r.seguir)
        Estacao::abrirConfiguracaoRegional();
    return r;
}

Resultado SequenciaInicio::exibicao()
{
    const QString pacote = pacoteAtualizacao();
    if (pacote.isEmpty())
        return Resultado::ok();
    Mensagem::info(u(kMsgAvisoAtualizacao));
    return instalarAtualizacao(pacote, extrator);
}

namespace {
// An error nobody expected in a step ends start-up with its text, like any
// other failure there, instead of leaving the splash halfway.
template <class F>
Resultado protegido(F &&passo)
{
    try {
        return passo();
    } catch (const ErroSistema &e) {
        return Resultado::encerrar(e.texto(), Mensagem::Tipo::Erro);
    } catch (const std::exception &e) {
        return Resultado::encerrar(QString::fromUtf8(e.what()), Mensagem::Tipo::Erro);
    }
}
} // namespace

Resultado SequenciaInicio::passo(int gauge)
{
    return protegido([&] { return executarPasso(gauge); });
}

Resultado SequenciaInicio::executarPasso(int gauge)
{
    switch (gauge) {
    case 1: {
        criarAtalhos();
        const QString arquivo = arquivoParam();
        return normalizarParam(arquivo.isEmpty() ? arquivoParamNovo() : arquivo);
    }
    case 10: {
        const Resultado r = prepararPastas();
        if (!r.seguir)
            return r;
        const QString arquivo = arquivoParam();
        m_caminhoBanco = arquivo.isEmpty() ? QString() : lerParam(arquivo).CAMINHO;
        return verificarArquivosObrigatorios(m_caminhoBanco);
    }
    case 50: {
        const QString arquivo = arquivoParam();
        const ConfigEstacao config = arquivo.isEmpty() ? ConfigEstacao{} : lerParam(arquivo);
        m_caminhoBanco = config.CAMINHO;
        m_conexao.definirEsperaBloqueio(config.ESPERA_BLOQUEIO.toInt());
        const Resultado r = conectarBanco(m_conexao, m_caminhoBanco);
        if (!r.seguir)
            return r;
        // What the main window learns when it is created.
        Sessao::atual().ServidorAtualizado = servidorAtualizado(m_conexao);
        return r;
    }
    default:
        return Resultado::ok();
    }
}

Resultado SequenciaInicio::depoisDoSplash()
{
    const QString arquivo = arquivoParam();
    const ConfigEstacao c = arquivo.isEmpty() ? ConfigEstacao{} : lerParam(arquivo);
    m_caminhoBanco = c.CAMINHO;
    // The connection keeps the database it opened; the path is set again as
    // the file gives it now.
    m_conexao.definirCaminho(resolverCaminhoBanco(c.CAMINHO));
    Sessao &s = Sessao::atual();
    s.AuxTipoPC = c.TIPO_PC;
    s.AuxNomePC = c.NOME_PC;
    s.Permitido = c.PERMITIDO;
    return protegido([this] {
        semearAtualizacao(m_conexao);
        return Resultado::ok();
    });
}

Resultado SequenciaInicio::executarSplash()
{
    Resultado r = criacao();
    if (!r.seguir)
        return r;
    r = exibicao();
    if (!r.seguir)
        return r;
    mostrar(r);
    for (int p : kPosicoes) {
        r = passo(p);
        if (!r.seguir)
            return r;
        mostrar(r);
    }
    return Resultado::ok();
}

} // namespace Inicio
