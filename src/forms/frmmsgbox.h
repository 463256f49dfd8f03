// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QRect>

class QLabel;
class QPushButton;
class QScrollArea;

// The message window: a fixed-pitch text centred line by line above an OK button.
// Shown modally; built anew for each message and gone when closed. A text taller
// than the window scrolls.
class frmMsgBox : public QDialog
{
    Q_OBJECT

public:
    // The client area and the button, in twips.
    static constexpr int ClientWidth = 3915;
    static constexpr int ClientHeight = 5610;
    static constexpr int ButtonWidth = 1215;
    static constexpr int ButtonHeight = 375;

    struct Layout
    {
        QRect label;  // in twips
        QRect button; // in twips
    };
    // The places of the label and the button in a client area of the given size:
    // the button on the bottom edge, centred; the label edge to edge above it,
    // ending one twip above the button's top.
    static Layout LayoutFor(int clientWidth, int clientHeight);

    explicit frmMsgBox(QWidget* parent = nullptr);

    // The label whose text the caller sets before showing the window.
    QLabel* lblMessage() const { return mMessage; }

public slots:
    void cmdOK_Click();

protected:
    void Form_Resize();

private:
    QScrollArea* mScroller;
    QLabel* mMessage;
    QPushButton* mOK;
};
