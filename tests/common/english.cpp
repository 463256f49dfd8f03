// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into the tests of the core and the windows: they run in English, with its
// plural forms, as the program does under an English desktop.

#include "core/language.h"

#include <QCoreApplication>

static void InstallEnglish()
{
    Language::Install(QStringLiteral("en"));
}

Q_COREAPP_STARTUP_FUNCTION(InstallEnglish)
