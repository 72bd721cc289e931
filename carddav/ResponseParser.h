#pragma once

#include "problem/Problem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// One HTTP/1.1 answer read from bytes as they come: no socket, no clock, so
// that it can be fed any split of any bytes (tests, fuzzing). Strict where a
// lenient reading lets two readers see two different answers: a status of
// three digits, every header line a name and a colon, no NUL or lone CR, one
// Transfer-Encoding of chunked or identity, a Content-Length of digits, chunk
// sizes of 1 to 16 hex digits. Sizes are checked against what is left of the
// byte budget before anything is added, so no announced size can overflow it.
namespace carddav {

class ResponseParser
{
public:
    enum class State { NeedMore, Complete, Failed };
    // What the answer answers: a HEAD has no body; a CONNECT that succeeds
    // ends with its header, the tunnel's bytes follow.
    enum class Request { Other, Head, Connect };

    // A head, the trailers and any line may take this much.
    static constexpr qsizetype MaxHeadBytes = 64 * 1024;

    // runBytes: what the answers of the run may take together (head, framing
    // and body, all counted); used: what earlier answers took of it.
    ResponseParser(qint64 runBytes, qint64 used, Request request = Request::Other);

    // Takes the bytes that follow those given before. Bytes past a complete
    // answer are not taken: extra() counts them.
    State feed(QByteArrayView bytes);
    // The connection ended: an answer that runs to the close is complete
    // with it; any other unfinished one is cut.
    State close();

    State state() const { return m_state; }
    Problem::Kind errorKind() const { return m_errorKind; }
    const QString &errorDetail() const { return m_errorDetail; }

    qint64 consumed() const { return m_consumed; }   // bytes of the answer taken so far
    qint64 extra() const { return m_extra; }         // bytes given after it was complete
    bool headDone() const { return m_phase > Phase::Headers; }

    int status() const { return m_status; }
    // False when the connection cannot carry another answer after this one.
    bool keepAlive() const { return m_keepAlive; }
    const QByteArray &body() const { return m_body; }
    QByteArray takeBody() { return std::move(m_body); }
    const QByteArray &contentType() const { return m_contentType; }
    const QByteArray &contentEncoding() const { return m_contentEncoding; }   // lower case
    const QByteArray &location() const { return m_location; }
    // The WWW-Authenticate and Proxy-Authenticate headers, each kind joined by commas.
    const QByteArray &challenges() const { return m_challenges; }
    const QByteArray &proxyChallenges() const { return m_proxyChallenges; }

private:
    enum class Phase { StatusLine, Headers, Length, ToClose, ChunkSize, ChunkData, ChunkEnd, Trailers, Done };

    qsizetype takeLine(const char *data, qsizetype size);
    bool line(const QByteArray &text);
    bool statusLine(const QByteArray &text);
    bool header(const QByteArray &text);
    bool headEnded();
    bool chunkSize(const QByteArray &text);
    void complete();
    bool broken(const QString &what);
    bool tooLarge();
    void failWith(Problem::Kind kind, const QString &detail);

    const qint64 m_runBytes;
    const qint64 m_budget;       // what this answer may take
    const Request m_request;
    State m_state = State::NeedMore;
    Phase m_phase = Phase::StatusLine;
    Problem::Kind m_errorKind = Problem::Kind::Plain;
    QString m_errorDetail;

    qint64 m_consumed = 0, m_extra = 0;
    qint64 m_framing = 0;        // bytes of the head so far, or of the trailers
    QByteArray m_line;           // the line not yet ended
    qint64 m_left = 0;           // of the body (Content-Length) or of the chunk

    int m_status = 0;
    bool m_http10 = false;
    bool m_keepAlive = true;
    bool m_chunked = false;
    bool m_transferEncoding = false;
    qint64 m_length = -1;
    QByteArray m_body, m_contentType, m_contentEncoding, m_location, m_challenges, m_proxyChallenges;
};

} // namespace carddav
