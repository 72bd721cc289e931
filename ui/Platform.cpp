#include "ui/Platform.h"
#include "ui/QtSettings.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include <memory>

QtPlatform::QtPlatform()
{
    // The program itself uses no QSettings; Qt's file dialog keeps nothing.
    redirectQtSettings();
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
    // Made and destroyed with Qt's settings shut: it reads them when made
    // and writes them when destroyed. Otherwise as QFileDialog's static
    // functions do it.
    std::unique_ptr<QFileDialog> dialog;
    {
        const QtSettingsShut shut;
        dialog = std::make_unique<QFileDialog>(parent, title, fileName, qtFilter(filter));
    }
    if (kind == FileDialogKind::Open)
        dialog->setFileMode(QFileDialog::ExistingFile);
    else
        dialog->setAcceptMode(QFileDialog::AcceptSave);
    const QString path = dialog->exec() == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
    {
        const QtSettingsShut shut;
        dialog.reset();
    }
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
