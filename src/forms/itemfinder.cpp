// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemfinder.h"

#include "running/globals.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QScrollBar>
#include <QStringListModel>

ItemFinder::ItemFinder(QLineEdit* box)
    : QObject(box)
    , mBox(box)
    , mModel(new QStringListModel(this))
{
    // The completer is only shown here; the box itself does no completing, so the text
    // stays as typed until an entry is chosen.
    box->setCompleter(nullptr);
    mCompleter = new QCompleter(mModel, this);
    mCompleter->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    mCompleter->setMaxVisibleItems(12);
    mCompleter->setWidget(box);
    // One line a name: the list lays out its rows without measuring each one.
    if (auto* list = qobject_cast<QListView*>(mCompleter->popup()))
        list->setUniformItemSizes(true);
    // Screen readers reach the list under the box's own (see NameDropDowns).
    //: What a screen reader names the list of the items whose names hold the typed text.
    mCompleter->popup()->setAccessibleName(tr("Items found"));
    connect(box, &QLineEdit::textEdited, this, &ItemFinder::Typed);
    connect(mCompleter, qOverload<const QModelIndex&>(&QCompleter::activated), this, [this](const QModelIndex& index) {
        if (index.isValid() && size_t(index.row()) < mPositions.size())
            emit Chosen(mPositions[size_t(index.row())]);
    });
    Rebuild();
}

void ItemFinder::Rebuild()
{
    const bool open = mCompleter->popup()->isVisible();
    mIndex = NameIndex::ForItems(gItemTable);
    mCompleter->popup()->hide();
    mModel->setStringList({});
    mPositions.clear();
    if (open)
        Typed(mBox->text());
}

QStringList ItemFinder::Listed() const
{
    return mCompleter->popup()->isVisible() ? mModel->stringList() : QStringList();
}

void ItemFinder::Typed(const QString& text)
{
    if (text.isEmpty()) {
        mCompleter->popup()->hide();
        return;
    }
    mPositions = mIndex.Find(text, Shown).Positions;
    QStringList names;
    names.reserve(qsizetype(mPositions.size()));
    for (int32_t position : mPositions)
        names << gItemTable.Item(position);
    mModel->setStringList(names);
    // The list is as wide as its longest name needs, and never narrower than the box, nor
    // wider than the screen: there a name too long for it ends in an ellipsis.
    QAbstractItemView* list = mCompleter->popup();
    const int needed = list->sizeHintForColumn(0) + 2 * list->frameWidth()
        + (names.size() > mCompleter->maxVisibleItems() ? list->verticalScrollBar()->sizeHint().width() : 0);
    const int screen = mBox->screen()->availableGeometry().width();
    list->setTextElideMode(Qt::ElideRight);
    mCompleter->complete(QRect(0, 0, std::min(std::max(mBox->width(), needed), screen), mBox->height() - 1));
    // No entry is picked until the player moves to one: Enter alone chooses nothing.
    mCompleter->popup()->setCurrentIndex(QModelIndex());
}
