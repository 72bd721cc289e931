// Basic and Digest answers computed here, against RFC 7616's own examples.
#include "carddav/Auth.h"

#include <QtTest>

using namespace carddav;

class TestDavAuth : public QObject
{
    Q_OBJECT

private slots:
    // RFC 7616 section 3.9.1: the same request answered with MD5 and SHA-256.
    void digestExamples_data()
    {
        QTest::addColumn<QByteArray>("algorithm");
        QTest::addColumn<QByteArray>("response");
        QTest::newRow("MD5") << QByteArray("MD5") << QByteArray("8ca523f5e9506fed4657c9700eebdbec");
        QTest::newRow("SHA-256") << QByteArray("SHA-256")
                                 << QByteArray("753927fa0e85d155564e2e272a28d1802ca10daf4496794697cf8db5856cb6c1");
    }

    void digestExamples()
    {
        QFETCH(QByteArray, algorithm);
        QFETCH(QByteArray, response);
        const QVector<Challenge> challenges = parseChallenges(
            "Digest realm=\"http-auth@example.org\", qop=\"auth, auth-int\", algorithm=" + algorithm
            + ", nonce=\"7ypf/xlj9XXwfDPEoM4URrv/xwf94BcCAzFZH4GiTo0v\", opaque=\"FQhe/qaU925kfnzjCev0ciny7QMkPqMAFRtzCUYo5tdS\"");
        QCOMPARE(challenges.size(), 1);
        const DigestRequest r{"GET", "/dir/index.html", QByteArray(), "f2/wE4q74E6zIJEtWaHKaf5wv/H5QzzpXusqGemxURZJ", 1};
        const QByteArray header = digestAuthorization(challenges.first(), QStringLiteral("Mufasa"),
                                                      QStringLiteral("Circle of Life"), r);
        QVERIFY2(header.contains("response=\"" + response + '"'), header.constData());
        QVERIFY2(header.contains("qop=auth, nc=00000001") && header.contains("opaque=\"FQhe/"), header.constData());
    }

    // Several challenges in one header, commas inside quotes; the strongest
    // this client knows is chosen; a token-only server offers nothing.
    void challenges()
    {
        const QVector<Challenge> all = parseChallenges(
            "Bearer realm=\"a, b\", Digest realm=\"x\", nonce=\"n\", algorithm=MD5, qop=\"auth\", "
            "Digest realm=\"x\", nonce=\"m\", algorithm=SHA-256, qop=\"auth\", Basic realm=\"y\", charset=\"UTF-8\"");
        QCOMPARE(all.size(), 4);
        QCOMPARE(all[0].params.value("realm"), QByteArray("a, b"));
        const Challenge *best = pickChallenge(all);
        QVERIFY(best);
        QCOMPARE(best->params.value("nonce"), QByteArray("m"));
        QCOMPARE(pickChallenge(parseChallenges("Bearer realm=\"api\"")), nullptr);
        QCOMPARE(pickChallenge(parseChallenges("Digest realm=\"x\", nonce=\"n\", algorithm=SHA-512-256")), nullptr);
        // RFC 7617's example of a password outside ASCII, sent as UTF-8.
        QCOMPARE(basicAuthorization(QStringLiteral("test"), QStringLiteral("123\u00a3")), QByteArray("Basic dGVzdDoxMjPCow=="));
    }
};

QTEST_GUILESS_MAIN(TestDavAuth)
#include "test_davauth.moc"
