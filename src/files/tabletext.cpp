#include "tabletext.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

QString CsvText(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row) {
            const bool quote = cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\r')
                || cell.contains(u'\n');
            cells << (quote ? u'"' + QString(cell).replace(u"\""_s, u"\"\""_s) + u'"' : cell);
        }
        text += cells.join(u',') + u"\r\n"_s;
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
