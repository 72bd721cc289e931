#include "image/Codec.h"

#include "image/FixedText.h"
#include "image/FlashImage.h"
#include "image/PhoneBook.h"
#include "problem/Problem.h"

using namespace layout;

namespace {

BookEntry readRecord(const FlashImage &fb, int offset)
{
    return {fb.getText(offset + NumberOffset, NumberLength),
            fb.getText(offset + NameOffset, NameLength), fb.at(offset + FlagsOffset)};
}

void writeRecord(FlashImage &fb, int offset, const QString &number, const BookEntry &e)
{
    fb.putText(offset + NumberOffset, fixLen(number, NumberLength));
    fb.putText(offset + NameOffset, fixLen(e.name, NameLength));
    fb.set(offset + FlagsOffset, e.flags);
    fb.set(offset + FlagsOffset + 1, 0);
}

int hexByte(const QString &twoDigits)
{
    bool ok = false;
    const int v = twoDigits.toInt(&ok, 16);
    return ok ? (v & 0xFF) : 0;
}

// Records beyond the phone-book area would overwrite sound bank 1.
void checkRoom(const PhoneBook &book)
{
    if (book.userCount() > MaxUserRecords)
        throw VireError(VireError::BookTooLarge,
                        QStringLiteral("The phone book holds at most %1 entries; this one has %2.")
                            .arg(MaxUserRecords)
                            .arg(book.userCount()));
}

} // namespace

void readFB(const FlashImage &fb, PhoneBook &book, SoundNames &names)
{
    const int count = fb.at(CountOffset) * 256 + fb.at(CountOffset + 1);
    if (fb.getText(MagicOffset, MagicCheckLength) != QLatin1String("VIRE")) {
        Problem p;
        p.kind = Problem::Kind::NotAnImage;
        p.detail = QStringLiteral("not an image of the VIRE family (no \"VIRE\" at offset 2)");
        throw VireError(std::move(p));
    }
    // A larger count would read sound banks as records.
    if (count > MaxUserRecords) {
        Problem p;
        p.kind = Problem::Kind::TooManyEntries;
        p.detail = QStringLiteral("the image claims %1 entries; its phone book holds at most %2")
                       .arg(thousands(count), thousands(MaxUserRecords));
        throw VireError(std::move(p));
    }

    QVector<BookEntry> table(count + 16);
    QVector<BookRow> rows;
    rows.reserve(count + PhoneBook::SpecialRows);
    // The special rows first: an image the encoder wrote then comes in list order.
    for (int s : {PhoneBook::HiddenIndex, PhoneBook::UnknownIndex}) {
        BookEntry e = readRecord(fb, fixedSlotOffset(s));
        e.number = s == PhoneBook::HiddenIndex ? PhoneBook::hiddenLabel() : PhoneBook::unknownLabel();
        table[s] = e;
        rows.append({e.number, s});
    }
    for (int j = 1; j <= count; ++j) {
        table[j + 15] = readRecord(fb, userRecordOffset(j));
        rows.append({table[j + 15].number, j + 15});
    }
    SoundNames decodedNames = readSoundNames(fb);

    book.replaceAll(std::move(table), qint16(count + 15), std::move(rows));
    names = std::move(decodedNames);
}

SoundNames readSoundNames(const FlashImage &fb)
{
    SoundNames names;
    for (int k = 1; k <= BankCount; ++k)
        names[k - 1] = fb.getText(bankOffset(k), SoundNameLength);
    return names;
}

void buildFB(FlashImage &fb, const PhoneBook &book, const SoundNames &names)
{
    checkRoom(book);
    writeSoundNames(fb, names);
    writeFB(fb, book);
}

void writeSoundNames(FlashImage &fb, const SoundNames &names)
{
    for (int k = 1; k <= BankCount; ++k)
        fb.putText(bankOffset(k), fixLen(names[k - 1], SoundNameLength));
}

void writeFB(FlashImage &fb, const PhoneBook &book)
{
    checkRoom(book);
    // The header is the count the user sees.
    const QString count = book.countText();
    fb.set(CountOffset, quint8(hexByte(count.mid(2, 2))));
    fb.set(CountOffset + 1, quint8(hexByte(count.right(2))));
    fb.putText(MagicOffset, QString::fromLatin1(MagicText));

    for (int s = 0; s < FixedSlotCount; ++s) {
        const QString slot = QString::number(s, 16).toUpper();
        writeRecord(fb, fixedSlotOffset(s), slot, book.entry(s));
    }

    int offset = FirstUserRecord;
    const int rows = book.listCount();
    for (int row = PhoneBook::SpecialRows; row < rows; ++row) {
        const BookEntry &e = book.entry(book.itemData(row));
        writeRecord(fb, offset, e.number, e);
        offset += RecordSize;
    }
}
