// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmfinditems.h"

#include "core/atomicsave.h"
#include "core/kelvaraerror.h"
#include "dialogs.h"
#include "dropdownaccess.h"
#include "files/tabletext.h"
#include "formkit.h"
#include "frmcompare.h"
#include "frmmystats.h"
#include "guard.h"
#include "running/gamedatawatcher.h"
#include "running/globals.h"
#include "running/itembrowser.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>

#include <set>

namespace {

// The table of items: Ctrl+C copies the rows shown, not only the current cell.
class ItemView : public QTableView
{
public:
    ItemView(std::function<void()> copy, QWidget* parent)
        : QTableView(parent)
        , mCopy(std::move(copy))
    {
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Copy)) {
            ErrorBoundary::Run(mCopy);
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
    }

private:
    std::function<void()> mCopy;
};

template <typename Control>
Control* Named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

// A drop-down as wide as its longest entry and its arrow.
void FitCombo(QComboBox* combo)
{
    int widest = 0;
    for (int row = 0; row < combo->count(); ++row)
        widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(row)));
    combo->setMinimumWidth(widest + 2 * combo->style()->pixelMetric(QStyle::PM_ComboBoxFrameWidth)
                           + combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24);
}

} // namespace

frmFindItems::frmFindItems(bool characterOpen, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , mCharacterOpen(characterOpen)
    , mBrowser(new ItemBrowser(this))
{
    setObjectName(QStringLiteral("frmFindItems"));
    setWindowTitle(tr("Find Items"));
    setAttribute(Qt::WA_DeleteOnClose);
    ReportAsWindow(this);
    NameDropDowns();
    mBrowser->SetCatalogue(std::make_shared<ItemCatalogue>(gItemTable, gStatTable));

    auto* layout = new QVBoxLayout(this);
    mGrid = new QGridLayout;
    layout->addLayout(mGrid);
    auto* nameLabel = Named(new QLabel(tr("&Name contains:"), this), QStringLiteral("lblName"));
    mName = Named(new QLineEdit(this), QStringLiteral("txtName"));
    mName->setClearButtonEnabled(true);
    nameLabel->setBuddy(mName);
    auto* materialLabel = Named(new QLabel(tr("&Material:"), this), QStringLiteral("lblMaterial"));
    mMaterial = Named(new QComboBox(this), QStringLiteral("cboMaterial"));
    mMaterial->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    materialLabel->setBuddy(mMaterial);
    mOnlyUsable = Named(new QCheckBox(tr("Only items I can &use"), this), QStringLiteral("chkOnlyUsable"));
    mMyStatsButton = Named(new QPushButton(tr("My &Stats\u2026"), this), QStringLiteral("cmdMyStats"));
    mAddCondition = Named(new QPushButton(tr("&Add condition"), this), QStringLiteral("cmdAddCondition"));
    mAddCondition->setToolTip(tr("Show only the items that give at least a number of a stat"));
    // The order of the table by keyboard, as a click on a heading gives it.
    auto* sortLabel = Named(new QLabel(tr("Sort &by:"), this), QStringLiteral("lblSortBy"));
    mSortBy = Named(new QComboBox(this), QStringLiteral("cboSortBy"));
    mSortBy->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    sortLabel->setBuddy(mSortBy);
    mDescending = Named(new QCheckBox(tr("&Descending"), this), QStringLiteral("chkDescending"));

    mTable = new ItemView([this] { cmdCopy_Click(); }, this);
    mTable->setObjectName(QStringLiteral("tblItems"));
    mTable->setAccessibleName(tr("Items"));
    mTable->setModel(mBrowser->Shown());
    mTable->setSelectionModel(mBrowser->Selection());
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->setTabKeyNavigation(false);
    mTable->setWordWrap(false);
    // The corner button (select all) sits on the hidden row headings: it is never seen.
    mTable->setCornerButtonEnabled(false);
    mTable->verticalHeader()->hide();
    mTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    mTable->verticalHeader()->setDefaultSectionSize(mTable->fontMetrics().height() + 6);
    QHeaderView* header = mTable->horizontalHeader();
    header->setSectionsMovable(false);
    header->setSortIndicatorClearable(true);
    header->setSortIndicator(-1, Qt::AscendingOrder); // the item table's order until a header is clicked
    mTable->setSortingEnabled(true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(mTable, 1);

    // The count under the table, the buttons in a row of their own below it, across the window.
    mCount = Named(new QLabel(this), QStringLiteral("lblCount"));
    layout->addWidget(mCount);
    auto* addColumn = Named(new QPushButton(tr("Add stat c&olumn\u2026"), this), QStringLiteral("cmdAddColumn"));
    auto* columnMenu = Named(new QMenu(addColumn), QStringLiteral("mnuAddColumn"));
    addColumn->setMenu(columnMenu);
    mRemoveColumn = Named(new QPushButton(tr("&Remove column"), this), QStringLiteral("cmdRemoveColumn"));
    mCompare = Named(new QPushButton(tr("Com&pare"), this), QStringLiteral("cmdCompare"));
    mCompare->setToolTip(tr("Select two to four items to compare them"));
    auto* copy = Named(new QPushButton(tr("&Copy"), this), QStringLiteral("cmdCopy"));
    auto* save = Named(new QPushButton(tr("Sa&ve as CSV\u2026"), this), QStringLiteral("cmdSaveCsv"));
    auto* close = Named(new QPushButton(tr("Close"), this), QStringLiteral("cmdClose"));
    auto* box = Named(new QDialogButtonBox(this), QStringLiteral("fraButtons"));
    for (QPushButton* button : {addColumn, mRemoveColumn, mCompare, copy, save})
        box->addButton(button, QDialogButtonBox::ActionRole);
    box->addButton(close, QDialogButtonBox::RejectRole);
    layout->addWidget(box);

    // Tab goes through the filters, the table and the buttons, in the order shown.
    PlaceConditions();

    const auto run = [this](void (frmFindItems::*handler)()) {
        return [this, handler] { ErrorBoundary::Run([this, handler] { (this->*handler)(); }); };
    };
    connect(mName, &QLineEdit::textChanged, this, run(&frmFindItems::ApplyFilter));
    connect(mMaterial, &QComboBox::currentIndexChanged, this, run(&frmFindItems::ApplyFilter));
    connect(mOnlyUsable, &QCheckBox::toggled, this, run(&frmFindItems::ApplyFilter));
    connect(mMyStatsButton, &QPushButton::clicked, this, run(&frmFindItems::cmdMyStats_Click));
    connect(mAddCondition, &QPushButton::clicked, this, run(&frmFindItems::AddCondition));
    connect(mCompare, &QPushButton::clicked, this, run(&frmFindItems::cmdCompare_Click));
    connect(mSortBy, &QComboBox::activated, this, run(&frmFindItems::SortChosen));
    connect(mDescending, &QCheckBox::toggled, this, run(&frmFindItems::SortChosen));
    connect(header, &QHeaderView::sortIndicatorChanged, this, run(&frmFindItems::ShowOrder));
    connect(copy, &QPushButton::clicked, this, run(&frmFindItems::cmdCopy_Click));
    connect(save, &QPushButton::clicked, this, run(&frmFindItems::cmdSaveCsv_Click));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(columnMenu, &QMenu::aboutToShow, this, [this, columnMenu] {
        columnMenu->clear();
        const std::vector<int32_t>& shown = mBrowser->Items()->StatColumns();
        for (const int32_t id : mBrowser->Catalogue().StatIDs())
            if (std::find(shown.begin(), shown.end(), id) == shown.end())
                connect(columnMenu->addAction(mBrowser->Catalogue().StatName(id)), &QAction::triggered, this,
                        [this, id] { ErrorBoundary::Run([this, id] { AddStatColumn(id); }); });
    });
    connect(mRemoveColumn, &QPushButton::clicked, this, [this] {
        if (const auto stat = mBrowser->Items()->StatOf(mTable->currentIndex().column()))
            ErrorBoundary::Run([this, id = stat->first] { RemoveStatColumn(id); });
    });
    connect(header, &QHeaderView::customContextMenuRequested, this, [this, header](const QPoint& at) {
        const auto stat = mBrowser->Items()->StatOf(header->logicalIndexAt(at));
        if (!stat)
            return;
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("mnuColumn"));
        connect(menu.addAction(tr("&Remove column")), &QAction::triggered, this,
                [this, id = stat->first] { ErrorBoundary::Run([this, id] { RemoveStatColumn(id); }); });
        menu.exec(header->mapToGlobal(at));
    });
    connect(mTable, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        const int row = mBrowser->Shown()->mapToSource(index).row();
        if (row >= 0)
            emit ItemChosen(mBrowser->Catalogue().Item(row).Position);
    });
    connect(mBrowser->Selection(), &QItemSelectionModel::selectionChanged, this, run(&frmFindItems::SelectionChanged));
    connect(mBrowser->Selection(), &QItemSelectionModel::currentChanged, this, run(&frmFindItems::SelectionChanged));
    connect(mBrowser, &ItemBrowser::CountChanged, this, [this] { mCount->setText(mBrowser->CountText()); });
    connect(&GameDataEvents::Instance(), &GameDataEvents::TablesReplaced, this, run(&frmFindItems::TablesReplaced));

    // The stat columns and the size the player left.
    const FindItemsSettings kept = ReadSettings().Settings.FindItems;
    std::vector<int32_t> columns;
    const std::set<int32_t> stats(mBrowser->Catalogue().StatIDs().begin(), mBrowser->Catalogue().StatIDs().end());
    std::copy_if(kept.StatColumns.begin(), kept.StatColumns.end(), std::back_inserter(columns),
                 [&](int32_t id) { return stats.contains(id); });
    mBrowser->SetStatColumns(columns);
    ReadMyStats();
    ShowFilter();
    SizeColumns();
    SelectionChanged();
    mCount->setText(mBrowser->CountText());
    // A size kept from a larger screen (or written by hand) is cut to the room this one has.
    const QSize least = layout->totalMinimumSize();
    const QSize room = screen()->availableGeometry().size();
    resize((kept.Size ? *kept.Size : QSize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 32))
               .boundedTo(room)
               .expandedTo(least));
    mName->setFocus();
}

void frmFindItems::CharacterOpened()
{
    mCharacterOpen = true;
    ReadMyStats();
    ApplyFilter();
}

void frmFindItems::ReadMyStats()
{
    const ProgramSettings settings = ReadSettings().Settings;
    const auto found = settings.CharacterStats.find(gCharacter.CharacterNumber);
    mMyStats = !mCharacterOpen                   ? settings.MyStats
        : found == settings.CharacterStats.end() ? StatValues()
                                                 : found->second;
}

void frmFindItems::ApplyFilter()
{
    ItemFilter filter;
    filter.Name = mName->text();
    if (mMaterial->currentIndex() > 0)
        filter.Material = mMaterial->currentText();
    if (mOnlyUsable->isChecked())
        filter.MyStats = mMyStats;
    for (const ConditionRow& row : mConditions)
        filter.Conditions.push_back({row.Stat->currentData().toInt(),
                                     static_cast<ItemFilter::In>(row.Where->currentIndex()), row.Least->value()});
    mBrowser->SetFilter(filter);
}

// The controls as the browser's filter is: after a reload took out what is gone.
void frmFindItems::ShowFilter()
{
    const ItemFilter filter = mBrowser->Shown()->Filter();
    const QSignalBlocker blockMaterial(mMaterial);
    mMaterial->clear();
    //: The material filter's entry that lets every material through.
    mMaterial->addItem(tr("(all)"));
    mMaterial->addItems(mBrowser->Catalogue().Materials());
    mMaterial->setCurrentIndex(
        filter.Material ? std::max(0, mMaterial->findText(*filter.Material, Qt::MatchExactly | Qt::MatchCaseSensitive))
                        : 0);
    FitCombo(mMaterial);
    while (mConditions.size() > filter.Conditions.size())
        RemoveCondition(mConditions.back().Remove);
    for (size_t at = 0; at < filter.Conditions.size(); ++at) {
        if (at == mConditions.size())
            AddCondition();
        const ConditionRow& row = mConditions[at];
        const QSignalBlocker blockStat(row.Stat), blockWhere(row.Where), blockLeast(row.Least);
        row.Stat->clear();
        for (const int32_t id : mBrowser->Catalogue().StatIDs())
            row.Stat->addItem(mBrowser->Catalogue().StatName(id), id);
        row.Stat->setCurrentIndex(row.Stat->findData(filter.Conditions[at].StatID));
        FitCombo(row.Stat);
        row.Where->setCurrentIndex(static_cast<int>(filter.Conditions[at].Where));
        row.Least->setValue(static_cast<int>(filter.Conditions[at].Least));
    }
}

void frmFindItems::AddCondition()
{
    ++mConditionNames;
    const QString number = QString::number(mConditionNames);
    ConditionRow row;
    //: Before a number box: the item gives at least that many of a stat (chosen after it).
    row.Label = Named(new QLabel(tr("Gives at least"), this), QStringLiteral("lblGives") + number);
    row.Least = Named(new QSpinBox(this), QStringLiteral("spnLeast") + number);
    row.Least->setRange(-999999, 999999);
    row.Least->setValue(1);
    row.Label->setBuddy(row.Least);
    row.Stat = Named(new QComboBox(this), QStringLiteral("cboStat") + number);
    row.Stat->setAccessibleName(tr("Stat"));
    for (const int32_t id : mBrowser->Catalogue().StatIDs())
        row.Stat->addItem(mBrowser->Catalogue().StatName(id), id);
    row.Where = Named(new QComboBox(this), QStringLiteral("cboWhere") + number);
    row.Where->setAccessibleName(tr("Where"));
    row.Stat->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    row.Where->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // In the order of ItemFilter::In.
    row.Where->addItems({tr("mod 0"), tr("mod 1"), tr("mod 0 or mod 1")});
    row.Where->setCurrentIndex(static_cast<int>(ItemFilter::In::Either));
    // Each drop-down with a caption tied to it, which screen readers announce with it.
    //: Between the number and the stat of a condition: "Gives at least 5 of Strength in mod 0".
    row.Of = Named(new QLabel(tr("of"), this), QStringLiteral("lblOf") + number);
    row.Of->setBuddy(row.Stat);
    //: Before mod 0, mod 1 or both in a condition: "Gives at least 5 of Strength in mod 0".
    row.In = Named(new QLabel(tr("in"), this), QStringLiteral("lblIn") + number);
    row.In->setBuddy(row.Where);
    FitCombo(row.Stat);
    FitCombo(row.Where);
    //: Takes one "gives at least" condition away.
    row.Remove = Named(new QPushButton(tr("Remove"), this), QStringLiteral("cmdRemoveCondition") + number);
    row.Remove->setAccessibleName(tr("Remove condition %1").arg(mConditions.size() + 1));
    const auto apply = [this] { ErrorBoundary::Run([this] { ApplyFilter(); }); };
    connect(row.Least, &QSpinBox::valueChanged, this, apply);
    connect(row.Stat, &QComboBox::currentIndexChanged, this, apply);
    connect(row.Where, &QComboBox::currentIndexChanged, this, apply);
    connect(row.Remove, &QPushButton::clicked, this, [this, remove = row.Remove] {
        ErrorBoundary::Run([this, remove] {
            RemoveCondition(remove);
            ApplyFilter();
        });
    });
    mConditions.push_back(row);
    PlaceConditions();
    for (QWidget* control :
         {static_cast<QWidget*>(row.Label), static_cast<QWidget*>(row.Least), static_cast<QWidget*>(row.Of),
          static_cast<QWidget*>(row.Stat), static_cast<QWidget*>(row.In), static_cast<QWidget*>(row.Where),
          static_cast<QWidget*>(row.Remove)})
        control->show();
    row.Least->setFocus();
    ApplyFilter();
}

void frmFindItems::RemoveCondition(QPushButton* remove)
{
    const auto found = std::find_if(mConditions.begin(), mConditions.end(),
                                    [remove](const ConditionRow& row) { return row.Remove == remove; });
    if (found == mConditions.end())
        return;
    const bool focused = found->Remove->hasFocus();
    for (QWidget* control :
         {static_cast<QWidget*>(found->Label), static_cast<QWidget*>(found->Least), static_cast<QWidget*>(found->Of),
          static_cast<QWidget*>(found->Stat), static_cast<QWidget*>(found->In), static_cast<QWidget*>(found->Where),
          static_cast<QWidget*>(found->Remove)})
        control->deleteLater();
    mConditions.erase(found);
    PlaceConditions();
    if (focused)
        mAddCondition->setFocus();
}

// The filters in one grid, so that its columns line up: name and material, what the player
// can use, one row per condition, and the button that adds one.
void frmFindItems::PlaceConditions()
{
    while (QLayoutItem* item = mGrid->takeAt(0))
        delete item;
    mGrid->addWidget(findChild<QLabel*>(QStringLiteral("lblName")), 0, 0);
    mGrid->addWidget(mName, 0, 1, 1, 3);
    mGrid->addWidget(findChild<QLabel*>(QStringLiteral("lblMaterial")), 0, 4);
    mGrid->addWidget(mMaterial, 0, 5);
    mGrid->addWidget(mOnlyUsable, 1, 0, 1, 2);
    mGrid->addWidget(mMyStatsButton, 1, 2, Qt::AlignLeft);
    int line = 2;
    QWidget* previous = mMyStatsButton;
    setTabOrder(mName, mMaterial);
    setTabOrder(mMaterial, mOnlyUsable);
    setTabOrder(mOnlyUsable, mMyStatsButton);
    for (const ConditionRow& row : mConditions) {
        mGrid->addWidget(row.Label, line, 0);
        mGrid->addWidget(row.Least, line, 1);
        mGrid->addWidget(row.Of, line, 2);
        mGrid->addWidget(row.Stat, line, 3);
        mGrid->addWidget(row.In, line, 4);
        mGrid->addWidget(row.Where, line, 5);
        mGrid->addWidget(row.Remove, line, 6, Qt::AlignLeft);
        for (QWidget* next : {static_cast<QWidget*>(row.Least), static_cast<QWidget*>(row.Stat),
                              static_cast<QWidget*>(row.Where), static_cast<QWidget*>(row.Remove)}) {
            setTabOrder(previous, next);
            previous = next;
        }
        ++line;
    }
    mGrid->addWidget(mAddCondition, line, 0, Qt::AlignLeft);
    mGrid->addWidget(findChild<QLabel*>(QStringLiteral("lblSortBy")), line, 4);
    mGrid->addWidget(mSortBy, line, 5);
    mGrid->addWidget(mDescending, line, 6);
    setTabOrder(previous, mAddCondition);
    setTabOrder(mAddCondition, mSortBy);
    setTabOrder(mSortBy, mDescending);
    setTabOrder(mDescending, mTable);
    mGrid->setColumnStretch(3, 1);
}

void frmFindItems::AddStatColumn(int32_t statID)
{
    mBrowser->AddStatColumn(statID);
    SizeColumns();
}

void frmFindItems::RemoveStatColumn(int32_t statID)
{
    mBrowser->RemoveStatColumn(statID);
    SizeColumns();
}

// Each column as wide as its heading and the sort mark need; the names wider. The widths
// come from the headings and the materials only: measuring 20,000 rows would slow every change.
void frmFindItems::SizeColumns()
{
    QHeaderView* header = mTable->horizontalHeader();
    const QStyle* style = header->style();
    const int besides = 3 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header)
        + style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) + 4;
    const QFontMetrics metrics = header->fontMetrics();
    // The materials are few: the column fits the longest.
    int material = metrics.averageCharWidth() * 8;
    for (const QString& name : mBrowser->Catalogue().Materials())
        material = std::max(material, mTable->fontMetrics().horizontalAdvance(name) + besides);
    for (int column = 0; column < mBrowser->Shown()->columnCount(); ++column) {
        const int least = column == ItemTableModel::NameColumn ? metrics.averageCharWidth() * 30
            : column == ItemTableModel::MaterialColumn         ? std::min(material, metrics.averageCharWidth() * 30)
                                                               : metrics.horizontalAdvance(QStringLiteral("-000000"));
        header->resizeSection(
            column,
            std::max(least,
                     metrics.horizontalAdvance(mBrowser->Shown()->headerData(column, Qt::Horizontal).toString())
                         + besides));
    }
    // The sort mark shows the order that stayed.
    const QSignalBlocker block(header);
    header->setSortIndicator(mBrowser->Shown()->sortColumn(), mBrowser->Shown()->sortOrder());
    ShowOrder();
}

// "Sort by" offers the columns shown and names the one the table is sorted by.
void frmFindItems::ShowOrder()
{
    const QSignalBlocker blockSort(mSortBy), blockDescending(mDescending);
    mSortBy->clear();
    //: The entry of "Sort by" that shows the items in the order of the game database.
    mSortBy->addItem(tr("(database order)"));
    for (int column = 0; column < mBrowser->Shown()->columnCount(); ++column)
        mSortBy->addItem(mBrowser->Shown()->headerData(column, Qt::Horizontal).toString());
    const int sorted = mBrowser->Shown()->sortColumn();
    mSortBy->setCurrentIndex(sorted + 1);
    FitCombo(mSortBy);
    mDescending->setChecked(sorted >= 0 && mBrowser->Shown()->sortOrder() == Qt::DescendingOrder);
    mDescending->setEnabled(sorted >= 0);
}

void frmFindItems::SortChosen()
{
    const int column = mSortBy->currentIndex() - 1;
    mTable->horizontalHeader()->setSortIndicator(
        column, column >= 0 && mDescending->isChecked() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void frmFindItems::SelectionChanged()
{
    const size_t selected = mBrowser->SelectedRows().size();
    mCompare->setEnabled(selected >= 2 && selected <= 4);
    mRemoveColumn->setEnabled(mBrowser->Items()->StatOf(mTable->currentIndex().column()).has_value());
}

void frmFindItems::cmdMyStats_Click()
{
    const QString whose = mCharacterOpen ? TextForDisplay(gCharacter.Name).trimmed()
                                         //: Whose stats My Stats shows while no character file is open.
                                         : tr("no character");
    frmMyStats dialog(mBrowser->Catalogue(), mMyStats, whose, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    mMyStats = dialog.Values();
    ApplyFilter();
    ProgramSettings settings = ReadSettings().Settings;
    if (mCharacterOpen)
        settings.CharacterStats[gCharacter.CharacterNumber] = mMyStats;
    else
        settings.MyStats = mMyStats;
    try {
        WriteSettings(settings, SettingsGroup::MyStats);
    } catch (const KelvaraError& error) {
        Dialogs::Message(this, tr("Your stats could not be saved.\n%1").arg(error.message()));
    }
}

void frmFindItems::cmdCompare_Click()
{
    const std::vector<int32_t> rows = mBrowser->SelectedRows();
    if (rows.size() < 2 || rows.size() > 4)
        return;
    // It takes what it shows from the catalogue at once: a reload later changes nothing there.
    auto* compare = new frmCompare(mBrowser->Catalogue(), rows, this);
    compare->setAttribute(Qt::WA_DeleteOnClose);
    compare->show();
    // It takes the focus, so that Escape closes it and not this window.
    compare->raise();
    compare->activateWindow();
}

void frmFindItems::cmdCopy_Click()
{
    QGuiApplication::clipboard()->setText(TabText(mBrowser->TextRows()));
}

void frmFindItems::cmdSaveCsv_Click()
{
    if (mCsvPath.isEmpty())
        //: The file name Save as CSV proposes.
        mCsvPath = QDir::home().filePath(tr("items") + QStringLiteral(".csv"));
    const QString path = Dialogs::SaveFile(
        this, Dialogs::Caption(findChild<QPushButton*>(QStringLiteral("cmdSaveCsv"))->text()), mCsvPath,
        tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    mCsvPath = path;
    if (const auto reason = SaveFileAtomically(path, CsvText(mBrowser->TextRows()).toUtf8()))
        Dialogs::Message(this,
                         QCoreApplication::translate("Files", "Cannot write \"%1\": %2")
                             .arg(QDir::toNativeSeparators(path), *reason));
}

void frmFindItems::TablesReplaced()
{
    mBrowser->SetCatalogue(std::make_shared<ItemCatalogue>(gItemTable, gStatTable));
    ShowFilter();
    ApplyFilter();
    SizeColumns();
    SelectionChanged();
}

void frmFindItems::closeEvent(QCloseEvent* event)
{
    ProgramSettings settings = ReadSettings().Settings;
    settings.FindItems.Size = size();
    settings.FindItems.StatColumns = mBrowser->Items()->StatColumns();
    try {
        WriteSettings(settings, SettingsGroup::FindItems);
    } catch (const KelvaraError& error) {
        // The window closes all the same.
        Dialogs::Message(nullptr,
                         tr("The size and the columns of Find Items could not be saved.\n%1").arg(error.message()));
    }
    QWidget::closeEvent(event);
}
