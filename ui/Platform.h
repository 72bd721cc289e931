#pragma once

#include <QString>
#include <optional>

class QWidget;

// What the window asks of the platform: file dialogs, message boxes and the
// beep. Tests put a scripted fake in its place.
class Platform
{
public:
    enum class FileDialogKind { Open, Save };

    virtual ~Platform() = default;

    // Shows a modal file dialog. filter is in the "Description|pattern|..."
    // form. Gives back the chosen full path, or nothing when cancelled.
    virtual std::optional<QString> showFileDialog(QWidget *parent, FileDialogKind kind,
                                                  const QString &title, const QString &fileName,
                                                  const QString &filter) = 0;
    // A modal box with the error icon and a single OK button.
    virtual void showError(QWidget *parent, const QString &text, const QString &title) = 0;
    virtual void beep() = 0;
};

// The real thing: the desktop's file dialog where Qt has one for it (Qt's own
// dialog elsewhere), QMessageBox and QApplication::beep(). Made before the
// first dialog; from then on Qt keeps no settings for the program.
class QtPlatform : public Platform
{
public:
    QtPlatform();

    // A "Description|pattern|..." filter in Qt's "Description (patterns);;..." form.
    static QString qtFilter(const QString &filter);

    std::optional<QString> showFileDialog(QWidget *parent, FileDialogKind kind,
                                          const QString &title, const QString &fileName,
                                          const QString &filter) override;
    void showError(QWidget *parent, const QString &text, const QString &title) override;
    void beep() override;
};
