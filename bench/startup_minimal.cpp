// The smallest Qt Widgets program with a window: the yardstick for start-up.
#include "bench/startup_probe.h"

#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    QuitOnFirstPaint probe(&window);
    window.show();
    return app.exec();
}
