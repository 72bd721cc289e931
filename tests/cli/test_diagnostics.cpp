#include "cli/Diagnostics.h"

#include <QtTest>

// Text from a server or a file reaches the terminal only through these.
class TestDiagnostics : public QObject
{
    Q_OBJECT
private slots:
    void safeText_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("plain and letters") << QStringLiteral("Åsa Öberg €\tx") << QStringLiteral("Åsa Öberg €\tx");
        QTest::newRow("escape sequence") << QStringLiteral("\x1b]0;title\x07\x1b[2J")
                                         << QStringLiteral("\\x1b]0;title\\x07\\x1b[2J");
        QTest::newRow("line breaks") << QStringLiteral("a\r\nb") << QStringLiteral("a\\x0d\\x0ab");
        QTest::newRow("C1 and DEL") << QString(QChar(0x9b)) + QChar(0x7f) << QStringLiteral("\\x9b\\x7f");
        QTest::newRow("bidi override") << QString(QChar(0x202e)) + QStringLiteral("lmth") + QChar(0x2066)
                                       << QStringLiteral("\\u202elmth\\u2066");
        QTest::newRow("separators") << QString(QChar(0x2028)) + QChar(0x2029) << QStringLiteral("\\u2028\\u2029");
    }

    void safeText()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(cli::safeText(in), out);
    }

    void lines()
    {
        QCOMPARE(cli::diagnostic(QStringLiteral("a.csv"), 3, "warning", QStringLiteral("x\ny")),
                 QStringLiteral("a.csv:3: warning: x\\x0ay"));
        QCOMPARE(cli::diagnostic(QStringLiteral("a\x1b.vcf"), 0, "error", QStringLiteral("bad")),
                 QStringLiteral("a\\x1b.vcf: error: bad"));
        QCOMPARE(cli::diagnostic(QString(), 0, "error", QStringLiteral("bad")), QStringLiteral("error: bad"));
        // No user information, and a path as sent, so it can be pasted back.
        const QUrl url(QStringLiteral("https://gus:pw@dav.example/books/a%20b.vcf"));
        QCOMPARE(cli::safeUrl(url), QStringLiteral("https://dav.example/books/a%20b.vcf"));
    }
};

QTEST_GUILESS_MAIN(TestDiagnostics)
#include "test_diagnostics.moc"
