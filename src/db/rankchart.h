// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dbvalue.h"
#include "jetdb.h"

#include <QLocale>
#include <QString>

// The rank experience chart: one line per rank of tblRank, in RankID order, the
// rank's name on the left and the experience it needs on the right.

inline constexpr int RankChartWidth = 35;

// The query the chart reads.
QString RankChartQuery();

// The experience as the locale writes a whole number: no decimals (a half rounds
// away from zero) and the locale's digit grouping. Null, a text that is no number
// and an infinite value give the empty text.
QString ExperienceText(const DbValue& experience, const QLocale& locale);

// One line of the chart with its CR LF: the name, blanks, and the number ending in
// column 35. A name and number longer than 35 together keep one blank between them
// (none when one of them is empty).
QString RankChartLine(const QString& name, const QString& number);

// The whole chart from the rank table of an open connection: the name is column 1,
// the experience column 2 of each row (Null names show empty). Throws KelvaraError
// when the table is missing or a row cannot be read; the record set is closed
// either way.
QString RankChartText(Connection& connection, const QLocale& locale);
