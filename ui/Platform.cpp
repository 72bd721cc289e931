#include "Platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStringList>

QtPlatform::QtPlatform()
{
    // Qt's file dialog keeps its folder history, last folder, side bar and
    // column layout in the user's "QtProject" settings: read when a dialog is
    // made, written when it closes. The program keeps no settings, so Qt's
    // settings files are looked for below /dev/null, where no file can ever
    // be read or made. The program itself uses no QSettings.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, QStringLiteral("/dev/null"));
}

QString QtPlatform::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                     .join(QLatin1Char(' '))
                                     .trimmed();
        // Qt takes the patterns from the last parentheses of the description;
        // descriptions that already show them stay as they are.
        if (description.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')))
            filters << description;
        else
            filters << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<QString> QtPlatform::showFileDialog(QWidget *parent, FileDialogKind kind,
                                                  const QString &title, const QString &fileName,
                                                  const QString &filter)
{
    // The desktop's own dialog where Qt has one (Windows, macOS, a GTK or
    // portal platform theme), with its bookmarks and recent places; Qt's
    // widget dialog elsewhere. No default suffix is set, so a typed name is
    // used as typed; either dialog asks before a save replaces a file.
    const QString path = kind == FileDialogKind::Open
        ? QFileDialog::getOpenFileName(parent, title, fileName, qtFilter(filter))
        : QFileDialog::getSaveFileName(parent, title, fileName, qtFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void QtPlatform::showError(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtPlatform::beep()
{
    QApplication::beep();
}
