#include "db/jetdb.h"
#include "db/rankchart.h"
#include "files/oxlfiles.h"
#include "forms/dialogs.h"
#include "forms/formkit.h"
#include "forms/frmmain.h"
#include "forms/frmmsgbox.h"
#include "forms/guard.h"
#include "jet/jetwriter.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using jet::ColumnType;

jet::Table RankTable(int ranks)
{
    jet::Table table{QStringLiteral("tblRank"),
                     {{QStringLiteral("RankID"), ColumnType::Long},
                      {QStringLiteral("Rank"), ColumnType::Text},
                      {QStringLiteral("Experience"), ColumnType::Long}},
                     {}};
    for (int id = ranks; id >= 1; --id)
        table.rows.push_back({qint64(id), QStringLiteral("Rank %1").arg(id), qint64(id) * 1000});
    return table;
}

// The rectangle of a widget in its window's client area.
QRect InWindow(const QWidget* widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

} // namespace

class TstFrmMsgBox : public QObject
{
    Q_OBJECT

    QTemporaryDir* mDir = nullptr;
    QStringList mMessages;

    QString DatabasePath() const { return mDir->filePath(QStringLiteral("Kelvara.mdb")); }

    // Runs the command; while its modal window is open, `look` sees it and closes
    // it. Returns how many modal windows were shown.
    int RunChart(frmMain& main, const std::function<void(QDialog*)>& look)
    {
        int shown = 0;
        std::function<void()> watch = [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++shown;
                look(dialog);
                if (dialog->isVisible())
                    dialog->reject();
            }
        };
        // The watch goes with this call: when no window opens, it never runs late.
        QObject scope;
        QTimer::singleShot(0, &scope, watch);
        main.findChild<QAction*>(QStringLiteral("mnuRankExperienceChart"))->trigger();
        return shown;
    }

private slots:
    void init()
    {
        mDir = new QTemporaryDir;
        QVERIFY(mDir->isValid());
        SetProgramFolder(mDir->path());
        mMessages.clear();
        Dialogs::SetMessageHook([this](const QString& text) { mMessages << text; });
        ErrorBoundary::ResetForTesting();
    }

    void cleanup()
    {
        QVERIFY(!ErrorBoundary::Ending());
        QVERIFY(!QApplication::activeModalWidget());
        Dialogs::SetMessageHook({});
        SetProgramFolder(QString());
        delete mDir;
    }

    // The button on the bottom edge, centred; the label edge to edge above it, one
    // twip short of the button.
    void layoutInTwips_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QRect>("label");
        QTest::addColumn<QRect>("button");
        QTest::newRow("the window") << 3915 << 5610 << QRect(0, 0, 3915, 5234) << QRect(1350, 5235, 1215, 375);
        QTest::newRow("wider") << 6015 << 2000 << QRect(0, 0, 6015, 1624) << QRect(2400, 1625, 1215, 375);
        QTest::newRow("as wide as the button") << 1215 << 375 << QRect(0, 0, 1215, -1) << QRect(0, 0, 1215, 375);
    }

    void layoutInTwips()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QRect, label);
        QFETCH(QRect, button);
        const frmMsgBox::Layout layout = frmMsgBox::LayoutFor(width, height);
        QCOMPARE(layout.label, label);
        QCOMPARE(layout.button, button);
    }

    void window()
    {
        frmMsgBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("Kelvara"));
        QCOMPARE(box.minimumSize(), QSize(TwipsToPixels(3915), TwipsToPixels(5610)));
        QCOMPARE(box.maximumSize(), box.minimumSize());
        QVERIFY(box.isModal());

        QLabel* label = box.findChild<QLabel*>(QStringLiteral("lblMessage"));
        QCOMPARE(label, box.lblMessage());
        QVERIFY(label->alignment() & Qt::AlignHCenter);
        QCOMPARE(label->font().family(), FixedFont().family());
        QCOMPARE(label->font().pointSizeF(), 8.25);
        QCOMPARE(label->font().weight(), QFont::Normal);
        QVERIFY(QFontInfo(label->font()).fixedPitch());
        QCOMPARE(label->text(), QString());
        QCOMPARE(label->frameShape(), QFrame::NoFrame);

        auto* ok = box.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QVERIFY(ok);
        QCOMPARE(ok->text(), QStringLiteral("OK"));

        box.lblMessage()->setText(QStringLiteral("Novice                             0\r\n"));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(InWindow(ok), TwipsRect(1350, 5235, 1215, 375));
        QCOMPARE(InWindow(label), TwipsRect(0, 0, 3915, 5234));
        QVERIFY(InWindow(label).bottom() < InWindow(ok).top());
        // A short text needs no scroll bar.
        auto* scroller = box.findChild<QScrollArea*>();
        QVERIFY(!scroller->verticalScrollBar()->isVisible());
        QVERIFY(!scroller->horizontalScrollBar()->isVisible());

        // Only the button takes the focus.
        for (QWidget* child : box.findChildren<QWidget*>()) {
            if (child != ok)
                QVERIFY2(child->focusPolicy() == Qt::NoFocus || !child->isVisible(), qPrintable(child->objectName()));
        }
        QVERIFY(ok->hasFocus() || QApplication::focusWidget() == nullptr);
    }

    // A text taller than the label scrolls; every line can be reached and none is cut.
    // A line wider than the label wraps, as a long caption does, and the wrapped
    // text scrolls the same way.
    void manyLinesScroll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wraps");
        QString ranks;
        for (int rank = 1; rank <= 80; ++rank)
            ranks += RankChartLine(QStringLiteral("Rank %1").arg(rank), QString::number(rank * 1000));
        QString longNames;
        for (int rank = 1; rank <= 20; ++rank)
            longNames += RankChartLine(QStringLiteral("Keeper of the Seven Northern Watches of the Realm %1").arg(rank),
                                       QString::number(rank));
        QTest::newRow("80 ranks") << ranks << false;
        QTest::newRow("20 long names") << longNames << true;
    }

    void manyLinesScroll()
    {
        QFETCH(QString, text);
        QFETCH(bool, wraps);
        frmMsgBox box;
        box.lblMessage()->setText(text);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto* scroller = box.findChild<QScrollArea*>();
        QVERIFY(scroller);
        QCOMPARE(InWindow(scroller), TwipsRect(0, 0, 3915, 5234));
        QScrollBar* bar = scroller->verticalScrollBar();
        QTRY_VERIFY(bar->isVisible());
        QVERIFY(bar->maximum() > 0);
        QLabel* label = box.lblMessage();
        // The label is as tall as its text needs at its width, and the bar reaches its end.
        QCOMPARE(label->width(), scroller->viewport()->width());
        QCOMPARE(label->height(), label->heightForWidth(label->width()));
        QCOMPARE(bar->maximum(), label->height() - scroller->viewport()->height());
        QVERIFY(!scroller->horizontalScrollBar()->isVisible());
        const int lineHeight = QFontMetrics(label->font()).lineSpacing();
        const int lines = text.count(QStringLiteral("\r\n"));
        QCOMPARE(label->height() >= (lines * 2 - 1) * lineHeight, wraps);
        // A chart line of 35 characters fits beside the scroll bar.
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(QString(RankChartWidth, QLatin1Char('0')))
                <= scroller->viewport()->width());
    }

    // The chart from the sample database, in a window built for this one showing.
    void chartFromSampleDatabase()
    {
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), DatabasePath()));
        Connection connection;
        connection.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;").arg(DatabasePath()));
        const QString expected = RankChartText(connection, QLocale::system());
        connection.Close();
        QCOMPARE(expected.count(QStringLiteral("\r\n")), 20);

        frmMain main;
        QList<QPointer<QDialog>> windows;
        for (int showing = 0; showing < 2; ++showing) {
            QString caption, text;
            bool closedByOK = false;
            const int shown = RunChart(main, [&](QDialog* dialog) {
                windows << dialog;
                caption = dialog->windowTitle();
                text = dialog->findChild<QLabel*>(QStringLiteral("lblMessage"))->text();
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
                closedByOK = !dialog->isVisible() && dialog->result() == QDialog::Accepted;
            });
            QCOMPARE(shown, 1);
            QVERIFY(closedByOK);
            QCOMPARE(caption, QStringLiteral("Kelvara"));
            QCOMPARE(text, expected);
        }
        // Each showing had a window of its own, gone once closed.
        QCOMPARE(windows.size(), 2);
        QVERIFY(!windows[0] && !windows[1]);
        QCOMPARE(mMessages, QStringList());
    }

    // A chart longer than the window: all of it can be scrolled to.
    void chartOfManyRanks()
    {
        jet::WriteDatabase(DatabasePath(), {RankTable(60)});
        frmMain main;
        QString first, last;
        bool scrolls = false;
        RunChart(main, [&](QDialog* dialog) {
            const QStringList lines = dialog->findChild<QLabel*>(QStringLiteral("lblMessage"))->text().split(QStringLiteral("\r\n"));
            first = lines.first();
            last = lines[lines.size() - 2];
            auto* bar = dialog->findChild<QScrollArea*>()->verticalScrollBar();
            // The scroll area settles its bars once the window has been laid out.
            scrolls = QTest::qWaitFor([bar] { return bar->isVisible() && bar->maximum() > 0; }, 2000);
        });
        QVERIFY(first.startsWith(QStringLiteral("Rank 1 ")));
        QVERIFY(last.startsWith(QStringLiteral("Rank 60 ")));
        QVERIFY(scrolls);
    }

    void emptyChart()
    {
        jet::WriteDatabase(DatabasePath(), {RankTable(0)});
        frmMain main;
        QString text = QStringLiteral("unset");
        bool hasOK = false;
        QCOMPARE(RunChart(main,
                          [&](QDialog* dialog) {
                              text = dialog->findChild<QLabel*>(QStringLiteral("lblMessage"))->text();
                              hasOK = dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->isVisible();
                          }),
                 1);
        QCOMPARE(text, QString());
        QVERIFY(hasOK);
    }

    // A chart that cannot be read is reported and not shown; the program goes on.
    void failures_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("named");
        QTest::newRow("no database") << 0 << "Kelvara.mdb";
        QTest::newRow("not a database") << 1 << "Kelvara.mdb";
        QTest::newRow("no tblRank") << 2 << "tblRank";
        QTest::newRow("no experience column") << 3 << "position 2";
    }

    void failures()
    {
        QFETCH(int, kind);
        QFETCH(QString, named);
        if (kind == 1) {
            QFile file(DatabasePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, 'x'));
        } else if (kind == 2) {
            jet::WriteDatabase(DatabasePath(), {{QStringLiteral("tblStat"),
                                                 {{QStringLiteral("StatID"), ColumnType::Long}},
                                                 {{qint64(1)}}}});
        } else if (kind == 3) {
            jet::WriteDatabase(DatabasePath(), {{QStringLiteral("tblRank"),
                                                 {{QStringLiteral("RankID"), ColumnType::Long},
                                                  {QStringLiteral("Rank"), ColumnType::Text}},
                                                 {{qint64(1), QStringLiteral("Novice")}}}});
        }
        frmMain main;
        QCOMPARE(RunChart(main, [](QDialog*) {}), 0);
        QCOMPARE(mMessages.size(), 1);
        QVERIFY2(mMessages[0].startsWith(QStringLiteral("The rank experience chart could not be read.")),
                 qPrintable(mMessages[0]));
        QVERIFY2(mMessages[0].contains(named), qPrintable(mMessages[0]));
        QVERIFY(!ErrorBoundary::Ending());

        // The program goes on: once the database is right, the chart shows.
        QFile::remove(DatabasePath());
        jet::WriteDatabase(DatabasePath(), {RankTable(2)});
        QString text;
        QCOMPARE(RunChart(main,
                          [&](QDialog* dialog) {
                              text = dialog->findChild<QLabel*>(QStringLiteral("lblMessage"))->text();
                          }),
                 1);
        QVERIFY(text.startsWith(QStringLiteral("Rank 1 ")));
        QCOMPARE(mMessages.size(), 1);
    }
};

QTEST_MAIN(TstFrmMsgBox)
#include "tst_frmmsgbox.moc"
