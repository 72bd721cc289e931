// The editor's start-up, ending once its window has painted.
#include "ui/Form1.h"
#include "ui/Platform.h"
#include "bench/startup_probe.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VIRE Flash editor"));
    QtPlatform platform;
    Form1 window(platform);
    QApplication::setWindowIcon(window.windowIcon());
    QuitOnFirstPaint probe(&window);
    window.show();
    return app.exec();
}
