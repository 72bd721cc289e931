#pragma once

#include <QByteArray>
#include <QString>

#include <limits>

// Reads the raw bytes of a WAV file's first "data" chunk, and writes the
// bytes of one. Keeps no state between calls; the sample format is neither
// read nor converted.
namespace wavmodule {

constexpr qint64 NoLimit = std::numeric_limits<qint64>::max();

// What the file says of its samples, for a user to see; nothing is converted.
struct WaveFormat
{
    bool described = false;   // a "fmt " chunk was read
    int tag = 0;              // 1: PCM
    int channels = 0;
    qint32 rate = 0;
    int bits = 0;
    qint32 declared = 0;      // the data chunk's declared size
};

// Fills samples with the first "data" chunk of the file at path: its declared
// size, or maxBytes when that is smaller, and never more is allocated or read.
// Bytes the file does not hold read as zero; a declared size of 0 gives an
// empty array. Failures are thrown as VireError:
//   1234 "Not a valid wav file (not starting with RIFF)"
//   1234 "No samples found in file"
//   6    "Overflow" (a 32-bit value of 2^31 or more)
//   75   the file layer's own text (cannot open or read)
//   7    "Out of memory"
// samples is left untouched by a failure. The file is closed on every path.
// format, when given, receives what the file says of its samples.
void loadWave(const QString &path, QByteArray &samples, qint64 maxBytes = NoLimit, WaveFormat *format = nullptr);

// A WAV file of 8-bit mono PCM holding samples as they are (unsigned, by the
// format's rule), rate of them a second.
QByteArray makeWave(const QByteArray &samples, quint32 rate);

} // namespace wavmodule
