#include "core/UnitSobre.h"
#include "base/Rotinas.h"
#include "base/Telas.h"
#include "base/UnitFuncoes.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TFrmSobre *FrmSobre = nullptr;

namespace Sobre {

const char *const kSiteFabricante = "https://www.zentrosistemas.com.br";

const QList<Versao> &historico()
{
    static const QList<Versao> h{
        {QStringLiteral("3.4.2.259"), QStringLiteral("Versão do dia 01/07/2010 - [12] Melhorias \\|/ [10] Correções")},
        {QStringLiteral("3.3.2.164"), QStringLiteral("Versão do dia 18/05/2010 - [3] Correções")},
        {QStringLiteral("3.3.1.156"), QStringLiteral("Versão do dia 17/05/2010 - [8] Melhorias")},
        {QStringLiteral("3.2.1.114"),
         QStringLiteral("Patch de Correção para a Versão 3.2.0.110 do dia 03/05/2010 - [1] Correção")},
        {QStringLiteral("3.2.0.110"), QStringLiteral("Versão do dia 03/05/2010 - [5] Melhorias \\|/ [2] Correções")},
        {QStringLiteral("3.1.0.78"), QStringLiteral("Versão do dia 14/04/2010 - [8] Melhorias \\|/ [2] Correções")},
    };
    return h;
}

QString notaDe(const QString &versao)
{
    for (const Versao &v : historico())
        if (v.numero == versao)
            return v.nota;
    return {};
}

QUrl enderecoNotas(const QString &versao)
{
    QString numero = versao;
    numero.remove(QLatin1Char('.'));
    // The patch's notes were published under a shorter name.
    if (versao == QLatin1String("3.2.1.114"))
        numero = QStringLiteral("32114");
    return QUrl(QString::fromLatin1(kSiteFabricante) + QStringLiteral("/version/Quintara/") + numero
                + QStringLiteral(".pdf"));
}

QString textoVersaoAtual() { return QStringLiteral("Versão Atual: Quintara 3 - Versão ") + GetVersaoArq(); }

} // namespace Sobre

TFrmSobre::TFrmSobre(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(801, 469);
    setObjectName(QStringLiteral("FrmSobre"));
    setStyleSheet(QStringLiteral("#FrmSobre { border: 1px solid #404040; background: white; }"));

    auto *v = new QVBoxLayout(this);
    lblFabricante = new QLabel(QStringLiteral("Zentro Sistemas Ltda."), this);
    QFont f = lblFabricante->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 6);
    lblFabricante->setFont(f);
    lblEndereco = new QLabel(QStringLiteral("Rua das Acácias, 120 - Centro - CEP 00000-000"), this);
    lblTelefones = new QLabel(QStringLiteral("Telefones: (00) 0000-0000 / (00) 0000-0001"), this);
    lblSite = new QLabel(QString::fromLatin1(Sobre::kSiteFabricante), this);
    lblEmail = new QLabel(QStringLiteral("contato@zentrosistemas.com.br"), this);
    for (QLabel *l : {lblFabricante, lblEndereco, lblTelefones, lblSite, lblEmail})
        v->addWidget(l);
    v->addSpacing(16);
    lblVersao = new QLabel(this);
    v->addWidget(lblVersao);
    v->addSpacing(8);
    v->addWidget(new QLabel(QStringLiteral("Histórico de Atualizações"), this));
    cbHistorico = new QComboBox(this);
    for (const Sobre::Versao &ver : Sobre::historico())
        cbHistorico->addItem(ver.numero);
    v->addWidget(cbHistorico);
    lblNota = new QLabel(this);
    v->addWidget(lblNota);
    lblDetalhes = new QLabel(
        QStringLiteral("Quero ver os detalhes desta atualização acima\n(Necessário Conexão com a Internet)"), this);
    lblDetalhes->setCursor(Qt::PointingHandCursor);
    lblDetalhes->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    lblDetalhes->installEventFilter(this);
    v->addWidget(lblDetalhes);
    v->addStretch();
    auto *h = new QHBoxLayout;
    h->addStretch();
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    h->addWidget(btnOK);
    v->addLayout(h);

    connect(cbHistorico, &QComboBox::currentIndexChanged, this, &TFrmSobre::cbHistoricoChange);
    connect(btnOK, &QPushButton::clicked, this, &TFrmSobre::btnOKClick);
}

void TFrmSobre::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    lblVersao->setText(Sobre::textoVersaoAtual());
    cbHistorico->setCurrentIndex(0);
    cbHistoricoChange();
}

void TFrmSobre::cbHistoricoChange()
{
    const QString nota = Sobre::notaDe(cbHistorico->currentText());
    if (!nota.isEmpty())
        lblNota->setText(nota);
}

bool TFrmSobre::eventFilter(QObject *o, QEvent *e)
{
    if (o == lblDetalhes && e->type() == QEvent::MouseButtonRelease) {
        lblDetalhesClick();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void TFrmSobre::lblDetalhesClick() { Funcoes::abrirUrl(Sobre::enderecoNotas(cbHistorico->currentText())); }

void TFrmSobre::btnOKClick() { accept(); }

void abrirSobre() { Telas::abrir<TFrmSobre>(FrmSobre); }
