#include "cli/Commands.h"

#include "cli/CommandLine.h"
#include "cli/Diagnostics.h"
#include "problem/Problem.h"

#include <exception>

#ifndef VIRE_VERSION
#define VIRE_VERSION "0"
#endif
#ifndef VIRE_MANUAL
#define VIRE_MANUAL "vire-image(1)"
#endif

namespace cli {

namespace {

const char ProgramHelp[] = R"~(Usage: vire-image COMMAND [ARGUMENTS]

Works on flash images (*.bin) of the VIRE caller-id unit beside the editor:
contacts in and out as CSV, vCard or spreadsheets, a summary, a comparison
of two images, and the seven sound banks.

Commands:
  new -o OUT                            the image a freshly started editor saves
  info IMAGE                            entry count, special entries, sound names
  export IMAGE [--format csv|vcard|xlsx|ods] [--encoding NAME] [-o FILE]
                                        the phone book as CSV (default), vCard
                                        or a spreadsheet
  import IMAGE SOURCE... -o OUT [--sync | --replace] [--dry-run] [-v]
         [--user NAME] [--ca-file FILE] [--timeout SECONDS] [--no-proxy]
         [--encoding NAME]
                                        entries from CSV, vCard, .xlsx or .ods
                                        files or CardDAV address books
  diff A B                              what differs between two images
  sound-import IMAGE BANK WAV -o OUT    a WAV file's samples into bank 1-7
  sound-export IMAGE BANK OUT.wav [--rate HZ]
                                        a bank's samples as an 8-bit WAV file

Options:
  -h, --help     this help; after a command, that command's help
  --version      the program's version

Exit status: 0 success, 1 the images differ (diff), 2 usage error or bad input.
Nothing is written when any error was found. See )~" VIRE_MANUAL R"~(.
)~";

// Each command parses its own arguments (those after its name).
struct Command
{
    const char *name;
    int (*run)(const QStringList &arguments);
};

const Command Commands[] = {
    {"new", runNew},
    {"info", runInfo},
    {"export", runExport},
    {"import", runImport},
    {"diff", runDiff},
    {"sound-import", runSoundImport},
    {"sound-export", runSoundExport},
};

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

    try {
        return command->run(args.mid(1));
    } catch (const std::exception &e) {
        message(VireError::from(e).problem(), "error");
    }
    return Failed;
}

} // namespace cli
