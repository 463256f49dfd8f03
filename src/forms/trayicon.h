// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QIcon;
class QMenu;
class QSystemTrayIcon;
class QWidget;
class ReminderKeeper;
class StatusNotifierItem;
class TrayWatcher;

// The program's picture, of its windows and its tray icon, in the sizes of the icon theme.
QIcon ProgramIcon();

// The program's icon in the desktop's tray, while the desktop has a tray.
//
// Its tooltip shows the game hour and date and the moment of the next reminder; its menu
// offers Show/Hide, Next Good Moon, Reminders..., Preferences... and Exit, which the
// main window carries out. A click on the icon, like Show/Hide, hides the main window
// while the player is using it, and otherwise (minimised, hidden, behind other windows)
// brings it to the front. A tray that comes after the start gets the icon then, and takes
// in a main window that was minimised only for want of a tray; a tray that goes brings a
// main window hidden in it back to the screen.
//
// Qt decides once per process whether it uses the StatusNotifierItem tray over D-Bus,
// at the first tray icon made or the first availability question. So that question
// waits for a tray: on X11 until the StatusNotifier watcher has answered (an X11 tray
// manager that comes later is followed as Qt's own tray code follows it); elsewhere
// (Wayland) the icon is made only once the watcher says a tray host is there. Where Qt
// settled on the X11 tray, a StatusNotifier tray that comes later and no X11 tray gets
// the program's own StatusNotifierItem, with the same tooltip, click and menu.
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    // The icon of the main window `window`, which owns it; the tooltip tells the next of `reminders`.
    TrayIcon(QWidget* window, ReminderKeeper* reminders);
    ~TrayIcon() override;

    // Follows the desktop's tray from now on, through `watcher`, which it takes (a watcher
    // that never finds a tray means no such tray).
    void Start(TrayWatcher* watcher);

    // Shows the main window at start, or (`hidden`) keeps it off the screen: once the
    // tray is known, only the icon shows where there is one, and the main window shows
    // minimised where there is none.
    void ShowWindowAtStart(bool hidden);

    // Whether the icon is in a tray now. False until the tray is known.
    bool IsShown() const { return mIcon != nullptr || mItem != nullptr; }
    bool IsKnown() const { return mKnown; }

    // The player's choice: the close box keeps the program running in the tray.
    void SetKeepRunning(bool keep) { mKeepRunning = keep; }
    bool KeepRunning() const { return mKeepRunning; }
    // The close box only hides the main window: the player chose so, and the icon is there.
    bool KeepsRunningOnClose() const { return mKeepRunning && IsShown(); }

    // The program ends: the icon goes, and the tray is no longer followed.
    void Remove();

    // The tooltip written anew from the latest tick.
    void RefreshTip() { UpdateTip(); }
    // Whether the main window warns that the system clock is not synchronised; the tooltip says so too.
    void SetClockWarning(bool shown);

    // Shows a message by the icon, with the desktop's notification sound: false where no icon
    // is in a tray now or the tray shows no messages.
    bool ShowMessage(const QString& title, const QString& text);

    // Why the keep-in-tray choice cannot be made.
    static QString NoTrayText();

    // Whether a click on the icon (or Show/Hide) hides the main window rather than bringing it to the
    // front: it is on the screen (shown, not minimised) and active, or was until `sinceActive`
    // milliseconds ago, as when the click on the desktop's panel itself took the focus from it.
    static bool ClickHides(bool onScreen, bool active, qint64 sinceActive);
    // How long after the main window lost the focus a click still counts as made while it had it.
    static constexpr qint64 ActiveGrace = 500;

signals:
    // When the tray is first known, and on every change after that.
    void AvailableChanged(bool available);
    // The main window is to come back on the screen (Show, a click on the icon, a tray gone),
    // or to hide into the tray (Hide, a click on the icon, a start hidden).
    void ShowWindow();
    void HideWindow();
    // The player clicked the latest message shown by the icon.
    void MessageClicked();
    // The player chose an entry of the menu.
    void NextGoodMoonChosen();
    void RemindersChosen();
    void PreferencesChosen();
    void ExitChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void Reconsider();

private:
    void MakeIcon();
    void MakeItem();
    bool ClickHidesNow() const;
    void ShowMinimised();
    void UpdateTip();

    QWidget* mWindow;
    ReminderKeeper* mReminders;
    QPointer<TrayWatcher> mWatcher;
    QMenu* mMenu;
    QSystemTrayIcon* mIcon = nullptr;
    StatusNotifierItem* mItem = nullptr;
    bool mKnown = false;
    // Whether Qt settled on the StatusNotifier tray.
    bool mQtUsesWatcher = false;
    bool mKeepRunning = false;
    bool mStartHidden = false;
    // Shown minimised only because there was no tray: a tray that comes takes it in.
    bool mMinimisedForNoTray = false;
    // Since then, whether the window system had the window minimised.
    bool mIconified = false;
    // Since the main window last lost the focus.
    QElapsedTimer mInactive;
    bool mClockWarning = false;
};
