// SPDX-License-Identifier: GPL-3.0-or-later
#include "colourscheme_win.h"

#include "systemwindow_win.h"

#include <QTimer>
#include <utility>

#include <windows.h>

WindowsColourScheme::WindowsColourScheme(QObject* parent)
    : ColourScheme(parent)
{
}

void WindowsColourScheme::Start()
{
    if (std::exchange(mStarted, true))
        return;
    connect(SystemWindow::Get(), &SystemWindow::ColoursMayHaveChanged, this, [this] { Take(Read()); });
    QTimer::singleShot(0, this, [this] { Take(Read()); }); // the first answer from the event loop, as on Linux
}

ColourScheme::Scheme WindowsColourScheme::Read()
{
    DWORD light = 0;
    DWORD size = sizeof light;
    const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER,
                                        L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                                        L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &light, &size);
    if (status != ERROR_SUCCESS)
        return Scheme::NoPreference;
    return light == 0 ? Scheme::Dark : Scheme::Light;
}

void WindowsColourScheme::Take(Scheme scheme)
{
    if (mKnown && scheme == mScheme)
        return;
    mKnown = true;
    mScheme = scheme;
    emit Changed(scheme);
}
