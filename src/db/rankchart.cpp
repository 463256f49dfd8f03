// SPDX-License-Identifier: GPL-3.0-or-later
#include "rankchart.h"

#include <cmath>

QString RankChartQuery()
{
    return QStringLiteral("SELECT * FROM tblRank ORDER BY RankID");
}

QString ExperienceText(const DbValue& experience, const QLocale& locale)
{
    double number = 0;
    if (!experience.ToNumber(&number) || !std::isfinite(number))
        return {};
    // std::round takes a half away from zero; adding 0 turns -0 into 0.
    return locale.toString(std::round(number) + 0.0, 'f', 0);
}

QString RankChartLine(const QString& name, const QString& number)
{
    qsizetype blanks = RankChartWidth - name.size() - number.size();
    if (blanks < 0) // too long for the column: a blank between the two, when there are two
        blanks = name.isEmpty() || number.isEmpty() ? 0 : 1;
    return name + QString(blanks, QLatin1Char(' ')) + number + QStringLiteral("\r\n");
}

QString RankChartText(Connection& connection, const QLocale& locale)
{
    RecordSet records;
    records.Open(RankChartQuery(), connection);
    QString chart;
    while (!records.AtEnd()) {
        chart += RankChartLine(records.Field(1).ToText(), ExperienceText(records.Field(2), locale));
        records.MoveNext();
    }
    records.Close();
    return chart;
}
