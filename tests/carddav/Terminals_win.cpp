#include "tests/carddav/Terminals.h"

#include <QDir>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <windows.h>

#include "tests/common/System.h"

namespace {

// The pseudo console sends the screen, not the program's bytes: control
// sequences dropped, and a cursor moved forward over blanks as those blanks.
QByteArray screenText(const QByteArray &shown)
{
    static const QRegularExpression sequence(QStringLiteral("\x1b\[[0-9;?]*([A-Za-z])"));
    QString text = QString::fromUtf8(shown);
    QRegularExpressionMatch m;
    for (qsizetype at = 0; (m = sequence.match(text, at)).hasMatch();) {
        const QString blanks = m.captured(1) == QLatin1String("C")
            ? QString(qMax(1, m.captured(0).mid(2).chopped(1).toInt()), QLatin1Char(' '))
            : QString();
        text.replace(m.capturedStart(), m.capturedLength(), blanks);
        at = m.capturedStart() + blanks.size();
    }
    return text.toUtf8();
}

// Reads what the pseudo console shows until text appears or five seconds pass.
void readUntil(HANDLE from, const QByteArray &text, QByteArray &seen)
{
    for (int i = 0; i < 500 && !screenText(seen).contains(text); ++i) {
        DWORD available = 0;
        if (PeekNamedPipe(from, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
            QByteArray chunk(int(available), '\0');
            DWORD n = 0;
            if (ReadFile(from, chunk.data(), available, &n, nullptr))
                seen += chunk.left(int(n));
        } else {
            Sleep(10);
        }
    }
}

QString quoted(const QString &arg)
{
    return QLatin1Char('"') + QString(arg).replace(QLatin1Char('"'), QLatin1String("\\\"")) + QLatin1Char('"');
}

} // namespace

void checkPasswordPrompt(const QString &program, const QStringList &args, const QProcessEnvironment &env)
{
    QString command = quoted(QDir::toNativeSeparators(program));
    for (const QString &a : args)
        command += QLatin1Char(' ') + quoted(a);
    QString block;
    for (const QString &entry : env.toStringList())
        block += entry + QChar(0);
    block += QChar(0);

    for (const bool interrupt : {false, true}) {
        HANDLE inRead, inWrite, outRead, outWrite;
        QVERIFY(CreatePipe(&inRead, &inWrite, nullptr, 0) && CreatePipe(&outRead, &outWrite, nullptr, 0));
        HPCON console = nullptr;
        if (FAILED(CreatePseudoConsole(COORD{120, 25}, inRead, outWrite, 0, &console)))
            QSKIP("this system has no pseudo console");
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        QByteArray attributes(int(size), '\0');
        STARTUPINFOEXW start{};
        start.StartupInfo.cb = sizeof start;
        start.lpAttributeList = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
        QVERIFY(InitializeProcThreadAttributeList(start.lpAttributeList, 1, 0, &size));
        QVERIFY(UpdateProcThreadAttribute(start.lpAttributeList, 0, PROC_THREAD_ATTRIBUTE_PSEUDOCONSOLE, console,
                                          sizeof console, nullptr, nullptr));
        std::wstring line = command.toStdWString();
        PROCESS_INFORMATION child{};
        QVERIFY(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE,
                               EXTENDED_STARTUPINFO_PRESENT | CREATE_UNICODE_ENVIRONMENT,
                               const_cast<wchar_t *>(reinterpret_cast<const wchar_t *>(block.utf16())), nullptr,
                               &start.StartupInfo, &child));
        QByteArray shown;
        readUntil(outRead, "Password for anna at 127.0.0.1: ", shown);
        QVERIFY2(screenText(shown).contains("Password for anna at 127.0.0.1: "), shown.constData());
        QThread::msleep(1500);
        DWORD n = 0;
        if (interrupt) {
            // Ctrl-C on the console: the handler gives the echo back, the
            // default one ends the program.
            QVERIFY(WriteFile(inWrite, "\x03", 1, &n, nullptr));
            QCOMPARE(WaitForSingleObject(child.hProcess, 10000), DWORD(WAIT_OBJECT_0));
            DWORD code = 0;
            QVERIFY(GetExitCodeProcess(child.hProcess, &code));
            // Wine's console ends it with 0, not with Windows' Ctrl-C status.
            if (!hostsystem::underWine())
                QCOMPARE(code, DWORD(STATUS_CONTROL_C_EXIT));
        } else {
            QVERIFY(WriteFile(inWrite, "secret\r", 7, &n, nullptr));
            QCOMPARE(WaitForSingleObject(child.hProcess, 10000), DWORD(WAIT_OBJECT_0));
            DWORD code = 1;
            QVERIFY(GetExitCodeProcess(child.hProcess, &code));
            QCOMPARE(code, DWORD(0));
            readUntil(outRead, "\n", shown);
            QVERIFY2(!shown.contains("secret"), shown.constData());   // never echoed
        }
        ClosePseudoConsole(console);
        CloseHandle(child.hProcess);
        CloseHandle(child.hThread);
        DeleteProcThreadAttributeList(start.lpAttributeList);
        for (HANDLE h : {inRead, inWrite, outRead, outWrite})
            CloseHandle(h);
    }
}
