// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/gameclock.h"
#include "common/testfolder.h"

#include <QDateTime>

// What the reminder keeper's tests stand on: a settings file in a folder of their own, and 14:30 on 06/15/2026, when
// day 15 begins in 100 seconds: its 10-minute reminder is due.
struct ReminderMoment
{
    TestFolder mDir;
    const QString mFile = mDir.filePath(QStringLiteral("kelvara-utility.ini"));
    const QDateTime mNow{QDate(2026, 6, 15), QTime(14, 30, 0)};
    const ClockCalibration mClock = ComputeGameTime(
        ClockCalibration::FromTexts(QStringLiteral("14:30:00"), QStringLiteral("06/15/2026"),
                                    QStringLiteral("23:30:00"), QStringLiteral("03/14/0005")),
        mNow);
};
