// The SQL texts the record set accepts, on any text, over a small game database:
// a text is either refused with an error or walked row by row to its end.
#include "fuzzkit.h"

#include "core/kelvaraerror.h"
#include "db/jetdb.h"
#include "db/moddb.h"
#include "jet/jetwriter.h"

namespace {
Connection& Database()
{
    static Connection connection;
    if (!connection.IsOpen()) {
        using jet::ColumnType;
        auto col = [](const char* name, ColumnType type = ColumnType::Long) {
            return jet::Column{QLatin1String(name), type};
        };
        const std::vector<jet::Table> tables = {
            {QStringLiteral("tblStat"),
             {col("StatID"), col("Stat", ColumnType::Text)},
             {{qint64(1), QStringLiteral("Strength")}, {qint64(2), QStringLiteral("agility")}, {qint64(3), {}}}},
            {QStringLiteral("tblMaterial"),
             {col("MaterialID"), col("Material", ColumnType::Text), col("Weight", ColumnType::Double)},
             {{qint64(1), QStringLiteral("Iron"), 2.5},
              {{}, QStringLiteral("Wood"), 0.5},
              {qint64(-7), QString(), {}}}},
            {QStringLiteral("tblMixed"),
             {col("Flag", ColumnType::Boolean), col("Price", ColumnType::Currency), col("Note", ColumnType::Memo),
              col("Small", ColumnType::Byte)},
             {{true, QStringLiteral("1.2345"), QStringLiteral("long text"), qint64(255)}, {false, {}, {}, {}}}},
        };
        const QString database = fuzzkit::Folder() + QStringLiteral("/Kelvara.mdb");
        jet::WriteDatabase(database, tables);
        connection.Open(GameDatabaseConnectionText(database));
    }
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
        Check(++rows <= 3, "no table here has more than three rows");
    }
    try {
        records.MoveNext();
        Fail("moving past the end is an error");
    } catch (const KelvaraError&) {
    }
    return 0;
}
