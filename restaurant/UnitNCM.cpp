#include "restaurant/UnitNCM.h"
#include "restaurant/UnitCadProdutosServicos.h"

#include <QLineEdit>

TFrmNCM *FrmNCM = nullptr;

const ConsultaFiscal::Definicao &TFrmNCM::definicao()
{
    static const ConsultaFiscal::Definicao d{QStringLiteral("Zentro Controle 5 - NCM"), QStringLiteral("TIPI"),
        {{QStringLiteral("NCM"), QStringLiteral("Código NCM"), true, 120},
         {QStringLiteral("DESCRICAO"), QStringLiteral("Descrição"), false, 720}},
        QStringLiteral("NCM")};
    return d;
}

TFrmNCM::TFrmNCM(QWidget *parent) : QDialog(parent)
{
    consulta = new ConsultaFiscal::Corpo(this, definicao());
    setFixedSize(900, 620);
    connect(consulta, &ConsultaFiscal::Corpo::escolhido, this, &TFrmNCM::dbgEscolher);
}

void TFrmNCM::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    consulta->abrir();
}

void TFrmNCM::dbgEscolher()
{
    if (!FrmCadProdutosServicos)
        return;
    FrmCadProdutosServicos->edtNCM->setText(
        ConsultaFiscal::codigoSemPontuacao(consulta->valorAtual(QStringLiteral("NCM"))));
    accept();
}
