// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// The boundary between the event loop and the program's handlers. An error that
// escapes a handler is shown in a message box that names it; then the closing
// sequence runs, so the calibration of this run is not lost, and the program ends.
namespace ErrorBoundary {

// Runs a handler; an escaping error ends the program as described above.
void Run(const std::function<void()>& handler);

// Reports a fatal error and ends the program (once; later reports are dropped).
void Fatal(const QString& message);

// The closing sequence to run before the program ends on an error. It may throw:
// that error is reported once more and the program ends without retrying.
void SetCloser(std::function<void()> closer);

// True once a fatal error has been reported.
bool Ending();

// Tests: forget an earlier fatal error.
void ResetForTesting();

} // namespace ErrorBoundary
