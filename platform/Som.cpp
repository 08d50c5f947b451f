#include "platform/Som.h"

#include <QApplication>
#include <QFileInfo>
#include <QUrl>
#ifdef ZV_MULTIMEDIA
#include <QSoundEffect>
#endif

namespace Som {
namespace {

void tocarPadrao(const QString &arquivo)
{
    if (arquivo.isEmpty()) {
        QApplication::beep();
        return;
    }
    if (!QFileInfo::exists(arquivo))
        return;
#ifdef ZV_MULTIMEDIA
    // One effect for the whole program: a new notice replaces the sound of
    // the previous one. Without an audio device Qt only warns and stays silent.
    static QSoundEffect *efeito = nullptr;
    if (!efeito)
        efeito = new QSoundEffect(qApp);
    efeito->setSource(QUrl::fromLocalFile(arquivo));
    efeito->setLoopCount(1);
    efeito->play();
#endif
}

Tocador &tocadorAtual()
{
    static Tocador t = tocarPadrao;
    return t;
}

} // namespace

void tocar(const QString &arquivo) { tocadorAtual()(arquivo); }
void bip() { tocadorAtual()(QString()); }
void definirTocador(Tocador t) { tocadorAtual() = std::move(t); }
void restaurarTocador() { tocadorAtual() = tocarPadrao; }

} // namespace Som
