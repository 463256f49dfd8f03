// Built into the program itself (not into a library): the language is put in use as the
// application object is made, before any window or text exists.

#include "core/language.h"

#include <QGuiApplication>

namespace {

// The windows speak the desktop's language; the command line (an application without
// windows) always answers in English.
void InstallStartLanguage()
{
    const bool windows = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    Language::Install(windows ? QString() : QStringLiteral("en"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallStartLanguage)
