#pragma once
// Input habits shared by the edit screens: the focused input turns navy with
// white text (accents stripped on leaving when the setting ACENTOS is "N"),
// Enter moves to the next field, F10 confirms and F12 cancels.
#include <QDialog>
#include <functional>

class QWidget;

struct ComportamentoEdicao {
    std::function<void()> confirmar; // F10
    std::function<void()> cancelar;  // F12
};

// Installs the behaviour on every input control of the screen (present now).
void instalarComportamentoEdicao(QDialog *tela, ComportamentoEdicao acoes);

// The focus colours of one input control: entrando = true gives navy
// ($800000) with white text, false white with black text.
void ColorirEdit(QWidget *controle, bool entrando);
