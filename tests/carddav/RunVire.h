#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct Result
{
    int status = -1;
    QString err;
};

// vire-image as a user's script runs it: env as given, no terminal, empty
// standard input; its messages as text. A run that does not end in a minute
// is killed (status -1); a crash says so.
Result runVire(const QStringList &args, const QProcessEnvironment &env, const QString &workDir = QString());
