#include "core/UnitBackup.h"
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
#include "core/UnitQuintara.h"
#include "platform/Backup.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
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

std::function<void()> encerrarAplicacao = [] {
    if (FrmQuintara)
        FrmQuintara->encerrarPrograma();
    else
        QCoreApplication::exit(0);
};

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

void restaurar(const QString &arquivo, const QString &banco, const Saida &saida)
{
    DM->Conexao.desconectar();
    Backup::servico().restaurar(arquivo.trimmed(), banco.trimmed(), credenciais(), saida);
    DM->Conexao.conectar();
    NovoRegistrarLog(QStringLiteral("Restaurou Backup"),
                     QStringLiteral("Operação Realizada com Sucesso\rBackup Restaurado de ") + arquivo, QString());
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
    mmRestaurar->clear();
    BackupRegras::restaurar(edtArquivoBackup->text(), edtBancoRestaurar->text(),
                            [this](const QString &l) { mmRestaurar->appendPlainText(l); });
    Mensagem::info(BackupRegras::kMsgRestauracaoOk);
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
