// Arbitrary bytes as a server's answer, after one byte that picks the request
// (other, HEAD, CONNECT), whether the connection then closes, a small budget
// or a large one, and the size of the pieces they come in. Besides not
// crashing or hanging: the pieces give the same outcome as the whole; no
// answer takes more than its budget; a complete one took exactly the bytes
// before its end; a failure says why.
#include "carddav/ResponseParser.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using carddav::ResponseParser;

namespace {

struct Outcome
{
    ResponseParser::State state;
    Problem::Kind kind;
    QString detail;
    int status;
    bool keepAlive;
    QByteArray body, challenges;
    qint64 consumed, extra;

    bool operator==(const Outcome &o) const
    {
        // How far a failed answer was taken depends on the pieces: it is dropped whole.
        if (state == ResponseParser::State::Failed)
            return o.state == state && kind == o.kind && detail == o.detail && status == o.status;
        return state == o.state && status == o.status && keepAlive == o.keepAlive && body == o.body
            && challenges == o.challenges && consumed == o.consumed && extra == o.extra;
    }
};

Outcome run(QByteArrayView bytes, qint64 budget, ResponseParser::Request request, qsizetype step, bool close)
{
    ResponseParser p(budget, 0, request);
    for (qsizetype i = 0; i < bytes.size(); i += step)
        p.feed(bytes.sliced(i, qMin(step, bytes.size() - i)));
    if (close)
        p.close();
    return {p.state(), p.errorKind(), p.errorDetail(), p.status(), p.keepAlive(), p.body(), p.challenges(),
            p.consumed(), p.extra()};
}

[[noreturn]] void broken(const char *what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t how = data[0];
    const QByteArrayView bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    const auto request = ResponseParser::Request(how % 3);
    const bool close = how & 4;
    const qint64 budget = (how & 8) ? 4096 : 1 << 20;
    const Outcome whole = run(bytes, budget, request, qMax<qsizetype>(1, bytes.size()), close);
    const Outcome pieces = run(bytes, budget, request, 1 + (how >> 4), close);
    if (!(whole == pieces))
        broken("the pieces gave another outcome than the whole");
    if (whole.consumed > budget)
        broken("more taken than the budget");
    if (whole.state == ResponseParser::State::Complete && whole.consumed + whole.extra != bytes.size())
        broken("a complete answer did not account for every byte");
    if (whole.body.size() > whole.consumed)
        broken("a body larger than what was taken");
    if (whole.state == ResponseParser::State::Failed && whole.detail.isEmpty())
        broken("a failure without a reason");
    if (close && whole.state == ResponseParser::State::NeedMore)
        broken("a closed connection left the answer open");
    return 0;
}
