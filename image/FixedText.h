#pragma once

#include <QChar>
#include <QString>

#include <array>

// Text in the image is one byte per character in Windows-1252. The five bytes
// that code page leaves unassigned map to the control characters of the same
// code, so every byte 0..255 has a character and every field read and written
// again keeps its bytes.
namespace cp1252 {

// The character of every byte.
extern const std::array<char16_t, 256> chars;

inline QChar toChar(unsigned char byte)
{
    return QChar(chars[byte]);
}

// The byte for a character, or -1 when the code page has none.
int toByte(QChar ch);

// Whether the code page holds the character: the one test of what the image can spell.
inline bool holds(QChar ch)
{
    return toByte(ch) >= 0;
}

// The text as the image can hold it, one character for each: what the code page
// holds stays; another letter becomes its base letter (accents dropped, a few
// letters that do not decompose by a table: Ł L, đ d ...); anything
// else, a character beyond 16 bits (an emoji) included, becomes "?". Names are
// spelled by cp1252::spell (Spelling.h), which keeps this for Latin letters.
QString nearest(const QString &text);

// Whether the image can hold every character of the text as it is.
inline bool spellable(const QString &text)
{
    for (QChar c : text) {
        if (!holds(c))
            return false;
    }
    return true;
}

} // namespace cp1252

// Pads the text with spaces to the width, or cuts it to the width.
QString fixLen(const QString &text, qint16 width);
