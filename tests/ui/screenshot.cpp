// Renders the window as it stands after start to a PNG: screenshot <file.png>
#include "tests/common/FakePlatform.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot <file.png>\n");
        return 2;
    }
    FakePlatform platform;
    Form1 window(platform);
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
