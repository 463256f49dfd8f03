// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers shared by the fuzz targets: texts of every kind from the fuzzer's bytes,
// a program folder of their own, and a check that stops the run on a broken promise.

#include "files/cp1252.h"
#include "files/oxlfiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace fuzzkit {

// Unless `ok`, stops the run with a message: libFuzzer keeps the input that got here.
inline void Check(bool ok, const char* what, const QString& detail = QString())
{
    if (!ok) {
        std::fprintf(stderr, "broken promise: %s %s\n", what, qPrintable(detail));
        std::abort();
    }
}

// A text of up to `maxBytes` bytes of input: read as Windows-1252 (what the files
// hold) or as raw UTF-16 code units (anything a text box can hold, lone surrogates
// included), as the next byte chooses.
inline QString Text(FuzzedDataProvider& input, size_t maxBytes)
{
    const bool utf16 = input.ConsumeBool();
    const std::string bytes = input.ConsumeRandomLengthString(maxBytes);
    if (!utf16)
        return Cp1252::Decode(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    std::u16string units(bytes.size() / 2, u'\0');
    std::memcpy(units.data(), bytes.data(), units.size() * 2);
    return QString::fromStdU16String(units);
}

// A program folder that lives as long as the fuzzing run.
inline const QString& Folder()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        Check(dir.isValid(), "a temporary folder");
        SetProgramFolder(dir.path());
        return dir.path();
    }();
    return path;
}

// Puts bytes into a file of the program folder.
inline void PutFile(const char* name, QByteArrayView bytes)
{
    QFile file(Folder() + QLatin1Char('/') + QLatin1String(name));
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
              && file.write(bytes.data(), bytes.size()) == bytes.size(),
          "the input file written", file.errorString());
}

// A moment of the system clock in a range a computer can show: years 1970 to 2200.
inline QDateTime Moment(FuzzedDataProvider& input)
{
    return QDateTime::fromSecsSinceEpoch(input.ConsumeIntegralInRange<int64_t>(0, 7'258'118'400LL));
}

// "hh:mm:ss" and "MM/DD/YYYY", made of digits and the two separators.
inline bool IsClockShape(const QString& time, const QString& date)
{
    static const QRegularExpression shape(QStringLiteral("^[0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{2}/[0-9]{2}/[0-9]{4}$"));
    return shape.match(time + QLatin1Char(' ') + date).hasMatch();
}

} // namespace fuzzkit
