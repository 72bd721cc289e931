#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// One phone-book entry as the table holds it.
struct BookEntry
{
    // What the two special entries hold in place of a number.
    static QString hiddenLabel() { return QStringLiteral("_HiddenNumber"); }
    static QString unknownLabel() { return QStringLiteral("_UnknownNumber"); }

    // The flags byte: bits 7 to 4 are the switch bits "Sbit 1" to "Sbit 4",
    // bits 2 to 0 the sound (0 none, k the sound in bank k). Nothing here sets
    // bit 3; a byte read with it keeps it.
    static constexpr int SwitchCount = 4;
    using SwitchBits = std::array<bool, SwitchCount>;

    static constexpr quint8 SoundMask = 0x07;
    // i from 0, for "Sbit 1".
    static quint8 switchMask(int i) { return quint8(1 << (7 - i)); }

    static int soundOf(quint8 flags) { return flags & SoundMask; }
    static bool switchBitOf(quint8 flags, int i) { return flags & switchMask(i); }
    static quint8 composeFlags(int sound, const SwitchBits &bits)
    {
        quint8 flags = quint8(sound) & SoundMask;
        for (int i = 0; i < SwitchCount; ++i)
            flags |= bits[size_t(i)] ? switchMask(i) : 0;
        return flags;
    }

    // What the contacts formats carry of a byte: all but bit 3.
    static quint8 withoutBit3(quint8 flags) { return quint8(flags & 0xF7); }

    int sound() const { return soundOf(flags); }
    bool switchBit(int i) const { return switchBitOf(flags, i); }

    QString number;
    QString name;
    quint8 flags = 0;
};

// Moved with memmove when rows are inserted.
Q_DECLARE_TYPEINFO(BookEntry, Q_RELOCATABLE_TYPE);
