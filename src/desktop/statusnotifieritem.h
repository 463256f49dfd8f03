#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
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

// The program's icon in a tray of StatusNotifier icons, served by the program itself on a
// session bus: the org.kde.StatusNotifierItem interface at /StatusNotifierItem, its menu as
// com.canonical.dbusmenu at /MenuBar, under the name org.kde.StatusNotifierItem-<pid>-<n>.
// It is registered with the tray's org.kde.StatusNotifierWatcher at once, and again each
// time a watcher comes (a panel started or restarted); it leaves the tray when it is
// deleted. Only one lives per bus at a time. What the tray asks for comes as signals once
// the tray's call is answered; nothing ever waits for the tray.
class StatusNotifierItem : public QObject
{
    Q_OBJECT

public:
    StatusNotifierItem(const QDBusConnection& bus, const TrayIconImage& icon, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    void SetToolTip(const QString& text);
    void SetMenu(const QList<TrayMenuEntry>& entries);

signals:
    // A click on the icon.
    void Activated();
    // The tray is about to show the menu: a SetMenu now still changes what it shows.
    void MenuAboutToShow();
    // A menu entry chosen, by its place among the entries.
    void MenuChosen(int index);
    // A tray that shows no menu of its own asks for one at this point of the screen.
    void ContextMenuRequested(int x, int y);

private:
    friend class ItemAdaptor;
    friend class MenuAdaptor;
    void Register();

    QDBusConnection mBus;
    QString mService;
    QDBusServiceWatcher mWatcher;
    TrayIconImage mIcon;
    QString mToolTip;
    QList<TrayMenuEntry> mMenu;
    uint mRevision = 1;
    QObject* mMenuObject;
    class ItemAdaptor* mItemAdaptor;
    class MenuAdaptor* mMenuAdaptor;
};
