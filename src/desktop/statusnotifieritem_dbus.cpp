// SPDX-License-Identifier: GPL-3.0-or-later
#include "statusnotifieritem_dbus.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QtEndian>

namespace {
const QString ItemPath = QStringLiteral("/StatusNotifierItem");
const QString MenuPath = QStringLiteral("/MenuBar");
const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

using TrayIconImages = QList<TrayIconImage>;

// The tooltip: an icon name, its pixels, a title and a text under it.
struct TrayToolTip
{
    QString icon;
    TrayIconImages images;
    QString title;
    QString text;
};

// A menu entry with its properties, and (the layout) the entries under it.
struct MenuItem
{
    int id = 0;
    QVariantMap properties;
};
using MenuItems = QList<MenuItem>;

struct MenuLayout
{
    int id = 0;
    QVariantMap properties;
    QList<MenuLayout> children;
};

} // namespace

Q_DECLARE_METATYPE(TrayIconImage)
Q_DECLARE_METATYPE(TrayToolTip)
Q_DECLARE_METATYPE(MenuItem)
Q_DECLARE_METATYPE(MenuLayout)

// The pixels go as ARGB32 in network byte order.
static QDBusArgument& operator<<(QDBusArgument& argument, const TrayIconImage& image)
{
    QByteArray bytes(image.argb.size() * 4, Qt::Uninitialized);
    for (qsizetype i = 0; i < image.argb.size(); ++i)
        qToBigEndian(image.argb[i], bytes.data() + 4 * i);
    argument.beginStructure();
    argument << image.width << image.height << bytes;
    argument.endStructure();
    return argument;
}

static const QDBusArgument& operator>>(const QDBusArgument& argument, TrayIconImage& image)
{
    QByteArray bytes;
    argument.beginStructure();
    argument >> image.width >> image.height >> bytes;
    argument.endStructure();
    image.argb.clear();
    for (qsizetype i = 0; i + 4 <= bytes.size(); i += 4)
        image.argb << qFromBigEndian<quint32>(bytes.constData() + i);
    return argument;
}

namespace {

QDBusArgument& operator<<(QDBusArgument& argument, const TrayToolTip& tip)
{
    argument.beginStructure();
    argument << tip.icon << tip.images << tip.title << tip.text;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, TrayToolTip& tip)
{
    argument.beginStructure();
    argument >> tip.icon >> tip.images >> tip.title >> tip.text;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const MenuItem& item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, MenuItem& item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.endStructure();
    return argument;
}

// The entries under an entry go as variants, each holding a layout.
QDBusArgument& operator<<(QDBusArgument& argument, const MenuLayout& layout)
{
    argument.beginStructure();
    argument << layout.id << layout.properties;
    argument.beginArray(qMetaTypeId<QDBusVariant>());
    for (const MenuLayout& child : layout.children)
        argument << QDBusVariant(QVariant::fromValue(child));
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, MenuLayout& layout)
{
    argument.beginStructure();
    argument >> layout.id >> layout.properties;
    argument.beginArray();
    layout.children.clear();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        layout.children << qdbus_cast<MenuLayout>(child.variant());
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

// The menu marks the key letter with '_' where Qt marks it with '&'.
QString MenuLabel(const QString& text)
{
    QString label;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size() && text[++i] != u'&')
            label += u'_'; // then the key letter itself
        label += text[i] == u'_' ? QStringLiteral("__") : QString(text[i]);
    }
    return label;
}

} // namespace

class ItemAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ Category)
    Q_PROPERTY(QString Id READ Id)
    Q_PROPERTY(QString Title READ Title)
    Q_PROPERTY(QString Status READ Status)
    Q_PROPERTY(int WindowId READ WindowId)
    Q_PROPERTY(bool ItemIsMenu READ ItemIsMenu)
    Q_PROPERTY(QString IconName READ None)
    Q_PROPERTY(TrayIconImages IconPixmap READ IconPixmap)
    Q_PROPERTY(QString OverlayIconName READ None)
    Q_PROPERTY(TrayIconImages OverlayIconPixmap READ NoImages)
    Q_PROPERTY(QString AttentionIconName READ None)
    Q_PROPERTY(TrayIconImages AttentionIconPixmap READ NoImages)
    Q_PROPERTY(QString AttentionMovieName READ None)
    Q_PROPERTY(TrayToolTip ToolTip READ ToolTip)
    Q_PROPERTY(QDBusObjectPath Menu READ Menu)

public:
    explicit ItemAdaptor(DBusStatusNotifierItem* item)
        : QDBusAbstractAdaptor(item)
        , mItem(item)
    {
    }

    QString Category() const { return QStringLiteral("ApplicationStatus"); }
    QString Id() const { return QStringLiteral("kelvara-utility"); }
    QString Title() const { return QStringLiteral("Kelvara Utility"); }
    QString Status() const { return QStringLiteral("Active"); }
    int WindowId() const { return 0; }
    bool ItemIsMenu() const { return false; }
    QString None() const { return {}; }
    TrayIconImages IconPixmap() const { return {mItem->mIcon}; }
    TrayIconImages NoImages() const { return {}; }
    // The first line is the title, the rest the text below it.
    TrayToolTip ToolTip() const
    {
        return {{}, {}, mItem->mToolTip.section(u'\n', 0, 0), mItem->mToolTip.section(u'\n', 1)};
    }
    QDBusObjectPath Menu() const { return QDBusObjectPath(MenuPath); }

public slots:
    // The program acts once the tray's call is over.
    Q_NOREPLY void Activate(int, int)
    {
        QMetaObject::invokeMethod(mItem, &StatusNotifierItem::Activated, Qt::QueuedConnection);
    }
    Q_NOREPLY void ContextMenu(int x, int y)
    {
        QMetaObject::invokeMethod(
            mItem, [item = mItem, x, y] { emit item->ContextMenuRequested(x, y); }, Qt::QueuedConnection);
    }
    Q_NOREPLY void SecondaryActivate(int, int) { }
    Q_NOREPLY void Scroll(int, const QString&) { }

signals:
    void NewToolTip();

private:
    DBusStatusNotifierItem* mItem;
};

class MenuAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ Version)
    Q_PROPERTY(QString TextDirection READ TextDirection)
    Q_PROPERTY(QString Status READ Status)
    Q_PROPERTY(QStringList IconThemePath READ IconThemePath)

public:
    MenuAdaptor(QObject* object, DBusStatusNotifierItem* item)
        : QDBusAbstractAdaptor(object)
        , mItem(item)
    {
    }

    uint Version() const { return 3; }
    QString TextDirection() const { return QStringLiteral("ltr"); }
    QString Status() const { return QStringLiteral("normal"); }
    QStringList IconThemePath() const { return {}; }

public slots:
    // The root is 0, the entries 1, 2, ... in their order.
    uint GetLayout(int parentId, int recursionDepth, const QStringList& names, MenuLayout& layout)
    {
        layout = {parentId, Properties(parentId, names), {}};
        if (parentId == 0 && recursionDepth != 0) {
            for (int id = 1; id <= mItem->mMenu.size(); ++id)
                layout.children.append({id, Properties(id, names), {}});
        }
        return mItem->mRevision;
    }
    MenuItems GetGroupProperties(const QList<int>& ids, const QStringList& names)
    {
        MenuItems items;
        for (int id : ids)
            items.append({id, Properties(id, names)});
        return items;
    }
    void Event(int id, const QString& eventId, const QDBusVariant&, uint)
    {
        if (eventId == QLatin1String("clicked") && id >= 1 && id <= mItem->mMenu.size()
            && mItem->mMenu[id - 1].enabled) {
            QMetaObject::invokeMethod(
                mItem, [item = mItem, id] { emit item->MenuChosen(id - 1); }, Qt::QueuedConnection);
        }
    }
    // Whether the menu changed since the tray last read it.
    bool AboutToShow(int)
    {
        const uint before = mItem->mRevision;
        emit mItem->MenuAboutToShow();
        return mItem->mRevision != before;
    }

signals:
    void LayoutUpdated(uint revision, int parent);

private:
    QVariantMap Properties(int id, const QStringList& names) const
    {
        QVariantMap properties;
        if (id == 0) {
            properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
        } else if (id >= 1 && id <= mItem->mMenu.size()) {
            const TrayMenuEntry& entry = mItem->mMenu[id - 1];
            if (entry.separator)
                properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
            else
                properties.insert(QStringLiteral("label"), MenuLabel(entry.text));
            if (!entry.enabled)
                properties.insert(QStringLiteral("enabled"), false);
        }
        if (!names.isEmpty()) {
            for (auto it = properties.begin(); it != properties.end();)
                it = names.contains(it.key()) ? std::next(it) : properties.erase(it);
        }
        return properties;
    }

    DBusStatusNotifierItem* mItem;
};

DBusStatusNotifierItem::DBusStatusNotifierItem(const QDBusConnection& bus, const TrayIconImage& icon, QObject* parent)
    : StatusNotifierItem(parent)
    , mBus(bus)
    , mIcon(icon)
    , mMenuObject(new QObject(this))
    , mItemAdaptor(new ItemAdaptor(this))
    , mMenuAdaptor(new MenuAdaptor(mMenuObject, this))
{
    static const bool typesKnown = [] {
        qDBusRegisterMetaType<TrayIconImage>();
        qDBusRegisterMetaType<TrayIconImages>();
        qDBusRegisterMetaType<TrayToolTip>();
        qDBusRegisterMetaType<MenuItem>();
        qDBusRegisterMetaType<MenuItems>();
        qDBusRegisterMetaType<MenuLayout>();
        return true;
    }();
    Q_UNUSED(typesKnown);
    if (!mBus.isConnected())
        return;
    static int count = 0;
    mService = QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(QCoreApplication::applicationPid()).arg(++count);
    mBus.registerObject(ItemPath, this, QDBusConnection::ExportAdaptors);
    mBus.registerObject(MenuPath, mMenuObject, QDBusConnection::ExportAdaptors);
    // The bus takes the name before it passes the registration on: no call here waits.
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
    request << mService << uint{4}; // DBUS_NAME_FLAG_DO_NOT_QUEUE
    mBus.send(request);
    mWatcher.setConnection(mBus);
    mWatcher.setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
    mWatcher.addWatchedService(WatcherService);
    connect(&mWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                if (!newOwner.isEmpty())
                    Register();
            });
    Register();
}

DBusStatusNotifierItem::~DBusStatusNotifierItem()
{
    if (mService.isEmpty())
        return;
    mBus.unregisterObject(ItemPath);
    mBus.unregisterObject(MenuPath);
    // The watcher takes the item out of the tray when its name goes.
    QDBusMessage release = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ReleaseName"));
    release << mService;
    mBus.send(release);
}

void DBusStatusNotifierItem::Register()
{
    QDBusMessage call = QDBusMessage::createMethodCall(WatcherService, QStringLiteral("/StatusNotifierWatcher"),
                                                       WatcherService, QStringLiteral("RegisterStatusNotifierItem"));
    call << mService;
    mBus.send(call);
}

void DBusStatusNotifierItem::SetToolTip(const QString& text)
{
    if (text == mToolTip)
        return;
    mToolTip = text;
    emit mItemAdaptor->NewToolTip();
}

void DBusStatusNotifierItem::SetMenu(const QList<TrayMenuEntry>& entries)
{
    if (entries == mMenu)
        return;
    mMenu = entries;
    emit mMenuAdaptor->LayoutUpdated(++mRevision, 0);
}

#include "statusnotifieritem_dbus.moc"
