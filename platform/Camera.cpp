#include "platform/Camera.h"

#include <QLabel>
#include <QWidget>

#if defined(ZV_MULTIMEDIA) && defined(ZV_MULTIMEDIA_WIDGETS)
#include <QCamera>
#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#define ZV_COM_CAMERA 1
#endif

bool DispositivoCamera::gravarQuadro(const QString &arquivo) const
{
    const QImage q = quadroAtual();
    return !q.isNull() && q.save(arquivo);
}

namespace {

#ifdef ZV_COM_CAMERA
class CameraQt : public DispositivoCamera {
public:
    explicit CameraQt(QWidget *pai) : m_video(new QVideoWidget(pai))
    {
        m_sessao.setVideoOutput(m_video);
        m_ligacao = QObject::connect(m_video->videoSink(), &QVideoSink::videoFrameChanged, m_video,
                         [this](const QVideoFrame &f) { m_quadro = f; });
    }
    ~CameraQt() override
    {
        QObject::disconnect(m_ligacao);
        desativar();
    }

    QStringList dispositivos() const override
    {
        QStringList r;
        for (const QCameraDevice &d : QMediaDevices::videoInputs())
            r << d.description();
        return r;
    }
    bool ativar(int indice) override
    {
        desativar();
        const QList<QCameraDevice> lista = QMediaDevices::videoInputs();
        if (lista.isEmpty() || indice >= lista.size())
            return false;
        const QCameraDevice d = indice < 0 ? QMediaDevices::defaultVideoInput() : lista.at(indice);
        if (d.isNull())
            return false;
        m_camera = std::make_unique<QCamera>(d);
        m_sessao.setCamera(m_camera.get());
        m_camera->start();
        if (m_camera->error() != QCamera::NoError) {
            desativar();
            return false;
        }
        return true;
    }
    void desativar() override
    {
        if (m_camera) {
            m_camera->stop();
            m_sessao.setCamera(nullptr);
            m_camera.reset();
        }
        m_quadro = QVideoFrame();
    }
    bool ativa() const override { return m_camera && m_camera->isActive(); }
    QWidget *previsao() override { return m_video; }
    QImage quadroAtual() const override { return m_quadro.isValid() ? m_quadro.toImage() : QImage(); }

private:
    QMediaCaptureSession m_sessao;
    QVideoWidget *m_video;
    std::unique_ptr<QCamera> m_camera;
    QVideoFrame m_quadro;
    QMetaObject::Connection m_ligacao;
};
#else
// Without Qt Multimedia there is no camera: activation always fails.
class SemCamera : public DispositivoCamera {
public:
    explicit SemCamera(QWidget *pai) : m_previsao(new QLabel(pai)) {}
    QStringList dispositivos() const override { return {}; }
    bool ativar(int) override { return false; }
    void desativar() override {}
    bool ativa() const override { return false; }
    QWidget *previsao() override { return m_previsao; }
    QImage quadroAtual() const override { return {}; }

private:
    QLabel *m_previsao;
};
#endif

Cameras::Fabrica &fabrica()
{
    static Cameras::Fabrica f;
    return f;
}

} // namespace

namespace Cameras {

std::unique_ptr<DispositivoCamera> criar(QWidget *pai)
{
    if (fabrica())
        return fabrica()(pai);
#ifdef ZV_COM_CAMERA
    return std::make_unique<CameraQt>(pai);
#else
    return std::make_unique<SemCamera>(pai);
#endif
}

void definirFabrica(Fabrica f) { fabrica() = std::move(f); }

} // namespace Cameras
