#include "ui/Form1.h"
#include "ui/Platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VIRE Flash editor"));
    QApplication::setApplicationVersion(QStringLiteral(VIRE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.VireFlashEditor"));

    QtPlatform platform;
    Form1 window(platform);
    // Message boxes and dialogs carry the window's icon too.
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return app.exec();
}
