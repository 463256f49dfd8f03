#pragma once

#include <QtTest>
#include <QtWidgets>

// What keeps a player with a screen reader, or with the keyboard alone, from using a window that is shown: one line
// per fault, none for a window that serves them. The window reports the role of a window or a dialog; each control
// that takes the focus, and each table, list, text box, spin box, drop-down box and label, has a name, and one that
// is not merely its value (a drop-down box named by its shown text, as on Linux, has a caption tied to it); a table's
// column headers have names; Tab from the first control visits every control that takes the focus and comes back to it;
// and Escape closes a window that has a Close or Cancel button. Last, as it closes the window.
inline QStringList AccessibilityFaults(QWidget* window)
{
    using namespace Qt::StringLiterals;
    QStringList faults;
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return {u"never active"_s};
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window);
    if (top->role() != QAccessible::Window && top->role() != QAccessible::Dialog)
        faults << u"role %1"_s.arg(top->role());
    const QList<QAccessible::Role> named{QAccessible::Table,        QAccessible::List,    QAccessible::Tree,
                                         QAccessible::EditableText, QAccessible::SpinBox, QAccessible::ComboBox,
                                         QAccessible::StaticText};
    QHash<QObject*, QString> names;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            if (!child || child->state().invisible || !qobject_cast<QWidget*>(child->object()))
                continue;
            const QString name = child->text(QAccessible::Name), value = child->text(QAccessible::Value);
            names.insert(child->object(), name);
            const QString what = child->object()->objectName() + u' ' + child->object()->metaObject()->className();
            const bool byValue = name == value && child->relations(QAccessible::Label).isEmpty()
                && named.indexOf(child->role()) > 2; // a table's or list's "value" is its name
            if ((child->state().focusable || named.contains(child->role())) && (name.isEmpty() || byValue))
                faults << what + (name.isEmpty() ? u": no name"_s : u": named by its value "_s + value);
            for (int k = 0; child->role() == QAccessible::Table && k < child->childCount(); ++k)
                if (child->child(k)->role() == QAccessible::ColumnHeader
                    && child->child(k)->text(QAccessible::Name).isEmpty())
                    faults << what + u": a column header without a name"_s;
            if (child->role() != QAccessible::Table && child->role() != QAccessible::List)
                walk(child);
        }
    };
    walk(top);
    // A text that changes as the window's own timer ticks is no new name to announce.
    for (const QTimer* timer : window->findChildren<QTimer*>())
        if (timer->isActive() && timer->interval() <= 1000) {
            QTest::qWait(timer->interval() + 100);
            for (auto [object, name] : names.asKeyValueRange())
                if (QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name) != name)
                    faults << object->objectName() + u": a new name as the window ticks"_s;
            break;
        }

    // Tab, as often as there are controls to visit, visits them all and comes back.
    QList<QWidget*> controls = window->findChildren<QWidget*>();
    controls.removeIf([window](QWidget* w) {
        const auto* radio = qobject_cast<QRadioButton*>(w); // Tab visits a group's chosen one
        return !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isVisible() || !w->isEnabled()
            || w->window() != window || (radio && radio->autoExclusive() && !radio->isChecked());
    });
    QWidget* first = QApplication::focusWidget();
    if (!first && !controls.isEmpty())
        faults << u"no control has the focus"_s;
    QList<QWidget*> visited;
    for (qsizetype n = 0; first && n < controls.size(); ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (!visited.contains(QApplication::focusWidget()))
            visited << QApplication::focusWidget();
    }
    for (QWidget* control : std::as_const(controls))
        if (!visited.contains(control))
            faults << control->objectName() + u' ' + control->metaObject()->className() + u": never reached by Tab"_s;
    if (first && QApplication::focusWidget() != first)
        faults << u"Tab does not come back to "_s + first->objectName();

    const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
    const bool closes = std::any_of(buttons.cbegin(), buttons.cend(), [](QPushButton* b) {
        const QString text = QString(b->text()).remove(u'&');
        return b->isVisible() && (text == u"Close"_s || text == u"Cancel"_s);
    });
    QPointer<QWidget> shown = window;
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Escape);
    if (closes && shown && shown->isVisible())
        faults << u"Escape does not close it"_s;
    return faults;
}
