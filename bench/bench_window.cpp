// Opening and saving images through the real window: a full phone book of
// 2,032 records against an empty one, each until the list has been painted,
// and saving a full image. Timings are medians of repeated runs in one process.
#include "image/Codec.h"
#include "image/FlashImage.h"
#include "ui/Form1.h"
#include "image/Layout.h"
#include "image/PhoneBook.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Answers every file dialog with one path; reports any box it is asked to show.
class ScriptedPlatform : public Platform
{
public:
    QString path;
    std::optional<QString> showFileDialog(QWidget *, FileDialogKind, const QString &,
                                          const QString &, const QString &) override
    {
        return path;
    }
    void showError(QWidget *, const QString &text, const QString &title) override
    {
        std::fprintf(stderr, "unexpected box \"%s\": %s\n", qPrintable(title), qPrintable(text));
        std::exit(1);
    }
    void beep() override {}
};

QString writeImage(const QTemporaryDir &dir, const char *name, int records)
{
    PhoneBook book;
    for (int i = 0; book.userCount() < records; ++i)
        book.addEntry(QString::number(46700000000LL + i * 7919LL), QStringLiteral("Name %1").arg(i), quint8(i));
    FlashImage fb;
    SoundNames names;
    names.fill(QStringLiteral("(empty)"));
    buildFB(fb, book, names);
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(fb.bytes()) != fb.bytes().size())
        std::exit(1);
    return path;
}

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 51;

    QTemporaryDir dir;
    const QString empty = writeImage(dir, "empty.bin", 0);
    const QString full = writeImage(dir, "full.bin", layout::MaxUserRecords);
    const QString saved = dir.filePath(QStringLiteral("saved.bin"));

    ScriptedPlatform platform;
    Form1 window(platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    // The list must be laid out and painted, as a user would see it.
    auto open = [&](const QString &path) {
        platform.path = path;
        window.openImage();
        QCoreApplication::processEvents();
        window.List1()->viewport()->repaint();
    };
    auto save = [&] {
        platform.path = saved;
        window.saveImage();
    };

    // Side by side, so that both see the same machine state.
    std::vector<double> emptyTimes, fullTimes, saveTimes;
    for (int i = 0; i < runs; ++i) {
        emptyTimes.push_back(timeMs([&] { open(empty); }));
        fullTimes.push_back(timeMs([&] { open(full); }));
        saveTimes.push_back(timeMs(save));   // the full book is open here
    }
    const double openEmpty = median(emptyTimes), openFull = median(fullTimes);
    const double saveFull = median(saveTimes);

    std::printf("platform %s, %d runs each, medians\n", qPrintable(QGuiApplication::platformName()), runs);
    std::printf("open empty image (0 records)     %7.2f ms\n", openEmpty);
    std::printf("open full image (2,032 records)  %7.2f ms\n", openFull);
    std::printf("  difference                     %7.2f ms (goal: at most 20)\n", openFull - openEmpty);
    std::printf("save full image                  %7.2f ms (goal: at most 5)\n", saveFull);
    return 0;
}
