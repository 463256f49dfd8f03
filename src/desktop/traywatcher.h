// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class StatusNotifierItem;
struct TrayIconImage;

// Whether the desktop has a tray of StatusNotifier icons, the tray that Qt's tray icon
// may use and the program's own StatusNotifierItem shows in.
//
// Start() asks once, asynchronously, and the tray is followed from then on, so a tray
// that appears or goes away later is noticed. Available(bool) comes when the answer is
// first known and on every change after that, never twice in a row with the same value.
// Nothing ever blocks.
class TrayWatcher : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void Start() = 0;

    // False until the first Available.
    virtual bool IsAvailable() const = 0;
    // Whether the first Available came.
    virtual bool IsKnown() const = 0;

    // The program's own icon in this tray, owned by `parent`.
    virtual StatusNotifierItem* MakeItem(const TrayIconImage& icon, QObject* parent) = 0;

signals:
    void Available(bool available);
};
