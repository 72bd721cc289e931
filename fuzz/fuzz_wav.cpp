// Arbitrary bytes as a WAV file, loaded with and without a limit, and imported
// into a sound bank. Besides not crashing: a limit is never exceeded, a
// limited load is the start of the unlimited one, and a failed import leaves
// the image as it was.
#include "image/FlashImage.h"
#include "image/Layout.h"
#include "sound/SoundImport.h"
#include "problem/Problem.h"
#include "sound/wavmodule.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Loads, giving back the error number (0 for success).
int load(const QString &path, QByteArray &samples, qint64 limit)
{
    try {
        wavmodule::loadWave(path, samples, limit);
    } catch (const VireError &e) {
        return e.number();
    }
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.wav"));
    {
        QFile f(path);
        require(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "temporary file");
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }

    // Unlimited loads of huge declared sizes are left to the limited ones: the
    // reader would honestly try to allocate up to 2 GiB.
    constexpr qint64 Limit = layout::SampleAreaSize;
    QByteArray limited;
    const int limitedError = load(path, limited, Limit);
    require(limited.size() <= Limit, "a limited load stays within its limit");

    QByteArray small;
    const int smallError = load(path, small, 7);
    require(smallError == limitedError, "the limit does not change the outcome");
    require(small.size() <= 7, "a limit of 7 bytes");
    if (smallError == 0)
        require(small == limited.left(small.size()), "a limited load is a prefix");

    if (limitedError == 0 && limited.size() < Limit) {
        QByteArray whole;
        require(load(path, whole, wavmodule::NoLimit) == 0, "an unlimited load succeeds too");
        require(whole == limited, "the whole chunk is what the limited load read");
    }

    FlashImage fb;
    fb.writeBytes(layout::bankOffset(7), QByteArray(layout::RegionSize, '\x5A'));
    const QByteArray before = fb.bytes();
    try {
        const QString name = importWave(fb, 7, path);
        require(name.size() == layout::SoundNameLength, "a sound name is 16 characters");
        require(fb.bytes().left(layout::bankOffset(7) + layout::SampleAreaOffset)
                    == before.left(layout::bankOffset(7) + layout::SampleAreaOffset),
                "an import writes only its sample area");
    } catch (const VireError &) {
        require(fb.bytes() == before, "a failed import changes nothing");
    }
    return 0;
}
