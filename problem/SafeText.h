#pragma once

#include <QString>

// Text from outside (a file, a server, a flash image) on its way to a terminal
// or to another program: which characters are controls, and how one is shown.
namespace problem {

// C0 (tab included), DEL and C1.
bool isControl(char16_t u);

// What must not reach a terminal as it is: a control but tab, the line and
// paragraph separators, and the bidirectional embeddings, overrides and
// isolates, any of which could rewrite the terminal or fake another line.
bool isUnsafe(char16_t u);

// A character as a visible escape: \xNN below U+0100, \uNNNN above.
QString escaped(char16_t u);

// text with every unsafe character escaped; everything else stays as it is.
QString safeText(const QString &text);

} // namespace problem
