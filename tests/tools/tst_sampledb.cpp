// The sample game database: its CSV sources have the columns the program reads at the positions it reads
// them, their keys fit together, and the Kelvara.mdb that the build writes holds exactly these sources.
#include "jet/jetwriter.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QTest>

using jet::ColumnType;
using jet::Value;

namespace {

const QStringList kTables = QStringLiteral(KELVARA_SAMPLE_TABLES).split(u',');

qint64 Key(const Value& v)
{
    return std::get<qint64>(v);
}

} // namespace

class TestSampleDb : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void columnsAtTheirPositions_data();
    void columnsAtTheirPositions();
    void keysFitTogether();
    void rankChartLinesFit();
    void builtFileHoldsTheSources();

private:
    QHash<QString, jet::Table> tables_;
};

void TestSampleDb::initTestCase()
{
    QCOMPARE(kTables.size(), 6);
    for (const QString& name : kTables)
        tables_.insert(name, jet::ReadCsvTable(name, QStringLiteral(KELVARA_SAMPLE_DIR "/%1.csv").arg(name)));
}

void TestSampleDb::columnsAtTheirPositions_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");  // empty where the program does not name the column
    QTest::addColumn<QList<ColumnType>>("types");
    const QList<ColumnType> whole{ColumnType::Long};
    const QList<ColumnType> text{ColumnType::Text};
    QTest::newRow("stat ID") << u"tblStat"_qs << 0 << QString() << whole;
    QTest::newRow("stat name") << u"tblStat"_qs << 1 << QString() << text;
    QTest::newRow("item ID") << u"tblItem"_qs << 0 << u"ItemID"_qs << whole;
    QTest::newRow("item material") << u"tblItem"_qs << 1 << u"MaterialID"_qs << whole;
    QTest::newRow("item name") << u"tblItem"_qs << 2 << QString() << text;
    QTest::newRow("material ID") << u"tblMaterial"_qs << 0 << u"MaterialID"_qs << whole;
    QTest::newRow("material name") << u"tblMaterial"_qs << 1 << QString() << text;
    QTest::newRow("requirement item") << u"tblItemMinStatJunction"_qs << 0 << u"ItemID"_qs << whole;
    QTest::newRow("requirement stat") << u"tblItemMinStatJunction"_qs << 1 << QString() << whole;
    QTest::newRow("requirement minimum") << u"tblItemMinStatJunction"_qs << 2 << QString() << whole;
    QTest::newRow("mod item") << u"tblItemModStatJunction"_qs << 0 << u"ItemID"_qs << whole;
    QTest::newRow("mod stat") << u"tblItemModStatJunction"_qs << 1 << QString() << whole;
    QTest::newRow("mod number") << u"tblItemModStatJunction"_qs << 2 << QString() << whole;
    QTest::newRow("mod amount") << u"tblItemModStatJunction"_qs << 3 << QString() << whole;
    QTest::newRow("rank ID") << u"tblRank"_qs << 0 << u"RankID"_qs << whole;
    QTest::newRow("rank name") << u"tblRank"_qs << 1 << QString() << text;
    QTest::newRow("rank experience") << u"tblRank"_qs << 2 << QString() << QList{ColumnType::Long, ColumnType::Double};
}

void TestSampleDb::columnsAtTheirPositions()
{
    QFETCH(QString, table);
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QList<ColumnType>, types);
    const jet::Table& t = tables_[table];
    QVERIFY(position < t.columns.size());
    if (!name.isEmpty())
        QCOMPARE(t.columns[position].name, name);
    QVERIFY(types.contains(t.columns[position].type));
    QVERIFY(!t.rows.empty());
    // The program reads these cells as numbers or names; only an item's material may be Null.
    if (!(table == u"tblItem" && position == 1)) {
        for (const auto& row : t.rows)
            QVERIFY(!std::holds_alternative<std::monostate>(row[std::size_t(position)]));
    }
}

void TestSampleDb::keysFitTogether()
{
    // The first column of these tables is a key: every value once.
    auto keys = [&](const QString& table) {
        QSet<qint64> set;
        for (const auto& row : tables_[table].rows)
            set.insert(Key(row[0]));
        if (set.size() != qsizetype(tables_[table].rows.size()))
            qWarning("%s has a key twice", qPrintable(table));
        return set;
    };
    const QSet<qint64> stats = keys(u"tblStat"_qs), items = keys(u"tblItem"_qs), materials = keys(u"tblMaterial"_qs);
    QCOMPARE(stats.size(), qsizetype(tables_[u"tblStat"_qs].rows.size()));
    QCOMPARE(items.size(), qsizetype(tables_[u"tblItem"_qs].rows.size()));
    QCOMPARE(materials.size(), qsizetype(tables_[u"tblMaterial"_qs].rows.size()));
    QCOMPARE(keys(u"tblRank"_qs).size(), qsizetype(tables_[u"tblRank"_qs].rows.size()));

    int withoutMaterial = 0;
    for (const auto& row : tables_[u"tblItem"_qs].rows) {
        if (std::holds_alternative<std::monostate>(row[1]))
            ++withoutMaterial;
        else
            QVERIFY2(materials.contains(Key(row[1])), qPrintable(QString::number(Key(row[1]))));
    }
    QVERIFY(withoutMaterial > 0);

    QSet<qint64> itemsWithRequirements;
    for (const auto& row : tables_[u"tblItemMinStatJunction"_qs].rows) {
        QVERIFY(items.contains(Key(row[0])) && stats.contains(Key(row[1])));
        itemsWithRequirements.insert(Key(row[0]));
    }
    QVERIFY(!itemsWithRequirements.isEmpty() && itemsWithRequirements.size() < items.size());

    QSet<qint64> modNumbers;
    for (const auto& row : tables_[u"tblItemModStatJunction"_qs].rows) {
        QVERIFY(items.contains(Key(row[0])) && stats.contains(Key(row[1])));
        modNumbers.insert(Key(row[2]));
    }
    QCOMPARE(modNumbers, (QSet<qint64>{0, 1, 2}));
}

// The rank chart puts name and experience (with up to two group separators) on a 35-character line.
void TestSampleDb::rankChartLinesFit()
{
    std::vector<std::vector<Value>> ranks = tables_[u"tblRank"_qs].rows;
    std::sort(ranks.begin(), ranks.end(), [](const auto& a, const auto& b) { return Key(a[0]) < Key(b[0]); });
    double previous = -1;
    for (const auto& row : ranks) {
        const double experience = std::holds_alternative<qint64>(row[2]) ? double(Key(row[2])) : std::get<double>(row[2]);
        QVERIFY(experience > previous && experience < 1e7);
        previous = experience;
        const QString number = QString::number(qint64(experience));
        const qsizetype width = std::get<QString>(row[1]).size() + number.size() + (number.size() - 1) / 3;
        QVERIFY2(width < 35, qPrintable(std::get<QString>(row[1])));
    }
}

void TestSampleDb::builtFileHoldsTheSources()
{
    std::vector<jet::Table> tables;
    for (const QString& name : kTables)
        tables.push_back(tables_[name]);
    QFile built(QStringLiteral(KELVARA_SAMPLE_DB));
    QVERIFY2(built.open(QIODevice::ReadOnly), qPrintable(built.fileName()));
    QVERIFY(built.readAll() == jet::BuildDatabase(tables));
}

QTEST_GUILESS_MAIN(TestSampleDb)
#include "tst_sampledb.moc"
