// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// Reads delimited items from the text of the calibration and folder files:
// blanks before an item are skipped; an item that begins with a double quote runs
// to the next double quote (both dropped) and the rest of it up to the next comma
// or line end is skipped; any other item runs up to the next comma, line end or
// end of the data. The next item starts after that comma or line end.
class ItemReader
{
public:
    explicit ItemReader(const QByteArray& data)
        : mData(data)
    {
    }

    // True while unread data is left.
    bool AtEnd() const { return mPos >= mData.size(); }

    // The next item; past the end of the data, an empty item.
    QByteArray Next();

private:
    void SkipSeparator();

    QByteArray mData;
    qsizetype mPos = 0;
};
