#pragma once

#include "image/Codec.h"
#include "exchange/Contacts.h"
#include "image/FlashImage.h"
#include "image/Pairing.h"
#include "image/PhoneBook.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

// The work of vire-image's commands on images and contacts in memory; the
// commands add files, arguments and messages around it.
namespace tool {

struct Image
{
    Image() = default;
    explicit Image(FlashImage image) : fb(std::move(image)) {}

    FlashImage fb;
    std::unique_ptr<PhoneBook> book = std::make_unique<PhoneBook>();
    SoundNames names;
};

// The image a freshly started editor saves.
Image newImage();

// Decodes bytes as the editor's open does. Throws VireError with the reason
// when the decoder refuses them.
Image decodeImage(QByteArray bytes);

// User entries in list order.
QVector<BookEntry> userEntries(const PhoneBook &book);

// A number a replacing source holds more than once, and the line of each.
struct Repeat
{
    QString number;
    QVector<int> lines;
};

enum class ImportMode {
    Add,       // what is already there is not added again
    Sync,      // the phone book follows the source (see pairing::Merge::Sync)
    Replace,   // the source becomes the whole phone book
};

struct ImportOutcome
{
    QVector<Repeat> repeats;   // replacing: in the order they first occur
    QVector<pairing::Clash> clashes;   // adding: numbers added beside another name
    int before = 0;        // user entries before and after
    int after = 0;
    int added = 0;
    int changed = 0;       // renamed, or given the source's sound or switch bits
    int removed = 0;
    int alreadyThere = 0;
    bool hiddenSet = false, unknownSet = false;
    bool imageChanged = false;  // the image's bytes
};

// Puts the contacts into the image's phone book (see ImportMode); rows
// labelled as special entries set those. Then encodes. Throws VireError when
// the result would not fit in the image, saying how many fit, or when a
// source of nothing would empty the phone book; nothing has changed then.
// fileUsers: the user entries the file held, more than contacts when the
// reader stopped keeping them.
ImportOutcome importContacts(Image &image, const QVector<exchange::Contact> &contacts, ImportMode mode,
                             qsizetype fileUsers = 0);

// The one line every import ends with: what was added, changed, removed,
// already there, replaced, skipped and left out, the count after.
QString importSummary(const ImportOutcome &outcome, const exchange::ReadResult &read, ImportMode mode);

// The image's phone book as CSV or vCard.
QByteArray exportContacts(const Image &image, exchange::Format format);

// "info" and "diff" as lines of text.
QStringList describe(const Image &image);
QStringList differences(const Image &a, const Image &b);

// The bank's sample area as an 8-bit unsigned mono PCM WAV file.
QByteArray bankWave(const Image &image, int bank, quint32 rate);

// Refuses, before anything is opened, a path whose name did not survive
// decoding and an output that is one of the command's inputs, an image
// written over the image it edits excepted (VireError). args are the
// command's arguments without options; output is -o's value, if any.
void checkPaths(const QString &command, const QStringList &args, const QString &output);

} // namespace tool
