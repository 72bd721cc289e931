#include "Form1.h"
#include "Pictures.h"
#include "Platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(pictures::styleWithLazyOverflowArrow());
    QApplication::setApplicationName(QStringLiteral("VIRE Flash editor"));
    QApplication::setDesktopFileName(QStringLiteral("vire-flash-editor"));
    QApplication::setWindowIcon(pictures::applicationIcon());

    QtPlatform platform;
    Form1 window(platform);
    window.show();
    return app.exec();
}
