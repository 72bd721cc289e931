#pragma once

#include "problem/Problem.h"

#include <QString>
#include <QUrl>

namespace carddav {

// Throws what went wrong with url as a VireError: the tool decides how to
// print it. detail says what and what to do, without the URL, which travels
// apart so that it can be shown without user information.
[[noreturn]] void fail(Problem::Kind kind, const QUrl &url, const QString &detail, int status = 0);

} // namespace carddav
