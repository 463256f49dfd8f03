// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in every language the program speaks: no text is cut, no two controls overlap, every control lies
// inside its window and off its edges, the controls of a column stay in line, and the access keys of a menu stay
// unique.
#include "clock/forecast.h"
#include "clock/reminders.h"
#include "clock/systemclock.h"
#include "common/testfolder.h"
#include "core/language.h"
#include "db/itemcatalogue.h"
#include "db/moddb.h"
#include "forms/dialogs.h"
#include "forms/frmabout.h"
#include "forms/frmcompactclock.h"
#include "forms/frmcompare.h"
#include "forms/frmdatetime.h"
#include "forms/frmfinditems.h"
#include "forms/frmmain.h"
#include "forms/frmmystats.h"
#include "forms/frmnextgoodmoon.h"
#include "forms/frmnotice.h"
#include "forms/frmpreferences.h"
#include "forms/frmreminders.h"
#include "forms/frmstats.h"
#include "forms/frmupcomingdays.h"
#include "forms/trayicon.h"
#include "running/gamedatawatcher.h"
#include "running/globals.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

QStringList gFaults;

void Fault(const QWidget* window, const QObject* control, const QString& what)
{
    gFaults << u"%1/%2: %3"_s.arg(window->objectName(), control->objectName(), what);
}

// A text, a control's width, and what it needs besides the text: does the text fit? Blanks that end a line show
// nothing, and a text of several lines is laid out without them.
void Fits(const QWidget* window, const QWidget* control, const QString& text, int room, int besides = 0)
{
    int widest = 0;
    for (QString line : QString(text).remove(u'\r').split(u'\n')) {
        while (line.endsWith(u' '))
            line.chop(1);
        widest = std::max(widest, control->fontMetrics().size(Qt::TextShowMnemonic, line).width());
    }
    if (widest + besides > room)
        Fault(window, control, u"\"%1\" needs %2 px, has %3"_s.arg(text).arg(widest + besides).arg(room - besides));
}

// The edge the controls of a column share: a right-aligned label's right edge, any other control's left edge.
std::pair<bool, int> Edge(const QWidget* control)
{
    const auto* label = qobject_cast<const QLabel*>(control);
    const bool right = label && (label->alignment() & Qt::AlignRight);
    return {right, right ? control->geometry().right() : control->x()};
}

void Keys(const QWidget* window, const QWidget* menu, const QList<QAction*>& actions)
{
    QStringList keys;
    for (const QAction* action : actions)
        if (const qsizetype at = action->text().indexOf(u'&'); at >= 0)
            keys << action->text().mid(at + 1, 1).toLower();
    if (keys.removeDuplicates() > 0)
        Fault(window, menu, u"an access key twice"_s);
}

// Checks the controls of `parent` and, within plain containers, theirs.
void Check(const QWidget* window, const QWidget* parent)
{
    QList<const QWidget*> shown;
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && !child->isWindow())
            shown << child;
    for (const QWidget* control : shown) {
        const QStyle* style = control->style();
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            if (label->wordWrap()
                && label->heightForWidth(label->contentsRect().width()) > label->contentsRect().height())
                Fault(window, label, u"\"%1\" wraps past the label's height"_s.arg(label->text()));
            else if (!label->wordWrap())
                Fits(window, label, label->text(), label->contentsRect().width());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            const bool box = qobject_cast<const QCheckBox*>(button);
            Fits(window, button, button->text(), button->width(),
                 style->pixelMetric(box ? QStyle::PM_IndicatorWidth : QStyle::PM_ButtonMargin));
        } else if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
            Fits(window, group, group->title(), group->width());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(control); combo && !combo->isEditable()) {
            for (int row = 0; row < combo->count(); ++row)
                Fits(window, combo, combo->itemText(row), combo->width(), 30);
        } else if (const auto* table = qobject_cast<const QTableView*>(control)) {
            const QHeaderView* header = table->horizontalHeader();
            for (int column = 0; column < header->count(); ++column)
                Fits(window, header, table->model()->headerData(column, Qt::Horizontal).toString(),
                     header->sectionSize(column), 2 * style->pixelMetric(QStyle::PM_HeaderMargin));
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(control)) {
            Keys(window, bar, bar->actions());
            for (QAction* action : bar->actions()) {
                if (!bar->rect().contains(bar->actionGeometry(action)))
                    Fault(window, bar, action->text() + u" outside the menu bar"_s);
                Keys(window, action->menu(), action->menu()->actions());
            }
        }
        const auto* frame = qobject_cast<const QFrame*>(control);
        const bool line = frame && frame->frameShape() == QFrame::HLine,
                   spans = control->width() > parent->width() * 3 / 4;
        if (!line && !parent->rect().contains(control->geometry()))
            Fault(window, control, u"outside its window"_s);
        else if (control->x() < 2 && !spans)
            Fault(window, control, u"on the window's left edge"_s);
        else if (parent->width() - control->geometry().right() - 1 < 4 && !spans
                 && !qobject_cast<const QDialogButtonBox*>(parent))
            Fault(window, control, u"on the window's right edge"_s);
        for (const QWidget* other : shown) {
            const QRect both = control->geometry() & other->geometry();
            const auto [aligned, edge] = Edge(control);
            const auto [otherAligned, otherEdge] = Edge(other);
            if (other < control && both.width() > 1 && both.height() > 1)
                Fault(window, control, u"overlaps "_s + other->objectName());
            else if (other < control && !line && aligned == otherAligned && edge != otherEdge
                     && std::abs(edge - otherEdge) <= 16
                     && !(other->y() <= control->geometry().bottom() && control->y() <= other->geometry().bottom()))
                Fault(window, control, u"out of line with "_s + other->objectName());
        }
        if (control->metaObject() == &QWidget::staticMetaObject || qobject_cast<const QDialogButtonBox*>(control))
            Check(window, control);
    }
    if (window == parent && !(window->windowFlags() & Qt::FramelessWindowHint)
        && window->fontMetrics().horizontalAdvance(window->windowTitle()) > window->width() - 60)
        Fault(window, window, u"the title is wider than the window"_s);
}

void CheckWindow(QWidget* window)
{
    window->show();
    Check(window, window);
    // The access keys of a window's buttons and captions, each once.
    QStringList keys;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        const auto* label = qobject_cast<const QLabel*>(control);
        const QString text = button ? button->text() : label && label->buddy() ? label->text() : QString();
        if (const qsizetype at = text.indexOf(QRegularExpression(u"&[^&]"_s)); at >= 0 && control->isVisibleTo(window))
            keys << text.mid(at + 1, 1).toLower();
    }
    if (keys.removeDuplicates() > 0)
        Fault(window, window, u"an access key twice"_s);
}

// Checks the next modal window that opens, and closes it.
void CheckModal()
{
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        // Checked as the player sees it: shown, with the layout the window system's answers leave.
        const bool exposed = QTest::qWaitForWindowExposed(modal);
        QCoreApplication::processEvents();
        Check(modal, modal);
        modal->close();
        QVERIFY(exposed);
    });
}

} // namespace

class TstLanguages : public QObject
{
    Q_OBJECT

    TestFolder mDir;

private slots:
    void initTestCase()
    {
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), GameDatabasePath()));
        gStatTable = LoadStatTable(GameDatabasePath());
        gItemTable = LoadItemTable(GameDatabasePath());
        // The longest wait of a game month and a day that begins the day after tomorrow.
        SystemClock::SetSource([] { return QDateTime(QDate(2026, 6, 15), QTime(23, 50, 10)); });
        gCalibration = ClockCalibration::FromTexts(u"23:50:10"_s, u"06/15/2026"_s, u"00:00:00"_s, u"03/15/0005"_s);
    }

    void cleanupTestCase() { Language::Install(u"en"_s); }

    // The desktop's languages in Qt's order: the first one the program speaks, English for C or none.
    void desktopLanguage()
    {
        const std::pair<QStringList, QString> cases[] = {
            {{u"de-AT"_s, u"de"_s}, u"de"_s}, {{u"pt-PT"_s}, u"pt_BR"_s},   {{u"ja"_s, u"pl-PL"_s}, u"pl"_s},
            {{u"en-GB"_s, u"fr"_s}, u"en"_s}, {{u"C"_s, u"ru"_s}, u"en"_s}, {{u"ja"_s}, u"en"_s}};
        for (const auto& [desktop, language] : cases)
            QCOMPARE(Language::Resolve(QString(), desktop), language);
        QCOMPARE(Language::Resolve(u"es"_s, {u"de"_s}) + Language::Resolve(u"it"_s, {u"de"_s}), u"esen"_s);
    }

    // A wait's units take the plural form of the number (Russian and Polish have three), and the words before a
    // clock time the form of its hour (Spanish and Portuguese "A LA 1:19", "À 1:19").
    void plurals_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("text");
        const std::tuple<const char*, int, const char*, const char*> rows[] = {
            {"ru", 1, "1", "1 минуту, СЕГОДНЯ В 1:19 PM"}, {"ru", 2, "2", "2 минуты, СЕГОДНЯ В 2:19 PM"},
            {"ru", 5, "5", "5 минут, СЕГОДНЯ В 5:19 PM"},  {"ru", 21, "11", "21 минуту, СЕГОДНЯ В 11:19 PM"},
            {"pl", 1, "1", "1 minutę, DZIŚ O 1:19 PM"},    {"pl", 2, "2", "2 minuty, DZIŚ O 2:19 PM"},
            {"pl", 5, "5", "5 minut, DZIŚ O 5:19 PM"},     {"pl", 21, "12", "21 minut, DZIŚ O 12:19 PM"},
            {"es", 1, "1", "1 minuto, HOY A LA 1:19 PM"},  {"es", 21, "11", "21 minutos, HOY A LAS 11:19 PM"},
            {"pt_BR", 1, "1", "1 minuto, HOJE À 1:19 PM"}, {"pt_BR", 2, "2", "2 minutos, HOJE ÀS 2:19 PM"},
            {"de", 1, "1", "1 Minute, HEUTE UM 1:19 PM"},  {"de", 5, "5", "5 Minuten, HEUTE UM 5:19 PM"}};
        for (const auto& [language, minutes, hour, text] : rows)
            QTest::addRow("%s %d %s", language, minutes, hour)
                << QString::fromLatin1(language) << minutes << QString::fromLatin1(hour) << QString::fromUtf8(text);
    }

    void plurals()
    {
        QFETCH(QString, language);
        QFETCH(int, minutes);
        QFETCH(QString, hour);
        QFETCH(QString, text);
        QCOMPARE(Language::Install(language), language);
        QCOMPARE(WaitInWords(minutes * 60) + u", "_s + DayAtText(0, hour + u":19 PM"_s), text);
    }

    void windows_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : QStringList{u"en"_s} + Language::Shipped())
            QTest::newRow(qPrintable(language)) << language;
    }

    void windows()
    {
        QFETCH(QString, language);
        QCOMPARE(Language::Install(language), language);
        gFaults.clear();
        frmMain main;
        CheckWindow(&main);
        frmNextGoodMoon moon;
        moon.tmrNextGoodMoon_Timer();
        CheckWindow(&moon);
        // The window speaks the language: its button is English in English only.
        QCOMPARE(moon.findChild<QPushButton*>(u"cmdClose"_s)->text() == u"Close"_s, language == u"en"_s);
        frmStats stats;
        stats.findChild<QComboBox*>(u"cboItem"_s)->setCurrentIndex(3); // an item chosen
        stats.cboItem_Click();
        CheckWindow(&stats);
        QVERIFY(QTest::qWaitForWindowActive(&stats));
        QLineEdit* edit = stats.findChild<QComboBox*>(u"cboItem"_s)->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, u"ro"_s); // the finder's list
        QAbstractItemView* found = stats.findChild<QCompleter*>()->popup();
        QVERIFY(found->isVisible() && found->model()->rowCount() > 1);
        for (int row = 0; row < found->model()->rowCount(); ++row)
            Fits(&stats, found, found->model()->index(row, 0).data().toString(), found->viewport()->width(),
                 2 * found->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 2);
        found->hide();
        auto* notice = new frmNotice(u"Game data"_s, GameDataWatcher::FailedText(u"Cannot read the file"_s), {});
        notice->setObjectName(u"frmNotice"_s);
        auto* find = new frmFindItems(false);
        find->AddStatColumn(gStatTable.StatID(1));
        find->AddCondition();
        auto* compact = new frmCompactClock;
        compact->Update();
        const ItemCatalogue catalogue(gItemTable, gStatTable);
        ProgramSettings settings;
        settings.Unusable.push_back({{{u"day"_s, u"40"_s}}, u"day \"40\" is not from 1 to 28"_s, 1});
        const QList<QWidget*> windows{new frmDateTime,
                                      new frmUpcomingDays,
                                      new frmAbout,
                                      notice,
                                      compact,
                                      new frmReminders(settings),
                                      new frmPreferences(main.Tray(), main.Colours()),
                                      find,
                                      new frmMyStats(catalogue, {{catalogue.StatIDs().front(), -40}}, u"Mira"_s),
                                      new frmCompare(catalogue, {0, 1, 2, 3})};
        for (QWidget* window : windows) {
            CheckWindow(window);
            delete window;
        }
        // The tray's menu: every entry whole, and in the language.
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* menu = qobject_cast<QMenu*>(top); menu && !menu->parentWidget()) {
                menu->popup({0, 0});
                for (QAction* action : menu->actions())
                    Fits(menu, menu, action->text(), menu->actionGeometry(action).width());
                QCOMPARE(menu->actions().at(1)->text() == u"Next Good Moon"_s, language == u"en"_s);
                menu->close();
            }
        CheckModal(); // the rank chart
        main.findChild<QAction*>(u"mnuRankExperienceChart"_s)->trigger();
        Dialogs::SetInputHook([](const QString&, const QString&) { return u"15"_s; });
        CheckModal(); // Next Specified Day's answer
        main.findChild<QAction*>(u"mnuNextDay"_s)->trigger();
        QVERIFY2(gFaults.isEmpty(), qPrintable(gFaults.join(u'\n')));
    }
};

QTEST_MAIN(TstLanguages)
#include "tst_languages.moc"
