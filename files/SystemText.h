#pragma once

#include <QString>

// The system's own text for an error code (GetLastError's on Windows, errno's
// elsewhere) as messages quote it: without a closing full stop, which they add.
QString systemText(unsigned long code);
