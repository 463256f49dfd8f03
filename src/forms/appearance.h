// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/colourscheme.h"
#include "files/settings.h"

#include <QObject>
#include <QPalette>
#include <QPointer>

// The program's colours for every window. Dark is Qt's Fusion style with a dark palette;
// light is the style the program started with and its own palette. "Follow the desktop"
// takes the desktop's light or dark preference (ColourScheme) and follows its changes;
// a desktop without one is light. Nothing changes until the colours differ from those
// shown, so a light program keeps its start-up look untouched.
class Appearance : public QObject
{
    Q_OBJECT

public:
    explicit Appearance(QObject* parent = nullptr);

    // The player's choice; applies at once.
    void SetChoice(ColourChoice choice);
    ColourChoice Choice() const { return mChoice; }

    // Follows the desktop's preference from now on (the object is taken over and started).
    void Follow(ColourScheme* scheme);

    // Whether the windows are dark now.
    bool IsDark() const { return mDark; }

    static QPalette DarkPalette();

private:
    void Apply();

    ColourChoice mChoice = ColourChoice::Desktop;
    QPointer<ColourScheme> mScheme;
    ColourScheme::Scheme mDesktop = ColourScheme::Scheme::NoPreference;
    // The style the program started with (a -style option included).
    QString mNormalStyle;
    bool mDark = false;
};
