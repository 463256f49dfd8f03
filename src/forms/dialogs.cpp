// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
std::function<void(const QString&)> gMessageHook;
std::function<QString(const QString&, const QString&)> gInputHook;
std::function<QString(const QString&, const QString&, const QString&)> gOpenFileHook;
std::function<QString(const QString&, const QString&, const QString&)> gSaveFileHook;
} // namespace

void Dialogs::Message(QWidget* parent, const QString& text)
{
    if (gMessageHook) {
        gMessageHook(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, Title(), text, QMessageBox::Ok, parent);
    box.exec();
}

QString Dialogs::Input(QWidget* parent, const QString& prompt, const QString& title)
{
    if (gInputHook)
        return gInputHook(prompt, title);
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

QString Dialogs::Caption(const QString& label)
{
    QString caption;
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] == u'&' && i + 1 < label.size())
            ++i; // the mnemonic's mark; "&&" stands for one "&"
        caption += label[i];
    }
    if (caption.endsWith(u'\u2026'))
        caption.chop(1);
    return caption;
}

QString Dialogs::OpenFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    if (gOpenFileHook)
        return gOpenFileHook(title, folder, filter);
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString Dialogs::SaveFile(QWidget* parent, const QString& title, const QString& path, const QString& filter)
{
    if (gSaveFileHook)
        return gSaveFileHook(title, path, filter);
    return QFileDialog::getSaveFileName(parent, title, path, filter);
}

void Dialogs::SetMessageHook(std::function<void(const QString&)> hook)
{
    gMessageHook = std::move(hook);
}

void Dialogs::SetInputHook(std::function<QString(const QString&, const QString&)> hook)
{
    gInputHook = std::move(hook);
}

void Dialogs::SetOpenFileHook(std::function<QString(const QString&, const QString&, const QString&)> hook)
{
    gOpenFileHook = std::move(hook);
}

void Dialogs::SetSaveFileHook(std::function<QString(const QString&, const QString&, const QString&)> hook)
{
    gSaveFileHook = std::move(hook);
}
