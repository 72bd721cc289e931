// The rule by which an import pairs a source with the phone book, in-process:
// a book and a source as CSV text, the book afterwards as its export.
#include "cli/Tool.h"
#include "exchange/Contacts.h"
#include "exchange/SheetContacts.h"

#include <QtTest>

namespace {

const QByteArray Header = "number,name,sound,sbit1,sbit2,sbit3,sbit4\r\n";
const QByteArray Specials = "_HiddenNumber,Dolt nummer,0,0,0,0,0\r\n_UnknownNumber,Ok\xC3\xA4nt nummer,0,0,0,0,0\r\n";

tool::Image bookOf(const QByteArray &users)
{
    tool::Image image = tool::newImage();
    tool::importContacts(image, exchange::readCsv(Header + Specials + users, exchange::Mode::Replace).contacts,
                         tool::ImportMode::Replace);
    // As a file holds it: numbers and names padded.
    return tool::decodeImage(image.fb.bytes());
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT

private slots:
    void mergeRule_data()
    {
        QTest::addColumn<QByteArray>("book");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("after");     // the export's rows, the default specials unless given; empty: refused
        QTest::addColumn<QString>("summary");

        const int add = int(tool::ImportMode::Add), sync = int(tool::ImportMode::Sync);
        auto row = [](const char *name, const QByteArray &book, const QByteArray &source, int mode, const QByteArray &after,
                      const QString &summary) { QTest::newRow(name) << book << source << mode << after << summary; };
        auto holds = [](int n) { return QStringLiteral("; the phone book holds %1 of 2,032 entries").arg(n); };
        const QByteArray anna = "070,Anna,3,1,0,0,0\r\n", bo = "070,Bo,2,0,0,0,0\r\n";
        row("already there", anna, "number,name\n070,Anna\n", add, anna,
            "added 0 entries, 1 already there, skipped 0" + holds(1) + "; the image is unchanged");
        row("another name is added beside", anna, "BEGIN:VCARD\nFN:Bo\nTEL:070\nEND:VCARD\n", add,
            "070,Bo,0,0,0,0,0\r\n" + anna, "added 1 entry, skipped 0" + holds(2));
        row("renamed, bits kept", anna, "BEGIN:VCARD\nFN:Anna B\nTEL:070\nEND:VCARD\n", sync, "070,Anna B,3,1,0,0,0\r\n",
            "added 0 entries, changed 1, skipped 0" + holds(1));
        row("removed", anna + "080,Bo,0,0,0,0,0\r\n", "number\n070\n", sync, "070,,3,1,0,0,0\r\n",
            "added 0 entries, changed 1, removed 1, skipped 0" + holds(1));
        row("a landline twice in the source", anna, "number,name\n070,Bo\n070,Anna\n", sync, "070,Bo,0,0,0,0,0\r\n" + anna,
            "added 1 entry, 1 already there, skipped 0" + holds(2));
        row("twice in the book, once in the source", anna + bo, "number,name\n070,Bo\n", sync, bo,
            "added 0 entries, removed 1, 1 already there, skipped 0" + holds(1));
        row("a landline twice on both sides stays", anna + bo, "number,name\n070,Bo\n070,Anna\n", sync, anna + bo,
            "added 0 entries, 2 already there, skipped 0" + holds(2) + "; the image is unchanged");
        row("sound and bits overridden, empty cells kept", anna, "number,name,sound,sbit1,sbit2\n070,Anna,5,,1\n", add,
            "070,Anna,5,1,1,0,0\r\n", "added 0 entries, changed 1, skipped 0" + holds(1));
        row("specials only where the source has their rows", anna, "number,name,sound\n_HiddenNumber,Secret,\n070,Anna,\n", sync,
            "_HiddenNumber,Secret,0,0,0,0,0\r\n_UnknownNumber,Ok\xC3\xA4nt nummer,0,0,0,0,0\r\n" + anna,
            "added 0 entries, 1 already there, skipped 0, set the hidden-number entry" + holds(1));
        row("a skipped row refused when following", anna, "number,name\n070,Anna\n12a,Bo\n", sync, {}, "1 error(s)");
        row("an empty source refused when following", anna, "number,name\n_HiddenNumber,Secret\n", sync, {},
            "holds no user entries; following it would empty the phone book; nothing written");
    }

    void mergeRule()
    {
        QFETCH(QByteArray, book);
        QFETCH(QByteArray, source);
        QFETCH(int, mode);
        QFETCH(QByteArray, after);
        QFETCH(QString, summary);
        const auto how = tool::ImportMode(mode);
        const exchange::Mode reading = how == tool::ImportMode::Sync ? exchange::Mode::Sync : exchange::Mode::Add;

        tool::Image image = bookOf(book);
        const QByteArray old = image.fb.bytes();
        const exchange::ReadResult read = exchange::readContactsFile(source, reading);
        if (!read.ok()) {
            QCOMPARE(QStringLiteral("%1 error(s)").arg(read.errors.size()), summary);
            return;
        }
        try {
            const tool::ImportOutcome outcome = tool::importContacts(image, read.contacts, how, read.users);
            QVERIFY2(!after.isEmpty(), "refusal expected");
            QCOMPARE(tool::importSummary(outcome, read, how), summary);
        } catch (const VireError &e) {
            QCOMPARE(e.problem().detail, summary);
            QCOMPARE(image.fb.bytes(), old);
            return;
        }
        QCOMPARE(tool::exportContacts(image, exchange::Format::Csv), Header + (after.startsWith('_') ? "" : Specials) + after);

        // The same source again changes nothing: a weekly import is idempotent.
        const QByteArray once = image.fb.bytes();
        const tool::ImportOutcome again = tool::importContacts(image, read.contacts, how, read.users);
        QVERIFY(!again.imageChanged);
        QCOMPARE(image.fb.bytes(), once);
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "test_import.moc"
