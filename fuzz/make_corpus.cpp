// Writes the seed corpus for the fuzz targets: images with every count edge
// and WAV files valid and broken. Usage: make_corpus <folder>
#include "Codec.h"
#include "FlashImage.h"
#include "Layout.h"
#include "PhoneBook.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cstdio>

namespace {

QString g_root;

void save(const QString &sub, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(g_root + '/' + sub);
    QFile f(g_root + '/' + sub + '/' + name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
        std::exit(1);
    }
}

QByteArray encoded(PhoneBook &book)
{
    FlashImage fb;
    SoundNames names;
    names.fill(QStringLiteral("(empty)"));
    names[2] = QStringLiteral("ring");
    buildFB(fb, book, names);
    return fb.bytes();
}

QByteArray withCount(QByteArray image, int count)
{
    image[0] = char(count >> 8);
    image[1] = char(count & 0xFF);
    return image;
}

void images()
{
    PhoneBook book;
    const QByteArray def = encoded(book);
    save("decoder", "default.bin", def);
    save("decoder", "short-header.bin", def.left(40));
    save("decoder", "one-record.bin", def.left(layout::FirstUserRecord + 32));
    save("decoder", "empty.bin", QByteArray());
    save("decoder", "zeros.bin", QByteArray(layout::ImageSize, '\0'));
    QByteArray lower = def;
    lower.replace(2, 4, "vire");
    save("decoder", "lower-magic.bin", lower);

    for (int i = 0; i < 40; ++i)
        book.addEntry(QString::number(7000 - i * 37), QStringLiteral("N\u00e4me %1").arg(i), quint8(i * 7));
    const QByteArray some = encoded(book);
    save("decoder", "forty.bin", some);
    // Short seeds keep the fuzzer fast: what a file lacks reads as zeros.
    const QByteArray records = some.left(layout::userRecordOffset(41));
    for (int count : {0, 1, 39, 2033, 16368, 16369, 65535})
        save("decoder", QStringLiteral("count-%1.bin").arg(count), withCount(records, count));

    // Books of thousands of records are replayed by the tests but are no
    // fuzz seeds: every input mutated from one costs thirty times a small
    // one, and the fuzzer spent nearly all its time on them. It reaches such
    // counts anyway from the decoder's comparison with the limit.
    for (int count : {2031, 2032})
        save("decoder-large", QStringLiteral("count-%1.bin").arg(count), withCount(records, count));
    while (book.userCount() < layout::MaxUserRecords)
        book.addEntry(QString::number(100000 + book.userCount()), QString(), 0x93);
    save("decoder-large", "full.bin", encoded(book));

    QByteArray odd = records;
    odd.replace(layout::userRecordOffset(1), 16, QByteArray(16, '\0'));
    odd.replace(layout::userRecordOffset(2), 16, QByteArray("_0").leftJustified(16));
    odd.replace(layout::userRecordOffset(3), 16, QByteArray(16, ' '));
    odd.replace(layout::userRecordOffset(4), 16, QByteArray(16, '\xFF'));
    save("decoder", "odd-numbers.bin", odd);
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray chunk(const QByteArray &id, const QByteArray &body, qint64 declared = -1)
{
    return id + le32(quint32(declared < 0 ? body.size() : declared)) + body;
}

QByteArray riff(const QByteArray &chunks, const QByteArray &form = "WAVE")
{
    return "RIFF" + le32(quint32(chunks.size() + 4)) + form + chunks;
}

void waves()
{
    QByteArray fmt16(16, '\0');
    qToLittleEndian<quint16>(1, fmt16.data());
    qToLittleEndian<quint16>(1, fmt16.data() + 2);
    qToLittleEndian<quint32>(8000, fmt16.data() + 4);
    qToLittleEndian<quint32>(8000, fmt16.data() + 8);
    qToLittleEndian<quint16>(1, fmt16.data() + 12);
    qToLittleEndian<quint16>(8, fmt16.data() + 14);
    QByteArray samples(300, '\0');
    for (int i = 0; i < samples.size(); ++i)
        samples[i] = char(i * 13);

    save("wav", "plain.wav", riff(chunk("fmt ", fmt16) + chunk("data", samples)));
    save("wav", "fmt18.wav", riff(chunk("fmt ", fmt16 + "xx") + chunk("data", samples)));
    save("wav", "list-first.wav", riff(chunk("LIST", "INFOabc") + chunk("fmt ", fmt16) + chunk("data", samples)));
    save("wav", "no-fmt.wav", riff(chunk("data", samples), "AVI "));
    save("wav", "empty-data.wav", riff(chunk("fmt ", fmt16) + chunk("data", QByteArray())));
    save("wav", "no-data.wav", riff(chunk("fmt ", fmt16)));
    save("wav", "header-only.wav", riff(QByteArray()));
    save("wav", "lower-riff.wav", "riff" + riff(chunk("data", samples)).mid(4));
    save("wav", "empty.wav", QByteArray());
    save("wav", "past-end.wav", riff(chunk("LIST", "abc", 5000) + chunk("data", samples)));
    save("wav", "huge-data.wav", riff(chunk("fmt ", fmt16) + chunk("data", samples, 0x7FFFFFFF)));
    save("wav", "overflow-size.wav", riff(chunk("data", samples, 0x80000000u)));
    save("wav", "overflow-rate.wav", riff(chunk("fmt ", QByteArray(4, '\0') + le32(0x80000000u) + QByteArray(8, '\0'))
                                          + chunk("data", samples)));
    save("wav", "long.wav", riff(chunk("fmt ", fmt16) + chunk("data", QByteArray(70000, '\x42'))));
}

// A literal with its zero bytes, all of it.
template <size_t N>
QByteArray bin(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

// Contacts files of each layout, character set and card version.
void contacts()
{
    save("csv", "own.csv", "number,name,sound,sbit1,sbit2,sbit3,sbit4\r\n_HiddenNumber,Dolt nummer,0,0,0,0,0\r\n"
                           "0701234567,\"Berg, \"\"A\"\"\",3,1,0,1,0\r\n+46 (0)8 12,\xC5sa,,,,,\r\n12a,x,9,2,,,\r\n");
    save("csv", "semicolon.csv", "\xEF\xBB\xBFName;NUMBER;;\r\nS\xC3\xB6" "der;070-1;;\r\n;;;\r\n\"open;1\r\n");
    save("csv", "utf16.csv", bin("\xFF\xFEn\0u\0m\0b\0e\0r\0\n\0" "1\0,\0A\x01\n\0"));
    save("csv", "google.csv", "First Name,Middle Name,Last Name,Organization Name,Phone 1 - Label,Phone 1 - Value\n"
                              "Anna,,Berg,,Mobile,+46 70 111 ::: 08-5\n,,,Acme,Work,\n");
    save("csv", "outlook.csv", "F\xF6rnamn;Efternamn;F\xF6retag;Telefon arbete;Mobiltelefon;Fax arbete\r\n"
                               "Eva;Lind;;08-22;0733;0811;;\r\n");
    save("vcard", "v21.vcf", "BEGIN:VCARD\r\nVERSION:2.1\r\nN;ENCODING=QUOTED-PRINTABLE:Str=F6m;=C5=\r\nsa\r\n"
                             "FN;CHARSET=ISO-8859-1:\xC5sa\r\nTEL;CELL:+46 (0)70-123\r\nEND:VCARD\r\n");
    save("vcard", "v30.vcf", "begin:vcard\nversion:3.0\nFN:Bo\n  Ek\\, \\n\nitem1.TEL;TYPE=work:123\nTEL:*31#\nEND:VCARD\n"
                             "BEGIN:VCARD\nORG:Acme;Sales\nTEL:08\nEND:VCARD\nBEGIN:VCARD\nFN:Nobody\nEND:VCARD\n");
    save("vcard", "v40.vcf", "BEGIN:VCARD\nVERSION:4.0\nFN:Caf\xC3\xA9 \xF0\x9F\x98\x80\nTEL;VALUE=uri;TYPE=\"voice,cell\":"
                             "tel:+1-555-0100;ext=7\nEND:VCARD\nBEGIN:VCARD\nFN:open\n");
    save("vcard", "utf16be.vcf", bin("\xFE\xFF\0B\0E\0G\0I\0N\0:\0V\0C\0A\0R\0D\0\n\0F\0N\0:\x01\x41\0\n\0T\0E\0L\0:\0" "1"
                                            "\0\n\0E\0N\0D\0:\0V\0C\0A\0R\0D"));
    save("vcard", "control.vcf", "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:a=0D=00b\r\n"
                                 "TEL;ENCODING=QUOTED-PRINTABLE:1=002\r\nEND:VCARD\r\n");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_corpus <folder>\n");
        return 2;
    }
    g_root = QString::fromLocal8Bit(argv[1]);
    images();
    waves();
    contacts();
    return 0;
}
