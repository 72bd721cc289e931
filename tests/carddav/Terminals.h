#pragma once

#include <QProcessEnvironment>
#include <QStringList>

// Runs program with args on a terminal of the test's own, made by the system's
// own means (a pseudo-terminal in Terminals_unix.cpp, a pseudo console in
// Terminals_win.cpp; runProgram gives none), that asks for anna's password:
// the prompt shows, the typed password is not echoed and is taken; an
// interrupt at the prompt gives the terminal its echo back and ends the program.
void checkPasswordPrompt(const QString &program, const QStringList &args, const QProcessEnvironment &env);
