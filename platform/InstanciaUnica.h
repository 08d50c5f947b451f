#pragma once
// One copy of the program per user session: a lock file named after the
// instance, in the session's runtime folder. The lock goes with the process,
// also when it ends abnormally.
#include <QString>
#include <memory>

class QLockFile;

class InstanciaUnica {
public:
    // `pasta` empty: the session's runtime folder (XDG_RUNTIME_DIR), else the
    // temporary folder with the user's id in the name.
    explicit InstanciaUnica(const QString &nome, const QString &pasta = {});
    ~InstanciaUnica();
    InstanciaUnica(const InstanciaUnica &) = delete;
    InstanciaUnica &operator=(const InstanciaUnica &) = delete;

    // Takes the lock without waiting; false when another running copy holds it.
    bool tomar();
    bool tomada() const { return m_tomada; }
    void liberar();
    QString arquivo() const { return m_arquivo; }

private:
    QString m_arquivo;
    std::unique_ptr<QLockFile> m_trava;
    bool m_tomada = false;
};
