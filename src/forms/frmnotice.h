// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class GameDataWatcher;
class ReminderKeeper;

// A notification in a window of the program's own, for desktops without a
// notification service: the summary, the text, and an optional action button.
// Not modal; closing it unloads it.
class frmNotice : public QWidget
{
    Q_OBJECT

public:
    // Without an action label the window has only its Close button.
    frmNotice(const QString& summary, const QString& body, const QString& actionLabel, QWidget* parent = nullptr);

signals:
    void ActionChosen();

protected:
    // Unless shown without activating, the notice comes to the front with the focus.
    void showEvent(QShowEvent* event) override;
};

// The reminders' notices, each in a window of its own from now on; the player choosing a
// notice's action is the keeper's Activated.
class NoticeWindows : public QObject
{
    Q_OBJECT

public:
    explicit NoticeWindows(ReminderKeeper* reminders, QObject* parent = nullptr);

    // Closes the notice windows (the program ends).
    void CloseAll();

private:
    QList<QPointer<frmNotice>> mNotices;
};

// Each reload of the game data told in a notice window of `window`, which replaces the one
// before.
void ShowGameDataNotices(GameDataWatcher* watcher, QWidget* window);
