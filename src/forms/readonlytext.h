// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

// The text interface of a control whose text is only read: nothing to select, no cursor, and one run
// without attributes, the whole text. The control gives the text, its length and where its characters are.
class ReadOnlyTextInterface : public QAccessibleTextInterface
{
public:
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
};
