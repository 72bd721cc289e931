#include "DavImport.h"

#include "Credentials.h"
#include "DavClient.h"
#include "Diagnostics.h"
#include "Tool.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace cli {

namespace {

// Shown on a terminal once a fetch has taken a second: a user then knows the
// tool is working, not stuck.
class Progress
{
public:
    explicit Progress(const QString &url) : m_url(url), m_terminal(::isatty(STDERR_FILENO) == 1) { m_clock.start(); }
    ~Progress() { finish(); }

    void received(qint64 bytes)
    {
        if (!m_terminal || m_clock.elapsed() < 1000 || m_clock.elapsed() - m_last < 100)
            return;
        m_last = m_clock.elapsed();
        std::fprintf(stderr, "\r%s: %lld KiB received", qPrintable(m_url), static_cast<long long>(bytes / 1024));
        std::fflush(stderr);
        m_shown = true;
    }

    void finish()
    {
        if (m_shown)
            std::fputc('\n', stderr);
        m_shown = false;
    }

private:
    QString m_url;
    bool m_terminal;
    bool m_shown = false;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
};

// The client's error as the tool's message: the URL without user
// information, the server's text made safe.
QString davMessage(const carddav::DavError &e)
{
    QString text = diagnostic(e.url.isEmpty() ? e.file : safeUrl(e.url), 0, "error", e.detail);
    for (const auto &[url, name] : e.books)
        text += QStringLiteral("\n  ") + safeUrl(url) + (name.isEmpty() ? QString() : QStringLiteral("  (%1)").arg(safeText(name)));
    return text;
}

} // namespace

bool isDavUrl(const QString &source)
{
    return source.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || source.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

void CardPlaces::add(int firstLine, const QString &url)
{
    m_starts.append(firstLine);
    m_urls.append(url);
}

QString CardPlaces::where(const QString &source, int line) const
{
    const auto it = std::upper_bound(m_starts.cbegin(), m_starts.cend(), line);
    return it == m_starts.cbegin() ? source : m_urls.at(it - m_starts.cbegin() - 1);
}

int CardPlaces::line(int line) const
{
    return m_urls.isEmpty() ? line : 0;
}

QString CardPlaces::named(QString text) const
{
    if (m_urls.isEmpty())
        return text;
    static const QRegularExpression lineRef(QStringLiteral("\\bline (\\d+)"));
    QRegularExpressionMatch m;
    qsizetype from = 0;
    while ((m = lineRef.match(text, from)).hasMatch()) {
        const QString url = where(QString(), m.captured(1).toInt());
        text.replace(m.capturedStart(), m.capturedLength(), url);
        from = m.capturedStart() + url.size();
    }
    return text;
}

exchange::ReadResult readDav(const QString &source, const QString &user, const QString &caFile, exchange::Mode mode,
                             CardPlaces &places)
{
    const QUrl url(source, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        throw tool::Failure{QStringLiteral("%1: error: not a valid URL").arg(source)};
    // Whoever can list the processes can read a command line.
    if (!url.password().isEmpty())
        throw tool::Failure{QStringLiteral("%1: error: a password in the URL is refused, as others can read it; "
                                           "set %2, use ~/.netrc, or type it when asked")
                                .arg(carddav::shownUrl(url), QLatin1String(carddav::PasswordVariable))};

    carddav::ClientOptions options;
    options.user = user.isEmpty() ? url.userName() : user;
    options.caFile = caFile;
    options.credentials = carddav::findLogin;
    Progress progress(carddav::shownUrl(url));
    options.progress = [&progress](qint64 bytes) { progress.received(bytes); };

    QVector<carddav::Card> cards;
    try {
        cards = carddav::fetchCards(url, options);
    } catch (const carddav::DavError &e) {
        progress.finish();
        throw tool::Failure{davMessage(e)};
    }
    progress.finish();

    exchange::ReadResult all;
    all.contacts.reserve(cards.size());
    int base = 0;
    for (const carddav::Card &card : cards) {
        exchange::ReadResult one = exchange::readVCard(card.vcard, mode);
        all.skipped += one.skipped;
        all.leftOut += one.leftOut;
        all.users += one.users;
        places.add(base + 1, card.url);
        for (exchange::Contact &c : one.contacts) {
            c.line += base;
            all.contacts.append(std::move(c));
        }
        for (exchange::Diagnostic &d : one.warnings)
            all.warnings.append({base + qMax(d.line, 1), d.text});
        for (exchange::Diagnostic &d : one.errors)
            all.errors.append({base + qMax(d.line, 1), d.text});
        base += int(card.vcard.count('\n')) + 1;
    }
    if (!all.ok())
        all.contacts.clear();
    return all;
}

} // namespace cli
