#include "core/UnitCaptura.h"
#include "base/Caminhos.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/Telas.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

TFrmCaptura *FrmCaptura = nullptr;
TVideoForm *VideoForm = nullptr;

// ---------------------------------------------------------------- TCameraCaptura

TCameraCaptura::TCameraCaptura(QWidget *parent) : QWidget(parent), m_camera(Cameras::criar(this))
{
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(m_camera->previsao());
}

TCameraCaptura::~TCameraCaptura() { setActif(false); }

bool TCameraCaptura::setActif(bool ativa)
{
    if (!ativa) {
        if (m_ativa)
            m_camera->desativar();
        m_ativa = false;
        return true;
    }
    m_ativa = m_camera->ativar(-1);
    return m_ativa;
}

bool TCameraCaptura::CaptureImageDisque()
{
    if (!m_ativa || FichierImage.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(FichierImage).absolutePath());
    return m_camera->gravarQuadro(FichierImage);
}

// ---------------------------------------------------------------- TFrmCaptura

TFrmCaptura::TFrmCaptura(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(334, 349);
    auto *v = new QVBoxLayout(this);
    Camera = new TCameraCaptura(this);
    v->addWidget(Camera, 1);
    auto *h = new QHBoxLayout;
    btnConfirmar = new QPushButton(QStringLiteral("&Confirmar"), this);
    btnCancelar = new QPushButton(QStringLiteral("Canc&elar"), this);
    h->addStretch();
    h->addWidget(btnConfirmar);
    h->addWidget(btnCancelar);
    v->addLayout(h);
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmCaptura::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmCaptura::btnCancelarClick);
}

TFrmCaptura::~TFrmCaptura() { Camera->setActif(false); }

void TFrmCaptura::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous() || m_mostrado)
        return;
    m_mostrado = true;
    if (!Camera->setActif(true))
        Mensagem::erro(kMsgErroCamera);
    // The time-clock punch takes its photo without a click.
    if (Sessao::atual().FotoOculta)
        QTimer::singleShot(0, this, &TFrmCaptura::btnConfirmarClick);
}

void TFrmCaptura::btnConfirmarClick() { accept(); }

void TFrmCaptura::btnCancelarClick() { reject(); }

bool capturarFoto(QWidget *dono, const QString &arquivo)
{
    std::unique_ptr<TFrmCaptura> f(new TFrmCaptura(dono));
    FrmCaptura = f.get();
    struct Limpa {
        ~Limpa() { FrmCaptura = nullptr; }
    } limpa;
    f->Camera->FichierImage = arquivo;
    if (Telas::executar(f.get(), typeid(TFrmCaptura)) != QDialog::Accepted)
        return false;
    return f->Camera->CaptureImageDisque();
}

// ---------------------------------------------------------------- TVideoForm

TVideoForm::TVideoForm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Captura de Imagens"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    auto *v = new QVBoxLayout(this);
    menu = new QMenuBar(this);
    mnuDispositivos = menu->addMenu(QStringLiteral("Selecionar Dispositivo"));
    v->setMenuBar(menu);

    auto *h = new QHBoxLayout;
    auto *grupoPrevisao = new QGroupBox(QStringLiteral("Vizualização"), this);
    auto *lp = new QVBoxLayout(grupoPrevisao);
    m_camera = Cameras::criar(grupoPrevisao);
    pnlPrevisao = m_camera->previsao();
    pnlPrevisao->setMinimumSize(320, 240);
    lp->addWidget(pnlPrevisao);
    h->addWidget(grupoPrevisao);
    imgFoto = new QLabel(this);
    imgFoto->setMinimumSize(320, 240);
    imgFoto->setFrameShape(QFrame::Box);
    imgFoto->setAlignment(Qt::AlignCenter);
    imgFoto->setScaledContents(true);
    h->addWidget(imgFoto);
    v->addLayout(h);
    auto *rodape = new QHBoxLayout;
    rodape->addStretch();
    btnCapturarFoto = new QPushButton(QStringLiteral("Capturar Foto"), this);
    rodape->addWidget(btnCapturarFoto);
    v->addLayout(rodape);
    connect(btnCapturarFoto, &QPushButton::clicked, this, &TVideoForm::btnCapturarFotoClick);

    // One menu item per video input, carrying its position.
    const QStringList nomes = m_camera->dispositivos();
    for (int i = 0; i < nomes.size(); ++i) {
        QAction *a = mnuDispositivos->addAction(nomes[i]);
        a->setData(i);
        connect(a, &QAction::triggered, this, [this, i] { escolherDispositivo(i); });
    }
}

TVideoForm::~TVideoForm()
{
    if (m_camera)
        m_camera->desativar();
}

void TVideoForm::escolherDispositivo(int indice)
{
    // The running preview stops before the new input starts.
    m_camera->desativar();
    m_dispositivo = m_camera->ativar(indice) ? indice : -1;
}

void TVideoForm::btnCapturarFotoClick()
{
    const QImage q = m_camera->quadroAtual();
    if (q.isNull())
        return;
    m_still = q;
    imgFoto->setPixmap(QPixmap::fromImage(q));
    Clicou = true;
}

QString TVideoForm::caminhoFoto(const QString &documento)
{
    return Caminhos::naInstalacao(QStringLiteral("img\\cli\\") + TiraPontoTracoBarra(documento.trimmed()));
}

void TVideoForm::done(int r)
{
    m_camera->desativar();
    if (Clicou && Tela == QLatin1String("Clientes") && documentoCliente) {
        const QString base = caminhoFoto(documentoCliente());
        QDir().mkpath(QFileInfo(base).absolutePath());
        try {
            if (!m_still.save(base + QStringLiteral(".bmp"), "BMP"))
                throw ErroSistema(QStringLiteral("Não foi possível gravar a foto em %1.bmp").arg(base));
            ConverteParaJpeg(base);
        } catch (...) {
            QDialog::done(r);
            throw;
        }
        if (carregarFoto)
            carregarFoto(base + QStringLiteral(".jpg"));
    }
    QDialog::done(r);
}
