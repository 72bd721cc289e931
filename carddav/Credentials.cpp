#include "carddav/Credentials.h"
#include "carddav/Terminal.h"

#include <QDir>
#include <QFile>

namespace carddav {

NetrcEntry netrcLookup(const QByteArray &netrc, const QString &host, const QString &user, bool withDefault)
{
    const QList<QByteArray> lines = netrc.split('\n');
    QStringList tokens;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QList<QByteArray> words = lines.at(i).simplified().split(' ');
        // A macro runs to the next blank line; its text is no entry.
        if (words.first() == "macdef") {
            while (i + 1 < lines.size() && !lines.at(i + 1).trimmed().isEmpty())
                ++i;
            continue;
        }
        for (const QByteArray &w : words) {
            if (!w.isEmpty())
                tokens << QString::fromUtf8(w);
        }
    }

    NetrcEntry machine, fallback;
    NetrcEntry *current = nullptr;
    auto done = [&] {
        // An entry for another user is no entry for this one.
        if (current && !user.isEmpty() && !current->login.isEmpty() && current->login != user)
            *current = NetrcEntry{};
    };
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString &t = tokens.at(i);
        const QString next = tokens.value(i + 1);
        if (t == QLatin1String("machine") || t == QLatin1String("default")) {
            done();
            current = nullptr;
            const bool isDefault = t == QLatin1String("default");
            if (!isDefault)
                ++i;
            NetrcEntry &target = isDefault ? fallback : machine;
            if ((isDefault || next.compare(host, Qt::CaseInsensitive) == 0) && !target.found) {
                current = &target;
                current->found = true;
            }
        } else if (t == QLatin1String("login") || t == QLatin1String("password") || t == QLatin1String("account")) {
            if (current && t == QLatin1String("login"))
                current->login = next;
            else if (current && t == QLatin1String("password"))
                current->password = next;
            ++i;
        }
    }
    done();
    return machine.found || !withDefault ? machine : fallback;
}

Login findLogin(const QUrl &url, const QString &user, bool otherOrigin, const Warn &warn)
{
    Login login{user, QString()};
    const QByteArray fromEnv = otherOrigin ? QByteArray() : environmentUtf8(PasswordVariable);
    if (!fromEnv.isEmpty()) {
        login.password = QString::fromUtf8(fromEnv);
    } else {
        const QString path = QDir(netrcFolder()).filePath(QStringLiteral(".netrc"));
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QString mode = readableByOthers(file);
            if (warn && !mode.isEmpty())
                warn(Problem::inFile(Problem::Kind::Plain, path,
                                     QStringLiteral("others can read this file (mode %1), which holds passwords; "
                                                    "chmod 600 it").arg(mode)));
            // Another origin's line is its own, login and all.
            const NetrcEntry entry = netrcLookup(file.read(1024 * 1024), url.host(), otherOrigin ? QString() : user, !otherOrigin);
            if (entry.found && !entry.password.isEmpty()) {
                if (login.user.isEmpty() || otherOrigin)
                    login.user = entry.login.isEmpty() ? user : entry.login;
                login.password = entry.password;
            }
        }
    }
    if (otherOrigin)
        return login;
    if (login.user.isEmpty())
        fail(Problem::Kind::Login, url, QStringLiteral("the server asks for a user name; pass --user NAME"));
    if (!login.password.isEmpty())
        return login;

    QByteArray typed;
    const QByteArray prompt = QStringLiteral("Password for %1 at %2: ").arg(login.user, url.host()).toUtf8();
    if (!promptTerminal(prompt, typed))
        fail(Problem::Kind::Login, url, QStringLiteral("the server asks for %1's password and there is no terminal to ask on; "
                                 "set %2 or add a line for %3 to ~/.netrc")
                      .arg(login.user, QLatin1String(PasswordVariable), url.host()));
    login.password = QString::fromUtf8(typed);
    return login;
}

Login proxyLogin(const QString &host)
{
    QFile file(QDir(netrcFolder()).filePath(QStringLiteral(".netrc")));
    if (!file.open(QIODevice::ReadOnly))
        return Login{};
    const NetrcEntry entry = netrcLookup(file.read(1024 * 1024), host, QString(), false);
    return entry.found ? Login{entry.login, entry.password} : Login{};
}

} // namespace carddav
