#include "restaurant/UnitConsultaFiscal.h"

#include <QLineEdit>

TFrmCST *FrmCST = nullptr;
TFrmNCM *FrmNCM = nullptr;
TFrmCEST *FrmCEST = nullptr;

std::function<QLineEdit *(ConsultaFiscal::Campo)> ConsultaFiscal::campoDoRegistro;

TFrmConsultaFiscal::TFrmConsultaFiscal(const ConsultaFiscal::Definicao &definicao,
                                       ConsultaFiscal::Campo campo, QWidget *parent)
    : QDialog(parent), m_def(definicao), m_campo(campo)
{
    consulta = new ConsultaFiscal::Corpo(this, m_def);
    setFixedSize(900, 620);
    connect(consulta, &ConsultaFiscal::Corpo::escolhido, this, &TFrmConsultaFiscal::dbgEscolher);
}

void TFrmConsultaFiscal::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    consulta->abrir();
}

void TFrmConsultaFiscal::dbgEscolher()
{
    QLineEdit *campo = ConsultaFiscal::campoDoRegistro ? ConsultaFiscal::campoDoRegistro(m_campo) : nullptr;
    if (!campo)
        return;
    const QString codigo = m_def.codigoEscolha(consulta->valorAtual(m_def.colunaEscolha));
    if (m_def.escreveVazio || !codigo.isEmpty())
        campo->setText(codigo);
    accept();
}

// ------------------------------------------------------------------ the three tables

const ConsultaFiscal::Definicao &TFrmCST::definicao()
{
    // Only a code that begins with "CST" or "CSOSN" fills the field.
    static const ConsultaFiscal::Definicao d{QStringLiteral("Zentro Controle 5 - CST / CSOSN"),
                                             QStringLiteral("CST"),
                                             {{QStringLiteral("COD_CST"), QStringLiteral("Código CST / CSOSN"),
                                               false, 160},
                                              {QStringLiteral("DESCRICAO_CST"), QStringLiteral("Descrição"), false,
                                               680}},
                                             QStringLiteral("COD_CST"),
                                             QStringLiteral("COD_CST"),
                                             ConsultaFiscal::codigoCST,
                                             false};
    return d;
}

TFrmCST::TFrmCST(QWidget *parent) : TFrmConsultaFiscal(definicao(), ConsultaFiscal::Campo::CST, parent) {}

const ConsultaFiscal::Definicao &TFrmNCM::definicao()
{
    static const ConsultaFiscal::Definicao d{QStringLiteral("Zentro Controle 5 - NCM"),
                                             QStringLiteral("TIPI"),
                                             {{QStringLiteral("NCM"), QStringLiteral("Código NCM"), true, 120},
                                              {QStringLiteral("DESCRICAO"), QStringLiteral("Descrição"), false, 720}},
                                             QStringLiteral("NCM"),
                                             QStringLiteral("NCM"),
                                             ConsultaFiscal::codigoSemPontuacao,
                                             true};
    return d;
}

TFrmNCM::TFrmNCM(QWidget *parent) : TFrmConsultaFiscal(definicao(), ConsultaFiscal::Campo::NCM, parent) {}

const ConsultaFiscal::Definicao &TFrmCEST::definicao()
{
    static const ConsultaFiscal::Definicao d{QStringLiteral("Zentro Controle 5 - CEST"),
                                             QStringLiteral("TAB_CEST"),
                                             {{QStringLiteral("CEST"), QStringLiteral("Código CEST"), true, 110},
                                              {QStringLiteral("NCM"), QStringLiteral("Código NCM"), true, 110},
                                              {QStringLiteral("DESCRICAO"), QStringLiteral("Descrição"), false, 620}},
                                             QStringLiteral("CEST"),
                                             QStringLiteral("CEST"),
                                             ConsultaFiscal::codigoSemPontuacao,
                                             true};
    return d;
}

TFrmCEST::TFrmCEST(QWidget *parent) : TFrmConsultaFiscal(definicao(), ConsultaFiscal::Campo::CEST, parent) {}
