// The calibration file reader on any file contents: it never fails on what it reads,
// its fields always have their widths, and the calibration the first tick makes of
// it is saved as 44 bytes that read back unchanged.
#include "fuzzkit.h"

#include "clock/gameclock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace fuzzkit;
    const QDateTime now = QDateTime(QDate(2026, 12, 6), QTime(17, 5, 9));
    PutFile(CalibrationFileName, data, size);
    const ClockCalibration read = ReadCalibrationFile(now);
    Check(read.RealTime.size() == 8 && read.RealDate.size() == 10 && read.OXLTime.size() == 8
              && read.OXLDate.size() == 10,
          "field widths");
    Check(!read.Instant.has_value(), "a calibration from the file has no instant");

    const ClockCalibration ticked = ComputeGameTime(read, now.addSecs(3600));
    WriteCalibrationFile(ticked);
    QFile saved(Folder() + QStringLiteral("/OXLTIMES.DAT"));
    Check(saved.open(QIODevice::ReadOnly), "the saved file opens");
    Check(saved.size() == 44, "the saved file holds 44 bytes");
    ClockCalibration again = ReadCalibrationFile(now);
    again.Instant = ticked.Instant;
    Check(again == ticked, "the saved calibration reads back", again.OXLTime + again.OXLDate);
    return 0;
}
