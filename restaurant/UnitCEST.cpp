#include "restaurant/UnitCEST.h"
#include "restaurant/UnitCadProdutosServicos.h"

#include <QLineEdit>

TFrmCEST *FrmCEST = nullptr;

const ConsultaFiscal::Definicao &TFrmCEST::definicao()
{
    static const ConsultaFiscal::Definicao d{QStringLiteral("Zentro Controle 5 - CEST"), QStringLiteral("TAB_CEST"),
        {{QStringLiteral("CEST"), QStringLiteral("Código CEST"), true, 110},
         {QStringLiteral("NCM"), QStringLiteral("Código NCM"), true, 110},
         {QStringLiteral("DESCRICAO"), QStringLiteral("Descrição"), false, 620}},
        QStringLiteral("CEST")};
    return d;
}

TFrmCEST::TFrmCEST(QWidget *parent) : QDialog(parent)
{
    consulta = new ConsultaFiscal::Corpo(this, definicao());
    setFixedSize(900, 620);
    connect(consulta, &ConsultaFiscal::Corpo::escolhido, this, &TFrmCEST::dbgEscolher);
}

void TFrmCEST::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    consulta->abrir();
}

void TFrmCEST::dbgEscolher()
{
    if (!FrmCadProdutosServicos)
        return;
    FrmCadProdutosServicos->edtCEST->setText(
        ConsultaFiscal::codigoSemPontuacao(consulta->valorAtual(QStringLiteral("CEST"))));
    accept();
}
