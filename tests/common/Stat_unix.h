#pragma once

#include <QFile>
#include <QString>

#include <sys/stat.h>

// What stat(2) tells of path: owner, mode, inode; all zero when it cannot.
inline struct stat statOf(const QString &path)
{
    struct stat st = {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}
