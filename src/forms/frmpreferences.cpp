// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmpreferences.h"

#include "appearance.h"
#include "core/kelvaraerror.h"
#include "core/language.h"
#include "dialogs.h"
#include "dropdownaccess.h"
#include "formkit.h"
#include "trayicon.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {
template <typename Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A line under a choice, indented like a choice that depends on it.
QLabel* Note(QWidget* parent, const char* name, const QString& text)
{
    auto* label = Named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setIndent(20);
    return label;
}
} // namespace

frmPreferences::frmPreferences(TrayIcon* tray, Appearance* appearance, QWidget* parent)
    : QDialog(parent)
    , mTray(tray)
    , mAppearance(appearance)
{
    setObjectName(QStringLiteral("frmPreferences"));
    setWindowTitle(tr("Preferences"));
    setFont(SansFont(10));
    const QString program = AutostartProgram(false);
    QString problem;
    try {
        mEntry = ReadAutostart();
        mEntryThere = mEntry.has_value();
    } catch (const KelvaraError& error) {
        mEntryThere = true; // there, but it must be written anew
        problem = error.message();
    }
    if (mEntry && mEntry->Program.isEmpty()) {
        // An entry without an Exec line starts nothing at all.
        problem = tr("Kelvara Utility's login entry names no program to start. OK makes it start from here, %1.")
                      .arg(QDir::toNativeSeparators(program));
    } else if (mEntry && mEntry->Program != program) {
        problem = tr("Kelvara Utility starts at login from %1. OK makes it start from here, %2.")
                      .arg(QDir::toNativeSeparators(mEntry->Program), QDir::toNativeSeparators(program));
    }

    mStartAtLogin = Named(new QCheckBox(tr("Start Kelvara Utility when I log in"), this), "chkStartAtLogin");
    mStartAtLogin->setChecked(mEntryThere);
    mStartHidden = Named(new QCheckBox(tr("Start hidden"), this), "chkStartHidden");
    // Off only where the entry says so: hidden is what a new entry gets.
    mStartHidden->setChecked(!mEntry || mEntry->Options.contains(HiddenOption));
    mStartHidden->setEnabled(mEntryThere);
    auto* elsewhere = Note(this, "lblAutostartElsewhere", problem);
    elsewhere->setVisible(!problem.isEmpty());
    connect(mStartAtLogin, &QCheckBox::toggled, mStartHidden, &QCheckBox::setEnabled);
    connect(mStartAtLogin, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            mStartHidden->setChecked(true);
    });

    mKeepInTray = Named(new QCheckBox(tr("Keep running in the tray when the main window is closed"), this),
                        "chkKeepInTray");
    mKeepInTray->setChecked(tray->KeepRunning());
    mNoTray = Note(this, "lblNoTray", TrayIcon::NoTrayText());
    ShowTray(tray->IsShown());
    connect(tray, &TrayIcon::AvailableChanged, this, &frmPreferences::ShowTray);

    auto* colours = Named(new QGroupBox(tr("Colours"), this), "grpColours");
    auto* colourRow = new QHBoxLayout(colours);
    const char* names[] = {"optColoursDesktop", "optColoursLight", "optColoursDark"};
    const QString texts[] = {tr("Follow the desktop"), tr("Light"), tr("Dark")};
    for (int i = 0; i < 3; ++i) {
        mColours[i] = Named(new QRadioButton(texts[i], colours), names[i]);
        colourRow->addWidget(mColours[i]);
    }
    mColours[static_cast<int>(appearance->Choice())]->setChecked(true);

    // Each language named in its own words; the choice takes effect at the next start.
    auto* language = Named(new QGroupBox(tr("Language"), this), "grpLanguage");
    auto* languageColumn = new QVBoxLayout(language);
    NameDropDowns();
    mLanguage = Named(new QComboBox(language), "cboLanguage");
    mLanguage->setAccessibleName(language->title());
    mLanguage->addItem(tr("Follow the desktop"), QString());
    for (const QString& code : QStringList{QStringLiteral("en")} + Language::Shipped())
        mLanguage->addItem(Language::OwnName(code), code);
    mLanguage->setCurrentIndex(qMax(0, mLanguage->findData(ReadSettings().Settings.Language)));
    languageColumn->addWidget(mLanguage);
    auto* nextStart = Named(new QLabel(tr("The language changes when Kelvara Utility next starts."), language),
                            "lblLanguageNextStart");
    nextStart->setWordWrap(true);
    languageColumn->addWidget(nextStart);

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    auto* hidden = new QHBoxLayout;
    hidden->addSpacing(20);
    hidden->addWidget(mStartHidden);
    layout->addWidget(mStartAtLogin);
    layout->addLayout(hidden);
    layout->addWidget(elsewhere);
    layout->addSpacing(8);
    layout->addWidget(mKeepInTray);
    layout->addWidget(mNoTray);
    layout->addSpacing(8);
    layout->addWidget(colours);
    layout->addWidget(language);
    layout->addWidget(box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmPreferences::ShowTray(bool available)
{
    // Without a tray the choice is kept as it is, and the close box ends the program.
    mKeepInTray->setEnabled(available);
    mNoTray->setVisible(!available);
}

bool frmPreferences::ApplyAutostart()
{
    const bool wanted = mStartAtLogin->isChecked();
    const bool hidden = mStartHidden->isChecked();
    QString program;
    try {
        program = AutostartProgram(wanted);
        if (!wanted && mEntryThere)
            RemoveAutostart();
        else if (wanted && (!mEntry || mEntry->Program != program || mEntry->Options.contains(HiddenOption) != hidden))
            WriteAutostart(program, hidden);
    } catch (const KelvaraError& error) {
        Dialogs::Message(this, tr("Starting at login could not be changed.\n%1").arg(error.message()));
        // The boxes go back to the entry as it still is.
        mStartAtLogin->setChecked(mEntryThere);
        mStartHidden->setChecked(!mEntry || mEntry->Options.contains(HiddenOption));
        return false;
    }
    mEntryThere = wanted;
    mEntry = wanted ? std::optional(AutostartEntry{program, hidden ? QStringList{HiddenOption} : QStringList()})
                    : std::nullopt;
    return true;
}

void frmPreferences::accept()
{
    if (!ApplyAutostart())
        return;
    ColourChoice choice = ColourChoice::Desktop;
    for (int i = 0; i < 3; ++i) {
        if (mColours[i]->isChecked())
            choice = static_cast<ColourChoice>(i);
    }
    mTray->SetKeepRunning(mKeepInTray->isChecked());
    mAppearance->SetChoice(choice);
    // Only the preferences' groups are written; what the file holds besides stays.
    ProgramSettings settings = ReadSettings().Settings;
    settings.KeepInTray = mKeepInTray->isChecked();
    settings.Colours = choice;
    settings.Language = mLanguage->currentData().toString();
    try {
        WriteSettings(settings, SettingsGroup::Preferences);
    } catch (const KelvaraError& error) {
        Dialogs::Message(this, tr("The preferences could not be saved.\n%1").arg(error.message()));
    }
    QDialog::accept();
}
