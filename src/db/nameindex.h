// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

class clsItem;

// A name or a typed text as they are compared: letters with their accents composed one
// way, so that an accent typed apart finds the letter written with it; then folded in
// full, so that "STRASSE" finds "Straße"; the Turkish capital İ is taken as i, as I is.
QString FoldedName(const QString& text);

// Finds the names that contain a typed text anywhere, letter case ignored (Unicode case
// folding in full, so "ÉPÉE" finds "épée" and "STRASSE" finds "Straße"). Built once per
// list of names; each search walks the folded names once.
class NameIndex
{
public:
    NameIndex() = default;
    explicit NameIndex(const std::vector<QString>& names);
    // The item names in the item table's order.
    static NameIndex ForItems(const clsItem& items);

    struct Found
    {
        // Positions in the list (from 1): the names that begin with the text, then those
        // that contain it further on, each group in the list's order; at most `limit`.
        std::vector<int32_t> Positions;
        // How many names contain the text, shown or not.
        int32_t Total = 0;
    };
    // The empty text is in every name.
    Found Find(const QString& text, int32_t limit) const;

    int32_t Count() const { return static_cast<int32_t>(mFolded.size()); }

private:
    std::vector<QString> mFolded;
};
