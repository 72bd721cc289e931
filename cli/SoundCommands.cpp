// vire-image sound-import and sound-export: one sound bank in from and out to a WAV file.
#include "cli/CommandLine.h"

#include "exchange/Contacts.h"
#include "image/FixedText.h"
#include "image/Layout.h"
#include "sound/SoundImport.h"
#include "problem/Problem.h"

#include <QFileInfo>

namespace cli {

namespace {

constexpr int DefaultRate = 8000;

const char SoundImportHelp[] = R"~(
Copies the samples of WAV into sound bank BANK (1-7) of IMAGE, exactly as the
editor's sound import does: the bytes of the file's first data chunk, at most
65,520, unconverted; the rest of the bank keeps its bytes. The bank is named
after the file (its name without the last four characters, 16 at most).
)~";

const char SoundExportHelp[] = R"~(
Writes the 65,520 sample bytes of sound bank BANK (1-7) as an 8-bit unsigned
mono PCM WAV file, to listen to or to import into another image.
)~";

QString formatText(const wavmodule::WaveFormat &f)
{
    if (!f.described)
        return QStringLiteral("no format chunk");
    const QString channels = f.channels == 1 ? QStringLiteral("mono")
        : f.channels == 2                    ? QStringLiteral("stereo")
                                             : QStringLiteral("%1 channels").arg(f.channels);
    return QStringLiteral("%1-bit %2%3 at %4 Hz")
        .arg(f.bits)
        .arg(channels, f.tag == 1 ? QStringLiteral(" PCM") : QStringLiteral(" (format %1)").arg(f.tag), thousands(f.rate));
}

// What went into the bank: the samples are copied as they are, so a user
// must learn here when they are not what the unit plays.
void reportWave(const QString &path, const wavmodule::WaveFormat &format, qint64 taken, int bank)
{
    if (format.declared > taken && taken == layout::SampleAreaSize)
        message(path, 0, "warning", QStringLiteral("the data chunk holds %1 bytes; only the first %2, the bank's size, were taken")
                                        .arg(thousands(format.declared), thousands(taken)));
    if (!format.described || format.tag != 1 || format.channels != 1 || format.bits != 8)
        message(path, 0, "warning", QStringLiteral("%1, not the 8-bit mono PCM that sound-export writes; the bytes were "
                                                   "copied as they are, without conversion").arg(formatText(format)));
    message(path, 0, "summary", QStringLiteral("%1; %2 sample bytes copied into bank %3")
                                    .arg(formatText(format), thousands(taken)).arg(bank));
}

} // namespace

int runSoundImport(const QStringList &arguments)
{
    CommandLine line("sound-import", "IMAGE BANK WAV -o OUT", SoundImportHelp);
    line.argument("IMAGE", "the image to read");
    line.argument("BANK", "the sound bank, 1 to 7");
    line.argument("WAV", "the WAV file whose samples are copied");
    const QCommandLineOption output = line.valueOption(
        {"o", "output"}, "OUT", "the image file to write (required; may name IMAGE)", CommandLine::Required);
    if (!line.parse(arguments))
        return line.status();

    const QString &imagePath = line.args().at(0), &wavePath = line.args().at(2);
    const int bank = bankNumber(line.args().at(1));
    checkOutput(line.value(output));
    tool::Image image = readImage(imagePath);

    wavmodule::WaveFormat format;
    qint64 taken = 0;
    try {
        image.names[size_t(bank - 1)] = importWave(image.fb, bank, wavePath, &format, &taken);
    } catch (VireError &e) {
        placeIn(e, wavePath);
        throw;
    }
    reportWave(wavePath, format, taken, bank);
    if (!cp1252::spellable(QFileInfo(wavePath).fileName()))
        message(wavePath, 0, "warning", QStringLiteral("the image spells Windows-1252 only; the sound is named \"%1\"")
                                            .arg(exchange::trimmedRight(image.names[size_t(bank - 1)])));
    buildFB(image.fb, *image.book, image.names);
    writeFile(line.value(output), image.fb.bytes());
    return Success;
}

int runSoundExport(const QStringList &arguments)
{
    CommandLine line("sound-export", "IMAGE BANK OUT.wav [--rate HZ]", SoundExportHelp);
    line.argument("IMAGE", "the image to read");
    line.argument("BANK", "the sound bank, 1 to 7");
    line.argument("OUT.wav", "the WAV file to write");
    const QCommandLineOption rateOption =
        line.valueOption({"rate"}, "HZ", "the sample rate written into the file (default 8000)");
    if (!line.parse(arguments))
        return line.status();

    const QString &imagePath = line.args().at(0), &wavePath = line.args().at(2);
    const int bank = bankNumber(line.args().at(1));
    quint32 rate = DefaultRate;
    if (line.isSet(rateOption)) {
        // The WAV reader takes 32-bit values below 2^31 only.
        const QString text = line.value(rateOption);
        bool ok = false;
        const qint64 value = text.toLongLong(&ok);
        if (!ok || value < 1 || value > 0x7FFFFFFF || text.trimmed() != text)
            throw fail(QString(), QStringLiteral("rate \"%1\" is not 1 to 2147483647 Hz").arg(text));
        rate = quint32(value);
    }
    checkOutput(wavePath);
    const QByteArray bytes = tool::bankWave(readImage(imagePath), bank, rate);
    writeFile(wavePath, bytes);
    return Success;
}

} // namespace cli
