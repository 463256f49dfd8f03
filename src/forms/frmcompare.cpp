// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmcompare.h"

#include "db/itemcatalogue.h"
#include "formkit.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStandardItemModel>
#include <QTableView>

namespace {

// The item's name, shown once above its three columns.
constexpr int ItemNameRole = Qt::UserRole + 1;

// A header of two lines: each item's name across its three columns, and under it what
// each column holds.
class ItemHeader : public QHeaderView
{
public:
    explicit ItemHeader(QWidget* parent)
        : QHeaderView(Qt::Horizontal, parent)
    {
    }

protected:
    QSize sectionSizeFromContents(int logical) const override
    {
        const QSize size = QHeaderView::sectionSizeFromContents(logical);
        const QString name = model()->headerData(logical, Qt::Horizontal, ItemNameRole).toString();
        const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
        // A third of the name each, and the room of a mark beside a number.
        return {qMax(size.width(), (fontMetrics().horizontalAdvance(name) + 2 * margin + 2) / 3 + 1),
                2 * size.height()};
    }

    void paintSection(QPainter* painter, const QRect& rect, int logical) const override
    {
        const int half = rect.height() / 2;
        QHeaderView::paintSection(painter, rect.adjusted(0, half, 0, 0), logical);
        const int first = logical - logical % 3;
        const int left = sectionViewportPosition(first);
        const int width = sectionViewportPosition(first + 2) + sectionSize(first + 2) - left;
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = QRect(left, rect.top(), width, half);
        option.section = first;
        option.text = model()->headerData(logical, Qt::Horizontal, ItemNameRole).toString();
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::Middle;
        painter->save();
        painter->setClipRect(rect.adjusted(0, 0, 0, half - rect.height()));
        style()->drawControl(QStyle::CE_Header, &option, painter, this);
        painter->restore();
    }
};

} // namespace

frmCompare::frmCompare(const ItemCatalogue& catalogue, const std::vector<int32_t>& rows, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCompare"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Compare Items"));
    setFont(SansFont(10));

    std::vector<const CatalogueItem*> items;
    for (const int32_t row : rows)
        if (row >= 0 && row < catalogue.Count())
            items.push_back(&catalogue.Item(row));
    const QString kinds[] = {tr("Requires"), tr("Mod 0"), tr("Mod 1")};
    //: How a screen reader names a column of the comparison: %1 is the item's name, %2 one of Requires, Mod 0, Mod 1.
    const QString columnName = tr("%1: %2");

    auto* model = new QStandardItemModel(0, static_cast<int>(3 * items.size()), this);
    for (size_t item = 0; item < items.size(); ++item) {
        for (const StatKind kind : StatKinds) {
            const int column = static_cast<int>(3 * item) + static_cast<int>(kind);
            const QString& what = kinds[static_cast<int>(kind)];
            model->setHeaderData(column, Qt::Horizontal, what);
            model->setHeaderData(column, Qt::Horizontal, items[item]->Name, ItemNameRole);
            model->setHeaderData(column, Qt::Horizontal, columnName.arg(items[item]->Name, what),
                                 Qt::AccessibleTextRole);
            model->setHeaderData(column, Qt::Horizontal, columnName.arg(items[item]->Name, what), Qt::ToolTipRole);
        }
    }
    const QString best = tr("best");
    for (const int32_t stat : catalogue.StatIDs()) {
        QList<QStandardItem*> cells(static_cast<qsizetype>(3 * items.size()));
        bool any = false;
        for (const StatKind kind : StatKinds) {
            std::vector<std::optional<qint64>> values;
            for (const CatalogueItem* item : items)
                values.push_back(item->Find(kind, stat));
            // The lowest requirement and the highest mod are best, where two items or more have one.
            std::optional<qint64> top;
            int given = 0;
            for (const auto& value : values) {
                if (!value)
                    continue;
                ++given;
                any = true;
                if (!top || (kind == StatKind::Requires ? *value < *top : *value > *top))
                    top = value;
            }
            for (size_t item = 0; item < items.size(); ++item) {
                auto* cell = new QStandardItem;
                cell->setEditable(false);
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                if (values[item]) {
                    const bool isBest = given >= 2 && values[item] == top;
                    cell->setText(QString::number(*values[item]) + (isBest ? QStringLiteral(" ★") : QString()));
                    if (isBest) {
                        QFont bold = font();
                        bold.setBold(true);
                        cell->setFont(bold);
                        cell->setToolTip(best);
                        cell->setAccessibleDescription(best);
                    }
                }
                cells[static_cast<qsizetype>(3 * item) + static_cast<int>(kind)] = cell;
            }
        }
        if (!any) {
            qDeleteAll(cells);
            continue;
        }
        model->appendRow(cells);
        model->setHeaderData(model->rowCount() - 1, Qt::Vertical, catalogue.StatName(stat));
    }

    mTable = new QTableView(this);
    mTable->setObjectName(QStringLiteral("tblCompare"));
    mTable->setAccessibleName(tr("Items compared"));
    mTable->setHorizontalHeader(new ItemHeader(mTable));
    mTable->setModel(model);
    mTable->setTabKeyNavigation(false);
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    mTable->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    mTable->horizontalHeader()->setHighlightSections(false);

    auto* none = new QLabel(tr("None of these items requires or changes a stat."), this);
    none->setObjectName(QStringLiteral("lblNone"));
    none->setWordWrap(true);
    none->setVisible(model->rowCount() == 0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(none);
    layout->addWidget(mTable, 1);
    layout->addWidget(buttons);
    // Wide enough for the columns, as far as the screen allows.
    mTable->resizeColumnsToContents();
    int width = mTable->verticalHeader()->sizeHint().width() + 2 * mTable->frameWidth() + 40;
    for (int column = 0; column < model->columnCount(); ++column)
        width += mTable->columnWidth(column);
    resize(qBound(TwipsToPixels(6000), width, TwipsToPixels(15000)), TwipsToPixels(6000));
}
