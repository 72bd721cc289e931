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
    if (a.name != b.name)
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

ImportOutcome importContacts(Image &image, const QVector<exchange::Contact> &contacts, bool replace, qsizetype fileUsers)
{
    PhoneBook &book = *image.book;
    ImportOutcome outcome;
    outcome.before = book.userCount();
    const QByteArray old = image.fb.bytes();
    BookEntry hidden = book.entry(PhoneBook::HiddenIndex), unknown = book.entry(PhoneBook::UnknownIndex);

    // How often each number occurs, to name the repeats afterwards.
    QHash<QString, int> times;
    times.reserve(contacts.size() + (replace ? 0 : book.userCount()));
    bool repeated = false;
    QVector<BookEntry> existing;
    if (!replace) {
        existing = userEntries(book);
        for (const BookEntry &e : existing)
            repeated = ++times[exchange::trimmedRight(e.number)] > 1 || repeated;
    }
    QVector<BookEntry> users;
    QVector<int> lines;
    users.reserve(contacts.size());
    lines.reserve(contacts.size());
    for (const exchange::Contact &c : contacts) {
        if (c.number == BookEntry::hiddenLabel()) {
            hidden = {c.number, c.name, c.flags};
        } else if (c.number == BookEntry::unknownLabel()) {
            unknown = {c.number, c.name, c.flags};
        } else {
            users.append({c.number, c.name, c.flags});
            lines.append(c.line);
            repeated = ++times[c.number] > 1 || repeated;
        }
    }

    fileUsers = qMax(fileUsers, users.size());
    const qint64 total = fileUsers + (replace ? 0 : book.userCount());
    if (total > MaxUserRecords)
        throw VireError(VireError::BookTooLarge,
                        QStringLiteral("the phone book would hold %1 entries; the image has room for %2 (%3 of the "
                                       "file's %4 entries fit); nothing written")
                            .arg(thousands(total), thousands(MaxUserRecords),
                                 thousands(MaxUserRecords - (replace ? 0 : book.userCount())), thousands(fileUsers)));

    if (replace) {
        book.replaceEntries(hidden, unknown, users);
    } else {
        book.updateEntry(0, BookEntry::hiddenLabel(), hidden.name, hidden.flags);
        book.updateEntry(1, BookEntry::unknownLabel(), unknown.name, unknown.flags);
        if (!book.addEntries(users))
            throw VireError(VireError::BookTooLarge, QStringLiteral("the phone book refused the entries"));
    }
    buildFB(image.fb, book, image.names);
    outcome.after = book.userCount();
    outcome.added = int(users.size());
    outcome.changed = image.fb.bytes() != old;

    // Listed in the order they first occur: the image's, then the file's.
    if (!repeated)
        return outcome;
    QHash<QString, qsizetype> index;
    // line 0: in the image.
    auto note = [&](const QString &number, int line) {
        if (times.value(number) < 2)
            return;
        auto it = index.find(number);
        if (it == index.end()) {
            it = index.insert(number, outcome.repeats.size());
            outcome.repeats.append({number, {}});
        }
        outcome.repeats[*it].lines.append(line);
    };
    for (const BookEntry &e : existing)
        note(exchange::trimmedRight(e.number), 0);
    for (qsizetype i = 0; i < users.size(); ++i)
        note(users[i].number, lines[i]);
    return outcome;
}

QString importSummary(const ImportOutcome &outcome, int skipped, bool replace, int leftOut)
{
    const auto entries = [](qint64 n) { return thousands(n) + (n == 1 ? QStringLiteral(" entry") : QStringLiteral(" entries")); };
    const QString done = replace ? QStringLiteral("replaced %1 with %2").arg(entries(outcome.before), thousands(outcome.added))
                                 : QStringLiteral("added %1").arg(entries(outcome.added));
    QString text = QStringLiteral("%1, skipped %2").arg(done, thousands(skipped));
    if (leftOut > 0)
        text += QStringLiteral(", left out %1 fax %2").arg(thousands(leftOut), leftOut == 1 ? QStringLiteral("number")
                                                                                              : QStringLiteral("numbers"));
    text += QStringLiteral("; the phone book holds %1 of %2 entries").arg(thousands(outcome.after), thousands(MaxUserRecords));
    if (!outcome.changed)
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
    // Entries are matched by number; a number held several times pairs its
    // occurrences in list order.
    QMap<QString, std::pair<QVector<BookEntry>, QVector<BookEntry>>> byNumber;
    for (const BookEntry &e : userEntries(*a.book))
        byNumber[exchange::trimmedRight(e.number)].first.append(e);
    for (const BookEntry &e : userEntries(*b.book))
        byNumber[exchange::trimmedRight(e.number)].second.append(e);
    for (auto it = byNumber.cbegin(); it != byNumber.cend(); ++it) {
        const auto &[inA, inB] = it.value();
        const QString number = shown(it.key());
        for (qsizetype i = 0; i < qMax(inA.size(), inB.size()); ++i) {
            if (i >= inB.size())
                lines << QStringLiteral("removed %1 %2 flags %3").arg(number, shown(inA[i].name), hexFlags(inA[i].flags));
            else if (i >= inA.size())
                lines << QStringLiteral("added %1 %2 flags %3").arg(number, shown(inB[i].name), hexFlags(inB[i].flags));
            else if (const QString change = entryChange(inA[i], inB[i]); !change.isEmpty())
                lines << QStringLiteral("changed %1: %2").arg(number, change);
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
