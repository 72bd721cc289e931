#pragma once

#include <QString>

// Files this process holds open, for checks that a command leaves none
// behind: every descriptor on POSIX; on Windows, where a handle count moves
// with everything the GUI does, the files under folder that cannot be opened
// without sharing (OpenFiles_unix.cpp, OpenFiles_win.cpp). -1 where unknown.
int openFiles(const QString &folder);
