// The game clock on any field texts, at any moment: ComputeGameTime never fails and
// always gives well-formed fields, and the 12-hour form and the placing of the real
// moment take any text.
#include "fuzzkit.h"

#include "clock/gameclock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace fuzzkit;
    FuzzedDataProvider input(data, size);
    const QDateTime now = Moment(input);
    const bool withInstant = input.ConsumeBool();
    const int64_t instant = input.ConsumeIntegral<int64_t>();
    const QString realTime = Text(input, 24);
    const QString realDate = Text(input, 24);
    const QString oxlTime = Text(input, 24);
    const QString oxlDate = RestText(input);

    // As the file or the dialog stores them (fitted), and as a record built by hand.
    ClockCalibration fitted = ClockCalibration::FromTexts(realTime, realDate, oxlTime, oxlDate);
    ClockCalibration raw;
    raw.RealTime = realTime;
    raw.RealDate = realDate;
    raw.OXLTime = oxlTime;
    raw.OXLDate = oxlDate;
    for (ClockCalibration* cal : {&fitted, &raw}) {
        if (withInstant)
            cal->Instant = instant;
        const ClockCalibration next = ComputeGameTime(*cal, now);
        Check(IsTimeShape(next.RealTime) && IsDateShape(next.RealDate), "real fields", next.RealTime + next.RealDate);
        Check(IsTimeShape(next.OXLTime) && IsDateShape(next.OXLDate), "game fields", next.OXLTime + next.OXLDate);
        Check(next.Instant == now.toSecsSinceEpoch(), "instant of the tick");
        // The next tick, a second later, is one game step of 18 seconds on.
        const ClockCalibration after = ComputeGameTime(next, now.addSecs(1));
        Check(IsTimeShape(after.OXLTime) && IsDateShape(after.OXLDate), "second tick");
        (void)FormatTime12Hour(cal->RealTime);
        (void)FormatTime12Hour(cal->OXLTime);
        (void)PlaceRealMoment(cal->RealDate, cal->RealTime);
    }
    return 0;
}
