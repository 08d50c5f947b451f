#pragma once
// The cash-register screen. For now an empty screen with its caption, so that
// the main window's gate and the ribbon's "Caixa" command can open it.
#include <QDialog>

class TFrmCaixa : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCaixa(QWidget *parent = nullptr);
};

extern TFrmCaixa *FrmCaixa;
