#include "Platform.h"

#include "CommonDialog1.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

std::optional<QString> QtPlatform::showFileDialog(QWidget *parent, FileDialogKind kind,
                                                  const QString &title, const QString &fileName,
                                                  const QString &filter)
{
    const QString qtFilter = CommonDialog1::qtFilter(filter);
    // No default suffix is set, so a typed name is used as typed; the save
    // dialog asks before it replaces an existing file.
    const QString path = kind == FileDialogKind::Open
        ? QFileDialog::getOpenFileName(parent, title, fileName, qtFilter)
        : QFileDialog::getSaveFileName(parent, title, fileName, qtFilter);
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
