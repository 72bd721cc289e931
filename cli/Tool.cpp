#include "cli/Tool.h"

#include "image/FixedText.h"
#include "image/Layout.h"
#include "files/SafeFile.h"
#include "problem/Problem.h"
#include "problem/SafeText.h"
#include "sound/wavmodule.h"

#include <QHash>
#include <QMap>

using namespace layout;

namespace tool {

namespace {

// A text as a message shows it: trailing spaces dropped, in quotes, control
// characters (NUL from zero bytes above all) as \xNN.
QString shown(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (QChar c : exchange::trimmedRight(text)) {
        if (problem::isControl(c.unicode()))
            out += problem::escaped(c.unicode());
        else if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString hexFlags(quint8 flags)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(int(flags), 2, 16, QLatin1Char('0')).toUpper();
}

QString flagsText(quint8 flags)
{
    return QStringLiteral("flags %1 (sound %2, sbit1 %3, sbit2 %4, sbit3 %5, sbit4 %6)")
        .arg(hexFlags(flags))
        .arg(BookEntry::soundOf(flags))
        .arg(int(BookEntry::switchBitOf(flags, 0)))
        .arg(int(BookEntry::switchBitOf(flags, 1)))
        .arg(int(BookEntry::switchBitOf(flags, 2)))
        .arg(int(BookEntry::switchBitOf(flags, 3)));
}

// A slot that was never written holds zeros (a file) or 0xFF (erased flash).
bool blankRecord(const QByteArray &bytes, int offset)
{
    const char first = bytes.at(offset);
    if (first != '\0' && first != '\xFF')
        return false;
    for (int i = 1; i < RecordSize; ++i) {
        if (bytes.at(offset + i) != first)
            return false;
    }
    return true;
}

QString entryChange(const BookEntry &a, const BookEntry &b)
{
    QStringList parts;
    // A name read from an image is padded; one about to be written is not yet.
    if (pairing::stored(a.name) != pairing::stored(b.name))
        parts << QStringLiteral("name %1 -> %2").arg(shown(a.name), shown(b.name));
    if (a.flags != b.flags)
        parts << QStringLiteral("flags %1 -> %2").arg(hexFlags(a.flags), hexFlags(b.flags));
    return parts.join(QStringLiteral(", "));
}

} // namespace

Image newImage()
{
    Image image;
    image.names.fill(QStringLiteral("(empty)"));
    buildFB(image.fb, *image.book, image.names);
    return image;
}

Image decodeImage(QByteArray bytes)
{
    Image image(FlashImage(std::move(bytes)));
    readFB(image.fb, *image.book, image.names);
    return image;
}

QVector<BookEntry> userEntries(const PhoneBook &book)
{
    QVector<BookEntry> users;
    users.reserve(book.userCount());
    for (int row = PhoneBook::SpecialRows; row < book.listCount(); ++row)
        users.append(book.entry(book.itemData(row)));
    return users;
}

ImportOutcome importContacts(Image &image, const QVector<exchange::Contact> &contacts, ImportMode mode, qsizetype fileUsers)
{
    PhoneBook &book = *image.book;
    ImportOutcome outcome;
    outcome.before = book.userCount();
    const QByteArray old = image.fb.bytes();
    const bool replace = mode == ImportMode::Replace;

    QVector<pairing::Incoming> source;
    source.reserve(contacts.size());
    qsizetype users = 0;
    for (const exchange::Contact &c : contacts) {
        source.append({{c.number, c.name, c.flags}, replace ? quint8(0xFF) : c.given, c.line});
        users += c.number != BookEntry::hiddenLabel() && c.number != BookEntry::unknownLabel();
    }
    fileUsers = qMax(fileUsers, users);
    // Nothing to follow is more likely a wrong file or a book that failed to
    // answer than a wish to empty the phone book.
    if (mode == ImportMode::Sync && fileUsers == 0)
        throw VireError(VireError::BookTooLarge,
                        QStringLiteral("holds no user entries; following it would empty the phone book; nothing written"));

    pairing::Plan plan;
    qint64 total = fileUsers;
    if (!replace) {
        plan = pairing::planMerge(book, source, mode == ImportMode::Sync ? pairing::Merge::Sync : pairing::Merge::Add);
        // Entries the reader only counted would all be added.
        total = plan.usersAfter + (fileUsers - users);
    }
    if (total > MaxUserRecords) {
        // Adding keeps what the phone book holds; following, the source is the phone book.
        const qint64 kept = mode == ImportMode::Add ? outcome.before : 0;
        throw VireError(VireError::BookTooLarge,
                        QStringLiteral("the phone book would hold %1 entries; the image has room for %2 (%3 of the "
                                       "file's %4 entries fit); nothing written")
                            .arg(thousands(total), thousands(MaxUserRecords),
                                 thousands(qMax<qint64>(0, MaxUserRecords - kept)), thousands(fileUsers)));
    }

    if (replace) {
        BookEntry hidden = book.entry(PhoneBook::HiddenIndex), unknown = book.entry(PhoneBook::UnknownIndex);
        QVector<BookEntry> entries;
        QVector<int> lines;
        entries.reserve(users);
        lines.reserve(users);
        QHash<QString, int> times;
        bool repeated = false;
        for (const pairing::Incoming &in : source) {
            if (in.entry.number == BookEntry::hiddenLabel()) {
                hidden = in.entry;
            } else if (in.entry.number == BookEntry::unknownLabel()) {
                unknown = in.entry;
            } else {
                entries.append(in.entry);
                lines.append(in.line);
                repeated = ++times[in.entry.number] > 1 || repeated;
            }
        }
        const auto differs = [](const BookEntry &a, const BookEntry &b) {
            return pairing::stored(a.name) != pairing::stored(b.name) || a.flags != b.flags;
        };
        outcome.hiddenSet = differs(hidden, book.entry(PhoneBook::HiddenIndex));
        outcome.unknownSet = differs(unknown, book.entry(PhoneBook::UnknownIndex));
        book.replaceEntries(hidden, unknown, entries);
        outcome.added = int(entries.size());
        // The numbers the file holds more than once, in the order they first occur.
        QHash<QString, qsizetype> index;
        for (qsizetype i = 0; repeated && i < entries.size(); ++i) {
            const QString &number = entries.at(i).number;
            if (times.value(number) < 2)
                continue;
            auto it = index.find(number);
            if (it == index.end()) {
                it = index.insert(number, outcome.repeats.size());
                outcome.repeats.append({number, {}});
            }
            outcome.repeats[*it].lines.append(lines.at(i));
        }
    } else {
        if (!pairing::applyMerge(book, plan))
            throw VireError(VireError::BookTooLarge, QStringLiteral("the phone book refused the entries"));
        outcome.added = int(plan.additions.size());
        outcome.changed = plan.changed();
        outcome.removed = int(plan.removed.size());
        outcome.alreadyThere = plan.alreadyThere;
        outcome.hiddenSet = plan.hiddenSet;
        outcome.unknownSet = plan.unknownSet;
        outcome.clashes = plan.clashes;
    }
    buildFB(image.fb, book, image.names);
    outcome.after = book.userCount();
    outcome.imageChanged = image.fb.bytes() != old;
    return outcome;
}

QString importSummary(const ImportOutcome &outcome, const exchange::ReadResult &read, ImportMode mode)
{
    const auto entries = [](qint64 n) { return thousands(n) + (n == 1 ? QStringLiteral(" entry") : QStringLiteral(" entries")); };
    QStringList parts;
    if (mode == ImportMode::Replace) {
        parts << QStringLiteral("replaced %1 with %2").arg(entries(outcome.before), thousands(outcome.added));
    } else {
        parts << QStringLiteral("added %1").arg(entries(outcome.added));
        if (outcome.changed > 0)
            parts << QStringLiteral("changed %1").arg(thousands(outcome.changed));
        if (outcome.removed > 0)
            parts << QStringLiteral("removed %1").arg(thousands(outcome.removed));
        if (outcome.alreadyThere > 0)
            parts << QStringLiteral("%1 already there").arg(thousands(outcome.alreadyThere));
    }
    parts << QStringLiteral("skipped %1").arg(thousands(read.skipped));
    if (outcome.hiddenSet)
        parts << QStringLiteral("set the hidden-number entry");
    if (outcome.unknownSet)
        parts << QStringLiteral("set the unknown-number entry");
    const int faxes = read.leftOut - read.pagers;
    QStringList left;
    if (faxes > 0)
        left << QStringLiteral("%1 fax %2").arg(thousands(faxes), faxes == 1 ? QStringLiteral("number") : QStringLiteral("numbers"));
    if (read.pagers > 0)
        left << QStringLiteral("%1 %2").arg(thousands(read.pagers), read.pagers == 1 ? QStringLiteral("pager") : QStringLiteral("pagers"));
    if (!left.isEmpty())
        parts << QStringLiteral("left out ") + left.join(QStringLiteral(" and "));
    QString text = parts.join(QStringLiteral(", "));
    text += QStringLiteral("; the phone book holds %1 of %2 entries").arg(thousands(outcome.after), thousands(MaxUserRecords));
    if (!outcome.imageChanged)
        text += QStringLiteral("; the image is unchanged");
    return text;
}

QByteArray exportContacts(const Image &image, exchange::Format format)
{
    const PhoneBook &book = *image.book;
    if (format == exchange::Format::VCard)
        return exchange::writeVCard(userEntries(book));
    return exchange::writeCsv(book.entry(PhoneBook::HiddenIndex), book.entry(PhoneBook::UnknownIndex),
                              userEntries(book));
}

QStringList describe(const Image &image)
{
    const PhoneBook &book = *image.book;
    const int count = book.userCount();
    QStringList lines;
    lines << QStringLiteral("User entries:    %1 of %2").arg(thousands(count), thousands(MaxUserRecords));
    lines << QStringLiteral("_HiddenNumber:   %1, %2")
                 .arg(shown(book.entry(PhoneBook::HiddenIndex).name), flagsText(book.entry(PhoneBook::HiddenIndex).flags));
    lines << QStringLiteral("_UnknownNumber:  %1, %2")
                 .arg(shown(book.entry(PhoneBook::UnknownIndex).name), flagsText(book.entry(PhoneBook::UnknownIndex).flags));
    for (int k = 1; k <= BankCount; ++k)
        lines << QStringLiteral("Sound %1:         %2").arg(k).arg(shown(image.names[size_t(k - 1)]));

    int left = 0, last = 0;
    const QByteArray &bytes = image.fb.bytes();
    for (int j = count + 1; j <= MaxUserRecords; ++j) {
        if (!blankRecord(bytes, userRecordOffset(j))) {
            ++left;
            last = j;
        }
    }
    if (left == 0)
        lines << QStringLiteral("Beyond the count: no records");
    else
        lines << QStringLiteral("Beyond the count: %1 record(s) left by an earlier, longer book (records %2 to %3)")
                     .arg(thousands(left))
                     .arg(count + 1)
                     .arg(last);
    return lines;
}

QStringList differences(const Image &a, const Image &b)
{
    QStringList lines;
    // Entries pair as an import pairs them: by number, the same name first.
    const QVector<BookEntry> inA = userEntries(*a.book), inB = userEntries(*b.book);
    for (const pairing::Pair &p : pairing::pairEntries(inA, inB)) {
        if (p.b < 0) {
            const BookEntry &e = inA.at(p.a);
            lines << QStringLiteral("removed %1 %2 flags %3").arg(shown(e.number), shown(e.name), hexFlags(e.flags));
        } else if (p.a < 0) {
            const BookEntry &e = inB.at(p.b);
            lines << QStringLiteral("added %1 %2 flags %3").arg(shown(e.number), shown(e.name), hexFlags(e.flags));
        } else if (const QString change = entryChange(inA.at(p.a), inB.at(p.b)); !change.isEmpty()) {
            lines << QStringLiteral("changed %1: %2").arg(shown(inA.at(p.a).number), change);
        }
    }

    for (qint32 s : {PhoneBook::HiddenIndex, PhoneBook::UnknownIndex}) {
        const QString change = entryChange(a.book->entry(s), b.book->entry(s));
        if (!change.isEmpty())
            lines << QStringLiteral("changed %1: %2").arg(a.book->entry(s).number, change);
    }

    for (int k = 1; k <= BankCount; ++k) {
        const QString &na = a.names[size_t(k - 1)], &nb = b.names[size_t(k - 1)];
        if (na != nb)
            lines << QStringLiteral("changed sound %1 name: %2 -> %3").arg(k).arg(shown(na), shown(nb));
        const int start = bankOffset(k) + SampleAreaOffset;
        const char *pa = a.fb.bytes().constData() + start, *pb = b.fb.bytes().constData() + start;
        int differing = 0;
        for (int i = 0; i < SampleAreaSize; ++i)
            differing += pa[i] != pb[i];
        if (differing > 0)
            lines << QStringLiteral("changed sound %1 samples: %2 of %3 bytes differ")
                         .arg(k)
                         .arg(thousands(differing), thousands(SampleAreaSize));
    }
    return lines;
}

QByteArray bankWave(const Image &image, int bank, quint32 rate)
{
    return wavmodule::makeWave(image.fb.bytes().mid(bankOffset(bank) + SampleAreaOffset, SampleAreaSize), rate);
}

void checkPaths(const QString &command, const QStringList &args, const QString &output)
{
    QStringList inputs = args;
    QString out = output;
    if (command == QLatin1String("sound-export"))
        out = inputs.takeLast();
    if (command.startsWith(QLatin1String("sound-")) && inputs.size() > 1)
        inputs.removeAt(1);   // the bank number
    for (const QString &path : inputs + QStringList{out}) {
        if (!path.isEmpty())
            safefile::checkName(path);
    }
    // An image written over the image it was read from is an edit, and the
    // save replaces it whole; anything else would destroy an input.
    const bool editsImage = command == QLatin1String("import") || command == QLatin1String("sound-import");
    for (qsizetype i = editsImage ? 1 : 0; !out.isEmpty() && i < inputs.size(); ++i) {
        if (safefile::sameFile(inputs.at(i), out))
            throw VireError(Problem::inFile(Problem::Kind::Plain, out,
                                            QStringLiteral("is the same file as the input %1; nothing was written")
                                                .arg(inputs.at(i))));
    }
}

} // namespace tool
