#include "image/FixedText.h"

#include <utility>

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

namespace {

// Letters with no decomposition into a base letter and marks.
constexpr std::pair<char16_t, char> Undecomposed[] = {
    {0x0110, 'D'}, {0x0111, 'd'}, {0x0126, 'H'}, {0x0127, 'h'}, {0x0131, 'i'}, {0x0138, 'k'},
    {0x013F, 'L'}, {0x0140, 'l'}, {0x0141, 'L'}, {0x0142, 'l'}, {0x014A, 'N'}, {0x014B, 'n'},
    {0x0166, 'T'}, {0x0167, 't'}, {0x0180, 'b'}, {0x0197, 'I'}, {0x01B5, 'Z'}, {0x01B6, 'z'},
    {0x0237, 'j'}, {0x0248, 'J'}, {0x0249, 'j'}, {0x024C, 'R'}, {0x024D, 'r'}, {0x0268, 'i'},
    {0x1E9E, 'S'},
};

QChar nearestChar(QChar c)
{
    if (cp1252::holds(c))
        return c;
    for (const auto &[from, to] : Undecomposed) {
        if (from == c.unicode())
            return QLatin1Char(to);
    }
    // The canonical decomposition's first character is the base letter; a
    // compatibility form counts only when it is one character (a full-width
    // letter), never a spelled-out ligature or fraction.
    const QString one(c);
    const QString canonical = one.normalized(QString::NormalizationForm_D);
    if (canonical.size() > 1 && cp1252::holds(canonical.at(0)) && canonical.at(0).isLetterOrNumber())
        return canonical.at(0);
    const QString compatible = one.normalized(QString::NormalizationForm_KD);
    if (compatible.size() == 1 && cp1252::holds(compatible.at(0)) && compatible.at(0).isLetterOrNumber())
        return compatible.at(0);
    return QLatin1Char('?');
}

} // namespace

namespace cp1252 {

QString nearest(const QString &text)
{
    if (spellable(text))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            out.append(QLatin1Char('?'));
        } else {
            out.append(nearestChar(c));
        }
    }
    return out;
}

} // namespace cp1252
