// Names the image cannot spell, typed, pasted or taken from a WAV file name,
// and pastes into the number box.
#include "tests/common/TestWindow.h"
#include "tests/common/WaveFiles.h"
#include "spelling/Spelling.h"

#include <QClipboard>
#include <QGuiApplication>

class TestSpelling : public QObject
{
    Q_OBJECT

private slots:
    void namesTakeTheirNearestLetters()
    {
        TestWindow t;
        QLineEdit *name = t.text2();
        t.type(name, QStringLiteral("ab"));
        QTest::keyClick(name, Qt::Key_Home);
        t.type(name, QStringLiteral("\u0141"), false);
        QCOMPARE(name->text(), QStringLiteral("Lab"));
        QCOMPARE(name->cursorPosition(), 1);

        // A paste: Polish, an emoji (left out beside letters), Han (pinyin with
        // ICU); Windows-1252 letters stay.
        const bool icu = cp1252::transliterates();
        QGuiApplication::clipboard()->setText(QStringLiteral("\u0141\u00f3d\u017a \U0001F600\u65e5"));
        t.type(name, QString());
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), icu ? QStringLiteral("L\u00f3dz Ri") : QStringLiteral("L\u00f3dz ?"));
        QCOMPARE(name->cursorPosition(), icu ? 7 : 6);

        t.type(t.sndName(2), QStringLiteral("\u0110uro \u0127"));
        QCOMPARE(t.sndName(2)->text(), QStringLiteral("Duro h"));
        QCOMPARE(t.combo()->itemText(2), QStringLiteral("2 Duro h"));

        // A WAV file's name, and a save that stores all of it.
        t.importInto(3, t.file(QStringLiteral("\u017b\u00f3\u0142w.wav"), wavefiles::wave("abc")));
        QCOMPARE(t.sndName(3)->text(), QStringLiteral("Z\u00f3lw").leftJustified(16));
        t.add(QStringLiteral("555"), QStringLiteral("\u0141ukasz \u4e00"));
        t.save(t.path(QStringLiteral("out.bin")));
        QVERIFY2(t.platform.boxes.empty(), t.platform.boxes.empty() ? "" : qPrintable(t.platform.boxes[0].text));
        const QByteArray fb = readFile(t.path(QStringLiteral("out.bin")));
        QCOMPARE(fb.mid(2 * 65536, 16), QByteArray("Duro h").leftJustified(16));
        QCOMPARE(fb.mid(3 * 65536, 16), QByteArray("Z\xF3lw").leftJustified(16));
        QVERIFY(fb.indexOf(QByteArray(icu ? "Lukasz Yi" : "Lukasz ?").leftJustified(14)) > 0);
    }

    void otherScriptsTypedAsPasted()
    {
        if (!cp1252::transliterates())
            QSKIP("built without ICU");
        TestWindow t;
        QLineEdit *name = t.text2();
        // Russian, and kana whose spelling changes with what follows (a small
        // "ya" joins the kana before it, a small "tsu" doubles the next consonant).
        const std::pair<QString, QString> names[] = {
            {QStringLiteral("\u0418\u0432\u0430\u043d \u0416\u0443\u043a"), QStringLiteral("Ivan Zhuk")},
            {QStringLiteral("\u30ad\u30e3\u30c3\u30c8 \u30e4\u30de\u30c0"), QStringLiteral("Kyatto Yamada")}};
        for (const auto &[written, shown] : names) {
            t.type(name, written);
            QCOMPARE(name->text(), shown);
            QCOMPARE(name->cursorPosition(), shown.size());
            QGuiApplication::clipboard()->setText(written);
            t.type(name, QString());
            QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(name->text(), shown);
        }

        // Kana typed in front of a word join it, and the cursor stays after them;
        // an edit inside a spelled word edits the letters shown.
        t.type(name, QStringLiteral("\u30e4\u30de\u30c0"));
        QTest::keyClick(name, Qt::Key_Home);
        t.type(name, QStringLiteral("\u30bf\u30ed"), false);
        QCOMPARE(name->text(), QStringLiteral("Taroyamada"));
        QCOMPARE(name->cursorPosition(), 4);
        t.type(name, QStringLiteral(" "), false);
        QCOMPARE(name->text(), QStringLiteral("Taro Yamada"));
        QTest::keyClick(name, Qt::Key_End);
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(name->text(), QStringLiteral("Taro Yamad"));

        // The sound-name boxes follow the same rule.
        t.type(t.sndName(1), QStringLiteral("\u0425\u043e\u0440"));
        QCOMPARE(t.sndName(1)->text(), QStringLiteral("Khor"));
    }

    void pastesIntoTheNumberBoxKeepDigits()
    {
        TestWindow t;
        QLineEdit *number = t.text1();
        QClipboard *clipboard = QGuiApplication::clipboard();

        // The whole paste is filtered before the 16-character limit cuts it.
        clipboard->setText(QStringLiteral("+46 70-123 45 67 890"));
        t.type(number, QString());
        QTest::keyClick(number, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(number->text(), QStringLiteral("46701234567890"));

        // The context menu's paste, into the middle.
        t.type(number, QStringLiteral("0799"));
        number->setCursorPosition(2);
        clipboard->setText(QStringLiteral("(1)-2"));
        number->paste();
        QCOMPARE(number->text(), QStringLiteral("071299"));
        QCOMPARE(number->cursorPosition(), 4);

        // A number shown from the book keeps what the key filter would refuse;
        // typing after it adds a digit only.
        t.w().book().addEntry(QStringLiteral("12 34"), QStringLiteral("x"), 0);
        t.clickRow(2);
        QCOMPARE(number->text(), QStringLiteral("12 34"));
        number->setFocus();
        QTest::keyClick(number, Qt::Key_End);
        QTest::keyClicks(number, QStringLiteral("5a"));
        QCOMPARE(number->text(), QStringLiteral("12 345"));
    }
};

QTEST_MAIN(TestSpelling)
#include "test_ui_spelling.moc"
