#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Window geometry is laid out in twips (1/1440 inch); these turn it into pixels at
// the screen's logical resolution (15 twips a pixel at 96 dots per inch).
int TwipsToPixels(int twips);
QRect TwipsRect(int left, int top, int width, int height);

// The two faces the windows use: a sans serif for labels and buttons, and a
// fixed-pitch face for texts laid out by character column.
QFont SansFont(double pointSize = 8.25);
QFont FixedFont(double pointSize = 8.25);

// A label at a place given in twips. A right-aligned heading whose text is wider
// than its box grows to the left, so the text is never cut.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, Qt::Alignment align, QRect rect);

// A button that answers neither Enter nor Escape by itself.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect rect);
