// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every test on Windows. The tests set TZ=Europe/Berlin; under Wine the system's time zone follows it
// (GetTimeZoneInformation gives Central Europe), but the C runtime, through which Qt reads local time, would also
// parse TZ in its own POSIX-like form ("Eur", no offset, United States summer time). Without TZ it asks the system.

#include <cstdlib>

namespace {

const int gSystemZone = _putenv("TZ=");

} // namespace
