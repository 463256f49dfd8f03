// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks' copy of the program is the program itself (src/app/main.cpp and the
// same libraries) with this probe added. It prints "ticked" once the first tick has shown
// the clocks, so that the benchmark knows that the program it measures is running; and
//   --first-tick   the process ends the moment the first tick has shown the clocks
//   --good-moon    the Next Good Moon window opens, as from the Tools menu
//   --compact-clock  the compact clock is shown, as from the Tools menu
//   --in-tray      the main window hides at once, as its close box does when the program
//                  keeps running in the tray (where there is no tray, it is hidden all the same)
//   --minimised    the main window is minimised at once
#include "forms/frmmain.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <utility>

void BenchProbe(const QStringList& arguments, frmMain& window)
{
    const bool firstTick = arguments.contains(QStringLiteral("--first-tick"));
    QObject::connect(&window, &frmMain::Ticked, [firstTick, said = false]() mutable {
        if (firstTick)
            std::_Exit(0);
        if (!std::exchange(said, true)) {
            std::fputs("ticked\n", stdout);
            std::fflush(stdout);
        }
    });
    if (arguments.contains(QStringLiteral("--good-moon")))
        window.mnuNextGoodMoon_Click();
    if (arguments.contains(QStringLiteral("--compact-clock")))
        window.mnuCompactClock_Click(true);
    if (arguments.contains(QStringLiteral("--in-tray")))
        window.hide();
    if (arguments.contains(QStringLiteral("--minimised")))
        window.showMinimized();
}
