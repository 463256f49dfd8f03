// SPDX-License-Identifier: GPL-3.0-or-later
#include "trayicon.h"

#include "desktop/statusnotifieritem.h"
#include "desktop/traywatcher.h"
#include "formkit.h"
#include "guard.h"
#include "running/globals.h"
#include "running/reminderkeeper.h"
#include "running/ticker.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindow>

#include <utility>

TrayIcon::TrayIcon(QWidget* window, ReminderKeeper* keeper)
    : QObject(window)
    , mWindow(window)
    , mReminders(keeper)
    , mMenu(new QMenu)
{
    QAction* showHide = mMenu->addAction(QString());
    QAction* goodMoon = mMenu->addAction(tr("Next Good Moon"));
    QAction* reminders = mMenu->addAction(tr("Reminders\u2026"));
    QAction* preferences = mMenu->addAction(tr("Preferences\u2026"));
    mMenu->addSeparator();
    QAction* exit = mMenu->addAction(tr("Exit"));
    // The entry does what it said when the menu opened, however long the menu stayed open.
    connect(mMenu, &QMenu::aboutToShow, this, [this, showHide] {
        const bool hides = ClickHidesNow();
        showHide->setText(hides ? tr("Hide") : tr("Show"));
        showHide->setData(hides);
    });
    connect(showHide, &QAction::triggered, this, [this, showHide] {
        ErrorBoundary::Run([this, showHide] { showHide->data().toBool() ? emit HideWindow() : emit ShowWindow(); });
    });
    window->installEventFilter(this);
    connect(goodMoon, &QAction::triggered, this, &TrayIcon::NextGoodMoonChosen);
    connect(reminders, &QAction::triggered, this, &TrayIcon::RemindersChosen);
    connect(preferences, &QAction::triggered, this, &TrayIcon::PreferencesChosen);
    connect(exit, &QAction::triggered, this, &TrayIcon::ExitChosen);
}

TrayIcon::~TrayIcon()
{
    delete mMenu;
}

QString TrayIcon::NoTrayText()
{
    return tr("This desktop shows no tray icons");
}

void TrayIcon::Start(TrayWatcher* watcher)
{
    delete mWatcher;
    mWatcher = watcher;
    watcher->setParent(this);
    connect(mWatcher, &TrayWatcher::Available, this, &TrayIcon::Reconsider);
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // An X11 tray manager that comes or goes is told by the X11 platform's native
        // interface (a QObject, its only base) once Qt's first tray question made it watch.
        auto* native = reinterpret_cast<QObject*>(QGuiApplication::platformNativeInterface());
        if (native && native->metaObject()->indexOfSignal("systemTrayWindowChanged(QScreen*)") >= 0)
            connect(native, SIGNAL(systemTrayWindowChanged(QScreen*)), this, SLOT(Reconsider()), Qt::UniqueConnection);
    }
    mWatcher->Start();
}

void TrayIcon::ShowWindowAtStart(bool hidden)
{
    mStartHidden = hidden;
    if (!hidden)
        mWindow->show();
}

void TrayIcon::Remove()
{
    delete mWatcher;
    delete mIcon;
    mIcon = nullptr;
    delete mItem;
    mItem = nullptr;
}

void TrayIcon::Reconsider()
{
    // Qt's own question waits for the watcher's first answer, so that a tray of
    // StatusNotifier icons there at the start is the one Qt uses.
    if (!mWatcher || !mWatcher->IsKnown())
        return;
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    if (!mKnown)
        mQtUsesWatcher = !x11 || mWatcher->IsAvailable();
    const bool qtTray = x11 ? QSystemTrayIcon::isSystemTrayAvailable() : mWatcher->IsAvailable();
    // A StatusNotifier tray that Qt does not use gets the program's own item where no X11
    // tray shows Qt's icon; once there, the item stays while that tray does.
    const bool own = !mQtUsesWatcher && mWatcher->IsAvailable() && (mItem || !qtTray);
    const bool available = own || qtTray;
    const bool wasShown = IsShown();
    const bool changed = !mKnown || available != wasShown;
    mKnown = true;
    if (own != (mItem != nullptr)) {
        delete std::exchange(mItem, nullptr);
        if (own)
            MakeItem();
    }
    if ((available && !own) != (mIcon != nullptr)) {
        delete std::exchange(mIcon, nullptr);
        if (available && !own)
            MakeIcon();
    }
    // Hidden in a tray that is gone, the main window would be out of reach.
    if (!available && wasShown && !mWindow->isVisible() && !mStartHidden)
        emit ShowWindow();
    if (std::exchange(mStartHidden, false))
        available ? emit HideWindow() : ShowMinimised();
    else if (available && std::exchange(mMinimisedForNoTray, false) && mWindow->isVisible()
             && CountsAsMinimised(mWindow))
        emit HideWindow(); // as if the tray had been there at the start
    if (changed)
        emit AvailableChanged(available);
}

void TrayIcon::ShowMinimised()
{
    mMinimisedForNoTray = true;
    // A Wayland compositor never says that a window is minimised.
    mIconified = !PlatformPlacesWindows();
    mWindow->showMinimized();
    // Qt 6.4 on X11 maps a main window shown minimised with the normal state in its window
    // manager hints; the state set once more on its platform window makes them iconic.
    if (QWindow* window = mWindow->windowHandle())
        window->setWindowState(Qt::WindowMinimized);
}

bool TrayIcon::ClickHides(bool onScreen, bool active, qint64 sinceActive)
{
    return onScreen && (active || (sinceActive >= 0 && sinceActive < ActiveGrace));
}

bool TrayIcon::ClickHidesNow() const
{
    return ClickHides(mWindow->isVisible() && !CountsAsMinimised(mWindow), mWindow->isActiveWindow(),
                      mInactive.isValid() ? mInactive.elapsed() : -1);
}

bool TrayIcon::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != mWindow)
        return false;
    if (event->type() == QEvent::WindowDeactivate)
        mInactive.start();
    // The player brought the window back: it is no longer minimised for want of a tray. What the window system
    // says counts once it has had the window minimised: mapping it, an X11 window manager may show it normal and
    // active for a moment.
    const bool spontaneous = event->spontaneous();
    if (event->type() == QEvent::WindowStateChange && spontaneous && CountsAsMinimised(mWindow))
        mIconified = true;
    if ((event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowStateChange) && mWindow->isVisible()
        && !CountsAsMinimised(mWindow) && (mIconified || !spontaneous))
        mMinimisedForNoTray = false;
    return false;
}

QIcon ProgramIcon()
{
    // The icon's resources live in this library, whose linking would leave them out unasked.
    Q_INIT_RESOURCE(resources);
    // Each size drawn for it: sharp at every scale of the screen.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/program-%1.png").arg(size), QSize(size, size));
    return icon;
}

void TrayIcon::MakeIcon()
{
    mIcon = new QSystemTrayIcon(ProgramIcon(), this);
    mIcon->setObjectName(QStringLiteral("trayIcon"));
    mIcon->setContextMenu(mMenu);
    connect(mIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            ErrorBoundary::Run([this] { ClickHidesNow() ? emit HideWindow() : emit ShowWindow(); });
    });
    connect(mIcon, &QSystemTrayIcon::messageClicked, this, &TrayIcon::MessageClicked);
    UpdateTip();
    mIcon->show();
    // The program now ends by its closing sequence, not when its last window closes:
    // a window closed while the main window waits in the tray must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
}

bool TrayIcon::ShowMessage(const QString& title, const QString& text)
{
    if (!mIcon || !QSystemTrayIcon::supportsMessages())
        return false;
    mIcon->showMessage(title, text, QSystemTrayIcon::Information);
    return true;
}

void TrayIcon::SetClockWarning(bool shown)
{
    mClockWarning = shown;
    UpdateTip();
}

void TrayIcon::MakeItem()
{
    const QImage image = ProgramIcon().pixmap(QSize(64, 64), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    TrayIconImage icon{image.width(), image.height(), {}};
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
        icon.argb += QList<quint32>(row, row + image.width());
    }
    const auto entries = [this] {
        QList<TrayMenuEntry> list;
        for (const QAction* action : mMenu->actions())
            list.append({action->text(), action->isEnabled(), action->isSeparator()});
        return list;
    };
    mItem = mWatcher->MakeItem(icon, this);
    connect(mItem, &StatusNotifierItem::Activated, this,
            [this] { ErrorBoundary::Run([this] { ClickHidesNow() ? emit HideWindow() : emit ShowWindow(); }); });
    connect(mItem, &StatusNotifierItem::MenuAboutToShow, this, [this, entries] {
        emit mMenu->aboutToShow();
        mItem->SetMenu(entries());
    });
    connect(mItem, &StatusNotifierItem::MenuChosen, this, [this](int index) {
        if (QAction* action = mMenu->actions().value(index))
            action->trigger();
    });
    connect(mItem, &StatusNotifierItem::ContextMenuRequested, this, [this](int x, int y) { mMenu->popup({x, y}); });
    // The labels that change with the window (Show or Hide) are set before a tray first reads them.
    emit mMenu->aboutToShow();
    mItem->SetMenu(entries());
    UpdateTip();
    QApplication::setQuitOnLastWindowClosed(false);
}

void TrayIcon::UpdateTip()
{
    if (!IsShown() || !gCalibration.Instant)
        return;
    // The game hour, the next reminder and the clock warning: the text stays true until the
    // next tick the ticker plans for it, and is set again only when it changed.
    QString tip = Ticker::TrayTip(gCalibration,
                                  mReminders->NextReminderText(QDateTime::fromSecsSinceEpoch(*gCalibration.Instant)));
    if (mClockWarning)
        tip += tr("\nThe system clock is not synchronised.");
    if (mItem)
        mItem->SetToolTip(tip);
    if (mIcon && tip != mIcon->toolTip())
        mIcon->setToolTip(tip);
}
