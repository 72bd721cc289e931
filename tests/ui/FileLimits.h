#pragma once

#include <functional>

// What the file tests can impose on the system, where the system offers it
// (FileLimits_unix.cpp, FileLimits_win.cpp).

// True where a folder can be made unwritable for the user the tests run as
// (not root, who writes any folder; not Windows, which ignores a folder's
// read-only attribute).
bool foldersCanBeLocked();

// True where writes can be limited to a number of bytes per file.
bool hasFileSizeLimits();

// Runs f with every write stopped at bytes (a write past it fails and raises
// no signal); false when the limit could not be set or restored.
bool withFileSizeLimit(long long bytes, const std::function<void()> &f);
