#pragma once

#include <QByteArray>
#include <QString>

// What finding the program's folders asks of the system it runs on; one file per platform.

// The executable's folder, as a name the program can open it by.
QString ExeFolder();

// The user's home folder as the user database has it, for when HOME is not set; empty when it has none.
QByteArray UserHome();

// Whether the program runs as root, who may write an installed copy's folder.
bool RunsAsRoot();
