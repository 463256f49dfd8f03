// The two text tests of the calibration dialog on any text: a text they pass always
// gives a calibration the clock can carry on.
#include "fuzzkit.h"

#include "clock/gameclock.h"
#include "clock/texttests.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace fuzzkit;
    FuzzedDataProvider input(data, size);
    const QString time = Text(input, 24);
    const QString date = Text(input, 24);
    const QString oxlTime = Text(input, 24);
    const QString oxlDate = RestText(input);
    const bool valid = IsValidTimeText(time) && IsValidDateText(date) && IsValidTimeText(oxlTime)
        && IsValidDateText(oxlDate);
    if (valid) {
        // What the dialog stores; the next tick carries it on.
        const ClockCalibration typed = ClockCalibration::FromTexts(time, date, oxlTime, oxlDate);
        const ClockCalibration next = ComputeGameTime(typed, QDateTime(QDate(2026, 12, 6), QTime(17, 5, 9)));
        Check(IsTimeShape(next.OXLTime) && IsDateShape(next.OXLDate), "tick after the dialog",
              next.OXLTime + next.OXLDate);
    }
    return 0;
}
