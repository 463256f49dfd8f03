#include "frmreminders.h"

#include "formkit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

namespace {
enum Column { On, Day, Minutes, Label };

template <typename Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
} // namespace

frmReminders::frmReminders(const ProgramSettings& settings, QWidget* parent)
    : QDialog(parent)
    , mReminders(settings.Reminders)
{
    setObjectName(QStringLiteral("frmReminders"));
    setWindowTitle(QStringLiteral("Reminders"));
    setFont(SansFont(10));

    mList = Named(new QTreeWidget(this), "lstReminders");
    mList->setHeaderLabels(
        {QStringLiteral("On"), QStringLiteral("Day"), QStringLiteral("Minutes before"), QStringLiteral("Label")});
    mList->setRootIsDecorated(false);
    mList->setMinimumWidth(TwipsToPixels(6600));
    mList->header()->setStretchLastSection(true);

    mDay = Named(new QSpinBox(this), "txtDay");
    mDay->setRange(1, 28);
    mMinutes = Named(new QSpinBox(this), "txtMinutes");
    mMinutes->setRange(0, MaxReminderMinutes);
    mLabel = Named(new QLineEdit(this), "txtLabel");
    mLabel->setMaxLength(MaxReminderLabel);
    auto* editors = new QFormLayout;
    editors->addRow(QStringLiteral("Game day of the month:"), mDay);
    editors->addRow(QStringLiteral("Real minutes before it begins:"), mMinutes);
    editors->addRow(QStringLiteral("Label:"), mLabel);

    auto* add = Named(new QPushButton(QStringLiteral("Add"), this), "cmdAdd");
    mRemove = Named(new QPushButton(QStringLiteral("Remove"), this), "cmdRemove");
    mTest = Named(new QPushButton(QStringLiteral("Test"), this), "cmdTest");
    for (QPushButton* button : {add, mRemove, mTest})
        button->setAutoDefault(false);
    auto* side = new QVBoxLayout;
    side->addWidget(add);
    side->addWidget(mRemove);
    side->addWidget(mTest);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(mList, 1);
    top->addLayout(side);

    mKeepInTray = Named(new QCheckBox(QStringLiteral("Keep running in the tray when the main window is closed"), this),
                        "chkKeepInTray");
    mKeepInTray->setChecked(settings.KeepInTray);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(editors);
    layout->addWidget(mKeepInTray);
    layout->addWidget(box);

    for (size_t i = 0; i < mReminders.size(); ++i) {
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
        if (!mLoading && column == On && row >= 0)
            mReminders[static_cast<size_t>(row)].Enabled = item->checkState(On) == Qt::Checked;
    });
    connect(mDay, &QSpinBox::valueChanged, this, &frmReminders::StoreEditors);
    connect(mMinutes, &QSpinBox::valueChanged, this, &frmReminders::StoreEditors);
    connect(mLabel, &QLineEdit::textEdited, this, &frmReminders::StoreEditors);

    mList->setCurrentItem(mList->topLevelItem(0));
    LoadEditors();
}

ProgramSettings frmReminders::Settings() const
{
    return {mReminders, mKeepInTray->isChecked()};
}

void frmReminders::ShowRow(int row)
{
    const Reminder& reminder = mReminders[static_cast<size_t>(row)];
    QTreeWidgetItem* item = mList->topLevelItem(row);
    mLoading = true;
    item->setCheckState(On, reminder.Enabled ? Qt::Checked : Qt::Unchecked);
    item->setText(Day, QString::number(reminder.Day));
    item->setText(Minutes, QString::number(reminder.Minutes));
    item->setText(Label, reminder.Label);
    mLoading = false;
}

void frmReminders::LoadEditors()
{
    const int row = mList->indexOfTopLevelItem(mList->currentItem());
    for (QWidget* editor : std::initializer_list<QWidget*>{mDay, mMinutes, mLabel, mRemove, mTest})
        editor->setEnabled(row >= 0);
    if (row < 0)
        return;
    const Reminder& reminder = mReminders[static_cast<size_t>(row)];
    mLoading = true;
    mDay->setValue(reminder.Day);
    mMinutes->setValue(reminder.Minutes);
    mLabel->setText(reminder.Label);
    mLoading = false;
}

void frmReminders::StoreEditors()
{
    const int row = mList->indexOfTopLevelItem(mList->currentItem());
    if (mLoading || row < 0)
        return;
    Reminder& reminder = mReminders[static_cast<size_t>(row)];
    reminder.Day = mDay->value();
    reminder.Minutes = mMinutes->value();
    reminder.Label = mLabel->text();
    ShowRow(row);
}

void frmReminders::cmdAdd_Click()
{
    if (mReminders.size() >= MaxReminders)
        return; // the file keeps no more
    mReminders.push_back(Reminder());
    auto* item = new QTreeWidgetItem(mList);
    ShowRow(mList->indexOfTopLevelItem(item));
    mList->setCurrentItem(item);
    mLabel->setFocus();
    mLabel->selectAll();
}

void frmReminders::cmdRemove_Click()
{
    const int row = mList->indexOfTopLevelItem(mList->currentItem());
    if (row < 0)
        return;
    mReminders.erase(mReminders.begin() + row);
    delete mList->takeTopLevelItem(row);
    LoadEditors();
}

void frmReminders::cmdTest_Click()
{
    const int row = mList->indexOfTopLevelItem(mList->currentItem());
    if (row >= 0)
        emit TestRequested(mReminders[static_cast<size_t>(row)]);
}
