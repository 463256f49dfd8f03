// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmmsgbox.h"

#include "formkit.h"
#include "guard.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {
// The message window has no icon in its caption.
QIcon NoIcon()
{
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}
} // namespace

frmMsgBox::Layout frmMsgBox::LayoutFor(int clientWidth, int clientHeight)
{
    const int buttonTop = clientHeight - ButtonHeight;
    const int labelHeight = buttonTop - 1;
    const int buttonLeft = (clientWidth - ButtonWidth) / 2;
    return {QRect(0, 0, clientWidth, labelHeight), QRect(buttonLeft, buttonTop, ButtonWidth, ButtonHeight)};
}

frmMsgBox::frmMsgBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmMsgBox"));
    setWindowTitle(QStringLiteral("Kelvara"));
    setWindowIcon(NoIcon());
    setFont(SansFont());
    setModal(true);

    // The label sits in a frameless scroll area the size of its box, so that a text
    // taller than the box can still be read; a shorter one looks as a plain label does.
    mScroller = new QScrollArea(this);
    mScroller->setObjectName(QStringLiteral("scrMessage"));
    mScroller->setFrameShape(QFrame::NoFrame);
    mScroller->setFocusPolicy(Qt::NoFocus);
    mScroller->verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    mScroller->horizontalScrollBar()->setFocusPolicy(Qt::NoFocus);
    mScroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mScroller->setWidgetResizable(true);

    mMessage = new QLabel;
    mMessage->setObjectName(QStringLiteral("lblMessage"));
    mMessage->setTextFormat(Qt::PlainText);
    mMessage->setFont(FixedFont(8.25));
    mMessage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    mMessage->setWordWrap(true);
    mMessage->setFocusPolicy(Qt::NoFocus);
    mScroller->setWidget(mMessage);
    mScroller->viewport()->setAutoFillBackground(false);
    mMessage->setAutoFillBackground(false);

    mOK = new QPushButton(tr("OK"), this);
    mOK->setObjectName(QStringLiteral("cmdOK"));
    mOK->setDefault(true);
    mOK->setFocus();

    // The border is fixed, so the one layout, made before the window first shows, is the only one.
    setFixedSize(TwipsToPixels(ClientWidth), TwipsToPixels(ClientHeight));
    Form_Resize();
    FitTexts(this);

    connect(mOK, &QPushButton::clicked, this, [this] { ErrorBoundary::Run([this] { cmdOK_Click(); }); });
}

void frmMsgBox::Form_Resize()
{
    const Layout layout = LayoutFor(ClientWidth, ClientHeight);
    mOK->setGeometry(TwipsRect(layout.button.x(), layout.button.y(), layout.button.width(), layout.button.height()));
    mScroller->setGeometry(TwipsRect(layout.label.x(), layout.label.y(), layout.label.width(), layout.label.height()));
}

void frmMsgBox::cmdOK_Click()
{
    accept();
}
