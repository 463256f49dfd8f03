// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv.h"

#include "jetwriter.h"

namespace jet::csv {

namespace {

    [[noreturn]] void Fail(const QString& source, int line, const QString& what)
    {
        throw Error(QStringLiteral("%1:%2: %3").arg(source).arg(line).arg(what).toStdString());
    }

} // namespace

std::vector<Record> Parse(QStringView text, const QString& source)
{
    std::vector<Record> records;
    qsizetype i = text.startsWith(u'\uFEFF') ? 1 : 0;
    int line = 1;
    const qsizetype n = text.size();
    auto atLineEnd = [&](qsizetype at) {
        return at < n && (text[at] == u'\n' || (text[at] == u'\r' && at + 1 < n && text[at + 1] == u'\n'));
    };
    while (i < n) {
        Record record;
        record.line = line;
        for (;;) {
            Cell cell;
            if (i < n && text[i] == u'"') {
                cell.quoted = true;
                const int startLine = line;
                ++i;
                for (;;) {
                    if (i >= n)
                        Fail(source, startLine,
                             QStringLiteral("cell %1: the quote is never closed").arg(record.cells.size() + 1));
                    const QChar c = text[i++];
                    if (c == u'"') {
                        if (i < n && text[i] == u'"') {
                            cell.text += u'"';
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (c == u'\n')
                        ++line;
                    cell.text += c;
                }
                if (i < n && text[i] != u',' && !atLineEnd(i))
                    Fail(source, line,
                         QStringLiteral("cell %1: text after the closing quote").arg(record.cells.size() + 1));
            } else {
                const qsizetype start = i;
                while (i < n && text[i] != u',' && !atLineEnd(i)) {
                    if (text[i] == u'"')
                        Fail(source, line,
                             QStringLiteral("cell %1: a quote inside a cell must be doubled and the "
                                            "cell quoted")
                                 .arg(record.cells.size() + 1));
                    ++i;
                }
                cell.text = text.mid(start, i - start).toString();
            }
            record.cells.push_back(std::move(cell));
            if (i < n && text[i] == u',') {
                ++i;
                continue;
            }
            if (i < n) // a line end
                i += text[i] == u'\r' ? 2 : 1;
            ++line;
            break;
        }
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace jet::csv
