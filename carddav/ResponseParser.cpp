#include "carddav/ResponseParser.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace carddav {

namespace {

using Kind = Problem::Kind;

// A Content-Length may reserve this much at once; a larger body grows as it comes.
constexpr qint64 MaxReserve = 64 * 1024 * 1024;

bool tokenChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
        || std::strchr("!#$%&'*+-.^_`|~", c) != nullptr;
}

bool digit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (digit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

QByteArray trimmedSpace(const QByteArray &v)
{
    qsizetype from = 0, to = v.size();
    while (from < to && (v[from] == ' ' || v[from] == '\t'))
        ++from;
    while (to > from && (v[to - 1] == ' ' || v[to - 1] == '\t'))
        --to;
    return v.mid(from, to - from);
}

// A comma-separated list's elements, trimmed and in lower case.
QList<QByteArray> elements(const QByteArray &value)
{
    QList<QByteArray> out;
    for (const QByteArray &e : value.split(','))
        out << trimmedSpace(e).toLower();
    return out;
}

} // namespace

ResponseParser::ResponseParser(qint64 runBytes, qint64 used, Request request)
    : m_runBytes(runBytes), m_budget(qMax<qint64>(0, runBytes - qMax<qint64>(0, used))), m_request(request)
{
}

ResponseParser::State ResponseParser::feed(QByteArrayView bytes)
{
    const char *p = bytes.data();
    qsizetype n = bytes.size();
    while (n > 0 && m_state == State::NeedMore) {
        qsizetype used = 0;
        switch (m_phase) {
        case Phase::Length:
        case Phase::ChunkData:
            // The size was checked against the budget when it was announced.
            used = qsizetype(qMin<qint64>(n, m_left));
            m_body.append(p, used);
            m_consumed += used;
            m_left -= used;
            if (m_left == 0) {
                if (m_phase == Phase::Length)
                    complete();
                else
                    m_phase = Phase::ChunkEnd;
            }
            break;
        case Phase::ToClose:
            if (n > m_budget - m_consumed) {
                tooLarge();
                return m_state;
            }
            m_body.append(p, n);
            m_consumed += n;
            used = n;
            break;
        default:
            used = takeLine(p, n);
        }
        p += used;
        n -= used;
    }
    if (m_state == State::Complete)
        m_extra += n;
    return m_state;
}

// Takes bytes of a line, at most to its end; the whole line is read once its
// LF has come. Every limit is checked on what is taken, so that the same
// bytes fail the same way however they are split.
qsizetype ResponseParser::takeLine(const char *data, qsizetype size)
{
    const void *lf = std::memchr(data, '\n', size_t(size));
    qsizetype k = lf ? static_cast<const char *>(lf) - data + 1 : size;
    // A status line shows in its first five bytes whether it is HTTP; the end
    // of a chunk in its first two whether it is a line end.
    if (m_phase == Phase::StatusLine && m_line.size() < 5)
        k = qMin<qsizetype>(k, 5 - m_line.size());
    if (m_phase == Phase::ChunkEnd)
        k = qMin<qsizetype>(k, 2 - m_line.size());

    const bool head = m_phase == Phase::StatusLine || m_phase == Phase::Headers || m_phase == Phase::Trailers;
    const qint64 budgetRoom = m_budget - m_consumed;
    const qint64 lineRoom = MaxHeadBytes - m_line.size();
    const qint64 headRoom = head ? MaxHeadBytes - m_framing : std::numeric_limits<qint64>::max();
    if (k > budgetRoom || k > lineRoom || k > headRoom) {
        if (budgetRoom <= lineRoom && budgetRoom <= headRoom)
            tooLarge();
        else if (m_phase == Phase::Trailers)
            broken(QStringLiteral("trailer fields larger than 64 KiB"));
        else if (head)
            failWith(Kind::BadAnswer, QStringLiteral("the answer's header is larger than 64 KiB; not an HTTP server?"));
        else
            broken(QStringLiteral("a chunk size line longer than 64 KiB"));
        return k;
    }
    m_line.append(data, k);
    m_consumed += k;
    if (head)
        m_framing += k;

    if (m_phase == Phase::StatusLine && !QByteArrayView("HTTP/").startsWith(QByteArrayView(m_line.constData(), qMin<qsizetype>(5, m_line.size())))) {
        failWith(Kind::BadAnswer, QStringLiteral("the answer is not HTTP; check the URL's scheme and port"));
        return k;
    }
    if (m_phase == Phase::ChunkEnd && m_line != "\r" && m_line != "\r\n" && m_line != "\n") {
        broken(QStringLiteral("a chunk longer than its size"));
        return k;
    }
    if (m_line.endsWith('\n')) {
        QByteArray text = std::move(m_line);
        m_line = QByteArray();
        text.chop(text.endsWith("\r\n") ? 2 : 1);
        line(text);
    }
    return k;
}

bool ResponseParser::line(const QByteArray &text)
{
    if (text.contains('\0'))
        return broken(QStringLiteral("a NUL byte in its header or framing"));
    if (text.contains('\r'))
        return broken(QStringLiteral("a CR that ends no line"));
    switch (m_phase) {
    case Phase::StatusLine:
        return statusLine(text);
    case Phase::Headers:
        return text.isEmpty() ? headEnded() : header(text);
    case Phase::ChunkSize:
        return chunkSize(text);
    case Phase::ChunkEnd:
        m_phase = Phase::ChunkSize;
        return true;
    case Phase::Trailers:
        // Trailer fields: checked as header lines, not needed.
        if (text.isEmpty()) {
            complete();
            return true;
        }
        return header(text);
    default:
        return false;
    }
}

bool ResponseParser::statusLine(const QByteArray &text)
{
    // HTTP/1.x SP three digits, then nothing or SP and a reason.
    if (text.size() < 8 || !text.startsWith("HTTP/1.") || !digit(text[7]))
        return broken(QStringLiteral("a status line that is not HTTP/1.x"));
    const QByteArray rest = text.mid(8);
    if (rest.size() < 4 || rest[0] != ' ' || !digit(rest[1]) || !digit(rest[2]) || !digit(rest[3])
        || (rest.size() > 4 && rest[4] != ' '))
        return broken(QStringLiteral("a status that is not three digits"));
    m_status = rest.mid(1, 3).toInt();
    if (m_status < 100 || m_status > 599)
        return broken(QStringLiteral("status %1, which HTTP does not have").arg(m_status));
    m_http10 = text[7] == '0';
    m_phase = Phase::Headers;
    return true;
}

bool ResponseParser::header(const QByteArray &text)
{
    if (text[0] == ' ' || text[0] == '\t')
        return broken(QStringLiteral("a header line folded onto the next"));
    const qsizetype colon = text.indexOf(':');
    if (colon < 0)
        return broken(QStringLiteral("a header line without a colon"));
    if (colon == 0 || !std::all_of(text.cbegin(), text.cbegin() + colon, tokenChar))
        return broken(QStringLiteral("a header name that is no name"));
    if (m_phase == Phase::Trailers)
        return true;
    const QByteArray name = text.left(colon).toLower();
    const QByteArray value = trimmedSpace(text.mid(colon + 1));
    auto join = [&value](QByteArray &to) { to += (to.isEmpty() ? "" : ", ") + value; };
    if (name == "content-type") {
        m_contentType = value;
    } else if (name == "content-encoding") {
        QByteArray lower = value.toLower();
        m_contentEncoding += (m_contentEncoding.isEmpty() ? "" : ", ") + lower;
    } else if (name == "location") {
        m_location = value;
    } else if (name == "www-authenticate") {
        join(m_challenges);
    } else if (name == "proxy-authenticate") {
        join(m_proxyChallenges);
    } else if (name == "connection") {
        if (elements(value).contains("close"))
            m_keepAlive = false;
    } else if (name == "transfer-encoding") {
        if (m_transferEncoding)
            return broken(QStringLiteral("two Transfer-Encoding headers"));
        m_transferEncoding = true;
        const QList<QByteArray> codings = elements(value);
        for (qsizetype i = 0; i < codings.size(); ++i) {
            if (codings[i] == "chunked" && i == codings.size() - 1)
                m_chunked = true;
            else if (codings[i] != "identity")
                return broken(QStringLiteral("Transfer-Encoding \"%1\", which is not chunked")
                                  .arg(QString::fromLatin1(value.left(40))));
        }
    } else if (name == "content-length") {
        if (value.isEmpty() || !std::all_of(value.cbegin(), value.cend(), digit))
            return broken(QStringLiteral("a Content-Length that is no number"));
        // Past 18 digits it is larger than any budget: kept as the largest.
        qint64 n = 0;
        for (char c : value)
            n = n > (std::numeric_limits<qint64>::max() - 9) / 10 ? std::numeric_limits<qint64>::max() : n * 10 + (c - '0');
        if (m_length >= 0 && m_length != n)
            return broken(QStringLiteral("two different Content-Length headers"));
        m_length = n;
    }
    return true;
}

bool ResponseParser::headEnded()
{
    if (m_status < 200) {
        // An interim answer (100 Continue): the real one follows, its head
        // counted with this one's.
        m_length = -1;
        m_chunked = m_transferEncoding = false;
        m_keepAlive = true;
        m_contentType.clear();
        m_contentEncoding.clear();
        m_location.clear();
        m_challenges.clear();
        m_proxyChallenges.clear();
        m_phase = Phase::StatusLine;
        return true;
    }
    if (m_http10)
        m_keepAlive = false;
    const bool connected = m_request == Request::Connect && m_status < 300;
    if (connected || m_request == Request::Head || m_status == 204 || m_status == 304) {
        complete();
    } else if (m_chunked) {
        m_phase = Phase::ChunkSize;
    } else if (m_length >= 0) {
        if (m_length > m_budget - m_consumed)
            return tooLarge();
        m_body.reserve(qMin(m_length, MaxReserve));
        m_left = m_length;
        m_phase = Phase::Length;
        if (m_left == 0)
            complete();
    } else {
        m_phase = Phase::ToClose;
        m_keepAlive = false;
    }
    return true;
}

bool ResponseParser::chunkSize(const QByteArray &text)
{
    // 1 to 16 hex digits; extensions after ';' are ignored.
    quint64 n = 0;
    qsizetype i = 0;
    for (; i < text.size() && hexValue(text[i]) >= 0; ++i)
        n = (n << 4) | quint64(hexValue(text[i]));
    qsizetype j = i;
    while (j < text.size() && (text[j] == ' ' || text[j] == '\t'))
        ++j;
    if (i == 0 || i > 16 || (j < text.size() && text[j] != ';'))
        return broken(QStringLiteral("a chunk size that is not 1 to 16 hex digits"));
    if (n > quint64(m_budget - m_consumed))
        return tooLarge();
    if (n == 0) {
        m_phase = Phase::Trailers;
        m_framing = 0;
    } else {
        m_left = qint64(n);
        m_phase = Phase::ChunkData;
    }
    return true;
}

void ResponseParser::complete()
{
    m_state = State::Complete;
    m_phase = Phase::Done;
}

ResponseParser::State ResponseParser::close()
{
    if (m_state != State::NeedMore)
        return m_state;
    if (m_phase == Phase::ToClose) {
        complete();
        return m_state;
    }
    const QString next = QStringLiteral("; try again, and if it recurs a proxy or the server is cutting long answers");
    if (m_phase == Phase::Length)
        failWith(Kind::Cut, QStringLiteral("the connection closed after %1 of %2 bytes").arg(m_body.size()).arg(m_length) + next);
    else if (headDone())
        failWith(Kind::Cut, QStringLiteral("the connection closed after %1 bytes").arg(m_body.size()) + next);
    else
        failWith(Kind::Cut, QStringLiteral("the connection closed before an answer came"));
    return m_state;
}

bool ResponseParser::broken(const QString &what)
{
    failWith(Kind::BadAnswer, QStringLiteral("the answer is broken: %1; if it recurs, tell the server's administrator").arg(what));
    return false;
}

bool ResponseParser::tooLarge()
{
    failWith(Kind::TooLarge, QStringLiteral("the answers are larger than %1 MiB together; not an address book this tool takes")
                                 .arg(m_runBytes / (1024 * 1024)));
    return false;
}

void ResponseParser::failWith(Problem::Kind kind, const QString &detail)
{
    m_state = State::Failed;
    m_errorKind = kind;
    m_errorDetail = detail;
    m_keepAlive = false;
}

} // namespace carddav
