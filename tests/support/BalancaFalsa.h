#pragma once
// A serial line with a scale at its far end, for the tests: socat makes a
// pair of pseudo-terminals linked in a temporary folder ("balanca", the
// program's side, and "escala", the scale's side), and a thread answers on
// the scale's side as a Toledo scale does (STX, five weight digits in grams,
// ETX for each ENQ), or with the letters of an unstable, negative or
// overloaded scale, with garbage, with half an answer, or not at all.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <thread>
#include <unistd.h>

class BalancaFalsa {
public:
    enum class Modo { Peso, Instavel, Negativo, Sobrecarga, Silencio, Lixo, Metade };

    // Starts socat and the scale. pronta() tells whether it worked (socat
    // missing, no pseudo-terminals) and motivo() why not.
    BalancaFalsa()
    {
        const QString socat = QStandardPaths::findExecutable(QStringLiteral("socat"));
        if (socat.isEmpty()) {
            m_motivo = QStringLiteral("socat não instalado (scripts/install-deps)");
            return;
        }
        m_programa = m_pasta.filePath(QStringLiteral("balanca"));
        const QString escala = m_pasta.filePath(QStringLiteral("escala"));
        m_socat.setProcessChannelMode(QProcess::MergedChannels);
        m_socat.start(socat, {QStringLiteral("pty,raw,echo=0,link=") + m_programa,
                              QStringLiteral("pty,raw,echo=0,link=") + escala});
        for (int i = 0; i < 100 && !(QFile::exists(m_programa) && QFile::exists(escala)); ++i)
            QThread::msleep(20);
        if (!QFile::exists(m_programa) || !QFile::exists(escala)) {
            m_motivo = QStringLiteral("socat não criou os terminais: ") + QString::fromUtf8(m_socat.readAll());
            return;
        }
        m_fd = ::open(QFile::encodeName(escala).constData(), O_RDWR | O_NOCTTY);
        if (m_fd < 0) {
            m_motivo = QStringLiteral("não abriu o lado da balança");
            return;
        }
        m_thread = std::thread([this] { responder(); });
    }
    ~BalancaFalsa()
    {
        m_fim = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_fd >= 0)
            ::close(m_fd);
        m_socat.kill();
        m_socat.waitForFinished(3000);
    }

    bool pronta() const { return m_fd >= 0; }
    const QString &motivo() const { return m_motivo; }
    // The device the program reads.
    const QString &porta() const { return m_programa; }

    void definir(Modo m, int gramas = 0)
    {
        m_gramas = gramas;
        m_modo = m;
    }
    int pedidos() const { return m_pedidos; }

private:
    void responder()
    {
        while (!m_fim) {
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            char buf[64];
            const ssize_t n = ::read(m_fd, buf, sizeof buf);
            for (ssize_t i = 0; i < n; ++i)
                if (buf[i] == 0x05) {
                    ++m_pedidos;
                    responderPedido();
                }
        }
    }
    void enviar(const std::string &s) { (void)!::write(m_fd, s.data(), s.size()); }
    void responderPedido()
    {
        const std::string stx(1, '\x02'), etx(1, '\x03');
        switch (m_modo.load()) {
        case Modo::Peso: {
            char d[16];
            std::snprintf(d, sizeof d, "%05d", m_gramas.load());
            enviar(stx + d + etx);
            break;
        }
        case Modo::Instavel: enviar(stx + "IIIII" + etx); break;
        case Modo::Negativo: enviar(stx + "NNNNN" + etx); break;
        case Modo::Sobrecarga: enviar(stx + "SSSSS" + etx); break;
        case Modo::Silencio: break;
        case Modo::Lixo: enviar("\x15#0k?\r\n"); break;
        case Modo::Metade: enviar(stx + "004"); break;
        }
    }

    QTemporaryDir m_pasta;
    QString m_programa;
    QString m_motivo;
    QProcess m_socat;
    int m_fd = -1;
    std::thread m_thread;
    std::atomic<bool> m_fim{false};
    std::atomic<Modo> m_modo{Modo::Peso};
    std::atomic<int> m_gramas{0};
    std::atomic<int> m_pedidos{0};
};
