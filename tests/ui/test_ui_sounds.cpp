// Importing WAV files into the sound banks through the window's open buttons.
#include "image/Layout.h"
#include "tests/common/TestWindow.h"
#include "tests/common/WaveFiles.h"

#include <QAction>

#include <algorithm>
#include <tuple>

using namespace wavefiles;

namespace {

constexpr int Area = layout::SampleAreaSize;

qsizetype areaStart(int bank)
{
    return layout::bankOffset(bank) + layout::SampleAreaOffset;
}


} // namespace

class TestSounds : public QObject
{
    Q_OBJECT

private slots:
    void samplesGoIntoTheClickedBank()
    {
        TestWindow t;
        QByteArray expected(FlashImage::Size, '\0');

        // A name left from an earlier dialog is not offered again.
        t.w().commonDialog1().setFileName(QStringLiteral("left over"));
        // A sound longer than the sample area fills all of it and nothing else,
        // its name included; a shorter one over it leaves the older one's tail;
        // bank 7 runs to the image's last byte.
        const QByteArray longer = pattern(100000, 3), shorter = pattern(1000, 200);
        const std::tuple<int, const char *, QByteArray> imports[] = {
            {3, "long.wav", longer}, {3, "short.wav", shorter}, {7, "seven.wav", longer}};
        for (const auto &[bank, file, samples] : imports) {
            t.importInto(bank, t.file(QLatin1String(file), wave(samples)));
            expected.replace(areaStart(bank), std::min(samples.size(), qsizetype(Area)), samples.left(Area));
            QCOMPARE(t.w().FB().bytes(), expected);
        }
        QCOMPARE(t.platform.asked, QStringList(3, "open: Select wave file [] Wave (*.wav)|*.wav"));
        QVERIFY(t.platform.boxes.empty());
    }

    void namesReachTheBoxAndTheSelector_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow(".wav") << 1 << "ring.wav" << "ring            ";
        QTest::newRow(".wave") << 2 << "beep.wave" << "beep.           ";
        QTest::newRow("four characters") << 4 << "a.wa" << "a.wa            ";
        QTest::newRow("long") << 7 << "ABCDEFGHIJKLMNOPQRST.wav" << "ABCDEFGHIJKLMNOP";
    }

    void namesReachTheBoxAndTheSelector()
    {
        QFETCH(int, bank);
        QFETCH(QString, file);
        QFETCH(QString, name);
        TestWindow t;
        t.importInto(bank, t.file(file, wave(pattern(10))));
        QCOMPARE(t.w().sndName(bank)->text(), name);
        QCOMPARE(t.w().Combo1()->itemText(bank), QStringLiteral("%1 %2").arg(bank).arg(name));
        QVERIFY(t.platform.boxes.empty());
        QCOMPARE(t.w().Combo1()->itemText(0), QStringLiteral("No sound"));
        QCOMPARE(t.w().Combo1()->itemText(3), QStringLiteral("3 (empty)"));
        QCOMPARE(t.w().sndName(3)->text(), QStringLiteral("(empty)"));
    }

    void failuresChangeNothing()
    {
        TestWindow t;
        t.importInto(2, t.file(QStringLiteral("older.wav"), wave(pattern(5000, 9))));
        t.w().Combo1()->setCurrentIndex(2);
        // The image, the sound names and the selector's items.
        const QStringList before = t.state() + t.items();
        const int files = openFiles(t.dir.path());

        t.importInto(2, t.file(QStringLiteral("text.wav"), "just some text, no RIFF here"));
        QCOMPARE(t.platform.shown(), QStringList{errorBox("Not a valid wav file (not starting with RIFF)")});
        QCOMPARE(t.state() + t.items(), before);

        // A cancel: silent.
        t.platform.cancel();
        QTest::mouseClick(t.w().sndOpen(2), Qt::LeftButton);
        QCOMPARE(t.platform.asked.size(), qsizetype(3));
        QCOMPARE(t.platform.boxes.size(), size_t(1));
        QCOMPARE(t.state() + t.items(), before);
        QCOMPARE(t.w().Combo1()->currentIndex(), 2);
        QCOMPARE(openFiles(t.dir.path()), files);
    }

    void importSurvivesSaveAndOpen()
    {
        TestWindow t;
        const QByteArray sound = pattern(3000, 17);
        t.importInto(5, t.file(QStringLiteral("chime.wav"), wave(sound)));
        // The samples are in the image at once; the name only once saved.
        QCOMPARE(t.w().FB().bytes().mid(areaStart(5), 3000), sound);
        QCOMPARE(t.w().FB().bytes().mid(layout::bankOffset(5), 16), QByteArray(16, '\0'));

        const QString path = t.dir.filePath(QStringLiteral("with sound.bin"));
        t.platform.answer(path);
        t.w().menSave()->trigger();
        QCOMPARE(t.w().FB().bytes().mid(layout::bankOffset(5), 16), QByteArray("chime           "));

        TestWindow u;
        u.platform.answer(path);
        u.w().menOpen()->trigger();
        QVERIFY(t.platform.boxes.empty() && u.platform.boxes.empty());
        QCOMPARE(u.w().FB().bytes().mid(areaStart(5), 3000), sound);
        QCOMPARE(u.w().sndName(5)->text(), QStringLiteral("chime           "));
        QCOMPARE(u.w().Combo1()->itemText(5), QStringLiteral("5 chime           "));
    }
};

QTEST_MAIN(TestSounds)
#include "test_ui_sounds.moc"
