// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colourscheme.h"

// The light or dark choice for apps in Windows' Personalization settings: the value
// AppsUseLightTheme of HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize,
// 0 dark and anything else light; a missing value (Windows before 10) means NoPreference.
//
// Start() reads it from the event loop, and then again whenever Windows broadcasts that the
// choice may have changed (WM_SETTINGCHANGE "ImmersiveColorSet"). Changed(scheme) comes when
// the scheme is first known and on every change after that, never twice with the same scheme.
// Reading the value of the user's own registry never waits for anything.
class WindowsColourScheme : public ColourScheme
{
    Q_OBJECT

public:
    explicit WindowsColourScheme(QObject* parent = nullptr);

    void Start() override;

    Scheme Current() const override { return mScheme; }

    // The scheme the registry gives now.
    static Scheme Read();

private:
    void Take(Scheme scheme);

    bool mStarted = false;
    bool mKnown = false;
    Scheme mScheme = Scheme::NoPreference;
};
