#pragma once

#include <QString>

#include <functional>

class QProcess;

// What the tests ask of the system, by its own means (System_unix.cpp,
// System_win.cpp); what only one system has is answered "none" on the other.

// Files this process holds open, for checks that a command leaves none
// behind: every descriptor on POSIX; on Windows, where a handle count moves
// with everything the GUI does, the files under folder that cannot be opened
// without sharing. -1 where unknown.
int openFiles(const QString &folder);

// The process's peak memory so far, in KiB; -1 where it cannot be told.
qint64 peakMemoryKiB();

// A file that opens but whose first read fails; empty where there is none.
QString unreadableFile();

// Keeps a file from being opened for reading while it lives: on POSIX by
// taking its permissions away (which bind no superuser), on Windows by
// holding it open without sharing, as another program can.
class LockedFile
{
public:
    explicit LockedFile(const QString &path);
    ~LockedFile();
    LockedFile(const LockedFile &) = delete;
    LockedFile &operator=(const LockedFile &) = delete;

    // Whether the lock was put in place.
    bool locked() const { return m_locked; }

private:
    QString m_path;
    void *m_handle = nullptr;
    bool m_locked = false;
};

// Whether a folder can be made unwritable for the user the tests run as
// (not root, who writes any folder; not Windows, which ignores a folder's
// read-only attribute).
bool foldersCanBeLocked();

// Whether writes can be limited to a number of bytes per file.
bool hasFileSizeLimits();

// Runs f with every write stopped at bytes (a write past it fails and raises
// no signal); false when the limit could not be set or restored.
bool withFileSizeLimit(long long bytes, const std::function<void()> &f);

// The system the helper programs (Python servers, openssl) run on. Under
// Wine they are Linux programs: they see Linux paths, and Wine starts them
// without pipes or a handle to wait on.
namespace hostsystem {

// Whether this Windows program runs under Wine.
bool underWine();
// path as the helper programs name it: under Wine its Linux path.
QString hostPath(const QString &path);
// This process's id as the helper programs see it; 0 if unknown.
qint64 hostPid();

} // namespace hostsystem

// Starts p without a terminal (a session of its own on POSIX, no console on
// Windows), so that a password prompt finds none to ask on.
void withoutTerminal(QProcess &p);
