// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemreader.h"

namespace {
bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}
} // namespace

QByteArray ItemReader::Next()
{
    const qsizetype n = mData.size();
    while (mPos < n && mData[mPos] == ' ')
        ++mPos;
    if (mPos >= n)
        return {};

    QByteArray item;
    if (mData[mPos] == '"') {
        const qsizetype start = ++mPos;
        while (mPos < n && mData[mPos] != '"')
            ++mPos;
        item = mData.mid(start, mPos - start);
        if (mPos < n)
            ++mPos; // closing quote
        while (mPos < n && mData[mPos] != ',' && !IsLineEnd(mData[mPos]))
            ++mPos;
    } else {
        const qsizetype start = mPos;
        while (mPos < n && mData[mPos] != ',' && !IsLineEnd(mData[mPos]))
            ++mPos;
        item = mData.mid(start, mPos - start);
    }
    SkipSeparator();
    return item;
}

void ItemReader::SkipSeparator()
{
    const qsizetype n = mData.size();
    if (mPos >= n)
        return;
    if (mData[mPos] == ',') {
        ++mPos;
    } else if (mData[mPos] == '\r') {
        ++mPos;
        if (mPos < n && mData[mPos] == '\n')
            ++mPos;
    } else if (mData[mPos] == '\n') {
        ++mPos;
    }
}
