// The number reading of the dialogs and the clock: the number at the start of a text,
// pieces by position, the whole-number conversions, and the answer to the Next
// Specified Day input box.
#include "fuzzkit.h"

#include "clock/nextday.h"
#include "core/kelvaraerror.h"
#include "core/textnum.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace fuzzkit;
    FuzzedDataProvider input(data, size);
    const int first = input.ConsumeIntegralInRange<int>(-4, 40);
    const int count = input.ConsumeIntegralInRange<int>(-4, 40);
    const QString text = RestText(input);

    const double value = NumberValue(text);
    Check(!std::isnan(value), "a number is never NaN", text);
    const double piece = PieceValue(text, first, count);
    Check(!std::isnan(piece), "a piece is never NaN", text);
    const double rounded = RoundHalfEven(value);
    Check(rounded == std::floor(rounded) || std::isinf(rounded), "rounding gives a whole number");
    try {
        const int16_t small = ToInt16(value);
        Check(std::fabs(small - value) <= 0.5, "ToInt16 is the nearest whole number");
    } catch (const KelvaraError& e) {
        Check(e.message() == QLatin1String("Overflow"), "the only error is Overflow");
    }
    try {
        const int32_t whole = ToInt32(piece);
        Check(std::fabs(whole - piece) <= 0.5, "ToInt32 is the nearest whole number");
    } catch (const KelvaraError& e) {
        Check(e.message() == QLatin1String("Overflow"), "the only error is Overflow");
    }
    (void)ToInt64Clamped(value);

    // The input box never ends the program, whatever is typed.
    const ClockCalibration cal = ClockCalibration::FromTexts(QStringLiteral("17:05:09"), QStringLiteral("12/06/2026"),
                                                             QStringLiteral("10:15:42"), QStringLiteral("06/14/0003"));
    if (const auto message = NextDayMessage(text, cal))
        Check(!message->isEmpty(), "a message has words");
    return 0;
}
