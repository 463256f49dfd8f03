// SPDX-License-Identifier: GPL-3.0-or-later
#include "dbvalue.h"

#include <QDateTime>
#include <QTimeZone>

#include <cmath>

namespace {
template <class... F>
struct Overloaded : F...
{
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;
} // namespace

QString DbValue::ToText() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return QString(); },
                          [](int64_t value) { return QString::number(value); },
                          [](double value) { return QString::number(value, 'g', 15); },
                          [](Days date) {
                              const double days = std::floor(date.days);
                              const qint64 seconds = std::llround((date.days - days) * 86400.0);
                              const QDateTime moment(QDate(1899, 12, 30).addDays(static_cast<qint64>(days)),
                                                     QTime(0, 0), QTimeZone::utc());
                              return moment.addSecs(seconds).toString(QStringLiteral("MM/dd/yyyy HH:mm:ss"));
                          },
                          [](bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); },
                          [](const QString& value) { return value; },
                      },
                      mValue);
}

bool DbValue::ToNumber(double* number) const
{
    const std::optional<double> value = std::visit(
        Overloaded{
            [](std::monostate) -> std::optional<double> { return std::nullopt; },
            [](int64_t value) -> std::optional<double> { return static_cast<double>(value); },
            [](double value) -> std::optional<double> { return value; },
            [](Days date) -> std::optional<double> { return date.days; },
            [](bool value) -> std::optional<double> { return value ? -1.0 : 0.0; },
            [](const QString& text) -> std::optional<double> {
                bool ok = false;
                const double value = text.trimmed().toDouble(&ok);
                // "nan" and "inf" are words, not numbers.
                if (!ok || !std::isfinite(value))
                    return std::nullopt;
                return value;
            },
        },
        mValue);
    if (value)
        *number = *value;
    return value.has_value();
}
