#include "tests/common/Processes.h"

#include <QProcess>

#include <windows.h>

void withoutTerminal(QProcess &p)
{
    // No console at all: the prompt finds no CONIN$ to ask on.
    p.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *a) {
        a->flags |= DETACHED_PROCESS;
    });
}
