// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/oxlfiles.h"

#include <QTemporaryDir>

// A fresh program folder: the program keeps its files there while the object lives.
class TestFolder : public QTemporaryDir
{
public:
    TestFolder() { SetProgramFolder(path()); }
    ~TestFolder() { SetProgramFolder(QString()); }
};
