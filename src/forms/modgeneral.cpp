// SPDX-License-Identifier: GPL-3.0-or-later
#include "modgeneral.h"

#include <QDesktopServices>
#include <QUrl>

int32_t OpenWebPage(const QString& address, int32_t showWindow)
{
    Q_UNUSED(showWindow);
    return QDesktopServices::openUrl(QUrl(address)) ? 1 : 0;
}
