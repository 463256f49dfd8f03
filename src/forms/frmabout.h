// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// "About Kelvara Utility": the program's version, the versions of the libraries it
// runs on, its folder, the game database and the settings file, with a button that
// copies all of it as plain text for a bug report. Modal; gone when closed.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    // All that the window shows, as the clipboard gets it.
    QString Text() const { return mText; }

public slots:
    void cmdCopy_Click();

private:
    QString mText;
};
