#include "core/UnitBackup.h"
#include "base/CabecalhoTela.h"
#include "base/Caminhos.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/TelaEdicao.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "base/Janela.h"
#include "platform/Backup.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TFrmBackup *FrmBackup = nullptr;

namespace BackupRegras {

std::function<void()> encerrarAplicacao = [] { Janela::encerrarPrograma(); };

QString nomeArquivoBackup(const QString &pasta, const QString &nomeFantasia, const QDateTime &momento)
{
    QString base = pasta;
    while (base.size() > 1 && (base.endsWith(QLatin1Char('/')) || base.endsWith(QLatin1Char('\\'))))
        base.chop(1);
    return base + QStringLiteral("/Quintara_") + nomeFantasia + QStringLiteral("_Backup_")
        + momento.toString(QStringLiteral("dd_MM_yyyy")) + QLatin1Char('(')
        + momento.toString(QStringLiteral("HHmmss")) + QStringLiteral(").fbk");
}

QString pastaPadrao() { return Caminhos::naInstalacao(QStringLiteral("BANCO DE DADOS\\Backups")); }

QString semAspas(const QString &caminho)
{
    const QString t = caminho.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"')))
        return t.mid(1, t.size() - 2);
    return caminho;
}

Falta verificarBackup(const QString &banco, const QString &pasta)
{
    if (banco.trimmed().isEmpty())
        return {kMsgIndiqueBanco, 0};
    const QString p = pasta.trimmed();
    // A drive's root is no place for backups.
    if (p.isEmpty() || p.compare(QLatin1String("C:\\"), Qt::CaseInsensitive) == 0 || p == QLatin1String("/"))
        return {kMsgIndiquePasta, 1};
    return {};
}

Falta verificarRestauracao(const QString &arquivo, const QString &banco)
{
    if (arquivo.trimmed().isEmpty())
        return {kMsgIndiqueArquivo, 0};
    if (banco.trimmed().isEmpty())
        return {kMsgIndiqueDestino, 1};
    return {};
}

namespace {

Backup::Credenciais credenciais() { return {TDM::usuario(), TDM::senha()}; }

QString nomeFantasia()
{
    if (tParametros().carregado())
        return tParametros().texto(QStringLiteral("NOME_FANTASIA"));
    return DM->Conexao.ler(QStringLiteral("SELECT NOME_FANTASIA FROM PARAMETROS")).texto(QStringLiteral("NOME_FANTASIA"));
}

// The embedded engine keeps a database file for one process: while the tool
// works on the file this program has open, the connection is closed.
bool mesmoArquivo(const QString &a, const QString &b)
{
    if (Backup::caminhoRemoto(a) || Backup::caminhoRemoto(b))
        return a.trimmed() == b.trimmed();
    const QFileInfo fa(a.trimmed()), fb(b.trimmed());
    const QString ca = fa.exists() ? fa.canonicalFilePath() : fa.absoluteFilePath();
    const QString cb = fb.exists() ? fb.canonicalFilePath() : fb.absoluteFilePath();
    return ca == cb;
}

} // namespace

QString fazerBackup(const QString &banco, const QString &pasta, const Saida &saida)
{
    const QString arquivo = nomeArquivoBackup(pasta.trimmed(), nomeFantasia(), Relogio::agora());
    const QString origem = banco.trimmed();
    const bool fechar = DM->Conexao.conectada() && !Backup::caminhoRemoto(origem)
        && mesmoArquivo(origem, DM->Conexao.caminho());
    if (fechar)
        DM->Conexao.desconectar();
    try {
        Backup::servico().backup(origem, arquivo, credenciais(), saida);
    } catch (...) {
        if (fechar) {
            try {
                DM->Conexao.conectar();
            } catch (...) {
            }
        }
        throw;
    }
    if (fechar)
        DM->Conexao.conectar();
    if (saida) {
        saida(QString());
        saida(QStringLiteral("Backup Completado - Arquivo Salvo em:"));
        saida(arquivo);
    }
    NovoRegistrarLog(QStringLiteral("Criou Backup"),
                     QStringLiteral("Operação Realizada com Sucesso\rBackup Criado em ") + arquivo, QString());
    return arquivo;
}

QString caminhoNovo(const QString &banco, const QDateTime &momento)
{
    const QString b = banco.trimmed();
    const QString sufixo = QStringLiteral("_restaurado_") + momento.toString(QStringLiteral("yyyyMMdd_HHmmss"));
    // The name's extension stays at its end: "x.FDB" gives "x_restaurado_..FDB".
    const qsizetype barra = qMax(b.lastIndexOf(QLatin1Char('/')), b.lastIndexOf(QLatin1Char('\\')));
    const qsizetype ponto = b.lastIndexOf(QLatin1Char('.'));
    if (ponto > barra && ponto > 0)
        return b.left(ponto) + sufixo + b.mid(ponto);
    return b + sufixo;
}

namespace {

// The new database opens and holds the settings row.
void verificarRestaurado(const QString &novo)
{
    QString falha;
    {
        ConexaoBanco c(QStringLiteral("VerificaRestauracao"), novo);
        try {
            c.conectar();
            if (c.valor(QStringLiteral("SELECT COUNT(*) FROM PARAMETROS")).toLongLong() < 1)
                falha = QStringLiteral("o banco restaurado não tem o registro de parâmetros.");
        } catch (const ErroSistema &e) {
            falha = e.texto();
        }
        c.desconectar();
    }
    if (!falha.isEmpty())
        throw ErroSistema(kMsgRestauracaoFalhou + QStringLiteral("\nO backup não gerou um banco de dados válido:\n\n")
                          + falha);
}

// Puts the checked file `novo` in place of `destino`. The old file is moved
// aside first and comes back when anything fails.
void trocarArquivos(const QString &novo, const QString &destino, bool conexaoNoDestino)
{
    const QString anterior = destino + QStringLiteral(".anterior");
    QFile::remove(anterior);
    const bool havia = QFileInfo::exists(destino);
    if (conexaoNoDestino)
        DM->Conexao.desconectar();
    auto voltar = [&] {
        if (havia && QFileInfo::exists(anterior)) {
            QFile::remove(destino);
            QFile::rename(anterior, destino);
        }
        if (conexaoNoDestino) {
            try {
                DM->Conexao.conectar();
            } catch (...) {
            }
        }
    };
    if (havia && !QFile::rename(destino, anterior)) {
        voltar();
        throw ErroSistema(QStringLiteral("Não foi possível substituir o banco de dados:\n%1").arg(destino));
    }
    if (!QFile::rename(novo, destino)) {
        voltar();
        throw ErroSistema(QStringLiteral("Não foi possível substituir o banco de dados:\n%1").arg(destino));
    }
    if (conexaoNoDestino) {
        try {
            DM->Conexao.conectar();
        } catch (...) {
            // The restored file stays aside under its new name; the old one comes back.
            QFile::rename(destino, novo);
            voltar();
            throw;
        }
    }
    QFile::remove(anterior);
}

void removerNovo(const QString &novo)
{
    if (!Backup::caminhoRemoto(novo))
        QFile::remove(novo);
}

} // namespace

QString restaurar(const QString &arquivo, const QString &banco, const Saida &saida)
{
    const QString destino = banco.trimmed();
    const QString novo = caminhoNovo(destino, Relogio::agora());
    try {
        Backup::servico().restaurar(arquivo.trimmed(), novo, credenciais(), saida);
    } catch (const ErroSistema &e) {
        removerNovo(novo);
        throw ErroSistema(kMsgRestauracaoFalhou + QStringLiteral("\n\n") + e.texto());
    }
    try {
        verificarRestaurado(novo);
    } catch (...) {
        removerNovo(novo);
        throw;
    }
    QString final = novo;
    if (!Backup::caminhoRemoto(destino)) {
        const bool conexaoNoDestino = DM->Conexao.conectada() && mesmoArquivo(destino, DM->Conexao.caminho());
        try {
            trocarArquivos(novo, destino, conexaoNoDestino);
        } catch (...) {
            removerNovo(novo);
            throw;
        }
        final = destino;
    } else if (saida) {
        saida(QString());
        saida(kMsgRestauradoNoServidor);
        saida(novo);
    }
    NovoRegistrarLog(QStringLiteral("Restaurou Backup"),
                     QStringLiteral("Operação Realizada com Sucesso\rBackup Restaurado de ") + arquivo, QString());
    return final;
}

void removerPresenca()
{
    RemoverPresenca();
}

} // namespace BackupRegras

// ---------------------------------------------------------------- screen

TFrmBackup::TFrmBackup(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Backup"));
    setFixedSize(620, 441);
    setObjectName(QStringLiteral("FrmBackup"));
    setStyleSheet(QStringLiteral("#FrmBackup { border: 1px solid #404040; }"));

    auto *layout = new QVBoxLayout(this);
    imgCabecalho = new QLabel(this);
    imgCabecalho->setFixedHeight(50);
    imgCabecalho->setMinimumWidth(1);
    imgCabecalho->setScaledContents(true);
    layout->addWidget(imgCabecalho);
    lblTitulo = new QLabel(QStringLiteral("Backup"), this);
    QFont f = lblTitulo->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    lblTitulo->setFont(f);
    layout->addWidget(lblTitulo);

    pcBackup = new QTabWidget(this);
    layout->addWidget(pcBackup, 1);

    auto linhaArquivo = [this](QLineEdit *&edit, QToolButton *&botao) {
        auto *w = new QWidget;
        auto *h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        edit = new QLineEdit(w);
        botao = new QToolButton(w);
        botao->setText(QStringLiteral("..."));
        botao->setFocusPolicy(Qt::NoFocus);
        h->addWidget(edit, 1);
        h->addWidget(botao);
        edit->installEventFilter(this);
        return w;
    };
    auto andamento = [](QPlainTextEdit *&mm) {
        mm = new QPlainTextEdit;
        mm->setReadOnly(true);
        mm->setFocusPolicy(Qt::NoFocus);
        return mm;
    };

    {
        auto *pag = new QWidget;
        auto *v = new QVBoxLayout(pag);
        v->addWidget(new QLabel(QStringLiteral("Localização do Banco de Dados:")));
        v->addWidget(linhaArquivo(edtBanco, btnProcurarBanco));
        v->addWidget(new QLabel(QStringLiteral("Caminho para Gravação do Backup:")));
        v->addWidget(linhaArquivo(edtPasta, btnProcurarPasta));
        v->addWidget(new QLabel(QStringLiteral("Andamento da Operação:")));
        v->addWidget(andamento(mmCriar), 1);
        auto *h = new QHBoxLayout;
        h->addStretch();
        btnCriar = new QPushButton(QStringLiteral("Criar"));
        btnSairCriar = new QPushButton(QStringLiteral("Sair"));
        h->addWidget(btnCriar);
        h->addWidget(btnSairCriar);
        v->addLayout(h);
        pcBackup->addTab(pag, QStringLiteral("Criar"));
    }
    {
        auto *pag = new QWidget;
        auto *v = new QVBoxLayout(pag);
        v->addWidget(new QLabel(QStringLiteral("Arquivo de Backup:")));
        v->addWidget(linhaArquivo(edtArquivoBackup, btnProcurarArquivo));
        v->addWidget(new QLabel(QStringLiteral("Banco de Dados:")));
        v->addWidget(linhaArquivo(edtBancoRestaurar, btnProcurarBancoRestaurar));
        v->addWidget(new QLabel(QStringLiteral("Andamento da Operação:")));
        v->addWidget(andamento(mmRestaurar), 1);
        auto *h = new QHBoxLayout;
        h->addStretch();
        btnRestaurar = new QPushButton(QStringLiteral("Restaurar"));
        btnSairRestaurar = new QPushButton(QStringLiteral("Sair"));
        h->addWidget(btnRestaurar);
        h->addWidget(btnSairRestaurar);
        v->addLayout(h);
        pcBackup->addTab(pag, QStringLiteral("Restaurar"));
    }

    for (QPushButton *b : {btnCriar, btnSairCriar, btnRestaurar, btnSairRestaurar})
        b->setAutoDefault(false);
    connect(btnCriar, &QPushButton::clicked, this, &TFrmBackup::btnCriarClick);
    connect(btnRestaurar, &QPushButton::clicked, this, &TFrmBackup::btnRestaurarClick);
    connect(btnSairCriar, &QPushButton::clicked, this, &TFrmBackup::btnSairClick);
    connect(btnSairRestaurar, &QPushButton::clicked, this, &TFrmBackup::btnSairClick);
    connect(btnProcurarBanco, &QToolButton::clicked, this,
            [this] { procurarArquivo(edtBanco, BackupRegras::kFiltroBanco, false); });
    connect(btnProcurarPasta, &QToolButton::clicked, this, [this] { procurarPasta(edtPasta); });
    connect(btnProcurarArquivo, &QToolButton::clicked, this,
            [this] { procurarArquivo(edtArquivoBackup, BackupRegras::kFiltroBackup, false); });
    connect(btnProcurarBancoRestaurar, &QToolButton::clicked, this,
            [this] { procurarArquivo(edtBancoRestaurar, BackupRegras::kFiltroBanco, true); });

    // Enter moves on (a focused button is pressed), the focused edit turns navy.
    instalarComportamentoEdicao(this, {});
}

void TFrmBackup::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    imgCabecalho->setPixmap(imagemPadrao());
    AcaoAtual(QStringLiteral("Backup"));
    if (!m_iniciado)
        iniciar();
}

void TFrmBackup::iniciar()
{
    m_iniciado = true;
    const QString banco = DM->Conexao.caminho();
    edtBanco->setText(banco);
    edtBancoRestaurar->setText(banco);
    edtPasta->setText(BackupRegras::pastaPadrao());
    m_automatico = Sessao::atual().RealizarBackup == QLatin1String("S");
    if (!m_automatico)
        return;
    // A failing backup shows its error; the program then goes on.
    btnCriarClick();
    if (!m_criado)
        return;
    BackupRegras::removerPresenca();
    BackupRegras::encerrarAplicacao();
    reject();
}

bool TFrmBackup::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::FocusOut) {
        if (auto *edit = qobject_cast<QLineEdit *>(o)) {
            const QString t = BackupRegras::semAspas(edit->text());
            if (t != edit->text())
                edit->setText(t);
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmBackup::btnCriarClick()
{
    m_criado = false;
    const auto falta = BackupRegras::verificarBackup(edtBanco->text(), edtPasta->text());
    if (!falta.ok()) {
        Mensagem::info(falta.mensagem);
        (falta.campo == 0 ? edtBanco : edtPasta)->setFocus();
        return;
    }
    mmCriar->clear();
    BackupRegras::fazerBackup(edtBanco->text(), edtPasta->text(),
                              [this](const QString &l) { mmCriar->appendPlainText(l); });
    m_criado = true;
    Mensagem::info(BackupRegras::kMsgBackupOk);
}

void TFrmBackup::btnRestaurarClick()
{
    const auto falta = BackupRegras::verificarRestauracao(edtArquivoBackup->text(), edtBancoRestaurar->text());
    if (!falta.ok()) {
        Mensagem::info(falta.mensagem);
        (falta.campo == 0 ? edtArquivoBackup : edtBancoRestaurar)->setFocus();
        return;
    }
    if (!Mensagem::pergunta(BackupRegras::kMsgConfirmaRestauracao, {}, Mensagem::Nao))
        return;
    mmRestaurar->clear();
    const QString banco = edtBancoRestaurar->text().trimmed();
    const QString restaurado = BackupRegras::restaurar(edtArquivoBackup->text(), banco,
                                                       [this](const QString &l) { mmRestaurar->appendPlainText(l); });
    if (restaurado == banco)
        Mensagem::info(BackupRegras::kMsgRestauracaoOk);
    else
        Mensagem::info(BackupRegras::kMsgRestauracaoOk + QStringLiteral("\n\n") + BackupRegras::kMsgRestauradoNoServidor
                       + QLatin1Char('\n') + restaurado);
    accept();
}

void TFrmBackup::btnSairClick() { reject(); }

void TFrmBackup::procurarArquivo(QLineEdit *edit, const QString &filtro, bool salvar)
{
    QFileDialog d(this, QString(), QFileInfo(edit->text()).absolutePath(), filtro);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(salvar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!salvar)
        d.setOption(QFileDialog::DontConfirmOverwrite);
    if (Telas::executar(&d, typeid(QFileDialog)) == QDialog::Accepted && !d.selectedFiles().isEmpty())
        edit->setText(d.selectedFiles().constFirst());
}

void TFrmBackup::procurarPasta(QLineEdit *edit)
{
    QFileDialog d(this, QString(), edit->text());
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setFileMode(QFileDialog::Directory);
    d.setOption(QFileDialog::ShowDirsOnly);
    if (Telas::executar(&d, typeid(QFileDialog)) == QDialog::Accepted && !d.selectedFiles().isEmpty())
        edit->setText(d.selectedFiles().constFirst());
}

void abrirBackup() { Telas::abrir<TFrmBackup>(FrmBackup); }
