// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Rows of cells as text for spreadsheets.

// RFC 4180 CSV: a cell holding a comma, a quote, a CR or an LF stands in quotes, its quotes
// doubled; every row ends with CR LF.
QString CsvText(const QList<QStringList>& rows);

// Tab-separated text, as spreadsheets paste it: a tab or a line end inside a cell becomes a
// blank; every row ends with LF.
QString TabText(const QList<QStringList>& rows);
