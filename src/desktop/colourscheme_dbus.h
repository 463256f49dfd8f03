// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colourscheme.h"

#include <QDBusConnection>
#include <QDBusVariant>
#include <QTimer>

// The desktop's light or dark preference, from the XDG desktop portal's settings
// (org.freedesktop.portal.Desktop, /org/freedesktop/portal/desktop, interface
// org.freedesktop.portal.Settings, setting "color-scheme" of "org.freedesktop.appearance").
//
// Start() asks once, asynchronously: ReadOne where the portal has it, else Read, whose
// answer older portals wrap in one more variant (both are unwrapped). From then on the
// portal's SettingChanged signal is followed. Changed(scheme) comes when the scheme is
// first known and on every change after that, never twice with the same scheme.
// A missing bus or portal, an error, a value that is not an unsigned 32-bit number from
// 0 to 2, or no answer within the timeout all mean NoPreference. Nothing ever blocks.
class DBusColourScheme : public ColourScheme
{
    Q_OBJECT

public:
    static constexpr int AnswerTimeout = 3000;

    // The bus is the session bus, or in tests a private one; `timeout` in milliseconds.
    explicit DBusColourScheme(const QDBusConnection& bus, int timeout = AnswerTimeout, QObject* parent = nullptr);

    void Start() override;

    Scheme Current() const override { return mScheme; }

private slots:
    void OnSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void Ask(const QString& method);
    void Take(Scheme scheme);

    QDBusConnection mBus;
    int mTimeout;
    QTimer mDeadline;
    bool mKnown = false;
    // A change heard makes a later answer to the first question out of date.
    bool mHeardChange = false;
    Scheme mScheme = Scheme::NoPreference;
};
