// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/settings.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

// "Reminders": the list of reminders, where the player adds, changes, removes,
// switches on and off and tries them. The caller takes
// Settings() when the dialog is confirmed; each reminder keeps its identity.
class frmReminders : public QDialog
{
    Q_OBJECT

public:
    explicit frmReminders(const ProgramSettings& settings, QWidget* parent = nullptr);

    ProgramSettings Settings() const;

signals:
    // "Test": show this reminder's notification now.
    void TestRequested(const Reminder& reminder);

private slots:
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdTest_Click();

private:
    // One row of the list: a reminder, or an entry of the settings file that could not
    // be used (shown greyed with the reason, kept as it is until it is edited or removed).
    struct Row
    {
        Reminder Value;
        quint64 Id = 0;
        std::optional<UnusableReminder> Unusable;
    };

    // The row's texts from its reminder; the editors from the current row; the
    // current reminder from the editors.
    void ShowRow(int row);
    void LoadEditors();
    void StoreEditors();
    int UsedCount() const;

    std::vector<Row> mRows;
    quint64 mNextId = 1;
    ProgramSettings mSettings;
    QTreeWidget* mList;
    QSpinBox* mDay;
    QSpinBox* mMinutes;
    QLineEdit* mLabel;
    QPushButton* mRemove;
    QPushButton* mTest;
    bool mLoading = false;
};
