#include "Platform.h"

#include "CommonDialog1.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>

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

std::optional<QString> QtPlatform::showFileDialog(QWidget *parent, FileDialogKind kind,
                                                  const QString &title, const QString &fileName,
                                                  const QString &filter)
{
    const QString qtFilter = CommonDialog1::qtFilter(filter);
    // No default suffix is set, so a typed name is used as typed; the save
    // dialog asks before it replaces an existing file. Qt's own dialog, not
    // the desktop's: that one records recently used files and folders.
    const auto options = QFileDialog::DontUseNativeDialog;
    const QString path = kind == FileDialogKind::Open
        ? QFileDialog::getOpenFileName(parent, title, fileName, qtFilter, nullptr, options)
        : QFileDialog::getSaveFileName(parent, title, fileName, qtFilter, nullptr, options);
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
