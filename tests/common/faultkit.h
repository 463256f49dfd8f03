#pragma once

// Ways to make a save fail for real, for the fault tests.

#include <QFile>
#include <QProcess>
#include <QString>

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace faultkit {

// A folder whose permission bits forbid writing, while the object lives. Root passes
// permission bits by its capabilities, so for root the thread gives up the ones that
// override them (and takes them back afterwards); the bits then hold as for anyone.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString& folder)
        : mFolder(folder)
        , mPermissions(QFile::permissions(folder))
    {
        mHeader.version = _LINUX_CAPABILITY_VERSION_3;
        mHeader.pid = 0;
        if (syscall(SYS_capget, &mHeader, mSaved) == 0) {
            __user_cap_data_struct reduced[2] = {mSaved[0], mSaved[1]};
            for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
                reduced[0].effective &= ~(1u << cap);
            mDropped = syscall(SYS_capset, &mHeader, reduced) == 0;
        }
        QFile::setPermissions(folder,
                              QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                  | QFile::ExeOther);
    }
    ~ReadOnlyFolder()
    {
        if (mDropped)
            syscall(SYS_capset, &mHeader, mSaved);
        QFile::setPermissions(mFolder, mPermissions);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // True when a new file really cannot be made in the folder.
    bool Holds() const
    {
        QFile probe(mFolder + QStringLiteral("/probe"));
        return !probe.open(QIODevice::WriteOnly) || (probe.remove(), false);
    }

private:
    QString mFolder;
    QFile::Permissions mPermissions;
    __user_cap_header_struct mHeader{};
    __user_cap_data_struct mSaved[2]{};
    bool mDropped = false;
};

// A full disk, while the object lives: no file of this process may grow past
// `bytes`; a write beyond that fails with "File too large" (the signal that would
// end the process is ignored, as the program would see it on a full disk: a failed write).
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &mSaved);
        mHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, mSaved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &mSaved);
        std::signal(SIGXFSZ, mHandler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit mSaved{};
    void (*mHandler)(int) = nullptr;
};

// Starts `process` under a file size limit of `bytes`, with the signal a write past it sends left at its default,
// which ends a program that does not ignore it (as under a shell's ulimit -f).
inline void LimitFileSize(QProcess& process, rlim_t bytes)
{
    process.setChildProcessModifier([bytes] {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
    });
}

} // namespace faultkit
