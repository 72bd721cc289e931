#include "carddav/Terminal.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <iterator>

#include <windows.h>

namespace carddav {

namespace {

// The console whose echo is off while the password is typed, for the
// handler that turns it back on when Ctrl-C or Ctrl-Break ends the program.
HANDLE g_input = INVALID_HANDLE_VALUE;
DWORD g_savedMode = 0;

BOOL WINAPI restoreConsole(DWORD)
{
    SetConsoleMode(g_input, g_savedMode);
    // Not handled here: the default handler ends the process as it would have.
    return FALSE;
}

void say(HANDLE out, const QString &text)
{
    DWORD written = 0;
    WriteConsoleW(out, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()), &written, nullptr);
}

} // namespace

bool promptTerminal(const QByteArray &prompt, QByteArray &line)
{
    // The console itself, as /dev/tty is the terminal: standard input and
    // output may be files or pipes.
    HANDLE in = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
    HANDLE out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    DWORD saved = 0;
    if (in == INVALID_HANDLE_VALUE || out == INVALID_HANDLE_VALUE || !GetConsoleMode(in, &saved)) {
        if (in != INVALID_HANDLE_VALUE)
            CloseHandle(in);
        if (out != INVALID_HANDLE_VALUE)
            CloseHandle(out);
        return false;
    }
    g_input = in;
    g_savedMode = saved;
    SetConsoleCtrlHandler(restoreConsole, TRUE);
    SetConsoleMode(in, (saved & ~DWORD(ENABLE_ECHO_INPUT)) | ENABLE_LINE_INPUT | ENABLE_PROCESSED_INPUT);
    say(out, QString::fromUtf8(prompt));
    QString typed;
    wchar_t buffer[256];
    DWORD read = 0;
    while (ReadConsoleW(in, buffer, DWORD(std::size(buffer)), &read, nullptr) && read > 0) {
        typed += QString::fromWCharArray(buffer, int(read));
        if (typed.endsWith(QLatin1Char('\n')))
            break;
    }
    SetConsoleMode(in, saved);
    SetConsoleCtrlHandler(restoreConsole, FALSE);
    g_input = INVALID_HANDLE_VALUE;
    // The Enter that was not echoed.
    say(out, QStringLiteral("\r\n"));
    CloseHandle(in);
    CloseHandle(out);
    while (typed.endsWith(QLatin1Char('\n')) || typed.endsWith(QLatin1Char('\r')))
        typed.chop(1);
    line = typed.toUtf8();
    return true;
}

bool stderrIsTerminal()
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode);
}

bool stdoutIsTerminal()
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode);
}

QString readableByOthers(const QFile &)
{
    return QString();
}

QByteArray environmentUtf8(const char *name)
{
    return qEnvironmentVariable(name).toUtf8();
}

QString netrcFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    return home.isEmpty() ? QDir::homePath() : home;
}

} // namespace carddav
