#pragma once
// The news panel at the top right of the main window: closed it is a small
// bar with its label; opened it grows to the left and down and shows the
// maker's news page (fetched fresh at every opening, shown as rich text).
#include <QDateTime>
#include <QFrame>
#include <QPointer>
#include <QUrl>

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QTextBrowser;

namespace Fabricante {
// The maker's web site (a value of the deployment: the ZV_SITE_FABRICANTE
// environment variable overrides the built-in one).
QString site();
void definirSite(const QString &endereco); // empty: back to the default
} // namespace Fabricante

namespace PainelNoticias {

extern const char *const kConectando;  // "Conectando..."
extern const char *const kCarregando;  // "Carregando..."
extern const char *const kCarregadas;  // "Notícias Calvori Zurerodi carregadas"
extern const char *const kFalha;       // the page could not be read

constexpr QSize kFechado{166, 27};
constexpr QSize kAberto{390, 550};
constexpr int kDeslocamento = 220;

// The news address of a moment: the site's "/noticia" with the query
// "zentro=hotel&q=" and the moment as text without . - : / ( ).
QUrl endereco(const QDateTime &momento);

} // namespace PainelNoticias

class TPainelNoticias : public QFrame {
    Q_OBJECT
public:
    explicit TPainelNoticias(QWidget *parent = nullptr);
    ~TPainelNoticias() override;

    QLabel *lblNoticias;  // "Notícias "
    QLabel *imgNoticias;  // small picture (always shown)
    QLabel *imgFechar;    // second small picture (shown while open)
    QLabel *lblStatus;    // "Browser", then the loading state
    QTextBrowser *WebBrowser1;

    bool aberto() const;
    // Opens the closed panel (and fetches the page) or closes the open one.
    void alternar();

signals:
    void carregada(); // the page (or its failure) is on screen

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    void navegar(const QUrl &url);
    void arredondar();

    QNetworkAccessManager *m_rede;
    QPointer<QNetworkReply> m_resposta;
};
