#include "cli/Diagnostics.h"

#include <QtTest>

Q_DECLARE_METATYPE(Problem)

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

    void lines_data()
    {
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<QString>("severity");
        QTest::addColumn<QString>("out");
        Problem p = Problem::at(3, QStringLiteral("x\ny"));
        p.file = QStringLiteral("a.csv");
        QTest::newRow("file and line") << p << "warning" << QStringLiteral("a.csv:3: warning: x\\x0ay");
        p = Problem::inFile(Problem::Kind::Plain, QStringLiteral("a\x1b.vcf"), QStringLiteral("bad"));
        QTest::newRow("file made safe") << p << "error" << QStringLiteral("a\\x1b.vcf: error: bad");
        QTest::newRow("no place") << Problem::at(0, QStringLiteral("bad")) << "error" << QStringLiteral("vire-image: error: bad");
        // No user information, and a path as sent, so it can be pasted back.
        p = Problem::at(0, QStringLiteral("refused"));
        p.url = QUrl(QStringLiteral("https://gus:pw@dav.example/books/a%20b.vcf"));
        p.file = QStringLiteral("ignored.pem");
        QTest::newRow("URL before file") << p << "error"
                                         << QStringLiteral("https://dav.example/books/a%20b.vcf: error: refused");
        p.choices = {{QUrl(QStringLiteral("https://dav.example/a/")), QStringLiteral("Work\x1b")},
                     {QUrl(QStringLiteral("https://dav.example/b/")), QString()}};
        QTest::newRow("choices") << p << "error"
                                 << QStringLiteral("https://dav.example/books/a%20b.vcf: error: refused\n"
                                                   "  https://dav.example/a/  (Work\\x1b)\n  https://dav.example/b/");
    }

    void lines()
    {
        QFETCH(Problem, problem);
        QFETCH(QString, severity);
        QFETCH(QString, out);
        QCOMPARE(cli::diagnostic(problem, severity.toLatin1().constData()), out);
    }
};

QTEST_GUILESS_MAIN(TestDiagnostics)
#include "test_diagnostics.moc"
