#pragma once

#include <QWidget>

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
};
