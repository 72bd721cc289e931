#include "ui/QtSettings.h"

#include <QSettings>

void redirectQtSettings()
{
    // Below /dev/null no file can ever be read or made.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, QStringLiteral("/dev/null"));
}

// Qt's native settings are files here, redirected above.
QtSettingsShut::QtSettingsShut() = default;
QtSettingsShut::~QtSettingsShut() = default;
