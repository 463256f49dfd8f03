// SPDX-License-Identifier: GPL-3.0-or-later
#include "guard.h"

#include "core/kelvaraerror.h"
#include "dialogs.h"

#include <QCoreApplication>

#include <exception>

namespace {
std::function<void()> gCloser;
bool gEnding = false;

QString DescribeCurrentError()
{
    try {
        throw;
    } catch (const KelvaraError& e) {
        return e.message();
    } catch (const std::bad_alloc&) {
        return QCoreApplication::translate("Error", "Out of memory");
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QCoreApplication::translate("Error", "Unknown error");
    }
}
} // namespace

void ErrorBoundary::Run(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (...) {
        Fatal(DescribeCurrentError());
    }
}

void ErrorBoundary::Fatal(const QString& message)
{
    if (gEnding)
        return;
    gEnding = true;
    Dialogs::Message(nullptr, message);
    if (gCloser) {
        try {
            gCloser();
        } catch (...) {
            Dialogs::Message(nullptr, DescribeCurrentError());
        }
    }
    QCoreApplication::exit(1);
}

void ErrorBoundary::SetCloser(std::function<void()> closer)
{
    gCloser = std::move(closer);
}

bool ErrorBoundary::Ending()
{
    return gEnding;
}

void ErrorBoundary::ResetForTesting()
{
    gEnding = false;
}
