// The photo dialogs over a camera double.
#include "base/Caminhos.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "core/UnitCaptura.h"
#include "support/BancoTeste.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

struct EstadoCamera {
    QStringList nomes{"Webcam A", "Webcam B"};
    bool funciona = true;
    QList<int> ativacoes;
    int desativacoes = 0;
};

class CameraFalsa : public DispositivoCamera {
public:
    CameraFalsa(EstadoCamera &e, QWidget *pai) : m_e(e), m_w(new QLabel(pai)) {}
    QStringList dispositivos() const override { return m_e.nomes; }
    bool ativar(int i) override
    {
        m_e.ativacoes << i;
        m_ativa = m_e.funciona;
        return m_ativa;
    }
    void desativar() override
    {
        if (m_ativa)
            ++m_e.desativacoes;
        m_ativa = false;
    }
    bool ativa() const override { return m_ativa; }
    QWidget *previsao() override { return m_w; }
    QImage quadroAtual() const override
    {
        if (!m_ativa)
            return {};
        QImage q(64, 48, QImage::Format_RGB32);
        q.fill(Qt::red);
        return q;
    }

private:
    EstadoCamera &m_e;
    QWidget *m_w;
    bool m_ativa = false;
};

class CapturaTeste : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Sessao::reiniciar();
        Cameras::definirFabrica([this](QWidget *pai) { return std::make_unique<CameraFalsa>(estado, pai); });
    }
    void TearDown() override
    {
        Cameras::definirFabrica({});
        Sessao::reiniciar();
        BancoTeste::TearDown();
    }
    EstadoCamera estado;
};

} // namespace

TEST_F(CapturaTeste, CapturaConfirmadaGravaOArquivoECanceladaNao)
{
    const QString arquivo = pasta() + "/ponto/foto.jpg";
    Telas::interceptar<TFrmCaptura>([](TFrmCaptura *f) {
        f->show();
        EXPECT_TRUE(f->Camera->Actif());
        EXPECT_EQ(f->size(), QSize(334, 349));
        f->btnConfirmar->click();
        return f->result();
    });
    EXPECT_TRUE(capturarFoto(nullptr, arquivo));
    EXPECT_TRUE(QFile::exists(arquivo));
    EXPECT_EQ(estado.desativacoes, 1);
    EXPECT_EQ(FrmCaptura, nullptr);

    QFile::remove(arquivo);
    Telas::interceptar<TFrmCaptura>([](TFrmCaptura *f) {
        f->show();
        f->btnCancelar->click();
        return f->result();
    });
    EXPECT_FALSE(capturarFoto(nullptr, arquivo));
    EXPECT_FALSE(QFile::exists(arquivo));
}

TEST_F(CapturaTeste, CameraQueNaoAtivaMostraErroEFicaAberta)
{
    estado.funciona = false;
    msg->esperar(kMsgErroCamera);
    Telas::interceptar<TFrmCaptura>([](TFrmCaptura *f) {
        f->show();
        QApplication::processEvents();
        EXPECT_TRUE(f->isVisible());
        EXPECT_FALSE(f->Camera->Actif());
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(capturarFoto(nullptr, pasta() + "/x.jpg"));
    EXPECT_EQ(msg->mostradas().constFirst().texto,
              "Ocorreu um erro ao tentar ativar a Camera!\nCertifique-se de que a câmera esteja conectada e "
              "corretamente configurada.");
}

TEST_F(CapturaTeste, FotoOcultaConfirmaSozinha)
{
    Sessao::atual().FotoOculta = true;
    const QString arquivo = pasta() + "/oculta.jpg";
    Telas::interceptar<TFrmCaptura>([](TFrmCaptura *f) {
        f->show();
        QApplication::processEvents();
        return f->result();
    });
    EXPECT_TRUE(capturarFoto(nullptr, arquivo));
    EXPECT_TRUE(QFile::exists(arquivo));
}

TEST_F(CapturaTeste, FotoDoClienteGravaJpegPeloDocumento)
{
    QString carregada;
    {
        TVideoForm v;
        v.Tela = "Clientes";
        v.documentoCliente = [] { return QString("123.456.789-09"); };
        v.carregarFoto = [&](const QString &a) { carregada = a; };
        const QList<QAction *> itens = v.mnuDispositivos->actions();
        ASSERT_EQ(itens.size(), 2);
        EXPECT_EQ(itens[1]->text(), "Webcam B");
        itens[0]->trigger();
        // Another device while the preview runs restarts it on that device.
        itens[1]->trigger();
        EXPECT_EQ(estado.ativacoes, QList<int>({0, 1}));
        EXPECT_EQ(estado.desativacoes, 1);
        EXPECT_EQ(v.dispositivoAtual(), 1);
        EXPECT_FALSE(v.Clicou);
        v.btnCapturarFotoClick();
        EXPECT_TRUE(v.Clicou);
        v.reject();
    }
    const QString jpg = Caminhos::naInstalacao("img\\cli\\12345678909.jpg");
    EXPECT_EQ(carregada, jpg);
    EXPECT_TRUE(QFile::exists(jpg));
    EXPECT_FALSE(QFile::exists(Caminhos::naInstalacao("img\\cli\\12345678909.bmp")));
}

TEST_F(CapturaTeste, FotoSemCliqueOuDeOutraTelaNaoGrava)
{
    struct Caso {
        QString tela;
        bool clicar;
    } casos[] = {{"Clientes", false}, {"Funcionarios", true}};
    for (const auto &c : casos) {
        bool carregou = false;
        TVideoForm v;
        v.Tela = c.tela;
        v.documentoCliente = [] { return QString("111"); };
        v.carregarFoto = [&](const QString &) { carregou = true; };
        v.escolherDispositivo(0);
        if (c.clicar)
            v.btnCapturarFotoClick();
        v.reject();
        EXPECT_FALSE(carregou);
        EXPECT_FALSE(QFile::exists(Caminhos::naInstalacao("img\\cli\\111.jpg")));
    }
    // No device: an empty menu, and no still can be taken.
    estado.nomes.clear();
    estado.funciona = false;
    TVideoForm v;
    EXPECT_TRUE(v.mnuDispositivos->actions().isEmpty());
    v.btnCapturarFotoClick();
    EXPECT_FALSE(v.Clicou);
}
