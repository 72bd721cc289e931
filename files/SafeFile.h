#pragma once

#include <QByteArray>
#include <QString>

class QFile;
class QFileDevice;
class VireError;

// File access for the commands that read or write a file the user chose.
// A FIFO, a device, a socket or a folder is refused before anything is opened
// for good, so no command blocks on one or turns it into an ordinary file.
// Every failure is a VireError 75 whose text names the file and, for a save,
// says whether the file is unchanged, was not created or is partly written.
namespace safefile {

// Refuses a name that did not survive decoding into text: Qt marks such bytes
// with U+FFFD, and encoding the text again would name another file.
void checkName(const QString &path);

// Opens a regular file for reading.
void openForReading(QFile &file, const QString &path);

// The error of a failed read on a file opened by openForReading.
VireError readError(const QString &path, const QFileDevice &file);

// At most maxBytes from the start of a regular file.
QByteArray readRegular(const QString &path, qint64 maxBytes);

// Refuses an unusable name, a target that exists and is not a regular file
// (a symbolic link counts as what it points to), and one the user may not
// write (on Windows also a read-only file and a name Windows cannot take).
// Opens nothing on POSIX systems.
void checkTarget(const QString &path);

// Makes bytes the whole content of path (through symbolic links). The file is
// replaced (a new file beside it, then a rename) when the new file can carry
// the old one's owner, group, mode and extended attributes (the POSIX ACL
// among them) and is its only link; otherwise it is written in place, which
// reserves the room first, so a full disk is found before any old byte
// changes, and never cuts the file before the new bytes are in. On Windows
// ReplaceFileW does the replacing and carries the ACL, attributes and streams.
void writeWhole(const QString &path, const QByteArray &bytes);

// True when both paths exist and name the same file, through links.
bool sameFile(const QString &a, const QString &b);

// True when path names a character device (a terminal, /dev/null), through
// links: something written as a stream, never replaced. Never on Windows,
// whose device names are refused as files.
bool isCharacterDevice(const QString &path);

} // namespace safefile
