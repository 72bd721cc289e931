#pragma once

#include <QString>

// The system the helper programs (Python servers, openssl) run on. Under
// Wine they are Linux programs: they see Linux paths, and Wine starts them
// without pipes or a handle to wait on (HostSystem_unix.cpp, HostSystem_win.cpp).
namespace hostsystem {

// Whether this Windows program runs under Wine.
bool underWine();
// path as the helper programs name it: under Wine its Linux path.
QString hostPath(const QString &path);
// This process's id as the helper programs see it; 0 if unknown.
qint64 hostPid();

} // namespace hostsystem
