// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <optional>

class QLabel;

// "Compact Clock": a small borderless window that stays above the others and shows the
// game time and the wait to the next good moon. The player drags it where it suits (with
// the window system's own move where it has one); its place and whether it is shown are
// kept in the settings file of the program folder (group CompactClock: visible, x, y); a
// save that fails is reported. Where the platform places the windows itself (Wayland) the
// kept place is neither used nor overwritten. It has no timer of its own: the main
// window's tick updates it.
class frmCompactClock : public QWidget
{
    Q_OBJECT

public:
    explicit frmCompactClock(QWidget* parent = nullptr);

    // Whether the clock was shown when the program last ended (false when never kept).
    static bool SavedVisible();
    // Keeps whether it is shown, for the next start.
    static void SaveVisible(bool visible);

    // Shows it at its kept place (at the top right of the screen the first time).
    void ShowAtSavedPlace();

    // The main window's tick: sets the texts that changed.
    void Update();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // The second line: the wait to the next good moon, in seconds, to the minute.
    static QString GoodMoonText(int64_t wait);
    void SavePlace();

    QLabel* mGameTime;
    QLabel* mGoodMoon;
    // Where the mouse took hold of the window, from its top left; none while not dragged.
    std::optional<QPoint> mGrab;
    // Moved by the window system since the last press; the place is kept once it stands still.
    bool mSystemMove = false;
    QTimer mPlaceSaver;
};
