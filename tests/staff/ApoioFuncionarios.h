#pragma once
// What the employee tests share: a fixture that stores employees and
// entries, and a camera double that hands out a frame of a chosen colour.
#include "base/Caminhos.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "platform/Camera.h"
#include "staff/Funcionarios.h"
#include "support/TelasTeste.h"

#include <QDir>
#include <QFile>
#include <QLabel>

struct EstadoCameraFalsa {
    QColor cor = Qt::red;
    int capturas = 0;
};

class CameraFalsa : public DispositivoCamera {
public:
    CameraFalsa(EstadoCameraFalsa &e, QWidget *pai) : m_e(e), m_w(new QLabel(pai)) {}
    QStringList dispositivos() const override { return {QStringLiteral("Webcam")}; }
    bool ativar(int) override { return m_ativa = true; }
    void desativar() override { m_ativa = false; }
    bool ativa() const override { return m_ativa; }
    QWidget *previsao() override { return m_w; }
    QImage quadroAtual() const override
    {
        if (!m_ativa)
            return {};
        ++m_e.capturas;
        QImage q(160, 200, QImage::Format_RGB32);
        q.fill(m_e.cor);
        return q;
    }

private:
    EstadoCameraFalsa &m_e;
    QWidget *m_w;
    bool m_ativa = false;
};

class FuncionariosTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Cameras::definirFabrica([this](QWidget *pai) { return std::make_unique<CameraFalsa>(camera, pai); });
        // the installation's placeholder picture
        QDir().mkpath(Caminhos::naInstalacao(QStringLiteral("img")));
        QFile::copy(QStringLiteral(ZV_RAIZ_FONTES "/assets/img/nofoto.jpg"),
                    Caminhos::naInstalacao(QStringLiteral("img/nofoto.jpg")));
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        Cameras::definirFabrica({});
        TelasTeste::TearDown();
    }

    qint64 funcionario(const QString &nome, const QString &cpf, const QString &salario = QStringLiteral("1000.00"),
                       const QString &foto = {})
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF, RG, SALARIO_BASE, FOTO, NOME_CRACHA, FUNCAO, "
                                  "SOLICITA_PONTO, TURNO_1_ENT, TURNO_1_SAI) VALUES (?, ?, 'MG-1', ?, ?, ?, "
                                  "'RECEPCAO', 'S', '08:00:00', '12:00:00') RETURNING ID_FUNCIONARIO"),
                   {nome, cpf, salario, foto, nome.left(16)})
            .toLongLong();
    }
    void excluirFuncionario(qint64 chave)
    {
        banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_FUNCIONARIO) VALUES (?)"), {chave});
    }
    // An entry of the employee's book: "+" or "-", due date, paid date (null: open).
    void lancamento(qint64 chave, const char *tipo, const QDate &venc, const QDate &pag, const char *valor,
                    const char *excluido = "N")
    {
        banco().executar(QStringLiteral("INSERT INTO FUNCIONARIO_PAGAMENTO (ID_FUNCIONARIO_PAGAMENTO, DATA_VENC, "
                                        "TIPO, DESCRICAO, VALOR, DATA_PAG, EXCLUIDO) VALUES (?, ?, ?, 'X', ?, ?, ?)"),
                         {chave, venc, QString::fromLatin1(tipo), QString::fromLatin1(valor),
                          pag.isValid() ? QVariant(pag) : QVariant(QMetaType(QMetaType::QDate)),
                          QString::fromLatin1(excluido)});
    }
    static QString fotos() { return Funcionarios::pastaFotos(); }
    static QString arquivoFoto(const QString &nome) { return QDir(fotos()).filePath(nome); }
    static void gravarCor(const QString &arquivo, const QColor &cor)
    {
        QDir().mkpath(QFileInfo(arquivo).absolutePath());
        QImage i(160, 200, QImage::Format_RGB32);
        i.fill(cor);
        ASSERT_TRUE(i.save(arquivo, "JPG"));
    }
    // The colour in the middle of a picture file (JPEG: near enough).
    static QColor corDe(const QString &arquivo)
    {
        const QImage i(arquivo);
        return i.isNull() ? QColor() : i.pixelColor(i.width() / 2, i.height() / 2);
    }
    static bool parecida(const QColor &a, const QColor &b)
    {
        return a.isValid() && b.isValid() && std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40
            && std::abs(a.blue() - b.blue()) < 40;
    }
    QStringList arquivosFotos() const
    {
        return QDir(fotos()).entryList(QDir::Files, QDir::Name);
    }

    EstadoCameraFalsa camera;
};
