// The vCard reader and the spelling rule, in-process: cards as phones and
// address books write them, names of other scripts, and a round trip.
#include "exchange/CodePage.h"
#include "spelling/Spelling.h"
#include "tests/exchange/ReadResults.h"

#include <QtTest>

using namespace exchange;

namespace {

// Without a byte order mark.
QByteArray utf16(const QString &text, bool bigEndian)
{
    return QStringEncoder(bigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE).encode(text);
}

// An Outlook export of one name, as a Windows of that code page writes it (ICU's converter).
QByteArray outlookIn(const char *codePage, const QString &given, const QString &family)
{
    int lacking = 0;
    return codepage::encode(
        codePage, QStringLiteral("First Name,Last Name,Mobile Phone\r\n%1,%2,070 1\r\n").arg(given, family), lacking);
}

// What is read with ICU's spelling, and without it.
QString icu(const QString &with, const QString &without)
{
    return cp1252::transliterates() ? with : without;
}

// warnings: each found in the warnings, which are as many.
void addFile(const QByteArray &tag, const QByteArray &file, const QStringList &stored, const QStringList &warnings = {},
             int leftOut = 0, const QString &error = {})
{
    QTest::newRow(tag.constData()) << file << stored << warnings << leftOut << error;
}

} // namespace

class TestVCard : public QObject
{
    Q_OBJECT

private slots:
    void spelling_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("needsIcu");
        const struct { const char *tag, *name, *stored; bool needsIcu; } rows[] = {
            {"Windows-1252 untouched", "Åsa Öberg-Müller ñ", "Åsa Öberg-Müller ñ", false},
            {"Latin base letters", "Łódź", "Lódz", false},
            {"Latin, ASCII spelling", "Ǆɛn", "DZen", true},
            {"Russian", "Иван Петров", "Ivan Petrov", true},
            {"Russian, BGN", "Жанна Чайковская", "Zhanna Chaykovskaya", true},
            {"Russian, yo", "Хрущёв", "Khrushchev", true},
            // Ж Ч Ш Щ Ю Я Х Ё, and ТС, which BGN writes with a middle dot.
            {"Russian, letters", "Жук Шишкин Юрий Яна Ёлкин Братск", "Zhuk Shishkin Yuriy Yana Yelkin Bratsk", true},
            {"Greek", "Γιώργος", "Giorgos", true},
            {"kana", "ヤマダ タロウ", "Yamada Tarou", true},
            {"kana, small and long", "キャット・ラーメン\u3000ﾔﾏﾀﾞ", "Kyatto Raamen Yamada", true},
            {"mixed, emoji left out", "éЖ \U0001F600", "éZH ", true},
            {"emoji alone", "\U0001F600", "?", false},
            {"decomposed, composed first", "Jose\u0301 Mu\u0308ller", "José Müller", false},
            {"family emoji beside letters", "\U0001F468\u200D\U0001F469\u200D\U0001F467 Berg", " Berg", false},
            {"only bidi controls", "\u200F\u200E\u202B", "", false},
            {"Hebrew by BGN, bidi marks", "\u200Fדוד כהן\u200F", "Dwd Khhn", true},
            {"Persian by BGN, ZWNJ", "مریم نیک\u200cنام", "Mrym Nyknam", true},
            {"Arabic by BGN, ayin left out", "علي حسن", "Ly Hsn", true},
            // The Cyrillic transform by the letters the name holds.
            {"Belarusian", "Ўладзімір", "Wladzimir", true},
            {"Ukrainian", "Ігор Іжак", "Ihor Izhak", true},
            {"Kazakh, its \u0456 too", "Нұрсұлтан Әбіш", "Nursultan Abish", true},
            {"Macedonian", "Ѓорѓе Ќосев", "Gorge Kosev", true},
            {"Serbian", "Ђорђе Петровић", "Dorde Petrovic", true},
            // Scripts whose names are written in small letters take capitals.
            {"Georgian", "ანა ბერძენიშვილი", "Ana Berdzenishvili", true},
            {"Armenian, small letters", "արմեն", "Armen", true},
        };
        for (const auto &r : rows)
            QTest::newRow(r.tag) << QString::fromUtf8(r.name) << QString::fromUtf8(r.stored) << r.needsIcu;
    }

    void spelling()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(bool, needsIcu);
        if (needsIcu && !cp1252::transliterates())
            QSKIP("built without ICU");
        QCOMPARE(cp1252::spelled(name), stored);
    }

    void files_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<int>("leftOut");
        QTest::addColumn<QString>("error");

        // A Sony Ericsson backup (vCard 2.1): a fax, quoted-printable Cyrillic, the
        // iOS 6 "\r\r\n" line ends (AOSP's v30_ios_613_multiline sample) and the last card ending "END:VCARD.".
        addFile("Sony Ericsson backup",
                "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Smith;Bob\r\nFN:Bob Smith\r\r\nTEL;CELL:+46701112233\r\r\n"
                "TEL;FAX;WORK:+4681234567\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:2.1\r\n"
                "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=9F=D0=B5=D1=82=D1=80=D0=BE=D0=B2;"
                "=D0=98=D0=B2=D0=B0=\r\n=D0=BD\r\n"
                "TEL;HOME:08-555 12 12\r\nEND:VCARD.\r\n",
                {"0046701112233 Bob Smith", icu("085551212 Ivan Petrov", "085551212 ???? ??????")},
                {icu("10: name \"Иван Петров\" stored as \"Ivan Petrov\" (spelled in Latin letters)", "10: name"),
                 "13: \"END:VCARD.\" read as END:VCARD"},
                1);
        addFile("faxes and pagers by TYPE",
                "BEGIN:VCARD\nVERSION:3.0\nFN:Eva\nTEL;TYPE=WORK,FAX:0811\nTEL;type=\"work,fax\":0812\n"
                "TEL;TYPE=cell;TYPE=Pager:0813\nTEL;TYPE=fax-not:0814\nEND:VCARD\n"
                "BEGIN:VCARD\nVERSION:4.0\nFN:Fax only\nTEL;TYPE=fax:0815\nEND:VCARD\n",
                {"0814 Eva"}, {}, 4);
        addFile("CR line ends", "BEGIN:VCARD\rVERSION:3.0\rFN:Bo\r  Ek\rTEL:0701\rEND:VCARD\r", {"0701 Bo Ek"});
        // What a cut leaves of a name may be a space and zero bytes: that is no name, as read back.
        addFile("name cut to a space and zero bytes", "BEGIN:VCARD\nFN: " + QByteArray(20, '\0') + "김\nTEL:0701\nEND:VCARD\n",
                {"0701 "}, {"2: name"});
        // An Apple Address Book card: UTF-16BE without a byte order mark.
        addFile("UTF-16BE without BOM",
                utf16("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Öberg;Γιώργος;;;\r\nTEL;type=CELL:070 123\r\nEND:VCARD\r\n", true),
                {icu("070123 Giorgos Öberg", "070123 ??????? Öberg")}, {"3: name"});
        // The same decoding serves CSV: little-endian here.
        addFile("UTF-16LE CSV without BOM", utf16("number,name\r\n0701,Åsa\r\n", false), {"0701 Åsa"});
        // As Apple and Android write a Japanese card: the reading wins, family name first as FN has it.
        addFile("Japanese, phonetic",
                "BEGIN:VCARD\r\nVERSION:3.0\r\nN:山田;太郎;;;\r\nFN:山田 太郎\r\nX-PHONETIC-FIRST-NAME:タロウ\r\n"
                "X-PHONETIC-LAST-NAME:ヤマダ\r\nTEL:0312345678\r\nEND:VCARD\r\n"
                "BEGIN:VCARD\r\nVERSION:4.0\r\nN;SORT-AS=\"Tanaka,Yuki\":田中;雪;;;\r\nTEL:0311\r\nEND:VCARD\r\n",
                {icu("0312345678 Yamada Tarou", "0312345678 ?? ??"), "0311 Yuki Tanaka"},
                {icu("4: name \"山田 太郎\" stored as \"Yamada Tarou\" (from its phonetic name \"ヤマダ タロウ\", spelled in "
                     "Latin letters)",
                     "4: name"),
                 "11: name \"雪 田中\" stored as \"Yuki Tanaka\" (from its phonetic name \"Yuki Tanaka\")"});
        addFile("Greek, cut", "BEGIN:VCARD\nVERSION:3.0\nFN:Γιώργος Παπαδόπουλος\nTEL:0701\nEND:VCARD\n",
                {icu("0701 Giorgos Papado", "0701 ??????? ??????")},
                {icu("3: name \"Γιώργος Παπαδόπουλος\" stored as \"Giorgos Papado\" (spelled in Latin letters, cut to 14 "
                     "characters)",
                     "(\"?\" for what Windows-1252 cannot spell, cut to 14 characters)")});
        // Code pages told from the names; one that cannot be told is refused, never read as another.
        if (cp1252::transliterates()) {
            const struct { const char *codePage, *given, *family, *stored; } pages[] = {
                {"windows-1251", "Иван", "Петров", "Ivan Petrov"},
                {"windows-1250", "Paweł", "Wiśniak", "Pawel Wisniak"},
                {"windows-1250", "Jiří", "Dvořák", "Jirí Dvorák"},
                {"Shift_JIS", "タロウ", "ヤマダ", "Tarou Yamada"},
                {"GB18030", "小明", "王", "Xiao Ming Wang"},
                {"Big5", "大文", "陳", "Da Wen Chen"},
                {"macintosh", "Åsa", "Ström", "Åsa Ström"},
                {"windows-1253", "Γιώργος", "Παπάς", "Giorgos Papas"},
                {"windows-1254", "Ayşe", "Yıldız", "Ayse Yildiz"},
                {"windows-1257", "Jānis", "Bērziņš", "Janis Berzinš"},
                {"windows-1255", "דוד", "כהן", "Dwd Khhn"},
                {"windows-874", "สมชาย", "ใจดี", "Smchay Cidi"},
            };
            for (const auto &p : pages) {
                const QString name = QString::fromUtf8(p.given) + QLatin1Char(' ') + QString::fromUtf8(p.family);
                const QString stored = QString::fromUtf8(p.stored);
                const QStringList warnings{"2: name \"" + name + "\" stored as \"" + stored + '"'};
                addFile(QByteArray(p.codePage) + ' ' + p.stored, outlookIn(p.codePage, p.given, p.family),
                        {"0701 " + stored}, name == stored ? QStringList() : warnings);
            }
            const QString untold = QStringLiteral("2: not UTF-8, and the code page cannot be told from the text: %1; "
                                                  "state it with --encoding (windows-1252, windows-1250, windows-1251, "
                                                  "Shift_JIS, GB18030, macintosh ...)");
            // Slovak in windows-1250 and Lithuanian in windows-1257 alike; Western text with a byte Windows-1252 lacks.
            addFile("windows-1250 or windows-1257", outlookIn("windows-1250", "Ján", "Kováč"), {}, {}, 0,
                    untold.arg("it reads as well in windows-1250 as in windows-1257, as different names"));
            addFile("no code page", "First Name,Last Name,Mobile Phone\r\nAnna,Str\x81m,0701\r\n", {}, {}, 0,
                    untold.arg("no code page reads its words as names"));
            // Readings where a file has them: a Japanese carrier's SOUND;X-IRMC-N, Google's phonetic columns.
            addFile("SOUND;X-IRMC-N",
                    "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=SHIFT_JIS:\x8E\x52\x93\x63;\x91\xBE\x98\x59;;;\r\n"
                    "SOUND;X-IRMC-N;CHARSET=SHIFT_JIS:\xD4\xCF\xC0\xDE;\xC0\xDB\xB3;;;\r\n"
                    "TEL;CELL:090-1234-5678\r\nEND:VCARD\r\n",
                    {"09012345678 Tarou Yamada"},
                    {"3: name \"太郎 山田\" stored as \"Tarou Yamada\" (from its phonetic name \"ﾀﾛｳ ﾔﾏﾀﾞ\", spelled in "
                     "Latin letters)"});
            addFile("Google, phonetic columns",
                    "First Name,Last Name,Phonetic First Name,Phonetic Last Name,Phone 1 - Label,Phone 1 - Value\n"
                    "太郎,山田,たろう,やまだ,Mobile,090 1\n",
                    {"0901 Tarou Yamada"}, {"2: name \"太郎 山田\" stored as \"Tarou Yamada\""});
            addFile("Google legacy, Yomi", "Name,Yomi Name,Phone 1 - Value\n山田,やまだ,0701\n", {"0701 Yamada"},
                    {"2: name \"山田\" stored as \"Yamada\""});
            // Values of vCard 2.1 without CHARSET, quoted-printable hiding their bytes; one CHARSET of its own.
            addFile("vCard 2.1, windows-1251",
                    "BEGIN:VCARD\r\nVERSION:2.1\r\nN;ENCODING=QUOTED-PRINTABLE:=CF=E5=F2=F0=EE=E2;=C8=E2=E0=ED\r\n"
                    "TEL:0701\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:2.1\r\n"
                    "N;CHARSET=ISO-8859-7:\xC3\xE9\xFE\xF1\xE3\xEF\xF2\r\nTEL:0702\r\nEND:VCARD\r\n",
                    {"0701 Ivan Petrov", "0702 Giorgos"}, {"3: name \"Иван Петров\" stored as \"Ivan Petrov\"", "8: name"});
        }
        // A name of bidi controls only is none: the card's organisation names it.
        addFile("invisible name", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\u200F\u200E\r\nORG:Acme\r\nTEL:0701\r\nEND:VCARD\r\n",
                {"0701 Acme"}, {"3: name of only invisible characters; \"Acme\" taken instead"});
        // Any decimal digits; an extension left out, named.
        addFile("digits and extensions",
                "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bo\r\nTEL:０７０ １\r\nTEL:\u0660\u0667\u0660\u0662\r\n"
                "TEL;VALUE=uri:tel:+46-8-123;ext=102\r\nTEL:08 124 x45\r\nEND:VCARD\r\n",
                {"0701 Bo", "0702 Bo", "00468123 Bo", "08124 Bo"},
                {"6: card \"Bo\": number \"+46-8-123;ext=102\" kept without its extension 102",
                 "7: card \"Bo\": number \"08 124 x45\" kept without its extension 45"});
        // Quoted-printable values come back as written; only the rules trim plain spaces.
        addFile("control characters, written and read back",
                writeVCard({{"0701", QString(14, '\r'), 0}, {"0702", "\t A\x0b", 0}, {"0703", " \u00a0B", 0}}),
                {"0701 " + QString(14, '\r'), "0702 \t A\x0b", "0703  \u00a0B"});
        addFile("truncated card", "BEGIN:VCARD\nFN:A\nTEL:1\nEND:VCARD\n\nBEGIN:VCARD\nFN:B\nTEL:2\n", {}, {}, 0,
                "6: card has no END:VCARD");
    }

    void files()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, warnings);
        QFETCH(int, leftOut);
        QFETCH(QString, error);
        const ReadResult r = readContacts(file, Mode::Add);
        QCOMPARE(notes(r.errors).join('\n'), error);
        QCOMPARE(entries(r), stored);
        const QString warned = notes(r.warnings).join('\n');
        for (const QString &w : warnings)
            QVERIFY2(warned.contains(w), qPrintable(warned));
        // One warning for each name at most, none for the faxes.
        QCOMPARE(r.warnings.size(), warnings.size());
        QCOMPARE(r.leftOut, leftOut);
        QCOMPARE(r.skipped, 0);
        // What is read without a word is read alike when it replaces the book.
        if (warnings.isEmpty() && error.isEmpty()) {
            const ReadResult replacing = readContacts(file, Mode::Replace);
            QCOMPARE(notes(replacing.errors), QStringList());
            QCOMPARE(entries(replacing), stored);
        }
    }
};

QTEST_GUILESS_MAIN(TestVCard)
#include "test_vcard.moc"
