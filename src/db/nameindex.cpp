// SPDX-License-Identifier: GPL-3.0-or-later
#include "nameindex.h"

#include "clsitem.h"

#include <algorithm>

QString FoldedName(const QString& text)
{
    return text.normalized(QString::NormalizationForm_C).toUpper().toCaseFolded().replace(QChar(0x0130), u'i');
}

NameIndex::NameIndex(const std::vector<QString>& names)
{
    mFolded.reserve(names.size());
    for (const QString& name : names)
        mFolded.push_back(FoldedName(name));
}

NameIndex NameIndex::ForItems(const clsItem& items)
{
    std::vector<QString> names;
    names.reserve(static_cast<size_t>(items.NumItems()));
    for (int32_t i = 1; i <= items.NumItems(); ++i)
        names.push_back(items.Item(i));
    return NameIndex(names);
}

NameIndex::Found NameIndex::Find(const QString& text, int32_t limit) const
{
    const QString key = FoldedName(text);
    const size_t room = static_cast<size_t>(std::max(limit, 0));
    Found found;
    std::vector<int32_t> inside; // the names that contain the text past their beginning
    for (size_t i = 0; i < mFolded.size(); ++i) {
        const qsizetype at = mFolded[i].indexOf(key);
        if (at < 0)
            continue;
        ++found.Total;
        std::vector<int32_t>& group = at == 0 ? found.Positions : inside;
        if (group.size() < room)
            group.push_back(static_cast<int32_t>(i + 1));
    }
    const size_t more = std::min(inside.size(), room - found.Positions.size());
    found.Positions.insert(found.Positions.end(), inside.begin(), inside.begin() + static_cast<ptrdiff_t>(more));
    return found;
}
