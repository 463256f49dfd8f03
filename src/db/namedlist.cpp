// SPDX-License-Identifier: GPL-3.0-or-later
#include "namedlist.h"

#include "core/kelvaraerror.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <numeric>

void NamedList::Add(int32_t id, const QString& name)
{
    if (mIDs.size() >= static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        throw KelvaraError(QCoreApplication::translate("Error", "Overflow"));
    mIDs.push_back(id);
    mNames.push_back(name);
    mKeys.push_back(name.toUpper());
    mPending = true;
}

int32_t NamedList::ID(int32_t index) const
{
    Settle();
    return mIDs[static_cast<size_t>(index - 1)];
}

const QString& NamedList::Name(int32_t index) const
{
    Settle();
    return mNames[static_cast<size_t>(index - 1)];
}

int32_t NamedList::FindName(const QString& name) const
{
    Settle();
    const QString key = name.toUpper();
    for (size_t i = mKeys.size(); i-- > 0;) {
        if (mKeys[i] == key)
            return static_cast<int32_t>(i + 1);
    }
    return -1;
}

int32_t NamedList::FindID(int32_t id) const
{
    Settle();
    for (size_t i = mIDs.size(); i-- > 0;) {
        if (mIDs[i] == id)
            return static_cast<int32_t>(i + 1);
    }
    return -1;
}

void NamedList::Sort(bool byID)
{
    Settle();
    if (byID)
        Reorder([this](size_t a, size_t b) { return mIDs[a] < mIDs[b]; });
    else
        Reorder([this](size_t a, size_t b) { return mKeys[a] < mKeys[b]; });
}

// A stable sort by key gives the order that sorting again after every addition
// gives: equal keys keep their order, and an appended entry goes after every
// entry whose key is not greater. Upper-cased names compare by character code.
void NamedList::Settle() const
{
    if (!mPending)
        return;
    mPending = false;
    Reorder([this](size_t a, size_t b) { return mKeys[a] < mKeys[b]; });
}

void NamedList::Reorder(const std::function<bool(size_t, size_t)>& less) const
{
    std::vector<size_t> order(mIDs.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), less);
    std::vector<int32_t> ids;
    std::vector<QString> names, keys;
    ids.reserve(order.size());
    names.reserve(order.size());
    keys.reserve(order.size());
    for (size_t i : order) {
        ids.push_back(mIDs[i]);
        names.push_back(std::move(mNames[i]));
        keys.push_back(std::move(mKeys[i]));
    }
    mIDs = std::move(ids);
    mNames = std::move(names);
    mKeys = std::move(keys);
}
