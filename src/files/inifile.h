// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// An INI file in the dialect QSettings writes ("[Reminders]", "1\day=15" for the key
// "1/day" of the group Reminders, values quoted where they hold a comma, a semicolon, an
// equals sign or blanks at either end, and escaped as "\"", "\\", "\n", "\x1"), read and
// changed line by line. A change touches only the lines of the keys it sets or removes:
// every other line (comments, blank lines, lines that are not understood, their order and
// their line ends) stays byte for byte. A line stands alone: a quote left open ends with
// it, and a semicolon or a comma inside a value is part of the value.
class IniFile
{
public:
    // The lines are views of `bytes`, which the file keeps: reading costs one pass over
    // them, and a line is decoded only when its key or value is asked for.
    explicit IniFile(const QByteArray& bytes = {});

    // The file, in UTF-8: every line as it was read, but those changed. A line that was not
    // UTF-8 is read as Windows-1252 (as Notepad saved files once), and written as that text.
    QByteArray Bytes() const;
    // Whether a line is not UTF-8.
    bool NotUtf8() const { return mNotUtf8; }

    // The keys of a group, each once, in the order of the file.
    QStringList Keys(const QString& group) const;
    // Each line of a key of the group, in the order of the file: its key and its value as the
    // line holds it. A key given twice comes twice.
    void ForEachLine(const QString& group, const std::function<void(const QString& key, QString raw)>& take) const;
    // A key's value as the line holds it (all after "="); of a key given twice, the later.
    std::optional<QString> Raw(const QString& group, const QString& key) const;
    // The same as the text it stands for: quotes and escapes undone, blanks around it
    // dropped, "@@" at the start read as "@" and "@String(...)" as what is inside.
    std::optional<QString> Value(const QString& group, const QString& key) const;
    static QString Text(QStringView raw);
    // A text as a value the file holds, written as QSettings writes it, so that it reads back
    // the same here and there.
    static QString Quoted(const QString& value);

    // Puts `raw`, as it is, or the text `value`, quoted and escaped, after the key's "=".
    // A key that has the value already keeps its line as it is; a new key goes after the
    // last key of its group that shares its part up to the last "/" (the other keys of
    // "1/day"), else after the group's last key; a new group goes at the end.
    void SetRaw(const QString& group, const QString& key, const QString& raw);
    void SetValue(const QString& group, const QString& key, const QString& value);
    // Removes every line of the key.
    void Remove(const QString& group, const QString& key);

private:
    struct Line
    {
        QByteArray Bytes; // as read (a view of mSource) or as set, without the line end
        int Group = -1;   // of the key, or the group a header starts: its place in mGroups
        int Equals = -1;  // where the "=" of a key's line is
        quint8 End = 0;   // the line end: none, "\n", "\r\n" or "\r"
        bool Header = false;
        bool Utf8 = true;
        bool Removed = false;
        bool Read = false; // Bytes are a view of mSource
    };

    QString TextOf(const Line& line) const;
    QString KeyOf(const Line& line) const;
    // The key as the file writes it ("1\\day" for "1/day"), which finds it; a view of the line's bytes
    // where the line writes it so.
    QByteArray WrittenKeyOf(const Line& line) const;
    QString RawOf(const Line& line) const;
    int GroupNumber(const QString& group) const;
    std::optional<qsizetype> Find(const QString& group, const QString& key) const;
    void Insert(qsizetype at, Line line);

    QByteArray mSource;
    std::vector<Line> mLines;
    QStringList mGroups;
    quint8 mEnd = 1; // of the first line, for the lines that are added
    QByteArray mBom; // the byte order mark the file starts with, if any
    bool mNotUtf8 = false;
    // Where each key of a group stands, by the group's number; worked out for a group the
    // first time one of its keys is looked for, and again after a line came.
    // By the key as the file writes it.
    mutable std::vector<std::optional<QHash<QByteArray, qsizetype>>> mIndex;
    // Whether a group has a key given twice: removing it then looks at every line of the group.
    mutable std::vector<bool> mTwice;
};
