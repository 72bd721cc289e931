#pragma once

#include <QString>

// What the reader's tests ask of the system, by its own means
// (ProcessProbes_unix.cpp, ProcessProbes_win.cpp).

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
