#pragma once

#include <QByteArray>
#include <QtEndian>

// Builds RIFF files byte by byte, so that tests can also write the broken ones.
namespace wavefiles {

inline QByteArray le32(quint32 v)
{
    QByteArray out(4, '\0');
    qToLittleEndian(v, out.data());
    return out;
}

inline QByteArray le16(quint16 v)
{
    QByteArray out(2, '\0');
    qToLittleEndian(v, out.data());
    return out;
}

// A chunk whose declared size is the body's, or any other size.
inline QByteArray chunk(const QByteArray &id, const QByteArray &body)
{
    return id + le32(quint32(body.size())) + body;
}

inline QByteArray chunk(const QByteArray &id, quint32 declared, const QByteArray &body)
{
    return id + le32(declared) + body;
}

inline QByteArray fmtBody(quint16 channels = 1, quint32 rate = 8000, quint16 bits = 8)
{
    const quint16 align = quint16(channels * bits / 8);
    return le16(1) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits);
}

inline QByteArray riff(const QByteArray &chunks, const QByteArray &form = "WAVE")
{
    return "RIFF" + le32(quint32(4 + chunks.size())) + form + chunks;
}

// A plain wave of 8-bit mono at 8 kHz around samples.
inline QByteArray wave(const QByteArray &samples)
{
    return riff(chunk("fmt ", fmtBody()) + chunk("data", samples));
}

// n bytes that differ from their neighbours and from zero, starting at seed.
inline QByteArray pattern(int n, int seed = 1)
{
    QByteArray out(n, '\0');
    for (int i = 0; i < n; ++i)
        out[i] = char(1 + (i * 7 + seed) % 251);
    return out;
}

} // namespace wavefiles
