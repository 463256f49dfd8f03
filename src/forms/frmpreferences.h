// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/autostart.h"
#include "files/settings.h"

#include <QDialog>

#include <optional>

class Appearance;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class TrayIcon;

// "Preferences": the program's own settings. Starting at login lives in the autostart
// entry itself (the tick shows whether it is there, start hidden is its --hidden
// option); keeping running in the tray, the colours and the language live in
// kelvara-utility.ini. The language takes effect at the next start.
// OK applies everything at once and closes; an autostart entry that cannot be written
// or removed is reported, its tick goes back, and the window stays open with nothing
// applied. Cancel changes nothing.
class frmPreferences : public QDialog
{
    Q_OBJECT

public:
    frmPreferences(TrayIcon* tray, Appearance* appearance, QWidget* parent = nullptr);

    void accept() override;

private:
    // Writes or removes the autostart entry as the ticks ask; false when that failed.
    bool ApplyAutostart();
    void ShowTray(bool available);

    TrayIcon* mTray;
    Appearance* mAppearance;
    // The entry as it was read; `mEntryThere` also when it could not be read.
    std::optional<AutostartEntry> mEntry;
    bool mEntryThere = false;
    QCheckBox* mStartAtLogin;
    QCheckBox* mStartHidden;
    QCheckBox* mKeepInTray;
    QLabel* mNoTray;
    QRadioButton* mColours[3];
    QComboBox* mLanguage;
};
