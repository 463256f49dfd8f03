// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/daystart.h"

#include <QWidget>

#include <vector>

class QSpinBox;
class QTableWidget;
class QTimer;

// "Upcoming Days": the coming starts of a chosen game day, one a row, with the real day
// and clock time, the wait from now and the game date; they can be exported to a calendar
// file. Not modal; it reads the calibration the main window keeps current and refreshes
// once a second.
class frmUpcomingDays : public QWidget
{
    Q_OBJECT

public:
    explicit frmUpcomingDays(QWidget* parent = nullptr);

public slots:
    void tmrUpcomingDays_Timer();
    void cmdExport_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QSpinBox* mDay;
    QSpinBox* mCount;
    QSpinBox* mRemind;
    QTableWidget* mTable;
    QTimer* mTimer;
    std::vector<DayStart> mStarts;
};
