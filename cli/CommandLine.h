#pragma once

#include "cli/Commands.h"
#include "cli/Tool.h"
#include "problem/Problem.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>


// What vire-image's commands share: the parsing of one command's line, the
// messages and the files.
namespace cli {

// One command's line, parsed by a QCommandLineParser of its own; its --help
// is taken from that parser. Declare the options and arguments, then parse:
//
//     CommandLine line("export", "IMAGE [-o FILE]", "Writes the phone book ...");
//     line.argument("IMAGE", "the image to read");
//     const QCommandLineOption output = line.valueOption({"o", "output"}, "FILE", "write FILE");
//     if (!line.parse(arguments))
//         return line.status();
//     if (line.isSet(output)) ... line.value(output) ... line.args().at(0)
class CommandLine
{
public:
    enum Presence { Optional, Required };

    // The help's usage line is "vire-image NAME SYNOPSIS"; the description
    // follows it, then the options and the arguments as declared.
    CommandLine(const char *name, const char *synopsis, const char *description);

    // An option with a value (-o F, -oF, --output F, --output=F). Given twice
    // or with an empty value, it is a usage error.
    QCommandLineOption valueOption(const QStringList &names, const char *valueName, const char *description,
                                   Presence presence = Optional);
    // An option without a value (--replace).
    QCommandLineOption flagOption(const QStringList &names, const char *description);
    // A positional argument; each one declared must be given, and no more.
    // The last one declared may be Repeated: given once or more.
    enum Count { Once, Repeated };
    void argument(const char *name, const char *description, Count count = Once);

    // Parses the arguments after the command's name. False when the command
    // is over already: its help was written (status Success) or a usage error
    // reported (status Failed).
    bool parse(const QStringList &arguments);
    int status() const { return m_status; }

    bool isSet(const QCommandLineOption &option) const { return m_parser.isSet(option); }
    QString value(const QCommandLineOption &option) const { return m_parser.value(option); }
    const QStringList &args() const { return m_args; }

    QString help() const;

private:
    bool refuse(const QString &text);

    QString m_name, m_synopsis;
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QList<QCommandLineOption> m_valueOptions, m_required;
    int m_argCount = 0;
    bool m_repeatLast = false;
    QStringList m_args;
    int m_status = Success;
};

// "vire-image: error: text" and the hint to the command's --help on standard
// error; returns Failed.
int usageError(const QString &command, const QString &text);

// Messages and output.
void writeErr(const QString &text);
void writeOut(const QByteArray &bytes);
// A problem on standard error as diagnostic() words it; the second form
// for a file (empty: the program) and line (0: none).
void message(const Problem &problem, const char *severity);
void message(const QString &file, int line, const char *severity, const QString &text);
void writeLines(const QStringList &lines);
// A failure about a file (empty: about the command as a whole).
VireError fail(const QString &file, const QString &text);
// Names file as the place of a failure that names none.
void placeIn(VireError &e, const QString &file);

// Files; a failure throws VireError naming the file.
QByteArray readFile(const QString &path, qint64 maxBytes);
void checkOutput(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);
// To a character device, as a stream: nothing to replace, nothing to cut.
void writeStream(const QString &path, const QByteArray &bytes);
tool::Image readImage(const QString &path);

int bankNumber(const QString &text);

// The commands, each given the arguments after its name.
int runNew(const QStringList &arguments);            // ImageCommands.cpp
int runInfo(const QStringList &arguments);
int runDiff(const QStringList &arguments);
int runExport(const QStringList &arguments);         // ContactCommands.cpp
int runImport(const QStringList &arguments);
int runSoundImport(const QStringList &arguments);    // SoundCommands.cpp
int runSoundExport(const QStringList &arguments);

} // namespace cli
