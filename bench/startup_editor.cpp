// The editor's start-up, ending once its window has painted.
#include "Form1.h"
#include "Pictures.h"
#include "Platform.h"
#include "startup_probe.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(pictures::styleWithLazyOverflowArrow());
    QApplication::setApplicationName(QStringLiteral("VIRE Flash editor"));
    QApplication::setWindowIcon(pictures::applicationIcon());
    QtPlatform platform;
    Form1 window(platform);
    QuitOnFirstPaint probe(&window);
    window.show();
    return app.exec();
}
