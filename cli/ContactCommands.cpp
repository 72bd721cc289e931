// vire-image export and import: the phone book out to and in from CSV, vCard
// and spreadsheets.
#include "cli/CommandLine.h"

#include "exchange/CodePage.h"
#include "exchange/Contacts.h"
#include "cli/DavImport.h"
#include "image/Layout.h"
#include "files/SafeFile.h"
#include "exchange/SheetContacts.h"
#include "exchange/Spreadsheet.h"

#include <QFileInfo>

#include <algorithm>

namespace cli {

namespace {

// Contacts files larger than this are not address books.
constexpr qint64 MaxContactsBytes = 64 * 1024 * 1024;
// A day: longer is a typing error more likely than a wish.
constexpr int MaxDavTimeout = 86400;

const char ExportHelp[] = R"~(
Writes the phone book to standard output, or to FILE.

CSV (the default): UTF-8, comma separated, the header
  number,name,sound,sbit1,sbit2,sbit3,sbit4
then _HiddenNumber and _UnknownNumber, then the user entries in list order.
sound is 0-7, sbit1-sbit4 are 0 or 1; trailing spaces are dropped.
--encoding NAME writes the CSV in that code page instead (windows-1251,
Shift_JIS, any name ICU knows), for programs that read only their own; a
character it cannot hold is written as "?", with a warning.

vCard: one vCard 3.0 per user entry (FN, N, TEL); the special entries are left out.

xlsx, ods: one sheet with the CSV's rows, every cell a text cell so that
numbers keep their leading zeros.
)~";

const char ImportHelp[] = R"~(
Puts the entries of SOURCE, a CSV, vCard, .xlsx or .ods file (told apart by
content; of a spreadsheet the first sheet, with the CSV's columns) or the
http:// or https:// URL of a CardDAV address book or server, into the phone
book of IMAGE and writes the result to OUT. Samples, sound names and
everything else in the image are kept. The last line on standard error says
how many entries were added or replaced and skipped, and how many the phone
book holds.

Without --replace the entries are added in file order, as the editor's Add
places them; an entry that breaks a rule is skipped with a warning. With
--replace they become the whole phone book, and such an entry is an error.
CSV rows _HiddenNumber and _UnknownNumber set the special entries.

Text: a byte order mark decides (UTF-8, UTF-16); else UTF-8 when valid, else
the code page in which the file's words read as names (the Windows code
pages 1250-1257 and 874, Shift_JIS, GB18030, Big5, windows-949, Mac Roman),
named in the summary; a file no code page reads so is refused. --encoding
NAME states the code page of the whole file (any name ICU knows; a vCard
property's own CHARSET still applies to it). Names the image cannot spell
are spelled in Latin letters (a card's phonetic name first; Иван becomes
Ivan, Ł becomes L), else "?". Numbers: spaces - . / ( ) go, a leading +
becomes 00, a (0) after the country code goes; what is then not 1-16 digits
is skipped (kept as written with --replace).
CSV: our columns number,name,sound,sbit1-sbit4 (only number is required),
or a Google Contacts export, or an Outlook or Thunderbird export in English,
Swedish, Norwegian, Danish, Finnish, German, French, Spanish, Dutch,
Italian, Polish, Portuguese or Slovak, or a Thunderbird one in Czech,
Hungarian, Russian, Ukrainian, Greek, Hebrew, Arabic, Turkish, Chinese,
Korean and 20 more (each phone number one entry; faxes and pagers left out; --dry-run names the
layout read). A header whose layout cannot be told (none places a name and a
telephone column, or two place as many) is refused, naming the columns not
placed.
vCard 2.1, 3.0 and 4.0: each TEL is one entry named by FN, else N, else ORG;
faxes and pagers are left out.
)~";

} // namespace

int runExport(const QStringList &arguments)
{
    CommandLine line("export", "IMAGE [--format csv|vcard|xlsx|ods] [--encoding NAME] [-o FILE]", ExportHelp);
    line.argument("IMAGE", "the image to read");
    const QCommandLineOption formatOption = line.valueOption({"format"}, "csv|vcard|xlsx|ods", "the format (default csv)");
    const QCommandLineOption encoding = line.valueOption({"encoding"}, "NAME", "write the CSV in code page NAME (default UTF-8)");
    const QCommandLineOption output = line.valueOption({"o", "output"}, "FILE", "write FILE instead of standard output");
    if (!line.parse(arguments))
        return line.status();

    exchange::Format format = exchange::Format::Csv;
    exchange::SheetFormat sheet = exchange::SheetFormat::None;
    if (line.isSet(formatOption)) {
        const QString name = line.value(formatOption);
        if (name == QLatin1String("vcard"))
            format = exchange::Format::VCard;
        else if (name == QLatin1String("xlsx"))
            sheet = exchange::SheetFormat::Xlsx;
        else if (name == QLatin1String("ods"))
            sheet = exchange::SheetFormat::Ods;
        else if (name != QLatin1String("csv"))
            throw fail(QString(), QStringLiteral("format \"%1\" is not csv, vcard, xlsx or ods").arg(name));
    }
    const QByteArray codePage = line.value(encoding).toLatin1();
    if (line.isSet(encoding) && (format != exchange::Format::Csv || sheet != exchange::SheetFormat::None))
        return usageError(QStringLiteral("export"), QStringLiteral("--encoding is for CSV only"));
    if (line.isSet(encoding) && !exchange::codepage::known(codePage))
        return usageError(QStringLiteral("export"), QStringLiteral("--encoding: no code page is named \"%1\"").arg(line.value(encoding)));
    if (line.isSet(output))
        checkOutput(line.value(output));
    const tool::Image image = readImage(line.args().at(0));
    int replaced = 0, lacking = 0;
    const QByteArray bytes = sheet != exchange::SheetFormat::None
        ? exchange::writeSheet(sheet, image.book->entry(PhoneBook::HiddenIndex), image.book->entry(PhoneBook::UnknownIndex),
                               tool::userEntries(*image.book), &replaced)
        : line.isSet(encoding)
        ? exchange::writeCsv(image.book->entry(PhoneBook::HiddenIndex), image.book->entry(PhoneBook::UnknownIndex),
                             tool::userEntries(*image.book), codePage, &lacking)
        : tool::exportContacts(image, format);
    // A package that failed to close comes back empty: never written as if it were the book.
    if (bytes.isEmpty() && sheet != exchange::SheetFormat::None)
        throw fail(line.isSet(output) ? line.value(output) : QString(),
                   QStringLiteral("the spreadsheet could not be put together; nothing written"));
    if (replaced > 0)
        message(line.isSet(output) ? line.value(output) : QStringLiteral("vire-image"), 0, "warning",
                QStringLiteral("%1 control character(s) that an .ods file cannot hold written as \"?\"").arg(replaced));
    if (lacking > 0)
        message(line.isSet(output) ? line.value(output) : QStringLiteral("vire-image"), 0, "warning",
                QStringLiteral("%1 character(s) that %2 cannot hold written as \"?\"").arg(lacking).arg(line.value(encoding)));
    if (line.isSet(output))
        writeFile(line.value(output), bytes);
    else
        writeOut(bytes);
    return Success;
}

int runImport(const QStringList &arguments)
{
    CommandLine line("import",
                     "IMAGE SOURCE -o OUT [--replace] [--dry-run] [--user NAME] [--ca-file FILE] [--timeout SECONDS] "
                     "[--encoding NAME]",
                     ImportHelp);
    line.argument("IMAGE", "the image whose phone book is filled");
    line.argument("SOURCE", "the CSV, vCard, .xlsx or .ods file, or the CardDAV URL, to read");
    const QCommandLineOption output =
        line.valueOption({"o", "output"}, "OUT", "the image file to write (required but with --dry-run; may name IMAGE)");
    const QCommandLineOption replace =
        line.flagOption({"replace"}, "replace the user entries instead of adding to them");
    const QCommandLineOption dryRun = line.flagOption({"dry-run"}, "check and summarise; write nothing (-o not needed)");
    const QCommandLineOption encoding = line.valueOption(
        {"encoding"}, "NAME", "the code page of a CSV or vCard SOURCE (windows-1251, Shift_JIS ...), instead of telling it from the text");
    const QCommandLineOption user = line.valueOption(
        {"user"}, "NAME", "the CardDAV user (else the URL's); the password comes from VIRE_DAV_PASSWORD, ~/.netrc or the terminal");
    const QCommandLineOption caFile =
        line.valueOption({"ca-file"}, "FILE", "trust the PEM certificates in FILE besides the system's");
    const QCommandLineOption timeout =
        line.valueOption({"timeout"}, "SECONDS", "give up on the address book after SECONDS (default 600)");
    if (!line.parse(arguments))
        return line.status();
    if (!line.isSet(output) && !line.isSet(dryRun))
        return usageError(QStringLiteral("import"), QStringLiteral("-o OUT is required"));
    DavOptions dav{line.value(user), line.value(caFile), 0};
    if (line.isSet(timeout)) {
        bool ok = false;
        dav.timeoutSeconds = line.value(timeout).toInt(&ok);
        if (!ok || dav.timeoutSeconds < 1 || dav.timeoutSeconds > MaxDavTimeout)
            return usageError(QStringLiteral("import"), QStringLiteral("--timeout takes a number of seconds from 1 to %1")
                                                            .arg(MaxDavTimeout));
    }

    const QString &imagePath = line.args().at(0), &contactsPath = line.args().at(1);
    const QByteArray codePage = line.value(encoding).toLatin1();
    if (line.isSet(encoding) && !exchange::codepage::known(codePage))
        return usageError(QStringLiteral("import"), QStringLiteral("--encoding: no code page is named \"%1\"").arg(line.value(encoding)));
    if (line.isSet(encoding) && isDavUrl(contactsPath))
        return usageError(QStringLiteral("import"), QStringLiteral("--encoding is for files; an address book answers in UTF-8"));
    const QString outPath = line.value(output);
    if (line.isSet(output))
        checkOutput(outPath);
    tool::Image image = readImage(imagePath);

    const exchange::Mode mode = line.isSet(replace) ? exchange::Mode::Replace : exchange::Mode::Add;
    CardPlaces places;
    exchange::ReadResult read;
    if (isDavUrl(contactsPath)) {
        dav.room = PhoneBook::MaxUserEntries - (line.isSet(replace) ? 0 : image.book->userCount());
        read = readDav(contactsPath, dav, mode, places);
    } else {
        const QByteArray bytes = readFile(contactsPath, MaxContactsBytes + 1);
        if (bytes.size() > MaxContactsBytes)
            throw fail(contactsPath, QStringLiteral("larger than 64 MiB; not a contacts file"));
        if (line.isSet(encoding) && exchange::looksLikeZip(bytes))
            return usageError(QStringLiteral("import"), QStringLiteral("--encoding is for CSV and vCard files; %1 is a spreadsheet")
                                                            .arg(contactsPath));
        read = exchange::readContactsFile(bytes, mode, codePage);
    }

    // Errors and warnings together, in the order of the file.
    struct Note { const Problem *problem; const char *severity; };
    QVector<Note> notes;
    for (const Problem &p : read.warnings)
        notes.append({&p, "warning"});
    for (const Problem &p : read.errors)
        notes.append({&p, "error"});
    std::stable_sort(notes.begin(), notes.end(),
                     [](const Note &a, const Note &b) { return a.problem->line < b.problem->line; });
    for (const Note &n : notes)
        message(places.placed(*n.problem, contactsPath), n.severity);
    if (!read.ok())
        throw VireError(atSource(contactsPath, QStringLiteral("%1 error(s); nothing written").arg(read.errors.size())));

    // A source that yields nothing is more likely a wrong file or an address
    // book that failed to answer than a wish to empty the phone book.
    if (read.contacts.isEmpty() && read.skipped == 0 && read.users == 0) {
        if (line.isSet(replace))
            throw VireError(atSource(contactsPath, QStringLiteral("holds no contacts; nothing was replaced")));
        message(atSource(contactsPath, QStringLiteral("holds no contacts; the image is unchanged")), "warning");
    }

    tool::ImportOutcome outcome;
    try {
        outcome = tool::importContacts(image, read.contacts, line.isSet(replace), read.users);
    } catch (VireError &e) {
        const Problem p = e.problem();
        e.problem() = atSource(contactsPath, p.detail);
        e.problem().number = p.number;
        throw;
    }
    if (!outcome.repeats.isEmpty()) {
        QStringList repeats;
        for (const tool::Repeat &r : outcome.repeats) {
            QStringList from;
            for (int at : r.lines)
                from << (at > 0 ? places.placeOf(at) : QStringLiteral("in the image"));
            repeats << QStringLiteral("%1 (%2)").arg(r.number, from.join(QStringLiteral(", ")));
        }
        message(atSource(contactsPath, QStringLiteral("numbers added more than once: %1").arg(repeats.join(QStringLiteral("; ")))),
                "warning");
    }
    QString summary = tool::importSummary(outcome, read.skipped, line.isSet(replace), read.leftOut);
    // Text that was not UTF-8 may have been read in the wrong code page: say which, and how to change it.
    if (!read.codePage.isEmpty())
        summary = (read.codePageGuessed ? QStringLiteral("read as %1, guessed; --encoding to change; ")
                                        : QStringLiteral("read as %1; "))
                      .arg(read.codePage)
            + summary;
    // An unchanged image is not written over itself; another output is written all the same.
    const bool same = line.isSet(output) && safefile::sameFile(imagePath, outPath)
        && QFileInfo(outPath).size() == layout::ImageSize;
    if (line.isSet(dryRun))
        summary = QStringLiteral("dry run: ") + (read.layout.isEmpty() ? QString() : QStringLiteral("read as %1; ").arg(read.layout))
            + summary + QStringLiteral("; nothing written");
    else if (!outcome.changed && same)
        summary += QStringLiteral("; not rewritten");
    else
        writeFile(outPath, image.fb.bytes());
    message(atSource(contactsPath, summary), "summary");
    return Success;
}

} // namespace cli
