// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmstats.h"

#include "db/statline.h"
#include "dropdownaccess.h"
#include "formkit.h"
#include "guard.h"
#include "itemfinder.h"
#include "running/gamedatawatcher.h"
#include "running/globals.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {
// A line takes the width of its text and the margin before it. The list would add
// the same margin after the text too, which makes a 16-character line a pixel or
// two wider than the box and gives every list a needless horizontal scroll bar.
// Lines are never shortened with an ellipsis; a list that also needs a vertical
// scroll bar scrolls sideways to show the whole line.
class LineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QWidget* view = option.widget;
        const QStyle* style = view ? view->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, view) + 1;
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(margin + option.fontMetrics.horizontalAdvance(index.data().toString()));
        return size;
    }
};

QListWidget* AddList(QWidget* parent, const char* name, QRect rect)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setFont(FixedFont(8.25));
    list->setItemDelegate(new LineDelegate(list));
    list->setTextElideMode(Qt::ElideNone);
    list->setSortingEnabled(false);
    list->setGeometry(rect);
    return list;
}

void FillList(QListWidget* list, const PairTable& pairs, int32_t count)
{
    list->clear();
    for (int32_t k = 1; k <= count; ++k)
        list->addItem(StatLine(gStatTable, pairs.StatID(k), pairs.Value(k)));
}
} // namespace

frmStats::frmStats(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmStats"));
    setWindowTitle(tr("Item Stats"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(SansFont());
    ReportAsWindow(this);
    NameDropDowns();
    CloseOnEscape(this);

    // A box the player can also type into. Typing alone chooses nothing: a typed
    // text is never added to the list, and Enter or leaving the box, which the box
    // itself takes as a choice of the entry with that name, is not one here.
    auto* edit = new QLineEdit;
    connect(edit, &QLineEdit::editingFinished, this, [this] { mSettlingTypedText = true; });
    mItem = new QComboBox(this);
    mItem->setObjectName(QStringLiteral("cboItem"));
    mItem->setEditable(true);
    mItem->setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this] { mSettlingTypedText = false; });
    mItem->setInsertPolicy(QComboBox::NoInsert);
    mItem->setGeometry(TwipsRect(1560, 120, 2535, 315));
    // The box has no caption: a screen reader names it, and its text part, "Item".
    //: What a screen reader names the box in which the player chooses or types an item.
    mItem->setAccessibleName(tr("Item"));
    edit->setAccessibleName(mItem->accessibleName());

    // A heading a little wider than its box takes the free room on its right rather than being cut.
    QLabel* captions[] = {
        MakeLabel(this, "Label1", tr("Minimum Requirements"), Qt::AlignLeft, TwipsRect(120, 600, 1695, 255)),
        MakeLabel(this, "Label2", //: The heading of the list of an item's mods of set 0 (the game's term).
                  tr("Mod 0"), Qt::AlignHCenter, TwipsRect(2160, 600, 1215, 255)),
        MakeLabel(this, "Label3", //: The heading of the list of an item's mods of set 1 (the game's term).
                  tr("Mod 1"), Qt::AlignHCenter, TwipsRect(3960, 600, 1215, 255))};
    mMinReq = AddList(this, "lstMinReq", TwipsRect(120, 840, 1695, 2160));
    mMod0 = AddList(this, "lstMod0", TwipsRect(1920, 840, 1695, 2160));
    mMod1 = AddList(this, "lstMod1", TwipsRect(3720, 840, 1695, 2160));
    TieCaption(captions[0], mMinReq);
    TieCaption(captions[1], mMod0);
    TieCaption(captions[2], mMod1);

    setTabOrder(mItem, mMinReq);
    setTabOrder(mMinReq, mMod0);
    setTabOrder(mMod0, mMod1);
    mItem->setFocus();

    setFixedSize(TwipsToPixels(5550), TwipsToPixels(3195));
    FitTexts(this);

    connect(mItem, &QComboBox::activated, this, [this] {
        if (!mSettlingTypedText)
            ErrorBoundary::Run([this] { cboItem_Click(); });
    });
    // An entry chosen from the list of found names is chosen as from the drop-down.
    mFinder = new ItemFinder(edit);
    connect(mFinder, &ItemFinder::Chosen, this,
            [this](int32_t position) { ErrorBoundary::Run([this, position] { ChooseItem(position); }); });
    connect(&GameDataEvents::Instance(), &GameDataEvents::TablesReplaced, this,
            [this] { ErrorBoundary::Run([this] { TablesReplaced(); }); });

    Form_Load();
}

frmStats::~frmStats()
{
    // The box loses the focus while the window goes; that is no event of this window.
    mItem->lineEdit()->disconnect(this);
    mItem->disconnect(this);
}

void frmStats::Form_Load()
{
    for (int32_t i = 1; i <= gItemTable.NumItems(); ++i)
        mItem->addItem(gItemTable.Item(i));
    // No entry chosen and an empty text at first.
    mItem->setCurrentIndex(-1);
    mItem->setEditText(QString());
}

void frmStats::cboItem_Click()
{
    mMinReq->clear();
    const std::optional<int32_t> found = gItemTable.FindItemID(mItem->currentText());
    mChosen = found ? mItem->currentText() : QString();
    if (!found) {
        // A text that names no item: nothing to list.
        mMod0->clear();
        mMod1->clear();
        return;
    }
    const int32_t itemID = *found;
    FillList(mMinReq, gItemTable.MinStats(itemID), gItemTable.NumMinStats(itemID));
    const PairTable mod0 = gItemTable.Mods(itemID, 0);
    const PairTable mod1 = gItemTable.Mods(itemID, 1);
    FillList(mMod0, mod0, gItemTable.NumMods(itemID, 0));
    FillList(mMod1, mod1, gItemTable.NumMods(itemID, 1));
}

void frmStats::ChooseItem(int32_t position)
{
    mItem->setCurrentIndex(position - 1);
    cboItem_Click();
}

void frmStats::TablesReplaced()
{
    const QString typed = mItem->currentText();
    const QString chosen = mChosen;
    mItem->clear();
    Form_Load();
    // The chosen item with its stats as they are now; or, gone, nothing.
    const int32_t index = chosen.isEmpty() ? -1 : gItemTable.FindItemIndex(chosen);
    if (index > 0) {
        mItem->setCurrentIndex(index - 1);
        cboItem_Click();
    } else {
        mChosen.clear();
        mMinReq->clear();
        mMod0->clear();
        mMod1->clear();
    }
    // What the player is typing stays, and an open list of found names shows the new ones.
    if (typed != chosen)
        mItem->setEditText(typed);
    mFinder->Rebuild();
}
