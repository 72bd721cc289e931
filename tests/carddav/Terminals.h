#pragma once

#include <QProcessEnvironment>
#include <QStringList>

class QProcess;

// How the CardDAV tests give vire-image a terminal, or none, with the
// system's own means (Terminals_unix.cpp, Terminals_win.cpp).

// Starts p without a terminal (a session of its own on POSIX, no console on
// Windows), so that a password prompt finds none to ask on.
void withoutTerminal(QProcess &p);

// Runs program with args on a terminal of the test's own (a pseudo-terminal,
// a pseudo console on Windows) that asks for anna's password: the prompt
// shows, the typed password is not echoed and is taken; an interrupt at the
// prompt gives the terminal its echo back and ends the program.
void checkPasswordPrompt(const QString &program, const QStringList &args, const QProcessEnvironment &env);
