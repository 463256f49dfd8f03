#pragma once

#include <QMainWindow>
#include <QPointer>

class QLabel;
class QTimer;
class frmCompactClock;
class frmNextGoodMoon;
class frmStats;
class frmUpcomingDays;

// The main window: shows the real and the game clock side by side, refreshed twice a
// second, the character read last, and offers every other command from its menu.
// It owns the program-wide state and saves the calibration when it closes.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The start sequence: the remembered folder, the calibration, the caption.
    // Throws when a step fails; the program then ends without saving.
    void Form_Load();

    // The closing sequence: closes the other windows and saves the calibration.
    // Runs once, however the program ends; a failed save throws.
    void Form_Unload();

    // The caption: "Kelvara Utility " and the version.
    static QString Caption();

signals:
    // After each tick, once the labels show the new moment.
    void Ticked();

public slots:
    void tmrMain_Timer();
    void mnuExit_Click();
    void mnuSetDateTime_Click();
    void mnuOpenCharacterFile_Click();
    void mnuNextGoodMoon_Click();
    void mnuNextDay_Click();
    void mnuItemStats_Click();
    void mnuRankExperienceChart_Click();
    void cmdServerStats_Click();
    void mnuUpcomingDays_Click();
    void mnuCompactClock_Click(bool checked);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* mRealTime;
    QLabel* mRealDate;
    QLabel* mKelvaraTime;
    QLabel* mKelvaraDate;
    QTimer* mTimer;
    bool mUnloaded = false;
    // The countdown window while it is open; it has no owner and closes itself.
    QPointer<frmNextGoodMoon> mNextGoodMoon;
    // The item stats window while it is open; it has no owner either.
    QPointer<frmStats> mStats;
    // The upcoming days window while it is open; it has no owner either.
    QPointer<frmUpcomingDays> mUpcomingDays;
    // The compact clock, made when first shown; the main window's tick updates it.
    frmCompactClock* mCompactClock = nullptr;
    QAction* mCompactClockEntry = nullptr;
};
