#pragma once

#include "Contacts.h"
#include "Layout.h"

// What both readers ask of an entry before it may go into the phone book.
namespace exchange::rules {

// Drops trailing spaces, refuses a character outside Windows-1252 (an error
// naming the line and the character), cuts a longer name to the width of the
// name field with a warning. False when the name was refused.
bool checkName(QString &name, int line, ReadResult &result);

bool isDigits(const QString &text);

// "U+0416 'Ж'" and the like, for messages.
QString describeCharacter(char32_t code);

} // namespace exchange::rules
