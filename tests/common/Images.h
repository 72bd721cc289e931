#pragma once

#include <QByteArray>
#include <QList>

// Flash images byte by byte, as the device or another tool may hold them,
// so that tests can also write the odd ones.
namespace images {

constexpr int Size = 524288;
constexpr int BankSize = 65536;

// Number and name padded (or cut) to 16 and 14 bytes, the flags, a zero.
inline QByteArray record(const QByteArray &number, const QByteArray &name, quint8 flags = 0)
{
    return number.leftJustified(16, ' ', true) + name.leftJustified(14, ' ', true) + char(flags) + '\0';
}

// The count, big-endian, then the magic text.
inline QByteArray header(int count, const QByteArray &magic = "VIRE-PADDING: 0123456789ABCDEF")
{
    return QByteArray(1, char(count >> 8)) + char(count & 0xFF) + magic;
}

// What the encoder writes over zeros: the header, the fifteen fixed slots
// (the two specials' names), the records in the order given, the sounds'
// names ("(empty)" for those not given). count: the records', unless given.
inline QByteArray image(const QList<QByteArray> &records, int count = -1, const QList<QByteArray> &names = {})
{
    QByteArray fb(Size, '\0');
    fb.replace(0, 32, header(count < 0 ? int(records.size()) : count));
    for (int s = 0; s < 15; ++s)
        fb.replace(32 + 32 * s, 32, record(QByteArray::number(s, 16).toUpper(),
                                           s == 0 ? "Dolt nummer" : s == 1 ? "Ok\xE4nt nummer" : "", 0));
    for (int j = 0; j < records.size(); ++j)
        fb.replace(512 + 32 * j, 32, records[j]);
    for (int k = 1; k <= 7; ++k)
        fb.replace(k * BankSize, 16, names.value(k - 1, "(empty)").leftJustified(16, ' ', true));
    return fb;
}

// A new image: the default book, as the editor starts with it.
inline QByteArray defaultImage()
{
    return image({record("12345", "Test Testsson")});
}

} // namespace images
