// SPDX-License-Identifier: GPL-3.0-or-later
#include "tabletext.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

QString CsvText(const QList<QStringList>& rows)
{
    // Appended in place, in one pass over each cell: an export of all items is a few hundred
    // thousand cells.
    QString text;
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += u',';
            const QString& cell = row[i];
            const bool quote = std::any_of(cell.begin(), cell.end(),
                                           [](QChar c) { return c == u',' || c == u'"' || c == u'\r' || c == u'\n'; });
            if (quote)
                text += u'"' + QString(cell).replace(u"\""_s, u"\"\""_s) + u'"';
            else
                text += cell;
        }
        text += u"\r\n"_s;
    }
    return text;
}

QString TabText(const QList<QStringList>& rows)
{
    static const QRegularExpression apart(u"\\r\\n|[\\t\\r\\n]"_s);
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells << QString(cell).replace(apart, u" "_s);
        text += cells.join(u'\t') + u'\n';
    }
    return text;
}
