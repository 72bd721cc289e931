// vire-image: importing 2,032 entries from CSV (ours and a Swedish Outlook
// export) and from vCard into an empty image and exporting a full one,
// in-process; then whole runs of export and import on a full image against
// `vire-image --version`. Medians of
// alternating runs. Last, the peak memory of an import of a 64 MiB vCard file,
// which is read whole and refused for room. Besides, what spelling 2,032
// Cyrillic names in Latin letters costs, and telling the code page of an
// Outlook export written on a Russian Windows (windows-1251).
#include "bench/InProcess.h"
#include "exchange/CodePage.h"
#include "spelling/Spelling.h"
#include "cli/Tool.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <vector>

extern char **environ;

namespace {

QByteArray fullCsv()
{
    QByteArray csv = "number,name,sound,sbit1,sbit2,sbit3,sbit4\n_HiddenNumber,Dolt nummer,0,0,0,0,0\n";
    for (int i = 0; i < 2032; ++i)
        csv += QByteArray::number(46700000000LL + i * 7919 % 100000) + ",Contact " + QByteArray::number(i) + ","
            + QByteArray::number(i % 8) + ",1,0,1,0\n";
    return csv;
}

// The same book as a Swedish Outlook writes it: Windows-1252, semicolons,
// three telephone columns and a fax, most of the row empty.
QByteArray outlookCsv()
{
    QByteArray csv = "\"Titel\";\"F\xF6rnamn\";\"Mellannamn\";\"Efternamn\";\"Suffix\";\"F\xF6retag\";\"Avdelning\";"
                     "\"Befattning\";\"Postnummer arbete\";\"Fax arbete\";\"Arbete\";\"Hem\";\"Mobiltelefon\";"
                     "\"Persons\xF6kare\";\"E-postadress\";\"Anteckningar\"\r\n";
    for (int i = 0; i < 2032 / 2; ++i)
        csv += ";\"Kontakt\";;\"Str\xF6m " + QByteArray::number(i) + "\";;;;;\"114 51\";\"08-123 46\";\"08-"
            + QByteArray::number(100000 + i) + "\";;\"070-" + QByteArray::number(1000000 + i * 7919 % 100000)
            + "\";;\"k@example.se\";\r\n";
    return csv;
}

QByteArray emptyImage()
{
    tool::Image image = tool::newImage();
    image.book->replaceEntries(image.book->entry(0), image.book->entry(1), {});
    buildFB(image.fb, *image.book, image.names);
    return image.fb.bytes();
}

// The same book as vCard 2.1, the way phones write it.
QByteArray fullVCard()
{
    QByteArray cards;
    for (int i = 0; i < 2032; ++i)
        cards += "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Contact;" + QByteArray::number(i) + "\r\nFN:" + QByteArray::number(i)
            + " Contact\r\nTEL;CELL:+46 70-" + QByteArray::number(1000000 + i * 7919 % 100000) + "\r\nEND:VCARD\r\n";
    return cards;
}

// 2,032 Russian names, each one different.
QStringList cyrillicNames()
{
    const QStringList given{QStringLiteral("\u0418\u0432\u0430\u043d"), QStringLiteral("\u0416\u0430\u043d\u043d\u0430"),
                            QStringLiteral("\u042e\u0440\u0438\u0439"), QStringLiteral("\u0401\u043b\u043a\u0430")};
    QStringList names;
    for (int i = 0; i < 2032; ++i) {
        QString family;
        for (int k = i; family.size() < 6; k /= 7)
            family += QChar(char16_t(0x0430 + (k + family.size() * 3) % 32));
        names << given[i % 4] + QLatin1Char(' ') + family;
    }
    return names;
}

QByteArray cyrillicVCard(const QStringList &names)
{
    QByteArray cards;
    for (int i = 0; i < names.size(); ++i)
        cards += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + names[i].toUtf8() + "\r\nTEL;TYPE=cell:+46 70-"
            + QByteArray::number(1000000 + i * 7919 % 100000) + "\r\nEND:VCARD\r\n";
    return cards;
}

// 2,032 rows of an English-header Outlook export in windows-1251, as a
// Russian Windows writes it.
QByteArray russianOutlookCsv()
{
    const QStringList given{QStringLiteral("\u0418\u0432\u0430\u043d"), QStringLiteral("\u041c\u0430\u0440\u0438\u044f"),
                            QStringLiteral("\u041e\u043b\u0435\u0433"), QStringLiteral("\u0410\u043d\u043d\u0430")};
    const QStringList family{QStringLiteral("\u041f\u0435\u0442\u0440\u043e\u0432"), QStringLiteral("\u0421\u043c\u0438\u0440\u043d\u043e\u0432"),
                             QStringLiteral("\u041a\u0443\u0437\u043d\u0435\u0446\u043e\u0432"), QStringLiteral("\u041f\u043e\u043f\u043e\u0432")};
    QString csv = QStringLiteral("First Name,Last Name,Company,Mobile Phone\r\n");
    for (int i = 0; i < 2032; ++i)
        csv += given[i % 4] + QLatin1Char(',') + family[i / 4 % 4] + QStringLiteral(",,+7 916 ")
            + QString::number(1000000 + i * 7919 % 100000) + QStringLiteral("\r\n");
    int lacking = 0;
    return exchange::codepage::encode("windows-1251", csv, lacking);
}

struct Run
{
    double wall = 0, cpu = 0;   // milliseconds; cpu: user + system time of the process
    long peakKiB = 0;
};

// One run of the program, its output discarded.
Run launch(const std::vector<std::string> &args, int expected = 0)
{
    std::vector<char *> argv;
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::perror(argv[0]);
        std::exit(2);
    }
    int status = 0;
    struct rusage usage;
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != expected) {
        std::fprintf(stderr, "%s %s failed\n", args[0].c_str(), args[1].c_str());
        std::exit(2);
    }
    auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {std::chrono::duration<double, std::milli>(end - start).count(), ms(usage.ru_utime) + ms(usage.ru_stime),
            usage.ru_maxrss};
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 41;
    const QByteArray csv = fullCsv(), vcard = fullVCard(), empty = emptyImage();
    const QStringList russian = cyrillicNames();
    const QByteArray russianCards = cyrillicVCard(russian);

    // The first name makes the transforms (once in a process), then the rest.
    const Times firstMs = timeMs(1, [&] { cp1252::spelled(russian[0]); });
    const Times spellMs = timeMs(runs, [&] {
        for (const QString &name : russian) {
            if (cp1252::spelled(name).isEmpty())
                std::exit(2);
        }
    });
    const Times russianMs = timeMs(runs, [&] {
        tool::Image image = tool::decodeImage(empty);
        const exchange::ReadResult read = exchange::readContacts(russianCards);
        if (read.contacts.size() != 2032)
            std::exit(2);
        tool::importContacts(image, read.contacts, tool::ImportMode::Add);
    });

    // In-process: the work of import and export without the files.
    QByteArray full;
    const Times importMs = timeMs(runs, [&] {
        tool::Image image = tool::decodeImage(empty);
        const exchange::ReadResult read = exchange::readContacts(csv);
        tool::importContacts(image, read.contacts, tool::ImportMode::Add);
        full = image.fb.bytes();
    });
    // The code page told from the text, then stated: the difference is what telling it costs.
    const QByteArray russianOutlook = russianOutlookCsv();
    const Times toldMs = timeMs(runs, [&] {
        const exchange::ReadResult read = exchange::readContacts(russianOutlook);
        if (read.contacts.size() != 2032 || read.codePage != QLatin1String("windows-1251"))
            std::exit(2);
    });
    const Times statedMs = timeMs(runs, [&] {
        if (exchange::readContacts(russianOutlook, exchange::Mode::Add, "windows-1251").contacts.size() != 2032)
            std::exit(2);
    });
    const Times guessMs = timeMs(runs, [&] {
        if (exchange::codepage::guess({{russianOutlook, 1}}).name != "windows-1251")
            std::exit(2);
    });
    const QByteArray outlook = outlookCsv();
    const Times outlookMs = timeMs(runs, [&] {
        tool::Image image = tool::decodeImage(empty);
        const exchange::ReadResult read = exchange::readContacts(outlook);
        if (read.contacts.size() != 2032)
            std::exit(2);
        tool::importContacts(image, read.contacts, tool::ImportMode::Add);
    });
    const Times vcardMs = timeMs(runs, [&] {
        tool::Image image = tool::decodeImage(empty);
        const exchange::ReadResult read = exchange::readContacts(vcard);
        if (read.contacts.size() != 2032)
            std::exit(2);
        tool::importContacts(image, read.contacts, tool::ImportMode::Add);
    });
    // A week later: every tenth contact renamed, every twentieth another number.
    QByteArray week = "number,name\n";
    for (int i = 0; i < 2032; ++i)
        week += QByteArray::number(46700000000LL + (i % 20 == 19 ? 50000 + i : i * 7919 % 100000)) + ",Contact "
            + QByteArray::number(i) + (i % 10 == 9 ? " B" : "") + "\n";
    const exchange::ReadResult weekRead = exchange::readContacts(week, exchange::Mode::Sync);
    if (weekRead.contacts.size() != 2032)
        std::exit(2);
    const Times syncMs = timeMs(runs, [&] {
        tool::Image image = tool::decodeImage(full);
        const tool::ImportOutcome outcome = tool::importContacts(image, weekRead.contacts, tool::ImportMode::Sync);
        if (outcome.after != 2032 || outcome.changed == 0 || outcome.removed == 0)
            std::exit(2);
    });
    const Times exportMs = timeMs(runs, [&] {
        const QByteArray out = tool::exportContacts(tool::decodeImage(full), exchange::Format::Csv);
        if (out.size() < 2032 * 20)
            std::exit(2);
    });

    QTemporaryDir dir;
    auto put = [&](const char *name, const QByteArray &bytes) {
        QFile f(dir.filePath(QLatin1String(name)));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            std::exit(2);
        return dir.filePath(QLatin1String(name)).toStdString();
    };
    const std::string fullBin = put("full.bin", full), fullCsvPath = put("full.csv", csv);
    const std::string outCsv = dir.filePath(QStringLiteral("out.csv")).toStdString();
    const std::string outBin = dir.filePath(QStringLiteral("out.bin")).toStdString();
    const std::string program = VIRE_IMAGE;
    const std::vector<std::string> version{program, "--version"};
    const std::vector<std::string> exporting{program, "export", fullBin, "-o", outCsv};
    const std::vector<std::string> importing{program, "import", fullBin, fullCsvPath, "--replace", "-o", outBin};

    launch(version);   // warm the page cache
    std::vector<double> vw, vc, ew, ec, iw, ic;
    for (int r = 0; r < runs; ++r) {
        const Run v = launch(version), e = launch(exporting), i = launch(importing);
        vw.push_back(v.wall);
        vc.push_back(v.cpu);
        ew.push_back(e.wall);
        ec.push_back(e.cpu);
        iw.push_back(i.wall);
        ic.push_back(i.cpu);
    }

    // 64 MiB of cards, most of them beyond the room: read whole, then refused.
    QByteArray huge;
    huge.reserve(64 * 1024 * 1024);
    for (int i = 0; huge.size() + 120 <= 64 * 1024 * 1024; ++i)
        huge += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Contact " + QByteArray::number(i) + "\r\nTEL;TYPE=cell:+46 70 "
            + QByteArray::number(1000000 + i % 9000000) + "\r\nEND:VCARD\r\n";
    const qsizetype hugeSize = huge.size();
    const std::string hugePath = put("huge.vcf", huge);
    huge = QByteArray();
    const Run hugeRun = launch({program, "import", fullBin, hugePath, "--dry-run"}, 2);

    std::printf("in-process, median of %d: wall clock, then CPU time (goal: at most 5 ms)\n", runs);
    std::printf("  import 2,032 CSV rows into an empty image %7.2f ms          %7.2f ms\n", importMs.wall, importMs.cpu);
    std::printf("  the same from a Swedish Outlook CSV       %7.2f ms          %7.2f ms\n", outlookMs.wall, outlookMs.cpu);
    std::printf("  import 2,032 vCards into an empty image   %7.2f ms          %7.2f ms\n", vcardMs.wall, vcardMs.cpu);
    std::printf("  export a full image as CSV                %7.2f ms          %7.2f ms\n", exportMs.wall, exportMs.cpu);
    std::printf("  --sync 2,032 entries onto a full image    %7.2f ms          %7.2f ms\n", syncMs.wall, syncMs.cpu);
    std::printf("spelling Cyrillic names in Latin letters%s, in-process: wall clock, then CPU time\n",
                cp1252::transliterates() ? "" : " (built without ICU)");
    std::printf("  the first name, transforms made           %7.2f ms          %7.2f ms\n", firstMs.wall, firstMs.cpu);
    std::printf("  2,032 names                               %7.2f ms          %7.2f ms\n", spellMs.wall, spellMs.cpu);
    std::printf("  import 2,032 vCards of those names        %7.2f ms          %7.2f ms\n", russianMs.wall, russianMs.cpu);
    std::printf("a Russian Outlook CSV of 2,032 rows in windows-1251, read in-process\n");
    std::printf("  the code page told from the text          %7.2f ms          %7.2f ms\n", toldMs.wall, toldMs.cpu);
    std::printf("  the code page stated (--encoding)         %7.2f ms          %7.2f ms\n", statedMs.wall, statedMs.cpu);
    std::printf("  telling it alone                          %7.2f ms          %7.2f ms\n", guessMs.wall, guessMs.cpu);
    std::printf("whole process, median of %d: wall clock, then CPU time (user + system)\n", runs);
    const double vwm = median(vw), vcm = median(vc);
    std::printf("  vire-image --version                      %7.2f ms          %7.2f ms\n", vwm, vcm);
    std::printf("  vire-image export (full image)            %7.2f ms  %.2fx   %7.2f ms  %.2fx (goal: at most 1.5)\n",
                median(ew), median(ew) / vwm, median(ec), median(ec) / vcm);
    std::printf("  vire-image import --replace (full image)  %7.2f ms  %.2fx   %7.2f ms  %.2fx (goal: at most 1.5)\n",
                median(iw), median(iw) / vwm, median(ic), median(ic) / vcm);
    std::printf("a %.1f MiB vCard file, refused for room: %.0f ms, peak %.1f MiB = %.2fx the file (goal: under 4)\n",
                double(hugeSize) / 1048576, hugeRun.wall, double(hugeRun.peakKiB) / 1024,
                double(hugeRun.peakKiB) * 1024 / double(hugeSize));
    return 0;
}
