#pragma once

// Qt's file dialog keeps its folder history, last folder, side bar and column
// layout in the user's "QtProject" settings: read when a dialog is made,
// written when it goes. The program keeps no settings, so neither may reach
// the disk or the registry (QtSettings_unix.cpp, QtSettings_win.cpp).

// Points Qt's settings files below a folder where no file can ever be read
// or made. Called before the first dialog.
void redirectQtSettings();

// While one lives, Qt's native settings read nothing and keep nothing. On
// Windows they are the registry, which no path redirects: the current
// user's hive is then a key that was deleted, where every read finds nothing
// and every write fails. Held only while a dialog is made and destroyed, so
// that the system's own dialog keeps its recent files while it is open.
class QtSettingsShut
{
public:
    QtSettingsShut();
    ~QtSettingsShut();
    QtSettingsShut(const QtSettingsShut &) = delete;
    QtSettingsShut &operator=(const QtSettingsShut &) = delete;

private:
    void *m_key = nullptr;
};
