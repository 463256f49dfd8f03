// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmreminders.h"

#include "core/textnum.h"
#include "formkit.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextDocument>
#include <QTreeWidget>
#include <QValidator>

namespace {
enum Column { On, Day, Minutes, Label };

// Keeps the label within MaxReminderLabel UTF-16 units: of what is typed or pasted beyond,
// the end goes by whole characters of what came in, never half an emoji or a letter without
// its accent, and never anything the box held before (an accent after its last letter).
class LabelLength : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        const qsizetype excess = input.size() - MaxReminderLabel;
        if (excess > 0) {
            // What came in ends at the cursor and starts where the text parts from the one before.
            const qsizetype unchanged = std::min<qsizetype>(pos, mBefore.size() - (input.size() - pos));
            qsizetype from = 0;
            while (from < unchanged && input[from] == mBefore[from])
                ++from;
            const qsizetype fits = WholeCharacters(input.mid(from, pos - from), pos - from - excess);
            input.remove(from + fits, pos - from - fits);
            pos = static_cast<int>(from + fits);
            input.truncate(WholeCharacters(input, MaxReminderLabel));
            pos = std::min(pos, static_cast<int>(input.size()));
        }
        mBefore = input;
        return Acceptable;
    }

private:
    mutable QString mBefore; // what the box holds: every change of its text comes here
};

template <typename Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
} // namespace

frmReminders::frmReminders(const ProgramSettings& settings, QWidget* parent)
    : QDialog(parent)
    , mSettings(settings)
{
    for (size_t i = 0; i < settings.Reminders.size(); ++i) {
        const quint64 id = i < settings.ReminderIds.size() ? settings.ReminderIds[i] : 0;
        mRows.push_back({settings.Reminders[i], id, std::nullopt});
        mNextId = std::max(mNextId, id + 1);
    }
    for (const UnusableReminder& entry : settings.Unusable) // by their places
        mRows.insert(mRows.begin() + static_cast<qsizetype>(std::min(entry.Place, mRows.size())),
                     {Reminder(), 0, entry});
    for (Row& row : mRows) {
        if (row.Id == 0)
            row.Id = mNextId++;
    }

    setObjectName(QStringLiteral("frmReminders"));
    setWindowTitle(tr("Reminders"));
    setFont(SansFont(10));

    mList = Named(new QTreeWidget(this), "lstReminders");
    mList->setAccessibleName(windowTitle());
    mList->setHeaderLabels({tr("On"), tr("Day"), tr("Minutes before"), tr("Label")});
    mList->setRootIsDecorated(false);
    mList->setMinimumWidth(TwipsToPixels(6600));
    mList->header()->setStretchLastSection(true);

    mDay = Named(new QSpinBox(this), "txtDay");
    mDay->setRange(1, 28);
    mMinutes = Named(new QSpinBox(this), "txtMinutes");
    mMinutes->setRange(0, MaxReminderMinutes);
    mLabel = Named(new QLineEdit(this), "txtLabel");
    mLabel->setValidator(new LabelLength(mLabel));
    auto* editors = new QFormLayout;
    editors->addRow(tr("Game day of the month:"), mDay);
    editors->addRow(tr("Real minutes before it begins:"), mMinutes);
    editors->addRow(tr("Label:"), mLabel);

    auto* add = Named(new QPushButton(tr("Add"), this), "cmdAdd");
    mRemove = Named(new QPushButton(tr("Remove"), this), "cmdRemove");
    mTest = Named(new QPushButton(tr("Test"), this), "cmdTest");
    for (QPushButton* button : {add, mRemove, mTest})
        button->setAutoDefault(false);
    // Tab goes from the list to the buttons beside it, then to the boxes below.
    setTabOrder(mList, add);
    setTabOrder(add, mRemove);
    setTabOrder(mRemove, mTest);
    auto* side = new QVBoxLayout;
    side->addWidget(add);
    side->addWidget(mRemove);
    side->addWidget(mTest);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(mList, 1);
    top->addLayout(side);

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(editors);
    layout->addWidget(box);

    for (size_t i = 0; i < mRows.size(); ++i) {
        new QTreeWidgetItem(mList);
        ShowRow(static_cast<int>(i));
    }
    for (int column : {On, Day, Minutes})
        mList->resizeColumnToContents(column);

    connect(add, &QPushButton::clicked, this, &frmReminders::cmdAdd_Click);
    connect(mRemove, &QPushButton::clicked, this, &frmReminders::cmdRemove_Click);
    connect(mTest, &QPushButton::clicked, this, &frmReminders::cmdTest_Click);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mList, &QTreeWidget::currentItemChanged, this, &frmReminders::LoadEditors);
    connect(mList, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        const int row = mList->indexOfTopLevelItem(item);
        if (!mLoading && column == On && row >= 0 && !mRows[static_cast<size_t>(row)].Unusable)
            mRows[static_cast<size_t>(row)].Value.Enabled = item->checkState(On) == Qt::Checked;
    });
    connect(mDay, &QSpinBox::valueChanged, this, &frmReminders::StoreEditors);
    connect(mMinutes, &QSpinBox::valueChanged, this, &frmReminders::StoreEditors);
    connect(mLabel, &QLineEdit::textEdited, this, &frmReminders::StoreEditors);

    mList->setCurrentItem(mList->topLevelItem(0));
    LoadEditors();
}

ProgramSettings frmReminders::Settings() const
{
    ProgramSettings settings = mSettings;
    settings.Reminders.clear();
    settings.ReminderIds.clear();
    settings.Unusable.clear();
    for (const Row& row : mRows) {
        if (row.Unusable) {
            settings.Unusable.push_back(*row.Unusable);
            settings.Unusable.back().Place = settings.Reminders.size() + settings.Unusable.size() - 1;
        } else {
            settings.Reminders.push_back(row.Value);
            settings.ReminderIds.push_back(row.Id);
        }
    }
    return settings;
}

int frmReminders::UsedCount() const
{
    return static_cast<int>(std::count_if(mRows.begin(), mRows.end(), [](const Row& r) { return !r.Unusable; }));
}

void frmReminders::ShowRow(int row)
{
    const Row& shown = mRows[static_cast<size_t>(row)];
    const Reminder& reminder = shown.Value;
    QTreeWidgetItem* item = mList->topLevelItem(row);
    mLoading = true;
    if (shown.Unusable) {
        // Greyed, without a tick box, with the values as the file holds them and the reason.
        auto text = [&shown](const char* key) { return shown.Unusable->Text(QLatin1String(key)); };
        const QString why = tr("Not used: %1").arg(shown.Unusable->Why);
        // The file's values are the player's text: a tooltip shows it as it is, never as markup.
        const QString tip = Qt::convertFromPlainText(why, Qt::WhiteSpaceNormal);
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        item->setText(Day, text("day"));
        item->setText(Minutes, text("minutes"));
        item->setText(Label, QStringLiteral("%1 (%2)").arg(ShownLabel(text("label")), why).trimmed());
        for (int column : {On, Day, Minutes, Label}) {
            item->setForeground(column, palette().brush(QPalette::Disabled, QPalette::Text));
            item->setToolTip(column, tip);
        }
    } else {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(On, reminder.Enabled ? Qt::Checked : Qt::Unchecked);
        item->setText(Day, QString::number(reminder.Day));
        item->setText(Minutes, QString::number(reminder.Minutes));
        item->setText(Label, ShownLabel(reminder.Label));
        for (int column : {On, Day, Minutes, Label}) {
            item->setData(column, Qt::ForegroundRole, QVariant());
            item->setToolTip(column, QString());
        }
    }
    mLoading = false;
}

void frmReminders::LoadEditors()
{
    const int row = mList->indexOfTopLevelItem(mList->currentItem());
    const Row* current = row >= 0 && static_cast<size_t>(row) < mRows.size() ? &mRows[static_cast<size_t>(row)]
                                                                             : nullptr;
    // An entry that is not used becomes a reminder when edited, while there is room for one.
    const bool editable = current && (!current->Unusable || UsedCount() < MaxReminders);
    for (QWidget* editor : std::initializer_list<QWidget*>{mDay, mMinutes, mLabel})
        editor->setEnabled(editable);
    mRemove->setEnabled(current);
    mTest->setEnabled(current && !current->Unusable);
    if (!current)
        return;
    mLoading = true;
    if (current->Unusable) {
        // The file's values where they fit the boxes, else those of a new reminder.
        const UnusableReminder& entry = *current->Unusable;
        auto number = [&entry](const char* key, int otherwise) {
            bool ok = false;
            const int value = entry.Text(QLatin1String(key)).trimmed().toInt(&ok);
            return ok ? value : otherwise;
        };
        mDay->setValue(number("day", Reminder().Day));
        mMinutes->setValue(number("minutes", Reminder().Minutes));
        mLabel->setText(ShownLabel(entry.Text(QStringLiteral("label"))));
    } else {
        mDay->setValue(current->Value.Day);
        mMinutes->setValue(current->Value.Minutes);
        mLabel->setText(ShownLabel(current->Value.Label));
    }
    mLoading = false;
}

void frmReminders::StoreEditors()
{
    const int row = mList->indexOfTopLevelItem(mList->currentItem());
    if (mLoading || row < 0 || static_cast<size_t>(row) >= mRows.size())
        return;
    Row& current = mRows[static_cast<size_t>(row)];
    // The label the box shows, its NULs as U+FFFD: a label not edited there keeps them.
    const QString label = current.Unusable ? current.Unusable->Text(QStringLiteral("label")) : current.Value.Label;
    if (current.Unusable) {
        // Edited: from now on a reminder made of the boxes' values, switched on.
        current.Unusable.reset();
        current.Value = Reminder();
        mTest->setEnabled(true);
    }
    current.Value.Day = mDay->value();
    current.Value.Minutes = mMinutes->value();
    current.Value.Label = mLabel->text() != ShownLabel(label) ? mLabel->text() : label;
    ShowRow(row);
}

void frmReminders::cmdAdd_Click()
{
    if (UsedCount() >= MaxReminders)
        return; // the file keeps no more
    mRows.push_back({Reminder(), mNextId++, std::nullopt});
    auto* item = new QTreeWidgetItem(mList);
    ShowRow(mList->indexOfTopLevelItem(item));
    mList->setCurrentItem(item);
    mLabel->setFocus();
    mLabel->selectAll();
}

void frmReminders::cmdRemove_Click()
{
    // Exactly the entry selected: none when nothing is.
    const QList<QTreeWidgetItem*> selected = mList->selectedItems();
    const int row = selected.size() == 1 ? mList->indexOfTopLevelItem(selected.front()) : -1;
    if (row < 0 || static_cast<size_t>(row) >= mRows.size())
        return;
    {
        // The list picks another current item while the row goes, and tells of it before
        // the row is gone: the editors follow once both lists match again.
        const QSignalBlocker quiet(mList);
        delete mList->takeTopLevelItem(row);
    }
    mRows.erase(mRows.begin() + row);
    if (QTreeWidgetItem* current = mList->currentItem())
        current->setSelected(true);
    LoadEditors();
}

void frmReminders::cmdTest_Click()
{
    const int row = mList->indexOfTopLevelItem(mList->currentItem());
    if (row >= 0 && !mRows[static_cast<size_t>(row)].Unusable)
        emit TestRequested(mRows[static_cast<size_t>(row)].Value);
}
