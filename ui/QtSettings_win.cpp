#include "ui/QtSettings.h"

#include <QRandomGenerator>
#include <QSettings>
#include <QString>

#include <windows.h>

void redirectQtSettings()
{
    // Only INI files take a path; no folder can take a name with '<'.
    for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
        QSettings::setPath(QSettings::IniFormat, scope, QStringLiteral("C:/<no settings>"));
}

QtSettingsShut::QtSettingsShut()
{
    // A volatile key (never written to disk), deleted at once: its handle
    // stays valid, and any key read, made or written through it fails with
    // ERROR_KEY_DELETED. Qt opens its settings below HKEY_CURRENT_USER, which
    // stands for this handle until the destructor.
    const std::wstring name = QStringLiteral("Software\\VIRE Flash editor, no settings %1")
                                  .arg(QRandomGenerator::system()->generate(), 0, 36)
                                  .toStdWString();
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    if (RegDeleteKeyW(HKEY_CURRENT_USER, name.c_str()) != ERROR_SUCCESS
        || RegOverridePredefKey(HKEY_CURRENT_USER, key) != ERROR_SUCCESS) {
        RegCloseKey(key);
        return;
    }
    m_key = key;
}

QtSettingsShut::~QtSettingsShut()
{
    if (!m_key)
        return;
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(static_cast<HKEY>(m_key));
}
