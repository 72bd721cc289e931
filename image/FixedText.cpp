#include "FixedText.h"

namespace {

// Unicode for bytes 0x80..0x9F; everything else maps to the code of the same value.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

namespace cp1252 {

const std::array<char16_t, 256> chars = [] {
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[size_t(b)] = b >= 0x80 && b < 0xA0 ? HighControls[b - 0x80] : char16_t(b);
    return table;
}();

int toByte(QChar ch)
{
    // Most characters are the byte of their own code.
    const char16_t u = ch.unicode();
    if (u < chars.size() && chars[u] == u)
        return u;
    for (int i = 0; i < 32; ++i) {
        if (HighControls[i] == u)
            return 0x80 + i;
    }
    return -1;
}

} // namespace cp1252

QString fixLen(const QString &text, qint16 width)
{
    if (width <= 0)
        return QString();
    QString out = text.left(width);
    if (out.size() < width)
        out.append(QString(qMin<int>(width - out.size(), 32), QLatin1Char(' ')));
    return out;
}
