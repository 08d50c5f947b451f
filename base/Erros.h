#pragma once
// Exceptions that cross the layers. Whatever is not caught by a screen ends
// in the application's central handler, which shows the text in an "Erro" box.
#include <QString>
#include <stdexcept>

class ErroSistema : public std::runtime_error {
public:
    explicit ErroSistema(const QString &texto)
        : std::runtime_error(texto.toStdString()), m_texto(texto) {}
    const QString &texto() const { return m_texto; }

private:
    QString m_texto;
};

// A database statement failed (or the connection was lost). `texto` is what
// the user reads; `detalhe` keeps the engine's own words where `texto` is a
// Portuguese explanation of them.
class ErroBanco : public ErroSistema {
public:
    ErroBanco(const QString &texto, const QString &codigo = {}, const QString &detalhe = {})
        : ErroSistema(texto), m_codigo(codigo), m_detalhe(detalhe) {}
    const QString &codigo() const { return m_codigo; }
    const QString &detalhe() const { return m_detalhe; }
    // Another workstation changed the same row: the whole operation may be retried.
    bool conflito() const;
    // The wait for a row held by another workstation ran out (lock timeout).
    bool bloqueioExpirado() const;
    void marcarBloqueioExpirado() { m_expirado = true; }
    // The connection to the database was lost (the next statement reconnects).
    bool conexaoPerdida() const { return m_perdida; }
    void marcarConexaoPerdida() { m_perdida = true; }

private:
    QString m_codigo;
    QString m_detalhe;
    bool m_perdida = false;
    bool m_expirado = false;
};

// A text could not be read as the number, date or time the routine expects.
class ErroConversao : public ErroSistema {
public:
    using ErroSistema::ErroSistema;
};

// What the user reads for a database error: the engine errors a user can meet
// (lost connection, another workstation's change, duplicate key, a value
// longer than its column, a record still in use) explained in Portuguese with
// the engine's own text as detail; any other error as it came.
QString textoParaUsuario(const ErroBanco &e);
