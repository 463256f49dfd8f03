// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/filebytes.h"
#include "core/atomicsave.h"
#include "core/systemreason_win.h"

#include <QtTest>

#include <windows.h>

using namespace Qt::StringLiterals;

// A save on Windows: a file with the read-only attribute is refused and stays as it was; a name in any script and a
// path longer than MAX_PATH (260) are saved and read back. Nothing is left beside the file.
class TstAtomicSaveWin : public QObject
{
    Q_OBJECT

private slots:
    void save_data()
    {
        QTest::addColumn<QString>("name"); // in a fresh folder
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only") << u"OXLTIMES.DAT"_s << true;
        QTest::newRow("Cyrillic") << u"Сохранение.dat"_s << false;
        QTest::newRow("Greek") << u"Αποθήκευση.dat"_s << false;
        QTest::newRow("CJK") << u"保存データ.dat"_s << false;
        QTest::newRow("long path") << QString(3, u'/').replace(u"/"_s, QString(100, u'k') + u'/') + u"saved.dat"_s
                                   << false;
    }
    void save()
    {
        QFETCH(QString, name);
        QFETCH(bool, readOnly);
        QTemporaryDir dir;
        const QString path = dir.filePath(name), folder = QFileInfo(path).path();
        QVERIFY(!CreateFolders(folder) && PutFile(path, "saved before"));
        const std::wstring native = LongName(path);
        QVERIFY(!readOnly || ::SetFileAttributesW(native.c_str(), FILE_ATTRIBUTE_READONLY));
        const std::optional<QString> reason = SaveFileAtomically(path, "saved now");
        if (readOnly) {
            QVERIFY(reason && reason->contains(SystemReason(ERROR_ACCESS_DENIED)));
            QCOMPARE(FileBytes(path), "saved before");
            QVERIFY(::SetFileAttributesW(native.c_str(), FILE_ATTRIBUTE_NORMAL));
        } else {
            QVERIFY2(!reason, qPrintable(reason.value_or(QString())));
            QCOMPARE(FileBytes(path), "saved now");
        }
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden),
                 QStringList{QFileInfo(path).fileName()});
    }
};

QTEST_GUILESS_MAIN(TstAtomicSaveWin)
#include "tst_atomicsave_win.moc"
