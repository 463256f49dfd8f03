// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The desktop's light or dark preference. Start() asks once, asynchronously, and the
// preference is followed from then on: Changed(scheme) comes when the scheme is first
// known and on every change after that, never twice with the same scheme. A desktop that
// does not say means NoPreference. Nothing ever blocks.
class ColourScheme : public QObject
{
    Q_OBJECT

public:
    // The values of the XDG desktop portal's "color-scheme" setting.
    enum class Scheme { NoPreference = 0, Dark = 1, Light = 2 };
    Q_ENUM(Scheme)

    using QObject::QObject;

    virtual void Start() = 0;

    // NoPreference until the first Changed.
    virtual Scheme Current() const = 0;

signals:
    void Changed(ColourScheme::Scheme scheme);
};
