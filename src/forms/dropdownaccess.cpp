// SPDX-License-Identifier: GPL-3.0-or-later
#include "dropdownaccess.h"
#include "readonlytext.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

namespace {

// A box that takes no typing shows its choice as a read-only text, where screen readers such as Orca
// look for the value of a drop-down named otherwise (an editable box's text part is a text of its own).
class DropDownInterface : public QAccessibleWidget, public ReadOnlyTextInterface
{
public:
    explicit DropDownInterface(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const QString shown = Box()->lineEdit() ? Box()->lineEdit()->text() : Box()->currentText();
        if (kind == QAccessible::Value)
            return shown;
        const QString text = QAccessibleWidget::text(kind);
        return kind == QAccessible::Name && text.isEmpty() ? shown : text;
    }

    // The list of entries, the text part of an editable box, and its list of found names.
    int childCount() const override { return static_cast<int>(Parts().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> parts = Parts();
        return index >= 0 && index < parts.size() ? QAccessible::queryAccessibleInterface(parts[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(Parts().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QLineEdit* edit = Box()->lineEdit();
        return edit && QRect(edit->mapToGlobal(QPoint()), edit->size()).contains(x, y)
            ? QAccessible::queryAccessibleInterface(edit)
            : nullptr;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (Box()->view()->isVisible())
            Box()->hidePopup();
        else
            Box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return Box()->isEditable() ? nullptr : static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(int start, int end) const override { return Box()->currentText().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Box()->currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(object()); }

    QList<QWidget*> Parts() const
    {
        QList<QWidget*> parts{Box()->view()};
        if (QLineEdit* edit = Box()->lineEdit()) {
            parts << edit;
            // A finder that lists names under the text part (ItemFinder) shows a completer of its own.
            for (QCompleter* finder : edit->findChildren<QCompleter*>())
                if (finder->widget() == edit && finder != edit->completer())
                    parts << finder->popup();
        }
        return parts;
    }
};

QAccessibleInterface* DropDownFactory(const QString& className, QObject* object)
{
    auto* box = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || !box)
        return nullptr;
    // A new choice is told as its text replaced, which screen readers read out.
    QObject::connect(box, &QComboBox::currentTextChanged, box,
                     [box, shown = box->currentText()](const QString& now) mutable {
                         if (!box->isEditable() && QAccessible::isActive()) {
                             QAccessibleTextUpdateEvent event(box, 0, shown, now);
                             QAccessible::updateAccessibility(&event);
                         }
                         shown = now;
                     });
    return new DropDownInterface(box);
}

} // namespace

void NameDropDowns()
{
    // Asked before Qt's own interfaces, which were installed with the application.
    QAccessible::installFactory(DropDownFactory);
}
