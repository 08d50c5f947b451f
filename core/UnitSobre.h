#pragma once
// The about screen: the maker, the running version and the history of the
// versions with their notes; the release notes of a version open in the
// browser.
#include <QDialog>
#include <QList>
#include <QString>
#include <QUrl>

class QComboBox;
class QLabel;
class QPushButton;

namespace Sobre {

struct Versao {
    QString numero;
    QString nota;
};
// The history, newest first.
const QList<Versao> &historico();
// The note of a version; empty when the version is not in the history.
QString notaDe(const QString &versao);
// The release notes: the maker's address + "/version/Quintara/" + the
// version without dots + ".pdf" (the patch 3.2.1.114 has its notes in 32114.pdf).
QUrl enderecoNotas(const QString &versao);
// "Versão Atual: Quintara 3 - Versão " + the program's version.
QString textoVersaoAtual();

extern const char *const kSiteFabricante;

} // namespace Sobre

class TFrmSobre : public QDialog {
    Q_OBJECT
public:
    explicit TFrmSobre(QWidget *parent = nullptr);

    QLabel *lblFabricante;
    QLabel *lblEndereco;
    QLabel *lblTelefones;
    QLabel *lblSite;
    QLabel *lblEmail;
    QLabel *lblVersao;
    QComboBox *cbHistorico;   // "Histórico de Atualizações"
    QLabel *lblNota;
    QLabel *lblDetalhes;      // the link to the release notes
    QPushButton *btnOK;

public slots:
    void cbHistoricoChange();
    void lblDetalhesClick();
    void btnOKClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
};

extern TFrmSobre *FrmSobre;

// Opens the about screen (ribbon "Sobre o Zentro Vedez 4").
void abrirSobre();
