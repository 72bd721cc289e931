// vire-image new, info and diff: whole images.
#include "cli/CommandLine.h"

namespace cli {

namespace {

const char NewHelp[] = R"~(
Writes the image a freshly started editor saves: the default phone book
(the hidden and unknown entries and the sample entry 12345), every sound
named "(empty)", all samples zero.
)~";

const char InfoHelp[] = R"~(
Shows the number of user entries, the two special entries (name, flags byte,
sound and switch bits), the seven sound names, and whether the phone-book
area holds records beyond the count, left by an earlier, longer book.
)~";

const char DiffHelp[] = R"~(
Prints one line per difference between images A and B: entries added,
removed or changed (matched by number), changes of the special entries and
sound names, and each bank whose samples differ, with the count of differing
bytes. Exit status 0 when nothing differs, 1 when something does, 2 when an
image cannot be read.
)~";

} // namespace

int runNew(const QStringList &arguments)
{
    CommandLine line("new", "-o OUT", NewHelp);
    const QCommandLineOption output =
        line.valueOption({"o", "output"}, "OUT", "the image file to write (required)", CommandLine::Required);
    if (!line.parse(arguments))
        return line.status();

    checkOutput(line.value(output));
    writeFile(line.value(output), tool::newImage().fb.bytes());
    return Success;
}

int runInfo(const QStringList &arguments)
{
    CommandLine line("info", "IMAGE", InfoHelp);
    line.argument("IMAGE", "the image to read");
    if (!line.parse(arguments))
        return line.status();

    const tool::Image image = readImage(line.args().at(0));
    writeLines(QStringList{QStringLiteral("Image:           %1").arg(line.args().at(0))} + tool::describe(image));
    return Success;
}

int runDiff(const QStringList &arguments)
{
    CommandLine line("diff", "A B", DiffHelp);
    line.argument("A", "the first image");
    line.argument("B", "the second image");
    if (!line.parse(arguments))
        return line.status();

    const tool::Image a = readImage(line.args().at(0));
    const tool::Image b = readImage(line.args().at(1));
    const QStringList lines = tool::differences(a, b);
    writeLines(lines);
    return lines.isEmpty() ? Success : Differ;
}

} // namespace cli
