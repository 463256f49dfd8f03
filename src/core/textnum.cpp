// SPDX-License-Identifier: GPL-3.0-or-later
#include "textnum.h"

#include "kelvaraerror.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

double NumberValue(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && text[i] == QLatin1Char(' '))
            ++i;
    };

    skipBlanks();
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }

    // Collect the digits and at most one decimal point, then convert them without
    // regard to the system's regional settings.
    std::string digits;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char(' '))
            continue;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits += static_cast<char>(c.unicode());
            seenDigit = true;
        } else if (c == QLatin1Char('.') && !seenPoint) {
            digits += '.';
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = std::numeric_limits<double>::infinity();
    return negative ? -value : value;
}

double PieceValue(QStringView text, int first, int count)
{
    const qsizetype start = first - 1;
    if (start >= text.size())
        return 0.0;
    return NumberValue(text.mid(start, count));
}

double RoundHalfEven(double value)
{
    // nearbyint rounds to even in the default rounding mode.
    return std::nearbyint(value);
}

template <typename Int>
static Int ConvertChecked(double value)
{
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min())
          && rounded <= static_cast<double>(std::numeric_limits<Int>::max())))
        throw KelvaraError(QCoreApplication::translate("Error", "Overflow"));
    return static_cast<Int>(rounded);
}

int16_t ToInt16(double value)
{
    return ConvertChecked<int16_t>(value);
}

int32_t ToInt32(double value)
{
    return ConvertChecked<int32_t>(value);
}

int64_t ToInt64Clamped(double value)
{
    const double rounded = RoundHalfEven(value);
    constexpr double limit = 9.0e15;
    if (rounded > limit)
        return static_cast<int64_t>(limit);
    if (rounded < -limit)
        return static_cast<int64_t>(-limit);
    return static_cast<int64_t>(rounded);
}

qsizetype WholeCharacters(const QString& text, qsizetype units)
{
    if (units >= text.size())
        return text.size();
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    characters.setPosition(std::max<qsizetype>(units, 0));
    return characters.isAtBoundary() ? characters.position() : std::max<qsizetype>(characters.toPreviousBoundary(), 0);
}
