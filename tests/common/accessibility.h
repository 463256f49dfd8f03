// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtTest>
#include <QtWidgets>

// What keeps a player with a screen reader, or with the keyboard alone, from using a window: one line a fault. The
// window reports the role of a window or a dialog; each control that takes the focus, and each table, list, text
// box, spin box, drop-down box, label and column header, has a name, and one that is not merely its value (a
// drop-down box named by its shown text tells nothing of what it chooses); no name changes as the window's
// own timer ticks; Tab from the first control visits every control that takes the focus and comes back to it; and
// Escape closes a window that has a Close or Cancel button. It shows the window, and closes it last.
inline QStringList AccessibilityFaults(QWidget* window)
{
    using namespace Qt::StringLiterals;
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return {u"never active"_s};
    QStringList faults;
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window);
    if (top->role() != QAccessible::Window && top->role() != QAccessible::Dialog)
        faults << u"role %1"_s.arg(top->role());
    auto what = [](QObject* o) { return o ? o->objectName() + u' ' + o->metaObject()->className() : u"header"_s; };
    const QList<QAccessible::Role> named{QAccessible::Table,      QAccessible::List,        QAccessible::Tree,
                                         QAccessible::SpinBox,    QAccessible::ComboBox,    QAccessible::EditableText,
                                         QAccessible::StaticText, QAccessible::ColumnHeader};
    QHash<QObject*, QString> names;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            if (child->state().invisible || (!child->object() && child->role() != QAccessible::ColumnHeader))
                continue; // a table's cells are read with their headers
            const QString name = child->text(QAccessible::Name), value = child->text(QAccessible::Value);
            // A table's or a list's value is its name.
            if ((child->state().focusable || named.contains(child->role()))
                && (name.isEmpty() || (name == value && named.indexOf(child->role()) > 2)))
                faults << what(child->object()) + u": named \""_s + name + u'"';
            names.insert(child->object(), name);
            walk(child);
        }
    };
    walk(top);
    const QList<QTimer*> timers = window->findChildren<QTimer*>();
    if (std::any_of(timers.cbegin(), timers.cend(), [](QTimer* t) { return t->isActive() && t->interval() <= 1000; }))
        QTest::qWait(1100);
    for (auto [object, name] : names.asKeyValueRange())
        if (object && QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name) != name)
            faults << what(object) + u": a new name as the window ticks"_s;

    // Tab, as often as there are controls to visit, visits them all and comes back.
    QList<QWidget*> controls = window->findChildren<QWidget*>();
    controls.removeIf([window](QWidget* w) {
        const auto* radio = qobject_cast<QRadioButton*>(w); // Tab visits a group's chosen one
        return !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isVisible() || !w->isEnabled()
            || w->window() != window || (radio && radio->autoExclusive() && !radio->isChecked());
    });
    QWidget* first = QApplication::focusWidget();
    QSet<QWidget*> visited;
    for (qsizetype n = 0; first && n < controls.size(); ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    for (QWidget* control : std::as_const(controls))
        if (!visited.contains(control))
            faults << what(control) + u": never reached by Tab"_s;
    if (QApplication::focusWidget() != first)
        faults << u"Tab does not come back to the first control"_s;

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
