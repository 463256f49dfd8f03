// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>

// The pixels of an icon, row by row from the top, each 0xAARRGGBB.
struct TrayIconImage
{
    int width = 0;
    int height = 0;
    QList<quint32> argb;
};

// An entry of the icon's menu: a text ('&' before the key letter), or a separator.
struct TrayMenuEntry
{
    QString text;
    bool enabled = true;
    bool separator = false;
    bool operator==(const TrayMenuEntry&) const = default;
};

// The program's own icon in a tray that Qt's tray icon does not reach, with its tooltip and
// menu; it leaves the tray when it is deleted. What the tray asks for comes as signals;
// nothing ever waits for the tray.
class StatusNotifierItem : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void SetToolTip(const QString& text) = 0;
    virtual void SetMenu(const QList<TrayMenuEntry>& entries) = 0;

signals:
    // A click on the icon.
    void Activated();
    // The tray is about to show the menu: a SetMenu now still changes what it shows.
    void MenuAboutToShow();
    // A menu entry chosen, by its place among the entries.
    void MenuChosen(int index);
    // A tray that shows no menu of its own asks for one at this point of the screen.
    void ContextMenuRequested(int x, int y);
};
