#include "frmnextgoodmoon.h"

#include "clock/forecast.h"
#include "formkit.h"
#include "globals.h"
#include "guard.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
// A centred label; a caption too long for one line wraps within it.
QLabel* AddCentredLabel(QWidget* parent, const char* name, const QString& caption, double pointSize, QRect rect)
{
    QLabel* label = MakeLabel(parent, name, caption, Qt::AlignHCenter, rect);
    label->setFont(SansFont(pointSize));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}
} // namespace

frmNextGoodMoon::frmNextGoodMoon(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmNextGoodMoon"));
    setWindowTitle(QStringLiteral("Next Good Moon"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(SansFont());

    AddCentredLabel(this, "Label1", QStringLiteral("Next Good Moon in"), 18, TwipsRect(1200, 120, 3735, 495));
    mNextGoodMoon = AddCentredLabel(this, "lblNextGoodMoon", QString(), 12, TwipsRect(120, 720, 6015, 495));
    mNextGoodMoonDay = AddCentredLabel(this, "lblNextGoodMoonDay", QString(), 12, TwipsRect(120, 1320, 6015, 495));
    QPushButton* close = MakeButton(this, "cmdClose", QStringLiteral("Close"), TwipsRect(2400, 1920, 1455, 375));
    close->setFocus();

    setFixedSize(TwipsToPixels(6210), TwipsToPixels(2415));

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
    mNextGoodMoon->setText(forecast.WaitText);
    mNextGoodMoonDay->setText(forecast.MomentText);
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
