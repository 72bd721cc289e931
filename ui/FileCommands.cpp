// The file commands: opening and saving an image, importing a WAV file into a
// sound bank, each through CommonDialog1 and each reporting its own failure.
#include "ui/Form1.h"

#include "files/SafeFile.h"
#include "ui/ErrorReport.h"
#include "sound/SoundImport.h"
#include "problem/Problem.h"

#include <exception>

namespace {

const char *const ErrorTitle = "Error occured";
const char *const FileDialogTitle = "Specify target file";
const char *const ImageFilter = "Binary (*.bin)|*.bin";
const char *const WaveDialogTitle = "Select wave file";
const char *const WaveFilter = "Wave (*.wav)|*.wav";

} // namespace

void Form1::chooseFile(Platform::FileDialogKind kind, const char *title, const char *filter)
{
    // Set afresh every time: no name is preselected and nothing is remembered.
    m_commonDialog1.setFileName(QString());
    m_commonDialog1.setDialogTitle(QLatin1String(title));
    m_commonDialog1.setFilter(QLatin1String(filter));
    if (kind == Platform::FileDialogKind::Save)
        m_commonDialog1.showSave();
    else
        m_commonDialog1.showOpen();
}

void Form1::openImage()
{
    try {
        chooseFile(Platform::FileDialogKind::Open, FileDialogTitle, ImageFilter);

        // A FIFO or a device is refused, never waited on; of a longer file
        // only what the buffer holds is read.
        const QByteArray bytes = safefile::readRegular(m_commonDialog1.fileName(), FlashImage::Size);

        // Decoded from a copy, so that a refused image leaves FB as it was.
        FlashImage image;
        image.load(bytes);
        SoundNames names;
        try {
            readFB(image, m_book, names);
        } catch (const VireError &refused) {
            if (refused.kind() != Problem::Kind::NotAnImage && refused.kind() != Problem::Kind::TooManyEntries)
                throw;
            m_platform.showError(this, QStringLiteral("Invalid file, operation aborted"), QStringLiteral("Aborted"));
            return;
        }
        m_fb = std::move(image);
        for (int k = 1; k <= layout::BankCount; ++k)
            setSoundName(k, names[size_t(k - 1)]);
    } catch (const VireError &error) {
        reportError(error);
    } catch (const std::exception &error) {
        reportError(VireError::from(error));
    }
}

void Form1::saveImage()
{
    try {
        chooseFile(Platform::FileDialogKind::Save, FileDialogTitle, ImageFilter);
        const QString path = m_commonDialog1.fileName();

        // A device or a FIFO is refused before anything is encoded.
        safefile::checkTarget(path);
        buildFB(FB(), m_book, soundNames());
        // Replaced whole where it can be, written in place where every hard
        // link must see the image or the folder takes no new file.
        safefile::writeWhole(path, FB().bytes());
    } catch (const VireError &error) {
        reportError(error);
    } catch (const std::exception &error) {
        reportError(VireError::from(error));
    }
}

void Form1::importSound(int k)
{
    try {
        chooseFile(Platform::FileDialogKind::Open, WaveDialogTitle, WaveFilter);

        // The samples go into FB at once; the name only at the next save,
        // from the box.
        const QString name = importWave(FB(), k, m_commonDialog1.fileName());
        setSoundName(k, name);
    } catch (const VireError &error) {
        reportError(error);
    } catch (const std::exception &error) {
        reportError(VireError::from(error));
    }
}

void Form1::reportError(const VireError &error)
{
    if (error.number() == VireError::Cancelled)
        return;
    m_platform.showError(this, errorReport(error.problem()), QLatin1String(ErrorTitle));
}
