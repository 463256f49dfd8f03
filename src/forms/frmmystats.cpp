// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmmystats.h"

#include "db/itemcatalogue.h"
#include "db/nameindex.h"
#include "formkit.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QValidator>

#include <algorithm>

namespace {

// A 64-bit whole number, negative included, or nothing (0).
class StatValueValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        if (input.isEmpty() || input == QLatin1String("-"))
            return input.isEmpty() ? Acceptable : Intermediate;
        bool ok = false;
        input.toLongLong(&ok);
        return ok && !input.contains(QLatin1Char('+')) && !input.contains(QLatin1Char(' ')) ? Acceptable : Invalid;
    }
};

// The value column's box: a line that takes whole numbers only. Enter ends the edit; the
// next Enter is the dialog's OK.
class ValueDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        auto* edit = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (edit) {
            edit->setValidator(new StatValueValidator(edit));
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        return edit;
    }
};

} // namespace

frmMyStats::frmMyStats(const ItemCatalogue& catalogue, const StatValues& values, const QString& whose, QWidget* parent)
    : QDialog(parent)
    , mStatIDs(catalogue.StatIDs())
{
    setObjectName(QStringLiteral("frmMyStats"));
    //: The title of the window of the player's stats; %1 is a character's name, or the words for no character.
    setWindowTitle(tr("My Stats – %1").arg(whose));
    setFont(SansFont(10));
    setModal(true);

    auto* filterLabel = new QLabel(tr("&Find a stat:"), this);
    filterLabel->setObjectName(QStringLiteral("lblFilter"));
    auto* filter = new QLineEdit(this);
    filter->setObjectName(QStringLiteral("txtFilter"));
    filter->setClearButtonEnabled(true);
    filterLabel->setBuddy(filter);

    mTable = new QTableWidget(static_cast<int>(mStatIDs.size()), 2, this);
    mTable->setObjectName(QStringLiteral("tblStats"));
    mTable->setAccessibleName(tr("My stats"));
    mTable->setHorizontalHeaderLabels({tr("Stat"), tr("Value")});
    mTable->verticalHeader()->hide();
    mTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    mTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    mTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mTable->setSelectionBehavior(QAbstractItemView::SelectItems);
    // The arrows go from stat to stat; typing or F2 edits a value.
    mTable->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    mTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    mTable->setTabKeyNavigation(false); // Tab goes on to the buttons; the arrows move in the table
    mTable->setItemDelegateForColumn(1, new ValueDelegate(mTable));
    for (size_t row = 0; row < mStatIDs.size(); ++row) {
        auto* name = new QTableWidgetItem(catalogue.StatName(mStatIDs[row]));
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        const auto given = values.find(mStatIDs[row]);
        auto* value = new QTableWidgetItem(given != values.end() && given->second != 0 ? QString::number(given->second)
                                                                                       : QString());
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        mTable->setItem(static_cast<int>(row), 0, name);
        mTable->setItem(static_cast<int>(row), 1, value);
    }
    mTable->horizontalHeader()->setMinimumSectionSize(
        fontMetrics().horizontalAdvance(QStringLiteral("-9223372036854775808")) + 16);
    mTable->setCurrentCell(0, 1);
    // A stat the database no longer holds keeps its value.
    for (const auto& [stat, value] : values)
        if (value != 0 && std::find(mStatIDs.begin(), mStatIDs.end(), stat) == mStatIDs.end())
            mKept[stat] = value;

    // The stats whose names hold the text, matched as find-as-you-type matches names. Typing goes
    // to the stat under the cursor, which is therefore always one shown: the first, when the one
    // before is hidden now.
    connect(filter, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString folded = FoldedName(text.trimmed());
        int first = -1;
        for (int row = 0; row < mTable->rowCount(); ++row) {
            const bool hidden = !FoldedName(mTable->item(row, 0)->text()).contains(folded);
            mTable->setRowHidden(row, hidden);
            if (!hidden && first < 0)
                first = row;
        }
        if (mTable->currentRow() < 0 || mTable->isRowHidden(mTable->currentRow()))
            mTable->setCurrentCell(first, first < 0 ? -1 : 1);
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(mTable, 1);
    layout->addWidget(buttons);
    setTabOrder(filter, mTable);
    setTabOrder(mTable, buttons);
    resize(qMax(sizeHint().width(), TwipsToPixels(6000)), TwipsToPixels(7200));
}

StatValues frmMyStats::Values() const
{
    StatValues values = mKept;
    for (size_t row = 0; row < mStatIDs.size(); ++row) {
        if (const qint64 value = mTable->item(static_cast<int>(row), 1)->text().toLongLong(); value != 0)
            values[mStatIDs[row]] = value;
    }
    return values;
}
