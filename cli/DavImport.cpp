#include "cli/DavImport.h"

#include "carddav/Credentials.h"
#include "carddav/DavClient.h"
#include "cli/CommandLine.h"
#include "cli/Diagnostics.h"
#include "carddav/Terminal.h"
#include "cli/Tool.h"

#include <QElapsedTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <new>
#include <utility>

namespace cli {

namespace {

// On a terminal, once a request has waited a second: one line, redrawn at
// most four times a second, saying what is waited for, how long and what
// came, so that a user knows the tool is working, not stuck. It goes when
// the request is over, and before a password is asked for.
class Progress
{
public:
    Progress() : m_terminal(carddav::stderrIsTerminal()) { m_clock.start(); }
    ~Progress() { clear(); }

    void update(const carddav::Waiting &w)
    {
        if (!m_terminal)
            return;
        if (w.done) {
            clear();
            return;
        }
        if (w.waitedMs < 1000 || (m_width > 0 && m_clock.elapsed() - m_last < 250))
            return;
        m_last = m_clock.elapsed();
        const QString peer = (w.proxy ? QStringLiteral("the proxy ") : QString()) + safeText(w.peer);
        const QString what = w.method.isEmpty()
            ? QStringLiteral("connecting to %1").arg(peer)
            : QStringLiteral("waiting for %1 to answer %2").arg(peer, QString::fromLatin1(w.method));
        const QString received = w.bytes < 64 * 1024 ? QStringLiteral("%1 bytes").arg(w.bytes)
                                                      : QStringLiteral("%1 KiB").arg(thousands(w.bytes / 1024));
        QString line = QStringLiteral("vire-image: %1: %2 s, %3 received").arg(what).arg(w.waitedMs / 1000).arg(received);
        const int width = int(line.size());
        line = QLatin1Char('\r') + line.leftJustified(m_width);
        std::fputs(line.toUtf8().constData(), stderr);
        std::fflush(stderr);
        m_width = width;
    }

    void clear()
    {
        if (m_width == 0)
            return;
        std::fputs((QLatin1Char('\r') + QString(m_width, QLatin1Char(' ')) + QLatin1Char('\r')).toUtf8().constData(), stderr);
        std::fflush(stderr);
        m_width = 0;
    }

private:
    bool m_terminal;
    int m_width = 0;        // of the line shown; 0 when none is
    QElapsedTimer m_clock;
    qint64 m_last = 0;
};

// The source as typed, without what stands between "://" and the last "@"
// of the authority: user information, a password among it, even in a URL
// that is not valid otherwise.
QString withoutUserInfo(const QString &source)
{
    const qsizetype scheme = source.indexOf(QLatin1String("://"));
    if (scheme < 0)
        return source;
    const qsizetype from = scheme + 3;
    qsizetype end = source.size();
    for (const QChar c : {QLatin1Char('/'), QLatin1Char('?'), QLatin1Char('#')}) {
        const qsizetype i = source.indexOf(c, from);
        if (i >= 0 && i < end)
            end = i;
    }
    const qsizetype at = source.lastIndexOf(QLatin1Char('@'), end - 1);
    return at < from ? source : source.left(from) + source.mid(at + 1);
}

} // namespace

Problem atSource(const QString &source, QString detail)
{
    Problem p;
    p.detail = std::move(detail);
    const QUrl url(source, QUrl::StrictMode);
    if (!isDavUrl(source))
        p.file = source;
    else if (url.isValid())
        p.url = url;
    else
        p.file = withoutUserInfo(source);
    return p;
}

bool isDavUrl(const QString &source)
{
    return source.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || source.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

void checkScheme(const QString &source)
{
    const qsizetype end = source.indexOf(QLatin1String("://"));
    if (end < 1 || !source.at(0).isLetter())
        return;
    for (qsizetype i = 1; i < end; ++i) {
        const QChar c = source.at(i);
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != QLatin1Char('+') && c != QLatin1Char('-')
            && c != QLatin1Char('.'))
            return;
    }
    throw VireError(atSource(source, QStringLiteral("%1:// is not supported; use http:// or https://, or a file")
                                         .arg(source.left(end))));
}

void CardPlaces::add(int firstLine, const QString &url)
{
    m_starts.append(firstLine);
    m_urls.append(url);
}

Problem CardPlaces::placed(Problem problem, const QString &source) const
{
    const auto it = std::upper_bound(m_starts.cbegin(), m_starts.cend(), problem.line);
    if (it == m_starts.cbegin()) {
        Problem p = atSource(source, std::move(problem.detail));
        p.line = problem.line;
        return p;
    }
    problem.file = m_urls.at(it - m_starts.cbegin() - 1);
    problem.line = 0;
    return problem;
}

QString CardPlaces::placeOf(int line) const
{
    const auto it = std::upper_bound(m_starts.cbegin(), m_starts.cend(), line);
    return it == m_starts.cbegin() ? QStringLiteral("line %1").arg(line) : m_urls.at(it - m_starts.cbegin() - 1);
}

namespace {

exchange::ReadResult readDavCards(const QUrl &url, const DavOptions &davOptions, exchange::Mode mode, CardPlaces &places)
{
    // Whoever can list the processes can read a command line.
    if (!url.password().isEmpty()) {
        Problem p;
        p.kind = Problem::Kind::Usage;
        p.url = url;
        p.detail = QStringLiteral("a password in the URL is refused, as others can read it; "
                                  "set %1, use ~/.netrc, or type it when asked")
                       .arg(QLatin1String(carddav::PasswordVariable));
        throw VireError(std::move(p));
    }

    carddav::ClientOptions options;
    options.user = davOptions.user.isEmpty() ? url.userName() : davOptions.user;
    options.caFile = davOptions.caFile;
    options.room = davOptions.room;
    options.entries = [mode](const QByteArray &vcard) { return exchange::readVCard(vcard, mode).users; };
    if (davOptions.timeoutSeconds > 0)
        options.runTimeoutMs = davOptions.timeoutSeconds * 1000;
    options.proxies = !davOptions.noProxy;
    Progress progress;
    options.progress = [&progress](const carddav::Waiting &w) { progress.update(w); };
    bool warned = false;
    const carddav::Warn warn = [&](const Problem &problem) {
        if (!std::exchange(warned, true))
            message(problem, "warning");
    };
    options.credentials = [&](const QUrl &where, const QString &name, bool otherOrigin) {
        progress.clear();
        return carddav::findLogin(where, name, otherOrigin, warn);
    };

    carddav::BookCards cards = carddav::fetchCards(url, options);
    progress.clear();

    exchange::ReadResult all;
    all.contacts.reserve(cards.cards.size());
    // Fetching stopped for room: the count makes the import refuse with the
    // room the image has.
    if (cards.tooMany > 0) {
        all.users = cards.tooMany;
        return all;
    }
    int base = 0;
    for (carddav::Card &card : cards.cards) {
        if (!card.missing.isEmpty()) {
            // Listed but not sent: the phone book must not lose it unnoticed.
            places.add(++base, card.url);
            const QString text = QStringLiteral("the server lists this card but did not send it: %1").arg(card.missing);
            if (mode != exchange::Mode::Add) {
                all.errors.append(Problem::at(base, text));
            } else {
                all.warnings.append(Problem::at(base, text + QStringLiteral("; skipped")));
                ++all.skipped;
            }
            continue;
        }
        exchange::ReadResult one = exchange::readVCard(card.vcard, mode);
        all.skipped += one.skipped;
        all.leftOut += one.leftOut;
        all.users += one.users;
        places.add(base + 1, card.url);
        for (exchange::Contact &c : one.contacts) {
            c.line += base;
            all.contacts.append(std::move(c));
        }
        for (Problem &p : one.warnings) {
            p.line = base + qMax(p.line, 1);
            all.warnings.append(std::move(p));
        }
        for (Problem &p : one.errors) {
            p.line = base + qMax(p.line, 1);
            all.errors.append(std::move(p));
        }
        base += int(card.vcard.count('\n')) + 1;
        card.vcard = QByteArray();   // read: its memory goes back before the next
    }
    if (!all.ok())
        all.contacts.clear();
    return all;
}

} // namespace

exchange::ReadResult readDav(const QString &source, const DavOptions &davOptions, exchange::Mode mode, CardPlaces &places)
{
    const QUrl url(source, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        throw VireError(atSource(source, QStringLiteral("not a valid URL")));
    try {
        return readDavCards(url, davOptions, mode, places);
    } catch (const std::bad_alloc &) {
        throw VireError(atSource(source, QStringLiteral("out of memory")));
    }
}

} // namespace cli
