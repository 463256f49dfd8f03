// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

// Entries of an ID and a name, kept in ascending order of the upper-cased name.
// Entries with equal keys keep the order in which they were added, so the order
// after every addition is that of a stable sort. Sorting is deferred until the
// order is looked at, which keeps loading n entries at n log n.
class NamedList
{
public:
    int32_t Count() const { return static_cast<int32_t>(mIDs.size()); }

    // Appends an entry; the list is in name order again when next looked at.
    // Throws KelvaraError("Overflow") when the count cannot grow.
    void Add(int32_t id, const QString& name);

    // Positions count from 1; the caller checks the range.
    int32_t ID(int32_t index) const;
    const QString& Name(int32_t index) const;
    bool InRange(int32_t index) const { return index >= 1 && index <= Count(); }

    // The last position whose upper-cased name equals the upper-cased text, or -1.
    int32_t FindName(const QString& name) const;
    // The last position holding the ID, or -1.
    int32_t FindID(int32_t id) const;

    // Puts the list in order of ID or of upper-cased name (stable).
    void Sort(bool byID);

private:
    void Settle() const;
    void Reorder(const std::function<bool(size_t, size_t)>& less) const;

    mutable std::vector<int32_t> mIDs;
    mutable std::vector<QString> mNames;
    mutable std::vector<QString> mKeys; // upper-cased names
    mutable bool mPending = false;
};
