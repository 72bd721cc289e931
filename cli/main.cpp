#include "Commands.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return cli::run(QCoreApplication::arguments().mid(1));
}
