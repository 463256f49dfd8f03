// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QLabel>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

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

// A label at a place given in twips (FitTexts makes room for a text wider than its box).
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, Qt::Alignment align, QRect rect);

// A button that answers neither Enter nor Escape by itself.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect rect);

// A label that shows a value: a clock, a wait, a character's box. A screen reader names it by its caption
// (TieCaption, or an accessible name of its own) for good and reads the value as its text, whenever the
// player comes to it: Tab stops at it (a focus frame shows where), and flat review reads it. A new value
// tells the screen reader nothing by itself, so that a clock moving on each second is not read out each second.
class ValueDisplay : public QLabel
{
    Q_OBJECT

public:
    ValueDisplay(QWidget* parent, const char* name, Qt::Alignment align, QRect rect = {});

protected:
    void paintEvent(QPaintEvent* event) override;
    // The focus only shows the frame: a label given the focus would otherwise lay its text out as a document
    // of its own, which tells the screen reader of each new value as a text edited (see ShowValue).
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// Ties a caption to the control it names: a screen reader announces the control by the caption.
void TieCaption(QLabel* caption, QWidget* control);
// Shows a value in a value display, setting it only when it changed.
void ShowValue(QLabel* label, const QString& text);

// A window made of a plain widget reports itself to screen readers as a window (a frame), or
// as a dialog, as the main window and the dialogs do, rather than as a pane with no role.
void ReportAsWindow(QWidget* window, bool dialog = false);
// Escape closes the window, as its Close button does.
void CloseOnEscape(QWidget* window);

// The width a label, button or check box needs to show its text whole at its present
// height (a word-wrapped label: in the lines its height holds); 0 for other controls and
// empty texts.
int TextRoom(const QWidget* control);

// Makes room for every text of a window laid out by hand, after it is built, so that
// no translation is ever cut: each label, button or check box among the direct children
// of `container` whose text needs more room grows, a right-aligned one to the left as far
// as the window's left margin (where it needs more, every control moves right first), a centred one to both sides, the
// others to the right. The controls to its right in the same row move on as far as they must, and the window grows by
// as much as its controls now stand out; controls centred in it, or spanning it, stay so. A window whose texts fit
// stays exactly as it was. `container` is the window itself or the widget that holds its controls (the main window's
// client area).
void FitTexts(QWidget* window, QWidget* container = nullptr);

// Whether the platform lets the program place its windows (not on Wayland, where the compositor does).
bool PlatformPlacesWindows();
// Where a window with the frame `frame` goes so that it lies wholly on one of the screens' `areas` (their
// available geometries): where it is, when it does already; else onto the area it overlaps most (the nearest
// when it overlaps none), moved no further than it must. A window larger than the area keeps its top left on it.
QPoint KeptOnScreen(const QRect& frame, const QList<QRect>& areas);
// The screens' available geometries.
QList<QRect> ScreenAreas();
// Moves `window` back wholly on a screen whenever the screens change (a screen goes, or shrinks: a laptop
// undocked, a lower resolution), where the platform lets the program place its windows.
void KeepOnScreen(QWidget* window);
// Whether a window counts as minimised: minimised by Qt's account, or (Wayland) as WindowsOnScreen keeps it.
bool CountsAsMinimised(const QWidget* window);

// Whether a window of the program is on the screen: shown, not minimised, and exposed (the
// window system shows some of it). Menus and tooltips come and go with the pointer, and the
// tray icon's own widget (a tray of X11) is no window. Wayland tells no program that its
// window was minimised, or brought back: there Qt forgets at once that a window was
// minimised, and a window minimised counts as such until it is activated or shown anew.
class WindowsOnScreen : public QObject
{
public:
    explicit WindowsOnScreen(QObject* parent = nullptr);

    bool AnyShown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
