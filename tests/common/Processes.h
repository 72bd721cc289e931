#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// How a program ran: its exit status (-1 when it crashed or was stopped),
// standard output, and its messages as text with "\n" line ends.
struct Result
{
    int status = -1;
    QByteArray out;
    QString err;
};

// program as a user's script runs it: no terminal, empty standard input, in
// workDir when given, with env. A run that does not end in a minute is
// stopped; a crash says so in err.
Result runProgram(const QString &program, const QStringList &args, const QString &workDir = QString(),
                  const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());

QString vireImage();
// vire-image, run as above.
Result runVire(const QStringList &args, const QString &workDir = QString(),
               const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());

// The user entries an image holds, as "vire-image info" counts them; -1
// when it cannot tell.
int userEntries(const QString &image);
