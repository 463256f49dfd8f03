// SPDX-License-Identifier: GPL-3.0-or-later
#include "onecopy.h"

#include "onecopy_platform.h"

#include <QRandomGenerator>

QByteArray NewListenerName()
{
    QByteArray name = NamePrefix;
    for (int i = 0; i < 4; ++i)
        name += QByteArray::number(QRandomGenerator::system()->generate(), 16).rightJustified(8, '0');
    return name;
}

OneCopy::Claim ClaimAfter(Asked asked, bool busy, bool expired)
{
    return asked == Asked::Shown                        ? OneCopy::Claim::Shown
        : asked == Asked::OtherUser                     ? OneCopy::Claim::OtherUser
        : busy && (asked != Asked::NoAnswer || expired) ? OneCopy::Claim::Busy
                                                        : OneCopy::Claim::NoAnswer;
}

bool OneCopy::AnswerShow()
{
    // A copy whose window is not loaded yet, or is closing, tells the new start to wait.
    const bool showable = mShowable && mShowable();
    if (showable)
        emit ShowAsked();
    return showable;
}

QString OneCopy::Message() const
{
    switch (mClaim) {
    case Claim::NoAnswer:
        return tr("Kelvara Utility is already running from this folder, but it does not answer. Start it again in a "
                  "moment, or end the copy that is running.");
    case Claim::Busy:
        return tr("Kelvara Utility is still starting or closing from this folder. Start it again once that is done.");
    case Claim::OtherUser:
        return tr("Kelvara Utility is already running from this folder for another user. Only one copy may use a "
                  "folder's files at a time.");
    case Claim::Unguarded:
        return tr("Kelvara Utility cannot make sure that it runs only once from this folder: cannot lock %1. Should "
                  "another copy run from it, both announce each reminder, and each saves over the other's clock.")
            .arg(mProblem);
    case Claim::First:
    case Claim::Shown:
        break;
    }
    return {};
}
