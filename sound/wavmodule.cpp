#include "sound/wavmodule.h"

#include "files/SafeFile.h"
#include "problem/Problem.h"

#include <QFile>
#include <QtEndian>

#include <cstring>
#include <new>

namespace wavmodule {

namespace {

const QString RiffId = QStringLiteral("RIFF");
const QString FmtId = QStringLiteral("fmt ");
const QString DataId = QStringLiteral("data");

// Fields of a "fmt " chunk, always consumed whatever its declared size.
constexpr qint32 FmtFieldBytes = 16;

// Real files hold a few dozen chunks. The walk stops after this many, so a
// file of zeros, however large or sparse, is refused at once.
constexpr int MaxChunks = 4096;

VireError waveError(const char *text)
{
    return VireError(VireError::WaveFormat, QString::fromLatin1(text));
}

VireError noSamples()
{
    return waveError("No samples found in file");
}

// The open file and whether a read has come up short yet. End of file is
// only ever known after a short read, never by looking ahead.
struct Source
{
    QFile &file;
    const QString &path;
    bool eof = false;
};

// A byte the file does not hold reads as 0 and marks end of file; a failing
// read is the file layer's error, not an end of file.
quint8 readByte(Source &src)
{
    char c = 0;
    if (src.file.getChar(&c))
        return static_cast<quint8>(c);
    if (src.file.error() != QFileDevice::NoError)
        throw safefile::readError(src.path, src.file);
    src.eof = true;
    return 0;
}

QString readId(Source &src)
{
    QString id;
    id.reserve(4);
    for (int i = 0; i < 4; ++i)
        id.append(QChar(readByte(src)));
    return id;
}

// Little-endian, signed: a value of 2^31 or more does not fit and is refused.
qint32 readLong(Source &src)
{
    const quint32 b0 = readByte(src);
    const quint32 b1 = readByte(src);
    const quint32 b2 = readByte(src);
    const quint32 b3 = readByte(src);
    if (b3 >= 0x80)
        throw VireError::overflow();
    return static_cast<qint32>(b0 | (b1 << 8) | (b2 << 16) | (b3 << 24));
}

qint32 readWord(Source &src)
{
    const qint32 b0 = readByte(src);
    const qint32 b1 = readByte(src);
    return b0 | (b1 << 8);
}

// Moves past bytes without reading them. Landing beyond the end of the file
// is allowed: the next read then comes up short.
void skipBytes(Source &src, qint64 count)
{
    if (count > 0 && !src.file.seek(src.file.pos() + count))
        throw safefile::readError(src.path, src.file);
}

// RIFF pads a chunk of odd size with a 0 byte. Writers that leave the pad
// out put the next id there, which never starts with 0, so it stays unread.
void skipPad(Source &src, qint64 bodySize)
{
    if (bodySize % 2 == 0 || src.eof)
        return;
    char c = 0;
    // At the end of the file the read comes up short and ends the walk.
    if (src.file.peek(&c, 1) != 1 || c == 0)
        readByte(src);
}

// The fields only need consuming; none of them shapes the result. A declared
// size under 16 is not trusted: the 16 bytes of fields are read regardless.
void readFmt(Source &src, WaveFormat &format)
{
    const qint32 size = readLong(src);
    format.described = true;
    format.tag = readWord(src);
    format.channels = readWord(src);
    format.rate = readLong(src);
    readLong(src);   // byte rate
    readWord(src);   // block align
    format.bits = readWord(src);
    skipBytes(src, qint64(size) - FmtFieldBytes);
    skipPad(src, qMax<qint64>(size, FmtFieldBytes));
}

void skipChunk(Source &src)
{
    const qint32 size = readLong(src);
    skipBytes(src, size);
    skipPad(src, size);
}

// A data chunk may declare far more than the file holds; only what the caller
// wants is allocated and read, and what the file lacks stays zero.
void readData(Source &src, QByteArray &samples, qint64 maxBytes, WaveFormat &format)
{
    const qint32 declared = readLong(src);
    format.declared = declared;
    // A size cut off by the end of the file is no size at all: zeros in its
    // place would pass an invented length of silence off as the file's sound.
    if (src.eof)
        throw noSamples();
    const qint64 wanted = qMin<qint64>(declared, qMax<qint64>(maxBytes, 0));
    QByteArray bytes;
    try {
        bytes = QByteArray(static_cast<qsizetype>(wanted), Qt::Uninitialized);
    } catch (const std::bad_alloc &) {
        throw VireError(VireError::OutOfMemory, QStringLiteral("Out of memory"));
    }
    const qint64 got = wanted > 0 ? src.file.read(bytes.data(), wanted) : 0;
    if (got < 0)
        throw safefile::readError(src.path, src.file);
    std::memset(bytes.data() + got, 0, static_cast<size_t>(wanted - got));
    samples = std::move(bytes);
}

} // namespace

void loadWave(const QString &path, QByteArray &samples, qint64 maxBytes, WaveFormat *format)
{
    WaveFormat read;
    // Closed by its destructor on every path, the thrown ones included. A FIFO
    // or a device is refused, never waited on.
    QFile file;
    safefile::openForReading(file, path);
    Source src{file, path};

    if (readId(src) != RiffId)
        throw waveError("Not a valid wav file (not starting with RIFF)");
    readLong(src);   // RIFF size: unused, but must still fit
    readId(src);     // form type: any is walked

    QString id = readId(src);
    for (int chunks = 0; id != DataId && !src.eof; ++chunks) {
        if (chunks == MaxChunks)
            throw noSamples();
        if (id == FmtId)
            readFmt(src, read);
        else
            skipChunk(src);
        id = readId(src);
    }
    // End of file wins even over an id that happens to read "data".
    if (src.eof)
        throw noSamples();

    readData(src, samples, maxBytes, read);
    if (format)
        *format = read;
}

QByteArray makeWave(const QByteArray &samples, quint32 rate)
{
    QByteArray out;
    out.reserve(44 + samples.size());
    auto le32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto le16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out += "RIFF";
    le32(quint32(36 + samples.size()));
    out += "WAVEfmt ";
    le32(16);
    le16(1);        // PCM
    le16(1);        // mono
    le32(rate);
    le32(rate);     // bytes per second: one byte per sample
    le16(1);        // block align
    le16(8);        // bits per sample
    out += "data";
    le32(quint32(samples.size()));
    out += samples;
    return out;
}

} // namespace wavmodule
