#include "cli/Commands.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // Standard output takes bytes as they are: CSV and vCard keep their CRLF
    // line ends rather than becoming CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
    // Messages and listings are UTF-8, whatever the console's code page.
    SetConsoleOutputCP(CP_UTF8);
#endif
    QCoreApplication app(argc, argv);
    return cli::run(QCoreApplication::arguments().mid(1));
}
