#include "restaurant/UnitCST.h"
#include "restaurant/UnitCadProdutosServicos.h"

#include <QLineEdit>

TFrmCST *FrmCST = nullptr;

const ConsultaFiscal::Definicao &TFrmCST::definicao()
{
    static const ConsultaFiscal::Definicao d{QStringLiteral("Zentro Controle 5 - CST / CSOSN"), QStringLiteral("CST"),
        {{QStringLiteral("COD_CST"), QStringLiteral("Código CST / CSOSN"), false, 160},
         {QStringLiteral("DESCRICAO_CST"), QStringLiteral("Descrição"), false, 680}},
        QStringLiteral("COD_CST")};
    return d;
}

TFrmCST::TFrmCST(QWidget *parent) : QDialog(parent)
{
    consulta = new ConsultaFiscal::Corpo(this, definicao());
    setFixedSize(900, 620);
    connect(consulta, &ConsultaFiscal::Corpo::escolhido, this, &TFrmCST::dbgEscolher);
}

void TFrmCST::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    consulta->abrir();
}

void TFrmCST::dbgEscolher()
{
    if (!FrmCadProdutosServicos)
        return;
    // Only a code that begins with "CST" or "CSOSN" fills the field.
    const QString codigo = ConsultaFiscal::codigoCST(consulta->valorAtual(QStringLiteral("COD_CST")));
    if (!codigo.isEmpty())
        FrmCadProdutosServicos->edtCST->setText(codigo);
    accept();
}
