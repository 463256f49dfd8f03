// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// "Next Good Moon": counts down, once a second, to the next start of game day 15,
// the good moon. Not modal; it reads the calibration the main window keeps current.
// Closing it unloads it.
class frmNextGoodMoon : public QWidget
{
    Q_OBJECT

public:
    explicit frmNextGoodMoon(QWidget* parent = nullptr);

public slots:
    void tmrNextGoodMoon_Timer();
    void cmdClose_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* mNextGoodMoon;
    QLabel* mNextGoodMoonDay;
    QTimer* mTimer;
};
