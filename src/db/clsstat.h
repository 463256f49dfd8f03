// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "namedlist.h"

#include <QString>

#include <cstdint>

// The game's stats: an ID and a name each, in order of the upper-cased name.
// Positions count from 1; a search that finds nothing answers -1.
class clsStat
{
public:
    void AddStat(int32_t StatID, const QString& Stat);
    int32_t NumStats() const;
    // Throws KelvaraError("Subscript out of range") outside 1 to NumStats.
    int32_t StatID(int32_t index) const;
    // The empty text outside 1 to NumStats.
    QString Stat(int32_t index) const;
    // Letter case ignored, whole text compared; the last match wins.
    int32_t FindStatID(const QString& Stat) const;
    int32_t FindStatIndex(const QString& Stat) const;
    int32_t FindStatIndexByID(int32_t StatID) const;
    void Sort(bool byID);

private:
    NamedList mStats;
};
