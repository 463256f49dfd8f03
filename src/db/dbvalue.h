// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <variant>

// One value read from the game database: Null, a whole number, a fractional number,
// a date, a yes/no value or a text.
class DbValue
{
public:
    // In the order of the alternatives the value holds.
    enum class Kind { Null, Integer, Double, DateTime, Boolean, Text };

    DbValue() = default;
    static DbValue Integer(int64_t value) { return DbValue(value); }
    static DbValue Double(double value) { return DbValue(value); }
    // A date as days since 12/30/1899, the time as the fraction of the day.
    static DbValue DateTime(double days) { return DbValue(Days{days}); }
    static DbValue Boolean(bool value) { return DbValue(value); }
    static DbValue Text(const QString& value) { return DbValue(value); }

    Kind kind() const { return static_cast<Kind>(mValue.index()); }
    bool IsNull() const { return kind() == Kind::Null; }

    // The value's ordinary text form; Null gives the empty text.
    QString ToText() const;

    // The value as a number, when it has one: yes is -1 and no 0, a date its day
    // count, a text only when it holds nothing but a finite number.
    bool ToNumber(double* number) const;

    bool operator==(const DbValue&) const = default;

private:
    struct Days
    {
        double days;
        bool operator==(const Days&) const = default;
    };
    using Value = std::variant<std::monostate, int64_t, double, Days, bool, QString>;

    explicit DbValue(Value value)
        : mValue(std::move(value))
    {
    }

    Value mValue;
};
