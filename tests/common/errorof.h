// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/kelvaraerror.h"

#include <QString>

#include <functional>

// The message of the error a call throws, or "no error".
inline QString ErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const KelvaraError& e) {
        return e.message();
    }
    return QStringLiteral("no error");
}
