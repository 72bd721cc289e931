// Writes the application icon as the PNG files that get installed:
// make_icons <folder> writes <folder>/16/vire-flash-editor.png and .../32/...
#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons <folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 32}) {
        const QString dir = out.filePath(QString::number(size));
        if (!QDir().mkpath(dir) || !pictures::telephone(size).save(dir + QStringLiteral("/vire-flash-editor.png"))) {
            std::fprintf(stderr, "make_icons: cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    return 0;
}
