// SPDX-License-Identifier: GPL-3.0-or-later
#include "texttests.h"

#include "core/textnum.h"

namespace {
bool CharIs(const QString& text, int position, char wanted)
{
    return position <= text.size() && text[position - 1] == QLatin1Char(wanted);
}

bool InRange(double value, double low, double high)
{
    return value >= low && value <= high;
}
} // namespace

bool IsValidTimeText(const QString& text)
{
    return InRange(PieceValue(text, 1, 2), 0, 24) && InRange(PieceValue(text, 4, 2), 0, 59)
        && InRange(PieceValue(text, 7, 2), 0, 59) && CharIs(text, 3, ':') && CharIs(text, 6, ':');
}

bool IsValidDateText(const QString& text)
{
    const double month = PieceValue(text, 1, 2);
    const double day = PieceValue(text, 4, 2);
    return month > 0 && month <= 12 && day > 0 && day <= 31 && CharIs(text, 3, '/') && CharIs(text, 6, '/');
}
