// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;

// "Set Date and Time": the player types a real date and time and the game date and
// time that belonged to it; the four texts become the new calibration.
class frmDateTime : public QDialog
{
    Q_OBJECT

public:
    explicit frmDateTime(QWidget* parent = nullptr);

private slots:
    void cmdSetDateandTime_Click();
    void cmdCancel_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* mRealTime;
    QLineEdit* mRealDate;
    QLineEdit* mOXLTime;
    QLineEdit* mOXLDate;
};
