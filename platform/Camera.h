#pragma once
// Cameras for the photo dialogs: the list of video inputs, a live preview
// widget, the current frame and its writing to a file. The Linux
// implementation uses Qt Multimedia; tests install a double through
// Cameras::definirFabrica.
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

class DispositivoCamera {
public:
    virtual ~DispositivoCamera() = default;
    // Friendly names of the video inputs, in the system's order.
    virtual QStringList dispositivos() const = 0;
    // Starts the preview on input `indice` (-1: the default input). False
    // when there is no such input or it cannot be started.
    virtual bool ativar(int indice = -1) = 0;
    virtual void desativar() = 0;
    virtual bool ativa() const = 0;
    // The widget that shows the preview (owned by the camera; place it in a layout).
    virtual QWidget *previsao() = 0;
    // The last frame received; a null image before the first.
    virtual QImage quadroAtual() const = 0;
    // Writes the current frame to a file (format from the extension).
    bool gravarQuadro(const QString &arquivo) const;
};

namespace Cameras {

using Fabrica = std::function<std::unique_ptr<DispositivoCamera>(QWidget *pai)>;
// A new camera for a dialog.
std::unique_ptr<DispositivoCamera> criar(QWidget *pai);
// Tests install their double; an empty factory restores Qt Multimedia.
void definirFabrica(Fabrica f);

} // namespace Cameras
