#include "exchange/CodePage.h"

#include <windows.h>

namespace exchange::codepage {

// The ANSI code page, in which Outlook on this Windows writes its CSV.
QByteArray systemCodePage()
{
    const UINT acp = GetACP();
    switch (acp) {
    case 932: return QByteArrayLiteral("Shift_JIS");
    case 936: return QByteArrayLiteral("GB18030");
    case 949: return QByteArrayLiteral("windows-949");
    case 950: return QByteArrayLiteral("Big5");
    case 874: return QByteArrayLiteral("windows-874");
    default: break;
    }
    QByteArray name;
    if (acp >= 1250 && acp <= 1258) {
        name = QByteArrayLiteral("windows-");
        name.append(QByteArray::number(uint(acp)));
    }
    return name;
}

} // namespace exchange::codepage
