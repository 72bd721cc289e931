#pragma once

// What every contacts reader promises, checked on whatever it was given.
#include "exchange/Contacts.h"
#include "image/FixedText.h"
#include "image/Layout.h"

#include <cstdio>
#include <cstdlib>

inline void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

inline bool digits(const QString &s)
{
    if (s.isEmpty() || s.size() > 16)
        return false;
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Entries the image can hold; when adding, numbers are 1 to 16 digits.
inline void checkContacts(const exchange::ReadResult &r, exchange::Mode mode)
{
    for (const exchange::Contact &c : r.contacts) {
        require(c.name.size() <= layout::NameLength && cp1252::spellable(c.name), "a name the image can hold");
        require(c.number.size() <= 16 && cp1252::spellable(c.number), "a number the image can hold");
        const bool special = c.number == BookEntry::hiddenLabel() || c.number == BookEntry::unknownLabel();
        require(mode == exchange::Mode::Replace || special || digits(c.number), "numbers added are digits");
        require(c.line >= 1, "every entry has its line");
    }
    require(r.skipped >= 0, "a count of skipped entries");
}

// A file read whole in a code page (CSV) brings no control character into a
// name. (A vCard's UTF-8 values may hold them, as our own export writes them.)
inline void checkCodePageNames(const exchange::ReadResult &r)
{
    if (r.codePage.isEmpty())
        return;
    for (const exchange::Contact &c : r.contacts) {
        for (QChar ch : c.name)
            require(ch.unicode() >= 0x20 ? (ch.unicode() < 0x7F || ch.unicode() >= 0xA0) : ch == u'\t' || ch == u'\n' || ch == u'\r',
                    "no control character from a code page in a name");
    }
}

// What was read, written again and read back, is the same entries.
inline QVector<BookEntry> usersOf(const exchange::ReadResult &r)
{
    QVector<BookEntry> users;
    for (const exchange::Contact &c : r.contacts) {
        if (c.number != BookEntry::hiddenLabel() && c.number != BookEntry::unknownLabel())
            users.append({c.number, c.name, BookEntry::withoutBit3(c.flags)});
    }
    return users;
}

inline void requireSame(const QVector<BookEntry> &a, const exchange::ReadResult &back, bool flags, const char *what)
{
    const QVector<BookEntry> b = usersOf(back);
    require(back.ok() && a.size() == b.size(), what);
    for (qsizetype i = 0; i < a.size(); ++i)
        require(a[i].number == b[i].number && a[i].name == b[i].name && (!flags || a[i].flags == b[i].flags), what);
}
