// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The languages the program speaks. English is the language of its source; the others
// come with the program as translations built into it.
namespace Language {

// The translations that come with the program: "de", "fr", "es", "pt_BR", "ru", "pl".
const QStringList& Shipped();

// The name of a language ("en" or a shipped one) in its own words: "English", "Deutsch",
// "Français", "Español", "Português (Brasil)", "Русский", "Polski".
QString OwnName(const QString& language);

// The language a choice names: "en" is English, a shipped language is itself, and the
// empty choice follows the desktop: the first of `desktop` (as QLocale::uiLanguages()
// lists them, "de-DE", "pt", "C") that the program speaks, a country variant taking its
// language's translation ("pt" and "pt-PT" take "pt_BR"); English when none does. Any
// other choice is English.
QString Resolve(const QString& choice, const QStringList& desktop);

// Puts the language of a choice in use, in place of the one before: the program's texts
// and Qt's own (Qt's translations folder), or for English the plural forms of its texts
// ("1 minute", "2 minutes"). The empty choice reads the desktop's languages, which Qt
// takes from LANGUAGE, LC_ALL, LC_MESSAGES and LANG. Returns the language now in use.
QString Install(const QString& choice);

// The language in use: "en" until Install puts another in use.
QString Current();

// The locale of the language in use, for the names of weekdays and months.
QLocale CurrentLocale();

} // namespace Language
