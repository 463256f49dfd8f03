// SPDX-License-Identifier: GPL-3.0-or-later
// The clock on any field texts and any typed answer, the last byte choosing what: the
// game clock, the forecast and the day starts always give well-formed answers; the
// number reading of the dialogs never fails but with Overflow.
#include "fuzzkit.h"

#include "clock/daystart.h"
#include "clock/nextday.h"
#include "core/kelvaraerror.h"
#include "core/textnum.h"

#include <cmath>

namespace {
using namespace fuzzkit;

const QDateTime Now(QDate(2026, 12, 6), QTime(17, 5, 9));

// Four field texts, as the file or dialog stores them (fitted) or as a record made by hand.
ClockCalibration Record(FuzzedDataProvider& input)
{
    const QString realTime = Text(input, 24), realDate = Text(input, 24), oxlTime = Text(input, 24);
    const QString oxlDate = Text(input, 24);
    ClockCalibration cal = input.ConsumeBool() ? ClockCalibration{realTime, realDate, oxlTime, oxlDate, {}}
                                               : ClockCalibration::FromTexts(realTime, realDate, oxlTime, oxlDate);
    if (input.ConsumeBool())
        cal.Instant = input.ConsumeIntegral<int64_t>();
    return cal;
}

void GameClock(FuzzedDataProvider& input)
{
    const QDateTime now = Moment(input);
    const ClockCalibration cal = Record(input);
    const ClockCalibration next = ComputeGameTime(cal, now);
    Check(IsClockShape(next.RealTime, next.RealDate), "real fields", next.RealTime + next.RealDate);
    Check(IsClockShape(next.OXLTime, next.OXLDate), "game fields", next.OXLTime + next.OXLDate);
    Check(next.Instant == now.toSecsSinceEpoch(), "instant of the tick");
    const ClockCalibration after = ComputeGameTime(next, now.addSecs(1));
    Check(IsClockShape(after.OXLTime, after.OXLDate), "second tick");
    (void)FormatTime12Hour(cal.RealTime);
    (void)FormatTime12Hour(cal.OXLTime);
    (void)PlaceRealMoment(cal.RealDate, cal.RealTime);
}

void Forecast(FuzzedDataProvider& input)
{
    const int16_t day = input.ConsumeBool() ? input.ConsumeIntegralInRange<int16_t>(1, 28)
                                            : input.ConsumeIntegral<int16_t>();
    const ClockCalibration record = Record(input);
    const int32_t wait = GameSecondsUntilDay(record, day);
    Check(wait >= 0 && wait <= RealSecondsPerGameMonth * GameClockRate, "the wait lies within one game month",
          QString::number(wait));
    Check(!ForecastGameDay(record, day).MomentText.isEmpty(), "a moment is always named");
    if (day >= 1 && day <= 28) {
        const std::vector<DayStart> starts = NextDayStarts(record, Now, day, 2);
        Check(starts.size() == 2 && starts[0].Instant > Now.toSecsSinceEpoch()
                  && starts[0].Instant <= Now.toSecsSinceEpoch() + RealSecondsPerGameMonth
                  && starts[1].Instant - starts[0].Instant == RealSecondsPerGameMonth
                  && IsClockShape(QStringLiteral("00:00:00"), starts[0].GameDate),
              "day starts within a month, a month apart");
    }
}

void Numbers(FuzzedDataProvider& input)
{
    const int first = input.ConsumeIntegralInRange<int>(-4, 40);
    const int count = input.ConsumeIntegralInRange<int>(-4, 40);
    const QString text = Text(input, input.remaining_bytes());
    const double value = NumberValue(text);
    const double piece = PieceValue(text, first, count);
    Check(!std::isnan(value) && !std::isnan(piece), "a number is never NaN", text);
    const double rounded = RoundHalfEven(value);
    Check(rounded == std::floor(rounded) || std::isinf(rounded), "rounding gives a whole number");
    for (const double x : {value, piece}) {
        try {
            Check(std::fabs(ToInt16(x) - x) <= 0.5 && std::fabs(ToInt32(x) - x) <= 0.5, "the nearest whole number");
        } catch (const KelvaraError& e) {
            Check(e.message() == QLatin1String("Overflow"), "the only error is Overflow");
        }
    }
    (void)ToInt64Clamped(value);
    // The input box never ends the program, whatever is typed.
    if (const auto message = NextDayMessage(text, ComputeGameTime(ClockCalibration(), Now)))
        Check(!message->isEmpty(), "a message has words");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int which = input.ConsumeIntegralInRange<int>(0, 2);
    which == 0 ? GameClock(input) : which == 1 ? Forecast(input) : Numbers(input);
    return 0;
}
