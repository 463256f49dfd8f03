// The forecast engine on any field texts and any day: the wait lies within one game
// month, and the texts are built without failing.
#include "fuzzkit.h"

#include "clock/forecast.h"
#include "core/kelvaraerror.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace fuzzkit;
    FuzzedDataProvider input(data, size);
    const int16_t day = input.ConsumeBool() ? input.ConsumeIntegralInRange<int16_t>(1, 28)
                                            : input.ConsumeIntegral<int16_t>();
    const QString realTime = Text(input, 24);
    const QString oxlTime = Text(input, 24);
    const QString oxlDate = RestText(input);
    ClockCalibration record = ClockCalibration::FromTexts(realTime, QStringLiteral("12/06/2026"), oxlTime, oxlDate);
    if (input.ConsumeBool()) {
        record.RealTime = realTime; // unfitted, as a hand-made record may hold
        record.OXLTime = oxlTime;
        record.OXLDate = oxlDate;
    }
    const int32_t wait = GameSecondsUntilDay(record, day);
    Check(wait >= 0 && wait <= RealSecondsPerGameMonth * GameClockRate, "the wait lies within one game month",
          QString::number(wait));
    const GameDayForecast forecast = ForecastGameDay(record, day);
    Check(!forecast.MomentText.isEmpty(), "a moment is always named");
    return 0;
}
