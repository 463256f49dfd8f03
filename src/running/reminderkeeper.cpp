#include "reminderkeeper.h"

#include "clock/daystart.h"
#include "clock/systemclock.h"
#include "core/kelvaraerror.h"
#include "desktop/notifier.h"
#include "files/oxlfiles.h"

#include <QTimer>

#include <algorithm>

ReminderKeeper::ReminderKeeper(QObject* parent)
    : QObject(parent)
{
}

void ReminderKeeper::Load()
{
    const SettingsReading reading = ReadSettings();
    mSettings = reading.Settings;
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
    try {
        WriteSettings(mSettings, SettingsGroup::Reminders);
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
                const auto sent = std::find_if(mSent.begin(), mSent.end(), [&](const auto& alert) {
                    return alert.second.Summary == summary && alert.second.Body == body;
                });
                if (sent == mSent.end()) {
                    emit Notice(summary, body, action);
                    return;
                }
                const auto [reminder, alert] = *sent;
                mSent.erase(sent);
                emit Notice(summary, AlertAt(alert.Index, reminder, alert.Start, SystemClock::Now()).Body, action);
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
    const ReminderCheck check = CheckReminders(calibration, QDateTime::fromSecsSinceEpoch(now), mSettings.Reminders,
                                               armedSince);
    mNextCheck = check.NextCheck;
    if (check.Alerts.empty())
        return;
    for (const ReminderAlert& alert : check.Alerts) {
        Reminder& reminder = mSettings.Reminders[alert.Index];
        reminder.Announced = alert.Start;
        Announce(reminder, alert);
    }
    // Remembered at once, so that neither a restart nor a clock set back repeats them.
    Save();
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
    Announce(reminder, ReminderAlertNow(calibration, now, reminder));
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

void ReminderKeeper::Announce(const Reminder& reminder, const ReminderAlert& alert)
{
    const QString action = QLatin1String(reminder.Day == GoodMoonDay ? GoodMoonAction : MainWindowAction);
    if (mNotifier) {
        // Of the last few only: a service that never answers lets none pile up.
        if (mSent.size() >= size_t(MaxReminders))
            mSent.erase(mSent.begin());
        mSent.emplace_back(reminder, alert);
        mNotifier->Notify(alert.Summary, alert.Body, action, ActionLabel(action));
    } else
        emit Notice(alert.Summary, alert.Body, action);
}

void ReminderKeeper::Save()
{
    try {
        WriteSettings(mSettings, SettingsGroup::Reminders);
    } catch (const KelvaraError& error) {
        // Told once a run, in a window that does not stop the clock; the starts stay
        // remembered for as long as the program runs.
        if (!mSaveFailureShown)
            emit Notice(tr("Reminders"), tr("The reminders could not be saved.\n%1").arg(error.message()), QString());
        mSaveFailureShown = true;
    }
}
