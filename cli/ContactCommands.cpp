// vire-image export and import: the phone book out to and in from CSV, vCard
// and spreadsheets.
#include "cli/CommandLine.h"

#include "exchange/Contacts.h"
#include "cli/DavImport.h"
#include "image/Layout.h"
#include "files/SafeFile.h"
#include "exchange/SheetContacts.h"
#include "carddav/DavClient.h"
#include "carddav/Terminal.h"

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

vCard: one vCard 3.0 per user entry (FN, N, TEL); the special entries are left out.

xlsx, ods: one sheet with the CSV's rows, every cell a text cell so that
numbers keep their leading zeros.
)~";

const char ImportHelp[] = R"~(
Puts the entries of each SOURCE, a CSV, vCard, .xlsx or .ods file (told apart
by content; of a spreadsheet the first sheet, with the CSV's columns) or the
http:// or https:// URL of a CardDAV address book or server, into the phone
book of IMAGE and writes the result to OUT. Several sources are read in order
as one. Samples, sound names and everything else in the image are kept.

Entries pair by number; within one number the same name pairs first, then
the rest in order. Sound and switch bits change only where the source has
values for them (our CSV's cells; vCards and address books have none).
Adding (the default): an entry already there is not added again; the same
number under another name is added beside it, with a warning. Nothing is
removed. Importing the same source twice changes nothing.
--sync: the phone book follows the sources: paired entries take the source's
name, the rest are added, and entries the sources lack are removed, those
made only in the editor's window too. Any entry that breaks a rule, and a
source without entries, is an error: nothing is written.
--replace: the entries become the whole phone book, sound and switch bits as
the source gives them (else 0); an entry that breaks a rule is an error.
Adding, such an entry is skipped with a warning.
CSV rows _HiddenNumber and _UnknownNumber set the special entries; without
them the special entries stay.

--dry-run lists every change as "vire-image diff" words it, on standard
output, and writes nothing; -v lists them and writes. The last line on
standard error counts what was added, changed, removed, already there and
skipped, the special entries set, the fax numbers and pagers left out, and
how many entries the phone book holds. A weekly refresh:
  vire-image import phone.bin URL --sync --dry-run
  vire-image import phone.bin URL --sync -o phone.bin

Text: a byte order mark decides (UTF-8, UTF-16); else UTF-8 when valid, else
Windows-1252. Names the image cannot spell are spelled in Latin letters (a
card's phonetic name first; Иван becomes Ivan, Ł becomes L), else "?". Numbers: spaces - . / ( ) go, a leading + becomes 00, a
(0) after the country code goes; what is then not 1-16 digits is skipped
(kept as written with --replace, an error with --sync).
CSV: our columns number,name,sound,sbit1-sbit4 (only number is required),
or a Google Contacts export, or an Outlook or Thunderbird export in English,
Swedish, Norwegian, Danish, Finnish, German, French, Spanish, Dutch or
Italian (each phone number one entry; faxes and pagers left out; --dry-run
names the layout read).
vCard 2.1, 3.0 and 4.0: each TEL is one entry named by FN, else N, else ORG;
faxes and pagers are left out.
)~";

} // namespace

int runExport(const QStringList &arguments)
{
    CommandLine line("export", "IMAGE [--format csv|vcard|xlsx|ods] [-o FILE]", ExportHelp);
    line.argument("IMAGE", "the image to read");
    const QCommandLineOption formatOption = line.valueOption({"format"}, "csv|vcard|xlsx|ods", "the format (default csv)");
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
    // "-" and /dev/stdout are standard output; a terminal or another
    // character device takes the bytes as a stream; a file is saved safely.
    const QString outPath = line.isSet(output) ? line.value(output) : QString();
    const bool toStdout = outPath.isEmpty() || outPath == QLatin1String("-") || outPath == QLatin1String("/dev/stdout");
    const bool toDevice = !toStdout && safefile::isCharacterDevice(outPath);
    if (!toStdout && !toDevice)
        checkOutput(outPath);
    // As gzip does: a zip package would only garble the terminal.
    if (sheet != exchange::SheetFormat::None && (toStdout ? carddav::stdoutIsTerminal() : toDevice))
        throw fail(toStdout ? QString() : outPath,
                   QStringLiteral("a spreadsheet is not written to a terminal; name a file with -o FILE, "
                                  "or redirect standard output"));
    const tool::Image image = readImage(line.args().at(0));
    int replaced = 0;
    const QByteArray bytes = sheet == exchange::SheetFormat::None
        ? tool::exportContacts(image, format)
        : exchange::writeSheet(sheet, image.book->entry(PhoneBook::HiddenIndex),
                               image.book->entry(PhoneBook::UnknownIndex), tool::userEntries(*image.book), &replaced);
    // A package that failed to close comes back empty: never written as if it were the book.
    if (bytes.isEmpty() && sheet != exchange::SheetFormat::None)
        throw fail(toStdout ? QString() : outPath, QStringLiteral("the spreadsheet could not be put together; nothing written"));
    if (replaced > 0)
        message(toStdout ? QString() : outPath, 0, "warning",
                QStringLiteral("%1 control character(s) that an .ods file cannot hold written as \"?\"").arg(replaced));
    if (toStdout)
        writeOut(bytes);
    else if (toDevice)
        writeStream(outPath, bytes);
    else
        writeFile(outPath, bytes);
    return Success;
}

int runImport(const QStringList &arguments)
{
    CommandLine line("import",
                     "IMAGE SOURCE... -o OUT [--sync | --replace] [--dry-run] [-v] [--user NAME] [--ca-file FILE] "
                     "[--timeout SECONDS] [--no-proxy]",
                     ImportHelp);
    line.argument("IMAGE", "the image whose phone book is filled");
    line.argument("SOURCE", "the CSV, vCard, .xlsx or .ods file, or the CardDAV URL, to read; several are read in order as one",
                  CommandLine::Repeated);
    const QCommandLineOption output =
        line.valueOption({"o", "output"}, "OUT", "the image file to write (required but with --dry-run; may name IMAGE)");
    const QCommandLineOption sync = line.flagOption(
        {"sync"}, "make the phone book follow the sources: rename, add, and remove the entries they lack");
    const QCommandLineOption replace =
        line.flagOption({"replace"}, "replace the user entries instead of adding to them");
    const QCommandLineOption dryRun =
        line.flagOption({"dry-run"}, "list the changes and summarise; write nothing (-o not needed)");
    const QCommandLineOption verbose = line.flagOption({"v", "verbose"}, "list every change on standard output");
    const QCommandLineOption user = line.valueOption(
        {"user"}, "NAME", "the CardDAV user (else the URL's); the password comes from VIRE_DAV_PASSWORD, ~/.netrc or the terminal");
    const QCommandLineOption caFile =
        line.valueOption({"ca-file"}, "FILE", "trust the PEM certificates in FILE besides the system's");
    const QCommandLineOption timeout =
        line.valueOption({"timeout"}, "SECONDS", "give up on the address book after SECONDS (default 600)");
    const QCommandLineOption noProxy = line.flagOption(
        {"no-proxy"}, "reach the address book directly, whatever https_proxy, http_proxy or all_proxy say");
    if (!line.parse(arguments))
        return line.status();
    if (line.isSet(sync) && line.isSet(replace))
        return usageError(QStringLiteral("import"), QStringLiteral("--sync and --replace cannot be used together"));
    if (!line.isSet(output) && !line.isSet(dryRun))
        return usageError(QStringLiteral("import"), QStringLiteral("-o OUT is required"));
    DavOptions dav{line.value(user), line.value(caFile), 0};
    dav.noProxy = line.isSet(noProxy);
    if (line.isSet(timeout)) {
        bool ok = false;
        dav.timeoutSeconds = line.value(timeout).toInt(&ok);
        if (!ok || dav.timeoutSeconds < 1 || dav.timeoutSeconds > MaxDavTimeout)
            return usageError(QStringLiteral("import"), QStringLiteral("--timeout takes a number of seconds from 1 to %1")
                                                            .arg(MaxDavTimeout));
    }

    const QString &imagePath = line.args().at(0);
    const QStringList sources = line.args().mid(1);
    // A wrong certificate file is an error whatever the source, found
    // before anything is read.
    if (line.isSet(caFile))
        carddav::readCertificates(line.value(caFile));
    bool fromServer = false;
    for (const QString &source : sources) {
        fromServer = fromServer || isDavUrl(source);
        if (!isDavUrl(source))
            checkScheme(source);
    }
    if (!fromServer) {
        // Scripts may pass them always: said, not refused.
        for (const QCommandLineOption &davOnly : {user, caFile, timeout, noProxy}) {
            if (line.isSet(davOnly))
                message(QString(), 0, "warning", QStringLiteral("--%1 applies only to a CardDAV URL; ignored")
                                                     .arg(davOnly.names().first()));
        }
    }
    const QString outPath = line.value(output);
    if (line.isSet(output))
        checkOutput(outPath);
    tool::Image image = readImage(imagePath);

    const tool::ImportMode how = line.isSet(sync) ? tool::ImportMode::Sync
        : line.isSet(replace)                     ? tool::ImportMode::Replace
                                                  : tool::ImportMode::Add;
    const exchange::Mode mode = how == tool::ImportMode::Sync ? exchange::Mode::Sync
        : how == tool::ImportMode::Replace                    ? exchange::Mode::Replace
                                                              : exchange::Mode::Add;
    // Messages about all the sources together name the one there is, else the program.
    const QString together = sources.size() == 1 ? sources.first() : QString();
    // The sources as one: each contact's line becomes its place in the whole,
    // so that a repeat is named by its own source and line.
    exchange::ReadResult read;
    QVector<std::pair<qsizetype, int>> origin;   // source, line
    QVector<CardPlaces> places(sources.size());
    QStringList layouts;
    for (qsizetype i = 0; i < sources.size(); ++i) {
        const QString &source = sources.at(i);
        exchange::ReadResult one;
        if (isDavUrl(source)) {
            // Entries already there take no room, so any source may be as large as a full book.
            dav.room = qMax<qsizetype>(0, PhoneBook::MaxUserEntries - read.users);
            one = readDav(source, dav, mode, places[i]);
        } else {
            const QByteArray bytes = readFile(source, MaxContactsBytes + 1);
            if (bytes.size() > MaxContactsBytes)
                throw fail(source, QStringLiteral("larger than 64 MiB; not a contacts file"));
            one = exchange::readContactsFile(bytes, mode);
        }

        // Errors and warnings together, in the order of the file.
        struct Note { const Problem *problem; const char *severity; };
        QVector<Note> notes;
        for (const Problem &p : one.warnings)
            notes.append({&p, "warning"});
        for (const Problem &p : one.errors)
            notes.append({&p, "error"});
        std::stable_sort(notes.begin(), notes.end(),
                         [](const Note &a, const Note &b) { return a.problem->line < b.problem->line; });
        for (const Note &n : notes)
            message(places[i].placed(*n.problem, source), n.severity);
        if (!one.ok())
            throw VireError(atSource(source, QStringLiteral("%1 error(s); nothing written").arg(one.errors.size())));

        // A source that yields nothing is more likely a wrong file or an address
        // book that failed to answer than a wish to empty the phone book.
        if (one.contacts.isEmpty() && one.skipped == 0 && one.users == 0) {
            if (how != tool::ImportMode::Add)
                throw VireError(atSource(source, how == tool::ImportMode::Replace
                                                     ? QStringLiteral("holds no contacts; nothing was replaced")
                                                     : QStringLiteral("holds no contacts; nothing written")));
            message(atSource(source, QStringLiteral("holds no contacts; the image is unchanged")), "warning");
        }
        for (exchange::Contact &c : one.contacts) {
            origin.append({i, c.line});
            c.line = int(origin.size());
            read.contacts.append(std::move(c));
        }
        read.skipped += one.skipped;
        read.leftOut += one.leftOut;
        read.pagers += one.pagers;
        read.users += one.users;
        if (!one.layout.isEmpty())
            layouts << QStringLiteral("read as %1").arg(one.layout);
    }

    const tool::Image before = tool::decodeImage(image.fb.bytes());
    tool::ImportOutcome outcome;
    try {
        outcome = tool::importContacts(image, read.contacts, how, read.users);
    } catch (VireError &e) {
        const Problem p = e.problem();
        e.problem() = atSource(together, p.detail);
        e.problem().number = p.number;
        throw;
    }
    if (!outcome.repeats.isEmpty()) {
        QStringList repeats;
        for (const tool::Repeat &r : outcome.repeats) {
            QStringList from;
            for (int at : r.lines) {
                const auto &[source, local] = origin.at(at - 1);
                const QString place = places.at(source).placeOf(local);
                from << (sources.size() == 1 || isDavUrl(place) ? place : QStringLiteral("%1 %2").arg(sources.at(source), place));
            }
            repeats << QStringLiteral("%1 (%2)").arg(r.number, from.join(QStringLiteral(", ")));
        }
        message(atSource(together, QStringLiteral("numbers added more than once: %1").arg(repeats.join(QStringLiteral("; ")))),
                "warning");
    }
    for (const pairing::Clash &c : outcome.clashes) {
        QStringList held, added;
        for (const QString &name : c.inBook)
            held << QStringLiteral("\"%1\"").arg(name);
        for (const QString &name : c.added)
            added << QStringLiteral("\"%1\"").arg(name);
        message(atSource(together, QStringLiteral("%1 is in the phone book as %2; added as %3 beside it (--sync renames instead)")
                                       .arg(c.number, held.join(QStringLiteral(", ")), added.join(QStringLiteral(", ")))),
                "warning");
    }
    if (line.isSet(dryRun) || line.isSet(verbose))
        writeLines(tool::differences(before, image));

    QString summary = tool::importSummary(outcome, read, how);
    // An unchanged image is not written over itself; another output is written all the same.
    const bool same = line.isSet(output) && safefile::sameFile(imagePath, outPath)
        && QFileInfo(outPath).size() == layout::ImageSize;
    if (line.isSet(dryRun))
        summary = QStringLiteral("dry run: ") + (layouts.isEmpty() ? QString() : layouts.join(QStringLiteral("; ")) + QStringLiteral("; "))
            + summary + QStringLiteral("; nothing written");
    else if (!outcome.imageChanged && same)
        summary += QStringLiteral("; not rewritten");
    else
        writeFile(outPath, image.fb.bytes());
    message(atSource(together, summary), "summary");
    return Success;
}

} // namespace cli
