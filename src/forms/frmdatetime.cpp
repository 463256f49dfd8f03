// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmdatetime.h"

#include "clock/texttests.h"
#include "dialogs.h"
#include "formkit.h"
#include "guard.h"
#include "running/globals.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// A text box, named by the caption before it.
QLineEdit* AddTextBox(QLabel* caption, const char* name, int maxLength, QRect rect)
{
    auto* box = new QLineEdit(caption->parentWidget());
    TieCaption(caption, box);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(maxLength);
    box->setGeometry(rect);
    return box;
}
} // namespace

frmDateTime::frmDateTime(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDateTime"));
    setWindowTitle(tr("Set Date and Time"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFont(SansFont());

    auto* intro = MakeLabel(this, "Label2",
                            //: "p.m." names the 12-hour time of the example; the entry itself is on the 24-hour clock.
                            tr("Enter times in 24 hour format.  Example 4:45 p.m. would be entered as 16:45:00"),
                            Qt::AlignLeft, TwipsRect(600, 240, 3615, 495));
    intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    intro->setWordWrap(true);
    mRealTime = AddTextBox(
        MakeLabel(this, "Label1", tr("Real Time (HH:MM:SS)"), Qt::AlignRight, TwipsRect(720, 1080, 1815, 255)),
        "txtRealTime", 8, TwipsRect(2760, 1080, 1455, 285));
    mRealDate = AddTextBox(
        MakeLabel(this, "Label3", tr("Real Date (MM/DD/YYYY)"), Qt::AlignRight, TwipsRect(360, 1440, 2175, 255)),
        "txtRealDate", 10, TwipsRect(2760, 1440, 1455, 285));
    mOXLTime = AddTextBox(
        MakeLabel(this, "Label4", tr("Kelvara Time (HH:MM:SS)"), Qt::AlignRight, TwipsRect(480, 1800, 2055, 255)),
        "txtOXLTime", 8, TwipsRect(2760, 1800, 1455, 285));
    mOXLDate = AddTextBox(
        MakeLabel(this, "Label5", tr("Kelvara Date (MM/DD/YYYY)"), Qt::AlignRight, TwipsRect(120, 2160, 2415, 255)),
        "txtOXLDate", 10, TwipsRect(2760, 2160, 1455, 285));
    auto* set = MakeButton(this, "cmdSetDateandTime", tr("Set Date and Times"), TwipsRect(120, 2760, 1935, 375));
    auto* cancel = MakeButton(this, "cmdCancel", tr("Cancel"), TwipsRect(2280, 2760, 1935, 375));

    setTabOrder(mRealTime, mRealDate);
    setTabOrder(mRealDate, mOXLTime);
    setTabOrder(mOXLTime, mOXLDate);
    setTabOrder(mOXLDate, set);
    setTabOrder(set, cancel);
    mRealTime->setFocus();

    setFixedSize(TwipsToPixels(4365), TwipsToPixels(3405));
    FitTexts(this);

    connect(set, &QPushButton::clicked, this, [this] { ErrorBoundary::Run([this] { cmdSetDateandTime_Click(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { ErrorBoundary::Run([this] { cmdCancel_Click(); }); });
}

void frmDateTime::cmdSetDateandTime_Click()
{
    struct Check
    {
        QLineEdit* box;
        bool (*test)(const QString&);
        const char* message;
    };
    const Check checks[] = {
        {mRealTime, IsValidTimeText,
         QT_TR_NOOP("The real time is not in the correct format.  Please fix it and try again.")},
        {mRealDate, IsValidDateText,
         QT_TR_NOOP("The real date is not in the correct format.  Please fix it and try again.")},
        {mOXLTime, IsValidTimeText,
         QT_TR_NOOP("The Kelvara time is not in the correct format.  Please fix it and try again.")},
        {mOXLDate, IsValidDateText,
         QT_TR_NOOP("The Kelvara date is not in the correct format.  Please fix it and try again.")},
    };
    for (const Check& check : checks) {
        if (!check.test(check.box->text())) {
            Dialogs::Message(this, tr(check.message));
            return;
        }
    }
    // Stored as typed; the next tick of the main window carries the game clock on
    // from this pair.
    gCalibration = ClockCalibration::FromTexts(mRealTime->text(), mRealDate->text(), mOXLTime->text(),
                                               mOXLDate->text());
    accept();
}

void frmDateTime::cmdCancel_Click()
{
    reject();
}

void frmDateTime::keyPressEvent(QKeyEvent* event)
{
    // Neither button answers Enter, which does nothing here; Escape cancels, as Cancel does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
