#pragma once

#include <QWidget>

class QComboBox;
class QListWidget;

// "Item Stats": pick an item and see its minimum stat requirements and its mods 0
// and 1, from the stat and item tables loaded at start. Not modal; closing it
// unloads it.
class frmStats : public QWidget
{
    Q_OBJECT

public:
    explicit frmStats(QWidget* parent = nullptr);
    ~frmStats() override;

    // Fills the item box with the item names in the item table's order.
    void Form_Load();

public slots:
    // Shows the item named by the box's text in the three lists; a text that names
    // no item empties them.
    void cboItem_Click();

private:
    QComboBox* mItem;
    QListWidget* mMinReq;
    QListWidget* mMod0;
    QListWidget* mMod1;
    // Set while the box itself settles a typed text; that is no choice.
    bool mSettlingTypedText = false;
};
