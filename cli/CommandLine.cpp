#include "cli/CommandLine.h"

#include "cli/Diagnostics.h"
#include "image/Layout.h"
#include "files/SafeFile.h"
#include "problem/Problem.h"

#include <QFile>

#include <cstdio>

namespace cli {

namespace {

// An option as it is typed: "-o", "--format".
QString spelled(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

// ---- one command's line -------------------------------------------------

CommandLine::CommandLine(const char *name, const char *synopsis, const char *description)
    : m_name(QString::fromUtf8(name)), m_synopsis(QString::fromUtf8(synopsis)),
      m_help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("this help"))
{
    m_parser.setApplicationDescription(QString::fromUtf8(description).trimmed());
}

QCommandLineOption CommandLine::valueOption(const QStringList &names, const char *valueName,
                                            const char *description, Presence presence)
{
    const QCommandLineOption option(names, QString::fromUtf8(description), QString::fromUtf8(valueName));
    m_parser.addOption(option);
    m_valueOptions.append(option);
    if (presence == Required)
        m_required.append(option);
    return option;
}

QCommandLineOption CommandLine::flagOption(const QStringList &names, const char *description)
{
    const QCommandLineOption option(names, QString::fromUtf8(description));
    m_parser.addOption(option);
    return option;
}

void CommandLine::argument(const char *name, const char *description, Count count)
{
    m_parser.addPositionalArgument(QString::fromUtf8(name), QString::fromUtf8(description));
    ++m_argCount;
    m_repeatLast = count == Repeated;
}

bool CommandLine::parse(const QStringList &arguments)
{
    // Declared last, so that the help lists it last.
    m_parser.addOption(m_help);
    // parse(), never process(): process() ends the program with status 1,
    // which diff gives to images that differ; a usage error is status 2.
    if (!m_parser.parse(QStringList{QStringLiteral("vire-image")} + arguments)) {
        const QStringList unknown = m_parser.unknownOptionNames();
        return refuse(unknown.isEmpty() ? m_parser.errorText()
                                        : QStringLiteral("unknown option '%1'").arg(spelled(unknown.first())));
    }
    // The parser keeps every value of a repeated option; a second one is
    // refused rather than one of them silently dropped.
    for (const QCommandLineOption &option : m_valueOptions) {
        const QStringList values = m_parser.values(option);
        const QString name = spelled(option.names().first());
        if (values.size() > 1)
            return refuse(QStringLiteral("option '%1' given twice").arg(name));
        if (values.size() == 1 && values.first().isEmpty())
            return refuse(QStringLiteral("option '%1' needs a value").arg(name));
    }
    if (m_parser.isSet(m_help)) {
        writeOut(help().toUtf8());
        m_status = Success;
        return false;
    }
    m_args = m_parser.positionalArguments();
    if (m_args.size() < m_argCount)
        return refuse(QStringLiteral("too few arguments"));
    if (m_args.size() > m_argCount && !m_repeatLast)
        return refuse(QStringLiteral("too many arguments"));
    for (const QCommandLineOption &option : m_required) {
        if (!m_parser.isSet(option))
            return refuse(QStringLiteral("%1 %2 is required").arg(spelled(option.names().first()), option.valueName()));
    }
    // Names that did not survive decoding, and an output over an input, are
    // refused before any file is opened.
    QString output;
    for (const QCommandLineOption &option : m_valueOptions) {
        if (option.names().contains(QStringLiteral("o")))
            output = m_parser.value(option);
    }
    tool::checkPaths(m_name, m_args, output);
    return true;
}

QString CommandLine::help() const
{
    // The parser's usage line names the program by the path it was started
    // with and says only "[options]": ours says which options matter.
    const QString text = m_parser.helpText();
    return QStringLiteral("Usage: vire-image %1 %2\n\n").arg(m_name, m_synopsis) + text.mid(text.indexOf(QLatin1Char('\n')) + 1);
}

bool CommandLine::refuse(const QString &text)
{
    m_status = usageError(m_name, text);
    return false;
}

int usageError(const QString &command, const QString &text)
{
    Problem p;
    p.kind = Problem::Kind::Usage;
    p.detail = text;
    const QString program = command.isEmpty() ? QStringLiteral("vire-image") : QStringLiteral("vire-image ") + command;
    writeErr(diagnostic(p, "error") + QStringLiteral("\nTry '%1 --help'.\n").arg(program));
    return Failed;
}

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
        throw fail(QStringLiteral("standard output"), QStringLiteral("cannot write"));
}

void message(const Problem &problem, const char *severity)
{
    writeErr(diagnostic(problem, severity) + QLatin1Char('\n'));
}

void message(const QString &file, int line, const char *severity, const QString &text)
{
    Problem p = Problem::at(line, text);
    p.file = file;
    message(p, severity);
}

VireError fail(const QString &file, const QString &text)
{
    return VireError(Problem::inFile(Problem::Kind::Plain, file, text));
}

void placeIn(VireError &e, const QString &file)
{
    Problem &p = e.problem();
    if (p.file.isEmpty() && p.url.isEmpty())
        p.file = file;
}

QByteArray readFile(const QString &path, qint64 maxBytes)
{
    return safefile::readRegular(path, maxBytes);
}

void checkOutput(const QString &path)
{
    safefile::checkTarget(path);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    safefile::writeWhole(path, bytes);
}

void writeStream(const QString &path, const QByteArray &bytes)
{
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered)
        || device.write(bytes) != bytes.size())
        throw VireError(Problem::inFile(Problem::Kind::SaveFailed, path, device.errorString()));
}

tool::Image readImage(const QString &path)
{
    QByteArray bytes = readFile(path, layout::ImageSize + 1);
    const qsizetype size = bytes.size();
    tool::Image image = [&] {
        try {
            return tool::decodeImage(std::move(bytes));
        } catch (VireError &e) {
            placeIn(e, path);
            throw;
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

} // namespace cli
