// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The machine waking from sleep, as the system tells it. Listens from the start; where
// the system does not tell, nothing is ever emitted, and nothing waits.
class SleepWatcher : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void Resumed();
};
