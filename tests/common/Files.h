#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

// Files the tests write and read whole. A file that cannot be written ends
// the run: every check after it would mislead.
inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Empty when the file cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Read and removed, as a server's log is read step by step.
inline QByteArray takeFile(const QString &path)
{
    const QByteArray bytes = readFile(path);
    QFile::remove(path);
    return bytes;
}

// The files in folder by name, hidden and special ones too.
inline QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// A fresh folder, removed with the object, and its files by name.
class Folder
{
public:
    Folder()
    {
        if (!m_dir.isValid())
            qFatal("no temporary folder");
    }
    QString path() const { return m_dir.path(); }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString write(const QString &name, const QByteArray &bytes) const { return writeFile(path(name), bytes); }
    QByteArray read(const QString &name) const { return readFile(path(name)); }
    bool exists(const QString &name) const { return QFileInfo::exists(path(name)); }

private:
    QTemporaryDir m_dir;
};
