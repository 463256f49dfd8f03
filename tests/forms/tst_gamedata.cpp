// Help > About tells what a bug report needs.
#include "db/fixtures.h"
#include "forms/aboutfacts.h"
#include "forms/frmmain.h"
#include "forms/globals.h"

#include <QtTest>
#include <QtWidgets>

using namespace fixtures;

namespace {

// Items with IDs from 1 in the order given, each needing Strength of `strength` times its ID; two ranks.
std::vector<jet::Table> Game(const QStringList& items, int strength = 10)
{
    Rows itemRows, minRows;
    for (qint64 id = 1; id <= items.size(); ++id) {
        itemRows.push_back({id, Null, items[id - 1]});
        minRows.push_back({id, Num(1), id * strength});
    }
    return {Stats({{Num(1), Txt("Strength")}}),
            Materials({{Num(1), Txt("Iron")}}),
            Items(itemRows),
            MinStats(minRows),
            Mods({}),
            Table("tblRank", {"RankID", "Rank:text", "Experience"},
                  {{Num(1), Txt("Squire"), Num(0)}, {Num(2), Txt("Knight"), Num(900)}})};
}

} // namespace

class TstGameData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The facts of a readable database, of a missing one; the window copies what it shows.
    void about()
    {
        GameFolder folder(Game({u"Iron Sword"_qs, u"Ring"_qs, u"Amulet"_qs}));
        const AboutFacts facts = GatherAboutFacts(folder.Path(), folder.Database(), u"settings.ini"_qs);
        QCOMPARE((QList<AboutFacts::Count>{facts.Stats, facts.Items, facts.Ranks}),
                 (QList<AboutFacts::Count>{qint64(1), qint64(3), qint64(2)}));
        QCOMPARE(facts.DatabaseSize, QFileInfo(folder.Database()).size());
        const QString missing = folder.Path() + u"/none.mdb"_qs;
        const AboutFacts none = GatherAboutFacts(folder.Path(), missing, u"settings.ini"_qs);
        QVERIFY(!none.DatabaseSize && std::get<QString>(none.Ranks).contains(missing));
        const QString text = AboutText(AboutLines(facts, QLocale()));
        QVERIFY(text.contains(u"\nRanks: 2\n"_qs) && text.contains(u"\nGame database: "_qs + folder.Database()));
        QVERIFY(text.startsWith(u"Version: %1.%2.%3\nQt: %4\n"_qs.arg(KELVARA_VERSION_MAJOR)
                                    .arg(KELVARA_VERSION_MINOR)
                                    .arg(KELVARA_VERSION_PATCH)
                                    .arg(QString::fromLatin1(qVersion()))));
        QVERIFY(QRegularExpression(u"\nlibical: \\d+\\.\\d+\\.\\d+\nmdbtools: \\d+\\.\\d+\\.\\d+\n"_qs)
                    .match(text)
                    .hasMatch());
        QVERIFY(QRegularExpression(u"\nModified: \\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\+0[12]:00\n"_qs)
                    .match(text)
                    .hasMatch());

        frmMain main;
        QString copied;
        QTimer::singleShot(0, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>(u"cmdCopy"_qs), Qt::LeftButton);
            copied = QGuiApplication::clipboard()->text();
            dialog->close();
        });
        main.findChild<QAction*>(u"mnuAbout"_qs)->trigger();
        QCOMPARE(copied,
                 AboutText(AboutLines(
                     GatherAboutFacts(ProgramFolder(), GameDatabasePath(), ProgramFolder() + u"kelvara-utility.ini"_qs),
                     QLocale())));
    }
};

QTEST_MAIN(TstGameData)
#include "tst_gamedata.moc"
