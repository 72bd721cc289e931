#include "Commands.h"

#include "Contacts.h"
#include "FixedText.h"
#include "Layout.h"
#include "Rules.h"
#include "SafeFile.h"
#include "SoundImport.h"
#include "Tool.h"
#include "VireError.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <exception>

#ifndef VIRE_VERSION
#define VIRE_VERSION "0"
#endif

namespace cli {

namespace {

using tool::Failure;

// Contacts files larger than this are not address books.
constexpr qint64 MaxContactsBytes = 64 * 1024 * 1024;
constexpr int DefaultRate = 8000;

const char ProgramHelp[] = R"~(Usage: vire-image COMMAND [ARGUMENTS]

Works on flash images (*.bin) of the VIRE caller-id unit beside the editor:
contacts in and out as CSV or vCard, a summary, a comparison of two images,
and the seven sound banks.

Commands:
  new -o OUT                            the image a freshly started editor saves
  info IMAGE                            entry count, special entries, sound names
  export IMAGE [--format csv|vcard] [-o FILE]
                                        the phone book as CSV (default) or vCard
  import IMAGE CONTACTS -o OUT [--replace] [--dry-run]
                                        add entries from a CSV or vCard file
  diff A B                              what differs between two images
  sound-import IMAGE BANK WAV -o OUT    a WAV file's samples into bank 1-7
  sound-export IMAGE BANK OUT.wav [--rate HZ]
                                        a bank's samples as an 8-bit WAV file

Options:
  -h, --help     this help; after a command, that command's help
  --version      the program's version

Exit status: 0 success, 1 the images differ (diff), 2 usage error or bad input.
Nothing is written when any error was found. See vire-image(1).
)~";

// OutputRequired: -o must be given.
enum Option { OutputOpt = 1, FormatOpt = 2, ReplaceOpt = 4, RateOpt = 8, OutputRequired = 16, DryRunOpt = 32 };

struct Options
{
    QStringList args;
    QString output, format, rate;
    bool hasOutput = false, hasFormat = false, hasRate = false, replace = false, help = false, dryRun = false;
};

struct Command
{
    const char *name;
    int options;
    int minArgs, maxArgs;
    const char *help;
    int (*run)(const Options &);
};

// ---- messages and files ---------------------------------------------------

void writeErr(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

void writeOut(const QByteArray &bytes)
{
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size())
        || std::fflush(stdout) != 0)
        throw Failure{QStringLiteral("standard output: error: cannot write")};
}

void message(const QString &file, int line, const char *kind, const QString &text)
{
    const QString where = line > 0 ? QStringLiteral("%1:%2").arg(file).arg(line) : file;
    writeErr(QStringLiteral("%1: %2: %3\n").arg(where, QLatin1String(kind), text));
}

Failure fail(const QString &file, const QString &text)
{
    const QString where = file.isEmpty() ? QStringLiteral("vire-image") : file;
    return Failure{QStringLiteral("%1: error: %2").arg(where, text)};
}

// The file layer's text, without the path when it already names it.
Failure fail(const QString &file, const VireError &e)
{
    QString text = e.description();
    const QString native = QDir::toNativeSeparators(file) + QLatin1Char(' ');
    if (text.startsWith(native))
        text = text.mid(native.size());
    if (text.startsWith(QLatin1String("is ")))
        text = text.mid(3);
    return fail(file, text);
}

QByteArray readFile(const QString &path, qint64 maxBytes)
{
    try {
        return safefile::readRegular(path, maxBytes);
    } catch (const VireError &e) {
        throw fail(path, e);
    }
}

void checkOutput(const QString &path)
{
    try {
        safefile::checkTarget(path);
    } catch (const VireError &e) {
        throw fail(path, e);
    }
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    try {
        safefile::writeWhole(path, bytes);
    } catch (const VireError &e) {
        throw fail(path, e);
    }
}

tool::Image readImage(const QString &path)
{
    QByteArray bytes = readFile(path, layout::ImageSize + 1);
    const qsizetype size = bytes.size();
    tool::Image image = [&] {
        try {
            return tool::decodeImage(std::move(bytes));
        } catch (const Failure &f) {
            throw fail(path, f.text);
        }
    }();
    // Read as the editor reads a file of another size: the first 524,288
    // bytes, zeros for what it lacks.
    if (size > layout::ImageSize)
        message(path, 0, "warning", QStringLiteral("more than 524,288 bytes; only the first 524,288 are read"));
    else if (size < layout::ImageSize)
        message(path, 0, "warning", QStringLiteral("%1 bytes, not 524,288; the rest reads as zero").arg(size));
    return image;
}

int bankNumber(const QString &text)
{
    bool ok = false;
    const int bank = text.toInt(&ok);
    if (!ok || bank < 1 || bank > layout::BankCount || text.trimmed() != text)
        throw fail(QString(), QStringLiteral("bank \"%1\" is not 1 to 7").arg(text));
    return bank;
}

void writeLines(const QStringList &lines)
{
    writeOut((lines.join(QLatin1Char('\n')) + (lines.isEmpty() ? QString() : QStringLiteral("\n"))).toUtf8());
}

// ---- commands -----------------------------------------------------------

int runNew(const Options &o)
{
    checkOutput(o.output);
    writeFile(o.output, tool::newImage().fb.bytes());
    return Success;
}

int runInfo(const Options &o)
{
    const tool::Image image = readImage(o.args.at(0));
    writeLines(QStringList{QStringLiteral("Image:           %1").arg(o.args.at(0))} + tool::describe(image));
    return Success;
}

int runExport(const Options &o)
{
    exchange::Format format = exchange::Format::Csv;
    if (o.hasFormat) {
        if (o.format == QLatin1String("vcard"))
            format = exchange::Format::VCard;
        else if (o.format != QLatin1String("csv"))
            throw fail(QString(), QStringLiteral("format \"%1\" is not csv or vcard").arg(o.format));
    }
    if (o.hasOutput)
        checkOutput(o.output);
    const QByteArray bytes = tool::exportContacts(readImage(o.args.at(0)), format);
    if (o.hasOutput)
        writeFile(o.output, bytes);
    else
        writeOut(bytes);
    return Success;
}

int runImport(const Options &o)
{
    const QString &imagePath = o.args.at(0), &contactsPath = o.args.at(1);
    if (o.hasOutput)
        checkOutput(o.output);
    tool::Image image = readImage(imagePath);

    const QByteArray bytes = readFile(contactsPath, MaxContactsBytes + 1);
    if (bytes.size() > MaxContactsBytes)
        throw fail(contactsPath, QStringLiteral("larger than 64 MiB; not a contacts file"));
    const exchange::ReadResult read =
        exchange::readContacts(bytes, o.replace ? exchange::Mode::Replace : exchange::Mode::Add);

    // Errors and warnings together, in the order of the file.
    struct Note { int line; bool error; QString text; };
    QVector<Note> notes;
    for (const exchange::Diagnostic &d : read.warnings)
        notes.append({d.line, false, d.text});
    for (const exchange::Diagnostic &d : read.errors)
        notes.append({d.line, true, d.text});
    std::stable_sort(notes.begin(), notes.end(), [](const Note &a, const Note &b) { return a.line < b.line; });
    for (const Note &n : notes)
        message(contactsPath, n.line, n.error ? "error" : "warning", n.text);
    if (!read.ok())
        throw fail(contactsPath, QStringLiteral("%1 error(s); nothing written").arg(read.errors.size()));

    tool::ImportOutcome outcome;
    try {
        outcome = tool::importContacts(image, read.contacts, o.replace, read.users);
    } catch (const Failure &f) {
        throw fail(contactsPath, f.text);
    }
    if (!outcome.repeats.isEmpty())
        message(contactsPath, 0, "warning",
                QStringLiteral("numbers added more than once: %1").arg(outcome.repeats.join(QStringLiteral("; "))));
    QString summary = tool::importSummary(outcome, read.skipped, o.replace);
    // An unchanged image is not written over itself; another output is written all the same.
    const QFileInfo in(imagePath), out(o.output);
    const bool same = out.exists() && in.canonicalFilePath() == out.canonicalFilePath() && in.size() == layout::ImageSize;
    if (o.dryRun)
        summary = QStringLiteral("dry run: ") + summary + QStringLiteral("; nothing written");
    else if (!outcome.changed && same)
        summary += QStringLiteral("; not rewritten");
    else
        writeFile(o.output, image.fb.bytes());
    message(contactsPath, 0, "summary", summary);
    return Success;
}

int runDiff(const Options &o)
{
    const tool::Image a = readImage(o.args.at(0));
    const tool::Image b = readImage(o.args.at(1));
    const QStringList lines = tool::differences(a, b);
    writeLines(lines);
    return lines.isEmpty() ? Success : Differ;
}

int runSoundImport(const Options &o)
{
    const QString &imagePath = o.args.at(0), &wavePath = o.args.at(2);
    const int bank = bankNumber(o.args.at(1));
    checkOutput(o.output);
    tool::Image image = readImage(imagePath);

    try {
        image.names[size_t(bank - 1)] = importWave(image.fb, bank, wavePath);
    } catch (const VireError &e) {
        throw fail(wavePath, e);
    }
    if (!cp1252::spellable(QFileInfo(wavePath).fileName()))
        message(wavePath, 0, "warning", QStringLiteral("the image spells Windows-1252 only; the sound is named \"%1\"")
                                            .arg(exchange::trimmedRight(image.names[size_t(bank - 1)])));
    buildFB(image.fb, *image.book, image.names);
    writeFile(o.output, image.fb.bytes());
    return Success;
}

int runSoundExport(const Options &o)
{
    const QString &imagePath = o.args.at(0), &wavePath = o.args.at(2);
    const int bank = bankNumber(o.args.at(1));
    quint32 rate = DefaultRate;
    if (o.hasRate) {
        // The WAV reader takes 32-bit values below 2^31 only.
        bool ok = false;
        const qint64 value = o.rate.toLongLong(&ok);
        if (!ok || value < 1 || value > 0x7FFFFFFF || o.rate.trimmed() != o.rate)
            throw fail(QString(), QStringLiteral("rate \"%1\" is not 1 to 2147483647 Hz").arg(o.rate));
        rate = quint32(value);
    }
    // The output here is not named by -o, so it may not be the input.
    const QFileInfo in(imagePath), out(wavePath);
    if (out.exists() && in.exists() && in.canonicalFilePath() == out.canonicalFilePath())
        throw fail(wavePath, QStringLiteral("is the input image; name another file"));
    checkOutput(wavePath);
    const QByteArray bytes = tool::bankWave(readImage(imagePath), bank, rate);
    writeFile(wavePath, bytes);
    return Success;
}

const Command Commands[] = {
    {"new", OutputOpt | OutputRequired, 0, 0, R"~(Usage: vire-image new -o OUT

Writes the image a freshly started editor saves: the default phone book
(the hidden and unknown entries and the sample entry 12345), every sound
named "(empty)", all samples zero.

  -o, --output OUT   the image file to write (required)
)~", runNew},
    {"info", 0, 1, 1, R"~(Usage: vire-image info IMAGE

Shows the number of user entries, the two special entries (name, flags byte,
sound and switch bits), the seven sound names, and whether the phone-book
area holds records beyond the count, left by an earlier, longer book.
)~", runInfo},
    {"export", OutputOpt | FormatOpt, 1, 1, R"~(Usage: vire-image export IMAGE [--format csv|vcard] [-o FILE]

Writes the phone book to standard output, or to FILE.

CSV (the default): UTF-8, comma separated, the header
  number,name,sound,sbit1,sbit2,sbit3,sbit4
then _HiddenNumber and _UnknownNumber, then the user entries in list order.
sound is 0-7, sbit1-sbit4 are 0 or 1; trailing spaces are dropped.

vCard: one vCard 3.0 per user entry (FN, N, TEL); the special entries are left out.

  --format csv|vcard   the format (default csv)
  -o, --output FILE    write FILE instead of standard output
)~", runExport},
    {"import", OutputOpt | OutputRequired | ReplaceOpt | DryRunOpt, 2, 2, R"~(Usage: vire-image import IMAGE CONTACTS -o OUT [--replace] [--dry-run]

Puts the entries of CONTACTS, a CSV or vCard file (told apart by content),
into the phone book of IMAGE and writes the result to OUT. Samples, sound
names and everything else in the image are kept. The last line on standard
error says how many entries were added or replaced and skipped, and how many
the phone book holds.

Without --replace the entries are added in file order, as the editor's Add
places them; an entry that breaks a rule is skipped with a warning. With
--replace they become the whole phone book, and such an entry is an error.
CSV rows _HiddenNumber and _UnknownNumber set the special entries.

Text: a byte order mark decides (UTF-8, UTF-16); else UTF-8 when valid, else
Windows-1252. Letters the image cannot spell become their nearest (L for
Ł), else "?". Numbers: spaces - . / ( ) go, a leading + becomes 00, a
(0) after the country code goes; what is then not 1-16 digits is skipped
(kept as written with --replace).
CSV: our columns number,name,sound,sbit1-sbit4 (only number is required),
or a Google Contacts or Outlook export (each phone number one entry).
vCard 2.1, 3.0 and 4.0: each TEL is one entry named by FN, else N, else ORG.

  -o, --output OUT   the image file to write (required; may name IMAGE)
  --replace          replace the user entries instead of adding to them
  --dry-run          check and summarise; write nothing (-o not needed)
)~", runImport},
    {"diff", 0, 2, 2, R"~(Usage: vire-image diff A B

Prints one line per difference between images A and B: entries added,
removed or changed (matched by number), changes of the special entries and
sound names, and each bank whose samples differ, with the count of differing
bytes. Exit status 0 when nothing differs, 1 when something does, 2 when an
image cannot be read.
)~", runDiff},
    {"sound-import", OutputOpt | OutputRequired, 3, 3, R"~(Usage: vire-image sound-import IMAGE BANK WAV -o OUT

Copies the samples of WAV into sound bank BANK (1-7) of IMAGE, exactly as the
editor's sound import does: the bytes of the file's first data chunk, at most
65,520, unconverted; the rest of the bank keeps its bytes. The bank is named
after the file (its name without the last four characters, 16 at most).

  -o, --output OUT   the image file to write (required; may name IMAGE)
)~", runSoundImport},
    {"sound-export", RateOpt, 3, 3, R"~(Usage: vire-image sound-export IMAGE BANK OUT.wav [--rate HZ]

Writes the 65,520 sample bytes of sound bank BANK (1-7) as an 8-bit unsigned
mono PCM WAV file, to listen to or to import into another image.

  --rate HZ   the sample rate written into the file (default 8000)
)~", runSoundExport},
};

// ---- arguments ----------------------------------------------------------

bool takesValue(const QString &name, int allowed, QString *&target, bool *&given, Options &o)
{
    if ((name == QLatin1String("-o") || name == QLatin1String("--output")) && (allowed & OutputOpt)) {
        target = &o.output;
        given = &o.hasOutput;
    } else if (name == QLatin1String("--format") && (allowed & FormatOpt)) {
        target = &o.format;
        given = &o.hasFormat;
    } else if (name == QLatin1String("--rate") && (allowed & RateOpt)) {
        target = &o.rate;
        given = &o.hasRate;
    } else {
        return false;
    }
    return true;
}

// False with a message for an unknown option or a missing value.
bool parseOptions(const QStringList &args, int allowed, Options &o, QString &error)
{
    bool optionsEnd = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (optionsEnd || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            o.args.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnd = true;
            continue;
        }
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            o.help = true;
            continue;
        }
        if (arg == QLatin1String("--replace") && (allowed & ReplaceOpt)) {
            o.replace = true;
            continue;
        }
        if (arg == QLatin1String("--dry-run") && (allowed & DryRunOpt)) {
            o.dryRun = true;
            continue;
        }
        // --name=value, -oVALUE, or the value in the next argument.
        QString name = arg, value;
        bool inline_ = false;
        if (arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='))) {
            name = arg.left(arg.indexOf(QLatin1Char('=')));
            value = arg.mid(name.size() + 1);
            inline_ = true;
        } else if (arg.startsWith(QLatin1String("-o")) && arg.size() > 2) {
            name = QStringLiteral("-o");
            value = arg.mid(2);
            inline_ = true;
        }
        QString *target = nullptr;
        bool *given = nullptr;
        if (!takesValue(name, allowed, target, given, o)) {
            error = QStringLiteral("unknown option '%1'").arg(name);
            return false;
        }
        if (!inline_) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("option '%1' needs a value").arg(name);
                return false;
            }
            value = args.at(++i);
        }
        if (*given) {
            error = QStringLiteral("option '%1' given twice").arg(name);
            return false;
        }
        if (value.isEmpty()) {
            error = QStringLiteral("option '%1' needs a value").arg(name);
            return false;
        }
        *target = value;
        *given = true;
    }
    return true;
}

int usageError(const QString &command, const QString &text)
{
    const QString prefix = command.isEmpty() ? QStringLiteral("vire-image") : QStringLiteral("vire-image ") + command;
    writeErr(QStringLiteral("%1: %2\nTry '%1 --help'.\n").arg(prefix, text));
    return Failed;
}

} // namespace

int run(const QStringList &args)
{
    if (args.isEmpty())
        return usageError(QString(), QStringLiteral("a command is needed"));
    const QString &first = args.first();
    if (first == QLatin1String("-h") || first == QLatin1String("--help") || first == QLatin1String("help")) {
        writeOut(ProgramHelp);
        return Success;
    }
    if (first == QLatin1String("--version")) {
        writeOut("vire-image " VIRE_VERSION "\n");
        return Success;
    }
    const Command *command = nullptr;
    for (const Command &c : Commands) {
        if (first == QLatin1String(c.name))
            command = &c;
    }
    if (!command)
        return usageError(QString(), QStringLiteral("unknown command '%1'").arg(first));

    const QString name = QLatin1String(command->name);
    Options o;
    QString error;
    if (!parseOptions(args.mid(1), command->options, o, error))
        return usageError(name, error);
    if (o.help) {
        writeOut(command->help);
        return Success;
    }
    if (o.args.size() < command->minArgs)
        return usageError(name, QStringLiteral("too few arguments"));
    if (o.args.size() > command->maxArgs)
        return usageError(name, QStringLiteral("too many arguments"));
    if ((command->options & OutputRequired) && !o.hasOutput && !o.dryRun)
        return usageError(name, QStringLiteral("-o OUT is required"));

    try {
        return command->run(o);
    } catch (const Failure &f) {
        writeErr(f.text + QLatin1Char('\n'));
    } catch (const VireError &e) {
        writeErr(QStringLiteral("vire-image: error: %1\n").arg(e.description()));
    } catch (const std::exception &e) {
        writeErr(QStringLiteral("vire-image: error: %1\n").arg(QString::fromLocal8Bit(e.what())));
    }
    return Failed;
}

} // namespace cli
