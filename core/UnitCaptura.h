#pragma once
// The photo dialogs:
//  - TFrmCaptura, the webcam dialog of the employee and time-clock screens:
//    preview, "&Confirmar" and "Canc&elar"; the opener writes the frame to
//    its file when the dialog is confirmed. While the time-clock punch screen
//    is open (Sessao FotoOculta) the dialog confirms itself.
//  - TVideoForm, the customer photo dialog: choice of the video input, live
//    preview, "Capturar Foto" into a still box; when closed after a still
//    was taken for the customer screen, the still becomes img/cli/<document
//    digits>.jpg and is handed to that screen.
#include "platform/Camera.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

inline const QString kMsgErroCamera = QStringLiteral(
    "Ocorreu um erro ao tentar ativar a Camera!\nCertifique-se de que a câmera esteja conectada e corretamente "
    "configurada.");

// The preview control of TFrmCaptura, with the capture component's names:
// Actif (active), FichierImage (file of the still) and CaptureImageDisque.
class TCameraCaptura : public QWidget {
    Q_OBJECT
public:
    explicit TCameraCaptura(QWidget *parent = nullptr);
    ~TCameraCaptura() override;

    bool Actif() const { return m_ativa; }
    // False when the camera cannot be activated.
    bool setActif(bool ativa);
    QString FichierImage;
    // Writes the current frame to FichierImage; false when there is no frame
    // or the file cannot be written.
    bool CaptureImageDisque();
    DispositivoCamera *dispositivo() const { return m_camera.get(); }

private:
    std::unique_ptr<DispositivoCamera> m_camera;
    bool m_ativa = false;
};

class TFrmCaptura : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCaptura(QWidget *parent = nullptr);
    ~TFrmCaptura() override;

    TCameraCaptura *Camera;
    QPushButton *btnConfirmar; // "&Confirmar"
    QPushButton *btnCancelar;  // "Canc&elar"

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool m_mostrado = false;
};

extern TFrmCaptura *FrmCaptura;

// Opens the webcam dialog owned by `dono`; confirmed, the frame is written
// to `arquivo`. True when the file was written.
bool capturarFoto(QWidget *dono, const QString &arquivo);

class TVideoForm : public QDialog {
    Q_OBJECT
public:
    explicit TVideoForm(QWidget *parent = nullptr);
    ~TVideoForm() override;

    QString Tela;          // the opener: "Clientes" for the customer screen
    bool Clicou = false;   // a still was taken

    // Given by the customer screen: the CPF/CNPJ as typed (read when the
    // dialog closes) and what to do with the saved photo.
    std::function<QString()> documentoCliente;
    std::function<void(const QString &arquivoJpg)> carregarFoto;

    QMenuBar *menu;
    QMenu *mnuDispositivos;    // "Selecionar Dispositivo"
    QWidget *pnlPrevisao;      // "Vizualização"
    QLabel *imgFoto;           // the still
    QPushButton *btnCapturarFoto;
    DispositivoCamera *camera() const { return m_camera.get(); }
    int dispositivoAtual() const { return m_dispositivo; }

    // The customer photo of a document: img/cli/<digits> (no extension).
    static QString caminhoFoto(const QString &documento);

public slots:
    void escolherDispositivo(int indice);
    void btnCapturarFotoClick();

protected:
    void done(int r) override;

private:
    std::unique_ptr<DispositivoCamera> m_camera;
    QImage m_still;
    int m_dispositivo = -1;
};

extern TVideoForm *VideoForm;
