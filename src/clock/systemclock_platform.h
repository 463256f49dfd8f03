// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The seconds since the system started, the time it slept included; one file per platform.
int64_t SecondsSinceBoot();
