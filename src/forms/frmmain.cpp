// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmmain.h"

#include "appearance.h"
#include "clock/nextday.h"
#include "core/kelvaraerror.h"
#include "db/moddb.h"
#include "db/rankchart.h"
#include "desktop/clockcheck.h"
#include "desktop/notifier.h"
#include "dialogs.h"
#include "files/character.h"
#include "files/oxlfiles.h"
#include "formkit.h"
#include "frmabout.h"
#include "frmcompactclock.h"
#include "frmdatetime.h"
#include "frmfinditems.h"
#include "frmmsgbox.h"
#include "frmnextgoodmoon.h"
#include "frmnotice.h"
#include "frmpreferences.h"
#include "frmreminders.h"
#include "frmstats.h"
#include "frmupcomingdays.h"
#include "guard.h"
#include "modgeneral.h"
#include "running/globals.h"
#include "running/reminderkeeper.h"
#include "running/ticker.h"
#include "trayicon.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

// A value box: white background and a single border.
QLabel* AddBox(QWidget* parent, const char* name, QRect rect)
{
    auto* label = new ValueDisplay(parent, name, Qt::AlignLeft, rect);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

QFrame* AddLine(QWidget* parent, const char* name, QRect rect)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(rect);
    return line;
}

QAction* AddEntry(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Kelvara Utility"));
    setFont(SansFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    QLabel* caption = MakeLabel(client, "Label4", tr("Real Time"), Qt::AlignRight, TwipsRect(120, 120, 735, 255));
    mRealTime = new ValueDisplay(client, "lblRealTime", Qt::AlignLeft, TwipsRect(960, 120, 1095, 255));
    TieCaption(caption, mRealTime);
    caption = MakeLabel(client, "Label5", tr("Real Date"), Qt::AlignRight, TwipsRect(120, 480, 735, 255));
    mRealDate = new ValueDisplay(client, "lblRealDate", Qt::AlignLeft, TwipsRect(960, 480, 1095, 255));
    TieCaption(caption, mRealDate);
    caption = MakeLabel(client, "Label6", tr("Kelvara Time"), Qt::AlignRight, TwipsRect(2280, 120, 1215, 255));
    mKelvaraTime = new ValueDisplay(client, "lblKelvaraTime", Qt::AlignLeft, TwipsRect(3600, 120, 975, 255));
    TieCaption(caption, mKelvaraTime);
    caption = MakeLabel(client, "Label7", tr("Kelvara Date"), Qt::AlignRight, TwipsRect(2280, 480, 1215, 255));
    mKelvaraDate = new ValueDisplay(client, "lblKelvaraDate", Qt::AlignLeft, TwipsRect(3600, 480, 975, 255));
    TieCaption(caption, mKelvaraDate);

    AddLine(client, "Line1", QRect(0, 0, TwipsToPixels(4740), 2));
    AddLine(client, "Line2", QRect(0, TwipsToPixels(840) - 1, TwipsToPixels(5160), 2));

    caption = MakeLabel(client, "Label1", tr("Character Number"), Qt::AlignRight, TwipsRect(120, 1080, 1335, 255));
    TieCaption(caption, AddBox(client, "lblCharacterNumber", TwipsRect(1560, 1080, 975, 255)));
    caption = MakeLabel(client, "Label2", tr("Name"), Qt::AlignRight, TwipsRect(120, 1440, 1335, 255));
    TieCaption(caption, AddBox(client, "lblName", TwipsRect(1560, 1440, 1815, 255)));
    caption = MakeLabel(client, "Label3", tr("Description"), Qt::AlignRight, TwipsRect(120, 1800, 1335, 255));
    QLabel* description = AddBox(client, "lblDescription", TwipsRect(1560, 1800, 3015, 1095));
    TieCaption(caption, description);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setWordWrap(true);

    auto* serverStatus = new QPushButton(tr("Server Status"), client);
    serverStatus->setObjectName(QStringLiteral("cmdServerStats"));
    serverStatus->setGeometry(TwipsRect(480, 3000, 1455, 375));
    auto* characterInfo = new QPushButton(tr("Character Info"), client);
    characterInfo->setObjectName(QStringLiteral("cmdCharacterInfo"));
    characterInfo->setGeometry(TwipsRect(2640, 3000, 1455, 375));
    // Character Info has no action yet; it is shown but cannot be chosen.
    characterInfo->setEnabled(false);
    setTabOrder(serverStatus, characterInfo);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* open = AddEntry(file, "mnuOpenCharacterFile", tr("&Open Character File"));
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QAction* exit = AddEntry(file, "mnuExit", tr("E&xit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    exit->setShortcutContext(Qt::ApplicationShortcut);

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    QAction* goodMoon = AddEntry(tools, "mnuNextGoodMoon", tr("&Next Good Moon"));
    QAction* nextDay = AddEntry(tools, "mnuNextDay", tr("Next &Specified Day"));
    QAction* setDateTime = AddEntry(tools, "mnuSetDateTime", tr("Set &Date/Time"));
    QAction* itemStats = AddEntry(tools, "mnuItemStats", tr("Item Stats"));
    QAction* findItems = AddEntry(tools, "mnuFindItems", tr("&Find Items\u2026"));
    findItems->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    findItems->setShortcutContext(Qt::ApplicationShortcut);
    QAction* rankChart = AddEntry(tools, "mnuRankExperienceChart", tr("Rank Experience Chart"));
    QAction* upcomingDays = AddEntry(tools, "mnuUpcomingDays", tr("&Upcoming Days\u2026"));
    mCompactClockEntry = AddEntry(tools, "mnuCompactClock", tr("&Compact Clock"));
    mCompactClockEntry->setCheckable(true);
    QAction* reminders = AddEntry(tools, "mnuReminders", tr("&Reminders\u2026"));
    QAction* preferences = AddEntry(tools, "mnuPreferences", tr("&Preferences\u2026"));
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* about = AddEntry(help, "mnuAbout", tr("&About Kelvara Utility"));

    // Every handler runs behind the error boundary.
    auto wire = [this](QAction* action, void (frmMain::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, handler] { ErrorBoundary::Run([this, handler] { (this->*handler)(); }); });
    };
    wire(open, &frmMain::mnuOpenCharacterFile_Click);
    wire(exit, &frmMain::mnuExit_Click);
    wire(goodMoon, &frmMain::mnuNextGoodMoon_Click);
    wire(nextDay, &frmMain::mnuNextDay_Click);
    wire(setDateTime, &frmMain::mnuSetDateTime_Click);
    wire(itemStats, &frmMain::mnuItemStats_Click);
    wire(findItems, &frmMain::mnuFindItems_Click);
    wire(rankChart, &frmMain::mnuRankExperienceChart_Click);
    wire(upcomingDays, &frmMain::mnuUpcomingDays_Click);
    connect(mCompactClockEntry, &QAction::triggered, this,
            [this](bool checked) { ErrorBoundary::Run([this, checked] { mnuCompactClock_Click(checked); }); });
    wire(reminders, &frmMain::mnuReminders_Click);
    wire(preferences, &frmMain::mnuPreferences_Click);
    wire(about, &frmMain::mnuAbout_Click);
    connect(serverStatus, &QPushButton::clicked, this,
            [this] { ErrorBoundary::Run([this] { cmdServerStats_Click(); }); });

    mReminders = new ReminderKeeper(this);
    mNotices = new NoticeWindows(mReminders, this);
    auto* screen = new WindowsOnScreen(this);
    mTicker = new Ticker([this] { ErrorBoundary::Run([this] { tmrMain_Timer(); }); },
                         [screen] { return screen->AnyShown(); }, mReminders, this);
    connect(mReminders, &ReminderKeeper::Activated, this,
            [this](const QString& action) { ErrorBoundary::Run([this, action] { NotificationAction(action); }); });
    mTray = new TrayIcon(this, mReminders);
    // While waiting hidden, a tray icon's tooltip wakes the tick at each game hour.
    connect(mTray, &TrayIcon::AvailableChanged, mTicker, &Ticker::SetTrayTip);
    connect(this, &frmMain::Ticked, mTray, &TrayIcon::RefreshTip);
    auto wireTray = [this](void (TrayIcon::*chosen)(), void (frmMain::*handler)()) {
        connect(mTray, chosen, this, [this, handler] { ErrorBoundary::Run([this, handler] { (this->*handler)(); }); });
    };
    wireTray(&TrayIcon::ShowWindow, &frmMain::ShowFromTray);
    wireTray(&TrayIcon::HideWindow, &frmMain::HideToTray);
    wireTray(&TrayIcon::NextGoodMoonChosen, &frmMain::mnuNextGoodMoon_Click);
    wireTray(&TrayIcon::RemindersChosen, &frmMain::mnuReminders_Click);
    wireTray(&TrayIcon::PreferencesChosen, &frmMain::mnuPreferences_Click);
    wireTray(&TrayIcon::ExitChosen, &frmMain::mnuExit_Click);
    mAppearance = new Appearance(this);
    // The client area keeps its size (grown where a translation needs room); the menu bar comes on top of it.
    client->setFixedSize(TwipsToPixels(4740), TwipsToPixels(3495));
    FitTexts(this, client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    KeepOnScreen(this);
}

frmMain::~frmMain()
{
    // A window without an owner that was closed but not yet deleted goes with the main window.
    delete mNextGoodMoon;
    delete mStats;
    delete mFindItems;
    delete mUpcomingDays;
    delete mCompactClock;
}

QString frmMain::Caption()
{
    return QStringLiteral("Kelvara Utility %1.%2.%3")
        .arg(KELVARA_VERSION_MAJOR)
        .arg(KELVARA_VERSION_MINOR)
        .arg(KELVARA_VERSION_PATCH);
}

void frmMain::Form_Load()
{
    gCharacterFolder = ReadCharacterFolder();
    gCalibration = ReadCalibrationFile();
    GameTables tables = LoadGameTables(GameDatabasePath());
    gStatTable = std::move(tables.stats);
    gItemTable = std::move(tables.items);
    mReminders->Load();
    setWindowTitle(Caption());
    mTray->SetKeepRunning(mReminders->Settings().KeepInTray);
    mAppearance->SetChoice(mReminders->Settings().Colours);
    // The compact clock comes back if it was shown when the program last ended.
    if (frmCompactClock::SavedVisible()) {
        mCompactClockEntry->setChecked(true);
        mCompactClock = new frmCompactClock();
        mCompactClock->ShowAtSavedPlace();
    }
    mTicker->Start();
}

void frmMain::Form_Unload()
{
    if (mUnloaded)
        return;
    mUnloaded = true;
    // With no window shown the latest tick may be long past: the save is of this moment.
    if (mTicker->Stop())
        gCalibration = ComputeGameTime(gCalibration);
    if (mNextGoodMoon)
        mNextGoodMoon->close();
    if (mStats)
        mStats->close();
    if (mFindItems)
        mFindItems->close();
    if (mUpcomingDays)
        mUpcomingDays->close();
    // Closed, not hidden by the player: it comes back at the next start.
    if (mCompactClock)
        mCompactClock->close();
    mNotices->CloseAll();
    mTray->Remove();
    try {
        WriteCalibrationFile(gCalibration);
    } catch (const KelvaraError& e) {
        throw KelvaraError(tr("The calibration could not be saved.\n%1").arg(e.message()));
    }
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // The close box may only hide the window into the tray, when the player asked for that.
    if (mTray->KeepsRunningOnClose() && !mExitRequested && !mUnloaded) {
        HideToTray();
        event->ignore();
        return;
    }
    // Closing is never refused; a failed save is reported and the program ends.
    ErrorBoundary::Run([this] { Form_Unload(); });
    event->accept();
    // Once it had a tray icon the program does not end by itself when its last window closes.
    if (!QGuiApplication::quitOnLastWindowClosed())
        QCoreApplication::quit();
}

void frmMain::tmrMain_Timer()
{
    gCalibration = ComputeGameTime(gCalibration);
    if (isVisible() && !isMinimized())
        ShowClocks();
    if (mCompactClock && mCompactClock->isVisible())
        mCompactClock->Update();
    mReminders->Tick(gCalibration, gCalibration.Instant.value_or(0));
    emit Ticked();
}

void frmMain::ShowClocks()
{
    ShowValue(mRealTime, FormatTime12Hour(gCalibration.RealTime));
    ShowValue(mRealDate, gCalibration.RealDate);
    ShowValue(mKelvaraTime, FormatTime12Hour(gCalibration.OXLTime));
    ShowValue(mKelvaraDate, gCalibration.OXLDate);
}

void frmMain::mnuExit_Click()
{
    mExitRequested = true;
    close();
}

void frmMain::mnuSetDateTime_Click()
{
    frmDateTime dialog(this);
    dialog.exec();
    // The reminders count from the new clock.
    mReminders->Recount();
}

void frmMain::mnuOpenCharacterFile_Click()
{
    const QString path = Dialogs::OpenFile(
        this, Dialogs::Caption(findChild<QAction*>(QStringLiteral("mnuOpenCharacterFile"))->text()), gCharacterFolder,
        tr("Kelvara Character Files (*.oxl)"));
    if (path.isEmpty())
        return; // cancelled: nothing changes

    // Opening a character file is an everyday action: a file that cannot be read is
    // reported, and the labels, the character and the remembered folder stay as they were.
    try {
        gCharacter = ReadCharacterFile(path);
    } catch (const KelvaraError& error) {
        Dialogs::Message(this, error.message());
        return;
    }
    ShowValue(findChild<QLabel*>(QStringLiteral("lblCharacterNumber")), QString::number(gCharacter.CharacterNumber));
    ShowValue(findChild<QLabel*>(QStringLiteral("lblName")), TextForDisplay(gCharacter.Name));
    ShowValue(findChild<QLabel*>(QStringLiteral("lblDescription")), TextForDisplay(gCharacter.Description, true));
    if (mFindItems)
        mFindItems->CharacterOpened();

    // The character is shown; a folder file that cannot be written only costs the
    // remembered folder, which then stays as it was.
    try {
        SaveCharacterFolder(path);
        gCharacterFolder = ReadCharacterFolder();
    } catch (const KelvaraError& error) {
        Dialogs::Message(this,
                         tr("The folder of the character file could not be remembered.\n%1").arg(error.message()));
    }
}

// Shows the one window of a kind, modeless and without owner: an open one is
// brought to the front with its contents, a closed one is made anew.
template <typename Window>
static void ShowSingle(QPointer<Window>& window)
{
    if (!window || !window->isVisible())
        window = new Window();
    window->show();
    window->raise();
    window->activateWindow();
}

void frmMain::mnuNextGoodMoon_Click()
{
    ShowSingle(mNextGoodMoon);
}

void frmMain::mnuNextDay_Click()
{
    const QString answer = Dialogs::Input(this, NextDayPrompt(), Dialogs::Title());
    // The forecast starts from the latest tick, after the input box has closed.
    if (const auto message = NextDayMessage(answer, gCalibration))
        Dialogs::Message(this, *message);
}

void frmMain::mnuItemStats_Click()
{
    ShowSingle(mStats);
}

void frmMain::mnuFindItems_Click()
{
    if (!mFindItems || !mFindItems->isVisible()) {
        // A character file is open once its number is shown.
        mFindItems = new frmFindItems(!findChild<QLabel*>(QStringLiteral("lblCharacterNumber"))->text().isEmpty());
        // A row chosen there shows in Item Stats as if its name were chosen there.
        connect(mFindItems, &frmFindItems::ItemChosen, this, [this](int32_t position) {
            ErrorBoundary::Run([this, position] {
                ShowSingle(mStats);
                mStats->ChooseItem(position);
            });
        });
    }
    mFindItems->show();
    mFindItems->raise();
    mFindItems->activateWindow();
}

void frmMain::mnuRankExperienceChart_Click()
{
    // A chart that cannot be read is reported, and the program goes on without it.
    QString chart;
    try {
        const std::unique_ptr<Connection> connection = OpenGameDatabase(GameDatabasePath());
        chart = RankChartText(*connection, QLocale::system());
        connection->Close();
    } catch (const KelvaraError& error) {
        Dialogs::Message(this, tr("The rank experience chart could not be read.\n%1").arg(error.message()));
        return;
    }
    frmMsgBox box(this);
    box.lblMessage()->setText(chart);
    box.exec();
}

void frmMain::cmdServerStats_Click()
{
    OpenWebPage(GameWebSiteAddress(), 0);
}

void frmMain::mnuUpcomingDays_Click()
{
    ShowSingle(mUpcomingDays);
}

void frmMain::mnuCompactClock_Click(bool checked)
{
    if (checked) {
        if (!mCompactClock)
            mCompactClock = new frmCompactClock();
        mCompactClock->ShowAtSavedPlace();
    } else if (mCompactClock) {
        mCompactClock->hide();
    }
    frmCompactClock::SaveVisible(checked);
}

void frmMain::mnuReminders_Click()
{
    frmReminders dialog(mReminders->Settings(), this);
    // Modal to the main window only: a notification shown by "Test" can be closed.
    dialog.setWindowModality(Qt::WindowModal);
    connect(&dialog, &frmReminders::TestRequested, this, [this](const Reminder& reminder) {
        mReminders->Test(gCalibration, QDateTime::fromSecsSinceEpoch(gCalibration.Instant.value_or(0)), reminder);
    });
    // Nothing is announced while the list is being changed: what falls due meanwhile
    // is announced at the first tick after the window closes.
    mReminders->Hold(true);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    mReminders->Hold(false);
    if (const QString problem = accepted ? mReminders->Apply(dialog.Settings()) : QString(); !problem.isEmpty())
        Dialogs::Message(nullptr, problem);
    mTray->RefreshTip();
}

void frmMain::mnuPreferences_Click()
{
    frmPreferences dialog(mTray, mAppearance, this);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}

void frmMain::mnuAbout_Click()
{
    frmAbout dialog(this);
    dialog.exec();
}

QString frmMain::ClockWarningText()
{
    return tr("The system clock is not synchronised. Each real minute it is off puts the game clock 18 game minutes "
              "off.");
}

void frmMain::UseDesktop(Notifier* notifier, ClockCheck* clockCheck, SleepWatcher* sleep)
{
    if (sleep)
        mTicker->Follow(sleep);
    if (notifier)
        notifier->setParent(this);
    // From now on the reminders know where to go: to the service, or to a window of our own.
    mReminders->SetNotifier(notifier);
    if (clockCheck) {
        clockCheck->setParent(this);
        connect(clockCheck, &ClockCheck::Answered, this, &frmMain::ClockAnswered);
        clockCheck->Start();
    }
}

void frmMain::ClockAnswered(bool synchronised)
{
    if (!synchronised && !mClockWarning) {
        // A line under the clocks: the window grows by it and keeps everything else in place.
        mClockWarning = new QLabel(ClockWarningText(), this);
        mClockWarning->setObjectName(QStringLiteral("lblClockWarning"));
        mClockWarning->setWordWrap(true);
        mClockWarning->setTextFormat(Qt::PlainText);
        statusBar()->setObjectName(QStringLiteral("sbrClock"));
        statusBar()->setSizeGripEnabled(false);
        statusBar()->addWidget(mClockWarning, 1);
    }
    if (mClockWarning)
        statusBar()->setVisible(!synchronised);
    mTray->SetClockWarning(ClockWarningShown());
}

bool frmMain::ClockWarningShown() const
{
    return mClockWarning && !statusBar()->isHidden();
}

void frmMain::HideToTray()
{
    hide();
}

void frmMain::ShowFromTray()
{
    ShowClocks();
    showNormal();
    raise();
    activateWindow();
}

void frmMain::NotificationAction(const QString& action)
{
    if (mUnloaded)
        return;
    if (action == QLatin1String(ReminderKeeper::GoodMoonAction))
        mnuNextGoodMoon_Click();
    else
        ShowFromTray();
}
