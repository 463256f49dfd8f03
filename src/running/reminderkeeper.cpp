// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminderkeeper.h"

#include "clock/daystart.h"
#include "clock/systemclock.h"
#include "core/kelvaraerror.h"
#include "desktop/notifier.h"
#include "files/oxlfiles.h"

#include <QTimer>

#include <algorithm>

ReminderKeeper::Saver::Saver()
    : mThread([this] {
        std::unique_lock lock(mLock);
        for (;;) {
            mChanged.wait(lock, [this] { return mEnd || !mSaves.empty(); });
            if (mSaves.empty())
                return;
            const std::function<void()> save = std::move(mSaves.front());
            mSaves.pop_front();
            mBusy = true;
            lock.unlock();
            save();
            lock.lock();
            mBusy = false;
            mChanged.notify_all();
        }
    })
{
}

ReminderKeeper::Saver::~Saver()
{
    {
        const std::lock_guard lock(mLock);
        mEnd = true;
    }
    mChanged.notify_all();
    mThread.join();
}

void ReminderKeeper::Saver::Post(std::function<void()> save)
{
    {
        const std::lock_guard lock(mLock);
        mSaves.push_back(std::move(save));
    }
    mChanged.notify_all();
}

void ReminderKeeper::Saver::Wait()
{
    std::unique_lock lock(mLock);
    mChanged.wait(lock, [this] { return mSaves.empty() && !mBusy; });
}

ReminderKeeper::ReminderKeeper(QObject* parent)
    : QObject(parent)
{
}

ReminderKeeper::~ReminderKeeper() = default;

void ReminderKeeper::Load()
{
    const SettingsReading reading = ReadSettings();
    mSettings = reading.Settings;
    mBase = reading.Settings;
    mArmedSince.assign(mSettings.Reminders.size(), std::nullopt);
    Recount();
    if (reading.Ignored.isEmpty())
        return;
    // Told once the main window shows, in front of it; a long list only begins, so that
    // the window fits on the screen.
    constexpr qsizetype MaxListed = 10;
    const bool unread = reading.About == SettingsReading::Kind::Unread;
    QString text = (unread ? tr("The program uses its default settings, as %1 could not be used:\n")
                           : tr("These entries of %1 could not be used:\n"))
                       .arg(QLatin1String(SettingsFileName))
        + reading.Ignored.mid(0, MaxListed).join(QLatin1Char('\n'));
    if (reading.Ignored.size() > MaxListed)
        text += QLatin1Char('\n') + tr("and %n more", nullptr, static_cast<int>(reading.Ignored.size() - MaxListed));
    if (!mSettings.Unusable.empty())
        text += tr("\nThey stay in the file, and greyed in Tools \u2192 Reminders\u2026, until you change or remove "
                   "them there.");
    const QString title = unread                            ? tr("The settings could not be read")
        : reading.About == SettingsReading::Kind::Reminders ? tr("Some reminders were ignored")
                                                            : tr("Some settings were ignored");
    QTimer::singleShot(0, this, [this, title, text] { emit Notice(title, text, QString()); });
}

QString ReminderKeeper::Apply(const ProgramSettings& settings)
{
    // Starts announced while the window was open are not lost: a reminder whose day the
    // player left as it was keeps the later of the two announced starts.
    const ProgramSettings before = mSettings;
    const std::vector<std::optional<int64_t>> armedBefore = mArmedSince;
    mSettings = settings;
    // A reminder switched on, added or moved to another day is armed from the next tick on.
    mArmedSince.assign(mSettings.Reminders.size(), std::nullopt);
    for (size_t i = 0; i < std::min(mSettings.Reminders.size(), mSettings.ReminderIds.size()); ++i) {
        const auto& ids = before.ReminderIds;
        const auto same = std::find(ids.begin(), ids.end(), mSettings.ReminderIds[i]);
        const auto at = static_cast<size_t>(same - ids.begin());
        if (same == ids.end() || at >= before.Reminders.size())
            continue;
        const std::optional<int64_t>& announced = before.Reminders[at].Announced;
        Reminder& reminder = mSettings.Reminders[i];
        if (reminder.Day != before.Reminders[at].Day)
            continue;
        if (announced)
            reminder.Announced = std::max(reminder.Announced.value_or(*announced), *announced);
        if (reminder.Enabled && before.Reminders[at].Enabled && at < armedBefore.size())
            mArmedSince[i] = armedBefore[at];
    }
    Recount();
    // After the saves asked for before, and at once: the window says when it failed.
    mSaver.Wait();
    ++mSaves;
    try {
        TakeIn(WriteSettings(mSettings, SettingsGroup::Reminders, &mBase));
    } catch (const KelvaraError& error) {
        return tr("The reminders could not be saved.\n%1").arg(error.message());
    }
    return QString();
}

void ReminderKeeper::SetNotifier(Notifier* notifier)
{
    mNotifier = notifier;
    mDesktopKnown = true;
    emit NextCheckChanged();
    if (!notifier)
        return;
    connect(notifier, &Notifier::Unavailable, this,
            [this](const QString& summary, const QString& body, const QString& action) {
                const auto sent = std::find_if(mSent.begin(), mSent.end(), [&](const Sent& s) {
                    return s.Alert.Summary == summary && s.Alert.Body == body;
                });
                if (sent == mSent.end()) {
                    emit Notice(summary, body, action);
                    return;
                }
                const Sent told = *sent;
                mSent.erase(sent);
                emit Notice(summary, AlertAt(told.Alert.Index, told.Value, told.Alert.Start, SystemClock::Now()).Body,
                            action);
                Told(told.Id, told.Alert.Start);
            });
    connect(notifier, &Notifier::Delivered, this, [this](const QString& summary, const QString& body) {
        const auto sent = std::find_if(mSent.begin(), mSent.end(), [&](const Sent& s) {
            return s.Alert.Summary == summary && s.Alert.Body == body;
        });
        if (sent == mSent.end())
            return;
        const Sent told = *sent;
        mSent.erase(sent);
        Told(told.Id, told.Alert.Start);
    });
    connect(notifier, &Notifier::Activated, this, &ReminderKeeper::Activated);
}

void ReminderKeeper::Tick(const ClockCalibration& calibration, int64_t now)
{
    // Armed since a moment of the boot clock, told as the moment as far before `now`.
    const int64_t boot = SystemClock::SinceBoot();
    mArmedSince.resize(mSettings.Reminders.size());
    for (std::optional<int64_t>& armed : mArmedSince)
        armed = armed.value_or(boot);
    if (mHeld || !mDesktopKnown || now < mNextCheck)
        return;
    std::vector<int64_t> armedSince;
    for (const std::optional<int64_t>& armed : mArmedSince)
        armedSince.push_back(now - std::max<int64_t>(boot - *armed, 0));
    // A start sent counts as announced while the program runs, told or not: a clock set back
    // does not send it again.
    std::vector<Reminder> reminders = mSettings.Reminders;
    for (size_t i = 0; i < reminders.size() && i < mSettings.ReminderIds.size(); ++i) {
        if (const auto sent = mSentStarts.find(mSettings.ReminderIds[i]); sent != mSentStarts.end())
            reminders[i].Announced = std::max(reminders[i].Announced.value_or(sent->second), sent->second);
    }
    const ReminderCheck check = CheckReminders(calibration, QDateTime::fromSecsSinceEpoch(now), reminders, armedSince);
    mNextCheck = check.NextCheck;
    for (const ReminderAlert& alert : check.Alerts) {
        const quint64 id = alert.Index < mSettings.ReminderIds.size() ? mSettings.ReminderIds[alert.Index] : 0;
        mSentStarts[id] = alert.Start;
        Announce(mSettings.Reminders[alert.Index], alert, id);
    }
}

void ReminderKeeper::Hold(bool held)
{
    mHeld = held;
    if (!held)
        mNextCheck = std::numeric_limits<int64_t>::min();
    emit NextCheckChanged();
}

void ReminderKeeper::Recount()
{
    mNextCheck = std::numeric_limits<int64_t>::min();
    emit NextCheckChanged();
}

int64_t ReminderKeeper::NextCheck() const
{
    return mHeld || !mDesktopKnown ? std::numeric_limits<int64_t>::max() : mNextCheck;
}

void ReminderKeeper::Test(const ClockCalibration& calibration, const QDateTime& now, const Reminder& reminder)
{
    Announce(reminder, ReminderAlertNow(calibration, now, reminder), 0);
}

QString ReminderKeeper::NextReminderText(const QDateTime& now) const
{
    if (mNextCheck == std::numeric_limits<int64_t>::max())
        return tr("No reminder is on");
    // A moment rather than a wait, so that the text stays true until the next check; before
    // the first check, that is at once.
    const int64_t at = std::max<int64_t>(mNextCheck, now.toSecsSinceEpoch());
    return tr("Next reminder at %1, %2").arg(LocalClockText(at), CurrentDateText(QDateTime::fromSecsSinceEpoch(at)));
}

QString ReminderKeeper::ActionLabel(const QString& action)
{
    return action == QLatin1String(GoodMoonAction) ? tr("Next Good Moon") : tr("Show Kelvara Utility");
}

void ReminderKeeper::Announce(const Reminder& reminder, const ReminderAlert& alert, quint64 id)
{
    const QString action = QLatin1String(reminder.Day == GoodMoonDay ? GoodMoonAction : MainWindowAction);
    if (mNotifier) {
        // Of the last few only: a service that never answers lets none pile up.
        if (mSent.size() >= size_t(MaxReminders))
            mSent.erase(mSent.begin());
        mSent.push_back({id, reminder, alert});
        mNotifier->Notify(alert.Summary, alert.Body, action, ActionLabel(action));
    } else {
        emit Notice(alert.Summary, alert.Body, action);
        Told(id, alert.Start);
    }
}

void ReminderKeeper::Told(quint64 id, int64_t start)
{
    const auto& ids = mSettings.ReminderIds;
    const auto at = std::find(ids.begin(), ids.end(), id);
    if (id == 0 || at == ids.end() || size_t(at - ids.begin()) >= mSettings.Reminders.size())
        return;
    std::optional<int64_t>& announced = mSettings.Reminders[size_t(at - ids.begin())].Announced;
    if (announced && *announced >= start)
        return;
    // Remembered once told, so that neither a restart nor a clock set back repeats it.
    announced = start;
    Save();
}

void ReminderKeeper::Save()
{
    const quint64 save = ++mSaves;
    mSaver.Post([this, save, settings = mSettings, base = mBase] {
        try {
            const ProgramSettings written = WriteSettings(settings, SettingsGroup::Reminders, &base);
            QMetaObject::invokeMethod(
                this, [this, save, written] { save == mSaves ? TakeIn(written) : void(); }, Qt::QueuedConnection);
        } catch (const KelvaraError& error) {
            QMetaObject::invokeMethod(
                this, [this, reason = error.message()] { SaveFailed(reason); }, Qt::QueuedConnection);
        }
    });
    // What the next save merges against stays what the file held when this program last took it
    // in: a save that fails changes nothing there, and this one's changes are here as well.
}

void ReminderKeeper::TakeIn(const ProgramSettings& written)
{
    // While the Reminders window shows the reminders, they stay as it has them; the next save
    // merges again what this one brought.
    if (mHeld)
        return;
    mBase = written;
    if (written.Reminders == mSettings.Reminders && written.ReminderIds == mSettings.ReminderIds
        && written.Unusable == mSettings.Unusable)
        return;
    // What the file brought: each reminder keeps since when it has been armed by its identity.
    std::vector<std::optional<int64_t>> armed(written.Reminders.size());
    for (size_t i = 0; i < armed.size() && i < written.ReminderIds.size(); ++i) {
        const auto& ids = mSettings.ReminderIds;
        const auto at = std::find(ids.begin(), ids.end(), written.ReminderIds[i]);
        if (at != ids.end() && size_t(at - ids.begin()) < mArmedSince.size())
            armed[i] = mArmedSince[size_t(at - ids.begin())];
    }
    mSettings.Reminders = written.Reminders;
    mSettings.ReminderIds = written.ReminderIds;
    mSettings.Unusable = written.Unusable;
    mArmedSince = std::move(armed);
    Recount();
}

void ReminderKeeper::SaveFailed(const QString& reason)
{
    // Told once a run, in a window that does not stop the clock; the starts stay
    // remembered for as long as the program runs.
    if (!mSaveFailureShown)
        emit Notice(tr("Reminders"), tr("The reminders could not be saved.\n%1").arg(reason), QString());
    mSaveFailureShown = true;
}
