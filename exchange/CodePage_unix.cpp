#include "exchange/CodePage.h"

namespace exchange::codepage {

// Unix programs write UTF-8; no code page of the system's breaks a tie.
QByteArray systemCodePage()
{
    return QByteArray();
}

} // namespace exchange::codepage
