#include "files/SystemText.h"

#include <windows.h>

QString systemText(unsigned long code)
{
    wchar_t *text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, DWORD(code), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text),
                   0, nullptr);
    QString s = text ? QString::fromWCharArray(text).trimmed() : QString();
    LocalFree(text);
    if (s.isEmpty())
        s = QStringLiteral("Unknown error 0x%1").arg(unsigned(code), 8, 16, QLatin1Char('0'));
    while (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s;
}
