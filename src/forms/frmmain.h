// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>

class Appearance;
class ClockCheck;
class Notifier;
class NoticeWindows;
class QLabel;
class SleepWatcher;
class Ticker;
class TrayIcon;
class frmCompactClock;
class frmFindItems;
class ReminderKeeper;
class frmNextGoodMoon;
class frmStats;
class frmUpcomingDays;

// The main window: shows the real and the game clock side by side, refreshed twice a
// second, the character read last, and offers every other command from its menu.
// It owns the program-wide state and saves the calibration when it closes.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The start sequence: the remembered folder, the calibration, the caption.
    // Throws when a step fails; the program then ends without saving.
    void Form_Load();

    // The closing sequence: closes the other windows and saves the calibration.
    // Runs once, however the program ends; a failed save throws.
    void Form_Unload();
    // Whether the closing sequence has begun.
    bool Unloaded() const { return mUnloaded; }

    // The caption: "Kelvara Utility " and the version.
    static QString Caption();

    // The desktop's services, which the window then owns: notifications (null where the
    // desktop has none: reminders then show in a window of the program's own), the
    // check of the system clock, which starts at once, and the news of the machine waking
    // from sleep. Reminders wait for this call, so that one due at start reaches the
    // desktop's notification service too.
    void UseDesktop(Notifier* notifier, ClockCheck* clockCheck, SleepWatcher* sleep = nullptr);
    ReminderKeeper* Reminders() const { return mReminders; }
    // The tray icon and the colours, which the window owns.
    TrayIcon* Tray() const { return mTray; }
    Appearance* Colours() const { return mAppearance; }

    // Hides the window into the tray: the tick waits for what falls due.
    void HideToTray();
    // Shows the window again with the current clocks, also when it was minimised.
    void ShowFromTray();

    // The line under the clocks when the system clock is not synchronised.
    static QString ClockWarningText();
    bool ClockWarningShown() const;

signals:
    // After each tick, once the labels show the new moment.
    void Ticked();

public slots:
    void tmrMain_Timer();
    void mnuExit_Click();
    void mnuSetDateTime_Click();
    void mnuOpenCharacterFile_Click();
    void mnuNextGoodMoon_Click();
    void mnuNextDay_Click();
    void mnuItemStats_Click();
    void mnuFindItems_Click();
    void mnuRankExperienceChart_Click();
    void cmdServerStats_Click();
    void mnuUpcomingDays_Click();
    void mnuCompactClock_Click(bool checked);
    void mnuReminders_Click();
    void mnuAbout_Click();
    void mnuPreferences_Click();
    // The time service's answer: is the system clock synchronised?
    void ClockAnswered(bool synchronised);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowClocks();
    void NotificationAction(const QString& action);

    QLabel* mRealTime;
    QLabel* mRealDate;
    QLabel* mKelvaraTime;
    QLabel* mKelvaraDate;
    // When the tick runs: every 500 ms while a window shows, else when something is due.
    Ticker* mTicker;
    bool mUnloaded = false;
    // The countdown window while it is open; it has no owner and closes itself.
    QPointer<frmNextGoodMoon> mNextGoodMoon;
    // The item stats window while it is open; it has no owner either.
    QPointer<frmStats> mStats;
    // The Find Items window while it is open; it has no owner either.
    QPointer<frmFindItems> mFindItems;
    // The upcoming days window while it is open; it has no owner either.
    QPointer<frmUpcomingDays> mUpcomingDays;
    // The compact clock, made when first shown; the main window's tick updates it.
    frmCompactClock* mCompactClock = nullptr;
    QAction* mCompactClockEntry = nullptr;
    ReminderKeeper* mReminders;
    // The reminders' notices where the desktop has no notification service.
    NoticeWindows* mNotices;
    TrayIcon* mTray;
    Appearance* mAppearance;
    // File > Exit or the tray's Exit: the program ends even when it would stay in the tray.
    bool mExitRequested = false;
    // The clock warning once the time service said the clock is not synchronised.
    QLabel* mClockWarning = nullptr;
};
