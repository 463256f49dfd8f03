// SPDX-License-Identifier: GPL-3.0-or-later
#include "clsstat.h"

#include "core/kelvaraerror.h"

#include <QCoreApplication>

void clsStat::AddStat(int32_t StatID, const QString& Stat)
{
    mStats.Add(StatID, Stat);
}

int32_t clsStat::NumStats() const
{
    return mStats.Count();
}

int32_t clsStat::StatID(int32_t index) const
{
    if (!mStats.InRange(index))
        throw KelvaraError(QCoreApplication::translate("Error", "Subscript out of range"));
    return mStats.ID(index);
}

QString clsStat::Stat(int32_t index) const
{
    return mStats.InRange(index) ? mStats.Name(index) : QString();
}

int32_t clsStat::FindStatID(const QString& Stat) const
{
    const int32_t index = mStats.FindName(Stat);
    return index < 0 ? -1 : mStats.ID(index);
}

int32_t clsStat::FindStatIndex(const QString& Stat) const
{
    return mStats.FindName(Stat);
}

int32_t clsStat::FindStatIndexByID(int32_t StatID) const
{
    return mStats.FindID(StatID);
}

void clsStat::Sort(bool byID)
{
    mStats.Sort(byID);
}
