// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

// The program's message box, input box and file-open dialog. Tests answer them
// through the hooks below instead of a modal window.
namespace Dialogs {

// The program's title, which captions its message boxes and its input box.
inline QString Title()
{
    return QStringLiteral("Kelvara Utility");
}

// A message box with only an OK button and no icon.
void Message(QWidget* parent, const QString& text);

// The input box: returns the typed text, or the empty text on Cancel.
QString Input(QWidget* parent, const QString& prompt, const QString& title);

// A dialog's title from the label of the button or menu entry that opens it: "Sa&ve as CSV…" is
// "Save as CSV".
QString Caption(const QString& label);

// The file-open dialog titled `title`, starting in `folder`, listing the files that `filter`
// ("Description (*.ext)") names: returns the chosen path, or the empty text when
// the player cancels.
QString OpenFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter);

// The file-save dialog titled `title`, starting at `path`, listing the files that `filter` names:
// returns the chosen path, or the empty text when the player cancels.
QString SaveFile(QWidget* parent, const QString& title, const QString& path, const QString& filter);

// Test hooks: while a hook is set it answers in place of the window, and is handed
// what the window would have shown.
void SetMessageHook(std::function<void(const QString&)> hook);
void SetInputHook(std::function<QString(const QString& prompt, const QString& title)> hook);
void SetOpenFileHook(std::function<QString(const QString& title, const QString& folder, const QString& filter)> hook);
void SetSaveFileHook(std::function<QString(const QString& title, const QString& path, const QString& filter)> hook);

} // namespace Dialogs
