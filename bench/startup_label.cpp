// The second yardstick: the bare window with a menu bar and a label. Its
// first text starts fontconfig, as every window that shows a word does.
#include "bench/startup_probe.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.setCentralWidget(new QLabel(QStringLiteral("Phone book")));
    QuitOnFirstPaint probe(&window);
    window.show();
    return app.exec();
}
