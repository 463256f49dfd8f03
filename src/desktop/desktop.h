// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ClockCheck;
class ColourScheme;
class Notifier;
class SleepWatcher;
class TrayWatcher;

// The services of the desktop the program runs on, each made without a parent: whoever
// takes one owns it. A service the desktop does not offer is null.
struct DesktopServices
{
    Notifier* notifier = nullptr;
    // The desktop's notifications are the messages of the program's own tray icon, which the
    // windows show: the notifier is then theirs to make (and null here).
    bool notifyThroughTray = false;
    ClockCheck* clockCheck = nullptr;
    SleepWatcher* sleep = nullptr;
    TrayWatcher* tray = nullptr;
    ColourScheme* colours = nullptr;
};

// The program's name to the desktop: its desktop entry (the launcher, <id>.desktop), its icon in the icon theme,
// its Wayland app_id and its AppStream component are all named so.
inline constexpr char ApplicationId[] = "io.github.kelvarautility.KelvaraUtility";

// Opens the desktop's services. Nothing waits for the desktop: a service that is not
// there is found out later, asynchronously, as each service's own signals tell.
DesktopServices OpenDesktop();
