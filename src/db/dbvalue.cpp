#include "dbvalue.h"

#include <QDateTime>

#include <cmath>

DbValue DbValue::Integer(int64_t value)
{
    DbValue v;
    v.mKind = Kind::Integer;
    v.mInteger = value;
    return v;
}

DbValue DbValue::Double(double value)
{
    DbValue v;
    v.mKind = Kind::Double;
    v.mDouble = value;
    return v;
}

DbValue DbValue::DateTime(double days)
{
    DbValue v;
    v.mKind = Kind::DateTime;
    v.mDouble = days;
    return v;
}

DbValue DbValue::Boolean(bool value)
{
    DbValue v;
    v.mKind = Kind::Boolean;
    v.mInteger = value ? -1 : 0;
    return v;
}

DbValue DbValue::Text(const QString& value)
{
    DbValue v;
    v.mKind = Kind::Text;
    v.mText = value;
    return v;
}

QString DbValue::ToText() const
{
    switch (mKind) {
    case Kind::Null:
        return {};
    case Kind::Integer:
        return QString::number(mInteger);
    case Kind::Double:
        return QString::number(mDouble, 'g', 15);
    case Kind::DateTime: {
        const double days = std::floor(mDouble);
        const qint64 seconds = std::llround((mDouble - days) * 86400.0);
        const QDateTime moment(QDate(1899, 12, 30).addDays(static_cast<qint64>(days)), QTime(0, 0), Qt::UTC);
        return moment.addSecs(seconds).toString(QStringLiteral("MM/dd/yyyy HH:mm:ss"));
    }
    case Kind::Boolean:
        return mInteger ? QStringLiteral("True") : QStringLiteral("False");
    case Kind::Text:
        return mText;
    }
    return {};
}

bool DbValue::ToNumber(double* number) const
{
    switch (mKind) {
    case Kind::Null:
        return false;
    case Kind::Integer:
    case Kind::Boolean:
        *number = static_cast<double>(mInteger);
        return true;
    case Kind::Double:
    case Kind::DateTime:
        *number = mDouble;
        return true;
    case Kind::Text: {
        bool ok = false;
        const double value = mText.trimmed().toDouble(&ok);
        // "nan" and "inf" are words, not numbers.
        if (!ok || !std::isfinite(value))
            return false;
        *number = value;
        return true;
    }
    }
    return false;
}
