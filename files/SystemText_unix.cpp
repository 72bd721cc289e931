#include "files/SystemText.h"

QString systemText(unsigned long code)
{
    return qt_error_string(int(code));
}
