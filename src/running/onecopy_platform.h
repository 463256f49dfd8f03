// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "onecopy.h"

#include <QByteArray>

// What the one-copy claim shares between its platforms (the talk between a later start and
// the running copy, and what it comes to), and what each platform's file gives: the class
// OneCopy::System, which holds the claim and listens (onecopy_unix.cpp: flock() and a socket
// in the abstract namespace; onecopy_win.cpp: a QLockFile and a named pipe), and OneCopy's constructor and destructor,
// which make and end it.

// A later start's request, and the running copy's answers, each one line.
constexpr char ShowRequest[] = "show\n";
constexpr char ShownAnswer[] = "shown\n";
constexpr char BusyAnswer[] = "busy\n";
// The listener's name as the lock file holds it: the prefix, 32 random hexadecimal digits, a line end.
constexpr char NamePrefix[] = "kelvara-utility-";
constexpr qsizetype NameSize = sizeof NamePrefix - 1 + 32;

// A name for this copy's listener that no one can foresee: the prefix and 32 random hexadecimal digits.
QByteArray NewListenerName();

// What asking the running copy to show its window came to. Gone: no copy there answers now
// (not listening yet, or ended while asked): it is asked again.
enum class Asked { Shown, Busy, Gone, NoAnswer, OtherUser };

// What a start that found the folder held tells, from the last answer `asked`, whether the
// running copy said it was busy at all (`busy`), and whether the wait has `expired`.
OneCopy::Claim ClaimAfter(Asked asked, bool busy, bool expired);
