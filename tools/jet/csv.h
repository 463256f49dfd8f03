// SPDX-License-Identifier: GPL-3.0-or-later
// A reader of comma-separated text: comma between cells, "..." around a cell that holds commas, quotes or line
// breaks, "" for a quote inside it, LF or CRLF at the end of a line.
#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace jet::csv {

struct Cell
{
    QString text;
    bool quoted = false; // tells "" (the empty text) from an empty cell
};

struct Record
{
    int line = 0; // 1-based line on which the record starts
    std::vector<Cell> cells;
};

// Splits the text into records; a final line break ends the last record, it does not start an empty one.
// Throws jet::Error "SOURCE:LINE: what" on an unclosed quote or a quote in the middle of a cell.
std::vector<Record> Parse(QStringView text, const QString& source);

} // namespace jet::csv
