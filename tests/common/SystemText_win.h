#pragma once

#include <QString>

#include <windows.h>

// The system's text for an error, as the messages quote it (no full stop).
inline QString systemText(DWORD code)
{
    wchar_t *text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text), 0,
                   nullptr);
    QString s = text ? QString::fromWCharArray(text).trimmed() : QString();
    LocalFree(text);
    while (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s;
}
