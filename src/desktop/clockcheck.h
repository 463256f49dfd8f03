// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Whether the system clock is synchronised, as the system says, at once and then from
// time to time. Asynchronous: an answer comes as Answered; a system that does not say
// gives no signal at all.
class ClockCheck : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Asks now and starts asking regularly.
    virtual void Start() = 0;
    virtual void Ask() = 0;

signals:
    void Answered(bool synchronised);
};
