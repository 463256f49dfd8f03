// SPDX-License-Identifier: GPL-3.0-or-later
#include "regularfile.h"

#include "regularfile_platform.h"

#include <QCoreApplication>

std::optional<QString> KindReason(FileKind kind)
{
    if (kind == FileKind::Regular)
        return std::nullopt;
    //: Why a file cannot be used, after "Cannot read "<file>": ".
    return kind == FileKind::Folder ? QCoreApplication::translate("Files", "it is a folder")
                                    //: Why a file cannot be used (a device, a pipe), after "Cannot read "<file>": ".
                                    : QCoreApplication::translate("Files", "it is not a regular file");
}

std::optional<QString> OpenRegularFile(QFile& file, const QString& path)
{
    if (const auto reason = NotRegularFile(path))
        return reason;
    return OpenWithoutWaiting(file, path);
}
