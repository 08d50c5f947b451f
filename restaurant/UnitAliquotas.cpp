#include "restaurant/UnitAliquotas.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Rotinas.h"
#include "platform/ImpressoraFiscal.h"
#include "restaurant/RotinasFiscais.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

TFrmAliquotas *FrmAliquotas = nullptr;

namespace Aliquotas {

std::optional<QString> lerAliquota(const QString &texto)
{
    // The comma stays: the printer takes the rate as "18,00".
    const QString t = TiraPontoTracoBarra(texto).remove(QLatin1Char(' ')).remove(QLatin1Char('_'));
    static const QRegularExpression formato(QStringLiteral(R"(^(\d{1,2})(,(\d{0,2}))?$)"));
    const auto m = formato.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    const int centesimos = m.captured(1).toInt() * 100 + m.captured(3).leftJustified(2, QLatin1Char('0')).toInt();
    if (centesimos <= 0)
        return std::nullopt;
    return t;
}

} // namespace Aliquotas

TFrmAliquotas::TFrmAliquotas(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Alíquotas Tributárias"));
    auto *raiz = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    raiz->addWidget(imgCabecalho);
    auto *linha = new QHBoxLayout;
    edtAliquota = new QLineEdit(this);
    edtAliquota->setInputMask(QStringLiteral("99,99;_"));
    linha->addWidget(new QLabel(QStringLiteral("Valor da Alíquota (%):"), this));
    linha->addWidget(edtAliquota);
    raiz->addLayout(linha);
    auto *situacao = new QGroupBox(QStringLiteral("Situação"), this);
    auto *s = new QHBoxLayout(situacao);
    rbICMS = new QRadioButton(QStringLiteral("ICMS"), situacao);
    rbISS = new QRadioButton(QStringLiteral("ISS"), situacao);
    rbICMS->setChecked(true);
    s->addWidget(rbICMS);
    s->addWidget(rbISS);
    raiz->addWidget(situacao);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    btnConfirmar = new QPushButton(QStringLiteral("Confirmar"), this);
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    botoes->addWidget(btnConfirmar);
    botoes->addWidget(btnCancelar);
    raiz->addLayout(botoes);
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmAliquotas::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmAliquotas::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TFrmAliquotas::FormShow()
{
    imgCabecalho->setPixmap(imagemPadrao());
    edtAliquota->setFocus();
}

void TFrmAliquotas::btnConfirmarClick()
{
    const auto aliquota = Aliquotas::lerAliquota(edtAliquota->text());
    if (!aliquota) {
        Mensagem::aviso(RotinasFiscais::kMsgAliquotaInvalida);
        edtAliquota->setFocus();
        return;
    }
    Analisa_iRetorno(Bematech_FI_ProgramaAliquota(*aliquota, rbISS->isChecked() ? 1 : 0));
    accept();
}
