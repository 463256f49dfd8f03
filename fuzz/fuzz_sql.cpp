// The SQL texts the record set accepts, on any text, over the sample game database:
// a text is either refused with an error or walked row by row to its end.
#include "fuzzkit.h"

#include "core/kelvaraerror.h"
#include "db/jetdb.h"
#include "db/moddb.h"

namespace {
// The sample game database: every table the program reads, Nulls, texts and numbers.
Connection& Database()
{
    static Connection connection;
    if (!connection.IsOpen())
        connection.Open(GameDatabaseConnectionText(QStringLiteral(KELVARA_SAMPLE_DB)));
    return connection;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace fuzzkit;
    FuzzedDataProvider input(data, size);
    const QString sql = RestText(input);
    Connection& connection = Database();
    RecordSet records;
    try {
        records.Open(sql, connection);
    } catch (const KelvaraError& e) {
        Check(!e.message().isEmpty(), "an error names its cause");
        return 0;
    }
    Check(records.IsOpen(), "an accepted statement opens");
    int rows = 0;
    while (!records.AtEnd()) {
        for (int i = 0; i < records.FieldCount(); ++i) {
            (void)records.Field(i).ToText();
            (void)records.FieldName(i);
        }
        Check(records.RowNumber() >= 1, "a current row has a number");
        records.MoveNext();
        Check(++rows <= 1000, "no table here has more than a thousand rows");
    }
    try {
        records.MoveNext();
        Fail("moving past the end is an error");
    } catch (const KelvaraError&) {
    }
    return 0;
}
