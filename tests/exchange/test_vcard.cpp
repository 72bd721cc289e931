// The vCard reader and the spelling rule, in-process: cards as phones and
// address books write them, names of other scripts, and a round trip.
#include "exchange/CodePage.h"
#include "spelling/Spelling.h"
#include "tests/exchange/ReadResults.h"

#include <QtTest>

using exchange::Mode;
using exchange::ReadResult;

namespace {

QString messages(const QVector<Problem> &list)
{
    return notes(list).join(QLatin1Char('\n'));
}

// Without a byte order mark.
QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray out;
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        out.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return out;
}

// An Outlook export of one name, as a Windows of that code page writes it (ICU's converter).
QByteArray outlookIn(const char *codePage, const QString &given, const QString &family)
{
    int lacking = 0;
    return exchange::codepage::encode(
        codePage, QStringLiteral("First Name,Last Name,Mobile Phone\r\n%1,%2,070 1\r\n").arg(given, family), lacking);
}

} // namespace

class TestVCard : public QObject
{
    Q_OBJECT

private slots:
    void spelling_data();
    void spelling();
    void files_data();
    void files();
    void controlCharactersComeBack();
};

void TestVCard::spelling_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("needsIcu");
    QTest::newRow("Windows-1252 untouched") << QStringLiteral("\u00c5sa \u00d6berg-M\u00fcller \u00f1") << QStringLiteral("\u00c5sa \u00d6berg-M\u00fcller \u00f1") << false;
    QTest::newRow("Latin base letters") << QStringLiteral("\u0141\u00f3d\u017a") << QStringLiteral("L\u00f3dz") << false;
    QTest::newRow("Latin, ASCII spelling") << QStringLiteral("\u01c4\u025bn") << QStringLiteral("DZen") << true;
    QTest::newRow("Russian") << QStringLiteral("\u0418\u0432\u0430\u043d \u041f\u0435\u0442\u0440\u043e\u0432") << QStringLiteral("Ivan Petrov") << true;
    QTest::newRow("Russian, BGN") << QStringLiteral("\u0416\u0430\u043d\u043d\u0430 \u0427\u0430\u0439\u043a\u043e\u0432\u0441\u043a\u0430\u044f")
                                  << QStringLiteral("Zhanna Chaykovskaya") << true;
    QTest::newRow("Russian, yo") << QStringLiteral("\u0425\u0440\u0443\u0449\u0451\u0432") << QStringLiteral("Khrushchev") << true;
    // Ж Ч Ш Щ Ю Я Х Ё, and ТС, which BGN writes with a middle dot.
    QTest::newRow("Russian, letters") << QStringLiteral("\u0416\u0443\u043a \u0428\u0438\u0448\u043a\u0438\u043d \u042e\u0440\u0438\u0439 \u042f\u043d\u0430 \u0401\u043b\u043a\u0438\u043d \u0411\u0440\u0430\u0442\u0441\u043a")
                                      << QStringLiteral("Zhuk Shishkin Yuriy Yana Yelkin Bratsk") << true;
    QTest::newRow("Greek") << QStringLiteral("\u0393\u03b9\u03ce\u03c1\u03b3\u03bf\u03c2") << QStringLiteral("Giorgos") << true;
    QTest::newRow("kana") << QStringLiteral("\u30e4\u30de\u30c0 \u30bf\u30ed\u30a6") << QStringLiteral("Yamada Tarou") << true;
    QTest::newRow("kana, small and long") << QStringLiteral("\u30ad\u30e3\u30c3\u30c8\u30fb\u30e9\u30fc\u30e1\u30f3\u3000\uff94\uff8f\uff80\uff9e")
                                          << QStringLiteral("Kyatto Raamen Yamada") << true;
    QTest::newRow("mixed, emoji left out") << QStringLiteral("\u00e9\u0416 \U0001F600") << QStringLiteral("\u00e9ZH ") << true;
    QTest::newRow("emoji alone") << QStringLiteral("\U0001F600") << QStringLiteral("?") << false;
    QTest::newRow("decomposed, composed first") << QStringLiteral("Jose\u0301 Mu\u0308ller") << QStringLiteral("Jos\u00e9 M\u00fcller") << false;
    QTest::newRow("family emoji beside letters") << QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467 Berg")
                                                 << QStringLiteral(" Berg") << false;
    QTest::newRow("only bidi controls") << QStringLiteral("\u200F\u200E\u202B") << QString() << false;
    QTest::newRow("Hebrew by BGN, bidi marks") << QStringLiteral("\u200F\u05d3\u05d5\u05d3 \u05db\u05d4\u05df\u200F")
                                               << QStringLiteral("Dwd Khhn") << true;
    QTest::newRow("Persian by BGN, ZWNJ") << QStringLiteral("\u0645\u0631\u06cc\u0645 \u0646\u06cc\u06a9\u200c\u0646\u0627\u0645")
                                         << QStringLiteral("Mrym Nyknam") << true;
    QTest::newRow("Arabic by BGN, ayin left out") << QStringLiteral("\u0639\u0644\u064a \u062d\u0633\u0646") << QStringLiteral("Ly Hsn") << true;
    // The Cyrillic transform by the letters the name holds.
    QTest::newRow("Belarusian") << QStringLiteral("\u040e\u043b\u0430\u0434\u0437\u0456\u043c\u0456\u0440") << QStringLiteral("Wladzimir") << true;
    QTest::newRow("Ukrainian") << QStringLiteral("\u0406\u0433\u043e\u0440 \u0406\u0436\u0430\u043a") << QStringLiteral("Ihor Izhak") << true;
    QTest::newRow("Kazakh, its \u0456 too") << QStringLiteral("\u041d\u04b1\u0440\u0441\u04b1\u043b\u0442\u0430\u043d \u04d8\u0431\u0456\u0448")
                                      << QStringLiteral("Nursultan Abish") << true;
    QTest::newRow("Macedonian") << QStringLiteral("\u0403\u043e\u0440\u0453\u0435 \u040c\u043e\u0441\u0435\u0432") << QStringLiteral("Gorge Kosev") << true;
    QTest::newRow("Serbian") << QStringLiteral("\u0402\u043e\u0440\u0452\u0435 \u041f\u0435\u0442\u0440\u043e\u0432\u0438\u045b")
                             << QStringLiteral("Dorde Petrovic") << true;
    // Scripts whose names are written in small letters take capitals.
    QTest::newRow("Georgian") << QStringLiteral("\u10d0\u10dc\u10d0 \u10d1\u10d4\u10e0\u10eb\u10d4\u10dc\u10d8\u10e8\u10d5\u10d8\u10da\u10d8")
                              << QStringLiteral("Ana Berdzenishvili") << true;
    QTest::newRow("Armenian, small letters") << QStringLiteral("\u0561\u0580\u0574\u0565\u0576") << QStringLiteral("Armen") << true;
}

void TestVCard::spelling()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(bool, needsIcu);
    if (needsIcu && !cp1252::transliterates())
        QSKIP("built without ICU");
    QCOMPARE(cp1252::spelled(name), stored);
}

void TestVCard::files_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("warnings");   // each found in the warnings
    QTest::addColumn<int>("leftOut");
    QTest::addColumn<QString>("error");

    // A Sony Ericsson backup (vCard 2.1): a fax, quoted-printable Cyrillic, the
    // iOS 6 "\r\r\n" line ends (AOSP's v30_ios_613_multiline sample) and the last card ending "END:VCARD.".
    QTest::newRow("Sony Ericsson backup")
        << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nN:Smith;Bob\r\nFN:Bob Smith\r\r\nTEL;CELL:+46701112233\r\r\n"
                      "TEL;FAX;WORK:+4681234567\r\nEND:VCARD\r\n"
                      "BEGIN:VCARD\r\nVERSION:2.1\r\n"
                      "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=9F=D0=B5=D1=82=D1=80=D0=BE=D0=B2;=D0=98=D0=B2=D0=B0=\r\n=D0=BD\r\n"
                      "TEL;HOME:08-555 12 12\r\nEND:VCARD.\r\n")
        << QStringList{"0046701112233 Bob Smith", cp1252::transliterates() ? "085551212 Ivan Petrov" : "085551212 ???? ??????"}
        << QStringList{cp1252::transliterates()
                           ? "10: name \"\u0418\u0432\u0430\u043d \u041f\u0435\u0442\u0440\u043e\u0432\" stored as \"Ivan Petrov\" (spelled in Latin letters)"
                           : "10: name",
                       "13: \"END:VCARD.\" read as END:VCARD"}
        << 1 << QString();
    QTest::newRow("faxes and pagers by TYPE")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:Eva\nTEL;TYPE=WORK,FAX:0811\nTEL;type=\"work,fax\":0812\n"
                      "TEL;TYPE=cell;TYPE=Pager:0813\nTEL;TYPE=fax-not:0814\nEND:VCARD\n"
                      "BEGIN:VCARD\nVERSION:4.0\nFN:Fax only\nTEL;TYPE=fax:0815\nEND:VCARD\n")
        << QStringList{"0814 Eva"} << QStringList{} << 4 << QString();
    QTest::newRow("CR line ends")
        << QByteArray("BEGIN:VCARD\rVERSION:3.0\rFN:Bo\r  Ek\rTEL:0701\rEND:VCARD\r")
        << QStringList{"0701 Bo Ek"} << QStringList{} << 0 << QString();
    // An Apple Address Book card: UTF-16BE without a byte order mark.
    QTest::newRow("UTF-16BE without BOM")
        << utf16(QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:\u00d6berg;\u0393\u03b9\u03ce\u03c1\u03b3\u03bf\u03c2;;;\r\n"
                                  "TEL;type=CELL:070 123\r\nEND:VCARD\r\n"), true)
        << QStringList{cp1252::transliterates() ? "070123 Giorgos \u00d6berg" : "070123 ??????? \u00d6berg"} << QStringList{"3: name"} << 0 << QString();
    // The same decoding serves CSV: little-endian here.
    QTest::newRow("UTF-16LE CSV without BOM")
        << utf16(QStringLiteral("number,name\r\n0701,\u00c5sa\r\n"), false) << QStringList{"0701 \u00c5sa"} << QStringList{} << 0
        << QString();
    // As Apple and Android write a Japanese card: the reading wins, family name first as FN has it.
    QTest::newRow("Japanese, phonetic")
        << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nN:\xE5\xB1\xB1\xE7\x94\xB0;\xE5\xA4\xAA\xE9\x83\x8E;;;\r\n"
                      "FN:\xE5\xB1\xB1\xE7\x94\xB0 \xE5\xA4\xAA\xE9\x83\x8E\r\n"
                      "X-PHONETIC-FIRST-NAME:\xE3\x82\xBF\xE3\x83\xAD\xE3\x82\xA6\r\n"
                      "X-PHONETIC-LAST-NAME:\xE3\x83\xA4\xE3\x83\x9E\xE3\x83\x80\r\nTEL:0312345678\r\nEND:VCARD\r\n"
                      "BEGIN:VCARD\r\nVERSION:4.0\r\nN;SORT-AS=\"Tanaka,Yuki\":\xE7\x94\xB0\xE4\xB8\xAD;\xE9\x9B\xAA;;;\r\n"
                      "TEL:0311\r\nEND:VCARD\r\n")
        << QStringList{cp1252::transliterates() ? "0312345678 Yamada Tarou" : "0312345678 ?? ??", "0311 Yuki Tanaka"}
        << QStringList{cp1252::transliterates() ? "4: name \"\u5c71\u7530 \u592a\u90ce\" stored as \"Yamada Tarou\" (from its phonetic name \"\u30e4\u30de\u30c0 \u30bf\u30ed\u30a6\", spelled in Latin letters)"
                                                : "4: name",
                       "11: name \"\u96ea \u7530\u4e2d\" stored as \"Yuki Tanaka\" (from its phonetic name \"Yuki Tanaka\")"} << 0 << QString();
    QTest::newRow("Greek, cut")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:\xCE\x93\xCE\xB9\xCF\x8E\xCF\x81\xCE\xB3\xCE\xBF\xCF\x82 "
                      "\xCE\xA0\xCE\xB1\xCF\x80\xCE\xB1\xCE\xB4\xCF\x8C\xCF\x80\xCE\xBF\xCF\x85\xCE\xBB\xCE\xBF\xCF\x82\nTEL:0701\nEND:VCARD\n")
        << QStringList{cp1252::transliterates() ? "0701 Giorgos Papado" : "0701 ??????? ??????"}
        << QStringList{cp1252::transliterates()
                           ? "3: name \"\u0393\u03b9\u03ce\u03c1\u03b3\u03bf\u03c2 \u03a0\u03b1\u03c0\u03b1\u03b4\u03cc\u03c0\u03bf\u03c5\u03bb\u03bf\u03c2\" "
                             "stored as \"Giorgos Papado\" (spelled in Latin letters, cut to 14 characters)"
                           : "(\"?\" for what Windows-1252 cannot spell, cut to 14 characters)"}
        << 0 << QString();
    // Code pages told from the names; one that cannot be told is refused, never read as another.
    if (cp1252::transliterates()) {
        const struct
        {
            const char *codePage;
            QString given, family, stored;
        } pages[] = {
            {"windows-1251", QStringLiteral("Иван"), QStringLiteral("Петров"), QStringLiteral("Ivan Petrov")},
            {"windows-1250", QStringLiteral("Paweł"), QStringLiteral("Wiśniak"), QStringLiteral("Pawel Wisniak")},
            {"windows-1250", QStringLiteral("Jiří"), QStringLiteral("Dvořák"), QStringLiteral("Jirí Dvorák")},
            {"Shift_JIS", QStringLiteral("タロウ"), QStringLiteral("ヤマダ"), QStringLiteral("Tarou Yamada")},
            {"GB18030", QStringLiteral("小明"), QStringLiteral("王"), QStringLiteral("Xiao Ming Wang")},
            {"Big5", QStringLiteral("大文"), QStringLiteral("陳"), QStringLiteral("Da Wen Chen")},
            {"macintosh", QStringLiteral("Åsa"), QStringLiteral("Ström"), QStringLiteral("Åsa Ström")},
            {"windows-1253", QStringLiteral("Γιώργος"), QStringLiteral("Παπάς"), QStringLiteral("Giorgos Papas")},
            {"windows-1254", QStringLiteral("Ayşe"), QStringLiteral("Yıldız"), QStringLiteral("Ayse Yildiz")},
            {"windows-1257", QStringLiteral("Jānis"), QStringLiteral("Bērziņš"), QStringLiteral("Janis Berzin\u0161")},
            {"windows-1255", QStringLiteral("דוד"), QStringLiteral("כהן"), QStringLiteral("Dwd Khhn")},
            {"windows-874", QStringLiteral("สมชาย"), QStringLiteral("ใจดี"), QStringLiteral("Smchay Cidi")},
        };
        for (const auto &p : pages) {
            const QString name = p.given + QLatin1Char(' ') + p.family;
            QTest::addRow("%s %s", p.codePage, qPrintable(p.stored))
                << outlookIn(p.codePage, p.given, p.family) << QStringList{"0701 " + p.stored}
                << (name == p.stored ? QStringList() : QStringList{QStringLiteral("2: name \"%1\" stored as \"%2\"").arg(name, p.stored)})
                << 0 << QString();
        }
        const QString untold = QStringLiteral("2: not UTF-8, and the code page cannot be told from the text: %1; state it "
                                              "with --encoding (windows-1252, windows-1250, windows-1251, Shift_JIS, "
                                              "GB18030, macintosh ...)");
        // Slovak in windows-1250 and Lithuanian in windows-1257 alike; Western text with a byte Windows-1252 lacks.
        QTest::newRow("windows-1250 or windows-1257")
            << outlookIn("windows-1250", QStringLiteral("Ján"), QStringLiteral("Kováč")) << QStringList() << QStringList() << 0
            << untold.arg(QStringLiteral("it reads as well in windows-1250 as in windows-1257, as different names"));
        QTest::newRow("no code page") << QByteArray("First Name,Last Name,Mobile Phone\r\nAnna,Str\x81m,0701\r\n")
                                      << QStringList() << QStringList() << 0
                                      << untold.arg(QStringLiteral("no code page reads its words as names"));
        // Readings where a file has them: a Japanese carrier's SOUND;X-IRMC-N, Google's phonetic columns.
        QTest::newRow("SOUND;X-IRMC-N")
            << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=SHIFT_JIS:\x8E\x52\x93\x63;\x91\xBE\x98\x59;;;\r\n"
                          "SOUND;X-IRMC-N;CHARSET=SHIFT_JIS:\xD4\xCF\xC0\xDE;\xC0\xDB\xB3;;;\r\nTEL;CELL:090-1234-5678\r\nEND:VCARD\r\n")
            << QStringList{"09012345678 Tarou Yamada"}
            << QStringList{QStringLiteral("3: name \"\u592a\u90ce \u5c71\u7530\" stored as \"Tarou Yamada\" (from its phonetic "
                                          "name \"\uff80\uff9b\uff73 \uff94\uff8f\uff80\uff9e\", spelled in Latin letters)")}
            << 0 << QString();
        QTest::newRow("Google, phonetic columns")
            << QByteArray("First Name,Last Name,Phonetic First Name,Phonetic Last Name,Phone 1 - Label,Phone 1 - Value\n"
                          "\xE5\xA4\xAA\xE9\x83\x8E,\xE5\xB1\xB1\xE7\x94\xB0,\xE3\x81\x9F\xE3\x82\x8D\xE3\x81\x86,"
                          "\xE3\x82\x84\xE3\x81\xBE\xE3\x81\xA0,Mobile,090 1\n")
            << QStringList{"0901 Tarou Yamada"} << QStringList{"2: name \"\u592a\u90ce \u5c71\u7530\" stored as \"Tarou Yamada\""}
            << 0 << QString();
        QTest::newRow("Google legacy, Yomi")
            << QByteArray("Name,Yomi Name,Phone 1 - Value\n\xE5\xB1\xB1\xE7\x94\xB0,\xE3\x82\x84\xE3\x81\xBE\xE3\x81\xA0,0701\n")
            << QStringList{"0701 Yamada"} << QStringList{"2: name \"\u5c71\u7530\" stored as \"Yamada\""} << 0 << QString();
        // Values of vCard 2.1 without CHARSET, quoted-printable hiding their bytes; one CHARSET of its own.
        QTest::newRow("vCard 2.1, windows-1251")
            << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nN;ENCODING=QUOTED-PRINTABLE:=CF=E5=F2=F0=EE=E2;=C8=E2=E0=ED\r\n"
                          "TEL:0701\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-7:\xC3\xE9\xFE\xF1\xE3\xEF\xF2\r\n"
                          "TEL:0702\r\nEND:VCARD\r\n")
            << QStringList{"0701 Ivan Petrov", "0702 Giorgos"}
            << QStringList{"3: name \"\u0418\u0432\u0430\u043d \u041f\u0435\u0442\u0440\u043e\u0432\" stored as \"Ivan Petrov\"",
                           "8: name"}
            << 0 << QString();
    }
    // A name of bidi controls only is none: the card's organisation names it.
    QTest::newRow("invisible name")
        << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\xE2\x80\x8F\xE2\x80\x8E\r\nORG:Acme\r\nTEL:0701\r\nEND:VCARD\r\n")
        << QStringList{"0701 Acme"} << QStringList{"3: name of only invisible characters; \"Acme\" taken instead"} << 0 << QString();
    // Any decimal digits; an extension left out, named.
    QTest::newRow("digits and extensions")
        << QByteArray("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bo\r\nTEL:\xEF\xBC\x90\xEF\xBC\x97\xEF\xBC\x90 \xEF\xBC\x91\r\n"
                      "TEL:\xD9\xA0\xD9\xA7\xD9\xA0\xD9\xA2\r\nTEL;VALUE=uri:tel:+46-8-123;ext=102\r\nTEL:08 124 x45\r\nEND:VCARD\r\n")
        << QStringList{"0701 Bo", "0702 Bo", "00468123 Bo", "08124 Bo"}
        << QStringList{"6: card \"Bo\": number \"+46-8-123;ext=102\" kept without its extension 102",
                       "7: card \"Bo\": number \"08 124 x45\" kept without its extension 45"}
        << 0 << QString();
    QTest::newRow("truncated card")
        << QByteArray("BEGIN:VCARD\nFN:A\nTEL:1\nEND:VCARD\n\nBEGIN:VCARD\nFN:B\nTEL:2\n")
        << QStringList{} << QStringList{} << 0 << QStringLiteral("6: card has no END:VCARD");
}

void TestVCard::files()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, warnings);
    QFETCH(int, leftOut);
    QFETCH(QString, error);
    const ReadResult r = exchange::readContacts(file, Mode::Add);
    QCOMPARE(messages(r.errors), error);
    QCOMPARE(entries(r), stored);
    for (const QString &w : warnings)
        QVERIFY2(messages(r.warnings).contains(w), qPrintable(messages(r.warnings)));
    // One warning for each name at most, none for the faxes.
    QCOMPARE(r.warnings.size(), warnings.size());
    QCOMPARE(r.leftOut, leftOut);
    QCOMPARE(r.skipped, 0);
}

void TestVCard::controlCharactersComeBack()
{
    // Quoted-printable values come back as written; only the rules trim plain spaces.
    const QVector<BookEntry> users{{QStringLiteral("0701"), QString(14, QLatin1Char('\r')), 0},
                                   {QStringLiteral("0702"), QStringLiteral("\t A\x0b"), 0},
                                   {QStringLiteral("0703"), QStringLiteral(" \u00a0B"), 0}};
    const ReadResult back = exchange::readVCard(exchange::writeVCard(users), Mode::Replace);
    QVERIFY2(back.ok(), qPrintable(messages(back.errors)));
    QCOMPARE(back.contacts.size(), users.size());
    for (int i = 0; i < users.size(); ++i)
        QCOMPARE(back.contacts[i].name, users[i].name);
    QCOMPARE(messages(back.warnings), QString());
}

QTEST_GUILESS_MAIN(TestVCard)
#include "test_vcard.moc"
