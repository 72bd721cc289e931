#include "image/Codec.h"
#include "image/FixedText.h"
#include "image/FlashImage.h"
#include "image/Layout.h"
#include "image/PhoneBook.h"
#include "tests/common/Books.h"
#include "tests/common/Images.h"
#include "tests/common/Thrown.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace images;
using namespace layout;

namespace {

SoundNames emptyNames()
{
    SoundNames n;
    n.fill(QStringLiteral("(empty)"));
    return n;
}

// The rows as the list shows them, the count, the last index, the table's size and the marker,
// to compare in one.
QString state(const PhoneBook &b)
{
    const QString marked = b.isMarked() ? QStringLiteral(", marked") : QString();
    return rowTexts(b).join(", ")
        + QString(" | %1, last %2, table %3").arg(b.countText()).arg(b.lastIndex()).arg(b.table().size()) + marked;
}

} // namespace

class TestImage : public QObject
{
    Q_OBJECT

private slots:
    // The flags byte: switch bits 7 to 4 ("Sbit 1" first), sound in bits 2 to 0;
    // bit 3 is read but never composed.
    void flagBits_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("sound");
        QTest::addColumn<QString>("bits");      // "Sbit 1" first
        QTest::addColumn<int>("composed");
        for (int k = 0; k <= 7; ++k)
            QTest::addRow("sound %d", k) << k << k << QStringLiteral("0000") << k;
        for (int i = 0; i < 4; ++i)
            QTest::addRow("Sbit %d", i + 1) << (0x80 >> i) << 0 << QStringLiteral("0000").replace(i, 1, u'1')
                                            << (0x80 >> i);
        QTest::newRow("bit 3 alone") << 0x08 << 0 << QStringLiteral("0000") << 0x00;
        QTest::newRow("every bit") << 0xFF << 7 << QStringLiteral("1111") << 0xF7;
        QTest::newRow("mixed") << 0x9B << 3 << QStringLiteral("1001") << 0x93;
    }

    void flagBits()
    {
        QFETCH(int, flags);
        QFETCH(int, sound);
        QFETCH(QString, bits);
        QFETCH(int, composed);
        const BookEntry e{QString(), QString(), quint8(flags)};
        QCOMPARE(e.sound(), sound);
        BookEntry::SwitchBits switches{};
        for (int i = 0; i < BookEntry::SwitchCount; ++i) {
            QCOMPARE(e.switchBit(i), bits.at(i) == u'1');
            switches[size_t(i)] = e.switchBit(i);
        }
        QCOMPARE(int(BookEntry::composeFlags(sound, switches)), composed);
        QCOMPARE(int(BookEntry::withoutBit3(quint8(flags))), composed);
    }

    void fixedWidthText()
    {
        QCOMPARE(fixLen("12345", 16), QString("12345") + QString(11, ' '));
        QCOMPARE(fixLen("ABCDEFGHIJKLMNOPQRST", 16), QString("ABCDEFGHIJKLMNOP"));
        QCOMPARE(fixLen("", 14), QString(14, ' '));
        // Padding is at most 32 spaces, as in the device tools.
        QCOMPARE(fixLen("", 40).size(), 32);

        FlashImage fb;
        QCOMPARE(fb.getText(100, 16), QString(16, QChar(0)));
        QCOMPARE(fb.getText(100, 0), QString());
        QCOMPARE(fb.getText(100, -3), QString());

        // "ä" is 0xE4; exactly the text's bytes are written.
        fb.putText(1000, QStringLiteral("Ok\u00e4nt nummer"));
        QCOMPARE(fb.bytes().mid(999, 14), QByteArray("\0Ok\xe4nt nummer\0", 14));

        // Every byte value reads as one character and writes back as the same byte.
        QByteArray all(256, 0);
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        fb.writeBytes(2000, all);
        const QString text = fb.getText(2000, 256);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.mid(0x80, 2) + text.at(0x9D), QStringLiteral("\u20ac\u0081\u009d"));
        fb.putText(3000, text);
        QCOMPARE(fb.bytes().mid(3000, 256), all);

        // A character the code page lacks is the overflow error; earlier bytes stay.
        QCOMPARE(thrown([&] { fb.putText(4000, QStringLiteral("ab\u03A9cd")); }).number, 6);
        QCOMPARE(fb.bytes().mid(4000, 4), QByteArray("ab\0\0", 4));
        QCOMPARE(thrown([&] { fb.putText(4100, QString(QChar(0x0080))); }).number, 6);

        // Over 32,767 characters: overflow before anything is written.
        QCOMPARE(thrown([&] { fb.putText(5000, QString(32768, 'x')); }).number, 6);
        QCOMPARE(fb.at(5000), 0);
        QCOMPARE(thrown([&] { fb.putText(5000, QString(32767, 'x')); }).number, 0);
    }

    void bufferBounds()
    {
        FlashImage fb;
        QCOMPARE(fb.bytes().size(), 524288);

        fb.putText(524280, QStringLiteral("ZZZZZZ"));
        QCOMPARE(thrown([&] { fb.putText(524286, QStringLiteral("abcd")); }).number, 9);
        QCOMPARE(fb.bytes().mid(524285), QByteArray("Zab"));

        QCOMPARE(fb.getText(524280, 8), QStringLiteral("ZZZZZZab"));
        const std::function<void()> outside[] = {[&] { fb.getText(524281, 8); }, [&] { fb.getText(-1, 2); },
                                                 [&] { fb.getText(0x7FFFFFFF, 2); }, [&] { fb.at(524288); },
                                                 [&] { fb.at(-1); }, [&] { fb.set(524288, 1); },
                                                 [&] { fb.putText(-1, QStringLiteral("a")); }};
        for (const auto &f : outside)
            QCOMPARE(thrown(f).number, 9);

        // A block that does not fit is refused whole.
        QCOMPARE(thrown([&] { fb.writeBytes(524287, QByteArray(2, 'q')); }).number, 9);
        QCOMPARE(fb.at(524287), 'b');

        // Loading: a longer input is cut, a shorter one leaves zeros after it.
        fb.load(QByteArray(600000, '\x55'));
        QCOMPARE(fb.bytes(), QByteArray(524288, '\x55'));
        fb.load(QByteArray(10, '\x11'));
        QCOMPARE(fb.bytes(), QByteArray(10, '\x11') + QByteArray(524278, '\0'));
    }

    void defaultImageByteForByte()
    {
        FlashImage fb;
        PhoneBook book;
        book.resetBook();
        buildFB(fb, book, emptyNames());

        QCOMPARE(fb.bytes(), images::defaultImage());
        QCOMPARE(fb.getText(fixedSlotOffset(10), 16), QString("A") + QString(15, ' '));

        buildFB(fb, book, emptyNames());   // encoding again writes the same bytes
        QCOMPARE(fb.bytes(), images::defaultImage());
    }

    void roundTrip()
    {
        PhoneBook book;
        QVERIFY(book.addEntries({{"0701234567", "Anna \u00c5kesson", 0x93}, {"555", "Office", 0x21},
                                 {"1234567890123456", "Fourteen chars", 0xF7}, {"0", "", 0x08}}));
        QVERIFY(book.updateEntry(1, BookEntry::unknownLabel(), "Okand", 0x40));
        SoundNames names = emptyNames();
        names[0] = "ring";
        names[6] = "sixteen chars!!!";

        FlashImage fb;
        fb.writeBytes(bankOffset(3) + 16, QByteArray(1000, '\x7F'));   // samples must survive
        buildFB(fb, book, names);
        const QByteArray first = fb.bytes();

        PhoneBook decoded;
        SoundNames decodedNames;
        readFB(fb, decoded, decodedNames);
        QCOMPARE(decoded.userCount(), book.userCount());
        QCOMPARE(decoded.countText(), QStringLiteral("0x0005"));
        QVERIFY(!decoded.isMarked());
        for (int k = 0; k < BankCount; ++k)
            QCOMPARE(decodedNames[k], fixLen(names[k], 16));   // "ring", "(empty)" ... padded

        // Same entries, padded, in the same row order.
        for (int row = 0; row < book.listCount(); ++row) {
            const BookEntry &a = book.entry(book.itemData(row));
            const BookEntry padded{row >= 2 ? fixLen(a.number, 16) : a.number, fixLen(a.name, 14), a.flags};
            QCOMPARE(entryText(decoded.entry(decoded.itemData(row))), entryText(padded));
        }
        QCOMPARE(decoded.entry(1).flags, quint8(0x40));

        FlashImage again(first);
        buildFB(again, decoded, decodedNames);
        QCOMPARE(again.bytes(), first);
        QCOMPARE(again.bytes().mid(bankOffset(3) + 16, 1000), QByteArray(1000, '\x7F'));
    }

    // Refusals change nothing: wrong case, zeros, counts beyond the area.
    void decodingRefuses_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("zeros") << QByteArray(32, '\0');
        QTest::newRow("wrong case") << header(1, "vire-PADDING: 0123456789ABCDEF");
        for (int count : {2033, 16369, 65535})
            QTest::newRow(qPrintable(QString::number(count))) << header(count);
    }

    void decodingRefuses()
    {
        QFETCH(QByteArray, start);
        PhoneBook book;
        QVERIFY(book.addEntry("999", "Kept", 0));   // a changed book, marker set
        const QStringList before = snapshot(book);
        SoundNames names = emptyNames();
        names[2] = "untouched";
        FlashImage fb(start);
        try {
            readFB(fb, book, names);
            QFAIL("decoded");
        } catch (const VireError &e) {
            QVERIFY(e.kind() != Problem::Kind::Plain);   // a refusal of its own kind
        }
        QCOMPARE(snapshot(book), before);
        QCOMPARE(names[2], QStringLiteral("untouched"));
    }

    // Count 0 with only "VIRE" right: the specials alone.
    void decodingCountZero()
    {
        PhoneBook book;
        QVERIFY(book.addEntry("999", "Kept", 0));   // a changed book, marker set
        SoundNames names;
        FlashImage fb(header(0, "VIREjunk-and-more-junk-0000000"));
        fb.writeBytes(fixedSlotOffset(0) + 16, "Dolt nummer   \x9c");   // name and flags
        fb.writeBytes(bankOffset(5), "beep            ");
        QSignalSpy marker(&book, &PhoneBook::markerChanged);
        readFB(fb, book, names);
        QCOMPARE(state(book), "_HiddenNumber, _UnknownNumber | 0x0000, last 15, table 16");
        QCOMPARE(marker.count(), 1);
        QCOMPARE(entryText(book.entry(0)), QStringLiteral("_HiddenNumber|Dolt nummer   |0x9c"));
        QCOMPARE(names[4], QStringLiteral("beep            "));
        QCOMPARE(names[0], QString(16, QChar(0)));
    }

    // The largest count the area holds is accepted; the next entry added takes count + 16.
    void decodingTheLargestCount()
    {
        PhoneBook book;
        SoundNames names;
        FlashImage fb(header(2032));
        readFB(fb, book, names);
        QCOMPARE(book.userCount(), 2032);
        QCOMPARE(state(book).section(" | ", -1), "0x07F0, last 2047, table 2048");
        QVERIFY(!book.addEntry("1", "full", 0));   // no room left in the image
        QCOMPARE(book.lastIndex(), 2047);
    }

    void decodingOddRecords()
    {
        // Stored in descending order, with a blank and an all-NUL number and
        // numbers that would sort ahead of the special labels.
        FlashImage fb(image({record("300", "C", 1), record("", "blank", 2), QByteArray(16, '\0') + record("", "nul", 3).mid(16),
                             record("_0", "under", 4), record(" 1", "space", 5)}));
        fb.writeBytes(fixedSlotOffset(1), record("garbage number", "Ok\xe4nt", 7));

        PhoneBook book;
        SoundNames names;
        readFB(fb, book, names);
        // The special rows first, then NUL before space before "_" before digits.
        QCOMPARE(rowTexts(book), QStringList({"_HiddenNumber", "_UnknownNumber", QString(16, QChar(0)), QString(16, ' '),
                                              fixLen(" 1", 16), fixLen("_0", 16), fixLen("300", 16)}));
        QCOMPARE(rowIndices(book), QList<qint32>({0, 1, 18, 17, 20, 19, 16}));
        QCOMPARE(book.entry(16).flags, quint8(1));
        QCOMPARE(entryText(book.entry(1)), QStringLiteral("_UnknownNumber|Ok\u00e4nt         |0x07"));
        QCOMPARE(book.entry(15).number, QString());   // dead after a decode

        // Re-encoding writes them in row order.
        buildFB(fb, book, names);
        QCOMPARE(fb.bytes().mid(userRecordOffset(1), 16), QByteArray(16, '\0'));
        QCOMPARE(fb.bytes().mid(userRecordOffset(5), 32), record("300", "C", 1));
    }

    void compareRowTexts_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("_ before digits") << "_9" << "0" << -1;
        QTest::newRow("space before digits") << " " << "0" << -1;
        QTest::newRow("prefix first") << "12" << "123" << -1;
        QTest::newRow("longer after") << "123" << "12" << 1;
        QTest::newRow("case ignored") << "abc" << "ABC" << 0;
        QTest::newRow("digits before letters") << "0" << "a" << -1;
        QTest::newRow("text, not number") << "1000" << "20" << -1;
        QTest::newRow("~ before digits") << "~" << "0" << -1;
        QTest::newRow("z before e acute") << "z" << QStringLiteral("\u00e9") << -1;
        QTest::newRow("E acute before the euro") << QStringLiteral("\u00c9") << QStringLiteral("\u20ac") << -1;
        QTest::newRow("Kelvin sign folds to k") << QStringLiteral("\u212a") << "K" << 0;
    }

    void compareRowTexts()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        const int got = ::compareRowTexts(a, b);
        QCOMPARE((got > 0) - (got < 0), order);
    }

    void rowOrder()
    {
        // A decoded book comes out in the order that adding row by row gives.
        const QStringList texts{"b", "\u00e9", "_1", "10", "\u212a", "1", " ", "k", "B", "~", "\x01"};
        const QVector<BookEntry> table(16 + texts.size());
        QVector<BookRow> rows{{"_UnknownNumber", 1}, {"_HiddenNumber", 0}};
        PhoneBook added, decoded;
        added.replaceAll(table, 15, rows);
        for (int i = 0; i < texts.size(); ++i) {
            rows.append({texts.at(i), 16 + i});
            added.addRow(texts.at(i), 16 + i);
        }
        decoded.replaceAll(table, qint16(15 + texts.size()), rows);
        QCOMPARE(rowTexts(decoded), rowTexts(added));
        QCOMPARE(rowIndices(decoded), rowIndices(added));

        PhoneBook book;
        for (const char *number : {"300", "1000", "20"})
            QVERIFY(book.addEntry(number, "", 0));
        const QStringList sorted{"1000", "12345", "20", "300"};
        QCOMPARE(rowTexts(book), QStringList({"_HiddenNumber", "_UnknownNumber"}) + sorted);

        FlashImage fb;
        buildFB(fb, book, emptyNames());
        for (int j = 1; j <= sorted.size(); ++j)
            QCOMPARE(fb.getText(userRecordOffset(j), 16), fixLen(sorted.at(j - 1), 16));
        QCOMPARE(fb.at(1), 4);

        // Rows that would sort ahead of "_" still come after the special rows.
        for (const QString &odd : {QStringLiteral(" 1"), QStringLiteral("\x01"), QString(3, QChar(0))})
            QCOMPARE(book.addRow(odd, 16), 2);
        QCOMPARE(rowIndices(book).mid(0, 2), QList<qint32>({0, 1}));
        QCOMPARE(book.addRow("_0", 17), 5);   // before digits, after the rest
        QCOMPARE(rowIndices(book).mid(0, 2), QList<qint32>({0, 1}));

        // Equal texts (letter case aside) keep the order they came in.
        PhoneBook eq;
        QVERIFY(eq.addEntry("5", "first", 0));
        QVERIFY(eq.addEntry("5", "second", 0));
        QCOMPARE(rowIndices(eq).mid(3), QList<qint32>({16, 17}));
    }

    void phoneBookEditing()
    {
        PhoneBook book;
        QSignalSpy count(&book, &PhoneBook::countTextChanged);
        const QString fresh = "_HiddenNumber, _UnknownNumber, 12345 | 0x0001, last 15, table 17";
        QCOMPARE(state(book), fresh);
        QCOMPARE(rowIndices(book), QList<qint32>({0, 1, 15}));

        // Refusals change nothing.
        QVERIFY(!book.addEntry("", "x", 0));
        QVERIFY(!book.addEntry("_HiddenNumber", "x", 0));
        QVERIFY(!book.removeEntry(2, "12345"));   // the last user entry stays
        QCOMPARE(state(book), fresh);
        QCOMPARE(count.count(), 0);

        QVERIFY(book.addEntry("555", "Office", 0x21));
        QCOMPARE(state(book), "_HiddenNumber, _UnknownNumber, 12345, 555 | 0x0002, last 16, table 17, marked");
        QCOMPARE(entryText(book.entry(16)), QStringLiteral("555|Office|0x21"));
        QCOMPARE(book.entry(15).name, QStringLiteral("Test Testsson"));
        QCOMPARE(count.count(), 1);

        // Remove needs four rows, a user row and a number box not starting with "_".
        for (const auto &[row, number] : {std::pair(0, "12345"), {1, "12345"}, {2, "_HiddenNumber"}, {-1, "12345"}})
            QVERIFY(!book.removeEntry(row, number));
        QVERIFY(book.removeEntry(2, "12345"));
        // Remove leaves the marker, and the slot.
        QCOMPARE(state(book), "_HiddenNumber, _UnknownNumber, 555 | 0x0001, last 16, table 17, marked");
        QCOMPARE(book.entry(15).number, QStringLiteral("12345"));

        QVERIFY(book.addEntry("777", "", 0));
        QCOMPARE(book.lastIndex(), 17);                 // never a freed index
        QCOMPARE(book.itemData(3), 17);

        // Update changes the text in place, even out of order.
        book.markNumbers(false);
        QVERIFY(!book.updateEntry(-1, "1", "x", 0));
        QVERIFY(!book.isMarked());
        QVERIFY(book.updateEntry(2, "999", "Moved", 0x10));
        QCOMPARE(state(book), "_HiddenNumber, _UnknownNumber, 999, 777 | 0x0002, last 17, table 18, marked");
        QCOMPARE(book.entry(16).number, QStringLiteral("999"));
        // Add after an Update that left the rows out of order: each new row goes
        // where halving the rows as they stand leads, the others stay put. (A
        // library search over unordered rows is undefined; a checked build aborts.)
        QVERIFY(book.addEntry("800", "", 0) && book.addEntry("9999", "", 0) && book.addEntry("780", "", 0));
        QCOMPARE(rowTexts(book), QStringList({"_HiddenNumber", "_UnknownNumber", "780", "800", "999", "777", "9999"}));

        book.resetBook();
        QCOMPARE(state(book), fresh);
        QCOMPARE(book.entry(16).number, QString());
        QVERIFY(book.addEntry("1", "", 0));
        QCOMPARE(book.lastIndex(), 16);

        // Table indices are 16-bit: the last one is 32767.
        QVector<BookEntry> table(32768);
        table[0].number = BookEntry::hiddenLabel();
        table[1].number = BookEntry::unknownLabel();
        book.replaceAll(table, 32767, {{table[0].number, 0}, {table[1].number, 1}, {"1", 32767}});
        QVERIFY(!book.addEntry("2", "", 0));
        QCOMPARE(state(book), "_HiddenNumber, _UnknownNumber, 1 | 0x0001, last 32767, table 32768");
        QCOMPARE(thrown([&] { book.entry(32768); }).number, 9);
        QCOMPARE(thrown([&] { book.itemData(3); }).number, 9);
    }

    void encoderKeepsWhatItDoesNotOwn()
    {
        // Ten records decoded, four removed: six written, the old tail stays.
        FlashImage fb(header(10));
        for (int j = 1; j <= 10; ++j)
            fb.writeBytes(userRecordOffset(j), record(QByteArray::number(100 + j), "n", quint8(j)));
        fb.writeBytes(6, "broken magic tail");
        PhoneBook book;
        SoundNames names;
        readFB(fb, book, names);
        for (int i = 0; i < 4; ++i)
            QVERIFY(book.removeEntry(2, "101"));
        const QByteArray before = fb.bytes();
        buildFB(fb, book, names);
        QCOMPARE(fb.bytes().left(32), header(6));
        QCOMPARE(fb.bytes().mid(userRecordOffset(1), 6 * 32), before.mid(userRecordOffset(5), 6 * 32));   // 105 to 110
        QCOMPARE(fb.bytes().mid(704), before.mid(704));   // old records 7..10 and all after them

        // Flags pass through unchanged, including bytes that are punctuation in the code page.
        PhoneBook flags;
        QVERIFY(flags.addEntries({{"1", "", 0x93}, {"2", "", 0x81}}));
        buildFB(fb, flags, names);
        QCOMPARE(fb.bytes().mid(userRecordOffset(1) + 30, 2), QByteArray("\x93\0", 2));
        QCOMPARE(fb.at(userRecordOffset(3) + 30), 0x81);   // after "12345"
    }

    void encoderRefusesOversizedBook()
    {
        QVector<BookEntry> users(MaxUserRecords + 1);
        for (int j = 0; j < users.size(); ++j)
            users[j].number = QString::number(j + 1);
        PhoneBook book;
        book.replaceEntries({}, {}, users);

        FlashImage fb;
        fb.writeBytes(bankOffset(1), QByteArray(100, '\x42'));
        const QByteArray before = fb.bytes();
        QVERIFY(thrown([&] { buildFB(fb, book, emptyNames()); }).text.contains("2032"));
        QCOMPARE(fb.bytes(), before);
        QCOMPARE(thrown([&] { writeFB(fb, book); }).number, int(VireError::BookTooLarge));
        QCOMPARE(fb.bytes(), before);
    }

    void replaceEntriesAsDecoded()
    {
        // Records out of order, one number twice: the same book whichever way it is made.
        const QList<QByteArray> records = {record("555", "Office", 0x93), record("1000", "b", 0x08),
                                           record("20", "c", 0), record("555", "again", 1)};
        FlashImage fb(image(records));
        fb.writeBytes(fixedSlotOffset(0), record("0", "Secret", 0xA5));
        PhoneBook decoded;
        SoundNames names;
        readFB(fb, decoded, names);

        PhoneBook made;
        QVERIFY(made.addEntry("77", "gone", 0));
        made.replaceEntries({"ignored", decoded.entry(0).name, 0xA5}, decoded.entry(1), decoded.table().mid(16));
        QCOMPARE(snapshot(made), snapshot(decoded));

        // Indices past 32,767 cannot be handed out: refused, nothing changed.
        QCOMPARE(thrown([&] { made.replaceEntries({}, {}, QVector<BookEntry>(32753)); }).number, int(VireError::Overflow));
        QCOMPARE(snapshot(made), snapshot(decoded));
    }

    void addEntriesAsOneByOne()
    {
        const QVector<BookEntry> entries = {{"555", "x", 1}, {"12345", "dup", 2}, {"1", "y", 3},
                                            {"555", "again", 4}, {"1234", "z", 0x93}};
        for (bool afterUpdate : {false, true}) {
            PhoneBook bulk, single;
            // Rows out of order after Update: each row still lands where addEntry puts it.
            for (PhoneBook *b : {&bulk, &single})
                QVERIFY(!afterUpdate || (b->addEntry("200", "a", 0) && b->addEntry("300", "b", 0)
                                         && b->updateEntry(2, "999", "c", 0)));
            for (const BookEntry &e : entries)
                QVERIFY(single.addEntry(e.number, e.name, e.flags));
            QVERIFY(bulk.addEntries(entries));
            QCOMPARE(snapshot(bulk), snapshot(single));
        }

        // Refused as a whole when addEntry would refuse one of them.
        PhoneBook book;
        const QStringList before = snapshot(book);
        QVERIFY(!book.addEntries({{"1", "", 0}, {"", "empty", 0}}));
        QVERIFY(!book.addEntries({{"1", "", 0}, {"_1", "label", 0}}));
        QVERIFY(!book.addEntries(QVector<BookEntry>(MaxUserRecords, BookEntry{"1", "", 0})));
        QCOMPARE(snapshot(book), before);
        QVERIFY(book.addEntries(QVector<BookEntry>(MaxUserRecords - 1, BookEntry{"1", "", 0})));
        QCOMPARE(book.countText(), QStringLiteral("0x07F0"));
    }

    void imageFromBytes()
    {
        // Short: zeros after; long: cut.
        QCOMPARE(FlashImage(QByteArray(10, 'x')).bytes(), QByteArray(10, 'x') + QByteArray(ImageSize - 10, '\0'));
        QCOMPARE(FlashImage(QByteArray(ImageSize, 'y') + "zz").bytes(), QByteArray(ImageSize, 'y'));
        QByteArray exact(ImageSize, 'w');
        FlashImage image(exact);
        image.set(0, 'v');
        QCOMPARE(exact.at(0), 'w');   // the caller's copy is not written through
        QCOMPARE(image.at(0), 'v');
    }
};

QTEST_APPLESS_MAIN(TestImage)
#include "test_image.moc"
