// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmnextgoodmoon.h"

#include "clock/forecast.h"
#include "formkit.h"
#include "guard.h"
#include "running/globals.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <tuple>
#include <vector>

namespace {
// A centred label (a value display where it has no caption of its own); a text too long for one line wraps within it.
QLabel* AddCentredLabel(QWidget* parent, const char* name, const QString& caption, double pointSize, QRect rect)
{
    QLabel* label = caption.isEmpty() ? new ValueDisplay(parent, name, Qt::AlignHCenter, rect)
                                      : MakeLabel(parent, name, caption, Qt::AlignHCenter, rect);
    label->setFont(SansFont(pointSize));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// The widest wait text of any wait up to a game month, in the language in use. A wait's
// width is the sum of its units' widths, so each unit's texts are measured once.
QString WidestWaitText(const QFontMetrics& metrics)
{
    auto widths = [&metrics](int count, int unit) {
        std::vector<int> measured;
        for (int value = 0; value < count; ++value)
            measured.push_back(metrics.horizontalAdvance(ForecastWaitText(value * unit)));
        return measured;
    };
    const std::vector<int> days = widths(2, 86400), hours = widths(24, 3600), minutes = widths(60, 60),
                           seconds = widths(60, 1);
    int widest = -1, wait = 0;
    for (int t = 0; t <= RealSecondsPerGameMonth; ++t) {
        const int width = days[size_t(t / 86400)] + hours[size_t(t / 3600 % 24)] + minutes[size_t(t / 60 % 60)]
            + seconds[size_t(t % 60)];
        if (width > widest)
            std::tie(widest, wait) = std::pair{width, t};
    }
    return ForecastWaitText(wait);
}

// The widest moment text: the widest day name with the widest clock time.
QString WidestMomentText(const QFontMetrics& metrics)
{
    QString widest;
    for (int day = 0; day <= 2; ++day) {
        const QString text = DayAtText(day, QStringLiteral("12:00 PM"));
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest))
            widest = text;
    }
    return widest;
}

} // namespace

frmNextGoodMoon::frmNextGoodMoon(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmNextGoodMoon"));
    setWindowTitle(tr("Next Good Moon"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(SansFont());
    ReportAsWindow(this);
    CloseOnEscape(this);

    QLabel* caption = AddCentredLabel(this, "Label1", tr("Next Good Moon in"), 18, TwipsRect(1200, 120, 3735, 495));
    mNextGoodMoon = AddCentredLabel(this, "lblNextGoodMoon", QString(), 12, TwipsRect(120, 720, 6015, 495));
    mNextGoodMoonDay = AddCentredLabel(this, "lblNextGoodMoonDay", QString(), 12, TwipsRect(120, 1320, 6015, 495));
    // The countdown keeps its name; the wait and the moment, new each second, are its text.
    TieCaption(caption, mNextGoodMoon);
    //: What a screen reader names the line with the real day and clock time the good moon begins.
    mNextGoodMoonDay->setAccessibleName(tr("Good moon begins"));
    QPushButton* close = MakeButton(this, "cmdClose", tr("Close"), TwipsRect(2400, 1920, 1455, 375));
    close->setFocus();

    setFixedSize(TwipsToPixels(6210), TwipsToPixels(2415));
    // Room for the widest texts the countdown can show; they stay empty until the first tick.
    mNextGoodMoon->setText(WidestWaitText(mNextGoodMoon->fontMetrics()));
    mNextGoodMoonDay->setText(WidestMomentText(mNextGoodMoonDay->fontMetrics()));
    FitTexts(this);
    mNextGoodMoon->clear();
    mNextGoodMoonDay->clear();

    connect(close, &QPushButton::clicked, this, [this] { ErrorBoundary::Run([this] { cmdClose_Click(); }); });

    // The labels stay empty until the first tick, a second after the window opens.
    mTimer = new QTimer(this);
    mTimer->setObjectName(QStringLiteral("tmrNextGoodMoon"));
    mTimer->setInterval(1000);
    connect(mTimer, &QTimer::timeout, this, [this] { ErrorBoundary::Run([this] { tmrNextGoodMoon_Timer(); }); });
    mTimer->start();
}

void frmNextGoodMoon::tmrNextGoodMoon_Timer()
{
    const GameDayForecast forecast = ForecastGameDay(gCalibration, GoodMoonDay);
    ShowValue(mNextGoodMoon, forecast.WaitText);
    ShowValue(mNextGoodMoonDay, forecast.MomentText);
}

void frmNextGoodMoon::cmdClose_Click()
{
    close();
}

void frmNextGoodMoon::closeEvent(QCloseEvent* event)
{
    // Unloading stops the countdown at once; the window itself goes when the event loop next runs.
    mTimer->stop();
    event->accept();
}
