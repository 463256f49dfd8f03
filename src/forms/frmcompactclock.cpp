// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmcompactclock.h"

#include "clock/daystart.h"
#include "clock/systemclock.h"
#include "core/kelvaraerror.h"
#include "dialogs.h"
#include "files/settings.h"
#include "formkit.h"
#include "running/globals.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace {

// Changes the clock's group of the settings file; a save that fails is reported.
void SaveClock(const std::function<void(CompactClockSettings&)>& change)
{
    ProgramSettings settings = ReadSettings().Settings;
    change(settings.CompactClock);
    try {
        WriteSettings(settings, SettingsGroup::CompactClock);
    } catch (const KelvaraError& error) {
        Dialogs::Message(nullptr,
                         frmCompactClock::tr("The compact clock could not be saved.\n%1").arg(error.message()));
    }
}

} // namespace

frmCompactClock::frmCompactClock(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setObjectName(QStringLiteral("frmCompactClock"));
    setWindowTitle(tr("Kelvara Compact Clock"));
    ReportAsWindow(this);
    setToolTip(tr("Drag to move. Tools \u2192 Compact Clock hides it."));
    setCursor(Qt::SizeAllCursor);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x20, 0x24, 0x30));
    palette.setColor(QPalette::WindowText, QColor(0xf0, 0xe6, 0xc8));
    setPalette(palette);

    mGameTime = new ValueDisplay(this, "lblGameTime", Qt::AlignLeft);
    mGameTime->setFont(SansFont(12));
    mGoodMoon = new ValueDisplay(this, "lblGoodMoonWait", Qt::AlignLeft);
    mGoodMoon->setFont(SansFont(9));
    // Named as in the main window and the countdown.
    mGameTime->setAccessibleName(QCoreApplication::translate("frmMain", "Kelvara Time"));
    mGoodMoon->setAccessibleName(QCoreApplication::translate("frmNextGoodMoon", "Next Good Moon"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(0);
    layout->addWidget(mGameTime);
    layout->addWidget(mGoodMoon);
    // Wide enough for the longest texts in the language in use, so the window keeps its
    // size as they change: the longest wait is 1 d 23 h 59 min.
    const int width = std::max(mGameTime->fontMetrics().horizontalAdvance(QStringLiteral("12:59 PM   12/28/0000")),
                               mGoodMoon->fontMetrics().horizontalAdvance(GoodMoonText(((24 + 23) * 60 + 59) * 60)));
    setFixedSize(width + 24, mGameTime->fontMetrics().height() + mGoodMoon->fontMetrics().height() + 16);
    // A move by the window system ends without a release reaching the window: the place is
    // kept once the window has stood still for a moment.
    mPlaceSaver.setSingleShot(true);
    mPlaceSaver.setInterval(700);
    connect(&mPlaceSaver, &QTimer::timeout, this, [this] { SavePlace(); });
    // Moved back on the screens when they shrink; the place kept is still the one it was dragged to.
    KeepOnScreen(this);
}

QString frmCompactClock::GoodMoonText(int64_t wait)
{
    //: The compact clock's second line; %1 is a short wait to the minute, as 1 d 23 h 59 min.
    return tr("Good moon in %1").arg(ShortWaitText(wait, false));
}

bool frmCompactClock::SavedVisible()
{
    return ReadSettings().Settings.CompactClock.Visible;
}

void frmCompactClock::SaveVisible(bool visible)
{
    SaveClock([visible](CompactClockSettings& clock) { clock.Visible = visible; });
}

void frmCompactClock::ShowAtSavedPlace()
{
    const std::optional<QPoint> place = ReadSettings().Settings.CompactClock.Place;
    if (!PlatformPlacesWindows()) {
        // The compositor places it.
    } else if (place && QGuiApplication::screenAt(*place)) {
        // Wholly on the screens, when they are smaller than where it was dragged.
        move(KeptOnScreen(QRect(*place, frameGeometry().size()), ScreenAreas()));
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // The first time, or a place on a screen that is gone: the top right corner.
        const QRect area = screen->availableGeometry();
        move(area.right() - width() - 16, area.top() + 16);
    }
    Update();
    show();
}

void frmCompactClock::Update()
{
    ShowValue(mGameTime, FormatTime12Hour(gCalibration.OXLTime) + QStringLiteral("   ") + gCalibration.OXLDate);
    // The moment of the latest tick; before the first one, the calibration's own.
    const QDateTime now = gCalibration.Instant ? QDateTime::fromSecsSinceEpoch(*gCalibration.Instant)
                                               : SystemClock::Now();
    const DayStart next = NextDayStarts(gCalibration, now, GoodMoonDay, 1).front();
    // To the minute: the window then changes no more often than the main window's game clock.
    ShowValue(mGoodMoon, GoodMoonText(next.Instant - now.toSecsSinceEpoch()));
}

void frmCompactClock::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The window system's own move, as a title bar has it; where it has none, the window follows the mouse.
    mSystemMove = windowHandle() && windowHandle()->startSystemMove();
    if (!mSystemMove)
        mGrab = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void frmCompactClock::mouseMoveEvent(QMouseEvent* event)
{
    if (mGrab)
        move(event->globalPosition().toPoint() - *mGrab);
}

void frmCompactClock::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !mGrab)
        return;
    mGrab.reset();
    SavePlace();
}

void frmCompactClock::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (mSystemMove)
        mPlaceSaver.start();
}

void frmCompactClock::SavePlace()
{
    mSystemMove = false;
    if (PlatformPlacesWindows())
        SaveClock([this](CompactClockSettings& clock) { clock.Place = pos(); });
}
