// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

// The one error type of the program's core. Its message names what failed; the
// windows catch it at the event-loop boundary and report it to the player.
class KelvaraError : public std::runtime_error
{
public:
    explicit KelvaraError(const QString& message)
        : std::runtime_error(message.toStdString())
        , mMessage(message)
    {
    }

    const QString& message() const { return mMessage; }

private:
    QString mMessage;
};
