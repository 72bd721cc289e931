#pragma once

#include <QString>

class Platform;
class QWidget;

// The window's file dialog: file name, title and filter are set before each
// use; a cancel is thrown as the cancelled error (32755).
class CommonDialog1
{
public:
    CommonDialog1(Platform &platform, QWidget *parent);

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }
    void setDialogTitle(const QString &title) { m_title = title; }
    // "Description|pattern|Description|pattern...", patterns separated by ";".
    void setFilter(const QString &filter) { m_filter = filter; }

    // On a choice, fileName() is the chosen full path.
    void showOpen();
    void showSave();

private:
    void show(bool save);

    Platform &m_platform;
    QWidget *m_parent;
    QString m_fileName;
    QString m_title;
    QString m_filter;
};
