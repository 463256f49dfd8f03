// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The texts of the program's launcher (its desktop entry), translated with the program's own texts:
// tools/desktopentry writes them into the installed entry in every language of the program. A value of
// Name, GenericName, Comment or Keywords in data/io.github.kelvarautility.KelvaraUtility.desktop.in is one
// of these, word for word.
namespace DesktopEntryTexts {

inline constexpr char Context[] = "DesktopEntry";

inline constexpr const char* Texts[] = {
    //: The program's name in the applications menu.
    QT_TRANSLATE_NOOP("DesktopEntry", "Kelvara Utility"),
    //: What kind of program it is, shown beside or below its name in the applications menu.
    QT_TRANSLATE_NOOP("DesktopEntry", "Game Clock Companion"),
    //: The tooltip of the program in the applications menu.
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Real and Kelvara game clock, good moon forecasts, character files and item stats"),
    //: Words the applications menu's search finds the program by. Translate each word (several words per word
    //: are fine); each one, the last too, is followed by a semicolon, with no spaces around it.
    QT_TRANSLATE_NOOP("DesktopEntry", "Kelvara;game;clock;moon;reminder;calendar;character;items;"),
};

} // namespace DesktopEntryTexts
