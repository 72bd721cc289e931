#include "carddav/Auth.h"

#include <QCryptographicHash>
#include <QUrl>

namespace carddav {

namespace {

bool tokenChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
        || QByteArrayView("!#$%&'*+-.^_`|~/").contains(c);
}

void skipSpace(const QByteArray &s, qsizetype &i)
{
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
}

QByteArray token(const QByteArray &s, qsizetype &i)
{
    const qsizetype from = i;
    while (i < s.size() && tokenChar(s[i]))
        ++i;
    return s.mid(from, i - from);
}

QByteArray value(const QByteArray &s, qsizetype &i)
{
    skipSpace(s, i);
    if (i >= s.size() || s[i] != '"') {
        // A token, or token68's trailing padding.
        const qsizetype from = i;
        while (i < s.size() && s[i] != ',' && s[i] != ' ' && s[i] != '\t')
            ++i;
        return s.mid(from, i - from);
    }
    QByteArray out;
    for (++i; i < s.size() && s[i] != '"'; ++i) {
        if (s[i] == '\\' && i + 1 < s.size())
            ++i;
        out += s[i];
    }
    ++i;
    return out;
}

QByteArray algorithmOf(const Challenge &c)
{
    const QByteArray a = c.params.value("algorithm", "MD5").toUpper();
    return a;
}

bool sha256(const Challenge &c)
{
    return algorithmOf(c).startsWith("SHA-256");
}

QByteArray hash(const Challenge &c, const QByteArray &text)
{
    return QCryptographicHash::hash(text, sha256(c) ? QCryptographicHash::Sha256 : QCryptographicHash::Md5).toHex();
}

// The qop this client uses: auth where offered, auth-int when only that is,
// none for a server of RFC 2069 that names no qop.
QByteArray qopOf(const Challenge &c)
{
    if (!c.params.contains("qop"))
        return QByteArray();
    QByteArray chosen;
    for (QByteArray q : c.params.value("qop").split(',')) {
        q = q.trimmed().toLower();
        if (q == "auth")
            return q;
        if (q == "auth-int")
            chosen = q;
    }
    return chosen.isEmpty() ? QByteArray("?") : chosen;
}

QByteArray quoted(const QByteArray &v)
{
    QByteArray out = v;
    out.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + out + '"';
}

bool ascii(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (uchar(c) >= 0x80 || uchar(c) < 0x20)
            return false;
    }
    return true;
}

} // namespace

QVector<Challenge> parseChallenges(const QByteArray &header)
{
    QVector<Challenge> out;
    qsizetype i = 0;
    while (i < header.size()) {
        skipSpace(header, i);
        if (i < header.size() && (header[i] == ',' || header[i] == '\n' || header[i] == '\r')) {
            ++i;
            continue;
        }
        const QByteArray name = token(header, i);
        if (name.isEmpty()) {
            ++i;    // nothing this parser knows: skip it
            continue;
        }
        skipSpace(header, i);
        if (i < header.size() && header[i] == '=' && !out.isEmpty()) {
            ++i;
            out.last().params.insert(name.toLower(), value(header, i));
        } else {
            out.append({name.toLower(), {}});
        }
    }
    return out;
}

bool digestSupported(const Challenge &c)
{
    const QByteArray a = algorithmOf(c);
    const bool algorithm = a == "MD5" || a == "MD5-SESS" || a == "SHA-256" || a == "SHA-256-SESS";
    return algorithm && qopOf(c) != "?" && c.params.contains("nonce");
}

const Challenge *pickChallenge(const QVector<Challenge> &challenges)
{
    const Challenge *best = nullptr;
    int bestRank = 0;
    for (const Challenge &c : challenges) {
        int rank = 0;
        if (c.scheme == "digest" && digestSupported(c))
            rank = sha256(c) ? 3 : 2;
        else if (c.scheme == "basic")
            rank = 1;
        if (rank > bestRank) {
            best = &c;
            bestRank = rank;
        }
    }
    return best;
}

QByteArray controlParameter(const Challenge &c)
{
    for (auto it = c.params.cbegin(); it != c.params.cend(); ++it) {
        for (const char ch : it.value()) {
            if ((uchar(ch) < 0x20 && ch != '\t') || uchar(ch) == 0x7F)
                return it.key();
        }
    }
    return QByteArray();
}

QByteArray basicAuthorization(const QString &user, const QString &password)
{
    return "Basic " + (user + QLatin1Char(':') + password).toUtf8().toBase64();
}

QByteArray digestAuthorization(const Challenge &c, const QString &user, const QString &password,
                               const DigestRequest &r)
{
    const QByteArray realm = c.params.value("realm"), nonce = c.params.value("nonce");
    const QByteArray qop = qopOf(c), algorithm = algorithmOf(c);
    const QByteArray nc = QByteArray::number(r.nc, 16).rightJustified(8, '0');
    const bool userhash = c.params.value("userhash").toLower() == "true";
    const QByteArray name = user.toUtf8();

    QByteArray ha1 = hash(c, name + ':' + realm + ':' + password.toUtf8());
    if (algorithm.endsWith("-SESS"))
        ha1 = hash(c, ha1 + ':' + nonce + ':' + r.cnonce);
    QByteArray a2 = r.method + ':' + r.uri;
    if (qop == "auth-int")
        a2 += ':' + hash(c, r.body);
    const QByteArray ha2 = hash(c, a2);
    const QByteArray response = qop.isEmpty() ? hash(c, ha1 + ':' + nonce + ':' + ha2)
                                              : hash(c, ha1 + ':' + nonce + ':' + nc + ':' + r.cnonce + ':' + qop + ':' + ha2);

    QByteArray out = "Digest ";
    if (userhash)
        out += "username=" + quoted(hash(c, name + ':' + realm));
    else if (ascii(name))
        out += "username=" + quoted(name);
    else    // RFC 7616's extended notation for a name outside ASCII
        out += "username*=UTF-8''" + QUrl::toPercentEncoding(user);
    out += ", realm=" + quoted(realm) + ", nonce=" + quoted(nonce) + ", uri=" + quoted(r.uri)
        + ", algorithm=" + (c.params.contains("algorithm") ? c.params.value("algorithm") : QByteArray("MD5"))
        + ", response=" + quoted(response);
    if (!qop.isEmpty())
        out += ", qop=" + qop + ", nc=" + nc + ", cnonce=" + quoted(r.cnonce);
    if (c.params.contains("opaque"))
        out += ", opaque=" + quoted(c.params.value("opaque"));
    if (userhash)
        out += ", userhash=true";
    return out;
}

} // namespace carddav
