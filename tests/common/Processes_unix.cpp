#include "tests/common/Processes.h"

#include <QProcess>

#include <unistd.h>

void withoutTerminal(QProcess &p)
{
    p.setChildProcessModifier([] { ::setsid(); });
}
