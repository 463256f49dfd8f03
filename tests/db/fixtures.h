#pragma once

#include "files/oxlfiles.h"
#include "jet/jetwriter.h"

#include <QTemporaryDir>

// Small game databases for tests, written by our own Jet writer into a folder
// that stands in for the program folder.
namespace fixtures {

using jet::ColumnType;
using V = jet::Value;
inline const V Null = std::monostate{};

inline jet::Column Col(const char* name, ColumnType type = ColumnType::Long)
{
    return {QLatin1String(name), type};
}

inline V Num(qint64 n)
{
    return n;
}

inline V Txt(const char* text)
{
    return QString::fromUtf8(text);
}

inline jet::Table Stats(std::vector<std::vector<V>> rows)
{
    return {QStringLiteral("tblStat"), {Col("StatID"), Col("Stat", ColumnType::Text)}, std::move(rows)};
}

inline jet::Table Items(std::vector<std::vector<V>> rows)
{
    return {
        QStringLiteral("tblItem"), {Col("ItemID"), Col("MaterialID"), Col("Item", ColumnType::Text)}, std::move(rows)};
}

inline jet::Table Materials(std::vector<std::vector<V>> rows)
{
    return {QStringLiteral("tblMaterial"), {Col("MaterialID"), Col("Material", ColumnType::Text)}, std::move(rows)};
}

inline jet::Table MinStats(std::vector<std::vector<V>> rows)
{
    return {QStringLiteral("tblItemMinStatJunction"), {Col("ItemID"), Col("StatID"), Col("MinStat")}, std::move(rows)};
}

inline jet::Table Mods(std::vector<std::vector<V>> rows)
{
    return {QStringLiteral("tblItemModStatJunction"),
            {Col("ItemID"), Col("StatID"), Col("ModNum"), Col("Modification")},
            std::move(rows)};
}

// A program folder holding Kelvara.mdb made of the given tables; the program
// folder points there while the object lives.
class GameFolder
{
public:
    explicit GameFolder(const std::vector<jet::Table>& tables)
    {
        if (!tables.empty())
            jet::WriteDatabase(mDir.filePath(QStringLiteral("Kelvara.mdb")), tables);
        SetProgramFolder(mDir.path());
    }
    ~GameFolder() { SetProgramFolder(QString()); }
    QString Database() const { return mDir.filePath(QStringLiteral("Kelvara.mdb")); }
    QString Path() const { return mDir.path(); }

private:
    QTemporaryDir mDir;
};

} // namespace fixtures
