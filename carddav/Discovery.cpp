#include "carddav/Discovery.h"

#include "carddav/Session.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace carddav::dav {

using Kind = Problem::Kind;

QUrl resolved(const QUrl &base, const QString &href)
{
    return base.resolved(QUrl(href)).adjusted(QUrl::NormalizePathSegments | QUrl::RemoveFragment);
}

QString encoded(const QUrl &url)
{
    return url.toString(QUrl::RemoveUserInfo | QUrl::FullyEncoded);
}

bool sameResource(const QUrl &a, const QUrl &b)
{
    const auto plain = QUrl::StripTrailingSlash | QUrl::NormalizePathSegments | QUrl::RemoveUserInfo | QUrl::RemoveFragment;
    return a.adjusted(plain) == b.adjusted(plain);
}

bool within(const QUrl &inner, const QUrl &outer)
{
    if (inner.scheme() != outer.scheme() || inner.host().compare(outer.host(), Qt::CaseInsensitive) != 0
        || inner.port(-1) != outer.port(-1))
        return false;
    QString path = outer.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return (inner.path() + QLatin1Char('/')).startsWith(path);
}

bool ok(int status)
{
    return status == 0 || (status >= 200 && status < 300);
}

bool unsupported(int status)
{
    return status == 400 || status == 405 || status == 415 || status == 422 || status == 501;
}

namespace {

// The statuses with words of their own: what each means and what to do.
struct StatusWords
{
    int first, last;
    Kind kind;
    const char *meaning;
    const char *advice;
};

constexpr StatusWords Worded[] = {
    {401, 401, Kind::Login, "user name or password refused", "check --user and the password"},
    {403, 403, Kind::Forbidden, "access forbidden", "check that the user may read this address book"},
    {404, 404, Kind::NotFound, "not found", "check the URL"},
    {410, 410, Kind::NotFound, "not found", "check the URL"},
    {500, std::numeric_limits<int>::max(), Kind::ServerError, "the server failed", "try again later, or tell its administrator"},
};

const StatusWords *wordsOf(int status)
{
    for (const StatusWords &w : Worded) {
        if (status >= w.first && status <= w.last)
            return &w;
    }
    return nullptr;
}

} // namespace

QString statusText(int status)
{
    const StatusWords *w = wordsOf(status);
    return w ? QStringLiteral("%1 (HTTP %2)").arg(QLatin1String(w->meaning)).arg(status)
             : QStringLiteral("HTTP %1").arg(status);
}

void failStatus(const QUrl &url, int status)
{
    const StatusWords *w = wordsOf(status);
    const QString advice = w ? QStringLiteral("; ") + QLatin1String(w->advice) : QString();
    fail(w ? w->kind : Kind::BadAnswer, url, statusText(status) + advice, status);
}

Multistatus multistatus(Session &client, const Answer &a)
{
    return client.expectMultistatus(a);
}

namespace {

const QByteArray DiscoverBody =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<d:propfind xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\"><d:prop>"
    "<d:resourcetype/><d:displayname/><d:getcontenttype/><d:current-user-principal/><c:addressbook-home-set/>"
    "</d:prop></d:propfind>\n";

// A status inside a multistatus means what it means outside one.
void checkStatus(int status, const QUrl &url)
{
    if (status == 403 || status == 404 || status == 410 || status >= 500)
        failStatus(url, status);
    if (!ok(status))
        fail(Kind::BadAnswer, url,
             QStringLiteral("the server answers HTTP %1 for this URL; pass the URL of an address book").arg(status), status);
}

// What the server says about url itself, at depth 0.
DavResponse describe(Session &client, const QUrl &url, QUrl *final)
{
    const Answer a = client.propfindAnswer(url, DiscoverBody, "0");
    *final = a.url;
    const Multistatus ms = multistatus(client, a);
    const DavResponse *self = nullptr;
    for (const DavResponse &r : ms.responses) {
        if (sameResource(resolved(a.url, r.href), a.url)) {
            self = &r;
            break;
        }
    }
    if (!self && ms.responses.size() == 1)
        self = &ms.responses.first();
    if (!self)
        fail(Kind::BadAnswer, a.url, QStringLiteral("the answer says nothing about this URL; pass the URL of an address book"));
    checkStatus(self->status, a.url);
    return *self;
}

// The address books of a home set: the only one, or the user's choice.
QUrl listHomeSet(Session &client, const QUrl &start, const QUrl &homeSet)
{
    Answer h;
    const Multistatus hms = client.propfind(homeSet, DiscoverBody, "1", &h);
    QVector<std::pair<QUrl, QString>> books;
    for (const DavResponse &r : hms.responses) {
        const QUrl url = resolved(h.url, r.href);
        if (sameResource(url, h.url))
            checkStatus(r.status, h.url);
        if (r.addressBook && ok(r.status))
            books.append({url, r.displayName});
    }
    if (books.isEmpty())
        fail(Kind::NotAddressBook, h.url, QStringLiteral("no address book found here; create one or pass the URL of one"));
    if (books.size() == 1)
        return books.first().first;
    std::sort(books.begin(), books.end(), [](const auto &x, const auto &y) { return encoded(x.first) < encoded(y.first); });
    Problem choice;
    choice.kind = Kind::Choice;
    choice.url = start;
    choice.detail = QStringLiteral("%1 address books; pass one of these URLs:").arg(books.size());
    choice.choices = books;
    throw VireError(std::move(choice));
}

// From a principal to the books of its home set.
QUrl fromPrincipal(Session &client, const QUrl &start, const QUrl &principal, const DavResponse *known)
{
    QUrl at = principal;
    const DavResponse p = known ? *known : describe(client, principal, &at);
    if (p.homeSet.isEmpty())
        fail(Kind::NotAddressBook, at, QStringLiteral("the user has no addressbook-home-set; not a CardDAV server? "
                                   "Pass the URL of an address book"));
    return listHomeSet(client, start, resolved(at, p.homeSet));
}

// What url is when it is none of the things discovery starts from.
[[noreturn]] void notABook(const QUrl &url, const DavResponse &self)
{
    QString what;
    if (self.calendar)
        what = QStringLiteral("is a calendar, not an address book");
    else if (self.contentType.startsWith(QLatin1String("text/vcard"), Qt::CaseInsensitive)
             || self.contentType.startsWith(QLatin1String("text/x-vcard"), Qt::CaseInsensitive))
        what = QStringLiteral("is a single card, not an address book");
    else if (!self.collection)
        what = QStringLiteral("is a single file, not an address book");
    else
        what = QStringLiteral("is a collection, not an address book");
    fail(Kind::NotAddressBook, url, what + QStringLiteral("; pass the URL of an address book"));
}

} // namespace

QUrl findAddressBook(Session &client, const QUrl &start)
{
    const bool root = start.path().isEmpty() || start.path() == QLatin1String("/");
    QUrl at;
    DavResponse self;
    std::optional<VireError> refused;
    try {
        self = describe(client, start, &at);
    } catch (const VireError &e) {
        // A server's root is often no WebDAV resource, or a forbidden one:
        // the well-known address is where discovery starts then.
        const bool tryWellKnown = e.kind() == Kind::Forbidden || e.kind() == Kind::NotFound || e.kind() == Kind::BadAnswer;
        if (!root || !tryWellKnown)
            throw;
        refused = e;
    }
    if (!refused) {
        if (self.addressBook)
            return at;
        if (self.calendar || (!self.collection && !self.principalType && self.homeSet.isEmpty() && !root))
            notABook(at, self);
        if (!self.homeSet.isEmpty())
            return listHomeSet(client, start, resolved(at, self.homeSet));
        if (self.principalType)   // a principal without books: not another one's
            return fromPrincipal(client, start, at, &self);
        if (!self.principal.isEmpty()) {
            const QUrl principal = resolved(at, self.principal);
            if (root || sameResource(principal, at))
                return fromPrincipal(client, start, principal, sameResource(principal, at) ? &self : nullptr);
            // A collection of the user's: only the home set itself or what
            // lies above it leads to the user's books.
            QUrl p;
            const DavResponse owner = describe(client, principal, &p);
            const QUrl homeSet = owner.homeSet.isEmpty() ? QUrl() : resolved(p, owner.homeSet);
            if (homeSet.isEmpty() || !within(homeSet, at))
                notABook(at, self);
            return listHomeSet(client, start, homeSet);
        }
        if (!root)
            notABook(at, self);
    }

    const QUrl wellKnown = start.resolved(QUrl(QStringLiteral("/.well-known/carddav")));
    DavResponse context;
    try {
        context = describe(client, wellKnown, &at);
    } catch (const VireError &e) {
        if (e.kind() != Kind::NotFound && e.kind() != Kind::BadAnswer && e.kind() != Kind::Forbidden)
            throw;
        if (refused && refused->kind() == Kind::Forbidden)
            throw *refused;
        fail(Kind::NotAddressBook, start, QStringLiteral("no CardDAV service here, nor at /.well-known/carddav; "
                                       "pass the URL of an address book"));
    }
    if (context.addressBook)
        return at;
    if (!context.homeSet.isEmpty())
        return listHomeSet(client, start, resolved(at, context.homeSet));
    if (context.principal.isEmpty())
        fail(Kind::NotAddressBook, start, QStringLiteral("the server names no address books (no current-user-principal); "
                                   "pass the URL of an address book"));
    const QUrl principal = resolved(at, context.principal);
    return fromPrincipal(client, start, principal, sameResource(principal, at) ? &context : nullptr);
}

} // namespace carddav::dav
