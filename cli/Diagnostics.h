#pragma once

#include "problem/Problem.h"
#include "problem/SafeText.h"

#include <QString>
#include <QUrl>

// The one place where vire-image turns a problem into the line a user reads.
// Names and text that came from outside (a server, a URL, a file) may hold
// escape sequences, line breaks or bidirectional controls that would rewrite
// the terminal or fake another line, so every part passes through safeText
// on its way out.
namespace cli {

// Control characters (C0 but tab, DEL, C1), line and paragraph separators and
// the bidirectional embeddings, overrides and isolates as visible escapes.
using problem::safeText;

// A URL as messages show it: percent-encoded as it was given or sent, never
// with its user name or password, then made safe.
QString safeUrl(const QUrl &url);

// "where:line: severity: detail": where is the URL, else the file, else
// "vire-image"; no ":line" when line is 0. A choice between address books
// follows on lines of its own, each URL with its display name.
QString diagnostic(const Problem &problem, const char *severity);

} // namespace cli
