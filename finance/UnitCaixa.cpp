#include "finance/UnitCaixa.h"

TFrmCaixa *FrmCaixa = nullptr;

TFrmCaixa::TFrmCaixa(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmCaixa"));
    setWindowTitle(QStringLiteral("Caixa"));
    resize(640, 420);
}
