#pragma once

#include <QString>
#include <QVector>

// How a text the image cannot hold is spelled in it: the one rule for every
// contacts reader, the WAV file names and the window's name boxes.
namespace cp1252 {

struct Spelling
{
    // A run of the source spelled as a whole (a word of another script, or a
    // character beyond 16 bits): where it is in the source and in the text.
    // Every character outside a run is one character of the text.
    struct Run
    {
        qsizetype from = 0, size = 0;
        qsizetype textFrom = 0, textSize = 0;
    };

    QString text;
    QVector<Run> runs;
    bool latin = false;       // letters of another script were spelled in Latin letters
    int unspelled = 0;        // characters that became "?"
    int dropped = 0;          // invisible characters and emoji left out (each a run of no text)
};

// What the code page holds stays as it is. Invisible characters (bidi marks
// and controls, ZWJ, ZWNJ, byte order mark, variation selectors) go, and so
// do emoji where the text has letters. A Latin letter with combining marks
// is the code page's composed letter where it has one. Letters outside it, a
// run of one script at a time, are transliterated (Cyrillic by the BGN
// transform of the language its letters tell: Belarusian, Ukrainian, Kazakh,
// Macedonian, Serbian, else Russian; Arabic, Persian and Hebrew by BGN, then
// Any-Latin for what it leaves, their ayin and hamza signs dropped; Greek by
// UNGEGN; kana, Han, Hangul and the rest by ICU's Any-Latin), then stripped
// to ASCII letters; a script without letter case, and Georgian and Armenian,
// get a capital at each word's start. A Latin letter the code page lacks
// becomes its base letter (Ł L, ż z); a space of another script (and the
// kana middle dot) a space; anything else "?". Without ICU the other
// scripts become "?" too.
Spelling spell(const QString &text);

inline QString spelled(const QString &text)
{
    return spell(text).text;
}

// Whether the text has characters and all of them but white space are
// invisible ones, which spell() drops: such a name is none.
bool onlyInvisible(const QString &text);

// Whether this build transliterates other scripts.
bool transliterates();

} // namespace cp1252
