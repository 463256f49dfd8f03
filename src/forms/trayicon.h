#pragma once

#include <QObject>
#include <QPointer>

class QDBusConnection;
class QMenu;
class QSystemTrayIcon;
class QWidget;
class ReminderKeeper;
class StatusNotifierItem;
class TrayWatcher;

// The program's icon in the desktop's tray, while the desktop has a tray.
//
// Its tooltip shows the game hour and date and the moment of the next reminder; its menu
// offers Show/Hide, Next Good Moon, Reminders..., Preferences... and Exit, which the
// main window carries out. A tray that comes after the start gets the icon then; a tray
// that goes brings a main window hidden in it back to the screen.
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

    // Follows the desktop's tray from now on, through the StatusNotifier watcher on `bus`
    // (the session bus; a bus that is not connected means no such tray).
    void Start(const QDBusConnection& bus);

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

    // Why the keep-in-tray choice cannot be made.
    static QString NoTrayText();

signals:
    // When the tray is first known, and on every change after that.
    void AvailableChanged(bool available);
    // The main window is to come back on the screen (Show, a click on the icon, a tray gone),
    // or to hide into the tray (Hide, a click on the icon, a start hidden).
    void ShowWindow();
    void HideWindow();
    // The player chose an entry of the menu.
    void NextGoodMoonChosen();
    void RemindersChosen();
    void PreferencesChosen();
    void ExitChosen();

private slots:
    void Reconsider();

private:
    void MakeIcon();
    void MakeItem();
    void Toggle();
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
    bool mClockWarning = false;
};
