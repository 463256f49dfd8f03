#pragma once

#include <QString>

#include <cstdint>

// One value read from the game database: Null, a whole number, a fractional number,
// a date, a yes/no value or a text.
class DbValue
{
public:
    enum class Kind { Null, Integer, Double, DateTime, Boolean, Text };

    DbValue() = default;
    static DbValue Integer(int64_t value);
    static DbValue Double(double value);
    // A date as days since 12/30/1899, the time as the fraction of the day.
    static DbValue DateTime(double days);
    static DbValue Boolean(bool value);
    static DbValue Text(const QString& value);

    Kind kind() const { return mKind; }
    bool IsNull() const { return mKind == Kind::Null; }

    // The value's ordinary text form; Null gives the empty text.
    QString ToText() const;

    // The value as a number, when it has one: yes is -1 and no 0, a date its day
    // count, a text only when it holds nothing but a finite number.
    bool ToNumber(double* number) const;

    bool operator==(const DbValue&) const = default;

private:
    Kind mKind = Kind::Null;
    int64_t mInteger = 0;
    double mDouble = 0;
    QString mText;
};
