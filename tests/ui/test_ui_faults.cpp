// Failures of the file layer must lose nothing: the file on disk, the image
// buffer and the phone book stay as they were, and the next command works.
#include "TestWindow.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace {

const QString ErrorTitle = QStringLiteral("Error occured");

// A small tmpfs of our own, so that "disk full" and "read-only file system"
// are real; needs the right to mount (root), otherwise the test is skipped.
class ScratchMount
{
public:
    ScratchMount(const QString &where, const char *options) : m_path(where)
    {
        QDir().mkpath(where);
        if (::mount("tmpfs", qPrintable(where), "tmpfs", 0, options) == 0)
            m_mounted = true;
        else
            m_why = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~ScratchMount()
    {
        if (m_mounted)
            ::umount2(qPrintable(m_path), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString why() const { return m_why; }
    bool remount(bool readOnly)
    {
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        return ::mount(nullptr, qPrintable(m_path), nullptr, flags, nullptr) == 0;
    }

private:
    QString m_path;
    bool m_mounted = false;
    QString m_why;
};

// What a failed command must leave as it was.
struct State
{
    QByteArray fb;
    QStringList rows;
    QList<int> data;
    QString count;
    QColor caption;

    explicit State(TestWindow &t)
        : fb(t.w().FB().bytes()), rows(t.rowTexts()), data(t.rowData()),
          count(t.label(11)->text()), caption(t.caption())
    {
    }
    bool operator==(const State &o) const
    {
        return fb == o.fb && rows == o.rows && data == o.data && count == o.count
            && caption == o.caption;
    }
};

// An edited book saved and opened again, so that the buffer equals the file.
QString prepareImage(TestWindow &t, const QString &path)
{
    t.add(QStringLiteral("0701234567"), QStringLiteral("Anna"));
    t.add(QStringLiteral("555"), QStringLiteral("Office"));
    t.save(path);
    t.open(path);
    if (!t.platform.boxes.empty() || readFile(path) != t.w().FB().bytes())
        qFatal("could not prepare %s", qPrintable(path));
    return path;
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void saveOntoFullDisk();
    void saveIntoReadOnlyFolder();
    void openUnreadableFiles();
};

void TestFaults::saveOntoFullDisk()
{
    TestWindow t;
    ScratchMount disk(t.path(QStringLiteral("disk")), "size=800k");
    if (!disk.mounted())
        QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs here: ") + disk.why()));

    // The old image fits; a second copy, which a safe save needs, does not.
    const QString target = prepareImage(t, t.path(QStringLiteral("disk/phone.bin")));
    const QByteArray old = readFile(target);
    const int files = openFiles();
    t.add(QStringLiteral("999"), QStringLiteral("Not saved"));
    const State before(t);

    t.save(target);
    QCOMPARE(t.platform.boxes.size(), size_t(1));
    QCOMPARE(t.platform.boxes[0].title, ErrorTitle);
    QVERIFY(!t.platform.boxes[0].text.isEmpty());
    QCOMPARE(readFile(target), old);
    QCOMPARE(QDir(t.path(QStringLiteral("disk"))).entryList(QDir::Files),
             QStringList{QStringLiteral("phone.bin")});   // no temporary file left
    QCOMPARE(openFiles(), files);
    // The encode ran before the write; the book is untouched.
    QCOMPARE(t.rowTexts(), before.rows);
    QCOMPARE(t.rowData(), before.data);
    QCOMPARE(t.caption(), before.caption);

    // With room again the same save works and writes the new entry.
    QVERIFY(QFile::remove(target));
    t.save(target);
    QCOMPARE(t.platform.boxes.size(), size_t(1));
    QCOMPARE(readFile(target), t.w().FB().bytes());
    QCOMPARE(readFile(target).size(), 524288);
    QVERIFY(t.w().FB().getText(512 + 32 * 3, 3) == QStringLiteral("999"));
}

void TestFaults::saveIntoReadOnlyFolder()
{
    TestWindow t;
    ScratchMount disk(t.path(QStringLiteral("ro")), "size=4m");
    if (!disk.mounted())
        QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs here: ") + disk.why()));

    const QString target = prepareImage(t, t.path(QStringLiteral("ro/phone.bin")));
    const QByteArray old = readFile(target);
    QVERIFY(disk.remount(true));
    const State before(t);

    // Over the old file and as a new file: both refused, nothing lost.
    t.save(target);
    t.save(t.path(QStringLiteral("ro/new.bin")));
    QCOMPARE(t.platform.boxes.size(), size_t(2));
    for (const auto &box : t.platform.boxes) {
        QCOMPARE(box.title, ErrorTitle);
        QVERIFY(!box.text.isEmpty());
    }
    QCOMPARE(readFile(target), old);
    QVERIFY(!QFileInfo::exists(t.path(QStringLiteral("ro/new.bin"))));
    QVERIFY(State(t) == before);

    // Opening from the read-only folder still works; saving works once it is writable.
    t.open(target);
    QCOMPARE(t.platform.boxes.size(), size_t(2));
    QVERIFY(disk.remount(false));
    t.add(QStringLiteral("42"), QStringLiteral("Later"));
    t.save(target);
    QCOMPARE(t.platform.boxes.size(), size_t(2));
    QCOMPARE(readFile(target), t.w().FB().bytes());
}

void TestFaults::openUnreadableFiles()
{
    TestWindow t;
    const QString good = prepareImage(t, t.path(QStringLiteral("good.bin")));
    t.add(QStringLiteral("31"), QStringLiteral("Unsaved"));
    const State before(t);
    const int files = openFiles();

    // A file that opens but whose first read fails with an I/O error.
    t.open(QStringLiteral("/proc/self/mem"));
    QCOMPARE(t.platform.boxes.size(), size_t(1));
    QCOMPARE(t.platform.boxes[0].title, ErrorTitle);
    QVERIFY(!t.platform.boxes[0].text.isEmpty());
    QVERIFY(State(t) == before);

    // A file without read permission. Root reads anything, so the open runs
    // as an ordinary user for the moment.
    const QString locked = t.path(QStringLiteral("locked.bin"));
    writeFile(locked, readFile(good));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    QVERIFY(QFile::setPermissions(t.dir.path(), QFileDevice::Permissions(0x7755)));
    const bool asRoot = ::geteuid() == 0;
    if (asRoot)
        QCOMPARE(::seteuid(65534), 0);
    t.open(locked);
    if (asRoot)
        QCOMPARE(::seteuid(0), 0);
    QCOMPARE(t.platform.boxes.size(), size_t(2));
    QCOMPARE(t.platform.boxes[1].title, ErrorTitle);
    QVERIFY(t.platform.boxes[1].text.contains(QStringLiteral("ermission")));
    QVERIFY(State(t) == before);
    QCOMPARE(openFiles(), files);

    // The next open works and replaces the unsaved book.
    t.open(good);
    QCOMPARE(t.platform.boxes.size(), size_t(2));
    QCOMPARE(t.w().FB().bytes(), readFile(good));
    QVERIFY(!t.rowTexts().contains(QStringLiteral("31")));
}

QTEST_MAIN(TestFaults)
#include "test_ui_faults.moc"
