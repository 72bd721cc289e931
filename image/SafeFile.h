#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// File access for the commands that read or write a file the user chose.
// A FIFO, a device, a socket or a folder is refused before anything is opened
// for good, so no command blocks on one or turns it into an ordinary file.
// Every failure is a VireError 75 with the platform's description of its cause.
namespace safefile {

// Opens a regular file for reading.
void openForReading(QFile &file, const QString &path);

// At most maxBytes from the start of a regular file.
QByteArray readRegular(const QString &path, qint64 maxBytes);

// Refuses a target that exists and is not a regular file (a symbolic link
// counts as what it points to). Opens nothing.
void checkTarget(const QString &path);

// Makes bytes the whole content of path. A new file, or a file with one link
// in a folder we may write, is replaced atomically and keeps its permissions,
// so a failure leaves the old file whole. A file with several hard links, or
// in a folder that takes no new file, is written in place, so every link sees
// the new content and a read-only folder is no obstacle.
void writeWhole(const QString &path, const QByteArray &bytes);

} // namespace safefile
