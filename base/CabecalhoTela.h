#pragma once
// The header picture shown at the top of every screen. The main window sets it
// at start-up (and when the settings change); screens take it from here.
#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

// A picture drawn by the program itself (the built-in header and background).
QPixmap figuraEmbutida(const QSize &tamanho, const QString &texto);

// The current header picture (the built-in one until the main window sets one).
QPixmap imagemPadrao();
void definirImagemPadrao(const QPixmap &imagem);

// A screen's header label, sized for the picture and already showing it.
QLabel *criarCabecalhoTela(QWidget *tela);
