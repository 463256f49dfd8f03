// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmupcomingdays.h"

#include "clock/systemclock.h"
#include "core/kelvaraerror.h"
#include "core/language.h"
#include "dialogs.h"
#include "files/calendarexport.h"
#include "formkit.h"
#include "guard.h"
#include "running/globals.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QSpinBox* AddSpin(QWidget* parent, const char* name, int low, int high, int value)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(low, high);
    spin->setValue(value);
    return spin;
}

} // namespace

frmUpcomingDays::frmUpcomingDays(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmUpcomingDays"));
    setWindowTitle(tr("Upcoming Days"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(SansFont());
    ReportAsWindow(this);
    CloseOnEscape(this);

    mDay = AddSpin(this, "spnDay", 1, 28, 15);
    mCount = AddSpin(this, "spnCount", 1, 1000, 10);
    // The calendar's reminder, in minutes before each start; none at first.
    mRemind = AddSpin(this, "spnRemind", 0, 1440, 0);
    mRemind->setSpecialValueText(
        //: The calendar reminder box at 0: the events get no reminder.
        tr("none"));
    mRemind->setSuffix(
        //: Follows the number of minutes in the calendar reminder box, as "30 min before".
        tr(" min before"));
    auto* choice = new QHBoxLayout();
    for (auto [caption, spin] : {std::pair{tr("&Game day (1-28):"), mDay}, std::pair{tr("&Count:"), mCount},
                                 std::pair{tr("&Reminder:"), mRemind}}) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(spin);
        choice->addWidget(label);
        choice->addWidget(spin);
        choice->addSpacing(16);
    }
    choice->addStretch();

    mTable = new QTableWidget(0, 5, this);
    mTable->setObjectName(QStringLiteral("tblUpcomingDays"));
    mTable->setAccessibleName(windowTitle());
    // Tab goes on to the buttons; the arrow keys move within the table.
    mTable->setTabKeyNavigation(false);
    mTable->setHorizontalHeaderLabels(
        {tr("Weekday"), tr("Real Date"), tr("Real Time"), tr("Wait"), tr("Kelvara Date")});
    mTable->verticalHeader()->hide();
    mTable->verticalHeader()->setDefaultSectionSize(mTable->fontMetrics().height() + 8);
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    QPushButton* exportButton = MakeButton(this, "cmdExport", tr("Export to Calendar…"), {});
    QPushButton* close = MakeButton(this, "cmdClose", tr("Close"), {});
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(exportButton);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(mTable);
    layout->addLayout(buttons);
    // Ten rows show without scrolling.
    resize(TwipsToPixels(8400), mTable->verticalHeader()->defaultSectionSize() * 10 + TwipsToPixels(2100));

    connect(exportButton, &QPushButton::clicked, this, [this] { ErrorBoundary::Run([this] { cmdExport_Click(); }); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto refresh = [this] { ErrorBoundary::Run([this] { tmrUpcomingDays_Timer(); }); };
    connect(mDay, &QSpinBox::valueChanged, this, refresh);
    connect(mCount, &QSpinBox::valueChanged, this, refresh);

    mTimer = new QTimer(this);
    mTimer->setObjectName(QStringLiteral("tmrUpcomingDays"));
    mTimer->setInterval(1000);
    connect(mTimer, &QTimer::timeout, this, refresh);
    mTimer->start();
    tmrUpcomingDays_Timer();
}

void frmUpcomingDays::tmrUpcomingDays_Timer()
{
    const QDateTime now = SystemClock::Now();
    mStarts = NextDayStarts(gCalibration, now, mDay->value(), mCount->value());
    mTable->setRowCount(int(mStarts.size()));
    const QLocale locale = Language::CurrentLocale();
    for (int row = 0; row < mTable->rowCount(); ++row) {
        const DayStart& start = mStarts[size_t(row)];
        const QDateTime local = QDateTime::fromSecsSinceEpoch(start.Instant);
        const QString texts[] = {locale.dayName(local.date().dayOfWeek()), CurrentDateText(local),
                                 LocalClockText(start.Instant), ShortWaitText(start.Instant - now.toSecsSinceEpoch()),
                                 start.GameDate};
        for (int column = 0; column < 5; ++column) {
            // Only a text that changed is set: most cells stay the same from second to second.
            QTableWidgetItem* cell = mTable->item(row, column);
            if (!cell)
                mTable->setItem(row, column, new QTableWidgetItem(texts[column]));
            else if (cell->text() != texts[column])
                cell->setText(texts[column]);
        }
    }
}

void frmUpcomingDays::cmdExport_Click()
{
    const int day = mDay->value();
    const QString path = Dialogs::SaveFile(
        this, Dialogs::Caption(findChild<QPushButton*>(QStringLiteral("cmdExport"))->text()),
        QDir::home().filePath(QStringLiteral("kelvara-day%1.ics").arg(day)), tr("iCalendar files (*.ics)"));
    if (path.isEmpty())
        return;
    tmrUpcomingDays_Timer();
    try {
        ExportCalendar(path, mStarts, day, mRemind->value() > 0 ? std::optional(mRemind->value()) : std::nullopt,
                       SystemClock::Now());
    } catch (const KelvaraError& error) {
        Dialogs::Message(this, //: %1 is the reason, on a line of its own.
                         tr("The calendar could not be saved.\n%1").arg(error.message()));
    }
}

void frmUpcomingDays::closeEvent(QCloseEvent* event)
{
    mTimer->stop();
    event->accept();
}
