// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ways to make a save fail for real, for the fault tests: one file per platform (faultkit_unix.cpp,
// faultkit_win.cpp). Where a fault cannot be made on the system, the test skips it and says why.

#include <QString>
#include <QtGlobal>

#include <functional>

class QProcess;

namespace faultkit {

// A file or folder whose permissions forbid writing, while the object lives. On Linux, root passes permission bits by
// its capabilities, so for root the thread gives up the ones that override them (and takes them back afterwards); the
// bits then hold as for anyone. On Windows a folder's read-only attribute forbids nothing, and Wine enforces no access
// control list: a folder never holds there.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString& folder);
    ~ReadOnlyFolder()
    {
        if (mUndo)
            mUndo();
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // True when a new file really cannot be made in the folder.
    bool Holds() const;

private:
    QString mFolder;
    std::function<void()> mUndo;
};

// A full disk, while the object lives: no file of this process may grow past `bytes`; a write beyond that fails with
// "File too large" (the signal that would end the process is ignored, as the program would see it on a full disk: a
// failed write). Windows has no such limit (NoFullDisk).
class FullDisk
{
public:
    explicit FullDisk(qint64 bytes);
    ~FullDisk()
    {
        if (mUndo)
            mUndo();
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    std::function<void()> mUndo;
};

// Starts `process` under a file size limit of `bytes`, with the signal a write past it sends left at its default,
// which ends a program that does not ignore it (as under a shell's ulimit -f). Linux only.
void LimitFileSize(QProcess& process, qint64 bytes);

// Makes a FIFO at `path`; false where it cannot, and always on Windows, whose FIFOs live outside its folders.
bool MakeFifo(const QString& path);

// Windows: a file another program holds open without sharing its deletion can be neither replaced nor deleted.
extern const bool HeldFilesStay;
// Why the name of a deleted file may stay taken while a program still reads it; null on Linux, where it never does.
extern const char* const DeletedNamesStay;

// Why a FIFO or a full disk cannot be made here; null on Linux, where both can.
extern const char* const NoFifo;
extern const char* const NoFullDisk;

} // namespace faultkit
