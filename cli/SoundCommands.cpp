// vire-image sound-import and sound-export: one sound bank in from and out to a WAV file.
#include "cli/CommandLine.h"

#include "exchange/Contacts.h"
#include "image/FixedText.h"
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

    try {
        image.names[size_t(bank - 1)] = importWave(image.fb, bank, wavePath);
    } catch (VireError &e) {
        placeIn(e, wavePath);
        throw;
    }
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
