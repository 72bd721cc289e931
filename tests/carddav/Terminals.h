#pragma once

#include <QProcessEnvironment>
#include <QStringList>

// How the CardDAV tests give vire-image a terminal of its own, with the
// system's own means (Terminals_unix.cpp, Terminals_win.cpp); runProgram
// gives it none.

// Runs program with args on a terminal of the test's own (a pseudo-terminal,
// a pseudo console on Windows) that asks for anna's password: the prompt
// shows, the typed password is not echoed and is taken; an interrupt at the
// prompt gives the terminal its echo back and ends the program.
void checkPasswordPrompt(const QString &program, const QStringList &args, const QProcessEnvironment &env);
