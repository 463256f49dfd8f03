// SPDX-License-Identifier: GPL-3.0-or-later
#include "statline.h"

QString StatLine(const QString& statName, int32_t value)
{
    QString line(StatLineWidth, QLatin1Char(' '));
    line.replace(0, std::min<qsizetype>(statName.size(), StatLineWidth), statName.left(StatLineWidth));

    // Widened first, so that the smallest 32-bit value has a magnitude too.
    const int64_t wide = value;
    const QString valueText = (wide < 0 ? QLatin1Char('-') : QLatin1Char(' '))
        + QString::number(wide < 0 ? -wide : wide);
    // Columns 16 - length to 15, counting from 1: the last digit stands in column 15.
    line.replace(StatLineWidth - 1 - valueText.size(), valueText.size(), valueText);
    return line;
}

QString StatLine(const clsStat& stats, int32_t statID, int32_t value)
{
    // A position of -1 gives the empty name.
    return StatLine(stats.Stat(stats.FindStatIndexByID(statID)), value);
}
