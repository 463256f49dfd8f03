// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/settings.h"

#include <QObject>
#include <QPointer>

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

class Notifier;

// Keeps the reminders while the program runs: reads them from the settings file,
// checks them on the main window's tick, announces what is due (a desktop
// notification, or a notice the windows show where the desktop has no notification
// service) and remembers each announced start in the settings file once it was told:
// the notification service answered the notification with its number, or the program
// showed it in a window of its own. A start sent and not answered is not sent again
// while the program runs, and is sent again after a restart. The file is saved on a
// thread of its own, merged with what another writer changed in it meanwhile (see
// WriteSettings); what the merge brought is taken in.
class ReminderKeeper : public QObject
{
    Q_OBJECT

public:
    explicit ReminderKeeper(QObject* parent = nullptr);
    // Waits for the saves asked for.
    ~ReminderKeeper() override;

    // The actions a notification offers.
    static constexpr char GoodMoonAction[] = "good-moon";
    static constexpr char MainWindowAction[] = "main-window";

    // Waits for the saves asked for, as the program is about to end without its closing sequence.
    void WaitForSaves() { mSaver.Wait(); }
    // Reads the settings file; the player is told once which entries were ignored.
    void Load();
    const ProgramSettings& Settings() const { return mSettings; }
    // New settings from the Reminders window: they count at once and are saved. A
    // reminder found by its identity, with its day unchanged, keeps the later of its
    // announced start here and the one the window returns. Returns why the reminders
    // could not be saved, or the empty text.
    QString Apply(const ProgramSettings& settings);

    // Notifications go to this service from now on; without one, to the Notice signal.
    // Until it is called nothing is announced: the desktop's services are not known
    // yet, and what falls due meanwhile waits for the next tick after it.
    void SetNotifier(Notifier* notifier);

    // On every tick of the main window, with the moment of the calibration (seconds
    // since the epoch). Costs a comparison until a reminder can be due.
    void Tick(const ClockCalibration& calibration, int64_t now);
    // While held (the Reminders window is open) nothing is announced; afterwards the
    // next tick announces what fell due meanwhile (a day begun meanwhile as begun).
    void Hold(bool held);
    // The calibration was set anew: the next tick works the reminders out afresh.
    void Recount();
    // Shows the reminder's notification for its next start now.
    void Test(const ClockCalibration& calibration, const QDateTime& now, const Reminder& reminder);

    // "Next reminder at 3:55 PM, 12/08/2026", as of the last check.
    QString NextReminderText(const QDateTime& now) const;
    // The moment (seconds since the epoch) from which a tick can announce something:
    // the minimum at once, the maximum while nothing can fall due before the reminders,
    // the hold or the desktop's services change (which NextCheckChanged then tells).
    int64_t NextCheck() const;

    // The text of a notification's action button.
    static QString ActionLabel(const QString& action);

signals:
    // A notice for a window of the program's own: the summary, the text, and the action
    // its button offers (none: it has only its Close button). The player choosing the
    // action emits Activated.
    void Notice(const QString& summary, const QString& body, const QString& action);
    // The player chose a notification's action.
    void Activated(const QString& action);
    // The next check moved other than by a tick: the reminders, the hold or the services changed.
    void NextCheckChanged();

private:
    // Saves one at a time, in the order asked for, on a thread of their own.
    class Saver
    {
    public:
        Saver();
        ~Saver();
        void Post(std::function<void()> save);
        void Wait();

    private:
        std::mutex mLock;
        std::condition_variable mChanged;
        std::deque<std::function<void()>> mSaves;
        bool mBusy = false;
        bool mEnd = false;
        std::thread mThread;
    };

    struct Sent
    {
        quint64 Id = 0; // of the reminder; 0 for a test
        Reminder Value;
        ReminderAlert Alert;
    };

    void Announce(const Reminder& reminder, const ReminderAlert& alert, quint64 id);
    void Told(quint64 id, int64_t start);
    void Save();
    void TakeIn(const ProgramSettings& written);
    void SaveFailed(const QString& reason);

    ProgramSettings mSettings;
    // The reminders as the file holds them as far as this program knows, read or saved last: what
    // a save merges against.
    ProgramSettings mBase;
    // The start sent last for a reminder, by its identity, told or not yet.
    std::map<quint64, int64_t> mSentStarts;
    quint64 mSaves = 0; // asked for; a save's result is taken in when it is the last one

    int64_t mNextCheck = std::numeric_limits<int64_t>::min();
    QPointer<Notifier> mNotifier;
    // What was handed to the notification service and not yet answered for, with its
    // reminder: shown by the program itself, the wait is written again as it is then.
    std::vector<Sent> mSent;
    bool mSaveFailureShown = false;
    bool mHeld = false;
    bool mDesktopKnown = false;
    // For the starts told late: since when each reminder has been armed, in seconds since
    // boot (SystemClock::SinceBoot, which neither a suspend nor a clock set anew upsets),
    // parallel to mSettings.Reminders; none: armed at the next tick.
    std::vector<std::optional<int64_t>> mArmedSince;
    Saver mSaver; // last: it ends first, and waits for its saves
};
