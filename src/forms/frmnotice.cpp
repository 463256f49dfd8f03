// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmnotice.h"

#include "dialogs.h"
#include "formkit.h"
#include "running/gamedatawatcher.h"
#include "running/reminderkeeper.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

frmNotice::frmNotice(const QString& summary, const QString& body, const QString& actionLabel, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmNotice"));
    setWindowTitle(Dialogs::Title());
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(SansFont(10));
    ReportAsWindow(this, true);
    CloseOnEscape(this);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(summary, this);
    heading->setObjectName(QStringLiteral("lblSummary"));
    heading->setTextFormat(Qt::PlainText);
    QFont bold = SansFont(12);
    bold.setBold(true);
    heading->setFont(bold);
    auto* text = new QLabel(body, this);
    text->setObjectName(QStringLiteral("lblBody"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setMinimumWidth(TwipsToPixels(5400));
    layout->addWidget(heading);
    layout->addWidget(text);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (!actionLabel.isEmpty()) {
        auto* action = new QPushButton(actionLabel, this);
        action->setObjectName(QStringLiteral("cmdAction"));
        connect(action, &QPushButton::clicked, this, [this] {
            emit ActionChosen();
            close();
        });
        buttons->addWidget(action);
    }
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("cmdClose"));
    closeButton->setDefault(true);
    // Shown, the notice takes the focus, so that a screen reader reads it.
    closeButton->setFocus();
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmNotice::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!testAttribute(Qt::WA_ShowWithoutActivating)) {
        raise();
        activateWindow();
    }
}

NoticeWindows::NoticeWindows(ReminderKeeper* reminders, QObject* parent)
    : QObject(parent)
{
    connect(reminders, &ReminderKeeper::Notice, this,
            [this, reminders](const QString& summary, const QString& body, const QString& action) {
                auto* notice = new frmNotice(summary, body,
                                             action.isEmpty() ? QString() : ReminderKeeper::ActionLabel(action));
                connect(notice, &frmNotice::ActionChosen, reminders,
                        [reminders, action] { emit reminders->Activated(action); });
                mNotices.removeAll(nullptr);
                mNotices.append(notice);
                notice->show();
            });
}

void NoticeWindows::CloseAll()
{
    for (const QPointer<frmNotice>& notice : std::as_const(mNotices)) {
        if (notice)
            notice->close();
    }
    mNotices.clear();
}

namespace {
// Whether the player types into the control: a text box, a number box or a drop-down that takes text.
bool TakesTyping(const QWidget* control)
{
    if (const auto* box = qobject_cast<const QComboBox*>(control))
        return box->isEditable();
    return qobject_cast<const QLineEdit*>(control) || qobject_cast<const QAbstractSpinBox*>(control)
        || qobject_cast<const QTextEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control);
}

// Shows the notice once no list or menu is open: showing a window closes them, and the
// player would lose an open list of found names while typing.
void ShowBesidePopups(const QPointer<frmNotice>& notice)
{
    if (notice && QApplication::activePopupWidget())
        QTimer::singleShot(200, notice, [notice] { ShowBesidePopups(notice); });
    else if (notice)
        notice->show();
}
} // namespace

void ShowGameDataNotices(GameDataWatcher* watcher, QWidget* window)
{
    QObject::connect(watcher, &GameDataWatcher::Reloaded, window,
                     [window, shown = QPointer<frmNotice>()](bool, const QString& message) mutable {
                         if (shown)
                             shown->close();
                         shown = new frmNotice(GameDataWatcher::NoticeTitle(), message, QString(), window);
                         shown->setObjectName(QStringLiteral("frmGameDataNotice"));
                         // The player may be typing (in Item Stats' find box, say): the notice then takes
                         // no focus, and waits until an open list is closed.
                         shown->setAttribute(Qt::WA_ShowWithoutActivating, TakesTyping(QApplication::focusWidget()));
                         ShowBesidePopups(shown);
                     });
}
