#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// What finding a password needs of the system: its terminal, its
// environment and its file permissions (Terminal_unix.cpp, Terminal_win.cpp).
namespace carddav {

// Shows prompt on the user's terminal (the console on Windows) and reads one
// line with echo off; the echo comes back when the line is read and when the
// prompt is interrupted (Ctrl-C). False when there is no terminal.
bool promptTerminal(const QByteArray &prompt, QByteArray &line);

// True when standard error is a terminal (a console on Windows), where a
// progress line may be redrawn in place.
bool stderrIsTerminal();
// The same of standard output, where bytes that are no text must not go.
bool stdoutIsTerminal();

// An environment variable's value as UTF-8: its bytes on POSIX; on Windows
// from the UTF-16 environment, since the ANSI one cannot hold every letter.
QByteArray environmentUtf8(const char *name);

// The folder that holds .netrc: HOME, else the user's home (on Windows the
// profile folder; HOME first, as curl reads it there).
QString netrcFolder();

// The permission bits of an open file that let others than its owner read
// it ("0644"), or an empty text when nobody else may (always on Windows,
// where a user's own folder is private and no such bits exist).
QString readableByOthers(const QFile &file);

} // namespace carddav
