// vire-image export and import: the phone book out to and in from CSV, vCard
// and spreadsheets.
#include "cli/CommandLine.h"

#include "exchange/CodePage.h"
#include "exchange/Contacts.h"
#include "cli/DavImport.h"
#include "image/Layout.h"
#include "files/SafeFile.h"
#include "exchange/SheetContacts.h"
#include "carddav/DavClient.h"
#include "carddav/Terminal.h"
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
Puts the entries of each SOURCE, a CSV, vCard, .xlsx or .ods file or the URL
of a CardDAV address book, into the phone book of IMAGE and writes OUT.
Adding (the default) skips entries already there; --sync makes the phone book
follow the sources, removing the entries they lack; --replace makes them the
whole phone book. Rules, formats and code pages: )~" VIRE_MANUAL R"~(.
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
        throw fail(toStdout ? QString() : outPath, QStringLiteral("the spreadsheet could not be put together; nothing written"));
    if (replaced > 0)
        message(toStdout ? QString() : outPath, 0, "warning",
                QStringLiteral("%1 control character(s) that an .ods file cannot hold written as \"?\"").arg(replaced));
    if (lacking > 0)
        message(toStdout ? QString() : outPath, 0, "warning",
                QStringLiteral("%1 character(s) that %2 cannot hold written as \"?\"").arg(lacking).arg(line.value(encoding)));
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
                     "[--timeout SECONDS] [--no-proxy] [--encoding NAME]",
                     ImportHelp);
    line.argument("IMAGE", "the image whose phone book is filled");
    line.argument("SOURCE", "files or CardDAV URLs, read in order as one", CommandLine::Repeated);
    const QCommandLineOption output =
        line.valueOption({"o", "output"}, "OUT", "the image to write (may be IMAGE; not with --dry-run)");
    const QCommandLineOption sync = line.flagOption({"sync"}, "follow the sources: rename, add and remove entries");
    const QCommandLineOption replace = line.flagOption({"replace"}, "make the sources the whole phone book");
    const QCommandLineOption dryRun = line.flagOption({"dry-run"}, "list the changes and count them; write nothing");
    const QCommandLineOption verbose = line.flagOption({"v", "verbose"}, "list the changes on standard output");
    const QCommandLineOption user =
        line.valueOption({"user"}, "NAME", "the address book's user (else the URL's)");
    const QCommandLineOption caFile = line.valueOption({"ca-file"}, "FILE", "also trust the PEM certificates in FILE");
    const QCommandLineOption encoding =
        line.valueOption({"encoding"}, "NAME", "the code page of the files (windows-1251 ...)");
    const QCommandLineOption timeout =
        line.valueOption({"timeout"}, "SECONDS", "give up on an address book after SECONDS (600)");
    const QCommandLineOption noProxy = line.flagOption({"no-proxy"}, "reach address books directly, never by a proxy");
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
    const QByteArray codePage = line.value(encoding).toLatin1();
    if (line.isSet(encoding) && !exchange::codepage::known(codePage))
        return usageError(QStringLiteral("import"), QStringLiteral("--encoding: no code page is named \"%1\"").arg(line.value(encoding)));
    if (line.isSet(encoding) && fromServer)
        return usageError(QStringLiteral("import"), QStringLiteral("--encoding is for files; an address book answers in UTF-8"));
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
    QStringList layouts, codePages;
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
            if (line.isSet(encoding) && exchange::looksLikeZip(bytes))
                return usageError(QStringLiteral("import"),
                                  QStringLiteral("--encoding is for CSV and vCard files; %1 is a spreadsheet").arg(source));
            one = exchange::readContactsFile(bytes, mode, codePage);
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
        // Text that was not UTF-8 may have been read in the wrong code page: say which, and how to change it.
        if (!one.codePage.isEmpty())
            codePages << (sources.size() > 1 ? source + QLatin1Char(' ') : QString())
                    + (one.codePageGuessed ? QStringLiteral("read as %1, guessed; --encoding to change")
                                           : QStringLiteral("read as %1"))
                          .arg(one.codePage);
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
    if (!codePages.isEmpty())
        summary = codePages.join(QStringLiteral("; ")) + QStringLiteral("; ") + summary;
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
