#include "sound/SoundImport.h"

#include "image/FixedText.h"
#include "spelling/Spelling.h"
#include "image/FlashImage.h"
#include "image/Layout.h"
#include "problem/Problem.h"
#include "sound/wavmodule.h"

#include <QByteArray>
#include <QFileInfo>

namespace {

// The last four characters are taken to be the extension without checking.
constexpr int ExtensionLength = 4;

} // namespace

QString soundNameForPath(const QString &path)
{
    QString base = QFileInfo(path).fileName();
    if (base.size() > ExtensionLength)
        base.chop(ExtensionLength);
    // The image spells the name in its code page, as the name boxes do.
    return fixLen(cp1252::spelled(base), layout::SoundNameLength);
}

QString importWave(FlashImage &fb, int bank, const QString &path, wavmodule::WaveFormat *format, qint64 *taken)
{
    if (bank < 1 || bank > layout::BankCount)
        throw VireError::subscriptOutOfRange();

    // Only what fits in the bank is ever read, however large the file claims to be.
    QByteArray samples;
    wavmodule::loadWave(path, samples, layout::SampleAreaSize, format);

    // No length is stored: bytes past the new sound keep the older one's.
    const qsizetype count = qMin<qsizetype>(samples.size(), layout::SampleAreaSize);
    fb.writeBytes(layout::bankOffset(bank) + layout::SampleAreaOffset, QByteArrayView(samples).first(count));
    if (taken)
        *taken = count;
    return soundNameForPath(path);
}
